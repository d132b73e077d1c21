/*
** The fastener pattern of one splice half: the builders of regular, staggered and mirrored
** layouts, the centroid with the polar moment, the validity of a combination and the minimum
** member thicknesses. Positions in cm, angles in radians.
*/
#include "results/splice_calc.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "catalogue/catalogue.h"

Fastener_Pattern_Rec Fastener_Pattern;

/* ---------------------------------------------------------------- small predicates */

int Is_Lkom_Valid(int group, int entry)
{
    return Is_Lkom_Entry_Valid(Get_Lkom_Entry(group, entry));
}

int Is_Lkom_Entry_Listed(const Lkom_Entry *c)
{
    if (c == nullptr || !c->used) return 0;
    return std::fabs(c->M_d) > 1e-5 || std::fabs(c->N_d) > 1e-5 || std::fabs(c->V_d) > 1e-5;
}

int Is_Lkom_Entry_Valid(const Lkom_Entry *c)
{
    return Is_Lkom_Entry_Valid_For(Splice_Input.splice_kind, c);
}

int Is_Lkom_Entry_Valid_For(int kind, const Lkom_Entry *c)
{
    if (!Is_Lkom_Entry_Listed(c)) return 0;
    switch (kind) {
    case SPLICE_BENDING: return 1;
    case SPLICE_TENSION: return c->N_d > 0.0 ? 1 : 0;
    case SPLICE_COMPRESSION: return c->N_d < 0.0 ? 1 : 0;
    default: return 0;
    }
}

void Lkom_Group_Numbers(int group, int32_t numbers[LKOM_ENTRIES])
{
    for (int e = 0; e < LKOM_ENTRIES; e++) numbers[e] = 0;
    if (group < 0 || group >= LKOM_GROUPS || !Splice_Input.lkom.groups[group].used) return;
    int n = 0;
    for (int g = 0; g < group; g++) {
        if (!Splice_Input.lkom.groups[g].used) continue;
        for (int e = 0; e < LKOM_ENTRIES; e++) n += Is_Lkom_Entry_Listed(Get_Lkom_Entry(g, e));
    }
    for (int e = 0; e < LKOM_ENTRIES; e++)
        if (Is_Lkom_Entry_Listed(Get_Lkom_Entry(group, e))) numbers[e] = ++n;
}

int Lkom_Row_Number(int group, int entry)
{
    if (entry < 0 || entry >= LKOM_ENTRIES) return 0;
    int32_t numbers[LKOM_ENTRIES];
    Lkom_Group_Numbers(group, numbers);
    return numbers[entry];
}

int Lkom_Of_Row_Number(int number, int *group, int *entry)
{
    int n = 0;
    for (int g = 0; g < LKOM_GROUPS && number > 0; g++) {
        if (!Splice_Input.lkom.groups[g].used) continue;
        for (int e = 0; e < LKOM_ENTRIES; e++) {
            if (!Is_Lkom_Entry_Listed(Get_Lkom_Entry(g, e)) || ++n != number) continue;
            *group = g;
            *entry = e;
            return 1;
        }
    }
    return 0;
}

int Lkom_Shown_Group(int group)
{
    int n = 1;
    for (int g = 0; g < group && g < LKOM_GROUPS; g++)
        n += Splice_Input.lkom.groups[g].used ? 1 : 0;
    return n;
}

void Lkom_Name(int group, int entry, char *out, size_t size)
{
    const int number = Lkom_Row_Number(group, entry);
    if (number > 0)
        snprintf(out, size, "Nr. %d (Gruppe %d, Kombination %d)", number, Lkom_Shown_Group(group),
                 entry + 1);
    else snprintf(out, size, "Gruppe %d, Kombination %d", Lkom_Shown_Group(group), entry + 1);
}

void Lkom_Row_Name(int number, char *out, size_t size)
{
    int g = 0, e = 0;
    if (Lkom_Of_Row_Number(number, &g, &e)) Lkom_Name(g, e, out, size);
    else snprintf(out, size, "Nr. %d", number);
}

double Calc_Timber_Part_Thickness(void)
{
    const int n = (int)Splice_Input.plate_count;
    if (n < 0) return 0.0; /* no such member: refused as too thin */
    return (Splice_Input.b - n * Splice_Input.t_p) / (n + 1);
}

