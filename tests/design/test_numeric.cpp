/*
** Tests of the numeric services: size factors, torsion constant, k_crit, k_c, the fastener-group
** inertia, and the small formulas of the module. Values worked by hand from EN 1995-1-1.
*/
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "design_test_util.h"

TEST(Numeric, SizeFactors)
{
    Standard_Scope en(true);
    /* softwood 100 mm: 1.5^0.2 = 1.08447; glulam 100 mm the same timber rule; 400 mm:
    ** 1.5^0.14 = 1.05841; 300 mm: 2^0.14 = 1.1019 capped at 1.1 */
    EXPECT_NEAR(Calc_Kh_Of_Material(0, Grade_Index(0, "C24"), 100.0), 1.08447, 1e-5);
    EXPECT_NEAR(Calc_Kh_Of_Material(2, 0, 100.0), 1.08447, 1e-5);
    EXPECT_NEAR(Calc_Kh_Of_Material(2, 0, 400.0), 1.05841, 1e-5);
    EXPECT_NEAR(Calc_Kh_Of_Material(2, 0, 300.0), 1.1, 1e-12);
    EXPECT_NEAR(Calc_Kh_Of_Material(0, Grade_Index(0, "C24"), 200.0), 1.0, 1e-12);
    EXPECT_NEAR(Calc_Kh_Lvl(150.0, 0.12), std::pow(2.0, 0.12), 1e-12);
    EXPECT_EQ(Calc_Kh_Glulam(700.0), 1.0);
    EXPECT_EQ(Calc_Kh_Disabled(0, 50.0), 1.0);
}

TEST(Numeric, TorsionAndLateralBuckling)
{
    EXPECT_NEAR(Calc_Torsion_Constant(10.0, 10.0), 0.14 * 10000.0, 1e-9);
    EXPECT_NEAR(Calc_Torsion_Constant(1.0, 2000.0), 0.333 * 2000.0, 1e-9);
    /* r = 2.5: halfway between 0.229 and 0.263 -> 0.246; 0.246 * 8 * 20 */
    EXPECT_NEAR(Calc_Torsion_Constant(2.0, 5.0), 0.246 * 8.0 * 5.0, 1e-9);
    /* 10 x 20 cm: b_s 0.1, h_s 0.2; I_z = 0.1³ 0.2 / 12, W = 0.2² 0.1 / 6, I_t = 0.229 * 0.1³ * 0.2 */
    const double Iz = 0.001 * 0.2 / 12.0, W = 0.04 * 0.1 / 6.0, It = 0.229 * 0.001 * 0.2;
    const double sigma = std::sqrt(7400.0 * Iz * 460.0 * It) * 3.141592653589 / (5.0 * W);
    /* lambda_rel = sqrt(f_m / sigma): 1.4 -> 1.56 - 1.05 = 0.51; 0.75 -> 1.0; 2 -> 1/4 */
    EXPECT_NEAR(Calc_K_Crit(0, 10.0, 20.0, 5.0, 1.96 * sigma * (1.0 - 1e-12), 7400.0, 460.0), 0.51,
                1e-9);
    /* just above 1.4: 1 / 1.96 = 0.510204 */
    EXPECT_NEAR(Calc_K_Crit(0, 10.0, 20.0, 5.0, 1.96 * sigma * (1.0 + 1e-9), 7400.0, 460.0),
                0.510204, 1e-6);
    EXPECT_NEAR(Calc_K_Crit(0, 10.0, 20.0, 5.0, 0.5625 * sigma, 7400.0, 460.0), 1.0, 1e-12);
    EXPECT_NEAR(Calc_K_Crit(0, 10.0, 20.0, 5.0, 4.0 * sigma, 7400.0, 460.0), 0.25, 1e-9);
    EXPECT_EQ(Calc_K_Crit(0, 0.0, 20.0, 5.0, 24.0, 7400.0, 460.0), 0.0);
}

TEST(Numeric, ColumnFactor)
{
    double i = 0, lam = 0, lr = 0, k = 0;
    /* h 100: i = 28.9; l 2890: lambda = 100; lambda_rel = 100 / pi sqrt(21 / 7400) = 1.69568;
    ** k = 0.5 (1 + 0.2 * 1.39568 + 2.87533) = 2.07723; k_c = 1 / (k + sqrt(k² - lr²)) = 0.30515 */
    const double kc = Calc_K_C(7400.0, 21.0, 0.2, 2890.0, 100.0, &i, &lam, &lr, &k);
    EXPECT_NEAR(i, 28.9, 1e-12);
    EXPECT_NEAR(lam, 100.0, 1e-9);
    EXPECT_NEAR(lr, 1.69568, 1e-5);
    EXPECT_NEAR(k, 2.07723, 1e-5);
    EXPECT_NEAR(kc, 0.30515, 1e-5);
    /* a short column is limited to 1 */
    EXPECT_EQ(Calc_K_C(7400.0, 21.0, 0.2, 10.0, 100.0, nullptr, nullptr, nullptr, nullptr), 1.0);
}

