/*
** Tests of the design run: the utilisation list of three reference splices worked by hand,
** the governing combination, the summary threshold and the governing-only print.
** All three splices: C24 (rho_k 350, f_t,0,k 14.5, f_v,k 4.0), built-in annex (gamma_M 1.3,
** gamma_M0 1.0, gamma_M2 1.25), tension, preset kmod 0.9.
*/
#include "results_test_util.h"

#include <string>

#include "foundation/codepage.h"
#include "printlist/printlist.h"

static void Expect_Row(int i, const char *name, double value)
{
    ASSERT_LT(i, Splice_Input.utilisation.count);
    EXPECT_STREQ(Splice_Input.utilisation.name[i], name) << i;
    EXPECT_NEAR(Splice_Input.utilisation.value[i], value, 5e-5) << name;
}

/* The print list that a run over the combinations writes (governing_only as Run_Nachweise
** takes it); *u (optional) gets what the run returns. */
static std::string Run_Print(int governing_only, double *u = nullptr)
{
    FILE *f = tmpfile();
    if (f == nullptr) {
        ADD_FAILURE() << "no temporary file";
        return "";
    }
    const double v = Run_Nachweise(f, governing_only);
    if (u) *u = v;
    const std::string s = Slurp_Print(f);
    fclose(f);
    return s;
}

