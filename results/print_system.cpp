/*
** System section of the splice's print list: the kind of splice, the members with densities
** and net section values, minimum and present spacings, polar moment and centroid of the
** fastener pattern, and the optional spacing sketch, coordinate table and drawings.
** Lengths in cm (spacings from the design in mm), angles in radians inside, degrees printed.
*/
#include "results/print_list.h"
#include "results/splice_checks.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/catalogue.h"
#include "design/design.h"
#include "foundation/format.h"
#include "foundation/foundation.h"
#include "printlist/printlist.h"

static const double PI = 3.141592653589793;

static double Density(int group, int grade, double t_cm)
{
    double rho = 0.0;
    if (!Get_Rho_K(group, grade, t_cm * 10.0, &rho, nullptr)) return 0.0;
    return rho;
}

/* The name of a member's material as the report names it: glulam of EN 14080 without the
** catalogue's mark "EC" that sets it apart from the glulam of DIN 1052. */
static const char *Material_Print_Name(int group, int grade)
{
    static char name[128];
    if (group == 2) {
        snprintf(name, sizeof name, "Brettschichtholz %s", Get_Grade_Name(group, grade));
        return name;
    }
    return Get_Material_Name(group, grade);
}

static void Write_Material_Line(FILE *file, const char *lead, int group, int grade, double rho)
{
    Oli_Write_Text(file, "%s aus %s mit %s\xCE\\k\xCEr = %.0lf kg/m\xCE/3\xCEr", lead,
                   Material_Print_Name(group, grade), "\xCB", rho);
}

static void Write_Section_Line(FILE *file, const char *lead, double t, double A, double W, double I)
{
    Oli_Write_Text(
        file,
        "%s t = %.1lf cm, A\xCE\\n\xCEr = %.2lf cm\xCE/2\xCEr, W\xCE\\n\xCEr = %.2lf cm\xCE/3\xCEr, I\xCE\\n\xCEr = %.2lf cm\xCE/4\xCEr",
        lead, t, A, W, I);
}

/*
** The plates' hole line of the system section, the one place the print states the hole that the
** layout, the bearing check and the plates' net section take (Get_Plate_Hole).
*/
static void Write_Plate_Hole_Line(FILE *file)
{
    const Plate_Hole h = Get_Plate_Hole(&Splice_Input);
    const char *d0 = Nad_Params != nullptr ? "d\xCE\\0\xCEr" : "d\xCE\\L\xCEr";
    const char *lead = "L\x94"
                       "cher der Bleche:";
    switch (h.rule) {
    case PLATE_HOLE_FITTED:
        Oli_Write_Text(file, "%s %s = d = %.1lf mm (Passloch)", lead, d0, h.d0);
        break;
    case PLATE_HOLE_BOLT_CLEARANCE:
        Oli_Write_Text(file, "%s %s = d + 1 mm = %.1lf mm (Passbolzen mit Lochspiel im Blech)",
                       lead, d0, h.d0);
        break;
    case PLATE_HOLE_HUB_CLEARANCE:
        Oli_Write_Text(file,
                       "%s %s = d\xCE\\3\xCEr + 1 mm = %.1lf mm um die Nabe des D\x81"
                       "bels, d\xCE\\3\xCEr = %.1lf mm",
                       lead, d0, h.d0, h.d);
        break;
    case PLATE_HOLE_HUB:
        Oli_Write_Text(file,
                       "%s %s = d\xCE\\1\xCEr = %.1lf mm (Nabe des D\x81"
                       "bels)",
                       lead, d0, h.d0);
        break;
    case PLATE_HOLE_ON_BOLT:
        Oli_Write_Text(file,
                       "%s %s = d\xCE\\Bolzen\xCEr + 0.4 mm = %.1lf mm, das Blech tr\x84gt am "
                       "Bolzen d = %.0lf mm",
                       lead, d0, h.d0, h.d);
        break;
    default: Oli_Write_Text(file, "%s %s = d + 1 mm = %.1lf mm", lead, d0, h.d0); break;
    }
}

/* The plates' strengths where they are thicker than the first thickness range of their steel:
** f_y and f_u of the second range (EN 1993-1-1, Table 3.1), which every check of the plates takes. */
static void Write_Plate_Strength_Line(FILE *file)
{
    double t1 = 0.0;
    if (!Plate_Second_Thickness_Range(&t1)) return;
    Oli_Write_Text(file,
                   "Blechdicke t = %.1lf mm > %.0lf mm: f\xCE\\y\xCEr = %.0lf N/mm\xCE/2\xCEr, "
                   "f\xCE\\u\xCEr = %.0lf N/mm\xCE/2\xCEr (%s)",
                   Splice_Input.t_p * 10.0, t1, Get_Plate_Fy(), Get_Plate_Fu(),
                   Nad_Params != nullptr ? "DIN EN 1993-1-1, Tab. 3.1" : "DIN 18800-1, Tab. 1");
}

/* One fracture line of the plates' net area: "A_n = t x (h - n x d0 + k x s² / (4 x p))". */
static void Format_Net_Line(char *out, size_t size, const Plate_Net_Line *l, double h, double w)
{
    char gain[96] = "";
    if (l->diagonals > 0 && l->p > 0.0)
        Format_N(gain, sizeof gain, " + %d x %.2lf\xCE/2\xCEr / (4 x %.2lf)", l->diagonals, l->s,
                 l->p);
    else if (l->diagonals > 0) Format_N(gain, sizeof gain, " + %.4lf", l->gain);
    Format_N(out, size, "A\xCE\\n\xCEr = %.2lf x (%.2lf - %d x %.2lf%s) = %.2lf cm\xCE/2\xCEr",
             Splice_Input.t_p, h, l->holes, w, gain, l->A_n);
}

/* The plates' net area over staggered holes: the straight line, the zig-zag line and which one
** governs (EN 1993-1-1, 6.2.2.2(4)), in cm. */
static void Write_Plate_Net_Lines(FILE *file)
{
    Plate_Net_Line straight{}, zigzag{}, governing{};
    double h = 0.0, w = 0.0;
    if (!Calc_Plate_Net_Lines(&straight, &zigzag, &governing, &h, &w)) return;
    const bool zig = zigzag.holes > 0 && governing.diagonals > 0;
    char line[256];
    Format_Net_Line(line, sizeof line, &straight, h, w);
    Oli_Write_Text(file,
                   "Versetzte L\x94"
                   "cher (DIN EN 1993-1-1, 6.2.2.2(4)), gerade Linie durch %d L\x94"
                   "cher: %s%s",
                   straight.holes, line, zig ? "" : " (ma\xE1gebend)");
    if (zigzag.holes == 0) return;
    Format_Net_Line(line, sizeof line, &zigzag, h, w);
    Oli_Write_Text(file,
                   "Zickzacklinie durch %d L\x94"
                   "cher: %s%s",
                   zigzag.holes, line, zig ? " (ma\xE1gebend)" : "");
}

