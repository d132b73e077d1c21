/*
** Forces on one fastener of the pattern for one design combination, the partial factors of a
** combination, and the design bearing resistance of one plate hole (EN 1993-1-8, Table 3.4, and
** the DIN 18800 rule with alpha_l). Forces in kN per shear plane, distances in mm.
*/
#include "results/splice_calc.h"

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "catalogue/catalogue.h"

/* ---------------------------------------------------------------- force on one fastener */

/* The fasteners that carry a share of a combination together: the whole pattern, or the
** fasteners driven from one side where each side's plane carries half (Vbm_Side_Patterns). */
typedef struct Force_Side {
    double np, vp;   /* kN, shares of N and V of one of its fasteners */
    double M;        /* kNcm, the moment its fasteners carry about their centroid, counter-clockwise
                     ** positive (x from the joint into the half, y across the member) */
    double x_c, y_c; /* cm, that centroid */
    double I_p;      /* cm², their polar moment about it */
} Force_Side;

/* The values of one combination that every fastener's force shares. */
typedef struct Force_Basis {
    double s;      /* shear planes */
    double np, vp; /* kN, shares of N and V (of the governing side's fasteners) */
    int sides;     /* 1: the whole pattern, side[0]; 2: each side on its own */
    Force_Side side[2];
} Force_Basis;

/*
** The statics of the designed half. The forces are those that the fasteners pass on to the
** plates or side timbers, per shear plane: they sum to N_d and V_d as typed, and their moment
** about the joint is the moment that the splice designs there. The member's moment vanishes where
** the line of action of V_d lies; in the half that governs, that point lies beyond the joint and
** the member's moment grows into the half. About the centroid of the fasteners (x_c from the
** joint) the moment is therefore M_j - x_c V_d with M_j = -sgn(V_d) |M_d|, of the size
** |M_d| + x_c |V_d| that the preparation run stores (M_distr), and the column next to the joint
** carries V_d / n_c plus the moment's part, the far column V_d / n_c less it. Where the splice
** does not design M_d, V_d acts at the joint (M_j = 0): the same sense. Without V_d the half is
** drawn as for a positive V_d. Return the sense of the moment about the centroid: +1
** counter-clockwise, -1 clockwise.
*/
static double Joint_Half_Sense(const Lkom_Entry *c) { return c->V_d < 0.0 ? 1.0 : -1.0; }

static Force_Basis Basis_Of(const Lkom_Entry *c, int n)
{
    const Splice_Input_Record *si = &Splice_Input;
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    Force_Basis b;
    b.s = si->shear_planes > 0 ? si->shear_planes : 1;
    /* Every splice's fasteners carry V_d and its moment about their centroid (EN 1995-1-1,
    ** 8.1.2 and 8.2: the lateral load at its angle to the grain); M_d only enters the moment
    ** for distribution of a bending splice. A tension or compression splice without V_d keeps
    ** +0 as the share of V. */
    const bool bending = si->splice_kind == SPLICE_BENDING;
    /* N_d and V_d are shared by the fasteners and planes that carry them: alternately driven
    ** nails of an odd count carry half in each side's plane, the side with fewer governs */
    int share_n = n, share_s = (int)b.s;
    Vbm_Load_Sharing(n, &share_n, &share_s);
    b.np = c->N_d / share_n / share_s;
    b.vp = (bending || std::fabs(c->V_d) > 0.0) ? c->V_d / share_n / share_s : 0.0;
    b.sides = 1;
    const double sense = Joint_Half_Sense(c);
    const double M = std::fabs(c->M_distr) * 100.0;
    b.side[0] = Force_Side{b.np, b.vp, sense * M, fp->x_c, fp->y_c, fp->I_p};
    b.side[1] = b.side[0];
    Vbm_Side sp[2];
    if (Vbm_Side_Patterns(n, sp)) {
        /* each side's plane carries half of N_d, V_d and of the moment about its own fasteners'
        ** centroid, on their own polar moment: V_d acts at the joint, x_c of that centroid away */
        b.sides = 2;
        for (int k = 0; k < 2; k++) {
            Force_Side &f = b.side[k];
            /* sides of as many fasteners share N_d and V_d as the whole pattern does */
            if (sp[0].n != sp[1].n) {
                f.np = c->N_d / sp[k].n / 2;
                f.vp = (bending || std::fabs(c->V_d) > 0.0) ? c->V_d / sp[k].n / 2 : 0.0;
            }
            const double own = sp[k].x_c == fp->x_c ? M
                                                    : M - std::fabs(fp->x_c * c->V_d)
                                                          + std::fabs(sp[k].x_c * c->V_d);
            f.M = sense * (std::fmax(own, 0.0) / 2.0);
            f.x_c = sp[k].x_c;
            f.y_c = sp[k].y_c;
            f.I_p = sp[k].I_p;
        }
    }
    return b;
}

