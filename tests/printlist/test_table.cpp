/*
** Table writer: layout, header lines, rows, markers, sums, significant rows, emphasis,
** footnotes and the transposed form.
*/
#include <gtest/gtest.h>

#include <string>

#include "capture.h"
#include "platform/zelkwin_test.h"

struct Columns {
    Oli_Table_Column *c = nullptr;
    explicit Columns(int n) { Oli_Alloc_Table_Columns(n, &c); }
    ~Columns() { free(c); }
};

static void numeric(Oli_Table_Column *c, const char *title, const char *unit, int width,
                    int decimals, double *values)
{
    strcpy(c->title, title);
    strcpy(c->unit, unit);
    c->width = width;
    c->decimals = decimals;
    c->values = values;
}

TEST(OliTable, OneColumnHasNoSeparatorLineAndTiesRoundAway)
{
    Reset_Writers();
    Columns t(1);
    double v[2] = {1.5, -2.25};
    numeric(&t.c[0], "Wert", "kN", 4, 1, v);
    Capture c;
    OliTabelle(/*file=*/c.f, /*ncols=*/1, /*nrows=*/2, /*columns=*/t.c, /*row_mask=*/nullptr,
               /*row_rules=*/nullptr, /*highlight=*/0, /*flags=*/0, /*title_counts=*/nullptr,
               /*title_texts=*/nullptr, /*extra_count=*/0, /*extra_texts=*/nullptr);
    EXPECT_EQ(c.text(), "#OLI_YPOSITION 1 0.1\n#SHOWTABLE\n 0 0 0\n 1 1 -1 -1 0\n \xCErWert \n"
                        " \xCEr kN  \n  1.5\n -2.3\n#END_OF_TEXT\n#OLI_YPOSITION 1 -0.4\n");
}

TEST(OliTable, RowNumbersSumRowAndHighlight)
{
    Reset_Writers();
    Columns t(2);
    double v[2] = {1.0, 2.5};
    numeric(&t.c[1], "N", "kN", 6, 2, v);
    t.c[1].sum = 1;
    Capture c;
    OliTabelle(/*file=*/c.f, /*ncols=*/2, /*nrows=*/2, /*columns=*/t.c, /*row_mask=*/nullptr,
               /*row_rules=*/nullptr, /*highlight=*/3, /*flags=*/0, /*title_counts=*/nullptr,
               /*title_texts=*/nullptr, /*extra_count=*/0, /*extra_texts=*/nullptr);
    EXPECT_EQ(
        c.text(),
        "#OLI_YPOSITION 1 0.1\n#SHOWTABLE\n 0 0 0\n 1 1 -1 -1 1\n 5.000000\n"
        " \xCEr Nr  \xCEr   N   \n \xCEr     \xCEr  kN   \n    1   1.00\n    2 \xCEu  2.50\xCEr\n"
        "    \xB2   3.50 \xCE{\xCEL 0 -1 -1 0.000000 0.000000 }\n#END_OF_TEXT\n"
        "#OLI_YPOSITION 1 -0.4\n");
}

TEST(OliTable, MarkerValuesAndSumOverNotEvaluated)
{
    Reset_Writers();
    Columns t(1);
    double v[4] = {3e100, 2e100, -2e100, 1.0};
    numeric(&t.c[0], "Summe", "kN", 4, 1, v);
    t.c[0].sum = 1;
    Capture c;
    OliTabelle(/*file=*/c.f, /*ncols=*/1, /*nrows=*/4, /*columns=*/t.c, /*row_mask=*/nullptr,
               /*row_rules=*/nullptr, /*highlight=*/0, /*flags=*/OLI_TAB_NO_SPACING,
               /*title_counts=*/nullptr, /*title_texts=*/nullptr, /*extra_count=*/0,
               /*extra_texts=*/nullptr);
    EXPECT_EQ(c.text(),
              "#SHOWTABLE\n 0 0 0\n 1 1 -1 -1 0\n \xCErSumme \n \xCEr  kN  \n  auto\n  n.e.\n"
              "   ---\n   1.0\n  n.e. \xCE{\xCEL 0 -1 -1 0.000000 0.000000 }\n#END_OF_TEXT\n");
}

