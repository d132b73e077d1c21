/*
** Numeric services beside the connection design: size factors, torsion constant, lateral
** torsional buckling and column factors, the inertia of a fastener group, and the small timber
** engineering formulas of the module (bearing perpendicular to the grain, fire, notches, effective
** numbers, plain formulas). Lengths in mm unless an argument says otherwise.
*/
#pragma once

#include "design/design_types.h"

/* ---------------------------------------------------------------- size factors and stability */

/* Return k_h of glulam of depth h (mm), min((600 / h)^0.14, 1.1), EN 1995-1-1, eq. (3.2); 1.0
** for h outside (1, 600]. */
double Calc_Kh_Glulam(double h);

/* Return k_h of laminated veneer lumber of depth h (mm), min((300 / h)^s, 1.2), EN 1995-1-1,
** eq. (3.3); 1.0 for h up to 1. */
double Calc_Kh_Lvl(double h, double s);

/*
** Return the depth factor k_h of a member of depth h (mm) by material group and grade
** (EN 1995-1-1, 3.2 to 3.4): solid timber up to 700 kg/m³ min((150 / h)^0.2, 1.3) up to
** 150 mm, glulam Calc_Kh_Glulam, LVL by product (Kerto s = 0.12, Steico and Pollmeier 0.15,
** Baubuche GL75 Calc_Kh, Baubuche panels (300 / h)^0.12 up to 1.2 from 300 to 1000 mm); 1.0
** for everything else.
*/
double Calc_Kh_Of_Material(int mat, int grade, double h);

/* Return the torsion constant eta b³ h of a rectangle with sides a and b (b the shorter, eta
** interpolated linearly in h / b from 0.14 at 1 to 0.333 at 1000), in the sides' unit to the
** fourth; 0 when the shorter side is not positive. */
double Calc_Torsion_Constant(double a, double b);

/*
** Return k_crit of lateral torsional buckling, EN 1995-1-1, eq. (6.34), of a rectangle a x b
** (cm, taken in m) over the length l_ef (m), with f_m,k, E_0,05 and G_0,05 in one unit;
** use_annex multiplies E G by the annex's slenderness factor under EN 1995. 0 when the
** narrower side is not positive.
*/
double Calc_K_Crit(int use_annex, double a, double b, double l_ef, double f_mk, double e_005,
                   double g_005);

/*
** Return k_c of a compression member of depth h over the length l_ef (one unit), EN 1995-1-1,
** eq. (6.25) to (6.29), at most 1.0, with f_c,0,k and E_0,05 in one unit: i = 0.289 h,
** lambda = l_ef / i, lambda_rel = lambda / pi sqrt(f_c0k / e_005) and
** k = 0.5 (1 + beta_c (lambda_rel - 0.3) + lambda_rel²) go to their pointers when given.
*/
double Calc_K_C(double e_005, double f_c0k, double beta_c, double l_ef, double h, double *i,
                double *lambda, double *lambda_rel, double *k);

/* Return Calc_K_C for a member of material group mat and grade, with E_0,05 and f_c,0,k of the
** catalogue at thickness t (divided by 1000) and beta_c 0.2 for solid timber, else 0.1; a
** material without catalogue values computes with zeros. */
double Calc_K_C_Of_Material(int mat, int grade, double l_ef, double h, double t, double *i,
                            double *lambda, double *lambda_rel, double *k);

/*
** Add a row of n fasteners of weight w from a to b to the running second moment about the centroid
** (i), the centroid (s), the first moment (sx) and the weight (n_io); null pointers start at 0.
** n = 0 takes a band off the sums (the net section of a member).
*/
void Calc_Vbm_Group_Inertia(double *i_io, double *s_io, double *sx_io, double *n_io, double b,
                            double a, double w, double n);

/* Return the second diameter (mm) of a nominal screw diameter d of 4 to 14 mm (within 0.1 mm)
** by the table of kind 1 or of any other kind; -1.0 for a diameter off the table. */
double Map_Screw_Nominal_Diameter(int kind, double d);

