/*
** Tension perpendicular to the grain at the fasteners under EN 1995-1-1, 8.1.4: the splitting
** capacity F_90,Rd of each timber member against the force the fasteners carry across the grain,
** by (8.4) or, where the annex replaces it as the German one does, by its NCI NA.8.1.4. DIN 1052
** keeps its own check (check_timber.cpp). Forces in kN, lengths in mm.
*/
#include "results/splice_checks.h"
#include "results/print_list.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "design/design.h"
#include "foundation/format.h"
#include "printlist/printlist.h"

/* ---------------------------------------------------------------- geometry */

/* Positions closer than this (cm) stand in one row or one column, as the force distribution
** groups them. */
#define SPLIT_TOL 1e-4

/* The fasteners of one connection: its rows' positions across the grain and its extent along
** the grain (cm); of a column also the sum of its fasteners' forces across the grain. */
typedef struct Split_Set {
    std::vector<double> y; /* distinct rows, cm from the member axis */
    double x_min, x_max;
    double F_y; /* kN per shear plane, a column's sum of F_y */
} Split_Set;

static void Add_Row(Split_Set *s, double y)
{
    for (double v : s->y)
        if (std::fabs(v - y) < SPLIT_TOL) return;
    s->y.push_back(y);
}

/* The columns of one half in the order of x (from the joint), each with the sum of its
** fasteners' F_y of combination (group, entry) when fy (per fastener) is given. With mirror,
** the other half's columns too, at -x before them: a side timber runs through the joint and
** takes both halves' fasteners. The other half is the mirror image of this one; its fasteners'
** shares of the moment push the side timber the same way as this half's at the mirrored
** column, their shares of V_d the other way: F_y - 2 v with v = sum F_y / n, the share of V_d
** of each fastener (the moment's shares sum to nothing about the centroid). */
static std::vector<Split_Set> Columns(const double *fy = nullptr, bool mirror = false)
{
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    std::vector<Split_Set> cols;
    double v = 0.0;
    if (fy != nullptr && fp->count > 0) {
        for (int i = 0; i < fp->count; i++) v += fy[i];
        v /= fp->count;
    }
    for (int side = 0; side < (mirror ? 2 : 1); side++)
        for (int i = 0; i < fp->count; i++) {
            const Fastener_Rec *f = &fp->recs[i];
            const double x = side ? -f->x : f->x;
            size_t k = 0;
            while (k < cols.size() && std::fabs(cols[k].x_min - x) >= SPLIT_TOL) k++;
            if (k == cols.size()) {
                cols.push_back(Split_Set{});
                cols[k].x_min = cols[k].x_max = x;
            }
            Add_Row(&cols[k], f->y);
            if (fy != nullptr) cols[k].F_y += side ? fy[i] - 2.0 * v : fy[i];
        }
    std::stable_sort(cols.begin(), cols.end(),
                     [](const Split_Set &a, const Split_Set &b) { return a.x_min < b.x_min; });
    return cols;
}

/* ---------------------------------------------------------------- capacity of one connection */

/*
** The smaller design capacity of the connection s of member p for a force towards either edge,
** into *c (its F stays): the loaded edge is the one the force points to, h_e runs from it to the
** farthest fastener, h_i from the other edge to each row. On a tie the force towards the lower
** edge is kept.
*/
static void Calc_Case(const Split_Check *p, int rule, const Split_Set &s, Split_Case *c)
{
    const double h = p->h;
    bool first = true;
    /* one buffer for every call: the check runs for each run of columns of each combination */
    static thread_local std::vector<double> h_i;
    for (int dir : {1, -1}) {
        h_i.clear();
        double u_max = 0.0;
        for (size_t k = 0; k < s.y.size(); k++) {
            const double u = dir * s.y[k] * 10.0;
            u_max = k == 0 ? u : std::fmax(u_max, u);
            h_i.push_back(h / 2.0 - u);
        }
        Split_Case t = *c;
        t.h_e = h / 2.0 + u_max;
        t.a_r = (s.x_max - s.x_min) * 10.0;
        t.n = (int32_t)h_i.size();
        t.h_1 = h_i.empty() ? 0.0 : *std::min_element(h_i.begin(), h_i.end());
        t.sum_r = 0.0;
        for (double v : h_i) t.sum_r += v > 0.0 ? (t.h_1 / v) * (t.h_1 / v) : 0.0;
        if (rule == SPLIT_RULE_NA) {
            t.F_Rk = 0.0;
            t.F_Rd = Calc_F90_Rd_Na(t.h_e, h, p->t_ef, t.a_r, h_i.data(), t.n, p->f_t90_d, &t.k_s,
                                    &t.k_r)
                     / 1000.0;
        } else {
            t.F_Rk = Calc_F90_Rk(p->b, 1.0, t.h_e, h) / 1000.0;
            t.F_Rd = p->gamma > 0.0 ? p->kmod * t.F_Rk / p->gamma : 0.0;
        }
        if (first || t.F_Rd < c->F_Rd) *c = t;
        first = false;
    }
}

