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
double Calc_Vbm_K_Ef(double d, double a1, int predrilled);
int Check_Vbm_Material_Pair(int type, int resin_coated, int predrilled, int unused1, int mat1,
                            int mat2, int unused2, int unused3);
