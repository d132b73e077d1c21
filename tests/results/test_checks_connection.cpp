/*
** Tests of the connection input of one combination per connection kind, and the failure paths
** of the fasteners (broken screw limits, the effective number of bolts in a row).
*/
#include "results_test_util.h"

#include <cmath>
#include <string>

#include "printlist/printlist.h"

/* ---------------------------------------------------------------- connection input */

TEST(ConnInput, MembersPerConnectionKind)
{
    Fresh_Splice(true);
    Splice_Input.b = 12.0;
    Splice_Input.t_s = 8.0;
    Splice_Input.t_p = 1.0;
    Splice_Input.plate_count = 2.0;
    Splice_Input.grade_mid = 4;
    Splice_Input.grade_side = 7;
    Connection_Input in;
    Connection_Result res{};

    Splice_Input.connection_kind = CONN_LAP;
    ASSERT_EQ(Fill_Vbm_Design_Input(&in, 2, 30.0, 40.0, 12, 1, 0, 0, 0.9), 1);
    EXPECT_DOUBLE_EQ(in.t1, 60.0); /* 10 * 12 / 2 */
    EXPECT_DOUBLE_EQ(in.t2, 60.0);
    EXPECT_EQ(in.shear_planes, 1); /* the lap's two halves meet in one shear plane */
    /* so do its nails, also one of 150 mm whose point leaves the second half 150 - 120 = 30 mm
    ** >= 4 d = 16.8 mm beyond it: there is no member there to hold it */
    const int type = Splice_Input.vbm_type;
    const double d = Splice_Input.d, l = Splice_Input.l;
    Splice_Input.vbm_type = VBM_NAGEL;
    Splice_Input.d = 4.2;
    Splice_Input.l = 150.0;
    Fill_Vbm_Design_Input(&in, 2, 30.0, 40.0, 12, 1, 0, 0, 0.9);
    EXPECT_EQ(in.shear_planes, 1);
    Splice_Input.vbm_type = type;
    Splice_Input.d = d;
    Splice_Input.l = l;
    Fill_Vbm_Design_Input(&in, 2, 30.0, 40.0, 12, 1, 0, 0, 0.9);
    EXPECT_DOUBLE_EQ(in.alpha_1, 30.0);
    EXPECT_DOUBLE_EQ(in.alpha_2, 40.0);
    EXPECT_EQ(in.load_duration, 2);
    EXPECT_DOUBLE_EQ(in.washer_d, -1.0);
    EXPECT_DOUBLE_EQ(in.axis_angle, 90.0);
    EXPECT_DOUBLE_EQ(in.moisture, 20.0);
    Get_Member_Kmod(&in, &res);
    EXPECT_DOUBLE_EQ(res.kmod_1, 0.9);
    EXPECT_DOUBLE_EQ(res.kmod_2, 0.9);

    Splice_Input.connection_kind = CONN_INNER_PLATES;
    Fill_Vbm_Design_Input(&in, 2, 0.0, 0.0, 12, 1, 0, 1, 0.0);
    EXPECT_EQ(in.mat_2, 12);
    EXPECT_EQ(in.grade_2, 4);
    EXPECT_NEAR(in.t1, 10.0 * (12.0 - 2.0) / 3.0, 1e-12);
    EXPECT_DOUBLE_EQ(in.t2, 10.0);
    /* kmod by table: C24 (grade 4 is C22) in service class 1, medium term: 0.8; the plate
    ** takes the timber's value */
    Get_Member_Kmod(&in, &res);
    EXPECT_DOUBLE_EQ(res.kmod_1, 0.8);
    EXPECT_DOUBLE_EQ(res.kmod_2, 0.8);

    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Splice_Input.washer = 1;
    Fill_Vbm_Design_Input(&in, 2, 0.0, 0.0, 12, 1, 0, 0, 0.9);
    EXPECT_EQ(in.mat_1, 12);
    EXPECT_EQ(in.grade_1, 7);
    EXPECT_DOUBLE_EQ(in.t1, 10.0);
    EXPECT_DOUBLE_EQ(in.t2, 120.0);
    EXPECT_DOUBLE_EQ(in.washer_d, Splice_Input.washer_d);
    /* a bolt M16 without a washer chosen bears on the least one that the print asks for under
    ** the annex, 3 d = 48 mm (EN 1995-1-1, 10.4.3), where a washer of -1 mm left it no rope
    ** effect; without an annex none */
    const int kept_type = Splice_Input.vbm_type;
    const double kept_d = Splice_Input.d;
    Splice_Input.vbm_type = VBM_BOLZEN;
    Splice_Input.d = 16.0;
    Splice_Input.washer = 0;
    Fill_Vbm_Design_Input(&in, 2, 0.0, 0.0, 12, 1, 0, 0, 0.9);
    EXPECT_DOUBLE_EQ(in.washer_d, 48.0);
    Use_Annex(false);
    Fill_Vbm_Design_Input(&in, 2, 0.0, 0.0, 12, 1, 0, 0, 0.9);
    EXPECT_DOUBLE_EQ(in.washer_d, -1.0);
    Use_Annex(true);
    Splice_Input.vbm_type = kept_type;
    Splice_Input.d = kept_d;

    Splice_Input.connection_kind = CONN_SIDE_TIMBERS;
    Fill_Vbm_Design_Input(&in, 2, 0.0, 0.0, 12, 1, 0, 0, 0.9);
    EXPECT_DOUBLE_EQ(in.t1, 80.0);
    EXPECT_DOUBLE_EQ(in.t2, 120.0);
    EXPECT_EQ(in.shear_planes, 2); /* dowels pass into member 2 */
}

