/*
** Tests of the selection panel of the check dialogs (layout of the list, switching by click
** and by the three buttons, the acting state of self-weight load cases) and of the dialog of
** user-defined extremal rules driven headless by scripts.
*/
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "checks/checks.h"
#include "foundation/screen_tools.h"
#include "platform/zelkwin.h"
#include "tests/platform/gui_log.h"

namespace {

class Panel : public ::testing::Test {
  protected:
    Nchw_Type_Rec type{};
    void SetUp() override
    {
        ZW_Test_Reset();
        Free_All_Nachweise();
        Reset_Beiwert_Tables();
        Xtr_Message_Switch = 1;
        Nchw_Einw_Table_Init(3);
        Nchw_Einw_Table_Add(1, "Eigengewicht", 1, 0, 0, 0, 0);
        Nchw_Einw_Table_Add(2, "Schnee", 2, 6, 0, 2, 0);
        Nchw_Einw_Table_Add(3, "Wind", 2, 7, 0, 3, 0);
        Nchw_Lf_Table_Init(3);
        Nchw_Lf_Table_Add(11, "g", 0, 0);
        Nchw_Lf_Table_Add(12, "s", 1, 0);
        Nchw_Lf_Table_Add(13, "w", 2, 0);
        Nchw_Imp_Table_Init(1);
        Nchw_Imp_Table_Add(1, "Schiefstellung");
        for (int i = 0; i < 3; i++) Nchw_Einw_Table.rows[i].active = 0;
        Nchw_Legend = Nchw_Legend_State{LEGEND_ACTIONS, 14, 0, 60, 0, 100, 100, 500, 340, 0};
        Nchw_Legend_Column_Width();
        strcpy(type.name, "Biegung");
        type.ints0_3[0] = 501;
        type.ints0_3[2] = 1; /* extremal rules in compute mode 0 */
        /* the type's own choices (integers 4, 6, 8) allow more than its rules may use (5, 7, 9):
        ** a dialog that reads the wrong integers lets serviceability through and refuses
        ** DIN 1055-100 */
        type.ints4_10[0] = 3; /* integer 4: check kind free */
        type.ints4_10[1] = 1; /* integer 5: ultimate limit state only */
        type.ints4_10[2] = 7; /* integer 6: combination free */
        type.ints4_10[3] = 7; /* integer 7: every combination */
        type.ints4_10[4] = 2; /* integer 8: Eurocode */
        type.ints4_10[5] = 3; /* integer 9: DIN 1055-100 and Eurocode */
        type.ints4_10[6] = 1;
    }
    void TearDown() override
    {
        Free_All_Nachweise();
        Nchw_Lf_Table_Init(0);
        Nchw_Einw_Table_Init(0);
        Nchw_Imp_Table_Init(0);
        Xtr_Message_Switch = 0;
    }
};

} // namespace

TEST_F(Panel, EntriesRunDownColumnsAndImperfectionsFollowTheirHeading)
{
    int x, y;
    ASSERT_EQ(Nchw_Legend_Entry_Pos(0, &x, &y), 1);
    EXPECT_EQ(x, 130);
    EXPECT_EQ(y, 116);
    Nchw_Legend_Entry_Pos(2, &x, &y);
    EXPECT_EQ(y, 148);
    EXPECT_EQ(Nchw_Legend_Entry_Pos(3, &x, &y), 0);
    /* two rows per column: the third entry starts the second column */
    Nchw_Legend.rows_per_column = 2;
    Nchw_Legend_Entry_Pos(2, &x, &y);
    EXPECT_EQ(x, 130 + Nchw_Legend.column_width);
    EXPECT_EQ(y, 116);
    /* load cases: three rows, one free, the heading, then the imperfection in row 5 */
    Nchw_Legend.rows_per_column = 14;
    Nchw_Legend.mode = LEGEND_LOADCASES;
    Nchw_Legend_Entry_Pos(3, &x, &y);
    EXPECT_EQ(x, 130);
    EXPECT_EQ(y, 116 + 5 * 16);
    /* with ten rows used the heading starts a new column */
    Nchw_Lf_Table_Init(10);
    for (int i = 0; i < 10; i++) Nchw_Lf_Table_Add(20 + i, "lf", 1, 0);
    Nchw_Legend_Column_Width();
    Nchw_Legend_Entry_Pos(10, &x, &y);
    EXPECT_EQ(x, 130 + Nchw_Legend.column_width);
    EXPECT_EQ(y, 116 + 16);
}

