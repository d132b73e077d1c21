/*
** The single-value rule functions of the fastener page and the print list, which read a
** Vbm_Rule_Input: lateral capacity per shear plane, block-shear thicknesses, layered members, the
** fastener limit check, and the axial, compression, tensile and head-side capacities.
** N, mm, N/mm²; angles in degrees at the interfaces; pi is the full double value here.
*/
#pragma once

#include "design/design_types.h"

/* ---------------------------------------------------------------- lateral capacity */

/*
** Compute the lateral capacity per shear plane into result->Fv_Rk (1 single, 2 double shear;
** any other value does nothing). A staple's fu is raised to at least 800 in the caller's input.
** Returns 0.
*/
int Calc_Fv_Rk(Vbm_Rule_Input *input, int shear_planes, Vbm_Rule_Result *result);

/*
** Return the characteristic lateral capacity per shear plane of a fastener in single shear
** (EN 1995-1-1, eq. (8.6), (8.9), (8.10)) and fill the rule result; 0 for types without a rule,
** a missing embedment strength or a steel plate as member 2.
*/
double Calc_Fv_Rk_Single_Shear(Vbm_Rule_Input *input, Vbm_Rule_Result *result);

/*
** Return the characteristic lateral capacity per shear plane in double shear (EN 1995-1-1,
** eq. (8.7), (8.11), (8.12), (8.13)); the embedment strengths take d in whole millimetres.
*/
double Calc_Fv_Rk_Double_Shear(Vbm_Rule_Input *input, Vbm_Rule_Result *result);

/*
** Fill the block-shear values of a steel-to-timber splice: the timber's embedment strength,
** thickness, the yield moment and the effective thicknesses of the failure modes (EN 1995-1-1,
** Annex A), each at most t. Nothing is written when neither member is a metal plate.
*/
void Calc_Fh_Members(Vbm_Rule_Input *input, Block_Shear_Values *values);

/*
** Return the embedment strength of a fastener in a layered member over the depths from..to:
** screws 20 d^-0.5 (0 below 4 mm), dowels and bolts the bolt embedment with the mean density and
** k90 of material -10, nails the nail embedment with the mean density. Angles in radians.
*/
double Calc_Fh_Layered(const Vbm_Layered_Member *member, int type, double d, double from, double to,
                       int predrilled, double alpha, double axis_angle, int flag);

/*
** Return the mean characteristic density of a layered member over the depths from..to (mm),
** weighted by the overlap with each layer; a range with a negative end or an end before its
** start covers the whole member.
*/
double Calc_Rho_K_Layered(const Vbm_Layered_Member *member, double from, double to);

/* ---------------------------------------------------------------- limit check */

/*
** Check one fastener arrangement. Return 1 with *message set when a limit is violated, else 0;
** *hint (when given) receives a warning that does not stop the design. The densities of both
** members are written into the rule input.
*/
int Check_Vbm_Limits(int shear_planes, Vbm_Rule_Input *input, int *message, int *hint);

/* ---------------------------------------------------------------- axial rule functions */

/*
** Return the withdrawal capacity of the point side of a fastener that occupies the depths x_a to
** x_e of a member of thickness t (its threaded part the last l_g before the tip at x_e). The
** withdrawal parameter and the effective length go to the outputs; the message code (133, 135)
** only for layered user materials.
*/
double Calc_Vbm_Axial_Value(int type, int unused, const Vbm_Layered_Member *layered, int mat,
                            int grade, int fibre_saturated, int resin_coated, double staple_angle,
                            double unused_d, int predrilled, int predrill_core, double d, double d1,
                            double t, double l_g, double x_a, double x_e, double alpha, int table,
                            double *out_f_ax, double *out_l, int *out_code);

/*
** Return the withdrawal capacity for a penetration l (mm): staples (resin-coated, by crown angle),
** nails with the reduction of short points, special nails, DIN 571 and approved screws by their
** approvals' parameters; f_ax goes to out_f_ax. Negative results become 0.
*/
double Calc_Vbm_Withdrawal(int type, int mat, double rho_k, int fibre_saturated, double unused_d,
                           int predrilled, int predrill_core, double d, double d1, double l,
                           double alpha, int resin_coated, double staple_angle, int table,
                           double *out_f_ax);

