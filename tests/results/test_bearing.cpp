/*
** Tests of the bearing of plate holes (EN 1993-1-8 and DIN 18800), of the diameters of a plate
** hole by fastener kind, and of the partial factors of a combination.
*/
#include "results_test_util.h"

#include <sys/stat.h>
#include <unistd.h>

TEST(Bearing, EurocodeEdgeAndInner)
{
    Fresh_Splice(true);
    Splice_Input.gamma_m2 = 1.25;
    double Fe = 0, Fi = 0, ae = 0, ai = 0, ke = 0, ki = 0;
    EXPECT_EQ(Calc_Plate_Bearing_Ec(/*d0=*/13, /*d=*/12, /*t=*/10, /*e1=*/30, /*e2=*/20, /*p1=*/40,
                                    /*p2=*/40, /*f_ub=*/800, /*f_u=*/360, /*F_b_edge=*/&Fe,
                                    /*F_b_inner=*/&Fi, /*alpha_b_end=*/&ae, /*alpha_b_inner=*/&ai,
                                    /*k1_edge=*/&ke, /*k1_inner=*/&ki),
              0);
    /* alpha_end = min(30 / 39, 1, 800 / 360) = 0.76923; k1 = min(2.8 * 20 / 13 - 1.7,
    ** 1.4 * 40 / 13 - 1.7, 2.5) = 2.5; F = 2.5 * 0.76923 * 360 * 12 * 10 / 1.25 / 1000 = 66.46 */
    EXPECT_NEAR(ae, 30.0 / 39.0, 1e-12);
    EXPECT_DOUBLE_EQ(ke, 2.5);
    EXPECT_NEAR(Fe, 66.46, 5e-3);
    /* alpha_inner = 40 / 39 - 0.25 = 0.77564; F = 2.5 * 0.77564 * 43200 / 1.25 / 1000 = 67.02 */
    EXPECT_NEAR(ai, 40.0 / 39.0 - 0.25, 1e-12);
    EXPECT_NEAR(Fi, 67.02, 5e-3);

    /* A single column of holes takes the end factor for both. */
    Calc_Plate_Bearing_Ec(/*d0=*/13, /*d=*/12, /*t=*/10, /*e1=*/30, /*e2=*/20, /*p1=*/0.0,
                          /*p2=*/40, /*f_ub=*/800, /*f_u=*/360, /*F_b_edge=*/nullptr,
                          /*F_b_inner=*/&Fi, /*alpha_b_end=*/nullptr, /*alpha_b_inner=*/&ai,
                          /*k1_edge=*/nullptr, /*k1_inner=*/nullptr);
    EXPECT_DOUBLE_EQ(ai, ae);
    EXPECT_NEAR(Fi, Fe, 1e-12);

    EXPECT_EQ(Calc_Alpha_B_End(-1, 30, 800, 360), 0.0);
    EXPECT_EQ(Calc_Alpha_B_Inner(13, 40, 800, -1), 0.0);
    EXPECT_EQ(Calc_K1_Edge(-1, 20, 40), 0.0);
    EXPECT_EQ(Calc_K1_Inner(-1, 40), 0.0);
    /* k1 at a small edge distance: 2.8 * 16 / 13 - 1.7 = 1.74615 */
    EXPECT_NEAR(Calc_K1_Edge(13, 16, 40), 2.8 * 16.0 / 13.0 - 1.7, 1e-12);
}

/* Index of a DIN grade with f_y,k = 240 N/mm² (the DIN 1052 S235). */
static int Din_Grade_240(void)
{
    for (int i = 0; i < 44; i++)
        if (Get_Stahlguete((uint32_t)i)->fy1 == 240.0) return i;
    return -1;
}

