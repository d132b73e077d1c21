/*
** Axial capacity of one fastener by DIN 1052, 12.8 (nails, staples, wood screws, the approved
** screw lines, bolts and the washers of connector bolts): withdrawal of the point, pull-through of
** the head, the steel and the washer bearing. N, mm, N/mm²; pi is the design run's constant.
*/
#include "design/design_run.h"

#include <algorithm>
#include <cmath>

#include "catalogue/catalogue.h"
#include "design/design_axial.h"
#include "design/design_lateral.h"
#include "design/design_plates.h"

namespace {

/* Set the message code and return 0 with an empty axial value. */
double Forbidden(Connection_Result *result, int code)
{
    if (result != nullptr) {
        result->msg_code = code;
        result->r_ax = 0.0;
        result->r_ax_d = 0.0;
    }
    return 0.0;
}

/* Bearing area under a washer, with the fallback min(D + 60 - d, 4 d) D for a non-standard one. */
double Washer_Bearing_Area(double d, double washer_d)
{
    double a = Calc_Thread_Area(d, washer_d);
    if (a <= 0.0) a = std::min(washer_d + 60.0 - d, 4.0 * d) * washer_d;
    return a;
}

/* Tensile capacity of a bolt: pi d²/4 times fu / 1.25 of its steel grade, or the given fu. */
double Bolt_Steel_Capacity(const Connection_Input &in, double d)
{
    const double f = in.steel_grade >= 0
        ? Get_Stahlguete(static_cast<uint32_t>(in.steel_grade))->fu / 1.25 : in.fu;
    return DESIGN_PI * d * d / 4.0 * f;
}

/* Steps 7 and 8 of the approved screws: panel caps of the head side, the steel and 1.2 d. */
void Approved_Screw_Limits(const Connection_Input &in, double d, double d_k, double f_t,
                           double *F1, double *F2, bool *steel)
{
    const bool panel1 = Is_Mat_Panel(in.mat_1), plate1 = Is_Mat_Metal_Plate(in.mat_1);
    if (panel1 && in.t1 >= 12.0 && in.t1 <= 20.0) *F2 = std::min(*F2, 8.0 * d_k * d_k);
    else if (panel1 && in.t1 < 12.0) *F2 = std::min(*F2, 400.0);
    double F = std::min(*F1, *F2);
    if (f_t < F) {
        F = f_t;
        *steel = true;
    }
    if (in.t1 < 1.2 * d && !plate1) F = 0.0;
    *F1 = *F2 = F;
}

} // namespace

