/*
** Further tests of the spacing tables, the nail overlap check and the simplified family rules,
** worked by hand from EN 1995-1-1 (Tables 8.2 to 8.5, 8.3.1.1(7)) and DIN 1052 (12.5, 12.2.2).
*/
#include <gtest/gtest.h>

#include <cmath>

#include "design_test_util.h"

namespace {

const double Rad = 3.14159265359 / 180.0;

void Spacings(double v[6], int type, int mat, double rho, double d, double alpha_deg,
              int predrilled, double staple = 0.0, int douglas = 0, int split = 0,
              int *index = nullptr)
{
    const int i = Calc_Min_Spacings(/*vbm_type=*/type, /*predrilled=*/predrilled, /*fitted_bolt=*/0,
                                    /*douglas=*/douglas, /*split_rule=*/split, /*mat=*/mat,
                                    /*rho_k=*/rho, /*d=*/d, /*d_bolt=*/d, /*alpha=*/alpha_deg * Rad,
                                    /*staple_angle=*/staple, /*t1=*/40.0, /*t2=*/40.0, /*a1=*/&v[0],
                                    /*a2=*/&v[1], /*a3t=*/&v[2], /*a3c=*/&v[3], /*a4t=*/&v[4],
                                    /*a4c=*/&v[5]);
    if (index != nullptr) *index = i;
}

void Expect_Six(const double v[6], const double e[6])
{
    for (int i = 0; i < 6; i++) EXPECT_NEAR(v[i], e[i], 1e-9) << i;
}

} // namespace

TEST(SpacingTables, NailsDin1052)
{
    Standard_Scope din(false);
    double v[6];
    int index = 0;
    /* 5 mm nail, rho 350, 0 degrees: (5 + 7) 5, 5 d, (10 + 5) 5, 10 d, 5 d, 5 d */
    Spacings(v, 0, 0, 350.0, 5.0, 0.0, 0, 0.0, 0, 0, &index);
    EXPECT_EQ(index, 10);
    const double a[6] = {60, 25, 75, 50, 25, 25};
    Expect_Six(v, a);
    /* pre-drilled: (3 + 2) 5, 3 d, (7 + 5) 5, 7 d, (3 + 0) 5, 3 d */
    Spacings(v, 0, 0, 350.0, 5.0, 0.0, 1);
    const double b[6] = {25, 15, 60, 35, 15, 15};
    Expect_Six(v, b);
    /* the 7 d splitting rule raises the edge distances to 10 d */
    Spacings(v, 0, 0, 350.0, 5.0, 0.0, 0, 0.0, 0, 1);
    EXPECT_NEAR(v[4], 50.0, 1e-9);
    EXPECT_NEAR(v[5], 50.0, 1e-9);
}

TEST(SpacingTables, NailsAndScrewsEn1995)
{
    Standard_Scope en(true);
    double v[6];
    /* pre-drilled 5 mm at 90 degrees: (4 + 0) 5, (3 + 1) 5, (7 + 0) 5, 7 d, (3 + 4) 5, 3 d */
    Spacings(v, 0, 0, 350.0, 5.0, 90.0, 1);
    const double a[6] = {20, 20, 35, 35, 35, 15};
    Expect_Six(v, a);
    /* approved screw of 6 mm in Douglas fir: a1 (5 + 7) 6 = 72, a3,t (10 + 5) 6 = 90, a3,c 60,
    ** each times 1.5 */
    Spacings(v, 11, 0, 350.0, 6.0, 0.0, 0, 0.0, 1);
    EXPECT_NEAR(v[0], 108.0, 1e-9);
    EXPECT_NEAR(v[2], 135.0, 1e-9);
    EXPECT_NEAR(v[3], 90.0, 1e-9);
    EXPECT_NEAR(v[1], 30.0, 1e-9);
}