/* The side of fastener i whose share it carries (0 unless each side carries its own). */
static int Side_Of(const Force_Basis &b, int i) { return b.sides == 2 ? Vbm_Driven_Side(i) : 0; }

int Get_Side_Shares(int group, int entry, int n, Side_Share out[2])
{
    const Lkom_Entry *c = Get_Lkom_Entry(group, entry);
    if (c == nullptr || n <= 0) return 0;
    Vbm_Side sp[2];
    if (!Vbm_Side_Patterns(n, sp)) return 0;
    const Force_Basis b = Basis_Of(c, n);
    for (int k = 0; k < 2; k++) {
        out[k].pattern = sp[k];
        out[k].N_part = b.side[k].np;
        out[k].V_part = b.side[k].vp;
        out[k].M = std::fabs(b.side[k].M) / 100.0;
    }
    return 1;
}

double Fastener_Force_Angle(double fx, double fy)
{
    double a = std::atan2(fy, fx);
    while (a > M_PI / 2.0) a -= M_PI;
    while (a < 0.0) a += M_PI;
    /* asin(sin(a)) folds (pi/2, pi] back onto [0, pi/2) */
    return a > M_PI / 2.0 ? M_PI - a : a;
}

void Get_Fastener_Force(int group, int entry, int i, int n, double *N_part, double *V_part,
                        double *M_part, double *M_x, double *M_y, double *F_x, double *F_y,
                        double *F, double *angle)
{
    const Lkom_Entry *c = Get_Lkom_Entry(group, entry);
    if (c == nullptr || n <= 0) return;
    const Force_Basis b = Basis_Of(c, n);
    if (N_part) *N_part = b.np;
    if (V_part) *V_part = b.vp;
    if (i < 0 || i >= n || i >= Fastener_Pattern.count) return;

    const Fastener_Rec *r = &Fastener_Pattern.recs[i];
    const Force_Side &sd = b.side[Side_Of(b, i)];
    const double dx = r->x - sd.x_c;
    const double dy = r->y - sd.y_c;
    const double Ip = sd.I_p;
    double mx = 0.0, my = 0.0, mp = 0.0;
    if (Ip > 0.0) {
        /* the moment turns each fastener's force about the centroid: (-dy, dx) M / I_p */
        const double ax = sd.M * dx / Ip, ay = -sd.M * dy / Ip;
        mx = ay / b.s;
        my = ax / b.s;
        mp = std::sqrt(ax * ax + ay * ay) / b.s;
    }
    const double fx = sd.np + mx, fy = sd.vp + my;
    if (M_part) *M_part = mp;
    if (M_x) *M_x = mx;
    if (M_y) *M_y = my;
    if (F_x) *F_x = fx;
    if (F_y) *F_y = fy;
    if (F) *F = std::sqrt(fx * fx + fy * fy);
    if (angle) *angle = Fastener_Force_Angle(fx, fy);
}

/* ---------------------------------------------------------------- forces of all fasteners */

/*
** The forces of all fasteners of every combination as they were last computed: the preparation
** run computes them in each pass of its angle loop and the checks ask for them again. A kept
** value is given back only when everything it was computed from is bitwise the same: the
** pattern (count, centroid, I_p and every position), the shear planes, the kind of splice, the
** combination's forces and the number n. F_y is not kept: it is V_d's share and M_y added
** again, which gives it bit for bit, and the kept memory stays smaller for a start-up with many
** combinations, which waits on every fresh page.
*/
#define FORCE_MEMO_ARRAYS     4          /* M_y, F_x, F, angle */
#define FORCE_MEMO_MAX_VALUES (4u << 20) /* doubles at most per pattern (32 MB) */

