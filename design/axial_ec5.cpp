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
#include "design/design_embedment.h"
#include "design/design_lateral.h"
#include "design/design_plates.h"
#include "nad/nad.h"

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
                         ? Get_Stahlguete(static_cast<uint32_t>(in.steel_grade))->fu / 1.25
                         : in.fu;
    return 0.9 * f * Calc_Bolt_Stress_Area(d);
}

/* ---------------------------------------------------------------- the steps of one design */

constexpr int AXIAL_GO = -1; /* a step's "go on"; any other value is a code for Forbidden */

/* What the steps of one axial design share: the input, values derived from it once, and the
** capacities found so far. N, mm, N/mm², kg/m³. */
struct Ec5_Axial {
    const Connection_Input &in;
    double l_ef;  /* mm, penetration in the point-side member */
    double f_c90; /* N/mm², compressive strength under the washer */
    int type = 0;
    int variant = 0;                        /* of the national annex; 0 without one */
    double alpha = 0.0, sa = 0.0, ca = 0.0; /* axis-to-grain angle (degrees), its sine and cosine */
    double d = 0.0, d_k = 0.0, d1 = 0.0, wd = 0.0;
    bool plate1 = false, panel1 = false, panel2 = false;
    bool standard_staple = false; /* resin-coated staple at 30 degrees or more, rated as a nail */
    bool any_screw = false;
    double denom = 0.0; /* sin² + 1.2 cos² of EN 1995-1-1, eq. (8.40a) */
    bool denom_ok = false;
    double rho_1 = 0.0, rho_2 = 0.0;
    double l_t = 0.0, l_r = 0.0; /* mm, thread in the point-side and in the head-side member */
    double k_n = 1.0, k_d = 0.0;
    double F1 = 0.0;  /* N, withdrawal of the point side */
    double F_w = 0.0; /* N, withdrawal of the thread in the head-side member */
    double F_h = 0.0; /* N, head pull-through or washer bearing */
    double F_t = 0.0; /* N, a screw's tensile capacity that caps F1 */
    double f_ax = 0.0, f_head = 0.0;
    double washer_D = 0.0, washer_hole = 0.0; /* mm, the washer area of a bolt as taken */
    bool washer_plate = false;                /* a steel plate bears as that washer */
    bool steel = false;                       /* the steel's tensile capacity governs F1 */
    bool approved = false;                    /* a screw of one of the approvals */
};

/* Fill the values that the steps derive from the input alone. */
void Ec5_Derive(Ec5_Axial &w)
{
    const Connection_Input &in = w.in;
    w.type = in.vbm_type;
    w.variant = Nad_Params != nullptr ? Nad_Params->variant : 0;
    w.alpha = in.axis_angle;
    const double a = DESIGN_PI * w.alpha / 180.0;
    w.sa = std::sin(a);
    w.ca = std::cos(a);
    w.d = in.d;
    w.d_k = in.d_k;
    w.d1 = in.d_2;
    w.wd = in.washer_d;
    w.plate1 = Is_Mat_Metal_Plate(in.mat_1);
    w.panel1 = Is_Mat_Panel(in.mat_1);
    w.panel2 = Is_Mat_Panel(in.mat_2);
    Get_Rho_K(in.mat_1, in.grade_1, in.t1, &w.rho_1, &in.user_material);
    Get_Rho_K(in.mat_2, in.grade_2, in.t2, &w.rho_2, &in.user_material);
    w.l_t = Calc_Screw_Thread_Length(in);
    const int type = w.type;
    w.standard_staple = type == VBM_KLAMMER && in.resin_coated && in.staple_angle_1 > 29.9
                        && in.staple_angle_2 > 29.9 && w.variant != 0;
    w.any_screw = Is_Vbm_Din571_Screw(type) || Is_Vbm_Screw_Eta12(type) || Is_Vbm_Screw_Eta11(type)
                  || Is_Vbm_Screw_Family_C(type);
    w.denom = w.sa * w.sa + 1.2 * w.ca * w.ca;
    w.denom_ok = std::fabs(w.denom) >= 0.00001;
}

