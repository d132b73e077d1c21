/*
** Tests of the splice drawings: the scale fit over the standard scales, the frame of the view
** (reserve, caption, plot file), the fastener symbols (connector sectors, thin alternate
** staples, alternation restarting with every view) and the spacing sketch with its arrows.
*/
#include "results_test_util.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/catalogue.h"
#include "printlist/printlist.h"
#include "results/plot_internal.h"
#include "results/print_list.h"

static std::string Read_File(const char *path)
{
    std::string s;
    FILE *f = fopen(path, "rb");
    if (f == nullptr) return s;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    fclose(f);
    return s;
}

static std::vector<std::string> Lines_With_Prefix(const std::string &s, const std::string &prefix)
{
    std::vector<std::string> out;
    std::istringstream in(s);
    std::string line;
    while (std::getline(in, line))
        if (line.compare(0, prefix.size(), prefix) == 0) out.push_back(line);
    return out;
}

/* Numbers of a record line after its code. */
static std::vector<double> Numbers(const std::string &line)
{
    std::vector<double> v;
    std::istringstream in(line);
    double x;
    while (in >> x) v.push_back(x);
    return v;
}

/* ---------------------------------------------------------------- scale */

TEST(PlotScale, ViewOfTwoMetresOnTenByEight)
{
    /* base window x +-105, y +-15.3; the fit converges to s = 8.8 / 210 = 0.0419 (width bound:
    ** 10 = 210 s + 2 * 0.6), the first standard scale at or below it is 1:25; at s = 0.04 a
    ** margin unit is 0.6 / 0.04 = 15 cm: x0 = -105 - 30, y0 = -15.3 - 45, y1 = 15.3 + 15 */
    Fresh_Splice(true);
    Splice_Input.L = 200.0;
    Splice_Input.h = 30.0;
    double x0, y0, x1, y1;
    const double s = Plot_Scale_Ansicht(&x0, &y0, &x1, &y1, 2, 0, 3, 1);
    EXPECT_DOUBLE_EQ(s, 1.0 / 25.0);
    EXPECT_NEAR(x0, -135.0, 1e-9);
    EXPECT_NEAR(y0, -60.3, 1e-9);
    EXPECT_NEAR(x1, 105.0, 1e-9);
    EXPECT_NEAR(y1, 30.3, 1e-9);

    /* a plot of 0.01 x 0.01 cm fits nothing: 1:10000 */
    Splice_Input.print.view_w = 0.01;
    Splice_Input.print.view_h = 0.01;
    EXPECT_DOUBLE_EQ(Plot_Scale_Ansicht(&x0, &y0, &x1, &y1, 2, 0, 3, 1), 1.0 / 10000.0);

    /* a short member on a large plot stops at 1:1 */
    const Plot_Margins none = {.left = 0, .right = 0, .bottom = 0, .top = 0};
    EXPECT_DOUBLE_EQ(Plot_Fit_Scale({.x0 = -1, .y0 = -1, .x1 = 1, .y1 = 1}, 50, 50, none, nullptr),
                     1.0);
    /* 4 cm of model on 1 cm of paper: 1/4 lies between 1:2 and 1:5 */
    EXPECT_DOUBLE_EQ(Plot_Fit_Scale({.x0 = -2, .y0 = -2, .x1 = 2, .y1 = 2}, 1, 1, none, nullptr),
                     1.0 / 5.0);
}

TEST(PlotScale, ViewFrameReserveCaptionAndPlotFile)
{
    Fresh_Splice(true);
    Splice_Input.L = 200.0;
    Splice_Input.h = 30.0;
    Splice_Input.h_s = 30.0;
    snprintf(Bauteilkennung, sizeof Bauteilkennung, "%s", "frametest");
    unlink("frametest01.SPF");
    FILE *f = tmpfile();
    Plot_Ansicht_01(f);
    const std::string s = Slurp_Stream(f);
    fclose(f);
    /* 1 + (30.3 + 60.3) * 0.04 = 4.624 cm */
    EXPECT_NE(s.find("#OLI_RESERVE 4.624\n"), std::string::npos) << s.substr(0, 300);
    EXPECT_NE(s.find("\xCE"
                     "bAnsicht Ma\xE1stab 1:25\xCEr, L\x84ngeneinheit in [cm]"),
              std::string::npos);
    EXPECT_NE(s.find(" 6 0.040000\n"), std::string::npos);
    EXPECT_NE(s.find(" -1\n"), std::string::npos);
    const std::string plot = Read_File("frametest01.SPF");
    EXPECT_NE(plot.find("Ansicht M 1:25"), std::string::npos) << plot.substr(0, 400);
    unlink("frametest01.SPF");

    /* no print list: nothing is drawn and no plot file is made */
    Plot_Ansicht_01(nullptr);
    EXPECT_NE(access("frametest01.SPF", F_OK), 0);
}

