/*
** Tests of k90, the embedment strengths, the penetration with its message lists and the required
** thicknesses. Values worked by hand from EN 1995-1-1, 8.3.1 and 8.5.1, and DIN 1052, 12.
*/
#include <gtest/gtest.h>

#include <cmath>
#include <string>

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
        EXPECT_EQ(Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/30, /*predrilled=*/0, /*alpha=*/0.0,
                          /*t=*/20.0, /*rho_k=*/500.0, /*mat=*/6, /*grade=*/0,
                          /*user=*/nullptr),
                  0);
        EXPECT_NEAR(fh, 48.4, 1e-9);
        /* softwood at 90 degrees: 25.256 / 1.53 = 16.507 */
        Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/M_PI / 2,
                /*t=*/60.0, /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr);
        EXPECT_NEAR(fh, 16.5072, 1e-4);
        /* steel plate: 0 without status 169 */
        EXPECT_EQ(Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/0.0,
                          /*t=*/10.0, /*rho_k=*/0.0, /*mat=*/12, /*grade=*/0, /*user=*/nullptr),
                  0);
        EXPECT_EQ(fh, 0.0);
        /* material without formula: 169 */
        EXPECT_EQ(Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/0.0,
                          /*t=*/10.0, /*rho_k=*/350.0, /*mat=*/15, /*grade=*/0,
                          /*user=*/nullptr),
                  169);
        EXPECT_EQ(Calc_Fh(/*out_fh=*/nullptr, /*d=*/12.0, /*type=*/29, /*predrilled=*/0,
                          /*alpha=*/0.0, /*t=*/10.0, /*rho_k=*/350.0, /*mat=*/15, /*grade=*/0,
                          /*user=*/nullptr),
                  0);
    }
    Standard_Scope din(false);
    EXPECT_EQ(Calc_K90(8.0, 0), 1.0);
    double fh = 0.0;
    /* DIN 1052: an 8 mm bolt takes k90 = 1 and reports 1008; 0.082 * 0.92 * 350 = 26.404 */
    EXPECT_EQ(Calc_Fh(/*out_fh=*/&fh, /*d=*/8.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/M_PI / 2,
                      /*t=*/60.0, /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr),
              1008);
    EXPECT_NEAR(fh, 26.404, 1e-9);
}

