/*
** The preparation run of a splice: derives the values left to the program (length, spacings,
** plate distances, shear planes), lays out the fastener pattern of one half and distributes
** every combination to it until the smallest force-to-grain angle settles; the members and their
** thicknesses are validated in prepare_members.cpp. Lengths in cm, angles in radians.
*/
#include "results/splice_calc.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <string>

#include "catalogue/catalogue.h"
#include "foundation/codepage.h"
#include "results/calc_cache.h"
#include "results/prepare_internal.h"
#include "results/run_cache.h"
#include "results/splice_checks.h"


double Rho_K_Of(int mat, int grade, double t_cm)
{
    double rho = 0.0;
    if (!Get_Rho_K(mat, grade, t_cm * 10.0, &rho, nullptr)) return 0.0;
    return rho;
}

/* Spacings of one pass, cm. */
typedef struct Pass_Spacings {
    double a1, a2, a3, a4; /* spacings and end/edge distances used */
    double a3t, a3c, a4t, a4c;
    double a4_timber; /* the edge distance a4 in the timber, before the plates' inset */
    double e1;        /* plate end distance */
    double d0;        /* plate hole, cm */
    double L_req;
    int members;              /* the timber members of Spacing_Members */
    Spacing_Member member[2]; /* each with its own least spacings */
    double member_v[2][6];    /* a1, a2, a3t, a3c, a4t, a4c of each member */
} Pass_Spacings;

/* Whether a checked combination carries a shear force V_d. */
static bool Any_Checked_Shear(void)
{
    for (int g = 0; g < LKOM_GROUPS; g++)
        for (int e = 0; e < LKOM_ENTRIES; e++)
            if (Is_Lkom_Valid(g, e) && std::fabs(Get_Lkom_Entry(g, e)->V_d) > 1e-5) return true;
    return false;
}

/* Note that the refusal noted last computed with spacing k (REFUSAL_A1..) at value cm, so that
** the layout page shows it. */
static void Refusal_Uses(int k, double value)
{
    Spacing_Refusal &r = Fastener_Pattern.refusal;
    r.used |= 1 << k;
    r.spacing[k] = value;
}

/* ---------------------------------------------------------------- least spacings of each member */

/* Whether the spacings in material mat follow a table of the product's own: LVL (Kerto-S and
** Kerto-Q, Pollmeier LVL S; Calc_Min_Spacings). */
static bool Own_Spacing_Table(int mat)
{
    return mat == MAT_KERTO_S || mat == MAT_KERTO_Q || mat == MAT_POLLM_LVL_S;
}

/* A member of material mat and grade whose spacings take rho (kg/m³) by the rules of its own
** material, t1 its thickness and t2 the other one's (cm), its height (cm) and its names. */
static Spacing_Member Member_Of(int mat, int grade, double rho, double t1, double t2, double height,
                                const char *where, const char *whose, const char *name)
{
    Spacing_Member m;
    m.rules = mat;
    m.mat = mat;
    m.grade = grade;
    m.rho = rho;
    m.rho_of = "";
    m.t1 = t1 * 10.0;
    m.t2 = t2 * 10.0;
    m.height = height;
    m.where = where;
    m.whose = whose;
    m.name = name;
    m.by = "";
    return m;
}

int Spacing_Members(Spacing_Member m[2])
{
    const Splice_Input_Record *si = &Splice_Input;
    const int kind = si->connection_kind;
    const double rho_mid = Rho_K_Of(si->mat_mid, si->grade_mid, si->b);
    if (kind == CONN_SIDE_TIMBERS) {
        const double rho_side = Rho_K_Of(si->mat_side, si->grade_side, si->t_s);
        m[0] = Member_Of(si->mat_mid, si->grade_mid, rho_mid, si->b, si->t_s, si->h,
                         "im Mittelholz", "des Mittelholzes", "Mittelholz");
        m[1] =
            Member_Of(si->mat_side, si->grade_side, rho_side, si->t_s, si->b, si->h_s,
                      "in den Seitenhölzern"_cp850, "der Seitenhölzer"_cp850, "Seitenhölzer"_cp850);
        /* A wood-based panel nailed to timber takes the spacings of the timber's density,
        ** a1 and a2 times 0.85 (EN 1995-1-1, 8.3.1.3(1)): its own density is not one of
        ** Table 8.2. */
        const int k = Panel_Spacing_Member(2, m);
        if (k >= 0) {
            m[k].rho = m[1 - k].rho;
            m[k].rho_of = m[1 - k].whose;
        }
        return 2;
    }
    /* The spacings belong to the timber the fasteners pass through: the middle member (the
    ** lap, and inner plates, whose side material is whatever the input last held). */
    const bool lap = kind == CONN_LAP;
    const double t1 = lap ? si->b / 2.0 : si->t_s;
    const double t2 = lap ? si->b / 2.0 : si->b;
    m[0] = Member_Of(si->mat_mid, si->grade_mid, rho_mid, t1, t2, si->h, "im Holz", "des Holzes",
                     "Holz");
    if (kind != CONN_OUTER_PLATES) return 1;
    /* Beside outer plates the timber keeps the rules of a steel-to-timber joint (EN 1995-1-1,
    ** 8.3.1.4), and LVL with a table of its own that table too: the pattern keeps the larger
    ** value of both. */
    m[1] = m[0];
    m[0].rules = MAT_STAHLBLECH;
    if (!Own_Spacing_Table(si->mat_mid)) return 1;
    m[0].by = " als Stahlblech-Holz-Verbindung";
    m[1].by = " nach der Tabelle seiner Zulassung";
    return 2;
}

double Spacing_Bolt_Diameter(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    /* a shear plate B1 keeps the spacings of a bolt as thick as its hub, which passes the plate */
    if (si->vbm_type == VBM_SCHEIBENDUEBEL_B1)
        return Get_Connector_Value(VBM_SCHEIBENDUEBEL_B1, si->connector_index, "d3");
    return si->d_bolt;
}

/*
** The six least spacings of the current fastener (cm) in member m at alpha_1 (a1, a3,t) and
** alpha_2 (a2, a4) into v (a1, a2, a3t, a3c, a4t, a4c). a3,c is the larger of its values at both
** angles: it grows with |sin alpha| (EN 1995-1-1, Tables 8.4, 8.5, 8.7 and 8.8; DIN 1052, Tables
** 11 and 12), and a fastener at the end may carry its force at the largest angle of all
** combinations.
*/
static void Raw_Spacings(const Spacing_Member *m, double alpha_1, double alpha_2, double v[6])
{
    const Splice_Input_Record *si = &Splice_Input;
    const int type = si->vbm_type;
    /* The spacing rules compare the staple angle in degrees. */
    const double staple = si->staple_angle;
    const double d_bolt = Spacing_Bolt_Diameter();
    double a1 = 0, a2 = 0, a3t = 0, a3c = 0, a3c_2 = 0, a4t = 0, a4c = 0, dummy = 0;
    Calc_Min_Spacings(/*vbm_type=*/type, /*predrilled=*/si->predrilled,
                      /*fitted_bolt=*/si->fitted_bolt, /*douglas=*/si->douglas,
                      /*split_rule=*/si->split_rule, /*mat=*/m->rules, /*rho_k=*/m->rho,
                      /*d=*/si->d,
                      /*d_bolt=*/d_bolt, /*alpha=*/alpha_1, /*staple_angle=*/staple, /*t1=*/m->t1,
                      /*t2=*/m->t2, /*a1=*/&a1, /*a2=*/&dummy, /*a3t=*/&a3t, /*a3c=*/&a3c,
                      /*a4t=*/&dummy, /*a4c=*/&dummy);
    Calc_Min_Spacings(/*vbm_type=*/type, /*predrilled=*/si->predrilled,
                      /*fitted_bolt=*/si->fitted_bolt, /*douglas=*/si->douglas,
                      /*split_rule=*/si->split_rule, /*mat=*/m->rules, /*rho_k=*/m->rho,
                      /*d=*/si->d,
                      /*d_bolt=*/d_bolt, /*alpha=*/alpha_2, /*staple_angle=*/staple, /*t1=*/m->t1,
                      /*t2=*/m->t2, /*a1=*/&dummy, /*a2=*/&a2, /*a3t=*/&dummy, /*a3c=*/&a3c_2,
                      /*a4t=*/&a4t, /*a4c=*/&a4c);
    a3c = std::fmax(a3c, a3c_2);
    v[0] = a1 / 10.0;
    v[1] = a2 / 10.0;
    v[2] = a3t / 10.0;
    v[3] = a3c / 10.0;
    v[4] = a4t / 10.0;
    v[5] = a4c / 10.0;
}

int Panel_Spacing_Member(int n, const Spacing_Member m[2])
{
    for (int k = 0; n == 2 && k < 2; k++)
        if (Is_Mat_Wood_Panel(m[k].mat) && !Is_Mat_Wood_Panel(m[1 - k].mat)) return k;
    return -1;
}

int Calc_Member_Spacings(double alpha_1, double alpha_2, Spacing_Member m[2], double v[2][6])
{
    const int n = Spacing_Members(m);
    for (int k = 0; k < n; k++) Raw_Spacings(&m[k], alpha_1, alpha_2, v[k]);
    /* the spacings of a panel-to-timber joint are the panel's, the timber keeps its own end and
    ** edge distances (EN 1995-1-1, 8.3.1.3(1)) */
    const int k = Panel_Spacing_Member(n, m);
    if (k >= 0) {
        v[1 - k][0] = v[k][0];
        v[1 - k][1] = v[k][1];
    }
    return n;
}