/* ---------------------------------------------------------------- buckling and stability */

/* Return beta_c of EN 1995-1-1, eq. (6.29): 0.2 for solid softwood and hardwood, else 0.1. */
double Get_Beta_C(int material);

/* Return the relative slenderness lambda / pi sqrt(f_c0k / e_005), EN 1995-1-1, eq. (6.21). */
double Calc_Lambda_Rel(double lambda, double f_c0k, double e_005);

/* Return k = 0.5 (1 + beta_c (lambda_rel - 0.3) + lambda_rel²), EN 1995-1-1, eq. (6.27). */
double Calc_Buckling_K(double beta_c, double lambda_rel);

/* Return k_c = min(1, 1 / (k + sqrt(k² - lambda_rel²))), EN 1995-1-1, eq. (6.25). */
double Calc_Buckling_Kc(double k, double lambda_rel);

/* Return the radius of gyration sqrt(x1 / x2) of the second moment x1 and the area x2; 0 when
** |x2| is not above 1e-17. */
double Calc_Radius_Of_Gyration(double x1, double x2);

/* Return pi / (2 x1²) sqrt(x2 / x3). */
double Calc_Mcr_Base(double x1, double x2, double x3);

/* Return Calc_Mcr_Base(x1, x3, x5) sqrt(x1⁴ / x2⁴ x4 / x3 + 1). */
double Calc_Mcr(double x1, double x2, double x3, double x4, double x5);

/* Return sqrt(1 + 1 / x1⁴). */
double Calc_Sqrt_One_Plus_Inv4(double x1);

/* Return x1 / x2 (x3 / x4)^0.25, with 1000^0.25 for the root when x4 is below 1e-6. */
double Calc_Ratio_Root4(double x1, double x2, double x3, double x4);

/* Return min(1, 1 / sqrt(a² + 1 + b²)) with a = x1 x4 / (0.75 x2) and b = x1 x4² / x3;
** Calc_Interaction_Root_B: 1 / sqrt(a² + 1 + b²) with a = x1 x4 / (1.5 x2), not capped. */
double Calc_Interaction_Root(double x1, double x2, double x3, double x4);
double Calc_Interaction_Root_B(double x1, double x2, double x3, double x4);

/* Return the strength at an angle (radians) to the grain from the strength x2 along the grain,
** x3 across it and the shear strength x4: x2 / sqrt(cos⁴ + (x2 sin² / (2 x3))² +
** (x2 sin cos / (2 x4))²); 0 unless all three are positive. */
double Calc_Strength_At_Angle(double angle, double x2, double x3, double x4);

/* Return 1 / (x1 / x2 sin² + x1 / x3 sin cos + cos²) at the angle (radians); 1e-7 when |x2| or
** |x3| is below 1e-8. */
double Calc_Angle_Factor(double x1, double x2, double x3, double angle);

/* ---------------------------------------------------------------- bearing perpendicular to grain */

/*
** Return k_c,90 (EN 1995-1-1, 6.1.5(4) and the product approvals) by material group, distance
** l1 between the loads and depth h (mm): softwood 1.25 and glulam 1.5 when l1 >= 2 h, Steico
** LVL 1.25 when also h < 80 mm, Kerto 1.4 below 45 mm unless flag is set; 1.0 otherwise.
** Calc_Kc90_B gives the same.
*/
double Calc_Kc90(int material, double l1, double h, int flag);
double Calc_Kc90_B(int material, double l1, double h, int flag);

/* Effective contact areas of EN 1995-1-1, 6.1.5(1) with the width b (mm²): (min(a, 30) + l +
** 30) b at the ends with the overhangs a1 (out1) and a2 (out2), and (l2 + 60) b (out3), each
** written when its pointer is given. */
void Calc_Contact_Lengths(double a1, double a2, double l, double l2, double b, double *out1,
                          double *out2, double *out3);

