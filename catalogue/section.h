/*
** Timber cross-sections: section values of rectangles, T-beams, I-beams, circles and user
** sections, and the stress check of one section under one set of internal forces
** (EN 1995-1-1 6.1, 6.2, 6.3; DIN 1052). Section lengths in cm, forces in kN, moments in kNm,
** strengths and stresses in N/mm2 (MN/m2), section values in cm2, cm3, cm4.
*/
#pragma once

#include <cstdint>

/* Section kinds. */
enum {
    SECTION_RECHTECK = 1,
    SECTION_PLATTENBALKEN = 2,
    SECTION_DOPPEL_T = 3,
    SECTION_KREIS = 4,
    SECTION_USER = 99
};

/* Slots of the section-value array of Calc_Querschnittswerte. */
enum {
    SV_A = 0,
    SV_W_T = 1,
    SV_W_U = 2,
    SV_W_O_NEG = 3,
    SV_W_ZP = 4,
    SV_W_ZM_NEG = 5,
    SV_A_QY = 6,
    SV_A_QZ = 7,
    SV_I_Y = 8,
    SV_I_Z = 9,
    SV_I_T = 10,
    SV_Y_S = 11,
    SV_Z_S = 12,
    SV_Y_MIN = 13,
    SV_Y_MAX = 14,
    SV_Z_TOP = 15,
    SV_DEPTH = 16,
    SV_COUNT = 17
};

/* Internal forces: N (tension positive), Vy, Vz (kN), T, My, Mz (kNm). */
/* Material class of the section checks (Section_Check_Input.mat_group). */
enum : int32_t {
    SECTION_MAT_SOFTWOOD = 0,
    SECTION_MAT_HARDWOOD = 1,
    SECTION_MAT_GLULAM = 2,
    SECTION_MAT_OTHER = 3,
    SECTION_MAT_VENEER = 4 /* laminated veneer lumber and other veneer products */
};

typedef struct Section_Forces {
    double N, Vy, Vz, T, My, Mz;
} Section_Forces;

/* Dimensions in the field order of the kind: rectangle b, d (cm); see Calc_Querschnittswerte. */
typedef struct Section_Dims {
    float v[16];
} Section_Dims;

/* Flags of Section_Check_Input. */
#define SCI_BUCKLING_Y    0x1u
#define SCI_BUCKLING_Z    0x2u
#define SCI_KIPPEN        0x4u
#define SCI_AXIAL_BENDING 0x400u
#define SCI_FIRE          0x800u
#define SCI_EUROCODE      0x4000000u

/* One member of the section check; preset from Section_Check_Template. */
typedef struct Section_Check_Input {
    uint32_t flags;
    int32_t notch_position; /* 0 none, 1 top, 2 left, 3 bottom, 4 right */
    int32_t fire_exposure;  /* -1 none, 0 four-sided, 1..4 one side protected, 1000 per side */
    int32_t fire_method;    /* 1 reduced properties, 2 reduced cross-section */
    int32_t mat_group;      /* SECTION_MAT_SOFTWOOD .. SECTION_MAT_VENEER */
    double gamma_m;
    double kmod;
    double k_m;
    double k_h_y;
    double k_h_z;
    double k_h_t;
    double k_cr_y;
    double k_cr_z;
    double k_shape;
    double f_m_y_k; /* N/mm2 */
    double f_m_z_k; /* N/mm2 */
    double f_t_0_k; /* N/mm2 */
    double f_c_0_k; /* N/mm2 */
    double f_v_k;   /* N/mm2 */
    double notch_e; /* cm */
    double char_t;  /* charring depth for exposures 0..4, cm */
    double k_c_y;
    double k_c_z;
    double k_crit_y;
    double k_crit_z;
    const double *overrides; /* section-value overrides, or null */
    int32_t n_overrides;
    uint32_t override_mask; /* bit i: override i replaces section value i (i < 10) */
    double char_to, char_tl, char_tu, char_tr; /* charring per side for exposure 1000, cm */
} Section_Check_Input;

extern const Section_Check_Input Section_Check_Template;

/* Precomputed geometry and strengths (fire members of the member-check print). */
typedef struct Section_Precomputed {
    double e_y, e_z;                                  /* cm */
    double f_m_y_d, f_m_z_d, f_c_0_d, f_t_0_d, f_v_d; /* N/mm2 */
    double k_c_y, k_c_z, k_crit_y, k_crit_z;
    int32_t sides_mask;
    int32_t section_kind;
    double dims[6]; /* cm */
} Section_Precomputed;

typedef struct Section_Check_Result {
    int32_t reserved; /* always 0 */
    uint32_t code;    /* governing check: pass bits, edge bits and form */
    double f_m_y_d, f_m_z_d, f_t_0_d, f_c_0_d, f_v_d, f_tor_d; /* N/mm2 */
    double sigma_N;
    double sigma_m_y_top, sigma_m_y_bottom;
    double sigma_m_z_pos, sigma_m_z_neg;
    double sigma_min, sigma_max;
    double tau_tor, tau_v;
    double U_c; /* compression pass */
    double U_t; /* tension pass */
    double U_v; /* shear and torsion */
    double U_max;
} Section_Check_Result;

/* Result codes. */
#define SCR_PASS_COMPRESSION 0x10u
#define SCR_PASS_TENSION     0x20u
#define SCR_SHEAR            0x40u
#define SCR_KIPPEN           0x4000u

/* Section values of a kind into values[0..n-1] (see SV_*). Always 0. */
int32_t Calc_Querschnittswerte(int32_t kind, const Section_Dims *dims, double *values, int32_t n);
/* Torsion of a solid rectangle: returns W_T, writes I_T (cm3, cm4). */
double Calc_Torsion_Rechteck(double side1, double side2, double *I_T);

/* Residual rectangle after a notch or charring; 1 when the section changes. */
int32_t Calc_Restquerschnitt(int32_t kind, int32_t notch_position, double e, int32_t fire_exposure,
                             int32_t fire_method, double t, double t_o, double t_l, double t_u,
                             double t_r, double *db, double *dd, double *e_y, double *e_z,
                             int32_t *sides_mask);
/* Fire strengths; 0 success, 2 a non-positive reduced strength. */
int32_t Calc_Brand_Festigkeiten_DIN(int32_t fire_method, int32_t mat_group, int32_t fire_exposure,
                                    int32_t sides_mask, double d, double b, double f_m, double f_c,
                                    double f_t, double *f_m_fi, double *f_c_fi, double *f_t_fi);
int32_t Calc_Brand_Festigkeiten_EC(int32_t fire_method, int32_t mat_group, int32_t fire_exposure,
                                   int32_t sides_mask, double d, double b, double f_m, double f_c,
                                   double f_t, double *f_m_fi, double *f_c_fi, double *f_t_fi);

/* The section check: 1 after a check, 0 for a null result. */
int32_t Nachweis_Holz_Querschnitt(const Section_Forces *forces, const Section_Check_Input *member,
                                  const Section_Precomputed *pre, int32_t kind,
                                  const Section_Dims *dims, Section_Check_Result *result);
int32_t Calc_Holz_Querschnitt(const Section_Forces *forces, const Section_Check_Input *member,
                              int32_t kind, const Section_Dims *dims, Section_Check_Result *result);
