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
        EXPECT_NEAR(Calc_Vbm_Kser(/*type=*/29, /*predrilled=*/0, /*d=*/12.0, /*mat1=*/-10,
                                  /*grade1=*/0, /*x1=*/60.0, /*mat2=*/-10, /*grade2=*/0,
                                  /*x2=*/60.0, /*user=*/nullptr),
                    4490.8, 0.05);
        /* a steel plate as member 1 takes member 2's density and doubles the value */
        EXPECT_NEAR(Calc_Vbm_Kser(/*type=*/29, /*predrilled=*/0, /*d=*/12.0, /*mat1=*/12,
                                  /*grade1=*/0, /*x1=*/10.0, /*mat2=*/-10, /*grade2=*/0,
                                  /*x2=*/60.0, /*user=*/nullptr),
                    8981.7, 0.05);
        /* ring connector 25: 0.5 * 420 * 65 = 13650 */
        EXPECT_NEAR(Calc_Vbm_Kser(/*type=*/25, /*predrilled=*/0, /*d=*/65.0, /*mat1=*/-10,
                                  /*grade1=*/0, /*x1=*/60.0, /*mat2=*/-10, /*grade2=*/0,
                                  /*x2=*/60.0, /*user=*/nullptr),
                    13650.0, 1e-9);
        EXPECT_EQ(Calc_Vbm_Kser(/*type=*/61, /*predrilled=*/0, /*d=*/12.0, /*mat1=*/-10,
                                /*grade1=*/0, /*x1=*/60.0, /*mat2=*/-10, /*grade2=*/0, /*x2=*/60.0,
                                /*user=*/nullptr),
                  0.0);
        /* staple d 1.5: 2 * 420^1.5 * 1.5^0.8 / 80 = 297.637; nail d 4: 420^1.5 * 4^0.8 / 30 =
        ** 869.762; connectors 26 (0.375 * 420 * 65 = 10237.5) and 33 (0.5 * 420 * 50 = 10500) */
        EXPECT_NEAR(Calc_Vbm_Kser(/*type=*/1, /*predrilled=*/0, /*d=*/1.5, /*mat1=*/-10,
                                  /*grade1=*/0, /*x1=*/40.0, /*mat2=*/-10, /*grade2=*/0,
                                  /*x2=*/40.0, /*user=*/nullptr),
                    297.637, 0.001);
        EXPECT_NEAR(Calc_Vbm_Kser(/*type=*/0, /*predrilled=*/0, /*d=*/4.0, /*mat1=*/-10,
                                  /*grade1=*/0, /*x1=*/40.0, /*mat2=*/-10, /*grade2=*/0,
                                  /*x2=*/40.0, /*user=*/nullptr),
                    869.762, 0.001);
        EXPECT_NEAR(Calc_Vbm_Kser(/*type=*/26, /*predrilled=*/0, /*d=*/65.0, /*mat1=*/-10,
                                  /*grade1=*/0, /*x1=*/60.0, /*mat2=*/-10, /*grade2=*/0,
                                  /*x2=*/60.0, /*user=*/nullptr),
                    10237.5, 1e-9);
        EXPECT_NEAR(Calc_Vbm_Kser(/*type=*/33, /*predrilled=*/0, /*d=*/50.0, /*mat1=*/-10,
                                  /*grade1=*/0, /*x1=*/60.0, /*mat2=*/-10, /*grade2=*/0,
                                  /*x2=*/60.0, /*user=*/nullptr),
                    10500.0, 1e-9);
        /* the other toothed plates 27 and 32 as 26, 28 as 33, the shear plate 31 as the ring */
        EXPECT_NEAR(Calc_Vbm_Kser(/*type=*/27, /*predrilled=*/0, /*d=*/65.0, /*mat1=*/-10,
                                  /*grade1=*/0, /*x1=*/60.0, /*mat2=*/-10, /*grade2=*/0,
                                  /*x2=*/60.0, /*user=*/nullptr),
                    10237.5, 1e-9);
        EXPECT_NEAR(Calc_Vbm_Kser(/*type=*/32, /*predrilled=*/0, /*d=*/65.0, /*mat1=*/-10,
                                  /*grade1=*/0, /*x1=*/60.0, /*mat2=*/-10, /*grade2=*/0,
                                  /*x2=*/60.0, /*user=*/nullptr),
                    10237.5, 1e-9);
        EXPECT_NEAR(Calc_Vbm_Kser(/*type=*/28, /*predrilled=*/0, /*d=*/50.0, /*mat1=*/-10,
                                  /*grade1=*/0, /*x1=*/60.0, /*mat2=*/-10, /*grade2=*/0,
                                  /*x2=*/60.0, /*user=*/nullptr),
                    10500.0, 1e-9);
        EXPECT_NEAR(Calc_Vbm_Kser(/*type=*/31, /*predrilled=*/0, /*d=*/65.0, /*mat1=*/-10,
                                  /*grade1=*/0, /*x1=*/60.0, /*mat2=*/-10, /*grade2=*/0,
                                  /*x2=*/60.0, /*user=*/nullptr),
                    13650.0, 1e-9);
    }
    /* DIN: staple 2 * 350^1.5 * 1.5^0.8 / 60 = 301.894; connectors 26 0.3 * 350 * 65 = 6825 and
    ** 31 0.6 * 350 * 65 = 13650 */
    {
        Standard_Scope din(false);
        EXPECT_NEAR(Calc_Vbm_Kser(/*type=*/1, /*predrilled=*/0, /*d=*/1.5, /*mat1=*/-10,
                                  /*grade1=*/0, /*x1=*/40.0, /*mat2=*/-10, /*grade2=*/0,
                                  /*x2=*/40.0, /*user=*/nullptr),
                    301.894, 0.001);
        EXPECT_NEAR(Calc_Vbm_Kser(/*type=*/26, /*predrilled=*/0, /*d=*/65.0, /*mat1=*/-10,
                                  /*grade1=*/0, /*x1=*/60.0, /*mat2=*/-10, /*grade2=*/0,
                                  /*x2=*/60.0, /*user=*/nullptr),
                    6825.0, 1e-9);
        EXPECT_NEAR(Calc_Vbm_Kser(/*type=*/31, /*predrilled=*/0, /*d=*/65.0, /*mat1=*/-10,
                                  /*grade1=*/0, /*x1=*/60.0, /*mat2=*/-10, /*grade2=*/0,
                                  /*x2=*/60.0, /*user=*/nullptr),
                    13650.0, 1e-9);
    }
    Standard_Scope din(false);
    /* DIN: 350^1.5 * 4^0.8 / 25 = 6547.90 * 3.031433 / 25 = 793.98 */
    EXPECT_NEAR(Calc_Vbm_Kser(/*type=*/0, /*predrilled=*/0, /*d=*/4.0, /*mat1=*/-10, /*grade1=*/0,
                              /*x1=*/40.0, /*mat2=*/-10, /*grade2=*/0, /*x2=*/40.0,
                              /*user=*/nullptr),
                793.98, 0.01);
    /* pre-drilled: 6547.90 * 4 / 20 = 1309.58 */
    EXPECT_NEAR(Calc_Vbm_Kser(/*type=*/0, /*predrilled=*/1, /*d=*/4.0, /*mat1=*/-10, /*grade1=*/0,
                              /*x1=*/40.0, /*mat2=*/-10, /*grade2=*/0, /*x2=*/40.0,
                              /*user=*/nullptr),
                1309.58, 0.01);
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
    EXPECT_EQ(Calc_Screw_Line_Spacings(/*block=*/&b, /*predrilled_flag=*/0, /*material=*/0,
                                       /*alpha=*/M_PI / 2, /*a1=*/&a[0], /*a2=*/&a[1],
                                       /*a3t=*/&a[2], /*a3c=*/&a[3], /*a4t=*/&a[4],
                                       /*a4c=*/&a[5]),
              1);
    EXPECT_NEAR(a[0], 40.0, 1e-9);
    EXPECT_NEAR(a[1], 32.0, 1e-9);
    EXPECT_NEAR(a[2], 96.0, 1e-9);
    EXPECT_NEAR(a[3], 96.0, 1e-9);
    EXPECT_NEAR(a[4], 56.0, 1e-9);
    EXPECT_NEAR(a[5], 24.0, 1e-9);
    double x = -1.0;
    EXPECT_EQ(Calc_Screw_Line_Spacings(/*block=*/&b, /*predrilled_flag=*/1, /*material=*/0,
                                       /*alpha=*/0.0, /*a1=*/&x, /*a2=*/nullptr, /*a3t=*/nullptr,
                                       /*a3c=*/nullptr, /*a4t=*/nullptr, /*a4c=*/nullptr),
              0);
    b.eta12_spacing_kind = 3;
    EXPECT_EQ(Calc_Screw_Line_Spacings(/*block=*/&b, /*predrilled_flag=*/0, /*material=*/0,
                                       /*alpha=*/0.0, /*a1=*/&x, /*a2=*/nullptr, /*a3t=*/nullptr,
                                       /*a3c=*/nullptr, /*a4t=*/nullptr, /*a4c=*/nullptr),
              0);
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
    const double rk = Calc_Ring_Connector_Rk(65.0, 15.0, 0.0, 40.0, 80.0, 2, 350.0, &r);
    EXPECT_NEAR(rk, 16303.68, 0.01);
    EXPECT_NEAR(r.k_1, 40.0 / 45.0, 1e-12);
    EXPECT_NEAR(r.k_3, 1.0, 1e-12);
    EXPECT_NEAR(r.k_alpha, 1.0, 1e-12);
    EXPECT_NEAR(r.t_req_1, 45.0, 1e-12);
    EXPECT_NEAR(r.t_req_2, 75.0, 1e-12);
    /* both thick enough (45 and 75): k1 = 1 */
    Connection_Result s{};
    EXPECT_NEAR(Calc_Ring_Connector_Rk(65.0, 15.0, 0.0, 45.0, 80.0, 2, 350.0, &s), 18341.64, 0.01);
    EXPECT_DOUBLE_EQ(s.k_1, 1.0);
    /* k3 at rho_k 700: min(2, 1.75) */
    Calc_Ring_Connector_Rk(65.0, 15.0, 0.0, 45.0, 80.0, 2, 700.0, &s);
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
        EXPECT_NEAR(Calc_Toothed_Plate_Rk(26, 62.0, 12.0, 15.0, 80.0, 80.0, 2, 700.0, &r), 13181.1,
                    0.1);
        EXPECT_DOUBLE_EQ(r.k_3, 1.5);
        EXPECT_NEAR(r.a3t_min, 84.0, 1e-9);
        EXPECT_NEAR(r.k_2, 84.0 / 93.0, 1e-9);
        EXPECT_EQ(Calc_Toothed_Plate_Rk(29, 62.0, 12.0, 15.0, 80.0, 80.0, 2, 700.0, nullptr), 0.0);
        /* thinner members than 3 he = 45 and 5 he = 75 reduce by k1 (EN 1995-1-1, eq. (8.73)):
        ** rho 350 (k3 = 1), 18 * 62^1.5 = 8787.39, * 40 / 45 = 7811.02 and * 60 / 75 = 7029.91 */
        EXPECT_NEAR(Calc_Toothed_Plate_Rk(26, 62.0, 12.0, 15.0, 40.0, 80.0, 2, 350.0, &r), 7811.02,
                    0.01);
        EXPECT_NEAR(r.k_1, 40.0 / 45.0, 1e-12);
        EXPECT_NEAR(Calc_Toothed_Plate_Rk(26, 62.0, 12.0, 15.0, 80.0, 60.0, 2, 350.0, &r), 7029.91,
                    0.01);
        EXPECT_NEAR(Calc_Toothed_Plate_Rk(26, 62.0, 12.0, 15.0, 45.0, 75.0, 2, 350.0, &r), 8787.39,
                    0.01);
    }
    Standard_Scope din(false);
    Connection_Result d{};
    Calc_Toothed_Plate_Rk(26, 62.0, 12.0, 15.0, 80.0, 80.0, 2, 700.0, &d);
    EXPECT_DOUBLE_EQ(d.k_3, 2.0);
    EXPECT_DOUBLE_EQ(d.k_2, 1.0);
}