typedef struct Force_Key {
    double M_distr, M_d, N_d, V_d;
    int32_t n;
    int32_t slot; /* -1: nothing kept */
} Force_Key;

typedef struct Force_Memo {
    bool pattern_kept = false;
    int32_t count = 0, shear_planes = 0, splice_kind = 0;
    int32_t share_n = 0, share_s = 0; /* Vbm_Load_Sharing of the pattern */
    double x_c = 0.0, y_c = 0.0, I_p = 0.0;
    std::vector<double> xy;      /* positions of the kept pattern */
    std::vector<Force_Key> keys; /* per combination */
    /* per slot: FORCE_MEMO_ARRAYS arrays of count values; room for every combination, taken
    ** once and left uninitialised, so that only the slots written are ever touched */
    std::unique_ptr<double[]> values;
    size_t capacity = 0; /* doubles */
    int32_t slots = 0;
} Force_Memo;

/* Two patterns are kept: the passes of the preparation run's angle loop lay out the pattern
** afresh, and the last two passes usually alternate between two layouts. */
#define FORCE_MEMO_PATTERNS 2
static Force_Memo Forces_Kept[FORCE_MEMO_PATTERNS];
static int Forces_Kept_Last = 0; /* index of the memo used last */

static bool Same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

/* Does the memo's pattern equal the current one? */
static bool Memo_Pattern_Same(const Force_Memo *m)
{
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    const Splice_Input_Record *si = &Splice_Input;
    const int count = fp->count;
    int share_n = 0, share_s = 0;
    Vbm_Load_Sharing(count, &share_n, &share_s);
    bool same = m->pattern_kept && m->count == count && m->shear_planes == si->shear_planes
                && m->share_n == share_n && m->share_s == share_s
                && m->splice_kind == si->splice_kind && Same(m->x_c, fp->x_c)
                && Same(m->y_c, fp->y_c) && Same(m->I_p, fp->I_p);
    for (int i = 0; same && i < count; i++)
        same = Same(m->xy[2 * (size_t)i], fp->recs[i].x)
               && Same(m->xy[2 * (size_t)i + 1], fp->recs[i].y);
    return same;
}

/* The memo of the current pattern: a kept one, or the one used less recently started anew;
** null when the pattern is too large to keep. */
static Force_Memo *Memo_Of_Pattern(void)
{
    for (int k = 0; k < FORCE_MEMO_PATTERNS; k++) {
        const int j = (Forces_Kept_Last + k) % FORCE_MEMO_PATTERNS;
        if (Memo_Pattern_Same(&Forces_Kept[j])) {
            Forces_Kept_Last = j;
            return &Forces_Kept[j];
        }
    }
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    const Splice_Input_Record *si = &Splice_Input;
    const int count = fp->count;
    if (count <= 0
        || (size_t)count * FORCE_MEMO_ARRAYS * LKOM_GROUPS * LKOM_ENTRIES > FORCE_MEMO_MAX_VALUES)
        return nullptr;
    Forces_Kept_Last = (Forces_Kept_Last + 1) % FORCE_MEMO_PATTERNS;
    Force_Memo *m = &Forces_Kept[Forces_Kept_Last];
    m->pattern_kept = false;
    m->slots = 0;
    m->count = count;
    m->shear_planes = si->shear_planes;
    Vbm_Load_Sharing(count, &m->share_n, &m->share_s);
    m->splice_kind = si->splice_kind;
    m->x_c = fp->x_c;
    m->y_c = fp->y_c;
    m->I_p = fp->I_p;
    m->xy.resize(2 * (size_t)count);
    for (int i = 0; i < count; i++) {
        m->xy[2 * (size_t)i] = fp->recs[i].x;
        m->xy[2 * (size_t)i + 1] = fp->recs[i].y;
    }
    m->keys.assign((size_t)LKOM_GROUPS * LKOM_ENTRIES, Force_Key{0.0, 0.0, 0.0, 0.0, 0, -1});
    const size_t need = (size_t)count * FORCE_MEMO_ARRAYS * LKOM_GROUPS * LKOM_ENTRIES;
    if (m->capacity < need) {
        m->values.reset(new double[need]);
        m->capacity = need;
    }
    m->pattern_kept = true;
    return m;
}

