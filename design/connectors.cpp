/*
** Resistances outside the failure-mode equations: ring, shear-plate and toothed-plate connectors,
** dowel-type fasteners against a steel plate in the simplified proof with the plate's class, the
** design value of a resistance, the minimum thicknesses against splitting and effective numbers.
** mm, kg/m³, N/mm², Nmm, N; angles in degrees unless said.
*/
#include "design/design_plates.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "catalogue/catalogue.h"
#include "design/design_axial.h"
#include "design/design_embedment.h"
#include "design/design_lateral.h"
#include "design/design_state.h"
#include "nad/nad.h"

/* Keep the larger required thickness in the result. */
static void Keep_T_Req(Connection_Result *result, double t1_req, double t2_req)
{
    if (result == nullptr) return;
    if (t1_req > result->t_req_1) result->t_req_1 = t1_req;
    if (t2_req > result->t_req_2) result->t_req_2 = t2_req;
}

/* ---------------------------------------------------------------- design values, splitting */

double Calc_Geometric_Mean_Ratio(double x, double kmod1, double kmod2, double gamma)
{
    if (!(gamma > 0.0)) return 0.0;
    return x * std::sqrt(kmod1 * kmod2) / gamma;
}

double Calc_T_Min_Splitting(double d, double rho_k)
{
    return std::max(14.0 * d, (13.0 * d - 30.0) * rho_k / 200.0);
}

double Calc_T_Min_Splitting_Alt(double d, double rho_k)
{
    return std::max(7.0 * d, (13.0 * d - 30.0) * rho_k / 400.0);
}

/* ---------------------------------------------------------------- ring and shear-plate connectors */

void Calc_Connector_K1_Thicknesses(double he, double *t1_min, double *t2_min)
{
    if (t1_min != nullptr) *t1_min = Calc_Connector_K1_Thickness(he, 1);
    if (t2_min != nullptr) *t2_min = Calc_Connector_K1_Thickness(he, 2);
}

double Calc_Connector_K1_Thickness(double he, int faces)
{
    return std::max((faces == 2 ? 5.0 : 3.0) * he, 24.0);
}

int Connector_Member_Faces(const Connection_Input *in, int member)
{
    /* DIN 1052 holds a timber beside a steel plate to the middle member's term */
    if (Nad_Params == nullptr) return member == 1 && !Is_Mat_Metal_Plate(in->mat_2) ? 1 : 2;
    /* EN 1995-1-1, 8.9(2), 8.10: t1 of a side member, t2 of a middle member; the lamella beside a
    ** single inner plate is a side member, the halves of a lap both */
    if (member == 1) return in->lamellas_between_plates ? 2 : 1;
    return in->shear_planes == 1 ? 1 : 2;
}

double Calc_K_Alpha(double dc, double alpha_deg)
{
    const double a = alpha_deg * DESIGN_PI / 180.0;
    const double s = std::sin(a), c = std::cos(a);
    return 1.0 / ((1.3 + 0.001 * dc) * s * s + c * c);
}

double Calc_Ring_Connector_Rk(double dc, double he, double alpha_deg, double t1, double t2,
                              int faces_2, double rho_k, Connection_Result *result)
{
    const double t1_min = Calc_Connector_K1_Thickness(he, 1);
    const double t2_min = Calc_Connector_K1_Thickness(he, faces_2);
    double k1 = 1.0;
    if (!(t1 >= t1_min && t2 >= t2_min)) k1 = std::min({t1 / t1_min, t2 / t2_min, 1.0});
    const double k3 = std::min(rho_k / 350.0, 1.75);
    const double ka = Calc_K_Alpha(dc, alpha_deg);
    const double rk = std::min(31.5 * dc * he, 35.0 * std::pow(dc, 1.5)) * ka * k3 * k1;
    if (result != nullptr) {
        result->k_red = 1.0;
        result->k_alpha = ka;
        result->k_3 = k3;
        result->k_1 = k1;
    }
    Keep_T_Req(result, t1_min, t2_min);
    return rk;
}

