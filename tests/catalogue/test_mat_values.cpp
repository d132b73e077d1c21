/*
** Timber grade tables and the characteristic values of the material groups: kmod, rho_k,
** stiffness, strengths with the depth factor, fc,90 and the further factors.
*/
#include <gtest/gtest.h>

#include <cmath>

#include "cat_test_util.h"

TEST(MatValues, KmodAveragingRule)
{
    double k = 0.0;
    {
        Nad_Scope en(true);
        en.block()->kmod_mean_rule = 1;
        ASSERT_EQ(Get_Kmod(0, 5, 1, 5, &k, nullptr), 1);
        EXPECT_DOUBLE_EQ(k, 1.0); /* mean of 0.9 and 1.1 */
        en.block()->kmod_mean_rule = 0;
        ASSERT_EQ(Get_Kmod(0, 5, 1, 5, &k, nullptr), 1);
        EXPECT_DOUBLE_EQ(k, 0.9); /* taken as short-term */
    }
    Nad_Scope din(false);
    ASSERT_EQ(Get_Kmod(0, 5, 1, 5, &k, nullptr), 1);
    EXPECT_DOUBLE_EQ(k, 1.0);
}

TEST(MatValues, KmodOfFibreboards)
{
    /* EN 1995-1-1, Table 3.1 (and DIN 1052, Table F.1), load-duration classes permanent, long,
  ** medium, short, instantaneous.
  ** HB.LA / HB.HLA (grade 0 "Hart"), service class 1: 0.30 0.45 0.65 0.85 1.10;
  **   HB.HLA, service class 2: 0.20 0.30 0.45 0.60 0.80.
  ** MBH.LA / MBH.HLS (grade 1 "Mittelhart"), service class 1: 0.20 0.40 0.60 0.80 1.10;
  **   MBH.LA has no value in service class 2 (MBH.HLS only short-term and instantaneous ones):
  **   the one grade of both takes the weaker board's rows, none in service classes 2 and 3. */
    const double hard_1[5] = {0.30, 0.45, 0.65, 0.85, 1.10},
                 hard_2[5] = {0.20, 0.30, 0.45, 0.60, 0.80};
    const double medium_1[5] = {0.20, 0.40, 0.60, 0.80, 1.10};
    for (int en = 0; en <= 1; en++) {
        Nad_Scope scope(en != 0);
        double k = -1.0;
        for (int kled = 0; kled < 5; kled++) {
            ASSERT_EQ(Get_Kmod(8, 0, 1, kled, &k, nullptr), 1) << kled;
            EXPECT_DOUBLE_EQ(k, hard_1[kled]) << kled;
            ASSERT_EQ(Get_Kmod(8, 0, 2, kled, &k, nullptr), 1) << kled;
            EXPECT_DOUBLE_EQ(k, hard_2[kled]) << kled;
            ASSERT_EQ(Get_Kmod(8, 1, 1, kled, &k, nullptr), 1) << kled;
            EXPECT_DOUBLE_EQ(k, medium_1[kled]) << kled;
        }
        for (int kled = 0; kled < 8; kled++) {
            k = -1.0;
            EXPECT_EQ(Get_Kmod(8, 1, 2, kled, &k, nullptr), 0) << kled;
            EXPECT_DOUBLE_EQ(k, -1.0) << kled;
        }
        EXPECT_EQ(Get_Kmod(8, 1, 3, 3, &k, nullptr), 0); /* no service class 3 */
    }
}

