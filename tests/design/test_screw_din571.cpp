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

} // namespace

/* 8^2.6 = exp(2.6 ln 8) = 222.861; the design yield moment uses f_u = 400:
** half formula 0.15 * 400 * 222.861 / 1.1 = 12156.0 Nmm, full formula 0.3 * 400 * 222.861 / 1.1
** = 24312.1 Nmm */
TEST(ScrewDin571, DesignValuesTakeFu400BesideTimberAndPlates)
{
    Standard_Scope en(true);
    Connection_Result r{};
    ASSERT_EQ(Design_Connection(Screw_Input(), &r), 0);
    EXPECT_DOUBLE_EQ(r.fu_used, 400.0);
    EXPECT_NEAR(r.my_d, 12156.0, 0.1);

    /* outer steel plate of 10 mm as member 1: the same half formula */
    Connection_Input outer = Screw_Input();
    outer.mat_1 = 12;
    outer.grade_1 = 0;
    outer.t1 = 10.0;
    Connection_Result o{};
    ASSERT_EQ(Design_Connection(outer, &o), 0);
    EXPECT_DOUBLE_EQ(o.fu_used, 400.0);
    EXPECT_NEAR(o.my_d, 12156.0, 0.1);

    /* inner steel plate as member 2, the screw through both timbers: the full formula */
    Connection_Input inner = Screw_Input();
    inner.mat_2 = 12;
    inner.grade_2 = 0;
    inner.t2 = 10.0;
    inner.shear_planes = 2;
    inner.length = 120.0;
    Connection_Result i{};
    ASSERT_EQ(Design_Connection(inner, &i), 0);
    EXPECT_DOUBLE_EQ(i.fu_used, 400.0);
    EXPECT_NEAR(i.my_d, 24312.1, 0.1);
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
