/*
** Tests of the axial rule functions of the fastener page: withdrawal by fastener family, the
** effective threaded length in a member, layered members, compression of approved screws,
** head-side capacities and washer bearing. Values worked by hand from EN 1995-1-1, 8.3.2 and
** 8.7.2, DIN 1052, 12.8, and the approvals' parameters (ETA-11/0190: f_ax,k 11.0 N/mm² for d 8;
** ETA-12/0114: 12.0 N/mm² for d 8; ETA-19/0553: 12.3 / 14.0 N/mm² for d 8 in timber).
*/
#include <gtest/gtest.h>

#include <cmath>

#include "design_test_util.h"

namespace {

/* Two layers: 30 mm C24 (rho_k 350) on 20 mm C30 (380): mean (350 * 30 + 380 * 20) / 50 = 362. */
Vbm_Layered_Member Two_Layers(int kind)
{
    Vbm_Layered_Member m{};
    m.kind = kind;
    m.layer_count = 2;
    m.thickness = 50.0;
    m.layers[0] = Vbm_Layer{0, Grade_Index(0, "C24"), 30.0};
    m.layers[1] = Vbm_Layer{0, Grade_Index(0, "C30"), 20.0};
    return m;
}

} // namespace

TEST(RuleAxialValues, WithdrawalByFamily)
{
    Standard_Scope en(true, 1);
    double f = -1.0;
    /* resin-coated staple d 1.5, crown at 90 degrees: f = 40e-6 * 350² = 4.9 (as a class-2
    ** special nail), F = 2 * 4.9 * 1.5 * min(30, 20 * 1.5) = 441; l = 10 < 8 d:
    ** 2 * 4.9 * 1.5 * 10 * (10 / 3 - 3) = 49 */
    EXPECT_NEAR(Calc_Vbm_Withdrawal(/*type=*/1, /*mat=*/0, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                    /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                    /*d=*/1.5, /*d1=*/0.0, /*l=*/30.0, /*alpha=*/90.0,
                                    /*resin_coated=*/1, /*staple_angle=*/90.0, /*table=*/0,
                                    /*out_f_ax=*/&f),
                441.0, 1e-9);
    EXPECT_NEAR(f, 4.9, 1e-12);
    EXPECT_NEAR(Calc_Vbm_Withdrawal(/*type=*/1, /*mat=*/0, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                    /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                    /*d=*/1.5, /*d1=*/0.0, /*l=*/10.0, /*alpha=*/90.0,
                                    /*resin_coated=*/1, /*staple_angle=*/90.0, /*table=*/0,
                                    /*out_f_ax=*/&f),
                49.0, 1e-9);
    /* crown at 20 degrees: f = 20e-6 * 350² = 2.45, 2 * 2.45 * 1.5 * 30 = 220.5, times 0.7 for the
    ** flat crown = 154.35; l = 15 < 12 d: times (15 / 6 - 2) = 0.5 -> 38.5875 */
    EXPECT_NEAR(Calc_Vbm_Withdrawal(/*type=*/1, /*mat=*/0, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                    /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                    /*d=*/1.5, /*d1=*/0.0, /*l=*/30.0, /*alpha=*/90.0,
                                    /*resin_coated=*/1, /*staple_angle=*/20.0, /*table=*/0,
                                    /*out_f_ax=*/&f),
                154.35, 1e-9);
    EXPECT_NEAR(f, 2.45, 1e-12);
    EXPECT_NEAR(Calc_Vbm_Withdrawal(/*type=*/1, /*mat=*/0, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                    /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                    /*d=*/1.5, /*d1=*/0.0, /*l=*/15.0, /*alpha=*/90.0,
                                    /*resin_coated=*/1, /*staple_angle=*/20.0, /*table=*/0,
                                    /*out_f_ax=*/&f),
                38.5875, 1e-9);
    EXPECT_EQ(Calc_Vbm_Withdrawal(/*type=*/1, /*mat=*/0, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                  /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                  /*d=*/1.5, /*d1=*/0.0, /*l=*/30.0, /*alpha=*/90.0,
                                  /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                  /*out_f_ax=*/&f),
              0.0);
    /* smooth nail d 4: 4 * 2.45 * 60 = 588; l = 40 < 12 d: 4 * 2.45 * 40 (40 / 16 - 2) = 196;
    ** pre-drilled: nothing */
    EXPECT_NEAR(Calc_Vbm_Withdrawal(/*type=*/0, /*mat=*/0, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                    /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                    /*d=*/4.0, /*d1=*/0.0, /*l=*/60.0, /*alpha=*/90.0,
                                    /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                    /*out_f_ax=*/&f),
                588.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Withdrawal(/*type=*/0, /*mat=*/0, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                    /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                    /*d=*/4.0, /*d1=*/0.0, /*l=*/40.0, /*alpha=*/90.0,
                                    /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                    /*out_f_ax=*/&f),
                196.0, 1e-9);
    EXPECT_EQ(Calc_Vbm_Withdrawal(/*type=*/0, /*mat=*/0, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                  /*unused_d=*/0.0, /*predrilled=*/1, /*predrill_core=*/0,
                                  /*d=*/4.0, /*d1=*/0.0, /*l=*/60.0, /*alpha=*/90.0,
                                  /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                  /*out_f_ax=*/&f),
              0.0);
    EXPECT_EQ(Calc_Vbm_Withdrawal(/*type=*/0, /*mat=*/0, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                  /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/1,
                                  /*d=*/4.0, /*d1=*/0.0, /*l=*/60.0, /*alpha=*/90.0,
                                  /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                  /*out_f_ax=*/&f),
              0.0);
    /* type 45, d 4, l 40: min(350 (1 + 0.15) 6.125 / 350 = 7.04375,
    ** 350 (350 (10.92 - 0.0632 - 3.872) / 320) / 320 = 8.3558) -> 4 * 7.04375 * 40 = 1127;
    ** type 46 with d >= 4.1: 15 * 5 * 40 = 3000 */
    EXPECT_NEAR(Calc_Vbm_Withdrawal(/*type=*/45, /*mat=*/0, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                    /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                    /*d=*/4.0, /*d1=*/0.0, /*l=*/40.0, /*alpha=*/90.0,
                                    /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                    /*out_f_ax=*/&f),
                1127.0, 1e-9);
    EXPECT_NEAR(f, 7.04375, 1e-12);
    EXPECT_NEAR(Calc_Vbm_Withdrawal(/*type=*/46, /*mat=*/0, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                    /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                    /*d=*/5.0, /*d1=*/0.0, /*l=*/40.0, /*alpha=*/90.0,
                                    /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                    /*out_f_ax=*/&f),
                3000.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Withdrawal(/*type=*/46, /*mat=*/0, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                    /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                    /*d=*/4.0, /*d1=*/0.0, /*l=*/40.0, /*alpha=*/90.0,
                                    /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                    /*out_f_ax=*/&f),
                13.8 * 160.0, 1e-9);
    /* special nail of class 1 (type 16): f = 30e-6 * 350² = 3.675, 3.675 * 4 * 40 = 588;
    ** l = 28 < 8 d: times (28 / 8 - 3) = 0.5 -> 205.8 */
    EXPECT_NEAR(Calc_Vbm_Withdrawal(/*type=*/16, /*mat=*/0, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                    /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                    /*d=*/4.0, /*d1=*/0.0, /*l=*/40.0, /*alpha=*/90.0,
                                    /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                    /*out_f_ax=*/&f),
                588.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Withdrawal(/*type=*/16, /*mat=*/0, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                    /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                    /*d=*/4.0, /*d1=*/0.0, /*l=*/28.0, /*alpha=*/90.0,
                                    /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                    /*out_f_ax=*/&f),
                205.8, 1e-9);
    /* wood screw to DIN 571, d 6, core 4 (k_d = min(6 / 8, 1) = 0.75), l 50 at 90 degrees
    ** (EN 1995-1-1, eq. (8.40a)): f = 0.52 6^-0.5 50^-0.1 350^0.8, 50 * 6 * f * 0.75 = 3503.22;
    ** without a core diameter at 45 degrees k_d stays, as in either form of 8.7.2(4) and (5):
    ** 50 * 6 * f * 0.75 / (0.5 + 1.2 * 0.5) = 3184.75 */
    EXPECT_NEAR(Calc_Vbm_Withdrawal(/*type=*/2, /*mat=*/0, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                    /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                    /*d=*/6.0, /*d1=*/4.0, /*l=*/50.0, /*alpha=*/90.0,
                                    /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                    /*out_f_ax=*/&f),
                3503.222, 0.001);
    EXPECT_NEAR(Calc_Vbm_Withdrawal(/*type=*/2, /*mat=*/0, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                    /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                    /*d=*/6.0, /*d1=*/0.0, /*l=*/50.0, /*alpha=*/45.0,
                                    /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                    /*out_f_ax=*/&f),
                3184.748, 0.001);
    /* ETA-11/0190, d 8, l 60: 8 * 11.0 * 60 = 5280; at 30 degrees times 0.3 + 0.7 * 30 / 45
    ** = 0.76667; rho_k 650 counts as 590: times (590 / 350)^0.8 = 1.518543 */
    EXPECT_NEAR(Calc_Vbm_Withdrawal(/*type=*/14, /*mat=*/0, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                    /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                    /*d=*/8.0, /*d1=*/5.0, /*l=*/60.0, /*alpha=*/90.0,
                                    /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                    /*out_f_ax=*/&f),
                5280.0, 1e-9);
    EXPECT_NEAR(f, 11.0, 1e-12);
    EXPECT_NEAR(Calc_Vbm_Withdrawal(/*type=*/14, /*mat=*/0, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                    /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                    /*d=*/8.0, /*d1=*/5.0, /*l=*/60.0, /*alpha=*/30.0,
                                    /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                    /*out_f_ax=*/&f),
                5280.0 * 0.7666667, 0.001);
    EXPECT_NEAR(Calc_Vbm_Withdrawal(/*type=*/14, /*mat=*/0, /*rho_k=*/650.0, /*fibre_saturated=*/0,
                                    /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                    /*d=*/8.0, /*d1=*/5.0, /*l=*/60.0, /*alpha=*/90.0,
                                    /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                    /*out_f_ax=*/&f),
                5280.0 * 1.518543, 0.01);
    /* ETA-12/0114, d 8: 8 * 12.0 * 60 = 5760, no cap of rho: (650 / 350)^0.8 = 1.640878 */
    EXPECT_NEAR(Calc_Vbm_Withdrawal(/*type=*/11, /*mat=*/0, /*rho_k=*/650.0, /*fibre_saturated=*/0,
                                    /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                    /*d=*/8.0, /*d1=*/5.0, /*l=*/60.0, /*alpha=*/90.0,
                                    /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                    /*out_f_ax=*/&f),
                5760.0 * 1.640878, 0.01);
    /* third family, d 8, timber: set A 12.3, set B 14.0; 60 * 8 * 12.3 = 5904; rho 480:
    ** (480 / 350)^0.8 = 1.287474; at 30 degrees k_alpha = 0.76667 */
    EXPECT_NEAR(Calc_Vbm_Withdrawal(/*type=*/50, /*mat=*/0, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                    /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                    /*d=*/8.0, /*d1=*/5.0, /*l=*/60.0, /*alpha=*/90.0,
                                    /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                    /*out_f_ax=*/&f),
                5904.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Withdrawal(/*type=*/50, /*mat=*/0, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                    /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                    /*d=*/8.0, /*d1=*/5.0, /*l=*/60.0, /*alpha=*/90.0,
                                    /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/1,
                                    /*out_f_ax=*/&f),
                60.0 * 8.0 * 14.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Withdrawal(/*type=*/50, /*mat=*/0, /*rho_k=*/480.0, /*fibre_saturated=*/0,
                                    /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                    /*d=*/8.0, /*d1=*/5.0, /*l=*/60.0, /*alpha=*/30.0,
                                    /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                    /*out_f_ax=*/&f),
                5904.0 * 0.7666667 * 1.287474, 0.01);
    /* in material 13 at 30 degrees: k_alpha 0.5 + 0.5 * 30 / 45 = 0.83333 and the division by
    ** sin² + 1.5 cos² = 1.375 */
    EXPECT_NEAR(Calc_Vbm_Withdrawal(/*type=*/50, /*mat=*/13, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                    /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                    /*d=*/8.0, /*d1=*/5.0, /*l=*/60.0, /*alpha=*/30.0,
                                    /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                    /*out_f_ax=*/&f)
                    * 1.375,
                60.0 * 8.0 * 0.8333333 * Get_Fax_Family_C_A(8.0, 13, 0), 0.01);
    /* beech LVL (material 18, rho capped at 590, reference 730): not pre-drilled d 8: 39.2;
    ** 60 * 8 * 39.2 * (590 / 730)^0.8 = 18816 * 0.843380 = 15869.04 */
    EXPECT_NEAR(Calc_Vbm_Withdrawal(/*type=*/50, /*mat=*/18, /*rho_k=*/730.0, /*fibre_saturated=*/0,
                                    /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                    /*d=*/8.0, /*d1=*/5.0, /*l=*/60.0, /*alpha=*/90.0,
                                    /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                    /*out_f_ax=*/&f),
                15869.04, 0.01);
    /* OSB below 549 kg/m³ carries nothing */
    EXPECT_EQ(Calc_Vbm_Withdrawal(/*type=*/50, /*mat=*/4, /*rho_k=*/540.0, /*fibre_saturated=*/0,
                                  /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                  /*d=*/5.0, /*d1=*/3.0, /*l=*/20.0, /*alpha=*/90.0,
                                  /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                  /*out_f_ax=*/&f),
              0.0);
    /* a dowel has no withdrawal value */
    EXPECT_EQ(Calc_Vbm_Withdrawal(/*type=*/29, /*mat=*/0, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                  /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                  /*d=*/8.0, /*d1=*/0.0, /*l=*/60.0, /*alpha=*/90.0,
                                  /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                  /*out_f_ax=*/&f),
              0.0);
}