int Member_Spacings_Differ(int n, const double v[2][6])
{
    if (n < 2) return 0;
    for (int i = 0; i < 6; i++)
        if (v[0][i] != v[1][i]) return 1;
    return 0;
}

/* The six least spacings (cm) that the one pattern of both members keeps: the larger of the
** members' own, into v. Return the members' count. */
static int Pattern_Spacings(double alpha_1, double alpha_2, double v[6], Spacing_Member m[2],
                            double mv[2][6])
{
    const int n = Calc_Member_Spacings(alpha_1, alpha_2, m, mv);
    for (int i = 0; i < 6; i++) {
        v[i] = mv[0][i];
        for (int k = 1; k < n; k++) v[i] = std::fmax(v[i], mv[k][i]);
    }
    return n;
}

/* The inset (cm) of plates lower than the member: edge distances are measured from the plate. */
static double Plate_Inset(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    return (si->h - si->h_p) / 2.0;
}

void Calc_Least_Spacings(double alpha_1, double alpha_2, double v[6], double raw[6])
{
    const Splice_Input_Record *si = &Splice_Input;
    Spacing_Member m[2];
    double mv[2][6];
    Pattern_Spacings(alpha_1, alpha_2, v, m, mv);
    if (raw != nullptr)
        for (int k = 0; k < 6; k++) raw[k] = v[k];
    if (si->connection_kind != CONN_INNER_PLATES && si->connection_kind != CONN_OUTER_PLATES)
        return;
    const double d0 = Get_Plate_Hole_D0_Cm();
    const double inset = Plate_Inset();
    for (int k = 4; k < 6; k++) {
        if (inset > 0.0) v[k] -= inset;
        v[k] = std::fmax(v[k], 1.2 * d0);
    }
    v[0] = std::fmax(v[0], 2.4 * d0);
    v[1] = std::fmax(v[1], 2.4 * d0);
}

double Least_A3c_Angle(double alpha_1, double alpha_2)
{
    double v1[6], v2[6], mv[2][6];
    Spacing_Member m[2];
    Pattern_Spacings(alpha_1, alpha_1, v1, m, mv);
    Pattern_Spacings(alpha_2, alpha_2, v2, m, mv);
    return v2[3] > v1[3] ? alpha_2 : alpha_1;
}

/* The edge distance a4 (cm) that every splice kind takes of a4,t and a4,c: the larger. V_d loads
** the fasteners of a tension or compression splice towards an edge too, and a force along the
** grain lies at alpha = 0, within the range 0 <= alpha <= 180 of the loaded edge (EN 1995-1-1,
** Tables 8.2 to 8.5): where the tables give that edge more at alpha = 0 (staples, Table 8.3: 15 d
** against 10 d), both edges keep it, so that the least distance does not jump when a shear force
** of a hair turns the forces towards one of them. */
static double A4_Of_Kind(double a4t, double a4c) { return std::fmax(a4t, a4c); }

/* The edge distance a4 (cm) that member k of p asks beside the rows (A4_Of_Kind). */
static double Member_A4(const Pass_Spacings *p, int k)
{
    return A4_Of_Kind(p->member_v[k][4], p->member_v[k][5]);
}

/* The end distance a3 (cm) that the splice kind takes: the loaded one in tension, the unloaded
** one in compression, the larger in bending. */
static double A3_Of_Kind(double a3t, double a3c)
{
    switch (Splice_Input.splice_kind) {
    case SPLICE_TENSION: return a3t;
    case SPLICE_COMPRESSION: return a3c;
    default: return std::fmax(a3t, a3c);
    }
}

/*
** The user's values in place of the program's own in the spacings p of a pass: the one place
** where a typed value enters the pattern. Each stands as typed, never raised to a least value nor
** spread over a length or a height: a1 and a2 are the spacings the pattern lays out, a3, a4 and
** e1 its end and edge distances, a4 from the timber's edge (beside plates lower than the member
** the rows keep a4 less the plates' inset from the plates' edge). A value below its least one is
** refused with both numbers once the angles have settled (Check_User_Spacings), a length too short
** for the typed spacings by Refuse_Length; where a typed spacing and the user's length or the
** member's height leave more room than they take, the end or edge distances take it
** (Lay_Out_Pattern). Return 0 or DERR_PLATE_END_DISTANCE_E1 (the user's e1 below 1.2 d0).
*/
static int Take_Typed_Spacings(Pass_Spacings *p)
{
    Splice_Input_Record *si = &Splice_Input;
    if (si->a1_user) p->a1 = si->a1;
    if (si->a2_user) p->a2 = si->a2;
    if (si->a3_user) p->a3 = si->a3;
    if (si->a4_user) {
        p->a4_timber = si->a4;
        p->a4 = si->a4 - (p->d0 > 0.0 ? std::fmax(Plate_Inset(), 0.0) : 0.0);
    }
    if (p->d0 > 0.0 && si->e1_user) {
        /* Every hole keeps at least 1.2 d0 to the plate's end, whatever fastener stands in it
        ** (EN 1993-1-8, Table 3.3; DIN 18800-1, Table 7) */
        const double e1_min = 1.2 * p->d0;
        if (si->e1 < e1_min) {
            Refuse(DERR_PLATE_END_DISTANCE_E1, "e1", "e1", si->e1, e1_min);
            snprintf(Fastener_Pattern.refusal.how, sizeof Fastener_Pattern.refusal.how, "1.2 d0");
            Refusal_Uses(REFUSAL_E1, si->e1);
            return DERR_PLATE_END_DISTANCE_E1;
        }
        p->e1 = si->e1;
    }
    return 0;
}

/*
** Spacings of the current fastener at the angles alpha_1 (along the grain: a1, a3,t) and alpha_2
** (across: a2, a4; a3,c at the larger of both) with the plates' limits, the program's least ones,
** and with typed the user's values where chosen (Take_Typed_Spacings). Return 0 or the refusal of
** a typed value.
*/
static int Calc_Pass_Spacings(double alpha_1, double alpha_2, Pass_Spacings *p, bool typed = true)
{
    Splice_Input_Record *si = &Splice_Input;
    double v[6];
    p->members = Pattern_Spacings(alpha_1, alpha_2, v, p->member, p->member_v);
    p->a1 = v[0];
    p->a2 = v[1];
    p->a3t = v[2];
    p->a3c = v[3];
    p->a4t = v[4];
    p->a4c = v[5];
    p->a3 = A3_Of_Kind(p->a3t, p->a3c);
    /* Each member keeps its own edge distance within its own height: the rows are laid out
    ** within the lower one, where the edge distance is the largest that any member asks less
    ** half the height by which it exceeds the lower one. */
    double H = p->member[0].height;
    for (int k = 0; k < p->members; k++) H = std::fmin(H, p->member[k].height);
    p->a4 = 0.0;
    for (int k = 0; k < p->members; k++)
        p->a4 = std::fmax(p->a4, Member_A4(p, k) - (p->member[k].height - H) / 2.0);
    p->a4_timber = p->a4;

    p->e1 = 0.0;
    p->d0 = 0.0;
    if (si->connection_kind == CONN_INNER_PLATES || si->connection_kind == CONN_OUTER_PLATES) {
        const double d0 = Get_Plate_Hole_D0_Cm();
        p->d0 = d0;
        /* the program's own end distance of the plates is the least one, 1.2 d0 */
        p->e1 = 1.2 * d0;
        /* Edge distances to the plate edge: the plate lies (h - h_p) / 2 inside the timber. */
        const double inset = Plate_Inset();
        if (inset > 0.0) {
            p->a4t -= inset;
            p->a4c -= inset;
            p->a4 -= inset;
        }
        p->a4t = std::fmax(p->a4t, 1.2 * d0);
        p->a4c = std::fmax(p->a4c, 1.2 * d0);
        p->a4 = std::fmax(p->a4, 1.2 * d0);
        p->a1 = std::fmax(p->a1, 2.4 * d0);
        p->a2 = std::fmax(p->a2, 2.4 * d0);
    }
    if (typed) {
        const int rc = Take_Typed_Spacings(p);
        if (rc != 0) return rc;
    }
    p->L_req = Splice_Length_For(p->a1, p->a3, p->e1);
    return 0;
}

double Splice_Length_For(double a1, double a3, double e1)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int n_c = (int)Splice_N_Col(si);
    switch (si->connection_kind) {
    case CONN_INNER_PLATES:
    case CONN_OUTER_PLATES: return 2.0 * ((n_c - 1) * a1 + e1 + a3);
    case CONN_LAP: return (n_c - 1) * a1 + 2.0 * a3;
    default: return 2.0 * ((n_c - 1) * a1 + 2.0 * a3);
    }
}

/* Height (cm) over which the rows are laid out: the lower of the members the fasteners pass
** through, so that every fastener lies inside each of them (plates and timber, side timbers and
** the middle member, whichever is higher). */
static double Layout_Height(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    switch (si->connection_kind) {
    case CONN_INNER_PLATES:
    case CONN_OUTER_PLATES: return std::fmin(si->h, si->h_p);
    case CONN_LAP: return si->h;
    default: return std::fmin(si->h, si->h_s);
    }
}