/* Return AXIAL_GO when the fastener may carry an axial share in these members, else the code of
** the first rule that forbids it; limits the thread length l_t of staples and of screws. */
int Ec5_Admissible(Ec5_Axial &w)
{
    const Connection_Input &in = w.in;
    const int type = w.type, variant = w.variant;
    const double d = w.d, l_ef = w.l_ef, alpha = w.alpha;
    if (type == VBM_NAGEL && in.predrilled && variant != 0) return DERR_SMOOTH_NAIL_PREDRILLED;
    /* EN 1995-1-1, 8.7.2(3): the threaded part needs 6 d in the point-side member, where the
    ** thread is the last l_t of the screw */
    if (Is_Vbm_Din571_Screw(type) && std::min(w.l_t, w.sa != 0.0 ? l_ef / w.sa : l_ef) < 6.0 * d)
        return DERR_SCREW_PENETRATION_6D;
    if (Is_Vbm_Screw_Eta12(type)) {
        if ((in.mat_2 == MAT_SPERRHOLZ && in.t2 < 6.0)
            || (in.mat_1 == MAT_SPERRHOLZ && in.t1 < 6.0))
            return DERR_SPAX_PLYWOOD_6MM;
        if ((w.panel2 && in.t2 < 8.0) || (w.panel1 && in.t1 < 8.0)) return DERR_SPAX_PANEL_8MM;
        if (!w.plate1 && in.t1 < 1.2 * d) return DERR_ASSY_HEAD_MEMBER_1_2D;
        if (in.t2 < 1.2 * d) return DERR_ASSY_POINT_MEMBER_1_2D;
        if (alpha < 15.0 && (Is_Mat_Timber_B(in.mat_2) || Is_Mat_Timber_B(in.mat_1)))
            return DNOTE_SPAX_ANGLE_15;
        if (alpha < 30.0) return DNOTE_SPAX_ANGLE_30;
    }
    if (Is_Vbm_Screw_Eta11(type)) {
        if ((in.mat_1 == MAT_SPERRHOLZ && in.t1 < 6.0)
            || (in.mat_2 == MAT_SPERRHOLZ && in.t2 < 6.0))
            return DERR_ASSY_PLYWOOD_6MM;
        if ((w.panel1 && in.t1 < 8.0) || (w.panel2 && in.t2 < 8.0)) return DERR_ASSY_PANEL_8MM;
        if (!w.plate1 && in.t1 < 1.2 * d) return DERR_ASSY_HEAD_MEMBER_1_2D;
        if (in.t2 < 1.2 * d) return DERR_ASSY_POINT_MEMBER_1_2D;
        if (alpha < 30.0) return DNOTE_ASSY_ANGLE_30;
    }
    if (type == VBM_KLAMMER && variant != 0) {
        w.l_t = std::min(w.l_t, 20.0 * d);
        if (l_ef < 12.0 * d) return DERR_STAPLE_PENETRATION;
        const int m = in.mat_1;
        if (((m == MAT_SPERRHOLZ || m == MAT_FASERPLATTE || m == MAT_KERTO_S || m == MAT_KERTO_Q
              || m == MAT_POLLM_LVL_S)
             && in.t1 < 6.0)
            || (m == MAT_OSB && in.t1 < 8.0))
            return 0; /* forbidden without a message of its own */
    }
    if ((Is_Vbm_Special_Nail(type) || w.any_screw) && w.sa != 0.0)
        w.l_t = std::min(w.l_t, l_ef / w.sa);
    return AXIAL_GO;
}

/* Approved nails CNA and CSA: withdrawal only. */
void Ec5_Simpson_Nail(Ec5_Axial &w)
{
    w.l_t = std::min(w.l_t, w.l_ef);
    w.f_ax = Calc_Fax_Simpson_Nail(w.type, w.d, w.l_t, w.rho_2);
    w.F1 = w.l_t * w.d * w.f_ax;
    w.F_h = 0.0; /* no pull-through: with a plate on the head side the
                                        ** head value is F1 (below), without one these nails
                                        ** hold nothing axially */
}

