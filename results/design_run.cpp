/*
** The design run over the combinations: fasteners, timber members and, for plate connections,
** block shear, plates and plate holes of every valid combination; the
** governing combination, the utilisation list of the utilisation page and the summary of the
** print list; the error boxes of the design errors a run found, which its caller shows.
*/
#include "results/splice_checks.h"
#include "results/run_cache.h"
#include "results/calc_cache.h"
#include "results/splice_calc.h"
#include "results/print_list.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "design/design.h"
#include "dialogs/dialogs.h"
#include "foundation/foundation.h"
#include "nad/nad.h"
#include "platform/zelkwin.h"
#include "printlist/printlist.h"

/* The embedment of a bolt that is not fitted, taken with its hole. */
#define HOLE_EMBEDMENT                                                                      \
    " (mit dem Lochdurchmesser d + 1 mm = %.0lf mm statt d: Annahme des Programms auf der " \
    "sicheren Seite)"

Governing_Lkom_Rec Governing_Lkom = {-1, -1};

/* The view area the utilisation page last drew, and its rectangle. */
static int Page_Area = -1;
static int Page_Rect[4] = {0, 0, 0, 0};

void Set_Utilisation_Page_Area(int area, int x0, int y0, int x1, int y1)
{
    Page_Area = area;
    Page_Rect[0] = x0;
    Page_Rect[1] = y0;
    Page_Rect[2] = x1;
    Page_Rect[3] = y1;
}

/* ---------------------------------------------------------------- error box */

/* The error codes of the fastener design that the last run found, in order. */
static std::vector<int> Run_Errors;

int Run_Error_Count(void) { return (int)Run_Errors.size(); }
const int *Run_Error_Codes(void) { return Run_Errors.data(); }

void Set_Run_Errors(const int *codes, int n) { Run_Errors.assign(codes, codes + (n > 0 ? n : 0)); }