/*
** Note that plain nails stand value cm apart, farther than 40 d along the grain (across: 20 d
** across it), and return the code that names the member whose length (height) spreads the n_c
** columns (n_r rows) so far between their end (edge) distances, as Lay_Out_Pattern lays them
** out: the side timbers, the plates or the lap along the grain; across it the lower of the
** middle member and the side timbers or plates that hold the rows; the user's a1 or a2 is the
** value itself, which no member spreads. staggered: a staggered layout's spacing across the
** grain, twice its step.
*/
static int Refuse_Nail_Spacing(const Pass_Spacings *p, bool across, double value, bool staggered)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int kind = si->connection_kind;
    const bool plates = kind == CONN_INNER_PLATES || kind == CONN_OUTER_PLATES;
    const double k = across ? 20.0 : 40.0, d_cm = si->d / 10.0;
    const char *twice = staggered ? "2 " : "", *times = staggered ? "2 x " : "";
    char of[128];
    int code;
    if (!across) {
        const int n = (int)Splice_N_Col(si) - 1;
        code = plates             ? DERR_SPACING_TOO_LONG_PLATES
               : kind == CONN_LAP ? DERR_SPACING_TOO_LONG_LAP
                                  : DERR_SPACING_TOO_LONG;
        if (si->a1_user) of[0] = '\0';
        else if (plates)
            snprintf(of, sizeof of,
                     "%s(L / 2 - e1 - a3) / (n_c - 1) = %s(%.2f / 2 - %.2f - %.2f) / %d", twice,
                     times, si->L, p->e1, p->a3, n);
        else if (kind == CONN_LAP)
            snprintf(of, sizeof of, "%s(L - 2 a3) / (n_c - 1) = %s(%.2f - 2 x %.2f) / %d", twice,
                     times, si->L, p->a3, n);
        else
            snprintf(of, sizeof of, "%s(L / 2 - 2 a3) / (n_c - 1) = %s(%.2f / 2 - 2 x %.2f) / %d",
                     twice, times, si->L, p->a3, n);
    } else {
        const int n = (int)Splice_N_Row(si) - 1;
        const double h_own = plates ? si->h_p : si->h_s;
        const bool own = kind != CONN_LAP && h_own <= si->h;
        code = !own     ? DERR_SPACING_TOO_HIGH_MIDDLE
               : plates ? DERR_SPACING_TOO_HIGH_PLATES
                        : DERR_SPACING_TOO_HIGH;
        const char *h = !own ? "h" : plates ? "h_p" : "h_s";
        /* the user's a2 is the value itself; the program's spreads the rows over the height */
        if (si->a2_user) of[0] = '\0';
        else
            snprintf(of, sizeof of, "%s(%s - 2 a4) / (n_r - 1) = %s(%.2f - 2 x %.2f) / %d", twice,
                     h, times, own ? h_own : si->h, p->a4, n);
    }
    Spacing_Refusal &r = Fastener_Pattern.refusal;
    const char *name = across ? "a2" : "a1";
    Refuse(code, name, name, value, k * d_cm);
    r.most = 1;
    snprintf(r.how, sizeof r.how, "%.0f d = %.0f x %g", k, k, d_cm);
    snprintf(r.of, sizeof r.of, "%s", of);
    if (across && si->a2_user) r.a2_given = value;
    if (across) {
        Refusal_Uses(REFUSAL_A2, value);
        /* beside the user's a2 the refusal judged a2 alone */
        if (!si->a2_user) Refusal_Uses(REFUSAL_A4, p->a4);
    } else {
        Refusal_Uses(REFUSAL_A1, value);
        /* beside the user's a1 the refusal judged a1 alone */
        if (!si->a1_user) Refusal_Uses(REFUSAL_A3, p->a3);
        if (plates && !si->a1_user) Refusal_Uses(REFUSAL_E1, p->e1);
    }
    return code;
}

/*
** The shift (cm) of the first column beyond its least end distance where the user's a1 and
** length leave room along the grain beyond the columns and their end distances (Lay_Out_Pattern):
** the end distances take it. An end whose distance the user typed keeps it where the other one is
** the program's, which takes the whole room; else each takes half of it, the columns centred
** between their least end distances (side timbers and a lap: centred in the half or the lap).
*/
static double Room_Shift(double room)
{
    const Splice_Input_Record *si = &Splice_Input;
    const bool plates =
        si->connection_kind == CONN_INNER_PLATES || si->connection_kind == CONN_OUTER_PLATES;
    const bool near = si->a3_user != 0, far = plates ? si->e1_user != 0 : si->a3_user != 0;
    if (near && !far) return 0.0;
    if (far && !near) return room;
    return room / 2.0;
}

/* Lay out the pattern of one half (step 15 and 16 of the run). Return 0 or an error code. */
static int Lay_Out_Pattern(const Pass_Spacings *p)
{
    Splice_Input_Record *si = &Splice_Input;
    const int type = si->vbm_type;
    const bool lap = si->connection_kind == CONN_LAP;
    const bool plates =
        si->connection_kind == CONN_INNER_PLATES || si->connection_kind == CONN_OUTER_PLATES;
    const int n_c = (int)Splice_N_Col(si);
    const int n_r = (int)Splice_N_Row(si);
    const int slot = VBM_TYPE_SLOT(type);
    const bool staggered = si->layout[slot] == LAYOUT_STAGGERED;
    const bool grouped = si->grouped[slot] != 0;
    const double H = Layout_Height();
    Fastener_Pattern.layout_height = H;

    double x0 = lap ? p->a3 - si->L / 2.0 : p->a3;
    double x_end = plates ? si->L / 2.0 - p->e1 : si->L / 2.0 - p->a3;
    double y0 = -H / 2.0 + p->a4;
    const double d_cm = si->d / 10.0;

    /* Columns: the user's a1 stands as given, the columns a1 apart, and the room the length
    ** leaves beyond them and their least end distances goes to the end distances (Room_Shift);
    ** else the columns spread over the length between the end distances. Two groups stand a1
    ** apart within each group at both ends of the half, whoever chose a1. */
    const bool user_a1 = si->a1_user && n_c >= 2 && !grouped;
    if (user_a1) {
        const double span = (n_c - 1) * p->a1;
        x0 += Room_Shift(x_end - x0 - span);
        x_end = x0 + span;
        /* the program's end distance of the plates is the one the columns leave */
        if (plates && !si->e1_user) si->e1 = si->e1_copy = si->L / 2.0 - x_end;
    }

    /* Rows: a single row lies on the axis; its step is never used. The user's a2 stands as
    ** given, the rows a2 apart about the member's axis (a staggered layout's a2 is the spacing
    ** within a column, two steps), and the edge distance is what the height leaves beside them
    ** (Fit_Rows checks it); else the rows spread over the height between the edge distances. */
    const bool user_a2 = si->a2_user && n_r >= 2;
    if (user_a2) y0 = -(n_r - 1) * (staggered ? p->a2 / 2.0 : p->a2) / 2.0;
    const double y_end = -y0;
    double step_y = 0.0;
    if (user_a2) step_y = staggered ? p->a2 / 2.0 : p->a2;
    else if (n_r >= 2) step_y = (y_end - y0) / (n_r - 1);
    else y0 = 0.0;

    /* plain nails stand at most 20 d apart across the grain (10 d a staggered layout's step):
    ** the user's a2 is refused where it stands farther, whatever the grouping */
    if (user_a2 && type == VBM_NAGEL && step_y > (staggered ? 10.0 : 20.0) * d_cm)
        return Refuse_Nail_Spacing(p, true, p->a2, staggered);

    const long mirror = grouped ? 2 : 1;
    if ((long)n_c * n_r > PATTERN_MAX || (long)n_c * n_r * mirror > PATTERN_MAX)
        return DERR_MEMBER_NOT_HIGH_ENOUGH;

    double step_x = 0.0;
    if (grouped) {
        step_x = p->a1;
        if (type == VBM_NAGEL) {
            /* plain nails stand at most 40 d apart along the grain: the user's a1 is refused
            ** where it stands farther, never narrowed */
            if (si->a1_user && step_x > 40.0 * d_cm)
                return Refuse_Nail_Spacing(p, false, step_x, false);
            step_x = std::fmin(step_x, 40.0 * d_cm);
            /* the user's a2 is never narrowed: one too wide is refused below */
            if (!user_a2) step_y = std::fmin(step_y, 20.0 * d_cm);
        }
        int ok;
        if (!staggered) ok = Build_Regular_Pattern(x0, y0, step_x, step_y, n_c / 2);
        else
            ok = Build_Staggered_Pattern(x0, y0, x0 + (n_c / 2 - 1) * p->a1, y_end, step_x, step_y);
        const int first_group = Fastener_Pattern.count;
        if (!ok || !Mirror_Pattern(lap ? 0.0 : (x0 + x_end) / 2.0))
            return DERR_MEMBER_NOT_HIGH_ENOUGH;
        /* the mirror group numbered the way of the first, column by column away from the
        ** joint (each column's fasteners in their order), so that the numbers of both groups
        ** run with the columns of the splitting check */
        Fastener_Rec *recs = Fastener_Pattern.recs;
        std::stable_sort(recs + first_group, recs + Fastener_Pattern.count,
                         [](const Fastener_Rec &a, const Fastener_Rec &b) { return a.x < b.x; });
    } else {
        if (user_a1) step_x = p->a1;
        else if (n_c >= 2) step_x = (x_end - x0) / (n_c - 1);
        else if (!plates) x0 = si->L / 4.0;
        if (type == VBM_NAGEL) {
            /* a1 <= 40 d, a2 <= 20 d: a staggered layout's step along the grain is the spacing
            ** within a row (its columns stand half a step apart), its nails across it stand two
            ** steps apart in a column */
            const double k = staggered ? 2.0 : 1.0;
            if (step_x > 40.0 * d_cm) return Refuse_Nail_Spacing(p, false, step_x, false);
            if (step_y > (staggered ? 10.0 : 20.0) * d_cm)
                return Refuse_Nail_Spacing(p, true, k * step_y, staggered);
        }
        int ok;
        if (!staggered) ok = Build_Regular_Pattern(x0, y0, step_x, step_y, n_c);
        else ok = Build_Staggered_Pattern(x0, y0, x_end, y_end, step_x, step_y);
        if (!ok) return DERR_MEMBER_NOT_HIGH_ENOUGH;
    }
    /* what the pattern has is its step, the spacing within a row (EN 1995-1-1, Figure 8.7), a
    ** staggered layout's columns half of it apart: the user's a1, or the program's, as the page
    ** and the print show it and as the user's a1 is taken (Splice_Length_For, the least a1),
    ** so that ticking it changes nothing. p1 keeps twice it for a staggered layout, which its
    ** readers halve. */
    if (!si->a1_user) si->a1 = step_x;
    si->p1 = staggered ? 2.0 * step_x : step_x;
    si->p2 = staggered ? 2.0 * step_y : step_y;
    /* the user's a2 stays as given (the pattern keeps it; one row has none) */
    if (!si->a2_user) si->a2 = si->p2;
    return 0;
}

