/*
** Complete design runs per fastener family and member layout, each governing value worked by
** hand from DIN 1052 (simplified proof) and EN 1995-1-1 (exact proof).
*/
#include <gtest/gtest.h>

#include <cmath>

#include "design_test_util.h"

namespace {

Connection_Input Base_Input(int type, double d, double length, double t1, double t2)
{
    Connection_Input in{};
    in.vbm_type = type;
    in.steel_grade = -1;
    in.d = d;
    in.d_k = 2.0 * d;
    in.length = length;
    in.shear_planes = 1;
    in.proof_method = 0;
    in.mat_1 = in.mat_2 = 0;
    in.grade_1 = in.grade_2 = Grade_Index(0, "C24");
    in.t1 = t1;
    in.t2 = t2;
    in.kmod_given = 0.8;
    in.gamma_m_1 = in.gamma_m_2 = 1.3;
    in.gamma_steel = 1.1;
    in.axis_angle = 90.0;
    in.washer_d = -1.0;
    in.service_class_1 = in.service_class_2 = 1;
    return in;
}

} // namespace

TEST(DesignFamilies, NailSimplifiedDin1052)
{
    Standard_Scope din(false);
    Connection_Input in = Base_Input(0, 4.0, 90.0, 40.0, 60.0);
    in.fu = 600.0;
    in.split_rule = 1;
    Connection_Result r{};
    ASSERT_EQ(Design_Connection(in, &r), 0);
    /* point 50 mm in member 2 (case 1); t1,req = t2,req = 3.92635 sqrt(6616.50 / (18.935 * 4))
    ** = 36.70 <= 40 and 50: k = 1; Rk = sqrt(2 * 6616.50 * 18.935 * 4) = 1001.13;
    ** rd = 1001.13 * 0.8 / 1.1 = 728.10 */
    EXPECT_NEAR(r.l_ef, 50.0, 1e-9);
    EXPECT_EQ(r.point_member, 1);
    EXPECT_NEAR(r.t_req_1, 36.698, 0.001);
    EXPECT_DOUBLE_EQ(r.k_red, 1.0);
    EXPECT_NEAR(r.rk_lateral, 1001.13, 0.01);
    EXPECT_DOUBLE_EQ(r.gamma_lateral, 1.1);
    EXPECT_NEAR(r.rd_lateral, 728.10, 0.01);
}

TEST(DesignFamilies, BoltSimplifiedDin1052)
{
    Standard_Scope din(false);
    Connection_Input in = Base_Input(30, 12.0, 120.0, 60.0, 60.0);
    in.fu = 360.0;
    Connection_Result r{};
    ASSERT_EQ(Design_Connection(in, &r), 0);
    /* fh with the hole d + 1 = 13: 0.082 * 0.87 * 350 = 24.969; required thicknesses with d 12:
    ** 3.92635 * sqrt(69070.9 / (25.256 * 12)) = 59.27 <= 60: ratio 1;
    ** Rk = sqrt(2 * 69070.9 * 24.969 * 12) = 6433.59; rd = 6433.59 * 0.8 / 1.1 = 4678.98 */
    EXPECT_NEAR(r.fh1_k, 24.969, 0.001);
    EXPECT_NEAR(r.t_req_1, 59.274, 0.001);
    EXPECT_NEAR(r.rk_lateral, 6433.59, 0.01);
    EXPECT_NEAR(r.rd_lateral, 4678.98, 0.01);
    EXPECT_EQ(r.point_member, 1);
    /* a steel grade gives fu in place of the entered one: "FK 4.6", fu 400; My = 0.3 * 400 *
    ** 12^2.6 = 76745.42, t_req = 3.92635 sqrt(76745.42 / (25.256 * 12)) = 62.4801 > 60:
    ** k = 0.960305, Rk = 0.960305 sqrt(2 * 76745.42 * 24.969 * 12) = 0.960305 * 6781.60 = 6512.41 */
    in.steel_grade = 23;
    Connection_Result g{};
    ASSERT_EQ(Design_Connection(in, &g), 0);
    EXPECT_NEAR(g.t_req_1, 62.480, 0.001);
    EXPECT_NEAR(g.k_red, 0.96030, 1e-5);
    EXPECT_NEAR(g.rk_lateral, 6512.41, 0.01);
}

