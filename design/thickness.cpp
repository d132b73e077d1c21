/*
** Required member thicknesses of the simplified proof and the reduction of the resistance for
** thinner members: head-side and point-side thicknesses, timber beside a steel plate, the
** reduction factor of nails, staples and screws, and the simplified resistance of a nail.
** mm, kg/m³, N/mm², Nmm, N; member angles in radians, axis angles in degrees.
*/
#include "design/design_embedment.h"

#include <algorithm>
#include <cmath>

#include "catalogue/catalogue.h"
#include "design/design_lateral.h"
#include "design/design_plates.h"
#include "nad/nad.h"

/* ---------------------------------------------------------------- yield moment */

double Calc_Vbm_My_Rk(int type, double d, double fu, int variant, int threaded, int din571)
{
    if (Is_Vbm_Screw_Eta12(type))
        return variant ? Get_Eta12_Screw_My_Alt(d) : Get_Eta12_Screw_My(d);
    if (Is_Vbm_Screw_Eta11(type))
        return variant ? Get_Eta11_Screw_My_Alt(d) : Get_Eta11_Screw_My(d);
    if (Is_Vbm_Screw_Family_C(type))
        return variant == 1 ? Get_Screw_C_My_By_Type(type, d) : Get_Screw_C_My(d);
    if (type == VBM_BOLZEN && threaded)
        return Calc_Vbm_Yield_Moment(Get_Thread_Effective_Diameter(d), fu);
    if (Is_Vbm_Din571_Screw(type) && din571 == 1) return Calc_Vbm_Yield_Moment_Half(d, fu);
    if (Is_Vbm_Din571_Screw(type) && din571 == 2) return Calc_Vbm_Yield_Moment_Half(d, 400.0);
    if (type == VBM_SIMPSON_CSA) return Get_Nail46_Yield_Moment(d, 1);
    if (type == VBM_KLAMMER) return Get_Staple_Yield_Moment(d, Calc_Vbm_Yield_Moment(d, fu));
    return Calc_Vbm_Yield_Moment(d, fu);
}

/* Embedment diameter: d + 1 mm for a bolt that is not fitted. */
static double Embedment_Diameter(int type, int fitted, double d)
{
    return (type == VBM_BOLZEN && !fitted) ? d + 1.0 : d;
}

/* The yield moment of a wood screw to DIN 571 in the required thicknesses (the din571 switch of
** Calc_Vbm_My_Rk): under an annex that of its design, 0.15 f_u d^2.6 with its own f_u, as the
** failure modes take it; without one the half moment with f_u = 400 N/mm² in the head-side
** member and the full moment in the other. */
static int Din571_Moment(bool head_side)
{
    if (Nad_Params != nullptr) return 1;
    return head_side ? 2 : 0;
}

/* sqrt(My / (fh d)), 0 when fh d is not positive. */
static double Hinge_Root(double my, double fh, double d)
{
    if (!(fh * d > 0.0)) return 0.0;
    return std::sqrt(my / (fh * d));
}

/* ---------------------------------------------------------------- required thicknesses */

double Calc_T1_Req(double d, int type, int predrilled, int variant, int fitted, int threaded,
                   double alpha1, double alpha2, double dc, double fu, double t1, double t2,
                   double rho1, double rho2, int mat1, int mat2, int g1, int g2,
                   const Vbm_User_Embedment *user1, const Vbm_User_Embedment *user2)
{
    if (Is_Mat_Metal_Plate(mat1)) return 0.1;
    if (Is_Vbm_Connector_Two_Sided(type)) return Calc_T_Min_3d(dc);
    const double my = Calc_Vbm_My_Rk(type, d, fu, variant, threaded, Din571_Moment(true));
    double fh1 = 0.0, fh2 = 0.0;
    Calc_Fh_Both_Members(/*out_fh1=*/&fh1, /*out_fh2=*/&fh2,
                         /*d=*/Embedment_Diameter(type, fitted, d), /*type=*/type,
                         /*predrilled=*/predrilled, /*alpha1=*/alpha1, /*alpha2=*/alpha2, /*t1=*/t1,
                         /*t2=*/t2, /*rho1=*/rho1, /*rho2=*/rho2, /*mat1=*/mat1, /*mat2=*/mat2,
                         /*g1=*/g1, /*g2=*/g2, /*user1=*/user1, /*user2=*/user2);
    const double beta = fh1 != 0.0 ? fh2 / fh1 : 0.0;
    double t = 1.15 * (2.0 * std::sqrt(beta / (1.0 + beta)) + 2.0) * Hinge_Root(my, fh1, d);
    if (Is_Mat_Panel(mat1) && Design_Is_Approved_Screw(type)) t = std::max(t, 1.2 * d);
    return t;
}

