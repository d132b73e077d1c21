/*
** Settings of the design-check module that hold for all checks of a structure: the code
** sections served, the general settings (snow altitude, combination rules, partial factors of
** DIN 1045-1 and DIN 1052:2008, kmod by load-duration class, deflection limits), the automatic
** Eurocode situations and the names of the two settings files.
*/
#pragma once

#include <cstdint>

typedef struct Nchw_Global_Settings_Rec {
    int32_t altitude_switch;           /* 1: above sea level + 1000 m, 0: up to that height */
    int32_t din18800_comb_code;        /* 4: DIN 18800 main and secondary; 1: DIN 1055-100 */
    int32_t din1055_gamma_g;           /* 1 "1.35 / 1.00", 2 "1.10 / 0.90", 3 "1.05 / 0.95" */
    double gamma_c_fund, gamma_s_fund; /* DIN 1045-1, persistent and transient */
    double gamma_c_acc, gamma_s_acc;   /* accidental */
    double gamma_c_fatigue, gamma_s_fatigue;
    double gamma_c_quake, gamma_s_quake;
    int32_t service_class;    /* 0, 1, 2 for service classes 1, 2, 3 */
    int32_t gamma_m_standard; /* 1: gamma_M follows the standard values */
    int32_t kmod_standard;    /* 1: kmod and kdef follow the service class */
    int32_t timber_int4;      /* saved and read back only */
    double gamma_m_fund;      /* DIN 1052:2008, persistent and transient */
    double gamma_m_quake;     /* earthquake */
    double gamma_m_acc;       /* accidental */
    double kdef;
    double kmod[5];                /* Kmod_Table: permanent, long, medium, short, instantaneous */
    int32_t recommended_limits;    /* 1: deflection divisors follow the recommended values */
    double deflection_divisors[6]; /* l / divisor */
} Nchw_Global_Settings_Rec;

extern Nchw_Global_Settings_Rec Nchw_Global_Settings;
extern const Nchw_Global_Settings_Rec Nchw_Global_Settings_Initial;

/* Bits of Nchw_Norm_Mask. */
enum {
    NCHW_NORM_SNOW = 1,
    NCHW_NORM_DIN18800 = 2,
    NCHW_NORM_DIN1045 = 4,
    NCHW_NORM_DIN1055 = 8,
    NCHW_NORM_TIMBER = 16,
    NCHW_NORM_EUROCODE = 32
};
extern int32_t Nchw_Norm_Mask;      /* initial 31 */
extern int32_t Auto_Xtr_Situations; /* 1 suv Bs, 2 ag Bs, 4 NdT, 8 earthquake; initial 0 */
extern char Nachweis_Def_Name[33];
extern char Nachweis_Val_Name[33];
extern int32_t Nchw_Write_Xtr_Switch; /* initial 1 */
extern int32_t Lkom_Count_Limit;      /* -1: no limit */
extern char Lkom_Limit_Program[64];
extern void *Nchw_New_Check_GenRule; /* template generation rule for new checks */

void Set_Nchw_Norm_Mask(int32_t mask);
void Set_Nchw_Write_Xtr_Switch(int32_t value);
void Set_Nchw_New_Check_GenRule(void *rule);
void Set_Nachweis_Def_Name(const char *name);
void Set_Nachweis_Val_Name(const char *name);
void Set_Lkom_Count_Limit(int32_t limit, const char *program);
void Get_Gamma_M_Timber(double *persistent, double *earthquake, double *accidental);
double Kmod_Of_Kled(int32_t kled);
/* Back to the initial values of every setting. */
void Reset_Nchw_Settings(void);
