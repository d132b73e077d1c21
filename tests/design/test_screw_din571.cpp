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