TEST(RuleAxialValues, EffectiveLengthAndLayeredMembers)
{
    Standard_Scope en(true, 1);
    const int c24 = Grade_Index(0, "C24");
    double f = -1.0, l = -1.0;
    int code = -1;
    /* the tip at 50 inside 60 mm, threaded 30, from 10: l = 50 - max(10, 20, 0) = 30;
    ** smooth nail d 4: 4 * 2.45 * 30 (30 / 16 - 2) < 0 -> 0 */
    EXPECT_NEAR(Calc_Vbm_Axial_Value(/*type=*/16, /*unused=*/0, /*layered=*/nullptr, /*mat=*/0,
                                     /*grade=*/c24, /*fibre_saturated=*/0, /*resin_coated=*/0,
                                     /*staple_angle=*/90.0, /*unused_d=*/0.0, /*predrilled=*/0,
                                     /*predrill_core=*/0, /*d=*/4.0, /*d1=*/0.0, /*t=*/60.0,
                                     /*l_g=*/30.0, /*x_a=*/10.0, /*x_e=*/50.0, /*alpha=*/90.0,
                                     /*table=*/0, /*out_f_ax=*/&f, /*out_l=*/&l,
                                     /*out_code=*/&code),
                3.675 * 4.0 * 30.0 * (30.0 / 8.0 - 3.0), 1e-9);
    EXPECT_DOUBLE_EQ(l, 30.0);
    EXPECT_EQ(code, 0);
    /* the tip beyond the member (80 > 60): l = 60 - max(10, 60 - 30, 0) = 30; a thread of 100
    ** counts from x_a: 60 - 10 = 50 */
    Calc_Vbm_Axial_Value(/*type=*/16, /*unused=*/0, /*layered=*/nullptr, /*mat=*/0, /*grade=*/c24,
                         /*fibre_saturated=*/0, /*resin_coated=*/0, /*staple_angle=*/90.0,
                         /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0, /*d=*/4.0,
                         /*d1=*/0.0, /*t=*/60.0, /*l_g=*/30.0, /*x_a=*/10.0, /*x_e=*/80.0,
                         /*alpha=*/90.0, /*table=*/0, /*out_f_ax=*/&f, /*out_l=*/&l,
                         /*out_code=*/&code);
    EXPECT_DOUBLE_EQ(l, 30.0);
    EXPECT_NEAR(Calc_Vbm_Axial_Value(/*type=*/16, /*unused=*/0, /*layered=*/nullptr, /*mat=*/0,
                                     /*grade=*/c24, /*fibre_saturated=*/0, /*resin_coated=*/0,
                                     /*staple_angle=*/90.0, /*unused_d=*/0.0, /*predrilled=*/0,
                                     /*predrill_core=*/0, /*d=*/4.0, /*d1=*/0.0, /*t=*/60.0,
                                     /*l_g=*/100.0, /*x_a=*/10.0, /*x_e=*/80.0, /*alpha=*/90.0,
                                     /*table=*/0, /*out_f_ax=*/&f, /*out_l=*/&l,
                                     /*out_code=*/&code),
                3.675 * 4.0 * 50.0, 1e-9);
    EXPECT_DOUBLE_EQ(l, 50.0);
    /* no member, no thread, no length, a steel plate: 0 everywhere */
    EXPECT_EQ(Calc_Vbm_Axial_Value(/*type=*/16, /*unused=*/0, /*layered=*/nullptr, /*mat=*/0,
                                   /*grade=*/c24, /*fibre_saturated=*/0, /*resin_coated=*/0,
                                   /*staple_angle=*/90.0, /*unused_d=*/0.0, /*predrilled=*/0,
                                   /*predrill_core=*/0, /*d=*/4.0, /*d1=*/0.0, /*t=*/0.05,
                                   /*l_g=*/100.0, /*x_a=*/10.0, /*x_e=*/80.0, /*alpha=*/90.0,
                                   /*table=*/0, /*out_f_ax=*/&f, /*out_l=*/&l,
                                   /*out_code=*/&code),
              0.0);
    EXPECT_EQ(f, 0.0);
    EXPECT_EQ(l, 0.0);
    EXPECT_EQ(Calc_Vbm_Axial_Value(/*type=*/16, /*unused=*/0, /*layered=*/nullptr, /*mat=*/12,
                                   /*grade=*/0, /*fibre_saturated=*/0, /*resin_coated=*/0,
                                   /*staple_angle=*/90.0, /*unused_d=*/0.0, /*predrilled=*/0,
                                   /*predrill_core=*/0, /*d=*/4.0, /*d1=*/0.0, /*t=*/60.0,
                                   /*l_g=*/100.0, /*x_a=*/10.0, /*x_e=*/80.0, /*alpha=*/90.0,
                                   /*table=*/0, /*out_f_ax=*/&f, /*out_l=*/&l,
                                   /*out_code=*/&code),
              0.0);
    EXPECT_EQ(Calc_Vbm_Axial_Value(/*type=*/16, /*unused=*/0, /*layered=*/nullptr, /*mat=*/0,
                                   /*grade=*/c24, /*fibre_saturated=*/0, /*resin_coated=*/0,
                                   /*staple_angle=*/90.0, /*unused_d=*/0.0, /*predrilled=*/0,
                                   /*predrill_core=*/0, /*d=*/4.0, /*d1=*/0.0, /*t=*/60.0,
                                   /*l_g=*/0.05, /*x_a=*/10.0, /*x_e=*/80.0, /*alpha=*/90.0,
                                   /*table=*/0, /*out_f_ax=*/&f, /*out_l=*/&l,
                                   /*out_code=*/&code),
              0.0);
    EXPECT_EQ(Calc_Vbm_Axial_Value(/*type=*/16, /*unused=*/0, /*layered=*/nullptr, /*mat=*/0,
                                   /*grade=*/c24, /*fibre_saturated=*/0, /*resin_coated=*/0,
                                   /*staple_angle=*/90.0, /*unused_d=*/0.0, /*predrilled=*/0,
                                   /*predrill_core=*/0, /*d=*/4.0, /*d1=*/0.0, /*t=*/60.0,
                                   /*l_g=*/30.0, /*x_a=*/10.0, /*x_e=*/10.05, /*alpha=*/90.0,
                                   /*table=*/0, /*out_f_ax=*/&f, /*out_l=*/&l,
                                   /*out_code=*/&code),
              0.0);

    /* layered member, rho the mean over the nail's depth 0 to 40: (350 * 30 + 380 * 10) / 40
    ** = 357.5; a class-3 special nail (type 22), f = 50e-6 * 357.5² = 6.3903 >= 4.5: kind 2:
    ** 14 d^0.6 l = 14 * 4^0.6 * 40 = 1286.54;
    ** kind 0: the same times 0.8 for d < 6 = 1029.23 when it crosses more than two layers */
    Vbm_Layered_Member k2 = Two_Layers(2);
    EXPECT_NEAR(Calc_Vbm_Axial_Value(/*type=*/22, /*unused=*/0, /*layered=*/&k2, /*mat=*/-10,
                                     /*grade=*/0, /*fibre_saturated=*/0, /*resin_coated=*/0,
                                     /*staple_angle=*/90.0, /*unused_d=*/0.0, /*predrilled=*/0,
                                     /*predrill_core=*/0, /*d=*/4.0, /*d1=*/0.0, /*t=*/50.0,
                                     /*l_g=*/50.0, /*x_a=*/0.0, /*x_e=*/40.0, /*alpha=*/90.0,
                                     /*table=*/0, /*out_f_ax=*/&f, /*out_l=*/&l,
                                     /*out_code=*/&code),
                1286.542, 0.001);
    EXPECT_EQ(code, 0);
    EXPECT_NEAR(f, 6.3903125, 1e-9);
    /* class 1 (type 16): f = 30e-6 * 357.5² = 3.834 < 4.5: code 133 and 0 */
    EXPECT_EQ(Calc_Vbm_Axial_Value(/*type=*/16, /*unused=*/0, /*layered=*/&k2, /*mat=*/-10,
                                   /*grade=*/0, /*fibre_saturated=*/0, /*resin_coated=*/0,
                                   /*staple_angle=*/90.0, /*unused_d=*/0.0, /*predrilled=*/0,
                                   /*predrill_core=*/0, /*d=*/4.0, /*d1=*/0.0, /*t=*/50.0,
                                   /*l_g=*/50.0, /*x_a=*/0.0, /*x_e=*/40.0, /*alpha=*/90.0,
                                   /*table=*/0, /*out_f_ax=*/&f, /*out_l=*/&l,
                                   /*out_code=*/&code),
              0.0);
    EXPECT_EQ(code, 133);
    /* l = 30 < 8 d = 32: code 135 */
    EXPECT_EQ(Calc_Vbm_Axial_Value(/*type=*/22, /*unused=*/0, /*layered=*/&k2, /*mat=*/-10,
                                   /*grade=*/0, /*fibre_saturated=*/0, /*resin_coated=*/0,
                                   /*staple_angle=*/90.0, /*unused_d=*/0.0, /*predrilled=*/0,
                                   /*predrill_core=*/0, /*d=*/4.0, /*d1=*/0.0, /*t=*/50.0,
                                   /*l_g=*/30.0, /*x_a=*/0.0, /*x_e=*/40.0, /*alpha=*/90.0,
                                   /*table=*/0, /*out_f_ax=*/&f, /*out_l=*/&l,
                                   /*out_code=*/&code),
              0.0);
    EXPECT_EQ(code, 135);
    Vbm_Layered_Member k1 = Two_Layers(1);
    EXPECT_NEAR(Calc_Vbm_Axial_Value(/*type=*/22, /*unused=*/0, /*layered=*/&k1, /*mat=*/-10,
                                     /*grade=*/0, /*fibre_saturated=*/0, /*resin_coated=*/0,
                                     /*staple_angle=*/90.0, /*unused_d=*/0.0, /*predrilled=*/0,
                                     /*predrill_core=*/0, /*d=*/4.0, /*d1=*/0.0, /*t=*/50.0,
                                     /*l_g=*/50.0, /*x_a=*/0.0, /*x_e=*/40.0, /*alpha=*/90.0,
                                     /*table=*/0, /*out_f_ax=*/&f, /*out_l=*/&l,
                                     /*out_code=*/&code),
                1286.542, 0.001);
    EXPECT_EQ(code, 0);
    /* kind 21 as kind 1; any other kind takes the general withdrawal of a class-3 nail,
    ** f d l = 6.3903125 * 4 * 40 = 1022.45 */
    Vbm_Layered_Member k21 = Two_Layers(21);
    EXPECT_NEAR(Calc_Vbm_Axial_Value(/*type=*/22, /*unused=*/0, /*layered=*/&k21, /*mat=*/-10,
                                     /*grade=*/0, /*fibre_saturated=*/0, /*resin_coated=*/0,
                                     /*staple_angle=*/90.0, /*unused_d=*/0.0, /*predrilled=*/0,
                                     /*predrill_core=*/0, /*d=*/4.0, /*d1=*/0.0, /*t=*/50.0,
                                     /*l_g=*/50.0, /*x_a=*/0.0, /*x_e=*/40.0, /*alpha=*/90.0,
                                     /*table=*/0, /*out_f_ax=*/&f, /*out_l=*/&l,
                                     /*out_code=*/&code),
                1286.542, 0.001);
    Vbm_Layered_Member k3 = Two_Layers(3);
    EXPECT_NEAR(Calc_Vbm_Axial_Value(/*type=*/22, /*unused=*/0, /*layered=*/&k3, /*mat=*/-10,
                                     /*grade=*/0, /*fibre_saturated=*/0, /*resin_coated=*/0,
                                     /*staple_angle=*/90.0, /*unused_d=*/0.0, /*predrilled=*/0,
                                     /*predrill_core=*/0, /*d=*/4.0, /*d1=*/0.0, /*t=*/50.0,
                                     /*l_g=*/50.0, /*x_a=*/0.0, /*x_e=*/40.0, /*alpha=*/90.0,
                                     /*table=*/0, /*out_f_ax=*/&f, /*out_l=*/&l,
                                     /*out_code=*/&code),
                1022.45, 0.001);
    EXPECT_EQ(code, 0);
    /* kind 0 with two layers only: code 135 */
    Vbm_Layered_Member k0 = Two_Layers(0);
    EXPECT_EQ(Calc_Vbm_Axial_Value(/*type=*/22, /*unused=*/0, /*layered=*/&k0, /*mat=*/-10,
                                   /*grade=*/0, /*fibre_saturated=*/0, /*resin_coated=*/0,
                                   /*staple_angle=*/90.0, /*unused_d=*/0.0, /*predrilled=*/0,
                                   /*predrill_core=*/0, /*d=*/4.0, /*d1=*/0.0, /*t=*/50.0,
                                   /*l_g=*/50.0, /*x_a=*/0.0, /*x_e=*/40.0, /*alpha=*/90.0,
                                   /*table=*/0, /*out_f_ax=*/&f, /*out_l=*/&l,
                                   /*out_code=*/&code),
              0.0);
    EXPECT_EQ(code, 135);
    k0.layer_count = 3;
    k0.layers[2] = Vbm_Layer{0, c24, 10.0};
    k0.thickness = 60.0;
    /* three layers (the nail's depth 0 to 40 as before) */
    EXPECT_NEAR(Calc_Vbm_Axial_Value(/*type=*/22, /*unused=*/0, /*layered=*/&k0, /*mat=*/-10,
                                     /*grade=*/0, /*fibre_saturated=*/0, /*resin_coated=*/0,
                                     /*staple_angle=*/90.0, /*unused_d=*/0.0, /*predrilled=*/0,
                                     /*predrill_core=*/0, /*d=*/4.0, /*d1=*/0.0, /*t=*/60.0,
                                     /*l_g=*/60.0, /*x_a=*/0.0, /*x_e=*/40.0, /*alpha=*/90.0,
                                     /*table=*/0, /*out_f_ax=*/&f, /*out_l=*/&l,
                                     /*out_code=*/&code),
                1029.234, 0.001);
    EXPECT_EQ(code, 0);
    EXPECT_NEAR(Calc_Rho_K_Layered(&k0, 0.0, -1.0), 360.0, 1e-9);
    /* a part of the depth: 20 to 40 lies 10 in C24 and 10 in C30: 365 */
    EXPECT_NEAR(Calc_Rho_K_Layered(&k0, 20.0, 40.0), 365.0, 1e-9);
}

