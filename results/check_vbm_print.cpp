/*
** The section "Verbindungsmittel" of the print list: the head with the shares of N_d and V_d, the
** effective numbers, the penetration, the lamellas, the force table and the governing fastener's
** inputs, from the check that check_vbm.cpp computes. Forces in kN, mm for fasteners.
*/
#include "results/splice_checks.h"
#include "results/check_vbm_print.h"

#include <cmath>
#include <algorithm>
#include <cstring>

#include "design/design.h"
#include "design/design_state.h"
#include "foundation/format.h"
#include "foundation/foundation.h"
#include "printlist/printlist.h"


/* ---------------------------------------------------------------- the force table */

static bool Shows_Reduction_Or_Mode(int type)
{
    return type == VBM_NAGEL || Is_Vbm_Toothed_Plate(type) || Is_Vbm_Dowel_Or_Bolt(type);
}

/* The proof of the resistance takes the thicknesses themselves, f_red is 1: the exact proof and
** the one with design values. Of a toothed plate f_red is its bolt's; the plate's own share has
** its k1 (printed with the strengths). */
static bool Exact_Without_Reduction(void) { return Splice_Input.calc_method != 0; }

static bool Shows_Embedment(int type, int mode_switch)
{
    return Is_Vbm_Toothed_Plate(type) || Is_Vbm_Dowel_Or_Bolt(type)
           || (type == VBM_NAGEL && mode_switch);
}

/* Failure-mode label of a row: of an intermediate plate the thin-plate mode thin and the
** thick-plate mode interpolated. */
static void Mode_Label(char *out, size_t size, int code, int thin)
{
    const char *label = Get_Mode_Pair_Label(code, thin);
    Format_N(out, size, "%s", label ? label : "");
}

/* The label of the mode of a row's R_k in the table: an inner lamella's where its value is every
** plane's, as the governing row's line below the table names it. */
static void Row_Mode_Label(char *out, size_t size, const Vbm_Row &row)
{
    if (row.lamella_mode > 0) Mode_Label(out, size, row.lamella_mode, row.lamella_mode_thin);
    else Mode_Label(out, size, row.mode, row.mode_thin);
}

/* Write the force table of the printed fasteners, numbered from first_number (the number of the
** first printed fastener in the coordinate table). */
static void Write_Vbm_Table(FILE *file, const Vbm_Row *rows, int n, int first_number)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int type = si->vbm_type;
    const bool with_fh = Shows_Embedment(type, si->failure_mode_switch);
    const bool with_red = Shows_Reduction_Or_Mode(type);
    const int ncols = 11 + (with_fh ? 1 : 0) + (with_red ? 1 : 0);
    enum { LABEL_SLOT = 32 };
    double *v[12] = {};
    for (int k = 0; k < 12; k++) v[k] = (double *)Mem_Calloc((size_t)n * sizeof(double));
    /* Failure-mode labels in slots as wide as the longest label (at least six characters),
    ** so that long labels (two-digit DIN equations, aluminium bearing) are printed in full. */
    char label[LABEL_SLOT];
    int slot = 7;
    for (int r = 0; r < n; r++) {
        Row_Mode_Label(label, sizeof label, rows[r]);
        slot = std::max(slot, (int)strlen(label) + 1);
    }
    char *labels = (char *)Mem_Calloc((size_t)n * (size_t)slot);
    for (int r = 0; r < n; r++) {
        v[0][r] = rows[r].F_M;
        v[1][r] = rows[r].F_MH;
        v[2][r] = rows[r].F_MV;
        v[3][r] = rows[r].F_totH;
        v[4][r] = rows[r].F_totV;
        v[5][r] = rows[r].F_tot;
        v[6][r] = rows[r].alpha_deg;
        v[7][r] = rows[r].fh;
        v[8][r] = rows[r].f_red;
        v[9][r] = rows[r].R_k;
        v[10][r] = rows[r].R_d;
        /* a fastener without a resistance has no number */
        v[11][r] = rows[r].no_capacity ? OLI_MARK_NONE : rows[r].u;
        Row_Mode_Label(labels + (size_t)r * (size_t)slot, (size_t)slot, rows[r]);
    }
    Oli_Table_Column *tc = nullptr;
    Oli_Alloc_Table_Columns(with_fh ? 13 : 12, &tc);
    int k = 0;
    auto col = [&](const char *title, const char *unit, int width, int decimals, void *values) {
        Format_N(tc[k].title, sizeof tc[k].title, "%s", title);
        Format_N(tc[k].unit, sizeof tc[k].unit, "%s", unit);
        tc[k].width = width;
        tc[k].decimals = decimals;
        tc[k].values = values;
        tc[k].factor = 1.0;
        k++;
    };
    col("Nr", "ZZ", 3, first_number, nullptr);
    col("F\xCE\\Mi\xCEr", "kN", 7, 2, v[0]);
    col("F\xCE\\MHi\xCEr", "kN", 7, 2, v[1]);
    col("F\xCE\\MVi\xCEr", "kN", 7, 2, v[2]);
    col("F\xCE\\totHi\xCEr", "kN", 7, 2, v[3]);
    col("F\xCE\\totVi\xCEr", "kN", 7, 2, v[4]);
    col("F\xCE\\toti\xCEr", "kN", 7, 2, v[5]);
    col(SYM_ALPHA "\xCE\\toti\xCEr", SYM_DEGREE, 7, 2, v[6]);
    if (with_fh) col("f\xCE\\h," SYM_ALPHA ",k\xCEr", "N/mm\xCE/2\xCEr", 7, 2, v[7]);
    if (with_red && !si->failure_mode_switch) col("f\xCE\\red\xCEr", "-", 6, 3, v[8]);
    if (with_red && si->failure_mode_switch)
        col(Nad_Params != nullptr ? "Fall" : "Gl.", "TXT", slot, slot, labels);
    char title_k[32], title_d[32];
    Format_N(title_k, sizeof title_k, "%sk\xCEr", Get_Fv_Rk_Label());
    Format_N(title_d, sizeof title_d, "%sd\xCEr", Get_Fv_Rk_Label());
    col(title_k, "kN", 8, 4, v[9]);
    col(title_d, "kN", 8, 4, v[10]);
    col("u", "-", 5, 2, v[11]);
    /* the largest utilisation is underlined, nothing else */
    tc[k - 1].underline_mark = 1;
    Oli_Table_Report_Error(file,
                           OliTabelle(/*file=*/file, /*ncols=*/ncols, /*nrows=*/n, /*columns=*/tc,
                                      /*row_mask=*/nullptr, /*row_rules=*/nullptr,
                                      /*highlight=*/0, /*flags=*/0,
                                      /*title_counts=*/nullptr, /*title_texts=*/nullptr,
                                      /*extra_count=*/0, /*extra_texts=*/nullptr));
    free(tc);
    for (int j = 0; j < 12; j++) Mem_Free(&v[j]);
    Mem_Free(&labels);
}

