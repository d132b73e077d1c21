/*
** Drawing library: loads, reinforcement labels, member diagrams, diagram frames and charts,
** axis crosses, callouts, force arrows, supports and fastener symbols.
*/
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "capture.h"

static int count_of(const std::string &s, const std::string &what)
{
    int n = 0;
    for (size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + 1)) n++;
    return n;
}

TEST(OliDrawlib, UniformAndTrapezoidLoadsCountTheirArrows)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 20, 20, 1, 0, nullptr);
    c.clear();
    Oli_Graphic_Uniform_Load(0, 0, 1, 0, 1, 0.2, "q");
    EXPECT_EQ(count_of(c.text(), " 18 3 "), 6); /* n = 5 intervals per paper unit */
    c.clear();
    Oli_Graphic_Uniform_Load(0, 0, 0.1, 0, 1, 0.2, "");
    EXPECT_EQ(count_of(c.text(), " 18 3 "), 3); /* at least two intervals */
    c.clear();
    Oli_Graphic_Trapezoid_Load(0, 0, 6, 0, 1, 2, 0.2, "q");
    EXPECT_EQ(count_of(c.text(), " 18 3 "), 4);
    c.clear();
    Oli_Graphic_Uniform_Load(3, 0, 3.000001, 0, 1, 0.2, "q");
    EXPECT_EQ(c.text(), "");
    /* the first arrow of a uniform load: tip on the line, head 0.15 L long, pointing down */
    c.clear();
    Oli_Graphic_Uniform_Load(0, 0, 1, 0, 1, 0.2, "");
    EXPECT_NE(c.text().find(" 18 3 0.000000 0.000000 0.075000 0.150000 -0.075000 0.150000 \n"),
              std::string::npos);
}

TEST(OliDrawlib, ForceArrowStylesAndFillSwitch)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 20, 20, 1, 0, nullptr);
    Oli_Graphic_Set_Colour_Mode(0);
    c.clear();
    Oli_Graphic_Force_Arrow(5, 5, 0, 2, 0.5, 0.4, 0);
    EXPECT_EQ(
        c.text(),
        " 30\n 1  3.000000 5.000000 5.000000 5.000000\n 1  4.500000 5.200000 5.000000 5.000000\n"
        " 1  4.500000 4.800000 5.000000 5.000000\n 31\n");
    Oli_Graphic_Set_Fill_Mode(0);
    c.clear();
    Oli_Graphic_Force_Arrow(5, 5, 0, 2, 0.5, 0.4, 2);
    EXPECT_EQ(count_of(c.text(), " 18 "), 0);
    EXPECT_NE(c.text().find(" 1  4.500000 5.000000 3.000000 5.000000\n"), std::string::npos);
    c.clear();
    Oli_Graphic_Force_Arrow(5, 5, 0, 2, 0.5, 0.4, 7);
    EXPECT_EQ(c.text(), " 30\n 31\n");
}

TEST(OliDrawlib, RebarLabelNeedsFiveUnits)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 20, 20, 1, 0, nullptr);
    c.clear();
    EXPECT_EQ(Oli_Graphic_Rebar_Label(/*x1=*/0, /*y1=*/0, /*x2=*/4.99, /*y2=*/0, /*h=*/0.1,
                                      /*grade=*/2, /*diameter=*/4, /*spacing=*/15, /*area=*/13.4,
                                      /*cover=*/0.035, /*value=*/2, /*position=*/3),
              0);
    EXPECT_EQ(c.text(), "");
    EXPECT_EQ(Oli_Graphic_Rebar_Label(/*x1=*/0, /*y1=*/0, /*x2=*/5.0, /*y2=*/0, /*h=*/0.1,
                                      /*grade=*/2, /*diameter=*/4, /*spacing=*/15, /*area=*/13.4,
                                      /*cover=*/0.035, /*value=*/2, /*position=*/3),
              1);
    std::string t = c.text();
    EXPECT_NE(t.find("\xAE"
                     "13.40 cm\xFD\xAF"),
              std::string::npos);
    EXPECT_NE(t.find("\xAE   16/15.0\xAF"), std::string::npos);
    EXPECT_NE(t.find("\xAE"
                     "C=4cm V=2\xAF"),
              std::string::npos); /* 3.5 rounds up */
    EXPECT_NE(t.find("\xAE"
                     "BSt 500S Nr. 3\xAF"),
              std::string::npos);
    /* the diameter sign 8.48 h before and 1.3 h above the second label at (2.5, 0.48) */
    EXPECT_NE(t.find(" 27 1.7 0.6 %FONT%\\DURCHM.OCM\n"), std::string::npos);
}