/* Return k_c,90 f_c,90 A_ef: Calc_Kc90(material, l1, h, 0) times the contact areas of
** Calc_Contact_Lengths of two ends (overhangs x4, x5, contact length x6) and n - 2 inner ones of
** 60 b. N with N/mm² and mm. */
double Calc_Fc90_Capacity(int material, double f_c90, double l1, double h, double x4, double x5,
                          double x6, double b, int n);

/* With R = Calc_Fc90_Capacity(material, x10, x1, x2, x3, x4, x5, x6, n): write
** o = x7 x9 / (x8 x9 + R) to *out when given and return o / x9. */
double Calc_Fc90_Share(int material, double x1, double x2, double x3, double x4, double x5,
                       double x6, int n, double x7, double x8, double x9, double x10, double *out);

/* Return R / (x7 x8 + R) with R = Calc_Fc90_Capacity(material, x9, x1, x2, x3, x4, x5, x6, n)
** under DIN 1052; 1.0 under EN 1995. */
double Calc_Fc90_Ratio(int material, double x1, double x2, double x3, double x4, double x5,
                       double x6, int n, double x7, double x8, double x9);

/* Return under DIN 1052 0.67 (flag set) or 0.75 when x1 > x2 / 2, else 1.0; 1.0 under EN 1995. */
double Calc_Fc90_Factor_Din(double x1, double x2, int flag);

/* Return min(2, 1 + 0.15 max(x1, x2) / min(x1, x2)) in mode 0, 1.2 in any other mode. */
double Calc_Kc90_By_Ratio(int mode, double x1, double x2);

/* ---------------------------------------------------------------- fire */

/* Return k0 of EN 1995-1-2, 4.2.2 at the time t (min): t / 20 below 20 min, else 1; when
** protected_ with t_ch >= 20 min: t / t_ch before t_ch, else 1. */
double Calc_Fire_K0(int protected_, double t, double t_ch);

/* Return in mode 0 (x3 - (x1 - x2) x5 x4) / x6 / x4 + x1, in any other mode
** min(2 x1, x1 + x3 / (x6 x4)): the time t_a of EN 1995-1-2, eq. (3.8). */
double Calc_Fire_Ta(int mode, double x1, double x2, double x3, double x4, double x5, double x6);

/* Return the effective charring depth d_ef = 7 k0 + beta t (mm; beta in mm/min, t in min) of an
** unprotected surface, EN 1995-1-2, eq. (4.1) with d0 = 7 mm. */
double Calc_Fire_Def_Unprotected(double beta, double t);

/* Return d_ef of a protected surface that chars from t_ch: 7 k0 + 2 beta (t_a - t_ch) with
** t_a = Calc_Fire_Ta(0, t_ch, t_ch, 25, beta, 1, 2) (mm, min). */
double Calc_Fire_Def_Protected_A(double beta, double t, double t_ch);

/* Return d_ef of a protected surface whose protection fails at t_f after charring starts at
** t_ch: 7 k0 + beta (t_f - t_ch) + beta (t_a - t_f) with t_a = Calc_Fire_Ta(0, t_f, t_ch, 25,
** beta, x5, x6) (mm, min). */
double Calc_Fire_Def_Protected_B(double beta, double t, double t_f, double t_ch, double x5,
                                 double x6);

/* Return d_ef for beta x1, time x2, failure time x3 and start of charring x4: with x4 > 0.01
** Calc_Fire_Def_Protected_B (x4 before x3) or _A, else Calc_Fire_Def_Unprotected. */
double Calc_Fire_Def(double x1, double x2, double x3, double x4, double x5, double x6);

/* Return 1 - p / (225 A) of the residual section b x h after the charring depth d_ef (one unit):
** exposure 0 on four sides, 1 or 3 on three with one b face cold, 2 or 4 on three with one h
** face cold (p the heated perimeter, A the residual area; other exposures p = 0); 0.001 when no
** section remains. */
double Calc_Fire_Kmod_Residual(int exposure, double d_ef, double b, double h);

/* ---------------------------------------------------------------- effective numbers, fasteners */

