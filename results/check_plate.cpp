/*
** Steel plate checks of one combination: normal, shear and equivalent stress of the plates in
** the net section at the joint, and the bearing of every fastener on its plate hole
** (EN 1993-1-8, Table 3.4, or DIN 18800-1) with the table of the fastener forces.
** Forces in kN, stresses in N/mm², distances printed in cm.
*/
#include "results/splice_checks.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "design/design.h"
#include "foundation/format.h"
#include "foundation/foundation.h"
#include "printlist/printlist.h"

/* ---------------------------------------------------------------- plate stresses */

/*
** Stresses of all plates together for N (kN), V (kN) and M (kNm): sigma = M / W + N / A,
** tau = 1.5 V / A, sigma_v = sqrt(sigma² + 3 tau²) (N/mm²). Return 1, or 0 when the net area
** is below 1e-5 cm² (the stresses are then not defined and not written).
*/
/* The net section of all plates: A (cm²) and W (cm³), outer plates two, inner plates n_p. */
static void All_Plates_Net_Section(double *A, double *W)
{
    const Splice_Input_Record *si = &Splice_Input;
    double a = 0, I = 0, w = 0;
    Calc_Plate_Net_Section_Values(&a, &I, &w);
    const double f = si->connection_kind == CONN_OUTER_PLATES ? 2.0 : si->plate_count;
    *A = a * f;
    *W = w * f;
}

int Calc_Plate_Stresses(double N, double V, double M, double *sigma, double *tau, double *sigma_v)
{
    double A = 0, W = 0;
    All_Plates_Net_Section(&A, &W);
    if (std::fabs(A) < 1e-5) return 0;
    /* M is a magnitude (the moment for distribution): it adds to the normal stress at the edge
    ** where both act the same way, in compression as in tension */
    const double m = std::fabs(W) > 0.0 ? std::fabs(M) * 1000.0 / W : 0.0;
    const double s = (N < 0.0 ? -m : m) + N * 10.0 / A;
    const double t = V * 15.0 / A;
    if (sigma) *sigma = s;
    if (tau) *tau = t;
    if (sigma && tau && sigma_v) *sigma_v = std::sqrt(s * s + 3.0 * t * t);
    return 1;
}

/* Design shear strength f_y,d / sqrt(3) of the plates, N/mm². */
double Get_Plate_Shear_Strength(int accidental)
{
    return Get_Plate_Fyd(accidental) / std::sqrt(3.0);
}

/* The closing line of a plate section: the largest utilisation u of what (a genitive, e.g.
** "des Bleches") and whether the check is satisfied, without the moment M_left_out (kNm) that
** the splice leaves out where it is not 0. */
static void Write_Max_Util_Line(FILE *file, const char *what, double u, double M_left_out)
{
    char line[256];
    if (u == UTIL_NO_CHECK)
        Format_N(line, sizeof line,
                 "Maximale Ausnutzung %s: " UTIL_NO_CHECK_TEXT " => \xCE"
                 "bNachweis nicht erf\x81llt\xCEr",
                 what);
    else if (u <= UTIL_LIMIT)
        Format_N(line, sizeof line, "Maximale Ausnutzung %s u\xCE\\max\xCEr = %.2lf %s 1 => %s",
                 what, u, SYM_LE, Satisfied_Verdict(M_left_out));
    else
        Format_N(line, sizeof line,
                 "Maximale Ausnutzung %s u\xCE\\max\xCEr = %.2lf > 1 => \xCE"
                 "bNachweis nicht erf\x81llt\xCEr",
                 what, u);
    Oli_Write_Text_Flagged(file, line, u <= UTIL_LIMIT && M_left_out == 0.0 ? 1 : 0);
}

/* ---------------------------------------------------------------- buckling between the fasteners */

#define STEEL_E 210000.0 /* N/mm², EN 1993-1-1, 3.2.6; DIN 18800-1, Table 1 */
#define CURVE_C 0.49     /* imperfection factor of curve c */

double Plate_Buckling_Span(int *across)
{
    std::vector<double> x;
    for (int k = 0; k < Fastener_Pattern.count; k++) x.push_back(Fastener_Pattern.recs[k].x);
    if (across) *across = 0;
    if (x.empty()) return 0.0;
    std::sort(x.begin(), x.end());
    /* the halves lie alike on either side of the joint: the columns nearest it stand 2 x_min
    ** apart */
    double span = x[0] > 0.0 ? 2.0 * x[0] : 0.0;
    bool over_joint = span > 0.0;
    for (size_t k = 1; k < x.size(); k++)
        if (x[k] - x[k - 1] > span + 1e-9) {
            span = x[k] - x[k - 1];
            over_joint = false;
        }
    if (across) *across = over_joint ? 1 : 0;
    return span;
}

double Plate_Row_Span(void)
{
    std::vector<double> y;
    for (int k = 0; k < Fastener_Pattern.count; k++) y.push_back(Fastener_Pattern.recs[k].y);
    std::sort(y.begin(), y.end());
    double span = 0.0;
    for (size_t k = 1; k < y.size(); k++) span = std::fmax(span, y[k] - y[k - 1]);
    return span;
}

/* gamma_M1 of the plates' buckling: the annex's EN 1993-1-1 value (1.1 without its block), its
** accidental value in an accidental combination; gamma_M of DIN 18800-1 without an annex, 1.0 in
** an accidental combination. */
static double Plate_Gamma_M1(int accidental)
{
    if (accidental) return Get_Steel_Gamma_M_Accidental(1);
    if (Nad_Params == nullptr) return Splice_Input.gamma_m0;
    return Nad_EC3_Params_Ptr != nullptr ? Nad_EC3_Params_Ptr->ec3_1.gamma_m1 : 1.1;
}

/*
** The largest spacing of the plates as compression members (EN 1993-1-8, Table 3.3, note 1):
** the outer plates of a bending splice, compressed on one side under every moment, and those of
** a compression splice keep p1 along the force, across the joint too, and p2 across it within
** min(14 t; 200 mm) in every combination, whatever the sign of its actions; inner plates, held
** on both faces in their slots, are exempt. With an annex only.
*/
double Plate_Spacing_Limit(int kind)
{
    const Splice_Input_Record *si = &Splice_Input;
    if (Nad_Params == nullptr || (kind != SPLICE_BENDING && kind != SPLICE_COMPRESSION)) return 0.0;
    if (si->connection_kind != CONN_OUTER_PLATES || !(si->t_p > 0.0)) return 0.0;
    return std::fmin(14.0 * si->t_p * 10.0, 200.0);
}

static void Calc_Plate_Spacing(Plate_Buckling *b)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int kind = si->splice_kind;
    if (Nad_Params == nullptr || (kind != SPLICE_BENDING && kind != SPLICE_COMPRESSION)) return;
    if (si->connection_kind != CONN_OUTER_PLATES) {
        b->spacing = PLATE_SPACING_HELD;
        return;
    }
    b->spacing = PLATE_SPACING_LIMITED;
    b->p1_max = Plate_Spacing_Limit(kind);
    b->u_p1 = b->p1 * 10.0 / b->p1_max;
    b->p2 = Plate_Row_Span();
    b->u_p2 = b->p2 * 10.0 / b->p1_max;
    b->u_spacing = std::fmax(b->u_p1, b->u_p2);
}