/*
** The lap's lines on the moment N t/2 of each half from the eccentricity of the joint: under
** compression the check of the timber takes it in bending (EN 1995-1-1, 6.2.4, 6.3.2); under
** tension, where the halves' tensile strength takes the reduction of members loaded from one
** side, that is all that covers it; without that reduction the halves are checked in tension with
** bending (6.2.3), in a bending splice too.
*/
static void Write_Lap_Moment_Warning(FILE *file)
{
    const Splice_Input_Record *si = &Splice_Input;
    const char *what = "Zusatzmomente, die aus der Asymmetrie des Anschlusses resultieren "
                       "(M = N x t/2 je Blatthälfte), werden"_cp850;
    const char *bent = Nad_Params != nullptr
                           ? "als Druck mit Biegung der Blatthälften nachgewiesen (DIN EN "
                             "1995-1-1, 6.2.4 und 6.3.2)"_cp850
                           : "als Druck mit Biegung der Blatthälften nachgewiesen"_cp850;
    if (si->splice_kind == SPLICE_COMPRESSION) {
        Oli_Write_Text(file, "%s %s", what, bent);
        return;
    }
    const bool bending = si->splice_kind == SPLICE_BENDING;
    const double k = Get_Member_Tension_Factor(si->vbm_type, si->predrilled);
    const bool covered = k != 1.0;
    if (!covered) {
        Oli_Write_Text(file, "%s %s%s%s", what, bending ? "unter Zug " : "",
                       Nad_Params != nullptr
                           ? "als Zug mit Biegung der Blatthälften nachgewiesen (DIN EN "
                             "1995-1-1, 6.2.3)"_cp850
                           : "als Zug mit Biegung der Blatthälften nachgewiesen"_cp850,
                       bending ? "," : "");
        if (bending) Oli_Write_Text(file, "unter Druck %s.", bent);
        return;
    }
    Oli_Write_Text(file,
                   "\xCE"
                   "bWichtig!\xCEr %s %snicht als Biegung nachgewiesen!",
                   what, bending ? "unter Zug " : "");
    Oli_Write_Text(file, "Unter Zug erfasst sie nur die Abminderung k\xCE\\red\xCEr = %s %s %s%s",
                   k == 0.4 ? "0.4" : "1/1.5", "der Zugfestigkeit der Blatthälften nach"_cp850,
                   Tension_Reduction_Rule(Nad_Params != nullptr), bending ? "," : ".");
    if (bending) Oli_Write_Text(file, "unter Druck %s.", bent);
}

/*
** Outer plates between thin and thick (EN 1995-1-1, 8.2.3(1)): the thicknesses that bound them and
** the hole clearance that lets them count as more than thin, and the factor k with which the
** resistance is interpolated between both (8.2.3(1)). d and the clearance c in mm, t in mm; an
** aluminium plate takes its thresholds times 3^(1/3).
*/
static void Write_Intermediate_Plate_Line(FILE *file, double d, double t, double c)
{
    double k = 0.0;
    Classify_Plate_Thickness(Splice_Input.vbm_type, Splice_Input.mat_side, d / 10.0, t / 10.0,
                             c / 10.0, &k);
    const bool alu = Splice_Input.mat_side == MAT_ALUBLECH;
    const double s = alu ? std::cbrt(3.0) : 1.0;
    const char *sd = alu ? "1.442 d" : "d";
    Oli_Write_Text(file,
                   "Sto\xE1 mit au\xE1"
                   "en liegenden Blechen zwischen d\x81nn und dick: 0.5 %s = %.1lf mm < t = %.1lf "
                   "mm < %s = %.1lf mm, Lochspiel %s - d = %.1lf mm < 0.1 d = %.1lf mm (DIN EN "
                   "1995-1-1, 8.2.3(1))",
                   sd, 0.5 * s * d, t, sd, s * d, "d\xCE\\0\xCEr", c, 0.1 * d);
    Oli_Write_Text(file,
                   "F\xCE\\v,Rk\xCEr zwischen d\x81nnen und dicken Blechen linear interpoliert "
                   "mit k = 2 t / %s - 1 = 2 x %.1lf / %.1lf - 1 = %.3lf (DIN EN 1995-1-1, "
                   "8.2.3(1))",
                   alu ? "(1.442 d)" : "d", t, s * d, k);
}

/*
** The holes that the timber's net sections above lose in a staggered layout: every hole within
** half the least spacing a1 along the grain (at alpha = 0, whatever the actions) from the section
** (EN 1995-1-1, 5.2(4)), those of the section's column and of the neighbouring columns where they
** lie that near.
*/
static void Write_Section_Holes_Line(FILE *file)
{
    Timber_Section_Holes h;
    if (!Calc_Timber_Section_Holes(&h) || !Timber_Net_Section_Has_Holes()) return;
    char next[128] = "";
    if (h.count > h.own)
        Format_N(next, sizeof next,
                 " und %d der Nachbarspalten im Abstand %.2lf cm " SYM_LE " %.2lf cm",
                 h.count - h.own, h.next_distance, h.half_a1);
    else if (h.next_distance >= 0.0)
        Format_N(next, sizeof next, "; die Nachbarspalten im Abstand %.2lf cm > %.2lf cm nicht",
                 h.next_distance, h.half_a1);
    /* two lines, each a clause of its own: one would outgrow a line of the print list */
    Oli_Write_Text(file,
                   "Versetzte L\x94"
                   "cher im Holz: ein Querschnitt nimmt alle L\x94"
                   "cher innerhalb a\xCE\\1\xCEr/2 = %.2lf / 2 = %.2lf cm in Faserrichtung "
                   "(a\xCE\\1\xCEr bei \xBA = 0\xF8, DIN EN 1995-1-1, 5.2(4))",
                   2.0 * h.half_a1, h.half_a1);
    Oli_Write_Text(file,
                   "L\x94"
                   "cher im Querschnitt: %d seiner Spalte%s => %d L\x94"
                   "cher in A\xCE\\n\xCEr",
                   h.own, next, h.count);
}

/* A thickness in cm as the print gives it: one decimal, or up to three where one would round it
** (a lamella of (140 - 2 x 10) / 3 mm). */
static std::string Cm_Text(double t)
{
    char text[32];
    Format_N(text, sizeof text, "%.1lf", t);
    if (std::fabs(strtod(text, nullptr) - t) < 1e-9) return text;
    Format_N(text, sizeof text, "%.3lf", t);
    return text;
}

/* A length in cm as the sum of squares prints it: two decimals, or up to four where two would
** round it. */
static std::string Cm_Square_Base(double y)
{
    char text[32];
    for (int decimals = 2; decimals < 4; decimals++) {
        Format_N(text, sizeof text, "%.*lf", decimals, y);
        if (std::fabs(strtod(text, nullptr) - y) < 1e-9) return text;
    }
    Format_N(text, sizeof text, "%.4lf", y);
    return text;
}

/* The sum of the squared distances y (cm) of the holes of one section from the member's axis,
** as "2 x 8.28²": equal distances taken together, holes on the axis left out; "0" where all
** lie on it. */
static std::string Sum_Of_Squares_Text(const Timber_Section_Holes *holes)
{
    std::vector<std::pair<double, int>> ys; /* |y|, count */
    for (int i = 0; i < holes->count; i++) {
        const double y = std::fabs(Fastener_Pattern.recs[holes->index[i]].y);
        bool found = false;
        for (auto &e : ys)
            if (std::fabs(e.first - y) < 1e-9) {
                e.second++;
                found = true;
            }
        if (!found) ys.push_back({y, 1});
    }
    std::string text;
    for (const auto &e : ys) {
        if (!(e.first > 0.0)) continue;
        if (!text.empty()) text += " + ";
        if (e.second > 1) text += std::to_string(e.second) + " x ";
        text += Cm_Square_Base(e.first) + "\xCE/2\xCEr";
    }
    return text.empty() ? "0" : text;
}

