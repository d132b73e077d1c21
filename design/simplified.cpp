/*
** Simplified proof of the lateral resistance per fastener family (DIN 1052, 12.2.2 and the
** simplified rules of the German annex to EN 1995-1-1): Rk = A sqrt(2 My fh,1 d) with a family
** factor A from the thickness reduction, the panel factor or beta. mm, N/mm², Nmm, N.
*/
#include "design/design_lateral.h"

#include <algorithm>
#include <cmath>

#include "catalogue/catalogue.h"
#include "design/design_embedment.h"

namespace {

/* What every family rule reports. */
void Report(Connection_Result *result, double k, double fu, double my, double fh1, double fh2)
{
    if (result == nullptr) return;
    result->k_red = k;
    result->fu_used = fu;
    result->my_rk = my;
    result->fh1_k = fh1;
    result->fh2_k = fh2;
}

/* The arguments of every family rule as one record, so that the rules share their opening. */
struct Rule_Case {
    int type;
    double d, length, fu; /* mm, mm, N/mm² */
    int predrilled, stainless, shear_planes;
    double axis_angle, t1, t2, rho_1, rho_2; /* degrees, mm, mm, kg/m³, kg/m³ */
    double alpha_1, alpha_2;                 /* force to grain in members 1 and 2 */
    int mat_1, mat_2, grade_1, grade_2;
    const Vbm_User_Embedment *user;
};

/* The record of the arguments of the family rule it is used in. */
#define RULE_CASE                                                                            \
    Rule_Case                                                                                \
    {                                                                                        \
        type, d, length, fu, predrilled, stainless, shear_planes, axis_angle, t1, t2, rho_1, \
            rho_2, alpha_1, alpha_2, mat_1, mat_2, grade_1, grade_2, user                    \
    }

/* Yield moment My = 0.3 fu d^2.6 of nails, staples, dowels and bolts (Nmm). */
double Nail_My(const Rule_Case &c) { return 0.3 * c.fu * std::pow(c.d, 2.6); }

/* A staple's yield moment per leg (Get_Staple_Yield_Moment), the nails' one without an annex. */
double Staple_My(const Rule_Case &c) { return Get_Staple_Yield_Moment(c.d, Nail_My(c)); }

/* Embedment strengths of both members (N/mm²) by the rule of fh_type, pre-drilled as given; with
** along_grain the force runs along the grain in both members, else at the case's angles. */
void Both_Fh(const Rule_Case &c, int fh_type, int predrilled, bool along_grain, double *fh1,
             double *fh2)
{
    *fh1 = 0.0;
    *fh2 = 0.0;
    Calc_Fh_Both_Members(/*out_fh1=*/fh1, /*out_fh2=*/fh2, /*d=*/c.d, /*type=*/fh_type,
                         /*predrilled=*/predrilled, /*alpha1=*/along_grain ? 0.0 : c.alpha_1,
                         /*alpha2=*/along_grain ? 0.0 : c.alpha_2, /*t1=*/c.t1, /*t2=*/c.t2,
                         /*rho1=*/c.rho_1, /*rho2=*/c.rho_2, /*mat1=*/c.mat_1, /*mat2=*/c.mat_2,
                         /*g1=*/c.grade_1, /*g2=*/c.grade_2, /*user1=*/c.user, /*user2=*/nullptr);
}

/* Reduction factor k of the thickness rule for the rule type, kind, fu and axis angle. */
double Reduction(const Rule_Case &c, int rule_type, double fu, int kind, double axis_angle)
{
    double k = 1.0;
    Calc_T_Req_Reduction(/*type=*/rule_type, /*fu=*/fu, /*kind=*/kind, /*d=*/c.d,
                         /*length=*/c.length, /*axis_angle=*/axis_angle,
                         /*predrilled=*/c.predrilled, /*variant=*/c.stainless, /*fitted=*/0,
                         /*t1=*/c.t1, /*t2=*/c.t2, /*rho1=*/c.rho_1, /*rho2=*/c.rho_2,
                         /*mat1=*/c.mat_1, /*mat2=*/c.mat_2, /*g1=*/c.grade_1, /*g2=*/c.grade_2,
                         /*user1=*/c.user, /*user2=*/nullptr, /*out_penetration=*/nullptr,
                         /*out_member=*/nullptr, /*out_k=*/&k, /*out_t1_req=*/nullptr,
                         /*out_t2_req=*/nullptr);
    return k;
}

/* sqrt(2 beta / (1 + beta)), the factor of unequal embedment strengths. */
double Beta_Factor(double beta) { return std::sqrt(2.0 * beta / (1.0 + beta)); }

/* Reductions of gypsum fibreboard: r7 = t1 / (7 d) below 7 d; r25 = 2.5 / d for thin boards. */
double R7(double t1, double d) { return 7.0 * d > t1 ? t1 / (7.0 * d) : 1.0; }
double R25(double t1, double d) { return (t1 <= 12.5 && d > 2.5) ? 2.5 / d : 1.0; }

} // namespace

