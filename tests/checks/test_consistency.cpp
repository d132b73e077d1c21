/*
** Tests of the consistency checks of the design checks (lines of a view area), the count limit
** of load collectives and the file of the DIN 1045-1 factors.
*/
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "checks/checks.h"
#include "dialogs/sva.h"

namespace {

std::vector<std::string> Lines(int area)
{
    std::vector<std::string> v;
    Scrollable_View_Area *a = SVA_Get(area);
    for (SVA_Item *i = a ? a->first : nullptr; i; i = i->next)
        if (i->text) v.push_back(i->text);
    return v;
}

class Consistency : public ::testing::Test {
  protected:
    int area = -1;
    Nchw_Type_Rec type{};
    void SetUp() override
    {
        Free_All_Nachweise();
        area = SVA_Create(0, 0, 500, 300, 0, 1);
        ASSERT_GE(area, 0);
        type.ints0_3[0] = 40;
        type.selector_count = 1;
        type.selector_types[0] = 1;
        snprintf(type.selector_names[0], sizeof type.selector_names[0],
                 "St\x84"
                 "be");
        Nchw_Einw_Table_Init(2);
        Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
        Nchw_Einw_Table_Add(2, "Q", 2, 1, 0, 2, 0);
        Nchw_Lf_Table_Init(4);
        Nchw_Lf_Table_Add(1, "g", 0, 0);
        Nchw_Lf_Table_Add(5, "q", 1, 0);
        Nchw_Lf_Table_Add(6, "q2a", 1, 2);
        Nchw_Lf_Table_Add(7, "q2b", 1, 2);
        Nchw_Imp_Table_Init(0);
    }
    void TearDown() override
    {
        SVA_Delete(area);
        Free_All_Nachweise();
        Nchw_Lf_Table_Init(0);
        Nchw_Einw_Table_Init(0);
        Set_Lkom_Count_Limit(-1, nullptr);
    }
    Nchw_Rec *Check(int number)
    {
        Nchw_Rec *c = New_Nachweis();
        c->number = number;
        c->flags = 1;
        c->type = &type;
        return c;
    }
    static Lkom_Rec *Collective(Nchw_Rec *c, int number, std::vector<int> rows)
    {
        Lkom_Rec *l = New_Lkom(c);
        c->lkom_count++;
        l->number = number;
        l->rows = (Lkom_Row *)calloc(rows.size() + 1, sizeof(Lkom_Row));
        for (size_t i = 0; i < rows.size(); i++) l->rows[i] = {rows[i], 1, 1.0, 1.0, 1.0};
        l->row_count = (int32_t)rows.size();
        return l;
    }
};

} // namespace

TEST_F(Consistency, NoChecksGiveFourStatusLines)
{
    int y = 105;
    EXPECT_EQ(Run_Nchw_Checks(area, &y), 0);
    EXPECT_EQ(Lines(area), (std::vector<std::string>{"Nachweise\x06", "Extremierungen\x06",
                                                     "Lastkollektive\x06", "Nachweisobjekte\x06"}));
    EXPECT_EQ(y, 105 + 4 * 20);
}

TEST_F(Consistency, DeactivatedCheckAndMissingObjects)
{
    Check(1)->flags = 0;
    Nchw_Rec *c = Check(2);
    c->selector_modes[0] = 1; /* "nicht für": no object left */
    Collective(c, 1, {1});
    Nchw_Rec *d = Check(3);
    d->selector_modes[0] = 2; /* selected, but no list */
    Collective(d, 1, {1});
    int y = 0;
    EXPECT_EQ(Check_Nachweise(area, &y), 4);
    EXPECT_EQ(Lines(area),
              (std::vector<std::string>{"Der Nachweis 1 ist deaktiviert.",
                                        "Der Nachweis 2 wird mit 0 Objekten gef\x81hrt.",
                                        "Dem Nachweis 3 sind keine St\x84"
                                        "be zugeordnet.",
                                        "Der Nachweis 3 wird mit 0 Objekten gef\x81hrt."}));
    EXPECT_EQ(y, 4 * 15 + 5);
}

