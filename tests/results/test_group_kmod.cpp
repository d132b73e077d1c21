/*
** Tests of kmod of a group of combinations whose kmod comes from the load-duration class: the
** timber sections, block shear, tension perpendicular to the grain, the strength lines and the
** combination table take each member's kmod (EN 1995-1-1, Table 3.1), the same the fastener
** design takes; a preset kmod stays as it is. Hand calculations in the comments.
*/
#include "results_test_util.h"

#include <string>

#include "foundation/codepage.h"
#include "printlist/printlist.h"

/* Utilisation of the row named name, -1 when the list has no such row. */
static double Row(const char *name)
{
    for (int i = 0; i < Splice_Input.utilisation.count; i++)
        if (strcmp(Splice_Input.utilisation.name[i], name) == 0)
            return Splice_Input.utilisation.value[i];
    return -1.0;
}

/* Group 0 in load-duration class kled with the kmod source "compute" and a preset that must not
** matter; one combination N_d (kN). */
static void Compute_Group(int kled, double N, double preset = 0.9)
{
    Lkom_Group *g = &Splice_Input.lkom.groups[0];
    g->kled = kled;
    g->kmod_source = 1;
    g->kmod = preset;
    Set_Lkom(0, 0, 0.0, N, 0.0);
}

/* ---------------------------------------------------------------- one inner plate */

/* The glulam splice with one inner plate (results_test_util.h), N_d = 180 kN in group 0. */
static void Inner_Plate_Splice(int kled, double preset = 0.9)
{
    Glulam_Inner_Plate_Splice();
    Compute_Group(kled, 180.0, preset);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Run_Nachweise(nullptr, 0);
}

TEST(GroupKmod, InnerPlateSpliceFollowsTheClass)
{
    /* Pattern: a1 = 5 d = 6 cm, rows 8.4 cm apart (the plate of 20 cm filled), x = 8.4, 14.4,
    ** 20.4 cm.
    ** Timber: the lamellas beside the plate, b' = 14 - 1 = 13 cm, less 3 dowel holes of 1.2 cm:
    ** A_n = 13 * 24 - 3 * 1.2 * 13 = 265.2 cm²; sigma_t = 1800 / 265.2 = 6.7873 N/mm².
    **   "mittel":   f_t,d = 19.2 * 0.8 / 1.3 = 11.8154 -> u = 0.57445
    **   "ständig":  f_t,d = 19.2 * 0.6 / 1.3 =  8.8615 -> u = 0.76593
    ** Fastener (EN 1995-1-1, (8.11)), t1 = 65 mm, f_h,0,k = 0.082 * 0.88 * 385 = 27.782,
    ** M_y = 0.3 * 360 * 12^2.6 = 69071 Nmm: (f) 27.782 * 65 * 12 = 21670, (g) 21670 (sqrt(2 +
    ** 4 * 69071 / (27.782 * 12 * 65²)) - 1) = 21670 * 0.48194 = 10443.5, (h) 2.3 sqrt(69071 *
    ** 27.782 * 12) = 11037 N; F_v,Rk = 10.4435 kN; 2 shear planes: F = 180 / (9 * 2) = 10 kN;
    ** n_ef = 3^0.9 (60 / 156)^0.25 = 2.11675;
    **   "mittel":   R_d = 0.8 * 10.4435 / 1.3 = 6.4268 -> u = 10 * 3 / 2.11675 / 6.4268 = 2.2053
    **   "ständig":  R_d = 0.6 * 10.4435 / 1.3 = 4.8201 -> u = 2.9404 (the factor 0.8 / 0.6)
    ** Plate: the dowels' holes d0 = 12 + 1 = 13 mm, 1.0 * (20 - 3 * 1.3) = 16.1 cm²; 1800 /
    ** 16.1 = 111.80 N/mm² / 235 = 0.47575 in both classes.
    ** Block shear (Annex A), each block of adjacent rows with its own dowels' force: two rows
    ** govern, L_net,t = 84 - 12 = 72 mm, L_net,v = 2 * (204 - 2.5 * 12) = 348 mm, t = 65 mm:
    ** 1.5 * 4680 * 19.2 = 134.784 kN > 0.7 * 22620 * 3.5 = 55.419 kN; N = 2 / 3 * 180 / 2 =
    ** 60 kN on each of the two lamellas (all three rows: 269.568 kN for 90 kN, less used);
    **   "mittel":   F_bs,Rd = 134.784 * 0.8 / 1.3 = 82.944 -> u = 0.72338
    **   "ständig":  F_bs,Rd = 134.784 * 0.6 / 1.3 = 62.208 -> u = 0.96451 */
    Inner_Plate_Splice(KLED_MITTEL);
    EXPECT_NEAR(Row("Holz"), 0.57445, 5e-5);
    EXPECT_NEAR(Row("Verbindungsmittel"), 2.2053, 5e-4);
    EXPECT_NEAR(Row("Stahlblech"), 0.47575, 5e-5);
    EXPECT_NEAR(Row("Blockscherversagen"), 0.72338, 5e-5);
    const double vbm_mittel = Row("Verbindungsmittel"), hole_mittel = Row("Lochleibung");

    Inner_Plate_Splice(KLED_STAENDIG);
    EXPECT_NEAR(Row("Holz"), 0.76593, 5e-5);
    EXPECT_NEAR(Row("Verbindungsmittel"), 2.9404, 5e-4);
    EXPECT_NEAR(Row("Verbindungsmittel") / vbm_mittel, 0.8 / 0.6, 1e-12);
    EXPECT_NEAR(Row("Stahlblech"), 0.47575, 5e-5);
    EXPECT_DOUBLE_EQ(Row("Lochleibung"), hole_mittel);
    EXPECT_NEAR(Row("Blockscherversagen"), 0.96451, 5e-5);
}

