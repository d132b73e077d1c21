/*
** Lateral resistance of one dowel-type fastener per shear plane by the failure-mode equations of
** EN 1995-1-1, 8.2.2 (timber to timber) and 8.2.3 (steel to timber), and of DIN 1052, 12.2, as the
** design run uses them: characteristic functions with the mode factors and the rope effect, and
** design-value twins without them. mm, N/mm², Nmm, N; member angles in radians.
*/
#include "design/design_lateral.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "catalogue/catalogue.h"
#include "design/design_embedment.h"
#include "design/design_plates.h"
#include "design/design_state.h"
#include "design/design_texts.h"
#include "nad/nad.h"

/* Code of a resistance that cannot be determined ("Fv,Rk nicht ermittelbar"). */
#define CODE_NOT_DETERMINABLE 168

/* ---------------------------------------------------------------- mode factors, rope effect */

double Get_Mode_Gamma(int mode, int proof_method)
{
    if (proof_method == 2) return 1.0;
    if (Nad_Params != nullptr) return Nad_Params->gamma_m_connections;
    switch (mode) {
    case 1:
    case 2:
    case 3:
    case 7:
    case 8:
    case 11:
    case 13:
    case 16:
    case 19:
    case 21:
    case 23:
    case 25:
    case 27: return 1.3;
    case 4:
    case 5:
    case 9:
    case 14:
    case 17:
    case 28: return 1.2;
    case 6:
    case 10:
    case 12:
    case 15:
    case 18:
    case 20:
    case 22:
    case 24:
    case 26:
    case 29: return 1.1;
    default: return -1.0;
    }
}

int Is_Mode_Embedment_Only(int code)
{
    switch (code) {
    case 1:
    case 2:
    case 7:
    case 8:
    case 13:
    case 16:
    case 19:
    case 21: return 1;
    default: return 0;
    }
}

double Calc_Rope_Effect(int vbm_type, double part, double fax)
{
    const double cap = 0.25 * fax;
    if (Is_Vbm_Din571_Screw(vbm_type) || Is_Vbm_Screw_Eta12(vbm_type)
        || Is_Vbm_Screw_Eta11(vbm_type) || Is_Vbm_Screw_Family_C(vbm_type))
        return std::min(part, cap);
    if (vbm_type == VBM_NAGEL || vbm_type == VBM_KLAMMER) return std::min(0.15 * part, cap);
    if (vbm_type == VBM_SIMPSON_CNA) return 0.6 * fax;
    if (vbm_type == VBM_SIMPSON_CSA) return std::min(0.4 * part, cap);
    if (Is_Vbm_Special_Nail(vbm_type)) return std::min(0.5 * part, cap);
    if (vbm_type == VBM_BOLZEN) return std::min(0.25 * part, cap);
    return std::min(part, cap);
}

double Thin_Plate_Factor(void) { return Nad_Params != nullptr ? 0.4 : std::sqrt(2.0) - 1.0; }

/* ---------------------------------------------------------------- shared pieces */