/* Profiled nails, and resin-coated staples rated as nails: withdrawal and head pull-through. */
void Ec5_Profiled_Nail(Ec5_Axial &w, Connection_Result *result)
{
    const Connection_Input &in = w.in;
    const int type = w.type;
    const double d = w.d, d_k = w.d_k, l_ef = w.l_ef;
    double l_t = w.l_t, f_ax, f_head, F1, F_h;
    if (Is_Vbm_Special_Nail(type)) {
        l_t = std::min(l_t, l_ef);
        if (l_ef < 6.0 * d && result != nullptr) result->msg_code = DERR_PROFILED_NAIL_PENETRATION;
        f_ax = Calc_Fax_Nail_Param(type, in.moisture, in.predrilled, in.predrill_core, w.rho_2);
        f_head = Calc_Fhead_Nail_Param(type, in.fibre_saturated, w.rho_1);
        const int m = in.mat_1;
        if (m == MAT_OSB || m == MAT_SPERRHOLZ || m == MAT_SPANPLATTE || m == MAT_KERTO_S
            || m == MAT_KERTO_Q || m == MAT_POLLM_LVL_S) {
            if (in.t1 <= 11.99) f_head = 400.0 / (d_k * d_k);
            else if (in.t1 <= 19.99) f_head = 8.0;
            else
                f_head =
                    Calc_Fhead_Nail_Param(Is_Vbm_Special_Nail_Def(type) ? VBM_SONDERNAGEL_1C : type,
                                          in.fibre_saturated, 380.0);
        }
        F_h = d_k * d_k * f_head;
    } else {
        f_ax = Calc_Fax_Nail_Param(19, in.fibre_saturated ? 30.0 : 0.0, 0, 0, w.rho_2);
        f_head = Calc_Fhead_Nail_Param(1, in.fibre_saturated, w.rho_1);
        F_h = d * d_k * f_head;
    }
    /* EN 1995-1-1, 8.3.2(7): points shorter than 8 d reduced */
    F1 = l_t * d * f_ax;
    if (l_t < 8.0 * d) F1 = std::max(F1 * (l_t / (2.0 * d) - 3.0), 0.0);
    if (type == VBM_KLAMMER) {
        F1 *= 2.0;
        if ((in.staple_angle_1 < 30.0 || in.staple_angle_2 < 30.0) && w.variant != 0) {
            F1 *= 0.7;
            F_h *= 0.7;
        }
        F_h *= 2.0;
    }
    w.l_t = l_t;
    w.f_ax = f_ax;
    w.f_head = f_head;
    w.F1 = F1;
    w.F_h = F_h;
}

/* Staples of a national annex that are not rated as nails: two legs of a smooth nail. */
void Ec5_Staple(Ec5_Axial &w)
{
    const Connection_Input &in = w.in;
    const double d = w.d, d_k = w.d_k;
    const double l_t = std::min(w.l_ef, 20.0 * d);
    w.l_t = l_t;
    w.f_ax = Calc_Fax_Nail_Param(1, in.moisture, 0, 0, w.rho_2);
    w.f_head = Calc_Fhead_Nail_Param(1, in.fibre_saturated, w.rho_1);
    double F1 = 2.0 * l_t * d * w.f_ax;
    double F_h = 2.0 * d * d_k * w.f_head;
    if (l_t < 12.0 * d) {
        const double k = l_t / (4.0 * d) - 2.0;
        F1 *= k;
        F_h *= k;
    }
    if (in.staple_angle_1 < 30.0 || in.staple_angle_2 < 30.0) {
        F1 *= 0.7;
        F_h *= 0.7;
    }
    w.F1 = F1;
    w.F_h = F_h;
}

/* Smooth nails: return AXIAL_GO, or the code of a point too short to hold. */
int Ec5_Smooth_Nail(Ec5_Axial &w)
{
    const Connection_Input &in = w.in;
    const double d = w.d, d_k = w.d_k;
    const double l_t = w.l_ef;
    w.l_t = l_t;
    if (l_t < 8.0 * d) return DERR_SMOOTH_NAIL_PENETRATION;
    w.f_ax = Calc_Fax_Nail_Param(0, in.moisture, 0, 0, w.rho_2);
    w.f_head = Calc_Fhead_Nail_Param(0, in.fibre_saturated, w.rho_1);
    double F1 = l_t * d * w.f_ax;
    double F_h = d_k * d_k * w.f_head;
    if (l_t < 12.0 * d) {
        const double k = l_t / (4.0 * d) - 2.0; /* EN 1995-1-1, 8.3.2(7) */
        F1 *= k;
        F_h *= k;
    }
    w.F1 = F1;
    w.F_h = F_h;
    return AXIAL_GO;
}

