/*
** Tests of the spacing lines and the coordinate table of the system section: the minimum
** spacings of staples by their crown angle (EN 1995-1-1 and DIN 1052), the member thickness that
** decides the spacing rule of approved screws, and the coordinates measured from the centroid.
*/
#include "results_test_util.h"

#include <cstring>
#include <cmath>
#include <string>

#include <unistd.h>

#include "results/print_list.h"

static std::string System_Text(void)
{
    FILE *f = tmpfile();
    Oli_Systemdarstellung(f);
    const std::string s = Slurp_Stream(f);
    fclose(f);
    return s;
}

/* The minimum-spacing line as printed: values in cm with two decimals; without an annex in the
** names of DIN 1052, Bild 41 (end distances a1,t and a1,c, edge distances a2,t and a2,c). */
static std::string Spacing_Line(const char *a1, const char *a2, const char *a3t, const char *a3c,
                                const char *a4t, const char *a4c)
{
    const bool din = Nad_Params == nullptr;
    return std::string("a\xCE\\1\xCEr = ") + a1 + " cm, a\xCE\\2\xCEr = " + a2
           + (din ? " cm, a\xCE\\1,t\xCEr = " : " cm, a\xCE\\3,t\xCEr = ") + a3t
           + (din ? " cm, a\xCE\\1,c\xCEr = " : " cm, a\xCE\\3,c\xCEr = ") + a3c
           + (din ? " cm, a\xCE\\2,t\xCEr = " : " cm, a\xCE\\4,t\xCEr = ") + a4t
           + (din ? " cm, a\xCE\\2,c\xCEr = " : " cm, a\xCE\\4,c\xCEr = ") + a4c + " cm";
}

/* Every one of lines stands in text. */
static void Expect_Lines(const std::string &text, std::initializer_list<std::string> lines)
{
    for (const std::string &line : lines)
        EXPECT_NE(text.find(line), std::string::npos) << line << text;
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
    Fastener_Pattern.min_alpha_1 = Fastener_Pattern.min_alpha_2 = 3.141592653589793 / 3.0;
}

TEST(PrintSystemSpacings, StaplesByTheirCrownAngle)
{
    /* EN 1995-1-1, Table 8.3, d = 2 mm, alpha = 60 deg: |cos a| = 0.5, sin a = 0.8660.
    ** Crown angle 45 deg (>= 30): a1 = (10 + 5 * 0.5) * 2 = 25 mm; a2 = 15 d = 30 mm;
    ** a3,t = (15 + 5 * 0.5) * 2 = 35 mm; a3,c = 15 d = 30 mm; a4,t = (15 + 5 * 0.866) * 2 =
    ** 38.66 mm; a4,c = 10 d = 20 mm. */
    Staple_Splice(true, 45.0);
    std::string s = System_Text();
    EXPECT_NE(
        s.find(
            "min \xBA = 60.0 \xF8 (a\xCE\\1\xCEr, a\xCE\\3\xCEr), max \xBA = 60.0 \xF8 "
            "(a\xCE\\2\xCEr, a\xCE\\4\xCEr) aller Lastkombinationen => minimale einzuhaltende Abst\x84nde"),
        std::string::npos)
        << s;
    EXPECT_NE(s.find(Spacing_Line("2.50", "3.00", "3.50", "3.00", "3.87", "2.00")),
              std::string::npos)
        << s;
    /* exactly 30 deg is still the steep rule; 29 deg: a1 = (15 + 5 * 0.5) * 2 = 35 mm */
    Staple_Splice(true, 30.0);
    EXPECT_NE(System_Text().find(Spacing_Line("2.50", "3.00", "3.50", "3.00", "3.87", "2.00")),
              std::string::npos);
    Staple_Splice(true, 29.0);
    EXPECT_NE(System_Text().find(Spacing_Line("3.50", "3.00", "3.50", "3.00", "3.87", "2.00")),
              std::string::npos);

    /* DIN 1052, Table 13, crown angle 45 deg: a1 = (10 + 5 * 0.5) * 2 = 25 mm;
    ** a2 = (5 + 10 sin 45) * 2 = (5 + 7.071) * 2 = 24.14 mm; a3,t = (15 + 5 * 0.5) * 2 = 35 mm;
    ** a3,c = 15 d = 30 mm; a4,t = (10 + 5 * 0.866) * 2 = 28.66 mm;
    ** a4,c = (5 + 5 sin 45) * 2 = (5 + 3.536) * 2 = 17.07 mm (about 8.5 d). */
    Staple_Splice(false, 45.0);
    s = System_Text();
    EXPECT_NE(s.find(Spacing_Line("2.50", "2.41", "3.50", "3.00", "2.87", "1.71")),
              std::string::npos)
        << s;
    EXPECT_NE(
        s.find("a\xCE\\1,t\xCEr = 3.50 cm, a\xCE\\1,c\xCEr = 3.00 cm, a\xCE\\2,t\xCEr = 2.87 cm"),
        std::string::npos)
        << s;
    EXPECT_NE(s.find("min \xBA = 60.0 \xF8 (a\xCE\\1\xCEr, a\xCE\\1,t\xCEr, a\xCE\\1,c\xCEr), max "
                     "\xBA = 60.0 \xF8 (a\xCE\\2\xCEr, a\xCE\\2,t\xCEr, a\xCE\\2,c\xCEr) aller "
                     "Lastkombinationen => minimale einzuhaltende Abst\x84nde"),
              std::string::npos)
        << s;
    /* 30 deg: a2 = (5 + 10 * 0.5) * 2 = 20 mm, a4,c = (5 + 5 * 0.5) * 2 = 15 mm;
    ** 20 deg (flat rule): a1 = (15 + 2.5) * 2 = 35 mm, a2 = 10 d = 20 mm,
    ** a4,c = (5 + 5 sin 20) * 2 = (5 + 1.710) * 2 = 13.42 mm */
    Staple_Splice(false, 30.0);
    EXPECT_NE(System_Text().find(Spacing_Line("2.50", "2.00", "3.50", "3.00", "2.87", "1.50")),
              std::string::npos);
    Staple_Splice(false, 20.0);
    EXPECT_NE(System_Text().find(Spacing_Line("3.50", "2.00", "3.50", "3.00", "2.87", "1.34")),
              std::string::npos);
}

