/*
** Section values of the section kinds, the torsion series, the residual section and fire
** strengths, and the stress check of a rectangle in its tension and compression passes.
** Expected values are worked by hand in the comments.
*/
#include <gtest/gtest.h>

#include <cmath>

#include "cat_test_util.h"

static Section_Dims Rect(float b, float d)
{
    Section_Dims s = {};
    s.v[0] = b;
    s.v[1] = d;
    return s;
}

TEST(SectionValues, Rectangle10x20)
{
    const Section_Dims r = Rect(10, 20);
    double v[17];
    EXPECT_EQ(Calc_Querschnittswerte(1, &r, v, 17), 0);
    EXPECT_NEAR(v[SV_A], 200.0, 1e-9);
    EXPECT_NEAR(v[SV_I_Y], 6666.667, 1e-3); /* 10 * 20^3 / 12 */
    EXPECT_NEAR(v[SV_I_Z], 1666.667, 1e-3); /* 20 * 10^3 / 12 */
    EXPECT_NEAR(v[SV_W_U], 666.667, 1e-3);
    EXPECT_NEAR(v[SV_W_O_NEG], -666.667, 1e-3);
    EXPECT_NEAR(v[SV_W_ZP], 333.333, 1e-3);
    EXPECT_NEAR(v[SV_W_ZM_NEG], -333.333, 1e-3);
    EXPECT_NEAR(v[SV_A_QY], 133.333, 1e-3);
    EXPECT_NEAR(v[SV_A_QZ], 133.333, 1e-3);
    EXPECT_DOUBLE_EQ(v[SV_Z_S], 10.0);
    EXPECT_DOUBLE_EQ(v[SV_DEPTH], 20.0);
    EXPECT_DOUBLE_EQ(v[SV_Y_MIN], -5.0);
    EXPECT_DOUBLE_EQ(v[SV_Y_MAX], 5.0);
    EXPECT_DOUBLE_EQ(v[SV_Y_S], 0.0);
    EXPECT_DOUBLE_EQ(v[15], 0.0);
    /* torsion series with h = 20, t = 10, lambda = pi:
  ** S1 = tanh(pi) + 1/243 + 1/3125 + 1/7^5 + 1/9^5 + 1/11^5 = 0.99627208 + 0.00411523 + 0.00032
  **      + 0.0000595 + 0.00001694 + 0.00000621 = 1.00078996 (stops after n = 11);
  ** I_T = 20 * 1000 / 3 * (1 - 192/pi^5 * 0.5 * S1) = 6666.667 * (1 - 0.31395296) = 4573.65;
  ** S2 = 1/cosh(pi) + 1/(9 cosh(3 pi)) = 0.08626681 + 0.00001793 = 0.08628474;
  ** W_T = 457.365 / (1 - 8/pi^2 * S2) = 457.365 / 0.93005999 = 491.76 */
    EXPECT_NEAR(v[SV_I_T], 4573.65, 0.01);
    EXPECT_NEAR(v[SV_W_T], 491.76, 0.01);
}

