/*
** Timber grade tables (solid timber, glulam, laminated beech) and the characteristic values
** of every material group: kmod, rho_k, stiffness, strengths and size factors. The value set
** (EN 1995-1-1 or DIN 1052) follows Nad_Params at every call. Strengths and moduli come back
** in kN/m2 (table value in N/mm2 times 1000), densities in kg/m3, lengths in mm.
*/
#pragma once

#include <cstdint>
#include "catalogue/cat_types.h"

/* One timber or glulam grade (N/mm2, kg/m3). */
typedef struct Timber_Grade {
    const char *name; /* grade text, e.g. "C24" */
    double E0_mean;   /* N/mm2 */
    double E90_mean;  /* N/mm2 */
    double G_mean;    /* N/mm2 */
    double rho_k;     /* kg/m3 */
    double f_m_k;     /* N/mm2 */
    double f_t0_k;    /* N/mm2 */
    double f_t90_k;   /* N/mm2 */
    double f_c0_k;    /* N/mm2 */
    double f_c90_k;   /* N/mm2 */
    double f_v_k;     /* N/mm2 */
} Timber_Grade;

/* The grade row of a timber group (0, 1, 2, 3, 13, 17; -10 is C24) of the active value set,
** or null for an unknown group or an index out of range. */
const Timber_Grade *Get_Timber_Grade(Mat_Group_Code group, int32_t grade);

/* Number of grades of a timber group in the active value set (0 for other groups). */
int32_t Get_Timber_Grade_Count(Mat_Group_Code group);

/* Range check and E90,mean in kN/m2 (out may be null). */
int32_t Get_Mat_E90_Mean(Mat_Group_Code group, int32_t grade, double *e90_mean);

/* kmod of a material, service class 0..3 (0: kmod 1.0), KLED 0..7. 1 when defined. Solid
** timber, glulam, LVL and plywood take the rows of the national annex (Nad_Params); the boards,
** which the annex's table leaves out, the rows of EN 1995-1-1, Table 3.1. */
int32_t Get_Kmod(Mat_Group_Code group, int32_t grade, int32_t service_class, KLED kled,
                 double *kmod, const User_Material *user);

/* Characteristic density (kg/m3) at a thickness in mm. 1 when defined. */
int32_t Get_Rho_K(Mat_Group_Code group, int32_t grade, double thickness_mm, double *rho_k,
                  const User_Material *user);

/* E0,mean, Gmean, E0,05, G05 in kN/m2 for a stress kind 0..9 at a thickness in mm. */
int32_t Get_Mat_Stiffness(Mat_Group_Code group, int32_t grade, int32_t stress_kind,
                          double thickness_mm, double *e0_mean, double *g_mean, double *e0_05,
                          double *g_05);

/* fm,k, ft,k, fc,k, fv,k, fc,90,k in kN/m2 and the size factor kh for a stress kind 0..9;
** use 1 or 2 (laminated beech); width and depth (or panel thickness) in mm. */
int32_t Get_Mat_Strengths(Mat_Group_Code group, int32_t grade, int32_t use, int32_t stress_kind,
                          double width_mm, double depth_mm, double *f_m_k, double *f_t_k,
                          double *f_c_k, double *f_v_k, double *f_c90_k, double *k_h);

/* fc,90,k in kN/m2 (fc,0,k of LVL with direction 1); 0.0 when undefined. */
double Get_Mat_Value(Mat_Group_Code group, int32_t grade, int32_t use, int32_t direction);

/* Particle board values of EN 12369-1 (P4..P7 = grade 0..3) in kN/m2 at a thickness in mm. */
int32_t Get_Spanplatte_Values(int32_t grade, int32_t stress_kind, double *f_m, double thickness_mm,
                              double *f_t, double *f_c, double *f_v, double *f_c90);

/* kmod of the I-joist groups -12, -13. */
double Get_Ijoist_Kmod(int32_t service_class, KLED kled);

/* Size factors (lengths in mm). */
double Calc_Kh(double h);
double Calc_Kh_013(double h);
double Calc_Kh_Max(double b, double h);
double Calc_Kl_006(double l);
double Calc_Kvol_Lin(int32_t mode, double x);

/* ft,90,k in N/mm2 of a group. */
double Get_Mat_Ft90(Mat_Group_Code group, int32_t grade);

/* LVL grade 0 strengths with size factors, kN/m2 (h, l, a in mm). 1 when defined. */
int32_t Get_Lvl_Strengths(int32_t grade, int32_t stress_kind, double h_mm, double l_mm, double a_mm,
                          double *f_m, double *f_t, double *f_c, double *f_v, double *f_c90);

/* Weight density (kN/m3; I-joists: weight per metre, kN/m). */
double Get_Mat_Weight_Density(Mat_Group_Code group, int32_t grade);
double Get_Panel_Min_Thickness(Mat_Group_Code group); /* mm */
double Get_Panel_Max_Thickness(Mat_Group_Code group); /* mm */
double Get_Mat_Factor_Density(Mat_Group_Code group, int32_t grade);
int32_t Get_Kdef(Mat_Group_Code group, int32_t grade, int32_t service_class, double *kdef);

/* Crack factor k_cr (width and depth in mm). */
double Get_Kcr(Mat_Group_Code group, int32_t grade, double width_mm, double depth_mm);

int32_t Is_Mat_Lvl_Product(Mat_Group_Code group);
