/*
** Graphic block, elements, texts and the plot file: block header and window, orientation,
** rotation, lines, polygons, sectors, discs, rectangles, colours and the plot-file header.
*/
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include "capture.h"

static std::string read_file(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(OliGraphic, BlockWithoutCaptionAndDownwardWindow)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 26, 15, 0, 1, 0, nullptr);
    EXPECT_EQ(c.text(), "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0.000000 15.000000 26.000000 0.000000\n");
    EXPECT_EQ(Oli_Graphic.mirror_mode, 2);
    EXPECT_EQ(Oli_Graphic.mirror_sum, 26.0);
    EXPECT_EQ(Oli_Graphic.y_reversed, 1);
    EXPECT_EQ(Oli_Graphic.angle_sign, -1.0);
    EXPECT_EQ(Oli_Graphic.x_direction, 1);
    EXPECT_EQ(Oli_Graphic_Get_File(), c.f);
}

TEST(OliGraphic, CaptionGroups)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Caption cap = {};
    strcpy(cap.line[0], "eins");
    strcpy(cap.line[2], "drei");
    Oli_Graphic_Begin_Xy(c.f, 0, 0, 10, 5, 0.5, 2.0, 0, &cap);
    EXPECT_EQ(
        c.text(),
        "#SHOWGRAFIC\n 1 0 1\n eins\n drei\n 0 0 0\n-1\n0.000000 5.000000 0.000000 10.000000\n");
    EXPECT_EQ(Oli_Graphic.mirror_mode, 0);
    EXPECT_DOUBLE_EQ(Oli_Graphic.text_scale, 0.15);
}

TEST(OliGraphic, RotatedWindowAndRotatedElements)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 10, 5, 1, M_PI / 2, nullptr);
    EXPECT_EQ(c.text().substr(c.text().find("-1\n") + 3),
              "0.000000 5.000000 -10.000000 0.000000\n");
    c.clear();
    /* (10, 0) turned by -90 degrees lands on (0, -10) */
    Oli_Graphic_Line(0, 0, 10, 0);
    EXPECT_EQ(c.text(), " 1  0.000000 0.000000 0.000000 -10.000000\n");
    c.clear();
    Oli_Graphic_Begin(c.f, 0, 0, 10, 5, 1, 0.0004, nullptr);
    EXPECT_EQ(c.text().substr(c.text().find("-1\n") + 3), "0.000000 10.000000 0.000000 5.000000\n");
    c.clear();
    Oli_Graphic_Line(0, 0, 10, 0);
    EXPECT_EQ(c.text(), " 1  0.000000 0.000000 9.999999 -0.004000\n");
}

TEST(OliGraphic, PushPopOneLevel)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 10, 5, 1, 0, nullptr);
    Oli_Graphic.rotation = 0.5;
    Oli_Graphic_Push();
    Oli_Graphic.rotation = 1.0;
    Oli_Graphic_Push();
    Oli_Graphic.rotation = 2.0;
    Oli_Graphic_Pop();
    EXPECT_EQ(Oli_Graphic.rotation, 1.0);
    Oli_Graphic.rotation = 3.0;
    Oli_Graphic_Pop();
    EXPECT_EQ(Oli_Graphic.rotation, 1.0);
    Oli_Graphic.rotation = 0;
    EXPECT_EQ(c.text().substr(c.text().find("5.000000\n") + 9),
              " 30\n 52\n 30\n 52\n 31\n 53\n 31\n 53\n");
    Oli_Graphic_Set_Colour_Mode(0);
    c.clear();
    Oli_Graphic_Push();
    Oli_Graphic_Pop();
    Oli_Graphic_Rgb_50(1, 2, 3);
    EXPECT_EQ(c.text(), " 30\n 31\n");
    EXPECT_EQ(Oli_Graphic.rgb[0][2], 3);
}

TEST(OliGraphic, TextAngleWrap)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 10, 5, 1, 0, nullptr);
    Oli_Graphic_Set_Text_Angle(7.0);
    EXPECT_DOUBLE_EQ(Oli_Graphic_Get_Text_Angle(), 7.0 - 2 * M_PI);
    Oli_Graphic_Set_Text_Angle(-7.0);
    EXPECT_DOUBLE_EQ(Oli_Graphic_Get_Text_Angle(), -7.0);
}

