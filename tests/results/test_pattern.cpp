/*
** Tests of the fastener pattern: builders, centroid, valid combinations, the forces on one
** fastener and the preparation run's refusals and automatic values.
*/
#include "results_test_util.h"

#include <vector>

#include "foundation/codepage.h"

/* ---------------------------------------------------------------- builders and centroid */

TEST(Pattern, RegularTwoByTwoCentroidAndPolarMoment)
{
    Fresh_Splice(false);
    Set_Layout(2, 2);
    ASSERT_EQ(Build_Regular_Pattern(5.0, -5.0, 10.0, 10.0, 2), 1);
    ASSERT_EQ(Fastener_Pattern.count, 4);
    /* record j + i * rows: (5,-5), (5,5), (15,-5), (15,5) */
    EXPECT_DOUBLE_EQ(Fastener_Pattern.recs[1].x, 5.0);
    EXPECT_DOUBLE_EQ(Fastener_Pattern.recs[1].y, 5.0);
    EXPECT_DOUBLE_EQ(Fastener_Pattern.recs[2].x, 15.0);
    EXPECT_DOUBLE_EQ(Fastener_Pattern.recs[2].y, -5.0);
    EXPECT_DOUBLE_EQ(Fastener_Pattern.a1_actual, 10.0);
    EXPECT_DOUBLE_EQ(Fastener_Pattern.a2_actual, 10.0);

    double xc = -1, yc = -1, ip = -1;
    ASSERT_EQ(Calc_Pattern_Centroid(&xc, &yc, &ip, 4, Fastener_Pattern.recs), 1);
    /* x_c = (5 + 5 + 15 + 15) / 4 = 10, y_c = 0, r = sqrt(5² + 5²) = 7.0711, I_p = 4 * 50 */
    EXPECT_DOUBLE_EQ(xc, 10.0);
    EXPECT_DOUBLE_EQ(yc, 0.0);
    EXPECT_DOUBLE_EQ(ip, 200.0);
    EXPECT_NEAR(Fastener_Pattern.recs[0].r, 7.0710678, 1e-6);
    /* polar angle of (5,-5): atan2(0 - -5, 10 - 5) = pi / 4 */
    EXPECT_NEAR(Fastener_Pattern.recs[0].polar_angle, M_PI / 4.0, 1e-12);
}

TEST(Pattern, CentroidRefusesZeroWeight)
{
    Fresh_Splice(false);
    Set_Layout(1, 2);
    Build_Regular_Pattern(5.0, -5.0, 0.0, 10.0, 1);
    Fastener_Pattern.recs[0].weight = 0.0;
    Fastener_Pattern.recs[1].weight = 0.0;
    double xc = 42.0;
    EXPECT_EQ(Calc_Pattern_Centroid(&xc, nullptr, nullptr, 2, Fastener_Pattern.recs), 0);
    EXPECT_EQ(xc, 42.0);
}

TEST(Pattern, StaggeredThreeRowsAndMirror)
{
    Fresh_Splice(false);
    /* columns every a1/2 = 5 from 0 to 10; even columns y = -10, 10; odd column y = 0 */
    ASSERT_EQ(Build_Staggered_Pattern(0.0, -10.0, 10.0, 10.0, 10.0, 10.0), 1);
    ASSERT_EQ(Fastener_Pattern.count, 5);
    const double xs[5] = {0, 0, 5, 10, 10}, ys[5] = {-10, 10, 0, -10, 10};
    for (int i = 0; i < 5; i++) {
        EXPECT_NEAR(Fastener_Pattern.recs[i].x, xs[i], 1e-12) << i;
        EXPECT_NEAR(Fastener_Pattern.recs[i].y, ys[i], 1e-12) << i;
    }
    EXPECT_DOUBLE_EQ(Fastener_Pattern.a1_actual, 10.0);
    EXPECT_DOUBLE_EQ(Fastener_Pattern.a2_actual, 20.0);

    Fresh_Splice(false);
    Set_Layout(1, 1);
    Build_Regular_Pattern(5.0, 0.0, 0.0, 0.0, 1);
    ASSERT_EQ(Mirror_Pattern(0.0), 1);
    ASSERT_EQ(Fastener_Pattern.count, 2);
    EXPECT_DOUBLE_EQ(Fastener_Pattern.recs[1].x, -5.0);
}

TEST(Pattern, BuildersRejectOverflow)
{
    Fresh_Splice(false);
    Set_Layout(100, 50);
    EXPECT_EQ(Build_Regular_Pattern(0, 0, 1, 1, 100), 0); /* 5000 > capacity */
    Set_Layout(40, 50);
    ASSERT_EQ(Build_Regular_Pattern(0, 0, 1, 1, 40), 1); /* 2000 */
    ASSERT_EQ(Mirror_Pattern(0.0), 1);                   /* 4000 */
    EXPECT_EQ(Mirror_Pattern(0.0), 0);
    EXPECT_EQ(Fastener_Pattern.count, 4000);
    EXPECT_EQ(Build_Staggered_Pattern(0, 0, 10, 10, 0.0, 1.0), 0); /* no step: refused */
}

/* ---------------------------------------------------------------- small routines */

TEST(Pattern, ValidCombinations)
{
    Fresh_Splice(false);
    Set_Lkom(0, 0, 1e-6, 1e-6, 1e-6);
    Set_Lkom(0, 1, 5.0, 0.0, 0.0);
    Set_Lkom(0, 2, 0.0, -3.0, 0.0);
    Get_Lkom_Entry(0, 3)->M_d = 5.0; /* not used */
    EXPECT_EQ(Is_Lkom_Valid(0, 0), 0);
    EXPECT_EQ(Is_Lkom_Valid(0, 1), 1);
    EXPECT_EQ(Is_Lkom_Valid(0, 3), 0);
    EXPECT_EQ(Is_Lkom_Valid(-1, 0), 0);
    EXPECT_EQ(Is_Lkom_Valid(0, 1000), 0);
    Splice_Input.splice_kind = SPLICE_TENSION;
    EXPECT_EQ(Is_Lkom_Valid(0, 1), 0);
    EXPECT_EQ(Is_Lkom_Valid(0, 2), 0);
    Splice_Input.splice_kind = SPLICE_COMPRESSION;
    EXPECT_EQ(Is_Lkom_Valid(0, 2), 1);

    /* The name of a combination on the pages and in the report: its row in the report's table,
    ** which counts the combinations of the used groups that hold an action, and its place on the
    ** page. A tension splice with groups in slots 0 and 2 (1 unused): rows 1 = (0, 0),
    ** 2 = (0, 1), 3 = (0, 2), 4 = (2, 1), 5 = (2, 2); (0, 1) with N_d < 0 is listed, marked as
    ** not checked, so that no number moves with the splice kind; (2, 0), all zero, is no row;
    ** slot 2 is shown as "Gruppe 2". */
    Fresh_Splice(false);
    Splice_Input.splice_kind = SPLICE_TENSION;
    Set_Lkom(0, 0, 0.0, 40.0, 0.0);
    Set_Lkom(0, 1, 0.0, -10.0, 0.0);
    Set_Lkom(0, 2, 0.0, 30.0, 0.0);
    Set_Lkom(2, 0, 0.0, 0.0, 0.0);
    Set_Lkom(2, 1, 0.0, 20.0, 0.0);
    Set_Lkom(2, 2, 0.0, 50.0, 0.0);
    const struct {
        int g, e;
        const char *name;
    } names[] = {
        {0, 0, "Nr. 1 (Gruppe 1, Kombination 1)"}, {0, 1, "Nr. 2 (Gruppe 1, Kombination 2)"},
        {0, 2, "Nr. 3 (Gruppe 1, Kombination 3)"}, {2, 2, "Nr. 5 (Gruppe 2, Kombination 3)"},
        {2, 0, "Gruppe 2, Kombination 1"},
    };
    for (const auto &n : names) {
        char name[64];
        Lkom_Name(n.g, n.e, name, sizeof name);
        EXPECT_STREQ(name, n.name);
    }
    /* the rows of the utilisation page and of the summary know the number only: the same name */
    char name[64];
    Lkom_Row_Name(4, name, sizeof name);
    EXPECT_STREQ(name, "Nr. 4 (Gruppe 2, Kombination 2)");
    /* the same numbers for a compression splice, which leaves out the other three */
    Splice_Input.splice_kind = SPLICE_COMPRESSION;
    Lkom_Name(2, 2, name, sizeof name);
    EXPECT_STREQ(name, "Nr. 5 (Gruppe 2, Kombination 3)");
}