TEST(MatValues, KmodRowsAndUndefined)
{
    Nad_Scope en(true);
    double k = -1.0;
    EXPECT_EQ(Get_Kmod(4, 0, 2, 2, &k, nullptr), 0); /* OSB 2 only in service class 1 */
    EXPECT_DOUBLE_EQ(k, -1.0);
    EXPECT_EQ(Get_Kmod(4, 0, 1, 2, &k, nullptr), 1);
    EXPECT_DOUBLE_EQ(k, 0.65);
    EXPECT_EQ(Get_Kmod(4, 1, 2, 0, &k, nullptr), 1);
    EXPECT_DOUBLE_EQ(k, 0.3);
    EXPECT_EQ(Get_Kmod(2, 3, 3, 4, &k, nullptr), 1);
    EXPECT_DOUBLE_EQ(k, 0.9);
    EXPECT_EQ(Get_Kmod(1, 0, 2, 6, &k, nullptr), 1); /* accidental as instantaneous */
    EXPECT_DOUBLE_EQ(k, 1.1);
    /* particle board, EN 1995-1-1, Table 3.1: P4 and P6 in service class 1 only, P5 and P7 in
    ** 1 and 2; P7 long-term 0.50 / 0.40, P5 0.45 / 0.30 */
    EXPECT_EQ(Get_Kmod(7, 3, 1, 1, &k, nullptr), 1);
    EXPECT_DOUBLE_EQ(k, 0.5);
    EXPECT_EQ(Get_Kmod(7, 3, 2, 1, &k, nullptr), 1);
    EXPECT_DOUBLE_EQ(k, 0.4);
    EXPECT_EQ(Get_Kmod(7, 1, 2, 1, &k, nullptr), 1);
    EXPECT_DOUBLE_EQ(k, 0.3);
    EXPECT_EQ(Get_Kmod(7, 2, 1, 1, &k, nullptr), 1); /* P6 */
    EXPECT_DOUBLE_EQ(k, 0.5);
    EXPECT_EQ(Get_Kmod(7, 0, 1, 1, &k, nullptr), 1); /* P4 */
    EXPECT_DOUBLE_EQ(k, 0.45);
    k = -1.0;
    EXPECT_EQ(Get_Kmod(7, 2, 2, 1, &k, nullptr), 0);
    EXPECT_EQ(Get_Kmod(7, 0, 2, 3, &k, nullptr), 0);
    EXPECT_DOUBLE_EQ(k, -1.0);
    EXPECT_EQ(Get_Kmod(9, 0, 2, 0, &k, nullptr), 1);
    EXPECT_DOUBLE_EQ(k, 0.15);
    EXPECT_EQ(Get_Kmod(12, 0, 1, 1, &k, nullptr), 0); /* steel has none */
    EXPECT_EQ(Get_Kmod(13, 5, 1, 1, &k, nullptr), 0);
    EXPECT_EQ(Get_Kmod(0, 5, 4, 1, &k, nullptr), 0);
    EXPECT_EQ(Get_Kmod(0, 5, 1, 8, &k, nullptr), 0);
    EXPECT_EQ(Get_Kmod(0, 5, 0, 3, &k, nullptr), 1); /* no service class */
    EXPECT_DOUBLE_EQ(k, 1.0);
    k = -1.0;
    EXPECT_EQ(Get_Kmod(17, 0, 3, 1, &k, nullptr), 0); /* LVL in service class 3 */
    EXPECT_DOUBLE_EQ(k, 0.0);
    EXPECT_EQ(Get_Kmod(-13, 2, 2, 4, &k, nullptr), 1);
    EXPECT_DOUBLE_EQ(k, 0.9);
    {
        Nad_Scope din(false);
        EXPECT_EQ(Get_Kmod(7, 1, 2, 6, &k, nullptr), 0); /* DIN: no accidental value */
        EXPECT_EQ(Get_Kmod(7, 3, 2, 1, &k, nullptr), 1); /* DIN: P5 and P7 alike */
        EXPECT_DOUBLE_EQ(k, 0.3);
        /* P4 and P6, boards for dry conditions (EN 312), have none in service class 2 */
        EXPECT_EQ(Get_Kmod(7, 0, 2, 1, &k, nullptr), 0);
        EXPECT_EQ(Get_Kmod(7, 2, 2, 1, &k, nullptr), 0);
    }
}

TEST(MatValues, KmodOfUserMaterial)
{
    Nad_Scope en(true);
    double k = 0.0;
    EXPECT_EQ(Get_Kmod(14, 0, 1, 1, &k, nullptr), 1);
    EXPECT_DOUBLE_EQ(k, 0.2);
    User_Material u = {};
    for (int s = 0; s < 3; s++)
        for (int l = 0; l < 5; l++) u.kmod[s][l] = 0.1 * (s + 1) + 0.01 * l;
    EXPECT_EQ(Get_Kmod(14, 0, 2, 3, &k, &u), 1);
    EXPECT_DOUBLE_EQ(k, 0.23);
    en.block()->kmod_mean_rule = 1;
    EXPECT_EQ(Get_Kmod(-999, 0, 3, 5, &k, &u), 1);
    EXPECT_DOUBLE_EQ(k, (0.33 + 0.34) * 0.5);
    EXPECT_EQ(Get_Kmod(0, 14, 1, 6, &k, &u), 1); /* grade 14: user-defined too */
    EXPECT_DOUBLE_EQ(k, 0.14);
    EXPECT_EQ(Get_Kmod(14, 0, 4, 1, &k, &u), 0); /* no row for service class 4 */
}