static bool Key_Matches(const Force_Key *k, const Lkom_Entry *c, int n)
{
    return k->slot >= 0 && k->n == n && Same(k->M_distr, c->M_distr) && Same(k->M_d, c->M_d)
           && Same(k->N_d, c->N_d) && Same(k->V_d, c->V_d);
}

void Get_Fastener_Arms(int n, double *dx, double *dy, int *side)
{
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    Vbm_Side sp[2];
    const bool sides = Vbm_Side_Patterns(n, sp) != 0;
    for (int i = 0; i < n; i++) {
        const int k = sides ? Vbm_Driven_Side(i) : 0;
        const double x_c = sides ? sp[k].x_c : fp->x_c, y_c = sides ? sp[k].y_c : fp->y_c;
        dx[i] = fp->recs[i].x - x_c;
        dy[i] = fp->recs[i].y - y_c;
        if (side) side[i] = k;
    }
}

Force_Shares Calc_Force_Parts(const Lkom_Entry *c, int n, int n_x, const double *dx,
                              const int *side_x, int n_y, const double *dy, const int *side_y,
                              double *M_y, double *M_x)
{
    const Force_Basis b = Basis_Of(c, n);
    /* as Get_Fastener_Force turns them (an exact negation) */
    for (int k = 0; k < n_x; k++) {
        const Force_Side &sd = b.side[side_x != nullptr && b.sides == 2 ? side_x[k] : 0];
        M_y[k] = sd.I_p > 0.0 ? sd.M * dx[k] / sd.I_p / b.s : 0.0;
    }
    for (int k = 0; k < n_y; k++) {
        const Force_Side &sd = b.side[side_y != nullptr && b.sides == 2 ? side_y[k] : 0];
        M_x[k] = sd.I_p > 0.0 ? -sd.M * dy[k] / sd.I_p / b.s : 0.0;
    }
    Force_Shares sh;
    sh.N_part = b.np;
    sh.V_part = b.vp;
    for (int k = 0; k < 2; k++) {
        sh.N_side[k] = b.side[k].np;
        sh.V_side[k] = b.side[k].vp;
    }
    return sh;
}

/* The computation itself (n at most the pattern's count). */
static void Compute_Forces_All(const Lkom_Entry *c, int n, double *M_y, double *F_x, double *F_y,
                               double *F, double *angle)
{
    static double dx[PATTERN_MAX], dy[PATTERN_MAX], mx[PATTERN_MAX], my[PATTERN_MAX];
    static int side[PATTERN_MAX];
    Get_Fastener_Arms(n, dx, dy, side);
    const Force_Shares sh = Calc_Force_Parts(c, n, n, dx, side, n, dy, side, my, mx);
    for (int i = 0; i < n; i++) {
        const double fx = sh.N_side[side[i]] + mx[i], fy = sh.V_side[side[i]] + my[i];
        if (M_y) M_y[i] = my[i];
        if (F_x) F_x[i] = fx;
        if (F_y) F_y[i] = fy;
        if (F) F[i] = std::sqrt(fx * fx + fy * fy);
        if (angle) angle[i] = Fastener_Force_Angle(fx, fy);
    }
}

int Combination_Angle_Range(const Lkom_Entry *c, double M_distr, double *lo, double *hi)
{
    const int n = Fastener_Pattern.count;
    if (c == nullptr || n <= 0 || n > PATTERN_MAX) return 0;
    Lkom_Entry with = *c;
    with.M_distr = M_distr;
    std::vector<double> F((size_t)n), angle((size_t)n);
    Compute_Forces_All(&with, n, nullptr, nullptr, nullptr, F.data(), angle.data());
    int counted = 0;
    for (int i = 0; i < n; i++) {
        /* a fastener without a force has no angle (the preparation leaves it out alike) */
        if (!(F[(size_t)i] >= 1e-5)) continue;
        *lo = std::fmin(*lo, angle[(size_t)i]);
        *hi = std::fmax(*hi, angle[(size_t)i]);
        counted++;
    }
    return counted > 0;
}

