/*
** The single-value rule functions of the fastener page and the print list, which read a
** Vbm_Rule_Input: lateral capacity per shear plane, block-shear thicknesses, layered members, the
** fastener limit check, and the axial, compression, tensile and head-side capacities.
** N, mm, N/mm²; angles in degrees at the interfaces; pi is the full double value here.
*/
#pragma once

#include "design/design_types.h"

/* ---------------------------------------------------------------- lateral capacity */

int Calc_Fv_Rk(Vbm_Rule_Input *input, int shear_planes, Vbm_Rule_Result *result);
double Calc_Fv_Rk_Single_Shear(Vbm_Rule_Input *input, Vbm_Rule_Result *result);
double Calc_Fv_Rk_Double_Shear(Vbm_Rule_Input *input, Vbm_Rule_Result *result);
void Calc_Fh_Members(Vbm_Rule_Input *input, Block_Shear_Values *values);
double Calc_Fh_Layered(const Vbm_Layered_Member *member, int type, double d, double from,
                       double to, int predrilled, double alpha, double axis_angle, int flag);
double Calc_Rho_K_Layered(const Vbm_Layered_Member *member, double from, double to);

/* ---------------------------------------------------------------- limit check */

int Check_Vbm_Limits(int shear_planes, Vbm_Rule_Input *input, int *message, int *hint);

/* ---------------------------------------------------------------- axial rule functions */

double Calc_Vbm_Axial_Value(int type, int unused, const Vbm_Layered_Member *layered, int mat,
                            int grade, int fibre_saturated, int resin_coated,
                            double staple_angle, double unused_d, int predrilled,
                            int predrill_core, double d, double d1, double t, double l_g,
                            double x_a, double x_e, double alpha, int table, double *out_f_ax,
                            double *out_l, int *out_code);
double Calc_Vbm_Withdrawal(int type, int mat, double rho_k, int fibre_saturated, double unused_d,
                           int predrilled, int predrill_core, double d, double d1, double l,
                           double alpha, int resin_coated, double staple_angle, int table,
                           double *out_f_ax);
void Calc_Screw_Buckling(int mat, int grade, int type, int stainless, double d, double d1,
                         double t, double l, double alpha, int predrilled, double *out);
double Get_Vbm_Ftens_Rk(int type, int thread_layout, double d, int stainless, int steel_grade,
                        double fu);
double Calc_Fax_Rk(int type, int mat, int grade, double t, int head_form, double d, double D,
                   double d1, int washer, int fibre_saturated, int unused, double staple_angle,
                   double *out_f_head, int *out_code);
double Calc_Vbm_Washer_Bearing(int mat, double f_c90, double t, double d, double washer_d);
void Apply_User_Screw_Line_43(Vbm_Rule_Input *input);
void Apply_User_Screw_Line_44(Vbm_Rule_Input *input);

/* ---------------------------------------------------------------- further axial functions */

/* A member as the head-side functions see it. */
typedef struct Vbm_Member_Record {
    int32_t mat;                    /* Mat_Group_Code */
    int32_t grade;
    double thickness;               /* mm */
} Vbm_Member_Record;

double Calc_Vbm_Withdrawal_Layered(const Vbm_Layered_Member *layered, int type, int predrilled,
                                   int predrill_core, double d, double l, double alpha);
double Calc_Screw_Compression_Layered(const Vbm_Layered_Member *layered, int type, int stainless,
                                      double d, double d1, double l, double alpha);
double Calc_Fax_Rk_Member(const Vbm_Member_Record *member, int type, int head_form, double d,
                          double D, double d1, int washer, int fibre_saturated, int unused,
                          double staple_angle, double *out_f_head, int *out_code);
double Calc_Vbm_Washer_Bearing_Member(const Vbm_Member_Record *member, int material,
                                      int selector, double d, double washer_d);
double Calc_Vbm_Head_Capacity(const Vbm_Rule_Input *input, double *out_f_head, int selector);
void Copy_Vbm_Rule_Result(Connection_Result *result, const Vbm_Rule_Result *rule, double gamma_1,
                          double gamma_2);