TEST(OliDrawlib, SectionLineWithoutLabels)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 20, 20, 1, 0, nullptr);
    Oli_Graphic_Set_Colour_Mode(0);
    c.clear();
    Oli_Graphic_Section_Line(0, 0, 10, 0, 1, nullptr, nullptr);
    EXPECT_EQ(
        c.text(),
        " 30\n 6 0.025000\n 38 4 0.2 0.07 0.008 0.07 0\n 1  0.000000 0.000000 10.000000 0.000000\n 31\n");
}

TEST(OliDrawlib, MemberDiagramSignMarks)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 20, 20, 1, 0, nullptr);
    Member_Diagram d;
    Member_Diagram_Init(&d, 3);
    d.x2 = 10;
    d.positions[1] = 5;
    d.positions[2] = 20; /* beyond the member: drawn at its end */
    d.values[0] = 3;
    d.values[1] = 1;
    d.values[2] = 2;
    c.clear();
    Oli_Graphic_Member_Diagram(&d);
    std::string t = c.text();
    EXPECT_EQ(count_of(t, " 18 32 "), 2);
    EXPECT_EQ(count_of(t, "\xAE+\xAF"), 2);
    EXPECT_NE(t.find("\xAE"
                     "3.00\xAF"),
              std::string::npos);
    EXPECT_NE(t.find("\xAE"
                     "1.00\xAF"),
              std::string::npos);
    /* side 1: ordinates to the negative side; the last ordinate stands at the member's end */
    EXPECT_NE(t.find(" 1  10.000000 0.000000 10.000000 -2.000000\n"), std::string::npos);
    Member_Diagram e;
    Member_Diagram_Init(&e, 0);
    Member_Diagram_Copy(&e, &d);
    e.values[0] = 1;
    e.values[1] = 3;
    c.clear();
    Oli_Graphic_Member_Diagram(&e);
    EXPECT_EQ(count_of(c.text(), " 18 32 "), 1);
    EXPECT_EQ(d.values[0], 3.0);
    Member_Diagram_Free(&e);
    Member_Diagram_Free(&d);
    Member_Diagram_Init(&d, 0);
    c.clear();
    Oli_Graphic_Member_Diagram(&d);
    EXPECT_EQ(c.text(), "");
}

TEST(OliDrawlib, DiagramFrameAndTickDecimals)
{
    Reset_Writers();
    EXPECT_EQ(Oli_Tick_Decimals(0.25), 2);
    EXPECT_EQ(Oli_Tick_Decimals(0.5), 1);
    EXPECT_EQ(Oli_Tick_Decimals(2), 0);
    Capture c;
    Diagram_Frame f;
    Diagram_Frame_Init(&f);
    f.y_max = 0;
    EXPECT_EQ(Oli_Graphic_Diagram_Frame(c.f, &f), 1);
    EXPECT_EQ(Oli_Graphic_Diagram_End(), 0);
    EXPECT_EQ(c.text(), "");
    Diagram_Frame_Init(&f);
    f.x_max = 1;
    f.x_step = 0.25;
    EXPECT_EQ(Oli_Graphic_Diagram_Frame(c.f, &f), 0);
    Oli_Graphic_Diagram_End();
    std::string t = c.text();
    /* scale (5 - 1) / 1 = 4 along x, 0.04 along y; window -0.125 .. 1.125 and -12.5 .. 112.5 */
    EXPECT_EQ(t.substr(0, 61), "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n-0.500000 4.500000 -0.500000 4.5");
    EXPECT_NE(t.find("\xAE"
                     "0.25\xAF"),
              std::string::npos);
    EXPECT_NE(t.find("\xAE"
                     "0.75\xAF"),
              std::string::npos);
    EXPECT_EQ(t.find("\xAE"
                     "1.00\xAF"),
              std::string::npos);
    EXPECT_EQ(t.substr(t.size() - 4), " -1\n");
}