std::vector<std::string> Wrapped_Lines(const char *text, int width,
                                       int (*measure)(const char *text, int font), int font)
{
    std::vector<std::string> lines;
    std::string rest = text ? text : "";
    const auto fits = [&](size_t n) { return measure(rest.substr(0, n).c_str(), font) <= width; };
    while (!rest.empty()) {
        size_t cut = rest.size();
        if (!fits(cut)) {
            size_t colon = rest.rfind(": ");
            while (colon != std::string::npos && colon > 0 && !fits(colon + 1))
                colon = rest.rfind(": ", colon - 1);
            if (colon != std::string::npos && colon > 0) cut = colon + 1;
        }
        while (!fits(cut)) {
            const size_t blank = rest.rfind(' ', cut - 1);
            if (blank == std::string::npos || blank == 0) break;
            cut = blank;
        }
        lines.push_back(rest.substr(0, cut));
        rest.erase(0, cut);
        while (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
    }
    return lines;
}

std::vector<std::string> Refusal_Lines(const char *text, int font, int width)
{
    return Wrapped_Lines(text, width, Text_Width_In_Font, font);
}

/* Add the text centred at (x, y) to view area `area` in a box of a refusal: red frame, a pale red
** face and the text in the red that every refusal on the pages is written in; a text wider than
** the area in lines 20 pixels apart (Refusal_Lines), the first on y. */
void Show_Error_Box_At(int area, int x, int y, const char *text)
{
    /* looked up each time: the palette may have been rebuilt since the last box */
    const int pale = Nearest_RGB_Color(255, 232, 232);
    if (text == nullptr) text = "unbekannter Fehler";
    const int font = 0x11000;
    const int room =
        area >= 0 && area < SVA_MAX_AREAS ? SVA_Areas[area].x2 - SVA_Areas[area].x1 : 0;
    const std::vector<std::string> lines =
        Refusal_Lines(text, font, room > 100 ? room - 60 : 1 << 20);
    int w = 0;
    for (const std::string &line : lines) w = std::max(w, Text_Width_In_Font(line.c_str(), font));
    const int left = x - w / 2, below = 20 * ((int)lines.size() - 1);
    SVA_Add_Filled_Rect(area, left - 15, y - 19, left + w + 15, y + below + 11, RED_CI);
    SVA_Add_Filled_Rect(area, left - 10, y - 14, left + w + 10, y + below + 6, pale);
    for (size_t k = 0; k < lines.size(); k++)
        SVA_Add_Text(area, left, y + 20 * (int)k, lines[k].c_str(), font, RED_CI, 0);
}

Mm_Text Mm_Of(double v)
{
    Mm_Text m;
    snprintf(m.t, sizeof m.t, std::fabs(v - std::round(v)) < 0.05 ? "%.0f" : "%.1f", v);
    return m;
}

Mm_Text Mm_Least(double mm) { return Mm_Digits(std::ceil(mm * 10.0 - 1e-6) / 10.0, 1); }

Mm_Text Mm_Digits(double v, int decimals)
{
    int k = 0;
    for (double scale = 1.0; k < decimals && std::fabs(v - std::round(v * scale) / scale) >= 1e-6;
         scale *= 10.0)
        k++;
    Mm_Text m;
    snprintf(m.t, sizeof m.t, "%.*lf", k, v);
    return m;
}

/* A length in mm as the input shows it: whole millimetres, or one decimal. */
static std::string Mm(double v) { return Mm_Of(v).t; }

const char *Get_Refusal_Text(int code)
{
    static char text[4096]; /* 4 distances of Refusal_Distance_Text and their "; " */
    const char *why = Get_Error_Text(code);
    const std::string why_shown = why ? Splice_Error_Text(why, code) : "";
    if (why) why = why_shown.c_str();
    /* the rows' count in the word of its field ("Reihen n_r"), not "Zeilen" beside it */
    std::string rows_why;
    if (why != nullptr && code == DERR_STAGGERED_ROWS_ODD) {
        rows_why = why;
        const size_t at = rows_why.find("Zeilen");
        if (at != std::string::npos) rows_why.replace(at, 6, "Reihen");
        why = rows_why.c_str();
    }
    const Splice_Input_Record *si = &Splice_Input;
    const double joint_mm = 10.0 * Splice_Joint_Thickness();
    if (code == DERR_LENGTH_TOO_SMALL && Is_Vbm_Dowel_Or_Bolt(si->vbm_type) && si->l < joint_mm) {
        /* the length of the dowel or bolt, mm, against the joint it passes through, cm */
        snprintf(text, sizeof text, "%s: l = %s mm < erforderlich %s mm", why ? why : "",
                 Mm(si->l).c_str(), Mm(joint_mm).c_str());
        return text;
    }
    double have = 0.0, least = 0.0;
    if (why != nullptr && code == DERR_STAPLE_PENETRATION_LEAST
        && Staple_Least_Penetration(&have, &least)) {
        /* the staples' point-side penetration against the least one, both in mm */
        snprintf(text, sizeof text, "%s: t2 = %s mm < %.0f d = %.0f x %s = %s mm", why,
                 Mm(have).c_str(), least / si->d, least / si->d, Mm(si->d).c_str(),
                 Mm(least).c_str());
        return text;
    }
    double most = 0.0;
    if (code == DERR_CONNECTOR_BOLT_OUTSIDE_ROW && Connector_Bolt_Range(&have, &least, &most)) {
        /* the bolt chosen against the smallest or largest one of the connector's row */
        const bool below = have < least;
        snprintf(text, sizeof text,
                 "Bolzen M %.0f %s Bolzen M %.0f für %s d_c = %s mm: Bolzen M %.0f bis M %.0f "
                 "wählen (%s)"_cp850,
                 have, below ? "< kleinster" : "> größter"_cp850, below ? least : most,
                 Splice_Vbm_Name(), Mm(si->d).c_str(), least, most,
                 Nad_Params == nullptr                ? "EN 912"
                 : Is_Vbm_Toothed_Plate(si->vbm_type) ? "EN 912, DIN EN 1995-1-1, 8.10"
                                                      : "EN 912, DIN EN 1995-1-1, 8.9");
        return text;
    }
    if (code == DERR_NO_SINGLE_SIDED_COUNTERPART) {
        /* the size the plate asks for, by both names */
        const bool c10 = si->vbm_type == VBM_SCHEIBENDUEBEL_C10;
        const std::string dc = Mm(Get_Connector_Value(si->vbm_type, si->connector_index, "dc"));
        snprintf(text, sizeof text,
                 "Kein einseitiger Scheibendübel %s d_c = %s mm im Katalog, der am Stahlblech "
                 "statt des zweiseitigen %s d_c = %s mm einzubauen ist: Scheibendübel C2 oder C11 "
                 "des Katalogs wählen (%s)"_cp850,
                 c10 ? "C11" : "C2", dc.c_str(), c10 ? "C10" : "C1", dc.c_str(),
                 Nad_Params != nullptr ? "EN 912, DIN EN 1995-1-1, 8.10" : "EN 912");
        return text;
    }
    if (code == DERR_WASHER_BELOW_3D && Bolt_Washer_Least(&have, &least)) {
        /* in the words of the input fields' limits, with the bolt it is taken from */
        snprintf(text, sizeof text,
                 "Scheibendurchmesser darf den Wert %s nicht unterschreiten: d = %s mm < 3 d = "
                 "3 x %s = %s mm (%s)",
                 Mm(least).c_str(), Mm(si->washer_d).c_str(), Mm(have).c_str(), Mm(least).c_str(),
                 Nad_Params != nullptr ? "DIN EN 1995-1-1, 10.4.3" : "3 d des Bolzens");
        return text;
    }
    Unchecked_Loads left_out;
    char note[320];
    if (why != nullptr && code == DERR_NO_VALID_COMBINATION && Get_Unchecked_Loads(&left_out)
        && Unchecked_Load_Line(&left_out, UNCHECKED_OTHER_SIGN, 0, note, sizeof note)) {
        /* combinations were entered, but none of the sign this splice checks: name them */
        const char *mark = "Wichtig! ";
        const char *what = strncmp(note, mark, strlen(mark)) == 0 ? note + strlen(mark) : note;
        snprintf(text, sizeof text, "%s: %s", why, what);
        return text;
    }
    const Spacing_Refusal *r = &Fastener_Pattern.refusal;
    if (code == DERR_GROUPED_COLUMNS_EVEN && r->code == code) {
        /* too few columns for two groups per half: the count, not its parity */
        snprintf(text, sizeof text,
                 "Zu wenige Spalten f\x81r die gruppierte Anordnung: n_c = %.0f < erforderlich "
                 "%.0f (zwei Gruppen je Sto\xE1h\x84lfte mit je mindestens 2 Spalten)",
                 r->value, r->required);
        return text;
    }
    if (why != nullptr && code >= DERR_PRESSED_C1_HARDWOOD && code <= DERR_PRESSED_C11_HARDWOOD
        && r->code == code) {
        /* the hardwood members, with the rule of the toothed plates */
        std::string head(why);
        while (!head.empty() && head.back() == ' ') head.pop_back();
        snprintf(text, sizeof text, "%s (%s): %s", head.c_str(),
                 Nad_Params != nullptr ? "DIN EN 1995-1-1, 8.10 mit DIN EN 1995-1-1/NA"
                                       : "DIN 1052",
                 r->how);
        return text;
    }
    if (why != nullptr && code == DERR_STAGGERED_ROWS_ODD && r->code == code && r->odd) {
        /* an even count of rows, in the words of its field, with the odd counts beside it */
        if (r->value < 3.0)
            snprintf(text, sizeof text, "%s Reihen n_r = %.0f ist gerade: n_r = 3 w\x84hlen", why,
                     r->value);
        else
            snprintf(text, sizeof text,
                     "%s Reihen n_r = %.0f ist gerade: n_r = %.0f oder %.0f w\x84hlen", why,
                     r->value, r->value - 1.0, r->value + 1.0);
        return text;
    }
    if (why != nullptr && code == DERR_STAGGERED_ROWS_ODD && r->code == code) {
        /* a single row, which is odd but has no rows to stagger against */
        snprintf(text, sizeof text,
                 "Versetzte Anordnung mit nur einer Reihe: Reihen n_r = %.0f < erforderlich %.0f "
                 "(versetzt stehen die Verbindungsmittel benachbarter Spalten in abwechselnden "
                 "Reihen)",
                 r->value, r->required);
        return text;
    }
    if (why != nullptr
        && (code == DERR_NAIL_NEEDS_PREDRILLING || code == DERR_SCREW_NEEDS_PREDRILLING)
        && r->code == code) {
        /* the member (with its density for nails), or the fasteners' diameter */
        std::string head(why);
        while (!head.empty() && head.back() == ' ') head.pop_back();
        snprintf(text, sizeof text, "%s: %s", head.c_str(), r->how);
        return text;
    }
    if (why != nullptr && r->code == code) {
        /* the distance the layout does not keep, with what the rules ask of it, and every
        ** further one of the same layout beside it */
        std::string all = Refusal_Distance_Text(r);
        const int also = std::min((int)Fastener_Pattern.refusal_also_count, REFUSAL_ALSO_MAX);
        for (int k = 0; k < also; k++)
            all += "; " + Refusal_Distance_Text(&Fastener_Pattern.refusal_also[k]);
        snprintf(text, sizeof text, "%s", all.c_str());
        return text;
    }
    snprintf(text, sizeof text, "%s", why ? why : "unbekannter Fehler");
    return text;
}

/* Show the text of a design error code in a view area (area < 0: the utilisation page's). */
void Show_Error_Code(int area, int x0, int y0, int x1, int y1, int code)
{
    if (code == 0) return;
    if (area < 0) {
        if (Page_Area < 0) return;
        area = Page_Area;
        x0 = Page_Rect[0];
        y0 = Page_Rect[1];
        x1 = Page_Rect[2];
        y1 = Page_Rect[3];
    }
    Show_Error_Box_At(area, (x0 + x1) / 2, (y0 + y1) / 2, Get_Refusal_Text(code));
}

void Show_Run_Errors(void)
{
    for (int code : Run_Errors) Show_Error_Code(-1, -1, -1, -1, -1, code);
}

/* ---------------------------------------------------------------- the run */

/* Factor on f_m,k of an edgewise-bent glulam member (NCI to 3.3 (NA.6)). */
static double Bending_Factor(int mat, int edgewise)
{
    if (Nad_Params != nullptr && Nad_Params->variant != 0 && Is_Mat_Glulam(mat) && edgewise)
        return 1.2;
    return 1.0;
}

typedef struct Design_Strengths {
    double ft, fm, fc, fv;         /* N/mm² */
    double ft_k, fm_k, fc_k, fv_k; /* N/mm², characteristic (f_m,k with its factor) */
    double kmod, gamma;
    int32_t panel; /* 1: a panel's values in its plane */
} Design_Strengths;

static Design_Strengths Member_Design_Strengths(int mat, int grade, double h, double b, double kmod,
                                                double gamma, double fm_factor)
{
    double fm = 0, ft = 0, fc = 0, fv = 0, fc90 = 0;
    Get_Mat_Strengths(/*group=*/mat, /*grade=*/grade, /*use=*/1, /*kind=*/Member_Strength_Kind(mat),
                      /*width=*/h * 10.0, /*depth=*/b * 10.0, /*f_m_k=*/&fm, /*f_t_k=*/&ft,
                      /*f_c_k=*/&fc, /*f_v_k=*/&fv, /*f_c90_k=*/&fc90, /*k_h=*/nullptr);
    Design_Strengths s{};
    s.ft_k = ft / 1000.0;
    s.fm_k = fm * fm_factor / 1000.0;
    s.fc_k = fc / 1000.0;
    s.fv_k = fv / 1000.0;
    s.kmod = kmod;
    s.gamma = gamma;
    s.panel = Is_Mat_Wood_Panel(mat);
    if (gamma > 0.0) {
        s.ft = ft * kmod / 1000.0 / gamma;
        s.fm = fm * fm_factor * kmod / 1000.0 / gamma;
        s.fc = fc * kmod / 1000.0 / gamma;
        s.fv = fv * kmod / 1000.0 / gamma;
    }
    return s;
}

static void Write_Strength_Line(FILE *file, const char *prefix, const Design_Strengths *s)
{
    /* the characteristic strengths and the factors the design values come from */
    Oli_Write_Text(file,
                   "%sf\xCE\\t,0,k\xCEr = %.2lf N/mm\xCE/2\xCEr, f\xCE\\m,k\xCEr = %.2lf N/mm\xCE/2"
                   "\xCEr, f\xCE\\"
                   "c,0,k\xCEr = %.2lf N/mm\xCE/2\xCEr, f\xCE\\v,k\xCEr = %.2lf N/mm\xCE/2\xCEr, "
                   "k\xCE\\mod\xCEr = %.2lf, %s\xCE\\M\xCEr = %.2lf%s",
                   prefix, s->ft_k, s->fm_k, s->fc_k, s->fv_k, s->kmod, SYM_GAMMA, s->gamma,
                   s->panel ? Panel_In_Plane_Note : "");
    Oli_Write_Text(file,
                   "%sf\xCE\\t,d\xCEr = %.2lf N/mm\xCE/2\xCEr, f\xCE\\m,d\xCEr = %.2lf N/mm\xCE/2"
                   "\xCEr, f\xCE\\"
                   "c,d\xCEr = %.2lf N/mm\xCE/2\xCEr, f\xCE\\v,d\xCEr = %.2lf N/mm\xCE/2\xCEr",
                   prefix, s->ft, s->fm, s->fc, s->fv);
}

/*
** k1 of a ring, shear-plate or toothed-plate connector as its design takes it, with each timber
** member that holds connectors by its faces (Connector_Member_Faces; EN 1995-1-1, 8.9(2), 8.10):
** k1 = min(1; t1 / (3 h_e); t2 / (5 h_e)), t1 a member with connectors in one face, t2 one with
** them in both, each term at least 24 mm. Writes the formula with its values and the line that
** names the members. Lengths in mm.
*/
static void Write_Connector_K1(FILE *file, const Connection_Input *in, double he, double k1)
{
    struct Term {
        int faces;
        double t;
        const char *name;
    } terms[2] = {};
    int n = 0;
    if (Is_Mat_Metal_Plate(in->mat_2) && in->lamellas_between_plates) {
        terms[n++] = {1, in->t1, "der äußeren Lamelle neben einem Blech"_cp850};
        terms[n++] = {2, in->t1, "der Lamelle zwischen zwei Blechen"};
    } else if (Is_Mat_Metal_Plate(in->mat_2)) {
        terms[n++] = {Connector_Member_Faces(in, 1), in->t1, "der Lamelle neben dem Blech"};
    } else if (Is_Mat_Metal_Plate(in->mat_1)) {
        terms[n++] = {Connector_Member_Faces(in, 2), in->t2,
                      "des Mittelholzes zwischen den Blechen"};
    } else if (Connector_Member_Faces(in, 2) == 1) {
        terms[n++] = {1, in->t1, "jeder Blatthälfte b / 2"_cp850}; /* a lap: two alike halves */
    } else {
        terms[n++] = {Connector_Member_Faces(in, 1), in->t1, "des Seitenholzes"};
        terms[n++] = {Connector_Member_Faces(in, 2), in->t2, "des Mittelholzes"};
    }
    std::string formula, values, names;
    for (int k = 0; k < n; k++) {
        const Term &m = terms[k];
        const char *sym = m.faces == 2 ? "t\xCE\\2\xCEr" : "t\xCE\\1\xCEr";
        const int f = m.faces == 2 ? 5 : 3;
        char part[160];
        snprintf(part, sizeof part, "; %s / max(%d h\xCE\\e\xCEr; 24 mm)", sym, f);
        formula += part;
        snprintf(part, sizeof part, "; %s / max(%d x %s; 24)", Mm_Digits(m.t, 2).t, f,
                 Mm_Digits(he, 3).t);
        values += part;
        snprintf(part, sizeof part, "%s%s = Dicke %s (Dübel in %s)"_cp850, k > 0 ? ", " : "", sym,
                 m.name, m.faces == 2 ? "beiden Flächen"_cp850 : "einer Fläche"_cp850);
        names += part;
    }
    Oli_Write_Text(file, "%s (DIN EN 1995-1-1, %s): k\xCE\\1\xCEr = min(1%s) = min(1%s) = %.2lf",
                   "Dübel"_cp850, Is_Vbm_Toothed_Plate(in->vbm_type) ? "8.10" : "8.9",
                   formula.c_str(), values.c_str(), k1);
    Oli_Write_Text(file, "mit %s", names.c_str());
}

/*
** The factors of a ring, shear-plate or toothed-plate connector with their operands, as its design
** takes them (EN 1995-1-1, 8.9, 8.10): k1 of the thicknesses, k2 of the loaded end, k3 of the
** density (and k_alpha of a ring's angle); a toothed plate's resistance from them. The design takes
** k2 = 1: the layout keeps a3,t at least 2 d_c (rings, C10, C11) or 1.5 d_c (C1, C2, C5), and an
** end that is not loaded (a compression splice) has k2 = 1. Lengths in mm.
*/
static void Write_Connector_Factors(FILE *file, const Connection_Input *in)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int type = in->vbm_type;
    const bool toothed = Is_Vbm_Toothed_Plate(type);
    Connection_Result res{};
    Design_Connection(*in, &res);
    const double he = Get_Connector_Value(type, in->vbm_row, "he");
    const double dc = toothed ? Get_Vbm_Diameter(type, in->vbm_row) : in->d;
    const bool plate1 = Is_Mat_Metal_Plate(in->mat_1), plate2 = Is_Mat_Metal_Plate(in->mat_2);
    Write_Connector_K1(file, in, he, res.k_1);
    /* k2 with the least loaded end distance that the layout keeps */
    const double f_end =
        toothed && type != VBM_SCHEIBENDUEBEL_C10 && type != VBM_SCHEIBENDUEBEL_C11 ? 1.5 : 2.0;
    char k2[128];
    if (si->splice_kind == SPLICE_COMPRESSION) {
        snprintf(k2, sizeof k2, "k\xCE\\2\xCEr = 1.00 (unbelastetes Ende)");
    } else {
        double v[6], raw[6];
        Calc_Least_Spacings(Fastener_Pattern.min_alpha_1, Fastener_Pattern.min_alpha_2, v, raw);
        snprintf(k2, sizeof k2,
                 "k\xCE\\2\xCEr = min(1; a\xCE\\3,t\xCEr / (%g d\xCE\\c\xCEr)) = min(1; %s / %s) = "
                 "%.2lf",
                 f_end, Mm(10.0 * v[2]).c_str(), Mm(f_end * dc).c_str(),
                 std::fmin(1.0, 10.0 * v[2] / (f_end * dc)));
    }
    const double rho = plate1 ? res.rho_2 : plate2 ? res.rho_1 : std::fmin(res.rho_1, res.rho_2);
    const double k3_max = toothed ? 1.5 : 1.75;
    char k3[128];
    snprintf(k3, sizeof k3,
             "k\xCE\\3\xCEr = min(%g; %s\xCE\\k\xCEr / 350) = min(%g; %.0lf / 350) = %.2lf", k3_max,
             SYM_RHO, k3_max, rho, res.k_3);
    if (toothed) {
        Oli_Write_Text(file, "%s, %s", k2, k3);
        const double f = in->result_in_kN ? 1.0 : 0.001;
        const double base = Toothed_Plate_Base_Factor(type);
        Oli_Write_Text(file,
                       "R\xCE\\c,k\xCEr = %g k\xCE\\1\xCEr k\xCE\\2\xCEr k\xCE\\3\xCEr "
                       "d\xCE\\c\xCEr\xCE/1.5\xCEr = %g x %.2lf x 1.00 x %.2lf x %s\xCE/1.5\xCEr = "
                       "%.4lf kN",
                       base, base, res.k_1, res.k_3, Mm(dc).c_str(), res.rk_connector * f);
        return;
    }
    /* a shear plate bears with its back on the steel plate: the connector's term takes k4 = 1.1
    ** under EN 1995 (8.9, steel-to-timber), 1.0 between timbers and under DIN 1052 */
    const bool steel = type == VBM_SCHEIBENDUEBEL_B1 && (plate1 || plate2);
    const double k4 = steel && Nad_Params != nullptr ? 1.1 : 1.0;
    char k4_text[64] = "";
    if (steel) snprintf(k4_text, sizeof k4_text, ", k\xCE\\4\xCEr = %.2lf (Stahl-Holz)", k4);
    Oli_Write_Text(file, "%s, %s%s, k\xCE\\%s\xCEr = %.2lf", k2, k3, k4_text, SYM_ALPHA,
                   res.k_alpha);
    /* the connector's value from the factors (EN 1995-1-1, (8.61)); k2 = 1 by the layout */
    const double f = in->result_in_kN ? 1.0 : 0.001;
    const double shear = 35.0 * std::pow(dc, 1.5), block = 31.5 * dc * he;
    const double a = res.k_1 * res.k_3 * k4 * shear, b = res.k_1 * res.k_3 * block;
    Oli_Write_Text(file,
                   "F\xCE\\v,0,Rk\xCEr = min(k\xCE\\1\xCEr k\xCE\\2\xCEr k\xCE\\3\xCEr%s "
                   "35 d\xCE\\c\xCEr\xCE/1.5\xCEr; k\xCE\\1\xCEr k\xCE\\3\xCEr h\xCE\\e\xCEr "
                   "31.5 d\xCE\\c\xCEr) = min(%.3lf x 1.00 x %.3lf%s x 35 x %s\xCE/1.5\xCEr; %.3lf "
                   "x %.3lf x %s x 31.5 x %s) = %.4lf kN (Gl. (8.61))",
                   steel ? " k\xCE\\4\xCEr" : "", res.k_1, res.k_3,
                   steel ? Oli_Sprintf(" x %.2lf", k4) : "", Mm(dc).c_str(), res.k_1, res.k_3,
                   Mm(he).c_str(), Mm(dc).c_str(), std::fmin(a, b) / 1000.0);
    Oli_Write_Text(file,
                   "F\xCE\\v,%s,Rk\xCEr = k\xCE\\%s\xCEr F\xCE\\v,0,Rk\xCEr = %.3lf x %.4lf = "
                   "%.4lf kN",
                   SYM_ALPHA, SYM_ALPHA, res.k_alpha, std::fmin(a, b) / 1000.0,
                   res.rk_connector * f);
}