TEST(Connectors, PlateClassification)
{
    double f = -5.0;
    EXPECT_EQ(Classify_Plate_Thickness(29, 12, 12.0, 6.0, 0.0, &f), 0);
    EXPECT_DOUBLE_EQ(f, 0.0);
    EXPECT_EQ(Classify_Plate_Thickness(29, 12, 12.0, 12.0, 0.0, &f), 2);
    EXPECT_DOUBLE_EQ(f, 1.0);
    EXPECT_EQ(Classify_Plate_Thickness(29, 12, 12.0, 9.0, 0.0, &f), 1);
    EXPECT_NEAR(f, 0.5, 1e-12);
    /* aluminium: s d = 1.44225 * 12 = 17.307; 2 * 9 / 17.307 - 1 = 0.040042 */
    EXPECT_EQ(Classify_Plate_Thickness(29, 16, 12.0, 9.0, 0.0, &f), 1);
    EXPECT_NEAR(f, 0.040042, 1e-6);
    EXPECT_EQ(Classify_Plate_Thickness(45, 12, 4.0, 1.0, 0.0, &f), 2);
    EXPECT_DOUBLE_EQ(f, -1.0);
    EXPECT_EQ(Classify_Plate_Thickness(22, 12, 4.0, 2.0, 0.0, nullptr), 2);
    /* thick only in holes of a clearance below 0.1 d (EN 1995-1-1, 8.2.3(1)): a dowel of 8 mm
    ** in a hole of 9 mm (1 mm >= 0.8 mm) leaves a plate of 8 mm, or of 6 mm, thin; a dowel of 12
    ** mm in 13 mm (1 mm < 1.2 mm) keeps its plate of 12 mm thick */
    EXPECT_EQ(Classify_Plate_Thickness(29, 12, 8.0, 8.0, 1.0, &f), 0);
    EXPECT_DOUBLE_EQ(f, 0.0);
    EXPECT_EQ(Classify_Plate_Thickness(29, 12, 8.0, 6.0, 1.0, &f), 0);
    EXPECT_EQ(Classify_Plate_Thickness(29, 12, 12.0, 12.0, 1.0, &f), 2);
    /* a clearance of exactly 0.1 d is not below it: thin, however d0 - d comes out in binary
    ** (13.2 - 12.0 = 1.1999999999999993 < 0.1 x 12 = 1.2000000000000002; 8.8 - 8.0 =
    ** 0.8000000000000007); a hair less keeps the plate thick */
    const struct {
        double d, d0;
        int cls;
    } edge[] = {{12.0, 13.2, 0}, {8.0, 8.8, 0}, {10.0, 11.0, 0}, {12.0, 13.199, 2}};
    for (const auto &e : edge) {
        EXPECT_EQ(Classify_Plate_Thickness(29, 12, e.d, e.d, e.d0 - e.d, nullptr), e.cls) << e.d0;
        EXPECT_EQ(Is_Plate_Hole_Tight(e.d, e.d0 - e.d), e.cls == 2 ? 1 : 0) << e.d0;
    }
}

