/*
** Fastener type names, classification predicates and the characteristic values of fasteners.
*/
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "cat_test_util.h"
#include "foundation/codepage.h"

TEST(VbmTypes, NamesByFlagAndCodePage)
{
    EXPECT_STREQ(Get_Vbm_Type_Name(5, 0), "DIN 571");
    EXPECT_STREQ(Get_Vbm_Type_Name(5, 1), "Holzschraube");
    EXPECT_STREQ(Get_Vbm_Type_Name(61, 0), "nicht definiert");
    EXPECT_STREQ(Get_Vbm_Type_Name(-3, 1), "nicht definiert");
    EXPECT_STREQ(Get_Vbm_Type_Name(25, 0), "Ringd\x81"
                                           "bel A1");
    EXPECT_STREQ(Get_Vbm_Type_Name(25, 1), "Ringd\x81"
                                           "bel A1/B1");
    EXPECT_STREQ(Get_Vbm_Type_Name(15, 0), "ASSY-plus VG Senkfr\x84st.kopf");
    EXPECT_STREQ(Get_Vbm_Type_Name(27, 1), "Scheibend\x81"
                                           "bel C5"); /* no family text: same */
    EXPECT_STREQ(Get_Vbm_Type_Name(-2, 0), "ohne Verbund");
    EXPECT_STREQ(Get_Vbm_Type_Name(60, 0), "Zylindersenkkopf Vollgewinde");
    /* each code keeps its own buffer */
    const char *a = Get_Vbm_Type_Name(0, 0);
    const char *b = Get_Vbm_Type_Name(30, 0);
    EXPECT_STREQ(a, "Nagel");
    EXPECT_STREQ(b, "Bolzen");
}

TEST(VbmTypes, ClassNamesIn1252)
{
    EXPECT_STREQ(Get_Vbm_Class_Name(47, 0), "nicht definiert");
    EXPECT_STREQ(Get_Vbm_Class_Name(2, 0), "Schraube 1A");
    EXPECT_STREQ(Get_Vbm_Class_Name(10, 0), "Schraube 3C");
    EXPECT_STREQ(Get_Vbm_Class_Name(7, 1), "Holzschraube");
    EXPECT_STREQ(Get_Vbm_Class_Name(25, 0), "Ringd\xFC"
                                            "bel A1");
    EXPECT_STREQ(Get_Vbm_Class_Name(15, 0), "ASSY-plus VG Senkfr\xE4st.kopf");
    EXPECT_STREQ(Get_Vbm_Class_Name(46, 0), "Simpson CSA");
}

TEST(VbmTypes, ApprovalTextFollowsNadParams)
{
    {
        Nad_Scope en(true);
        EXPECT_STREQ(Get_Vbm_Approval_Text(13), ", ETA-12/0114");
        EXPECT_STREQ(Get_Vbm_Approval_Text(14), ", ETA-11/0190");
        EXPECT_STREQ(Get_Vbm_Approval_Text(45), ", ETA-04/0013");
    }
    {
        Nad_Scope din(false);
        EXPECT_STREQ(Get_Vbm_Approval_Text(13), ", ABZ-9.1-519");
        EXPECT_STREQ(Get_Vbm_Approval_Text(15), ", Z-9.1-614");
        EXPECT_STREQ(Get_Vbm_Approval_Text(46), "");
        EXPECT_STREQ(Get_Vbm_Approval_Text(11), ", ABZ-9.1-449");
        EXPECT_STREQ(Get_Vbm_Approval_Text(0), "");
    }
}

TEST(VbmTypes, FastenerPredicates)
{
    for (int c = -2; c <= 61; c++) {
        const bool din571 = c >= 2 && c <= 10;
        const bool eta12 = c == 11 || c == 12 || c == 13 || c == 44;
        const bool eta11 = c == 14 || c == 15 || c == 43;
        const bool famc = c >= 47 && c <= 60;
        const bool special = (c >= 16 && c <= 24) || (c >= 34 && c <= 42) || c == 45 || c == 46;
        const bool nail = c == 0 || special;
        const bool conn = (c >= 25 && c <= 28) || (c >= 31 && c <= 33);
        EXPECT_EQ(Is_Vbm_Din571_Screw(c), din571) << c;
        EXPECT_EQ(Is_Vbm_Screw_Eta12(c), eta12) << c;
        EXPECT_EQ(Is_Vbm_Screw_Eta11(c), eta11) << c;
        EXPECT_EQ(Is_Vbm_Screw_Family_C(c), famc) << c;
        EXPECT_EQ(Is_Vbm_Special_Nail(c), special) << c;
        EXPECT_EQ(Is_Vbm_Nail(c), nail) << c;
        EXPECT_EQ(Is_Vbm_Screw(c), din571 || eta12 || eta11 || famc) << c;
        EXPECT_EQ(Is_Vbm_Nail_Or_Screw(c), nail || din571 || eta12 || eta11 || famc) << c;
        EXPECT_EQ(Is_Vbm_Nail_Screw_Or_Staple(c),
                  c == 1 || nail || din571 || eta12 || eta11 || famc)
            << c;
        EXPECT_EQ(Is_Vbm_Nail_Screw_Or_Staple_B(c), Is_Vbm_Nail_Screw_Or_Staple(c)) << c;
        EXPECT_EQ(Is_Vbm_Connector(c), conn) << c;
    }
}