/* ---------------------------------------------------------------- printing the check */

/* A kmod with the digits that let a line recompute: a table value with its two decimals, a
** root of two (EN 1995-1-1, eq. (2.6)) with four. */
static void Format_Kmod(char *buf, size_t size, double kmod)
{
    const double hundredths = kmod * 100.0;
    const bool two = std::fabs(hundredths - std::round(hundredths)) < 1e-9;
    Format_N(buf, size, two ? "%.2lf" : "%.4lf", kmod);
}

/* kmod of the connection as the head line gives it: members of one kmod give it alone; members
** of two give sqrt(kmod,1 kmod,2) with both (EN 1995-1-1, 2.3.2.1(4), eq. (2.6)). */
static void Format_Joint_Kmod(char *buf, size_t size, const Vbm_Check *r)
{
    if (r->kmod_1 == r->kmod_2) {
        Format_N(buf, size, "%.2lf", r->kmod);
        return;
    }
    char joint[32];
    Format_Kmod(joint, sizeof joint, r->kmod);
    Format_N(buf, size,
             "(k\xCE\\mod,1\xCEr x k\xCE\\mod,2\xCEr)\xCE/0.5\xCEr = (%.2lf x "
             "%.2lf)\xCE/0.5\xCEr = %s",
             r->kmod_1, r->kmod_2, joint);
}

/* The share of a load L (N_d or V_d) of one fastener of each side, the side with fewer first:
** "F = L / (2 x 17) = ... kN (rechte Seite mit 17), L / (2 x 18) = ... kN (linke Seite mit 18)". */
static void Print_Side_Load_Shares(FILE *file, const char *name, double load, const Vbm_Check *r,
                                   bool normal)
{
    const int a = r->side[0].pattern.n <= r->side[1].pattern.n ? 0 : 1, b = 1 - a;
    const Side_Share &sa = r->side[a], &sb = r->side[b];
    const double fa = normal ? sa.N_part : sa.V_part, fb = normal ? sb.N_part : sb.V_part;
    if (sa.pattern.n == sb.pattern.n)
        Oli_Write_Text(file, "%s = %.2lf / (2 x %d) = %.4lf kN je Seite", name, load, sa.pattern.n,
                       fa);
    else
        Oli_Write_Text(file,
                       "%s = %.2lf / (2 x %d) = %.4lf kN (%s mit %d), %.2lf / (2 x %d) = "
                       "%.4lf kN (%s mit %d)",
                       name, load, sa.pattern.n, fa, Vbm_Side_Name(a, 0), sa.pattern.n, load,
                       sb.pattern.n, fb, Vbm_Side_Name(b, 0), sb.pattern.n);
}