/* The second moment and the section modulus of one member of Write_Connector_Loss_Lines, with the
** formula and numbers: each hole's loss dA spread over the connector's d_c across the height, its
** centre y from the member's axis (Calc_Net_Section_Values). */
static void Write_Connector_Inertia_Line(FILE *file, const char *lead,
                                         const Connector_Section_Loss *r, double t, double h,
                                         const Timber_Section_Holes *holes, double I_n, double W_n)
{
    Oli_Write_Text(
        file,
        "%s: I\xCE\\n\xCEr = t h\xCE/3\xCEr / 12 - \xA3"
        "A (\xB2 y\xCE/2\xCEr + n d\xCE\\c\xCEr\xCE/2\xCEr / 12) = %s x %.1lf\xCE/3\xCEr "
        "/ 12 - %.3lf x (%s + %d x %g\xCE/2\xCEr / 12) = %.2lf cm\xCE/4\xCEr => "
        "W\xCE\\n\xCEr = 2 I\xCE\\n\xCEr / h = %.2lf cm\xCE/3\xCEr",
        lead, Cm_Text(t).c_str(), h, r->dA / 100.0, Sum_Of_Squares_Text(holes).c_str(),
        holes->count, r->dc / 10.0, I_n, W_n);
}

/* One member's line of Write_Connector_Loss_Lines: its deduction with the formula and numbers,
** then its net area of thickness t (cm) and height h (cm) with the `holes` of one section. */
static void Write_Connector_Loss_Line(FILE *file, const char *lead, const Connector_Section_Loss *r,
                                      double t, double h, int holes, double A_n)
{
    char n[16] = "", nx[16] = "";
    if (r->faces > 1) {
        Format_N(n, sizeof n, "%d ", r->faces);
        Format_N(nx, sizeof nx, "%d x ", r->faces);
    }
    Oli_Write_Text(file,
                   "%s: \xA3"
                   "A = %sh\xCE\\e\xCEr d\xCE\\c\xCEr + (t - %sh\xCE\\e\xCEr) "
                   "d\xCE\\L\xCEr = %s%g x %g + (%g - %s%g) x %g = %.1lf mm\xCE/2\xCEr => "
                   "A\xCE\\n\xCEr = %s x %.1lf - %d x %.3lf = %.2lf cm\xCE/2\xCEr",
                   lead, n, n, nx, r->he, r->dc, r->t, nx, r->he, r->dL, r->dA, Cm_Text(t).c_str(),
                   h, holes, r->dA / 100.0, A_n);
}

/*
** What a connector takes out of each member's net section above, at every bolt (EN 1995-1-1,
** 5.2(3)): the part of the connector that lies in the member, h_e d_c in each face that holds one,
** and the bolt hole d_L over the rest of its thickness; then the net area with the holes of one
** section, and its I_n and W_n with the loss of each hole spread over the connector's d_c. Where
** two or more inner plates split the timber, each lamella by the faces it holds: both faces
** between two plates, one beside a single plate. Sizes in mm as the catalogue gives them, the
** areas in mm² and cm², the moments in cm.
*/
static void Write_Connector_Loss_Lines(FILE *file, const double A[2], const double I[2],
                                       const double W[2])
{
    const Splice_Input_Record *si = &Splice_Input;
    Connector_Section_Loss c[2];
    if (!Calc_Connector_Section_Loss(0, &c[0])) return;
    const bool side = Calc_Connector_Section_Loss(1, &c[1]) != 0;
    Timber_Section_Holes holes;
    Calc_Timber_Section_Holes(&holes);
    Oli_Write_Text(file,
                   "Querschnittsschw\x84"
                   "chung je Bolzen (DIN EN 1995-1-1, 5.2(3)): der Teil h\xCE\\e\xCEr "
                   "d\xCE\\c\xCEr des D\x81"
                   "bels in jeder Fl\x84"
                   "che, die einen h\x84lt, und das Bohrloch d\xCE\\L\xCEr = %s = %g mm \x81"
                   "ber die restliche Dicke; h\xCE\\e\xCEr = %g mm, d\xCE\\c\xCEr = %g mm",
                   si->fitted_bolt ? "d" : "d + 1 mm", c[0].dL, c[0].he, c[0].dc);
    /* the height the second moment takes each loss over: the connector's recess, d_c high,
    ** holds the bolt's hole (Calc_Net_Section_Values) */
    Oli_Write_Text(file,
                   "I\xCE\\n\xCEr, W\xCE\\n\xCEr: jeder Abzug \xA3"
                   "A \x81"
                   "ber die H\x94he d\xCE\\c\xCEr = %g mm des D\x81"
                   "bels um die Bolzenachse, y = Abstand der Bolzenachse von der Holzachse",
                   c[0].dc);
    if (side) {
        Write_Connector_Loss_Line(file, "Seitenholz", &c[1], si->t_s, si->h_s, holes.count, A[1]);
        Write_Connector_Inertia_Line(file, "Seitenholz", &c[1], si->t_s, si->h_s, &holes, I[1],
                                     W[1]);
    }
    Connector_Section_Loss lam;
    if (Calc_Lamella_Connector_Loss(1, &lam)) {
        for (int inner = 1; inner >= 0; inner--) {
            double A_l = 0.0, I_l = 0.0, W_l = 0.0;
            Calc_Lamella_Connector_Loss(inner, &lam);
            Calc_Lamella_Net_Section_Values(inner, &A_l, &I_l, &W_l);
            const char *name = inner ? "innere Lamelle"
                                     : "\x84u\xE1"
                                       "ere Lamelle";
            Write_Connector_Loss_Line(file, name, &lam, lam.t / 10.0, si->h, holes.count, A_l);
            Write_Connector_Inertia_Line(file, name, &lam, lam.t / 10.0, si->h, &holes, I_l, W_l);
        }
        return;
    }
    const char *lead = si->connection_kind == CONN_SIDE_TIMBERS ? "Mittelholz"
                       : si->connection_kind == CONN_LAP        ? "Blatth\x84lfte"
                                                                : "Holz";
    Write_Connector_Loss_Line(file, lead, &c[0], c[0].t / 10.0, si->h, holes.count, A[0]);
    Write_Connector_Inertia_Line(file, lead, &c[0], c[0].t / 10.0, si->h, &holes, I[0], W[0]);
}

