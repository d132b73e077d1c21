/*
** Tests of the small numeric functions of the design module (buckling, bearing perpendicular to
** the grain, charring, effective numbers, tables and plain formulas). Each expected value is
** worked from the function's formula with the given arguments (EN 1995-1-1, EN 1995-1-2).
*/
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "design_test_util.h"

TEST(NumericFormulas, BucklingAndStability)
{
    EXPECT_DOUBLE_EQ(Get_Beta_C(0), 0.2);
    EXPECT_DOUBLE_EQ(Get_Beta_C(1), 0.2);
    EXPECT_DOUBLE_EQ(Get_Beta_C(2), 0.1);
    EXPECT_DOUBLE_EQ(Get_Beta_C(-1), 0.1);
    /* 80 / pi sqrt(21 / 7400) */
    EXPECT_NEAR(Calc_Lambda_Rel(80.0, 21.0, 7400.0), 1.35654405301638, 1e-12);
    /* 0.5 (1 + 0.2 (1.3 - 0.3) + 1.69) = 1.445 */
    EXPECT_NEAR(Calc_Buckling_K(0.2, 1.3), 1.445, 1e-12);
    /* 1 / (1.445 + sqrt(1.445² - 1.69)) */
    EXPECT_NEAR(Calc_Buckling_Kc(1.445, 1.3), 0.481720576719294, 1e-12);
    /* 1 / (0.5 + sqrt(0.21)) = 1.0434 is capped */
    EXPECT_DOUBLE_EQ(Calc_Buckling_Kc(0.5, 0.2), 1.0);
    EXPECT_NEAR(Calc_Buckling_Kc(0.55, 0.25), 0.96163282309383, 1e-12);
    EXPECT_NEAR(Calc_Radius_Of_Gyration(200.0, 8.0), 5, 1e-12);
    EXPECT_DOUBLE_EQ(Calc_Radius_Of_Gyration(200.0, 1e-18), 0.0);
    EXPECT_NEAR(Calc_Radius_Of_Gyration(200.0, -8.0 * -1.0), 5, 1e-12);
    /* pi / (2 * 3²) sqrt(5 / 7) */
    EXPECT_NEAR(Calc_Mcr_Base(3.0, 5.0, 7.0), 0.147507244322524, 1e-12);
    /* Mcr_Base(3, 4, 7) sqrt(3⁴ / 2⁴ * 6 / 4 + 1) */
    EXPECT_NEAR(Calc_Mcr(3.0, 2.0, 4.0, 6.0, 7.0), 0.38676725753665, 1e-12);
    EXPECT_NEAR(Calc_Sqrt_One_Plus_Inv4(2.0), 1.03077640640442, 1e-12);
    EXPECT_NEAR(Calc_Ratio_Root4(3.0, 4.0, 5.0, 2.0), 0.943075072262202, 1e-12);
    EXPECT_NEAR(Calc_Ratio_Root4(3.0, 4.0, 5.0, 1e-7), 4.21755993892762, 1e-12);
    /* 1 / sqrt((2 * 3 / 0.75 / 4)² + 1 + (2 * 9 / 5)²) */
    EXPECT_NEAR(Calc_Interaction_Root(2.0, 4.0, 5.0, 3.0), 0.235964589091504, 1e-12);
    EXPECT_NEAR(Calc_Interaction_Root(0.2, 4.0, 5.0, 0.5), 0.999394993936189, 1e-12);
    EXPECT_DOUBLE_EQ(Calc_Interaction_Root(0.0, 4.0, 5.0, 0.5), 1.0);
    EXPECT_NEAR(Calc_Interaction_Root_B(2.0, 4.0, 5.0, 3.0), 0.25854384499751, 1e-12);
    /* 20 / sqrt(cos⁴ 0.5 + (20 sin² 0.5 / 5)² + (20 sin 0.5 cos 0.5 / 6)²) */
    EXPECT_NEAR(Calc_Strength_At_Angle(0.5, 20.0, 2.5, 3.0), 10.8380927234275, 1e-12);
    EXPECT_DOUBLE_EQ(Calc_Strength_At_Angle(0.5, 0.0, 2.5, 3.0), 0.0);
    EXPECT_DOUBLE_EQ(Calc_Strength_At_Angle(0.5, 20.0, 0.0, 3.0), 0.0);
    EXPECT_DOUBLE_EQ(Calc_Strength_At_Angle(0.5, 20.0, 2.5, 0.0), 0.0);
    /* 1 / (4 sin² 0.6 + 3 sin 0.6 cos 0.6 + cos² 0.6) */
    EXPECT_NEAR(Calc_Angle_Factor(12.0, 3.0, 4.0, 0.6), 0.298105065587292, 1e-12);
    EXPECT_DOUBLE_EQ(Calc_Angle_Factor(12.0, 1e-9, 4.0, 0.6), 1e-07);
    EXPECT_DOUBLE_EQ(Calc_Angle_Factor(12.0, 3.0, -1e-9, 0.6), 1e-07);
}

