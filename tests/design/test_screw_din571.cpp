/*
** Design values of DIN 571 wood screws: the design-value proof takes the screw's steel with
** f_u = 400 N/mm² whatever tensile strength the input gives, beside timber and beside plates.
*/
#include <gtest/gtest.h>

#include "design_test_util.h"

namespace {

/* DIN 571 screw of 8 mm, 140 mm long, f_u 600 given, single shear through 40 mm into 120 mm of
** C24, exact proof, kmod 0.8, gamma_M 1.3, gamma_M,steel 1.1. */
Connection_Input Screw_Input()
{
    Connection_Input in{};
    in.vbm_type = 2;
    in.steel_grade = -1;
    in.d = 8.0;
    in.d_k = 14.0;
    in.length = 140.0;
    in.l_thread = 80.0;
    in.axis_angle = 90.0;
    in.shear_planes = 1;
    in.proof_method = 1;
    in.mat_1 = in.mat_2 = 0;
    in.grade_1 = in.grade_2 = Grade_Index(0, "C24");
    in.t1 = 40.0;
    in.t2 = 120.0;
    in.fu = 600.0;
    in.kmod_given = 0.8;
    in.gamma_m_1 = in.gamma_m_2 = 1.3;
    in.gamma_steel = 1.1;
    in.service_class_1 = in.service_class_2 = 1;
    in.load_duration = 2;
    in.washer_d = -1.0;
    in.split_rule = 1;
    return in;
}

/* The screw of Screw_Input 120 mm long through an inner steel plate of 10 mm (member 2) and
** both timbers, double shear. */
Connection_Input Inner_Plate_Input()
{
    Connection_Input in = Screw_Input();
    in.mat_2 = 12;
    in.grade_2 = 0;
    in.t2 = 10.0;
    in.shear_planes = 2;
    in.length = 120.0;
    return in;
}

} // namespace

/* 8^2.6 = exp(2.6 ln 8) = 222.861; the design yield moment uses f_u = 400:
** half formula 0.15 * 400 * 222.861 / 1.1 = 12156.0 Nmm, full formula 0.3 * 400 * 222.861 / 1.1
** = 24312.1 Nmm. Where the smooth shank (140 - 80 = 60 mm) reaches less than 4 d = 32 into the
** member of the point, the effective diameter 1.1 * 0.7 * 8 = 6.16 mm takes the place of d
** (EN 1995-1-1, 8.7.1): 6.16^2.6 = 112.95614, half formula 0.15 * 400 * 112.95614 / 1.1 =
** 6161.24 Nmm, full formula 12322.49 Nmm. */
TEST(ScrewDin571, DesignValuesTakeFu400BesideTimberAndPlates)
{
    Standard_Scope en(true);
    Connection_Result r{};
    /* the shank ends 20 mm into member 2 (t1 = 40): d_ef */
    ASSERT_EQ(Design_Connection(Screw_Input(), &r), 0);
    EXPECT_DOUBLE_EQ(r.fu_used, 400.0);
    EXPECT_NEAR(r.my_d, 6161.24, 0.01);

    /* outer steel plate of 10 mm as member 1: the shank reaches 50 mm into the timber, d */
    Connection_Input outer = Screw_Input();
    outer.mat_1 = 12;
    outer.grade_1 = 0;
    outer.t1 = 10.0;
    Connection_Result o{};
    ASSERT_EQ(Design_Connection(outer, &o), 0);
    EXPECT_DOUBLE_EQ(o.fu_used, 400.0);
    EXPECT_NEAR(o.my_d, 12156.0, 0.1);

    /* inner steel plate as member 2, the screw through both timbers: the full formula; the
    ** point's member begins at 40 + 10 = 50, past the shank's end at 120 - 80 = 40: d_ef */
    Connection_Result i{};
    ASSERT_EQ(Design_Connection(Inner_Plate_Input(), &i), 0);
    EXPECT_DOUBLE_EQ(i.fu_used, 400.0);
    EXPECT_NEAR(i.my_d, 12322.49, 0.01);
}