/* The strength lines of a group (written once per group). */
static void Write_Group_Strengths(FILE *file, int group, const Lkom_Entry *c,
                                  const Connection_Input *in, double f_mid, double f_side,
                                  double rho_side, double rho_mid)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int type = si->vbm_type, kind = si->connection_kind;
    const double d = si->d;
    const bool two_mats = kind == CONN_SIDE_TIMBERS
                          && (si->mat_side != si->mat_mid || si->grade_side != si->grade_mid);
    Oli_Write_Heading(file, 3, "%s", "Festigkeiten und Tragfähigkeiten"_cp850);
    /* the diameter of the design's embedment: the hole d + 1 mm of a bolt that is not fitted,
    ** where EN 1995-1-1, (8.32) takes d (f_h a little lower, on the safe side, and said so);
    ** a toothed-plate connector's bolt bears in the timber as a bolt of its own diameter */
    const bool toothed = Is_Vbm_Toothed_Plate(type);
    const double d_b = toothed ? in->d_bolt : d;
    const double d_h = ((type == VBM_BOLZEN || toothed) && !in->fitted_bolt) ? d_b + 1.0 : d_b;
    const double k90_m = Calc_K90(d_h, si->mat_mid), k90_s = Calc_K90(d_h, si->mat_side);
    /* each member's f_h,0,k by its own material, as the design takes it (Calc_Fh along the
    ** grain): 0.082 (1 - 0.01 d) rho_k in timber (EN 1995-1-1, (8.32)), the product's rule in
    ** LVL and boards */
    const int fh_type = toothed ? (int)VBM_BOLZEN : type;
    const double t_mid = kind == CONN_INNER_PLATES || kind == CONN_LAP ? in->t1 : in->t2;
    double fh_m = 0.0, fh_s = 0.0;
    Calc_Fh(&fh_m, d_h, fh_type, 1, 0.0, t_mid, rho_mid, si->mat_mid, si->grade_mid, nullptr);
    if (kind == CONN_SIDE_TIMBERS)
        Calc_Fh(&fh_s, d_h, fh_type, 1, 0.0, in->t1, rho_side, si->mat_side, si->grade_side,
                nullptr);
    char lead[160] = "";
    if (toothed)
        snprintf(lead, sizeof lead, "Bolzen M%.0lf%s: ", d_b,
                 d_h != d_b ? Oli_Sprintf(HOLE_EMBEDMENT, d_h) : "");
    auto embedment_lines = [&]() {
        if (kind == CONN_INNER_PLATES || kind == CONN_OUTER_PLATES) {
            char with_hole[128] = "";
            if (d_h != d_b && !toothed) snprintf(with_hole, sizeof with_hole, HOLE_EMBEDMENT, d_h);
            Oli_Write_Text(file,
                           "%sk\xCE\\"
                           "90\xCEr = %.2lf, f\xCE\\h,0,k\xCEr = %.2lf N/mm\xCE/2\xCEr%s",
                           lead, k90_m, fh_m, with_hole);
        } else if (kind == CONN_SIDE_TIMBERS && !two_mats) {
            Oli_Write_Text(file,
                           "%sk\xCE\\"
                           "90\xCEr = %.2lf, f\xCE\\h,0,k\xCEr = %.2lf N/mm\xCE/2\xCEr, %s"
                           " = %.2lf",
                           lead, k90_m, fh_m, SYM_RATIO, fh_s > 0 ? fh_m / fh_s : 0.0);
        } else if (kind == CONN_SIDE_TIMBERS) {
            if (toothed) Oli_Write_Text(file, "%.*s", (int)strlen(lead) - 1, lead);
            Oli_Write_Text(file,
                           "%s : k\xCE\\"
                           "90s\xCEr = %.2lf, f\xCE\\h,0,ks\xCEr = %.2lf N/mm\xCE/2"
                           "\xCEr, %s = %.2lf",
                           "Seitenhölzer"_cp850, k90_s, fh_s, SYM_RATIO,
                           fh_s > 0 ? fh_m / fh_s : 0.0);
            Oli_Write_Text(file,
                           "Mittelholz   : k\xCE\\"
                           "90m\xCEr = %.2lf, f\xCE\\h,0,km\xCEr = %.2lf "
                           "N/mm\xCE/2\xCEr",
                           k90_m, fh_m);
        }
    };
    if (Is_Vbm_Dowel_Or_Bolt(type)) {
        embedment_lines();
    } else if (Is_Vbm_Connector(type) && Nad_Params != nullptr) {
        /* the connector's factors at the group's conditions, a toothed plate's bolt embedment */
        Write_Connector_Factors(file, in);
        if (toothed) embedment_lines();
    } else if (type >= VBM_SCHEIBENDUEBEL_C1 && type <= VBM_SCHEIBENDUEBEL_C10) {
        /* k_rho, k_t and the connector part of the resistance at the group's conditions */
        Connection_Result res{};
        Design_Connection(*in, &res);
        const double f = in->result_in_kN ? 1000.0 : 1.0;
        Oli_Write_Text(file,
                       "k\xCE\\%s\xCEr = %.2lf, k\xCE\\t\xCEr = %.2lf => \xCE"
                       "bR\xCE\\ks\xCEr\xCE"
                       "b = %.2lf N",
                       SYM_RHO, res.k_3, res.k_1, res.rk_connector * f);
        embedment_lines();
    } else if (type == VBM_NAGEL && si->predrilled == 0) {
        /* the embedment strengths the design takes, by the member's material: timber
        ** EN 1995-1-1, eq. (8.15), a board eq. (8.20) or (8.22); a steel plate has none */
        Connection_Result res{};
        Design_Connection(*in, &res);
        if (Is_Mat_Metal_Plate(in->mat_1))
            Oli_Write_Text(file, "f\xCE\\2h,%s,k\xCEr = %.2lf N/mm\xCE/2\xCEr", SYM_ALPHA,
                           res.fh2_k);
        else
            Oli_Write_Text(file,
                           "f\xCE\\"
                           "1h,%s,k\xCEr = %.2lf N/mm\xCE/2\xCEr, f\xCE\\"
                           "2h,%s,k\xCEr = "
                           "%.2lf N/mm\xCE/2\xCEr",
                           SYM_ALPHA, res.fh1_k, SYM_ALPHA, res.fh2_k);
    } else if (type == VBM_RINGDUEBEL_A1) {
        /* the factors the resistance takes (EN 1995-1-1, 8.9): k_rho of the lower density of
        ** the two members, k_alpha at the governing fastener's angle, k_t of the thicknesses */
        Connection_Result res{};
        Design_Connection(*in, &res);
        Oli_Write_Text(file,
                       "k\xCE\\%s\xCEr = %.2lf, k\xCE\\%s\xCEr = %.2lf, k\xCE\\t\xCEr = %.2lf",
                       SYM_RHO, res.k_3, SYM_ALPHA, res.k_alpha, res.k_1);
    }
    double kmod_mid = 0.0, kmod_side = 0.0;
    Get_Group_Kmod(group, &kmod_mid, &kmod_side, nullptr);
    const Design_Strengths s_mid = Member_Design_Strengths(si->mat_mid, si->grade_mid, si->h, si->b,
                                                           kmod_mid, si->gamma_m_mid, f_mid);
    if (two_mats) {
        const Design_Strengths s_side = Member_Design_Strengths(
            si->mat_side, si->grade_side, si->h_s, si->t_s, kmod_side, si->gamma_m_side, f_side);
        Write_Strength_Line(file, "Seitenhölzer: "_cp850, &s_side);
        Write_Strength_Line(file, "Mittelholz: ", &s_mid);
    } else {
        Write_Strength_Line(file, "", &s_mid);
    }
    if (kind == CONN_INNER_PLATES || kind == CONN_OUTER_PLATES) {
        const int acc = Lkom_Accidental_Factors(c);
        Oli_Write_Text(file,
                       "%s\xCE\\R,d\xCEr = %.1lf N/mm\xCE/2\xCEr, %s\xCE\\R,d\xCEr = %.1lf "
                       "N/mm\xCE/2\xCEr",
                       SYM_SIGMA, Get_Plate_Fyd(acc), SYM_TAU, Get_Plate_Shear_Strength(acc));
    }
}

