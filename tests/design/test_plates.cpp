/*
** Tests of the slip modulus, washers, plate holes and bearing, net-section loss, connectors, plate
** classes, steel plates in the simplified proof, design values and effective numbers. Values
** worked by hand from the formulas of EN 1995-1-1 and EN 1993-1-8.
*/
#include <gtest/gtest.h>

#include <cmath>

#include "design_test_util.h"

TEST(SlipModulus, DowelAndNail)
{
    {
        Standard_Scope en(true);
        /* rho = 1.2 * sqrt(350 * 350) = 420; 420^1.5 * 12 / 23 = 8607.44 * 12 / 23 = 4490.84 */
        EXPECT_NEAR(Calc_Vbm_Kser(29, 0, 12.0, -10, 0, 60.0, -10, 0, 60.0, nullptr), 4490.8, 0.05);
        /* a steel plate as member 1 takes member 2's density and doubles the value */
        EXPECT_NEAR(Calc_Vbm_Kser(29, 0, 12.0, 12, 0, 10.0, -10, 0, 60.0, nullptr), 8981.7, 0.05);
        /* ring connector 25: 0.5 * 420 * 65 = 13650 */
        EXPECT_NEAR(Calc_Vbm_Kser(25, 0, 65.0, -10, 0, 60.0, -10, 0, 60.0, nullptr), 13650.0, 1e-9);
        EXPECT_EQ(Calc_Vbm_Kser(61, 0, 12.0, -10, 0, 60.0, -10, 0, 60.0, nullptr), 0.0);
    }
    Standard_Scope din(false);
    /* DIN: 350^1.5 * 4^0.8 / 25 = 6547.90 * 3.031433 / 25 = 793.98 */
    EXPECT_NEAR(Calc_Vbm_Kser(0, 0, 4.0, -10, 0, 40.0, -10, 0, 40.0, nullptr), 793.98, 0.01);
    /* pre-drilled: 6547.90 * 4 / 20 = 1309.58 */
    EXPECT_NEAR(Calc_Vbm_Kser(0, 1, 4.0, -10, 0, 40.0, -10, 0, 40.0, nullptr), 1309.58, 0.01);
}

TEST(Washers, Bands)
{
    EXPECT_EQ(Get_Washer_Diameter(12.0, 0), 44.0);
    EXPECT_EQ(Get_Washer_Diameter(13.0, 0), 44.0);
    EXPECT_EQ(Get_Washer_Diameter(18.0, 0), -1.0);
    EXPECT_EQ(Get_Washer_Diameter(4.7, 0), -1.0);
    EXPECT_EQ(Get_Washer_Diameter(10.0, 2), 30.0);
    EXPECT_EQ(Get_Washer_Diameter(12.0, 2), -1.0);
    EXPECT_EQ(Get_Washer_Diameter(12.0, 3), 40.0);
    EXPECT_EQ(Get_Washer_Diameter(12.0, 7), -1.0);
}

TEST(SteelPlate, HoleGeometryAndBearing)
{
    double p1, e1, e2, p2;
    /* fitted 16 mm bolt: d0 = 16 */
    Calc_Plate_Hole_Geometry(16.0, 1, &p1, &e1, &e2, &p2);
    EXPECT_NEAR(p1, 35.2, 1e-9);
    EXPECT_NEAR(e1, 19.2, 1e-9);
    EXPECT_NEAR(e2, 19.2, 1e-9);
    EXPECT_NEAR(p2, 38.4, 1e-9);
    Calc_Plate_Hole_Geometry(12.0, 0, nullptr, &e1, nullptr, nullptr);
    EXPECT_NEAR(e1, 15.6, 1e-9);
    /* 12 mm bolt, d0 13, 10 mm plate, fu 360: alpha_b = min(1.2 / 3, 2.2 / 3 - 0.25) = 0.4,
    ** k1 = min(2.8 * 1.2 - 1.7, 1.4 * 2.4 - 1.7, 2.5) = 1.66; 1.66 * 0.4 * 360 * 12 * 10 */
    double k1 = 0.0, ab = 0.0;
    EXPECT_NEAR(Calc_Plate_Bearing_Resistance(12.0, 10.0, 0, 360.0, &k1, &ab), 28684.8, 1e-6);
    EXPECT_NEAR(k1, 1.66, 1e-12);
    EXPECT_NEAR(ab, 0.4, 1e-12);
}

