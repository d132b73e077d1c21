/*
** Stiffness and strength values of every material group against the tables of EN 338,
** EN 14080, DIN 1052 and EN 12369-1, worked out by hand for a sample of grades and stress kinds.
** Values in kN/m2 (N/mm2 times 1000).
*/
#include <gtest/gtest.h>

#include <cmath>

#include "cat_test_util.h"

namespace {

const double NONE = -1.0; /* the value is not written */
const double UNSET = -12345.0;

/* Compare what a getter wrote (UNSET where it wrote nothing) with the hand values. */
void Expect_Values(const double *got, const double *want, int n, const char *what)
{
    for (int i = 0; i < n; i++) {
        if (want[i] == NONE) EXPECT_EQ(got[i], UNSET) << what << ", value " << i;
        else
            EXPECT_NEAR(got[i], want[i], std::fmax(1e-9 * std::fabs(want[i]), 1e-6))
                << what << ", value " << i;
    }
}

struct Stiffness_Case {
    const char *what;
    bool en;
    int group, grade, kind;
    double t;
    double want[4]; /* E0,mean, Gmean, E0,05, G05 */
};

struct Strength_Case {
    const char *what;
    bool en;
    int group, grade, use, kind;
    double width, depth;
    bool kh;
    double want[6]; /* f_m, f_t, f_c, f_v, f_c,90, k_h */
};

} // namespace

