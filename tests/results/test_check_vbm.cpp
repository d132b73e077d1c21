/*
** Tests of the fastener check of one combination: the effective number by fastener family, the
** penetration lines, the governing fastener among equals, the tension of the bolts of toothed
** plates, the design capacity of the approved screws with a preset kmod, and the table's columns
** by fastener family.
*/
#include "results_test_util.h"

#include <cmath>
#include <string>

#include "printlist/printlist.h"

static std::string Vbm_Text(double *u = nullptr, int *error = nullptr)
{
    FILE *f = tmpfile();
    const double v = Oli_Vbm_Nachweis(f, 0, 0, error);
    if (u) *u = v;
    const std::string s = Slurp_Print(f);
    fclose(f);
    return s;
}

/* Side timbers 6 cm of C24 on a 12 cm C24 member, one row of n fasteners 'step' cm apart in a
** tension splice with N (kN), kmod 0.9 preset. */
static void Row_Splice(int type, double d, int n, double step, double N)
{
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_SIDE_TIMBERS;
    Splice_Input.splice_kind = SPLICE_TENSION;
    Splice_Input.vbm_type = type;
    Splice_Input.d = d;
    Splice_Input.mat_side = Splice_Input.mat_mid = 0;
    Splice_Input.grade_side = Splice_Input.grade_mid = 5;
    Splice_Input.t_s = 6.0;
    Splice_Input.b = 12.0;
    Splice_Input.h = Splice_Input.h_s = 20.0;
    Splice_Input.shear_planes = 2;
    Splice_Input.p1 = step;
    Splice_Input.print.fasteners = 1;
    Set_Layout(n, 1);
    Build_Regular_Pattern(5.0, 0.0, step, 0.0, n);
    Calc_Pattern_Centroid(&Fastener_Pattern.x_c, &Fastener_Pattern.y_c, &Fastener_Pattern.I_p, n,
                          Fastener_Pattern.recs);
    Lkom_Group *g = &Splice_Input.lkom.groups[0];
    g->kmod_source = 0;
    g->kmod = 0.9;
    Set_Lkom(0, 0, 0.0, N, 0.0);
}

namespace {
void Toothed_Splice(int type, double dc, double db, double b);
} // namespace

static bool Has(const std::string &s, const std::string &what)
{
    return s.find(what) != std::string::npos;
}

/* A bending splice of dowels 12 mm (Row_Splice) with one dowel in each of two rows, at (10, -5)
** and (10, 5) cm: I_p = 2 * 5² = 50 cm². */
static void Two_Dowel_Rows(void)
{
    Row_Splice(29, 12.0, 1, 0.0, 0.0);
    Splice_Input.splice_kind = SPLICE_BENDING;
    Set_Layout(1, 2);
    Fastener_Pattern.count = 2;
    Fastener_Pattern.recs[0] = Fastener_Rec{};
    Fastener_Pattern.recs[1] = Fastener_Rec{};
    Fastener_Pattern.recs[0].x = Fastener_Pattern.recs[1].x = 10.0;
    Fastener_Pattern.recs[0].y = -5.0;
    Fastener_Pattern.recs[1].y = 5.0;
    Fastener_Pattern.recs[0].weight = Fastener_Pattern.recs[1].weight = 1.0;
    Calc_Pattern_Centroid(&Fastener_Pattern.x_c, &Fastener_Pattern.y_c, &Fastener_Pattern.I_p, 2,
                          Fastener_Pattern.recs);
}

TEST(VbmCheck, EffectiveNumberByFamily)
{
    /* EN 1995-1-1 with the annex: wood screws to DIN 571 above 6 mm take the bolt rule,
    ** eq. (8.34): n_ef = n^0.9 (a1 / 13 d)^0.25 = 4^0.9 (84 / 104)^0.25 = 3.4822 * 0.9480 = 3.30 */
    Row_Splice(2, 8.0, 4, 8.4, 10.0);
    Splice_Input.l = 100.0;
    std::string s = Vbm_Text();
    EXPECT_TRUE(Has(s, "a\xCE\\"
                       "1\xCEr = 84.0 mm, n = 4 => n\xCE\\"
                       "ef\xCEr = 3.30\n"))
        << s;
    /* 6 mm and below the nail rule, eq. (8.17) with Table 8.1: a1 = 72 mm = 12 d,
    ** k_ef = 0.85 + 0.15 (72 - 60) / 24 = 0.925, n_ef = 4^0.925 = 3.61 */
    Row_Splice(2, 6.0, 4, 7.2, 10.0);
    Splice_Input.l = 100.0;
    s = Vbm_Text();
    EXPECT_TRUE(Has(s, "n = 4 => n\xCE\\"
                       "ef\xCEr = 3.61, mit a\xCE\\"
                       "1\xCEr = 72.0 mm\n"))
        << s;
    /* DIN 1052: screws above 6 mm take the nail rule: a1 = 84 mm = 10.5 d, k_ef = 0.85 +
    ** 0.15 (84 - 80) / 32 = 0.86875, n_ef = 4^0.86875 = 3.33; 6 mm and below none */
    Row_Splice(2, 8.0, 4, 8.4, 10.0);
    Use_Annex(false);
    Splice_Input.l = 100.0;
    s = Vbm_Text();
    EXPECT_TRUE(Has(s, "n = 4 => n\xCE\\"
                       "ef\xCEr = 3.33, mit a\xCE\\"
                       "1\xCEr = 84.0 mm\n"))
        << s;
    Splice_Input.d = 6.0;
    EXPECT_FALSE(Has(Vbm_Text(), "ef\xCEr = "));

    /* the user's a1 = 4.2 cm stands in L = 55.44 cm = 2 (2 a3,t + 3 x 5.04), the columns centred
    ** in the half (a3,vorh = (27.72 - 3 x 4.2) / 2 = 7.56 cm), and counts: a1 = 42 mm = 10 d,
    ** k_ef = 0.85 (EN 1995-1-1, Table 8.1), n_ef = 4^0.85 = 3.25, where the columns spread
    ** 50.4 mm = 12 d apart gave 4^0.925 = 3.61 */
    Side_Timber_Nail_Splice();
    Tension_Splice(30.0);
    Splice_Input.a1_user = 1;
    Splice_Input.a1 = 4.2;
    Splice_Input.L_user = 1;
    Splice_Input.L = 55.44;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    EXPECT_NEAR(Fastener_Pattern.a1_actual, 4.2, 1e-9);
    EXPECT_NEAR(Fastener_Pattern.recs[0].x, 7.56, 1e-9);
    s = Vbm_Text();
    EXPECT_TRUE(Has(s, "n = 4 => n\xCE\\"
                       "ef\xCEr = 3.25, mit a\xCE\\"
                       "1\xCEr = 42.0 mm\n"))
        << s;
    /* staples 2 mm, a1 = 24 mm = 12 d: 4^0.925 = 3.61; they end in the middle member
    ** l - t_s = 60 - 30 = 30 mm deep */
    Row_Splice(1, 2.0, 4, 2.4, 10.0);
    Splice_Input.l = 60.0;
    Splice_Input.t_s = 3.0;
    Splice_Input.two_sided = 1;
    s = Vbm_Text();
    EXPECT_TRUE(Has(s, "n = 4 => n\xCE\\"
                       "ef\xCEr = 3.61, mit a\xCE\\"
                       "1\xCEr = 24.0 mm\n"))
        << s;
    EXPECT_TRUE(Has(s, "Verbindungsmittel endet im Mittelholz, Verbindungsmittel zweiseitig, "
                       "Einschlagtiefe t = 30 mm"))
        << s;
    Splice_Input.two_sided = 0;
    EXPECT_TRUE(Has(Vbm_Text(),
                    "Verbindungsmittel endet im Mittelholz, 2-schnittig, wechselseitig, "
                    "Einschlagtiefe t = 30 mm"));
}

/* Two staples in a row: the line of n_ef names a1 as for longer rows; the row's n_ef and the
** governing angle (tension along the grain: 0 degrees) come back to the caller.
** a1 = 24 mm = 12 d: k_ef = 0.85 + 0.15 (12 - 10) / 4 = 0.925, n_ef = 2^0.925 = 1.8987 */
TEST(VbmCheck, TwoStaplesInARow)
{
    Row_Splice(1, 2.0, 2, 2.4, 10.0);
    Splice_Input.l = 60.0;
    Splice_Input.t_s = 3.0;
    Splice_Input.two_sided = 1;
    const std::string s = Vbm_Text();
    EXPECT_TRUE(Has(s, "n = 2 => n\xCE\\"
                       "ef\xCEr = 1.90, mit a\xCE\\"
                       "1\xCEr = 24.0 mm\n"))
        << s;
    int n = 0;
    double alpha = -1.0;
    EXPECT_NEAR(Get_Nail_Row_N_Ef(0, 0, 24.0, &n, &alpha), std::pow(2.0, 0.925), 1e-9);
    EXPECT_EQ(n, 2);
    EXPECT_DOUBLE_EQ(alpha, 0.0);
}

TEST(VbmCheck, NailThroughBothMembersInSingleShear)
{
    /* one-sided nails 4.2 x 183 mm through 60 + 120 mm reach 183 - 180 = 3 mm into the far side
    ** timber, less than the point's least hold (d = 4.2 mm under the built-in annex, which has
    ** no rules of its own): single shear */
    Row_Splice(0, 4.2, 4, 4.2, 10.0);
    Splice_Input.l = 183.0;
    Splice_Input.two_sided = 0;
    Splice_Input.shear_planes = 1;
    EXPECT_TRUE(Has(Vbm_Text(), "Verbindungsmittel zu kurz f\x81r 2-schnittige Verbindung!"));
    /* 200 mm driven alternately: the point passes 200 - 60 - 120 = 20 mm >= 4.2 mm into the far
    ** side timber and holds there, double shear (EN 1995-1-1, 8.3.1.1): the line says where it
    ** ends, not in the middle member */
    Splice_Input.l = 200.0;
    Splice_Input.shear_planes = 2;
    const std::string s = Vbm_Text();
    EXPECT_TRUE(Has(s, "Verbindungsmittel endet im gegen\x81"
                       "berliegenden Seitenholz, 2-schnittig, wechselseitig, Einschlagtiefe t = "
                       "20 mm"))
        << s;
    EXPECT_FALSE(Has(s, "endet im Mittelholz")) << s;
    /* no fastener: nothing to check or write */
    Fastener_Pattern.count = 0;
    double u = -1.0;
    EXPECT_EQ(Vbm_Text(&u), "");
    EXPECT_DOUBLE_EQ(u, 0.0);
}