TEST(GroupKmod, APresetStaysAndAComputedGroupIgnoresIt)
{
    /* A preset kmod of 0.9 (source 0) serves every class: 6.7873 / (19.2 * 0.9 / 1.3) =
    ** 0.51062, for "ständig" as for "mittel". */
    for (int kled : {KLED_STAENDIG, KLED_MITTEL}) {
        Fresh_Splice(true);
        Inner_Plate_Splice(kled);
        Splice_Input.lkom.groups[0].kmod_source = 0;
        Run_Nachweise(nullptr, 0);
        EXPECT_NEAR(Row("Holz"), 0.51062, 5e-5) << kled;
    }
    /* The preset a file holds beside "compute" changes nothing, the fastener design's kmod
    ** neither. */
    for (double preset : {0.3, 1.4}) {
        Inner_Plate_Splice(KLED_STAENDIG, preset);
        EXPECT_NEAR(Row("Holz"), 0.76593, 5e-5) << preset;
        EXPECT_NEAR(Row("Verbindungsmittel"), 2.9404, 5e-4) << preset;
        EXPECT_NEAR(Row("Blockscherversagen"), 0.96451, 5e-5) << preset;
    }
}

/* ---------------------------------------------------------------- two timber materials */

/* Tension splice of the default side timbers (C24, 8 x 24 cm: f_t,0,k 14.5, f_m,k 24, f_c,0,k
** 21, f_v,k 4.0, rho_k 350) on a GL24h middle member 12 x 24 cm, dowels 12 mm in 3 rows x 3
** columns, N_d = 60 kN. */
static void Two_Materials(int kled)
{
    Fresh_Splice(true);
    Splice_Input.splice_kind = SPLICE_TENSION;
    Splice_Input.L_user = 0;
    Splice_Input.mat_mid = 2;
    Splice_Input.grade_mid = 2; /* GL24h */
    Set_Layout(3, 3);
    Compute_Group(kled, 60.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
}

/* A preset above EN 1995-1-1, Table 3.1 stays, but is named with the table's value for the
** group's class and the members' service class, and the summary reads no plain "erfüllt": the
** glulam splice with one inner plate (GL24h, service class 1), "ständig": the table gives 0.60,
** "mittel" 0.80 (solid timber and glulam, EN 1995-1-1, Table 3.1). Side timbers of C24 beside a
** GL24h member: each member's own. A computed group, or a preset at the table's value, says
** nothing. */
TEST(GroupKmod, APresetAboveTheTableIsNamedWithTheTablesValue)
{
    Inner_Plate_Splice(KLED_STAENDIG, 1.0);
    Splice_Input.lkom.groups[0].kmod_source = 0;
    Get_Lkom_Entry(0, 0)->N_d = 20.0;
    Kmod_Above_Table k[LKOM_GROUPS];
    ASSERT_EQ(Get_Kmod_Above_Table(k), 1);
    EXPECT_EQ(k[0].group, 0);
    EXPECT_EQ(k[0].kled, KLED_STAENDIG);
    EXPECT_DOUBLE_EQ(k[0].kmod, 1.0);
    EXPECT_DOUBLE_EQ(k[0].table_mid, 0.6);
    EXPECT_DOUBLE_EQ(k[0].table_side, 0.0);
    char line[256];
    Kmod_Above_Table_Line(&k[0], 0, line, sizeof line);
    EXPECT_STREQ(line, "Wichtig! Gruppe 1: vorgegebenes k_mod = 1.00 \x81"
                       "ber DIN EN 1995-1-1, Tab. 3.1 f\x81r st\x84ndig, Nutzungsklasse 1: "
                       "Holz 0.60");
    const double u = Run_Nachweise(nullptr, 0);
    ASSERT_LE(u, 1.0);
    FILE *f = tmpfile();
    Write_Nachweis_Summary(f, u);
    std::string s = Slurp_Print(f);
    fclose(f);
    EXPECT_NE(s.find("=> \xCE"
                     "bNachweis mit vorgegebenem k\xCE\\mod\xCEr\xCE"
                     "b erf\x81llt (siehe Wichtig!)\xCEr"),
              std::string::npos)
        << s;
    EXPECT_EQ(s.find("Alle Nachweise erf\x81llt"), std::string::npos) << s;
    EXPECT_NE(
        s.find("\xCE"
               "bWichtig!\xCEr Gruppe 1: vorgegebenes k\xCE\\mod\xCEr = 1.00 \x81"
               "ber DIN EN 1995-1-1, Tab. 3.1 f\x81r st\x84ndig, Nutzungsklasse 1: Holz 0.60"),
        std::string::npos)
        << s;
    /* "mittel": 0.90 above 0.80, 0.80 is the table's value */
    Splice_Input.lkom.groups[0].kled = KLED_MITTEL;
    Splice_Input.lkom.groups[0].kmod = 0.9;
    ASSERT_EQ(Get_Kmod_Above_Table(k), 1);
    EXPECT_DOUBLE_EQ(k[0].table_mid, 0.8);
    Splice_Input.lkom.groups[0].kmod = 0.8;
    EXPECT_EQ(Get_Kmod_Above_Table(k), 0);
    f = tmpfile();
    Write_Nachweis_Summary(f, u);
    s = Slurp_Print(f);
    fclose(f);
    EXPECT_NE(s.find("Alle Nachweise erf\x81llt"), std::string::npos) << s;
    EXPECT_EQ(s.find("Wichtig"), std::string::npos) << s;
    /* computed from the class: nothing to name */
    Splice_Input.lkom.groups[0].kmod = 1.0;
    Splice_Input.lkom.groups[0].kmod_source = 1;
    EXPECT_EQ(Get_Kmod_Above_Table(k), 0);

    /* side timbers C24 (service class 2: "ständig" 0.60) beside GL24h, preset 0.70 */
    Two_Materials(KLED_STAENDIG);
    Splice_Input.service_class = 2;
    Splice_Input.lkom.groups[0].kmod_source = 0;
    Splice_Input.lkom.groups[0].kmod = 0.7;
    ASSERT_EQ(Get_Kmod_Above_Table(k), 1);
    EXPECT_DOUBLE_EQ(k[0].table_mid, 0.6);
    EXPECT_DOUBLE_EQ(k[0].table_side, 0.6);
    Kmod_Above_Table_Line(&k[0], 0, line, sizeof line);
    EXPECT_STREQ(line, "Wichtig! Gruppe 1: vorgegebenes k_mod = 0.70 \x81"
                       "ber DIN EN 1995-1-1, Tab. 3.1 f\x81r st\x84ndig, Nutzungsklasse 2: "
                       "Mittelholz 0.60, Seitenh\x94lzer 0.60");
}

TEST(GroupKmod, SideTimbersOfAnotherMaterialUnderShortAndPermanentLoad)
{
    /* Middle: A_n = 12 * 24 - 3 * 1.2 * 12 = 244.8 cm²; sigma_t = 600 / 244.8 = 2.4510 N/mm².
    ** Side timbers: 2 * (8 * 24 - 3 * 1.2 * 8) = 326.4 cm²; sigma_t = 1.8382 N/mm² (the annex
    ** has no reduction of f_t,0,k of the side timbers).
    ** Fastener (EN 1995-1-1, (8.7)), t1 = 80, t2 = 120 mm, f_h,1 = 0.082 * 0.88 * 350 = 25.256,
    ** f_h,2 = 0.082 * 0.88 * 385 = 27.782, beta = 1.1, M_y = 69071 Nmm: (g) 24246, (h) 20003,
    ** (j) 9523, (k) 1.15 sqrt(2.2 / 2.1) sqrt(2 * 69071 * 25.256 * 12) = 7616.1 N;
    ** F = 60 / (9 * 2) = 3.3333 kN; n_ef = 2.11675; u = 3.3333 * 3 / 2.11675 / R_d.
    **   "kurz" (kmod 0.9 of both):   middle 2.4510 / (19.2 * 0.9 / 1.3 = 13.2923) = 0.18439,
    **       side 1.8382 / (14.5 * 0.9 / 1.3 = 10.0385) = 0.18311,
    **       R_d = 0.9 * 7.6161 / 1.3 = 5.2727 -> 0.89598
    **   "ständig" (kmod 0.6 of both): middle 2.4510 / 8.8615 = 0.27659,
    **       side 1.8382 / 6.6923 = 0.27468, R_d = 3.5151 -> 1.34397 */
    Two_Materials(KLED_KURZ);
    Run_Nachweise(nullptr, 0);
    EXPECT_NEAR(Row("Mittelholz"), 0.18439, 5e-5);
    EXPECT_NEAR(Row("Seitenhölzer"_cp850), 0.18311, 5e-5);
    EXPECT_NEAR(Row("Verbindungsmittel"), 0.89598, 5e-5);

    Two_Materials(KLED_STAENDIG);
    Run_Nachweise(nullptr, 0);
    EXPECT_NEAR(Row("Mittelholz"), 0.27659, 5e-5);
    EXPECT_NEAR(Row("Seitenhölzer"_cp850), 0.27468, 5e-5);
    EXPECT_NEAR(Row("Verbindungsmittel"), 1.34397, 5e-5);

    /* The strength lines of each member: C24 14.5, 24, 21, 4.0 and GL24h 19.2, 24, 24, 3.5,
    ** each times 0.6 / 1.3. */
    FILE *f = tmpfile();
    ASSERT_NE(f, nullptr);
    Run_Nachweise(f, 0);
    const std::string s = Slurp_Print(f);
    fclose(f);
    EXPECT_NE(
        s.find("Seitenhölzer: f\xCE\\t,d\xCEr = 6.69 N/mm\xCE/2\xCEr, f\xCE\\m,d\xCEr = 11.08 "
               "N/mm\xCE/2\xCEr, f\xCE\\"
               "c,d\xCEr = 9.69 N/mm\xCE/2\xCEr, f\xCE\\v,d\xCEr = "
               "1.85 N/mm"_cp850),
        std::string::npos)
        << s;
    EXPECT_NE(s.find("Mittelholz: f\xCE\\t,d\xCEr = 8.86 N/mm\xCE/2\xCEr, f\xCE\\m,d\xCEr = 11.08 "
                     "N/mm\xCE/2\xCEr, f\xCE\\"
                     "c,d\xCEr = 11.08 N/mm\xCE/2\xCEr, f\xCE\\v,d\xCEr = "
                     "1.62 N/mm"),
              std::string::npos)
        << s;
}

TEST(GroupKmod, EachMemberTakesItsOwnKmod)
{
    /* Service class 1, "ständig": timber 0.6, OSB/3 (group 4, grade 1) 0.4; the connection
    ** takes sqrt(0.6 * 0.4) = 0.48990 (EN 1995-1-1, eq. (2.6)). */
    Fresh_Splice(true);
    Splice_Input.service_class = 1;
    Splice_Input.mat_side = 4;
    Splice_Input.grade_side = 1;
    Splice_Input.lkom.groups[0].kled = KLED_STAENDIG;
    Splice_Input.lkom.groups[0].kmod_source = 1;
    double mid = 0, side = 0, joint = 0;
    Get_Group_Kmod(0, &mid, &side, &joint);
    EXPECT_DOUBLE_EQ(mid, 0.6);
    EXPECT_DOUBLE_EQ(side, 0.4);
    EXPECT_NEAR(joint, 0.48990, 5e-6);

    /* Steel plates take the timber's kmod, inner and outer; a lap has one member. */
    for (int kind : {CONN_INNER_PLATES, CONN_OUTER_PLATES, CONN_LAP}) {
        Splice_Input.connection_kind = kind;
        Get_Group_Kmod(0, &mid, &side, &joint);
        EXPECT_DOUBLE_EQ(mid, 0.6) << kind;
        EXPECT_DOUBLE_EQ(side, 0.6) << kind;
        EXPECT_DOUBLE_EQ(joint, 0.6) << kind;
    }

    /* Service class 3, "kurz": 0.7 (EN 1995-1-1, Table 3.1). */
    Splice_Input.connection_kind = CONN_SIDE_TIMBERS;
    Splice_Input.mat_side = 0;
    Splice_Input.service_class = 3;
    Splice_Input.lkom.groups[0].kled = KLED_KURZ;
    Get_Group_Kmod(0, &mid, &side, nullptr);
    EXPECT_DOUBLE_EQ(mid, 0.7);
    EXPECT_DOUBLE_EQ(side, 0.7);

    /* A preset serves all members; outside the groups everything is 0. */
    Splice_Input.mat_side = 4;
    Splice_Input.lkom.groups[0].kmod_source = 0;
    Splice_Input.lkom.groups[0].kmod = 0.85;
    Get_Group_Kmod(0, &mid, &side, &joint);
    EXPECT_DOUBLE_EQ(mid, 0.85);
    EXPECT_DOUBLE_EQ(side, 0.85);
    EXPECT_DOUBLE_EQ(joint, 0.85);
    Get_Group_Kmod(LKOM_GROUPS, &mid, &side, &joint);
    EXPECT_EQ(mid + side + joint, 0.0);
}

TEST(GroupKmod, TensionPerpendicularToTheGrainTakesTheMembersKmod)
{
    /* C24 f_t,90,k = 0.4 N/mm², "ständig": 0.4 * 0.6 / 1.3 = 0.18462; accidental without the
    ** partial factor: 0.24. With OSB side timbers the side value takes their kmod 0.4 (and
    ** their own f_t,90,k); the middle member keeps 0.6. */
    Fresh_Splice(true);
    Splice_Input.service_class = 1;
    Splice_Input.lkom.groups[0].kled = KLED_STAENDIG;
    Splice_Input.lkom.groups[0].kmod_source = 1;
    EXPECT_NEAR(Get_Ft90d_Middle(0, 0), 0.4 * 0.6 / 1.3, 1e-12);
    EXPECT_NEAR(Get_Ft90d_Side(0, 0), 0.4 * 0.6 / 1.3, 1e-12);
    EXPECT_NEAR(Get_Ft90d_Middle(0, 1), 0.24, 1e-12);
    /* the 0.24 is 0.4 * 0.6 / 1.00, the accidental factor of the annex (EN 1995-1-1, Table
    ** 2.3), not no factor: an annex of 1.20 gives 0.4 * 0.6 / 1.20 = 0.2 in both members */
    const double kept_accidental = Nad_Record.ec5.gamma_m_accidental;
    Nad_Record.ec5.gamma_m_accidental = 1.2;
    EXPECT_NEAR(Get_Ft90d_Middle(0, 1), 0.2, 1e-12);
    EXPECT_NEAR(Get_Ft90d_Side(0, 1), 0.2, 1e-12);
    Nad_Record.ec5.gamma_m_accidental = kept_accidental;
    /* a partial factor of 1.0 divides by one; none at all gives no strength, not a division
    ** by zero; outside the groups there is no kmod */
    Splice_Input.gamma_m_t90 = 1.0;
    EXPECT_NEAR(Get_Ft90d_Middle(0, 0), 0.24, 1e-12);
    Splice_Input.gamma_m_t90 = 0.0;
    EXPECT_EQ(Get_Ft90d_Middle(0, 0), 0.0);
    EXPECT_NEAR(Get_Ft90d_Middle(0, 1), 0.24, 1e-12);
    Splice_Input.gamma_m_t90 = 1.3;
    EXPECT_EQ(Get_Ft90d_Middle(-1, 0), 0.0);
    EXPECT_EQ(Get_Ft90d_Side(LKOM_GROUPS, 0), 0.0);
    Splice_Input.mat_side = 4;
    Splice_Input.grade_side = 1;
    EXPECT_NEAR(Get_Ft90d_Middle(0, 0), 0.4 * 0.6 / 1.3, 1e-12);
    EXPECT_NEAR(Get_Ft90d_Side(0, 0), Get_Mat_Ft90(4, 1) * 0.4 / 1.3, 1e-12);
}

/* ---------------------------------------------------------------- the report */

TEST(GroupKmod, TheReportPrintsTheKmodUsed)
{
    /* The default bending splice (C24) with one combination in group 0 ("ständig") and one in
    ** group 3 ("kurz"), both computing kmod with a preset 0.9 beside: the combination table
    ** and the fastener lines print 0.60 and 0.90. */
    Fresh_Splice(true);
    Splice_Input.service_class = 1;
    Splice_Input.lkom.groups[0].kled = KLED_STAENDIG;
    Set_Lkom(0, 0, 6.0, 10.0, 8.0);
    Splice_Input.lkom.groups[3].kled = KLED_KURZ;
    Set_Lkom(3, 0, 6.0, 10.0, 8.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    FILE *f = tmpfile();
    ASSERT_NE(f, nullptr);
    Oli_Lkom_Table(f);
    Run_Nachweise(f, 0);
    const std::string s = Slurp_Print(f);
    fclose(f);
    const size_t row1 = s.find("\n   1    6.00 "), row2 = s.find("\n   2    6.00 ");
    ASSERT_NE(row1, std::string::npos) << s;
    ASSERT_NE(row2, std::string::npos) << s;
    const std::string line1 = s.substr(row1 + 1, s.find('\n', row1 + 1) - row1 - 1);
    const std::string line2 = s.substr(row2 + 1, s.find('\n', row2 + 1) - row2 - 1);
    EXPECT_NE(line1.find("    8.00  0.60 "), std::string::npos) << line1;
    EXPECT_NE(line2.find("    8.00  0.90 "), std::string::npos) << line2;
    /* strengths of C24 with 0.6 and 0.9 over 1.3 */
    EXPECT_NE(s.find("f\xCE\\t,d\xCEr = 6.69 N/mm"), std::string::npos);
    EXPECT_NE(s.find("f\xCE\\t,d\xCEr = 10.04 N/mm"), std::string::npos);
    const size_t first = s.find("8.00 kNm, k\xCE\\mod\xCEr = 0.60");
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(s.find("8.00 kNm, k\xCE\\mod\xCEr = 0.90", first), std::string::npos);
    /* no 0.90 in the lines of the permanent group */
    EXPECT_GT(s.find("k\xCE\\mod\xCEr = 0.90"), first);
}

TEST(GroupKmod, BlockShearPrintsTheKmodUsed)
{
    Inner_Plate_Splice(KLED_STAENDIG);
    FILE *f = tmpfile();
    ASSERT_NE(f, nullptr);
    int err = -1;
    Oli_Blockscher_Nachweis(f, 0, 0, &err);
    const std::string s = Slurp_Print(f);
    fclose(f);
    EXPECT_EQ(err, 0);
    EXPECT_NE(
        s.find("F\xCE\\"
               "bs,Rk\xCEr = 134.78 kN, k\xCE\\mod\xCEr = 0.60, \xC0\xCE\\M\xCEr = 1.30 => F\xCE\\"
               "bs,Rd"
               "\xCEr = 62.21 kN"),
        std::string::npos)
        << s;
}

/* ---------------------------------------------------------------- a preset beside panels */

/* Tension splice of C24 80 x 200 mm with two side boards 22 x 200 mm of material group mat,
** grade, nails 3.1 x 70 mm (the splitting rule with 7 d), 8 x 5 per half, N_d = 30 kN in group 0
** ("mittel"), service class 2, an annex without the reduction of NCI NA.8.1.6; kmod preset 0.8
** (source 0) or computed per member (source 1). */
static void Board_Splice(int mat, int grade, int kmod_source, double preset)
{
    Side_Timber_Nail_Splice();
    Nad_Record.ec5.na816_tension_reduction = 0;
    Splice_Input.service_class = 2;
    Splice_Input.mat_side = mat;
    Splice_Input.grade_side = grade;
    Splice_Input.t_s = 2.2;
    Splice_Input.b = 8.0;
    Splice_Input.d = 3.1;
    Splice_Input.l = 70.0;
    Splice_Input.split_rule = 1;
    Set_Layout(8, 5);
    Tension_Splice(30.0);
    Lkom_Group *g = &Splice_Input.lkom.groups[0];
    g->kled = KLED_MITTEL;
    g->kmod_source = kmod_source;
    g->kmod = preset;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Run_Nachweise(nullptr, 0);
}

TEST(GroupKmod, APresetDoesNotRaiseAPanelAboveItsOwnKmod)
{
    /* OSB/3 in service class 2, "mittel": its own kmod is 0.55 (EN 1995-1-1, Table 3.1), below
    ** the preset 0.8 of the timber. The boards take 0.55: sigma = 30000 / (2 * 22 * 200) =
    ** 3.4091 N/mm², f_t,0,d = 9.0 * 0.55 / 1.2 = 4.125 N/mm² (EN 12369-1, OSB/3 over 18 mm),
    ** u = 0.82645 (with 0.8: 6.00, 0.56818); the C24 keeps 0.8. The connection takes
    ** sqrt(0.55 * 0.8) = 0.66332 (EN 1995-1-1, 2.3.2.1(4)): its utilisation is 0.8 / 0.66332 =
    ** 1.20605 times the one with 0.8 for both, and equals that of the group that computes kmod
    ** per member. */
    Board_Splice(MAT_OSB, 1, 1, 0.0);
    EXPECT_NEAR(Row("Seitenhölzer"_cp850), 3.40909 / 4.125, 5e-5);
    const double vbm_own = Row("Verbindungsmittel");
    Board_Splice(MAT_OSB, 1, 0, 0.8);
    EXPECT_NEAR(Row("Seitenhölzer"_cp850), 3.40909 / 4.125, 5e-5);
    EXPECT_NEAR(Row("Mittelholz"), 30000.0 / (80.0 * 200.0) / (14.5 * 0.8 / 1.3), 5e-5);
    EXPECT_NEAR(Row("Verbindungsmittel"), vbm_own, 1e-12);
    double mid = 0, side = 0, joint = 0;
    Get_Group_Kmod(0, &mid, &side, &joint);
    EXPECT_DOUBLE_EQ(mid, 0.8);
    EXPECT_DOUBLE_EQ(side, 0.55);
    EXPECT_NEAR(joint, 0.66332, 5e-6);
    /* every member at 0.55: the connection's utilisation is 0.66332 / 0.55 = 1.20604 times the
    ** one above */
    Board_Splice(MAT_OSB, 1, 0, 0.55);
    EXPECT_NEAR(vbm_own / Row("Verbindungsmittel"), 0.55 / std::sqrt(0.55 * 0.8), 1e-9);
    /* A preset below the panel's own value serves the panel too. */
    Board_Splice(MAT_OSB, 1, 0, 0.5);
    Get_Group_Kmod(0, &mid, &side, &joint);
    EXPECT_DOUBLE_EQ(side, 0.5);
    EXPECT_DOUBLE_EQ(joint, 0.5);
    /* Plywood has the timber's row: F20/10 keeps the preset 0.8 (f_t,0,k 9 in the plane):
    ** u = 3.40909 / (9 * 0.8 / 1.2) = 0.56818. */
    Board_Splice(MAT_SPERRHOLZ, 0, 0, 0.8);
    EXPECT_NEAR(Row("Seitenhölzer"_cp850), 3.40909 / 6.0, 5e-5);

    /* The report says how the connection's kmod arises. */
    Board_Splice(MAT_OSB, 1, 0, 0.8);
    FILE *f = tmpfile();
    ASSERT_NE(f, nullptr);
    Run_Nachweise(f, 0);
    const std::string s = Slurp_Print(f);
    fclose(f);
    EXPECT_NE(s.find("k\xCE\\mod\xCEr = (k\xCE\\mod,1\xCEr x k\xCE\\mod,2\xCEr)\xCE/0.5\xCEr = "
                     "(0.55 x 0.80)\xCE/0.5\xCEr = 0.6633"),
              std::string::npos)
        << s;
    /* 4.125 is a tie, written 4.12 */
    EXPECT_NE(s.find("= 9.00 x 0.55 / 1.20 = 4.12 N/mm"), std::string::npos) << s;
    /* The boards' strength lines take every value in the plane (EN 12369-1, Table 2, OSB/3 over
    ** 18 mm) and say so; times 0.55 / 1.2: f_t,0 9.0 -> 4.12, bending as its tension 9.0 ->
    ** 4.12 (14.8 across the plane: 6.78), f_c,0 14.8 -> 6.78, the panel shear 6.8 -> 3.12 (the
    ** planar 1.0: 0.46). */
    EXPECT_NE(
        s.find("Seitenhölzer: f\xCE\\t,0,k\xCEr = 9.00 N/mm\xCE/2\xCEr, f\xCE\\m,k\xCEr = 9.00 "
               "N/mm\xCE/2\xCEr, f\xCE\\"
               "c,0,k\xCEr = 14.80 N/mm\xCE/2\xCEr, f\xCE\\v,k\xCEr = 6.80 N/mm\xCE/2\xCEr, "
               "k\xCE\\mod\xCEr = 0.55, \xC0\xCE\\M\xCEr = 1.20 (Scheibenbeanspruchung)"_cp850),
        std::string::npos)
        << s;
    EXPECT_NE(s.find("Seitenhölzer: f\xCE\\t,d\xCEr = 4.12 N/mm\xCE/2\xCEr, f\xCE\\m,d\xCEr = 4.12 "
                     "N/mm\xCE/2\xCEr, f\xCE\\"
                     "c,d\xCEr = 6.78 N/mm\xCE/2\xCEr, f\xCE\\v,d\xCEr = 3.12 N/mm"_cp850),
              std::string::npos)
        << s;
}
