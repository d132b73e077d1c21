/*
** Minimum spacings and edge distances of the design run: all six values a1, a2, a3,t, a3,c, a4,t,
** a4,c of one member for dowels, bolts, nails, screws, staples and connectors, by EN 1995-1-1
** (Tables 8.2, 8.3, 8.4, 8.5, 8.7, 8.9) with the national annex, or by DIN 1052 (Tables 10 to 14).
*/
#include "design/design_spacing.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "catalogue/catalogue.h"
#include "design/design_lateral.h"
#include "design/design_state.h"
#include "design/design_texts.h"
#include "design/spacing_core.h"
#include "nad/nad.h"

namespace {

/* Angle quantities of one case: |cos| and |sin| of the folded angle, the signed sine, degrees. */
struct Angles {
    double ca, sa, s, deg;
};

bool Same_Bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

Angles Angles_Of(const Spacing_Case &c)
{
    double a = c.alpha;
    const double pi = DESIGN_PI;
    while (a > pi / 2.0) a -= pi;
    while (a < 0.0) a += pi;
    /* sin and cos of the given angle are those the embedment rule asks for next (kept in the run
    ** record); an angle that the folding moved needs its own */
    double s_given = 0.0, c_given = 0.0;
    Design_Sin_Cos(c.alpha, &s_given, &c_given);
    a = std::asin(Same_Bits(a, c.alpha) ? s_given : std::sin(a));
    if (Same_Bits(a, c.alpha))
        return Angles{std::fabs(c_given), std::fabs(s_given), s_given, c.alpha * 180.0 / c.pi};
    return Angles{std::fabs(std::cos(a)), std::fabs(std::sin(a)), s_given, c.alpha * 180.0 / c.pi};
}

/* EN 1995-1-1, Table 8.4: a3,c of bolts, (1 + 6 |sin a|) d in the bands of the unloaded end,
** else 4 d. */
double Bolt_A3c_Ec5(const Angles &g, double d)
{
    return Unloaded_End_Band(g.deg) ? (1.0 + 6.0 * g.sa) * d : 4.0 * d;
}

/* Bolts not fitted (EN 1995-1-1, Table 8.4; DIN 1052, Table 12, whose unloaded end is
** 7 d |sin a|, at least 4 d). */
void Bolt_Rules(const Angles &g, double d, bool ec5, double v[6])
{
    v[0] = ec5 ? (4.0 + g.ca) * d : std::max((3.0 + 2.0 * g.ca) * d, 4.0 * d);
    v[1] = 4.0 * d;
    v[2] = std::max(7.0 * d, 80.0);
    if (ec5) v[3] = Bolt_A3c_Ec5(g, d);
    else v[3] = std::max(7.0 * d * g.sa, 4.0 * d);
    v[4] = ec5 ? std::max((2.0 + 2.0 * g.s) * d, 3.0 * d) : 3.0 * d;
    v[5] = 3.0 * d;
}

/*
** A connector of diameter dc (EN 1995-1-1, Table 8.7 for rings and shear plates, Table 8.8 for
** toothed plates) into own, the bolt of the unit of diameter db (Bolt_Rules) into bolt; the
** connector keeps the larger of each pair. a3,t is the loaded end at which k2 = 1 (2 dc, and
** 1.5 dc for the toothed plates C1, C2 and C5; EN 1995-1-1, 8.9 and 8.10). Return the rule index.
*/
int Connector_Rules(const Angles &g, int type, double dc, double db, bool ec5, double own[6],
                    double bolt[6])
{
    Bolt_Rules(g, db, ec5, bolt);
    const bool toothed = type == VBM_SCHEIBENDUEBEL_C1 || type == VBM_SCHEIBENDUEBEL_C2
                         || type == VBM_SCHEIBENDUEBEL_C5;
    if (!toothed) {
        own[0] = (1.2 + 0.8 * g.ca) * dc;
        own[2] = 2.0 * dc;
        own[3] = g.deg > 30.0 ? (0.4 + 1.6 * g.sa) * dc : 1.2 * dc;
    } else {
        own[0] = (1.2 + 0.3 * g.ca) * dc;
        own[2] = 1.5 * dc;
        own[3] = g.deg > 30.0 ? (0.9 + 0.6 * g.sa) * dc : 1.2 * dc;
    }
    own[1] = 1.2 * dc;
    own[4] = (0.6 + 0.2 * g.sa) * dc;
    own[5] = 0.6 * dc;
    if (type == VBM_RINGDUEBEL_A1 || type == VBM_SCHEIBENDUEBEL_B1) return SPACING_RULE_RING;
    if (toothed) return SPACING_RULE_TOOTHED;
    return SPACING_RULE_TOOTHED_ROUND;
}

/* Dowels and fitted bolts (EN 1995-1-1, Table 8.5; DIN 1052, Table 11). */
void Dowel_Rules(const Angles &g, double d, bool ec5, double v[6])
{
    v[0] = (3.0 + 2.0 * g.ca) * d;
    v[1] = 3.0 * d;
    v[2] = std::max(7.0 * d, 80.0);
    if (ec5) {
        const double a = Unloaded_End_Angle(g.deg);
        if (Unloaded_End_Band(g.deg)) v[3] = g.sa * v[2];
        else if (a >= 150.0 && a < 210.0) v[3] = std::max(3.5 * d, 40.0);
        else v[3] = 3.5 * d;
    } else {
        v[3] = 7.0 * d * g.sa > 3.0 * d ? 7.0 * d * g.sa : 3.0 * d;
    }
    v[4] = ec5 ? std::max((2.0 + 2.0 * g.s) * d, 3.0 * d) : 3.0 * d;
    v[5] = 3.0 * d;
}

/* Staples (EN 1995-1-1, Table 8.3; DIN 1052, Table 13). */
void Staple_Rules(const Spacing_Case &c, const Angles &g, bool ec5, double v[6])
{
    if (ec5) {
        Staple_Spacings_Ec5(c.d, c.theta, g.ca, g.sa, v);
        return;
    }
    const double d = c.d;
    const bool steep = c.theta >= 30.0;
    const double st = std::sin(c.theta * c.pi / 180.0);
    v[0] = steep ? (10.0 + 5.0 * g.ca) * d : (15.0 + 5.0 * g.ca) * d;
    v[1] = steep ? (5.0 + 10.0 * st) * d : 10.0 * d;
    v[2] = (15.0 + 5.0 * g.ca) * d;
    v[3] = 15.0 * d;
    v[4] = (10.0 + 5.0 * g.sa) * d;
    v[5] = (5.0 + 5.0 * st) * d;
}

/* Nails and screws not pre-drilled in timber of rho_k up to 420 kg/m3 (EN 1995-1-1, Table 8.2;
** DIN 1052, Table 10, which gives the end distances a3,t and a3,c below d = 5 mm as
** (7 + 5 |cos a|) d and 7 d). */
void Nail_Rules_Not_Predrilled(const Angles &g, double d, bool ec5, double v[6])
{
    const bool thick = d >= 5.0;
    v[0] = thick ? (5.0 + 7.0 * g.ca) * d : (5.0 + 5.0 * g.ca) * d;
    v[1] = 5.0 * d;
    v[2] = (thick || ec5) ? (10.0 + 5.0 * g.ca) * d : (7.0 + 5.0 * g.ca) * d;
    v[3] = (thick || ec5) ? 10.0 * d : 7.0 * d;
    v[4] = thick ? (5.0 + 5.0 * g.sa) * d : (5.0 + 2.0 * g.sa) * d;
    v[5] = 5.0 * d;
}

/* Nails and screws (EN 1995-1-1, Table 8.2; DIN 1052, Table 10). */
void Nail_Rules(const Spacing_Case &c, const Angles &g, bool ec5, int type, double d, double v[6])
{
    int pre = c.predrilled;
    if (c.rule_functions) {
        /* Wood screws to DIN 571 follow the pre-drilling of the connection as in the design run;
        ** above 6 mm they are always pre-drilled (the design run takes them as bolts). */
        if ((Is_Vbm_Din571_Screw(type) && d > 6.01) || Is_Vbm_Screw_Eta12(type)
            || Is_Vbm_Screw_Family_C(type) || (Is_Vbm_Screw_Eta11(type) && c.screw_predrilled))
            pre = 1;
    } else if (!ec5 && Is_Vbm_Screw_Eta11(type) && c.t1 >= 5.0 * d && c.t2 >= 5.0 * d) {
        pre = 1;
    }
    const bool raise_type = Is_Vbm_Nail(type) || Design_Is_Approved_Screw(type);
    if (!pre) {
        if (c.rho_k > 420.0) {
            v[0] = c.mat == MAT_GIPSKARTON ? 10.0 * d : (7.0 + 8.0 * g.ca) * d;
            v[1] = 7.0 * d;
            v[2] = (15.0 + 5.0 * g.ca) * d;
            v[3] = 15.0 * d;
            v[4] = d >= 5.0 ? (7.0 + 5.0 * g.sa) * d : (7.0 + 2.0 * g.sa) * d;
            v[5] =
                (ec5 && Nad_Params->variant != 0 && (c.mat == MAT_OSB || c.mat == MAT_SPANPLATTE))
                    ? 3.0 * d
                    : 7.0 * d;
        } else {
            Nail_Rules_Not_Predrilled(g, d, ec5, v);
        }
        {
            if (c.split_rule && raise_type) v[4] = v[5] = (c.rho_k > 420.0 ? 14.0 : 10.0) * d;
            if (Design_Is_Approved_Screw(type) && d >= 8.0) v[2] = v[3] = 15.0 * d;
            if (Design_Is_Approved_Screw(type) && c.douglas) {
                v[0] *= 1.5;
                v[2] *= 1.5;
                v[3] *= 1.5;
            }
        }
    } else {
        v[0] = ec5 ? (4.0 + g.ca) * d : (3.0 + 2.0 * g.ca) * d;
        v[1] = ec5 ? (3.0 + g.sa) * d : 3.0 * d;
        v[2] = (7.0 + 5.0 * g.ca) * d;
        v[3] = 7.0 * d;
        v[4] = d >= 5.0 ? (3.0 + 4.0 * g.sa) * d : (3.0 + 2.0 * g.sa) * d;
        v[5] = 3.0 * d;
        /* the rule functions raise only fasteners without pre-drilling */
        if (!c.rule_functions && c.split_rule && raise_type)
            v[4] = v[5] = (c.rho_k > 420.0 ? 14.0 : 10.0) * d;
    }
    const bool plate = Is_Mat_Metal_Plate(c.mat);
    if (!ec5 && (Is_Vbm_Nail(type) || Is_Vbm_Screw_Eta11(type)) && plate && !pre)
        v[0] = std::max(v[0] / 2.0, 5.0 * d);
    if (ec5 && plate && (!Is_Vbm_Din571_Screw(type) || d <= 6.0)) {
        v[0] *= 0.7;
        v[1] *= 0.7;
    }
    if (type == VBM_SPAX_SENKKOPF_VG && !pre) {
        v[2] = std::max(v[2], 15.0 * d);
        v[3] = std::max(v[3], 15.0 * d);
    }
    const double panel = Calc_Panel_Spacing_Factor(c.type, c.d, c.mat);
    v[0] *= panel;
    v[1] *= panel;
}

/* Diameter of the nail rules: type 46 between 4.1 and 5.1 mm counts as a 4 mm nail. */
double Nail_Diameter(int type, double d)
{
    return (type == VBM_SIMPSON_CSA && d > 4.1 && d < 5.1) ? 4.0 : d;
}

bool In_Nail_Group(int type)
{
    return type >= VBM_NAGEL && type <= VBM_ZYLINDERSENKKOPF_VG && type != VBM_KLAMMER
           && !(type >= VBM_RINGDUEBEL_A1 && type <= VBM_SCHEIBENDUEBEL_C11);
}

} // namespace