/* Plate bearing of one combination in the preparation run. Return 0, DERR_PLATE_MIN_3MM or
** DERR_PLATE_EDGE_E2_E3. */
static int Check_Plate_Bearing(const Lkom_Entry *c, const Pass_Spacings *p)
{
    Splice_Input_Record *si = &Splice_Input;
    const int n_r = (int)Splice_N_Row(si);
    const Plate_Hole hole = Get_Plate_Hole(si);
    if (Nad_Params == nullptr) {
        double e = 0, e1 = 0, e2 = 0, e3 = 0;
        Calc_Plate_Hole_Geometry(hole.d0, 1, &e, &e1, &e2, &e3);
        return Calc_Plate_Bearing_Din(nullptr, nullptr, e, e1, e2, e3, Lkom_Accidental_Factors(c));
    }
    si->e2 = (si->h_p - (n_r - 1) * si->p2) / 2.0;
    const double f_ub = Plate_Bearing_Fu_B();
    return Calc_Plate_Bearing_Ec(/*d0=*/hole.d0, /*d=*/hole.d, /*t=*/si->t_p * 10.0,
                                 /*e1=*/p->e1 * 10.0,
                                 /*e2=*/si->e2 * 10.0, /*p1=*/si->p1 * 10.0, /*p2=*/si->p2 * 10.0,
                                 /*f_ub=*/f_ub, /*f_u=*/Get_Plate_Fu(), /*F_b_edge=*/nullptr,
                                 /*F_b_inner=*/nullptr, /*alpha_b_end=*/nullptr,
                                 /*alpha_b_inner=*/nullptr, /*k1_edge=*/nullptr,
                                 /*k1_inner=*/nullptr);
}

/*
** An order of the force-to-grain angles without an arc tangent: the key (|F_y| - |F_x|) /
** (|F_y| + |F_x|) is tan(alpha - pi/4) of the angle alpha, which therefore grows with the key,
** and at least half as fast (the slope of atan on [-1, 1]). Keys apart by more than
** ANGLE_KEY_MARGIN belong to angles apart by more than half of it, far beyond the rounding of
** the key (below 1e-15 while F_x² + F_y² is finite) and of the angle the arc tangent gives (a few
** 1e-16 rad): the angle of the smaller key is the smaller one, also as computed. NaN where both
** are 0, infinite or NaN; such a key orders nothing. No comparison, so that the compiler turns
** it into vector code.
*/
#define ANGLE_KEY_MARGIN 1e-9

static double Angle_Key(double fx, double fy)
{
    const double ax = std::fabs(fx), ay = std::fabs(fy);
    return (ay - ax) / (ay + ax);
}

/* The index of v of side `side` among the first *count values of list with their sides (bit
** for bit), appended when new. */
static int Index_Of_Value(double *list, int *sides, int *count, double v, int side)
{
    for (int k = 0; k < *count; k++)
        if (sides[k] == side && std::memcmp(&list[k], &v, sizeof v) == 0) return k;
    list[*count] = v;
    sides[*count] = side;
    return (*count)++;
}

/* Per fastener, the largest F_x² + F_y² and the smallest and largest angle keys of the
** combinations distributed so far in the pass. */
static double q_hi[PATTERN_MAX], key_lo[PATTERN_MAX], key_hi[PATTERN_MAX];

/* The angle a of fastener i as far as it passes the pattern's extreme angles so far. */
static void Pattern_Angle(int i, double a)
{
    Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    if (a < fp->alpha_min) {
        fp->alpha_min = a;
        fp->index_of_angle_min = i;
    }
    if (a > fp->alpha_max) {
        fp->alpha_max = a;
        fp->index_of_angle_max = i;
    }
}

/* Fastener i under combination (g, e), forces (fx, fy), q = fx² + fy² and the angle key: its
** largest force and its extreme angles, and the pattern's, as far as this combination passes
** them. The fastener's force is not below 1e-5 kN. */
static void Look_At_Fastener(int i, int g, int e, double fx, double fy, double q, double key)
{
    Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    Fastener_Rec *r = &fp->recs[i];
    /* F = sqrt(q) is taken only where it decides something: sqrt rounds correctly, so it never
    ** falls as q grows, and a q up to the largest so far cannot raise the fastener's largest
    ** force, which is at least its root */
    if (q > q_hi[i]) {
        q_hi[i] = q;
        const double F = std::sqrt(q);
        if (F > r->force_max) {
            r->force_max = F;
            r->group_of_force_max = g;
            r->entry_of_force_max = e;
        }
    }
    /* The angle is needed only where it may pass the fastener's extremes so far: a key below
    ** the largest by the margin gives an angle below the one of the largest key, which the
    ** fastener's largest angle (and the pattern's, never smaller) already holds; likewise above
    ** the smallest. */
    if (q <= DBL_MAX) { /* else the key may have overflowed */
        if (key < key_hi[i] - ANGLE_KEY_MARGIN && key > key_lo[i] + ANGLE_KEY_MARGIN) return;
        if (key > key_hi[i]) key_hi[i] = key;
        if (key < key_lo[i]) key_lo[i] = key;
    }
    const double a = Fastener_Force_Angle(fx, fy);
    if (a > r->angle_max) {
        r->angle_max = a;
        r->group_of_angle_max = g;
        r->entry_of_angle_max = e;
    }
    if (a < r->angle_min) {
        r->angle_min = a;
        r->group_of_angle_min = g;
        r->entry_of_angle_min = e;
    }
    Pattern_Angle(i, a);
}

/* The extreme angle keys of the pattern's forces so far in a pass that asks only for its
** extreme angles (Distribute_Combinations). */
static double pattern_key_lo, pattern_key_hi;

/* Fastener i as Look_At_Fastener looks at it under a combination, for the pattern's extreme
** angles alone: the angle is needed only where it may pass the extremes of the pattern's keys so
** far, by the same margin (the pattern's extreme angles, and the first fastener that reaches
** each, are those Look_At_Fastener gives). */
static void Look_At_Pattern(int i, double fx, double fy, double q, double key)
{
    if (q <= DBL_MAX) {
        if (key < pattern_key_hi - ANGLE_KEY_MARGIN && key > pattern_key_lo + ANGLE_KEY_MARGIN)
            return;
        if (key > pattern_key_hi) pattern_key_hi = key;
        if (key < pattern_key_lo) pattern_key_lo = key;
    }
    const double a = Fastener_Force_Angle(fx, fy);
    Pattern_Angle(i, a);
}

