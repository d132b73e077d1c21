/*
** Tests of the axial parameters of nails and screws: withdrawal and head pull-through parameters,
** the approvals' tables, washer areas, k_ef and the member pairing. Values from EN 1995-1-1,
** 8.3.2, 8.5.2, 8.7.2 and Table 8.1, and DIN 1052, 12.8, worked by hand.
*/
#include <gtest/gtest.h>

#include "design_test_util.h"

TEST(AxialValues, WithdrawalParameters)
{
    {
        Standard_Scope en(true, 1);
        /* nail: 20e-6 * 350² = 2.45; rho above 500 counts as 500: 20e-6 * 250000 = 5 */
        EXPECT_NEAR(Calc_Fax_Nail_Param(0, 12.0, 0, 0, 350.0), 2.45, 1e-12);
        EXPECT_NEAR(Calc_Fax_Nail_Param(0, 12.0, 0, 0, 600.0), 5.0, 1e-12);
        /* staple at 20 % is not reduced, at 20.01 % by 2/3 */
        EXPECT_NEAR(Calc_Fax_Nail_Param(1, 20.0, 0, 0, 350.0), 2.45, 1e-12);
        EXPECT_NEAR(Calc_Fax_Nail_Param(1, 20.01, 0, 0, 350.0), 2.45 * 2.0 / 3.0, 1e-12);
        /* class 3 special nail with the annex variant: 50e-6 * 350² = 6.125; core pre-drilling 0.7 */
        EXPECT_NEAR(Calc_Fax_Nail_Param(22, 12.0, 0, 0, 350.0), 6.125, 1e-12);
        EXPECT_NEAR(Calc_Fax_Nail_Param(22, 12.0, 0, 1, 350.0), 6.125 * 0.7, 1e-12);
        EXPECT_NEAR(Calc_Fax_Screw_Class(5, 0, 0, 350.0, 6.0), 8.575, 1e-12);
    }
    {
        Standard_Scope en(true, 0);
        EXPECT_EQ(Calc_Fax_Nail_Param(22, 12.0, 0, 0, 350.0), 0.0);
        EXPECT_EQ(Calc_Fax_Screw_Class(5, 0, 0, 350.0, 6.0), 0.0);
    }
    for (int variant = 0; variant < 2; variant++) {
        /* f_ax of class 3 (50e-6 * 350² = 6.125) and f_head of class B (80e-6 * 350² = 9.8)
        ** come with the switch of Table NA.15 (8.3.2), whatever the annex's variant */
        Standard_Scope en(true, variant);
        en.Block().use_table_na15 = 1 - variant;
        EXPECT_NEAR(Calc_Fax_Nail_Param(22, 12.0, 0, 0, 350.0), variant ? 0.0 : 6.125, 1e-12);
        EXPECT_NEAR(Calc_Fhead_Nail_Param(17, 0, 350.0), variant ? 0.0 : 9.8, 1e-12);
    }
    Standard_Scope din(false);
    /* DIN: 18e-6 * 350² = 2.205; a staple in moist timber times 0.3333333 */
    EXPECT_NEAR(Calc_Fax_Nail_Param(0, 12.0, 0, 0, 350.0), 2.205, 1e-12);
    EXPECT_NEAR(Calc_Fax_Nail_Param(1, 25.0, 0, 0, 350.0), 2.205 * 0.3333333, 1e-12);
    /* ETA-11/0190 screws under DIN: 80e-6 * 350² = 9.8 */
    EXPECT_NEAR(Calc_Fax_Screw_Class(14, 0, 0, 350.0, 6.0), 9.8, 1e-12);
}