namespace {

enum My_Use { MY_CHAR, MY_DESIGN_HALF, MY_DESIGN_FULL };

/* Yield moment by fastener family: the characteristic value, or for the design-value twins the
** DIN 571 value with fu fixed at 400 (half or full formula); not yet divided by gamma. */
double Mode_Yield_Moment(int type, double d, double fu, int stainless, int threaded_rod, My_Use use)
{
    /* The designs of one fastener at many angles ask for the same value again and again: the
    ** last value of the general formula is kept in the run record with what chose it (the type
    ** and the threaded rod; stainless and use decide only within the other branches) and what
    ** fed it. */
    auto &last = Design_Run_Current()->yield;
    if (last.valid && last.type == type && last.threaded_rod == threaded_rod
        && std::memcmp(&d, &last.d, sizeof d) == 0 && std::memcmp(&fu, &last.fu, sizeof fu) == 0)
        return last.my;
    if (type == VBM_BOLZEN && threaded_rod)
        return Calc_Vbm_Yield_Moment(Get_Thread_Effective_Diameter(d), fu);
    if (Is_Vbm_Screw_Eta12(type))
        return stainless == 1 ? Get_Eta12_Screw_My_Alt(d) : Get_Eta12_Screw_My(d);
    if (Is_Vbm_Screw_Eta11(type))
        return stainless == 1 ? Get_Eta11_Screw_My_Alt(d) : Get_Eta11_Screw_My(d);
    if (Is_Vbm_Screw_Family_C(type))
        return stainless == 1 ? Get_Screw_C_My_By_Type(type, d) : Get_Screw_C_My(d);
    if (Is_Vbm_Din571_Screw(type)) {
        if (use == MY_CHAR) return Calc_Vbm_Yield_Moment_Half(d, fu);
        return (use == MY_DESIGN_HALF ? 0.15 : 0.3) * 400.0 * std::pow(d, 2.6);
    }
    if (type == VBM_SIMPSON_CSA) return Get_Nail46_Yield_Moment(d, 1);
    if (type == VBM_KLAMMER) return Get_Staple_Yield_Moment(d, Calc_Vbm_Yield_Moment_Cubic(d));
    /* the general formula depends on d and fu alone */
    last.my = Calc_Vbm_Yield_Moment(d, fu);
    last.type = type;
    last.threaded_rod = threaded_rod;
    last.d = d;
    last.fu = fu;
    last.valid = true;
    return last.my;
}

double Embedment_D(int type, int fitted_bolt, double d)
{
    return (type == VBM_BOLZEN && !fitted_bolt) ? d + 1.0 : d;
}

bool Penetration_Type(int type)
{
    return Is_Vbm_Din571_Screw(type) || type == VBM_KLAMMER || type == VBM_NAGEL
           || Is_Vbm_Special_Nail(type);
}

/* The raw values of the timber-to-timber modes 1..10 (index = mode), rope effect added where
** rope is true, EN 1995-1-1, eq. (8.6) and (8.7). */
void Timber_Modes(double fh, double beta, double t1, double t2, double d, double my, bool factors,
                  int type, double fax_single, double fax_double, bool rope, double r[11])
{
    const double b = beta, q = t2 / t1;
    const double k105 = factors ? 1.05 : 1.0, k115 = factors ? 1.15 : 1.0;
    const auto rp = [&](double part, double fax) {
        return rope ? Calc_Rope_Effect(type, part, fax) : 0.0;
    };
    r[0] = 0.0;
    r[1] = fh * t1 * d;
    r[2] = fh * t2 * d * b;
    double p =
        fh * t1 * d / (1.0 + b)
        * (std::sqrt(b + 2.0 * b * b * (1.0 + q + q * q) + b * b * b * q * q) - b * (1.0 + q));
    r[3] = p + rp(p, fax_single);
    p = k105 * fh * t1 * d / (2.0 + b)
        * (std::sqrt(2.0 * b * (1.0 + b) + 4.0 * b * (2.0 + b) * my / (fh * d * t1 * t1)) - b);
    r[4] = p + rp(p, fax_single);
    p = k105 * fh * t2 * d / (1.0 + 2.0 * b)
        * (std::sqrt(2.0 * b * b * (1.0 + b) + 4.0 * b * (1.0 + 2.0 * b) * my / (fh * d * t2 * t2))
           - b);
    r[5] = p + rp(p, fax_single);
    p = k115 * std::sqrt(2.0 * b / (1.0 + b)) * std::sqrt(2.0 * my * fh * d);
    r[6] = p + rp(p, fax_single);
    r[7] = fh * t1 * d;
    r[8] = 0.5 * fh * t2 * d * b;
    p = k105 * fh * t1 * d / (2.0 + b)
        * (std::sqrt(2.0 * b * (1.0 + b) + 4.0 * b * (2.0 + b) * my / (fh * d * t1 * t1)) - b);
    r[9] = p + rp(p, fax_double);
    p = k115 * std::sqrt(2.0 * b / (1.0 + b)) * std::sqrt(2.0 * my * fh * d);
    r[10] = p + rp(p, fax_double);
}

/* Point-side thickness and the set of equations after the penetration rule. */
double Point_Side_Thickness(int type, int shear_planes, double d, double length, double axis_angle,
                            double t1, double t2, int *planes)
{
    *planes = shear_planes;
    if (!Penetration_Type(type)) return t2;
    double p = 0.0;
    int member = 0;
    const int cs = Calc_Vbm_Penetration(shear_planes, d, length, axis_angle, t1, t2, &p, &member);
    if (cs == 1) *planes = 1;
    if (shear_planes == 2 && cs == 2) return t2;
    return p;
}

/* Governing mode of a range: the smallest value, the first on ties. */
int Smallest_Mode(const double r[], int first, int last)
{
    int m = first;
    for (int k = first + 1; k <= last; k++)
        if (r[k] < r[m]) m = k;
    return m;
}

void Not_Determinable(Connection_Result *result)
{
    if (result != nullptr) result->msg_code = CODE_NOT_DETERMINABLE;
}

} // namespace

/* ---------------------------------------------------------------- timber to timber */

