/*
** Block-shear check of one combination of a plate connection in tension (EN 1995-1-1, Annex A):
** the failure load of the net areas of the fastener pattern in the middle member, reduced by the
** effective thicknesses of the failure modes. Forces in kN, lengths and areas in mm, mm².
*/
#include "results/splice_checks.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "design/design.h"
#include "design/design_texts.h"
#include "foundation/foundation.h"
#include "printlist/printlist.h"

/* ---------------------------------------------------------------- net lengths */

/* Faces of the member of thickness t1 that hold a connector at each bolt: between outer plates
** both, beside an inner plate the one towards it (a lamella between two plates has a block of its
** own, with both: Own_Outer_Block). */
static int Connector_Faces(void)
{
    return Splice_Input.connection_kind == CONN_OUTER_PLATES ? 2 : 1;
}

/* 1 where the lamellas between two inner plates and those beside one have holes of different
** widths: a connector sits in both faces of the one, in one face of the other. */
static int Own_Outer_Block(void)
{
    return Lamellas_Between_Plates() && Is_Vbm_Connector(Splice_Input.vbm_type);
}

/* Width of a hole in the timber (mm): the area the net section loses over a thickness t (mm)
** whose `faces` faces hold a connector, divided by t; no hole where the section keeps its fibres
** (thin nails and screws). Between outer plates each half of t loses its own, as the net section
** takes it: a connector sits in either face (for dowel-type fasteners the same as the whole t). */
static double Timber_Hole_Width(double t, int faces)
{
    const Splice_Input_Record *si = &Splice_Input;
    if (!(t > 0.0)) return 0.0;
    return faces
           * Calc_Vbm_Net_Section_Loss(Fitted_Vbm_Type(), si->d, Fitted_Vbm_Row(), si->bolt_index,
                                       si->predrilled, si->fitted_bolt, t / faces)
           / t;
}