TEST(Embedment, NailsBeechAndUserMaterial)
{
    Standard_Scope en(true);
    double fh = 0.0;
    /* nail 4 mm, rho 350: 0.082 * 350 * 4^-0.3 = 18.935 */
    EXPECT_EQ(Calc_Fh(/*out_fh=*/&fh, /*d=*/4.0, /*type=*/0, /*predrilled=*/0, /*alpha=*/0.0,
                      /*t=*/40.0, /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr),
              0);
    EXPECT_NEAR(fh, 18.935, 0.001);
    /* laminated beech (18), no density cap: 0.082 * 800 * 4^-0.3 / 1 = 43.280 */
    double k = 0.0, k90 = 0.0;
    EXPECT_NEAR(Calc_Fh_Beech_Lvl(/*type=*/0, /*mat=*/18, /*grade=*/0, /*rho_k=*/800.0, /*d=*/4.0,
                                  /*predrilled=*/0, /*alpha=*/0.0, /*beta=*/M_PI / 4,
                                  /*eps=*/M_PI / 4, /*out_k=*/&k, /*out_k90=*/&k90),
                43.280, 0.001);
    EXPECT_DOUBLE_EQ(k, 1.0);
    EXPECT_NEAR(k90, 1.21, 1e-12);
    /* pre-drilled, axis and layers at 45 degrees (B = 0.5 k + 0.5 = 1): 0.082 * 0.96 * 730 =
    ** 57.4656; DIN 571 screws with E = 2.5 * 0.5 + 0.5 = 1.75: d 8 not pre-drilled
    ** 0.082 * 730 * 8^-0.3 / 1.75 = 18.3304, pre-drilled 0.082 * 0.92 * 730 / 1.75 = 31.4693;
    ** d 16 pre-drilled across the grain: B = 0.5 * 1.15 + 0.5, A = 1.15 + 0.24:
    ** 0.082 * 0.84 * 730 / (1.75 * 1.075 * 1.39) = 19.2289; not pre-drilled above 12.1 mm: 0 */
    EXPECT_NEAR(Calc_Fh_Beech_Lvl(/*type=*/0, /*mat=*/18, /*grade=*/0, /*rho_k=*/730.0, /*d=*/4.0,
                                  /*predrilled=*/1, /*alpha=*/0.0, /*beta=*/M_PI / 4,
                                  /*eps=*/M_PI / 4, /*out_k=*/nullptr, /*out_k90=*/nullptr),
                57.4656, 1e-4);
    EXPECT_NEAR(Calc_Fh_Beech_Lvl(/*type=*/2, /*mat=*/18, /*grade=*/0, /*rho_k=*/730.0, /*d=*/8.0,
                                  /*predrilled=*/0, /*alpha=*/0.0, /*beta=*/M_PI / 4,
                                  /*eps=*/M_PI / 4, /*out_k=*/nullptr, /*out_k90=*/nullptr),
                18.3304, 1e-4);
    EXPECT_NEAR(Calc_Fh_Beech_Lvl(/*type=*/2, /*mat=*/18, /*grade=*/0, /*rho_k=*/730.0, /*d=*/8.0,
                                  /*predrilled=*/1, /*alpha=*/0.0, /*beta=*/M_PI / 4,
                                  /*eps=*/M_PI / 4, /*out_k=*/nullptr, /*out_k90=*/nullptr),
                31.4693, 1e-4);
    EXPECT_NEAR(Calc_Fh_Beech_Lvl(/*type=*/2, /*mat=*/18, /*grade=*/0, /*rho_k=*/730.0, /*d=*/16.0,
                                  /*predrilled=*/1, /*alpha=*/M_PI / 2, /*beta=*/M_PI / 4,
                                  /*eps=*/M_PI / 4, /*out_k=*/nullptr, /*out_k90=*/nullptr),
                19.2289, 1e-4);
    EXPECT_EQ(Calc_Fh_Beech_Lvl(/*type=*/2, /*mat=*/18, /*grade=*/0, /*rho_k=*/730.0, /*d=*/16.0,
                                /*predrilled=*/0, /*alpha=*/0.0, /*beta=*/M_PI / 4,
                                /*eps=*/M_PI / 4, /*out_k=*/nullptr, /*out_k90=*/nullptr),
              0.0);
    EXPECT_NEAR(Calc_Fh_Beech_Lvl(/*type=*/50, /*mat=*/18, /*grade=*/0, /*rho_k=*/730.0, /*d=*/4.0,
                                  /*predrilled=*/0, /*alpha=*/0.0, /*beta=*/M_PI / 4,
                                  /*eps=*/M_PI / 4, /*out_k=*/nullptr, /*out_k90=*/nullptr),
                0.082 * 730.0 * std::pow(4.0, -0.3), 1e-9);
    EXPECT_EQ(Calc_Fh_Beech_Lvl(/*type=*/25, /*mat=*/18, /*grade=*/0, /*rho_k=*/730.0, /*d=*/4.0,
                                /*predrilled=*/0, /*alpha=*/0.0, /*beta=*/M_PI / 4,
                                /*eps=*/M_PI / 4, /*out_k=*/nullptr, /*out_k90=*/nullptr),
              0.0);
    /* LVL 19 caps rho at 550: 0.082 * 550 * 4^-0.3 = 29.755 */
    EXPECT_NEAR(Calc_Fh_Beech_Lvl(/*type=*/0, /*mat=*/19, /*grade=*/0, /*rho_k=*/800.0, /*d=*/4.0,
                                  /*predrilled=*/0, /*alpha=*/0.0, /*beta=*/M_PI / 4,
                                  /*eps=*/M_PI / 4, /*out_k=*/nullptr, /*out_k90=*/nullptr),
                29.755, 0.001);
    Vbm_User_Embedment user{10.0, 0.0, 0.0, 0.0, 1};
    EXPECT_EQ(Calc_Fh(/*out_fh=*/&fh, /*d=*/7.0, /*type=*/0, /*predrilled=*/0, /*alpha=*/0.0,
                      /*t=*/33.0, /*rho_k=*/420.0, /*mat=*/-999, /*grade=*/0, /*user=*/&user),
              0);
    EXPECT_DOUBLE_EQ(fh, 10.0);
    double fh1 = 0.0, fh2 = 0.0;
    /* both members; the larger status wins */
    EXPECT_EQ(Calc_Fh_Both_Members(/*out_fh1=*/&fh1, /*out_fh2=*/&fh2, /*d=*/4.0, /*type=*/0,
                                   /*predrilled=*/0, /*alpha1=*/0.0, /*alpha2=*/0.0, /*t1=*/40.0,
                                   /*t2=*/40.0, /*rho1=*/350.0, /*rho2=*/350.0, /*mat1=*/0,
                                   /*mat2=*/15, /*g1=*/0, /*g2=*/0, /*user1=*/nullptr,
                                   /*user2=*/nullptr),
              169);
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
    for (int i = 0; i < 600; i++)
        Calc_Vbm_Penetration(2, 4.0, 40.0, 90.0, 50.0, 30.0, nullptr, nullptr);
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
    EXPECT_NEAR(Calc_T1_Req(/*d=*/4.0, /*type=*/0, /*predrilled=*/0, /*variant=*/0, /*fitted=*/0,
                            /*threaded=*/0, /*alpha1=*/M_PI / 2, /*alpha2=*/M_PI / 2, /*dc=*/0.0,
                            /*fu=*/600.0, /*t1=*/40.0, /*t2=*/40.0, /*rho1=*/350.0, /*rho2=*/350.0,
                            /*mat1=*/0, /*mat2=*/0, /*g1=*/0, /*g2=*/0, /*user1=*/nullptr,
                            /*user2=*/nullptr),
                36.698, 0.001);
    /* steel plate member 1 */
    EXPECT_DOUBLE_EQ(Calc_T1_Req(/*d=*/4.0, /*type=*/0, /*predrilled=*/0, /*variant=*/0,
                                 /*fitted=*/0, /*threaded=*/0, /*alpha1=*/0.0, /*alpha2=*/0.0,
                                 /*dc=*/0.0, /*fu=*/600.0, /*t1=*/5.0, /*t2=*/40.0, /*rho1=*/0.0,
                                 /*rho2=*/350.0, /*mat1=*/12, /*mat2=*/0, /*g1=*/0, /*g2=*/0,
                                 /*user1=*/nullptr, /*user2=*/nullptr),
                     0.1);
    /* a dowel gets no reduction values */
    double p = -2.0, k = -2.0, t1r = -2.0, t2r = -2.0;
    int m = -2;
    EXPECT_EQ(Calc_T_Req_Reduction(/*type=*/29, /*fu=*/360.0, /*kind=*/1, /*d=*/12.0,
                                   /*length=*/120.0, /*axis_angle=*/90.0, /*predrilled=*/0,
                                   /*variant=*/0, /*fitted=*/0, /*t1=*/60.0, /*t2=*/60.0,
                                   /*rho1=*/350.0, /*rho2=*/350.0, /*mat1=*/0, /*mat2=*/0, /*g1=*/0,
                                   /*g2=*/0, /*user1=*/nullptr, /*user2=*/nullptr,
                                   /*out_penetration=*/&p, /*out_member=*/&m, /*out_k=*/&k,
                                   /*out_t1_req=*/&t1r, /*out_t2_req=*/&t2r),
              0);
    EXPECT_EQ(p, -2.0);
    EXPECT_EQ(m, -2);
    EXPECT_EQ(k, -2.0);
    /* a nail shorter than member 1: k = 0, hint 6, Rk 0 */
    Connection_Result r{};
    EXPECT_EQ(Calc_Nail_Simplified_Rk(/*kind=*/1, /*d=*/4.0, /*length=*/40.0, /*fu=*/600.0,
                                      /*predrilled=*/0, /*variant=*/0, /*t1=*/50.0, /*t2=*/40.0,
                                      /*rho1=*/350.0, /*rho2=*/350.0, /*alpha1=*/0.0,
                                      /*alpha2=*/0.0, /*mat1=*/0, /*mat2=*/0, /*g1=*/0, /*g2=*/0,
                                      /*user1=*/nullptr, /*user2=*/nullptr, /*result=*/&r),
              0.0);
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
    EXPECT_NEAR(Calc_T2_Req(/*kind=*/1, /*d=*/16.0, /*length=*/200.0, /*axis_angle=*/90.0,
                            /*type=*/29, /*predrilled=*/1, /*variant=*/0, /*fitted=*/0,
                            /*threaded=*/0, /*alpha1=*/0.0, /*alpha2=*/half_pi, /*dc=*/0.0,
                            /*fu=*/400.0, /*t1=*/100.0, /*t2=*/100.0, /*rho1=*/350.0,
                            /*rho2=*/350.0, /*mat1=*/0, /*mat2=*/0, /*g1=*/0, /*g2=*/0,
                            /*user1=*/nullptr, /*user2=*/nullptr),
                106.050, 0.001);
    /* the head-side form on member 2's embedment, 1.15 (2 sqrt(0.38611) + 2) 25.8530 = 96.408 */
    EXPECT_NEAR(Calc_T1_Req_B(/*d=*/16.0, /*type=*/29, /*predrilled=*/1, /*variant=*/0,
                              /*fitted=*/0, /*threaded=*/0, /*alpha1=*/0.0, /*alpha2=*/half_pi,
                              /*dc=*/0.0, /*fu=*/400.0, /*t1=*/100.0, /*t2=*/100.0, /*rho1=*/350.0,
                              /*rho2=*/350.0, /*mat1=*/0, /*mat2=*/0, /*g1=*/0, /*g2=*/0,
                              /*user1=*/nullptr, /*user2=*/nullptr),
                96.408, 0.001);
    /* a bolt not fitted embeds in the hole d + 1 = 17: fh,1 = 0.082 (1 - 0.17) 350 = 23.821,
    ** k90 = 1.35 + 0.015 * 17 = 1.605, fh,2 = 14.8417, beta = 0.62305;
    ** t2,req = 1.15 (2 + 2 / sqrt(1.62305)) sqrt(162141.1 / (14.8417 * 16)) = 107.274 */
    EXPECT_NEAR(Calc_T2_Req(/*kind=*/1, /*d=*/16.0, /*length=*/200.0, /*axis_angle=*/90.0,
                            /*type=*/30, /*predrilled=*/1, /*variant=*/0, /*fitted=*/0,
                            /*threaded=*/0, /*alpha1=*/0.0, /*alpha2=*/half_pi, /*dc=*/0.0,
                            /*fu=*/400.0, /*t1=*/100.0, /*t2=*/100.0, /*rho1=*/350.0,
                            /*rho2=*/350.0, /*mat1=*/0, /*mat2=*/0, /*g1=*/0, /*g2=*/0,
                            /*user1=*/nullptr, /*user2=*/nullptr),
                107.274, 0.001);
    /* double shear keeps the middle-member form 1.15 * 4 / sqrt(1.62893) * 25.8530 = 93.178 */
    EXPECT_NEAR(Calc_T2_Req(/*kind=*/2, /*d=*/16.0, /*length=*/200.0, /*axis_angle=*/90.0,
                            /*type=*/29, /*predrilled=*/1, /*variant=*/0, /*fitted=*/0,
                            /*threaded=*/0, /*alpha1=*/0.0, /*alpha2=*/half_pi, /*dc=*/0.0,
                            /*fu=*/400.0, /*t1=*/100.0, /*t2=*/100.0, /*rho1=*/350.0,
                            /*rho2=*/350.0, /*mat1=*/0, /*mat2=*/0, /*g1=*/0, /*g2=*/0,
                            /*user1=*/nullptr, /*user2=*/nullptr),
                93.178, 0.001);
    /* the simplified rule with t1 = t2 = 100: ratio 100 / 106.050 = 0.94295;
    ** Rk = 0.94295 sqrt(2 * 0.62893 / 1.62893) sqrt(2 * 162141.1 * 24.108 * 16) = 9267.39 */
    Connection_Result r{};
    const double rk = Calc_Rk_Dowel_Bolt(/*type=*/29, /*d=*/16.0, /*length=*/200.0, /*fu=*/400.0,
                                         /*predrilled=*/1, /*stainless=*/0, /*fitted_bolt=*/1,
                                         /*threaded_rod=*/0, /*shear_planes=*/1,
                                         /*axis_angle=*/90.0, /*t1=*/100.0, /*t2=*/100.0,
                                         /*rho_1=*/350.0, /*rho_2=*/350.0, /*alpha_1=*/0.0,
                                         /*alpha_2=*/half_pi, /*mat_1=*/0, /*mat_2=*/0,
                                         /*grade_1=*/0, /*grade_2=*/0, /*user=*/nullptr,
                                         /*result=*/&r);
    EXPECT_NEAR(r.t_req_1, 76.457, 0.001);
    EXPECT_NEAR(r.t_req_2, 106.050, 0.001);
    EXPECT_NEAR(r.k_red, 0.94295, 0.00001);
    EXPECT_NEAR(rk, 9267.39, 0.01);
}

