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
    EXPECT_EQ(Calc_Axial_Din1052(in, 44.0, 0.0, &r), 0.0); /* 11 d */
    EXPECT_EQ(r.msg_code, 165);
    /* 25 d: computed with 20 d = 80 and code 167 kept: 80 * 4 * 2.205 = 705.6 > 400 */
    EXPECT_NEAR(Calc_Axial_Din1052(in, 100.0, 0.0, &r), 400.0, 1e-9);
    EXPECT_EQ(r.msg_code, 167);
    /* 21 d is above 20 d as well */
    Connection_Result r21 = Axial_Result(350.0, 350.0);
    EXPECT_NEAR(Calc_Axial_Din1052(in, 84.0, 0.0, &r21), 400.0, 1e-9);
    EXPECT_EQ(r21.msg_code, 167);
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
    /* carbon steel, f_y 1000: N_pl,k = 1000 pi 5.4² / 4 = 22902.2 */
    in.stainless = 0;
    Calc_Screw_Buckling_Eta11(in, 0.0, &r);
    EXPECT_NEAR(r.compression[COMP_N_PL_K], 22902.2, 0.05);
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
    const int fk46 = 23; /* "FK 4.6" */
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

TEST(AxialEc5, StressAreasOfTheCoarseThreads)
{
    /* ISO 898-1: A_s = pi / 4 (d - 0.9382 P)² with the coarse pitch P; the tabulated areas lie
    ** within 0.4 % of it, e.g. M30 (P 3.5): pi / 4 (30 - 3.2837)² = 560.59 (561) */
    const struct {
        double d, pitch;
    } sizes[] = {{6, 1.0},  {8, 1.25}, {10, 1.5}, {12, 1.75}, {14, 2.0}, {16, 2.0},
                 {18, 2.5}, {20, 2.5}, {22, 2.5}, {24, 3.0},  {27, 3.0}, {30, 3.5},
                 {33, 3.5}, {36, 4.0}, {39, 4.0}, {42, 4.5},  {45, 4.5}, {48, 5.0}};
    for (const auto &s : sizes) {
        const double core = s.d - 0.9382 * s.pitch;
        const double a = 3.14159265359 / 4.0 * core * core;
        EXPECT_NEAR(Calc_Bolt_Stress_Area(s.d), a, 0.005 * a) << s.d;
        /* a diameter between two sizes takes the smaller */
        if (s.d < 48.0) {
            EXPECT_DOUBLE_EQ(Calc_Bolt_Stress_Area(s.d + 0.5), Calc_Bolt_Stress_Area(s.d)) << s.d;
        }
    }
}

TEST(AxialDin1052, EveryFastenerFamily)
{
    Standard_Scope din(false);
    /* type 45, d 3.1, 40 mm: min(6.125 (1 + 4.65 / 40) = 6.83703, 350 (350 * 6.99902 / 320)
    ** / 320 = 8.3729) -> 40 * 3.1 * 6.83703 = 847.79; d 3.5 in 100 mm: the second form
    ** 350 (350 * 1.29637 / 320) / 320 = 1.41724 -> 100 * 3.5 * 1.41724 = 496.04 */
    Connection_Input t45 = Axial_Input(45, 3.1);
    t45.l_thread = 100.0;
    Connection_Result r = Axial_Result(350.0, 350.0);
    EXPECT_NEAR(Calc_Axial_Din1052(t45, 40.0, 0.0, &r), 847.792, 0.001);
    EXPECT_NEAR(r.f_ax_param, 6.83703, 1e-5);
    EXPECT_NEAR(r.f_head_param, 6.83703, 1e-5);
    EXPECT_NEAR(r.r_ax_d, 847.792 * 0.8 / 1.3, 0.001);
    t45.d = 3.5;
    EXPECT_NEAR(Calc_Axial_Din1052(t45, 100.0, 0.0, &r), 496.035, 0.001);
    /* type 46: 15 for d >= 4.1, else 13.8: 40 * 4.5 * 15 = 2700 (cap 4900), 40 * 4 * 13.8 =
    ** 2208 (cap 3500) */
    Connection_Input t46 = Axial_Input(46, 4.5);
    t46.l_thread = 100.0;
    EXPECT_NEAR(Calc_Axial_Din1052(t46, 40.0, 0.0, &r), 2700.0, 1e-9);
    t46.d = 4.0;
    EXPECT_NEAR(Calc_Axial_Din1052(t46, 40.0, 0.0, &r), 2208.0, 1e-9);
    EXPECT_NEAR(Calc_Axial_Din1052(t46, 300.0, 0.0, &r), 3500.0, 1e-9);
    EXPECT_NEAR(r.r_ax_d, 3500.0 / 1.25, 1e-9);
    /* 80 * 4.5 * 15 = 5400 stops at 4900 */
    t46.d = 4.5;
    EXPECT_NEAR(Calc_Axial_Din1052(t46, 80.0, 0.0, &r), 4900.0, 1e-9);

    /* smooth nail, head in panels (d_k 10): point 60 * 4 * 2.205 = 529.2; OSB 15 mm: 8 * 100 =
    ** 800 -> the point; OSB 25 mm: 60e-6 * 380² * 100 = 866.4 -> the point; gypsum fibre: 15 *
    ** 100 = 1500; timber C24: 60e-6 * 350² * 100 = 735 above the point of 100 mm counted as
    ** 20 d = 80: 80 * 4 * 2.205 = 705.6 */
    Connection_Input nail = Axial_Input(0, 4.0);
    nail.mat_1 = 4;
    nail.grade_1 = 1;
    nail.t1 = 15.0;
    EXPECT_NEAR(Calc_Axial_Din1052(nail, 60.0, 0.0, &r), 529.2, 1e-9);
    EXPECT_DOUBLE_EQ(r.f_head_param, 8.0);
    nail.t1 = 25.0;
    Connection_Result osb = Axial_Result(550.0, 350.0);
    Calc_Axial_Din1052(nail, 60.0, 0.0, &osb);
    EXPECT_NEAR(osb.f_head_param, 8.664, 1e-9);
    EXPECT_DOUBLE_EQ(osb.rho_1, 380.0);
    nail.mat_1 = 9;
    Calc_Axial_Din1052(nail, 60.0, 0.0, &r);
    EXPECT_DOUBLE_EQ(r.f_head_param, 15.0);
    nail.mat_1 = 0;
    nail.grade_1 = Grade_Index(0, "C24");
    nail.t1 = 40.0;
    EXPECT_NEAR(Calc_Axial_Din1052(nail, 100.0, 0.0, &r), 705.6, 1e-9);
    EXPECT_NEAR(r.f_head_param, 7.35, 1e-12);
    EXPECT_NEAR(r.f_ax_param, 2.205, 1e-12);

    /* special nail of class 1 (type 16), d 3, 40 mm: 40 * 3 * 30e-6 * 350² = 441 */
    Connection_Input sp = Axial_Input(16, 3.0);
    sp.l_thread = 100.0;
    EXPECT_NEAR(Calc_Axial_Din1052(sp, 40.0, 0.0, &r), 441.0, 1e-9);
    EXPECT_EQ(Calc_Axial_Din1052(sp, 35.0, 0.0, &r), 0.0); /* below 12 d */
    EXPECT_EQ(r.msg_code, 165);
    Connection_Input sp2 = Axial_Input(19, 3.0); /* class 2: 8 d */
    sp2.l_thread = 100.0;
    EXPECT_EQ(Calc_Axial_Din1052(sp2, 23.0, 0.0, &r), 0.0);
    EXPECT_EQ(r.msg_code, 166);
    EXPECT_NEAR(Calc_Axial_Din1052(sp2, 24.0, 0.0, &r), 24.0 * 3.0 * 40e-6 * 350.0 * 350.0, 1e-9);

    /* resin-coated staple d 1.5 (back 10), 40 mm counted as 20 d = 30: point 2 * 30 * 1.5 *
    ** 2.205 = 198.45, head 10 * 1.5 * 7.35 = 110.25; with a back of 30 the point; wet (moisture
    ** 25 %): point / 3, code 1009; flat crown (20 degrees): * 0.7, code 1010 */
    Connection_Input st = Axial_Input(1, 1.5);
    st.resin_coated = 1;
    st.l_thread = 100.0;
    EXPECT_NEAR(Calc_Axial_Din1052(st, 40.0, 0.0, &r), 110.25, 1e-9);
    st.d_k = 30.0;
    EXPECT_NEAR(Calc_Axial_Din1052(st, 40.0, 0.0, &r), 198.45, 1e-9);
    st.moisture = 25.0;
    EXPECT_NEAR(Calc_Axial_Din1052(st, 40.0, 0.0, &r), 198.45 * 0.3333333, 1e-4);
    EXPECT_EQ(r.msg_code, 1009);
    st.moisture = 0.0;
    st.staple_angle_1 = 20.0;
    EXPECT_NEAR(Calc_Axial_Din1052(st, 40.0, 0.0, &r), 198.45 * 0.7, 1e-9);
    EXPECT_EQ(r.msg_code, 1010);
    /* a coated length of 25 below the capped 30 counts: 2 * 25 * 1.5 * 2.205 = 165.375 */
    st.staple_angle_1 = 90.0;
    st.l_thread = 25.0;
    EXPECT_NEAR(Calc_Axial_Din1052(st, 40.0, 0.0, &r), 165.375, 1e-9);
    st.resin_coated = 0;
    EXPECT_EQ(Calc_Axial_Din1052(st, 40.0, 0.0, &r), 0.0);
    EXPECT_EQ(r.msg_code, 164);

    /* wood screw to DIN 571 (type 2), d 6, thread 50: 50 * 6 * 60e-6 * 350² = 2205; head
    ** 10² * 7.35 = 735 governs; at 45 degrees the point over sin² + 4/3 cos² = 1.16667 */
    Connection_Input ws = Axial_Input(2, 6.0);
    ws.l_thread = 50.0;
    ws.d_k = 20.0;
    EXPECT_NEAR(Calc_Axial_Din1052(ws, 60.0, 0.0, &r), 2205.0, 1e-9);
    ws.d_k = 10.0;
    EXPECT_NEAR(Calc_Axial_Din1052(ws, 60.0, 0.0, &r), 735.0, 1e-9);
    ws.d_k = 20.0;
    ws.axis_angle = 45.0;
    EXPECT_NEAR(Calc_Axial_Din1052(ws, 60.0, 0.0, &r), 2205.0 / (0.5 + 0.5 * 4.0 / 3.0), 1e-6);
    /* through a steel plate the head side takes the point's value */
    ws.axis_angle = 90.0;
    ws.mat_1 = 12;
    ws.d_k = 10.0;
    EXPECT_NEAR(Calc_Axial_Din1052(ws, 60.0, 0.0, &r), 2205.0, 1e-9);
}