/*
** Buckling of the compressed plates between their fasteners for N (kN) and M (kNm) with the
** stress sigma of Calc_Plate_Stresses: EN 1993-1-8, Table 3.3, note 2 asks it from p1 / t =
** 9 eps on, with the buckling length 0.6 p1, by EN 1993-1-1, 6.3.1.2 (curve c for a solid
** section); without an annex the same length by DIN 18800-2, (4), needed above a slenderness
** of 0.2. The compression is taken at the more compressed edge of the net section. The largest
** spacing of Calc_Plate_Spacing comes with it.
*/
static void Calc_Plate_Buckling(const Lkom_Entry *c, double sigma, Plate_Buckling *b)
{
    const Splice_Input_Record *si = &Splice_Input;
    const bool annex = Nad_Params != nullptr;
    *b = Plate_Buckling{};
    int across = 0;
    const double p1 = Plate_Buckling_Span(&across);
    const double f_y = Get_Plate_Fy();
    const double t = si->t_p * 10.0;
    if (!(p1 > 0.0) || !(f_y > 0.0) || !(t > 0.0)) return;
    b->p1 = p1;
    b->across = across;
    b->t = t;
    Calc_Plate_Spacing(b);
    double n = 0.0; /* N / A: the edges lie at n + m and n - m */
    if (!Calc_Plate_Stresses(c->N_d, 0.0, 0.0, &n, nullptr, nullptr)) return;
    const double sigma_c = -std::fmin(sigma, 2.0 * n - sigma);
    if (!(sigma_c > 1e-9)) return;
    b->sigma_c = sigma_c;
    b->f_y = f_y;
    b->eps = std::sqrt((annex ? 235.0 : 240.0) / f_y);
    b->L_cr = 0.6 * p1 * 10.0;
    b->i = t / std::sqrt(12.0);
    b->lambda_1 = M_PI * std::sqrt(STEEL_E / f_y);
    b->lambda = b->L_cr / (b->i * b->lambda_1);
    b->state = PLATE_BUCKLING_SKIPPED;
    if (annex ? p1 * 10.0 / t < 9.0 * b->eps : b->lambda <= 0.2) return;
    b->state = PLATE_BUCKLING_DONE;
    const double l = b->lambda;
    b->Phi = 0.5 * (1.0 + CURVE_C * (l - 0.2) + l * l);
    /* chi of EN 1993-1-1, (6.49), the form of k_c in EN 1995-1-1, (6.25) */
    b->chi = l <= 0.2 ? 1.0 : Calc_Buckling_Kc(b->Phi, l);
    b->accidental = Lkom_Accidental_Factors(c);
    b->gamma_m1 = Plate_Gamma_M1(b->accidental);
    b->f_b = b->gamma_m1 > 0.0 ? b->chi * f_y / b->gamma_m1 : 0.0;
    b->u = b->f_b > 0.0 ? sigma_c / b->f_b : UTIL_NO_CHECK;
}

/* The lines of the buckling check with every value it comes from, and its closing line (without
** the moment M_left_out, kNm, that the splice leaves out); the names of EN 1993-1-1 with an
** annex, those of DIN 18800-2 without. */
static void Print_Plate_Buckling_Lines(FILE *file, const Plate_Buckling *b, double M_left_out)
{
    if (b->state == PLATE_BUCKLING_NONE) return;
    const bool annex = Nad_Params != nullptr, done = b->state == PLATE_BUCKLING_DONE;
    const char *L_cr = annex ? "L\xCE\\cr\xCEr" : "s\xCE\\K\xCEr";
    const char *lam_1 = annex ? "lambda\xCE\\1\xCEr" : "lambda\xCE\\a\xCEr";
    const char *lam = annex ? "lambda" : "lambda\xCE\\K\xCEr";
    const char *f_y = annex ? "f\xCE\\y\xCEr" : "f\xCE\\y,k\xCEr";
    Oli_Write_Text(file,
                   "Knicken der Bleche zwischen den Verbindungsmitteln (DIN EN 1993-1-8, "
                   "Tab. 3.3, Anm. 2): %s\xCE\\c,d\xCEr = "
                   "%.2lf N/mm\xCE/2\xCEr, p\xCE\\1\xCEr = %.2lf cm (gr\x94\xE1ter Abstand "
                   "benachbarter Verbindungsmittel in Kraftrichtung, %s), t = %.1lf mm",
                   SYM_SIGMA, b->sigma_c, b->p1,
                   b->across ? "\x81"
                               "ber den Sto\xE1"
                             : "im Anschluss",
                   b->t);
    if (annex) {
        Oli_Write_Text(file,
                       "p\xCE\\1\xCEr / t = %.2lf %s 9 %s = %.2lf mit %s = (235 / "
                       "f\xCE\\y\xCEr)\xCE/0.5\xCEr = %.4lf, f\xCE\\y\xCEr = %.0lf "
                       "N/mm\xCE/2\xCEr%s",
                       b->p1 * 10.0 / b->t, done ? SYM_GE : "<", SYM_EPSILON, 9.0 * b->eps,
                       SYM_EPSILON, b->eps, b->f_y,
                       done ? ""
                            : " => \xCE"
                              "bkein Knicknachweis erforderlich\xCEr");
        if (!done) return;
    }
    char given[64] = "";
    if (!annex) Format_N(given, sizeof given, ", f\xCE\\y,k\xCEr = %.0lf N/mm\xCE/2\xCEr", b->f_y);
    Oli_Write_Text(file,
                   "%s = 0.6 p\xCE\\1\xCEr = %.1lf mm, i = t / 12\xCE/0.5\xCEr = %.4lf mm, %s = pi "
                   "(E / %s)\xCE/0.5\xCEr = %.2lf mit E = 210000 N/mm\xCE/2\xCEr%s, %s = %s / "
                   "(i %s) = %.4lf",
                   L_cr, b->L_cr, b->i, lam_1, f_y, b->lambda_1, given, lam, L_cr, lam_1,
                   b->lambda);
    /* the verdict of a slenderness too small for buckling on a line of its own */
    if (!done)
        Oli_Write_Text(file,
                       "%s = %.4lf \xF3 0.2 => kappa = 1, \xCE"
                       "bkein Knicknachweis erforderlich\xCEr (DIN 18800-2, (4a))",
                       lam, b->lambda);
    if (!done) return;
    const char *Phi = annex ? "Phi" : "k";
    const char *chi = annex ? "chi" : "kappa";
    Oli_Write_Text(
        file,
        "Knicklinie c (%s = 0.49): %s = 0.5 (1 + %s (%s - 0.2) + %s\xCE/2\xCEr) = %.4lf, "
        "%s = 1 / (%s + (%s\xCE/2\xCEr - %s\xCE/2\xCEr)\xCE/0.5\xCEr) = %.4lf (%s)",
        SYM_ALPHA, Phi, SYM_ALPHA, lam, lam, b->Phi, chi, Phi, Phi, lam, b->chi,
        annex ? "DIN EN 1993-1-1, 6.3.1.2" : "DIN 18800-2, (4)");
    const char *m1 = annex ? "M1" : "M";
    /* the factor of an accidental combination by name */
    char which[96] = "";
    if (b->accidental)
        snprintf(which, sizeof which, " (%s\xCE\\%s\xCEr der %s)", SYM_GAMMA, m1,
                 "außergewöhnlichen Bemessungssituation"_cp850);
    Oli_Write_Text(file,
                   "%s\xCE\\c,d\xCEr = %.2lf N/mm\xCE/2\xCEr, %s %s / %s\xCE\\%s\xCEr = %.4lf x "
                   "%.0lf / %.2lf = %.2lf N/mm\xCE/2\xCEr%s",
                   SYM_SIGMA, b->sigma_c, chi, f_y, SYM_GAMMA, m1, b->chi, b->f_y, b->gamma_m1,
                   b->f_b, which);
    Write_Max_Util_Line(file, "des Bleches auf Knicken", b->u, M_left_out);
}

/* The largest spacing of the plates as compression members (EN 1993-1-8, Table 3.3, note 1) with
** its numbers, or why inner plates are exempt. */
static void Print_Plate_Spacing(FILE *file, const Plate_Buckling *b, double M_left_out)
{
    if (b->spacing == PLATE_SPACING_HELD) {
        Oli_Write_Text(file,
                       "Gr\x94\xE1ter Abstand p\xCE\\1\xCEr gedr\x81"
                       "ckter Bleche (DIN EN 1993-1-8, Tab. 3.3, Anm. 1): innenliegende Bleche, "
                       "in ihren Schlitzen beidseitig gehalten und nicht bewittert => nicht "
                       "begrenzt");
        return;
    }
    if (b->spacing != PLATE_SPACING_LIMITED) return;
    const double p1 = b->p1 * 10.0;
    Oli_Write_Text(file,
                   "Gr\x94\xE1ter Abstand gedr\x81"
                   "ckter Bleche (DIN EN 1993-1-8, Tab. 3.3, Anm. 1): p\xCE\\1\xCEr = %.1lf mm, "
                   "p\xCE\\1,max\xCEr = min(14 t; 200 mm) = min(14 x %.1lf; 200) = %.1lf mm => "
                   "u = %.1lf / %.1lf = %.3lf",
                   p1, b->t, b->p1_max, p1, b->p1_max, b->u_p1);
    /* across the force between adjacent rows the same limit; a single row has no p2 */
    if (b->p2 > 0.0) {
        const double p2 = b->p2 * 10.0;
        Oli_Write_Text(file,
                       "quer zur Kraft zwischen benachbarten Reihen: p\xCE\\2\xCEr = %.1lf mm, "
                       "p\xCE\\2,max\xCEr = %.1lf mm => u = %.1lf / %.1lf = %.3lf",
                       p2, b->p1_max, p2, b->p1_max, b->u_p2);
    }
    Write_Max_Util_Line(file, "des gr\x94\xE1ten Abstands", b->u_spacing, M_left_out);
}