double Calc_Rk_Nail_Gypsum_Fibre(SIMPLIFIED_RULE_ARGS)
{
    const Rule_Case c = RULE_CASE;
    const double my = Nail_My(c);
    double fh1, fh2;
    Both_Fh(c, VBM_NAGEL, predrilled, true, &fh1, &fh2);
    const double k = Reduction(c, VBM_NAGEL, fu, 1, 90.0);
    const double rk = 0.7 * k * R7(t1, d) * R25(t1, d) * std::sqrt(2.0 * my * fh1 * d);
    Report(result, k, fu, my, fh1, fh2);
    return rk;
}

double Calc_Rk_Staple_Gypsum_Fibre(SIMPLIFIED_RULE_ARGS)
{
    const Rule_Case c = RULE_CASE;
    const double my = Staple_My(c);
    double fh1, fh2;
    Both_Fh(c, VBM_NAGEL, 0, true, &fh1, &fh2);
    const double k = Reduction(c, VBM_KLAMMER, fu, 1, 90.0);
    const double rk = 1.4 * k * R7(t1, d) * std::sqrt(2.0 * my * fh1 * d);
    Report(result, k, fu, my, fh1, fh2);
    return rk;
}

double Calc_Rk_Nail_Panel(SIMPLIFIED_RULE_ARGS)
{
    const Rule_Case c = RULE_CASE;
    const double my = Nail_My(c);
    double fh1, fh2;
    Both_Fh(c, VBM_NAGEL, predrilled, false, &fh1, &fh2);
    const double k = Reduction(c, VBM_NAGEL, fu, shear_planes, 90.0);
    const bool panel2 = Is_Mat_Panel(mat_2);
    const double p = panel2 ? Get_Panel_Factor(mat_2, grade_2, d, nullptr)
                            : Get_Panel_Factor(mat_1, grade_1, d, nullptr);
    const double fh = panel2 ? fh2 : fh1;
    const double rk = k * p * std::sqrt(2.0 * my * fh * d);
    Report(result, k, fu, my, fh1, fh2);
    if (result != nullptr) result->panel_factor = p;
    return rk;
}

double Calc_Rk_Staple(SIMPLIFIED_RULE_ARGS)
{
    const Rule_Case c = RULE_CASE;
    const double my = Staple_My(c);
    double fh1, fh2;
    Both_Fh(c, VBM_NAGEL, 0, true, &fh1, &fh2);
    const double k = Reduction(c, VBM_KLAMMER, fu, shear_planes, 90.0);
    const double p = Get_Panel_Factor(mat_1, grade_1, d, nullptr);
    double a;
    if (mat_1 == MAT_NADELHOLZ && mat_2 == MAT_NADELHOLZ) a = 2.0 * k;
    else if (mat_1 >= MAT_NADELHOLZ && mat_1 <= MAT_BSH_DIN)
        a = 2.0 * k * Beta_Factor(fh1 > 0.0 ? fh2 / fh1 : 0.0);
    else a = 2.0 * k * p;
    const double rk = a * std::sqrt(2.0 * my * fh1 * d);
    Report(result, k, fu, my, fh1, fh2);
    if (result != nullptr) result->panel_factor = p;
    return rk;
}

/* A wood screw to DIN 571 whose failure modes take the diameter d_modes: the yield moment, the
** embedment strengths and the resistance; the thickness rule keeps the case's own d. */
static double Screw_Din571(const Rule_Case &c, double d_modes, Connection_Result *result)
{
    Rule_Case modes = c;
    modes.d = d_modes;
    const double my = 0.15 * c.fu * std::pow(d_modes, 2.6);
    double fh1, fh2;
    Both_Fh(modes, VBM_DIN571_1A, 0, false, &fh1, &fh2);
    const double k = Reduction(c, VBM_DIN571_1A, c.fu, c.shear_planes, 90.0);
    const double beta = fh1 > 0.0 ? fh2 / fh1 : 0.0;
    const double rk = k * Beta_Factor(beta) * std::sqrt(2.0 * my * fh1 * d_modes);
    Report(result, k, c.fu, my, fh1, fh2);
    if (result != nullptr) result->beta = beta;
    return rk;
}

double Calc_Rk_Screw_Din571(SIMPLIFIED_RULE_ARGS) { return Screw_Din571(RULE_CASE, d, result); }

double Calc_Rk_Screw_Din571_Ef(SIMPLIFIED_RULE_ARGS, double d_ef)
{
    return Screw_Din571(RULE_CASE, d_ef, result);
}

double Calc_Rk_Screw_Approved(SIMPLIFIED_RULE_ARGS)
{
    double my;
    if (Is_Vbm_Screw_Eta12(type))
        my = stainless ? Get_Eta12_Screw_My_Alt(d) : Get_Eta12_Screw_My(d);
    else if (Is_Vbm_Screw_Eta11(type))
        my = stainless ? Get_Eta11_Screw_My_Alt(d) : Get_Eta11_Screw_My(d);
    else if (Is_Vbm_Screw_Family_C(type))
        my = stainless ? Get_Screw_C_My_By_Type(type, d) : Get_Screw_C_My(d);
    else return 0.0;
    const Rule_Case c = RULE_CASE;
    double fh1, fh2;
    Both_Fh(c, type, predrilled, false, &fh1, &fh2);
    const double k = Reduction(c, type, 400.0, shear_planes, axis_angle);
    const double beta = fh1 > 0.0 ? fh2 / fh1 : 0.0;
    const double rk = k * Beta_Factor(beta) * std::sqrt(2.0 * my * fh1 * d);
    Report(result, k, 400.0, my, fh1, fh2);
    if (result != nullptr) {
        result->beta = beta;
        result->rk_lateral = rk;
    }
    return rk;
}

