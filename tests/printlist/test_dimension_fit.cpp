/*
** Legible dimension chains: the labels of a fitted block stand between their marks when they
** fit, beyond the chain's end, over the extension lines or further out with a leader when they
** do not; no label touches a line, a mark or another label; runs of equal spacings too short for
** their labels become "n x a". Glyph sizes are measured with the viewer's font, not estimated.
*/
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "capture.h"
#include "foundation/ptrarr.h"
#include "platform/oliview.h"

namespace {

struct Box {
    double x0, y0, x1, y1;
};

struct Glyphs {
    std::string text; /* UTF-8 */
    Box box;          /* paper cm, y upwards */
    bool raised;
    Box font; /* the font's full height, 0.93 em over the base line, 0.24 em under it */
};

struct Drawing {
    std::vector<Box> lines; /* each line as its (thin) box, grown by half the line width */
    std::vector<std::pair<double, double>> line_ends[2];
    std::vector<Box> marks; /* dots */
    std::vector<Glyphs> texts;
};

/* The corners of a rectangle along angle a (radians) from (x, y): along from a0 to a1, up from
** b0 to b1, as an axis-parallel box. */
Box turned(double x, double y, double a, double a0, double a1, double b0, double b1)
{
    Box r{1e9, 1e9, -1e9, -1e9};
    for (double u : {a0, a1})
        for (double v : {b0, b1}) {
            double px = x + u * cos(a) - v * sin(a), py = y + u * sin(a) + v * cos(a);
            r.x0 = std::min(r.x0, px);
            r.x1 = std::max(r.x1, px);
            r.y0 = std::min(r.y0, py);
            r.y1 = std::max(r.y1, py);
        }
    return r;
}

/* Read the element records of a block: lines, dots and the texts of the labels with the boxes
** their glyphs fill (capital height above the base line, measured widths). */
Drawing Parse(const std::string &t)
{
    Drawing d;
    double cap = 0.2, angle = 0;
    size_t at = 0;
    while (at < t.size()) {
        size_t end = t.find('\n', at);
        if (end == std::string::npos) end = t.size();
        const std::string l = t.substr(at, end - at);
        at = end + 1;
        double a, b, c, e;
        int word;
        char text[64] = "";
        if (sscanf(l.c_str(), " 13 %lf", &a) == 1 && l.rfind(" 13 ", 0) == 0) {
            cap = a;
        } else if (l.rfind(" 14 ", 0) == 0 && sscanf(l.c_str(), " 14 %lf", &a) == 1) {
            angle = a * M_PI / 180.0;
        } else if (l.rfind(" 1  ", 0) == 0
                   && sscanf(l.c_str(), " 1  %lf %lf %lf %lf", &a, &b, &c, &e) == 4) {
            const double g = 0.02; /* half of the default line width */
            d.lines.push_back(Box{std::min(a, c) - g, std::min(b, e) - g, std::max(a, c) + g,
                                  std::max(b, e) + g});
        } else if (l.rfind(" 18 ", 0) == 0) {
            int n = 0, used = 0;
            sscanf(l.c_str(), " 18 %d%n", &n, &used);
            Box bx{1e9, 1e9, -1e9, -1e9};
            const char *p = l.c_str() + used;
            for (int k = 0; k < n; k++) {
                double x, y;
                int u = 0;
                if (sscanf(p, " %lf %lf%n", &x, &y, &u) != 2) break;
                p += u;
                bx.x0 = std::min(bx.x0, x);
                bx.x1 = std::max(bx.x1, x);
                bx.y0 = std::min(bx.y0, y);
                bx.y1 = std::max(bx.y1, y);
            }
            d.marks.push_back(bx);
        } else if (l.rfind(" 10 ", 0) == 0
                   && sscanf(l.c_str(), " 10 %lf %lf %lf %lf %d \xAE%63[^\xAF]", &a, &b, &c, &e,
                             &word, text)
                          == 6) {
            const std::string u = Oli_Plain_Utf8(text);
            const double w = Oli_Text_Width_Cm(u, cap / 0.73 * 72.0 / 2.54, 0);
            /* a comma reaches 0.24 em below the base line */
            const double deep =
                u.find_first_of(",;()gjpqy") != std::string::npos ? 0.24 * cap / 0.73 : 0.0;
            const double em = cap / 0.73;
            d.texts.push_back(Glyphs{
                u, turned(a, b, angle, -w / 2, w / 2, -cap / 2 - deep, cap / 2), false,
                turned(a, b, angle, -w / 2, w / 2, -cap / 2 - 0.24 * em, -cap / 2 + 0.93 * em)});
        } else if (l.rfind(" 3 ", 0) == 0
                   && sscanf(l.c_str(), " 3 %lf %lf \xAE%63[^\xAF]", &a, &b, text) == 3) {
            const std::string u = Oli_Plain_Utf8(text);
            if (u.find_first_not_of(' ') == std::string::npos) continue;
            const double w = Oli_Text_Width_Cm(u, cap / 0.73 * 72.0 / 2.54, 0);
            const double em = cap / 0.73;
            d.texts.push_back(Glyphs{u, turned(a, b, angle, 0, w, 0, cap), true,
                                     turned(a, b, angle, 0, w, -0.24 * em, 0.93 * em)});
        }
    }
    return d;
}

bool Meet(const Box &a, const Box &b)
{
    return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}

/* Every text clear of every line, mark and other label (by the font's full height, as text
** extraction sees a word), and inside the window's height: the offending pairs. A label's main
** and raised text touch each other by design. */
std::vector<std::string> Clashes(const Drawing &d, double y0 = -1e9, double y1 = 1e9)
{
    std::vector<std::string> out;
    for (size_t i = 0; i < d.texts.size(); i++) {
        const Glyphs &g = d.texts[i];
        for (const Box &l : d.lines)
            if (Meet(g.box, l)) out.push_back(g.text + " on a line");
        for (const Box &m : d.marks)
            if (Meet(g.box, m)) out.push_back(g.text + " on a mark");
        for (size_t j = i + 1; j < d.texts.size(); j++) {
            const bool own_raised = d.texts[j].raised && j == i + 1;
            if (!own_raised && Meet(g.font, d.texts[j].font))
                out.push_back(g.text + " on " + d.texts[j].text);
        }
        if (g.font.y0 < y0 || g.font.y1 > y1) out.push_back(g.text + " outside the window");
    }
    return out;
}

void Chain(Ptr_Array *list, std::initializer_list<double> at, double y)
{
    for (double x : at) Dim_Chain_Add_Point(list, x, y);
}

void Vertical_Chain(Ptr_Array *list, std::initializer_list<double> at, double x)
{
    for (double y : at) Dim_Chain_Add_Point(list, x, y);
}

} // namespace

