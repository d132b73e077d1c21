/*
** Block-shear check of one combination of a plate connection in tension (EN 1995-1-1, Annex A):
** the failure load of the net areas of the fastener pattern in the middle member, reduced by the
** effective thicknesses of the failure modes. Forces in kN, lengths and areas in mm, mm².
*/
#include "results/splice_checks.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "design/design.h"
#include "foundation/foundation.h"
#include "printlist/printlist.h"

/* ---------------------------------------------------------------- net lengths */

/* Width of a hole in the timber (mm): the area the net section loses over a thickness t (mm),
** divided by t; no hole where the section keeps its fibres (thin nails and screws). */
static double Timber_Hole_Width(double t)
{
    const Splice_Input_Record *si = &Splice_Input;
    if (!(t > 0.0)) return 0.0;
    const int row = Is_Vbm_Connector(si->vbm_type) ? si->connector_index : si->vbm_row;
    return Calc_Vbm_Net_Section_Loss(si->vbm_type, si->d, row, si->bolt_index, si->predrilled,
                                     si->fitted_bolt, t)
           / t;
}

/* The part of the segment [a, b] that the holes of width w centred at the positions pos cover,
** in hole widths (a hole at an end of the segment counts half). */
static double Holes_On_Segment(double a, double b, const std::vector<double> &pos, double w)
{
    if (!(w > 0.0)) return 0.0;
    double covered = 0.0;
    for (double p : pos) {
        const double lo = std::fmax(a, p - w / 2.0), hi = std::fmin(b, p + w / 2.0);
        if (hi > lo) covered += hi - lo;
    }
    return covered / w;
}

/*
** The net lengths of the block that the fasteners of one half tear out of the member end
** (EN 1995-1-1, Annex A, (A.4) and (A.5), Figure A.1): across the grain along the column farthest
** from the joint, between the outer rows of the block; along the grain on both of them, from the
** member end at the joint to that column. The block spans every row where all fasteners pull, a
** tension zone's rows where a moment turns some fasteners towards the joint. Each length is the
** one between the hole centres less the holes on it.
*/
static void Block_Shear_Lengths(Block_Shear_Check *r)
{
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    const double tol = 1e-3; /* cm */
    double x_max = 0.0, y_min = 0.0, y_max = 0.0;
    for (int i = 0; i < fp->count; i++) {
        const Fastener_Rec *f = &fp->recs[i];
        x_max = i == 0 ? f->x : std::fmax(x_max, f->x);
        y_min = i == 0 ? f->y : std::fmin(y_min, f->y);
        y_max = i == 0 ? f->y : std::fmax(y_max, f->y);
    }
    if (r->pull.zone) Pulling_Block(&r->pull, r->block_rows, &y_min, &y_max, nullptr);
    std::vector<double> across, along_lo, along_hi; /* hole centres on each line, mm */
    for (int i = 0; i < fp->count; i++) {
        const Fastener_Rec *f = &fp->recs[i];
        if (std::fabs(f->x - x_max) < tol && f->y > y_min - tol && f->y < y_max + tol)
            across.push_back(f->y * 10.0);
        if (std::fabs(f->y - y_min) < tol) along_lo.push_back(f->x * 10.0);
        if (std::fabs(f->y - y_max) < tol) along_hi.push_back(f->x * 10.0);
    }
    const double w = r->d0;
    r->L_t_gross = (y_max - y_min) * 10.0;
    r->holes_t = Holes_On_Segment(y_min * 10.0, y_max * 10.0, across, w);
    r->L_v_gross = 2.0 * x_max * 10.0;
    r->holes_v = Holes_On_Segment(0.0, x_max * 10.0, along_lo, w)
                 + Holes_On_Segment(0.0, x_max * 10.0, along_hi, w);
    r->L_t = std::fmax(0.0, r->L_t_gross - r->holes_t * w);
    r->L_v = std::fmax(0.0, r->L_v_gross - r->holes_v * w);
}

