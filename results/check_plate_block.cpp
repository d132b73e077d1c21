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

/* The part of the segment [a, b] that holes of width w centred at the positions pos cover, in
** hole widths (a hole at an end of the segment counts half). */
static double Hole_Widths_On(double a, double b, const std::vector<double> &pos, double w)
{
    double covered = 0.0;
    for (double p : pos)
        covered += std::fmax(0.0, std::fmin(b, p + w / 2.0) - std::fmax(a, p - w / 2.0));
    return w > 0.0 ? covered / w : 0.0;
}

int Is_Plate_Block_Check_On(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int kind = si->connection_kind;
    if (!si->block_shear || (kind != CONN_INNER_PLATES && kind != CONN_OUTER_PLATES)) return 0;
    return (int)Splice_N_Row(si) >= 2 ? 1 : 0;
}

/*
** The net lengths of the block of one plate: across, between the outer rows of the block along
** the column nearest the joint; along, both of them from that column to the plate's end (the
** joint at x = 0, the plate's end at L / 2); each less the holes on it. The block spans every row,
** or a tension zone's rows.
*/
static void Plate_Block_Lengths(Plate_Block_Check *r)
{
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    const double tol = 1e-3; /* cm */
    double x_min = 0.0, y_min = 0.0, y_max = 0.0;
    for (int i = 0; i < fp->count; i++) {
        const Fastener_Rec *f = &fp->recs[i];
        x_min = i == 0 ? f->x : std::fmin(x_min, f->x);
        y_min = i == 0 ? f->y : std::fmin(y_min, f->y);
        y_max = i == 0 ? f->y : std::fmax(y_max, f->y);
    }
    if (r->pull.zone) Pulling_Block(&r->pull, r->block_rows, &y_min, &y_max, nullptr);
    const double x_end = Splice_Input.L / 2.0;
    std::vector<double> across, along_lo, along_hi; /* hole centres on each line, mm */
    for (int i = 0; i < fp->count; i++) {
        const Fastener_Rec *f = &fp->recs[i];
        if (std::fabs(f->x - x_min) < tol && f->y > y_min - tol && f->y < y_max + tol)
            across.push_back(f->y * 10.0);
        if (std::fabs(f->y - y_min) < tol) along_lo.push_back(f->x * 10.0);
        if (std::fabs(f->y - y_max) < tol) along_hi.push_back(f->x * 10.0);
    }
    r->L_t_gross = (y_max - y_min) * 10.0;
    r->holes_t = Hole_Widths_On(y_min * 10.0, y_max * 10.0, across, r->d0);
    r->L_v_gross = 2.0 * (x_end - x_min) * 10.0;
    r->holes_v = Hole_Widths_On(x_min * 10.0, x_end * 10.0, along_lo, r->d0)
                 + Hole_Widths_On(x_min * 10.0, x_end * 10.0, along_hi, r->d0);
    r->L_t = std::fmax(0.0, r->L_t_gross - r->holes_t * r->d0);
    r->L_v = std::fmax(0.0, r->L_v_gross - r->holes_v * r->d0);
}

/*
** Resistance, share and utilisation of the record's block: V_eff,1,Rd = f_u A_nt / gamma_M2 +
** f_y A_nv / (sqrt(3) gamma_M0) where its rows pull alike, V_eff,2,Rd with 0.5 f_u A_nt where
** they do not (EN 1993-1-8, (3.9) and (3.10)).
*/
static void Plate_Block_Of_Block(Plate_Block_Check *r)
{
    Plate_Block_Lengths(r);
    r->A_nt = r->t * r->L_t;
    r->A_nv = r->t * r->L_v;
    const double tension = r->eccentric ? 0.5 : 1.0;
    r->V_Rd = 0.0;
    if (r->gamma_m2 > 0.0 && r->gamma_m0 > 0.0)
        r->V_Rd = (tension * r->f_u * r->A_nt / r->gamma_m2
                   + r->f_y * r->A_nv / (std::sqrt(3.0) * r->gamma_m0))
                  / 1000.0;
    r->N = r->F_Ed / r->plates;
    r->u = r->V_Rd > 0.0 ? r->N / r->V_Rd : 0.0;
}