void Get_Fastener_Forces_All(int group, int entry, int n, double *M_y, double *F_x, double *F_y,
                             double *F, double *angle)
{
    const Lkom_Entry *c = Get_Lkom_Entry(group, entry);
    if (c == nullptr || n <= 0) return;
    if (n > Fastener_Pattern.count) n = Fastener_Pattern.count;
    Force_Memo *m = Memo_Of_Pattern();
    if (m == nullptr) {
        Compute_Forces_All(c, n, M_y, F_x, F_y, F, angle);
        return;
    }
    Force_Key *key = &m->keys[(size_t)group * LKOM_ENTRIES + (size_t)entry];
    const size_t stride = (size_t)m->count;
    if (!Key_Matches(key, c, n)) {
        /* computed into the combination's slot, whatever was asked */
        if (key->slot < 0) key->slot = m->slots++;
        double *kept = &m->values[(size_t)key->slot * FORCE_MEMO_ARRAYS * stride];
        Compute_Forces_All(c, n, kept, kept + stride, F_y, kept + 2 * stride, kept + 3 * stride);
        key->M_distr = c->M_distr;
        key->M_d = c->M_d;
        key->N_d = c->N_d;
        key->V_d = c->V_d;
        key->n = n;
    } else if (F_y != nullptr) {
        /* as Compute_Forces_All adds them */
        const Force_Basis b = Basis_Of(c, n);
        const double *my = &m->values[(size_t)key->slot * FORCE_MEMO_ARRAYS * stride];
        for (int i = 0; i < n; i++) F_y[i] = b.side[Side_Of(b, i)].vp + my[i];
    }
    const double *kept = &m->values[(size_t)key->slot * FORCE_MEMO_ARRAYS * stride];
    double *out[FORCE_MEMO_ARRAYS] = {M_y, F_x, F, angle};
    for (int k = 0; k < FORCE_MEMO_ARRAYS; k++)
        if (out[k] != nullptr)
            std::memcpy(out[k], kept + (size_t)k * stride, (size_t)n * sizeof(double));
}

/* ---------------------------------------------------------------- partial factors */

double Get_Steel_Gamma_M_Accidental(int which)
{
    const NAD_EC3_Params *ec3 = Nad_Params != nullptr ? Nad_EC3_Params_Ptr : nullptr;
    if (ec3 == nullptr) return 1.0;
    const NAD_EC3_1_Params &p = ec3->ec3_1;
    const double acc = which == 0 ? p.gamma_m0_acc : which == 1 ? p.gamma_m1_acc : p.gamma_m2_acc;
    const double persistent = which == 0 ? p.gamma_m0 : which == 1 ? p.gamma_m1 : p.gamma_m2;
    /* an annex without the accidental row keeps the persistent factor, on the safe side */
    return acc > 0.0 ? acc : persistent;
}

double Get_Steel_Gamma_M2_Joints(int accidental)
{
    double persistent = Splice_Input.gamma_m2;
    if (Nad_Params == nullptr) return persistent;
    /* the first factor of the annex's EN 1993-1-8 block is gamma_M2 of bolts and of plates in
    ** bearing (EN 1993-1-8, 2.2, Table 2.1), which the annex may set apart from EN 1993-1-1's */
    const NAD_EC3_Params *ec3 = Nad_EC3_Params_Ptr;
    if (ec3 != nullptr) persistent = ec3->ec3_8.factors_a[0];
    if (!accidental) return persistent;
    return std::fmax(persistent, Get_Steel_Gamma_M_Accidental(2));
}