TEST(AxialValues, ApprovalTables)
{
    EXPECT_EQ(Get_Fax_Table_A(5.5), 10.0);
    EXPECT_EQ(Get_Fax_Table_A(4.0), 12.0);
    EXPECT_EQ(Get_Fax_Table_A(8.0), 11.0);
    EXPECT_EQ(Get_Fax_Table_B(5.0), 14.0);
    EXPECT_EQ(Get_Fax_Table_B(10.0), 11.5);
    EXPECT_EQ(Get_Fax_Table_B(14.0), 10.0);
    /* the 4.5 band is 4.4 <= d < 4.6 */
    EXPECT_EQ(Get_Fax_Family_C_A(4.55, 0, 0), 13.7);
    EXPECT_EQ(Get_Fax_Family_C_A(4.6, 0, 0), 8.0);
    EXPECT_EQ(Get_Fax_Family_C_B(8.0, 2, 0), 14.0);
    EXPECT_EQ(Get_Fax_Family_C_A(8.0, 18, 1), 35.3);
    EXPECT_EQ(Get_Fax_Family_C_B(8.0, 18, 0), 47.0);
    EXPECT_EQ(Get_Fax_Family_C_A(4.0, 18, 0), 10.0);
    EXPECT_EQ(Get_Fax_Family_C_A(8.0, 5, 0), 0.0);
}

TEST(AxialValues, ThirdScrewFamilyWholeTable)
{
    /* the approval's withdrawal parameters by diameter: timber A, B; beech pre-drilled A, B;
    ** beech not pre-drilled A, B (0: no beech value, 10 counts) */
    const struct {
        double d, v[6];
    } rows[] = {
        // clang-format off
        {3.5, {15.1, 17.2, 0, 0, 0, 0}},          {4.0, {13.8, 15.8, 0, 0, 0, 0}},
        {4.5, {13.7, 15.7, 0, 0, 0, 0}},          {5.0, {12.7, 14.5, 34.4, 41.3, 38.2, 45.9}},
        {6.0, {12.0, 13.7, 36.4, 43.7, 38.7, 46.4}}, {7.0, {14.0, 15.6, 35.3, 42.4, 38.7, 46.4}},
        {8.0, {12.3, 14.0, 35.3, 42.4, 39.2, 47.0}}, {10.0, {11.6, 13.3, 29.3, 35.1, 32.8, 39.3}},
        {12.0, {11.3, 12.7, 19.5, 21.9, 20.0, 24.0}},
        // clang-format on
    };
    for (const auto &r : rows) {
        /* solid timber, glulam and LVL read the timber columns */
        for (int mat : {0, 2, 10}) {
            EXPECT_EQ(Get_Fax_Family_C_A(r.d, mat, 0), r.v[0]) << r.d << " " << mat;
            EXPECT_EQ(Get_Fax_Family_C_B(r.d, mat, 1), r.v[1]) << r.d << " " << mat;
        }
        /* beech LVL 17 and 18 by pre-drilling */
        for (int mat : {17, 18}) {
            EXPECT_EQ(Get_Fax_Family_C_A(r.d, mat, 1), r.v[2] > 0 ? r.v[2] : 10.0)
                << r.d << " " << mat;
            EXPECT_EQ(Get_Fax_Family_C_B(r.d, mat, 1), r.v[3] > 0 ? r.v[3] : 10.0)
                << r.d << " " << mat;
            EXPECT_EQ(Get_Fax_Family_C_A(r.d, mat, 0), r.v[4] > 0 ? r.v[4] : 10.0)
                << r.d << " " << mat;
            EXPECT_EQ(Get_Fax_Family_C_B(r.d, mat, 0), r.v[5] > 0 ? r.v[5] : 10.0)
                << r.d << " " << mat;
        }
    }
    /* a diameter outside the bands: timber 8, beech 10 */
    EXPECT_EQ(Get_Fax_Family_C_B(9.0, 0, 0), 8.0);
    EXPECT_EQ(Get_Fax_Family_C_B(9.0, 17, 0), 10.0);
    /* OSB (rho_k 550) from 4 to 6 mm: 10, else 0; plasterboard 0 */
    EXPECT_EQ(Get_Fax_Family_C_A(5.0, 4, 0), 10.0);
    EXPECT_EQ(Get_Fax_Family_C_B(6.0, 4, 0), 10.0);
    EXPECT_EQ(Get_Fax_Family_C_A(7.0, 4, 0), 0.0);
    EXPECT_EQ(Get_Fax_Family_C_B(5.0, 5, 0), 0.0);
    /* the two approvals' tables by band: A 12.0 (2.9..5.1), 11.5 (5.9..7.1), 11.0 (7.9..8.1),
    ** else 10.0; B 14.0 below 6, 12.0 to 8.1, 11.5 to 10.1, 11.0 to 12.1, else 10.0 */
    const struct {
        double d, a, b;
    } bands[] = {{2.8, 10.0, 14.0}, {2.9, 12.0, 14.0},  {5.1, 12.0, 14.0},  {5.9, 11.5, 14.0},
                 {6.0, 11.5, 12.0}, {7.1, 11.5, 12.0},  {7.9, 11.0, 12.0},  {8.1, 11.0, 12.0},
                 {8.2, 10.0, 11.5}, {10.1, 10.0, 11.5}, {10.2, 10.0, 11.0}, {12.1, 10.0, 11.0},
                 {12.2, 10.0, 10.0}};
    for (const auto &b : bands) {
        EXPECT_EQ(Get_Fax_Table_A(b.d), b.a) << b.d;
        EXPECT_EQ(Get_Fax_Table_B(b.d), b.b) << b.d;
    }
}

