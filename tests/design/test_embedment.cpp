/*
** Tests of k90, the embedment strengths, the penetration with its message lists and the required
** thicknesses. Values worked by hand from EN 1995-1-1, 8.3.1 and 8.5.1, and DIN 1052, 12.
*/
#include <gtest/gtest.h>

#include <cmath>

#include "design_test_util.h"

TEST(Embedment, K90AndBolts)
{
    {
        Standard_Scope en(true);
        EXPECT_NEAR(Calc_K90(12.0, 0), 1.53, 1e-12);
        EXPECT_NEAR(Calc_K90(12.0, 1), 1.08, 1e-12);
        EXPECT_EQ(Calc_K90(12.0, 12), 0.18);
        double fh = 0.0;
        /* plywood, bolt 12 mm, rho 500: 0.11 * 0.88 * 500 = 48.4 */
        EXPECT_EQ(Calc_Fh(&fh, 12.0, 30, 0, 0.0, 20.0, 500.0, 6, 0, nullptr), 0);
        EXPECT_NEAR(fh, 48.4, 1e-9);
        /* softwood at 90 degrees: 25.256 / 1.53 = 16.507 */
        Calc_Fh(&fh, 12.0, 29, 0, M_PI / 2, 60.0, 350.0, 0, 0, nullptr);
        EXPECT_NEAR(fh, 16.5072, 1e-4);
        /* steel plate: 0 without status 169 */
        EXPECT_EQ(Calc_Fh(&fh, 12.0, 29, 0, 0.0, 10.0, 0.0, 12, 0, nullptr), 0);
        EXPECT_EQ(fh, 0.0);
        /* material without formula: 169 */
        EXPECT_EQ(Calc_Fh(&fh, 12.0, 29, 0, 0.0, 10.0, 350.0, 15, 0, nullptr), 169);
        EXPECT_EQ(Calc_Fh(nullptr, 12.0, 29, 0, 0.0, 10.0, 350.0, 15, 0, nullptr), 0);
    }
    Standard_Scope din(false);
    EXPECT_EQ(Calc_K90(8.0, 0), 1.0);
    double fh = 0.0;
    /* DIN 1052: an 8 mm bolt takes k90 = 1 and reports 1008; 0.082 * 0.92 * 350 = 26.404 */
    EXPECT_EQ(Calc_Fh(&fh, 8.0, 29, 0, M_PI / 2, 60.0, 350.0, 0, 0, nullptr), 1008);
    EXPECT_NEAR(fh, 26.404, 1e-9);
}

TEST(Embedment, NailsBeechAndUserMaterial)
{
    Standard_Scope en(true);
    double fh = 0.0;
    /* nail 4 mm, rho 350: 0.082 * 350 * 4^-0.3 = 18.935 */
    EXPECT_EQ(Calc_Fh(&fh, 4.0, 0, 0, 0.0, 40.0, 350.0, 0, 0, nullptr), 0);
    EXPECT_NEAR(fh, 18.935, 0.001);
    /* laminated beech (18), no density cap: 0.082 * 800 * 4^-0.3 / 1 = 43.280 */
    double k = 0.0, k90 = 0.0;
    EXPECT_NEAR(Calc_Fh_Beech_Lvl(0, 18, 0, 800.0, 4.0, 0, 0.0, M_PI / 4, M_PI / 4, &k, &k90),
                43.280, 0.001);
    EXPECT_DOUBLE_EQ(k, 1.0);
    EXPECT_NEAR(k90, 1.21, 1e-12);
    /* LVL 19 caps rho at 550: 0.082 * 550 * 4^-0.3 = 29.755 */
    EXPECT_NEAR(Calc_Fh_Beech_Lvl(0, 19, 0, 800.0, 4.0, 0, 0.0, M_PI / 4, M_PI / 4, nullptr, nullptr),
                29.755, 0.001);
    Vbm_User_Embedment user{10.0, 0.0, 0.0, 0.0, 1};
    EXPECT_EQ(Calc_Fh(&fh, 7.0, 0, 0, 0.0, 33.0, 420.0, -999, 0, &user), 0);
    EXPECT_DOUBLE_EQ(fh, 10.0);
    double fh1 = 0.0, fh2 = 0.0;
    /* both members; the larger status wins */
    EXPECT_EQ(Calc_Fh_Both_Members(&fh1, &fh2, 4.0, 0, 0, 0.0, 0.0, 40.0, 40.0, 350.0, 350.0, 0,
                                   15, 0, 0, nullptr, nullptr), 169);
    EXPECT_NEAR(fh1, 18.935, 0.001);
}