/*
** Fasteners driven alternately whose sides carry their own shares: the shares of N_d and V_d of
** each side's fasteners, each side's centroid, polar moment and half of the moment about it, and
** the governing fastener with its lever arms, so that a row of the table recomputes.
*/
static void Print_Vbm_Sides(FILE *file, const Vbm_Check *r)
{
    if (std::fabs(r->N_d) >= 1e-5)
        Print_Side_Load_Shares(file, "F\xCE\\Hi,d\xCEr", r->N_d, r, true);
    if (std::fabs(r->V_d) >= 1e-5)
        Print_Side_Load_Shares(file, "F\xCE\\Vi,d\xCEr", r->V_d, r, false);
    Oli_Write_Text(file, "Wechselseitig: jede Seite (rechts und links wie im Schnitt quer) "
                         "tr\x84gt die H\x84lfte mit ihren eigenen "
                         "Verbindungsmitteln, um deren Schwerpunkt S\xCE\\Seite\xCEr "
                         "(x vom Sto\xE1, y von der Holzachse)");
    const int n_f = r->n_f;
    const int fewer = r->side[0].pattern.n <= r->side[1].pattern.n ? 0 : 1;
    for (int k : {fewer, 1 - fewer}) {
        const Side_Share &s = r->side[k];
        char moment[160] = "";
        if (s.M > 0.0) {
            const double x_s = s.pattern.x_c / 100.0;
            if (r->bending)
                Format_N(moment, sizeof moment,
                         ", M\xCE\\v,d\xCEr / 2 = (|%.2lf| + |%.4lf x %.2lf|) / 2 = %.4lf kNm",
                         r->M_d, x_s, r->V_d, s.M);
            else
                Format_N(moment, sizeof moment,
                         ", M\xCE\\v,d\xCEr / 2 = |%.4lf x %.2lf| / 2 = %.4lf kNm", x_s, r->V_d,
                         s.M);
        }
        Oli_Write_Text(file,
                       "%s mit %d von %d: x\xCE\\s\xCEr = %.2lf cm, y\xCE\\s\xCEr = %.2lf cm, "
                       "I\xCE\\p\xCEr = %.2lf cm\xCE/2\xCEr%s",
                       Vbm_Side_Name(k, 1), s.pattern.n, n_f, s.pattern.x_c, s.pattern.y_c,
                       s.pattern.I_p, moment);
    }
    const int g = r->governing;
    if (g < 0 || g >= Fastener_Pattern.count) return;
    const int side = Vbm_Driven_Side(g);
    const Side_Share &s = r->side[side];
    const Fastener_Rec *f = &Fastener_Pattern.recs[g];
    Oli_Write_Text(file,
                   "ma\xE1gebend die %s mit %d: Verbindungsmittel Nr. %d, x - x\xCE\\s\xCEr = "
                   "%.2lf cm, y - y\xCE\\s\xCEr = %.2lf cm",
                   Vbm_Side_Name(side, 0), s.pattern.n, g + 1, f->x - s.pattern.x_c,
                   f->y - s.pattern.y_c);
}

static void Print_Vbm_Head(FILE *file, const Vbm_Check *r)
{
    Oli_Write_Heading(file, 3, "Verbindungsmittel");
    char kmod[160];
    Format_Joint_Kmod(kmod, sizeof kmod, r);
    if (r->bending)
        Oli_Write_Text(file,
                       "N\xCE\\"
                       "d\xCEr = %.2lf kN, V\xCE\\"
                       "d\xCEr = %.2lf kN, M\xCE\\v,d\xCEr"
                       " = |%.2lf| + |%.4lf x %.2lf| = %.2lf kNm, k\xCE\\mod\xCEr = %s",
                       r->N_d, r->V_d, r->M_d, r->e_x / 100.0, r->V_d, r->M_distr, kmod);
    else if (std::fabs(r->V_d) >= 1e-5) /* V_d and its moment about the fasteners, without M_d */
        Oli_Write_Text(file,
                       "N\xCE\\"
                       "d\xCEr = %.2lf kN, V\xCE\\"
                       "d\xCEr = %.2lf kN, M\xCE\\v,d\xCEr"
                       " = |%.4lf x %.2lf| = %.2lf kNm, k\xCE\\mod\xCEr = %s",
                       r->N_d, r->V_d, r->e_x / 100.0, r->V_d, r->M_distr, kmod);
    else /* V_d enters the timber and plate checks of tension and compression splices too */
        Oli_Write_Text(file,
                       "N\xCE\\"
                       "d\xCEr = %.2lf kN, V\xCE\\"
                       "d\xCEr = %.2lf kN, k\xCE\\mod\xCEr"
                       " = %s",
                       r->N_d, r->V_d, kmod);
    if (!r->bending) Write_Unchecked_Moment(file, r->M_d);
    if (r->sides) {
        Print_Vbm_Sides(file, r);
        return;
    }
    if (std::fabs(r->N_d) >= 1e-5)
        Oli_Write_Text(file, "F\xCE\\Hi,d\xCEr = %.2lf / (%d x %d) = %.4lf kN", r->N_d,
                       r->share_planes, r->share_n, r->F_H);
    if (std::fabs(r->V_d) >= 1e-5)
        Oli_Write_Text(file, "F\xCE\\Vi,d\xCEr = %.2lf / (%d x %d) = %.4lf kN", r->V_d,
                       r->share_planes, r->share_n, r->F_V);
}

