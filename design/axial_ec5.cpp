/*
** Axial capacity of one fastener by EN 1995-1-1, 8.3.2, 8.4, 8.5.2 and 8.7.2 with the national
** annex and the approvals ETA-11/0190 and ETA-12/0114: withdrawal of the point, the thread in the
** head-side member, head pull-through, the steel and washer bearing. N, mm, N/mm².
*/
#include "design/design_run.h"

#include <algorithm>
#include <cmath>

#include "catalogue/catalogue.h"
#include "design/design_axial.h"
#include "design/design_lateral.h"
#include "design/design_plates.h"
#include "nad/nad.h"

/*
** Return the threaded length l_t of the fastener: the input's threaded length (the user line's for
** types 43 and 44, l - t1 for a nail), reduced by the part of the length beyond t1 + t2; at least 0.
*/
double Calc_Screw_Thread_Length(const Connection_Input &in)
{
    double l_t = in.l_thread;
    if (in.vbm_type == VBM_ASSY_BENUTZER) l_t = in.user_line_43.l_thread;
    else if (in.vbm_type == VBM_SPAX_BENUTZER) l_t = in.user_line_44.l_thread;
    else if (in.vbm_type == VBM_NAGEL) l_t = in.length - in.t1;
    if (in.length > in.t1 + in.t2) l_t -= in.length - (in.t1 + in.t2);
    return l_t < 0.0 ? 0.0 : l_t;
}

namespace {

double Forbidden(Connection_Result *result, int code)
{
    if (result != nullptr) {
        if (code != 0) result->msg_code = code;
        result->r_ax = 0.0;
        result->r_ax_copy = 0.0;
        result->r_ax_d = 0.0;
    }
    return 0.0;
}

/* Split of the thread of a user-defined line between member 2 (l_t) and member 1 (l_r). */
void Line_Thread_Split(const Vbm_Screw_Line &line, bool layout_second, double l_ef, double t1,
                       double sa, double *l_t, double *l_r)
{
    const double l_max = sa != 0.0 ? l_ef / sa : *l_t;
    const double t1_max = sa != 0.0 ? t1 / sa : t1;
    if (!layout_second) {
        *l_r = 0.0;
        if (l_max < *l_t) {
            *l_t = l_max;
            *l_r = line.l_thread - *l_t;
        }
        return;
    }
    *l_r = line.l_thread_2;
    double e = 0.0;
    if (*l_r > t1_max) {
        e = *l_r - t1_max;
        *l_r = t1_max;
    }
    if (l_max < *l_t) {
        *l_t = l_max;
        *l_r += line.l_thread - *l_t;
    }
    *l_t += e;
}

/*
** Bolt steel capacity, EN 1993-1-8, Table 3.4: F_t,Rd = k2 f_ub A_s / gamma_M2 with k2 = 0.9,
** gamma_M2 = 1.25 and the tensile stress area A_s; a given fu (no steel grade) is taken as it
** stands, without gamma_M2.
*/
double Steel_Capacity(const Connection_Input &in, double d)
{
    const double f = in.steel_grade >= 0
        ? Get_Stahlguete(static_cast<uint32_t>(in.steel_grade))->fu / 1.25 : in.fu;
    return 0.9 * f * Calc_Bolt_Stress_Area(d);
}

} // namespace