TEST(AxialValues, HeadPullThrough)
{
    {
        Standard_Scope en(true, 0);
        /* 70e-6 * 350² = 8.575, at fibre saturation times 2/3 */
        EXPECT_NEAR(Calc_Fhead_Nail_Param(0, 0, 350.0), 8.575, 1e-12);
        EXPECT_NEAR(Calc_Fhead_Nail_Param(0, 1, 350.0), 8.575 * 2.0 / 3.0, 1e-12);
        EXPECT_EQ(Calc_Fhead_Nail_Param(17, 0, 350.0), 0.0);
    }
    /* 20 mm head over a 10 mm particle board: thinner than 1.2 * 20 -> 0; over 16 mm: 8.0 */
    EXPECT_EQ(Calc_Fhead_Screw_A(20.0, 5.0, 10.0, 7), 0.0);
    EXPECT_EQ(Calc_Fhead_Screw_A(20.0, 5.0, 16.0, 7), 8.0);
    /* head 10 on a core of 6: 10 < 10.8 -> 0; head 12 in timber: 13 */
    EXPECT_EQ(Calc_Fhead_Screw_A(10.0, 6.0, 40.0, 0), 0.0);
    EXPECT_EQ(Calc_Fhead_Screw_A(12.0, 6.0, 40.0, 0), 13.0);
    /* ETA-12/0114 form 1 (type 11, no washer): 27 - 14 = 13; form 2 with a washer of 20: 13.0 */
    EXPECT_EQ(Calc_Fhead_Screw_Eta12(11, 0, 14.0, 5.0, -1.0, 40.0, 0), 13.0);
    EXPECT_EQ(Calc_Fhead_Screw_Eta12(11, 0, 20.0, 5.0, 20.0, 40.0, 0), 13.0);
    /* form 1 at 24 mm: 11 - 0.2 * 8 = 9.4 */
    EXPECT_NEAR(Calc_Fhead_Screw_B(13, 0, 24.0, 5.0, 0, 40.0, 0), 9.4, 1e-12);
    /* third family: hardwood without washer, head 14: 20; softwood: 14 */
    EXPECT_EQ(Calc_Fhead_Screw_C(50, 0, 14.0, 5.0, 0, 40.0, 1), 20.0);
    EXPECT_EQ(Calc_Fhead_Screw_C(50, 0, 14.0, 5.0, 0, 40.0, 0), 14.0);
}