/*
** The least thickness against splitting of the timbers an unpredrilled nail is driven into, by
** the rule the validation applied: EN 1995-1-1, 8.3.1.2(7), eq. (8.19) with 14 d, or eq. (8.18)
** with 7 d where the edge distances a4 are raised (DIN 1052, eq. (218) and (219)), for the
** members that validation holds to it (Member_May_Split): boards and plates do not split.
*/
static void Write_Split_Thickness(FILE *file, double rho_side, double rho_mid)
{
    const Splice_Input_Record *si = &Splice_Input;
    const bool raised = si->split_rule != 0;
    char rule[96];
    if (Nad_Params != nullptr)
        snprintf(rule, sizeof rule, "%s",
                 raised ? "nach DIN EN 1995-1-1, Gl. (8.18) mit a\xCE\\4\xCEr nach 8.3.1.2(7)"
                        : "nach DIN EN 1995-1-1, 8.3.1.2(7), Gl. (8.19)");
    else
        snprintf(rule, sizeof rule, "%s",
                 raised ? "nach DIN 1052, Gl. (219) mit erh\x94hten Randabst\x84nden a\xCE\\4\xCEr"
                        : "nach DIN 1052, Gl. (218)");
    /* the least thickness of one member with its formula and operands: d in mm, rho_k in kg/m³ */
    const auto line = [&](const char *whose, double rho) {
        const double t =
            raised ? Calc_T_Min_Splitting_Alt(si->d, rho) : Calc_T_Min_Splitting(si->d, rho);
        const int k_d = raised ? 7 : 14, k_rho = raised ? 400 : 200;
        const std::string d = Mm_Digits(si->d, 2).t;
        Oli_Write_Text(file,
                       "Mindestdicke %s wegen Spaltgefahr (nicht vorgebohrt): t\xCE\\min\xCEr = "
                       "max(%d d; (13 d - 30) " SYM_RHO
                       "\xCE\\k\xCEr / %d) = max(%d x %s; (13 x %s - "
                       "30) x %s / %d) = max(%s; %s) mm = %.2lf cm %s",
                       whose, k_d, k_rho, k_d, d.c_str(), d.c_str(), Mm_Digits(rho, 2).t, k_rho,
                       Mm_Digits(k_d * si->d, 2).t,
                       Mm_Digits((13.0 * si->d - 30.0) * rho / k_rho, 2).t, t / 10.0, rule);
    };
    const bool side = si->connection_kind == CONN_SIDE_TIMBERS && Member_May_Split(si->mat_side);
    const bool mid = Member_May_Split(si->mat_mid);
    if (side && mid && si->mat_side == si->mat_mid && si->grade_side == si->grade_mid) {
        line("der H\x94lzer", rho_mid);
        return;
    }
    if (side) line("der Seitenh\x94lzer", rho_side);
    if (mid) line("des Mittelholzes", rho_mid);
}

/*
** The least thicknesses by faces of the members that hold connectors, which the preparation keeps
** (EN 1995-1-1, 8.9(2) for rings and shear plates, 8.10(3) for toothed plates): 3.75 h_e of a
** member with connectors in both faces (the middle member, a lamella between two inner plates),
** 2.25 h_e of one with connectors in one face (a side timber, a half of a lap, a lamella beside a
** single plate), each against its thickness as the refusal names them where one falls short: the
** least value never below its rule, the thickness never below the least value it keeps. Beside
** inner plates the lamellas hold the connectors, not the member as a whole.
*/
static void Write_Connector_Face_Thickness(FILE *file)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int kind = si->connection_kind, n_p = (int)si->plate_count;
    struct {
        int side; /* Min_Timber_Thickness_Rule's: 0 the middle member, 1 the member it joins */
        const char *name;
        double t; /* mm */
    } members[2] = {};
    int n = 0;
    if (kind == CONN_SIDE_TIMBERS || kind == CONN_OUTER_PLATES)
        members[n++] = {0, "Mittelholz b", 10.0 * si->b};
    if (kind == CONN_SIDE_TIMBERS)
        members[n++] = {1, "Seitenh\x94lzer t\xCE\\s\xCEr", 10.0 * si->t_s};
    if (kind == CONN_LAP) members[n++] = {1, "Blatth\x84lften b / 2", 5.0 * si->b};
    std::string lamella;
    if (kind == CONN_INNER_PLATES) {
        char of[160];
        snprintf(
            of, sizeof of,
            "%s: t\xCE\\1\xCEr = (b - n\xCE\\p\xCEr t\xCE\\p\xCEr) / (n\xCE\\p\xCEr + 1) = (%s - %d x "
            "%s) / %d",
            Lamellas_Between_Plates() ? "innere Lamelle zwischen zwei Blechen"
                                      : "Lamellen neben dem Blech",
            Mm(10.0 * si->b).c_str(), n_p, Mm(10.0 * si->t_p).c_str(), n_p + 1);
        lamella = of;
        members[n++] = {1, lamella.c_str(), 10.0 * Calc_Timber_Part_Thickness()};
    }
    std::string items;
    for (int k = 0; k < n; k++) {
        char how[96];
        int code = 0;
        const double least =
            10.0
            * Min_Timber_Thickness_Rule(members[k].side, si->split_rule, &code, how, sizeof how);
        std::string rule(how);
        const size_t he = rule.find("h_e");
        if (he == std::string::npos) continue;
        rule.replace(he, 3, "h\xCE\\e\xCEr");
        std::string need = Mm(least), have = Mm(members[k].t);
        if (strtod(need.c_str(), nullptr) < least - 1e-9) need = Mm_Digits(least, 3).t;
        if (strtod(have.c_str(), nullptr) < strtod(need.c_str(), nullptr))
            have = Mm_Digits(members[k].t, 3).t;
        char item[320];
        snprintf(item, sizeof item, "%s = %s mm " SYM_GE " %s = %s mm", members[k].name,
                 have.c_str(), rule.c_str(), need.c_str());
        items += (items.empty() ? "" : ", ") + std::string(item);
    }
    if (items.empty()) return;
    Oli_Write_Text(file,
                   "Mindestholzdicke f\x81r D\x81"
                   "bel (DIN EN 1995-1-1, %s): %s",
                   Is_Vbm_Toothed_Plate(si->vbm_type) ? "8.10(3)" : "8.9(2)", items.c_str());
}

/* The joints' gamma_M2 (EN 1993-1-8, 2.2) as the head of the checks adds it where it differs
** from the plates' one of EN 1993-1-1, m2_plates; else "". */
static void Joints_Gamma_Text(char *out, size_t size, double m2_joints, double m2_plates)
{
    out[0] = '\0';
    if (m2_joints != m2_plates)
        snprintf(out, size, ", Verbindungen (DIN EN 1993-1-8, 2.2): %s\xCE\\M2\xCEr = %.2lf",
                 SYM_GAMMA, m2_joints);
}

/* The design situations whose partial factors the head of the checks names. */
enum { SITUATION_PERSISTENT = 0, SITUATION_ACCIDENTAL = 1, SITUATION_SEISMIC = 2 };

/*
** The partial factors of the members and of the steel in the design situation that
** Set_Design_Gammas has set: the persistent one; the accidental one, whose line names it and
** adds the plates' gamma_M1 and gamma_M2 (EN 1993-1-1, 6.1 with the annex) and the joints' gamma_M2
** where it differs (Get_Steel_Gamma_M2_Joints); or the seismic one, named, with the factors of
** the persistent one (Lkom_Accidental_Factors).
*/
static void Write_Gamma_Line(FILE *file, int sit)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int kind = si->connection_kind;
    const int accidental = sit == SITUATION_ACCIDENTAL;
    const char *situation = accidental ? "außergewöhnliche Bemessungssituation: "_cp850
                            : sit == SITUATION_SEISMIC ? "Erdbeben-Bemessungssituation: "
                                                       : "";
    /* the steel factor gamma_s is the plates' gamma_M0 (their yield strength f_y,d); outside the
    ** exact proof it divides the fastener's yield moment too; else nothing takes it */
    const bool plates = kind == CONN_INNER_PLATES || kind == CONN_OUTER_PLATES;
    const char *steel = nullptr, *whose = nullptr;
    if (plates) {
        steel = Nad_Params != nullptr ? "M0" : "M";
        whose = Nad_Params != nullptr ? "Bleche, DIN EN 1993-1-1, 6.1" : "Bleche, DIN 18800-1";
    } else if (si->calc_method != 1) {
        steel = "s";
        whose = "Stahl der Verbindungsmittel";
    }
    if (plates && accidental && Nad_Params != nullptr) {
        const double m2 = Get_Steel_Gamma_M_Accidental(2);
        char joints[160];
        Joints_Gamma_Text(joints, sizeof joints, Get_Steel_Gamma_M2_Joints(1), m2);
        Oli_Write_Text(file,
                       "%s%s\xCE\\M\xCEr = %.2lf, %s\xCE\\M0\xCEr = %.2lf, %s\xCE\\M1\xCEr = "
                       "%.2lf, %s\xCE\\M2\xCEr = %.2lf (%s)%s",
                       situation, SYM_GAMMA, si->gamma_m_mid, SYM_GAMMA, si->gamma_s, SYM_GAMMA,
                       Get_Steel_Gamma_M_Accidental(1), SYM_GAMMA, m2, whose, joints);
    } else if (steel != nullptr) {
        /* the joints' gamma_M2 of the bearing and the block tearing where the annex sets it apart
        ** from EN 1993-1-1's of the net section */
        char joints[160] = "";
        if (plates && Nad_Params != nullptr)
            Joints_Gamma_Text(joints, sizeof joints, Get_Steel_Gamma_M2_Joints(0), si->gamma_m2);
        Oli_Write_Text(file, "%s%s\xCE\\M\xCEr = %.2lf, %s\xCE\\%s\xCEr = %.2lf (%s)%s", situation,
                       SYM_GAMMA, si->gamma_m_mid, SYM_GAMMA, steel, si->gamma_s, whose, joints);
    } else Oli_Write_Text(file, "%s%s\xCE\\M\xCEr = %.2lf", situation, SYM_GAMMA, si->gamma_m_mid);
    /* connectors take the factor of connections, which the annex may set apart from the
    ** members' one */
    const double gamma_connector = Get_Connector_Gamma_M(si->gamma_m_mid, accidental);
    if (Is_Vbm_Connector(si->vbm_type) && gamma_connector != si->gamma_m_mid)
        Oli_Write_Text(file,
                       "%s%s: %s\xCE\\M\xCEr = %.2lf (Verbindungen, DIN EN 1995-1-1, Tab. 2.3)",
                       situation, "Dübel besonderer Bauart"_cp850, SYM_GAMMA, gamma_connector);
}

