/*
** Axial rule functions of the fastener page and the print list: withdrawal capacity of the point
** side, compression capacity of approved screws, tensile capacity of the steel and head-side
** capacity (EN 1995-1-1, 8.3.2 and 8.7.2; DIN 1052, 12.8; the screw approvals). N, mm, N/mm²;
** degrees at the interfaces, turned into radians with the full double value of pi.
*/
#include "design/design_rules.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "catalogue/catalogue.h"
#include "design/design_axial.h"
#include "design/design_numeric.h"
#include "nad/nad.h"

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double Deg = 0.017453292519943295;

bool Annex_Variant(void) { return Nad_Params != nullptr && Nad_Params->variant != 0; }

} // namespace

double Calc_Vbm_Withdrawal(int type, int mat, double rho, int fibre_saturated, double unused_d,
                           int predrilled, int predrill_core, double d, double d1, double l,
                           double alpha, int resin_coated, double staple_angle, int table,
                           double *out_f_ax)
{
    const double a = alpha * Deg;
    const double sa = std::sin(a), ca = std::cos(a);
    const bool en = Nad_Params != nullptr;
    double F = 0.0, f = 0.0;
    if (type == VBM_KLAMMER) {
        if (resin_coated && Annex_Variant()) {
            const double lp = std::min(l, 20.0 * d);
            if (staple_angle > 29.9) {
                f = Calc_Fax_Nail_Param(19, fibre_saturated ? 30.0 : 0.0, 0, 0, rho);
                F = 2.0 * f * d * lp;
                if (lp < 8.0 * d) F *= lp / (2.0 * d) - 3.0;
            } else {
                f = Calc_Fax_Nail_Param(1, fibre_saturated, 0, 0, rho);
                F = 2.0 * f * d * lp;
                if (lp < 12.0 * d) F *= lp / (4.0 * d) - 2.0;
            }
        }
    } else if (type == VBM_NAGEL) {
        if (!predrilled && !predrill_core) {
            f = Calc_Fax_Nail_Param(0, fibre_saturated, 0, 0, rho);
            F = d * f * l;
            if (l < 12.0 * d) F *= l / (4.0 * d) - 2.0; /* EN 1995-1-1, 8.3.2(7) */
        }
    } else if (Is_Vbm_Simpson_Nail(type)) {
        f = Calc_Fax_Simpson_Nail(type, d, l, rho);
        F = d * f * l;
        if (mat == MAT_C24_DENSITY && f < 50e-6 * rho * rho - 0.001) F = 0.0;
    } else if (Is_Vbm_Special_Nail(type)) {
        f = Calc_Fax_Nail_Param(type, 0, predrilled, predrill_core, rho);
        F = f * d * l;
        if (l < 8.0 * d) F *= l / (2.0 * d) - 3.0;
        if (mat == MAT_C24_DENSITY && f < 50e-6 * rho * rho - 0.001) F = 0.0;
    } else if (Is_Vbm_Din571_Screw(type)) {
        /* EN 1995-1-1, eq. (8.38) to (8.40): k_d = min(d / 8, 1) in either form of 8.7.2(4)
        ** and (5) */
        const double fd = 0.52 * std::pow(d, -0.5) * std::pow(l, -0.1) * std::pow(rho, 0.8);
        const double den = sa * sa + 1.2 * ca * ca;
        if (std::fabs(den) >= 0.00001) F = l * d * fd * std::min(d / 8.0, 1.0) / den;
        f = 0.0;
    } else if (Is_Vbm_Screw_Eta11(type) || Is_Vbm_Screw_Eta12(type)) {
        const bool eta11 = Is_Vbm_Screw_Eta11(type);
        f = eta11 ? Get_Fax_Table_A(d) : Get_Fax_Table_B(d);
        const double dc = std::min(d, 32.0);
        if (eta11) {
            rho = std::min(rho, 590.0);
            if (alpha < 45.0) f *= 0.3 + 0.7 * alpha / 45.0;
        }
        F = dc * f * l * std::pow(rho / 350.0, 0.8);
    } else if (Is_Vbm_Screw_Family_C(type)) {
        rho = std::min(rho, 590.0);
        double rho_ref = 350.0;
        if (mat == MAT_BAUBUCHE_GL75 || mat == MAT_BAUBUCHE_PLATTE) rho_ref = 730.0;
        else if (mat == MAT_OSB) rho_ref = 600.0;
        double k_alpha = 1.0;
        if (!(alpha >= 44.0 && alpha < 91.0))
            k_alpha =
                mat == MAT_FURNIERSCHICHTHOLZ ? 0.5 + 0.5 * alpha / 45.0 : 0.3 + 0.7 * alpha / 45.0;
        f = table ? Get_Fax_Family_C_B(d, mat, predrilled) : Get_Fax_Family_C_A(d, mat, predrilled);
        F = l * d * k_alpha * f * std::pow(rho / rho_ref, 0.8);
        if (mat == MAT_FURNIERSCHICHTHOLZ) F /= sa * sa + 1.5 * ca * ca;
        if (mat == MAT_OSB && rho < 549.0) F = 0.0;
    }
    if (type == VBM_KLAMMER && staple_angle < 30.0 && en && Annex_Variant()) F *= 0.7;
    if (F < 0.0) F = 0.0;
    if (out_f_ax != nullptr) *out_f_ax = f;
    return F;
}

