/*
** Characteristic parameters of the axial design of nails, staples and screws: withdrawal and head
** pull-through parameters, tabulated values of the approved screw lines, washer bearing areas,
** k_ef of the effective number and the test whether a fastener may carry an axial share.
** Units: mm, kg/m³, N/mm², mm².
*/
#pragma once

/* ---------------------------------------------------------------- withdrawal parameters */

/*
** Return the withdrawal parameter f_ax (N/mm²) of a nail or staple of the given type for the
** density rho_k (kg/m³, counted up to 500): c rho² with c = 20e-6 (EN 1995-1-1, eq. (8.25)) or
** 18e-6 (DIN 1052); staples in timber above 20 % moisture (percent) keep 2/3 (EN 1995) or 1/3
** (DIN 1052); special nails by their withdrawal class (30e-6, 40e-6, 50e-6 rho²), 0 for class 1
** and 2 when pre-drilled and for class 3 without an annex variant under EN 1995;
** predrill_core reduces a special nail to 70 %. Any other type gives 0.
*/
double Calc_Fax_Nail_Param(int type, double moisture, int predrilled, int predrill_core,
                           double rho_k);

/*
** Return the withdrawal parameter f_ax (N/mm²) of a wood screw of DIN 571 (60e-6, 70e-6 or
** 80e-6 rho² by class, rho = min(rho_k, 500) kg/m³) or of an approved screw (the tables of
** ETA-12/0114 and, under EN 1995, ETA-11/0190 by the diameter d in mm; 80e-6 rho² for the
** latter under DIN 1052). 0 for any other type and under EN 1995 without an annex variant.
** predrilled and unused are not read.
*/
double Calc_Fax_Screw_Class(int type, int predrilled, int unused, double rho_k, double d);

/* Return the tabulated withdrawal parameter (N/mm²) of the screws of approval ETA-11/0190 by
** their diameter d (mm): 12.0 from 3 to 5 mm, 11.5 at 6 and 7 mm, 11.0 at 8 mm, else 10.0. */
double Get_Fax_Table_A(double d);

/* Return the tabulated withdrawal parameter (N/mm²) of the screws of approval ETA-12/0114 by
** their diameter d (mm): 14.0 below 6 mm, then 12.0, 11.5, 11.0 up to 8, 10, 12 mm, else 10.0. */
double Get_Fax_Table_B(double d);

/*
** Return the withdrawal parameter (N/mm²) of a screw of approval ETA-19/0553, value set A
** (Get_Fax_Family_C_A) or B (Get_Fax_Family_C_B), of diameter d (mm) in a member of material
** group mat: beech (pre-drilled or not) and softwood or LVL by diameter band, with 10.0 and 8.0
** beyond the bands; OSB 10.0 for 4 to 6 mm when the catalogue's OSB density lies within
** 550..700 kg/m³; 0 for every other material.
*/
double Get_Fax_Family_C_A(double d, int mat, int predrilled);
double Get_Fax_Family_C_B(double d, int mat, int predrilled);

/*
** Return the head pull-through parameter f_head (N/mm²) of a nail or staple for the density
** rho_k (kg/m³, counted up to 500): 70e-6 rho² (EN 1995-1-1, eq. (8.26)) or 60e-6 rho² (DIN
** 1052); special nails by their head class (60e-6 to 160e-6 rho²), 0 under EN 1995 without an
** annex variant; 2/3 of it at fibre saturation under EN 1995. Any other type gives 0.
*/
double Calc_Fhead_Nail_Param(int type, int fibre_saturated, double rho_k);

/* Calc_Fax_Simpson_Nail: withdrawal parameter f_ax (N/mm²) of the approved nails CNA and CSA for
** a penetration l (mm) and the density rho_k; Get_Simpson_Nail_Ftens: their characteristic
** tensile capacity (N) by diameter (ETA-04/0013). */
double Calc_Fax_Simpson_Nail(int type, double d, double l, double rho_k);
double Get_Simpson_Nail_Ftens(int type, double d);

/* ---------------------------------------------------------------- head pull-through of screws */

/*
** Return the head pull-through parameter f_head (N/mm²) of a wood screw of DIN 571 (60e-6,
** 80e-6 or 100e-6 rho², rho = min(rho_k, 500) kg/m³, by class) or of a screw of approval
** ETA-12/0114 with head diameter d_head (mm, counted up to 32): 80e-6 min(rho_k, 380)² in a
** panel up to 20 mm thick, else the approval's formula of the head form (washer: the form
** with a washer), then the panel rules of member 1 (material group mat1, thickness t1 in mm),
** which may give 0. 0 for any other type and under EN 1995 without an annex variant.
*/
double Calc_Fhead_Screw_Param(int type, int mat1, double rho_k, double t1, double d_head,
                              int washer);

/*
** Return the head pull-through parameter f_head (N/mm²) of a screw of approval ETA-12/0114 by
** the approval's head formula for the head diameter d_head (mm, counted up to 32), the first
** formula for countersunk heads (head_form 1, 2 or 4 of a user line) without a washer of more
** than 1 mm (washer_d); then the panel rules of member 1 (mat1, t1 in mm), and 0 when
** d_head < 1.8 d1 (core diameter, mm). Calc_Fhead_Screw_B takes a washer switch instead of
** the washer diameter.
*/
double Calc_Fhead_Screw_Eta12(int type, int head_form, double d_head, double d1, double washer_d,
                              double t1, int mat1);
double Calc_Fhead_Screw_B(int type, int head_form, double d_head, double d1, int washer, double t1,
                          int mat1);