/*
** Bolts: washer bearing, EN 1995-1-1, 8.5.2(2), unless the bolt's steel holds less. A steel plate
** under the head or nut bears as a washer of min(12 t, 4 d) with t its own thickness; a plate
** between timbers (member 2 in double shear) leaves both washers on the timber.
*/
void Ec5_Bolt(Ec5_Axial &w)
{
    const Connection_Input &in = w.in;
    const double d = w.d, wd = w.wd;
    double A = Calc_Bolt_Washer_Area(d, wd);
    w.washer_D = wd;
    w.washer_hole = Bolt_Washer_Hole(d);
    /* a plate under the head or nut: its area of D = min(12 t, 4 d) around its hole d + 1 */
    const auto plate = [&](double t) {
        const double A_p = Calc_Washer_Area_Alt(d, wd, t);
        if (!(A < A_p) || in.shear_planes != 1) {
            A = A_p;
            w.washer_D = std::min(12.0 * t, 4.0 * d);
            w.washer_hole = d + 1.0;
            w.washer_plate = true;
        }
    };
    if (w.plate1) plate(in.t1);
    else if (Is_Mat_Metal_Plate(in.mat_2) && in.shear_planes == 1) plate(in.t2);
    w.F1 = w.F_h = 3.0 * w.f_c90 * A;
    const double F_s = Steel_Capacity(in, d);
    w.F_t = F_s;
    if (F_s < w.F_h) {
        w.F1 = w.F_h = F_s;
        w.steel = true;
    }
}

/* Wood screws of DIN 571: return AXIAL_GO, or 0 when the angle leaves eq. (8.40a) undefined. */
int Ec5_Din571_Screw(Ec5_Axial &w)
{
    const Connection_Input &in = w.in;
    const int type = w.type;
    const double d = w.d, d_k = w.d_k, d1 = w.d1, wd = w.wd, l_t = w.l_t;
    if (wd <= d_k) {
        w.f_head = Calc_Fhead_Screw_Param(type, in.mat_1, w.rho_1, in.t1, d_k, wd > d);
        w.F_h = d_k * d_k * w.f_head;
    } else {
        w.F_h = 3.0 * w.f_c90
                * (w.plate1 ? Calc_Washer_Area_Alt(d, wd, in.t1) : Calc_Washer_Area(d, wd));
    }
    if (!w.denom_ok) return 0;
    /* EN 1995-1-1, eq. (8.38) to (8.40): k_d = min(d / 8, 1) in the form of 8.7.2(4) and in
    ** the general one of 8.7.2(5) alike; outside 6 <= d <= 12 and 0.6 <= d1 / d <= 0.75 the
    ** withdrawal parameter of eq. (8.39) stands for the declared one, which wood screws to
    ** DIN 571 lack */
    w.f_ax = 0.52 * std::pow(d, -0.5) * std::pow(l_t, -0.1) * std::pow(w.rho_2, 0.8);
    w.k_d = std::min(d / 8.0, 1.0);
    w.F1 = l_t * d * w.f_ax * w.k_d / w.denom;
    /* the steel of the core: F_t,Rk = f_u pi d1² / 4 caps the withdrawal (8.7.2(1), (7)) */
    const double core = Din571_Core_Diameter(d, d1);
    const double f_t = in.fu * DESIGN_PI * core * core / 4.0;
    w.F_t = f_t;
    if (f_t < w.F1) {
        w.F1 = f_t;
        w.steel = true;
    }
    return AXIAL_GO;
}

/* Head-side density of the approved screws: panels count with at most 380 kg/m³. */
double Rho_Head_Panel(const Ec5_Axial &w) { return w.panel1 ? std::min(w.rho_1, 380.0) : w.rho_1; }