/* Distribute every valid combination to the pattern (step 18); with angles_only the fasteners'
** own extremes are left as they are and only the pattern's extreme angles are sought. Return 0,
** DERR_PLATE_MIN_3MM or DERR_PLATE_EDGE_E2_E3. */
static int Distribute_Combinations(const Pass_Spacings *p, bool angles_only)
{
    Splice_Input_Record *si = &Splice_Input;
    Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    const bool plates =
        si->connection_kind == CONN_INNER_PLATES || si->connection_kind == CONN_OUTER_PLATES;
    const int n = fp->count;
    const int n_c = (int)Splice_N_Col(si);
    /* The lever arms of the pattern, each distinct value once (a grid has a value per column
    ** and one per row), and per fastener the index of its own. The moment parts of a
    ** combination are computed per distinct arm. */
    static double dx[PATTERN_MAX], dy[PATTERN_MAX], arm_x[PATTERN_MAX], arm_y[PATTERN_MAX],
        m_y[PATTERN_MAX], m_x[PATTERN_MAX];
    static int arm_x_of[PATTERN_MAX], arm_y_of[PATTERN_MAX];
    /* the side whose share each fastener and each arm carries (0 unless each side its own) */
    static int side_of[PATTERN_MAX], arm_x_side[PATTERN_MAX], arm_y_side[PATTERN_MAX];
    static double f_x[PATTERN_MAX], f_y[PATTERN_MAX], f_q[PATTERN_MAX], f_key[PATTERN_MAX];
    static double look[PATTERN_MAX];   /* 1.0 for a look, else 0.0: doubles, for vector code */
    static bool left_out[PATTERN_MAX]; /* false but while a combination's loop runs */
    static int left_list[PATTERN_MAX];

    /* Column of every fastener (positions matched within 1e-4 cm, at most 100 columns) and the
    ** sums over the pattern that do not depend on the combination. */
    static int col_of[PATTERN_MAX];
    double col_x[PATTERN_COLUMNS_MAX];
    int n_cols = 0;
    double sum_dx = 0.0, sum_r2 = 0.0;
    int n_arm_x = 0, n_arm_y = 0;
    Get_Fastener_Arms(n, dx, dy, side_of);
    for (int i = 0; i < n; i++) {
        const Fastener_Rec *r = &fp->recs[i];
        int k = 0;
        while (k < n_cols && std::fabs(col_x[k] - r->x) > 0.0001) k++;
        if (k == n_cols && n_cols < PATTERN_COLUMNS_MAX) col_x[n_cols++] = r->x;
        col_of[i] = k < n_cols ? k : -1;
        sum_dx += std::fabs(fp->x_c - r->x);
        sum_r2 += r->r * r->r;
        arm_x_of[i] = Index_Of_Value(arm_x, arm_x_side, &n_arm_x, dx[i], side_of[i]);
        arm_y_of[i] = Index_Of_Value(arm_y, arm_y_side, &n_arm_y, dy[i], side_of[i]);
        q_hi[i] = 0.0;
        key_lo[i] = HUGE_VAL;
        key_hi[i] = -HUGE_VAL;
    }
    pattern_key_lo = HUGE_VAL;
    pattern_key_hi = -HUGE_VAL;
    fp->k_xr = sum_r2 > 0.0 ? sum_dx / sum_r2 : 0.0;
    si->k_xr = fp->k_xr;
    /* the fasteners of each column whose sum is asked for, in their order */
    static int col_list[PATTERN_MAX];
    int col_start[PATTERN_COLUMNS_MAX + 1];
    const int n_col_sums = std::min(n_cols, n_c);
    int listed = 0;
    for (int k = 0; k < n_col_sums; k++) {
        col_start[k] = listed;
        for (int i = 0; i < n; i++)
            if (col_of[i] == k) col_list[listed++] = i;
    }
    col_start[n_col_sums > 0 ? n_col_sums : 0] = listed;

    bool bearing_done = false;
    for (int g = 0; g < LKOM_GROUPS; g++) {
        for (int e = 0; e < LKOM_ENTRIES; e++) {
            Lkom_Entry *c = &si->lkom.groups[g].entries[e];
            c->max_Fy = 0.0;
            c->sum_My_pos = 0.0;
            c->max_col_Fy = 0.0;
            /* A combination that takes no part in the design (unused, all zero, or of the wrong
            ** sign for the splice kind) must not steer the angles and forces the spacings and
            ** checks are built on: its sums stay 0 and it is left out. */
            if (!Is_Lkom_Valid(g, e)) {
                c->M_distr = 0.0;
                continue;
            }
            /* The moment about the centroid of the fasteners of one half: M_d and the moment of
            ** V_d about it in a bending splice; a tension or compression splice does not take
            ** M_d (it says so), but its fasteners carry V_d like those of a bending splice. */
            c->M_distr = si->splice_kind == SPLICE_BENDING
                             ? std::fabs(c->M_d) + std::fabs(fp->x_c * c->V_d / 100.0)
                             : std::fabs(fp->x_c * c->V_d / 100.0);
            /* The plate bearing refuses a plate or hole distances that no combination changes:
            ** checked once per pass. */
            if (plates && !bearing_done) {
                Set_Design_Gammas(Lkom_Accidental_Factors(c));
                const int rc = Check_Plate_Bearing(c, p);
                if (rc != 0) return rc;
                bearing_done = true;
            }
            const Force_Shares sh = Calc_Force_Parts(c, n, n_arm_x, arm_x, arm_x_side, n_arm_y,
                                                     arm_y, arm_y_side, m_y, m_x);
            /* the forces, their squares and angle keys of all fasteners first: plain arithmetic
            ** that the compiler turns into vector code */
            for (int i = 0; i < n; i++) {
                f_x[i] = sh.N_side[side_of[i]] + m_x[arm_y_of[i]];
                f_y[i] = sh.V_side[side_of[i]] + m_y[arm_x_of[i]];
            }
            for (int i = 0; i < n; i++) {
                f_q[i] = f_x[i] * f_x[i] + f_y[i] * f_y[i];
                f_key[i] = Angle_Key(f_x[i], f_y[i]);
            }
            /* F_y summed per column in the order of the fasteners, each sum in a register */
            for (int k = 0; k < n_col_sums; k++) {
                double sum = 0.0;
                for (int j = col_start[k]; j < col_start[k + 1]; j++) sum += f_y[col_list[j]];
                c->max_col_Fy = std::fmax(c->max_col_Fy, std::fabs(sum));
            }
            /* A fastener needs a look of its own where its force may be below 1e-5 kN (and is
            ** left out), may raise its largest force, or its angle may pass its extremes. */
            if (angles_only) {
                const double hi = pattern_key_hi - ANGLE_KEY_MARGIN,
                             lo = pattern_key_lo + ANGLE_KEY_MARGIN;
                for (int i = 0; i < n; i++) {
                    const double q = f_q[i], key = f_key[i];
                    const bool quiet = (q >= 1e-9) & (q <= DBL_MAX) & (key < hi) & (key > lo);
                    look[i] = quiet ? 0.0 : 1.0;
                }
            } else {
                for (int i = 0; i < n; i++) {
                    const double q = f_q[i], key = f_key[i];
                    const bool quiet = (q >= 1e-9) & !(q > q_hi[i]) & (q <= DBL_MAX)
                                       & (key < key_hi[i] - ANGLE_KEY_MARGIN)
                                       & (key > key_lo[i] + ANGLE_KEY_MARGIN);
                    look[i] = quiet ? 0.0 : 1.0;
                }
            }
            /* those looked at: a force below 1e-5 kN is left out (F = sqrt(q) < 1e-5 exactly
            ** where it may be, a small q being looked at), each other gets its look */
            int n_left_out = 0;
            for (int i = 0; i < n; i++) {
                if (look[i] == 0.0) continue;
                if (!(f_q[i] >= 1e-9) && std::fabs(std::sqrt(f_q[i])) < 1e-5) {
                    left_out[i] = true;
                    left_list[n_left_out++] = i;
                } else if (angles_only) {
                    Look_At_Pattern(i, f_x[i], f_y[i], f_q[i], f_key[i]);
                } else {
                    Look_At_Fastener(i, g, e, f_x[i], f_y[i], f_q[i], f_key[i]);
                }
            }
            double max_Fy = 0.0, max_My = fp->max_My, sum_My_pos = 0.0;
            for (int i = 0; i < n; i++) {
                if (n_left_out > 0 && left_out[i]) continue;
                const double my = m_y[arm_x_of[i]];
                /* as fmax, which passes over a NaN */
                if (std::fabs(f_y[i]) > max_Fy) max_Fy = std::fabs(f_y[i]);
                if (std::fabs(my) > max_My) max_My = std::fabs(my);
                if (my > 0.0) sum_My_pos += my;
            }
            for (int k = 0; k < n_left_out; k++) left_out[left_list[k]] = false;
            c->max_Fy = max_Fy;
            c->sum_My_pos = sum_My_pos;
            fp->max_My = max_My;
            fp->max_sum_My_pos = std::fmax(fp->max_sum_My_pos, c->sum_My_pos);
        }
    }
    return 0;
}

