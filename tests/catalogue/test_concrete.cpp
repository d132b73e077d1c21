/*
** Concrete and reinforcing-steel grades: the setters against DIN 1045-1 / EN 1992-1-1 values
** worked by hand, the formulas, the partial factors of the national annex, the versioned file
** records and the grade selection lists.
*/
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/concrete_input.h"
#include "dialogs/message.h"
#include "foundation/datafile.h"
#include "nad/nad.h"
#include "platform/zelkwin.h"

/* ---- grade setters */

TEST(Concrete, NormalGradeOfDin1045)
{
    Concrete_Grade c;
    memset(&c, 0, sizeof c);
    Set_Concrete_Grade(&c, 3, 0, 1500.0);
    EXPECT_STREQ(c.name, "C25/30");
    EXPECT_DOUBLE_EQ(c.alpha, 0.85);
    EXPECT_DOUBLE_EQ(c.fck, 25000.0);
    EXPECT_DOUBLE_EQ(c.eps_c1, -0.0022);
    EXPECT_DOUBLE_EQ(c.eps_c1u, -0.0035);
    EXPECT_DOUBLE_EQ(c.eps_c2, -0.002);
    EXPECT_DOUBLE_EQ(c.eps_c2u, -0.0035);
    EXPECT_DOUBLE_EQ(c.n, 2.0);
    EXPECT_EQ(c.lightweight, 0);
    EXPECT_DOUBLE_EQ(c.density, 2200.0); /* normal concrete ignores the given density */
    EXPECT_EQ(c.auto_modulus, 1);
    /* (0.8 + 33/440) * 9500 * 33^(1/3) = 26662.6 N/mm2 */
    EXPECT_NEAR(c.E, 26662629.1, 0.5);
    EXPECT_NEAR(c.E * 0.001, 26662.6, 0.05);

    /* a high-strength grade: alpha_i = 1 from 80 N/mm2 on; n = 1.55 for C100/115 */
    Set_Concrete_Grade(&c, 14, 0, 2200.0);
    EXPECT_STREQ(c.name, "C100/115");
    EXPECT_NEAR(c.E, 9.5e6 * std::cbrt(108.0), 1.0);
    EXPECT_DOUBLE_EQ(c.n, 1.55);
    EXPECT_DOUBLE_EQ(c.eps_c2u, -0.0022);
}

TEST(Concrete, LightweightGrade)
{
    Concrete_Grade c;
    memset(&c, 0, sizeof c);
    Set_Concrete_Grade(&c, 0, 1, 1800.0);
    EXPECT_STREQ(c.name, "LC12/13");
    EXPECT_DOUBLE_EQ(c.alpha, 0.8);
    EXPECT_DOUBLE_EQ(c.density, 1800.0);
    /* eps_c1 = -1.2 * 20 / (9500 * 20^(1/3)) */
    EXPECT_NEAR(c.eps_c1, -0.00093070, 1e-8);
    EXPECT_DOUBLE_EQ(c.eps_c1u, c.eps_c1);
    /* (0.8 + 20/440) * 9500 * 20^(1/3) * (1800/2200)^2 = 14594.5 N/mm2 */
    EXPECT_NEAR(c.E, 14594532.3, 0.5);
}

TEST(Concrete, EurocodeModulusAndIndexBeyondTable)
{
    Concrete_Grade c;
    memset(&c, 0, sizeof c);
    Set_Concrete_Grade_Ec(&c, 3, 0, 2200.0);
    /* 22000 * (33/10)^0.3 = 31475.8 N/mm2 */
    EXPECT_NEAR(c.E, 31475806.2, 0.5);
    EXPECT_STREQ(c.name, "C25/30");

    Concrete_Grade d;
    memset(&d, 0, sizeof d);
    strcpy(d.name, "alt");
    d.fck = 1.0;
    Set_Concrete_Grade(&d, 15, 1, 1600.0);
    EXPECT_STREQ(d.name, "alt");
    EXPECT_DOUBLE_EQ(d.fck, 1.0);
    EXPECT_EQ(d.lightweight, 1);
    EXPECT_DOUBLE_EQ(d.density, 1600.0);
    /* lightweight grades above LC60/66 have no name */
    EXPECT_STREQ(Get_Concrete_Grade_Name(11, 1), "");
    EXPECT_STREQ(Get_Concrete_Grade_Name(10, 1), "LC60/66");
}

