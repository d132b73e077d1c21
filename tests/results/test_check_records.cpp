/*
** Tests of the timber check and of the bearing check of the plate holes computed into their
** records, and of their printers, which write the section from nothing but the record.
*/
#include "results_test_util.h"

#include <cmath>
#include <string>

#include "foundation/codepage.h"

/* The section one printer call writes, with heading numbers counted afresh. */
template <typename Rec>
static std::string Printed(void (*print)(FILE *, const Rec *), const Rec *r)
{
    FILE *f = tmpfile();
    Oli_Init_Writer(3, 2, 1);
    print(f, r);
    const std::string s = Slurp_Print(f);
    fclose(f);
    return s;
}

static bool Has(const std::string &s, const char *part)
{
    return s.find(part) != std::string::npos;
}

/* ---------------------------------------------------------------- timber */

/* The nailed side-timber splice (C24 throughout, side timbers 2 x 6/20 cm, middle 12/20 cm),
** kmod 0.9 and gamma_M = gamma_M,t90 = 1.3, one tension combination N (kN); the annex's
** reduction of symmetric tension joints on. */
static void Nailed_Timber_Splice(double N)
{
    Side_Timber_Nail_Splice();
    Tension_Splice(N);
    Nad_Record.ec5.na816_tension_reduction = 1;
    Splice_Input.predrilled = 0;
    Splice_Input.gamma_m_mid = Splice_Input.gamma_m_side = Splice_Input.gamma_m_t90 = 1.3;
}

TEST(TimberCheck, TensionSpliceComputedIntoTheRecord)
{
    /* N = 48 kN, gross sections (the nails are not deducted):
    ** sigma_t,0,d = 48 * 10 / (12 * 20) = 2.0 N/mm² in the middle member and
    ** 48 * 10 / (2 * 6 * 20) = 2.0 N/mm² in both side timbers together.
    ** Middle: f_t,0,d = k_mod f_t,0,k / gamma_M = 0.9 * 14.5 / 1.3 = 10.03846 (EN 338 C24),
    ** u = 2.0 / 10.03846 = 0.199234.
    ** Side timbers: symmetric tension joint of nails not pre-drilled, k_red = 1 / 1.5; h = 200 mm
    ** >= 150 mm: k_h = 1 (EN 1995-1-1, 3.2(3)); f_t,0,d = 10.03846 / 1.5 = 6.69231,
    ** u = 2.0 / 6.69231 = 0.298851.
    ** k_cr of solid timber in the built-in annex: 0.67. No shear, no bending. */
    Nailed_Timber_Splice(48.0);
    Timber_Check r;
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    EXPECT_EQ(r.state, TIMBER_CHECK_DONE);
    EXPECT_EQ(r.annex, 1);
    EXPECT_EQ(r.kind, CONN_SIDE_TIMBERS);
    EXPECT_EQ(r.bending, 0);
    EXPECT_EQ(r.joint_moment, 0);
    EXPECT_DOUBLE_EQ(r.N, 48.0);
    EXPECT_NEAR(r.mid.sigma_0, 2.0, 1e-9);
    EXPECT_NEAR(r.side.sigma_0, 2.0, 1e-9);
    EXPECT_NEAR(r.mid.sigma_m, 0.0, 1e-12);
    EXPECT_NEAR(r.mid.tau, 0.0, 1e-12);
    EXPECT_NEAR(r.mid.u, 0.199234, 1e-6);
    EXPECT_NEAR(r.side.u, 0.298851, 1e-6);
    EXPECT_DOUBLE_EQ(r.u, r.side.u);
    EXPECT_DOUBLE_EQ(r.mid.k_cr, 0.67);
    EXPECT_DOUBLE_EQ(r.side.k_cr, 0.67);
    EXPECT_EQ(r.one_sided_tension, 1);
    EXPECT_NEAR(r.k_red, 1.0 / 1.5, 1e-12);
    EXPECT_DOUBLE_EQ(r.k_h, 1.0);
    EXPECT_NEAR(r.f_t_0_k, 14.5, 1e-9);
    EXPECT_DOUBLE_EQ(r.kmod_t, 0.9);
    EXPECT_DOUBLE_EQ(r.gamma_m_t, 1.3);
    EXPECT_NEAR(r.f_t_0_d, 6.69231, 1e-5);
    EXPECT_EQ(r.t90, 0);             /* a tension splice: no V_90 */
    EXPECT_EQ(r.withdrawal_hint, 0); /* nails hold against withdrawal */

    /* Compression N = -48 kN: sigma_c,0,d = -2.0 N/mm², f_c,0,d = 0.9 * 21 / 1.3 = 14.53846,
    ** u = 2.0 / 14.53846 = 0.137566 (both members); no tensile strength of the side timbers. */
    Get_Lkom_Entry(0, 0)->N_d = -48.0;
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    EXPECT_NEAR(r.mid.sigma_0, -2.0, 1e-9);
    EXPECT_NEAR(r.mid.u, 0.137566, 1e-6);
    EXPECT_NEAR(r.side.u, 0.137566, 1e-6);
    EXPECT_EQ(r.one_sided_tension, 0);
    /* the line names the checks u is the largest of: (6.2) 0.137566, (6.19) 0.137566² + 0 /
    ** (0.9 x 24 / 1.3) = 0.018924, the shear 0 / (0.9 x 4.0 / 1.3) */
    const std::string c = Printed(Print_Timber_Check, &r);
    EXPECT_TRUE(Has(
        c, "Mittelholz: u = max(|\xCC\xCE\\c,d\xCEr| / f\xCE\\c,0,d\xCEr; (\xCC\xCE\\c,d\xCEr / "
           "f\xCE\\c,0,d\xCEr)\xCE/2\xCEr + |\xCC\xCE\\m,d\xCEr| / f\xCE\\m,d\xCEr; "
           "\xD6\xCE\\d\xCEr / f\xCE\\v,d\xCEr) nach DIN EN 1995-1-1, Gl. (6.2), (6.19), "
           "(6.13)\n"))
        << c;
    EXPECT_TRUE(Has(c, " = max(2.00 / 14.54; (2.00 / 14.54)\xCE/2\xCEr + 0.00 / 16.62; 0.00 / "
                       "2.77) = max(0.138; 0.019; 0.000) = 0.14\n"))
        << c;

    /* Outer plates: the middle member alone, no side timbers. */
    Get_Lkom_Entry(0, 0)->N_d = 48.0;
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Splice_Input.t_p = 1.0;
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    EXPECT_NEAR(r.mid.u, 0.199234, 1e-6);
    EXPECT_DOUBLE_EQ(r.side.u, 0.0);
    EXPECT_EQ(r.one_sided_tension, 0);
    EXPECT_DOUBLE_EQ(r.u, r.mid.u);

    /* A lap: each half (12 / 2 = 6 cm) carries N from one side, as a side timber does, and
    ** takes the same reduction (NCI NA.8.1.6, nails not pre-drilled: 1 / 1.5):
    ** sigma_t,0,d = 48 * 10 / (6 * 20) = 4.0 N/mm², f_t,0,d = 10.03846 / 1.5 = 6.69231,
    ** u = 4.0 / 6.69231 = 0.597701 (0.398467 without the reduction). */
    Splice_Input.connection_kind = CONN_LAP;
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    EXPECT_NEAR(r.mid.sigma_0, 4.0, 1e-9);
    EXPECT_NEAR(r.mid.u, 0.597701, 1e-6);
    EXPECT_EQ(r.one_sided_tension, 1);
    EXPECT_NEAR(r.k_red, 1.0 / 1.5, 1e-12);
    EXPECT_NEAR(r.f_t_0_k, 14.5, 1e-9);
    EXPECT_NEAR(r.f_t_0_d, 6.69231, 1e-5);

    /* no such combination: nothing computed, the record untouched */
    Timber_Check untouched = r;
    EXPECT_EQ(Calc_Timber_Check(0, LKOM_ENTRIES, &untouched), 0);
    EXPECT_EQ(untouched.u, r.u);
}

TEST(TimberCheck, ConnectorsInPureTensionGetTheWithdrawalHint)
{
    /* Split-ring connectors in side timbers under tension, no bending: the hint; under
    ** compression or between steel plates none. */
    Nailed_Timber_Splice(48.0);
    Splice_Input.vbm_type = VBM_SCHEIBENDUEBEL_C11;
    ASSERT_TRUE(Is_Vbm_Connector(Splice_Input.vbm_type));
    Timber_Check r;
    /* single-sided toothed plates C11 go in pairs between the timbers, and the fastener check
    ** proves their bolts for the pull of the side timbers' eccentricity (NCI NA.8.1.6): those
    ** bolts are what the hint asks for, which it would only repeat */
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    EXPECT_EQ(r.withdrawal_hint, 0);
    Splice_Input.vbm_type = VBM_RINGDUEBEL_A1;
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    EXPECT_EQ(r.withdrawal_hint, 1);
    Get_Lkom_Entry(0, 0)->N_d = -48.0;
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    EXPECT_EQ(r.withdrawal_hint, 0);
    Get_Lkom_Entry(0, 0)->N_d = 48.0;
    /* the tension splice's hint, whatever V_d bends its members */
    Get_Lkom_Entry(0, 0)->V_d = 0.01;
    Splice_Input.vbm_type = VBM_SCHEIBENDUEBEL_C11;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Splice_Input.vbm_type = VBM_RINGDUEBEL_A1;
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    EXPECT_EQ(r.withdrawal_hint, 1);
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    EXPECT_EQ(r.withdrawal_hint, 0);
}

