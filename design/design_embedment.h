/*
** Penetration of nails and screws with its message lists, embedment strengths and k90, and the
** required member thicknesses with the reduction factor of the simplified proof.
** Units: d, t and lengths in mm, densities in kg/m³, embedment angles in radians, axis angles in
** degrees, fh in N/mm², yield moments in Nmm, forces in N.
*/
#pragma once

#include <cstdint>

#include "design/design_types.h"

/* ---------------------------------------------------------------- penetration and message lists */

/* Append a code to list 1 or list 2 of Msg_Codes; dropped once the list holds 500 codes. */
void Msg_Codes_Append(int list, int32_t code);
/* Clear both lists and their counters. */
void Msg_Codes_Clear(void);

/*
** Return the penetration case of a fastener of length l at angle (degrees) through member 1 (t1)
** into member 2 (t2): 0 the point stays in member 1, 1 or 2 it ends in member 2, 3 or 4 it comes
** out of member 2. The penetration and the anchoring member (0, 1, 2) go to the pointers given;
** the notes go to the message lists (EN 1995-1-1, 8.3.1.2(1)).
*/
int Calc_Vbm_Penetration(int kind, double d, double length, double angle, double t1, double t2,
                         double *out_penetration, int *out_member);

/*
** Return 1 when nails driven from both side members (t1, t3) into the middle member t_mid overlap
** acceptably (both sides in state 2), else 0 (EN 1995-1-1, 8.3.1.1(7)). Out-pointers may be null.
*/
int Check_Nail_Overlap(double t1, double t_mid, double t3, int staggered, double l1, double d1,
                       double angle1, double *out_pen1, int *out_count1, int *out_state1, double l2,
                       double d2, double angle2, double *out_pen2, int *out_count2,
                       int *out_state2);

/* Check the same nail from both sides at right angles; the answer is not kept. */
void Check_Nail_Overlap_Same(double t1, double t_mid, double t3, int staggered, double l, double d);

/* Return 3 d, at least 24 mm. */
double Calc_T_Min_3d(double d);

/* Return 5 d, at least 24 mm. */
double Calc_T_Min_5d(double d);

/* ---------------------------------------------------------------- embedment strengths */

/*
** Return k90 = a + 0.015 d (EN 1995-1-1, eq. (8.33)) with a by material; under DIN 1052 fasteners
** up to 8 mm take k90 = 1 (DIN 1052, 12.3(4)).
*/
double Calc_K90(double d, int mat);

/* Return fh0 / (cos²a + k90 sin²a), EN 1995-1-1, eq. (8.31). */
double Calc_Fh_Alpha(double fh0, double alpha, double k90);

/* Return fh0 / (sin²a + k cos²a). */
double Calc_Fh_Alpha_Perp(double fh0, double alpha, double k);

/* Return fh,0,k = 0.082 (1 - 0.01 d) rho_k, EN 1995-1-1, eq. (8.32). */
double Calc_Fh0_Bolt(double d, double rho_k);

/* Return fh,k = 0.11 (1 - 0.01 d) rho_k of plywood, EN 1995-1-1, eq. (8.36). */
double Calc_Fh_Plywood_Bolt(double d, double rho_k);

/* Return fh,k = 50 d^-0.6 t^0.2 of particle board and OSB, EN 1995-1-1, eq. (8.37). */
double Calc_Fh_Panel_Bolt_50(double d, double t);

/* Return fh,k = 7 d^-0.7 t^0.9 of gypsum fibreboard. */
double Calc_Fh_Panel_7(double d, double t);

/* Return 0.082 rho_k d^-0.15 / (sin²eps + 2.5 cos²eps); alpha and beta are not used. */
double Calc_Fh_Eps(double rho_k, double d, double alpha, double beta, double eps);

/* Return the embedment strength of a fastener inclined by a, b and c to the grain. */
double Calc_Fh_Inclined(double d, double rho_k, double a, double b, double c);

/* Return the factor k of the laminated-beech embedment formulas by fastener and grade. */
double Calc_Fh_Beech_K(int type, int grade, double d);