TEST(Embedment, DowelsAndBoltsInEveryMaterial)
{
    Standard_Scope en(true);
    double fh = 0.0;
    const double right = 3.14159265359 / 2.0;
    /* EN 1995-1-1, 8.5.1 with d 12: OSB and particle board (8.37) 50 * 12^-0.6 * 20^0.2 =
    ** 20.4959; gypsum fibre 7 * 12^-0.7 * 20^0.9 = 18.2221 */
    EXPECT_EQ(Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/0.0,
                      /*t=*/20.0, /*rho_k=*/550.0, /*mat=*/4, /*grade=*/1, /*user=*/nullptr),
              0);
    EXPECT_NEAR(fh, 20.4959, 1e-4);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/20.0,
            /*rho_k=*/650.0, /*mat=*/7, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 20.4959, 1e-4);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/20.0,
            /*rho_k=*/1150.0, /*mat=*/9, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 18.2221, 1e-4);
    /* Kerto: 37 (1 - 0.12) = 32.56 along the grain, / (1.15 + 0.18) across: 24.4812 */
    Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/40.0,
            /*rho_k=*/480.0, /*mat=*/10, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 32.56, 1e-9);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/right, /*t=*/40.0,
            /*rho_k=*/480.0, /*mat=*/11, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 24.4812, 1e-4);
    /* laminated beech 730, axis and layers at 45 degrees: B = 1.2 * 0.5 + 0.5 = 1.1 (k =
    ** max(12 / 10, 1.15)); 0.082 * 0.88 * 730 / 1.1 = 47.888; across the grain / 1.33 */
    Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/40.0,
            /*rho_k=*/730.0, /*mat=*/18, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 47.888, 1e-9);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/right, /*t=*/40.0,
            /*rho_k=*/730.0, /*mat=*/18, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 36.0060, 1e-4);
    /* material 20: 0.082 * 0.88 * 480 = 34.6368 along, / 1.33 across = 26.0427 */
    Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/40.0,
            /*rho_k=*/480.0, /*mat=*/20, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 34.6368, 1e-9);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/right, /*t=*/40.0,
            /*rho_k=*/480.0, /*mat=*/20, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 26.0427, 1e-4);
    /* hardwood (k90 0.90 + 0.18 = 1.08) at 90 degrees, rho 530: 0.082 * 0.88 * 530 / 1.08 =
    ** 35.4119; LVL 17 with 480: 32.0711 */
    Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/30, /*predrilled=*/0, /*alpha=*/right, /*t=*/40.0,
            /*rho_k=*/530.0, /*mat=*/1, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 35.4119, 1e-4);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/30, /*predrilled=*/0, /*alpha=*/right, /*t=*/40.0,
            /*rho_k=*/480.0, /*mat=*/17, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 32.0711, 1e-4);
    /* k90 of the remaining groups: LVL 10 and 20 1.15 + 0.015 d, beech products and special
    ** panels 1.30 + 0.015 d */
    EXPECT_NEAR(Calc_K90(12.0, 20), 1.33, 1e-12);
    EXPECT_NEAR(Calc_K90(12.0, 19), 1.48, 1e-12);
    EXPECT_NEAR(Calc_K90(12.0, -12), 1.48, 1e-12);
    EXPECT_NEAR(Calc_K90(12.0, -10), 1.53, 1e-12);
    EXPECT_NEAR(Calc_K90(12.0, 3), 1.53, 1e-12);
    EXPECT_NEAR(Calc_K90(12.0, 17), 1.08, 1e-12);
    /* a DIN 571 screw above 6 mm under EN counts as a dowel; a screw above 8 mm pre-drilled
    ** too: 0.082 * 0.92 * 350 = 26.404 */
    Calc_Fh(/*out_fh=*/&fh, /*d=*/8.0, /*type=*/2, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/40.0,
            /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 26.404, 1e-9);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/10.0, /*type=*/11, /*predrilled=*/1, /*alpha=*/0.0, /*t=*/40.0,
            /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 0.082 * 0.9 * 350.0, 1e-9);
    /* not pre-drilled it stays a nail-like screw: 0.082 * 350 * 10^-0.3 = 14.384 */
    Calc_Fh(/*out_fh=*/&fh, /*d=*/10.0, /*type=*/11, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/40.0,
            /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 0.082 * 350.0 * std::pow(10.0, -0.3), 1e-9);
    /* ETA-11/0190 and the third family count rho up to 590: a 10 mm screw pre-drilled in 650 */
    Calc_Fh(/*out_fh=*/&fh, /*d=*/10.0, /*type=*/14, /*predrilled=*/1, /*alpha=*/0.0, /*t=*/40.0,
            /*rho_k=*/650.0, /*mat=*/1, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 0.082 * 0.9 * 590.0, 1e-9);
    {
        Standard_Scope din(false);
        /* DIN 1052 Kerto with 8 mm: k90 = 1 and 1008 */
        EXPECT_EQ(Calc_Fh(/*out_fh=*/&fh, /*d=*/8.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/right,
                          /*t=*/40.0, /*rho_k=*/480.0, /*mat=*/10, /*grade=*/0,
                          /*user=*/nullptr),
                  1008);
        EXPECT_NEAR(fh, 37.0 * 0.92, 1e-9);
        /* with 8.5 mm k90 = 1.15 + 0.015 * 8.5 = 1.2775: 37 * 0.915 / 1.2775 = 26.5010 */
        EXPECT_EQ(Calc_Fh(/*out_fh=*/&fh, /*d=*/8.5, /*type=*/29, /*predrilled=*/0, /*alpha=*/right,
                          /*t=*/40.0, /*rho_k=*/480.0, /*mat=*/10, /*grade=*/0,
                          /*user=*/nullptr),
                  0);
        EXPECT_NEAR(fh, 26.5010, 1e-4);
        /* a DIN 571 screw of 8 mm counts as pre-drilled: 0.082 * 0.92 * 350 = 26.404 */
        Calc_Fh(/*out_fh=*/&fh, /*d=*/8.0, /*type=*/2, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/40.0,
                /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr);
        EXPECT_NEAR(fh, 26.404, 1e-9);
        /* DIN 571 screw of 7 mm stays a screw under DIN 1052: 0.082 * 350 * 7^-0.3 */
        Calc_Fh(/*out_fh=*/&fh, /*d=*/7.0, /*type=*/2, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/40.0,
                /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr);
        EXPECT_NEAR(fh, 0.082 * 350.0 * std::pow(7.0, -0.3), 1e-9);
    }
    /* the laminated-beech factor k: nails 1.0 in grades 0 and 1, 1 / max(1 - 2 / d, 0.333) in
    ** grade 2 (d 4: 2.0); bolts max(d / (d - 2), 1.15) (d 12: 1.2, d 20: 1.15); DIN 571 screws
    ** up to 12 mm 1.0 (grades 0, 1) or max(d / (d - 2), 3) (grade 2), above 12 mm the bolt form
    ** (d 16: max(1.143, 1.15), d 14: 1.167) */
    EXPECT_DOUBLE_EQ(Calc_Fh_Beech_K(0, 1, 4.0), 1.0);
    EXPECT_DOUBLE_EQ(Calc_Fh_Beech_K(0, 2, 4.0), 2.0);
    EXPECT_NEAR(Calc_Fh_Beech_K(0, 2, 2.5), 1.0 / 0.333, 1e-12);
    EXPECT_DOUBLE_EQ(Calc_Fh_Beech_K(0, 3, 4.0), 1.0);
    EXPECT_DOUBLE_EQ(Calc_Fh_Beech_K(30, 0, 12.0), 1.2);
    EXPECT_DOUBLE_EQ(Calc_Fh_Beech_K(29, 0, 20.0), 1.15);
    EXPECT_DOUBLE_EQ(Calc_Fh_Beech_K(2, 0, 10.0), 1.0);
    EXPECT_DOUBLE_EQ(Calc_Fh_Beech_K(2, 1, 16.0), 1.15);
    EXPECT_DOUBLE_EQ(Calc_Fh_Beech_K(2, 1, 14.0), 14.0 / 12.0);
    EXPECT_DOUBLE_EQ(Calc_Fh_Beech_K(2, 2, 10.0), 3.0);
    EXPECT_DOUBLE_EQ(Calc_Fh_Beech_K(2, 2, 14.0), 14.0 / 12.0);
    EXPECT_DOUBLE_EQ(Calc_Fh_Beech_K(50, 0, 10.0), 1.0);
}

