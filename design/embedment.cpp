/*
** Characteristic embedment strengths fh,k of one member for a dowel-type fastener, with k90 and
** the formulas for solid timber, glulam, laminated veneer lumber, laminated beech, boards and
** panels. d and t in mm, rho_k in kg/m³, angles in radians, fh in N/mm².
*/
#include "design/design_embedment.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "catalogue/catalogue.h"
#include "design/design_lateral.h"
#include "design/design_state.h"
#include "nad/nad.h"

/* ---------------------------------------------------------------- basic formulas */

double Calc_K90(double d, int mat)
{
    if (Nad_Params == nullptr && d <= 8.0) return 1.0;
    double a;
    switch (mat) {
    case MAT_NADELHOLZ:
    case MAT_BSH_EC:
    case MAT_BSH_DIN:
    case MAT_C24_DENSITY: a = 1.35; break;
    case MAT_LAUBHOLZ:
    case MAT_BAUBUCHE_GL75: a = 0.90; break;
    case MAT_KERTO_S:
    case MAT_KERTO_Q:
    case MAT_POLLM_LVL_S: a = 1.15; break;
    case MAT_STEICO_JOIST:
    case MAT_STEICO_WALL:
    case MAT_STEICO_GLVL:
    case MAT_FURNIERSCHICHTHOLZ:
    case MAT_BAUBUCHE_PLATTE:
    case MAT_STEICO_LVL: a = 1.30; break;
    default: a = 0.0; break;
    }
    return a + 0.015 * d;
}

/* sin and cos of an angle; the last angle's values are kept in the run record, as the
** spacing rules and the characteristic and the design resistance of one fastener ask for the
** same angle in turn. */
void Design_Sin_Cos(double alpha, double *s, double *c)
{
    Design_Run_Rec *run = Design_Run_Current();
    if (std::memcmp(&alpha, &run->sin_cos_alpha, sizeof alpha) != 0) {
        run->sin_alpha = std::sin(alpha);
        run->cos_alpha = std::cos(alpha);
        run->sin_cos_alpha = alpha;
    }
    *s = run->sin_alpha;
    *c = run->cos_alpha;
}

double Calc_Fh_Alpha(double fh0, double alpha, double k90)
{
    double s = 0.0, c = 0.0;
    Design_Sin_Cos(alpha, &s, &c);
    return fh0 / (c * c + k90 * s * s);
}

double Calc_Fh_Alpha_Perp(double fh0, double alpha, double k)
{
    const double s = std::sin(alpha), c = std::cos(alpha);
    return fh0 / (s * s + k * c * c);
}

double Calc_Fh0_Bolt(double d, double rho_k) { return 0.082 * (1.0 - 0.01 * d) * rho_k; }

double Calc_Fh_Plywood_Bolt(double d, double rho_k) { return 0.11 * (1.0 - 0.01 * d) * rho_k; }

double Calc_Fh_Panel_Bolt_50(double d, double t)
{
    return 50.0 * std::pow(d, -0.6) * std::pow(t, 0.2);
}

double Calc_Fh_Panel_7(double d, double t) { return 7.0 * std::pow(d, -0.7) * std::pow(t, 0.9); }

double Calc_Fh_Eps(double rho_k, double d, double alpha, double beta, double eps)
{
    const double s = std::sin(eps), c = std::cos(eps);
    return 0.082 * rho_k * std::pow(d, -0.15) / (s * s + 2.5 * c * c);
}

double Calc_Fh_Inclined(double d, double rho_k, double a, double b, double c)
{
    const double sa = std::sin(a), ca = std::cos(a), sb = std::sin(b), cb = std::cos(b);
    const double sc = std::sin(c), cc = std::cos(c);
    return 0.082 * rho_k * std::pow(d, -0.15)
           / ((ca * ca + (0.5 + 0.024 * d) * sa * sa) * (sb * sb + 1.2 * cb * cb)
              * (sc * sc + 2.5 * cc * cc));
}

/* ---------------------------------------------------------------- laminated beech */

double Calc_Fh_Beech_K(int type, int grade, double d)
{
    if (Is_Vbm_Nail(type) || type == VBM_KLAMMER) {
        if (grade == 0 || grade == 1) return 1.0;
        if (grade == 2) return 1.0 / std::max(1.0 - 2.0 / d, 0.333);
        return 1.0;
    }
    if (Is_Vbm_Dowel_Or_Bolt(type)) return std::max(d / (d - 2.0), 1.15);
    if (Is_Vbm_Din571_Screw(type)) {
        if (grade == 0 || grade == 1) return d <= 12.0 ? 1.0 : std::max(d / (d - 2.0), 1.15);
        if (grade == 2)
            return d <= 12.0 ? std::max(d / (d - 2.0), 3.0) : std::max(d / (d - 2.0), 1.15);
    }
    return 1.0;
}