int Is_Big_Connector_Multi(void)
{
    const int t = Splice_Input.vbm_type;
    if (!Is_Vbm_Connector(t)) return 0;
    if ((int)Splice_N_Col(&Splice_Input) < 2) return 0;
    return Splice_Input.d >= 130.0 ? 1 : 0;
}

/* ---------------------------------------------------------------- builders */

static void Set_Rec(Fastener_Rec *r, double x, double y)
{
    *r = Fastener_Rec{};
    r->x = x;
    r->y = y;
    r->weight = 1.0;
    r->angle_min = M_PI / 2.0;
}

int Build_Regular_Pattern(double x0, double y0, double step_x, double step_y, int columns)
{
    const int rows = (int)Splice_N_Row(&Splice_Input);
    if (columns < 0 || rows < 0 || (long)columns * rows > PATTERN_MAX) return 0;
    for (int i = 0; i < columns; i++)
        for (int j = 0; j < rows; j++)
            Set_Rec(&Fastener_Pattern.recs[j + i * rows], x0 + i * step_x, y0 + j * step_y);
    Fastener_Pattern.count = columns * rows;
    Fastener_Pattern.a1_actual = std::fabs(step_x);
    Fastener_Pattern.a2_actual = std::fabs(step_y);
    return 1;
}

int Build_Staggered_Pattern(double x0, double y0, double x_end, double y_end, double a1, double a2)
{
    if (!(a1 > 0.0) || !(a2 > 0.0)) return 0;
    int n = 0;
    int k = 0;
    for (double x = x0; x <= x_end + 0.0001; x = x0 + (++k) * a1 / 2.0) {
        for (double y = (k % 2) ? y0 + a2 : y0; y <= y_end + 0.0001; y += 2.0 * a2) {
            if (n >= PATTERN_MAX) return 0;
            Set_Rec(&Fastener_Pattern.recs[n++], x, y);
        }
    }
    Fastener_Pattern.count = n;
    Fastener_Pattern.a1_actual = a1;
    Fastener_Pattern.a2_actual = 2.0 * a2;
    return 1;
}

int Mirror_Pattern(double x_m)
{
    const int n = Fastener_Pattern.count;
    if (2L * n > PATTERN_MAX) return 0;
    for (int i = 0; i < n; i++) {
        const Fastener_Rec *r = &Fastener_Pattern.recs[i];
        Set_Rec(&Fastener_Pattern.recs[n + i], 2.0 * x_m - r->x, r->y);
        Fastener_Pattern.recs[n + i].weight = r->weight;
    }
    Fastener_Pattern.count = 2 * n;
    return 1;
}

int Calc_Pattern_Centroid(double *x_c, double *y_c, double *I_p, int n, Fastener_Rec *table)
{
    double W = 0.0, sx = 0.0, sy = 0.0;
    for (int i = 0; i < n; i++) {
        W += table[i].weight;
        sx += table[i].x * table[i].weight;
        sy += table[i].y * table[i].weight;
    }
    if (std::fabs(W) < 1e-5) return 0;
    const double xc = sx / W, yc = sy / W;
    double ip = 0.0;
    for (int i = 0; i < n; i++) {
        const double dx = xc - table[i].x, dy = yc - table[i].y;
        table[i].r = std::sqrt(dx * dx + dy * dy);
        table[i].polar_angle = std::atan2(dy, dx);
        ip += table[i].r * table[i].r;
    }
    if (x_c) *x_c = xc;
    if (y_c) *y_c = yc;
    if (I_p) *I_p = ip;
    return 1;
}

/* ---------------------------------------------------------------- minimum thicknesses */

static double Rho_K(int mat, int grade, double t_cm)
{
    double rho = 0.0;
    if (!Get_Rho_K(mat, grade, t_cm * 10.0, &rho, nullptr)) return 0.0;
    return rho;
}

double Nail_Split_Thickness(double d, double rho_k, int split_rule, char *how, size_t size)
{
    const double k = split_rule ? 7.0 : 14.0;
    const double q = split_rule ? 400.0 : 200.0;
    if (how) snprintf(how, size, "max(%.0f x %g; (13 x %g - 30) x %g / %.0f)", k, d, d, rho_k, q);
    return std::fmax(k * d, (13.0 * d - 30.0) * rho_k / q);
}


int Member_May_Split(int mat)
{
    return !Is_Mat_Wood_Panel(mat) && !Is_Mat_Special_Panel(mat) && !Is_Mat_Metal_Plate(mat);
}