double Calc_Ring_Connector_Plate_Rk(double dc, double he, double alpha_deg, double t, int faces,
                                    double rho_k, Connection_Result *result)
{
    const double t_min = Calc_Connector_K1_Thickness(he, faces);
    const double k1 = std::min(t / t_min, 1.0);
    const double k3 = std::min(rho_k / 350.0, 1.75);
    const double ka = Calc_K_Alpha(dc, alpha_deg);
    const double f = Nad_Params != nullptr ? 1.1 : 1.0;
    const double rk = std::min(31.5 * dc * he, f * 35.0 * std::pow(dc, 1.5)) * ka * k3 * k1;
    if (result != nullptr) {
        result->k_red = 1.0;
        result->k_alpha = ka;
        result->k_3 = k3;
        result->k_1 = k1;
        result->t_req_2 = t_min;
    }
    return rk;
}

/* ---------------------------------------------------------------- toothed-plate connectors */

double Toothed_Plate_Base_Factor(int type)
{
    if (type == VBM_SCHEIBENDUEBEL_C1 || type == VBM_SCHEIBENDUEBEL_C5
        || type == VBM_SCHEIBENDUEBEL_C2)
        return 18.0;
    if (type == VBM_SCHEIBENDUEBEL_C10 || type == VBM_SCHEIBENDUEBEL_C11) return 25.0;
    return 0.0;
}

/* Base value, k3, k2 and a3,t of a toothed plate, EN 1995-1-1, 8.10. */
static double Toothed_Plate_Rk(int type, double dc, double d, double k1, double rho_k,
                               Connection_Result *result)
{
    const double base = Toothed_Plate_Base_Factor(type) * std::pow(dc, 1.5);
    double k3 = rho_k / 350.0;
    double k2 = 1.0, a3t = 0.0;
    if (Nad_Params != nullptr) {
        k3 = std::min(k3, 1.5);
        const bool round = type == VBM_SCHEIBENDUEBEL_C10 || type == VBM_SCHEIBENDUEBEL_C11;
        a3t = std::max({(round ? 1.5 : 1.1) * dc, 7.0 * d, 80.0});
        k2 = std::min(a3t / ((round ? 2.0 : 1.5) * dc), 1.0);
    }
    if (result != nullptr) {
        result->k_3 = k3;
        result->k_1 = k1;
        result->k_2 = k2;
        result->a3t_min = a3t;
    }
    return base * k3 * k1; /* k2 is reported, it does not enter Rk */
}

double Calc_Toothed_Plate_Rk(int type, double dc, double d, double he, double t1, double t2,
                             int faces_2, double rho_k, Connection_Result *result)
{
    const double t1_min = Calc_Connector_K1_Thickness(he, 1);
    const double t2_min = Calc_Connector_K1_Thickness(he, faces_2);
    double k1 = 1.0;
    if (!(t1 >= t1_min && t2 >= t2_min)) k1 = std::min({t1 / t1_min, t2 / t2_min, 1.0});
    Keep_T_Req(result, t1_min, t2_min);
    return Toothed_Plate_Rk(type, dc, d, k1, rho_k, result);
}

double Calc_Toothed_Plate_Plate_Rk(int type, double dc, double d, double he, double t, int faces,
                                   double rho_k, Connection_Result *result)
{
    const double t_min = Calc_Connector_K1_Thickness(he, faces);
    Keep_T_Req(result, 0.0, t_min);
    return Toothed_Plate_Rk(type, dc, d, std::min(t / t_min, 1.0), rho_k, result);
}

/* ---------------------------------------------------------------- steel plates, simplified proof */

int Is_Plate_Hole_Tight(double d, double clearance)
{
    /* "less than 0.1 d": a clearance of exactly 0.1 d counts as wide, also where d0 - d comes
    ** out a hair below it in binary (13.2 - 12.0 = 1.1999999999999993) */
    return clearance <= 0.0 || clearance < 0.1 * d * (1.0 - 1e-9) ? 1 : 0;
}