TEST(OliTable, SignificantRowsOnly)
{
    Reset_Writers();
    Columns t(1);
    double v[5] = {1, 2, 3, 2, 1};
    numeric(&t.c[0], "M", "kNm", 4, 0, v);
    Capture c;
    OliTabelle(/*file=*/c.f, /*ncols=*/1, /*nrows=*/5, /*columns=*/t.c, /*row_mask=*/nullptr,
               /*row_rules=*/nullptr, /*highlight=*/0,
               /*flags=*/OLI_TAB_NO_SPACING | OLI_TAB_NO_UNIT | OLI_TAB_SIGNIFICANT,
               /*title_counts=*/nullptr, /*title_texts=*/nullptr, /*extra_count=*/0,
               /*extra_texts=*/nullptr);
    EXPECT_EQ(c.text(),
              "#SHOWTABLE\n 0 0 0\n 1 0 -1 -1 0\n \xCEr M   \n    1\n    3\n    1\n#END_OF_TEXT\n");
}

/* Local extremes that are neither the column's largest nor its smallest value. By hand, 2 5 3 9
** 8 1: first and last rows 0 and 5, largest row 3, smallest row 5; the differences change sign
** around row 1 (+3, -2) and row 2 (-2, +6) and row 3 (+6, -1), not around row 4 (-1, -7): rows
** 0, 1, 2, 3, 5. With one decimal the values are rounded before they are compared: 3.0 1.04
** 1.06 1.04 1.01 1.03 0.5 3.5 round to 3.0 1.0 1.1 1.0 1.0 1.0 0.5 3.5, with local extremes at
** rows 1 (-2.0, +0.1), 2 (+0.1, -0.1) and 6 (-0.5, +3.0), none in the flat rows 3 to 5 (their
** unrounded wave of 0.03 vanishes); with the last row 7: rows 0, 1, 2, 6, 7. */
TEST(OliTable, SignificantRowsKeepLocalExtremesOfTheRoundedValues)
{
    Reset_Writers();
    Columns t(1);
    double v[6] = {2, 5, 3, 9, 8, 1};
    numeric(&t.c[0], "M", "kNm", 4, 0, v);
    const int32_t flags = OLI_TAB_NO_SPACING | OLI_TAB_NO_UNIT | OLI_TAB_SIGNIFICANT;
    Capture c;
    OliTabelle(/*file=*/c.f, /*ncols=*/1, /*nrows=*/6, /*columns=*/t.c, /*row_mask=*/nullptr,
               /*row_rules=*/nullptr, /*highlight=*/0, /*flags=*/flags, /*title_counts=*/nullptr,
               /*title_texts=*/nullptr, /*extra_count=*/0, /*extra_texts=*/nullptr);
    EXPECT_EQ(c.text(),
              "#SHOWTABLE\n 0 0 0\n 1 0 -1 -1 0\n \xCEr M   \n    2\n    5\n    3\n    9\n    1\n"
              "#END_OF_TEXT\n");
    double w[8] = {3.0, 1.04, 1.06, 1.04, 1.01, 1.03, 0.5, 3.5};
    numeric(&t.c[0], "M", "kNm", 4, 1, w);
    c.clear();
    OliTabelle(/*file=*/c.f, /*ncols=*/1, /*nrows=*/8, /*columns=*/t.c, /*row_mask=*/nullptr,
               /*row_rules=*/nullptr, /*highlight=*/0, /*flags=*/flags, /*title_counts=*/nullptr,
               /*title_texts=*/nullptr, /*extra_count=*/0, /*extra_texts=*/nullptr);
    /* the title ends at the width less the decimals */
    EXPECT_EQ(c.text(),
              "#SHOWTABLE\n 0 0 0\n 1 0 -1 -1 0\n \xCEr  M  \n  3.0\n  1.0\n  1.1\n  0.5\n  3.5\n"
              "#END_OF_TEXT\n");
}

TEST(OliTable, RowMaskReverseRulesAndTextColumn)
{
    Reset_Writers();
    Columns t(2);
    char names[3][8] = {"ab", "cd", "ef"};
    strcpy(t.c[0].title, "-Name");
    strcpy(t.c[0].unit, "TXT");
    t.c[0].width = 8;
    t.c[0].decimals = 5;
    t.c[0].values = names;
    double v[3] = {1, 2, 3};
    numeric(&t.c[1], "+x", "m", 3, 0, v);
    int32_t mask[3] = {1, 0, 1}, rules[3] = {1, 1, 1};
    Capture c;
    OliTabelle(/*file=*/c.f, /*ncols=*/2, /*nrows=*/3, /*columns=*/t.c, /*row_mask=*/mask,
               /*row_rules=*/rules, /*highlight=*/0,
               /*flags=*/OLI_TAB_NO_SPACING | OLI_TAB_REVERSE | OLI_TAB_KEEP_WIDTHS,
               /*title_counts=*/nullptr, /*title_texts=*/nullptr, /*extra_count=*/0,
               /*extra_texts=*/nullptr);
    /* text cell "  %-4.4s"; the unit follows the title's alignment; the rule follows every
  ** printed row but the last */
    EXPECT_EQ(c.text(),
              "#SHOWTABLE\n 0 0 0\n 1 1 -1 -1 1\n 9.000000\n \xCEr Name    \xCEr  x \n"
              " \xCEr         \xCEr  m \n   ef       3 \xCE{\xCEL 0 -1 -1 1.000000 1.000000 }\n"
              "   ab       1\n#END_OF_TEXT\n");
}