/* The user's own screw line of approval ETA-12/0114 (type 44). */
void Ec5_User_Screw_Eta12(Ec5_Axial &w)
{
    const Connection_Input &in = w.in;
    const int type = w.type;
    const double d = w.d, d_k = w.d_k, d1 = w.d1, wd = w.wd, denom = w.denom;
    const bool denom_ok = w.denom_ok;
    const double rho_h_panel = Rho_Head_Panel(w);
    const double D = std::min(std::max(d_k, wd), 32.0);
    const double f_t = in.stainless ? Get_Eta12_Screw_Ftens_Alt(d) : Get_Eta12_Screw_Ftens(d);
    w.f_ax = Get_Fax_Table_B(d);
    w.f_head = Calc_Fhead_Screw_Eta12(type, in.user_line_44.head_form, D, d1, wd, in.t1, in.mat_1);
    Line_Thread_Split(in.user_line_44, in.user_line_44.thread_layout == 1, w.l_ef, in.t1, w.sa,
                      &w.l_t, &w.l_r);
    w.F1 = denom_ok ? d * w.f_ax * w.l_t * std::pow(w.rho_2 / 350.0, 0.8) / denom : 0.0;
    w.F_t = f_t;
    if (f_t < w.F1) {
        w.F1 = f_t;
        w.steel = true;
    }
    w.F_w = denom_ok ? d * w.f_ax * w.l_r * std::pow(w.rho_1 / 350.0, 0.8) / denom : 0.0;
    const double k_h = in.t1 / std::min(std::max(wd, d_k), 32.0) >= 3.0 ? 1.3 : 1.0;
    w.F_h = k_h * w.f_head * D * D * std::pow(rho_h_panel / 350.0, 0.8);
    if (in.t1 < 12.0 && w.panel1) w.F_h = std::min(w.F_h, 400.0);
}

/* The catalogue's screws of approval ETA-12/0114. */
void Ec5_Screw_Eta12(Ec5_Axial &w)
{
    const Connection_Input &in = w.in;
    const int type = w.type;
    const double d = w.d, d_k = w.d_k, d1 = w.d1, wd = w.wd, denom = w.denom;
    const bool denom_ok = w.denom_ok;
    const double rho_h_panel = Rho_Head_Panel(w);
    double D = type == VBM_SPAX_TELLERKOPF_TG ? d_k : std::max(d_k, wd);
    const double l_max = w.sa != 0.0 ? w.l_ef / w.sa : w.l_t;
    const double f_t = in.stainless ? Get_Eta12_Screw_Ftens_Alt(d) : Get_Eta12_Screw_Ftens(d);
    w.l_t = std::min(w.l_t, l_max);
    w.f_ax = Calc_Fax_Screw_Class(type, in.predrilled, 0, w.rho_2, d);
    w.F1 = denom_ok ? d * w.f_ax * w.l_t * std::pow(w.rho_2 / 350.0, 0.8) / denom : 0.0;
    w.F_t = f_t;
    if (f_t < w.F1) {
        w.F1 = f_t;
        w.steel = true;
    }
    D = std::min(D, 32.0);
    w.f_head = Calc_Fhead_Screw_Param(type, in.mat_1, rho_h_panel, in.t1, D, wd > d_k);
    const double k_h = in.t1 / std::min(std::max(wd, d_k), 32.0) >= 3.0 ? 1.3 : 1.0;
    w.F_h = k_h * w.f_head * D * D * std::pow(rho_h_panel / 350.0, 0.8);
    if (w.panel1 && in.t1 < 12.0) w.F_h = std::min(w.F_h, 400.0);
    if (d_k < 1.8 * d1) w.F_h = 0.0;
    if (type == VBM_SPAX_SENKKOPF_VG) {
        w.l_r = in.l_thread - l_max;
        const double f_ax1 = Calc_Fax_Screw_Class(type, in.predrilled, 0, w.rho_1, d);
        w.F_w = denom_ok ? d * f_ax1 * w.l_r * std::pow(w.rho_1 / 350.0, 0.8) / denom : 0.0;
    }
}