int Classify_Plate_Thickness(int type, int plate_material, double d, double t, double clearance,
                             double *factor)
{
    const double s = plate_material == MAT_ALUBLECH ? 1.4422495703074083 : 1.0;
    int cls;
    double f;
    if (type >= VBM_SONDERNAGEL_3A && type <= VBM_SONDERNAGEL_3C && t >= 2.0 * s) {
        cls = 2;
        f = 1.0;
    } else if (Is_Vbm_Simpson_Nail(type)) {
        cls = 2;
        f = -1.0;
    } else if (s * d / 2.0 >= t - 0.0005 || !Is_Plate_Hole_Tight(d, clearance)) {
        cls = 0;
        f = 0.0;
    } else if (t + 0.0005 >= s * d) {
        cls = 2;
        f = 1.0;
    } else {
        cls = 1;
        f = 2.0 * t / (s * d) - 1.0;
    }
    if (factor != nullptr) *factor = f;
    return cls;
}

/* fh,alpha,k of the timber beside the plate: fh,0,k / (k90 sin²a + cos²a), EN 1995-1-1 (8.31). */
static double Plate_Timber_Fh(double d, double alpha, int mat, double rho_k,
                              Connection_Result *result)
{
    const double k90 = Calc_K90(d, mat);
    const double fh0 = Calc_Fh0_Bolt(d, rho_k);
    const double fh = Calc_Fh_Alpha(fh0, alpha, k90);
    if (result != nullptr) {
        result->k_90 = k90;
        result->fh0_k = fh0;
        result->fh2_k = fh;
    }
    return fh;
}

/* Yield moment of the simplified plate rules: DIN 571 screws take half of 0.3 fu d^2.6. */
static double Plate_Rule_My(int type, double d, double fu, int variant, int threaded_rod)
{
    return Calc_Vbm_My_Rk(type, d, fu, variant, threaded_rod, Is_Vbm_Din571_Screw(type) ? 1 : 0);
}

/*
** The simplified resistance sqrt(2) k sqrt(2 My fh d) of a fastener beside a thick steel plate
** (member 2); k = min(1, t / t_req) with the timber thickness t. The yield moment, the embedment
** strength and the resistance take d_modes, the required thickness t_req the fastener's d.
*/
static double Thick_Plate(int type, double d, double d_modes, double t, int predrilled, int fitted,
                          int grade, int variant, int threaded_rod, double alpha, double fu,
                          int mat, double rho_k, Connection_Result *result)
{
    const double my = Plate_Rule_My(type, d_modes, fu, variant, threaded_rod);
    const double fh = Plate_Timber_Fh(d_modes, alpha, mat, rho_k, result);
    const double t_req = Calc_T_Req_Plate(/*d=*/d, /*type=*/type, /*predrilled=*/predrilled,
                                          /*variant=*/variant, /*fitted=*/fitted,
                                          /*threaded=*/threaded_rod, /*alpha=*/alpha, /*dc=*/0.0,
                                          /*fu=*/fu, /*t=*/t, /*rho=*/rho_k, /*mat=*/mat,
                                          /*g1=*/grade, /*g2=*/grade, /*user1=*/nullptr,
                                          /*user2=*/nullptr);
    const double k = t_req > 0.0 ? std::min(1.0, t / t_req) : 1.0;
    const double rk = std::sqrt(2.0) * k * std::sqrt(2.0 * my * fh * d_modes);
    if (result != nullptr) {
        result->fu_used = fu;
        result->my_rk = my;
        result->k_red = k;
        result->fh1_k = fh;
    }
    Keep_T_Req(result, t_req, t_req);
    return rk;
}

double Calc_Rk_Thick_Plate(int type, double d, double t, int predrilled, int fitted, int grade,
                           int variant, int threaded_rod, double alpha, double fu, int mat,
                           double rho_k, Connection_Result *result)
{
    return Thick_Plate(/*type=*/type, /*d=*/d, /*d_modes=*/d, /*t=*/t, /*predrilled=*/predrilled,
                       /*fitted=*/fitted, /*grade=*/grade, /*variant=*/variant,
                       /*threaded_rod=*/threaded_rod, /*alpha=*/alpha, /*fu=*/fu, /*mat=*/mat,
                       /*rho_k=*/rho_k, /*result=*/result);
}