double Calc_Rk_Dowel_Bolt(SIMPLIFIED_RULE_ARGS)
{
    const double my = threaded_rod && type == VBM_BOLZEN
                          ? Calc_Vbm_Yield_Moment(Get_Thread_Effective_Diameter(d), fu)
                          : 0.3 * fu * std::pow(d, 2.6);
    const double de = (type == VBM_BOLZEN && !fitted_bolt) ? d + 1.0 : d;
    double fh1 = 0.0, fh2 = 0.0;
    const int status = Calc_Fh_Both_Members(/*out_fh1=*/&fh1, /*out_fh2=*/&fh2, /*d=*/de,
                                            /*type=*/VBM_STABDUEBEL, /*predrilled=*/1,
                                            /*alpha1=*/alpha_1, /*alpha2=*/alpha_2, /*t1=*/t1,
                                            /*t2=*/t2, /*rho1=*/rho_1, /*rho2=*/rho_2,
                                            /*mat1=*/mat_1, /*mat2=*/mat_2, /*g1=*/grade_1,
                                            /*g2=*/grade_2, /*user1=*/user, /*user2=*/nullptr);
    const double t1_req = Calc_T1_Req(/*d=*/d, /*type=*/VBM_STABDUEBEL, /*predrilled=*/1,
                                      /*variant=*/0, /*fitted=*/fitted_bolt,
                                      /*threaded=*/threaded_rod, /*alpha1=*/alpha_1,
                                      /*alpha2=*/alpha_2, /*dc=*/0.0, /*fu=*/fu, /*t1=*/t1,
                                      /*t2=*/t2, /*rho1=*/rho_1, /*rho2=*/rho_2, /*mat1=*/mat_1,
                                      /*mat2=*/mat_2, /*g1=*/grade_1, /*g2=*/grade_2,
                                      /*user1=*/user, /*user2=*/nullptr);
    const double t2_req = Calc_T2_Req(/*kind=*/shear_planes, /*d=*/d, /*length=*/length,
                                      /*axis_angle=*/90.0, /*type=*/VBM_STABDUEBEL,
                                      /*predrilled=*/1, /*variant=*/0, /*fitted=*/fitted_bolt,
                                      /*threaded=*/threaded_rod, /*alpha1=*/alpha_1,
                                      /*alpha2=*/alpha_2, /*dc=*/0.0, /*fu=*/fu, /*t1=*/t1,
                                      /*t2=*/t2, /*rho1=*/rho_1, /*rho2=*/rho_2, /*mat1=*/mat_1,
                                      /*mat2=*/mat_2, /*g1=*/grade_1, /*g2=*/grade_2,
                                      /*user1=*/user, /*user2=*/nullptr);
    double ratio = 1.0;
    if (!(t1_req <= t1 && t2_req <= t2)) {
        ratio = std::min(t1_req > 0.0 ? t1 / t1_req : 1.0, t2_req > 0.0 ? t2 / t2_req : 1.0);
        ratio = std::min(ratio, 1.0);
    }
    const double beta = fh1 > 0.0 ? fh2 / fh1 : 0.0;
    const double rk = ratio * Beta_Factor(beta) * std::sqrt(2.0 * my * fh1 * d);
    Report(result, ratio, fu, my, fh1, fh2);
    if (result != nullptr) {
        result->beta = beta;
        result->rk_lateral = rk;
        result->msg_code = status;
        result->t_req_1 = std::max(result->t_req_1, t1_req);
        result->t_req_2 = std::max(result->t_req_2, t2_req);
    }
    return rk;
}

double Calc_Rk_Nail_Beta(SIMPLIFIED_RULE_ARGS)
{
    const Rule_Case c = RULE_CASE;
    const double my = Nail_My(c);
    double fh1, fh2;
    Both_Fh(c, VBM_NAGEL, predrilled, false, &fh1, &fh2);
    const double k = Reduction(c, VBM_NAGEL, fu, shear_planes, 90.0);
    const double beta = fh1 > 0.0 ? fh2 / fh1 : 0.0;
    const double rk = k * Beta_Factor(beta) * std::sqrt(2.0 * my * fh1 * d);
    Report(result, k, fu, my, fh1, fh2);
    if (result != nullptr) {
        result->beta = beta;
        result->rk_lateral = rk;
    }
    return rk;
}

double Get_Vbm_Fu_By_Diameter(double d, int type)
{
    if (type == VBM_DIN571_2A) {
        if (d >= 1.0 && d <= 1.25) return 950.0;
        if (d > 1.25 && d <= 1.6) return 680.0;
        return 0.0;
    }
    return 800.0;
}