TEST(MatValues, Density)
{
    double rho = 0.0;
    {
        Nad_Scope en(true);
        EXPECT_EQ(Get_Rho_K(-10, 3, 0.0, &rho, nullptr), 1);
        EXPECT_DOUBLE_EQ(rho, 350.0);
        EXPECT_EQ(Get_Rho_K(1, 0, 0.0, &rho, nullptr), 1);
        EXPECT_DOUBLE_EQ(rho, 475.0); /* D18 */
        EXPECT_EQ(Get_Rho_K(1, 7, 0.0, &rho, nullptr), 1);
        EXPECT_DOUBLE_EQ(rho, 800.0); /* D70 */
    }
    Nad_Scope din(false);
    EXPECT_EQ(Get_Rho_K(-10, 0, 0.0, &rho, nullptr), 1);
    EXPECT_DOUBLE_EQ(rho, 350.0);
    EXPECT_EQ(Get_Rho_K(1, 0, 0.0, &rho, nullptr), 1);
    EXPECT_DOUBLE_EQ(rho, 530.0); /* D30 */
    rho = -1.0;
    EXPECT_EQ(Get_Rho_K(1, 6, 0.0, &rho, nullptr), 0); /* only under EN */
    EXPECT_DOUBLE_EQ(rho, -1.0);
    EXPECT_EQ(Get_Rho_K(13, 5, 0.0, &rho, nullptr), 0);
    EXPECT_EQ(Get_Rho_K(14, 0, 0.0, &rho, nullptr), 0);
    User_Material u = {};
    u.rho_k = 420.0;
    EXPECT_EQ(Get_Rho_K(2, -999, 0.0, &rho, &u), 1);
    EXPECT_DOUBLE_EQ(rho, 420.0);
    EXPECT_EQ(Get_Rho_K(7, 1, 13.0, &rho, nullptr), 1);
    EXPECT_DOUBLE_EQ(rho, 650.0);
    EXPECT_EQ(Get_Rho_K(7, 1, 13.1, &rho, nullptr), 1);
    EXPECT_DOUBLE_EQ(rho, 600.0);
    EXPECT_EQ(Get_Rho_K(7, 1, 6.0, &rho, nullptr), 1);
    EXPECT_DOUBLE_EQ(rho, 0.0);
    EXPECT_EQ(Get_Rho_K(8, 0, 5.0, &rho, nullptr), 1);
    EXPECT_DOUBLE_EQ(rho, 850.0);
    EXPECT_EQ(Get_Rho_K(8, 1, 12.0, &rho, nullptr), 1);
    EXPECT_DOUBLE_EQ(rho, 600.0);
    EXPECT_EQ(Get_Rho_K(5, 0, 12.5, &rho, nullptr), 1);
    EXPECT_DOUBLE_EQ(rho, 680.0);
    EXPECT_EQ(Get_Rho_K(6, 2, 12.0, &rho, nullptr), 1);
    EXPECT_DOUBLE_EQ(rho, 400.0);
    EXPECT_EQ(Get_Rho_K(16, 42, 5.0, &rho, nullptr), 1);
    EXPECT_DOUBLE_EQ(rho, 27000.0);
    EXPECT_EQ(Get_Rho_K(18, 3, 5.0, &rho, nullptr), 0);
}

TEST(MatValues, ValueSetSwitchesAtEveryCall)
{
    double fv = 0.0;
    Nad_Scope din(false);
    ASSERT_EQ(Get_Mat_Strengths(/*group=*/0, /*grade=*/5, /*use=*/2, /*stress_kind=*/6,
                                /*width_mm=*/100,
                                /*depth_mm=*/200, /*f_m_k=*/nullptr, /*f_t_k=*/nullptr,
                                /*f_c_k=*/nullptr, /*f_v_k=*/&fv, /*f_c90_k=*/nullptr,
                                /*k_h=*/nullptr),
              1);
    EXPECT_DOUBLE_EQ(fv, 2000.0);
    EXPECT_STREQ(Get_Timber_Grade(1, 0)->name, "D30");
    {
        Nad_Scope en(true);
        ASSERT_EQ(Get_Mat_Strengths(/*group=*/0, /*grade=*/5, /*use=*/2, /*stress_kind=*/6,
                                    /*width_mm=*/100,
                                    /*depth_mm=*/200, /*f_m_k=*/nullptr, /*f_t_k=*/nullptr,
                                    /*f_c_k=*/nullptr, /*f_v_k=*/&fv, /*f_c90_k=*/nullptr,
                                    /*k_h=*/nullptr),
                  1);
        EXPECT_DOUBLE_EQ(fv, 4000.0);
        EXPECT_STREQ(Get_Timber_Grade(1, 0)->name, "D18");
        EXPECT_EQ(Get_Mat_E90_Mean(1, 7, nullptr), 1);
    }
    EXPECT_EQ(Get_Mat_E90_Mean(1, 7, nullptr), 0);
    double e90 = 0.0;
    EXPECT_EQ(Get_Mat_E90_Mean(2, 2, &e90), 1);
    EXPECT_DOUBLE_EQ(e90, 300000.0);
    EXPECT_EQ(Get_Mat_E90_Mean(21, 1, &e90), 1);
    EXPECT_EQ(Get_Mat_E90_Mean(4, 0, &e90), 0);
}