double Calc_T1_Req_B(double d, int type, int predrilled, int variant, int fitted, int threaded,
                     double alpha1, double alpha2, double dc, double fu, double t1, double t2,
                     double rho1, double rho2, int mat1, int mat2, int g1, int g2,
                     const Vbm_User_Embedment *user1, const Vbm_User_Embedment *user2)
{
    if (Is_Vbm_Connector_Two_Sided(type)) return Calc_T_Min_3d(dc);
    const double my = Calc_Vbm_My_Rk(type, d, fu, variant, threaded, 0);
    double fh1 = 0.0, fh2 = 0.0;
    Calc_Fh_Both_Members(/*out_fh1=*/&fh1, /*out_fh2=*/&fh2,
                         /*d=*/Embedment_Diameter(type, fitted, d), /*type=*/type,
                         /*predrilled=*/predrilled, /*alpha1=*/alpha1, /*alpha2=*/alpha2, /*t1=*/t1,
                         /*t2=*/t2, /*rho1=*/rho1, /*rho2=*/rho2, /*mat1=*/mat1, /*mat2=*/mat2,
                         /*g1=*/g1, /*g2=*/g2, /*user1=*/user1, /*user2=*/user2);
    const double beta = fh1 != 0.0 ? fh2 / fh1 : 0.0;
    double t = 1.15 * (2.0 * std::sqrt(beta / (1.0 + beta)) + 2.0) * Hinge_Root(my, fh2, d);
    if ((Is_Mat_Panel(mat1) || Is_Mat_Panel(mat2)) && Design_Is_Approved_Screw(type))
        t = std::max(t, 1.2 * d);
    return t;
}

double Calc_T2_Req(int kind, double d, double length, double axis_angle, int type, int predrilled,
                   int variant, int fitted, int threaded, double alpha1, double alpha2, double dc,
                   double fu, double t1, double t2, double rho1, double rho2, int mat1, int mat2,
                   int g1, int g2, const Vbm_User_Embedment *user1, const Vbm_User_Embedment *user2)
{
    if (Is_Vbm_Connector_Two_Sided(type)) return Calc_T_Min_5d(dc);
    const double my = Calc_Vbm_My_Rk(type, d, fu, variant, threaded, Din571_Moment(false));
    double fh1 = 0.0, fh2 = 0.0;
    Calc_Fh_Both_Members(/*out_fh1=*/&fh1, /*out_fh2=*/&fh2,
                         /*d=*/Embedment_Diameter(type, fitted, d), /*type=*/type,
                         /*predrilled=*/predrilled, /*alpha1=*/alpha1, /*alpha2=*/alpha2, /*t1=*/t1,
                         /*t2=*/t2, /*rho1=*/rho1, /*rho2=*/rho2, /*mat1=*/mat1, /*mat2=*/mat2,
                         /*g1=*/g1, /*g2=*/g2, /*user1=*/user1, /*user2=*/user2);
    const double beta = fh1 != 0.0 ? fh2 / fh1 : 0.0;
    const double root = Hinge_Root(my, fh2, d);
    const double single = 1.15 * (2.0 + 2.0 / std::sqrt(1.0 + beta)) * root;
    /* a nail, screw or staple whose point is held in member 2, and a dowel or bolt in single
    ** shear: the point-side member of eq. (209), not the middle member of a double-shear joint */
    if (Is_Vbm_Nail_Screw_Or_Staple(type)) {
        const int cs = Calc_Vbm_Penetration(kind, d, length, axis_angle, t1, t2, nullptr, nullptr);
        if (cs == 1 || cs == 2) return single;
    }
    if (Is_Vbm_Dowel_Or_Bolt(type) && kind == 1) return single;
    return 1.15 * (4.0 / std::sqrt(1.0 + beta)) * root;
}