/* The buckling check of the compressed plates and their largest spacing, each where it is made. */
static void Print_Plate_Buckling(FILE *file, const Plate_Buckling *b, double M_left_out)
{
    Print_Plate_Buckling_Lines(file, b, M_left_out);
    Print_Plate_Spacing(file, b, M_left_out);
}

int Calc_Plate_Check(int group, int entry, Plate_Check *out)
{
    const Splice_Input_Record *si = &Splice_Input;
    const Lkom_Entry *c = Get_Lkom_Entry(group, entry);
    if (c == nullptr) return 0;
    Plate_Check r{};
    r.bending = si->splice_kind == SPLICE_BENDING;
    r.M_left_out = Moment_Left_Out(c->M_d);
    /* the moment for distribution: M_v,d of a bending splice, that of V_d of another */
    const double M = c->M_distr;
    r.joint_moment = r.bending || M != 0.0;
    /* the plates' shear of the sections between the columns: they end free beyond the last */
    Calc_Joint_Shear(group, entry, &r.shear);
    const double Vs = r.shear.V_plate;
    r.V = Vs;
    r.N = c->N_d;
    r.M = M;
    All_Plates_Net_Section(&r.A_n, &r.W_n);
    if (!Calc_Plate_Stresses(c->N_d, Vs, M, &r.sigma, &r.tau, &r.sigma_v)) {
        r.state = PLATE_CHECK_NO_SECTION;
    } else {
        const int acc = Lkom_Accidental_Factors(c);
        const double fyd = Get_Plate_Fyd(acc);
        const double tRd = Get_Plate_Shear_Strength(acc);
        r.f_yd = fyd;
        r.f_vd = tRd;
        /* A net section in tension bears at most 0.9 A_net f_u / gamma_M2 (EN 1993-1-1, 6.2.3),
        ** with the annex's accidental gamma_M2 in an accidental combination, or A_net f_u,k /
        ** (1.25 gamma_M) (DIN 18800-1, members in tension with holes), an accidental combination
        ** there without the partial factor, as f_y,d. The moment of a bending
        ** splice pulls one edge of the plates whatever the sign of N_d: that edge is checked
        ** there always, at N_d / A_n + M / W_n. */
        double f_sigma = fyd;
        double n = 0.0; /* N / A: the edges lie at n + m and n - m, sigma is one of them */
        Calc_Plate_Stresses(c->N_d, 0.0, 0.0, &n, nullptr, nullptr);
        r.sigma_t = std::fmax(r.sigma, 2.0 * n - r.sigma);
        if (r.bending || r.sigma > 0.0) {
            r.net_tension = 1;
            r.f_u = Get_Plate_Fu();
            if (Nad_Params != nullptr) {
                r.gamma_m2 = acc ? Get_Steel_Gamma_M_Accidental(2) : si->gamma_m2;
                r.f_ud = r.gamma_m2 > 0.0 ? 0.9 * r.f_u / r.gamma_m2 : 0.0;
            } else {
                r.gamma_m2 = acc ? 1.0 : si->gamma_m0;
                r.f_ud = r.gamma_m2 > 0.0 ? r.f_u / (1.25 * r.gamma_m2) : 0.0;
            }
            f_sigma = std::fmin(fyd, r.f_ud);
        }
        if (!(f_sigma > 0.0) || !(tRd > 0.0)) {
            r.state = PLATE_CHECK_NO_FYD;
        } else {
            r.state = PLATE_CHECK_DONE;
            r.u_net = r.net_tension ? std::fmax(r.sigma_t, 0.0) / f_sigma : 0.0;
            r.u = std::fmax(std::fmax(r.u_net, std::fabs(r.sigma / fyd)),
                            std::fmax(std::fabs(r.tau / tRd), std::fabs(r.sigma_v / fyd)));
            Calc_Plate_Buckling(c, r.sigma, &r.buckling);
        }
    }
    *out = r;
    return 1;
}

void Print_Plate_Check(FILE *file, const Plate_Check *r)
{
    if (file == nullptr) return;
    Oli_Write_Heading(file, 3, "%s",
                      Nad_Params != nullptr ? "Bleche gem\x84\xE1 DIN EN 1993-1-1"
                                            : "Bleche gem\x84\xE1 DIN 18800");
    if (r->state == PLATE_CHECK_NO_SECTION) {
        Oli_Write_Text_Flagged(file,
                               "Nettoquerschnitt des Bleches = 0 => \xCE"
                               "bSpannungen nicht "
                               "bestimmbar\xCEr",
                               0);
        return;
    }
    if (r->state == PLATE_CHECK_NO_FYD) {
        Oli_Write_Text_Flagged(file,
                               "f\xCE\\y,d\xCEr nicht bestimmbar => \xCE"
                               "bNachweis kann nicht "
                               "gef\x81hrt werden!\xCEr",
                               0);
        return;
    }
    /* V: the plates' joint shear, derived in the timber section */
    Oli_Write_Text(file,
                   "%s = %.2lf N/mm\xCE/2\xCEr, %s\xCE\\v\xCEr = %.2lf N/mm\xCE/2\xCEr, %s = "
                   "%.2lf N/mm\xCE/2\xCEr (mit %s = %.2lf kN)",
                   SYM_SIGMA, r->sigma, SYM_SIGMA, r->sigma_v, SYM_TAU, r->tau,
                   Joint_Shear_Symbol(&r->shear, 1), r->V);
    /* what the stresses come from: the net section of all plates, M_v,d at the edge where it acts
    ** as N_d does */
    Oli_Write_Text(file,
                   "%s = N\xCE\\d\xCEr / A\xCE\\n\xCEr %c M\xCE\\v,d\xCEr / W\xCE\\n\xCEr = "
                   "%.2lf x 10 / %.2lf %c %.2lf x 1000 / %.2lf = %.2lf N/mm\xCE/2\xCEr, %s = 1.5 "
                   "%s / A\xCE\\n\xCEr = 1.5 x %.2lf x 10 / %.2lf = %.2lf N/mm\xCE/2\xCEr "
                   "(A\xCE\\n\xCEr, W\xCE\\n\xCEr aller Bleche)",
                   SYM_SIGMA, r->N < 0.0 ? '-' : '+', r->N, r->A_n, r->N < 0.0 ? '-' : '+',
                   std::fabs(r->M), r->W_n, r->sigma, SYM_TAU, Joint_Shear_Symbol(&r->shear, 1),
                   std::fabs(r->V), r->A_n, r->tau);
    if (r->net_tension && Nad_Params == nullptr)
        Oli_Write_Text(file,
                       "Nettoquerschnitt auf Zug: f\xCE\\y,d\xCEr = %.2lf N/mm\xCE/2\xCEr, "
                       "f\xCE\\u,k\xCEr / (1.25 %s\xCE\\M\xCEr) = %.0lf / (1.25 x %.2lf) = %.2lf "
                       "N/mm\xCE/2\xCEr (DIN 18800-1)",
                       r->f_yd, SYM_GAMMA, r->f_u, r->gamma_m2, r->f_ud);
    else if (r->net_tension)
        Oli_Write_Text(file,
                       "Nettoquerschnitt auf Zug: f\xCE\\y,d\xCEr = %.2lf N/mm\xCE/2\xCEr, 0.9 "
                       "f\xCE\\u\xCEr / %s\xCE\\M2\xCEr = 0.9 x %.0lf / %.2lf = %.2lf "
                       "N/mm\xCE/2\xCEr (DIN EN 1993-1-1, 6.2.3)",
                       r->f_yd, SYM_GAMMA, r->f_u, r->gamma_m2, r->f_ud);
    /* what the net section's stress is compared with: the smaller of the two; in a bending
    ** splice the stress of the edge that the moment pulls, whatever the sign of N_d */
    if (r->net_tension) {
        const double f = std::fmin(r->f_yd, r->f_ud);
        char edge[160] = "";
        if (r->bending)
            Format_N(edge, sizeof edge,
                     "gezogener Rand %s\xCE\\t\xCEr = N\xCE\\d\xCEr / A\xCE\\n\xCEr + "
                     "M\xCE\\v,d\xCEr / W\xCE\\n\xCEr = %.2lf N/mm\xCE/2\xCEr, ",
                     SYM_SIGMA, r->sigma_t);
        Oli_Write_Text(file,
                       "min(%s; %s) = %.2lf N/mm\xCE/2\xCEr, %s%s%s / %.2lf = %.2lf / %.2lf = "
                       "%.3lf",
                       Nad_Params != nullptr ? "f\xCE\\y\xCEr/" SYM_GAMMA "\xCE\\M0\xCEr"
                                             : "f\xCE\\y,k\xCEr/" SYM_GAMMA "\xCE\\M\xCEr",
                       Nad_Params != nullptr ? "0.9 f\xCE\\u\xCEr/" SYM_GAMMA "\xCE\\M2\xCEr"
                                             : "f\xCE\\u,k\xCEr/(1.25 " SYM_GAMMA "\xCE\\M\xCEr)",
                       f, edge, SYM_SIGMA, r->bending ? "\xCE\\t\xCEr" : "", f, r->sigma_t, f,
                       r->sigma_t / f);
    }
    /* the equivalent stress of EN 1993-1-1, eq. (6.1), as sigma_v / f_y,d, and the shear alone
    ** against f_y,d / sqrt(3), EN 1993-1-1, 6.2.6: the largest ratio is u */
    Oli_Write_Text(
        file,
        "%s\xCE\\v\xCEr = (%s\xCE/2\xCEr + 3 %s\xCE/2\xCEr)\xCE/0.5\xCEr = (%.2lf\xCE/2\xCEr "
        "+ 3 x %.2lf\xCE/2\xCEr)\xCE/0.5\xCEr = %.2lf N/mm\xCE/2\xCEr%s",
        SYM_SIGMA, SYM_SIGMA, SYM_TAU, std::fabs(r->sigma), std::fabs(r->tau), r->sigma_v,
        Nad_Params != nullptr ? " (DIN EN 1993-1-1, 6.2.1(5))" : "");
    Oli_Write_Text(
        file,
        "%s\xCE\\v\xCEr / f\xCE\\y,d\xCEr = %.2lf / %.2lf = %.3lf, |%s| / (f\xCE\\y,d\xCEr / "
        "3\xCE/0.5\xCEr) = %.2lf / %.2lf = %.3lf",
        SYM_SIGMA, r->sigma_v, r->f_yd, std::fabs(r->sigma_v / r->f_yd), SYM_TAU, std::fabs(r->tau),
        r->f_vd, std::fabs(r->tau / r->f_vd));
    Write_Max_Util_Line(file, "des Bleches", r->u, r->M_left_out);
    Print_Plate_Buckling(file, &r->buckling, r->M_left_out);
}

