/*
** Tests of the print-list tables of extremal rules and load collectives; outputs compared byte
** for byte (code page 850, 0xCE escapes, 0xB8 psi, 0xC0 gamma).
*/
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "checks/checks.h"
#include "nad/nad.h"

namespace {

std::string Printed(const std::function<void(FILE *)> &write)
{
    FILE *f = tmpfile();
    write(f);
    fflush(f);
    long n = ftell(f);
    rewind(f);
    std::string s((size_t)n, '\0');
    s.resize(fread(&s[0], 1, (size_t)n, f));
    fclose(f);
    return s;
}

class Print : public ::testing::Test {
  protected:
    void SetUp() override { Clear(); }
    void TearDown() override { Clear(); }
    static void Clear()
    {
        Init_Or_Clear_Auto_Lkoms();
        Free_All_Nachweise();
        Nchw_Imp_Table_Init(0);
        Nchw_Lf_Table_Init(0);
        Nchw_Einw_Table_Init(0);
        Reset_Nchw_Settings();
    }
};

} // namespace

TEST_F(Print, KmodGroups)
{
    Nchw_Einw_Table_Init(2);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0); /* kmod 0.6 */
    Nchw_Einw_Table_Add(2, "W", 2, 7, 0, 4, 0); /* kmod 1.1 */
    Xtr_Row rows[3] = {{1, 1, 1, 1.35, 1}, {1, 1, 1, 1.0, 1}, {2, 1, 0.6, 1.5, 0}};
    Xtr_Rule_Rec r{};
    r.rows = rows;
    r.row_count = 3;
    EXPECT_EQ(Printed([&](FILE *f) { Print_Xtr_Kmod_Groups(f, &r); }),
              " \xCE{\xCER0xf00} \xCE"
              "bGruppe 1: kmod = 0.60\xCEr\n"
              "   1    1.00  1.00   1.35  1.00\n"
              "   1    1.00  1.00   1.00  1.00\n"
              " \xCE{\xCER0xf00} \xCE"
              "bGruppe 2: kmod = 1.10\xCEr\n"
              "   1    1.00  1.00   1.35  1.00\n"
              "   1    1.00  1.00   1.00  1.00\n"
              "   2    1.00  0.60   1.50  0.00\n"
              "#END_OF_TEXT\n\n");
    r.row_count = 0;
    EXPECT_EQ(Printed([&](FILE *f) { Print_Xtr_Kmod_Groups(f, &r); }), "#END_OF_TEXT\n\n");
}

TEST_F(Print, DeflectionPartAShowsPermanentActionsAsZero)
{
    Nchw_Einw_Table_Init(1);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
    Xtr_Row rows[1] = {{1, 1, 1, 1, 1}};
    Xtr_Rule_Rec r{};
    r.number = 3;
    snprintf(r.name, sizeof r.name, "D");
    r.rows = rows;
    r.row_count = 1;
    const std::string s = Printed([&](FILE *f) { Print_Xtr_Rule_Defl_AB(f, &r, 8); });
    const std::string part_a =
        "#SHOWTABLE\n0 1 3\n \xCEH3: D\xCEr\n \n"
        " \xCEHA:\xCEr Extremalbildungsvorschrift zum Nachweis 8, \xCEHTeilnachweis A:\xCEr  w\xCETQ,inst\xCEr \xF3 w\xCETA,zul\xCEr\n"
        " mit w\xCETQ,inst\xCEr = Durchbiegungen aus \xCE_ver\x84nderlichen\xCEr Einwirkungen \xCE_ohne\xCEr Kriecheinfluss\n"
        "1 0 -1 -1 2\n6.0 18.5\n"
        " Einw.  \xB8\xCETdom\xCEr  \xB8\xCETsub\xCEr   \xC0\xCETsup\xCEr  \xC0\xCETinf\xCEr\n"
        "   1    0.00  0.00   0.00  0.00\n"
        "#END_OF_TEXT\n\n";
    EXPECT_EQ(s.substr(0, part_a.size()), part_a);
    /* part B: psi 1.0 x kdef 0.6, no psi2 for the permanent action */
    EXPECT_NE(s.find("   1    0.60  0.60   1.00  1.00    -\n"), std::string::npos);
}

TEST_F(Print, OnlyPartCIsTheFirstPart)
{
    Xtr_Row rows[1] = {{4, 1, 1, 1, 1}};
    Xtr_Rule_Rec r{};
    r.number = 2;
    snprintf(r.name, sizeof r.name, "W");
    r.rows = rows;
    r.row_count = 1;
    NAD_EC5_Params *ec5 = Get_NAD_EC5_Params();
    const int32_t kept = ec5->net_deflection_rule;
    const double kept_kdef = ec5->kdef[0];
    ec5->net_deflection_rule = 0; /* quasi-permanent net deflection */
    ec5->kdef[0] = 0.6;
    const std::string s = Printed([&](FILE *f) { Print_Xtr_Rule_Defl_ABC(f, &r, 5, 0, 0, 1); });
    ec5->net_deflection_rule = 1; /* characteristic: the rows of part B */
    const std::string t = Printed([&](FILE *f) { Print_Xtr_Rule_Defl_ABC(f, &r, 5, 0, 0, 1); });
    ec5->net_deflection_rule = kept;
    ec5->kdef[0] = kept_kdef;
    EXPECT_NE(t.find("   4    1.60  1.60   1.00  1.00   1.00\n"), std::string::npos) << t;
    const std::string head = "#SHOWTABLE\n0 1 2\n \xCEH2: W\xCEr (erste Teilkombination)\n";
    EXPECT_EQ(s.substr(0, head.size()), head) << s;
    /* kdef 0.6 of service class 1; an unknown action has psi2 1.0: gammas x 1.6 */
    EXPECT_NE(s.find("   4    1.00  1.00   1.60  1.60\n"), std::string::npos) << s;
    EXPECT_EQ(s.find("zweite"), std::string::npos);
}