/* The members' lines by connection kind. */
static void Write_Members(FILE *file, double rho_side, double rho_mid)
{
    const Splice_Input_Record *si = &Splice_Input;
    double A_mid = 0, A_side = 0, I_mid = 0, I_side = 0, W_mid = 0, W_side = 0;
    Calc_Net_Section_Values(&A_mid, &A_side, &I_mid, &I_side, &W_mid, &W_side);

    switch (si->connection_kind) {
    case CONN_SIDE_TIMBERS:
        if (Is_Vbm_Nail_Screw_Or_Staple(si->vbm_type))
            Oli_Write_Text(file, "%s", "Stoß mit beidseitigen Seitenhölzern"_cp850);
        else
            Oli_Write_Text(
                file, "%s",
                "Stoß mit beidseitigen Seitenhölzern und zweischnittigen Verbindungsmitteln"_cp850);
        if (si->mat_mid == si->mat_side && si->grade_mid == si->grade_side) {
            Write_Material_Line(file, "Hölzer"_cp850, si->mat_side, si->grade_side, rho_side);
        } else {
            Write_Material_Line(file, "Mittelholz", si->mat_mid, si->grade_mid, rho_mid);
            Write_Material_Line(file, "Seitenhölzer"_cp850, si->mat_side, si->grade_side, rho_side);
        }
        Write_Section_Line(file, "Seitenholz:", si->t_s, A_side, W_side, I_side);
        Write_Section_Line(file, "Mittelholz:", si->b, A_mid, W_mid, I_mid);
        break;
    case CONN_INNER_PLATES: {
        double A = 0, I = 0, W = 0;
        Calc_Plate_Net_Section_Values(&A, &I, &W);
        const double t_red = Calc_Timber_Part_Thickness();
        Oli_Write_Text(
            file, "%s",
            Oli_Sprintf(
                "Stoß mit %.0lf %s => %d-schnittige Verbindung mit t\xCE\\red\xCEr = %.2lf cm"_cp850,
                si->plate_count, si->plate_count == 1.0 ? "Blech" : "Blechen", si->shear_planes,
                t_red));
        Oli_Write_Text(
            file,
            "Blechdicke t = %.1lf mm, Blechh\x94he h = %.1lf mm in %s, A\xCE\\n\xCEr = %.2lf cm\xCE/2\xCEr, W\xCE\\n\xCEr = %.2lf cm\xCE/3\xCEr, I\xCE\\n\xCEr = %.2lf cm\xCE/4\xCEr",
            si->t_p * 10.0, si->h_p * 10.0, Get_Steel_Print_Name(si->plate_steel), A, W, I);
        Write_Plate_Hole_Line(file);
        Write_Plate_Strength_Line(file);
        Write_Plate_Net_Lines(file);
        Oli_Write_Text(
            file,
            "Holz: t = %.1lf cm, t\xCE\\red\xCEr = %.2lf cm, A\xCE\\n,red\xCEr = %.2lf cm\xCE/2\xCEr, W\xCE\\n,red\xCEr = %.2lf cm\xCE/3\xCEr, I\xCE\\n,red\xCEr = %.2lf cm\xCE/4\xCEr",
            si->b, t_red, A_mid, W_mid, I_mid);
        Oli_Write_Text(file, "aus %s mit %s\xCE\\k\xCEr = %.0lf kg/m\xCE/3\xCEr",
                       Material_Print_Name(si->mat_mid, si->grade_mid), "\xCB", rho_mid);
        break;
    }
    case CONN_OUTER_PLATES: {
        double A = 0, I = 0, W = 0;
        Calc_Plate_Net_Section_Values(&A, &I, &W);
        /* the class the design gives the plates: by the diameter that bears on them */
        const Plate_Hole h = Get_Plate_Hole(si);
        const double clearance = Get_Plate_Hole_Clearance(si);
        const int cls = Classify_Plate_Thickness(si->vbm_type, si->mat_side, h.d / 10.0, si->t_p,
                                                 clearance / 10.0, nullptr);
        const int cls_tight =
            Classify_Plate_Thickness(si->vbm_type, si->mat_side, h.d / 10.0, si->t_p, 0.0, nullptr);
        if (cls == 2) Oli_Write_Text(file, "%s", "Stoß mit außen liegenden, dicken Blechen"_cp850);
        else if (cls == 0 && cls_tight != 0)
            /* thick enough, but the holes let the plates count as thin (EN 1995-1-1, 8.2.3(1)) */
            Oli_Write_Text(
                file,
                "%s %s - d = %.1lf mm " SYM_GE " 0.1 d = %.1lf mm (DIN EN 1995-1-1, 8.2.3(1))",
                "Stoß mit außen liegenden, dünnen Blechen: Lochspiel"_cp850,
                Nad_Params != nullptr ? "d\xCE\\0\xCEr" : "d\xCE\\L\xCEr", clearance, 0.1 * h.d);
        else if (cls == 0)
            Oli_Write_Text(file, "%s", "Stoß mit außen liegenden, dünnen Blechen"_cp850);
        else if (Nad_Params != nullptr)
            Write_Intermediate_Plate_Line(file, h.d, si->t_p * 10.0, clearance);
        else
            Oli_Write_Text(file, "%s",
                           "Stoß mit außen liegenden Blechen gemäß DIN 1052, 12.2.3(4)"_cp850);
        Write_Material_Line(file, "Hölzer"_cp850, si->mat_mid, si->grade_mid, rho_mid);
        Oli_Write_Text(
            file,
            "Bleche %.1lf x %.1lf mm in %s, A\xCE\\n\xCEr = %.2lf cm\xCE/2\xCEr, W\xCE\\n\xCEr = %.2lf cm\xCE/3\xCEr, I\xCE\\n\xCEr = %.2lf cm\xCE/4\xCEr",
            si->t_p * 10.0, si->h_p * 10.0, Get_Steel_Print_Name(si->plate_steel), A, W, I);
        Write_Plate_Hole_Line(file);
        Write_Plate_Strength_Line(file);
        Write_Plate_Net_Lines(file);
        Write_Section_Line(file, "Holz:", si->b, A_mid, W_mid, I_mid);
        break;
    }
    case CONN_LAP:
        Oli_Write_Text(file, "%s", "Stoß mit einschnittigem Blatt"_cp850);
        Write_Lap_Moment_Warning(file);
        Write_Material_Line(file, "Hölzer"_cp850, si->mat_mid, si->grade_mid, rho_mid);
        Oli_Write_Text(
            file,
            "Holz: %.1lf/%.1lf cm, A\xCE\\n\xCEr = %.2lf cm\xCE/2\xCEr, W\xCE\\n\xCEr = %.2lf cm\xCE/3\xCEr, I\xCE\\n\xCEr = %.2lf cm\xCE/4\xCEr",
            si->b, si->h, A_mid, W_mid, I_mid);
        /* the net values above are those of one lap half, whose thickness the line does not name */
        Oli_Write_Text(file,
                       "A\xCE\\n\xCEr, W\xCE\\n\xCEr, I\xCE\\n\xCEr je Blatth\x84lfte: t = "
                       "b / 2 = %.1lf cm, h = %.1lf cm",
                       si->b / 2.0, si->h);
        break;
    default: break;
    }
    Write_Section_Holes_Line(file);
    const double A[2] = {A_mid, A_side}, I[2] = {I_mid, I_side}, W[2] = {W_mid, W_side};
    Write_Connector_Loss_Lines(file, A, I, W);
}

/* The coordinate table of the fasteners relative to the centroid S. */
static void Write_Coordinates(FILE *file)
{
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    const int n = fp->count;
    Oli_Write_Text(file, "Koordinaten, Winkel und Abstand der Verbindungsmittel vom Schwerpunkt S");
    const size_t bytes = sizeof(double) * (size_t)(n > 0 ? n : 1);
    double *X = (double *)Dbg_Realloc("results", __LINE__, "system", nullptr, bytes);
    Check_Alloc_Or_Exit(X);
    double *Y = (double *)Dbg_Realloc("results", __LINE__, "system", nullptr, bytes);
    Check_Alloc_Or_Exit(Y);
    double *P = (double *)Dbg_Realloc("results", __LINE__, "system", nullptr, bytes);
    Check_Alloc_Or_Exit(P);
    double *R = (double *)Dbg_Realloc("results", __LINE__, "system", nullptr, bytes);
    Check_Alloc_Or_Exit(R);
    for (int i = 0; i < n; i++) {
        X[i] = fp->recs[i].x - fp->x_c;
        /* measured from S like x (the centroid lies off the axis in uneven layouts) */
        Y[i] = fp->recs[i].y - fp->y_c;
        P[i] = fp->recs[i].polar_angle * 180.0 / PI;
        R[i] = fp->recs[i].r;
    }
    Oli_Table_Column *cols = nullptr;
    Oli_Alloc_Table_Columns(5, &cols);
    const char *titles[5] = {"Nr", "x\xCE\\i\xCEr", "y\xCE\\i\xCEr", "\xBB\xCE\\i\xCEr",
                             "r\xCE\\i\xCEr"};
    const char *units[5] = {"ZZ", "cm", "cm", "\xF8", "cm"};
    double *values[5] = {nullptr, X, Y, P, R};
    for (int k = 0; k < 5; k++) {
        snprintf(cols[k].title, sizeof cols[k].title, "%s", titles[k]);
        snprintf(cols[k].unit, sizeof cols[k].unit, "%s", units[k]);
        cols[k].width = k == 0 ? 3 : 7;
        cols[k].decimals = k == 0 ? 0 : 2;
        cols[k].values = values[k];
        cols[k].factor = 1.0;
    }
    Oli_Table_Report_Error(file, OliTabelle(/*file=*/file, /*ncols=*/5, /*nrows=*/n,
                                            /*columns=*/cols, /*row_mask=*/nullptr,
                                            /*row_rules=*/nullptr, /*highlight=*/6, /*flags=*/0,
                                            /*title_counts=*/nullptr, /*title_texts=*/nullptr,
                                            /*extra_count=*/0, /*extra_texts=*/nullptr));
    free(cols);
    Dbg_Free("results", __LINE__, "system", X);
    Dbg_Free("results", __LINE__, "system", Y);
    Dbg_Free("results", __LINE__, "system", P);
    Dbg_Free("results", __LINE__, "system", R);
}