/* ---------------------------------------------------------------- the check */

/* Failure load of one area pair (kN): EN 1995-1-1, (A.1). */
static double Block_Shear_F(double A_t, double A_v, double f_t, double f_v)
{
    const double t = 1.5 * A_t * f_t, v = 0.7 * A_v * f_v;
    return (t > v ? t : v) / 1000.0;
}

/*
** The failure load F_bs,Rk of the record's areas (EN 1995-1-1, (A.1)); the failure modes of the
** plate class (thin: a, b; thick: d/g, e/h; intermediate: all four) may lower it with their
** effective thickness (A.2): A_net,v = L_net,v / 2 (L_net,t + 2 t_ef).
*/
static void Calc_Block_Shear_Load(int inner, Block_Shear_Check *r)
{
    const Block_Shear_Values *bs = &r->values;
    r->F_Rk = Block_Shear_F(r->A_t, r->A_v, r->f_t0_k, r->f_v_k);
    r->mode = '-';
    r->t_ef = r->t1;
    auto offer = [&](char m, double t_ef) {
        const double Av = r->L_v / 2.0 * (r->L_t + 2.0 * t_ef);
        const double Fm = Block_Shear_F(r->A_t, Av, r->f_t0_k, r->f_v_k);
        if (Fm < r->F_Rk) {
            r->F_Rk = Fm;
            r->mode = m;
            r->A_v = Av;
            r->t_ef = t_ef;
        }
    };
    if (bs->plate_class == 0 || bs->plate_class == 1) {
        offer('a', bs->t_ef_a);
        offer('b', bs->t_ef_b);
    }
    if (bs->plate_class == 2 || bs->plate_class == 1) {
        offer(inner ? 'h' : 'e', bs->t_ef_e);
        offer(inner ? 'g' : 'd', bs->t_ef_d);
    }
}

/* ---------------------------------------------------------------- the rows that pull */

int Calc_Pulling_Rows(int group, int entry, Pulling_Rows *out)
{
    *out = Pulling_Rows{};
    const int n = Fastener_Pattern.count;
    if (Get_Lkom_Entry(group, entry) == nullptr || n <= 0) return 0;
    std::vector<double> fx((size_t)n);
    Get_Fastener_Forces_All(group, entry, n, nullptr, fx.data(), nullptr, nullptr, nullptr);
    bool away = false;
    for (double f : fx) away = away || f < 0.0;
    if (!away) return 1;
    /* the rows, each row's positive components summed in the order of the pattern */
    std::vector<double> row_y, row_F;
    for (int i = 0; i < n; i++) {
        const double y = Fastener_Pattern.recs[i].y;
        size_t k = 0;
        while (k < row_y.size() && std::fabs(row_y[k] - y) > 1e-4) k++;
        if (k == row_y.size()) {
            row_y.push_back(y);
            row_F.push_back(0.0);
        }
        if (fx[(size_t)i] > 0.0) row_F[k] += fx[(size_t)i];
    }
    std::vector<size_t> order(row_y.size());
    for (size_t k = 0; k < order.size(); k++) order[k] = k;
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return row_y[a] > row_y[b]; });
    /* the zone's rows from the top, then from its pulled edge: the end whose row pulls more */
    std::vector<size_t> zone;
    for (size_t k : order)
        if (row_F[k] > 0.0) zone.push_back(k);
    if (zone.size() > 1 && row_F[zone.back()] > row_F[zone.front()])
        std::reverse(zone.begin(), zone.end());
    Pulling_Rows &p = *out;
    p.zone = 1;
    for (size_t k : zone) {
        if (p.rows < PATTERN_COLUMNS_MAX) {
            p.row_F[p.rows] = row_F[k];
            p.row_y[p.rows] = row_y[k];
        }
        p.y_lo = p.rows == 0 ? row_y[k] : std::fmin(p.y_lo, row_y[k]);
        p.y_hi = p.rows == 0 ? row_y[k] : std::fmax(p.y_hi, row_y[k]);
        p.rows++;
        p.F += row_F[k];
    }
    return 1;
}