TEST(OliGraphic, LineAndPlotEntities)
{
    Reset_Writers();
    Capture c, p;
    Oli_Graphic_Begin(c.f, -10, -5, 30, 15, 0.5, 0, nullptr);
    Plot_Begin(p.f, -10, -5, 30, 15, 0.5, 0, "Ansicht M 1:%2.0lf", 200.0);
    Plot_Set_Font(2);
    Plot_Set_Linetype(0);
    Plot_Set_Pen(1);
    Plot_Set_Filling(5);
    Plot_Set_Layer(0);
    c.clear();
    Oli_Graphic_Line(0, 0, 10, 0);
    Oli_Graphic_Line(0, 5, 10, 5);
    EXPECT_EQ(c.text(),
              " 1  0.000000 0.000000 5.000000 0.000000\n 1  0.000000 2.500000 5.000000 2.500000\n");
    FILE *keep = Plot_Writer.file;
    Plot_Writer.file = nullptr; /* Plot_End closes the file; keep our capture open */
    fprintf(keep, "*EOI\n\n");
    EXPECT_EQ(p.text(), read_file(SPLICE_GOLDEN_DIR "/printlist/plot_two_lines.SPF"));
}

TEST(OliGraphic, PlotSettersAndEmptyDrawing)
{
    Reset_Writers();
    char path[] = "empty.SPF";
    FILE *f = fopen(path, "w");
    ASSERT_NE(f, nullptr);
    Plot_Begin(f, 0, 0, 10, 10, 1, 0, "T");
    Plot_Set_Pen(100);
    EXPECT_EQ(Plot_Writer.pen, 41);
    Plot_Set_Filling(-3);
    EXPECT_EQ(Plot_Writer.filling, -1);
    Plot_Set_Filling(12);
    EXPECT_EQ(Plot_Writer.filling, 7); /* the last filling of the grey header */
    Plot_Set_Linetype(4);
    EXPECT_EQ(Plot_Writer.linetype, 3);
    Plot_Set_Font(-1);
    EXPECT_EQ(Plot_Writer.font, 0);
    Plot_End();
    Plot_End();
    std::string t = read_file(path);
    const std::string tail = "*EOT\n\n*ENTITIES\n-setcoorsys 0\n-setlayer 0\n*EOI\n\n";
    ASSERT_GT(t.size(), tail.size());
    EXPECT_EQ(t.substr(t.size() - tail.size()), tail);
    EXPECT_EQ(t.find("*EOI"), t.rfind("*EOI"));
    remove(path);
}

TEST(OliGraphic, PolygonPlotEdgesMirrored)
{
    Reset_Writers();
    Capture c, p;
    Oli_Graphic_Begin(c.f, 0, 10, 10, 0, 1, 0, nullptr);
    Plot_Begin(p.f, 0, 10, 10, 0, 1, 0, "T");
    c.clear();
    p.clear();
    double x[3] = {0, 4, 0}, y[3] = {0, 0, 3};
    Oli_Graphic_Filled_Polygon(3, x, y);
    EXPECT_EQ(c.text(), " 18 3 0.000000 0.000000 4.000000 0.000000 0.000000 3.000000 \n");
    EXPECT_EQ(p.text(), "-area / 0 0\n 3 0 ( @1 ( @1 0.000000 10.000000 ) #2 0 0 1 0.0 )\n"
                        " 0 ( @2 ( @2 4.000000 10.000000 ) #3 0 0 1 0.0 )\n"
                        " 0 ( @3 ( @3 0.000000 7.000000 ) #1 0 0 1 0.0 )\n");
    EXPECT_EQ(x[1], 4.0);
    Plot_Writer.file = nullptr;
}

TEST(OliGraphic, PolygonOfNoPointsKeepsBoundingBox)
{
    Reset_Writers();
    Capture c, p;
    Oli_Graphic_Begin(c.f, 0, 0, 10, 10, 1, 0, nullptr);
    Plot_Begin(p.f, 0, 0, 10, 10, 1, 0, "T");
    Oli_Graphic_Reset_Bbox();
    c.clear();
    p.clear();
    Oli_Graphic_Area_Polygon(0, nullptr, nullptr);
    EXPECT_EQ(c.text(), " 18 0 \n");
    EXPECT_EQ(p.text(), "");
    double xmin, xmax;
    Oli_Graphic_Get_Bbox(&xmin, nullptr, &xmax, nullptr);
    EXPECT_EQ(xmin, 1e100);
    EXPECT_EQ(xmax, -1e100);
    Plot_Writer.file = nullptr;
}