/* The first n of the six least spacings v (cm) between lead and tail, two decimals, as the
** present spacings and the plate distances e1, e2 of the bearing check, so that the required and
** the present values compare as the validation compared them. A panel's a1 and a2 (panel: their
** factor, else 1) are written as the table's value times the factor in mm, two decimals by the
** print list's rule at ties (0.85 x 21 = 17.85 mm), with the clause. */
static void Write_Spacing_Line(FILE *file, const char *lead, const double v[6], int n,
                               const char *tail, double panel = 1.0)
{
    static const char *const ec[6] = {"a\xCE\\1\xCEr",   "a\xCE\\2\xCEr",   "a\xCE\\3,t\xCEr",
                                      "a\xCE\\3,c\xCEr", "a\xCE\\4,t\xCEr", "a\xCE\\4,c\xCEr"};
    static const char *const din[6] = {"a\xCE\\1\xCEr",   "a\xCE\\2\xCEr",   "a\xCE\\1,t\xCEr",
                                       "a\xCE\\1,c\xCEr", "a\xCE\\2,t\xCEr", "a\xCE\\2,c\xCEr"};
    const char *const *name = Nad_Params != nullptr ? ec : din;
    std::string line(lead);
    char part[128];
    for (int i = 0; i < n; i++) {
        if (i < 2 && panel != 1.0) {
            char f[16], table[32], mm[32];
            Oli_Format_Fixed(f, sizeof f, panel, 2);
            Oli_Format_Fixed(table, sizeof table, 10.0 * v[i] / panel, 2);
            Oli_Format_Fixed(mm, sizeof mm, 10.0 * v[i], 2);
            snprintf(part, sizeof part, "%s%s = %s x %s = %s mm%s", i > 0 ? ", " : "", name[i], f,
                     table, mm, i == 1 ? " (DIN EN 1995-1-1, 8.3.1.3(1))" : "");
        } else {
            snprintf(part, sizeof part, "%s%s = %.2lf cm", i > 0 ? ", " : "", name[i], v[i]);
        }
        line += part;
    }
    line += tail;
    Oli_Write_Text(file, "%s", line.c_str());
}

/*
** The least spacings of the system section: one line where every member asks the same, else
** each member's own, named with its material and the density its spacings take (EN 1995-1-1,
** Table 8.2), or with the rules it keeps them by where one timber keeps two sets, and then the
** values the pattern keeps: the larger a1, a2 and a3 of both, and the larger a4 where both
** members are of the same height, else each member its own a4 within its height (the present
** edge distances below are stated per member). v: the pattern's values with the plates'
** limits, raw: before them.
*/
static void Write_Least_Spacings(FILE *file, const double v[6], const double raw[6])
{
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    Spacing_Member m[2];
    double mv[2][6];
    const int n = Calc_Member_Spacings(fp->min_alpha_1, fp->min_alpha_2, m, mv);
    /* a panel nailed to timber gives both members its a1 and a2 (Calc_Member_Spacings): the
    ** table's values times its factor */
    const Splice_Input_Record *si = &Splice_Input;
    const int k_panel = Panel_Spacing_Member(n, m);
    const double panel =
        k_panel < 0 ? 1.0 : Calc_Panel_Spacing_Factor(si->vbm_type, si->d, m[k_panel].rules);
    if (!Member_Spacings_Differ(n, mv)) {
        Write_Spacing_Line(file, "", v, 6, "", panel);
        return;
    }
    char lead[224];
    for (int k = 0; k < n; k++) {
        snprintf(lead, sizeof lead,
                 "%s aus %s mit \xCB\xCE\\k\xCEr = %.0lf kg/m\xCE/3\xCEr%s%s%s: ", m[k].name,
                 Material_Print_Name(m[k].mat, m[k].grade), m[k].rho, m[k].rho_of[0] ? " " : "",
                 m[k].rho_of, m[k].by);
        Write_Spacing_Line(file, lead, mv[k], 6, "", panel);
    }
    bool limited = false; /* a value of the plates' limits (EN 1993-1-8, Table 3.3) */
    for (int i = 0; i < 6; i++) limited = limited || v[i] != raw[i];
    const char *kept = limited ? "maßgebend der größere Wert mit den Grenzen der Bleche: "_cp850
                               : "maßgebend der größere Wert: "_cp850;
    if (m[0].height == m[1].height) Write_Spacing_Line(file, kept, v, 6, "", panel);
    else
        Write_Spacing_Line(file, kept, v, 4,
                           Nad_Params != nullptr
                               ? "; a\xCE\\4,t\xCEr und a\xCE\\4,c\xCEr die eigenen jedes "
                                 "Holzes in seiner Höhe"_cp850
                               : "; a\xCE\\2,t\xCEr und a\xCE\\2,c\xCEr die eigenen jedes "
                                 "Holzes in seiner Höhe"_cp850,
                           panel);
}

/*
** Where every force runs along the grain (max alpha = 0) and the tables give the loaded edge more
** there than the unloaded one (staples, EN 1995-1-1, Table 8.3: 15 d against 10 d), which edge
** the layout takes as loaded: both, as alpha = 0 lies within the loaded edge's range and a shear
** force of a hair would load either of them (the validation's A4_Of_Kind).
*/
static void Write_Along_Grain_Edge_Line(FILE *file, const double v[6])
{
    if (Nad_Params == nullptr || Fastener_Pattern.min_alpha_2 != 0.0 || !(v[4] > v[5])) return;
    Oli_Write_Text(
        file,
        "a\xCE\\4\xCEr = a\xCE\\4,t\xCEr = %.2lf cm an beiden R\x84ndern: die Kraft "
        "parallel zur Faser (\xBA = 0\xF8) liegt im Bereich 0\xF8 \xF3 \xBA \xF3 180\xF8 "
        "des beanspruchten Randes (DIN EN 1995-1-1, Tab. %s), jeder Rand gilt als "
        "beansprucht",
        v[4], Splice_Input.vbm_type == VBM_KLAMMER ? "8.3" : "8.2");
}

/*
** The angle at which a3,c of dowels and bolts was taken under EN 1995-1-1 (Tables 8.4 and 8.5):
** the force-to-grain angle of the largest a3,c (the largest angle where a3,c grows with it, else
** the smallest), turned by 180 degrees towards the unloaded end, and the rule of its band. In
** 150 <= alpha < 210 degrees this program keeps dowels at 3.5 d, at least 40 mm, above the
** table's 3 d.
*/
static void Write_A3c_Angle_Line(FILE *file, double alpha, bool at_max, double a3c)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int type = si->vbm_type;
    if (Nad_Params == nullptr || !Is_Vbm_Dowel_Or_Bolt(type)) return;
    const double deg = alpha * 180.0 / PI;
    /* the angles of the forces lie within 0 and 90 degrees: 90 turns to 270, in the same band */
    const double end = deg <= 90.0 ? deg + 180.0 : deg;
    const bool band = (end >= 90.0 && end < 150.0) || (end >= 210.0 && end <= 270.0);
    const bool bolt = type == VBM_BOLZEN && !si->fitted_bolt;
    const char *rule = nullptr;
    if (bolt) rule = band ? "(1 + 6 |sin %s|) d" : "4 d";
    else if (band) rule = "a\xCE\\3,t\xCEr |sin %s|";
    else if (end >= 150.0 && end < 210.0)
        rule = "max(3.5 d; 40 mm) (Annahme des Programms, Tab. 8.5: 3 d)";
    else rule = "3.5 d";
    char text[160];
    snprintf(text, sizeof text, rule, SYM_ALPHA);
    Oli_Write_Text(file,
                   "a\xCE\\3,c\xCEr bei %s = %.1lf \xF8 (%s %s, zum unbelasteten Ende gedreht, "
                   "DIN EN 1995-1-1, Tab. %s): %s = %.2lf cm",
                   SYM_ALPHA, end, at_max ? "max" : "min", SYM_ALPHA, bolt ? "8.4" : "8.5", text,
                   a3c);
}