TEST(OliTable, FootnotesOfPrintedCells)
{
    Reset_Writers();
    Oli_Table_Clear_Notes();
    EXPECT_EQ(Oli_Table_Add_Note(7, "a", "gemessen"), 1);
    EXPECT_EQ(Oli_Table_Add_Note(8, "a", "doppelt"), 1);
    EXPECT_EQ(Oli_Table_Add_Note(9, "b", "nie benutzt"), 2);
    Columns t(1);
    double v[2] = {1, 2};
    int32_t ids[2] = {0, 7};
    numeric(&t.c[0], "F", "kN", 3, 0, v);
    t.c[0].note_ids = ids;
    Capture c;
    OliTabelle(/*file=*/c.f, /*ncols=*/1, /*nrows=*/2, /*columns=*/t.c, /*row_mask=*/nullptr,
               /*row_rules=*/nullptr, /*highlight=*/0, /*flags=*/OLI_TAB_NO_SPACING,
               /*title_counts=*/nullptr, /*title_texts=*/nullptr, /*extra_count=*/0,
               /*extra_texts=*/nullptr);
    EXPECT_EQ(c.text(),
              "#SHOWTABLE\n 0 0 0\n 1 1 -1 -1 0\n \xCEr F   \n \xCEr kN  \n   1 \n   2\xCE/a\xCEr\n"
              "#END_OF_TEXT\n#OLI_RESERVE 0.572\n#OLI_YPOSITION 1 -0.114\n"
              "\n#SHOWPARA\n0x0\n3\n-1\n \xCE/a\xCEr gemessen\n#END_OF_TEXT\n0x0\n-1\n"
              "#OLI_YPOSITION 1 0.228\n#OLI_MARGINS 1 0 0\n");
    Oli_Table_Clear_Notes();
}

TEST(OliTable, ExtremeRowsAndHelpers)
{
    double v[5] = {4, -7, 2e100, 3, -3e100};
    int32_t mask[5] = {1, 1, 1, 1, 1};
    EXPECT_EQ(Oli_Find_Extreme_Row(0, 5, v, mask), 0);
    EXPECT_EQ(Oli_Find_Extreme_Row(1, 5, v, mask), 1);
    EXPECT_EQ(Oli_Find_Extreme_Row(2, 5, v, mask), 1);
    EXPECT_EQ(Oli_Find_Extreme_Row(3, 5, v, mask), 3);
    mask[1] = 0;
    EXPECT_EQ(Oli_Find_Extreme_Row(1, 5, v, mask), 3);
    EXPECT_EQ(Oli_Find_Extreme_Row(0, 0, v, mask), -1);
    Oli_Table_Column col = {};
    strcpy(col.unit, "TXT");
    EXPECT_FALSE(Oli_Table_Is_Numeric(&col));
    strcpy(col.unit, "cm\xCE/2");
    EXPECT_TRUE(Oli_Table_Is_Numeric(&col));
    /* "A" and a subscript of five characters: 6 - round(0.2 x 5) */
    EXPECT_EQ(Oli_Table_Text_Width("A\xCE\\abcde\xCEr"), 5);
    col.width = 5;
    col.factor = 1;
    col.decimals = 1;
    double z[1] = {0.0};
    col.values = z;
    char cell[40];
    Oli_Format_Table_Cell(&col, 0, cell, sizeof cell);
    EXPECT_STREQ(cell, "  -  ");
}