/* A line of the effective number; with a line of the connectors' bolts beside (bolts), each
** names whose number it is. */
static void Print_Vbm_N_Ef_Line(FILE *file, const Vbm_N_Ef_Line *l, bool bolts)
{
    char lead[64] = "";
    if (l->bolt)
        Format_N(lead, sizeof lead, "Bolzen M%.0lf (DIN EN 1995-1-1, 8.10(1), 8.5.1.1(4)): ",
                 Get_Connector_Bolt_Diameter());
    else if (bolts)
        Format_N(lead, sizeof lead,
                 "D\x81"
                 "bel%s (DIN EN 1995-1-1, 8.9(2)): ",
                 Vbm_Back_To_Back_Pairs() ? "paare" : "");
    if (l->rule == VBM_NEF_BOLT && l->with_a1)
        Oli_Write_Text(file,
                       "%s%s\xCE\\min\xCEr = %.2lf \xF8, a\xCE\\"
                       "1\xCEr = %.1lf mm, n = %d => "
                       "n\xCE\\"
                       "ef\xCEr = %.2lf",
                       lead, SYM_ALPHA, l->alpha_min, l->a1, l->n, l->n_ef);
    else if (l->rule == VBM_NEF_NAIL && l->with_a1)
        Oli_Write_Text(file,
                       "%s%s\xCE\\min\xCEr = %.2lf \xF8, n = %d => n\xCE\\"
                       "ef\xCEr = %.2lf, "
                       "mit a\xCE\\"
                       "1\xCEr = %.1lf mm",
                       lead, SYM_ALPHA, l->alpha_min, l->n, l->n_ef, l->a1);
    else
        Oli_Write_Text(file,
                       "%s%s\xCE\\min\xCEr = %.2lf \xF8, n = %d => n\xCE\\"
                       "ef\xCEr = %.2lf",
                       lead, SYM_ALPHA, l->alpha_min, l->n, l->n_ef);
}

static void Print_Vbm_Penetration(FILE *file, const Vbm_Check *r)
{
    switch (r->penetration) {
    case VBM_PEN_NONE: break;
    case VBM_PEN_ENDS_IN_SIDE:
        Oli_Write_Text(file, "Verbindungsmittel endet im Seitenholz => \xCE"
                             "bNachweis kann "
                             "nicht gef\x81hrt werden!\xCEr");
        break;
    case VBM_PEN_TOO_SHORT:
        Oli_Write_Text(file, "Verbindungsmittel zu kurz f\x81r 2-schnittige Verbindung!\xCEr");
        break;
    case VBM_PEN_TOO_LONG:
        Oli_Write_Text(file, "\xCE"
                             "bVerbindungsmittel ist zu lang => k\x81rzeres "
                             "Verbindungsmittel w\x84hlen!\xCEr");
        break;
    case VBM_PEN_ALTERNATE:
        Oli_Write_Text(file,
                       "Verbindungsmittel endet im Mittelholz, %d-schnittig, "
                       "wechselseitig, Einschlagtiefe t = %.0lf mm",
                       r->shear_planes, r->t_penetration);
        break;
    case VBM_PEN_TWO_SIDED:
        Oli_Write_Text(file,
                       "Verbindungsmittel endet im Mittelholz, Verbindungsmittel "
                       "zweiseitig, Einschlagtiefe t = %.0lf mm",
                       r->t_penetration);
        break;
    case VBM_PEN_LAP:
        Oli_Write_Text(file,
                       "%d-schnittige Verbindung, Verbindungsmittel wechselseitig, "
                       "Einschlagtiefe t = %.0lf mm",
                       r->shear_planes, r->t_penetration);
        break;
    case VBM_PEN_FAR_MEMBER: /* t: into the far member */
        Oli_Write_Text(file,
                       "Verbindungsmittel endet im gegen\x81"
                       "berliegenden %s, 2-schnittig, %s, "
                       "Einschlagtiefe t = %.0lf mm",
                       Splice_Input.connection_kind == CONN_OUTER_PLATES ? "Blech" : "Seitenholz",
                       Vbm_Driven_From_Both_Sides() ? "zweiseitig" : "wechselseitig",
                       r->t_penetration);
        break;
    default: Oli_Write_Text(file, "undefinierter Fehler"); break;
    }
}

/* The rope term added to modes (k) and (m) of EN 1995-1-1, (8.12) and (8.13), named beside its value */
#define ROPE_TERM "(Seilwirkung F\xCE\\ax,Rk\xCEr/4)"

/* The letters of an inner lamella's governing modes: "(j)", "(m)" or "(k)/(l)" when interpolated. */
static void Lamella_Mode_Letters(char *out, size_t size, const Between_Plates_Result *b)
{
    if (b->mode_thin > 0 && b->mode_thick > 0)
        Format_N(out, size, "(%c)/(%c)", Get_Mode_Letter(b->mode_thin),
                 Get_Mode_Letter(b->mode_thick));
    else Format_N(out, size, "(%c)", Get_Mode_Letter(b->mode));
}