/* Plate utilisation of combination (group, entry), UTIL_NO_CHECK when the check cannot be
** made; writes the plate section when given a file. */
double Oli_Blech_Nachweis(FILE *file, int group, int entry)
{
    return Oli_Blech_Nachweis_Knicken(file, group, entry, nullptr, nullptr);
}

double Oli_Blech_Nachweis_Knicken(FILE *file, int group, int entry, double *u_buckling,
                                  double *u_spacing)
{
    if (u_spacing) *u_spacing = 0.0;
    if (u_buckling) *u_buckling = 0.0;
    Plate_Check r;
    if (!Calc_Plate_Check(group, entry, &r)) return 0.0;
    Print_Plate_Check(file, &r);
    if (u_buckling && r.buckling.state == PLATE_BUCKLING_DONE) *u_buckling = r.buckling.u;
    if (u_spacing && r.state == PLATE_CHECK_DONE) *u_spacing = r.buckling.u_spacing;
    return r.state == PLATE_CHECK_DONE ? r.u : UTIL_NO_CHECK;
}

/* ---------------------------------------------------------------- bearing of the holes */

typedef struct Fastener_Forces {
    double F_M, F_MH, F_MV, F_totH, F_totV, F_tot, alpha;
} Fastener_Forces;

static Fastener_Forces Forces_Of(int group, int entry, int i, int n, double f)
{
    double Np = 0, Vp = 0, Mp = 0, Mx = 0, My = 0, Fx = 0, Fy = 0, F = 0, a = 0;
    Get_Fastener_Force(/*group=*/group, /*entry=*/entry, /*i=*/i, /*n=*/n, /*N_part=*/&Np,
                       /*V_part=*/&Vp, /*M_part=*/&Mp, /*M_x=*/&Mx, /*M_y=*/&My, /*F_x=*/&Fx,
                       /*F_y=*/&Fy, /*F=*/&F, /*angle=*/&a);
    Fastener_Forces r;
    r.F_M = f * Mp;
    r.F_MH = f * Mx;
    r.F_MV = f * My;
    r.F_totH = f * Fx;
    r.F_totV = f * Fy;
    r.F_tot = f * F;
    r.alpha = a;
    return r;
}

/* x of the column nearest the plate end: the largest x of the half. */
static double End_Column_X(void)
{
    double x_max = -1e300;
    for (int k = 0; k < Fastener_Pattern.count; k++)
        x_max = std::fmax(x_max, Fastener_Pattern.recs[k].x);
    return x_max;
}

/* Where the holes of the pattern lie: the column at the plate end and the two outer rows. */
typedef struct Hole_Frame {
    double x_end;        /* cm, x of the column nearest the plate end */
    double y_min, y_max; /* cm, y of the outer rows */
} Hole_Frame;

static Hole_Frame Frame_Of_Pattern(void)
{
    Hole_Frame h = {End_Column_X(), 1e300, -1e300};
    for (int k = 0; k < Fastener_Pattern.count; k++) {
        h.y_min = std::fmin(h.y_min, Fastener_Pattern.recs[k].y);
        h.y_max = std::fmax(h.y_max, Fastener_Pattern.recs[k].y);
    }
    return h;
}

static bool In_End_Column(const Hole_Frame *h, int i)
{
    return i >= 0 && i < Fastener_Pattern.count && Fastener_Pattern.recs[i].x >= h->x_end - 1e-4;
}

/*
** DIN resistance of fastener i: the end resistance when the fastener stands in the column
** nearest the plate end (x within 1e-4 cm of x_end) and its force along the grain points towards
** that end (F_totH > 0), else the inner one. One rule for the search of the governing fastener
** and for the printed rows.
*/
static double Hole_Resistance(const Hole_Frame *h, int i, double F_totH, double R_inner,
                              double R_end)
{
    return (In_End_Column(h, i) && F_totH > 0.0) ? R_end : R_inner;
}

static double Ratio(double F, double R) { return R > 0.0 ? std::fabs(F / R) : UTIL_NO_CHECK; }

/* The ratio of one force component: none without the component. */
static double Component_Ratio(double F, double R) { return F == 0.0 ? 0.0 : Ratio(F, R); }

/* F_b,Rd = k1 alpha_b f_u d t / gamma_M2 (EN 1993-1-8, Table 3.4), kN. */
static double Ec_Resistance(const Bearing_Check *r, double k1, double alpha_b)
{
    const double g = r->gamma_m2;
    return g > 0.0 ? k1 * alpha_b * r->f_u * r->d * r->t / g / 1000.0 : 0.0;
}

/*
** EN resistances of fastener i to its force components (F_H along the grain, F_V across), each
** with the factors of its own direction: alpha_b of an end hole where the component points to the
** plate's end (the column at the end, F_H > 0) or to its edge (an outer row, F_V towards it, or
** a single row whichever way); k1
** of an edge hole beside the plate's edge (an outer row, for F_H) or its end (the end column, for
** F_V). Writes R_H, R_V, R and u of the row.
*/
static void Ec_Hole(const Bearing_Check *r, const Hole_Frame *h, int i, double F_H, double F_V,
                    Bearing_Row *row)
{
    const double y = (i >= 0 && i < Fastener_Pattern.count) ? Fastener_Pattern.recs[i].y : 0.0;
    const bool end_column = In_End_Column(h, i);
    const bool top = y >= h->y_max - 1e-4, bottom = y <= h->y_min + 1e-4;
    const bool H_end = end_column && F_H > 0.0;
    const double a_H = H_end ? r->H.alpha_end : r->H.alpha_in;
    const double k_H = (top || bottom) ? r->H.k1_edge : r->H.k1_in;
    /* a single row has an edge on either side */
    const bool to_edge = (top && bottom) || (top && F_V > 0.0) || (bottom && F_V < 0.0);
    row->end_column = end_column ? 1 : 0;
    row->edge_row = (top || bottom) ? 1 : 0;
    row->single_row = (top && bottom) ? 1 : 0;
    row->H_end = H_end ? 1 : 0;
    row->V_end = to_edge ? 1 : 0;
    const double a_V = to_edge ? r->V.alpha_end : r->V.alpha_in;
    const double k_V = end_column ? r->V.k1_edge : r->V.k1_in;
    row->R_H = Ec_Resistance(r, k_H, a_H);
    row->R_V = Ec_Resistance(r, k_V, a_V);
    const double u_H = Component_Ratio(F_H, row->R_H), u_V = Component_Ratio(F_V, row->R_V);
    row->u = std::fmax(u_H, u_V);
    row->R = u_V > u_H ? row->R_V : row->R_H;
}