/* ---------------------------------------------------------------- fastener symbols */

static std::string Symbol_Record(int type, double d_mm)
{
    Fresh_Splice(true);
    Splice_Input.vbm_type = type;
    Splice_Input.d = d_mm;
    FILE *f = tmpfile();
    Oli_Graphic_Begin(f, -20, -20, 20, 20, 1.0, 0.0, nullptr);
    Oli_Draw_Vbm_Symbol(0.0, 0.0, 0, 0);
    const std::string s = Slurp_Stream(f);
    fclose(f);
    return s;
}

TEST(PlotSymbol, ConnectorSectorsBySize)
{
    /* 60 mm: the single sector (-90, -180), whose first edge point lies straight below the
    ** centre at r = 3 cm */
    std::vector<std::string> areas = Lines_With_Prefix(Symbol_Record(25, 60.0), " 18 ");
    ASSERT_EQ(areas.size(), 1u);
    std::vector<double> v = Numbers(areas[0]);
    ASSERT_GE(v.size(), 6u);
    EXPECT_NEAR(v[2], 0.0, 1e-6); /* centre */
    EXPECT_NEAR(v[3], 0.0, 1e-6);
    EXPECT_NEAR(v[4], 0.0, 1e-6); /* first edge point at -90 degrees */
    EXPECT_NEAR(v[5], -3.0, 1e-6);
    /* 50 mm: the sector (0, 90) starting at (r, 0) */
    areas = Lines_With_Prefix(Symbol_Record(26, 50.0), " 18 ");
    ASSERT_EQ(areas.size(), 1u);
    v = Numbers(areas[0]);
    EXPECT_NEAR(v[4], 2.5, 1e-6);
    EXPECT_NEAR(v[5], 0.0, 1e-6);
    /* 80 and 95 mm: two sectors; 120 mm: none, only the circle and the cross */
    EXPECT_EQ(Lines_With_Prefix(Symbol_Record(31, 80.0), " 18 ").size(), 2u);
    EXPECT_EQ(Lines_With_Prefix(Symbol_Record(32, 95.0), " 18 ").size(), 2u);
    const std::string big = Symbol_Record(33, 120.0);
    EXPECT_EQ(Lines_With_Prefix(big, " 18 ").size(), 0u);
    /* the cross: two lines of half-length 1.15 r = 1.15 * 6 cm */
    bool cross = false;
    for (const std::string &l : Lines_With_Prefix(big, " 1  ")) {
        std::vector<double> p = Numbers(l);
        if (p.size() == 5 && std::fabs(p[1] + 6.9) < 1e-6 && std::fabs(p[3] - 6.9) < 1e-6)
            cross = true;
    }
    EXPECT_TRUE(cross) << big;
    /* dowels: a disc of the diameter, outlined, with a cross of half-length r */
    const std::string dowel = Symbol_Record(29, 12.0);
    EXPECT_EQ(Lines_With_Prefix(dowel, " 18 ").size(), 1u);
    EXPECT_NE(dowel.find(" 1  -0.600000 0.000000 0.600000 0.000000\n"), std::string::npos) << dowel;
}

