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
                         ? Get_Stahlguete(static_cast<uint32_t>(in.steel_grade))->fu / 1.25
                         : in.fu;
    return DESIGN_PI * d * d / 4.0 * f;
}

/* Steps 7 and 8 of the approved screws: panel caps of the head side, the steel and 1.2 d. */
void Approved_Screw_Limits(const Connection_Input &in, double d, double d_k, double f_t, double *F1,
                           double *F2, bool *steel)
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

/* ---------------------------------------------------------------- the steps of one design */

constexpr int AXIAL_GO = -1; /* a step's "go on"; any other value is a code for Forbidden */

/* What the steps of one axial design share: the input, values derived from it once, and the
** capacities found so far. N, mm, N/mm², kg/m³. */
struct Din_Axial {
    const Connection_Input &in;
    double l_ef;  /* mm, penetration in the point-side member (at most 20 d) */
    double f_c90; /* N/mm², compressive strength under the washer */
    int type = 0;
    double sa = 0.0, ca = 0.0; /* sine and cosine of the axis-to-grain angle */
    double rho_1 = 0.0, rho_2 = 0.0;
    double d = 0.0, d_k = 0.0;
    double l_g = 0.0; /* mm, thread length that anchors the point */
    bool plate1 = false, panel1 = false;
    int predrilled = 0; /* the approved screws count as not pre-drilled */
    double k_a = 0.0;   /* sin² + 4/3 cos², DIN 1052, eq. (242) */
    bool k_a_ok = false;
    double F1 = 0.0; /* N, withdrawal of the point side */
    double F2 = 0.0; /* N, the head side */
    double f_2 = 0.0, f_ax = 0.0;
    bool steel = false; /* the steel's tensile capacity governs */
};

/* The code with which a step that cannot go on leaves the message of the result as it is. */
int Kept_Code(const Connection_Result *result) { return result != nullptr ? result->msg_code : 0; }

/* Fill the values that the steps derive from the input and the densities of the result. */
void Din_Derive(Din_Axial &w, const Connection_Result *result)
{
    const Connection_Input &in = w.in;
    const int type = in.vbm_type;
    w.type = type;
    const double a = DESIGN_PI * in.axis_angle / 180.0;
    w.sa = std::sin(a);
    w.ca = std::cos(a);
    w.rho_1 = result != nullptr ? result->rho_1 : 0.0;
    w.rho_2 = result != nullptr ? result->rho_2 : 0.0;
    w.d = in.d;
    w.d_k = in.d_k;
    w.l_g = in.l_thread;
    w.plate1 = Is_Mat_Metal_Plate(in.mat_1);
    w.panel1 = Is_Mat_Panel(in.mat_1);
    w.predrilled = in.predrilled;
    if (type == VBM_NAGEL) w.l_g = w.l_ef;
    if ((Is_Vbm_Special_Nail(type) || Is_Vbm_Din571_Screw(type) || type == VBM_SPAX_SENKKOPF_TG
         || type == VBM_SPAX_TELLERKOPF_TG)
        && w.sa != 0.0)
        w.l_g = std::min(w.l_g, w.l_ef / w.sa);
    if (Is_Vbm_Toothed_Plate(type)) w.d = in.d_bolt;
    w.k_a = w.sa * w.sa + 1.3333333333333333 * w.ca * w.ca;
    w.k_a_ok = std::fabs(w.k_a) >= 0.00001;
}

