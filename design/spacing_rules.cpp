/*
** Spacing rule functions of the fastener page and the print list: one minimum spacing or edge
** distance per call, for material 20 from the basic table and for every other material from the
** rules of the design run with their own differences, and the older simple rules.
** Lengths in mm, angles in degrees; pi is the full double value here.
*/
#include "design/design_spacing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "catalogue/catalogue.h"
#include "design/design_plates.h"
#include "design/spacing_core.h"
#include "nad/nad.h"

namespace {

constexpr double Pi = std::numbers::pi;

enum { A1, A2, A3T, A3C, A4T, A4C };

/* Column of the basic table a fastener belongs to. */
enum Basic_Group { G_BOLT, G_DOWEL, G_STAPLE, G_NAIL, G_OTHER };

Basic_Group Basic_Group_Of(int type, double d)
{
    const bool screw = Is_Vbm_Din571_Screw(type) || Is_Vbm_Screw_Eta12(type)
                       || Is_Vbm_Screw_Eta11(type) || Is_Vbm_Screw_Family_C(type);
    if (Is_Vbm_User_Screw(type)) return G_OTHER;
    if ((screw && d > 6.1) || type == VBM_BOLZEN) return G_BOLT;
    if (type == VBM_STABDUEBEL) return G_DOWEL;
    if (type == VBM_KLAMMER) return G_STAPLE;
    if (Is_Vbm_Nail_Or_Screw(type)) /* the user screws 43 and 44 have left above */
        return G_NAIL;
    return G_OTHER;
}

/* One distance of the basic table (material 20 and the fastener page). */
double Basic_Distance(int which, int mat, double rho_k, double t, int type, double d, double theta,
                      int predrilled, double alpha)
{
    const double dn = (type == VBM_SIMPSON_CSA && d > 4.1 && d < 5.1) ? 4.0 : d;
    const bool pre =
        predrilled || (Nad_Params == nullptr && Is_Vbm_Screw_Eta11(type) && t >= 5.0 * dn);
    const double a = alpha * Pi / 180.0;
    const double c = std::cos(a), s = std::sin(a), ac = std::fabs(c), as = std::fabs(s);
    const double st = std::sin(theta * Pi / 180.0);
    const bool band = Unloaded_End_Band(alpha);
    double v = 6.0 * d;
    switch (Basic_Group_Of(type, d)) {
    case G_BOLT:
    case G_DOWEL: {
        const bool dowel = Basic_Group_Of(type, d) == G_DOWEL;
        switch (which) {
        case A1: v = (4.0 + 3.0 * ac) * d; break;
        case A2: v = 4.0 * d; break;
        case A3C:
            if (dowel) v = band ? std::max(as * std::max(7.0 * d, 105.0), 3.0 * d) : 3.0 * d;
            else v = band ? (1.0 + 6.0 * as) * d : 4.0 * d;
            break;
        case A3T: v = std::max(7.0 * d, 105.0); break;
        case A4C: v = 3.0 * d; break;
        case A4T: v = std::max((2.0 + 2.0 * s) * d, 3.0 * d); break;
        }
        break;
    }
    case G_STAPLE:
        if (Nad_Params != nullptr) {
            /* the table of the design run, EN 1995-1-1, Table 8.3, at every angle by |cos| and
            ** |sin| */
            double table[6];
            Staple_Spacings_Ec5(d, theta, ac, as, table);
            v = table[which];
            break;
        }
        switch (which) {
        case A1: v = theta >= 30.0 ? (10.0 + 5.0 * c) * d : (15.0 + 5.0 * c) * d; break;
        case A2: v = theta >= 30.0 ? (5.0 + 10.0 * st) * d : 10.0 * d; break;
        case A3C: v = 15.0 * d; break;
        case A3T: v = (15.0 + 5.0 * c) * d; break;
        case A4C: v = (5.0 + 5.0 * st) * d; break;
        case A4T: v = (10.0 + 5.0 * s) * d; break;
        }
        break;
    case G_NAIL:
        if (!pre) {
            switch (which) {
            case A1: v = dn >= 5.0 ? (5.0 + 7.0 * ac) * d : (5.0 + 5.0 * ac) * dn; break;
            case A2: v = 5.0 * dn; break;
            case A3C: v = 10.0 * dn; break;
            case A3T: v = (10.0 + 5.0 * c) * dn; break;
            case A4C: v = 5.0 * dn; break;
            case A4T: v = dn >= 5.0 ? (5.0 + 5.0 * s) * d : (5.0 + 2.0 * s) * dn; break;
            }
        } else {
            switch (which) {
            case A1: v = (4.0 + ac) * dn; break;
            case A2: v = (3.0 + as) * dn; break;
            case A3C: v = 7.0 * dn; break;
            case A3T: v = (7.0 + 5.0 * c) * dn; break;
            case A4C: v = 3.0 * dn; break;
            case A4T: v = dn >= 5.0 ? (3.0 + 4.0 * s) * d : (3.0 + 2.0 * s) * dn; break;
            }
        }
        break;
    case G_OTHER: v = 6.0 * d; break;
    }
    return v;
}

/* Starting value of a material-aware function for a type that no rule covers. */
double Start_Value(int which, double d)
{
    switch (which) {
    case A1:
    case A3C: return 6.0 * d;
    case A2: return 4.0 * d;
    case A3T: return 10.0 * d;
    case A4C: return 3.0 * d;
    default: return 7.0 * d;
    }
}

/* One distance of a member of any material. */
double Mat_Distance(int which, int mat, int grade, double t, int type, double d, double theta,
                    int predrilled, int fitted, int douglas, int split_rule, int screw_predrilled,
                    double alpha)
{
    if (Is_Mat_Metal_Plate(mat)) {
        /* EN 1993-1-8, Table 3.3: p1 = 2.2 d0 for a1, p2 = 2.4 d0 for a2, 1.2 d0 for the rest.
        ** The spacing a1 takes p1, not the end distance e1, which lies below the steel
        ** standard's minimum spacing. */
        double p1, e1, e2, p2;
        Calc_Plate_Hole_Geometry(d, fitted, &p1, &e1, &e2, &p2);
        if (which == A1) return p1;
        if (which == A2) return p2;
        return which == A3T || which == A3C ? e1 : e2;
    }
    double rho = 0.0;
    Get_Rho_K(mat, grade, t, &rho, nullptr);
    if (mat == MAT_POLLM_LVL_S) {
        return Basic_Distance(which, 20, rho, t, type, d, theta, predrilled, alpha);
    }
    Spacing_Case c{};
    c.type = type;
    c.mat = mat;
    c.rho_k = rho;
    c.d = d;
    c.alpha = alpha * Pi / 180.0;
    c.theta = theta;
    c.predrilled = predrilled;
    c.fitted = fitted;
    c.douglas = douglas;
    c.split_rule = split_rule;
    c.t1 = t;
    c.t2 = t;
    c.pi = Pi;
    c.rule_functions = true;
    c.screw_predrilled = screw_predrilled;
    double v[6];
    int index;
    if (mat == MAT_KERTO_S || mat == MAT_KERTO_Q) index = Spacing_Rules_Lvl(c, v);
    else index = Spacing_Rules_General(c, v);
    if (index == 0) return Start_Value(which, d);
    static const int slot[6] = {0, 1, 2, 3, 4, 5}; /* a1, a2, a3t, a3c, a4t, a4c */
    return v[slot[which]];
}

} // namespace

