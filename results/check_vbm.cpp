/*
** Fastener design of one combination: every fastener with its own resultant, the effective
** number of fasteners in a row (EN 1995-1-1, 8.3.1.1(8), 8.5.1.1(4), 8.9(2)), the penetration
** of nails, screws and staples, the rows of the force table and, for toothed-plate connectors,
** the tension check of their bolts (check_vbm_bolts.cpp). The section "Verbindungsmittel" is
** written by check_vbm_print.cpp. Forces in kN, mm for fasteners.
*/
#include "results/splice_checks.h"
#include "results/check_vbm_print.h"
#include "results/run_cache.h"

#include <cmath>
#include <algorithm>
#include <cstring>
#include <vector>

#include "design/design.h"
#include "foundation/foundation.h"


/* ---------------------------------------------------------------- effective numbers */

/* Fasteners in the fullest row (parallel to the grain) of the current type. A staggered layout
** of n_c columns places n_c fasteners in its outer rows and every other one, n_c - 1 in the rows
** between, each row at the spacing a1 of the columns it holds; two groups per half hold n_c / 2
** columns each, and a row runs through both groups (EN 1995-1-1, 8.5.1.1(4)): every layout's
** fullest row holds n_c, as a row of the regular layout does. */
static int Row_Count(void) { return (int)std::lround(Splice_N_Col(&Splice_Input)); }

double Vbm_Row_Spacing(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int t = si->vbm_type;
    const bool staggered = t >= VBM_TYPE_FIRST && t <= VBM_TYPE_LAST
                           && si->layout[VBM_TYPE_SLOT(t)] == LAYOUT_STAGGERED;
    return staggered ? si->p1 / 2.0 : si->p1;
}

/* The smallest of the n_f force-to-grain angles ang (rad), in degrees; 90 at most. */
static double Smallest_Angle_Deg(const double *ang, int n_f)
{
    double a_min = M_PI / 2.0;
    for (int i = 0; i < n_f; i++) a_min = std::fmin(a_min, ang[i]);
    return a_min * 180.0 / M_PI;
}

/* Fasteners in a row of the current type and the smallest force-to-grain angle of the
** combination over the pattern (degrees). */
static int Row_Count_And_Angle(int group, int entry, double *alpha_min_deg)
{
    const int n_f = Fastener_Pattern.count;
    static double ang[PATTERN_MAX];
    Get_Fastener_Forces_All(group, entry, n_f, nullptr, nullptr, nullptr, nullptr, ang);
    *alpha_min_deg = Smallest_Angle_Deg(ang, n_f);
    return Row_Count();
}

/* n_ef of k nails in a row (EN 1995-1-1, 8.3.1.1(8)) with spacing a1 (mm). */
static double Nail_N_Ef(int k, double a1_mm)
{
    return Calc_Vbm_N_Ef(Splice_Input.d, Splice_Input.predrilled, k, a1_mm);
}

/* n_ef of k bolts or dowels in a row (EN 1995-1-1, 8.5.1.1(4)), spacing a1 (mm), angle a
** (degrees). */
static double Bolt_N_Ef(int k, double a1_mm, double a_deg)
{
    return Calc_Bolt_N_Ef(Splice_Input.d, k, a1_mm, a_deg);
}

/* n_ef of the k bolts of toothed-plate connectors in a row: a bolt keeps its own effective number
** (EN 1995-1-1, 8.10(1) sends the bolts to 8.5, so 8.5.1.1(4)), spacing a1 (mm), angle a
** (degrees). */
static double Connector_Bolt_N_Ef(int k, double a1_mm, double a_deg)
{
    return Calc_Bolt_N_Ef(Get_Connector_Bolt_Diameter(), k, a1_mm, a_deg);
}

/* n_ef of k connectors in a row (EN 1995-1-1, 8.9(2)) at angle a (degrees); k below three. */
static double Connector_N_Ef(int k, double a_deg)
{
    return k < 3 ? (double)k : Calc_Connector_N_Ef(k, a_deg);
}

/* n_ef of a row of nails (EN 1995-1-1, 8.3.1.1(8)) with spacing a1 (mm). */
double Get_Nail_Row_N_Ef(int group, int entry, double a1_mm, int *n, double *alpha_min)
{
    double a = 0.0;
    const int k = Row_Count_And_Angle(group, entry, &a);
    if (n) *n = k;
    if (alpha_min) *alpha_min = a;
    return Nail_N_Ef(k, a1_mm);
}

/* n_ef of a row of bolts or dowels (EN 1995-1-1, 8.5.1.1(4)) with spacing a1 (mm). */
double Get_Bolt_Row_N_Ef(int group, int entry, double a1_mm, int *n, double *alpha_min)
{
    double a = 0.0;
    const int k = Row_Count_And_Angle(group, entry, &a);
    if (n) *n = k;
    if (alpha_min) *alpha_min = a;
    return Bolt_N_Ef(k, a1_mm, a);
}

/* n_ef of a row of connectors (EN 1995-1-1, 8.9(2)); n itself below three. */
double Get_Connector_Row_N_Ef(int group, int entry, int *n, double *alpha_min)
{
    double a = 0.0;
    const int k = Row_Count_And_Angle(group, entry, &a);
    if (n) *n = k;
    if (alpha_min) *alpha_min = a;
    return Connector_N_Ef(k, a);
}

/* ---------------------------------------------------------------- one fastener */

/* What the design of one fastener gives at one force-to-grain angle. */
typedef struct Vbm_Design {
    double alpha_deg;
    double rd, rk, f_red, fh;
    double fu, my_rk, fh1, fh2, t_req_1, t_req_2, kmod, gamma, r_ax; /* as Vbm_Row */
    double rope_rk, my_f, t_s;                                       /* as Vbm_Row */
    double c_p, rk_thin, rk_thick;                                   /* as Vbm_Row */
    Vbm_Screw_Axial axial;                                           /* as Vbm_Row */
    Vbm_Bolt_Axial bolt_axial;                                       /* as Vbm_Row */
    int32_t mode;
    int32_t mode_thin; /* the thin-plate mode interpolated with mode (23 to 29), else 0 */
    int code;
    int32_t pending;             /* placed by its angle, not designed yet */
    int32_t lamellas;            /* 1: rd and rk are the means over lamellas of two kinds */
    int32_t incompatible;        /* 1: their modes may not be summed, the smallest holds */
    double rd_floor;             /* the smallest plane's rd (and a connector's share) */
    double rd_connector;         /* of rd a toothed-plate connector's part, the rest its bolt's */
    double rk_connector;         /* of rk the connector's part */
    double gamma_connector;      /* gamma_M of the connector's part */
    double rk_outer;             /* kN per plane of an outer lamella */
    Between_Plates_Result inner; /* a plane of a lamella between two plates */
} Vbm_Design;

/* Lamellas between two plates of a connection with inner plates: their count, 0 without. */
static int Inner_Lamellas(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    if (si->connection_kind != CONN_INNER_PLATES) return 0;
    const int n = (int)si->plate_count;
    return n >= 2 ? n - 1 : 0;
}