TEST(VbmCheck, FirstOfEqualFastenersGoverns)
{
    /* Dowels 12 mm at (10, -5) and (10, 5) cm in a bending splice, N = 0, V = 0.6 kN,
    ** M_v,d = 0.1 kNm: F_V = 0.6 / 2 / 2 = 0.15 kN; I_p = 50 cm², the moment gives
    ** 10 kNcm * (-/+5) / 50 / 2 = -/+0.5 kN along the grain: both take
    ** sqrt(0.5² + 0.15²) = 0.522 kN at atan(0.15 / 0.5) = 16.70 degrees; the first governs. */
    Two_Dowel_Rows();
    Splice_Input.print.fasteners = 0;
    ASSERT_DOUBLE_EQ(Fastener_Pattern.I_p, 50.0);
    Lkom_Entry *c = Set_Lkom(0, 0, 0.1, 0.0, 0.6);
    c->M_distr = 0.1;
    Splice_Input.governing_vbm = 99;
    double u = 0.0;
    const std::string s = Vbm_Text(&u);
    EXPECT_GT(u, 0.0);
    EXPECT_LT(u, 1.0);
    Vbm_Check r;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_EQ(r.governing, 0) << s;
    EXPECT_EQ(r.first, 0);
    /* the check leaves the input alone: the run stores the governing fastener */
    EXPECT_EQ(Splice_Input.governing_vbm, 99);
    /* every fastener printed: both rows, the first of the equals governs */
    Splice_Input.print.fasteners = 1;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    ASSERT_EQ(r.rows.size(), 2u);
    EXPECT_DOUBLE_EQ(r.rows[0].u, r.rows[1].u);
    EXPECT_EQ(r.governing, 0);
    /* shear without moment still loads the fasteners unequally: all are printed; neither
    ** moment nor shear: the first only */
    c->M_d = 0.0;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_EQ(r.rows.size(), 2u);
    c->V_d = 0.0;
    c->N_d = 1.0;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_EQ(r.rows.size(), 1u);
    /* no force at all: no fastener is utilised, none governs */
    c->N_d = 0.0;
    c->M_distr = 0.0;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_EQ(r.u_max, 0.0);
    EXPECT_EQ(r.governing, -1);
    Splice_Input.print.fasteners = 0;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_EQ(r.governing, -1);
    EXPECT_TRUE(Has(s, "    0.52   16.70 ")) << s;
}