TEST(MatGroups, StiffnessOfEveryGroup)
{
    // clang-format off
    const Stiffness_Case cases[] = {
        /* EN 338 C24: E 11000, G 690; E05 = 2/3 * 11000 = 7333.33, G05 = 2/3 * 690 = 460 */
        {"C24", true, 0, 5, 0, 0, {11000000, 690000, 11000000 * 2.0 / 3.0, 460000}},
        /* EN 338 D30: E 11000, G 690; E05 = 5/6 * 11000 = 9166.67, G05 = 2/3 * 690 = 460 */
        {"D30", true, 1, 2, 0, 0, {11000000, 690000, 11000000 * 5.0 / 6.0, 460000}},
        /* EN 14080 GL24h: E 11500, G 650; E05 = 5/6 * 11500 = 9583.33, G05 = 5/6 * 650 =
        ** 541.67 */
        {"GL24h", true, 2, 2, 0, 0, {11500000, 650000, 11500000 * 5.0 / 6.0, 650000 * 5.0 / 6.0}},
        /* DIN 1052 GL24h (BS11): E 11600, G 720; E05 = 5/6 * 11600 = 9666.67, G05 = 600 */
        {"BS11", false, 3, 0, 0, 0, {11600000, 720000, 11600000 * 5.0 / 6.0, 600000}},
        /* laminated beech: E 16800, G 850; E05 = 5/6 * 16800 = 14000, G05 = 2/3 * 850 */
        {"GL75", true, 17, 0, 0, 0, {16800000, 850000, 14000000, 850000 * 2.0 / 3.0}},
        /* OSB/3 bending parallel: E 4930, G 50, E05 = 0.85 * 4930 = 4190.5 */
        {"OSB/3", true, 4, 1, 0, 15, {4930000, 50000, 4190500, NONE}},
        /* OSB/4 in plane perpendicular: E 3200, G 1090, E05 = 0.85 * 3200 = 2720 */
        {"OSB/4", true, 4, 2, 3, 15, {3200000, 1090000, 2720000, NONE}},
        /* plasterboard in plane (kind 5 as 3): E 1000, G 700, E05 = 0.9 * 1000 */
        {"GKB", true, 5, 0, 5, 12.5, {1000000, 700000, 900000, NONE}},
        {"GKB kind 4", true, 5, 0, 4, 12.5, {NONE, NONE, NONE, NONE}},
        /* plate bending parallel: E 2800, E05 = 0.9 * 2800 = 2520 */
        {"GKB kind 0", true, 5, 1, 0, 12.5, {2800000, 700000, 2520000, NONE}},
        /* plywood grade 3, in plane parallel: 4400, 600, 3520 */
        {"plywood", true, 6, 3, 2, 12, {4400000, 600000, 3520000, NONE}},
        /* particle board P5, 19 mm (band over 13 up to 20): E_m 3300, G 200, E05 = 0.8 * 3300;
        ** in plane at 30 mm (over 25 up to 32): E_t 1500, G_v 750 */
        {"P5 plate", true, 7, 1, 4, 19, {3300000, 200000, 2640000, NONE}},
        {"P5 plane", true, 7, 1, 5, 30, {1500000, 750000, NONE, NONE}},
        {"P5 6 mm", true, 7, 1, 4, 6, {NONE, NONE, NONE, NONE}},
        /* hard board 5 mm: E 4800, G 200, E05 = 0.8 * 4800; medium board 12 mm: 2900, 100 */
        {"HB", true, 8, 0, 4, 5, {4800000, 200000, 3840000, NONE}},
        {"MBH", true, 8, 1, 5, 12, {2900000, 100000, 2320000, NONE}},
        /* gypsum fibre board: 3800, 1600, no E05 */
        {"gypsum fibre", true, 9, 2, 4, 12.5, {3800000, 1600000, 0.0, NONE}},
        /* Kerto-S flatwise: 13800, 380, 11600, 2/3 * 380 = 253.33 */
        {"Kerto-S", true, 10, 0, 9, 0, {13800000, 380000, 11600000, 380000 * 2.0 / 3.0}},
        /* Kerto-Q grade 1 edgewise: 10500, 600, 8800, 400 */
        {"Kerto-Q", true, 11, 1, 0, 0, {10500000, 600000, 8800000, 400000}},
        /* beech panel Q flatwise: 10900, 430; 5/6 * 10900 = 9083.33, 2/3 * 430 = 286.67 */
        {"beech panel",
         true,
         18,
         2,
         1,
         0,
         {10900000, 430000, 10900000 * 5.0 / 6.0, 430000 * 2.0 / 3.0}},
        /* Steico LVL grade 1, kind 6 as edgewise: 10500, 600, 8800, 400 */
        {"Steico LVL", true, 19, 1, 6, 0, {10500000, 600000, 8800000, 400000}},
        /* Steico GLVL across: 14000, 560, 12000, 2/3 * 560 = 373.33 */
        {"Steico GLVL", true, -11, 0, 4, 0, {14000000, 560000, 12000000, 560000 * 2.0 / 3.0}},
        /* in plane: 14000, 600, 12000, 400; flatwise E 430 */
        {"Steico GLVL 5", true, -11, 0, 5, 0, {14000000, 600000, 12000000, 400000}},
        {"Steico GLVL 7", true, -11, 0, 7, 0, {430000, 600000, 12000000, 400000}},
        /* spruce LVL S edgewise: 14000, 590, 12000, no G05 */
        {"LVL S", true, 20, 0, 0, 0, {14000000, 590000, 12000000, NONE}},
        /* glued beech LVL: defined, no values */
        {"GLVL beech", true, 21, 1, 0, 0, {NONE, NONE, NONE, NONE}},
    };
    // clang-format on
    for (const Stiffness_Case &c : cases) {
        Nad_Scope scope(c.en);
        double v[4] = {UNSET, UNSET, UNSET, UNSET};
        ASSERT_EQ(Get_Mat_Stiffness(c.group, c.grade, c.kind, c.t, &v[0], &v[1], &v[2], &v[3]), 1)
            << c.what;
        Expect_Values(v, c.want, 4, c.what);
    }
    /* grades a group does not have, and groups without values */
    const int none[][2] = {{4, 3},  {5, -1}, {6, 6},  {7, 4},   {8, 2},  {9, 5},  {10, 1},
                           {11, 2}, {18, 3}, {19, 3}, {-11, 1}, {20, 1}, {21, 2}, {12, 0}};
    for (const auto &n : none) {
        double E = UNSET;
        EXPECT_EQ(Get_Mat_Stiffness(n[0], n[1], 0, 15, &E, nullptr, nullptr, nullptr), 0)
            << n[0] << "/" << n[1];
        EXPECT_EQ(E, UNSET);
    }
}

