/*
** Tests of the axial designs to DIN 1052 and EN 1995-1-1, the screw compression check and the
** rope-effect share. Values worked by hand from DIN 1052, 12.8, EN 1995-1-1, 8.3.2 and 8.7.2, and
** EN 1993-1-1, 6.3.1.
*/
#include <gtest/gtest.h>

#include <cmath>

#include "design_test_util.h"

namespace {

Connection_Input Axial_Input(int type, double d)
{
    Connection_Input in{};
    in.vbm_type = type;
    in.d = d;
    in.d_k = 10.0;
    in.length = 100.0;
    in.axis_angle = 90.0;
    in.mat_1 = in.mat_2 = 0;
    in.grade_1 = in.grade_2 = Grade_Index(0, "C24");
    in.t1 = 40.0;
    in.t2 = 60.0;
    in.gamma_m_1 = in.gamma_m_2 = 1.3;
    in.washer_d = -1.0;
    in.staple_angle_1 = in.staple_angle_2 = 90.0;
    return in;
}

Connection_Result Axial_Result(double rho_1, double rho_2)
{
    Connection_Result r{};
    r.rho_1 = rho_1;
    r.rho_2 = rho_2;
    r.kmod_1 = r.kmod_2 = 0.8;
    return r;
}

} // namespace

TEST(AxialEc5, SmoothNailShortPoint)
{
    Standard_Scope en(true);
    Connection_Result r = Axial_Result(350.0, 350.0);
    /* l_ef = 10 d = 40: f_ax = 20e-6 * 350² = 2.45, F1 = 40 * 4 * 2.45 = 392;
    ** head 10² * 70e-6 * 350² = 857.5; both times (10 / 4 - 2) = 0.5 -> 196 and 428.75 */
    const double F = Calc_Axial_Ec5(Axial_Input(0, 4.0), 40.0, 0.0, &r);
    EXPECT_NEAR(F, 196.0, 1e-9);
    EXPECT_NEAR(r.f_ax_point, 196.0, 1e-9);
    EXPECT_NEAR(r.f_ax_head, 428.75, 1e-9);
    /* design value 196 * 0.8 / 1.3 */
    EXPECT_NEAR(r.r_ax_d, 120.615, 0.001);
    /* l_ef = 7 d: code 160 and 0 */
    Connection_Result s = Axial_Result(350.0, 350.0);
    EXPECT_EQ(Calc_Axial_Ec5(Axial_Input(0, 4.0), 28.0, 0.0, &s), 0.0);
    EXPECT_EQ(s.msg_code, 160);
}

TEST(AxialEc5, ApprovedScrewAngleAndGroupFactor)
{
    Standard_Scope en(true, 1);
    Connection_Input in = Axial_Input(11, 8.0);
    in.axis_angle = 10.0;
    Connection_Result r = Axial_Result(350.0, 350.0);
    EXPECT_EQ(Calc_Axial_Ec5(in, 60.0, 0.0, &r), 0.0);
    EXPECT_EQ(r.msg_code, 1014);
    in.axis_angle = 20.0;
    EXPECT_EQ(Calc_Axial_Ec5(in, 60.0, 0.0, &r), 0.0);
    EXPECT_EQ(r.msg_code, 1013);
    /* k_n = 10^0.9 / 10 = 0.79433 */
    Connection_Input s = Axial_Input(2, 6.0);
    s.n_axial = 10;
    s.n_ef_switch = 1;
    s.l_thread = 60.0;
    Connection_Result q = Axial_Result(350.0, 350.0);
    Calc_Axial_Ec5(s, 60.0, 0.0, &q);
    EXPECT_NEAR(q.k_n, 0.79433, 1e-5);
}

TEST(AxialDin1052, TabulatedNailCap)
{
    Standard_Scope din(false);
    Connection_Input in = Axial_Input(45, 3.1);
    in.l_thread = 80.0;
    Connection_Result r = Axial_Result(1000.0, 1000.0);
    /* f_ax = min(1000 (1 + 4.65 / 80) 6.125 / 350 = 18.517, 1000 (1000 * 3.12702 / 320) / 320
    ** = 30.537) = 18.517; F1 = 80 * 3.1 * 18.517 = 4592.3 > 4500: capped, steel governs */
    EXPECT_NEAR(Calc_Axial_Din1052(in, 80.0, 0.0, &r), 4500.0, 1e-9);
    EXPECT_NEAR(r.r_ax_d, 4500.0 / 1.25, 1e-9);
    EXPECT_NEAR(r.f_ax_param, 18.5172, 1e-4);
}