/* ---------------------------------------------------------------- basic single distances */

double Calc_Vbm_Min_A1(int mat, double rho_k, double t, int type, double d, double theta,
                       int predrilled, int fitted, int douglas, double alpha)
{
    return Basic_Distance(A1, mat, rho_k, t, type, d, theta, predrilled, alpha);
}

double Calc_Vbm_Min_A2(int mat, double rho_k, double t, int type, double d, double theta,
                       int predrilled, int fitted, double alpha)
{
    return Basic_Distance(A2, mat, rho_k, t, type, d, theta, predrilled, alpha);
}

double Calc_Vbm_Min_A3c(int mat, double rho_k, double t, int type, double d, int predrilled,
                        int fitted, double alpha)
{
    return Basic_Distance(A3C, mat, rho_k, t, type, d, 0.0, predrilled, alpha);
}

double Calc_Vbm_Min_A3t(int mat, double rho_k, double t, int type, double d, int predrilled,
                        int fitted, double alpha)
{
    return Basic_Distance(A3T, mat, rho_k, t, type, d, 0.0, predrilled, alpha);
}

double Calc_Vbm_Min_A4c(int mat, double rho_k, double t, int type, double d, double theta,
                        int predrilled, int fitted, double alpha)
{
    return Basic_Distance(A4C, mat, rho_k, t, type, d, theta, predrilled, alpha);
}