TEST(OliTable, RebarAndCharColumns)
{
    Oli_Table_Column col = {};
    strcpy(col.unit, "GEW");
    col.width = 22;
    Oli_Rebar r[3] = {{4, 1, 3}, {2, 2, 7}, {-1, 0, 0}};
    col.values = r;
    char cell[80];
    Oli_Format_Table_Cell(&col, 0, cell, sizeof cell);
    EXPECT_STREQ(cell, "                \xCE"
                       "b\xCEu"
                       "4 \x8C 12\xCEr");
    Oli_Format_Table_Cell(&col, 1, cell, sizeof cell);
    EXPECT_STREQ(cell, "       \xCE"
                       "b\xCEu"
                       "2 \x8C 25 2er Bnd.\xCEr");
    Oli_Format_Table_Cell(&col, 2, cell, sizeof cell);
    EXPECT_STREQ(cell, "                 ---  ");
    strcpy(col.unit, "CHAR");
    col.width = 5;
    char ch[2] = {'x', 'y'};
    col.values = ch;
    Oli_Format_Table_Cell(&col, 1, cell, sizeof cell);
    EXPECT_STREQ(cell, "  y  ");
}

TEST(OliTable, TransposedRecords)
{
    Reset_Writers();
    Oli_Table_Column rec[2] = {};
    double a[2] = {1.25, 2}, b[2] = {10, 20};
    numeric(&rec[0], "e", "cm", 5, 1, a);
    numeric(&rec[1], "F", "kN", 4, 0, b);
    rec[0].factor = rec[1].factor = 1;
    Capture c;
    Oli_Record_Table(c.f, 2, 2, rec);
    EXPECT_EQ(
        c.text(),
        "#OLI_YPOSITION 1 0.1\n#SHOWTABLE\n 0 0 0\n 0 0 -1 -1 3\n 2.000000 6.000000 12.000000\n"
        " \xCE"
        "be\xCEr cm\xCEr    1.3   2.0\n \xCE"
        "bF\xCEr kN\xCEr     10    20\n#END_OF_TEXT\n");
}

TEST(OliTable, TooFewColumnsAllocatedIsReportedAndTheProgramGoesOn)
{
    Reset_Writers();
    ZW_Test_Reset();
    Columns t(1);
    Capture c;
    EXPECT_EQ(OliTabelle(/*file=*/c.f, /*ncols=*/2, /*nrows=*/1, /*columns=*/t.c,
                         /*row_mask=*/nullptr, /*row_rules=*/nullptr, /*highlight=*/0, /*flags=*/0,
                         /*title_counts=*/nullptr, /*title_texts=*/nullptr, /*extra_count=*/0,
                         /*extra_texts=*/nullptr),
              OLI_TAB_TOO_FEW_COLUMNS);
    EXPECT_EQ(c.text(), ""); /* nothing of the table */
    Oli_Table_Report_Error(c.f, OLI_TAB_OK);
    EXPECT_EQ(c.text(), "");
    Oli_Table_Report_Error(c.f, OLI_TAB_TOO_FEW_COLUMNS);
    EXPECT_NE(c.text().find("Tabelle nicht ausgegeben: zu wenig Spalten alloziert"),
              std::string::npos);
    int shown = 0;
    for (const auto &l : ZW_Test_Log_Lines())
        shown += l
                 == "MESSAGE [] Fehler in Funktion 'OliTabelle': zu wenig Spalten alloziert! | "
                    "Die Tabelle wird nicht ausgegeben.";
    EXPECT_EQ(shown, 1);
}

TEST(OliTable, CombinationNames)
{
    Reset_Writers();
    Oli_Combination_Set s;
    ASSERT_EQ(Oli_Combination_Set_Create(3, 2, &s), 1);
    s.factors_1[0][0] = s.factors_1[0][1] = 1.35;
    s.factors_1[0][2] = 1.5;
    s.factors_1[1][1] = 0.0;
    s.factors_2[1][2] = 0.9;
    Capture c;
    int32_t keep = Oli_Table_Columns_Allocated();
    Oli_Combination_Table(c.f, &s);
    EXPECT_EQ(Oli_Table_Columns_Allocated(), keep);
    EXPECT_STREQ(Oli_Combination_Name(0), "1.35\xCE/.\xCEr(Lf1+Lf2)+1.50\xCE/.\xCErLf3");
    EXPECT_STREQ(Oli_Combination_Name(1), "Lf1+0.90\xCE/.\xCErLf3");
    EXPECT_STREQ(Oli_Combination_Name(2), "???");
    std::string t = c.text();
    EXPECT_NE(t.find("LK"), std::string::npos);
    EXPECT_NE(t.find("Faktorisierung"), std::string::npos);
    EXPECT_NE(t.find("  Lf1+0.90\xCE/.\xCErLf3"), std::string::npos);
    Oli_Combination_Set_Free(&s);
    EXPECT_EQ(s.factors_1, nullptr);
}
