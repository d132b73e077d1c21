/*
** Tests of the widget layer: the width rules (style surcharge, escapes), text widgets without a
** target, the world transform and its figures, the polygon painter and the tooltip registration.
*/
#include "dialogs_fixture.h"

#include <cmath>
#include <cstring>

#include "foundation/foundation.h"

using Widgets = DialogsTest;

static int W(const char *t, int font) { return Text_Width_In_Font(t, font); }

TEST_F(Widgets, TextWidthRule)
{
    int w = W("Holz", 4096);
    ASSERT_GT(w, 0);
    EXPECT_EQ(Wdg_Text_Width_In_Font("Holz", 4096), w + 3);
    /* style bits add 2 and are not used for the measurement */
    EXPECT_EQ(Wdg_Text_Width_In_Font("Holz", 4096 | 0x10000), w + 5);
    EXPECT_EQ(Wdg_Text_Width_In_Font("", 4096), 0);
    EXPECT_EQ(Wdg_Text_Width_In_Font("", 4096 | 0x20000), 2);
}

TEST_F(Widgets, EscapeSegmentsTakeNoRoomExceptBoldAndColour)
{
    Pop_RFont(4096);
    int a = Text_Width("A");
    EXPECT_EQ(Wdg_Print_Text_Width("A\xCE\\n\xCEr"), a);
    /* bold segment of two characters or more counts, the closing code character does not */
    EXPECT_EQ(Wdg_Print_Text_Width("A\xCE"
                                   "bxy\xCE"
                                   "n"),
              a + Text_Width("xy")); /* nothing follows */
    EXPECT_EQ(Wdg_Print_Text_Width("A\xCE"
                                   "bx\xCE"
                                   "n"),
              a); /* a bold segment needs two characters */
    EXPECT_EQ(Wdg_Print_Text_Width("A\xCE"
                                   "bxy\xCE"
                                   "nBC"),
              a + Text_Width("xy") + Text_Width("BC"));
    /* colour: the part after the first blank */
    EXPECT_EQ(Wdg_Print_Text_Width("\xCE"
                                   "c12 rot\xCE"
                                   "nzz"),
              Text_Width("rot") + Text_Width("zz"));
    /* sub- and superscripts take nothing */
    EXPECT_EQ(Wdg_Print_Text_Width("m\xCEumax\xCEn"), Text_Width("m"));
    EXPECT_EQ(Wdg_Print_Text_Width(nullptr), 0);
    Push_RFont();
}

TEST_F(Widgets, MaxColumnsWidth)
{
    char texts[3][16] = {"a", "Brettschicht", "xy"};
    int m = Text_Width_In_Font("Brettschicht", 4096);
    EXPECT_EQ(Wdg_Max_Text_Columns_Width(&texts[0][0], 16, 3, 4096), 8 * (m / 8) + 33);
    EXPECT_EQ(Wdg_Max_Text_Columns_Width(&texts[0][0], 16, 0, 4096), 33);
    /* the fixed font is 8 pixels a character: 6 characters measure 48, 8 * 6 + 33 = 81 */
    char fixed[2][8] = {"abcdef", "ab"};
    int m6 = Text_Width_In_Font("abcdef", 0);
    ASSERT_EQ(m6, 48);
    EXPECT_EQ(Wdg_Max_Text_Columns_Width(&fixed[0][0], 8, 2, 0), 81);
}

TEST_F(Widgets, NoTargetAddsNothing)
{
    int a = SVA_Create(10, 10, 400, 300, 0, 0);
    Wdg_Select_Area(-1);
    int on = 1;
    EXPECT_EQ(Wdg_Draw_Text(10, 20, "x", &on), 0);
    EXPECT_EQ(Wdg_Draw_Boxed_Text(10, 20, "x", &on), 0);
    EXPECT_EQ(Wdg_Draw_Underlined_Text(10, 20, "x", &on), 0);
    EXPECT_EQ(Wdg_Draw_Bold_Text(10, 20, "x", &on), 0);
    EXPECT_EQ(Item_Count(a), 0);
}