TEST(Connectors, ThickPlateSimplified)
{
    Standard_Scope en(true);
    Connection_Result r{};
    /* 12 mm dowel, fu 360, 60 mm softwood rho 350, alpha 0: fh = 25.256, My = 69070.9;
    ** t_req = 4.6 sqrt(69070.9 / (25.256 * 12)) = 4.6 * 15.09644 = 69.4436 -> k = 60 / 69.4436 = 0.864010;
    ** Rk = sqrt 2 * 0.86402 * sqrt(2 * 69070.9 * 25.256 * 12) = 1.221904 * 6470.46 = 7906.23 */
    const double rk = Calc_Rk_Thick_Plate(/*type=*/29, /*d=*/12.0, /*t=*/60.0, /*predrilled=*/0,
                                          /*fitted=*/0, /*grade=*/0, /*variant=*/0,
                                          /*threaded_rod=*/0, /*alpha=*/0.0, /*fu=*/360.0,
                                          /*mat=*/0, /*rho_k=*/350.0, /*result=*/&r);
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
        /* each argument in turn: n 5: 5^0.9 = 4.25670; a1 200: 3.4822 (200 / 156)^0.25 =
        ** 3.70536; d 16: 3.4822 (156 / 208)^0.25 = 3.24055; and back */
        EXPECT_NEAR(Calc_Bolt_N_Ef(12.0, 5, 156.0, 0.0), 4.25670, 1e-5);
        EXPECT_NEAR(Calc_Bolt_N_Ef(12.0, 4, 200.0, 0.0), 3.70536, 1e-5);
        EXPECT_NEAR(Calc_Bolt_N_Ef(16.0, 4, 156.0, 0.0), 3.24055, 1e-5);
        EXPECT_NEAR(Calc_Bolt_N_Ef(12.0, 4, 156.0, 0.0), 3.48220, 1e-5);
        /* two bolts are a row of their own: 2^0.9 = 1.86607 at a1 = 13 d, not 2 */
        EXPECT_NEAR(Calc_Bolt_N_Ef(12.0, 2, 156.0, 0.0), 1.86607, 1e-5);
        /* nails: a1 = 10 d -> kef 0.85; 4^0.85 = 3.2490 */
        EXPECT_NEAR(Calc_Vbm_N_Ef(4.0, 0, 4, 40.0), 3.24901, 1e-5);
    }
    Standard_Scope din(false);
    /* DIN takes 10 d: 3.4822 (156 / 120)^0.25 = 3.71826 for the same row */
    EXPECT_NEAR(Calc_Bolt_N_Ef(12.0, 4, 156.0, 0.0), 3.71826, 1e-5);
    /* DIN: 20 connectors at 0 degrees: b = 0, n_ef = 2; 12 at 90: min(12, 10) */
    EXPECT_NEAR(Calc_Connector_N_Ef(20, 0.0), 2.0, 1e-12);
    EXPECT_NEAR(Calc_Connector_N_Ef(12, 90.0), 10.0, 1e-12);
}

