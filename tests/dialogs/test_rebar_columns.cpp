/*
** Tests of the reinforcing-bar routines and their calculator, the decorated area items, the
** column headers and the program-hints page.
*/
#include "dialogs_fixture.h"

#include <cmath>
#include <string>

using Rebar = DialogsTest;

TEST_F(Rebar, DiametersAndCounts)
{
    EXPECT_DOUBLE_EQ(Rebar_Diameter_Below(0.020), 0.016);
    EXPECT_DOUBLE_EQ(Rebar_Diameter_Below(0.0205), 0.020);
    EXPECT_DOUBLE_EQ(Rebar_Diameter_Below(0.005), -1.0);
    EXPECT_DOUBLE_EQ(Rebar_Diameter_Below(0.1), 0.032);
    EXPECT_EQ(Rebar_Count_For_Area(0.000314, 0.010), 4); /* 3.998 rounds up */
    EXPECT_EQ(Rebar_Count_From_Spacing(0.05, 0.2), 2);
    EXPECT_EQ(Rebar_Count_From_Spacing(1.0, 0.2), 6);
    EXPECT_EQ(Rebar_Count_From_Spacing(1.0, 0.0), 2);
    /* (0.30 - 0.012 - 0.06) / (0.012 + 0.05) = 3.68 */
    EXPECT_EQ(Rebar_Count_In_Width(0.30, 0.03, 0.05, 0.012), 3);
    EXPECT_EQ(Rebar_Count_In_Width(0.05, 0.03, 0.05, 0.012), 0);
    /* (0.001 - 0.0002) * 4 / pi / (2 * 0.0001) = 5.09 -> 6 */
    EXPECT_EQ(Rebar_Count_For_Area_Layers(0.001, 0.010, -2, 0.0002), 6);
    EXPECT_EQ(Rebar_Count_For_Area_Layers(0.001, 0.010, 0, 0.0002), 0);
}

TEST_F(Rebar, AreasAndSpacings)
{
    EXPECT_DOUBLE_EQ(Rebar_Area(2, 0.010), 0.000157);
    EXPECT_DOUBLE_EQ(Rebar_Area_Per_Spacing(0.15, 0.012), 0.000754); /* 1.131e-4 / 0.15 */
    EXPECT_DOUBLE_EQ(Rebar_Area_Per_Spacing(0.0, 0.012), 0.0);
    /* v = 0.012^2 pi / 4 / 0.02 * 100 = 0.5655: floor 0 with fraction 0.5655 -> 0.005 */
    EXPECT_DOUBLE_EQ(Rebar_Area_Per_Spacing_Rounded(0.02, 0.012), 0.005);
    /* v = 5.6 and 5.3 from the spacing that gives them */
    double d = 0.010, a = d * d * M_PI / 4 * 100;
    EXPECT_NEAR(Rebar_Area_Per_Spacing_Rounded(a / 5.6, d), 0.055, 1e-12);
    EXPECT_NEAR(Rebar_Area_Per_Spacing_Rounded(a / 5.3, d), 0.05, 1e-12);
    EXPECT_NEAR(Rebar_Bundle_Area(2, 2, 0.010), 2 * M_PI / 4 * 2 * 0.0001, 1e-15);
    EXPECT_DOUBLE_EQ(Rebar_Spacing(5, 1.0), 0.25);
    EXPECT_DOUBLE_EQ(Rebar_Spacing(1, 1.0), 1e100);
    EXPECT_NEAR(Rebar_Circle_Spacing(6, 1.0), 1.0, 1e-12); /* 2 sin 30 degrees */
    EXPECT_DOUBLE_EQ(Rebar_Circle_Spacing(0, 1.0), 1e100);
    EXPECT_EQ(Rebar_Circle_Count(1.0, 1.0), 6); /* pi / asin(0.5): exactly 6 fit */
    EXPECT_EQ(Rebar_Circle_Count(1.1, 1.0), 5); /* pi / asin(0.55) = 5.38 */
    EXPECT_EQ(Rebar_Circle_Count(3.0, 1.0), 0); /* does not fit */
    EXPECT_DOUBLE_EQ(Rebar_Axis_Distance(0.03, 0.01, 1, 0.02), 0.05);
    EXPECT_DOUBLE_EQ(Rebar_Axis_Distance(0.03, 0.01, 2, 0.02), 0.06);
}