/*
** Return fh of laminated beech (material 18) and related products; k and k90 go to the pointers
** given. beta is the angle of the fastener axis to the grain, eps that to the layers.
*/
double Calc_Fh_Beech_Lvl(int type, int mat, int grade, double rho_k, double d, int predrilled,
                         double alpha, double beta, double eps, double *out_k, double *out_k90);

/*
** Write the characteristic embedment strength of one member to *out_fh and return its status:
** 0, 169 when it cannot be determined (fh <= 0.001 for a member that is no metal plate), or 1008
** when DIN 1052 set k90 = 1 for a fastener up to 8 mm. A null out_fh returns 0 at once.
** EN 1995-1-1, 8.3.1 (nails, staples, small screws) and 8.5.1 (bolts, dowels, large screws).
*/
int Calc_Fh(double *out_fh, double d, int type, int predrilled, double alpha, double t,
            double rho_k, int mat, int grade, const Vbm_User_Embedment *user);

/* Compute fh of both members with the common fastener data; return the larger status. */
int Calc_Fh_Both_Members(double *out_fh1, double *out_fh2, double d, int type, int predrilled,
                         double alpha1, double alpha2, double t1, double t2, double rho1,
                         double rho2, int mat1, int mat2, int g1, int g2,
                         const Vbm_User_Embedment *user1, const Vbm_User_Embedment *user2);

/* As Calc_Fh_Both_Members, then fh1 times c3 / c1 and fh2 times c4 / c2. */
int Calc_Fh_Both_Members_Scaled(double c1, double c2, double c3, double c4, double *out_fh1,
                                double *out_fh2, double d, int type, int predrilled, double alpha1,
                                double alpha2, double t1, double t2, double rho1, double rho2,
                                int mat1, int mat2, int g1, int g2, const Vbm_User_Embedment *user1,
                                const Vbm_User_Embedment *user2);

/* ---------------------------------------------------------------- required thicknesses */

/*
** Return My,Rk of a fastener (EN 1995-1-1, eq. (8.14), 0.3 fu d^2.6) or of the approvals' tables.
** variant selects the second table of the approved screws; threaded takes a bolt's effective
** thread diameter. din571: 0 full formula for DIN 571 screws, 1 half of it (0.15 fu d^2.6),
** 2 half of it with fu = 400.
*/
double Calc_Vbm_My_Rk(int type, double d, double fu, int variant, int threaded, int din571_half);

/*
** Return the required thickness of the head-side member, 1.15 (2 sqrt(b / (1 + b)) + 2)
** sqrt(My / (fh,1 d)) (DIN 1052, eq. (208)); 0.1 for a metal plate, 3 dc for connectors.
*/
double Calc_T1_Req(double d, int type, int predrilled, int variant, int fitted, int threaded,
                   double alpha1, double alpha2, double dc, double fu, double t1, double t2,
                   double rho1, double rho2, int mat1, int mat2, int g1, int g2,
                   const Vbm_User_Embedment *user1, const Vbm_User_Embedment *user2);

/* As Calc_T1_Req with the embedment strength of member 2 and no plate shortcut. */
double Calc_T1_Req_B(double d, int type, int predrilled, int variant, int fitted, int threaded,
                     double alpha1, double alpha2, double dc, double fu, double t1, double t2,
                     double rho1, double rho2, int mat1, int mat2, int g1, int g2,
                     const Vbm_User_Embedment *user1, const Vbm_User_Embedment *user2);

/*
** Return the required thickness of the point-side member: 1.15 (2 + 2 / sqrt(1 + b))
** sqrt(My / (fh,2 d)) for a nail, screw or staple whose point is held in member 2 and for a dowel
** or bolt in single shear (kind 1), else 1.15 (4 / sqrt(1 + b)) sqrt(My / (fh,2 d)) (DIN 1052,
** eq. (209), (210)); 5 dc for connectors.
*/
double Calc_T2_Req(int kind, double d, double length, double axis_angle, int type, int predrilled,
                   int variant, int fitted, int threaded, double alpha1, double alpha2, double dc,
                   double fu, double t1, double t2, double rho1, double rho2, int mat1, int mat2,
                   int g1, int g2, const Vbm_User_Embedment *user1,
                   const Vbm_User_Embedment *user2);