TEST(Bearing, DinAtTheMinimumDistances)
{
    Fresh_Splice(false);
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Splice_Input.vbm_type = 0; /* d_L = d + 1 mm, the shank d = 12 mm bears */
    Splice_Input.d = 12.0;
    Splice_Input.t_p = 1.0;
    const int g = Din_Grade_240();
    ASSERT_GE(g, 0);
    Splice_Input.plate_steel = g;
    Set_Design_Gammas(0);
    EXPECT_DOUBLE_EQ(Splice_Input.gamma_m0, 1.1);
    const double d0 = 13.0;
    double V = 0, a = 0;
    ASSERT_EQ(Calc_Plate_Bearing_Din(&V, &a, 2.2 * d0, 1.2 * d0, 1.2 * d0, 2.4 * d0, 0), 0);
    /* e2 = 1.2 d_L, relaxed (e3 = 2.4 d_L): end = 0.73 * 1.2 - 0.2 = 0.676, inner = 0.72 * 2.2
    ** - 0.51 = 1.074 -> 0.676; V = t d_Sch alpha_l f_y,k / gamma_M = 10 * 12 * 0.676 * 240
    ** / 1.1 / 1000 = 17.6989 kN (DIN 18800-1, eq. (47)) */
    EXPECT_NEAR(a, 0.676, 1e-9);
    EXPECT_NEAR(V, 17.6989, 5e-5);

    /* below the limits */
    EXPECT_EQ(Calc_Plate_Bearing_Din(&V, &a, 2.2 * d0, 1.2 * d0, 1.19 * d0, 2.4 * d0, 0), 131);
    Splice_Input.t_p = 0.29;
    EXPECT_EQ(Calc_Plate_Bearing_Din(&V, &a, 2.2 * d0, 1.2 * d0, 1.2 * d0, 2.4 * d0, 0), 130);
}

TEST(Bearing, DinFactorLimits)
{
    Fresh_Splice(false);
    Set_Layout(2, 3);
    double a = 0;
    /* e2 = 1.5 d_L, e3 = 2.4 d_L: the interpolation reaches 1.1 e1 / d_L - 0.3 = 1.02 with
    ** e1 = 1.2 d_L; inner at q = 1.5: 1.08 * 2.2 - 0.77 = 1.606 -> 1.02 */
    EXPECT_EQ(Calc_Alpha_L_Din(&a, 10.0, 22.0, 12.0, 15.0, 24.0), 0);
    EXPECT_NEAR(a, 1.02, 1e-9);
    /* e1 = 4 d_L counts as 3 d_L: end 1.1 * 3 - 0.3 = 3.0; e = 10 d_L counts as 3.5 d_L:
    ** inner 1.08 * 3.5 - 0.77 = 3.01 -> 3.0 (uncapped e1 would give 4.1 and 3.01) */
    EXPECT_EQ(Calc_Alpha_L_Din(&a, 10.0, 100.0, 40.0, 20.0, 40.0), 0);
    EXPECT_NEAR(a, 3.0, 1e-9);
    /* not relaxed (e3 < 2.4 d_L, several rows) and e2 below 1.5 d_L: 131 */
    EXPECT_EQ(Calc_Alpha_L_Din(&a, 10.0, 22.0, 12.0, 13.0, 20.0), 131);
    /* one row relaxes the condition */
    Set_Layout(2, 1);
    EXPECT_EQ(Calc_Alpha_L_Din(&a, 10.0, 22.0, 12.0, 13.0, 20.0), 0);
}

TEST(Bearing, PartialFactorsOfACombination)
{
    Fresh_Splice(false);
    Set_Design_Gammas(1);
    EXPECT_DOUBLE_EQ(Splice_Input.gamma_m0, 1.0);
    EXPECT_DOUBLE_EQ(Splice_Input.gamma_m_mid, 1.0); /* DIN accidental */
    Set_Design_Gammas(0);
    EXPECT_DOUBLE_EQ(Splice_Input.gamma_m_mid, 1.3);

    Fresh_Splice(true);
    Nad_Record.ec3.ec3_1.gamma_m0 = 1.05;
    Nad_Record.ec3.ec3_1.gamma_m2 = 1.3;
    Nad_Record.ec5.gamma_m_accidental = 1.02;
    Nad_Record.ec3.ec3_1.gamma_m0_acc = 1.01;
    Set_Design_Gammas(0);
    EXPECT_DOUBLE_EQ(Splice_Input.gamma_m0, 1.05);
    EXPECT_DOUBLE_EQ(Splice_Input.gamma_m2, 1.3);
    EXPECT_DOUBLE_EQ(Splice_Input.gamma_m_mid, Nad_Record.ec5.gamma_m_solid);
    /* accidental: the steel's own accidental gamma_M0, not the timber's */
    Set_Design_Gammas(1);
    EXPECT_DOUBLE_EQ(Splice_Input.gamma_m0, 1.01);
    Nad_EC3_Params_Ptr = nullptr;
    Set_Design_Gammas(1);
    EXPECT_DOUBLE_EQ(Splice_Input.gamma_m0, 1.0);
}