/* ---------------------------------------------------------------- rule tables */

void Staple_Spacings_Ec5(double d, double theta, double abs_cos, double abs_sin, double v[6])
{
    v[0] = theta >= 30.0 ? (10.0 + 5.0 * abs_cos) * d : (15.0 + 5.0 * abs_cos) * d;
    v[1] = 15.0 * d;
    v[2] = (15.0 + 5.0 * abs_cos) * d;
    v[3] = 15.0 * d;
    v[4] = (15.0 + 5.0 * abs_sin) * d;
    v[5] = 10.0 * d;
    /* a panel stapled to timber keeps the table: EN 1995-1-1, 8.3.1.3(1) lowers the spacings of
    ** nails alone (Calc_Panel_Spacing_Factor) */
}

/*
** Spacings in laminated veneer lumber (materials 10 and 11, EN 1995-1-1, 8.3.1.2 and 8.5 with the
** product approvals). Return 9 for dowels and bolts, 13 for staples, 10 for nails and screws.
*/
int Spacing_Rules_Lvl(const Spacing_Case &c, double v[6])
{
    const Angles g = Angles_Of(c);
    const bool ec5 = Nad_Params != nullptr;
    int type = c.type;
    double d = c.d;
    if (Design_Is_Screw(type) && d > 6.1) type = VBM_BOLZEN;
    if (type == VBM_KLAMMER) {
        Staple_Rules(c, g, ec5, v);
        return SPACING_RULE_STAPLE;
    }
    const bool q = c.mat == MAT_KERTO_Q;
    if (Is_Vbm_Dowel_Or_Bolt(type)) {
        v[1] = q ? (type == VBM_STABDUEBEL ? 3.0 : 4.0) * d : 4.0 * d;
        v[4] = std::max((2.0 + 2.0 * g.s) * d, 3.0 * d);
        v[5] = 3.0 * d;
        if (!q) {
            v[0] = (4.0 + 3.0 * g.ca) * d;
            v[2] = std::max(7.0 * d, 105.0);
            if (type == VBM_STABDUEBEL)
                v[3] = Unloaded_End_Band(g.deg) ? std::max(g.sa * v[2], 3.0 * d) : 3.0 * d;
            else v[3] = Bolt_A3c_Ec5(g, d);
        } else {
            v[0] = type == VBM_STABDUEBEL ? (3.0 + g.ca) * d : 4.0 * d;
            v[2] = std::max(4.0 * d, 60.0);
            v[3] = type == VBM_STABDUEBEL ? (3.0 + g.sa) * d : 4.0 * d;
        }
        return SPACING_RULE_BOLT;
    }
    if (In_Nail_Group(type) && type != VBM_SIMPSON_CSA) {
        /* nail group below */
    } else if (type == VBM_SIMPSON_CSA) {
        d = Nail_Diameter(type, d);
    } else {
        return 0;
    }
    if (!q) {
        Nail_Rules_Not_Predrilled(g, d, /*ec5=*/true, v);
    } else {
        v[0] = (5.0 + 2.0 * g.ca) * d;
        v[1] = 5.0 * d;
        v[2] = (4.0 + 3.0 * g.ca) * d;
        v[3] = 5.0 * d;
        v[4] = (3.0 + 4.0 * g.sa) * d;
        v[5] = 3.0 * d;
    }
    return SPACING_RULE_NAIL;
}

