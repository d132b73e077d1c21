/*
** Bearing of the plate holes under EN 1993-1-8: the row spacing p2 in k1 of the inner and the
** end fasteners, and the moment column of the force table of a bending splice.
*/
#include "results_test_util.h"

namespace {

/* The bearing section of combination (0, 0) as the print list gets it; *u (optional) gets the
** utilisation. */
std::string Bearing_Print(double *u = nullptr)
{
    FILE *f = tmpfile();
    if (f == nullptr) {
        ADD_FAILURE() << "no temporary file";
        return "";
    }
    const double v = Oli_Lochleibung_Nachweis(f, 0, 0);
    if (u) *u = v;
    const std::string s = Slurp_Print(f);
    fclose(f);
    return s;
}

/* Outer plates 10 mm of S235 (f_u 360), gamma_M2 1.25, one row of three 12 mm dowels in fitted
** holes (d0 = d = 12 mm) at x = 5, 11 and 17 cm, two shear planes, e1 = 2.4, e2 = 3.0, p1 =
** 6.0 cm, every fastener printed. */
void Three_Dowels(double p2)
{
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Splice_Input.splice_kind = SPLICE_TENSION;
    Splice_Input.vbm_type = 29;
    Splice_Input.d = 12.0;
    Splice_Input.fitted_bolt = 1;
    Splice_Input.t_p = 1.0;
    Splice_Input.e1 = 2.4;
    Splice_Input.e2 = 3.0;
    Splice_Input.p1 = 6.0;
    Splice_Input.p2 = p2;
    Splice_Input.plate_steel = 5;
    Splice_Input.bolt_steel = 5;
    Splice_Input.gamma_m2 = 1.25;
    Splice_Input.shear_planes = 2;
    Splice_Input.print.fasteners = 1;
    Set_Layout(3, 2);
    Fastener_Pattern.count = 3;
    for (int i = 0; i < 3; i++) {
        Fastener_Pattern.recs[i] = Fastener_Rec{};
        Fastener_Pattern.recs[i].x = 5.0 + 6.0 * i;
        Fastener_Pattern.recs[i].weight = 1.0;
    }
    Calc_Pattern_Centroid(&Fastener_Pattern.x_c, &Fastener_Pattern.y_c, &Fastener_Pattern.I_p, 3,
                          Fastener_Pattern.recs);
    Set_Lkom(0, 0, 0.0, 75.0, 0.0);
}

} // namespace

TEST(PlateBearing, CloseRowsLowerK1OfInnerAndEndFasteners)
{
    /* EN 1993-1-8, Table 3.4, d0 = 12 mm, p2 = 30 mm:
    ** inner: k1 = min(1.4 * 30 / 12 - 1.7, 2.5) = 1.8, alpha_b = min(60 / 36 - 0.25, 1) = 1:
    **   F_b,Rd = 1.8 * 1 * 360 * 12 * 10 / 1.25 = 62208 N = 62.21 kN;
    ** end: k1 = min(2.8 * 30 / 12 - 1.7, 1.4 * 30 / 12 - 1.7, 2.5) = 1.8, alpha_b = 24 / 36:
    **   F_b,Rd = 1.8 * 0.6667 * 360 * 12 * 10 / 1.25 = 41472 N = 41.47 kN;
    ** tension 75 kN: 12.5 kN per fastener and plane, the end column governs: 12.5 / 41.472 */
    Three_Dowels(3.0);
    double u = 0.0;
    const std::string s = Bearing_Print(&u);
    EXPECT_NEAR(u, 12.5 / 41.472, 1e-9);
    /* the single row lies beside both edges: k1 = 1.8 at the edge and inside alike */
    EXPECT_NE(s.find("(F\xCE\\totH\xCEr): \xBA\xCE\\"
                     "b\xCEr = 0.667 (e\xCE\\"
                     "1\xCEr) / 1.000 (p\xCE\\"
                     "1\xCEr), k\xCE\\"
                     "1\xCEr = 1.800 (e\xCE\\"
                     "2\xCEr) / 1.800 (p\xCE\\"
                     "2\xCEr)"),
              std::string::npos)
        << s;
    /* p1 = 79.953 mm, which the formulas write 79.95 mm: the distances' line gives the same
    ** digits in cm, 7.995 cm, where 8.00 cm gave another number */
    Splice_Input.p1 = 7.9953;
    const std::string p = Bearing_Print();
    EXPECT_NE(p.find("p\xCE\\1\xCEr = 7.995 cm, e\xCE\\1\xCEr = 2.40 cm"), std::string::npos) << p;
    Bearing_Check r;
    ASSERT_EQ(Calc_Bearing_Check(0, 0, &r), 1);
    ASSERT_EQ(r.n, 3);
    EXPECT_NEAR(r.rows[0].R_H, 62.208, 1e-9);
    EXPECT_NEAR(r.rows[2].R_H, 41.472, 1e-9);
    Free_Bearing_Check(&r);
}