double Calc_Fh_Beech_Lvl(int type, int mat, int grade, double rho_k, double d, int predrilled,
                         double alpha, double beta, double eps, double *out_k, double *out_k90)
{
    const double k = Calc_Fh_Beech_K(type, grade, d);
    const double k90 = 1.15 + 0.015 * d;
    const bool beech = mat == MAT_BAUBUCHE_GL75 || mat == MAT_BAUBUCHE_PLATTE;
    const double rho = beech ? rho_k : std::min(rho_k, 550.0);
    const double sb = std::sin(beta), cb = std::cos(beta), se = std::sin(eps), ce = std::cos(eps);
    const double sa = std::sin(alpha), ca = std::cos(alpha);
    const double B = k * cb * cb + sb * sb, E = 2.5 * ce * ce + se * se;
    const double A = k90 * sa * sa + ca * ca;
    double fh = 0.0;
    if (Is_Vbm_Nail(type) || type == VBM_KLAMMER) {
        fh = predrilled ? 0.082 * (1.0 - 0.01 * d) * rho / B : 0.082 * rho * std::pow(d, -0.3) / B;
    } else if (Is_Vbm_Dowel_Or_Bolt(type)) {
        fh = 0.082 * (1.0 - 0.01 * d) * rho / (B * A);
    } else if (Is_Vbm_Din571_Screw(type)) {
        if (!predrilled) fh = d < 12.1 ? 0.082 * rho * std::pow(d, -0.3) / (E * B) : 0.0;
        else if (d <= 12.0) fh = 0.082 * (1.0 - 0.01 * d) * rho / (E * B);
        else fh = 0.082 * (1.0 - 0.01 * d) * rho / (E * B * A);
    } else if (Is_Vbm_Screw_Family_C(type)) {
        fh = Calc_Fh_Nail(d, rho, predrilled);
    }
    if (out_k != nullptr) *out_k = k;
    if (out_k90 != nullptr) *out_k90 = k90;
    return fh;
}

/* ---------------------------------------------------------------- one member */

bool Design_Is_Screw(int type)
{
    return Is_Vbm_Din571_Screw(type) || Is_Vbm_Screw_Eta12(type) || Is_Vbm_Screw_Eta11(type)
           || Is_Vbm_Screw_Family_C(type);
}

bool Design_Is_Approved_Screw(int type)
{
    return Is_Vbm_Screw_Eta12(type) || Is_Vbm_Screw_Eta11(type) || Is_Vbm_Screw_Family_C(type);
}

double Din571_Core_Diameter(double d, double d1) { return d1 > 0.0 ? d1 : 0.7 * d; }

double Calc_Din571_Effective_Diameter(const Connection_Input &in)
{
    const double d = in.d;
    if (Nad_Params == nullptr || !Is_Vbm_Din571_Screw(in.vbm_type)) return d;
    const double s = std::sin(in.axis_angle * DESIGN_PI / 180.0);
    if (!(s > 0.0)) return d;
    /* along the axis: the member that holds the point begins behind member 1, in double shear
    ** behind the middle member too (the far side member, as thick as member 1); the smooth
    ** shank ends where the thread begins */
    const double start = (in.shear_planes == 2 ? in.t1 + in.t2 : in.t1) / s;
    const double end = start + (in.shear_planes == 2 ? in.t1 : in.t2) / s;
    const double shank = std::min(in.length - in.l_thread, end) - start;
    /* 8.7.1(2): d where the smooth shank reaches 4 d into it; 8.7.1(3): 1.1 d1 otherwise */
    if (shank >= 4.0 * d) return d;
    return 1.1 * Din571_Core_Diameter(d, in.d_2);
}