int Calc_Plate_Block_Check(int group, int entry, Plate_Block_Check *out)
{
    const Splice_Input_Record *si = &Splice_Input;
    Plate_Block_Check &r = *out;
    r = Plate_Block_Check{};
    const Lkom_Entry *c = Get_Lkom_Entry(group, entry);
    const int kind = si->connection_kind;
    if (c == nullptr || !si->block_shear || (kind != CONN_INNER_PLATES && kind != CONN_OUTER_PLATES)
        || Fastener_Pattern.count <= 0)
        return 0;
    /* the force towards the plates' end: N_d where every fastener pulls, a tension zone's */
    r.planes = si->shear_planes > 0 ? si->shear_planes : 1;
    Calc_Pulling_Rows(group, entry, &r.pull);
    r.N_d = c->N_d;
    r.F_Ed = r.pull.zone ? r.pull.F * r.planes : c->N_d;
    if (!(r.F_Ed > 0.0)) {
        r = Plate_Block_Check{};
        return 0;
    }
    if (!Is_Plate_Block_Check_On()) {
        r.state = PLATE_BLOCK_NOT_MADE;
        return 0;
    }
    r.d0 = Get_Plate_Hole(si).d0;
    r.t = si->t_p * 10.0;
    r.f_u = Get_Plate_Fu();
    r.f_y = Get_Plate_Fy();
    r.gamma_m2 = si->gamma_m2;
    r.gamma_m0 = c->accidental ? 1.0 : si->gamma_m0;
    /* the fasteners load every plate alike: outer plates two, inner plates n_p */
    r.plates = kind == CONN_OUTER_PLATES ? 2.0 : (double)(int)si->plate_count;
    if (!(r.plates >= 1.0)) r.plates = 1.0;
    r.M_left_out = Moment_Left_Out(c->M_d);
    if (!r.pull.zone) {
        Plate_Block_Of_Block(&r);
    } else {
        /* rows that pull unequally load their block eccentrically */
        r = Governing_Zone_Block(r, [](Plate_Block_Check *b, int centric) {
            b->eccentric = centric ? 0 : 1;
            Plate_Block_Of_Block(b);
        });
    }
    r.state = r.V_Rd > 0.0 ? PLATE_BLOCK_DONE : PLATE_BLOCK_NO_CAPACITY;
    return 1;
}

