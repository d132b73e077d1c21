/*
** Steel plate checks of one combination: normal, shear and equivalent stress of the plates in
** the net section at the joint, and the bearing of every fastener on its plate hole
** (EN 1993-1-8, Table 3.4, or DIN 18800-1) with the table of the fastener forces.
** Forces in kN, stresses in N/mm², distances printed in cm.
*/
#include "results/splice_checks.h"

#include <cmath>
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
int Calc_Plate_Stresses(double N, double V, double M, double *sigma, double *tau, double *sigma_v)
{
    const Splice_Input_Record *si = &Splice_Input;
    double A = 0, I = 0, W = 0;
    Calc_Plate_Net_Section_Values(&A, &I, &W);
    const double f = si->connection_kind == CONN_OUTER_PLATES ? 2.0 : si->plate_count;
    A *= f;
    I *= f;
    W *= f;
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
** "des Bleches") and whether the check is satisfied. */
static void Write_Max_Util_Line(FILE *file, const char *what, double u)
{
    char line[256];
    if (u <= UTIL_LIMIT)
        Format_N(line, sizeof line,
                 "Maximale Ausnutzung %s u\xCE\\max\xCEr = %.2lf %s 1 => \xCE"
                 "bNachweis erf\x81llt\xCEr",
                 what, u, SYM_LE);
    else
        Format_N(line, sizeof line,
                 "Maximale Ausnutzung %s u\xCE\\max\xCEr = %.2lf > 1 => \xCE"
                 "bNachweis nicht erf\x81llt\xCEr",
                 what, u);
    Oli_Write_Text_Flagged(file, line, u <= UTIL_LIMIT ? 1 : 0);
}