/* Utilisation of a case: none without a force, the stand-in UTIL_NO_CHECK without a capacity or
** where the annex allows short-term loads only. */
static void Case_Utilisation(Split_Case *c)
{
    if (!(c->F > 0.0)) c->u = 0.0;
    else if (!(c->F_Rd > 0.0) || c->short_only) c->u = UTIL_NO_CHECK;
    else c->u = c->F / c->F_Rd;
}

/* The member's thickness, height and share of the fasteners' planes, and the depth a nail, screw
** or staple reaches into it (mm). */
static void Member_Of(int piece, Split_Check *p)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int s = si->shear_planes > 0 ? si->shear_planes : 1;
    p->piece = piece;
    p->shear_planes = s;
    p->h = (piece == SPLIT_SIDE ? si->h_s : si->h) * 10.0;
    switch (piece) {
    case SPLIT_SIDE:
        p->b = si->t_s * 10.0;
        p->planes = s / 2.0; /* both side timbers together take every plane */
        break;
    case SPLIT_LAMELLA_OUTER:
    case SPLIT_LAMELLA_INNER:
        p->b = Calc_Timber_Part_Thickness() * 10.0;
        p->planes = piece == SPLIT_LAMELLA_INNER ? 2 : 1;
        break;
    case SPLIT_LAP:
        p->b = si->b * 10.0 / 2.0;
        p->planes = s;
        break;
    default:
        p->b = si->b * 10.0;
        p->planes = s;
        break;
    }
    p->t = p->b;
    const int type = si->vbm_type;
    if (piece == SPLIT_MIDDLE && Is_Vbm_Nail_Screw_Or_Staple(type)) {
        if (type == VBM_NAGEL) {
            p->t = Mid_Nail_Penetration();
        } else {
            const double t1 = (si->connection_kind == CONN_OUTER_PLATES ? si->t_p : si->t_s) * 10.0;
            p->t = std::fmin(p->b, std::fmax(0.0, si->l - t1));
        }
    }
}

/* The effective depth of the annex's rule: min(b; 6 d) for dowels, bolts and the bolts of
** connectors, min(b; t; 12 d) for nails, screws and staples. */
static void Effective_Depth(Split_Check *p)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int type = si->vbm_type;
    p->d = si->d;
    p->t_ef_factor = 12.0;
    if (Is_Vbm_Dowel_Or_Bolt(type) || Is_Vbm_Connector(type)) {
        p->t_ef_factor = 6.0;
        p->t = p->b;
        if (Is_Vbm_Connector(type) && si->d_bolt > 0.0) p->d = si->d_bolt;
    }
    p->t_ef = std::fmin(std::fmin(p->b, p->t), p->t_ef_factor * p->d);
}

int Splitting_Applies(int mat, const char **why)
{
    if (Member_May_Split(mat)) return 1;
    /* boards and plates have no grain to split along (EN 1995-1-1, 8.1.4 speaks of timber loaded
    ** at an angle to its grain) */
    if (why != nullptr)
        *why = mat == MAT_GIPSKARTON || mat == MAT_FERMACELL ? "Gipsplatte"
               : Is_Mat_Metal_Plate(mat)                     ? "Blech"
                                                             : "Holzwerkstoff";
    return 0;
}

int Splitting_Not_Applicable(int k, char *name, const char **why)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int kind = si->connection_kind;
    if (Nad_Params == nullptr || (k == 1 && kind != CONN_SIDE_TIMBERS)) return 0;
    if (Splitting_Applies(k == 1 ? si->mat_side : si->mat_mid, why)) return 0;
    snprintf(name, UTIL_NAME_MAX, "Querzug an den Verbindungsmitteln %s",
             k == 1                                          ? "der Seitenh\x94lzer"
             : kind == CONN_INNER_PLATES || kind == CONN_LAP ? "des Holzes"
                                                             : "des Mittelholzes");
    return 1;
}