TEST(SpacingTables, Staples)
{
    double v[6];
    int index = 0;
    {
        Standard_Scope en(true);
        /* crown at 45 degrees, d 1.5, force along the grain: (10 + 5) d, 15 d, (15 + 5) d, 15 d,
        ** (15 + 0) d, 10 d; rule 13 -> EN 3 */
        Spacings(v, 1, 0, 350.0, 1.5, 0.0, 0, 45.0, 0, 0, &index);
        EXPECT_EQ(index, 3);
        const double a[6] = {22.5, 22.5, 30.0, 22.5, 22.5, 15.0};
        Expect_Six(v, a);
    }
    Standard_Scope din(false);
    /* crown at 20 degrees: a1 (15 + 5) d = 30, a2 10 d = 15, a4,t (10 + 0) d = 15,
    ** a4,c (5 + 5 sin 20) d = 6.71010 * 1.5 = 10.0652 */
    Spacings(v, 1, 0, 350.0, 1.5, 0.0, 0, 20.0);
    EXPECT_NEAR(v[0], 30.0, 1e-9);
    EXPECT_NEAR(v[1], 15.0, 1e-9);
    EXPECT_NEAR(v[4], 15.0, 1e-9);
    EXPECT_NEAR(v[5], 10.0652, 1e-4);
}

TEST(SpacingTables, LaminatedVeneerLumber)
{
    Standard_Scope en(true);
    double v[6];
    int index = 0;
    /* bolt 12 in material 10 at 0 degrees: (4 + 3) 12, 4 d, max(84, 105), 4 d,
    ** max(2 d, 3 d), 3 d; rule 9 -> EN 4 */
    Spacings(v, 30, 10, 480.0, 12.0, 0.0, 0, 0.0, 0, 0, &index);
    EXPECT_EQ(index, 4);
    const double a[6] = {84, 48, 105, 48, 36, 36};
    Expect_Six(v, a);
}

TEST(SpacingTables, RuleFunctionDifferences)
{
    Standard_Scope en(true);
    const int c24 = Grade_Index(0, "C24");
    /* a DIN 571 screw of 10 mm takes the pre-drilled nail rules here, not the bolt rules:
    ** a1 (4 + 1) 10 = 50, a2 3 * 10 = 30 */
    EXPECT_NEAR(Calc_Vbm_Min_A1_Mat(/*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*type=*/2, /*d=*/10.0,
                                    /*theta=*/0.0, /*predrilled=*/0, /*fitted=*/0, /*douglas=*/0,
                                    /*screw_predrilled=*/0, /*alpha=*/0.0),
                50.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Min_A2_Mat(/*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*type=*/2, /*d=*/10.0,
                                    /*theta=*/0.0, /*predrilled=*/0, /*fitted=*/0,
                                    /*screw_predrilled=*/0, /*alpha=*/0.0),
                30.0, 1e-9);
    /* an ETA-11/0190 screw without and with the screw pre-drilling flag: 72 and (4 + 1) 6 = 30 */
    EXPECT_NEAR(Calc_Vbm_Min_A1_Mat(/*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*type=*/14, /*d=*/6.0,
                                    /*theta=*/0.0, /*predrilled=*/0, /*fitted=*/0, /*douglas=*/0,
                                    /*screw_predrilled=*/0, /*alpha=*/0.0),
                72.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Min_A1_Mat(/*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*type=*/14, /*d=*/6.0,
                                    /*theta=*/0.0, /*predrilled=*/0, /*fitted=*/0, /*douglas=*/0,
                                    /*screw_predrilled=*/1, /*alpha=*/0.0),
                30.0, 1e-9);
    /* connectors have no rule here: the starting values */
    EXPECT_NEAR(Calc_Vbm_Min_A3t_Mat(/*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*type=*/25, /*d=*/65.0,
                                     /*predrilled=*/0, /*fitted=*/0, /*douglas=*/0,
                                     /*screw_predrilled=*/0, /*alpha=*/0.0),
                650.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Min_A2_Mat(/*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*type=*/25, /*d=*/65.0,
                                    /*theta=*/0.0, /*predrilled=*/0, /*fitted=*/0,
                                    /*screw_predrilled=*/0, /*alpha=*/0.0),
                260.0, 1e-9);
}