int Calc_Rk_Timber_Timber(int proof_method, int shear_planes, double d, double length,
                          double axis_angle, int predrilled, int stainless, int fitted_bolt,
                          int threaded_rod, int vbm_type, double alpha_1, double alpha_2, double t1,
                          double t2, double rho_1, double rho_2, int mat_1, int mat_2, int grade_1,
                          int grade_2, double fu, const Vbm_User_Embedment *user,
                          Connection_Result *result)
{
    const double my = Mode_Yield_Moment(vbm_type, d, fu, stainless, threaded_rod, MY_CHAR);
    double fh1 = 0.0, fh2 = 0.0;
    Calc_Fh_Both_Members(/*out_fh1=*/&fh1, /*out_fh2=*/&fh2,
                         /*d=*/Embedment_D(vbm_type, fitted_bolt, d), /*type=*/vbm_type,
                         /*predrilled=*/predrilled, /*alpha1=*/alpha_1, /*alpha2=*/alpha_2,
                         /*t1=*/t1, /*t2=*/t2, /*rho1=*/rho_1, /*rho2=*/rho_2, /*mat1=*/mat_1,
                         /*mat2=*/mat_2, /*g1=*/grade_1, /*g2=*/grade_2, /*user1=*/user,
                         /*user2=*/nullptr);
    int planes = shear_planes;
    const double t2p =
        Point_Side_Thickness(vbm_type, shear_planes, d, length, axis_angle, t1, t2, &planes);
    const double r_ax = result != nullptr ? result->r_ax : 0.0;
    const double fax_single = vbm_type == VBM_KLAMMER ? r_ax / 2.0 : r_ax;

    double rk = 0.0, gamma = 0.0, beta = 0.0, rope = 0.0;
    int mode = 0;
    if (fh1 > 1e-5 && fh2 > 1e-5 && t1 > 0.0 && t2p > 0.0) {
        beta = fh2 / fh1;
        double r[11], bare[11];
        Timber_Modes(/*fh=*/fh1, /*beta=*/beta, /*t1=*/t1, /*t2=*/t2p, /*d=*/d, /*my=*/my,
                     /*factors=*/true, /*type=*/vbm_type, /*fax_single=*/fax_single,
                     /*fax_double=*/r_ax, /*rope=*/true, /*r=*/r);
        /* the same modes without the rope effect: the share that rk holds */
        Timber_Modes(/*fh=*/fh1, /*beta=*/beta, /*t1=*/t1, /*t2=*/t2p, /*d=*/d, /*my=*/my,
                     /*factors=*/true, /*type=*/vbm_type, /*fax_single=*/0.0, /*fax_double=*/0.0,
                     /*rope=*/false, /*r=*/bare);
        const bool ec5_design = Nad_Params != nullptr && proof_method == 2;
        for (int m = 1; m <= 10; m++) {
            const double raw = r[m];
            r[m] /= Get_Mode_Gamma(m, proof_method);
            if (ec5_design && (m == 4 || m == 5 || m == 9)) r[m] /= 1.05;
            if (ec5_design && (m == 6 || m == 10)) r[m] /= 1.15;
            bare[m] = raw > 0.0 ? bare[m] * r[m] / raw : 0.0;
        }
        mode = planes == 1 ? Smallest_Mode(r, 1, 6) : Smallest_Mode(r, 7, 10);
        gamma = Get_Mode_Gamma(mode, proof_method);
        rk = gamma * r[mode];
        rope = gamma * (r[mode] - bare[mode]);
        if (vbm_type == VBM_KLAMMER && mat_1 == MAT_FERMACELL && d > 1.5) {
            rk *= 1.5 / d;
            rope *= 1.5 / d;
        }
        if (!(rope > 1e-9 * std::fmax(1.0, rk))) rope = 0.0;
    } else {
        Not_Determinable(result);
    }
    if (result != nullptr) {
        result->rk_lateral = rk;
        result->gamma_lateral = gamma;
        result->k_red = 1.0;
        result->my_rk = my;
        result->fu_used = fu;
        result->fu_rk = fu;
        result->rule_char = Map_Rule_Index(mode) & 0xFF;
        result->fh1_k = fh1;
        result->fh2_k = fh2;
        result->beta = beta;
        result->rope_rk = rope;
    }
    return 0;
}

int Calc_Rd_Timber_Timber(double gamma_m_1, double gamma_m_2, double gamma_steel, double kmod_1,
                          double kmod_2, int shear_planes, double d, double length,
                          double axis_angle, int predrilled, int stainless, int fitted_bolt,
                          int threaded_rod, int vbm_type, double alpha_1, double alpha_2, double t1,
                          double t2, double rho_1, double rho_2, int mat_1, int mat_2, int grade_1,
                          int grade_2, double fu, const Vbm_User_Embedment *user,
                          Connection_Result *result)
{
    double my = Mode_Yield_Moment(vbm_type, d, fu, stainless, threaded_rod, MY_DESIGN_HALF);
    double fh1 = 0.0, fh2 = 0.0;
    Calc_Fh_Both_Members(/*out_fh1=*/&fh1, /*out_fh2=*/&fh2,
                         /*d=*/Embedment_D(vbm_type, fitted_bolt, d), /*type=*/vbm_type,
                         /*predrilled=*/predrilled, /*alpha1=*/alpha_1, /*alpha2=*/alpha_2,
                         /*t1=*/t1, /*t2=*/t2, /*rho1=*/rho_1, /*rho2=*/rho_2, /*mat1=*/mat_1,
                         /*mat2=*/mat_2, /*g1=*/grade_1, /*g2=*/grade_2, /*user1=*/user,
                         /*user2=*/nullptr);
    const bool factors_ok = gamma_m_1 > 0.0 && gamma_m_2 > 0.0 && gamma_steel > 0.0;
    const double fh1d = factors_ok ? fh1 * kmod_1 / gamma_m_1 : 0.0;
    const double fh2d = factors_ok ? fh2 * kmod_2 / gamma_m_2 : 0.0;
    my = factors_ok ? my / gamma_steel : 0.0;
    const double fu_used = Is_Vbm_Din571_Screw(vbm_type) ? 400.0 : fu;
    if (std::fabs(fh1d) < 1e-5 || !(fh2d > 1e-5)) {
        if (result != nullptr) {
            result->my_d = my;
            result->fu_used = fu_used;
            result->fh1_d = fh1d;
            result->fh2_d = fh2d;
            result->rd_lateral = 0.0;
        }
        Not_Determinable(result);
        return 0;
    }
    int planes = shear_planes;
    const double t2p =
        Point_Side_Thickness(vbm_type, shear_planes, d, length, axis_angle, t1, t2, &planes);
    const double beta = fh2d / fh1d;
    double rd = 0.0;
    int mode = 0;
    if (t1 > 0.0 && t2p > 0.0) {
        double r[11];
        Timber_Modes(/*fh=*/fh1d, /*beta=*/beta, /*t1=*/t1, /*t2=*/t2p, /*d=*/d, /*my=*/my,
                     /*factors=*/false, /*type=*/vbm_type, /*fax_single=*/0.0, /*fax_double=*/0.0,
                     /*rope=*/false, /*r=*/r);
        mode = planes == 1 ? Smallest_Mode(r, 1, 6) : Smallest_Mode(r, 7, 10);
        rd = r[mode];
        if (vbm_type == VBM_KLAMMER && mat_1 == MAT_FERMACELL && d > 1.5) rd *= 1.5 / d;
    } else {
        Not_Determinable(result);
    }
    if (result != nullptr) {
        result->rd_lateral = rd;
        result->rule_design = Map_Rule_Index(mode);
        result->k_red = 1.0;
        result->my_d = my;
        result->fu_used = fu_used;
        result->fh1_d = fh1d;
        result->fh2_d = fh2d;
        result->beta = beta;
    }
    return 0;
}

