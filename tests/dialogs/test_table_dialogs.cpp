/*
** Tests of the table editor (rows, buttons, sorting, filling) and of the dialog runners (single
** page, paged, the remark editor and the message list dialog).
*/
#include "dialogs_fixture.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

struct Row {
    double a;
    double b;
};

class Tables : public DialogsTest {
  protected:
    int area = -1, table = -1;
    void SetUp() override
    {
        DialogsTest::SetUp();
        area = SVA_Create(10, 40, 610, 440, 0, 0);
        table = Tbl_Create(area, 30, 20, 500, 20, sizeof(Row), nullptr);
        ASSERT_GE(table, 0);
        Tbl_Add_Column(table, 100, 15, 0, TBL_SORTABLE | TBL_FILLABLE, nullptr, 0);
        Tbl_Add_Column(table, 200, 15, 0, TBL_SORTABLE, "%8.2f", 8);
    }
    void TearDown() override
    {
        Tbl_Delete(table);
        DialogsTest::TearDown();
    }
    std::vector<double> Column_A()
    {
        std::vector<double> v;
        for (void *d = Tbl_First_Row_Data(table); d; d = Tbl_Next_Row_Data(table))
            v.push_back(((Row *)d)->a);
        return v;
    }
    void Rows(std::initializer_list<double> values)
    {
        for (double x : values) {
            Row r = {x, 0};
            Tbl_Append_Row(table, &r);
        }
    }
    int Images(int image)
    {
        int n = 0;
        for (SVA_Item *it = SVA_Areas[area].first; it; it = it->next)
            n += it->kind == SVA_TREE_IMAGE && it->image_off == image;
        return n;
    }
};

TEST_F(Tables, FillRowsTwoToThree)
{
    Rows({1, 2, 3, 4, 5});
    Tbl_Fill_Column(table, 0, 2, 2, 3, 10, 5);
    EXPECT_EQ(Column_A(), (std::vector<double>{1, 10, 15, 4, 5}));
    Tbl_Fill_Column(table, 0, 1, 0, 0, 0.5, 0.25);
    EXPECT_EQ(Column_A(), (std::vector<double>{0.5, 0.75, 1.0, 1.25, 1.5}));
}

TEST_F(Tables, FillDialogCancelAndConfirm)
{
    Rows({4, 5, 6});
    ZW_Test_Set_Script("key Esc\n");
    EXPECT_EQ(Tbl_Fill_Dialog(table, 0), 0);
    EXPECT_EQ(Column_A(), (std::vector<double>{4, 5, 6}));
    EXPECT_GE(Log_Count("Tabellenspalte belegen"), 1) << Log_All();
    /* Enter confirms the defaults: the whole column from 1.0 on in steps of 0.0 */
    ZW_Test_Set_Script("key Enter\n");
    EXPECT_EQ(Tbl_Fill_Dialog(table, 0), 1);
    EXPECT_EQ(Column_A(), (std::vector<double>{1, 1, 1}));
    EXPECT_EQ(Tbl_Fill_Dialog(table, 5), 0); /* no such column */
}

TEST_F(Tables, SortAscendingAndDescending)
{
    Rows({3, 1, 2});
    Tbl_Sort_Column(table, 0, 0);
    EXPECT_EQ(Column_A(), (std::vector<double>{1, 2, 3}));
    Tbl_Sort_Column(table, 0, 1);
    EXPECT_EQ(Column_A(), (std::vector<double>{3, 2, 1}));
}