double Min_Timber_Thickness_Rule(int side, int split_rule, int *code, char *how, size_t size)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int t = si->vbm_type;
    if (how && size > 0) how[0] = 0;
    /* the middle member, or the outer member the design joins: the side timber, a half of the
    ** lap, a plate (which does not split) */
    int mat = si->mat_mid, grade = si->grade_mid;
    double t_cm = si->b;
    if (side) {
        Joint_Members m;
        Get_Joint_Members(&m);
        mat = m.mat_1;
        grade = m.grade_1;
        t_cm = m.t1 / 10.0;
    }
    double tmin = 2.4;
    int c = side ? DERR_SIDE_MIN_24MM_MEMBER : DERR_MIDDLE_MIN_THICKNESS;
    /* staples take the rules of nails (EN 1995-1-1, 8.4(1)): a board that they hold has no least
    ** thickness of solid timber, and timber the one against splitting */
    if (Is_Vbm_Nail_Screw_Or_Staple(t)) {
        if (!si->predrilled && !Member_May_Split(mat)) {
            tmin = 0.0; /* a board does not split (EN 1995-1-1, 8.3.1.2(6)) */
        } else if (!si->predrilled) {
            tmin =
                Nail_Split_Thickness(si->d, Rho_K(mat, grade, t_cm), split_rule, how, size) / 10.0;
            c = DERR_SIDE_THIN_OR_NAIL_THICK;
        }
    } else if (Is_Vbm_Connector(t) && (!side || si->connection_kind != CONN_OUTER_PLATES)) {
        /* EN 1995-1-1, 8.9(2), for toothed plates by 8.10: a timber member with a connector in
        ** both faces (an inner member) at least 3.75 h_e, one with a connector in one face (an
        ** outer member) 2.25 h_e, of every connector type, one- or two-sided: the middle member
        ** holds them in both faces, a side timber, a half of a lap and a lamella beside a single
        ** inner plate in one, a lamella between two inner plates in both */
        const double he = Fitted_Connector_Value("he");
        const double k = !side || Lamellas_Between_Plates() ? 3.75 : 2.25;
        if (how) snprintf(how, size, "%g h_e = %g x %g", k, k, he);
        tmin = k * he / 10.0;
        c = DERR_CONNECTOR_TOO_HIGH;
    }
    if (side && Nad_Params == nullptr && tmin < 2.4) {
        tmin = 2.4;
        c = DERR_SIDE_MIN_24MM_MEMBER;
        if (how && size > 0) how[0] = 0;
    }
    if (code) *code = c;
    return tmin;
}

double Min_Mid_Timber_Thickness(int *code, int split_rule)
{
    return Min_Timber_Thickness_Rule(0, split_rule, code, nullptr, 0);
}

double Min_Side_Timber_Thickness(int *code, int split_rule)
{
    return Min_Timber_Thickness_Rule(1, split_rule, code, nullptr, 0);
}

int Check_Nail_Sides(char *why, size_t size)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int type = si->vbm_type;
    const double d = si->d, l = si->l, b = si->b * 10.0;
    if (why && size > 0) why[0] = 0;
    int first = 0, second = 0;
    const bool plates = si->connection_kind == CONN_OUTER_PLATES;
    const double t_o = (plates ? si->t_p : si->t_s) * 10.0;
    if (Is_Vbm_Nail_Screw_Or_Staple(type)) {
        if (l <= t_o + 4.0 * d + 0.001) {
            first = 0;
            second = 0;
        } else if (l < t_o + b + 4.0 * d - 0.001) {
            first = 1;
            second = (l < t_o + b / 2.0 + 0.001) ? 2 : 1;
        }
        if (l > t_o + b + 4.0 * d - 0.001) {
            first = 2;
            second = 3;
        }
    } else {
        int member = 0;
        second = Calc_Vbm_Penetration(2, d, l, 90.0, 10.0 * si->t_s, b, nullptr, &member);
        first = member;
    }
    if (first > 0 && second != 2) {
        /* the points of both sides would pass the middle of the middle member */
        if (why)
            snprintf(why, size,
                     "wechselseitig, weil sich die Verbindungsmittel beider Seiten im Mittelholz "
                     "\x81"
                     "berdecken w\x81rden: l = %s mm > %s + b / 2 = %s + %s = %s mm",
                     Mm_Of(l).t, plates ? "t_p" : "t_s", Mm_Of(t_o).t, Mm_Of(b / 2.0).t,
                     Mm_Of(t_o + b / 2.0).t);
        return 0;
    }
    return 1;
}

