/*
** Numeric services beside the connection design: size factors, torsion constant, lateral
** torsional buckling and column factors, the inertia of a fastener group, and the small timber
** engineering formulas of the module (bearing perpendicular to the grain, fire, notches, effective
** numbers, plain formulas). Lengths in mm unless an argument says otherwise.
*/
#pragma once

#include "design/design_types.h"

/* ---------------------------------------------------------------- size factors and stability */

double Calc_Kh_Glulam(double h);
double Calc_Kh_Lvl(double h, double s);
double Calc_Kh_Of_Material(int mat, int grade, double h);
double Calc_Torsion_Constant(double a, double b);
double Calc_K_Crit(int use_annex, double a, double b, double l_ef, double f_mk, double e_005,
                   double g_005);
double Calc_K_C(double e_005, double f_c0k, double beta_c, double l_ef, double h, double *i,
                double *lambda, double *lambda_rel, double *k);
double Calc_K_C_Of_Material(int mat, int grade, double l_ef, double h, double t, double *i,
                            double *lambda, double *lambda_rel, double *k);
void Calc_Vbm_Group_Inertia(double *i_io, double *s_io, double *sx_io, double *n_io, double b,
                            double a, double w, double n);
double Map_Screw_Nominal_Diameter(int kind, double d);

/* ---------------------------------------------------------------- buckling and stability */

double Get_Beta_C(int material);
double Calc_Lambda_Rel(double lambda, double f_c0k, double e_005);
double Calc_Buckling_K(double beta_c, double lambda_rel);
double Calc_Buckling_Kc(double k, double lambda_rel);
double Calc_Radius_Of_Gyration(double x1, double x2);
double Calc_Mcr_Base(double x1, double x2, double x3);
double Calc_Mcr(double x1, double x2, double x3, double x4, double x5);
double Calc_Sqrt_One_Plus_Inv4(double x1);
double Calc_Ratio_Root4(double x1, double x2, double x3, double x4);
double Calc_Interaction_Root(double x1, double x2, double x3, double x4);
double Calc_Interaction_Root_B(double x1, double x2, double x3, double x4);
double Calc_Strength_At_Angle(double angle, double x2, double x3, double x4);
double Calc_Angle_Factor(double x1, double x2, double x3, double angle);

/* ---------------------------------------------------------------- bearing perpendicular to grain */

double Calc_Kc90(int material, double l1, double h, int flag);
double Calc_Kc90_B(int material, double l1, double h, int flag);
void Calc_Contact_Lengths(double a1, double a2, double l, double l2, double b, double *out1,
                          double *out2, double *out3);
double Calc_Fc90_Capacity(int material, double f_c90, double l1, double h, double x4, double x5,
                          double x6, double b, int n);
double Calc_Fc90_Share(int material, double x1, double x2, double x3, double x4, double x5,
                       double x6, int n, double x7, double x8, double x9, double x10,
                       double *out);
double Calc_Fc90_Ratio(int material, double x1, double x2, double x3, double x4, double x5,
                       double x6, int n, double x7, double x8, double x9);
double Calc_Fc90_Factor_Din(double x1, double x2, int flag);
double Calc_Kc90_By_Ratio(int mode, double x1, double x2);

/* ---------------------------------------------------------------- fire */

double Calc_Fire_K0(int protected_, double t, double t_ch);
double Calc_Fire_Ta(int mode, double x1, double x2, double x3, double x4, double x5, double x6);
double Calc_Fire_Def_Unprotected(double beta, double t);
double Calc_Fire_Def_Protected_A(double beta, double t, double t_ch);
double Calc_Fire_Def_Protected_B(double beta, double t, double t_f, double t_ch, double x5,
                                 double x6);
double Calc_Fire_Def(double x1, double x2, double x3, double x4, double x5, double x6);
double Calc_Fire_Kmod_Residual(int exposure, double d_ef, double b, double h);

/* ---------------------------------------------------------------- effective numbers, fasteners */

double Calc_N_Ef_By_Type(int type, double d, int predrilled, int n, double a1, double alpha);
double Calc_Bolt_N_Ef_B(double x1, int n, double x2, double x3, double alpha);
double Calc_N_Pow_09(int n);
int Is_Vbm_Nail_Or_Staple_Type(int type);
double Calc_Bolt_Hole_Diameter(double d);
int Check_Edge_4d(double x1, double x2, double x3, double x4);
int Check_Distance_4d(double x1, double x2, double x3);
int Calc_Screw_Line_Spacings_B(const Eta12_Spacing_Block *block, int predrilled_flag,
                               int material, double alpha, double *a1, double *a2, double *a3t,
                               double *a3c, double *a4t, double *a4c);