/*
** Return the characteristic axial capacity of one fastener by DIN 1052 (N) and fill the axial
** fields of the result; a rule that forbids the axial share leaves its code in msg_code and gives
** 0. l_ef is the penetration in the point-side member, f_c90 the compressive strength under the
** washer (N/mm²). A null result computes with zero densities and modification factors.
*/
double Calc_Axial_Din1052(const Connection_Input &in, double l_ef, double f_c90,
                          Connection_Result *result)
{
    const int type = in.vbm_type;
    const double a = DESIGN_PI * in.axis_angle / 180.0;
    const double sa = std::sin(a), ca = std::cos(a);
    const double phi = std::min(in.staple_angle_1, in.staple_angle_2);
    double rho_1 = result != nullptr ? result->rho_1 : 0.0;
    const double rho_2 = result != nullptr ? result->rho_2 : 0.0;
    double d = in.d, d_k = in.d_k, l_g = in.l_thread;
    const bool plate1 = Is_Mat_Metal_Plate(in.mat_1), panel1 = Is_Mat_Panel(in.mat_1);
    bool steel = false;
    int predrilled = in.predrilled;     /* the approved screws count as not pre-drilled */
    double F1 = 0.0, F2 = 0.0, f_2 = 0.0, f_ax = 0.0;

    if (type == VBM_NAGEL) l_g = l_ef;
    if ((Is_Vbm_Special_Nail(type) || Is_Vbm_Din571_Screw(type) || type == VBM_SPAX_SENKKOPF_TG
        || type == VBM_SPAX_TELLERKOPF_TG)
        && sa != 0.0)
        l_g = std::min(l_g, l_ef / sa);
    if (Is_Vbm_Toothed_Plate(type)) d = in.d_bolt;

    if (type == VBM_NAGEL && predrilled) return Forbidden(result, DNOTE_PREDRILLED_NAIL_NO_WITHDRAWAL);
    if (Is_Vbm_Special_Nail(type) && predrilled)
        return Forbidden(result, DNOTE_PREDRILLED_NAIL_NO_WITHDRAWAL);
    if (type == VBM_KLAMMER && !in.resin_coated) return Forbidden(result, DERR_STAPLE_RESIN_LENGTH);
    if ((type == VBM_NAGEL || type == VBM_KLAMMER || type == VBM_SONDERNAGEL_1A
        || type == VBM_SONDERNAGEL_1B || type == VBM_SONDERNAGEL_1C) && l_ef < 12.0 * d)
        return Forbidden(result, DERR_SMOOTH_NAIL_LEF);
    if (type >= VBM_SONDERNAGEL_2A && type <= VBM_SONDERNAGEL_3C && l_ef < 8.0 * d)
        return Forbidden(result, DERR_SPECIAL_NAIL_LEF);
    if ((type == VBM_NAGEL || type == VBM_KLAMMER) && l_ef > 20.0 * d) {
        if (result != nullptr) result->msg_code = DERR_LEF_LIMITED_20D;
        l_ef = 20.0 * d;
        if (type == VBM_NAGEL) l_g = l_ef;
    }

    /* DIN 1052, eq. (242): withdrawal of screws at an angle to the grain */
    const double k_a = sa * sa + 1.3333333333333333 * ca * ca;
    const bool k_a_ok = std::fabs(k_a) >= 0.00001;

    if (Is_Vbm_Simpson_Nail(type)) {
        l_g = std::min(l_g, l_ef);
        f_ax = Calc_Fax_Simpson_Nail(type, d, l_g, rho_2);
        F1 = F2 = l_g * d * f_ax;
        const double cap = Get_Simpson_Nail_Ftens(type, d);
        if (F1 > cap) {
            F1 = cap;
            steel = true;
        }
    } else if (Is_Vbm_Nail(type) || type == VBM_KLAMMER) {
        l_g = std::min(l_g, l_ef);
        const double f_1 = Calc_Fax_Nail_Param(type, in.moisture, predrilled, in.predrill_core, rho_2);
        F1 = l_g * d * f_1 * (type == VBM_KLAMMER ? 2.0 : 1.0);
        const int m = in.mat_1;
        if (m == MAT_OSB || m == MAT_SPERRHOLZ || m == MAT_SPANPLATTE) {
            if (in.t1 < 12.0) {
                f_2 = type == VBM_KLAMMER ? 400.0 / (d_k * d) : 400.0 / (d_k * d_k);
            } else if (in.t1 < 20.0) {
                f_2 = 8.0;
            } else {
                rho_1 = std::min(rho_1, 380.0);
                if (result != nullptr) result->rho_1 = rho_1;
                f_2 = Calc_Fhead_Nail_Param(type, in.fibre_saturated, rho_1);
            }
        } else if (m == MAT_FERMACELL) {
            f_2 = 15.0;
        } else {
            f_2 = Calc_Fhead_Nail_Param(type, in.fibre_saturated, rho_1);
        }
        F2 = type == VBM_KLAMMER ? d_k * d * f_2 : d_k * d_k * f_2;
    } else if (Is_Vbm_Din571_Screw(type)) {
        if (!k_a_ok) return Forbidden(result, result != nullptr ? result->msg_code : 0);
        l_g = std::min(l_g, l_ef);
        F1 = l_g * d * Calc_Fax_Screw_Class(type, predrilled, 0, rho_2, d) / k_a;
        if (!plate1) {
            f_2 = Calc_Fhead_Screw_Param(type, in.mat_1, rho_1, in.t1, d_k, in.washer_d > d);
            F2 = d_k * d_k * f_2;
        } else {
            F2 = F1;
        }
    } else if (type == VBM_ASSY_ZYLINDERKOPF_VG || type == VBM_ASSY_SENKFRAESKOPF_VG) {
        if (!k_a_ok || sa == 0.0) return Forbidden(result, result != nullptr ? result->msg_code : 0);
        const double f_t = in.stainless ? Get_Eta11_Screw_Ftens_Alt(d) : Get_Eta11_Screw_Ftens(d, 1);
        if (type == VBM_ASSY_ZYLINDERKOPF_VG) d_k = std::max(0.0, in.washer_d);
        d_k = std::min(d_k, 35.0);
        const double f_1 = Calc_Fax_Screw_Class(type, predrilled, 0, rho_2, d);
        F1 = (l_ef / sa) * d * f_1 / k_a;
        if (panel1) {
            rho_1 = 380.0;
            if (result != nullptr) result->rho_1 = rho_1;
        }
        const double F_h = 80e-6 * d_k * d_k * rho_1 * rho_1;
        const double f_1b = Calc_Fax_Screw_Class(type, predrilled, 0, rho_1, d);
        const double F_w = d * f_1b * (std::min(l_g, in.t1) / sa) / k_a;
        F2 = !plate1 ? std::max(F_w, F_h) : F1;
        Approved_Screw_Limits(in, d, d_k, f_t, &F1, &F2, &steel);
    } else if (type == VBM_SPAX_SENKKOPF_VG) {
        if (!k_a_ok || sa == 0.0) return Forbidden(result, result != nullptr ? result->msg_code : 0);
        const double f_t = in.stainless ? Get_Eta12_Screw_Ftens_Alt(d) : Get_Eta12_Screw_Ftens(d);
        d_k = std::min(d_k, 35.0);
        predrilled = 0;
        const double f_1 = Calc_Fax_Screw_Class(type, 0, in.mat_2 == MAT_LAUBHOLZ, rho_2, d);
        F1 = (l_ef / sa) * d * f_1 / k_a;
        f_2 = (panel1 && in.t1 >= 12.0 && in.t1 <= 20.0) ? 8.0 : 10.0;
        const double F_h = d_k * d_k * f_2;
        const double f_1b = Calc_Fax_Screw_Class(type, 0, in.mat_1 == MAT_LAUBHOLZ, rho_1, d);
        const double F_w = d * f_1b * (std::min(l_g, in.t1) / sa) / k_a;
        F2 = !plate1 ? std::max(F_w, F_h) : F1;
        Approved_Screw_Limits(in, d, d_k, f_t, &F1, &F2, &steel);
    } else if (type == VBM_SPAX_SENKKOPF_TG || type == VBM_SPAX_TELLERKOPF_TG) {
        if (!k_a_ok) return Forbidden(result, result != nullptr ? result->msg_code : 0);
        const double f_t = in.stainless ? Get_Eta12_Screw_Ftens_Alt(d) : Get_Eta12_Screw_Ftens(d);
        d_k = std::min(d_k, 35.0);
        predrilled = 0;
        F1 = l_g * d * Calc_Fax_Screw_Class(type, 0, 0, rho_2, d) / k_a;
        if (!plate1) {
            f_2 = (panel1 && in.t1 >= 12.0 && in.t1 <= 20.0) ? 8.0 : 10.0;
            F2 = d_k * d_k * f_2;
        } else {
            F2 = F1;
        }
        Approved_Screw_Limits(in, d, d_k, f_t, &F1, &F2, &steel);
    } else if (type == VBM_BOLZEN) {
        F1 = F2 = Washer_Bearing_Area(d, in.washer_d) * f_c90;
        const double F_s = Bolt_Steel_Capacity(in, d);
        if (F_s < F2 || (plate1 && in.din_bolt_switch == 0)) F1 = F2 = F_s;
    } else if (Is_Vbm_Toothed_Plate(type)) {
        F1 = F2 = Washer_Bearing_Area(d, in.washer_d) * f_c90;
    }

    if (plate1) F2 = F1;
    double F = std::min(F1, F2);
    const double alpha = in.axis_angle;
    if (Is_Vbm_Screw_Eta12(type) && alpha < 30.0) {
        if (result != nullptr) result->msg_code = DNOTE_SPAX_ANGLE_30;
        F = 0.0;
    }
    if (Is_Vbm_Screw_Eta11(type) && alpha < 30.0) {
        if (result != nullptr) result->msg_code = DNOTE_ASSY_ANGLE_30;
        F = 0.0;
    }
    if (type == VBM_KLAMMER && in.moisture > 20.0 && result != nullptr)
        result->msg_code = DNOTE_STAPLE_F1K_THIRD;
    if (type == VBM_KLAMMER && phi < 30.0) {
        if (result != nullptr) result->msg_code = DNOTE_RAX_70_PERCENT;
        F *= 0.7;
    }
    if (F < 0.0) F = 0.0;
    if (result != nullptr) {
        result->r_ax = F;
        if (Is_Vbm_Simpson_Nail(type)) {
            result->f_ax_param = f_ax;
            result->f_head_param = f_ax;
        } else {
            result->f_ax_param = Calc_Fax_Nail_Param(type, in.moisture, predrilled,
                                                     in.predrill_core, rho_2);
            result->f_head_param = f_2;
        }
        result->r_ax_d = steel ? F / 1.25
                               : Calc_Geometric_Mean_Ratio(F, result->kmod_1, result->kmod_2,
                                                           std::max(in.gamma_m_1, in.gamma_m_2));
        /* without a partial factor the design value cannot be formed */
        if (!(std::max(in.gamma_m_1, in.gamma_m_2) > 0.0) && F > 0.0 && result->r_ax_d == 0.0)
            result->msg_code = DERR_FVRK_UNDEFINED;
    }
    return F;
}