TEST(Embedment, NailsAndScrewsInEveryMaterial)
{
    Standard_Scope en(true);
    double fh = 0.0;
    const double right = 3.14159265359 / 2.0;
    /* EN 1995-1-1, 8.3.1 with d 4, t 20: OSB 65 * 4^-0.7 * 20^0.1 = 33.2334; plasterboard
    ** 3.9 * 4^-0.6 * 20^0.7 = 13.8213; plywood 0.11 * 500 * 4^-0.3 = 36.2865; fibreboard
    ** 30 * 4^-0.3 * 20^0.6 = 119.4322; gypsum fibre 7 * 4^-0.7 * 20^0.9 = 39.3172 */
    Calc_Fh(/*out_fh=*/&fh, /*d=*/4.0, /*type=*/0, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/20.0,
            /*rho_k=*/550.0, /*mat=*/4, /*grade=*/1, /*user=*/nullptr);
    EXPECT_NEAR(fh, 33.2334, 1e-4);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/4.0, /*type=*/0, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/20.0,
            /*rho_k=*/680.0, /*mat=*/5, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 13.8213, 1e-4);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/4.0, /*type=*/0, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/20.0,
            /*rho_k=*/500.0, /*mat=*/6, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 36.2865, 1e-4);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/4.0, /*type=*/0, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/20.0,
            /*rho_k=*/800.0, /*mat=*/8, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 119.4322, 1e-4);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/4.0, /*type=*/0, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/20.0,
            /*rho_k=*/1150.0, /*mat=*/9, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 39.3172, 1e-4);
    /* pre-drilled nails in panels keep eq. (8.20) and (8.22), d 3.1, t 24: plywood
    ** 0.11 * 350 * 3.1^-0.3 = 27.4190 (not 0.11 * 0.969 * 350 = 37.3065 of a bolt); OSB
    ** 65 * 3.1^-0.7 * 24^0.1 = 40.4558 (not 50 * 3.1^-0.6 * 24^0.2 = 47.8845) */
    Calc_Fh(/*out_fh=*/&fh, /*d=*/3.1, /*type=*/0, /*predrilled=*/1, /*alpha=*/0.0, /*t=*/24.0,
            /*rho_k=*/350.0, /*mat=*/6, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 27.4190, 1e-4);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/3.1, /*type=*/0, /*predrilled=*/1, /*alpha=*/0.0, /*t=*/24.0,
            /*rho_k=*/550.0, /*mat=*/4, /*grade=*/1, /*user=*/nullptr);
    EXPECT_NEAR(fh, 40.4558, 1e-4);
    /* so do pre-drilled screws of d_ef <= 6 mm (8.7.1(3)), DIN 571 d_ef 5 in particle board 20:
    ** 65 * 5^-0.7 * 20^0.1 = 28.4274 (not 50 * 5^-0.6 * 20^0.2 = 34.6572 of a bolt) */
    Calc_Fh(/*out_fh=*/&fh, /*d=*/5.0, /*type=*/2, /*predrilled=*/1, /*alpha=*/0.0, /*t=*/20.0,
            /*rho_k=*/650.0, /*mat=*/7, /*grade=*/1, /*user=*/nullptr);
    EXPECT_NEAR(fh, 28.4274, 1e-4);
    /* Kerto across the grain: 0.082 * 480 * 4^-0.3 / (1.15 + 0.06) = 21.4611 */
    Calc_Fh(/*out_fh=*/&fh, /*d=*/4.0, /*type=*/0, /*predrilled=*/0, /*alpha=*/right, /*t=*/40.0,
            /*rho_k=*/480.0, /*mat=*/10, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 21.4611, 1e-4);
    /* LVL 17: a screw of the third family 0.082 * 480 * 4^-0.15 (layers across) = 31.9703;
    ** a nail of 8 mm in grade 1 times 0.8: 0.082 * 480 * 8^-0.3 * 0.8 = 16.8740 */
    Calc_Fh(/*out_fh=*/&fh, /*d=*/4.0, /*type=*/50, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/40.0,
            /*rho_k=*/480.0, /*mat=*/17, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 31.9703, 1e-4);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/8.0, /*type=*/0, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/40.0,
            /*rho_k=*/480.0, /*mat=*/17, /*grade=*/1, /*user=*/nullptr);
    EXPECT_NEAR(fh, 16.8740, 1e-4);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/8.0, /*type=*/0, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/40.0,
            /*rho_k=*/480.0, /*mat=*/17, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 16.8740 / 0.8, 1e-4);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/4.0, /*type=*/50, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/40.0,
            /*rho_k=*/730.0, /*mat=*/18, /*grade=*/0,
            /*user=*/nullptr); /* the screw counts rho 590 */
    EXPECT_NEAR(fh, 0.082 * 590.0 * std::pow(4.0, -0.15), 1e-9);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/4.0, /*type=*/0, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/40.0,
            /*rho_k=*/730.0, /*mat=*/18, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 0.082 * 730.0 * std::pow(4.0, -0.3), 1e-9);
    /* material 20 (nails): 0.082 * 0.96 * 480 along the grain */
    Calc_Fh(/*out_fh=*/&fh, /*d=*/4.0, /*type=*/0, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/40.0,
            /*rho_k=*/480.0, /*mat=*/20, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 0.082 * 0.96 * 480.0, 1e-9);
    /* 19: pre-drilled 0.082 * 0.96 * 480 * 0.8 = 30.2285; special panels of grade 1 below 3.1
    ** mm a third: 0.082 * 480 * 4^-0.3 / 3 = 8.6560 */
    Calc_Fh(/*out_fh=*/&fh, /*d=*/4.0, /*type=*/0, /*predrilled=*/1, /*alpha=*/0.0, /*t=*/40.0,
            /*rho_k=*/480.0, /*mat=*/19, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 30.2285, 1e-4);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/4.0, /*type=*/0, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/3.0,
            /*rho_k=*/480.0, /*mat=*/-12, /*grade=*/1, /*user=*/nullptr);
    EXPECT_NEAR(fh, 8.6560, 1e-4);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/4.0, /*type=*/0, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/3.0,
            /*rho_k=*/480.0, /*mat=*/-12, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 8.6560 * 3.0, 1e-4);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/4.0, /*type=*/0, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/3.2,
            /*rho_k=*/480.0, /*mat=*/-13, /*grade=*/1, /*user=*/nullptr);
    EXPECT_NEAR(fh, 8.6560 * 3.0, 1e-4);
    /* a user material without its switch keeps the rule; aluminium has none: 169 */
    Vbm_User_Embedment off{10.0, 0.0, 0.0, 0.0, 0};
    Calc_Fh(/*out_fh=*/&fh, /*d=*/4.0, /*type=*/0, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/40.0,
            /*rho_k=*/350.0, /*mat=*/0, /*grade=*/-999, /*user=*/&off);
    EXPECT_NEAR(fh, 18.935, 0.001);
    Vbm_User_Embedment on{2.0, 0.5, 0.5, 0.5, 1};
    Calc_Fh(/*out_fh=*/&fh, /*d=*/4.0, /*type=*/0, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/16.0,
            /*rho_k=*/400.0, /*mat=*/0, /*grade=*/-999, /*user=*/&on);
    EXPECT_NEAR(fh, 2.0 * 2.0 * 4.0 * 20.0, 1e-9); /* 2 * 4^0.5 * 16^0.5 * 400^0.5 */
    EXPECT_EQ(Calc_Fh(/*out_fh=*/&fh, /*d=*/4.0, /*type=*/0, /*predrilled=*/0, /*alpha=*/0.0,
                      /*t=*/5.0, /*rho_k=*/0.0, /*mat=*/16, /*grade=*/0, /*user=*/nullptr),
              0);
    /* scaled: fh1 * c3 / c1, fh2 * c4 / c2 */
    double a = 0.0, b = 0.0;
    Calc_Fh_Both_Members_Scaled(/*c1=*/2.0, /*c2=*/4.0, /*c3=*/3.0, /*c4=*/1.0, /*out_fh1=*/&a,
                                /*out_fh2=*/&b, /*d=*/4.0, /*type=*/0, /*predrilled=*/0,
                                /*alpha1=*/0.0, /*alpha2=*/0.0, /*t1=*/40.0, /*t2=*/40.0,
                                /*rho1=*/350.0, /*rho2=*/350.0, /*mat1=*/0, /*mat2=*/0, /*g1=*/0,
                                /*g2=*/0, /*user1=*/nullptr, /*user2=*/nullptr);
    EXPECT_NEAR(a, 18.935 * 1.5, 0.002);
    EXPECT_NEAR(b, 18.935 * 0.25, 0.001);
    Calc_Fh_Both_Members_Scaled(/*c1=*/0.0, /*c2=*/0.0, /*c3=*/3.0, /*c4=*/1.0, /*out_fh1=*/&a,
                                /*out_fh2=*/&b, /*d=*/4.0, /*type=*/0, /*predrilled=*/0,
                                /*alpha1=*/0.0, /*alpha2=*/0.0, /*t1=*/40.0, /*t2=*/40.0,
                                /*rho1=*/350.0, /*rho2=*/350.0, /*mat1=*/0, /*mat2=*/0, /*g1=*/0,
                                /*g2=*/0, /*user1=*/nullptr, /*user2=*/nullptr);
    EXPECT_NEAR(a, 18.935, 0.001);
    EXPECT_NEAR(b, 18.935, 0.001); /* c2 = 0: fh2 unscaled */
    /* the small formulas: fh0 / (sin² + k cos²); eq. (8.36); the inclined form */
    EXPECT_NEAR(Calc_Fh_Alpha_Perp(30.0, 0.0, 1.5), 20.0, 1e-12);
    EXPECT_NEAR(Calc_Fh_Alpha_Perp(30.0, right, 1.5), 30.0, 1e-12);
    EXPECT_NEAR(Calc_Fh_Plywood_Bolt(12.0, 500.0), 48.4, 1e-12);
    EXPECT_NEAR(Calc_Fh_Inclined(8.0, 350.0, 0.0, right, right),
                0.082 * 350.0 * std::pow(8.0, -0.15), 1e-9);
    EXPECT_NEAR(Calc_Fh_Inclined(8.0, 350.0, right, 0.0, 0.0),
                0.082 * 350.0 * std::pow(8.0, -0.15) / ((0.5 + 0.192) * 1.2 * 2.5), 1e-9);
    EXPECT_NEAR(Calc_Fh_Eps(350.0, 8.0, 0.0, 0.0, 0.0), 0.082 * 350.0 * std::pow(8.0, -0.15) / 2.5,
                1e-9);
}