int Pulling_Block(const Pulling_Rows *p, int k, double *y_lo, double *y_hi, double *F)
{
    const int n = std::min<int>(std::min<int>(k, p->rows), PATTERN_COLUMNS_MAX);
    double lo = 0.0, hi = 0.0, sum = 0.0, least = 0.0, most = 0.0;
    for (int i = 0; i < n; i++) {
        lo = i == 0 ? p->row_y[i] : std::fmin(lo, p->row_y[i]);
        hi = i == 0 ? p->row_y[i] : std::fmax(hi, p->row_y[i]);
        least = i == 0 ? p->row_F[i] : std::fmin(least, p->row_F[i]);
        most = i == 0 ? p->row_F[i] : std::fmax(most, p->row_F[i]);
        sum += p->row_F[i];
    }
    if (y_lo) *y_lo = lo;
    if (y_hi) *y_hi = hi;
    if (F) *F = sum;
    return most - least <= 1e-9 * most ? 1 : 0;
}

void Write_Pulling_Force(FILE *file, const Pulling_Rows *p, int k, int planes, double F_Ed,
                         double N_d, const char *towards)
{
    std::string rows;
    double F = 0.0;
    Pulling_Block(p, k, nullptr, nullptr, &F);
    for (int i = 0; i < k && i < p->rows && i < PATTERN_COLUMNS_MAX; i++) {
        char v[32];
        snprintf(v, sizeof v, "%s%.2lf", i > 0 ? " + " : "", p->row_F[i]);
        rows += v;
    }
    Oli_Write_Text(file,
                   "Kraft der Verbindungsmittel in Faserrichtung zum %s (Zugzone, je Reihe vom "
                   "gezogenen Rand, je Scherfuge): F\xCE\\Ed\xCEr = (%s) x %d = %.2lf x %d = "
                   "%.2lf kN (N\xCE\\d\xCEr = %.2lf kN)",
                   towards, rows.c_str(), planes, F, planes, F_Ed, N_d);
}

/* ---------------------------------------------------------------- the check */

/*
** The force along the grain of all shear planes that the fasteners of the block carry towards
** the member end (EN 1995-1-1, Annex A: the block torn out by the fasteners' force parallel to
** the grain). Where every fastener's component points to the end it is N_d; where a moment turns
** some of them towards the joint (the compression zone of a bending splice), the sum of the
** components that point to the end, row by row; those pointing away do not relieve the block.
*/
static void Block_Force(int group, int entry, const Lkom_Entry *c, Block_Shear_Check *r)
{
    const Splice_Input_Record *si = &Splice_Input;
    r->planes = si->shear_planes > 0 ? si->shear_planes : 1;
    r->N_d = c->N_d;
    r->F_Ed = c->N_d;
    Calc_Pulling_Rows(group, entry, &r->pull);
    if (r->pull.zone) r->F_Ed = r->pull.F * r->planes;
}

/* One timber part's share of F_Ed: between one inner plate each of the two lamellas half; between
** two or more each lamella its own planes' share (every shear plane of a fastener takes the same
** force), two planes of a lamella between two plates, one of an outer lamella; beside outer
** plates the whole member, or half of it from the nails, screws and staples of each side. */
static void Block_Shares(Block_Shear_Check *r)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int n_p = (int)si->plate_count;
    r->parts = 1.0;
    if (si->connection_kind == CONN_INNER_PLATES && n_p >= 2) {
        r->lamellas = n_p + 1;
        const double planes = 2.0 * n_p; /* both faces of every plate */
        r->N = r->F_Ed * 2.0 / planes;
        r->N_outer = r->F_Ed * 1.0 / planes;
        return;
    }
    if (si->connection_kind == CONN_INNER_PLATES && si->plate_count + 1.0 > 0.0)
        r->parts = si->plate_count + 1.0;
    else if (si->connection_kind != CONN_INNER_PLATES && Is_Vbm_Nail_Screw_Or_Staple(si->vbm_type))
        r->parts = 2.0;
    r->N = r->parts != 1.0 ? r->F_Ed / r->parts : r->F_Ed;
}