/*
** Return the head pull-through parameter f_head (N/mm²) of a screw of approval ETA-11/0190:
** 10.0 with an effective head diameter d_head_eff above 19 mm or with a washer (washer_d > 0),
** else 13.0; then the panel rules of member 1 (mat1, t1 in mm), and 0 when d_head_eff < 1.8 d1.
** Calc_Fhead_Screw_A does the same without a washer, by the head diameter alone (counted up to
** 32 mm).
*/
double Calc_Fhead_Screw_Eta11(double d_head_eff, double washer_d, double d1, double t1, int mat1);
double Calc_Fhead_Screw_A(double d_head, double d1, double t1, int mat1);

/*
** Return the head pull-through parameter f_head (N/mm²) of a screw of approval ETA-19/0553 with
** head diameter d_head (mm, counted up to 35) in member 1 of material group mat1 and thickness
** t1 (mm): by material and head size above 20 mm, 8.0 in boards and plywood of 11.5..20 mm,
** beech from 40 mm by head size; 0 when d_head < 1.8 d1 or t1 < 1.2 d_head. type and head_form
** are not read.
*/
double Calc_Fhead_Screw_C(int type, int head_form, double d_head, double d1, int washer, double t1,
                          int mat1);

/* ---------------------------------------------------------------- washers and bolts */

/* Return the bearing area (mm²) pi/4 (D² - (d + 1)²) of a washer of outer diameter outer_d = D
** around a bolt of diameter d (mm); negative when D < d + 1. */
double Calc_Washer_Area(double d, double outer_d);

/*
** Return the hole d_h (mm) of the washer under the head or nut of a bolt of diameter d (mm):
** d + 2 mm. The catalogue holds no washer holes; the larger of the two holes the program once took
** (d + 1 for the rope effect, d + 2 for the connectors' bolt tension) leaves the smaller area, on
** the safe side, and both checks bear on the same washer.
*/
double Bolt_Washer_Hole(double d);

/* Return the bearing area (mm²) pi/4 (D² - d_h²) of a washer of outer diameter outer_d = D under
** the head or nut of a bolt of diameter d (mm), d_h = Bolt_Washer_Hole(d) (EN 1995-1-1,
** 8.5.2(2)); negative when D < d_h. */
double Calc_Bolt_Washer_Area(double d, double outer_d);

/* Return the bearing area (mm²) of a steel plate of thickness t under the nut of a bolt of
** diameter d (mm): the washer area with D = min(12 t, 4 d). washer_d is not read. */
double Calc_Washer_Area_Alt(double d, double washer_d, double t);

/*
** Return the bearing area of a washer of diameter washer_d under a bolt of diameter d (mm,
** result in mm²): under EN 1995-1-1, 8.5.2(2) with the factor 3 of 3 fc,90,k counted in,
** 3 pi/4 (D² - d_h²) with d_h = Bolt_Washer_Hole(d); under DIN 1052 the tabulated areas of the standard washers, and
** pi D²/4 + D min(4 d - D, 60) - pi (d + 2)²/4 for any other.
*/
double Calc_Thread_Area(double d, double washer_d);

/*
** Return the tensile stress area A_s (mm²) of a metric bolt with coarse thread of nominal
** diameter d (mm) (ISO 898-1, M6 to M48): the area of the largest standard size not above d;
** below M6 pi (0.85 d)² / 4, above M48 pi (0.9 d)² / 4.
*/
double Calc_Bolt_Stress_Area(double d);

/* ---------------------------------------------------------------- effective number, pairing */

/* Return k_ef of EN 1995-1-1, Table 8.1 for the spacing a1 and diameter d (mm), interpolated
** linearly in a1 and lower when not pre-drilled; 1 above 14 d. */
double Calc_Vbm_K_Ef(double d, double a1, int predrilled);

/*
** Return 1 when a fastener of the given type may carry an axial share with member 1 (head side)
** of material group mat1 and member 2 of mat2, else 0: never with gypsum board as member 1 or
** LVL against a steel sheet; staples only resin-coated; nails never pre-drilled, under EN 1995
** otherwise always (with the annex variant only with timber, a panel or a plate as member 1);
** screws, bolts and toothed-plate bolts always; under DIN 1052 special nails of class 3 with a
** panel or plate as member 1 and any nail with gypsum fibre board as member 1. The unused
** arguments are not read.
*/
int Check_Vbm_Material_Pair(int type, int resin_coated, int predrilled, int unused1, int mat1,
                            int mat2, int unused2, int unused3);

/* Buckling of an approved screw loaded in compression, as the approvals publish it. */
typedef struct Screw_Buckling_Set {
    double c_h;    /* N/mm², elastic bedding (0.19 + 0.012 d) rho (90 + alpha) / 180 */
    double I;      /* mm^4, second moment of the core */
    double N_ki;   /* N, ideal buckling load sqrt(c_h E I), E = 210000 N/mm² */
    double N_pl;   /* N, plastic load fy pi d1² / 4 */
    double lambda; /* relative slenderness sqrt(N_pl / N_ki), 0 without N_ki */
    double k;      /* 0.5 (1 + 0.49 (lambda - 0.2) + lambda²) */
    double kappa;  /* buckling factor, 1 up to lambda 0.2 */
} Screw_Buckling_Set;

/* Fill b for outer diameter d, core diameter d1 (mm), density rho (kg/m³), angle alpha between
** screw axis and grain (degrees) and yield strength fy (N/mm²). */
void Screw_Buckling_Values(double d, double d1, double rho, double alpha, double fy,
                           Screw_Buckling_Set *b);
