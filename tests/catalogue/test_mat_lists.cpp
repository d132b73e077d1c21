/*
** Material names and selection lists, the I-joist tables, the steel grades and the
** aluminium grades with their user lists.
*/
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "cat_test_util.h"

TEST(MatLists, ListsByCode)
{
    int32_t w = 0, n = 0;
    {
        Nad_Scope din(false);
        Mat_List_Item *l = Get_Material_List(1, &w, &n, 3);
        ASSERT_NE(l, nullptr);
        EXPECT_EQ(n, 6);
        EXPECT_EQ(w, 3);
        EXPECT_STREQ(l[0].text, "D30");
    }
    Nad_Scope en(true);
    Mat_List_Item *l = Get_Material_List(1, &w, &n, 3);
    EXPECT_EQ(n, 8);
    EXPECT_STREQ(l[0].text, "D18");
    EXPECT_EQ(l[7].colour, 3);
    w = n = 77;
    EXPECT_EQ(Get_Material_List(-999, &w, &n, 3), nullptr);
    EXPECT_EQ(w, 4);
    EXPECT_EQ(n, 1);
    w = n = 77;
    EXPECT_EQ(Get_Material_List(13, &w, &n, 3), nullptr);
    EXPECT_EQ(Get_Material_List(-7, &w, &n, 3), nullptr);
    EXPECT_EQ(w, 77);
    EXPECT_EQ(n, 77);
    l = Get_Material_List(-3, &w, &n, 5);
    EXPECT_EQ(n, 9);
    EXPECT_EQ(w, 14);
    EXPECT_STREQ(l[8].text, "Faserplatte");
    l = Get_Material_List(-5, &w, &n, 5);
    EXPECT_EQ(n, 4);
    EXPECT_NE(l[2].colour, 5); /* glulam EC greyed */
    EXPECT_EQ(l[1].colour, 5);
    l = Get_Material_List(-2, &w, &n, 5);
    EXPECT_STREQ(l[2].text, " 3");
    l = Get_Material_List(19, &w, &n, 5);
    EXPECT_EQ(n, 3);
    EXPECT_STREQ(l[1].text, "X t\xF3"
                            "24");
    EXPECT_STREQ(l[2].text, "X t\xF2"
                            "27");
    l = Get_Material_List(16, &w, &n, 5);
    EXPECT_EQ(n, 97);
    EXPECT_EQ(w, 15);
    EXPECT_STREQ(l[30].text, "5083 O/H111 \xF3"
                             " 50");
    l = Get_Material_List(-13, &w, &n, 5);
    EXPECT_EQ(n, 23);
    EXPECT_EQ(w, 17);
    l = Get_Material_List(14, &w, &n, 5);
    EXPECT_STREQ(l[0].text, "-----");
    l = Get_Material_List(12, &w, &n, 5);
    EXPECT_EQ(n, 2);
    EXPECT_STREQ(l[1].text, "S355 (St52)");
}

TEST(MatLists, MaterialNames)
{
    Nad_Scope en(true);
    EXPECT_STREQ(Get_Material_Name(0, 12), "Nadelvollholz");
    EXPECT_STREQ(Get_Material_Name(0, 5), "Nadelvollholz C24");
    EXPECT_STREQ(Get_Material_Name(12, 2), "Stahlblech S355 (St52)");
    EXPECT_STREQ(Get_Material_Name(12, 0), "Stahlblech S235 (St37)");
    EXPECT_STREQ(Get_Material_Name(12, 0x10005), "Stahlblech S235");
    EXPECT_STREQ(Get_Material_Name(4, -1), "OSB");
    EXPECT_STREQ(Get_Material_Name(4, 2), "OSB 4");
    EXPECT_STREQ(Get_Material_Name(3, 7), "Brettschichtholz DIN GL36c (BS18)");
    EXPECT_STREQ(Get_Material_Name(9, 1), "Fermacell 12,5 mm");
    EXPECT_STREQ(Get_Material_Name(16, 42), "Aluminiumblech 6082 T6/T651 (0..6 mm)");
    EXPECT_STREQ(Get_Material_Name(17, 2), "Baubuche GL75");
    EXPECT_STREQ(Get_Material_Name(13, 0), "nicht definiertes Material");
    EXPECT_STREQ(Get_Material_Name(14, 0), "frei ");
    EXPECT_STREQ(Get_Material_Name(15, 0), "ohne");
    EXPECT_STREQ(Get_Material_Name(-11, 0), "Steico GLVL R");
    EXPECT_STREQ(Get_Material_Name(-13, 20), "Steico Joist SJ LVL,HB 45/160");
    EXPECT_STREQ(Get_Material_Name(1, 7), "Laubholz D70");
    EXPECT_STREQ(Get_Grade_Name(6, 3), "F40/30");
    EXPECT_STREQ(Get_Grade_Name(15, 0), "--- ");
    EXPECT_STREQ(Get_Grade_Name(16, 0), "nicht definiertes Material");
    Nad_Scope din(false);
    EXPECT_STREQ(Get_Material_Name(1, 7), "Laubholz");
    EXPECT_STREQ(Get_Material_Name(1, 0), "Laubholz D30");
}

