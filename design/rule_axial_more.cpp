/*
** Further axial functions of the rule set that this program does not call: withdrawal and
** compression in layered materials, the head-side capacity of a member record or of a rule input,
** washer bearing of a member record, and the copy of a rule result into a connection result.
** N, mm, N/mm²; degrees at the interfaces, the full double value of pi.
*/
#include "design/design_rules.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "catalogue/catalogue.h"
#include "design/design_axial.h"
#include "design/design_plates.h"

namespace {
constexpr double Pi = std::numbers::pi;
constexpr double Deg = 0.017453292519943295;
} // namespace

double Calc_Vbm_Withdrawal_Layered(const Vbm_Layered_Member *layered, int type, int predrilled,
                                   int predrill_core, double d, double l, double alpha)
{
    if (layered == nullptr) return 0.0;
    const double a = alpha * Deg;
    const double s = std::sin(a), c = std::cos(a);
    double rho = std::min(Calc_Rho_K_Layered(layered, 0.0, -1.0), 500.0);
    const int kind = layered->kind;
    const bool special = Is_Vbm_Special_Nail(type);
    if (kind == 0 && special) {
        const int n = std::min(layered->layer_count, 3);
        double first3 = 0.0;
        for (int i = 0; i < n; i++) first3 += layered->layers[i].thickness;
        if (first3 < l + 1.0) {
            const double k = d < 6.0 ? 0.8 : 1.0;
            return 14.0 * std::pow(d, 0.6) * l * k / (s * s + 1.2 * c * c);
        }
        return 0.0;
    }
    if (kind >= 3 && kind <= 7 && special && d > 2.7) {
        double F = Calc_Fax_Nail_Param(type, 0, predrilled, predrill_core, rho) * d * l;
        if (l < 8.0 * d) F *= l / (2.0 * d) - 3.0;
        return std::max(F, 0.0);
    }
    if ((kind == 1 || kind == 2) && d > 4.0 && l >= 8.0 * d) {
        const double f = Calc_Fax_Nail_Param(type, 0, predrilled, predrill_core, rho);
        if ((kind == 1 && f >= 50e-6 * rho * rho) || (kind == 2 && f >= 4.5))
            return 14.0 * std::pow(d, 0.6) * l;
        return 0.0;
    }
    if (Is_Vbm_Screw_Eta11(type) || Is_Vbm_Screw_Eta12(type) || Is_Vbm_Screw_Family_C(type)) {
        double f;
        if (Is_Vbm_Screw_Eta11(type)) {
            f = Get_Fax_Table_A(d);
            if (alpha < 45.0) f *= 0.3 + 0.7 * alpha / 45.0;
        } else if (Is_Vbm_Screw_Eta12(type)) {
            f = Get_Fax_Table_B(d);
        } else {
            f = Get_Fax_Family_C_A(d, 0, predrilled);
        }
        rho = Calc_Rho_K_Layered(layered, 0.0, -1.0);
        return std::min(d, 32.0) * f * l * std::pow(rho / 350.0, 0.8);
    }
    return 0.0;
}

double Calc_Screw_Compression_Layered(const Vbm_Layered_Member *layered, int type, int stainless,
                                      double d, double d1, double l, double alpha)
{
    if (layered == nullptr || !(Is_Vbm_Screw_Eta11(type) || Is_Vbm_Screw_Eta12(type))) return 0.0;
    const double rho = Calc_Rho_K_Layered(layered, 0.0, -1.0);
    const double a = alpha * Deg;
    const double fy = stainless ? 500.0 : 1000.0;
    double F_ax;
    if (Is_Vbm_Screw_Eta11(type)) {
        F_ax = d * Get_Fax_Table_A(d) * l;
    } else {
        const double s = std::sin(a), c = std::cos(a);
        F_ax = d * Get_Fax_Table_B(d) * l * std::pow(rho / 350.0, 0.8) / (1.2 * c * c + s * s);
    }
    Screw_Buckling_Set b;
    Screw_Buckling_Values(d, d1, rho, alpha, fy, &b);
    return std::min(F_ax, b.kappa * b.N_pl);
}

double Calc_Fax_Rk_Member(const Vbm_Member_Record *member, int type, int head_form, double d,
                          double D, double d1, int washer, int fibre_saturated, int unused,
                          double staple_angle, double *out_f_head, int *out_code)
{
    if (member == nullptr) return 0.0;
    return Calc_Fax_Rk(/*type=*/type, /*mat=*/member->mat, /*grade=*/member->grade,
                       /*t=*/member->thickness, /*head_form=*/head_form, /*d=*/d, /*D=*/D,
                       /*d1=*/d1, /*washer=*/washer, /*fibre_saturated=*/fibre_saturated,
                       /*unused=*/unused, /*staple_angle=*/staple_angle, /*out_f_head=*/out_f_head,
                       /*out_code=*/out_code);
}