TEST(VbmCheck, BoltsOfToothedPlatesInTension)
{
    /* Toothed plates with M16 bolts of grade 4.6 (f_u,b = 400) in a tension splice of 4 units,
    ** N = 100 kN, side timbers t_s = 6 cm of C24, p1 = 12 cm, gamma_M2 = 1.25, kmod 0.9 preset:
    ** the bolt by EN 1993-1-8, Table 3.4: A_s = 157 mm², sigma_R,d = 0.9 * 400 / 1.25 = 288 N/mm²,
    ** F_t,Rd = 288 * 157 = 45.216 kN (on the shank, 400 / 1.1 / 1.1 * 201.06 = 66.47 kN before);
    ** washer 56 mm (EN 1995-1-1, 8.5.2(2)): 3.0 f_c,90,k on the contact area,
    ** R_k = 3 (pi 56² / 4 - pi 18² / 4) 2.5 = 6625.57 mm² * 2.5 N/mm² = 16.5639 kN, as a design
    ** value kmod R_k / gamma_M = 0.9 * 16.5639 / 1.3 = 11.4673 kN governs;
    ** F_t,d = 6 * 100 / 2 / 4 / 12 = 6.25 kN, u = 6.25 / 11.4673 = 0.545. */
    auto setup = [](bool annex) {
        Row_Splice(26, 62.0, 4, 12.0, 100.0);
        Use_Annex(annex);
        Nad_Record.ec3.ec3_1.gamma_m0 = 1.1;
        Splice_Input.d_bolt = 16.0;
        Splice_Input.bolt_steel = 23;
        /* the builder's washer of 56 mm, that of the washer table */
        Splice_Input.washer = annex ? 1 : 0;
        Splice_Input.washer_d = 56.0;
    };
    setup(true);
    std::string s = Vbm_Text();
    EXPECT_TRUE(Has(s, "\xCE"
                       "bNachweis der Bolzen auf Zug gem\x84\xE1 DIN 1052, 11.1.2 (3)\xCEr"))
        << s;
    EXPECT_TRUE(Has(s,
                    "A\xCE\\s\xCEr = 157.00 mm\xCE/2\xCEr, \xCC\xCE\\R,d\xCEr = 0.9 x 400 / 1.25 "
                    "= 288.00 N/mm\xCE/2\xCEr, N\xCE\\R,d\xCEr = 11.47 kN ("))
        << s;
    Vbm_Check r;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_NEAR(r.bolts.N_b, 45.216, 1e-9);
    /* M12 4.6 with the annex's gamma_M0 1.0: 0.9 * 400 * 84.3 / 1.25 = 24.2784 kN on the stress
    ** area (400 / 1.1 / 1.0 * pi 12² / 4 = 41.13 kN on the shank before) */
    setup(true);
    Nad_Record.ec3.ec3_1.gamma_m0 = 1.0;
    Splice_Input.d_bolt = 12.0;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_NEAR(r.bolts.A_b, 84.3, 1e-9);
    EXPECT_NEAR(r.bolts.N_b, 24.2784, 1e-9);
    /* no washer chosen: the page asks for washers of at least 3 d = 36 mm (EN 1995-1-1, 10.4.3)
    ** and the check bears on that one, not on the table's 44 mm. C1 62 with M12, kmod 0.8:
    ** f_c,90,d = 2.5 x 0.8 / 1.3 = 1.5385 N/mm², N_w,R,d = 3 x 1.5385 x pi/4 x (36² - 14²) =
    ** 3.9874 kN (6.3074 kN on 44 mm, 1740 mm² where 36 mm leaves 1100); N = 77.44 kN:
    ** F_t,d = 6 x 77.44 / (2 x 4 x 12) = 4.84 kN, u_F = 4.84 / 3.9874 = 1.2138 (0.7674 on 44) */
    Splice_Input.washer = 0;
    Splice_Input.lkom.groups[0].kmod = 0.8;
    Get_Lkom_Entry(0, 0)->N_d = 77.44;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_NEAR(r.bolts.u, 1.2138, 1e-4);
    const std::string least = Vbm_Text();
    EXPECT_TRUE(Has(least, "(36\xCE/2\xCEr - 14\xCE/2\xCEr) / 1000 = 3.99 kN")) << least;
    setup(true);
    EXPECT_TRUE(Has(s, " Unterleg\xCEr = 56 mm), F\xCE\\t,d\xCEr = 6.25 kN")) << s;
    /* both worked out, the formula with the force of one side timber that the words name:
    ** F_t,d = t_s (|N_d| / 2) / (n p1) = 6 x (100 / 2) / (4 x 12) = 6.25 kN (its connector's
    ** share 50 / 4 kN acts t_s / 2 off the side timber's axis, held by the bolt p1 / 2 from the
    ** contact); f_c,90,d = 2.5 x 0.9 / 1.3 = 1.731 N/mm² */
    EXPECT_TRUE(
        Has(s, "F\xCE\\t,d\xCEr = t\xCE\\s\xCEr (|N\xCE\\d\xCEr| / 2) / (n p\xCE\\1\xCEr) = "
               "6.00 cm x (100.00 kN / 2) / (4 x 12.00 cm) = 6.25 kN")
        /* N_d is the splice's 100 kN, 50 kN in each side timber, n the 4 bolts of one side */
        && Has(s, "mit t\xCE\\s\xCEr = Dicke eines Seitenholzes, |N\xCE\\d\xCEr| / 2 = Kraft je "
                  "Seitenholz (N\xCE\\d\xCEr = Normalkraft im Sto\xE1), n = 4 Bolzen je "
                  "Sto\xE1h\x84lfte, p\xCE\\1\xCEr = Abstand der Bolzen in Faserrichtung")
        && Has(s, "N\xCE\\w,R,d\xCEr = 3 f\xCE\\c,90,d\xCEr pi/4 (D\xCE/2\xCEr - "
                  "d\xCE\\h\xCEr\xCE/2\xCEr) = 3 x 1.731 x pi/4 x (56\xCE/2\xCEr - "
                  "18\xCE/2\xCEr) / 1000 = 11.47 kN"))
        << s;
    EXPECT_TRUE(Has(s, "u\xCE\\"
                       "F\xCEr = 0.55 \xF3 1 => \xCE"
                       "bNachweis erf\x81llt"))
        << s;
    Nad_Record.ec5.na816_tension_reduction = 1;
    EXPECT_TRUE(
        Has(Vbm_Text(),
            "\xCE"
            "bNachweis der Bolzen auf Zug gem\x84\xE1 DIN EN 1995-1-1/NA, NCI NA.8.1.6\xCEr"));
    /* the annex's gamma_M of connections: 1.2 gives 0.9 * 16.5639 / 1.2 = 12.4229 kN */
    setup(true);
    Nad_Record.ec5.gamma_m_connections = 1.2;
    EXPECT_TRUE(Has(Vbm_Text(), "N\xCE\\R,d\xCEr = 12.42 kN ("));
    /* an annex without that factor leaves the washer no resistance: no number, the stand-in */
    setup(true);
    Nad_Record.ec5.gamma_m_connections = 0.0;
    double u0 = 0.0;
    Vbm_Text(&u0);
    EXPECT_DOUBLE_EQ(u0, UTIL_NO_CHECK);
    /* no spacing of the units along the grain: no lever, no tension */
    setup(true);
    Splice_Input.p1 = 0.0;
    s = Vbm_Text();
    EXPECT_TRUE(Has(s, "F\xCE\\t,d\xCEr = 0.00 kN")) << s;
    EXPECT_TRUE(Has(s, "u\xCE\\"
                       "F\xCEr = 0.00 \xF3 1"))
        << s;
    /* kmod of the side timber from the class: permanent, service class 1, 0.6:
    ** 0.6 * 16.5639 / 1.3 = 7.6449 kN, u = 6.25 / 7.6449 = 0.818 */
    setup(true);
    Splice_Input.service_class = 1;
    Splice_Input.lkom.groups[0].kled = 0;
    Splice_Input.lkom.groups[0].kmod_source = 1;
    s = Vbm_Text();
    EXPECT_TRUE(Has(s, "N\xCE\\R,d\xCEr = 7.64 kN (")) << s;
    EXPECT_TRUE(Has(s, "u\xCE\\"
                       "F\xCEr = 0.82 \xF3 1"))
        << s;
    /* an accidental combination takes gamma_M = 1.0: 0.9 * 16.5639 = 14.9075 kN, u = 0.419 */
    setup(true);
    Set_Lkom(0, 0, 0.0, 100.0, 0.0, 1);
    s = Vbm_Text();
    EXPECT_TRUE(Has(s, "N\xCE\\R,d\xCEr = 14.91 kN (")) << s;
    EXPECT_TRUE(Has(s, "u\xCE\\"
                       "F\xCEr = 0.42 \xF3 1"))
        << s;
    /* a staggered layout: p1 is the spacing of the bolts within a row, its columns half of it
    ** apart. C1 62 with M12, 3 x 3 staggered in C24 10/20 beside side timbers 6/20, N 60 kN:
    ** a1 = 1.5 dc = 93 mm (EN 1995-1-1, Table 8.7), the columns 46.5 mm apart, 8 bolts a half;
    ** F_t,d = 6.0 x (60 / 2) / (8 x 9.30) = 2.419355 kN, where it took twice the spacing,
    ** 18.60 cm, and half the force (1.209677 kN) */
    Toothed_Splice(VBM_SCHEIBENDUEBEL_C1, 62.0, 12.0, 10.0);
    Set_Layout(3, 3, LAYOUT_STAGGERED);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Set_Design_Gammas(0);
    Vbm_Check staggered;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &staggered), 1);
    EXPECT_NEAR(staggered.bolts.F_td, 6.0 * 30.0 / (8 * 9.3), 1e-9);
    s = Vbm_Text();
    EXPECT_TRUE(Has(s, "= 6.00 cm x (60.00 kN / 2) / (8 x 9.30 cm) = 2.42 kN")
                && Has(s, "p\xCE\\1\xCEr = Abstand der Bolzen in Faserrichtung in einer Reihe "
                          "(versetzt: a\xCE\\1\xCEr, die Spalten im Abstand a\xCE\\1\xCEr / 2)"))
        << s;

    /* DIN 1052: effective area of the washer table, 2670 mm², R_k = 2.5 * 2670 = 6.675 kN,
    ** R_d = 0.9 * 6.675 / 1.3 = 4.6212 kN: u = 6.25 / 4.6212 = 1.352 fails;
    ** N = 70 kN: F_t,d = 6 * 70 / 2 / 4 / 12 = 4.375 kN, u = 4.375 / 4.6212 = 0.947 */
    setup(false);
    s = Vbm_Text();
    EXPECT_TRUE(Has(s, "N\xCE\\R,d\xCEr = 4.62 kN (")) << s;
    EXPECT_TRUE(Has(s, "u\xCE\\"
                       "F\xCEr = 1.35 > 1 => \xCE"
                       "bNachweis nicht erf\x81llt"))
        << s;
    const size_t fail = s.find("u\xCE\\"
                               "F\xCEr = 1.35 > 1");
    EXPECT_NE(s.substr(fail, 200).find("!!"), std::string::npos) << s; /* the line is marked */
    /* DIN 18800-1: the bolt bears the smaller of A_Sch f_y,b,k / (1.1 gamma_M) and
    ** A_Sp f_u,b,k / (1.25 gamma_M); M16 4.6 (f_y,b,k 240, f_u,b,k 400), gamma_M 1.1:
    ** 201.0619 * 240 / 1.21 = 201.0619 * 198.3471 = 39.8801 kN on the shank, 157 * 400 / 1.375 =
    ** 157 * 290.9091 = 45.6727 kN on the thread: 39.8801 kN (400 / 1.1 / 1.1 on the shank gave
    ** 66.4667 kN); of 8.8 (640, 800) 201.0619 * 640 / 1.21 = 106.3468 kN and
    ** 157 * 800 / 1.375 = 91.3455 kN: the thread governs */
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_NEAR(r.bolts.N_b, 39.8801, 1e-4);
    EXPECT_TRUE(
        Has(s, "A\xCE\\Sch\xCEr = 201.06 mm\xCE/2\xCEr, f\xCE\\y,b,k\xCEr / (1.1 \xC0\xCE\\M\xCEr) "
               "= 240 / (1.1 x 1.10) = 198.35 N/mm\xCE/2\xCEr; A\xCE\\Sp\xCEr = 157.00 "
               "mm\xCE/2\xCEr, f\xCE\\u,b,k\xCEr / (1.25 \xC0\xCE\\M\xCEr) = 400 / (1.25 x 1.10) = "
               "290.91 N/mm\xCE/2\xCEr (DIN 18800-1)"))
        << s;
    EXPECT_TRUE(Has(s, "N\xCE\\"
                       "b,R,d\xCEr = min(39.88; 45.67) = 39.88 kN, N\xCE\\R,d\xCEr = 4.62 kN ("))
        << s;
    Splice_Input.bolt_steel = 27;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_NEAR(r.bolts.N_b, 91.3455, 1e-4);
    Splice_Input.bolt_steel = 23;
    Get_Lkom_Entry(0, 0)->N_d = 70.0;
    s = Vbm_Text();
    EXPECT_TRUE(Has(s, "u\xCE\\"
                       "F\xCEr = 0.95 \xF3 1 => "))
        << s;
    EXPECT_EQ(s.substr(s.find("u\xCE\\"
                              "F\xCEr = 0.95"),
                       200)
                  .find("!!"),
              std::string::npos)
        << s;

    /* no steel factor of joints (EN 1993-1-8, 2.2): no bolt resistance, failed by the
    ** stand-in, printed as no number */
    setup(true);
    Nad_Record.ec3.ec3_8.factors_a[0] = 0.0;
    double u = 0.0;
    s = Vbm_Text(&u);
    EXPECT_DOUBLE_EQ(u, UTIL_NO_CHECK);
    EXPECT_TRUE(Has(s, "kN\n  nicht nachweisbar => \xCE"
                       "bNachweis nicht erf\x81llt"))
        << s;
    /* a weak bolt is not a missing one: gamma_M2 = 1000 gives sigma_R,d = 0.36 N/mm²,
    ** N_R,d = 0.36 * 157 / 1000 = 0.05652 kN, u = 6.25 / 0.05652 = 110.58 */
    setup(true);
    Nad_Record.ec3.ec3_8.factors_a[0] = 1000.0;
    EXPECT_TRUE(Has(Vbm_Text(), "u\xCE\\"
                                "F\xCEr = 110.58 > 1"));
    /* units 5 mm apart along the grain: F_t,d = 6 * 100 / 2 / 4 / 0.5 = 150 kN */
    setup(true);
    Splice_Input.p1 = 0.5;
    EXPECT_TRUE(Has(Vbm_Text(), "F\xCE\\t,d\xCEr = 150.00 kN"));
    /* no bolt check without a normal force */
    setup(true);
    Get_Lkom_Entry(0, 0)->N_d = 0.0;
    EXPECT_FALSE(Has(Vbm_Text(), "A\xCE\\"
                                 "Bolzen"));
}

TEST(VbmCheck, ApprovedScrewsTakeThePresetKmod)
{
    /* Screws of the third family, 8 x 160 mm, four in a row 10 cm apart, N = 10 kN:
    ** 1.25 kN per shear plane. With a preset kmod the design capacity is kmod R_k / gamma_M,
    ** so kmod 0.6 gives 0.9 / 0.6 = 1.5 times the utilisation of kmod 0.9.
    ** R_k of an 8 mm screw in C24 (f_h about 0.082 (1 - 0.08) 350 = 26.4 N/mm², M_y,k of the
    ** order of 20 Nm): 1.15 sqrt(2 * 20000 * 26.4 * 8) = 3.3 kN plus the rope effect, so R_d
    ** lies between 2 and 5 kN and u = 1.25 n / n_ef / R_d between 0.2 and 1.0. */
    Row_Splice(47, 8.0, 4, 10.0, 10.0);
    Splice_Input.l = 160.0;
    Splice_Input.lkom.groups[0].kled = 2;
    double u9 = 0.0, u6 = 0.0;
    int err = -1;
    const std::string s = Vbm_Text(&u9, &err);
    ASSERT_EQ(err, 0);
    /* above 6 mm the bolt rule: 4^0.9 (100 / 104)^0.25 = 3.4822 * 0.99024 = 3.45 */
    EXPECT_TRUE(Has(s, "a\xCE\\"
                       "1\xCEr = 100.0 mm, n = 4 => n\xCE\\"
                       "ef\xCEr = 3.45\n"))
        << s;
    EXPECT_GT(u9, 0.2);
    EXPECT_LT(u9, 1.0);
    Splice_Input.lkom.groups[0].kmod = 0.6;
    Vbm_Text(&u6, &err);
    EXPECT_NEAR(u6 / u9, 1.5, 1e-9);
    /* A group that computes kmod per member ignores the preset it holds beside: C24, service
    ** class 1, "mittel" 0.8 (EN 1995-1-1, Table 3.1): 0.9 / 0.8 = 1.125 times u9. */
    Splice_Input.service_class = 1;
    Splice_Input.lkom.groups[0].kmod_source = 1;
    double u8 = 0.0;
    Vbm_Text(&u8, &err);
    EXPECT_NEAR(u8 / u9, 0.9 / 0.8, 1e-9);
}