int Vbm_Driven_From_Both_Sides(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int kind = si->connection_kind;
    if (kind != CONN_SIDE_TIMBERS && kind != CONN_OUTER_PLATES) return 0;
    return Is_Vbm_Nail_Screw_Or_Staple(si->vbm_type) && si->two_sided == 1
           && Check_Nail_Sides(nullptr, 0);
}

int Vbm_Alternate_Instead(char *why, size_t size)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int kind = si->connection_kind;
    if (why && size > 0) why[0] = 0;
    if (kind != CONN_SIDE_TIMBERS && kind != CONN_OUTER_PLATES) return 0;
    if (!Is_Vbm_Nail_Screw_Or_Staple(si->vbm_type) || si->two_sided != 1) return 0;
    return !Check_Nail_Sides(why, size);
}

int Vbm_Driven_Side(int i)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int t = si->vbm_type;
    int m = (int)Splice_N_Row(si);
    if (m < 1) m = 1;
    const bool staggered = t >= VBM_TYPE_FIRST && t <= VBM_TYPE_LAST
                           && si->layout[VBM_TYPE_SLOT(t)] == LAYOUT_STAGGERED;
    /* records stand column after column: a column of an even number of rows starts on the side
    ** its neighbour ended on, so that the rows alternate too */
    const int k = (!staggered && m % 2 == 0) ? i + i / m : i;
    return k % 2;
}

const char *Vbm_Side_Name(int side, int capital)
{
    if (side == 0) return capital ? "Rechte Seite" : "rechte Seite";
    return capital ? "Linke Seite" : "linke Seite";
}

const char *Vbm_Side_Name_Of(int side)
{
    return side == 0 ? "der rechten Seite" : "der linken Seite";
}

/* The fasteners among the first n of the pattern that are driven from the near side; kept for
** the last count, rows and arrangement asked, which the forces of every fastener ask again. */
static int Near_Side_Count(int n)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int t = si->vbm_type;
    const int rows = (int)Splice_N_Row(si);
    const int staggered = t >= VBM_TYPE_FIRST && t <= VBM_TYPE_LAST
                          && si->layout[VBM_TYPE_SLOT(t)] == LAYOUT_STAGGERED;
    static int kept_n = -1, kept_rows = -1, kept_staggered = -1, kept_near = 0;
    if (n != kept_n || rows != kept_rows || staggered != kept_staggered) {
        int near = 0;
        for (int i = 0; i < n; i++) near += Vbm_Driven_Side(i) == 0;
        kept_n = n;
        kept_rows = rows;
        kept_staggered = staggered;
        kept_near = near;
    }
    return kept_near;
}

/* 1 when the n fasteners of the pattern are nails, screws or staples of side timbers or outer
** plates driven alternately in single shear: each side's plane holds only its own. */
static int Alternate_Single_Shear(int n)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int kind = si->connection_kind;
    const int planes = si->shear_planes > 0 ? si->shear_planes : 1;
    return planes == 1 && n >= 2 && (kind == CONN_SIDE_TIMBERS || kind == CONN_OUTER_PLATES)
           && Is_Vbm_Nail_Screw_Or_Staple(si->vbm_type) && !Vbm_Driven_From_Both_Sides();
}

int Vbm_Driven_Alternately(int n) { return Alternate_Single_Shear(n); }

int Vbm_Load_Sharing(int n, int *count, int *planes)
{
    const Splice_Input_Record *si = &Splice_Input;
    *count = n;
    *planes = si->shear_planes > 0 ? si->shear_planes : 1;
    if (!Alternate_Single_Shear(n)) return 0;
    const int near = Near_Side_Count(n);
    const int fewer = std::min(near, n - near);
    if (fewer < 1 || 2 * fewer == n) return 0;
    *count = fewer;
    *planes = 2;
    return 1;
}

/* The pattern of each side's fasteners among the first n, as last computed, and what it was
** computed from. */
typedef struct Side_Memo {
    int32_t n = -1, rows = -1, staggered = -1;
    std::vector<double> xy;
    int32_t on = 0;
    Vbm_Side sides[2];
} Side_Memo;

static Side_Memo Sides_Kept;

