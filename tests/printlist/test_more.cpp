/*
** Further cases of the writers: the older heading form, column set-up while a paragraph is open,
** the two-column legend, table options, group titles, title lines and extra lines, frames, rings,
** regions, arrows, redirection and the scale choice.
*/
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "capture.h"

TEST(OliMore, OlderHeadingFormIsAGraphic)
{
    Reset_Writers();
    Oli_Set_Format_Version(334);
    Capture c;
    Oli_Write_Heading(c.f, 1, "Titel");
    Oli_Set_Format_Version(338);
    EXPECT_EQ(c.text(), "#OLI_MARGINS 1 0 0\n#OLI_RESERVE 3\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n"
                        " 0.000000 17.000000 0.000000 0.800000\n 7 5\n"
                        " 2 0.000000 0.200000 \xAE"
                        "1.\xAF\n 2 0.400000 0.200000 \xAETitel\xAF\n -1\n"
                        "#OLI_BOOKMARK 16 \xAE\xCE@1. Titel\xAF\n#OLI_BOOKMARK 15 \xAE\xAF\n"
                        "#OLI_YPOSITION 1 -0.6\n#OLI_YPOSITION 1 -0.19\n");
}

TEST(OliMore, SilentHeadingCountsWithoutText)
{
    Reset_Writers();
    Capture c;
    Oli_Write_Heading_Silent(c.f, 1, "still");
    EXPECT_STREQ(Oli_Get_Heading_Number(), "1.");
    EXPECT_EQ(c.text(), "#OLI_BOOKMARK 16 \xAE\xCE@1. still\xAF\n");
    c.clear();
    Oli_Write_Heading_Plain(c.f, 2, "p");
    EXPECT_EQ(c.text().find("#OLI_BOOKMARK"), std::string::npos);
    c.clear();
    Oli_Write_Heading_Marked(c.f, 2, 0, "m");
    EXPECT_NE(c.text().find("#OLI_BOOKMARK 0 \xAE\xCE@1.2. m\xAF"), std::string::npos);
    c.clear();
    Oli_Write_Heading(c.f, 0, "ohne");
    EXPECT_EQ(
        c.text(),
        "#OLI_YPOSITION 1 0.114\n\n#SHOWPARA\n0x0\n4\n-1\n \xCEHohne\xCEr\n#END_OF_TEXT\n0x0\n-1\n");
}

TEST(OliMore, ColumnsSetUpAgainWhileOpenEndsTheParagraph)
{
    Reset_Writers();
    Capture c;
    Oli_Columns_2(2.0, 5.0);
    Oli_Column_Cell(c.f, "a");
    Oli_Columns_2(0.0, 4.0);
    Oli_Column_Cell(c.f, "b");
    Oli_Column_Cell(c.f, "c");
    Oli_Columns_End(c.f);
    EXPECT_EQ(c.text(), "\n#SHOWPARA\n0x40\n7\n0x0 2\n2 2\n2 5\n-1\n \xCEt"
                        "a\n#END_OF_TEXT\n0x0\n-1\n"
                        "\n#SHOWPARA\n0x40\n7\n0x0 1\n2 4\n-1\n b\xCEt"
                        "c\n#END_OF_TEXT\n0x0\n-1\n");
}

TEST(OliMore, LegendInTwoColumns)
{
    Reset_Writers();
    Oli_Legend_Clear();
    Oli_Legend_Add("kmod", "Beiwert");
    Oli_Legend_Add("a", "Abstand");
    Capture c;
    Oli_Write_Legend_Columns(c.f);
    EXPECT_EQ(c.text(), "\n#SHOWPARA\n0x40\n3\n0x0 1\n2 5\n-1\n kmod\xCEtBeiwert\n a\xCEtAbstand\n"
                        "#END_OF_TEXT\n0x0\n-1\n");
    EXPECT_EQ(Oli_Get_Column_Mode(), 7);
    Oli_Legend_Clear();
}