/* ---------------------------------------------------------------- the plate hole */

namespace {

/* One shear-plate row B1 (dc 65, hub d3 20.5) and one toothed-ring row C11 (dc 65, hub d1 24.5)
** read from a scratch folder of this test; the catalogues are emptied again on leaving. */
struct Connector_Rows {
    Connector_Rows()
    {
        const std::string dir = "plate_hole_connectors";
        mkdir(dir.c_str(), 0755);
        Write(dir + "/ec5_schduebel_B1.dat",
              "# dc he hc t t1 d1 d2 d3 d4 r h1 a1 a2 db_min db_max F\n2\n1\n"
              "65 15 30 5 3 13 55 20.5 75 32.5 5 130 97.5 12 16 975\n");
        Write(dir + "/ec5_schduebel_c11.dat",
              "# dc hc he t d1 d2 d3 d4 d5 r h1 teeth db_min db_max F\n1\n1\n"
              "65 15 12 3 24.5 55 49 17 30 32.5 6 12 16 20 351\n");
        setenv("SPLICE_PRIVATE_DATA", dir.c_str(), 1);
        Reset_Vbm_Catalogues();
        Load_Ec5_Schduebel_B1();
        Load_Ec5_Schduebel_C11();
    }
    ~Connector_Rows()
    {
        Reset_Vbm_Catalogues();
        unsetenv("SPLICE_PRIVATE_DATA");
    }
    static void Write(const std::string &path, const char *text)
    {
        FILE *f = fopen(path.c_str(), "w");
        ASSERT_NE(f, nullptr);
        fputs(text, f);
        fclose(f);
    }
};

/* A 12 mm fastener of the given type in plates of the given kind (connectors: dc 65 on a
** 16 mm bolt); every switch of the hole off. */
void Hole_Splice(bool annex, int kind, int type)
{
    Fresh_Splice(annex);
    Splice_Input.connection_kind = kind;
    Splice_Input.vbm_type = type;
    Splice_Input.connector_index = 0;
    Splice_Input.d = Is_Vbm_Connector((Vbm_Type_Code)type) ? 65.0 : 12.0;
    Splice_Input.d_bolt = 16.0;
    Splice_Input.fitted_bolt = 0;
    Splice_Input.steel_hole = 0;
}

void Expect_Hole(bool annex, int kind, int type, double d0, double d, int rule)
{
    Hole_Splice(annex, kind, type);
    const Plate_Hole h = Get_Plate_Hole(&Splice_Input);
    EXPECT_DOUBLE_EQ(h.d0, d0) << "annex " << annex << ", kind " << kind << ", type " << type;
    EXPECT_DOUBLE_EQ(h.d, d) << "annex " << annex << ", kind " << kind << ", type " << type;
    EXPECT_EQ(h.rule, rule) << "annex " << annex << ", kind " << kind << ", type " << type;
    /* the layout's least distances take the same hole */
    EXPECT_DOUBLE_EQ(Get_Plate_Hole_D0_Cm(), d0 / 10.0) << "type " << type;
}

} // namespace

TEST(PlateHole, OneHoleByFastenerKindUnderBothStandardsInInnerAndOuterPlates)
{
    Connector_Rows rows;
    for (bool annex : {true, false})
        for (int kind : {CONN_INNER_PLATES, CONN_OUTER_PLATES}) {
            /* dowels, bolts, nails and screws pass a hole of 12 + 1 = 13 mm (the dowel too, as
            ** the layout has always taken it), the shank d = 12 bears */
            Expect_Hole(annex, kind, VBM_STABDUEBEL, 13.0, 12.0, PLATE_HOLE_CLEARANCE);
            Expect_Hole(annex, kind, VBM_BOLZEN, 13.0, 12.0, PLATE_HOLE_CLEARANCE);
            Expect_Hole(annex, kind, VBM_NAGEL, 13.0, 12.0, PLATE_HOLE_CLEARANCE);
            Expect_Hole(annex, kind, VBM_DIN571_1A, 13.0, 12.0, PLATE_HOLE_CLEARANCE);
            /* the plate bears on the 16 mm bolt of a C2 unit in a hole of 16 + 0.4 = 16.4,
            ** not on the connector's dc = 65 */
            Expect_Hole(annex, kind, VBM_SCHEIBENDUEBEL_C2, 16.4, 16.0, PLATE_HOLE_ON_BOLT);
            /* a B1 by its hub d3 = 20.5 in a hole of 20.5 + 1 = 21.5 (not by its dc = 65,
            ** which lies in the timber), a C11 by its hub d1 = 24.5, which fills its hole */
            Expect_Hole(annex, kind, VBM_SCHEIBENDUEBEL_B1, 21.5, 20.5, PLATE_HOLE_HUB_CLEARANCE);
            Expect_Hole(annex, kind, VBM_SCHEIBENDUEBEL_C11, 24.5, 24.5, PLATE_HOLE_HUB);
        }
}