void Set_Design_Gammas(int accidental)
{
    Splice_Input_Record *si = &Splice_Input;
    si->gamma_m_side = Get_Gamma_M(si->mat_side, si->grade_side, accidental);
    si->gamma_m_mid = Get_Gamma_M(si->mat_mid, si->grade_mid, accidental);
    si->gamma_m_t90 = Get_Gamma_M(si->mat_mid, si->grade_mid, 0);
    if (Nad_Params != nullptr) {
        if (Nad_EC3_Params_Ptr != nullptr) {
            si->gamma_m0 = Nad_EC3_Params_Ptr->ec3_1.gamma_m0;
            si->gamma_m2 = Nad_EC3_Params_Ptr->ec3_1.gamma_m2;
        }
        if (accidental) si->gamma_m0 = Get_Steel_Gamma_M_Accidental(0);
    } else {
        si->gamma_m0 = accidental ? 1.0 : 1.1;
    }
    si->gamma_s = si->gamma_m0;
    if (Msg_Count != 0 || Msg_Count2 != 0) Msg_Codes_Clear();
}

static const Stahlguete *Plate_Steel(void)
{
    uint32_t code = (uint32_t)Splice_Input.plate_steel & 0xFFFFu;
    if (Nad_Params != nullptr) code |= STAHL_EC_TABLE;
    return Get_Stahlguete(code);
}

double Get_Plate_Fyd(int accidental)
{
    const double fy = Get_Plate_Fy();
    if (accidental) return fy / Get_Steel_Gamma_M_Accidental(0);
    return Splice_Input.gamma_m0 > 0.0 ? fy / Splice_Input.gamma_m0 : 0.0;
}

/* f_u and f_y of the plates' thickness range: a plate over t1 (40 mm) takes the second range
** (EN 1993-1-1, Table 3.1). */
double Get_Plate_Fu(void)
{
    const Stahlguete *s = Plate_Steel();
    return Splice_Input.t_p * 10.0 <= s->t1 ? s->fu : s->fu2;
}

double Get_Plate_Fy(void)
{
    const Stahlguete *s = Plate_Steel();
    return Splice_Input.t_p * 10.0 <= s->t1 ? s->fy1 : s->fy2;
}

int Plate_Second_Thickness_Range(double *t1_mm)
{
    const Stahlguete *s = Plate_Steel();
    if (t1_mm != nullptr) *t1_mm = s->t1;
    return Splice_Input.t_p * 10.0 > s->t1;
}

/* ---------------------------------------------------------------- EN 1993-1-8, Table 3.4 */

double Calc_Alpha_B_End(double d0, double e1, double f_ub, double f_u)
{
    if (d0 < 0.0 || f_u < 0.0) return 0.0;
    return std::fmin(std::fmin(e1 / (3.0 * d0), 1.0), f_ub / f_u);
}

double Calc_Alpha_B_Inner(double d0, double p1, double f_ub, double f_u)
{
    if (d0 < 0.0 || f_u < 0.0) return 0.0;
    return std::fmin(std::fmin(p1 / (3.0 * d0) - 0.25, 1.0), f_ub / f_u);
}

double Calc_K1_Edge(double d0, double e2, double p2)
{
    if (d0 < 0.0) return 0.0;
    return std::fmin(std::fmin(2.8 * e2 / d0 - 1.7, 1.4 * p2 / d0 - 1.7), 2.5);
}

double Calc_K1_Inner(double d0, double p2)
{
    if (d0 < 0.0) return 0.0;
    return std::fmin(1.4 * p2 / d0 - 1.7, 2.5);
}

int Calc_Plate_Bearing_Ec(double d0, double d, double t, double e1, double e2, double p1, double p2,
                          double f_ub, double f_u, double *F_b_edge, double *F_b_inner,
                          double *alpha_b_end, double *alpha_b_inner, double *k1_edge,
                          double *k1_inner)
{
    const double a_end = Calc_Alpha_B_End(d0, e1, f_ub, f_u);
    double a_in = Calc_Alpha_B_Inner(d0, p1, f_ub, f_u);
    if (p1 <= 0.1) a_in = a_end;
    const double k_edge = Calc_K1_Edge(d0, e2, p2);
    const double k_in = Calc_K1_Inner(d0, p2);
    const double g = Splice_Input.gamma_m2;
    if (F_b_edge) *F_b_edge = g > 0.0 ? k_edge * a_end * f_u * d * t / g / 1000.0 : 0.0;
    if (F_b_inner) *F_b_inner = g > 0.0 ? k_in * a_in * f_u * d * t / g / 1000.0 : 0.0;
    if (alpha_b_end) *alpha_b_end = a_end;
    if (alpha_b_inner) *alpha_b_inner = a_in;
    if (k1_edge) *k1_edge = k_edge;
    if (k1_inner) *k1_inner = k_in;
    return 0;
}