/*
** Return the characteristic axial capacity of one fastener by EN 1995-1-1 (N) and fill the axial
** fields of the result; a rule that forbids the axial share leaves its code in msg_code and gives
** 0. l_ef is the penetration in the point-side member, f_c90 the compressive strength under the
** washer (N/mm²). Approved screws also run their compression check.
*/
double Calc_Axial_Ec5(const Connection_Input &in, double l_ef, double f_c90, Connection_Result *result)
{
    const int type = in.vbm_type;
    const int variant = Nad_Params != nullptr ? Nad_Params->variant : 0;
    const double alpha = in.axis_angle;
    const double a = DESIGN_PI * alpha / 180.0;
    const double sa = std::sin(a), ca = std::cos(a);
    const double d = in.d, d_k = in.d_k, d1 = in.d_2, wd = in.washer_d;
    const bool plate1 = Is_Mat_Metal_Plate(in.mat_1), panel1 = Is_Mat_Panel(in.mat_1);
    const bool panel2 = Is_Mat_Panel(in.mat_2);
    double k_n = 1.0, k_d = 0.0, F1 = 0.0, F_w = 0.0, F_h = 0.0, f_ax = 0.0, f_head = 0.0;
    double l_r = 0.0;
    bool steel = false, approved = false;
    double rho_1 = 0.0, rho_2 = 0.0;
    Get_Rho_K(in.mat_1, in.grade_1, in.t1, &rho_1, &in.user_material);
    Get_Rho_K(in.mat_2, in.grade_2, in.t2, &rho_2, &in.user_material);
    double l_t = Calc_Screw_Thread_Length(in);
    const bool standard_staple = type == VBM_KLAMMER && in.resin_coated && in.staple_angle_1 > 29.9
                              && in.staple_angle_2 > 29.9 && variant != 0;
    const bool any_screw = Is_Vbm_Din571_Screw(type) || Is_Vbm_Screw_Eta12(type)
                        || Is_Vbm_Screw_Eta11(type) || Is_Vbm_Screw_Family_C(type);

    /* admissibility */
    if (type == VBM_NAGEL && in.predrilled && variant != 0)
        return Forbidden(result, DERR_SMOOTH_NAIL_PREDRILLED);
    if (Is_Vbm_Din571_Screw(type) && l_ef < 6.0 * d) return Forbidden(result, DERR_SCREW_PENETRATION_6D);
    if (Is_Vbm_Screw_Eta12(type)) {
        if ((in.mat_2 == MAT_SPERRHOLZ && in.t2 < 6.0) || (in.mat_1 == MAT_SPERRHOLZ && in.t1 < 6.0))
            return Forbidden(result, DERR_SPAX_PLYWOOD_6MM);
        if ((panel2 && in.t2 < 8.0) || (panel1 && in.t1 < 8.0)) return Forbidden(result, DERR_SPAX_PANEL_8MM);
        if (!plate1 && in.t1 < 1.2 * d) return Forbidden(result, DERR_ASSY_HEAD_MEMBER_1_2D);
        if (in.t2 < 1.2 * d) return Forbidden(result, DERR_ASSY_POINT_MEMBER_1_2D);
        if (alpha < 15.0 && (Is_Mat_Timber_B(in.mat_2) || Is_Mat_Timber_B(in.mat_1)))
            return Forbidden(result, DNOTE_SPAX_ANGLE_15);
        if (alpha < 30.0) return Forbidden(result, DNOTE_SPAX_ANGLE_30);
    }
    if (Is_Vbm_Screw_Eta11(type)) {
        if ((in.mat_1 == MAT_SPERRHOLZ && in.t1 < 6.0) || (in.mat_2 == MAT_SPERRHOLZ && in.t2 < 6.0))
            return Forbidden(result, DERR_ASSY_PLYWOOD_6MM);
        if ((panel1 && in.t1 < 8.0) || (panel2 && in.t2 < 8.0)) return Forbidden(result, DERR_ASSY_PANEL_8MM);
        if (!plate1 && in.t1 < 1.2 * d) return Forbidden(result, DERR_ASSY_HEAD_MEMBER_1_2D);
        if (in.t2 < 1.2 * d) return Forbidden(result, DERR_ASSY_POINT_MEMBER_1_2D);
        if (alpha < 30.0) return Forbidden(result, DNOTE_ASSY_ANGLE_30);
    }
    if (type == VBM_KLAMMER && variant != 0) {
        l_t = std::min(l_t, 20.0 * d);
        if (l_ef < 12.0 * d) return Forbidden(result, DERR_STAPLE_PENETRATION);
        const int m = in.mat_1;
        if (((m == MAT_SPERRHOLZ || m == MAT_FASERPLATTE || m == MAT_KERTO_S || m == MAT_KERTO_Q
            || m == MAT_POLLM_LVL_S) && in.t1 < 6.0) || (m == MAT_OSB && in.t1 < 8.0))
            return Forbidden(result, 0);
    }
    if ((Is_Vbm_Special_Nail(type) || any_screw) && sa != 0.0) l_t = std::min(l_t, l_ef / sa);

    /* withdrawal along the grain direction, EN 1995-1-1, eq. (8.40a) */
    const double denom = sa * sa + 1.2 * ca * ca;
    const bool denom_ok = std::fabs(denom) >= 0.00001;

    if (Is_Vbm_Simpson_Nail(type)) {
        l_t = std::min(l_t, l_ef);
        f_ax = Calc_Fax_Simpson_Nail(type, d, l_t, rho_2);
        F1 = l_t * d * f_ax;
        F_h = 0.0;                      /* no pull-through: with a plate on the head side the
                                        ** head value is F1 (below), without one these nails
                                        ** hold nothing axially */
    } else if (Is_Vbm_Special_Nail(type) || standard_staple) {
        if (Is_Vbm_Special_Nail(type)) {
            l_t = std::min(l_t, l_ef);
            if (l_ef < 6.0 * d && result != nullptr) result->msg_code = DERR_PROFILED_NAIL_PENETRATION;
            f_ax = Calc_Fax_Nail_Param(type, in.moisture, in.predrilled, in.predrill_core, rho_2);
            f_head = Calc_Fhead_Nail_Param(type, in.fibre_saturated, rho_1);
            const int m = in.mat_1;
            if (m == MAT_OSB || m == MAT_SPERRHOLZ || m == MAT_SPANPLATTE || m == MAT_KERTO_S
                || m == MAT_KERTO_Q || m == MAT_POLLM_LVL_S) {
                if (in.t1 <= 11.99) f_head = 400.0 / (d_k * d_k);
                else if (in.t1 <= 19.99) f_head = 8.0;
                else f_head = Calc_Fhead_Nail_Param(Is_Vbm_Special_Nail_Def(type) ? VBM_SONDERNAGEL_1C : type,
                                                    in.fibre_saturated, 380.0);
            }
            F_h = d_k * d_k * f_head;
        } else {
            f_ax = Calc_Fax_Nail_Param(19, in.fibre_saturated ? 30.0 : 0.0, 0, 0, rho_2);
            f_head = Calc_Fhead_Nail_Param(1, in.fibre_saturated, rho_1);
            F_h = d * d_k * f_head;
        }
        /* EN 1995-1-1, 8.3.2(7): points shorter than 8 d reduced */
        F1 = l_t * d * f_ax;
        if (l_t < 8.0 * d) F1 = std::max(F1 * (l_t / (2.0 * d) - 3.0), 0.0);
        if (type == VBM_KLAMMER) {
            F1 *= 2.0;
            if ((in.staple_angle_1 < 30.0 || in.staple_angle_2 < 30.0) && variant != 0) {
                F1 *= 0.7;
                F_h *= 0.7;
            }
            F_h *= 2.0;
        }
    } else if (type == VBM_KLAMMER) {
        if (variant != 0) {
            l_t = std::min(l_ef, 20.0 * d);
            f_ax = Calc_Fax_Nail_Param(1, in.moisture, 0, 0, rho_2);
            f_head = Calc_Fhead_Nail_Param(1, in.fibre_saturated, rho_1);
            F1 = 2.0 * l_t * d * f_ax;
            F_h = 2.0 * d * d_k * f_head;
            if (l_t < 12.0 * d) {
                const double k = l_t / (4.0 * d) - 2.0;
                F1 *= k;
                F_h *= k;
            }
            if (in.staple_angle_1 < 30.0 || in.staple_angle_2 < 30.0) {
                F1 *= 0.7;
                F_h *= 0.7;
            }
        }
    } else if (type == VBM_NAGEL) {
        l_t = l_ef;
        if (l_t < 8.0 * d) return Forbidden(result, DERR_SMOOTH_NAIL_PENETRATION);
        f_ax = Calc_Fax_Nail_Param(0, in.moisture, 0, 0, rho_2);
        f_head = Calc_Fhead_Nail_Param(0, in.fibre_saturated, rho_1);
        F1 = l_t * d * f_ax;
        F_h = d_k * d_k * f_head;
        if (l_t < 12.0 * d) {
            const double k = l_t / (4.0 * d) - 2.0;     /* EN 1995-1-1, 8.3.2(7) */
            F1 *= k;
            F_h *= k;
        }
    } else if (type == VBM_BOLZEN) {
        double A = Calc_Washer_Area(d, wd);
        if (plate1 || Is_Mat_Metal_Plate(in.mat_2)) {
            const double A_p = Calc_Washer_Area_Alt(d, wd, in.t1);
            A = in.shear_planes == 1 ? std::min(A_p, A) : A_p;
        }
        F1 = F_h = 3.0 * f_c90 * A;                     /* EN 1995-1-1, 8.5.2(2) */
        const double F_s = Steel_Capacity(in, d);
        if (F_s < F_h) {
            F1 = F_h = F_s;
            steel = true;
        }
    } else if (Is_Vbm_Toothed_Plate(type)) {
        F1 = F_h = 3.0 * f_c90 * Calc_Washer_Area(in.d_bolt, wd);
    } else if (any_screw) {
        if (in.n_ef_switch && in.n_axial > 0) k_n = std::pow(in.n_axial, 0.9) / in.n_axial;
        if (Is_Vbm_Screw_Family_C(type)) {
            F1 = F_h = 0.0;
        } else if (Is_Vbm_Din571_Screw(type)) {
            if (wd <= d_k) {
                f_head = Calc_Fhead_Screw_Param(type, in.mat_1, rho_1, in.t1, d_k, wd > d);
                F_h = d_k * d_k * f_head;
            } else {
                F_h = 3.0 * f_c90 * (plate1 ? Calc_Washer_Area_Alt(d, wd, in.t1) : Calc_Washer_Area(d, wd));
            }
            if (!denom_ok) return Forbidden(result, 0);
            /* EN 1995-1-1, eq. (8.39) and (8.40a) */
            f_ax = 0.52 * std::pow(d, -0.5) * std::pow(l_t, -0.1) * std::pow(rho_2, 0.8);
            double num = l_t * d * f_ax;
            if (d > 0.0 && d1 / d >= 0.6 && d1 / d <= 0.751 && d > 5.9 && d < 12.1) {
                k_d = std::min(d / 8.0, 1.0);
                num *= k_d;
            }
            F1 = num / denom;
        } else {
            approved = true;
            const double rho_h_panel = panel1 ? std::min(rho_1, 380.0) : rho_1;
            if (type == VBM_SPAX_BENUTZER) {
                const double D = std::min(std::max(d_k, wd), 32.0);
                const double f_t = in.stainless ? Get_Eta12_Screw_Ftens_Alt(d) : Get_Eta12_Screw_Ftens(d);
                f_ax = Get_Fax_Table_B(d);
                f_head = Calc_Fhead_Screw_Eta12(type, in.user_line_44.head_form, D, d1, wd, in.t1, in.mat_1);
                Line_Thread_Split(in.user_line_44, in.user_line_44.thread_layout == 1, l_ef, in.t1, sa, &l_t, &l_r);
                F1 = denom_ok ? d * f_ax * l_t * std::pow(rho_2 / 350.0, 0.8) / denom : 0.0;
                if (f_t < F1) { F1 = f_t; steel = true; }
                F_w = denom_ok ? d * f_ax * l_r * std::pow(rho_1 / 350.0, 0.8) / denom : 0.0;
                const double k_h = in.t1 / std::min(std::max(wd, d_k), 32.0) >= 3.0 ? 1.3 : 1.0;
                F_h = k_h * f_head * D * D * std::pow(rho_h_panel / 350.0, 0.8);
                if (in.t1 < 12.0 && panel1) F_h = std::min(F_h, 400.0);
            } else if (Is_Vbm_Screw_Eta12(type)) {
                double D = type == VBM_SPAX_TELLERKOPF_TG ? d_k : std::max(d_k, wd);
                const double l_max = sa != 0.0 ? l_ef / sa : l_t;
                const double f_t = in.stainless ? Get_Eta12_Screw_Ftens_Alt(d) : Get_Eta12_Screw_Ftens(d);
                l_t = std::min(l_t, l_max);
                f_ax = Calc_Fax_Screw_Class(type, in.predrilled, 0, rho_2, d);
                F1 = denom_ok ? d * f_ax * l_t * std::pow(rho_2 / 350.0, 0.8) / denom : 0.0;
                if (f_t < F1) { F1 = f_t; steel = true; }
                D = std::min(D, 32.0);
                f_head = Calc_Fhead_Screw_Param(type, in.mat_1, rho_h_panel, in.t1, D, wd > d_k);
                const double k_h = in.t1 / std::min(std::max(wd, d_k), 32.0) >= 3.0 ? 1.3 : 1.0;
                F_h = k_h * f_head * D * D * std::pow(rho_h_panel / 350.0, 0.8);
                if (panel1 && in.t1 < 12.0) F_h = std::min(F_h, 400.0);
                if (d_k < 1.8 * d1) F_h = 0.0;
                if (type == VBM_SPAX_SENKKOPF_VG) {
                    l_r = in.l_thread - l_max;
                    const double f_ax1 = Calc_Fax_Screw_Class(type, in.predrilled, 0, rho_1, d);
                    F_w = denom_ok ? d * f_ax1 * l_r * std::pow(rho_1 / 350.0, 0.8) / denom : 0.0;
                }
            } else {
                /* ETA-11/0190 */
                const double D = std::min(std::max(d_k, wd), 32.0);
                const int s = (type == VBM_ASSY_BENUTZER && in.user_line_43.thread_layout != 2) ? 0 : 1;
                const double f_t = in.stainless ? Get_Eta11_Screw_Ftens_Alt(d) : Get_Eta11_Screw_Ftens(d, s);
                rho_1 = std::min(rho_1, 590.0);
                rho_2 = std::min(rho_2, 590.0);
                double rho_h = rho_1;
                const int m = in.mat_1;
                if (m == MAT_BAUBUCHE_GL75 || m == MAT_BAUBUCHE_PLATTE) rho_h = std::min(rho_1, 730.0);
                else if (m == MAT_LAUBHOLZ || m == MAT_STEICO_LVL || m == MAT_KERTO_S || m == MAT_KERTO_Q)
                    rho_h = std::min(rho_1, 590.0);
                else if (m == MAT_POLLM_LVL_S) rho_h = std::min(rho_1, 550.0);
                else if (panel1) rho_h = std::min(rho_1, 380.0);
                f_ax = Get_Fax_Table_A(d);
                f_head = Calc_Fhead_Screw_Eta11(D, wd, d1, in.t1, in.mat_1);
                const double k_alpha = alpha < 45.0 ? 0.3 + 0.7 * alpha / 45.0 : 1.0;
                if (type == VBM_ASSY_BENUTZER) {
                    const int lay = in.user_line_43.thread_layout;
                    Line_Thread_Split(in.user_line_43, lay == 1 || lay == 3, l_ef, in.t1, sa, &l_t, &l_r);
                } else {
                    l_r = sa != 0.0 ? (in.t1 - (in.length - in.l_thread)) / sa : 0.0;
                }
                F1 = d * k_alpha * f_ax * l_t * std::pow(rho_2 / 350.0, 0.8);
                if (f_t < F1) { F1 = f_t; steel = true; }
                F_w = d * k_alpha * f_ax * l_r * std::pow(rho_1 / 350.0, 0.8);
                F_h = f_head * D * D * std::pow(rho_h / 350.0, 0.8);
                if (panel1 && in.t1 < 12.0) F_h = std::min(F_h, 400.0);
                if ((type == VBM_ASSY_ZYLINDERKOPF_VG || type == VBM_ASSY_SENKFRAESKOPF_VG) && d_k < 1.8 * d1)
                    F_h = 0.0;
            }
        }
    }

    double head = F_h;
    if (approved) {
        head = !plate1 ? std::max(F_w, F_h)
                       : 3.0 * f_c90 * Calc_Washer_Area_Alt(d, wd, in.t1);
        if (result != nullptr) {
            if (Is_Vbm_Screw_Eta12(type)) {
                Calc_Screw_Buckling_Eta12(in, l_ef, result);
                if (type == VBM_SPAX_SENKKOPF_VG) Calc_Screw_Buckling_Eta12(in, l_ef, result);
            } else {
                Calc_Screw_Buckling_Eta11(in, l_ef, result);
            }
        }
    }
    if (plate1) head = F1;
    double F = std::min(F1, head) * k_n;
    if (F < 0.0) F = 0.0;
    if (type == VBM_KLAMMER && in.moisture > 20.0 && result != nullptr)
        result->msg_code = DNOTE_STAPLE_F1K_THIRD;

    if (result != nullptr) {
        result->rho_1 = rho_1;
        result->rho_2 = rho_2;
        result->l_thread_1 = l_r;
        result->l_thread_2 = l_t;
        result->k_n = k_n;
        result->k_d = k_d;
        result->f_ax_k = f_ax;
        result->f_ax_k_2 = f_ax;
        result->f_ax_unit = 1.0;
        result->f_head = f_head;
        result->f_ax_point = F1;
        result->f_ax_thread_1 = F_w;
        result->f_ax_head = F_h;
        result->r_ax = F;
        result->r_ax_copy = F;
        if (!Is_Vbm_Simpson_Nail(type))
            result->f_ax_param = Calc_Fax_Nail_Param(standard_staple ? 19 : type, in.moisture,
                                                     in.predrilled, in.predrill_core, rho_2);
        result->f_head_param = f_head;
        result->steel_governs = steel ? 1 : 0;
        result->r_ax_d = Calc_Geometric_Mean_Ratio(F, result->kmod_1, result->kmod_2,
                                                   std::max(in.gamma_m_1, in.gamma_m_2));
        /* without a partial factor the design value cannot be formed */
        if (!(std::max(in.gamma_m_1, in.gamma_m_2) > 0.0) && F > 0.0 && result->r_ax_d == 0.0)
            result->msg_code = DERR_FVRK_UNDEFINED;
    }
    return F;
}