double Calc_Vbm_Min_A4t(int mat, double rho_k, double t, int type, double d, int predrilled,
                        int fitted, double alpha)
{
    return Basic_Distance(A4T, mat, rho_k, t, type, d, 0.0, predrilled, alpha);
}

/* ---------------------------------------------------------------- material-aware distances */

double Calc_Vbm_Min_A1_Mat(int mat, int grade, double t, int type, double d, double theta,
                           int predrilled, int fitted, int douglas, int screw_predrilled,
                           double alpha)
{
    return Mat_Distance(/*which=*/A1, /*mat=*/mat, /*grade=*/grade, /*t=*/t, /*type=*/type, /*d=*/d,
                        /*theta=*/theta, /*predrilled=*/predrilled, /*fitted=*/fitted,
                        /*douglas=*/douglas, /*split_rule=*/0,
                        /*screw_predrilled=*/screw_predrilled, /*alpha=*/alpha);
}

double Calc_Vbm_Min_A2_Mat(int mat, int grade, double t, int type, double d, double theta,
                           int predrilled, int fitted, int screw_predrilled, double alpha)
{
    return Mat_Distance(/*which=*/A2, /*mat=*/mat, /*grade=*/grade, /*t=*/t, /*type=*/type, /*d=*/d,
                        /*theta=*/theta, /*predrilled=*/predrilled, /*fitted=*/fitted,
                        /*douglas=*/0, /*split_rule=*/0, /*screw_predrilled=*/screw_predrilled,
                        /*alpha=*/alpha);
}

double Calc_Vbm_Min_A3c_Mat(int mat, int grade, double t, int type, double d, int predrilled,
                            int fitted, int douglas, int screw_predrilled, double alpha)
{
    return Mat_Distance(/*which=*/A3C, /*mat=*/mat, /*grade=*/grade, /*t=*/t, /*type=*/type,
                        /*d=*/d, /*theta=*/0.0, /*predrilled=*/predrilled, /*fitted=*/fitted,
                        /*douglas=*/douglas, /*split_rule=*/0,
                        /*screw_predrilled=*/screw_predrilled, /*alpha=*/alpha);
}

double Calc_Vbm_Min_A3t_Mat(int mat, int grade, double t, int type, double d, int predrilled,
                            int fitted, int douglas, int screw_predrilled, double alpha)
{
    return Mat_Distance(/*which=*/A3T, /*mat=*/mat, /*grade=*/grade, /*t=*/t, /*type=*/type,
                        /*d=*/d, /*theta=*/0.0, /*predrilled=*/predrilled, /*fitted=*/fitted,
                        /*douglas=*/douglas, /*split_rule=*/0,
                        /*screw_predrilled=*/screw_predrilled, /*alpha=*/alpha);
}

double Calc_Vbm_Min_A4c_Mat(int mat, int grade, double t, int type, double d, double theta,
                            int predrilled, int fitted, int split_rule, int screw_predrilled,
                            double alpha)
{
    return Mat_Distance(/*which=*/A4C, /*mat=*/mat, /*grade=*/grade, /*t=*/t, /*type=*/type,
                        /*d=*/d, /*theta=*/theta, /*predrilled=*/predrilled, /*fitted=*/fitted,
                        /*douglas=*/0, /*split_rule=*/split_rule,
                        /*screw_predrilled=*/screw_predrilled, /*alpha=*/alpha);
}

double Calc_Vbm_Min_A4t_Mat(int mat, int grade, double t, int type, double d, int predrilled,
                            int fitted, int split_rule, int screw_predrilled, double alpha)
{
    return Mat_Distance(/*which=*/A4T, /*mat=*/mat, /*grade=*/grade, /*t=*/t, /*type=*/type,
                        /*d=*/d, /*theta=*/0.0, /*predrilled=*/predrilled, /*fitted=*/fitted,
                        /*douglas=*/0, /*split_rule=*/split_rule,
                        /*screw_predrilled=*/screw_predrilled, /*alpha=*/alpha);
}