TEST(RuleAxialValues, FurtherLayeredAndHeadSideFunctions)
{
    Standard_Scope din(false);
    Vbm_Layered_Member k0 = Two_Layers(0);
    /* kind 0, special nail d 4: the first three layers (50 mm) must reach l + 1:
    ** l 50: 14 * 4^0.6 * 50 * 0.8 = 1286.54; l 40: 0; with 30 + 40 mm of layers, d 6 at 0
    ** degrees (without 0.8, over sin² + 1.2 cos² = 1.2), l 70: 14 * 6^0.6 * 70 / 1.2 = 2392.96 */
    EXPECT_NEAR(Calc_Vbm_Withdrawal_Layered(&k0, 16, 0, 0, 4.0, 50.0, 90.0), 1286.542, 0.001);
    EXPECT_EQ(Calc_Vbm_Withdrawal_Layered(&k0, 16, 0, 0, 4.0, 40.0, 90.0), 0.0);
    k0.layers[1].thickness = 40.0;
    EXPECT_NEAR(Calc_Vbm_Withdrawal_Layered(&k0, 16, 0, 0, 6.0, 70.0, 0.0), 2392.961, 0.001);
    EXPECT_EQ(Calc_Vbm_Withdrawal_Layered(&k0, 16, 0, 0, 6.0, 69.0, 0.0), 0.0);
    /* kinds 3 to 7, special nail above 2.7 mm: f = 30e-6 * 362² = 3.931 (DIN), l 30:
    ** 3.93132 * 3 * 30 = 353.82; l 20 < 8 d: times (20 / 6 - 3) -> 78.626 */
    Vbm_Layered_Member k3 = Two_Layers(3);
    EXPECT_NEAR(Calc_Vbm_Withdrawal_Layered(&k3, 16, 0, 0, 3.0, 30.0, 90.0), 353.8188, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Withdrawal_Layered(&k3, 16, 0, 0, 3.0, 20.0, 90.0), 78.6264, 1e-9);
    EXPECT_EQ(Calc_Vbm_Withdrawal_Layered(&k3, 16, 0, 0, 2.5, 30.0, 90.0), 0.0);
    /* kinds 1 and 2, d 5, l 50 >= 8 d: class 3 (f 6.552) passes both, class 1 (3.931) neither:
    ** 14 * 5^0.6 * 50 = 1838.57 */
    Vbm_Layered_Member k1 = Two_Layers(1), k2 = Two_Layers(2);
    EXPECT_NEAR(Calc_Vbm_Withdrawal_Layered(&k1, 22, 0, 0, 5.0, 50.0, 90.0), 1838.569, 0.001);
    EXPECT_NEAR(Calc_Vbm_Withdrawal_Layered(&k2, 22, 0, 0, 5.0, 50.0, 90.0), 1838.569, 0.001);
    EXPECT_EQ(Calc_Vbm_Withdrawal_Layered(&k1, 16, 0, 0, 5.0, 50.0, 90.0), 0.0);
    EXPECT_EQ(Calc_Vbm_Withdrawal_Layered(&k2, 16, 0, 0, 5.0, 50.0, 90.0), 0.0);
    EXPECT_EQ(Calc_Vbm_Withdrawal_Layered(&k1, 22, 0, 0, 5.0, 39.0, 90.0), 0.0);
    /* l = 8 d = 40 just qualifies: 14 * 5^0.6 * 40 = 1470.86 */
    EXPECT_NEAR(Calc_Vbm_Withdrawal_Layered(&k1, 22, 0, 0, 5.0, 40.0, 90.0), 1470.855, 0.001);
    /* approved screws: d 8, l 60, rho 362: ETA-11/0190 8 * 11.0 * 60 (362 / 350)^0.8, at 30
    ** degrees times 0.76667; ETA-12/0114 8 * 12.0 * 60 (362 / 350)^0.8 */
    const double kr = std::pow(362.0 / 350.0, 0.8);
    EXPECT_NEAR(Calc_Vbm_Withdrawal_Layered(&k1, 14, 0, 0, 8.0, 60.0, 90.0), 5280.0 * kr, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Withdrawal_Layered(&k1, 14, 0, 0, 8.0, 60.0, 30.0),
                5280.0 * kr * (0.3 + 0.7 * 30.0 / 45.0), 1e-9);
    EXPECT_NEAR(Calc_Vbm_Withdrawal_Layered(&k1, 11, 0, 0, 8.0, 60.0, 90.0), 5760.0 * kr, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Withdrawal_Layered(&k1, 50, 0, 0, 8.0, 60.0, 90.0), 5904.0 * kr, 1e-9);
    EXPECT_EQ(Calc_Vbm_Withdrawal_Layered(&k1, 29, 0, 0, 8.0, 60.0, 90.0), 0.0);
    EXPECT_EQ(Calc_Vbm_Withdrawal_Layered(nullptr, 14, 0, 0, 8.0, 60.0, 90.0), 0.0);

    /* compression of an ETA-11/0190 screw d 8, core 5, l 60, rho 362, at 90 degrees:
    ** N_pl = 1000 pi 25 / 4 = 19634.95; c_h = (0.19 + 0.012 * 8) 362 = 103.532;
    ** I = pi 5^4 / 64 = 30.6796; N_ki = sqrt(103.532 * 210000 * 30.6796) = 25826.88;
    ** lambda = 0.871925, k = 1.044748, kappa = 0.617175: kappa N_pl = 12118.19 above
    ** F_ax = 8 * 11.0 * 60 = 5280, which governs; with l 200 (F_ax 17600) the buckling */
    EXPECT_NEAR(Calc_Screw_Compression_Layered(&k1, 14, 0, 8.0, 5.0, 60.0, 90.0), 5280.0, 1e-9);
    EXPECT_NEAR(Calc_Screw_Compression_Layered(&k1, 14, 0, 8.0, 5.0, 200.0, 90.0), 12118.19, 0.01);
    /* stainless, f_y 500: N_pl 9817.48, lambda 0.616544, k 0.792116, kappa 0.775536 -> 7613.80 */
    EXPECT_NEAR(Calc_Screw_Compression_Layered(&k1, 14, 1, 8.0, 5.0, 200.0, 90.0), 7613.80, 0.01);
    /* ETA-12/0114 at 90 degrees: 8 * 12.0 * 60 (362 / 350)^0.8 / 1.0 */
    EXPECT_NEAR(Calc_Screw_Compression_Layered(&k1, 11, 0, 8.0, 5.0, 60.0, 90.0), 5760.0 * kr,
                1e-9);
    EXPECT_EQ(Calc_Screw_Compression_Layered(&k1, 50, 0, 8.0, 5.0, 60.0, 90.0), 0.0);
    EXPECT_EQ(Calc_Screw_Compression_Layered(nullptr, 14, 0, 8.0, 5.0, 60.0, 90.0), 0.0);
}