/* The screws of approval ETA-11/0190, the catalogue's and the user's own line (type 43). */
void Ec5_Screw_Eta11(Ec5_Axial &w)
{
    const Connection_Input &in = w.in;
    const int type = w.type;
    const double d = w.d, d_k = w.d_k, d1 = w.d1, wd = w.wd, alpha = w.alpha;
    const double D = std::min(std::max(d_k, wd), 32.0);
    const int s = (type == VBM_ASSY_BENUTZER && in.user_line_43.thread_layout != 2) ? 0 : 1;
    const double f_t = in.stainless ? Get_Eta11_Screw_Ftens_Alt(d) : Get_Eta11_Screw_Ftens(d, s);
    w.rho_1 = std::min(w.rho_1, 590.0);
    w.rho_2 = std::min(w.rho_2, 590.0);
    const double rho_1 = w.rho_1, rho_2 = w.rho_2;
    double rho_h = rho_1;
    const int m = in.mat_1;
    if (m == MAT_BAUBUCHE_GL75 || m == MAT_BAUBUCHE_PLATTE) rho_h = std::min(rho_1, 730.0);
    else if (m == MAT_LAUBHOLZ || m == MAT_STEICO_LVL || m == MAT_KERTO_S || m == MAT_KERTO_Q)
        rho_h = std::min(rho_1, 590.0);
    else if (m == MAT_POLLM_LVL_S) rho_h = std::min(rho_1, 550.0);
    else if (w.panel1) rho_h = std::min(rho_1, 380.0);
    w.f_ax = Get_Fax_Table_A(d);
    w.f_head = Calc_Fhead_Screw_Eta11(D, wd, d1, in.t1, in.mat_1);
    const double k_alpha = alpha < 45.0 ? 0.3 + 0.7 * alpha / 45.0 : 1.0;
    if (type == VBM_ASSY_BENUTZER) {
        const int lay = in.user_line_43.thread_layout;
        Line_Thread_Split(in.user_line_43, lay == 1 || lay == 3, w.l_ef, in.t1, w.sa, &w.l_t,
                          &w.l_r);
    } else {
        w.l_r = w.sa != 0.0 ? (in.t1 - (in.length - in.l_thread)) / w.sa : 0.0;
    }
    w.F1 = d * k_alpha * w.f_ax * w.l_t * std::pow(rho_2 / 350.0, 0.8);
    w.F_t = f_t;
    if (f_t < w.F1) {
        w.F1 = f_t;
        w.steel = true;
    }
    w.F_w = d * k_alpha * w.f_ax * w.l_r * std::pow(rho_1 / 350.0, 0.8);
    w.F_h = w.f_head * D * D * std::pow(rho_h / 350.0, 0.8);
    if (w.panel1 && in.t1 < 12.0) w.F_h = std::min(w.F_h, 400.0);
    if ((type == VBM_ASSY_ZYLINDERKOPF_VG || type == VBM_ASSY_SENKFRAESKOPF_VG) && d_k < 1.8 * d1)
        w.F_h = 0.0;
}

/* Every screw: return AXIAL_GO, or the code of a rule that forbids the axial share. */
int Ec5_Screw(Ec5_Axial &w)
{
    const Connection_Input &in = w.in;
    const int type = w.type;
    if (in.n_ef_switch && in.n_axial > 0) w.k_n = std::pow(in.n_axial, 0.9) / in.n_axial;
    if (Is_Vbm_Screw_Family_C(type)) {
        w.F1 = w.F_h = 0.0;
        return AXIAL_GO;
    }
    if (Is_Vbm_Din571_Screw(type)) return Ec5_Din571_Screw(w);
    w.approved = true;
    if (type == VBM_SPAX_BENUTZER) Ec5_User_Screw_Eta12(w);
    else if (Is_Vbm_Screw_Eta12(type)) Ec5_Screw_Eta12(w);
    else Ec5_Screw_Eta11(w);
    return AXIAL_GO;
}

/* The capacities F1, F_w and F_h of the fastener's kind: return AXIAL_GO, or the code of a rule
** that forbids the axial share. */
int Ec5_Capacities(Ec5_Axial &w, Connection_Result *result)
{
    const int type = w.type;
    if (Is_Vbm_Simpson_Nail(type)) {
        Ec5_Simpson_Nail(w);
    } else if (Is_Vbm_Special_Nail(type) || w.standard_staple) {
        Ec5_Profiled_Nail(w, result);
    } else if (type == VBM_KLAMMER) {
        if (w.variant != 0) Ec5_Staple(w);
    } else if (type == VBM_NAGEL) {
        return Ec5_Smooth_Nail(w);
    } else if (type == VBM_BOLZEN) {
        Ec5_Bolt(w);
    } else if (Is_Vbm_Toothed_Plate(type)) {
        w.F1 = w.F_h = 3.0 * w.f_c90 * Calc_Bolt_Washer_Area(w.in.d_bolt, w.wd);
        w.washer_D = w.wd;
        w.washer_hole = Bolt_Washer_Hole(w.in.d_bolt);
    } else if (w.any_screw) {
        return Ec5_Screw(w);
    }
    return AXIAL_GO;
}