/* A chain whose labels all fit: each label stands between its marks, 2 h over the line, and
** the marks stay where the chain of the Part puts them. */
TEST(OliDimensionFit, LabelsThatFitStandBetweenTheirMarks)
{
    Reset_Writers();
    Oli_Set_Dimension_Flags(OLI_DIM_DOTS);
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 20, 10, 1, 0, nullptr);
    Oli_Graphic_Fit_Begin(0, 0, 20, 10);
    Ptr_Array list = {nullptr, 0, 0};
    Chain(&list, {12.5, 2, 6}, 5); /* sorted: 2, 6, 12.5 */
    EXPECT_EQ(Oli_Graphic_Dimension_Chain_Fitted(&list, 2, 5, 0.1, OLI_FIT_MM), 2.0);
    EXPECT_EQ(Ptr_Array_Count(&list), 0);
    const std::string marks = c.text();
    c.clear();
    EXPECT_EQ(Oli_Graphic_Fit_End(), 0);
    EXPECT_EQ(c.text().find(" 1  "), std::string::npos)
        << "no leader for a label between its marks";
    const std::string t = marks + c.text();
    /* the dimension lines overshoot their points by h */
    EXPECT_NE(t.find(" 1  1.900000 5.000000 6.100000 5.000000"), std::string::npos) << t;
    EXPECT_NE(t.find(" 1  5.900000 5.000000 12.600000 5.000000"), std::string::npos) << t;
    const Drawing d = Parse(t);
    ASSERT_EQ(d.texts.size(), 3u); /* "4" (its raised blank is no glyph), "6" and its raised 5 */
    EXPECT_EQ(d.texts[0].text, "4");
    EXPECT_NEAR((d.texts[0].box.x0 + d.texts[0].box.x1) / 2, 4.0, 0.06);
    EXPECT_NEAR((d.texts[0].box.y0 + d.texts[0].box.y1) / 2, 5.2, 1e-6);
    EXPECT_TRUE(Clashes(d).empty()) << Clashes(d)[0];
    EXPECT_NE(t.find("\xAE"
                     "6\xAF"),
              std::string::npos);
    EXPECT_NE(t.find("\xAE"
                     "5\xAF"),
              std::string::npos);
}