/* The arrangement of n_r rows and n_c columns and the materials the fastener admits. Return 0 or
** an error code. */
static int Check_Arrangement(int n_r, int n_c)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int type = si->vbm_type;
    const int slot = VBM_TYPE_SLOT(type);
    const bool staggered = si->layout[slot] == LAYOUT_STAGGERED;
    const bool grouped = si->grouped[slot] != 0;
    if (staggered && n_r % 2 == 0) {
        /* the refusal names the count, which must be odd */
        Refuse(DERR_STAGGERED_ROWS_ODD, "n_r", "n_r", n_r, 0.0);
        Fastener_Pattern.refusal.odd = 1;
        return DERR_STAGGERED_ROWS_ODD;
    }
    /* a single row has no rows to stagger against: it is refused as such, not as a member too
    ** low for the rows */
    if (staggered && n_r < 3) {
        Refuse(DERR_STAGGERED_ROWS_ODD, "n_r", "n_r", n_r, 3.0);
        return DERR_STAGGERED_ROWS_ODD;
    }
    if (staggered && n_c <= 2) return DERR_STAGGERED_COLUMNS_3;
    if (grouped && n_c <= 3) {
        /* too few columns, whether even or not: each of the two groups needs two */
        Refuse(DERR_GROUPED_COLUMNS_EVEN, "n_c", "n_c", n_c, 4.0);
        return DERR_GROUPED_COLUMNS_EVEN;
    }
    if (grouped && n_c % 2 != 0) return DERR_GROUPED_COLUMNS_EVEN;
    if (n_c <= 1 && n_r <= 1) return DERR_TWO_FASTENERS_PER_HALF;
    if (n_c < 1 || n_r < 1) return DERR_TWO_FASTENERS_PER_HALF; /* no column or no row */

    /* materials: toothed plates are pressed into every timber member they join, the side
    ** timbers and the middle member, or the middle member alone beside plates and in a lap (the
    ** side fields keep what they held before), and none of them may be hardwood, beech LVL
    ** (Baubuche) included */
    auto hardwood = [](int mat) {
        return mat == MAT_LAUBHOLZ || mat == MAT_BAUBUCHE_GL75 || mat == MAT_BAUBUCHE_PLATTE;
    };
    const bool mid_hard = hardwood(si->mat_mid);
    const bool side = si->connection_kind == CONN_SIDE_TIMBERS;
    const bool side_hard = side && hardwood(si->mat_side);
    const int pressed = type == VBM_SCHEIBENDUEBEL_C1    ? DERR_PRESSED_C1_HARDWOOD
                        : type == VBM_SCHEIBENDUEBEL_C5  ? DERR_PRESSED_C5_HARDWOOD
                        : type == VBM_SCHEIBENDUEBEL_C10 ? DERR_PRESSED_C10_HARDWOOD
                        : type == VBM_SCHEIBENDUEBEL_C2  ? DERR_PRESSED_C2_HARDWOOD
                        : type == VBM_SCHEIBENDUEBEL_C11 ? DERR_PRESSED_C11_HARDWOOD
                                                         : 0;
    if (pressed != 0 && (mid_hard || side_hard)) {
        /* the refusal names each hardwood member the plates are pressed into */
        Refuse(pressed, "mat", "mat", mid_hard ? si->mat_mid : si->mat_side, 0.0);
        std::string members;
        if (mid_hard)
            members = std::string(side ? "Mittelholz" : "Holz") + " aus "
                      + Get_Material_Name(si->mat_mid, si->grade_mid);
        if (side_hard)
            members += std::string(mid_hard ? ", " : "") + "Seitenhölzer aus "_cp850
                       + Get_Material_Name(si->mat_side, si->grade_side);
        snprintf(Fastener_Pattern.refusal.how, sizeof Fastener_Pattern.refusal.how, "%s",
                 members.c_str());
        return pressed;
    }
    /* the timber lamellas beside inner plates, each at least 24 mm */
    const double t_1 = Calc_Timber_Part_Thickness();
    if (si->connection_kind == CONN_INNER_PLATES && t_1 < 2.4) {
        Refuse_Size(DERR_LAMELLA_MIN_24MM, "t_1", 10.0 * t_1, 24.0, "", 0);
        Lamella_Of(&Fastener_Pattern.refusal);
        return DERR_LAMELLA_MIN_24MM;
    }
    return 0;
}

/* Write the number of shear planes of the connection into the splice input. */
static void Set_Shear_Planes(void)
{
    Splice_Input_Record *si = &Splice_Input;
    const int kind = si->connection_kind;
    if (kind == CONN_LAP) {
        si->shear_planes = 1;
    } else if (kind == CONN_INNER_PLATES) {
        si->shear_planes = (int)(2.0 * si->plate_count);
    } else {
        /* Nails, screws and staples driven from both sides stand in pairs, each in single shear
        ** (where the geometry keeps their points in the middle member's near half:
        ** Check_Nail_Sides); driven alternately, one stands at each position, in double shear only
        ** where its point holds in the far side member (EN 1995-1-1, 8.3.1.1 and Figure 8.4). */
        si->shear_planes = 2;
        if (Is_Vbm_Nail_Screw_Or_Staple(si->vbm_type) && !Vbm_Driven_From_Both_Sides())
            si->shear_planes = Vbm_Own_Shear_Planes();
    }
}

/* Centroid of the new pattern, and the extremes of the angles and moments reset for the
** distribution. */
static void Reset_Pattern_Extremes(void)
{
    Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    Calc_Pattern_Centroid(&fp->x_c, &fp->y_c, &fp->I_p, fp->count, fp->recs);
    Splice_Input.e_x = fp->x_c;
    fp->alpha_min = M_PI / 2.0;
    fp->alpha_max = 0.0;
    fp->index_of_angle_min = 0;
    fp->index_of_angle_max = 0;
    fp->max_My = 0.0;
    fp->max_sum_My_pos = 0.0;
}

/*
** One pass of the angle loop: spacings and length at the angles alpha_1 and alpha_2, the checks
** of the arrangement, the shear planes, the pattern and the distribution of every combination
** (with angles_only, for the pattern's extreme angles alone). Return 0 or an error code; p
** receives the pass's spacings.
*/
static int Prepare_Pass(double alpha_1, double alpha_2, int n_r, int n_c, bool angles_only,
                        Pass_Spacings *p)
{
    Splice_Input_Record *si = &Splice_Input;
    int rc = Calc_Pass_Spacings(alpha_1, alpha_2, p);
    if (rc != 0) return rc;
    /* the plates' end distance, the user's or the least one (Lay_Out_Pattern: or what the
    ** user's a1 leaves) */
    if (p->d0 > 0.0) si->e1 = si->e1_copy = p->e1;
    /* automatic length */
    if (si->L_user == 0) si->L = p->L_req;
    rc = Check_Arrangement(n_r, n_c);
    if (rc != 0) return rc;
    Set_Shear_Planes();
    rc = Lay_Out_Pattern(p);
    if (rc != 0) return rc;
    if (Fastener_Pattern.count < 2) return DERR_TWO_FASTENERS_PER_HALF;
    Reset_Pattern_Extremes();
    return Distribute_Combinations(p, angles_only);
}

/* ---------------------------------------------------------------- refusals of the layout */

/* The own names of the end distance a3 and the edge distance a4 that the splice kind takes of
** their loaded and unloaded values (A3_Of_Kind, A4_Of_Kind): the loaded or the unloaded one, or
** the larger where it takes both; in the words of the standard of the run (DIN 1052, Bild 41:
** a1,t, a1,c, a2,t, a2,c). */
static const char *A3_Rule(double a3t, double a3c)
{
    const bool din = Nad_Params == nullptr;
    bool loaded = a3t >= a3c;
    if (Splice_Input.splice_kind == SPLICE_TENSION) loaded = true;
    if (Splice_Input.splice_kind == SPLICE_COMPRESSION) loaded = false;
    if (loaded) return din ? "a1,t" : "a3,t";
    return din ? "a1,c" : "a3,c";
}

static const char *A4_Rule(double a4t, double a4c)
{
    const bool din = Nad_Params == nullptr;
    bool loaded = a4t >= a4c;
    /* without a shear force a tension or compression splice names the loaded edge distance
    ** only where it asks more (A4_Of_Kind) */
    if (Splice_Input.splice_kind != SPLICE_BENDING && !Any_Checked_Shear()) loaded = a4t > a4c;
    if (loaded) return din ? "a2,t" : "a4,t";
    return din ? "a2,c" : "a4,c";
}

static const char *A3_Name(const Pass_Spacings *m) { return A3_Rule(m->a3t, m->a3c); }
static const char *A4_Name(const Pass_Spacings *m) { return A4_Rule(m->a4t, m->a4c); }

/* A member the rows pass through: its name in the refusal, the name and rule of its least edge
** distance beside the rows, its height and that least distance (cm), and the refusal that names
** it: the timber's (a4) or the plates' (e2). */
typedef struct Row_Member {
    const char *where; /* "im Mittelholz" */
    const char *name;  /* "a4", the plates' "e2" */
    const char *rule;  /* the least value's own name */
    double height;
    double required;
    int32_t code = DERR_MEMBER_NOT_HIGH_ENOUGH;
} Row_Member;

/* The members whose heights hold the rows, each with its least edge distance: a4 in the timber
** of every kind, each of two timber members its own where the program chooses it (beside plates
** lower than the member the timber's own a4, before their inset), 1.2 d0 in the plates
** (EN 1993-1-8, Table 3.3). user_a4: the user's edge distance holds in every timber. Return
** their count. */
static int Row_Members(const Pass_Spacings *p, bool user_a4, Row_Member out[2])
{
    const Splice_Input_Record *si = &Splice_Input;
    const char *rule = user_a4 ? "a4" : A4_Name(p);
    switch (si->connection_kind) {
    case CONN_SIDE_TIMBERS:
        for (int k = 0; k < 2; k++) {
            const Spacing_Member &m = p->member[k];
            if (user_a4) out[k] = Row_Member{m.where, "a4", rule, m.height, p->a4};
            else
                out[k] = Row_Member{m.where, "a4", A4_Rule(p->member_v[k][4], p->member_v[k][5]),
                                    m.height, Member_A4(p, k)};
        }
        return 2;
    case CONN_INNER_PLATES:
    case CONN_OUTER_PLATES:
        out[0] =
            Row_Member{"im Holz", "a4", rule, si->h, Plate_Inset() > 0.0 ? p->a4_timber : p->a4};
        out[1] = Row_Member{"in den Blechen", "e2",        "1.2 d0",
                            si->h_p,          1.2 * p->d0, DERR_PLATES_NOT_HIGH_ENOUGH};
        return 2;
    default: out[0] = Row_Member{"im Holz", "a4", rule, si->h, p->a4}; return 1;
    }
}

