/*
** Dimension lines: the records of one dimension, label lifts, the cm, m and mm number forms and
** dimension chains.
*/
#include <gtest/gtest.h>

#include <string>

#include "capture.h"
#include "foundation/ptrarr.h"

static std::string cm(double d, double factor, int flags = 0)
{
    char l[16], r[16];
    Oli_Dimension_Cm_Texts(d, factor, flags, l, r, nullptr);
    return std::string(l) + "|" + r;
}

static std::string m(double d, int flags = 0)
{
    char l[16], r[16];
    Oli_Dimension_M_Texts(d, flags, l, r);
    return std::string(l) + "|" + r;
}

static std::string mm(double d)
{
    char l[16], r[16];
    Oli_Dimension_Mm_Texts(d, l, r);
    return std::string(l) + "|" + r;
}

TEST(OliDimension, NumberForms)
{
    EXPECT_EQ(cm(12.5, 1), "12|5");
    EXPECT_EQ(cm(12.8, 1), "13|");
    EXPECT_EQ(cm(12.2, 1), "12|");
    EXPECT_EQ(cm(125.5, 1), "1.25|5");
    EXPECT_EQ(cm(125.5, 1, 16), "125|5");
    EXPECT_EQ(cm(250, 10), "25|"); /* 250 world units at 10 per cm */
    EXPECT_EQ(m(0.125), "12|5");
    EXPECT_EQ(m(1.257), "1.25|5");
    EXPECT_EQ(m(1.258), "1.26|");
    EXPECT_EQ(m(0.5), "50|");
    EXPECT_EQ(mm(12.0), "12| ");
    EXPECT_EQ(mm(12.3), "12|3");
}

TEST(OliDimension, RecordsOfOneDimension)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 10, 10, 1, 0, nullptr);
    c.clear();
    EXPECT_EQ(Oli_Graphic_Dimension(0, 0, 4, 0, 0.1, "4", "5", 0, 5), 0.0);
    EXPECT_EQ(c.text(),
              " 30\n 52\n 4 1\n 38 0   0\n"
              " 1  -0.100000 0.000000 4.100000 0.000000\n"
              " 1  0.000000 0.400000 0.000000 -0.200000\n"
              " 1  4.000000 0.400000 4.000000 -0.200000\n"
              " 1  -0.060000 -0.060000 0.060000 0.060000\n"
              " 1  3.940000 -0.060000 4.060000 0.060000\n"
              " 13 0.210000\n 8 6\n 14 0.000000 0\n 10 2.000000 0.160000 2.000000 0.160000 210 \xAE"
              "4\xAF\n"
              " 13 0.157500\n 14 0.000000 0\n 3 2.084000 0.212500 \xAE"
              "5\xAF\n 31\n 53\n");
    c.clear();
    EXPECT_EQ(Oli_Graphic_Dimension(1, 1, 1.004, 1, 0.1, "0", "", 0, 0), 0.0);
    EXPECT_EQ(c.text(), " 30\n 52\n 31\n 53\n");
}

TEST(OliDimension, DotsAndSuppressedEnds)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 10, 10, 1, 0, nullptr);
    Oli_Graphic_Set_Colour_Mode(0);
    Oli_Set_Dimension_Flags(8 | 2);
    c.clear();
    Oli_Graphic_Dimension(0, 0, 4, 0, 0.1, "4", "", 0, 5);
    std::string t = c.text();
    /* one extension line, one dot (disc of 32 points and its outline), no ticks */
    EXPECT_NE(t.find(" 20  0\n 18 32 0.037500 0.000000"), std::string::npos);
    EXPECT_EQ(t.find(" 1  4.000000 0.400000"), std::string::npos);
    size_t discs = 0;
    for (size_t p = t.find(" 18 32"); p != std::string::npos; p = t.find(" 18 32", p + 1)) discs++;
    EXPECT_EQ(discs, 1u);
}