double Calc_Rk_Thick_Plate_Ef(int type, double d, double d_ef, double t, int predrilled, int fitted,
                              int grade, int variant, int threaded_rod, double alpha, double fu,
                              int mat, double rho_k, Connection_Result *result)
{
    return Thick_Plate(/*type=*/type, /*d=*/d, /*d_modes=*/d_ef, /*t=*/t,
                       /*predrilled=*/predrilled, /*fitted=*/fitted, /*grade=*/grade,
                       /*variant=*/variant, /*threaded_rod=*/threaded_rod, /*alpha=*/alpha,
                       /*fu=*/fu, /*mat=*/mat, /*rho_k=*/rho_k, /*result=*/result);
}

double Calc_Rk_Thin_Plate(int type, int selector, double d, double t, int predrilled, int fitted,
                          int grade, int variant, int threaded_rod, double alpha, double fu,
                          int mat, double rho_k, Connection_Result *result)
{
    const double my = Plate_Rule_My(type, d, fu, variant, threaded_rod);
    const double fh = Plate_Timber_Fh(d, alpha, mat, rho_k, result);
    const double t_req =
        selector == 2
            ? Calc_T_Req_Plate_C(/*d=*/d, /*type=*/type, /*predrilled=*/predrilled,
                                 /*variant=*/variant,
                                 /*fitted=*/fitted, /*threaded=*/threaded_rod, /*alpha=*/alpha,
                                 /*dc=*/0.0, /*fu=*/fu, /*t=*/t, /*rho=*/rho_k, /*mat=*/mat,
                                 /*g=*/grade, /*user1=*/nullptr, /*user2=*/nullptr)
            : Calc_T_Req_Plate_B(/*d=*/d, /*type=*/type, /*predrilled=*/predrilled,
                                 /*variant=*/variant,
                                 /*fitted=*/fitted, /*threaded=*/threaded_rod, /*alpha=*/alpha,
                                 /*dc=*/0.0, /*fu=*/fu, /*t=*/t, /*rho=*/rho_k, /*mat=*/mat,
                                 /*g=*/grade, /*user1=*/nullptr, /*user2=*/nullptr);
    const double k = t_req > 0.0 ? std::min(1.0, t / t_req) : 1.0;
    const double rk = k * std::sqrt(2.0 * my * fh * d);
    if (result != nullptr) {
        result->fu_used = fu;
        result->my_rk = my;
        result->k_red = k;
    }
    Keep_T_Req(result, t_req, t_req);
    return rk;
}

double Calc_Rk_Plate_Interpolated(int type, double d, double t, int predrilled, int fitted,
                                  int grade, int variant, int threaded_rod, double alpha, double fu,
                                  int mat, double rho_k, int plate_material, double plate_t,
                                  double clearance, Connection_Result *result)
{
    double c_p = 0.0;
    const int cls = Classify_Plate_Thickness(type, plate_material, d, plate_t, clearance, &c_p);
    double rk;
    if (cls == 2) {
        rk = Calc_Rk_Thick_Plate(/*type=*/type, /*d=*/d, /*t=*/t, /*predrilled=*/predrilled,
                                 /*fitted=*/fitted, /*grade=*/grade, /*variant=*/variant,
                                 /*threaded_rod=*/threaded_rod, /*alpha=*/alpha, /*fu=*/fu,
                                 /*mat=*/mat, /*rho_k=*/rho_k, /*result=*/result);
    } else if (cls == 0) {
        rk = Calc_Rk_Thin_Plate(/*type=*/type, /*selector=*/1, /*d=*/d, /*t=*/t,
                                /*predrilled=*/predrilled, /*fitted=*/fitted, /*grade=*/grade,
                                /*variant=*/variant, /*threaded_rod=*/threaded_rod, /*alpha=*/alpha,
                                /*fu=*/fu, /*mat=*/mat, /*rho_k=*/rho_k, /*result=*/result);
    } else {
        const double thick = Calc_Rk_Thick_Plate(/*type=*/type, /*d=*/d, /*t=*/t,
                                                 /*predrilled=*/predrilled, /*fitted=*/fitted,
                                                 /*grade=*/grade, /*variant=*/variant,
                                                 /*threaded_rod=*/threaded_rod, /*alpha=*/alpha,
                                                 /*fu=*/fu, /*mat=*/mat, /*rho_k=*/rho_k,
                                                 /*result=*/result);
        const double thin = Calc_Rk_Thin_Plate(/*type=*/type, /*selector=*/1, /*d=*/d, /*t=*/t,
                                               /*predrilled=*/predrilled, /*fitted=*/fitted,
                                               /*grade=*/grade, /*variant=*/variant,
                                               /*threaded_rod=*/threaded_rod, /*alpha=*/alpha,
                                               /*fu=*/fu, /*mat=*/mat, /*rho_k=*/rho_k,
                                               /*result=*/result);
        rk = c_p * thick + (1.0 - c_p) * thin;
    }
    if (result != nullptr) {
        result->plate_class = cls;
        result->rk_lateral = rk;
        result->c_p = c_p;
    }
    return rk;
}