/* Return AXIAL_GO when the fastener may carry an axial share, else the code of the first rule
** that forbids it; a nail or staple penetrating more than 20 d counts with 20 d. */
int Din_Admissible(Din_Axial &w, Connection_Result *result)
{
    const Connection_Input &in = w.in;
    const int type = w.type;
    const double d = w.d, l_ef = w.l_ef;
    if (type == VBM_NAGEL && w.predrilled) return DNOTE_PREDRILLED_NAIL_NO_WITHDRAWAL;
    if (Is_Vbm_Special_Nail(type) && w.predrilled) return DNOTE_PREDRILLED_NAIL_NO_WITHDRAWAL;
    if (type == VBM_KLAMMER && !in.resin_coated) return DERR_STAPLE_RESIN_LENGTH;
    if ((type == VBM_NAGEL || type == VBM_KLAMMER || type == VBM_SONDERNAGEL_1A
         || type == VBM_SONDERNAGEL_1B || type == VBM_SONDERNAGEL_1C)
        && l_ef < 12.0 * d)
        return DERR_SMOOTH_NAIL_LEF;
    if (type >= VBM_SONDERNAGEL_2A && type <= VBM_SONDERNAGEL_3C && l_ef < 8.0 * d)
        return DERR_SPECIAL_NAIL_LEF;
    if ((type == VBM_NAGEL || type == VBM_KLAMMER) && l_ef > 20.0 * d) {
        if (result != nullptr) result->msg_code = DERR_LEF_LIMITED_20D;
        w.l_ef = 20.0 * d;
        if (type == VBM_NAGEL) w.l_g = w.l_ef;
    }
    return AXIAL_GO;
}

/* Approved nails CNA and CSA: withdrawal, limited by the nail's tensile capacity. */
void Din_Simpson_Nail(Din_Axial &w)
{
    const double d = w.d;
    w.l_g = std::min(w.l_g, w.l_ef);
    w.f_ax = Calc_Fax_Simpson_Nail(w.type, d, w.l_g, w.rho_2);
    w.F1 = w.F2 = w.l_g * d * w.f_ax;
    const double cap = Get_Simpson_Nail_Ftens(w.type, d);
    if (w.F1 > cap) {
        w.F1 = cap;
        w.steel = true;
    }
}

/* Nails and staples: withdrawal and head pull-through, with the fixed values of panels. */
void Din_Nail(Din_Axial &w, Connection_Result *result)
{
    const Connection_Input &in = w.in;
    const int type = w.type;
    const double d = w.d, d_k = w.d_k;
    w.l_g = std::min(w.l_g, w.l_ef);
    const double f_1 =
        Calc_Fax_Nail_Param(type, in.moisture, w.predrilled, in.predrill_core, w.rho_2);
    w.F1 = w.l_g * d * f_1 * (type == VBM_KLAMMER ? 2.0 : 1.0);
    const int m = in.mat_1;
    if (m == MAT_OSB || m == MAT_SPERRHOLZ || m == MAT_SPANPLATTE) {
        if (in.t1 < 12.0) {
            w.f_2 = type == VBM_KLAMMER ? 400.0 / (d_k * d) : 400.0 / (d_k * d_k);
        } else if (in.t1 < 20.0) {
            w.f_2 = 8.0;
        } else {
            w.rho_1 = std::min(w.rho_1, 380.0);
            if (result != nullptr) result->rho_1 = w.rho_1;
            w.f_2 = Calc_Fhead_Nail_Param(type, in.fibre_saturated, w.rho_1);
        }
    } else if (m == MAT_FERMACELL) {
        w.f_2 = 15.0;
    } else {
        w.f_2 = Calc_Fhead_Nail_Param(type, in.fibre_saturated, w.rho_1);
    }
    w.F2 = type == VBM_KLAMMER ? d_k * d * w.f_2 : d_k * d_k * w.f_2;
}

/* Wood screws of DIN 571: return AXIAL_GO, or keep the message when eq. (242) is undefined. */
int Din_Din571_Screw(Din_Axial &w, const Connection_Result *result)
{
    const Connection_Input &in = w.in;
    const double d = w.d, d_k = w.d_k;
    if (!w.k_a_ok) return Kept_Code(result);
    w.l_g = std::min(w.l_g, w.l_ef);
    w.F1 = w.l_g * d * Calc_Fax_Screw_Class(w.type, w.predrilled, 0, w.rho_2, d) / w.k_a;
    if (!w.plate1) {
        w.f_2 = Calc_Fhead_Screw_Param(w.type, in.mat_1, w.rho_1, in.t1, d_k, in.washer_d > d);
        w.F2 = d_k * d_k * w.f_2;
    } else {
        w.F2 = w.F1;
    }
    return AXIAL_GO;
}