TEST(VbmCheck, SingleDowelWorkedByHand)
{
    /* One dowel 12 mm (f_u = 360) in double shear through 60 / 120 / 60 mm C24, N = 10 kN:
    ** 5 kN per shear plane. EN 1995-1-1: f_h,0,k = 0.082 (1 - 0.01 * 12) 350 = 25.256 N/mm²
    ** (8.32); M_y,Rk = 0.3 * 360 * 12^2.6 = 69069 Nmm (8.30); (8.7): (g) 25.256 * 60 * 12 =
    ** 18184 N, (h) 0.5 * 25.256 * 120 * 12 = 18184 N, (j) 1.05 * 18184 / 3 *
    ** (sqrt(4 + 12 * 69069 / (25.256 * 12 * 3600)) - 1) = 7521 N, (k) 1.15 sqrt(2 * 69069 *
    ** 25.256 * 12) = 7441 N: R_k = 7.441 kN, R_d = 0.9 * 7.441 / 1.3 = 5.1515 kN,
    ** u = 5 / 5.1515 = 0.9706. */
    Row_Splice(29, 12.0, 1, 0.0, 10.0);
    Splice_Input.vbm_steel = 5;
    double u = 0.0;
    const std::string s = Vbm_Text(&u);
    EXPECT_NEAR(u, 0.9706, 2e-4) << s;
    EXPECT_TRUE(Has(s, "   7.4410   5.1515 ")) << s;
}

/* The columns of the fastener table by family: staples show neither the embedment strength nor
** the reduction; bolts and dowels (26 to 30) both, with the line naming the reduction; nails the
** reduction, and the embedment strength with the failure modes. */
TEST(VbmCheck, TableColumnsByFamily)
{
    const std::string fh = "f\xCE\\h,\xBA,k\xCEr", red = "f\xCE\\red\xCEr",
                      line = "Kr\x84"
                             "fte pro Scherfuge";
    Row_Splice(1, 2.0, 2, 2.4, 10.0);
    Splice_Input.l = 60.0;
    Splice_Input.t_s = 3.0;
    Splice_Input.two_sided = 1;
    std::string s = Vbm_Text();
    EXPECT_FALSE(Has(s, fh)) << s;
    EXPECT_FALSE(Has(s, red)) << s;
    EXPECT_FALSE(Has(s, line)) << s;
    for (int type : {26, 30}) {
        Row_Splice(type, 12.0, 3, 8.4, 30.0);
        Splice_Input.l = 240.0;
        s = Vbm_Text();
        EXPECT_TRUE(Has(s, fh)) << type << s;
        EXPECT_TRUE(Has(s, line + " (" + red)) << type << s;
    }
    Row_Splice(0, 4.0, 3, 4.0, 10.0);
    Splice_Input.l = 100.0;
    s = Vbm_Text();
    EXPECT_FALSE(Has(s, fh)) << s;
    EXPECT_TRUE(Has(s, line + " (" + red)) << s;
    Splice_Input.failure_mode_switch = 1;
    s = Vbm_Text();
    EXPECT_TRUE(Has(s, fh)) << s;
    EXPECT_TRUE(Has(s, line + ", Fall")) << s;
}

/* ---------------------------------------------------------------- the check record */

TEST(VbmCheck, RecordOfARowOfDowelsWorkedByHand)
{
    /* Three dowels 12 mm (f_u = 360) 84 mm apart in a row, double shear through 60 / 120 / 60 mm
    ** C24, tension N = 30 kN, kmod 0.9: F_H = 30 / (2 x 3) = 5 kN per fastener and shear plane.
    ** n_ef = 3^0.9 (84 / (13 * 12))^0.25 = 2.68788 * 0.85662 = 2.30249 (EN 1995-1-1, (8.34)).
    ** R_d = 0.9 * 7.441 / 1.3 = 5.1515 kN of one dowel (see SingleDowelWorkedByHand); the row
    ** gives each dowel R_d n_ef / n = 5.1515 * 2.30249 / 3 = 3.9537 kN,
    ** u = 5 * 3 / 2.30249 / 5.1515 = 1.2646 (failed). */
    Row_Splice(29, 12.0, 3, 8.4, 30.0);
    Splice_Input.vbm_steel = 5;
    Splice_Input.governing_vbm = 7;
    Vbm_Check r;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_EQ(r.done, 1);
    EXPECT_EQ(r.bending, 0);
    EXPECT_NEAR(r.F_H, 5.0, 1e-9);
    EXPECT_EQ(r.n_f, 3);
    EXPECT_EQ(r.shear_planes, 2);
    EXPECT_NEAR(r.kmod, 0.9, 1e-12);
    ASSERT_EQ(r.n_ef_line_count, 1);
    EXPECT_EQ(r.n_ef_lines[0].rule, VBM_NEF_BOLT);
    EXPECT_EQ(r.n_ef_lines[0].with_a1, 1);
    EXPECT_EQ(r.n_ef_lines[0].n, 3);
    EXPECT_NEAR(r.n_ef_lines[0].a1, 84.0, 1e-9);
    EXPECT_NEAR(r.n_ef_lines[0].alpha_min, 0.0, 1e-9);
    EXPECT_NEAR(r.n_ef, 2.30249, 1e-5);
    EXPECT_EQ(r.n_row, 3);
    EXPECT_EQ(r.penetration, VBM_PEN_NONE);
    /* a tension splice prints its first fastener only */
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.first, 0);
    EXPECT_EQ(r.governing, 0);
    EXPECT_EQ(r.rows[0].no_capacity, 0);
    EXPECT_NEAR(r.rows[0].F_tot, 5.0, 1e-9);
    EXPECT_NEAR(r.rows[0].R_k, 7.441, 1e-3);
    EXPECT_NEAR(r.rows[0].R_d, 3.9537, 2e-4);
    EXPECT_NEAR(r.rows[0].u, 1.2646, 2e-4);
    EXPECT_DOUBLE_EQ(r.u_max, r.rows[0].u);
    EXPECT_DOUBLE_EQ(r.u, r.u_max);
    EXPECT_EQ(r.error, 0);
    EXPECT_EQ(r.bolts.done, 0);
    /* computing writes nothing into the input */
    EXPECT_EQ(Splice_Input.governing_vbm, 7);
    /* the printer writes the record: the failed utilisation and the line of n_ef */
    const std::string s = Vbm_Text();
    EXPECT_TRUE(Has(s, "a\xCE\\"
                       "1\xCEr = 84.0 mm, n = 3 => n\xCE\\"
                       "ef\xCEr = 2.30\n"))
        << s;
    EXPECT_TRUE(Has(s, "u\xCE\\max\xCEr = 1.26 > 1 => ")) << s;
    /* no combination, or no fastener: nothing to compute or write */
    EXPECT_EQ(Calc_Vbm_Check(-1, 0, &r), 0);
    EXPECT_EQ(r.done, 0);
    Fastener_Pattern.count = 0;
    EXPECT_EQ(Calc_Vbm_Check(0, 0, &r), 0);
    EXPECT_EQ(r.done, 0);
    FILE *f = tmpfile();
    Print_Vbm_Check(f, &r);
    EXPECT_EQ(Slurp_Print(f), "");
    fclose(f);
}

TEST(VbmCheck, RecordOfStaplesNamesTheNailRuleAndThePenetration)
{
    /* staples 2 mm, a1 = 24 mm = 12 d: k_ef = 0.85 + 0.15 (12 - 10) / 4 = 0.925 (EN 1995-1-1,
    ** Table 8.1), n_ef = 4^0.925 = 3.6050 (8.17); the point passes l - t_s = 60 - 30 = 30 mm
    ** into the middle member, driven from both sides */
    Row_Splice(1, 2.0, 4, 2.4, 10.0);
    Splice_Input.l = 60.0;
    Splice_Input.t_s = 3.0;
    Splice_Input.two_sided = 1;
    Vbm_Check r;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    ASSERT_EQ(r.n_ef_line_count, 1);
    EXPECT_EQ(r.n_ef_lines[0].rule, VBM_NEF_NAIL);
    EXPECT_NEAR(r.n_ef_lines[0].a1, 24.0, 1e-9);
    EXPECT_NEAR(r.n_ef, std::pow(4.0, 0.925), 1e-9);
    EXPECT_EQ(r.penetration, VBM_PEN_TWO_SIDED);
    EXPECT_NEAR(r.t_penetration, 30.0, 1e-9);
    Splice_Input.two_sided = 0;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_EQ(r.penetration, VBM_PEN_ALTERNATE);
    /* one staple in a row: k_ef does not matter, n_ef = 1^0.925 = 1, and the line names no
    ** spacing */
    Row_Splice(1, 2.0, 1, 2.4, 10.0);
    Splice_Input.l = 60.0;
    Splice_Input.t_s = 3.0;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    ASSERT_EQ(r.n_ef_line_count, 1);
    EXPECT_EQ(r.n_ef_lines[0].with_a1, 0);
    EXPECT_NEAR(r.n_ef, 1.0, 1e-12);
    const std::string s = Vbm_Text();
    EXPECT_TRUE(Has(s, "n = 1 => n\xCE\\"
                       "ef\xCEr = 1.00\n"))
        << s;
    EXPECT_FALSE(Has(s, "mit a")) << s;
    /* nails 4.2 x 183 mm, one-sided through 60 + 120 mm: 3 mm < d = 4.2 mm in the far side
    ** timber, too short to hold there; 200 mm: 20 mm, held there */
    Row_Splice(0, 4.2, 4, 4.2, 10.0);
    Splice_Input.l = 183.0;
    Splice_Input.two_sided = 0;
    Splice_Input.shear_planes = 1;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_EQ(r.penetration, VBM_PEN_TOO_SHORT);
    Splice_Input.l = 200.0;
    Splice_Input.shear_planes = 2;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_EQ(r.penetration, VBM_PEN_FAR_MEMBER);
    EXPECT_NEAR(r.t_penetration, 20.0, 1e-9);

    /* the penetration follows the members the design joins, whatever the side-timber field
    ** holds: DIN 571 screws 8 x 80 mm through outer plates of 8 mm, driven from both sides,
    ** reach 80 - 8 = 72 mm into the 160 mm member (their points stay in its near halves,
    ** 80 <= 8 + 160 / 2 mm), although 80 mm lie within the 100 mm the side field still holds */
    Row_Splice(2, 8.0, 4, 8.0, 10.0);
    Splice_Input.b = 16.0;
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Splice_Input.t_p = 0.8;
    Splice_Input.t_s = 10.0;
    Splice_Input.l = 80.0;
    Splice_Input.two_sided = 1;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_EQ(r.penetration, VBM_PEN_TWO_SIDED);
    EXPECT_NEAR(r.t_penetration, 72.0, 1e-9);
    std::string p = Vbm_Text();
    EXPECT_FALSE(Has(p, "endet im Seitenholz")) << p;
    EXPECT_TRUE(Has(p, "Verbindungsmittel endet im Mittelholz, Verbindungsmittel zweiseitig, "
                       "Einschlagtiefe t = 72 mm"))
        << p;
    /* a lap joins its halves of 120 / 2 = 60 mm: a nail of 100 mm reaches 100 - 60 = 40 mm into
    ** the second half (not 100 - 30 = 70 mm past a side field of 30 mm) */
    Row_Splice(0, 4.2, 4, 4.2, 10.0);
    Splice_Input.connection_kind = CONN_LAP;
    Splice_Input.shear_planes = 1;
    Splice_Input.t_s = 3.0;
    Splice_Input.l = 100.0;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_EQ(r.penetration, VBM_PEN_LAP);
    EXPECT_NEAR(r.t_penetration, 40.0, 1e-9);
    p = Vbm_Text();
    EXPECT_TRUE(Has(p, "1-schnittige Verbindung, Verbindungsmittel wechselseitig, "
                       "Einschlagtiefe t = 40 mm"))
        << p;
}