TEST(AxialDin1052, NailRules)
{
    Standard_Scope din(false);
    Connection_Input in = Axial_Input(0, 4.0);
    in.mat_1 = 7;
    in.t1 = 10.0;
    Connection_Result r = Axial_Result(350.0, 350.0);
    /* head in a 10 mm particle board: 400 / d_k² * d_k² = 400 N; point 60 * 4 * 2.205 = 529.2 */
    EXPECT_NEAR(Calc_Axial_Din1052(in, 60.0, 0.0, &r), 400.0, 1e-9);
    in.predrilled = 1;
    EXPECT_EQ(Calc_Axial_Din1052(in, 60.0, 0.0, &r), 0.0);
    EXPECT_EQ(r.msg_code, 1007);
    in.predrilled = 0;
    EXPECT_EQ(Calc_Axial_Din1052(in, 44.0, 0.0, &r), 0.0);     /* 11 d */
    EXPECT_EQ(r.msg_code, 165);
    /* 25 d: computed with 20 d = 80 and code 167 kept: 80 * 4 * 2.205 = 705.6 > 400 */
    EXPECT_NEAR(Calc_Axial_Din1052(in, 100.0, 0.0, &r), 400.0, 1e-9);
    EXPECT_EQ(r.msg_code, 167);
    /* the null result is guarded */
    EXPECT_EQ(Calc_Axial_Din1052(in, 60.0, 0.0, nullptr), 0.0);
    Connection_Input s = Axial_Input(13, 8.0);
    s.axis_angle = 29.0;
    EXPECT_EQ(Calc_Axial_Din1052(s, 60.0, 0.0, &r), 0.0);
    EXPECT_EQ(r.msg_code, 1013);
}

TEST(Compression, PlasticAndBucklingValues)
{
    Standard_Scope en(true);
    Connection_Input in = Axial_Input(14, 8.0);
    in.d_2 = 5.4;
    in.stainless = 1;
    in.l_thread = 100.0;
    Connection_Result r = Axial_Result(350.0, 350.0);
    Calc_Screw_Buckling_Eta11(in, 0.0, &r);
    /* N_pl,k = 500 pi 5.4² / 4 = 11451.1; c_h = (0.19 + 0.012 * 8) 350 (90 + 90) / 180 = 100.1;
    ** I = pi 5.4^4 / 64 = 41.7393; N_ki = sqrt(100.1 * 210000 * 41.7393) = 29621.0;
    ** lambda = sqrt(11451.1 / 29621.0) = 0.62176; k = 0.79663; kappa = 0.77241 */
    EXPECT_NEAR(r.compression[COMP_N_PL_K], 11451.1, 0.05);
    EXPECT_NEAR(r.compression[COMP_C_H], 100.1, 1e-9);
    EXPECT_NEAR(r.compression[COMP_N_KI_K], 29621.0, 0.1);
    EXPECT_NEAR(r.compression[COMP_LAMBDA_K], 0.62176, 1e-5);
    EXPECT_NEAR(r.compression[COMP_KAPPA_C], 0.77241, 1e-5);
    EXPECT_NEAR(r.compression[COMP_GAMMA_M1], 1.1, 1e-12);
    /* pressing in: 100 * 8 * 11.0 = 8800 < kappa N_pl,k = 8845.0 -> no buckling */
    EXPECT_NEAR(r.compression[COMP_F_C_K], 8800.0, 1e-9);
    EXPECT_EQ(r.buckling_char, 0);
}

TEST(Compression, DensityRaisesThePressingInCapacity)
{
    Standard_Scope en(true);
    Connection_Input in = Axial_Input(13, 8.0);
    in.d_2 = 5.4;
    in.l_thread = 100.0;
    in.mat_2 = 14;
    in.user_material.rho_k = 420.0;
    Connection_Result r = Axial_Result(350.0, 420.0);
    Calc_Screw_Buckling_Eta12(in, 0.0, &r);
    /* 8 * 12 * 100 * (420 / 350)^0.8 = 11107.5: a denser timber carries more */
    EXPECT_NEAR(r.compression[COMP_F_AX_K], 11107.5, 0.05);
    in.user_material.rho_k = 350.0;
    Calc_Screw_Buckling_Eta12(in, 0.0, &r);
    EXPECT_NEAR(r.compression[COMP_F_AX_K], 9600.0, 1e-9);
}

