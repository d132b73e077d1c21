/*
** Tests of the minimum spacings of the design run and of the spacing rule functions. Values from
** EN 1995-1-1, Tables 8.2 to 8.7, DIN 1052, Tables 10 to 14, and EN 1993-1-8, Table 3.3, worked
** by hand.
*/
#include <gtest/gtest.h>

#include <cmath>

#include "design_test_util.h"

namespace {

const double Rad = 3.14159265359 / 180.0;

struct Six {
    double v[6] = {-1, -1, -1, -1, -1, -1};   /* a1, a2, a3t, a3c, a4t, a4c */
};

int Min_Spacings(Six &s, int type, int mat, double rho, double d, double alpha_deg,
                 int predrilled = 0, int fitted = 0, double d_bolt = 0.0)
{
    return Calc_Min_Spacings(type, predrilled, fitted, 0, 0, mat, rho, d, d_bolt, alpha_deg * Rad,
                             0.0, 40.0, 40.0, &s.v[0], &s.v[1], &s.v[2], &s.v[3], &s.v[4],
                             &s.v[5]);
}

} // namespace

TEST(SpacingRules, FourMillimetreNailInSoftwoodEn1995)
{
    Standard_Scope en(true);
    const int c24 = Grade_Index(0, "C24");
    ASSERT_GE(c24, 0);
    double out[12];
    Calc_Vbm_Spacings(0, c24, 40.0, 0, 4.0, 0.0, 0, 0, 0, 0, 0, out);
    /* rho_k 350 <= 420, d < 5, not pre-drilled:
    ** 0 degrees:  a1 (5 + 5) 4 = 40, a2 5 d = 20, a3,c 10 d = 40, a3,t (10 + 5) 4 = 60,
    **             a4,t (5 + 0) 4 = 20, a4,c 5 d = 20
    ** 90 degrees: a1 (5 + 0) 4 = 20, a3,t (10 + 0) 4 = 40, a4,t (5 + 2) 4 = 28 */
    const double expect[12] = {40, 20, 40, 60, 20, 20, 20, 20, 40, 40, 28, 20};
    for (int i = 0; i < 12; i++) EXPECT_NEAR(out[i], expect[i], 1e-9) << i;
}

TEST(SpacingRules, BoltInSteelPlate)
{
    Standard_Scope en(true);
    double out[12];
    /* 12 mm bolt, not fitted: d0 = 13; a1 = p1 = 2.2 * 13 = 28.6 (not the end distance 15.6),
    ** a2 = p2 = 2.4 * 13 = 31.2, the four distances 1.2 * 13 = 15.6 */
    Calc_Vbm_Spacings(12, 0, 10.0, 30, 12.0, 0.0, 0, 0, 0, 0, 0, out);
    const double expect[6] = {28.6, 31.2, 15.6, 15.6, 15.6, 15.6};
    for (int i = 0; i < 12; i++) EXPECT_NEAR(out[i], expect[i % 6], 1e-9) << i;
}

TEST(SpacingRules, BasicFunctions)
{
    Standard_Scope en(true);
    /* pre-drilled 5 mm nail at 90 degrees: a2 = (3 + 1) 5 = 20 */
    EXPECT_NEAR(Calc_Vbm_Min_A2(20, 350.0, 40.0, 0, 5.0, 0.0, 1, 0, 90.0), 20.0, 1e-9);
    /* type 61: 6 d everywhere */
    EXPECT_NEAR(Calc_Vbm_Min_A1(20, 350.0, 40.0, 61, 5.0, 0.0, 0, 0, 0, 0.0), 30.0, 1e-12);
    EXPECT_NEAR(Calc_Vbm_Min_A4t(20, 350.0, 40.0, 61, 5.0, 0, 0, 90.0), 30.0, 1e-12);
    /* type 46 with d 4.5 takes d' = 4: a2 = 5 * 4 = 20 */
    EXPECT_NEAR(Calc_Vbm_Min_A2(20, 350.0, 40.0, 46, 4.5, 0.0, 0, 0, 0.0), 20.0, 1e-12);
    /* bolt: a3,t = max(7 d, 105); a4,t at 90 = (2 + 2) d */
    EXPECT_NEAR(Calc_Vbm_Min_A3t(20, 350.0, 40.0, 30, 12.0, 0, 0, 0.0), 105.0, 1e-12);
    EXPECT_NEAR(Calc_Vbm_Min_A4t(20, 350.0, 40.0, 30, 12.0, 0, 0, 90.0), 48.0, 1e-9);
    /* bolt a3,c at 120 degrees: (1 + 6 sin 120) 12 = (1 + 5.19615) 12 = 74.354 */
    EXPECT_NEAR(Calc_Vbm_Min_A3c(20, 350.0, 40.0, 30, 12.0, 0, 0, 120.0), 74.354, 0.001);
}

