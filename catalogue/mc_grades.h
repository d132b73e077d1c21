/*
** Timber grade tables of the member check: ten timber groups by code range (national and
** Eurocode softwood, hardwood and glulam, the old admissible-stress grades, glulam of EN 14080,
** veneer products and LVL), their names, a selection-list filler and the material hook.
** Stiffnesses and strengths in MN/m2 (N/mm2), densities in kg/m3.
*/
#pragma once

#include <cstdint>

/* One grade of the member check. */
typedef struct Holzguete_Record {
    int32_t code;     /* grade code, see Get_Holzgruppe */
    const char *name; /* code page 850 */
    double E_0_mean;  /* MN/m2 */
    double E_90_mean; /* MN/m2 */
    double G_mean;    /* MN/m2 */
    double rho_k;     /* kg/m3 */
    double f_m_k;     /* MN/m2 */
    double f_t_0_k;   /* MN/m2 */
    double f_t_90_k;  /* MN/m2 */
    double f_c_0_k;   /* MN/m2 */
    double f_c_90_k;  /* MN/m2 */
    double f_v_k;     /* MN/m2 */
} Holzguete_Record;

#define HOLZ_GROUPS         10
#define MATERIAL_HOOK_WORDS 46

/* Group index 0..9 of a grade code, -1 for a code of no group. */
int32_t Get_Holzgruppe(int32_t code);
/* Grade code of entry index of a group, -1 for an unknown group. */
int32_t Make_Holzguete_Code(int32_t group, int32_t index);
/* The grade's record (never null: an unknown code gives "C14" of group 0). */
const Holzguete_Record *Get_Holzguete_Record(int32_t code);
const char *Get_Holzguete_Name(int32_t code);
/* Number of grades of a group (0 for an unknown group). */
int32_t Get_Holzgruppe_Count(int32_t group);
/* "Nadelholz", ..., "" for group 3, "nicht definiertes Material" above 9. */
const char *Get_Holzgruppe_Name(int32_t group);

/* Appends the name of each code to the string list of a sheet (black); answers the position
** of the last code equal to current, 0 when none is, or for no list or count < 1. */
int32_t Fill_Holzguete_List(int32_t sheet, const int32_t *codes, int32_t count, int32_t current);
/* codes[position], or 1001 for a position outside 0..count-1 (or no list). */
int32_t Get_Holzguete_Code_At(int32_t position, const int32_t *codes, int32_t count);

/* The material hook of a calling program (null unless installed). */
typedef int32_t (*Material_Hook_Fn)(int32_t a, int32_t b, int32_t c, int32_t d);
void Install_Material_Hook(Material_Hook_Fn hook);
/* The hook's answer, or 0 when none is installed. */
int32_t Call_Material_Hook(int32_t a, int32_t b, int32_t c, int32_t d);
/* Sets all 46 words of the hook block to 0 (the material hook among them). */
void Clear_Material_Hooks(void);
/* Answers 0. */
int32_t Holzguete_Stub(void);