/*
** The diameter that the failure modes of a wood screw to DIN 571 take (mm), as its design takes
** it: 1.1 d1 where the smooth shank holds less than 4 d in the member of the point, else d
** (EN 1995-1-1, 8.7.1; Calc_Din571_Effective_Diameter of the design's geometry).
*/
static double Din571_Modes_D(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    Joint_Members m;
    Get_Joint_Members(&m);
    Connection_Input in{};
    in.vbm_type = si->vbm_type;
    in.d = si->d;
    in.d_2 = si->d_2;
    in.length = si->l;
    in.l_thread = si->l_ef;
    in.axis_angle = 90.0;
    in.shear_planes = Vbm_Own_Shear_Planes();
    in.t1 = m.t1;
    in.t2 = m.t2;
    return Calc_Din571_Effective_Diameter(in);
}

/*
** What the required thicknesses of a wood screw to DIN 571 take (Run_Required_Thicknesses): the
** yield moment, the embedment strengths and the diameter of its design, in the formulas of the
** simplified proof of the annex (NA.8.2.4), the point-side member's where the screw ends in the
** middle member, else the middle member's of two shear planes.
*/
static void Write_Din571_Thickness_Basis(FILE *file, double rho_side, double rho_mid, double t1_req,
                                         double t2_req)
{
    const Splice_Input_Record *si = &Splice_Input;
    const double a = Fastener_Pattern.alpha_max, d = Din571_Modes_D(), fu = Get_Fastener_Fu_K();
    const double my = Calc_Vbm_Yield_Moment_Half(d, fu);
    double fh1 = 0.0, fh2 = 0.0;
    Calc_Fh_Both_Members(/*out_fh1=*/&fh1, /*out_fh2=*/&fh2, /*d=*/d, /*type=*/si->vbm_type,
                         /*predrilled=*/si->predrilled, /*alpha1=*/a, /*alpha2=*/a,
                         /*t1=*/si->t_s * 10.0, /*t2=*/si->b * 10.0, /*rho1=*/rho_side,
                         /*rho2=*/rho_mid, /*mat1=*/si->mat_side, /*mat2=*/si->mat_mid,
                         /*g1=*/si->grade_side, /*g2=*/si->grade_mid, /*user1=*/nullptr,
                         /*user2=*/nullptr);
    if (!(fh1 > 0.0 && fh2 > 0.0)) return;
    const double beta = fh2 / fh1;
    const double point = 1.15 * (2.0 + 2.0 / std::sqrt(1.0 + beta)) * std::sqrt(my / (fh2 * d));
    const bool ef = d != si->d;
    const char *dn = ef ? "d\xCE\\ef\xCEr" : "d";
    Oli_Write_Text(
        file,
        "mit M\xCE\\y,Rk\xCEr = 0.15 f\xCE\\u,k\xCEr %s\xCE/2.6\xCEr = 0.15 x %.0lf x "
        "%.2lf\xCE/2.6\xCEr = %.0lf Nmm, f\xCE\\h,1,k\xCEr = %.2lf N/mm\xCE/2\xCEr, "
        "f\xCE\\h,2,k\xCEr = %.2lf N/mm\xCE/2\xCEr, " SYM_RATIO
        " = %.3lf und %s = %.2lf mm wie im Nachweis der Schraube (DIN EN 1995-1-1/NA, NCI "
        "NA.8.2.4):",
        dn, fu, d, my, fh1, fh2, beta, dn, d);
    Oli_Write_Text(
        file,
        "t\xCE\\1,req\xCEr = 1.15 (2 (" SYM_RATIO " / (1 + " SYM_RATIO
        "))\xCE/0.5\xCEr + 2) (M\xCE\\y,Rk\xCEr / (f\xCE\\h,1,k\xCEr %s))\xCE/0.5\xCEr = "
        "1.15 x (2 x (%.3lf / %.3lf)\xCE/0.5\xCEr + 2) x (%.0lf / (%.2lf x "
        "%.2lf))\xCE/0.5\xCEr = %.1lf mm",
        dn, beta, 1.0 + beta, my, fh1, d, t1_req);
    if (std::fabs(t2_req - point) <= 1e-9 * std::fmax(1.0, point))
        Oli_Write_Text(file,
                       "t\xCE\\2,req\xCEr = 1.15 (2 + 2 / (1 + " SYM_RATIO
                       ")\xCE/0.5\xCEr) (M\xCE\\y,Rk\xCEr / (f\xCE\\h,2,k\xCEr %s))\xCE/0.5\xCEr "
                       "= 1.15 x (2 + 2 / %.3lf\xCE/0.5\xCEr) x (%.0lf / (%.2lf x "
                       "%.2lf))\xCE/0.5\xCEr = %.1lf mm (Spitze im Mittelholz)",
                       dn, 1.0 + beta, my, fh2, d, t2_req);
    else
        Oli_Write_Text(file,
                       "t\xCE\\2,req\xCEr = 1.15 x 4 / (1 + " SYM_RATIO
                       ")\xCE/0.5\xCEr (M\xCE\\y,Rk\xCEr / (f\xCE\\h,2,k\xCEr %s))\xCE/0.5\xCEr "
                       "= 1.15 x 4 / %.3lf\xCE/0.5\xCEr x (%.0lf / (%.2lf x %.2lf))\xCE/0.5\xCEr = "
                       "%.1lf mm",
                       dn, 1.0 + beta, my, fh2, d, t2_req);
}

/* The head of the checks (written only with a file): the partial factors of the persistent
** situation, of the accidental one where the checks hold an accidental combination, and of the
** seismic one, with the assumption it rests on, where they hold a seismic one. */
static void Write_Check_Head(FILE *file, double f_mid, double f_side, double rho_side,
                             double rho_mid, double t1_req, double t2_req, bool accidental,
                             bool seismic)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int kind = si->connection_kind;
    Set_Design_Gammas(0);
    Write_Gamma_Line(file, SITUATION_PERSISTENT);
    if (accidental) {
        Set_Design_Gammas(1);
        Write_Gamma_Line(file, SITUATION_ACCIDENTAL);
        Set_Design_Gammas(0);
    }
    if (seismic) {
        Write_Gamma_Line(file, SITUATION_SEISMIC);
        /* two sentences on two lines, each within a line of the print */
        Oli_Write_Text(file, "%s",
                       "Erdbeben: geringe Dissipation, DIN EN 1998-1, 8.6(2): bemessen als "
                       "Tragwerk niedriger Dissipation (DCL) mit den Teilsicherheitsbeiwerten der "
                       "ständigen und vorübergehenden Bemessungssituation"_cp850);
        Oli_Write_Text(file, "%s",
                       "Die Regeln dissipativer Tragwerke (DIN EN 1998-1, 8.3 und 8.5) sind nicht "
                       "nachgewiesen"_cp850);
    }
    if (kind == CONN_SIDE_TIMBERS) {
        /* side members of a panel: the panel's own least thickness of the simplified proof where
        ** it governs, as the reduction f_red takes it (7 d of OSB) */
        int replaces = 0;
        const int type = si->vbm_type;
        const double t_panel =
            Is_Vbm_Nail_Or_Screw(type) || type == VBM_KLAMMER
                ? Calc_Panel_T1_Req(type, si->mat_side, si->grade_side, si->d, &replaces)
                : 0.0;
        char t1[96];
        if (t_panel > 0.0 && replaces)
            snprintf(t1, sizeof t1, "%g d = %.2lf", t_panel / si->d, t_panel / 10.0);
        else if (t_panel > t1_req)
            snprintf(t1, sizeof t1, "max(%.2lf; %g d) = %.2lf", t1_req / 10.0, t_panel / si->d,
                     t_panel / 10.0);
        else snprintf(t1, sizeof t1, "%.2lf", t1_req / 10.0);
        Oli_Write_Text(file,
                       "Mindestdicke der Seitenh\x94lzer t\xCE\\"
                       "1,req\xCEr = %s cm, "
                       "Mindestdicke des Mittelholzes t\xCE\\"
                       "2,req\xCEr = %.2lf cm",
                       t1, t2_req / 10.0);
        if (Is_Vbm_Din571_Screw(type))
            Write_Din571_Thickness_Basis(file, rho_side, rho_mid, t1_req, t2_req);
        /* a connector's thicknesses are those of its k1, from its depth in the member */
        double t1_k = 0.0, t2_k = 0.0;
        if (Connector_Required_Thicknesses(&t1_k, &t2_k)) {
            const std::string he =
                Mm_Digits(Get_Connector_Value(type, si->connector_index, "he"), 3).t;
            Oli_Write_Text(
                file,
                "mit t\xCE\\1,req\xCEr = max(3 h\xCE\\e\xCEr; 24 mm) = max(3 x %s; 24) = "
                "%s mm, t\xCE\\2,req\xCEr = max(5 h\xCE\\e\xCEr; 24 mm) = max(5 x %s; 24) "
                "= %s mm, Einlasstiefe des D\x81"
                "bels h\xCE\\e\xCEr = %s mm (DIN EN 1995-1-1, %s)",
                he.c_str(), Mm_Digits(t1_k, 3).t, he.c_str(), Mm_Digits(t2_k, 3).t, he.c_str(),
                Is_Vbm_Toothed_Plate(type) ? "8.10" : "8.9");
        }
        if (f_side == 1.2)
            Oli_Write_Text(file,
                           " f\xCE\\m,k\xCEr der Seitenh\x94lzer wurde gem\x84\xE1 NCI zu 3.3 "
                           "(NA.6) um 20%% erh\x94ht (Hochkantbiegebeanspruchung)\n");
        if (f_mid == 1.2)
            Oli_Write_Text(file, " f\xCE\\m,k\xCEr des Mittelholzes wurde gem\x84\xE1 NCI zu 3.3 "
                                 "(NA.6) um 20%% erh\x94ht (Hochkantbiegebeanspruchung)\n");
    } else {
        /* the exact proof takes t_red into the failure modes and reduces nothing by a
        ** required thickness: f_red stays 1 */
        if (kind == CONN_INNER_PLATES && si->calc_method != 0
            && (Is_Vbm_Dowel_Or_Bolt(si->vbm_type) || Is_Vbm_Nail_Screw_Or_Staple(si->vbm_type)))
            Oli_Write_Text(
                file,
                "vorhanden t\xCE\\red\xCEr = %.2lf cm (genauer Nachweis: keine Abminderung \x81"
                "ber t\xCE\\req\xCEr, f\xCE\\red\xCEr = 1)",
                Calc_Timber_Part_Thickness());
        else if (kind == CONN_INNER_PLATES)
            Oli_Write_Text(file, "vorhanden t\xCE\\red\xCEr = %.2lf cm",
                           Calc_Timber_Part_Thickness());
        if (f_mid == 1.2)
            Oli_Write_Text(file, " f\xCE\\m,k\xCEr wurde gem\x84\xE1 NCI zu 3.3 (NA.6) um 20%% "
                                 "erh\x94ht (Hochkantbiegebeanspruchung)\n");
    }
    if (Is_Vbm_Nail(si->vbm_type) && !si->predrilled)
        Write_Split_Thickness(file, rho_side, rho_mid);
    if (Is_Vbm_Connector(si->vbm_type)) Write_Connector_Face_Thickness(file);
}