/* Equal values are never exchanged: rows that tie on the sorted column keep their order (b
** numbers the rows as they were appended). */
TEST_F(Tables, SortNeverExchangesEqualValues)
{
    for (Row r : {Row{2, 1}, Row{2, 2}, Row{3, 3}, Row{3, 4}}) Tbl_Append_Row(table, &r);
    auto column_b = [&]() {
        std::vector<double> v;
        for (void *d = Tbl_First_Row_Data(table); d; d = Tbl_Next_Row_Data(table))
            v.push_back(((Row *)d)->b);
        return v;
    };
    Tbl_Sort_Column(table, 0, 0);
    EXPECT_EQ(column_b(), (std::vector<double>{1, 2, 3, 4}));
    /* descending, by hand (a(b), exchange when the later value is greater):
  ** row 1 2(1): 2(2) ties; 3(3) is greater, exchanged -> 3(3); 3(4) ties -> 3(3) 2(2) 2(1) 3(4)
  ** row 2 2(2): 2(1) is not greater; 3(4) is, exchanged -> 3(3) 3(4) 2(1) 2(2)
  ** row 3 2(1): 2(2) ties */
    Tbl_Sort_Column(table, 0, 1);
    EXPECT_EQ(column_b(), (std::vector<double>{3, 4, 1, 2}));
    EXPECT_EQ(Column_A(), (std::vector<double>{3, 3, 2, 2}));
}

TEST_F(Tables, RowListOperations)
{
    Rows({7});
    EXPECT_EQ(Tbl_Row_Count(table), 1);
    void *d = Tbl_First_Row_Data(table);
    EXPECT_EQ(Tbl_Row_Index(table, d), 1);
    Tbl_Clear_Rows(table);
    EXPECT_EQ(Tbl_Row_Count(table), 0);
    EXPECT_EQ(Tbl_First_Row_Data(table), nullptr);
    EXPECT_EQ(Tbl_Row_Count(55), 0);
    EXPECT_EQ(Tbl_Row_Count(-1), 0);
    Tbl_Append_Row(-1, d); /* a failed -1 is passed on: nothing happens */
    Tbl_Move(table, 40, 30);
    EXPECT_EQ(Tbl_Records[table].right, 510);
    EXPECT_EQ(Tbl_Records[table].first_column->x, 110);
    EXPECT_EQ(Tbl_Records[table].first_column->y, 25);
}

TEST_F(Tables, FiftyFiveSlots)
{
    std::vector<int> ids;
    int t;
    while ((t = Tbl_Create(area, 0, 0, 10, 20, 8, nullptr)) >= 0) ids.push_back(t);
    EXPECT_EQ((int)ids.size(), TBL_SLOTS - 1);
    for (int id : ids) Tbl_Delete(id);
}

TEST_F(Tables, ButtonsDeleteDuplicateAndAppendRows)
{
    Tbl_Set_Button(table, TBL_DELETE, 5, 2);
    Tbl_Set_Button(table, TBL_DUPLICATE, 25, 2);
    Tbl_Set_Button(table, TBL_APPEND, 5, 2);
    Tbl_Set_Button(table, TBL_ROW_NUMBER, 80, 14);
    Row tpl = {42, 0};
    Tbl_Set_Template(table, &tpl);
    Rows({1, 2, 3});
    Tbl_Build_View(table);
    SVA_Update(area);
    /* delete button of row 2: content (25, 52) -> screen (35, 92) */
    auto press = [](int x, int y) {
        ZW_Test_Set_Script("click " + std::to_string(x) + " " + std::to_string(y) + "\n");
        for (int i = 0; i < 5 && !M_LEFT; i++) Get_Mouse_Event();
    };
    press(10 + 25 + 7, 40 + 30 + 20 + 2 + 8);
    EXPECT_EQ(Tbl_Edit(table), 2);
    EXPECT_EQ(Column_A(), (std::vector<double>{1, 3}));
    SVA_Clear(area);
    Tbl_Build_View(table);
    /* duplicate row 1 */
    press(10 + 20 + 25 + 9, 40 + 30 + 2 + 8);
    EXPECT_EQ(Tbl_Edit(table), 2);
    EXPECT_EQ(Column_A(), (std::vector<double>{1, 1, 3}));
    SVA_Clear(area);
    Tbl_Build_View(table);
    /* append button below the third row */
    press(10 + 20 + 5 + 17, 40 + 30 + 3 * 20 + 2 + 8);
    EXPECT_EQ(Tbl_Edit(table), 2);
    EXPECT_EQ(Column_A(), (std::vector<double>{1, 1, 3, 42}));
}