TEST(RopeShare, LimitsByFastener)
{
    Standard_Scope en(true, 1);
    Connection_Input in = Axial_Input(0, 4.0);
    Connection_Result r = Axial_Result(350.0, 350.0);
    /* nail, l_ef 60: F_ax = 60 * 4 * 2.45 = 588 (head 857.5); share = min(0.15 * 1000, 588 / 4) */
    EXPECT_NEAR(Calc_Rope_Effect_Share(in, 1000.0, 60.0, 0.0, &r), 147.0, 1e-9);
    EXPECT_NEAR(r.rope_share, 147.0, 1e-9);
    EXPECT_NEAR(Calc_Rope_Effect_Share(in, 500.0, 60.0, 0.0, &r), 75.0, 1e-9);
    /* a pair that carries no axial share: 0, rope_share untouched */
    in.predrilled = 1;
    r.rope_share = 12.5;
    EXPECT_EQ(Calc_Rope_Effect_Share(in, 1000.0, 60.0, 0.0, &r), 0.0);
    EXPECT_EQ(r.rope_share, 12.5);
}

TEST(AxialEc5, ZeroPartialFactorIsNotDeterminable)
{
    Standard_Scope en(true);
    Connection_Input in = Axial_Input(0, 4.0);
    in.gamma_m_1 = in.gamma_m_2 = 0.0;
    Connection_Result r = Axial_Result(350.0, 350.0);
    /* 60 mm point: F = 60 * 4 * 2.45 = 588 stands; its design value is 0 with code 168 */
    EXPECT_NEAR(Calc_Axial_Ec5(in, 60.0, 0.0, &r), 588.0, 1e-9);
    EXPECT_EQ(r.r_ax_d, 0.0);
    EXPECT_EQ(r.msg_code, 168);
}

TEST(AxialEc5, BoltTensileCapacityOfTheStressArea)
{
    /* EN 1993-1-8, Table 3.4: F_t,Rd = 0.9 f_ub A_s / gamma_M2; M16 of grade 4.6 (f_ub 400,
    ** A_s 157 mm²): 0.9 * 400 * 157 / 1.25 = 45216 N (the gross area without 0.9 would give
    ** pi 16² / 4 * 400 / 1.25 = 64339.8) */
    const int fk46 = 23;                              /* "FK 4.6" */
    ASSERT_EQ(Get_Stahlguete(fk46 | STAHL_EC_TABLE)->fu, 400.0);
    {
        Standard_Scope en(true);
        EXPECT_NEAR(Get_Vbm_Ftens_Rk(30, 0, 16.0, 0, fk46 | STAHL_EC_TABLE, 0.0), 45216.0, 1e-6);
        /* M24 8.8: 0.9 * 800 * 353 / 1.25 = 203328; M12 4.6: 0.9 * 400 * 84.3 / 1.25 = 24278.4 */
        EXPECT_NEAR(Get_Vbm_Ftens_Rk(30, 0, 24.0, 0, 27 | STAHL_EC_TABLE, 0.0), 203328.0, 1e-6);
        EXPECT_NEAR(Get_Vbm_Ftens_Rk(30, 0, 12.0, 0, fk46 | STAHL_EC_TABLE, 0.0), 24278.4, 1e-6);
        /* the design run's axial value: washer bearing 3 * 10 * pi/4 (58² - 18²) = 71628.3 above
        ** the steel, which governs */
        Connection_Input in = Axial_Input(30, 16.0);
        in.steel_grade = fk46;
        in.washer_d = 58.0;
        Connection_Result r = Axial_Result(350.0, 350.0);
        EXPECT_NEAR(Calc_Axial_Ec5(in, 60.0, 10.0, &r), 45216.0, 1e-6);
        EXPECT_EQ(r.steel_governs, 1);
        /* without a grade the given fu is taken as it stands: 0.9 * 320 * 157 = 45216 */
        in.steel_grade = -1;
        in.fu = 320.0;
        Connection_Result s = Axial_Result(350.0, 350.0);
        EXPECT_NEAR(Calc_Axial_Ec5(in, 60.0, 10.0, &s), 45216.0, 1e-6);
        /* stress areas between and beyond the standard sizes */
        EXPECT_DOUBLE_EQ(Calc_Bolt_Stress_Area(17.0), 157.0);
        EXPECT_DOUBLE_EQ(Calc_Bolt_Stress_Area(48.0), 1470.0);
        EXPECT_NEAR(Calc_Bolt_Stress_Area(5.0), 3.14159265359 * 4.25 * 4.25 / 4.0, 1e-9);
        EXPECT_NEAR(Calc_Bolt_Stress_Area(52.0), 3.14159265359 * 46.8 * 46.8 / 4.0, 1e-9);
    }
    Standard_Scope din(false);
    /* DIN 1052 keeps pi d² / 4 fu / 1.25 */
    EXPECT_NEAR(Get_Vbm_Ftens_Rk(30, 0, 16.0, 0, fk46, 0.0), 64339.82, 0.01);
}