TEST(OliGraphic, PolylineCounts)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 10, 10, 1, 0, nullptr);
    double x[3] = {0, 1, 2}, y[3] = {0, 1, 0};
    c.clear();
    Oli_Graphic_Polyline(-3, x, y);
    EXPECT_EQ(c.text(),
              " 1  0.000000 0.000000 1.000000 1.000000\n 1  1.000000 1.000000 2.000000 0.000000\n");
    c.clear();
    Oli_Graphic_Polyline(3, x, y);
    EXPECT_EQ(c.text(),
              " 1  0.000000 0.000000 1.000000 1.000000\n 1  1.000000 1.000000 2.000000 0.000000\n"
              " 1  2.000000 0.000000 0.000000 0.000000\n");
    c.clear();
    Oli_Graphic_Polyline(1, x, y);
    EXPECT_EQ(c.text(), "");
}

/* Points of a record " 18 n x y x y ..." */
static std::vector<double> numbers_after(const std::string &line, int skip)
{
    std::istringstream in(line);
    std::vector<double> v;
    double d;
    while (in >> d) v.push_back(d);
    return std::vector<double>(v.begin() + skip, v.end());
}

TEST(OliGraphic, SectorPointsStopAtEndAngle)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 10, 10, 1, 0, nullptr);
    c.clear();
    Oli_Graphic_Filled_Sector(0, 0, 2, 0, 40);
    std::string t = c.text();
    ASSERT_EQ(t.substr(0, 6), " 18 6 ");
    std::vector<double> v = numbers_after(t, 2);
    ASSERT_EQ(v.size(), 12u);
    const double ang[4] = {0, M_PI / 16, 2 * M_PI / 16, 3 * M_PI / 16};
    EXPECT_EQ(v[0], 0.0);
    EXPECT_EQ(v[1], 0.0);
    for (int i = 0; i < 4; i++) {
        EXPECT_NEAR(v[2 + 2 * i], cos(ang[i]), 1e-6);
        EXPECT_NEAR(v[3 + 2 * i], sin(ang[i]), 1e-6);
    }
    EXPECT_NEAR(v[10], cos(40 * M_PI / 180), 1e-6);
    EXPECT_NEAR(v[11], sin(40 * M_PI / 180), 1e-6);
}

TEST(OliGraphic, SectorIsRotatedAndWrittenAsPlotArea)
{
    Reset_Writers();
    Capture c, p;
    Oli_Graphic_Begin(c.f, 0, 0, 10, 10, 1, M_PI / 2, nullptr);
    Plot_Begin(p.f, 0, 0, 10, 10, 1, M_PI / 2, "T");
    c.clear();
    p.clear();
    Oli_Graphic_Filled_Sector(0, 0, 2, 0, 10);
    /* centre, start (1, 0) -> (0, -1), end at 10 degrees turned by -90 degrees */
    double ex = sin(10 * M_PI / 180), ey = -cos(10 * M_PI / 180);
    char expect[200];
    snprintf(expect, sizeof expect, " 18 3 0.000000 0.000000 0.000000 -1.000000 %lf %lf\n", ex, ey);
    EXPECT_EQ(c.text(), expect);
    char plot[400];
    snprintf(plot, sizeof plot,
             "-opengroup\n-area / 0 0\n 3 0 ( @1 ( @1 0.000000 0.000000 ) #2 0 0 0 0.0 )\n"
             " 0 ( @2 ( @2 0.000000 -1.000000 ) #3 0 0 0 0.0 )\n"
             " 0 ( @3 ( @3 %lf %lf ) #1 0 0 0 0.0 )\n-closegroup\n",
             ex, ey);
    EXPECT_EQ(p.text(), plot);
    Plot_Writer.file = nullptr;
}

TEST(OliGraphic, ArcStepsAtMultiples)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 10, 10, 1, 0, nullptr);
    c.clear();
    Oli_Graphic_Arc(0, 0, 2, 0, 100);
    std::string t = c.text();
    /* multiples of pi/32 below 100 degrees: k = 1..17, then the last line to 100 degrees */
    EXPECT_EQ(std::count(t.begin(), t.end(), '\n'), 18);
    c.clear();
    Oli_Graphic_Arc(0, 0, 2, 0, 200);
    t = c.text();
    EXPECT_EQ(std::count(t.begin(), t.end(), '\n'), 18); /* pi/16: k = 1..17, then 200 degrees */
    c.clear();
    Oli_Graphic_Arc(0, 0, 2, 0, 0);
    EXPECT_EQ(c.text(), " 1  1.000000 0.000000 1.000000 0.000000\n");
    c.clear();
    Oli_Graphic_Arc(0, 0, 2, -30, 10);
    std::vector<double> v = numbers_after(c.text().substr(0, c.text().find('\n')), 1);
    EXPECT_NEAR(v[0], cos(330 * M_PI / 180), 1e-6);
    EXPECT_NEAR(v[1], sin(330 * M_PI / 180), 1e-6);
}