/* A row shows its value a as a number field at 100 px from the table's left edge. */
static int Field_Active = 1;
static void Row_With_Field(int flag, int area, int left, int top, void *row)
{
    SVA_Add_Float_Field(area, left + 100, top + 15, &((Row *)row)->a, "%6.2f", 4096, 0,
                        &Field_Active);
}

TEST_F(Tables, CursorUpEditsTheSameColumnOfThePreviousRow)
{
    Tbl_Delete(table);
    table = Tbl_Create(area, 30, 20, 500, 20, sizeof(Row), Row_With_Field);
    ASSERT_GE(table, 0);
    Rows({1, 2, 3});
    Tbl_Build_View(table);
    SVA_Set_Active(area, 1);
    SVA_Update(area);
    /* the field of row 2 at content (120 + 10, 50 + 11) -> screen (140, 101): "8" left with Up
  ** opens the same column of row 1 (its edit ends with the script, keeping 1.00) */
    ZW_Test_Set_Script("click 140 101\nmove 140 101\ntype 8\nkey Up\n");
    for (int i = 0; i < 5 && !M_LEFT; i++) Get_Mouse_Event();
    EXPECT_EQ(Tbl_Edit(table), 1);
    EXPECT_EQ(Column_A(), (std::vector<double>{1, 8, 3}));
    const std::string log = Log_All();
    const size_t first = log.find("EDITFLOAT   8.00"), second = log.find("EDITFLOAT   1.00");
    ASSERT_NE(first, std::string::npos) << log;
    ASSERT_NE(second, std::string::npos) << log;
    EXPECT_LT(first, second);
    EXPECT_EQ(Log_Count("EDITFLOAT"), 2);
}

TEST_F(Tables, CursorDownOnTheLastVisibleRowScrollsOneRow)
{
    Tbl_Delete(table);
    SVA_Delete(area);
    area = SVA_Create(10, 40, 610, 150, 0, 1); /* 110 pixels high, with a slider */
    table = Tbl_Create(area, 30, 20, 500, 20, sizeof(Row), Row_With_Field);
    ASSERT_GE(table, 0);
    Rows({1, 2, 3, 4, 5, 6, 7});
    Tbl_Build_View(table);
    SVA_Set_Active(area, 1);
    SVA_Update(area);
    /* row 3's field at content y 70 + 11 -> screen 121. Down moves the mouse to 141, deeper than
  ** 40 + 110 - 20 + 10 = 140: the area scrolls by 20 and the mouse comes back to 121, which is
  ** row 4's field (content 90 + 11 - 20 + 40); its edit ends with the script */
    ZW_Test_Set_Script("click 140 121\nmove 140 121\ntype 8\nkey Down\n");
    for (int i = 0; i < 5 && !M_LEFT; i++) Get_Mouse_Event();
    EXPECT_EQ(Tbl_Edit(table), 1);
    EXPECT_EQ(Column_A(), (std::vector<double>{1, 2, 8, 4, 5, 6, 7}));
    int sx = -1, sy = -1;
    SVA_Inquire_Scroll(area, &sx, &sy);
    EXPECT_EQ(sy, 20);
    const std::string log = Log_All();
    const size_t first = log.find("EDITFLOAT   8.00"), second = log.find("EDITFLOAT   4.00");
    ASSERT_NE(first, std::string::npos) << log;
    ASSERT_NE(second, std::string::npos) << log;
    EXPECT_LT(first, second);
}