TEST(RuleAxialValues, WasherBearingAndHeadCapacity)
{
    Standard_Scope en(true, 1);
    const int c24 = Grade_Index(0, "C24"), c30 = Grade_Index(0, "C30");
    /* EN 1995-1-1, 8.5.2(2): 3 f_c,90,k A with A = pi / 4 (44² - 13²) = 1387.81 for M12 and a
    ** 44 mm washer: C24 (2.5) 10408.6, C30 (2.7) 11241.3; a steel plate takes
    ** D = min(12 t, 4 d) = 48: pi / 4 (48² - 13²) = 1676.83 */
    const double A = 3.14159265359 / 4.0 * (44.0 * 44.0 - 169.0);
    const double A_p = 3.14159265359 / 4.0 * (48.0 * 48.0 - 169.0);
    Vbm_Member_Record m{0, c24, 60.0};
    EXPECT_NEAR(Calc_Vbm_Washer_Bearing_Member(&m, 0, 1, 12.0, 44.0), 3.0 * 2.5 * A, 1e-6);
    EXPECT_NEAR(Calc_Vbm_Washer_Bearing_Member(&m, 12, 1, 12.0, 44.0), 3.0 * 2.5 * A_p, 1e-6);
    Vbm_Member_Record plate{12, 0, 6.0};
    EXPECT_EQ(Calc_Vbm_Washer_Bearing_Member(&plate, 0, 1, 12.0, 44.0), 0.0);
    EXPECT_EQ(Calc_Vbm_Washer_Bearing_Member(nullptr, 0, 1, 12.0, 44.0), 0.0);
    EXPECT_NEAR(Calc_Vbm_Washer_Bearing(0, 2.5, 60.0, 12.0, 44.0), 3.0 * 2.5 * A, 1e-6);
    EXPECT_NEAR(Calc_Vbm_Washer_Bearing(12, 2.5, 6.0, 12.0, 44.0), 3.0 * 2.5 * A_p, 1e-6);

    /* a bolt with a washer: member 1's f_c,90 (C30: 2.7), with selector 1 the smaller of both
    ** (C24: 2.5) */
    Vbm_Rule_Input in{};
    Init_Vbm_Layout_Defaults(&in);
    in.vbm_type = 30;
    in.d = 12.0;
    in.washer_d = 44.0;
    in.mat1 = in.mat2 = 0;
    in.grade1 = c30;
    in.grade2 = c24;
    in.t1 = in.t1_a = 6.0;
    in.t2 = in.t2_a = 60.0;
    double f_head = -1.0;
    EXPECT_NEAR(Calc_Vbm_Head_Capacity(&in, &f_head, 0), 3.0 * 2.7 * A, 1e-6);
    EXPECT_NEAR(Calc_Vbm_Head_Capacity(&in, &f_head, 1), 3.0 * 2.5 * A, 1e-6);
    /* a steel plate as member 1 (t 6: D = min(72, 48)): member 2's f_c,90 on the plate's area,
    ** with selector 1 at most the washer's */
    in.mat1 = 12;
    in.grade1 = 0;
    EXPECT_NEAR(Calc_Vbm_Head_Capacity(&in, &f_head, 0), 3.0 * 2.5 * A_p, 1e-6);
    EXPECT_NEAR(Calc_Vbm_Head_Capacity(&in, &f_head, 1), 3.0 * 2.5 * A, 1e-6);
    /* a steel plate as member 2, selector 1: member 1's value on the smaller area */
    in.mat1 = 0;
    in.grade1 = c30;
    in.mat2 = 12;
    in.grade2 = 0;
    in.t2 = 3.0; /* D = min(36, 48) = 36 below the washer */
    const double A_36 = 3.14159265359 / 4.0 * (36.0 * 36.0 - 169.0);
    EXPECT_NEAR(Calc_Vbm_Head_Capacity(&in, &f_head, 1), 3.0 * 2.7 * A_36, 1e-6);
    /* a smooth nail (EN, member pair allowed): d_k² f_head = 10² * 70e-6 * 380² = 1010.8 */
    Vbm_Rule_Input nail = in;
    nail.vbm_type = 0;
    nail.d = 4.0;
    nail.d_k = 10.0;
    nail.washer_d = -1.0;
    nail.mat2 = 0;
    nail.grade2 = c24;
    EXPECT_NEAR(Calc_Vbm_Head_Capacity(&nail, &f_head, 0), 100.0 * 70e-6 * 380.0 * 380.0, 1e-9);
    Standard_Scope din(false);
    EXPECT_EQ(Calc_Vbm_Head_Capacity(&nail, &f_head, 0), 0.0); /* DIN: no rope effect */
    EXPECT_EQ(Calc_Vbm_Head_Capacity(nullptr, &f_head, 0), 0.0);
}