double Plate_Row_Spacing(const Splice_Input_Record *si)
{
    if ((int)Splice_N_Row(si) == 1 && Splice_N_Row(si) == 1.0) return si->h_p;
    return si->p2;
}

/* Resistances of an inner and of an end hole (DIN), or the factors of both directions (EN),
** with the diameters, distances and strengths they come from. */
static void Calc_Hole_Resistances(const Lkom_Entry *c, Bearing_Check *r)
{
    const Splice_Input_Record *si = &Splice_Input;
    const Plate_Hole hole = Get_Plate_Hole(si);
    const int acc = Lkom_Accidental_Factors(c);
    r->t = si->t_p * 10.0;
    r->hole_rule = hole.rule;
    if (!r->annex) {
        double e = 0, e1 = 0, e2 = 0, e3 = 0;
        Calc_Plate_Hole_Geometry(hole.d0, 1, &e, &e1, &e2, &e3);
        /* DIN 18800-1, Table 8, hole by hole: the inner fasteners bear by the hole spacing e,
        ** the end fasteners by their end distance e_Rand in the direction of the force. */
        Calc_Plate_Bearing_Din_Hole(&r->R_in, &r->alpha_in, 0, e, e2, e3, acc, &r->in);
        Calc_Plate_Bearing_Din_Hole(&r->R_end, &r->alpha_end, 1, si->e_rand_din * 10.0, e2, e3, acc,
                                    &r->end);
        r->d0 = hole.d0;
        r->d = hole.d;
        r->f_yd = Get_Plate_Fyd(acc);
        r->f_yk = Get_Plate_Fy();
        r->gamma_m = acc ? 1.0 : si->gamma_m0;
        r->e = e / 10.0;
        r->e1 = e1 / 10.0;
        r->e2 = e2 / 10.0;
        r->e3 = e3 / 10.0;
        r->e_rand = si->e_rand_din;
        return;
    }
    r->d0 = hole.d0;
    r->d = hole.d;
    r->f_u = Get_Plate_Fu();
    r->f_ub = Plate_Bearing_Fu_B();
    r->gamma_m2 = Get_Steel_Gamma_M2_Joints(acc);
    r->p1 = si->p1;
    r->p2 = Plate_Row_Spacing(si);
    r->p1_v = r->p2;
    r->p2_v = r->p1;
    r->staggered =
        si->layout[VBM_TYPE_SLOT(si->vbm_type)] == LAYOUT_STAGGERED && Splice_N_Row(si) > 1.0;
    if (r->staggered) {
        /* EN 1993-1-8, Fig. 3.1 (c): p1 is the spacing of the holes in one line of the force,
        ** p2 the distance of the adjacent lines beside it. A staggered layout keeps p1 = 2 a1
        ** and p2 = 2 a2 of its steps a1, a2: its rows stand a2 = p2 / 2 apart with a hole every
        ** a1 = p1 / 2, its columns a1 / 2 = p1 / 4 apart with a hole every 2 a2 = p2. */
        r->p1 = si->p1 / 2.0;
        r->p2 = si->p2 / 2.0;
        r->p1_v = si->p2;
        r->p2_v = si->p1 / 4.0;
    }
    r->e1 = si->e1;
    r->e2 = si->e2;
    r->e_rand = si->e_rand_ec;
    const double e1 = r->e1 * 10.0, e2 = r->e2 * 10.0;
    r->H = Calc_Plate_Bearing_Factors(hole.d0, e1, r->p1 * 10.0, e2, r->p2 * 10.0, r->f_ub, r->f_u);
    r->V = Calc_Plate_Bearing_Factors(hole.d0, e2, r->p1_v * 10.0, e1, r->p2_v * 10.0, r->f_ub,
                                      r->f_u);
}

int Calc_Bearing_Check(int group, int entry, Bearing_Check *out)
{
    const Splice_Input_Record *si = &Splice_Input;
    const Lkom_Entry *c = Get_Lkom_Entry(group, entry);
    if (c == nullptr) return 0;
    Bearing_Check r{};
    r.annex = Nad_Params != nullptr;
    r.M_left_out = Moment_Left_Out(c->M_d);
    Calc_Hole_Resistances(c, &r);

    const int n_f = Fastener_Pattern.count;
    const double f = si->connection_kind == CONN_INNER_PLATES ? 2.0 : 1.0;
    const Hole_Frame frame = Frame_Of_Pattern();
    int first = 0, n = n_f;
    if (si->print.fasteners == 0 && n_f > 1) {
        std::vector<double> fx((size_t)n_f), fy((size_t)n_f), F((size_t)n_f);
        Get_Fastener_Forces_All(group, entry, n_f, nullptr, fx.data(), fy.data(), F.data(),
                                nullptr);
        double best = -1.0;
        for (int i = 0; i < n_f; i++) {
            double u;
            if (r.annex) {
                Bearing_Row row{};
                Ec_Hole(&r, &frame, i, f * fx[i], f * fy[i], &row);
                u = row.u;
            } else {
                u = Ratio(f * F[i], Hole_Resistance(&frame, i, f * fx[i], r.R_in, r.R_end));
            }
            if (u > best) {
                best = u;
                first = i;
            }
        }
        n = 1;
    }
    if (n < 0) n = 0;
    r.first = first;
    r.n = n;
    r.rows = n > 0 ? (Bearing_Row *)Mem_Calloc((size_t)n * sizeof(Bearing_Row)) : nullptr;
    for (int k = 0; k < n && r.rows != nullptr; k++) {
        const int i = first + k;
        const Fastener_Forces ff = Forces_Of(group, entry, i, n_f, f);
        Bearing_Row *row = &r.rows[k];
        row->F_M = ff.F_M;
        row->F_MH = ff.F_MH;
        row->F_MV = ff.F_MV;
        row->F_totH = ff.F_totH;
        row->F_totV = ff.F_totV;
        row->F_tot = ff.F_tot;
        row->alpha = ff.alpha * 180.0 / M_PI;
        if (r.annex) {
            Ec_Hole(&r, &frame, i, ff.F_totH, ff.F_totV, row);
        } else {
            row->R = Hole_Resistance(&frame, i, ff.F_totH, r.R_in, r.R_end);
            row->u = Ratio(ff.F_tot, row->R);
        }
        r.u_max = std::fmax(r.u_max, row->u);
    }
    *out = r;
    return 1;
}

void Free_Bearing_Check(Bearing_Check *r)
{
    if (r == nullptr) return;
    Mem_Free(&r->rows);
    r->n = 0;
}