TEST(MatValues, DepthFactorOfSolidTimber)
{
    double fm = 0, ft = 0, fc = 0, fv = 0, fc90 = 0, kh = 0;
    {
        Nad_Scope en(true);
        ASSERT_EQ(Get_Mat_Strengths(/*group=*/0, /*grade=*/5, /*use=*/2, /*stress_kind=*/6,
                                    /*width_mm=*/80,
                                    /*depth_mm=*/100, /*f_m_k=*/&fm, /*f_t_k=*/&ft, /*f_c_k=*/&fc,
                                    /*f_v_k=*/&fv, /*f_c90_k=*/&fc90, /*k_h=*/&kh),
                  1);
        /* EN 1995-1-1 (3.1): kh = min((150/100)^0.2, 1.3) = 1.5^0.2 = 1.084472 */
        EXPECT_NEAR(kh, 1.0845, 5e-5);
        EXPECT_NEAR(fm, 26027.3, 0.05);            /* 24000 * 1.084472 */
        EXPECT_NEAR(ft, 14500.0 * 1.084472, 0.05); /* ft,0 of C24 */
        EXPECT_DOUBLE_EQ(fc, 21000.0);
        EXPECT_DOUBLE_EQ(fc90, 2500.0);
        /* 40 mm: (150/40)^0.2 = 3.75^0.2 = 1.302 -> capped at 1.3 */
        ASSERT_EQ(Get_Mat_Strengths(/*group=*/0, /*grade=*/5, /*use=*/2, /*stress_kind=*/6,
                                    /*width_mm=*/30,
                                    /*depth_mm=*/40, /*f_m_k=*/&fm, /*f_t_k=*/nullptr,
                                    /*f_c_k=*/nullptr,
                                    /*f_v_k=*/nullptr, /*f_c90_k=*/nullptr, /*k_h=*/&kh),
                  1);
        EXPECT_DOUBLE_EQ(kh, 1.3);
        EXPECT_DOUBLE_EQ(fm, 24000.0 * 1.3);
        /* above 150 mm no kh is written */
        kh = -1.0;
        ASSERT_EQ(Get_Mat_Strengths(/*group=*/0, /*grade=*/5, /*use=*/2, /*stress_kind=*/6,
                                    /*width_mm=*/100,
                                    /*depth_mm=*/200, /*f_m_k=*/&fm, /*f_t_k=*/nullptr,
                                    /*f_c_k=*/nullptr,
                                    /*f_v_k=*/nullptr, /*f_c90_k=*/nullptr, /*k_h=*/&kh),
                  1);
        EXPECT_DOUBLE_EQ(kh, -1.0);
        EXPECT_DOUBLE_EQ(fm, 24000.0);
        /* perpendicular kinds write ft,90 and fc,90 */
        ASSERT_EQ(Get_Mat_Strengths(
                      /*group=*/13, /*grade=*/5, /*use=*/2, /*stress_kind=*/9, /*width_mm=*/100,
                      /*depth_mm=*/200, /*f_m_k=*/nullptr, /*f_t_k=*/&ft, /*f_c_k=*/&fc,
                      /*f_v_k=*/nullptr, /*f_c90_k=*/nullptr, /*k_h=*/nullptr),
                  1);
        EXPECT_DOUBLE_EQ(ft, 400.0);
        EXPECT_DOUBLE_EQ(fc, 2500.0);
    }
    Nad_Scope din(false);
    kh = -1.0;
    ASSERT_EQ(
        Get_Mat_Strengths(/*group=*/0, /*grade=*/5, /*use=*/2, /*stress_kind=*/6, /*width_mm=*/80,
                          /*depth_mm=*/100, /*f_m_k=*/&fm, /*f_t_k=*/nullptr, /*f_c_k=*/nullptr,
                          /*f_v_k=*/nullptr, /*f_c90_k=*/nullptr, /*k_h=*/&kh),
        1);
    EXPECT_DOUBLE_EQ(kh, -1.0);
    EXPECT_DOUBLE_EQ(fm, 24000.0);
}

TEST(MatValues, DepthFactorAndShearOfGlulam)
{
    double fm = 0, ft = 0, fv = 0, kh = -1;
    {
        Nad_Scope en(true);
        ASSERT_EQ(Get_Mat_Strengths(
                      /*group=*/2, /*grade=*/2, /*use=*/2, /*stress_kind=*/6, /*width_mm=*/100,
                      /*depth_mm=*/300, /*f_m_k=*/&fm, /*f_t_k=*/&ft, /*f_c_k=*/nullptr,
                      /*f_v_k=*/&fv, /*f_c90_k=*/nullptr, /*k_h=*/&kh),
                  1);
        /* EN 1995-1-1 (3.2): (600/300)^0.1 = 2^0.1 = 1.071773 */
        EXPECT_NEAR(kh, 1.071773, 1e-6);
        EXPECT_NEAR(fm, 24000.0 * 1.071773, 0.05);
        EXPECT_NEAR(ft, 19200.0 * 1.071773, 0.05);
        EXPECT_DOUBLE_EQ(fv, 3500.0);
        kh = -1.0;
        ASSERT_EQ(Get_Mat_Strengths(/*group=*/2, /*grade=*/2, /*use=*/2, /*stress_kind=*/6,
                                    /*width_mm=*/100,
                                    /*depth_mm=*/600, /*f_m_k=*/&fm, /*f_t_k=*/nullptr,
                                    /*f_c_k=*/nullptr,
                                    /*f_v_k=*/nullptr, /*f_c90_k=*/nullptr, /*k_h=*/&kh),
                  1);
        EXPECT_DOUBLE_EQ(kh, -1.0); /* 600 mm and more: none */
        EXPECT_DOUBLE_EQ(fm, 24000.0);
        /* BS classes under EN: fv from the EN column, or 3.5 under the annex rules of k_cr */
        ASSERT_EQ(Get_Mat_Strengths(/*group=*/3, /*grade=*/6, /*use=*/2, /*stress_kind=*/6,
                                    /*width_mm=*/100,
                                    /*depth_mm=*/700, /*f_m_k=*/nullptr, /*f_t_k=*/nullptr,
                                    /*f_c_k=*/nullptr, /*f_v_k=*/&fv, /*f_c90_k=*/nullptr,
                                    /*k_h=*/nullptr),
                  1);
        EXPECT_DOUBLE_EQ(fv, 4300.0);
        en.block()->k_cr_rule = 0;
        ASSERT_EQ(Get_Mat_Strengths(/*group=*/3, /*grade=*/6, /*use=*/2, /*stress_kind=*/6,
                                    /*width_mm=*/100,
                                    /*depth_mm=*/700, /*f_m_k=*/nullptr, /*f_t_k=*/nullptr,
                                    /*f_c_k=*/nullptr, /*f_v_k=*/&fv, /*f_c90_k=*/nullptr,
                                    /*k_h=*/nullptr),
                  1);
        EXPECT_DOUBLE_EQ(fv, 3500.0);
    }
    Nad_Scope din(false);
    ASSERT_EQ(
        Get_Mat_Strengths(/*group=*/3, /*grade=*/6, /*use=*/2, /*stress_kind=*/6, /*width_mm=*/100,
                          /*depth_mm=*/300, /*f_m_k=*/&fm, /*f_t_k=*/nullptr, /*f_c_k=*/nullptr,
                          /*f_v_k=*/&fv, /*f_c90_k=*/nullptr, /*k_h=*/&kh),
        1);
    /* DIN 1052: (600/300)^0.14 = 2^0.14 = 1.101905 -> capped at 1.1 */
    EXPECT_DOUBLE_EQ(kh, 1.1);
    EXPECT_DOUBLE_EQ(fm, 36000.0 * 1.1);
    EXPECT_DOUBLE_EQ(fv, 2500.0);
}