/*
** Whether the resistances of the planes of an outer lamella in mode outer and of an inner lamella
** b may be summed (EN 1995-1-1, 8.1.3(2)): the governing modes must all be modes without a yield
** hinge or all with one; each mode of an interpolation between thin and thick plates counts.
*/
static bool Lamella_Modes_Compatible(int outer, const Between_Plates_Result *b)
{
    int modes = 0, embedment = 0;
    for (int m : {outer, (int)b->mode_thin, (int)b->mode_thick}) {
        if (m <= 0) continue;
        modes++;
        embedment += Is_Mode_Embedment_Only(m);
    }
    return embedment == 0 || embedment == modes;
}

/*
** With two or more inner plates the design of the connection gives the plane of an outer lamella
** beside one plate; a lamella between two plates is the central member of a steel-timber-steel
** connection (EN 1995-1-1, (8.12), (8.13)). The fastener's capacity is the sum of its planes'
** (8.1.3): per plane the mean of two outer planes and two planes of each inner lamella. Under
** EN 1995 the sum needs compatible modes (8.1.3(2)); where they are not, every plane takes the
** smallest plane's resistance.
*/
/* A value per plane of the fastener from that of an outer lamella's plane and that of an inner
** lamella's (inner lamellas between two plates): the mean of the planes, or the smaller where
** their modes may not be summed. */
static double Lamella_Plane_Value(double outer, double inner_value, int inner, bool incompatible)
{
    if (incompatible) return std::fmin(outer, inner_value);
    return (2.0 * outer + 2.0 * inner * inner_value) / (2.0 + 2.0 * inner);
}

static void Take_Inner_Lamellas(const Connection_Input *in, const Connection_Result *res,
                                Vbm_Design *out)
{
    const int inner = Inner_Lamellas();
    if (inner <= 0 || out->code != 0) return;
    if (!Design_Between_Plates(in, Calc_Timber_Part_Thickness() * 10.0, res, &out->inner)) return;
    out->lamellas = 1;
    out->rk_outer = res->rk_lateral;
    out->incompatible =
        Nad_Params != nullptr && !Lamella_Modes_Compatible(res->rule_char, &out->inner);
    out->rk = Lamella_Plane_Value(res->rk_lateral, out->inner.rk, inner, out->incompatible)
              + res->rk_connector;
    out->rd = Lamella_Plane_Value(res->rd_lateral, out->inner.rd, inner, out->incompatible)
              + res->rd_connector;
    out->rd_floor = std::fmin(res->rd_lateral, out->inner.rd) + res->rd_connector;
}

/*
** The parts of the axial capacity of an approved screw that the rule functions design: the
** withdrawal of the point side ax_point (f_ax over l_ef, N) and the thread in the head-side member
** ax_head, each capped by the screw's tensile capacity F_t, and the head's pull-through F_head
** (F_t beside a steel plate, which holds the head), as the rope effect takes them.
*/
static void Fill_Rule_Screw_Axial(Vbm_Screw_Axial *a, const Vbm_Rule_Input *rule, double F_t,
                                  double ax_head, double F_head, double ax_point, double f_ax,
                                  double l_ef)
{
    *a = Vbm_Screw_Axial{};
    if (Nad_Params == nullptr || !(rule->f_ax_rope > 0.0)) return;
    a->kind = VBM_AXIAL_RULES;
    a->d = Splice_Input.d;
    a->l_ef = l_ef;
    a->f_ax = f_ax;
    double rho = 0.0;
    Get_Rho_K(rule->mat2, rule->grade2, rule->t2, &rho, nullptr);
    a->rho = std::fmin(rho, 590.0);
    a->rho_ref = 350.0;
    a->F_t = F_t;
    a->F_point = std::fmin(F_t, ax_point);
    a->head_taken = Is_Mat_Metal_Plate(rule->mat1) ? 0 : 1;
    a->F_thread = std::fmin(F_t, ax_head);
    a->F_pull = F_head;
    a->F_head = std::fmax(a->F_thread, a->F_pull);
    a->k_n = 1.0;
}