/* Required timber thickness beside a steel plate: factor sqrt(My / (fh d)). */
static double T_Req_Plate(double factor, double d, int type, int predrilled, int variant,
                          int fitted, int threaded, double alpha, double dc, double fu, double t,
                          double rho, int mat, int g, const Vbm_User_Embedment *user)
{
    if (Is_Vbm_Connector_Two_Sided(type)) return Calc_T_Min_5d(dc);
    const double my = Calc_Vbm_My_Rk(type, d, fu, variant, threaded, 0);
    double fh = 0.0;
    Calc_Fh(/*out_fh=*/&fh, /*d=*/Embedment_Diameter(type, fitted, d), /*type=*/type,
            /*predrilled=*/predrilled, /*alpha=*/alpha, /*t=*/t, /*rho_k=*/rho, /*mat=*/mat,
            /*grade=*/g, /*user=*/user);
    return factor * Hinge_Root(my, fh, d);
}

double Calc_T_Req_Plate(double d, int type, int predrilled, int variant, int fitted, int threaded,
                        double alpha, double dc, double fu, double t, double rho, int mat, int g1,
                        int g2, const Vbm_User_Embedment *user1, const Vbm_User_Embedment *user2)
{
    return T_Req_Plate(/*factor=*/4.6, /*d=*/d, /*type=*/type, /*predrilled=*/predrilled,
                       /*variant=*/variant, /*fitted=*/fitted, /*threaded=*/threaded,
                       /*alpha=*/alpha, /*dc=*/dc, /*fu=*/fu, /*t=*/t, /*rho=*/rho, /*mat=*/mat,
                       /*g=*/g2, /*user=*/user2);
}

double Calc_T_Req_Plate_B(double d, int type, int predrilled, int variant, int fitted, int threaded,
                          double alpha, double dc, double fu, double t, double rho, int mat, int g,
                          const Vbm_User_Embedment *user1, const Vbm_User_Embedment *user2)
{
    return T_Req_Plate(/*factor=*/3.2526911934581184, /*d=*/d, /*type=*/type,
                       /*predrilled=*/predrilled, /*variant=*/variant, /*fitted=*/fitted,
                       /*threaded=*/threaded, /*alpha=*/alpha, /*dc=*/dc, /*fu=*/fu, /*t=*/t,
                       /*rho=*/rho, /*mat=*/mat, /*g=*/g, /*user=*/user2);
}

double Calc_T_Req_Plate_C(double d, int type, int predrilled, int variant, int fitted, int threaded,
                          double alpha, double dc, double fu, double t, double rho, int mat, int g,
                          const Vbm_User_Embedment *user1, const Vbm_User_Embedment *user2)
{
    return T_Req_Plate(/*factor=*/3.926345596729059, /*d=*/d, /*type=*/type,
                       /*predrilled=*/predrilled, /*variant=*/variant, /*fitted=*/fitted,
                       /*threaded=*/threaded, /*alpha=*/alpha, /*dc=*/dc, /*fu=*/fu, /*t=*/t,
                       /*rho=*/rho, /*mat=*/mat, /*g=*/g, /*user=*/user2);
}

/* ---------------------------------------------------------------- panels and plates */

double Get_Panel_Factor(int mat, int grade, double d, double *t_min)
{
    double f = 0.0, tm = -1.0;
    switch (mat) {
    case MAT_OSB:
    case MAT_SPANPLATTE:
        tm = 7.0 * d;
        f = 0.8;
        break;
    case MAT_GIPSKARTON:
        tm = 10.0 * d;
        f = 1.1;
        break;
    case MAT_SPERRHOLZ:
        if (grade == 0 || grade == 1 || grade == 2 || grade == 14 || grade == -999) {
            tm = 7.0 * d;
            f = 0.9;
        } else {
            tm = 6.0 * d;
            f = 0.8;
        }
        break;
    case MAT_FASERPLATTE:
        tm = 6.0 * d;
        f = 0.7;
        break;
    default: return 0.0;
    }
    if (t_min != nullptr) *t_min = tm;
    return f;
}