/* Return the effective number of n fasteners in a row at the spacing a1 (mm) and the force-to-
** grain angle alpha (degrees) by the rule type (screws mapped by d): nails, screws and staples
** Calc_Vbm_N_Ef (n > 1), dowels and bolts Calc_Bolt_N_Ef, connectors Calc_Connector_N_Ef; else n. */
double Calc_N_Ef_By_Type(int type, double d, int predrilled, int n, double a1, double alpha);

/* Return n for n < 2, else min(n, n^0.9 (x2 x3 / (50 x1²))^0.25) weighted linearly with n from
** alpha = 0 to 90 degrees. */
double Calc_Bolt_N_Ef_B(double x1, int n, double x2, double x3, double alpha);

/* Return n^0.9, and n itself below 2. */
double Calc_N_Pow_09(int n);

/* Return 1 for nails, screws, staples and special nails, else 0. */
int Is_Vbm_Nail_Or_Staple_Type(int type);

/* Return the clearance hole of a bolt (mm): d + 1 below 16 mm, d + 2 up to 24 mm, else d + 3. */
double Calc_Bolt_Hole_Diameter(double d);

/* Return 1 when 4 x1 <= x4 - (x2 - x3), else 0. */
int Check_Edge_4d(double x1, double x2, double x3, double x4);

/* Return 1 when x1 - x3 >= 4 x2, else 0. */
int Check_Distance_4d(double x1, double x2, double x3);

/*
** Minimum spacings (mm) of a screw line of spacing kind 2 or 3 not pre-drilled in timber:
** a1 = 5 d, a2 = 2.5 d, a3,t = 12 d, a3,c = 5 d, a4,t = (3 + 2 sin alpha) d up to 4 mm and
** (3 + 4 sin alpha) d above, a4,c = 3 d (alpha in radians), each written when its pointer is
** given. Return 1, or 0 with nothing written for a null block, pre-drilling, another material
** or another kind.
*/
int Calc_Screw_Line_Spacings_B(const Eta12_Spacing_Block *block, int predrilled_flag, int material,
                               double alpha, double *a1, double *a2, double *a3t, double *a3c,
                               double *a4t, double *a4c);

/* The data record of a user-defined screw line as the screw page keeps it. */
typedef struct User_Screw_Record {
    char name[27];     /* name, blank-padded to 26 characters */
    int32_t ints[9];   /* the fourth is the class of the spacing rule */
    double doubles[8]; /* the first is the diameter d, mm */
} User_Screw_Record;

/* Fill the record of a user-defined screw line (type 43 or 44) with its starting values: the
** name "Assy" or "Spax" blank-padded, the line's default integers and sizes; ints[7] keeps its
** value. Return 1, or 0 with nothing written for a null record or another type. */
int Init_User_Screw_Record(int type, User_Screw_Record *record);

/* The fields of an input record that a user-defined screw line fills (the adapter of the design
** run's Connection_Input and the rule functions' Vbm_Rule_Input); a null field is one the record
** does not have. */
typedef struct User_Screw_Target {
    int32_t *stainless;
    double *washer_d;   /* mm, -1 when the line has no washer */
    double *d;          /* mm */
    double *d_k;        /* mm, head diameter */
    double *d_2;        /* mm, core diameter */
    double *length;     /* mm */
    double *l_thread;   /* mm, threaded length */
    double *axis_angle; /* degrees */
} User_Screw_Target;

/* Copy a user-defined screw line into the fields of an input record (the washer diameter -1
** without a washer; the axis angle only where the record has one). */
void Apply_User_Screw_Line(const Vbm_Screw_Line &line, const User_Screw_Target &target);

/* ---------------------------------------------------------------- tables and plain formulas */

/*
** Return tabulated coefficients by the number of spans n: Get_Load_Coeff_A 0.5, 0.375, 0.4,
** 0.3929, 0.3947 for n = 1..5 and 0.4 beyond; Get_Load_Coeff_B 0, 1.25, 1.099, 1.141, 1.132 and
** 1.141 beyond; Get_Load_Coeff_C and Get_Load_Coeff_D n times a factor for n = 1..6, and 0.4
** and 1.0 beyond.
*/
double Get_Load_Coeff_A(int n);
double Get_Load_Coeff_B(int n);
double Get_Load_Coeff_C(int n);
double Get_Load_Coeff_D(int n);