/* The column buttons: column 0 (sortable and fillable) at content (100, 15), column 1 (sortable
** only) at (200, 15); the area's origin is (10, 40). */
TEST_F(Tables, ColumnMenuSortsThroughItsSubMenu)
{
    Rows({3, 1, 2});
    Tbl_Build_View(table);
    SVA_Set_Active(area, 1);
    SVA_Update(area);
    /* Down highlights "Spalte sortieren", Right opens "aufsteigend | absteigend", Down Enter */
    ZW_Test_Set_Script("click 110 55\nkey Down Right Down Enter\n");
    for (int i = 0; i < 5 && !M_LEFT; i++) Get_Mouse_Event();
    EXPECT_EQ(Tbl_Edit(table), 1);
    EXPECT_EQ(Column_A(), (std::vector<double>{3, 2, 1}));
    EXPECT_EQ(Log_Count("MENU Spalte sortieren | Spalte belegen"), 1) << Log_All();
    EXPECT_EQ(Log_Count("MENU aufsteigend | absteigend"), 1);
    /* column 1 cannot be filled: Down Down stays on "Spalte sortieren", Enter opens the sub-menu
  ** on "aufsteigend" and Enter chooses it (the column's b values are all 0: the rows stay) */
    ZW_Test_Clear_Log();
    ZW_Test_Set_Script("click 210 55\nkey Down Down Enter Enter\n");
    for (int i = 0; i < 5 && !M_LEFT; i++) Get_Mouse_Event();
    EXPECT_EQ(Tbl_Edit(table), 1);
    EXPECT_EQ(Column_A(), (std::vector<double>{3, 2, 1}));
    EXPECT_EQ(Log_Count("MENU CHOICE 0 0"), 1) << Log_All();
    EXPECT_EQ(Log_Count("Tabellenspalte belegen"), 0);
    /* column 0 can: Down Down reaches "Spalte belegen", whose dialog Esc cancels */
    ZW_Test_Clear_Log();
    ZW_Test_Set_Script("click 110 55\nkey Down Down Enter Esc\n");
    for (int i = 0; i < 5 && !M_LEFT; i++) Get_Mouse_Event();
    EXPECT_EQ(Tbl_Edit(table), 1);
    EXPECT_EQ(Log_Count("MENU CHOICE 1"), 1) << Log_All();
    EXPECT_GE(Log_Count("Tabellenspalte belegen"), 1);
}

TEST_F(Tables, EscEndsTheTableEdit)
{
    Tbl_Delete(table);
    table = Tbl_Create(area, 30, 20, 500, 20, sizeof(Row), Row_With_Field);
    ASSERT_GE(table, 0);
    Rows({1, 2, 3});
    Tbl_Build_View(table);
    SVA_Set_Active(area, 1);
    SVA_Update(area);
    ZW_Test_Set_Script("click 140 101\nmove 140 101\ntype 8\nkey Esc\n");
    for (int i = 0; i < 5 && !M_LEFT; i++) Get_Mouse_Event();
    EXPECT_EQ(Tbl_Edit(table), 1);
    EXPECT_EQ(Column_A(), (std::vector<double>{1, 2, 3})); /* Esc keeps the old value */
    EXPECT_EQ(Log_Count("EDITFLOAT"), 1) << Log_All();
}

TEST_F(Tables, MaximumRowsDisableDuplicateAndHideAppend)
{
    Tbl_Set_Button(table, TBL_DUPLICATE, 25, 2);
    Tbl_Set_Button(table, TBL_APPEND, 5, 2);
    Tbl_Set_Max_Rows(table, 3);
    Rows({1, 2, 3});
    Tbl_Build_View(table);
    EXPECT_EQ(Images(TVI_BOX_GREY), 3);
    EXPECT_EQ(Images(TVI_PLUS), 0);
    EXPECT_EQ(Images(TVI_DOCUMENT), 0);
    SVA_Clear(area);
    Tbl_Set_Max_Rows(table, 4);
    Tbl_Build_View(table);
    EXPECT_EQ(Images(TVI_PLUS), 3);
    EXPECT_EQ(Images(TVI_DOCUMENT), 1);
}