/* Return the required timber thickness 4.6 sqrt(My / (fh d)) between two thick steel plates. */
double Calc_T_Req_Plate(double d, int type, int predrilled, int variant, int fitted, int threaded,
                        double alpha, double dc, double fu, double t, double rho, int mat, int g1,
                        int g2, const Vbm_User_Embedment *user1, const Vbm_User_Embedment *user2);

/* Return the required timber thickness 1.15 2 sqrt(2) sqrt(My / (fh d)) beside a thin plate. */
double Calc_T_Req_Plate_B(double d, int type, int predrilled, int variant, int fitted, int threaded,
                          double alpha, double dc, double fu, double t, double rho, int mat, int g,
                          const Vbm_User_Embedment *user1, const Vbm_User_Embedment *user2);

/* Return the required timber thickness 1.15 (2 + sqrt(2)) sqrt(My / (fh d)). */
double Calc_T_Req_Plate_C(double d, int type, int predrilled, int variant, int fitted, int threaded,
                          double alpha, double dc, double fu, double t, double rho, int mat, int g,
                          const Vbm_User_Embedment *user1, const Vbm_User_Embedment *user2);

/*
** Return the penetration case of a nail, screw or staple (0 for other fasteners, which get no
** out-values) and write the point length, the anchoring member, the reduction factor
** k = min(t1 / t1,req, p / t2,req) and the required thicknesses to the pointers given.
*/
int Calc_T_Req_Reduction(int type, double fu, int kind, double d, double length, double axis_angle,
                         int predrilled, int variant, int fitted, double t1, double t2, double rho1,
                         double rho2, int mat1, int mat2, int g1, int g2,
                         const Vbm_User_Embedment *user1, const Vbm_User_Embedment *user2,
                         double *out_penetration, int *out_member, double *out_k,
                         double *out_t1_req, double *out_t2_req);

/*
** Return the simplified characteristic resistance k sqrt(2 My fh,1 d) of a nail per shear plane
** (DIN 1052, eq. (211)) and fill the result: rk_lateral, k_red, fu_used, my_rk, fh1_k, fh2_k and
** the hint code (embedment status; 6 when the point stays in member 1, 11 when it comes out).
*/
double Calc_Nail_Simplified_Rk(int kind, double d, double length, double fu, int predrilled,
                               int variant, double t1, double t2, double rho1, double rho2,
                               double alpha1, double alpha2, int mat1, int mat2, int g1, int g2,
                               const Vbm_User_Embedment *user1, const Vbm_User_Embedment *user2,
                               Connection_Result *result);

/* Return the factor of a panel in the simplified proof and write its minimum thickness. */
double Get_Panel_Factor(int mat, int grade, double d, double *t_min);

/*
** Return the least thickness (mm) that the simplified proof asks of a panel of material mat and
** grade as member 1 of nail, screw or staple type of diameter d: the panel's own (Get_Panel_Factor,
** e.g. 7 d of OSB), for approved screws at least 1.2 d; 7 d of gypsum fibre board, which stands
** for the thickness of the formula (*replaces = 1). 0 for other materials.
*/
double Calc_Panel_T1_Req(int type, int mat, int grade, double d, int *replaces);

/* Write t = (10 s + 9 (1 - s)) d and return 1 + 0.4 s (nailed steel plates, share s thick). */
double Calc_Plate_Share_Factor(double d, double s, double *t);

/* ---------------------------------------------------------------- wood screws to DIN 571 */

/* Return the core diameter d1 (mm) of a wood screw to DIN 571 of diameter d: the given d1, or
** 0.7 d, the core of the catalogue's rows, when none is given. */
double Din571_Core_Diameter(double d, double d1);

/*
** Return the diameter of the lateral design of a wood screw to DIN 571 under EN 1995-1-1, 8.7.1:
** d when the smooth shank reaches 4 d into the member that holds the point, else 1.1 times the
** core diameter; d under DIN 1052 and for every other fastener. in: the connection as the design
** run is given it (t1, t2, length, threaded length l_thread, shear planes, axis angle).
*/
double Calc_Din571_Effective_Diameter(const Connection_Input &in);