TEST(OliDrawlib, ChartLimits)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 20, 20, 1, 0, nullptr);
    double x[101], y[101];
    for (int i = 0; i < 101; i++) {
        x[i] = i;
        y[i] = sin(i * 0.1);
    }
    c.clear();
    EXPECT_EQ(Oli_Graphic_Chart(/*x0=*/0, /*y0=*/0, /*x1=*/10, /*y1=*/5, /*xv=*/x, /*yv=*/y,
                                /*n=*/101, /*mode=*/0, /*title=*/"M", /*text_height=*/0.3),
              0);
    EXPECT_EQ(c.text(), "");
    EXPECT_EQ(Oli_Graphic_Chart(/*x0=*/0, /*y0=*/0, /*x1=*/10, /*y1=*/5, /*xv=*/x, /*yv=*/y,
                                /*n=*/1, /*mode=*/0, /*title=*/"M", /*text_height=*/0.3),
              0);
    EXPECT_EQ(Oli_Graphic_Chart(/*x0=*/0, /*y0=*/0, /*x1=*/10, /*y1=*/5, /*xv=*/x, /*yv=*/y,
                                /*n=*/100, /*mode=*/0, /*title=*/"M", /*text_height=*/0.3),
              1);
    EXPECT_NE(c.text().find(" 18 103 "), std::string::npos);
}

/* The x tick labels stand below the axis, or above it for the other y orientation. Frame 5 x 5
** with margins of 0.5 over x 0 .. 1 and y 0 .. 100: sx = 4, sy = 0.04; the tick at x 0.5 is at
** paper x 2.0 and its label 0.15 paper units below (y orientation 0) or above (2) the axis. */
TEST(OliDrawlib, DiagramFrameXLabelSide)
{
    Reset_Writers();
    Capture c;
    Diagram_Frame f;
    Diagram_Frame_Init(&f);
    f.x_max = 1;
    f.x_step = 0.5;
    const char *expected[2] = {" 10 2.000000 -0.150000 2.000000 -0.150000 226 \xAE"
                               "0.5\xAF\n",
                               " 10 2.000000 0.150000 2.000000 0.150000 202 \xAE"
                               "0.5\xAF\n"};
    for (int k = 0; k < 2; k++) {
        f.y_orientation = 2 * k;
        c.clear();
        EXPECT_EQ(Oli_Graphic_Diagram_Frame(c.f, &f), 0);
        Oli_Graphic_Diagram_End();
        EXPECT_NE(c.text().find(expected[k]), std::string::npos) << k << c.text();
    }
}

TEST(OliDrawlib, ChartLabelStepKeepsTwoDigitsOfTheRange)
{
    double step = -1;
    int32_t d = -1;
    struct Case {
        double r, step;
        int32_t decimals;
    };
    /* r < 2: times 10 until the mantissa reaches 10; r > 20: by 10 until it is not above 100 */
    const Case cases[] = {{0.35, 0.35, 2},   {1.57, 1.5, 1}, {0.0042, 0.0042, 4}, {0.29, 0.29, 2},
                          {3e-6, 3e-6, 7},   {137, 130, 0},  {25, 25, 0},         {1000, 1000, 0},
                          {1234.5, 1200, 0}, {12.7, 12, 0},  {2, 2, 0},           {20, 20, 0}};
    for (const Case &k : cases) {
        EXPECT_EQ(Oli_Chart_Label_Step(k.r, &step, &d), 1) << k.r;
        EXPECT_NEAR(step, k.step, k.step * 1e-12) << k.r;
        EXPECT_EQ(d, k.decimals) << k.r;
    }
    EXPECT_EQ(Oli_Chart_Label_Step(0.0000002, &step, &d), 0); /* the plain path */
    EXPECT_EQ(Oli_Chart_Label_Step(0, &step, &d), 0);
}

