/*
** Concrete and reinforcing-steel grades: the grade tables of DIN 1045-1 and EN 1992-1-1
** (normal and lightweight concrete, reinforcing steel) and the old grades of DIN 1045 (7.88),
** the formulas of the elastic modulus, tensile strength, strength development and partial
** factors, and the records with their versioned file form. The selection lists, parameter
** blocks and dialogs of the input are in catalogue/concrete_input.h.
** Strengths and moduli in kN/m2, strains as signed numbers (compression negative), densities
** in kg/m3, ages in days.
*/
#pragma once

#include <cstdint>

#define CONCRETE_NAME_SIZE  57 /* 56 characters and the terminator */
#define CONCRETE_GRADES     15
#define OLD_CONCRETE_GRADES 5
#define REBAR_GRADES        2
#define OLD_REBAR_GRADES    3

/* One concrete. */
typedef struct Concrete_Grade {
    char name[CONCRETE_NAME_SIZE];
    double fck;           /* kN/m2 */
    double alpha;         /* 0.85 normal, 0.8 lightweight concrete */
    double eps_c1;        /* strain at the peak stress (negative) */
    double eps_c1u;       /* ultimate strain of the curved law (negative) */
    double eps_c2;        /* strain at the peak of the parabola (negative) */
    double eps_c2u;       /* ultimate strain of the parabola (negative) */
    double n;             /* exponent of the parabola */
    int32_t lightweight;  /* 1 lightweight concrete */
    double density;       /* kg/m3; 2200 for normal concrete */
    int32_t auto_modulus; /* 1 when E is computed from fck */
    double E;             /* kN/m2 */
} Concrete_Grade;

/* One reinforcing steel. */
typedef struct Rebar_Grade {
    char name[CONCRETE_NAME_SIZE];
    double fyk;    /* kN/m2 */
    double ftk;    /* kN/m2 */
    double eps_uk; /* strain at the maximum force */
    double Es;     /* kN/m2 */
} Rebar_Grade;

/* The shorter records of the older file layout (DIN 1045 (7.88)). */
typedef struct Old_Concrete_Grade {
    char name[CONCRETE_NAME_SIZE];
    double beta_wn; /* nominal strength, kN/m2 */
    double beta_r;  /* rated strength, kN/m2 */
    double tau_011; /* shear stress limits of DIN 1045 table 13, kN/m2 */
    double tau_012;
    double tau_02;
    double tau_02_slab;
    double tau_01_slab;
    double E; /* kN/m2 */
} Old_Concrete_Grade;

typedef struct Old_Rebar_Grade {
    char name[CONCRETE_NAME_SIZE];
    double beta_s; /* yield strength, kN/m2 */
    double beta_z; /* tensile strength, kN/m2 */
    double eps;    /* limit strain */
    double ratio;  /* beta_z / beta_s */
    double Es;     /* kN/m2 */
} Old_Rebar_Grade;

/* ---- grade records */

void Set_Concrete_Grade(Concrete_Grade *c, int32_t index, int32_t lightweight, double density);
void Set_Concrete_Grade_Ec(Concrete_Grade *c, int32_t index, int32_t lightweight, double density);
void Set_Old_Concrete_Grade(Concrete_Grade *c, int32_t index);
void Interpolate_Concrete_Strains(double fck, double *eps_c1, double *eps_c1u);
void Copy_Concrete_Grade(Concrete_Grade *dst, const Concrete_Grade *src);
void Set_Rebar_Grade(Rebar_Grade *r, int32_t index);
void Set_Rebar_Grade_Ec(Rebar_Grade *r, int32_t index);
void Set_Old_Rebar_Grade(Rebar_Grade *r, int32_t index);
/* Answers index + 5 (the index limited to 0..4). */
int32_t Set_Old_Concrete_Grade_Alt(Old_Concrete_Grade *c, int32_t index);
void Set_Old_Rebar_Grade_Alt(Old_Rebar_Grade *r, int32_t index);
/* "%s (nicht mehr genormt!)" into a name field of CONCRETE_NAME_SIZE bytes. */
void Name_Not_Standard(char *record_name, const char *name);
int32_t Always_One(void);
/* Show why a free definition is not possible and fill B25 resp. BSt 500 S: answer 1. */
int32_t Set_Default_Concrete(Old_Concrete_Grade *c);
int32_t Set_Default_Rebar(Old_Rebar_Grade *r);
/* The names of the grade tables (empty beyond the table). */
const char *Get_Concrete_Grade_Name(int32_t index, int32_t lightweight);

/* ---- formulas */

double Calc_Concrete_E_Modulus(double fck);
double Calc_Lc_Concrete_E_Modulus(double fck);
double Calc_Concrete_Ecm_Ec(double fck);
double Calc_Eta1(double density);
double Calc_Flctm(double fck, double density);
double Calc_Flctk005(double fck, double density);
double Calc_Beta_Cc(double t, int32_t cement_class);
double Calc_Gamma_C(double fck, int32_t situation);
double Get_Gamma_S(int32_t situation);
double Neg_Product_Ratio(double x, double y, double z);

/* Partial factors of the active national annex's EN 1992 block, cached on first use. */
typedef struct Concrete_Factors {
    int32_t loaded;
    double gamma_c[4]; /* per design situation */
    double gamma_s[4];
    double alpha_cc;
    double alpha_lct;
} Concrete_Factors;

void Load_Concrete_Factors(void);
double Get_Concrete_Factor_A(int32_t i); /* gamma_c of situation i, 0 outside 0..3 */
double Get_Concrete_Factor_B(int32_t i); /* gamma_s of situation i, 0 outside 0..3 */
const Concrete_Factors *Get_Concrete_Factors(void);
const Concrete_Factors *Get_Concrete_Factor_Head(void);
double Apply_Concrete_Factor(double value, int32_t i); /* value * alpha_cc / gamma_c[i] */
void Reset_Concrete_Factors(void);                     /* the next use copies them again */

/* ---- versioned files (0 success, 1 failure, as the data-file layer) */

int32_t Read_Concrete_Grade(Concrete_Grade *c);
int32_t Write_Concrete_Grade(const Concrete_Grade *c);
int32_t Read_Rebar_Grade(Rebar_Grade *r);
int32_t Write_Rebar_Grade(const Rebar_Grade *r);
