/*
** Tests of the spacing lines and the coordinate table of the system section: the minimum
** spacings of staples by their crown angle (EN 1995-1-1 and DIN 1052), the member thickness that
** decides the spacing rule of approved screws, and the coordinates measured from the centroid.
*/
#include "results_test_util.h"

#include <string>

#include "results/print_list.h"

static std::string System_Text(void)
{
    FILE *f = tmpfile();
    Oli_Systemdarstellung(f);
    std::string s;
    fflush(f);
    rewind(f);
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    fclose(f);
    return s;
}

/* The minimum-spacing line as printed: values in cm with one decimal. */
static std::string Spacing_Line(const char *a1, const char *a2, const char *a3t, const char *a3c,
                                const char *a4t, const char *a4c)
{
    return std::string("a\xCE\\1\xCEr = ") + a1 + " cm, a\xCE\\2\xCEr = " + a2 + " cm, a\xCE\\3,t\xCEr = " + a3t
           + " cm, a\xCE\\3,c\xCEr = " + a3c + " cm, a\xCE\\4,t\xCEr = " + a4t + " cm, a\xCE\\4,c\xCEr = " + a4c
           + " cm";
}

/* Staples d = 2 mm in C24 side timbers; the pattern's governing angle alpha = 60 degrees. */
static void Staple_Splice(bool annex, double crown)
{
    Fresh_Splice(annex);
    Splice_Input.vbm_type = 1;
    Splice_Input.d = 2.0;
    Splice_Input.l = 60.0;
    Splice_Input.d_k = 11.2;
    Splice_Input.staple_angle = crown;
    Splice_Input.predrilled = 0;
    Splice_Input.split_rule = 0;
    Splice_Input.print.sections = 0;
    Fastener_Pattern.alpha_min = 3.141592653589793 / 3.0;
}

TEST(PrintSystemSpacings, StaplesByTheirCrownAngle)
{
    /* EN 1995-1-1, Table 8.3, d = 2 mm, alpha = 60 deg: |cos a| = 0.5, sin a = 0.8660.
    ** Crown angle 45 deg (>= 30): a1 = (10 + 5 * 0.5) * 2 = 25 mm; a2 = 15 d = 30 mm;
    ** a3,t = (15 + 5 * 0.5) * 2 = 35 mm; a3,c = 15 d = 30 mm; a4,t = (15 + 5 * 0.866) * 2 =
    ** 38.66 mm; a4,c = 10 d = 20 mm. */
    Staple_Splice(true, 45.0);
    std::string s = System_Text();
    EXPECT_NE(s.find("min \xBA = 60.0 \xF8 => minimale einzuhaltende Abst\x84nde"), std::string::npos) << s;
    EXPECT_NE(s.find(Spacing_Line("2.5", "3.0", "3.5", "3.0", "3.9", "2.0")), std::string::npos) << s;
    /* exactly 30 deg is still the steep rule; 29 deg: a1 = (15 + 5 * 0.5) * 2 = 35 mm */
    Staple_Splice(true, 30.0);
    EXPECT_NE(System_Text().find(Spacing_Line("2.5", "3.0", "3.5", "3.0", "3.9", "2.0")), std::string::npos);
    Staple_Splice(true, 29.0);
    EXPECT_NE(System_Text().find(Spacing_Line("3.5", "3.0", "3.5", "3.0", "3.9", "2.0")), std::string::npos);

    /* DIN 1052, Table 13, crown angle 45 deg: a1 = (10 + 5 * 0.5) * 2 = 25 mm;
    ** a2 = (5 + 10 sin 45) * 2 = (5 + 7.071) * 2 = 24.14 mm; a3,t = (15 + 5 * 0.5) * 2 = 35 mm;
    ** a3,c = 15 d = 30 mm; a4,t = (10 + 5 * 0.866) * 2 = 28.66 mm;
    ** a4,c = (5 + 5 sin 45) * 2 = (5 + 3.536) * 2 = 17.07 mm (about 8.5 d). */
    Staple_Splice(false, 45.0);
    s = System_Text();
    EXPECT_NE(s.find(Spacing_Line("2.5", "2.4", "3.5", "3.0", "2.9", "1.7")), std::string::npos) << s;
    /* 30 deg: a2 = (5 + 10 * 0.5) * 2 = 20 mm, a4,c = (5 + 5 * 0.5) * 2 = 15 mm;
    ** 20 deg (flat rule): a1 = (15 + 2.5) * 2 = 35 mm, a2 = 10 d = 20 mm,
    ** a4,c = (5 + 5 sin 20) * 2 = (5 + 1.710) * 2 = 13.42 mm */
    Staple_Splice(false, 30.0);
    EXPECT_NE(System_Text().find(Spacing_Line("2.5", "2.0", "3.5", "3.0", "2.9", "1.5")), std::string::npos);
    Staple_Splice(false, 20.0);
    EXPECT_NE(System_Text().find(Spacing_Line("3.5", "2.0", "3.5", "3.0", "2.9", "1.3")), std::string::npos);
}