/* ------------------------------------------------------------------ dialog runners */

using Dialogs = DialogsTest;

static double Scaled_Value = 0;
static void Draw_Scaled(int area, int, void *)
{
    int on = 1;
    Wdg_Scaled_Float_Field(10, 30, &Scaled_Value, 1000.0, 8, 1, &on);
}

TEST_F(Dialogs, CancelledSingleDialogLeavesOwnUnitsAndUsesThePresetOnce)
{
    Dlg_Desc d;
    Dlg_Page p;
    Dlg_Init_Descriptor(&d);
    Dlg_Init_Pages(1, &p);
    p.draw = Draw_Scaled;
    Scaled_Value = 0.25;
    d.preset_event = DLG_CANCEL;
    EXPECT_EQ(Dlg_Run_Single(&d, &p), 0);
    EXPECT_DOUBLE_EQ(Scaled_Value, 0.25);
    EXPECT_EQ(d.preset_event, -1);
    EXPECT_EQ(Dlg_Level, 0);
    d.preset_event = DLG_CONFIRM;
    EXPECT_EQ(Dlg_Run_Single(&d, &p), 1);
    EXPECT_DOUBLE_EQ(Scaled_Value, 0.25);
    EXPECT_EQ(Wdg_Factor_Count, 0);
}

static int Cancel_Calls = 0;
static int Veto_Once(void) { return Cancel_Calls++ == 0 ? 1 : 0; }

TEST_F(Dialogs, CancelCheckVetoes)
{
    Dlg_Desc d;
    Dlg_Page p[2];
    Dlg_Init_Descriptor(&d);
    Dlg_Init_Pages(2, p);
    p[0].draw = Draw_Scaled;
    snprintf(p[0].label, sizeof p[0].label, "Werte");
    snprintf(p[1].label, sizeof p[1].label, "Mehr");
    d.cancel_check = Veto_Once;
    d.preset_event = DLG_CANCEL;
    Cancel_Calls = 0;
    ZW_Test_Set_Script("key Esc\n");
    EXPECT_EQ(Dlg_Run_Paged(&d, 2, p), 0);
    EXPECT_EQ(Cancel_Calls, 2);
}

/* A page check and the final check that refuse the first confirmations keep the single dialog
** open: the page is drawn again and the next confirmation closes it; the display-scaled field
** ends in its own unit however often it was committed. A check that never agrees keeps the
** dialog open until its window is closed, which ends it as cancelled. */
static int Page_Checks = 0, Final_Checks = 0, Single_Passes = 0, Single_Confirmations = 0;
static Dlg_Desc *Single_Desc = nullptr;
static int Page_Refuses_First(int) { return Page_Checks++ == 0 ? 3 : 0; }
static int Final_Refuses_First(void) { return Final_Checks++ == 0 ? 1 : 0; }
static int Page_Refuses_Always(int) { return Page_Checks++, 1; }
/* Each of the first Single_Confirmations passes confirms; later passes wait for the script. */
static void Confirm_Each_Pass(int)
{
    if (Single_Passes++ < Single_Confirmations) Single_Desc->preset_event = DLG_CONFIRM;
}