TEST(ConnInput, RuleResultsAndTheirDesignValues)
{
    /* Side timbers 6 cm (gamma_M 1.3) on a 12 cm member (gamma_M 1.25): gamma = 1.3;
    ** kmod 0.8 and 0.9: sqrt(0.8 * 0.9) = 0.848528.
    ** R_d = 0.848528 * 2.0 kN / 1.3 = 1.305428 kN; M_y,d = 0.848528 * 7511.4 / 1.3 =
    ** 4902.796 Nmm; aluminium bearing 5 kN: 0.848528 * 5 / 1.3 = 3.263570 kN;
    ** f_h,1,d = 20 / 1.3 * 0.8 = 12.307692, f_h,2,d = 18 / 1.25 * 0.9 = 12.96 N/mm². */
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_SIDE_TIMBERS;
    Splice_Input.t_s = 6.0;
    Splice_Input.b = 12.0;
    Splice_Input.gamma_m_side = 1.3;
    Splice_Input.gamma_m_mid = 1.25;
    Vbm_Rule_Result rr{};
    rr.Fv_Rk = 2000.0;
    rr.My = 7511.4;
    rr.fh1 = 20.0;
    rr.fh2 = 18.0;
    rr.alu_fu = 260.0;
    rr.alu_bearing = 5000.0;
    rr.alu_factor1 = 2.5;
    rr.alu_factor2 = 0.75;
    rr.fu_used = 600.0;
    rr.mode = 7;
    rr.plate_class = 1;
    Connection_Result res{};
    res.kmod_1 = 0.8;
    res.kmod_2 = 0.9;
    res.rk_connector = 0.5;
    res.rd_connector = 0.25;
    res.msg_code = 139;
    Copy_Vbm_Results(&res, &rr, 1);
    EXPECT_DOUBLE_EQ(res.rk_lateral, 2.0);
    EXPECT_DOUBLE_EQ(res.gamma_lateral, 1.3);
    EXPECT_NEAR(res.rd_lateral, 1.305428, 1e-6);
    EXPECT_DOUBLE_EQ(res.rk_total, 2.5);
    EXPECT_NEAR(res.rd_total, 1.555428, 1e-6);
    EXPECT_DOUBLE_EQ(res.my_rk, 7511.4);
    EXPECT_NEAR(res.my_d, 4902.796, 1e-3);
    EXPECT_DOUBLE_EQ(res.alu_fb_rk, 5.0);
    EXPECT_NEAR(res.alu_fb_rd, 3.263570, 1e-6);
    EXPECT_DOUBLE_EQ(res.fh1_k, 20.0);
    EXPECT_DOUBLE_EQ(res.fh2_k, 18.0);
    EXPECT_NEAR(res.fh1_d, 12.307692, 1e-6);
    EXPECT_NEAR(res.fh2_d, 12.96, 1e-12);
    EXPECT_DOUBLE_EQ(res.fu_used, 600.0);
    EXPECT_EQ(res.rule_char, 7);
    EXPECT_EQ(res.rule_design, 7);
    EXPECT_EQ(res.plate_class, 1);
    EXPECT_DOUBLE_EQ(res.alu_fu, 260.0);
    EXPECT_DOUBLE_EQ(res.alu_k1, 2.5);
    EXPECT_DOUBLE_EQ(res.alu_alpha_b, 0.75);
    EXPECT_EQ(res.msg_code, 0);
    EXPECT_EQ(res.t_just_below_req, 0);

    /* in N: the forces stay as the rules give them; the yield moment is no force */
    res = Connection_Result{};
    res.kmod_1 = 0.8;
    res.kmod_2 = 0.9;
    Copy_Vbm_Results(&res, &rr, 0);
    EXPECT_DOUBLE_EQ(res.rk_lateral, 2000.0);
    EXPECT_NEAR(res.rd_lateral, 1305.428, 1e-3);
    EXPECT_NEAR(res.my_d, 4902.796, 1e-3);
    EXPECT_NEAR(res.alu_fb_rd, 3263.570, 1e-3);

    /* the larger gamma is the middle member's: 0.848528 * 2 / 1.4 = 1.212183 kN; the side
    ** member's own gamma stays in its embedment value: 20 / 1.3 * 0.8 */
    Splice_Input.gamma_m_mid = 1.4;
    Copy_Vbm_Results(&res, &rr, 1);
    EXPECT_DOUBLE_EQ(res.gamma_lateral, 1.4);
    EXPECT_NEAR(res.rd_lateral, 1.212183, 1e-6);
    EXPECT_NEAR(res.fh1_d, 12.307692, 1e-6);
    EXPECT_NEAR(res.fh2_d, 18.0 / 1.4 * 0.9, 1e-12);

    /* no partial factor: no design values */
    Splice_Input.gamma_m_side = Splice_Input.gamma_m_mid = 0.0;
    Copy_Vbm_Results(&res, &rr, 1);
    EXPECT_DOUBLE_EQ(res.rd_lateral, 0.0);
    EXPECT_DOUBLE_EQ(res.my_d, 0.0);
    EXPECT_DOUBLE_EQ(res.alu_fb_rd, 0.0);
    EXPECT_DOUBLE_EQ(res.fh1_d, 0.0);
    EXPECT_DOUBLE_EQ(res.fh2_d, 0.0);
}