/* A fastener is drawn no smaller than can be seen on paper, and no larger than the room to its
** neighbour allows, in a red of its own. */
TEST(PlotSymbol, FastenersStandOutInColourAndSize)
{
    struct Row {
        double size, s, least, room, drawn; /* cm, paper cm per cm, paper cm, cm, cm */
    } rows[] = {
        {0.9, 1.0 / 15, 0.16, 0.0, 2.4}, /* a 9 mm head at 1:15: 0.16 x 15 = 2.4 cm */
        {0.9, 1.0 / 15, 0.16, 2.0, 1.6}, /* 2 cm to the next: 0.8 x 2 = 1.6 cm */
        {0.9, 1.0 / 15, 0.16, 1.0, 0.9}, /* 0.8 x 1 = 0.8 < 0.9: never below the real size */
        {1.6, 1.0 / 20, 0.16, 0.0, 3.2}, /* a 16 mm dowel at 1:20: 0.16 x 20 = 3.2 cm */
        {0.9, 1.0, 0.16, 0.0, 0.9},      /* at 1:1 the head itself */
    };
    for (const Row &r : rows)
        EXPECT_NEAR(Plot_Visible_Size(r.size, r.s, r.least, r.room), r.drawn, 1e-9) << r.size;
    /* (3, 4) and (3, 4.5) are 0.5 apart, every other pair farther */
    const double x[4] = {0, 3, 10, 3}, y[4] = {0, 4, 0, 4.5};
    EXPECT_NEAR(Plot_Least_Distance(x, y, 4), 0.5, 1e-12);
    EXPECT_EQ(Plot_Least_Distance(x, y, 1), 0.0);

    /* a nail with a head of 9 mm in a block at 1:15: a disc of 0.16 cm on paper, whose first
    ** point lies 0.08 cm right of the centre */
    Fresh_Splice(true);
    Splice_Input.vbm_type = 0;
    Splice_Input.d = 4.2;
    Splice_Input.d_k = 9.0;
    Splice_Input.two_sided = 1;
    FILE *f = tmpfile();
    Oli_Graphic_Begin(f, -20, -20, 20, 20, 1.0 / 15, 0.0, nullptr);
    Plot_Fastener_Colours();
    Oli_Draw_Vbm_Symbol(0.0, 0.0, 2, 0);
    const std::string s = Slurp_Stream(f);
    fclose(f);
    const std::vector<std::string> discs = Lines_With_Prefix(s, " 18 ");
    ASSERT_EQ(discs.size(), 1u) << s;
    const std::vector<double> v = Numbers(discs[0]);
    ASSERT_GE(v.size(), 4u); /* 18, the count, then the points */
    EXPECT_NEAR(v[2], 0.08, 1e-6);
    EXPECT_NEAR(v[3], 0.0, 1e-6);
    /* filled in red (fill 55), outlined in dark red */
    EXPECT_NE(s.find(" 20  55\n"), std::string::npos) << s;
    EXPECT_NE(s.find("51 170 0 0\n"), std::string::npos) << s;
    EXPECT_NE(s.find("50 110 0 0\n"), std::string::npos) << s;
}