TEST(SpacingTables, WoodScrewPreDrillingAsInTheDesignRun)
{
    Standard_Scope en(true);
    const int c24 = Grade_Index(0, "C24");
    /* DIN 571 screw d 5 in C24 (rho_k 350 <= 420), EN 1995-1-1, Table 8.2:
    ** not pre-drilled, d >= 5: a1 (5 + 7 |cos a|) d = 60 at 0 and 25 at 90, a2 5 d = 25,
    **   a3,t (10 + 5 cos a) d = 75 / 50, a3,c 10 d = 50, a4,t (5 + 5 sin a) d = 25 / 50,
    **   a4,c 5 d = 25;
    ** pre-drilled: a1 (4 + |cos a|) d = 25 / 20, a2 (3 + |sin a|) d = 15 / 20,
    **   a3,t (7 + 5 cos a) d = 60 / 35, a3,c 7 d = 35, a4,t (3 + 4 sin a) d = 15 / 35, a4,c 15 */
    const double loose[12] = {60, 25, 50, 75, 25, 25, 25, 25, 50, 50, 50, 25};
    const double drilled[12] = {25, 15, 35, 60, 15, 15, 20, 20, 35, 35, 35, 15};
    for (int pre = 0; pre <= 1; pre++) {
        double out[12];
        Calc_Vbm_Spacings(/*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*type=*/2, /*d=*/5.0,
                          /*theta=*/0.0, /*predrilled=*/pre, /*fitted=*/0, /*douglas=*/0,
                          /*split_rule=*/0, /*screw_predrilled=*/0, /*out=*/out);
        const double *expect = pre ? drilled : loose;
        for (int i = 0; i < 12; i++) EXPECT_NEAR(out[i], expect[i], 1e-9) << pre << " " << i;
        /* the design run demands the same */
        for (int k = 0; k < 2; k++) {
            double a1, a2, a3t, a3c, a4t, a4c;
            Calc_Min_Spacings(/*vbm_type=*/2, /*predrilled=*/pre, /*fitted_bolt=*/0, /*douglas=*/0,
                              /*split_rule=*/0, /*mat=*/0, /*rho_k=*/350.0, /*d=*/5.0,
                              /*d_bolt=*/5.0, /*alpha=*/k * 3.14159265359 / 2.0,
                              /*staple_angle=*/0.0, /*t1=*/40.0, /*t2=*/40.0, /*a1=*/&a1,
                              /*a2=*/&a2, /*a3t=*/&a3t, /*a3c=*/&a3c, /*a4t=*/&a4t, /*a4c=*/&a4c);
            const double *e = expect + 6 * k;
            EXPECT_NEAR(a1, e[0], 1e-9) << pre << " " << k;
            EXPECT_NEAR(a2, e[1], 1e-9) << pre << " " << k;
            EXPECT_NEAR(a3c, e[2], 1e-9) << pre << " " << k;
            EXPECT_NEAR(a3t, e[3], 1e-9) << pre << " " << k;
            EXPECT_NEAR(a4t, e[4], 1e-9) << pre << " " << k;
            EXPECT_NEAR(a4c, e[5], 1e-9) << pre << " " << k;
        }
    }
}

TEST(NailOverlap, BothSides)
{
    Standard_Scope din(false);
    double p1 = 0, p2 = 0;
    int c1 = 0, c2 = 0, s1 = 0, s2 = 0;
    /* 80 mm nails through 30 mm side members into a 40 mm middle member: 50 beyond the side
    ** member (>= 4 d = 16, count 1), 10 beyond the middle member (< 16): p = 10 on each side;
    ** staggered: 40 + 1 > 10 + 10, so both sides end in state 2: accepted */
    EXPECT_EQ(Check_Nail_Overlap(/*t1=*/30.0, /*t_mid=*/40.0, /*t3=*/30.0, /*staggered=*/1,
                                 /*l1=*/80.0, /*d1=*/4.0, /*angle1=*/90.0, /*out_pen1=*/&p1,
                                 /*out_count1=*/&c1, /*out_state1=*/&s1, /*l2=*/80.0, /*d2=*/4.0,
                                 /*angle2=*/90.0, /*out_pen2=*/&p2, /*out_count2=*/&c2,
                                 /*out_state2=*/&s2),
              1);
    EXPECT_NEAR(p1, 10.0, 1e-9);
    EXPECT_EQ(c1, 1);
    EXPECT_EQ(s1, 2);
    EXPECT_EQ(s2, 2);
    /* 60 mm nails end inside the middle member: p given back as t_mid = 40;
    ** 40 - 40 + 1 <= 16: the overlap is not accepted (state 4) */
    EXPECT_EQ(Check_Nail_Overlap(/*t1=*/30.0, /*t_mid=*/40.0, /*t3=*/30.0, /*staggered=*/0,
                                 /*l1=*/60.0, /*d1=*/4.0, /*angle1=*/90.0, /*out_pen1=*/&p1,
                                 /*out_count1=*/&c1, /*out_state1=*/&s1, /*l2=*/60.0, /*d2=*/4.0,
                                 /*angle2=*/90.0, /*out_pen2=*/&p2, /*out_count2=*/&c2,
                                 /*out_state2=*/&s2),
              0);
    EXPECT_NEAR(p1, 40.0, 1e-9);
    EXPECT_EQ(s1, 4);
}