TEST(MatGroups, StrengthsOfEveryGroup)
{
    // clang-format off
    const Strength_Case cases[] = {
        /* EN 338 C24 along the grain: 24, 14.5, 21, 4.0, 2.5; 100 mm deep: k_h = (150 / 100)^0.2
        ** = 1.084472 on bending 26.0273 and tension 15.7248; 200 mm: no k_h */
        {"C24", true, 0, 5, 2, 6, 60, 200, false, {24000, 14500, 21000, 4000, 2500, NONE}},
        {"C24 kh",
         true,
         0,
         5,
         2,
         6,
         60,
         100,
         true,
         {26027.322509, 15724.840682, 21000, 4000, 2500, 1.084471771}},
        {"C24 deep", true, 0, 5, 2, 6, 60, 200, true, {24000, 14500, 21000, 4000, 2500, NONE}},
        /* DIN 1052 C24 across the grain: f_t,90 0.4, f_c,90 2.5, f_v 2.0; no k_h */
        {"C24 DIN", false, 0, 5, 2, 7, 60, 100, true, {24000, 400, 2500, 2000, 2500, NONE}},
        /* EN 14080 GL24h 400 mm: k_h = (600 / 400)^0.1 = 1.041380: 24.9931, 19.9945 */
        {"GL24h",
         true,
         2,
         2,
         2,
         8,
         140,
         400,
         true,
         {24993.113856, 19994.491085, 24000, 3500, 2500, 1.041379744}},
        /* no depth given: no k_h */
        {"GL24h h 0", true, 2, 2, 2, 8, 0, 0, true, {24000, 19200, 24000, 3500, 2500, NONE}},
        /* DIN 1052 GL24h (BS11) 300 mm: (600 / 300)^0.14 = 1.1019 -> 1.1: 26.4, 18.15 */
        {"BS11", false, 3, 0, 2, 6, 140, 300, true, {26400, 18150, 24000, 2500, 2700, 1.1}},
        /* laminated beech, use 1, across the grain, 100 x 200: f_c = (0.892 + 0.0009 * 200)
        ** * 59.4 = 63.6768; with k_h = 3^0.1 = 1.116123: f_m = 75 * k_h = 83.7092, f_t = 0.6
        ** * k_h = 0.669674, f_v = 4.5 * 3^0.13 = 5.190848 */
        {"GL75", true, 17, 0, 1, 9, 100, 200, false, {75000, 600, 63676.8, 4500, 14800, NONE}},
        {"GL75 kh",
         true,
         17,
         0,
         1,
         9,
         100,
         200,
         true,
         {83709.238053, 669.673904, 63676.8, 5190.847581, 14800, 1.116123174}},
        /* OSB/3 15 mm bending parallel: 16.4, 9.4, 15.4, planar shear 1.0, f_c,90 10 */
        {"OSB/3", true, 4, 1, 2, 0, 0, 15, false, {16400, 9400, 15400, 1000, 10000, NONE}},
        /* OSB/4 20 mm in plane perpendicular: f_t,90 8.0 as f_m and f_t, f_c,90 13.7, panel
        ** shear 6.9 */
        {"OSB/4", true, 4, 2, 2, 5, 0, 20, false, {8000, 8000, 13700, 6900, 10000, NONE}},
        /* plasterboard 12.5 mm, plate perpendicular: 2.0, 0.7, 5.5, 1.0, f_c,90 3.5 */
        {"GKB", true, 5, 0, 2, 1, 0, 12.5, false, {2000, 700, 5500, 1000, 3500, NONE}},
        /* plywood grade 3 bending perpendicular: 30, 31, 22, 2.2, 9 */
        {"plywood", true, 6, 3, 2, 4, 0, 12, false, {30000, 31000, 22000, 2200, 9000, NONE}},
        /* particle board P5 19 mm in plane: f_t 8.5 as f_m, f_c 11.8, f_v 6.5, f_c,90 10 */
        {"P5", true, 7, 1, 2, 5, 0, 19, false, {8500, 8500, 11800, 6500, 10000, NONE}},
        /* hard board 5 mm in plane: 26, 26, 27, f_v 18, f_c,90 12 */
        {"HB", true, 8, 0, 2, 5, 0, 5, false, {26000, 26000, 27000, 18000, 12000, NONE}},
        /* medium board out of plane (EN 12369-1, Table 5): up to 10 mm 17, 9, 9, planar shear
        ** 0.3, f_c,90 8; over 10 mm 15, 8, 8, planar shear 0.25, f_c,90 8 */
        {"MBH 10", true, 8, 1, 2, 0, 0, 10, false, {17000, 9000, 9000, 300, 8000, NONE}},
        {"MBH 12", true, 8, 1, 2, 0, 0, 12, false, {15000, 8000, 8000, 250, 8000, NONE}},
        /* gypsum fibre grade 2: plate f_m 4.0, f_v 1.7; in plane 4.1, 2.4, 8.5, 3.5 */
        {"gypsum plate", true, 9, 2, 2, 0, 0, 12.5, false, {4000, 0, 0, 1700, NONE, NONE}},
        {"gypsum plane", true, 9, 2, 2, 5, 0, 12.5, false, {4100, 2400, 8500, 3500, NONE, NONE}},
        /* Kerto-S flatwise: 50, 35, 35, 2.3, 2.2; kind 6: only f_c,90 6 */
        {"Kerto-S", true, 10, 0, 2, 1, 0, 0, false, {50000, 35000, 35000, 2300, 2200, NONE}},
        {"Kerto-S 6", true, 10, 0, 2, 6, 0, 0, false, {NONE, NONE, NONE, NONE, 6000, NONE}},
        /* Kerto-Q grade 0 edgewise: 28, 19, 19, 4.5, 9 */
        {"Kerto-Q", true, 11, 0, 2, 0, 0, 0, false, {28000, 19000, 19000, 4500, 9000, NONE}},
        /* Steico LVL grade 2, kind 6: 32, 22, 30, 4.6, 9; GLVL flatwise: 50, 36, 40, 2.6, 3.6 */
        {"Steico LVL", true, 19, 2, 2, 6, 0, 0, false, {32000, 22000, 30000, 4600, 9000, NONE}},
        {"Steico GLVL", true, -11, 0, 2, 1, 0, 0, false, {50000, 36000, 40000, 2600, 3600, NONE}},
        /* spruce LVL S flatwise: 50, 31, 40, 2.6, 7.3 */
        {"LVL S", true, 20, 0, 2, 1, 0, 0, false, {50000, 31000, 40000, 2600, 7300, NONE}},
        /* BauBuche S edgewise: 70, 60, 49.5, 8.0, 14.0; use 1: 49.5 * 1.2, 14 * 1.2 */
        {"beech panel", true, 18, 0, 2, 0, 0, 0, false, {70000, 60000, 49500, 8000, 14000, NONE}},
        {"beech panel 1", true, 18, 0, 1, 0, 0, 0, false, {70000, 60000, 59400, 8000, 16800, NONE}},
        /* a stress kind outside 0..9: defined, no values */
        {"C24 kind 10", true, 0, 5, 2, 10, 60, 100, true, {NONE, NONE, NONE, NONE, NONE, NONE}},
    };
    // clang-format on
    for (const Strength_Case &c : cases) {
        Nad_Scope scope(c.en);
        double v[6] = {UNSET, UNSET, UNSET, UNSET, UNSET, UNSET};
        ASSERT_EQ(Get_Mat_Strengths(/*group=*/c.group, /*grade=*/c.grade, /*use=*/c.use,
                                    /*stress_kind=*/c.kind, /*width_mm=*/c.width,
                                    /*depth_mm=*/c.depth, /*f_m_k=*/&v[0], /*f_t_k=*/&v[1],
                                    /*f_c_k=*/&v[2], /*f_v_k=*/&v[3], /*f_c90_k=*/&v[4],
                                    /*k_h=*/c.kh ? &v[5] : nullptr),
                  1)
            << c.what;
        Expect_Values(v, c.want, 6, c.what);
    }
    const int none[][2] = {{0, 12}, {4, 3},  {5, 3},  {6, 6},  {7, 4},  {8, 2},  {9, 5}, {10, 1},
                           {11, 2}, {17, 2}, {18, 3}, {19, 3}, {20, 1}, {21, 0}, {12, 0}};
    for (const auto &n : none) {
        Nad_Scope scope(true);
        double f = UNSET;
        EXPECT_EQ(Get_Mat_Strengths(/*group=*/n[0], /*grade=*/n[1], /*use=*/2, /*stress_kind=*/0,
                                    /*width_mm=*/0, /*depth_mm=*/15, /*f_m_k=*/&f,
                                    /*f_t_k=*/nullptr, /*f_c_k=*/nullptr, /*f_v_k=*/nullptr,
                                    /*f_c90_k=*/nullptr, /*k_h=*/nullptr),
                  0)
            << n[0] << "/" << n[1];
        EXPECT_EQ(f, UNSET);
    }
}

TEST(MatGroups, ParticleBoardGradesAndBands)
{
    /* P4..P7 only; f_c,90 10, 8 and 6 N/mm2 up to 20, 32 and above 32 mm, also outside the
    ** bands of the other values */
    double fc90 = UNSET, fm = UNSET;
    EXPECT_EQ(Get_Spanplatte_Values(4, 0, &fm, 19, nullptr, nullptr, nullptr, &fc90), 0);
    EXPECT_EQ(fc90, UNSET);
    EXPECT_EQ(Get_Spanplatte_Values(3, 0, &fm, 60, nullptr, nullptr, nullptr, &fc90), 1);
    EXPECT_EQ(fc90, 6000.0);
    EXPECT_EQ(fm, UNSET);
    EXPECT_EQ(Get_Spanplatte_Values(3, 0, &fm, 32, nullptr, nullptr, nullptr, &fc90), 1);
    EXPECT_EQ(fc90, 8000.0);
    /* P7 out of plane, 32 mm (over 25 up to 32): f_m 14.2 */
    EXPECT_NEAR(fm, 14200.0, 1e-9);
}
