/*
** Slip modulus, washers, member design strengths, steel-plate holes and bearing; connectors,
** steel plates in the simplified proof, design values and effective numbers of fasteners.
** Units: mm, kg/m³, N/mm², Nmm, N; angles in degrees unless an argument says radians.
*/
#pragma once

#include "design/design_types.h"

/* ---------------------------------------------------------------- slip modulus, members, plates */

/*
** Return the slip modulus Kser of one fastener per shear plane in N/mm (EN 1995-1-1, Table 7.1,
** with rho_m = 1.2 rho_k; DIN 1052, Table 11 with rho_k). Members of steel or aluminium double it
** (EN 1995-1-1, 7.1(3)). 0 for a type without a rule.
*/
double Calc_Vbm_Kser(int type, int predrilled, double d, int mat1, int grade1, double x1, int mat2,
                     int grade2, double x2, const User_Material *user);

/* The same from the characteristic densities rho1 and rho2 of the members (kg/m³) as Get_Rho_K
** gives them. */
double Calc_Vbm_Kser_Rho(int type, int predrilled, double d, int mat1, double rho1, int mat2,
                         double rho2);

/* Return the outer diameter in mm of the washer of a bolt of diameter d; -1.0 without entry. */
double Get_Washer_Diameter(double d, int kind);

/* Return the design strength X_k kmod / gamma_M in N/mm² of the first value (bending). */
double Get_Member_Design_Value_A(int material, int grade, int selector, double x1, double x2,
                                 double kmod, double gamma_m, const User_Material *user);

/* Return the design strength of the second value (tension). */
double Get_Member_Design_Value_C(int material, int grade, int selector, double x1, double x2,
                                 double kmod, double gamma_m, const User_Material *user);

/* Return the design strength of the third value of (selector, kind 6) (compression). */
double Get_Member_Design_Value_E(int material, int grade, int selector, double x, double kmod,
                                 double gamma_m);

/*
** Return the design shear strength fv,d in N/mm². Under EN 1995 with the German annex fv,k of
** softwood is 4.0 and of glulam 3.5 N/mm² (NA to 6.1.7); with other annexes fv,k of softwood and
** glulam is reduced by kcr = 0.67 (EN 1995-1-1, 6.1.7(2)).
*/
double Get_Member_Shear_Strength(int material, int grade, int selector, double x, double kmod,
                                 double gamma_m);

/*
** Return the factor on the tensile strength of the side members of a symmetric tension joint:
** under DIN 1052 (or an annex that keeps its rule, NCI NA.8.1.6) 0.4 for staples, dowels and
** pre-drilled nails, 1/1.5 for every other fastener; 1.0 under an annex without the rule.
*/
double Get_Member_Tension_Factor(int type, int predrilled);

/* Return the tensile strength f_t of a member loaded from one side reduced by
** Get_Member_Tension_Factor (times 0.4, or divided by 1.5), in the unit of f_t. */
double Reduce_Member_Tension(double f_t, int type, int predrilled);

/*
** Return the tensile strength of a member at a one-sided connection in N/mm², without kmod and
** gamma_M: the catalogue value times Get_Member_Tension_Factor.
*/
double Get_Member_Design_Value_D(int type, int predrilled, int material, int grade, int selector,
                                 double x1, double x2, const User_Material *user);

/*
** Return the characteristic splitting capacity F_90,Rk = 14 b w sqrt(h_e / (1 - h_e / h)) in N of
** a member of thickness b and height h whose farthest fastener stands h_e from the loaded edge
** (mm; EN 1995-1-1, eq. (8.4)); w = 1 but for punched metal plate fasteners. 0 unless
** 0 < h_e < h and b > 0.
*/
double Calc_F90_Rk(double b, double w, double h_e, double h);

/*
** Return the design splitting capacity of the German annex (DIN EN 1995-1-1/NA, NCI NA.8.1.4) in
** N: F_90,Rd = k_s k_r (6.5 + 18 h_e² / h²) (t_ef h)^0.8 f_t,90,d with k_s = max(1; 0.7 + 1.4 a_r /
** h) and k_r = n / sum (h_1 / h_i)², h_i the distances of the n rows from the unloaded edge and h_1
** the smallest of them (mm; f_t,90,d in N/mm²). *k_s and *k_r get the factors when given. 0 without
** a row, with a row on the unloaded edge or with h or t_ef not positive.
*/
double Calc_F90_Rd_Na(double h_e, double h, double t_ef, double a_r, const double *h_i, int n,
                      double f_t90_d, double *k_s, double *k_r);

/*
** Write the minimum hole geometry of a steel plate (EN 1993-1-8, Table 3.3): p1 = 2.2 d0,
** e1 = e2 = 1.2 d0, p2 = 2.4 d0, with d0 = d + 1 mm, or d for a fitted bolt.
*/
void Calc_Plate_Hole_Geometry(double d, int fitted, double *p1, double *e1, double *e2, double *p2);