TEST(Concrete, StrainInterpolation)
{
    double e1 = 0, e1u = 0;
    Interpolate_Concrete_Strains(22500.0, &e1, &e1u);
    EXPECT_NEAR(e1, -0.00215, 1e-12);
    EXPECT_NEAR(e1u, -0.0035, 1e-12);
    Interpolate_Concrete_Strains(10000.0, &e1, &e1u);
    EXPECT_DOUBLE_EQ(e1, -0.0018);
    EXPECT_DOUBLE_EQ(e1u, -0.0035);
    Interpolate_Concrete_Strains(120000.0, &e1, &e1u);
    EXPECT_DOUBLE_EQ(e1, -0.003);
    EXPECT_DOUBLE_EQ(e1u, -0.003);
    /* between C55/67 and C60/75 */
    Interpolate_Concrete_Strains(57500.0, &e1, &e1u);
    EXPECT_NEAR(e1, -0.002675, 1e-12);
    EXPECT_NEAR(e1u, -0.00335, 1e-12);
    Interpolate_Concrete_Strains(100000.0, &e1, nullptr);
    EXPECT_NEAR(e1, -0.003, 1e-12);
}

TEST(Concrete, OldGradesAndCopy)
{
    Concrete_Grade c;
    memset(&c, 0, sizeof c);
    Set_Old_Concrete_Grade(&c, 1);
    EXPECT_STREQ(c.name, "B25 (nicht mehr genormt!)");
    EXPECT_DOUBLE_EQ(c.fck, 19531.25);           /* 0.78125 * 25000 */
    EXPECT_NEAR(c.eps_c1, -0.0020765625, 1e-12); /* between C16/20 and C20/25 */
    EXPECT_DOUBLE_EQ(c.eps_c1u, -0.0035);
    EXPECT_DOUBLE_EQ(c.E, 30000000.0);
    EXPECT_DOUBLE_EQ(c.density, 2200.0);

    Concrete_Grade d;
    memset(&d, 0, sizeof d);
    Copy_Concrete_Grade(&d, &c);
    EXPECT_EQ(memcmp(&c, &d, sizeof c), 0);

    Old_Concrete_Grade o;
    EXPECT_EQ(Set_Old_Concrete_Grade_Alt(&o, 4), 9);
    EXPECT_STREQ(o.name, "B55");
    EXPECT_DOUBLE_EQ(o.E, 39000000.0);
    EXPECT_EQ(Set_Old_Concrete_Grade_Alt(&o, 9), 9); /* limited to 4 */
    EXPECT_EQ(Set_Old_Concrete_Grade_Alt(&o, 0), 5);
    EXPECT_DOUBLE_EQ(o.beta_r, 10500.0);
    EXPECT_EQ(Always_One(), 1);
    char name[CONCRETE_NAME_SIZE];
    Name_Not_Standard(name, "B35");
    EXPECT_STREQ(name, "B35 (nicht mehr genormt!)");
}

TEST(Concrete, ReinforcingSteel)
{
    Rebar_Grade r;
    memset(&r, 0, sizeof r);
    Set_Rebar_Grade(&r, 0);
    EXPECT_STREQ(r.name, "BSt 500 (A)");
    EXPECT_DOUBLE_EQ(r.fyk, 500000.0);
    EXPECT_DOUBLE_EQ(r.ftk, 525000.0); /* 1.05 fyk */
    EXPECT_DOUBLE_EQ(r.eps_uk, 0.025);
    EXPECT_DOUBLE_EQ(r.Es, 2e8);
    Set_Rebar_Grade_Ec(&r, 1);
    EXPECT_STREQ(r.name, "B500B");
    EXPECT_DOUBLE_EQ(r.ftk, 540000.0); /* ductility class B: 1.08 fyk, 5 % */
    EXPECT_DOUBLE_EQ(r.eps_uk, 0.05);
    Set_Old_Rebar_Grade(&r, 0);
    EXPECT_STREQ(r.name, "BSt 220/340 (nicht mehr genormt!)");
    EXPECT_DOUBLE_EQ(r.fyk, 220000.0);
    EXPECT_DOUBLE_EQ(r.ftk, 340000.0);
    EXPECT_DOUBLE_EQ(r.eps_uk, 0.005);
    EXPECT_DOUBLE_EQ(r.Es, 2.1e8);
    Set_Old_Rebar_Grade(&r, 3); /* outside: unchanged */
    EXPECT_STREQ(r.name, "BSt 220/340 (nicht mehr genormt!)");

    Old_Rebar_Grade o;
    Set_Old_Rebar_Grade_Alt(&o, 7);
    EXPECT_STREQ(o.name, "BSt 500 S");
}