/*
** The net lengths of the record's block that the fasteners of one half tear out of the member end
** (EN 1995-1-1, Annex A, (A.4) and (A.5), Figure A.1): across the grain along the column farthest
** from the joint, between the block's outer rows; along the grain on both of them, from the
** member end at the joint to that column. Each length is the one between the hole centres less
** the holes on it.
*/
static void Block_Shear_Lengths(Block_Shear_Check *r)
{
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    const double tol = 1e-3; /* cm */
    double x_max = 0.0;
    for (int i = 0; i < fp->count; i++)
        x_max = i == 0 ? fp->recs[i].x : std::fmax(x_max, fp->recs[i].x);
    const double y_max = r->rows.y[r->block.first], y_min = r->rows.y[r->block.last];
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
    r->holes_t = Tearing_Holes_On(y_min * 10.0, y_max * 10.0, across, w);
    r->L_v_gross = 2.0 * x_max * 10.0;
    r->holes_v = Tearing_Holes_On(0.0, x_max * 10.0, along_lo, w)
                 + Tearing_Holes_On(0.0, x_max * 10.0, along_hi, w);
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
** The letter of the fastener's failure mode (its equation code) where (A.3) and (A.6) give its
** shear area without doubt, and into *t_ef the effective thickness of that area, 0 for the whole
** L_net,v t_1: thin outer plates in single shear a and b, an inner plate f, g and h, a timber
** part between two plates j, k, l and m, and the interpolations j/l and k/m between thin and
** thick plates (the thick plates' letter). 0 for any other code.
*/
static char Fastener_Mode_Area(int32_t code, const Block_Shear_Values *bs, double *t_ef)
{
    *t_ef = 0.0;
    if (code == MODE_OUTER_SINGLE_FIRST) *t_ef = bs->t_ef_a;
    else if (code == MODE_OUTER_SINGLE_FIRST + 1) *t_ef = bs->t_ef_b;
    else if (code == MODE_INNER_FIRST + 1) *t_ef = bs->t_ef_d; /* one hinge */
    else if (code == MODE_INNER_FIRST + 2) *t_ef = bs->t_ef_e; /* two hinges */
    else if (code != MODE_INNER_FIRST
             && !(code >= MODE_OUTER_DOUBLE_FIRST && code <= MODE_INTERMEDIATE_FIRST + 1))
        return 0;
    return Get_Mode_Letter(code);
}

/*
** The failure load F_bs,Rk of the record's areas (EN 1995-1-1, (A.1)); the failure modes of the
** plate class (thin: a, b; thick: d/g, e/h; intermediate: all four) may lower it with their
** effective thickness (A.2): A_net,v = L_net,v / 2 (L_net,t + 2 t_ef). Where none lowers it and
** the tension term governs, the shear area does not enter F_bs,Rk: the record takes and names
** the area of the mode in which the fastener fails (r->fastener_mode, (A.3)), as long as the
** tension term governs with it too.
*/
static void Calc_Block_Shear_Load(int inner, Block_Shear_Check *r)
{
    const Block_Shear_Values *bs = &r->values;
    r->F_Rk = Block_Shear_F(r->A_t, r->A_v, r->f_t0_k, r->f_v_k);
    r->mode = '-';
    r->mode_thin = 0;
    r->own_mode = 0;
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
    double t_ef = 0.0;
    const char own = Fastener_Mode_Area(r->fastener_mode, bs, &t_ef);
    if (r->mode != '-' || own == 0) return;
    const double Av = t_ef > 0.0 ? r->L_v / 2.0 * (r->L_t + 2.0 * t_ef) : r->A_v;
    if (1.5 * r->A_t * r->f_t0_k < 0.7 * Av * r->f_v_k
        || 1.5 * r->A_t * r->f_t0_k < 0.7 * r->A_v * r->f_v_k)
        return;
    r->mode = own;
    r->own_mode = 1;
    if (r->fastener_mode_thin != 0) r->mode_thin = Get_Mode_Letter(r->fastener_mode_thin);
    r->A_v = Av;
    if (t_ef > 0.0) r->t_ef = t_ef;
}


/* One timber part's share of F_Ed: between one inner plate each of the two lamellas half; between
** two or more each lamella its own planes' share (every shear plane of a fastener takes the same
** force), two planes of a lamella between two plates, one of an outer lamella; beside outer
** plates the whole member, or half of it from the nails, screws and staples of each side, all
** of F_Ed where it holds one side's alternately driven fasteners alone. */
static void Block_Shares(Block_Shear_Check *r)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int n_p = (int)si->plate_count;
    r->parts = 1.0;
    if (r->rows.side >= 0) {
        r->N = r->F_Ed;
        return;
    }
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

/* Lengths, areas and failure load of the record's block with its hole width d0, and its design
** resistance. */
static void Block_Resistance(int inner, double gamma, Block_Shear_Check *r)
{
    Block_Shear_Lengths(r);
    r->A_t = r->t1 * r->L_t;
    r->A_v = r->t1 * r->L_v;
    Calc_Block_Shear_Load(inner, r);
    r->F_Rd = r->F_Rk * r->kmod / gamma;
}

/* Exchange the record's block with that of its outer lamella (r->outer), field for field. */
static void Swap_Outer_Lamella(Block_Shear_Check *r)
{
    Block_Shear_Outer &b = r->outer;
    std::swap(r->d0, b.d0);
    std::swap(r->holes_t, b.holes_t);
    std::swap(r->holes_v, b.holes_v);
    std::swap(r->L_t, b.L_t);
    std::swap(r->L_v, b.L_v);
    std::swap(r->A_t, b.A_t);
    std::swap(r->A_v, b.A_v);
    std::swap(r->t_ef, b.t_ef);
    std::swap(r->mode, b.mode);
    std::swap(r->mode_thin, b.mode_thin);
    std::swap(r->own_mode, b.own_mode);
    std::swap(r->fastener_mode, b.fastener_mode);
    std::swap(r->fastener_mode_thin, b.fastener_mode_thin);
    std::swap(r->F_Rk, b.F_Rk);
    std::swap(r->F_Rd, b.F_Rd);
}

/* The record's outer lamella on its own holes (r->outer) as a record of its own. */
static Block_Shear_Check Outer_Lamella_Record(const Block_Shear_Check *r)
{
    Block_Shear_Check o = *r;
    Swap_Outer_Lamella(&o);
    o.N = r->N_outer;
    return o;
}

/* Failure load, design resistance, share and utilisation of the record's block; where an outer
** lamella has narrower holes than one between two plates, its own block as well, and the larger
** utilisation of the two. */
static void Block_Shear_Of_Block(int inner, double gamma, Block_Shear_Check *r)
{
    Block_Resistance(inner, gamma, r);
    Block_Shares(r);
    r->u = r->F_Rd > 0.0 ? r->N / r->F_Rd : 0.0;
    if (r->lamellas <= 0 || !(r->outer.d0 > 0.0)) return;
    Block_Shear_Check o = *r;
    Swap_Outer_Lamella(&o);
    Block_Resistance(inner, gamma, &o);
    Swap_Outer_Lamella(&o);
    r->outer = o.outer;
    if (r->outer.F_Rd > 0.0) r->u = std::fmax(r->u, r->N_outer / r->outer.F_Rd);
}

/*
** The check of combination (group, entry) with block `only` of the set, or (null) with the block
** of the set that is used most; each block carries what its own fasteners pull towards the member
** end (EN 1995-1-1, Annex A), those pushing away do not relieve it.
*/
static int Block_Shear_Run(int group, int entry, const Tearing_Block *only, Block_Shear_Check *out)
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
    if (n_r < 2 || !Calc_Tearing_Rows(group, entry, &r.rows) || r.rows.rows < 2) return 0;
    /* no fastener pulls towards the member end: no block tears */
    double pull = 0.0;
    for (int i = 0; i < r.rows.rows; i++) pull += r.rows.F[i];
    if (!(pull > 0.0)) {
        r = Block_Shear_Check{};
        r.state = BLOCK_SHEAR_NOT_APPLIED;
        return 0;
    }
    r.planes = si->shear_planes > 0 ? si->shear_planes : 1;
    r.N_d = c->N_d;

    double fm = 0, ft = 0, fc = 0, fv = 0, fc90 = 0;
    Get_Mat_Strengths(/*group=*/si->mat_mid, /*grade=*/si->grade_mid, /*use=*/1, /*kind=*/8,
                      /*width=*/si->h * 10.0, /*depth=*/si->b * 10.0, /*f_m_k=*/&fm, /*f_t_k=*/&ft,
                      /*f_c_k=*/&fc, /*f_v_k=*/&fv, /*f_c90_k=*/&fc90, /*k_h=*/nullptr);
    r.f_t0_k = ft / 1000.0;
    r.f_v_k = fv / 1000.0;
    Vbm_Rule_Input rule;
    Fill_Vbm_Rule_Input_Plate(&rule);
    /* a toothed plate's failure modes are those of its bolt (EN 1995-1-1, 8.10), as the fastener
    ** check designs them: the bolt's diameter, steel and embedment in its hole, the plate's
    ** class by the bolt */
    if (Is_Vbm_Toothed_Plate(si->vbm_type)) {
        rule.vbm_type = VBM_BOLZEN;
        rule.d = Get_Connector_Bolt_Diameter();
        rule.steel_grade = si->bolt_steel;
    }
    Calc_Fh_Members(&rule, &r.values);

    r.alpha_deg = rule.alpha1;
    /* a wood screw to DIN 571: the yield moment and the embedment strength of its failure modes
    ** as the fastener check takes them, with its f_u,k and d_ef (EN 1995-1-1, 8.7.1); the
    ** plate keeps its class by d */
    double fu = rule.fu, d_ef = rule.d;
    if (Is_Vbm_Din571_Screw(si->vbm_type)
        && Vbm_Design_Fu_And_D(group, entry, rule.alpha1, &fu, &d_ef)) {
        Vbm_Rule_Input modes = rule;
        modes.fu = fu;
        modes.d = d_ef;
        const int32_t plate_class = r.values.plate_class;
        Calc_Fh_Members(&modes, &r.values);
        r.values.plate_class = plate_class;
        if (d_ef != rule.d) r.d_ef = d_ef;
    }
    r.d_modes = d_ef;

    r.t1 = r.values.t;
    /* a lamella between two plates holds a connector in both faces, an outer lamella in one */
    r.d0 = Timber_Hole_Width(r.t1, Own_Outer_Block() ? 2 : Connector_Faces());
    if (Own_Outer_Block()) r.outer.d0 = Timber_Hole_Width(r.t1, 1);
    /* the fastener's mode in the member of each block: a lamella between two plates is the
    ** central member of (8.12), (8.13), an outer lamella the timber beside one plate of (8.11) */
    r.fastener_mode = Vbm_Failure_Mode(group, entry, rule.alpha1, 0, &r.fastener_mode_thin);
    if (Own_Outer_Block())
        r.outer.fastener_mode =
            Vbm_Failure_Mode(group, entry, rule.alpha1, 1, &r.outer.fastener_mode_thin);
    Get_Group_Kmod(group, &r.kmod, nullptr, nullptr);
    /* block shear is a resistance of the connection: gamma_M of connections (EN 1995-1-1,
    ** Table 2.3, Annex A) */
    const double gamma = Get_Gamma_M_Connections(Lkom_Accidental_Factors(c));
    r.gamma_M = gamma;
    const bool inner = kind == CONN_INNER_PLATES;
    /* every block of the set, or the one asked for */
    r = Governing_Tearing_Block(r, only, 0, [&](Block_Shear_Check *t) {
        if (gamma > 0.0) Block_Shear_Of_Block(inner, gamma, t);
        else Block_Shear_Lengths(t);
    });
    if (!(gamma > 0.0)) r.state = BLOCK_SHEAR_NO_GAMMA;
    else if (r.F_Rd > 0.0) r.state = BLOCK_SHEAR_DONE;
    else r.state = BLOCK_SHEAR_NO_CAPACITY;
    return 1;
}

int Calc_Block_Shear_Check(int group, int entry, Block_Shear_Check *out)
{
    return Block_Shear_Run(group, entry, nullptr, out);
}

int Calc_Block_Shear_Of_Block(int group, int entry, const Tearing_Block *b, Block_Shear_Check *out)
{
    return Block_Shear_Run(group, entry, b, out);
}

/* A count of hole widths as printed: whole numbers without decimals, halves with one. */
static void Format_Holes(char *out, size_t size, double n)
{
    if (std::fabs(n - std::round(n)) < 1e-9) snprintf(out, size, "%.0lf", n);
    else snprintf(out, size, "%.1lf", n);
}

/*
** The effective thickness t_ef of the block's failure mode with its formula and numbers, "" where
** the mode has none or the numbers do not give r->t_ef: t_1 the timber thickness of the rules, d
** the diameter of the modes. Thin plates (a) 0.4 t_1 and (b) 1.4 (M_y / (f_h d))^0.5; thick
** plates with one hinge (d, g) t_1 ((2 + 4 M_y / (f_h d t_1²))^0.5 - 1), the embedment length of eq.
** (8.10 c) and (8.11 g): F = f_h t_ef d; with two hinges (e, h) 2 (M_y / (f_h d))^0.5.
*/
static std::string T_Ef_Formula(const Block_Shear_Check *r, double d)
{
    const Block_Shear_Values &v = r->values;
    const double t = v.t, my = v.My, fh = v.fh;
    if (!(d > 0.0 && fh > 0.0 && t > 0.0)) return "";
    const char *dn = r->d_ef > 0.0 ? "d\xCE\\ef\xCEr" : "d";
    char fs[48];
    snprintf(fs, sizeof fs, "f\xCE\\h,%.0lf,k\xCEr", r->alpha_deg);
    char out[400];
    double value = 0.0;
    switch (r->mode) {
    case 'a':
        value = 0.4 * t;
        snprintf(out, sizeof out, "0.4 t\xCE\\1\xCEr = 0.4 x %.1lf = ", t);
        break;
    case 'b':
    case 'e':
    case 'h': {
        const double k = r->mode == 'b' ? 1.4 : 2.0;
        value = k * std::sqrt(my / (fh * d));
        snprintf(out, sizeof out,
                 "%.1lf (M\xCE\\y,k\xCEr / (%s %s))\xCE/0.5\xCEr = %.1lf x (%.1lf / (%.2lf x "
                 "%.2lf))\xCE/0.5\xCEr = ",
                 k, fs, dn, k, my, fh, d);
        break;
    }
    case 'd':
    case 'g':
        value = t * (std::sqrt(2.0 + 4.0 * my / (fh * d * t * t)) - 1.0);
        snprintf(out, sizeof out,
                 "t\xCE\\1\xCEr ((2 + 4 M\xCE\\y,k\xCEr / (%s %s t\xCE\\1\xCEr\xCE/2\xCEr))"
                 "\xCE/0.5\xCEr - 1) = %.1lf x ((2 + 4 x %.1lf / (%.2lf x %.2lf x %.1lf\xFD))"
                 "\xCE/0.5\xCEr - 1) = ",
                 fs, dn, t, my, fh, d, t);
        break;
    default: return "";
    }
    if (std::fabs(value - r->t_ef) > 1e-9 * std::fmax(1.0, r->t_ef)) return "";
    return out;
}

/* The hole width d0 as printed: one decimal, or up to three where one would round it (a
** connector's hole is the area it takes out over the thickness). */
static std::string D0_Text(double d0)
{
    char t[32];
    snprintf(t, sizeof t, "%.1lf", d0);
    if (std::fabs(strtod(t, nullptr) - d0) < 1e-9) return t;
    snprintf(t, sizeof t, "%.3lf", d0);
    size_t n = strlen(t);
    while (n > 0 && t[n - 1] == '0') t[--n] = 0;
    return t;
}

/*
** The line that derives a connector's hole width d0 from what it takes out of the member over
** t1 (Timber_Hole_Width): in each of its `faces` faces that hold a connector the part of it that
** lies there, h_e d_c, and the bolt hole d_L over the thickness less h_e in each such face,
** divided by t1. lead (or null) names the lamella whose hole it is; the line that says what the
** letters stand for follows where `explain`.
*/
static void Write_Connector_Hole(FILE *file, const Block_Shear_Check *r, const std::string &d0,
                                 int faces, const char *lead, bool explain)
{
    const Splice_Input_Record *si = &Splice_Input;
    const double dl = Connector_Bolt_Hole(si->bolt_index, si->fitted_bolt);
    const bool two = faces == 2;
    const std::string t1 = Mm_Digits(r->t1, 3).t, hole = Mm_Digits(dl, 3).t;
    const std::string he = Mm_Digits(Fitted_Connector_Value("he"), 3).t;
    const std::string dc = Mm_Digits(Fitted_Connector_Value("dc"), 3).t;
    char sum[192];
    snprintf(sum, sizeof sum,
             "((t\xCE\\1\xCEr - %sh\xCE\\e\xCEr) d\xCE\\L\xCEr + %sh\xCE\\e\xCEr "
             "d\xCE\\c\xCEr) / t\xCE\\1\xCEr = ((%s - %s%s) x %s + %s%s x %s) / %s",
             two ? "2 " : "", two ? "2 " : "", t1.c_str(), two ? "2 x " : "", he.c_str(),
             hole.c_str(), two ? "2 x " : "", he.c_str(), dc.c_str(), t1.c_str());
    /* the formula and what its letters stand for, each on a line of its own */
    Oli_Write_Text(file, "%s%sd\xCE\\0\xCEr = %s = %s mm", lead ? lead : "", lead ? ": " : "", sum,
                   d0.c_str());
    if (!explain) return;
    Oli_Write_Text(file,
                   "mit dem Bohrloch des Bolzens d\xCE\\L\xCEr = %s \x81"
                   "ber die Dicke ohne die Einlasstiefe h\xCE\\e\xCEr und dem Teil "
                   "h\xCE\\e\xCEr d\xCE\\c\xCEr des D\x81"
                   "bels im Holz%s, auf die Dicke t\xCE\\1\xCEr verteilt",
                   si->fitted_bolt ? "d" : "d + 1 mm",
                   two ? " (je ein D\x81"
                         "bel an beiden Seiten des Holzes)"
                       : "");
}

/* The net area A_net,v of the record, L_net,v t_1 with the whole thickness, else
** L_net,v / 2 (L_net,t + 2 t_ef), from the lengths as printed with `decimals`. */
static double Printed_Area_V(const Block_Shear_Check *r, int decimals)
{
    const auto at = [&](double v) { return strtod(Mm_Digits(v, decimals).t, nullptr); };
    if (r->t_ef == r->t1) return at(r->L_v) * at(r->t1);
    return at(r->L_v) / 2.0 * (at(r->L_t) + 2.0 * at(r->t_ef));
}

/*
** The decimals (1 to 4) of the lengths and thicknesses of the net areas: the fewest at which both
** areas recompute from the printed lengths to the whole mm² printed, so that the page gives them
** again. Lengths that are whole millimetres print without decimals.
*/
static int Area_Decimals(const Block_Shear_Check *r)
{
    char at[32], av[32], again_t[32], again_v[32];
    snprintf(at, sizeof at, "%.0lf", r->A_t);
    snprintf(av, sizeof av, "%.0lf", r->A_v);
    int decimals = 1;
    for (; decimals < 4; decimals++) {
        snprintf(again_t, sizeof again_t, "%.0lf",
                 strtod(Mm_Digits(r->L_t, decimals).t, nullptr)
                     * strtod(Mm_Digits(r->t1, decimals).t, nullptr));
        snprintf(again_v, sizeof again_v, "%.0lf", Printed_Area_V(r, decimals));
        if (strcmp(at, again_t) == 0 && strcmp(av, again_v) == 0) break;
    }
    return decimals;
}

/*
** The hole width and the net areas of record r's block: a connector's d0 with its formula (faces:
** the faces of t1 that hold one; lead names the lamella, explain adds what its letters stand
** for), the net lengths as (A.4) and (A.5) take them with t1, and the shear area of the governing
** mode; lamella (or null) names the member whose fastener mode the area takes.
*/
static void Write_Block_Areas(FILE *file, const Block_Shear_Check *r, int faces, const char *lead,
                              bool explain, const char *lamella)
{
    /* The net lengths as (A.4) and (A.5) take them: the length between the hole centres (along
    ** the grain from the member end, both outer rows) less the holes of width d0 on it */
    char ht[16], hv[16];
    Format_Holes(ht, sizeof ht, r->holes_t);
    Format_Holes(hv, sizeof hv, r->holes_v);
    /* every length with the digits its area recomputes from */
    const int dec = Area_Decimals(r);
    /* a connector is no dowel-type fastener: its block names M_y,k and the dowels' modes only
    ** where a mode's effective thickness, which takes them, lowered the area */
    const bool connector = Is_Vbm_Connector(Splice_Input.vbm_type) != 0;
    const std::string d0 = D0_Text(r->d0);
    if (connector) Write_Connector_Hole(file, r, d0, faces, lead, explain);
    /* with the embedment strength at the block's angle and the diameter that t_ef takes */
    char my[160] = "";
    if (!connector || (r->mode != '-' && strchr("bdegh", r->mode) != nullptr)) {
        char dn[48] = "";
        if (r->d_ef > 0.0) snprintf(dn, sizeof dn, ", d\xCE\\ef\xCEr = %.2lf mm", r->d_ef);
        snprintf(my, sizeof my,
                 ", M\xCE\\y,k\xCEr = %.1lf Nmm, f\xCE\\h,%.0lf,k\xCEr = %.2lf "
                 "N/mm\xFD%s",
                 r->values.My, r->alpha_deg, r->values.fh, dn);
    }
    Oli_Write_Text(file,
                   "d\xCE\\0\xCEr = %s mm: L\xCE\\net,t\xCEr = %s - %s x %s = "
                   "%s mm, t\xCE\\"
                   "1\xCEr = %s mm " SYM_ARROW " A\xCE\\net,t"
                   "\xCEr = %.0lf mm\xFD%s",
                   d0.c_str(), Mm_Digits(r->L_t_gross, dec).t, ht, d0.c_str(),
                   Mm_Digits(r->L_t, dec).t, Mm_Digits(r->t1, dec).t, r->A_t, my);
    /* the fastener's mode, or the two of an interpolation between thin and thick plates;
    ** between plates the fastener's own mode in the lamella of the block, named; none where no
    ** mode lowers the area */
    char mode[96];
    if (r->mode == '-' && connector) snprintf(mode, sizeof mode, "ganze Dicke");
    else if (r->mode == '-')
        snprintf(mode, sizeof mode,
                 "ganze Dicke: t\xCE\\ef\xCEr keines Versagensmechanismus mindert "
                 "F\xCE\\bs,Rk\xCEr");
    else if (r->mode_thin != 0) snprintf(mode, sizeof mode, "%c/%c", r->mode_thin, r->mode);
    else snprintf(mode, sizeof mode, "%c", r->mode);
    if (r->mode != '-' && r->own_mode && lamella != nullptr)
        snprintf(mode + strlen(mode), sizeof mode - strlen(mode), ", %s", lamella);
    /* EN 1995-1-1, Annex A: the shear area of the whole thickness t1 in the modes (e), (f),
    ** (j/l), (k) and (m), else L_net,v / 2 (L_net,t + 2 t_ef) */
    const bool whole = r->t_ef == r->t1;
    const Mm_Text Lv = Mm_Digits(r->L_v, dec), Lt = Mm_Digits(r->L_t, dec),
                  tv = Mm_Digits(r->t_ef, dec), gross = Mm_Digits(r->L_v_gross, dec);
    if (whole)
        Oli_Write_Text(file,
                       "L\xCE\\net,v\xCEr = %s - %s x %s = %s mm, t\xCE\\"
                       "1\xCEr = %s mm " SYM_ARROW " A\xCE\\net,v\xCEr = %.0lf mm\xFD (%s%s)",
                       gross.t, hv, d0.c_str(), Lv.t, tv.t, r->A_v,
                       r->mode == '-' ? "" : "Versagensmechanismus ", mode);
    else {
        /* t_ef with the formula of its mode, on a line of its own */
        const std::string formula = T_Ef_Formula(r, r->d_modes);
        if (!formula.empty())
            Oli_Write_Text(file, "t\xCE\\ef\xCEr = %s%s mm", formula.c_str(), tv.t);
        Oli_Write_Text(file,
                       "L\xCE\\net,v\xCEr = %s - %s x %s = %s mm, t\xCE\\"
                       "ef\xCEr = %s mm " SYM_ARROW
                       " A\xCE\\net,v\xCEr = L\xCE\\net,v\xCEr / 2 (L\xCE\\net,t\xCEr + 2 "
                       "t\xCE\\ef\xCEr) = %s / 2 x (%s + 2 x %s) = %.0lf mm\xFD "
                       "(Versagensmechanismus %s)",
                       gross.t, hv, d0.c_str(), Lv.t, tv.t, Lv.t, Lt.t, tv.t, r->A_v, mode);
    }
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
    /* the blocks of the set that were tried and the one that governs */
    Write_Tearing_Set(file, &r->rows, 0, &r->block);
    /* a lamella between two plates and an outer one each on its own holes where they differ */
    const bool own_outer = r->lamellas > 0 && r->outer.d0 > 0.0;
    Write_Block_Areas(file, r, own_outer ? 2 : Connector_Faces(),
                      own_outer ? "innere Lamelle (zwischen zwei Blechen)" : nullptr, true,
                      r->lamellas > 0 ? "innere Lamelle" : nullptr);
    const Block_Shear_Check outer = own_outer ? Outer_Lamella_Record(r) : *r;
    if (own_outer)
        Write_Block_Areas(file, &outer, 1,
                          "\x84u\xE1"
                          "ere Lamelle (neben einem Blech)",
                          false,
                          "\x84u\xE1"
                          "ere Lamelle");
    /* the block's force, row by row from the top, per shear plane */
    const char *force = "F\xCE\\Ed\xCEr";
    Write_Tearing_Force(file, &r->rows, &r->block, r->planes, r->F_Ed, r->N_d, "Tr\x84gerende");
    if (r->lamellas > 0) {
        const int planes = 2 * (r->lamellas - 1);
        if (own_outer) {
            Oli_Write_Text(file,
                           "F\xCE\\"
                           "bs,Rk\xCEr = %.2lf kN, k\xCE\\mod\xCEr = %.2lf, " SYM_GAMMA
                           "\xCE\\M\xCEr = %.2lf " SYM_ARROW " F\xCE\\"
                           "bs,Rd\xCEr = %.2lf kN der inneren Lamelle (%d Lamellen, %d "
                           "Scherfugen je Verbindungsmittel mit gleicher Kraft)",
                           r->F_Rk, r->kmod, r->gamma_M, r->F_Rd, r->lamellas, planes);
            Oli_Write_Text(file,
                           "F\xCE\\"
                           "bs,Rk\xCEr = %.2lf kN " SYM_ARROW " F\xCE\\"
                           "bs,Rd\xCEr = %.2lf kN einer \x84u\xE1"
                           "eren Lamelle",
                           outer.F_Rk, outer.F_Rd);
        } else
            Oli_Write_Text(file,
                           "F\xCE\\"
                           "bs,Rk\xCEr = %.2lf kN, k\xCE\\mod\xCEr = %.2lf, " SYM_GAMMA
                           "\xCE\\M\xCEr = %.2lf " SYM_ARROW " F\xCE\\"
                           "bs,Rd\xCEr = %.2lf kN je Lamelle (%d Lamellen, %d Scherfugen je "
                           "Verbindungsmittel mit gleicher Kraft)",
                           r->F_Rk, r->kmod, r->gamma_M, r->F_Rd, r->lamellas, planes);
        /* each lamella's share on its own resistance */
        const bool done = r->state == BLOCK_SHEAR_DONE;
        const double shown = Block_Shear_Shown_Util(r);
        Oli_Write_Text(
            file, "innere Lamelle (zwischen zwei Blechen): %s x 2 / %d = %.2lf kN " SYM_ARROW " %s",
            force, planes, r->N, Util_Of(done ? r->N / r->F_Rd : shown, "u\xCE\\bs\xCEr = ", 3).t);
        Oli_Write_Text(file,
                       "\x84u\xE1"
                       "ere Lamelle (neben einem Blech): %s x 1 / %d = %.2lf kN " SYM_ARROW " %s",
                       force, planes, r->N_outer,
                       Util_Of(done ? r->N_outer / outer.F_Rd : shown, "u\xCE\\bs\xCEr = ", 3).t);
        return;
    }
    /* the share of one timber part: between one inner plate each of the two lamellas, with
    ** nails, screws and staples each of the two side members */
    char share[96];
    if (r->rows.side >= 0)
        snprintf(share, sizeof share, "Holz neben dem Blech %s %s = %.2lf kN",
                 Vbm_Side_Name_Of(r->rows.side), force, r->N);
    else if (r->parts != 1.0)
        snprintf(share, sizeof share, "Anteil je Holzteil %s / %.0lf = %.2lf kN", force, r->parts,
                 r->N);
    else snprintf(share, sizeof share, "%s = %.2lf kN", force, r->N);
    Oli_Write_Text(file,
                   "F\xCE\\"
                   "bs,Rk\xCEr = %.2lf kN, k\xCE\\mod\xCEr = %.2lf, " SYM_GAMMA
                   "\xCE\\M\xCEr = %.2lf " SYM_ARROW " F\xCE\\"
                   "bs,Rd\xCEr = %.2lf kN, %s " SYM_ARROW " %s",
                   r->F_Rk, r->kmod, r->gamma_M, r->F_Rd, share,
                   Util_Of(Block_Shear_Shown_Util(r), "u\xCE\\bs\xCEr = ", 3).t);
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