TEST(NumericFormulas, BearingPerpendicularToTheGrain)
{
    EXPECT_DOUBLE_EQ(Calc_Kc90(0, 300.0, 150.0, 0), 1.25);
    EXPECT_DOUBLE_EQ(Calc_Kc90(0, 299.0, 150.0, 0), 1.0);
    EXPECT_DOUBLE_EQ(Calc_Kc90(2, 300.0, 150.0, 0), 1.5);
    EXPECT_DOUBLE_EQ(Calc_Kc90(3, 300.0, 150.0, 0), 1.5);
    EXPECT_DOUBLE_EQ(Calc_Kc90(3, 299.0, 150.0, 0), 1.0);
    EXPECT_DOUBLE_EQ(Calc_Kc90(19, 150.0, 75.0, 0), 1.25);
    EXPECT_DOUBLE_EQ(Calc_Kc90(19, 160.0, 80.0, 0), 1.0);
    EXPECT_DOUBLE_EQ(Calc_Kc90(19, 149.0, 75.0, 0), 1.0);
    EXPECT_DOUBLE_EQ(Calc_Kc90(11, 300.0, 40.0, 0), 1.4);
    EXPECT_DOUBLE_EQ(Calc_Kc90(11, 300.0, 40.0, 1), 1.0);
    EXPECT_DOUBLE_EQ(Calc_Kc90(10, 300.0, 45.0, 0), 1.0);
    EXPECT_DOUBLE_EQ(Calc_Kc90(10, 300.0, 44.0, 0), 1.4);
    EXPECT_DOUBLE_EQ(Calc_Kc90(1, 300.0, 150.0, 0), 1.0);
    EXPECT_DOUBLE_EQ(Calc_Kc90(18, 300.0, 40.0, 0), 1.0);
    EXPECT_DOUBLE_EQ(Calc_Kc90_B(2, 300.0, 150.0, 0), 1.5);
    double c1 = 0, c2 = 0, c3 = 0;
    Calc_Contact_Lengths(20.0, 45.0, 100.0, 70.0, 2.0, &c1, &c2, &c3);
    /* (20 + 100 + 30) 2 = 300, (min(45, 30) + 100 + 30) 2 = 320, (70 + 60) 2 = 260 */
    EXPECT_DOUBLE_EQ(c1, 300.0);
    EXPECT_DOUBLE_EQ(c2, 320.0);
    EXPECT_DOUBLE_EQ(c3, 260.0);
    Calc_Contact_Lengths(40.0, 10.0, 100.0, 70.0, 2.0, &c1, nullptr, nullptr);
    EXPECT_DOUBLE_EQ(c1, 320.0);
    /* 1.25 * 2.5 * (300 + 320) */
    EXPECT_NEAR(Calc_Fc90_Capacity(0, 2.5, 300.0, 150.0, 20.0, 45.0, 100.0, 2.0, 2), 1937.5, 1e-09);
    /* n = 4 adds 2 (0 + 60) 2 */
    EXPECT_NEAR(Calc_Fc90_Capacity(0, 2.5, 300.0, 150.0, 20.0, 45.0, 100.0, 2.0, 4), 2687.5, 1e-09);
    EXPECT_NEAR(Calc_Fc90_Capacity(2, 2.5, 299.0, 150.0, 20.0, 45.0, 100.0, 2.0, 2), 1550, 1e-09);
    double o = 0.0;
    /* R = 1937.5: 3 * 5 / (4 * 5 + R) / 5 */
    EXPECT_NEAR(Calc_Fc90_Share(/*material=*/0, /*x1=*/300.0, /*x2=*/150.0, /*x3=*/20.0,
                                /*x4=*/45.0, /*x5=*/100.0, /*x6=*/2.0, /*n=*/2, /*x7=*/3.0,
                                /*x8=*/4.0, /*x9=*/5.0, /*x10=*/2.5,
                                /*out=*/&o),
                0.00153256704980843, 1e-12);
    EXPECT_NEAR(o, 0.00766283524904215, 1e-12);
    {
        Standard_Scope din(false);
        /* R / (3 * 4 + R) */
        EXPECT_NEAR(Calc_Fc90_Ratio(/*material=*/0, /*x1=*/300.0, /*x2=*/150.0, /*x3=*/20.0,
                                    /*x4=*/45.0, /*x5=*/100.0, /*x6=*/2.0, /*n=*/2, /*x7=*/3.0,
                                    /*x8=*/4.0, /*x9=*/2.5),
                    0.993844575532188, 1e-12);
        EXPECT_DOUBLE_EQ(Calc_Fc90_Factor_Din(6.0, 10.0, 1), 0.67);
        EXPECT_DOUBLE_EQ(Calc_Fc90_Factor_Din(6.0, 10.0, 0), 0.75);
        EXPECT_DOUBLE_EQ(Calc_Fc90_Factor_Din(5.0, 10.0, 0), 1.0);
    }
    {
        Standard_Scope en(true);
        EXPECT_DOUBLE_EQ(Calc_Fc90_Ratio(/*material=*/0, /*x1=*/300.0, /*x2=*/150.0, /*x3=*/20.0,
                                         /*x4=*/45.0, /*x5=*/100.0, /*x6=*/2.0, /*n=*/2, /*x7=*/3.0,
                                         /*x8=*/4.0, /*x9=*/2.5),
                         1.0);
        EXPECT_DOUBLE_EQ(Calc_Fc90_Factor_Din(6.0, 10.0, 1), 1.0);
    }
    EXPECT_DOUBLE_EQ(Calc_Kc90_By_Ratio(1, 2.0, 3.0), 1.2);
    EXPECT_NEAR(Calc_Kc90_By_Ratio(0, 2.0, 3.0), 1.225, 1e-12);
    EXPECT_NEAR(Calc_Kc90_By_Ratio(0, 3.0, 2.0), 1.225, 1e-12);
    EXPECT_DOUBLE_EQ(Calc_Kc90_By_Ratio(0, 1.0, 8.0), 2.0);
}