TEST(SectionValues, SquareTorsionAndCounts)
{
    /* b = 10: S1 = tanh(pi/2) + tanh(3 pi/2)/243 + ... = 0.91715234 + 0.00411456 + 0.00032
  ** + 0.0000595 + 0.00001694 + 0.00000621 = 0.92166955; I_T = 10^4/3 (1 - 0.62741032 * 0.92166955)
  ** = 10^4 * 0.140578; S2 = 0.39853682 + 0.00199612 + 0.00003106 + 0.00000068 = 0.4005647,
  ** W_T = 1405.78 / 10 / (1 - 0.81056947 * 0.4005647) = 140.578 / 0.67531447 = 208.17 */
    double it = 0.0;
    const double wt = Calc_Torsion_Rechteck(10, 10, &it);
    EXPECT_NEAR(it, 1405.78, 0.01);
    EXPECT_NEAR(it / 1e4, 0.1406, 1e-4);
    EXPECT_NEAR(wt, 208.17, 0.01);
    EXPECT_DOUBLE_EQ(Calc_Torsion_Rechteck(0, 10, &it), 0.0);
    EXPECT_DOUBLE_EQ(it, 0.0);
    const Section_Dims r = Rect(10, 20);
    double v[20];
    for (double &x : v) x = -7.0;
    Calc_Querschnittswerte(1, &r, v, 3);
    EXPECT_NEAR(v[0], 200.0, 1e-9);
    EXPECT_NEAR(v[2], 666.667, 1e-3);
    EXPECT_DOUBLE_EQ(v[3], -7.0); /* n = 3 writes three values */
    Calc_Querschnittswerte(1, &r, v, 20);
    EXPECT_DOUBLE_EQ(v[17], 0.0);
    EXPECT_DOUBLE_EQ(v[19], 0.0);
    for (double &x : v) x = -7.0;
    Calc_Querschnittswerte(1, &r, v, 0);
    EXPECT_DOUBLE_EQ(v[0], -7.0);
}

TEST(SectionValues, OtherKinds)
{
    double v[17];
    Section_Dims c = {};
    c.v[0] = 10;
    Calc_Querschnittswerte(4, &c, v, 17);
    EXPECT_NEAR(v[SV_A], 78.5398, 1e-4); /* pi * 25 */
    EXPECT_NEAR(v[SV_A_QZ], 0.75 * 78.5398, 1e-3);
    EXPECT_NEAR(v[SV_I_T], 2 * 490.8739, 1e-3); /* 2 * pi/4 * 5^4 */
    EXPECT_NEAR(v[SV_W_O_NEG], -98.1748, 1e-4); /* 490.8739 / 5 */
    c.v[1] = 5;
    Calc_Querschnittswerte(4, &c, v, 17);
    EXPECT_NEAR(v[SV_A], 58.9049, 1e-4); /* pi (25 - 6.25) */
    EXPECT_NEAR(v[SV_A_QY], 0.5 * 58.9049, 1e-3);
    /* T-beam b_o 30, h_w 20, b 10, d_o 5: A_f 150, A_w 200, z_s = (3000 + 375)/350 = 9.642857;
  ** I_y = 200 (5.357143^2 + 400/12) + 150 (7.142857^2 + 25/12) = 200 (28.698980 + 33.333333)
  **     + 150 (51.020408 + 2.083333) = 12406.463 + 7965.561 = 20372.024; W_u = I_y / 15.357143 */
    Section_Dims t = {};
    t.v[0] = 30;
    t.v[1] = 20;
    t.v[2] = 10;
    t.v[3] = 5;
    Calc_Querschnittswerte(2, &t, v, 17);
    EXPECT_NEAR(v[SV_A], 350.0, 1e-9);
    EXPECT_NEAR(v[SV_Z_S], 9.642857, 1e-6);
    EXPECT_NEAR(v[SV_I_Y], 20372.024, 0.01);
    EXPECT_NEAR(v[SV_W_U], 1326.550, 0.01);
    EXPECT_NEAR(v[SV_Y_MAX], 15.0, 1e-12);
    EXPECT_NEAR(v[SV_DEPTH], 25.0, 1e-12);
    /* symmetric I-beam 2 x (20 x 2) flanges, web 1 x 16: A = 96, z_s = 10,
  ** I_y = 2 * 40 (81 + 4/12) + 16 (0 + 256/12) = 6506.67 + 341.33 = 6848 */
    Section_Dims i = {};
    i.v[0] = 2;
    i.v[1] = 20;
    i.v[2] = 16;
    i.v[3] = 1;
    i.v[4] = 2;
    i.v[5] = 20;
    Calc_Querschnittswerte(3, &i, v, 17);
    EXPECT_NEAR(v[SV_A], 96.0, 1e-9);
    EXPECT_NEAR(v[SV_Z_S], 10.0, 1e-9);
    EXPECT_NEAR(v[SV_I_Y], 6848.0, 1e-6);
    EXPECT_NEAR(v[SV_W_U], 684.8, 1e-6);
    EXPECT_NEAR(v[SV_W_O_NEG], -684.8, 1e-6);
    /* user section in m: A 0.02 m2, I_y 6.6667e-5 m4, B 0.1, H 0.2, no moduli: H/2 and B/2 */
    Section_Dims u = {};
    u.v[0] = 0.02f;
    u.v[1] = 6.6667e-5f;
    u.v[2] = 1.6667e-5f;
    u.v[3] = 0;
    u.v[4] = 0.1f;
    u.v[5] = 0.2f;
    Calc_Querschnittswerte(99, &u, v, 17);
    EXPECT_NEAR(v[SV_A], 200.0, 1e-3);
    EXPECT_NEAR(v[SV_W_U], 666.67, 0.01);
    EXPECT_NEAR(v[SV_W_ZM_NEG], -333.34, 0.01);
    EXPECT_DOUBLE_EQ(v[SV_W_T], 0.0);
    EXPECT_NEAR(v[SV_DEPTH], 20.0, 1e-5);
    /* fallback: A = 1e4 f0, value 2 = 1e6 f3, value 3 = 1e6 f2 */
    Section_Dims f = {};
    f.v[0] = 0.01f;
    f.v[2] = 0.0002f;
    f.v[3] = 0.0003f;
    for (double &x : v) x = -7.0;
    Calc_Querschnittswerte(7, &f, v, 6);
    EXPECT_NEAR(v[0], 100.0, 1e-4);
    EXPECT_DOUBLE_EQ(v[1], 0.0);
    EXPECT_NEAR(v[2], 300.0, 1e-3);
    EXPECT_NEAR(v[3], 200.0, 1e-3);
    EXPECT_DOUBLE_EQ(v[4], 0.0);
    EXPECT_DOUBLE_EQ(v[5], 0.0);
}