/* OSB side members nailed to C24 (rho_k 350) with 4.2 mm nails not pre-drilled, alpha = 0: EN
** 1995-1-1, Table 8.2, a1 = (5 + 5 |cos a|) d = 42 mm and a2 = 5 d = 21 mm, times 0.85 of
** 8.3.1.3(1): 35.70 and 17.85 mm (which two decimals in cm printed as 1.78); a3,t = (10 + 5 cos a)
** d = 63 mm, a3,c = 10 d = 42 mm, a4,t = (5 + 2 sin a) d = 21 mm, a4,c = 5 d = 21 mm. */
TEST(PrintSystemSpacings, APanelsSpacingsWithTheirFactor)
{
    Side_Timber_Nail_Splice();
    Splice_Input.mat_side = MAT_OSB;
    Splice_Input.grade_side = 1;
    Splice_Input.t_s = 2.2;
    Splice_Input.print.sections = 0;
    Fastener_Pattern.min_alpha_1 = Fastener_Pattern.min_alpha_2 = 0.0;
    const std::string s = System_Text();
    EXPECT_NE(
        s.find("a\xCE\\1\xCEr = 0.85 x 42.00 = 35.70 mm, a\xCE\\2\xCEr = 0.85 x 21.00 = 17.85 "
               "mm (DIN EN 1995-1-1, 8.3.1.3(1)), a\xCE\\3,t\xCEr = 6.30 cm, a\xCE\\3,c\xCEr "
               "= 4.20 cm, a\xCE\\4,t\xCEr = 2.10 cm, a\xCE\\4,c\xCEr = 2.10 cm"),
        std::string::npos)
        << s;
}

