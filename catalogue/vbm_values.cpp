/*
** Characteristic values of dowel-type fasteners: closed formulas of EN 1995-1-1 and the
** stepped tables of the approved screw lines (thresholds just under the nominal sizes, so
** that nominal diameters stored as doubles hit their step).
*/
#include "catalogue/vbm_values.h"

#include <cmath>
#include <cstddef>

#include "nad/nad.h"

/* One step of a table: from d >= min the value applies. */
typedef struct Vbm_Step {
    double min;
    double value;
} Vbm_Step;

/* Value of the first step (largest first) that d reaches, else the fall-back. */
template <size_t N>
static double Step_Lookup(const Vbm_Step (&steps)[N], double d, double below = 0.0)
{
    for (size_t i = 0; i < N; i++)
        if (d >= steps[i].min) return steps[i].value;
    return below;
}

/* ---- closed formulas */

double Calc_Vbm_Yield_Moment_Cubic(double d) { return 150.0 * d * d * d; }
double Calc_Vbm_Yield_Moment(double d, double fu) { return 0.3 * fu * pow(d, 2.6); }
double Calc_Vbm_Yield_Moment_Half(double d, double fu) { return 0.15 * fu * pow(d, 2.6); }

/* EN 1995-1-1, 8.4(6): staples of wire with f_u of at least 800 N/mm² (a lower f_u is raised to
** it) take 240 d^2.6 per leg, whatever their f_u above it. */
double Get_Staple_Yield_Moment(double d, double din)
{
    return Nad_Params != nullptr ? 240.0 * pow(d, 2.6) : din;
}

double Get_Nail46_Yield_Moment(double d, int32_t kind)
{
    if (kind == 2) return 4270.0;
    return d < 4.1 ? 3500.0 : 5000.0;
}

double Get_Thread_Effective_Diameter(double d)
{
    static const Vbm_Step steps[] = {{30, 27.9}, {24, 22.2}, {20, 18.5}, {16, 14.8},
                                     {12, 10.9}, {10, 9.08}, {8, 7.23},  {6, 5.39}};
    if (d >= 33.0 || d < 6.0) return 0.85 * d;
    return Step_Lookup(steps, d);
}

/* EN 1995-1-1 (8.15)/(8.16): nails; 8.5.1: bolts in plywood. */
double Calc_Fh_Nail(double d, double rho_k, int32_t predrilled)
{
    if (predrilled == 0) return 0.082 * rho_k * pow(d, -0.3);
    return 0.082 * (1.0 - 0.01 * d) * rho_k;
}

double Calc_Fh_Plywood(double d, double rho_k, int32_t bolt)
{
    if (bolt == 0) return 0.11 * rho_k * pow(d, -0.3);
    return 0.11 * (1.0 - 0.01 * d) * rho_k;
}

/* EN 1995-1-1 (8.22)/(8.23)/(8.37): particle board and OSB. */
double Calc_Fh_Panel_50(double d, double t, int32_t bolt)
{
    if (bolt == 0) return 65.0 * pow(d, -0.7) * pow(t, 0.1);
    return 50.0 * pow(d, -0.6) * pow(t, 0.2);
}

double Calc_Fh_Panel_30(double d, double t) { return 30.0 * pow(d, -0.3) * pow(t, 0.6); }
double Calc_Fh_Panel_3_9(double d, double t) { return 3.9 * pow(d, -0.6) * pow(t, 0.7); }
double Calc_Fh_Panel_37(double d) { return 37.0 * (1.0 - 0.01 * d); }

/* ---- yield moments, N mm */

double Get_Eta12_Screw_My(double d)
{
    static const Vbm_Step din[] = {{12, 48000}, {10, 30000}, {8, 20000},  {7, 11800},
                                   {6, 7900},   {5, 4900},   {4.5, 3700}, {4, 2800},
                                   {3.5, 1900}, {3, 1300},   {2.5, 800}};
    if (Nad_Params) return 90.0 * pow(d, 2.6);
    return Step_Lookup(din, d);
}

double Get_Eta12_Screw_My_Alt(double d) { return Nad_Params ? 60.0 * pow(d, 2.6) : 0.0; }

double Get_Eta11_Screw_My(double d)
{
    static const Vbm_Step s[] = {{13.9, 86000}, {11.9, 58000}, {9.9, 36000}, {7.9, 23000},
                                 {5.9, 10000},  {4.9, 5900},   {4.4, 3700},  {3.9, 3300},
                                 {3.4, 1700},   {2.9, 1600}};
    return Step_Lookup(s, d);
}

double Get_Eta11_Screw_My_Alt(double d)
{
    static const Vbm_Step s[] = {{9.9, 20000}, {7.9, 11000}, {6.4, 6800}, {5.9, 5500}, {5.4, 4400},
                                 {4.9, 2800},  {4.4, 2300},  {3.9, 1900}, {3.4, 1400}, {2.9, 900}};
    return Step_Lookup(s, d);
}