/* Whether the load of the combination lasts short-term at most (NCI NA.8.1.4 allows no longer
** load where h_e / h < 0.2). */
static bool Short_Term(int group, const Lkom_Entry *c)
{
    if (c->accidental) return true;
    if (group < 0 || group >= LKOM_GROUPS) return false;
    return Splice_Input.lkom.groups[group].kled >= KLED_KURZ;
}

/*
** The capacities of every run and every column depend on the member, its design strength and the
** pattern alone, not on the forces of the combination: kept from the last check of the same
** member as long as these stay the same, in the order the runs and columns are tried.
*/
struct Split_Capacities {
    bool valid = false;
    int rule = -1;
    double h = 0, t_ef = 0, b = 0, f_t90_d = 0, kmod = 0, gamma = 0;
    std::vector<double> geometry; /* per column: x_min, x_max, its row count, its rows */
    std::vector<Split_Case> runs, columns;
};

/* The cache of member p (one per kind of member), emptied where its key has changed. */
static Split_Capacities &Capacities_Of(const Split_Check *p, int rule,
                                       const std::vector<Split_Set> &cols)
{
    static thread_local Split_Capacities cache[SPLIT_LAP + 1];
    Split_Capacities &k = cache[p->piece >= 0 && p->piece <= SPLIT_LAP ? p->piece : 0];
    static thread_local std::vector<double> geometry;
    geometry.clear();
    for (const Split_Set &col : cols) {
        geometry.push_back(col.x_min);
        geometry.push_back(col.x_max);
        geometry.push_back((double)col.y.size());
        geometry.insert(geometry.end(), col.y.begin(), col.y.end());
    }
    if (!k.valid || k.rule != rule || k.h != p->h || k.t_ef != p->t_ef || k.b != p->b
        || k.f_t90_d != p->f_t90_d || k.kmod != p->kmod || k.gamma != p->gamma
        || k.geometry != geometry) {
        k.valid = true;
        k.rule = rule;
        k.h = p->h;
        k.t_ef = p->t_ef;
        k.b = p->b;
        k.f_t90_d = p->f_t90_d;
        k.kmod = p->kmod;
        k.gamma = p->gamma;
        k.geometry = geometry;
        k.runs.clear();
        k.columns.clear();
    }
    return k;
}

/* The kinds of the gap between two adjacent columns under the annex's rule. */
enum { GAP_ONE = 0, GAP_GROUPS = 1, GAP_APART = 2 };

/* Whether the clear distance l reaches limit (mm): the columns stand where the pattern puts them
** in cm, so l of exactly 0.5 h or 2 h may come out a hair below. */
static bool Gap_Reaches(double l, double limit) { return l >= limit - SPLIT_TOL * 10.0; }

/*
** The groups of the columns of member p (DIN EN 1995-1-1/NA, NCI NA.8.1.4, as DIN 1052:2008,
** 11.1.5): adjacent columns whose clear distance l reaches 2 h are separate connections, closer
** than 0.5 h they stand in one group, and between the two each group is checked alone with its
** F_90,Rd times k_g = l_g / (4 h) + 0.5. Into gap[k] the kind of the gap before column k (k >= 1),
** into near[k] the least l_g of the group of column k to a group beside it (0 where none stands
** 0.5 h <= l_g < 2 h away). Eq. (8.4) keeps every column in one connection. Return the number
** of gaps between groups.
*/
static int Column_Groups(const Split_Check *p, int rule, const std::vector<Split_Set> &cols,
                         std::vector<int> *gap, std::vector<double> *near)
{
    const size_t n = cols.size();
    gap->assign(n, GAP_ONE);
    near->assign(n, 0.0);
    if (rule != SPLIT_RULE_NA) return 0;
    int groups = 0;
    for (size_t k = 1; k < n; k++) {
        const double l = (cols[k].x_min - cols[k - 1].x_min) * 10.0;
        (*gap)[k] = Gap_Reaches(l, 2.0 * p->h)   ? GAP_APART
                    : Gap_Reaches(l, 0.5 * p->h) ? GAP_GROUPS
                                                 : GAP_ONE;
        if ((*gap)[k] != GAP_GROUPS) continue;
        groups++;
        /* the group ending at column k - 1 and the one starting at column k see each other */
        for (size_t j = k; j-- > 0;) {
            if ((*near)[j] == 0.0 || l < (*near)[j]) (*near)[j] = l;
            if ((*gap)[j] != GAP_ONE) break;
        }
        for (size_t j = k; j < n; j++) {
            if (j > k && (*gap)[j] != GAP_ONE) break;
            if ((*near)[j] == 0.0 || l < (*near)[j]) (*near)[j] = l;
        }
    }
    return groups;
}