TEST(OliMore, TableGroupTitleTitleLinesAndExtraLines)
{
    Reset_Writers();
    Oli_Table_Column *t = nullptr;
    Oli_Alloc_Table_Columns(2, &t);
    double a[1] = {1}, b[1] = {2};
    strcpy(t[0].group_title, "Kraefte");
    strcpy(t[1].group_title, "=");
    strcpy(t[0].title, "N");
    strcpy(t[1].title, "V");
    strcpy(t[0].unit, "kN");
    strcpy(t[1].unit, "kN");
    t[0].width = t[1].width = 2;
    t[0].values = a;
    t[1].values = b;
    int32_t counts[3] = {1, 0, 0};
    char title[] = "Tabelle 1";
    char *titles[1] = {title};
    char extra[] = "Hinweis";
    char *extras[1] = {extra};
    Capture c;
    OliTabelle(/*file=*/c.f, /*ncols=*/2, /*nrows=*/1, /*columns=*/t, /*row_mask=*/nullptr,
               /*row_rules=*/nullptr, /*highlight=*/0,
               /*flags=*/OLI_TAB_NO_SPACING | OLI_TAB_FLAGS_640, /*title_counts=*/counts,
               /*title_texts=*/titles, /*extra_count=*/1, /*extra_texts=*/extras);
    /* "Kraefte" (7) needs 7 of the group's 3 + 1 + 3 characters: widths 3 and 3; no separator
  ** inside the group */
    EXPECT_EQ(c.text(),
              "#OLI_SETFLAGS 0x280\n#SHOWTABLE\n 1 0 0\n Tabelle 1\n 2 1 -1 -1 0\n\n"
              " \xCErKraefte \n \xCEr N  \xCEr V  \n \xCErkN  \xCErkN  \n   1   2\n#END_OF_TEXT\n"
              "#OLI_SETFLAGS 0x380\n#OLI_RESERVE 0.286\n#OLI_YPOSITION 1 -0.19\n"
              "\n#SHOWPARA\n0x0\n3\n-1\n Hinweis\n#END_OF_TEXT\n0x0\n-1\n#OLI_YPOSITION 1 0.19\n");
    free(t);
}

TEST(OliMore, TableOptionsAndZeroRows)
{
    Reset_Writers();
    Oli_Table_Column *t = nullptr;
    Oli_Alloc_Table_Columns(1, &t);
    double v[4] = {0.001, 2, -1, 0};
    strcpy(t[0].title, "x");
    strcpy(t[0].unit, "m");
    t[0].decimals = 1;
    t[0].values = v;
    Oli_Table_Options o;
    ASSERT_EQ(Oli_Table_Options_Create(&o, 4), 1);
    o.flags = OLI_TAB_NO_SPACING | OLI_TAB_SKIP_ZERO_ROWS | OLI_TAB_NO_UNIT;
    o.row_mask[2] = 0;
    int32_t thin[4] = {0, 1, 0, 0};
    o.thin_rules = thin;
    Capture c;
    Oli_Table_With_Options(c.f, 4, 1, t, &o);
    EXPECT_EQ(
        c.text(),
        "#SHOWTABLE\n 0 0 0\n 1 0 -1 -1 0\n \xCEr  x  \n  2.0\n \xCE{\xCEL 0 -1 -1 0.500000 0.500000 }\n"
        "#END_OF_TEXT\n");
    Oli_Table_Options_Free(&o);
    c.clear();
    o.flags = 0;
    Oli_Table_Options_Create(&o, 4);
    o.flags = OLI_TAB_NO_SPACING | OLI_TAB_EXTREME_ROWS | OLI_TAB_NO_UNIT;
    Oli_Table_With_Options(c.f, 4, 1, t, &o);
    EXPECT_EQ(c.text(),
              "#SHOWTABLE\n 0 0 0\n 1 0 -1 -1 0\n \xCEr  x  \n  2.0\n -1.0\n#END_OF_TEXT\n");
    Oli_Table_Options_Free(&o);
    c.clear();
    OliTabelle(/*file=*/c.f, /*ncols=*/1, /*nrows=*/0, /*columns=*/t, /*row_mask=*/nullptr,
               /*row_rules=*/nullptr, /*highlight=*/0, /*flags=*/OLI_TAB_FLAGS_640,
               /*title_counts=*/nullptr, /*title_texts=*/nullptr, /*extra_count=*/0,
               /*extra_texts=*/nullptr);
    EXPECT_EQ(c.text(), "#OLI_SETFLAGS 0x380\n");
    free(t);
}