TEST(MatLists, FastenerAndScrewLineLists)
{
    int32_t n = 0, codes[20];
    Mat_List_Item *l = Get_Vbm_Type_List(0x3F, 1, &n, codes);
    ASSERT_EQ(n, 20);
    EXPECT_EQ(codes[0], -2);
    EXPECT_EQ(codes[1], -1);
    EXPECT_EQ(codes[4], 2);
    EXPECT_STREQ(l[4].text, "Holzschraube");
    EXPECT_STREQ(l[2].text, "Nagel");
    EXPECT_EQ(codes[19], 33);
    l = Get_Vbm_Type_List(0x02, 1, &n, codes);
    EXPECT_EQ(n, 2);
    EXPECT_STREQ(l[1].text, "Bolzen");
    l = Get_Screw_Line_A_Heads(&n);
    EXPECT_EQ(n, 11);
    EXPECT_STREQ(l[1].text, "Senkfr\x84staschenkopf");
    l = Get_Screw_Line_B_Diameters(&n);
    EXPECT_EQ(n, 12);
    EXPECT_STREQ(l[0].text, "2.0");
    EXPECT_STREQ(Get_Screw_Head_Name_B(5), "R\x81"
                                           "ckwandkopf");
    EXPECT_STREQ(Get_Screw_Tip_Name_A(4), "");
    for (int pos = 0; pos <= 19; pos++) {
        for (int c = 0; c <= 3; c++)
            for (int v = 0; v <= 5; v++) {
                const int32_t code = Map_List_To_Vbm_Type(pos, c, v);
                if (code == -999) continue;
                int32_t c2 = -1, v2 = -1;
                EXPECT_EQ(Map_Vbm_Type_To_List(code, &c2, &v2), pos) << code;
                EXPECT_EQ(Map_List_To_Vbm_Type(pos, c2, v2), code);
            }
    }
    EXPECT_EQ(Map_List_To_Vbm_Type(10, 1, 3), 34);
    EXPECT_EQ(Map_List_To_Vbm_Type(10, 3, 5), 42);
    EXPECT_EQ(Map_List_To_Vbm_Type(4, 2, 2), 10);
    EXPECT_EQ(Map_List_To_Vbm_Type(19, 0, 0), 33);
    EXPECT_DOUBLE_EQ(Get_Screw_Head_Factor(10, 3.05), 5.25);
    EXPECT_DOUBLE_EQ(Get_Screw_Head_Factor(11, 3.0), -10.0);
    EXPECT_DOUBLE_EQ(Get_Screw_Head_Factor(0, 4.0), -20.0);
    EXPECT_DOUBLE_EQ(Get_Fermacell_Thickness(1), 12.5);
    EXPECT_DOUBLE_EQ(Get_Fermacell_Thickness(5), 0.0);
    EXPECT_EQ(Get_Connector_Mirror(28), 33);
    EXPECT_EQ(Get_Connector_Base(32), 26);
    EXPECT_DOUBLE_EQ(Get_Panel_Angle_Limit(2), 40.0);
    int32_t w = 0;
    Mat_Coded_Item *p = Get_Panel_Group_List(2, &w, &n);
    EXPECT_EQ(n, 7);
    EXPECT_EQ(p[6].code, 21);
    EXPECT_STREQ(p[6].text, "Pollm. Fichte GLVL");
}