TEST(SteelPlate, ScrewLineSpacings)
{
    Eta12_Spacing_Block b{};
    b.d = 8.0;
    b.eta12_spacing_kind = 1;
    double a[6] = {-1, -1, -1, -1, -1, -1};
    /* alpha 90 degrees: a2 = (3 + 1) 8 = 32, a4,t = (3 + 4) 8 = 56 */
    EXPECT_EQ(Calc_Screw_Line_Spacings(&b, 0, 0, M_PI / 2, &a[0], &a[1], &a[2], &a[3], &a[4], &a[5]), 1);
    EXPECT_NEAR(a[0], 40.0, 1e-9);
    EXPECT_NEAR(a[1], 32.0, 1e-9);
    EXPECT_NEAR(a[2], 96.0, 1e-9);
    EXPECT_NEAR(a[3], 96.0, 1e-9);
    EXPECT_NEAR(a[4], 56.0, 1e-9);
    EXPECT_NEAR(a[5], 24.0, 1e-9);
    double x = -1.0;
    EXPECT_EQ(Calc_Screw_Line_Spacings(&b, 1, 0, 0.0, &x, nullptr, nullptr, nullptr, nullptr, nullptr), 0);
    b.eta12_spacing_kind = 3;
    EXPECT_EQ(Calc_Screw_Line_Spacings(&b, 0, 0, 0.0, &x, nullptr, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(x, -1.0);
}

TEST(NetSection, LossPerFastener)
{
    {
        Standard_Scope en(true);
        EXPECT_NEAR(Calc_Vbm_Net_Section_Loss(30, 12.0, 0, 0, 0, 1, 100.0), 1200.0, 1e-9);
        EXPECT_NEAR(Calc_Vbm_Net_Section_Loss(30, 12.0, 0, 0, 0, 0, 100.0), 1300.0, 1e-9);
        EXPECT_EQ(Calc_Vbm_Net_Section_Loss(0, 6.0, 0, 0, 0, 0, 100.0), 0.0);
        EXPECT_NEAR(Calc_Vbm_Net_Section_Loss(0, 6.5, 0, 0, 0, 0, 100.0), 650.0, 1e-9);
        /* a screw counts as a nail: pre-drilled 5 mm in 40 mm: 5 * 40 */
        EXPECT_NEAR(Calc_Vbm_Net_Section_Loss(12, 5.0, 0, 0, 1, 0, 40.0), 200.0, 1e-9);
        EXPECT_NEAR(Calc_Vbm_Net_Section_Loss(29, 16.0, 0, 0, 0, 0, 80.0), 1280.0, 1e-9);
        EXPECT_EQ(Calc_Vbm_Net_Section_Loss(34 + 30, 6.5, 0, 0, 0, 0, 100.0), 0.0);
    }
    Standard_Scope din(false);
    EXPECT_NEAR(Calc_Vbm_Net_Section_Loss(0, 6.5, 0, 0, 0, 0, 100.0), 585.0, 1e-9);
    /* staple of 6.5 mm: two legs, 2 * 0.9 * 6.5 * 10 = 117 */
    EXPECT_NEAR(Calc_Vbm_Net_Section_Loss(1, 6.5, 0, 0, 0, 0, 10.0), 117.0, 1e-9);
}

TEST(Connectors, RingConnectorThicknessFactor)
{
    Standard_Scope en(true);
    Connection_Result r{};
    /* dc 65, he 15, t1 40, t2 80: t1,min = 45, t2,min = 75 -> k1 = 40 / 45;
    ** min(31.5 * 65 * 15 = 30712.5, 35 * 65^1.5 = 18341.64) * 1 * 1 * 40/45 = 16303.68 */
    const double rk = Calc_Ring_Connector_Rk(65.0, 15.0, 0.0, 40.0, 80.0, 350.0, &r);
    EXPECT_NEAR(rk, 16303.68, 0.01);
    EXPECT_NEAR(r.k_1, 40.0 / 45.0, 1e-12);
    EXPECT_NEAR(r.k_3, 1.0, 1e-12);
    EXPECT_NEAR(r.k_alpha, 1.0, 1e-12);
    EXPECT_NEAR(r.t_req_1, 45.0, 1e-12);
    EXPECT_NEAR(r.t_req_2, 75.0, 1e-12);
    /* both thick enough (45 and 75): k1 = 1 */
    Connection_Result s{};
    EXPECT_NEAR(Calc_Ring_Connector_Rk(65.0, 15.0, 0.0, 45.0, 80.0, 350.0, &s), 18341.64, 0.01);
    EXPECT_DOUBLE_EQ(s.k_1, 1.0);
    /* k3 at rho_k 700: min(2, 1.75) */
    Calc_Ring_Connector_Rk(65.0, 15.0, 0.0, 45.0, 80.0, 700.0, &s);
    EXPECT_DOUBLE_EQ(s.k_3, 1.75);
    /* k_alpha at 90 degrees: 1 / (1.3 + 0.065) */
    EXPECT_NEAR(Calc_K_Alpha(65.0, 90.0), 1.0 / 1.365, 1e-9);
}

TEST(Connectors, ToothedPlates)
{
    Connection_Result r{};
    {
        Standard_Scope en(true);
        /* type 26, dc 62, bolt 12, he 15, thick timbers, rho 700: k3 = 1.5 under EN;
        ** 18 * 62^1.5 * 1.5 = 18 * 488.19 * 1.5 = 13181.1; a3,t = max(1.1 * 62, 84, 80) = 84;
        ** k2 = min(84 / (1.5 * 62), 1) = 0.90323 */
        EXPECT_NEAR(Calc_Toothed_Plate_Rk(26, 62.0, 12.0, 15.0, 80.0, 80.0, 700.0, &r), 13181.1, 0.1);
        EXPECT_DOUBLE_EQ(r.k_3, 1.5);
        EXPECT_NEAR(r.a3t_min, 84.0, 1e-9);
        EXPECT_NEAR(r.k_2, 84.0 / 93.0, 1e-9);
        EXPECT_EQ(Calc_Toothed_Plate_Rk(29, 62.0, 12.0, 15.0, 80.0, 80.0, 700.0, nullptr), 0.0);
    }
    Standard_Scope din(false);
    Connection_Result d{};
    Calc_Toothed_Plate_Rk(26, 62.0, 12.0, 15.0, 80.0, 80.0, 700.0, &d);
    EXPECT_DOUBLE_EQ(d.k_3, 2.0);
    EXPECT_DOUBLE_EQ(d.k_2, 1.0);
}

TEST(Connectors, PlateClassification)
{
    double f = -5.0;
    EXPECT_EQ(Classify_Plate_Thickness(29, 12, 12.0, 6.0, &f), 0);
    EXPECT_DOUBLE_EQ(f, 0.0);
    EXPECT_EQ(Classify_Plate_Thickness(29, 12, 12.0, 12.0, &f), 2);
    EXPECT_DOUBLE_EQ(f, 1.0);
    EXPECT_EQ(Classify_Plate_Thickness(29, 12, 12.0, 9.0, &f), 1);
    EXPECT_NEAR(f, 0.5, 1e-12);
    /* aluminium: s d = 1.44225 * 12 = 17.307; 2 * 9 / 17.307 - 1 = 0.040042 */
    EXPECT_EQ(Classify_Plate_Thickness(29, 16, 12.0, 9.0, &f), 1);
    EXPECT_NEAR(f, 0.040042, 1e-6);
    EXPECT_EQ(Classify_Plate_Thickness(45, 12, 4.0, 1.0, &f), 2);
    EXPECT_DOUBLE_EQ(f, -1.0);
    EXPECT_EQ(Classify_Plate_Thickness(22, 12, 4.0, 2.0, nullptr), 2);
}

TEST(Connectors, ThickPlateSimplified)
{
    Standard_Scope en(true);
    Connection_Result r{};
    /* 12 mm dowel, fu 360, 60 mm softwood rho 350, alpha 0: fh = 25.256, My = 69070.9;
    ** t_req = 4.6 sqrt(69070.9 / (25.256 * 12)) = 4.6 * 15.09644 = 69.4436 -> k = 60 / 69.4436 = 0.864010;
    ** Rk = sqrt 2 * 0.86402 * sqrt(2 * 69070.9 * 25.256 * 12) = 1.221904 * 6470.46 = 7906.23 */
    const double rk = Calc_Rk_Thick_Plate(29, 12.0, 60.0, 0, 0, 0, 0, 0, 0.0, 360.0, 0, 350.0, &r);
    EXPECT_NEAR(r.k_red, 0.864010, 1e-5);
    EXPECT_NEAR(rk, 7906.23, 0.05);
    EXPECT_NEAR(r.t_req_1, 69.4436, 0.001);
    EXPECT_NEAR(r.k_90, 1.53, 1e-12);
}

TEST(Connectors, DesignValueAndSplitting)
{
    EXPECT_NEAR(Calc_Geometric_Mean_Ratio(10000.0, 0.8, 0.9, 1.3), 6527.14, 0.01);
    EXPECT_EQ(Calc_Geometric_Mean_Ratio(10000.0, 0.8, 0.9, 0.0), 0.0);
    EXPECT_EQ(Calc_Geometric_Mean_Ratio(10000.0, 0.8, 0.9, -1.0), 0.0);
    /* max(14 * 4, (52 - 30) 350 / 200 = 38.5) = 56; at 700: 77 */
    EXPECT_DOUBLE_EQ(Calc_T_Min_Splitting(4.0, 350.0), 56.0);
    EXPECT_DOUBLE_EQ(Calc_T_Min_Splitting(4.0, 700.0), 77.0);
    EXPECT_DOUBLE_EQ(Calc_T_Min_Splitting_Alt(4.0, 350.0), 28.0);
}

TEST(Connectors, EffectiveNumbers)
{
    {
        Standard_Scope en(true);
        /* 2 + (1 - 4/20)(4 - 2) = 3.6 */
        EXPECT_NEAR(Calc_Connector_N_Ef(4, 0.0), 3.6, 1e-12);
        EXPECT_EQ(Calc_Connector_N_Ef(1, 0.0), 1.0);
        /* bolts: n 4, a1 = 13 d -> n0 = 4^0.9 = 3.4822; at 90 degrees n */
        EXPECT_NEAR(Calc_Bolt_N_Ef(12.0, 4, 156.0, 0.0), 3.48220, 1e-5);
        EXPECT_NEAR(Calc_Bolt_N_Ef(12.0, 4, 156.0, 90.0), 4.0, 1e-12);
        EXPECT_NEAR(Calc_Bolt_N_Ef(12.0, 4, 156.0, 270.0), 4.0, 1e-12);
        /* 45 degrees: (3.4822 + 4) / 2 */
        EXPECT_NEAR(Calc_Bolt_N_Ef(12.0, 4, 156.0, 45.0), 3.74110, 1e-5);
        /* nails: a1 = 10 d -> kef 0.85; 4^0.85 = 3.2490 */
        EXPECT_NEAR(Calc_Vbm_N_Ef(4.0, 0, 4, 40.0), 3.24901, 1e-5);
    }
    Standard_Scope din(false);
    /* DIN: 20 connectors at 0 degrees: b = 0, n_ef = 2; 12 at 90: min(12, 10) */
    EXPECT_NEAR(Calc_Connector_N_Ef(20, 0.0), 2.0, 1e-12);
    EXPECT_NEAR(Calc_Connector_N_Ef(12, 90.0), 10.0, 1e-12);
}
