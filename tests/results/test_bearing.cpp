/*
** Tests of the bearing of plate holes (EN 1993-1-8 and DIN 18800) and of the partial factors
** of a combination.
*/
#include "results_test_util.h"

TEST(Bearing, EurocodeEdgeAndInner)
{
    Fresh_Splice(true);
    Splice_Input.gamma_m2 = 1.25;
    double Fe = 0, Fi = 0, ae = 0, ai = 0, ke = 0, ki = 0;
    EXPECT_EQ(Calc_Plate_Bearing_Ec(/*d0=*/13, /*d=*/12, /*t=*/10, /*e1=*/30, /*e2=*/20, /*p1=*/40,
                                    /*p2=*/40, /*f_ub=*/800, /*f_u=*/360, /*F_b_edge=*/&Fe,
                                    /*F_b_inner=*/&Fi, /*alpha_b_end=*/&ae, /*alpha_b_inner=*/&ai,
                                    /*k1_edge=*/&ke, /*k1_inner=*/&ki),
              0);
    /* alpha_end = min(30 / 39, 1, 800 / 360) = 0.76923; k1 = min(2.8 * 20 / 13 - 1.7,
    ** 1.4 * 40 / 13 - 1.7, 2.5) = 2.5; F = 2.5 * 0.76923 * 360 * 12 * 10 / 1.25 / 1000 = 66.46 */
    EXPECT_NEAR(ae, 30.0 / 39.0, 1e-12);
    EXPECT_DOUBLE_EQ(ke, 2.5);
    EXPECT_NEAR(Fe, 66.46, 5e-3);
    /* alpha_inner = 40 / 39 - 0.25 = 0.77564; F = 2.5 * 0.77564 * 43200 / 1.25 / 1000 = 67.02 */
    EXPECT_NEAR(ai, 40.0 / 39.0 - 0.25, 1e-12);
    EXPECT_NEAR(Fi, 67.02, 5e-3);

    /* A single column of holes takes the end factor for both. */
    Calc_Plate_Bearing_Ec(/*d0=*/13, /*d=*/12, /*t=*/10, /*e1=*/30, /*e2=*/20, /*p1=*/0.0,
                          /*p2=*/40, /*f_ub=*/800, /*f_u=*/360, /*F_b_edge=*/nullptr,
                          /*F_b_inner=*/&Fi, /*alpha_b_end=*/nullptr, /*alpha_b_inner=*/&ai,
                          /*k1_edge=*/nullptr, /*k1_inner=*/nullptr);
    EXPECT_DOUBLE_EQ(ai, ae);
    EXPECT_NEAR(Fi, Fe, 1e-12);

    EXPECT_EQ(Calc_Alpha_B_End(-1, 30, 800, 360), 0.0);
    EXPECT_EQ(Calc_Alpha_B_Inner(13, 40, 800, -1), 0.0);
    EXPECT_EQ(Calc_K1_Edge(-1, 20, 40), 0.0);
    EXPECT_EQ(Calc_K1_Inner(-1, 40), 0.0);
    /* k1 at a small edge distance: 2.8 * 16 / 13 - 1.7 = 1.74615 */
    EXPECT_NEAR(Calc_K1_Edge(13, 16, 40), 2.8 * 16.0 / 13.0 - 1.7, 1e-12);
}

/* Index of a DIN grade with f_y,k = 240 N/mm² (the DIN 1052 S235). */
static int Din_Grade_240(void)
{
    for (int i = 0; i < 44; i++)
        if (Get_Stahlguete((uint32_t)i)->fy1 == 240.0) return i;
    return -1;
}