TEST(MatValues, PanelAndProductStrengths)
{
    Nad_Scope en(true);
    double fm = 0, ft = 0, fc = 0, fv = 0, fc90 = 0;
    /* particle board P5, 10 mm, in plane: ft, ft, fc and the panel shear strength */
    ASSERT_EQ(Get_Mat_Strengths(/*group=*/7, /*grade=*/1, /*use=*/2, /*stress_kind=*/5,
                                /*width_mm=*/0,
                                /*depth_mm=*/10, /*f_m_k=*/&fm, /*f_t_k=*/&ft, /*f_c_k=*/&fc,
                                /*f_v_k=*/&fv, /*f_c90_k=*/&fc90, /*k_h=*/nullptr),
              1);
    EXPECT_DOUBLE_EQ(fm, 9400.0);
    EXPECT_DOUBLE_EQ(ft, 9400.0);
    EXPECT_DOUBLE_EQ(fc, 12700.0);
    EXPECT_DOUBLE_EQ(fv, 7000.0);
    EXPECT_DOUBLE_EQ(fc90, 10000.0);
    /* outside 6..50 mm: result 1, nothing written */
    fm = -1.0;
    ASSERT_EQ(
        Get_Mat_Strengths(/*group=*/7, /*grade=*/1, /*use=*/2, /*stress_kind=*/5, /*width_mm=*/0,
                          /*depth_mm=*/55, /*f_m_k=*/&fm, /*f_t_k=*/nullptr, /*f_c_k=*/nullptr,
                          /*f_v_k=*/nullptr, /*f_c90_k=*/nullptr, /*k_h=*/nullptr),
        1);
    EXPECT_DOUBLE_EQ(fm, -1.0);
    /* plywood F40/30, out of plane perpendicular */
    ASSERT_EQ(Get_Mat_Strengths(/*group=*/6, /*grade=*/3, /*use=*/2, /*stress_kind=*/4,
                                /*width_mm=*/0,
                                /*depth_mm=*/12, /*f_m_k=*/&fm, /*f_t_k=*/&ft, /*f_c_k=*/&fc,
                                /*f_v_k=*/&fv, /*f_c90_k=*/&fc90, /*k_h=*/nullptr),
              1);
    EXPECT_DOUBLE_EQ(fm, 30000.0);
    EXPECT_DOUBLE_EQ(ft, 31000.0);
    EXPECT_DOUBLE_EQ(fc, 22000.0);
    EXPECT_DOUBLE_EQ(fc90, 9000.0);
    EXPECT_DOUBLE_EQ(fv, 2200.0);
    /* OSB/3, 15 mm, in-plane shear and planar shear */
    ASSERT_EQ(Get_Mat_Strengths(/*group=*/4, /*grade=*/1, /*use=*/2, /*stress_kind=*/2,
                                /*width_mm=*/0,
                                /*depth_mm=*/15, /*f_m_k=*/&fm, /*f_t_k=*/&ft, /*f_c_k=*/&fc,
                                /*f_v_k=*/&fv, /*f_c90_k=*/&fc90, /*k_h=*/nullptr),
              1);
    EXPECT_DOUBLE_EQ(fv, 6800.0);
    EXPECT_DOUBLE_EQ(fc90, 10000.0);
    ASSERT_EQ(Get_Mat_Strengths(/*group=*/4, /*grade=*/1, /*use=*/2, /*stress_kind=*/0,
                                /*width_mm=*/0,
                                /*depth_mm=*/15, /*f_m_k=*/&fm, /*f_t_k=*/&ft, /*f_c_k=*/&fc,
                                /*f_v_k=*/&fv, /*f_c90_k=*/&fc90, /*k_h=*/nullptr),
              1);
    EXPECT_DOUBLE_EQ(fv, 1000.0);
    /* Kerto-Q 27-69 mm flatwise */
    ASSERT_EQ(Get_Mat_Strengths(/*group=*/11, /*grade=*/1, /*use=*/2, /*stress_kind=*/1,
                                /*width_mm=*/0,
                                /*depth_mm=*/40, /*f_m_k=*/&fm, /*f_t_k=*/&ft, /*f_c_k=*/&fc,
                                /*f_v_k=*/&fv, /*f_c90_k=*/&fc90, /*k_h=*/nullptr),
              1);
    EXPECT_DOUBLE_EQ(fm, 36000.0);
    EXPECT_DOUBLE_EQ(ft, 26000.0);
    EXPECT_DOUBLE_EQ(fc90, 2200.0);
    EXPECT_DOUBLE_EQ(fv, 1300.0);
    /* Steico LVL X t>=27 kind 6: ft 22 */
    ASSERT_EQ(Get_Mat_Strengths(/*group=*/19, /*grade=*/2, /*use=*/2, /*stress_kind=*/6,
                                /*width_mm=*/0,
                                /*depth_mm=*/40, /*f_m_k=*/&fm, /*f_t_k=*/&ft, /*f_c_k=*/&fc,
                                /*f_v_k=*/&fv, /*f_c90_k=*/&fc90, /*k_h=*/nullptr),
              1);
    EXPECT_DOUBLE_EQ(ft, 22000.0);
    EXPECT_DOUBLE_EQ(fc, 30000.0);
    EXPECT_EQ(Get_Mat_Strengths(/*group=*/19, /*grade=*/3, /*use=*/2, /*stress_kind=*/6,
                                /*width_mm=*/0,
                                /*depth_mm=*/40, /*f_m_k=*/&fm, /*f_t_k=*/&ft, /*f_c_k=*/&fc,
                                /*f_v_k=*/&fv, /*f_c90_k=*/&fc90, /*k_h=*/nullptr),
              0);
    EXPECT_EQ(Get_Mat_Strengths(/*group=*/12, /*grade=*/0, /*use=*/2, /*stress_kind=*/6,
                                /*width_mm=*/0,
                                /*depth_mm=*/40, /*f_m_k=*/&fm, /*f_t_k=*/&ft, /*f_c_k=*/&fc,
                                /*f_v_k=*/&fv, /*f_c90_k=*/&fc90, /*k_h=*/nullptr),
              0);
    fm = -1.0; /* a stress kind above 9: no values */
    EXPECT_EQ(
        Get_Mat_Strengths(/*group=*/0, /*grade=*/5, /*use=*/2, /*stress_kind=*/10, /*width_mm=*/0,
                          /*depth_mm=*/40, /*f_m_k=*/&fm, /*f_t_k=*/nullptr, /*f_c_k=*/nullptr,
                          /*f_v_k=*/nullptr, /*f_c90_k=*/nullptr, /*k_h=*/nullptr),
        1);
    EXPECT_DOUBLE_EQ(fm, -1.0);
    EXPECT_EQ(
        Get_Mat_Strengths(/*group=*/0, /*grade=*/12, /*use=*/2, /*stress_kind=*/10, /*width_mm=*/0,
                          /*depth_mm=*/40, /*f_m_k=*/&fm, /*f_t_k=*/nullptr, /*f_c_k=*/nullptr,
                          /*f_v_k=*/nullptr, /*f_c90_k=*/nullptr, /*k_h=*/nullptr),
        0);
    EXPECT_EQ(Get_Mat_Strengths(/*group=*/-12, /*grade=*/0, /*use=*/2, /*stress_kind=*/6,
                                /*width_mm=*/0,
                                /*depth_mm=*/40, /*f_m_k=*/&fm, /*f_t_k=*/&ft, /*f_c_k=*/&fc,
                                /*f_v_k=*/&fv, /*f_c90_k=*/&fc90, /*k_h=*/nullptr),
              0);
}