TEST(Numeric, GroupInertia)
{
    double I = 0.0, s = 0.0, S = 0.0, N = 0.0;
    /* a single fastener (m = 0) adds nothing */
    Calc_Vbm_Group_Inertia(&I, &s, &S, &N, 100.0, 0.0, 1.0, 1.0);
    EXPECT_EQ(N, 0.0);
    EXPECT_EQ(S, 0.0);
    /* three of weight 1 from 0 to 100: m = 2; I = 2/3 * 10000 = 6666.67 about 0; S = 100, N = 2,
    ** s = 50; about the centroid 6666.67 - 2500 * 2 = 1666.67 */
    Calc_Vbm_Group_Inertia(&I, &s, &S, &N, 100.0, 0.0, 1.0, 3.0);
    EXPECT_NEAR(I, 1666.667, 0.001);
    EXPECT_NEAR(s, 50.0, 1e-12);
    EXPECT_NEAR(S, 100.0, 1e-12);
    EXPECT_NEAR(N, 2.0, 1e-12);
    EXPECT_EQ(Map_Screw_Nominal_Diameter(1, 8.0), 6.0);
    EXPECT_EQ(Map_Screw_Nominal_Diameter(0, 8.05), 5.0);
    EXPECT_EQ(Map_Screw_Nominal_Diameter(1, 9.0), -1.0);
}

TEST(Numeric, SmallFormulas)
{
    EXPECT_EQ(Calc_Kc90(0, 300.0, 150.0, 0), 1.25);
    EXPECT_EQ(Calc_Kc90(0, 299.0, 150.0, 0), 1.0);
    EXPECT_EQ(Calc_Kc90(2, 300.0, 150.0, 0), 1.5);
    EXPECT_EQ(Calc_Kc90(11, 300.0, 40.0, 0), 1.4);
    EXPECT_EQ(Calc_Kc90(11, 300.0, 40.0, 1), 1.0);
    EXPECT_EQ(Calc_Bolt_Hole_Diameter(16.0), 18.0);
    EXPECT_EQ(Calc_Bolt_Hole_Diameter(15.0), 16.0);
    EXPECT_EQ(Calc_Bolt_Hole_Diameter(27.0), 30.0);
    EXPECT_EQ(Calc_Limit_By_Ratio(0.4), -1.0);
    EXPECT_NEAR(Calc_Limit_By_Ratio(1.5), 100.0, 1e-12);
    EXPECT_LE(Calc_Buckling_Kc(0.5, 0.1), 1.0);
    EXPECT_LE(Calc_Kv_Notch(5.0, 1.0, 100.0, 0.9, 10.0), 1.0);
    EXPECT_EQ(Calc_Root_450(0.0), -1.0);
    EXPECT_NEAR(Calc_Root_450(900.0), std::sqrt(0.5), 1e-12);
    /* fire: unprotected, beta 0.8, 30 min: 7 * 1 + 30 * 0.8 = 31 */
    EXPECT_NEAR(Calc_Fire_Def(0.8, 30.0, 0.0, 0.0, 0.0, 0.0), 31.0, 1e-12);
    /* residual section 100 x 200, d_ef 20 on all sides: 60 x 160, p = 440, 1 - 440 / (225 * 9600) */
    EXPECT_NEAR(Calc_Fire_Kmod_Residual(0, 20.0, 100.0, 200.0), 1.0 - 440.0 / 2160000.0, 1e-12);
    EXPECT_NEAR(Calc_Table_Interp(0.55), 0.9845, 1e-12);
    EXPECT_EQ(Calc_Table_Interp(0.95), 2.0);
    int code = -1;
    /* R1 = 100 / 2 = 50, R2 = 4 * 2 * 3 = 24, R3 = 4 * 2 * 20 * 9 / 1000 = 1.44 */
    EXPECT_NEAR(Calc_Min3_B(/*x1=*/100.0, /*x2=*/2.0, /*x3=*/3.0, /*x4=*/4.0, /*x5=*/2.0,
                            /*x6=*/1000.0, /*code=*/&code, /*r1=*/nullptr, /*r2=*/nullptr,
                            /*r3=*/nullptr),
                1.44, 1e-12);
    EXPECT_EQ(code, 2);
    User_Screw_Record rec{};
    EXPECT_EQ(Init_User_Screw_Record(43, &rec), 1);
    EXPECT_STREQ(rec.name, "Assy                      ");
    EXPECT_EQ(rec.doubles[0], 8.0);
    EXPECT_EQ(Init_User_Screw_Record(12, &rec), 0);
}