TEST(VbmCheck, RecordOfWoodScrewsNamesTheirEffectiveDiameter)
{
    /* wood screws to DIN 571, 8 x 120 mm with a core of 5.6 and a thread of 72 mm, through the
    ** 60 mm side timber 60 mm into the middle member: the smooth shank (120 - 72 = 48 mm) ends
    ** inside the side timber, so the design takes d_ef = 1.1 * 5.6 = 6.16 mm (EN 1995-1-1,
    ** 8.7.1), and the section says so */
    Row_Splice(2, 8.0, 2, 8.0, 10.0);
    Splice_Input.d_2 = 5.6;
    Splice_Input.l = 120.0;
    Splice_Input.l_ef = 72.0;
    Splice_Input.fu_k = 400.0;
    Vbm_Check r;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_NEAR(r.d_ef, 6.16, 1e-12);
    EXPECT_NEAR(r.d_1, 5.6, 1e-12);
    const std::string s = Vbm_Text();
    EXPECT_TRUE(Has(s, "Glatter Schaft weniger als 4 d im Holz mit der Spitze => d\xCE\\ef\xCEr = "
                       "1.1 x d\xCE\\1\xCEr = 1.1 x 5.60 = 6.16 mm (DIN EN 1995-1-1, 8.7.1)"))
        << s;
    /* a thread of 20 mm leaves 100 mm of shank, 40 mm of it in the middle member (>= 4 d): d */
    Splice_Input.l_ef = 20.0;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_EQ(r.d_ef, 0.0);
    EXPECT_FALSE(Has(Vbm_Text(), "Glatter Schaft"));
    /* DIN 1052 knows no effective diameter */
    Use_Annex(false);
    Splice_Input.l_ef = 72.0;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_EQ(r.d_ef, 0.0);
}

TEST(VbmCheck, AFastenerWithoutResistanceIsAStateNotANumber)
{
    /* screws without a tensile strength: the screw rules refuse the design (87), and the
    ** preparation refuses such a splice before any check. The record of a check made on the
    ** pattern of the same screws with a strength keeps the error and marks the rows as without
    ** capacity; only the run's value of them is 10, which the print never shows as a number */
    Failing_Screw_Splice(30.0);
    EXPECT_EQ(Prepare_Splice_Calc(), DERR_FUK_ZERO);
    Splice_Input.fu_k = 400.0;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Splice_Input.fu_k = 0.0;
    Vbm_Check r;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_NE(r.error, 0);
    ASSERT_FALSE(r.rows.empty());
    EXPECT_EQ(r.rows[0].no_capacity, 1);
    EXPECT_EQ(r.rows[0].u, 0.0);
    EXPECT_EQ(r.u_max, UTIL_NO_CHECK);
    int err = 0;
    double u = 0.0;
    const std::string s = Vbm_Text(&u, &err);
    EXPECT_EQ(err, r.error);
    EXPECT_EQ(u, UTIL_NO_CHECK);
    EXPECT_TRUE(Has(s, "Verbindungsmittel: nicht nachweisbar => ")) << s;
    EXPECT_FALSE(Has(s, "inf")) << s;
    /* the bolts of toothed plates without a washer factor: no capacity, the stand-in */
    Row_Splice(26, 62.0, 4, 12.0, 100.0);
    Nad_Record.ec3.ec3_1.gamma_m0 = 1.1;
    Splice_Input.d_bolt = 16.0;
    Splice_Input.bolt_steel = 23;
    Nad_Record.ec5.gamma_m_connections = 0.0;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_EQ(r.bolts.done, 1);
    EXPECT_EQ(r.bolts.no_capacity, 1);
    EXPECT_EQ(r.u, UTIL_NO_CHECK);
    EXPECT_LT(r.u_max, UTIL_NO_CHECK);
}

/* ---------------------------------------------------------------- limits of the bolt line */

/* Toothed plates with bolts of grade 4.6 in a tension splice, side timbers t_s = 6 cm of C24,
** p1 = 12 cm, kmod 0.9 preset, bolt diameter db (mm), n units, N (kN). */
static void Toothed_Plate_Splice(bool annex, double db, int n, double N)
{
    Row_Splice(26, 62.0, n, 12.0, N);
    Use_Annex(annex);
    Nad_Record.ec3.ec3_1.gamma_m0 = 1.1;
    Splice_Input.d_bolt = db;
    Splice_Input.bolt_steel = 23;
    /* under the annex the builder's washer of the washer table, 56 mm of M16 */
    Splice_Input.washer = annex ? 1 : 0;
    Splice_Input.washer_d = 56.0;
}

TEST(VbmCheck, BoltLineAtTheLimitOneUnitAndTheWasherAreaOfSmallBolts)
{
    /* DIN 1052, M16: R_d = 0.9 * 2.5 * 2670 / 1000 / 1.3 = 4.621154 kN of the washer table;
    ** N = 74.16 kN: F_t,d = 6 * 74.16 / 2 / 4 / 12 = 4.635 kN, u = 1.002996: shown as 1.00 and
    ** still fulfilled (the check allows half a percent); N = 74.5 kN: F_t,d = 4.65625 kN,
    ** u = 1.007595 fails. */
    Toothed_Plate_Splice(false, 16.0, 4, 74.16);
    Vbm_Check r;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_NEAR(r.bolts.u, 1.002996, 1e-6);
    std::string s = Vbm_Text();
    const std::string ok = "u\xCE\\"
                           "F\xCEr = 1.00 \xF3 1 => \xCE"
                           "bNachweis erf\x81llt";
    ASSERT_TRUE(Has(s, ok)) << s;
    EXPECT_EQ(s.substr(s.find(ok), 200).find("!!"), std::string::npos) << s;
    Get_Lkom_Entry(0, 0)->N_d = 74.5;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_NEAR(r.bolts.u, 1.007595, 1e-6);
    s = Vbm_Text();
    EXPECT_TRUE(Has(s, "u\xCE\\"
                       "F\xCEr = 1.01 > 1 => \xCE"
                       "bNachweis nicht erf\x81llt"))
        << s;

    /* one unit takes the whole lever force: F_t,d = 6 * 100 / 2 / 1 / 12 = 25 kN; with the
    ** annex R_d = 11.4673 kN (BoltsOfToothedPlatesInTension), u = 25 / 11.4673 = 2.1801 */
    Toothed_Plate_Splice(true, 16.0, 1, 100.0);
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_NEAR(r.bolts.u, 2.1801, 1e-4);
    s = Vbm_Text();
    EXPECT_TRUE(Has(s, "F\xCE\\t,d\xCEr = 25.00 kN")) << s;
    EXPECT_TRUE(Has(s, "u\xCE\\"
                       "F\xCEr = 2.18 > 1"))
        << s;

    /* DIN 1052, a bolt of 1 mm: washer d_U = 20 mm, not in the washer table; the area formula
    ** pi 20² / 4 + 20 min(4 * 1 - 20, 60) - pi 3² / 4 = 314.159 - 320 - 7.069 = -12.91 mm² is not
    ** positive, so the washer bears on a_w d_U with a_w = min(20 + 60 - 1, 4 * 1) = 4 mm:
    ** 80 mm², N_w = 2.5 * 80 / 1000 * 0.9 / 1.3 = 0.138462 kN; the bolt (DIN 18800-1):
    ** min(pi 1² / 4 * 240 / 1.21, pi 0.85² / 4 * 400 / 1.375) / 1000 = min(0.155781, 0.165076)
    ** = 0.155781 kN; N_R,d = 0.138462 kN,
    ** u = 6.25 / 0.138462 = 45.139 */
    Toothed_Plate_Splice(false, 1.0, 4, 100.0);
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_NEAR(r.bolts.u, 45.139, 1e-3);
    EXPECT_NEAR(r.bolts.N_Rd, 0.138462, 1e-6);
    s = Vbm_Text();
    EXPECT_TRUE(Has(s, "N\xCE\\R,d\xCEr = 0.14 kN (")) << s;
    EXPECT_TRUE(Has(s, " Unterleg\xCEr = 20 mm), F\xCE\\t,d\xCEr = 6.25 kN")) << s;
}