TEST_F(Panel, ClicksAndButtonsSwitchTheListedRowsOnly)
{
    int x, y;
    Nchw_Legend_Entry_Pos(1, &x, &y);
    const int sel[4] = {x - 19, y - 11, x - 19, y - 11}; /* the box's top left corner */
    Draw_Nchw_Selection_List(sel);
    EXPECT_EQ(Nchw_Einw_Table.rows[1].active, 1);
    EXPECT_EQ(Nchw_Einw_Table.rows[0].active, 0);
    EXPECT_EQ(ZW_Test_Pixel(x - 19, y + 3), 0xA0E080u);
    const int miss[4] = {x - 20, y - 12, x - 20, y - 12};
    Draw_Nchw_Selection_List(miss);
    EXPECT_EQ(Nchw_Einw_Table.rows[1].active, 1);
    Draw_Nchw_Selection_List(nullptr);
    EXPECT_EQ(Nchw_Einw_Table.rows[1].active, 1);

    Nchw_Select_Invert();
    EXPECT_EQ(Nchw_Einw_Table.rows[0].active + Nchw_Einw_Table.rows[1].active * 2
                  + Nchw_Einw_Table.rows[2].active * 4,
              5);
    Nchw_Select_All();
    EXPECT_EQ(Nchw_Einw_Table.rows[1].active, 1);
    /* in the load-case mode the actions stay as they are */
    Nchw_Legend.mode = LEGEND_LOADCASES;
    Nchw_Select_All();
    EXPECT_EQ(Nchw_Lf_Table.rows[2].active, 1);
    EXPECT_EQ(Nchw_Imp_Table.rows[0].active, 1);
    Nchw_Select_None();
    EXPECT_EQ(Nchw_Lf_Table.rows[0].active, 0);
    EXPECT_EQ(Nchw_Imp_Table.rows[0].active, 0);
    EXPECT_EQ(Nchw_Einw_Table.rows[2].active, 1);
    /* the filter of variable actions lists two of the three */
    Nchw_Legend.mode = LEGEND_ACTIONS;
    Nchw_Legend.variable_only = 1;
    Nchw_Select_None();
    EXPECT_EQ(Nchw_Einw_Table.rows[0].active, 1);
    EXPECT_EQ(Nchw_Einw_Table.rows[1].active, 0);
}

TEST_F(Panel, TheStateSymbolOfASelfWeightLoadCaseSwitchesItsActingState)
{
    Nchw_Legend.mode = LEGEND_FAVOURABLE;
    Nchw_Legend_Column_Width();
    int x, y;
    Nchw_Legend_Entry_Pos(0, &x, &y);
    const int w = Text_Width_In_Font(Nchw_Lf_Table.rows[0].label, 4096);
    const int sel[4] = {x + w + 8, y - 4, x + w + 8, y - 4};
    Draw_Nchw_Selection_List(sel);
    EXPECT_EQ(Nchw_Lf_Table.rows[0].state, 0);
    EXPECT_EQ(Nchw_Lf_Table.rows[0].active, 0);
    Draw_Nchw_Selection_List(sel);
    EXPECT_EQ(Nchw_Lf_Table.rows[0].state, 1);
    /* the legend of the two symbols is drawn */
    ZW_Test_Clear_Log();
    Draw_Nchw_Selection_List(nullptr);
    auto log = ZW_Test_Log_Lines();
    bool found = false;
    for (auto &l : log) found = found || l.find("ungünstig wirkend") != std::string::npos;
    EXPECT_TRUE(found);
}