TEST(SimplifiedRules, NailWithPanel)
{
    Standard_Scope din(false);
    Connection_Result r{};
    /* 3 mm nail, fu 600, through 12 mm plywood (rho 450) into softwood (350):
    ** My = 0.3 * 600 * 3^2.6 = 3131.75; fh,panel = 0.11 * 450 * 3^-0.3 = 35.602;
    ** t1,req = max(20.0, 7 d = 21) -> k = 12 / 21; Rk = 12/21 * 0.9 * sqrt(2 * 3131.75 * 35.602 * 3)
    ** = 420.64 */
    const double rk = Calc_Rk_Nail_Panel(/*type=*/0, /*d=*/3.0, /*length=*/50.0, /*fu=*/600.0,
                                         /*predrilled=*/0, /*stainless=*/0, /*fitted_bolt=*/0,
                                         /*threaded_rod=*/0, /*shear_planes=*/1,
                                         /*axis_angle=*/90.0, /*t1=*/12.0, /*t2=*/40.0,
                                         /*rho_1=*/450.0, /*rho_2=*/350.0, /*alpha_1=*/0.0,
                                         /*alpha_2=*/0.0, /*mat_1=*/6, /*mat_2=*/0, /*grade_1=*/0,
                                         /*grade_2=*/Grade_Index(0, "C24"), /*user=*/nullptr,
                                         /*result=*/&r);
    EXPECT_NEAR(rk, 420.64, 0.01);
    EXPECT_DOUBLE_EQ(r.panel_factor, 0.9);
    EXPECT_NEAR(r.k_red, 12.0 / 21.0, 1e-12);
}