/* The data record of a user-defined screw line as the screw page keeps it. */
typedef struct User_Screw_Record {
    char name[27];                  /* name, blank-padded to 26 characters */
    int32_t ints[9];                /* the fourth is the class of the spacing rule */
    double doubles[8];              /* the first is the diameter d, mm */
} User_Screw_Record;

int Init_User_Screw_Record(int type, User_Screw_Record *record);

/* The fields of an input record that a user-defined screw line fills (the adapter of the design
** run's Connection_Input and the rule functions' Vbm_Rule_Input); a null field is one the record
** does not have. */
typedef struct User_Screw_Target {
    int32_t *stainless;
    double *washer_d;               /* mm, -1 when the line has no washer */
    double *d;                      /* mm */
    double *d_k;                    /* mm, head diameter */
    double *d_2;                    /* mm, core diameter */
    double *length;                 /* mm */
    double *l_thread;               /* mm, threaded length */
    double *axis_angle;             /* degrees */
} User_Screw_Target;

/* Copy a user-defined screw line into the fields of an input record. */
void Apply_User_Screw_Line(const Vbm_Screw_Line &line, const User_Screw_Target &target);

/* ---------------------------------------------------------------- tables and plain formulas */

double Get_Load_Coeff_A(int n);
double Get_Load_Coeff_B(int n);
double Get_Load_Coeff_C(int n);
double Get_Load_Coeff_D(int n);
double Calc_Load_Sum_A(double x1, double x2, double x3, double x4, double x5, double x6,
                       double x7, double x8, double x9);
double Calc_Load_Sum_B(double x1, double x2, double x3, double x4, double x5, double x6,
                       double x7, double x8, double x9);
double Calc_Deflection_A(double x1, double x2, double x3, double x4, double x5, double x6,
                         double x7);
double Calc_Deflection_B(double x1, double x2, double x3, double x4, double x5);
double Calc_Deflection_C(double x1, double x2, double x3, double x4, double x5);
double Calc_Deflection_D(double x1, double x2, double x3, double x4, double x5, double x6,
                         double x7);
double Calc_Ratio(double x1, double x2);
double Calc_Percent_Ratio(double x1, double x2, double x3, double *out);
double Calc_Min3_A(double x1, double x2, double x3, double x4, double x5, double x6, double x7,
                   double x8, double x9, double x10, int *code, double *r1, double *r2,
                   double *r3);
double Calc_Min3_B(double x1, double x2, double x3, double x4, double x5, double x6, int *code,
                   double *r1, double *r2, double *r3);
double Calc_Limit_By_Ratio(double x1);
double Calc_Poly5(double x1, double x2);
double Calc_Table_Interp(double x1);
double Calc_Kv_Notch(double kn, double i, double h, double alpha, double x);
double Calc_Reduction_Ratio(double x1, double x2, double x3);
double Calc_Cubic_Shape(double x1, double x2, double x3, double *out1, double *out2);
double Calc_Cubic_A(double x1, double x2, double x3, double *out);
double Calc_Cubic_B(double x1, double x2, double x3, double *out);
double Calc_Linear_Cap_1000(double x1);
double Calc_Mean_Or_Weighted(int mode, double x1, double x2);
double Calc_Min_Plus(int mode, double x1, double x2, double x3);
double Calc_Root_450(double x1);
double Calc_Cubic_Moment(double x1, double x2, double x3);
double Calc_Ratio_0008(double x1, double x2);
double Calc_Half_Product4(double x1, double x2, double x3, double x4);
double Calc_Factor_184(double x1, double x2, double x3);
double Calc_Area_Product(int kind, double x1, double x2);
int Get_Material_Class(int material, double x1);
double Get_Material_Factor(int material);
double Get_Member_Design_Value_D_Scaled(int type, int predrilled, int material, int grade,
                                        int selector, double x1, double x2, double x3,
                                        double x4);
double Calc_Kh_Disabled(int material, double h);
double Calc_Kcr(int material, double f_vk);