TEST(NumericFormulas, Charring)
{
    EXPECT_DOUBLE_EQ(Calc_Fire_K0(0, 10.0, 0.0), 0.5);
    EXPECT_DOUBLE_EQ(Calc_Fire_K0(0, 30.0, 0.0), 1.0);
    EXPECT_DOUBLE_EQ(Calc_Fire_K0(1, 30.0, 40.0), 0.75);
    EXPECT_DOUBLE_EQ(Calc_Fire_K0(1, 30.0, 25.0), 1.0);
    EXPECT_DOUBLE_EQ(Calc_Fire_K0(1, 10.0, 15.0), 0.5);
    /* min(2 * 10, 10 + 25 / (2 * 0.8)) */
    EXPECT_NEAR(Calc_Fire_Ta(1, 10.0, 0.0, 25.0, 0.8, 0.0, 2.0), 20, 1e-12);
    EXPECT_NEAR(Calc_Fire_Ta(1, 30.0, 0.0, 25.0, 0.8, 0.0, 2.0), 45.625, 1e-12);
    /* (25 - (30 - 20) 1.5 * 0.8) / 2 / 0.8 + 30 */
    EXPECT_NEAR(Calc_Fire_Ta(0, 30.0, 20.0, 25.0, 0.8, 1.5, 2.0), 38.125, 1e-12);
    /* 7 * 0.5 + 10 * 0.8 */
    EXPECT_NEAR(Calc_Fire_Def_Unprotected(0.8, 10.0), 11.5, 1e-12);
    /* k0 = 24 / 30, ta = 25 / 2 / 0.8 + 30 */
    EXPECT_NEAR(Calc_Fire_Def_Protected_A(0.8, 24.0, 30.0), 30.6, 1e-12);
    /* an early start of charring, t_ch = 10 (EN 1995-1-2, eq. (3.8) with k2 = 1, k3 = 2):
    ** ta = 25 / (2 * 0.8) + 10 = 25.625, not capped at 2 t_ch; k0 = 10 / 20 = 0.5:
    ** 7 * 0.5 + (25.625 - 10) 2 * 0.8 = 28.5 */
    EXPECT_NEAR(Calc_Fire_Def_Protected_A(0.8, 10.0, 10.0), 28.5, 1e-12);
    EXPECT_NEAR(Calc_Fire_Def_Protected_B(0.8, 24.0, 35.0, 30.0, 1.5, 2.0), 19.1, 1e-12);
    EXPECT_NEAR(Calc_Fire_Def(0.8, 24.0, 35.0, 30.0, 1.5, 2.0), 19.1, 1e-12);
    /* x4 = x3: protected form A */
    EXPECT_NEAR(Calc_Fire_Def(0.8, 24.0, 30.0, 30.0, 1.5, 2.0), 30.6, 1e-12);
    EXPECT_NEAR(Calc_Fire_Def(0.8, 10.0, 30.0, 0.0, 1.5, 2.0), 11.5, 1e-12);
    EXPECT_NEAR(Calc_Fire_Kmod_Residual(0, 20.0, 100.0, 200.0), 0.999796296296296, 1e-12);
    EXPECT_NEAR(Calc_Fire_Kmod_Residual(1, 20.0, 100.0, 200.0), 0.999827160493827, 1e-12);
    EXPECT_NEAR(Calc_Fire_Kmod_Residual(3, 20.0, 100.0, 200.0), 0.999827160493827, 1e-12);
    EXPECT_NEAR(Calc_Fire_Kmod_Residual(2, 20.0, 100.0, 200.0), 0.999888888888889, 1e-12);
    EXPECT_NEAR(Calc_Fire_Kmod_Residual(4, 20.0, 100.0, 200.0), 0.999888888888889, 1e-12);
    EXPECT_NEAR(Calc_Fire_Kmod_Residual(5, 20.0, 100.0, 200.0), 1, 1e-12);
    EXPECT_DOUBLE_EQ(Calc_Fire_Kmod_Residual(0, 60.0, 100.0, 200.0), 0.001);
}