/*
** The governing run of adjacent columns of member p into *best: each run is one connection
** (DIN EN 1995-1-1/NA, NCI NA.8.1.4) whose columns push the member towards one edge, F the
** member's share of their components towards that edge (a column that pushes the other way adds
** nothing), a_r from its first to its last column, the rows of all its columns. Under the
** annex columns 2 h or more apart stand as separate connections, which no run spans; a run
** within a group beside another 0.5 h <= l_g < 2 h away takes k_g, and a run over such groups
** stands as one connection without it, governing where it gives more. Eq. (8.3) asks the shear
** beside the connection, which the member carries past such a gap: there every run may span it,
** and the run over the whole half bounds the shear of each section. Runs of two or more columns
** are tried; a connection or group of one column is a run of its own. Return the number of gaps
** between groups.
*/
static int Calc_Runs(const Split_Check *p, int rule, const std::vector<Split_Set> &cols,
                     Split_Capacities &known, Split_Case *best)
{
    const bool cached = !known.runs.empty();
    size_t next = 0;
    const double planes = p->shear_planes > 0 ? p->shear_planes : 1;
    static thread_local std::vector<int> gap;
    static thread_local std::vector<double> near;
    const int groups = Column_Groups(p, rule, cols, &gap, &near);
    bool found = false;
    double u_best = 0.0;
    auto consider = [&](Split_Case *t) {
        const double u = t->F_Rd > 0.0 ? t->F / t->F_Rd : t->F > 0.0 ? HUGE_VAL : 0.0;
        if (!found || u > u_best) {
            *best = *t;
            u_best = u;
            found = true;
        }
    };
    static thread_local Split_Set s; /* reused: its rows keep their room from run to run */
    for (size_t a = 0; a < cols.size(); a++) {
        s.y.assign(cols[a].y.begin(), cols[a].y.end());
        s.x_min = cols[a].x_min;
        s.x_max = cols[a].x_max;
        s.F_y = cols[a].F_y;
        double up = std::fmax(0.0, cols[a].F_y), down = std::fmax(0.0, -cols[a].F_y);
        const bool alone =
            (a == 0 || gap[a] != GAP_ONE) && (a + 1 == cols.size() || gap[a + 1] != GAP_ONE);
        bool across = false;
        for (size_t b = alone ? a : a + 1; b < cols.size(); b++) {
            if (b > a) {
                if (gap[b] == GAP_APART) break;
                across = across || gap[b] == GAP_GROUPS;
                for (double y : cols[b].y) Add_Row(&s, y);
                s.x_max = cols[b].x_min;
                up += std::fmax(0.0, cols[b].F_y);
                down += std::fmax(0.0, -cols[b].F_y);
            }
            Split_Case t{};
            if (cached && next < known.runs.size()) t = known.runs[next];
            t.first = (int32_t)a + 1;
            t.last = (int32_t)b + 1;
            t.sum_F = std::fmax(up, down) * planes;
            t.F = p->planes * std::fmax(up, down);
            if (!cached) {
                t.across = across ? 1 : 0;
                t.l_g = across ? 0.0 : near[a];
                t.k_g = t.l_g > 0.0 ? t.l_g / (4.0 * p->h) + 0.5 : 1.0;
                Calc_Case(p, rule, s, &t);
                t.F_Rd *= t.k_g;
                known.runs.push_back(t);
            }
            next++;
            consider(&t);
        }
    }
    return groups;
}