/*
** The simplified resistance k k_p sqrt(2 My fh d) of a nail or screw through a steel plate into
** timber member 2: the yield moment, the embedment strength and the resistance take d_modes; the
** plate's class, the required thickness and the point's penetration the fastener's d.
*/
static double Outer_Plate_Simplified(int type, double d, double d_modes, double length,
                                     int shear_planes, int predrilled, int fitted, int variant,
                                     int threaded_rod, double alpha_2, double fu,
                                     int plate_material, double plate_t, double clearance,
                                     int mat_2, int grade_2, double t2, double rho_2,
                                     const Vbm_User_Embedment *user, Connection_Result *result)
{
    double c_p = 0.0;
    const int cls = Classify_Plate_Thickness(type, plate_material, d, plate_t, clearance, &c_p);
    const double my = Plate_Rule_My(type, d_modes, fu, variant, threaded_rod);
    const double k_p = 1.4 * c_p + (1.0 - c_p);
    const double t_req = c_p * 10.0 * d + (1.0 - c_p) * 9.0 * d;
    double k = 1.0;
    Calc_T_Req_Reduction(/*type=*/type, /*fu=*/600.0, /*kind=*/shear_planes, /*d=*/d,
                         /*length=*/length, /*axis_angle=*/90.0, /*predrilled=*/predrilled,
                         /*variant=*/variant, /*fitted=*/fitted, /*t1=*/plate_t, /*t2=*/t2,
                         /*rho1=*/0.0, /*rho2=*/rho_2, /*mat1=*/plate_material, /*mat2=*/mat_2,
                         /*g1=*/-1, /*g2=*/grade_2, /*user1=*/nullptr, /*user2=*/user,
                         /*out_penetration=*/nullptr, /*out_member=*/nullptr, /*out_k=*/&k,
                         /*out_t1_req=*/nullptr, /*out_t2_req=*/nullptr);
    double fh1 = 0.0, fh2 = 0.0;
    Calc_Fh_Both_Members(/*out_fh1=*/&fh1, /*out_fh2=*/&fh2, /*d=*/d_modes, /*type=*/type,
                         /*predrilled=*/predrilled, /*alpha1=*/0.0, /*alpha2=*/alpha_2,
                         /*t1=*/plate_t, /*t2=*/t2, /*rho1=*/0.0, /*rho2=*/rho_2,
                         /*mat1=*/plate_material, /*mat2=*/mat_2, /*g1=*/-1, /*g2=*/grade_2,
                         /*user1=*/nullptr, /*user2=*/user);
    const double rk = k * k_p * std::sqrt(2.0 * my * fh2 * d_modes);
    if (result != nullptr) {
        result->plate_class = cls;
        result->fu_used = fu;
        result->my_rk = my;
        result->k_red = k;
        result->k_p = k_p;
        result->fh2_k = fh2;
        result->rk_lateral = rk;
        result->c_p = c_p;
        result->t_req_2 = t_req;
    }
    return rk;
}

