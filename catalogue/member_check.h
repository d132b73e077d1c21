/*
** Timber member check (beam or column): admissible stresses of the old grades (DIN 1052
** (1988)), the admissible-stress check, the limit-state check of DIN 1052-2008 / DIN EN 1995
** through the section check, the deflection check, corner stresses, fire precomputation, and
** the German print texts of all of them.
** Units: lengths of a section in cm, spans in m, deflections in mm, forces in kN, moments in
** kNm, stresses and strengths in MN/m2.
**
** Print texts use the print-list escapes: 0xCE '\\' subscript, 0xCE '/' superscript, 0xCE 'r'
** normal. Section, material, fire-value and whole limit-state prints write to the first output
** stream (line starts indented by two blanks after a blank), the admissible-stress check, the
** limit-state check and the deflection print to the second (three blanks). A null stream
** writes nothing.
*/
#pragma once

#include <cstdint>
#include <cstdio>

#include "catalogue/section.h"

/* Admissible stresses of one grade, MN/m2. */
typedef struct Zul_Spannungen {
    double sigma_D; /* compression */
    double sigma_Z; /* tension */
    double sigma_B; /* bending */
    double tau_Q;   /* shear */
    double tau_T;   /* torsion */
    double m;       /* exponent of the shear-torsion interaction */
} Zul_Spannungen;

/* Deflection settings. */
#define DB_RARE        0x1000u    /* rare combination */
#define DB_QUASI       0x2000u    /* quasi-permanent combination */
#define DB_PRECAMBER   0x4000u    /* third kind: the only one with precambers */
#define DB_ONLY_SECOND 0x2000000u /* only the second direction is checked */

typedef struct Durchbiegung_Input {
    uint32_t flags;
    double L_v1;                                  /* m */
    double div_rare1, div_quasi1, div_precamber1; /* <= 0: 300, 200, 200 */
    double w_0_1;                                 /* precamber, cm */
    double L_v2;                                  /* m */
    double div_rare2, div_quasi2, div_precamber2;
    double w_0_2; /* cm */
} Durchbiegung_Input;

typedef struct Durchbiegung_Result {
    uint32_t code1, code2;
    double w_0_1, w_1, w_req1, U_1; /* mm, mm, mm, - */
    double w_0_2, w_2, w_req2, U_2;
    double U_max;
} Durchbiegung_Result;

/* Deflections of a member under one combination, mm. */
typedef struct Durchbiegung_Werte {
    double w_res; /* resultant (not read by the check) */
    double w_1;   /* direction 1 */
    double w_2;   /* direction 2 */
} Durchbiegung_Werte;

/* ---------------------------------------------------------------- the member record */

/* Switches of a member. */
#define MEMBER_KNICK_Y   0x1u   /* buckling about y */
#define MEMBER_KNICK_Z   0x2u   /* buckling about z */
#define MEMBER_KIPPEN    0x4u   /* lateral-torsional buckling */
#define MEMBER_OMEGA     0x8u   /* admissible-stress check: axial stress times omega */
#define MEMBER_NO_CHECK  0x100u /* load-bearing capacity not checked */
#define MEMBER_NO_DEFORM 0x200u /* deformations not checked */

/* Limit-state factors of one layout (DIN 1052-2008 or DIN EN 1995). */
typedef struct Member_Design_Values {
    double gamma_m, kmod;
    double k_m, k_h_y, k_h_z, k_h_t, k_red;
    double k_cr_y, k_cr_z, k_shape;
    double k_c_y, k_c_z, k_crit_y, k_crit_z;
} Member_Design_Values;

/* Stored results of a fire check of one method. */
typedef struct Member_Fire_Values {
    int32_t valid;                             /* 1 when the values below were computed */
    double k_c_y, k_c_z, k_crit_y, k_crit_z;   /* 0: none, printed and used as 1.0 */
    double b, d;                               /* residual section, cm */
    double e_y, e_z;                           /* eccentricities, cm */
    double f_m_y_d, f_m_z_d, f_t_0_d, f_c_0_d; /* MN/m2 */
} Member_Fire_Values;

/* Deformation limits per direction (index 0 m, 1 n): spans, and the divisors of the limits
** w_req = 1000 L_v / divisor of Teil A, B and C (the quasi-permanent check uses Teil A). */
typedef struct Member_Deform_Values {
    double gamma_m_emod; /* partial factor of the moduli */
    double L_v[2];       /* m; 0: the direction is not checked */
    double div_A[2], div_B[2], div_C[2];
    int32_t precamber_position; /* 1, 3: n direction; 2, 4: m direction */
    double precamber;           /* cm */
} Member_Deform_Values;