TEST(SectionFire, ResidualSection)
{
    double db, dd, ey, ez;
    int32_t mask;
    /* exposure 0, t = 2 cm, method 2: t = 2.7, both sides -5.4 */
    EXPECT_EQ(Calc_Restquerschnitt(/*kind=*/1, /*notch_position=*/0, /*e=*/0, /*fire_exposure=*/0,
                                   /*fire_method=*/2, /*t=*/2, /*t_o=*/0, /*t_l=*/0, /*t_u=*/0,
                                   /*t_r=*/0, /*db=*/&db, /*dd=*/&dd, /*e_y=*/&ey, /*e_z=*/&ez,
                                   /*sides_mask=*/&mask),
              1);
    EXPECT_NEAR(db, -5.4, 1e-12);
    EXPECT_NEAR(dd, -5.4, 1e-12);
    EXPECT_EQ(mask, 15);
    /* notch at the top, e = 2: d - 2, e_z = -1; plus exposure 3 with t = 1 (method 1) */
    EXPECT_EQ(Calc_Restquerschnitt(/*kind=*/1, /*notch_position=*/1, /*e=*/2, /*fire_exposure=*/3,
                                   /*fire_method=*/1, /*t=*/1, /*t_o=*/0, /*t_l=*/0, /*t_u=*/0,
                                   /*t_r=*/0, /*db=*/&db, /*dd=*/&dd, /*e_y=*/&ey, /*e_z=*/&ez,
                                   /*sides_mask=*/&mask),
              1);
    EXPECT_NEAR(dd, -3.0, 1e-12);
    EXPECT_NEAR(db, -2.0, 1e-12);
    EXPECT_NEAR(ez, -1.5, 1e-12);
    EXPECT_EQ(mask, 11);
    /* per side: top 1, left 2 */
    EXPECT_EQ(Calc_Restquerschnitt(/*kind=*/1, /*notch_position=*/0, /*e=*/0,
                                   /*fire_exposure=*/1000, /*fire_method=*/1, /*t=*/0, /*t_o=*/1,
                                   /*t_l=*/2, /*t_u=*/0, /*t_r=*/0, /*db=*/&db, /*dd=*/&dd,
                                   /*e_y=*/&ey, /*e_z=*/&ez, /*sides_mask=*/&mask),
              1);
    EXPECT_NEAR(dd, -1.0, 1e-12);
    EXPECT_NEAR(ez, -0.5, 1e-12);
    EXPECT_NEAR(db, -2.0, 1e-12);
    EXPECT_NEAR(ey, 1.0, 1e-12);
    EXPECT_EQ(mask, 3);
    EXPECT_EQ(Calc_Restquerschnitt(/*kind=*/2, /*notch_position=*/1, /*e=*/2, /*fire_exposure=*/0,
                                   /*fire_method=*/2, /*t=*/2, /*t_o=*/0, /*t_l=*/0, /*t_u=*/0,
                                   /*t_r=*/0, /*db=*/&db, /*dd=*/&dd, /*e_y=*/&ey, /*e_z=*/&ez,
                                   /*sides_mask=*/&mask),
              0);
    EXPECT_DOUBLE_EQ(dd, 0.0);
    EXPECT_EQ(mask, 0);
    EXPECT_EQ(Calc_Restquerschnitt(/*kind=*/1, /*notch_position=*/0, /*e=*/0, /*fire_exposure=*/-1,
                                   /*fire_method=*/1, /*t=*/2, /*t_o=*/0, /*t_l=*/0, /*t_u=*/0,
                                   /*t_r=*/0, /*db=*/nullptr, /*dd=*/nullptr, /*e_y=*/nullptr,
                                   /*e_z=*/nullptr, /*sides_mask=*/nullptr),
              0);
    /* notch on the left side, e = 0.5: b - 0.5, e_y = +0.25 */
    EXPECT_EQ(Calc_Restquerschnitt(/*kind=*/1, /*notch_position=*/2, /*e=*/0.5,
                                   /*fire_exposure=*/-1, /*fire_method=*/1, /*t=*/0, /*t_o=*/0,
                                   /*t_l=*/0, /*t_u=*/0, /*t_r=*/0, /*db=*/&db, /*dd=*/&dd,
                                   /*e_y=*/&ey, /*e_z=*/&ez, /*sides_mask=*/&mask),
              1);
    EXPECT_NEAR(db, -0.5, 1e-12);
    EXPECT_NEAR(ey, 0.25, 1e-12);
    EXPECT_DOUBLE_EQ(dd, 0.0);
    /* per side, method 2: bottom 0.5 + 0.7 = 1.2 (d - 1.2, e_z = +0.6), right 2 + 0.7 = 2.7
    ** (b - 2.7, e_y = -1.35) */
    EXPECT_EQ(Calc_Restquerschnitt(/*kind=*/1, /*notch_position=*/0, /*e=*/0,
                                   /*fire_exposure=*/1000, /*fire_method=*/2, /*t=*/0, /*t_o=*/0,
                                   /*t_l=*/0, /*t_u=*/0.5, /*t_r=*/2, /*db=*/&db, /*dd=*/&dd,
                                   /*e_y=*/&ey, /*e_z=*/&ez, /*sides_mask=*/&mask),
              1);
    EXPECT_NEAR(dd, -1.2, 1e-12);
    EXPECT_NEAR(ez, 0.6, 1e-12);
    EXPECT_NEAR(db, -2.7, 1e-12);
    EXPECT_NEAR(ey, -1.35, 1e-12);
    EXPECT_EQ(mask, 12);
    /* exposure 1 (three sides, the top not), t = 1, method 1: b - 2, d - 1, e_z = +0.5 */
    EXPECT_EQ(Calc_Restquerschnitt(/*kind=*/1, /*notch_position=*/0, /*e=*/0, /*fire_exposure=*/1,
                                   /*fire_method=*/1, /*t=*/1, /*t_o=*/0, /*t_l=*/0, /*t_u=*/0,
                                   /*t_r=*/0, /*db=*/&db, /*dd=*/&dd, /*e_y=*/&ey, /*e_z=*/&ez,
                                   /*sides_mask=*/&mask),
              1);
    EXPECT_NEAR(db, -2.0, 1e-12);
    EXPECT_NEAR(dd, -1.0, 1e-12);
    EXPECT_NEAR(ez, 0.5, 1e-12);
    EXPECT_EQ(mask, 14);
}

