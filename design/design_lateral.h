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

/*
** Return the factor by which the value of a failure mode is divided: 1.0 in the design-value
** method; the annex's gamma_M of connections under EN 1995; under DIN 1052 1.3, 1.2 or 1.1 by the
** mode (DIN 1052, 12.2.1), -1.0 for an unknown mode.
*/
double Get_Mode_Gamma(int mode, int proof_method);

/*
** Return 1 when failure mode code is one of the modes without a yield hinge that EN 1995-1-1,
** 8.1.3(2) does not let combine with the other modes in a connection of several shear planes:
** (a), (b), (g), (h) of Figure 8.2 (codes 1, 2, 7, 8) and (e), (f), (j/l) of Figure 8.3 (13, 16,
** 19, 21); else 0.
*/
int Is_Mode_Embedment_Only(int code);

/*
** Return the rope-effect term added to the mode value part, limited by fastener kind
** (EN 1995-1-1, 8.2.2(2)): at most Fax/4, and at most 15 % of part for nails and staples, 25 % for
** bolts, 50 % for special nails, 100 % for screws; type 45 adds 0.6 Fax.
*/
double Calc_Rope_Effect(int vbm_type, double part, double fax);

/*
** Return the factor of the thin steel plate's embedment mode fh t d: 0.4 under EN 1995 (eq.
** (8.9a)), sqrt 2 - 1 under DIN 1052.
*/
double Thin_Plate_Factor(void);

/*
** Characteristic lateral resistance per shear plane of a timber-to-timber (or panel, staple)
** connection: every mode divided by its factor, the smallest governs, reported as its
** characteristic value with the rope effect (EN 1995-1-1, 8.2.2). A member without embedment
** strength gives 0 and the code 168. Returns 0; the values go into the result.
*/
int Calc_Rk_Timber_Timber(int proof_method, int shear_planes, double d, double length,
                          double axis_angle, int predrilled, int stainless, int fitted_bolt,
                          int threaded_rod, int vbm_type, double alpha_1, double alpha_2, double t1,
                          double t2, double rho_1, double rho_2, int mat_1, int mat_2, int grade_1,
                          int grade_2, double fu, const Vbm_User_Embedment *user,
                          Connection_Result *result);

/*
** Design lateral resistance per shear plane of a timber-to-timber connection: the same modes with
** design embedment strengths fh,d = fh,k kmod / gamma_M and My,d = My,k / gamma_steel, without mode
** factors and rope effect. A member without embedment strength gives 0 (code 168).
*/
int Calc_Rd_Timber_Timber(double gamma_m_1, double gamma_m_2, double gamma_steel, double kmod_1,
                          double kmod_2, int shear_planes, double d, double length,
                          double axis_angle, int predrilled, int stainless, int fitted_bolt,
                          int threaded_rod, int vbm_type, double alpha_1, double alpha_2, double t1,
                          double t2, double rho_1, double rho_2, int mat_1, int mat_2, int grade_1,
                          int grade_2, double fu, const Vbm_User_Embedment *user,
                          Connection_Result *result);

/*
** Characteristic lateral resistance of timber member 1 beside an inner steel plate (modes 16 to
** 18, EN 1995-1-1, eq. (8.11)). Writes rk_lateral, rd_lateral (the governing value divided by its
** factor), gamma_lateral, the mode and t_ef. Returns 0.
*/
int Calc_Rk_Inner_Plate(int proof_method, double d, int vbm_type, int predrilled, int stainless,
                        int threaded_rod, int fitted_bolt, double alpha_1, double t1, double rho_1,
                        int mat_1, int grade_1, double fu, Connection_Result *result);

/* Design lateral resistance of timber member 1 beside an inner steel plate. Returns 0. */
int Calc_Rd_Inner_Plate(double gamma_m_1, double gamma_m_2, double gamma_steel, double kmod_1,
                        double d, int vbm_type, int predrilled, int stainless, int threaded_rod,
                        int fitted_bolt, double alpha_1, double t1, double rho_1, int mat_1,
                        int grade_1, double fu, Connection_Result *result);

/*
** Calc_Rk_Inner_Plate followed by Calc_Rd_Inner_Plate with the same fastener and member (and
** the modification factor kmod_1), the embedment strength computed once. Returns 0.
*/
int Calc_Rk_Rd_Inner_Plate(int proof_method, double gamma_m_1, double gamma_m_2, double gamma_steel,
                           double kmod_1, double d, int vbm_type, int predrilled, int stainless,
                           int threaded_rod, int fitted_bolt, double alpha_1, double t1,
                           double rho_1, int mat_1, int grade_1, double fu,
                           Connection_Result *result);

/*
** Lateral resistance per shear plane of a timber member of thickness t2 between two steel plates
** of thickness plate_t and material plate_mat, the central member of a steel-timber-steel
** connection whose plates are its outer members (EN 1995-1-1, 8.2.3): thin plates (8.12) with
** mode j 0.5 fh t2 d and mode k 1.15 sqrt(2 My fh d), thick plates (8.13) with mode l 0.5 fh t2 d
** and mode m 2.3 sqrt(My fh d), the hinge modes with the rope effect of the axial value r_ax (N),
** and between them the linear interpolation of the two (8.2.3(1)), classified as outer plates
** are (Classify_Plate_Thickness). Each mode is divided by its factor (Get_Mode_Gamma; under EN
** 1995 with proof_method 2 modes k and m also by 1.15), the smaller governing (the hinge mode on
** a tie). rk is the governing value times its factor; rd the governing value times kmod
** (proof_method 1, as the design run turns rk into rd), or with proof_method 2 the design-value
** equations with fh kmod / gamma_m and My / gamma_steel. alpha in radians; forces in N. Returns
** 0; a zero embedment strength or thickness leaves mode 0 and the resistances 0.
*/
int Calc_Rk_Rd_Between_Plates(int proof_method, double gamma_m, double gamma_steel, double kmod,
                              double d, int vbm_type, int predrilled, int stainless,
                              int threaded_rod, int fitted_bolt, double alpha, double t2,
                              double plate_t, int plate_mat, double clearance, double rho, int mat,
                              int grade, double fu, double r_ax, Between_Plates_Result *out);

