/*
** Block tearing of the steel plates at their ends in one combination of a plate connection
** (EN 1993-1-8, 3.10.2), asked by the block-shear switch: the fasteners of one half push the
** block between the outer rows that pull towards the plate's end (all rows, or a bending splice's
** tension zone), which tears across at the column nearest the joint and shears along those rows.
** Forces in kN, lengths in mm, areas in mm².
*/
#include "results/splice_checks.h"

#include <cmath>
#include <vector>

#include "foundation/format.h"
#include "printlist/printlist.h"

int Is_Plate_Block_Check_On(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int kind = si->connection_kind;
    return si->block_shear && (kind == CONN_INNER_PLATES || kind == CONN_OUTER_PLATES) ? 1 : 0;
}

/*
** The net lengths of the record's block of one plate: across at the column nearest the joint,
** between the block's outer rows or from its inner row to the plates' edge; along, each row that
** bounds it inside the plate from that column to the plate's end (the joint at x = 0, the plate's
** end at L / 2; a block of one row between rows on both sides of it); each less the holes on it.
** The plates lie centred on the member's axis y = 0.
*/
static void Plate_Block_Lengths(Plate_Block_Check *r)
{
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    const double tol = 1e-3; /* cm */
    double x_min = 0.0;
    for (int i = 0; i < fp->count; i++)
        x_min = i == 0 ? fp->recs[i].x : std::fmin(x_min, fp->recs[i].x);
    const Tearing_Block &b = r->block;
    const double row_hi = r->rows.y[b.first], row_lo = r->rows.y[b.last];
    const double y_hi = b.edge == BLOCK_TO_UPPER_EDGE ? Splice_Input.h_p / 2.0 : row_hi;
    const double y_lo = b.edge == BLOCK_TO_LOWER_EDGE ? -Splice_Input.h_p / 2.0 : row_lo;
    const bool shear_hi = b.edge != BLOCK_TO_UPPER_EDGE, shear_lo = b.edge != BLOCK_TO_LOWER_EDGE;
    const double x_end = Splice_Input.L / 2.0;
    std::vector<double> across, along_lo, along_hi; /* hole centres on each line, mm */
    for (int i = 0; i < fp->count; i++) {
        const Fastener_Rec *f = &fp->recs[i];
        if (std::fabs(f->x - x_min) < tol && f->y > y_lo - tol && f->y < y_hi + tol)
            across.push_back(f->y * 10.0);
        if (shear_lo && std::fabs(f->y - row_lo) < tol) along_lo.push_back(f->x * 10.0);
        if (shear_hi && std::fabs(f->y - row_hi) < tol) along_hi.push_back(f->x * 10.0);
    }
    r->L_t_gross = (y_hi - y_lo) * 10.0;
    r->holes_t = Tearing_Holes_On(y_lo * 10.0, y_hi * 10.0, across, r->d0);
    r->L_v_gross = ((shear_lo ? 1.0 : 0.0) + (shear_hi ? 1.0 : 0.0)) * (x_end - x_min) * 10.0;
    r->holes_v = Tearing_Holes_On(x_min * 10.0, x_end * 10.0, along_lo, r->d0)
                 + Tearing_Holes_On(x_min * 10.0, x_end * 10.0, along_hi, r->d0);
    r->L_t = std::fmax(0.0, r->L_t_gross - r->holes_t * r->d0);
    r->L_v = std::fmax(0.0, r->L_v_gross - r->holes_v * r->d0);
}

/*
** Resistance, share and utilisation of the record's block: V_eff,1,Rd = f_u A_nt / gamma_M2 +
** f_y A_nv / (sqrt(3) gamma_M0) where its load acts in the middle between its outer rows (3.9),
** V_eff,2,Rd with 0.5 f_u A_nt where it acts on an outer row (3.10) (EN 1993-1-8, 3.10.2), and
** between both as far as it lies off the middle (k_e): the tension part (1 - 0.5 k_e) f_u A_nt,
** so that the resistance follows the loads without a jump.
*/
static void Plate_Block_Of_Block(Plate_Block_Check *r)
{
    Plate_Block_Lengths(r);
    r->A_nt = r->t * r->L_t;
    r->A_nv = r->t * r->L_v;
    const double tension = 1.0 - 0.5 * r->k_e;
    r->V_Rd = 0.0;
    if (r->gamma_m2 > 0.0 && r->gamma_m0 > 0.0)
        r->V_Rd = (tension * r->f_u * r->A_nt / r->gamma_m2
                   + r->f_y * r->A_nv / (std::sqrt(3.0) * r->gamma_m0))
                  / 1000.0;
    /* alternately driven: the plate of the side holds that side's fasteners alone */
    r->N = r->rows.side >= 0 ? r->F_Ed : r->F_Ed / r->plates;
    r->u = r->V_Rd > 0.0 ? r->N / r->V_Rd : 0.0;
}