/* Fully threaded screws of approval ETA-11/0190: return AXIAL_GO, or keep the message when the
** angle leaves the withdrawal undefined. */
int Din_Screw_Eta11_Vg(Din_Axial &w, Connection_Result *result)
{
    const Connection_Input &in = w.in;
    const int type = w.type;
    const double d = w.d, sa = w.sa, k_a = w.k_a;
    if (!w.k_a_ok || sa == 0.0) return Kept_Code(result);
    const double f_t = in.stainless ? Get_Eta11_Screw_Ftens_Alt(d) : Get_Eta11_Screw_Ftens(d, 1);
    if (type == VBM_ASSY_ZYLINDERKOPF_VG) w.d_k = std::max(0.0, in.washer_d);
    w.d_k = std::min(w.d_k, 35.0);
    const double d_k = w.d_k;
    const double f_1 = Calc_Fax_Screw_Class(type, w.predrilled, 0, w.rho_2, d);
    w.F1 = (w.l_ef / sa) * d * f_1 / k_a;
    if (w.panel1) {
        w.rho_1 = 380.0;
        if (result != nullptr) result->rho_1 = w.rho_1;
    }
    const double rho_1 = w.rho_1;
    const double F_h = 80e-6 * d_k * d_k * rho_1 * rho_1;
    const double f_1b = Calc_Fax_Screw_Class(type, w.predrilled, 0, rho_1, d);
    const double F_w = d * f_1b * (std::min(w.l_g, in.t1) / sa) / k_a;
    w.F2 = !w.plate1 ? std::max(F_w, F_h) : w.F1;
    Approved_Screw_Limits(in, d, d_k, f_t, &w.F1, &w.F2, &w.steel);
    return AXIAL_GO;
}

/* The fully threaded countersunk screw of approval ETA-12/0114: return AXIAL_GO, or keep the
** message when the angle leaves the withdrawal undefined. */
int Din_Screw_Eta12_Vg(Din_Axial &w, const Connection_Result *result)
{
    const Connection_Input &in = w.in;
    const int type = w.type;
    const double d = w.d, sa = w.sa, k_a = w.k_a;
    if (!w.k_a_ok || sa == 0.0) return Kept_Code(result);
    const double f_t = in.stainless ? Get_Eta12_Screw_Ftens_Alt(d) : Get_Eta12_Screw_Ftens(d);
    w.d_k = std::min(w.d_k, 35.0);
    const double d_k = w.d_k;
    w.predrilled = 0;
    const double f_1 = Calc_Fax_Screw_Class(type, 0, in.mat_2 == MAT_LAUBHOLZ, w.rho_2, d);
    w.F1 = (w.l_ef / sa) * d * f_1 / k_a;
    w.f_2 = (w.panel1 && in.t1 >= 12.0 && in.t1 <= 20.0) ? 8.0 : 10.0;
    const double F_h = d_k * d_k * w.f_2;
    const double f_1b = Calc_Fax_Screw_Class(type, 0, in.mat_1 == MAT_LAUBHOLZ, w.rho_1, d);
    const double F_w = d * f_1b * (std::min(w.l_g, in.t1) / sa) / k_a;
    w.F2 = !w.plate1 ? std::max(F_w, F_h) : w.F1;
    Approved_Screw_Limits(in, d, d_k, f_t, &w.F1, &w.F2, &w.steel);
    return AXIAL_GO;
}

/* The partly threaded screws of approval ETA-12/0114: return AXIAL_GO, or keep the message when
** eq. (242) is undefined. */
int Din_Screw_Eta12_Tg(Din_Axial &w, const Connection_Result *result)
{
    const Connection_Input &in = w.in;
    const double d = w.d;
    if (!w.k_a_ok) return Kept_Code(result);
    const double f_t = in.stainless ? Get_Eta12_Screw_Ftens_Alt(d) : Get_Eta12_Screw_Ftens(d);
    w.d_k = std::min(w.d_k, 35.0);
    const double d_k = w.d_k;
    w.predrilled = 0;
    w.F1 = w.l_g * d * Calc_Fax_Screw_Class(w.type, 0, 0, w.rho_2, d) / w.k_a;
    if (!w.plate1) {
        w.f_2 = (w.panel1 && in.t1 >= 12.0 && in.t1 <= 20.0) ? 8.0 : 10.0;
        w.F2 = d_k * d_k * w.f_2;
    } else {
        w.F2 = w.F1;
    }
    Approved_Screw_Limits(in, d, d_k, f_t, &w.F1, &w.F2, &w.steel);
    return AXIAL_GO;
}