TEST(Concrete, DefaultsForFreeDefinitions)
{
    Msg_Set_Mode(MSG_CONSOLE);
    Old_Concrete_Grade c;
    memset(&c, 0, sizeof c);
    EXPECT_EQ(Set_Default_Concrete(&c), 1);
    EXPECT_STREQ(c.name, "B25");
    EXPECT_DOUBLE_EQ(c.beta_wn, 25000.0);
    EXPECT_DOUBLE_EQ(c.E, 3e7);
    Old_Rebar_Grade r;
    EXPECT_EQ(Set_Default_Rebar(&r), 1);
    EXPECT_STREQ(r.name, "BSt 500 S");
    EXPECT_DOUBLE_EQ(r.ratio, 1.4);
    EXPECT_DOUBLE_EQ(r.beta_s, 500000.0);
    EXPECT_DOUBLE_EQ(r.Es, 2.1e8);
    Msg_Set_Mode(MSG_BOX);
}

/* ---- formulas */

TEST(Concrete, Formulas)
{
    EXPECT_NEAR(Calc_Gamma_C(60000.0, 2), 1.5306122, 1e-6); /* 1.5 / (1.1 - 0.12) */
    EXPECT_NEAR(Calc_Gamma_C(60000.0, 1), 1.3265306, 1e-6);
    EXPECT_NEAR(Calc_Gamma_C(60000.0, 4), 1.0204082, 1e-6);
    EXPECT_DOUBLE_EQ(Calc_Gamma_C(30000.0, 2), 1.5); /* 1/(1.1 - 0.06) < 1 */
    EXPECT_DOUBLE_EQ(Get_Gamma_S(1), 1.0);
    EXPECT_DOUBLE_EQ(Get_Gamma_S(2), 1.15);

    EXPECT_NEAR(Calc_Concrete_E_Modulus(25000.0), 30471576.1, 0.5); /* 9500 * 33^(1/3) */
    EXPECT_NEAR(Calc_Lc_Concrete_E_Modulus(25000.0), 26662629.1, 0.5);
    EXPECT_NEAR(Calc_Lc_Concrete_E_Modulus(20000.0), 24913832.2, 0.5);
    EXPECT_NEAR(Calc_Concrete_Ecm_Ec(25000.0), 31475806.2, 0.5);

    EXPECT_DOUBLE_EQ(Calc_Eta1(2200.0), 1.0);
    EXPECT_NEAR(Calc_Eta1(1800.0), 0.8909091, 1e-7);
    /* fctm = 0.3 * 30^(2/3) = 2.8965 N/mm2 */
    EXPECT_NEAR(Calc_Flctm(30000.0, 2200.0), 2896.468, 1e-3);
    EXPECT_NEAR(Calc_Flctk005(30000.0, 2200.0), 2027.528, 1e-3);
    EXPECT_NEAR(Calc_Flctm(30000.0, 1800.0), 2580.490, 1e-3);
    /* from 55 N/mm2 on: 2.12 ln(1 + 68/10) */
    EXPECT_NEAR(Calc_Flctm(60000.0, 2200.0), 4354.742, 1e-3);

    /* beta_cc(7 days) = exp(s (1 - 2)) */
    EXPECT_NEAR(Calc_Beta_Cc(7.0, 1), 0.6838614, 1e-7);
    EXPECT_NEAR(Calc_Beta_Cc(7.0, 2), 0.7788008, 1e-7);
    EXPECT_NEAR(Calc_Beta_Cc(7.0, 0), 0.8105842, 1e-7);
    EXPECT_DOUBLE_EQ(Calc_Beta_Cc(28.0, 1), 1.0);
    EXPECT_DOUBLE_EQ(Calc_Beta_Cc(90.0, 3), 1.0);
    EXPECT_DOUBLE_EQ(Calc_Beta_Cc(0.0, 1), 0.0);

    EXPECT_DOUBLE_EQ(Neg_Product_Ratio(2.0, 3.0, 4.0), -1.5);
    EXPECT_DOUBLE_EQ(Neg_Product_Ratio(2.0, 3.0, 1e-6), 0.0);
}