double Calc_Vbm_Washer_Bearing_Member(const Vbm_Member_Record *member, int material, int selector,
                                      double d, double washer_d)
{
    if (member == nullptr) return 0.0;
    const double f_c90 = Get_Mat_Value(member->mat, member->grade, selector, 1) / 1000.0;
    double A = Calc_Washer_Area(d, washer_d);
    if (Is_Mat_Metal_Plate(material)) A = Calc_Washer_Area_Alt(d, washer_d, washer_d);
    else if (Is_Mat_Metal_Plate(member->mat))
        A = Calc_Washer_Area_Alt(d, washer_d, member->thickness);
    return 3.0 * A * f_c90;
}

double Calc_Vbm_Head_Capacity(const Vbm_Rule_Input *in, double *out_f_head, int selector)
{
    if (in == nullptr) return 0.0;
    const int type = in->vbm_type;
    if (!Check_Vbm_Material_Pair(type, in->resin_coated, in->predrilled, 0, in->mat1, in->mat2, 0,
                                 0))
        return 0.0;
    const auto fc90 = [&](int mat, int grade) { return Get_Mat_Value(mat, grade, 1, 1) / 1000.0; };
    const double A = Calc_Washer_Area(in->d, in->washer_d);
    if (Is_Mat_Metal_Plate(in->mat1)) {
        double Ap = Calc_Washer_Area_Alt(in->d, in->washer_d, in->t1);
        if (selector == 1) Ap = std::min(Ap, A);
        return 3.0 * fc90(in->mat2, in->grade2) * Ap;
    }
    if (Is_Mat_Metal_Plate(in->mat2) && selector == 1)
        return 3.0 * fc90(in->mat1, in->grade1)
               * std::min(Calc_Washer_Area_Alt(in->d, in->washer_d, in->t2), A);
    const bool washer_type = !Is_Vbm_Nail(type) && type != VBM_STABDUEBEL && type != VBM_KLAMMER;
    if (washer_type && in->washer_d >= 0.0 && type == VBM_BOLZEN) {
        double f = fc90(in->mat1, in->grade1);
        if (selector == 1) f = std::min(f, fc90(in->mat2, in->grade2));
        return 3.0 * A * f;
    }
    const double D = in->washer_d > 0.0 ? in->washer_d : in->d_k;
    return Calc_Fax_Rk(/*type=*/type, /*mat=*/in->mat1, /*grade=*/in->grade1, /*t=*/in->t1,
                       /*head_form=*/in->head_form, /*d=*/in->d, /*D=*/D, /*d1=*/in->d2,
                       /*washer=*/in->washer_d > 0.0, /*fibre_saturated=*/in->fibre_saturated,
                       /*unused=*/0, /*staple_angle=*/in->staple_angle, /*out_f_head=*/out_f_head,
                       /*out_code=*/nullptr);
}

void Copy_Vbm_Rule_Result(Connection_Result *r, const Vbm_Rule_Result *rule, double gamma_1,
                          double gamma_2)
{
    if (r == nullptr || rule == nullptr) return;
    const double g = std::max(gamma_1, gamma_2);
    r->fh1_k = rule->fh1;
    r->fh2_k = rule->fh2;
    r->my_rk = rule->My;
    r->fu_used = rule->fu_used;
    r->rk_lateral = rule->Fv_Rk;
    r->rule_char = rule->mode;
    r->plate_class = rule->plate_class;
    r->fh1_d = gamma_1 > 0.0 ? rule->fh1 * r->kmod_1 / gamma_1 : 0.0;
    r->fh2_d = gamma_2 > 0.0 ? rule->fh2 * r->kmod_2 / gamma_2 : 0.0;
    r->rd_lateral = Calc_Geometric_Mean_Ratio(rule->Fv_Rk, r->kmod_1, r->kmod_2, g);
    r->rule_design = rule->mode;
    r->my_d = Calc_Geometric_Mean_Ratio(rule->My, r->kmod_1, r->kmod_2, g);
    r->alu_fu = rule->alu_fu;
    r->alu_fb_rk = rule->alu_bearing;
    r->alu_k1 = rule->alu_factor1;
    r->alu_alpha_b = rule->alu_factor2;
}