TEST(Numeric, CrackFactor)
{
    {
        Standard_Scope din(false);
        EXPECT_EQ(Calc_Kcr(0, 4.0), 1.0);
    }
    Standard_Scope en(true);
    en.Block().k_cr_rule = 1;
    en.Block().k_cr_solid = 0.67;
    en.Block().k_cr_other = 1.0;
    EXPECT_EQ(Calc_Kcr(0, 4.0), 0.67);
    EXPECT_EQ(Calc_Kcr(6, 4.0), 1.0);
    en.Block().k_cr_rule = 0;
    EXPECT_NEAR(Calc_Kcr(0, 4.0), 0.5, 1e-12);
    EXPECT_NEAR(Calc_Kcr(2, 3.5), 2.5 / 3.5, 1e-12);
    EXPECT_EQ(Calc_Kcr(1, 4.0), 0.67);
}

TEST(Numeric, DepthFactorsColumnsAndRows)
{
    Standard_Scope en(true);
    /* EN 1995-1-1, 3.4: Kerto (10, 11) min((300 / h)^0.12, 1.2): 150 mm 1.08673; 20 mm capped
    ** 1.2; 400 mm 0.96607; materials 19, 20, -11 with 0.15: 150 mm 1.10957; 17 the timber form
    ** min((600 / h)^0.1, 1.2): 300 mm 2^0.1 = 1.07177; 18 only from 300 to 1000 mm:
    ** 400 mm 0.96607, 200 mm 1.0 */
    EXPECT_NEAR(Calc_Kh_Of_Material(10, 0, 150.0), 1.086735, 1e-6);
    EXPECT_NEAR(Calc_Kh_Of_Material(11, 0, 20.0), 1.2, 1e-12);
    EXPECT_NEAR(Calc_Kh_Of_Material(10, 0, 400.0), 0.966067, 1e-6);
    EXPECT_NEAR(Calc_Kh_Of_Material(19, 0, 150.0), 1.109569, 1e-6);
    EXPECT_NEAR(Calc_Kh_Of_Material(20, 0, 150.0), 1.109569, 1e-6);
    EXPECT_NEAR(Calc_Kh_Of_Material(-11, 0, 150.0), 1.109569, 1e-6);
    EXPECT_NEAR(Calc_Kh_Of_Material(17, 0, 300.0), std::pow(2.0, 0.1), 1e-12);
    EXPECT_NEAR(Calc_Kh_Of_Material(18, 0, 400.0), 0.966067, 1e-6);
    EXPECT_EQ(Calc_Kh_Of_Material(18, 0, 200.0), 1.0);
    EXPECT_EQ(Calc_Kh_Of_Material(6, 0, 50.0), 1.0);
    EXPECT_EQ(Calc_Kh_Of_Material(0, Grade_Index(0, "C24"), 1.0), 1.0);
    EXPECT_EQ(Calc_Kh_Lvl(1.0, 0.12), 1.0);
    EXPECT_EQ(Calc_Kh_Glulam(1.0), 1.0);
    EXPECT_NEAR(Calc_Kh_Glulam(600.0), 1.0, 1e-12);
    /* glulam 40 mm: (600 / 40)^0.14 = 1.4787 capped at 1.1 */
    EXPECT_NEAR(Calc_Kh_Glulam(40.0), 1.1, 1e-12);
    /* torsion: r = 1.1 between 1 and 1.25: 0.14 + 0.4 * 0.031 = 0.1524; r = 8: 0.306 */
    EXPECT_NEAR(Calc_Torsion_Constant(10.0, 11.0), 0.1524 * 1000.0 * 11.0, 1e-9);
    EXPECT_NEAR(Calc_Torsion_Constant(80.0, 10.0), 0.306 * 1000.0 * 80.0, 1e-9);
    EXPECT_EQ(Calc_Torsion_Constant(0.0, 10.0), 0.0);
    /* f_m = 1.9 sigma: lambda_rel = sqrt(1.9) = 1.378405 -> 1.56 - 0.75 lambda = 0.526196; the
    ** annex's factor c = 4 doubles sigma: sqrt(0.95) = 0.974679 -> 0.828991 */
    const double Iz = 0.001 * 0.2 / 12.0, W = 0.04 * 0.1 / 6.0, It = 0.229 * 0.001 * 0.2;
    const double sigma = std::sqrt(7400.0 * Iz * 460.0 * It) * 3.141592653589 / (5.0 * W);
    en.Block().ltb_slenderness_factor = 4.0;
    EXPECT_NEAR(Calc_K_Crit(1, 10.0, 20.0, 5.0, 1.9 * sigma, 7400.0, 460.0), 0.828991, 1e-6);
    EXPECT_NEAR(Calc_K_Crit(0, 10.0, 20.0, 5.0, 1.9 * sigma, 7400.0, 460.0), 0.526196, 1e-6);
    /* the column of C24 (E0,05 = 2/3 * 11000, f_c,0,k 21, beta 0.2), 100 mm, l 2890: 0.302667;
    ** plywood has no column values: 1 / (k + ...) of zero strength is capped 1 */
    double i = 0, lam = 0, lr = 0, k = 0;
    EXPECT_NEAR(
        Calc_K_C_Of_Material(0, Grade_Index(0, "C24"), 2890.0, 100.0, 100.0, &i, &lam, &lr, &k),
        0.302667, 1e-6);
    EXPECT_NEAR(lam, 100.0, 1e-9);
    /* GL24h (E0,05 = 5/6 * 11500, f_c,0,k 24, beta 0.1) */
    const double e = 11500.0 * 5.0 / 6.0, lrg = 100.0 / 3.14159265359 * std::sqrt(24.0 / e);
    const double kg = 0.5 * (1.0 + 0.1 * (lrg - 0.3) + lrg * lrg);
    EXPECT_NEAR(Calc_K_C_Of_Material(2, Grade_Index(2, "GL24h"), 2890.0, 100.0, 100.0, nullptr,
                                     nullptr, nullptr, nullptr),
                1.0 / (kg + std::sqrt(kg * kg - lrg * lrg)), 1e-9);
    /* a material outside the table (13) has no column values: E0,05 = f_c,0,k = 0 and
    ** lambda_rel = 0 / 0 is not a number, only lambda = 2890 / 28.9 = 100 is defined */
    lam = lr = 0.0;
    EXPECT_TRUE(std::isnan(
        Calc_K_C_Of_Material(13, Grade_Index(0, "C24"), 2890.0, 100.0, 100.0, &i, &lam, &lr, &k)));
    EXPECT_NEAR(lam, 100.0, 1e-9);
    EXPECT_TRUE(std::isnan(lr));
    /* a second row of the group: two of weight 2 at 200 to 300 added to the three of weight 1
    ** from 0 to 100 (I 1666.67 about s 50, N 2): m = 1: I = 1/3 * 2 * (90000 + 60000 + 40000)
    ** + 2500 * 2 + 1666.67 = 133333.3; S = 1/2 * 2 * 500 + 100 = 600, N = 4, s = 150;
    ** about the centroid 133333.3 - 22500 * 4 = 43333.3 */
    double I = 0.0, s = 0.0, S = 0.0, N = 0.0;
    Calc_Vbm_Group_Inertia(&I, &s, &S, &N, 100.0, 0.0, 1.0, 3.0);
    Calc_Vbm_Group_Inertia(&I, &s, &S, &N, 300.0, 200.0, 2.0, 2.0);
    EXPECT_NEAR(I, 43333.333, 0.001);
    EXPECT_NEAR(s, 150.0, 1e-9);
    EXPECT_NEAR(S, 600.0, 1e-9);
    EXPECT_NEAR(N, 4.0, 1e-12);
    Calc_Vbm_Group_Inertia(nullptr, nullptr, nullptr, nullptr, 100.0, 0.0, 1.0, 3.0);
    /* the second diameters of every nominal size */
    const double nominal[9] = {4.0, 4.5, 5.0, 6.0, 7.0, 8.0, 10.0, 12.0, 14.0};
    const double k1[9] = {3.0, 3.5, 3.5, 4.0, 5.0, 6.0, 7.0, 8.0, 9.0};
    const double other[9] = {2.5, 2.5, 3.0, 4.0, 4.0, 5.0, 6.0, 7.0, 8.0};
    for (int n = 0; n < 9; n++) {
        EXPECT_EQ(Map_Screw_Nominal_Diameter(1, nominal[n]), k1[n]) << nominal[n];
        EXPECT_EQ(Map_Screw_Nominal_Diameter(2, nominal[n] - 0.09), other[n]) << nominal[n];
    }
    EXPECT_EQ(Map_Screw_Nominal_Diameter(1, 4.25), -1.0);
}
