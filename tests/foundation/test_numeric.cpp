/*
** Tests of the numeric tools: rounding (ties go up), guards, extremes, sorting with tolerance,
** interpolation, bisection and bit words. Expected values are worked by hand.
*/
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "foundation/foundation.h"

namespace {

TEST(Rounding, TiesGoUpward)
{
    EXPECT_DOUBLE_EQ(Round_To_Decimals(1.26, 1), 1.3);
    EXPECT_DOUBLE_EQ(Round_To_Decimals(-1.25, 1), -1.2);
    EXPECT_DOUBLE_EQ(Round_To_Decimals(2.5, 0), 3.0);
    EXPECT_DOUBLE_EQ(Round_To_Decimals(-2.5, 0), -2.0);
    EXPECT_DOUBLE_EQ(Round_To_Decimals(-2.51, 0), -3.0);
    EXPECT_DOUBLE_EQ(Round_To_Decimals(0.125, 2), 0.13); /* 0.125 is exact in binary: a true tie */
    EXPECT_DOUBLE_EQ(Round_To_Decimals(-0.125, 2), -0.12);
    EXPECT_DOUBLE_EQ(Round_To_Decimals(123456.789, 13), 123456.789);
    /* Beyond 13 decimals the value is printed and read back. */
    EXPECT_DOUBLE_EQ(Round_To_Decimals(0.1234567890123456, 15), 0.123456789012346);
    EXPECT_DOUBLE_EQ(Round_To_Decimals(7.4, -3),
                     7.0); /* a negative count rounds to whole numbers */
}

TEST(Rounding, GuardsAndSmallTools)
{
    EXPECT_EQ(Count_Digits(0), 1);
    EXPECT_EQ(Count_Digits(9), 1);
    EXPECT_EQ(Count_Digits(10), 2);
    EXPECT_EQ(Count_Digits(999), 3);
    EXPECT_EQ(Count_Digits(1000), 4);
    EXPECT_EQ(Count_Digits(-1000), 4);
    EXPECT_EQ(Count_Digits(LLONG_MIN), 19);     /* 9223372036854775808 */
    EXPECT_EQ(Safe_Divide(1, 0.004, 2), 1e100); /* 0.004 rounds to 0.00 */
    EXPECT_EQ(Safe_Divide(-1, 0, 2), -1e100);
    EXPECT_DOUBLE_EQ(Safe_Divide(3, 0.02, 2), 150.0);
    EXPECT_DOUBLE_EQ(Safe_Divide_10(1, 4), 0.25);
    EXPECT_EQ(Safe_Divide_10(1, 1e-11), 1e100);
    EXPECT_EQ(Power_Positive(-1, 2), 0.0);
    EXPECT_EQ(Power_Positive(3, 2), 9.0);
    EXPECT_DOUBLE_EQ(Power_Positive(4, 0.5), 2.0);
    EXPECT_EQ(Sign_Of(0.0), 1);
    EXPECT_EQ(Sign_Of(-0.1), -1);
    EXPECT_DOUBLE_EQ(Angle_Normalize_360(-30), 330.0);
    EXPECT_DOUBLE_EQ(Angle_Normalize_360(725), 5.0);
    EXPECT_DOUBLE_EQ(Angle_Normalize_180(180), -180.0);
    EXPECT_DOUBLE_EQ(Angle_Normalize_180(190), -170.0);
    EXPECT_DOUBLE_EQ(Angle_Normalize_180(-190), 170.0);
}

TEST(Rounding, TrapezoidFromResultant)
{
    double qs = -1, qe = -1;
    /* R = 6 at the middle of L = 3: a uniform 2. */
    Trapezoid_From_Resultant(&qs, &qe, 6, 1.5, 3);
    EXPECT_DOUBLE_EQ(qe, 2.0);
    EXPECT_DOUBLE_EQ(qs, 2.0);
    /* R = 6 at 2L/3: a triangle rising from 0 to 4. */
    Trapezoid_From_Resultant(&qs, &qe, 6, 2, 3);
    EXPECT_DOUBLE_EQ(qe, 4.0);
    EXPECT_NEAR(qs, 0.0, 1e-12);
    Trapezoid_From_Resultant(&qs, &qe, 6, 2, 1e-6);
    EXPECT_EQ(qs, 0.0);
    EXPECT_EQ(qe, 0.0);
}

TEST(Extremes, FirstOccurrenceWins)
{
    const double v[4] = {3, 7, 7, -2};
    int i = -1;
    EXPECT_EQ(Max_Of(v, 4, &i), 7.0);
    EXPECT_EQ(i, 1);
    EXPECT_EQ(Min_Of(v, 4, &i), -2.0);
    EXPECT_EQ(i, 3);
    EXPECT_EQ(Min_Of(v, 0, &i), 1e31);
    EXPECT_EQ(i, 0);
    EXPECT_EQ(Max_Of(v, 0, &i), -1e31);
    int lo = -1, hi = -1;
    Min_Max_Index(4, v, &lo, &hi);
    EXPECT_EQ(lo, 3);
    EXPECT_EQ(hi, 1);
    Min_Max_Index(4, v, nullptr, &hi);
    EXPECT_EQ(Index_Of_Extreme(4, v, 1), 1);
    EXPECT_EQ(Index_Of_Extreme(4, v, 0), 3);
    EXPECT_EQ(Index_Of_Extreme(1, v, 0), 0);
    EXPECT_EQ(Max_Of_Values(4, v), 7.0);
    EXPECT_EQ(Last_Min_Value, -2.0);
    EXPECT_EQ(Last_Max_Index, 1);
    EXPECT_EQ(Last_Min_Index, 3);
    EXPECT_EQ(Index_Of_Min_Value(4, v), 3);
    EXPECT_EQ(Max_Of_Values(0, v), -1e100);
    EXPECT_EQ(Min_Of_Values(0, v), 1e100);
    EXPECT_EQ(Index_Of_Max_Value(0, v), -1);
    EXPECT_EQ(Last_Min_Index, -1);
}

TEST(Sorting, ToleranceAndDirections)
{
    double v[3] = {1.0, 1.000005, 0.5};
    Sort_Doubles_Dir(3, v, 1);
    EXPECT_EQ(v[0], 0.5);
    Sort_Doubles_Dir(3, v, 0);
    EXPECT_EQ(v[2], 0.5);
    const double keys[3] = {2, 9, 4};
    int idx[3];
    Sort_Index_By_Doubles_Dir(3, keys, idx, 0);
    EXPECT_EQ(idx[0], 1);
    EXPECT_EQ(idx[1], 2);
    EXPECT_EQ(idx[2], 0);
    Sort_Index_By_Doubles(keys, idx, 3);
    EXPECT_EQ(idx[0], 0);
    EXPECT_EQ(idx[2], 1);
    const int ikeys[4] = {5, -1, 3, 4};
    int iidx[4];
    Sort_Index_By_Ints_Dir(4, ikeys, iidx, 1);
    EXPECT_EQ(iidx[0], 1);
    EXPECT_EQ(iidx[1], 2);
    EXPECT_EQ(iidx[2], 3);
    EXPECT_EQ(iidx[3], 0);
    double u[4] = {3, 1, 1.004, 2};
    EXPECT_EQ(Sort_Unique_Doubles(4, u, 1, 2), 3);
    EXPECT_EQ(u[0], 1.0);
    EXPECT_EQ(u[1], 2.0);
    EXPECT_EQ(u[2], 3.0);
    EXPECT_EQ(Sort_Unique_Doubles(0, u, 1, 2), 0);
    double a = 1, b = 2;
    Swap_Doubles(&a, &b);
    EXPECT_EQ(a, 2.0);
    EXPECT_EQ(Swap_Doubles_Ptr(&a, &b), &b);
    EXPECT_EQ(b, 2.0);
    float fa = 1, fb = 2;
    Swap_Floats(&fa, &fb);
    EXPECT_EQ(fa, 2.0f);
}

TEST(Sorting, TwoKeys)
{
    double k1[4] = {2, 1, 2, 1.001}, k2[4] = {4, 3, 1, 2};
    Sort_By_Two_Keys(4, k1, 1, k2, 1, 2);
    /* key1 1 and 1.001 agree at 2 decimals: that run is ordered by key2 (2 before 3). */
    EXPECT_EQ(k2[0], 2.0);
    EXPECT_EQ(k1[0], 1.001);
    EXPECT_EQ(k2[1], 3.0);
    EXPECT_EQ(k2[2], 1.0);
    EXPECT_EQ(k2[3], 4.0);
    EXPECT_EQ(k1[3], 2.0);
}

TEST(Interpolation, UnsortedPointsAndTables)
{
    const double x[2] = {2, 1}, y[2] = {20, 10};
    EXPECT_DOUBLE_EQ(Interpolate_Sorted(2, x, y, 1.5), 15.0);
    EXPECT_DOUBLE_EQ(Interpolate_Sorted(2, x, y, 3), 30.0);
    EXPECT_DOUBLE_EQ(Interpolate_Sorted(2, x, y, 0), 0.0);
    EXPECT_EQ(Interpolate_Sorted(0, x, y, 1), 0.0);
    EXPECT_EQ(Interpolate_Sorted(1, x, y, 7), 20.0);
    const double xe[2] = {1, 1}, ye[2] = {5, 6};
    EXPECT_EQ(Interpolate_Sorted(2, xe, ye, 1), 1e100);
    EXPECT_EQ(Interpolate_Sorted(2, xe, ye, -1), -1e100);
    const double yq[2] = {5, 5};
    EXPECT_EQ(Interpolate_Sorted(2, xe, yq, 1), 5.0);

    const double t[6] = {0, 0, 10, 100, 20, 150};
    EXPECT_DOUBLE_EQ(Table_Interpolate(t, 3, 2, 15, 0, 1, 0), 125.0);
    EXPECT_DOUBLE_EQ(Table_Interpolate(t, 3, 2, -5, 0, 1, 0), 0.0);
    EXPECT_DOUBLE_EQ(Table_Interpolate(t, 3, 2, -5, 0, 1, 1), -50.0);
    EXPECT_DOUBLE_EQ(Table_Interpolate(t, 3, 2, 30, 0, 1, 0), 150.0);
    const double d[6] = {20, 150, 10, 100, 0, 0};
    EXPECT_DOUBLE_EQ(Table_Interpolate(d, 3, 2, 5, 0, 1, 0), 50.0);
    const double t2[9] = {0, 1, 2, 0, 0, 10, 10, 100, 110};
    EXPECT_DOUBLE_EQ(Table_Interpolate_2D(t2, 3, 3, 5, 1.5, 0), 55.0);
    EXPECT_DOUBLE_EQ(Table_Interpolate_2D(t2, 3, 3, 5, 9, 0), 60.0);
}

double Minus_Two(double x) { return x * x - 2.0; }

TEST(Interpolation, Bisection)
{
    EXPECT_NEAR(Find_Root_Bisection(Minus_Two, 0, 2, 1e-10), 1.41421356237, 1e-9);
    EXPECT_EQ(Find_Root_Bisection(Minus_Two, 2, 3, 1e-10), -1e100);
    EXPECT_NEAR(Find_Root_Bisection(Minus_Two, -2, 0, 1e-10), -1.41421356237, 1e-9);
}

TEST(Bits, ModuloThirtyTwo)
{
    uint32_t w = 0;
    Bit_Set_Or_Clear(1, &w, 33);
    EXPECT_EQ(w, 2u);
    EXPECT_EQ(Bit_Is_Set(w, 1), 1);
    EXPECT_EQ(Bit_Is_Set(w, 0), 0);
    EXPECT_EQ(Bit_Set(&w, 31), 1);
    EXPECT_EQ(w, 0x80000002u);
    Bit_Set_Or_Clear(0, &w, 1);
    EXPECT_EQ(w, 0x80000000u);
    EXPECT_EQ(Bit_Clear(&w, 63), 1);
    EXPECT_EQ(w, 0u);
}

} // namespace