/*
** The n_r rows of the given pitch against the height of every member they pass through: 0 when
** each member keeps its least edge distance beside them, (height - (n_r - 1) pitch) / 2, to
** within tol; else the refusal of the member short by most (with the members of the same height
** and rule beside it), its height and both distances.
*/
static int Check_Row_Members(const Pass_Spacings *p, bool user_a4, int n_r, double pitch,
                             double tol)
{
    Row_Member m[2];
    const int count = Row_Members(p, user_a4, m);
    const double span = (n_r - 1) * pitch;
    int worst = -1;
    double most = 0.0; /* cm, what the worst member lacks */
    for (int k = 0; k < count; k++) {
        const double lacks = m[k].required - (m[k].height - span) / 2.0;
        if (lacks > tol && (worst < 0 || lacks > most)) {
            worst = k;
            most = lacks;
        }
    }
    if (worst < 0) return 0;
    const Row_Member &w = m[worst];
    Refuse(w.code, w.name, w.rule, (w.height - span) / 2.0, w.required);
    /* the rows stand pitch apart; a staggered layout's a2 is the spacing within a column */
    const bool staggered =
        Splice_Input.layout[VBM_TYPE_SLOT(Splice_Input.vbm_type)] == LAYOUT_STAGGERED;
    if (n_r >= 2) Refusal_Uses(REFUSAL_A2, staggered ? 2.0 * pitch : pitch);
    if (strcmp(w.name, "a4") == 0) Refusal_Uses(REFUSAL_A4, (w.height - span) / 2.0);
    Spacing_Refusal &r = Fastener_Pattern.refusal;
    r.rows = n_r;
    r.height = w.height;
    r.pitch = pitch;
    snprintf(r.where, sizeof r.where, "%s", w.where);
    for (int k = 0; k < count; k++)
        if (k != worst && strcmp(m[k].name, w.name) == 0 && strcmp(m[k].rule, w.rule) == 0
            && m[k].height == w.height && m[k].required == w.required) {
            const size_t used = strlen(r.where);
            snprintf(r.where + used, sizeof r.where - used, " und %s", m[k].where);
        }
    return w.code;
}

/* The member of p whose own value i of the least spacings (a1, a2, a3t, a3c, a4t, a4c; 6: a3 by
** the splice kind) is the larger, where the two members ask different values; else -1, and for
** one timber that keeps two sets of rules (beside outer plates), which the text names anyway. */
static int Member_Asking_More(const Pass_Spacings *p, int i)
{
    if (p->members < 2 || Splice_Input.connection_kind != CONN_SIDE_TIMBERS) return -1;
    double v[2];
    for (int k = 0; k < 2; k++)
        v[k] = i == 6 ? A3_Of_Kind(p->member_v[k][2], p->member_v[k][3]) : p->member_v[k][i];
    if (v[0] == v[1]) return -1;
    return v[1] > v[0] ? 1 : 0;
}

/* Refuse a spacing or end distance that the user or the layout does not keep, naming the member
** that asks it where the members ask different ones (i: the value of Member_Asking_More; slot:
** the spacing on the layout page, REFUSAL_A1..). */
static int Refuse_Member_Value(int code, const Pass_Spacings *p, int i, int slot, const char *name,
                               const char *rule, double value, double required)
{
    Refuse(code, name, rule, value, required);
    Refusal_Uses(slot, value);
    const int k = Member_Asking_More(p, i);
    if (k >= 0)
        snprintf(Fastener_Pattern.refusal.where, sizeof Fastener_Pattern.refusal.where, "%s",
                 p->member[k].where);
    return code;
}

/*
** The user's edge distance a4, which the rows keep within the lower of the members they pass
** through, against the least edge distance of each member (p: the program's own spacings): 0,
** or the refusal that names the member short by most with its own edge distance, its least one
** and, where the members ask different ones, the member. One timber takes the program's a4
** whatever rules it keeps, from its own edge wherever plates stand: beside plates lower than the
** member its own a4 and the plates' inset with their 1.2 d0, whichever is larger.
*/
static int Check_User_A4(const Pass_Spacings *p)
{
    const Splice_Input_Record *si = &Splice_Input;
    if (si->connection_kind != CONN_SIDE_TIMBERS) {
        const double inset = p->d0 > 0.0 ? std::fmax(Plate_Inset(), 0.0) : 0.0;
        const double least = p->a4 + inset;
        if (!(least > si->a4 + LENGTH_TOL)) return 0;
        const bool plates = least > p->a4_timber;
        Refuse(DERR_EDGE_DISTANCE_A4, "a4", plates ? "a4" : A4_Name(p), si->a4, least);
        if (plates && inset > 0.0)
            snprintf(Fastener_Pattern.refusal.how, sizeof Fastener_Pattern.refusal.how,
                     "(h - h_p) / 2 + 1.2 d0 = %.2f + %.2f", inset, 1.2 * p->d0);
        else if (plates)
            snprintf(Fastener_Pattern.refusal.how, sizeof Fastener_Pattern.refusal.how, "1.2 d0");
        Refusal_Uses(REFUSAL_A4, si->a4);
        return DERR_EDGE_DISTANCE_A4;
    }
    const double H = std::fmin(p->member[0].height, p->member[1].height);
    int worst = -1;
    double most = 0.0;
    for (int k = 0; k < 2; k++) {
        const double lacks = Member_A4(p, k) - (si->a4 + (p->member[k].height - H) / 2.0);
        if (lacks > LENGTH_TOL && (worst < 0 || lacks > most)) {
            worst = k;
            most = lacks;
        }
    }
    if (worst < 0) return 0;
    const int k = worst;
    Refuse(DERR_EDGE_DISTANCE_A4, "a4", A4_Rule(p->member_v[k][4], p->member_v[k][5]),
           si->a4 + (p->member[k].height - H) / 2.0, Member_A4(p, k));
    Refusal_Uses(REFUSAL_A4, si->a4);
    if (Member_A4(p, 0) != Member_A4(p, 1))
        snprintf(Fastener_Pattern.refusal.where, sizeof Fastener_Pattern.refusal.where, "%s",
                 p->member[k].where);
    return DERR_EDGE_DISTANCE_A4;
}

/*
** The user's spacings against the minimum at the final angles alpha_1 and alpha_2, with the
** program's own spacings as it would choose them; the user's choices stay as they are. Return 0
** or the error code of the first distance not kept (a4, a2, a3, a1 in this order), every one of
** them noted for the refusal's text: the first as the refusal, the others beside it, so that the
** user mends them at once.
*/
static int Check_User_Spacings(double alpha_1, double alpha_2, int n_r)
{
    Splice_Input_Record *si = &Splice_Input;
    Pass_Spacings m{};
    const int a1u = si->a1_user, a3u = si->a3_user, a4u = si->a4_user;
    Calc_Pass_Spacings(alpha_1, alpha_2, &m, false);
    /* the angles the system section of the print list states the least spacings at */
    Fastener_Pattern.min_alpha_1 = alpha_1;
    Fastener_Pattern.min_alpha_2 = alpha_2;
    Spacing_Refusal found[1 + REFUSAL_ALSO_MAX];
    int count = 0, first = 0;
    const auto note = [&](int code) {
        if (code == 0) return;
        if (first == 0) first = code;
        if (count < 1 + REFUSAL_ALSO_MAX) found[count++] = Fastener_Pattern.refusal;
    };
    if (a4u) note(Check_User_A4(&m));
    /* Rows closer than the minimum a2 are refused whether the edge distance is the user's or
    ** the program's: a low member would otherwise squeeze the rows silently. The program's edge
    ** distance shares the height with the rows: where the rows at their least pitch leave less
    ** than it (a loaded edge distance a4,t grown with a shear force, or the larger a2 of the
    ** other member), the member is too low for that edge distance, and the refusal names it. */
    if (n_r >= 2 && si->a2_user && m.a2 > si->a2 + LENGTH_TOL) {
        /* the user's a2, below its least value */
        note(Refuse_Member_Value(DERR_SPACING_A2, &m, 1, REFUSAL_A2, "a2", "a2", si->a2, m.a2));
    } else if (n_r >= 2 && m.a2 > si->a2 + LENGTH_TOL) {
        const int slot = VBM_TYPE_SLOT(si->vbm_type);
        const double pitch = si->layout[slot] == LAYOUT_STAGGERED ? m.a2 / 2.0 : m.a2;
        const int low = a4u ? 0 : Check_Row_Members(&m, false, n_r, pitch, LENGTH_TOL);
        if (low != 0) {
            const int k = Member_Asking_More(&m, 1);
            if (k >= 0)
                snprintf(Fastener_Pattern.refusal.a2_of, sizeof Fastener_Pattern.refusal.a2_of,
                         "%s", m.member[k].whose);
            note(low);
        } else {
            note(Refuse_Member_Value(DERR_SPACING_A2, &m, 1, REFUSAL_A2, "a2", "a2", si->a2, m.a2));
        }
    }
    if (a3u && m.a3 > si->a3 + LENGTH_TOL)
        note(Refuse_Member_Value(DERR_END_DISTANCE_A3, &m, 6, REFUSAL_A3, "a3", A3_Name(&m), si->a3,
                                 m.a3));
    if (a1u && m.a1 > si->a1 + LENGTH_TOL)
        note(Refuse_Member_Value(DERR_SPACING_A1, &m, 0, REFUSAL_A1, "a1", "a1", si->a1, m.a1));
    if (count == 0) return 0;
    Fastener_Pattern.refusal = found[0];
    for (int k = 1; k < count; k++) Fastener_Pattern.refusal_also[k - 1] = found[k];
    Fastener_Pattern.refusal_also_count = count - 1;
    return first;
}

int Kind_Least_Spacings(int kind, double alpha_1, double alpha_2, Kind_Spacings *k)
{
    Splice_Input_Record *si = &Splice_Input;
    const int kind_was = si->splice_kind;
    si->splice_kind = kind;
    Pass_Spacings m{};
    const int rc = Calc_Pass_Spacings(alpha_1, alpha_2, &m, false);
    /* the names by the rules of that kind, which the spacings were taken by */
    k->a3_rule = A3_Name(&m);
    k->a4_rule = A4_Name(&m);
    si->splice_kind = kind_was;
    k->a1 = m.a1;
    k->a2 = m.a2;
    k->a3 = m.a3;
    k->a4 = m.a4;
    return rc == 0;
}