TEST(AxialDin1052, ApprovedScrewsAndBolts)
{
    Standard_Scope din(false);
    Connection_Result r = Axial_Result(350.0, 350.0);
    /* ETA-11/0190 screw (type 14), d 8, washer 24: point (60 / 1) 8 * 80e-6 * 350² = 4704;
    ** head max(80e-6 * 24² * 350² = 5644.8, thread in member 1 8 * 9.8 * 40 = 3136) -> 4704
    ** below the steel 22000 */
    Connection_Input a = Axial_Input(14, 8.0);
    a.washer_d = 24.0;
    a.l_thread = 100.0;
    EXPECT_NEAR(Calc_Axial_Din1052(a, 60.0, 0.0, &r), 4704.0, 1e-9);
    /* 200 mm of point: 15680 and the head 5644.8 governs */
    EXPECT_NEAR(Calc_Axial_Din1052(a, 200.0, 0.0, &r), 5644.8, 1e-6);
    /* member 1 thinner than 1.2 d: nothing */
    a.t1 = 9.0;
    EXPECT_EQ(Calc_Axial_Din1052(a, 60.0, 0.0, &r), 0.0);
    a.t1 = 40.0;
    a.axis_angle = 25.0;
    EXPECT_EQ(Calc_Axial_Din1052(a, 60.0, 0.0, &r), 0.0);
    EXPECT_EQ(r.msg_code, 1015);
    /* 30 degrees are allowed: k_a = 0.5² + 4/3 * 0.75 = 1.25; the point (60 / 0.5) 8 * 9.8 /
    ** 1.25 = 7526.4, member 1 8 * 9.8 * (40 / 0.5) / 1.25 = 5017.6 below the head 5644.8 */
    a.axis_angle = 30.0;
    EXPECT_NEAR(Calc_Axial_Din1052(a, 60.0, 0.0, &r), 5644.8, 1e-6);
    /* a head side of OSB 12 mm: the head 80e-6 * 24² * 380² = 6653.95, the thread in member 1
    ** 8 * 80e-6 * 380² * 12 = 1109.0, both capped at 8 d_k² = 8 * 24² = 4608 in a panel of 12
    ** to 20 mm, below the point 4704 */
    a.axis_angle = 90.0;
    a.mat_1 = 4;
    a.grade_1 = 1;
    a.t1 = 12.0;
    EXPECT_NEAR(Calc_Axial_Din1052(a, 60.0, 0.0, &r), 4608.0, 1e-9);
    a.mat_1 = 0;
    a.grade_1 = Grade_Index(0, "C24");
    a.t1 = 40.0;

    /* ETA-12/0114 screws (types 11, 12): point l_g d 12.0 = 50 * 8 * 12 = 4800, head d_k² 10 =
    ** 1000 (8 in a panel of 12 to 20 mm) */
    Connection_Input b = Axial_Input(11, 8.0);
    b.l_thread = 50.0;
    EXPECT_NEAR(Calc_Axial_Din1052(b, 60.0, 0.0, &r), 1000.0, 1e-9);
    /* an axis at 30 degrees to the grain is allowed, below it nothing (1013) */
    b.axis_angle = 30.0;
    EXPECT_NEAR(Calc_Axial_Din1052(b, 60.0, 0.0, &r), 1000.0, 1e-9);
    b.axis_angle = 29.9;
    EXPECT_EQ(Calc_Axial_Din1052(b, 60.0, 0.0, &r), 0.0);
    EXPECT_EQ(r.msg_code, 1013);
    b.axis_angle = 90.0;
    b.d_k = 25.0;
    EXPECT_NEAR(Calc_Axial_Din1052(b, 60.0, 0.0, &r), 4800.0, 1e-9);
    b.d_k = 10.0;
    b.mat_1 = 4;
    b.grade_1 = 1;
    b.t1 = 15.0;
    EXPECT_NEAR(Calc_Axial_Din1052(b, 60.0, 0.0, &r), 800.0, 1e-9);
    /* both ends of the panel range: 12 and 20 mm take 8 d_k² = 800, 11 mm the 400 N of thin
    ** panels, 21 mm the head's own 1000 */
    b.t1 = 12.0;
    EXPECT_NEAR(Calc_Axial_Din1052(b, 60.0, 0.0, &r), 800.0, 1e-9);
    b.t1 = 20.0;
    EXPECT_NEAR(Calc_Axial_Din1052(b, 60.0, 0.0, &r), 800.0, 1e-9);
    b.t1 = 11.0;
    EXPECT_NEAR(Calc_Axial_Din1052(b, 60.0, 0.0, &r), 400.0, 1e-9);
    b.t1 = 21.0;
    EXPECT_NEAR(Calc_Axial_Din1052(b, 60.0, 0.0, &r), 1000.0, 1e-9);
    b.t1 = 15.0;
    /* type 13: point (60 / 1) 8 * 12.0 = 5760, head 25² * 10 = 6250 -> 5760; steel 17000 */
    Connection_Input c = Axial_Input(13, 8.0);
    c.l_thread = 100.0;
    c.d_k = 25.0;
    EXPECT_NEAR(Calc_Axial_Din1052(c, 60.0, 0.0, &r), 5760.0, 1e-9);
    /* the head of 35 mm at most: 35² * 10 = 12250; with 200 mm of thread in a 200 mm member
    ** 8 * 12.0 * 200 = 19200 and a point of 1000 mm (96000) the steel 17000 governs, design
    ** value / 1.25 */
    c.d_k = 60.0;
    EXPECT_NEAR(Calc_Axial_Din1052(c, 1000.0, 0.0, &r), 12250.0, 1e-9);
    c.t1 = 200.0;
    c.l_thread = 1000.0;
    EXPECT_NEAR(Calc_Axial_Din1052(c, 1000.0, 0.0, &r), 17000.0, 1e-9);
    EXPECT_NEAR(r.r_ax_d, 17000.0 / 1.25, 1e-9);

    /* bolt M12 (4.6, f_u 400): washer 44 bears 1550 mm² (DIN 1052, Table G.?) * f_c90 3.0 =
    ** 4650 below the steel pi 144 / 4 * 400 / 1.25 = 36191.2 */
    Connection_Input bolt = Axial_Input(30, 12.0);
    bolt.washer_d = 44.0;
    bolt.steel_grade = 23;
    EXPECT_NEAR(Calc_Axial_Din1052(bolt, 60.0, 3.0, &r), 4650.0, 1e-9);
    EXPECT_NEAR(Calc_Axial_Din1052(bolt, 60.0, 30.0, &r), 36191.147, 0.001);
    /* without a grade the given f_u stands for f_u / 1.25 */
    bolt.steel_grade = -1;
    bolt.fu = 200.0;
    EXPECT_NEAR(Calc_Axial_Din1052(bolt, 60.0, 30.0, &r), 3.14159265359 * 144.0 / 4.0 * 200.0,
                1e-6);
    /* a steel plate on the head side without the bolt switch: the steel */
    bolt.mat_1 = 12;
    EXPECT_NEAR(Calc_Axial_Din1052(bolt, 60.0, 3.0, &r), 3.14159265359 * 144.0 / 4.0 * 200.0, 1e-6);
    bolt.din_bolt_switch = 1;
    EXPECT_NEAR(Calc_Axial_Din1052(bolt, 60.0, 3.0, &r), 4650.0, 1e-9);
    /* a non-standard washer of 50 mm: pi 50² / 4 + 50 min(4 * 12 - 50, 60) - pi 14² / 4 =
    ** 1709.557 mm² -> 5128.67 */
    bolt.mat_1 = 0;
    bolt.washer_d = 50.0;
    EXPECT_NEAR(Calc_Axial_Din1052(bolt, 60.0, 3.0, &r), 5128.672, 0.001);
    /* a washer of 1 mm leaves no area of its own: min(1 + 60 - 12, 48) * 1 = 48 mm² */
    bolt.washer_d = 1.0;
    EXPECT_NEAR(Calc_Axial_Din1052(bolt, 60.0, 3.0, &r), 144.0, 1e-9);
    /* the bolt of a toothed-plate connector: its washer on d_bolt 12 */
    Connection_Input tp = Axial_Input(26, 50.0);
    tp.d_bolt = 12.0;
    tp.washer_d = 44.0;
    EXPECT_NEAR(Calc_Axial_Din1052(tp, 60.0, 3.0, &r), 4650.0, 1e-9);
    for (int type : {27, 28, 32, 33}) {
        tp.vbm_type = type;
        EXPECT_NEAR(Calc_Axial_Din1052(tp, 60.0, 3.0, &r), 4650.0, 1e-9) << type;
    }
    /* without partial factors the design value is not determinable */
    Connection_Input nog = Axial_Input(0, 4.0);
    nog.gamma_m_1 = nog.gamma_m_2 = 0.0;
    Connection_Result g = Axial_Result(350.0, 350.0);
    EXPECT_GT(Calc_Axial_Din1052(nog, 60.0, 0.0, &g), 0.0);
    EXPECT_EQ(g.msg_code, 168);
}