/* The planes of the lamellas: what each kind of lamella carries per plane and their mean, or the
** smallest where their modes may not be combined. */
static void Print_Vbm_Lamellas(FILE *file, const Vbm_Lamella_Planes *l)
{
    const bool ec = Nad_Params != nullptr;
    const Between_Plates_Result *b = &l->inner;
    char inner[48];
    if (l->inner_lamellas == 1) Format_N(inner, sizeof inner, "inneren Lamelle");
    else Format_N(inner, sizeof inner, "%d inneren Lamellen", l->inner_lamellas);
    Oli_Write_Text(file,
                   "Holzlamellen t = %.1lf mm: 2 Scherfugen der %s Lamellen neben je einem "
                   "Blech, %d Scherfugen der %s zwischen zwei Blechen (%s)",
                   l->t,
                   "\x84u\xe1"
                   "eren",
                   2 * l->inner_lamellas, inner, Get_Fv_Rk_Standard_Ref());
    char mode[DESIGN_LABEL_SIZE];
    Mode_Label(mode, sizeof mode, l->mode_outer, 0);
    Oli_Write_Text(file, "%s Lamelle%s, %s = %.2lf \xF8: %sk\xCEr = %.4lf kN (%s)",
                   "\x84u\xe1"
                   "ere",
                   ec ? " (Gl. (8.11))" : "", SYM_ALPHA, l->alpha_deg, Get_Fv_Rk_Label(),
                   l->rk_outer, mode);
    /* the plates are the outer members of the inner lamella: thin, thick or between
    ** (EN 1995-1-1, 8.2.3(1) to (3)) */
    const char *eq = b->plate_class == 0   ? " (Gl. (8.12))"
                     : b->plate_class == 2 ? " (Gl. (8.13))"
                                           : " (Gl. (8.12) und (8.13) interpoliert)";
    char plates[160];
    if (b->plate_class == 0 && b->plate_t > 0.5 * b->d)
        /* thick enough, but in holes too wide for thick plates (EN 1995-1-1, 8.2.3(1)) */
        Format_N(plates, sizeof plates,
                 "%.1lf mm, Lochspiel %.1lf mm " SYM_GE " 0.1 d = %.1lf mm: d\x81nne Bleche",
                 b->plate_t, b->clearance, 0.1 * b->d);
    else if (b->plate_class == 0)
        Format_N(plates, sizeof plates, "%.1lf mm " SYM_LE " 0.5 d = %.1lf mm: d\x81nne Bleche",
                 b->plate_t, 0.5 * b->d);
    else if (b->plate_class == 2)
        Format_N(plates, sizeof plates, "%.1lf mm " SYM_GE " d: dicke Bleche", b->plate_t);
    else /* between thin and thick where the holes are tight enough (EN 1995-1-1, 8.2.3(1)) */
        Format_N(plates, sizeof plates,
                 "%.1lf mm zwischen 0.5 d und d, Lochspiel %.1lf mm < 0.1 d = %.1lf mm: k = 2 x "
                 "%.1lf / %.1lf - 1 = %.3lf",
                 b->plate_t, b->clearance, 0.1 * b->d, b->plate_t, b->d, b->k);
    if (b->plate_class == 2)
        Oli_Write_Text(file,
                       "innere Lamelle%s: f\xCE\\h," SYM_ALPHA ",k\xCEr = %.2lf N/mm\xCE/2\xCEr, "
                       "M\xCE\\y,Rk\xCEr = %.1lf Nmm, d = %.1lf mm",
                       ec ? eq : "", b->fh, b->my, b->d);
    else
        Oli_Write_Text(file,
                       "innere Lamelle%s: f\xCE\\h," SYM_ALPHA ",k\xCEr = %.2lf N/mm\xCE/2\xCEr, "
                       "M\xCE\\y,Rk\xCEr = %.1lf Nmm, d = %.1lf mm, Bleche t = %s",
                       ec ? eq : "", b->fh, b->my, b->d, plates);
    char letters[16];
    Lamella_Mode_Letters(letters, sizeof letters, b);
    char thin[160], thick[160];
    Format_N(thin, sizeof thin,
             "(k) 1.15 x (2 x %.1lf x %.2lf x %.1lf)\xCE/0.5\xCEr + %.4lf " ROPE_TERM " = %.4lf kN",
             b->my, b->fh, b->d, b->rope_k, b->r_k);
    Format_N(thick, sizeof thick,
             "(m) 2.3 x (%.1lf x %.2lf x %.1lf)\xCE/0.5\xCEr + %.4lf " ROPE_TERM " = %.4lf kN",
             b->my, b->fh, b->d, b->rope, b->r_m);
    if (b->plate_class == 1) {
        const double r_thin = b->mode_thin == 20 ? b->r_k : b->r_l;
        const double r_thick = b->mode_thick == 22 ? b->r_m : b->r_l;
        Oli_Write_Text(file, "(j), (l) 0.5 x %.2lf x %.1lf x %.1lf = %.4lf kN, %s, %s", b->fh,
                       b->t2, b->d, b->r_l, thin, thick);
        Oli_Write_Text(file, "=> %sk\xCEr = (1 - %.3lf) x %.4lf + %.3lf x %.4lf = %.4lf kN %s",
                       Get_Fv_Rk_Label(), b->k, r_thin, b->k, r_thick, b->rk, letters);
    } else {
        Oli_Write_Text(file,
                       "(%c) 0.5 x %.2lf x %.1lf x %.1lf = %.4lf kN, %s => %sk\xCEr = %.4lf kN %s",
                       b->plate_class == 0 ? 'j' : 'l', b->fh, b->t2, b->d, b->r_l,
                       b->plate_class == 0 ? thin : thick, Get_Fv_Rk_Label(), b->rk, letters);
    }
    if (l->incompatible) {
        char outer[8];
        Format_N(outer, sizeof outer, "(%c)", Get_Mode_Letter(l->mode_outer));
        Oli_Write_Text(file,
                       "Versagensf\x84lle %s und %s nicht vertr\x84glich (DIN EN 1995-1-1, "
                       "8.1.3(2)): kleinster Wert je Scherfuge (Annahme des Programms auf der "
                       "sicheren Seite, die Norm schlie\xE1t nur die Summe aus)",
                       outer, letters);
        Oli_Write_Text(file, "%sk\xCEr je Scherfuge = min(%.4lf; %.4lf) = %.4lf kN",
                       Get_Fv_Rk_Label(), l->rk_outer, b->rk, l->rk_mean);
        return;
    }
    Oli_Write_Text(file, "%sk\xCEr je Scherfuge = (2 x %.4lf + %d x %.4lf) / %d = %.4lf kN (%s)",
                   Get_Fv_Rk_Label(), l->rk_outer, 2 * l->inner_lamellas, b->rk, l->planes,
                   l->rk_mean, ec ? "DIN EN 1995-1-1, 8.1.3" : "Summe der Scherfugen");
}