TEST(Embedment, KeptRuleFollowsEveryArgumentThatMatters)
{
    Standard_Scope en(true);
    const double right = 3.14159265359 / 2.0;
    double fh = 0.0;
    /* the rule of (8.31)/(8.32) is kept between calls; each argument that enters must renew it:
    ** softwood 25.256 / 1.53 = 16.5072, hardwood 25.256 / 1.08 = 23.3852, rho 380:
    ** 0.082 * 0.88 * 380 / 1.53 = 17.9221, d 16: 0.082 * 0.84 * 350 / 1.59 = 15.1623 */
    Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/right, /*t=*/60.0,
            /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 16.5072, 1e-4);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/right, /*t=*/60.0,
            /*rho_k=*/350.0, /*mat=*/1, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 23.3852, 1e-4);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/right, /*t=*/60.0,
            /*rho_k=*/380.0, /*mat=*/1, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 17.9221 * 1.53 / 1.08, 1e-4);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/16.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/right, /*t=*/60.0,
            /*rho_k=*/380.0, /*mat=*/1, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 0.082 * 0.84 * 380.0 / 1.14, 1e-9);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/16.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/right, /*t=*/60.0,
            /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 15.1623, 1e-4);
    /* the same data again, another angle: the kept rule */
    Calc_Fh(/*out_fh=*/&fh, /*d=*/16.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/60.0,
            /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 0.082 * 0.84 * 350.0, 1e-9);
    /* a nail with the dowel's data is no dowel: 0.082 * 350 * 16^-0.3 */
    Calc_Fh(/*out_fh=*/&fh, /*d=*/16.0, /*type=*/0, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/60.0,
            /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 0.082 * 350.0 * std::pow(16.0, -0.3), 1e-9);
    /* a DIN 571 screw of 10 mm (a dowel under EN) after a dowel of the same data */
    Calc_Fh(/*out_fh=*/&fh, /*d=*/10.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/60.0,
            /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/10.0, /*type=*/2, /*predrilled=*/1, /*alpha=*/0.0, /*t=*/60.0,
            /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 0.082 * 0.9 * 350.0, 1e-9);
    /* the standard: 8 mm under EN 0.082 * 0.92 * 350 / 1.47 = 17.9619, under DIN k90 = 1 with
    ** 1008, then EN again */
    EXPECT_EQ(Calc_Fh(/*out_fh=*/&fh, /*d=*/8.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/right,
                      /*t=*/60.0, /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr),
              0);
    EXPECT_NEAR(fh, 17.9619, 1e-4);
    {
        Standard_Scope din(false);
        EXPECT_EQ(Calc_Fh(/*out_fh=*/&fh, /*d=*/8.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/right,
                          /*t=*/60.0, /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0,
                          /*user=*/nullptr),
                  1008);
        EXPECT_NEAR(fh, 26.404, 1e-9);
        EXPECT_EQ(Calc_Fh(/*out_fh=*/&fh, /*d=*/8.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/0.0,
                          /*t=*/60.0, /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0,
                          /*user=*/nullptr),
                  1008);
        EXPECT_NEAR(fh, 26.404, 1e-9);
    }
    EXPECT_EQ(Calc_Fh(/*out_fh=*/&fh, /*d=*/8.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/right,
                      /*t=*/60.0, /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr),
              0);
    EXPECT_NEAR(fh, 17.9619, 1e-4);
    /* no density: 169, kept and again */
    EXPECT_EQ(Calc_Fh(/*out_fh=*/&fh, /*d=*/8.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/right,
                      /*t=*/60.0, /*rho_k=*/0.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr),
              169);
    EXPECT_EQ(Calc_Fh(/*out_fh=*/&fh, /*d=*/8.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/0.0,
                      /*t=*/60.0, /*rho_k=*/0.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr),
              169);
    /* a user material is never kept */
    Vbm_User_Embedment on{2.0, 0.0, 0.0, 0.0, 1};
    Calc_Fh(/*out_fh=*/&fh, /*d=*/8.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/60.0,
            /*rho_k=*/350.0, /*mat=*/0, /*grade=*/-999, /*user=*/&on);
    EXPECT_DOUBLE_EQ(fh, 2.0);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/8.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/60.0,
            /*rho_k=*/350.0, /*mat=*/0, /*grade=*/-999, /*user=*/nullptr);
    EXPECT_NEAR(fh, 0.082 * 0.92 * 350.0, 1e-9);
}

namespace {

/* The codes of message list 1 or 2 as a text "a b c". */
std::string Listed(int list)
{
    std::string s;
    const int n = list == 2 ? Msg_Count2 : Msg_Count;
    const int base = list == 2 ? MSG_LIST_SIZE : 0;
    for (int i = 0; i < n; i++) s += (i ? " " : "") + std::to_string(Msg_Codes.codes[base + i]);
    return s;
}

struct Pen {
    int cs;
    double p;
    int member;
    std::string list1, list2;
};

Pen Penetrate(int kind, double d, double l, double angle, double t1, double t2)
{
    Msg_Codes_Clear();
    Pen r{};
    r.p = -1.0;
    r.member = -1;
    r.cs = Calc_Vbm_Penetration(kind, d, l, angle, t1, t2, &r.p, &r.member);
    r.list1 = Listed(1);
    r.list2 = Listed(2);
    return r;
}

} // namespace

TEST(Penetration, EveryCaseWithItsNotes)
{
    /* d 4: 4 d = 16, 8 d = 32 */
    {
        Standard_Scope din(false);
        /* the point ends in member 2 (p = 20 <= 40, L = 50 > 40 - 20): case 1 (kind 1) or 2,
        ** note 91, p >= 16: member 1 */
        Pen a = Penetrate(1, 4.0, 50.0, 90.0, 30.0, 40.0);
        EXPECT_EQ(a.cs, 1);
        EXPECT_DOUBLE_EQ(a.p, 20.0);
        EXPECT_EQ(a.member, 1);
        EXPECT_EQ(a.list1, "91");
        EXPECT_EQ(a.list2, "");
        EXPECT_EQ(Penetrate(2, 4.0, 50.0, 90.0, 30.0, 40.0).cs, 2);
        /* a point deep in a thick member 2 (L = 30 <= 100 - 20): case 2 with note 90 */
        Pen b = Penetrate(2, 4.0, 30.0, 90.0, 10.0, 100.0);
        EXPECT_EQ(b.cs, 2);
        EXPECT_DOUBLE_EQ(b.p, 20.0);
        EXPECT_EQ(b.member, 1);
        EXPECT_EQ(b.list1, "90");
        /* the same with a point of 12 < 16: note 8, no member */
        Pen c = Penetrate(2, 4.0, 22.0, 90.0, 10.0, 100.0);
        EXPECT_EQ(c.list1, "90");
        EXPECT_EQ(c.member, 0);
        /* kind 1 through member 2 (t2 = 20 >= 16): case 4, penetration t2, member 1 */
        Pen d = Penetrate(1, 4.0, 60.0, 90.0, 30.0, 20.0);
        EXPECT_EQ(d.cs, 4);
        EXPECT_DOUBLE_EQ(d.p, 20.0);
        EXPECT_EQ(d.member, 1);
        EXPECT_EQ(d.list1, "");
        /* t2 = 14 < 16: no member, no note */
        Pen e = Penetrate(1, 4.0, 60.0, 90.0, 30.0, 14.0);
        EXPECT_EQ(e.member, 0);
        EXPECT_EQ(e.list1, "");
        /* t2 = 17 >= 16: member 1 without note; a point of exactly 16: no note either */
        Pen e2 = Penetrate(1, 4.0, 60.0, 90.0, 30.0, 17.0);
        EXPECT_EQ(e2.member, 1);
        EXPECT_EQ(e2.list1, "");
        EXPECT_EQ(Penetrate(2, 4.0, 26.0, 90.0, 10.0, 100.0).list1, "90");
        EXPECT_EQ(Penetrate(2, 4.0, 46.0, 90.0, 30.0, 40.0).list1, "91");
        /* kind 2, the protrusion 10 within t1 = 30: case 3, notes 92 and 8 (10 < 16), member 1;
        ** protrusion 20: member 2 */
        Pen f = Penetrate(2, 4.0, 60.0, 90.0, 30.0, 20.0);
        EXPECT_EQ(f.cs, 3);
        EXPECT_DOUBLE_EQ(f.p, 10.0);
        EXPECT_EQ(f.member, 1);
        EXPECT_EQ(f.list1, "92 8");
        Pen g = Penetrate(2, 4.0, 70.0, 90.0, 30.0, 20.0);
        EXPECT_EQ(g.member, 2);
        EXPECT_EQ(g.list1, "92");
        /* the protrusion 35 beyond t1 = 30: case 4, note 93 in list 2, penetration t1, member 2;
        ** with t1 = 10 (< 16): member 1 */
        Pen h = Penetrate(2, 4.0, 85.0, 90.0, 30.0, 20.0);
        EXPECT_EQ(h.cs, 4);
        EXPECT_DOUBLE_EQ(h.p, 30.0);
        EXPECT_EQ(h.member, 2);
        EXPECT_EQ(h.list2, "93");
        EXPECT_EQ(h.list1, "");
        Pen i = Penetrate(2, 4.0, 60.0, 90.0, 10.0, 20.0);
        EXPECT_EQ(i.cs, 4);
        EXPECT_DOUBLE_EQ(i.p, 10.0);
        EXPECT_EQ(i.member, 1);
        /* t1 = 14 >= 12 (d 3): member 2 and note 8 (14 < 4 d? no: 14 >= 12) */
        Pen j = Penetrate(2, 3.0, 60.0, 90.0, 14.0, 20.0);
        EXPECT_EQ(j.member, 2);
        EXPECT_EQ(j.list1, "");
        /* another kind: case 0, penetration the protrusion */
        Pen k = Penetrate(3, 4.0, 60.0, 90.0, 30.0, 20.0);
        EXPECT_EQ(k.cs, 0);
        EXPECT_DOUBLE_EQ(k.p, 10.0);
        EXPECT_EQ(k.member, 0);
    }
    {
        /* EN 1995 with an annex of its own rules (variant 1): 4 d, note 145 below 8 d */
        Standard_Scope en(true, 1);
        Pen a = Penetrate(1, 4.0, 50.0, 90.0, 30.0, 40.0);
        EXPECT_EQ(a.list1, "91 145");
        Pen b = Penetrate(1, 4.0, 70.0, 90.0, 30.0, 40.0); /* p 40 >= 32: no 145 */
        EXPECT_EQ(b.list1, "91");
        Pen c = Penetrate(2, 4.0, 30.0, 90.0, 50.0, 30.0); /* in member 1, 30 < 32 */
        EXPECT_EQ(c.list1, "145");
        EXPECT_EQ(c.list2, "89");
    }
    {
        /* variant 0: the minimum point length is d = 4; the 4 d note stays */
        Standard_Scope en(true, 0);
        Pen a = Penetrate(1, 4.0, 42.0, 90.0, 30.0, 40.0); /* p 12 */
        EXPECT_EQ(a.member, 1);
        EXPECT_EQ(a.list1, "91 8 8 145");
        Pen b = Penetrate(1, 4.0, 60.0, 90.0, 30.0, 14.0); /* through t2 = 14 >= 4 */
        EXPECT_EQ(b.member, 1);
        EXPECT_EQ(b.list1, "8 8 145");
        Pen c = Penetrate(2, 4.0, 60.0, 90.0, 10.0, 20.0); /* t1 10 >= 4 */
        EXPECT_EQ(c.member, 2);
        EXPECT_EQ(c.list1, "8 145");
    }
    Msg_Codes_Clear();
    EXPECT_DOUBLE_EQ(Calc_T_Min_3d(10.0), 30.0);
    EXPECT_DOUBLE_EQ(Calc_T_Min_3d(8.0), 24.0);
    EXPECT_DOUBLE_EQ(Calc_T_Min_5d(4.0), 24.0);
    EXPECT_DOUBLE_EQ(Calc_T_Min_5d(5.0), 25.0);
}