int Calc_Plate_Check(int group, int entry, Plate_Check *out)
{
    const Splice_Input_Record *si = &Splice_Input;
    const Lkom_Entry *c = Get_Lkom_Entry(group, entry);
    if (c == nullptr) return 0;
    Plate_Check r{};
    r.bending = si->splice_kind == SPLICE_BENDING;
    /* the moment for distribution: M_v,d of a bending splice, that of V_d of another */
    const double M = c->M_distr;
    r.joint_moment = r.bending || M != 0.0;
    double Vs =
        r.joint_moment ? std::fabs(c->V_d) / 2.0 + si->k_xr * (std::fabs(M) * 100.0) / 2.0 : 0.0;
    if (std::fabs(Vs) < std::fabs(c->V_d)) Vs = c->V_d;
    r.V = Vs;
    if (!Calc_Plate_Stresses(c->N_d, Vs, M, &r.sigma, &r.tau, &r.sigma_v)) {
        r.state = PLATE_CHECK_NO_SECTION;
    } else {
        const double fyd = Get_Plate_Fyd(c->accidental);
        const double tRd = Get_Plate_Shear_Strength(c->accidental);
        if (!(fyd > 0.0) || !(tRd > 0.0)) {
            r.state = PLATE_CHECK_NO_FYD;
        } else {
            r.state = PLATE_CHECK_DONE;
            r.u = std::fmax(std::fmax(std::fabs(r.sigma / fyd), std::fabs(r.tau / tRd)),
                            std::fabs(r.sigma_v / fyd));
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
    /* V: the joint shear of the timber checks */
    Oli_Write_Text(file,
                   "%s = %.2lf N/mm\xCE/2\xCEr, %s\xCE\\v\xCEr = %.2lf N/mm\xCE/2\xCEr, %s = "
                   "%.2lf N/mm\xCE/2\xCEr (mit %s = %.2lf kN)",
                   SYM_SIGMA, r->sigma, SYM_SIGMA, r->sigma_v, SYM_TAU, r->tau,
                   r->joint_moment ? "V"
                                   : "V\xCE\\"
                                     "d\xCEr",
                   r->V);
    Write_Max_Util_Line(file, "des Bleches", r->u);
}

/* Plate utilisation of combination (group, entry), UTIL_NO_CHECK when the check cannot be
** made; writes the plate section when given a file. */
double Oli_Blech_Nachweis(FILE *file, int group, int entry)
{
    Plate_Check r;
    if (!Calc_Plate_Check(group, entry, &r)) return 0.0;
    Print_Plate_Check(file, &r);
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

/*
** Resistance of fastener i: the end resistance when the fastener stands in the column nearest
** the plate end (x within 1e-4 cm of x_end) and its force along the grain points towards that
** end (F_totH > 0), else the inner one. One rule for the search of the governing fastener and
** for the printed rows.
*/
static double Hole_Resistance(int i, double x_end, double F_totH, double R_inner, double R_end)
{
    const bool end =
        i >= 0 && i < Fastener_Pattern.count && Fastener_Pattern.recs[i].x >= x_end - 1e-4;
    return (end && F_totH > 0.0) ? R_end : R_inner;
}

static double Ratio(double F, double R) { return R > 0.0 ? std::fabs(F / R) : UTIL_NO_CHECK; }

double Plate_Row_Spacing(const Splice_Input_Record *si)
{
    if ((int)Splice_N_Row(si) == 1 && Splice_N_Row(si) == 1.0) return si->h_p;
    return si->p2;
}

/* Resistances of an inner and of an end hole with the factors and distances they come from. */
static void Calc_Hole_Resistances(const Lkom_Entry *c, Bearing_Check *r)
{
    const Splice_Input_Record *si = &Splice_Input;
    const Plate_Hole hole = Get_Plate_Hole(si, r->annex);
    if (!r->annex) {
        double e = 0, e1 = 0, e2 = 0, e3 = 0;
        Calc_Plate_Hole_Geometry(hole.d0, 1, &e, &e1, &e2, &e3);
        /* DIN 18800-1, Table 8, hole by hole: the inner fasteners bear by the hole spacing e,
        ** the end fasteners by their end distance e_Rand in the direction of the force. */
        Calc_Plate_Bearing_Din_Hole(&r->R_in, &r->alpha_in, 0, e, e2, e3, c->accidental);
        Calc_Plate_Bearing_Din_Hole(&r->R_end, &r->alpha_end, 1, si->e_rand_din * 10.0, e2, e3,
                                    c->accidental);
        r->e = e / 10.0;
        r->e1 = e1 / 10.0;
        r->e2 = e2 / 10.0;
        r->e3 = e3 / 10.0;
        r->e_rand = si->e_rand_din;
        return;
    }
    const double f_u = Get_Plate_Fu();
    const double f_ub = Plate_Bearing_Fu_B();
    const double p2 = Plate_Row_Spacing(si);
    Calc_Plate_Bearing_Ec(/*d0=*/hole.d0, /*d=*/hole.d, /*t=*/si->t_p * 10.0, /*e1=*/si->e1 * 10.0,
                          /*e2=*/si->e2 * 10.0, /*p1=*/si->p1 * 10.0, /*p2=*/p2 * 10.0,
                          /*f_ub=*/f_ub, /*f_u=*/f_u, /*F_b_edge=*/&r->R_end,
                          /*F_b_inner=*/&r->R_in, /*alpha_b_end=*/&r->alpha_end,
                          /*alpha_b_inner=*/&r->alpha_in, /*k1_edge=*/&r->k1_end,
                          /*k1_inner=*/&r->k1_in);
    r->p1 = si->p1;
    r->p2 = p2;
    r->e1 = si->e1;
    r->e2 = si->e2;
    r->e_rand = si->e_rand_ec;
}

int Calc_Bearing_Check(int group, int entry, Bearing_Check *out)
{
    const Splice_Input_Record *si = &Splice_Input;
    const Lkom_Entry *c = Get_Lkom_Entry(group, entry);
    if (c == nullptr) return 0;
    Bearing_Check r{};
    r.annex = Nad_Params != nullptr;
    Calc_Hole_Resistances(c, &r);

    const int n_f = Fastener_Pattern.count;
    const double f = si->connection_kind == CONN_INNER_PLATES ? 2.0 : 1.0;
    const double x_end = End_Column_X();
    int first = 0, n = n_f;
    if (si->print.fasteners == 0 && n_f > 1) {
        std::vector<double> fx((size_t)n_f), F((size_t)n_f);
        Get_Fastener_Forces_All(group, entry, n_f, nullptr, fx.data(), nullptr, F.data(), nullptr);
        double best = -1.0;
        for (int i = 0; i < n_f; i++) {
            const double u = Ratio(f * F[i], Hole_Resistance(i, x_end, f * fx[i], r.R_in, r.R_end));
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
        row->R = Hole_Resistance(i, x_end, ff.F_totH, r.R_in, r.R_end);
        row->u = Ratio(ff.F_tot, row->R);
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
** number. */
static void Print_Bearing_Table(FILE *file, const Bearing_Check *r)
{
    const int n = r->n;
    double *cols[9] = {};
    for (int k = 0; k < 9; k++) cols[k] = (double *)Mem_Calloc((size_t)n * sizeof(double));
    for (int i = 0; i < n && cols[8] != nullptr; i++) {
        const Bearing_Row *row = &r->rows[i];
        cols[0][i] = row->F_M;
        cols[1][i] = row->F_MH;
        cols[2][i] = row->F_MV;
        cols[3][i] = row->F_totH;
        cols[4][i] = row->F_totV;
        cols[5][i] = row->F_tot;
        cols[6][i] = row->alpha;
        cols[7][i] = row->R;
        cols[8][i] = row->u;
    }
    if (cols[8] != nullptr) {
        Oli_Write_Text(file, "%s",
                       "Kr\x84"
                       "fte pro Scherfuge ");
        Oli_Table_Column *tc = nullptr;
        Oli_Alloc_Table_Columns(10, &tc);
        static const char *const titles[10] = {"Nr",
                                               "F\xCE\\Mi\xCEr",
                                               "F\xCE\\MHi\xCEr",
                                               "F\xCE\\MVi\xCEr",
                                               "F\xCE\\totHi\xCEr",
                                               "F\xCE\\totVi\xCEr",
                                               "F\xCE\\toti\xCEr",
                                               SYM_ALPHA "\xCE\\toti\xCEr",
                                               "F\xCE\\vll,Rd\xCEr",
                                               "u"};
        static const char *const units[10] = {"ZZ", "kN", "kN",       "kN", "kN",
                                              "kN", "kN", SYM_DEGREE, "kN", "-"};
        for (int k = 0; k < 10; k++) {
            Format_N(tc[k].title, sizeof tc[k].title, "%s", titles[k]);
            Format_N(tc[k].unit, sizeof tc[k].unit, "%s", units[k]);
            tc[k].width = k == 0 ? 3 : (k == 9 ? 5 : 7);
            /* the row number of "ZZ" starts at the first printed fastener's own number */
            tc[k].decimals = k == 0 ? r->first + 1 : 2;
            tc[k].values = k == 0 ? nullptr : cols[k - 1];
            tc[k].factor = 1.0;
        }
        Oli_Table_Report_Error(file, OliTabelle(/*file=*/file, /*ncols=*/10, /*nrows=*/n,
                                                /*columns=*/tc, /*row_mask=*/nullptr,
                                                /*row_rules=*/nullptr, /*highlight=*/11,
                                                /*flags=*/0, /*title_counts=*/nullptr,
                                                /*title_texts=*/nullptr, /*extra_count=*/0,
                                                /*extra_texts=*/nullptr));
        free(tc);
    }
    for (int k = 0; k < 9; k++) Mem_Free(&cols[k]);
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
                       "e = %.2lf cm, e\xCE\\"
                       "1\xCEr = %.2lf cm, e\xCE\\"
                       "2\xCEr = %.2lf cm, "
                       "e\xCE\\"
                       "3\xCEr = %.2lf cm, %s\xCE\\l\xCEr = %.2lf => V\xCE\\l,R,d\xCEr = "
                       "%.2lf kN",
                       r->e, r->e1, r->e2, r->e3, SYM_ALPHA, r->alpha_in, r->R_in);
        Oli_Write_Text(file,
                       "e\xCE\\Rand\xCEr = %.2lf cm, e\xCE\\"
                       "1\xCEr = %.2lf cm, e\xCE\\"
                       "2\xCEr"
                       " = %.2lf cm, e\xCE\\"
                       "3\xCEr = %.2lf cm, %s\xCE\\l\xCEr = %.2lf => "
                       "V\xCE\\l,R,d,Rand\xCEr = %.2lf kN",
                       r->e_rand, r->e1, r->e2, r->e3, SYM_ALPHA, r->alpha_end, r->R_end);
    } else {
        Oli_Write_Text(file,
                       "p\xCE\\"
                       "1\xCEr = %.2lf cm, e\xCE\\"
                       "1\xCEr = %.2lf cm, e\xCE\\"
                       "2\xCEr"
                       " = %.2lf cm, p\xCE\\"
                       "2\xCEr = %.2lf cm, %s\xCE\\"
                       "b\xCEr = %.2lf, k\xCE\\"
                       "1"
                       "\xCEr = %.2lf => F\xCE\\"
                       "b,Rd\xCEr = %.2lf kN",
                       r->p1, r->e1, r->e2, r->p2, SYM_ALPHA, r->alpha_in, r->k1_in, r->R_in);
        Oli_Write_Text(file,
                       "e\xCE\\Rand\xCEr = %.2lf cm, e\xCE\\"
                       "1\xCEr = %.2lf cm, e\xCE\\"
                       "2\xCEr"
                       " = %.2lf cm, p\xCE\\"
                       "2\xCEr = %.2lf cm, %s\xCE\\"
                       "b\xCEr = %.2lf, k\xCE\\"
                       "1"
                       "\xCEr = %.2lf => F\xCE\\"
                       "b,Rd,Rand\xCEr = %.2lf kN",
                       r->e_rand, r->e1, r->e2, r->p2, SYM_ALPHA, r->alpha_end, r->k1_end,
                       r->R_end);
    }
    if (r->n > 0 && r->rows != nullptr) Print_Bearing_Table(file, r);
    Write_Max_Util_Line(file, "der Lochleibungskraft", r->u_max);
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