TEST(AxialEc5, NailsStaplesAndSpecialNails)
{
    Standard_Scope en(true, 1);
    Connection_Result r = Axial_Result(350.0, 350.0);
    /* smooth nail d 4 with 60 mm (>= 12 d): 60 * 4 * 2.45 = 588 below the head 857.5;
    ** pre-drilled: 159 (NCI NA.8.3.2(NA.11)) */
    Connection_Input nail = Axial_Input(0, 4.0);
    EXPECT_NEAR(Calc_Axial_Ec5(nail, 60.0, 0.0, &r), 588.0, 1e-9);
    EXPECT_NEAR(r.l_thread_2, 60.0, 1e-12);
    EXPECT_NEAR(r.f_ax_k, 2.45, 1e-12);
    EXPECT_NEAR(r.f_head, 8.575, 1e-12);
    EXPECT_NEAR(r.f_ax_head, 857.5, 1e-9);
    nail.predrilled = 1;
    EXPECT_EQ(Calc_Axial_Ec5(nail, 60.0, 0.0, &r), 0.0);
    EXPECT_EQ(r.msg_code, 159);
    /* type 45 through a steel plate, 40 mm: 40 * 4 * 7.04375 = 1127 (the plate is the head) */
    Connection_Input t45 = Axial_Input(45, 4.0);
    t45.l_thread = 100.0;
    t45.mat_1 = 12;
    t45.grade_1 = 0;
    t45.t1 = 5.0;
    EXPECT_NEAR(Calc_Axial_Ec5(t45, 40.0, 0.0, &r), 1127.0, 1e-9);
    Connection_Input t46 = t45;
    t46.vbm_type = 46;
    t46.d = 5.0;
    EXPECT_NEAR(Calc_Axial_Ec5(t46, 40.0, 0.0, &r), 3000.0, 1e-9);
    /* 15 from d = 4.1 on: 40 * 4.1 * 15 = 2460; 40 * 4.09 * 13.8 = 2257.68 */
    t46.d = 4.1;
    EXPECT_NEAR(Calc_Axial_Ec5(t46, 40.0, 0.0, &r), 2460.0, 1e-9);
    t46.d = 4.09;
    EXPECT_NEAR(Calc_Axial_Ec5(t46, 40.0, 0.0, &r), 2257.68, 1e-9);
    /* special nail of class 1 (type 16), head class A: point 40 * 4 * 3.675 = 588 below the head
    ** 10² * 60e-6 * 350² = 735; in OSB heads of 10 mm: 400 (up to 12 mm), 8 * 100 (up to 20 mm),
    ** 60e-6 * 380² * 100 = 866.4 beyond */
    Connection_Input sp = Axial_Input(16, 4.0);
    sp.l_thread = 100.0;
    EXPECT_NEAR(Calc_Axial_Ec5(sp, 40.0, 0.0, &r), 588.0, 1e-9);
    EXPECT_NEAR(r.f_ax_head, 735.0, 1e-9);
    sp.mat_1 = 4;
    sp.grade_1 = 1;
    sp.t1 = 10.0;
    EXPECT_NEAR(Calc_Axial_Ec5(sp, 40.0, 0.0, &r), 400.0, 1e-9);
    sp.t1 = 15.0;
    Calc_Axial_Ec5(sp, 40.0, 0.0, &r);
    EXPECT_NEAR(r.f_ax_head, 800.0, 1e-9);
    sp.t1 = 25.0;
    Calc_Axial_Ec5(sp, 40.0, 0.0, &r);
    EXPECT_NEAR(r.f_ax_head, 866.4, 1e-9);
    /* a point of 20 < 6 d: note 161 and (20 / 8 - 3) < 0: nothing */
    Connection_Input sp2 = Axial_Input(16, 4.0);
    sp2.l_thread = 100.0;
    EXPECT_EQ(Calc_Axial_Ec5(sp2, 20.0, 0.0, &r), 0.0);
    EXPECT_EQ(r.msg_code, 161);
    /* 28 < 8 d: 28 * 4 * 3.675 (28 / 8 - 3) = 205.8 */
    EXPECT_NEAR(Calc_Axial_Ec5(sp2, 28.0, 0.0, &r), 205.8, 1e-9);

    /* resin-coated staple d 1.5 (back 10) with both crowns at 90 degrees: as a class-2 nail,
    ** f_ax = 40e-6 * 350² = 4.9, l 30 (20 d): point 2 * 30 * 1.5 * 4.9 = 441, head
    ** 2 * 1.5 * 10 * 8.575 = 257.25 */
    Connection_Input st = Axial_Input(1, 1.5);
    st.resin_coated = 1;
    st.l_thread = 100.0;
    EXPECT_NEAR(Calc_Axial_Ec5(st, 30.0, 0.0, &r), 257.25, 1e-9);
    EXPECT_NEAR(r.f_ax_point, 441.0, 1e-9);
    /* crowns at 30 degrees are still rated as a nail */
    st.staple_angle_1 = st.staple_angle_2 = 30.0;
    EXPECT_NEAR(Calc_Axial_Ec5(st, 30.0, 0.0, &r), 257.25, 1e-9);
    st.staple_angle_1 = 90.0;
    /* a crown at 20 degrees: the staple rule, f_ax 2.45: 2 * 30 * 1.5 * 2.45 = 220.5 and the
    ** head 257.25, both times 0.7 -> 154.35 */
    st.staple_angle_2 = 20.0;
    EXPECT_NEAR(Calc_Axial_Ec5(st, 30.0, 0.0, &r), 154.35, 1e-9);
    /* a point of 15 mm < 12 d: 162 */
    EXPECT_EQ(Calc_Axial_Ec5(st, 15.0, 0.0, &r), 0.0);
    EXPECT_EQ(r.msg_code, 162);
    /* a thin plywood head side forbids the axial share */
    st.mat_1 = 6;
    st.grade_1 = 0;
    st.t1 = 5.0;
    EXPECT_EQ(Calc_Axial_Ec5(st, 30.0, 0.0, &r), 0.0);
    /* wet staples (moisture 25 %): note 1009 */
    Connection_Input wet = Axial_Input(1, 1.5);
    wet.resin_coated = 1;
    wet.l_thread = 100.0;
    wet.moisture = 25.0;
    Calc_Axial_Ec5(wet, 30.0, 0.0, &r);
    EXPECT_EQ(r.msg_code, 1009);
}