/* The largest utilisation of each partial check over the combinations of the last run over the
** whole table, with the number of the combination that gives it in the table of the design
** combinations (0: not listed there); the summary of a print of the governing combination alone
** states them, as the utilisation page does. */
enum {
    CHECK_VBM,
    CHECK_MID,
    CHECK_SIDE,
    CHECK_PLATE,
    CHECK_PLATE_BUCKLING,
    CHECK_HOLE,
    CHECK_BS,
    CHECK_PLATE_BS,
    CHECK_COUNT
};
typedef struct Check_Maxima {
    double u[CHECK_COUNT];
    int row[CHECK_COUNT];
    bool applies[CHECK_COUNT]; /* the check applied to a combination (block shear, tearing) */
    char governs[CHECK_COUNT][UTIL_GOVERNS_MAX]; /* which of its checks gives u, "" one only */
    int plate_spacing; /* the largest spacing of the outer plates was limited */
    /* a check that cannot be made in some combination (STAND_IN_*; a forbidden case before one
    ** without a capacity, else the first), which the page and the summary name in place of any
    ** number: the combination and which check with why */
    int stand_in[CHECK_COUNT];
    int stand_in_row[CHECK_COUNT];
    char stand_in_why[CHECK_COUNT][UTIL_GOVERNS_MAX];
} Check_Maxima;
static Check_Maxima Whole_Table_Maxima;

/* The utilisation of each partial check in one combination and which of its checks gives it. */
typedef struct Check_Values {
    double u[CHECK_COUNT];
    char governs[CHECK_COUNT][UTIL_GOVERNS_MAX];
    int stand_in[CHECK_COUNT]; /* STAND_IN_*: what a stand-in u stands for */
} Check_Values;

/* Name the stress of the plates' net section that gives their utilisation in combination
** (group, entry), with the partial factors of that combination set: the equivalent stress,
** which against f_y,d is never below the normal or the shear stress alone (sigma_v² = sigma² +
** 3 tau²), unless the pulled edge against the net section's smaller strength exceeds it. */
static void Plate_Governing_Stress(int group, int entry, char *out, size_t size)
{
    out[0] = 0;
    Plate_Check r;
    if (!Calc_Plate_Check(group, entry, &r) || r.state != PLATE_CHECK_DONE) return;
    const double equivalent = r.f_yd > 0.0 ? std::fabs(r.sigma_v / r.f_yd) : 0.0;
    snprintf(out, size, "%s",
             r.u_net > equivalent ? "Zugspannung im Nettoquerschnitt" : "Vergleichsspannung");
}

/* The name of the partial check of the plates' buckling between the fasteners, and of the same
** row where it holds the largest spacing of the outer plates as well. */
#define PLATE_BUCKLING_ROW "Stahlblech, Knicken"
#define PLATE_SPACING_ROW  "Stahlblech, Knicken und gr\x94\xE1te Abst\x84nde p1, p2"
/* The name of the partial check of the plates' block tearing. */
#define PLATE_BLOCK_ROW "Blockversagen Bleche"
/* Why a block of the member or of the plates does not tear in any combination. */
#define NO_PULLING_FORCE "keine Kraft der Verbindungsmittel"

/* The name of partial check k as the page and the summary call its row. */
static const char *Check_Row_Name(int k, const Check_Maxima *m)
{
    const int kind = Splice_Input.connection_kind;
    switch (k) {
    case CHECK_VBM: return "Verbindungsmittel";
    case CHECK_MID: return kind == CONN_INNER_PLATES || kind == CONN_LAP ? "Holz" : "Mittelholz";
    case CHECK_SIDE: return "Seitenh\x94lzer";
    case CHECK_PLATE: return "Stahlblech";
    case CHECK_PLATE_BUCKLING: return m->plate_spacing ? PLATE_SPACING_ROW : PLATE_BUCKLING_ROW;
    case CHECK_HOLE: return "Lochleibung";
    case CHECK_BS: return "Blockscherversagen";
    default: return PLATE_BLOCK_ROW;
    }
}

/* The words of a row whose check cannot be made in place of its number (STAND_IN_*). */
static const char *Stand_In_Word(int stand_in)
{
    return stand_in == STAND_IN_NOT_ALLOWED ? UTIL_NOT_ALLOWED_TEXT : UTIL_NO_CHECK_TEXT;
}

/* The first partial check that cannot be made in some combination, a forbidden one first, or
** -1: the verdicts name it in place of the largest utilisation. */
static int First_Stand_In(const Check_Maxima *m)
{
    int first = -1;
    for (int k = 0; k < CHECK_COUNT; k++)
        if (m->stand_in[k] > (first < 0 ? STAND_IN_NONE : m->stand_in[first])) first = k;
    return first;
}

/*
** Why block check `which` (CHECK_BS of the timber, CHECK_PLATE_BS of the plates) is not made, or
** null where it is made: switched off by the user, or the timber's not made by the calculation
** method or with a single row of fasteners.
*/
static const char *Block_Check_Not_Made(int which)
{
    const Splice_Input_Record *si = &Splice_Input;
    if (si->connection_kind != CONN_INNER_PLATES && si->connection_kind != CONN_OUTER_PLATES)
        return nullptr;
    if (!si->block_shear) return "abgew\x84hlt";
    if (which == CHECK_PLATE_BS || Is_Block_Shear_Check_On()) return nullptr;
    return si->calc_method != 1 ? "nur im genauen Nachweis gef\x81hrt"
                                : "nur eine Reihe von Verbindungsmitteln";
}

/* Whether the splice needs its block checks: plates that a combination may pull towards their
** ends, in a tension or a bending splice. */
static bool Block_Checks_Needed(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    const bool plates =
        si->connection_kind == CONN_INNER_PLATES || si->connection_kind == CONN_OUTER_PLATES;
    return plates && si->splice_kind != SPLICE_COMPRESSION;
}

int Unmade_Checks_Text(char *buf, size_t size)
{
    buf[0] = 0;
    if (!Block_Checks_Needed()) return 0;
    const char *bs = Block_Check_Not_Made(CHECK_BS), *pbs = Block_Check_Not_Made(CHECK_PLATE_BS);
    if (bs != nullptr && pbs != nullptr && strcmp(bs, pbs) == 0) {
        snprintf(buf, size, "Blockscherversagen und %s nicht nachgewiesen (%s)", PLATE_BLOCK_ROW,
                 bs);
        return 2;
    }
    if (bs != nullptr && pbs != nullptr)
        snprintf(buf, size,
                 "Blockscherversagen nicht nachgewiesen (%s), %s nicht nachgewiesen (%s)", bs,
                 PLATE_BLOCK_ROW, pbs);
    else if (bs != nullptr) snprintf(buf, size, "Blockscherversagen nicht nachgewiesen (%s)", bs);
    else if (pbs != nullptr)
        snprintf(buf, size, "%s nicht nachgewiesen (%s)", PLATE_BLOCK_ROW, pbs);
    return (bs != nullptr) + (pbs != nullptr);
}

/* The summary's lines of the largest utilisation of each partial check. */
static void Write_Check_Maxima(FILE *file, const Check_Maxima *m)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int kind = si->connection_kind;
    const bool plates = kind == CONN_INNER_PLATES || kind == CONN_OUTER_PLATES;
    Oli_Write_Text(file, "%s",
                   "Gr\x94\xE1te Ausnutzung der einzelnen Nachweise \x81"
                   "ber alle Lastkombinationen:");
    auto line = [&](const char *name, int k) {
        char which[64] = "";
        /* a check that cannot be made: what it is and why, never a number */
        if (m->stand_in[k]) {
            if (m->stand_in_row[k] > 0) Lkom_Row_Name(m->stand_in_row[k], which, sizeof which);
            Oli_Write_Text(file, "%s: %s%s%s%s%s%s", name, Stand_In_Word(m->stand_in[k]),
                           m->stand_in_why[k][0] ? " (" : "", m->stand_in_why[k],
                           m->stand_in_why[k][0] ? ")" : "", which[0] ? " in Lastkombination " : "",
                           which);
            return;
        }
        /* the fasteners' row gathers their check and that of the bolts of toothed plates in
        ** tension: it names the bolts where they give its value, as their section does */
        char named[UTIL_GOVERNS_MAX + 4] = "";
        if (k == CHECK_VBM && m->governs[k][0])
            snprintf(named, sizeof named, " (%s)", m->governs[k]);
        if (m->row[k] > 0) Lkom_Row_Name(m->row[k], which, sizeof which);
        if (m->row[k] > 0)
            Oli_Write_Text(file, "%s: u = %.2lf%s in Lastkombination %s", name, m->u[k], named,
                           which);
        else Oli_Write_Text(file, "%s: u = %.2lf%s", name, m->u[k], named);
    };
    line("Verbindungsmittel", CHECK_VBM);
    /* why the nails go in alternately, with their row: it qualifies their utilisation */
    Write_Alternate_Instead_Line(file);
    /* the members' rows; a member that the splitting check does not reach says so with its
    ** checks (Hölzer) */
    line(Check_Row_Name(CHECK_MID, m), CHECK_MID);
    if (kind == CONN_SIDE_TIMBERS) line("Seitenh\x94lzer", CHECK_SIDE);
    if (plates) {
        line("Stahlblech", CHECK_PLATE);
        /* only where a combination compresses plates slender enough to need it */
        if (m->u[CHECK_PLATE_BUCKLING] > 0.0)
            line(m->plate_spacing ? PLATE_SPACING_ROW : PLATE_BUCKLING_ROW, CHECK_PLATE_BUCKLING);
        line("Lochleibung", CHECK_HOLE);
        /* each says why it shows no utilisation where it has none: not made (switched off, or
        ** the timber's by the calculation method or a single row), or nothing pulls a block */
        if (si->block_shear || Block_Checks_Needed()) {
            const char *why = Block_Check_Not_Made(CHECK_BS);
            if (why != nullptr)
                Oli_Write_Text(file, "Blockscherversagen: nicht nachgewiesen (%s)", why);
            else if (!m->applies[CHECK_BS])
                Oli_Write_Text(file, "Blockscherversagen: entf\x84llt (%s zum Tr\x84gerende)",
                               NO_PULLING_FORCE);
            else line("Blockscherversagen", CHECK_BS);
            why = Block_Check_Not_Made(CHECK_PLATE_BS);
            if (why != nullptr)
                Oli_Write_Text(file, "%s: nicht nachgewiesen (%s)", PLATE_BLOCK_ROW, why);
            else if (!m->applies[CHECK_PLATE_BS])
                Oli_Write_Text(file, "%s: entf\x84llt (%s zum Blechende)", PLATE_BLOCK_ROW,
                               NO_PULLING_FORCE);
            else line(PLATE_BLOCK_ROW, CHECK_PLATE_BS);
        }
    }
    /* what the fastener and the plates ask of the builder, after the rows, so that it reads
    ** as a note to the list and not as one of its rows */
    Write_Protrusion_Line(file, PROTRUDING_DOWELS);
    if (plates) Write_Protrusion_Line(file, PROTRUDING_PLATES);
}

static void Write_Summary(FILE *file, double u_max, const Check_Maxima *maxima);

/* The summary of the checks: the largest utilisation of all checks, satisfied up to 1.005; a
** splice that leaves loads out is incomplete, marked as not satisfied, and names them. */
void Write_Nachweis_Summary(FILE *file, double u_max) { Write_Summary(file, u_max, nullptr); }