TEST(PlateBearing, TheMomentColumnOfABendingSplice)
{
    /* M = 0.6 kNm = 60 kNcm about the centroid x = 11 cm, I_p = 6² + 0 + 6² = 72 cm², two shear
    ** planes: the outer fasteners take 60 * 6 / 72 / 2 = 2.5 kN across the grain (F_M = F_MV,
    ** F_MH = 0), the middle one none; without V_d the half is drawn as for a positive V_d, whose
    ** moment turns the column next to the joint up (+2.5) and the far one down (-2.5); with 12.5 kN along the grain: F = sqrt(12.5² + 2.5²) =
    ** 12.75 kN at atan(2.5 / 12.5) = 11.31 degrees. Along the grain 86.40 inside, 57.60 kN at
    ** the end (p2 = 6 cm: k1 = 2.5); across, the single row bears towards an edge with
    ** alpha_b = 30 / 36, k1 = min(2.8 * 24 / 12 - 1.7, 2.5) = 2.5: 72.00 kN. u = 12.5 / 86.4 =
    ** 0.14 inside, 12.5 / 57.6 = 0.22 at the end (2.5 / 72 = 0.03 across) */
    Three_Dowels(6.0);
    Splice_Input.splice_kind = SPLICE_BENDING;
    Lkom_Entry *c = Get_Lkom_Entry(0, 0);
    c->M_d = 0.6;
    c->M_distr = 0.6;
    const std::string s = Bearing_Print();
    /* (the row with the largest force is underlined: its resistance is not compared here) */
    EXPECT_NE(s.find("   1    2.50    0.00    2.50   12.50    2.50   12.75   11.31 "),
              std::string::npos)
        << s;
    EXPECT_NE(
        s.find(
            "   2    0.00    0.00    0.00   12.50    0.00   12.50    0.00   86.40   72.00  0.14\n"),
        std::string::npos)
        << s;
    EXPECT_NE(
        s.find(
            "   3    2.50    0.00   -2.50   12.50   -2.50   12.75   11.31   57.60   72.00 \xCEu 0.22\xCEr\n"),
        std::string::npos)
        << s;
    /* the table names what its forces are: those of one plate's hole, one shear plane beside an
    ** outer plate */
    EXPECT_NE(s.find("Kr\x84"
                     "fte pro Blech und Verbindungsmittel (1 Scherfuge je Blech)"),
              std::string::npos)
        << s;
    /* inner plates carry twice the force per plane of the hole */
    Splice_Input.connection_kind = CONN_INNER_PLATES;
    Splice_Input.plate_count = 1.0;
    const std::string t = Bearing_Print();
    EXPECT_NE(t.find("   1    5.00    0.00    5.00   25.00    5.00   25.50   11.31 "),
              std::string::npos)
        << t;
    EXPECT_NE(t.find("Kr\x84"
                     "fte pro Blech und Verbindungsmittel (2 x Kraft pro Scherfuge)"),
              std::string::npos)
        << t;
}