TEST(SimplifiedRules, ApprovedScrewAndStaple)
{
    Standard_Scope en(true);
    const int c24 = Grade_Index(0, "C24");
    Connection_Result r{};
    /* ETA-12/0114 screw of 6 mm: My = 90 * 6^2.6 = 9493.71; fh = 16.766; t1,req = 38.14 <= 40,
    ** t2,req = 31.60 <= 60: k = 1; Rk = sqrt(2 * 9493.71 * 16.766 * 6) = 1382.06 */
    EXPECT_NEAR(Calc_Rk_Screw_Approved(/*type=*/11, /*d=*/6.0, /*length=*/100.0, /*fu=*/600.0,
                                       /*predrilled=*/0, /*stainless=*/0, /*fitted_bolt=*/0,
                                       /*threaded_rod=*/0, /*shear_planes=*/1, /*axis_angle=*/90.0,
                                       /*t1=*/40.0, /*t2=*/60.0, /*rho_1=*/350.0, /*rho_2=*/350.0,
                                       /*alpha_1=*/0.0, /*alpha_2=*/0.0, /*mat_1=*/0, /*mat_2=*/0,
                                       /*grade_1=*/c24, /*grade_2=*/c24, /*user=*/nullptr,
                                       /*result=*/&r),
                1382.06, 0.01);
    EXPECT_DOUBLE_EQ(r.fu_used, 400.0);
    /* 70 mm long through t1 = 40 into t2 = 80: the point 30 in member 2 of a single-shear
    ** joint needs t2,req = 1.15 (2 + 2 / sqrt 2) sqrt(9493.71 / (16.766 * 6)) = 1.15 * 3.414214
    ** * 9.714579 = 38.143 (not 1.15 * 4 / sqrt 2 * 9.714579 = 31.599): k = 30 / 38.143 =
    ** 0.786518, Rk = 0.786518 * 1382.06 = 1087.01 */
    const auto short_screw = [&](Connection_Result *res) {
        return Calc_Rk_Screw_Approved(/*type=*/11, /*d=*/6.0, /*length=*/70.0, /*fu=*/600.0,
                                      /*predrilled=*/0, /*stainless=*/0, /*fitted_bolt=*/0,
                                      /*threaded_rod=*/0, /*shear_planes=*/1, /*axis_angle=*/90.0,
                                      /*t1=*/40.0, /*t2=*/80.0, /*rho_1=*/350.0, /*rho_2=*/350.0,
                                      /*alpha_1=*/0.0, /*alpha_2=*/0.0, /*mat_1=*/0, /*mat_2=*/0,
                                      /*grade_1=*/c24, /*grade_2=*/c24, /*user=*/nullptr,
                                      /*result=*/res);
    };
    EXPECT_NEAR(short_screw(&r), 1087.01, 0.01);
    EXPECT_NEAR(r.k_red, 0.786518, 1e-6);
    {
        /* DIN 1052 with the tabulated My = 7900: root sqrt(7900 / (16.766 * 6)) = 8.861753,
        ** t2,req = 1.15 * 3.414214 * 8.861753 = 34.794 (not 28.825, which the point 30 passes):
        ** k = 30 / 34.794 = 0.862210, Rk = 0.862210 sqrt(2 * 7900 * 16.766 * 6) = 0.862210 *
        ** 1260.73 = 1087.01 */
        Standard_Scope din(false);
        Connection_Result rd{};
        EXPECT_NEAR(short_screw(&rd), 1087.01, 0.01);
        EXPECT_NEAR(rd.k_red, 0.862210, 1e-6);
    }
    EXPECT_EQ(Calc_Rk_Screw_Approved(/*type=*/0, /*d=*/6.0, /*length=*/100.0, /*fu=*/600.0,
                                     /*predrilled=*/0, /*stainless=*/0, /*fitted_bolt=*/0,
                                     /*threaded_rod=*/0, /*shear_planes=*/1, /*axis_angle=*/90.0,
                                     /*t1=*/40.0, /*t2=*/60.0, /*rho_1=*/350.0, /*rho_2=*/350.0,
                                     /*alpha_1=*/0.0, /*alpha_2=*/0.0, /*mat_1=*/0, /*mat_2=*/0,
                                     /*grade_1=*/c24, /*grade_2=*/c24, /*user=*/nullptr,
                                     /*result=*/&r),
              0.0);
    /* member 1 without embedment strength (material 15): 0, not a number */
    const double none = Calc_Rk_Screw_Approved(/*type=*/11, /*d=*/6.0, /*length=*/100.0,
                                               /*fu=*/600.0, /*predrilled=*/0, /*stainless=*/0,
                                               /*fitted_bolt=*/0, /*threaded_rod=*/0,
                                               /*shear_planes=*/1, /*axis_angle=*/90.0, /*t1=*/40.0,
                                               /*t2=*/60.0, /*rho_1=*/350.0, /*rho_2=*/350.0,
                                               /*alpha_1=*/0.0, /*alpha_2=*/0.0, /*mat_1=*/15,
                                               /*mat_2=*/0, /*grade_1=*/0, /*grade_2=*/c24,
                                               /*user=*/nullptr, /*result=*/&r);
    EXPECT_EQ(none, 0.0);
    /* staple 1.5 mm, fu 800, two softwood members: A = 2 k, beta ignored;
    ** Rk = 2 sqrt(2 * 688.73 * 25.413 * 1.5) = 458.29 */
    Connection_Result s{};
    EXPECT_NEAR(Calc_Rk_Staple(/*type=*/1, /*d=*/1.5, /*length=*/45.0, /*fu=*/800.0,
                               /*predrilled=*/0, /*stainless=*/0, /*fitted_bolt=*/0,
                               /*threaded_rod=*/0, /*shear_planes=*/1, /*axis_angle=*/90.0,
                               /*t1=*/20.0, /*t2=*/40.0, /*rho_1=*/350.0, /*rho_2=*/350.0,
                               /*alpha_1=*/0.0, /*alpha_2=*/0.0, /*mat_1=*/0, /*mat_2=*/0,
                               /*grade_1=*/c24, /*grade_2=*/c24, /*user=*/nullptr,
                               /*result=*/&s),
                458.29, 0.01);
    EXPECT_DOUBLE_EQ(s.k_red, 1.0);
}