TEST(OliGraphic, FilledRectAndDisc)
{
    Reset_Writers();
    Capture c, p;
    Oli_Graphic_Begin(c.f, 0, 0, 10, 10, 1, 0, nullptr);
    Plot_Begin(p.f, 0, 0, 10, 10, 1, 0, "T");
    c.clear();
    p.clear();
    Oli_Graphic_Filled_Rect(0, 0, 4, 2);
    EXPECT_EQ(c.text(), " 24  0.000000 2.000000 4.000000 0.000000\n");
    EXPECT_EQ(p.text(), "-area / 0 0\n 4 0 ( @1 ( @1 0.000000 0.000000 ) #2 0 0 0 0.0 )\n"
                        " 0 ( @2 ( @2 0.000000 2.000000 ) #3 0 0 0 0.0 )\n"
                        " 0 ( @3 ( @3 4.000000 2.000000 ) #4 0 0 0 0.0 )\n"
                        " 0 ( @4 ( @4 4.0000 0.0000 ) #1 0 0 0 0.0 )\n");
    c.clear();
    p.clear();
    Oli_Graphic_Disc(5, 5, 2);
    std::string t = c.text();
    EXPECT_EQ(t.substr(0, 28), " 18 32 6.000000 5.000000 5.9");
    EXPECT_EQ(numbers_after(t, 2).size(), 64u);
    EXPECT_EQ(p.text(),
              "-opengroup\n-area / 0 0\n 2 0 ( @5 ( @5 5.000000 6.000000 ) #6 0 0 0 1.000000 )\n"
              " 0 ( @6 ( @6 5.000000 4.000000 ) #5 0 0 0 1.000000 )\n-closegroup\n");
    double xmin, ymin, xmax, ymax;
    Oli_Graphic_Reset_Bbox();
    Oli_Graphic_Disc(5, 5, 2);
    Oli_Graphic_Get_Bbox(&xmin, &ymin, &xmax, &ymax);
    EXPECT_EQ(xmin, 3.0);
    EXPECT_EQ(ymax, 7.0);
    Plot_Set_Filling(-1);
    p.clear();
    Oli_Graphic_Disc(5, 5, 2);
    Oli_Graphic_Filled_Rect(0, 0, 1, 1);
    EXPECT_EQ(p.text(), "");
    Plot_Writer.file = nullptr;
}

TEST(OliGraphic, ColoursAndLightening)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 10, 10, 1, 0, nullptr);
    c.clear();
    Oli_Graphic_Rgb_50(150, 112, 65);
    Oli_Graphic_Rgb_51_Packed(Rgb_Pack(20, 180, 240));
    Oli_Graphic_Set_Fill(43);
    Oli_Graphic_Set_Dash(3);
    EXPECT_EQ(c.text(), "50 150 112 65\n51 20 180 240\n 20  43\n 38 4 0.28 0.05 0.04 0.05 0\n");
    EXPECT_EQ(Rgb_Pack(300, -5, 128), 255 + 128 * 65536);
    int32_t r, g, b;
    Rgb_Unpack(0x0180FF, &r, &g, &b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, 128);
    EXPECT_EQ(b, 1);
    /* pure red: hue 6 wraps to hue 0 */
    Rgb_Lighten(255, 0, 0, 0, &r, &g, &b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, 0);
    EXPECT_EQ(b, 0);
    /* 50 % lighter: L 0.5 -> 0.75, q = 1, m = 0.5 -> (255, 128, 128) */
    Rgb_Lighten(255, 0, 0, 50, &r, &g, &b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, 128);
    EXPECT_EQ(b, 128);
    /* grey keeps its hue: L 100/255 x 1.2 */
    Rgb_Lighten(100, 100, 100, 20, &r, &g, &b);
    EXPECT_EQ(r, 120);
    EXPECT_EQ(b, 120);
    c.clear();
    Oli_Graphic_Rgb_50_Percent(50);
    /* L = 0.421569 x 1.5, S = 0.395349, H = 0.092157: (0.7777, 0.6477, 0.4870) x 255 */
    EXPECT_EQ(c.text(), "50 198 165 124\n");
    Oli_Graphic_Rgb_50_Percent(0);
    Oli_Graphic_Set_Fill_Mode(0);
    c.clear();
    Oli_Graphic_Set_Fill(43);
    EXPECT_EQ(c.text(), " 20  0\n");
}