/* The force table of the checked fasteners, one row each, numbered from the first one's own
** number: the resistance of the hole (DIN), or those to both force components (EN). */
static void Print_Bearing_Table(FILE *file, const Bearing_Check *r)
{
    const int n = r->n;
    const int ncols = r->annex ? 11 : 10;
    const int nvals = ncols - 1;
    double *cols[10] = {};
    bool ok = true;
    for (int k = 0; k < nvals; k++) {
        cols[k] = (double *)Mem_Calloc((size_t)n * sizeof(double));
        ok = ok && cols[k] != nullptr;
    }
    for (int i = 0; i < n && ok; i++) {
        const Bearing_Row *row = &r->rows[i];
        cols[0][i] = row->F_M;
        cols[1][i] = row->F_MH;
        cols[2][i] = row->F_MV;
        cols[3][i] = row->F_totH;
        cols[4][i] = row->F_totV;
        cols[5][i] = row->F_tot;
        cols[6][i] = row->alpha;
        if (r->annex) {
            cols[7][i] = row->R_H;
            cols[8][i] = row->R_V;
        } else {
            cols[7][i] = row->R;
        }
        /* a hole without a resistance has no number */
        cols[nvals - 1][i] = row->u == UTIL_NO_CHECK ? OLI_MARK_NONE : row->u;
    }
    if (ok) {
        /* the forces of one plate's hole: an inner plate takes the shear planes at both sides */
        if (Splice_Input.connection_kind == CONN_INNER_PLATES)
            Oli_Write_Text(file, "%s",
                           "Kr\x84"
                           "fte pro Blech und Verbindungsmittel (2 x Kraft pro Scherfuge), Nr. wie "
                           "in der Koordinatentabelle");
        else
            Oli_Write_Text(file, "%s",
                           "Kr\x84"
                           "fte pro Blech und Verbindungsmittel (1 Scherfuge je Blech), Nr. wie "
                           "in der Koordinatentabelle");
        Oli_Table_Column *tc = nullptr;
        Oli_Alloc_Table_Columns(ncols, &tc);
        /* the forces, then the resistance (DIN) or the resistances to F_totH and to F_totV (EN),
        ** then u */
        static const char *const forces[8] = {"Nr",
                                              "F\xCE\\Mi\xCEr",
                                              "F\xCE\\MHi\xCEr",
                                              "F\xCE\\MVi\xCEr",
                                              "F\xCE\\totHi\xCEr",
                                              "F\xCE\\totVi\xCEr",
                                              "F\xCE\\toti\xCEr",
                                              SYM_ALPHA "\xCE\\toti\xCEr"};
        static const char *const resistances[2][2] = {{"V\xCE\\l,R,d\xCEr", ""},
                                                      {"F\xCE\\b,H,Rd\xCEr", "F\xCE\\b,V,Rd\xCEr"}};
        for (int k = 0; k < ncols; k++) {
            const char *title = k < 8 ? forces[k] : "u";
            if (k >= 8 && k < ncols - 1) title = resistances[r->annex ? 1 : 0][k - 8];
            const char *unit =
                k == 0 ? "ZZ" : (k == 7 ? SYM_DEGREE : (k == ncols - 1 ? "-" : "kN"));
            Format_N(tc[k].title, sizeof tc[k].title, "%s", title);
            Format_N(tc[k].unit, sizeof tc[k].unit, "%s", unit);
            tc[k].width = k == 0 ? 3 : (k == ncols - 1 ? 5 : 7);
            /* the row number of "ZZ" starts at the first printed fastener's own number */
            tc[k].decimals = k == 0 ? r->first + 1 : 2;
            tc[k].values = k == 0 ? nullptr : cols[k - 1];
            tc[k].factor = 1.0;
        }
        /* the largest utilisation is underlined, nothing else */
        tc[ncols - 1].underline_mark = 1;
        Oli_Table_Report_Error(file, OliTabelle(/*file=*/file, /*ncols=*/ncols, /*nrows=*/n,
                                                /*columns=*/tc, /*row_mask=*/nullptr,
                                                /*row_rules=*/nullptr, /*highlight=*/0,
                                                /*flags=*/0, /*title_counts=*/nullptr,
                                                /*title_texts=*/nullptr, /*extra_count=*/0,
                                                /*extra_texts=*/nullptr));
        free(tc);
    }
    for (int k = 0; k < nvals; k++) Mem_Free(&cols[k]);
}

/* What bears on the plate where it is not the fastener's shank: a connector's hub or bolt. */
static const char *Bearing_Diameter_Note(const Bearing_Check *r)
{
    switch (r->hole_rule) {
    case PLATE_HOLE_HUB_CLEARANCE:
        return " (Nabe d\xCE\\3\xCEr des D\x81"
               "bels)";
    case PLATE_HOLE_HUB:
        return " (Nabe d\xCE\\1\xCEr des D\x81"
               "bels)";
    case PLATE_HOLE_ON_BOLT:
        return " (Bolzen des D\x81"
               "bels)";
    default: return "";
    }
}

/* A hole distance in cm as the digits of the formulas below write it in mm with two decimals:
** "79.95" mm is "7.995" cm, "100.00" mm "10.00" cm (no third decimal that is a zero). */
static Mm_Text Cm_Of_Formula(double cm)
{
    Mm_Text m, mm;
    snprintf(m.t, sizeof m.t, "%.2lf", cm);
    snprintf(mm.t, sizeof mm.t, "%.2lf", cm * 10.0);
    const char *point = strchr(mm.t, '.');
    if (cm < 0.0 || point == nullptr || point[2] == '0') return m;
    /* the point one place to the left */
    const int whole = (int)(point - mm.t);
    snprintf(m.t, sizeof m.t, "%.*s.%c%s", whole > 1 ? whole - 1 : 1, whole > 1 ? mm.t : "0",
             whole > 1 ? mm.t[whole - 1] : mm.t[0], point + 1);
    return m;
}

/* The lines of the EN rule: the formula with its diameters and strengths, the hole distances
** and the factors of each direction. */
static void Print_Ec_Bearing_Lines(FILE *file, const Bearing_Check *r)
{
    Oli_Write_Text(file,
                   "F\xCE\\b,Rd\xCEr = k\xCE\\1\xCEr %s\xCE\\b\xCEr f\xCE\\u\xCEr d t / "
                   "%s\xCE\\M2\xCEr je Kraftkomponente (Tab. 3.4, Anm. 3) mit d = %.1lf mm%s, "
                   "d\xCE\\0\xCEr = %.1lf mm, t = %.1lf mm",
                   SYM_ALPHA, SYM_GAMMA, r->d, Bearing_Diameter_Note(r), r->d0, r->t);
    if (!r->staggered) {
        Oli_Write_Text(file,
                       "f\xCE\\u\xCEr = %.0lf N/mm\xCE/2\xCEr, f\xCE\\ub\xCEr = %.0lf "
                       "N/mm\xCE/2\xCEr, %s\xCE\\M2\xCEr = %.2lf; p\xCE\\"
                       "1\xCEr = %s cm, e\xCE\\"
                       "1\xCEr = %s cm, e\xCE\\"
                       "2\xCEr = %s cm, p\xCE\\"
                       "2\xCEr = %s cm",
                       r->f_u, r->f_ub, SYM_GAMMA, r->gamma_m2, Cm_Of_Formula(r->p1).t,
                       Cm_Of_Formula(r->e1).t, Cm_Of_Formula(r->e2).t, Cm_Of_Formula(r->p2).t);
    } else {
        /* staggered holes: the spacings of each direction by name (EN 1993-1-8, Fig. 3.1) */
        Oli_Write_Text(file,
                       "f\xCE\\u\xCEr = %.0lf N/mm\xCE/2\xCEr, f\xCE\\ub\xCEr = %.0lf "
                       "N/mm\xCE/2\xCEr, %s\xCE\\M2\xCEr = %.2lf; e\xCE\\"
                       "1\xCEr = %s cm, e\xCE\\"
                       "2\xCEr = %s cm",
                       r->f_u, r->f_ub, SYM_GAMMA, r->gamma_m2, Cm_Of_Formula(r->e1).t,
                       Cm_Of_Formula(r->e2).t);
        Oli_Write_Text(file,
                       "versetzte L\x94"
                       "cher (Bild 3.1): zu F\xCE\\totH\xCEr p\xCE\\"
                       "1\xCEr = %s cm (L\x94"
                       "cher einer Reihe), p\xCE\\"
                       "2\xCEr = %s cm (benachbarte Reihen); zu F\xCE\\totV\xCEr p\xCE\\"
                       "1,V\xCEr = %s cm (L\x94"
                       "cher einer Spalte), p\xCE\\"
                       "2,V\xCEr = %s cm (benachbarte Spalten)",
                       Cm_Of_Formula(r->p1).t, Cm_Of_Formula(r->p2).t, Cm_Of_Formula(r->p1_v).t,
                       Cm_Of_Formula(r->p2_v).t);
    }
    /* an approved screw's tensile strength is none of the catalogue's: the bearing takes a
    ** value of its own, which enters alpha_b through f_ub / f_u alone */
    const int type = Splice_Input.vbm_type;
    if (Is_Vbm_Screw_Eta12(type) || Is_Vbm_Screw_Eta11(type))
        Oli_Write_Text(file,
                       "f\xCE\\u\xCEr: Zugfestigkeit des Blechs; f\xCE\\ub\xCEr = %.0lf "
                       "N/mm\xCE/2\xCEr: der Schraube, Annahme des Programms f\x81r zugelassene "
                       "Schrauben (nur in f\xCE\\ub\xCEr / f\xCE\\u\xCEr von %s\xCE\\b\xCEr)",
                       r->f_ub, SYM_ALPHA);
    Oli_Write_Text(file,
                   "parallel zum Blechrand (F\xCE\\totH\xCEr): %s\xCE\\b\xCEr = %.3lf "
                   "(e\xCE\\1\xCEr) / %.3lf (p\xCE\\1\xCEr), k\xCE\\1\xCEr = %.3lf "
                   "(e\xCE\\2\xCEr) / %.3lf (p\xCE\\2\xCEr)",
                   SYM_ALPHA, r->H.alpha_end, r->H.alpha_in, r->H.k1_edge, r->H.k1_in);
    Oli_Write_Text(file,
                   "senkrecht zum Blechrand (F\xCE\\totV\xCEr): %s\xCE\\b\xCEr = %.3lf "
                   "(e\xCE\\2\xCEr) / %.3lf (p\xCE\\%s\xCEr), k\xCE\\1\xCEr = %.3lf "
                   "(e\xCE\\1\xCEr) / %.3lf (p\xCE\\%s\xCEr)",
                   SYM_ALPHA, r->V.alpha_end, r->V.alpha_in, r->staggered ? "1,V" : "2",
                   r->V.k1_edge, r->V.k1_in, r->staggered ? "2,V" : "1");
}