TEST(PrintSystemSpacings, SideTimberThicknessDecidesThePreDrilledRuleOfScrews)
{
    /* ETA-11/0190 screws d = 8 mm under DIN 1052 count as pre-drilled when both members are at
    ** least 5 d = 40 mm thick; C24, rho_k = 350 <= 420, alpha = 0.
    ** Pre-drilled (DIN 1052, Table 10): a1 = (3 + 2) d = 40 mm; a2 = 3 d = 24 mm;
    ** a3,t = (7 + 5) d = 96 mm; a3,c = 7 d = 56 mm; a4,t = 3 d = 24 mm; a4,c = 3 d = 24 mm.
    ** Not pre-drilled, d >= 5: a1 = (5 + 7) d = 96 mm; a2 = 5 d = 40 mm; a3,t = a3,c = 15 d =
    ** 120 mm (approved screws from d = 8 mm); a4,t = 5 d = 40 mm; a4,c = 5 d = 40 mm. */
    Fresh_Splice(false);
    Splice_Input.vbm_type = 14;
    Splice_Input.d = 8.0;
    Splice_Input.l = 160.0;
    Splice_Input.predrilled = 0;
    Splice_Input.split_rule = 0;
    Splice_Input.douglas = 0;
    Splice_Input.mat_side = Splice_Input.mat_mid = 0;
    Splice_Input.grade_side = Splice_Input.grade_mid = 5;
    Splice_Input.b = 12.0;
    Splice_Input.print.sections = 0;
    Splice_Input.t_s = 4.0;
    const std::string pre = Spacing_Line("4.0", "2.4", "9.6", "5.6", "2.4", "2.4");
    const std::string bare = Spacing_Line("9.6", "4.0", "12.0", "12.0", "4.0", "4.0");
    std::string s = System_Text();
    EXPECT_NE(s.find(pre), std::string::npos) << s;
    Splice_Input.t_s = 3.9;
    s = System_Text();
    EXPECT_NE(s.find(bare), std::string::npos) << s;
    /* the middle member counts as well */
    Splice_Input.t_s = 4.0;
    Splice_Input.b = 3.9;
    EXPECT_NE(System_Text().find(bare), std::string::npos);
}

TEST(PrintSystemSpacings, CoordinatesAreMeasuredFromTheCentroid)
{
    /* Two fasteners at (10, 3) and (20, -1) cm with the centroid S at (15, 1) cm:
    ** x - x_s = -5 and 5, y - y_s = 2 and -2; direction angles 0.5 and -2.0 rad are
    ** 28.65 and -114.59 deg; r = sqrt(25 + 4) = 5.39 cm. */
    Fresh_Splice(true);
    Splice_Input.print.sections = PRINT_SEC_COORDINATES;
    Fastener_Pattern.count = 2;
    Fastener_Pattern.x_c = 15.0;
    Fastener_Pattern.y_c = 1.0;
    Fastener_Pattern.recs[0].x = 10.0;
    Fastener_Pattern.recs[0].y = 3.0;
    Fastener_Pattern.recs[0].polar_angle = 0.5;
    Fastener_Pattern.recs[0].r = std::sqrt(29.0);
    Fastener_Pattern.recs[1].x = 20.0;
    Fastener_Pattern.recs[1].y = -1.0;
    Fastener_Pattern.recs[1].polar_angle = -2.0;
    Fastener_Pattern.recs[1].r = std::sqrt(29.0);
    const std::string s = System_Text();
    const size_t at = s.find("Koordinaten, Winkel und Abstand der Verbindungsmittel vom Schwerpunkt S");
    ASSERT_NE(at, std::string::npos) << s;
    const std::string table = s.substr(at);
    EXPECT_NE(table.find("\n   1   -5.00    2.00 \xCEu  28.65\xCEr    5.39\n"), std::string::npos) << table;
    EXPECT_NE(table.find("\n   2    5.00   -2.00 -114.59    5.39\n"), std::string::npos) << table;
}

TEST(PrintSystemSpacings, PlateClassOfOutsidePlatesByTheHoleDiameter)
{
    /* bolts d = 12 mm: hole D = 13 mm unless fitted (12 mm); a plate at least D thick is thick,
    ** one of at most D / 2 thin (within 0.005 mm) */
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Splice_Input.vbm_type = 30;
    Splice_Input.d = 12.0;
    Splice_Input.fitted_bolt = 0;
    Splice_Input.print.sections = 0;
    const std::string thick = "Sto\xE1 mit au\xE1" "en liegenden, dicken Blechen";
    const std::string thin = "Sto\xE1 mit au\xE1" "en liegenden, d\x81nnen Blechen";
    Splice_Input.t_p = 1.3;
    EXPECT_NE(System_Text().find(thick), std::string::npos);
    Splice_Input.t_p = 1.29;
    EXPECT_EQ(System_Text().find(thick), std::string::npos);
    Splice_Input.t_p = 0.65;
    EXPECT_NE(System_Text().find(thin), std::string::npos);
    Splice_Input.t_p = 0.66;
    EXPECT_EQ(System_Text().find(thin), std::string::npos);
    Splice_Input.fitted_bolt = 1;
    Splice_Input.t_p = 1.2;
    EXPECT_NE(System_Text().find(thick), std::string::npos);
}
