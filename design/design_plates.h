/*
** Slip modulus, washers, member design strengths, steel-plate holes and bearing; connectors,
** steel plates in the simplified proof, design values and effective numbers of fasteners.
** Units: mm, kg/m³, N/mm², Nmm, N; angles in degrees unless an argument says radians.
*/
#pragma once

#include "design/design_types.h"

/* ---------------------------------------------------------------- slip modulus, members, plates */

double Calc_Vbm_Kser(int type, int predrilled, double d, int mat1, int grade1, double x1,
                     int mat2, int grade2, double x2, const User_Material *user);
double Calc_Vbm_Kser_Rho(int type, int predrilled, double d, int mat1, double rho1, int mat2,
                         double rho2);
double Get_Washer_Diameter(double d, int kind);
double Get_Member_Design_Value_A(int material, int grade, int selector, double x1, double x2,
                                 double kmod, double gamma_m, const User_Material *user);
double Get_Member_Design_Value_C(int material, int grade, int selector, double x1, double x2,
                                 double kmod, double gamma_m, const User_Material *user);
double Get_Member_Design_Value_E(int material, int grade, int selector, double x, double kmod,
                                 double gamma_m);
double Get_Member_Shear_Strength(int material, int grade, int selector, double x, double kmod,
                                 double gamma_m);
double Get_Member_Tension_Factor(int type, int predrilled);
double Get_Member_Design_Value_D(int type, int predrilled, int material, int grade,
                                 int selector, double x1, double x2, const User_Material *user);
void Calc_Plate_Hole_Geometry(double d, int fitted, double *p1, double *e1, double *e2,
                              double *p2);
double Calc_Plate_Bearing_Resistance(double d, double t, int fitted, double fu, double *k1,
                                     double *alpha_b);
int Calc_Screw_Line_Spacings(const Eta12_Spacing_Block *block, int predrilled_flag, int material,
                             double alpha, double *a1, double *a2, double *a3t, double *a3c,
                             double *a4t, double *a4c);

/* ---------------------------------------------------------------- connectors */

double Calc_Geometric_Mean_Ratio(double x, double kmod1, double kmod2, double gamma);
double Calc_T_Min_Splitting(double d, double rho_k);
double Calc_T_Min_Splitting_Alt(double d, double rho_k);
double Calc_K_Alpha(double dc, double alpha_deg);
double Calc_Ring_Connector_Rk(double dc, double he, double alpha_deg, double t1, double t2,
                              double rho_k, Connection_Result *result);
double Calc_Ring_Connector_Plate_Rk(double dc, double he, double alpha_deg, double t,
                                    double rho_k, Connection_Result *result);
double Calc_Toothed_Plate_Rk(int type, double dc, double d, double he, double t1, double t2,
                             double rho_k, Connection_Result *result);
double Calc_Toothed_Plate_Plate_Rk(int type, double dc, double d, double he, double t,
                                   double rho_k, Connection_Result *result);

/* ---------------------------------------------------------------- steel plates, simplified proof */

int Classify_Plate_Thickness(int type, int plate_material, double d, double t, double *factor);
/* Timber member (thickness t, material mat, grade, density rho_k, angle alpha in radians) beside
** a plate; variant selects the second yield-moment table of the approved screws. */
double Calc_Rk_Thick_Plate(int type, double d, double t, int predrilled, int fitted, int grade,
                           int variant, int threaded_rod, double alpha, double fu, int mat,
                           double rho_k, Connection_Result *result);
double Calc_Rk_Thin_Plate(int type, int selector, double d, double t, int predrilled, int fitted,
                          int grade, int variant, int threaded_rod, double alpha, double fu,
                          int mat, double rho_k, Connection_Result *result);
double Calc_Rk_Plate_Interpolated(int type, double d, double t, int predrilled, int fitted,
                                  int grade, int variant, int threaded_rod, double alpha,
                                  double fu, int mat, double rho_k, int plate_material,
                                  double plate_t, Connection_Result *result);
double Calc_Rk_Outer_Plate_Simplified(int type, double d, double length, int shear_planes,
                                      int predrilled, int fitted, int variant, int threaded_rod,
                                      double alpha_2, double fu, int plate_material,
                                      double plate_t, int mat_2, int grade_2, double t2,
                                      double rho_2, const Vbm_User_Embedment *user,
                                      Connection_Result *result);

/* ---------------------------------------------------------------- effective numbers */

double Calc_Bolt_N_Ef(double d, int n, double a1, double alpha_deg);
double Calc_Connector_N_Ef(int n, double alpha_deg);
double Calc_Vbm_N_Ef(double d, int predrilled, int n, double a1);