/* The check of one member: its governing run of adjacent columns against its share of their
** forces, and its weakest column against its share of the largest column force. */
static void Calc_Member(int group, const Lkom_Entry *c, int rule, int piece, double kmod,
                        const Timber_Check *r, const std::vector<Split_Set> &cols, double V90,
                        Split_Check *p)
{
    *p = Split_Check{};
    p->done = 1;
    Member_Of(piece, p);
    const Splice_Input_Record *si = &Splice_Input;
    if (!Splitting_Applies(piece == SPLIT_SIDE ? si->mat_side : si->mat_mid, nullptr)) {
        p->panel = 1;
        return;
    }
    p->kled = c->accidental                       ? -1
              : group >= 0 && group < LKOM_GROUPS ? si->lkom.groups[group].kled
                                                  : -1;
    Effective_Depth(p);
    const double share = p->planes;
    p->kmod = kmod;
    /* the splitting capacity is a resistance of the connection: gamma_M of connections, in
    ** every member alike (EN 1995-1-1, Table 2.3) */
    p->gamma = Get_Gamma_M_Connections(Lkom_Accidental_Factors(c));
    p->f_t90_k = piece == SPLIT_SIDE ? Get_Mat_Ft90(si->mat_side, si->grade_side)
                                     : Get_Mat_Ft90(si->mat_mid, si->grade_mid);
    p->f_t90_d = p->gamma > 0.0 ? p->f_t90_k * kmod / p->gamma : 0.0;
    Split_Capacities &known = Capacities_Of(p, rule, cols);
    p->groups = Calc_Runs(p, rule, cols, known, &p->group);
    p->V90 = V90;
    p->column.F = share * V90;
    bool first = true;
    const bool cached = !known.columns.empty();
    for (size_t i = 0; i < cols.size(); i++) {
        Split_Case t{};
        if (cached) t = known.columns[i];
        t.F = p->column.F;
        if (!cached) {
            Calc_Case(p, rule, cols[i], &t);
            known.columns.push_back(t);
        }
        if (first || t.F_Rd < p->column.F_Rd) p->column = t;
        first = false;
    }
    const bool short_term = Short_Term(group, c);
    for (Split_Case *k : {&p->group, &p->column}) {
        k->short_only = rule == SPLIT_RULE_NA && p->h > 0.0 && k->h_e / p->h < 0.2 && !short_term;
        Case_Utilisation(k);
    }
    p->u = std::fmax(p->group.u, p->column.u);
}

void Calc_Splitting_Check(int group, const Lkom_Entry *c, Timber_Check *r)
{
    const Splice_Input_Record *si = &Splice_Input;
    if (Nad_Params == nullptr) return;
    if (!(r->V90 > 0.0) && !(std::fabs(r->V_d) > 0.0)) return;
    if (Fastener_Pattern.count <= 0) return;
    const int rule = Nad_Params->variant != 0 ? SPLIT_RULE_NA : SPLIT_RULE_EC5;
    r->split_rule = rule;
    double kmod_mid = 0.0, kmod_side = 0.0;
    Get_Group_Kmod(group, &kmod_mid, &kmod_side, nullptr);
    int piece = SPLIT_MIDDLE;
    if (r->kind == CONN_INNER_PLATES)
        piece = (int)si->plate_count >= 2 ? SPLIT_LAMELLA_INNER : SPLIT_LAMELLA_OUTER;
    else if (r->kind == CONN_LAP) piece = SPLIT_LAP;
    /* the forces across the grain of the combination, summed per column */
    const int n = Fastener_Pattern.count;
    std::vector<double> fy((size_t)n, 0.0);
    const Lkom_Entry *first = Get_Lkom_Entry(group, 0);
    const long entry = first != nullptr ? (long)(c - first) : -1;
    if (entry >= 0 && entry < LKOM_ENTRIES)
        Get_Fastener_Forces_All(group, (int)entry, n, nullptr, nullptr, fy.data(), nullptr,
                                nullptr);
    const std::vector<Split_Set> cols = Columns(fy.data());
    Calc_Member(group, c, rule, piece, kmod_mid, r, cols, r->V90, &r->split_mid);
    r->mid.u = std::fmax(r->mid.u, r->split_mid.u);
    if (r->kind == CONN_SIDE_TIMBERS) {
        /* the side timbers run through the joint: under the annex's rule the columns of both
        ** halves load them as groups beside each other (NCI NA.8.1.4), the group across the
        ** joint 2 x_min away; eq. (8.4) keeps every column of one half in one connection */
        const std::vector<Split_Set> both = Columns(fy.data(), rule == SPLIT_RULE_NA);
        double V90 = r->V90;
        for (const Split_Set &col : both) V90 = std::fmax(V90, std::fabs(col.F_y));
        Calc_Member(group, c, rule, SPLIT_SIDE, kmod_side, r, both, V90, &r->split_side);
        r->split_side.mirrored = (int32_t)(both.size() - cols.size());
        double sum = 0.0;
        for (double f : fy) sum += f;
        r->split_side.n_fasteners = n;
        r->split_side.v_share = n > 0 ? sum / n * r->split_side.shear_planes : 0.0;
        r->side.u = std::fmax(r->side.u, r->split_side.u);
    }
}

/* ---------------------------------------------------------------- printing */

static const char *Member_Name(int piece)
{
    switch (piece) {
    case SPLIT_SIDE: return "je Seitenholz";
    case SPLIT_LAMELLA_OUTER:
        return "\x84u\xe1"
               "ere Holzlamelle";
    case SPLIT_LAMELLA_INNER: return "innere Holzlamelle";
    case SPLIT_LAP: return "je Blatth\x84lfte";
    default: return "Mittelholz";
    }
}