TEST(AxialEc5, BoltsConnectorsAndScrews)
{
    Standard_Scope en(true, 1);
    Connection_Result r = Axial_Result(350.0, 350.0);
    /* bolt M12 with a 58 mm washer through a 3 mm steel plate: the plate's area with
    ** D = min(36, 48) around its hole d + 1: pi / 4 (36² - 13²) = 885.14 (single shear the
    ** smaller of it and the washer's 2488.14 around the washer's hole d + 2 = 14 mm): 3 * 2.5 *
    ** 885.14 = 6638.58; double shear the plate's too */
    Connection_Input bolt = Axial_Input(30, 12.0);
    bolt.steel_grade = 23;
    bolt.washer_d = 58.0;
    bolt.mat_1 = 12;
    bolt.grade_1 = 0;
    bolt.t1 = 3.0;
    bolt.shear_planes = 1;
    EXPECT_NEAR(Calc_Axial_Ec5(bolt, 60.0, 2.5, &r), 6638.578, 0.001);
    bolt.shear_planes = 2;
    EXPECT_NEAR(Calc_Axial_Ec5(bolt, 60.0, 2.5, &r), 6638.578, 0.001);
    bolt.mat_1 = 0;
    bolt.grade_1 = Grade_Index(0, "C24");
    bolt.t1 = 40.0;
    /* between timbers the washer alone: pi / 4 (58² - 14²) = 2488.14 */
    EXPECT_NEAR(Calc_Axial_Ec5(bolt, 60.0, 2.5, &r), 3.0 * 2.5 * 2488.141, 0.01);
    EXPECT_DOUBLE_EQ(r.washer_outer, 58.0);
    EXPECT_DOUBLE_EQ(r.washer_hole, 14.0);
    /* M16 with the least washer 3 d = 48 mm (EN 1995-1-1, 10.4.3) in C24: 3 f_c,90,k pi/4 (48²
    ** - 18²) = 3 * 2.5 * 1555.088 = 11663.16 N (8.5.2(2)); the hole d + 1 = 17 mm gave 11869.33 */
    Connection_Input m16 = bolt;
    m16.d = 16.0;
    m16.washer_d = 48.0;
    EXPECT_NEAR(Calc_Axial_Ec5(m16, 60.0, 2.5, &r), 11663.16, 0.01);
    /* beside a steel plate inside the timber (member 2, double shear) both washers of 40 mm
    ** bear on the timber: pi / 4 (40² - 14²) = 1102.70, 3 * 2.5 * 1102.70 = 8270.24, not the
    ** plate's min(12 t1, 4 d) = 48 mm of the timber's thickness (12576.19) */
    bolt.washer_d = 40.0;
    bolt.mat_2 = 12;
    bolt.grade_2 = 0;
    bolt.t2 = 10.0;
    EXPECT_NEAR(Calc_Axial_Ec5(bolt, 60.0, 2.5, &r), 8270.243, 0.001);
    /* a toothed-plate connector's bolt (d_bolt 12) with a 44 mm washer around the hole d + 2 of
    ** its tension check: 3 * 2.5 * pi / 4 (44² - 14²) = 3 * 2.5 * 1366.593 = 10249.45 */
    Connection_Input tp = Axial_Input(26, 50.0);
    tp.d_bolt = 12.0;
    tp.washer_d = 44.0;
    EXPECT_NEAR(Calc_Axial_Ec5(tp, 60.0, 2.5, &r), 10249.45, 0.01);
    for (int type : {27, 28, 32, 33}) {
        tp.vbm_type = type;
        EXPECT_NEAR(Calc_Axial_Ec5(tp, 60.0, 2.5, &r), 10249.45, 0.01) << type;
    }

    /* wood screw to DIN 571, d 6, core 4, thread 50: point 3503.22 (k_d 0.75, eq. (8.40a));
    ** head 10² * 60e-6 * 350² = 735 governs; with a head of 30: 6615 and the point */
    Connection_Input ws = Axial_Input(2, 6.0);
    ws.d_2 = 4.0;
    ws.l_thread = 50.0;
    ws.fu = 400.0; /* the steel of the core holds 400 pi 4² / 4 = 5026.55 */
    EXPECT_NEAR(Calc_Axial_Ec5(ws, 60.0, 2.5, &r), 735.0, 1e-9);
    EXPECT_NEAR(r.k_d, 0.75, 1e-12);
    ws.d_k = 30.0;
    EXPECT_NEAR(Calc_Axial_Ec5(ws, 60.0, 2.5, &r), 3503.222, 0.001);
    /* f_ax = 0.52 * 6^-0.5 * 50^-0.1 * 350^0.8 = 15.5699, 50 * 6 * 15.5699 * 0.75 = 3503.222; in
    ** glulam (1.25) the connection still takes 1.3 (Table 2.3): 3503.222 * 0.8 / 1.3 = 2155.83 */
    ws.gamma_m_1 = ws.gamma_m_2 = 1.25;
    Calc_Axial_Ec5(ws, 60.0, 2.5, &r);
    EXPECT_NEAR(r.r_ax_d, 2155.83, 0.01);
    ws.gamma_m_1 = ws.gamma_m_2 = 1.3;
    /* a washer of 40 above the head: 3 * 2.5 * pi / 4 (40² - 7²) = 9136.14 */
    ws.d_k = 10.0;
    ws.washer_d = 40.0;
    Calc_Axial_Ec5(ws, 60.0, 2.5, &r);
    EXPECT_NEAR(r.f_ax_head, 9136.14, 0.01);
    /* four screws in a row with the group factor: 4^0.9 / 4 = 0.870551 */
    ws.n_ef_switch = 1;
    ws.n_axial = 4;
    EXPECT_NEAR(Calc_Axial_Ec5(ws, 60.0, 2.5, &r), 3503.2221 * 0.8705506, 0.001);
    EXPECT_NEAR(r.k_n, 0.870551, 1e-6);
    /* a point below 6 d: 163 */
    EXPECT_EQ(Calc_Axial_Ec5(ws, 35.0, 2.5, &r), 0.0);
    EXPECT_EQ(r.msg_code, 163);
    /* EN 1995-1-1, 8.7.2(3) asks 6 d of the threaded part in the point-side member: a point of
    ** 60 whose thread is only 30 < 36 long holds nothing axially (163) */
    ws.n_ef_switch = 0;
    ws.l_thread = 30.0;
    r.msg_code = 0;
    EXPECT_EQ(Calc_Axial_Ec5(ws, 60.0, 2.5, &r), 0.0);
    EXPECT_EQ(r.msg_code, 163);
    /* the tensile capacity of the core caps the withdrawal, EN 1995-1-1, 8.7.2(1) and (7):
    ** f_u 250: 250 pi 4² / 4 = 3141.59 below the point's 3503.22 */
    ws.l_thread = 50.0;
    ws.d_k = 30.0;
    ws.fu = 250.0;
    EXPECT_NEAR(Calc_Axial_Ec5(ws, 60.0, 2.5, &r), 3141.593, 0.001);
    EXPECT_EQ(r.steel_governs, 1);
    /* k_d = min(d / 8, 1) in either form of EN 1995-1-1, 8.7.2(4) and (5): d 5 lies outside
    ** 6 <= d <= 12; core 3.5, thread 48, rho_k 350, f_u 400 (the core holds
    ** 400 pi 3.5² / 4 = 3848.45): f_ax = 0.52 * 5^-0.5 * 48^-0.1 * 350^0.8 = 17.12571,
    ** 48 * 5 * 17.12571 = 4110.17 times k_d = 5 / 8: 2568.86 */
    Connection_Input w5 = Axial_Input(2, 5.0);
    w5.d_2 = 3.5;
    w5.d_k = 30.0;
    w5.l_thread = 48.0;
    w5.fu = 400.0;
    EXPECT_NEAR(Calc_Axial_Ec5(w5, 60.0, 2.5, &r), 2568.857, 0.001);
    EXPECT_NEAR(r.k_d, 0.625, 1e-12);
    EXPECT_EQ(r.steel_governs, 0);

    /* ETA-12/0114 screw (type 11) d 8, core 5, head 16, thread 50: point 8 * 12.0 * 50 =
    ** 4800; head (27 - 16) 16² = 2816 (t1 / D = 2.5 < 3) */
    Connection_Input a = Axial_Input(11, 8.0);
    a.d_2 = 5.0;
    a.d_k = 16.0;
    a.l_thread = 50.0;
    EXPECT_NEAR(Calc_Axial_Ec5(a, 60.0, 2.5, &r), 2816.0, 1e-9);
    EXPECT_NEAR(r.f_ax_point, 4800.0, 1e-9);
    /* member 1 of 60: t1 / D >= 3 raises the head by 1.3: 3660.8 */
    a.t1 = 60.0;
    a.t2 = 60.0;
    a.length = 120.0;
    EXPECT_NEAR(Calc_Axial_Ec5(a, 60.0, 2.5, &r), 3660.8, 1e-9);
    /* the admissibility of the approval: member 2 of 9 < 1.2 d: 158; axis at 20 degrees: 1013,
    ** at 10 degrees in timber 1014 */
    Connection_Input a2 = Axial_Input(11, 8.0);
    a2.t2 = 9.0;
    EXPECT_EQ(Calc_Axial_Ec5(a2, 60.0, 2.5, &r), 0.0);
    EXPECT_EQ(r.msg_code, 158);
    a2.t2 = 60.0;
    a2.t1 = 9.0;
    EXPECT_EQ(Calc_Axial_Ec5(a2, 60.0, 2.5, &r), 0.0);
    EXPECT_EQ(r.msg_code, 157);
    a2.t1 = 40.0;
    a2.axis_angle = 20.0;
    EXPECT_EQ(Calc_Axial_Ec5(a2, 60.0, 2.5, &r), 0.0);
    EXPECT_EQ(r.msg_code, 1013);
    a2.axis_angle = 10.0;
    EXPECT_EQ(Calc_Axial_Ec5(a2, 60.0, 2.5, &r), 0.0);
    EXPECT_EQ(r.msg_code, 1014);

    /* ETA-11/0190 screw (type 14) d 8, core 5, head 24 (> 19: f_head 10): point
    ** 8 * 11.0 * 50 = 4400 below the head 10 * 24² = 5760; at 40 degrees times
    ** 0.3 + 0.7 * 40 / 45 -> 4057.78 */
    Connection_Input b = Axial_Input(14, 8.0);
    b.d_2 = 5.0;
    b.d_k = 24.0;
    b.l_thread = 50.0;
    EXPECT_NEAR(Calc_Axial_Ec5(b, 60.0, 2.5, &r), 4400.0, 1e-9);
    EXPECT_NEAR(r.f_ax_head, 5760.0, 1e-9);
    b.axis_angle = 40.0;
    EXPECT_NEAR(Calc_Axial_Ec5(b, 60.0, 2.5, &r), 4057.778, 0.001);
    b.axis_angle = 25.0;
    EXPECT_EQ(Calc_Axial_Ec5(b, 60.0, 2.5, &r), 0.0);
    EXPECT_EQ(r.msg_code, 1015);
    /* a head of 16 (f_head 13): 13 * 256 = 3328 governs */
    b.axis_angle = 90.0;
    b.d_k = 16.0;
    EXPECT_NEAR(Calc_Axial_Ec5(b, 60.0, 2.5, &r), 3328.0, 1e-9);
    /* a plywood member 2 of 5 mm: 150 */
    b.mat_2 = 6;
    b.grade_2 = 0;
    b.t2 = 5.0;
    EXPECT_EQ(Calc_Axial_Ec5(b, 60.0, 2.5, &r), 0.0);
    EXPECT_EQ(r.msg_code, 150);
    /* on member 1: plywood of 5 mm 150, plywood of 7 mm 151 (a panel below 8 mm), timber of
    ** 5 mm 157 (below 1.2 d = 9.6) */
    b.mat_2 = 0;
    b.grade_2 = Grade_Index(0, "C24");
    b.t2 = 60.0;
    const struct {
        int mat;
        double t1;
        int code;
    } first[] = {{6, 5.0, 150}, {6, 7.0, 151}, {0, 5.0, 157}};
    for (const auto &c1 : first) {
        b.mat_1 = c1.mat;
        b.grade_1 = c1.mat == 6 ? 0 : Grade_Index(0, "C24");
        b.t1 = c1.t1;
        EXPECT_EQ(Calc_Axial_Ec5(b, 60.0, 2.5, &r), 0.0) << c1.mat << " " << c1.t1;
        EXPECT_EQ(r.msg_code, c1.code) << c1.mat << " " << c1.t1;
    }
    /* the densities of ETA-11/0190 count up to 590: a member 2 of D50 (rho_k 620) gives the
    ** point 4400 (590 / 350)^0.8 = 4400 * 1.518543 = 6681.59; a member 1 of D50 the head
    ** 5760 * 1.518543 = 8746.81; a member 1 of D18 (rho_k 475) keeps its density under the
    ** head: 5760 (475 / 350)^0.8 = 5760 * 1.276734 = 7353.99 */
    b.d_k = 24.0;
    b.t1 = 40.0;
    b.mat_2 = 1;
    b.grade_2 = Grade_Index(1, "D50");
    Calc_Axial_Ec5(b, 60.0, 2.5, &r);
    EXPECT_NEAR(r.f_ax_point, 6681.59, 0.01);
    b.mat_2 = 0;
    b.grade_2 = Grade_Index(0, "C24");
    b.mat_1 = 1;
    b.grade_1 = Grade_Index(1, "D50");
    Calc_Axial_Ec5(b, 60.0, 2.5, &r);
    EXPECT_NEAR(r.f_ax_head, 8746.81, 0.01);
    b.grade_1 = Grade_Index(1, "D18");
    EXPECT_NEAR(Calc_Axial_Ec5(b, 60.0, 2.5, &r), 4400.0, 1e-9);
    EXPECT_NEAR(r.f_ax_head, 7353.99, 0.01);
    /* a head side of OSB counts with 380 at most: 5760 (380 / 350)^0.8 = 5760 * 1.068003
    ** = 6151.70 */
    b.mat_1 = 4;
    b.grade_1 = 1;
    Calc_Axial_Ec5(b, 60.0, 2.5, &r);
    EXPECT_NEAR(r.f_ax_head, 6151.70, 0.01);
    b.mat_1 = 0;
    b.grade_1 = Grade_Index(0, "C24");
    /* a washer of 24 under a head of 8, narrower than 1.8 times the core (9): the fully
    ** threaded screws of both head forms pull through the washer, no head capacity */
    b.washer_d = 24.0;
    b.d_k = 8.0;
    for (int type : {14, 15}) {
        b.vbm_type = type;
        Calc_Axial_Ec5(b, 60.0, 2.5, &r);
        EXPECT_EQ(r.f_ax_head, 0.0) << type;
    }
    b.vbm_type = 14;
    b.washer_d = -1.0;
    b.d_k = 24.0;
    /* the third family carries nothing axially here */
    Connection_Input c = Axial_Input(50, 8.0);
    c.l_thread = 50.0;
    EXPECT_EQ(Calc_Axial_Ec5(c, 60.0, 2.5, &r), 0.0);
}