TEST(OliGraphic, TextsAndPlacements)
{
    Reset_Writers();
    Capture c, p;
    Oli_Graphic_Begin(c.f, 0, 0, 100, 50, 0.1, 0, nullptr);
    Plot_Begin(p.f, 0, 0, 100, 50, 0.1, 0, "T");
    Plot_Set_Font(2);
    c.clear();
    p.clear();
    Oli_Graphic_Text(10, 5, "ab");
    Oli_Graphic_Text_Aligned(10, 5, 2, 3, "%s", "x");
    Oli_Graphic_Text_Aligned(10, 5, 4, 4, "y");
    Oli_Graphic_Text_Aligned(10, 5, 9, 9, "z");
    Oli_Graphic_Text_Bottom(10, 5, "u");
    EXPECT_EQ(c.text(), " 14 0.000000 0\n 3 1.000000 0.500000 \xAE"
                        "ab\xAF\n"
                        " 14 0.000000 0\n 10 1.000000 0.500000 1.000000 0.500000 225 \xAEx\xAF\n"
                        " 14 0.000000 0\n 10 1.000000 0.500000 1.000000 0.500000 210 \xAEy\xAF\n"
                        " 14 0.000000 0\n 10 1.000000 0.500000 1.000000 0.500000 225 \xAEz\xAF\n"
                        " 9 1.000000 0.500000 1.000000 0.500000 202 \xAEu\xAF\n");
    EXPECT_EQ(p.text(), "-text / 1 3 2 2 1 7 10.000000 5.000000 0.000000 1.2 0. 0.\n    \xAE"
                        "ab\xAF\n"
                        "-text / 1 2 2 2 1 7 10.000000 5.000000 0.000000 1.2 0. 0.\n    \xAEx\xAF\n"
                        "-text / 1 2 2 2 1 5 10.000000 5.000000 0.000000 1.2 0. 0.\n    \xAEy\xAF\n"
                        "-text / 1 2 2 2 1 5 10.000000 5.000000 0.000000 1.2 0. 0.\n    \xAEz\xAF\n"
                        "-text / 1 2 2 2 1 2 10.000000 5.000000 0. 1.2 0. 0.\n    \xAEu\xAF\n");
    /* a downward window mirrors every plot y */
    Oli_Graphic_Begin(c.f, 0, 50, 100, 0, 0.1, 0, nullptr);
    p.clear();
    Oli_Graphic_Text_Bottom(10, 5, "u");
    EXPECT_EQ(p.text(), "-text / 1 2 2 2 1 2 10.000000 45.000000 0. 1.2 0. 0.\n    \xAEu\xAF\n");
    Plot_Writer.file = nullptr;
}

TEST(OliGraphic, FramedAndCircledSizes)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 10, 10, 1, 0, nullptr);
    Oli_Graphic_Set_Colour_Mode(0);
    c.clear();
    Oli_Graphic_Framed_Text("A", 5, 5, 1, 1);
    /* hh = 0.8, one character: hw = hh */
    EXPECT_NE(c.text().find(" 24  4.200000 5.800000 5.800000 4.200000\n"), std::string::npos);
    c.clear();
    Oli_Graphic_Framed_Text("0123456789", 5, 5, 1, 1);
    EXPECT_NE(c.text().find(" 24  -1.400000 5.800000 11.400000 4.200000\n"), std::string::npos);
    c.clear();
    Oli_Graphic_Circled_Number(0, 0, 1, 1, 7);
    /* d = 1.5 x 1.52: the first disc point lies at r = 1.14 */
    EXPECT_NE(c.text().find(" 18 32 1.140000 0.000000"), std::string::npos);
    c.clear();
    Oli_Graphic_Circled_Number(0, 0, 1, 1, 12);
    EXPECT_NE(c.text().find(" 18 32 1.520000 0.000000"), std::string::npos);
}

TEST(OliGraphic, FillSamplesRows)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Fill_Samples(c.f);
    std::string t = c.text();
    EXPECT_NE(t.find(" 9 1.250000 1.000000 1.250000 1.000000 210 \xAE"
                     "0\xAF"),
              std::string::npos);
    EXPECT_NE(t.find(" 9 13.750000 1.000000 13.750000 1.000000 210 \xAE"
                     "5\xAF"),
              std::string::npos);
    EXPECT_NE(t.find(" 9 1.250000 21.000000 1.250000 21.000000 210 \xAE"
                     "60\xAF"),
              std::string::npos);
    EXPECT_NE(t.find(" 9 11.250000 21.000000 11.250000 21.000000 210 \xAE"
                     "64\xAF"),
              std::string::npos);
    EXPECT_EQ(t.substr(t.size() - 4), " -1\n");
    EXPECT_NE(t.find("F\x81llmustern"), std::string::npos);
}