TEST(RuleAxialValues, HeadPullThroughByFamily)
{
    Standard_Scope en(true, 1);
    const int c24 = Grade_Index(0, "C24");
    double f = -1.0;
    int code = -1;
    /* ETA-12/0114 screw (type 11) without washer, head 14 > 1.8 d1: f_head = 27 - 14 = 13;
    ** F = 14² * 13 = 2548 in 40 mm; t / D >= 3 (60 mm) raises by 1.3: 3312.4 */
    EXPECT_NEAR(Calc_Fax_Rk(/*type=*/11, /*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*head_form=*/0,
                            /*d=*/8.0, /*D=*/14.0, /*d1=*/5.0, /*washer=*/0, /*fibre_saturated=*/0,
                            /*unused=*/0, /*staple_angle=*/90.0, /*out_f_head=*/&f,
                            /*out_code=*/&code),
                2548.0, 1e-9);
    EXPECT_DOUBLE_EQ(f, 13.0);
    EXPECT_NEAR(Calc_Fax_Rk(/*type=*/11, /*mat=*/0, /*grade=*/c24, /*t=*/60.0, /*head_form=*/0,
                            /*d=*/8.0, /*D=*/14.0, /*d1=*/5.0, /*washer=*/0, /*fibre_saturated=*/0,
                            /*unused=*/0, /*staple_angle=*/90.0, /*out_f_head=*/&f,
                            /*out_code=*/&code),
                3312.4, 1e-9);
    /* t / D = 42 / 14 = 3 exactly raises as well */
    EXPECT_NEAR(Calc_Fax_Rk(/*type=*/11, /*mat=*/0, /*grade=*/c24, /*t=*/42.0, /*head_form=*/0,
                            /*d=*/8.0, /*D=*/14.0, /*d1=*/5.0, /*washer=*/0, /*fibre_saturated=*/0,
                            /*unused=*/0, /*staple_angle=*/90.0, /*out_f_head=*/&f,
                            /*out_code=*/&code),
                3312.4, 1e-9);
    /* with a washer the second formula: 29 - 14 = 15 -> 2940 */
    EXPECT_NEAR(Calc_Fax_Rk(/*type=*/11, /*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*head_form=*/0,
                            /*d=*/8.0, /*D=*/14.0, /*d1=*/5.0, /*washer=*/1, /*fibre_saturated=*/0,
                            /*unused=*/0, /*staple_angle=*/90.0, /*out_f_head=*/&f,
                            /*out_code=*/&code),
                2940.0, 1e-9);
    /* a head below 1.8 d1 pulls through: 0 */
    EXPECT_EQ(Calc_Fax_Rk(/*type=*/11, /*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*head_form=*/0,
                          /*d=*/8.0, /*D=*/8.0, /*d1=*/5.0, /*washer=*/0, /*fibre_saturated=*/0,
                          /*unused=*/0, /*staple_angle=*/90.0, /*out_f_head=*/&f,
                          /*out_code=*/&code),
              0.0);
    /* in OSB of 10 mm (rho counted 380): head 8, f 27 - 8 = 19: 64 * 19 (380 / 350)^0.8 =
    ** 1298.69, at most 400 below 12 mm */
    EXPECT_NEAR(Calc_Fax_Rk(/*type=*/11, /*mat=*/4, /*grade=*/1, /*t=*/10.0, /*head_form=*/0,
                            /*d=*/4.0, /*D=*/8.0, /*d1=*/2.5, /*washer=*/0, /*fibre_saturated=*/0,
                            /*unused=*/0, /*staple_angle=*/90.0, /*out_f_head=*/&f,
                            /*out_code=*/&code),
                400.0, 1e-9);
    EXPECT_DOUBLE_EQ(f, 19.0);
    /* ETA-11/0190 screw (type 14): 13 for heads up to 19 mm, 10 above: 14² * 13 = 2548,
    ** 20² * 10 = 4000 */
    EXPECT_NEAR(Calc_Fax_Rk(/*type=*/14, /*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*head_form=*/0,
                            /*d=*/8.0, /*D=*/14.0, /*d1=*/5.0, /*washer=*/0, /*fibre_saturated=*/0,
                            /*unused=*/0, /*staple_angle=*/90.0, /*out_f_head=*/&f,
                            /*out_code=*/&code),
                2548.0, 1e-9);
    EXPECT_NEAR(Calc_Fax_Rk(/*type=*/14, /*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*head_form=*/0,
                            /*d=*/8.0, /*D=*/20.0, /*d1=*/5.0, /*washer=*/0, /*fibre_saturated=*/0,
                            /*unused=*/0, /*staple_angle=*/90.0, /*out_f_head=*/&f,
                            /*out_code=*/&code),
                4000.0, 1e-9);
    /* third family in 30 mm softwood: 14 for heads below 23 mm: 14 * 196 = 2744; in 10 mm OSB
    ** capped at 400 */
    EXPECT_NEAR(Calc_Fax_Rk(/*type=*/50, /*mat=*/0, /*grade=*/c24, /*t=*/30.0, /*head_form=*/0,
                            /*d=*/8.0, /*D=*/14.0, /*d1=*/5.0, /*washer=*/0, /*fibre_saturated=*/0,
                            /*unused=*/0, /*staple_angle=*/90.0, /*out_f_head=*/&f,
                            /*out_code=*/&code),
                2744.0, 1e-9);
    /* third family in 30 mm of hardwood D30 (530, (530 / 350)^0.8 = 1.393690): heads above
    ** 20 mm or with a washer 15, else 20: 15 * 24² * 1.393690 = 12041.48, 15 * 20² * 1.393690 =
    ** 8362.14, 20 * 20² * 1.393690 = 11149.52 */
    const int d30 = Grade_Index(1, "D30");
    EXPECT_NEAR(Calc_Fax_Rk(/*type=*/50, /*mat=*/1, /*grade=*/d30, /*t=*/30.0, /*head_form=*/0,
                            /*d=*/8.0, /*D=*/24.0, /*d1=*/5.0, /*washer=*/0, /*fibre_saturated=*/0,
                            /*unused=*/0, /*staple_angle=*/90.0, /*out_f_head=*/&f,
                            /*out_code=*/&code),
                12041.48, 0.01);
    EXPECT_DOUBLE_EQ(f, 15.0);
    EXPECT_NEAR(Calc_Fax_Rk(/*type=*/50, /*mat=*/1, /*grade=*/d30, /*t=*/30.0, /*head_form=*/0,
                            /*d=*/8.0, /*D=*/20.0, /*d1=*/5.0, /*washer=*/1, /*fibre_saturated=*/0,
                            /*unused=*/0, /*staple_angle=*/90.0, /*out_f_head=*/&f,
                            /*out_code=*/&code),
                8362.14, 0.01);
    EXPECT_NEAR(Calc_Fax_Rk(/*type=*/50, /*mat=*/1, /*grade=*/d30, /*t=*/30.0, /*head_form=*/0,
                            /*d=*/8.0, /*D=*/20.0, /*d1=*/5.0, /*washer=*/0, /*fibre_saturated=*/0,
                            /*unused=*/0, /*staple_angle=*/90.0, /*out_f_head=*/&f,
                            /*out_code=*/&code),
                11149.52, 0.01);
    /* wood screw to DIN 571 (type 2): 60e-6 * 350² = 7.35, 14² * 7.35 = 1440.6 */
    EXPECT_NEAR(Calc_Fax_Rk(/*type=*/2, /*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*head_form=*/0,
                            /*d=*/6.0, /*D=*/14.0, /*d1=*/4.0, /*washer=*/0, /*fibre_saturated=*/0,
                            /*unused=*/0, /*staple_angle=*/90.0, /*out_f_head=*/&f,
                            /*out_code=*/&code),
                1440.6, 1e-9);
    /* smooth nail: 10² * 70e-6 * 350² = 857.5 */
    EXPECT_NEAR(Calc_Fax_Rk(/*type=*/0, /*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*head_form=*/0,
                            /*d=*/4.0, /*D=*/10.0, /*d1=*/0.0, /*washer=*/0, /*fibre_saturated=*/0,
                            /*unused=*/0, /*staple_angle=*/90.0, /*out_f_head=*/&f,
                            /*out_code=*/&code),
                857.5, 1e-9);
    /* staple: 2 * 8.575 * 10 * 1.5 = 257.25; crown at 20 degrees times 0.7 */
    EXPECT_NEAR(Calc_Fax_Rk(/*type=*/1, /*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*head_form=*/0,
                            /*d=*/1.5, /*D=*/10.0, /*d1=*/0.0, /*washer=*/0, /*fibre_saturated=*/0,
                            /*unused=*/0, /*staple_angle=*/90.0, /*out_f_head=*/&f,
                            /*out_code=*/&code),
                257.25, 1e-9);
    EXPECT_NEAR(Calc_Fax_Rk(/*type=*/1, /*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*head_form=*/0,
                            /*d=*/1.5, /*D=*/10.0, /*d1=*/0.0, /*washer=*/0, /*fibre_saturated=*/0,
                            /*unused=*/0, /*staple_angle=*/20.0, /*out_f_head=*/&f,
                            /*out_code=*/&code),
                180.075, 1e-9);
    /* special nail (type 17, head class B) in OSB: up to 11.99 mm 400 / D², up to 19.99 mm 8,
    ** thicker 80e-6 * 380² = 11.552: with D 10: 400, 800, 1155.2 */
    EXPECT_NEAR(Calc_Fax_Rk(/*type=*/17, /*mat=*/4, /*grade=*/1, /*t=*/10.0, /*head_form=*/0,
                            /*d=*/4.0, /*D=*/10.0, /*d1=*/0.0, /*washer=*/0, /*fibre_saturated=*/0,
                            /*unused=*/0, /*staple_angle=*/90.0, /*out_f_head=*/&f,
                            /*out_code=*/&code),
                400.0, 1e-9);
    EXPECT_NEAR(Calc_Fax_Rk(/*type=*/17, /*mat=*/4, /*grade=*/1, /*t=*/15.0, /*head_form=*/0,
                            /*d=*/4.0, /*D=*/10.0, /*d1=*/0.0, /*washer=*/0, /*fibre_saturated=*/0,
                            /*unused=*/0, /*staple_angle=*/90.0, /*out_f_head=*/&f,
                            /*out_code=*/&code),
                800.0, 1e-9);
    EXPECT_NEAR(Calc_Fax_Rk(/*type=*/17, /*mat=*/4, /*grade=*/1, /*t=*/25.0, /*head_form=*/0,
                            /*d=*/4.0, /*D=*/10.0, /*d1=*/0.0, /*washer=*/0, /*fibre_saturated=*/0,
                            /*unused=*/0, /*staple_angle=*/90.0, /*out_f_head=*/&f,
                            /*out_code=*/&code),
                1155.2, 1e-9);

    /* the user-defined screw lines come into the common fields */
    Vbm_Rule_Input in{};
    in.vbm_type = 43;
    in.user_line_43 = Vbm_Screw_Line{1, 1, 8.0, 20.0, 5.0, 160.0, 80.0, 24.0, 90.0, 0, 0, 0.0};
    Apply_User_Screw_Line_43(&in);
    EXPECT_EQ(in.stainless, 1);
    EXPECT_DOUBLE_EQ(in.washer_d, 24.0);
    EXPECT_DOUBLE_EQ(in.d, 8.0);
    EXPECT_DOUBLE_EQ(in.d2, 5.0);
    EXPECT_DOUBLE_EQ(in.d_k, 20.0);
    EXPECT_DOUBLE_EQ(in.length, 160.0);
    EXPECT_DOUBLE_EQ(in.l_ef, 80.0);
    Vbm_Rule_Input other{};
    other.vbm_type = 44;
    other.user_line_43 = in.user_line_43;
    Apply_User_Screw_Line_43(&other);
    EXPECT_EQ(other.d, 0.0);
    other.user_line_44 = Vbm_Screw_Line{0, 0, 6.0, 12.0, 4.0, 100.0, 60.0, 24.0, 90.0, 0, 0, 0.0};
    Apply_User_Screw_Line_44(&other);
    EXPECT_DOUBLE_EQ(other.d, 6.0);
    EXPECT_DOUBLE_EQ(other.washer_d, -1.0); /* no washer */
    in.vbm_type = 45;
    in.d = 0.0;
    Apply_User_Screw_Line_44(&in);
    EXPECT_EQ(in.d, 0.0);
    Apply_User_Screw_Line_43(nullptr);
    Apply_User_Screw_Line_44(nullptr);
}

