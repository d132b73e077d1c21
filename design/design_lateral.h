/*
** Lateral resistance of one dowel-type fastener per shear plane: the failure-mode (Johansen)
** equations of the design run with their design-value twins, and the simplified proof per family.
** Units: mm, N/mm², Nmm, N; member angles in radians, axis angles in degrees.
*/
#pragma once

#include "design/design_types.h"

/* The design run's value of pi; the single-value rule functions use the full double value. */
#define DESIGN_PI 3.14159265359

/* ---------------------------------------------------------------- failure-mode equations */

double Get_Mode_Gamma(int mode, int proof_method);
double Calc_Rope_Effect(int vbm_type, double part, double fax);

int Calc_Rk_Timber_Timber(int proof_method, int shear_planes, double d, double length,
                          double axis_angle, int predrilled, int stainless, int fitted_bolt,
                          int threaded_rod, int vbm_type, double alpha_1, double alpha_2,
                          double t1, double t2, double rho_1, double rho_2, int mat_1, int mat_2,
                          int grade_1, int grade_2, double fu, const Vbm_User_Embedment *user,
                          Connection_Result *result);
int Calc_Rd_Timber_Timber(double gamma_m_1, double gamma_m_2, double gamma_steel, double kmod_1,
                          double kmod_2, int shear_planes, double d, double length,
                          double axis_angle, int predrilled, int stainless, int fitted_bolt,
                          int threaded_rod, int vbm_type, double alpha_1, double alpha_2,
                          double t1, double t2, double rho_1, double rho_2, int mat_1, int mat_2,
                          int grade_1, int grade_2, double fu, const Vbm_User_Embedment *user,
                          Connection_Result *result);
int Calc_Rk_Inner_Plate(int proof_method, double d, int vbm_type, int predrilled, int stainless,
                        int threaded_rod, int fitted_bolt, double alpha_1, double t1,
                        double rho_1, int mat_1, int grade_1, double fu,
                        Connection_Result *result);
int Calc_Rd_Inner_Plate(double gamma_m_1, double gamma_m_2, double gamma_steel, double kmod_1,
                        double d, int vbm_type, int predrilled, int stainless, int threaded_rod,
                        int fitted_bolt, double alpha_1, double t1, double rho_1, int mat_1,
                        int grade_1, double fu, Connection_Result *result);
int Calc_Rk_Rd_Inner_Plate(int proof_method, double gamma_m_1, double gamma_m_2,
                           double gamma_steel, double kmod_1, double d, int vbm_type,
                           int predrilled, int stainless, int threaded_rod, int fitted_bolt,
                           double alpha_1, double t1, double rho_1, int mat_1, int grade_1,
                           double fu, Connection_Result *result);
int Calc_Rk_Outer_Plate(const Connection_Input &input, Connection_Result *result);
int Calc_Rd_Outer_Plate(const Connection_Input &input, Connection_Result *result);

/* ---------------------------------------------------------------- simplified proof */

/* Every simplified family rule takes the same arguments and returns Rk in N. */
#define SIMPLIFIED_RULE_ARGS                                                                   \
    int type, double d, double length, double fu, int predrilled, int stainless,               \
        int fitted_bolt, int threaded_rod, int shear_planes, double axis_angle, double t1,     \
        double t2, double rho_1, double rho_2, double alpha_1, double alpha_2, int mat_1,      \
        int mat_2, int grade_1, int grade_2, const Vbm_User_Embedment *user,                   \
        Connection_Result *result

double Calc_Rk_Nail_Gypsum_Fibre(SIMPLIFIED_RULE_ARGS);
double Calc_Rk_Staple_Gypsum_Fibre(SIMPLIFIED_RULE_ARGS);
double Calc_Rk_Nail_Panel(SIMPLIFIED_RULE_ARGS);
double Calc_Rk_Staple(SIMPLIFIED_RULE_ARGS);
double Calc_Rk_Screw_Din571(SIMPLIFIED_RULE_ARGS);
double Calc_Rk_Screw_Approved(SIMPLIFIED_RULE_ARGS);
double Calc_Rk_Dowel_Bolt(SIMPLIFIED_RULE_ARGS);
double Calc_Rk_Nail_Beta(SIMPLIFIED_RULE_ARGS);
double Get_Vbm_Fu_By_Diameter(double d, int type);