TEST(ConnInput, ThicknessJustBelowItsRequiredValueIsFlagged)
{
    /* t1 = 10 * 6 = 60 mm, t2 = 10 * 12 = 120 mm */
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_SIDE_TIMBERS;
    Splice_Input.t_s = 6.0;
    Splice_Input.b = 12.0;
    Vbm_Rule_Result rr{};
    const struct {
        double t_req_1, t_req_2;
        int flag;
    } cases[] = {
        // clang-format off
        {60.0005, 0.0, 1},      /* 0.0005 mm short */
        {60.0009, 0.0, 1},
        {60.0011, 0.0, 0},      /* more than 0.001 mm short */
        {60.002, 0.0, 0},
        {60.0, 0.0, 0},         /* not below */
        {59.9995, 0.0, 0},      /* thicker than required */
        {0.0, 120.0009, 1},     /* member 2 alone */
        {0.0, 120.0011, 0},
        {0.0, 119.9, 0},
        {60.5, 120.0005, 1},    /* one of both suffices */
        // clang-format on
    };
    for (const auto &c : cases) {
        Connection_Result res{};
        res.t_req_1 = c.t_req_1;
        res.t_req_2 = c.t_req_2;
        Copy_Vbm_Results(&res, &rr, 1);
        EXPECT_EQ(res.t_just_below_req, c.flag) << c.t_req_1 << " " << c.t_req_2;
    }
    /* the lap: t1 = t2 = 10 * 12 / 2 = 60 mm */
    Splice_Input.connection_kind = CONN_LAP;
    Connection_Result res{};
    res.t_req_2 = 60.0005;
    Copy_Vbm_Results(&res, &rr, 1);
    EXPECT_EQ(res.t_just_below_req, 1);
}