TEST(Pattern, TimberPartThicknessAndAutomaticSideThickness)
{
    Fresh_Splice(false);
    Splice_Input.b = 16.0;
    Splice_Input.plate_count = 2.7; /* truncated to 2 */
    Splice_Input.t_p = 1.0;
    EXPECT_NEAR(Calc_Timber_Part_Thickness(), (16.0 - 2.0) / 3.0, 1e-12);
    Splice_Input.plate_count = -1.0; /* bad input: no division by zero */
    EXPECT_DOUBLE_EQ(Calc_Timber_Part_Thickness(), 0.0);
    EXPECT_DOUBLE_EQ(Calc_Auto_Side_Thickness(43.0), 6.0);  /* trunc 4.3 + 1 = 5 -> 6 */
    EXPECT_DOUBLE_EQ(Calc_Auto_Side_Thickness(61.0), 8.0);  /* 7 is odd -> 8 */
    EXPECT_DOUBLE_EQ(Calc_Auto_Side_Thickness(95.0), 10.0); /* 10, even */
}

TEST(Pattern, BigConnectors)
{
    Fresh_Splice(false);
    Splice_Input.vbm_type = 25;
    Splice_Input.d = 130.0;
    Set_Layout(2, 1);
    EXPECT_EQ(Is_Big_Connector_Multi(), 1);
    Splice_Input.d = 129.0;
    EXPECT_EQ(Is_Big_Connector_Multi(), 0);
    Splice_Input.d = 160.0;
    Set_Layout(1.9, 1);
    EXPECT_EQ(Is_Big_Connector_Multi(), 0);
    Splice_Input.vbm_type = 29;
    Set_Layout(4, 1);
    EXPECT_EQ(Is_Big_Connector_Multi(), 0);
}

/* ---------------------------------------------------------------- forces */

TEST(Forces, BendingOnTwoByTwo)
{
    Fresh_Splice(false);
    Set_Layout(2, 2);
    Build_Regular_Pattern(5.0, -5.0, 10.0, 10.0, 2);
    Calc_Pattern_Centroid(&Fastener_Pattern.x_c, &Fastener_Pattern.y_c, &Fastener_Pattern.I_p, 4,
                          Fastener_Pattern.recs);
    Splice_Input.shear_planes = 2;
    Lkom_Entry *c = Set_Lkom(0, 0, 10.0, 0.0, 20.0);
    /* moment for distribution |M_d| + |x_c V_d / 100| = 10 + 10 * 20 / 100 = 12 kNm */
    c->M_distr = 12.0;
    double Np = -1, Vp = -1, Mp, Mx, My, Fx, Fy, F, a;
    Get_Fastener_Force(/*group=*/0, /*entry=*/0, /*i=*/0, /*n=*/4, /*N_part=*/&Np, /*V_part=*/&Vp,
                       /*M_part=*/&Mp, /*M_x=*/&Mx, /*M_y=*/&My, /*F_x=*/&Fx, /*F_y=*/&Fy, /*F=*/&F,
                       /*angle=*/&a);
    /* N = 0; V = 20 / 4 / 2 = 2.5; M = 1200 kNcm about the centroid, turning against V_d at the
    ** far column (clockwise, M_c = -1200): the forces sum to V_d, and their moment about the
    ** joint, sum of s (x F_y - y F_x) = 2 x (12.5 + 12.5 - 262.5 - 262.5) = -1000 kNcm, is M_d.
    ** Fastener 0 at (5, -5), next to the joint, dx = dy = -5: M_x = -M_c dy / I_p / s =
    ** -1200 x 5 / 200 / 2 = -15, M_y = M_c dx / I_p / s = 15; F_x = -15, F_y = 17.5;
    ** F = sqrt(225 + 306.25) = 23.049; angle atan2(17.5, -15) = 130.60 deg -> acute 49.40 deg */
    EXPECT_DOUBLE_EQ(Np, 0.0);
    EXPECT_DOUBLE_EQ(Vp, 2.5);
    EXPECT_NEAR(Mx, -15.0, 1e-12);
    EXPECT_NEAR(My, 15.0, 1e-12);
    EXPECT_NEAR(Mp, std::sqrt(2.0 * 30.0 * 30.0) / 2.0, 1e-12);
    EXPECT_NEAR(F, 23.049, 5e-4);
    EXPECT_NEAR(a * 180.0 / M_PI, 49.40, 5e-3);
    Get_Fastener_Force(/*group=*/0, /*entry=*/0, /*i=*/2, /*n=*/4, /*N_part=*/nullptr,
                       /*V_part=*/nullptr, /*M_part=*/nullptr, /*M_x=*/nullptr, /*M_y=*/nullptr,
                       /*F_x=*/&Fx, /*F_y=*/&Fy, /*F=*/&F, /*angle=*/&a);
    /* (15,-5), the far column: dx = 5, dy = -5: F_x = -15, F_y = 2.5 - 15 = -12.5;
    ** F = sqrt(225 + 156.25) = 19.526; angle atan2(-12.5, -15) + 180 deg = 39.81 deg */
    EXPECT_NEAR(Fx, -15.0, 1e-12);
    EXPECT_NEAR(Fy, -12.5, 1e-12);
    EXPECT_NEAR(F, 19.526, 5e-4);
    EXPECT_NEAR(a * 180.0 / M_PI, 39.81, 5e-3);

    /* The sign of M_d does not turn the half: the column next to the joint keeps V_d's share
    ** plus the moment's part. A negative V_d turns every force round. */
    c->M_d = -10.0;
    Get_Fastener_Force(/*group=*/0, /*entry=*/0, /*i=*/2, /*n=*/4, /*N_part=*/nullptr,
                       /*V_part=*/nullptr, /*M_part=*/nullptr, /*M_x=*/nullptr, /*M_y=*/nullptr,
                       /*F_x=*/&Fx, /*F_y=*/&Fy, /*F=*/&F, /*angle=*/&a);
    EXPECT_NEAR(Fx, -15.0, 1e-12);
    EXPECT_NEAR(Fy, -12.5, 1e-12);
    c->V_d = -20.0;
    Get_Fastener_Force(/*group=*/0, /*entry=*/0, /*i=*/0, /*n=*/4, /*N_part=*/nullptr,
                       /*V_part=*/nullptr, /*M_part=*/nullptr, /*M_x=*/nullptr, /*M_y=*/nullptr,
                       /*F_x=*/&Fx, /*F_y=*/&Fy, /*F=*/&F, /*angle=*/&a);
    EXPECT_NEAR(Fx, 15.0, 1e-12);
    EXPECT_NEAR(Fy, -17.5, 1e-12);
    c->V_d = 20.0;

    /* An index outside the pattern leaves the per-fastener outputs alone. */
    double untouched = 77.0;
    Get_Fastener_Force(/*group=*/0, /*entry=*/0, /*i=*/-1, /*n=*/4, /*N_part=*/&Np, /*V_part=*/&Vp,
                       /*M_part=*/nullptr, /*M_x=*/nullptr, /*M_y=*/nullptr, /*F_x=*/nullptr,
                       /*F_y=*/nullptr, /*F=*/&untouched, /*angle=*/nullptr);
    EXPECT_EQ(untouched, 77.0);
    EXPECT_DOUBLE_EQ(Vp, 2.5);
}

