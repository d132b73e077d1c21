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
    double v[6] = {-1, -1, -1, -1, -1, -1}; /* a1, a2, a3t, a3c, a4t, a4c */
};

int Min_Spacings(Six &s, int type, int mat, double rho, double d, double alpha_deg,
                 int predrilled = 0, int fitted = 0, double d_bolt = 0.0)
{
    return Calc_Min_Spacings(/*vbm_type=*/type, /*predrilled=*/predrilled, /*fitted_bolt=*/fitted,
                             /*douglas=*/0, /*split_rule=*/0, /*mat=*/mat, /*rho_k=*/rho, /*d=*/d,
                             /*d_bolt=*/d_bolt, /*alpha=*/alpha_deg * Rad, /*staple_angle=*/0.0,
                             /*t1=*/40.0, /*t2=*/40.0, /*a1=*/&s.v[0], /*a2=*/&s.v[1],
                             /*a3t=*/&s.v[2], /*a3c=*/&s.v[3], /*a4t=*/&s.v[4], /*a4c=*/&s.v[5]);
}

} // namespace

TEST(SpacingRules, FourMillimetreNailInSoftwoodEn1995)
{
    Standard_Scope en(true);
    const int c24 = Grade_Index(0, "C24");
    ASSERT_GE(c24, 0);
    double out[12];
    Calc_Vbm_Spacings(/*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*type=*/0, /*d=*/4.0, /*theta=*/0.0,
                      /*predrilled=*/0, /*fitted=*/0, /*douglas=*/0, /*split_rule=*/0,
                      /*screw_predrilled=*/0, /*out=*/out);
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
    Calc_Vbm_Spacings(/*mat=*/12, /*grade=*/0, /*t=*/10.0, /*type=*/30, /*d=*/12.0, /*theta=*/0.0,
                      /*predrilled=*/0, /*fitted=*/0, /*douglas=*/0, /*split_rule=*/0,
                      /*screw_predrilled=*/0, /*out=*/out);
    const double expect[6] = {28.6, 31.2, 15.6, 15.6, 15.6, 15.6};
    for (int i = 0; i < 12; i++) EXPECT_NEAR(out[i], expect[i % 6], 1e-9) << i;
}

TEST(SpacingRules, BasicFunctions)
{
    Standard_Scope en(true);
    /* pre-drilled 5 mm nail at 90 degrees: a2 = (3 + 1) 5 = 20 */
    EXPECT_NEAR(Calc_Vbm_Min_A2(20, 350.0, 40.0, 0, 5.0, 0.0, 1, 0, 90.0), 20.0, 1e-9);
    /* type 61: 6 d everywhere */
    EXPECT_NEAR(Calc_Vbm_Min_A1(/*mat=*/20, /*rho_k=*/350.0, /*t=*/40.0, /*type=*/61, /*d=*/5.0,
                                /*theta=*/0.0, /*predrilled=*/0, /*fitted=*/0, /*douglas=*/0,
                                /*alpha=*/0.0),
                30.0, 1e-12);
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
    layers.member[0] = 1;
    layers.thickness[0] = 20.0;
    layers.member[1] = 2;
    layers.thickness[1] = 30.0;
    layers.member[2] = 1;
    layers.thickness[2] = 20.0;
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
    /* staples d 2 in plywood keep EN 1995-1-1, Table 8.3, the 0.85 of 8.3.1.3(1) being the
    ** nails': crown at 0 degrees, force at 90: a1 = (15 + 5 |cos 90|) d = 15 d = 30 mm (a1 = 26
    ** mm passed at 0.85 x 30 = 25.5), a2 = 15 d = 30 mm */
    Min_Spacings(s, 1, 6, 350.0, 2.0, 90.0);
    EXPECT_NEAR(s.v[0], 30.0, 1e-9);
    EXPECT_NEAR(s.v[1], 30.0, 1e-9);
    /* and so do they in Pollmeier LVL S (material 20, its basic table): a2 = 15 d = 30 mm,
    ** a4,t = (15 + 5 |sin 90|) d = 40 mm, a4,c = 10 d = 20 mm, where DIN 1052's 10 d = 20,
    ** (10 + 5) d = 30 and (5 + 5 sin 0) d = 10 mm were taken */
    Min_Spacings(s, 1, 20, 350.0, 2.0, 90.0);
    EXPECT_NEAR(s.v[1], 30.0, 1e-9);
    EXPECT_NEAR(s.v[4], 40.0, 1e-9);
    EXPECT_NEAR(s.v[5], 20.0, 1e-9);
    /* steel plate: times 0.7 */
    Min_Spacings(s, 0, 12, 350.0, 4.0, 0.0);
    EXPECT_NEAR(s.v[0], 28.0, 1e-9);
    EXPECT_NEAR(s.v[1], 14.0, 1e-9);
    /* rho_k 450 > 420, d 5: a1 = (7 + 8) 5 = 75, a2 = 35, a3,t = 100, a4,t at 90 = (7 + 5) 5 */
    Min_Spacings(s, 0, 0, 450.0, 5.0, 90.0);
    EXPECT_NEAR(s.v[0], 35.0, 1e-9);
    EXPECT_NEAR(s.v[4], 60.0, 1e-9);
    /* staple d 1.5, crown angle 0, at 90 degrees: EN a4,t (15 + 5) d = 30, a4,c 10 d = 15;
    ** DIN 1052 (10 + 5) d = 22.5 and (5 + 5 sin 0) d = 7.5, a2 10 d = 15 */
    Min_Spacings(s, 1, 0, 350.0, 1.5, 90.0);
    EXPECT_NEAR(s.v[4], 30.0, 1e-9);
    EXPECT_NEAR(s.v[5], 15.0, 1e-9);
    Standard_Scope din(false);
    Min_Spacings(s, 1, 0, 350.0, 1.5, 90.0);
    EXPECT_NEAR(s.v[4], 22.5, 1e-9);
    EXPECT_NEAR(s.v[5], 7.5, 1e-9);
    EXPECT_NEAR(s.v[1], 15.0, 1e-9);
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
    /* a bolt and a dowel of 16 mm: a3,t = max(7 * 16, 80) = 112 */
    EXPECT_EQ(Min_Spacings(s, 30, 0, 350.0, 16.0, 0.0), 9);
    EXPECT_NEAR(s.v[2], 112.0, 1e-9);
    EXPECT_EQ(Min_Spacings(s, 29, 0, 350.0, 16.0, 0.0), 8);
    EXPECT_NEAR(s.v[2], 112.0, 1e-9);
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

TEST(MinSpacings, BoltAtAnAngleDin1052)
{
    Standard_Scope din(false);
    Six s;
    /* DIN 1052, Table 12, bolt d = 12 mm not fitted, at 90 degrees (|cos| 0, |sin| 1):
    ** a1 = max((3 + 2 * 0) 12, 4 * 12) = 48; a2 = 4 d = 48; a3,t = max(7 * 12, 80) = 84;
    ** a3,c = 7 d |sin| = 84, more than 3 d; a4,t = a4,c = 3 d = 36 */
    EXPECT_EQ(Min_Spacings(s, 30, 0, 350.0, 12.0, 90.0), 9);
    const double at90[6] = {48, 48, 84, 84, 36, 36};
    for (int i = 0; i < 6; i++) EXPECT_NEAR(s.v[i], at90[i], 1e-9) << i;
    /* at 15 degrees (|cos| 0.965926, |sin| 0.258819): a1 = (3 + 2 * 0.965926) 12 = 59.1822;
    ** a3,c: 7 d |sin| = 21.74 is not more than 3 d = 36, so 4 d = 48 */
    EXPECT_EQ(Min_Spacings(s, 30, 0, 350.0, 12.0, 15.0), 9);
    EXPECT_NEAR(s.v[0], 59.1822, 1e-4);
    EXPECT_NEAR(s.v[3], 48.0, 1e-9);
    /* DIN 1052, Table 12: the unloaded end 7 d |sin a|, at least 4 d. Bolt d = 16 mm:
    **   30 and 150 degrees (|sin| 0.5): 7 * 16 * 0.5 = 56 < 4 * 16 = 64, so 64;
    **   35 degrees (|sin| 0.573576): 7 * 16 * 0.573576 = 64.240 > 64 */
    const double bolt_angles[] = {30.0, 150.0, 35.0};
    const double bolt_a3c[] = {64.0, 64.0, 64.240};
    const int c24 = Grade_Index(0, "C24");
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(Min_Spacings(s, 30, 0, 350.0, 16.0, bolt_angles[i]), 9) << bolt_angles[i];
        EXPECT_NEAR(s.v[3], bolt_a3c[i], 0.001) << bolt_angles[i];
        /* the rule functions of the fastener page give the same value */
        EXPECT_NEAR(Calc_Vbm_Min_A3c_Mat(/*mat=*/0, /*grade=*/c24, /*t=*/100.0, /*type=*/30,
                                         /*d=*/16.0, /*predrilled=*/0, /*fitted=*/0, /*douglas=*/0,
                                         /*screw_predrilled=*/0, /*alpha=*/bolt_angles[i]),
                    bolt_a3c[i], 0.001)
            << bolt_angles[i];
    }
    /* the bolt of a ring connector bounds a3,c the same way: dc 65 with a 24 mm bolt at 30
    ** degrees: the connector's own 1.2 * 65 = 78 (not above 30 degrees), the bolt's
    ** max(7 * 24 * 0.5, 4 * 24) = 96 */
    Min_Spacings(s, 25, 0, 350.0, 65.0, 30.0, 0, 0, 24.0);
    EXPECT_NEAR(s.v[3], 96.0, 1e-9);
    /* DIN 1052, Table 10, nail d = 4 mm not pre-drilled, rho_k 350, at 0 degrees:
    ** a1 = (5 + 5) 4 = 40, a2 = 5 d = 20, a3,t = (7 + 5) 4 = 48, a3,c = 7 d = 28,
    ** a4,t = (5 + 2 * 0) 4 = 20, a4,c = 5 d = 20 */
    Min_Spacings(s, 0, 0, 350.0, 4.0, 0.0);
    const double nail[6] = {40, 20, 48, 28, 20, 20};
    for (int i = 0; i < 6; i++) EXPECT_NEAR(s.v[i], nail[i], 1e-9) << i;
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
    /* toothed plate 26, dc 95 with a 12 mm bolt at 90 degrees: a1 = a2 = 1.2 * 95 = 114,
    ** a3,t = 1.5 * 95 = 142.5, a3,c = (0.9 + 0.6) 95 = 142.5, a4,t = (0.6 + 0.2) 95 = 76 above
    ** the bolt's (2 + 2) 12 = 48, a4,c = 0.6 * 95 = 57 above 3 * 12 */
    EXPECT_EQ(Min_Spacings(s, 26, 0, 350.0, 95.0, 90.0, 0, 0, 12.0), 8); /* index 20 -> EN 8 */
    const double toothed[6] = {114.0, 114.0, 142.5, 142.5, 76.0, 57.0};
    for (int k = 0; k < 6; k++) EXPECT_NEAR(s.v[k], toothed[k], 1e-9) << k;
    /* a3,c above 30 degrees grows with |sin a| (EN 1995-1-1, Tables 8.7 and 8.8; both forms
    ** give 1.2 dc at 30): at 32 degrees (sin 0.529919) the toothed plate (0.9 + 0.6 * 0.529919)
    ** 95 = 115.705, the ring connector (0.4 + 1.6 * 0.529919) 95 = 118.548, both above the
    ** bolt's (1 + 6 * 0.529919) 12 = 50.15; at 30 degrees 1.2 * 95 = 114 */
    Min_Spacings(s, 26, 0, 350.0, 95.0, 32.0, 0, 0, 12.0);
    EXPECT_NEAR(s.v[3], 115.705, 0.001);
    Min_Spacings(s, 25, 0, 350.0, 95.0, 32.0, 0, 0, 12.0);
    EXPECT_NEAR(s.v[3], 118.548, 0.001);
    Min_Spacings(s, 26, 0, 350.0, 95.0, 30.0, 0, 0, 12.0);
    EXPECT_NEAR(s.v[3], 114.0, 1e-9);
    Six u;
    EXPECT_EQ(Min_Spacings(u, -1, 0, 350.0, 4.0, 0.0), 0);
    EXPECT_EQ(Min_Spacings(u, 61, 0, 350.0, 4.0, 0.0), 0);
    for (double v : u.v) EXPECT_EQ(v, -1.0);
    /* null pointers are skipped */
    double a2 = -1.0;
    EXPECT_EQ(Calc_Min_Spacings(/*vbm_type=*/0, /*predrilled=*/0, /*fitted_bolt=*/0, /*douglas=*/0,
                                /*split_rule=*/0, /*mat=*/0, /*rho_k=*/350.0, /*d=*/4.0,
                                /*d_bolt=*/0.0, /*alpha=*/0.0, /*staple_angle=*/0.0, /*t1=*/40.0,
                                /*t2=*/40.0, /*a1=*/nullptr, /*a2=*/&a2, /*a3t=*/nullptr,
                                /*a3c=*/nullptr, /*a4t=*/nullptr, /*a4c=*/nullptr),
              2);
    EXPECT_NEAR(a2, 20.0, 1e-9);
}