double Get_Screw_C_My(double d)
{
    static const Vbm_Step s[] = {{11.99, 60000}, {9.99, 36000}, {7.99, 20000}, {5.99, 9500},
                                 {4.99, 5900},   {4.49, 4500},  {3.99, 2800},  {3.49, 2300}};
    return Step_Lookup(s, d);
}

/* The third line's first row of values serves these codes, the "Var." heads the second. */
static int Is_Screw_C_First_Row(Vbm_Type_Code code)
{
    switch (code) {
    case 47:
    case 48:
    case 50:
    case 52:
    case 54:
    case 55:
    case 57:
    case 58:
    case 59:
    case 60: return 1;
    default: return 0;
    }
}

double Get_Screw_C_My_By_Type(Vbm_Type_Code code, double d)
{
    static const Vbm_Step first[] = {{9.99, 30000}, {7.99, 17000}, {6.99, 10000}, {5.99, 7100},
                                     {4.99, 4400},  {4.49, 3400},  {3.99, 2800},  {3.49, 1900}};
    static const Vbm_Step var[] = {
        {5.99, 7900}, {4.99, 4900}, {4.49, 3700}, {3.99, 2800}, {3.49, 1900}};
    return Is_Screw_C_First_Row(code) ? Step_Lookup(first, d) : Step_Lookup(var, d);
}

/* ---- tensile capacities, N */

double Get_Eta12_Screw_Ftens(double d)
{
    static const Vbm_Step en[] = {{11.99, 38000}, {9.99, 28000}, {7.99, 17000}, {6.99, 13000},
                                  {5.99, 11000},  {5.49, 9900},  {4.99, 7900},  {4.49, 6400},
                                  {3.99, 5000},   {3.49, 3800},  {2.99, 2800},  {2.49, 2000}};
    static const Vbm_Step din[] = {{11.99, 38000}, {9.99, 28000}, {7.99, 17000}, {6.99, 7500},
                                   {5.99, 5500},   {4.99, 3800},  {4.49, 3100},  {3.99, 2400},
                                   {3.49, 1900},   {2.99, 1400},  {2.49, 1000}};
    return Nad_Params ? Step_Lookup(en, d) : Step_Lookup(din, d);
}

double Get_Eta12_Screw_Ftens_Alt(double d)
{
    static const Vbm_Step s[] = {{11.99, 28000}, {9.99, 20000}, {7.99, 13000}, {6.99, 10000},
                                 {5.99, 7100},   {5.49, 6200},  {4.99, 4900},  {4.49, 4200},
                                 {3.99, 3800},   {3.49, 2900},  {2.99, 2100}};
    return Step_Lookup(s, d);
}

double Get_Eta11_Screw_Ftens(double d, int32_t large)
{
    static const Vbm_Step s[] = {{6.9, 15000}, {5.9, 12500}, {4.9, 7900},
                                 {4.4, 5300},  {3.9, 5000},  {3.4, 3000}};
    if (d >= 13.9) return 62000;
    if (d >= 11.9) return large ? 45000 : 41000;
    if (d >= 9.9) return large ? 33000 : 26000;
    if (d >= 7.9) return large ? 22000 : 21500;
    return Step_Lookup(s, d, 2800);
}

double Get_Eta11_Screw_Ftens_Alt(double d)
{
    static const Vbm_Step s[] = {{9.9, 19000}, {7.9, 12000}, {6.4, 8300}, {5.9, 7100}, {5.4, 5900},
                                 {4.9, 4200},  {4.4, 3600},  {3.9, 3100}, {3.4, 2400}};
    return Step_Lookup(s, d, 1800);
}

double Get_Screw_C_Ftens(Vbm_Type_Code code, double d)
{
    static const Vbm_Step first[] = {{11.99, 45000}, {9.99, 30000}, {7.99, 20000}, {5.99, 11300},
                                     {4.99, 7900},   {4.49, 6400},  {3.99, 4700},  {3.49, 3800}};
    static const Vbm_Step var[] = {
        {5.99, 11300}, {4.99, 7900}, {4.49, 5600}, {3.99, 4400}, {3.49, 3400}};
    return Is_Screw_C_First_Row(code) ? Step_Lookup(first, d) : Step_Lookup(var, d);
}

double Get_Screw_C_Ftens_Alt(Vbm_Type_Code code, double d)
{
    static const Vbm_Step first[] = {{9.99, 22000}, {7.99, 15000}, {6.99, 12000}, {5.99, 7500},
                                     {4.99, 5900},  {4.49, 4800},  {3.99, 3800},  {3.49, 2900}};
    /* 10301 N at d >= 5.99: the value of the stainless "Var." heads at 6 mm, in N like its
  ** neighbours (7400 N at 5 mm), not 10.301. */
    static const Vbm_Step var[] = {
        {5.99, 10301}, {4.99, 7400}, {4.49, 5300}, {3.99, 4400}, {3.49, 3400}};
    return Is_Screw_C_First_Row(code) ? Step_Lookup(first, d) : Step_Lookup(var, d);
}