/*
** Write the compression check of an approved screw into out[10]: c_h, I, kappa, k, lambda, N_ki,
** f_ax, N_pl, F and the governing flag (1.0 when buckling governs). Other types give F = 0.
*/
void Calc_Screw_Buckling(int mat, int grade, int type, int stainless, double d, double d1, double t,
                         double l, double alpha, int predrilled, double *out);

/*
** Return the characteristic tensile capacity of the fastener steel (N): the approvals' tables of
** the screws, the caps of types 45 and 46, for bolts (fu of the steel grade) 0.9 fu A_s / 1.25
** under EN 1993-1-8 (Table 3.4, tensile stress area A_s) and pi d²/4 fu / 1.25 under DIN, for
** every other type pi d²/4 fu / 1.25 (the given fu), staples with two legs.
*/
double Get_Vbm_Ftens_Rk(int type, int thread_layout, double d, int stainless, int steel_grade,
                        double fu);

/*
** Return the head-side capacity (N) of a fastener with head (or washer) diameter D on a member of
** material mat: head pull-through by the approvals and EN 1995-1-1, 8.3.2 and 8.7.2. f_head goes
** to out_f_head; code 1023 for a nail in a layered user material.
*/
double Calc_Fax_Rk(int type, int mat, int grade, double t, int head_form, double d, double D,
                   double d1, int washer, int fibre_saturated, int unused, double staple_angle,
                   double *out_f_head, int *out_code);

/* Return the washer bearing 3 f_c90 A (EN 1995-1-1, 8.5.2(2)); the plate rule for a plate. */
double Calc_Vbm_Washer_Bearing(int mat, double f_c90, double t, double d, double washer_d);

/* Copy the user-defined line of type 43 into the rule input; other types stay unchanged. */
void Apply_User_Screw_Line_43(Vbm_Rule_Input *input);

/* Copy the user-defined line of type 44 into the rule input; other types stay unchanged. */
void Apply_User_Screw_Line_44(Vbm_Rule_Input *input);

/* ---------------------------------------------------------------- further axial functions */

/* A member as the head-side functions see it. */
typedef struct Vbm_Member_Record {
    int32_t mat; /* Mat_Group_Code */
    int32_t grade;
    double thickness; /* mm */
} Vbm_Member_Record;

/* Return the withdrawal capacity of a fastener in a layered material by the material's kind. */
double Calc_Vbm_Withdrawal_Layered(const Vbm_Layered_Member *layered, int type, int predrilled,
                                   int predrill_core, double d, double l, double alpha);

/* Return min(F_ax, kappa N_pl) of an approved screw in a layered material; 0 for other types. */
double Calc_Screw_Compression_Layered(const Vbm_Layered_Member *layered, int type, int stainless,
                                      double d, double d1, double l, double alpha);

/* Return Calc_Fax_Rk with the material, grade and thickness of a member record. */
double Calc_Fax_Rk_Member(const Vbm_Member_Record *member, int type, int head_form, double d,
                          double D, double d1, int washer, int fibre_saturated, int unused,
                          double staple_angle, double *out_f_head, int *out_code);

/* Return the washer bearing 3 A f_c90 of the member of a record (EN 1995-1-1, 8.5.2(2)). */
double Calc_Vbm_Washer_Bearing_Member(const Vbm_Member_Record *member, int material, int selector,
                                      double d, double washer_d);

/* Return the head-side capacity of the fastener of a rule input (0 when the pair carries none). */
double Calc_Vbm_Head_Capacity(const Vbm_Rule_Input *input, double *out_f_head, int selector);

/*
** Copy the values of a rule result into a connection result: characteristic values as they are,
** design embedment strengths fh kmod / gamma per member, design capacity and yield moment by
** Calc_Geometric_Mean_Ratio with the larger partial factor.
*/
void Copy_Vbm_Rule_Result(Connection_Result *result, const Vbm_Rule_Result *rule, double gamma_1,
                          double gamma_2);