TEST_F(Rebar, SearchAndDiameterIndex)
{
    /* 3 bars: 3 * 0.012^2 pi / 4 = 0.000339 reaches 0.0003 first at 12 mm */
    EXPECT_EQ(Rebar_Diameter_Index_For_Area(0.0003, 3, 1.0), 3);
    EXPECT_EQ(Rebar_Diameter_Index_For_Area(1.0, 3, 1.0), -1);
    int n = 0, i = 0;
    /* from 2 bars of 8..10 mm: 2 x 10 mm = 0.000157 < 0.0002; 3 x 10 mm = 0.000236 */
    EXPECT_EQ(Rebar_Search(0.0002, 2, 1, 2, 1.0, &n, &i), 3);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(i, 2); /* 3 x 8 mm = 0.000151 is too small, 3 x 10 mm = 0.000236 is enough */
}

TEST_F(Rebar, FormatAndCalculator)
{
    char buf[32];
    Rebar_Format_Area(buf, 4.7123);
    EXPECT_STREQ(buf, "  4.71 cm\xFD");
    for (double &c : Rebar_Counts) c = 0;
    Rebar_Counts[2] = 2; /* 10 mm */
    Rebar_Counts[6] = 1; /* 20 mm */
    int x1 = NPIXEL_X / 2 - 109, y1 = NPIXEL_Y / 2 - 165;
    ZW_Test_Set_Script("click " + std::to_string(x1 + 179 + 10) + " " + std::to_string(y1 + 302 + 8)
                       + "\n");
    double total = Rebar_Area_Dialog();
    EXPECT_NEAR(total, 0.000471, 1e-12);
    EXPECT_GE(Log_Count("  1.57 cm²"), 1) << Log_All();
    EXPECT_GE(Log_Count("  3.14 cm²"), 1);
    EXPECT_GE(Log_Count("  4.71 cm²"), 1);
    ZW_Test_Set_Script("key Esc\n");
    EXPECT_DOUBLE_EQ(Rebar_Area_Dialog(), -1.0);
}

TEST_F(Rebar, DecoratedItems)
{
    int a = SVA_Create(10, 40, 610, 440, 0, 0);
    EXPECT_EQ(Get_Text_Width_In_Font("Stab", 0x10000 | 4096), Text_Width_In_Font("Stab", 4096) + 3);
    Area_Add_Double_Line(a, 10, 20, 100, 3);
    EXPECT_EQ(Item_Count(a), 2);
    EXPECT_EQ(SVA_Areas[a].last->y1, 21);
    Area_Add_Underlined_Text(a, 10, 50, 4096, 0, 2, "%d Stäbe"_cp850, 4);
    EXPECT_EQ(Item_Count(a), 5);
    EXPECT_STREQ(SVA_Areas[a].first->next->next->text, "4 St\x84"
                                                       "be");
    EXPECT_EQ(SVA_Areas[a].last->y1, 56);
    int v = 0;
    int before = Item_Count(a);
    Area_Add_Flat_Button(/*area=*/a, /*x=*/20, /*y=*/100, /*width=*/80, /*fill=*/-1,
                         /*inactive_fill=*/-1, /*label=*/"OK", /*font=*/4096, /*frame=*/0,
                         /*active=*/0, /*value=*/1, /*variable=*/&v);
    /* inactive: no hot spot; rectangle, frame, inner frame, label */
    EXPECT_EQ(Item_Count(a), before + 1 + 4 + 4 + 1);
    EXPECT_EQ(SVA_Areas[a].last->colour, Nearest_RGB_Color(170, 170, 170));
    EXPECT_EQ(SVA_Areas[a].last->x1, 20 + (80 - (Text_Width_In_Font("OK", 4096) + 3)) / 2 - 1);
    before = Item_Count(a);
    Area_Add_Picture_Button(/*area=*/a, /*x=*/20, /*y=*/150, /*width=*/120, /*label=*/"Weiter",
                            /*font=*/4096, /*colour=*/0, /*active=*/1, /*value=*/2,
                            /*variable=*/&v);
    EXPECT_EQ(SVA_Areas[a].first->kind, SVA_LINE);
    EXPECT_EQ(Item_Count(a), before + 5); /* hot spot, picture, edge, point, label */
}