TEST(DesignFamilies, WoodScrewSimplifiedDin1052)
{
    Standard_Scope din(false);
    Connection_Input in = Base_Input(2, 6.0, 80.0, 30.0, 60.0);
    in.fu = 400.0;
    Connection_Result r{};
    ASSERT_EQ(Design_Connection(in, &r), 0);
    /* fh = 0.082 * 350 * 6^-0.3 = 16.766; t1,req = 3.92635 sqrt(0.15 * 400 * 6^2.6 / (16.766 * 6))
    ** = 31.143 > 30: k = 30 / 31.143 = 0.96328; the point 50 held in member 2 needs
    ** t2,req = 1.15 (2 + 2 / sqrt 2) sqrt(0.3 * 400 * 6^2.6 / (16.766 * 6)) = 1.15 * 3.414214 *
    ** 11.217430 = 44.0435 (DIN 1052, eq. (209)), which it has;
    ** Rk = 0.96328 * sqrt(2 * 6328.8 * 16.766 * 6) = 1087.01; rd = 790.56 */
    EXPECT_NEAR(r.k_red, 0.96328, 1e-5);
    EXPECT_NEAR(r.rk_lateral, 1087.01, 0.01);
    EXPECT_NEAR(r.rd_lateral, 790.56, 0.01);
    /* a screw of 60 mm reaches only p = 30 into member 2: k = 30 / 44.0435 = 0.681145 below
    ** 30 / 31.1435; Rk = 0.681145 * 1128.45 = 768.64 */
    in.length = 60.0;
    Connection_Result s{};
    ASSERT_EQ(Design_Connection(in, &s), 0);
    EXPECT_NEAR(s.k_red, 0.681145, 1e-6);
    EXPECT_NEAR(s.rk_lateral, 768.64, 0.01);
}

TEST(DesignFamilies, NailThroughOuterSteelPlateSimplifiedDin1052)
{
    Standard_Scope din(false);
    Connection_Input in = Base_Input(0, 4.0, 50.0, 5.0, 60.0);
    in.fu = 600.0;
    in.split_rule = 1;
    in.mat_1 = 12;
    in.grade_1 = 0;
    Connection_Result r{};
    ASSERT_EQ(Design_Connection(in, &r), 0);
    /* plate 5 mm >= d = 4: thick, k_p = 1.4 (DIN 1052, 12.5.3); point 45 mm in the timber,
    ** above 10 d = 40: k = 1; fh = 0.082 * 350 * 4^-0.3 = 18.935, My = 0.3 * 600 * 4^2.6 =
    ** 6616.50: Rk = 1.4 sqrt(2 * 6616.50 * 18.935 * 4) = 1.4 * 1001.13 = 1401.58;
    ** rd = 1401.58 * 0.8 / 1.1 = 1019.33 */
    EXPECT_NEAR(r.k_p, 1.4, 1e-12);
    EXPECT_DOUBLE_EQ(r.k_red, 1.0);
    EXPECT_NEAR(r.rk_lateral, 1401.58, 0.01);
    EXPECT_NEAR(r.rd_lateral, 1019.33, 0.01);
}

TEST(DesignFamilies, NailThroughThickOuterSteelPlateExactEn1995)
{
    Standard_Scope en(true);
    Connection_Input in = Base_Input(0, 4.0, 50.0, 5.0, 60.0);
    in.proof_method = 1;
    in.fu = 600.0;
    in.split_rule = 1;
    in.mat_1 = 12;
    in.grade_1 = 0;
    Connection_Result r{};
    ASSERT_EQ(Design_Connection(in, &r), 0);
    /* plate 5 mm >= d: thick; the point reaches t = 50 - 5 = 45 mm into the timber;
    ** fh = 0.082 * 350 * 4^-0.3 = 18.9349, My = 0.3 * 600 * 4^2.6 = 6616.50 (EN 1995-1-1,
    ** eq. (8.11)): (c) fh t d (sqrt(2 + 4 My / (fh d t²)) - 1) = 3408.29 * 0.473963 = 1615.39,
    ** (d) 2.3 sqrt(My fh d) = 1628.19, (e) fh t d = 3408.29: (c) governs */
    EXPECT_EQ(r.plate_class, 2);
    EXPECT_EQ(r.rule_char, 14);
    EXPECT_NEAR(r.rk_lateral, 1615.39, 0.01);
}

TEST(DesignFamilies, DowelBesideSteelPlatesSimplified)
{
    Standard_Scope en(true);
    /* 12 mm dowel, fu 360, 60 mm of C24 (fh = 25.256 at 0 degrees, My = 69070.9) beside a thick
    ** plate: t_req = 4.6 sqrt(69070.9 / (25.256 * 12)) = 69.4436, k = 60 / 69.4436 = 0.864010;
    ** Rk = sqrt 2 * 0.864010 * sqrt(2 * 69070.9 * 25.256 * 12) = 7906.23, as inner plate (member
    ** 2) and as a thick outer plate (member 1) */
    for (int outer = 0; outer <= 1; outer++) {
        Connection_Input in = Base_Input(29, 12.0, 120.0, outer ? 12.0 : 60.0, outer ? 60.0 : 12.0);
        in.fu = 360.0;
        (outer ? in.mat_1 : in.mat_2) = 12;
        (outer ? in.grade_1 : in.grade_2) = 0;
        Connection_Result r{};
        ASSERT_EQ(Design_Connection(in, &r), 0) << outer;
        EXPECT_NEAR(r.k_red, 0.864010, 1e-5) << outer;
        EXPECT_NEAR(r.rk_lateral, 7906.23, 0.05) << outer;
    }
}