/* The bolt's tension takes the outer member of the connection, not the side-timber field that a
** splice without side timbers leaves at its value (8 cm here, with C16 in the side's grade):
** toothed plates C1 with M16 4.6 (BoltsOfToothedPlatesInTension), 4 units, p1 = 12 cm,
** N = 100 kN, kmod 0.9, member C24 b = 12 cm, plates t_p = 1.0 cm.
** - outer plates: F_t,d = t_p N / 2 / n / p1 = 1.0 * 100 / 2 / 4 / 12 = 1.041667 kN; the washer
**   bears on steel, the bolt alone resists: annex 0.9 * 400 * 157 / 1.25 = 45.216 kN,
**   u = 0.023038; DIN 18800-1 39.8800 kN (BoltsOfToothedPlatesInTension), u = 0.026120;
** - one inner plate: the outer timber part t_red = (12 - 1.0) / 2 = 5.5 cm, F_t,d = 5.5 * 100 /
**   2 / 4 / 12 = 5.729167 kN; the user's washer of 56 mm (that of the washer table) on the
**   member's C24, f_c,90,k = 2.5:
**   0.9 / 1.3 * 3 (pi 56² / 4 - pi 18² / 4) 2.5 / 1000 = 11.467417 kN, u = 0.499604;
** - a lap: the half b / 2 = 6 cm carries N alone, F_t,d = 6 * 100 / 4 / 12 = 12.5 kN, washer
**   11.467417 kN, u = 1.090045;
** - one inner plate with the user's washer of 3 d = 48 mm (EN 1995-1-1, 10.4.3) in place of the
**   table's 56 mm: 0.9 / 1.3 * 3 (pi 48² / 4 - pi 18² / 4) 2.5 / 1000 = 8.074497 kN,
**   u = 5.729167 / 8.074497 = 0.709539.
** Before: t_s 8 cm, F_t,d = 8.333333 kN, the washer on C16 (2.2): 10.091327 kN, u = 0.825792. */
TEST(VbmCheck, BoltsOfToothedPlatesTakeTheOuterMemberOfTheirConnection)
{
    const struct {
        int kind;
        bool annex;
        double F_td, N_Rd, u;
        const char *lever, *washer;
        double washer_d = 0.0; /* mm, the user's washer, 0: none chosen */
    } cases[] = {
        {CONN_OUTER_PLATES, true, 1.041667, 45.216, 0.023038,
         "F\xCE\\t,d\xCEr = t\xCE\\p\xCEr (|N\xCE\\d\xCEr| / 2) / (n p\xCE\\1\xCEr) = 1.00 cm x "
         "(100.00 kN / 2) / (4 x 12.00 cm) = 1.04 kN\n",
         "288.00 N/mm\xCE/2\xCEr, Unterlegscheibe auf Stahlblech: N\xCE\\R,d\xCEr = N\xCE\\"
         "b,R,d\xCEr = A\xCE\\s\xCEr \xCC\xCE\\R,d\xCEr = 45.22 kN, F\xCE\\t,d\xCEr = 1.04 kN\n"},
        {CONN_OUTER_PLATES, false, 1.041667, 39.8800, 0.026120,
         "F\xCE\\t,d\xCEr = t\xCE\\p\xCEr (|N\xCE\\d\xCEr| / 2) / (n p\xCE\\1\xCEr) = 1.00 cm x "
         "(100.00 kN / 2) / (4 x 12.00 cm) = 1.04 kN\n",
         " = 39.88 kN, Unterlegscheibe auf Stahlblech: N\xCE\\R,d\xCEr = N\xCE\\"
         "b,R,d\xCEr = 39.88 kN, F\xCE\\t,d\xCEr = 1.04 kN\n"},
        {CONN_INNER_PLATES, true, 5.729167, 11.467417, 0.499604,
         "F\xCE\\t,d\xCEr = t\xCE\\red\xCEr (|N\xCE\\d\xCEr| / 2) / (n p\xCE\\1\xCEr) = 5.50 cm x "
         "(100.00 kN / 2) / (4 x 12.00 cm) = 5.73 kN\n",
         "N\xCE\\R,d\xCEr = 11.47 kN (\x8C\xCE\\ Unterleg\xCEr = 56 mm auf dem Holz), "
         "F\xCE\\t,d\xCEr = 5.73 kN\n",
         56.0},
        {CONN_LAP, true, 12.5, 11.467417, 1.090045,
         "F\xCE\\t,d\xCEr = (b/2) |N\xCE\\d\xCEr| / (n p\xCE\\1\xCEr) = 6.00 cm x 100.00 kN / "
         "(4 x 12.00 cm) = 12.50 kN (die Blatth\x84lfte tr\x84gt N\xCE\\d\xCEr allein)\n",
         "N\xCE\\R,d\xCEr = 11.47 kN (\x8C\xCE\\ Unterleg\xCEr = 56 mm auf dem Holz), "
         "F\xCE\\t,d\xCEr = 12.50 kN\n",
         56.0},
        {CONN_INNER_PLATES, true, 5.729167, 8.074497, 0.709539, "= 5.73 kN\n",
         "N\xCE\\R,d\xCEr = 8.07 kN (\x8C\xCE\\ Unterleg\xCEr = 48 mm auf dem Holz), "
         "F\xCE\\t,d\xCEr = 5.73 kN\n",
         48.0},
    };
    for (const auto &k : cases) {
        Toothed_Plate_Splice(k.annex, 16.0, 4, 100.0);
        Splice_Input.connection_kind = k.kind;
        Splice_Input.t_s = 8.0;
        Splice_Input.grade_side = 1; /* C16 */
        Splice_Input.plate_count = k.kind == CONN_INNER_PLATES ? 1.0 : 2.0;
        Splice_Input.t_p = 1.0;
        Splice_Input.shear_planes = k.kind == CONN_LAP ? 1 : 2;
        Splice_Input.washer = k.washer_d > 0.0 ? 1 : 0;
        Splice_Input.washer_d = k.washer_d;
        Vbm_Check r;
        ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1) << k.kind;
        EXPECT_NEAR(r.bolts.F_td, k.F_td, 1e-6) << k.kind;
        EXPECT_NEAR(r.bolts.N_Rd, k.N_Rd, 1e-4) << k.kind;
        EXPECT_NEAR(r.bolts.u, k.u, 1e-6) << k.kind;
        const std::string s = Vbm_Text();
        EXPECT_TRUE(Has(s, k.lever)) << k.kind << s;
        EXPECT_TRUE(Has(s, k.washer)) << k.kind << s;
    }
    /* side timbers: the washer without a member */
    Toothed_Plate_Splice(true, 16.0, 4, 100.0);
    const std::string s = Vbm_Text();
    EXPECT_TRUE(Has(s, "N\xCE\\R,d\xCEr = 11.47 kN (\x8C\xCE\\ Unterleg\xCEr = 56 mm), "
                       "F\xCE\\t,d\xCEr = 6.25 kN\n"))
        << s;
    /* Whatever was chosen, the part fitted has its bolts checked with the force of the outer
    ** member as its section check takes it, an outer lamella's N_d / (2 n_p); 2 x 2 per half in
    ** C24 (Inner_Plate_Connector_Splice), kmod 0.8, f_c,90,d = 2.5 x 0.8 / 1.3, washer 3 d:
    ** C10 65 / M16 (built as the C11 65), three plates, b = 27 cm: t_red = 24 / 4 = 6 cm, a1 = 2
    ** d_c: F_t,d = 6 x (80 / 6) / (4 x 13) = 1.538462 kN (4.615385 with 80 / 2 before), 3 x
    ** 1.538462 x pi/4 x (48^2 - 18^2) = 7.177331 kN, u_F = 0.214350 (0.643050); C2 62 / M12, two
    ** plates, b = 14 cm: t_red = 4 cm, a1 = 1.5 d_c: F_t,d = 4 x (40 / 4) / (4 x 9.3) = 1.075269
    ** kN (none before), 3 x 1.538462 x pi/4 x (36^2 - 14^2) = 3.987406 kN, u_F = 0.269666; C1 62
    ** chosen, built as the C2: the same (2.150538 kN before). */
    const Host_Catalogues catalogues;
    const struct {
        int type, plates;
        double b, N, F_td, N_Rd, u;
    } fitted[] = {
        {VBM_SCHEIBENDUEBEL_C10, 3, 27.0, 80.0, 1.538462, 7.177331, 0.214350},
        {VBM_SCHEIBENDUEBEL_C2, 2, 14.0, 40.0, 1.075269, 3.987406, 0.269666},
        {VBM_SCHEIBENDUEBEL_C1, 2, 14.0, 40.0, 1.075269, 3.987406, 0.269666},
    };
    for (const auto &k : fitted) {
        const bool c10 = k.type == VBM_SCHEIBENDUEBEL_C10;
        Inner_Plate_Connector_Splice(k.type, 1, c10 ? 65.0 : 62.0, k.b);
        Splice_Input.plate_count = k.plates;
        Get_Lkom_Entry(0, 0)->N_d = k.N;
        Splice_Input.d_bolt = c10 ? 16.0 : 12.0;
        Splice_Input.bolt_index = c10 ? 4 : 3;
        ASSERT_EQ(Prepare_Splice_Calc(), 0) << k.type;
        Vbm_Check r;
        ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1) << k.type;
        EXPECT_NEAR(r.bolts.F_td, k.F_td, 1e-6) << k.type;
        EXPECT_NEAR(r.bolts.N_Rd, k.N_Rd, 1e-6) << k.type;
        EXPECT_NEAR(r.bolts.u, k.u, 1e-6) << k.type;
    }
}

/* ---------------------------------------------------------------- one fastener in a row */