int Spacing_Rules_General(const Spacing_Case &c, double v[6])
{
    const Angles g = Angles_Of(c);
    const bool ec5 = Nad_Params != nullptr;
    const int type = c.type;
    const double d = c.d;

    if (type == VBM_KLAMMER) {
        Staple_Rules(c, g, ec5, v);
        return SPACING_RULE_STAPLE;
    }
    if (Is_Vbm_Connector(type)) {
        if (c.rule_functions) return 0;
        double b[6]; /* the connector's bolt keeps its own distances as well */
        const int rule = Connector_Rules(g, type, d, c.d_bolt, ec5, v, b);
        for (int i = 0; i < 6; i++) v[i] = std::max(v[i], b[i]);
        return rule;
    }
    if (type == VBM_BOLZEN && !c.fitted) {
        Bolt_Rules(g, d, ec5, v);
        return SPACING_RULE_BOLT;
    }
    if (Is_Vbm_Dowel_Or_Bolt(type)) {
        Dowel_Rules(g, d, ec5, v);
        return SPACING_RULE_DOWEL;
    }
    if (In_Nail_Group(type)) {
        Nail_Rules(c, g, ec5, type, Nail_Diameter(type, d), v);
        return SPACING_RULE_NAIL;
    }
    return 0;
}

/* ---------------------------------------------------------------- design run */