TEST(SectionFire, ReducedStrengths)
{
    double fm, fc, ft;
    /* b 10, d 20, four sides: p = 60, r = 60/200 = 0.3 1/cm, k_fi 1.25:
  ** DIN: 30 (1 - 0.4/3) = 26.0; 26.25 (1 - 0.24) = 19.95; 17.5 (1 - 0.3/3.33) = 15.923423 */
    EXPECT_EQ(Calc_Brand_Festigkeiten_DIN(/*fire_method=*/1, /*mat_group=*/0, /*fire_exposure=*/0,
                                          /*sides_mask=*/15, /*d=*/20, /*b=*/10, /*f_m=*/24,
                                          /*f_c=*/21, /*f_t=*/14, /*f_m_fi=*/&fm, /*f_c_fi=*/&fc,
                                          /*f_t_fi=*/&ft),
              0);
    EXPECT_NEAR(fm, 26.0, 1e-9);
    EXPECT_NEAR(fc, 19.95, 1e-9);
    EXPECT_NEAR(ft, 15.923423, 1e-6);
    /* EN 1995-1-2: 30 (1 - 0.15) = 25.5; 17.5 (1 - 0.3/3.3) = 15.909091 */
    EXPECT_EQ(Calc_Brand_Festigkeiten_EC(/*fire_method=*/1, /*mat_group=*/0, /*fire_exposure=*/0,
                                         /*sides_mask=*/15, /*d=*/20, /*b=*/10, /*f_m=*/24,
                                         /*f_c=*/21, /*f_t=*/14, /*f_m_fi=*/&fm, /*f_c_fi=*/&fc,
                                         /*f_t_fi=*/&ft),
              0);
    EXPECT_NEAR(fm, 25.5, 1e-9);
    EXPECT_NEAR(ft, 15.909091, 1e-6);
    /* method 2: k_fi f only; glulam EC 1.15 */
    EXPECT_EQ(Calc_Brand_Festigkeiten_EC(/*fire_method=*/2, /*mat_group=*/2, /*fire_exposure=*/0,
                                         /*sides_mask=*/15, /*d=*/20, /*b=*/10, /*f_m=*/24,
                                         /*f_c=*/21, /*f_t=*/14, /*f_m_fi=*/&fm, /*f_c_fi=*/&fc,
                                         /*f_t_fi=*/&ft),
              0);
    EXPECT_NEAR(fm, 27.6, 1e-9);
    EXPECT_EQ(Calc_Brand_Festigkeiten_EC(/*fire_method=*/2, /*mat_group=*/-1, /*fire_exposure=*/0,
                                         /*sides_mask=*/15, /*d=*/20, /*b=*/10, /*f_m=*/24,
                                         /*f_c=*/21, /*f_t=*/14, /*f_m_fi=*/&fm, /*f_c_fi=*/&fc,
                                         /*f_t_fi=*/&ft),
              0);
    EXPECT_NEAR(fm, 24.0, 1e-9);
    /* 1 x 1 cm: r = 4, non-positive strengths: 2 and 0.0001 f */
    EXPECT_EQ(Calc_Brand_Festigkeiten_DIN(/*fire_method=*/1, /*mat_group=*/0, /*fire_exposure=*/0,
                                          /*sides_mask=*/15, /*d=*/1, /*b=*/1, /*f_m=*/24,
                                          /*f_c=*/21, /*f_t=*/14, /*f_m_fi=*/&fm, /*f_c_fi=*/&fc,
                                          /*f_t_fi=*/&ft),
              2);
    EXPECT_NEAR(fm, 0.0024, 1e-12);
    EXPECT_NEAR(ft, 0.0014, 1e-12);
}