/* ---------------------------------------------------------------- steel plate as member 2 */

namespace {

/* Embedment strength of the timber member beside a plate (the plate itself, material 12, has
** none). */
double Plate_Side_Fh(int type, int fitted_bolt, double d, int predrilled, double alpha, double t,
                     double rho, int mat, int grade, const Vbm_User_Embedment *user)
{
    double fh = 0.0;
    Calc_Fh(/*out_fh=*/&fh, /*d=*/Embedment_D(type, fitted_bolt, d), /*type=*/type,
            /*predrilled=*/predrilled, /*alpha=*/alpha, /*t=*/t, /*rho_k=*/rho, /*mat=*/mat,
            /*grade=*/grade, /*user=*/user);
    return fh;
}

/* Mode 14/17 of a thick plate: fh t d [sqrt(2 + 4 My / (fh d t²)) - 1], EN 1995-1-1 (8.10c). */
double Thick_Plate_Hinge(double fh, double t, double d, double my)
{
    return fh * t * d * (std::sqrt(2.0 + 4.0 * my / (fh * d * t * t)) - 1.0);
}

} // namespace

namespace {

/* Modes 16 to 18 with the embedment strength fh of the timber member. */
void Inner_Plate_Rk(int proof_method, double d, int vbm_type, int stainless, int threaded_rod,
                    double t1, double fu, double fh, Connection_Result *result)
{
    const double my = Mode_Yield_Moment(vbm_type, d, fu, stainless, threaded_rod, MY_CHAR);
    const double t = t1;
    double rk = 0.0, rd = 0.0, gamma = 0.0, t_ef = 0.0, rope = 0.0;
    int mode = 0;
    if (fh > 1e-5 && t > 0.0) {
        const double r_ax = result != nullptr ? result->r_ax : 0.0;
        double r[19];          /* by mode; only 16 to 18 are set and read */
        double share[19] = {}; /* the rope-effect share of each, before its factor */
        r[16] = fh * t * d / Get_Mode_Gamma(16, proof_method);
        double p = Thick_Plate_Hinge(fh, t, d, my);
        share[17] = Calc_Rope_Effect(vbm_type, p, r_ax);
        r[17] = (p + share[17]) / Get_Mode_Gamma(17, proof_method);
        p = 1.15 * std::sqrt(2.0) * std::sqrt(2.0 * my * fh * d);
        share[18] = Calc_Rope_Effect(vbm_type, p, r_ax);
        r[18] = (p + share[18]) / Get_Mode_Gamma(18, proof_method);
        if (Nad_Params != nullptr && proof_method == 2) {
            r[18] /= 1.15;
            share[18] /= 1.15;
        }
        mode = Smallest_Mode(r, 16, 18);
        gamma = Get_Mode_Gamma(mode, proof_method);
        rk = gamma * r[mode];
        rope = share[mode];
        rd = r[mode];
        if (mode == 16) t_ef = t;
        else if (mode == 17) t_ef = t * (std::sqrt(my / (fh * d * t * t) + 2.0) - 1.0);
        else t_ef = 2.0 * std::sqrt(my / (fh * d));
    } else {
        Not_Determinable(result);
    }
    if (result != nullptr) {
        result->gamma_lateral = gamma;
        result->rk_lateral = rk;
        result->rd_lateral = rd;
        result->k_red = 1.0; /* no thickness reduction in the exact proof */
        result->my_rk = my;
        result->fu_used = fu;
        result->fu_rk = fu;
        result->rule_char = Map_Rule_Index(mode) & 0xFF;
        result->fh1_k = fh;
        result->t_ef = t_ef;
        result->rope_rk = rope;
    }
}

/* The design-value twin of Inner_Plate_Rk. */
void Inner_Plate_Rd(double gamma_m_1, double gamma_steel, double kmod_1, double d, int vbm_type,
                    int stainless, int threaded_rod, double t1, double fu, double fh,
                    Connection_Result *result)
{
    const bool factors_ok = gamma_m_1 > 0.0 && gamma_steel > 0.0;
    const double fhd = factors_ok ? fh * kmod_1 / gamma_m_1 : 0.0;
    const double myd =
        factors_ok ? Mode_Yield_Moment(vbm_type, d, fu, stainless, threaded_rod, MY_DESIGN_FULL)
                         / gamma_steel
                   : 0.0;
    const double t = t1;
    double rd = 0.0;
    int mode = 0;
    if (fhd > 1e-5 && t > 0.0) {
        double r[19]; /* by mode; only 16 to 18 are set and read */
        r[16] = fhd * t * d;
        r[17] = Thick_Plate_Hinge(fhd, t, d, myd);
        r[18] = std::sqrt(2.0) * std::sqrt(2.0 * myd * fhd * d);
        mode = Smallest_Mode(r, 16, 18);
        rd = r[mode];
    } else {
        Not_Determinable(result);
    }
    if (result != nullptr) {
        result->rd_lateral = rd;
        result->my_d = myd;
        result->fu_used = Is_Vbm_Din571_Screw(vbm_type) ? 400.0 : fu;
        result->rule_design = Map_Rule_Index(mode);
        result->fh1_d = fhd;
    }
}

} // namespace