/* Failure load, design resistance, share and utilisation of the record's block. */
static void Block_Shear_Of_Block(int inner, double gamma, Block_Shear_Check *r)
{
    Block_Shear_Lengths(r);
    r->A_t = r->t1 * r->L_t;
    r->A_v = r->t1 * r->L_v;
    Calc_Block_Shear_Load(inner, r);
    Block_Shares(r);
    r->F_Rd = r->F_Rk * r->kmod / gamma;
    r->u = r->F_Rd > 0.0 ? r->N / r->F_Rd : 0.0;
}

int Calc_Block_Shear_Check(int group, int entry, Block_Shear_Check *out)
{
    const Splice_Input_Record *si = &Splice_Input;
    Block_Shear_Check &r = *out;
    r = Block_Shear_Check{};
    r.state = BLOCK_SHEAR_NOT_APPLIED;
    const Lkom_Entry *c = Get_Lkom_Entry(group, entry);
    const int kind = si->connection_kind;
    if (c == nullptr || (kind != CONN_INNER_PLATES && kind != CONN_OUTER_PLATES)) return 0;
    if (!si->block_shear) return 0;
    /* Switched on, the check is made only in the exact proof and with two rows at least: say
    ** so rather than show nothing */
    if (!Is_Block_Shear_Check_On()) {
        r.state = BLOCK_SHEAR_NOT_MADE;
        r.calc_method = si->calc_method;
        return 0;
    }
    const int n_r = (int)Splice_N_Row(si);
    if (n_r < 2) return 0;
    /* the fasteners that pull towards the member end: all of a tension splice, a tension zone */
    Block_Force(group, entry, c, &r);
    if (!(r.F_Ed > 0.0)) {
        r = Block_Shear_Check{};
        r.state = BLOCK_SHEAR_NOT_APPLIED;
        return 0;
    }

    double fm = 0, ft = 0, fc = 0, fv = 0, fc90 = 0;
    Get_Mat_Strengths(/*group=*/si->mat_mid, /*grade=*/si->grade_mid, /*use=*/1, /*kind=*/8,
                      /*width=*/si->h * 10.0, /*depth=*/si->b * 10.0, /*f_m_k=*/&fm, /*f_t_k=*/&ft,
                      /*f_c_k=*/&fc, /*f_v_k=*/&fv, /*f_c90_k=*/&fc90, /*k_h=*/nullptr);
    r.f_t0_k = ft / 1000.0;
    r.f_v_k = fv / 1000.0;
    Vbm_Rule_Input rule;
    Fill_Vbm_Rule_Input_Plate(&rule);
    Calc_Fh_Members(&rule, &r.values);

    r.t1 = r.values.t;
    r.d0 = Timber_Hole_Width(r.t1);
    Get_Group_Kmod(group, &r.kmod, nullptr, nullptr);
    const double gamma = si->gamma_m_mid;
    const bool inner = kind == CONN_INNER_PLATES;
    if (!(gamma > 0.0)) {
        r.block_rows = r.pull.rows;
        Block_Shear_Lengths(&r);
        r.state = BLOCK_SHEAR_NO_GAMMA;
        return 1;
    }
    if (!r.pull.zone) {
        Block_Shear_Of_Block(inner, gamma, &r);
    } else {
        r = Governing_Zone_Block(
            r, [&](Block_Shear_Check *b, int) { Block_Shear_Of_Block(inner, gamma, b); });
    }
    if (r.F_Rd > 0.0) {
        r.state = BLOCK_SHEAR_DONE;
        r.u = r.N / r.F_Rd;
    } else {
        r.state = BLOCK_SHEAR_NO_CAPACITY;
    }
    return 1;
}