void Calc_Vbm_Spacings_Rec(int mat, int grade, double t, int type, double d, double theta,
                           int predrilled, int fitted, int douglas, int split_rule,
                           int screw_predrilled, double alpha, double *out)
{
    if (out == nullptr) return;
    out[0] = Calc_Vbm_Min_A1_Mat(/*mat=*/mat, /*grade=*/grade, /*t=*/t, /*type=*/type, /*d=*/d,
                                 /*theta=*/theta, /*predrilled=*/predrilled, /*fitted=*/fitted,
                                 /*douglas=*/douglas, /*screw_predrilled=*/screw_predrilled,
                                 /*alpha=*/alpha);
    out[1] = Calc_Vbm_Min_A2_Mat(/*mat=*/mat, /*grade=*/grade, /*t=*/t, /*type=*/type, /*d=*/d,
                                 /*theta=*/theta, /*predrilled=*/predrilled, /*fitted=*/fitted,
                                 /*screw_predrilled=*/screw_predrilled, /*alpha=*/alpha);
    out[2] = Calc_Vbm_Min_A3c_Mat(/*mat=*/mat, /*grade=*/grade, /*t=*/t, /*type=*/type, /*d=*/d,
                                  /*predrilled=*/predrilled, /*fitted=*/fitted, /*douglas=*/douglas,
                                  /*screw_predrilled=*/screw_predrilled, /*alpha=*/alpha);
    out[3] = Calc_Vbm_Min_A3t_Mat(/*mat=*/mat, /*grade=*/grade, /*t=*/t, /*type=*/type, /*d=*/d,
                                  /*predrilled=*/predrilled, /*fitted=*/fitted, /*douglas=*/douglas,
                                  /*screw_predrilled=*/screw_predrilled, /*alpha=*/alpha);
    out[4] = Calc_Vbm_Min_A4t_Mat(/*mat=*/mat, /*grade=*/grade, /*t=*/t, /*type=*/type, /*d=*/d,
                                  /*predrilled=*/predrilled, /*fitted=*/fitted,
                                  /*split_rule=*/split_rule, /*screw_predrilled=*/screw_predrilled,
                                  /*alpha=*/alpha);
    out[5] = Calc_Vbm_Min_A4c_Mat(/*mat=*/mat, /*grade=*/grade, /*t=*/t, /*type=*/type, /*d=*/d,
                                  /*theta=*/theta, /*predrilled=*/predrilled, /*fitted=*/fitted,
                                  /*split_rule=*/split_rule, /*screw_predrilled=*/screw_predrilled,
                                  /*alpha=*/alpha);
}

/*
** Write the twelve minimum distances of one member into out[12]: a1, a2, a3,c, a3,t, a4,t, a4,c
** for force parallel to the grain, then the same six for force perpendicular to it.
*/
void Calc_Vbm_Spacings(int mat, int grade, double t, int type, double d, double theta,
                       int predrilled, int fitted, int douglas, int split_rule,
                       int screw_predrilled, double *out)
{
    if (out == nullptr) return;
    Calc_Vbm_Spacings_Rec(/*mat=*/mat, /*grade=*/grade, /*t=*/t, /*type=*/type, /*d=*/d,
                          /*theta=*/theta, /*predrilled=*/predrilled, /*fitted=*/fitted,
                          /*douglas=*/douglas, /*split_rule=*/split_rule,
                          /*screw_predrilled=*/screw_predrilled, /*alpha=*/0.0, /*out=*/out);
    Calc_Vbm_Spacings_Rec(/*mat=*/mat, /*grade=*/grade, /*t=*/t, /*type=*/type, /*d=*/d,
                          /*theta=*/theta, /*predrilled=*/predrilled, /*fitted=*/fitted,
                          /*douglas=*/douglas, /*split_rule=*/split_rule,
                          /*screw_predrilled=*/screw_predrilled, /*alpha=*/90.0, /*out=*/out + 6);
}

/* ---------------------------------------------------------------- simple rules */

namespace {

bool Simple_Nail_Or_Staple(int type) { return type == VBM_KLAMMER || Is_Vbm_Nail(type); }

double Cos_Deg(double a) { return std::cos(a * Pi / 180.0); }
double Sin_Deg(double a) { return std::sin(a * Pi / 180.0); }

} // namespace