TEST(Concrete, PartialFactorsAreCachedFromTheAnnex)
{
    NAD_EC2_Params *b = Get_NAD_EC2_Params();
    ASSERT_NE(b, nullptr);
    const double saved_gc = b->gamma_c[0], saved_acc = b->alpha_cc;
    b->gamma_c[0] = 1.5;
    b->alpha_cc = 0.85;
    Reset_Concrete_Factors();
    EXPECT_DOUBLE_EQ(Get_Concrete_Factor_A(0), 1.5);
    EXPECT_DOUBLE_EQ(Get_Concrete_Factor_B(0), b->gamma_s[0]);
    EXPECT_DOUBLE_EQ(Get_Concrete_Factor_A(4), 0.0);
    /* 0.85 * 30000 / 1.5 */
    EXPECT_DOUBLE_EQ(Apply_Concrete_Factor(30000.0, 0), 17000.0);
    /* the cache keeps its values until it is reset */
    b->gamma_c[0] = 1.0;
    EXPECT_DOUBLE_EQ(Get_Concrete_Factors()->gamma_c[0], 1.5);
    EXPECT_EQ(Get_Concrete_Factor_Head(), Get_Concrete_Factors());
    Reset_Concrete_Factors();
    EXPECT_DOUBLE_EQ(Get_Concrete_Factor_A(0), 1.0);
    b->gamma_c[0] = saved_gc;
    b->alpha_cc = saved_acc;
    Reset_Concrete_Factors();
}

/* ---- versioned files */

static std::string Stream_Text(FILE *f)
{
    std::string s;
    rewind(f);
    int c;
    while ((c = fgetc(f)) != EOF) s.push_back((char)c);
    return s;
}