/* The counts, centroids and polar moments of the near side's (0) and the far side's (1)
** fasteners among the first n of the pattern (Calc_Pattern_Centroid, each side on its own). */
static void Calc_Side_Patterns(int n, Vbm_Side sides[2])
{
    const Fastener_Rec *recs = Fastener_Pattern.recs;
    double sx[2] = {0.0, 0.0}, sy[2] = {0.0, 0.0};
    int count[2] = {0, 0};
    for (int i = 0; i < n; i++) {
        const int k = Vbm_Driven_Side(i);
        sx[k] += recs[i].x * recs[i].weight;
        sy[k] += recs[i].y * recs[i].weight;
        count[k]++;
    }
    for (int k = 0; k < 2; k++) {
        Vbm_Side &s = sides[k];
        s.n = count[k];
        s.x_c = count[k] > 0 ? sx[k] / count[k] : 0.0;
        s.y_c = count[k] > 0 ? sy[k] / count[k] : 0.0;
        s.I_p = 0.0;
    }
    for (int i = 0; i < n; i++) {
        Vbm_Side &s = sides[Vbm_Driven_Side(i)];
        const double dx = s.x_c - recs[i].x, dy = s.y_c - recs[i].y;
        s.I_p += dx * dx + dy * dy;
    }
}

/* 1 when two side patterns carry the moment as the whole pattern does: as many fasteners each,
** one centroid and one polar moment (to a relative 1e-12), each side taking half of the moment
** on half of the polar moment. */
static bool Sides_As_Whole(const Vbm_Side sides[2])
{
    const Vbm_Side &a = sides[0], &b = sides[1];
    const double tol = 1e-12 * std::fmax(1.0, std::fmax(a.I_p, b.I_p));
    return a.n == b.n && std::fabs(a.x_c - b.x_c) <= 1e-12 * std::fmax(1.0, std::fabs(a.x_c))
           && std::fabs(a.y_c - b.y_c) <= 1e-12 * std::fmax(1.0, std::fabs(a.y_c))
           && std::fabs(a.I_p - b.I_p) <= tol;
}

int Vbm_Side_Patterns(int n, Vbm_Side sides[2])
{
    if (n > Fastener_Pattern.count) n = Fastener_Pattern.count;
    if (!Alternate_Single_Shear(n)) return 0;
    const Splice_Input_Record *si = &Splice_Input;
    const int t = si->vbm_type;
    const int rows = (int)Splice_N_Row(si);
    const int staggered = t >= VBM_TYPE_FIRST && t <= VBM_TYPE_LAST
                          && si->layout[VBM_TYPE_SLOT(t)] == LAYOUT_STAGGERED;
    Side_Memo &m = Sides_Kept;
    bool same = m.n == n && m.rows == rows && m.staggered == staggered;
    for (int i = 0; same && i < n; i++)
        same = m.xy[2 * (size_t)i] == Fastener_Pattern.recs[i].x
               && m.xy[2 * (size_t)i + 1] == Fastener_Pattern.recs[i].y;
    if (!same) {
        m.n = n;
        m.rows = rows;
        m.staggered = staggered;
        m.xy.resize(2 * (size_t)n);
        for (int i = 0; i < n; i++) {
            m.xy[2 * (size_t)i] = Fastener_Pattern.recs[i].x;
            m.xy[2 * (size_t)i + 1] = Fastener_Pattern.recs[i].y;
        }
        Calc_Side_Patterns(n, m.sides);
        m.on = m.sides[0].n >= 1 && m.sides[1].n >= 1 && !Sides_As_Whole(m.sides);
    }
    if (!m.on) return 0;
    sides[0] = m.sides[0];
    sides[1] = m.sides[1];
    return 1;
}

int Connector_Required_Thicknesses(double *t1_req, double *t2_req)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int t = si->vbm_type;
    if (Nad_Params == nullptr || !Is_Vbm_Connector(t)) return 0;
    const double he = Fitted_Connector_Value("he");
    if (!(he > 0.0)) return 0;
    Calc_Connector_K1_Thicknesses(he, t1_req, t2_req);
    return 1;
}

double Calc_Auto_Side_Thickness(double t_req_mm)
{
    double t = std::trunc(t_req_mm / 10.0) + 1.0;
    if (t < 6.0) t = 6.0;
    if (std::fmod(t, 2.0) != 0.0) t += 1.0;
    return t;
}

double Get_Plate_Hole_D0_Cm(void) { return Get_Plate_Hole(&Splice_Input).d0 / 10.0; }