TEST(AxialValues, HeadPullThroughPanelRulesAndForms)
{
    /* the basic value 13 (head up to 19) or 10; in a panel of 12 to 20 mm 8; below 12 mm the
    ** panel's own minimum (8 mm: OSB, particle board, LVL; 6 mm: plywood, fibreboard; never in
    ** plaster or gypsum fibre; other panels 0), then t >= 1.2 D; always D >= 1.8 d1 */
    const struct {
        double D, d1, t;
        int mat;
        double f;
    } rows[] = {
        // clang-format off
        {12, 6, 40, 0, 13}, {20, 6, 40, 0, 10}, {10.7, 6, 40, 0, 0}, {10.8, 6, 40, 0, 13},
        {12, 5, 15, 6, 8},   {12, 5, 25, 6, 13}, {12, 5, 12, 4, 8},   {12, 5, 20, 4, 8},
        {6, 3, 7.9, 4, 0},   {8, 4, 10, 4, 13},  {8, 4, 10, 7, 13},   {8, 4, 7.9, 7, 0},
        {8, 4, 10, 10, 13},  {8, 4, 7.9, 11, 0}, {8, 4, 10, 19, 13},  {8, 4, 7.9, 20, 0},
        {8, 4, 10, -10, 13}, {8, 4, 7.9, -11, 0},
        {4.5, 2.5, 5.9, 6, 0}, {4.5, 2.5, 6.0, 6, 13}, {4.5, 2.5, 5.9, 8, 0}, {4.5, 2.5, 6.0, 8, 13},
        {8, 4, 10, 5, 0},    {8, 4, 10, 9, 0},   {8, 4, 10, 18, 0},   {8, 4, 15, 18, 8},
        {10, 5, 11.9, 4, 0}, {8, 4, 9.6, 4, 13},
        // clang-format on
    };
    for (const auto &r : rows)
        EXPECT_EQ(Calc_Fhead_Screw_A(r.D, r.d1, r.t, r.mat), r.f)
            << r.D << " " << r.t << " " << r.mat;
    /* the ETA-12/0114 forms: form 1 27 - D up to 16, 11 - 0.2 (D - 16) up to 32; form 2 29 - D,
    ** 13 up to 22, 16 - 0.5 (D - 16) up to 32; a larger head counts as 32 */
    const struct {
        double D;
        double f1, f2;
    } forms[] = {{14, 13, 15},  {16, 11, 13}, {20, 10.2, 13}, {22, 9.8, 13},
                 {24, 9.4, 12}, {32, 7.8, 8}, {33, 7.8, 8}};
    for (const auto &f : forms) {
        EXPECT_NEAR(Calc_Fhead_Screw_B(13, 0, f.D, 5.0, 0, 40.0, 0), f.f1, 1e-9) << f.D;
        EXPECT_NEAR(Calc_Fhead_Screw_B(13, 0, f.D, 5.0, 1, 40.0, 0), f.f2, 1e-9) << f.D;
        /* the same by washer diameter (at most 1 counts as none) */
        EXPECT_NEAR(Calc_Fhead_Screw_Eta12(13, 0, f.D, 5.0, 1.0, 40.0, 0), f.f1, 1e-9) << f.D;
    }
    /* type 44 takes form 1 only with head forms 1, 2 and 4 */
    EXPECT_EQ(Calc_Fhead_Screw_B(44, 1, 14.0, 5.0, 0, 40.0, 0), 13.0);
    EXPECT_EQ(Calc_Fhead_Screw_B(44, 2, 14.0, 5.0, 0, 40.0, 0), 13.0);
    EXPECT_EQ(Calc_Fhead_Screw_B(44, 4, 14.0, 5.0, 0, 40.0, 0), 13.0);
    EXPECT_EQ(Calc_Fhead_Screw_B(44, 3, 14.0, 5.0, 0, 40.0, 0), 15.0);
    EXPECT_EQ(Calc_Fhead_Screw_B(12, 1, 14.0, 5.0, 0, 40.0, 0), 15.0);
    /* ETA-11/0190: 10 above a head of 19 or with a washer, else 13 */
    EXPECT_EQ(Calc_Fhead_Screw_Eta11(20.0, -1.0, 5.0, 40.0, 0), 10.0);
    EXPECT_EQ(Calc_Fhead_Screw_Eta11(14.0, 30.0, 5.0, 40.0, 0), 10.0);
    EXPECT_EQ(Calc_Fhead_Screw_Eta11(14.0, -1.0, 5.0, 40.0, 0), 13.0);
}