TEST(Run, SideTimbersWithNails)
{
    /* Nails 4.2 x 110 mm, side timbers 6 cm, middle 12 cm, height 20 cm, 4 x 3 nails per half,
    ** N = 30 kN. Spacings at alpha 0 (EN 1995-1-1, Table 8.2): a1 = 10 d = 4.2 cm,
    ** a3,t = 15 d = 6.3 cm, a4,c = 5 d = 2.1 cm; rows at -7.9, 0, 7.9 cm.
    ** Fastener: fh = 0.082 * 350 * 4.2^-0.3 = 18.660 N/mm², My = 0.3 * 600 * 4.2^2.6 = 7511.4
    ** Nmm; mode (f): 1.15 sqrt(2 My fh d) = 1.15 sqrt(1177384) = 1247.8 N (lower than (a)
    ** 4702, (b) 3919, (d) 1775, (e) 1525); R_d = 0.9 * 1.2478 / 1.3 = 0.86387 kN.
    ** F = 30 / (12 * 2) = 1.25 kN; n = 4, a1 = 10 d: k_ef = 0.85, n_ef = 4^0.85 = 3.2490;
    ** u = 1.25 * 4 / 3.2490 / 0.86387 = 1.7814.
    ** Middle: 300 kN/10 / (12 * 20) = 1.25 N/mm² / (14.5 * 0.9 / 1.3 = 10.0385) = 0.12452;
    ** side timbers: 2 * 6 * 20 = 240 cm², the same stress and strength: 0.12452. */
    Side_Timber_Nail_Splice();
    Tension_Splice(30.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    EXPECT_NEAR(Splice_Input.L, 2.0 * (3.0 * 4.2 + 2.0 * 6.3), 1e-9);
    EXPECT_NEAR(Fastener_Pattern.recs[0].y, -7.9, 1e-9);
    const double u = Run_Nachweise(nullptr, 0);
    ASSERT_EQ(Splice_Input.utilisation.count, 3);
    Expect_Row(0, "Verbindungsmittel", 1.7814);
    Expect_Row(1, "Mittelholz", 0.12452);
    Expect_Row(2, "Seitenhölzer"_cp850, 0.12452);
    EXPECT_NEAR(u, 1.7814, 5e-5);
}

TEST(Run, InnerPlatesWithDowelsAndBlockShear)
{
    /* Two inner plates 1 x 20 cm in a 16 x 24 cm member, 12 mm dowels, 2 x 3 per half,
    ** N = 100 kN; a1 = 5 d = 6 cm, a3,t = 8.4 cm, e1 = 1.2 d0 = 1.56 cm, a4,c = 3.6 - 2 =
    ** 1.6 cm: rows at -8.4, 0, 8.4 (the automatic layout fills the 20 cm plate exactly), x = 8.4
    ** and 14.4; 4 shear planes. F = 100 / (6 * 4) = 4.1667 kN per plane.
    ** Fastener (EN 1995-1-1, 8.2.3 (8.11)), t1 = (16 - 2) / 3 = 4.667 cm, fh = 0.082 * 0.88 *
    ** 350 = 25.256, My = 0.3 * 360 * 12^2.6 = 69071: (f) 14143, (g) 14143 (sqrt(2 + 4 * 69071 /
    ** (25.256 * 12 * 46.667²)) - 1) = 7852.2, (h) 10523 N for the two outer lamellas' planes;
    ** the middle lamella between the plates 10 mm, between 0.5 d and d (8.2.3(1)), k = 2 * 10 /
    ** 12 - 1 = 0.667: thin (8.12) (j) 0.5 * 14143 = 7071.7 below (k) 1.15 sqrt(2 * 69071 *
    ** 25.256 * 12) = 7441.0, thick (8.13) (l) 7071.7 below (m) 10523: 7071.7 N for its two
    ** planes; (g) with a hinge and (j)/(l) without may not be summed (8.1.3(2)): every plane
    ** min(7852.2, 7071.7) = 7071.7 N; R_d = 0.9 * 7.0717 / 1.3 = 4.8958; n_ef = 2^0.9 (60 /
    ** 156)^0.25 = 1.4695; u = 4.1667 * 2 / 1.4695 / 4.8958 = 1.1583 (summed 1.0977).
    ** Timber: every plane takes 100 / 4 = 25 kN: the lamella between the plates 50 kN on
    ** (14 * 24 - 3 * 1.2 * 14) / 3 = 95.2 cm²; 500 / 95.2 = 5.2521 / 10.0385 = 0.52320.
    ** Plates, holes d0 = 12 + 1 = 13 mm: 2 (20 - 3 * 1.3) = 32.2 cm²; 1000 / 32.2 = 31.056 /
    ** 235 = 0.13215.
    ** Bearing (EN 1993-1-8) in the same holes: end fastener, doubled force 8.3333 kN; alpha =
    ** 15.6 / 39 = 0.4, k1 = 2.8 * 16 / 13 - 1.7 = 1.74615: 1.74615 * 0.4 * 360 * 12 * 10 / 1.25
    ** = 24.139 kN; 8.3333 / 24.139 = 0.34522.
    ** Block shear (Annex A), each block of adjacent rows with its own dowels' force: two rows
    ** govern, L_net,t = 84 - 12 = 72, L_net,v = 2 * 144 - 3 * 12 = 252 mm, t = 46.667:
    ** 1.5 * 3360 * 14.5 = 73.08 kN > 0.7 * 11760 * 4.0 = 32.93 kN; F_Rd = 73.08 * 0.9 / 1.3 =
    ** 50.594; their force 2 / 3 * 100 = 66.667 kN, the lamella between the plates N = 66.667 *
    ** 2 / 4 = 33.333 kN: u = 0.65884 (all three rows: 146.16 kN for 50 kN, 0.49413).
    ** Block tearing of each plate (EN 1993-1-8, 3.10.2), its end at 14.4 + 1.56 = 15.96 cm: the
    ** block from the upper row to the plates' upper edge governs, A_nt = 10 (16 - 0.5 * 13) =
    ** 95 mm², A_nv = 10 (159.6 - 84 - 1.5 * 13) = 561 mm² along that row; V_eff,1,Rd = 360 *
    ** 95 / 1.25 + 235 * 561 / sqrt(3) = 103.475 kN for its row's 100 / 3 kN on two plates: u =
    ** 16.667 / 103.475 = 0.161070 (all rows: 50 / 561.190 = 0.089096), whatever the
    ** calculation method. */
    Inner_Plate_Dowel_Splice();
    Tension_Splice(100.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    EXPECT_NEAR(Splice_Input.a2, 8.4, 1e-9);
    EXPECT_NEAR(Splice_Input.e2, 1.6, 1e-9);
    Run_Nachweise(nullptr, 0);
    ASSERT_EQ(Splice_Input.utilisation.count, 6);
    Expect_Row(0, "Verbindungsmittel", 1.1583);
    Expect_Row(1, "Holz", 0.52320);
    Expect_Row(2, "Stahlblech", 0.13215);
    Expect_Row(3, "Lochleibung", 0.34522);
    Expect_Row(4, "Blockscherversagen", 0.65884);
    Expect_Row(5, "Blockversagen Bleche", 0.161070);

    /* Accidental (EN 1995-1-1, Table 2.3): every timber resistance takes gamma_M = 1.0, the
    ** dowels' connection too: u = 1.1583 * 1.0 / 1.3 = 0.89100, the timber 0.52320 / 1.3 =
    ** 0.40246, block shear 0.65884 / 1.3 = 0.50680. The plates' net section takes the annex's
    ** accidental gamma_M2 (EN 1993-1-1, 6.2.3): 0.9 x 360 / 1.15 = 281.74 N/mm² above f_y = 235,
    ** u as before; bearing and block tearing keep gamma_M2 = 1.25 of EN 1993-1-8. */
    Get_Lkom_Entry(0, 0)->accidental = 1;
    Nad_Record.ec3.ec3_1.gamma_m2_acc = 1.15;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Run_Nachweise(nullptr, 0);
    const double acc_u[6] = {0.89100, 0.40246, 0.13215, 0.34522, 0.50680, 0.161070};
    for (int k = 0; k < 6; k++) EXPECT_NEAR(Splice_Input.utilisation.value[k], acc_u[k], 5e-5);
    FILE *acc = tmpfile();
    Run_Nachweise(acc, 0);
    const std::string acc_text = Slurp_Print(acc);
    fclose(acc);
    EXPECT_NE(acc_text.find("0.9 x 360 / 1.15 = 281.74 N/mm"), std::string::npos) << acc_text;
    /* the head of the checks gives the factors of the accidental situation beside the
    ** persistent ones: timber 1.0, the plates' steel 1.0, 1.0 and 1.15 (EN 1993-1-1, 6.1 with the
    ** annex), the joints' gamma_M2 1.25 of EN 1993-1-8, 2.2 */
    EXPECT_NE(
        acc_text.find("außergewöhnliche Bemessungssituation: \xC0\xCE\\M\xCEr = 1.00, "
                      "\xC0\xCE\\M0\xCEr = 1.00, \xC0\xCE\\M1\xCEr = 1.00, \xC0\xCE\\M2\xCEr = "
                      "1.15 (Bleche, DIN EN 1993-1-1, 6.1), Verbindungen (DIN EN 1993-1-8, "
                      "2.2): \xC0\xCE\\M2\xCEr = 1.25"_cp850),
        std::string::npos)
        << acc_text;
    Get_Lkom_Entry(0, 0)->accidental = 0;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);

    /* An annex whose joints' gamma_M2 (EN 1993-1-8, 2.2, Table 2.1) is 1.40 beside EN 1993-1-1's
    ** 1.25: bearing 1.74615 * 0.4 * 360 * 12 * 10 / 1.40 = 21.5525 kN, u = 8.3333 / 21.5525 =
    ** 0.38665; block tearing 360 * 95 / 1.40 + 235 * 561 / sqrt(3) = 100.544 kN, u = 16.667 /
    ** 100.544 = 0.165766; the net section keeps 0.9 x 360 / 1.25 (u 0.13215), the head of the
    ** checks names the joints' factor. */
    Nad_Record.ec3.ec3_8.factors_a[0] = 1.40;
    Run_Nachweise(nullptr, 0);
    const double joint_u[6] = {1.1583, 0.52320, 0.13215, 0.38665, 0.65884, 0.165766};
    for (int k = 0; k < 6; k++) EXPECT_NEAR(Splice_Input.utilisation.value[k], joint_u[k], 5e-5);
    const std::string joints = Run_Print(0);
    EXPECT_NE(joints.find("(Bleche, DIN EN 1993-1-1, 6.1), Verbindungen (DIN EN 1993-1-8, 2.2): "
                          "\xC0\xCE\\M2\xCEr = 1.40"),
              std::string::npos)
        << joints;
    Nad_Record.ec3.ec3_8.factors_a[0] = 1.25;

    /* The dowels of 280 mm stand (280 - 160) / 2 = 60 mm out of either face of the member, which
    ** the summary says after the rows of the utilisations, not between them, the design as
    ** above; plates of 30 cm would stand (30 - 24) / 2 = 3 cm above and below it, those of 20 cm
    ** lie within */
    const std::string report = Run_Print(0);
    const size_t at = report.find("Die Stabdübel ragen beidseitig je 60 mm aus dem Holz: (l - b) "
                                  "/ 2 = (280 - 160) / 2 = 60 mm"_cp850);
    ASSERT_NE(at, std::string::npos) << report;
    EXPECT_LT(report.find("Verbindungsmittel: u = 1.16"), at);
    EXPECT_LT(report.find("Lochleibung: u = "), at) << report;
    char hint[320];
    EXPECT_EQ(Protrusion_Line(PROTRUDING_PLATES, 0, hint, sizeof hint), 0);
    Splice_Input.h_p = 30.0;
    EXPECT_EQ(Protrusion_Line(PROTRUDING_PLATES, 1, hint, sizeof hint), 1);
    EXPECT_STREQ(hint, "Die Bleche ragen oben und unten je 3.00 cm aus dem Holz: (h\xCE\\p\xCEr - "
                       "h) / 2 = (30.00 - 24.00) / 2 = 3.00 cm");
    Splice_Input.h_p = 20.0;

    /* the design-value method does not make the block-shear check of the timber: the row says
    ** so; the plates' is made */
    const int32_t exact = Splice_Input.calc_method;
    Splice_Input.calc_method = 2;
    Run_Nachweise(nullptr, 0);
    ASSERT_EQ(Splice_Input.utilisation.count, 6);
    Expect_Row(4, "Blockscherversagen", UTIL_NOT_CHECKED);
    Expect_Row(5, "Blockversagen Bleche", 0.161070);

    /* pressed together, no fastener pulls a block out of the member's or the plates' end: both
    ** rows say that the check does not apply, never 0 % */
    Splice_Input.calc_method = exact;
    Splice_Input.splice_kind = SPLICE_COMPRESSION;
    Get_Lkom_Entry(0, 0)->N_d = -100.0;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Run_Nachweise(nullptr, 0);
    ASSERT_EQ(Splice_Input.utilisation.count, 6);
    Expect_Row(4, "Blockscherversagen", UTIL_NOT_APPLICABLE);
    Expect_Row(5, "Blockversagen Bleche", UTIL_NOT_APPLICABLE);
    EXPECT_STREQ(Splice_Input.utilisation.governs[4],
                 "keine Kraft der Verbindungsmittel zum Tr\x84gerende");
    const std::string s = Run_Print(0);
    EXPECT_NE(s.find("Blockscherversagen: entf\x84llt (keine Kraft der Verbindungsmittel zum "
                     "Tr\x84gerende)"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("Blockversagen Bleche: entf\x84llt (keine Kraft der Verbindungsmittel zum "
                     "Blechende)"),
              std::string::npos)
        << s;
    EXPECT_EQ(s.find("u = 0.00"), std::string::npos) << s;
}

TEST(Run, OuterPlatesWithBoltsWithoutBlockShear)
{
    /* Outer plates 1 x 24 cm on a 12 x 24 cm member, M12 bolts, 2 x 2 per half, N = 60 kN;
    ** 2 shear planes: F = 60 / (4 * 2) = 7.5 kN. Embedment with d + 1: 0.082 * 0.87 * 350 =
    ** 24.969. Plate 10 mm between 0.5 d and d (EN 1995-1-1, 8.2.3(2)): thin (8.12 k)
    ** 1.15 sqrt(2 * 69071 * 24.969 * 12) = 7398.7, thick (8.13 m) 2.3 sqrt(69071 * 24.969 *
    ** 12) = 10463.2; at t = 10: 7398.7 + 4/6 * 3064.5 = 9441.7 N; R_d = 6.5366 kN;
    ** n_ef = 1.4695: u = 7.5 * 2 / 1.4695 / 6.5366 = 1.5616.
    ** Middle: 288 - 2 * 2 * 13 * 60 / 100 = 256.8 cm²; 600 / 256.8 = 2.3364 / 10.0385 = 0.23275.
    ** Plates: 2 (24 - 2 * 1.3) = 42.8 cm²; 600 / 42.8 = 14.019 / 235 = 0.059654.
    ** Bearing: d0 = 13, e1 = 15.6: alpha = 0.4, k1 = 2.5: 2.5 * 0.4 * 360 * 120 / 1.25 =
    ** 34.56 kN; 7.5 / 34.56 = 0.21701. */
    Outer_Plate_Bolt_Splice();
    Tension_Splice(60.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Run_Nachweise(nullptr, 0);
    ASSERT_EQ(Splice_Input.utilisation.count, 6);
    Expect_Row(0, "Verbindungsmittel", 1.5616);
    Expect_Row(1, "Mittelholz", 0.23275);
    Expect_Row(2, "Stahlblech", 0.059654);
    Expect_Row(3, "Lochleibung", 0.21701);
    /* the block checks that a plate splice in tension needs, switched off: named, not left out */
    Expect_Row(4, "Blockscherversagen", UTIL_NOT_CHECKED);
    Expect_Row(5, "Blockversagen Bleche", UTIL_NOT_CHECKED);
    EXPECT_STREQ(Splice_Input.utilisation.governs[5], "abgew\x84hlt");
    /* N = 20 kN with the permanent group's kmod 0.6: u = 1.5616 x 20 / 60 x 0.9 / 0.6 =
    ** 0.7808, and the verdict holds for the checks made only */
    Get_Lkom_Entry(0, 0)->N_d = 20.0;
    Splice_Input.lkom.groups[0].kmod = 0.6;
    const std::string s = Run_Print(0);
    EXPECT_NE(s.find("der gef\x81hrten Nachweise u\xCE\\max\xCEr = 0.78 \xF3 1 => \xCE"
                     "bNachweis erf\x81llt\xCEr; Blockscherversagen und Blockversagen Bleche "
                     "nicht nachgewiesen (abgew\x84hlt)"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("\n Blockversagen Bleche: nicht nachgewiesen (abgew\x84hlt)"),
              std::string::npos);
    EXPECT_EQ(s.find("Alle Nachweise erf\x81llt"), std::string::npos);
}

TEST(Run, LapWithBoltsInSingleShear)
{
    /* A tension lap of C24, h = 20 cm, bolts M12 4.6 (f_u 400), 3 along the grain x 2 across
    ** per half, kmod 0.8, the annex's reduction of one-sidedly loaded members on. One shear
    ** plane: F = N / 6 per bolt. Embedment with d + 1: 0.082 * 0.87 * 350 = 24.969 N/mm²,
    ** My = 0.3 * 400 * 12^2.6 = 76745.4 Nmm, beta = 1.
    ** Halves of 5 cm (b = 10 cm), N = 13 kN, single shear (EN 1995-1-1, eq. (8.6)):
    ** (c) 24.969 * 50 * 12 / 2 * (sqrt(8) - 2) = 6205.50 N governs ((d) = (e) 6747.32, (f)
    ** 7798.84; the double-shear modes gave 6747.32); R_d = 6.2055 * 0.8 / 1.3 = 3.81877 kN;
    ** a1 = 5 d = 60 mm: n_ef = 3^0.9 (60 / 156)^0.25 = 2.11672; u = 13 / 6 * 3 / 2.11672 /
    ** 3.81877 = 0.80413 (0.73955 with 6747.32).
    ** Timber: A_n = 5 * (20 - 2 * 1.3) = 87 cm², sigma = 130 / 87 = 1.49425 N/mm²; the halves
    ** loaded from one side: f_t,0,d = 14.5 * 0.8 / 1.3 / 1.5 = 5.94872 (NCI NA.8.1.6, bolts
    ** 1/1.5); u = 0.25119 (0.16746 without the reduction).
    ** Halves of 8 cm, N = 16 kN: (f) 7798.84 N governs either way, R_d = 4.79929 kN,
    ** u = 16 / 6 * 3 / 2.11672 / 4.79929 = 0.78749; timber 160 / (8 * 17.4) = 1.14943 N/mm²,
    ** u = 1.14943 / 5.94872 = 0.19322 (0.12882 without the reduction). */
    const struct {
        double b, N, u_fastener, u_timber;
    } cases[] = {{10.0, 13.0, 0.80413, 0.25119}, {16.0, 16.0, 0.78749, 0.19322}};
    for (const auto &c : cases) {
        Fresh_Splice(true);
        Nad_Record.ec5.na816_tension_reduction = 1;
        Splice_Input.connection_kind = CONN_LAP;
        Splice_Input.vbm_type = VBM_BOLZEN;
        Splice_Input.vbm_row = 3;
        Splice_Input.d = 12.0;
        Splice_Input.vbm_steel = 23; /* 4.6 */
        Splice_Input.capacity_increase = 0;
        Splice_Input.b = c.b;
        Splice_Input.h = 20.0;
        Set_Layout(3, 2);
        Tension_Splice(c.N);
        Splice_Input.lkom.groups[0].kmod = 0.8;
        ASSERT_EQ(Prepare_Splice_Calc(), 0);
        Run_Nachweise(nullptr, 0);
        ASSERT_EQ(Splice_Input.utilisation.count, 2);
        Expect_Row(0, "Verbindungsmittel", c.u_fastener);
        Expect_Row(1, "Holz", c.u_timber);
    }
}

/* ---------------------------------------------------------------- governing combination */

static void Bolt_Splice_With(double N0, double N1, double N2)
{
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Splice_Input.vbm_type = 30;
    Splice_Input.vbm_row = 3;
    Splice_Input.h_p = 24.0;
    Set_Layout(2, 2);
    Tension_Splice(N0);
    Set_Lkom(0, 1, 0.0, N1, 0.0);
    Set_Lkom(3, 7, 0.0, N2, 0.0);
    Splice_Input.lkom.groups[3].kmod_source = 0;
    Splice_Input.lkom.groups[3].kmod = 0.9;
}

TEST(Run, TieKeepsTheFirstCombination)
{
    Bolt_Splice_With(40.0, 60.0, 60.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Run_Nachweise(nullptr, 0);
    EXPECT_EQ(Governing_Lkom.group, 0);
    EXPECT_EQ(Governing_Lkom.entry, 1);
    Get_Lkom_Entry(3, 7)->N_d = 61.0;
    Run_Nachweise(nullptr, 0);
    EXPECT_EQ(Governing_Lkom.group, 3);
    EXPECT_EQ(Governing_Lkom.entry, 7);
}

TEST(Run, GoverningIsResetAndBlockShearNeedsTension)
{
    Bolt_Splice_With(60.0, 50.0, 40.0);
    Splice_Input.block_shear = 1;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Run_Nachweise(nullptr, 0);
    EXPECT_EQ(Governing_Lkom.group, 0);
    EXPECT_EQ(Governing_Lkom.entry, 0);
    EXPECT_GT(Oli_Blockscher_Nachweis(nullptr, 0, 0, nullptr), 0.0);

    /* the same splice in compression: block shear does not apply */
    Splice_Input.splice_kind = SPLICE_COMPRESSION;
    Get_Lkom_Entry(0, 0)->N_d = -60.0;
    EXPECT_DOUBLE_EQ(Oli_Blockscher_Nachweis(nullptr, 0, 0, nullptr), 0.0);

    /* a run without any valid combination leaves no governing combination behind */
    Get_Lkom_Entry(0, 1)->used = 0;
    Get_Lkom_Entry(3, 7)->used = 0;
    Get_Lkom_Entry(0, 0)->used = 0;
    Run_Nachweise(nullptr, 0);
    EXPECT_EQ(Governing_Lkom.group, -1);
    double u = -1.0;
    const std::string s = Run_Print(1, &u);
    EXPECT_DOUBLE_EQ(u, 0.0);
    EXPECT_NE(s.find("Keine ma\xE1gebende Lastkombination vorhanden."), std::string::npos) << s;
    EXPECT_EQ(s.find("Lastkombination 1"), std::string::npos);
}

TEST(Run, GoverningOnlyPrintHasOneHeading)
{
    Bolt_Splice_With(40.0, 60.0, 50.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    const std::string s = Run_Print(1);
    /* count the heading lines (the bookmark records of the list start with '#') */
    size_t n = 0, start = 0;
    while (start < s.size()) {
        size_t end = s.find('\n', start);
        if (end == std::string::npos) end = s.size();
        const std::string line = s.substr(start, end - start);
        if (!line.empty() && line[0] != '#'
            && line.find("Ma\xE1gebende Lastkombination") != std::string::npos)
            n++;
        start = end + 1;
    }
    EXPECT_EQ(n, 1u);
    EXPECT_EQ(s.find(". Lastkombination Nr."), std::string::npos);
    EXPECT_NE(s.find("Zusammenfassung"), std::string::npos);
    /* the printing run leaves the utilisation list empty */
    EXPECT_EQ(Splice_Input.utilisation.count, 0);

    const std::string all = Run_Print(0);
    /* each heading names its combination as the pages do: slot 3 is the second used group */
    EXPECT_NE(all.find(". Lastkombination Nr. 1 (Gruppe 1, Kombination 1)"), std::string::npos);
    EXPECT_NE(all.find(". Lastkombination Nr. 3 (Gruppe 2, Kombination 8)"), std::string::npos);
    EXPECT_EQ(all.find(". Lastkombination Nr. 4"), std::string::npos);
}

TEST(Run, SummaryThreshold)
{
    Fresh_Splice(true);
    FILE *f = tmpfile();
    Write_Nachweis_Summary(f, 1.004);
    std::string s = Slurp_Print(f);
    fclose(f);
    EXPECT_NE(s.find("u\xCE\\max\xCEr = 1.00 \xF3 1 => \xCE"
                     "bAlle Nachweise erf\x81llt\xCEr"),
              std::string::npos)
        << s;
    f = tmpfile();
    Write_Nachweis_Summary(f, 1.006);
    s = Slurp_Print(f);
    fclose(f);
    EXPECT_NE(s.find("u\xCE\\max\xCEr = 1.01 > 1 => \xCE"
                     "bNachweis nicht erf\x81llt\xCEr"),
              std::string::npos)
        << s;
}

/* A tension splice checks neither M_d nor its combinations without tension: the summary reads
** as incomplete (with the margin mark) and names them: one combination with 5 kNm, two with
** N_d <= 0 of which the larger |N_d| is 80 kN and which leave V_d = 2 kN unchecked as well; the
** line of M_d says that the bending splice designs N_d together with M_d. The note on N_d says
** which splice kind checks the combinations left out: the compression splice checks N_d < 0
** only, so the shear alone (N_d = 0) goes to the bending splice, which checks every sign. They
** are named by their numbers in the report's table, which lists them: Nr. 2 and 3 of the rows
** 1 to 3 (the fourth, all zero, is no row). A compression splice names N_d >= 0 with every
** action of them (10 kN with 5 kNm, and 2 kN of shear alone); a bending splice leaves nothing
** out. */
TEST(Run, SummaryNamesTheLoadsLeftOut)
{
    Fresh_Splice(true);
    Splice_Input.splice_kind = SPLICE_TENSION;
    Set_Lkom(0, 0, 5.0, 10.0, 0.0);
    Set_Lkom(0, 1, 0.0, -80.0, 0.0);
    Set_Lkom(0, 2, 0.0, 0.0, 2.0);
    Set_Lkom(0, 3, 0.0, 0.0, 0.0); /* all zero: no combination */
    Unchecked_Loads u;
    ASSERT_EQ(Get_Unchecked_Loads(&u), 1);
    EXPECT_EQ(u.moment_count, 1);
    EXPECT_DOUBLE_EQ(u.moment_max, 5.0);
    EXPECT_EQ(u.other_count, 2);
    EXPECT_DOUBLE_EQ(u.other_N_max, 80.0);
    FILE *f = tmpfile();
    Write_Nachweis_Summary(f, 0.5);
    std::string s = Slurp_Print(f);
    fclose(f);
    EXPECT_NE(s.find("Maximale Ausnutzung der gef\x81hrten Nachweise u\xCE\\max\xCEr = 0.50 \xF3 1 "
                     "=> \xCE"
                     "bNachweis unvollst\x84ndig\xCEr"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("!!"), std::string::npos) << s;
    EXPECT_NE(s.find("\xCE"
                     "bWichtig!\xCEr M\xCE\\d\xCEr wird beim Zugsto\xE1 nicht nachgewiesen: 1 "
                     "Lastkombination mit M\xCE\\d\xCEr, max |M\xCE\\d\xCEr| = 5.00 kNm; "
                     "N\xCE\\d\xCEr zusammen mit M\xCE\\d\xCEr weist der Biegesto\xE1 nach"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("\xCE"
                     "bWichtig!\xCEr 2 Lastkombinationen mit N\xCE\\d\xCEr \xF3 0 werden beim "
                     "Zugsto\xE1 nicht nachgewiesen, max |N\xCE\\d\xCEr| = 80.00 kN, "
                     "max |V\xCE\\d\xCEr| = 2.00 kN. Diese Kombinationen mit der Sto\xE1"
                     "art Biegesto\xE1 nachweisen\n"),
              std::string::npos)
        << s;
    /* and which they are, as the report's table numbers them (the fourth, all zero, is none) */
    EXPECT_NE(s.find(" Nicht nachgewiesen: Nr. 2, 3\n"), std::string::npos) << s;
    EXPECT_EQ(Lkom_Row_Number(0, 1), 2);
    EXPECT_EQ(Lkom_Row_Number(0, 3), 0);
    /* the page's words */
    char line[256];
    ASSERT_EQ(Unchecked_Load_Line(&u, UNCHECKED_MOMENT, 0, line, sizeof line), 1);
    EXPECT_STREQ(line, "Wichtig! M_d wird beim Zugsto\xE1 nicht nachgewiesen: 1 Lastkombination "
                       "mit M_d, max |M_d| = 5.00 kNm; N_d zusammen mit M_d weist der Biegesto\xE1 "
                       "nach");
    Splice_Input.splice_kind = SPLICE_COMPRESSION;
    ASSERT_EQ(Get_Unchecked_Loads(&u), 1);
    EXPECT_EQ(u.moment_count, 0);
    EXPECT_EQ(u.other_count, 2); /* +10 kN and the shear alone */
    EXPECT_DOUBLE_EQ(u.other_N_max, 10.0);
    ASSERT_EQ(Unchecked_Load_Line(&u, UNCHECKED_OTHER_SIGN, 0, line, sizeof line), 1);
    EXPECT_STREQ(line, "Wichtig! 2 Lastkombinationen mit N_d \xF2 0 werden beim Druckst"
                       "o\xE1 nicht nachgewiesen, max |N_d| = 10.00 kN, max |M_d| = 5.00 kNm, "
                       "max |V_d| = 2.00 kN. Diese Kombinationen mit der Sto\xE1"
                       "art Biegesto\xE1 nachweisen");
    EXPECT_EQ(Unchecked_Load_Line(&u, UNCHECKED_MOMENT, 0, line, sizeof line), 0);
    EXPECT_STREQ(line, "");
    Splice_Input.splice_kind = SPLICE_BENDING;
    EXPECT_EQ(Get_Unchecked_Loads(&u), 0);
    f = tmpfile();
    Write_Nachweis_Summary(f, 0.5);
    s = Slurp_Print(f);
    fclose(f);
    EXPECT_NE(s.find("bAlle Nachweise erf\x81llt"), std::string::npos) << s;
    EXPECT_EQ(s.find("Wichtig"), std::string::npos) << s;

    /* A tension splice whose combinations all press (-45 and -30 kN) has nothing to check: the
    ** refusal that the page and a refused print show names them, two with N_d <= 0 and the
    ** larger |N_d| = 45 kN, so that the user learns why none is valid, and that the compression
    ** splice checks them. */
    Side_Timber_Nail_Splice();
    Splice_Input.splice_kind = SPLICE_TENSION;
    Set_Lkom(0, 0, 0.0, -45.0, 0.0);
    Set_Lkom(0, 1, 0.0, -30.0, 0.0);
    const int code = Prepare_Splice_Calc();
    ASSERT_NE(code, 0);
    EXPECT_EQ(std::string(Get_Refusal_Text(code)),
              "Bitte mindestens eine g\x81ltige Schnittgr\x94\xE1"
              "enkombination eingeben: 2 Lastkombinationen mit N_d \xF3 0 werden beim Zugsto\xE1 "
              "nicht nachgewiesen, max |N_d| = 45.00 kN. Diese Kombinationen mit der Sto\xE1"
              "art Drucksto\xE1 nachweisen");

    /* A long list goes on on lines of its own, none longer than a line of the print holds (255
    ** bytes), a run of three or more as one: the second group's 400 combinations press in every
    ** other one, and in 390 to 400 of the group; numbered on from the first group's two, its
    ** combination e + 1 is Nr. e + 3 of the table: 4, 6, .. 390 and 392 bis 402 */
    for (int e = 0; e < 400; e++) Set_Lkom(1, e, 0.0, e % 2 == 0 && e < 389 ? 1.0 : -1.0, 0.0);
    f = tmpfile();
    Write_Nachweis_Summary(f, 0.5);
    s = Slurp_Print(f);
    fclose(f);
    EXPECT_NE(s.find(" Nicht nachgewiesen: Nr. 1, 2, 4, 6, "), std::string::npos) << s;
    EXPECT_NE(s.find(", 388, 390, 392 bis 402\n"), std::string::npos) << s;
    /* a line that goes on ends with its comma, the next begins with a number */
    EXPECT_EQ(s.find("\n   ,"), std::string::npos) << s;
    size_t longest = 0;
    for (size_t at = 0, nl; (nl = s.find('\n', at)) != std::string::npos; at = nl + 1)
        longest = std::max(longest, nl - at);
    EXPECT_LE(longest, 255u) << s;
}

/* Each section of a combination whose M_d a tension splice does not check says that its verdict
** holds without M_d (and is marked in the margin), not a plain "Nachweis erfüllt": the fasteners,
** the timber, the plates and their holes of the glulam splice with one inner plate, N_d 60 kN,
** M_d 4.5 kNm, and the plates' block tearing where the block-shear switch asks for it. The same
** combination of a bending splice takes M_d and says nothing of it. */
TEST(Run, EverySectionSaysWhatItsVerdictCovers)
{
    Glulam_Inner_Plate_Splice();
    Tension_Splice(60.0);
    Get_Lkom_Entry(0, 0)->M_d = 4.5;
    Splice_Input.block_shear = 0;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    FILE *f = tmpfile();
    Oli_Init_Writer(3, 2, 1);
    Run_Nachweise(f, 1);
    const std::string s = Slurp_Print(f);
    fclose(f);
    const std::string without = "\xCE"
                                "bNachweis ohne M\xCE\\"
                                "d\xCEr\xCE"
                                "b erf\x81llt\xCEr (M\xCE\\"
                                "d\xCEr = 4.50 kNm nicht nachgewiesen)";
    int n = 0;
    for (size_t at = s.find(without); at != std::string::npos; at = s.find(without, at + 1)) n++;
    EXPECT_EQ(n, 4) << s; /* fasteners, timber, plate, holes */
    for (const char *what :
         {"der Verbindungsmittel", "der Holzlamellen", "des Bleches u", "der Lochleibungskraft"})
        EXPECT_NE(s.find(std::string("Maximale Ausnutzung ") + what), std::string::npos) << what;
    EXPECT_EQ(s.find("bNachweis erf\x81llt"), std::string::npos) << s;
    EXPECT_EQ(Satisfied_Verdict(Moment_Left_Out(4.5)), without);
    Splice_Input.block_shear = 1;
    f = tmpfile();
    Oli_Blech_Blockversagen_Nachweis(f, 0, 0, nullptr);
    const std::string b = Slurp_Print(f);
    fclose(f);
    EXPECT_NE(b.find(" je Blech => u = "), std::string::npos) << b;
    EXPECT_NE(b.find(without), std::string::npos) << b;

    Splice_Input.splice_kind = SPLICE_BENDING;
    EXPECT_EQ(Moment_Left_Out(4.5), 0.0);
    EXPECT_STREQ(Satisfied_Verdict(Moment_Left_Out(4.5)), "\xCE"
                                                          "bNachweis erf\x81llt\xCEr");
    Splice_Input.splice_kind = SPLICE_COMPRESSION;
    EXPECT_EQ(Moment_Left_Out(-2.0), -2.0);
    EXPECT_EQ(Moment_Left_Out(0.0), 0.0);
}

/* ---------------------------------------------------------------- printed sections */

TEST(Run, FastenerSectionOfATensionSplice)
{
    /* The outer-plate bolt splice of above: F_Hi,d = 60 / (2 x 4) = 7.5000 kN; no moment line. */
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Splice_Input.vbm_type = 30;
    Splice_Input.vbm_row = 3;
    Splice_Input.h_p = 24.0;
    Set_Layout(2, 2);
    Tension_Splice(60.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    FILE *f = tmpfile();
    int err = -1;
    const double u = Oli_Vbm_Nachweis(f, 0, 0, &err);
    const std::string s = Slurp_Print(f);
    fclose(f);
    EXPECT_EQ(err, 0);
    EXPECT_NEAR(u, 1.5616, 5e-5);
    EXPECT_NE(s.find("F\xCE\\Hi,d\xCEr = 60.00 / (2 x 4) = 7.5000 kN"), std::string::npos) << s;
    EXPECT_EQ(s.find("M\xCE\\v,d\xCEr"), std::string::npos);
    EXPECT_EQ(s.find("F\xCE\\Vi,d\xCEr"), std::string::npos);
    /* n = 2 in a row, a1 = 60 mm: n_ef = 2^0.9 (60 / 156)^0.25 = 1.47 */
    EXPECT_NE(s.find("a\xCE\\"
                     "1\xCEr = 60.0 mm, n = 2 => n\xCE\\"
                     "ef\xCEr = 1.47"),
              std::string::npos);
    EXPECT_NE(s.find("#SHOWTABLE"), std::string::npos);
    EXPECT_NE(s.find("u\xCE\\max\xCEr = 1.56 > 1 => \xCE"
                     "bNachweis nicht erf\x81llt\xCEr"),
              std::string::npos);
    EXPECT_EQ(s.find("Wichtig"), std::string::npos);

    /* With M_d = 5 kNm and V_d = 4 kN: the moment is named as not checked; V_d goes to the
    ** fasteners with its moment about them, M_v,d = x_c V_d / 100, and every fastener is
    ** designed: F_Vi,d = 4 / (2 x 4) = 0.5000 kN. */
    Lkom_Entry *c = Get_Lkom_Entry(0, 0);
    c->M_d = 5.0;
    c->V_d = 4.0;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    const double x_c = Fastener_Pattern.x_c;
    EXPECT_NEAR(c->M_distr, x_c * 4.0 / 100.0, 1e-12);
    f = tmpfile();
    Oli_Vbm_Nachweis(f, 0, 0, &err);
    const std::string v = Slurp_Print(f);
    fclose(f);
    char expect[160];
    snprintf(expect, sizeof expect, "M\xCE\\v,d\xCEr = |%.4lf x 4.00| = %.2lf kNm", x_c / 100.0,
             x_c * 4.0 / 100.0);
    EXPECT_NE(v.find(expect), std::string::npos) << v;
    EXPECT_NE(v.find("\xCE"
                     "bWichtig!\xCEr M\xCE\\d\xCEr = 5.00 kNm wird beim Zugsto\xE1 nicht "
                     "nachgewiesen"),
              std::string::npos)
        << v;
    EXPECT_NE(v.find("F\xCE\\Vi,d\xCEr = 4.00 / (2 x 4) = 0.5000 kN"), std::string::npos) << v;

    /* Nails 3.1 x 70 mm driven alternately (70 > 22 + 80 / 2 mm) through OSB/3 side boards
    ** 2 x 22 mm into C24 80 x 200 mm, 7 x 5 per half, N_d = 30 kN, "mittel" with the preset
    ** kmod 0.8, service class 1: 18 nails from one side, 17 from the other, each side's plane
    ** carries N_d / 2, so F_Hi,d = 30 / (2 x 17) = 0.88235 kN (not 30 / 35 = 0.85714; a nail of
    ** the other side 30 / (2 x 18) = 0.83333 kN). By hand,
    ** EN 1995-1-1, (8.6) in single shear, t1 = 22, t2 = 70 - 22 = 48 mm:
    ** M_y,Rk = 0.3 x 600 x 3.1^2.6 = 3410.46 Nmm (8.14); f_h,1,k = 65 x 3.1^-0.7 x 22^0.1 =
    ** 40.1054 N/mm² (OSB, 8.22); f_h,2,k = 0.082 x 350 x 3.1^-0.3 = 20.4396 N/mm² (8.15);
    ** beta = 0.50965; mode (f) 1.15 (2 beta / (1 + beta))^0.5 (2 M_y f_h,1 d)^0.5 = 0.87019 kN
    ** governs (no rope effect). kmod: OSB/3 "mittel" in service class 1 0.70 (Table 3.1; the
    ** preset does not raise it), C24 0.8: (0.70 x 0.80)^0.5 = 0.74833 (2.6); F_v,Rd = 0.87019 x
    ** 0.74833 / 1.3 = 0.50092 kN; a1 >= 14 d leaves n_ef = n (Table 8.1): u = 0.88235 / 0.50092 = 1.7615
    ** (1.7112 with 30 / 35). The lines print the kmod with the digits they compute with. */
    Side_Timber_Nail_Splice();
    Splice_Input.service_class = 1;
    Splice_Input.mat_side = MAT_OSB;
    Splice_Input.grade_side = 1; /* OSB/3 */
    Splice_Input.t_s = 2.2;
    Splice_Input.b = 8.0;
    Splice_Input.d = 3.1;
    Splice_Input.l = 70.0;
    Splice_Input.d_k = 7.0;
    Splice_Input.two_sided = 1;
    Set_Layout(7, 5);
    Tension_Splice(30.0);
    Splice_Input.L_user = 1;
    Splice_Input.L = 80.0; /* a1 = (400 - 2 x 15 x 3.1) / 6 = 51.2 mm >= 14 d: k_ef = 1 */
    Lkom_Group *g = &Splice_Input.lkom.groups[0];
    g->kled = KLED_MITTEL;
    g->kmod_source = 0;
    g->kmod = 0.8;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    ASSERT_EQ(Fastener_Pattern.count, 35);
    ASSERT_EQ(Splice_Input.shear_planes, 1);
    f = tmpfile();
    const double u_odd = Oli_Vbm_Nachweis(f, 0, 0, &err);
    const std::string w = Slurp_Print(f);
    fclose(f);
    const double My = 0.3 * 600.0 * std::pow(3.1, 2.6);
    const double fh1 = 65.0 * std::pow(3.1, -0.7) * std::pow(22.0, 0.1);
    const double fh2 = 0.082 * 350.0 * std::pow(3.1, -0.3), beta = fh2 / fh1;
    const double Rk = 1.15 * std::sqrt(2.0 * beta / (1.0 + beta)) * std::sqrt(2.0 * My * fh1 * 3.1);
    EXPECT_NEAR(Rk, 870.19, 0.01);
    const double Rd = Rk / 1000.0 * std::sqrt(0.70 * 0.80) / 1.3;
    EXPECT_NEAR(u_odd, 30.0 / 34.0 / Rd, 5e-5);
    EXPECT_NEAR(u_odd, 1.7615, 5e-5);
    /* the odd records, 17 of 35, are driven from the left of the cross section, the even ones
    ** from the right */
    EXPECT_NE(
        w.find("F\xCE\\Hi,d\xCEr = 30.00 / (2 x 17) = 0.8824 kN (linke Seite mit 17), 30.00 / "
               "(2 x 18) = 0.8333 kN (rechte Seite mit 18)\n"),
        std::string::npos)
        << w;
    EXPECT_NE(w.find("Wechselseitig: jede Seite (rechts und links wie im Schnitt quer) tr\x84gt "
                     "die H\x84lfte mit ihren eigenen "
                     "Verbindungsmitteln"),
              std::string::npos)
        << w;
    EXPECT_NE(w.find("ma\xE1gebend die linke Seite mit 17: Verbindungsmittel Nr. 2,"),
              std::string::npos)
        << w;
    EXPECT_NE(w.find("(k\xCE\\mod,1\xCEr x k\xCE\\mod,2\xCEr)\xCE/0.5\xCEr = (0.70 x "
                     "0.80)\xCE/0.5\xCEr = 0.7483"),
              std::string::npos)
        << w;
    EXPECT_NE(w.find("= 0.8702 x 0.7483 / 1.30 x 7.000 / 7 = 0.5009 kN"), std::string::npos) << w;

    /* Such nails of 60 mm through outer steel plates of 2 mm (60 > 2 + 80 / 2 mm: alternately,
    ** each in single shear, 58 mm deep and 80 - 58 = 22 > 4 d from the far face): the side with
    ** 17 governs too, 30 / (2 x 17) */
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Splice_Input.l = 60.0;
    Splice_Input.t_p = 0.2;
    Splice_Input.h_p = 20.0;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    ASSERT_EQ(Fastener_Pattern.count, 35);
    ASSERT_EQ(Splice_Input.shear_planes, 1);
    f = tmpfile();
    Oli_Vbm_Nachweis(f, 0, 0, &err);
    const std::string o = Slurp_Print(f);
    fclose(f);
    EXPECT_NE(o.find("F\xCE\\Hi,d\xCEr = 30.00 / (2 x 17) = 0.8824 kN (linke Seite mit 17)"),
              std::string::npos)
        << o;

    /* The boards and nails of above in a bending splice, 5 x 3 nails per half in a splice 60 cm
    ** long with the user's a3 = 5 cm and a4 = 4 cm: columns x = 5, 10, 15, 20, 25 cm, rows y =
    ** -6, 0, 6 cm; M_d = 0.4 kNm alone. Record i (column after column) is driven from side i mod
    ** 2: the side of 7 holds (5, 0), (10, +-6), (15, 0), (20, +-6), (25, 0), centroid (15, 0),
    ** I_p = 2 x 10² + 4 x (5² + 6²) = 444 cm²; the side of 8 (5, +-6), (10, 0), (15, +-6), (20,
    ** 0), (25, +-6): I_p = 4 x (10² + 6²) + 2 x 5² + 2 x 6² = 666 cm². Each side carries M / 2 =
    ** 20 kNcm: the nails (5, 0) and (25, 0) of the side of 7 take 20 x 10 / 444 = 0.45045 kN
    ** across the grain, u = 0.45045 / 0.50092 = 0.8993 (F_v,Rd of above, the same at every angle
    ** for nails, 8.3.1.1(5); a1 = 50 mm >= 14 d: n_ef = n); the corner of the side of 8 only 20
    ** x (10² + 6²)^0.5 / 666 = 0.35021 kN. Over the whole pattern (I_p = 1110 cm², M = 40 kNcm)
    ** the corner took 40 x 11.662 / 1110 = 0.42025 kN, u = 0.8390. */
    Splice_Input.connection_kind = CONN_SIDE_TIMBERS;
    Splice_Input.l = 70.0;
    Set_Layout(5, 3);
    Splice_Input.splice_kind = SPLICE_BENDING;
    Set_Lkom(0, 0, 0.4, 0.0, 0.0);
    Splice_Input.L = 60.0;
    Splice_Input.a3_user = 1;
    Splice_Input.a3 = 5.0;
    Splice_Input.a4_user = 1;
    Splice_Input.a4 = 4.0;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    ASSERT_EQ(Fastener_Pattern.count, 15);
    ASSERT_EQ(Splice_Input.shear_planes, 1);
    EXPECT_NEAR(Fastener_Pattern.recs[1].x, 5.0, 1e-12);
    EXPECT_NEAR(Fastener_Pattern.recs[1].y, 0.0, 1e-12);
    EXPECT_NEAR(Fastener_Pattern.recs[14].x, 25.0, 1e-12);
    EXPECT_NEAR(Fastener_Pattern.recs[14].y, 6.0, 1e-12);
    f = tmpfile();
    const double u_bend = Oli_Vbm_Nachweis(f, 0, 0, &err);
    const std::string m = Slurp_Print(f);
    fclose(f);
    EXPECT_NEAR(u_bend, 20.0 * 10.0 / 444.0 / Rd, 5e-5);
    EXPECT_NEAR(u_bend, 0.8993, 5e-5);
    EXPECT_NE(m.find("Linke Seite mit 7 von 15: x\xCE\\s\xCEr = 15.00 cm, y\xCE\\s\xCEr = 0.00 cm, "
                     "I\xCE\\p\xCEr = 444.00 cm\xCE/2\xCEr, M\xCE\\v,d\xCEr / 2 = (|0.40| + "
                     "|0.1500 x 0.00|) / 2 = 0.2000 kNm\n"),
              std::string::npos)
        << m;
    EXPECT_NE(
        m.find("Rechte Seite mit 8 von 15: x\xCE\\s\xCEr = 15.00 cm, y\xCE\\s\xCEr = 0.00 cm, "
               "I\xCE\\p\xCEr = 666.00 cm\xCE/2\xCEr"),
        std::string::npos)
        << m;
    EXPECT_NE(m.find("ma\xE1gebend die linke Seite mit 7: Verbindungsmittel Nr. "),
              std::string::npos)
        << m;
    EXPECT_NE(m.find(", x - x\xCE\\s\xCEr = -10.00 cm, y - y\xCE\\s\xCEr = 0.00 cm"),
              std::string::npos)
        << m;

    /* the system section states both sides' centroids and polar moments */
    f = tmpfile();
    Oli_Systemdarstellung(f);
    const std::string sys = Slurp_Print(f);
    fclose(f);
    EXPECT_NE(sys.find("Linke Seite mit 7 von 15: I\xCE\\p\xCEr = 444.00 cm\xCE/2\xCEr, S bei "
                       "x\xCE\\s\xCEr = 15.00 cm, y\xCE\\s\xCEr = 0.00 cm\n"),
              std::string::npos)
        << sys;

    /* three nails in a row: the side of one nail has no polar moment for its half of M_d and is
    ** refused; without a moment (tension, no V_d) it carries N_d / 2 alone */
    Set_Layout(3, 1);
    EXPECT_EQ(Prepare_Splice_Calc(), DERR_SIDE_WITHOUT_POLAR_MOMENT);
    Set_Lkom(0, 0, 0.0, 2.0, 0.0);
    Splice_Input.splice_kind = SPLICE_TENSION;
    EXPECT_EQ(Prepare_Splice_Calc(), 0);
    Get_Lkom_Entry(0, 0)->V_d = 0.5;
    EXPECT_EQ(Prepare_Splice_Calc(), DERR_SIDE_WITHOUT_POLAR_MOMENT);
}

TEST(Run, TensionPerpendicularToTheGrainInKiloNewton)
{
    /* The nailed splice in bending: V_90 is the largest column sum of F_y, a force in kN. */
    Side_Timber_Nail_Splice();
    Splice_Input.L_user = 0;
    Lkom_Entry *c = Set_Lkom(0, 0, 1.0, 0.0, 2.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    ASSERT_GT(c->max_col_Fy, 0.0);
    FILE *f = tmpfile();
    Oli_Holz_Nachweis(f, 0, 0, nullptr, nullptr);
    const std::string s = Slurp_Print(f);
    fclose(f);
    char expect[64];
    snprintf(expect, sizeof expect,
             "max V\xCE\\"
             "90,d\xCEr = %.2lf kN",
             c->max_col_Fy);
    EXPECT_NE(s.find(expect), std::string::npos) << s;
    EXPECT_EQ(s.find(" N, "), std::string::npos);
}

TEST(Run, SingleRowAndSingleColumn)
{
    /* One row: it lies on the axis and its step is 0; one column stands at L / 4 for timber. */
    Fresh_Splice(true);
    Splice_Input.L_user = 1;
    Splice_Input.L = 100.0;
    Set_Layout(3, 1);
    Tension_Splice(20.0);
    Splice_Input.L_user = 1;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    ASSERT_EQ(Fastener_Pattern.count, 3);
    for (int i = 0; i < 3; i++) EXPECT_DOUBLE_EQ(Fastener_Pattern.recs[i].y, 0.0);
    EXPECT_DOUBLE_EQ(Splice_Input.a2, 0.0);
    Set_Layout(1, 3);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    ASSERT_EQ(Fastener_Pattern.count, 3);
    for (int i = 0; i < 3; i++) EXPECT_DOUBLE_EQ(Fastener_Pattern.recs[i].x, 25.0);
    EXPECT_DOUBLE_EQ(Splice_Input.a1, 0.0);
    for (int i = 0; i < 3; i++) EXPECT_TRUE(std::isfinite(Fastener_Pattern.recs[i].r));
}

TEST(Run, GoverningFastenerIsTheLargestOfAll)
{
    /* Bending: the governing-only search must find the fastener with the largest utilisation
    ** of the full table, the first of equals, and mark it. */
    Fresh_Splice(true);
    Splice_Input.L_user = 0;
    Set_Layout(3, 3);
    Set_Lkom(0, 0, 8.0, 20.0, 12.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Splice_Input.print.fasteners = 1;
    Vbm_Check all, gov;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &all), 1);
    Splice_Input.print.fasteners = 0;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &gov), 1);
    EXPECT_EQ(gov.error, 0);
    EXPECT_EQ(all.rows.size(), 9u);
    ASSERT_EQ(gov.rows.size(), 1u);
    EXPECT_DOUBLE_EQ(gov.u, all.u);
    EXPECT_EQ(gov.governing, all.governing);
    EXPECT_EQ(gov.first, all.governing);
    EXPECT_DOUBLE_EQ(gov.rows[0].u, all.rows[(size_t)all.governing].u);
    EXPECT_GT(all.u, 0.0);
    /* the check leaves the input alone; the run stores the governing fastener for the print */
    Splice_Input.governing_vbm = -1;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &gov), 1);
    EXPECT_EQ(Splice_Input.governing_vbm, -1);
    Run_Nachweise(nullptr, 0);
    EXPECT_EQ(Splice_Input.governing_vbm, all.governing);
}

TEST(Run, UserMaterialWithoutPartialFactorFailsTheTimberCheck)
{
    /* Under EN 1995 the partial factor of a user-defined material (14) is not determinable:
    ** the timber row reports a check that cannot be made, and why, instead of an infinite
    ** utilisation or the number 10 that fails the run; so do the summary and its verdict. */
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Splice_Input.vbm_type = 30;
    Splice_Input.vbm_row = 3;
    Splice_Input.h_p = 24.0;
    Set_Layout(2, 2);
    Tension_Splice(60.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Splice_Input.mat_mid = 14;
    Run_Nachweise(nullptr, 0);
    ASSERT_EQ(Splice_Input.utilisation.count, 6); /* the block checks: not made */
    Expect_Row(1, "Mittelholz", UTIL_NOT_VERIFIABLE);
    EXPECT_STREQ(Splice_Input.utilisation.governs[1], "Teilsicherheitsbeiwert nicht bestimmbar");
    for (int i = 0; i < Splice_Input.utilisation.count; i++)
        EXPECT_TRUE(std::isfinite(Splice_Input.utilisation.value[i])) << i;
    const std::string s = Run_Print(0);
    EXPECT_NE(s.find("Maximale Ausnutzung der gef\x81hrten Nachweise: Verbindungsmittel nicht "
                     "nachweisbar => "),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("Verbindungsmittel: nicht nachweisbar (keine Tragf\x84higkeit) in "),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("Mittelholz: nicht nachweisbar (Teilsicherheitsbeiwert nicht bestimmbar) in "
                     "Lastkombination Nr. 1"),
              std::string::npos)
        << s;
    EXPECT_EQ(s.find("inf"), std::string::npos) << s;
}