/*
** Characteristic lateral resistance of a fastener through outer steel plates (member 1) into
** timber member 2 (EN 1995-1-1, eq. (8.9), (8.10), (8.12), (8.13)), thin, thick or interpolated
** between them. input alpha_2 in degrees. Returns 0; the values go into the result.
*/
int Calc_Rk_Outer_Plate(const Connection_Input &input, Connection_Result *result);

/* Mode (d) of a wood screw to DIN 571 beside a thick steel plate, its yield hinges in the smooth
** shank (M_y,f) or in the thread (M_y, half of it): the smallest of r_a, both hinges in the
** shank; r_b, one in each, or r_a where the hinge in the shank lies within t_s of the plate
** (r_b / (d f_h) < t_s); r_c, the hinge in the thread and the smooth shank t_s embedded. */
typedef struct Din571_Mode15_Parts {
    double ra, rb, rc; /* N: sqrt(2) sqrt(2 M_y,f f_h d), sqrt(2) sqrt(f_h d (M_y,f + M_y)),
                       ** sqrt(2) sqrt(2 M_y f_h d) + f_h d t_s (design: sqrt(2) sqrt(M_y f_h d)) */
    double rb_reach;   /* mm, r_b / (d f_h) before r_b is replaced */
    int32_t rb_is_ra;  /* 1: r_b replaced by r_a */
    double r;          /* N, min(r_a, r_b, r_c) */
} Din571_Mode15_Parts;
/* The parts of that mode from f_h (N/mm²), d (mm), M_y and M_y,f (Nmm) and the smooth shank t_s
** in the timber (mm); design: the form of design values. */
void Calc_Din571_Mode15(double fh, double d, double my, double my_f, double t_s, int design,
                        Din571_Mode15_Parts *out);

/*
** Design lateral resistance through outer steel plates: the same equations with fh,2,d = fh,2,k
** kmod_2 / gamma_m_2 and My,d = My / gamma_steel, without mode factors, 1.15 and rope effect.
*/
int Calc_Rd_Outer_Plate(const Connection_Input &input, Connection_Result *result);

/* ---------------------------------------------------------------- simplified proof */

/* Every simplified family rule takes the same arguments and returns Rk in N. */
#define SIMPLIFIED_RULE_ARGS                                                                       \
    int type, double d, double length, double fu, int predrilled, int stainless, int fitted_bolt,  \
        int threaded_rod, int shear_planes, double axis_angle, double t1, double t2, double rho_1, \
        double rho_2, double alpha_1, double alpha_2, int mat_1, int mat_2, int grade_1,           \
        int grade_2, const Vbm_User_Embedment *user, Connection_Result *result

/* Nails through gypsum fibreboard (member 1): 0.7 k r7 r25 sqrt(2 My fh d). */
double Calc_Rk_Nail_Gypsum_Fibre(SIMPLIFIED_RULE_ARGS);

/* Staples through gypsum fibreboard (member 1): 1.4 k r7 sqrt(2 My fh d), two legs. */
double Calc_Rk_Staple_Gypsum_Fibre(SIMPLIFIED_RULE_ARGS);

/* Nails where exactly one member is a wood-based panel: k p sqrt(2 My fh,panel d). */
double Calc_Rk_Nail_Panel(SIMPLIFIED_RULE_ARGS);

/* Staples in other materials: 2 k, 2 k sqrt(2b/(1+b)) or 2 k p times sqrt(2 My fh d). */
double Calc_Rk_Staple(SIMPLIFIED_RULE_ARGS);

/* Wood screws to DIN 571: k sqrt(2b/(1+b)) sqrt(2 My fh d) with My = 0.15 fu d^2.6. */
double Calc_Rk_Screw_Din571(SIMPLIFIED_RULE_ARGS);

/* The same with the effective diameter d_ef of EN 1995-1-1, 8.7.1 in place of d for My, fh and
** the resistance; the required thicknesses and the point's 4 d keep the screw's d. */
double Calc_Rk_Screw_Din571_Ef(SIMPLIFIED_RULE_ARGS, double d_ef);

/* Screws of the approvals: k sqrt(2b/(1+b)) sqrt(2 My fh d) with the tabulated My; 0 for other
** types. The thickness rule takes fu = 400 and the axis angle. */
double Calc_Rk_Screw_Approved(SIMPLIFIED_RULE_ARGS);

/*
** Dowels and bolts (and the bolt of a connector): min(1, t1 / t1,req, t2 / t2,req)
** sqrt(2b/(1+b)) sqrt(2 My fh,1 d) (DIN 1052, eq. (212)); the required thicknesses are kept at
** their largest value of the run, the embedment status goes to msg_code.
*/
double Calc_Rk_Dowel_Bolt(SIMPLIFIED_RULE_ARGS);

/* Nails with unequal embedment strengths: k sqrt(2b/(1+b)) sqrt(2 My fh d). */
double Calc_Rk_Nail_Beta(SIMPLIFIED_RULE_ARGS);

/* Return the tensile strength of a fastener wire by diameter: 950 or 680 N/mm² for type 5,
** 800 for every other type. */
double Get_Vbm_Fu_By_Diameter(double d, int type);