/* The names and values (mm) of one direction of the EN rule: along the plate's edges (F_totH)
** the end distance e1 and spacing p1 ahead, e2 and p2 beside; across (F_totV) the other way,
** staggered holes with the spacing p1,V in their column and p2,V of the columns. */
typedef struct Ec_Direction {
    const char *name, *force, *resistance;
    const char *e_end, *p_along, *e_edge, *p_across;
    double e_end_mm, p_along_mm, e_edge_mm, p_across_mm;
} Ec_Direction;

static Ec_Direction Ec_Direction_Of(const Bearing_Check *r, bool along)
{
    const double e1 = r->e1 * 10.0, e2 = r->e2 * 10.0;
    if (along)
        return {"parallel zum Blechrand",
                "F\xCE\\totH\xCEr",
                "F\xCE\\b,H,Rd\xCEr",
                "e\xCE\\"
                "1\xCEr",
                "p\xCE\\"
                "1\xCEr",
                "e\xCE\\"
                "2\xCEr",
                "p\xCE\\"
                "2\xCEr",
                e1,
                r->p1 * 10.0,
                e2,
                r->p2 * 10.0};
    return {"senkrecht zum Blechrand",
            "F\xCE\\totV\xCEr",
            "F\xCE\\b,V,Rd\xCEr",
            "e\xCE\\"
            "2\xCEr",
            r->staggered ? "p\xCE\\1,V\xCEr" : "p\xCE\\2\xCEr",
            "e\xCE\\"
            "1\xCEr",
            r->staggered ? "p\xCE\\2,V\xCEr" : "p\xCE\\1\xCEr",
            e2,
            r->p1_v * 10.0,
            e1,
            r->p2_v * 10.0};
}

/*
** For the fastener whose component of one direction is used most, the case of alpha_b and of k1
** with the formula and its operands (EN 1993-1-8, Table 3.4), and F_b,Rd from them, so that each
** printed resistance recomputes from the page. The cases follow Ec_Hole.
*/
static void Print_Ec_Governing(FILE *file, const Bearing_Check *r, bool along)
{
    const Ec_Direction dn = Ec_Direction_Of(r, along);
    int k = -1;
    double u_best = 0.0;
    for (int i = 0; i < r->n && r->rows != nullptr; i++) {
        const Bearing_Row *w = &r->rows[i];
        const double u =
            along ? Component_Ratio(w->F_totH, w->R_H) : Component_Ratio(w->F_totV, w->R_V);
        if (u > u_best) {
            u_best = u;
            k = i;
        }
    }
    if (k < 0) {
        Oli_Write_Text(file, "%s: keine Kraftkomponente %s => kein Nachweis", dn.name, dn.force);
        return;
    }
    const Bearing_Row *w = &r->rows[k];
    const Bearing_Factors &b = along ? r->H : r->V;
    const double F = along ? w->F_totH : w->F_totV;
    const bool end = along ? w->H_end != 0 : w->V_end != 0;
    const bool edge = along ? w->edge_row != 0 : w->end_column != 0;
    const double alpha = end ? b.alpha_end : b.alpha_in;
    const double k1 = edge ? b.k1_edge : b.k1_in;
    const double R = along ? w->R_H : w->R_V;
    /* where alpha_b and k1 come from */
    const char *why;
    if (along)
        why = end       ? "Kraft zum Blechende, Endspalte => Endloch"
              : F < 0.0 ? "Kraft zum Sto\xE1 => innenliegend"
                        : "Kraft zum Blechende, Loch davor => innenliegend";
    else if (end)
        why = w->single_row ? "eine Reihe, Blechrand in Kraftrichtung => Randloch"
                            : "Kraft zum Blechrand, Randreihe => Randloch";
    else why = "Kraft zur Nachbarreihe => innenliegend";
    /* one line of holes in the direction of the force: the holes between take the end's alpha_b */
    const bool as_end = end || dn.p_along_mm <= 0.1;
    char a_text[160];
    if (as_end)
        Format_N(a_text, sizeof a_text,
                 "min(%s / (3 d\xCE\\0\xCEr); f\xCE\\ub\xCEr / f\xCE\\u\xCEr; 1.0) = min(%.2lf / "
                 "(3 x %.1lf); %.0lf / %.0lf; 1.0)",
                 dn.e_end, dn.e_end_mm, r->d0, r->f_ub, r->f_u);
    else
        Format_N(a_text, sizeof a_text,
                 "min(%s / (3 d\xCE\\0\xCEr) - 1/4; f\xCE\\ub\xCEr / f\xCE\\u\xCEr; 1.0) = "
                 "min(%.2lf / (3 x %.1lf) - 0.25; %.0lf / %.0lf; 1.0)",
                 dn.p_along, dn.p_along_mm, r->d0, r->f_ub, r->f_u);
    Oli_Write_Text(file, "Nr. %d %s (%s = %.2lf kN): %s%s: %s\xCE\\b\xCEr = %s = %.4lf",
                   r->first + k + 1, dn.name, dn.force, F, why,
                   !end && as_end ? ", eine Lochreihe wie Endloch" : "", SYM_ALPHA, a_text, alpha);
    char k_text[192];
    const bool one_line_across = dn.p_across_mm <= 0.1;
    if (edge && one_line_across)
        Format_N(k_text, sizeof k_text,
                 "k\xCE\\1\xCEr = min(2.8 %s / d\xCE\\0\xCEr - 1.7; 2.5) = min(2.8 x %.2lf / %.1lf "
                 "- 1.7; 2.5)",
                 dn.e_edge, dn.e_edge_mm, r->d0);
    else if (edge)
        Format_N(k_text, sizeof k_text,
                 "k\xCE\\1\xCEr = min(2.8 %s / d\xCE\\0\xCEr - 1.7; 1.4 %s / d\xCE\\0\xCEr - 1.7; "
                 "2.5) = min(2.8 x %.2lf / %.1lf - 1.7; 1.4 x %.2lf / %.1lf - 1.7; 2.5)",
                 dn.e_edge, dn.p_across, dn.e_edge_mm, r->d0, dn.p_across_mm, r->d0);
    else if (one_line_across)
        Format_N(k_text, sizeof k_text, "k\xCE\\1\xCEr = 2.5 (keine Lochreihe daneben)");
    else
        Format_N(k_text, sizeof k_text,
                 "k\xCE\\1\xCEr = min(1.4 %s / d\xCE\\0\xCEr - 1.7; 2.5) = min(1.4 x %.2lf / %.1lf "
                 "- 1.7; 2.5)",
                 dn.p_across, dn.p_across_mm, r->d0);
    const char *where =
        along ? (edge ? "Randreihe" : "innere Reihe") : (edge ? "Endspalte" : "innere Spalte");
    Oli_Write_Text(file, "%s: %s = %.4lf", where, k_text, k1);
    Oli_Write_Text(file,
                   "=> %s = k\xCE\\1\xCEr %s\xCE\\b\xCEr f\xCE\\u\xCEr d t / %s\xCE\\M2\xCEr = "
                   "%.4lf x %.4lf x %.0lf x %.1lf x %.1lf / %.2lf = %.2lf kN, u = %.2lf / %.2lf = "
                   "%s",
                   dn.resistance, SYM_ALPHA, SYM_GAMMA, k1, alpha, r->f_u, r->d, r->t, r->gamma_m2,
                   R, std::fabs(F), R, Util_Of(u_best, "", 2).t);
}