TEST(NumericFormulas, FastenersAndEffectiveNumbers)
{
    /* n0 = 4^0.9 (84 * 3 / (50 * 144))^0.25 */
    EXPECT_NEAR(Calc_Bolt_N_Ef_B(12.0, 4, 84.0, 3.0, 30.0), 2.33743975419512, 1e-12);
    /* n0 above n: n */
    EXPECT_NEAR(Calc_Bolt_N_Ef_B(12.0, 4, 2000.0, 3.0, 30.0), 3.55136336253529, 1e-12);
    EXPECT_DOUBLE_EQ(Calc_Bolt_N_Ef_B(12.0, 1, 84.0, 3.0, 30.0), 1.0);
    EXPECT_DOUBLE_EQ(Calc_N_Pow_09(1), 1.0);
    EXPECT_NEAR(Calc_N_Pow_09(5), 4.25669961260392, 1e-12);
    EXPECT_EQ(Is_Vbm_Nail_Or_Staple_Type(0), 1);
    EXPECT_EQ(Is_Vbm_Nail_Or_Staple_Type(1), 1);
    EXPECT_EQ(Is_Vbm_Nail_Or_Staple_Type(16), 1);
    EXPECT_EQ(Is_Vbm_Nail_Or_Staple_Type(29), 0);
    EXPECT_EQ(Is_Vbm_Nail_Or_Staple_Type(30), 0);
    EXPECT_DOUBLE_EQ(Calc_Bolt_Hole_Diameter(15.0), 16.0);
    EXPECT_DOUBLE_EQ(Calc_Bolt_Hole_Diameter(16.0), 18.0);
    EXPECT_DOUBLE_EQ(Calc_Bolt_Hole_Diameter(24.0), 26.0);
    EXPECT_DOUBLE_EQ(Calc_Bolt_Hole_Diameter(27.0), 30.0);
    EXPECT_EQ(Check_Edge_4d(5.0, 30.0, 10.0, 40.0), 1); /* 20 <= 40 - 20 */
    EXPECT_EQ(Check_Edge_4d(5.0, 31.0, 10.0, 40.0), 0);
    EXPECT_EQ(Check_Distance_4d(30.0, 5.0, 10.0), 1); /* 30 - 10 >= 20 */
    EXPECT_EQ(Check_Distance_4d(29.0, 5.0, 10.0), 0);
}