/* The failure modes of EN 1995-1-1, 8.2.2 and 8.2.3 that carry the rope effect F_ax,Rk / 4. */
static bool Mode_With_Rope(int mode)
{
    switch (mode) {
    case 3:
    case 4:
    case 5:
    case 6:
    case 9:
    case 10:
    case 12:
    case 14:
    case 15:
    case 17:
    case 18:
    case 20:
    case 22: return true;
    default: return false;
    }
}

/*
** The resistance of a toothed-plate connector with its bolt in a row of n (row w, numbered
** number): each part per shear plane from its characteristic value, the connector's with its
** n_ef (EN 1995-1-1, 8.9(2)), the bolt's with its own (8.10(1), 8.5.1.1(4)).
*/
static void Print_Toothed_Plate_Rd(FILE *file, const Vbm_Check *r, const Vbm_Row *w, int number)
{
    const double rk_b = w->R_k - w->rk_connector, rd_b = w->rd_single - w->rd_connector;
    char fv[32];
    Format_N(fv, sizeof fv, "%s", Get_Fv_Rk_Label());
    Oli_Write_Text(file,
                   "Nr. %d je Scherfuge: D\x81"
                   "bel%s R\xCE\\c,d\xCEr = %.4lf x %.2lf / %.2lf = %.4lf kN, Bolzen "
                   "R\xCE\\b,d\xCEr = %.4lf x %.2lf / %.2lf = %.4lf kN",
                   number, Vbm_Back_To_Back_Pairs() ? "paar" : "", w->rk_connector, w->kmod,
                   w->gamma_connector, w->rd_connector, rk_b, w->kmod, w->gamma, rd_b);
    Oli_Write_Text(file,
                   "%sd\xCEr = (n\xCE\\ef\xCEr x R\xCE\\c,d\xCEr + n\xCE\\ef,Bolzen\xCEr x "
                   "R\xCE\\b,d\xCEr) / n = (%.3lf x %.4lf + %.3lf x %.4lf) / %d = %.4lf kN",
                   fv, r->n_ef, w->rd_connector, r->n_ef_bolt, rd_b, r->n_row, w->R_d);
}