TEST(Concrete, RecordsRoundTripThroughVersionedFiles)
{
    FILE *f = tmpfile();
    ASSERT_NE(f, nullptr);
    Concrete_Grade c, lc, hand;
    memset(&c, 0, sizeof c);
    memset(&lc, 0, sizeof lc);
    Set_Concrete_Grade(&c, 3, 0, 2200.0);
    Set_Concrete_Grade(&lc, 2, 1, 1600.0);
    hand = c;
    strcpy(hand.name, "eigener Beton");
    hand.auto_modulus = 0;
    hand.E = 12345000.0;
    Rebar_Grade r;
    Set_Rebar_Grade_Ec(&r, 0);
    Rebar_Grade rn;
    Set_Rebar_Grade(&rn, 1);
    ASSERT_EQ(Dat_Write_Data_Version(f, 1.0), 0);
    EXPECT_EQ(Write_Concrete_Grade(&c), 0);
    EXPECT_EQ(Write_Concrete_Grade(&lc), 0);
    EXPECT_EQ(Write_Concrete_Grade(&hand), 0);
    EXPECT_EQ(Write_Rebar_Grade(&r), 0);
    EXPECT_EQ(Write_Rebar_Grade(&rn), 0);
    fflush(f);
    const std::string text = Stream_Text(f);
    /* the steel record as written: version, name, four numbers */
    EXPECT_NE(text.find(" 1.000000 # Strukturversionsnummer\n B500A  5.000000e+05  5.250000e+05 "
                        " 2.500000e-02  2.000000e+08 \n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find(" 1.200000 # Strukturversionsnummer\n C25/30  2.500000e+04 "),
              std::string::npos);
    /* a blank of a name is stored as 0x8C */
    EXPECT_NE(text.find("BSt\x8C"
                        "500\x8C(B)"),
              std::string::npos);

    rewind(f);
    ASSERT_EQ(Dat_Read_Data_Version(f, 1.0), 0);
    Concrete_Grade in;
    memset(&in, 0, sizeof in);
    EXPECT_EQ(Read_Concrete_Grade(&in), 0);
    EXPECT_STREQ(in.name, "C25/30");
    EXPECT_DOUBLE_EQ(in.fck, 25000.0);
    EXPECT_DOUBLE_EQ(in.eps_c1, -0.0022);
    EXPECT_EQ(in.auto_modulus, 1);
    EXPECT_NEAR(in.E, 26662629.1, 0.5);
    EXPECT_EQ(Read_Concrete_Grade(&in), 0);
    EXPECT_STREQ(in.name, "LC20/22");
    EXPECT_EQ(in.lightweight, 1);
    EXPECT_DOUBLE_EQ(in.density, 1600.0);
    EXPECT_NEAR(in.E, lc.E, 1e-3 * lc.E * 1e-6);
    EXPECT_EQ(Read_Concrete_Grade(&in), 0);
    EXPECT_STREQ(in.name, "eigener Beton");
    EXPECT_EQ(in.auto_modulus, 0);
    EXPECT_DOUBLE_EQ(in.E, 12345000.0); /* a modulus entered by hand stays */
    Rebar_Grade rin;
    EXPECT_EQ(Read_Rebar_Grade(&rin), 0);
    EXPECT_STREQ(rin.name, "B500A");
    EXPECT_DOUBLE_EQ(rin.ftk, 525000.0);
    EXPECT_EQ(Read_Rebar_Grade(&rin), 0);
    EXPECT_STREQ(rin.name, "BSt 500 (B)");
    EXPECT_DOUBLE_EQ(rin.eps_uk, 0.05);
    /* nothing left: a read fails */
    EXPECT_EQ(Read_Rebar_Grade(&rin), 1);
    fclose(f);
}

TEST(Concrete, OlderRecordsWithoutVersion)
{
    FILE *f = tmpfile();
    ASSERT_NE(f, nullptr);
    fputs(" 1.000000  # Datenversionsnummer\n"
          " C20/25  2.000000e+04  8.500000e-01 -2.100000e-03 -3.500000e-03 -2.000000e-03"
          " -3.500000e-03  2.000000e+00\n"
          " BSt\x8C"
          "420\x8CS  4.200000e+05  4.200000e+05  5.000000e-03  2.100000e+08\n",
          f);
    rewind(f);
    ASSERT_EQ(Dat_Read_Data_Version(f, 1.0), 0);
    Concrete_Grade c;
    memset(&c, 0, sizeof c);
    c.lightweight = 1;
    EXPECT_EQ(Read_Concrete_Grade(&c), 0);
    EXPECT_STREQ(c.name, "C20/25");
    EXPECT_DOUBLE_EQ(c.fck, 20000.0);
    EXPECT_DOUBLE_EQ(c.eps_c1, -0.0021);
    EXPECT_EQ(c.lightweight, 0);
    EXPECT_DOUBLE_EQ(c.density, 2200.0);
    EXPECT_EQ(c.auto_modulus, 1);
    /* (0.8 + 28/440) * 9500 * 28^(1/3) */
    EXPECT_NEAR(c.E, 24913832.2, 0.5);
    Rebar_Grade r;
    EXPECT_EQ(Read_Rebar_Grade(&r), 0);
    EXPECT_STREQ(r.name, "BSt 420 S");
    EXPECT_DOUBLE_EQ(r.fyk, 420000.0);
    EXPECT_DOUBLE_EQ(r.Es, 2.1e8);
    fclose(f);
}

TEST(Concrete, TooNewRecordIsNotRead)
{
    FILE *f = tmpfile();
    ASSERT_NE(f, nullptr);
    fputs(" 1.0\n 1.5 C25/30 25000 0.85 -0.0022 -0.0035 -0.002 -0.0035 2 0 2200 1 0\n", f);
    rewind(f);
    ASSERT_EQ(Dat_Read_Data_Version(f, 1.0), 0);
    Msg_Set_Mode(MSG_CONSOLE);
    Concrete_Grade c;
    memset(&c, 0, sizeof c);
    EXPECT_EQ(Read_Concrete_Grade(&c), 1);
    EXPECT_EQ(Dat_Current_Version(), 1.0); /* the version stack is balanced */
    Msg_Set_Mode(MSG_BOX);
    fclose(f);
}

/* ---- selection lists */

TEST(Concrete, GradeLists)
{
    Grade_Choice_List *l = Build_Concrete_Grade_List(1, 1 | 2 | 4 | 8);
    ASSERT_NE(l, nullptr);
    ASSERT_EQ(l->view.count, 35); /* 5 old, -, 15 normal, -, 11 lightweight, -, frei */
    EXPECT_EQ(l->width, 9);
    EXPECT_EQ(l->show_alpha, 1);
    int32_t code = 0, colour = 0;
    ASSERT_EQ(Get_Grade_List_Item(l, 0, &code, &colour), 1);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(colour, GREEN_CI);
    EXPECT_STREQ(l->texts[1], "B25");
    EXPECT_STREQ(l->texts[5], "-------");
    EXPECT_EQ(l->flags[5], GRADE_FLAG_NO_CHOICE);
    Get_Grade_List_Item(l, 6, &code, &colour);
    EXPECT_EQ(code, 5);
    EXPECT_EQ(colour, BLACK_CI);
    EXPECT_STREQ(l->texts[6], "C12/15");
    EXPECT_STREQ(l->texts[20], "C100/115");
    EXPECT_EQ(l->codes[20], 19);
    EXPECT_STREQ(l->texts[22], "LC12/13");
    EXPECT_EQ(l->codes[22], -11);
    EXPECT_EQ(l->colours[22], BROWN_CI);
    EXPECT_EQ(l->flags[22], GRADE_FLAG_DENSITY);
    EXPECT_EQ(l->codes[32], -1);
    EXPECT_STREQ(l->texts[34], "frei");
    EXPECT_EQ(l->codes[34], 20);
    EXPECT_EQ(l->colours[34], BLUE_CI);
    EXPECT_EQ(Find_Grade_List_Index(l, 20, 0), 34);
    EXPECT_EQ(Find_Grade_List_Index(l, -11, GRADE_FLAG_DENSITY), 22);
    EXPECT_EQ(Find_Grade_List_Index(l, 5, GRADE_FLAG_DENSITY), 0);
    EXPECT_EQ(Find_Grade_List_Index(l, 77, 0), 0);
    EXPECT_EQ(Get_Grade_List_Item(l, 35, &code, &colour), 0);
    EXPECT_EQ(l->view.texts + 6 * l->view.stride, l->texts[6]);
    Free_Grade_List(l);

    l = Build_Concrete_Grade_List(0, 0);
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->view.count, 15);
    EXPECT_EQ(l->codes[0], -1);
    EXPECT_EQ(l->codes[14], 13);
    EXPECT_EQ(l->show_alpha, 0);
    Free_Grade_List(l);

    l = Build_Rebar_Grade_List(0);
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->view.count, 3);
    EXPECT_EQ(l->width, 13);
    Free_Grade_List(l);
    l = Build_Rebar_Grade_List(1);
    ASSERT_EQ(l->view.count, 8);
    EXPECT_STREQ(l->texts[4], "BSt 500 (A)");
    EXPECT_EQ(l->codes[5], 4);
    EXPECT_EQ(l->codes[7], 5);
    EXPECT_STREQ(l->texts[7], "frei");
    Free_Grade_List(l);
    l = Build_Rebar_Grade_List(2);
    EXPECT_STREQ(l->texts[4], "B500A");
    EXPECT_STREQ(l->texts[5], "B500B");
    Free_Grade_List(l);

    Set_Grade_Dialog_Switch(1);
    EXPECT_EQ(Get_Grade_Dialog_Switch(), 1);
    Set_Grade_Dialog_Switch(0);
    EXPECT_EQ(Get_Grade_Dialog_Switch(), 0);
}

TEST(Concrete, RecordOfAnOlderStructureVersion)
{
    /* version 1.1 knows the lightweight flag and the density, not the modulus fields */
    FILE *f = tmpfile();
    ASSERT_NE(f, nullptr);
    fputs(" 1.0\n 1.1 LC20/22 20000 0.8 -0.0012 -0.0012 -0.002 -0.0035 2 1 1600\n", f);
    rewind(f);
    ASSERT_EQ(Dat_Read_Data_Version(f, 1.0), 0);
    Concrete_Grade c;
    memset(&c, 0, sizeof c);
    EXPECT_EQ(Read_Concrete_Grade(&c), 0);
    EXPECT_STREQ(c.name, "LC20/22");
    EXPECT_EQ(c.lightweight, 1);
    EXPECT_DOUBLE_EQ(c.density, 1600.0);
    EXPECT_EQ(c.auto_modulus, 1);
    /* (0.8 + 28/440) * 9500 * 28^(1/3) * (1600/2200)^2 */
    EXPECT_NEAR(c.E, 24913832.2 * (1600.0 / 2200.0) * (1600.0 / 2200.0), 0.5);
    EXPECT_DOUBLE_EQ(Dat_Current_Version(), 1.0);
    fclose(f);
}