TEST(AxialEc5, UserScrewLinesAndThreadInMemberOne)
{
    Standard_Scope en(true, 1);
    Connection_Result r = Axial_Result(350.0, 350.0);
    /* user line of type 44 (ETA-12/0114), d 8, core 5, head 16, thread 80 in one piece: the
    ** point counts l_ef = 60 of it (the thread beyond l_ef / sin a is cut before the split, so
    ** none is left in member 1): point 8 * 12.0 * 60 = 5760, head (29 - 16) 16² = 3328 (second
    ** head formula) */
    Connection_Input a = Axial_Input(44, 8.0);
    a.d_2 = 5.0;
    a.d_k = 16.0;
    a.user_line_44 = Vbm_Screw_Line{0, 0, 8.0, 16.0, 5.0, 100.0, 80.0, -1.0, 90.0, 0, 0, 0.0};
    EXPECT_NEAR(Calc_Axial_Ec5(a, 60.0, 2.5, &r), 3328.0, 1e-9);
    EXPECT_NEAR(r.f_ax_point, 5760.0, 1e-9);
    EXPECT_EQ(r.f_ax_thread_1, 0.0);
    EXPECT_EQ(r.l_thread_1, 0.0);
    EXPECT_NEAR(r.l_thread_2, 60.0, 1e-12);
    /* a timber member 1 of 10 mm (above 1.2 d = 9.6, no panel) keeps the head 3328 */
    {
        Connection_Input thin = a;
        thin.t1 = 10.0;
        Connection_Result q = Axial_Result(350.0, 350.0);
        EXPECT_NEAR(Calc_Axial_Ec5(thin, 60.0, 2.5, &q), 3328.0, 1e-9);
    }
    /* a member 1 of 48 mm, three times the head: the head times 1.3, 4326.4, below the point */
    {
        Connection_Input thick = a;
        thick.t1 = 48.0;
        Connection_Result q = Axial_Result(350.0, 350.0);
        EXPECT_NEAR(Calc_Axial_Ec5(thick, 60.0, 2.5, &q), 4326.4, 1e-9);
    }
    /* an OSB member 1 of 12.5 mm: f_head 8 in a panel of 12 to 20 mm, the density 380 at most:
    ** 8 * 256 * (380 / 350)^0.8 = 2048 * 1.068003 = 2187.27, not the 400 N of thinner panels */
    {
        Connection_Input osb = a;
        osb.mat_1 = 4;
        osb.grade_1 = 1;
        osb.t1 = 12.5;
        Connection_Result q = Axial_Result(350.0, 350.0);
        EXPECT_NEAR(Calc_Axial_Ec5(osb, 60.0, 2.5, &q), 2187.27, 0.01);
    }
    /* head forms 1, 2 and 4 take the first formula: (27 - 16) 256 = 2816 */
    a.user_line_44.head_form = 1;
    EXPECT_NEAR(Calc_Axial_Ec5(a, 60.0, 2.5, &r), 2816.0, 1e-9);
    /* two threads (layout 1): 50 at the point, 45 under the head of which only t1 = 40 lie in
    ** member 1; the 5 beyond go to the point: 55: point 5280, member 1 8 * 12 * 40 = 3840 above
    ** the head 3328 */
    a.user_line_44 = Vbm_Screw_Line{0, 0, 8.0, 16.0, 5.0, 100.0, 50.0, -1.0, 90.0, 0, 1, 45.0};
    EXPECT_NEAR(Calc_Axial_Ec5(a, 60.0, 2.5, &r), 3840.0, 1e-9);
    EXPECT_NEAR(r.l_thread_2, 55.0, 1e-12);
    EXPECT_NEAR(r.l_thread_1, 40.0, 1e-12);
    /* a second thread of 30 fits into member 1 (40): nothing goes over to the point, 50 stay
    ** there: point 8 * 12 * 50 = 4800, member 1 8 * 12 * 30 = 2880 below the head 3328 */
    a.user_line_44 = Vbm_Screw_Line{0, 0, 8.0, 16.0, 5.0, 100.0, 50.0, -1.0, 90.0, 0, 1, 30.0};
    EXPECT_NEAR(Calc_Axial_Ec5(a, 60.0, 2.5, &r), 3328.0, 1e-9);
    EXPECT_NEAR(r.l_thread_2, 50.0, 1e-12);
    EXPECT_NEAR(r.l_thread_1, 30.0, 1e-12);
    EXPECT_NEAR(r.f_ax_point, 4800.0, 1e-9);

    /* user line of type 43 (ETA-11/0190): the same with 11.0: point 8 * 11 * 60 = 5280, head
    ** 13 * 256 = 3328 */
    Connection_Input b = Axial_Input(43, 8.0);
    b.d_2 = 5.0;
    b.d_k = 16.0;
    b.user_line_43 = Vbm_Screw_Line{0, 0, 8.0, 16.0, 5.0, 100.0, 80.0, -1.0, 90.0, 0, 0, 0.0};
    EXPECT_NEAR(Calc_Axial_Ec5(b, 60.0, 2.5, &r), 3328.0, 1e-9);
    EXPECT_NEAR(r.f_ax_point, 5280.0, 1e-9);
    /* layouts 1 and 3 with a second thread: 55 and 40: point 4840, member 1 3520 */
    b.user_line_43 = Vbm_Screw_Line{0, 0, 8.0, 16.0, 5.0, 100.0, 50.0, -1.0, 90.0, 0, 3, 45.0};
    EXPECT_NEAR(Calc_Axial_Ec5(b, 60.0, 2.5, &r), 3520.0, 1e-9);
    EXPECT_NEAR(r.f_ax_point, 4840.0, 1e-9);
    b.user_line_43.thread_layout = 1;
    EXPECT_NEAR(Calc_Axial_Ec5(b, 60.0, 2.5, &r), 3520.0, 1e-9);
    EXPECT_NEAR(r.f_ax_point, 4840.0, 1e-9);
    /* layout 2 keeps one thread: the point 8 * 11 * 50 = 4400, nothing in member 1 */
    b.user_line_43.thread_layout = 2;
    Calc_Axial_Ec5(b, 60.0, 2.5, &r);
    EXPECT_NEAR(r.f_ax_point, 4400.0, 1e-9);
    EXPECT_EQ(r.l_thread_1, 0.0);

    /* ETA-11/0190 screw (type 14) threaded 95 of 100: in member 1 40 - (100 - 95) = 35: 8 * 11 *
    ** 35 = 3080 above the head 13 * 10² = 1300; the point 8 * 11 * 60 = 5280 */
    Connection_Input c = Axial_Input(14, 8.0);
    c.d_2 = 5.0;
    c.l_thread = 95.0;
    EXPECT_NEAR(Calc_Axial_Ec5(c, 60.0, 2.5, &r), 3080.0, 1e-9);
    EXPECT_NEAR(r.f_ax_head, 1300.0, 1e-9);
    /* head side of 10 mm OSB (rho_k 550): a head of 16 needs 1.2 * 16 > 10 mm of panel, so only
    ** the thread in member 1 carries: (10 - 5) 8 * 11 (550 / 350)^0.8 = 631.67 */
    c.mat_1 = 4;
    c.grade_1 = 1;
    c.t1 = 10.0;
    c.d_k = 16.0;
    c.length = 70.0;
    c.t2 = 60.0;
    c.l_thread = 65.0;
    Connection_Result p = Axial_Result(550.0, 350.0);
    EXPECT_NEAR(Calc_Axial_Ec5(c, 60.0, 2.5, &p), 631.667, 0.001);
    EXPECT_EQ(p.f_ax_head, 0.0);
    /* a head below 1.8 d1 (8 < 9) carries nothing: the thread in member 1 alone */
    c.d_k = 8.0;
    Calc_Axial_Ec5(c, 60.0, 2.5, &p);
    EXPECT_EQ(p.f_ax_head, 0.0);

    /* ETA-12/0114 in 10 mm OSB, core 4, head 8 (10 >= 1.2 * 8): 80e-6 * 380² = 11.552,
    ** 11.552 * 8² (380 / 350)^0.8 = 789.6, capped at 400; with a core of 5 the head is below
    ** 1.8 d1: 0 */
    Connection_Input e = Axial_Input(11, 8.0);
    e.d_2 = 4.0;
    e.d_k = 8.0;
    e.l_thread = 50.0;
    e.mat_1 = 4;
    e.grade_1 = 1;
    e.t1 = 10.0;
    e.length = 70.0;
    Connection_Result q = Axial_Result(550.0, 350.0);
    EXPECT_NEAR(Calc_Axial_Ec5(e, 60.0, 2.5, &q), 400.0, 1e-9);
    e.d_2 = 5.0;
    EXPECT_EQ(Calc_Axial_Ec5(e, 60.0, 2.5, &q), 0.0);

    /* the head of a flat staple: 2 * 1.5 * 10 * 8.575 * 0.7 = 180.075 */
    Connection_Input st = Axial_Input(1, 1.5);
    st.resin_coated = 1;
    st.l_thread = 100.0;
    st.staple_angle_2 = 20.0;
    Calc_Axial_Ec5(st, 30.0, 0.0, &r);
    EXPECT_NEAR(r.f_ax_head, 180.075, 1e-9);
    /* 12 < 15 < 18 mm: (15 / 6 - 2) = 0.5 on both */
    st.staple_angle_2 = 90.0;
    st.resin_coated = 0;
}