int Calc_Rk_Inner_Plate(int proof_method, double d, int vbm_type, int predrilled, int stainless,
                        int threaded_rod, int fitted_bolt, double alpha_1, double t1, double rho_1,
                        int mat_1, int grade_1, double fu, Connection_Result *result)
{
    const double fh = Plate_Side_Fh(/*type=*/vbm_type, /*fitted_bolt=*/fitted_bolt, /*d=*/d,
                                    /*predrilled=*/predrilled, /*alpha=*/alpha_1, /*t=*/t1,
                                    /*rho=*/rho_1, /*mat=*/mat_1, /*grade=*/grade_1,
                                    /*user=*/nullptr);
    Inner_Plate_Rk(proof_method, d, vbm_type, stainless, threaded_rod, t1, fu, fh, result);
    return 0;
}

int Calc_Rd_Inner_Plate(double gamma_m_1, double gamma_m_2, double gamma_steel, double kmod_1,
                        double d, int vbm_type, int predrilled, int stainless, int threaded_rod,
                        int fitted_bolt, double alpha_1, double t1, double rho_1, int mat_1,
                        int grade_1, double fu, Connection_Result *result)
{
    const double fh = Plate_Side_Fh(/*type=*/vbm_type, /*fitted_bolt=*/fitted_bolt, /*d=*/d,
                                    /*predrilled=*/predrilled, /*alpha=*/alpha_1, /*t=*/t1,
                                    /*rho=*/rho_1, /*mat=*/mat_1, /*grade=*/grade_1,
                                    /*user=*/nullptr);
    Inner_Plate_Rd(/*gamma_m_1=*/gamma_m_1, /*gamma_steel=*/gamma_steel, /*kmod_1=*/kmod_1, /*d=*/d,
                   /*vbm_type=*/vbm_type, /*stainless=*/stainless, /*threaded_rod=*/threaded_rod,
                   /*t1=*/t1, /*fu=*/fu, /*fh=*/fh, /*result=*/result);
    return 0;
}

int Calc_Rk_Rd_Inner_Plate(int proof_method, double gamma_m_1, double gamma_m_2, double gamma_steel,
                           double kmod_1, double d, int vbm_type, int predrilled, int stainless,
                           int threaded_rod, int fitted_bolt, double alpha_1, double t1,
                           double rho_1, int mat_1, int grade_1, double fu,
                           Connection_Result *result)
{
    const double fh = Plate_Side_Fh(/*type=*/vbm_type, /*fitted_bolt=*/fitted_bolt, /*d=*/d,
                                    /*predrilled=*/predrilled, /*alpha=*/alpha_1, /*t=*/t1,
                                    /*rho=*/rho_1, /*mat=*/mat_1, /*grade=*/grade_1,
                                    /*user=*/nullptr);
    Inner_Plate_Rk(proof_method, d, vbm_type, stainless, threaded_rod, t1, fu, fh, result);
    Inner_Plate_Rd(/*gamma_m_1=*/gamma_m_1, /*gamma_steel=*/gamma_steel, /*kmod_1=*/kmod_1, /*d=*/d,
                   /*vbm_type=*/vbm_type, /*stainless=*/stainless, /*threaded_rod=*/threaded_rod,
                   /*t1=*/t1, /*fu=*/fu, /*fh=*/fh, /*result=*/result);
    return 0;
}

/* ---------------------------------------------------------------- steel plates as member 1 */

namespace {

/* Data of the outer-plate rules after the preparation steps. */
struct Outer_Case {
    int type;
    double d;
    int cls;
    double k; /* interpolation factor of an intermediate plate */
    double fu;
    double fh;       /* fh of timber member 2 (characteristic or design) */
    double t;        /* timber thickness of the single-shear equations */
    double my, my_f; /* yield moment and, for DIN 571 screws, the full one */
    double t_s;      /* DIN 571: unthreaded length in the timber */
    bool din571;
};

Outer_Case Outer_Prepare(const Connection_Input &in, const Connection_Result *result)
{
    Outer_Case c{};
    c.type = in.vbm_type;
    c.d = in.d;
    if (Is_Vbm_Toothed_Plate(c.type)) {
        c.d = in.d_bolt;
        c.type = VBM_BOLZEN;
    }
    c.cls =
        Classify_Plate_Thickness(c.type, in.mat_1, in.d_3, in.t1, in.plate_hole_clearance, &c.k);
    c.fu = in.fu;
    const bool connector = Is_Vbm_Connector(in.vbm_type);
    /* A negative steel-grade code means the given fu applies, for dowels as for bolts. */
    if ((Is_Vbm_Dowel_Or_Bolt(c.type) || connector) && in.steel_grade >= 0)
        c.fu = Get_Stahlguete(static_cast<uint32_t>(in.steel_grade))->fu;
    c.din571 = Is_Vbm_Din571_Screw(c.type);
    c.t = in.t2;
    const double l_ef = result != nullptr ? result->l_ef : 0.0;
    if ((Is_Vbm_Nail_Or_Screw(c.type) || c.type == VBM_KLAMMER) && l_ef > 0.0 && l_ef < c.t)
        c.t = l_ef;
    c.t_s = in.length - in.t1 - in.l_thread;
    return c;
}

} // namespace