TEST(VbmCheck, OneFastenerInARowCountsOnce)
{
    /* Dowels 12 mm (f_u 360) at (10, -5) and (10, 5) cm, one in each row, double shear through
    ** 60 / 120 / 60 mm C24, bending splice N = 1 kN, M = 0.1 kNm, kmod 0.9: along the grain
    ** 1 / 2 / 2 = 0.25 kN from N and 10 kNcm * 5 / 50 / 2 = 0.5 kN from the moment, against N in
    ** the first dowel and with it in the second: 0.25 and 0.75 kN. n = 1, n_ef = 1;
    ** R_d = 5.1515 kN (SingleDowelWorkedByHand): u = 0.25 / 5.1515 = 0.04853 and
    ** 0.75 / 5.1515 = 0.14559; the second governs. */
    Two_Dowel_Rows();
    Splice_Input.vbm_steel = 5;
    Lkom_Entry *c = Set_Lkom(0, 0, 0.1, 1.0, 0.0);
    c->M_distr = 0.1;
    Vbm_Check r;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_EQ(r.n_row, 1);
    EXPECT_DOUBLE_EQ(r.n_ef, 1.0);
    ASSERT_EQ(r.rows.size(), 2u);
    EXPECT_NEAR(r.rows[0].u, 0.04853, 1e-5);
    EXPECT_NEAR(r.rows[1].u, 0.14559, 1e-5);
    EXPECT_NEAR(r.rows[1].R_d, 5.1515, 2e-4);
    EXPECT_EQ(r.governing, 1);
    EXPECT_NEAR(r.u_max, 0.14559, 1e-5);
    /* only the governing fastener printed: the search finds the second */
    Splice_Input.print.fasteners = 0;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.first, 1);
    EXPECT_EQ(r.governing, 1);
    EXPECT_NEAR(r.u_max, 0.14559, 1e-5);
    EXPECT_TRUE(Has(Vbm_Text(), "n = 1 => n\xCE\\"
                                "ef\xCEr = 1.00\n"));
}

TEST(VbmCheck, ALamellaBetweenTwoPlatesIsACentralMember)
{
    /* Bending splice GL24h 14 x 32 cm, two inner plates 8 mm of 24 cm, dowels 12 mm, 3 x 4 per
    ** half, M_d = 7 kNm, N_d = 20 kN, V_d = 10 kN, kmod 0.8: lamellas t = (140 - 2 * 8) / 3 =
    ** 41.333 mm; 4 shear planes per dowel. The pattern: columns a1 = (3 + 2 |cos 4.6003|) 12 =
    ** 59.9227 mm apart at the smallest angle of its own forces (below), x = 8.4, 14.39227,
    ** 20.38454 cm, rows y = -10.44, -3.48, 3.48, 10.44 cm; x_c = 14.39227, I_p = 8 * 5.99227² + 6
    ** * (10.44² + 3.48²) = 1013.882 cm²; M_v,d = 7 + 0.1439227 * 10 = 8.439227 kNm.
    ** Dowel 4 at (8.4, 10.44), in the column next to the joint, where V_d and the moment's part
    ** add: F_H = 20 / 48 + 843.9227 * 10.44 / 1013.882 / 4 = 0.41667 + 2.17248 = 2.58915 kN, F_V
    ** = 10 / 48 + 843.9227 * 5.99227 / 1013.882 / 4 = 0.20833 + 1.24694 = 1.45528 kN: F =
    ** 2.97010 kN at alpha = 29.339 degrees.
    ** f_h,alpha,k = 0.082 * 0.88 * 385 / (1.53 sin² + cos²) = 27.7816 / 1.127240 = 24.6457 N/mm²,
    ** M_y,Rk = 0.3 * 360 * 12^2.6 = 69070.9 Nmm.
    ** Outer lamella (8.11): f 24.6457 * 41.333 * 12 = 12224.26, g 12224.26 (sqrt(2 + 4 * 69070.9
    ** / (24.6457 * 12 * 41.333²)) - 1) = 7284.08, h 2.3 sqrt(69070.9 * 24.6457 * 12) = 10395.28.
    ** Inner lamella: plates 8 mm between 0.5 d = 6 and d = 12 mm, k = 2 * 8 / 12 - 1 = 0.333
    ** (8.2.3(1)); thin (8.12) j 0.5 * 12224.26 = 6112.13 below k 10395.28 / sqrt 2 = 7350.57,
    ** thick (8.13) l 6112.13 below m 10395.28: 0.667 * 6112.13 + 0.333 * 6112.13 = 6112.13 N
    ** (the design of a lamella beside one plate gave it 7284.08).
    ** Modes (g) with a hinge and (j)/(l) without may not be summed (8.1.3(2)): every plane takes
    ** min(7284.08, 6112.13) = 6112.13 N (summed: (2 * 7284.08 + 2 * 6112.13) / 4 = 6698.11);
    ** R_d = 0.8 * 6.11213 / 1.3 = 3.76131 kN. n_ef = 3^0.9 (59.9227 / 156)^0.25 = 2.11605, at
    ** alpha_min = atan(0.20833 / 2.58915) = 4.6003 degrees (middle column): 2.11605 + 0.88395 *
    ** 4.6003 / 90 = 2.16123. u = 2.97010 * 3 / 2.16123 / 3.76131 = 1.0961 (summed 1.0002,
    ** 7284.08 in every plane 0.9198). */
    Glulam_Two_Inner_Plates_Bending();
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    ASSERT_EQ(Fastener_Pattern.count, 12);
    EXPECT_NEAR(Fastener_Pattern.recs[11].x, 20.38454, 1e-5);
    EXPECT_NEAR(Fastener_Pattern.recs[11].y, 10.44, 1e-9);
    EXPECT_NEAR(Fastener_Pattern.I_p, 1013.882, 1e-3);
    Vbm_Check r;
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_EQ(r.governing, 3);
    EXPECT_NEAR(r.n_ef, 2.16123, 1e-5);
    ASSERT_EQ(r.rows.size(), 1u); /* the governing fastener only */
    const Vbm_Row &row = r.rows[0];
    EXPECT_NEAR(row.F_tot, 2.97010, 1e-5);
    EXPECT_NEAR(row.alpha_deg, 29.339, 1e-3);
    const Vbm_Lamella_Planes &l = r.lamellas;
    ASSERT_EQ(l.done, 1);
    EXPECT_EQ(l.planes, 4);
    EXPECT_EQ(l.inner_lamellas, 1);
    EXPECT_NEAR(l.t, 41.3333, 1e-4);
    EXPECT_NEAR(l.inner.fh, 24.6457, 1e-4);
    EXPECT_NEAR(l.rk_outer, 7.28408, 1e-5);
    EXPECT_NEAR(l.inner.r_l, 6.11213, 1e-5);
    EXPECT_NEAR(l.inner.r_m, 10.39528, 1e-5);
    EXPECT_EQ(l.inner.plate_class, 1);
    EXPECT_NEAR(l.inner.k, 1.0 / 3.0, 1e-12);
    EXPECT_NEAR(l.inner.r_k, 7.35057, 1e-5);
    EXPECT_EQ(l.inner.mode_thin, 19);
    EXPECT_EQ(l.inner.mode_thick, 21);
    EXPECT_NEAR(l.inner.rk, 6.11213, 1e-5);
    EXPECT_EQ(l.incompatible, 1);
    EXPECT_NEAR(l.rk_mean, 6.11213, 1e-5);
    EXPECT_NEAR(row.R_k, 6.11213, 1e-5);
    EXPECT_NEAR(row.R_d * r.n_row / r.n_ef, 3.76131, 1e-5);
    EXPECT_NEAR(r.u, 1.0961, 1e-4);

    FILE *f = tmpfile();
    Print_Vbm_Check(f, &r);
    const std::string s = Slurp_Print(f);
    fclose(f);
    EXPECT_TRUE(Has(s, "Holzlamellen t = 41.3 mm: 2 Scherfugen der \x84u\xe1"
                       "eren Lamellen neben je einem Blech, 2 Scherfugen der inneren Lamelle "
                       "zwischen zwei Blechen (DIN EN 1995-1-1, 8.2.3)"))
        << s;
    EXPECT_TRUE(Has(s, "\x84u\xe1"
                       "ere Lamelle (Gl. (8.11)), \xBA = 29.34 \xF8: F\xCE\\v,Rk\xCEr = "
                       "7.2841 kN (Gl.(g))"))
        << s;
    EXPECT_TRUE(Has(s, "innere Lamelle (Gl. (8.12) und (8.13) interpoliert): f\xCE\\h,\xBA,k"
                       "\xCEr = 24.65 N/mm\xCE/2\xCEr, M\xCE\\y,Rk\xCEr = 69070.9 Nmm, d = 12.0 "
                       "mm, Bleche t = 8.0 mm zwischen 0.5 d und d, Lochspiel 1.0 mm < 0.1 d = "
                       "1.2 mm: k = 2 x 8.0 / 12.0 - 1 = 0.333"))
        << s;
    EXPECT_TRUE(Has(s, "(j), (l) 0.5 x 24.65 x 41.3 x 12.0 = 6.1121 kN, (k) 1.15 x (2 x 69070.9 "
                       "x 24.65 x 12.0)\xCE/0.5\xCEr + 0.0000 (Seilwirkung F\xCE\\ax,Rk\xCEr/4) = "
                       "7.3506 kN, (m) 2.3 x (69070.9 x 24.65 x 12.0)\xCE/0.5\xCEr + 0.0000 "
                       "(Seilwirkung F\xCE\\ax,Rk\xCEr/4) = 10.3953 kN"))
        << s;
    EXPECT_TRUE(Has(s, "=> F\xCE\\v,Rk\xCEr = (1 - 0.333) x 6.1121 + 0.333 x 6.1121 = 6.1121 kN "
                       "(j)/(l)"))
        << s;
    EXPECT_TRUE(Has(s, "Versagensf\x84lle (g) und (j)/(l) nicht vertr\x84glich (DIN EN 1995-1-1, "
                       "8.1.3(2)): kleinster Wert je Scherfuge (Annahme des Programms auf der "
                       "sicheren Seite, die Norm schlie\xE1t nur die Summe aus)"))
        << s;
    EXPECT_TRUE(Has(s, "F\xCE\\v,Rk\xCEr je Scherfuge = min(7.2841; 6.1121) = 6.1121 kN")) << s;
    /* the governing mode is that of the value used: the inner lamella's (j)/(l),
    ** 0.5 x 24.65 x 41.33 x 12.0 = 6112 N < 7284 N of the outer lamella's (g) */
    EXPECT_TRUE(Has(s, "ma\xE1gebender Versagensfall Gl.(j)/(l) (innere Lamelle, kleinster Wert je "
                       "Scherfuge), ohne Seilwirkung"))
        << s;
    /* and so does the table's column of the failure modes (a file may ask for it with two
    ** plates), where it named the outer lamella's Gl.(g) beside R_k = 6.1121 kN */
    Splice_Input.failure_mode_switch = 1;
    f = tmpfile();
    Print_Vbm_Check(f, &r);
    const std::string t = Slurp_Print(f);
    fclose(f);
    EXPECT_TRUE(Has(t, "   24.65   Gl.(j)/(l)   6.1121   ")) << t;

    /* one plate: no lamella between two plates, nothing of the kind printed */
    Splice_Input.plate_count = 1.0;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
    EXPECT_EQ(r.lamellas.done, 0);
}