TEST(Penetration, PointInMemberOneAndListCap)
{
    Standard_Scope din(false);
    Msg_Codes_Clear();
    double p = -1.0;
    int member = 7;
    /* L = 40 <= t1 = 50: case 0, penetration 40, member 0, code 89 in list 2 */
    EXPECT_EQ(Calc_Vbm_Penetration(2, 4.0, 40.0, 90.0, 50.0, 30.0, &p, &member), 0);
    EXPECT_NEAR(p, 40.0, 1e-9);
    EXPECT_EQ(member, 0);
    EXPECT_EQ(Msg_Count2, 1);
    EXPECT_EQ(Msg_Codes.codes[MSG_LIST_SIZE], 89);
    EXPECT_EQ(Msg_Count, 0);
    for (int i = 0; i < 600; i++) Calc_Vbm_Penetration(2, 4.0, 40.0, 90.0, 50.0, 30.0, nullptr, nullptr);
    EXPECT_EQ(Msg_Count2, 500);
    EXPECT_EQ(Msg_Count, 0);
    Msg_Codes_Clear();
    /* 30 degrees: L = 100 * 0.5 = 50 < 60 -> still in member 1, penetration 50 */
    EXPECT_EQ(Calc_Vbm_Penetration(2, 4.0, 100.0, 30.0, 60.0, 30.0, &p, nullptr), 0);
    EXPECT_NEAR(p, 50.0, 1e-6);
}

TEST(Penetration, ShortPointLeavesNoMember)
{
    Standard_Scope din(false);
    Msg_Codes_Clear();
    double p = -1.0;
    int member = 7;
    /* L = 60, p = 10 <= t2 = 30; L > t2 - p: case 1 (kind 1), codes 91 and 8; p < 4 d = 16, so
    ** the point anchors in no member: member 0 */
    EXPECT_EQ(Calc_Vbm_Penetration(1, 4.0, 60.0, 90.0, 50.0, 30.0, &p, &member), 1);
    EXPECT_NEAR(p, 10.0, 1e-9);
    EXPECT_EQ(member, 0);
    ASSERT_EQ(Msg_Count, 2);
    EXPECT_EQ(Msg_Codes.codes[0], 91);
    EXPECT_EQ(Msg_Codes.codes[1], 8);
    /* kind 2 through both: L = 100, protrusion 30 <= t1 30: case 3, code 92, member 2 */
    Msg_Codes_Clear();
    EXPECT_EQ(Calc_Vbm_Penetration(2, 4.0, 100.0, 90.0, 30.0, 40.0, &p, &member), 3);
    EXPECT_NEAR(p, 30.0, 1e-9);
    EXPECT_EQ(member, 2);
    EXPECT_EQ(Msg_Codes.codes[0], 92);
}

TEST(Penetration, En1995MinimumPointAndCode145)
{
    Standard_Scope en(true, 0);
    Msg_Codes_Clear();
    double p = 0.0;
    int member = -1;
    /* annex without own rules: minimum point d = 4; p = 10 >= 4 -> member 1; 8 for p < 16 and
    ** 145 for p < 8 d = 32 */
    EXPECT_EQ(Calc_Vbm_Penetration(1, 4.0, 60.0, 90.0, 50.0, 30.0, &p, &member), 1);
    EXPECT_EQ(member, 1);
    ASSERT_EQ(Msg_Count, 4);
    EXPECT_EQ(Msg_Codes.codes[0], 91);
    EXPECT_EQ(Msg_Codes.codes[1], 8);
    EXPECT_EQ(Msg_Codes.codes[2], 8);
    EXPECT_EQ(Msg_Codes.codes[3], 145);
    EXPECT_DOUBLE_EQ(Calc_T_Min_3d(4.0), 24.0);
    EXPECT_DOUBLE_EQ(Calc_T_Min_3d(10.0), 30.0);
    EXPECT_DOUBLE_EQ(Calc_T_Min_5d(10.0), 50.0);
}