Bearing_Factors Calc_Plate_Bearing_Factors(double d0, double e_end, double p_along, double e_edge,
                                           double p_across, double f_ub, double f_u)
{
    Bearing_Factors b;
    b.alpha_end = Calc_Alpha_B_End(d0, e_end, f_ub, f_u);
    b.alpha_in = p_along <= 0.1 ? b.alpha_end : Calc_Alpha_B_Inner(d0, p_along, f_ub, f_u);
    if (p_across <= 0.1) {
        b.k1_edge = d0 < 0.0 ? 0.0 : std::fmin(2.8 * e_edge / d0 - 1.7, 2.5);
        b.k1_in = d0 < 0.0 ? 0.0 : 2.5;
    } else {
        b.k1_edge = Calc_K1_Edge(d0, e_edge, p_across);
        b.k1_in = Calc_K1_Inner(d0, p_across);
    }
    return b;
}

/* ---------------------------------------------------------------- DIN 18800 */

int Calc_Alpha_L_Din_Hole(double *alpha_l, double d_L, int end_hole, double distance, double e2,
                          double e3, Din_Alpha_Terms *terms)
{
    Din_Alpha_Terms t = {};
    t.end_hole = end_hole ? 1 : 0;
    t.d_L = d_L;
    t.distance = distance;
    t.e2 = e2;
    t.e3 = e3;
    t.one_row = (int)Splice_N_Row(&Splice_Input) == 1 ? 1 : 0;
    t.ratio_max = end_hole ? 3.0 : 3.5;
    t.a_up = end_hole ? 1.1 : 1.08;
    t.b_up = end_hole ? 0.3 : 0.77;
    t.a_lo = end_hole ? 0.73 : 0.72;
    t.b_lo = end_hole ? 0.2 : 0.51;
    int rc = DERR_PLATE_EDGE_E2_E3;
    if (d_L > 0.0) {
        t.ratio = std::fmin(distance / d_L, t.ratio_max);
        t.e2r = e2 / d_L;
        t.e3r = e3 / d_L;
        t.q = std::fmin(t.e2r, 1.5);
        t.upper = t.a_up * t.ratio - t.b_up;
        t.lower = t.a_lo * t.ratio - t.b_lo;
        const bool relaxed = t.e3r + 1e-6 >= 2.4 || t.one_row;
        if (t.e2r > 1.5 && t.e3r > 3.0) {
            t.line = DIN_ALPHA_UPPER;
            t.alpha_raw = t.upper;
            rc = 0;
        } else if (t.e2r + 1e-6 >= 1.2 && relaxed) {
            /* linear between the line at e2 = 1.2 d_L and that at 1.5 d_L */
            t.line = t.q - 1.2 < 1e-6 ? DIN_ALPHA_LOWER : DIN_ALPHA_INTERPOLATED;
            t.alpha_raw = (t.q - 1.2) * (t.upper - t.lower) / 0.3 + t.lower;
            rc = 0;
        }
        t.alpha = t.alpha_raw > 3.0 ? 3.0 : t.alpha_raw;
    }
    if (alpha_l) *alpha_l = t.alpha;
    if (terms) *terms = t;
    return rc;
}

int Calc_Alpha_L_Din(double *alpha_l, double d_L, double e, double e1, double e2, double e3)
{
    double a_end = 0.0, a_in = 0.0;
    int rc = Calc_Alpha_L_Din_Hole(&a_end, d_L, 1, e1, e2, e3, nullptr);
    const int rc2 = Calc_Alpha_L_Din_Hole(&a_in, d_L, 0, e, e2, e3, nullptr);
    if (rc == 0) rc = rc2;
    if (alpha_l) *alpha_l = std::fmin(a_end, a_in);
    return rc;
}