/* Charts in the box (0, 0) .. (10, 5) with a text height of 0.3: the value axis runs from paper
** y 0 to 5 at x 0.3; labels stand at x 0.24. */
TEST(OliDrawlib, ChartValueLabelsAndFlatRange)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 20, 20, 1, 0, nullptr);
    double x[5] = {0, 1, 2, 3, 4};
    auto chart = [&](std::initializer_list<double> values) {
        std::vector<double> y(values);
        c.clear();
        EXPECT_EQ(Oli_Graphic_Chart(/*x0=*/0, /*y0=*/0, /*x1=*/10, /*y1=*/5, /*xv=*/x,
                                    /*yv=*/y.data(), /*n=*/(int32_t)y.size(), /*mode=*/0,
                                    /*title=*/"", /*text_height=*/0.3),
                  1);
        return c.text();
    };
    /* range 137: step 130, label at 130 / 137 x 5 = 4.744526, not at the end 137 */
    std::string t = chart({0, 40, 137, 60, 10});
    EXPECT_NE(t.find(" 9 0.240000 4.744526 0.240000 4.744526 212 \xAE"
                     "130\xAF"),
              std::string::npos)
        << t;
    EXPECT_EQ(t.find("137"), std::string::npos);
    /* range 1.57: step 1.5 with one decimal, at 1.5 / 1.57 x 5 = 4.777070 */
    t = chart({0, 0.2, 1.57, 0.1});
    EXPECT_NE(t.find(" 9 0.240000 4.777070 0.240000 4.777070 212 \xAE"
                     "1.5\xAF"),
              std::string::npos)
        << t;
    /* range 167 from -30 to 137: step 160 has no multiple inside, so both ends are labelled; zero
  ** at 30 / 167 x 5 = 0.898204 */
    t = chart({-30, 10, 137, 0});
    EXPECT_NE(t.find(" 9 0.240000 0.898204 0.240000 0.898204 212 \xAE"
                     "0\xAF"),
              std::string::npos)
        << t;
    EXPECT_NE(t.find(" 9 0.240000 0.000000 0.240000 0.000000 212 \xAE"
                     "-30\xAF"),
              std::string::npos)
        << t;
    EXPECT_NE(t.find(" 9 0.240000 5.000000 0.240000 5.000000 212 \xAE"
                     "137\xAF"),
              std::string::npos)
        << t;
    /* a flat curve of 3e-6 keeps the range of its magnitude: it runs along the top of the box */
    t = chart({3e-6, 3e-6, 3e-6});
    EXPECT_NE(t.find(" 1  0.300000 5.000000 5.130000 5.000000\n"), std::string::npos) << t;
    EXPECT_NE(t.find("\xAE"
                     "0.0000030\xAF"),
              std::string::npos)
        << t;
    /* only zeros: a range of 1, the curve on the zero line at the bottom */
    t = chart({0, 0, 0});
    EXPECT_NE(t.find(" 1  0.300000 0.000000 5.130000 0.000000\n"), std::string::npos) << t;
}

TEST(OliDrawlib, AxisCrossLabelsAndFillSwitch)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 20, 20, 1, 0, nullptr);
    Oli_Graphic_Set_Fill_Mode(0);
    c.clear();
    Oli_Graphic_Axis_Cross(0, 0, "x", "z\xCE\\ab", 1, 0);
    std::string t = c.text();
    EXPECT_EQ(count_of(t, " 18 "), 0);
    EXPECT_EQ(count_of(t, " 1  "), 2);
    EXPECT_NE(t.find("\xAEz\xAF"), std::string::npos);
    EXPECT_NE(t.find("\xAE"
                     "ab\xAF"),
              std::string::npos);
    Oli_Set_Axes_Switch(0);
    c.clear();
    Oli_Graphic_Axis_Cross(0, 0, "x", "y", 1, 0);
    EXPECT_EQ(c.text(), "");
    Oli_Set_Axes_Switch(1);
}

TEST(OliDrawlib, CalloutScalesXWithSx)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin_Xy(c.f, 0, 0, 20, 20, 0.5, 2, 0, nullptr);
    Oli_Graphic_Set_Colour_Mode(0);
    c.clear();
    Oli_Graphic_Callout(0, 0, 1, 1, 0.2, "ab  ");
    /* n = 2 without the trailing blanks: xe = 1 + (0.2 + 0.4) / 0.5 = 2.2 (paper 1.1) */
    EXPECT_NE(c.text().find(" 1  0.500000 2.000000 1.100000 2.000000\n"), std::string::npos);
}

TEST(OliDrawlib, SupportsAndFastenersAreGroups)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 20, 20, 1, 0, nullptr);
    Oli_Graphic_Set_Colour_Mode(0);
    for (int kind = 0; kind < 9; kind++) {
        c.clear();
        Oli_Graphic_Fastener_Symbol(kind, 1, 5, 5, 3);
        std::string t = c.text();
        EXPECT_EQ(t.substr(0, 16), " 30\n 6 0.020000\n") << kind;
        EXPECT_EQ(t.substr(t.size() - 4), " 31\n") << kind;
    }
    c.clear();
    Oli_Graphic_Fastener_Symbol(8, 1, 5, 5, 3);
    EXPECT_EQ(c.text(), " 30\n 6 0.020000\n 31\n");
    c.clear();
    Oli_Graphic_Support(0, 0, 0, 0, 1, 1, 1);
    EXPECT_EQ(count_of(c.text(), " 18 32 "), 1);
    c.clear();
    Oli_Graphic_Fixed_Support(0, 0, 0, 1);
    EXPECT_EQ(count_of(c.text(), " 1  "), 7);
}