/*
** Design one fastener of combination (group, entry) at the force-to-grain angle alpha_deg into
** *design. Its code is 0, the code of a design error, or the message of a broken limit of the
** screw rules (the fastener then has no resistance and counts as failed).
*/
static void Design_At_Angle(Connection_Input *in_out, Connection_Base *base, double alpha_deg,
                            Vbm_Design *design)
{
    Splice_Input_Record *si = &Splice_Input;
    Vbm_Design &out = *design;
    out = Vbm_Design{};
    out.alpha_deg = alpha_deg;
    Connection_Input &in = *in_out;
    in.alpha_1 = alpha_deg;
    in.alpha_2 = alpha_deg;
    Connection_Result res;
    const int type = si->vbm_type;
    if (!Is_Vbm_Screw_Family_C(type)) {
        /* The same design as Design_Connection(in) gives; the spacings are not needed here.
        ** A refused input leaves the result as it was. */
        if (base->code != 0) res = Connection_Result{};
        out.code = Design_Connection_At(base, alpha_deg, alpha_deg, 0, &res);
    } else {
        res = Connection_Result{};
        Vbm_Rule_Input rule;
        memset(&rule, 0, sizeof rule);
        Fill_Joint_Members(&rule, alpha_deg, alpha_deg);
        int message = 0, hint = 0;
        if (Check_Vbm_Limits(si->shear_planes, &rule, &message, &hint) != 0) {
            out.code = message != 0 ? message : 1;
            return;
        }
        const double F_t = Get_Vbm_Ftens_Rk(type, 0, si->d, si->stainless, si->vbm_steel, si->fu_k);
        double buckling[CONN_COMPRESSION_VALUES] = {};
        Calc_Screw_Buckling(/*mat=*/rule.mat2, /*grade=*/rule.grade2, /*type=*/type,
                            /*stainless=*/si->stainless, /*d=*/si->d, /*d1=*/si->d_2, /*t=*/rule.t2,
                            /*l=*/si->l, /*alpha=*/90.0, /*predrilled=*/si->predrilled,
                            /*out=*/buckling);
        double f_ax = 0, l_g = 0;
        int ax_code = 0;
        const double ax_head = Calc_Vbm_Axial_Value(/*type=*/type, /*unused=*/0,
                                                    /*layered=*/nullptr, /*mat=*/rule.mat1,
                                                    /*grade=*/rule.grade1,
                                                    /*fibre_saturated=*/si->green_timber,
                                                    /*resin_coated=*/si->resin_coated,
                                                    /*staple_angle=*/si->staple_angle,
                                                    /*unused_d=*/0.0, /*predrilled=*/si->predrilled,
                                                    /*predrill_core=*/si->predrill_core,
                                                    /*d=*/si->d, /*d1=*/si->d_2, /*t=*/rule.t1,
                                                    /*l_g=*/si->l_ef, /*x_a=*/0.0, /*x_e=*/rule.t1,
                                                    /*alpha=*/90.0, /*table=*/0, /*out_f_ax=*/&f_ax,
                                                    /*out_l=*/&l_g, /*out_code=*/&ax_code);
        const double ax_point = Calc_Vbm_Axial_Value(/*type=*/type, /*unused=*/0,
                                                     /*layered=*/nullptr, /*mat=*/rule.mat2,
                                                     /*grade=*/rule.grade2,
                                                     /*fibre_saturated=*/si->green_timber,
                                                     /*resin_coated=*/si->resin_coated,
                                                     /*staple_angle=*/si->staple_angle,
                                                     /*unused_d=*/0.0,
                                                     /*predrilled=*/si->predrilled,
                                                     /*predrill_core=*/si->predrill_core,
                                                     /*d=*/si->d, /*d1=*/si->d_2, /*t=*/rule.t2,
                                                     /*l_g=*/si->l_ef, /*x_a=*/rule.t1,
                                                     /*x_e=*/si->l, /*alpha=*/90.0, /*table=*/0,
                                                     /*out_f_ax=*/&f_ax, /*out_l=*/&l_g,
                                                     /*out_code=*/&ax_code);
        double F_ax = F_t;
        if (!Is_Mat_Metal_Plate(rule.mat1)) {
            double f_head = 0;
            int head_code = 0;
            F_ax = Calc_Fax_Rk(/*type=*/type, /*mat=*/rule.mat1, /*grade=*/rule.grade1,
                               /*t=*/rule.t1, /*head_form=*/rule.head_form, /*d=*/si->d,
                               /*D=*/si->washer ? si->washer_d : si->d_k, /*d1=*/si->d_2,
                               /*washer=*/si->washer, /*fibre_saturated=*/si->green_timber,
                               /*unused=*/0, /*staple_angle=*/si->staple_angle,
                               /*out_f_head=*/&f_head, /*out_code=*/&head_code);
        }
        rule.f_ax_rope =
            std::fmin(std::fmax(std::fmin(F_t, ax_head), F_ax), std::fmin(F_t, ax_point));
        out.r_ax = rule.f_ax_rope / 1000.0;
        Fill_Rule_Screw_Axial(&out.axial, &rule, F_t, ax_head, F_ax, ax_point, f_ax, l_g);
        Vbm_Rule_Result rr{};
        Calc_Fv_Rk(&rule, si->shear_planes >= 2 ? 2 : 1, &rr);
        Calc_Vbm_Spacings_Rec(/*mat=*/rule.mat1, /*grade=*/rule.grade1, /*t=*/rule.t1,
                              /*type=*/type, /*d=*/si->d, /*theta=*/90.0,
                              /*predrilled=*/si->predrilled, /*fitted=*/si->fitted_bolt,
                              /*douglas=*/si->douglas, /*split_rule=*/si->split_rule,
                              /*screw_predrilled=*/si->predrill_core, /*alpha=*/alpha_deg,
                              /*out=*/res.spacing_1);
        Calc_Vbm_Spacings_Rec(/*mat=*/rule.mat2, /*grade=*/rule.grade2, /*t=*/rule.t2,
                              /*type=*/type, /*d=*/si->d, /*theta=*/90.0,
                              /*predrilled=*/si->predrilled, /*fitted=*/si->fitted_bolt,
                              /*douglas=*/si->douglas, /*split_rule=*/si->split_rule,
                              /*screw_predrilled=*/si->predrill_core, /*alpha=*/alpha_deg,
                              /*out=*/res.spacing_2);
        /* kmod per member unless a preset value is given; a metal plate takes the other
        ** member's value */
        in.kmod_by_member = in.kmod_by_member != 0 || in.kmod_given < 1e-7;
        Get_Member_Kmod(&in, &res);
        Copy_Vbm_Results(&res, &rr, 1);
    }
    out.rd = res.rd_total > 0.0 ? res.rd_total : res.rd_lateral;
    out.rk = res.rk_total > 0.0 ? res.rk_total : res.rk_lateral;
    out.f_red = res.k_red;
    out.mode = res.rule_char;
    if (Plate_Thick_Mode(out.mode) != out.mode) out.mode_thin = res.rule_thin;
    /* the fu of the characteristic yield moment printed beside it */
    out.fu = res.fu_rk > 0.0 ? res.fu_rk : res.fu_used;
    out.my_rk = res.my_rk;
    if (!Is_Vbm_Screw_Family_C(type)) {
        out.r_ax = res.r_ax;
        Fill_Vbm_Screw_Axial(&out.axial, &in, &res);
        Fill_Vbm_Bolt_Axial(&out.bolt_axial, &in, &res);
    }
    out.rope_rk = res.rope_rk;
    out.c_p = res.c_p;
    out.rk_thin = res.rk_plate_thin;
    out.rk_thick = res.rk_plate_thick;
    out.my_f = res.my_f_rk;
    out.t_s = res.t_s;
    out.fh1 = res.fh1_k;
    out.fh2 = res.fh2_k;
    out.t_req_1 = res.t_req_1;
    out.t_req_2 = res.t_req_2;
    out.kmod = std::sqrt(res.kmod_1 * res.kmod_2);
    out.gamma = res.gamma_lateral;
    if (!Is_Vbm_Screw_Family_C(type)) {
        out.rd_connector = res.rd_connector;
        out.rk_connector = res.rk_connector;
        out.gamma_connector = res.gamma_connector;
    }
    if (!Is_Vbm_Screw_Family_C(type)) Take_Inner_Lamellas(&in, &res, &out);
    /* side timbers: the smaller of both members; beside a steel plate the timber member's
    ** (member 1 beside an inner plate); a lap: member 2 */
    if (si->connection_kind == CONN_SIDE_TIMBERS) out.fh = std::fmin(res.fh1_k, res.fh2_k);
    else if (Is_Mat_Metal_Plate(in.mat_2)) out.fh = res.fh1_k;
    else out.fh = res.fh2_k;
}

/* Designs of one combination, kept by angle: fasteners at the same angle share one design.
** The connection input of the combination is filled once and the part of its design that
** does not depend on the angle is run once; only the angles change. A design run owns one
** (Open_Vbm_Design_Run); a check outside a run uses the loose one. */
#define BOUND_STEP   5.0 /* degrees between the angles of the bounds */
#define BOUND_ANGLES 19  /* 0 to 90 degrees */