/* The annex's rule that forbids h_e / h < 0.2 under a load that is not short-term, with the
** numbers of case c of member p: for the print list (escapes of the print font) or the page. */
static void Short_Only_Text(char *out, size_t size, const Split_Check *p, const Split_Case *c,
                            bool print)
{
    Format_N(out, size,
             "%s = %.1lf / %.0lf = %.3lf < 0.2 nur f\x81r kurze Lasteinwirkungen zul\x84ssig "
             "(DIN EN 1995-1-1/NA, NCI NA.8.1.4), Lasteinwirkungsdauer hier: %s",
             print ? "h\xCE\\e\xCEr / h" : "h_e / h", c->h_e, p->h,
             p->h > 0.0 ? c->h_e / p->h : 0.0, Get_Kled_Name(p->kled));
}

int Splitting_Stand_In(const Split_Check *p, char *why, size_t size)
{
    if (why != nullptr && size > 0) why[0] = 0;
    if (!p->done || p->panel || p->u != UTIL_NO_CHECK) return STAND_IN_NONE;
    for (const Split_Case *c : {&p->group, &p->column})
        if (c->short_only && c->u == UTIL_NO_CHECK) {
            if (why != nullptr) Short_Only_Text(why, size, p, c, false);
            return STAND_IN_NOT_ALLOWED;
        }
    return STAND_IN_NO_CAPACITY;
}

/* The end of a case's line: its utilisation, or why the check cannot be made: the rule that
** forbids the case, or no capacity. */
static void Case_End(char *out, size_t size, const Split_Check *p, const Split_Case *c)
{
    if (c->short_only) {
        char rule[200];
        Short_Only_Text(rule, sizeof rule, p, c, true);
        Format_N(out, size, UTIL_NOT_ALLOWED_TEXT ": %s", rule);
    } else if (c->u == UTIL_NO_CHECK) {
        Format_N(out, size,
                 "F\xCE\\90,Rd\xCEr = %.2lf kN " SYM_ARROW " " UTIL_NO_CHECK_TEXT
                 " (keine Tragf\x84higkeit)",
                 c->F_Rd);
    } else if (c->l_g > 0.0) {
        Format_N(out, size,
                 "k\xCE\\g\xCEr F\xCE\\90,Rd\xCEr = %.3lf x %.2lf = %.2lf kN " SYM_ARROW
                 " u = %.2lf",
                 c->k_g, c->F_Rd / c->k_g, c->F_Rd, c->u);
    } else {
        Format_N(out, size, "F\xCE\\90,Rd\xCEr = %.2lf kN " SYM_ARROW " u = %.2lf", c->F_Rd, c->u);
    }
}

/* F_v,Ed of a case as it arises from the forces of a run of columns or from the largest column
** force. */
static void Case_Force(char *out, size_t size, const Split_Check *p, bool column, double V90)
{
    if (column)
        Format_N(out, size, "%g x max V\xCE\\90,d\xCEr = %g x %.2lf = %.2lf kN", p->planes,
                 p->planes, V90, p->column.F);
    else
        Format_N(out, size, "%g / %d x %sF\xCE\\V\xCEr = %g / %d x %.2lf = %.2lf kN", p->planes,
                 p->shear_planes, SYM_SUM, p->planes, p->shear_planes, p->group.sum_F, p->group.F);
}

/* Column k (1.., in the order of x) of member p as the print names it: from the joint 1, 2, ...
** in this half, 1', 2', ... in the other half of a side timber. */
static void Column_Name(char *out, size_t size, const Split_Check *p, int k)
{
    if (k <= p->mirrored) Format_N(out, size, "%d'", p->mirrored - k + 1);
    else Format_N(out, size, "%d", k - p->mirrored);
}