TEST(PlateHole, FittedHolesAndTheBoltThatKeepsItsClearance)
{
    Hole_Splice(true, CONN_OUTER_PLATES, VBM_BOLZEN);
    Splice_Input.fitted_bolt = 1;
    EXPECT_EQ(Plate_Hole_Fitted(&Splice_Input), 1);
    EXPECT_DOUBLE_EQ(Get_Plate_Hole(&Splice_Input).d0, 12.0);
    EXPECT_EQ(Get_Plate_Hole(&Splice_Input).rule, PLATE_HOLE_FITTED);
    /* asked for clearance in the plate: d0 = 13, in the layout too */
    Splice_Input.steel_hole = 1;
    EXPECT_EQ(Plate_Hole_Fitted(&Splice_Input), 0);
    EXPECT_DOUBLE_EQ(Get_Plate_Hole(&Splice_Input).d0, 13.0);
    EXPECT_DOUBLE_EQ(Get_Plate_Hole_D0_Cm(), 1.3);
    EXPECT_EQ(Get_Plate_Hole(&Splice_Input).rule, PLATE_HOLE_BOLT_CLEARANCE);
    /* the clearance switch belongs to bolts: a fitted dowel type stays fitted */
    Splice_Input.vbm_type = VBM_STABDUEBEL;
    EXPECT_EQ(Plate_Hole_Fitted(&Splice_Input), 1);
    EXPECT_DOUBLE_EQ(Get_Plate_Hole(&Splice_Input).d0, 12.0);
    EXPECT_DOUBLE_EQ(Get_Plate_Hole_D0_Cm(), 1.2);
    Splice_Input.steel_hole = 0;
    Splice_Input.fitted_bolt = 0;
    EXPECT_EQ(Plate_Hole_Fitted(&Splice_Input), 0);
}

TEST(PlateHole, DinBearingOfAToothedPlateUnitOnItsBolt)
{
    /* C2 of dc 62 on a 12 mm bolt in 10 mm outer plates, f_y,k 240, gamma_M0 1.1, at the
    ** minimum distances of its hole d_L = 12 + 0.4 = 12.4: e = 2.2 * 12.4 = 27.28, e1 = e2 =
    ** 14.88, e3 = 29.76. e2 / d_L = 1.2 and e3 / d_L = 2.4: the lower line, end 0.73 * 1.2 -
    ** 0.2 = 0.676, inner 0.72 * 2.2 - 0.51 = 1.074, alpha_l = 0.676; the bolt's shank d_Sch =
    ** 12 bears: V_l,R,d = 10 * 12 * 0.676 * 240 / 1.1 / 1000 = 17.6989 kN (DIN 18800-1,
    ** eq. (47)). */
    Fresh_Splice(false);
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Splice_Input.vbm_type = VBM_SCHEIBENDUEBEL_C2;
    Splice_Input.d = 62.0;
    Splice_Input.d_bolt = 12.0;
    Splice_Input.t_p = 1.0;
    const int g = Din_Grade_240();
    ASSERT_GE(g, 0);
    Splice_Input.plate_steel = g;
    Set_Design_Gammas(0);
    const double d0 = 12.4;
    double V = 0, a = 0;
    ASSERT_EQ(Calc_Plate_Bearing_Din(&V, &a, 2.2 * d0, 1.2 * d0, 1.2 * d0, 2.4 * d0, 0), 0);
    EXPECT_NEAR(a, 0.676, 1e-9);
    EXPECT_NEAR(V, 17.6989, 5e-5);
}