/* Return the axial capacity from the point and the head side, and run the compression check of
** an approved screw. */
double Ec5_Combine(const Ec5_Axial &w, Connection_Result *result)
{
    const Connection_Input &in = w.in;
    const int type = w.type;
    double head = w.F_h;
    if (w.approved) {
        head = !w.plate1 ? std::max(w.F_w, w.F_h)
                         : 3.0 * w.f_c90 * Calc_Washer_Area_Alt(w.d, w.wd, in.t1);
        if (result != nullptr) {
            if (Is_Vbm_Screw_Eta12(type)) {
                Calc_Screw_Buckling_Eta12(in, w.l_ef, result);
                if (type == VBM_SPAX_SENKKOPF_VG) Calc_Screw_Buckling_Eta12(in, w.l_ef, result);
            } else {
                Calc_Screw_Buckling_Eta11(in, w.l_ef, result);
            }
        }
    }
    if (w.plate1) head = w.F1;
    double F = std::min(w.F1, head) * w.k_n;
    if (F < 0.0) F = 0.0;
    if (type == VBM_KLAMMER && in.moisture > 20.0 && result != nullptr)
        result->msg_code = DNOTE_STAPLE_F1K_THIRD;
    return F;
}

/* Write the axial fields of the result for the capacity F (N), with its design value. */
void Ec5_Store(const Ec5_Axial &w, double F, Connection_Result *result)
{
    const Connection_Input &in = w.in;
    result->rho_1 = w.rho_1;
    result->rho_2 = w.rho_2;
    result->l_thread_1 = w.l_r;
    result->l_thread_2 = w.l_t;
    result->k_n = w.k_n;
    result->k_d = w.k_d;
    result->f_ax_k = w.f_ax;
    result->f_ax_k_2 = w.f_ax;
    result->f_ax_unit = 1.0;
    result->f_head = w.f_head;
    result->f_ax_point = w.F1;
    result->f_ax_thread_1 = w.F_w;
    result->f_ax_head = w.F_h;
    result->f_ax_tension = w.F_t;
    if (w.washer_D > 0.0) {
        result->washer_fc90 = w.f_c90;
        result->washer_outer = w.washer_D;
        result->washer_hole = w.washer_hole;
        result->washer_plate = w.washer_plate ? 1 : 0;
    }
    result->r_ax = F;
    result->r_ax_copy = F;
    if (!Is_Vbm_Simpson_Nail(w.type))
        result->f_ax_param = Calc_Fax_Nail_Param(w.standard_staple ? 19 : w.type, in.moisture,
                                                 in.predrilled, in.predrill_core, w.rho_2);
    result->f_head_param = w.f_head;
    result->steel_governs = w.steel ? 1 : 0;
    /* a resistance of the connection: the factor of connections, not the members' one */
    const double gamma = Get_Axial_Gamma_M(in);
    result->r_ax_d = Calc_Geometric_Mean_Ratio(F, result->kmod_1, result->kmod_2, gamma);
    /* without a partial factor the design value cannot be formed */
    if (!(gamma > 0.0) && F > 0.0 && result->r_ax_d == 0.0) result->msg_code = DERR_FVRK_UNDEFINED;
}

} // namespace

double Calc_Axial_Ec5(const Connection_Input &in, double l_ef, double f_c90,
                      Connection_Result *result)
{
    Ec5_Axial w{in, l_ef, f_c90};
    Ec5_Derive(w);
    int code = Ec5_Admissible(w);
    if (code == AXIAL_GO) code = Ec5_Capacities(w, result);
    if (code != AXIAL_GO) return Forbidden(result, code);
    const double F = Ec5_Combine(w, result);
    if (result != nullptr) Ec5_Store(w, F, result);
    return F;
}