struct Vbm_Design_Cache {
    std::vector<Vbm_Design> items; /* in the order they were designed */
    std::vector<int32_t> by_angle; /* indices of items, ascending by angle */
    bool filled = false;
    int group = -1, entry = -1; /* the combination filled in */
    Connection_Input input;
    Connection_Base base;
    bool base_kept = false;            /* base may serve the next combination */
    Connection_Input base_input;       /* input of the base, angles 0 */
    bool falls_known = false;          /* falls and rd_at are those of the base */
    bool falls = false;                /* its design resistance falls with the angle */
    double rd_at[BOUND_ANGLES] = {};   /* its design resistance at 0, 5, .. 90 degrees */
    std::vector<int32_t> item_of;      /* per fastener: its item (Governing_By_Bound) */
    std::vector<double> alpha_of;      /* per fastener: its angle, degrees */
    std::vector<double> bound_of;      /* per fastener: the bound of its utilisation */
    Vbm_Design_Cache *outer = nullptr; /* the cache of the run around this one */
    long designs = 0;                  /* fastener designs made (Vbm_Designs_Made) */
};
typedef Vbm_Design_Cache Design_Cache;

static Design_Cache Loose_Designs;
static Design_Cache *Run_Designs = nullptr; /* the open run's, or null */

/* Whether the cache is the open run's: only there a base may serve the next combination. */
static bool In_Open_Run(const Design_Cache *cache) { return cache == Run_Designs; }

/* Forget the designs of a combination (the base is kept only within an open run). */
static void Clear_Design_Cache(Design_Cache *cache)
{
    cache->items.clear();
    cache->by_angle.clear();
    cache->filled = false;
    if (!In_Open_Run(cache)) cache->base_kept = false;
}

Vbm_Design_Cache *Open_Vbm_Design_Run(void)
{
    Design_Cache *cache = new Design_Cache();
    cache->outer = Run_Designs;
    Run_Designs = cache;
    return cache;
}

void Close_Vbm_Design_Run(Vbm_Design_Cache *cache)
{
    if (cache == nullptr) return;
    if (Run_Designs == cache) Run_Designs = cache->outer;
    delete cache;
}

long Vbm_Designs_Made(const Vbm_Design_Cache *cache)
{
    return (cache != nullptr ? cache : &Loose_Designs)->designs;
}

/* The angle-independent part of the design of the cache's input: taken over within an open run
** when the input (its angles aside) is bitwise that of the kept base, else designed. */
static void Design_Base_Of_Input(Design_Cache *cache)
{
    Connection_Input probe;
    std::memcpy(&probe, &cache->input, sizeof probe);
    probe.alpha_1 = 0.0;
    probe.alpha_2 = 0.0;
    if (In_Open_Run(cache) && cache->base_kept
        && std::memcmp(&probe, &cache->base_input, sizeof probe) == 0)
        return;
    Design_Connection_Base(&cache->input, &cache->base);
    cache->falls_known = false;
    std::memcpy(&cache->base_input, &probe, sizeof probe);
    cache->base_kept = In_Open_Run(cache);
}

/* The index of the first design (in design order) whose angle lies within 1e-9 degrees of
** alpha_deg, or -1. Only neighbours in angle order can lie that near: they are looked up in
** by_angle. */
static int32_t Find_Design(const Design_Cache *cache, double alpha_deg)
{
    if (std::isnan(alpha_deg)) return -1;
    const std::vector<Vbm_Design> &items = cache->items;
    /* A window a little wider than the tolerance; the test below is the exact one. */
    const double lo = alpha_deg - 2e-9, hi = alpha_deg + 2e-9;
    auto it = std::lower_bound(cache->by_angle.begin(), cache->by_angle.end(), lo,
                               [&](int32_t k, double v) { return items[(size_t)k].alpha_deg < v; });
    int32_t best = -1;
    for (; it != cache->by_angle.end() && !(items[(size_t)*it].alpha_deg > hi); ++it)
        if (std::fabs(items[(size_t)*it].alpha_deg - alpha_deg) <= 1e-9 && (best < 0 || *it < best))
            best = *it;
    return best;
}

/* Fill the connection input of combination (group, entry) and design the part of its design
** that does not depend on the angle; alpha_deg goes into the input (every design sets its own). */
static void Fill_Design_Cache(Design_Cache *cache, int group, int entry, double alpha_deg)
{
    const Lkom_Group *grp = &Splice_Input.lkom.groups[group];
    const Lkom_Entry *c = &grp->entries[entry];
    Fill_Vbm_Design_Input(&cache->input, grp->kled, alpha_deg, alpha_deg, Fastener_Pattern.count, 1,
                          Lkom_Accidental_Factors(c), grp->kmod_source, grp->kmod);
    if (!Is_Vbm_Screw_Family_C(Splice_Input.vbm_type)) Design_Base_Of_Input(cache);
    cache->items.reserve((size_t)Fastener_Pattern.count + 1);
    cache->filled = true;
    cache->group = group;
    cache->entry = entry;
}

/* The design of item k, designed now if it was only placed. */
static const Vbm_Design *Designed(Design_Cache *cache, int32_t k)
{
    Vbm_Design *d = &cache->items[(size_t)k];
    /* The design works on its own copy; only the angles of the kept input change, and the
    ** kmod switch of the screw rules is set the same way for every angle. */
    if (d->pending) {
        Design_At_Angle(&cache->input, &cache->base, d->alpha_deg, d);
        cache->designs++;
    }
    return d;
}

/* The item of the design at alpha_deg: a kept one within 1e-9 degrees, or a new one placed
** (not yet designed) after the others. */
static int32_t Design_Item(Design_Cache *cache, int group, int entry, double alpha_deg)
{
    const int32_t kept = Find_Design(cache, alpha_deg);
    if (kept >= 0) return kept;
    if (!cache->filled) Fill_Design_Cache(cache, group, entry, alpha_deg);
    const int32_t k = (int32_t)cache->items.size();
    cache->items.emplace_back();
    cache->items.back().alpha_deg = alpha_deg;
    cache->items.back().pending = 1;
    if (!std::isnan(alpha_deg)) {
        const std::vector<Vbm_Design> &items = cache->items;
        auto at =
            std::upper_bound(cache->by_angle.begin(), cache->by_angle.end(), alpha_deg,
                             [&](double v, int32_t j) { return v < items[(size_t)j].alpha_deg; });
        cache->by_angle.insert(at, k);
    }
    return k;
}

static const Vbm_Design *Cached_Design(Design_Cache *cache, int group, int entry, double alpha_deg)
{
    return Designed(cache, Design_Item(cache, group, entry, alpha_deg));
}

/* A bound is widened by this share: it covers the rounding of a design against another. */
#define BOUND_SLACK 1e-9

/* Whether the design resistance of the cache's base falls with the angle, and its values at
** the angles of the bounds (designed once per base). */
static void Bound_Resistances(Design_Cache *cache)
{
    double rd_90 = 0.0;
    cache->falls = Design_Connection_Falling(&cache->base, &rd_90) != 0;
    cache->falls_known = true;
    /* with lamellas between two plates the fastener's resistance is the mean of its planes,
    ** each of which falls with the angle as the embedment strength does: the floor is the mean
    ** at 90 degrees, the last of the bounds. Under EN 1995 the mean turns into the smallest
    ** plane where the planes' modes change apart (8.1.3(2)), and back, which need not fall: the
    ** bounds take the smallest plane, which does. */
    const bool mean = Inner_Lamellas() > 0;
    for (int k = 0; cache->falls && k < BOUND_ANGLES; k++) {
        Vbm_Design d;
        Design_At_Angle(&cache->input, &cache->base, BOUND_STEP * k, &d);
        cache->designs++;
        cache->rd_at[k] = d.lamellas && Nad_Params != nullptr ? d.rd_floor : d.rd;
        if (d.code != 0 || !(mean || d.rd >= rd_90)) cache->falls = false;
    }
    for (int k = 0; mean && cache->falls && k < BOUND_ANGLES; k++)
        if (!(cache->rd_at[k] >= cache->rd_at[BOUND_ANGLES - 1])) cache->falls = false;
}