/* The member of the hand examples: C24, kmod 0.9, gamma_M 1.3, f_m 24, f_t 14, f_c 21, f_v 2.0. */
static Section_Check_Input C24_Member(void)
{
    Section_Check_Input m = Section_Check_Template;
    m.kmod = 0.9;
    m.gamma_m = 1.3;
    m.f_m_y_k = m.f_m_z_k = 24.0;
    m.f_t_0_k = 14.0;
    m.f_c_0_k = 21.0;
    m.f_v_k = 2.0;
    return m;
}

TEST(SectionCheck, TensionPassWithBendingAndShear)
{
    /* 10 x 20 cm, N = +100 kN, My = 10 kNm, Vz = 20 kN.
  ** sigma_N = 10/200 * 100 = 5.0; sigma_bottom = 1000/666.667 * 10 = 15.0, top -15.0.
  ** k_d = 0.9/1.3: f_m,d = 21.6/1.3 = 16.615385, f_t,d = 12.6/1.3 = 9.692308, f_v,d = 1.384615.
  ** Check 5 (bottom): 5/9.692308 + 15/16.615385 = 0.515873 + 0.902778 = 1.418651.
  ** tau_v = 10/133.333 * 20 = 1.5; U_v = tau_v/f_v,d = 1.083333. */
    const Section_Forces F = {100.0, 0.0, 20.0, 0.0, 10.0, 0.0};
    const Section_Check_Input m = C24_Member();
    const Section_Dims d = Rect(10, 20);
    Section_Check_Result r;
    ASSERT_EQ(Calc_Holz_Querschnitt(&F, &m, 1, &d, &r), 1);
    EXPECT_NEAR(r.sigma_N, 5.0, 1e-9);
    EXPECT_NEAR(r.sigma_m_y_bottom, 15.0, 1e-9);
    EXPECT_NEAR(r.sigma_m_y_top, -15.0, 1e-9);
    EXPECT_NEAR(r.sigma_max, 20.0, 1e-9);
    EXPECT_NEAR(r.sigma_min, -10.0, 1e-9);
    EXPECT_NEAR(r.f_m_y_d, 16.615385, 1e-6);
    EXPECT_NEAR(r.f_t_0_d, 9.692308, 1e-6);
    EXPECT_NEAR(r.tau_v, 1.5, 1e-9);
    EXPECT_NEAR(r.U_t, 1.418651, 1e-6);
    EXPECT_DOUBLE_EQ(r.U_c, 0.0);
    EXPECT_NEAR(r.U_v, 1.083333, 1e-6);
    EXPECT_NEAR(r.U_max, 1.418651, 1e-6);
    EXPECT_EQ(r.code, 0x20u | 0x600u | 1u | 0x40u);
    EXPECT_EQ(r.reserved, 0);
    /* N = 0 runs the tension pass too */
    const Section_Forces F0 = {0.0, 0.0, 0.0, 0.0, 10.0, 0.0};
    ASSERT_EQ(Calc_Holz_Querschnitt(&F0, &m, 1, &d, &r), 1);
    EXPECT_NEAR(r.U_t, 0.902778, 1e-6);
    EXPECT_DOUBLE_EQ(r.U_c, 0.0);
    EXPECT_EQ(Calc_Holz_Querschnitt(&F0, &m, 1, &d, nullptr), 0);
}