TEST(SimplifiedRules, GypsumFibreReductionsAndFu)
{
    Standard_Scope din(false);
    Connection_Result r{};
    /* 3 mm nail through a 12.5 mm gypsum fibre board (material 9) into softwood:
    ** fh,1 = 7 * 3^-0.7 * 12.5^0.9 = 31.502; t1,req = 7 d = 21 -> k = 12.5 / 21;
    ** r7 = 12.5 / 21, r25 = 2.5 / 3; Rk = 0.7 k r7 r25 sqrt(2 * 3131.75 * 31.502 * 3) = 159.01 */
    EXPECT_NEAR(Calc_Rk_Nail_Gypsum_Fibre(/*type=*/0, /*d=*/3.0, /*length=*/50.0, /*fu=*/600.0,
                                          /*predrilled=*/0, /*stainless=*/0, /*fitted_bolt=*/0,
                                          /*threaded_rod=*/0, /*shear_planes=*/1,
                                          /*axis_angle=*/90.0, /*t1=*/12.5, /*t2=*/40.0,
                                          /*rho_1=*/1150.0, /*rho_2=*/350.0, /*alpha_1=*/0.0,
                                          /*alpha_2=*/0.0, /*mat_1=*/9, /*mat_2=*/0, /*grade_1=*/0,
                                          /*grade_2=*/Grade_Index(0, "C24"), /*user=*/nullptr,
                                          /*result=*/&r),
                159.01, 0.01);
    EXPECT_NEAR(r.fh1_k, 31.502, 0.001);
    EXPECT_NEAR(r.k_red, 12.5 / 21.0, 1e-12);
    EXPECT_EQ(Get_Vbm_Fu_By_Diameter(1.1, 5), 950.0);
    EXPECT_EQ(Get_Vbm_Fu_By_Diameter(1.5, 5), 680.0);
    EXPECT_EQ(Get_Vbm_Fu_By_Diameter(2.0, 5), 0.0);
    EXPECT_EQ(Get_Vbm_Fu_By_Diameter(2.0, 0), 800.0);
}