/* ---------------------------------------------------------------- the plate hole */

int Plate_Hole_Fitted(const Splice_Input_Record *si)
{
    if (si->vbm_type == VBM_BOLZEN && si->steel_hole) return 0;
    return si->fitted_bolt != 0;
}

double Get_Plate_Hole_Clearance(const Splice_Input_Record *si)
{
    const Plate_Hole h = Get_Plate_Hole(si);
    return h.d > 0.0 ? h.d0 - h.d : 0.0;
}

Plate_Hole Get_Plate_Hole(const Splice_Input_Record *si)
{
    /* the connector fitted: beside a plate a C1 or C10 is built as its single-sided C2 or C11 */
    int t = 0, row = 0;
    Splice_Fitted_Vbm(si, &t, &row);
    const bool fitted = Plate_Hole_Fitted(si) != 0;
    Plate_Hole h = {si->d + (fitted ? 0.0 : 1.0), si->d, PLATE_HOLE_CLEARANCE};
    if (fitted) h.rule = PLATE_HOLE_FITTED;
    else if (si->fitted_bolt && t == VBM_BOLZEN) h.rule = PLATE_HOLE_BOLT_CLEARANCE;
    switch (t) {
    case VBM_SCHEIBENDUEBEL_B1: /* the hub passes the plate and bears on it */
        h.d = Get_Connector_Value(t, row, "d3");
        h.d0 = h.d + 1.0;
        h.rule = PLATE_HOLE_HUB_CLEARANCE;
        break;
    case VBM_SCHEIBENDUEBEL_C11: /* the hub sits in the plate */
        h.d0 = h.d = Get_Connector_Value(t, row, "d1");
        h.rule = PLATE_HOLE_HUB;
        break;
    case VBM_SCHEIBENDUEBEL_C1:  /* two-sided: beside a plate only where no counterpart */
    case VBM_SCHEIBENDUEBEL_C10: /* exists, which the preparation refuses */
    case VBM_SCHEIBENDUEBEL_C2:  /* the plate bears on the unit's bolt */
        h.d0 = si->d_bolt + 0.4;
        h.d = si->d_bolt;
        h.rule = PLATE_HOLE_ON_BOLT;
        break;
    default: break;
    }
    return h;
}

/* V_l,R,d = t d_Sch alpha_l f_y,d (DIN 18800-1, eq. (47)) in kN with alpha_l over the hole d_L
** (Table 8); DERR_PLATE_MIN_3MM for a plate below 3 mm. */
static int Din_Bearing(double *V_lRd, double *alpha_l, int which, double e, double e1, double e2,
                       double e3, int accidental, Din_Alpha_Terms *terms)
{
    const double t = Splice_Input.t_p * 10.0;
    if (terms) *terms = Din_Alpha_Terms{};
    if (t < 3.0) return DERR_PLATE_MIN_3MM;
    const Plate_Hole h = Get_Plate_Hole(&Splice_Input);
    double a = 0.0;
    const int rc = which < 0
                       ? Calc_Alpha_L_Din(&a, h.d0, e, e1, e2, e3)
                       : Calc_Alpha_L_Din_Hole(&a, h.d0, which, which ? e1 : e, e2, e3, terms);
    if (alpha_l) *alpha_l = a;
    if (rc != 0) return rc;
    if (V_lRd) *V_lRd = t * h.d * a * Get_Plate_Fyd(accidental) / 1000.0;
    return 0;
}

int Calc_Plate_Bearing_Din(double *V_lRd, double *alpha_l, double e, double e1, double e2,
                           double e3, int accidental)
{
    return Din_Bearing(V_lRd, alpha_l, -1, e, e1, e2, e3, accidental, nullptr);
}

int Calc_Plate_Bearing_Din_Hole(double *V_lRd, double *alpha_l, int end_hole, double distance,
                                double e2, double e3, int accidental, Din_Alpha_Terms *terms)
{
    return Din_Bearing(V_lRd, alpha_l, end_hole ? 1 : 0, distance, distance, e2, e3, accidental,
                       terms);
}
