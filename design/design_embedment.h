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

int Calc_Vbm_Penetration(int kind, double d, double length, double angle, double t1, double t2,
                         double *out_penetration, int *out_member);
int Check_Nail_Overlap(double t1, double t_mid, double t3, int staggered, double l1, double d1,
                       double angle1, double *out_pen1, int *out_count1, int *out_state1,
                       double l2, double d2, double angle2, double *out_pen2, int *out_count2,
                       int *out_state2);
void Check_Nail_Overlap_Same(double t1, double t_mid, double t3, int staggered, double l,
                             double d);
double Calc_T_Min_3d(double d);
double Calc_T_Min_5d(double d);

/* ---------------------------------------------------------------- embedment strengths */

double Calc_K90(double d, int mat);
double Calc_Fh_Alpha(double fh0, double alpha, double k90);
double Calc_Fh_Alpha_Perp(double fh0, double alpha, double k);
double Calc_Fh0_Bolt(double d, double rho_k);
double Calc_Fh_Plywood_Bolt(double d, double rho_k);
double Calc_Fh_Panel_Bolt_50(double d, double t);
double Calc_Fh_Panel_7(double d, double t);
double Calc_Fh_Eps(double rho_k, double d, double alpha, double beta, double eps);
double Calc_Fh_Inclined(double d, double rho_k, double a, double b, double c);
double Calc_Fh_Beech_K(int type, int grade, double d);
double Calc_Fh_Beech_Lvl(int type, int mat, int grade, double rho_k, double d, int predrilled,
                         double alpha, double beta, double eps, double *out_k, double *out_k90);
int Calc_Fh(double *out_fh, double d, int type, int predrilled, double alpha, double t,
            double rho_k, int mat, int grade, const Vbm_User_Embedment *user);
int Calc_Fh_Both_Members(double *out_fh1, double *out_fh2, double d, int type, int predrilled,
                         double alpha1, double alpha2, double t1, double t2, double rho1,
                         double rho2, int mat1, int mat2, int g1, int g2,
                         const Vbm_User_Embedment *user1, const Vbm_User_Embedment *user2);
int Calc_Fh_Both_Members_Scaled(double c1, double c2, double c3, double c4, double *out_fh1,
                                double *out_fh2, double d, int type, int predrilled,
                                double alpha1, double alpha2, double t1, double t2, double rho1,
                                double rho2, int mat1, int mat2, int g1, int g2,
                                const Vbm_User_Embedment *user1,
                                const Vbm_User_Embedment *user2);

/* ---------------------------------------------------------------- required thicknesses */

double Calc_Vbm_My_Rk(int type, double d, double fu, int variant, int threaded, int din571_half);
double Calc_T1_Req(double d, int type, int predrilled, int variant, int fitted, int threaded,
                   double alpha1, double alpha2, double dc, double fu, double t1, double t2,
                   double rho1, double rho2, int mat1, int mat2, int g1, int g2,
                   const Vbm_User_Embedment *user1, const Vbm_User_Embedment *user2);
double Calc_T1_Req_B(double d, int type, int predrilled, int variant, int fitted, int threaded,
                     double alpha1, double alpha2, double dc, double fu, double t1, double t2,
                     double rho1, double rho2, int mat1, int mat2, int g1, int g2,
                     const Vbm_User_Embedment *user1, const Vbm_User_Embedment *user2);
double Calc_T2_Req(int kind, double d, double length, double axis_angle, int type,
                   int predrilled, int variant, int fitted, int threaded, double alpha1,
                   double alpha2, double dc, double fu, double t1, double t2, double rho1,
                   double rho2, int mat1, int mat2, int g1, int g2,
                   const Vbm_User_Embedment *user1, const Vbm_User_Embedment *user2);
double Calc_T_Req_Plate(double d, int type, int predrilled, int variant, int fitted,
                        int threaded, double alpha, double dc, double fu, double t, double rho,
                        int mat, int g1, int g2, const Vbm_User_Embedment *user1,
                        const Vbm_User_Embedment *user2);
double Calc_T_Req_Plate_B(double d, int type, int predrilled, int variant, int fitted,
                          int threaded, double alpha, double dc, double fu, double t, double rho,
                          int mat, int g, const Vbm_User_Embedment *user1,
                          const Vbm_User_Embedment *user2);
double Calc_T_Req_Plate_C(double d, int type, int predrilled, int variant, int fitted,
                          int threaded, double alpha, double dc, double fu, double t, double rho,
                          int mat, int g, const Vbm_User_Embedment *user1,
                          const Vbm_User_Embedment *user2);
int Calc_T_Req_Reduction(int type, double fu, int kind, double d, double length,
                         double axis_angle, int predrilled, int variant, int fitted, double t1,
                         double t2, double rho1, double rho2, int mat1, int mat2, int g1, int g2,
                         const Vbm_User_Embedment *user1, const Vbm_User_Embedment *user2,
                         double *out_penetration, int *out_member, double *out_k,
                         double *out_t1_req, double *out_t2_req);
double Calc_Nail_Simplified_Rk(int kind, double d, double length, double fu, int predrilled,
                               int variant, double t1, double t2, double rho1, double rho2,
                               double alpha1, double alpha2, int mat1, int mat2, int g1, int g2,
                               const Vbm_User_Embedment *user1,
                               const Vbm_User_Embedment *user2, Connection_Result *result);
double Get_Panel_Factor(int mat, int grade, double d, double *t_min);
double Calc_Plate_Share_Factor(double d, double s, double *t);