TEST(Ijoist, TablesAndLookups)
{
    int32_t w = 0, n = 0;
    Mat_List_Item *l = Get_Ijoist_J_List(&w, &n, 4);
    ASSERT_EQ(n, 23);
    EXPECT_EQ(w, 16);
    EXPECT_STREQ(l[20].text, "SJ LVL,HB 45/160");
    const Ijoist_Line *j = Ijoist_Table_J_Ensure(1000);
    EXPECT_EQ(Find_Ijoist_Section(j, 200, 50), 0);
    EXPECT_EQ(Find_Ijoist_Section(j, 200, 60), 6);
    EXPECT_EQ(Find_Ijoist_Section(j, 205, 45), -1);
    const Ijoist_Line *wl = Ijoist_Table_W_Ensure(1000);
    EXPECT_STREQ(wl->sections[0].name, "SW LVL,HB 45/160");
    EXPECT_DOUBLE_EQ(wl->sections[0].hw, 82.0);
    EXPECT_DOUBLE_EQ(Calc_Ijoist_Flange_Area(wl, 0), 3510.0);
    /* 3510 * 480 + 82 * 6 * 900 = 1684800 + 442800 */
    EXPECT_DOUBLE_EQ(Calc_Ijoist_Mass_Per_Length(wl, 0), 2127600.0);
    double A1 = 0, A2 = 0, A3 = 0;
    Calc_Ijoist_Contact_Areas(wl, 0, 10, 50, &A1, &A2, &A3);
    /* A1 = 78 (45 + 30 + 30) + 3*6*82 = 8190 + 1476; A2 = 78 * 125 + 1476; A3 = 78 * 105 + 1476 */
    EXPECT_DOUBLE_EQ(A1, 9666.0);
    EXPECT_DOUBLE_EQ(A2, 11226.0);
    EXPECT_DOUBLE_EQ(A3, 9666.0);
    EXPECT_DOUBLE_EQ(wl->flange_E0_mean, 11000.0 * 1000);
    double k = 0;
    EXPECT_EQ(Get_Kmod(-12, 0, 1, 0, &k, nullptr), 1);
    EXPECT_DOUBLE_EQ(k, 0.3);
}

TEST(Steel, GradesByTable)
{
    EXPECT_STREQ(Get_Stahlguete_Name(5 | 0x10000), "S235");
    EXPECT_DOUBLE_EQ(Get_Stahlguete_Fy(5 | 0x10000, 10), 235.0);
    EXPECT_STREQ(Get_Stahlguete_Name(5), "S235 (St37)");
    EXPECT_DOUBLE_EQ(Get_Stahlguete_Fy(5, 10), 240.0);
    EXPECT_DOUBLE_EQ(Get_Stahlguete_Fy(5, 41), 215.0);
    EXPECT_DOUBLE_EQ(Get_Stahlguete_Fy(27, 50), 640.0);
    EXPECT_DOUBLE_EQ(Get_Stahlguete_Fy(27, 120), 640.0);
    EXPECT_DOUBLE_EQ(Get_Stahlguete_Fy(4, 10), 360.0);
    EXPECT_DOUBLE_EQ(Get_Stahlguete(7 | 0x10000)->fu, 490.0);
    EXPECT_STREQ(Get_Stahlguete_Name(44), "?????");
    EXPECT_STREQ(Get_Stahlguete(0xFFFF)->name, "?????");
    EXPECT_EQ(Get_Stahlguete(0xFFFF)->code, 44u);
    EXPECT_DOUBLE_EQ(Get_Stahlguete_Fy(44, 10), 240.0); /* DIN fallback */
    EXPECT_DOUBLE_EQ(Get_Stahlguete_Fy(44 | 0x10000, 10), 235.0);
    double G = 0;
    EXPECT_DOUBLE_EQ(Get_Stahlguete_E_G(3, &G), 210000.0);
    EXPECT_DOUBLE_EQ(G, 81000.0);
    double out[4];
    EXPECT_EQ(Calc_Stahlguete_Design_Stresses(5 | 0x10000, 10, 1.1, out), 1);
    EXPECT_NEAR(out[0], 235.0 / 1.1, 1e-12);
    EXPECT_NEAR(out[2], 235.0 / (1.1 * 1.7320508075688772), 1e-12);
    EXPECT_EQ(Calc_Stahlguete_Design_Stresses(50, 10, 0.0, out), 0);
    EXPECT_DOUBLE_EQ(out[1], 0.0);
    const uint32_t codes[2] = {5, 7};
    EXPECT_EQ(Get_Code_At(1, codes, 2), 7u);
    EXPECT_EQ(Get_Code_At(2, codes, 2), 5u);
}