/*
** The inputs of a dowel-type fastener's resistance in row w (numbered number): fu, the yield
** moment and the embedment strengths, the failure mode and whether its value holds the rope
** effect, and the required thicknesses behind f_red.
*/
static void Print_Dowel_Type_Inputs(FILE *file, const Vbm_Check *r, const Vbm_Row &w, int number)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int type = si->vbm_type;
    /* the embedment strengths of the timber members (a steel plate has none) */
    char fh[128] = "";
    if (w.fh1 > 0.0) Format_N(fh, sizeof fh, ", f\xCE\\h,1,k\xCEr = %.2lf N/mm\xCE/2\xCEr", w.fh1);
    if (w.fh2 > 0.0)
        Format_N(fh + strlen(fh), sizeof fh - strlen(fh),
                 ", f\xCE\\h,2,k\xCEr = %.2lf N/mm\xCE/2\xCEr", w.fh2);
    /* an approved screw's yield moment is its approval's, which f_u,k does not enter */
    char approved[160];
    if (Approved_Screw_My_Text(&w, approved, sizeof approved))
        Oli_Write_Text(file, "Nr. %d: %s%s", number, approved, fh);
    else
        Oli_Write_Text(file,
                       "Nr. %d: f\xCE\\u,k\xCEr = %.0lf N/mm\xCE/2\xCEr, M\xCE\\y,Rk\xCEr = %.0lf "
                       "Nmm%s",
                       number, w.fu, w.my_rk, fh);
    if (Is_Vbm_Din571_Screw(type)) Print_Din571_Yield_Moment(file, &w, r->d_ef);
    if (type == VBM_KLAMMER) Print_Staple_Yield_Moment(file, &w);
    if (w.mode > 0) {
        char label[32];
        Mode_Label(label, sizeof label, w.mode, w.mode_thin);
        /* an intermediate plate holds the rope effect of either of its modes; without an
        ** axial value (F_ax,Rk = 0) the mode adds nothing */
        bool rope = si->capacity_increase && w.r_ax > 0.0
                    && (Mode_With_Rope(Plate_Thick_Mode(w.mode)) || Mode_With_Rope(w.mode_thin));
        /* where the planes of the lamellas may not be summed, every plane takes the smallest
        ** plane's value: name the mode of that value and of its lamella */
        const Vbm_Lamella_Planes *l = &r->lamellas;
        const char *which = "";
        if (l->done && l->incompatible && l->alpha_deg == w.alpha_deg) {
            if (l->inner.rk < l->rk_outer) {
                const Between_Plates_Result *b = &l->inner;
                Mode_Label(label, sizeof label, b->mode, b->mode_thin);
                /* mode_thin and mode_thick name the governing modes of every class of plate */
                rope = (b->rope_k > 0.0 && b->mode_thin == 20)
                       || (b->rope > 0.0 && b->mode_thick == 22);
                which = " (innere Lamelle, kleinster Wert je Scherfuge)";
            } else
                which = " (\x84u\xE1"
                        "ere Lamelle, kleinster Wert je Scherfuge)";
        }
        const bool hole = type == VBM_BOLZEN && !si->fitted_bolt;
        /* a wood screw to DIN 571 beside a steel plate: the share that its value holds */
        const bool din571_plate = Is_Vbm_Din571_Screw(type) && w.my_f > 0.0;
        if (din571_plate) rope = w.rope_rk > 0.0;
        Oli_Write_Text(
            file, "ma\xE1gebender Versagensfall %s%s, %s%s", label, which,
            rope ? "mit Seilwirkung" : "ohne Seilwirkung",
            hole ? ", f\xCE\\h\xCEr mit d + 1 mm (Annahme des Programms, auf der sicheren "
                   "Seite), die Versagensf\x84lle mit d"
                 : "");
        if (din571_plate) Print_Din571_Plate_Mode(file, &w, r->d_ef);
        if (type == VBM_KLAMMER) Print_Staple_Legs(file, &w);
        Print_Interpolated_Plate(file, &w);
        /* a screw's rope share and the axial capacity it comes from */
        if (Design_Is_Screw(type) && si->capacity_increase && !l->done)
            Print_Vbm_Screw_Rope(file, &w, din571_plate && Plate_Thick_Mode(w.mode) == 15);
        /* a bolt's rope share and its washer's bearing F_ax,Rk */
        if (type == VBM_BOLZEN && si->capacity_increase && !l->done && w.bolt_axial.source != 0)
            Print_Vbm_Bolt_Rope(file, &w);
    }
    if (Shows_Reduction_Or_Mode(type) && !si->failure_mode_switch && w.t_req_1 > 0.0
        && !Exact_Without_Reduction())
        Oli_Write_Text(
            file, "f\xCE\\red\xCEr mit t\xCE\\1,req\xCEr = %.1lf mm, t\xCE\\2,req\xCEr = %.1lf mm",
            w.t_req_1, w.t_req_2);
}

/* A ring or shear-plate connector: a unit of its own in each shear plane, its resistance that
** of EN 1995-1-1, 8.9 with no bolt share (a toothed plate's bolt takes a share of its own). */
static bool Is_Ring_Or_Shear_Plate(int type)
{
    return Is_Vbm_Connector(type) && !Is_Vbm_Toothed_Plate(type);
}

/*
** The inputs of the governing row's resistance, so that it can be recomputed from the page: those
** of a dowel-type fastener, the parts of a toothed plate and of its bolt, and F_v,Rd from F_v,Rk
** with kmod, gamma_M and n_ef / n.
*/
static void Print_Vbm_Inputs(FILE *file, const Vbm_Check *r)
{
    const int type = Splice_Input.vbm_type;
    if (r->rows.empty()) return;
    size_t k = 0;
    for (size_t i = 1; i < r->rows.size(); i++)
        if (r->rows[i].u > r->rows[k].u) k = i;
    const Vbm_Row &w = r->rows[k];
    const int number = r->first + (int)k + 1;
    if (r->n_ef_bolt > 0.0) {
        Print_Toothed_Plate_Rd(file, r, &w, number);
        return;
    }
    if (Is_Vbm_Dowel_Or_Bolt(type) || Is_Vbm_Nail_Screw_Or_Staple(type)) {
        if (!(w.my_rk > 0.0)) return;
        Print_Dowel_Type_Inputs(file, r, w, number);
    } else if (!Is_Ring_Or_Shear_Plate(type)) {
        return;
    }
    /* F_v,Rd per fastener holds n_ef / n where the rule of the effective number applies; a
    ** connector's gamma_M is that of connections */
    const double gamma = Is_Ring_Or_Shear_Plate(type) ? w.gamma_connector : w.gamma;
    const double rd = gamma > 0.0 ? w.R_k * w.kmod / gamma : 0.0;
    if (gamma > 0.0 && std::fabs(rd - w.rd_single) <= 1e-9 * std::fmax(1.0, std::fabs(rd))
        && r->n_row > 0) {
        char fv[32], kmod[32];
        Format_N(fv, sizeof fv, "%s", Get_Fv_Rk_Label());
        Format_Kmod(kmod, sizeof kmod, w.kmod);
        Oli_Write_Text(
            file,
            "%sd\xCEr = %sk\xCEr x k\xCE\\mod\xCEr / %s\xCE\\M\xCEr x n\xCE\\ef\xCEr / n = "
            "%.4lf x %s / %.2lf x %.3lf / %d = %.4lf kN",
            fv, fv, SYM_GAMMA, w.R_k, kmod, gamma, r->n_ef, r->n_row, w.R_d);
    }
}