/* The design resistance at the first angle of the bounds at or above alpha_deg (0 to 90): by
** the fall with the angle, no design at alpha_deg gives less (short of rounding). */
static double Bound_Resistance(const Design_Cache *cache, double alpha_deg)
{
    int k = (int)std::ceil(alpha_deg / BOUND_STEP);
    if (k < 0) k = 0;
    while (k < BOUND_ANGLES - 1 && BOUND_STEP * k < alpha_deg) k++;
    if (k > BOUND_ANGLES - 1) k = BOUND_ANGLES - 1;
    return cache->rd_at[k];
}

/*
** The governing fastener of combination (group, entry), the first of the largest utilisation
** u = F n / n_ef / R_d, without designing every fastener where the design resistance falls with
** the angle (Design_Connection_Falling): the resistance at the next angle of the bounds above a
** fastener's angle bounds its utilisation from above, and a fastener whose bound stays below the
** largest utilisation found is not designed. Every fastener takes the same design as when all
** are designed in turn (that of the first one within 1e-9 degrees). Fa, ang: forces (kN) and
** angles (rad) of the n_f fasteners. Return 1 with *first set, or 0 when the bound does not apply.
*/
static int Governing_By_Bound(Design_Cache *cache, int group, int entry, const double *Fa,
                              const double *ang, int n_f, int n_row, double n_ef, int *first)
{
    if (n_f <= 0 || !(n_ef > 0.0) || Is_Vbm_Screw_Family_C(Splice_Input.vbm_type)) return 0;
    if (!cache->filled) Fill_Design_Cache(cache, group, entry, ang[0] * 180.0 / M_PI);
    if (!cache->falls_known) Bound_Resistances(cache);
    if (!cache->falls) return 0;
    std::vector<int32_t> &item_of = cache->item_of;
    std::vector<double> &alpha = cache->alpha_of, &bound = cache->bound_of;
    item_of.assign((size_t)n_f, -1);
    alpha.resize((size_t)n_f);
    bound.resize((size_t)n_f);
    int i_max = -1; /* the first of the largest bound */
    for (int i = 0; i < n_f; i++) {
        alpha[(size_t)i] = ang[i] * 180.0 / M_PI;
        const double a = alpha[(size_t)i];
        if (!(a >= 0.0 && a <= 90.0) || !(Fa[i] >= 0.0) || !std::isfinite(Fa[i])) return 0;
        bound[(size_t)i] = Fa[i] * n_row / n_ef / Bound_Resistance(cache, a);
        if (i_max < 0 || bound[(size_t)i] > bound[(size_t)i_max]) i_max = i;
    }
    /* The item of fastener i. No fastener before it within 1e-9 degrees: its own design, placed
    ** when asked for (no other item placed lies that near). Else every fastener is placed in
    ** turn, as designing every fastener places them, and the items placed so far are dropped. */
    bool in_turn = false;
    const auto item = [&](int i) {
        if (item_of[(size_t)i] >= 0) return item_of[(size_t)i];
        bool alone = true;
        for (int j = 0; j < i && alone; j++)
            alone = !(std::fabs(alpha[(size_t)j] - alpha[(size_t)i]) <= 1e-9);
        if (!alone && !in_turn) {
            cache->items.clear();
            cache->by_angle.clear();
            for (int j = 0; j < n_f; j++)
                item_of[(size_t)j] = Design_Item(cache, group, entry, alpha[(size_t)j]);
            in_turn = true;
        }
        if (!in_turn) item_of[(size_t)i] = Design_Item(cache, group, entry, alpha[(size_t)i]);
        return item_of[(size_t)i];
    };
    double best = -1.0;
    int best_i = -1;
    /* u of fastener i, the first of the largest kept; false for a design with a code */
    const auto consider = [&](int i) {
        const Vbm_Design *des = Designed(cache, item(i));
        if (des->code != 0) return false;
        const bool none = !(des->rd > 0.0 && n_ef > 0.0);
        const double u = Shown_Util(none, none ? 0.0 : Fa[i] * n_row / n_ef / des->rd);
        if (u > best || (u == best && i < best_i)) {
            best = u;
            best_i = i;
        }
        return true;
    };
    /* without a result the items go: designing every fastener places them in its own order */
    const auto give_up = [&]() {
        cache->items.clear();
        cache->by_angle.clear();
        return 0;
    };
    if (!consider(i_max)) return give_up();
    for (int i = 0; i < n_f; i++) {
        if (i == i_max) continue;
        if (bound[(size_t)i] * (1.0 + BOUND_SLACK) < best) continue;
        if (!consider(i)) return give_up();
    }
    if (best_i < 0) return give_up();
    *first = best_i;
    return 1;
}

/*
** The design resistance of one fastener of a row of n_row with the effective number n_ef,
** R_d n_ef / n; of a toothed-plate connector (n_ef_bolt > 0) the connector's part with n_ef
** (EN 1995-1-1, 8.9(2)) and its bolt's part with the bolt's own n_ef_bolt (8.10(1), 8.5.1.1(4)).
*/
static double Row_Rd(const Vbm_Design *d, int n_row, double n_ef, double n_ef_bolt)
{
    if (n_ef_bolt > 0.0 && n_row > 0)
        return (d->rd_connector * n_ef + (d->rd - d->rd_connector) * n_ef_bolt) / n_row;
    return n_row > 0 ? d->rd / n_row * n_ef : d->rd;
}

/* The utilisation F n / n_ef / R_d of a fastener with the force F (kN), by Row_Rd where the
** bolts of toothed-plate connectors take their own effective number. */
static double Row_Util(double F, const Vbm_Design *d, int n_row, double n_ef, double n_ef_bolt)
{
    if (n_ef_bolt > 0.0 && n_row > 0) return F / Row_Rd(d, n_row, n_ef, n_ef_bolt);
    return F * n_row / n_ef / d->rd;
}