TEST(Bearing, DinAtTheMinimumDistances)
{
    Fresh_Splice(false);
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Splice_Input.vbm_type = 0; /* not 29..33: d_L = d + 1 mm */
    Splice_Input.d = 12.0;
    Splice_Input.t_p = 1.0;
    const int g = Din_Grade_240();
    ASSERT_GE(g, 0);
    Splice_Input.plate_steel = g;
    Set_Design_Gammas(0);
    EXPECT_DOUBLE_EQ(Splice_Input.gamma_m0, 1.1);
    const double d0 = 13.0;
    double V = 0, a = 0;
    ASSERT_EQ(Calc_Plate_Bearing_Din(&V, &a, 2.2 * d0, 1.2 * d0, 1.2 * d0, 2.4 * d0, 0), 0);
    /* e2 = 1.2 d_L, relaxed (e3 = 2.4 d_L): end = 0.73 * 1.2 - 0.2 = 0.676, inner = 0.72 * 2.2
    ** - 0.51 = 1.074 -> 0.676; V = 10 * 13 * 0.676 * 240 / 1.1 / 1000 = 19.17 kN */
    EXPECT_NEAR(a, 0.676, 1e-9);
    EXPECT_NEAR(V, 19.17, 5e-3);

    /* below the limits */
    EXPECT_EQ(Calc_Plate_Bearing_Din(&V, &a, 2.2 * d0, 1.2 * d0, 1.19 * d0, 2.4 * d0, 0), 131);
    Splice_Input.t_p = 0.29;
    EXPECT_EQ(Calc_Plate_Bearing_Din(&V, &a, 2.2 * d0, 1.2 * d0, 1.2 * d0, 2.4 * d0, 0), 130);
}

TEST(Bearing, DinFactorLimits)
{
    Fresh_Splice(false);
    Set_Layout(2, 3);
    double a = 0;
    /* e2 = 1.5 d_L, e3 = 2.4 d_L: the interpolation reaches 1.1 e1 / d_L - 0.3 = 1.02 with
    ** e1 = 1.2 d_L; inner at q = 1.5: 1.08 * 2.2 - 0.77 = 1.606 -> 1.02 */
    EXPECT_EQ(Calc_Alpha_L_Din(&a, 10.0, 22.0, 12.0, 15.0, 24.0), 0);
    EXPECT_NEAR(a, 1.02, 1e-9);
    /* e1 = 4 d_L counts as 3 d_L: end 1.1 * 3 - 0.3 = 3.0; e = 10 d_L counts as 3.5 d_L:
    ** inner 1.08 * 3.5 - 0.77 = 3.01 -> 3.0 (uncapped e1 would give 4.1 and 3.01) */
    EXPECT_EQ(Calc_Alpha_L_Din(&a, 10.0, 100.0, 40.0, 20.0, 40.0), 0);
    EXPECT_NEAR(a, 3.0, 1e-9);
    /* not relaxed (e3 < 2.4 d_L, several rows) and e2 below 1.5 d_L: 131 */
    EXPECT_EQ(Calc_Alpha_L_Din(&a, 10.0, 22.0, 12.0, 13.0, 20.0), 131);
    /* one row relaxes the condition */
    Set_Layout(2, 1);
    EXPECT_EQ(Calc_Alpha_L_Din(&a, 10.0, 22.0, 12.0, 13.0, 20.0), 0);
}

TEST(Bearing, PartialFactorsOfACombination)
{
    Fresh_Splice(false);
    Set_Design_Gammas(1);
    EXPECT_DOUBLE_EQ(Splice_Input.gamma_m0, 1.0);
    EXPECT_DOUBLE_EQ(Splice_Input.gamma_m_mid, 1.0); /* DIN accidental */
    Set_Design_Gammas(0);
    EXPECT_DOUBLE_EQ(Splice_Input.gamma_m_mid, 1.3);

    Fresh_Splice(true);
    Nad_Record.ec3.ec3_1.gamma_m0 = 1.05;
    Nad_Record.ec3.ec3_1.gamma_m2 = 1.3;
    Nad_Record.ec5.gamma_m_accidental = 1.02;
    Set_Design_Gammas(0);
    EXPECT_DOUBLE_EQ(Splice_Input.gamma_m0, 1.05);
    EXPECT_DOUBLE_EQ(Splice_Input.gamma_m2, 1.3);
    EXPECT_DOUBLE_EQ(Splice_Input.gamma_m_mid, Nad_Record.ec5.gamma_m_solid);
    Set_Design_Gammas(1);
    EXPECT_DOUBLE_EQ(Splice_Input.gamma_m0, 1.02);
    Nad_EC3_Params_Ptr = nullptr;
    Set_Design_Gammas(1);
    EXPECT_DOUBLE_EQ(Splice_Input.gamma_m0, 1.0);
}