void Print_Vbm_Check(FILE *file, const Vbm_Check *r)
{
    if (file == nullptr || !r->done) return;
    const int type = Splice_Input.vbm_type;
    Print_Vbm_Head(file, r);
    for (int i = 0; i < r->n_ef_line_count && i < 2; i++)
        Print_Vbm_N_Ef_Line(file, &r->n_ef_lines[i], r->n_ef_bolt > 0.0);
    Print_Vbm_Penetration(file, r);
    if (r->d_ef > 0.0)
        Oli_Write_Text(
            file,
            "Glatter Schaft weniger als 4 d im Holz mit der Spitze => d\xCE\\ef\xCEr = 1.1 x "
            "d\xCE\\1\xCEr = 1.1 x %.2lf = %.2lf mm (DIN EN 1995-1-1, 8.7.1)",
            r->d_1, r->d_ef);
    if (r->lamellas.done) Print_Vbm_Lamellas(file, &r->lamellas);
    if (Shows_Reduction_Or_Mode(type)) {
        /* the exact proof takes the members' thicknesses into the failure modes and reduces
        ** nothing by a required thickness (EN 1995-1-1, 8.2.2, 8.2.3); t_req and f_red belong to
        ** the simplified proof of the annex (NA.8.2.4) */
        if (!Splice_Input.failure_mode_switch && Exact_Without_Reduction())
            Oli_Write_Text(file,
                           "Kr\x84"
                           "fte pro Scherfuge (f\xCE\\red\xCEr = 1: genauer Nachweis%s ohne "
                           "Abminderung \x81"
                           "ber t\xCE\\req\xCEr)",
                           Is_Vbm_Toothed_Plate(type) ? " des Bolzens" : "");
        else if (!Splice_Input.failure_mode_switch)
            Oli_Write_Text(file, "Kr\x84"
                                 "fte pro Scherfuge (f\xCE\\red\xCEr = t\xCE\\vorh\xCEr / "
                                 "t\xCE\\req\xCEr)");
        else
            Oli_Write_Text(file,
                           "Kr\x84"
                           "fte pro Scherfuge, Fall = ma\xE1gebender Versagensfall "
                           "nach %s%s",
                           Get_Fv_Rk_Standard_Ref(),
                           Get_Vbm_Approval_Text(type) ? Get_Vbm_Approval_Text(type) : "");
    } else if (Is_Ring_Or_Shear_Plate(type)) {
        Oli_Write_Text(file, "Kr\x84"
                             "fte pro Scherfuge (ein D\x81"
                             "bel je Scherfuge)");
    } else {
        Oli_Write_Text(file, " ");
    }
    Write_Vbm_Table(file, r->rows.data(), (int)r->rows.size(), r->first + 1);
    Print_Vbm_Inputs(file, r);
    /* the section's largest utilisation is what the summary's row of the fasteners holds: with
    ** the bolts of toothed plates checked in tension it follows their check and names it where
    ** it governs */
    if (r->bolts.done) Print_Vbm_Bolt_Check(file, &r->bolts);
    const bool bolts = r->bolts.done && Shown_Util(r->bolts.no_capacity, r->bolts.u) > r->u_max;
    const char *which = bolts ? " (Bolzen auf Zug, u\xCE\\F\xCEr)" : "";
    char line[256];
    if (r->u == UTIL_NO_CHECK)
        Format_N(line, sizeof line,
                 "Maximale Ausnutzung der Verbindungsmittel: " UTIL_NO_CHECK_TEXT "%s => \xCE"
                 "bNachweis nicht erf\x81llt\xCEr",
                 which);
    else if (r->u <= UTIL_LIMIT)
        Format_N(line, sizeof line,
                 "Maximale Ausnutzung der Verbindungsmittel u\xCE\\max\xCEr = "
                 "%.2lf%s %s 1 => %s",
                 r->u, which, SYM_LE, Satisfied_Verdict(r->M_left_out));
    else
        Format_N(line, sizeof line,
                 "Maximale Ausnutzung der Verbindungsmittel u\xCE\\max\xCEr = "
                 "%.2lf%s > 1 => \xCE"
                 "bNachweis nicht erf\x81llt\xCEr",
                 r->u, which);
    Oli_Write_Text_Flagged(file, line, r->u <= UTIL_LIMIT && r->M_left_out == 0.0 ? 1 : 0);
}

/*
** Design every fastener of combination (group, entry); write the section "Verbindungsmittel"
** when given a file. Return the largest utilisation; *error gets the code of a design error
** (0 when none).
*/
double Oli_Vbm_Nachweis(FILE *file, int group, int entry, int *error)
{
    Vbm_Check r;
    Calc_Vbm_Check(group, entry, &r);
    Print_Vbm_Check(file, &r);
    if (error) *error = r.error;
    return r.u;
}