/* "max(text own; text bolt) = max(own; bolt) = value mm", the pair a connector's least spacing is
** the larger of. */
static std::string Spacing_Pair(const char *own_rule, const char *bolt_rule, double own,
                                double bolt)
{
    char text[192];
    Format_N(text, sizeof text, "max(%s; %s) = max(%s; %s) = %s mm", own_rule, bolt_rule,
             Mm_Of(own).t, Mm_Of(bolt).t, Mm_Of(std::fmax(own, bolt)).t);
    return text;
}

/*
** The rules of a connector's least spacings, each the larger of the connector's own (EN 1995-1-1,
** Table 8.7 for rings and shear plates, Table 8.8 for toothed plates; a3,t where k2 = 1) and
** its bolt's (Table 8.4), at the angles of the line above: a1 and a3,t at alpha_1, a2 and a4 at
** alpha_2, a3,c at a3c_alpha. A shear plate keeps a bolt's spacings of its hub d3.
*/
static void Write_Connector_Spacing_Lines(FILE *file, double alpha_1, double alpha_2,
                                          double a3c_alpha)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int type = si->vbm_type;
    if (Nad_Params == nullptr || !Is_Vbm_Connector(type)) return;
    const double dc = si->d, db = Spacing_Bolt_Diameter();
    double own[3][6], bolt[3][6];
    const double angle[3] = {alpha_1, alpha_2, a3c_alpha};
    int rule = 0;
    for (int k = 0; k < 3; k++)
        rule = Calc_Connector_Spacing_Parts(type, dc, db, angle[k], own[k], bolt[k]);
    if (rule == 0) return;
    const bool toothed = rule == Map_Rule_Index_Ec5(SPACING_RULE_TOOTHED);
    const bool hub = type == VBM_SCHEIBENDUEBEL_B1;
    const char *dcn = "d\xCE\\c\xCEr";
    Oli_Write_Text(file,
                   "Mindestabst\x84nde des D\x81"
                   "bels mit %s = %s mm (DIN EN 1995-1-1, Tab. %s; a\xCE\\3,t\xCEr mit "
                   "k\xCE\\2\xCEr = 1), wenigstens die eines Bolzens (Tab. 8.4) mit d = %s%s mm",
                   dcn, Mm_Of(dc).t,
                   toothed                                                  ? "8.8"
                   : rule == Map_Rule_Index_Ec5(SPACING_RULE_TOOTHED_ROUND) ? "8.9"
                                                                            : "8.7",
                   hub ? "d\xCE\\3\xCEr = " : "", Mm_Of(db).t);
    const double deg3 = a3c_alpha * 180.0 / PI;
    char r[6][2][64];
    Format_N(r[0][0], sizeof r[0][0], "(1.2 + %s |cos %s|) %s", toothed ? "0.3" : "0.8", SYM_ALPHA,
             dcn);
    Format_N(r[0][1], sizeof r[0][1], "(4 + |cos %s|) d", SYM_ALPHA);
    Format_N(r[1][0], sizeof r[1][0], "1.2 %s", dcn);
    Format_N(r[1][1], sizeof r[1][1], "4 d");
    Format_N(r[2][0], sizeof r[2][0], "%s %s", toothed ? "1.5" : "2", dcn);
    Format_N(r[2][1], sizeof r[2][1], "7 d; 80 mm");
    if (deg3 > 30.0)
        Format_N(r[3][0], sizeof r[3][0], "(%s |sin %s|) %s", toothed ? "0.9 + 0.6" : "0.4 + 1.6",
                 SYM_ALPHA, dcn);
    else Format_N(r[3][0], sizeof r[3][0], "1.2 %s", dcn);
    /* the bolt's a3,c by the band of the unloaded end (EN 1995-1-1, Table 8.4) */
    if (std::fabs(bolt[2][3] - 4.0 * db) > 1e-9)
        Format_N(r[3][1], sizeof r[3][1], "(1 + 6 |sin %s|) d", SYM_ALPHA);
    else Format_N(r[3][1], sizeof r[3][1], "4 d");
    Format_N(r[4][0], sizeof r[4][0], "(0.6 + 0.2 |sin %s|) %s", SYM_ALPHA, dcn);
    Format_N(r[4][1], sizeof r[4][1], "(2 + 2 sin %s) d; 3 d", SYM_ALPHA);
    Format_N(r[5][0], sizeof r[5][0], "0.6 %s", dcn);
    Format_N(r[5][1], sizeof r[5][1], "3 d");
    static const char *const name[6] = {"a\xCE\\1\xCEr",   "a\xCE\\2\xCEr",   "a\xCE\\3,t\xCEr",
                                        "a\xCE\\3,c\xCEr", "a\xCE\\4,t\xCEr", "a\xCE\\4,c\xCEr"};
    static const int at[6] = {0, 1, 0, 2, 1, 1}; /* the angle each value is taken at */
    for (int i = 0; i < 6; i += 2) {
        const std::string first = Spacing_Pair(r[i][0], r[i][1], own[at[i]][i], bolt[at[i]][i]);
        const std::string second =
            Spacing_Pair(r[i + 1][0], r[i + 1][1], own[at[i + 1]][i + 1], bolt[at[i + 1]][i + 1]);
        Oli_Write_Text(file, "%s = %s, %s = %s", name[i], first.c_str(), name[i + 1],
                       second.c_str());
    }
}

/*
** The edge distances a4 beside plates lower than the member: the timber's value less the plate's
** inset, at least 1.2 d0 (EN 1993-1-8, Table 3.3), as the validation takes them.
*/
static void Write_Plate_Edge_Line(FILE *file, const double raw[6], const double v[6])
{
    const Splice_Input_Record *si = &Splice_Input;
    const double inset = (si->h - si->h_p) / 2.0;
    char part[2][96];
    const bool ec = Nad_Params != nullptr;
    const char *name[2] = {ec ? "a\xCE\\4,t\xCEr" : "a\xCE\\2,t\xCEr",
                           ec ? "a\xCE\\4,c\xCEr" : "a\xCE\\2,c\xCEr"};
    for (int k = 0; k < 2; k++) {
        const double r = raw[4 + k];
        if (r - inset >= v[4 + k])
            snprintf(part[k], sizeof part[k], "%s = %.2lf - %.2lf = %.2lf cm", name[k], r, inset,
                     v[4 + k]);
        else
            snprintf(part[k], sizeof part[k],
                     "%s = max(%.2lf - %.2lf; 1.2 d\xCE\\0\xCEr) = %.2lf cm", name[k], r, inset,
                     v[4 + k]);
    }
    Oli_Write_Text(
        file, "%s vom Blechrand gemessen, der %.2lf cm innerhalb des Holzrandes liegt: %s, %s",
        ec ? "a\xCE\\4\xCEr" : "a\xCE\\2,t\xCEr und a\xCE\\2,c\xCEr", inset, part[0], part[1]);
}