TEST_F(Widgets, TextWidgetsAddItemsAndAnswerWidths)
{
    int a = SVA_Create(10, 10, 400, 300, 0, 0);
    Wdg_Select_Area(a);
    int on = 1, off = 0;
    int w = W("Last", 4096);
    EXPECT_EQ(Wdg_Draw_Text(10, 20, "Last", &on), w + 3);
    EXPECT_EQ(SVA_Areas[a].last->colour, Wdg_Get_Fg_Colour());
    Wdg_Draw_Text(10, 40, "Last", &off);
    EXPECT_EQ(SVA_Areas[a].last->colour, Nearest_RGB_Color(198, 195, 198));
    EXPECT_EQ(Wdg_Draw_Bold_Text(10, 60, "Last", &on), w + 5);
    EXPECT_EQ(SVA_Areas[a].last->x2, 2); /* soft bold style */
    EXPECT_EQ(Wdg_Draw_Bold_Text(10, 60, "", &on), 2);
    /* right alignment: the text ends at x */
    Wdg_Draw_Text_Aligned(200, 80, "Last", &on, 1, 1);
    EXPECT_EQ(SVA_Areas[a].last->x1, 200 - (w + 3));
    EXPECT_EQ(SVA_Areas[a].last->y1, 80);
    Wdg_Draw_Text_Aligned(200, 80, "Last", &on, 0, 0);
    EXPECT_EQ(SVA_Areas[a].last->y1, 89);
    int v = 0;
    int before = Item_Count(a);
    Wdg_Draw_Text_Hotspot(10, 100, "Last", 4, &v, &on);
    EXPECT_EQ(Item_Count(a), before + 2);
    EXPECT_EQ(SVA_Areas[a].last->kind, SVA_HOTSPOT);
    EXPECT_EQ(SVA_Areas[a].last->y1, 90);
    EXPECT_EQ(SVA_Areas[a].last->x2, 10 + w + 3);
    EXPECT_EQ(SVA_Areas[a].last->aux, 18);
}

TEST_F(Widgets, WorldToPixelRoundsHalfAwayFromZero)
{
    int a = SVA_Create(10, 10, 400, 300, 0, 0);
    Wdg_Select_Area(a);
    double x = 3.4, y = -2.5;
    Wdg_World_To_Pixel(&x, &y);
    EXPECT_DOUBLE_EQ(x, 3.4);
    EXPECT_DOUBLE_EQ(y, -2.5);
    Wdg_Draw_Line_World(3.4, -2.5, 10.5, 7.49);
    SVA_Item *it = SVA_Areas[a].last;
    ASSERT_EQ(it->kind, SVA_LINE);
    EXPECT_EQ(it->x1, 3);
    EXPECT_EQ(it->y1, -3);
    EXPECT_EQ(it->x2, 11);
    EXPECT_EQ(it->y2, 7);
}

TEST_F(Widgets, RotationAndItsInverse)
{
    Wdg_Set_Transform(0, 0, M_PI / 2, 1.0);
    double x = 1, y = 0;
    Wdg_World_To_Pixel(&x, &y);
    EXPECT_NEAR(x, 0, 1e-12);
    EXPECT_NEAR(y, -1, 1e-12);
    Wdg_Pixel_To_World(&x, &y);
    EXPECT_NEAR(x, 1, 1e-12);
    EXPECT_NEAR(y, 0, 1e-12);
    /* scale and offset: X = 2 * 3 - 1 = 5, Y = 2 * 4 - 2 = 6 */
    Wdg_Set_Transform(1, 2, 0, 2.0);
    x = 3;
    y = 4;
    Wdg_World_To_Pixel(&x, &y);
    EXPECT_DOUBLE_EQ(x, 5);
    EXPECT_DOUBLE_EQ(y, 6);
    EXPECT_DOUBLE_EQ(Wdg_Pixel_Distance(0, 0, 3, 4), 10.0);
}