/* The type whose rules fastener vbm_type of diameter d (mm) keeps: a wood screw to DIN 571 above
** 6 mm those of bolts. */
static int Spacing_Rule_Type(int vbm_type, double d)
{
    return Is_Vbm_Din571_Screw(vbm_type) && d > 6.01 ? (int)VBM_BOLZEN : vbm_type;
}

double Calc_Panel_Spacing_Factor(int vbm_type, double d, int mat)
{
    vbm_type = Spacing_Rule_Type(vbm_type, d);
    if (Nad_Params == nullptr || !Is_Mat_Panel(mat) || mat == MAT_POLLM_LVL_S) return 1.0;
    /* LVL takes its own tables for nails and screws */
    if (mat == MAT_KERTO_S || mat == MAT_KERTO_Q) return 1.0;
    return In_Nail_Group(vbm_type) ? 0.85 : 1.0;
}

int Calc_Min_Spacings(int vbm_type, int predrilled, int fitted_bolt, int douglas, int split_rule,
                      int mat, double rho_k, double d, double d_bolt, double alpha,
                      double staple_angle, double t1, double t2, double *a1, double *a2,
                      double *a3t, double *a3c, double *a4t, double *a4c)
{
    double *out[6] = {a1, a2, a3t, a3c, a4t, a4c};
    if (mat == MAT_POLLM_LVL_S) {
        const double deg = alpha * 180.0 / DESIGN_PI;
        if (a1)
            *a1 = Calc_Vbm_Min_A1(/*mat=*/20, /*rho_k=*/rho_k, /*t=*/t1, /*type=*/vbm_type,
                                  /*d=*/d, /*theta=*/staple_angle, /*predrilled=*/predrilled,
                                  /*fitted=*/fitted_bolt, /*douglas=*/douglas, /*alpha=*/deg);
        if (a2)
            *a2 = Calc_Vbm_Min_A2(20, rho_k, t1, vbm_type, d, staple_angle, predrilled, fitted_bolt,
                                  deg);
        if (a3t) *a3t = Calc_Vbm_Min_A3t(20, rho_k, t1, vbm_type, d, predrilled, fitted_bolt, deg);
        if (a3c) *a3c = Calc_Vbm_Min_A3c(20, rho_k, t1, vbm_type, d, predrilled, fitted_bolt, deg);
        if (a4t) *a4t = Calc_Vbm_Min_A4t(20, rho_k, t1, vbm_type, d, predrilled, fitted_bolt, deg);
        if (a4c)
            *a4c = Calc_Vbm_Min_A4c(20, rho_k, t1, vbm_type, d, staple_angle, predrilled,
                                    fitted_bolt, deg);
        return Map_Rule_Index_Ec5(9);
    }
    Spacing_Case c{};
    c.type = Spacing_Rule_Type(vbm_type, d);
    c.mat = mat;
    c.rho_k = rho_k;
    c.d = d;
    c.d_bolt = d_bolt;
    c.alpha = alpha;
    c.theta = staple_angle;
    c.predrilled = predrilled;
    c.fitted = fitted_bolt;
    c.douglas = douglas;
    c.split_rule = split_rule;
    c.t1 = t1;
    c.t2 = t2;
    c.pi = DESIGN_PI;
    c.rule_functions = false;
    double v[6];
    const bool connector = Is_Vbm_Connector(vbm_type);
    const int index = ((mat == MAT_KERTO_S || mat == MAT_KERTO_Q) && !connector)
                          ? Spacing_Rules_Lvl(c, v)
                          : Spacing_Rules_General(c, v);
    if (index == 0) return 0;
    for (int i = 0; i < 6; i++)
        if (out[i] != nullptr) *out[i] = v[i];
    return Map_Rule_Index_Ec5(index);
}

int Calc_Connector_Spacing_Parts(int vbm_type, double dc, double d_bolt, double alpha,
                                 double own[6], double bolt[6])
{
    if (!Is_Vbm_Connector(vbm_type)) return 0;
    Spacing_Case c{};
    c.type = vbm_type;
    c.d = dc;
    c.d_bolt = d_bolt;
    c.alpha = alpha;
    c.pi = DESIGN_PI;
    return Map_Rule_Index_Ec5(
        Connector_Rules(Angles_Of(c), vbm_type, dc, d_bolt, Nad_Params != nullptr, own, bolt));
}