TEST(RopeShare, LimitsOfEveryFastenerKind)
{
    Connection_Result r = Axial_Result(350.0, 350.0);
    {
        Standard_Scope en(true, 1);
        /* wood screw to DIN 571 (head 735 governs the axial value of 3503.2): min(F_ref,
        ** 735 / 4 = 183.75); a bolt M12 with washer 44: min(0.25 F_ref, 3 * 3 * 1366.59 / 4) with
        ** pi / 4 (44² - 14²) = 1366.59 around the washer's hole d + 2 */
        Connection_Input ws = Axial_Input(2, 6.0);
        ws.d_2 = 4.0;
        ws.l_thread = 50.0;
        ws.fu = 400.0;
        EXPECT_NEAR(Calc_Rope_Effect_Share(ws, 100.0, 60.0, 2.5, &r), 100.0, 1e-9);
        EXPECT_NEAR(Calc_Rope_Effect_Share(ws, 1000.0, 60.0, 2.5, &r), 183.75, 1e-9);
        Connection_Input bolt = Axial_Input(30, 12.0);
        bolt.steel_grade = 23;
        bolt.washer_d = 44.0;
        EXPECT_NEAR(Calc_Rope_Effect_Share(bolt, 2000.0, 60.0, 3.0, &r), 500.0, 1e-9);
        EXPECT_NEAR(Calc_Rope_Effect_Share(bolt, 100000.0, 60.0, 3.0, &r),
                    3.0 * 3.0 * 1366.5926 / 4.0, 0.01);
        /* type 45 through a plate: 0.6 F_ax without limit: 0.6 * 1127 */
        Connection_Input t45 = Axial_Input(45, 4.0);
        t45.l_thread = 100.0;
        t45.mat_1 = 12;
        t45.grade_1 = 0;
        t45.t1 = 5.0;
        EXPECT_NEAR(Calc_Rope_Effect_Share(t45, 10.0, 40.0, 0.0, &r), 0.6 * 1127.0, 1e-9);
        EXPECT_NEAR(r.rope_share, 676.2, 1e-9);
        /* type 46: 0.4 F_ref; special nails 0.5 F_ref (class 1, 588 / 4 = 147 above) */
        Connection_Input t46 = t45;
        t46.vbm_type = 46;
        t46.d = 5.0;
        EXPECT_NEAR(Calc_Rope_Effect_Share(t46, 100.0, 40.0, 0.0, &r), 40.0, 1e-9);
        Connection_Input sp = Axial_Input(16, 4.0);
        sp.l_thread = 100.0;
        EXPECT_NEAR(Calc_Rope_Effect_Share(sp, 100.0, 40.0, 0.0, &r), 50.0, 1e-9);
        EXPECT_NEAR(Calc_Rope_Effect_Share(sp, 1000.0, 40.0, 0.0, &r), 147.0, 1e-9);
    }
    Standard_Scope din(false);
    /* DIN 1052: screws up to F_ref, bolts 0.25 F_ref, the rest 0.5 F_ref, each at most F_ax / 4:
    ** the wood screw's head 735: min(100, 183.75); the bolt (washer 1550 mm² * 3.0 = 4650):
    ** min(0.25 * 2000, 1162.5) */
    Connection_Input ws = Axial_Input(2, 6.0);
    ws.l_thread = 50.0;
    EXPECT_NEAR(Calc_Rope_Effect_Share(ws, 100.0, 60.0, 2.5, &r), 100.0, 1e-9);
    EXPECT_NEAR(Calc_Rope_Effect_Share(ws, 1000.0, 60.0, 2.5, &r), 183.75, 1e-9);
    Connection_Input bolt = Axial_Input(30, 12.0);
    bolt.steel_grade = 23;
    bolt.washer_d = 44.0;
    EXPECT_NEAR(Calc_Rope_Effect_Share(bolt, 2000.0, 60.0, 3.0, &r), 500.0, 1e-9);
    EXPECT_NEAR(Calc_Rope_Effect_Share(bolt, 100000.0, 60.0, 3.0, &r), 1162.5, 1e-9);
    Connection_Input bolt26 = bolt;
    bolt26.vbm_type = 26;
    bolt26.d = 50.0;
    bolt26.d_bolt = 12.0;
    EXPECT_NEAR(Calc_Rope_Effect_Share(bolt26, 2000.0, 60.0, 3.0, &r), 500.0, 1e-9);
}