void Calc_Din571_Mode15(double fh, double d, double my, double my_f, double t_s, int design,
                        Din571_Mode15_Parts *out)
{
    Din571_Mode15_Parts &p = *out;
    p.ra = std::sqrt(2.0) * std::sqrt(2.0 * my_f * fh * d);
    p.rb = std::sqrt(2.0) * std::sqrt(fh * d * (my_f + my));
    p.rb_reach = p.rb / (d * fh);
    p.rb_is_ra = p.rb_reach < t_s ? 1 : 0;
    if (p.rb_is_ra) p.rb = p.ra;
    p.rc = design ? std::sqrt(2.0) * std::sqrt(my * fh * d) + t_s * fh * d
                  : std::sqrt(2.0) * std::sqrt(2.0 * my * fh * d) + fh * d * t_s;
    p.r = std::min({p.ra, p.rb, p.rc});
}

namespace {

/* DIN 571 screws in mode 15: the smallest of ra, rb, rc. */
double Din571_Mode15(double fh, double d, double my, double my_f, double t_s, bool design)
{
    Din571_Mode15_Parts p;
    Calc_Din571_Mode15(fh, d, my, my_f, t_s, design ? 1 : 0, &p);
    return p.r;
}

/* Mode values of the outer-plate equations (index = mode 11..22). factors: mode factors, 1.15
** and rope effect of the characteristic set; every hinge mode adds the rope effect of the axial
** capacity r_ax with the caps of EN 1995-1-1, 8.2.2(2) (Calc_Rope_Effect). */
void Outer_Modes(const Outer_Case &c, int vbm_type, int proof_method, bool factors, double r_ax,
                 double t2, double r[23])
{
    const double fh = c.fh, d = c.d, t = c.t, my = c.my;
    const double k115 = factors ? 1.15 : 1.0;
    const auto rp = [&](double part, double fax) {
        return factors ? Calc_Rope_Effect(vbm_type, part, fax) : 0.0;
    };
    const auto g = [&](int m) { return factors ? Get_Mode_Gamma(m, proof_method) : 1.0; };
    const bool ec5_design = factors && Nad_Params != nullptr && proof_method == 2;
    for (int m = 0; m < 23; m++) r[m] = 0.0;

    r[11] = Thin_Plate_Factor() * fh * t * d / g(11);
    double p = c.din571 && !factors ? std::sqrt(my * fh * d) : k115 * std::sqrt(2.0 * my * fh * d);
    r[12] = (p + rp(p, r_ax)) / g(12);
    r[13] = fh * t * d / g(13);
    p = Thick_Plate_Hinge(fh, t, d, c.din571 ? c.my_f : my);
    r[14] = (p + rp(p, r_ax)) / g(14);
    if (c.din571) {
        r[15] = Din571_Mode15(fh, d, my, c.my_f, c.t_s, !factors) / g(15);
    } else {
        p = k115 * std::sqrt(2.0) * std::sqrt(2.0 * my * fh * d);
        r[15] = (p + rp(p, r_ax)) / g(15);
    }
    if (ec5_design) {
        r[12] /= 1.15;
        r[15] /= 1.15;
    }
    r[19] = 0.5 * fh * t2 * d / g(19);
    p = k115 * std::sqrt(2.0 * my * fh * d);
    r[20] = (p + rp(p, r_ax)) / g(20);
    r[21] = 0.5 * fh * t2 * d / g(21);
    p = k115 * std::sqrt(2.0) * std::sqrt(2.0 * my * fh * d);
    r[22] = (p + rp(p, r_ax)) / g(22);
    if (ec5_design) {
        r[20] /= 1.15;
        r[22] /= 1.15;
    }
}

/* Governing modes: thin part and thick part of single or double shear. */
int Thin_Mode(const double r[], int planes)
{
    return planes == 1 ? (r[12] <= r[11] ? 12 : 11) : (r[20] <= r[19] ? 20 : 19);
}

int Thick_Mode(const double r[], int planes)
{
    if (planes != 1) return r[22] <= r[21] ? 22 : 21;
    int m = r[14] <= r[13] ? 14 : 13;
    if (r[15] < r[m]) m = 15;
    return m;
}

/* Reported code of an intermediate plate: single shear 25..29, double shear 23 or 24. */
int Intermediate_Code(int mode, int planes)
{
    if (planes == 1) return mode + 14;
    return (mode == 20 || mode == 22) ? 24 : 23;
}

/* The governing mode of a plate of class cls (0 thin, 1 intermediate with factor k, 2 thick)
** from the mode values r (each divided by its factor): code the reported code, thin and thick the
** governing modes of both sets, rd the value of the code (interpolated between thin and thick,
** EN 1995-1-1, 8.2.3(1)) and rk the same with the factors of the modes. */
struct Plate_Pick {
    int code, thin, thick;
    double rd, rk;
    double rk_thin, rk_thick; /* of an intermediate plate the two values rk interpolates */
};

Plate_Pick Pick_Plate_Mode(const double r[23], int cls, double k, int planes, int pm)
{
    Plate_Pick p{};
    p.thin = Thin_Mode(r, planes);
    p.thick = Thick_Mode(r, planes);
    if (cls == 0) {
        p.code = p.thin;
        p.rd = r[p.thin];
        p.rk = Get_Mode_Gamma(p.thin, pm) * r[p.thin];
    } else if (cls == 2) {
        p.code = p.thick;
        p.rd = r[p.thick];
        p.rk = Get_Mode_Gamma(p.thick, pm) * r[p.thick];
    } else {
        const int thin_code = planes == 1 ? p.thin + 14 : p.thin;
        const int thick_code = planes == 1 ? p.thick + 14 : p.thick;
        p.code = Intermediate_Code(p.thick, planes);
        p.rd = (1.0 - k) * r[p.thin] + k * r[p.thick];
        p.rk_thin = Get_Mode_Gamma(thin_code, pm) * r[p.thin];
        p.rk_thick = Get_Mode_Gamma(thick_code, pm) * r[p.thick];
        p.rk = (1.0 - k) * p.rk_thin + k * p.rk_thick;
    }
    return p;
}

/* rk of the modes that pick p chose, taken from the mode values r (each divided by its factor). */
double Plate_Rk_Of(const double r[23], const Plate_Pick &p, int cls, double k, int planes, int pm)
{
    if (cls == 0) return Get_Mode_Gamma(p.thin, pm) * r[p.thin];
    if (cls == 2) return Get_Mode_Gamma(p.thick, pm) * r[p.thick];
    const int thin_code = planes == 1 ? p.thin + 14 : p.thin;
    const int thick_code = planes == 1 ? p.thick + 14 : p.thick;
    return (1.0 - k) * Get_Mode_Gamma(thin_code, pm) * r[p.thin]
           + k * Get_Mode_Gamma(thick_code, pm) * r[p.thick];
}

/* Effective timber thickness of a mode, for the block-shear check. */
double Outer_T_Ef(int mode, const Outer_Case &c, int planes, double t2)
{
    if (planes != 1) return t2;
    const double fh = c.fh, d = c.d, t = c.t, my = c.my;
    switch (mode) {
    case 11:
    case 25: return 0.4 * t;
    case 12:
    case 26: return 1.4 * std::sqrt(my / (fh * d));
    case 14:
    case 28: return t * (std::sqrt(my / (fh * d * t * t) + 2.0) - 1.0);
    case 15:
    case 29: return 2.0 * std::sqrt(my / (fh * d));
    default: return t;
    }
}

} // namespace