TEST(RuleAxialValues, CompressionOfApprovedScrews)
{
    Standard_Scope en(true, 1);
    const int c24 = Grade_Index(0, "C24");
    double out[10];
    /* ETA-12/0114, d 8, core 5, l 60 in C24 at 90 degrees: F_ax = 8 * 12.0 * 60 = 5760;
    ** N_pl = 1000 pi 25 / 4 = 19634.95; c_h = (0.19 + 0.096) 350 = 100.1; I = 30.6796;
    ** N_ki = sqrt(100.1 * 210000 * 30.6796) = 25395.20; lambda 0.879304, k 1.053017,
    ** kappa 0.612600 -> kappa N_pl = 12028.36 above F_ax: the withdrawal governs */
    Calc_Screw_Buckling(/*mat=*/0, /*grade=*/c24, /*type=*/11, /*stainless=*/0, /*d=*/8.0,
                        /*d1=*/5.0, /*t=*/60.0, /*l=*/60.0, /*alpha=*/90.0, /*predrilled=*/0,
                        /*out=*/out);
    EXPECT_NEAR(out[0], 100.1, 1e-9);
    EXPECT_NEAR(out[1], 30.679616, 1e-6);
    EXPECT_NEAR(out[2], 0.612600, 1e-6);
    EXPECT_NEAR(out[3], 1.053017, 1e-6);
    EXPECT_NEAR(out[4], 0.879304, 1e-6);
    EXPECT_NEAR(out[5], 25395.20, 0.01);
    EXPECT_DOUBLE_EQ(out[6], 12.0);
    EXPECT_NEAR(out[7], 19634.95, 0.01);
    EXPECT_NEAR(out[8], 5760.0, 1e-9);
    EXPECT_EQ(out[9], 0.0);
    /* at 0 degrees the withdrawal is divided by 1.2: 4800; l 200: 19200 above the buckling */
    Calc_Screw_Buckling(/*mat=*/0, /*grade=*/c24, /*type=*/11, /*stainless=*/0, /*d=*/8.0,
                        /*d1=*/5.0, /*t=*/60.0, /*l=*/60.0, /*alpha=*/0.0, /*predrilled=*/0,
                        /*out=*/out);
    EXPECT_NEAR(out[8], 4800.0, 1e-9);
    Calc_Screw_Buckling(/*mat=*/0, /*grade=*/c24, /*type=*/11, /*stainless=*/0, /*d=*/8.0,
                        /*d1=*/5.0, /*t=*/60.0, /*l=*/240.0, /*alpha=*/90.0, /*predrilled=*/0,
                        /*out=*/out);
    EXPECT_NEAR(out[8], 12028.36, 0.01);
    EXPECT_EQ(out[9], 1.0);
    /* ETA-11/0190: F_ax = 8 * 11.0 * 240 = 21120 without density factor */
    Calc_Screw_Buckling(/*mat=*/0, /*grade=*/c24, /*type=*/14, /*stainless=*/0, /*d=*/8.0,
                        /*d1=*/5.0, /*t=*/60.0, /*l=*/240.0, /*alpha=*/90.0, /*predrilled=*/0,
                        /*out=*/out);
    EXPECT_DOUBLE_EQ(out[6], 11.0);
    EXPECT_NEAR(out[8], 12028.36, 0.01);
    Calc_Screw_Buckling(/*mat=*/0, /*grade=*/c24, /*type=*/14, /*stainless=*/0, /*d=*/8.0,
                        /*d1=*/5.0, /*t=*/60.0, /*l=*/10.0, /*alpha=*/90.0, /*predrilled=*/0,
                        /*out=*/out);
    EXPECT_NEAR(out[8], 880.0, 1e-9);
}

