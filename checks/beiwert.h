/*
** Partial factors and combination coefficients of actions: the built-in coefficient rows, the
** lookup of the four factors of one action (psi_dom, psi_sub, gamma_sup, gamma_inf) by a
** ten-field key, the copy of the active national annex's EN 1990 factors into the Eurocode rows,
** and the override file "nachweis.val".
**
** Gamma rows hold 6 values indexed by action category 1..6 (1 permanent, 2 variable, 3 liquid
** pressure and machinery, 4 restraint, 5 prestress, 6 accidental or earthquake); psi rows hold
** 11 values indexed by psi index 1..11 (1 "Wohn-, Büroräume" .. 7 snow and ice, 8 wind,
** 9 temperature, 10 settlement, 11 other actions). Element [i-1] holds index i.
*/
#pragma once

#include <cstdint>

struct NAD_EC0_Params;

#define BW_GAMMA_N 6
#define BW_PSI_N   11

typedef struct Beiwert_Tables_Rec {
    double DIN1045_psi_X[BW_PSI_N];
    double DIN1045_psi_0[BW_PSI_N];
    double DIN1045_psi_1[BW_PSI_N];
    double DIN1045_psi_2[BW_PSI_N];
    double DIN1045_psi_0snow[BW_PSI_N];
    double DIN1045_psi_1snow[BW_PSI_N];
    double DIN1045_psi_2snow[BW_PSI_N];
    double DIN1045_psi_mued[BW_PSI_N];
    double Eurocode_psi_X[BW_PSI_N];
    double Eurocode_psi_0[BW_PSI_N];
    double Eurocode_psi_1[BW_PSI_N];
    double Eurocode_psi_2[BW_PSI_N];
    double Eurocode_psi_2E[BW_PSI_N]; /* psi2 of the seismic situation; no keyword */
    double DIN18800_psi_N[BW_PSI_N];
    double DIN18800_psi_H[BW_PSI_N];

    double DIN1045_gamma_sup1_linear_norm[BW_GAMMA_N];
    double DIN1045_gamma_inf1_linear_norm[BW_GAMMA_N];
    double DIN1045_gamma_sup1_nonlin_norm[BW_GAMMA_N];
    double DIN1045_gamma_sup1_linear_nor1[BW_GAMMA_N];
    double DIN1045_gamma_inf1_linear_nor1[BW_GAMMA_N];
    double DIN1045_gamma_sup1_nonlin_nor1[BW_GAMMA_N];
    double DIN1045_gamma_sup1_linear_nor2[BW_GAMMA_N];
    double DIN1045_gamma_inf1_linear_nor2[BW_GAMMA_N];
    double DIN1045_gamma_sup1_nonlin_nor2[BW_GAMMA_N];
    double DIN1045_gamma_sup1_linear_spec[BW_GAMMA_N];
    double DIN1045_gamma_inf1_linear_spec[BW_GAMMA_N];
    double DIN1045_gamma_sup1_linear_spe1[BW_GAMMA_N];
    double DIN1045_gamma_inf1_linear_spe1[BW_GAMMA_N];
    double DIN1045_gamma_sup1_linear_spe2[BW_GAMMA_N];
    double DIN1045_gamma_inf1_linear_spe2[BW_GAMMA_N];
    double DIN1045_gamma_sup1_linear_mued[BW_GAMMA_N];
    double DIN1045_gamma_inf1_linear_mued[BW_GAMMA_N];
    double Eurocode_gamma_sup1_norm[BW_GAMMA_N];
    double Eurocode_gamma_inf1_norm[BW_GAMMA_N];
    double Eurocode_gamma_sup1_spec[BW_GAMMA_N];
    double Eurocode_gamma_inf1_spec[BW_GAMMA_N];
    double Eurocode_gamma_sup1_erdbeben[BW_GAMMA_N]; /* no keyword */
    double Eurocode_gamma_inf1_erdbeben[BW_GAMMA_N]; /* no keyword */
    double Eurocode_gamma_sup_gebrauch[BW_GAMMA_N];  /* no keyword */
    double Eurocode_gamma_inf_gebrauch[BW_GAMMA_N];  /* no keyword */
    double DIN18800_gamma_sup1_norm[BW_GAMMA_N];
    double DIN18800_gamma_inf1_norm[BW_GAMMA_N];
    double DIN18800_gamma_sup1_spec[BW_GAMMA_N];
    double DIN18800_gamma_inf1_spec[BW_GAMMA_N];
    double gamma_altenorm_allways_sup[BW_GAMMA_N];
    double gamma_altenorm_allways_inf[BW_GAMMA_N];
    double gamma_altenorm_NCHW001_sup[BW_GAMMA_N];
    double gamma_altenorm_NCHW002_sup[BW_GAMMA_N];
    double gamma_sup_gebrauch_allways[BW_GAMMA_N];
    double gamma_inf_gebrauch_allways[BW_GAMMA_N];
} Beiwert_Tables_Rec;