TEST_F(Consistency, CollectiveFindings)
{
    Nchw_Rec *c = Check(4);
    c->selector_modes[0] = 0;
    Collective(c, 2, {5, 5, 6, 7, 0, 9, -3});
    Collective(c, 3, {});
    int y = 0;
    EXPECT_EQ(Check_Lkoms(area, &y), 8);
    EXPECT_EQ(
        Lines(area),
        (std::vector<std::string>{
            "Nachweis 4 - Lastkollektiv 2: Nulleintrag in Nummernspalte.",
            "Nachweis 4 - Lastkollektiv 2: Der Lastfall 9 existiert nicht.",
            "Nachweis 4 - Lastkollektiv 2: Die Imperfektion -3 existiert nicht.",
            "Nachweis 4 - Lastkollektiv 2:  LF:1 (st\x84ndige Last) ist nicht aufgef\x81hrt.",
            "Nachweis 4 - Lastkollektiv 2:  LF:5 ist mehrfach aufgef\x81hrt.",
            "Nachweis 4 - Lastkollektiv 2:  Es sind mehrere Lastf\x84lle der alt. Gruppe B aufgef\x81hrt.",
            "Nachweis 4 - Lastkollektiv 3: Die Tabelle ist leer.",
            "Nachweis 4 - Lastkollektiv 3:  LF:1 (st\x84ndige Last) ist nicht aufgef\x81hrt."}));
    type.ints0_3[0] = 989; /* never the permanent-load message */
    SVA_Clear(area);
    y = 0;
    EXPECT_EQ(Check_Lkoms(area, &y), 6);
}

TEST_F(Consistency, UserTablesAgainstTheTables)
{
    type.ints0_3[2] = 1;
    type.ints4_10[1] = 1;
    type.ints4_10[5] = 2;
    Nchw_Rec *c = Check(5);
    Xtr_Rule_Rec *x = New_Xtr_Rule(c);
    c->xtr_count = 1;
    x->number = 1;
    x->mode = 2;
    x->rows = (Xtr_Row *)calloc(1, sizeof(Xtr_Row));
    x->rows[0] = {8, 1, 1, 1, 1};
    x->row_count = 1;
    Xtr_Rule_Rec *e = New_Xtr_Rule(c);
    c->xtr_count = 2;
    e->number = 2;
    e->mode = 1;
    int y = 0;
    EXPECT_EQ(Check_Xtr_Rules(area, &y), 3);
    EXPECT_EQ(Lines(area),
              (std::vector<std::string>{
                  "Nachweis 5 - Extremierung 1: Die Einwirkung 8 existiert nicht.",
                  "Nachweis 5 - Extremierung 1: Der Tabelleninhalt entspricht nicht dem Standard.",
                  "Nachweis 5 - Extremierung 2: Die Tabelle ist leer."}));
}

TEST_F(Consistency, CountLimit)
{
    Nchw_Rec *a = Check(1);
    Nchw_Rec *b = Check(2);
    a->lkom_count = 4; /* counts only; 4 + 1 per check */
    b->lkom_count = 4;
    Set_Lkom_Count_Limit(10, "RS");
    EXPECT_EQ(Count_Lkoms_For_Limit(), 10);
    EXPECT_EQ(Check_Lkom_Count_Limit(), 0);
    Check(3);
    EXPECT_EQ(Count_Lkoms_For_Limit(), 11);
    EXPECT_EQ(Check_Lkom_Count_Limit(), 1);
    a->lkom_count = b->lkom_count = 0;
}

TEST(BopEin, FactorsOfDin1045)
{
    Reset_Nchw_Settings();
    Set_Nchw_Norm_Mask(31);
    ASSERT_EQ(Write_BOP_EIN_File("ABCDEFG"), 1);
    FILE *f = fopen("ABCD_BOP.EIN", "rb");
    ASSERT_NE(f, nullptr);
    char buf[200] = {0};
    size_t n = fread(buf, 1, sizeof buf - 1, f);
    fclose(f);
    EXPECT_EQ(std::string(buf, n), "V2\n 1.50  1.15  1.30  1.00  1.50  1.15  1.50  1.15\n");
    Set_Nchw_Norm_Mask(27); /* without DIN 1045-1 */
    EXPECT_EQ(Write_BOP_EIN_File("WXYZ"), 0);
    Set_Nchw_Norm_Mask(31);
}