/* Labels that do not fit: the first and last go beyond the chain's ends, those between are
** lifted over the extension lines, on alternating sides, or led out; nothing touches, along a
** horizontal and a vertical chain. */
TEST(OliDimensionFit, LabelsThatDoNotFitMoveOutsideTheChain)
{
    for (int mode : {2, 3}) {
        Reset_Writers();
        Oli_Set_Dimension_Flags(OLI_DIM_DOTS);
        Capture c;
        Oli_Graphic_Begin(c.f, 0, 0, 20, 20, 1, 0, nullptr);
        Oli_Graphic_Fit_Begin(0, 0, 20, 20);
        Ptr_Array list = {nullptr, 0, 0};
        /* 0.2 cm at both ends, 0.15 and 0.25 between: none of 0², 0¹ (raised 5), 0³ fits */
        for (double v : {5.0, 5.2, 5.35, 5.6, 10.0, 10.2})
            Dim_Chain_Add_Point(&list, mode == 2 ? v : 8, mode == 2 ? 8 : v);
        Oli_Graphic_Dimension_Chain_Fitted(&list, mode, 8, 0.1, OLI_FIT_MM);
        /* a line across the place over the chain, which the labels must avoid */
        if (mode == 2) Oli_Graphic_Line(5.3, 8.1, 5.3, 9.5);
        else Oli_Graphic_Line(7.9, 5.3, 6.5, 5.3);
        EXPECT_EQ(Oli_Graphic_Fit_End(), 0);
        const Drawing d = Parse(c.text());
        const std::vector<std::string> clashes = Clashes(d, 0, 20);
        EXPECT_TRUE(clashes.empty()) << clashes[0];
        /* the first label beyond the start, the last beyond the end */
        ASSERT_GE(d.texts.size(), 5u);
        double first = 1e9, last = 0;
        for (const Glyphs &g : d.texts) {
            first = std::min(first, mode == 2 ? g.box.x1 : g.box.y1);
            last = std::max(last, mode == 2 ? g.box.x0 : g.box.y0);
        }
        EXPECT_LT(first, 5.0) << mode;
        EXPECT_GT(last, 10.2) << mode;
    }
}

/* Two neighbours that do not fit stand on either side of their chain, each centred on its own
** dimension, just past the extension lines: 4 h on the label side, 2 h on the other. */
TEST(OliDimensionFit, NeighboursThatDoNotFitAlternateTheirSides)
{
    Reset_Writers();
    Oli_Set_Dimension_Flags(OLI_DIM_DOTS);
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 20, 20, 1, 0, nullptr);
    Oli_Graphic_Fit_Begin(0, 0, 20, 20);
    Ptr_Array list = {nullptr, 0, 0};
    Chain(&list, {2, 5, 5.15, 5.4, 9}, 8); /* 0.15 (0²) and 0.25 (0³) between two that fit */
    Oli_Graphic_Dimension_Chain_Fitted(&list, 2, 8, 0.1, OLI_FIT_MM);
    EXPECT_EQ(Oli_Graphic_Fit_End(), 0);
    const Drawing d = Parse(c.text());
    EXPECT_TRUE(Clashes(d).empty()) << Clashes(d)[0];
    int above = 0, below = 0;
    for (const Glyphs &g : d.texts) {
        if (g.raised || g.text != "0") continue;
        const double mx = (g.box.x0 + g.box.x1) / 2;
        /* centred on its dimension: 5.075 or 5.275, the main text a little left of the middle */
        EXPECT_TRUE(std::fabs(mx - 5.075) < 0.08 || std::fabs(mx - 5.275) < 0.08) << mx;
        if (g.box.y0 > 8.4) {
            above++;
            EXPECT_LT(g.box.y0, 8.4 + 0.1); /* just over the extension lines' 4 h */
        } else if (g.box.y1 < 8.0 - 0.2) {
            below++;
            EXPECT_GT(g.box.y1, 8.0 - 0.2 - 0.1); /* just under their 2 h */
        }
    }
    EXPECT_EQ(above, 1);
    EXPECT_EQ(below, 1);
}