TEST_F(Dialogs, RefusingChecksKeepTheSingleDialogOpen)
{
    Dlg_Desc d;
    Dlg_Page p;
    Dlg_Init_Descriptor(&d);
    Dlg_Init_Pages(1, &p);
    p.draw = Draw_Scaled;
    p.check = Page_Refuses_First;
    d.confirm_check = Final_Refuses_First;
    d.pass = Confirm_Each_Pass;
    Single_Desc = &d;
    Scaled_Value = 0.25;
    Page_Checks = Final_Checks = Single_Passes = 0;
    Single_Confirmations = 5;
    ZW_Test_Set_Script("sleep 1\n"); /* pending input: the window stays open */
    /* pass 1: the page check refuses; pass 2: the final check refuses; pass 3 closes */
    EXPECT_EQ(Dlg_Run_Single(&d, &p), 1);
    EXPECT_EQ(Single_Passes, 3);
    EXPECT_EQ(Page_Checks, 3);
    EXPECT_EQ(Final_Checks, 2);
    EXPECT_DOUBLE_EQ(Scaled_Value, 0.25);
    EXPECT_EQ(Dlg_Level, 0);
    /* a check that never agrees: two refused confirmations, then the end of the script closes
  ** the window, which ends the dialog as cancelled */
    p.check = Page_Refuses_Always;
    d.confirm_check = nullptr;
    Page_Checks = Single_Passes = 0;
    Single_Confirmations = 2;
    ZW_Test_Set_Script("");
    EXPECT_EQ(Dlg_Run_Single(&d, &p), 0);
    EXPECT_EQ(Page_Checks, 2);
    EXPECT_EQ(Single_Passes, 3);
    EXPECT_EQ(Dlg_Level, 0);
}

static std::vector<int> Passes;
static Dlg_Desc *Pass_Desc = nullptr;
static void Record_Pass(int page)
{
    Passes.push_back(page);
    size_t n = Passes.size();
    if (n == 1) Pass_Desc->preset_event = DLG_TAB_CODE + 1; /* the disabled tab */
    else if (n == 2) Pass_Desc->preset_event = DLG_TAB_CODE + 2;
    else if (n == 3) Pass_Desc->preset_event = 5000; /* an event nobody takes */
    else if (n == 4) {
        Dlg_Select_Page(0);
        Pass_Desc->preset_event = 5000;
    } else Pass_Desc->preset_event = DLG_CONFIRM;
}

static int Drawn[3];
static double Page_Values[3] = {1.5, 2.5, 3.5};
static void Draw_Page_Value(int area, int, void *user)
{
    int i = (int)(intptr_t)user;
    Drawn[i]++;
    int on = 1;
    Wdg_Scaled_Float_Field(10, 30, &Page_Values[i], 10.0, 8, 1, &on);
}

TEST_F(Dialogs, DisabledTabAndSwitchingPagesKeepValues)
{
    Dlg_Desc d;
    Dlg_Page p[3];
    Dlg_Init_Descriptor(&d);
    Dlg_Init_Pages(3, p);
    for (int i = 0; i < 3; i++) {
        p[i].draw = Draw_Page_Value;
        p[i].user = (void *)(intptr_t)i;
        snprintf(p[i].label, sizeof p[i].label, "Seite %d", i + 1);
    }
    p[1].state = 0;
    Pass_Desc = &d;
    d.pass = Record_Pass;
    Passes.clear();
    memset(Drawn, 0, sizeof Drawn);
    ZW_Test_Set_Script("sleep 1\n"); /* pending input: the window stays open */
    EXPECT_EQ(Dlg_Run_Paged(&d, 3, p), 1);
    EXPECT_EQ(Passes, (std::vector<int>{0, 0, 2, 2, 0}));
    EXPECT_EQ(Drawn[1], 0);
    EXPECT_GE(Drawn[0], 2);
    EXPECT_EQ(Drawn[2], 1);
    /* each value was scaled once and is back in its own unit */
    EXPECT_DOUBLE_EQ(Page_Values[0], 1.5);
    EXPECT_DOUBLE_EQ(Page_Values[2], 3.5);
    EXPECT_EQ(d.current_page, 0);
}