/* ---------------------------------------------------------------- bolts of toothed plates */

namespace {

/* The rows C1 dc 62 (he 7.4) and C10 dc 65 (he 12) of the toothed-plate catalogues, read from
** the test's scratch folder; the catalogues are emptied again on leaving. */
struct Toothed_Rows {
    Toothed_Rows()
    {
        Write("ec5_schduebel_c1.dat", "# dc hc he t d1 teeth 0 h2 db_min db_max F\n1\n1\n"
                                      "62 16 7.4 1.2 13 12 0 9.6 12 16 917.6\n");
        Write("ec5_schduebel_c10.dat", "# dc hc he t d1 d2 d3 d4 teeth db_min db_max F\n1\n1\n"
                                       "65 27 12 3 17 55 49 24 24 16 20 702\n");
        setenv("SPLICE_PRIVATE_DATA", ".", 1);
        Reset_Vbm_Catalogues();
        Load_Ec5_Schduebel_C1();
        Load_Ec5_Schduebel_C10();
    }
    ~Toothed_Rows()
    {
        Reset_Vbm_Catalogues();
        unsetenv("SPLICE_PRIVATE_DATA");
    }
    static void Write(const char *path, const char *text)
    {
        FILE *f = fopen(path, "w");
        ASSERT_NE(f, nullptr);
        fputs(text, f);
        fclose(f);
    }
};

/* Tension splice N_d = 60 kN of C24 (rho_k 350), side timbers 2 x 60/200 mm on a middle member
** of b cm, toothed plates of type 'type' (catalogue row 0) with bolts M db of grade 4.6, 2 x 2
** per half laid out by the program, "mittel", service class 1: kmod 0.8, gamma_M 1.3. */
void Toothed_Splice(int type, double dc, double db, double b)
{
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_SIDE_TIMBERS;
    Splice_Input.splice_kind = SPLICE_TENSION;
    Splice_Input.service_class = 1;
    Splice_Input.mat_side = Splice_Input.mat_mid = 0;
    Splice_Input.grade_side = Splice_Input.grade_mid = 5; /* C24 */
    Splice_Input.t_s = 6.0;
    Splice_Input.t_s_user = 1;
    Splice_Input.b = b;
    Splice_Input.h = Splice_Input.h_s = 20.0;
    Splice_Input.L_user = 0;
    Splice_Input.vbm_type = type;
    Splice_Input.connector_index = 0;
    Splice_Input.d = dc;
    Splice_Input.d_bolt = db;
    Splice_Input.bolt_index = db == 12.0 ? 3 : 4; /* M12 or M16 of the list of bolt sizes */
    Splice_Input.bolt_steel = 23;                 /* 4.6 */
    Splice_Input.print.fasteners = 1;
    Set_Layout(2, 2);
    Splice_Input.lkom.groups[0].kled = KLED_MITTEL;
    Splice_Input.lkom.groups[0].kmod_source = 1;
    Set_Lkom(0, 0, 0.0, 60.0, 0.0);
}

} // namespace

TEST(VbmCheck, BoltsOfToothedPlatesKeepTheirOwnEffectiveNumber)
{
    /* EN 1995-1-1, 8.10(1): the bolt of a toothed-plate connector is designed by 8.5, so its
    ** share keeps the effective number of bolts (8.5.1.1(4)), the connector its own (8.9(2),
    ** n < 3: n_ef = n). Per shear plane and unit, 7.5 kN (60 / (2 x 4)).
    ** C1 dc 62, M12, t1 = 60, t2 = 100 mm: R_c,k = 18 x 62^1.5 = 8787.39 N (k1 = k3 = 1);
    ** the bolt: f_h,0,k = 0.082 (1 - 0.01 x 13) 350 = 24.969 N/mm² (hole d + 1 = 13 mm), M_y,Rk
    ** = 0.3 x 400 x 12^2.6 = 76745.4 Nmm, (8.7c) 1.05 x 24.969 x 60 x 12 / 3 (sqrt(4 + 12 x
    ** 76745.4 / (24.969 x 12 x 3600)) - 1) = 7570.33 N governs; a1 = 1.5 dc = 93 mm:
    ** n_ef,b = 2^0.9 (93 / 156)^0.25 = 1.639708. Per unit R_d = 0.8 / 1.3 x (2 x 8787.39 +
    ** 1.639708 x 7570.33) / 2 = 9.22705 kN, u = 7.5 / 9.22705 = 0.812828 (with n_ef = 2 for both
    ** 0.745061).
    ** C10 dc 65, M16, t2 = 120 mm: R_c,k = 25 x 65^1.5 = 13101.17 N; f_h,0,k = 0.082 x 0.83 x 350
    ** = 23.821, M_y,Rk = 0.3 x 400 x 16^2.6 = 162141.1 Nmm, (8.7c) 10626.49 N; a1 = 2 dc =
    ** 130 mm: n_ef,b = 2^0.9 (130 / 208)^0.25 = 1.659193; R_d = 0.8 / 1.3 x (2 x 13101.17 +
    ** 1.659193 x 10626.49) / 2 = 13.48730 kN, u = 0.556079 (0.513641 before).
    ** The section's largest, as the summary's row of the fasteners, takes the bolts in tension
    ** (NA.8.1.6) where they govern, washer 3 d, f_c,90,d = 2.5 x 0.8 / 1.3 = 1.538462 N/mm²:
    ** C1 F_t,d = 6 x (60 / 2) / (4 x 9.3) = 4.838710 kN, N_R,d = 3 x 1.538462 x pi/4 x (36^2 -
    ** 14^2) = 3.987406 kN, u_F = 1.213498 (the section ended "0.81 <= 1 => erfüllt"); C10
    ** F_t,d = 6 x 30 / (4 x 13) = 3.461538 kN, N_R,d = 3 x 1.538462 x pi/4 x (48^2 - 18^2) =
    ** 7.177331 kN, u_F = 0.482287 < 0.556079. */
    Toothed_Rows rows;
    const struct {
        int type;
        double dc, db, b, a1, n_ef_bolt, R_d, u;
        const char *largest, *summary;
    } cases[] = {
        {VBM_SCHEIBENDUEBEL_C1, 62.0, 12.0, 10.0, 93.0, 1.639708, 9.22705, 0.812828,
         "u\xCE\\max\xCEr = 1.21 (Bolzen auf Zug, u\xCE\\F\xCEr) > 1",
         "Verbindungsmittel: u = 1.21 (Bolzen auf Zug) in"},
        {VBM_SCHEIBENDUEBEL_C10, 65.0, 16.0, 12.0, 130.0, 1.659193, 13.48730, 0.556079,
         "u\xCE\\max\xCEr = 0.56 \xF3 1", "Verbindungsmittel: u = 0.56 in"},
    };
    for (const auto &k : cases) {
        Toothed_Splice(k.type, k.dc, k.db, k.b);
        ASSERT_EQ(Prepare_Splice_Calc(), 0) << k.type;
        Set_Design_Gammas(0);
        Vbm_Check r;
        ASSERT_EQ(Calc_Vbm_Check(0, 0, &r), 1);
        EXPECT_NEAR(Splice_Input.p1 * 10.0, k.a1, 1e-9) << k.type;
        EXPECT_DOUBLE_EQ(r.n_ef, 2.0) << k.type;
        EXPECT_NEAR(r.n_ef_bolt, k.n_ef_bolt, 1e-6) << k.type;
        ASSERT_FALSE(r.rows.empty());
        EXPECT_NEAR(r.rows[0].R_d, k.R_d, 5e-5) << k.type;
        EXPECT_NEAR(r.u_max, k.u, 5e-6) << k.type;
        /* the page names both effective numbers and the parts they weigh */
        const std::string s = Vbm_Text();
        char bolt[160];
        snprintf(bolt, sizeof bolt,
                 "Bolzen M%.0lf (DIN EN 1995-1-1, 8.10(1), 8.5.1.1(4)): \xBA\xCE\\min\xCEr = 0.00 "
                 "\xF8, a\xCE\\"
                 "1\xCEr = %.1lf mm, n = 2 => n\xCE\\"
                 "ef\xCEr = %.2lf",
                 k.db, k.a1, k.n_ef_bolt);
        EXPECT_TRUE(Has(s, bolt)) << s;
        char line[200];
        snprintf(line, sizeof line, "/ n = (2.000 x %.4lf + %.3lf x ",
                 k.dc == 62.0 ? 5.4076 : 8.0623, k.n_ef_bolt);
        EXPECT_TRUE(Has(s, line)) << s;
        /* the strength lines give the bolt's embedment that the design takes: f_h,0,k =
        ** 0.082 (1 - 0.01 (d + 1)) rho_k, 24.97 N/mm² of M12, 23.82 N/mm² of M16 (not the bolt
        ** formula worked with dc: 10.91 and 10.04 N/mm²) */
        FILE *f = tmpfile();
        ASSERT_NE(f, nullptr);
        Run_Nachweise(f, 0);
        const std::string p = Slurp_Print(f);
        fclose(f);
        snprintf(line, sizeof line,
                 "Bolzen M%.0lf (mit dem Lochdurchmesser d + 1 mm = %.0lf mm statt d: Annahme "
                 "des Programms auf der sicheren Seite): k\xCE\\"
                 "90\xCEr = ",
                 k.db, k.db + 1.0);
        EXPECT_TRUE(Has(p, line)) << p;
        EXPECT_TRUE(Has(p, k.db == 12.0 ? "f\xCE\\h,0,k\xCEr = 24.97 N/mm"
                                        : "f\xCE\\h,0,k\xCEr = 23.82 N/mm"))
            << p;
        EXPECT_TRUE(Has(p, std::string("Verbindungsmittel ") + k.largest) && Has(p, k.summary))
            << p;
    }
}