static void Print_Member(FILE *file, int rule, const Split_Check *p, double V90)
{
    if (!p->done) return;
    if (p->panel) {
        const Splice_Input_Record *si = &Splice_Input;
        const char *why = "";
        Splitting_Applies(p->piece == SPLIT_SIDE ? si->mat_side : si->mat_mid, &why);
        Oli_Write_Text(file, "%s: entf\x84llt (%s)", Member_Name(p->piece), why);
        return;
    }
    char end[320], force[160];
    if (rule == SPLIT_RULE_NA) {
        /* f_t,90,d from its characteristic value (EN 1995-1-1, eq. (2.17)) */
        char ft90[160];
        Format_N(ft90, sizeof ft90,
                 "f\xCE\\t,90,d\xCEr = f\xCE\\t,90,k\xCEr k\xCE\\mod\xCEr / %s\xCE\\M\xCEr = "
                 "%.2lf x %.2lf / %.2lf = %.3lf N/mm\xCE/2\xCEr",
                 SYM_GAMMA, p->f_t90_k, p->kmod, p->gamma, p->f_t90_d);
        if (p->t_ef_factor == 6.0)
            Oli_Write_Text(
                file, "%s: h = %.0lf mm, t\xCE\\ef\xCEr = min(%.1lf; 6 x %.1lf) = %.1lf mm, %s",
                Member_Name(p->piece), p->h, p->b, p->d, p->t_ef, ft90);
        else
            Oli_Write_Text(file,
                           "%s: h = %.0lf mm, t\xCE\\ef\xCEr = min(%.1lf; %.1lf; 12 x %.1lf) = "
                           "%.1lf mm, %s",
                           Member_Name(p->piece), p->h, p->b, p->t, p->d, p->t_ef, ft90);
    } else {
        Oli_Write_Text(file,
                       "%s: b = %.1lf mm, h = %.0lf mm, k\xCE\\mod\xCEr = %.2lf, %s\xCE\\M\xCEr = "
                       "%.2lf",
                       Member_Name(p->piece), p->b, p->h, p->kmod, SYM_GAMMA, p->gamma);
    }
    if (p->mirrored > 0) {
        Oli_Write_Text(
            file, "             Spalten 1', 2', ... der anderen Sto\xE1h\x84lfte (das Seitenholz "
                  "l\x84uft \x81"
                  "ber den Sto\xE1): gespiegelt, F\xCE\\V,k'\xCEr = F\xCE\\V,k\xCEr - 2 "
                  "n\xCE\\k\xCEr v");
        Oli_Write_Text(file,
                       "             mit v = %s F\xCE\\V\xCEr / n = %.2lf / %d = %.4lf kN, dem "
                       "Anteil von V\xCE\\d\xCEr je Verbindungsmittel, n\xCE\\k\xCEr "
                       "Verbindungsmittel der Spalte k",
                       SYM_SUM, p->v_share * p->n_fasteners, p->n_fasteners, p->v_share);
    }
    for (int k = 0; k < 2; k++) {
        const bool column = k == 1;
        const Split_Case *c = column ? &p->column : &p->group;
        char run[96], a[16], b[16];
        Column_Name(a, sizeof a, p, c->first);
        Column_Name(b, sizeof b, p, c->last);
        if (c->first == c->last) Format_N(run, sizeof run, "  Spalte %s", a);
        else Format_N(run, sizeof run, "  Spalten %s bis %s", a, b);
        const char *what = column ? "  Spalte" : run;
        Case_Force(force, sizeof force, p, column, V90);
        Case_End(end, sizeof end, p, c);
        if (rule == SPLIT_RULE_NA) {
            Oli_Write_Text(file,
                           "%s: F\xCE\\v,Ed\xCEr = %s; h\xCE\\e\xCEr = %.1lf mm, a\xCE\\r\xCEr = "
                           "%.1lf mm " SYM_ARROW " k\xCE\\s\xCEr = %.3lf",
                           what, force, c->h_e, c->a_r, c->k_s);
            if (!column && c->l_g > 0.0)
                Oli_Write_Text(file,
                               "             Gruppe allein: l\xCE\\g\xCEr = %.1lf mm zur "
                               "n\x84"
                               "chsten Gruppe, h = %.0lf mm " SYM_ARROW
                               " k\xCE\\g\xCEr = l\xCE\\g\xCEr / (4 h) + 0.5 = %.1lf / (4 x "
                               "%.0lf) + 0.5 = %.3lf",
                               c->l_g, p->h, c->l_g, p->h, c->k_g);
            else if (!column && c->across)
                Oli_Write_Text(file, "             %s",
                               "\x81"
                               "ber Gruppen mit 0.5 h " SYM_LE " l\xCE\\g\xCEr < 2 h hinweg "
                               "als ein Anschluss ohne k\xCE\\g\xCEr, da ung\x81nstiger als "
                               "jede Gruppe allein");
            /* a case the rule forbids says so on a line of its own */
            Oli_Write_Text(file,
                           "             n = %d, h\xCE\\1\xCEr = %.1lf mm, %s(h\xCE\\1\xCEr / "
                           "h\xCE\\i\xCEr)\xCE/2\xCEr = %.4lf " SYM_ARROW
                           " k\xCE\\r\xCEr = %.3lf%s%s",
                           c->n, c->h_1, SYM_SUM, c->sum_r, c->k_r, c->short_only ? "" : ", ",
                           c->short_only ? "" : end);
            if (c->short_only) Oli_Write_Text(file, "             %s", end);
        } else {
            Oli_Write_Text(file,
                           "%s: F\xCE\\v,Ed\xCEr = %s; h\xCE\\e\xCEr = %.1lf mm " SYM_ARROW
                           " F\xCE\\90,Rk\xCEr = %.2lf kN, %s",
                           what, force, c->h_e, c->F_Rk, end);
        }
    }
}