/*
** With m = trunc(trunc(x2) / x3), lo = min(x8, x9) and dx = |x8 - x9| (lo = x8 and dx = 0 when
** they differ by less than 1e-5): Calc_Load_Sum_A returns |x6| x1 / x2 x4 + x7 +
** x5 x3 / 1000 (lo Get_Load_Coeff_A(m) + dx Get_Load_Coeff_C(m)), Calc_Load_Sum_B
** |x6 x1| / x2 x4 + x7 + x5 x3 / 1000 (lo Get_Load_Coeff_B(m) + dx Get_Load_Coeff_D(m)).
*/
double Calc_Load_Sum_A(double x1, double x2, double x3, double x4, double x5, double x6, double x7,
                       double x8, double x9);
double Calc_Load_Sum_B(double x1, double x2, double x3, double x4, double x5, double x6, double x7,
                       double x8, double x9);

/* Return (2 x1 + x3 x1 + 2 x2 + x4 x2) x5 / x6 / x1² x7. */
double Calc_Deflection_A(double x1, double x2, double x3, double x4, double x5, double x6,
                         double x7);

/* Return x5 / x3 / x4 x2 / x1. */
double Calc_Deflection_B(double x1, double x2, double x3, double x4, double x5);

/* Return 2/3 x5 / x3 / x4 (x2³ / x1² + x1). */
double Calc_Deflection_C(double x1, double x2, double x3, double x4, double x5);

/* Return 2 x3 x2 / x1 x4 / 1.2 / x5 / x6 / x7. */
double Calc_Deflection_D(double x1, double x2, double x3, double x4, double x5, double x6,
                         double x7);

/* Return x1 / x2. */
double Calc_Ratio(double x1, double x2);

/* Write p = |x1| / x2 100 to *out when given and return p / x3. */
double Calc_Percent_Ratio(double x1, double x2, double x3, double *out);

/*
** Return the smallest of R1 = x5 k x1 / x7, R2 = x5 x6 min(x2, x3) x4 and R3 = 35 x5 x6 x2 x4² / x8,
** with k = x9 / (x10 / 2) under EN 1995 when x10 / 2 > x9, else 1. *code receives the index 0,
** 1 or 2 of the smallest (R2 on a tie with R1, R3 only when smaller) and r1..r3 the three
** values, each when given. Calc_Min3_B does the same with R1 = x1 / x5, R2 = x4 x2 x3 and
** R3 = 20 x4 x2 x3² / x6.
*/
double Calc_Min3_A(double x1, double x2, double x3, double x4, double x5, double x6, double x7,
                   double x8, double x9, double x10, int *code, double *r1, double *r2, double *r3);
double Calc_Min3_B(double x1, double x2, double x3, double x4, double x5, double x6, int *code,
                   double *r1, double *r2, double *r3);

/* Return 150 - 60 (x1 - 0.5) for x1 from 0.5 below 1, 120 - 40 (x1 - 1) below 2, 80 - 15 (x1 - 2)
** up to 4; -1 outside. */
double Calc_Limit_By_Ratio(double x1);

/* Return 1.55743 - 1.763639 r + 5.954181 r² - 11.35562 r³ + 10.29283 r⁴ - 3.685897 r⁵ of
** r = x1 / x2. */
double Calc_Poly5(double x1, double x2);

/* Return the linear interpolation of a table over x1 = 0 .. 0.9 (0.912 .. 1.4); 0.912 at or
** below 0, 2.0 from 0.9. */
double Calc_Table_Interp(double x1);

/* Return k_v of a notched beam, EN 1995-1-1, eq. (6.62), at most 1.0: k_n, the notch
** inclination i, the depth h (mm), alpha = h_ef / h and the distance x (mm). */
double Calc_Kv_Notch(double kn, double i, double h, double alpha, double x);