TEST(SpacingRules, SimpleRules)
{
    /* dowel a1 at 0: (3 + 2) d; bolt capped at 4 d; screw families a2 2.5 d */
    EXPECT_NEAR(Calc_Vbm_A1_Simple(0, 29, 10.0, 0, 0.0), 50.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_A1_Simple(0, 30, 10.0, 0, 0.0), 40.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_A2_Simple(0, 2, 10.0, 0), 25.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_A3c_Simple(0, 29, 10.0, 0, 90.0), 40.0, 1e-9);
    EXPECT_NEAR(Get_Screw_Factor_12(0, 0, 5.0), 60.0, 1e-12);
    Vbm_Member_Layers layers{};
    layers.count = 3;
    layers.member[0] = 1; layers.thickness[0] = 20.0;
    layers.member[1] = 2; layers.thickness[1] = 30.0;
    layers.member[2] = 1; layers.thickness[2] = 20.0;
    /* interval 10..60: 10 in the first layer and 10 in the third of member 1 */
    EXPECT_NEAR(Calc_Member_Segment_Length(&layers, 10.0, 60.0, 1), 20.0, 1e-12);
    EXPECT_NEAR(Calc_Member_Segment_Length(&layers, 10.0, 60.0, 2), 30.0, 1e-12);
    EXPECT_EQ(Calc_Member_Segment_Length(&layers, 80.0, 90.0, 1), 0.0);
}

TEST(MinSpacings, NailsScrewsAndSpecialNails)
{
    Standard_Scope en(true);
    Six s;
    /* type 46, d 4.5 -> a 4 mm nail: a1 = 10 * 4 = 40, a2 = 20; index 10 -> EN 2 */
    EXPECT_EQ(Min_Spacings(s, 46, 0, 350.0, 4.5, 0.0), 2);
    EXPECT_NEAR(s.v[0], 40.0, 1e-9);
    EXPECT_NEAR(s.v[1], 20.0, 1e-9);
    /* plywood (panel): a1 and a2 times 0.85 */
    EXPECT_EQ(Min_Spacings(s, 0, 6, 350.0, 4.0, 0.0), 2);
    EXPECT_NEAR(s.v[0], 34.0, 1e-9);
    EXPECT_NEAR(s.v[1], 17.0, 1e-9);
    /* steel plate: times 0.7 */
    Min_Spacings(s, 0, 12, 350.0, 4.0, 0.0);
    EXPECT_NEAR(s.v[0], 28.0, 1e-9);
    EXPECT_NEAR(s.v[1], 14.0, 1e-9);
    /* rho_k 450 > 420, d 5: a1 = (7 + 8) 5 = 75, a2 = 35, a3,t = 100, a4,t at 90 = (7 + 5) 5 */
    Min_Spacings(s, 0, 0, 450.0, 5.0, 90.0);
    EXPECT_NEAR(s.v[0], 35.0, 1e-9);
    EXPECT_NEAR(s.v[4], 60.0, 1e-9);
}

TEST(MinSpacings, BoltsDowelsAndFittedBolts)
{
    Standard_Scope din(false);
    Six s;
    /* DIN 571 screw of 6 mm: nail rules (index 10); of 8 mm: bolt rules (index 9):
    ** a1 = max(5 * 8, 4 * 8) = 40, a2 = 32, a3,t = max(56, 80) = 80, a3,c = 4 d = 32 at 0 */
    EXPECT_EQ(Min_Spacings(s, 2, 0, 350.0, 6.0, 0.0), 10);
    EXPECT_EQ(Min_Spacings(s, 2, 0, 350.0, 8.0, 0.0), 9);
    EXPECT_NEAR(s.v[0], 40.0, 1e-9);
    EXPECT_NEAR(s.v[1], 32.0, 1e-9);
    EXPECT_NEAR(s.v[2], 80.0, 1e-9);
    EXPECT_NEAR(s.v[3], 32.0, 1e-9);
    /* fitted bolt: dowel values, index 8 */
    EXPECT_EQ(Min_Spacings(s, 30, 0, 350.0, 12.0, 0.0, 0, 1), 8);
    EXPECT_NEAR(s.v[0], 60.0, 1e-9);
    EXPECT_NEAR(s.v[1], 36.0, 1e-9);
    Standard_Scope en(true);
    EXPECT_EQ(Min_Spacings(s, 30, 0, 350.0, 12.0, 0.0, 0, 1), 5);
    /* EN bolt: a1 = (4 + 1) 12 = 60, a4,t at 90 = (2 + 2) 12 = 48 */
    EXPECT_EQ(Min_Spacings(s, 30, 0, 350.0, 12.0, 90.0), 4);
    EXPECT_NEAR(s.v[0], 48.0, 1e-9);
    EXPECT_NEAR(s.v[4], 48.0, 1e-9);
}