TEST(VbmTypes, ConnectorDowelAndNailFamilies)
{
    for (int c = -2; c <= 61; c++) {
        const bool two_sided = c >= 25 && c <= 28; /* A1, C1, C5, C10 */
        const bool one_sided = c >= 31 && c <= 33; /* B1, C2, C11 */
        EXPECT_EQ(Is_Vbm_Connector_Two_Sided(c), two_sided) << c;
        EXPECT_EQ(Is_Vbm_Connector_One_Sided(c), one_sided) << c;
        EXPECT_EQ(Is_Vbm_Toothed_Plate(c), c == 26 || c == 27 || c == 28 || c == 32 || c == 33)
            << c;
        EXPECT_EQ(Is_Vbm_Dowel_Or_Bolt(c), c == 29 || c == 30) << c;
        EXPECT_EQ(Is_Vbm_Special_Nail_Def(c), c >= 34 && c <= 42) << c;
        EXPECT_EQ(Is_Vbm_Simpson_Nail(c), c == 45 || c == 46) << c;
        EXPECT_EQ(Is_Vbm_User_Screw(c), c == 43 || c == 44) << c;
    }
    /* the names stand for the codes of the type table */
    EXPECT_EQ(VBM_NAGEL, 0);
    EXPECT_EQ(VBM_KLAMMER, 1);
    EXPECT_EQ(VBM_DIN571_3C, 10);
    EXPECT_EQ(VBM_SONDERNAGEL_3C, 24);
    EXPECT_EQ(VBM_STABDUEBEL, 29);
    EXPECT_EQ(VBM_BOLZEN, 30);
    EXPECT_EQ(VBM_SONDERNAGEL_3F, 42);
    EXPECT_EQ(VBM_SIMPSON_CSA, 46);
    EXPECT_EQ(VBM_ZYLINDERSENKKOPF_VG, 60);
    EXPECT_STREQ(Get_Vbm_Type_Name(VBM_SCHEIBENDUEBEL_C11, 0), "Scheibend\x81"
                                                               "bel C11");
    EXPECT_STREQ(Get_Vbm_Type_Name(VBM_SPAX_BENUTZER, 0), "SPAX benutzerdefiniert");
}

TEST(VbmTypes, ThreadHeadAndRuleType)
{
    EXPECT_FALSE(Is_Vbm_Full_Thread_Screw(52, 0, 0));
    EXPECT_TRUE(Is_Vbm_Full_Thread_Screw(43, 2, 0));
    EXPECT_FALSE(Is_Vbm_Full_Thread_Screw(44, 0, 3));
    EXPECT_TRUE(Is_Vbm_Full_Thread_Screw(44, 0, 2));
    EXPECT_TRUE(Is_Vbm_Full_Thread_Screw(13, 0, 0));
    EXPECT_FALSE(Is_Vbm_Full_Thread_Screw(12, 0, 0));
    EXPECT_TRUE(Is_Vbm_Countersunk_Head(43, 3));
    EXPECT_FALSE(Is_Vbm_Countersunk_Head(43, -1)); /* taken as unsigned: above 3 */
    EXPECT_TRUE(Is_Vbm_Countersunk_Head(44, 4));
    EXPECT_FALSE(Is_Vbm_Countersunk_Head(44, 3));
    EXPECT_TRUE(Is_Vbm_Countersunk_Head(55, 0));
    EXPECT_EQ(Map_Screw_To_Rule_Type(2, 6.0), 0);
    EXPECT_EQ(Map_Screw_To_Rule_Type(2, 8.0), 30);
    EXPECT_EQ(Map_Screw_To_Rule_Type(29, 8.0), 29);
    EXPECT_EQ(Map_Screw_To_Rule_Type(50, 6.001), 0);
    EXPECT_EQ(Map_Screw_To_Rule_Type(50, 6.002), 30);
    EXPECT_EQ(Map_Screw_To_Rule_Type(0, 8.0), 0);
}