/* The rows for the whole run; changed only by the annex copy and by "nachweis.val". */
extern Beiwert_Tables_Rec Beiwert_Tables;
/* The built-in values, for resetting the rows. */
extern const Beiwert_Tables_Rec Beiwert_Tables_Builtin;

/*
** Key of one coefficient lookup: ten 32-bit fields, the tenth a pointer.
**   type_id     design-check type id; 33, 43, 71, 72, 81, 82, 124, 214, 224 pick special rows,
**               1 and 2 special gamma rows of the old code
**   limit_state 1 ultimate, 2 serviceability
**   family      1 DIN 1045-1 / DIN 1055-100, 2 Eurocode, 4 DIN 18800, 8 old code,
**               16 and 32 bridges
**   variant     bits 1, 2, 4: gamma_G variant (ULS) or rare/frequent/quasi-permanent (SLS)
**   kind        combination kind 1 fundamental, 2 accidental, 4 seismic, 8, 16
**   category    action category 1..6; 7 and >= 99 count as 6 (see the guard)
**   psi_index   1..11
**   load_group  bridge load-group code (>= 101 for the bridge families), else -1
**   flags       bit 0 snow rows of DIN 1045; bit 16 psi_1/psi_2 for type 43
**   variant_rec handed to the bridge lookup; null: an empty, zero-filled record
*/
typedef struct Einw_Beiwert_Key {
    int32_t type_id;
    int32_t limit_state;
    int32_t family;
    int32_t variant;
    int32_t kind;
    int32_t category;
    int32_t psi_index;
    int32_t load_group;
    int32_t flags;
    const int32_t *variant_rec;
} Einw_Beiwert_Key;

/* The key used whenever a caller passes none. */
extern const Einw_Beiwert_Key Default_Einw_Beiwert_Key;

typedef int (*Einw_Beiwert_Fn)(const Einw_Beiwert_Key *key, double *psi_dom, double *psi_sub,
                               double *gamma_sup, double *gamma_inf);

/* Installable replacement of the lookup; null (nothing in this program sets it). */
extern Einw_Beiwert_Fn Einw_Beiwert_Hook;

int Lookup_Einwirkung_Beiwerte(const Einw_Beiwert_Key *key, double *psi_dom, double *psi_sub,
                               double *gamma_sup, double *gamma_inf);
int Get_Einwirkung_Beiwerte(const Einw_Beiwert_Key *key, double *psi_dom, double *psi_sub,
                            double *gamma_sup, double *gamma_inf);
struct Nchw_Rec;
int Complete_Beiwert_Key(Einw_Beiwert_Key *key, const struct Nchw_Rec *check);

void Apply_NAD_EC0_Factors_To_Lkom_Tables(void);
/* The copy itself, from a given block (null: no active block). */
void Apply_EC0_Block_To_Beiwert_Tables(const struct NAD_EC0_Params *block);
/* Restore the built-in rows. */
void Reset_Beiwert_Tables(void);

/* ------------------------------------------------------------------ "nachweis.val" */

void Read_Nachweis_Val(void);
/* Read the file at the given path (the reader above forms the path in the private data path). */
void Read_Nachweis_Val_File(const char *path);
int Parse_Val_Gamma_Line(const char *line, const char *keyword, double *row);
int Parse_Val_Psi_Line(const char *line, const char *keyword, double *row, int count);
void Report_Nachweis_Val_Error(const char *keyword);