/*
** Forces and design of fastener i of combination (group, entry); u = F n / n_ef / R_d with n
** the fasteners of the row (no_capacity without a resistance), the bolts of toothed-plate
** connectors with their own n_ef_bolt. Return 0 or the code of the design.
*/
static int Design_One(Design_Cache *cache, int group, int entry, int i, int n_row, double n_ef,
                      double n_ef_bolt, Vbm_Row *row)
{
    const int n_f = Fastener_Pattern.count;
    double Np = 0, Vp = 0, Mp = 0, Mx = 0, My = 0, Fx = 0, Fy = 0, F = 0, a = 0;
    Get_Fastener_Force(/*group=*/group, /*entry=*/entry, /*i=*/i, /*n=*/n_f, /*N_part=*/&Np,
                       /*V_part=*/&Vp, /*M_part=*/&Mp, /*M_x=*/&Mx, /*M_y=*/&My, /*F_x=*/&Fx,
                       /*F_y=*/&Fy, /*F=*/&F, /*angle=*/&a);
    *row = Vbm_Row{};
    row->F_M = Mp;
    row->F_MH = Mx;
    row->F_MV = My;
    row->F_totH = Fx;
    row->F_totV = Fy;
    row->F_tot = F;
    row->alpha_deg = a * 180.0 / M_PI;
    const Vbm_Design *d = Cached_Design(cache, group, entry, row->alpha_deg);
    row->R_k = d->rk;
    row->R_d = Row_Rd(d, n_row, n_ef, n_ef_bolt);
    row->f_red = d->f_red;
    row->mode = d->mode;
    row->mode_thin = d->mode_thin;
    /* the design's own mode is an outer lamella's beside one plate; where the planes take the
    ** smaller value and that is an inner lamella's (EN 1995-1-1, (8.12), (8.13)), its mode is
    ** the one of R_k */
    if (d->lamellas && d->incompatible && d->inner.rk < d->rk_outer) {
        row->lamella_mode = d->inner.mode;
        row->lamella_mode_thin = d->inner.mode_thin;
    }
    row->fh = d->fh;
    row->fu = d->fu;
    row->my_rk = d->my_rk;
    row->fh1 = d->fh1;
    row->fh2 = d->fh2;
    row->t_req_1 = d->t_req_1;
    row->t_req_2 = d->t_req_2;
    row->kmod = d->kmod;
    row->gamma = d->gamma;
    row->rd_single = d->rd;
    row->rd_connector = d->rd_connector;
    row->rk_connector = d->rk_connector;
    row->gamma_connector = d->gamma_connector;
    row->r_ax = d->r_ax;
    row->rope_rk = d->rope_rk;
    row->c_p = d->c_p;
    row->axial = d->axial;
    row->bolt_axial = d->bolt_axial;
    row->rk_thin = d->rk_thin;
    row->rk_thick = d->rk_thick;
    row->my_f = d->my_f;
    row->t_s = d->t_s;
    row->no_capacity = !(d->rd > 0.0 && n_ef > 0.0 && row->R_d > 0.0);
    row->u = row->no_capacity ? 0.0 : Row_Util(F, d, n_row, n_ef, n_ef_bolt);
    return d->code;
}

/* ---------------------------------------------------------------- computing the check */

/* The share of N_d and V_d of one fastener and shear plane, the kmod of the connection. */
static void Calc_Vbm_Head(int group, int entry, const Lkom_Entry *c, Vbm_Check *r)
{
    const Splice_Input_Record *si = &Splice_Input;
    r->bending = si->splice_kind == SPLICE_BENDING;
    r->N_d = c->N_d;
    r->V_d = c->V_d;
    r->M_d = c->M_d;
    r->M_left_out = Moment_Left_Out(c->M_d);
    r->M_distr = c->M_distr;
    r->e_x = si->e_x;
    r->shear_planes = si->shear_planes;
    r->n_f = Fastener_Pattern.count;
    r->side_governs = Vbm_Load_Sharing(r->n_f, &r->share_n, &r->share_planes);
    /* the sides' own shares are printed where they change a force */
    r->sides = Get_Side_Shares(group, entry, r->n_f, r->side)
               && (r->side[0].pattern.n != r->side[1].pattern.n || r->side[0].M > 0.0
                   || r->side[1].M > 0.0);
    Get_Fastener_Force(/*group=*/group, /*entry=*/entry, /*i=*/-1, /*n=*/r->n_f, /*N_part=*/&r->F_H,
                       /*V_part=*/&r->F_V, /*M_part=*/nullptr, /*M_x=*/nullptr, /*M_y=*/nullptr,
                       /*F_x=*/nullptr, /*F_y=*/nullptr, /*F=*/nullptr, /*angle=*/nullptr);
    Get_Group_Kmod(group, &r->kmod_2, &r->kmod_1, &r->kmod);
}

int Vbm_N_Ef_Rule(void)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int type = si->vbm_type;
    const double d = si->d;
    if (Is_Vbm_Connector(type)) return VBM_NEF_CONNECTOR;
    if (Is_Vbm_Dowel_Or_Bolt(type)) return VBM_NEF_BOLT;
    if (Is_Vbm_Nail(type)) return VBM_NEF_NAIL;
    if (Nad_Params == nullptr)
        return Is_Vbm_Nail_Screw_Or_Staple(type) && d > 6.0 ? VBM_NEF_NAIL : 0;
    if (Is_Vbm_Screw(type) || type == VBM_KLAMMER) return d <= 6.0 ? VBM_NEF_NAIL : VBM_NEF_BOLT;
    return 0;
}

/* The spacing a1 (mm) along the row that the rule of the effective number takes. */
static double N_Ef_A1(int rule)
{
    const Splice_Input_Record *si = &Splice_Input;
    if (rule == VBM_NEF_NAIL) return Vbm_Row_Spacing() * (si->offset_1d ? 20.0 : 10.0);
    return rule == VBM_NEF_BOLT ? Vbm_Row_Spacing() * 10.0 : 0.0;
}

double Vbm_Row_N_Ef(double alpha_deg, int *n)
{
    const int rule = Vbm_N_Ef_Rule();
    const int k = Row_Count();
    if (n) *n = k;
    const double a1 = N_Ef_A1(rule);
    return rule == VBM_NEF_NAIL        ? Nail_N_Ef(k, a1)
           : rule == VBM_NEF_BOLT      ? Bolt_N_Ef(k, a1, alpha_deg)
           : rule == VBM_NEF_CONNECTOR ? Connector_N_Ef(k, alpha_deg)
                                       : (double)k;
}