/* Return 1 when x2 <= x3, else x1 / x2 (1 - (x1 - x2) x3 / (x1 x2)). */
double Calc_Reduction_Ratio(double x1, double x2, double x3);

/* With s = x1 - x3 and u = (x1 - x2 - x3) / s: write s / x1 to *out1 and u to *out2 when given
** and return (2 (1 - u)² + 1) u (2 - s / x1). */
double Calc_Cubic_Shape(double x1, double x2, double x3, double *out1, double *out2);

/* With r = x2 / x1 (written to *out when given): Calc_Cubic_A returns (1 - 3 r² + 2 r³) x3,
** Calc_Cubic_B 1.3 x3 (3 s² - 2 s³) with s = 1 - r. */
double Calc_Cubic_A(double x1, double x2, double x3, double *out);
double Calc_Cubic_B(double x1, double x2, double x3, double *out);

/* Return for x1 taken up to 1000: 4 up to 250, 5.25 - 0.005 x1 up to 500, else 3.5 - 0.0015 x1. */
double Calc_Linear_Cap_1000(double x1);

/* Return (x1 + x2) / 2 in mode 0, 0.353 x1 + 0.5 x2 in mode 1, else -1. */
double Calc_Mean_Or_Weighted(int mode, double x1, double x2);

/* Return min(x1, x2) in mode 0, min(x1, x2) + 0.15 x3 in mode 1, else -1. */
double Calc_Min_Plus(int mode, double x1, double x2, double x3);

/* Return min(1, sqrt(450 / x1)); -1 unless x1 > 0.001. */
double Calc_Root_450(double x1);

/* Return x1 x2 / (4 x3) (3 - x2² / x3²); -1 unless x3 > 0.001. */
double Calc_Cubic_Moment(double x1, double x2, double x3);

/* Return 0.008 x1 / x2; -1 unless x2 > 0.001. */
double Calc_Ratio_0008(double x1, double x2);

/* Return x1 x2 x3 x4 / 2; -1 unless all four are above 0.001. */
double Calc_Half_Product4(double x1, double x2, double x3, double x4);

/* Return 1.84 (x1 / x2 + 1) (x3 / x2)^0.2; 1 unless x2 > 0.001. */
double Calc_Factor_184(double x1, double x2, double x3);

/* Return 25 x1 x2 for kind 0, 30 x1 x2 for kind 1, else 0. */
double Calc_Area_Product(int kind, double x1, double x2);

/*
** Return the value set of the strengths tables for a material group: 5 for particleboard up to
** Kerto Q, Baubuche panels up to Pollmeier LVL and Steico GLVL; for solid timber, glulam and
** Baubuche GL75 6 when |x1| < 1, else 7; for OSB up to plywood 2 when |x1| < 1, else 3; -1
** for any other group.
*/
int Get_Material_Class(int material, double x1);

/* Return a factor by material group: 1.1 for the Steico products and Baubuche up to Steico LVL,
** 1.25 for solid timber, 1.15 for glulam up to Kerto Q and Pollmeier LVL, else 1.0. */
double Get_Material_Factor(int material);

/* Return Get_Member_Design_Value_D(type, predrilled, material, grade, selector, x1, x2) x3 / x4. */
double Get_Member_Design_Value_D_Scaled(int type, int predrilled, int material, int grade,
                                        int selector, double x1, double x2, double x3, double x4);

/* Return 1.0 (no depth factor) for every material and depth. */
double Calc_Kh_Disabled(int material, double h);

/*
** Return the crack factor k_cr (EN 1995-1-1, 6.1.7(2)): 1.0 under DIN 1052; with the annex's
** switch k_cr_rule 1 its fixed values for timber and other materials, with any other value the
** annex's rules (2.0 / fv,k softwood, 0.67 hardwood, 2.5 / fv,k glulam, 1.0 otherwise).
*/
double Calc_Kcr(int material, double f_vk);
