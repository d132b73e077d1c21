/*
** Characteristic values of dowel-type fasteners by nominal diameter: yield moments (N mm),
** tensile capacities of screws (N), effective diameters of threaded bolts (mm) and the
** embedment strengths of panels (N/mm2). Diameters and thicknesses in mm, densities in kg/m3.
*/
#pragma once

#include <cstdint>
#include "catalogue/cat_types.h"

/* Closed formulas. */
double Calc_Vbm_Yield_Moment_Cubic(double d);           /* 150 d^3 (staples) */
double Calc_Vbm_Yield_Moment(double d, double fu);      /* 0.3 fu d^2.6, EN 1995-1-1 (8.14) */
double Calc_Vbm_Yield_Moment_Half(double d, double fu); /* 0.15 fu d^2.6 */
/* A staple's yield moment per leg under an annex, 240 d^2.6 (EN 1995-1-1, eq. (8.29)); without
** one the caller's own rule, din. */
double Get_Staple_Yield_Moment(double d, double din);
double Get_Nail46_Yield_Moment(double d, int32_t kind);
double Get_Thread_Effective_Diameter(double d);

/* Embedment strengths, N/mm2. */
double Calc_Fh_Nail(double d, double rho_k, int32_t predrilled);
double Calc_Fh_Plywood(double d, double rho_k, int32_t bolt);
double Calc_Fh_Panel_50(double d, double t, int32_t bolt);
double Calc_Fh_Panel_30(double d, double t);
double Calc_Fh_Panel_3_9(double d, double t);
double Calc_Fh_Panel_37(double d);

/* Yield moments of the approved screw lines, N mm (0 below the smallest step). */
double Get_Eta12_Screw_My(double d);     /* EN: 90 d^2.6, DIN: table */
double Get_Eta12_Screw_My_Alt(double d); /* EN: 60 d^2.6, DIN: 0 */
double Get_Eta11_Screw_My(double d);
double Get_Eta11_Screw_My_Alt(double d);
double Get_Screw_C_My(double d);
double Get_Screw_C_My_By_Type(Vbm_Type_Code code, double d);

/* Characteristic tensile capacities of the approved screw lines, N. */
double Get_Eta12_Screw_Ftens(double d);
double Get_Eta12_Screw_Ftens_Alt(double d);
double Get_Eta11_Screw_Ftens(double d, int32_t large);
double Get_Eta11_Screw_Ftens_Alt(double d);
double Get_Screw_C_Ftens(Vbm_Type_Code code, double d);
double Get_Screw_C_Ftens_Alt(Vbm_Type_Code code, double d);