void Print_Splitting_Not_Applicable(FILE *file, const Timber_Check *r)
{
    for (int member = 0; member < 2; member++) {
        const Split_Check *p = member ? &r->split_side : &r->split_mid;
        char name[UTIL_NAME_MAX];
        const char *why = "";
        if (!(r->split_rule != SPLIT_RULE_NONE && p->done)
            && Splitting_Not_Applicable(member, name, &why))
            Oli_Write_Text(file, "%s: entf\x84llt (%s)", name, why);
    }
}

void Print_Splitting_Check(FILE *file, const Timber_Check *r)
{
    if (file == nullptr || r->split_rule == SPLIT_RULE_NONE || !r->split_mid.done) return;
    if (r->split_rule == SPLIT_RULE_NA)
        Oli_Write_Text(file,
                       "Querzug nach DIN EN 1995-1-1/NA, NCI NA.8.1.4: F\xCE\\90,Rd\xCEr = "
                       "k\xCE\\s\xCEr k\xCE\\r\xCEr (6.5 + 18 h\xCE\\e\xCEr\xCE/2\xCEr / "
                       "h\xCE/2\xCEr) (t\xCE\\ef\xCEr h)\xCE/0.8\xCEr f\xCE\\t,90,d\xCEr, "
                       "k\xCE\\s\xCEr = max(1; 0.7 + 1.4 a\xCE\\r\xCEr / h), k\xCE\\r\xCEr = "
                       "n / %s(h\xCE\\1\xCEr / h\xCE\\i\xCEr)\xCE/2\xCEr",
                       SYM_SUM);
    else
        Oli_Write_Text(file,
                       "Querzug nach DIN EN 1995-1-1, 8.1.4, Gl. (8.4): F\xCE\\90,Rd\xCEr = "
                       "k\xCE\\mod\xCEr 14 b w (h\xCE\\e\xCEr / (1 - h\xCE\\e\xCEr / "
                       "h))\xCE/0.5\xCEr / %s\xCE\\M\xCEr, w = 1",
                       SYM_GAMMA);
    Oli_Write_Text(file,
                   "Spalten a bis b: die ung\x81nstigste Folge benachbarter Spalten als ein "
                   "Anschluss, %sF\xCE\\V\xCEr: Summe ihrer Kr\x84"
                   "fte quer zur Faser zum belasteten Rand (alle Scherfugen, %s, Gegenkr\x84"
                   "fte z\x84hlen null)%s",
                   SYM_SUM,
                   Splice_Input.connection_kind == CONN_LAP ? "Spalten nach x geordnet"
                                                            : "Spalte 1 am Sto\xe1",
                   r->split_rule == SPLIT_RULE_NA ? ", Spalten mit Abstand " SYM_GE " 2 h getrennt"
                                                  : "");
    if (r->split_mid.groups > 0 || r->split_side.groups > 0)
        Oli_Write_Text(file, "%s",
                       "Gruppen von Spalten im lichten Abstand 0.5 h " SYM_LE
                       " l\xCE\\g\xCEr < 2 h: "
                       "jede Gruppe allein mit k\xCE\\g\xCEr F\xCE\\90,Rd\xCEr, k\xCE\\g\xCEr = "
                       "l\xCE\\g\xCEr / (4 h) + 0.5, und die Folge \x81"
                       "ber die Gruppen als ein "
                       "Anschluss, wo sie ung\x81nstiger ist (DIN EN 1995-1-1/NA, NCI NA.8.1.4)");
    Oli_Write_Text(file,
                   "Spalte: die ung\x81nstigste; max V\xCE\\90,d\xCEr = %.2lf kN (gr\x94\xe1te "
                   "Summe der Kr\x84"
                   "fte quer zur Faser einer Spalte je Scherfuge)",
                   r->V90);
    Print_Member(file, r->split_rule, &r->split_mid, r->V90);
    Print_Member(file, r->split_rule, &r->split_side, r->split_side.V90);
}