TEST(Thickness, RequiredThicknessesAndReduction)
{
    Standard_Scope din(false);
    /* nail 4 mm, fu 600, both members softwood 350 (beta = 1):
    ** My = 0.3 * 600 * 4^2.6 = 6616.50, fh = 18.935;
    ** t1,req = 1.15 (2 sqrt 0.5 + 2) sqrt(6616.50 / (18.935 * 4)) = 3.92635 * 9.34655 = 36.698 */
    EXPECT_NEAR(Calc_T1_Req(4.0, 0, 0, 0, 0, 0, M_PI / 2, M_PI / 2, 0.0, 600.0, 40.0, 40.0, 350.0,
                            350.0, 0, 0, 0, 0, nullptr, nullptr), 36.698, 0.001);
    /* steel plate member 1 */
    EXPECT_DOUBLE_EQ(Calc_T1_Req(4.0, 0, 0, 0, 0, 0, 0.0, 0.0, 0.0, 600.0, 5.0, 40.0, 0.0, 350.0,
                                 12, 0, 0, 0, nullptr, nullptr), 0.1);
    /* a dowel gets no reduction values */
    double p = -2.0, k = -2.0, t1r = -2.0, t2r = -2.0;
    int m = -2;
    EXPECT_EQ(Calc_T_Req_Reduction(29, 360.0, 1, 12.0, 120.0, 90.0, 0, 0, 0, 60.0, 60.0, 350.0,
                                   350.0, 0, 0, 0, 0, nullptr, nullptr, &p, &m, &k, &t1r, &t2r), 0);
    EXPECT_EQ(p, -2.0);
    EXPECT_EQ(m, -2);
    EXPECT_EQ(k, -2.0);
    /* a nail shorter than member 1: k = 0, hint 6, Rk 0 */
    Connection_Result r{};
    EXPECT_EQ(Calc_Nail_Simplified_Rk(1, 4.0, 40.0, 600.0, 0, 0, 50.0, 40.0, 350.0, 350.0, 0.0,
                                      0.0, 0, 0, 0, 0, nullptr, nullptr, &r), 0.0);
    EXPECT_EQ(r.msg_code, 6);
    EXPECT_EQ(r.k_red, 0.0);
    /* panels and nailed plates */
    double t = -1.0;
    EXPECT_DOUBLE_EQ(Get_Panel_Factor(6, 0, 4.0, &t), 0.9);
    EXPECT_DOUBLE_EQ(t, 28.0);
    EXPECT_DOUBLE_EQ(Get_Panel_Factor(6, 5, 4.0, &t), 0.8);
    EXPECT_DOUBLE_EQ(t, 24.0);
    t = -1.0;
    EXPECT_DOUBLE_EQ(Get_Panel_Factor(9, 0, 4.0, &t), 0.0);
    EXPECT_DOUBLE_EQ(t, -1.0);
    EXPECT_DOUBLE_EQ(Calc_Plate_Share_Factor(4.0, 0.5, &t), 1.2);
    EXPECT_DOUBLE_EQ(t, 38.0);
}

TEST(Thickness, DowelSingleShearPointSideMember)
{
    Standard_Scope din(false);
    /* DIN 1052, 12.2.2: dowel d 16, fu 400, C24 (rho_k 350), force along the grain of member 1
    ** and across the grain of member 2:
    ** fh,1 = 0.082 (1 - 0.16) 350 = 24.108, k90 = 1.35 + 0.015 * 16 = 1.59,
    ** fh,2 = 24.108 / 1.59 = 15.1623, beta = 0.62893, My = 0.3 * 400 * 16^2.6 = 162141.1;
    ** single shear, point side (eq. (209)): t2,req = 1.15 (2 + 2 / sqrt(1.62893))
    ** sqrt(162141.1 / (15.1623 * 16)) = 1.15 * 3.56699 * 25.8530 = 106.05
    ** (the head-side form 2 sqrt(beta / (1 + beta)) + 2 would give 96.41);
    ** t1,req = 1.15 (2 sqrt(0.38611) + 2) sqrt(162141.1 / (24.108 * 16)) = 76.457 */
    const double half_pi = 3.14159265359 / 2.0;
    EXPECT_NEAR(Calc_T2_Req(1, 16.0, 200.0, 90.0, 29, 1, 0, 0, 0, 0.0, half_pi, 0.0, 400.0, 100.0,
                            100.0, 350.0, 350.0, 0, 0, 0, 0, nullptr, nullptr), 106.050, 0.001);
    /* double shear keeps the middle-member form 1.15 * 4 / sqrt(1.62893) * 25.8530 = 93.178 */
    EXPECT_NEAR(Calc_T2_Req(2, 16.0, 200.0, 90.0, 29, 1, 0, 0, 0, 0.0, half_pi, 0.0, 400.0, 100.0,
                            100.0, 350.0, 350.0, 0, 0, 0, 0, nullptr, nullptr), 93.178, 0.001);
    /* the simplified rule with t1 = t2 = 100: ratio 100 / 106.050 = 0.94295;
    ** Rk = 0.94295 sqrt(2 * 0.62893 / 1.62893) sqrt(2 * 162141.1 * 24.108 * 16) = 9267.39 */
    Connection_Result r{};
    const double rk = Calc_Rk_Dowel_Bolt(29, 16.0, 200.0, 400.0, 1, 0, 1, 0, 1, 90.0, 100.0, 100.0,
                                         350.0, 350.0, 0.0, half_pi, 0, 0, 0, 0, nullptr, &r);
    EXPECT_NEAR(r.t_req_1, 76.457, 0.001);
    EXPECT_NEAR(r.t_req_2, 106.050, 0.001);
    EXPECT_NEAR(r.k_red, 0.94295, 0.00001);
    EXPECT_NEAR(rk, 9267.39, 0.01);
}