TEST(Steel, UserGrades)
{
    Clear_User_Stahlgueten();
    Stahlguete s = *Get_Stahlguete(7 | 0x10000);
    char name[] = "Eigener Stahl";
    s.code = 3;
    s.name = name;
    s.fy1 = 300;
    const uint32_t code = Add_User_Stahlguete(&s);
    EXPECT_EQ(code, 0x8003u);
    name[0] = 'X'; /* the list keeps its own copy */
    EXPECT_STREQ(Get_Stahlguete_Name(code), "Eigener Stahl");
    EXPECT_DOUBLE_EQ(Get_Stahlguete_Fy(code, 5), 300.0);
    s.fy1 = 310;
    EXPECT_EQ(Add_User_Stahlguete(&s), 0x8003u);
    EXPECT_EQ(Get_User_Stahlguete_Count(), 1);
    EXPECT_DOUBLE_EQ(Get_Stahlguete_Fy(code, 5), 310.0);
    EXPECT_STREQ(Get_Stahlguete_Name(code), "Xigener Stahl");
    /* adding the stored row itself again */
    EXPECT_EQ(Add_User_Stahlguete(Get_User_Stahlguete_At(0)), 0x8003u);
    EXPECT_STREQ(Get_Stahlguete_Name(code), "Xigener Stahl");
    for (int i = 0; i < 12; i++) {
        s.code = 10 + i;
        Add_User_Stahlguete(&s);
    }
    EXPECT_EQ(Get_User_Stahlguete_Count(), 13);
    EXPECT_EQ(Remove_User_Stahlguete(0x8003u), 1);
    EXPECT_EQ(Get_User_Stahlguete_Count(), 12);
    EXPECT_STREQ(Get_Stahlguete_Name(0x8003u), "?????");
    EXPECT_EQ(Get_User_Stahlguete_At(99)->code, 44u);
    Clear_User_Stahlgueten();
    EXPECT_EQ(Get_User_Stahlguete_Count(), 0);
    EXPECT_EQ(Remove_User_Stahlguete(0x8010u), 0);
}