/* A tension splice without shear gives every fastener the same force along the grain. With
** shear its fasteners carry V_d and the moment of V_d about their centroid as in a bending
** splice (EN 1995-1-1, 8.2: the lateral load at its angle to the grain), but not M_d.
** 2 x 2 fasteners at x = 5, 15 and y = -5, 5: x_c = 10, I_p = 4 * 50 = 200 cm², two shear planes.
** N = 80: 80 / (4 * 2) = 10 kN each. V = 20: 20 / 8 = 2.5 kN each; the preparation stores
** M_distr = |x_c V / 100| = 2 kNm = 200 kNcm (M_d = 10 kNm is left out): moment parts
** 200 * (+-5) / 200 / 2 = +-2.5 kN along and across the grain. V_d acts at the joint, so the
** column next to it carries V_d's share plus the moment's part. */
TEST(Forces, TensionSpliceTakesShearButNotTheMoment)
{
    Fresh_Splice(false);
    Splice_Input.splice_kind = SPLICE_TENSION;
    Set_Layout(2, 2);
    Build_Regular_Pattern(5.0, -5.0, 10.0, 10.0, 2);
    Calc_Pattern_Centroid(&Fastener_Pattern.x_c, &Fastener_Pattern.y_c, &Fastener_Pattern.I_p, 4,
                          Fastener_Pattern.recs);
    Splice_Input.shear_planes = 2;
    Lkom_Entry *c = Set_Lkom(0, 0, 10.0, 80.0, 0.0);
    for (int i = 0; i < 4; i++) {
        double F = 0, a = 1, Fy = 1;
        Get_Fastener_Force(/*group=*/0, /*entry=*/0, /*i=*/i, /*n=*/4, /*N_part=*/nullptr,
                           /*V_part=*/nullptr, /*M_part=*/nullptr, /*M_x=*/nullptr, /*M_y=*/nullptr,
                           /*F_x=*/nullptr, /*F_y=*/&Fy, /*F=*/&F, /*angle=*/&a);
        EXPECT_DOUBLE_EQ(F, 10.0); /* 80 / (4 * 2) */
        EXPECT_DOUBLE_EQ(Fy, 0.0);
        EXPECT_DOUBLE_EQ(a, 0.0);
    }
    c->V_d = 20.0;
    c->M_distr = 2.0;
    /* (x, y) = (5, -5): F_x = 10 - 2.5 = 7.5, F_y = 2.5 + 2.5 = 5 -> F = sqrt(7.5² + 5²) =
    ** 9.013878, angle atan(5 / 7.5) = 0.588003; (5, 5): 12.5, 5 -> F = 13.462912, angle
    ** atan(5 / 12.5) = 0.380506; (15, -5): 7.5, 0; (15, 5): 12.5, 0 */
    const double Fx_hand[4] = {7.5, 12.5, 7.5, 12.5}, Fy_hand[4] = {5.0, 5.0, 0.0, 0.0};
    const double F_hand[4] = {9.013878, 13.462912, 7.5, 12.5};
    const double a_hand[4] = {0.588003, 0.380506, 0.0, 0.0};
    for (int i = 0; i < 4; i++) {
        double Fx = 0, Fy = 0, F = 0, a = 0;
        Get_Fastener_Force(/*group=*/0, /*entry=*/0, /*i=*/i, /*n=*/4, /*N_part=*/nullptr,
                           /*V_part=*/nullptr, /*M_part=*/nullptr, /*M_x=*/nullptr, /*M_y=*/nullptr,
                           /*F_x=*/&Fx, /*F_y=*/&Fy, /*F=*/&F, /*angle=*/&a);
        EXPECT_NEAR(Fx, Fx_hand[i], 1e-9) << i;
        EXPECT_NEAR(Fy, Fy_hand[i], 1e-9) << i;
        EXPECT_NEAR(F, F_hand[i], 1e-6) << i;
        EXPECT_NEAR(a, a_hand[i], 1e-6) << i;
    }
}

/* ---------------------------------------------------------------- preparation run */

TEST(Prepare, RefusalsInTheirOrder)
{
    Fresh_Splice(true);
    Set_Layout(4, 3);
    EXPECT_EQ(Prepare_Splice_Calc(), 124); /* no valid combination */
    Set_Lkom(6, 10, 0.0, 10.0, 0.0);       /* the only one, in the seventh group */
    Splice_Input.splice_kind = SPLICE_TENSION;
    Get_Lkom_Entry(6, 10)->N_d = -10.0;
    EXPECT_EQ(Prepare_Splice_Calc(), 124); /* tension splice, N_d <= 0 only */
    Get_Lkom_Entry(6, 10)->N_d = 10.0;

    Set_Layout(2, 4, LAYOUT_STAGGERED); /* even rows and too few columns: 98 first */
    EXPECT_EQ(Prepare_Splice_Calc(), 98);
    /* in the words of the field "Reihen n_r", with its count and the odd ones beside it; no
    ** spacing was computed with */
    EXPECT_STREQ(Get_Refusal_Text(98), "Anzahl der Reihen muss bei versetzter Anordnung ungerade "
                                       "sein! Reihen n_r = 4 ist gerade: n_r = 3 oder 5 w\x84hlen");
    double used[REFUSAL_SPACINGS] = {0};
    EXPECT_EQ(Refusal_Used(used), 0);
    Set_Layout(2, 3, LAYOUT_STAGGERED);
    EXPECT_EQ(Prepare_Splice_Calc(), 100);
    /* one row is odd, but has no row to stagger against: so refused, not as a member too low */
    Set_Layout(3, 1, LAYOUT_STAGGERED);
    EXPECT_EQ(Prepare_Splice_Calc(), 98);
    EXPECT_STREQ(Get_Refusal_Text(98), "Versetzte Anordnung mit nur einer Reihe: Reihen n_r = 1 < "
                                       "erforderlich 3 (versetzt stehen die Verbindungsmittel "
                                       "benachbarter Spalten in abwechselnden Reihen)");
    Set_Layout(6, 3, LAYOUT_REGULAR, 1); /* grouped needs an even count above 3 */
    Splice_Input.n_col[VBM_TYPE_SLOT(29)] = 5;
    EXPECT_EQ(Prepare_Splice_Calc(), 99);
    Set_Layout(1, 1);
    EXPECT_EQ(Prepare_Splice_Calc(), 101);
}