TEST(TimberCheck, BendingSpliceWithTensionPerpendicularToTheGrain)
{
    /* M_v,d = 1 kNm, V_d = 4 kN, k_xr = 0.1 1/cm (10 1/m), max V_90,d = 2 kN:
    ** joint shear V = max(4; 4 / 2 + 10 * 1 / 2) = 7 kN, taken by both members.
    ** W = 12 * 20² / 6 = 2 * 6 * 20² / 6 = 800 cm³: sigma_m,d = 1000 / 800 = 1.25 N/mm².
    ** tau_d = 1.5 V / (k_cr A) = 1.5 * 70 / (0.67 * 240) = 0.652985 N/mm² (EN 1995-1-1, 6.1.7).
    ** Tension perpendicular to the grain by EN 1995-1-1, eq. (8.4) (the annex without national
    ** rules), the rows at y = -6, 0, 6 cm: h_e = 100 + 60 = 160 mm of h = 200 mm:
    ** middle 14 * 120 * (160 / 0.2)^0.5 = 47.5176 kN, F_90,Rd = 0.9 * 47.5176 / 1.3 = 32.8968 kN
    ** against V_d = 4 kN on both planes and the column's 2 x 2 kN: u = 0.121592; one side timber
    ** 23.7588 kN, 16.4484 kN against 2 kN both ways: 0.121592. Shear governs:
    ** 0.652985 / (0.9 * 4.0 / 1.3) = 0.235800, bending 1.25 / (0.9 * 24 / 1.3) = 0.075231.
    ** The middle member's net section through the outermost column (x_max = 5 + 3 x 4.2 = 17.6
    ** cm) carries the member's moment there: M = |M_d| + |V_d| x_max = 1 + 4 x 0.176 = 1.704 kNm,
    ** sigma_m,d = 1704 / 800 = 2.13 N/mm² (the side timbers keep M_v,d: between the joint and
    ** their first column they carry no more). */
    Nailed_Timber_Splice(0.0);
    Splice_Input.splice_kind = SPLICE_BENDING;
    Splice_Input.k_xr = 0.1;
    Build_Regular_Pattern(5.0, -6.0, 4.2, 6.0, 4);
    Fastener_Pattern.count = 12;
    Lkom_Entry *c = Set_Lkom(0, 0, 1.0, 0.0, 4.0);
    c->M_distr = 1.0;
    c->max_col_Fy = -2.0;
    Timber_Check r;
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    EXPECT_EQ(r.bending, 1);
    EXPECT_DOUBLE_EQ(r.M, 1.0);
    EXPECT_DOUBLE_EQ(r.V_d, 4.0);
    EXPECT_DOUBLE_EQ(r.k_xr, 0.1);
    EXPECT_NEAR(r.V, 7.0, 1e-12);
    EXPECT_NEAR(r.mid.V, 7.0, 1e-12);
    EXPECT_NEAR(r.side.V, 7.0, 1e-12);
    EXPECT_NEAR(r.x_max, 17.6, 1e-12);
    EXPECT_NEAR(r.M_sec, 1.704, 1e-12);
    EXPECT_NEAR(std::fabs(r.mid.sigma_m), 2.13, 1e-9);
    EXPECT_NEAR(std::fabs(r.side.sigma_m), 1.25, 1e-9);
    EXPECT_NEAR(r.mid.tau, 0.652985, 1e-6);
    EXPECT_NEAR(r.side.tau, 0.652985, 1e-6);
    EXPECT_EQ(r.t90, 0); /* DIN 1052's rule is not the annex's */
    EXPECT_DOUBLE_EQ(r.V90, 2.0);
    EXPECT_EQ(r.split_rule, SPLIT_RULE_EC5);
    EXPECT_NEAR(r.split_mid.group.F_Rd, 32.8968, 1e-4);
    EXPECT_NEAR(r.split_mid.u, 0.121592, 1e-6);
    EXPECT_NEAR(r.split_side.group.F_Rd, 16.4484, 1e-4);
    EXPECT_NEAR(r.split_side.u, 0.121592, 1e-6);
    EXPECT_NEAR(r.mid.u, 0.235800, 1e-6);
    EXPECT_NEAR(r.side.u, 0.235800, 1e-6);
    EXPECT_NEAR(r.u, 0.235800, 1e-6);

    /* A small pattern factor: 4 / 2 + 0.1 * 1 / 2 = 2.05 < 4, so V = V_d = 4 kN;
    ** tau_d = 1.5 * 40 / (0.67 * 240) = 0.373134 N/mm². Without V_90 no tension
    ** perpendicular: the shear governs, 0.373134 / 2.769231 = 0.134743. */
    Splice_Input.k_xr = 0.001;
    c->max_col_Fy = 0.0;
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    EXPECT_NEAR(r.V, 4.0, 1e-12);
    EXPECT_NEAR(r.mid.tau, 0.373134, 1e-6);
    EXPECT_EQ(r.t90, 0);
    EXPECT_NEAR(r.mid.u, 0.134743, 1e-6);

    /* A tension splice takes V_d and the moment about its fasteners that the preparation stores
    ** (here the same 1 kNm, without M_d), so the joint shear and the side timbers' bending stress
    ** are those above: V = 4 / 2 + 10 * 1 / 2 = 7 kN, |sigma_m| = 1.25 N/mm²; the middle member's
    ** net section takes |V_d| x_max = 4 x 0.176 = 0.704 kNm without M_d: 704 / 800 = 0.88. */
    Splice_Input.splice_kind = SPLICE_TENSION;
    Splice_Input.k_xr = 0.1;
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    EXPECT_EQ(r.bending, 0);
    EXPECT_EQ(r.joint_moment, 1);
    EXPECT_DOUBLE_EQ(r.M, 1.0);
    EXPECT_NEAR(r.V, 7.0, 1e-12);
    EXPECT_NEAR(r.mid.V, 7.0, 1e-12);
    EXPECT_NEAR(r.M_sec, 0.704, 1e-12);
    EXPECT_NEAR(std::fabs(r.mid.sigma_m), 0.88, 1e-9);
    EXPECT_NEAR(std::fabs(r.side.sigma_m), 1.25, 1e-9);
    /* the page says which moment the side timbers take and how: that of V_d about the centroid
    ** at e_x = 25 cm, 4 x 0.25 = 1 kNm, on the net sections of both, 1000 / (2 x 400) */
    Splice_Input.e_x = 25.0;
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    const std::string t = Printed(Print_Timber_Check, &r);
    EXPECT_TRUE(Has(t, "Seitenh\x94lzer: M = M\xCE\\v,d\xCEr = |e\xCE\\x\xCEr V\xCE\\d\xCEr| = "
                       "|0.2500 x 4.00| = 1.00 kNm (zwischen Sto\xE1 und erster Spalte "
                       "|V\xCE\\d\xCEr| x \xF3 M\xCE\\v,d\xCEr)\n")
                && Has(t, "\n \xCC\xCE\\m,d\xCEr = M / W\xCE\\n\xCEr = 1.00 x 1000 / (2 x "
                          "400.00) = 1.25 N/mm\xCE/2\xCEr (W\xCE\\n\xCEr beider "
                          "Seitenh\x94lzer)"))
        << t;
}

/* The glulam splice with one inner plate (GL24h 14/24, dowels 12 mm, 3 x 3 per half), preset
** kmod 0.8: f_t,0,d = 19.2 x 0.8 / 1.3 = 11.815385, f_m,d = 24 x 0.8 / 1.3 = 14.769231,
** f_v,d = 3.5 x 0.8 / 1.3 = 2.153846 N/mm², k_cr 0.67; N_d (kN) in combination (0, 0). */
static void Glulam_Splice_Kmod_08(double N)
{
    Glulam_Inner_Plate_Splice();
    Tension_Splice(N);
    Splice_Input.lkom.groups[0].kmod = 0.8;
}

TEST(TimberCheck, EachLamellaBetweenTwoPlatesTakesItsOwnPlanes)
{
    /* GL24h 16/24 cm, two inner plates 10 mm: three lamellas of (160 - 20) / 3 = 46.667 mm;
    ** dowels 12 x 160 mm, 3 x 3 per half, N_d = 120 kN. Every shear plane of a dowel takes the
    ** same force (4 planes): the lamella between the plates carries 2 / 4 of N_d = 60 kN, each
    ** outer lamella 1 / 4 = 30 kN. Net section of one lamella: 4.6667 x (24 - 3 x 1.2) =
    ** 95.2 cm² (holes d = 12 mm of the dowels).
    ** inner: sigma_t,0,d = 60000 / 9520 = 6.302521 N/mm², u = 6.302521 / 11.815385 = 0.533416;
    ** outer: 3.151261 N/mm², u = 0.266708. (All lamellas together took 120000 / 28560 = 4.2017,
    ** u = 0.355611.) With one plate each of the two lamellas takes one of two planes: as all
    ** together, N_d / A_n. */
    Glulam_Splice_Kmod_08(120.0);
    Splice_Input.b = 16.0;
    Splice_Input.plate_count = 2.0;
    Splice_Input.l = 160.0;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Timber_Check r;
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    EXPECT_EQ(r.lamellas, 3);
    EXPECT_EQ(r.planes, 4);
    EXPECT_NEAR(r.mid.N, 60.0, 1e-12);
    EXPECT_NEAR(r.mid.A_n, 95.2, 1e-9);
    EXPECT_NEAR(r.mid.sigma_0, 6.302521, 1e-6);
    EXPECT_NEAR(r.mid.u, 0.533416, 1e-6);
    EXPECT_NEAR(r.lam_outer.N, 30.0, 1e-12);
    EXPECT_NEAR(r.lam_outer.A_n, 95.2, 1e-9);
    EXPECT_NEAR(r.lam_outer.sigma_0, 3.151261, 1e-6);
    EXPECT_NEAR(r.lam_outer.u, 0.266708, 1e-6);
    EXPECT_NEAR(r.u, 0.533416, 1e-6);
    double um = 0.0;
    EXPECT_NEAR(Oli_Holz_Nachweis(nullptr, 0, 0, &um, nullptr), 0.533416, 1e-6);
    EXPECT_NEAR(um, 0.533416, 1e-6);
    const std::string t = Printed(Print_Timber_Check, &r);
    EXPECT_TRUE(Has(t, "Holzlamellen: 3 Lamellen, 4 Scherfugen je Verbindungsmittel mit gleicher "
                       "Kraft: innere Lamelle (zwischen zwei Blechen) 2/4, \x84u\xE1"
                       "ere Lamelle (neben einem Blech) 1/4 von N, M und V"))
        << t;
    EXPECT_TRUE(Has(t, "innere Lamelle: N = 60.00 kN, M = 0.00 kNm, V = 0.00 kN, A\xCE\\n\xCEr = "
                       "95.20 cm\xCE/2\xCEr"))
        << t;
    EXPECT_TRUE(Has(t, "innere Lamelle: \xCC\xCE\\t,d\xCEr = 6.30 N/mm")) << t;
    EXPECT_TRUE(Has(t, "\x84u\xE1"
                       "ere Lamelle: \xCC\xCE\\t,d\xCEr = 3.15 N/mm"))
        << t;
    EXPECT_TRUE(Has(t, "Maximale Ausnutzung der Holzlamellen u\xCE\\max\xCEr = 0.53")) << t;

    /* one plate: both lamellas (140 - 10) / 2 = 65 mm, each one of two planes: all together,
    ** 120000 / (13 x 20.4 x 100) = 4.524887 N/mm², u = 0.382966 */
    Splice_Input.b = 14.0;
    Splice_Input.plate_count = 1.0;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    EXPECT_EQ(r.lamellas, 0);
    EXPECT_NEAR(r.mid.sigma_0, 4.524887, 1e-6);
    EXPECT_NEAR(r.u, 0.382966, 1e-6);
}

TEST(TimberCheck, TheNetSectionAtTheOutermostColumnTakesTheMembersMoment)
{
    /* GL24h 14/24, one inner plate 10 mm, dowels 12 mm, 3 x 3 per half, N_d 180 kN, V_d 20 kN,
    ** kmod 0.8. Columns at x = 8.4, 14.399512, 20.399024 cm (x_c = 14.399512 cm), rows at
    ** y = -8.4, 0, 8.4 cm. Net section of both lamellas, b = 13 cm, holes 1.2 cm:
    ** A_n = 13 x (24 - 3 x 1.2) = 265.2 cm²; each row takes 13 x 1.2 = 15.6 cm² off as a band of
    ** d + 1 = 1.3 cm about its axis: I_n = 13 x 24³ / 12 - 15.6 (2 (7.75² + 7.75 x 9.05 + 9.05²)
    ** + 0.65²) / 3 = 12767.937 cm⁴, W_n = 2 I_n / 24 = 1063.99475 cm³.
    ** The section through the outermost column carries |V_d| x_max = 20 x 0.20399024 =
    ** 4.0798048 kNm (M_d is not taken in a tension splice), not the moment at the centroid
    ** M_v,d = 20 x 0.14399512 = 2.8799024 kNm:
    ** sigma_t,0,d = 180000 / 26520 = 6.787330, sigma_m,d = 4079804.8 / 1063994.75 = 3.834422
    ** N/mm²; 6.787330 / 11.815385 + 3.834422 / 14.769231 = 0.574449 + 0.259622 = 0.834071 (with
    ** M_v,d: 0.757714) over tension with bending. Shear: the middle member's sections carry the
    ** joint's side, where V_d's share and the moment's part add: 21.440953 kN behind the second
    ** column (Timber.BendingSplicePrintsTheJointShear), above V_d = 20 kN: tau = 1.5 x 21440.953 /
    ** (0.67 x 26520) = 1.810035 N/mm², 1.810035 / 2.153846 = 0.840373 governs (with V_d alone
    ** 1.688391 and 0.783896). */
    Glulam_Splice_Kmod_08(180.0);
    Get_Lkom_Entry(0, 0)->V_d = 20.0;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Timber_Check r;
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    EXPECT_NEAR(r.x_max, 20.399024, 1e-6);
    EXPECT_NEAR(r.M_sec, 4.0798048, 1e-6);
    EXPECT_NEAR(r.mid.M, 4.0798048, 1e-6);
    EXPECT_NEAR(r.mid.W_n, 1063.99475, 1e-5);
    EXPECT_NEAR(r.mid.sigma_0, 6.787330, 1e-6);
    EXPECT_NEAR(std::fabs(r.mid.sigma_m), 3.834422, 1e-6);
    EXPECT_NEAR(r.mid.tau, 1.810035, 1e-6);
    EXPECT_NEAR(r.mid.u, 0.840373, 1e-6);
    const std::string t = Printed(Print_Timber_Check, &r);
    EXPECT_TRUE(Has(t, "Nettoquerschnitt an der \x84u\xE1"
                       "ersten Spalte: M = |V\xCE\\d\xCEr| x\xCE\\max\xCEr = |20.00| x 0.2040 "
                       "m = 4.08 kNm"))
        << t;
}