double Calc_Vbm_Axial_Value(int type, int unused, const Vbm_Layered_Member *layered, int mat,
                            int grade, int fibre_saturated, int resin_coated, double staple_angle,
                            double unused_d, int predrilled, int predrill_core, double d, double d1,
                            double t, double l_g, double x_a, double x_e, double alpha, int table,
                            double *out_f_ax, double *out_l, int *out_code)
{
    if (out_code != nullptr) *out_code = 0;
    if (t < 0.1 || l_g < 0.1 || x_e - x_a < 0.1 || Is_Mat_Metal_Plate(mat)) {
        if (out_f_ax != nullptr) *out_f_ax = 0.0;
        if (out_l != nullptr) *out_l = 0.0;
        return 0.0;
    }
    double rho = 0.0;
    Get_Rho_K(mat, grade, t, &rho, nullptr);
    const double s = std::sin(alpha * Deg);
    if (mat == MAT_C24_DENSITY && layered != nullptr)
        rho = Calc_Rho_K_Layered(layered, x_a * s, x_e * s);
    double l;
    if (x_e > t) l = t - std::max({x_a, t - l_g, 0.0});
    else l = std::min(x_e, t) - std::max({x_a, x_e - l_g, 0.0});
    double F = 0.0, f = 0.0;
    const int kind = layered != nullptr ? layered->kind : -1;
    if (layered != nullptr && mat == MAT_C24_DENSITY && Is_Vbm_Special_Nail(type)
        && (kind == 0 || kind == 1 || kind == 2 || kind == 9 || kind == 21)) {
        f = Is_Vbm_Simpson_Nail(type)
                ? Calc_Fax_Simpson_Nail(type, d, l, rho)
                : Calc_Fax_Nail_Param(type, 0, predrilled, predrill_core, rho);
        int code = 0;
        if (kind == 2) {
            if (f < 4.5) code = DERR_FAX_BELOW_MIN;
            else if (l < 8.0 * d) code = DERR_LEF_BELOW_8D;
            else F = 14.0 * std::pow(d, 0.6) * l;
        } else {
            const double k = ((kind == 0 || kind == 9) && d < 5.99999) ? 0.8 : 1.0;
            if (f < 50e-6 * rho * rho - 0.001) code = DERR_FAX_BELOW_MIN;
            else F = 14.0 * std::pow(d, 0.6) * l * k;
            if (code == 0 && (kind == 0 || kind == 9)) {
                /* the fastener must cross more than two layers from x_a to t */
                const int n = std::min(std::max(layered->layer_count, 0), VBM_MAX_LAYERS);
                double pos = 0.0;
                int crossed = 0;
                for (int i = 0; i < n; i++) {
                    const double hi = pos + layered->layers[i].thickness;
                    if (hi > x_a && pos < t) crossed++;
                    pos = hi;
                }
                if (crossed <= 2) code = DERR_LEF_BELOW_8D;
            }
            if (code != 0) F = 0.0;
        }
        if (code != 0) F = 0.0;
        if (out_code != nullptr) *out_code = code;
    } else {
        /* the withdrawal already carries the 0.7 of a flat staple crown; it is applied once */
        F = Calc_Vbm_Withdrawal(/*type=*/type, /*mat=*/mat, /*rho_k=*/rho,
                                /*fibre_saturated=*/fibre_saturated, /*unused_d=*/0.0,
                                /*predrilled=*/predrilled, /*predrill_core=*/predrill_core, /*d=*/d,
                                /*d1=*/d1, /*l=*/l, /*alpha=*/alpha, /*resin_coated=*/resin_coated,
                                /*staple_angle=*/staple_angle, /*table=*/table, /*out_f_ax=*/&f);
    }
    if (out_f_ax != nullptr) *out_f_ax = f;
    if (out_l != nullptr) *out_l = l;
    return F;
}