/* The check of combination (group, entry) with block `only` of the set, or (null) with the block
** of the set that is used most, each with what its own fasteners pull towards the plates' end. */
static int Plate_Block_Run(int group, int entry, const Tearing_Block *only, Plate_Block_Check *out)
{
    const Splice_Input_Record *si = &Splice_Input;
    Plate_Block_Check &r = *out;
    r = Plate_Block_Check{};
    const Lkom_Entry *c = Get_Lkom_Entry(group, entry);
    if (c == nullptr || !Is_Plate_Block_Check_On() || !Calc_Tearing_Rows(group, entry, &r.rows))
        return 0;
    /* no fastener pulls towards the plates' end: no block tears */
    double pull = 0.0;
    for (int i = 0; i < r.rows.rows; i++) pull += r.rows.F[i];
    if (!(pull > 0.0)) {
        r = Plate_Block_Check{};
        return 0;
    }
    r.planes = si->shear_planes > 0 ? si->shear_planes : 1;
    r.N_d = c->N_d;
    r.d0 = Get_Plate_Hole(si).d0;
    r.t = si->t_p * 10.0;
    r.f_u = Get_Plate_Fu();
    r.f_y = Get_Plate_Fy();
    const int acc = Lkom_Accidental_Factors(c);
    r.gamma_m2 = Get_Steel_Gamma_M2_Joints(acc);
    r.gamma_m0 = acc ? Get_Steel_Gamma_M_Accidental(0) : si->gamma_m0;
    /* the fasteners load every plate alike: outer plates two, inner plates n_p */
    r.plates = si->connection_kind == CONN_OUTER_PLATES ? 2.0 : (double)(int)si->plate_count;
    if (!(r.plates >= 1.0)) r.plates = 1.0;
    r.M_left_out = Moment_Left_Out(c->M_d);
    /* every block of the set, or the one asked for; unequally pulled ones off their middle */
    r = Governing_Tearing_Block(r, only, 1, [&](Plate_Block_Check *t) {
        Tearing_Block_Force(&t->rows, &t->block, &t->k_e);
        t->e_half = (t->rows.y[t->block.first] - t->rows.y[t->block.last]) / 2.0 * 10.0;
        Plate_Block_Of_Block(t);
    });
    r.state = r.V_Rd > 0.0 ? PLATE_BLOCK_DONE : PLATE_BLOCK_NO_CAPACITY;
    return 1;
}

int Calc_Plate_Block_Check(int group, int entry, Plate_Block_Check *out)
{
    return Plate_Block_Run(group, entry, nullptr, out);
}

int Calc_Plate_Block_Of_Block(int group, int entry, const Tearing_Block *b, Plate_Block_Check *out)
{
    return Plate_Block_Run(group, entry, b, out);
}

double Plate_Block_Shown_Util(const Plate_Block_Check *r)
{
    if (r->state == PLATE_BLOCK_NOT_APPLIED) return 0.0;
    return Shown_Util(r->state != PLATE_BLOCK_DONE, r->u);
}

/* A count of hole widths as printed: whole numbers without decimals, halves with one. */
static void Format_Widths(char *out, size_t size, double n)
{
    if (std::fabs(n - std::round(n)) < 1e-9) Format_N(out, size, "%.0lf", n);
    else Format_N(out, size, "%.1lf", n);
}