double Calc_Rk_Outer_Plate_Simplified(int type, double d, double length, int shear_planes,
                                      int predrilled, int fitted, int variant, int threaded_rod,
                                      double alpha_2, double fu, int plate_material, double plate_t,
                                      double clearance, int mat_2, int grade_2, double t2,
                                      double rho_2, const Vbm_User_Embedment *user,
                                      Connection_Result *result)
{
    return Outer_Plate_Simplified(/*type=*/type, /*d=*/d, /*d_modes=*/d, /*length=*/length,
                                  /*shear_planes=*/shear_planes, /*predrilled=*/predrilled,
                                  /*fitted=*/fitted, /*variant=*/variant,
                                  /*threaded_rod=*/threaded_rod, /*alpha_2=*/alpha_2, /*fu=*/fu,
                                  /*plate_material=*/plate_material, /*plate_t=*/plate_t,
                                  /*clearance=*/clearance, /*mat_2=*/mat_2, /*grade_2=*/grade_2,
                                  /*t2=*/t2, /*rho_2=*/rho_2,
                                  /*user=*/user, /*result=*/result);
}

double Calc_Rk_Outer_Plate_Simplified_Ef(int type, double d, double d_ef, double length,
                                         int shear_planes, int predrilled, int fitted, int variant,
                                         int threaded_rod, double alpha_2, double fu,
                                         int plate_material, double plate_t, double clearance,
                                         int mat_2, int grade_2, double t2, double rho_2,
                                         const Vbm_User_Embedment *user, Connection_Result *result)
{
    return Outer_Plate_Simplified(/*type=*/type, /*d=*/d, /*d_modes=*/d_ef, /*length=*/length,
                                  /*shear_planes=*/shear_planes, /*predrilled=*/predrilled,
                                  /*fitted=*/fitted, /*variant=*/variant,
                                  /*threaded_rod=*/threaded_rod, /*alpha_2=*/alpha_2, /*fu=*/fu,
                                  /*plate_material=*/plate_material, /*plate_t=*/plate_t,
                                  /*clearance=*/clearance, /*mat_2=*/mat_2, /*grade_2=*/grade_2,
                                  /*t2=*/t2, /*rho_2=*/rho_2,
                                  /*user=*/user, /*result=*/result);
}

/* ---------------------------------------------------------------- effective numbers */

double Calc_Bolt_N_Ef(double d, int n, double a1, double alpha_deg)
{
    double a = std::fabs(alpha_deg);
    if (a > 180.0) a = 360.0 - a;
    if (a > 90.0) a = 180.0 - a;
    if (n < 2) return n;
    const double ref = Nad_Params != nullptr ? 13.0 : 10.0;
    /* the run asks for the same row in every combination: the value parallel to the grain is
    ** kept in the run record with what it came from */
    auto &last = Design_Run_Current()->bolt_n_ef;
    if (!last.valid || last.n != n || std::memcmp(&last.d, &d, sizeof d) != 0
        || std::memcmp(&last.a1, &a1, sizeof a1) != 0 || last.ref != ref) {
        last.n0 = std::pow(n, 0.9) * std::pow(a1 / (ref * d), 0.25);
        last.n = n;
        last.d = d;
        last.a1 = a1;
        last.ref = ref;
        last.valid = true;
    }
    const double n0 = last.n0;
    return (90.0 - a) * std::min(n0, static_cast<double>(n)) / 90.0 + n * a / 90.0;
}

double Calc_Connector_N_Ef(int n, double alpha_deg)
{
    if (n <= 1) return n;
    const double b = (1.0 - n / 20.0) * (n - 2.0);
    if (Nad_Params != nullptr) return 2.0 + b;
    const double nef = (b + 2.0) * (90.0 - alpha_deg) / 90.0 + n * alpha_deg / 90.0;
    return std::min(nef, 10.0);
}

double Calc_Vbm_N_Ef(double d, int predrilled, int n, double a1)
{
    if (n < 2) return n;
    return std::pow(n, Calc_Vbm_K_Ef(d, a1, predrilled));
}
