/*
** Characteristic parameters of the axial design of nails, staples and screws: withdrawal and head
** pull-through parameters, tabulated values of the approved screw lines, washer bearing areas,
** k_ef of the effective number and the test whether a fastener may carry an axial share.
** Units: mm, kg/m³, N/mm², mm².
*/
#pragma once

double Calc_Fax_Nail_Param(int type, double moisture, int predrilled, int predrill_core,
                           double rho_k);
double Calc_Fax_Screw_Class(int type, int predrilled, int unused, double rho_k, double d);
double Get_Fax_Table_A(double d);
double Get_Fax_Table_B(double d);
double Get_Fax_Family_C_A(double d, int mat, int predrilled);
double Get_Fax_Family_C_B(double d, int mat, int predrilled);
double Calc_Fhead_Nail_Param(int type, int fibre_saturated, double rho_k);
/* Withdrawal parameter f_ax (N/mm²) of the approved nails CNA and CSA for a penetration l (mm)
** and the density rho_k, and their characteristic tensile capacity (N) by diameter (ETA-04/0013). */
double Calc_Fax_Simpson_Nail(int type, double d, double l, double rho_k);
double Get_Simpson_Nail_Ftens(int type, double d);
double Calc_Fhead_Screw_Param(int type, int mat1, double rho_k, double t1, double d_head,
                              int washer);
double Calc_Fhead_Screw_Eta12(int type, int head_form, double d_head, double d1,
                              double washer_d, double t1, int mat1);
double Calc_Fhead_Screw_B(int type, int head_form, double d_head, double d1, int washer,
                          double t1, int mat1);
double Calc_Fhead_Screw_Eta11(double d_head_eff, double washer_d, double d1, double t1,
                              int mat1);
double Calc_Fhead_Screw_A(double d_head, double d1, double t1, int mat1);
double Calc_Fhead_Screw_C(int type, int head_form, double d_head, double d1, int washer,
                          double t1, int mat1);
double Calc_Washer_Area(double d, double outer_d);
double Calc_Washer_Area_Alt(double d, double washer_d, double t);
double Calc_Thread_Area(double d, double washer_d);
double Calc_Bolt_Stress_Area(double d);
double Calc_Vbm_K_Ef(double d, double a1, int predrilled);
int Check_Vbm_Material_Pair(int type, int resin_coated, int predrilled, int unused1, int mat1,
                            int mat2, int unused2, int unused3);

/* Buckling of an approved screw loaded in compression, as the approvals publish it. */
typedef struct Screw_Buckling_Set {
    double c_h;                     /* N/mm², elastic bedding (0.19 + 0.012 d) rho (90 + alpha) / 180 */
    double I;                       /* mm^4, second moment of the core */
    double N_ki;                    /* N, ideal buckling load sqrt(c_h E I), E = 210000 N/mm² */
    double N_pl;                    /* N, plastic load fy pi d1² / 4 */
    double lambda;                  /* relative slenderness sqrt(N_pl / N_ki), 0 without N_ki */
    double k;                       /* 0.5 (1 + 0.49 (lambda - 0.2) + lambda²) */
    double kappa;                   /* buckling factor, 1 up to lambda 0.2 */
} Screw_Buckling_Set;

/* Fill b for outer diameter d, core diameter d1 (mm), density rho (kg/m³), angle alpha between
** screw axis and grain (degrees) and yield strength fy (N/mm²). */
void Screw_Buckling_Values(double d, double d1, double rho, double alpha, double fy, Screw_Buckling_Set *b);
