/*
** Long tables in a view area: rows supplied on demand are in the list only while in view (and
** one row beyond), the content reaches the last row, scrolling brings far rows and frees the
** others, a kept row keeps its items, Enter in the last row in view goes on to the next row,
** the widget layer's rows draw with the state of their creation; items beyond the view are not
** drawn, and an update paints the area once.
*/
#include "dialogs_fixture.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

enum { ROWS = 1000, Y0 = 30, STEP = 26 };

double Values[ROWS];
int Active = 1;

/* Row r: its number as a text and a float field on Values[r]. */
void Number_Row(int area, int row, int y, void *user)
{
    (void)user;
    char t[32];
    snprintf(t, sizeof t, "Zeile %d", row + 1);
    SVA_Add_Text(area, 10, y, t, 4096, 0, 0);
    SVA_Add_Float_Field(area, 150, y, &Values[row], "%8.2f", 4096, 0, &Active);
}

/* Items of row `row` in the list, and all items that belong to rows. */
int Row_Items(int area, int row)
{
    int n = 0;
    for (SVA_Item *it = SVA_Get(area)->first; it; it = it->next)
        if (it->block != nullptr && (row < 0 || it->block_row == row)) n++;
    return n;
}

/* Log lines that end in a text (a drawn text is the end of its TEXT line). */
int Log_Ending(const std::string &end)
{
    int n = 0;
    for (const auto &l : ZW_Test_Log_Lines())
        if (l.size() >= end.size() && l.compare(l.size() - end.size(), end.size(), end) == 0) n++;
    return n;
}

SVA_Item *Field_Of_Row(int area, int row)
{
    for (SVA_Item *it = SVA_Get(area)->first; it; it = it->next)
        if (it->block != nullptr && it->block_row == row && it->kind == SVA_FLOAT_FIELD) return it;
    return nullptr;
}

} // namespace

/* The area lies at (10, 40) on the screen, 300 pixels high, with a vertical slider. */
class Rows : public DialogsTest {
  protected:
    int area = -1;
    void SetUp() override
    {
        DialogsTest::SetUp();
        for (int i = 0; i < ROWS; i++) Values[i] = i + 0.5;
        area = SVA_Create(10, 40, 410, 340, 0, 1);
        ASSERT_GE(area, 0);
    }
    void Scroll_To(int sy) { Set_Scrollable_Area_PS(SVA_Get(area)->handle, 0, sy); }
};

TEST_F(Rows, OnlyTheRowsInViewAreInTheListAndTheContentReachesTheLastRow)
{
    SVA_Add_Text(area, 10, 10, "Kopf", 4096, 0, 0);
    SVA_Add_Rows(area, Y0, STEP, ROWS, Number_Row, nullptr);
    SVA_Update(area);
    int w = 0, h = 0;
    SVA_Get_Content_Size(area, &w, &h);
    EXPECT_EQ(h, Y0 + (ROWS - 1) * STEP + 10); /* as the last row's texts would grow it */
    /* 300 pixels show the rows with base lines 30..290 (indices 0..10); the items of index 11
  ** (base line 316) reach into the view, and one row more is there: indices 0 to 12 */
    EXPECT_EQ(Row_Items(area, 0), 2);
    EXPECT_EQ(Row_Items(area, 12), 2);
    EXPECT_EQ(Row_Items(area, 13), 0);
    EXPECT_EQ(Row_Items(area, -1), 2 * 13);
    EXPECT_EQ(Log_Ending(" Zeile 1"), 1) << Log_All();
    EXPECT_EQ(Log_Ending(" Zeile 11"), 1);
    EXPECT_EQ(Log_Ending(" Zeile 500"), 0);
    EXPECT_EQ(Log_Ending(" 499.50"), 0);
}

TEST_F(Rows, ScrollingBringsFarRowsAndFreesTheOthers)
{
    SVA_Add_Rows(area, Y0, STEP, ROWS, Number_Row, nullptr);
    SVA_Update(area);
    ZW_Test_Clear_Log();
    Scroll_To(Y0 + 499 * STEP - 20); /* row 500 at the top */
    EXPECT_EQ(Log_Ending(" Zeile 500"), 1) << Log_All();
    EXPECT_EQ(Log_Ending(" 499.50"), 1);
    EXPECT_EQ(Log_Ending(" Zeile 1"), 0);
    EXPECT_EQ(Row_Items(area, 0), 0);
    EXPECT_EQ(Row_Items(area, 499), 2);
    EXPECT_EQ(Row_Items(area, -1), 2 * 17); /* indices 496..512 */
    /* and back: the first rows come again */
    ZW_Test_Clear_Log();
    Scroll_To(0);
    EXPECT_EQ(Log_Ending(" Zeile 2"), 1);
    EXPECT_EQ(Row_Items(area, 499), 0);
}

TEST_F(Rows, ARowThatStaysInViewKeepsItsItems)
{
    SVA_Add_Rows(area, Y0, STEP, ROWS, Number_Row, nullptr);
    SVA_Update(area);
    SVA_Item *field = Field_Of_Row(area, 5);
    ASSERT_NE(field, nullptr);
    Scroll_To(STEP);
    EXPECT_EQ(Field_Of_Row(area, 5), field);
    /* the rows stay in row order after the anchor */
    int last = -1;
    for (SVA_Item *it = SVA_Get(area)->first; it; it = it->next) {
        if (it->block == nullptr) continue;
        EXPECT_GE(it->block_row, last);
        last = it->block_row;
    }
}