TEST(Penetration, NailsFromBothSides)
{
    Standard_Scope din(false);
    double p1 = 0, p2 = 0;
    int c1 = 0, c2 = 0, s1 = 0, s2 = 0;
    /* side members 30, middle member 40, d 4 (4 d = 16). A nail counts one anchorage when it
    ** reaches 16 beyond its side member and a second one when it reaches 16 beyond the middle
    ** member; a nail ending inside the middle member counts p = 40.
    ** 100 mm from both sides: 70 and 30 beyond: two each, both state 4; the point passes the
    ** far side member (30 < 30 + 1) */
    EXPECT_EQ(Check_Nail_Overlap(/*t1=*/30.0, /*t_mid=*/40.0, /*t3=*/30.0, /*staggered=*/0,
                                 /*l1=*/100.0, /*d1=*/4.0, /*angle1=*/90.0, /*out_pen1=*/&p1,
                                 /*out_count1=*/&c1, /*out_state1=*/&s1, /*l2=*/100.0, /*d2=*/4.0,
                                 /*angle2=*/90.0, /*out_pen2=*/&p2, /*out_count2=*/&c2,
                                 /*out_state2=*/&s2),
              0);
    EXPECT_EQ(c1, 2);
    EXPECT_EQ(c2, 2);
    EXPECT_DOUBLE_EQ(p1, 30.0);
    EXPECT_DOUBLE_EQ(p2, 30.0);
    EXPECT_EQ(s1, 4);
    EXPECT_EQ(s2, 4);
    /* 100 against a 60 mm far side with 80: two against one: side 1 state 4; then side 2 state 4
    ** because side 1's partner passes (30 < 40 + 1) */
    EXPECT_EQ(Check_Nail_Overlap(/*t1=*/30.0, /*t_mid=*/40.0, /*t3=*/60.0, /*staggered=*/0,
                                 /*l1=*/100.0, /*d1=*/4.0, /*angle1=*/90.0, /*out_pen1=*/&p1,
                                 /*out_count1=*/&c1, /*out_state1=*/&s1, /*l2=*/80.0, /*d2=*/4.0,
                                 /*angle2=*/90.0, /*out_pen2=*/&p2, /*out_count2=*/&c2,
                                 /*out_state2=*/&s2),
              0);
    EXPECT_EQ(c2, 1);
    EXPECT_DOUBLE_EQ(p2, 40.0);
    EXPECT_EQ(s1, 4);
    EXPECT_EQ(s2, 4);
    /* 80 against 100: one against two: side 2 state 4, side 1 stays 1 */
    EXPECT_EQ(Check_Nail_Overlap(/*t1=*/30.0, /*t_mid=*/40.0, /*t3=*/30.0, /*staggered=*/0,
                                 /*l1=*/80.0, /*d1=*/4.0, /*angle1=*/90.0, /*out_pen1=*/&p1,
                                 /*out_count1=*/&c1, /*out_state1=*/&s1, /*l2=*/100.0, /*d2=*/4.0,
                                 /*angle2=*/90.0, /*out_pen2=*/&p2, /*out_count2=*/&c2,
                                 /*out_state2=*/&s2),
              0);
    EXPECT_EQ(c1, 1);
    EXPECT_DOUBLE_EQ(p1, 10.0);
    EXPECT_EQ(s1, 1);
    EXPECT_EQ(s2, 4);
    /* 100 against 80: side 1 state 4, side 2 stays 1 (30 >= 10 + 1) */
    EXPECT_EQ(Check_Nail_Overlap(/*t1=*/30.0, /*t_mid=*/40.0, /*t3=*/30.0, /*staggered=*/0,
                                 /*l1=*/100.0, /*d1=*/4.0, /*angle1=*/90.0, /*out_pen1=*/&p1,
                                 /*out_count1=*/&c1, /*out_state1=*/&s1, /*l2=*/80.0, /*d2=*/4.0,
                                 /*angle2=*/90.0, /*out_pen2=*/&p2, /*out_count2=*/&c2,
                                 /*out_state2=*/&s2),
              0);
    EXPECT_EQ(s1, 4);
    EXPECT_EQ(s2, 1);
    /* one each, 80 from both sides, 10 beyond the middle: not staggered 40 - 10 + 1 = 31 > 16
    ** on both sides: state 2, accepted; staggered 40 + 1 > 10 + 10: accepted */
    EXPECT_EQ(Check_Nail_Overlap(/*t1=*/30.0, /*t_mid=*/40.0, /*t3=*/30.0, /*staggered=*/0,
                                 /*l1=*/80.0, /*d1=*/4.0, /*angle1=*/90.0, /*out_pen1=*/&p1,
                                 /*out_count1=*/&c1, /*out_state1=*/&s1, /*l2=*/80.0, /*d2=*/4.0,
                                 /*angle2=*/90.0, /*out_pen2=*/&p2, /*out_count2=*/&c2,
                                 /*out_state2=*/&s2),
              1);
    EXPECT_EQ(s1, 2);
    EXPECT_EQ(s2, 2);
    EXPECT_EQ(Check_Nail_Overlap(/*t1=*/30.0, /*t_mid=*/40.0, /*t3=*/30.0, /*staggered=*/1,
                                 /*l1=*/80.0, /*d1=*/4.0, /*angle1=*/90.0, /*out_pen1=*/nullptr,
                                 /*out_count1=*/nullptr, /*out_state1=*/&s1, /*l2=*/80.0,
                                 /*d2=*/4.0, /*angle2=*/90.0, /*out_pen2=*/nullptr,
                                 /*out_count2=*/nullptr, /*out_state2=*/&s2),
              1);
    /* 62 ends inside the middle member (p 40): not staggered 40 - 40 + 1 <= 16, staggered
    ** 41 <= 40 + 10: both apart, state 4 */
    EXPECT_EQ(Check_Nail_Overlap(/*t1=*/30.0, /*t_mid=*/40.0, /*t3=*/30.0, /*staggered=*/0,
                                 /*l1=*/62.0, /*d1=*/4.0, /*angle1=*/90.0, /*out_pen1=*/&p1,
                                 /*out_count1=*/&c1, /*out_state1=*/&s1, /*l2=*/80.0, /*d2=*/4.0,
                                 /*angle2=*/90.0, /*out_pen2=*/&p2, /*out_count2=*/&c2,
                                 /*out_state2=*/&s2),
              0);
    EXPECT_DOUBLE_EQ(p1, 40.0);
    EXPECT_EQ(s1, 4);
    EXPECT_EQ(s2, 4);
    EXPECT_EQ(Check_Nail_Overlap(/*t1=*/30.0, /*t_mid=*/40.0, /*t3=*/30.0, /*staggered=*/1,
                                 /*l1=*/62.0, /*d1=*/4.0, /*angle1=*/90.0, /*out_pen1=*/nullptr,
                                 /*out_count1=*/nullptr, /*out_state1=*/&s1, /*l2=*/80.0,
                                 /*d2=*/4.0, /*angle2=*/90.0, /*out_pen2=*/nullptr,
                                 /*out_count2=*/nullptr, /*out_state2=*/&s2),
              0);
    EXPECT_EQ(s1, 4);
    /* the same from the other side: the first nail (80, p 10) keeps 40 - 10 + 1 = 31 > 16, the
    ** second (62, p 40) 40 - 40 + 1 <= 16: apart, state 4 */
    EXPECT_EQ(Check_Nail_Overlap(/*t1=*/30.0, /*t_mid=*/40.0, /*t3=*/30.0, /*staggered=*/0,
                                 /*l1=*/80.0, /*d1=*/4.0, /*angle1=*/90.0, /*out_pen1=*/&p1,
                                 /*out_count1=*/&c1, /*out_state1=*/&s1, /*l2=*/62.0, /*d2=*/4.0,
                                 /*angle2=*/90.0, /*out_pen2=*/&p2, /*out_count2=*/&c2,
                                 /*out_state2=*/&s2),
              0);
    EXPECT_DOUBLE_EQ(p1, 10.0);
    EXPECT_DOUBLE_EQ(p2, 40.0);
    EXPECT_EQ(s1, 4);
    EXPECT_EQ(s2, 4);
    /* 70 mm end exactly at the middle member's far face: p counts 40 */
    EXPECT_EQ(Check_Nail_Overlap(/*t1=*/30.0, /*t_mid=*/40.0, /*t3=*/30.0, /*staggered=*/0,
                                 /*l1=*/70.0, /*d1=*/4.0, /*angle1=*/90.0, /*out_pen1=*/&p1,
                                 /*out_count1=*/&c1, /*out_state1=*/&s1, /*l2=*/80.0, /*d2=*/4.0,
                                 /*angle2=*/90.0, /*out_pen2=*/&p2, /*out_count2=*/&c2,
                                 /*out_state2=*/&s2),
              0);
    EXPECT_DOUBLE_EQ(p1, 40.0);
    /* the second nail shorter than its side member: state 0, p = l; the first: state 0 */
    EXPECT_EQ(Check_Nail_Overlap(/*t1=*/30.0, /*t_mid=*/40.0, /*t3=*/30.0, /*staggered=*/0,
                                 /*l1=*/48.0, /*d1=*/4.0, /*angle1=*/90.0, /*out_pen1=*/&p1,
                                 /*out_count1=*/&c1, /*out_state1=*/&s1, /*l2=*/25.0, /*d2=*/4.0,
                                 /*angle2=*/90.0, /*out_pen2=*/&p2, /*out_count2=*/&c2,
                                 /*out_state2=*/&s2),
              0);
    EXPECT_EQ(s1, 1);
    EXPECT_EQ(s2, 0);
    EXPECT_DOUBLE_EQ(p2, 25.0);
    EXPECT_EQ(c2, 0);
    EXPECT_EQ(Check_Nail_Overlap(/*t1=*/30.0, /*t_mid=*/40.0, /*t3=*/30.0, /*staggered=*/0,
                                 /*l1=*/25.0, /*d1=*/4.0, /*angle1=*/90.0, /*out_pen1=*/&p1,
                                 /*out_count1=*/&c1, /*out_state1=*/&s1, /*l2=*/48.0, /*d2=*/4.0,
                                 /*angle2=*/90.0, /*out_pen2=*/&p2, /*out_count2=*/&c2,
                                 /*out_state2=*/&s2),
              0);
    EXPECT_EQ(s1, 0);
    EXPECT_EQ(s2, 1);
    /* at 30 degrees 48 mm reach only 24 < 30: both 0 */
    EXPECT_EQ(Check_Nail_Overlap(/*t1=*/30.0, /*t_mid=*/40.0, /*t3=*/30.0, /*staggered=*/0,
                                 /*l1=*/48.0, /*d1=*/4.0, /*angle1=*/30.0, /*out_pen1=*/nullptr,
                                 /*out_count1=*/nullptr, /*out_state1=*/&s1, /*l2=*/48.0,
                                 /*d2=*/4.0, /*angle2=*/30.0, /*out_pen2=*/nullptr,
                                 /*out_count2=*/nullptr, /*out_state2=*/&s2),
              0);
    EXPECT_EQ(s1, 0);
    EXPECT_EQ(s2, 0);
    Check_Nail_Overlap_Same(30.0, 40.0, 30.0, 0, 48.0, 4.0);
    /* middle member 30: 70 from side 1 ends 10 beyond it (one anchorage, 30 - 10 + 1 = 21 >
    ** 16), 75 from side 2 ends 15 beyond it (15 < 16: still one anchorage) and keeps
    ** 30 - 15 + 1 = 16 <= 16 in the middle member: apart, both state 4 */
    EXPECT_EQ(Check_Nail_Overlap(/*t1=*/30.0, /*t_mid=*/30.0, /*t3=*/30.0, /*staggered=*/0,
                                 /*l1=*/70.0, /*d1=*/4.0, /*angle1=*/90.0, /*out_pen1=*/&p1,
                                 /*out_count1=*/&c1, /*out_state1=*/&s1, /*l2=*/75.0, /*d2=*/4.0,
                                 /*angle2=*/90.0, /*out_pen2=*/&p2, /*out_count2=*/&c2,
                                 /*out_state2=*/&s2),
              0);
    EXPECT_EQ(c1, 1);
    EXPECT_EQ(c2, 1);
    EXPECT_DOUBLE_EQ(p2, 15.0);
    EXPECT_EQ(s1, 4);
    EXPECT_EQ(s2, 4);
    /* staggered, 75.5 from both sides: 15.5 + 15.5 = 31 reaches 30 + 1: apart, state 4 */
    EXPECT_EQ(Check_Nail_Overlap(/*t1=*/30.0, /*t_mid=*/30.0, /*t3=*/30.0, /*staggered=*/1,
                                 /*l1=*/75.5, /*d1=*/4.0, /*angle1=*/90.0, /*out_pen1=*/nullptr,
                                 /*out_count1=*/nullptr, /*out_state1=*/&s1, /*l2=*/75.5,
                                 /*d2=*/4.0, /*angle2=*/90.0, /*out_pen2=*/nullptr,
                                 /*out_count2=*/nullptr, /*out_state2=*/&s2),
              0);
    EXPECT_EQ(s1, 4);
    EXPECT_EQ(s2, 4);
    EXPECT_EQ(Check_Nail_Overlap(/*t1=*/30.0, /*t_mid=*/30.0, /*t3=*/30.0, /*staggered=*/1,
                                 /*l1=*/75.4, /*d1=*/4.0, /*angle1=*/90.0, /*out_pen1=*/nullptr,
                                 /*out_count1=*/nullptr, /*out_state1=*/&s1, /*l2=*/75.5,
                                 /*d2=*/4.0, /*angle2=*/90.0, /*out_pen2=*/nullptr,
                                 /*out_count2=*/nullptr, /*out_state2=*/&s2),
              1);
    /* 74 from side 2 (p 14): 30 - 14 + 1 = 17 > 16 on both sides: state 2, accepted */
    EXPECT_EQ(Check_Nail_Overlap(/*t1=*/30.0, /*t_mid=*/30.0, /*t3=*/30.0, /*staggered=*/0,
                                 /*l1=*/70.0, /*d1=*/4.0, /*angle1=*/90.0, /*out_pen1=*/&p1,
                                 /*out_count1=*/&c1, /*out_state1=*/&s1, /*l2=*/74.0, /*d2=*/4.0,
                                 /*angle2=*/90.0, /*out_pen2=*/&p2, /*out_count2=*/&c2,
                                 /*out_state2=*/&s2),
              1);
    EXPECT_EQ(s1, 2);
    EXPECT_EQ(s2, 2);
}