TEST(PlotSymbol, AlternateStaplesAreThinnerAndTheViewRestartsTheAlternation)
{
    Fresh_Splice(true);
    Splice_Input.vbm_type = 1;
    Splice_Input.d = 1.5;
    Splice_Input.d_k = 11.0;
    Splice_Input.two_sided = 0;
    Set_Layout(4, 3);
    FILE *f = tmpfile();
    Oli_Graphic_Begin(f, -20, -20, 20, 20, 1.0, 0.0, nullptr);
    for (int i = 0; i < 4; i++) Oli_Draw_Vbm_Symbol(0.0, 2.0 * i, 0, i);
    std::string s = Slurp_Stream(f);
    fclose(f);
    /* every second stroke thinner: 0.025 and 0.04 cm, each followed by the view's 0.02 */
    EXPECT_EQ(Lines_With_Prefix(s, " 6 0.025000").size(), 2u) << s;
    EXPECT_EQ(Lines_With_Prefix(s, " 6 0.040000").size(), 2u);
    /* driven from both sides at every position: all strokes plain */
    f = tmpfile();
    Oli_Graphic_Begin(f, -20, -20, 20, 20, 1.0, 0.0, nullptr);
    Splice_Input.two_sided = 1;
    for (int i = 0; i < 4; i++) Oli_Draw_Vbm_Symbol(0.0, 2.0 * i, 1, i);
    s = Slurp_Stream(f);
    fclose(f);
    EXPECT_EQ(Lines_With_Prefix(s, " 6 0.025000").size(), 0u);

    /* two views of a nail splice are the same, however the last drawing ended */
    Fresh_Splice(true);
    Splice_Input.vbm_type = 0;
    Splice_Input.d = 4.2;
    Splice_Input.l = 110.0;
    Splice_Input.d_k = 9.0;
    Splice_Input.two_sided = 0;
    Splice_Input.t_s = 6.0;
    Splice_Input.h = 20.0;
    Splice_Input.h_s = 20.0;
    Splice_Input.splice_kind = SPLICE_TENSION;
    Splice_Input.L_user = 0;
    Set_Layout(4, 3);
    Set_Lkom(0, 0, 0.0, 30.0, 0.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    snprintf(Bauteilkennung, sizeof Bauteilkennung, "%s", "alternation");
    f = tmpfile();
    Plot_Ansicht_01(f);
    const std::string first = Slurp_Stream(f);
    fclose(f);
    f = tmpfile();
    Oli_Graphic_Begin(f, -20, -20, 20, 20, 1.0, 0.0, nullptr);
    Oli_Draw_Vbm_Symbol(0.0, 0.0, 0, 0); /* leaves the alternation flipped */
    fclose(f);
    f = tmpfile();
    Plot_Ansicht_01(f);
    const std::string second = Slurp_Stream(f);
    fclose(f);
    EXPECT_EQ(first, second);
    /* open heads (circles) and filled heads (discs) both occur */
    EXPECT_GT(Lines_With_Prefix(first, " 18 32 ").size(), 0u);
    unlink("alternation01.SPF");

    /* Alternate nails in 4 rows: the head of a nail from the near side is a disc, from the far
    ** side a circle; neighbours in a column and in a row alternate (records column by column):
    ** column 1 near, far, near, far; column 2 far, near, far, near. Each symbol draws the same
    ** wherever it stands in the drawing. */
    Set_Layout(2, 4);
    const bool disc[8] = {true, false, true, false, false, true, false, true};
    for (int i = 7; i >= 0; i--) {
        f = tmpfile();
        Oli_Graphic_Begin(f, -20, -20, 20, 20, 1.0, 0.0, nullptr);
        Oli_Draw_Vbm_Symbol(0.0, 0.0, 0, i);
        const std::string one = Slurp_Stream(f);
        fclose(f);
        EXPECT_EQ(!Lines_With_Prefix(one, " 18 32 ").empty(), disc[i]) << i;
    }
}

/* ---------------------------------------------------------------- spacing sketch */

TEST(PlotSketch, GridVariantsLabelsAndArrow)
{
    FILE *f = tmpfile();
    Oli_Draw_Spacing_Sketch_A1_A2(f, 0, 0.1);
    const std::string din = Slurp_Stream(f);
    fclose(f);
    /* eight discs of panel 1 and one in each of the three other panels */
    EXPECT_EQ(Lines_With_Prefix(din, " 18 32 ").size(), 8u + 3u);
    f = tmpfile();
    Oli_Draw_Spacing_Sketch_A3_A4(f, 1, 0.1);
    const std::string ec = Slurp_Stream(f);
    fclose(f);
    EXPECT_EQ(Lines_With_Prefix(ec, " 18 32 ").size(), 9u + 3u);
    EXPECT_NE(din.find("Bezeichnung der Randabst\x84nde nach DIN 1052, Bild 41"),
              std::string::npos);
    EXPECT_NE(ec.find("Bezeichnung der Randabst\x84nde nach DIN EN 1995, Bild 8.7"),
              std::string::npos);
    EXPECT_NE(din.find("a1,t"), std::string::npos);
    EXPECT_NE(ec.find("a3,t"), std::string::npos);
    EXPECT_EQ(ec.find("a1,t"), std::string::npos);
    EXPECT_NE(ec.find("a4,c"), std::string::npos);
    EXPECT_TRUE(din.size() > 0 && din.compare(din.size() - 4, 4, " -1\n") == 0);
    /* nothing without a print list */
    Oli_Draw_Spacing_Sketch_A1_A2(nullptr, 0, 0.1);

    /* the arrow at angle 0: head triangle tip (x - 100, 180), corners 40 back and 7.5 aside */
    f = tmpfile();
    Oli_Graphic_Begin(f, 0, 0, 2000, 380, 1.0, 0.0, nullptr);
    Oli_Draw_Arrow(675.0, 0.0);
    const std::string arrow = Slurp_Stream(f);
    fclose(f);
    std::vector<std::string> heads = Lines_With_Prefix(arrow, " 18 3 ");
    ASSERT_EQ(heads.size(), 1u) << arrow;
    std::vector<double> v = Numbers(heads[0]);
    ASSERT_EQ(v.size(), 8u);
    EXPECT_NEAR(v[2], 575.0, 1e-6);
    EXPECT_NEAR(v[3], 180.0, 1e-6);
    EXPECT_NEAR(v[4], 615.0, 1e-6);
    EXPECT_NEAR(std::fabs(v[5] - 180.0), 7.5, 1e-6);
    /* the shaft from the head base (615, 180) to the tail (675, 180) */
    EXPECT_NE(arrow.find(" 1  615.000000 180.000000 675.000000 180.000000\n"), std::string::npos)
        << arrow;

    /* at angle pi/2 the tip lies 100 below the tail */
    f = tmpfile();
    Oli_Graphic_Begin(f, 0, 0, 2000, 380, 1.0, 0.0, nullptr);
    Oli_Draw_Arrow(675.0, M_PI / 2);
    heads = Lines_With_Prefix(Slurp_Stream(f), " 18 3 ");
    fclose(f);
    ASSERT_EQ(heads.size(), 1u);
    v = Numbers(heads[0]);
    EXPECT_NEAR(v[2], 675.0, 1e-6);
    EXPECT_NEAR(v[3], 80.0, 1e-6);

    /* styled arrows: style 0 three lines, 1 shaft and closed head outline, 3 nothing */
    f = tmpfile();
    Oli_Graphic_Begin(f, 0, 0, 2000, 380, 1.0, 0.0, nullptr);
    const long start = ftell(f);
    Oli_Draw_Arrow_Styled(100, 100, 0, 50, 10, 6, 3);
    EXPECT_EQ(ftell(f), start);
    Oli_Draw_Arrow_Styled(100, 100, 0, 50, 10, 6, 0);
    std::string st = Slurp_Stream(f);
    EXPECT_EQ(Lines_With_Prefix(st.substr((size_t)start), " 1  ").size(), 3u);
    fclose(f);
    f = tmpfile();
    Oli_Graphic_Begin(f, -100, -100, 100, 100, 1.0, 0.0, nullptr);
    Oli_Draw_Arrow_Centred(0, 0, 0, 50, 10, 6, 1);
    st = Slurp_Stream(f);
    fclose(f);
    EXPECT_EQ(Lines_With_Prefix(st, " 1  ").size(), 4u);
    /* the shaft from the head base 15 to the tail -25 */
    EXPECT_NE(st.find(" 1  15.000000 0.000000 -25.000000 0.000000\n"), std::string::npos) << st;
}

/* ---------------------------------------------------------------- sections of a connector splice */

/* Extents (width, height) of every four-cornered area record. */
static std::vector<std::pair<double, double>> Box_Extents(const std::string &s)
{
    std::vector<std::pair<double, double>> out;
    for (const std::string &l : Lines_With_Prefix(s, " 18 4 ")) {
        std::vector<double> v = Numbers(l);
        if (v.size() != 10) continue;
        double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
        for (int k = 0; k < 4; k++) {
            x0 = std::min(x0, v[2 + 2 * k]);
            x1 = std::max(x1, v[2 + 2 * k]);
            y0 = std::min(y0, v[3 + 2 * k]);
            y1 = std::max(y1, v[3 + 2 * k]);
        }
        out.push_back({x1 - x0, y1 - y0});
    }
    return out;
}

static int Count_Extent(const std::vector<std::pair<double, double>> &boxes, double w, double h)
{
    int n = 0;
    for (const auto &b : boxes)
        if (std::fabs(b.first - w) < 1e-4 && std::fabs(b.second - h) < 1e-4) n++;
    return n;
}

TEST(PlotSections, RingConnectorsInBothSections)
{
    /* ring connectors of 65 mm, 30 mm deep, M12 bolts: 2 columns of 2 rows per half */
    Fresh_Splice(true);
    Connector_Catalogue *cat = const_cast<Connector_Catalogue *>(Get_Connector_Catalogue(25));
    ASSERT_NE(cat, nullptr);
    if (cat->n_rows < 1) cat->n_rows = 1;
    cat->rows[0].hc = 30.0;
    Splice_Input.vbm_type = 25;
    Splice_Input.connector_index = 0;
    Splice_Input.d = 65.0;
    Splice_Input.d_bolt = 12.0;
    Splice_Input.L = 80.0;
    Set_Layout(2, 2);
    ASSERT_EQ(Build_Regular_Pattern(12.0, -6.0, 15.0, 12.0, 2), 1);
    snprintf(Bauteilkennung, sizeof Bauteilkennung, "%s", "rings");

    double x0, y0, x1, y1;
    const double s = Plot_Scale_Laengsschnitt(&x0, &y0, &x1, &y1, 2, 0, 3, 1);
    FILE *f = tmpfile();
    Plot_Laengsschnitt_02(f);
    std::string out = Slurp_Stream(f);
    fclose(f);
    std::vector<std::pair<double, double>> boxes = Box_Extents(out);
    /* one drawn fastener per column (rows 2: i mod 2 = 0) at +x and -x: 4 positions, each with
    ** two rings D x hc across both joint planes, two washers 4 r_b x 1.4 r_b and a shank 2 r_b
    ** through the splice (8 + 12 + 8 cm) */
    EXPECT_EQ(Count_Extent(boxes, 6.5 * s, 3.0 * s), 8) << out.substr(0, 2000);
    EXPECT_EQ(Count_Extent(boxes, 4 * 0.6 * s, 1.4 * 0.6 * s), 8);
    EXPECT_EQ(Count_Extent(boxes, 1.2 * s, 28.0 * s), 4);
    EXPECT_NE(out.find(" 20  50\n"), std::string::npos);

    const double sq = Plot_Scale_Querschnitt(&x0, &y0, &x1, &y1, 3, 2, 3, 1);
    f = tmpfile();
    Plot_Querschnitt_03(f);
    out = Slurp_Stream(f);
    fclose(f);
    boxes = Box_Extents(out);
    /* the two rows of the first column: two rings hc x D each and the bolt through */
    EXPECT_EQ(Count_Extent(boxes, 3.0 * sq, 6.5 * sq), 4) << out.substr(0, 2000);
    EXPECT_EQ(Count_Extent(boxes, 28.0 * sq, 1.2 * sq), 2);
    /* side timbers: no washers in the cross section (only outside plates have them) */
    EXPECT_EQ(Count_Extent(boxes, 1.2 * 0.6 * sq, 3.0 * 0.6 * sq), 0);
    for (const char *name : {"rings02.SPF", "rings03.SPF"}) unlink(name);
}

/* Nails 4.2 x 110 mm through 6 cm side timbers into a 12 cm member, 3 rows: driven from both
** sides the cross section shows a pair in every row, one shank of l = 11 cm by 2 r = 0.42 cm
** from each face; driven alternately one a row, from the right (X1) face in rows 0 and 2 and
** from the left in row 1, as the view draws their heads and the design counts their planes. */
TEST(PlotSections, NailsInTheCrossSectionAsTheyAreDriven)
{
    Side_Timber_Nail_Splice(); /* 4.2 x 110 mm, 6 + 12 + 6 cm, 4 x 3 */
    Splice_Input.d_k = 9.0;
    Splice_Input.L = 80.0;
    ASSERT_EQ(Build_Regular_Pattern(5.0, -6.0, 8.0, 6.0, 4), 1);
    snprintf(Bauteilkennung, sizeof Bauteilkennung, "%s", "nailsq");
    double x0, y0, x1, y1;
    const double s = Plot_Scale_Querschnitt(&x0, &y0, &x1, &y1, 3, 2, 3, 1);
    for (int two_sided = 1; two_sided >= 0; two_sided--) {
        Splice_Input.two_sided = two_sided;
        FILE *f = tmpfile();
        Plot_Querschnitt_03(f);
        const std::string out = Slurp_Stream(f);
        fclose(f);
        int right = 0, left = 0;
        for (const std::string &l : Lines_With_Prefix(out, " 18 4 ")) {
            std::vector<double> v = Numbers(l);
            if (v.size() != 10) continue;
            const double xa = std::min(v[2], v[6]), xb = std::max(v[2], v[6]);
            const double ya = std::min(v[3], v[5]), yb = std::max(v[3], v[5]);
            if (std::fabs((xb - xa) - 11.0 * s) > 1e-4 || std::fabs((yb - ya) - 0.42 * s) > 1e-4)
                continue;
            if (std::fabs(xb - 12.0 * s) < 1e-4) right++; /* from X1 = 6 + 6 cm inward */
            if (std::fabs(xa + 12.0 * s) < 1e-4) left++;
        }
        EXPECT_EQ(right, two_sided ? 3 : 2) << two_sided;
        EXPECT_EQ(left, two_sided ? 3 : 1) << two_sided;
    }
    unlink("nailsq03.SPF");
}

/* A lap of 2 x 4 cm joined by staples 60 mm long, 2 columns of 3 rows: the longitudinal section
** draws the first staple of each column, one a position from alternate faces as the view and the
** cross section do, each with two legs of l = 6 cm; nails of the same lap draw one shank a
** column. */
TEST(PlotSections, StaplesOfALapInTheLongitudinalSection)
{
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_LAP;
    Splice_Input.b = 8.0;
    Splice_Input.h = 20.0;
    Splice_Input.L = 40.0;
    for (int type : {1, 0}) {
        Splice_Input.vbm_type = type;
        Splice_Input.d = type == 1 ? 1.5 : 3.1;
        Splice_Input.d_k = type == 1 ? 11.0 : 7.0;
        Splice_Input.staple_angle = 30.0;
        Splice_Input.l = 60.0;
        Set_Layout(2, 3);
        ASSERT_EQ(Build_Regular_Pattern(-10.0, -5.0, 20.0, 5.0, 2), 1);
        snprintf(Bauteilkennung, sizeof Bauteilkennung, "%s", "lapst");
        double x0, y0, x1, y1;
        const double s = Plot_Scale_Laengsschnitt(&x0, &y0, &x1, &y1, 2, 0, 3, 1);
        FILE *f = tmpfile();
        Plot_Laengsschnitt_02(f);
        const std::string out = Slurp_Stream(f);
        fclose(f);
        int shanks = 0;
        for (const auto &b : Box_Extents(out))
            if (std::fabs(b.second - 6.0 * s) < 1e-4) shanks++;
        EXPECT_EQ(shanks, type == 1 ? 4 : 2) << type; /* two legs a staple, one shank a nail */
    }
    unlink("lapst02.SPF");
}

TEST(PlotSections, InnerPlatesAndThreeRowsInTheCrossSection)
{
    /* two plates of 1 cm in a 12 cm member: timber parts of (12 - 2) / 3 = 3.333 cm, plates from
    ** -6 + 3.333 = -2.667 to -1.667 and from -6 + 2 * 3.333 + 1 = 1.667 to 2.667 */
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_INNER_PLATES;
    Splice_Input.b = 12.0;
    Splice_Input.h = 24.0;
    Splice_Input.plate_count = 2.0;
    Splice_Input.t_p = 1.0;
    Splice_Input.h_p = 20.0;
    Splice_Input.d = 12.0;
    Splice_Input.L = 60.0;
    Set_Layout(5, 3);
    ASSERT_EQ(Build_Regular_Pattern(8.0, -8.0, 5.0, 8.0, 5), 1);
    snprintf(Bauteilkennung, sizeof Bauteilkennung, "%s", "innerq");
    double x0, y0, x1, y1;
    const double s = Plot_Scale_Querschnitt(&x0, &y0, &x1, &y1, 3, 2, 3, 1);
    FILE *f = tmpfile();
    Plot_Querschnitt_03(f);
    const std::string out = Slurp_Stream(f);
    fclose(f);
    std::vector<std::pair<double, double>> boxes = Box_Extents(out);
    /* three dowels over the full width (whatever the five columns), two plates as high as
    ** they are (20 cm in the 24 cm member) */
    EXPECT_EQ(Count_Extent(boxes, 12.0 * s, 1.2 * s), 3);
    EXPECT_EQ(Count_Extent(boxes, 1.0 * s, 20.0 * s), 2);
    EXPECT_EQ(Count_Extent(boxes, 1.0 * s, 24.0 * s), 0);
    bool left = false, right = false;
    for (const std::string &l : Lines_With_Prefix(out, " 18 4 ")) {
        std::vector<double> v = Numbers(l);
        if (v.size() != 10) continue;
        const double xa = std::min(v[2], v[6]), xb = std::max(v[2], v[6]);
        if (std::fabs(xa - (-8.0 / 3.0) * s) < 1e-4 && std::fabs(xb - (-5.0 / 3.0) * s) < 1e-4)
            left = true;
        if (std::fabs(xa - (5.0 / 3.0) * s) < 1e-4 && std::fabs(xb - (8.0 / 3.0) * s) < 1e-4)
            right = true;
    }
    EXPECT_TRUE(left);
    EXPECT_TRUE(right);
    unlink("innerq03.SPF");
}
