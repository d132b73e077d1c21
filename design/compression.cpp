/*
** Compression capacity of fully threaded screws of the approvals ETA-11/0190 and ETA-12/0114
** (pressing-in against buckling of the steel core, EN 1993-1-1, 6.3.1 curve c), and the share of
** the axial capacity that the rope effect adds to the lateral capacity (EN 1995-1-1, 8.2.2(2)).
** N, mm, N/mm²; pi is the design run's constant.
*/
#include "design/design_run.h"

#include <algorithm>
#include <cmath>

#include "catalogue/catalogue.h"
#include "design/design_axial.h"
#include "design/design_lateral.h"
#include "design/design_plates.h"
#include "nad/nad.h"

namespace {

/*
** The compression check of one screw; eta12 selects the ETA-12/0114 form of the pressing-in
** capacity. Every intermediate value goes into the result for the print list.
*/
void Screw_Buckling(const Connection_Input &in, bool eta12, Connection_Result *result)
{
    if (result == nullptr) return;
    const double fy = in.stainless ? 500.0 : 1000.0;
    const double E = 210000.0;
    double gamma_m1 = 1.1;
    if (Nad_EC3_Params_Ptr != nullptr && Nad_EC3_Params_Ptr->ec3_1.gamma_m1 > 0.0)
        gamma_m1 = Nad_EC3_Params_Ptr->ec3_1.gamma_m1;
    const double alpha = in.axis_angle;
    const double a = DESIGN_PI * alpha / 180.0;
    double rho = 0.0;
    Get_Rho_K(in.mat_2, in.grade_2, in.t2, &rho, &in.user_material);
    const double d = in.d, d1 = in.d_2, l_ef = in.l_thread;

    const double f_ax_k = eta12 ? Get_Fax_Table_B(d) : Get_Fax_Table_A(d);
    const double gamma = Get_Axial_Gamma_M(in); /* the pressing-in: of the connection */
    const double f_ax_d = Calc_Geometric_Mean_Ratio(f_ax_k, result->kmod_1, result->kmod_2, gamma);
    double F_ax_k, F_ax_d;
    if (eta12) {
        /* The density factor (rho / 350)^0.8 multiplies the pressing-in capacity, as in the
        ** withdrawal of the screws: dividing the sine term by it would let a denser timber carry
        ** less and a timber below 350 kg/m³ more, which is unconservative. */
        const double s = std::sin(a), c = std::cos(a);
        const double den = s * s + 1.2 * c * c;
        const double kr = std::pow(rho / 350.0, 0.8);
        F_ax_k = den > 0.00001 ? d * f_ax_k * l_ef * kr / den : 0.0;
        F_ax_d = den > 0.00001 ? d * f_ax_d * l_ef * kr / den : 0.0;
    } else {
        F_ax_k = l_ef * d * f_ax_k;
        F_ax_d = l_ef * d * f_ax_d;
    }
    const double N_pl_k = fy * DESIGN_PI * d1 * d1 / 4.0;
    const double N_pl_d = N_pl_k / gamma_m1;
    /* Elastic bedding of the screw in the timber, c_h = (0.19 + 0.012 d) rho (90 + alpha) / 180
    ** as the approvals publish it (d in mm, alpha in degrees). */
    const double c_h = (0.19 + 0.012 * d) * rho * (90.0 + alpha) / 180.0;
    const double I = DESIGN_PI * std::pow(d1, 4.0) / 64.0;
    const double N_ki_k = std::sqrt(c_h * E * I);
    const double lambda = N_ki_k > 0.0 ? std::sqrt(N_pl_k / N_ki_k) : 0.0;
    const double k = 0.5 * (1.0 + 0.49 * (lambda - 0.2) + lambda * lambda);
    const double kappa = lambda <= 0.2 ? 1.0 : 1.0 / (k + std::sqrt(k * k - lambda * lambda));
    const double F_c_k = std::min(F_ax_k, kappa * N_pl_k);
    const double F_c_d = std::min(F_ax_d, kappa * N_pl_d);

    double *v = result->compression;
    v[COMP_KAPPA_C] = kappa;
    v[COMP_LAMBDA_K] = lambda;
    v[COMP_K] = k;
    v[COMP_N_KI_K] = N_ki_k;
    v[COMP_N_PL_K] = N_pl_k;
    v[COMP_N_PL_D] = N_pl_d;
    v[COMP_F_Y_K] = fy;
    v[COMP_C_H] = c_h;
    v[COMP_E] = E;
    v[COMP_I] = I;
    v[COMP_GAMMA_M1] = gamma_m1;
    v[COMP_KAPPA_N_PL_K] = kappa * N_pl_k;
    v[COMP_F_AX_K] = F_ax_k;
    v[COMP_KAPPA_N_PL_D] = kappa * N_pl_d;
    v[COMP_F_AX_D] = F_ax_d;
    v[COMP_FAX_K_PARAM] = f_ax_k;
    v[COMP_FAX_D_PARAM] = f_ax_d;
    v[COMP_F_C_K] = F_c_k;
    v[COMP_F_C_D] = F_c_d;
    result->buckling_char = kappa * N_pl_k <= F_ax_k ? 1 : 0;
    result->buckling_design = kappa * N_pl_d <= F_ax_d ? 1 : 0;
}

} // namespace

int Calc_Screw_Buckling_Eta11(const Connection_Input &input, double l_ef, Connection_Result *result)
{
    Screw_Buckling(input, false, result);
    return 0;
}

int Calc_Screw_Buckling_Eta12(const Connection_Input &input, double l_ef, Connection_Result *result)
{
    Screw_Buckling(input, true, result);
    return 0;
}

double Calc_Rope_Effect_Share(const Connection_Input &input, double f_ref, double l_ef,
                              double f_c90, Connection_Result *result)
{
    const int type = input.vbm_type;
    double limit = 0.5 * f_ref;
    if (!Check_Vbm_Material_Pair(type, input.resin_coated, input.predrilled, input.fitted_bolt,
                                 input.mat_1, input.mat_2, 0, 0))
        return 0.0;
    const bool screw = Is_Vbm_Din571_Screw(type) || Is_Vbm_Screw_Eta12(type)
                       || Is_Vbm_Screw_Eta11(type) || Is_Vbm_Screw_Family_C(type);
    const bool bolt_like = type == VBM_BOLZEN || Is_Vbm_Toothed_Plate(type);
    double share;
    if (Nad_Params == nullptr) {
        if (screw) limit = f_ref;
        else if (bolt_like) limit = 0.25 * f_ref;
        share = std::min(limit, 0.25 * Calc_Axial_Din1052(input, l_ef, f_c90, result));
    } else {
        if (screw) limit = f_ref;
        else if (type == VBM_NAGEL || type == VBM_KLAMMER) limit = 0.15 * f_ref;
        else if (type == VBM_SIMPSON_CNA) {
            share = 0.6 * Calc_Axial_Ec5(input, l_ef, f_c90, result);
            if (result != nullptr) result->rope_share = share;
            return share;
        } else if (type == VBM_SIMPSON_CSA) limit = 0.4 * f_ref;
        else if (Is_Vbm_Special_Nail(type)) limit = 0.5 * f_ref;
        else if (bolt_like) limit = 0.25 * f_ref;
        share = std::min(limit, 0.25 * Calc_Axial_Ec5(input, l_ef, f_c90, result));
    }
    if (result != nullptr) result->rope_share = share;
    return share;
}