/*
** The effective diameter of a wood screw to DIN 571 (EN 1995-1-1, 8.7.1): screw 8 x 80 mm, core
** 5.6, thread 48 (shank 32), f_u 400, through an outer plate of 8 mm (thick: t >= d) into 72 mm
** of C24 (rho_k 350), single shear, exact proof, no rope effect. The shank reaches 32 - 8 = 24
** < 4 d = 32 into the timber: d_ef = 1.1 * 5.6 = 6.16 for the embedment, the yield moment and
** the failure modes (8.7.1(3)).
**   f_h = 0.082 (1 - 0.01 * 6.16) 350 = 26.93208 (above 6 mm the bolt rule, eq. (8.32));
**   6.16^2.6 = 112.95614; M_y = 0.15 * 400 * 112.95614 = 6777.37, M_y,f = 13554.74 Nmm;
**   (13) 26.93208 * 72 * 6.16 = 11944.92; (14) 11944.92 (sqrt(2 + 4 * 13554.74 / (26.93208 *
**   6.16 * 72²)) - 1) = 5211.92; (15) ra = sqrt 2 sqrt(2 * 13554.74 * 26.93208 * 6.16) =
**   2999.17, rb = sqrt 2 sqrt(26.93208 * 6.16 * 20332.11) = 2597.37 with 2597.37 / 165.902
**   = 15.66 < t_s = 80 - 8 - 48 = 24 taken as ra, rc = sqrt 2 sqrt(2 * 6777.37 * 165.902) +
**   24 * 165.902 = 6102.37: R_k = 2999.17 N (with d = 8: 4753.54 N).
** A screw of 100 mm (shank 52, 44 mm in the timber) keeps d: f_h = 0.082 * 0.92 * 350 = 26.404,
**   M_y,f = 0.3 * 400 * 8^2.6 = 26743.31, ra = sqrt 2 sqrt(2 * 26743.31 * 26.404 * 8) = 4753.54
**   below (14) 6818.68 and rc.
*/
TEST(ScrewDin571, EffectiveDiameterWhereTheShankEndsEarly)
{
    Standard_Scope en(true);
    Connection_Input in = Screw_Input();
    in.d_2 = 5.6;
    in.d_k = 13.0;
    in.length = 80.0;
    in.l_thread = 48.0;
    in.mat_1 = 12;
    in.grade_1 = 0;
    in.t1 = 8.0;
    in.t2 = 72.0;
    in.fu = 400.0;
    EXPECT_NEAR(Calc_Din571_Effective_Diameter(in), 6.16, 1e-12);
    const Connection_Input at_80 = in;
    Connection_Result r{};
    ASSERT_EQ(Design_Connection(in, &r), 0);
    EXPECT_EQ(r.plate_class, 2);
    EXPECT_EQ(r.rule_char, 15);
    EXPECT_NEAR(r.fh2_k, 26.93208, 1e-5);
    EXPECT_NEAR(r.my_rk, 6777.37, 0.01);
    EXPECT_NEAR(r.rk_lateral, 2999.17, 0.01);

    in.length = 100.0;
    EXPECT_DOUBLE_EQ(Calc_Din571_Effective_Diameter(in), 8.0);
    Connection_Result l{};
    ASSERT_EQ(Design_Connection(in, &l), 0);
    EXPECT_NEAR(l.fh2_k, 26.404, 1e-9);
    EXPECT_NEAR(l.rk_lateral, 4753.54, 0.01);

    /* The simplified proof takes d_ef for M_y, f_h and the resistance as well; the plate's
    ** class, the required thicknesses and the point's 4 d keep d = 8 (the safe side).
    ** Outer plate (the screw of 80 mm): the plate is thick (8 >= d), k_p = 1.4; the point-side
    **   thickness with f_u 600 at 90 degrees: M_y = 0.3 * 600 * 222.86094 = 40114.97,
    **   f_h,90 = 26.404 / (1.35 + 0.015 * 8) = 17.96190, t_req = 4.6 sqrt(40114.97 / (17.96190 *
    **   8)) = 76.8581 > 72: k = 72 / 76.8581 = 0.936791; R_k = 0.936791 * 1.4 sqrt(2 * 6777.37 *
    **   26.93208 * 6.16) = 1966.72 N (by d: 0.936791 * 1.4 sqrt(2 * 13371.66 * 26.404 * 8)
    **   = 3117.15 N).
    ** Timber (Screw_Input: f_u 600, 40 mm into 120 mm of C24, the shank 20 mm into member 2):
    **   the thickness rule by d takes the screw's yield moment 0.15 * 600 * 8^2.6 = 20057.48 in
    **   both members, at 90 degrees f_h,90 = 17.96190: t1,req = 1.15 (2 sqrt 0.5 + 2) sqrt(20057.48
    **   / (17.96190 * 8)) = 46.3880 > 40, k = 40 / 46.3880 = 0.862292 (t2,req the same < 100),
    **   beta = 1; R_k = 0.862292 sqrt(2 * 0.15 * 600 * 112.95614 * 26.93208 * 6.16) = 0.862292
    **   sqrt(2 * 10166.05 * 26.93208 * 6.16) = 0.862292 * 1836.61 = 1583.69 N (by d: 2510.08 N).
    ** Inner plate (the first test's: 40 mm of C24, plate 10 mm, 120 mm long): the thick plate's
    **   t_req = 4.6 sqrt(40114.97 / (26.404 * 8)) = 63.3915 > 40, k = 40 / 63.3915 = 0.630999;
    **   R_k = sqrt 2 * 0.630999 sqrt(2 * 10166.05 * 26.93208 * 6.16) = 1638.93 N (by d:
    **   2597.63 N). */
    struct {
        const char *name;
        Connection_Input in;
        double rk;
    } const simplified[] = {{"outer plate", at_80, 1966.72},
                            {"timber", Screw_Input(), 1583.69},
                            {"inner plate", Inner_Plate_Input(), 1638.93}};
    for (const auto &row : simplified) {
        Connection_Input c = row.in;
        c.proof_method = 0;
        Connection_Result s{};
        ASSERT_EQ(Design_Connection(c, &s), 0) << row.name;
        EXPECT_NEAR(s.rk_lateral, row.rk, 0.01) << row.name;
    }

    /* Where the point lies: single shear (behind an 8 mm plate, into 72 mm of timber, as above)
    ** and double shear between side timbers of t1 and a middle member of t2 (C24), the point in
    ** the far side member, which begins t1 + t2 along the axis and is t1 thick. Lengths along an
    ** axis at the angle theta to the members' faces are the thicknesses / sin theta. The smooth
    ** shank ends at l - l_thread; it must reach 4 d = 32 mm into the member of the point
    ** (8.7.1(2)), else d_ef = 1.1 d1 = 1.1 x 5.6 = 6.16 mm (8.7.1(3)):
    **   single, 90 deg, l 80, thread 8: the shank ends at 72, 72 - 8 = 64 > 32: d;
    **   single, 90 deg, l 80, thread 40: 40 - 8 = 32 = 4 d exactly: d;
    **   single, 60 deg, l 80, thread 40: 40 - 8 / 0.866025 = 30.762 < 32: d_ef;
    **   double, 90 deg, 40/60, l 140, thread 20: 120 - 100 = 20 < 32: d_ef (the shank passes the
    **     middle member whole, which is not the point's member);
    **   double, 90 deg, 40/60, l 140, thread 8: 132 - 100 = 32 = 4 d exactly: d;
    **   double, 90 deg, 40/60, l 140, thread 8.5: 31.5 < 32: d_ef;
    **   double, 90 deg, 40/60, l 140, thread 60: the shank ends 80 mm in, in the middle member:
    **     d_ef;
    **   double, 90 deg, 25/60, l 140, thread 10: the shank passes the far member, only 25 < 32
    **     thick: d_ef;
    **   double, 60 deg, 30/60, l 200, thread 10: the shank passes the far member, 30 / 0.866025 =
    **     34.641 >= 32 along the axis: d;
    **   an axis along the faces (0 deg) has no length in the members: d. */
    struct {
        int planes;
        double theta, t1, t2, length, thread, d_ef;
    } const ends[] = {
        {1, 90.0, 8.0, 72.0, 80.0, 8.0, 8.0},     {1, 90.0, 8.0, 72.0, 80.0, 40.0, 8.0},
        {1, 60.0, 8.0, 72.0, 80.0, 40.0, 6.16},   {2, 90.0, 40.0, 60.0, 140.0, 20.0, 6.16},
        {2, 90.0, 40.0, 60.0, 140.0, 8.0, 8.0},   {2, 90.0, 40.0, 60.0, 140.0, 8.5, 6.16},
        {2, 90.0, 40.0, 60.0, 140.0, 60.0, 6.16}, {2, 90.0, 25.0, 60.0, 140.0, 10.0, 6.16},
        {2, 60.0, 30.0, 60.0, 200.0, 10.0, 8.0},  {1, 0.0, 8.0, 72.0, 80.0, 40.0, 8.0},
    };
    for (const auto &e : ends) {
        Connection_Input c = at_80;
        c.shear_planes = e.planes;
        if (e.planes == 2) c.mat_1 = 0; /* side timbers of C24 */
        c.axis_angle = e.theta;
        c.t1 = e.t1;
        c.t2 = e.t2;
        c.length = e.length;
        c.l_thread = e.thread;
        EXPECT_NEAR(Calc_Din571_Effective_Diameter(c), e.d_ef, 1e-12)
            << e.planes << " " << e.theta << " " << e.t1 << " " << e.length << " " << e.thread;
    }

    /* DIN 1052 has no effective diameter: the screw of 80 mm keeps d */
    Standard_Scope din(false);
    in.length = 80.0;
    EXPECT_DOUBLE_EQ(Calc_Din571_Effective_Diameter(in), 8.0);
}