TEST(DesignFamilies, DowelInnerPlateEn1995)
{
    Standard_Scope en(true);
    Connection_Input in = Base_Input(29, 12.0, 120.0, 60.0, 10.0);
    in.proof_method = 1;
    in.fu = 360.0;
    in.mat_2 = 12;
    in.grade_2 = 0;
    Connection_Result r{};
    ASSERT_EQ(Design_Connection(in, &r), 0);
    /* mode 17: 9111.70 (as the inner-plate rule); rd = 9111.70 * 0.8 / 1.3 = 5607.20;
    ** the plate's spacings: d0 = 13, a1 = a2 = 2.4 d0 = 31.2, the distances 1.2 d0 = 15.6 */
    EXPECT_EQ(r.rule_char, 17);
    EXPECT_NEAR(r.rk_lateral, 9111.70, 0.01);
    EXPECT_NEAR(r.rd_lateral, 5607.20, 0.01);
    EXPECT_NEAR(r.spacing_2[0], 31.2, 1e-9);
    EXPECT_NEAR(r.spacing_2[1], 31.2, 1e-9);
    EXPECT_NEAR(r.spacing_2[2], 15.6, 1e-9);
    EXPECT_EQ(r.spacing_rule_2, 0);
    /* a steel plate doubles the slip modulus: 2 * 4490.8 */
    EXPECT_NEAR(r.k_ser, 8981.7, 0.05);
}

TEST(DesignFamilies, DowelBesideAnAluminiumPlateCappedByItsBearing)
{
    Standard_Scope en(true);
    ASSERT_DOUBLE_EQ(Get_Alu_Fu(42), 310.0); /* 6082 T6, up to 6 mm */
    Connection_Input in = Base_Input(29, 12.0, 120.0, 60.0, 3.0);
    in.proof_method = 1;
    in.fu = 360.0;
    in.mat_2 = 16;
    in.grade_2 = 42;
    Connection_Result r{};
    ASSERT_EQ(Design_Connection(in, &r), 0);
    /* hole d0 = 13: e1 = e2 = 1.2 d0 = 15.6, p1 = 2.2 d0 = 28.6, p2 = 2.4 d0 = 31.2;
    ** alpha_b = min(15.6 / 39, 28.6 / 39 - 0.25) = 0.4, k1 = min(2.8 * 15.6 / 13 - 1.7,
    ** 1.4 * 31.2 / 13 - 1.7, 2.5) = 1.66 (EN 1999-1-1, Table 8.5);
    ** F_b,Rk = 1.66 * 0.4 * 310 * 12 * 3 = 7410.24 below the timber's 9111.70 and governs;
    ** its design value 7410.24 / 1.1 = 6736.58 stays above the timber's design value */
    EXPECT_NEAR(r.alu_k1, 1.66, 1e-9);
    EXPECT_NEAR(r.alu_alpha_b, 0.4, 1e-9);
    EXPECT_NEAR(r.alu_fb_rk, 7410.24, 0.01);
    EXPECT_NEAR(r.rk_lateral, 7410.24, 0.01);
    EXPECT_EQ(r.rule_char, MODE_ALU_BEARING);
    EXPECT_DOUBLE_EQ(r.gamma_lateral, 1.1);
    EXPECT_NEAR(r.alu_fb_rd, 6736.58, 0.01);
    EXPECT_LT(r.rd_lateral, 6736.58);
    EXPECT_NE(r.rule_design, MODE_ALU_BEARING);
}

TEST(DesignFamilies, FittedBoltOuterPlatesEn1995)
{
    Standard_Scope en(true);
    Connection_Input in = Base_Input(30, 12.0, 120.0, 12.0, 60.0);
    in.proof_method = 1;
    in.fitted_bolt = 1;
    in.fu = 360.0;
    in.mat_1 = 12;
    in.grade_1 = 0;
    Connection_Result r{};
    ASSERT_EQ(Design_Connection(in, &r), 0);
    /* thick plate (12 >= 12): mode 14 = 9111.70; rd = 5607.20 */
    EXPECT_EQ(r.plate_class, 2);
    EXPECT_EQ(r.rule_char, 14);
    EXPECT_NEAR(r.rk_lateral, 9111.70, 0.01);
    EXPECT_NEAR(r.rd_lateral, 5607.20, 0.01);
    /* fitted: the plate's holes d0 = d = 12: a1 = 28.8 */
    EXPECT_NEAR(r.spacing_1[0], 28.8, 1e-9);
}