using Columns = DialogsTest;

TEST_F(Columns, NewListHasDefaultsButNoColumns)
{
    Wdg_Column_List list;
    Wdg_Column *rows = nullptr;
    Wdg_Columns_Init(&list, 4, &rows);
    ASSERT_NE(rows, nullptr);
    EXPECT_EQ(list.count, 0);
    EXPECT_STREQ(rows[1].caption, "Welcher Faktor ?");
    EXPECT_EQ(rows[2].x, 136);
    EXPECT_EQ(sizeof(Wdg_Column), 200u);
    list.left_x = 30;
    Wdg_Columns_Add(&list, "Normalkraft", "N", "d", "kN", 8, 70, 6);
    EXPECT_EQ(rows[0].x, 38);
    Wdg_Columns_Add(&list, "Moment", "M", "d", "kNm", 8, 70, 6);
    EXPECT_EQ(rows[1].x, 38 + 76);
    EXPECT_EQ(Wdg_Columns_End_X(&list), 38 + 152);
    for (int i = 0; i < 5; i++) Wdg_Columns_Add(&list, "x", "x", "", "", 1, 1, 1);
    EXPECT_EQ(list.count, 4); /* the capacity holds */
    Wdg_Columns_Free(&list);
    EXPECT_EQ(list.count, 0);
    EXPECT_EQ(list.rows, nullptr);
}

TEST_F(Columns, HeaderAndLegend)
{
    int a = SVA_Create(10, 40, 610, 440, 0, 0);
    Wdg_Select_Area(a);
    Wdg_Column_List list;
    Wdg_Columns_Init_2(&list, 3);
    Wdg_Columns_Add(&list, "Normalkraft", "N", "d", "kN", 8, 70, 6);
    Wdg_Columns_Add(&list, "Kommentar", "", "", "", 8, 70, 6);
    Wdg_Columns_Draw(0, 100, list.count, list.rows);
    EXPECT_EQ(Wdg_Get_Font(), 4096u);
    EXPECT_EQ(Wdg_Get_Fg_Colour(), BLACK_CI);
    SVA_Item *last = SVA_Areas[a].last;
    ASSERT_EQ(last->kind, SVA_LINE);
    EXPECT_EQ(last->y1, 91);
    EXPECT_EQ(last->x2, 8 + 76 + 70 + 6);
    SVA_Clear(a);
    Wdg_Columns_Legend(20, 300, list.count, list.rows);
    int texts = 0;
    for (SVA_Item *it = SVA_Areas[a].first; it; it = it->next) texts += it->kind == SVA_TEXT;
    EXPECT_EQ(texts, 2 + 2 + 1); /* symbol, index, caption; symbol alone, caption */
    Wdg_Columns_Free(&list);
}

TEST_F(Columns, HintsPage)
{
    int a = SVA_Create(10, 40, 610, 440, 0, 0);
    int sw[4] = {1, 1, 1, 1};
    Wdg_Hints_Page(a, sw, 600);
    SVA_Update(a);
    SVA_Redraw(&SVA_Areas[a]);
    EXPECT_GE(Log_Count("Programmhinweisen ist"), 1) << Log_All();
    EXPECT_GE(Log_Count(" keiner"), 1);
    EXPECT_GE(Log_Count("0 Hinweis wieder aktivieren"), 1);
    SVA_Item *button = nullptr;
    for (SVA_Item *it = SVA_Areas[a].first; it; it = it->next)
        if (it->kind == SVA_BITMAP_BUTTON) button = it;
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(*button->activity, 0);
    sw[1] = sw[3] = 0;
    SVA_Clear(a);
    Wdg_Hints_Page(a, sw, 600);
    for (SVA_Item *it = SVA_Areas[a].first; it; it = it->next)
        if (it->kind == SVA_BITMAP_BUTTON) button = it;
    EXPECT_EQ(*button->activity, 1);
    *button->target = button->font; /* the click */
    SVA_Clear(a);
    Wdg_Hints_Page(a, sw, 600);
    EXPECT_EQ(sw[1] + sw[3], 2);
    EXPECT_EQ(Wdg_Hints_Reactivate, 0);
}