/* The angle terms of one member in turn at angles that fold back (beyond 90 degrees, beyond
** 180) and that do not: each takes its own sines, not those of the angle before. */
TEST(MinSpacings, AnglesInTurnFoldedAndNot)
{
    Standard_Scope en(true);
    /* EN 1995-1-1, Table 8.5, dowel d 12: a1 = (3 + 2 |cos a|) d, a4,t = max((2 + 2 sin a) d, 3 d)
    **   60: a1 = (3 + 2 * 0.5) 12 = 48, a4,t = (2 + 2 * 0.866025) 12 = 44.785
    **  280: |cos| = 0.173648: a1 = (3 + 0.347296) 12 = 40.168; sin = -0.984808: a4,t = 3 d = 36
    **  100: a1 = 40.168 as well; sin = 0.984808: a4,t = (2 + 1.969616) 12 = 47.635
    **   10: a1 = (3 + 2 * 0.984808) 12 = 59.635, a4,t = (2 + 2 * 0.173648) 12 = 28.168 -> 36 */
    const double angles[] = {60.0, 280.0, 100.0, 60.0, 10.0, 100.0};
    const double a1[] = {48.0, 40.168, 40.168, 48.0, 59.635, 40.168};
    const double a4t[] = {44.785, 36.0, 47.635, 44.785, 36.0, 47.635};
    for (int i = 0; i < 6; i++) {
        Six s;
        EXPECT_EQ(Min_Spacings(s, 29, 0, 350.0, 12.0, angles[i]), 5) << angles[i];
        EXPECT_NEAR(s.v[0], a1[i], 0.001) << angles[i];
        EXPECT_NEAR(s.v[4], a4t[i], 0.001) << angles[i];
    }
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
        EXPECT_NEAR(Calc_Vbm_Min_A3c_Mat(/*mat=*/0, /*grade=*/c24, /*t=*/100.0, /*type=*/30,
                                         /*d=*/16.0, /*predrilled=*/0, /*fitted=*/0, /*douglas=*/0,
                                         /*screw_predrilled=*/0, /*alpha=*/angles[i]),
                    expect[i], 0.001)
            << angles[i];
        /* and so does the basic table (material 20) */
        EXPECT_NEAR(Calc_Vbm_Min_A3c(20, 350.0, 100.0, 30, 16.0, 0, 0, angles[i]), expect[i], 0.001)
            << angles[i];
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

TEST(SpacingRules, BasicTableOfEveryGroup)
{
    /* The basic table (material 20 and the fastener page) row by row, EN 1995-1-1, Tables 8.2
    ** to 8.5: rows a1, a2, a3,c, a3,t, a4,c, a4,t for a type, d, staple angle theta,
    ** pre-drilling and the force angle alpha (degrees), each value worked from the table's
    ** formula: nails (5 + 5|cos|) d' below 5 mm, (5 + 7|cos|) d from 5 mm, 5 d', 10 d',
    ** (10 + 5 cos) d', 5 d', (5 + 2 sin) d' or (5 + 5 sin) d; pre-drilled (4 + |cos|) d',
    ** (3 + |sin|) d', 7 d', (7 + 5 cos) d', 3 d', (3 + 2 sin) d' or (3 + 4 sin) d; bolts and
    ** screws above 6.1 mm (4 + 3|cos|) d, 4 d, (1 + 6|sin|) d in the unloaded-end bands else
    ** 4 d, max(7 d, 105), 3 d, max((2 + 2 sin) d, 3 d); dowels the same with
    ** |sin| max(7 d, 105) (at least 3 d) in the bands, else 3 d; staples by Table 8.3 (10 +
    ** 5 |cos|) d for theta >= 30 else (15 + 5 |cos|) d, 15 d, 15 d, (15 + 5 |cos|) d, 10 d,
    ** (15 + 5 |sin|) d, in material 20 (a panel) under EN as in timber (the panels' 0.85 of
    ** EN 1995-1-1, 8.3.1.3(1) is the nails'): d 1.5 at theta 20 and alpha 200 a1 = (15 + 5 x
    ** 0.939693) 1.5 = 29.5477, a2 = 22.5 (DIN 1052's 10 d = 15), a4,c = 15, a4,t = (15 + 5 x
    ** 0.342020) 1.5 = 25.0652; type 46 of 4.5 mm counts as 4 mm;
    ** types 43, 44, the connectors and codes above 60 take 6 d. */
    struct Row {
        int type;
        double d, theta;
        int pre;
        double alpha;
        double v[6]; /* a1, a2, a3c, a3t, a4c, a4t */
    };
    static const Row rows[] = {
        // clang-format off
        {0, 4.0, 0.0, 0, 0.0, {40, 20, 40, 60, 20, 20}},
        {0, 4.0, 0.0, 0, 30.0, {37.3205081, 20, 40, 57.3205081, 20, 24}},
        {0, 4.0, 0.0, 0, 60.0, {30, 20, 40, 50, 20, 26.9282032}},
        {0, 4.0, 0.0, 0, 90.0, {20, 20, 40, 40, 20, 28}},
        {0, 4.0, 0.0, 0, 120.0, {30, 20, 40, 30, 20, 26.9282032}},
        {0, 4.0, 0.0, 0, 200.0, {38.7938524, 20, 40, 21.2061476, 20, 17.2638389}},
        {0, 4.0, 0.0, 1, 0.0, {20, 12, 28, 48, 12, 12}},
        {0, 4.0, 0.0, 1, 30.0, {19.4641016, 14, 28, 45.3205081, 12, 16}},
        {0, 4.0, 0.0, 1, 60.0, {18, 15.4641016, 28, 38, 12, 18.9282032}},
        {0, 4.0, 0.0, 1, 90.0, {16, 16, 28, 28, 12, 20}},
        {0, 4.0, 0.0, 1, 120.0, {18, 15.4641016, 28, 18, 12, 18.9282032}},
        {0, 4.0, 0.0, 1, 200.0, {19.7587705, 13.3680806, 28, 9.20614758, 12, 9.26383885}},
        {0, 6.0, 0.0, 0, 0.0, {72, 30, 60, 90, 30, 30}},
        {0, 6.0, 0.0, 0, 30.0, {66.373067, 30, 60, 85.9807621, 30, 45}},
        {0, 6.0, 0.0, 0, 60.0, {51, 30, 60, 75, 30, 55.9807621}},
        {0, 6.0, 0.0, 0, 90.0, {30, 30, 60, 60, 30, 60}},
        {0, 6.0, 0.0, 0, 120.0, {51, 30, 60, 45, 30, 55.9807621}},
        {0, 6.0, 0.0, 0, 200.0, {69.4670901, 30, 60, 31.8092214, 30, 19.7393957}},
        {0, 6.0, 0.0, 1, 0.0, {30, 18, 42, 72, 18, 18}},
        {0, 6.0, 0.0, 1, 30.0, {29.1961524, 21, 42, 67.9807621, 18, 30}},
        {0, 6.0, 0.0, 1, 60.0, {27, 23.1961524, 42, 57, 18, 38.7846097}},
        {0, 6.0, 0.0, 1, 90.0, {24, 24, 42, 42, 18, 42}},
        {0, 6.0, 0.0, 1, 120.0, {27, 23.1961524, 42, 27, 18, 38.7846097}},
        {0, 6.0, 0.0, 1, 200.0, {29.6381557, 20.0521209, 42, 13.8092214, 18, 9.79151656}},
        {16, 5.0, 0.0, 0, 0.0, {60, 25, 50, 75, 25, 25}},
        {16, 5.0, 0.0, 0, 30.0, {55.3108891, 25, 50, 71.6506351, 25, 37.5}},
        {16, 5.0, 0.0, 0, 60.0, {42.5, 25, 50, 62.5, 25, 46.6506351}},
        {16, 5.0, 0.0, 0, 90.0, {25, 25, 50, 50, 25, 50}},
        {16, 5.0, 0.0, 0, 120.0, {42.5, 25, 50, 37.5, 25, 46.6506351}},
        {16, 5.0, 0.0, 0, 200.0, {57.8892417, 25, 50, 26.5076845, 25, 16.4494964}},
        {16, 5.0, 0.0, 1, 0.0, {25, 15, 35, 60, 15, 15}},
        {16, 5.0, 0.0, 1, 30.0, {24.330127, 17.5, 35, 56.6506351, 15, 25}},
        {16, 5.0, 0.0, 1, 60.0, {22.5, 19.330127, 35, 47.5, 15, 32.3205081}},
        {16, 5.0, 0.0, 1, 90.0, {20, 20, 35, 35, 15, 35}},
        {16, 5.0, 0.0, 1, 120.0, {22.5, 19.330127, 35, 22.5, 15, 32.3205081}},
        {16, 5.0, 0.0, 1, 200.0, {24.6984631, 16.7101007, 35, 11.5076845, 15, 8.15959713}},
        {46, 4.5, 0.0, 0, 0.0, {40, 20, 40, 60, 20, 20}},
        {46, 4.5, 0.0, 0, 30.0, {37.3205081, 20, 40, 57.3205081, 20, 24}},
        {46, 4.5, 0.0, 0, 60.0, {30, 20, 40, 50, 20, 26.9282032}},
        {46, 4.5, 0.0, 0, 90.0, {20, 20, 40, 40, 20, 28}},
        {46, 4.5, 0.0, 0, 120.0, {30, 20, 40, 30, 20, 26.9282032}},
        {46, 4.5, 0.0, 0, 200.0, {38.7938524, 20, 40, 21.2061476, 20, 17.2638389}},
        {46, 4.5, 0.0, 1, 0.0, {20, 12, 28, 48, 12, 12}},
        {46, 4.5, 0.0, 1, 30.0, {19.4641016, 14, 28, 45.3205081, 12, 16}},
        {46, 4.5, 0.0, 1, 60.0, {18, 15.4641016, 28, 38, 12, 18.9282032}},
        {46, 4.5, 0.0, 1, 90.0, {16, 16, 28, 28, 12, 20}},
        {46, 4.5, 0.0, 1, 120.0, {18, 15.4641016, 28, 18, 12, 18.9282032}},
        {46, 4.5, 0.0, 1, 200.0, {19.7587705, 13.3680806, 28, 9.20614758, 12, 9.26383885}},
        {2, 6.0, 0.0, 0, 0.0, {72, 30, 60, 90, 30, 30}},
        {2, 6.0, 0.0, 0, 30.0, {66.373067, 30, 60, 85.9807621, 30, 45}},
        {2, 6.0, 0.0, 0, 60.0, {51, 30, 60, 75, 30, 55.9807621}},
        {2, 6.0, 0.0, 0, 90.0, {30, 30, 60, 60, 30, 60}},
        {2, 6.0, 0.0, 0, 120.0, {51, 30, 60, 45, 30, 55.9807621}},
        {2, 6.0, 0.0, 0, 200.0, {69.4670901, 30, 60, 31.8092214, 30, 19.7393957}},
        {2, 6.0, 0.0, 1, 0.0, {30, 18, 42, 72, 18, 18}},
        {2, 6.0, 0.0, 1, 30.0, {29.1961524, 21, 42, 67.9807621, 18, 30}},
        {2, 6.0, 0.0, 1, 60.0, {27, 23.1961524, 42, 57, 18, 38.7846097}},
        {2, 6.0, 0.0, 1, 90.0, {24, 24, 42, 42, 18, 42}},
        {2, 6.0, 0.0, 1, 120.0, {27, 23.1961524, 42, 27, 18, 38.7846097}},
        {2, 6.0, 0.0, 1, 200.0, {29.6381557, 20.0521209, 42, 13.8092214, 18, 9.79151656}},
        {2, 8.0, 0.0, 0, 0.0, {56, 32, 32, 105, 24, 24}},
        {2, 8.0, 0.0, 0, 30.0, {52.7846097, 32, 32, 105, 24, 24}},
        {2, 8.0, 0.0, 0, 60.0, {44, 32, 49.5692194, 105, 24, 29.8564065}},
        {2, 8.0, 0.0, 0, 90.0, {32, 32, 56, 105, 24, 32}},
        {2, 8.0, 0.0, 0, 120.0, {44, 32, 49.5692194, 105, 24, 29.8564065}},
        {2, 8.0, 0.0, 0, 200.0, {54.5526229, 32, 32, 105, 24, 24}},
        {2, 8.0, 0.0, 1, 0.0, {56, 32, 32, 105, 24, 24}},
        {2, 8.0, 0.0, 1, 30.0, {52.7846097, 32, 32, 105, 24, 24}},
        {2, 8.0, 0.0, 1, 60.0, {44, 32, 49.5692194, 105, 24, 29.8564065}},
        {2, 8.0, 0.0, 1, 90.0, {32, 32, 56, 105, 24, 32}},
        {2, 8.0, 0.0, 1, 120.0, {44, 32, 49.5692194, 105, 24, 29.8564065}},
        {2, 8.0, 0.0, 1, 200.0, {54.5526229, 32, 32, 105, 24, 24}},
        {14, 6.0, 0.0, 0, 0.0, {72, 30, 60, 90, 30, 30}},
        {14, 6.0, 0.0, 0, 30.0, {66.373067, 30, 60, 85.9807621, 30, 45}},
        {14, 6.0, 0.0, 0, 60.0, {51, 30, 60, 75, 30, 55.9807621}},
        {14, 6.0, 0.0, 0, 90.0, {30, 30, 60, 60, 30, 60}},
        {14, 6.0, 0.0, 0, 120.0, {51, 30, 60, 45, 30, 55.9807621}},
        {14, 6.0, 0.0, 0, 200.0, {69.4670901, 30, 60, 31.8092214, 30, 19.7393957}},
        {14, 6.0, 0.0, 1, 0.0, {30, 18, 42, 72, 18, 18}},
        {14, 6.0, 0.0, 1, 30.0, {29.1961524, 21, 42, 67.9807621, 18, 30}},
        {14, 6.0, 0.0, 1, 60.0, {27, 23.1961524, 42, 57, 18, 38.7846097}},
        {14, 6.0, 0.0, 1, 90.0, {24, 24, 42, 42, 18, 42}},
        {14, 6.0, 0.0, 1, 120.0, {27, 23.1961524, 42, 27, 18, 38.7846097}},
        {14, 6.0, 0.0, 1, 200.0, {29.6381557, 20.0521209, 42, 13.8092214, 18, 9.79151656}},
        {30, 12.0, 0.0, 0, 0.0, {84, 48, 48, 105, 36, 36}},
        {30, 12.0, 0.0, 0, 30.0, {79.1769145, 48, 48, 105, 36, 36}},
        {30, 12.0, 0.0, 0, 60.0, {66, 48, 74.3538291, 105, 36, 44.7846097}},
        {30, 12.0, 0.0, 0, 90.0, {48, 48, 84, 105, 36, 48}},
        {30, 12.0, 0.0, 0, 120.0, {66, 48, 74.3538291, 105, 36, 44.7846097}},
        {30, 12.0, 0.0, 0, 200.0, {81.8289343, 48, 48, 105, 36, 36}},
        {30, 12.0, 0.0, 1, 0.0, {84, 48, 48, 105, 36, 36}},
        {30, 12.0, 0.0, 1, 30.0, {79.1769145, 48, 48, 105, 36, 36}},
        {30, 12.0, 0.0, 1, 60.0, {66, 48, 74.3538291, 105, 36, 44.7846097}},
        {30, 12.0, 0.0, 1, 90.0, {48, 48, 84, 105, 36, 48}},
        {30, 12.0, 0.0, 1, 120.0, {66, 48, 74.3538291, 105, 36, 44.7846097}},
        {30, 12.0, 0.0, 1, 200.0, {81.8289343, 48, 48, 105, 36, 36}},
        {29, 12.0, 0.0, 0, 0.0, {84, 48, 36, 105, 36, 36}},
        {29, 12.0, 0.0, 0, 30.0, {79.1769145, 48, 52.5, 105, 36, 36}},
        {29, 12.0, 0.0, 0, 60.0, {66, 48, 90.9326674, 105, 36, 44.7846097}},
        {29, 12.0, 0.0, 0, 90.0, {48, 48, 105, 105, 36, 48}},
        {29, 12.0, 0.0, 0, 120.0, {66, 48, 90.9326674, 105, 36, 44.7846097}},
        {29, 12.0, 0.0, 0, 200.0, {81.8289343, 48, 36, 105, 36, 36}},
        {29, 12.0, 0.0, 1, 0.0, {84, 48, 36, 105, 36, 36}},
        {29, 12.0, 0.0, 1, 30.0, {79.1769145, 48, 52.5, 105, 36, 36}},
        {29, 12.0, 0.0, 1, 60.0, {66, 48, 90.9326674, 105, 36, 44.7846097}},
        {29, 12.0, 0.0, 1, 90.0, {48, 48, 105, 105, 36, 48}},
        {29, 12.0, 0.0, 1, 120.0, {66, 48, 90.9326674, 105, 36, 44.7846097}},
        {29, 12.0, 0.0, 1, 200.0, {81.8289343, 48, 36, 105, 36, 36}},
        {29, 20.0, 0.0, 0, 0.0, {140, 80, 60, 140, 60, 60}},
        {29, 20.0, 0.0, 0, 30.0, {131.961524, 80, 70, 140, 60, 60}},
        {29, 20.0, 0.0, 0, 60.0, {110, 80, 121.243557, 140, 60, 74.6410162}},
        {29, 20.0, 0.0, 0, 90.0, {80, 80, 140, 140, 60, 80}},
        {29, 20.0, 0.0, 0, 120.0, {110, 80, 121.243557, 140, 60, 74.6410162}},
        {29, 20.0, 0.0, 0, 200.0, {136.381557, 80, 60, 140, 60, 60}},
        {29, 20.0, 0.0, 1, 0.0, {140, 80, 60, 140, 60, 60}},
        {29, 20.0, 0.0, 1, 30.0, {131.961524, 80, 70, 140, 60, 60}},
        {29, 20.0, 0.0, 1, 60.0, {110, 80, 121.243557, 140, 60, 74.6410162}},
        {29, 20.0, 0.0, 1, 90.0, {80, 80, 140, 140, 60, 80}},
        {29, 20.0, 0.0, 1, 120.0, {110, 80, 121.243557, 140, 60, 74.6410162}},
        {29, 20.0, 0.0, 1, 200.0, {136.381557, 80, 60, 140, 60, 60}},
        {1, 1.5, 20.0, 0, 0.0, {30, 22.5, 22.5, 30, 15, 22.5}},
        {1, 1.5, 45.0, 0, 0.0, {22.5, 22.5, 22.5, 30, 15, 22.5}},
        {1, 1.5, 20.0, 0, 30.0, {28.9951905, 22.5, 22.5, 28.9951905, 15, 26.25}},
        {1, 1.5, 45.0, 0, 30.0, {21.4951905, 22.5, 22.5, 28.9951905, 15, 26.25}},
        {1, 1.5, 20.0, 0, 60.0, {26.25, 22.5, 22.5, 26.25, 15, 28.9951905}},
        {1, 1.5, 45.0, 0, 60.0, {18.75, 22.5, 22.5, 26.25, 15, 28.9951905}},
        {1, 1.5, 20.0, 0, 90.0, {22.5, 22.5, 22.5, 22.5, 15, 30}},
        {1, 1.5, 45.0, 0, 90.0, {15, 22.5, 22.5, 22.5, 15, 30}},
        {1, 1.5, 20.0, 0, 120.0, {26.25, 22.5, 22.5, 26.25, 15, 28.9951905}},
        {1, 1.5, 45.0, 0, 120.0, {18.75, 22.5, 22.5, 26.25, 15, 28.9951905}},
        {1, 1.5, 20.0, 0, 200.0, {29.5476947, 22.5, 22.5, 29.5476947, 15, 25.0651511}},
        {1, 1.5, 45.0, 0, 200.0, {22.0476947, 22.5, 22.5, 29.5476947, 15, 25.0651511}},
        {1, 1.5, 20.0, 1, 0.0, {30, 22.5, 22.5, 30, 15, 22.5}},
        {1, 1.5, 45.0, 1, 0.0, {22.5, 22.5, 22.5, 30, 15, 22.5}},
        {1, 1.5, 20.0, 1, 30.0, {28.9951905, 22.5, 22.5, 28.9951905, 15, 26.25}},
        {1, 1.5, 45.0, 1, 30.0, {21.4951905, 22.5, 22.5, 28.9951905, 15, 26.25}},
        {1, 1.5, 20.0, 1, 60.0, {26.25, 22.5, 22.5, 26.25, 15, 28.9951905}},
        {1, 1.5, 45.0, 1, 60.0, {18.75, 22.5, 22.5, 26.25, 15, 28.9951905}},
        {1, 1.5, 20.0, 1, 90.0, {22.5, 22.5, 22.5, 22.5, 15, 30}},
        {1, 1.5, 45.0, 1, 90.0, {15, 22.5, 22.5, 22.5, 15, 30}},
        {1, 1.5, 20.0, 1, 120.0, {26.25, 22.5, 22.5, 26.25, 15, 28.9951905}},
        {1, 1.5, 45.0, 1, 120.0, {18.75, 22.5, 22.5, 26.25, 15, 28.9951905}},
        {1, 1.5, 20.0, 1, 200.0, {29.5476947, 22.5, 22.5, 29.5476947, 15, 25.0651511}},
        {1, 1.5, 45.0, 1, 200.0, {22.0476947, 22.5, 22.5, 29.5476947, 15, 25.0651511}},
        {43, 8.0, 0.0, 0, 0.0, {48, 48, 48, 48, 48, 48}},
        {43, 8.0, 0.0, 0, 30.0, {48, 48, 48, 48, 48, 48}},
        {43, 8.0, 0.0, 0, 60.0, {48, 48, 48, 48, 48, 48}},
        {43, 8.0, 0.0, 0, 90.0, {48, 48, 48, 48, 48, 48}},
        {43, 8.0, 0.0, 0, 120.0, {48, 48, 48, 48, 48, 48}},
        {43, 8.0, 0.0, 0, 200.0, {48, 48, 48, 48, 48, 48}},
        {43, 8.0, 0.0, 1, 0.0, {48, 48, 48, 48, 48, 48}},
        {43, 8.0, 0.0, 1, 30.0, {48, 48, 48, 48, 48, 48}},
        {43, 8.0, 0.0, 1, 60.0, {48, 48, 48, 48, 48, 48}},
        {43, 8.0, 0.0, 1, 90.0, {48, 48, 48, 48, 48, 48}},
        {43, 8.0, 0.0, 1, 120.0, {48, 48, 48, 48, 48, 48}},
        {43, 8.0, 0.0, 1, 200.0, {48, 48, 48, 48, 48, 48}},
        {61, 5.0, 0.0, 0, 0.0, {30, 30, 30, 30, 30, 30}},
        {61, 5.0, 0.0, 0, 30.0, {30, 30, 30, 30, 30, 30}},
        {61, 5.0, 0.0, 0, 60.0, {30, 30, 30, 30, 30, 30}},
        {61, 5.0, 0.0, 0, 90.0, {30, 30, 30, 30, 30, 30}},
        {61, 5.0, 0.0, 0, 120.0, {30, 30, 30, 30, 30, 30}},
        {61, 5.0, 0.0, 0, 200.0, {30, 30, 30, 30, 30, 30}},
        {61, 5.0, 0.0, 1, 0.0, {30, 30, 30, 30, 30, 30}},
        {61, 5.0, 0.0, 1, 30.0, {30, 30, 30, 30, 30, 30}},
        {61, 5.0, 0.0, 1, 60.0, {30, 30, 30, 30, 30, 30}},
        {61, 5.0, 0.0, 1, 90.0, {30, 30, 30, 30, 30, 30}},
        {61, 5.0, 0.0, 1, 120.0, {30, 30, 30, 30, 30, 30}},
        {61, 5.0, 0.0, 1, 200.0, {30, 30, 30, 30, 30, 30}},
        {25, 65.0, 0.0, 0, 0.0, {390, 390, 390, 390, 390, 390}},
        {25, 65.0, 0.0, 0, 30.0, {390, 390, 390, 390, 390, 390}},
        {25, 65.0, 0.0, 0, 60.0, {390, 390, 390, 390, 390, 390}},
        {25, 65.0, 0.0, 0, 90.0, {390, 390, 390, 390, 390, 390}},
        {25, 65.0, 0.0, 0, 120.0, {390, 390, 390, 390, 390, 390}},
        {25, 65.0, 0.0, 0, 200.0, {390, 390, 390, 390, 390, 390}},
        {25, 65.0, 0.0, 1, 0.0, {390, 390, 390, 390, 390, 390}},
        {25, 65.0, 0.0, 1, 30.0, {390, 390, 390, 390, 390, 390}},
        {25, 65.0, 0.0, 1, 60.0, {390, 390, 390, 390, 390, 390}},
        {25, 65.0, 0.0, 1, 90.0, {390, 390, 390, 390, 390, 390}},
        {25, 65.0, 0.0, 1, 120.0, {390, 390, 390, 390, 390, 390}},
        {25, 65.0, 0.0, 1, 200.0, {390, 390, 390, 390, 390, 390}},
        // clang-format on
    };
    Standard_Scope en(true);
    for (const Row &r : rows) {
        const double got[6] = {
            Calc_Vbm_Min_A1(/*mat=*/20, /*rho_k=*/350.0, /*t=*/100.0, /*type=*/r.type, /*d=*/r.d,
                            /*theta=*/r.theta, /*predrilled=*/r.pre, /*fitted=*/0, /*douglas=*/0,
                            /*alpha=*/r.alpha),
            Calc_Vbm_Min_A2(20, 350.0, 100.0, r.type, r.d, r.theta, r.pre, 0, r.alpha),
            Calc_Vbm_Min_A3c(20, 350.0, 100.0, r.type, r.d, r.pre, 0, r.alpha),
            Calc_Vbm_Min_A3t(20, 350.0, 100.0, r.type, r.d, r.pre, 0, r.alpha),
            Calc_Vbm_Min_A4c(20, 350.0, 100.0, r.type, r.d, r.theta, r.pre, 0, r.alpha),
            Calc_Vbm_Min_A4t(20, 350.0, 100.0, r.type, r.d, r.pre, 0, r.alpha)};
        for (int k = 0; k < 6; k++)
            EXPECT_NEAR(got[k], r.v[k], 1e-6)
                << r.type << " d " << r.d << " theta " << r.theta << " pre " << r.pre << " alpha "
                << r.alpha << " value " << k;
    }
    /* staples in a panel under EN keep the table (theta 45: (10 + 5) 1.5 = 22.5, a2 15 d =
    ** 22.5): EN 1995-1-1, 8.3.1.3(1) lowers the spacings of nails alone */
    EXPECT_NEAR(Calc_Vbm_Min_A1(/*mat=*/6, /*rho_k=*/350.0, /*t=*/100.0, /*type=*/1, /*d=*/1.5,
                                /*theta=*/45.0, /*predrilled=*/0, /*fitted=*/0, /*douglas=*/0,
                                /*alpha=*/0.0),
                22.5, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Min_A2(4, 350.0, 100.0, 1, 1.5, 20.0, 0, 0, 0.0), 22.5, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Min_A3t(6, 350.0, 100.0, 1, 1.5, 0, 0, 0.0), 30.0, 1e-9);
    Standard_Scope din(false);
    /* DIN 1052: an ETA-11/0190 screw counts as pre-drilled in a member of at least 5 d:
    ** d 6 in 30 mm: a1 (4 + 1) 6 = 30; in 29 mm not: (5 + 7) 6 = 72 */
    EXPECT_NEAR(Calc_Vbm_Min_A1(/*mat=*/20, /*rho_k=*/350.0, /*t=*/30.0, /*type=*/14, /*d=*/6.0,
                                /*theta=*/0.0, /*predrilled=*/0, /*fitted=*/0, /*douglas=*/0,
                                /*alpha=*/0.0),
                30.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Min_A1(/*mat=*/20, /*rho_k=*/350.0, /*t=*/29.0, /*type=*/14, /*d=*/6.0,
                                /*theta=*/0.0, /*predrilled=*/0, /*fitted=*/0, /*douglas=*/0,
                                /*alpha=*/0.0),
                72.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Min_A3c(20, 350.0, 30.0, 14, 6.0, 0, 0, 0.0), 42.0, 1e-9);
    /* DIN 1052, Table 13, keeps its staple values: a2 = (5 + 10 sin 45) 1.5 = 18.1066, a4,t =
    ** (10 + 5 sin 30) 1.5 = 18.75 */
    EXPECT_NEAR(Calc_Vbm_Min_A2(20, 350.0, 100.0, 1, 1.5, 45.0, 0, 0, 0.0), 18.1066017, 1e-6);
    EXPECT_NEAR(Calc_Vbm_Min_A4t(20, 350.0, 100.0, 1, 1.5, 0, 0, 30.0), 18.75, 1e-9);
    /* and DIN keeps the staple's panel values */
    EXPECT_NEAR(Calc_Vbm_Min_A1(/*mat=*/6, /*rho_k=*/350.0, /*t=*/100.0, /*type=*/1, /*d=*/1.5,
                                /*theta=*/45.0, /*predrilled=*/0, /*fitted=*/0, /*douglas=*/0,
                                /*alpha=*/0.0),
                22.5, 1e-9);
}

TEST(SpacingRules, SimpleRulesAndMaterialPaths)
{
    Standard_Scope en(true);
    const int c24 = Grade_Index(0, "C24");
    /* simple rules at 0 and 90 degrees (Calc_Vbm_Spacings_Simple order a1, a2, a3,c, a3,t,
    ** a4,t, a4,c): nail d 4: (3 + 3) 4 = 24, 3 d = 12, 6 d = 24, (7 + 3) 4 = 40, 3 * 4 = 12,
    ** 3 d = 12; at 90: 12, 12, 24, 28, (3 + 4) 4 = 28, 12 */
    double out[12];
    Calc_Vbm_Spacings_Simple(0, 0, 4.0, 0, out);
    const double nail[12] = {24, 12, 24, 40, 12, 12, 12, 12, 24, 28, 28, 12};
    for (int i = 0; i < 12; i++) EXPECT_NEAR(out[i], nail[i], 1e-9) << i;
    /* screw d 6 (type 2): 4 d, 2.5 d, 6 d, 6 d, 6 d, 2.5 d whatever the angle */
    Calc_Vbm_Spacings_Simple(0, 2, 6.0, 0, out);
    const double screw[6] = {24, 15, 36, 36, 36, 15};
    for (int i = 0; i < 12; i++) EXPECT_NEAR(out[i], screw[i % 6], 1e-9) << i;
    /* dowel d 10: (3 + 2) 10 = 50, 30, 0, 50, 30, 30; at 90: 30, 30, 4 * 10 = 40, 50, 30, 30 */
    Calc_Vbm_Spacings_Simple(0, 29, 10.0, 0, out);
    const double dowel[12] = {50, 30, 0, 50, 30, 30, 30, 30, 40, 50, 30, 30};
    for (int i = 0; i < 12; i++) EXPECT_NEAR(out[i], dowel[i], 1e-9) << i;
    /* bolt not fitted: a1 min((3 + 2 cos) d, 4 d), a2 4 d; fitted: the dowel's */
    Calc_Vbm_Spacings_Simple(0, 30, 10.0, 0, out);
    EXPECT_NEAR(out[0], 40.0, 1e-9);
    EXPECT_NEAR(out[1], 40.0, 1e-9);
    EXPECT_NEAR(out[6], 30.0, 1e-9);
    Calc_Vbm_Spacings_Simple(0, 30, 10.0, 1, out);
    EXPECT_NEAR(out[0], 50.0, 1e-9);
    EXPECT_NEAR(out[1], 30.0, 1e-9);
    /* other types: 6 d, 4 d, 6 d, 10 d, 7 d, 3 d */
    Calc_Vbm_Spacings_Simple(0, 25, 10.0, 0, out);
    const double other[6] = {60, 40, 60, 100, 70, 30};
    for (int i = 0; i < 12; i++) EXPECT_NEAR(out[i], other[i % 6], 1e-9) << i;
    /* staple d 1.5 at 60 degrees: a1 (3 + 1.5) 1.5 = 6.75, a4,t (3 + 4 sin 60) 1.5 */
    EXPECT_NEAR(Calc_Vbm_A1_Simple(0, 1, 1.5, 0, 60.0), 6.75, 1e-9);
    EXPECT_NEAR(Calc_Vbm_A4t_Simple(0, 1, 1.5, 0, 60.0), (3.0 + 4.0 * std::sin(M_PI / 3.0)) * 1.5,
                1e-9);
    EXPECT_NEAR(Calc_Vbm_A3t_Simple(0, 1, 1.5, 0, 60.0), 8.5 * 1.5, 1e-9);
    EXPECT_EQ(Get_Screw_Factor_10(0, 0, 2.0), 20.0);
    EXPECT_EQ(Get_Screw_Factor_4(0, 0, 2.0), 8.0);
    EXPECT_EQ(Get_Screw_Factor_7(0, 0, 2.0), 14.0);
    EXPECT_EQ(Get_Screw_Factor_6(0, 0, 2.0), 12.0);
    EXPECT_EQ(Get_Screw_Factor_3(0, 0, 2.0), 6.0);

    /* the material-aware distances: material 20 takes the basic table (a 4 mm nail at 0:
    ** (5 + 5) 4 = 40); Kerto (material 10) the LVL rules: a bolt of 12 at 0 a3,t max(84, 105);
    ** a steel plate the hole geometry of EN 1993-1-8 (bolt 12, d0 13: a1 28.6, a2 31.2, the
    ** distances 15.6) */
    EXPECT_NEAR(Calc_Vbm_Min_A1_Mat(/*mat=*/20, /*grade=*/0, /*t=*/40.0, /*type=*/0, /*d=*/4.0,
                                    /*theta=*/0.0, /*predrilled=*/0, /*fitted=*/0, /*douglas=*/0,
                                    /*screw_predrilled=*/0, /*alpha=*/0.0),
                40.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Min_A3t_Mat(/*mat=*/10, /*grade=*/0, /*t=*/40.0, /*type=*/30, /*d=*/12.0,
                                     /*predrilled=*/0, /*fitted=*/0, /*douglas=*/0,
                                     /*screw_predrilled=*/0, /*alpha=*/0.0),
                105.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Min_A1_Mat(/*mat=*/12, /*grade=*/0, /*t=*/10.0, /*type=*/30, /*d=*/12.0,
                                    /*theta=*/0.0, /*predrilled=*/0, /*fitted=*/0, /*douglas=*/0,
                                    /*screw_predrilled=*/0, /*alpha=*/0.0),
                28.6, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Min_A2_Mat(/*mat=*/12, /*grade=*/0, /*t=*/10.0, /*type=*/30, /*d=*/12.0,
                                    /*theta=*/0.0, /*predrilled=*/0, /*fitted=*/0,
                                    /*screw_predrilled=*/0, /*alpha=*/0.0),
                31.2, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Min_A4t_Mat(/*mat=*/12, /*grade=*/0, /*t=*/10.0, /*type=*/30, /*d=*/12.0,
                                     /*predrilled=*/0, /*fitted=*/0, /*split_rule=*/0,
                                     /*screw_predrilled=*/0, /*alpha=*/0.0),
                15.6, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Min_A3c_Mat(/*mat=*/12, /*grade=*/0, /*t=*/10.0, /*type=*/30, /*d=*/12.0,
                                     /*predrilled=*/0, /*fitted=*/1, /*douglas=*/0,
                                     /*screw_predrilled=*/0, /*alpha=*/0.0),
                14.4, 1e-9);
    /* a connector has no rule here: the starting values 6 d, 4 d, 10 d, 3 d, 7 d */
    EXPECT_NEAR(Calc_Vbm_Min_A1_Mat(/*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*type=*/26, /*d=*/50.0,
                                    /*theta=*/0.0, /*predrilled=*/0, /*fitted=*/0, /*douglas=*/0,
                                    /*screw_predrilled=*/0, /*alpha=*/0.0),
                300.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Min_A3c_Mat(/*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*type=*/26, /*d=*/50.0,
                                     /*predrilled=*/0, /*fitted=*/0, /*douglas=*/0,
                                     /*screw_predrilled=*/0, /*alpha=*/0.0),
                300.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Min_A4c_Mat(/*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*type=*/26, /*d=*/50.0,
                                     /*theta=*/0.0, /*predrilled=*/0, /*fitted=*/0,
                                     /*split_rule=*/0, /*screw_predrilled=*/0,
                                     /*alpha=*/0.0),
                150.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Min_A4t_Mat(/*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*type=*/26, /*d=*/50.0,
                                     /*predrilled=*/0, /*fitted=*/0, /*split_rule=*/0,
                                     /*screw_predrilled=*/0, /*alpha=*/0.0),
                350.0, 1e-9);
    /* the rule functions raise the edge distances by the splitting rule only without
    ** pre-drilling: a 4 mm nail, rule 1: 10 d = 40; pre-drilled (3 + 2 sin 0) 4 = 12 */
    EXPECT_NEAR(Calc_Vbm_Min_A4t_Mat(/*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*type=*/0, /*d=*/4.0,
                                     /*predrilled=*/0, /*fitted=*/0, /*split_rule=*/1,
                                     /*screw_predrilled=*/0, /*alpha=*/0.0),
                40.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Min_A4c_Mat(/*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*type=*/0, /*d=*/4.0,
                                     /*theta=*/0.0, /*predrilled=*/0, /*fitted=*/0,
                                     /*split_rule=*/1, /*screw_predrilled=*/0,
                                     /*alpha=*/0.0),
                40.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Min_A4t_Mat(/*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*type=*/0, /*d=*/4.0,
                                     /*predrilled=*/1, /*fitted=*/0, /*split_rule=*/1,
                                     /*screw_predrilled=*/0, /*alpha=*/0.0),
                12.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Min_A4c_Mat(/*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*type=*/0, /*d=*/4.0,
                                     /*theta=*/0.0, /*predrilled=*/1, /*fitted=*/0,
                                     /*split_rule=*/1, /*screw_predrilled=*/0,
                                     /*alpha=*/0.0),
                12.0, 1e-9);
    /* an approved screw in Douglas fir, not pre-drilled: a1, a3,t and a3,c times 1.5:
    ** ETA-11/0190 d 6: a1 (5 + 7) 6 * 1.5 = 108 */
    EXPECT_NEAR(Calc_Vbm_Min_A1_Mat(/*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*type=*/14, /*d=*/6.0,
                                    /*theta=*/0.0, /*predrilled=*/0, /*fitted=*/0, /*douglas=*/1,
                                    /*screw_predrilled=*/0, /*alpha=*/0.0),
                108.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Min_A3c_Mat(/*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*type=*/14, /*d=*/6.0,
                                     /*predrilled=*/0, /*fitted=*/0, /*douglas=*/1,
                                     /*screw_predrilled=*/0, /*alpha=*/0.0),
                90.0, 1e-9);
    EXPECT_NEAR(Calc_Vbm_Min_A3t_Mat(/*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*type=*/14, /*d=*/6.0,
                                     /*predrilled=*/0, /*fitted=*/0, /*douglas=*/1,
                                     /*screw_predrilled=*/0, /*alpha=*/0.0),
                135.0, 1e-9);
    /* the record form writes the six distances of one angle */
    double rec[6];
    Calc_Vbm_Spacings_Rec(/*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*type=*/0, /*d=*/4.0,
                          /*theta=*/0.0, /*predrilled=*/0, /*fitted=*/0, /*douglas=*/0,
                          /*split_rule=*/0, /*screw_predrilled=*/0, /*alpha=*/90.0, /*out=*/rec);
    const double at90[6] = {20, 20, 40, 40, 28, 20};
    for (int i = 0; i < 6; i++) EXPECT_NEAR(rec[i], at90[i], 1e-9) << i;
    Calc_Vbm_Spacings_Rec(/*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*type=*/0, /*d=*/4.0,
                          /*theta=*/0.0, /*predrilled=*/0, /*fitted=*/0, /*douglas=*/0,
                          /*split_rule=*/0, /*screw_predrilled=*/0, /*alpha=*/90.0,
                          /*out=*/nullptr);
    Calc_Vbm_Spacings(/*mat=*/0, /*grade=*/c24, /*t=*/40.0, /*type=*/0, /*d=*/4.0, /*theta=*/0.0,
                      /*predrilled=*/0, /*fitted=*/0, /*douglas=*/0, /*split_rule=*/0,
                      /*screw_predrilled=*/0, /*out=*/nullptr);
    Calc_Vbm_Spacings_Simple(0, 0, 4.0, 0, nullptr);
}

TEST(MinSpacings, EdgeDistancesOfSpeciesSensitiveToSplitting)
{
    Standard_Scope en(true);
    /* EN 1995-1-1, 8.3.1.2(7): nail d 4 not pre-drilled, the splitting rule of sensitive species
    ** raises a4,t and a4,c to 10 d = 40 for rho_k <= 420 and 14 d = 56 above; without it
    ** (5 + 2) 4 = 28 and 5 d = 20 at 90 degrees (rho_k 420), (7 + 2) 4 = 36 and 7 d = 28 at
    ** 440 */
    const struct {
        double rho;
        int split;
        double a4t, a4c;
    } rows[] = {
        {420.0, 1, 40.0, 40.0},
        {440.0, 1, 56.0, 56.0},
        {420.0, 0, 28.0, 20.0},
        {440.0, 0, 36.0, 28.0},
    };
    for (const auto &c : rows) {
        double a4t = -1.0, a4c = -1.0;
        Calc_Min_Spacings(/*vbm_type=*/0, /*predrilled=*/0, /*fitted_bolt=*/0, /*douglas=*/0,
                          /*split_rule=*/c.split, /*mat=*/0, /*rho_k=*/c.rho, /*d=*/4.0,
                          /*d_bolt=*/0.0, /*alpha=*/90.0 * Rad, /*staple_angle=*/0.0, /*t1=*/40.0,
                          /*t2=*/40.0, /*a1=*/nullptr, /*a2=*/nullptr, /*a3t=*/nullptr,
                          /*a3c=*/nullptr, /*a4t=*/&a4t, /*a4c=*/&a4c);
        EXPECT_NEAR(a4t, c.a4t, 1e-9) << c.rho << " " << c.split;
        EXPECT_NEAR(a4c, c.a4c, 1e-9) << c.rho << " " << c.split;
    }
}

TEST(MinSpacings, LaminatedVeneerLumber)
{
    Standard_Scope en(true);
    /* the spacings of Kerto-S (10) and Kerto-Q (11) at 0 and 90 degrees, a1 a2 a3,t a3,c a4,t a4,c:
    ** Kerto-Q dowel d 12: (3 + |cos a|) d = 48 / 36, 3 d = 36, 4 d at least 60, (3 + |sin a|) d
    **   = 36 / 48, (2 + 2 sin a) d at least 3 d = 36 / 48, 3 d = 36;
    ** Kerto-Q bolt d 12: 4 d = 48, 48, 60, 48, 36 / 48, 36;
    ** Kerto-S nail d 4: (5 + 5 |cos a|) d = 40 / 20, 5 d = 20, (10 + 5 |cos a|) d = 60 / 40,
    **   10 d = 40, (5 + 2 |sin a|) d = 20 / 28, 5 d = 20;
    ** Kerto-S nail d 5: (5 + 7 |cos a|) d = 60 / 25, 25, 75 / 50, 50, (5 + 5 |sin a|) d
    **   = 25 / 50, 25;
    ** Kerto-Q nail d 4: (5 + 2 |cos a|) d = 28 / 20, 20, (4 + 3 |cos a|) d = 28 / 16, 5 d = 20,
    **   (3 + 4 |sin a|) d = 12 / 28, 3 d = 12; type 46 of 4.5 mm counts as 4 mm;
    ** a DIN 571 screw of 8 mm as a bolt in Kerto-Q: 32, 32, 60, 32, 24 / 32, 24;
    ** staple d 1.5 (crown at 0 degrees) in Kerto-S, a panel, without the nails' 0.85 of panels:
    **   (15 + 5 |cos a|) d = 30 / 22.5, 15 d = 22.5, (15 + 5 cos a) d = 30 / 22.5, 15 d = 22.5,
    **   (15 + 5 |sin a|) d = 22.5 / 30, 10 d = 15 */
    const struct {
        int type, mat;
        double d;
        double v0[6], v90[6];
    } rows[] = {
        // clang-format off
        {29, 11, 12.0, {48, 36, 60, 36, 36, 36}, {36, 36, 60, 48, 48, 36}},
        {30, 11, 12.0, {48, 48, 60, 48, 36, 36}, {48, 48, 60, 48, 48, 36}},
        {0, 10, 4.0, {40, 20, 60, 40, 20, 20}, {20, 20, 40, 40, 28, 20}},
        {0, 10, 5.0, {60, 25, 75, 50, 25, 25}, {25, 25, 50, 50, 50, 25}},
        {0, 11, 4.0, {28, 20, 28, 20, 12, 12}, {20, 20, 16, 20, 28, 12}},
        {46, 11, 4.5, {28, 20, 28, 20, 12, 12}, {20, 20, 16, 20, 28, 12}},
        {2, 11, 8.0, {32, 32, 60, 32, 24, 24}, {32, 32, 60, 32, 32, 24}},
        {1, 10, 1.5, {30, 22.5, 30, 22.5, 22.5, 15}, {22.5, 22.5, 22.5, 22.5, 30, 15}},
        // clang-format on
    };
    for (const auto &c : rows) {
        for (int k = 0; k < 2; k++) {
            Six s;
            Min_Spacings(s, c.type, c.mat, 480.0, c.d, k ? 90.0 : 0.0);
            const double *e = k ? c.v90 : c.v0;
            for (int i = 0; i < 6; i++)
                EXPECT_NEAR(s.v[i], e[i], 1e-9) << c.type << " " << c.mat << " " << k << " " << i;
        }
    }
}

TEST(MinSpacings, PlatesScrewsAndTheFarEndOfDowels)
{
    Six s;
    {
        Standard_Scope en(true);
        /* dowel d 12 with the force at 300 degrees: the unloaded end lies outside both bands,
        ** a3,c = 3.5 d = 42; at 170 degrees (150 to 210) max(3.5 d, 40) = 42, for d 8 40 */
        Min_Spacings(s, 29, 0, 350.0, 12.0, 300.0);
        EXPECT_NEAR(s.v[3], 42.0, 1e-9);
        Min_Spacings(s, 29, 0, 350.0, 12.0, 170.0);
        EXPECT_NEAR(s.v[3], 42.0, 1e-9);
        Min_Spacings(s, 29, 0, 350.0, 8.0, 170.0);
        EXPECT_NEAR(s.v[3], 40.0, 1e-9);
        /* an ETA-12/0114 screw of type 13, d 6, not pre-drilled: a3,t and a3,c at least 15 d =
        ** 90 (at 90 degrees (10 + 0) 6 = 60 and 10 d = 60 otherwise) */
        Min_Spacings(s, 13, 0, 350.0, 6.0, 90.0);
        EXPECT_NEAR(s.v[2], 90.0, 1e-9);
        EXPECT_NEAR(s.v[3], 90.0, 1e-9);
        Min_Spacings(s, 13, 0, 350.0, 6.0, 90.0, 1);
        EXPECT_NEAR(s.v[2], 42.0, 1e-9); /* pre-drilled: (7 + 0) 6 */
        /* a nail d 5 in a steel plate member: a1 and a2 times 0.7 (EN 1995-1-1, 8.3.1.4):
        ** (5 + 7) 5 * 0.7 = 42, 5 * 5 * 0.7 = 17.5 */
        Min_Spacings(s, 0, 12, 350.0, 5.0, 0.0);
        EXPECT_NEAR(s.v[0], 42.0, 1e-9);
        EXPECT_NEAR(s.v[1], 17.5, 1e-9);
    }
    Standard_Scope din(false);
    /* DIN 1052: a nail not pre-drilled in a steel plate member: half of a1, at least 5 d:
    ** max(60 / 2, 25) = 30; d 4: max(40 / 2, 20) = 20 */
    Min_Spacings(s, 0, 12, 350.0, 5.0, 0.0);
    EXPECT_NEAR(s.v[0], 30.0, 1e-9);
    Min_Spacings(s, 0, 12, 350.0, 4.0, 0.0);
    EXPECT_NEAR(s.v[0], 20.0, 1e-9);
}