/* "a dist/d_L - b = a x ratio - b = value" of one line of DIN 18800-1, Table 8. */
static void Format_Din_Line(char *buf, size_t size, const Din_Alpha_Terms *t, bool upper,
                            const char *dist, const char *ratio)
{
    const double a = upper ? t->a_up : t->a_lo, b = upper ? t->b_up : t->b_lo;
    Format_N(buf, size, "%.2lf %s/d\xCE\\L\xCEr - %.2lf = %.2lf x %s - %.2lf = %.4lf", a, dist, b,
             a, ratio, b, upper ? t->upper : t->lower);
}

/*
** The terms of alpha_l of one kind of hole (DIN 18800-1, Table 8): the ratios to d_L, the line
** of the table that applies (or both and the weight by e2 / d_L between them), and V_l,R,d from
** them, so that each printed resistance recomputes from the page. Nothing without terms.
*/
static void Print_Din_Alpha(FILE *file, const Bearing_Check *r, const Din_Alpha_Terms *t, double R)
{
    if (!(t->d_L > 0.0)) return;
    const char *dist = t->end_hole ? "e\xCE\\Rand\xCEr" : "e";
    const char *head = t->end_hole ? "Tab. 8, Randl\x94"
                                     "cher"
                                   : "Tab. 8, innere L\x94"
                                     "cher";
    char ratio[64], e2r[80], e3r[96], line[192];
    if (t->distance / t->d_L > t->ratio_max)
        Format_N(ratio, sizeof ratio, "min(%.2lf/%.2lf; %.1lf)", t->distance, t->d_L, t->ratio_max);
    else Format_N(ratio, sizeof ratio, "%.2lf/%.2lf", t->distance, t->d_L);
    Format_N(e2r, sizeof e2r,
             "e\xCE\\"
             "2\xCEr/d\xCE\\L\xCEr = %.2lf/%.2lf = %.4lf",
             t->e2, t->d_L, t->e2r);
    const bool e3_ok = t->e3r + 1e-6 >= 2.4;
    Format_N(e3r, sizeof e3r,
             "e\xCE\\"
             "3\xCEr/d\xCE\\L\xCEr = %.2lf/%.2lf = %.4lf %s",
             t->e3, t->d_L, t->e3r,
             t->line == DIN_ALPHA_UPPER ? SYM_GE " 3.0"
             : e3_ok                    ? SYM_GE " 2.4"
                                        : "< 2.4, eine Lochreihe");
    switch (t->line) {
    case DIN_ALPHA_UPPER:
        Format_Din_Line(line, sizeof line, t, true, dist, ratio);
        Oli_Write_Text(file, "%s: %s\xCE\\l\xCEr = %s (%s " SYM_GE " 1.5, %s)", head, SYM_ALPHA,
                       line, e2r, e3r);
        break;
    case DIN_ALPHA_LOWER:
        Format_Din_Line(line, sizeof line, t, false, dist, ratio);
        Oli_Write_Text(file, "%s: %s\xCE\\l\xCEr = %s (%s, %s)", head, SYM_ALPHA, line, e2r, e3r);
        break;
    case DIN_ALPHA_INTERPOLATED:
        Format_Din_Line(line, sizeof line, t, true, dist, ratio);
        Oli_Write_Text(file,
                       "%s: %s\xCE\\l\xCEr(e\xCE\\"
                       "2\xCEr " SYM_GE " 1.5 d\xCE\\L\xCEr) = %s",
                       head, SYM_ALPHA, line);
        Format_Din_Line(line, sizeof line, t, false, dist, ratio);
        Oli_Write_Text(file,
                       "%s\xCE\\l\xCEr(e\xCE\\"
                       "2\xCEr = 1.2 d\xCE\\L\xCEr) = %s",
                       SYM_ALPHA, line);
        Oli_Write_Text(file,
                       "%s%s, %s: %s\xCE\\l\xCEr = %.4lf + (%.4lf - 1.2)/(1.5 - 1.2) x (%.4lf - "
                       "%.4lf) = %.4lf",
                       e2r,
                       t->e2r > 1.5 ? " (h\x94"
                                      "chstens 1.5)"
                                    : "",
                       e3r, SYM_ALPHA, t->lower, t->q, t->upper, t->lower, t->alpha_raw);
        break;
    default:
        Oli_Write_Text(file,
                       "%s: %s, %s: unter den Mindestabst\x84nden (e\xCE\\"
                       "2\xCEr " SYM_GE " 1.2 d\xCE\\L\xCEr, e\xCE\\"
                       "3\xCEr " SYM_GE " 2.4 d\xCE\\L\xCEr) => kein %s\xCE\\l\xCEr",
                       head, e2r, e3r, SYM_ALPHA);
        return;
    }
    if (t->alpha_raw > 3.0)
        Oli_Write_Text(file, "%s\xCE\\l\xCEr = %.4lf > 3.0 => %s\xCE\\l\xCEr = 3.0", SYM_ALPHA,
                       t->alpha_raw, SYM_ALPHA);
    Oli_Write_Text(file,
                   "=> %s = t d\xCE\\Sch\xCEr %s\xCE\\l\xCEr f\xCE\\y,k\xCEr / %s\xCE\\M\xCEr = "
                   "%.1lf x %.1lf x %.4lf x %.0lf / %.2lf = %.2lf kN",
                   t->end_hole ? "V\xCE\\l,R,d,Rand\xCEr" : "V\xCE\\l,R,d\xCEr", SYM_ALPHA,
                   SYM_GAMMA, r->t, r->d, t->alpha, r->f_yk, r->gamma_m, R);
}

void Print_Bearing_Check(FILE *file, const Bearing_Check *r)
{
    if (file == nullptr) return;
    Oli_Write_Heading(file, 3, "%s",
                      r->annex ? "Lochleibungskr\x84"
                                 "fte gem\x84\xE1 DIN EN 1993-1-8"
                               : "Lochleibungskr\x84"
                                 "fte gem\x84\xE1 DIN 18800");
    if (!r->annex) {
        Oli_Write_Text(file,
                       "V\xCE\\l,R,d\xCEr = t d\xCE\\Sch\xCEr %s\xCE\\l\xCEr f\xCE\\y,d\xCEr "
                       "mit d\xCE\\L\xCEr = %.1lf mm, d\xCE\\Sch\xCEr = %.1lf mm%s, t = %.1lf mm, "
                       "f\xCE\\y,d\xCEr = %.2lf N/mm\xCE/2\xCEr",
                       SYM_ALPHA, r->d0, r->d, Bearing_Diameter_Note(r), r->t, r->f_yd);
        Oli_Write_Text(file,
                       "e = %.2lf cm, e\xCE\\"
                       "1\xCEr = %.2lf cm, e\xCE\\"
                       "2\xCEr = %.2lf cm, "
                       "e\xCE\\"
                       "3\xCEr = %.2lf cm, %s\xCE\\l\xCEr = %.2lf => V\xCE\\l,R,d\xCEr = "
                       "%.2lf kN",
                       r->e, r->e1, r->e2, r->e3, SYM_ALPHA, r->alpha_in, r->R_in);
        Print_Din_Alpha(file, r, &r->in, r->R_in);
        Oli_Write_Text(file,
                       "e\xCE\\Rand\xCEr = %.2lf cm, e\xCE\\"
                       "1\xCEr = %.2lf cm, e\xCE\\"
                       "2\xCEr"
                       " = %.2lf cm, e\xCE\\"
                       "3\xCEr = %.2lf cm, %s\xCE\\l\xCEr = %.2lf => "
                       "V\xCE\\l,R,d,Rand\xCEr = %.2lf kN",
                       r->e_rand, r->e1, r->e2, r->e3, SYM_ALPHA, r->alpha_end, r->R_end);
        Print_Din_Alpha(file, r, &r->end, r->R_end);
    } else {
        Print_Ec_Bearing_Lines(file, r);
    }
    if (r->n > 0 && r->rows != nullptr) Print_Bearing_Table(file, r);
    if (r->annex && r->n > 0 && r->rows != nullptr) {
        Print_Ec_Governing(file, r, true);
        Print_Ec_Governing(file, r, false);
    }
    Write_Max_Util_Line(file, "der Lochleibungskraft", r->u_max, r->M_left_out);
}

/* Largest bearing utilisation of combination (group, entry); writes the bearing section with
** the force table when given a file. */
double Oli_Lochleibung_Nachweis(FILE *file, int group, int entry)
{
    Bearing_Check r;
    if (!Calc_Bearing_Check(group, entry, &r)) return 0.0;
    Print_Bearing_Check(file, &r);
    Free_Bearing_Check(&r);
    return r.u_max;
}