/*
** The present edge distance of the outermost fastener in each member the rows pass through,
** h/2 - max |y| of its own height (every pattern is symmetric about the member's axis): the
** middle member and the side timbers, the timber and the plates (so that the timber's least
** value before the plates' inset and the plates' compare alike), the timber of a lap.
*/
static void Write_Present_Edge_Line(FILE *file)
{
    const Splice_Input_Record *si = &Splice_Input;
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    if (fp->count <= 0) return;
    double y = 0.0;
    for (int i = 0; i < fp->count; i++) y = std::fmax(y, std::fabs(fp->recs[i].y));
    const char *a4 = Nad_Params != nullptr ? "a\xCE\\4,vorh\xCEr" : "a\xCE\\2,vorh\xCEr (Rand)";
    /* the user's a4, from the timber's edge as the layout takes it, named as its field */
    char typed[64] = "";
    if (si->a4_user)
        snprintf(typed, sizeof typed, " (a\xCE\\4\xCEr = %.2lf cm vorgegeben)", si->a4);
    switch (si->connection_kind) {
    case CONN_SIDE_TIMBERS:
        Oli_Write_Text(file,
                       "%s = h/2 - max |y| = %.2lf - %.2lf = %.2lf cm im Mittelholz, "
                       "h\xCE\\s\xCEr/2 - max |y| = %.2lf - %.2lf = %.2lf cm in den "
                       "Seitenh\x94lzern%s",
                       a4, si->h / 2.0, y, si->h / 2.0 - y, si->h_s / 2.0, y, si->h_s / 2.0 - y,
                       typed);
        break;
    case CONN_INNER_PLATES:
    case CONN_OUTER_PLATES:
        Oli_Write_Text(file,
                       "%s = h/2 - max |y| = %.2lf - %.2lf = %.2lf cm vom Holzrand, "
                       "h\xCE\\p\xCEr/2 - max |y| = %.2lf - %.2lf = %.2lf cm vom Blechrand%s",
                       a4, si->h / 2.0, y, si->h / 2.0 - y, si->h_p / 2.0, y, si->h_p / 2.0 - y,
                       typed);
        break;
    default:
        Oli_Write_Text(file, "%s = h/2 - max |y| = %.2lf - %.2lf = %.2lf cm%s", a4, si->h / 2.0, y,
                       si->h / 2.0 - y, typed);
        break;
    }
}

/*
** The present end distances where the user chose a1, a3 or the plates' e1: from the joint and
** from the end of the side timbers, the plates or the lap, and how the user's a1 and length give
** them: the room that the length leaves beyond the columns goes to the end distances
** (Lay_Out_Pattern). A user's a3 or e1 is named as typed.
*/
static void Write_Present_End_Line(FILE *file)
{
    const Splice_Input_Record *si = &Splice_Input;
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    const int kind = si->connection_kind;
    const bool plates = kind == CONN_INNER_PLATES || kind == CONN_OUTER_PLATES;
    const bool lap = kind == CONN_LAP;
    const int n_c = (int)Splice_N_Col(si);
    const int t = si->vbm_type;
    const bool grouped = t >= VBM_TYPE_FIRST && t <= VBM_TYPE_LAST && si->grouped[VBM_TYPE_SLOT(t)];
    const bool user_a1 = si->a1_user && n_c >= 2 && !grouped;
    if (fp->count <= 0 || (!user_a1 && !si->a3_user && !(plates && si->e1_user))) return;
    double min_x = fp->recs[0].x, max_x = fp->recs[0].x;
    for (int i = 0; i < fp->count; i++) {
        min_x = std::fmin(min_x, fp->recs[i].x);
        max_x = std::fmax(max_x, fp->recs[i].x);
    }
    const double near = lap ? si->L / 2.0 + min_x : min_x, far = si->L / 2.0 - max_x;
    /* named as the layout page names the fields, in the runs without an annex too */
    const char *a3 = "a\xCE\\3";
    const char *e1 = "e\xCE\\1";
    char text[480];
    if (plates)
        snprintf(text, sizeof text,
                 "%s,vorh\xCEr = %.2lf cm am Sto\xE1, %s,vorh\xCEr = %.2lf cm am "
                 "Blechende",
                 a3, near, e1, far);
    else if (std::fabs(near - far) < 5e-7)
        snprintf(text, sizeof text, "%s,vorh\xCEr = %.2lf cm %s", a3, near,
                 lap ? "an beiden Enden des Blattes"
                     : "am Sto\xE1 und am Ende der Seitenh\x94lzer");
    else
        snprintf(text, sizeof text, "%s,vorh\xCEr = %.2lf cm %s, %.2lf cm %s", a3, near,
                 lap ? "am einen Ende des Blattes" : "am Sto\xE1", far,
                 lap ? "am anderen" : "am Ende der Seitenh\x94lzer");
    std::string line = text;
    if (si->a3_user) {
        snprintf(text, sizeof text, " (%s\xCEr = %.2lf cm vorgegeben)", a3, si->a3);
        line += text;
    }
    if (plates && si->e1_user) {
        snprintf(text, sizeof text, " (%s\xCEr = %.2lf cm vorgegeben)", e1, si->e1);
        line += text;
    }
    if (user_a1) {
        /* what the columns a1 apart leave of the half (the lap: of its length) to both ends */
        const double room = (lap ? si->L : si->L / 2.0) - (n_c - 1) * si->a1;
        const char *ends = plates ? "%s,vorh\xCEr + %s,vorh\xCEr" : "2 %s,vorh\xCEr";
        char sum[64];
        snprintf(sum, sizeof sum, ends, a3, e1);
        snprintf(text, sizeof text,
                 ": %s = %s - (n\xCE\\c\xCEr - 1) a\xCE\\1\xCEr = %.2lf - %d x %.2lf = %.2lf cm, "
                 "die Spalten im vorgegebenen Abstand a\xCE\\1\xCEr%s",
                 sum, lap ? "L" : "L / 2", lap ? si->L : si->L / 2.0, n_c - 1, si->a1, room,
                 plates ? ""
                 : lap  ? " mittig im Blatt"
                        : " mittig in der Sto\xE1h\x84lfte");
        line += text;
    }
    Oli_Write_Text(file, "%s", line.c_str());
}