/*
** The effective number of fasteners in a row and the line that reports it, by the rule of
** Vbm_N_Ef_Rule. ang: the force-to-grain angles of the n_f fasteners (rad).
*/
static void Calc_Vbm_N_Ef(const double *ang, int n_f, Vbm_Check *r)
{
    const int rule = Vbm_N_Ef_Rule();
    r->n_row = 1;
    r->n_ef = 1.0;
    r->n_ef_line_count = 0;
    if (rule == 0) return;
    Vbm_N_Ef_Line &l = r->n_ef_lines[r->n_ef_line_count++];
    l.rule = rule;
    l.alpha_min = Smallest_Angle_Deg(ang, n_f);
    l.a1 = N_Ef_A1(rule);
    l.with_a1 = rule != VBM_NEF_CONNECTOR && !(Splice_N_Col(&Splice_Input) < 2);
    l.n_ef = Vbm_Row_N_Ef(l.alpha_min, &l.n);
    r->n_row = l.n;
    r->n_ef = l.n_ef;
    r->n_ef_bolt = 0.0;
    if (!Is_Vbm_Toothed_Plate(Splice_Input.vbm_type)) return;
    /* the bolts of toothed-plate connectors keep their own n_ef, at the connectors' spacing */
    Vbm_N_Ef_Line &b = r->n_ef_lines[r->n_ef_line_count++];
    b = l;
    b.rule = VBM_NEF_BOLT;
    b.bolt = 1;
    b.a1 = Vbm_Row_Spacing() * 10.0;
    b.with_a1 = !(Splice_N_Col(&Splice_Input) < 2);
    b.n_ef = Connector_Bolt_N_Ef(b.n, b.a1, b.alpha_min);
    r->n_ef_bolt = b.n_ef;
}

/* Where a nail, screw or staple ends (VBM_PEN_*) and its penetration t (mm) into the member of
** its point, as the design takes it: through the members the design joins (Get_Joint_Members: a
** steel plate, not the side-timber field, beside outer plates, the halves of a lap), in the
** design's penetration case (Vbm_Own_Shear_Planes: double shear where the point holds in the far
** side member), whatever the pattern's count of shear planes per position. */
int32_t Get_Vbm_Penetration(double *t)
{
    const Splice_Input_Record *si = &Splice_Input;
    const int type = si->vbm_type, m = Vbm_Own_Shear_Planes();
    Joint_Members jm;
    Get_Joint_Members(&jm);
    double rho_1 = 0, rho_2 = 0;
    if (!Is_Mat_Metal_Plate(jm.mat_1)) Get_Rho_K(jm.mat_1, jm.grade_1, jm.t1, &rho_1, nullptr);
    if (!Is_Mat_Metal_Plate(jm.mat_2)) Get_Rho_K(jm.mat_2, jm.grade_2, jm.t2, &rho_2, nullptr);
    int member = 0;
    const int pc = Calc_T_Req_Reduction(/*type=*/type, /*fu=*/Get_Fastener_Fu_K(),
                                        /*kind=*/m == 2 ? 2 : 1, /*d=*/si->d, /*length=*/si->l,
                                        /*axis_angle=*/90.0, /*predrilled=*/si->predrilled,
                                        /*variant=*/si->stainless, /*fitted=*/si->fitted_bolt,
                                        /*t1=*/jm.t1, /*t2=*/jm.t2, /*rho1=*/rho_1,
                                        /*rho2=*/rho_2, /*mat1=*/jm.mat_1, /*mat2=*/jm.mat_2,
                                        /*g1=*/jm.grade_1, /*g2=*/jm.grade_2,
                                        /*user1=*/nullptr, /*user2=*/nullptr, /*out_penetration=*/t,
                                        /*out_member=*/&member, /*out_k=*/nullptr,
                                        /*out_t1_req=*/nullptr, /*out_t2_req=*/nullptr);
    const int kind = si->connection_kind;
    const bool side_or_outer = kind == CONN_SIDE_TIMBERS || kind == CONN_OUTER_PLATES;
    if (pc == 0) return VBM_PEN_ENDS_IN_SIDE;
    if (pc == 4 && m == 1 && side_or_outer) return VBM_PEN_TOO_SHORT;
    if (pc == 4) return VBM_PEN_TOO_LONG;
    if (pc == 3 && side_or_outer) return VBM_PEN_FAR_MEMBER;
    if (side_or_outer && !Vbm_Driven_From_Both_Sides()) return VBM_PEN_ALTERNATE;
    if (side_or_outer) return VBM_PEN_TWO_SIDED;
    if (kind == CONN_LAP) return VBM_PEN_LAP;
    return VBM_PEN_UNDEFINED;
}

/*
** Design the rows of the check: the governing fastener only (the first of the largest, a
** fastener without resistance counting UTIL_NO_CHECK) when not every fastener is printed, else
** the first n_print fasteners. Fa, ang: forces (kN) and angles (rad) of all fasteners.
*/
/* Where N_d alone loads the fasteners, every fastener carries the same force but where each
** side's fasteners carry their own share (Vbm_Side_Patterns): then the first fastener of the side
** with fewer, whose share is larger; else 0. */
static int Uniform_Share_First(void)
{
    const int n_f = Fastener_Pattern.count;
    Vbm_Side sp[2];
    if (!Vbm_Side_Patterns(n_f, sp) || sp[0].n == sp[1].n) return 0;
    const int fewer = sp[0].n < sp[1].n ? 0 : 1;
    for (int i = 0; i < n_f; i++)
        if (Vbm_Driven_Side(i) == fewer) return i;
    return 0;
}

static void Calc_Vbm_Rows(int group, int entry, int n_print, const double *Fa, const double *ang,
                          Vbm_Check *r)
{
    const int n_f = r->n_f;
    Design_Cache &cache = Run_Designs != nullptr ? *Run_Designs : Loose_Designs;
    Clear_Design_Cache(&cache);
    r->u_max = 0.0;
    r->first = 0;
    r->governing = -1;
    if (Splice_Input.print.fasteners == 0 && n_print > 1) {
        /* the bound takes one effective number for the whole resistance: not for the two of a
        ** toothed-plate connector and its bolt */
        if (r->n_ef_bolt > 0.0
            || !Governing_By_Bound(&cache, group, entry, Fa, ang, n_f, r->n_row, r->n_ef,
                                   &r->first)) {
            double best = -1.0;
            for (int i = 0; i < n_f; i++) {
                const Vbm_Design *des = Cached_Design(&cache, group, entry, ang[i] * 180.0 / M_PI);
                if (des->code != 0) r->error = des->code;
                const bool none = !(des->rd > 0.0 && r->n_ef > 0.0
                                    && Row_Rd(des, r->n_row, r->n_ef, r->n_ef_bolt) > 0.0);
                const double u = Shown_Util(
                    none, none ? 0.0 : Row_Util(Fa[i], des, r->n_row, r->n_ef, r->n_ef_bolt));
                if (u > best) {
                    best = u;
                    r->first = i;
                }
            }
        }
        r->rows.assign(1, Vbm_Row{});
        Design_One(&cache, group, entry, r->first, r->n_row, r->n_ef, r->n_ef_bolt, &r->rows[0]);
        const double u = Shown_Util(r->rows[0].no_capacity, r->rows[0].u);
        r->u_max = std::fmax(u, 0.0);
        if (u > 0.0) r->governing = r->first;
    } else {
        /* one row of equal forces: the first fastener of the side with the larger share */
        r->first = n_print == 1 ? Uniform_Share_First() : 0;
        r->rows.assign((size_t)n_print, Vbm_Row{});
        for (int k = 0; k < n_print; k++) {
            const int i = r->first + k;
            const int code = Design_One(&cache, group, entry, i, r->n_row, r->n_ef, r->n_ef_bolt,
                                        &r->rows[(size_t)k]);
            if (code != 0) r->error = code;
            const double u = Shown_Util(r->rows[(size_t)k].no_capacity, r->rows[(size_t)k].u);
            if (u > r->u_max) {
                r->u_max = u;
                r->governing = i;
            }
        }
    }
}