double Calc_Plate_Share_Factor(double d, double s, double *t)
{
    if (t != nullptr) *t = (10.0 * s + 9.0 * (1.0 - s)) * d;
    return 1.0 + 0.4 * s;
}

double Calc_Panel_T1_Req(int type, int mat, int grade, double d, int *replaces)
{
    if (replaces != nullptr) *replaces = 0;
    double t = 0.0;
    if (mat >= MAT_OSB && mat <= MAT_FASERPLATTE) {
        double t_min = 0.0;
        if (Get_Panel_Factor(mat, grade, d, &t_min) > 0.0) t = t_min;
        if (Design_Is_Approved_Screw(type)) t = std::max(t, 1.2 * d);
    } else if (mat == MAT_FERMACELL) {
        t = 7.0 * d;
        if (replaces != nullptr) *replaces = 1;
    }
    return t;
}

/* ---------------------------------------------------------------- reduction factor */

int Calc_T_Req_Reduction(int type, double fu, int kind, double d, double length, double axis_angle,
                         int predrilled, int variant, int fitted, double t1, double t2, double rho1,
                         double rho2, int mat1, int mat2, int g1, int g2,
                         const Vbm_User_Embedment *user1, const Vbm_User_Embedment *user2,
                         double *out_penetration, int *out_member, double *out_k,
                         double *out_t1_req, double *out_t2_req)
{
    const double right = DESIGN_PI / 2.0;
    double t1_req = Calc_T1_Req(/*d=*/d, /*type=*/type, /*predrilled=*/predrilled,
                                /*variant=*/variant, /*fitted=*/fitted, /*threaded=*/1,
                                /*alpha1=*/right, /*alpha2=*/right, /*dc=*/0.0, /*fu=*/fu,
                                /*t1=*/t1, /*t2=*/t2, /*rho1=*/rho1, /*rho2=*/rho2, /*mat1=*/mat1,
                                /*mat2=*/mat2, /*g1=*/g1, /*g2=*/g2, /*user1=*/user1,
                                /*user2=*/user2);
    if (!Is_Vbm_Nail_Or_Screw(type) && type != VBM_KLAMMER) return 0;

    double p = 0.0;
    int member = 0;
    const int cs = Calc_Vbm_Penetration(kind, d, length, axis_angle, t1, t2, &p, &member);

    double t2_req;
    const bool plate1 = Is_Mat_Metal_Plate(mat1);
    if (plate1 && Is_Vbm_Nail(type)) {
        /* a nail passes the plate in a hole d0 = d + 1 mm, or d when fitted
        ** (Calc_Plate_Hole_Geometry) */
        double s = 1.0;
        Classify_Plate_Thickness(type, mat1, d, t1, fitted ? 0.0 : 1.0, &s);
        Calc_Plate_Share_Factor(d, s, &t2_req);
    } else if (!plate1) {
        t2_req = Calc_T2_Req(/*kind=*/kind, /*d=*/d, /*length=*/length, /*axis_angle=*/axis_angle,
                             /*type=*/type, /*predrilled=*/predrilled, /*variant=*/variant,
                             /*fitted=*/fitted, /*threaded=*/1, /*alpha1=*/right, /*alpha2=*/right,
                             /*dc=*/0.0, /*fu=*/fu, /*t1=*/t1, /*t2=*/t2, /*rho1=*/rho1,
                             /*rho2=*/rho2, /*mat1=*/mat1, /*mat2=*/mat2, /*g1=*/g1, /*g2=*/g2,
                             /*user1=*/user1, /*user2=*/user2);
    } else {
        t2_req = Calc_T_Req_Plate(/*d=*/d, /*type=*/type, /*predrilled=*/predrilled,
                                  /*variant=*/variant, /*fitted=*/fitted, /*threaded=*/1,
                                  /*alpha=*/right, /*dc=*/0.0, /*fu=*/fu, /*t=*/t2, /*rho=*/rho2,
                                  /*mat=*/mat2, /*g1=*/g1, /*g2=*/g2, /*user1=*/user1,
                                  /*user2=*/user2);
    }

    int replaces = 0;
    const double t_panel = Calc_Panel_T1_Req(type, mat1, g1, d, &replaces);
    t1_req = replaces ? t_panel : std::max(t1_req, t_panel);

    double k1 = (!plate1 && t1 < t1_req) ? t1 / t1_req : 1.0;
    double k2 = 1.0, k = 1.0;
    switch (cs) {
    case 0: k = 0.0; break;
    case 1:
    case 2:
        if (p < 4.0 * d) {
            k = 0.0;
        } else {
            if (p < t2_req) k2 = p / t2_req;
            k = std::min(k1, k2);
        }
        break;
    case 3:
        if (p < 4.0 * d) {
            p = t2;
            if (t2 < t2_req) k2 = t2 / t2_req;
        } else {
            if (t2 < t2_req) k2 = t2 / t2_req;
            if (p < t1_req) k1 = p / t1_req;
        }
        k = std::min(k1, k2);
        break;
    default: k = 1.0; break;
    }
    if (out_penetration != nullptr) *out_penetration = p;
    if (out_member != nullptr) *out_member = member;
    if (out_k != nullptr) *out_k = k;
    if (out_t1_req != nullptr) *out_t1_req = t1_req;
    if (out_t2_req != nullptr) *out_t2_req = t2_req;
    return cs;
}