/*
** Beside a thick outer plate the design-value proof of a DIN 571 screw takes the full yield
** moment with f_u = 400 for the hinge in the timber: screw 10 mm, f_u 600 given, plate 12 mm
** (t >= d: thick), 60 mm of C24 (rho_k 350), single shear, length 100 mm without thread part
** (t_s = 100 - 12 = 88 mm), kmod 0.8, gamma_M 1.3, gamma_M,steel 1.1.
** Pre-drilled from 8 mm, above 6 mm the bolt embedment (EN 1995-1-1, eq. (8.32)):
** f_h,d = 0.082 (1 - 0.01 * 10) 350 * 0.8 / 1.3 = 25.83 * 0.8 / 1.3 = 15.89538 N/mm².
** 10^2.6 = 398.1072; M_y,d = 0.15 * 400 * 398.1072 / 1.1 = 21714.94 Nmm (half formula),
** M_y,f,d = 0.3 * 400 * 398.1072 / 1.1 = 43429.87 Nmm (full formula).
** Mode 13: f_h t d = 15.89538 * 60 * 10 = 9537.23 N.
** Mode 14 (EN 1995-1-1, eq. (8.10c)): 9537.23 (sqrt(2 + 4 * 43429.87 / (158.9538 * 3600)) - 1)
**   = 9537.23 (sqrt(2.303582) - 1) = 9537.23 * 0.517755 = 4937.95 N
**   (with f_u 600 it would be 5407.25 N, with the half moment 4452.92 N).
** Mode 15: ra = sqrt 2 sqrt(2 * 43429.87 * 158.9538) = 5254.84 N; rb = sqrt 2
**   sqrt(158.9538 (43429.87 + 21714.94)) = 4550.83 N, and 4550.83 / 158.9538 = 28.6 < t_s
**   takes ra; rc = sqrt 2 sqrt(21714.94 * 158.9538) + 88 * 158.9538 = 16615.3 N: 5254.84 N.
** Mode 14 governs with 4937.95 N.
*/
TEST(ScrewDin571, ThickOuterPlateHingeTakesTheFullMomentWithFu400)
{
    Standard_Scope en(true);
    Connection_Input in{};
    in.vbm_type = 2;
    in.steel_grade = -1;
    in.d = in.d_3 = 10.0;
    in.length = 100.0;
    in.shear_planes = 1;
    in.proof_method = 1;
    in.mat_1 = 12;
    in.t1 = 12.0;
    in.mat_2 = 0;
    in.grade_2 = Grade_Index(0, "C24");
    in.t2 = 60.0;
    in.fu = 600.0;
    in.gamma_m_2 = 1.3;
    in.gamma_steel = 1.1;
    Connection_Result r{};
    r.rho_2 = 350.0;
    r.kmod_2 = 0.8;
    Calc_Rd_Outer_Plate(in, &r);
    EXPECT_EQ(r.plate_class, 2);
    EXPECT_EQ(r.rule_design & 0xFF, 14);
    EXPECT_NEAR(r.fh2_d, 15.89538, 1e-5);
    EXPECT_NEAR(r.my_d, 21714.94, 0.01);
    EXPECT_NEAR(r.rd_lateral, 4937.95, 0.01);
    EXPECT_DOUBLE_EQ(r.fu_used, 400.0);
}