TEST(Aluminium, Grades)
{
    EXPECT_DOUBLE_EQ(Get_Alu_Fu(42), 310.0);
    EXPECT_DOUBLE_EQ(Get_Alu_Fu(97), 220.0);
    EXPECT_DOUBLE_EQ(Get_Alu_Fu(31), 270.0);
    EXPECT_DOUBLE_EQ(Get_Alu_F0(31), 115.0);
    EXPECT_DOUBLE_EQ(Get_Alu_T_From(31), 50.001);
    EXPECT_DOUBLE_EQ(Get_Alu_T_To(31), 80.0);
    EXPECT_DOUBLE_EQ(Get_Alu_Fu(96), 290.0);
    EXPECT_DOUBLE_EQ(Get_Alu_F0(96), 250.0);
    EXPECT_STREQ(Get_Alu_Grade_Name(30), "5083 O/H111 \xF3"
                                         " 50");
    EXPECT_STREQ(Get_Alu_Grade_Name(97), "?????");
    EXPECT_STREQ(Get_Alu_Alloy_Name(0), "3004");
    EXPECT_STREQ(Get_Alu_Temper_Name(1), "H24/H34");
    const Alu_Grade *g = Get_Alu_Grade(0);
    EXPECT_DOUBLE_EQ(g->fu_haz, 155.0);
    EXPECT_DOUBLE_EQ(g->rho_o_haz, 0.42);
    EXPECT_STREQ(g->buckling_class, "B");
    EXPECT_DOUBLE_EQ(g->n, 23.0);
    EXPECT_DOUBLE_EQ(Get_Alu_Grade(500)->t_to, 10.0);
    EXPECT_STREQ(Get_Alu_Grade(500)->name, "?????");
    EXPECT_DOUBLE_EQ(Get_Alu_T_To(-5), 10.0);
    /* every row names its alloy and temper and answers f0 and fu, never 0 */
    for (int c = 0; c < ALU_GRADE_COUNT; c++) {
        const Alu_Grade *r = Get_Alu_Grade(c);
        EXPECT_GT(r->fu, 0.0) << c;
        EXPECT_GT(r->f0, 0.0) << c;
        EXPECT_LE(r->f0, r->fu) << c;
        EXPECT_LT(r->t_from, r->t_to) << c;
        EXPECT_EQ(std::string(r->name).rfind(std::string(r->alloy) + " " + r->temper, 0), 0u) << c;
        EXPECT_DOUBLE_EQ(r->E, 70000.0);
    }
    const int32_t codes[3] = {4, 42, 96};
    EXPECT_EQ(Get_Alu_Code_At(2, codes, 3), 96);
    EXPECT_EQ(Get_Alu_Code_At(3, codes, 3), 0);
}

TEST(Aluminium, UserGradesOwnTheirTexts)
{
    Clear_User_Alu_Grades();
    Alu_Grade a = *Get_Alu_Grade(42);
    std::string name = "Sonderlegierung", alloy = "6xxx", temper = "T6";
    a.code = 5;
    a.name = name.c_str();
    a.alloy = alloy.c_str();
    a.temper = temper.c_str();
    a.fu = 333;
    const int32_t stored = Add_User_Alu_Grade(&a);
    EXPECT_EQ(stored, 0x8005);
    name.assign("zerstoert!!!!!!!!!!!!!!!!!!!!!");
    alloy.assign("yyyyyyyyyyyyyyyyyyyyyyyyyyyyy");
    temper.assign("zzzzzzzzzzzzzzzzzzzzzzzzzzzzz");
    const int32_t as_int16 = static_cast<int16_t>(0x8005); /* the signed 16-bit form */
    EXPECT_STREQ(Get_Alu_Grade_Name(as_int16), "Sonderlegierung");
    EXPECT_STREQ(Get_Alu_Alloy_Name(stored), "6xxx");
    EXPECT_STREQ(Get_Alu_Temper_Name(stored), "T6");
    EXPECT_DOUBLE_EQ(Get_Alu_Fu(as_int16), 333.0);
    a.name = name.c_str();
    a.alloy = alloy.c_str();
    a.temper = temper.c_str();
    EXPECT_EQ(Add_User_Alu_Grade(&a), 0x8005);
    EXPECT_EQ(Get_User_Alu_Grade_Count(), 1);
    EXPECT_STREQ(Get_Alu_Alloy_Name(stored), "yyyyyyyyyyyyyyyyyyyyyyyyyyyyy");
    EXPECT_EQ(Add_User_Alu_Grade(Get_User_Alu_Grade_At(0)), 0x8005);
    EXPECT_EQ(Get_User_Alu_Grade_Count(), 1);
    EXPECT_EQ(Remove_User_Alu_Grade(as_int16), 1);
    EXPECT_EQ(Remove_User_Alu_Grade(as_int16), 0);
    EXPECT_DOUBLE_EQ(Get_Alu_Fu(as_int16), 220.0);
    EXPECT_STREQ(Get_User_Alu_Grade_At(0)->name, "?????");
    Clear_User_Alu_Grades();
}