TEST(RuleAxialValues, BoundariesOfTheParameters)
{
    Standard_Scope en(true, 1);
    double f = 0.0;
    /* type 46 from 4.1 mm: 15; a special nail of class 1 in a layered user material (-10) whose
    ** f_ax 3.675 lies below 50e-6 * 350² = 6.125: nothing; in timber 588 */
    EXPECT_NEAR(Calc_Vbm_Withdrawal(/*type=*/46, /*mat=*/0, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                    /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                    /*d=*/4.2, /*d1=*/0.0, /*l=*/40.0, /*alpha=*/90.0,
                                    /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                    /*out_f_ax=*/&f),
                15.0 * 4.2 * 40.0, 1e-9);
    EXPECT_EQ(Calc_Vbm_Withdrawal(/*type=*/16, /*mat=*/-10, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                  /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                  /*d=*/4.0, /*d1=*/0.0, /*l=*/40.0, /*alpha=*/90.0,
                                  /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                  /*out_f_ax=*/&f),
              0.0);
    EXPECT_NEAR(Calc_Vbm_Withdrawal(/*type=*/16, /*mat=*/10, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                    /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                    /*d=*/4.0, /*d1=*/0.0, /*l=*/40.0, /*alpha=*/90.0,
                                    /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                    /*out_f_ax=*/&f),
                588.0, 1e-9);
    EXPECT_EQ(Calc_Vbm_Withdrawal(/*type=*/45, /*mat=*/-10, /*rho_k=*/350.0, /*fibre_saturated=*/0,
                                  /*unused_d=*/0.0, /*predrilled=*/0, /*predrill_core=*/0,
                                  /*d=*/4.0, /*d1=*/0.0, /*l=*/100.0, /*alpha=*/90.0,
                                  /*resin_coated=*/0, /*staple_angle=*/90.0, /*table=*/0,
                                  /*out_f_ax=*/&f),
              0.0);
    /* the head classes of the special nails 34 to 42 (the higher values): type 37 head A
    ** 120e-6 * 350² = 14.7, type 38 B 140e-6, type 39 C 160e-6; 16 to 24 the lower ones */
    EXPECT_NEAR(Calc_Fhead_Nail_Param(37, 0, 350.0), 14.7, 1e-9);
    EXPECT_NEAR(Calc_Fhead_Nail_Param(38, 0, 350.0), 17.15, 1e-9);
    EXPECT_NEAR(Calc_Fhead_Nail_Param(39, 0, 350.0), 19.6, 1e-9);
    EXPECT_NEAR(Calc_Fhead_Nail_Param(19, 0, 350.0), 7.35, 1e-9);
    EXPECT_NEAR(Calc_Fhead_Nail_Param(23, 0, 350.0), 9.8, 1e-9);
    EXPECT_NEAR(Calc_Fax_Nail_Param(37, 0.0, 0, 0, 350.0), 40e-6 * 350.0 * 350.0, 1e-9);
    EXPECT_NEAR(Calc_Fax_Nail_Param(40, 0.0, 0, 0, 350.0), 50e-6 * 350.0 * 350.0, 1e-9);
    EXPECT_NEAR(Calc_Fax_Nail_Param(34, 0.0, 0, 0, 350.0), 30e-6 * 350.0 * 350.0, 1e-9);
    /* the washers of kind 1: 7 to 9 mm 28, 11 to 13 mm 42 */
    EXPECT_EQ(Get_Washer_Diameter(7.5, 1), 28.0);
    EXPECT_EQ(Get_Washer_Diameter(9.5, 1), 33.0);
    EXPECT_EQ(Get_Washer_Diameter(5.0, 1), 22.0);
    EXPECT_EQ(Get_Washer_Diameter(7.0, 2), 25.0);
}

