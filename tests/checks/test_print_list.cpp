/*
** Tests of the design-check chapter of the print list: switches, deactivated checks, the
** national-annex line, a check without rules and a rule of the characteristic combination.
*/
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "checks/checks.h"
#include "nad/nad.h"

namespace {

std::string Chapter()
{
    FILE *f = tmpfile();
    Write_Nachweise_Print_List(f);
    fflush(f);
    long n = ftell(f);
    rewind(f);
    std::string s((size_t)n, '\0');
    s.resize(fread(&s[0], 1, (size_t)n, f));
    fclose(f);
    return s;
}

class PrintList : public ::testing::Test {
  protected:
    Nchw_Type_Rec type{};
    std::string annex;
    void SetUp() override
    {
        Free_All_Nachweise();
        annex = Get_Active_NAD_Name() ? Get_Active_NAD_Name() : "";
        type.ints0_3[0] = 500;
        snprintf(type.name, sizeof type.name, "%-50.50s", "Typ");
        snprintf(type.description, sizeof type.description, "Beschreibung");
        Set_Nchw_Print_Switches(0, 1, 0);
        Set_Nchw_Print_Program(0, nullptr);
    }
    void TearDown() override
    {
        Free_All_Nachweise();
        Set_Nchw_Print_Switches(0, 0, 0);
        Set_Active_NAD(annex.c_str());
    }
    Nchw_Rec *Check(int number, int flags)
    {
        Nchw_Rec *c = New_Nachweis();
        c->number = number;
        c->flags = flags;
        c->type = &type;
        snprintf(c->name, sizeof c->name, "N%d", number);
        return c;
    }
};

} // namespace

TEST_F(PrintList, NothingWithoutSwitchesOrChecks)
{
    EXPECT_EQ(Chapter(), ""); /* no check */
    Check(1, 1);
    Set_Nchw_Print_Switches(0, 0, 0);
    EXPECT_EQ(Chapter(), "");
}

TEST_F(PrintList, CheckWithoutRulesAndDeactivatedCheck)
{
    Check(1, 1);
    Check(2, 0);
    const std::string s = Chapter();
    const std::string tail =
        "#SHOWTABLE\n 1 2 0\n Nachweis 1: N1\n \n"
        " \xCEH\xCE_Typ:\xCEr Beschreibung\n 0 0 0 0 0\n"
        "#SHOWTEXT\n Bemerkung:\n"
        " der Nachweis wird nicht gef\x81hrt, da ihm weder Extremalbildungsvorschriften\n"
        " noch Lastkollektive zugeordnet sind.\n"
        "#END_OF_TEXT\n\n";
    ASSERT_GE(s.size(), tail.size());
    EXPECT_EQ(s.substr(s.size() - tail.size()), tail);
    EXPECT_EQ(s.find("Nachweis 2"), std::string::npos);
    EXPECT_EQ(s.substr(0, 15), "#SETFLAGS\n80\n\n\n");
}

TEST_F(PrintList, AnnexLines)
{
    Check(1, 1);
    Set_Active_NAD("EC-Standardparameter");
    EXPECT_NE(Chapter().find(
                  "  Die im Eurocode empfohlenen Parameter werden ohne nationalen Bezug ber\x81"
                  "cksichtigt.\n"),
              std::string::npos);
    Set_Active_NAD("Deutschland");
    EXPECT_NE(Chapter().find("  Der nationale Anhang \"Deutschland\" wird ber\x81"
                             "cksichtigt.\n"),
              std::string::npos);
}

TEST_F(PrintList, CharacteristicRuleShowsOnlyGammas)
{
    Nchw_Rec *c = Check(3, 1);
    Xtr_Rule_Rec *x = New_Xtr_Rule(c);
    c->xtr_count = 1;
    x->number = 1;
    x->mode = 2;
    x->comb_rule[0] = 8;
    snprintf(x->name, sizeof x->name, "R");
    x->rows = (Xtr_Row *)calloc(1, sizeof(Xtr_Row));
    x->rows[0] = {5, 1.0, 0.7, 1.5, 1.0};
    x->row_count = 1;
    const std::string s = Chapter();
    const std::string table =
        "#SHOWTABLE\n0 1 2\n \xCEH1: R\xCEr\n \n"
        " Extremalbildungsvorschrift zum Nachweis 3\xCEr, Typ: benutzerdefiniert, "
        "\x9A"
        "berlagerungsregel: charakteristisch\n"
        "1 0 -1 -1 2\n6.0 18.5\n"
        " Einw.   \xC0\xCETsup\xCEr  \xC0\xCETinf\xCEr\n"
        "   5    1.50  1.00\n"
        "#END_OF_TEXT\n\n";
    EXPECT_NE(s.find(table), std::string::npos) << s;
}