TEST(MatValues, LaminatedBeech)
{
    Nad_Scope en(true);
    double fm = 0, ft = 0, fc = 0, fv = 0, fc90 = 0, kh = 0;
    ASSERT_EQ(Get_Mat_Strengths(/*group=*/17, /*grade=*/1, /*use=*/1, /*stress_kind=*/8,
                                /*width_mm=*/200,
                                /*depth_mm=*/300, /*f_m_k=*/&fm, /*f_t_k=*/&ft, /*f_c_k=*/&fc,
                                /*f_v_k=*/&fv, /*f_c90_k=*/&fc90, /*k_h=*/&kh),
              1);
    /* kh = min((600/300)^0.1, 1.2) = 1.071773; fv * min(2^0.13, 1.2) = 4500 * 1.094294 */
    EXPECT_NEAR(kh, 1.071773, 1e-6);
    EXPECT_NEAR(fm, 75000.0 * 1.071773, 0.05);
    EXPECT_NEAR(ft, 60000.0 * 1.071773, 0.05); /* max(b, h) = 300 */
    EXPECT_NEAR(fv, 4500.0 * 1.094294, 0.05);
    EXPECT_DOUBLE_EQ(fc, 59400.0);
    EXPECT_DOUBLE_EQ(fc90, 14800.0);
    ASSERT_EQ(Get_Mat_Strengths(/*group=*/17, /*grade=*/0, /*use=*/2, /*stress_kind=*/9,
                                /*width_mm=*/200,
                                /*depth_mm=*/300, /*f_m_k=*/nullptr, /*f_t_k=*/&ft, /*f_c_k=*/&fc,
                                /*f_v_k=*/nullptr, /*f_c90_k=*/&fc90, /*k_h=*/nullptr),
              1);
    EXPECT_DOUBLE_EQ(ft, 600.0);
    /* (0.892 + 0.0009 * 300) * 49500 = 1.162 * 49500 = 57519 */
    EXPECT_NEAR(fc, 57519.0, 1e-6);
    EXPECT_DOUBLE_EQ(fc90, 12300.0);
}