TEST_F(Widgets, ArcPointsAndLines)
{
    int a = SVA_Create(10, 10, 400, 300, 0, 0);
    Wdg_Select_Area(a);
    EXPECT_EQ(Wdg_Draw_Arc_World(100, 100, 50, 12, 12), 0);
    EXPECT_EQ(Item_Count(a), 0);
    EXPECT_EQ(Wdg_Draw_Arc_World(100, 100, 50, 0, 12), 3);
    EXPECT_EQ(Item_Count(a), 2);
    /* last point at 10 degrees: (100 + 50 cos 10°, 100 + 50 sin 10°) = (149.24, 108.68) */
    EXPECT_EQ(SVA_Areas[a].last->x2, 149);
    EXPECT_EQ(SVA_Areas[a].last->y2, 109);
    SVA_Clear(a);
    /* a span above 360 degrees keeps to the 72 points of the table */
    EXPECT_EQ(Wdg_Draw_Arc_World(100, 100, 50, 0, 1000), 72);
    EXPECT_EQ(Item_Count(a), 71);
}

TEST_F(Widgets, LineSwitchStopsLinesButNotFills)
{
    int a = SVA_Create(10, 10, 400, 300, 0, 0);
    Wdg_Select_Area(a);
    Wdg_Set_Line_Switch(0);
    Wdg_Draw_Line_World(0, 0, 5, 5);
    Wdg_Draw_Rect_World(0, 0, 5, 5);
    Wdg_Draw_Circle_World(50, 50, 10);
    Wdg_Draw_Dimension_World(2, 0, 0, 50, 0, 10);
    EXPECT_EQ(Item_Count(a), 0);
    Wdg_Fill_Rect_World(0, 0, 5, 5);
    EXPECT_EQ(Item_Count(a), 1);
    EXPECT_EQ(SVA_Areas[a].last->colour, Wdg_Get_Bg_Colour());
    Wdg_Fill_Disc_World(50, 50, 5); /* r < 10: steps of pi/32 below pi/2: 16 rectangles */
    EXPECT_EQ(Item_Count(a), 17);
    Wdg_Set_Line_Switch(1);
    Wdg_Draw_Circle_World(50, 50, 10);
    EXPECT_EQ(Item_Count(a), 17 + 72);
}

TEST_F(Widgets, DimensionFigureHasThreeLines)
{
    int a = SVA_Create(10, 10, 400, 300, 0, 0);
    Wdg_Select_Area(a);
    Wdg_Draw_Dimension_World(2, 10, 50, 110, 50, 20);
    ASSERT_EQ(Item_Count(a), 3);
    SVA_Item *it = SVA_Areas[a].first;
    /* dimension line extended by t = 5 at both ends */
    EXPECT_EQ(it->x1, 5);
    EXPECT_EQ(it->x2, 115);
    EXPECT_EQ(it->y1, 50);
    it = it->next;
    /* extension line at u1 from v - t to v + d */
    EXPECT_EQ(it->x1, 10);
    EXPECT_EQ(it->y1, 45);
    EXPECT_EQ(it->y2, 70);
}

TEST_F(Widgets, PolygonPainterWorksOnACopy)
{
    int a = SVA_Create(10, 10, 400, 300, 0, 0);
    Wdg_Select_Area(a);
    double xs[3] = {0, -10, 5}, ys[3] = {0, 5, -20};
    Wdg_Fill_Polygon_World(3, xs, ys);
    double xs2[3] = {100, 110, 105}, ys2[3] = {100, 100, 120};
    Wdg_Fill_Polygon_World(3, xs2, ys2);
    SVA_Item *first = SVA_Areas[a].first;
    ASSERT_EQ(first->kind, SVA_USER_DRAWN);
    EXPECT_EQ(first->x2, -10);
    EXPECT_EQ(first->y2, -20);
    const int *pts = (const int *)first->user;
    ASSERT_NE(pts, nullptr);
    EXPECT_EQ(pts[0], 3);
    first->draw(100, 100, 90, 80, first->user);
    first->draw(100, 100, 90, 80, first->user);
    /* the first polygon keeps its own points, unshifted by the paints and the second polygon */
    EXPECT_EQ(pts[1], 0);
    EXPECT_EQ(pts[2], -10);
    EXPECT_EQ(pts[3], 5);
    EXPECT_EQ(pts[4], 0);
    EXPECT_EQ(pts[6], -20);
}