/* The summary, with the largest utilisation of each partial check when given. */
static void Write_Summary(FILE *file, double u_max, const Check_Maxima *maxima)
{
    if (file == nullptr) return;
    Oli_Write_Heading(file, 1, "Zusammenfassung");
    char line[400];
    Unchecked_Loads left_out;
    const bool incomplete = Get_Unchecked_Loads(&left_out) != 0;
    Kmod_Above_Table above[LKOM_GROUPS];
    const bool kmod_above = Get_Kmod_Above_Table(above) > 0;
    /* a check the splice needs but that is not made is named beside the verdict, which holds
    ** for the checks made */
    char not_made[160];
    const bool unmade = Unmade_Checks_Text(not_made, sizeof not_made) > 0;
    const bool ok = u_max <= UTIL_LIMIT;
    /* a check that cannot be made is named in place of the largest utilisation, which then is
    ** no number */
    const int stand_in = maxima != nullptr ? First_Stand_In(maxima) : -1;
    char largest[96];
    if (stand_in >= 0)
        snprintf(largest, sizeof largest, ": %s %s", Check_Row_Name(stand_in, maxima),
                 Stand_In_Word(maxima->stand_in[stand_in]));
    else if (u_max == UTIL_NO_CHECK) snprintf(largest, sizeof largest, ": " UTIL_NO_CHECK_TEXT);
    else
        snprintf(largest, sizeof largest, " u\xCE\\max\xCEr = %.2lf %s 1", u_max,
                 ok ? SYM_LE : ">");
    const char *verdict = !ok          ? "\xCE"
                                         "bNachweis nicht erf\x81llt\xCEr"
                          : incomplete ? "\xCE"
                                         "bNachweis unvollst\x84ndig\xCEr"
                          : kmod_above ? "\xCE"
                                         "bNachweis mit vorgegebenem k\xCE\\mod\xCEr\xCE"
                                         "b erf\x81llt (siehe Wichtig!)\xCEr"
                          : unmade     ? "\xCE"
                                         "bNachweis erf\x81llt\xCEr"
                                       : "\xCE"
                                         "bAlle Nachweise erf\x81llt\xCEr";
    snprintf(line, sizeof line, "\nMaximale Ausnutzung %s%s => %s%s%s",
             (ok && incomplete) || unmade ? "der gef\x81hrten Nachweise" : "aller Nachweise",
             largest, verdict, unmade ? "; " : "", unmade ? not_made : "");
    Oli_Write_Text_Flagged(file, line,
                           u_max <= UTIL_LIMIT && !incomplete && !kmod_above && !unmade ? 1 : 0);
    Write_Unchecked_Load_Lines(file, &left_out);
    Write_Kmod_Above_Table_Lines(file);
    if (maxima != nullptr) Write_Check_Maxima(file, maxima);
    if (Nad_Params != nullptr && (Splice_Input.print.sections & PRINT_SEC_NAD_TABLES)) {
        Oli_Write_Text(file, "   \n");
        Print_NAD_EC5_Tables(file);
    }
}

/* The required thicknesses of the side and the middle member at the pattern's largest force
** angle, as the print list's head of the checks shows them (mm). */
static void Run_Required_Thicknesses(const Splice_Input_Record *si, double rho_side, double rho_mid,
                                     double *t1_req, double *t2_req)
{
    const int type = si->vbm_type;
    const double a_max = Fastener_Pattern.alpha_max;
    /* a wood screw to DIN 571 with the diameter of its failure modes */
    const double d = Is_Vbm_Din571_Screw(type) ? Din571_Modes_D() : si->d;
    *t1_req = Calc_T1_Req(/*d=*/d, /*type=*/type, /*predrilled=*/si->predrilled,
                          /*variant=*/si->stainless, /*fitted=*/si->fitted_bolt,
                          /*threaded=*/si->threaded_rod, /*alpha1=*/a_max,
                          /*alpha2=*/a_max, /*dc=*/si->d, /*fu=*/Get_Fastener_Fu_K(),
                          /*t1=*/si->t_s * 10.0, /*t2=*/si->b * 10.0, /*rho1=*/rho_side,
                          /*rho2=*/rho_mid, /*mat1=*/si->mat_side, /*mat2=*/si->mat_mid,
                          /*g1=*/si->grade_side, /*g2=*/si->grade_mid,
                          /*user1=*/nullptr, /*user2=*/nullptr);
    *t2_req = Calc_T2_Req(/*kind=*/2, /*d=*/d, /*length=*/si->l,
                          /*axis_angle=*/90.0, /*type=*/type,
                          /*predrilled=*/si->predrilled, /*variant=*/si->stainless,
                          /*fitted=*/si->fitted_bolt, /*threaded=*/si->threaded_rod,
                          /*alpha1=*/a_max, /*alpha2=*/a_max, /*dc=*/si->d,
                          /*fu=*/Get_Fastener_Fu_K(), /*t1=*/si->t_s * 10.0,
                          /*t2=*/si->b * 10.0, /*rho1=*/rho_side, /*rho2=*/rho_mid,
                          /*mat1=*/si->mat_side, /*mat2=*/si->mat_mid,
                          /*g1=*/si->grade_side, /*g2=*/si->grade_mid,
                          /*user1=*/nullptr, /*user2=*/nullptr);
    /* connectors under EN 1995-1-1: the thicknesses of the design's k1 */
    Connector_Required_Thicknesses(t1_req, t2_req);
}

/* The page's utilisation list: the largest utilisation of each check over every combination,
** with the combination that gives it and, where a row gathers several checks, the one that
** gives its value (m). */
static void Hand_Utilisation_List(Splice_Input_Record *si, double m_vbm, double m_mid,
                                  double m_side, double m_plate, double m_plate_buckling,
                                  double m_hole, double m_bs, double m_plate_bs,
                                  const Check_Maxima *m)
{
    const int kind = si->connection_kind;
    const bool plates = kind == CONN_INNER_PLATES || kind == CONN_OUTER_PLATES;
    Utilisation_List *ul = &si->utilisation;
    /* a row with its value, which of its checks gives it and in which combination; a check
    ** that cannot be made in some combination shows that, with what and why, in place of any
    ** number; one not made or not applying says why (why) */
    auto add = [&](const char *name, double v, int k, const char *why = nullptr) {
        if (ul->count >= UTIL_LIST_MAX) return;
        const int i = ul->count++;
        snprintf(ul->name[i], UTIL_NAME_MAX, "%s", name);
        ul->governs[i][0] = 0;
        ul->lkom_row[i] = 0;
        if (k >= 0 && m->stand_in[k] && v != UTIL_NOT_CHECKED) {
            ul->value[i] =
                m->stand_in[k] == STAND_IN_NOT_ALLOWED ? UTIL_NOT_ALLOWED : UTIL_NOT_VERIFIABLE;
            memcpy(ul->governs[i], m->stand_in_why[k], UTIL_GOVERNS_MAX);
            ul->lkom_row[i] = m->stand_in_row[k];
            return;
        }
        ul->value[i] = v;
        if (why != nullptr) snprintf(ul->governs[i], UTIL_GOVERNS_MAX, "%s", why);
        else if (v != UTIL_NOT_CHECKED && v != UTIL_NOT_APPLICABLE) {
            memcpy(ul->governs[i], m->governs[k], UTIL_GOVERNS_MAX);
            ul->lkom_row[i] = m->row[k];
        }
    };
    /* the splitting check where it does not reach a member */
    auto not_applicable = [&](int member) {
        char name[UTIL_NAME_MAX];
        const char *why = "";
        if (Splitting_Not_Applicable(member, name, &why)) add(name, UTIL_NOT_APPLICABLE, -1, why);
    };
    add("Verbindungsmittel", m_vbm, CHECK_VBM);
    add(Check_Row_Name(CHECK_MID, m), m_mid, CHECK_MID);
    not_applicable(0);
    if (kind == CONN_SIDE_TIMBERS) {
        add("Seitenhölzer"_cp850, m_side, CHECK_SIDE);
        not_applicable(1);
    }
    if (plates) {
        add("Stahlblech", m_plate, CHECK_PLATE);
        if (m_plate_buckling > 0.0)
            add(Check_Row_Name(CHECK_PLATE_BUCKLING, m), m_plate_buckling, CHECK_PLATE_BUCKLING);
        add("Lochleibung", m_hole, CHECK_HOLE);
        /* not made (switched off, or the timber's by the calculation method or a single row),
        ** or no fastener pulls towards the end in any combination */
        if (si->block_shear || Block_Checks_Needed()) {
            const int rows[2] = {CHECK_BS, CHECK_PLATE_BS};
            const double u[2] = {m_bs, m_plate_bs};
            for (int k = 0; k < 2; k++) {
                const char *not_made = Block_Check_Not_Made(rows[k]);
                char no_force[UTIL_GOVERNS_MAX];
                snprintf(no_force, sizeof no_force, "%s zum %s", NO_PULLING_FORCE,
                         k == 0 ? "Tr\x84gerende" : "Blechende");
                if (not_made != nullptr)
                    add(Check_Row_Name(rows[k], m), UTIL_NOT_CHECKED, rows[k], not_made);
                else if (!m->applies[rows[k]])
                    add(Check_Row_Name(rows[k], m), UTIL_NOT_APPLICABLE, rows[k], no_force);
                else add(Check_Row_Name(rows[k], m), u[k], rows[k]);
            }
        }
    }
}