TEST(NumericFormulas, TablesAndPlainFormulas)
{
    EXPECT_DOUBLE_EQ(Get_Load_Coeff_A(1), 0.5);
    EXPECT_DOUBLE_EQ(Get_Load_Coeff_A(2), 0.375);
    EXPECT_DOUBLE_EQ(Get_Load_Coeff_A(3), 0.4);
    EXPECT_DOUBLE_EQ(Get_Load_Coeff_A(4), 0.3929);
    EXPECT_DOUBLE_EQ(Get_Load_Coeff_A(5), 0.3947);
    EXPECT_DOUBLE_EQ(Get_Load_Coeff_A(6), 0.4);
    EXPECT_DOUBLE_EQ(Get_Load_Coeff_B(1), 0.0);
    EXPECT_DOUBLE_EQ(Get_Load_Coeff_B(2), 1.25);
    EXPECT_DOUBLE_EQ(Get_Load_Coeff_B(3), 1.099);
    EXPECT_DOUBLE_EQ(Get_Load_Coeff_B(4), 1.141);
    EXPECT_DOUBLE_EQ(Get_Load_Coeff_B(5), 1.132);
    EXPECT_NEAR(Get_Load_Coeff_C(1), 0.333333333333333, 1e-12);
    EXPECT_NEAR(Get_Load_Coeff_C(2), 0.354166, 1e-12);
    EXPECT_NEAR(Get_Load_Coeff_C(3), 0.3663, 1e-12);
    EXPECT_NEAR(Get_Load_Coeff_C(4), 0.37352, 1e-12);
    EXPECT_NEAR(Get_Load_Coeff_C(5), 0.37765, 1e-12);
    EXPECT_NEAR(Get_Load_Coeff_C(6), 0.38118, 1e-12);
    EXPECT_DOUBLE_EQ(Get_Load_Coeff_C(7), 0.4);
    EXPECT_DOUBLE_EQ(Get_Load_Coeff_D(1), 0.0);
    EXPECT_NEAR(Get_Load_Coeff_D(2), 0.625, 1e-12);
    EXPECT_NEAR(Get_Load_Coeff_D(3), 0.7992, 1e-12);
    EXPECT_NEAR(Get_Load_Coeff_D(4), 0.884, 1e-12);
    EXPECT_NEAR(Get_Load_Coeff_D(5), 0.934, 1e-12);
    EXPECT_NEAR(Get_Load_Coeff_D(6), 0.969, 1e-12);
    EXPECT_DOUBLE_EQ(Get_Load_Coeff_D(7), 1.0);
    /* m = 4 / 1.5 -> 2: 5 * 2 / 4.7 * 3 + 0.7 + 2 * 6 * 1.5 / 1000 * 0.375 + 2 * 3 * 1.5 / 1000 * 2 * 0.177083 */
    EXPECT_NEAR(Calc_Load_Sum_A(2.0, 4.7, 1.5, 3.0, 2.0, -5.0, 0.7, 6.0, 9.0), 7.09291621740426,
                1e-12);
    EXPECT_NEAR(Calc_Load_Sum_B(2.0, 4.7, 1.5, 3.0, 2.0, -5.0, 0.7, 6.0, 9.0), 7.11110372340426,
                1e-12);
    /* equal ends: no difference term */
    EXPECT_NEAR(Calc_Load_Sum_A(2.0, 4.7, 1.5, 3.0, 2.0, -5.0, 0.7, 6.0, 6.000001),
                7.08972872340426, 1e-12);
    EXPECT_NEAR(Calc_Deflection_A(3.0, 4.0, 5.0, 6.0, 7.0, 8.0, 9.0), 46.375, 1e-12);
    EXPECT_NEAR(Calc_Deflection_B(3.0, 4.0, 5.0, 6.0, 7.0), 0.311111111111111, 1e-12);
    EXPECT_NEAR(Calc_Deflection_C(3.0, 4.0, 5.0, 6.0, 7.0), 1.57283950617284, 1e-12);
    EXPECT_NEAR(Calc_Deflection_D(3.0, 4.0, 5.0, 6.0, 7.0, 8.0, 9.0), 0.132275132275132, 1e-12);
    EXPECT_DOUBLE_EQ(Calc_Ratio(3.0, 4.0), 0.75);
    double p = 0.0;
    EXPECT_NEAR(Calc_Percent_Ratio(-3.0, 4.0, 5.0, &p), 15, 1e-12);
    EXPECT_NEAR(p, 75, 1e-12);
    int code = -1;
    double r1 = 0, r2 = 0, r3 = 0;
    {
        Standard_Scope din(false);
        /* R1 = 1.5 * 6 / 2 = 4.5, R2 = 1.5 * 0.8 * 3 * 2 = 7.2, R3 = 1.5 * 0.8 * 3 * 35 * 4 / 10 = 50.4 */
        EXPECT_NEAR(Calc_Min3_A(/*x1=*/6.0, /*x2=*/3.0, /*x3=*/4.0, /*x4=*/2.0, /*x5=*/1.5,
                                /*x6=*/0.8,
                                /*x7=*/2.0, /*x8=*/10.0, /*x9=*/5.0, /*x10=*/20.0, /*code=*/&code,
                                /*r1=*/&r1, /*r2=*/&r2, /*r3=*/&r3),
                    4.5, 1e-12);
        EXPECT_EQ(code, 0);
        EXPECT_NEAR(r1, 4.5, 1e-12);
        EXPECT_NEAR(r2, 7.2, 1e-12);
        EXPECT_NEAR(r3, 50.4, 1e-12);
    }
    {
        Standard_Scope en(true);
        /* EN: k = 5 / 10, R1 = 2.25 */
        EXPECT_NEAR(Calc_Min3_A(/*x1=*/6.0, /*x2=*/3.0, /*x3=*/4.0, /*x4=*/2.0, /*x5=*/1.5,
                                /*x6=*/0.8,
                                /*x7=*/2.0, /*x8=*/10.0, /*x9=*/5.0, /*x10=*/20.0, /*code=*/&code,
                                /*r1=*/&r1, /*r2=*/&r2, /*r3=*/&r3),
                    2.25, 1e-12);
        EXPECT_EQ(code, 0);
        /* x9 = 12 reaches x10 / 2 = 10: k stays 1, R1 = 4.5 */
        EXPECT_NEAR(Calc_Min3_A(/*x1=*/6.0, /*x2=*/3.0, /*x3=*/4.0, /*x4=*/2.0, /*x5=*/1.5,
                                /*x6=*/0.8, /*x7=*/2.0, /*x8=*/10.0, /*x9=*/12.0, /*x10=*/20.0,
                                /*code=*/&code, /*r1=*/&r1, /*r2=*/&r2, /*r3=*/&r3),
                    4.5, 1e-12);
    }
    /* R = 2.5, 3, 1.8 */
    EXPECT_NEAR(Calc_Min3_B(/*x1=*/10.0, /*x2=*/2.0, /*x3=*/3.0, /*x4=*/0.5, /*x5=*/4.0,
                            /*x6=*/100.0, /*code=*/&code, /*r1=*/&r1, /*r2=*/&r2,
                            /*r3=*/&r3),
                1.8, 1e-12);
    EXPECT_EQ(code, 2);
    /* R = 5, 3, 1.8 */
    EXPECT_NEAR(Calc_Min3_B(/*x1=*/10.0, /*x2=*/2.0, /*x3=*/3.0, /*x4=*/0.5, /*x5=*/2.0,
                            /*x6=*/100.0, /*code=*/&code, /*r1=*/&r1, /*r2=*/&r2,
                            /*r3=*/&r3),
                1.8, 1e-12);
    EXPECT_EQ(code, 2);
    /* R = 10, 3, 0.6 */
    EXPECT_NEAR(Calc_Min3_B(/*x1=*/10.0, /*x2=*/2.0, /*x3=*/3.0, /*x4=*/0.5, /*x5=*/1.0,
                            /*x6=*/300.0, /*code=*/&code, /*r1=*/&r1, /*r2=*/&r2,
                            /*r3=*/&r3),
                0.6, 1e-12);
    EXPECT_EQ(code, 2);
    EXPECT_NEAR(Calc_Limit_By_Ratio(0.4), -1, 1e-12);
    EXPECT_NEAR(Calc_Limit_By_Ratio(0.75), 135, 1e-12);
    EXPECT_NEAR(Calc_Limit_By_Ratio(1.5), 100, 1e-12);
    EXPECT_NEAR(Calc_Limit_By_Ratio(3.0), 65, 1e-12);
    EXPECT_NEAR(Calc_Limit_By_Ratio(4.5), -1, 1e-12);
    EXPECT_NEAR(Calc_Limit_By_Ratio(1.0), 120, 1e-12);
    EXPECT_NEAR(Calc_Limit_By_Ratio(2.0), 80, 1e-12);
    EXPECT_NEAR(Calc_Poly5(3.0, 5.0), 1.23727325728, 1e-12);
    EXPECT_NEAR(Calc_Table_Interp(-0.1), 0.912, 1e-12);
    EXPECT_NEAR(Calc_Table_Interp(0.0), 0.912, 1e-12);
    EXPECT_NEAR(Calc_Table_Interp(0.05), 0.915, 1e-12);
    EXPECT_NEAR(Calc_Table_Interp(0.35), 0.9425, 1e-12);
    EXPECT_NEAR(Calc_Table_Interp(0.62), 1.01, 1e-12);
    EXPECT_NEAR(Calc_Table_Interp(0.85), 1.275, 1e-12);
    EXPECT_NEAR(Calc_Table_Interp(0.9), 2, 1e-12);
    EXPECT_NEAR(Calc_Table_Interp(1.5), 2, 1e-12);
    /* EN 1995-1-1, eq. (6.62) */
    EXPECT_NEAR(Calc_Kv_Notch(5.0, 1.5, 200.0, 0.6, 50.0), 0.562372388513886, 1e-12);
    EXPECT_DOUBLE_EQ(Calc_Kv_Notch(5.0, 1.5, 20.0, 0.9, 5.0), 1.0);
    EXPECT_DOUBLE_EQ(Calc_Reduction_Ratio(10.0, 4.0, 5.0), 1.0);
    EXPECT_NEAR(Calc_Reduction_Ratio(10.0, 6.0, 5.0), 1.11111111111111, 1e-12);
    double s = 0, u = 0;
    EXPECT_NEAR(Calc_Cubic_Shape(10.0, 2.0, 3.0, &s, &u), 1.0801749271137, 1e-12);
    EXPECT_NEAR(s, 0.7, 1e-12);
    EXPECT_NEAR(u, 0.714285714285714, 1e-12);
    EXPECT_NEAR(Calc_Cubic_A(8.0, 3.0, 2.0, &s), 1.3671875, 1e-12);
    EXPECT_NEAR(s, 0.375, 1e-12);
    EXPECT_NEAR(Calc_Cubic_B(8.0, 3.0, 2.0, &u), 1.77734375, 1e-12);
    EXPECT_NEAR(u, 0.375, 1e-12);
    EXPECT_NEAR(Calc_Linear_Cap_1000(200.0), 4, 1e-12);
    EXPECT_NEAR(Calc_Linear_Cap_1000(250.0), 4, 1e-12);
    EXPECT_NEAR(Calc_Linear_Cap_1000(400.0), 3.25, 1e-12);
    EXPECT_NEAR(Calc_Linear_Cap_1000(500.0), 2.75, 1e-12);
    EXPECT_NEAR(Calc_Linear_Cap_1000(800.0), 2.3, 1e-12);
    EXPECT_NEAR(Calc_Linear_Cap_1000(1500.0), 2, 1e-12);
    EXPECT_DOUBLE_EQ(Calc_Mean_Or_Weighted(0, 3.0, 5.0), 4.0);
    EXPECT_NEAR(Calc_Mean_Or_Weighted(1, 3.0, 5.0), 3.559, 1e-12);
    EXPECT_DOUBLE_EQ(Calc_Mean_Or_Weighted(2, 3.0, 5.0), -1.0);
    EXPECT_DOUBLE_EQ(Calc_Min_Plus(0, 3.0, 5.0, 2.0), 3.0);
    EXPECT_NEAR(Calc_Min_Plus(1, 7.0, 5.0, 2.0), 5.3, 1e-12);
    EXPECT_DOUBLE_EQ(Calc_Min_Plus(3, 7.0, 5.0, 2.0), -1.0);
    EXPECT_DOUBLE_EQ(Calc_Root_450(0.0005), -1.0);
    EXPECT_NEAR(Calc_Root_450(900.0), 0.707106781186548, 1e-12);
    EXPECT_DOUBLE_EQ(Calc_Root_450(300.0), 1.0);
    EXPECT_DOUBLE_EQ(Calc_Cubic_Moment(3.0, 2.0, 0.0005), -1.0);
    EXPECT_NEAR(Calc_Cubic_Moment(3.0, 2.0, 4.0), 1.03125, 1e-12);
    EXPECT_DOUBLE_EQ(Calc_Ratio_0008(3.0, 0.0), -1.0);
    EXPECT_NEAR(Calc_Ratio_0008(3.0, 4.0), 0.006, 1e-12);
    EXPECT_NEAR(Calc_Half_Product4(2.0, 3.0, 4.0, 5.0), 60, 1e-12);
    EXPECT_DOUBLE_EQ(Calc_Half_Product4(0.0, 3.0, 4.0, 5.0), -1.0);
    EXPECT_DOUBLE_EQ(Calc_Half_Product4(2.0, 0.0, 4.0, 5.0), -1.0);
    EXPECT_DOUBLE_EQ(Calc_Half_Product4(2.0, 3.0, 0.0, 5.0), -1.0);
    EXPECT_DOUBLE_EQ(Calc_Half_Product4(2.0, 3.0, 4.0, 0.0), -1.0);
    EXPECT_DOUBLE_EQ(Calc_Factor_184(3.0, 0.0, 2.0), 1.0);
    EXPECT_NEAR(Calc_Factor_184(3.0, 2.0, 5.0), 5.52517239631459, 1e-12);
    EXPECT_DOUBLE_EQ(Calc_Area_Product(0, 2.0, 3.0), 150.0);
    EXPECT_DOUBLE_EQ(Calc_Area_Product(1, 2.0, 3.0), 180.0);
    EXPECT_DOUBLE_EQ(Calc_Area_Product(2, 2.0, 3.0), 0.0);
    EXPECT_EQ(Get_Material_Class(-11, 0), 5);
    EXPECT_EQ(Get_Material_Class(7, 0), 5);
    EXPECT_EQ(Get_Material_Class(11, 0), 5);
    EXPECT_EQ(Get_Material_Class(18, 0), 5);
    EXPECT_EQ(Get_Material_Class(20, 0), 5);
    EXPECT_EQ(Get_Material_Class(0, 0.5), 6);
    EXPECT_EQ(Get_Material_Class(3, -2.0), 7);
    EXPECT_EQ(Get_Material_Class(17, 1.0), 7);
    EXPECT_EQ(Get_Material_Class(4, 0.5), 2);
    EXPECT_EQ(Get_Material_Class(6, 1.5), 3);
    EXPECT_EQ(Get_Material_Class(12, 0), -1);
    EXPECT_EQ(Get_Material_Class(-1, 0), -1);
    EXPECT_EQ(Get_Material_Class(21, 0), -1);
    EXPECT_DOUBLE_EQ(Get_Material_Factor(-13), 1.1);
    EXPECT_DOUBLE_EQ(Get_Material_Factor(-11), 1.1);
    EXPECT_DOUBLE_EQ(Get_Material_Factor(17), 1.1);
    EXPECT_DOUBLE_EQ(Get_Material_Factor(19), 1.1);
    EXPECT_DOUBLE_EQ(Get_Material_Factor(0), 1.25);
    EXPECT_DOUBLE_EQ(Get_Material_Factor(1), 1.25);
    EXPECT_DOUBLE_EQ(Get_Material_Factor(2), 1.15);
    EXPECT_DOUBLE_EQ(Get_Material_Factor(11), 1.15);
    EXPECT_DOUBLE_EQ(Get_Material_Factor(20), 1.15);
    EXPECT_DOUBLE_EQ(Get_Material_Factor(12), 1.0);
    EXPECT_DOUBLE_EQ(Get_Material_Factor(16), 1.0);
    EXPECT_DOUBLE_EQ(Get_Material_Factor(-10), 1.0);
    EXPECT_DOUBLE_EQ(Get_Material_Factor(21), 1.0);
    EXPECT_DOUBLE_EQ(Calc_Kh_Disabled(0, 50.0), 1.0);
}