TEST(VbmTypes, MaterialPredicates)
{
    for (int g = -14; g <= 22; g++) {
        EXPECT_EQ(Is_Mat_Timber(g), g >= 0 && g <= 3) << g;
        EXPECT_EQ(Is_Mat_Timber_B(g), g >= 0 && g <= 3) << g;
        EXPECT_EQ(Is_Mat_Glulam(g), g == 2 || g == 3) << g;
        EXPECT_EQ(Is_Mat_Panel(g),
                  (g >= 4 && g <= 11) || (g >= 18 && g <= 20) || (g >= -13 && g <= -10))
            << g;
        EXPECT_EQ(Is_Mat_Board(g), g == 4 || g == 5 || g == 7 || g == 8 || g == 9) << g;
        EXPECT_EQ(Is_Mat_Special_Panel(g), g == -12 || g == -13) << g;
        EXPECT_EQ(Is_Mat_Lvl(g), g == 10 || g == 11 || (g >= 17 && g <= 20) || g == -11) << g;
        EXPECT_EQ(Is_Mat_Metal_Plate(g), g == 12 || g == 16) << g;
    }
}

TEST(VbmTypes, CustomMaterialName)
{
    User_Material u = {};
    snprintf(u.name, sizeof u.name, "%s", "Eiche alt   ");
    EXPECT_STREQ(Get_Material_Name_Or_Custom(14, 0, &u), "Eiche alt (benutzerdefiniert)");
    EXPECT_EQ(Get_Material_Name_Or_Custom(-999, 3, nullptr), nullptr);
    EXPECT_STREQ(Get_Material_Name_Or_Custom(0, -999, &u), "Eiche alt (benutzerdefiniert)");
    Nad_Scope en(true);
    EXPECT_STREQ(Get_Material_Name_Or_Custom(0, 5, &u), "Nadelvollholz C24");
}

/* ---- characteristic values */

TEST(VbmValues, Formulas)
{
    EXPECT_DOUBLE_EQ(Calc_Vbm_Yield_Moment_Cubic(2.0), 1200.0); /* 150 * 8 */
    /* 0.3 * 360 * 8^2.6: 8^2.6 = 2^7.8 = 222.861 -> 24069.0 */
    EXPECT_NEAR(Calc_Vbm_Yield_Moment(8.0, 360.0), 24069.0, 0.1);
    EXPECT_NEAR(Calc_Vbm_Yield_Moment_Half(8.0, 360.0), 12034.5, 0.1);
    /* 0.082 * 0.96 * 350 = 27.552 */
    EXPECT_NEAR(Calc_Fh_Nail(4.0, 350.0, 1), 27.552, 1e-9);
    /* 0.082 * 350 * 4^-0.3: 4^-0.3 = 0.659754 -> 18.9349 */
    EXPECT_NEAR(Calc_Fh_Nail(4.0, 350.0, 0), 18.9349, 1e-3);
    /* 0.11 * 0.9 * 500 = 49.5 */
    EXPECT_NEAR(Calc_Fh_Plywood(10.0, 500.0, 1), 49.5, 1e-9);
    /* 65 d^-0.7 t^0.1 with d = 1, t = 1: 65; 50 d^-0.6 t^0.2: 50 */
    EXPECT_NEAR(Calc_Fh_Panel_50(1.0, 1.0, 0), 65.0, 1e-12);
    EXPECT_NEAR(Calc_Fh_Panel_50(1.0, 1.0, 1), 50.0, 1e-12);
    /* 30 * 1 * 2^0.6 = 30 * 1.515717 = 45.4715 */
    EXPECT_NEAR(Calc_Fh_Panel_30(1.0, 2.0), 45.4715, 1e-3);
    EXPECT_NEAR(Calc_Fh_Panel_3_9(1.0, 1.0), 3.9, 1e-12);
    EXPECT_NEAR(Calc_Fh_Panel_37(10.0), 33.3, 1e-12); /* 37 * 0.9 */
    EXPECT_DOUBLE_EQ(Get_Nail46_Yield_Moment(4.1, 0), 5000.0);
    EXPECT_DOUBLE_EQ(Get_Nail46_Yield_Moment(4.0, 0), 3500.0);
    EXPECT_DOUBLE_EQ(Get_Nail46_Yield_Moment(6.0, 2), 4270.0);
}