TEST(SectionCheck, CompressionPassWithBending)
{
    /* N = -100 kN, My = 10 kNm: sigma_N = -5.0; f_c,d = 18.9/1.3 = 14.538462;
  ** (sigma_c/f_c,d)^2 = (6.5/18.9)^2 = 0.343915^2 = 0.118278 (EN 1995-1-1 (6.19), sign kept);
  ** check 1 (top): |-0.118278 - 0.902778| = 1.021056. */
    const Section_Forces F = {-100.0, 0.0, 0.0, 0.0, 10.0, 0.0};
    const Section_Check_Input m = C24_Member();
    const Section_Dims d = Rect(10, 20);
    Section_Check_Result r;
    ASSERT_EQ(Calc_Holz_Querschnitt(&F, &m, 1, &d, &r), 1);
    EXPECT_NEAR(r.f_c_0_d, 14.538462, 1e-6);
    EXPECT_NEAR(r.U_c, 1.021056, 1e-6);
    EXPECT_DOUBLE_EQ(r.U_t, 0.0);
    EXPECT_EQ(r.code, 0x10u | 0x500u | 1u | 0x40u);
    EXPECT_NEAR(r.U_max, 1.021056, 1e-6);
}

TEST(SectionCheck, PureCompressionReportsTheLinearRatio)
{
    /* N = -150 kN alone: sigma_c = 7.5, 7.5/14.538462 = 0.515873 (EN 1995-1-1 (6.2)); the squared
  ** combined term 0.266125 must not be the figure reported. */
    const Section_Forces F = {-150.0, 0.0, 0.0, 0.0, 0.0, 0.0};
    const Section_Check_Input m = C24_Member();
    const Section_Dims d = Rect(10, 20);
    Section_Check_Result r;
    ASSERT_EQ(Calc_Holz_Querschnitt(&F, &m, 1, &d, &r), 1);
    EXPECT_NEAR(r.U_c, 0.515873, 1e-6);
    EXPECT_EQ(r.code, 0x10u | 0x1001u | 0x40u); /* the linear check governs */
    EXPECT_NEAR(r.U_max, 0.515873, 1e-6);
    /* with buckling about y the axial term stays linear in the combined check */
    Section_Check_Input b = m;
    b.flags = SCI_BUCKLING_Y;
    b.k_c_y = 0.5;
    ASSERT_EQ(Calc_Holz_Querschnitt(&F, &b, 1, &d, &r), 1);
    EXPECT_NEAR(r.U_c, 1.031746, 1e-6); /* 0.515873 / 0.5 */
    EXPECT_EQ(r.code, 0x2000u | 0x10u | 0x500u | 1u | 0x40u);
}