TEST(MatValues, CompressionPerpendicularValue)
{
    Nad_Scope en(true);
    EXPECT_DOUBLE_EQ(Get_Mat_Value(0, 5, 2, 0), 2500.0);
    EXPECT_DOUBLE_EQ(Get_Mat_Value(4, 0, 2, 0), 10000.0);
    EXPECT_DOUBLE_EQ(Get_Mat_Value(6, 4, 2, 0), 9000.0);
    EXPECT_DOUBLE_EQ(Get_Mat_Value(6, 4, 2, 1), 10000.0);
    EXPECT_DOUBLE_EQ(Get_Mat_Value(6, 1, 2, 1), 4000.0);
    EXPECT_DOUBLE_EQ(Get_Mat_Value(7, 0, 2, 0), 10000.0);
    EXPECT_DOUBLE_EQ(Get_Mat_Value(8, 1, 2, 0), 8000.0);
    EXPECT_DOUBLE_EQ(Get_Mat_Value(17, 0, 1, 0), 14800.0);
    EXPECT_DOUBLE_EQ(Get_Mat_Value(18, 2, 2, 0), 40000.0);
    EXPECT_DOUBLE_EQ(Get_Mat_Value(19, 1, 2, 1), 26000.0);
    EXPECT_DOUBLE_EQ(Get_Mat_Value(19, 1, 2, 0), 9000.0);
    EXPECT_DOUBLE_EQ(Get_Mat_Value(12, 0, 2, 0), 0.0);
    EXPECT_DOUBLE_EQ(Get_Mat_Value(21, 0, 2, 0), 0.0);
}

TEST(MatValues, Stiffness)
{
    Nad_Scope en(true);
    double E = 0, G = 0, E05 = 0, G05 = -1;
    ASSERT_EQ(Get_Mat_Stiffness(0, 5, 0, 0, &E, &G, &E05, &G05), 1);
    EXPECT_DOUBLE_EQ(E, 11000000.0);
    EXPECT_DOUBLE_EQ(G, 690000.0);
    EXPECT_NEAR(E05, 11000000.0 * 2.0 / 3.0, 1e-6);
    EXPECT_NEAR(G05, 460000.0, 1e-6);
    ASSERT_EQ(Get_Mat_Stiffness(2, 2, 0, 0, &E, &G, &E05, &G05), 1);
    EXPECT_NEAR(E05, 11500000.0 * 5.0 / 6.0, 1e-6);
    EXPECT_NEAR(G05, 650000.0 * 5.0 / 6.0, 1e-6);
    ASSERT_EQ(Get_Mat_Stiffness(4, 2, 2, 15, &E, &G, &E05, nullptr), 1);
    EXPECT_DOUBLE_EQ(E, 4300000.0);
    EXPECT_DOUBLE_EQ(G, 1090000.0);
    EXPECT_NEAR(E05, 0.85 * 4300000.0, 1e-6);
    ASSERT_EQ(Get_Mat_Stiffness(10, 0, 9, 40, &E, &G, &E05, &G05), 1);
    EXPECT_NEAR(G05, 253333.33, 0.01);
    ASSERT_EQ(Get_Mat_Stiffness(6, 5, 3, 12, &E, &G, &E05, nullptr), 1);
    EXPECT_DOUBLE_EQ(E, 3700000.0);
    EXPECT_DOUBLE_EQ(E05, 2960000.0);
    ASSERT_EQ(Get_Mat_Stiffness(7, 0, 4, 10, &E, &G, &E05, nullptr), 1);
    EXPECT_DOUBLE_EQ(E, 3200000.0);
    EXPECT_DOUBLE_EQ(G, 200000.0);
    EXPECT_EQ(Get_Mat_Stiffness(21, 1, 0, 0, &E, &G, &E05, &G05), 1);
    EXPECT_EQ(Get_Mat_Stiffness(12, 0, 0, 0, &E, &G, &E05, &G05), 0);
}