TEST(VbmValues, ThreadEffectiveDiameter)
{
    EXPECT_NEAR(Get_Thread_Effective_Diameter(16), 14.8, 1e-12);
    EXPECT_NEAR(Get_Thread_Effective_Diameter(33), 28.05, 1e-12); /* 0.85 * 33 */
    EXPECT_NEAR(Get_Thread_Effective_Diameter(5), 4.25, 1e-12);
    EXPECT_NEAR(Get_Thread_Effective_Diameter(30), 27.9, 1e-12);
    EXPECT_NEAR(Get_Thread_Effective_Diameter(12), 10.9, 1e-12);
    EXPECT_NEAR(Get_Thread_Effective_Diameter(6), 5.39, 1e-12);
    EXPECT_NEAR(Get_Thread_Effective_Diameter(5.99), 0.85 * 5.99, 1e-12);
}

TEST(VbmValues, ScrewYieldMomentsBySet)
{
    {
        Nad_Scope din(false);
        EXPECT_DOUBLE_EQ(Get_Eta12_Screw_My(8), 20000.0);
        EXPECT_DOUBLE_EQ(Get_Eta12_Screw_My(2.4), 0.0);
        EXPECT_DOUBLE_EQ(Get_Eta12_Screw_My(12), 48000.0);
        EXPECT_DOUBLE_EQ(Get_Eta12_Screw_My_Alt(8), 0.0);
    }
    {
        Nad_Scope en(true);
        /* 90 * 8^2.6 = 90 * 222.8609 = 20057.5 */
        EXPECT_NEAR(Get_Eta12_Screw_My(8), 20057.5, 0.1);
        EXPECT_NEAR(Get_Eta12_Screw_My_Alt(8), 13371.7, 0.1); /* 60 * 222.8609 */
    }
    EXPECT_DOUBLE_EQ(Get_Eta11_Screw_My(14), 86000.0);
    EXPECT_DOUBLE_EQ(Get_Eta11_Screw_My(2.8), 0.0);
    EXPECT_DOUBLE_EQ(Get_Eta11_Screw_My_Alt(6.5), 6800.0);
    EXPECT_DOUBLE_EQ(Get_Screw_C_My(8), 20000.0);
    EXPECT_DOUBLE_EQ(Get_Screw_C_My_By_Type(49, 8), 7900.0);
    EXPECT_DOUBLE_EQ(Get_Screw_C_My_By_Type(50, 8), 17000.0);
}

TEST(VbmValues, ScrewTensileCapacities)
{
    EXPECT_DOUBLE_EQ(Get_Eta11_Screw_Ftens(12, 0), 41000.0);
    EXPECT_DOUBLE_EQ(Get_Eta11_Screw_Ftens(12, 1), 45000.0);
    EXPECT_DOUBLE_EQ(Get_Eta11_Screw_Ftens(3.0, 0), 2800.0);
    EXPECT_DOUBLE_EQ(Get_Eta11_Screw_Ftens_Alt(3.0), 1800.0);
    {
        Nad_Scope en(true);
        EXPECT_DOUBLE_EQ(Get_Eta12_Screw_Ftens(7), 13000.0);
    }
    {
        Nad_Scope din(false);
        EXPECT_DOUBLE_EQ(Get_Eta12_Screw_Ftens(7), 7500.0);
        EXPECT_DOUBLE_EQ(Get_Eta12_Screw_Ftens(2.4), 0.0);
    }
    EXPECT_DOUBLE_EQ(Get_Screw_C_Ftens(47, 8), 20000.0);
    EXPECT_DOUBLE_EQ(Get_Screw_C_Ftens(51, 6), 11300.0);
    EXPECT_DOUBLE_EQ(Get_Screw_C_Ftens_Alt(47, 6), 7500.0);
    /* the "Var." heads at d >= 5.99: 10301 N, in N like the 7400 N of the next step */
    for (int code : {49, 51, 53, 56}) {
        EXPECT_DOUBLE_EQ(Get_Screw_C_Ftens_Alt(code, 6.0), 10301.0) << code;
        EXPECT_DOUBLE_EQ(Get_Screw_C_Ftens_Alt(code, 5.0), 7400.0) << code;
        EXPECT_DOUBLE_EQ(Get_Screw_C_Ftens_Alt(code, 3.4), 0.0) << code;
    }
}