double Plate_Block_Shown_Util(const Plate_Block_Check *r)
{
    if (r->state == PLATE_BLOCK_NOT_APPLIED || r->state == PLATE_BLOCK_NOT_MADE) return 0.0;
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
    if (r->state == PLATE_BLOCK_NOT_MADE) {
        Oli_Write_Text(file, "Blockversagen der Bleche \xCE"
                             "bnicht nachgewiesen\xCEr: nur eine Reihe von "
                             "Verbindungsmitteln");
        return;
    }
    char ht[16], hv[16];
    Format_Widths(ht, sizeof ht, r->holes_t);
    Format_Widths(hv, sizeof hv, r->holes_v);
    if (r->pull.zone)
        Oli_Write_Text(
            file,
            "Block der Zugzone: die %d %s am gezogenen Rand (von %d ziehenden Reihen, der "
            "Block mit der gr\x94\xE1ten Ausnutzung) bis zum Blechende, d\xCE\\0\xCEr = "
            "%.1lf mm, t = %.1lf mm:",
            r->block_rows, r->block_rows == 1 ? "Reihe" : "Reihen", r->pull.rows, r->d0, r->t);
    else
        Oli_Write_Text(file,
                       "Block zwischen den \x84u\xE1"
                       "eren Reihen bis zum Blechende, d\xCE\\0\xCEr = %.1lf mm, t = %.1lf mm:",
                       r->d0, r->t);
    Oli_Write_Text(
        file,
        "A\xCE\\nt\xCEr = t (%.2lf - %s x %.1lf) = %.1lf x %.2lf = %.1lf mm\xFD (quer, an "
        "der Spalte am Sto\xE1)",
        r->L_t_gross, ht, r->d0, r->t, r->L_t, r->A_nt);
    Oli_Write_Text(
        file,
        "A\xCE\\nv\xCEr = t (%.2lf - %s x %.1lf) = %.1lf x %.2lf = %.1lf mm\xFD (l\x84ngs, "
        "beide \x84u\xE1"
        "eren Reihen)",
        r->L_v_gross, hv, r->d0, r->t, r->L_v, r->A_nv);
    if (r->state == PLATE_BLOCK_NO_CAPACITY) {
        Oli_Write_Text_Flagged(file,
                               "V\xCE\\"
                               "eff,1,Rd\xCEr nicht bestimmbar => \xCE"
                               "bNachweis kann nicht gef\x81hrt werden!\xCEr",
                               0);
        return;
    }
    /* where the rows of a tension zone pull unequally the block is loaded eccentrically */
    const bool ecc = r->eccentric != 0;
    Oli_Write_Text(
        file,
        "V\xCE\\"
        "eff,%d,Rd\xCEr = %sf\xCE\\u\xCEr A\xCE\\nt\xCEr / %s\xCE\\M2\xCEr + "
        "f\xCE\\y\xCEr A\xCE\\nv\xCEr / (3\xCE/0.5\xCEr %s\xCE\\M0\xCEr) = %s%.0lf x "
        "%.1lf / %.2lf + %.0lf x %.1lf / (1.732 x %.2lf) = %.2lf kN%s",
        ecc ? 2 : 1, ecc ? "0.5 " : "", SYM_GAMMA, SYM_GAMMA, ecc ? "0.5 x " : "", r->f_u, r->A_nt,
        r->gamma_m2, r->f_y, r->A_nv, r->gamma_m0, r->V_Rd,
        ecc ? " (ungleich ziehende Reihen: exzentrisch belastet, DIN EN 1993-1-8, (3.10))" : "");
    /* a tension zone's block force, row by row from its pulled edge */
    const char *force = "N\xCE\\d\xCEr";
    if (r->pull.zone) {
        Write_Pulling_Force(file, &r->pull, r->block_rows, r->planes, r->F_Ed, r->N_d, "Blechende");
        force = "F\xCE\\Ed\xCEr";
    }
    char line[256];
    const double u = Plate_Block_Shown_Util(r);
    if (u <= UTIL_LIMIT)
        Format_N(line, sizeof line, "%s / %.0lf = %.2lf kN je Blech => u = %.3lf %s 1 => %s", force,
                 r->plates, r->N, u, SYM_LE, Satisfied_Verdict(r->M_left_out));
    else
        Format_N(line, sizeof line,
                 "%s / %.0lf = %.2lf kN je Blech => u = %.3lf > 1 => \xCE"
                 "bNachweis nicht erf\x81llt\xCEr",
                 force, r->plates, r->N, u);
    Oli_Write_Text_Flagged(file, line, u <= UTIL_LIMIT && r->M_left_out == 0.0 ? 1 : 0);
}

double Oli_Blech_Blockversagen_Nachweis(FILE *file, int group, int entry, int *error)
{
    Plate_Block_Check r;
    Calc_Plate_Block_Check(group, entry, &r);
    if (r.state != PLATE_BLOCK_NOT_APPLIED && r.state != PLATE_BLOCK_NOT_MADE && error) *error = 0;
    Print_Plate_Block_Check(file, &r);
    return Plate_Block_Shown_Util(&r);
}