TEST(PlateBearing, TheDowelsHoleOfTheLayoutInTheBendingSplice)
{
    /* Bending splice GL24h 14/32, two inner plates S235 8 mm of 24 cm, dowels 12 mm in 4 rows of
    ** 3 per half, M_d 7 kNm, N_d 20 kN, V_d 10 kN. The layout keeps e1 = e2 = 1.2 d0 with the
    ** hole d0 = 12 + 1 = 13 mm: 15.6 mm; the bearing takes the same hole (EN 1993-1-8,
    ** Table 3.4): alpha_b = e1 / (3 d0) = 15.6 / 39 = 0.4 at the plate's end, k1 = min(2.8 x
    ** 15.6 / 13 - 1.7; 1.4 p2 / 13 - 1.7; 2.5) = 1.66 in the outer rows (p2 = 69.6 mm);
    ** F_b,Rd = 1.66 x 0.4 x 360 x 12 x 8 / 1.25 = 18360.29 N at the corner hole. */
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_INNER_PLATES;
    Splice_Input.splice_kind = SPLICE_BENDING;
    Splice_Input.service_class = 1;
    Splice_Input.mat_mid = 2;
    Splice_Input.grade_mid = 2; /* GL24h */
    Splice_Input.b = 14.0;
    Splice_Input.h = 32.0;
    Splice_Input.plate_count = 2.0;
    Splice_Input.t_p = 0.8;
    Splice_Input.h_p = 24.0;
    Splice_Input.plate_steel = 5;
    Splice_Input.vbm_type = VBM_STABDUEBEL;
    Splice_Input.d = 12.0;
    Splice_Input.vbm_steel = 5;
    Splice_Input.L_user = 0;
    Splice_Input.lkom.groups[0].kled = KLED_MITTEL;
    Splice_Input.lkom.groups[0].kmod_source = 1;
    Set_Layout(3, 4);
    Set_Lkom(0, 0, 7.0, 20.0, 10.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Set_Design_Gammas(0);
    Bearing_Check r;
    ASSERT_EQ(Calc_Bearing_Check(0, 0, &r), 1);
    EXPECT_DOUBLE_EQ(r.d0, 13.0);
    EXPECT_DOUBLE_EQ(r.d, 12.0);
    EXPECT_NEAR(r.e1, 1.56, 1e-9);
    EXPECT_NEAR(r.H.alpha_end, 0.4, 1e-9);
    EXPECT_NEAR(r.H.k1_edge, 1.66, 1e-9);
    /* the corner fastener 12 (x = x_max, y = y_max) of one plate: two shear planes of the four,
    ** each N_d / (n s) + M y / (I_p s) along the grain, M = |M_d| + |x_s V_d| (kNcm) */
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    ASSERT_EQ(fp->count, 12);
    const double M = 700.0 + fp->x_c * 10.0;
    const double F_H = 2.0 * (20.0 / 12.0 / 4.0 + M * fp->recs[11].y / fp->I_p / 4.0);
    const double F_b = 1.66 * 0.4 * 360.0 * 12.0 * 8.0 / 1.25 / 1000.0;
    EXPECT_NEAR(F_b, 18.35827, 1e-5);
    EXPECT_NEAR(r.u_max, F_H / F_b, 1e-9);
    EXPECT_NEAR(r.u_max, 0.2821, 5e-5);
    Free_Bearing_Check(&r);
}

TEST(PlateBearing, StaggeredHolesBearByTheSpacingsOfEachDirection)
{
    /* M16 bolts (d0 = 17 mm) staggered in 3 x 5 per half through outer plates 10 mm of S235
    ** (f_u 360), gamma_M2 1.25, e1 = 20.4, e2 = 53.04 mm. The layout keeps p1 = 16 and p2 = 8.7
    ** cm: its rows stand 43.5 mm apart with a hole every 80 mm, its columns 40 mm apart with a
    ** hole every 87 mm. EN 1993-1-8, Table 3.4 with Fig. 3.1 (c): along the rows, k1 by the
    ** distance of the adjacent rows, at the corner of the plate's end k1 = min(2.8 x 53.04 / 17
    ** - 1.7; 1.4 x 43.5 / 17 - 1.7; 2.5) = 1.882353, alpha_b = 20.4 / (3 x 17) = 0.4:
    ** F_b,H,Rd = 1.882353 x 0.4 x 360 x 16 x 10 / 1.25 = 34.6955 kN (with 87 mm k1 was 2.5:
    ** 46.08 kN); across, k1 of the end column by the distance of the columns: min(2.8 x 20.4 /
    ** 17 - 1.7; 1.4 x 40 / 17 - 1.7; 2.5) = 1.594118 (with 160 mm 1.66). */
    Outer_Plate_Bolt_Splice();
    Splice_Input.d = 16.0;
    Splice_Input.h = Splice_Input.h_p = 28.0;
    Set_Layout(3, 5, LAYOUT_STAGGERED);
    Tension_Splice(60.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Set_Design_Gammas(0);
    Splice_Input.plate_steel = 5;
    Splice_Input.gamma_m2 = 1.25;
    Splice_Input.p1 = 16.0;
    Splice_Input.p2 = 8.7;
    Splice_Input.e1 = Splice_Input.e_rand_ec = 2.04;
    Splice_Input.e2 = 5.304;
    Splice_Input.print.fasteners = 1;
    ASSERT_GE(Plate_Bearing_Fu_B(), 360.0);
    Bearing_Check r;
    ASSERT_EQ(Calc_Bearing_Check(0, 0, &r), 1);
    EXPECT_DOUBLE_EQ(r.p1, 8.0);
    EXPECT_DOUBLE_EQ(r.p2, 4.35);
    EXPECT_NEAR(r.V.k1_edge, 1.594118, 1e-6);
    /* the page names the spacings of each direction */
    FILE *f = tmpfile();
    ASSERT_NE(f, nullptr);
    Print_Bearing_Check(f, &r);
    const std::string s = Slurp_Print(f);
    fclose(f);
    EXPECT_NE(s.find("p\xCE\\1\xCEr = 8.00 cm (L\x94"
                     "cher einer Reihe), p\xCE\\2\xCEr = 4.35 cm (benachbarte Reihen); zu "
                     "F\xCE\\totV\xCEr p\xCE\\1,V\xCEr = 8.70 cm (L\x94"
                     "cher einer Spalte), p\xCE\\2,V\xCEr = 4.00 cm (benachbarte Spalten)"),
              std::string::npos)
        << s;
    double x_end = -1e300, y_top = -1e300;
    for (int i = 0; i < r.n; i++) {
        x_end = std::fmax(x_end, Fastener_Pattern.recs[i].x);
        y_top = std::fmax(y_top, Fastener_Pattern.recs[i].y);
    }
    int corners = 0;
    for (int i = 0; i < r.n; i++)
        if (Fastener_Pattern.recs[i].x > x_end - 1e-4
            && Fastener_Pattern.recs[i].y > y_top - 1e-4) {
            EXPECT_NEAR(r.rows[i].R_H, 34.6955, 1e-4) << i;
            corners++;
        }
    EXPECT_EQ(corners, 1);
    Free_Bearing_Check(&r);
}