/* The side timbers, plates or lap shorter than the n_c columns of one half at the least spacing
** and end distances of p ask: the refusal names the member and both lengths, with the rule of the
** least one (the pattern of both halves; a lap's pattern holds its whole joint). */
static int Refuse_Length(const Pass_Spacings *p, int n_c)
{
    const int kind = Splice_Input.connection_kind;
    char how[128];
    int code = DERR_SIDE_TIMBER_TOO_SHORT;
    if (kind == CONN_INNER_PLATES || kind == CONN_OUTER_PLATES) {
        code = DERR_PLATES_TOO_SHORT;
        snprintf(how, sizeof how, "2 x ((n_c - 1) a1 + e1 + a3) = 2 x (%d x %.2f + %.2f + %.2f)",
                 n_c - 1, p->a1, p->e1, p->a3);
    } else if (kind == CONN_LAP) {
        code = DERR_LAP_TOO_SHORT;
        snprintf(how, sizeof how, "(n_c - 1) a1 + 2 a3 = %d x %.2f + 2 x %.2f", n_c - 1, p->a1,
                 p->a3);
    } else {
        snprintf(how, sizeof how, "2 x ((n_c - 1) a1 + 2 a3) = 2 x (%d x %.2f + 2 x %.2f)", n_c - 1,
                 p->a1, p->a3);
    }
    Refuse(code, "L", "L", Splice_Input.L, p->L_req);
    snprintf(Fastener_Pattern.refusal.how, sizeof Fastener_Pattern.refusal.how, "%s", how);
    /* the way out: the length the columns ask, or fewer columns in the length given */
    snprintf(Fastener_Pattern.refusal.remedy, sizeof Fastener_Pattern.refusal.remedy, "%s",
             "Länge automatisch wählen oder weniger Verbindungsmittel in Faserrichtung n_c"_cp850);
    Refusal_Uses(REFUSAL_A1, p->a1);
    Refusal_Uses(REFUSAL_A3, p->a3);
    if (code == DERR_PLATES_TOO_SHORT) Refusal_Uses(REFUSAL_E1, p->e1);
    return code;
}

/* The n_r rows must fit into the height, every fastener inside the plate; sets the plates' edge
** and end distances and the clamp bolts of large connectors. Return 0 or an error code. */
static int Fit_Rows(const Pass_Spacings *p, int n_r)
{
    Splice_Input_Record *si = &Splice_Input;
    Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    const int kind = si->connection_kind;
    const int slot = VBM_TYPE_SLOT(si->vbm_type);
    const double H = fp->layout_height;
    /* the pitch of the rows: a staggered layout's a2 is the spacing within a column, 2 pitches */
    const double pitch = si->layout[slot] == LAYOUT_STAGGERED ? si->p2 / 2.0 : si->p2;
    const double a2_used = n_r >= 2 ? pitch : 0.0;
    /* every member keeps its edge distance within its own height; beside the user's a2 that is
    ** the user's a4 where given, else each member's least one */
    const int low = Check_Row_Members(p, si->a4_user != 0, n_r, a2_used, LENGTH_TOL / 2.0);
    if (low != 0) {
        Spacing_Refusal &r = Fastener_Pattern.refusal;
        if (si->a2_user && n_r >= 2) {
            r.a2_given = si->a2;
            r.a4_given = si->a4_user && strcmp(r.name, "a4") == 0;
        }
        return low;
    }
    if (kind == CONN_INNER_PLATES || kind == CONN_OUTER_PLATES) {
        si->e2 = (si->h_p - (n_r - 1) * a2_used) / 2.0;
        si->e_rand_ec = si->e1;
        si->e_rand_din = si->e1;
    }

    /* clamp bolts of large connectors */
    if (Is_Big_Connector_Multi()) {
        /* at the outer rows: the user's a2 sets them about the axis */
        const double y0 = si->a2_user && n_r >= 2 ? -(n_r - 1) * a2_used / 2.0 : -H / 2.0 + p->a4;
        fp->clamp_x[0] = fp->clamp_x[1] = si->L / 2.0 - p->a3 / 2.0;
        fp->clamp_y[0] = y0;
        fp->clamp_y[1] = -y0;
    }
    return 0;
}

/*
** Whether the layout of a pass with the spacings p keeps less spacing a1, edge distance a4 (in
** any member) or end distance a3 than the smallest and the largest force-to-grain angle of its
** own forces ask (alpha_1, alpha_2): a1 and a3,t grow as the angle falls, a4,t and a3,c as it
** grows (EN 1995-1-1, Tables 8.2 to 8.5), and the system section states them at those angles.
*/
static bool Layout_Short(const Pass_Spacings *p, double alpha_1, double alpha_2)
{
    Pass_Spacings q{};
    if (Calc_Pass_Spacings(alpha_1, alpha_2, &q) != 0) return false;
    if (q.a1 > p->a1 + LENGTH_TOL || q.a3 > p->a3 + LENGTH_TOL || q.a4 > p->a4 + LENGTH_TOL)
        return true;
    for (int k = 0; k < p->members; k++)
        if (Member_A4(&q, k) > Member_A4(p, k) + LENGTH_TOL) return true;
    return false;
}

int Prepare_Splice_Calc(void)
{
    /* the preparation's designs work in a record of its own, fresh for every preparation */
    Splice_Design_Record run;
    Splice_Calc_Serial++;
    Splice_Input_Record *si = &Splice_Input;
    Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    fp->refusal = Spacing_Refusal{};
    fp->refusal_also_count = 0;
    const int type = si->vbm_type;
    if (type < VBM_TYPE_FIRST || type > VBM_TYPE_LAST) return DERR_TWO_FASTENERS_PER_HALF;
    const int slot = VBM_TYPE_SLOT(type);
    const int n_r = (int)si->n_row[slot];
    const int n_c = (int)si->n_col[slot];

    int rc = Prepare_Members();
    if (rc != 0) return rc;
    rc = Prepare_Thicknesses();
    if (rc != 0) return rc;

    /* A new pattern: the governing fastener of an earlier run no longer exists. */
    si->governing_vbm = 0;

    /* Passes until the smallest force-to-grain angle settles (and at least two). The first takes
    ** the largest angle across the grain, except where every force runs along it: a tension or
    ** compression splice without a shear force, whose edge distance a4 is then that of the
    ** forces it has (A4_Of_Kind). */
    const bool along = Splice_Input.splice_kind != SPLICE_BENDING && !Any_Checked_Shear();
    double alpha_prev = M_PI / 2.0, alpha_min = 0.0, alpha_max = along ? 0.0 : M_PI / 2.0;
    int pass = 0;
    Pass_Spacings p{};
    /* The rows are laid out at the largest angle of the pass before; where the forces of the new
    ** layout reach a larger one that asks more edge or end distance than the layout keeps, the
    ** next pass lays them out at it (the angles only grow until the layout keeps them). The same
    ** for a smallest angle below the one the columns were laid out at: the pattern keeps the
    ** spacings of the smallest angle its own forces have, which is the one the print states. */
    const auto unsettled = [&] {
        return std::fabs(alpha_prev - alpha_min) > 0.01
               || (pass > 0 && Layout_Short(&p, std::fmin(alpha_prev, alpha_min), alpha_max));
    };
    while ((unsettled() && pass < 999) || pass == 1) {
        pass++;
        alpha_prev = alpha_min;
        if (pass == 999) alpha_prev = 0.0;
        /* a second pass always follows the first and lays the pattern out anew: of the
        ** first's forces only the pattern's extreme angles are asked */
        rc = Prepare_Pass(alpha_prev, alpha_max, n_r, n_c, pass == 1, &p);
        if (rc != 0) return rc;
        alpha_min = fp->alpha_min;
        alpha_max = fp->alpha_max;
    }
    fp->passes = pass;

    /* the member that is too short: the side timbers, the plates or the lap */
    if (p.L_req > si->L + LENGTH_TOL) return Refuse_Length(&p, n_c);
    /* From here on the pattern of the last pass stands: a refusal judges it, at the smallest
    ** angle of its own forces where that lies below the one it was laid out at */
    rc = Check_User_Spacings(std::fmin(alpha_prev, alpha_min), alpha_max, n_r);
    if (rc == 0) rc = Fit_Rows(&p, n_r);
    if (rc == 0) rc = Check_Side_Polar_Moments();
    /* what the fastener's design refuses, before a check could show it without capacity */
    if (rc == 0)
        rc = Name_Short_Point(Name_Thin_Design_Member(Name_Split_Member(Check_First_Design())));
    if (rc != 0) fp->refusal.laid_out = 1;
    return rc;
}

int Refusal_Used(double v[REFUSAL_SPACINGS])
{
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    const int also = std::min((int)fp->refusal_also_count, REFUSAL_ALSO_MAX);
    int used = 0;
    for (int i = -1; i < also; i++) {
        const Spacing_Refusal *r = i < 0 ? &fp->refusal : &fp->refusal_also[i];
        for (int k = 0; k < REFUSAL_SPACINGS; k++)
            if (r->used & (1 << k)) {
                v[k] = r->spacing[k];
                used |= 1 << k;
            }
    }
    return used;
}