TEST(Thickness, ReductionByPenetrationCase)
{
    Standard_Scope din(false);
    /* nail d 4, fu 600, C24 on both sides (beta 1): My = 6616.50, fh = 18.935,
    ** root = sqrt(My / (fh d)) = 9.34657; t1,req = 1.15 (2 sqrt 0.5 + 2) root = 36.698;
    ** t2,req single shear 1.15 (2 + 2 / sqrt 2) root = 36.698, double shear
    ** 1.15 * 4 / sqrt 2 * root = 30.402 */
    double p = 0, k = 0, t1r = 0, t2r = 0;
    int m = 0;
    const auto reduce = [&](int kind, double length, double t1, double t2, int mat1 = 0,
                            int type = 0) {
        return Calc_T_Req_Reduction(/*type=*/type, /*fu=*/600.0, /*kind=*/kind, /*d=*/4.0,
                                    /*length=*/length, /*axis_angle=*/90.0, /*predrilled=*/0,
                                    /*variant=*/0, /*fitted=*/0, /*t1=*/t1, /*t2=*/t2,
                                    /*rho1=*/350.0, /*rho2=*/350.0, /*mat1=*/mat1, /*mat2=*/0,
                                    /*g1=*/0, /*g2=*/0, /*user1=*/nullptr, /*user2=*/nullptr,
                                    /*out_penetration=*/&p, /*out_member=*/&m, /*out_k=*/&k,
                                    /*out_t1_req=*/&t1r, /*out_t2_req=*/&t2r);
    };
    /* single shear, point 40 in member 2: k = t1 / t1,req = 30 / 36.698 = 0.81749 */
    EXPECT_EQ(reduce(1, 70.0, 30.0, 60.0), 1);
    EXPECT_NEAR(k, 0.817486, 1e-6);
    EXPECT_NEAR(t1r, 36.6979, 1e-4);
    EXPECT_NEAR(t2r, 36.6979, 1e-4);
    EXPECT_DOUBLE_EQ(p, 40.0);
    /* point 20 < t2,req: k = 20 / 36.698 = 0.54499 */
    reduce(1, 60.0, 40.0, 60.0);
    EXPECT_NEAR(k, 0.544991, 1e-6);
    /* point 12 < 4 d: k = 0 */
    reduce(1, 52.0, 40.0, 60.0);
    EXPECT_EQ(k, 0.0);
    /* a special nail (16) and a wood screw to DIN 571 (2) with the same yield moment and
    ** embedment, their points held in member 2: the point-side member of a single-shear joint,
    ** t2,req = 36.698 (DIN 1052, eq. (209)), not the middle member's 30.402; the point 20 ->
    ** k = 20 / 36.698 = 0.54499 */
    for (int type : {16, 2}) {
        EXPECT_EQ(reduce(1, 60.0, 40.0, 60.0, 0, type), 1) << type;
        EXPECT_NEAR(t2r, 36.6979, 1e-4) << type;
        EXPECT_NEAR(k, 0.544991, 1e-6) << type;
    }
    /* double shear, the point 20 beyond member 2 (20 mm) inside t1 = 30: case 3,
    ** k = min(20 / 36.698, 20 / 30.402) = 0.54499 */
    EXPECT_EQ(reduce(2, 70.0, 30.0, 20.0), 3);
    EXPECT_NEAR(t2r, 30.4015, 1e-4);
    EXPECT_NEAR(k, 0.544991, 1e-6);
    /* a point of 12 < 4 d beyond: counted with t2: k = min(30 / 36.698, 20 / 30.402) = 0.65786 */
    reduce(2, 62.0, 30.0, 20.0);
    EXPECT_NEAR(k, 0.657862, 1e-6);
    EXPECT_DOUBLE_EQ(p, 20.0);
    /* through member 2 in single shear: case 4, k = 1 */
    EXPECT_EQ(reduce(1, 100.0, 30.0, 20.0), 4);
    EXPECT_DOUBLE_EQ(k, 1.0);
    /* gypsum fibre board as member 1: t1,req = 7 d = 28: k = 12.5 / 28 */
    reduce(1, 70.0, 12.5, 60.0, 9);
    EXPECT_NEAR(t1r, 28.0, 1e-12);
    EXPECT_NEAR(k, 12.5 / 28.0, 1e-12);
    /* a steel plate as member 1 (5 mm >= d), but in holes of d + 1 mm (1 mm >= 0.1 d): thin
    ** (EN 1995-1-1, 8.2.3(1)): t1,req 0.1, k1 1, t2,req (10 s + 9 (1 - s)) d with s = 0: 36; the
    ** point 35 -> k = 35 / 36 */
    reduce(1, 40.0, 5.0, 60.0, 12);
    EXPECT_NEAR(t1r, 0.1, 1e-12);
    EXPECT_NEAR(t2r, 36.0, 1e-9);
    EXPECT_NEAR(k, 35.0 / 36.0, 1e-12);
    /* a DIN 571 screw beside a plate: 4.6 root = 42.994 (My with the full formula) */
    Calc_T_Req_Reduction(/*type=*/2, /*fu=*/600.0, /*kind=*/1, /*d=*/4.0, /*length=*/40.0,
                         /*axis_angle=*/90.0, /*predrilled=*/0, /*variant=*/0, /*fitted=*/0,
                         /*t1=*/5.0, /*t2=*/60.0, /*rho1=*/350.0, /*rho2=*/350.0, /*mat1=*/12,
                         /*mat2=*/0, /*g1=*/0, /*g2=*/0, /*user1=*/nullptr, /*user2=*/nullptr,
                         /*out_penetration=*/&p, /*out_member=*/&m, /*out_k=*/&k,
                         /*out_t1_req=*/&t1r, /*out_t2_req=*/&t2r);
    EXPECT_NEAR(t2r, 42.9942, 1e-4);
    /* the plate forms B and C: 3.25269 root = 30.4015, 3.92635 root = 36.6979 */
    EXPECT_NEAR(Calc_T_Req_Plate_B(/*d=*/4.0, /*type=*/0, /*predrilled=*/0, /*variant=*/0,
                                   /*fitted=*/0, /*threaded=*/0, /*alpha=*/0.0, /*dc=*/0.0,
                                   /*fu=*/600.0, /*t=*/60.0, /*rho=*/350.0, /*mat=*/0, /*g=*/0,
                                   /*user1=*/nullptr, /*user2=*/nullptr),
                30.4015, 1e-4);
    EXPECT_NEAR(Calc_T_Req_Plate_C(/*d=*/4.0, /*type=*/0, /*predrilled=*/0, /*variant=*/0,
                                   /*fitted=*/0, /*threaded=*/0, /*alpha=*/0.0, /*dc=*/0.0,
                                   /*fu=*/600.0, /*t=*/60.0, /*rho=*/350.0, /*mat=*/0, /*g=*/0,
                                   /*user1=*/nullptr, /*user2=*/nullptr),
                36.6979, 1e-4);
    /* connectors: 3 dc and 5 dc with at least 24 */
    EXPECT_DOUBLE_EQ(Calc_T_Req_Plate(/*d=*/4.0, /*type=*/26, /*predrilled=*/0, /*variant=*/0,
                                      /*fitted=*/0, /*threaded=*/0, /*alpha=*/0.0, /*dc=*/50.0,
                                      /*fu=*/600.0, /*t=*/60.0, /*rho=*/350.0, /*mat=*/0, /*g1=*/0,
                                      /*g2=*/0, /*user1=*/nullptr, /*user2=*/nullptr),
                     250.0);
    EXPECT_DOUBLE_EQ(Calc_T1_Req(/*d=*/4.0, /*type=*/25, /*predrilled=*/0, /*variant=*/0,
                                 /*fitted=*/0, /*threaded=*/0, /*alpha1=*/0.0, /*alpha2=*/0.0,
                                 /*dc=*/10.0, /*fu=*/600.0, /*t1=*/60.0, /*t2=*/60.0,
                                 /*rho1=*/350.0, /*rho2=*/350.0, /*mat1=*/0, /*mat2=*/0, /*g1=*/0,
                                 /*g2=*/0, /*user1=*/nullptr, /*user2=*/nullptr),
                     30.0);
    EXPECT_DOUBLE_EQ(Calc_T1_Req_B(/*d=*/4.0, /*type=*/28, /*predrilled=*/0, /*variant=*/0,
                                   /*fitted=*/0, /*threaded=*/0, /*alpha1=*/0.0, /*alpha2=*/0.0,
                                   /*dc=*/6.0, /*fu=*/600.0, /*t1=*/60.0, /*t2=*/60.0,
                                   /*rho1=*/350.0, /*rho2=*/350.0, /*mat1=*/0, /*mat2=*/0, /*g1=*/0,
                                   /*g2=*/0, /*user1=*/nullptr, /*user2=*/nullptr),
                     24.0);
    EXPECT_DOUBLE_EQ(Calc_T1_Req_B(/*d=*/4.0, /*type=*/25, /*predrilled=*/0, /*variant=*/0,
                                   /*fitted=*/0, /*threaded=*/0, /*alpha1=*/0.0, /*alpha2=*/0.0,
                                   /*dc=*/10.0, /*fu=*/600.0, /*t1=*/60.0, /*t2=*/60.0,
                                   /*rho1=*/350.0, /*rho2=*/350.0, /*mat1=*/0, /*mat2=*/0, /*g1=*/0,
                                   /*g2=*/0, /*user1=*/nullptr, /*user2=*/nullptr),
                     30.0);
    EXPECT_DOUBLE_EQ(Calc_T2_Req(/*kind=*/1, /*d=*/4.0, /*length=*/40.0, /*axis_angle=*/90.0,
                                 /*type=*/27, /*predrilled=*/0, /*variant=*/0, /*fitted=*/0,
                                 /*threaded=*/0, /*alpha1=*/0.0, /*alpha2=*/0.0, /*dc=*/10.0,
                                 /*fu=*/600.0, /*t1=*/60.0, /*t2=*/60.0, /*rho1=*/350.0,
                                 /*rho2=*/350.0, /*mat1=*/0, /*mat2=*/0, /*g1=*/0, /*g2=*/0,
                                 /*user1=*/nullptr, /*user2=*/nullptr),
                     50.0);
    /* DIN 1052 has no yield moment for the second ETA-12/0114 row (variant 1): the equation
    ** gives 0, in a panel (OSB) at least 1.2 d = 9.6, in timber it stays 0 */
    EXPECT_DOUBLE_EQ(Calc_T1_Req(/*d=*/8.0, /*type=*/11, /*predrilled=*/0, /*variant=*/1,
                                 /*fitted=*/0, /*threaded=*/0, /*alpha1=*/0.0, /*alpha2=*/0.0,
                                 /*dc=*/0.0, /*fu=*/600.0, /*t1=*/6.0, /*t2=*/60.0, /*rho1=*/550.0,
                                 /*rho2=*/350.0, /*mat1=*/4, /*mat2=*/0, /*g1=*/1, /*g2=*/0,
                                 /*user1=*/nullptr, /*user2=*/nullptr),
                     9.6);
    EXPECT_DOUBLE_EQ(Calc_T1_Req(/*d=*/8.0, /*type=*/11, /*predrilled=*/0, /*variant=*/1,
                                 /*fitted=*/0, /*threaded=*/0, /*alpha1=*/0.0, /*alpha2=*/0.0,
                                 /*dc=*/0.0, /*fu=*/600.0, /*t1=*/6.0, /*t2=*/60.0, /*rho1=*/350.0,
                                 /*rho2=*/350.0, /*mat1=*/0, /*mat2=*/0,
                                 /*g1=*/Grade_Index(0, "C24"), /*g2=*/0, /*user1=*/nullptr,
                                 /*user2=*/nullptr),
                     0.0);
    /* an approved screw in a panel needs at least 1.2 d of it (ETA-12/0114 d 8 in 6 mm OSB) */
    Standard_Scope en(true);
    EXPECT_GE(Calc_T1_Req(/*d=*/8.0, /*type=*/11, /*predrilled=*/0, /*variant=*/0, /*fitted=*/0,
                          /*threaded=*/0, /*alpha1=*/0.0, /*alpha2=*/0.0, /*dc=*/0.0, /*fu=*/600.0,
                          /*t1=*/6.0, /*t2=*/60.0, /*rho1=*/550.0, /*rho2=*/350.0, /*mat1=*/4,
                          /*mat2=*/0, /*g1=*/1, /*g2=*/0, /*user1=*/nullptr,
                          /*user2=*/nullptr),
              9.6);
    /* the simplified nail through member 2: case 4, hint 11, k 1:
    ** sqrt(2 * 6616.50 * 18.935 * 4) = 1001.13 */
    Standard_Scope din2(false);
    Connection_Result r{};
    EXPECT_NEAR(Calc_Nail_Simplified_Rk(/*kind=*/1, /*d=*/4.0, /*length=*/100.0, /*fu=*/600.0,
                                        /*predrilled=*/0, /*variant=*/0, /*t1=*/30.0, /*t2=*/20.0,
                                        /*rho1=*/350.0, /*rho2=*/350.0, /*alpha1=*/0.0,
                                        /*alpha2=*/0.0, /*mat1=*/0, /*mat2=*/0, /*g1=*/0, /*g2=*/0,
                                        /*user1=*/nullptr, /*user2=*/nullptr,
                                        /*result=*/&r),
                1001.132, 0.001);
    EXPECT_EQ(r.msg_code, 11);
    EXPECT_DOUBLE_EQ(r.k_red, 1.0);
    EXPECT_NEAR(r.my_rk, 6616.5025, 1e-4);
}