/* A label with no room beside its dimension is led out: its leader starts on the middle of the
** dimension line, leaves it sideways and stops short of the label's glyphs. */
TEST(OliDimensionFit, ALabelWithoutRoomNearbyGetsALeader)
{
    Reset_Writers();
    Oli_Set_Dimension_Flags(OLI_DIM_DOTS);
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 20, 20, 1, 0, nullptr);
    Oli_Graphic_Fit_Begin(0, 0, 20, 20);
    Ptr_Array list = {nullptr, 0, 0};
    Vertical_Chain(&list, {2, 9.9, 10.1, 18}, 10); /* 0.2 in the middle of two that fit */
    Oli_Graphic_Dimension_Chain_Fitted(&list, 3, 10, 0.1, OLI_FIT_MM);
    /* lines on both sides, where a lifted label or one beside the chain would stand */
    for (double x : {9.3, 9.4, 9.5, 9.6, 9.7, 9.8, 10.2, 10.3, 10.4, 10.5})
        Oli_Graphic_Line(x, 9.0, x, 11.0);
    c.clear();
    EXPECT_EQ(Oli_Graphic_Fit_End(), 0);
    const std::string t = c.text();
    const Drawing d = Parse(t);
    EXPECT_TRUE(Clashes(d).empty()) << Clashes(d)[0];
    /* the leader: the one line written with the labels */
    double x1, y1, x2, y2;
    const size_t at = t.find(" 1  ");
    ASSERT_NE(at, std::string::npos) << t;
    ASSERT_EQ(sscanf(t.c_str() + at, " 1  %lf %lf %lf %lf", &x1, &y1, &x2, &y2), 4);
    EXPECT_NEAR(x1, 10.0, 1e-6);
    EXPECT_NEAR(y1, 10.0, 1e-6);
    EXPECT_GE(std::fabs(x2 - x1), 0.5 * std::hypot(x2 - x1, y2 - y1)) << "sideways";
    const Glyphs *zero = nullptr;
    for (const Glyphs &g : d.texts)
        if (g.text == "0") zero = &g;
    ASSERT_NE(zero, nullptr);
    const double dx = std::max({zero->box.x0 - x2, x2 - zero->box.x1, 0.0});
    const double dy = std::max({zero->box.y0 - y2, y2 - zero->box.y1, 0.0});
    EXPECT_GT(std::hypot(dx, dy), 0.02);
    EXPECT_LT(std::hypot(dx, dy), 0.1);
}

/* The labels of a block as "main^raised" (the raised text after a caret, none for a blank). */
static std::vector<std::string> Labels(const std::string &t)
{
    std::vector<std::string> out;
    std::istringstream in(t);
    for (std::string l; std::getline(in, l);) {
        const size_t a = l.find('\xAE'), b = l.find('\xAF');
        if (a == std::string::npos || b == std::string::npos) continue;
        const std::string text = Oli_Plain_Utf8(l.substr(a + 1, b - a - 1));
        if (l.rfind(" 10 ", 0) == 0) out.push_back(text);
        else if (l.rfind(" 3 ", 0) == 0 && !out.empty() && text != " ") out.back() += "^" + text;
    }
    std::sort(out.begin(), out.end());
    return out;
}