TEST(RuleLateralValues, EmbedmentInLayeredMembers)
{
    Standard_Scope en(true);
    Vbm_Layered_Member k0 = Two_Layers(0);
    const double right = 3.14159265358979 / 2.0;
    /* mean density of 30 mm C24 and 20 mm C30: (30 * 350 + 20 * 380) / 50 = 362. Screws
    ** 20 d^-0.5: d 6 8.16497, below 4 mm nothing; dowels 0.082 (1 - 0.01 * 12) 362 = 26.1219
    ** along the grain, over k90 = 1.35 + 0.015 * 12 = 1.53 across it: 17.0732; nails
    ** 0.082 * 362 * 4^-0.3 = 19.5841, pre-drilled 0.082 (1 - 0.04) 362 = 28.4966
    ** (EN 1995-1-1, eqs. (8.15), (8.16), (8.31), (8.32)) */
    EXPECT_NEAR(Calc_Fh_Layered(&k0, 2, 6.0, 0.0, -1.0, 0, 0.0, right, 0), 8.16497, 1e-5);
    EXPECT_EQ(Calc_Fh_Layered(&k0, 2, 3.5, 0.0, -1.0, 0, 0.0, right, 0), 0.0);
    EXPECT_NEAR(Calc_Fh_Layered(&k0, 29, 12.0, 0.0, -1.0, 0, 0.0, right, 0), 26.1219, 1e-4);
    EXPECT_NEAR(Calc_Fh_Layered(&k0, 30, 12.0, 0.0, -1.0, 0, right, right, 0), 17.0732, 1e-4);
    EXPECT_NEAR(Calc_Fh_Layered(&k0, 0, 4.0, 0.0, -1.0, 0, 0.0, right, 0), 19.5841, 1e-4);
    EXPECT_NEAR(Calc_Fh_Layered(&k0, 0, 4.0, 0.0, -1.0, 1, 0.0, right, 0), 28.4966, 1e-4);
    EXPECT_EQ(Calc_Fh_Layered(&k0, 25, 65.0, 0.0, -1.0, 0, 0.0, right, 0), 0.0);
    EXPECT_EQ(Calc_Fh_Layered(nullptr, 29, 12.0, 0.0, -1.0, 0, 0.0, right, 0), 0.0);
}