TEST(TimberCheck, TheHalvesOfACompressionLapBendUnderTheirEccentricity)
{
    /* Compression lap C24 16/20 (halves t = 80 mm), bolts M12 (holes 13 mm) in single shear,
    ** 3 x 2 per half, N_d = -15 kN, "mittel", service class 1: kmod 0.8, gamma_M 1.3.
    ** Net section of a half: A_n = 8 x 20 - 2 x 1.3 x 8 = 139.2 cm², sigma_c,0,d = 1.077586,
    ** f_c,0,d = 21 x 0.8 / 1.3 = 12.923077: 0.083385 centric. The eccentricity t/2 = 40 mm:
    ** M = 15 x 0.04 = 0.6 kNm across the thickness, W_z,n = A_n t / 6 = 185.6 cm³ (the holes pass
    ** the whole thickness), sigma_m,z,d = 3.232759, f_m,d = 24 x 0.8 / 1.3 = 14.769231: 0.218885.
    ** EN 1995-1-1, (6.19): 0.083385² + 0.7 x 0.218885 = 0.160172; (6.20): 0.083385² + 0.218885 =
    ** 0.225838. Over the lap's length l = 216 mm the half (i = 0.289 x 80 = 23.12 mm) has, with
    ** the catalogue's E_0,05 = 2/3 x 11000 = 7333.3 N/mm², lambda_rel,z = 216 / 23.12 / pi x
    ** sqrt(21 / 7333.3) = 0.159138 <= 0.3: k_c = 1 (6.3.2);
    ** (6.24): 0.083385 + 0.218885 = 0.302269, (6.23): 0.083385 + 0.7 x 0.218885 = 0.236604.
    ** The timber takes 0.302269 (centric 0.083385 before). */
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_LAP;
    Splice_Input.splice_kind = SPLICE_COMPRESSION;
    Splice_Input.service_class = 1;
    Splice_Input.mat_mid = 0;
    Splice_Input.grade_mid = 5; /* C24 */
    Splice_Input.b = 16.0;
    Splice_Input.h = 20.0;
    Splice_Input.vbm_type = VBM_BOLZEN;
    Splice_Input.d = 12.0;
    Splice_Input.vbm_steel = 23; /* 4.6 */
    Splice_Input.L_user = 0;
    Splice_Input.lkom.groups[0].kled = KLED_MITTEL;
    Splice_Input.lkom.groups[0].kmod_source = 1;
    Set_Layout(3, 2);
    Set_Lkom(0, 0, 0.0, -15.0, 0.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Set_Design_Gammas(0);
    EXPECT_NEAR(Splice_Input.L, 21.6, 1e-9);
    Timber_Check r;
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    const Lap_Compression_Check &l = r.lap;
    ASSERT_EQ(l.done, 1);
    EXPECT_NEAR(l.A_n, 139.2, 1e-9);
    EXPECT_NEAR(l.M_z, 0.6, 1e-12);
    EXPECT_NEAR(l.W_z, 185.6, 1e-9);
    EXPECT_NEAR(l.sigma_c, 1.077586, 1e-6);
    EXPECT_NEAR(l.sigma_m_z, 3.232759, 1e-6);
    EXPECT_NEAR(l.u_619, 0.160172, 1e-6);
    EXPECT_NEAR(l.u_620, 0.225838, 1e-6);
    EXPECT_NEAR(l.lambda_rel_z, 0.159138, 1e-5);
    EXPECT_DOUBLE_EQ(l.k_c_z, 1.0);
    EXPECT_NEAR(l.u_623, 0.236604, 1e-6);
    EXPECT_NEAR(l.u_624, 0.302269, 1e-6);
    EXPECT_NEAR(r.mid.u, 0.083385, 1e-6);
    EXPECT_NEAR(r.u, 0.302269, 1e-6);
    double u_mid = 0.0;
    Oli_Holz_Nachweis(nullptr, 0, 0, &u_mid, nullptr);
    EXPECT_NEAR(u_mid, 0.302269, 1e-6);
    const std::string t = Printed(Print_Timber_Check, &r);
    EXPECT_TRUE(Has(t, "M = |N| x t/2 = 15.00 x 0.0400 m = 0.600 kNm")) << t;
    EXPECT_TRUE(Has(t, "(6.24): 0.0834 / 1.000 + 0.7 x 0.0000 + 0.2189 = 0.302")) << t;
    /* in tension the halves keep the reduction of their tensile strength, no bending check */
    Get_Lkom_Entry(0, 0)->N_d = 15.0;
    Splice_Input.splice_kind = SPLICE_TENSION;
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    EXPECT_EQ(r.lap.done, 0);
}

TEST(TimberCheck, TheHalvesOfALapInTensionWithoutReductionBendUnderTheirEccentricity)
{
    /* The golden lap: C24 16/24 cm (halves t = 80 mm), 3 x 3 dowels 12 mm in single shear,
    ** N_d = 20 kN, kmod 0.9, gamma_M 1.3, an annex without the reduction of members loaded from
    ** one side. Net section of a half: A_n = 8 x 24 - 3 x 1.2 x 8 = 163.2 cm², sigma_t,0,d =
    ** 20 / 163.2 x 10 = 1.225490, f_t,0,d = 14.5 x 0.9 / 1.3 = 10.038462 (EN 338, k_h = 1 for
    ** the halves): 0.122079 centric. The eccentricity t/2 = 40 mm: M = 20 x 0.04 = 0.8 kNm across
    ** the thickness, W_z,n = A_n t / 6 = 163.2 x 8 / 6 = 217.6 cm³, sigma_m,z,d = 0.8e6 / 217.6e3
    ** = 3.676471, f_m,d = 24 x 0.9 / 1.3 = 16.615385: 0.221269. EN 1995-1-1, (6.17): 0.122079 +
    ** 0.7 x 0.221269 = 0.276968; (6.18): 0.122079 + 0.221269 = 0.343349. The timber takes
    ** 0.343349 (0.122079 before). */
    Fresh_Splice(true);
    Nad_Record.ec5.na816_tension_reduction = 0;
    Splice_Input.connection_kind = CONN_LAP;
    Splice_Input.b = 16.0;
    Splice_Input.h = 24.0;
    Splice_Input.d = 12.0;
    Splice_Input.l = 160.0;
    Splice_Input.shear_planes = 1;
    Set_Layout(3, 3);
    Tension_Splice(20.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Set_Design_Gammas(0);
    ASSERT_EQ(Splice_Input.vbm_type, VBM_STABDUEBEL);
    ASSERT_DOUBLE_EQ(Get_Member_Tension_Factor(Splice_Input.vbm_type, Splice_Input.predrilled),
                     1.0);
    Timber_Check r;
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    const Lap_Tension_Check &l = r.lap_t;
    ASSERT_EQ(l.done, 1);
    EXPECT_EQ(r.lap.done, 0);
    EXPECT_NEAR(l.A_n, 163.2, 1e-9);
    EXPECT_NEAR(l.M_z, 0.8, 1e-12);
    EXPECT_NEAR(l.W_z, 217.6, 1e-9);
    EXPECT_NEAR(l.sigma_t, 1.225490, 1e-6);
    EXPECT_NEAR(l.sigma_m_z, 3.676471, 1e-6);
    EXPECT_NEAR(l.f_t_0_d, 10.038462, 1e-6);
    EXPECT_NEAR(l.f_m_d, 16.615385, 1e-6);
    EXPECT_NEAR(l.u_617, 0.276968, 1e-6);
    EXPECT_NEAR(l.u_618, 0.343349, 1e-6);
    EXPECT_NEAR(r.mid.u, 0.122079, 1e-6);
    EXPECT_NEAR(r.u, 0.343349, 1e-6);
    double u_mid = 0.0;
    Oli_Holz_Nachweis(nullptr, 0, 0, &u_mid, nullptr);
    EXPECT_NEAR(u_mid, 0.343349, 1e-6);
    const std::string t = Printed(Print_Timber_Check, &r);
    EXPECT_TRUE(Has(t, "M = |N| x t/2 = 20.00 x 0.0400 m = 0.800 kNm")) << t;
    EXPECT_TRUE(Has(t, "= 1.00 x 14.50 x 0.90 / 1.30 = 10.04 N/mm")) << t;
    EXPECT_TRUE(Has(t, "(6.18): 0.1221 + 0.7 x 0.0000 + 0.2213 = 0.343 ")) << t;
    EXPECT_TRUE(Has(t, "u\xCE\\max\xCEr = 0.34 ")) << t;
    /* with the annex's reduction k_red = 0.4 of dowels the halves keep it, no bending check:
    ** 1.225490 / (0.4 x 10.038462) = 0.305199 */
    Nad_Record.ec5.na816_tension_reduction = 1;
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    EXPECT_EQ(r.lap_t.done, 0);
    EXPECT_NEAR(r.u, 0.305199, 1e-6);

    /* The same lap as a bending splice, M_d = 2 kNm, N_d = 20 kN, V_d = 0, without the
    ** reduction: the half also carries M_d about its height (M = |M_d| + |V_d| x_max = 2 kNm) on
    ** its net section 8/24 cm. Its rows lie at y = 0 and +-a: the moment turns the force of the
    ** dowels at (+-6, -a) cm to alpha = atan(F_y / |F_x|) with I_p = 6 x 6² + 6 a², F_x = 20 / 9
    ** - 200 a / I_p, F_y = 200 x 6 / I_p, and the rows spread between the loaded edges' distances
    ** a_4,t = (2 + 2 sin alpha) d (EN 1995-1-1, table 8.5): a = (240 - 2 a_4,t) / 2. Worked to
    ** its fixed point: alpha = 77.355 deg, a_4,t = 47.42 mm, a = 72.58 mm. With holes 13 mm wide
    ** (9.6 cm² each): I_n = 9216 - 9.6 x (6.5² / 3 + 2 x (72.58² + 6.5² / 3)) / 100 = 8200.46
    ** cm⁴, W_n = 2 I_n / 24 = 683.371 cm³, sigma_m,y,d = 2e6 / 683.371e3 = 2.926666, / 16.615385
    ** = 0.176142. With 0.122079 and 0.221269 as above, (6.17): 0.122079 + 0.176142 + 0.7 x
    ** 0.221269 = 0.453110; (6.18): 0.122079 + 0.7 x 0.176142 + 0.221269 = 0.466648, which the
    ** timber takes (its member check stays below). */
    Nad_Record.ec5.na816_tension_reduction = 0;
    Splice_Input.splice_kind = SPLICE_BENDING;
    Set_Lkom(0, 0, 2.0, 20.0, 0.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Set_Design_Gammas(0);
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    ASSERT_EQ(l.done, 1);
    EXPECT_EQ(r.lap.done, 0);
    EXPECT_NEAR(r.M_sec, 2.0, 1e-12);
    EXPECT_NEAR(l.M_y, 2.0, 1e-12);
    EXPECT_NEAR(l.W_y, 683.371, 1e-2);
    EXPECT_NEAR(l.sigma_m_y, 2.926666, 1e-4);
    EXPECT_NEAR(l.sigma_m_z, 3.676471, 1e-6);
    EXPECT_NEAR(l.u_617, 0.453110, 1e-5);
    EXPECT_NEAR(l.u_618, 0.466648, 1e-5);
    EXPECT_LT(r.mid.u, l.u);
    EXPECT_NEAR(r.u, 0.466648, 1e-5);
    Oli_Holz_Nachweis(nullptr, 0, 0, &u_mid, nullptr);
    EXPECT_NEAR(u_mid, 0.466648, 1e-5);
    const std::string tb = Printed(Print_Timber_Check, &r);
    /* the operands: M_y,d and W_n (683.37 by hand, the layout's iteration stops 0.004 cm³ off) */
    EXPECT_TRUE(Has(tb, "M\xCE\\y,d\xCEr / W\xCE\\n\xCEr = 2.00 kNm / 683.3")) << tb;
    EXPECT_TRUE(Has(tb, " cm\xCE/3\xCEr = 2.927 N/mm")) << tb;
    EXPECT_TRUE(Has(tb, "(6.18): 0.1221 + 0.7 x 0.1761 + 0.2213 = 0.467 ")) << tb;
    /* compression in a bending splice: the halves are checked in compression with bending */
    Get_Lkom_Entry(0, 0)->N_d = -20.0;
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    EXPECT_EQ(r.lap_t.done, 0);
    EXPECT_EQ(r.lap.done, 1);
    /* no axial force: no eccentricity, but the halves keep their check, as under any N_d: the
    ** middle row's dowels carry the moment across the grain alone (alpha = 90 deg), a_4,t = 4 d
    ** = 48 mm, a = 72 mm: I_n = 9216 - 9.6 x (6.5² / 3 + 2 x (72² + 6.5² / 3)) / 100 = 8216.616
    ** cm⁴, W_n = 684.718 cm³, sigma_m,y,d = 2e6 / 684.718e3 = 2.920911, (6.17): 2.920911 /
    ** 16.615385 = 0.175796 */
    Get_Lkom_Entry(0, 0)->N_d = 0.0;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Set_Design_Gammas(0);
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    EXPECT_EQ(r.lap.done, 0);
    ASSERT_EQ(r.lap_t.done, 1);
    EXPECT_NEAR(r.lap_t.u, 0.175796, 1e-6);

    /* Beyond its outermost column a half still carries the moment alone, growing with V_d up
    ** to the end of the lap, where the full section begins: with L = 60 cm and V_d = 8 kN, at
    ** L / 2 = 30 cm M = 2 + 8 x 0.30 = 4.4 kNm on the gross half 8/24 cm, W = 8 x 24² / 6 = 768
    ** cm³: sigma_m,d = 4.4e6 / 768e3 = 5.729167 N/mm², / 16.615385 = 0.344811 governs the half
    ** there; the shear 1.5 x 8000 / (0.67 x 80 x 240) = 0.932836 N/mm² (k_cr of this annex),
    ** f_v,d = 4.0 x 0.9 / 1.3 = 2.769231: 0.336857 */
    Splice_Input.L_user = 1;
    Splice_Input.L = 60.0;
    Set_Lkom(0, 0, 2.0, 0.0, 8.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Set_Design_Gammas(0);
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    ASSERT_EQ(r.lap_end_done, 1);
    EXPECT_NEAR(r.x_end, 30.0, 1e-12);
    EXPECT_NEAR(r.M_end, 4.4, 1e-12);
    EXPECT_NEAR(r.lap_end.sigma_m, 5.729167, 1e-6);
    EXPECT_NEAR(r.lap_end.tau, 0.932836, 1e-6);
    EXPECT_NEAR(r.lap_end.u, 0.344811, 1e-6);
    EXPECT_GE(r.u, r.lap_end.u);
}

TEST(TimberCheck, NoPartialFactorLeavesTheStressesUncomputed)
{
    Nailed_Timber_Splice(48.0);
    Splice_Input.gamma_m_side = 0.0;
    Timber_Check r;
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    EXPECT_EQ(r.state, TIMBER_CHECK_NO_GAMMA);
    EXPECT_DOUBLE_EQ(r.mid.sigma_0, 0.0);
    double um = 0, us = 0;
    EXPECT_DOUBLE_EQ(Oli_Holz_Nachweis(nullptr, 0, 0, &um, &us), UTIL_NO_CHECK);
    EXPECT_DOUBLE_EQ(us, UTIL_NO_CHECK);
    /* the side timbers' factor does not count between steel plates */
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    EXPECT_EQ(r.state, TIMBER_CHECK_DONE);
    Splice_Input.gamma_m_mid = 0.0;
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    EXPECT_EQ(r.state, TIMBER_CHECK_NO_GAMMA);
}

TEST(TimberCheck, PrinterWritesTheRecord)
{
    Nailed_Timber_Splice(48.0);
    Timber_Check r;
    ASSERT_EQ(Calc_Timber_Check(0, 0, &r), 1);
    /* the printer writes what the check writes */
    FILE *b = tmpfile();
    Oli_Init_Writer(3, 2, 1);
    Oli_Holz_Nachweis(b, 0, 0, nullptr, nullptr);
    const std::string whole = Slurp_Print(b);
    fclose(b);
    const std::string s = Printed(Print_Timber_Check, &r);
    EXPECT_EQ(s, whole);
    EXPECT_TRUE(Has(s, "Seitenh\x94lzer: \xCC\xCE\\t,d\xCEr = 2.00 N/mm")) << s;
    EXPECT_TRUE(Has(s, "mit k\xCE\\cr\xCEr = 0.670")) << s;
    EXPECT_TRUE(Has(s, "= 0.667 x 14.50 x 0.90 / 1.30 = 6.69 N/mm")) << s;

    /* every value printed comes from the record */
    Timber_Check m = r;
    m.mid.sigma_0 = 9.87;
    m.side.tau = 3.21;
    m.side.V = 5.43;
    m.mid.k_cr = 0.5;
    m.k_red = 0.4;
    m.k_h = 1.1;
    m.f_t_0_k = 11.0;
    m.kmod_t = 0.8;
    m.gamma_m_t = 1.25;
    m.f_t_0_d = 7.77;
    std::string t = Printed(Print_Timber_Check, &m);
    EXPECT_TRUE(Has(t, "Mittelholz: \xCC\xCE\\t,d\xCEr = 9.87 N/mm")) << t;
    EXPECT_TRUE(Has(t, "\xD6\xCE\\"
                       "d\xCEr = 3.21 N/mm\xCE/2\xCEr (mit V\xCE\\"
                       "d\xCEr = 5.43 kN)"))
        << t;
    EXPECT_TRUE(Has(t, "mit k\xCE\\cr\xCEr = 0.500")) << t;
    EXPECT_TRUE(Has(t, "= 0.400 x 1.100 x 11.00 x 0.80 / 1.25 = 7.77 N/mm")) << t;
    EXPECT_TRUE(Has(t, "mit k\xCE\\red\xCEr = 0.4 nach DIN EN 1995-1-1/NA")) << t;

    /* DIN 1052: no k_cr lines, the DIN rule named */
    m.annex = 0;
    t = Printed(Print_Timber_Check, &m);
    EXPECT_FALSE(Has(t, "k\xCE\\cr")) << t;
    EXPECT_TRUE(Has(t, "mit k\xCE\\red\xCEr = 0.4 nach DIN 1052, 11.1.2")) << t;

    /* a lap: the halves' strength line, named as the lamellas and as loaded from one side */
    m.kind = CONN_LAP;
    m.k_h = 1.0;
    t = Printed(Print_Timber_Check, &m);
    EXPECT_TRUE(Has(t, "Holzlamellen: f\xCE\\t,0,d\xCEr = k\xCE\\red\xCEr x f\xCE\\t,0,k\xCEr x "
                       "k\xCE\\mod\xCEr / \xC0\xCE\\M\xCEr = 0.400 x 11.00 x 0.80 / 1.25 = 7.77"))
        << t;
    EXPECT_TRUE(Has(t, "(einseitig beanspruchte Blatthälften)"_cp850)) << t;
    EXPECT_FALSE(Has(t, "Seitenh\x94lzer")) << t;

    /* compression: "c,d", and no tensile strength of the side timbers once it is not set */
    m = r;
    m.N = -1.0;
    m.one_sided_tension = 0;
    t = Printed(Print_Timber_Check, &m);
    EXPECT_TRUE(Has(t, "\xCC\xCE\\"
                       "c,d\xCEr = 2.00"))
        << t;
    EXPECT_FALSE(Has(t, "f\xCE\\t,0,d")) << t;

    /* the joint shear where a moment acts, the tension perpendicular lines and the hint */
    m = r;
    m.bending = 1;
    m.joint_moment = 1;
    m.V_d = -4.0;
    m.M = -1.0;
    m.k_xr = 0.1;
    m.V = 7.0;
    m.shear.done = 1;
    m.shear.V_d = -4.0;
    m.shear.M = -1.0;
    m.shear.k_xr = 0.1;
    m.shear.columns = 2;
    m.shear.F[0] = -1.5;
    m.shear.F[1] = 5.5;
    m.shear.side_timbers = 1;
    m.shear.section = 1;
    m.shear.V_joint_side = 1.5;
    m.shear.V_member_side = 5.5;
    m.shear.V_sections = 1.5;
    m.shear.V = 7.0;
    m.shear.plate_section = 1;
    m.shear.V_plate_sections = 5.5;
    m.shear.V_plate = 7.0;
    m.M_d = -3.0;
    m.x_max = 12.5;
    m.M_sec = 3.5;
    m.t90 = 1;
    m.V90 = 2.0;
    m.sigma_90_mid = 0.32;
    m.f_t90_mid = 0.28;
    m.u90_mid = 1.16;
    m.sigma_90_side = 0.27;
    m.f_t90_side = 0.29;
    m.u90_side = 0.96;
    m.withdrawal_hint = 1;
    t = Printed(Print_Timber_Check, &m);
    EXPECT_TRUE(Has(t, "F\xCE\\V\xCEr = -1.50 / 5.50 kN")) << t;
    EXPECT_TRUE(Has(t, "im Mittelholz (Sto\xE1seite der Schnitte, freies Holzende am Sto\xE1): "
                       "zwischen Spalte 1 und 2 |\xB2"
                       "F\xCE\\V\xCEr Spalte 1| = 1.50 kN"))
        << t;
    EXPECT_TRUE(Has(t, "der Seitenh\x94lzer (Seite zum Ende der Seitenh\x94lzer): zwischen "
                       "Spalte 1 und 2 |\xB2"
                       "F\xCE\\V\xCEr Spalte 2| = 5.50 kN"))
        << t;
    EXPECT_TRUE(Has(t, "= max(1.50; 4.00; 4.00 / 2 + 10.0000 1/m x 1.00 kNm / 2) = 7.00 kN")) << t;
    EXPECT_TRUE(Has(t, "= max(5.50; 4.00; 4.00 / 2 + 10.0000 1/m x 1.00 kNm / 2) = 7.00 kN")) << t;
    EXPECT_TRUE(Has(t, "M = |M\xCE\\d\xCEr| + |V\xCE\\d\xCEr| x\xCE\\max\xCEr = |-3.00| + "
                       "|-4.00| x 0.1250 m = 3.50 kNm"))
        << t;
    EXPECT_TRUE(Has(t, "(mit V\xCE\\Holz\xCEr = ")) << t;
    EXPECT_TRUE(Has(t, "(mit V\xCE\\Seitenholz\xCEr = ")) << t;
    EXPECT_TRUE(Has(t, "Mittelholz  : max V\xCE\\"
                       "90,d\xCEr = 2.00 kN, \xCC\xCE\\"
                       "90,d\xCEr = 0.32 "
                       "N/mm\xCE/2\xCEr, f\xCE\\t90,d\xCEr = 0.28 N/mm\xCE/2\xCEr => u = 1.16"))
        << t;
    EXPECT_TRUE(Has(t, "Seitenh\x94lzer: max V\xCE\\"
                       "90,d\xCEr = 2.00 kN, \xCC\xCE\\"
                       "90,d\xCEr = 0.27 "
                       "N/mm\xCE/2\xCEr, f\xCE\\t90,d\xCEr = 0.29 N/mm\xCE/2\xCEr => u = 0.96"))
        << t;
    EXPECT_TRUE(Has(t, "ausziehfeste Verbindungsmittel anordnen!"_cp850)) << t;
    /* the hint cites the rule of the standard in force */
    m.annex = 1;
    EXPECT_TRUE(Has(Printed(Print_Timber_Check, &m),
                    "Bei reinen Zugst\x94\xE1"
                    "en gem\x84\xE1 DIN EN 1995-1-1/NA, NCI NA.8.1.6 zus\x84tzliche"));
    m.annex = 0;
    EXPECT_TRUE(Has(Printed(Print_Timber_Check, &m),
                    "Bei reinen Zugst\x94\xE1"
                    "en gem\x84\xE1 DIN 1052, 11.1.2 (4) zus\x84tzliche"));

    /* the result line names the failing timber */
    m = r;
    m.side.u = 1.2;
    m.u = 1.2;
    t = Printed(Print_Timber_Check, &m);
    EXPECT_TRUE(Has(t, "Maximale Ausnutzung der Seitenh\x94lzer u\xCE\\max\xCEr = 1.20 > 1")) << t;
    m.mid.u = 1.1;
    t = Printed(Print_Timber_Check, &m);
    EXPECT_TRUE(Has(t, "der Seitenh\x94lzer u\xCE\\max\xCEr = 1.20 > 1, des Mittelholzes u = 1.10 "
                       "> 1 =>"))
        << t;
    m.kind = CONN_INNER_PLATES;
    t = Printed(Print_Timber_Check, &m);
    EXPECT_TRUE(Has(t, "Holzlamellen: ")) << t;
    EXPECT_TRUE(Has(t, "Maximale Ausnutzung der Holzlamellen u\xCE\\max\xCEr = 1.20 > 1")) << t;
    EXPECT_FALSE(Has(t, "Seitenh\x94lzer")) << t;

    /* no partial factor: the heading and the failed line, nothing else */
    m = r;
    m.state = TIMBER_CHECK_NO_GAMMA;
    t = Printed(Print_Timber_Check, &m);
    EXPECT_TRUE(Has(t, "\xC0\xCE\\M\xCEr nicht bestimmbar")) << t;
    EXPECT_FALSE(Has(t, "Mittelholz")) << t;

    Print_Timber_Check(nullptr, &r); /* no file: nothing, no fault */
}

/* ---------------------------------------------------------------- bearing of the plate holes */

/* The outer-plate bolt splice (M12, 2 x 2 per half) under N = 60 kN, prepared, with the hole
** distances set to e1 = 2.4, e2 = 1.6, p1 = 4.0, p2 = 3.5 cm on S235 plates 10 mm thick,
** gamma_M2 = 1.25, every fastener in the table. */
static void Bolted_Plate_Splice(void)
{
    Outer_Plate_Bolt_Splice();
    Tension_Splice(60.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Set_Design_Gammas(0);
    Splice_Input.plate_steel = 5;
    Splice_Input.gamma_m2 = 1.25;
    Splice_Input.e1 = 2.4;
    Splice_Input.e2 = 1.6;
    Splice_Input.p1 = 4.0;
    Splice_Input.p2 = 3.5;
    Splice_Input.e_rand_ec = 2.4;
    Splice_Input.print.fasteners = 1;
}

static double Largest_X(void)
{
    double x = -1e300;
    for (int i = 0; i < Fastener_Pattern.count; i++) x = std::fmax(x, Fastener_Pattern.recs[i].x);
    return x;
}

TEST(BearingCheck, EurocodeComputedIntoTheRecord)
{
    /* EN 1993-1-8, Table 3.4, d = 12 mm, d0 = 13 mm, t = 10 mm, f_u = 360 N/mm² (S235), the
    ** bolt's f_ub / f_u >= 1 does not govern; f_u d t / gamma_M2 = 360 * 12 * 10 / 1.25 = 34.56 kN.
    ** 2 x 2 bolts, e1 = 24, e2 = 16, p1 = 40, p2 = 35 mm; both rows lie at the plate's edges.
    ** Along the grain (F_totH): alpha_b = e1 / 3 d0 = 24 / 39 = 0.615385 towards the end,
    **   p1 / 3 d0 - 1/4 = 40 / 39 - 0.25 = 0.775641 between the holes; k1 = min(2.8 e2 / d0 - 1.7,
    **   1.4 p2 / d0 - 1.7, 2.5) = min(1.746154, 2.069231, 2.5) = 1.746154 at an edge,
    **   min(1.4 p2 / d0 - 1.7, 2.5) = 2.069231 inside.
    ** Across (F_totV): alpha_b = e2 / 3 d0 = 16 / 39 = 0.410256 towards the edge, p2 / 3 d0 - 1/4
    **   = 35 / 39 - 0.25 = 0.647436 between; k1 = min(2.8 e1 / d0 - 1.7 = 3.469231, 1.4 p1 / d0
    **   - 1.7 = 2.607692, 2.5) = 2.5 at the end column, min(2.607692, 2.5) = 2.5 inside.
    ** Each bolt carries 60 / (4 * 2) = 7.5 kN per shear plane along the grain, towards the plate
    ** end: the column at the plate end F_b,Rd = 1.746154 * 0.615385 * 34.56 = 37.1367 kN,
    ** u = 7.5 / 37.1367 = 0.201957; the inner column, beside the edges as well,
    ** 1.746154 * 0.775641 * 34.56 = 46.8077 kN, u = 0.160230 (with the inner k1 it was 55.4681 kN
    ** and 0.135213). */
    Bolted_Plate_Splice();
    ASSERT_GE(Plate_Bearing_Fu_B(), 360.0);
    Bearing_Check r;
    ASSERT_EQ(Calc_Bearing_Check(0, 0, &r), 1);
    EXPECT_EQ(r.annex, 1);
    EXPECT_DOUBLE_EQ(r.d0, 13.0);
    EXPECT_DOUBLE_EQ(r.d, 12.0);
    EXPECT_DOUBLE_EQ(r.t, 10.0);
    EXPECT_DOUBLE_EQ(r.f_u, 360.0);
    EXPECT_DOUBLE_EQ(r.gamma_m2, 1.25);
    EXPECT_DOUBLE_EQ(r.p1, 4.0);
    EXPECT_DOUBLE_EQ(r.p2, 3.5);
    EXPECT_DOUBLE_EQ(r.e1, 2.4);
    EXPECT_DOUBLE_EQ(r.e2, 1.6);
    EXPECT_NEAR(r.H.alpha_end, 0.615385, 1e-6);
    EXPECT_NEAR(r.H.alpha_in, 0.775641, 1e-6);
    EXPECT_NEAR(r.H.k1_edge, 1.746154, 1e-6);
    EXPECT_NEAR(r.H.k1_in, 2.069231, 1e-6);
    EXPECT_NEAR(r.V.alpha_end, 0.410256, 1e-6);
    EXPECT_NEAR(r.V.alpha_in, 0.647436, 1e-6);
    EXPECT_DOUBLE_EQ(r.V.k1_edge, 2.5);
    EXPECT_DOUBLE_EQ(r.V.k1_in, 2.5);
    ASSERT_EQ(r.n, Fastener_Pattern.count);
    ASSERT_EQ(r.n, 4);
    EXPECT_EQ(r.first, 0);
    const double x_end = Largest_X();
    int n_end = 0;
    for (int i = 0; i < r.n; i++) {
        const Bearing_Row &row = r.rows[i];
        const bool end = Fastener_Pattern.recs[i].x >= x_end - 1e-4;
        n_end += end;
        EXPECT_NEAR(row.F_tot, 7.5, 1e-9) << i;
        EXPECT_NEAR(row.F_totH, 7.5, 1e-9) << i;
        EXPECT_NEAR(row.F_totV, 0.0, 1e-9) << i;
        EXPECT_NEAR(row.alpha, 0.0, 1e-9) << i;
        EXPECT_NEAR(row.R_H, end ? 37.1367 : 46.8077, 1e-4) << i;
        EXPECT_NEAR(row.u, end ? 0.201957 : 0.160230, 1e-6) << i;
    }
    EXPECT_EQ(n_end, 2);
    EXPECT_NEAR(r.u_max, 0.201957, 1e-6);
    Free_Bearing_Check(&r);
    EXPECT_EQ(r.rows, nullptr);
    Free_Bearing_Check(&r); /* twice is harmless */

    /* the governing fastener alone: one of the end column */
    Splice_Input.print.fasteners = 0;
    ASSERT_EQ(Calc_Bearing_Check(0, 0, &r), 1);
    ASSERT_EQ(r.n, 1);
    EXPECT_GE(Fastener_Pattern.recs[r.first].x, x_end - 1e-4);
    EXPECT_NEAR(r.rows[0].R_H, 37.1367, 1e-4);
    EXPECT_NEAR(r.u_max, 0.201957, 1e-6);
    Free_Bearing_Check(&r);

    /* inner plates: each of the two shear planes of a bolt between the plates takes twice the
    ** force: 15 / 37.1367 = 0.403914 */
    Splice_Input.print.fasteners = 1;
    Splice_Input.connection_kind = CONN_INNER_PLATES;
    ASSERT_EQ(Calc_Bearing_Check(0, 0, &r), 1);
    EXPECT_NEAR(r.u_max, 0.403914, 1e-6);
    Free_Bearing_Check(&r);

    /* compression: no force towards the plate end, every hole bears between the holes, beside
    ** the edges: 7.5 / 46.8077 = 0.160230 */
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Get_Lkom_Entry(0, 0)->N_d = -60.0;
    ASSERT_EQ(Calc_Bearing_Check(0, 0, &r), 1);
    EXPECT_NEAR(r.u_max, 0.160230, 1e-6);
    Free_Bearing_Check(&r);

    /* a small force towards the plate end still bears by the end's alpha_b: N = 4 kN,
    ** 4 / 8 = 0.5 kN per bolt and plane, u = 0.5 / 37.1367 = 0.013464 */
    Get_Lkom_Entry(0, 0)->N_d = 4.0;
    ASSERT_EQ(Calc_Bearing_Check(0, 0, &r), 1);
    EXPECT_NEAR(r.u_max, 0.013464, 1e-6);
    Free_Bearing_Check(&r);

    /* the end column is the one of the largest x, whichever fastener stands there: the first
    ** fastener moved beyond the others is the only one bearing by the end's alpha_b */
    Get_Lkom_Entry(0, 0)->N_d = 60.0;
    Fastener_Pattern.recs[0].x = x_end + 1.0;
    ASSERT_EQ(Calc_Bearing_Check(0, 0, &r), 1);
    for (int i = 0; i < r.n; i++) EXPECT_NEAR(r.rows[i].R_H, i == 0 ? 37.1367 : 46.8077, 1e-4) << i;
    Free_Bearing_Check(&r);

    /* no fastener: no rows, u = 0 */
    Fastener_Pattern.count = 0;
    ASSERT_EQ(Calc_Bearing_Check(0, 0, &r), 1);
    EXPECT_EQ(r.n, 0);
    EXPECT_EQ(r.rows, nullptr);
    EXPECT_DOUBLE_EQ(r.u_max, 0.0);

    /* no such combination: the record untouched */
    Bearing_Check untouched = r;
    EXPECT_EQ(Calc_Bearing_Check(-1, 0, &untouched), 0);
    EXPECT_EQ(untouched.rows, nullptr);
    EXPECT_EQ(untouched.n, 0);
}

TEST(BearingCheck, ForcesAcrossTheGrainBearByTheFactorsAcross)
{
    /* A bending splice with V_d = 8 kN and neither moment nor axial force: 8 / (4 * 2) = 1 kN
    ** per bolt and plane across the grain, nothing along it (EN 1993-1-8, Table 3.4, note 3:
    ** the component across with the factors across). The upper row (y > 0) is pushed towards its
    ** edge: alpha_b = e2 / 3 d0 = 16 / 39 = 0.410256, k1 = 2.5 (e1 and p1 far enough),
    ** F_b,Rd = 2.5 * 0.410256 * 34.56 = 35.4462 kN, u = 1 / 35.4462 = 0.028212; the lower row
    ** towards the next hole: alpha_b = 35 / 39 - 0.25 = 0.647436, 55.9385 kN, u = 0.017877.
    ** (Against the resistance along the grain, 55.4681 kN, it was u = 0.018028.) */
    Bolted_Plate_Splice();
    Splice_Input.splice_kind = SPLICE_BENDING;
    Lkom_Entry *c = Get_Lkom_Entry(0, 0);
    c->N_d = 0.0;
    c->V_d = 8.0;
    c->M_d = c->M_distr = 0.0;
    Bearing_Check r;
    ASSERT_EQ(Calc_Bearing_Check(0, 0, &r), 1);
    ASSERT_EQ(r.n, 4);
    for (int i = 0; i < r.n; i++) {
        const bool upper = Fastener_Pattern.recs[i].y > 0.0;
        EXPECT_NEAR(r.rows[i].F_totH, 0.0, 1e-12) << i;
        EXPECT_NEAR(r.rows[i].F_totV, 1.0, 1e-9) << i;
        EXPECT_NEAR(r.rows[i].R_V, upper ? 35.4462 : 55.9385, 1e-4) << i;
        EXPECT_NEAR(r.rows[i].u, upper ? 0.028212 : 0.017877, 1e-6) << i;
    }
    EXPECT_NEAR(r.u_max, 0.028212, 1e-6);
    Free_Bearing_Check(&r);

    /* The end column 1.2 d0 = 15.6 mm from the plate's end: across the grain its holes stand
    ** beside the end, k1 = min(2.8 e1 / d0 - 1.7, 1.4 p1 / d0 - 1.7, 2.5) = min(2.8 x 15.6 / 13
    ** - 1.7, 1.4 x 40 / 13 - 1.7, 2.5) = min(1.66, 2.607692, 2.5) = 1.66 (EN 1993-1-8, Table 3.4,
    ** note 3); the upper hole there: F_b,Rd = 1.66 x 16 / 39 x 34.56 = 23.53625 kN, u = 1 /
    ** 23.53625 = 0.042488; the column nearer the joint keeps k1 = 2.5 (35.4462 kN). */
    Splice_Input.e1 = 1.56;
    ASSERT_EQ(Calc_Bearing_Check(0, 0, &r), 1);
    EXPECT_NEAR(r.V.k1_edge, 1.66, 1e-9);
    const double x_end_column = Largest_X();
    for (int i = 0; i < r.n; i++) {
        const bool upper = Fastener_Pattern.recs[i].y > 0.0;
        const bool end = Fastener_Pattern.recs[i].x >= x_end_column - 1e-4;
        if (!upper) continue;
        EXPECT_NEAR(r.rows[i].R_V, end ? 23.53625 : 35.4462, 1e-4) << i;
    }
    EXPECT_NEAR(r.u_max, 0.042488, 1e-6);
    Free_Bearing_Check(&r);

    /* Two inner plates 10 mm S235, 17 cm high in a member 24 cm high, dowels 12 mm
    ** (d0 = 12 + 1 = 13), 4 columns x 2 rows, M_d = -2 kNm, V_d = 60 kN. The rows lie 1.2 * 1.3 =
    ** 1.56 cm inside the plate's edges (e2 = 15.6 mm). Per shear plane (4 planes, 8 dowels):
    ** V_d / 8 / 4 = 1.875 kN; the first column (x = 8.4) lies 8.9195 cm from the centroid
    ** x_c = 17.3195 (columns 5.9463 apart), I_p = 4 (8.9195² + 2.9732²) + 8 * 6.94² = 738.90 cm²,
    ** M = (2 + 17.3195 * 60 / 100) * 100 = 1239.17 kNcm: M_y = 1239.17 * 8.9195 / 738.90 / 4 =
    ** 3.7396 kN; the hole between two planes takes twice 5.6146: F_totV = 11.23 kN, towards the
    ** upper edge for the upper dowel. Across, alpha_b = e2 / 3 d0 = 15.6 / 39 = 0.4 and, away
    ** from the plate's end, k1 = min(1.4 * 59.46 / 13 - 1.7, 2.5) = 2.5: F_b,Rd = 2.5 * 0.4 *
    ** 360 * 12 * 10 / 1.25 = 34.56 kN, u = 11.23 / 34.56 = 0.325 (the resultant 12.65 kN
    ** against the resistance along the grain gave less). */
    Inner_Plate_Dowel_Splice();
    Splice_Input.splice_kind = SPLICE_BENDING;
    Splice_Input.h_p = 17.0;
    Splice_Input.L_user = 0;
    Set_Layout(4, 2);
    Set_Lkom(0, 0, -2.0, 0.0, 60.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Set_Design_Gammas(0);
    ASSERT_NEAR(Splice_Input.e2, 1.56, 1e-9);
    Splice_Input.print.fasteners = 0;
    ASSERT_EQ(Calc_Bearing_Check(0, 0, &r), 1);
    ASSERT_EQ(r.n, 1);
    EXPECT_NEAR(r.V.alpha_end, 0.4, 1e-9);
    EXPECT_DOUBLE_EQ(r.V.k1_in, 2.5);
    EXPECT_NEAR(Fastener_Pattern.recs[r.first].x, 8.4, 1e-9);
    EXPECT_GT(Fastener_Pattern.recs[r.first].y, 0.0);
    EXPECT_NEAR(r.rows[0].F_totV, 11.23, 5e-3);
    EXPECT_NEAR(r.rows[0].R_V, 34.56, 1e-9);
    EXPECT_NEAR(r.u_max, r.rows[0].F_totV / 34.56, 1e-12);
    EXPECT_NEAR(r.u_max, 0.325, 5e-4);
    Free_Bearing_Check(&r);
}

TEST(BearingCheck, SplitRingConnectorsBearByTheirBoltHole)
{
    /* Connectors of type C2 bear by their 12 mm bolt, d = 12, in a hole d0 = 12 + 0.4 = 12.4,
    ** along the grain: alpha_b = 24 / 37.2 = 0.645161 at the end, 40 / 37.2 - 0.25 = 0.825269
    ** between; k1 = min(2.8 * 16 / 12.4 - 1.7 = 1.912903, 1.4 * 35 / 12.4 - 1.7 = 2.251613, 2.5)
    ** = 1.912903 beside an edge, 2.251613 inside. The end column (both rows at the edges):
    ** F_b,Rd = 1.912903 * 0.645161 * 360 * 12 * 10 / 1.25 = 42.6516 kN, u = 7.5 / 42.6516 =
    ** 0.175843; twice the force on inner plates: 0.351686. */
    for (int kind : {CONN_OUTER_PLATES, CONN_INNER_PLATES}) {
        Bolted_Plate_Splice();
        Splice_Input.connection_kind = kind;
        Splice_Input.vbm_type = VBM_SCHEIBENDUEBEL_C2;
        Splice_Input.d_bolt = 12.0;
        ASSERT_GE(Plate_Bearing_Fu_B(), 360.0);
        Bearing_Check r;
        ASSERT_EQ(Calc_Bearing_Check(0, 0, &r), 1);
        EXPECT_NEAR(r.d0, 12.4, 1e-12) << kind;
        EXPECT_NEAR(r.H.alpha_end, 0.645161, 1e-6) << kind;
        EXPECT_NEAR(r.H.k1_edge, 1.912903, 1e-6) << kind;
        EXPECT_NEAR(r.H.alpha_in, 0.825269, 1e-6) << kind;
        EXPECT_NEAR(r.H.k1_in, 2.251613, 1e-6) << kind;
        EXPECT_NEAR(r.u_max, kind == CONN_OUTER_PLATES ? 0.175843 : 0.351686, 1e-6) << kind;
        Free_Bearing_Check(&r);
    }
}

TEST(BearingCheck, ShearPlatesBearByTheirHub)
{
    /* A shear plate B1 (dc 65) bears on the outer plate by its hub d3 = 20.5 mm, which passes
    ** the plate in a hole d0 = 20.5 + 1 = 21.5 mm (EN 1993-1-8, Table 3.4; the connector's dc
    ** lies in the timber). Plates 10 mm of S235 (f_u 360), gamma_M2 1.25, the bolts' f_ub above
    ** f_u. Far from the plate's end and edges (e1 = 200, e2 = 100, p1 = p2 = 250 mm) alpha_b = 1,
    ** k1 = 2.5: F_b,Rd = 2.5 x 1 x 360 x 20.5 x 10 / 1.25 = 147.6 kN (with dc as d and d0 it was
    ** 468 kN); u = 7.5 / 147.6 = 0.050813. At the least distances 1.2 d0 = 25.8 mm, 2.4 d0 =
    ** 51.6 mm: alpha_b = 25.8 / 64.5 = 0.4, k1 = 2.8 x 1.2 - 1.7 = 1.66: F_b,Rd = 1.66 x 0.4 x
    ** 360 x 20.5 x 10 / 1.25 = 39.2026 kN (124.3 kN with dc). */
    Connector_Catalogue *cat = const_cast<Connector_Catalogue *>(Get_Connector_Catalogue(31));
    ASSERT_NE(cat, nullptr);
    const Connector_Catalogue saved = *cat;
    memset(cat->rows, 0, sizeof cat->rows);
    cat->n_rows = 1;
    cat->rows[0].dc = 65.0;
    cat->rows[0].he = 15.0;
    cat->rows[0].d3 = 20.5;
    Bolted_Plate_Splice();
    Splice_Input.vbm_type = VBM_SCHEIBENDUEBEL_B1;
    Splice_Input.connector_index = 0;
    Splice_Input.d = 65.0;
    Splice_Input.d_bolt = 12.0;
    ASSERT_GE(Plate_Bearing_Fu_B(), 360.0);
    Splice_Input.e1 = Splice_Input.e_rand_ec = 20.0;
    Splice_Input.e2 = 10.0;
    Splice_Input.p1 = Splice_Input.p2 = 25.0;
    Bearing_Check r;
    ASSERT_EQ(Calc_Bearing_Check(0, 0, &r), 1);
    EXPECT_DOUBLE_EQ(r.d, 20.5);
    EXPECT_DOUBLE_EQ(r.d0, 21.5);
    for (int i = 0; i < r.n; i++) EXPECT_NEAR(r.rows[i].R_H, 147.6, 1e-9) << i;
    EXPECT_NEAR(r.u_max, 0.050813, 1e-6);
    /* the bearing line says what bears */
    FILE *f = tmpfile();
    ASSERT_NE(f, nullptr);
    Print_Bearing_Check(f, &r);
    const std::string s = Slurp_Print(f);
    fclose(f);
    EXPECT_NE(s.find("mit d = 20.5 mm (Nabe d\xCE\\3\xCEr des D\x81"
                     "bels), d\xCE\\0\xCEr = 21.5 mm, t = 10.0 mm"),
              std::string::npos)
        << s;
    Free_Bearing_Check(&r);
    Splice_Input.e1 = Splice_Input.e_rand_ec = Splice_Input.e2 = 2.58;
    Splice_Input.p1 = Splice_Input.p2 = 5.16;
    ASSERT_EQ(Calc_Bearing_Check(0, 0, &r), 1);
    EXPECT_NEAR(r.H.alpha_end, 0.4, 1e-9);
    EXPECT_NEAR(r.H.k1_edge, 1.66, 1e-9);
    EXPECT_NEAR(r.u_max, 7.5 / 39.2026, 1e-6);
    Free_Bearing_Check(&r);
    *cat = saved;
}

TEST(BearingCheck, InnerPlatesKeepTheClearanceOfTheirHoles)
{
    /* Nails and dowels of 12 mm in inner plates: d0 = 12 + 1 = 13 as in outer plates, so the
    ** values of the bolts above: alpha_b = 24 / 39 = 0.615385 at the end, k1 = 1.746154 beside
    ** the edge, F_b,Rd = 37.1367 kN; alpha_b = 40 / 39 - 0.25 = 0.775641 between, k1 =
    ** 2.069231 inside. Dowels in fitted holes, d0 = d = 12: alpha_b = 24 / 36 = 0.666667 at
    ** the end, k1 =
    ** min(2.8 * 16 / 12 - 1.7 = 2.033333, 1.4 * 35 / 12 - 1.7 = 2.383333) = 2.033333, F_b,Rd =
    ** 2.033333 * 0.666667 * 360 * 120 / 1.25 = 46.848 kN; alpha_b = 40 / 36 - 0.25 = 0.861111
    ** between, k1 = 2.383333 inside. The end hole takes 2 * 7.5 = 15 kN: u = 15 / 37.1367 =
    ** 0.403914 and 15 / 46.848 = 0.320184. */
    struct {
        int type, fitted;
        double alpha_end, k1_edge, alpha_in, k1_in, u;
    } cases[] = {
        {VBM_NAGEL, 0, 0.615385, 1.746154, 0.775641, 2.069231, 0.403914},
        {VBM_STABDUEBEL, 0, 0.615385, 1.746154, 0.775641, 2.069231, 0.403914},
        {VBM_STABDUEBEL, 1, 0.666667, 2.033333, 0.861111, 2.383333, 0.320184},
    };
    for (const auto &k : cases) {
        Bolted_Plate_Splice();
        Splice_Input.connection_kind = CONN_INNER_PLATES;
        Splice_Input.vbm_type = k.type;
        Splice_Input.fitted_bolt = k.fitted;
        ASSERT_GE(Plate_Bearing_Fu_B(), 360.0);
        Bearing_Check r;
        ASSERT_EQ(Calc_Bearing_Check(0, 0, &r), 1);
        EXPECT_NEAR(r.H.alpha_end, k.alpha_end, 1e-6) << k.type;
        EXPECT_NEAR(r.H.k1_edge, k.k1_edge, 1e-6) << k.type;
        EXPECT_NEAR(r.H.alpha_in, k.alpha_in, 1e-6) << k.type;
        EXPECT_NEAR(r.H.k1_in, k.k1_in, 1e-6) << k.type;
        EXPECT_NEAR(r.u_max, k.u, 1e-6) << k.type;
        Free_Bearing_Check(&r);
    }
}

TEST(BearingCheck, OneRowBearsByThePlateHeightWithoutChangingTheInput)
{
    /* one row of bolts: p2 is the plate height, 24 cm, so k1 inside would be 2.5, and the row
    ** lies beside both edges: k1 = min(2.8 e2 / d0 - 1.7, 1.4 * 240 / 13 - 1.7) = 1.746154 for
    ** every hole; the inner column F_b,Rd = 1.746154 * 0.775641 * 34.56 = 46.8077 kN. Across,
    ** the force of one row points to an edge whichever way it goes. The input keeps its own p2. */
    Bolted_Plate_Splice();
    Set_Layout(2, 1);
    Splice_Input.h_p = 24.0;
    EXPECT_DOUBLE_EQ(Plate_Row_Spacing(&Splice_Input), 24.0);
    /* the row of the test's pattern: both bolts of a column on the axis */
    for (int i = 0; i < Fastener_Pattern.count; i++) Fastener_Pattern.recs[i].y = 0.0;
    Bearing_Check r;
    ASSERT_EQ(Calc_Bearing_Check(0, 0, &r), 1);
    EXPECT_DOUBLE_EQ(r.p2, 24.0);
    EXPECT_DOUBLE_EQ(r.H.k1_in, 2.5);
    EXPECT_NEAR(r.H.k1_edge, 1.746154, 1e-6);
    const double x_end = Largest_X();
    for (int i = 0; i < r.n; i++) {
        if (Fastener_Pattern.recs[i].x < x_end - 1e-4) {
            EXPECT_NEAR(r.rows[i].R_H, 46.8077, 1e-4) << i;
        }
    }
    EXPECT_DOUBLE_EQ(Splice_Input.p2, 3.5);
    Free_Bearing_Check(&r);
    Set_Layout(2, 2);
    EXPECT_DOUBLE_EQ(Plate_Row_Spacing(&Splice_Input), 3.5);
    Set_Layout(2, 1.5); /* not one whole row */
    EXPECT_DOUBLE_EQ(Plate_Row_Spacing(&Splice_Input), 3.5);

    /* the design run keeps the spacing the check took with the splice (it is saved with it) */
    Outer_Plate_Bolt_Splice();
    Set_Layout(2, 1);
    Tension_Splice(60.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Run_Nachweise(nullptr, 0);
    EXPECT_DOUBLE_EQ(Splice_Input.p2, 24.0);
}

TEST(BearingCheck, DinComputedIntoTheRecord)
{
    /* DIN 18800-1, M12 bolts in 10 mm plates, holes d_L = d0 = 13 mm: e = 2.2 d0 = 28.6,
    ** e1 = e2 = 1.2 d0 = 15.6, e3 = 2.4 d0 = 31.2 mm; Table 8 over d_L, hole by hole, with
    ** q = e2 / d_L = 1.2 and e3 / d_L = 2.4 (relaxed): the lower line;
    ** inner by e / d_L = 2.2: 0.72 * 2.2 - 0.51 = 1.074;
    **   V_l,R,d = t d_Sch alpha_l f_y,k / gamma_M = 10 * 12 * 1.074 * 240 / 1.1 = 28.1193 kN;
    ** end by e_Rand / d_L = 15.6 / 13 = 1.2: 0.73 * 1.2 - 0.2 = 0.676: 120 * 0.676 * 218.18 =
    **   17.6989 kN. (Over the shank, d_L = 12: 1.4053, 0.876, 36.794 and 22.935 kN.) */
    Outer_Plate_Bolt_Splice();
    Use_Annex(false);
    Tension_Splice(60.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Set_Design_Gammas(0);
    Bearing_Check r;
    ASSERT_EQ(Calc_Bearing_Check(0, 0, &r), 1);
    EXPECT_EQ(r.annex, 0);
    EXPECT_NEAR(r.e, 2.86, 1e-9);
    EXPECT_NEAR(r.e1, 1.56, 1e-9);
    EXPECT_NEAR(r.e2, 1.56, 1e-9);
    EXPECT_NEAR(r.e3, 3.12, 1e-9);
    EXPECT_NEAR(r.e_rand, 1.56, 1e-9);
    EXPECT_NEAR(r.alpha_in, 1.074, 1e-9);
    EXPECT_NEAR(r.alpha_end, 0.676, 1e-9);
    EXPECT_NEAR(r.R_in, 28.1193, 1e-4);
    EXPECT_NEAR(r.R_end, 17.6989, 1e-4);
    EXPECT_NEAR(r.u_max, 7.5 / 17.6989, 1e-5);
    Free_Bearing_Check(&r);

    /* Dowels 12 mm in 13 mm holes of one inner plate 10 mm (GL24h 14 cm, 3 x 3 dowels),
    ** N_d = 150 kN: 150 / (9 * 2) = 8.3333 kN per shear plane, 16.6667 kN on the hole between
    ** the two planes. The end hole as the bolts': 0.676 and 17.6989 kN (over the shank the
    ** inner plate took d_L = 12: 0.876 and 22.935 kN); u = 16.6667 / 17.69891 = 0.941678. */
    Glulam_Inner_Plate_Splice();
    Use_Annex(false);
    Tension_Splice(150.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Set_Design_Gammas(0);
    ASSERT_EQ(Calc_Bearing_Check(0, 0, &r), 1);
    EXPECT_NEAR(r.alpha_end, 0.676, 1e-9);
    EXPECT_NEAR(r.R_end, 17.6989, 1e-4);
    EXPECT_NEAR(r.u_max, 0.941678, 1e-6);
    Free_Bearing_Check(&r);
}

TEST(BearingCheck, PrinterWritesTheRecord)
{
    Bolted_Plate_Splice();
    Bearing_Check r;
    ASSERT_EQ(Calc_Bearing_Check(0, 0, &r), 1);
    FILE *b = tmpfile();
    Oli_Init_Writer(3, 2, 1);
    EXPECT_EQ(Oli_Lochleibung_Nachweis(b, 0, 0), r.u_max);
    const std::string whole = Slurp_Print(b);
    fclose(b);
    const std::string s = Printed(Print_Bearing_Check, &r);
    EXPECT_EQ(s, whole);
    /* the factors of EurocodeComputedIntoTheRecord, each direction on its line */
    EXPECT_TRUE(Has(s, "F\xCE\\b,Rd\xCEr = k\xCE\\"
                       "1\xCEr \xBA\xCE\\"
                       "b\xCEr f\xCE\\u\xCEr d t / \xC0\xCE\\M2\xCEr je Kraftkomponente "
                       "(Tab. 3.4, Anm. 3) mit d = 12.0 mm, d\xCE\\"
                       "0\xCEr = 13.0 mm, t = 10.0 mm"))
        << s;
    EXPECT_TRUE(Has(s, "f\xCE\\u\xCEr = 360 N/mm\xCE/2\xCEr, f\xCE\\ub\xCEr = ")) << s;
    EXPECT_TRUE(Has(s, "N/mm\xCE/2\xCEr, \xC0\xCE\\M2\xCEr = 1.25; p\xCE\\"
                       "1\xCEr = 4.00 cm, e\xCE\\"
                       "1\xCEr = 2.40 cm, e\xCE\\"
                       "2\xCEr = 1.60 cm, p\xCE\\"
                       "2\xCEr = 3.50 cm"))
        << s;
    EXPECT_TRUE(Has(s, "parallel zum Blechrand (F\xCE\\totH\xCEr): \xBA\xCE\\"
                       "b\xCEr = 0.615 (e\xCE\\"
                       "1\xCEr) / 0.776 (p\xCE\\"
                       "1\xCEr), k\xCE\\"
                       "1\xCEr = 1.746 (e\xCE\\"
                       "2\xCEr) / 2.069 (p\xCE\\"
                       "2\xCEr)"))
        << s;
    EXPECT_TRUE(Has(s, "senkrecht zum Blechrand (F\xCE\\totV\xCEr): \xBA\xCE\\"
                       "b\xCEr = 0.410 (e\xCE\\"
                       "2\xCEr) / 0.647 (p\xCE\\"
                       "2\xCEr), k\xCE\\"
                       "1\xCEr = 2.500 (e\xCE\\"
                       "1\xCEr) / 2.500 (p\xCE\\"
                       "1\xCEr)"))
        << s;
    EXPECT_TRUE(Has(s, "F\xCE\\b,H,Rd\xCEr")) << s;
    EXPECT_TRUE(Has(s, "F\xCE\\b,V,Rd\xCEr")) << s;
    EXPECT_FALSE(Has(s, "F\xCE\\vll,Rd\xCEr")) << s;
    EXPECT_TRUE(Has(s, "#SHOWTABLE")) << s;
    EXPECT_TRUE(Has(s, "u\xCE\\max\xCEr = 0.20 \xF3 1")) << s;

    /* every value printed comes from the record */
    Bearing_Check m = r;
    m.d = 16.0;
    m.d0 = 18.0;
    m.t = 8.0;
    m.f_u = 510.0;
    m.gamma_m2 = 1.3;
    m.p1 = 9.11;
    m.p2 = 9.22;
    m.H = Bearing_Factors{0.111, 0.222, 0.333, 0.444};
    m.V = Bearing_Factors{0.555, 0.666, 0.777, 0.888};
    m.u_max = 1.5;
    std::string t = Printed(Print_Bearing_Check, &m);
    EXPECT_TRUE(Has(t, "mit d = 16.0 mm, d\xCE\\"
                       "0\xCEr = 18.0 mm, t = 8.0 mm"))
        << t;
    EXPECT_TRUE(Has(t, "f\xCE\\u\xCEr = 510 N/mm")) << t;
    EXPECT_TRUE(Has(t, "\xC0\xCE\\M2\xCEr = 1.30; p\xCE\\"
                       "1\xCEr = 9.11 cm"))
        << t;
    EXPECT_TRUE(Has(t, "p\xCE\\"
                       "2\xCEr = 9.22 cm"))
        << t;
    EXPECT_TRUE(Has(t, "b\xCEr = 0.111 (e\xCE\\"
                       "1\xCEr) / 0.222 (p\xCE\\"
                       "1\xCEr), k\xCE\\"
                       "1\xCEr = 0.333 (e\xCE\\"
                       "2\xCEr) / 0.444"))
        << t;
    EXPECT_TRUE(Has(t, "b\xCEr = 0.555 (e\xCE\\"
                       "2\xCEr) / 0.666 (p\xCE\\"
                       "2\xCEr), k\xCE\\"
                       "1\xCEr = 0.777 (e\xCE\\"
                       "1\xCEr) / 0.888"))
        << t;
    EXPECT_TRUE(Has(t, "u\xCE\\max\xCEr = 1.50 > 1 => \xCE"
                       "bNachweis nicht erf\x81llt"))
        << t;

    /* the table's rows are the record's rows: a changed force changes the table */
    const std::string before = Printed(Print_Bearing_Check, &r);
    r.rows[1].F_tot = 12.34;
    const std::string after = Printed(Print_Bearing_Check, &r);
    EXPECT_NE(before, after);
    EXPECT_FALSE(Has(before, "12.34")) << before;
    EXPECT_TRUE(Has(after, "12.34")) << after;

    /* no rows: no table */
    m = r;
    m.n = 0;
    t = Printed(Print_Bearing_Check, &m);
    EXPECT_FALSE(Has(t, "#SHOWTABLE")) << t;
    EXPECT_FALSE(Has(t, "Kr\x84"
                        "fte pro Blech"))
        << t;

    /* DIN 18800: its heading and its lines */
    m.annex = 0;
    m.d0 = 13.0;
    m.d = 12.0;
    m.t = 10.0;
    m.f_yd = 218.18;
    m.e = 2.86;
    m.e1 = 1.56;
    m.e2 = 1.57;
    m.e3 = 3.12;
    m.e_rand = 1.58;
    m.alpha_in = 1.41;
    m.alpha_end = 0.88;
    m.R_in = 36.79;
    m.R_end = 22.94;
    t = Printed(Print_Bearing_Check, &m);
    EXPECT_TRUE(Has(t, "Lochleibungskr\x84"
                       "fte gem\x84\xE1 DIN 18800"))
        << t;
    EXPECT_TRUE(Has(t, "V\xCE\\l,R,d\xCEr = t d\xCE\\Sch\xCEr \xBA\xCE\\l\xCEr f\xCE\\y,d\xCEr "
                       "mit d\xCE\\L\xCEr = 13.0 mm, d\xCE\\Sch\xCEr = 12.0 mm, t = 10.0 mm, "
                       "f\xCE\\y,d\xCEr = 218.18 N/mm\xCE/2\xCEr"))
        << t;
    EXPECT_FALSE(Has(t, "F\xCE\\b,H,Rd")) << t;
    EXPECT_TRUE(Has(t, "e = 2.86 cm, e\xCE\\"
                       "1\xCEr = 1.56 cm, e\xCE\\"
                       "2\xCEr = 1.57 cm, e\xCE\\"
                       "3\xCEr = 3.12 cm, \xBA\xCE\\l\xCEr = 1.41 => V\xCE\\l,R,d\xCEr = 36.79 kN"))
        << t;
    EXPECT_TRUE(Has(t, "e\xCE\\Rand\xCEr = 1.58 cm, e\xCE\\"
                       "1\xCEr = 1.56 cm, e\xCE\\"
                       "2\xCEr = 1.57 cm, "
                       "e\xCE\\"
                       "3\xCEr = 3.12 cm, \xBA\xCE\\l\xCEr = 0.88 => V\xCE\\l,R,d,Rand\xCEr = "
                       "22.94 kN"))
        << t;

    Print_Bearing_Check(nullptr, &r); /* no file: nothing, no fault */
    Free_Bearing_Check(&r);
}

/* The case, formula and operands of alpha_b and k1 for the fastener that governs each direction,
** so that F_b,Rd = k1 alpha_b f_u d t / gamma_M2 recomputes from the page (EN 1993-1-8,
** Table 3.4). The splice of EurocodeComputedIntoTheRecord: d = 12, d0 = 13, t = 10 mm, f_u = 360,
** gamma_M2 = 1.25, e1 = 24, e2 = 16, p1 = 40, p2 = 35 mm, both rows at the plate's edges. */
TEST(BearingCheck, PrinterNamesTheCaseOfEachDirection)
{
    struct {
        double N, V;          /* kN of the combination; V in a bending splice */
        const char *lines[4]; /* expected parts */
    } cases[] = {
        /* tension 60 kN, 7.5 kN per bolt and plane towards the plate's end: the end column
        ** alpha_b = e1 / 3 d0 = 24 / 39 = 0.615385; edge row k1 = min(2.8 * 16 / 13 - 1.7 =
        ** 1.746154, 1.4 * 35 / 13 - 1.7 = 2.069231, 2.5) = 1.746154; F_b,Rd = 1.746154 *
        ** 0.615385 * 360 * 12 * 10 / 1.25 = 37.1367 kN, u = 7.5 / 37.1367 = 0.20 */
        {60.0,
         0.0,
         {"parallel zum Blechrand (F\xCE\\totH\xCEr = 7.50 kN): Kraft zum Blechende, Endspalte "
          "=> Endloch: \xBA\xCE\\"
          "b\xCEr = min(e\xCE\\"
          "1\xCEr / (3 d\xCE\\"
          "0\xCEr); f\xCE\\ub\xCEr / f\xCE\\u\xCEr; 1.0) = min(24.00 / (3 x 13.0); ",
          "; 1.0) = 0.6154",
          "Randreihe: k\xCE\\"
          "1\xCEr = min(2.8 e\xCE\\"
          "2\xCEr / d\xCE\\"
          "0\xCEr - 1.7; 1.4 p\xCE\\"
          "2\xCEr / d\xCE\\"
          "0\xCEr - 1.7; 2.5) = min(2.8 x 16.00 / 13.0 - 1.7; 1.4 x 35.00 / 13.0 - 1.7; 2.5) = "
          "1.7462",
          "=> F\xCE\\b,H,Rd\xCEr = k\xCE\\"
          "1\xCEr \xBA\xCE\\"
          "b\xCEr f\xCE\\u\xCEr d t / \xC0\xCE\\M2\xCEr = 1.7462 x 0.6154 x 360 x 12.0 x "
          "10.0 / 1.25 = 37.14 kN, u = 7.50 / 37.14 = 0.20"}},
        /* compression: the force points to the joint, every hole bears as an inner one:
        ** alpha_b = p1 / 3 d0 - 1/4 = 40 / 39 - 0.25 = 0.775641, k1 = 1.746154 beside the edge;
        ** F_b,Rd = 1.746154 * 0.775641 * 34.56 = 46.8077 kN, u = 7.5 / 46.8077 = 0.16 */
        {-60.0,
         0.0,
         {"(F\xCE\\totH\xCEr = -7.50 kN): Kraft zum Sto\xE1 => innenliegend: \xBA\xCE\\"
          "b\xCEr = min(p\xCE\\"
          "1\xCEr / (3 d\xCE\\"
          "0\xCEr) - 1/4; f\xCE\\ub\xCEr / f\xCE\\u\xCEr; 1.0) = min(40.00 / (3 x 13.0) - 0.25; ",
          "; 1.0) = 0.7756", "Randreihe: k\xCE\\1\xCEr = min(2.8 e",
          "= 1.7462 x 0.7756 x 360 x 12.0 x 10.0 / 1.25 = 46.81 kN, u = 7.50 / 46.81 = 0.16"}},
        /* V_d = 8 kN alone: 1 kN per bolt and plane across, the upper row towards its edge:
        ** alpha_b = e2 / 3 d0 = 16 / 39 = 0.410256; k1 = 2.5 in either column (min(2.8 * 24 / 13
        ** - 1.7 = 3.469, 1.4 * 40 / 13 - 1.7 = 2.608, 2.5)); F_b,Rd = 2.5 * 0.410256 * 34.56 =
        ** 35.4462 kN, u = 1 / 35.4462 = 0.03; nothing along the grain */
        {0.0,
         8.0,
         {"senkrecht zum Blechrand (F\xCE\\totV\xCEr = 1.00 kN): Kraft zum Blechrand, Randreihe "
          "=> Randloch: \xBA\xCE\\"
          "b\xCEr = min(e\xCE\\"
          "2\xCEr / (3 d\xCE\\"
          "0\xCEr); f\xCE\\ub\xCEr / f\xCE\\u\xCEr; 1.0) = min(16.00 / (3 x 13.0); ",
          "; 1.0) = 0.4103",
          "parallel zum Blechrand: keine Kraftkomponente F\xCE\\totH\xCEr => kein Nachweis",
          "=> F\xCE\\b,V,Rd\xCEr = k\xCE\\"
          "1\xCEr \xBA\xCE\\"
          "b\xCEr f\xCE\\u\xCEr d t / \xC0\xCE\\M2\xCEr = 2.5000 x 0.4103 x 360 x 12.0 x "
          "10.0 / 1.25 = 35.45 kN, u = 1.00 / 35.45 = 0.03"}},
    };
    for (const auto &c : cases) {
        Bolted_Plate_Splice();
        Lkom_Entry *e = Get_Lkom_Entry(0, 0);
        if (c.V != 0.0) {
            Splice_Input.splice_kind = SPLICE_BENDING;
            e->V_d = c.V;
            e->M_d = e->M_distr = 0.0;
        }
        e->N_d = c.N;
        Bearing_Check r;
        ASSERT_EQ(Calc_Bearing_Check(0, 0, &r), 1);
        const std::string s = Printed(Print_Bearing_Check, &r);
        for (const char *part : c.lines)
            EXPECT_TRUE(Has(s, part)) << c.N << " " << part << "\n" << s;
        Free_Bearing_Check(&r);
    }
}

/* The line of DIN 18800-1, Table 8 behind each alpha_l, with e / d_L, e2 / d_L and e3 / d_L
** and V_l,R,d = t d_Sch alpha_l f_y,k / gamma_M from them, so that it recomputes from the page.
** The DIN splice of DinComputedIntoTheRecord: dowels 12 mm (d_Sch) in holes d_L = 13 mm of one
** inner plate 10 mm S235 (f_y,k = 240, gamma_M = 1.1), e = 28.6, e_Rand = e2 = 15.6,
** e3 = 31.2 mm, three rows. A row with distances replaces the end or the inner hole's terms. */
TEST(BearingCheck, DinPrinterNamesTheLineOfTable8)
{
    struct {
        int end_hole;
        double distance, e2, e3; /* mm; 0: the splice's own */
        const char *lines[3];    /* expected parts */
    } cases[] = {
        /* the splice's end hole: e2 / d_L = 1.2, e3 / d_L = 2.4: the lower line,
        ** 0.73 * 15.6 / 13 - 0.2 = 0.676; V = 10 * 12 * 0.676 * 240 / 1.1 = 17.699 kN */
        {1,
         0.0,
         0.0,
         0.0,
         {"Tab. 8, Randl\x94"
          "cher: \xBA\xCE\\l\xCEr = 0.73 e\xCE\\Rand\xCEr/d\xCE\\L\xCEr - 0.20 = 0.73 x "
          "15.60/13.00 - 0.20 = 0.6760 (e\xCE\\"
          "2\xCEr/d\xCE\\L\xCEr = 15.60/13.00 = 1.2000, e\xCE\\"
          "3\xCEr/d\xCE\\L\xCEr = 31.20/13.00 = 2.4000 \xF2 2.4)",
          "=> V\xCE\\l,R,d,Rand\xCEr = t d\xCE\\Sch\xCEr \xBA\xCE\\l\xCEr f\xCE\\y,k\xCEr / "
          "\xC0\xCE\\M\xCEr = 10.0 x 12.0 x 0.6760 x 240 / 1.10 = 17.70 kN",
          "Tab. 8, innere L\x94"
          "cher: \xBA\xCE\\l\xCEr = 0.72 e/d\xCE\\L\xCEr - 0.51 = 0.72 x 28.60/13.00 - 0.51 = "
          "1.0740"}},
        /* e2 = 16: e2 / d_L = 16 / 13 = 1.230769 between the lines: upper 1.1 * 1.2 - 0.3 =
        ** 1.02, lower 0.676; 0.676 + 0.030769 / 0.3 * (1.02 - 0.676) = 0.711282;
        ** V = 10 * 12 * 0.711282 * 240 / 1.1 = 18622.7 N = 18.62 kN */
        {1,
         15.6,
         16.0,
         31.2,
         {"Tab. 8, Randl\x94"
          "cher: \xBA\xCE\\l\xCEr(e\xCE\\"
          "2\xCEr \xF2 1.5 d\xCE\\L\xCEr) = 1.10 e\xCE\\Rand\xCEr/d\xCE\\L\xCEr - 0.30 = 1.10 x "
          "15.60/13.00 - 0.30 = 1.0200",
          "e\xCE\\"
          "2\xCEr/d\xCE\\L\xCEr = 16.00/13.00 = 1.2308, e\xCE\\"
          "3\xCEr/d\xCE\\L\xCEr = 31.20/13.00 = 2.4000 \xF2 2.4: \xBA\xCE\\l\xCEr = 0.6760 + "
          "(1.2308 - 1.2)/(1.5 - 1.2) x (1.0200 - 0.6760) = 0.7113",
          "= 10.0 x 12.0 x 0.7113 x 240 / 1.10 = 18.62 kN"}},
        /* e2 = 20, e3 = 40: 1.538462 >= 1.5 and 3.076923 >= 3.0: the upper line alone,
        ** 1.1 * 1.2 - 0.3 = 1.02; V = 120 * 1.02 * 240 / 1.1 = 26705.5 N */
        {1,
         15.6,
         20.0,
         40.0,
         {"\xBA\xCE\\l\xCEr = 1.10 e\xCE\\Rand\xCEr/d\xCE\\L\xCEr - 0.30 = 1.10 x 15.60/13.00 - "
          "0.30 = 1.0200 (e\xCE\\"
          "2\xCEr/d\xCE\\L\xCEr = 20.00/13.00 = 1.5385 \xF2 1.5, e\xCE\\"
          "3\xCEr/d\xCE\\L\xCEr = 40.00/13.00 = 3.0769 \xF2 3.0)",
          "= 10.0 x 12.0 x 1.0200 x 240 / 1.10 = 26.71 kN", "Randl"}},
        /* inner, e = 52 mm counts as 3.5 d_L: 1.08 * 3.5 - 0.77 = 3.01, at most 3.0;
        ** V = 120 * 3.0 * 240 / 1.1 = 78545.5 N */
        {0,
         52.0,
         20.0,
         40.0,
         {"= 1.08 e/d\xCE\\L\xCEr - 0.77 = 1.08 x min(52.00/13.00; 3.5) - 0.77 = 3.0100",
          "\xBA\xCE\\l\xCEr = 3.0100 > 3.0 => \xBA\xCE\\l\xCEr = 3.0",
          "=> V\xCE\\l,R,d\xCEr = t d\xCE\\Sch\xCEr \xBA\xCE\\l\xCEr f\xCE\\y,k\xCEr / "
          "\xC0\xCE\\M\xCEr = 10.0 x 12.0 x 3.0000 x 240 / 1.10 = 78.55 kN"}},
    };
    for (const auto &c : cases) {
        Glulam_Inner_Plate_Splice();
        Use_Annex(false);
        Tension_Splice(150.0);
        ASSERT_EQ(Prepare_Splice_Calc(), 0);
        Set_Design_Gammas(0);
        Bearing_Check r;
        ASSERT_EQ(Calc_Bearing_Check(0, 0, &r), 1);
        if (c.distance > 0.0) {
            double *R = c.end_hole ? &r.R_end : &r.R_in;
            double *a = c.end_hole ? &r.alpha_end : &r.alpha_in;
            Din_Alpha_Terms *t = c.end_hole ? &r.end : &r.in;
            ASSERT_EQ(Calc_Plate_Bearing_Din_Hole(R, a, c.end_hole, c.distance, c.e2, c.e3, 0, t),
                      0);
        }
        const std::string s = Printed(Print_Bearing_Check, &r);
        for (const char *part : c.lines)
            EXPECT_TRUE(Has(s, part)) << c.distance << " " << part << "\n" << s;
        Free_Bearing_Check(&r);
    }
}