/* A run of equal spacings too short for their labels is one dimension "n × a"; a spacing of
** 3.95 reached along different sums is one spacing, not "3⁹" here and "4" there. */
TEST(OliDimensionFit, DenseRunsMergeIntoOneDimension)
{
    Reset_Writers();
    Oli_Set_Dimension_Flags(OLI_DIM_DOTS);
    Capture c;
    /* 1:20: 3.95 cm are 0.1975 cm on paper, less than the label "3⁹⁵" needs */
    Oli_Graphic_Begin(c.f, -40, -40, 40, 40, 0.05, 0, nullptr);
    Oli_Graphic_Fit_Begin(-40, -40, 40, 40);
    Ptr_Array list = {nullptr, 0, 0};
    double y = -7.9;
    Dim_Chain_Add_Point(&list, -20, -10);
    for (int k = 0; k < 5; k++, y += 3.95) Dim_Chain_Add_Point(&list, -20, y);
    Dim_Chain_Add_Point(&list, -20, 10);
    c.clear();
    /* -10, -7.9, 4 x 3.95, 10: three dimensions */
    EXPECT_EQ(Oli_Graphic_Dimension_Chain_Fitted(&list, 3, -20, 0.1, OLI_FIT_MM), 3.0);
    EXPECT_EQ(Oli_Graphic_Fit_End(), 0);
    const std::string t = c.text();
    /* 2.1 + 4 x 3.95 + 2.1 = 20.0, the whole; 4 x 4 would give 20.2 */
    const std::vector<std::string> want = {"2^1", "2^1", "4 × 3^95"};
    EXPECT_EQ(Labels(t), want) << t;
    const Drawing d = Parse(t);
    EXPECT_TRUE(Clashes(d, -2, 2).empty()) << Clashes(d, -2, 2)[0];
    /* three dimensions with a dot at each end; none at the points inside the run (y 0 is 0 on
  ** paper, x -20 is -1) */
    EXPECT_EQ(d.marks.size(), 6u);
    for (const Box &m : d.marks) EXPECT_FALSE(m.x0 < -1 && m.x1 > -1 && m.y0 < 0 && m.y1 > 0);
}

/* The parts of a chain, as printed, add up to its whole as printed: in millimetres when they do,
** else in hundredths of a cm, else as the differences of the points' hundredths. */
TEST(OliDimensionFit, TheLabelsOfAChainAddUpToItsWhole)
{
    struct Row {
        std::vector<double> at; /* points along a horizontal chain, cm */
        double scale;           /* paper cm per cm */
        std::vector<std::string> labels;
    };
    std::vector<double> nails = {-60, 0, 60}; /* 8 columns from 6.3 to 53.7 */
    for (int k = 0; k < 8; k++) nails.push_back(6.3 + k * 47.4 / 7);
    std::vector<double> drift; /* 12 parts of 1.0049 */
    for (int k = 0; k <= 12; k++) drift.push_back(k * 1.0049);
    const Row rows[] = {
        /* 3 + 4.5 + 2.5 = 10.0: millimetres as before */
        {{0, 3, 7.5, 10}, 1.0, {"2^5", "3", "4^5"}},
        /* 60 + 6.3 + 7 x 6.8 + 6.3 = 120.2, but 60 + 6.3 + 7 x 6.77 (47.4 / 7 = 6.7714) + 6.3
        ** = 119.99, which prints as 120.0; at 1:15 6.77 takes 0.451 cm of paper, too little for
        ** "6⁷⁷" (0.52 cm with its clearance) */
        {nails, 1.0 / 15.0, {"6^3", "6^3", "60", "7 × 6^77"}},
        /* 12 x 1.0 = 12.0 and 12 x 1.00 = 12.00 but 12 x 1.0049 = 12.0588, 12.1: the points at
        ** k 1.0049 to hundredths, 0, 1.00, 2.01, 3.01, 4.02, ..., 11.05, 12.06, give 1.00 and
        ** 1.01 by turns, 12.06 in all */
        {drift,
         1.0,
         {"1", "1", "1", "1", "1", "1", "1^01", "1^01", "1^01", "1^01", "1^01", "1^01"}},
    };
    for (const Row &r : rows) {
        Reset_Writers();
        Oli_Set_Dimension_Flags(OLI_DIM_DOTS);
        Capture c;
        Oli_Graphic_Begin(c.f, -200, -200, 200, 200, r.scale, 0, nullptr);
        Oli_Graphic_Fit_Begin(-200, -200, 200, 200);
        Ptr_Array list = {nullptr, 0, 0};
        for (double x : r.at) Dim_Chain_Add_Point(&list, x, 0);
        Oli_Graphic_Dimension_Chain_Fitted(&list, 2, 0, 0.1, OLI_FIT_MM);
        c.clear();
        Oli_Graphic_Fit_End();
        std::vector<std::string> want = r.labels;
        std::sort(want.begin(), want.end());
        EXPECT_EQ(Labels(c.text()), want) << r.at.size() << " points";
    }
}