void Screw_Buckling_Values(double d, double d1, double rho, double alpha, double fy,
                           Screw_Buckling_Set *b)
{
    b->N_pl = fy * Pi * d1 * d1 / 4.0;
    /* elastic bedding (0.19 + 0.012 d) rho (90 + alpha) / 180, as the approvals publish it */
    b->c_h = (0.19 + 0.012 * d) * rho * (90.0 + alpha) / 180.0;
    b->I = Pi * std::pow(d1, 4.0) / 64.0;
    b->N_ki = std::sqrt(b->c_h * 210000.0 * b->I);
    b->lambda = b->N_ki > 0.0 ? std::sqrt(b->N_pl / b->N_ki) : 0.0;
    b->k = 0.5 * (1.0 + 0.49 * (b->lambda - 0.2) + b->lambda * b->lambda);
    b->kappa =
        b->lambda <= 0.2 ? 1.0 : 1.0 / (b->k + std::sqrt(b->k * b->k - b->lambda * b->lambda));
}

void Calc_Screw_Buckling(int mat, int grade, int type, int stainless, double d, double d1, double t,
                         double l, double alpha, int predrilled, double *out)
{
    if (out == nullptr) return;
    double rho = 0.0;
    Get_Rho_K(mat, grade, t, &rho, nullptr);
    const double a = alpha * Deg;
    double fy = 0.0, f_ax = 0.0, F_ax = 0.0;
    bool known = true;
    if (Is_Vbm_Screw_Eta11(type)) {
        fy = stainless ? 500.0 : 1000.0;
        f_ax = Get_Fax_Table_A(d);
        F_ax = d * f_ax * l;
    } else if (Is_Vbm_Screw_Eta12(type)) {
        fy = stainless ? 500.0 : 1000.0;
        f_ax = Get_Fax_Table_B(d);
        /* (rho / 350)^0.8 multiplies the capacity (see the design run's compression check) */
        const double s = std::sin(a), c = std::cos(a);
        F_ax = d * f_ax * l * std::pow(rho / 350.0, 0.8) / (1.2 * c * c + s * s);
    } else if (Is_Vbm_Screw_Family_C(type)) {
        fy = stainless ? 540.0 : 900.0;
        if (d > 7.99 && d < 8.01 && t > 399.0) fy = 800.0;
        f_ax = Get_Fax_Family_C_A(d, mat, predrilled);
        F_ax = d * f_ax * l;
    } else {
        known = false;
    }
    for (int i = 0; i < 10; i++) out[i] = 0.0;
    if (!known) return;
    Screw_Buckling_Set b;
    Screw_Buckling_Values(d, d1, rho, alpha, fy, &b);
    const bool buckling = b.kappa * b.N_pl <= F_ax;
    out[0] = b.c_h;
    out[1] = b.I;
    out[2] = b.kappa;
    out[3] = b.k;
    out[4] = b.lambda;
    out[5] = b.N_ki;
    out[6] = f_ax;
    out[7] = b.N_pl;
    out[8] = buckling ? b.kappa * b.N_pl : F_ax;
    out[9] = buckling ? 1.0 : 0.0;
}

double Get_Vbm_Ftens_Rk(int type, int thread_layout, double d, int stainless, int steel_grade,
                        double fu)
{
    if (Is_Vbm_Screw_Eta11(type)) {
        if (stainless) return Get_Eta11_Screw_Ftens_Alt(d);
        return Get_Eta11_Screw_Ftens(d, (type == VBM_ASSY_BENUTZER && thread_layout != 2) ? 0 : 1);
    }
    if (Is_Vbm_Screw_Eta12(type))
        return stainless ? Get_Eta12_Screw_Ftens_Alt(d) : Get_Eta12_Screw_Ftens(d);
    if (Is_Vbm_Screw_Family_C(type))
        return stainless ? Get_Screw_C_Ftens_Alt(type, d) : Get_Screw_C_Ftens(type, d);
    if (Is_Vbm_Simpson_Nail(type)) return Get_Simpson_Nail_Ftens(type, d);
    const double area = Pi * d * d / 4.0;
    if (type == VBM_BOLZEN) {
        const double f_ub = Get_Stahlguete(static_cast<uint32_t>(steel_grade))->fu;
        if (Nad_Params != nullptr) return 0.9 * f_ub * Calc_Bolt_Stress_Area(d) / 1.25;
        return area * f_ub / 1.25;
    }
    if (type == VBM_KLAMMER) return 2.0 * area * fu / 1.25;
    return area * fu / 1.25;
}