TEST(AxialValues, WasherAreasAndKef)
{
    {
        Standard_Scope din(false);
        EXPECT_EQ(Calc_Thread_Area(12.0, 44.0), 1550.0);
        EXPECT_EQ(Calc_Thread_Area(20.0, 44.0), 1550.0);
    }
    {
        Standard_Scope en(true);
        /* 3 (pi 44² / 4 - pi 14² / 4) = 3 * 3.14159265359 / 4 * (1936 - 196) = 4099.78 */
        EXPECT_NEAR(Calc_Thread_Area(12.0, 44.0), 4099.78, 0.01);
    }
    /* pi / 4 (44² - 13²) = 0.785398 * 1767 = 1387.80 */
    EXPECT_NEAR(Calc_Washer_Area(12.0, 44.0), 1387.80, 0.01);
    /* plate rule: D = min(12 * 4, 4 * 12) = 48 -> pi / 4 (2304 - 169) = 1676.83 */
    EXPECT_NEAR(Calc_Washer_Area_Alt(12.0, 0.0, 4.0), 1676.83, 0.01);
    EXPECT_EQ(Calc_Vbm_K_Ef(4.0, 56.0, 0), 1.0);
    EXPECT_NEAR(Calc_Vbm_K_Ef(4.0, 40.0, 0), 0.85, 1e-12);
    EXPECT_NEAR(Calc_Vbm_K_Ef(4.0, 28.0, 0), 0.7, 1e-12);
    EXPECT_NEAR(Calc_Vbm_K_Ef(4.0, 16.0, 1), 0.5, 1e-12);
    EXPECT_NEAR(Calc_Vbm_K_Ef(4.0, 16.0, 0), 0.4, 1e-12);
    /* between the rows, linear in a1 (d = 4): 10d..14d 0.85 + 0.15 * 8 / 16 = 0.925;
    ** 7d..10d 0.7 + 0.15 * 6 / 12 = 0.775; 4d..7d pre-drilled 0.5 + 0.2 * 4 / 12 = 0.56667,
    ** else 0.7 * 20 / 28 = 0.5; below 4d 0.5 * 12 / 16 = 0.375 and 0.7 * 12 / 28 = 0.3 */
    EXPECT_NEAR(Calc_Vbm_K_Ef(4.0, 48.0, 0), 0.925, 1e-12);
    EXPECT_NEAR(Calc_Vbm_K_Ef(4.0, 34.0, 0), 0.775, 1e-12);
    EXPECT_NEAR(Calc_Vbm_K_Ef(4.0, 20.0, 1), 0.56667, 1e-5);
    EXPECT_NEAR(Calc_Vbm_K_Ef(4.0, 20.0, 0), 0.5, 1e-12);
    EXPECT_NEAR(Calc_Vbm_K_Ef(4.0, 12.0, 1), 0.375, 1e-12);
    EXPECT_NEAR(Calc_Vbm_K_Ef(4.0, 12.0, 0), 0.3, 1e-12);
}

TEST(AxialValues, MaterialPairing)
{
    {
        Standard_Scope din(false);
        EXPECT_EQ(Check_Vbm_Material_Pair(0, 0, 0, 0, 0, 0, 0, 0), 0);
        EXPECT_EQ(Check_Vbm_Material_Pair(30, 0, 0, 0, 0, 0, 0, 0), 1);
        EXPECT_EQ(Check_Vbm_Material_Pair(1, 0, 0, 0, 0, 0, 0, 0), 0);
        EXPECT_EQ(Check_Vbm_Material_Pair(1, 1, 0, 0, 0, 0, 0, 0), 1);
        EXPECT_EQ(Check_Vbm_Material_Pair(0, 0, 0, 0, 9, 0, 0, 0), 1);
        EXPECT_EQ(Check_Vbm_Material_Pair(22, 0, 0, 0, 6, 0, 0, 0), 1);
        EXPECT_EQ(Check_Vbm_Material_Pair(30, 0, 0, 0, 10, 12, 0, 0), 0);
        EXPECT_EQ(Check_Vbm_Material_Pair(30, 0, 0, 0, 5, 0, 0, 0), 0);
    }
    Standard_Scope en(true, 1);
    EXPECT_EQ(Check_Vbm_Material_Pair(0, 0, 0, 0, 0, 0, 0, 0), 1);
    EXPECT_EQ(Check_Vbm_Material_Pair(0, 0, 1, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(Check_Vbm_Material_Pair(0, 0, 0, 0, 15, 0, 0, 0), 0);
}