TEST(ConnInput, PatternLength)
{
    Fresh_Splice(false);
    Set_Layout(2, 1);
    Build_Regular_Pattern(5.0, 0.0, 10.0, 0.0, 2);
    EXPECT_DOUBLE_EQ(Get_Pattern_Length_Mm(), 2.0 * 10.0 * 15.0);
    Splice_Input.connection_kind = CONN_LAP;
    EXPECT_DOUBLE_EQ(Get_Pattern_Length_Mm(), 4.0 * 10.0 * 15.0);
}

/* ---------------------------------------------------------------- fastener failure paths */

TEST(Fasteners, BrokenScrewLimitCountsAsFailed)
{
    Fresh_Splice(false); /* DIN: timber member 1 below 24 mm */
    Splice_Input.vbm_type = 47;
    Splice_Input.d = 8.0;
    Splice_Input.l = 200.0;
    Splice_Input.t_s = 2.0;
    Splice_Input.splice_kind = SPLICE_TENSION;
    Splice_Input.shear_planes = 2;
    Set_Layout(2, 1);
    Build_Regular_Pattern(5.0, 0.0, 10.0, 0.0, 2);
    Calc_Pattern_Centroid(&Fastener_Pattern.x_c, &Fastener_Pattern.y_c, &Fastener_Pattern.I_p, 2,
                          Fastener_Pattern.recs);
    Set_Lkom(0, 0, 0.0, 10.0, 0.0);
    int err = -1;
    EXPECT_DOUBLE_EQ(Oli_Vbm_Nachweis(nullptr, 0, 0, &err), UTIL_NO_CHECK);
    EXPECT_EQ(err, 21);
}

TEST(Fasteners, EffectiveNumberOfBoltsInARow)
{
    Fresh_Splice(true);
    Splice_Input.splice_kind = SPLICE_TENSION;
    Splice_Input.d = 12.0;
    Splice_Input.shear_planes = 2;
    Set_Layout(4, 1);
    Build_Regular_Pattern(5.0, 0.0, 8.4, 0.0, 4);
    Calc_Pattern_Centroid(&Fastener_Pattern.x_c, &Fastener_Pattern.y_c, &Fastener_Pattern.I_p, 4,
                          Fastener_Pattern.recs);
    Set_Lkom(0, 0, 0.0, 10.0, 0.0);
    int n = 0;
    double a = -1;
    /* tension: alpha_min = 0; n_ef = min(n, n^0.9 (a1 / 13 d)^0.25) = 4^0.9 (84 / 156)^0.25
    ** = 3.4822 * 0.85662 = 2.9829 (EN 1995-1-1, eq. (8.34)) */
    const double nef = Get_Bolt_Row_N_Ef(0, 0, 84.0, &n, &a);
    EXPECT_EQ(n, 4);
    EXPECT_DOUBLE_EQ(a, 0.0);
    EXPECT_NEAR(nef, std::pow(4.0, 0.9) * std::pow(84.0 / 156.0, 0.25), 1e-6);
    /* 3 staggered columns of 5 rows, 13 M16 per half at x = 0, 4, ..., 16 cm: the rows y = 0 and
    ** +-2 a2 hold 3 bolts each 80 mm apart (the preparation keeps p1 = 16 cm, twice that):
    ** n_ef = 3^0.9 (80 / 208)^0.25 = 2.6879 * 0.78751 = 2.1167 (EN 1995-1-1, (8.34));
    ** n = 2 at a1 = 160 mm gave 1.7476 */
    Splice_Input.d = 16.0;
    Splice_Input.p1 = 16.0;
    Set_Layout(3, 5, LAYOUT_STAGGERED);
    EXPECT_NEAR(Vbm_Row_N_Ef(0.0, &n), 2.11673, 1e-5);
    EXPECT_EQ(n, 3);
    Splice_Input.d = 12.0;
    /* two groups of 4 staggered columns (8 x 3, 22 dowels): each outer row holds 4 of a group,
    ** 8 over both as in the regular layout: n_ef = 8^0.9 (60 / 156)^0.25 = 6.4980 * 0.78751 =
    ** 5.1173 (n = 4 gave 2.7423, n_ef / n 0.686 for 0.640) */
    Set_Layout(8, 3, LAYOUT_STAGGERED, 1);
    EXPECT_NEAR(Get_Bolt_Row_N_Ef(0, 0, 60.0, &n, nullptr), 5.11726, 1e-5);
    EXPECT_EQ(n, 8);
}