/* Lateral torsional buckling to EN 1995-1-1: a second pass squares the weighted bending terms
** (6.35) when both axes bend. 10 x 20 cm, My = 30 kNm, Mz = 2 kNm, N = 0, k_m 0.7:
** sigma_m,y = 30e6 / 666.667e3 = 45, sigma_m,z = 2e6 / 333.333e3 = 6 N/mm2; f_m,d = 21.6/1.3.
** a_y sigma_y = 45 x 1.3/21.6 = 2.708333, b_y sigma_y = 0.7 x that = 1.895833 (squared 3.594184);
** a_z sigma_z = 6 x 1.3/21.6 = 0.361111, b_z sigma_z = 0.252778 (squared 0.063897).
** First pass: 2.708333 + 0.252778 = 2.961111; second pass, form 2: 0.361111 + 3.594184 =
** 3.955295, the slot's maximum, with bit 0x4000. */
TEST(SectionCheck, EurocodeLateralTorsionalSecondPass)
{
    Section_Check_Input m = C24_Member();
    m.flags = SCI_EUROCODE | SCI_KIPPEN;
    m.k_m = 0.7;
    const Section_Dims d = Rect(10, 20);
    Section_Check_Result r;
    const Section_Forces F = {0.0, 0.0, 0.0, 0.0, 30.0, 2.0};
    ASSERT_EQ(Calc_Holz_Querschnitt(&F, &m, 1, &d, &r), 1);
    EXPECT_NEAR(r.U_t, 3.955295, 1e-6);
    EXPECT_EQ(r.code & ~0xF00u, 0x20u | 0x4000u | 2u | 0x40u);
    /* bending about y alone: no squaring and no bit, the first pass stands */
    const Section_Forces Fy = {0.0, 0.0, 0.0, 0.0, 30.0, 0.0};
    ASSERT_EQ(Calc_Holz_Querschnitt(&Fy, &m, 1, &d, &r), 1);
    EXPECT_NEAR(r.U_t, 2.708333, 1e-6);
    EXPECT_EQ(r.code & 0x4000u, 0u);
    /* without lateral torsional buckling one pass: 2.961111 */
    m.flags = SCI_EUROCODE;
    ASSERT_EQ(Calc_Holz_Querschnitt(&F, &m, 1, &d, &r), 1);
    EXPECT_NEAR(r.U_t, 2.961111, 1e-6);
    EXPECT_EQ(r.code & ~0xF00u, 0x20u | 1u | 0x40u);
    /* DIN: the bit is carried, nothing squared */
    m.flags = SCI_KIPPEN;
    ASSERT_EQ(Calc_Holz_Querschnitt(&F, &m, 1, &d, &r), 1);
    EXPECT_NEAR(r.U_t, 2.961111, 1e-6);
    EXPECT_EQ(r.code & ~0xF00u, 0x20u | 0x4000u | 1u | 0x40u);
}