TEST(OliMore, FrameRingRegionArrow)
{
    Reset_Writers();
    Capture c, p;
    Oli_Graphic_Begin(c.f, 0, 0, 10, 10, 1, 0, nullptr);
    Plot_Begin(p.f, 0, 0, 10, 10, 1, 0, "T");
    c.clear();
    p.clear();
    Oli_Graphic_Filled_Frame(0, 0, 4, 4, 1, 1, 3, 3);
    EXPECT_EQ(
        c.text(),
        " 24  0.000000 4.000000 4.000000 0.000000\n 20  0\n 24  1.000000 3.000000 3.000000 1.000000\n");
    EXPECT_EQ(p.text(), "-area / 1 0\n 4 0 ( @1 ( @1 0.000000 0.000000 ) #2 0 0 0 0.0 )\n"
                        " 0 ( @2 ( @2 0.000000 4.000000 ) #3 0 0 0 0.0 )\n"
                        " 0 ( @3 ( @3 4.000000 4.000000 ) #4 0 0 0 0.0 )\n"
                        " 0 ( @4 ( @4 4.0000 0.0000 ) #1 0 0 0 0.0 )\n"
                        " 4 0 ( @5 ( @5 1.000000 1.000000 ) #6 0 0 0 0.0 )\n"
                        " 0 ( @6 ( @6 1.000000 3.000000 ) #7 0 0 0 0.0 )\n"
                        " 0 ( @7 ( @7 3.000000 3.000000 ) #8 0 0 0 0.0 )\n"
                        " 0 ( @8 ( @8 3.000000 1.000000 ) #5 0 0 0 0.0 )\n");
    c.clear();
    p.clear();
    Oli_Graphic_Annulus(5, 5, 4, 2);
    EXPECT_EQ(c.text().substr(0, 26), " 18 66 7.000000 5.000000 6");
    EXPECT_EQ(p.text(),
              "-opengroup\n-area / 1 0\n 2 0 ( @9 ( @9 5.000000 7.000000 ) #10 0 0 0 2.000000 )\n"
              " 0 ( @10 ( @10 5.000000 3.000000 ) #9 0 0 0 2.000000 )\n"
              " 2 0 ( @11 ( @11 5.000000 6.000000 ) #12 0 0 0 1.000000 )\n"
              " 0 ( @12 ( @12 5.000000 4.000000 ) #11 0 0 0 1.000000 )\n-closegroup\n");
    c.clear();
    p.clear();
    double x[3] = {0, 6, 0}, y[3] = {0, 0, 6}, cx[1] = {1}, cy[1] = {1}, area[1] = {M_PI};
    Oli_Graphic_Region(/*n=*/3, /*x=*/x, /*y=*/y, /*nh=*/0, /*counts=*/nullptr, /*hx=*/nullptr,
                       /*hy=*/nullptr, /*nc=*/1, /*cx=*/cx, /*cy=*/cy, /*areas=*/area);
    EXPECT_EQ(c.text().substr(0, 74),
              " 18 3 0.000000 0.000000 6.000000 0.000000 0.000000 6.000000 \n 20  0\n 18 32");
    EXPECT_EQ(p.text().substr(0, 15), "-area / 1 0\n 3 ");
    EXPECT_NE(p.text().find(" 2 0 ( @16 ( @16 1.000000 2.000000 ) #17 0 0 0 1.000000 )"),
              std::string::npos);
    c.clear();
    Plot_Writer.file = nullptr;
    Oli_Graphic_Set_Colour_Mode(0);
    Oli_Graphic_Arrow(0, 0, 5, 0, 1, 0.5);
    EXPECT_EQ(
        c.text(),
        " 30\n 1  0.000000 0.000000 5.000000 -0.000000\n 1  0.000000 0.000000 1.000000 0.250000\n"
        " 1  0.000000 0.000000 1.000000 -0.250000\n 31\n");
}

TEST(OliMore, RedirectAndScaleChoice)
{
    Reset_Writers();
    Capture a, b;
    Oli_Graphic_Begin(a.f, 0, 0, 10, 10, 1, 0, nullptr);
    Oli_Graphic_Redirect(b.f);
    Oli_Graphic_Line(0, 0, 1, 1);
    EXPECT_EQ(Oli_Graphic_Restore_File(), a.f);
    EXPECT_EQ(b.text(), " 1  0.000000 0.000000 1.000000 1.000000\n");
    double den[3] = {20, 50, 100};
    /* ratio = min(10 / 20, 5 / 20) = 0.25 > 1/20 */
    EXPECT_EQ(Oli_Graphic_Choose_Scale(5, 10, 20, 20, 3, den), 0);
    /* ratio exactly 1/50 does not take index 1 */
    EXPECT_EQ(Oli_Graphic_Choose_Scale(1, 1, 50, 50, 3, den), 2);
    double px, py;
    Oli_Graphic.rotation = M_PI / 2;
    Oli_Graphic_World_To_Paper(1, 0, &px, &py);
    EXPECT_NEAR(px, 0, 1e-12);
    EXPECT_NEAR(py, -1, 1e-12);
    Oli_Graphic.rotation = 0;
}