/*
** Run the checks of all valid combinations (group and entry -1) or of one group or entry.
** Without a file fill the utilisation list; with a file write every treated combination and
** the summary. Return the largest utilisation of all checks.
*/
double Run_Nachweise_Lkom(FILE *file, int group, int entry)
{
    /* the run's designs work in the run's own record, fresh for every run */
    Splice_Design_Run run;
    Splice_Calc_Serial++;
    Run_Errors.clear();
    Splice_Input_Record *si = &Splice_Input;
    const int kind = si->connection_kind;
    const bool plates = kind == CONN_INNER_PLATES || kind == CONN_OUTER_PLATES;

    /* The members' bending factors and densities and the required thicknesses, once for the run */
    const double f_mid = Bending_Factor(si->mat_mid, si->edgewise_mid);
    const double f_side = Bending_Factor(si->mat_side, si->edgewise_side);
    double rho_side = 0.0, rho_mid = 0.0;
    Get_Rho_K(si->mat_side, si->grade_side, si->t_s * 10.0, &rho_side, nullptr);
    Get_Rho_K(si->mat_mid, si->grade_mid, si->b * 10.0, &rho_mid, nullptr);
    double t1_req = 0.0, t2_req = 0.0;
    Run_Required_Thicknesses(si, rho_side, rho_mid, &t1_req, &t2_req);

    /* The utilisation list is emptied here and filled only by a run that writes no print list */
    si->utilisation.count = 0;
    const bool whole_table = group < 0 && entry < 0;
    double governing = 0.0;
    if (whole_table) {
        Governing_Lkom.group = -1;
        Governing_Lkom.entry = -1;
    }

    /* The print list's head of the checks */
    if (file != nullptr) {
        bool accidental = false, seismic = false;
        for (int g = 0; g < LKOM_GROUPS; g++)
            for (int e = 0; e < LKOM_ENTRIES; e++)
                if ((group < 0 || g == group) && (entry < 0 || e == entry) && Is_Lkom_Valid(g, e)) {
                    const Lkom_Entry *c = &si->lkom.groups[g].entries[e];
                    accidental = accidental || Lkom_Accidental_Factors(c);
                    seismic = seismic || Is_Lkom_Seismic(c);
                }
        Write_Check_Head(file, f_mid, f_side, rho_side, rho_mid, t1_req, t2_req, accidental,
                         seismic);
    }

    double m_vbm = 0, m_mid = 0, m_side = 0, m_timber = 0, m_plate = 0, m_hole = 0, m_bs = 0;
    double m_plate_bs = 0;
    double m_plate_buckling = 0;
    Check_Maxima maxima{};
    Check_Values at_governing{}; /* the checks of the governing combination */
    int governing_number = 0;
    int row = 0;
    const int g0 = group >= 0 ? group : 0, g1 = group >= 0 ? group + 1 : LKOM_GROUPS;
    const int e0 = entry >= 0 ? entry : 0, e1 = entry >= 0 ? entry + 1 : LKOM_ENTRIES;
    for (int g = g0; g < g1 && g < LKOM_GROUPS; g++) {
        bool strengths_written = false;
        const Lkom_Group *grp = &si->lkom.groups[g];
        for (int e = e0; e < e1 && e < LKOM_ENTRIES; e++) {
            if (!Is_Lkom_Valid(g, e)) {
                /* a combination left out for the sign of N_d keeps its row of the table */
                row += grp->used && Is_Lkom_Entry_Listed(&grp->entries[e]) ? 1 : 0;
                continue;
            }
            const Lkom_Entry *c = &grp->entries[e];
            const int acc = Lkom_Accidental_Factors(c);
            /* the combination's number in the table of the design combinations */
            const int number = !whole_table ? Lkom_Row_Number(g, e) : grp->used ? ++row : 0;
            /* this combination's utilisation of each partial check and which of its checks
            ** gives it (the plates' stress named only where it is kept: Plate_Governing_Stress) */
            Check_Values here{};
            bool plate_named = false;
            auto name_plate = [&]() {
                if (!plate_named && here.u[CHECK_PLATE] > 0.0)
                    Plate_Governing_Stress(g, e, here.governs[CHECK_PLATE], UTIL_GOVERNS_MAX);
                plate_named = true;
            };
            auto keep = [&](int k, double u) {
                here.u[k] = u;
                if (u > maxima.u[k]) {
                    if (k == CHECK_PLATE) name_plate();
                    maxima.u[k] = u;
                    maxima.row[k] = number;
                    memcpy(maxima.governs[k], here.governs[k], UTIL_GOVERNS_MAX);
                }
                /* a check that cannot be made: the first of its kind, a forbidden case first */
                if (u == UTIL_NO_CHECK && !here.stand_in[k])
                    here.stand_in[k] = STAND_IN_NO_CAPACITY;
                if (here.stand_in[k] > maxima.stand_in[k]) {
                    if (k == CHECK_PLATE) name_plate();
                    maxima.stand_in[k] = here.stand_in[k];
                    maxima.stand_in_row[k] = number;
                    memcpy(maxima.stand_in_why[k], here.governs[k], UTIL_GOVERNS_MAX);
                }
            };
            /* The connection input of the governing fastener serves the strength lines of the
            ** print; a computing run only needs the partial factors of the combination. */
            Connection_Input in;
            if (file != nullptr) {
                const int gi = si->governing_vbm;
                const double angle = (gi >= 0 && gi < Fastener_Pattern.count)
                                         ? Fastener_Pattern.recs[gi].angle_max * 180.0 / M_PI
                                         : 90.0;
                Fill_Vbm_Design_Input(&in, grp->kled, angle, angle, Fastener_Pattern.count, 1, acc,
                                      grp->kmod_source, grp->kmod);
            } else {
                Set_Design_Gammas(acc);
            }

            if (group >= 0) Oli_Write_Heading(file, 2, "%s", "Maßgebende Lastkombination"_cp850);
            else if (file != nullptr) {
                char name[64];
                Lkom_Name(g, e, name, sizeof name);
                Oli_Write_Heading(file, 2, "Lastkombination %s", name);
            }
            if (file != nullptr) {
                /* which combination of the table this is, named as on the utilisation page,
                ** and the classes its strengths take */
                char which[72] = "";
                if (group >= 0 && number > 0) {
                    char name[64];
                    Lkom_Name(g, e, name, sizeof name);
                    snprintf(which, sizeof which, "%s, ", name);
                }
                Oli_Write_Text(file, "%sKlasse der Lasteinwirkungsdauer: %s, Nutzungsklasse %d",
                               which, Get_Kled_Name(grp->kled), si->service_class);
            }
            if (file != nullptr && !strengths_written) {
                Write_Group_Strengths(file, g, c, &in, f_mid, f_side, rho_side, rho_mid);
                strengths_written = true;
            }

            Vbm_Check vbm;
            Calc_Vbm_Check(g, e, &vbm);
            Print_Vbm_Check(file, &vbm);
            /* the governing fastener's angle serves the strength lines of the next print */
            if (vbm.governing >= 0) si->governing_vbm = vbm.governing;
            double u_vbm = vbm.u;
            if (vbm.error != 0) {
                u_vbm = UTIL_NO_CHECK;
                Run_Errors.push_back(vbm.error);
                /* named by the design's message, as its box says it */
                const char *why = Get_Error_Text(vbm.error);
                snprintf(here.governs[CHECK_VBM], UTIL_GOVERNS_MAX, "%s",
                         why ? Splice_Error_Text(why, vbm.error).c_str() : "");
            }
            m_vbm = std::fmax(m_vbm, u_vbm);
            /* the bolts of toothed-plate connectors under the axial force; no capacity */
            if (vbm.error == 0 && vbm.u > vbm.u_max)
                snprintf(here.governs[CHECK_VBM], UTIL_GOVERNS_MAX, "Bolzen auf Zug%s",
                         vbm.u == UTIL_NO_CHECK ? ": keine Tragf\x84higkeit" : "");
            else if (vbm.error == 0 && vbm.u == UTIL_NO_CHECK)
                snprintf(here.governs[CHECK_VBM], UTIL_GOVERNS_MAX, "keine Tragf\x84higkeit");
            keep(CHECK_VBM, u_vbm);

            double u_m = 0.0, u_s = 0.0;
            int timber_stand_in[2];
            const double u_t = Oli_Holz_Nachweis_Governing(
                file, g, e, &u_m, &u_s, here.governs[CHECK_MID], here.governs[CHECK_SIDE],
                UTIL_GOVERNS_MAX, timber_stand_in);
            here.stand_in[CHECK_MID] = timber_stand_in[0];
            here.stand_in[CHECK_SIDE] = timber_stand_in[1];
            m_timber = std::fmax(m_timber, u_t);
            m_mid = std::fmax(m_mid, u_m);
            m_side = std::fmax(m_side, u_s);
            keep(CHECK_MID, u_m);
            keep(CHECK_SIDE, u_s);
            double u = std::fmax(u_vbm, u_t);

            if (plates) {
                int bs_err = 1;
                const double u_bs = Oli_Blockscher_Nachweis(file, g, e, &bs_err);
                m_bs = std::fmax(m_bs, u_bs);
                keep(CHECK_BS, u_bs);
                if (bs_err == 0) maxima.applies[CHECK_BS] = true;
                u = std::fmax(u, u_bs);
                Set_Design_Gammas(acc);
                /* the row spacing of the plate holes as the bearing check takes it is saved with
                ** the splice */
                si->p2 = Plate_Row_Spacing(si);
                double u_pb = 0.0, u_sp = 0.0;
                const double u_p = Oli_Blech_Nachweis_Knicken(file, g, e, &u_pb, &u_sp);
                const double u_h = Oli_Lochleibung_Nachweis(file, g, e);
                m_plate = std::fmax(m_plate, u_p);
                /* the largest spacing of the outer plates of a bending or compression splice
                ** belongs to their local buckling (EN 1993-1-8, Table 3.3, note 1) and shares its
                ** row; it is the same in every combination and does not choose the governing one */
                m_plate_buckling = std::fmax(m_plate_buckling, std::fmax(u_pb, u_sp));
                m_hole = std::fmax(m_hole, u_h);
                keep(CHECK_PLATE, u_p);
                /* where the row holds the largest spacing as well, which of both gives it */
                if (u_sp > 0.0) {
                    Plate_Check pc;
                    const bool across = u_sp > u_pb && Calc_Plate_Check(g, e, &pc)
                                        && pc.buckling.u_p2 > pc.buckling.u_p1;
                    snprintf(here.governs[CHECK_PLATE_BUCKLING], UTIL_GOVERNS_MAX, "%s",
                             u_sp <= u_pb ? "Knicken"
                             : across     ? "gr\x94\xE1ter Abstand p2"
                                          : "gr\x94\xE1ter Abstand p1");
                }
                keep(CHECK_PLATE_BUCKLING, std::fmax(u_pb, u_sp));
                if (u_sp > 0.0) maxima.plate_spacing = 1;
                keep(CHECK_HOLE, u_h);
                u = std::fmax(u, std::fmax(std::fmax(u_p, u_pb), u_h));
                int pbs_err = 1;
                const double u_pbs = Oli_Blech_Blockversagen_Nachweis(file, g, e, &pbs_err);
                if (pbs_err == 0) maxima.applies[CHECK_PLATE_BS] = true;
                m_plate_bs = std::fmax(m_plate_bs, u_pbs);
                keep(CHECK_PLATE_BS, u_pbs);
                u = std::fmax(u, u_pbs);
            }
            if (whole_table && u > governing) {
                governing = u;
                Governing_Lkom.group = g;
                Governing_Lkom.entry = e;
                name_plate();
                at_governing = here;
                governing_number = number;
            }
        }
    }
    /* A partial check whose largest value the governing combination reaches as well (the largest
    ** spacing of the outer plates is the same in each) names the governing combination, as
    ** the page and the report name it beside the overall result. */
    if (whole_table && governing_number > 0)
        for (int k = 0; k < CHECK_COUNT; k++)
            if (maxima.u[k] > 0.0 && at_governing.u[k] >= maxima.u[k] * (1.0 - 1e-12)) {
                maxima.row[k] = governing_number;
                memcpy(maxima.governs[k], at_governing.governs[k], UTIL_GOVERNS_MAX);
            }

    /* The largest utilisation of all checks over every combination */
    double u_max = std::fmax(std::fmax(m_vbm, m_plate), std::fmax(m_bs, m_hole));
    u_max = std::fmax(u_max, m_plate_buckling);
    u_max = std::fmax(u_max, m_plate_bs);
    u_max = std::fmax(u_max, std::fmax(m_mid, m_side));

    if (whole_table) Whole_Table_Maxima = maxima;

    /* A run without print list hands its utilisation list to the page */
    if (file == nullptr) {
        Hand_Utilisation_List(si, m_vbm, m_mid, m_side, m_plate, m_plate_buckling, m_hole, m_bs,
                              m_plate_bs, &maxima);
        return u_max;
    }

    /* The print list's summary of the checks; a print of one combination states the partial
    ** checks of the whole table that the run before it found */
    Write_Summary(file, u_max, group >= 0 && entry >= 0 ? &Whole_Table_Maxima : &maxima);
    return u_max;
}

/*
** Run the checks: all combinations, or (governing_only) a silent run followed by a printing run
** of the governing combination. A null file computes only. Return the largest utilisation; the
** design errors of both runs are left in order for the caller (Run_Error_Codes).
*/
double Run_Nachweise(FILE *file, int governing_only)
{
    if (!governing_only) return Run_Nachweise_Lkom(file, -1, -1);
    Run_Nachweise_Lkom(nullptr, -1, -1);
    if (Governing_Lkom.group < 0 || Governing_Lkom.entry < 0) {
        Oli_Write_Text(file, "%s", "Keine maßgebende Lastkombination vorhanden."_cp850);
        return 0.0;
    }
    const std::vector<int> silent = Run_Errors;
    const double u = Run_Nachweise_Lkom(file, Governing_Lkom.group, Governing_Lkom.entry);
    Run_Errors.insert(Run_Errors.begin(), silent.begin(), silent.end());
    return u;
}
