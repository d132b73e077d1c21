/*
** Tests of the fastener's steel: a dowel's or bolt's f_u,k is that of its steel grade everywhere
** (yield moment, required thicknesses, block shear), a connector's that of its bolt, a plain
** nail's 600, bolts of a strength class, a connector designed with the steel of its bolt, and the refusal of a dowel or bolt too short for the
** joint. Hand calculations in the comments.
*/
#include "results_test_util.h"

#include <string>

#include "foundation/codepage.h"

/* Utilisation of the row named name, -1 when the list has no such row. */
static double Row(const char *name)
{
    for (int i = 0; i < Splice_Input.utilisation.count; i++)
        if (strcmp(Splice_Input.utilisation.name[i], name) == 0)
            return Splice_Input.utilisation.value[i];
    return -1.0;
}

TEST(FastenerSteel, ABoltOfStrengthClass88)
{
    /* Outer plates 1 x 24 cm on a 12 x 24 cm C24 member, M12 bolts FK 8.8 (f_u,k 800), 2 x 2
    ** per half, N = 60 kN, preset kmod 0.9: M_y,Rk = 0.3 * 800 * 12^2.6 = 153491 Nmm
    ** (EN 1995-1-1, (8.30)); f_h,0,k = 0.082 * 0.87 * 350 = 24.969.
    ** Plate 10 mm between 0.5 d and d (8.2.3(2)): thin (8.12) min(0.5 * 24.969 * 120 * 12 =
    ** 17978, 1.15 sqrt(2 * 153491 * 24.969 * 12) = 11029) = 11029, thick (8.13) min(17978,
    ** 2.3 sqrt(153491 * 24.969 * 12) = 15598) = 15598; at t = 10: 11029 + 4/6 * 4568 = 14075 N;
    ** R_d = 0.9 * 14.075 / 1.3 = 9.7441 kN; F = 60 / 8 = 7.5 kN, n_ef = 2^0.9 (60 / 156)^0.25
    ** = 1.46955: u = 7.5 * 2 / 1.46955 / 9.7441 = 1.04752. The f_u,k of the input (360) is not
    ** the bolt's. */
    Outer_Plate_Bolt_Splice();
    Splice_Input.vbm_steel = 27; /* FK 8.8 */
    Splice_Input.fu_k = 360.0;
    Tension_Splice(60.0);
    EXPECT_EQ(Get_Fastener_Fu_K(), 800.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Run_Nachweise(nullptr, 0);
    EXPECT_NEAR(Row("Verbindungsmittel"), 1.04752, 5e-5);
}

TEST(FastenerSteel, WhoseTensileStrengthCounts)
{
    /* Dowels and bolts: their steel grade's, the first grade of the table (S235JR, 360)
    ** included; a negative code leaves the input's value; other fasteners have the input's. */
    Fresh_Splice(true);
    Splice_Input.fu_k = 1000.0;
    Splice_Input.vbm_steel = 0;
    for (int type : {29, 30}) {
        Splice_Input.vbm_type = type;
        EXPECT_EQ(Get_Fastener_Fu_K(), 360.0) << type;
    }
    Splice_Input.vbm_steel = -1;
    EXPECT_EQ(Get_Fastener_Fu_K(), 1000.0);
    Splice_Input.vbm_steel = 5;

    /* connectors: the steel of their bolt (S355, 490), whatever the dowel steel and the field */
    Splice_Input.bolt_steel = 7;
    for (int type : {25, 26, 27, 28, 31, 32, 33}) {
        Splice_Input.vbm_type = type;
        EXPECT_EQ(Get_Fastener_Fu_K(), 490.0) << type;
        EXPECT_EQ(Plate_Bearing_Fu_B(), 490.0) << type;
    }
    Splice_Input.bolt_steel = -1;
    EXPECT_EQ(Get_Fastener_Fu_K(), 1000.0);

    /* a plain nail: the 600 its yield moment takes; DIN 571 screws, staples and special nails
    ** the field; approved screws bear on a plate with 500 */
    Splice_Input.vbm_type = 0;
    EXPECT_EQ(Get_Fastener_Fu_K(), 600.0);
    EXPECT_EQ(Plate_Bearing_Fu_B(), 600.0);
    for (int type : {1, 2, 16}) {
        Splice_Input.vbm_type = type;
        EXPECT_EQ(Get_Fastener_Fu_K(), 1000.0) << type;
        EXPECT_EQ(Plate_Bearing_Fu_B(), 1000.0) << type;
    }
    for (int type : {11, 14}) {
        Splice_Input.vbm_type = type;
        EXPECT_EQ(Plate_Bearing_Fu_B(), 500.0) << type;
    }
}

TEST(FastenerSteel, TheRequiredThicknessesFollowTheDowelsSteel)
{
    /* The default side timbers (C24) with 12 mm dowels; automatic side thickness at 90
    ** degrees: f_h,90,k = 0.082 * 0.88 * 350 / 1.53 = 16.507, t_req = 1.15 (2 sqrt(1 / 2) + 2)
    ** sqrt(M_y / (16.507 * 12)) (DIN 1052, eq. (208)):
    **   S235 (f_u 360): M_y = 69071, t_req = 3.9263 * 18.674 = 73.3 mm -> 8 cm
    **   S355 (f_u 490): M_y = 94013, t_req = 85.5 mm -> 9 cm, odd -> 10 cm
    ** The f_u,k of the input is not read for a dowel. */
    const double fu_field[2] = {360.0, 1000.0};
    for (double fu : fu_field) {
        Fresh_Splice(true);
        Splice_Input.t_s_user = 0;
        Splice_Input.l = 400.0;
        Splice_Input.fu_k = fu;
        Set_Layout(2, 2);
        Tension_Splice(10.0);
        ASSERT_EQ(Prepare_Splice_Calc(), 0);
        EXPECT_DOUBLE_EQ(Splice_Input.t_s, 8.0) << fu;
        Splice_Input.vbm_steel = 7; /* S355 */
        ASSERT_EQ(Prepare_Splice_Calc(), 0);
        EXPECT_DOUBLE_EQ(Splice_Input.t_s, 10.0) << fu;
    }

    /* The head of the checks: t_1,req along the grain, f_h,0,k = 25.256, beta = 1:
    ** 3.9263 * sqrt(69071 / (25.256 * 12)) = 59.27 mm (S235) and 3.9263 * sqrt(94013 /
    ** (25.256 * 12)) = 69.15 mm (S355). */
    for (int steel : {5, 7}) {
        Fresh_Splice(true);
        Splice_Input.fu_k = 1000.0;
        Splice_Input.vbm_steel = steel;
        Set_Layout(2, 2);
        Tension_Splice(10.0);
        ASSERT_EQ(Prepare_Splice_Calc(), 0);
        FILE *f = tmpfile();
        ASSERT_NE(f, nullptr);
        Run_Nachweise(f, 0);
        const std::string s = Slurp_Print(f);
        fclose(f);
        const char *t1 = steel == 5 ? "t\xCE\\"
                                      "1,req\xCEr = 5.93 cm"
                                    : "t\xCE\\"
                                      "1,req\xCEr = 6.92 cm";
        EXPECT_NE(s.find(t1), std::string::npos) << steel;
    }
}

TEST(FastenerSteel, BlockShearTakesTheYieldMomentOfTheDowelsSteel)
{
    /* Two inner plates in a 16 x 24 cm member, dowels 12 mm S355: M_y,k = 0.3 * 490 * 12^2.6 =
    ** 94013.1 Nmm (S235: 69070.9); a bolt M12 of S235 the same as the dowel. */
    for (int steel : {5, 7, 5 + 100}) {
        Fresh_Splice(true);
        if (steel > 100) {
            steel -= 100;
            Splice_Input.vbm_type = 30;
        }
        Splice_Input.connection_kind = CONN_INNER_PLATES;
        Splice_Input.b = 16.0;
        Splice_Input.h = 24.0;
        Splice_Input.h_p = 20.0;
        Splice_Input.block_shear = 1;
        Splice_Input.vbm_steel = steel;
        Set_Layout(2, 3);
        Tension_Splice(100.0);
        ASSERT_EQ(Prepare_Splice_Calc(), 0);
        FILE *f = tmpfile();
        ASSERT_NE(f, nullptr);
        int err = -1;
        Oli_Blockscher_Nachweis(f, 0, 0, &err);
        const std::string s = Slurp_Print(f);
        fclose(f);
        const char *my =
            steel == 5 ? "M\xCE\\y,k\xCEr = 69070.9 Nmm" : "M\xCE\\y,k\xCEr = 94013.1 Nmm";
        EXPECT_NE(s.find(my), std::string::npos) << s;
    }
}

TEST(FastenerSteel, AConnectorIsDesignedWithTheSteelOfItsBolt)
{
    Fresh_Splice(true);
    Splice_Input.vbm_steel = 5;
    Splice_Input.bolt_steel = 7;
    Connection_Input in;
    Splice_Input.vbm_type = 25;
    Fill_Vbm_Design_Input(&in, 2, 0.0, 0.0, 4, 1, 0, 0, 0.9);
    EXPECT_EQ(in.steel_grade, 7);
    Splice_Input.vbm_type = 29;
    Fill_Vbm_Design_Input(&in, 2, 0.0, 0.0, 4, 1, 0, 0, 0.9);
    EXPECT_EQ(in.steel_grade, 5);
    /* nails, staples and DIN 571 screws have no steel grade on the page: the one a dowel left
    ** behind is not theirs, and beside a steel plate their yield moment takes their own f_u */
    for (int type : {0, 1, 2}) {
        Splice_Input.vbm_type = type;
        Fill_Vbm_Design_Input(&in, 2, 0.0, 0.0, 4, 1, 0, 0, 0.9);
        EXPECT_EQ(in.steel_grade, -1) << type;
    }
}

TEST(FastenerSteel, NailsBesideSteelPlatesTakeTheirOwnTensileStrength)
{
    /* Nails 4.2 x 50 mm through outer plates 3 mm of S235 into C24 10/20, 4 x 3 per half, N 60
    ** kN; the dowel steel S235 (f_u 360) left on the page. Beside the plate the yield moment is
    ** the nail's own, f_u,k = 600 N/mm² of its wire: M_y,Rk = 0.3 x 600 x 4.2^2.6 = 180 x
    ** 41.7300 = 7511 Nmm (EN 1995-1-1, eq. (8.14), 8.3.1.1(3)), not 0.3 x 360 x 41.7300 = 4507
    ** Nmm with the plate's steel. */
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Splice_Input.vbm_type = VBM_NAGEL;
    Splice_Input.vbm_row = 0;
    Splice_Input.vbm_steel = 5;
    Splice_Input.d = 4.2;
    Splice_Input.l = 50.0;
    Splice_Input.t_p = 0.3;
    Splice_Input.b = 10.0;
    Splice_Input.h = Splice_Input.h_p = 20.0;
    Set_Layout(4, 3);
    Tension_Splice(60.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    FILE *f = tmpfile();
    ASSERT_NE(f, nullptr);
    Run_Nachweise(f, 0);
    const std::string s = Slurp_Print(f);
    fclose(f);
    EXPECT_NE(s.find(": f\xCE\\u,k\xCEr = 600 N/mm\xCE/2\xCEr, M\xCE\\y,Rk\xCEr = 7511 Nmm"),
              std::string::npos)
        << s;
}

TEST(FastenerSteel, ADowelOrBoltShorterThanTheJointIsRefused)
{
    /* Joint thickness: side timbers 8 + 12 + 8 = 28 cm; outer plates 0.8 + 12 + 0.8 = 13.6 cm; inner
    ** plates and the lap 12 cm. A dowel or bolt as long passes, 1 mm shorter is refused with 5;
    ** a nail is left to the rules of nails. */
    const struct {
        int kind;
        double thickness_mm;
    } joints[] = {{CONN_SIDE_TIMBERS, 280.0},
                  {CONN_OUTER_PLATES, 136.0},
                  {CONN_INNER_PLATES, 120.0},
                  {CONN_LAP, 120.0}};
    for (const auto &j : joints) {
        for (int type : {29, 30}) {
            Fresh_Splice(true);
            Splice_Input.connection_kind = j.kind;
            Splice_Input.vbm_type = type;
            Splice_Input.plate_count = 1.0;
            Splice_Input.t_p = 0.8;
            Splice_Input.h_p = 24.0;
            Set_Layout(2, 2);
            Tension_Splice(10.0);
            Splice_Input.l = j.thickness_mm;
            EXPECT_EQ(Prepare_Splice_Calc(), 0) << j.kind << " " << type;
            Splice_Input.l = j.thickness_mm - 1.0;
            EXPECT_EQ(Prepare_Splice_Calc(), 5) << j.kind << " " << type;
        }
    }
    EXPECT_STREQ(Get_Error_Text(5), "Länge des Verbindungsmittels zu gering"_cp850);
}