TEST(SectionCheck, EurocodeFactorsOverridesAndZeroArea)
{
    Section_Check_Input m = C24_Member();
    m.flags = SCI_EUROCODE;
    m.k_cr_y = m.k_cr_z = 0.5;
    m.k_h_y = 1.1;
    const Section_Forces F = {0.0, 0.0, 20.0, 0.0, 10.0, 0.0};
    const Section_Dims d = Rect(10, 20);
    Section_Check_Result r;
    ASSERT_EQ(Calc_Holz_Querschnitt(&F, &m, 1, &d, &r), 1);
    EXPECT_NEAR(r.tau_v, 3.0, 1e-9); /* k_cr 0.5 doubles 1.5 */
    EXPECT_NEAR(r.f_m_y_d, 16.615385 * 1.1, 1e-5);
    EXPECT_NEAR(r.U_t, 15.0 / (16.615385 * 1.1), 1e-6);
    /* results' overrides: count 5, mask 397 -> A, W_u, slot 3 (positive) */
    const double ov[9] = {150.0, 0.0, 500.0, 500.0, 0.0, 0.0, 0.0, 50.0, 99999.0};
    Section_Check_Input o = C24_Member();
    o.overrides = ov;
    o.n_overrides = 5;
    o.override_mask = 397;
    const Section_Forces G = {30.0, 0.0, 20.0, 0.0, 10.0, 0.0};
    ASSERT_EQ(Calc_Holz_Querschnitt(&G, &o, 1, &d, &r), 1);
    EXPECT_NEAR(r.sigma_N, 2.0, 1e-9);        /* 10/150 * 30 */
    EXPECT_NEAR(r.sigma_m_y_top, 20.0, 1e-9); /* 1000/500 * 10 */
    EXPECT_NEAR(r.sigma_m_y_bottom, 20.0, 1e-9);
    EXPECT_NEAR(r.tau_v, 1.5, 1e-9); /* A_Q,z stays 2/3 of 200 */
    /* A = 0: the factor 1e6 instead of a division */
    const Section_Dims z = Rect(0, 0);
    const Section_Forces H = {0.001, 0.0, 0.0, 0.0, 0.0, 0.0};
    ASSERT_EQ(Calc_Holz_Querschnitt(&H, &m, 1, &z, &r), 1);
    EXPECT_NEAR(r.sigma_N, 1000.0, 1e-9);
}