/* The planes of the lamellas at the angle of the governing fastener (the first row without one). */
static void Calc_Vbm_Lamellas(int group, int entry, Vbm_Check *r)
{
    if (Inner_Lamellas() <= 0 || r->rows.empty()) return;
    size_t k = 0;
    if (r->rows.size() > 1 && r->governing >= 0 && (size_t)r->governing < r->rows.size())
        k = (size_t)r->governing;
    const double alpha = r->rows[k].alpha_deg;
    Design_Cache &cache = Run_Designs != nullptr ? *Run_Designs : Loose_Designs;
    const Vbm_Design *d = Cached_Design(&cache, group, entry, alpha);
    if (!d->lamellas) return;
    Vbm_Lamella_Planes &l = r->lamellas;
    l.done = 1;
    l.inner_lamellas = Inner_Lamellas();
    l.planes = 2 + 2 * l.inner_lamellas;
    l.t = Calc_Timber_Part_Thickness() * 10.0;
    l.alpha_deg = alpha;
    l.rk_outer = d->rk_outer;
    l.mode_outer = d->mode;
    l.inner = d->inner;
    l.incompatible = d->incompatible;
    l.rk_mean =
        Lamella_Plane_Value(d->rk_outer, d->inner.rk, l.inner_lamellas, l.incompatible != 0);
}


int Connector_Bolts_Checked_In_Tension(void)
{
    /* every toothed plate whatever was chosen: the two-sided ones, the single-sided ones in pairs
    ** between two timbers, and those in the face of a timber beside a steel plate, chosen or
    ** fitted for a C1 or C10 (Splice_Fitted_Vbm) */
    return Is_Vbm_Toothed_Plate(Splice_Input.vbm_type);
}

/* The design of combination (group, entry) at alpha_deg as the fastener check makes it, with the
** cache it lives in; null where there is no such combination or no fastener. The partial factors
** of the input are left as they were. */
static const Vbm_Design *Design_Asked(int group, int entry, double alpha_deg, Design_Cache **in)
{
    if (Get_Lkom_Entry(group, entry) == nullptr || Fastener_Pattern.count <= 0) return nullptr;
    Design_Cache &cache = Run_Designs != nullptr ? *Run_Designs : Loose_Designs;
    *in = &cache;
    /* within a design run the check of this combination has just designed it: its designs serve;
    ** elsewhere the input may have changed since */
    if (!In_Open_Run(&cache) || cache.group != group || cache.entry != entry)
        Clear_Design_Cache(&cache);
    /* the design sets the partial factors of the input: the question leaves them as they were */
    Splice_Input_Record *si = &Splice_Input;
    const double gammas[6] = {si->gamma_m_side, si->gamma_m_mid, si->gamma_m_t90,
                              si->gamma_m0,     si->gamma_m2,    si->gamma_s};
    const Vbm_Design *d = Cached_Design(&cache, group, entry, alpha_deg);
    si->gamma_m_side = gammas[0];
    si->gamma_m_mid = gammas[1];
    si->gamma_m_t90 = gammas[2];
    si->gamma_m0 = gammas[3];
    si->gamma_m2 = gammas[4];
    si->gamma_s = gammas[5];
    return d;
}

int32_t Vbm_Failure_Mode(int group, int entry, double alpha_deg, int outer_lamella, int32_t *thin)
{
    *thin = 0;
    Design_Cache *cache = nullptr;
    const Vbm_Design *d = Design_Asked(group, entry, alpha_deg, &cache);
    if (d == nullptr || d->code != 0) return 0;
    /* the design's own connection is that of an outer lamella beside one plate */
    if (d->lamellas && !outer_lamella) {
        *thin = d->inner.mode == 23 || d->inner.mode == 24 ? d->inner.mode_thin : 0;
        return d->inner.mode;
    }
    *thin = d->mode_thin;
    return d->mode;
}

int Vbm_Design_Fu_And_D(int group, int entry, double alpha_deg, double *fu, double *d)
{
    Design_Cache *cache = nullptr;
    const Vbm_Design *w = Design_Asked(group, entry, alpha_deg, &cache);
    if (w == nullptr || w->code != 0 || !cache->filled || !(w->fu > 0.0)) return 0;
    *fu = w->fu;
    *d = Calc_Din571_Effective_Diameter(cache->input);
    return 1;
}

int Calc_Vbm_Check(int group, int entry, Vbm_Check *out)
{
    const Splice_Input_Record *si = &Splice_Input;
    Vbm_Check &r = *out;
    r = Vbm_Check{};
    r.governing = -1;
    const Lkom_Entry *c = Get_Lkom_Entry(group, entry);
    if (c == nullptr || Fastener_Pattern.count <= 0) return 0;
    const int type = si->vbm_type;
    Calc_Vbm_Head(group, entry, c, &r);
    /* every fastener is printed where their forces differ: in a bending splice with moment or
    ** shear and in any splice with shear (a tension or compression splice distributes V_d and
    ** its moment too); else the first */
    int n_print = r.n_f;
    const bool moment = r.bending && std::fabs(c->M_d) >= 1e-5;
    if (!moment && std::fabs(c->V_d) < 1e-5) n_print = 1;

    /* The forces and angles of all fasteners, for the effective number and the search. */
    static double Fa[PATTERN_MAX], ang[PATTERN_MAX];
    Get_Fastener_Forces_All(group, entry, r.n_f, nullptr, nullptr, nullptr, Fa, ang);
    Calc_Vbm_N_Ef(ang, r.n_f, &r);
    if (Is_Vbm_Nail_Screw_Or_Staple(type)) r.penetration = Get_Vbm_Penetration(&r.t_penetration);
    Calc_Vbm_Rows(group, entry, n_print, Fa, ang, &r);
    const Design_Cache &cache = Run_Designs != nullptr ? *Run_Designs : Loose_Designs;
    if (cache.filled && Is_Vbm_Din571_Screw(type)) {
        const double d_ef = Calc_Din571_Effective_Diameter(cache.input);
        if (d_ef != cache.input.d) {
            r.d_ef = d_ef;
            r.d_1 = Din571_Core_Diameter(cache.input.d, cache.input.d_2);
        }
    }
    Calc_Vbm_Lamellas(group, entry, &r);
    r.u = r.u_max;
    if (Connector_Bolts_Checked_In_Tension() && std::fabs(c->N_d) >= 1e-5) {
        Calc_Connector_Bolt_Check(group, c, r.n_f, &r.bolts);
        r.u = std::fmax(r.u, Shown_Util(r.bolts.no_capacity, r.bolts.u));
    }
    r.done = 1;
    return 1;
}