static bool Same_Value(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

int Calc_Fh(double *out_fh, double d, int type, int predrilled, double alpha, double t,
            double rho_k, int mat, int grade, const Vbm_User_Embedment *user)
{
    if (out_fh == nullptr) return 0;
    /* the rule as the last call chose it (the run record's plan) */
    Design_Fh_Plan *plan = &Design_Run_Current()->fh_plan;
    const bool din = Nad_Params == nullptr;
    if (user == nullptr && plan->valid && plan->din == din && plan->type == type
        && plan->predrilled == predrilled && plan->mat == mat && plan->grade == grade
        && Same_Value(plan->d, d) && Same_Value(plan->t, t) && Same_Value(plan->rho_k, rho_k)) {
        const double fh_kept = Calc_Fh_Alpha(plan->fh0, alpha, plan->k90);
        *out_fh = fh_kept;
        return (!plan->metal && fh_kept <= 0.001) ? 169 : plan->status;
    }
    const int type_given = type, predrilled_given = predrilled;
    const double rho_given = rho_k;
    bool alpha_rule = false;
    double fh0 = 0.0, k90_rule = 1.0;
    int status = 0;
    double fh = 0.0;

    if (Is_Vbm_Din571_Screw(type) && d >= 8.0) predrilled = 1;
    if (Is_Vbm_Screw_Family_C(type) || Is_Vbm_Screw_Eta11(type)) rho_k = std::min(rho_k, 590.0);
    if ((Design_Is_Screw(type) && d > 8.01 && predrilled)
        || (Nad_Params != nullptr && Is_Vbm_Din571_Screw(type) && d > 6.01))
        type = VBM_STABDUEBEL;

    if (!Is_Vbm_Nail_Screw_Or_Staple(type)) {
        /* dowels, bolts, connectors and everything else */
        double k90 = Calc_K90(d, mat);
        switch (mat) {
        case MAT_OSB:
        case MAT_SPANPLATTE: fh = Calc_Fh_Panel_Bolt_50(d, t); break;
        case MAT_SPERRHOLZ: fh = Calc_Fh_Plywood_Bolt(d, rho_k); break;
        case MAT_FERMACELL: fh = Calc_Fh_Panel_7(d, t); break;
        case MAT_KERTO_S:
        case MAT_KERTO_Q:
            if (Nad_Params == nullptr && d <= 8.0) {
                k90 = 1.0;
                status = 1008;
            }
            fh = Calc_Fh_Alpha(Calc_Fh_Panel_37(d), alpha, k90);
            break;
        case MAT_BAUBUCHE_PLATTE:
            fh = Calc_Fh_Beech_Lvl(/*type=*/type, /*mat=*/18, /*grade=*/grade, /*rho_k=*/rho_k,
                                   /*d=*/d, /*predrilled=*/predrilled, /*alpha=*/alpha,
                                   /*beta=*/DESIGN_PI / 4.0, /*eps=*/DESIGN_PI / 4.0,
                                   /*out_k=*/nullptr, /*out_k90=*/nullptr);
            break;
        case MAT_POLLM_LVL_S:
            fh = Calc_Fh_Alpha_Perp(Calc_Fh_Alpha(Calc_Fh0_Bolt(d, rho_k), alpha, k90),
                                    DESIGN_PI / 2.0, std::max(d / (d - 2.0), 1.15));
            break;
        case MAT_STEICO_JOIST:
        case MAT_STEICO_WALL:
        case MAT_STEICO_GLVL:
        case MAT_NADELHOLZ:
        case MAT_LAUBHOLZ:
        case MAT_BSH_EC:
        case MAT_BSH_DIN:
        case MAT_BAUBUCHE_GL75:
        case MAT_STEICO_LVL:
            if (Nad_Params == nullptr && d <= 8.00001) {
                k90 = 1.0;
                status = 1008;
            }
            fh0 = Calc_Fh0_Bolt(d, rho_k);
            fh = Calc_Fh_Alpha(fh0, alpha, k90);
            alpha_rule = true;
            k90_rule = k90;
            break;
        default: fh = 0.0; break;
        }
    } else if (Is_Mat_Timber(mat)) {
        fh = Calc_Fh_Nail(d, rho_k, predrilled);
    } else {
        /* nails and staples in panels: EN 1995-1-1, 8.3.1.3, eq. (8.20) to (8.22), which hold
        ** whether pre-drilled or not; the bolts' (8.36) and (8.37) are no nail's. Screws of
        ** d_ef <= 6 mm follow the nails' rules (8.7.1(3)), larger ones the bolts' (8.7.1(4)) */
        const bool nail_rule = Is_Vbm_Nail(type) || type == VBM_KLAMMER || d <= 6.01;
        const int panel_bolt = nail_rule ? 0 : predrilled;
        switch (mat) {
        case MAT_OSB:
        case MAT_SPANPLATTE: fh = Calc_Fh_Panel_50(d, t, panel_bolt); break;
        case MAT_GIPSKARTON: fh = Calc_Fh_Panel_3_9(d, t); break;
        case MAT_SPERRHOLZ: fh = Calc_Fh_Plywood(d, rho_k, panel_bolt); break;
        case MAT_FASERPLATTE: fh = Calc_Fh_Panel_30(d, t); break;
        case MAT_FERMACELL: fh = Calc_Fh_Panel_7(d, t); break;
        case MAT_KERTO_S:
        case MAT_KERTO_Q:
            fh = Calc_Fh_Alpha(Calc_Fh_Nail(d, rho_k, predrilled), alpha, Calc_K90(d, mat));
            break;
        case MAT_BAUBUCHE_GL75:
            if (Is_Vbm_Screw_Family_C(type)) {
                fh = Calc_Fh_Eps(rho_k, d, alpha, 0.0, DESIGN_PI / 2.0);
            } else {
                fh = Calc_Fh_Nail(d, rho_k, predrilled);
                if (grade == 1 && d > 7.9) fh *= 0.8;
            }
            break;
        case MAT_BAUBUCHE_PLATTE:
            fh = Is_Vbm_Screw_Family_C(type) ? Calc_Fh_Eps(rho_k, d, alpha, 0.0, DESIGN_PI / 2.0)
                                             : Calc_Fh_Nail(d, rho_k, predrilled);
            break;
        case MAT_POLLM_LVL_S:
            fh = Calc_Fh_Alpha_Perp(Calc_Fh_Alpha(Calc_Fh0_Bolt(d, rho_k), alpha, Calc_K90(d, mat)),
                                    DESIGN_PI / 2.0, std::max(d / (d - 2.0), 1.15));
            break;
        case MAT_STEICO_JOIST:
        case MAT_STEICO_WALL:
        case MAT_STEICO_GLVL:
        case MAT_STEICO_LVL:
            fh = Calc_Fh_Nail(d, rho_k, predrilled);
            if ((mat == MAT_STEICO_WALL || mat == MAT_STEICO_JOIST) && grade != 0 && t < 3.1)
                fh /= 3.0;
            if (predrilled) fh *= 0.8;
            break;
        default: fh = 0.0; break;
        }
    }

    if (user != nullptr && user->active != 0 && (mat == MAT_UNDEFINED || grade == -999))
        fh = user->c0 * std::pow(d, user->c1) * std::pow(t, user->c2) * std::pow(rho_k, user->c3);
    const bool metal = Is_Mat_Metal_Plate(mat);
    if (user == nullptr) {
        /* kept with the arguments as given (the rule's own changes follow from them) */
        plan->valid = alpha_rule;
        plan->din = din;
        plan->type = type_given;
        plan->predrilled = predrilled_given;
        plan->mat = mat;
        plan->grade = grade;
        plan->d = d;
        plan->t = t;
        plan->rho_k = rho_given;
        plan->fh0 = fh0;
        plan->k90 = k90_rule;
        plan->status = status;
        plan->metal = metal;
    }
    if (!metal && fh <= 0.001) status = 169;
    *out_fh = fh;
    return status;
}

int Calc_Fh_Both_Members(double *out_fh1, double *out_fh2, double d, int type, int predrilled,
                         double alpha1, double alpha2, double t1, double t2, double rho1,
                         double rho2, int mat1, int mat2, int g1, int g2,
                         const Vbm_User_Embedment *user1, const Vbm_User_Embedment *user2)
{
    const int s1 = Calc_Fh(/*out_fh=*/out_fh1, /*d=*/d, /*type=*/type, /*predrilled=*/predrilled,
                           /*alpha=*/alpha1, /*t=*/t1, /*rho_k=*/rho1, /*mat=*/mat1, /*grade=*/g1,
                           /*user=*/user1);
    const int s2 = Calc_Fh(/*out_fh=*/out_fh2, /*d=*/d, /*type=*/type, /*predrilled=*/predrilled,
                           /*alpha=*/alpha2, /*t=*/t2, /*rho_k=*/rho2, /*mat=*/mat2, /*grade=*/g2,
                           /*user=*/user2);
    return s1 > s2 ? s1 : s2;
}

int Calc_Fh_Both_Members_Scaled(double c1, double c2, double c3, double c4, double *out_fh1,
                                double *out_fh2, double d, int type, int predrilled, double alpha1,
                                double alpha2, double t1, double t2, double rho1, double rho2,
                                int mat1, int mat2, int g1, int g2, const Vbm_User_Embedment *user1,
                                const Vbm_User_Embedment *user2)
{
    const int s = Calc_Fh_Both_Members(/*out_fh1=*/out_fh1, /*out_fh2=*/out_fh2, /*d=*/d,
                                       /*type=*/type, /*predrilled=*/predrilled, /*alpha1=*/alpha1,
                                       /*alpha2=*/alpha2, /*t1=*/t1, /*t2=*/t2, /*rho1=*/rho1,
                                       /*rho2=*/rho2, /*mat1=*/mat1, /*mat2=*/mat2, /*g1=*/g1,
                                       /*g2=*/g2, /*user1=*/user1, /*user2=*/user2);
    if (out_fh1 != nullptr && c1 != 0.0) *out_fh1 *= c3 / c1;
    if (out_fh2 != nullptr && c2 != 0.0) *out_fh2 *= c4 / c2;
    return s;
}