double Calc_Vbm_A1_Simple(int mat, int type, double d, int fitted, double alpha)
{
    if (Design_Is_Screw(type)) return 4.0 * d;
    if (Simple_Nail_Or_Staple(type)) return (3.0 + 3.0 * Cos_Deg(alpha)) * d;
    if (type == VBM_STABDUEBEL || (type == VBM_BOLZEN && fitted))
        return (3.0 + 2.0 * Cos_Deg(alpha)) * d;
    if (type == VBM_BOLZEN) return std::min((3.0 + 2.0 * Cos_Deg(alpha)) * d, 4.0 * d);
    return 6.0 * d;
}

double Calc_Vbm_A3t_Simple(int mat, int type, double d, int fitted, double alpha)
{
    if (Design_Is_Screw(type)) return 6.0 * d;
    if (Simple_Nail_Or_Staple(type)) return (7.0 + 3.0 * Cos_Deg(alpha)) * d;
    if (Is_Vbm_Dowel_Or_Bolt(type)) return 5.0 * d;
    return 10.0 * d;
}

double Calc_Vbm_A3c_Simple(int mat, int type, double d, int fitted, double alpha)
{
    if (Is_Vbm_Dowel_Or_Bolt(type)) return 4.0 * d * Sin_Deg(alpha);
    return 6.0 * d;
}

double Calc_Vbm_A2_Simple(int mat, int type, double d, int fitted)
{
    if (Design_Is_Screw(type)) return 2.5 * d;
    if (Simple_Nail_Or_Staple(type) || type == VBM_STABDUEBEL || (type == VBM_BOLZEN && fitted))
        return 3.0 * d;
    return 4.0 * d;
}

double Calc_Vbm_A4t_Simple(int mat, int type, double d, int fitted, double alpha)
{
    if (Design_Is_Screw(type)) return 6.0 * d;
    if (Simple_Nail_Or_Staple(type)) return (3.0 + 4.0 * Sin_Deg(alpha)) * d;
    if (Is_Vbm_Dowel_Or_Bolt(type)) return 3.0 * d;
    return 7.0 * d;
}

double Calc_Vbm_A4c_Simple(int mat, int type, double d)
{
    return Design_Is_Screw(type) ? 2.5 * d : 3.0 * d;
}

void Calc_Vbm_Spacings_Simple(int mat, int type, double d, int fitted, double *out)
{
    if (out == nullptr) return;
    for (int k = 0; k < 2; k++) {
        const double a = k == 0 ? 0.0 : 90.0;
        double *o = out + 6 * k;
        o[0] = Calc_Vbm_A1_Simple(mat, type, d, fitted, a);
        o[1] = Calc_Vbm_A2_Simple(mat, type, d, fitted);
        o[2] = Calc_Vbm_A3c_Simple(mat, type, d, fitted, a);
        o[3] = Calc_Vbm_A3t_Simple(mat, type, d, fitted, a);
        o[4] = Calc_Vbm_A4t_Simple(mat, type, d, fitted, a);
        o[5] = Calc_Vbm_A4c_Simple(mat, type, d);
    }
}

double Get_Screw_Factor_10(int mat, int type, double d) { return 10.0 * d; }
double Get_Screw_Factor_4(int mat, int type, double d) { return 4.0 * d; }
double Get_Screw_Factor_12(int mat, int type, double d) { return 12.0 * d; }
double Get_Screw_Factor_7(int mat, int type, double d) { return 7.0 * d; }
double Get_Screw_Factor_6(int mat, int type, double d) { return 6.0 * d; }
double Get_Screw_Factor_3(int mat, int type, double d) { return 3.0 * d; }

double Calc_Member_Segment_Length(const Vbm_Member_Layers *layers, double x0, double x1, int member)
{
    if (layers == nullptr) return 0.0;
    const int n = std::min(std::max(layers->count, 0), SEGMENT_MAX_LAYERS);
    double total = 0.0;
    for (int i = 0; i < n; i++) total += layers->thickness[i];
    if (x0 > total) return 0.0;
    double pos = 0.0, len = 0.0;
    for (int i = 0; i < n; i++) {
        const double lo = pos, hi = pos + layers->thickness[i];
        pos = hi;
        if (layers->member[i] != member) continue;
        const double a = std::max(lo, x0), b = std::min(hi, x1);
        if (b > a) len += b - a;
    }
    return len;
}