int Oli_Systemdarstellung(FILE *file)
{
    const Splice_Input_Record *si = &Splice_Input;
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    const int type = si->vbm_type;

    /* 1. densities */
    const double rho_side = Density(si->mat_side, si->grade_side, si->t_s);
    const double rho_mid = Density(si->mat_mid, si->grade_mid, si->b);

    /* 2.-5. headings, members, clamp bolts, block shear */
    Oli_Write_Heading(file, 1, "Systemdarstellung");
    Oli_Write_Heading(file, 2, "Statische Werte und konstruktive Randbedingungen");
    Write_Members(file, rho_side, rho_mid);
    if (Is_Big_Connector_Multi()) {
        if (Nad_Params != nullptr)
            Oli_Write_Text(
                file, "%s",
                "An den Enden der Seitenhölzer sollten zusätzliche Klemmbolzen angeordnet werden"_cp850);
        else
            Oli_Write_Text(
                file, "%s",
                "Gemäß DIN 1052, 13.3.1 (8) sind an den Enden der Seitenhölzer zusätzliche Klemmbolzen anzuordnen"_cp850);
    }
    /* the material of the middle member is named above already, also where block shear is
    ** checked */
    const double n_row = Splice_N_Row(si);
    const double n_col = Splice_N_Col(si);

    /* 6.-7. the least spacings as the validation enforced them: a1 and a3 at the smallest
    ** force-to-grain angle, a2 and a4 at the largest, and a3,c at the largest too where it is
    ** larger there, in the timber the fasteners pass through, with the plates' limits
    ** (EN 1993-1-8, table 3.3); DIN 1052 (Bild 41) names the end distances a1,t and a1,c and the
    ** edge distances a2,t and a2,c, as the sketch below does */
    const double a3c_alpha = Least_A3c_Angle(fp->min_alpha_1, fp->min_alpha_2);
    const bool a3c_at_max = a3c_alpha != fp->min_alpha_1;
    const char *at_min, *at_max;
    if (Nad_Params != nullptr) {
        at_min = a3c_at_max ? "a\xCE\\1\xCEr, a\xCE\\3,t\xCEr" : "a\xCE\\1\xCEr, a\xCE\\3\xCEr";
        at_max = a3c_at_max ? "a\xCE\\2\xCEr, a\xCE\\3,c\xCEr, a\xCE\\4\xCEr"
                            : "a\xCE\\2\xCEr, a\xCE\\4\xCEr";
    } else {
        at_min = a3c_at_max ? "a\xCE\\1\xCEr, a\xCE\\1,t\xCEr"
                            : "a\xCE\\1\xCEr, a\xCE\\1,t\xCEr, a\xCE\\1,c\xCEr";
        at_max = a3c_at_max ? "a\xCE\\2\xCEr, a\xCE\\1,c\xCEr, a\xCE\\2,t\xCEr, a\xCE\\2,c\xCEr"
                            : "a\xCE\\2\xCEr, a\xCE\\2,t\xCEr, a\xCE\\2,c\xCEr";
    }
    Oli_Write_Text(file,
                   "min %s = %.1lf \xF8 (%s), max %s = %.1lf \xF8 (%s) aller Lastkombinationen => "
                   "minimale einzuhaltende Abstände"_cp850,
                   "\xBA", fp->min_alpha_1 * 180.0 / PI, at_min, "\xBA",
                   fp->min_alpha_2 * 180.0 / PI, at_max);
    double v[6], raw[6];
    Calc_Least_Spacings(fp->min_alpha_1, fp->min_alpha_2, v, raw);
    Write_Least_Spacings(file, v, raw);
    Write_A3c_Angle_Line(file, a3c_alpha, a3c_at_max, v[3]);
    Write_Connector_Spacing_Lines(file, fp->min_alpha_1, fp->min_alpha_2, a3c_alpha);
    const bool plates =
        si->connection_kind == CONN_INNER_PLATES || si->connection_kind == CONN_OUTER_PLATES;
    if (plates && si->h - si->h_p > 0.0) Write_Plate_Edge_Line(file, raw, v);
    Write_Along_Grain_Edge_Line(file, v);
    Write_Present_Edge_Line(file);

    /* 8. present spacings */
    const int slot = type >= VBM_TYPE_FIRST && type <= VBM_TYPE_LAST ? VBM_TYPE_SLOT(type) : 0;
    const double a1v = std::fabs(fp->a1_actual);
    const double a2v = std::fabs(fp->a2_actual);
    /* the user's a1 and a2 are the pattern's, and so named */
    const char *a1_typed = si->a1_user ? " (vorgegeben)" : "";
    const char *a2_typed = si->a2_user ? " (vorgegeben)" : "";
    if (si->layout[slot] == LAYOUT_STAGGERED && n_row > 1.0) {
        /* a1 is the spacing within a row, as the least a1 and the length take it, the columns
        ** standing half of it apart; the rows stand half of a2 apart: a2 is kept between the
        ** rows of the same positions, every second row, as the validation compares it with the
        ** least a2 */
        if (n_col > 1.0)
            Oli_Write_Text(
                file,
                "a\xCE\\1,vorh\xCEr = %.2lf cm%s %c a\xCE\\1\xCEr = %.2lf cm: versetzt gilt "
                "a\xCE\\1\xCEr in einer Reihe, benachbarte Spalten a\xCE\\1,vorh\xCEr / 2 "
                "= %.2lf cm",
                a1v, a1_typed, Oli_Compare_Sign_Exact(a1v, v[0], 2), v[0], a1v / 2.0);
        Oli_Write_Text(file,
                       "a\xCE\\2,vorh\xCEr = %.2lf cm%s %c a\xCE\\2\xCEr = %.2lf cm: versetzt "
                       "gilt a\xCE\\2\xCEr zwischen den Reihen gleicher Lage (jede zweite Reihe), "
                       "benachbarte Reihen a\xCE\\2,vorh\xCEr / 2 = %.2lf cm",
                       a2v, a2_typed, Oli_Compare_Sign_Exact(a2v, v[1], 2), v[1], a2v / 2.0);
    } else if (n_col > 1.0 && n_row > 1.0) {
        Oli_Write_Text(file, "a\xCE\\1,vorh\xCEr = %.2lf cm%s, a\xCE\\2,vorh\xCEr = %.2lf cm%s",
                       a1v, a1_typed, a2v, a2_typed);
    } else if (n_col > 1.0) {
        Oli_Write_Text(file, "a\xCE\\1,vorh\xCEr = %.2lf cm%s", a1v, a1_typed);
    } else if (n_row > 1.0) {
        Oli_Write_Text(file, "a\xCE\\2,vorh\xCEr = %.2lf cm%s", a2v, a2_typed);
    }
    Write_Present_End_Line(file);

    /* 9. polar moment and centroid */
    Oli_Write_Text(file, "Polares Trägheitsmoment I\xCE\\p\xCEr = %.2lf cm\xCE/2\xCEr"_cp850,
                   fp->I_p);
    Oli_Write_Text(
        file,
        "Schwerpunkt der Verbindungsmittel S bei x\xCE\\s\xCEr = %.2lf cm, y\xCE\\s\xCEr = %.2lf cm "
        "(x %s, y von der Holzachse gemessen)",
        fp->x_c, fp->y_c,
        si->connection_kind == CONN_LAP ? "von der Mitte des Blattes" : "vom Sto\xE1");
    /* alternately driven: each side's plane carries its share with its own fasteners */
    Vbm_Side sides[2];
    if (Vbm_Sides_Matter(sides)) {
        Oli_Write_Text(file, "Wechselseitig eingeschlagen: jede Seite (rechts und links wie im "
                             "Schnitt quer) tr\x84gt mit ihren eigenen Verbindungsmitteln um deren "
                             "Schwerpunkt");
        const int fewer = sides[0].n <= sides[1].n ? 0 : 1;
        for (int k : {fewer, 1 - fewer})
            Oli_Write_Text(file,
                           "%s mit %d von %d: I\xCE\\p\xCEr = %.2lf cm\xCE/2\xCEr, "
                           "S bei x\xCE\\s\xCEr = %.2lf cm, y\xCE\\s\xCEr = %.2lf cm",
                           Vbm_Side_Name(k, 1), sides[k].n, fp->count, sides[k].I_p, sides[k].x_c,
                           sides[k].y_c);
    }

    /* 10.-13. sketch, coordinates, drawings */
    const uint32_t sw = si->print.sections;
    if (Bit_Is_Set(sw, 5)) {
        if (Nad_Params != nullptr) Oli_Draw_Spacing_Sketch_A3_A4(file, 1, 0.1);
        else Oli_Draw_Spacing_Sketch_A1_A2(file, 1, 0.1);
    }
    if (Bit_Is_Set(sw, 0) && file != nullptr) Write_Coordinates(file);
    Oli_Write_Text(file, "  ");
    if (Bit_Is_Set(sw, 2)) Plot_Ansicht_01(file);
    if (Bit_Is_Set(sw, 3)) Plot_Laengsschnitt_02(file);
    if (Bit_Is_Set(sw, 4)) Plot_Querschnitt_03(file);
    return 0;
}