TEST(DesignFamilies, DesignValueMethodKeepsTheTwin)
{
    Standard_Scope en(true);
    Connection_Input in = Base_Input(29, 12.0, 120.0, 60.0, 60.0);
    in.proof_method = 2;
    in.fu = 360.0;
    Connection_Result r{};
    ASSERT_EQ(Design_Connection(in, &r), 0);
    /* the design-value twin: fh,d = 25.256 * 0.8 / 1.3, My,d = 69070.9 / 1.1: mode 3 = 4635.20 */
    EXPECT_EQ(r.rule_design, 3);
    EXPECT_NEAR(r.rd_lateral, 4635.20, 0.01);
    EXPECT_NEAR(r.rd_total, 4635.20, 0.01);
}

TEST(DesignFamilies, ApprovedScrewExactEn1995)
{
    Standard_Scope en(true);
    Connection_Input in = Base_Input(11, 6.0, 100.0, 40.0, 60.0);
    in.proof_method = 1;
    in.fu = 600.0;
    in.species_sfp = 1;
    Connection_Result r{};
    ASSERT_EQ(Design_Connection(in, &r), 0);
    /* My = 90 * 6^2.6 = 9493.71 (the approval's table under EN 1995), fh = 16.766 both, point
    ** 60 mm: R1 4023.9, R2 6035.9, R3 2154.2, R4 1647.4, R5 2275.5,
    ** R6 = 1.15 sqrt(2 * 9493.71 * 16.766 * 6) = 1589.37 -> mode 6; rd = 1589.37 * 0.8 / 1.3 */
    EXPECT_NEAR(r.my_rk, 9493.71, 0.01);
    EXPECT_EQ(r.rule_char, 6);
    EXPECT_NEAR(r.rk_lateral, 1589.37, 0.01);
    EXPECT_NEAR(r.rd_lateral, 978.07, 0.01);
    EXPECT_NEAR(r.l_ef, 60.0, 1e-9);
}

TEST(DesignFamilies, StapleAndNailThroughGypsumFibreboard)
{
    Standard_Scope din(false);
    /* staple d 1.5 (fu 800) through 12.5 mm gypsum fibreboard (material 9, 1150 kg/m3):
    ** 7 d = 10.5 <= 12.5, k = 1; My = 0.3 * 800 * 1.5^2.6 = 688.73,
    ** fh,1 = 7 * 1.5^-0.7 * 12.5^0.9 = 51.174; Rk = 1.4 sqrt(2 * 688.73 * 51.174 * 1.5) = 455.24 */
    Connection_Input in = Base_Input(1, 1.5, 45.0, 12.5, 40.0);
    in.mat_1 = 9;
    in.grade_1 = 0;
    in.fu = 800.0;
    in.resin_coated = 1;
    in.staple_angle_1 = in.staple_angle_2 = 90.0;
    Connection_Result r{};
    ASSERT_EQ(Design_Connection(in, &r), 0);
    EXPECT_NEAR(r.rho_1, 1150.0, 1e-9);
    EXPECT_NEAR(r.fh1_k, 51.1744, 1e-4);
    EXPECT_NEAR(r.my_rk, 688.729, 0.001);
    EXPECT_DOUBLE_EQ(r.k_red, 1.0);
    EXPECT_NEAR(r.rk_lateral, 455.239, 0.001);
    /* nail d 2.5 (fu 600): 7 d = 17.5 > 12.5: k = r7 = 12.5 / 17.5 = 0.714286, r25 = 1 (d not
    ** above 2.5); My = 0.3 * 600 * 2.5^2.6 = 1949.47, fh,1 = 7 * 2.5^-0.7 * 12.5^0.9 = 35.790;
    ** Rk = 0.7 * 0.714286^2 * sqrt(2 * 1949.47 * 35.790 * 2.5) = 210.943 */
    Connection_Input n = Base_Input(0, 2.5, 50.0, 12.5, 40.0);
    n.mat_1 = 9;
    n.grade_1 = 0;
    n.fu = 600.0;
    Connection_Result q{};
    ASSERT_EQ(Design_Connection(n, &q), 0);
    EXPECT_NEAR(q.fh1_k, 35.7898, 1e-4);
    EXPECT_NEAR(q.k_red, 12.5 / 17.5, 1e-12);
    EXPECT_NEAR(q.rk_lateral, 210.943, 0.001);
}