/* ---------------------------------------------------------------- simplified nail */

double Calc_Nail_Simplified_Rk(int kind, double d, double length, double fu, int predrilled,
                               int variant, double t1, double t2, double rho1, double rho2,
                               double alpha1, double alpha2, int mat1, int mat2, int g1, int g2,
                               const Vbm_User_Embedment *user1, const Vbm_User_Embedment *user2,
                               Connection_Result *result)
{
    const double my = 0.3 * fu * std::pow(d, 2.6);
    double fh1 = 0.0, fh2 = 0.0;
    int hint = Calc_Fh_Both_Members(/*out_fh1=*/&fh1, /*out_fh2=*/&fh2, /*d=*/d, /*type=*/0,
                                    /*predrilled=*/predrilled, /*alpha1=*/alpha1, /*alpha2=*/alpha2,
                                    /*t1=*/t1, /*t2=*/t2, /*rho1=*/rho1, /*rho2=*/rho2,
                                    /*mat1=*/mat1, /*mat2=*/mat2, /*g1=*/g1, /*g2=*/g2,
                                    /*user1=*/user1, /*user2=*/user2);
    double k = 0.0;
    const int cs = Calc_T_Req_Reduction(/*type=*/0, /*fu=*/fu, /*kind=*/kind, /*d=*/d,
                                        /*length=*/length, /*axis_angle=*/90.0,
                                        /*predrilled=*/predrilled, /*variant=*/variant,
                                        /*fitted=*/0, /*t1=*/t1, /*t2=*/t2, /*rho1=*/rho1,
                                        /*rho2=*/rho2, /*mat1=*/mat1, /*mat2=*/mat2, /*g1=*/g1,
                                        /*g2=*/g2, /*user1=*/user1, /*user2=*/user2,
                                        /*out_penetration=*/nullptr, /*out_member=*/nullptr,
                                        /*out_k=*/&k, /*out_t1_req=*/nullptr,
                                        /*out_t2_req=*/nullptr);
    if (cs == 4) hint = DERR_FASTENER_TOO_LONG;
    else if (cs == 0) hint = DERR_FASTENER_TOO_SHORT;
    const double rk = k * std::sqrt(2.0 * my * fh1 * d);
    if (result != nullptr) {
        result->rk_lateral = rk;
        result->k_red = k;
        result->fu_used = fu;
        result->my_rk = my;
        result->fh1_k = fh1;
        result->fh2_k = fh2;
        result->msg_code = hint;
    }
    return rk;
}