TEST_F(Print, CollectivesOfACheck)
{
    Nchw_Einw_Table_Init(3);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
    Nchw_Einw_Table_Add(2, "E", 100, 0, 0, 4, 0);
    Nchw_Einw_Table_Add(3, "Q", 2, 1, 0, 2, 0);
    Nchw_Lf_Table_Init(3);
    Nchw_Lf_Table_Add(1, "g", 0, 0);
    Nchw_Lf_Table_Add(2, "e", 1, 0);
    Nchw_Lf_Table_Add(3, "q", 2, 0);
    Nchw_Type_Rec t{};
    t.ints0_3[0] = 121;
    t.ints4_10[6] = 1;
    Nchw_Rec *c = New_Nachweis();
    c->type = &t;
    c->number = 9;
    Lkom_Rec *l = New_Lkom(c);
    c->lkom_count = 1;
    l->number = 7;
    l->rows = (Lkom_Row *)calloc(2, sizeof(Lkom_Row));
    l->rows[0] = {1, 1, 1.0, 1.35, 1.35};
    l->rows[1] = {2, 1, 1.0, 1.0, 1.0};
    l->row_count = 2;
    EXPECT_EQ(
        Printed([&](FILE *f) { Print_Lkoms_Of_Nchw(c, nullptr, f); }),
        "#SHOWTABLE\n0 1 2\n"
        " \xCEHLastkollektive zum Nachweis 9\xCEr\n"
        " Faktorisierung der Lastf\x84lle. Negative Lastfallnummern beziehen sich auf Imperfektionen\n"
        " BS=Bemessungssituation, SV=st\x84ndig und vor\x81"
        "bergehend, A=au\xE1"
        "ergew\x94hnlich, E=Erdbeben\n"
        "1 0 -1 -1 2\n"
        "6.0 21.7\n"
        "  LK     1    2    3    BS  k\xCE\\mod\xCEr  \xC0\xCE\\M\xCEr\n"
        "    7   1.35 1.00  -    E   1.10 1.30\n"
        "#END_OF_TEXT\n\n");
}

TEST_F(Print, ManyLoadCasesAreListedOneBelowTheOther)
{
    Nchw_Einw_Table_Init(1);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
    Nchw_Lf_Table_Init(24);
    for (int i = 0; i < 24; i++) Nchw_Lf_Table_Add(i + 1, "g", 0, 0);
    Nchw_Type_Rec t{};
    t.ints0_3[0] = 121;
    Nchw_Rec *c = New_Nachweis();
    c->type = &t;
    c->number = 1;
    Lkom_Rec *l = New_Lkom(c);
    l->number = 7;
    l->rows = (Lkom_Row *)calloc(1, sizeof(Lkom_Row));
    l->rows[0] = {3, 1, 1.0, 1.35, 1.35};
    l->row_count = 1;
    const std::string s = Printed([&](FILE *f) { Print_Lkoms_Of_Nchw(c, nullptr, f); });
    EXPECT_NE(s.find("1 0 -1 -1 3\n0.0 4.0 10.0\n  LF  Fakt.\n"
                     " \xCE{\xCER0xf00} \xCE"
                     "bLK 7: (SV)\xCEr\n"
                     " \xCE{\xCER0xf00} kmod=0.60\xCEr\n"
                     "   3  1.35\n#END_OF_TEXT\n\n"),
              std::string::npos);
}

TEST_F(Print, GeneratedCollectivesRowByRow)
{
    Nchw_Einw_Table_Init(1);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
    Nchw_Lf_Table_Init(2);
    Nchw_Lf_Table_Add(1, "a", 0, 0);
    Nchw_Lf_Table_Add(2, "b", 0, 0);
    EXPECT_EQ(Printed(Print_Generated_Lkoms),
              "#SHOWTABLE\n0 1 0\n generierte Lastkollektive (zeilenweise)\n#END_OF_TEXT\n\n");
    Init_Or_Clear_Auto_Lkoms();
    Lkom_Rec *l = New_Lkom(&Auto_GenRule);
    Auto_GenRule.lkom_count = 1;
    l->rows = (Lkom_Row *)calloc(1, sizeof(Lkom_Row));
    l->rows[0] = {2, 1, 1.0, 1.5, 1.5};
    l->row_count = 1;
    /* w = 24: the cells take 10 characters, 14 blanks follow */
    EXPECT_EQ(Printed(Print_Generated_Lkoms),
              "#SHOWTABLE\n0 1 0\n generierte Lastkollektive (zeilenweise)\n"
              "2 0 -1 -1 2\n6.0 30.000000\n"
              " Last-  Faktoren der Lastf\x84lle  \n"
              " koll.    1    2"
                  + std::string(14, ' ')
                  + "\n"
                    "    1    -   1.50"
                  + std::string(14, ' ')
                  + "\n"
                    "#END_OF_TEXT\n\n");
}