/* A count of hole widths as printed: whole numbers without decimals, halves with one. */
static void Format_Holes(char *out, size_t size, double n)
{
    if (std::fabs(n - std::round(n)) < 1e-9) snprintf(out, size, "%.0lf", n);
    else snprintf(out, size, "%.1lf", n);
}

void Print_Block_Shear_Check(FILE *file, const Block_Shear_Check *r)
{
    if (file == nullptr || r->state == BLOCK_SHEAR_NOT_APPLIED) return;
    Oli_Write_Heading(file, 3, "%s",
                      "Nachweis Blockscherversagen gemäß DIN EN 1995-1-1, Anhang A"_cp850);
    if (r->state == BLOCK_SHEAR_NOT_MADE) {
        if (r->calc_method != 1)
            Oli_Write_Text(file,
                           "Blockscherversagen \xCE"
                           "bnicht nachgewiesen\xCEr: nur im genauen Nachweis gef\x81hrt "
                           "(Berechnungsverfahren: %s)",
                           Get_Proof_Method_Text(r->calc_method, 0));
        else
            Oli_Write_Text(file, "Blockscherversagen \xCE"
                                 "bnicht nachgewiesen\xCEr: nur eine Reihe von "
                                 "Verbindungsmitteln");
        return;
    }
    if (r->state == BLOCK_SHEAR_NO_GAMMA) {
        Oli_Write_Text_Flagged(file,
                               SYM_GAMMA "\xCE\\M\xCEr nicht bestimmbar => \xCE"
                                         "bNachweis "
                                         "kann nicht gef\x81hrt werden!\xCEr",
                               0);
        return;
    }
    /* The net lengths as (A.4) and (A.5) take them: the length between the hole centres (along
    ** the grain from the member end, both outer rows) less the holes of width d0 on it */
    char ht[16], hv[16];
    Format_Holes(ht, sizeof ht, r->holes_t);
    Format_Holes(hv, sizeof hv, r->holes_v);
    /* a tension zone tears out the block of its rows next to its pulled edge */
    if (r->pull.zone)
        Oli_Write_Text(file,
                       "Block der Zugzone: die %d %s am gezogenen Rand (von %d ziehenden Reihen, "
                       "der Block mit der gr\x94\xE1ten Ausnutzung): L\xCE\\net,t\xCEr quer "
                       "\x81"
                       "ber diese Reihen, L\xCE\\net,v\xCEr l\x84ngs ihrer \x84u\xE1"
                       "eren Reihen",
                       r->block_rows, r->block_rows == 1 ? "Reihe" : "Reihen", r->pull.rows);
    Oli_Write_Text(file,
                   "d\xCE\\0\xCEr = %.1lf mm: L\xCE\\net,t\xCEr = %.0lf - %s x %.1lf = "
                   "%.0lf mm, t\xCE\\"
                   "1\xCEr = %.0lf mm " SYM_ARROW " A\xCE\\net,t"
                   "\xCEr = %.0lf mm\xFD, M\xCE\\y,k\xCEr = %.1lf Nmm",
                   r->d0, r->L_t_gross, ht, r->d0, r->L_t, r->t1, r->A_t, r->values.My);
    if (r->mode == '-')
        Oli_Write_Text(file,
                       "L\xCE\\net,v\xCEr = %.0lf - %s x %.1lf = %.0lf mm, t\xCE\\"
                       "ef\xCEr = %.0lf mm " SYM_ARROW
                       " A\xCE\\net,v\xCEr = %.0lf mm\xFD (Versagensmechanismus c,f,j/l,k,m)",
                       r->L_v_gross, hv, r->d0, r->L_v, r->t_ef, r->A_v);
    else
        Oli_Write_Text(file,
                       "L\xCE\\net,v\xCEr = %.0lf - %s x %.1lf = %.0lf mm, t\xCE\\"
                       "ef\xCEr = %.0lf mm " SYM_ARROW
                       " A\xCE\\net,v\xCEr = %.0lf mm\xFD (Versagensmechanismus %c)",
                       r->L_v_gross, hv, r->d0, r->L_v, r->t_ef, r->A_v, r->mode);
    /* the force of a tension zone, row by row from the top, per shear plane */
    const char *force = "N\xCE\\d\xCEr";
    if (r->pull.zone) {
        Write_Pulling_Force(file, &r->pull, r->block_rows, r->planes, r->F_Ed, r->N_d,
                            "Tr\x84gerende");
        force = "F\xCE\\Ed\xCEr";
    }
    if (r->lamellas > 0) {
        Oli_Write_Text(file,
                       "F\xCE\\"
                       "bs,Rk\xCEr = %.2lf kN, k\xCE\\mod\xCEr = %.2lf " SYM_ARROW " F\xCE\\"
                       "bs,Rd\xCEr = %.2lf kN je Lamelle (%d Lamellen, %d Scherfugen je "
                       "Verbindungsmittel mit gleicher Kraft)",
                       r->F_Rk, r->kmod, r->F_Rd, r->lamellas, 2 * (r->lamellas - 1));
        const bool done = r->state == BLOCK_SHEAR_DONE;
        Oli_Write_Text(file,
                       "innere Lamelle (zwischen zwei Blechen): %s x 2 / %d = %.2lf kN " SYM_ARROW
                       " u\xCE\\"
                       "bs\xCEr = %.3lf",
                       force, 2 * (r->lamellas - 1), r->N, Block_Shear_Shown_Util(r));
        Oli_Write_Text(file,
                       "\x84u\xE1"
                       "ere Lamelle (neben einem Blech): %s x 1 / %d = %.2lf kN " SYM_ARROW
                       " u\xCE\\"
                       "bs\xCEr = %.3lf",
                       force, 2 * (r->lamellas - 1), r->N_outer,
                       done ? r->N_outer / r->F_Rd : Block_Shear_Shown_Util(r));
        return;
    }
    /* the share of one timber part: between one inner plate each of the two lamellas, with
    ** nails, screws and staples each of the two side members */
    char share[96];
    if (r->parts != 1.0)
        snprintf(share, sizeof share, "Anteil je Holzteil %s / %.0lf = %.2lf kN", force, r->parts,
                 r->N);
    else snprintf(share, sizeof share, "%s = %.2lf kN", force, r->N);
    Oli_Write_Text(file,
                   "F\xCE\\"
                   "bs,Rk\xCEr = %.2lf kN, k\xCE\\mod\xCEr = %.2lf " SYM_ARROW " F\xCE\\"
                   "bs,Rd\xCEr = %.2lf kN, %s " SYM_ARROW " u\xCE\\"
                   "bs\xCEr = "
                   "%.3lf",
                   r->F_Rk, r->kmod, r->F_Rd, share, Block_Shear_Shown_Util(r));
}

double Block_Shear_Shown_Util(const Block_Shear_Check *r)
{
    if (r->state == BLOCK_SHEAR_NOT_APPLIED || r->state == BLOCK_SHEAR_NOT_MADE) return 0.0;
    return Shown_Util(r->state != BLOCK_SHEAR_DONE, r->u);
}

/*
** Block-shear utilisation of combination (group, entry) of a plate connection in tension
** (EN 1995-1-1, Annex A); 0 when the check does not apply. *error gets 0 when it applies.
*/
double Oli_Blockscher_Nachweis(FILE *file, int group, int entry, int *error)
{
    Block_Shear_Check r;
    Calc_Block_Shear_Check(group, entry, &r);
    if (r.state != BLOCK_SHEAR_NOT_APPLIED && r.state != BLOCK_SHEAR_NOT_MADE && error) *error = 0;
    Print_Block_Shear_Check(file, &r);
    return Block_Shear_Shown_Util(&r);
}