TEST_F(Dialogs, TypeTwoHasNoButtonRow)
{
    Dlg_Desc d;
    Dlg_Page p;
    Dlg_Init_Descriptor(&d);
    Dlg_Init_Pages(1, &p);
    p.draw = Draw_Scaled;
    std::vector<int> heights;
    for (int type : {0, 2}) {
        d.type = type;
        d.preset_event = -1;
        ZW_Test_Clear_Log();
        EXPECT_EQ(Dlg_Run_Paged(&d, 1, &p), 0); /* the script is empty: the window closes */
        for (const auto &l : ZW_Test_Log_Lines()) {
            int n, x1, y1, x2, y2;
            if (sscanf(l.c_str(), "SHEET %d %d %d %d %d", &n, &x1, &y1, &x2, &y2) == 5)
                heights.push_back(y2 - y1);
        }
    }
    ASSERT_EQ(heights.size(), 2u);
    EXPECT_EQ(heights[0] - heights[1], 27);
    EXPECT_EQ(Dlg_Run_Paged(&d, 0, &p), 0);
}

TEST_F(Dialogs, LevelStackIsBounded)
{
    Dlg_Desc d;
    Dlg_Page p;
    Dlg_Init_Descriptor(&d);
    Dlg_Init_Pages(1, &p);
    Dlg_Level = DLG_MAX_LEVELS; /* as if ten dialogs were running */
    d.preset_event = DLG_CONFIRM;
    EXPECT_EQ(Dlg_Run_Single(&d, &p), 0);
    EXPECT_EQ(Dlg_Run_Paged(&d, 1, &p), 0);
    EXPECT_EQ(Dlg_Level, DLG_MAX_LEVELS);
    Dlg_Level = 0;
    EXPECT_EQ(Dlg_Level_Pages(-1, nullptr, nullptr, nullptr), 0);
}

TEST_F(Dialogs, RemarkEditorCancelLeavesTheText)
{
    char *text = strdup("alte Bemerkung");
    ZW_Test_Set_Script("key Esc\n");
    EXPECT_EQ(Wdg_Edit_Remark(&text), 0);
    EXPECT_STREQ(text, "alte Bemerkung");
    EXPECT_GE(Log_Count("Vorbemerkung"), 1) << Log_All();
    free(text);
    EXPECT_EQ(Wdg_Edit_Remark(nullptr), 0);
}

TEST_F(Dialogs, RemarkEditorTakesALongTextAndConfirms)
{
    std::string big(6000, 'r');
    char *text = strdup(big.c_str());
    int cx = NPIXEL_X / 2, cy = NPIXEL_Y / 2;
    /* sheet 456 x 296 around the centre; OK button at the right of the button row */
    int x2 = cx - 228 + 456, y2 = cy - 148 + 296;
    ZW_Test_Set_Script("click " + std::to_string(x2 - 8 - 35 + 10) + " "
                       + std::to_string(y2 - 29 + 8) + "\n");
    EXPECT_EQ(Wdg_Edit_Remark(&text), 1);
    EXPECT_EQ(strlen(text), 5000u);
    free(text);
}

TEST_F(Dialogs, MessageListDialogGetsItsWidthAndSlider)
{
    int n = Msg_Open_Context();
    Msg_Set_Context_Title(n, "Hinweise");
    Msg_Set_Mode(MSG_LIST);
    Msg_Printf("^bkurz");
    Msg_Show_Context(n, MSG_DRAW);
    EXPECT_EQ(Msg_Get_Mode(), MSG_DRAW);
    EXPECT_EQ(Msg_List_Dialog_Has_Slider(), 0);
    EXPECT_EQ(Msg_Channel.dialog_width, Wdg_Text_Width_In_Font("kurz", 4096) + 40);
    EXPECT_GE(Log_Count(" kurz"), 1) << Log_All();
    Msg_Set_Mode(MSG_LIST);
    std::string wide(200, 'M');
    ASSERT_GE(Wdg_Text_Width_In_Font(wide.c_str(), 4096), 900);
    Msg_Printf("%s", wide.c_str());
    Msg_Show_Context(n, MSG_DRAW);
    EXPECT_EQ(Msg_Channel.dialog_width, 800);
    EXPECT_EQ(Msg_List_Dialog_Has_Slider(), 1);
}