TEST(SimplifiedRules, EveryFamilyFactor)
{
    Standard_Scope din(false);
    const int c24 = Grade_Index(0, "C24");
    Connection_Result r{};
    /* staple d 1.5, fu 800, through 12.5 mm gypsum fibre (1.4 k r7; 7 d = 10.5 <= 12.5: r7 1,
    ** k 1): My = 0.3 * 800 * 1.5^2.6 = 688.73, fh1 = 7 * 1.5^-0.7 * 12.5^0.9 = 51.174:
    ** 1.4 sqrt(2 * 688.73 * 51.174 * 1.5) = 455.24 */
    EXPECT_NEAR(Calc_Rk_Staple_Gypsum_Fibre(/*type=*/1, /*d=*/1.5, /*length=*/45.0, /*fu=*/800.0,
                                            /*predrilled=*/0, /*stainless=*/0, /*fitted_bolt=*/0,
                                            /*threaded_rod=*/0, /*shear_planes=*/1,
                                            /*axis_angle=*/90.0, /*t1=*/12.5, /*t2=*/40.0,
                                            /*rho_1=*/1150.0, /*rho_2=*/350.0, /*alpha_1=*/0.0,
                                            /*alpha_2=*/0.0, /*mat_1=*/9, /*mat_2=*/0,
                                            /*grade_1=*/0, /*grade_2=*/c24, /*user=*/nullptr,
                                            /*result=*/&r),
                455.239, 0.001);
    EXPECT_DOUBLE_EQ(r.k_red, 1.0);
    EXPECT_NEAR(r.my_rk, 688.729, 0.001);
    /* a staple from softwood (350) into glulam of 420: A = 2 k sqrt(2 beta / (1 + beta)) with
    ** beta = 1.2: 2 * 1.02129 * sqrt(2 * 688.73 * 25.413 * 1.5) = 478.67 */
    Connection_Result s{};
    EXPECT_NEAR(Calc_Rk_Staple(/*type=*/1, /*d=*/1.5, /*length=*/45.0, /*fu=*/800.0,
                               /*predrilled=*/0, /*stainless=*/0, /*fitted_bolt=*/0,
                               /*threaded_rod=*/0, /*shear_planes=*/1, /*axis_angle=*/90.0,
                               /*t1=*/20.0, /*t2=*/40.0, /*rho_1=*/350.0, /*rho_2=*/420.0,
                               /*alpha_1=*/0.0, /*alpha_2=*/0.0, /*mat_1=*/0, /*mat_2=*/2,
                               /*grade_1=*/c24, /*grade_2=*/0, /*user=*/nullptr,
                               /*result=*/&s),
                478.670, 0.001);
    /* through OSB (panel factor 0.8): A = 2 k 0.8 */
    Connection_Result o{};
    const double rk_osb = Calc_Rk_Staple(/*type=*/1, /*d=*/1.5, /*length=*/45.0, /*fu=*/800.0,
                                         /*predrilled=*/0, /*stainless=*/0, /*fitted_bolt=*/0,
                                         /*threaded_rod=*/0, /*shear_planes=*/1,
                                         /*axis_angle=*/90.0, /*t1=*/12.0, /*t2=*/40.0,
                                         /*rho_1=*/550.0, /*rho_2=*/350.0, /*alpha_1=*/0.0,
                                         /*alpha_2=*/0.0, /*mat_1=*/4, /*mat_2=*/0, /*grade_1=*/1,
                                         /*grade_2=*/c24, /*user=*/nullptr, /*result=*/&o);
    EXPECT_DOUBLE_EQ(o.panel_factor, 0.8);
    EXPECT_NEAR(rk_osb, 2.0 * o.k_red * 0.8 * std::sqrt(2.0 * 688.72923 * o.fh1_k * 1.5), 1e-4);
    EXPECT_GT(o.k_red, 0.0);
    /* wood screw to DIN 571, d 6, fu 400: My = 0.15 * 400 * 6^2.6 = 6329.14, fh1 16.766,
    ** beta 420 / 350 = 1.2: sqrt(2.4 / 2.2) sqrt(2 * 6329.14 * 16.766 * 6) = 1178.62 */
    Connection_Result w{};
    EXPECT_NEAR(Calc_Rk_Screw_Din571(/*type=*/2, /*d=*/6.0, /*length=*/100.0, /*fu=*/400.0,
                                     /*predrilled=*/0, /*stainless=*/0, /*fitted_bolt=*/0,
                                     /*threaded_rod=*/0, /*shear_planes=*/1, /*axis_angle=*/90.0,
                                     /*t1=*/40.0, /*t2=*/60.0, /*rho_1=*/350.0, /*rho_2=*/420.0,
                                     /*alpha_1=*/0.0, /*alpha_2=*/0.0, /*mat_1=*/0, /*mat_2=*/0,
                                     /*grade_1=*/c24, /*grade_2=*/c24, /*user=*/nullptr,
                                     /*result=*/&w),
                1178.624, 0.001);
    EXPECT_NEAR(w.beta, 1.2, 1e-12);
    EXPECT_NEAR(w.my_rk, 6329.137, 0.001);
    /* a nail with unequal embedment: d 4, fu 600, beta 1.2: 1045.65 */
    Connection_Result n{};
    EXPECT_NEAR(Calc_Rk_Nail_Beta(/*type=*/0, /*d=*/4.0, /*length=*/100.0, /*fu=*/600.0,
                                  /*predrilled=*/0, /*stainless=*/0, /*fitted_bolt=*/0,
                                  /*threaded_rod=*/0, /*shear_planes=*/1, /*axis_angle=*/90.0,
                                  /*t1=*/40.0, /*t2=*/60.0, /*rho_1=*/350.0, /*rho_2=*/420.0,
                                  /*alpha_1=*/0.0, /*alpha_2=*/0.0, /*mat_1=*/0, /*mat_2=*/0,
                                  /*grade_1=*/c24, /*grade_2=*/c24, /*user=*/nullptr,
                                  /*result=*/&n),
                1045.648, 0.001);
    EXPECT_NEAR(n.rk_lateral, 1045.648, 0.001);
    /* a threaded rod of M12 (effective 10.9): My = 0.3 * 400 * 10.9^2.6 = 59770.95, the hole 13
    ** embeds 0.082 * 0.87 * 350 = 24.969, the root with the nominal 12:
    ** sqrt(2 * 59770.95 * 24.969 * 12) = 5984.82 (thick members: ratio 1) */
    Connection_Result t{};
    EXPECT_NEAR(Calc_Rk_Dowel_Bolt(/*type=*/30, /*d=*/12.0, /*length=*/200.0, /*fu=*/400.0,
                                   /*predrilled=*/1, /*stainless=*/0, /*fitted_bolt=*/0,
                                   /*threaded_rod=*/1, /*shear_planes=*/2, /*axis_angle=*/90.0,
                                   /*t1=*/80.0, /*t2=*/80.0, /*rho_1=*/350.0, /*rho_2=*/350.0,
                                   /*alpha_1=*/0.0, /*alpha_2=*/0.0, /*mat_1=*/0, /*mat_2=*/0,
                                   /*grade_1=*/c24, /*grade_2=*/c24, /*user=*/nullptr,
                                   /*result=*/&t),
                5984.822, 0.001);
    EXPECT_NEAR(t.fh1_k, 24.969, 1e-9);
    EXPECT_DOUBLE_EQ(t.k_red, 1.0);
}