/*
** Return the bearing resistance k1 alpha_b fu d t in N of a plate per bolt (EN 1993-1-8,
** Table 3.4) at the minimum hole geometry; k1 and alpha_b go to the pointers given.
*/
double Calc_Plate_Bearing_Resistance(double d, double t, int fitted, double fu, double *k1,
                                     double *alpha_b);

/*
** Write the minimum spacings of a screw of the user-defined line in timber (its approval's rule)
** and return 1; return 0 without writing when the screw is pre-drilled, the member is no timber
** or the line's class is neither 1 nor 2. alpha in radians.
*/
int Calc_Screw_Line_Spacings(const Eta12_Spacing_Block *block, int predrilled_flag, int material,
                             double alpha, double *a1, double *a2, double *a3t, double *a3c,
                             double *a4t, double *a4c);

/* ---------------------------------------------------------------- connectors */

/*
** Return the design value x sqrt(kmod1 kmod2) / gamma of a characteristic resistance x between
** two members; 0 when gamma is not positive (the value cannot be determined).
*/
double Calc_Geometric_Mean_Ratio(double x, double kmod1, double kmod2, double gamma);

/* Return the minimum timber thickness against splitting, EN 1995-1-1, eq. (8.19). */
double Calc_T_Min_Splitting(double d, double rho_k);

/* Return the minimum timber thickness against splitting, EN 1995-1-1, eq. (8.18). */
double Calc_T_Min_Splitting_Alt(double d, double rho_k);

/* Return k_alpha = 1 / ((1.3 + 0.001 dc) sin²a + cos²a), EN 1995-1-1, eq. (8.66)/(8.67). */
double Calc_K_Alpha(double dc, double alpha_deg);

/*
** The thickness (mm) from which k1 of a ring, shear-plate or toothed-plate connector is 1 in a
** timber member that holds connectors in `faces` of its faces: 3 h_e in one (the side member's
** t1), 5 h_e in both (the middle member's t2), k1 = min(1; t1 / (3 h_e); t2 / (5 h_e))
** (EN 1995-1-1, 8.9(2), 8.10), at least 24 mm. Calc_Connector_K1_Thicknesses gives both.
*/
double Calc_Connector_K1_Thickness(double he, int faces);
void Calc_Connector_K1_Thicknesses(double he, double *t1_min, double *t2_min);

/*
** The faces (1 or 2) of the timber member `member` (1 or 2) of a connection that hold connectors,
** as its k1 takes them: member 1 a side member with one, unless it stands beside inner steel
** plates for lamellas of which some lie between two plates (lamellas_between_plates); member 2 a
** middle member with two, but one in single shear (a half of a lap). Under DIN 1052 a timber
** beside a steel plate takes two.
*/
int Connector_Member_Faces(const Connection_Input *in, int member);

/* Return the factor of d_c^1.5 of a toothed plate, EN 1995-1-1, 8.10: 18 for C1, C2 and C5, 25
** for C10 and C11, 0 for other types. */
double Toothed_Plate_Base_Factor(int type);

/*
** Return the characteristic resistance of one ring or shear-plate connector between two timbers,
** EN 1995-1-1, 8.9: min(k1 35 dc^1.5, k1 31.5 dc he) k3 k_alpha, with k1 from the thicknesses
** (Calc_Connector_K1_Thickness) of member 1 with connectors in one face and member 2 in faces_2
** and k3 = min(rho_k / 350, 1.75).
*/
double Calc_Ring_Connector_Rk(double dc, double he, double alpha_deg, double t1, double t2,
                              int faces_2, double rho_k, Connection_Result *result);

/*
** Return the resistance of a ring or shear-plate connector against a steel plate; t is the
** thickness of the timber, which holds connectors in `faces` of its faces. Under EN 1995 the term
** 35 dc^1.5 is raised by 10 % (EN 1995-1-1, 8.9(4)).
*/
double Calc_Ring_Connector_Plate_Rk(double dc, double he, double alpha_deg, double t, int faces,
                                    double rho_k, Connection_Result *result);

/* Return the resistance of one toothed-plate connector between two timbers, member 2 with
** connectors in faces_2 of its faces; d the bolt. */
double Calc_Toothed_Plate_Rk(int type, double dc, double d, double he, double t1, double t2,
                             int faces_2, double rho_k, Connection_Result *result);

/* Return the resistance of one toothed-plate connector against a steel plate, in a timber of
** thickness t with connectors in `faces` of its faces. */
double Calc_Toothed_Plate_Plate_Rk(int type, double dc, double d, double he, double t, int faces,
                                   double rho_k, Connection_Result *result);

/* ---------------------------------------------------------------- steel plates, simplified proof */