TEST(MemberValues, DesignStrengthsAndTensionFactor)
{
    const int c24 = Grade_Index(0, "C24");
    {
        Standard_Scope en(true, 1);
        /* C24 200 x 200 (EN 338: f_m 24, f_t,0 14.5, f_c,0 21, f_v 4.0) with kmod 0.8 and
        ** gamma_M 1.3: f_m,d = 14.769, f_t,d = 8.9231, f_c,d = 12.923; the German annex takes
        ** f_v,k 4.0 for solid timber (2.4615) and 3.5 for glulam (2.1538) */
        EXPECT_NEAR(Get_Member_Design_Value_A(0, c24, 8, 200.0, 200.0, 0.8, 1.3, nullptr),
                    24.0 * 0.8 / 1.3, 1e-9);
        EXPECT_NEAR(Get_Member_Design_Value_C(0, c24, 8, 200.0, 200.0, 0.8, 1.3, nullptr),
                    14.5 * 0.8 / 1.3, 1e-9);
        EXPECT_NEAR(Get_Member_Design_Value_E(0, c24, 2, 200.0, 0.8, 1.3), 21.0 * 0.8 / 1.3, 1e-9);
        EXPECT_NEAR(Get_Member_Shear_Strength(0, c24, 8, 200.0, 0.8, 1.3), 4.0 * 0.8 / 1.3, 1e-9);
        EXPECT_NEAR(Get_Member_Shear_Strength(2, 2, 8, 200.0, 0.8, 1.3), 3.5 * 0.8 / 1.3, 1e-9);
        /* an annex without the tension rule of NA.8.1.6: factor 1 and f_t,0,k itself */
        EXPECT_DOUBLE_EQ(Get_Member_Tension_Factor(29, 0), 1.0);
        EXPECT_NEAR(Get_Member_Design_Value_D(29, 0, 0, c24, 8, 200.0, 200.0, nullptr), 14.5, 1e-9);
        en.Block().na816_tension_reduction = 1;
        EXPECT_DOUBLE_EQ(Get_Member_Tension_Factor(29, 0), 0.4);
        EXPECT_NEAR(Get_Member_Design_Value_D(29, 0, 0, c24, 8, 200.0, 200.0, nullptr), 14.5 * 0.4,
                    1e-9);
        EXPECT_NEAR(Get_Member_Design_Value_D(30, 0, 0, c24, 8, 200.0, 200.0, nullptr), 14.5 / 1.5,
                    1e-9);
    }
    {
        /* another annex: f_v,k times 0.67 for timber and glulam (k_cr) */
        Standard_Scope en(true, 0);
        EXPECT_NEAR(Get_Member_Shear_Strength(0, c24, 8, 200.0, 0.8, 1.3), 4.0 * 0.67 * 0.8 / 1.3,
                    1e-9);
        EXPECT_NEAR(Get_Member_Shear_Strength(6, 0, 8, 200.0, 0.8, 1.3),
                    Get_Member_Shear_Strength(6, 0, 8, 200.0, 1.0, 1.0) * 0.8 / 1.3, 1e-12);
    }
    Standard_Scope din(false);
    /* DIN 1052: f_v 2.0, f_t 14 for C24; 0.4 for staples, dowels and pre-drilled nails, 1 / 1.5
    ** for bolts, screws and nails not pre-drilled */
    EXPECT_NEAR(Get_Member_Shear_Strength(0, Grade_Index(0, "C24"), 8, 200.0, 0.8, 1.3),
                2.0 * 0.8 / 1.3, 1e-9);
    EXPECT_DOUBLE_EQ(Get_Member_Tension_Factor(1, 0), 0.4);
    EXPECT_DOUBLE_EQ(Get_Member_Tension_Factor(0, 1), 0.4);
    EXPECT_DOUBLE_EQ(Get_Member_Tension_Factor(0, 0), 1.0 / 1.5);
    EXPECT_DOUBLE_EQ(Get_Member_Tension_Factor(2, 1), 1.0 / 1.5);
    EXPECT_DOUBLE_EQ(Get_Member_Tension_Factor(14, 1), 1.0 / 1.5);
    EXPECT_DOUBLE_EQ(Get_Member_Tension_Factor(30, 0), 1.0 / 1.5);
    EXPECT_NEAR(Get_Member_Design_Value_D(0, 1, 0, Grade_Index(0, "C24"), 8, 200.0, 200.0, nullptr),
                14.0 * 0.4, 1e-9);
    EXPECT_NEAR(Get_Member_Design_Value_D(0, 0, 0, Grade_Index(0, "C24"), 8, 200.0, 200.0, nullptr),
                14.0 / 1.5, 1e-9);
    EXPECT_NEAR(
        Get_Member_Design_Value_D_Scaled(0, 0, 0, Grade_Index(0, "C24"), 8, 200.0, 200.0, 3.0, 2.0),
        14.0 / 1.5 * 1.5, 1e-9);
    /* washers of the other kinds: kind 1 M12 42, kind 2 M10 30, kind 3 M8 25; none: -1 */
    EXPECT_EQ(Get_Washer_Diameter(12.0, 1), 42.0);
    EXPECT_EQ(Get_Washer_Diameter(10.0, 2), 30.0);
    EXPECT_EQ(Get_Washer_Diameter(8.0, 3), 25.0);
    EXPECT_EQ(Get_Washer_Diameter(13.0, 3), 40.0);
    EXPECT_EQ(Get_Washer_Diameter(13.01, 3), -1.0);
    EXPECT_EQ(Get_Washer_Diameter(18.0, 0), -1.0);
    EXPECT_EQ(Get_Washer_Diameter(12.0, 4), -1.0);
    /* slip modulus of connectors 28 and 33 (DIN 0.45 rho d): 0.45 * 350 * 50 = 7875 */
    EXPECT_NEAR(Calc_Vbm_Kser(/*type=*/28, /*predrilled=*/0, /*d=*/50.0, /*mat1=*/0,
                              /*grade1=*/Grade_Index(0, "C24"), /*x1=*/60.0, /*mat2=*/0,
                              /*grade2=*/Grade_Index(0, "C24"), /*x2=*/60.0, /*user=*/nullptr),
                7875.0, 1e-9);
}