TEST(OliDimension, LiftAlternates)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 10, 10, 1, 0, nullptr);
    EXPECT_EQ(Oli_Graphic_Dimension(0, 0, 1, 0, 0.1, "123", "", 5.0, 0), 2.0);
    EXPECT_EQ(Oli_Graphic_Dimension(0, 0, 1, 0, 0.1, "123", "", 5.0, 0), 3.2);
    EXPECT_EQ(Oli_Graphic_Dimension(0, 0, 1, 0, 0.1, "123", "", 5.0, 0), 2.0);
    EXPECT_EQ(Oli_Graphic_Dimension(0, 0, 1, 0, 0.1, "1", "", 0.5, 0), 0.0);
    c.clear();
    EXPECT_EQ(Oli_Graphic_Dimension(0, 0, 1, 0, 0.1, "123", "", 5.0, 0), 2.0);
    /* lifted by 2.8 x 2 x h / sy = 0.56 */
    EXPECT_NE(c.text().find(" 10 0.500000 0.560000 0.500000 0.560000 210"), std::string::npos);
    Oli_Graphic_Stagger_Off();
    EXPECT_EQ(Oli_Graphic_Dimension(0, 0, 1, 0, 0.1, "123", "", 5.0, 0), 2.0);
    EXPECT_EQ(Oli_Graphic_Dimension(0, 0, 1, 0, 0.1, "123", "", 5.0, 0), 2.0);
    Oli_Graphic_Stagger_On();
}

TEST(OliDimension, CentimetreFormLabelsAndZeroFactor)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 200, 100, 0.1, 0, nullptr);
    c.clear();
    EXPECT_EQ(Oli_Graphic_Dimension_Cm(0, 0, 12.5, 0, 0.1, 0.000001, 0), 0.0);
    EXPECT_EQ(c.text(), "");
    Oli_Graphic_Dimension_Cm(0, 0, 125.5, 0, 0.1, 1, 0);
    std::string t = c.text();
    EXPECT_NE(t.find("210 \xAE"
                     "1.25\xAF\n"),
              std::string::npos);
    EXPECT_NE(t.find(" 3 "), std::string::npos);
    EXPECT_NE(t.find("\xAE"
                     "5\xAF\n"),
              std::string::npos);
}

TEST(OliDimension, ChainSkipsEqualPointsAndReleasesAll)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 100, 100, 1, 0, nullptr);
    Ptr_Array list = {nullptr, 0, 0};
    EXPECT_EQ(Dim_Chain_Add_Point(&list, 30, 5), 1);
    Dim_Chain_Add_Point(&list, 10, 7);
    Dim_Chain_Add_Point(&list, 10, 9);
    Dim_Chain_Add_Point(&list, 45.5, 1);
    c.clear();
    Oli_Graphic_Dimension_Chain(&list, "mm", 2, 50, 0.1, -1.0, 0);
    EXPECT_EQ(Ptr_Array_Count(&list), 0);
    std::string t = c.text();
    size_t labels = 0;
    for (size_t p = t.find(" 10 "); p != std::string::npos; p = t.find(" 10 ", p + 1)) labels++;
    EXPECT_EQ(labels, 2u);
    /* 10 -> 30 on y = 50, then 30 -> 45.5 */
    EXPECT_NE(t.find(" 1  9.900000 50.000000 30.100000 50.000000"), std::string::npos);
    EXPECT_NE(t.find("210 \xAE"
                     "15\xAF"),
              std::string::npos);
    EXPECT_NE(t.find("\xAE"
                     "5\xAF"),
              std::string::npos);
    Dim_Chain_Add_Point(&list, 1, 1);
    EXPECT_EQ(Oli_Graphic_Dimension_Chain(&list, "mm", 2, 0, 0.1, 1, 0), 0.0);
    EXPECT_EQ(Ptr_Array_Count(&list), 1);
    Dim_Chain_Add_Point(&list, 2, 2);
    EXPECT_EQ(Oli_Graphic_Dimension_Chain(&list, "mm", 7, 0, 0.1, 1, 0), 0.0);
    EXPECT_EQ(Ptr_Array_Count(&list), 2);
    Oli_Graphic_Dimension_Chain_Along(&list, nullptr, 0, 0, 0, 0.1, 1, 0);
    EXPECT_EQ(Ptr_Array_Count(&list), 0);
}