TEST(MinSpacings, ConnectorsAndUncoveredTypes)
{
    Standard_Scope en(true);
    Six s;
    /* ring connector dc 35 with a 10 mm bolt: a3,t = max(2 * 35 = 70, max(7 * 10, 80)) = 80 */
    EXPECT_EQ(Min_Spacings(s, 25, 0, 350.0, 35.0, 0.0, 0, 0, 10.0), 7);
    EXPECT_NEAR(s.v[2], 80.0, 1e-9);
    /* a1 = max((1.2 + 0.8) 35 = 70, (4 + 1) 10 = 50) = 70 */
    EXPECT_NEAR(s.v[0], 70.0, 1e-9);
    Six u;
    EXPECT_EQ(Min_Spacings(u, -1, 0, 350.0, 4.0, 0.0), 0);
    EXPECT_EQ(Min_Spacings(u, 61, 0, 350.0, 4.0, 0.0), 0);
    for (double v : u.v) EXPECT_EQ(v, -1.0);
    /* null pointers are skipped */
    double a2 = -1.0;
    EXPECT_EQ(Calc_Min_Spacings(0, 0, 0, 0, 0, 0, 350.0, 4.0, 0.0, 0.0, 0.0, 40.0, 40.0, nullptr,
                                &a2, nullptr, nullptr, nullptr, nullptr), 2);
    EXPECT_NEAR(a2, 20.0, 1e-9);
}

TEST(MinSpacings, BoltUnloadedEndByAngle)
{
    Standard_Scope en(true);
    const int c24 = Grade_Index(0, "C24");
    ASSERT_GE(c24, 0);
    /* EN 1995-1-1, Table 8.4, bolt d 16 not fitted: for a force at alpha below 90 degrees the
    ** unloaded end sees alpha + 180: 210 <= a < 270 gives (1 + 6 |sin a|) d,
    ** 150 <= a < 210 gives 4 d.
    **   0: 4 * 16 = 64;  20: 64;  30: (1 + 6 * 0.5) 16 = 64;
    **   60: (1 + 6 * 0.866025) 16 = 99.138;  75: (1 + 6 * 0.965926) 16 = 108.729;
    **   89: (1 + 6 * 0.999848) 16 = 111.985;  90: (1 + 6) 16 = 112;
    **   120: (1 + 6 * 0.866025) 16 = 99.138;  160: 64 */
    const double angles[] = {0.0, 20.0, 30.0, 60.0, 75.0, 89.0, 90.0, 120.0, 160.0};
    const double expect[] = {64.0, 64.0, 64.0, 99.138, 108.729, 111.985, 112.0, 99.138, 64.0};
    for (int i = 0; i < 9; i++) {
        Six s;
        EXPECT_EQ(Min_Spacings(s, 30, 0, 350.0, 16.0, angles[i]), 4) << angles[i];
        EXPECT_NEAR(s.v[3], expect[i], 0.001) << angles[i];
        /* the rule functions of the fastener page give the same value */
        EXPECT_NEAR(Calc_Vbm_Min_A3c_Mat(0, c24, 100.0, 30, 16.0, 0, 0, 0, 0, angles[i]),
                    expect[i], 0.001) << angles[i];
        /* and so does the basic table (material 20) */
        EXPECT_NEAR(Calc_Vbm_Min_A3c(20, 350.0, 100.0, 30, 16.0, 0, 0, angles[i]), expect[i],
                    0.001) << angles[i];
    }
    /* the bolt of a ring connector bounds a3,c the same way: dc 65 with a 24 mm bolt at 60
    ** degrees: the bolt's (1 + 6 * 0.866025) 24 = 148.708 lies above the connector's own
    ** (0.4 + 1.6 * 0.866025) 65 = 116.067 */
    Six s;
    Min_Spacings(s, 25, 0, 350.0, 65.0, 60.0, 0, 0, 24.0);
    EXPECT_NEAR(s.v[3], 148.708, 0.001);
    /* a dowel in laminated veneer lumber (material 10), d 16, at 60 degrees:
    ** |sin 60| max(7 * 16, 105) = 0.866025 * 112 = 96.995; at 20 degrees 3 d = 48 */
    Min_Spacings(s, 29, 10, 480.0, 16.0, 60.0);
    EXPECT_NEAR(s.v[3], 96.995, 0.001);
    Min_Spacings(s, 29, 10, 480.0, 16.0, 20.0);
    EXPECT_NEAR(s.v[3], 48.0, 1e-9);
    /* a bolt in it: (1 + 6 |sin 60|) 16 = 99.138 */
    Min_Spacings(s, 30, 10, 480.0, 16.0, 60.0);
    EXPECT_NEAR(s.v[3], 99.138, 0.001);
}