TEST_F(Dialogs, ShowOnceOffersTheCheckBox)
{
    int n = Msg_Open_Context();
    Msg_Set_Mode(MSG_LIST);
    Msg_Printf("Hinweis");
    EXPECT_EQ(Msg_Show_Current_Once(), 1);
    EXPECT_GE(Log_Count("Diesen Hinweis nicht nochmal anzeigen"), 1) << Log_All();
    Msg_Close_Context(n);
    EXPECT_EQ(Msg_Show_Current_Once(), 1);
    EXPECT_EQ(Msg_Show_Current_With_Option("Immer"), 0);
}

static int Page_Flag = 0;
static void Draw_Check(int area, int, void *)
{
    int on = 1;
    Wdg_Draw_Check_Box(20, 30, "Box", &Page_Flag, &on);
}

TEST_F(Dialogs, ClickInAPageReachesItsViewArea)
{
    Dlg_Desc d;
    Dlg_Page p;
    Dlg_Init_Descriptor(&d);
    Dlg_Init_Pages(1, &p);
    p.draw = Draw_Check;
    Page_Flag = 0;
    /* sheet 236 x 236 around the screen centre; the page starts at (x1 + 8, y1 + 41) */
    int x1 = NPIXEL_X / 2 - 118, y1 = NPIXEL_Y / 2 - 118;
    int mx = x1 + 8 + 20 + 20 - 14, my = y1 + 41 + 30 - 4;
    ZW_Test_Set_Script("click " + std::to_string(mx) + " " + std::to_string(my) + "\nkey Esc\n");
    EXPECT_EQ(Dlg_Run_Paged(&d, 1, &p), 0);
    EXPECT_EQ(Page_Flag, 1);
    EXPECT_EQ(Dlg_Level, 0);
    EXPECT_EQ(SVA_Get(0), nullptr); /* the page's area is gone */
}

static int Tall_Area = -1;
static void Draw_Tall(int area, int, void *)
{
    Tall_Area = area;
    SVA_Add_Filled_Rect(area, 0, 0, 100, 1000, 3);
}

static int Scroll_Pass = 0, Seen_Scroll = -1;
static Dlg_Desc *Scroll_Desc = nullptr;
static void Scroll_Then_Cancel(int)
{
    Scroll_Pass++;
    if (Scroll_Pass == 2) {
        int sx = 0;
        SVA_Inquire_Scroll(Tall_Area, &sx, &Seen_Scroll);
        Set_Scrollable_Area_PS(SVA_Areas[Tall_Area].handle, 0, 200); /* the user scrolls */
        Scroll_Desc->preset_event = DLG_CANCEL;
    } else {
        Scroll_Desc->preset_event = 5000;
    }
}

TEST_F(Dialogs, PageReopensWhereItWasLeft)
{
    Dlg_Desc d;
    Dlg_Page p;
    Dlg_Init_Descriptor(&d);
    Dlg_Init_Pages(1, &p);
    p.draw = Draw_Tall;
    p.vslider = 1;
    d.pass = Scroll_Then_Cancel;
    Scroll_Desc = &d;
    ZW_Test_Set_Script("sleep 1\n");
    Scroll_Pass = 0;
    EXPECT_EQ(Dlg_Run_Paged(&d, 1, &p), 0);
    EXPECT_EQ(Seen_Scroll, 0);
    EXPECT_GT(p.scroll_y, 0.0);
    EXPECT_LT(p.scroll_y, 1.0);
    /* the second run starts at the same place */
    Scroll_Pass = 0;
    ZW_Test_Set_Script("sleep 1\n");
    EXPECT_EQ(Dlg_Run_Paged(&d, 1, &p), 0);
    EXPECT_EQ(Seen_Scroll, 200);
}