TEST_F(Rows, EnterInTheLastRowInViewGoesOnToTheNextRow)
{
    SVA_Add_Rows(area, Y0, STEP, ROWS, Number_Row, nullptr);
    SVA_Update(area);
    /* row 11 has its base line at 290, 10 pixels above the area's bottom: click its field */
    const int y = 40 + Y0 + 10 * STEP - 4;
    ZW_Test_Set_Script("click 165 " + std::to_string(y) + "\nmove 165 " + std::to_string(y)
                       + "\ntype 7\nkey Enter\ntype 8\nkey Enter\ntype 9\nkey Esc\n");
    for (int i = 0; i < 10 && !M_LEFT; i++) Get_Mouse_Event();
    ASSERT_EQ(M_LEFT, 1);
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_DOUBLE_EQ(Values[10], 7.0);
    EXPECT_DOUBLE_EQ(Values[11], 8.0);  /* the next row, scrolled into view */
    EXPECT_DOUBLE_EQ(Values[12], 12.5); /* left with Esc */
    int sx = 0, sy = 0;
    SVA_Inquire_Scroll(area, &sx, &sy);
    Inquire_Scrollable_Area_PS(SVA_Get(area)->handle, &sx, &sy);
    EXPECT_GT(sy, 0);
    EXPECT_EQ(Log_Count("EDITFLOAT"), 3) << Log_All();
}

TEST_F(Rows, AClearedAreaFreesItsRowsAndAnEmptyTableAddsNothing)
{
    SVA_Add_Rows(area, Y0, STEP, 0, Number_Row, nullptr);
    SVA_Add_Rows(area, Y0, STEP, 5, nullptr, nullptr);
    EXPECT_EQ(Item_Count(area), 0);
    void *block = malloc(64); /* owned: freed with the area (the leak check sees it) */
    SVA_Add_Rows(area, Y0, STEP, ROWS, Number_Row, block);
    EXPECT_GT(Item_Count(area), 1);
    SVA_Clear(area);
    EXPECT_EQ(Item_Count(area), 0);
}

/* ---------------------------------------------------------------- the widget layer's rows */

namespace {

struct Seen_State {
    int area;
    unsigned font;
    int fg;
    int rows;
};
Seen_State Seen;

void Widget_Row(int row, int y, const void *data)
{
    const int *base = (const int *)data;
    Seen.area = Wdg_Get_Area();
    Seen.font = Wdg_Get_Font();
    Seen.fg = Wdg_Get_Fg_Colour();
    Seen.rows++;
    Wdg_Printf_Text(10, y, "Reihe %d", *base + row);
}

} // namespace

TEST_F(Rows, WidgetRowsDrawWithTheStateOfTheirCreation)
{
    Seen = {};
    Wdg_Select_Area(area);
    Wdg_Set_Font(4096 | 0x10000);
    const int red = Nearest_RGB_Color(255, 0, 0);
    Wdg_Set_Fg_Colour(red);
    const int base = 100;
    Wdg_Add_Rows(Y0, STEP, ROWS, Widget_Row, &base, sizeof base);
    /* another target and font when the rows are asked for on scrolling */
    int other = SVA_Create(500, 40, 800, 340, 0, 0);
    Wdg_Select_Area(other);
    Wdg_Set_Font(4096);
    SVA_Update(area);
    Seen.rows = 0;
    Scroll_To(400 * STEP);
    EXPECT_GT(Seen.rows, 0);
    EXPECT_EQ(Seen.area, area);
    EXPECT_EQ(Seen.font, 4096u | 0x10000u);
    EXPECT_EQ(Seen.fg, red);
    EXPECT_EQ(Wdg_Get_Area(), other); /* the caller's state is back */
    EXPECT_EQ(Wdg_Get_Font(), 4096u);
    EXPECT_EQ(Log_Ending(" Reihe 500"), 2) << Log_All(); /* bold: drawn twice, a pixel apart */
}

/* ---------------------------------------------------------------- drawing only what is seen */

TEST_F(Rows, ItemsBeyondTheViewAreNotDrawnAndAnUpdatePaintsOnce)
{
    double near_value = 1.25, far_value = 9.75;
    int box = 1, far_box = 0;
    SVA_Add_Float_Field(area, 50, 100, &near_value, "%6.2f", 4096, 0, &Active);
    SVA_Add_Float_Field(area, 50, 2000, &far_value, "%6.2f", 4096, 0, &Active);
    SVA_Add_Check_Box(area, 50, 150, "nah", 4096, 0, &box, &Active);
    SVA_Add_Check_Box(area, 50, 2100, "fern", 4096, 0, &far_box, &Active);
    /* just below the view's bottom edge: its frame reaches into the view */
    SVA_Add_Float_Field(area, 50, 300 + 12, &far_value, "%6.3f", 4096, 0, &Active);
    ZW_Test_Clear_Log();
    SVA_Update(area);
    EXPECT_EQ(Log_Ending("  1.25"), 1) << Log_All(); /* painted once */
    EXPECT_EQ(Log_Ending(" nah"), 1);
    EXPECT_EQ(Log_Ending("  9.75"), 0);
    EXPECT_EQ(Log_Ending(" fern"), 0);
    EXPECT_EQ(Log_Ending(" 9.750"), 1);
    /* scrolled there, they are drawn */
    ZW_Test_Clear_Log();
    Scroll_To(1900);
    EXPECT_EQ(Log_Ending("  9.75"), 1);
    EXPECT_EQ(Log_Ending(" fern"), 1);
    EXPECT_EQ(Log_Ending("  1.25"), 0);
}