TEST(Prepare, InnerPlateRowsStayInsideThePlate)
{
    /* Inner 20 cm plates in a 24 cm member, 3 rows of 12 mm dowels, tension: a4,c = 3 d =
    ** 3.6 cm, less the inset (24 - 20) / 2 = 2 -> 1.6 cm (>= 1.2 d0 = 1.56); rows over the
    ** plate height: y0 = -10 + 1.6 = -8.4; e2 = (20 - 2 * 8.4) / 2 = 1.6 cm. */
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_INNER_PLATES;
    Splice_Input.splice_kind = SPLICE_TENSION;
    Splice_Input.mat_mid = 2;
    Splice_Input.grade_mid = 2;
    Splice_Input.b = 16.0;
    Splice_Input.h = 24.0;
    Splice_Input.h_p = 20.0;
    Splice_Input.plate_count = 2.0;
    Splice_Input.t_p = 1.0;
    Splice_Input.L_user = 0;
    Set_Layout(2, 3);
    Set_Lkom(0, 0, 0.0, 100.0, 0.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    ASSERT_EQ(Fastener_Pattern.count, 6);
    double y_min = 1e9, y_max = -1e9;
    for (int i = 0; i < Fastener_Pattern.count; i++) {
        y_min = std::fmin(y_min, Fastener_Pattern.recs[i].y);
        y_max = std::fmax(y_max, Fastener_Pattern.recs[i].y);
    }
    EXPECT_NEAR(y_min, -8.4, 1e-9);
    EXPECT_NEAR(y_max, 8.4, 1e-9);
    EXPECT_NEAR(Splice_Input.e2, 1.6, 1e-9);
    EXPECT_GE(Fastener_Pattern.passes, 2);
    /* tension: every fastener carries 100 / (6 * 4 shear planes) along the grain */
    EXPECT_EQ(Splice_Input.shear_planes, 4);
    EXPECT_NEAR(Fastener_Pattern.recs[0].force_max, 100.0 / 24.0, 1e-9);
    /* automatic length: 2 ((2 - 1) a1 + e1 + a3,t) with a1 = 5 d = 6 cm, e1 = 1.2 d0 = 1.56,
    ** a3,t = max(7 d, 80 mm) = 8.4 cm -> 31.92 cm */
    EXPECT_NEAR(Splice_Input.L, 31.92, 1e-9);
    /* plates shorter than that: the plates are named, not side timbers */
    Splice_Input.L_user = 1;
    Splice_Input.L = 31.9;
    EXPECT_EQ(Prepare_Splice_Calc(), DERR_PLATES_TOO_SHORT);
    EXPECT_STREQ(Get_Error_Text(DERR_PLATES_TOO_SHORT), "Bleche zu kurz");
}

/* Inner plates have no side members: the spacings come from the middle member whatever side
** ** material the input still holds (here LVL, whose dowel rules ask 7 d and 105 mm), so the layout
** above is kept. A compression of 200 kN in the tension splice takes no part: the angles stay
** along the grain and the forces are those of the valid combination alone. */
TEST(Prepare, InnerPlatesUseTheMiddleMemberAndInvalidCombinationsStayOut)
{
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_INNER_PLATES;
    Splice_Input.splice_kind = SPLICE_TENSION;
    Splice_Input.mat_mid = 2;
    Splice_Input.grade_mid = 2;
    Splice_Input.mat_side = 10;
    Splice_Input.grade_side = 0;
    Splice_Input.b = 16.0;
    Splice_Input.h = 24.0;
    Splice_Input.h_p = 20.0;
    Splice_Input.plate_count = 2.0;
    Splice_Input.t_p = 1.0;
    Splice_Input.L_user = 0;
    Set_Layout(2, 3);
    Set_Lkom(0, 0, 0.0, 100.0, 0.0);
    Lkom_Entry *wrong = Set_Lkom(0, 1, 0.0, -200.0, 80.0);
    wrong->max_Fy = wrong->sum_My_pos = wrong->max_col_Fy = 99.0;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    /* 2 ((2 - 1) 5 d + 1.2 d0 + max(7 d, 80 mm)) = 2 (6 + 1.56 + 8.4) = 31.92 cm, as in C24 */
    EXPECT_NEAR(Splice_Input.L, 31.92, 1e-9);
    EXPECT_NEAR(Fastener_Pattern.alpha_max, 0.0, 1e-12);
    for (int i = 0; i < Fastener_Pattern.count; i++) {
        const Fastener_Rec &r = Fastener_Pattern.recs[i];
        EXPECT_NEAR(r.angle_max, 0.0, 1e-12) << i;
        EXPECT_NEAR(r.force_max, 100.0 / 24.0, 1e-9) << i; /* 100 kN on 6 dowels x 4 planes */
        EXPECT_EQ(r.entry_of_force_max, 0) << i;
    }
    EXPECT_EQ(wrong->M_distr, 0.0);
    EXPECT_EQ(wrong->max_Fy, 0.0);
    EXPECT_EQ(wrong->sum_My_pos, 0.0);
    EXPECT_EQ(wrong->max_col_Fy, 0.0);
}

TEST(Prepare, ResetsTheGoverningFastenerAndStoresTheDistributionMoment)
{
    Fresh_Splice(true);
    Splice_Input.L_user = 0;
    Set_Layout(2, 2);
    Splice_Input.governing_vbm = 17;
    Lkom_Entry *c = Set_Lkom(0, 0, 10.0, 0.0, 20.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    EXPECT_EQ(Splice_Input.governing_vbm, 0);
    /* M_distr = |M_d| + |x_c V_d / 100| */
    EXPECT_NEAR(c->M_distr, 10.0 + Fastener_Pattern.x_c * 20.0 / 100.0, 1e-12);
    EXPECT_DOUBLE_EQ(Splice_Input.e_x, Fastener_Pattern.x_c);
    /* a tension splice distributes the moment of V_d alone: M_distr = |x_c V_d / 100| */
    Splice_Input.splice_kind = SPLICE_TENSION;
    c->N_d = 30.0;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    EXPECT_NEAR(c->M_distr, Fastener_Pattern.x_c * 20.0 / 100.0, 1e-12);
    Splice_Input.splice_kind = SPLICE_BENDING;
    /* side timbers: the automatic length equals the required one, so no code 95 or 96 */
    EXPECT_GT(Splice_Input.L, 0.0);
}

/* ---------------------------------------------------------------- thickness rules */

TEST(Prepare, MinimumThicknesses)
{
    Fresh_Splice(true);
    Splice_Input.vbm_type = 0; /* plain nail 4.2 mm, C24 (rho_k 350) */
    Splice_Input.d = 4.2;
    int code = 0;
    /* max(14 d, (13 d - 30) rho_k / 200) = max(58.8, 24.6 * 1.75 = 43.05) mm */
    EXPECT_NEAR(Min_Mid_Timber_Thickness(&code, 0), 5.88, 1e-9);
    EXPECT_EQ(code, 113);
    /* max(7 d, (13 d - 30) rho_k / 400) = max(29.4, 21.525) mm */
    EXPECT_NEAR(Min_Side_Timber_Thickness(&code, 1), 2.94, 1e-9);
    EXPECT_EQ(code, 113);
    Splice_Input.predrilled = 1;
    EXPECT_DOUBLE_EQ(Min_Mid_Timber_Thickness(&code, 0), 2.4);
    EXPECT_EQ(code, 111);
    EXPECT_DOUBLE_EQ(Min_Side_Timber_Thickness(&code, 0), 2.4);
    EXPECT_EQ(code, 114);
    Splice_Input.predrilled = 0;
    Splice_Input.vbm_type = 29;
    EXPECT_DOUBLE_EQ(Min_Mid_Timber_Thickness(&code, 0), 2.4);
    EXPECT_EQ(code, 111);
    /* staples 1.8 mm take the nails' rules: a side member of OSB does not split and has no
    ** least thickness of solid timber (24 mm), C24 max(14 d, (13 d - 30) rho_k / 200) = 25.2 mm */
    Splice_Input.vbm_type = VBM_KLAMMER;
    Splice_Input.d = 1.8;
    Splice_Input.mat_side = MAT_OSB;
    Splice_Input.grade_side = 1;
    EXPECT_DOUBLE_EQ(Min_Side_Timber_Thickness(&code, 0), 0.0);
    EXPECT_NEAR(Min_Mid_Timber_Thickness(&code, 0), 2.52, 1e-9);
    EXPECT_EQ(code, 113);
    Splice_Input.vbm_type = 0;
    Splice_Input.d = 4.2;
    Splice_Input.mat_side = Splice_Input.mat_mid;
    Splice_Input.grade_side = Splice_Input.grade_mid;

    /* without an annex a side member below 2.4 cm is raised to 2.4 cm: 2 mm nail, 7 d = 14 mm */
    Use_Annex(false);
    Splice_Input.vbm_type = 0;
    Splice_Input.d = 2.0;
    EXPECT_DOUBLE_EQ(Min_Side_Timber_Thickness(&code, 1), 2.4);
    EXPECT_EQ(code, 114);
    EXPECT_NEAR(Min_Mid_Timber_Thickness(&code, 1), 1.4, 1e-9);
}

TEST(Prepare, TwoSidedNailing)
{
    /* t_s = 60, b = 120 mm, d = 4.2: 4 d = 16.8 mm */
    Fresh_Splice(true);
    Splice_Input.vbm_type = 0;
    Splice_Input.d = 4.2;
    Splice_Input.t_s = 6.0;
    Splice_Input.b = 12.0;
    const double lengths[4] = {70.0, 110.0, 150.0, 200.0};
    /* 70 <= 76.8: (0, 0); 110 < 60 + 60: (1, 2); 150: (1, 1); 200 > 196.8: (2, 3). The switch
    ** is the user's choice and stays; where the points of both sides would pass the middle of the
    ** middle member (l > t_s + b / 2 = 120 mm) they are driven alternately, and why is said. */
    const int kept[4] = {1, 1, 0, 0};
    /* a middle member thinner than 8 d: nails of 76 mm <= 60 + 16.8 barely reach it and count as
    ** ending in the side timber (0, 0): the switch holds, although 76 > 60 + 30 / 2 */
    Splice_Input.b = 3.0;
    Splice_Input.l = 76.0;
    Splice_Input.two_sided = 1;
    EXPECT_EQ(Check_Nail_Sides(nullptr, 0), 1);
    Splice_Input.b = 12.0;
    for (int i = 0; i < 4; i++) {
        Splice_Input.two_sided = 1;
        Splice_Input.l = lengths[i];
        char why[200];
        EXPECT_EQ(Check_Nail_Sides(why, sizeof why), kept[i]) << lengths[i];
        EXPECT_EQ(Splice_Input.two_sided, 1) << lengths[i];
        EXPECT_EQ(Vbm_Driven_From_Both_Sides(), kept[i]) << lengths[i];
        EXPECT_EQ(Vbm_Alternate_Instead(nullptr, 0), 1 - kept[i]) << lengths[i];
        if (lengths[i] == 150.0) {
            EXPECT_STREQ(why, "wechselseitig, weil sich die Verbindungsmittel beider Seiten im "
                              "Mittelholz überdecken würden: l = 150 mm > t_s + b / 2 = 60 + 60 "
                              "= 120 mm"_cp850);
        }
    }

    /* Shear planes per position of the pattern (EN 1995-1-1, 8.3.1.1): nails driven from both
    ** sides stand in pairs, each in single shear: 2. Driven alternately one stands there: 110 mm
    ** ends 50 mm deep in the middle member and 150 mm 90 mm deep (single shear, 1); 200 mm
    ** reaches 200 - 60 - 120 = 20 mm >= 4 d = 16.8 mm into the far side timber, where its point
    ** holds: double shear, 2. A middle member of 8 cm has 110 mm nails chosen two-sided pass
    ** 60 + 40 = 100 mm: alternately, 50 mm deep (1); at 10 cm (60 + 50 = 110 mm) the same
    ** switch, kept, has them in pairs again (2). */
    struct {
        double l, b;
        int two_sided, planes;
    } rows[] = {{110.0, 12.0, 1, 2}, {110.0, 12.0, 0, 1}, {150.0, 12.0, 1, 1},
                {200.0, 12.0, 1, 2}, {110.0, 8.0, 1, 1},  {110.0, 10.0, 1, 2}};
    Side_Timber_Nail_Splice();
    for (const auto &row : rows) {
        Splice_Input.h = Splice_Input.h_s = 12.0;
        Splice_Input.l = row.l;
        Splice_Input.b = row.b;
        Splice_Input.two_sided = row.two_sided;
        Tension_Splice(20.0);
        EXPECT_EQ(Prepare_Splice_Calc(), 0) << row.l << " " << row.b;
        EXPECT_EQ(Splice_Input.shear_planes, row.planes) << row.l << " " << row.b;
        EXPECT_EQ(Splice_Input.two_sided, row.two_sided) << row.l << " " << row.b;
    }
}

TEST(Prepare, AutomaticSideThickness)
{
    /* 12 mm dowels in C24 at 90 degrees: fh = 0.082 * 0.88 * 350 / (1.35 + 0.015 * 12) = 16.507,
    ** My = 0.3 * 360 * 12^2.6 = 69071; t_req = 1.15 (2 sqrt(1 / 2) + 2) sqrt(My / (fh d)) =
    ** 3.9264 * 18.674 = 73.3 mm -> trunc(7.33) + 1 = 8 cm (even). */
    Fresh_Splice(true);
    Splice_Input.t_s_user = 0;
    Splice_Input.t_s = 3.0;
    Splice_Input.L_user = 0;
    Set_Layout(2, 2);
    Set_Lkom(0, 0, 0.0, 10.0, 0.0);
    Splice_Input.splice_kind = SPLICE_TENSION;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    EXPECT_DOUBLE_EQ(Splice_Input.t_s, 8.0);
    /* the user's value stays when the automatic mode is off (with a dowel long enough for
    ** 10 + 12 + 10 cm) */
    Splice_Input.t_s_user = 1;
    Splice_Input.t_s = 10.0;
    Splice_Input.l = 320.0;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    EXPECT_DOUBLE_EQ(Splice_Input.t_s, 10.0);
}

TEST(Prepare, UserSpacingsBelowTheMinimum)
{
    /* 12 mm dowels, tension, C24: minimum a1 = 5 d = 6 cm, a3,t = 8.4 cm, a4,c = 3.6 cm */
    Fresh_Splice(true);
    Splice_Input.splice_kind = SPLICE_TENSION;
    Splice_Input.L_user = 0;
    Set_Layout(3, 2);
    Set_Lkom(0, 0, 0.0, 10.0, 0.0);
    Splice_Input.a1_user = 1;
    Splice_Input.a1 = 5.9;
    EXPECT_EQ(Prepare_Splice_Calc(), 24);
    Splice_Input.a1 = 6.0;
    EXPECT_EQ(Prepare_Splice_Calc(), 0);
    Splice_Input.a3_user = 1;
    Splice_Input.a3 = 8.3;
    EXPECT_EQ(Prepare_Splice_Calc(), 119);
    Splice_Input.a3 = 8.4;
    Splice_Input.a4_user = 1;
    Splice_Input.a4 = 3.5;
    EXPECT_EQ(Prepare_Splice_Calc(), 120);
    Splice_Input.a4 = 3.6;
    EXPECT_EQ(Prepare_Splice_Calc(), 0);
    /* Every spacing of the user's that falls short is named at once, each with its numbers, the
    ** first one's code answering: a4 = 3.5 < a4,c = 3 d = 36 mm, a3 = 8.3 < a3,t = max(7 d; 80)
    ** = 84 mm, a1 = 5.9 < (3 + 2 |cos 0|) d = 60 mm (EN 1995-1-1, Table 8.5); the layout page
    ** shows the values they were computed with. */
    Splice_Input.a1 = 5.9;
    Splice_Input.a3 = 8.3;
    Splice_Input.a4 = 3.5;
    EXPECT_EQ(Prepare_Splice_Calc(), 120);
    EXPECT_EQ(std::string(Get_Refusal_Text(120)),
              "Oberer/Unterer Mindestrandabstand (a4c, a4t) unterschritten: a4 = 3.50 cm < "
              "erforderlich a4,c = 3.60 cm; Vorderer/Hinterer Mindestrandabstand (a3c, a3t) "
              "unterschritten: a3 = 8.30 cm < erforderlich a3,t = 8.40 cm; Mindestabstand a1 "
              "unterschritten: a1 = 5.90 cm < erforderlich 6.00 cm");
    double used[REFUSAL_SPACINGS] = {0};
    EXPECT_EQ(Refusal_Used(used), (1 << REFUSAL_A1) | (1 << REFUSAL_A3) | (1 << REFUSAL_A4));
    EXPECT_EQ(used[REFUSAL_A1], 5.9);
    EXPECT_EQ(used[REFUSAL_A3], 8.3);
    EXPECT_EQ(used[REFUSAL_A4], 3.5);
    Splice_Input.a1 = 6.0;
    Splice_Input.a3 = 8.4;
    Splice_Input.a4 = 3.6;
    /* a member too low for the rows at the minimum spacing a2 = 3 d = 3.6 cm: h_s = 2 a4 +
    ** a2 - 0.1 squeezes the rows to 3.5 cm; kept at 3.6 cm they leave the program's edge
    ** distance (10.7 - 3.6) / 2 = 3.55 cm < a4,c: the member is not high enough for it */
    Splice_Input.a4_user = 0;
    Splice_Input.h_s = 2.0 * 3.6 + 3.6 - 0.1;
    EXPECT_EQ(Prepare_Splice_Calc(), 96);
    Splice_Input.h_s = 2.0 * 3.6 + 3.6; /* exactly at the minimum */
    EXPECT_EQ(Prepare_Splice_Calc(), 0);
    /* the user's a4 leaves no room: the rows would cross (negative spacing) */
    Splice_Input.a4_user = 1;
    Splice_Input.a4 = 8.0;
    Splice_Input.h_s = 14.0;
    EXPECT_EQ(Prepare_Splice_Calc(), 25);
    Splice_Input.a4_user = 0;
    /* a user's length below the required one */
    Splice_Input.h_s = 24.0;
    Splice_Input.L_user = 1;
    Splice_Input.L = 20.0;
    EXPECT_EQ(Prepare_Splice_Calc(), 95);
    /* the refusal computes L = 2 x ((n_c - 1) a1 + 2 a3) = 2 x (2 x 6.00 + 2 x 8.40) with a1 and
    ** a3 alone: the layout page shows those two, and no other spacing */
    EXPECT_EQ(Refusal_Used(used), (1 << REFUSAL_A1) | (1 << REFUSAL_A3));
    EXPECT_EQ(used[REFUSAL_A1], 6.0);
    EXPECT_EQ(used[REFUSAL_A3], 8.4);

    /* The user's a2 stands as given, the rows a2 apart about the axis, as a1, a3 and a4 do.
    ** Bolts M16, tension along the grain, 2 x 2 in C24 12/24 beside side timbers 8/24
    ** (EN 1995-1-1, Table 8.4): a2 >= 4 d = 6.40 cm, a4 >= a4,c = 3 d = 4.80 cm (a4,t =
    ** max((2 + 2 sin 0) d; 3 d) = 4.80 cm). a2 = 10 cm: rows at -5 and +5 cm, the edge distance
    ** (24 - 10) / 2 = 7.00 cm >= 4.80 cm; the program's own a2 would be 24 - 2 x 4.80 = 14.40 cm.
    ** a2 = 5 cm < 6.40 cm is refused; a2 = 16 cm leaves (24 - 16) / 2 = 4.00 cm < 4.80 cm, and
    ** with the user's a4 = 4.8 cm both are named: 16 + 2 x 4.80 = 25.60 cm > 24 cm, headed by
    ** that, not as an a4 below its least value (4.80 cm is a4,c), with the way out. */
    const struct {
        double a2, a4; /* cm, a4 0: the program's */
        int code;
        const char *text;
    } given[] = {
        {10.0, 0.0, 0, ""},
        {5.0, 0.0, 25,
         "Mindestabstand a2 senkrecht zur Faserrichtung unterschritten: a2 = 5.00 cm < "
         "erforderlich 6.40 cm"},
        {16.0, 0.0, 96,
         "Mindestabstand a4,tc unterschritten, Holz nicht hoch genug: a4 im Mittelholz und in den "
         "Seitenh\x94lzern = (24.00 - 1 x 16.00) / 2 = 4.00 cm < erforderlich a4,c = 4.80 cm bei "
         "vorgegebenem a2 = 16.00 cm"},
        {16.0, 4.8, 96,
         "Vorgegebene a2 und a4 passen nicht in die H\x94he: (n_r - 1) a2 + 2 a4 = 1 x 16.00 + 2 x "
         "4.80 = 25.60 cm > H\x94he 24.00 cm im Mittelholz und in den Seitenh\x94lzern (kleineres "
         "a2 oder a4 vorgeben oder h\x94heres Holz w\x84hlen)"},
    };
    for (const auto &k : given) {
        Fresh_Splice(true);
        Splice_Input.splice_kind = SPLICE_TENSION;
        Splice_Input.L_user = 0;
        Splice_Input.vbm_type = VBM_BOLZEN;
        Splice_Input.d = 16.0;
        Splice_Input.l = 300.0;
        Set_Layout(2, 2);
        Set_Lkom(0, 0, 0.0, 10.0, 0.0);
        Splice_Input.a2_user = 1;
        Splice_Input.a2 = k.a2;
        Splice_Input.a4_user = k.a4 > 0.0;
        Splice_Input.a4 = k.a4;
        const int code = Prepare_Splice_Calc();
        EXPECT_EQ(code, k.code) << k.a2 << " " << k.a4;
        EXPECT_EQ(Splice_Input.a2, k.a2); /* kept as given, also in the file */
        if (code != 0) {
            EXPECT_EQ(std::string(Get_Refusal_Text(code)), k.text);
            continue;
        }
        EXPECT_DOUBLE_EQ(Fastener_Pattern.a2_actual, 10.0);
        EXPECT_DOUBLE_EQ(Fastener_Pattern.recs[0].y, -5.0);
        EXPECT_DOUBLE_EQ(Fastener_Pattern.recs[1].y, 5.0);
    }
    /* A staggered layout's a1 is the spacing within a row (EN 1995-1-1, Figure 8.7), its
    ** columns half of it apart: the layout's own a1, which the page shows and a tick keeps, and
    ** the a1 that the route of the combinations left out names, is that spacing, and given back
    ** as the user's (alone, or with a3, a4 and L as the route names them) it lays out the same
    ** pattern. Nails 4.2 mm not pre-drilled, 8 in a row, 5 rows staggered, side timbers 6/20 on
    ** 12/20 cm, N 10 kN and -5 kN left out (EN 1995-1-1, Table 8.2 at 0 degrees): a1 = (5 +
    ** 5 cos 0) d = 4.20 cm, a3,t = (10 + 5 cos 0) d = 6.30 cm, a4,c = 5 d = 2.10 cm; L = 2 x
    ** ((n_c - 1) a1 + 2 a3) = 2 x (7 x 4.20 + 2 x 6.30) = 84.00 cm, the columns 2.10 cm apart;
    ** with L = 120 cm a1 = (120 / 2 - 2 x 6.30) / 7 = 6.771429 cm. The layout kept twice it,
    ** 8.40 cm, which given back asked L = 2 x (7 x 8.40 + 2 x 6.30) = 142.80 cm > 84.00 cm. In
    ** two groups, dowels beside an inner plate and screws through outer plates alike. */
    const struct {
        int splice; /* 0 nails, 1 nails in two groups, 2 dowels, 3 screws */
        double L;   /* cm, 0: the program's */
        double a1;  /* cm, by hand, 0: not worked here */
        const char *route;
    } staggered[] = {
        {0, 0.0, 4.2,
         "Dabei Länge und Abstände dieses Stoßes vorgeben, sonst legt der Druckstoß sie neu "
         "fest: a1 = 4.20 cm, a3 = 6.30 cm, a4 = 2.10 cm, L = 84.00 cm"_cp850},
        {0, 120.0, (120.0 / 2.0 - 2.0 * 6.3) / 7.0,
         "Dabei Länge und Abstände dieses Stoßes vorgeben, sonst legt der Druckstoß sie neu "
         "fest: a1 = 6.77 cm, a3 = 6.30 cm, a4 = 2.10 cm, L = 120.00 cm"_cp850},
        {1, 0.0, 4.2, nullptr},
        {2, 0.0, 0.0, nullptr},
        {3, 0.0, 0.0, nullptr},
    };
    for (const auto &k : staggered) {
        const auto splice = [&] {
            if (k.splice <= 1) Side_Timber_Nail_Splice();
            else if (k.splice == 2) Inner_Plate_Dowel_Splice();
            else Outer_Plate_Screw_Splice(6.0, 60.0, 0.5);
            Tension_Splice(10.0);
            Set_Lkom(0, 1, 0.0, -5.0, 0.0);
            Set_Layout(k.splice <= 1 ? 8 : 4, k.splice <= 1 ? 5 : 3, LAYOUT_STAGGERED,
                       k.splice == 1);
            Splice_Input.L_user = k.L > 0.0;
            Splice_Input.L = k.L;
        };
        splice();
        ASSERT_EQ(Prepare_Splice_Calc(), 0) << k.splice;
        const std::vector<Fastener_Rec> laid(Fastener_Pattern.recs,
                                             Fastener_Pattern.recs + Fastener_Pattern.count);
        const double a1 = Fastener_Pattern.a1_actual, L = Splice_Input.L;
        const double kept = Splice_Input.a1; /* what a tick keeps */
        if (k.a1 > 0.0) { EXPECT_NEAR(a1, k.a1, 1e-9) << k.splice; }
        EXPECT_EQ(kept, a1) << k.splice;
        Unchecked_Loads u;
        Other_Sign_Route route;
        ASSERT_EQ(Get_Unchecked_Loads(&u), 1);
        ASSERT_EQ(Get_Other_Sign_Route(&u, &route), 1);
        EXPECT_EQ(route.a1, a1) << k.splice;
        char line[320];
        if (k.route) {
            ASSERT_EQ(Other_Sign_Route_Line(&route, 0, 0, line, sizeof line), 1);
            EXPECT_STREQ(line, k.route);
        }
        /* ticked alone, then with everything the route names */
        for (int given = 0; given <= 1; given++) {
            splice();
            Splice_Input.a1_user = 1;
            Splice_Input.a1 = given ? route.a1 : kept;
            if (given) {
                Splice_Input.a3_user = Splice_Input.a4_user = Splice_Input.L_user = 1;
                Splice_Input.a3 = route.a3;
                Splice_Input.a4 = route.a4;
                Splice_Input.L = route.L;
            }
            const int code = Prepare_Splice_Calc();
            ASSERT_EQ(code, 0) << k.splice << " " << given << ": " << Get_Refusal_Text(code);
            EXPECT_EQ(Splice_Input.L, L);
            ASSERT_EQ(Fastener_Pattern.count, (int)laid.size());
            for (size_t i = 0; i < laid.size(); i++) {
                EXPECT_NEAR(Fastener_Pattern.recs[i].x, laid[i].x, 1e-9) << k.splice << " " << i;
                EXPECT_NEAR(Fastener_Pattern.recs[i].y, laid[i].y, 1e-9) << k.splice << " " << i;
            }
        }
    }

    /* Plain nails 4.2 mm stand at most 20 d = 8.40 cm apart across the grain: the user's 9 cm is
    ** refused, in two groups too, where the groups narrowed it to 8.40 cm */
    for (int grouped = 0; grouped <= 1; grouped++) {
        Side_Timber_Nail_Splice();
        Tension_Splice(10.0);
        Set_Layout(4, 3, LAYOUT_REGULAR, grouped);
        Splice_Input.a2_user = 1;
        Splice_Input.a2 = 9.0;
        ASSERT_EQ(Prepare_Splice_Calc(), DERR_SPACING_TOO_HIGH) << grouped;
        EXPECT_EQ(std::string(Get_Refusal_Text(DERR_SPACING_TOO_HIGH)),
                  "Nagelabst\x84nde zu gro\xe1: a2 = 9.00 cm > h\x94"
                  "chstens 20 d = 20 x 0.42 = 8.40 cm");
    }

    /* A compression splice keeps a3 = a3,c, which grows with |sin alpha|: it is taken at the
    ** angle that asks the most of all combinations. One row of 3 dowels; N = -10 kN alone loads
    ** every dowel at 0 deg (180 deg at the unloaded end); N = -0.001 kN beside V = 10 kN loads
    ** them across the grain (one row: the moment adds nothing along the grain), the most loaded
    ** one at no less than atan(10 / 0.001) = 89.994 deg (269.994 at the unloaded end).
    ** EN 1995-1-1, Table 8.5: at 180 deg the program's max(3.5 d, 40 mm) = 42 mm (3 d = 36 in the
    ** table), at 269.994 deg a3,t |sin a| = max(7 d, 80) x 0.99999999 = 84.00 mm: a3 = 8.3 cm is
    ** below it. DIN 1052, Table 11: a1,c = 7 d |sin a| = 84.00 mm above 3 d = 36 mm. */
    struct {
        bool annex;
        double a3;
        int code;
        const char *text;
    } const ends[] = {
        {true, 8.3, 119,
         "Vorderer/Hinterer Mindestrandabstand (a3c, a3t) unterschritten: a3 = 8.30 cm < "
         "erforderlich a3,c = 8.40 cm"},
        {true, 8.4, 0, ""},
        {false, 8.3, 119,
         "Vorderer/Hinterer Mindestrandabstand (a1c, a1t) unterschritten: a3 = 8.30 cm < "
         "erforderlich a1,c = 8.40 cm"},
        {false, 8.4, 0, ""},
    };
    for (const auto &k : ends) {
        Fresh_Splice(k.annex);
        Splice_Input.splice_kind = SPLICE_COMPRESSION;
        Splice_Input.L_user = 0;
        Set_Layout(3, 1);
        Set_Lkom(0, 0, 0.0, -10.0, 0.0);
        Set_Lkom(0, 1, 0.0, -0.001, 10.0);
        Splice_Input.a3_user = 1;
        Splice_Input.a3 = k.a3;
        const int code = Prepare_Splice_Calc();
        EXPECT_EQ(code, k.code) << k.annex << " " << k.a3;
        if (code != 0) { EXPECT_EQ(std::string(Get_Refusal_Text(code)), k.text); }
    }
}

/* Every value the user types above its least one (EN 1995-1-1, Tables 8.2 to 8.5, 8.8; e1 >=
** 1.2 d0, EN 1993-1-8, Table 3.3) is the pattern's, alone and all together, L left to the program
** and given 20 cm longer, regular, staggered and in groups: nails, dowels, bolts, screws, a lap,
** toothed plates, beside side timbers and inner plates lower than the member and outer plates;
** end (edge) distances at least so where the user's a1 and L (a2 and the height) leave room. */
TEST(Prepare, TypedSpacingsAreLaidAsTyped)
{
    const Host_Catalogues catalogues;
    Splice_Input_Record &si = Splice_Input;
    const auto splice = [&](int k, int layout) {
        if (k == 0) Side_Timber_Nail_Splice();
        if (k == 1) Fresh_Splice(true); /* dowels 12 mm, side timbers 8/24 on 12/24 */
        if (k == 2) Inner_Plate_Dowel_Splice();
        if (k == 3) Outer_Plate_Bolt_Splice();
        if (k == 4) Outer_Plate_Screw_Splice(6.0, 60.0, 0.5);
        if (k == 5) Gl28h_Nail_Splice(CONN_LAP);
        if (k == 6) Inner_Plate_Connector_Splice(VBM_SCHEIBENDUEBEL_C2, 1, 62.0, 14.0);
        if (k == 5) si.h = 20.0;
        Tension_Splice(10.0);
        Set_Layout(4, k == 0 || k == 5 ? 5 : 3, layout == 1, layout == 2);
    };
    int32_t *user[5] = {&si.a1_user, &si.a2_user, &si.a3_user, &si.a4_user, &si.e1_user};
    double *field[5] = {&si.a1, &si.a2, &si.a3, &si.a4, &si.e1}, v[5];
    for (int k = 0; k <= 6; k++)
        for (int layout = 0; layout <= 2; layout++) {
            splice(k, layout);
            ASSERT_EQ(Prepare_Splice_Calc(), 0) << k << " " << layout;
            Kind_Spacings m{};
            Kind_Least_Spacings(si.splice_kind, Fastener_Pattern.min_alpha_1,
                                Fastener_Pattern.min_alpha_2, &m);
            const bool plates = k == 2 || k == 3 || k == 4 || k == 6;
            const double inset = plates ? std::fmax((si.h - si.h_p) / 2.0, 0.0) : 0.0;
            const double least[5] = {m.a1, m.a2, m.a3, m.a4 + inset, 1.2 * Get_Plate_Hole_D0_Cm()};
            const double L = si.L + 20.0;
            /* set 5: all together; given: L the user's */
            for (int run = 0; run < 6 * 2; run++) {
                const int set = run / 2, given = run % 2;
                if (set == 4 && !plates) continue;
                SCOPED_TRACE(testing::Message() << k << layout << " " << set << given);
                splice(k, layout);
                for (int i = 0; i < 5; i++) {
                    *field[i] = v[i] = least[i] + 0.1 * (i + 1);
                    *user[i] = set == 5 ? (i != 4 || plates) : i == set;
                }
                si.L_user = given;
                si.L = L;
                const int code = Prepare_Splice_Calc();
                ASSERT_EQ(code, 0) << Get_Refusal_Text(code);
                double lo = 1e9, hi = -1e9, y = 0.0;
                for (int i = 0; i < Fastener_Pattern.count; i++) {
                    lo = std::fmin(lo, Fastener_Pattern.recs[i].x);
                    hi = std::fmax(hi, Fastener_Pattern.recs[i].x);
                    y = std::fmax(y, std::fabs(Fastener_Pattern.recs[i].y));
                }
                /* laid: a1, a2, a3 at the joint, a4, a3 or e1 at the far end (at least typed) */
                const double have[5] = {Fastener_Pattern.a1_actual, Fastener_Pattern.a2_actual,
                                        k == 5 ? si.L / 2.0 + lo : lo,
                                        std::fmin(si.h, k < 2 ? si.h_s : si.h) / 2.0 - y,
                                        si.L / 2.0 - hi};
                const bool room_x = si.a1_user && given && layout != 2;
                const bool room[5] = {false, false, room_x, si.a2_user != 0, room_x};
                for (int i = 0; i < 5; i++) {
                    const int of = i == 4 && !plates ? 2 : i; /* side timbers: a3 at both ends */
                    EXPECT_TRUE(!*user[of]
                                || (have[i] > v[of] - 1e-9 && (room[i] || have[i] < v[of] + 1e-9)))
                        << i << ": " << have[i];
                }
                EXPECT_EQ(si.L, given ? L : si.L);
            }
        }
}

TEST(Prepare, StaggeredLayoutFitsItsHeight)
{
    /* 3 staggered rows in 24 cm, tension: a4 = 3.6, rows at -8.4, 0, 8.4 cm with a pitch of
    ** 8.4 cm; within a column the fasteners stand 16.8 cm apart (the stored a2). */
    Fresh_Splice(true);
    Splice_Input.splice_kind = SPLICE_TENSION;
    Splice_Input.L_user = 0;
    Set_Layout(4, 3, LAYOUT_STAGGERED);
    Set_Lkom(0, 0, 0.0, 10.0, 0.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    EXPECT_NEAR(Splice_Input.a2, 16.8, 1e-9);
    EXPECT_NEAR(Fastener_Pattern.recs[0].y, -8.4, 1e-9);
    EXPECT_NEAR(Fastener_Pattern.recs[1].y, 8.4, 1e-9);
    EXPECT_NEAR(Fastener_Pattern.recs[2].y, 0.0, 1e-9);

    /* Dowels 16 mm staggered in 5 rows in 24 cm (C24 8/14/8), N 150 and N 20 with V 8: the
    ** rows keep from both edges the a4,t = (2 + 2 sin alpha) d of EN 1995-1-1, Table 8.5 at the
    ** largest angle their own forces reach, 77.6 degrees (63.26 mm); laid out at the angle of
    ** the pass before, 77.5 degrees, they kept 63.24 mm */
    Fresh_Splice(true);
    Splice_Input.splice_kind = SPLICE_TENSION;
    Splice_Input.L_user = 0;
    Splice_Input.vbm_type = VBM_STABDUEBEL;
    Splice_Input.d = 16.0;
    Splice_Input.l = 300.0;
    Splice_Input.t_s = 8.0;
    Splice_Input.b = 14.0;
    Splice_Input.h = Splice_Input.h_s = 24.0;
    Set_Layout(4, 5, LAYOUT_STAGGERED);
    Set_Lkom(0, 0, 0.0, 150.0, 0.0);
    Set_Lkom(0, 1, 0.0, 20.0, 8.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    double y = 0.0;
    for (int i = 0; i < Fastener_Pattern.count; i++)
        y = std::fmax(y, std::fabs(Fastener_Pattern.recs[i].y));
    const double alpha = Fastener_Pattern.alpha_max;
    EXPECT_NEAR(alpha * 180.0 / M_PI, 77.6, 0.05);
    EXPECT_GE(12.0 - y, (2.0 + 2.0 * std::sin(alpha)) * 1.6 - 1e-9);
}

TEST(Prepare, StapleAngleInDegrees)
{
    /* Staples d = 2 mm at 45 degrees to the grain, tension (alpha 0), EN 1995-1-1 Table 8.3:
    ** a1 = (10 + 5 cos 0) d = 30 mm for a crown angle of at least 30 degrees (it would be
    ** (15 + 5) d = 40 mm if the angle were taken as 0.785 degrees), a3,t = (15 + 5) d = 40 mm;
    ** L = 2 ((2 - 1) a1 + 2 a3,t) = 2 (30 + 80) mm = 22 cm. */
    Fresh_Splice(true);
    Splice_Input.vbm_type = 1;
    Splice_Input.vbm_row = 0;
    Splice_Input.d = 2.0;
    Splice_Input.l = 100.0;
    Splice_Input.fu_k = 800.0;
    Splice_Input.staple_angle = 45.0;
    Splice_Input.t_s = 4.0;
    Splice_Input.b = 12.0;
    Splice_Input.h_s = 6.0;
    Splice_Input.L_user = 0;
    Splice_Input.splice_kind = SPLICE_TENSION;
    Set_Layout(2, 1);
    Set_Lkom(0, 0, 0.0, 5.0, 0.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    EXPECT_NEAR(Splice_Input.L, 22.0, 1e-9);
}

TEST(Prepare, InputWithoutFastenersOrPlates)
{
    Fresh_Splice(true);
    Splice_Input.L_user = 0;
    Set_Lkom(0, 0, 0.0, 10.0, 0.0);
    Splice_Input.splice_kind = SPLICE_TENSION;
    Set_Layout(0, 5); /* rows but no column: no fastener */
    EXPECT_EQ(Prepare_Splice_Calc(), 101);
    Set_Layout(3, 0);
    EXPECT_EQ(Prepare_Splice_Calc(), 101);
    Set_Layout(3, 2);
    Splice_Input.d = 0.0;
    EXPECT_EQ(Prepare_Splice_Calc(), 4);
    Splice_Input.d = 12.0;
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Splice_Input.t_p = 0.0;
    EXPECT_EQ(Prepare_Splice_Calc(), 130);
    Splice_Input.t_p = 1.0;
    Splice_Input.connection_kind = CONN_INNER_PLATES;
    Splice_Input.plate_count = 0.5;
    EXPECT_EQ(Prepare_Splice_Calc(), 130);
    Splice_Input.plate_count = 1.0;
    EXPECT_EQ(Prepare_Splice_Calc(), 0);
}