double Calc_Fax_Rk(int type, int mat, int grade, double t, int head_form, double d, double D,
                   double d1, int washer, int fibre_saturated, int unused, double staple_angle,
                   double *out_f_head, int *out_code)
{
    double rho = 0.0;
    Get_Rho_K(mat, grade, t, &rho, nullptr);
    if (mat == MAT_C24_DENSITY) {
        rho = std::min(rho, 500.0);
        t *= 3.0;
    }
    const bool panel = Is_Mat_Panel(mat);
    double f_head = 0.0;
    if (Is_Vbm_Screw_Eta12(type)) {
        if (panel) rho = std::min(rho, 380.0);
        D = std::min(D, 32.0);
        f_head = Calc_Fhead_Screw_B(type, head_form, D, d1, washer, t, mat);
    } else if (Is_Vbm_Screw_Family_C(type) || Is_Vbm_Screw_Eta11(type)) {
        if (mat == MAT_LAUBHOLZ || mat == MAT_KERTO_S || mat == MAT_KERTO_Q
            || mat == MAT_STEICO_LVL)
            rho = std::min(rho, 590.0);
        else if (mat == MAT_BAUBUCHE_GL75 || mat == MAT_BAUBUCHE_PLATTE) rho = std::min(rho, 730.0);
        else if (mat == MAT_POLLM_LVL_S) rho = std::min(rho, 550.0);
        else if (panel) rho = std::min(rho, 380.0);
        D = std::min(D, 32.0);
        f_head = Is_Vbm_Screw_Family_C(type)
                     ? Calc_Fhead_Screw_C(type, head_form, D, d1, washer, t, mat)
                     : Calc_Fhead_Screw_A(D, d1, t, mat);
    } else if (Is_Vbm_Din571_Screw(type)) {
        f_head = Calc_Fhead_Screw_Param(type, mat, rho, t, D, 0);
    } else {
        f_head = Calc_Fhead_Nail_Param(type, fibre_saturated, rho);
    }
    if (Is_Vbm_Special_Nail(type) && mat != MAT_C24_DENSITY
        && (mat == MAT_OSB || mat == MAT_SPERRHOLZ || mat == MAT_SPANPLATTE || mat == MAT_KERTO_S
            || mat == MAT_KERTO_Q || mat == MAT_POLLM_LVL_S)) {
        if (t <= 11.99) f_head = D > 0.0 ? 400.0 / (D * D) : 0.0;
        else if (t <= 19.99) f_head = 8.0;
        else
            f_head = Calc_Fhead_Nail_Param(
                Is_Vbm_Special_Nail_Def(type) ? VBM_SONDERNAGEL_1C : type, fibre_saturated, 380.0);
    }
    if (mat == MAT_C24_DENSITY && Is_Vbm_Nail(type)) {
        if (f_head < 100e-6 * rho * rho - 0.001) f_head = 0.0;
        if (out_code != nullptr) *out_code = DNOTE_FHEAD_BELOW_MIN;
    }
    double F;
    const double kr = std::pow(rho / 350.0, 0.8);
    if (type == VBM_NAGEL) {
        F = D * D * Calc_Fhead_Nail_Param(0, fibre_saturated, rho);
    } else if (Is_Vbm_Screw_Eta12(type)) {
        const double k = D > 0.0 && t / D >= 3.0 ? 1.3 : 1.0;
        F = k * D * D * f_head * kr;
        if (panel && t < 12.0) F = std::min(F, 400.0);
    } else if (Is_Vbm_Screw_Eta11(type)) {
        F = D * D * f_head * kr;
    } else if (Is_Vbm_Screw_Family_C(type)) {
        F = f_head * D * D * kr;
        if (panel && t < 12.0) F = std::min(F, 400.0);
    } else if (type == VBM_KLAMMER) {
        F = 2.0 * f_head * D * d;
    } else {
        F = D * D * f_head;
    }
    if (type == VBM_KLAMMER && staple_angle < 30.0 && Annex_Variant()) F *= 0.7;
    if (out_f_head != nullptr) *out_f_head = f_head;
    return F;
}

double Calc_Vbm_Washer_Bearing(int mat, double f_c90, double t, double d, double washer_d)
{
    const double A = Is_Mat_Metal_Plate(mat) ? Calc_Washer_Area_Alt(d, washer_d, t)
                                             : Calc_Washer_Area(d, washer_d);
    return 3.0 * f_c90 * A;
}

/* The generic fields of the rule input that a user screw line fills (its l_ef takes the threaded
** length; the rule input keeps no axis angle of the line). */
static User_Screw_Target Screw_Target(Vbm_Rule_Input *in)
{
    return {&in->stainless, &in->washer_d, &in->d,    &in->d_k,
            &in->d2,        &in->length,   &in->l_ef, nullptr};
}

void Apply_User_Screw_Line_43(Vbm_Rule_Input *input)
{
    if (input != nullptr && input->vbm_type == VBM_ASSY_BENUTZER)
        Apply_User_Screw_Line(input->user_line_43, Screw_Target(input));
}

void Apply_User_Screw_Line_44(Vbm_Rule_Input *input)
{
    if (input != nullptr && input->vbm_type == VBM_SPAX_BENUTZER)
        Apply_User_Screw_Line(input->user_line_44, Screw_Target(input));
}