int Calc_Rk_Outer_Plate(const Connection_Input &input, Connection_Result *result)
{
    Outer_Case c = Outer_Prepare(input, result);
    c.fh = Plate_Side_Fh(/*type=*/c.type, /*fitted_bolt=*/input.fitted_bolt, /*d=*/c.d,
                         /*predrilled=*/input.predrilled,
                         /*alpha=*/input.alpha_2 * DESIGN_PI / 180.0, /*t=*/input.t2,
                         /*rho=*/result != nullptr ? result->rho_2 : 0.0, /*mat=*/input.mat_2,
                         /*grade=*/input.grade_2, /*user=*/&input.user_embedment);
    c.my = Mode_Yield_Moment(c.type, c.d, c.fu, input.stainless, input.threaded_rod, MY_CHAR);
    c.my_f = Calc_Vbm_Yield_Moment(c.d, c.fu);
    const int planes = input.shear_planes == 1 ? 1 : 2;
    const int pm = input.proof_method;
    double rk = 0.0, rd = 0.0, gamma = 0.0, t_ef = 0.0, rope = 0.0, rk_thin = 0.0, rk_thick = 0.0;
    int code = 0, thin = 0;
    if (c.fh > 1e-5 && c.t > 0.0 && input.t2 > 0.0) {
        const double r_ax = result != nullptr ? result->r_ax : 0.0;
        double r[23], bare[23];
        Outer_Modes(c, c.type, pm, true, r_ax, input.t2, r);
        const Plate_Pick p = Pick_Plate_Mode(r, c.cls, c.k, planes, pm);
        code = p.code;
        rd = p.rd;
        rk = p.rk;
        rk_thin = p.rk_thin;
        rk_thick = p.rk_thick;
        /* the rope-effect share that rk holds: the same modes without the axial value */
        Outer_Modes(c, c.type, pm, true, 0.0, input.t2, bare);
        rope = rk - Plate_Rk_Of(bare, p, c.cls, c.k, planes, pm);
        if (!(rope > 1e-9 * std::fmax(1.0, rk))) rope = 0.0;
        if (c.cls == 1) thin = p.thin;
        gamma = Get_Mode_Gamma(code, pm);
        t_ef = Outer_T_Ef(code, c, planes, input.t2);
    } else {
        Not_Determinable(result);
    }
    if (result != nullptr) {
        result->plate_class = c.cls;
        result->gamma_lateral = gamma;
        result->rk_lateral = rk;
        result->rd_lateral = rd;
        result->k_red = 1.0; /* no thickness reduction in the exact proof */
        result->my_rk = c.my;
        result->fu_used = c.fu;
        result->fu_rk = c.fu;
        result->rule_char = Map_Rule_Index(code) & 0xFF;
        result->rule_thin = thin;
        result->fh2_k = c.fh;
        result->t_ef = t_ef;
        result->rope_rk = rope;
        result->c_p = c.cls == 1 ? c.k : 0.0;
        result->rk_plate_thin = rk_thin;
        result->rk_plate_thick = rk_thick;
        result->my_f_rk = c.din571 ? c.my_f : 0.0;
        result->t_s = c.din571 ? c.t_s : 0.0;
    }
    return 0;
}