TEST(MatValues, SizeFactorsAndCrackFactor)
{
    EXPECT_DOUBLE_EQ(Calc_Kh(1.0), 1.0);
    EXPECT_NEAR(Calc_Kh(300.0), 1.071773, 1e-6);
    EXPECT_DOUBLE_EQ(Calc_Kh(50.0), 1.2); /* 12^0.1 = 1.282 capped */
    EXPECT_NEAR(Calc_Kh_013(300.0), 1.094294, 1e-6);
    EXPECT_NEAR(Calc_Kh_Max(300.0, 100.0), 1.071773, 1e-6);
    EXPECT_DOUBLE_EQ(Calc_Kl_006(3000.0), 1.0);
    EXPECT_DOUBLE_EQ(Calc_Kvol_Lin(0, 200.0), 1.0); /* 1.072 -> 1.0 */
    EXPECT_NEAR(Calc_Kvol_Lin(1, 100.0), 0.982 * 1.2, 1e-12);
    {
        Nad_Scope din(false);
        EXPECT_DOUBLE_EQ(Get_Kcr(0, 5, 100, 200), 1.0);
        EXPECT_DOUBLE_EQ(Get_Mat_Ft90(1, 0), 0.5);
    }
    Nad_Scope en(true);
    EXPECT_DOUBLE_EQ(Get_Mat_Ft90(1, 0), 0.6);
    EXPECT_DOUBLE_EQ(Get_Kcr(0, 5, 100, 200), 0.67); /* rule 1: the fixed values */
    EXPECT_DOUBLE_EQ(Get_Kcr(6, 0, 100, 200), 1.0);
    en.block()->k_cr_rule = 0;                      /* any other: the annex rules */
    EXPECT_DOUBLE_EQ(Get_Kcr(0, 5, 100, 200), 0.5); /* 2.0 / 4.0 */
    EXPECT_NEAR(Get_Kcr(2, 2, 100, 200), 2.5 / 3.5, 1e-12);
    EXPECT_DOUBLE_EQ(Get_Kcr(1, 0, 100, 200), 0.67);
    en.block()->k_cr_rule = 2;
    EXPECT_DOUBLE_EQ(Get_Kcr(0, 5, 100, 200), 0.5);
}

TEST(MatValues, FurtherConstants)
{
    Nad_Scope en(true);
    double kdef = -1;
    EXPECT_EQ(Get_Kdef(6, 0, 3, &kdef), 1);
    EXPECT_DOUBLE_EQ(kdef, 2.5);
    EXPECT_EQ(Get_Kdef(7, 2, 2, &kdef), 1);
    EXPECT_DOUBLE_EQ(kdef, 2.25);
    EXPECT_EQ(Get_Kdef(7, 0, 2, &kdef), 1);
    EXPECT_DOUBLE_EQ(kdef, 3.0);
    EXPECT_EQ(Get_Kdef(12, 0, 1, &kdef), 1);
    EXPECT_DOUBLE_EQ(kdef, 0.0);
    EXPECT_DOUBLE_EQ(Get_Mat_Weight_Density(0, 9), 5.5);
    EXPECT_DOUBLE_EQ(Get_Mat_Weight_Density(2, 3), 4.45);
    /* Steico Wall 45/160: flanges 2*39*45 = 3510 mm2, web 82*6 = 492 mm2:
  ** (5 * 3510 + 9 * 492) / 1e6 = (17550 + 4428) / 1e6 */
    EXPECT_NEAR(Get_Mat_Weight_Density(-12, 0), 0.021978, 1e-9);
    EXPECT_DOUBLE_EQ(Get_Panel_Min_Thickness(5), 12.0);
    EXPECT_DOUBLE_EQ(Get_Panel_Max_Thickness(7), 50.0);
    EXPECT_DOUBLE_EQ(Get_Mat_Factor_Density(1, 0), 0.55);
    EXPECT_DOUBLE_EQ(Get_Mat_Factor_Density(2, 0), 0.7);
    EXPECT_DOUBLE_EQ(Get_Mat_Factor_Density(0, 0), 0.8);
    EXPECT_TRUE(Is_Mat_Lvl_Product(-11));
    EXPECT_FALSE(Is_Mat_Lvl_Product(17));
    double fm = 0, fv = 0, fc90 = 0;
    /* LVL grade 0 edgewise at h = 300: 44 * (300/300)^0.15 = 44 */
    ASSERT_EQ(Get_Lvl_Strengths(/*grade=*/0, /*stress_kind=*/0, /*h_mm=*/300, /*l_mm=*/3000,
                                /*a_mm=*/0, /*f_m=*/&fm, /*f_t=*/nullptr, /*f_c=*/nullptr,
                                /*f_v=*/&fv, /*f_c90=*/&fc90),
              1);
    EXPECT_DOUBLE_EQ(fm, 44000.0);
    EXPECT_DOUBLE_EQ(fv, 4600.0);
    EXPECT_EQ(Get_Lvl_Strengths(/*grade=*/1, /*stress_kind=*/0, /*h_mm=*/300, /*l_mm=*/3000,
                                /*a_mm=*/0, /*f_m=*/&fm, /*f_t=*/nullptr, /*f_c=*/nullptr,
                                /*f_v=*/&fv, /*f_c90=*/&fc90),
              0);
}