/*
** Return the class of a plate of thickness t for a fastener of diameter d in holes of the
** clearance d0 - d (mm): 0 thin (t <= 0.5 d), 2 thick (t >= d), 1 between (EN 1995-1-1,
** 8.2.3(1)), with the interpolation factor to *factor. An aluminium plate (16) scales the
** limits by 3^(1/3). A plate counts as thick only in holes of a clearance below 0.1 d
** (Is_Plate_Hole_Tight): in wider holes it is thin at any thickness, as the interpolation
** between thin and thick reaches no further than the holes allow.
*/
int Classify_Plate_Thickness(int type, int plate_material, double d, double t, double clearance,
                             double *factor);

/* Return 1 when holes of the clearance d0 - d (mm) let a plate count as thick for a fastener of
** diameter d: a clearance below 0.1 d (EN 1995-1-1, 8.2.3(1)), or none, else 0. */
int Is_Plate_Hole_Tight(double d, double clearance);
/* Timber member (thickness t, material mat, grade, density rho_k, angle alpha in radians) beside
** a plate; variant selects the second yield-moment table of the approved screws. */
double Calc_Rk_Thick_Plate(int type, double d, double t, int predrilled, int fitted, int grade,
                           int variant, int threaded_rod, double alpha, double fu, int mat,
                           double rho_k, Connection_Result *result);

/* The same with the effective diameter d_ef of a wood screw to DIN 571 (EN 1995-1-1, 8.7.1) for
** My, fh and the resistance; the required thickness keeps d. */
double Calc_Rk_Thick_Plate_Ef(int type, double d, double d_ef, double t, int predrilled, int fitted,
                              int grade, int variant, int threaded_rod, double alpha, double fu,
                              int mat, double rho_k, Connection_Result *result);

/*
** Return the simplified resistance k sqrt(2 My fh d) of a fastener beside a thin steel plate;
** selector 2 takes the second form of the required thickness.
*/
double Calc_Rk_Thin_Plate(int type, int selector, double d, double t, int predrilled, int fitted,
                          int grade, int variant, int threaded_rod, double alpha, double fu,
                          int mat, double rho_k, Connection_Result *result);

/*
** Return the simplified resistance beside a plate of any thickness: thin and thick by their rule,
** between them c_p Rk,thick + (1 - c_p) Rk,thin (EN 1995-1-1, 8.2.3(1)).
*/
double Calc_Rk_Plate_Interpolated(int type, double d, double t, int predrilled, int fitted,
                                  int grade, int variant, int threaded_rod, double alpha, double fu,
                                  int mat, double rho_k, int plate_material, double plate_t,
                                  double clearance, Connection_Result *result);

/*
** Return the simplified resistance k k_p sqrt(2 My fh d) of a nail or screw through a steel plate
** (member 1) into timber member 2; k_p = 1 + 0.4 c_p between thin and thick plates.
*/
double Calc_Rk_Outer_Plate_Simplified(int type, double d, double length, int shear_planes,
                                      int predrilled, int fitted, int variant, int threaded_rod,
                                      double alpha_2, double fu, int plate_material, double plate_t,
                                      double clearance, int mat_2, int grade_2, double t2,
                                      double rho_2, const Vbm_User_Embedment *user,
                                      Connection_Result *result);

/* The same with the effective diameter d_ef of a wood screw to DIN 571 (EN 1995-1-1, 8.7.1) for
** My, fh and the resistance; the plate's class, t_req and the point's 4 d keep d. */
double Calc_Rk_Outer_Plate_Simplified_Ef(int type, double d, double d_ef, double length,
                                         int shear_planes, int predrilled, int fitted, int variant,
                                         int threaded_rod, double alpha_2, double fu,
                                         int plate_material, double plate_t, double clearance,
                                         int mat_2, int grade_2, double t2, double rho_2,
                                         const Vbm_User_Embedment *user, Connection_Result *result);

/* ---------------------------------------------------------------- effective numbers */

/*
** Return the effective number of bolts or dowels in a row of n (EN 1995-1-1, eq. (8.34) and
** (8.35)): n^0.9 (a1 / (13 d))^0.25 at most n parallel to the grain, n at 90 degrees, linear
** between. DIN 1052 takes 10 d in place of 13 d.
*/
double Calc_Bolt_N_Ef(double d, int n, double a1, double alpha_deg);

/*
** Return the effective number of connectors in a row of n: 2 + (1 - n / 20)(n - 2) under EN 1995
** (EN 1995-1-1, eq. (8.71)); under DIN 1052 interpolated to n at 90 degrees and at most 10.
*/
double Calc_Connector_N_Ef(int n, double alpha_deg);

/* Return the effective number n^kef of nails in a row of n (EN 1995-1-1, eq. (8.17)). */
double Calc_Vbm_N_Ef(double d, int predrilled, int n, double a1);