/* The splitting capacity of a member loaded across the grain at a connection (EN 1995-1-1,
** 8.1.4): eq. (8.4) and the German annex's NCI NA.8.1.4, and where neither has a value. */
TEST(MemberValues, SplittingCapacity)
{
    /* (8.4): 14 * 120 * (160 / (1 - 160 / 200))^0.5 = 1680 * 28.2843 = 47517.58 N */
    EXPECT_NEAR(Calc_F90_Rk(120.0, 1.0, 160.0, 200.0), 47517.58, 0.01);
    EXPECT_EQ(Calc_F90_Rk(120.0, 1.0, 200.0, 200.0), 0.0); /* no timber beyond the fastener */
    EXPECT_EQ(Calc_F90_Rk(120.0, 1.0, 0.0, 200.0), 0.0);
    /* NA.8.1.4: rows 40, 100, 160 mm from the unloaded edge, a_r = 60, h_e = 160, h = 200,
    ** t_ef = 72, f_t,90,d = 0.36: k_s = 0.7 + 1.4 * 0.3 = 1.12, k_r = 3 / 1.2225 = 2.45399,
    ** 1.12 * 2.45399 * 18.02 * 14400^0.8 (2121.729) * 0.36 = 37830.12 N */
    const double h_i[3] = {160.0, 100.0, 40.0};
    double k_s = 0, k_r = 0;
    EXPECT_NEAR(Calc_F90_Rd_Na(/*h_e=*/160.0, /*h=*/200.0, /*t_ef=*/72.0, /*a_r=*/60.0,
                               /*h_i=*/h_i, /*n=*/3, /*f_t90_d=*/0.36, /*k_s=*/&k_s, /*k_r=*/&k_r),
                37830.12, 0.01);
    EXPECT_NEAR(k_s, 1.12, 1e-12);
    EXPECT_NEAR(k_r, 2.453988, 1e-6);
    /* short connections keep k_s = 1; no row or a row on the unloaded edge: nothing */
    EXPECT_NEAR(Calc_F90_Rd_Na(/*h_e=*/160.0, /*h=*/200.0, /*t_ef=*/72.0, /*a_r=*/0.0,
                               /*h_i=*/h_i, /*n=*/3, /*f_t90_d=*/0.36, /*k_s=*/&k_s,
                               /*k_r=*/nullptr),
                37830.12 / 1.12, 0.01);
    EXPECT_EQ(k_s, 1.0);
    EXPECT_EQ(Calc_F90_Rd_Na(/*h_e=*/160.0, /*h=*/200.0, /*t_ef=*/72.0, /*a_r=*/0.0,
                             /*h_i=*/h_i, /*n=*/0, /*f_t90_d=*/0.36, /*k_s=*/nullptr,
                             /*k_r=*/nullptr),
              0.0);
    const double edge[2] = {0.0, 100.0};
    EXPECT_EQ(Calc_F90_Rd_Na(/*h_e=*/200.0, /*h=*/200.0, /*t_ef=*/72.0, /*a_r=*/0.0,
                             /*h_i=*/edge, /*n=*/2, /*f_t90_d=*/0.36, /*k_s=*/nullptr,
                             /*k_r=*/nullptr),
              0.0);
}