/* The centimetre form; a label that finds no free place is counted and still written. */
TEST(OliDimensionFit, CentimetreFormAndALabelWithoutRoom)
{
    Reset_Writers();
    Oli_Set_Dimension_Flags(OLI_DIM_DOTS);
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 1, 1, 1, 0, nullptr);
    Oli_Graphic_Fit_Begin(0, 0, 1, 1);
    Ptr_Array list = {nullptr, 0, 0};
    Vertical_Chain(&list, {0.2, 0.8}, 0.5); /* 0.6 cm: 0 with a raised 5 */
    Oli_Graphic_Dimension_Chain_Fitted(&list, 3, 0.5, 0.1, OLI_FIT_CM);
    /* the window is filled: no place is left */
    double x[4] = {-0.3, -0.3, 1.3, 1.3}, yy[4] = {-0.3, 0.45, 0.45, -0.3};
    Oli_Graphic_Filled_Polygon(4, x, yy);
    double x2[4] = {-0.3, -0.3, 1.3, 1.3}, y2[4] = {0.55, 1.3, 1.3, 0.55};
    Oli_Graphic_Filled_Polygon(4, x2, y2);
    EXPECT_EQ(Oli_Graphic_Fit_End(), 1);
    EXPECT_NE(c.text().find("\xAE"
                            "0\xAF"),
              std::string::npos);
    /* it is written lifted over the extension lines, on its side (left of the upward chain) */
    const Drawing full = Parse(c.text());
    ASSERT_FALSE(full.texts.empty());
    EXPECT_LT(full.texts[0].box.x1, 0.5 - 0.4);
    /* 12.5 cm: the centimetre form raises a 5 */
    c.clear();
    Oli_Graphic_Begin(c.f, 0, 0, 20, 20, 1, 0, nullptr);
    Oli_Graphic_Fit_Begin(0, 0, 20, 20);
    Vertical_Chain(&list, {2, 14.5}, 10);
    Oli_Graphic_Dimension_Chain_Fitted(&list, 3, 10, 0.1, OLI_FIT_CM);
    EXPECT_EQ(Oli_Graphic_Fit_End(), 0);
    const std::string t = c.text();
    EXPECT_NE(t.find("\xAE"
                     "12\xAF"),
              std::string::npos);
    EXPECT_NE(t.find("\xAE"
                     "5\xAF"),
              std::string::npos);
}

/* Outside a fitted block a fitted chain writes its labels at once, between the marks; the
** single fitted dimension carries its own texts. */
TEST(OliDimensionFit, OutsideAFittedBlockLabelsAreWrittenAtOnce)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 20, 10, 1, 0, nullptr);
    Ptr_Array list = {nullptr, 0, 0};
    Chain(&list, {2, 6}, 5);
    Oli_Graphic_Dimension_Chain_Fitted(&list, 2, 5, 0.1, OLI_FIT_MM);
    Oli_Graphic_Dimension_Fitted(10, 1, 10, 5, 0.1, "a4,t", "");
    const std::string t = c.text();
    EXPECT_NE(t.find("\xAE"
                     "4\xAF"),
              std::string::npos);
    EXPECT_NE(t.find("\xAE"
                     "a4,t\xAF"),
              std::string::npos);
    /* the comma reaches below the base line: that label stands higher than one without */
    const Drawing d = Parse(t);
    ASSERT_EQ(d.texts.size(), 2u);
    EXPECT_TRUE(Clashes(d).empty()) << Clashes(d)[0];
    EXPECT_EQ(Oli_Graphic_Fit_End(), 0);
}