/* One member of the calling program. */
typedef struct Member_Record {
    int32_t old_kind;             /* 1: grade named by the old name lists */
    int32_t old_group, old_grade; /* indexes into the old name lists */
    int32_t grade_code;           /* grade of DIN 1052-2008 (member-check grade tables) */
    int32_t grade_code_ec;        /* grade of DIN EN 1995 */
    int32_t load_case_set;        /* admissible stresses: 1 H, 2 HZ, else base */
    int32_t section_kind;         /* SECTION_* */
    Section_Dims dims;            /* gross section */
    uint32_t switches;            /* MEMBER_* */
    double omega;                 /* buckling factor of the admissible-stress check */
    Member_Design_Values ds[2];   /* [0] DIN 1052-2008, [1] DIN EN 1995 */
    int32_t notch_position;       /* 0 none, 1 top, 2 left, 3 bottom, 4 right */
    double notch_e;               /* cm */
    int32_t fire_exposure;        /* -1 none, 0 four-sided, 1..4 one side protected */
    double char_t;                /* charring depth, cm */
    Member_Fire_Values fire[2];   /* [0] reduced properties, [1] reduced cross-section */
    Member_Deform_Values deform;
} Member_Record;

/* Flags of the caller's check. */
#define MC_SPATIAL       0x1u /* spatial forces (N, Vy, Vz, T, My, Mz) */
#define MC_NO_KNICK_Y    0x8u
#define MC_NO_KIPPEN     0x10u
#define MC_NO_KNICK_Z    0x20u
#define MC_FIRE          0x10000u
#define MC_FIRE_METHOD_2 0x20000u
#define MC_AXIAL_BENDING 0x100000u
#define MC_EUROCODE      0x200000u

/* Flags of the admissible-stress check. */
#define ZUL_NO_NORMAL  0x1u
#define ZUL_NO_SHEAR   0x2u
#define ZUL_NO_TORSION 0x4u
#define ZUL_NO_OMEGA   0x8u

/* One check of the whole limit-state print. */
typedef struct Member_Check {
    int32_t kind;   /* 122..125 (DIN 1052-2008), 222, 224 (DIN EN 1995) */
    uint32_t flags; /* MC_* */
} Member_Check;

/* ---------------------------------------------------------------- output state */

void MC_Set_Output(FILE *first, FILE *second);
/* The four axis names (null keeps a name): y, z and the two further directions. */
void MC_Set_Axis_Names(const char *y, const char *z, const char *m, const char *n);
void MC_Reset_Axis_Names(void);
const char *MC_Axis_Name(int32_t i);

/* ---------------------------------------------------------------- checks */

/* 1 for codes 0..14; set 1 divides by 1.2, set 2 multiplies by 2/3 (not code 13, not m). */
int32_t Get_Zul_Spannungen(int32_t code, int32_t set, Zul_Spannungen *out);
/* 0x400, 0x800 or 0x2000 by the mode, 0 when no mode flag is set. */
uint32_t Nachweis_Durchbiegung(const Durchbiegung_Werte *w, const Durchbiegung_Input *in,
                               Durchbiegung_Result *r);
/* Four corner stresses of a rectangle; 1, or 0 with zero outputs for another kind. */
int32_t Calc_Eckspannungen(const Member_Record *m, const Section_Dims *dims, double N, double My,
                           double Mz, double out[4]);
/* Fire values of a rectangle into pre; 1 on success, 0 otherwise. */
int32_t Prepare_Brand_Vorwerte(const Section_Check_Input *member, int32_t kind,
                               const Section_Dims *dims, Section_Precomputed *pre);
/* Residual rectangle after notch and charring, without per-side exposure; 1 when it changes. */
int32_t Calc_Restquerschnitt_Einfach(int32_t kind, int32_t notch_position, double e,
                                     int32_t fire_exposure, int32_t fire_method, double t,
                                     double *db, double *dd, double *e_y, double *e_z);
/* The utilisation of shear and torsion: a/U + (q/U)^m = 1. */
double Zul_Interaction(double a, double q, double m);

/* ---------------------------------------------------------------- prints */

void Print_Kennwerte(int32_t kind, const Section_Dims *dims, int32_t long_form);
void Print_Querschnitt(const Member_Record *m, int32_t fire_method);
void Print_Material(const Member_Record *m);
void Print_Bemessungsart(const Member_Record *m, double factor, uint32_t flags);
/* The admissible-stress check: results[7] (see the source); answers the check bits
** 0x100000 normal stress, 0x200000 shear, 0x400000 torsion. */
uint32_t Print_Nachweis_Zul(const Member_Record *m, const Section_Forces *f, double factor,
                            double n_factor, const char *n_factor_name, uint32_t spatial,
                            uint32_t flags, double results[7]);
/* The limit-state check of one set of forces; 1 after a check, 0 without member or result. */
int32_t Print_Nachweis_EC(const Member_Record *m, const Section_Forces *f, uint32_t flags,
                          Section_Check_Result *result);
void Print_Brand_Werte(const Member_Record *m, int32_t kind, int32_t set, uint32_t flags);
void Print_Nachweis_Holz(const Member_Record *m, const Member_Check *check);
void Print_Durchbiegung(const Durchbiegung_Werte *w, const Durchbiegung_Input *in,
                        const Durchbiegung_Result *r);

/* The limit-state member input of a member (layout by MC_EUROCODE); see Print_Nachweis_EC. */
void Fill_Member_Check_Input(const Member_Record *m, uint32_t flags, Section_Check_Input *in);