TEST(NumericFormulas, EffectiveNumberByFastenerType)
{
    Standard_Scope en(true);
    /* nails: n^kef with kef 0.85 at a1 = 10 d (EN 1995-1-1, Table 8.1): 4^0.85 = 3.249009585;
    ** bolts and dowels: min(n, n^0.9 (a1 / 13 d)^0.25) = 4^0.9 (84 / 156)^0.25 = 2.982927268
    ** at 0 degrees, n at 90 degrees; connectors: 2 + (1 - 4 / 20) 2 = 3.6 (8.9(3)) */
    EXPECT_NEAR(Calc_N_Ef_By_Type(0, 4.0, 0, 4, 40.0, 0.0), 3.24900958542, 1e-9);
    EXPECT_NEAR(Calc_N_Ef_By_Type(1, 1.5, 0, 4, 15.0, 0.0), 3.24900958542, 1e-9);
    EXPECT_DOUBLE_EQ(Calc_N_Ef_By_Type(0, 4.0, 0, 1, 40.0, 0.0), 1.0);
    EXPECT_NEAR(Calc_N_Ef_By_Type(30, 12.0, 0, 4, 84.0, 0.0), 2.98292726751, 1e-9);
    EXPECT_NEAR(Calc_N_Ef_By_Type(29, 12.0, 0, 4, 84.0, 90.0), 4.0, 1e-9);
    EXPECT_NEAR(Calc_N_Ef_By_Type(25, 65.0, 0, 4, 0.0, 0.0), 3.6, 1e-9);
    EXPECT_DOUBLE_EQ(Calc_N_Ef_By_Type(-1, 12.0, 0, 4, 84.0, 0.0), 4.0);
}