TEST(Connectors, AgainstSteelPlatesAndTheSimplifiedPlateRules)
{
    Connection_Result r{};
    {
        Standard_Scope en(true);
        /* ring connector dc 65, he 15 against a steel plate, 60 mm timber, 30 degrees:
        ** t_min = 5 he = 75: k1 = 0.8; k_alpha = 1 / (1.365 * 0.25 + 0.75) = 0.916380;
        ** min(31.5 * 65 * 15, 1.1 * 35 * 65^1.5 = 20175.9) * 0.916380 * 0.8 = 14790.96 */
        EXPECT_NEAR(Calc_Ring_Connector_Plate_Rk(65.0, 15.0, 30.0, 60.0, 2, 350.0, &r), 14790.96,
                    0.01);
        EXPECT_NEAR(r.k_1, 0.8, 1e-12);
        EXPECT_NEAR(r.k_alpha, 0.916380, 1e-6);
        EXPECT_DOUBLE_EQ(r.k_3, 1.0);
        EXPECT_DOUBLE_EQ(r.t_req_2, 75.0);
        /* toothed plate (type 28) dc 50 against a plate, he 6, 20 mm of timber: t_min =
        ** max(30, 24) = 30, k1 = 2/3: 25 * 50^1.5 * 2/3 = 5892.56 */
        Connection_Result t{};
        EXPECT_NEAR(Calc_Toothed_Plate_Plate_Rk(28, 50.0, 12.0, 6.0, 20.0, 2, 350.0, &t), 5892.557,
                    0.001);
        EXPECT_NEAR(t.k_1, 2.0 / 3.0, 1e-12);
        EXPECT_DOUBLE_EQ(t.t_req_2, 30.0);
        EXPECT_NEAR(t.a3t_min, 84.0, 1e-12);
        EXPECT_NEAR(t.k_2, 0.84, 1e-12);
        /* the simplified rules beside steel plates, dowel d 12 (fu 360) in 40 mm C24:
        ** root = sqrt(69070.9 / (25.256 * 12)) = 15.0964; thin (form B) t_req = 3.25269 root =
        ** 49.104: k = 0.81460, 0.81460 * 6470.46 = 5270.82; form C 3.92635 root = 59.274:
        ** 4366.49 */
        Connection_Result b{}, c{};
        EXPECT_NEAR(Calc_Rk_Thin_Plate(/*type=*/29, /*selector=*/1, /*d=*/12.0, /*t=*/40.0,
                                       /*predrilled=*/0, /*fitted=*/1, /*grade=*/0, /*variant=*/0,
                                       /*threaded_rod=*/0, /*alpha=*/0.0, /*fu=*/360.0, /*mat=*/0,
                                       /*rho_k=*/350.0, /*result=*/&b),
                    5270.817, 0.001);
        EXPECT_NEAR(b.t_req_1, 49.1041, 1e-4);
        EXPECT_NEAR(Calc_Rk_Thin_Plate(/*type=*/29, /*selector=*/2, /*d=*/12.0, /*t=*/40.0,
                                       /*predrilled=*/0, /*fitted=*/1, /*grade=*/0, /*variant=*/0,
                                       /*threaded_rod=*/0, /*alpha=*/0.0, /*fu=*/360.0, /*mat=*/0,
                                       /*rho_k=*/350.0, /*result=*/&c),
                    4366.488, 0.001);
        EXPECT_NEAR(c.k_red, 40.0 / 59.2738, 1e-5);
        /* interpolated by the plate: 6 mm (<= d / 2) thin, 12 mm thick, 9 mm c_p = 0.5; with 100
        ** mm of timber both rules reach k = 1: thin 6470.464, thick sqrt 2 * 6470.464 = 9150.617,
        ** between 7810.541 */
        Connection_Result i{};
        EXPECT_NEAR(Calc_Rk_Plate_Interpolated(/*type=*/29, /*d=*/12.0, /*t=*/100.0,
                                               /*predrilled=*/0, /*fitted=*/1, /*grade=*/0,
                                               /*variant=*/0, /*threaded_rod=*/0, /*alpha=*/0.0,
                                               /*fu=*/360.0, /*mat=*/0, /*rho_k=*/350.0,
                                               /*plate_material=*/12, /*plate_t=*/6.0,
                                               /*clearance=*/0.0, /*result=*/&i),
                    6470.4637, 0.001);
        EXPECT_EQ(i.plate_class, 0);
        EXPECT_NEAR(Calc_Rk_Plate_Interpolated(/*type=*/29, /*d=*/12.0, /*t=*/100.0,
                                               /*predrilled=*/0, /*fitted=*/1, /*grade=*/0,
                                               /*variant=*/0, /*threaded_rod=*/0, /*alpha=*/0.0,
                                               /*fu=*/360.0, /*mat=*/0, /*rho_k=*/350.0,
                                               /*plate_material=*/12, /*plate_t=*/12.0,
                                               /*clearance=*/0.0, /*result=*/&i),
                    9150.6175, 0.001);
        EXPECT_EQ(i.plate_class, 2);
        EXPECT_NEAR(Calc_Rk_Plate_Interpolated(/*type=*/29, /*d=*/12.0, /*t=*/100.0,
                                               /*predrilled=*/0, /*fitted=*/1, /*grade=*/0,
                                               /*variant=*/0, /*threaded_rod=*/0, /*alpha=*/0.0,
                                               /*fu=*/360.0, /*mat=*/0, /*rho_k=*/350.0,
                                               /*plate_material=*/12, /*plate_t=*/9.0,
                                               /*clearance=*/0.0, /*result=*/&i),
                    7810.5406, 0.001);
        EXPECT_EQ(i.plate_class, 1);
        EXPECT_NEAR(i.c_p, 0.5, 1e-12);
        EXPECT_NEAR(i.rk_lateral, 7810.5406, 0.001);
        /* a nail d 4 (fu 600) through a 3 mm plate (c_p = 2 * 3 / 4 - 1 = 0.5) into 60 mm:
        ** k_p = 1 + 0.4 * 0.5 = 1.2, t_req = (10 * 0.5 + 9 * 0.5) 4 = 38 below the point 57:
        ** 1.2 sqrt(2 * 6616.50 * 18.935 * 4) = 1201.36 */
        Connection_Result o{};
        EXPECT_NEAR(Calc_Rk_Outer_Plate_Simplified(/*type=*/0, /*d=*/4.0, /*length=*/60.0,
                                                   /*shear_planes=*/1, /*predrilled=*/0,
                                                   /*fitted=*/0, /*variant=*/0, /*threaded_rod=*/0,
                                                   /*alpha_2=*/0.0, /*fu=*/600.0,
                                                   /*plate_material=*/12, /*plate_t=*/3.0,
                                                   /*clearance=*/0.0, /*mat_2=*/0,
                                                   /*grade_2=*/Grade_Index(0, "C24"),
                                                   /*t2=*/60.0, /*rho_2=*/350.0, /*user=*/nullptr,
                                                   /*result=*/&o),
                    1201.358, 0.001);
        EXPECT_NEAR(o.k_p, 1.2, 1e-12);
        EXPECT_NEAR(o.t_req_2, 38.0, 1e-12);
        EXPECT_EQ(o.plate_class, 1);
        EXPECT_DOUBLE_EQ(o.k_red, 1.0);
        EXPECT_NEAR(o.fh2_k, 18.9349, 1e-4);
    }
    Standard_Scope din(false);
    /* DIN 1052 keeps 35 dc^1.5: 18341.7 * 0.916380 * 0.8 = 13446.33 */
    EXPECT_NEAR(Calc_Ring_Connector_Plate_Rk(65.0, 15.0, 30.0, 60.0, 2, 350.0, nullptr), 13446.33,
                0.01);
    /* an aluminium plate widens the classes by 3^(1/3): 12 mm for d 12 is intermediate */
    double f = 0.0;
    EXPECT_EQ(Classify_Plate_Thickness(29, 16, 12.0, 12.0, 0.0, &f), 1);
    EXPECT_NEAR(f, 2.0 * 12.0 / (12.0 * 1.4422495703074083) - 1.0, 1e-12);
    EXPECT_EQ(Classify_Plate_Thickness(22, 12, 4.0, 2.0, 0.0, &f), 2);
    EXPECT_EQ(Classify_Plate_Thickness(45, 12, 4.0, 1.0, 0.0, &f), 2);
    EXPECT_EQ(f, -1.0);
}