/* Bolts: washer bearing unless the bolt's steel holds less (always the steel on a head-side
** plate unless the bolt switch says otherwise). */
void Din_Bolt(Din_Axial &w)
{
    const Connection_Input &in = w.in;
    w.F1 = w.F2 = Washer_Bearing_Area(w.d, in.washer_d) * w.f_c90;
    const double F_s = Bolt_Steel_Capacity(in, w.d);
    if (F_s < w.F2 || (w.plate1 && in.din_bolt_switch == 0)) w.F1 = w.F2 = F_s;
}

/* The capacities F1 and F2 of the fastener's kind: return AXIAL_GO, or the code with which the
** axial share is forbidden. */
int Din_Capacities(Din_Axial &w, Connection_Result *result)
{
    const int type = w.type;
    if (Is_Vbm_Simpson_Nail(type)) {
        Din_Simpson_Nail(w);
    } else if (Is_Vbm_Nail(type) || type == VBM_KLAMMER) {
        Din_Nail(w, result);
    } else if (Is_Vbm_Din571_Screw(type)) {
        return Din_Din571_Screw(w, result);
    } else if (type == VBM_ASSY_ZYLINDERKOPF_VG || type == VBM_ASSY_SENKFRAESKOPF_VG) {
        return Din_Screw_Eta11_Vg(w, result);
    } else if (type == VBM_SPAX_SENKKOPF_VG) {
        return Din_Screw_Eta12_Vg(w, result);
    } else if (type == VBM_SPAX_SENKKOPF_TG || type == VBM_SPAX_TELLERKOPF_TG) {
        return Din_Screw_Eta12_Tg(w, result);
    } else if (type == VBM_BOLZEN) {
        Din_Bolt(w);
    } else if (Is_Vbm_Toothed_Plate(type)) {
        w.F1 = w.F2 = Washer_Bearing_Area(w.d, w.in.washer_d) * w.f_c90;
    }
    return AXIAL_GO;
}

/* Return the axial capacity from the point and the head side, with the angle limits of the
** approved screws and the reductions of staples. */
double Din_Combine(const Din_Axial &w, Connection_Result *result)
{
    const Connection_Input &in = w.in;
    const int type = w.type;
    const double phi = std::min(in.staple_angle_1, in.staple_angle_2);
    const double F2 = w.plate1 ? w.F1 : w.F2;
    double F = std::min(w.F1, F2);
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
    return F;
}

/* Write the axial fields of the result for the capacity F (N), with its design value. */
void Din_Store(const Din_Axial &w, double F, Connection_Result *result)
{
    const Connection_Input &in = w.in;
    result->r_ax = F;
    if (Is_Vbm_Simpson_Nail(w.type)) {
        result->f_ax_param = w.f_ax;
        result->f_head_param = w.f_ax;
    } else {
        result->f_ax_param =
            Calc_Fax_Nail_Param(w.type, in.moisture, w.predrilled, in.predrill_core, w.rho_2);
        result->f_head_param = w.f_2;
    }
    result->r_ax_d = w.steel ? F / 1.25
                             : Calc_Geometric_Mean_Ratio(F, result->kmod_1, result->kmod_2,
                                                         std::max(in.gamma_m_1, in.gamma_m_2));
    /* without a partial factor the design value cannot be formed */
    if (!(std::max(in.gamma_m_1, in.gamma_m_2) > 0.0) && F > 0.0 && result->r_ax_d == 0.0)
        result->msg_code = DERR_FVRK_UNDEFINED;
}

} // namespace

double Calc_Axial_Din1052(const Connection_Input &in, double l_ef, double f_c90,
                          Connection_Result *result)
{
    Din_Axial w{in, l_ef, f_c90};
    Din_Derive(w, result);
    int code = Din_Admissible(w, result);
    if (code == AXIAL_GO) code = Din_Capacities(w, result);
    if (code != AXIAL_GO) return Forbidden(result, code);
    const double F = Din_Combine(w, result);
    if (result != nullptr) Din_Store(w, F, result);
    return F;
}