int Calc_Rd_Outer_Plate(const Connection_Input &input, Connection_Result *result)
{
    Outer_Case c = Outer_Prepare(input, result);
    const bool factors_ok = input.gamma_m_2 > 0.0 && input.gamma_steel > 0.0;
    const double kmod_2 = result != nullptr ? result->kmod_2 : 0.0;
    const double fhk = Plate_Side_Fh(/*type=*/c.type, /*fitted_bolt=*/input.fitted_bolt, /*d=*/c.d,
                                     /*predrilled=*/input.predrilled,
                                     /*alpha=*/input.alpha_2 * DESIGN_PI / 180.0, /*t=*/input.t2,
                                     /*rho=*/result != nullptr ? result->rho_2 : 0.0,
                                     /*mat=*/input.mat_2, /*grade=*/input.grade_2,
                                     /*user=*/&input.user_embedment);
    c.fh = factors_ok ? fhk * kmod_2 / input.gamma_m_2 : 0.0;
    const double gs = factors_ok ? input.gamma_steel : 1.0;
    c.my = Mode_Yield_Moment(c.type, c.d, c.fu, input.stainless, input.threaded_rod, MY_DESIGN_HALF)
           / gs;
    c.my_f = (c.din571 ? Calc_Vbm_Yield_Moment(c.d, 400.0) : Calc_Vbm_Yield_Moment(c.d, c.fu)) / gs;
    const int planes = input.shear_planes == 1 ? 1 : 2;
    double rd = 0.0;
    int code = 0;
    if (c.fh > 1e-5 && c.t > 0.0 && input.t2 > 0.0) {
        double r[23];
        Outer_Modes(c, c.type, input.proof_method, false, 0.0, input.t2, r);
        const Plate_Pick p = Pick_Plate_Mode(r, c.cls, c.k, planes, input.proof_method);
        code = p.code;
        rd = p.rd;
    } else {
        Not_Determinable(result);
    }
    if (result != nullptr) {
        result->plate_class = c.cls;
        result->rd_lateral = rd;
        result->my_d = c.my;
        result->fu_used = c.din571 ? 400.0 : c.fu;
        result->rule_design = Map_Rule_Index(code);
        result->fh2_d = c.fh;
    }
    return 0;
}

int Calc_Rk_Rd_Between_Plates(int proof_method, double gamma_m, double gamma_steel, double kmod,
                              double d, int vbm_type, int predrilled, int stainless,
                              int threaded_rod, int fitted_bolt, double alpha, double t2,
                              double plate_t, int plate_mat, double clearance, double rho, int mat,
                              int grade, double fu, double r_ax, Between_Plates_Result *out)
{
    Between_Plates_Result &b = *out;
    b = Between_Plates_Result{};
    b.t2 = t2;
    b.d = d;
    b.plate_t = plate_t;
    b.clearance = clearance;
    b.plate_class = Classify_Plate_Thickness(vbm_type, plate_mat, d, plate_t, clearance, &b.k);
    b.fh = Plate_Side_Fh(/*type=*/vbm_type, /*fitted_bolt=*/fitted_bolt, /*d=*/d,
                         /*predrilled=*/predrilled, /*alpha=*/alpha, /*t=*/t2, /*rho=*/rho,
                         /*mat=*/mat, /*grade=*/grade, /*user=*/nullptr);
    b.my = Mode_Yield_Moment(vbm_type, d, fu, stainless, threaded_rod, MY_CHAR);
    if (!(b.fh > 1e-5 && t2 > 0.0)) return 0;
    const double fh = b.fh, my = b.my;
    /* the plates are the outer members: the equations of outer plates in double shear, modes
    ** 19 to 22 */
    b.r_l = 0.5 * fh * t2 * d;
    double p = 1.15 * std::sqrt(2.0 * my * fh * d);
    b.rope_k = Calc_Rope_Effect(vbm_type, p, r_ax);
    b.r_k = p + b.rope_k;
    p = 1.15 * std::sqrt(2.0) * std::sqrt(2.0 * my * fh * d);
    b.rope = Calc_Rope_Effect(vbm_type, p, r_ax);
    b.r_m = p + b.rope;
    const bool ec5_design = Nad_Params != nullptr && proof_method == 2;
    double r[23] = {};
    r[19] = b.r_l / Get_Mode_Gamma(19, proof_method);
    r[20] = b.r_k / Get_Mode_Gamma(20, proof_method) / (ec5_design ? 1.15 : 1.0);
    r[21] = b.r_l / Get_Mode_Gamma(21, proof_method);
    r[22] = b.r_m / Get_Mode_Gamma(22, proof_method) / (ec5_design ? 1.15 : 1.0);
    const Plate_Pick pick = Pick_Plate_Mode(r, b.plate_class, b.k, 2, proof_method);
    b.mode = pick.code;
    b.mode_thin = b.plate_class != 2 ? pick.thin : 0;
    b.mode_thick = b.plate_class != 0 ? pick.thick : 0;
    b.gamma = Get_Mode_Gamma(b.mode, proof_method);
    b.rk = pick.rk;
    if (proof_method != 2) {
        b.rd = pick.rd * kmod;
    } else if (gamma_m > 0.0 && gamma_steel > 0.0) {
        const double fhd = fh * kmod / gamma_m;
        const double myd =
            Mode_Yield_Moment(vbm_type, d, fu, stainless, threaded_rod, MY_DESIGN_FULL)
            / gamma_steel;
        double rd[23] = {};
        rd[19] = rd[21] = 0.5 * fhd * t2 * d;
        rd[20] = std::sqrt(2.0 * myd * fhd * d);
        rd[22] = std::sqrt(2.0) * std::sqrt(2.0 * myd * fhd * d);
        b.rd = Pick_Plate_Mode(rd, b.plate_class, b.k, 2, proof_method).rd;
    }
    return 0;
}