/* ---------------------------------------------------------------- the dialog */

namespace {
/* Sheet at (340, 255); lists: rule rows at y 317 + 16 i, kind rows 501 / 517. */
const char *Click_Sls = "click 400 517\n";
const char *Click_All = "click 540 585\n";
const char *Click_Cancel = "click 360 672\n";
const char *Click_Build = "click 740 650\n";
} // namespace

TEST_F(Panel, DialogRefusesAKindTheTypeForbidsAndCancelKeepsTheRule)
{
    Nchw_Rec *c = New_Nachweis();
    strcpy(c->name, "Nachweis 1");
    c->type = &type;
    Xtr_Rule_Rec *r = New_Xtr_Rule(c);
    r->comb_rule[0] = r->comb_rule[1] = 2;
    r->check_kind[0] = r->check_kind[1] = 1;
    r->combination[0] = r->combination[1] = 1;
    r->rows = (Xtr_Row *)calloc(1, sizeof(Xtr_Row));
    r->row_count = 1;
    Xtr_Row *old = r->rows;
    ZW_Test_Set_Script(std::string(Click_Sls) + "answer yes\n" + Click_All + Click_Cancel);
    EXPECT_EQ(Xtr_Generation_Dialog(c, r), 0);
    EXPECT_TRUE(
        Has_Line("MESSAGE [] Rot dargestellte Listenelemente | sind im aktuellen Nachweis | "
                 "Nachweis 1 | nicht erlaubt!"));
    EXPECT_EQ(r->rows, old);
    EXPECT_EQ(r->row_count, 1);
    EXPECT_EQ(r->check_kind[0], 1);
    EXPECT_TRUE(Has_Line(
        "SHEET 1 340 255 939 704 Generierung benutzerdefinierter Extremierungsvorschriften"));
}

TEST_F(Panel, DialogBuildsTheRowsOfTheActiveActionsWhenConfirmed)
{
    Nchw_Rec *c = New_Nachweis();
    strcpy(c->name, "N");
    c->type = &type;
    Xtr_Rule_Rec *r = New_Xtr_Rule(c);
    r->comb_rule[0] = 2;
    r->check_kind[0] = 1;
    r->combination[0] = 1;
    r->rows = (Xtr_Row *)calloc(2, sizeof(Xtr_Row));
    r->row_count = 2;
    /* no active action: no rows */
    ZW_Test_Set_Script(Click_Build);
    Xtr_Generation_Dialog(c, r);
    EXPECT_EQ(r->row_count, 0);
    EXPECT_EQ(r->rows, nullptr);
    EXPECT_EQ(r->comb_rule[0], 2);
    EXPECT_EQ(r->basis[0], 0);
    EXPECT_EQ(r->check_kind[0], 1);

    /* all actions, rule DIN 1055-100 (row 0 of the rule list) */
    ZW_Test_Set_Script(std::string("click 400 317\n") + Click_All + Click_Build);
    Xtr_Generation_Dialog(c, r);
    EXPECT_EQ(r->comb_rule[0], 1);
    int32_t n = 0;
    Xtr_Row *expect = Build_Situation_Xtr_Table(c, &n, 1, 0, 1, 1, 0);
    ASSERT_GT(n, 0);
    ASSERT_EQ(r->row_count, n);
    EXPECT_EQ(Cmp_Xtr_Tables(r->rows, r->row_count, expect, n), 0);
    free(expect);
    /* the origin is kept for the next opening */
    int ox, oy;
    Xtr_Generation_Dialog_Origin(&ox, &oy);
    EXPECT_EQ(ox, 340);
    EXPECT_EQ(oy, 255);
}