/* The least spacings as the validation enforced them: a1 and a3,t at the smallest force-to-grain
** angle, a2 and a4 at the largest, a3,c at the one where it is larger, in the middle member
** between inner plates, a4 from the edge of the plate, which lies (24 - 20) / 2 = 2 cm inside the
** member. */
TEST(PrintSystemSpacings, LeastSpacingsAsTheValidationTookThem)
{
    /* The least spacings stand at the smallest force-to-grain angle of the pattern's own forces,
    ** which no combination's n_ef line undercuts, and the pattern keeps them there: GL24h 14 x 32
    ** cm on two inner plates, dowels 12 mm, 3 x 4 per half, M_d 7 kNm, N_d 20 kN, V_d 10 kN
    ** (VbmCheck.ALamellaBetweenTwoPlatesIsACentralMember): the middle column's dowels take F_H =
    ** 2.58915, F_V = 0.20833 kN, alpha = 4.6003 degrees, a1 = (3 + 2 |cos alpha|) d = 59.9227
    ** mm, where columns laid at the pass's angle before stood 59.9226 mm apart. */
    Glulam_Two_Inner_Plates_Bending();
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    {
        const Fastener_Pattern_Rec &fp = Fastener_Pattern;
        EXPECT_NEAR(fp.alpha_min * 180.0 / 3.141592653589793, 4.6003, 1e-4);
        EXPECT_LE(fp.min_alpha_1, fp.alpha_min);
        EXPECT_GE(fp.a1_actual + 1e-9, (3.0 + 2.0 * std::cos(fp.alpha_min)) * 1.2)
            << fp.a1_actual << " " << fp.alpha_min;
        EXPECT_NE(System_Text().find("min \xBA = 4.6 \xF8 (a\xCE\\1\xCEr, a\xCE\\3,t\xCEr), "),
                  std::string::npos)
            << System_Text();
    }
    Inner_Plate_Dowel_Splice();
    Splice_Input.print.sections = 0;
    Set_Lkom(0, 0, 10.0, 0.0, 20.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    /* dowels d = 12 mm, hole d0 = 13 mm (EN 1995-1-1, table 8.5; EN 1993-1-8, table 3.3):
    ** alpha = 0 for a1: (3 + 2 |cos 0|) d = 60 mm, at least 2.4 d0 = 31.2 mm -> 6.0 cm;
    ** alpha = 90 deg for a2 and a4: a2 = 3 d = 36 mm -> 3.6 cm (>= 3.12);
    ** a4,t = max((2 + 2 sin 90) d, 3 d) = 48 mm less 2 cm -> 2.8 cm (>= 1.2 d0 = 1.56);
    ** a4,c = 3 d = 36 mm less 2 cm -> 1.6 cm */
    Fastener_Pattern.min_alpha_1 = 0.0;
    Fastener_Pattern.min_alpha_2 = 3.141592653589793 / 2.0;
    const std::string s = System_Text();
    EXPECT_NE(s.find("a\xCE\\1\xCEr = 6.00 cm, a\xCE\\2\xCEr = 3.60 cm, "), std::string::npos) << s;
    EXPECT_NE(s.find("a\xCE\\4,t\xCEr = 2.80 cm, a\xCE\\4,c\xCEr = 1.60 cm"), std::string::npos)
        << s;
    EXPECT_NE(s.find("min \xBA = 0.0 \xF8 (a\xCE\\1\xCEr, a\xCE\\3,t\xCEr), max \xBA = 90.0 \xF8 "
                     "(a\xCE\\2\xCEr, a\xCE\\3,c\xCEr, a\xCE\\4\xCEr)"),
              std::string::npos)
        << s;
    /* the line of the plate's inset says what is taken off: 4.80 - 2.00 and 3.60 - 2.00 */
    EXPECT_NE(
        s.find("a\xCE\\4\xCEr vom Blechrand gemessen, der 2.00 cm innerhalb des Holzrandes "
               "liegt: a\xCE\\4,t\xCEr = 4.80 - 2.00 = 2.80 cm, a\xCE\\4,c\xCEr = 3.60 - 2.00 "
               "= 1.60 cm\n"),
        std::string::npos)
        << s;
    /* the present edge distance of the outermost fastener at y = -8.5 cm in each member, its
    ** own height / 2 - 8.5: beside plates 24 / 2 - 8.5 = 3.50 cm to the timber's edge and
    ** 20 / 2 - 8.5 = 1.50 cm to the plate's (26 / 2 - 8.5 = 4.50 cm for plates higher than the
    ** timber); a middle member of 20 cm between side timbers of 24 cm keeps 10 - 8.5 = 1.50 cm,
    ** the side timbers 3.50 cm; a lap keeps 3.50 cm */
    {
        const Splice_Input_Record kept = Splice_Input;
        const Fastener_Pattern_Rec saved = Fastener_Pattern;
        for (int i = 0; i < Fastener_Pattern.count; i++) Fastener_Pattern.recs[i].y = 0.0;
        Fastener_Pattern.recs[0].y = -8.5;
        const std::string a4 = "\n a\xCE\\4,vorh\xCEr = h/2 - max |y| = ";
        struct {
            int kind;
            double h, h_other; /* the side timbers' or the plates' height */
            std::string line;
        } const rows[] = {
            {CONN_INNER_PLATES, 24.0, 20.0,
             a4
                 + "12.00 - 8.50 = 3.50 cm vom Holzrand, h\xCE\\p\xCEr/2 - max |y| = 10.00 - 8.50 "
                   "= 1.50 cm vom Blechrand\n"},
            {CONN_OUTER_PLATES, 24.0, 26.0,
             a4
                 + "12.00 - 8.50 = 3.50 cm vom Holzrand, h\xCE\\p\xCEr/2 - max |y| = 13.00 - 8.50 "
                   "= 4.50 cm vom Blechrand\n"},
            {CONN_SIDE_TIMBERS, 20.0, 24.0,
             a4
                 + "10.00 - 8.50 = 1.50 cm im Mittelholz, h\xCE\\s\xCEr/2 - max |y| = 12.00 - "
                   "8.50 = 3.50 cm in den Seitenh\x94lzern\n"},
            {CONN_LAP, 24.0, 0.0, a4 + "12.00 - 8.50 = 3.50 cm\n"},
        };
        for (const auto &row : rows) {
            Splice_Input.connection_kind = row.kind;
            Splice_Input.h = row.h;
            Splice_Input.h_p = Splice_Input.h_s = row.h_other;
            const std::string e = System_Text();
            EXPECT_NE(e.find(row.line), std::string::npos) << row.kind << e;
        }
        Fastener_Pattern = saved;
        Splice_Input = kept;
    }
    /* a3,c grows with |sin a|: at 0 degrees (180 at the unloaded end) the program's 3.5 d =
    ** 42 mm, at least 40 mm (the table's 3 d = 36 mm), at 90 degrees (270 at the unloaded
    ** end) a3,t |sin 270| = max(7 d, 80) = 84 mm, which the line takes */
    EXPECT_NE(s.find("a\xCE\\3,c\xCEr bei \xBA = 270.0 \xF8 (max \xBA, zum unbelasteten Ende "
                     "gedreht, DIN EN 1995-1-1, Tab. 8.5): a\xCE\\3,t\xCEr |sin \xBA| = 8.40 cm\n"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("a\xCE\\3,c\xCEr = 8.40 cm"), std::string::npos) << s;
    /* both angles in the band of 3.5 d (180 and 200 degrees at the unloaded end): 42 mm at the
    ** smallest, as at the largest */
    Fastener_Pattern.min_alpha_2 = 20.0 * 3.141592653589793 / 180.0;
    EXPECT_NE(System_Text().find("a\xCE\\3,c\xCEr bei \xBA = 180.0 \xF8 (min \xBA, zum "
                                 "unbelasteten Ende gedreht, DIN EN 1995-1-1, Tab. 8.5): max(3.5 "
                                 "d; 40 mm) (Annahme des Programms, Tab. 8.5: 3 d) = 4.20 cm\n"),
              std::string::npos)
        << System_Text();
    EXPECT_NE(System_Text().find("min \xBA = 0.0 \xF8 (a\xCE\\1\xCEr, a\xCE\\3\xCEr), max \xBA = "
                                 "20.0 \xF8 (a\xCE\\2\xCEr, a\xCE\\4\xCEr)"),
              std::string::npos)
        << System_Text();
    /* at 60 degrees, 240 at the unloaded end: a3,t |sin a| = 84 x 0.8660 = 72.75 mm */
    Fastener_Pattern.min_alpha_2 = 3.141592653589793 / 3.0;
    EXPECT_NE(System_Text().find("a\xCE\\3,c\xCEr bei \xBA = 240.0 \xF8 (max \xBA, zum "
                                 "unbelasteten Ende gedreht, DIN EN 1995-1-1, Tab. 8.5): "
                                 "a\xCE\\3,t\xCEr |sin \xBA| = 7.27 cm\n"),
              std::string::npos)
        << System_Text();
    /* DIN 1052, Table 11: a1,c = 7 d |sin 60| = 72.75 mm above 3 d = 36 mm at 0 degrees, named
    ** with the largest angle */
    Use_Annex(false);
    EXPECT_NE(System_Text().find("min \xBA = 0.0 \xF8 (a\xCE\\1\xCEr, a\xCE\\1,t\xCEr), max \xBA "
                                 "= 60.0 \xF8 (a\xCE\\2\xCEr, a\xCE\\1,c\xCEr, a\xCE\\2,t\xCEr, "
                                 "a\xCE\\2,c\xCEr)"),
              std::string::npos)
        << System_Text();
    EXPECT_NE(System_Text().find("a\xCE\\1,c\xCEr = 7.27 cm"), std::string::npos) << System_Text();
    Use_Annex(true);
    Fastener_Pattern.min_alpha_2 = 3.141592653589793 / 2.0;
    /* a plate 6 cm lower than the member lies 3 cm inside: a4,c = 3.60 - 3.00 = 0.60 cm is below
    ** 1.2 d0 = 1.2 x 1.3 = 1.56 cm, which holds */
    Fastener_Pattern.min_alpha_1 = 0.0;
    Splice_Input.h_p = Splice_Input.h - 6.0;
    EXPECT_NE(System_Text().find("a\xCE\\4,c\xCEr = max(3.60 - 3.00; 1.2 d\xCE\\0\xCEr) = 1.56 cm"),
              std::string::npos)
        << System_Text();

    /* Nails 4.0 mm not pre-drilled on GL28h (rho_k 425), the side field left at C14 (290): a
    ** plate joint or a lap has no side member, and the validation takes the middle member's
    ** density, so the line does too. EN 1995-1-1, Table 8.2, 420 < rho_k <= 500, alpha = 0:
    ** a1 = (7 + 8) d = 60 mm, a2 = 7 d = 28 mm, a3,t = (15 + 5) d = 80 mm, a3,c = 15 d = 60 mm,
    ** a4,t = a4,c = 7 d = 28 mm; beside outer plates a1 and a2 times 0.7 (8.3.1.4): 42 and
    ** 19.6 mm (above 2.4 d0 = 12 mm). With C14's row the line read a1 = 2.8 (4.0) cm. */
    struct {
        int kind;
        std::string line;
    } const nails[] = {
        {CONN_OUTER_PLATES, Spacing_Line("4.20", "1.96", "8.00", "6.00", "2.80", "2.80")},
        {CONN_INNER_PLATES, Spacing_Line("6.00", "2.80", "8.00", "6.00", "2.80", "2.80")},
        {CONN_LAP, Spacing_Line("6.00", "2.80", "8.00", "6.00", "2.80", "2.80")},
    };
    for (const auto &row : nails) {
        Gl28h_Nail_Splice(row.kind);
        Splice_Input.print.sections = 0;
        ASSERT_EQ(Prepare_Splice_Calc(), 0) << row.kind;
        const std::string n = System_Text();
        EXPECT_NE(n.find(row.line), std::string::npos) << row.kind << n;
    }
    /* Side timbers of that C14 on the GL28h member (6 cm, nails 4.0 x 110): each member's own
    ** line, the side timbers by rho_k = 290 <= 420 (d < 5 mm): a1 = (5 + 5) d = 40 mm, a2 = 5 d
    ** = 20 mm, a3,t = (10 + 5) d = 60 mm, a3,c = 10 d = 40 mm, a4,t = (5 + 2 sin 0) d = a4,c =
    ** 5 d = 20 mm; the pattern keeps the larger a1, a2 and a3, the middle member's, and each
    ** member its own a4 within its height (10 and 24 cm) */
    Gl28h_Nail_Splice(CONN_SIDE_TIMBERS);
    Splice_Input.print.sections = 0;
    Splice_Input.t_s = 6.0;
    Splice_Input.t_s_user = 1;
    Splice_Input.l = 110.0;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    const std::string rho = " mit \xCB\xCE\\k\xCEr = ";
    const std::string larger = "ma\xE1gebend der gr\x94\xE1"
                               "ere Wert: ";
    const std::string mid = Spacing_Line("6.00", "2.80", "8.00", "6.00", "2.80", "2.80");
    Expect_Lines(
        System_Text(),
        {"\n Mittelholz aus Brettschichtholz GL28h" + rho + "425 kg/m\xCE/3\xCEr: " + mid + "\n",
         "\n Seitenh\x94lzer aus Nadelvollholz C14" + rho + "290 kg/m\xCE/3\xCEr: "
             + Spacing_Line("4.00", "2.00", "6.00", "4.00", "2.00", "2.00") + "\n",
         "\n " + larger + mid.substr(0, mid.find(", a\xCE\\4,t"))
             + "; a\xCE\\4,t\xCEr und a\xCE\\4,c\xCEr die eigenen jedes Holzes in seiner "
               "H\x94he\n"});

    /* Dowels 12 mm, tension (alpha = 0), C24 side timbers on a middle member of Kerto-S: each
    ** member keeps its own table and the pattern the larger value. C24 (EN 1995-1-1, Table 8.5):
    ** a1 = (3 + 2) d = 60 mm, a2 = 3 d = 36, a3,t = max(7 d, 80) = 84, a3,c = max(3.5 d, 40) =
    ** 42 (the program's value at 180 degrees), a4,t = max(2 d, 3 d) = 36, a4,c = 3 d = 36 mm.
    ** Kerto-S by its approval: a1 = (4 + 3) d = 84, a2 = 4 d = 48, a3,t = max(7 d, 105) = 105,
    ** a3,c = a4,t = a4,c = 3 d = 36 mm. Before, the side timbers' table alone: a1 = 6.00 cm. */
    Fresh_Splice(true);
    Tension_Splice(40.0);
    Splice_Input.print.sections = 0;
    Splice_Input.mat_mid = MAT_KERTO_S;
    Splice_Input.grade_mid = 0;
    Set_Layout(2, 2);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    const std::string c24 = Spacing_Line("6.00", "3.60", "8.40", "4.20", "3.60", "3.60"),
                      kerto = Spacing_Line("8.40", "4.80", "10.50", "3.60", "3.60", "3.60"),
                      both = larger + Spacing_Line("8.40", "4.80", "10.50", "4.20", "3.60", "3.60");
    Expect_Lines(System_Text(),
                 {"Seitenh\x94lzer aus Nadelvollholz C24" + rho + "350 kg/m\xCE/3\xCEr: " + c24,
                  "Mittelholz aus Kerto-S 21-75 mm" + rho + "480 kg/m\xCE/3\xCEr: " + kerto, both});
    EXPECT_DOUBLE_EQ(Splice_Input.a1, 8.4);
    /* The same dowels in outer plates on the Kerto-S member: the timber keeps the rules of a
    ** steel-to-timber joint (EN 1995-1-1, 8.3.1.4; dowels as the C24 values above) and the table
    ** of its approval, and the pattern the larger of both; the plates' limits 2.4 d0 = 31.2 mm
    ** and 1.2 d0 = 15.6 mm hold none of them */
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Splice_Input.t_p = 0.8;
    Splice_Input.h_p = Splice_Input.h;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    const std::string timber = "Holz aus Kerto-S 21-75 mm" + rho + "480 kg/m\xCE/3\xCEr";
    Expect_Lines(System_Text(), {timber + " als Stahlblech-Holz-Verbindung: " + c24,
                                 timber + " nach der Tabelle seiner Zulassung: " + kerto, both});
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
    const std::string pre = Spacing_Line("4.00", "2.40", "9.60", "5.60", "2.40", "2.40");
    const std::string bare = Spacing_Line("9.60", "4.00", "12.00", "12.00", "4.00", "4.00");
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
    const size_t at =
        s.find("Koordinaten, Winkel und Abstand der Verbindungsmittel vom Schwerpunkt S");
    ASSERT_NE(at, std::string::npos) << s;
    const std::string table = s.substr(at);
    EXPECT_NE(table.find("\n   1   -5.00    2.00 \xCEu  28.65\xCEr    5.39\n"), std::string::npos)
        << table;
    EXPECT_NE(table.find("\n   2    5.00   -2.00 -114.59    5.39\n"), std::string::npos) << table;
    /* S itself is measured from the joint and the member's axis (a lap: from its middle) */
    EXPECT_NE(
        s.find("S bei x\xCE\\s\xCEr = 15.00 cm, y\xCE\\s\xCEr = 1.00 cm (x vom Sto\xE1, y von "
               "der Holzachse gemessen)\n"),
        std::string::npos)
        << s;
    Splice_Input.connection_kind = CONN_LAP;
    EXPECT_NE(System_Text().find("(x von der Mitte des Blattes,"), std::string::npos);
}

TEST(PrintSystemSpacings, PlateClassOfOutsidePlatesByTheFastenersDiameter)
{
    /* bolts d = 12 mm: the class the design gives the plates (EN 1995-1-1, 8.2.3(1)), by the
    ** bolt's diameter, not by its hole of 13 mm: a plate at least d thick is thick, one of at
    ** most d / 2 thin (within 0.005 mm), fitted or not */
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Splice_Input.vbm_type = 30;
    Splice_Input.d = 12.0;
    Splice_Input.fitted_bolt = 0;
    Splice_Input.print.sections = 0;
    const std::string thick = "Sto\xE1 mit au\xE1"
                              "en liegenden, dicken Blechen";
    const std::string thin = "Sto\xE1 mit au\xE1"
                             "en liegenden, d\x81nnen Blechen";
    Splice_Input.t_p = 1.2;
    EXPECT_NE(System_Text().find(thick), std::string::npos);
    Splice_Input.t_p = 1.19;
    EXPECT_EQ(System_Text().find(thick), std::string::npos);
    Splice_Input.t_p = 0.6;
    EXPECT_NE(System_Text().find(thin), std::string::npos);
    Splice_Input.t_p = 0.61;
    EXPECT_EQ(System_Text().find(thin), std::string::npos);
    Splice_Input.fitted_bolt = 1;
    Splice_Input.t_p = 1.2;
    EXPECT_NE(System_Text().find(thick), std::string::npos);
    /* dowels of 8 mm in holes of 9 mm: 1 mm is not below 0.1 d, the plate of 8 mm is thin */
    Splice_Input.vbm_type = VBM_STABDUEBEL;
    Splice_Input.d = 8.0;
    Splice_Input.fitted_bolt = 0;
    Splice_Input.t_p = 0.8;
    EXPECT_NE(System_Text().find(thin
                                 + ": Lochspiel d\xCE\\0\xCEr - d = 1.0 mm \xF2 0.1 d = 0.8 "
                                   "mm (DIN EN 1995-1-1, 8.2.3(1))\n"),
              std::string::npos);
}

TEST(PrintSystemSpacings, ThePlatesHoleOnceWithItsRule)
{
    /* the hole that the layout, the bearing and the net section take, stated with its rule */
    Fresh_Splice(true);
    Splice_Input.connection_kind = CONN_INNER_PLATES;
    Splice_Input.vbm_type = VBM_STABDUEBEL;
    Splice_Input.d = 12.0;
    Splice_Input.print.sections = 0;
    const std::string lead = "L\x94"
                             "cher der Bleche: d\xCE\\0\xCEr = ";
    auto count = [](const std::string &s, const std::string &what) {
        size_t n = 0;
        for (size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) n++;
        return n;
    };
    std::string s = System_Text();
    EXPECT_EQ(count(s, lead + "d + 1 mm = 13.0 mm\n"), 1u) << s;
    /* S355 plates of 45 mm: f_y and f_u of 40 mm < t <= 80 mm, the values every check takes */
    const double t_p = Splice_Input.t_p;
    Splice_Input.plate_steel = 7;
    Splice_Input.t_p = 4.5;
    EXPECT_EQ(count(System_Text(), "Blechdicke t = 45.0 mm > 40 mm: f\xCE\\y\xCEr = 335 "
                                   "N/mm\xCE/2\xCEr, f\xCE\\u\xCEr = 470 N/mm\xCE/2\xCEr "
                                   "(DIN EN 1993-1-1, Tab. 3.1)\n"),
              1u);
    /* staggered holes: both lines of the net area, the zig-zag governing (EN 1993-1-1,
    ** 6.2.2.2(4)), 5 rows p = 80 mm apart, s = 40 mm */
    Splice_Input.t_p = 1.0;
    Splice_Input.h_p = 38.0;
    Set_Layout(2, 5, LAYOUT_STAGGERED);
    Build_Staggered_Pattern(10.0, -16.0, 14.0, 16.0, 8.0, 8.0);
    s = System_Text();
    EXPECT_EQ(count(s, "Versetzte L\x94"
                       "cher (DIN EN 1993-1-1, 6.2.2.2(4)), gerade Linie durch 3 L\x94"
                       "cher: A\xCE\\n\xCEr = 1.00 x (38.00 - 3 x 1.30) = 34.10 cm\xCE/2\xCEr\n"),
              1u)
        << s;
    EXPECT_EQ(count(s, "Zickzacklinie durch 5 L\x94"
                       "cher: A\xCE\\n\xCEr = 1.00 x (38.00 - 5 x 1.30 + 4 x 4.00\xCE/2\xCEr / (4 "
                       "x 8.00)) = 33.50 cm\xCE/2\xCEr (ma\xE1gebend)\n"),
              1u)
        << s;
    Set_Layout(1, 1);
    Splice_Input.t_p = t_p;
    /* a bolt fitted but keeping its clearance in the plate: 16 + 1 = 17 mm */
    Splice_Input.connection_kind = CONN_OUTER_PLATES;
    Splice_Input.vbm_type = VBM_BOLZEN;
    Splice_Input.d = 16.0;
    Splice_Input.fitted_bolt = 1;
    Splice_Input.steel_hole = 1;
    s = System_Text();
    EXPECT_EQ(count(s, lead + "d + 1 mm = 17.0 mm (Passbolzen mit Lochspiel im Blech)\n"), 1u) << s;
    Splice_Input.steel_hole = 0;
    EXPECT_EQ(count(System_Text(), lead + "d = 16.0 mm (Passloch)\n"), 1u);
    /* a connector C2 on its 12 mm bolt: 12 + 0.4 = 12.4 mm */
    Splice_Input.vbm_type = VBM_SCHEIBENDUEBEL_C2;
    Splice_Input.d = 62.0;
    Splice_Input.d_bolt = 12.0;
    s = System_Text();
    EXPECT_EQ(count(s, lead
                           + "d\xCE\\Bolzen\xCEr + 0.4 mm = 12.4 mm, das Blech tr\x84gt am Bolzen "
                             "d = 12 mm\n"),
              1u)
        << s;
    /* without an annex the hole is d_L of DIN 18800-1 */
    Use_Annex(false);
    Splice_Input.vbm_type = VBM_NAGEL;
    Splice_Input.d = 6.0;
    Splice_Input.fitted_bolt = 0;
    EXPECT_EQ(count(System_Text(), "L\x94"
                                   "cher der Bleche: d\xCE\\L\xCEr = d + 1 mm = 7.0 mm\n"),
              1u);
    /* side timbers have no plates and no such line */
    Splice_Input.connection_kind = CONN_SIDE_TIMBERS;
    EXPECT_EQ(count(System_Text(), "cher der Bleche"), 0u);
}

TEST(PrintSystemSpacings, PresentSpacingsByRowsAndColumns)
{
    /* a1 = 4 cm, rows 10 cm apart; a staggered layout keeps a2 between the rows of the same
    ** positions, the validation's a2 of the pattern, the rows standing half of it apart */
    auto text = [](int type, double n_col, double n_row, int layout) {
        Fresh_Splice(true);
        Splice_Input.vbm_type = type;
        Splice_Input.d = 8.0;
        Splice_Input.print.sections = 0;
        Set_Layout(n_col, n_row, layout);
        Fastener_Pattern.a1_actual = -4.0;
        Fastener_Pattern.a2_actual = 10.0;
        return System_Text();
    };
    const std::string both = "a\xCE\\1,vorh\xCEr = 4.00 cm, a\xCE\\2,vorh\xCEr = 10.00 cm";
    const std::string a1 = "a\xCE\\1,vorh\xCEr = 4.00 cm\n";
    const std::string a2 = "a\xCE\\2,vorh\xCEr = 10.00 cm\n";
    std::string s = text(29, 3, 1, LAYOUT_REGULAR);
    EXPECT_NE(s.find(a1), std::string::npos) << s;
    EXPECT_EQ(s.find("a\xCE\\2,vorh"), std::string::npos) << s;
    s = text(29, 1, 3, LAYOUT_REGULAR);
    EXPECT_NE(s.find(a2), std::string::npos) << s;
    EXPECT_EQ(s.find("a\xCE\\1,vorh"), std::string::npos) << s;
    EXPECT_NE(text(29, 3, 3, LAYOUT_REGULAR).find(both), std::string::npos);
    /* dowels 8 mm: a2 = 3 d = 24 mm at every angle, a1 = (3 + 2 |cos 0|) d = 40 mm along the
    ** grain (EN 1995-1-1, Table 8.5); a staggered layout keeps a1 within a row, its columns
    ** 4 / 2 = 2 cm apart */
    s = text(29, 3, 3, LAYOUT_STAGGERED);
    EXPECT_NE(s.find("a\xCE\\2\xCEr = 2.40 cm"), std::string::npos) << s;
    EXPECT_NE(s.find("a\xCE\\1,vorh\xCEr = 4.00 cm = a\xCE\\1\xCEr = 4.00 cm: versetzt gilt "
                     "a\xCE\\1\xCEr in einer Reihe, benachbarte Spalten a\xCE\\1,vorh\xCEr / 2 = "
                     "2.00 cm\n"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("a\xCE\\2,vorh\xCEr = 10.00 cm > a\xCE\\2\xCEr = 2.40 cm: versetzt gilt "
                     "a\xCE\\2\xCEr zwischen den Reihen gleicher Lage (jede zweite Reihe), "
                     "benachbarte Reihen a\xCE\\2,vorh\xCEr / 2 = 5.00 cm\n"),
              std::string::npos)
        << s;

    /* The user's values are named as typed, the end distances that take the room of the user's
    ** a1 and L with their numbers. Pre-drilled nails 4.2 mm, 8 x 5 per half in C24 10/20, L =
    ** 120 cm, a1 = 2.2 cm, a4 = 2.1 cm: 2 a3,vorh = 60 - 7 x 2.20 = 44.60 cm, the rows (20 - 2 x
    ** 2.1) / 4 = 3.95 cm apart. */
    Side_Timber_Nail_Splice();
    Tension_Splice(30.0);
    Splice_Input.predrilled = 1;
    Splice_Input.b = 10.0;
    Set_Layout(8, 5);
    Splice_Input.a1_user = Splice_Input.a4_user = Splice_Input.L_user = 1;
    Splice_Input.a1 = 2.2;
    Splice_Input.a4 = 2.1;
    Splice_Input.L = 120.0;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Expect_Lines(
        System_Text(),
        {"a\xCE\\1,vorh\xCEr = 2.20 cm (vorgegeben), a\xCE\\2,vorh\xCEr = 3.95 cm\n",
         "a\xCE\\3,vorh\xCEr = 22.30 cm am Sto\xE1 und am Ende der Seitenh\x94lzer: 2 "
         "a\xCE\\3,vorh\xCEr = L / 2 - (n\xCE\\c\xCEr - 1) a\xCE\\1\xCEr = 60.00 - 7 x "
         "2.20 = 44.60 cm, die Spalten im vorgegebenen Abstand a\xCE\\1\xCEr mittig in der "
         "Sto\xE1h\x84lfte\n",
         "h\xCE\\s\xCEr/2 - max |y| = 10.00 - 7.90 = 2.10 cm in den Seitenh\x94lzern "
         "(a\xCE\\4\xCEr = 2.10 cm vorgegeben)\n"});
}

/* Shear plates of 67 mm with M20 bolts in row 0 of their catalogue, and a second row 
** beyond the catalogue's end that must never be read. */
class PrintSystemConnectors : public ::testing::Test {
  protected:
    void SetUp() override
    {
        for (int t : {31, 33}) {
            Connector_Catalogue *cat =
                const_cast<Connector_Catalogue *>(Get_Connector_Catalogue(t));
            ASSERT_NE(cat, nullptr);
            saved[t == 31 ? 0 : 1] = *cat;
            memset(cat->rows, 0, sizeof cat->rows);
            cat->n_rows = 1;
            cat->rows[0].dc = 67.0;
            cat->rows[0].d1 = 70.0;
            cat->rows[0].d3 = 20.0;
            cat->rows[1] = cat->rows[0];
        }
        Fresh_Splice(true);
        Splice_Input.connection_kind = CONN_OUTER_PLATES;
        Splice_Input.connector_index = 0;
        Splice_Input.print.sections = 0;
    }
    void TearDown() override
    {
        *const_cast<Connector_Catalogue *>(Get_Connector_Catalogue(31)) = saved[0];
        *const_cast<Connector_Catalogue *>(Get_Connector_Catalogue(33)) = saved[1];
    }
    Connector_Catalogue saved[2];
};

TEST_F(PrintSystemConnectors, PlateClassByTheDiameterThatBears)
{
    /* outside plates: thick from the diameter D that bears on them on, thin up to D / 2, else
    ** between: shear plates (31) their hub D = d3 = 20 mm (not dc = 67 mm), a 40 mm plate is
    ** thick, 20 mm too, 19.9 mm lies between; type 33 its hub D = d1 = 70 mm: a 40 mm plate lies
    ** between; type 32 its bolt, D = 16 mm (in a hole of 16.4 mm) */
    const std::string thick = "Sto\xE1 mit au\xE1"
                              "en liegenden, dicken Blechen";
    const std::string thin = "Sto\xE1 mit au\xE1"
                             "en liegenden, d\x81nnen Blechen";
    const std::string between = "Sto\xE1 mit au\xE1"
                                "en liegenden Blechen zwischen d\x81nn und dick: ";
    Splice_Input.t_p = 4.0;
    Splice_Input.vbm_type = 33;
    EXPECT_NE(System_Text().find(between), std::string::npos);
    Splice_Input.vbm_type = 31;
    EXPECT_NE(System_Text().find(thick), std::string::npos);
    Splice_Input.t_p = 2.0;
    EXPECT_NE(System_Text().find(thick), std::string::npos);
    Splice_Input.t_p = 1.99;
    EXPECT_NE(System_Text().find(between), std::string::npos);
    Splice_Input.t_p = 4.0;
    /* a catalogue row that does not exist gives no hole: the plate counts as thick */
    Splice_Input.vbm_type = 31;
    Splice_Input.connector_index = 1;
    EXPECT_NE(System_Text().find(thick), std::string::npos);
    Splice_Input.connector_index = -1;
    EXPECT_NE(System_Text().find(thick), std::string::npos);
    Splice_Input.vbm_type = 32;
    Splice_Input.d_bolt = 16.0;
    Splice_Input.t_p = 1.6;
    EXPECT_NE(System_Text().find(thick), std::string::npos);
    Splice_Input.t_p = 1.59;
    EXPECT_NE(System_Text().find(between), std::string::npos);
    Splice_Input.t_p = 0.8;
    EXPECT_NE(System_Text().find(thin), std::string::npos);
}

TEST_F(PrintSystemConnectors, ShearPlatesHoleAroundTheirHub)
{
    /* the hub d3 = 20 mm passes the plate in a hole of 20 + 1 = 21 mm */
    Splice_Input.vbm_type = 31;
    Splice_Input.d = 67.0;
    Splice_Input.t_p = 1.0;
    const std::string s = System_Text();
    EXPECT_NE(s.find("L\x94"
                     "cher der Bleche: d\xCE\\0\xCEr = d\xCE\\3\xCEr + 1 mm = 21.0 mm um die "
                     "Nabe des D\x81"
                     "bels, d\xCE\\3\xCEr = 20.0 mm\n"),
              std::string::npos)
        << s;
}

TEST_F(PrintSystemConnectors, ShearPlatesKeepTheSpacingsOfTheirBolts)
{
    /* Shear plates dc = 67 mm (EN 1995-1-1, Table 8.7) at alpha = 0 but at least the spacings
    ** of their M20 bolt (Table 8.4): a1 = max(2.0 * 67, 5 * 20) = 134 mm; a2 = max(1.2 * 67,
    ** 4 * 20) = 80.4 mm; a3,t = max(2 * 67, 7 * 20) = 140 mm; a3,c = max(1.2 * 67, 4 * 20) =
    ** 80.4 mm; a4,t = max(0.6 * 67, 3 * 20) = 60 mm; a4,c = max(0.6 * 67, 3 * 20) = 60 mm. */
    Splice_Input.connection_kind = CONN_SIDE_TIMBERS;
    Splice_Input.vbm_type = 31;
    Splice_Input.d = 67.0;
    Splice_Input.d_bolt = 12.0; /* the catalogue's bolt counts */
    EXPECT_NE(System_Text().find(Spacing_Line("13.40", "8.04", "14.00", "8.04", "6.00", "6.00")),
              std::string::npos)
        << System_Text();
}

TEST(PrintSystemSpacings, EachDrawingByItsOwnSwitch)
{
    const char *captions[3] = {"\xCE"
                               "bAnsicht Ma\xE1stab",
                               "\xCE"
                               "bSchnitt l\x84ngs Ma\xE1stab",
                               "\xCE"
                               "bSchnitt quer Ma\xE1stab"};
    const uint32_t bits[3] = {PRINT_SEC_PLOT_VIEW, PRINT_SEC_PLOT_LONG, PRINT_SEC_PLOT_CROSS};
    for (int k = 0; k < 3; k++) {
        Fresh_Splice(true);
        Splice_Input.L = 100.0;
        Splice_Input.h = Splice_Input.h_s = 20.0;
        snprintf(Bauteilkennung, sizeof Bauteilkennung, "%s", "sysplot");
        Splice_Input.print.sections = bits[k];
        const std::string s = System_Text();
        for (int j = 0; j < 3; j++)
            EXPECT_EQ(s.find(captions[j]) != std::string::npos, j == k) << k << " " << j;
        for (const char *name : {"sysplot01.SPF", "sysplot02.SPF", "sysplot03.SPF"}) unlink(name);
    }
}