void Print_Plate_Block_Check(FILE *file, const Plate_Block_Check *r)
{
    if (file == nullptr || r->state == PLATE_BLOCK_NOT_APPLIED) return;
    Oli_Write_Heading(file, 3, "%s",
                      "Blockversagen der Bleche gem\x84\xE1 DIN EN 1993-1-8, 3.10.2");
    char ht[16], hv[16];
    Format_Widths(ht, sizeof ht, r->holes_t);
    Format_Widths(hv, sizeof hv, r->holes_v);
    Write_Tearing_Set(file, &r->rows, 1, &r->block);
    Oli_Write_Text(file, "Block bis zum Blechende, d\xCE\\0\xCEr = %.1lf mm, t = %.1lf mm:", r->d0,
                   r->t);
    const Tearing_Block &b = r->block;
    Oli_Write_Text(
        file,
        "A\xCE\\nt\xCEr = t (%.2lf - %s x %.1lf) = %.1lf x %.2lf = %.1lf mm\xFD (quer, an "
        "der Spalte am Sto\xE1%s)",
        r->L_t_gross, ht, r->d0, r->t, r->L_t, r->A_nt,
        b.edge == BLOCK_BETWEEN_ROWS ? "" : ", bis zum Blechrand");
    char along[48];
    if (b.edge == BLOCK_TO_UPPER_EDGE) snprintf(along, sizeof along, "Reihe %d", b.last + 1);
    else if (b.edge == BLOCK_TO_LOWER_EDGE) snprintf(along, sizeof along, "Reihe %d", b.first + 1);
    else if (b.first == b.last) snprintf(along, sizeof along, "beiderseits der Reihe");
    else
        snprintf(along, sizeof along,
                 "beide \x84u\xE1"
                 "eren Reihen");
    Oli_Write_Text(file,
                   "A\xCE\\nv\xCEr = t (%.2lf - %s x %.1lf) = %.1lf x %.2lf = %.1lf mm\xFD "
                   "(l\x84ngs, %s)",
                   r->L_v_gross, hv, r->d0, r->t, r->L_v, r->A_nv, along);
    if (r->state == PLATE_BLOCK_NO_CAPACITY) {
        Oli_Write_Text_Flagged(file,
                               "V\xCE\\"
                               "eff,Rd\xCEr nicht bestimmbar => \xCE"
                               "bNachweis kann nicht gef\x81hrt werden!\xCEr",
                               0);
        return;
    }
    if (r->k_e == 0.0)
        Oli_Write_Text(file,
                       "V\xCE\\"
                       "eff,1,Rd\xCEr = f\xCE\\u\xCEr A\xCE\\nt\xCEr / %s\xCE\\M2\xCEr + "
                       "f\xCE\\y\xCEr A\xCE\\nv\xCEr / (3\xCE/0.5\xCEr %s\xCE\\M0\xCEr) = %.0lf x "
                       "%.1lf / %.2lf + %.0lf x %.1lf / (1.732 x %.2lf) = %.2lf kN",
                       SYM_GAMMA, SYM_GAMMA, r->f_u, r->A_nt, r->gamma_m2, r->f_y, r->A_nv,
                       r->gamma_m0, r->V_Rd);
    else {
        /* rows that pull unequally load the block off its middle: from (3.9) towards (3.10) */
        Oli_Write_Text(file,
                       "ungleich ziehende Reihen: ihre Resultierende liegt e = %.1lf mm neben der "
                       "Mitte der \x84u\xE1"
                       "eren Reihen des Blocks, k\xCE\\"
                       "e\xCEr = e / %.1lf mm (halber Abstand dieser Reihen) = %.3lf",
                       r->k_e * r->e_half, r->e_half, r->k_e);
        Oli_Write_Text(file, "Zuganteil (1 - 0.5 k\xCE\\"
                             "e\xCEr) f\xCE\\u\xCEr A\xCE\\nt\xCEr: Annahme des Programms (keine "
                             "Regel der Norm) zwischen DIN EN 1993-1-8, (3.9) mittig (k\xCE\\"
                             "e\xCEr = 0) und (3.10) auf einer \x84u\xE1"
                             "eren Reihe (k\xCE\\"
                             "e\xCEr = 1)");
        Oli_Write_Text(file,
                       "V\xCE\\"
                       "eff,Rd\xCEr = (1 - 0.5 k\xCE\\"
                       "e\xCEr) f\xCE\\u\xCEr A\xCE\\nt\xCEr / %s\xCE\\M2\xCEr + "
                       "f\xCE\\y\xCEr A\xCE\\nv\xCEr / (3\xCE/0.5\xCEr %s\xCE\\M0\xCEr) = (1 - 0.5 "
                       "x %.3lf) x %.0lf x %.1lf / %.2lf + %.0lf x %.1lf / (1.732 x %.2lf) = "
                       "%.2lf kN",
                       SYM_GAMMA, SYM_GAMMA, r->k_e, r->f_u, r->A_nt, r->gamma_m2, r->f_y, r->A_nv,
                       r->gamma_m0, r->V_Rd);
    }
    /* the block's force, row by row from the top */
    const char *force = "F\xCE\\Ed\xCEr";
    Write_Tearing_Force(file, &r->rows, &b, r->planes, r->F_Ed, r->N_d, "Blechende");
    char line[256], share[96];
    if (r->rows.side >= 0)
        Format_N(share, sizeof share, "%s = %.2lf kN im Blech %s", force, r->N,
                 Vbm_Side_Name_Of(r->rows.side));
    else Format_N(share, sizeof share, "%s / %.0lf = %.2lf kN je Blech", force, r->plates, r->N);
    const double u = Plate_Block_Shown_Util(r);
    if (u == UTIL_NO_CHECK)
        Format_N(line, sizeof line,
                 "%s => " UTIL_NO_CHECK_TEXT " => \xCE"
                 "bNachweis nicht erf\x81llt\xCEr",
                 share);
    else if (u <= UTIL_LIMIT)
        Format_N(line, sizeof line, "%s => u = %.3lf %s 1 => %s", share, u, SYM_LE,
                 Satisfied_Verdict(r->M_left_out));
    else
        Format_N(line, sizeof line,
                 "%s => u = %.3lf > 1 => \xCE"
                 "bNachweis nicht erf\x81llt\xCEr",
                 share, u);
    Oli_Write_Text_Flagged(file, line, u <= UTIL_LIMIT && r->M_left_out == 0.0 ? 1 : 0);
}

double Oli_Blech_Blockversagen_Nachweis(FILE *file, int group, int entry, int *error)
{
    Plate_Block_Check r;
    Calc_Plate_Block_Check(group, entry, &r);
    if (r.state != PLATE_BLOCK_NOT_APPLIED && error) *error = 0;
    Print_Plate_Block_Check(file, &r);
    return Plate_Block_Shown_Util(&r);
}