TEST(NumericFormulas, ScrewLineRecordsAndClassBoundaries)
{
    /* classes 2 and 3 of the screw line's own spacing rule, d 6, timber, not pre-drilled:
    ** a1 5 d = 30, a2 2.5 d = 15, a3,t 12 d = 72, a3,c 5 d = 30, a4,t (3 + 4 sin 0.5) 6,
    ** a4,c 3 d = 18; d 4: a4,t (3 + 2 sin 0.5) 4 */
    Eta12_Spacing_Block b{};
    b.d = 6.0;
    b.eta12_spacing_kind = 2;
    double a1 = 0, a2 = 0, a3t = 0, a3c = 0, a4t = 0, a4c = 0;
    ASSERT_EQ(Calc_Screw_Line_Spacings_B(/*block=*/&b, /*predrilled_flag=*/0, /*material=*/0,
                                         /*alpha=*/0.5, /*a1=*/&a1, /*a2=*/&a2, /*a3t=*/&a3t,
                                         /*a3c=*/&a3c, /*a4t=*/&a4t, /*a4c=*/&a4c),
              1);
    EXPECT_DOUBLE_EQ(a1, 30.0);
    EXPECT_DOUBLE_EQ(a2, 15.0);
    EXPECT_DOUBLE_EQ(a3t, 72.0);
    EXPECT_DOUBLE_EQ(a3c, 30.0);
    EXPECT_NEAR(a4t, (3.0 + 4.0 * std::sin(0.5)) * 6.0, 1e-12);
    EXPECT_DOUBLE_EQ(a4c, 18.0);
    b.d = 4.0;
    b.eta12_spacing_kind = 3;
    ASSERT_EQ(Calc_Screw_Line_Spacings_B(/*block=*/&b, /*predrilled_flag=*/0, /*material=*/2,
                                         /*alpha=*/0.5, /*a1=*/nullptr, /*a2=*/nullptr,
                                         /*a3t=*/nullptr, /*a3c=*/nullptr, /*a4t=*/&a4t,
                                         /*a4c=*/nullptr),
              1);
    EXPECT_NEAR(a4t, (3.0 + 2.0 * std::sin(0.5)) * 4.0, 1e-12);
    a1 = -1.0;
    b.eta12_spacing_kind = 1;
    EXPECT_EQ(Calc_Screw_Line_Spacings_B(/*block=*/&b, /*predrilled_flag=*/0, /*material=*/0,
                                         /*alpha=*/0.5, /*a1=*/&a1, /*a2=*/nullptr, /*a3t=*/nullptr,
                                         /*a3c=*/nullptr, /*a4t=*/nullptr, /*a4c=*/nullptr),
              0);
    b.eta12_spacing_kind = 2;
    EXPECT_EQ(Calc_Screw_Line_Spacings_B(/*block=*/&b, /*predrilled_flag=*/1, /*material=*/0,
                                         /*alpha=*/0.5, /*a1=*/&a1, /*a2=*/nullptr, /*a3t=*/nullptr,
                                         /*a3c=*/nullptr, /*a4t=*/nullptr,
                                         /*a4c=*/nullptr),
              0); /* pre-drilled */
    EXPECT_EQ(Calc_Screw_Line_Spacings_B(/*block=*/&b, /*predrilled_flag=*/0, /*material=*/6,
                                         /*alpha=*/0.5, /*a1=*/&a1, /*a2=*/nullptr, /*a3t=*/nullptr,
                                         /*a3c=*/nullptr, /*a4t=*/nullptr,
                                         /*a4c=*/nullptr),
              0); /* plywood */
    EXPECT_EQ(Calc_Screw_Line_Spacings_B(/*block=*/nullptr, /*predrilled_flag=*/0, /*material=*/0,
                                         /*alpha=*/0.5, /*a1=*/&a1, /*a2=*/nullptr, /*a3t=*/nullptr,
                                         /*a3c=*/nullptr, /*a4t=*/nullptr, /*a4c=*/nullptr),
              0);
    EXPECT_EQ(a1, -1.0);

    User_Screw_Record r;
    memset(&r, 0x7F, sizeof r);
    ASSERT_EQ(Init_User_Screw_Record(43, &r), 1);
    EXPECT_STREQ(r.name, "Assy                      ");
    const int32_t ints43[7] = {1, 6, 2, 0, 0, 0, 1};
    for (int i = 0; i < 7; i++) EXPECT_EQ(r.ints[i], ints43[i]) << i;
    EXPECT_EQ(r.ints[7], 0x7F7F7F7F); /* left as it was */
    EXPECT_EQ(r.ints[8], 1);
    const double dbl[8] = {8.0, 10.0, 5.0, 100.0, 20.0, 20.0, 28.0, 90.0};
    for (int i = 0; i < 8; i++) EXPECT_DOUBLE_EQ(r.doubles[i], dbl[i]) << i;
    ASSERT_EQ(Init_User_Screw_Record(44, &r), 1);
    EXPECT_STREQ(r.name, "Spax                      ");
    EXPECT_EQ(r.ints[1], 1);
    EXPECT_EQ(r.ints[6], 3);
    EXPECT_EQ(Init_User_Screw_Record(42, &r), 0);
    EXPECT_EQ(Init_User_Screw_Record(43, nullptr), 0);

    /* the class of a member by the sign-free value against 1 */
    EXPECT_EQ(Get_Material_Class(0, 1.0), 7);
    EXPECT_EQ(Get_Material_Class(0, 0.999), 6);
    EXPECT_EQ(Get_Material_Class(4, 1.0), 3);
    EXPECT_EQ(Get_Material_Class(4, -0.999), 2);
    EXPECT_EQ(Get_Material_Class(6, 1.05), 3);
    EXPECT_EQ(Get_Material_Class(1, 1.05), 7);
}