TEST_F(Widgets, TooltipLinesAreCutAt99AndFive)
{
    int a = SVA_Create(10, 10, 400, 300, 0, 0);
    int base_x = 0, base_y = 0;
    Wdg_Hover_Push_Area(1, a, 10, 10, 400, 300, &base_x, &base_y);
    Wdg_Select_Area(a);
    Wdg_State.last_state = 1;
    std::string long_line(150, 'k');
    Wdg_Set_Tooltip(long_line.c_str(), 0, 0);
    ASSERT_EQ(Wdg_Tooltip_Count, 1);
    EXPECT_EQ(Wdg_Tooltips[0].lines, 2);
    EXPECT_EQ(strlen(Wdg_Tooltips[0].text[0]), 99u);
    EXPECT_EQ(strlen(Wdg_Tooltips[0].text[1]), 51u);
    EXPECT_EQ(Wdg_Tooltips[0].height, 12 * 2 + 6);
    Wdg_Set_Tooltip("1\n2\n3\n4\n5\n6", 1, 3);
    EXPECT_EQ(Wdg_Tooltips[1].lines, 5);
    EXPECT_STREQ(Wdg_Tooltips[1].text[4], "5");
    /* an inactive widget gets no tooltip */
    Wdg_State.last_state = 0;
    Wdg_Set_Tooltip("nein", 0, 0);
    EXPECT_EQ(Wdg_Tooltip_Count, 2);
    /* the table holds 100 */
    Wdg_State.last_state = 1;
    for (int i = 0; i < 150; i++) Wdg_Set_Tooltip("t", 0, 0);
    EXPECT_EQ(Wdg_Tooltip_Count, WDG_TOOLTIPS);
    Wdg_Hover_Pop_Area();
    EXPECT_EQ(Wdg_Hover_Enabled, 0);
    /* without a registered area nothing is stored */
    Wdg_Select_Area(a);
    Wdg_Set_Tooltip("t", 0, 0);
    EXPECT_EQ(Wdg_Tooltip_Count, 0);
}

TEST_F(Widgets, HoverAreaStackIsBounded)
{
    int bx = 0, by = 0;
    for (int i = 0; i < 30; i++) Wdg_Hover_Push_Area(1, i % 20, 0, 0, 10, 10, &bx, &by);
    EXPECT_EQ(Wdg_Hover_Area_Count, WDG_HOVER_AREAS);
    for (int i = 0; i < 30; i++) Wdg_Hover_Pop_Area();
    EXPECT_EQ(Wdg_Hover_Area_Count, 0);
}

TEST_F(Widgets, RolloverRowsAreBounded)
{
    int a = SVA_Create(10, 10, 400, 300, 0, 0);
    int bx = 0, by = 0, v = 0;
    Wdg_Hover_Push_Area(1, a, 0, 0, 390, 290, &bx, &by);
    Wdg_Select_Area(a);
    for (int i = 0; i < 120; i++)
        Wdg_Rollover_Text_Button(/*area=*/a, /*x=*/10, /*y=*/30, /*w=*/60, /*v_align=*/0,
                                 /*h_align=*/0, /*text_colour=*/0, /*frame_colour=*/0, /*unread=*/0,
                                 /*label=*/"OK", /*value=*/1, /*var=*/&v, /*active=*/1);
    EXPECT_EQ(Wdg_Rollover_Count, WDG_ROLLOVERS);
    Wdg_Hover_Pop_Area();
    /* without a registered area the buttons add nothing */
    Wdg_Select_Area(a);
    int before = Item_Count(a);
    Wdg_Rollover_Text_Button(/*area=*/a, /*x=*/10, /*y=*/30, /*w=*/60, /*v_align=*/0, /*h_align=*/0,
                             /*text_colour=*/0, /*frame_colour=*/0, /*unread=*/0, /*label=*/"OK",
                             /*value=*/1, /*var=*/&v, /*active=*/1);
    EXPECT_EQ(Item_Count(a), before);
}
