/*
** Checks of one design combination of a splice (timber members, steel plates and plate holes,
** fasteners, block shear) and the design run over all combinations with the governing
** combination and the utilisation list. Every check computes and, given a print-list file,
** writes its section; a null file computes only.
**
** Units: forces in kN, moments in kNm, stresses in N/mm², member dimensions in cm.
*/
#pragma once

#include <cstdint>
#include <cstdio>

#include "results/splice_calc.h"
#include "catalogue/catalogue.h"

/* A partial check counts as satisfied up to this utilisation. */
#define UTIL_LIMIT 1.005

/* Symbols of the print list's font. */
#define SYM_ALPHA "\xBA"
#define SYM_RATIO "\xBB"
#define SYM_GAMMA "\xC0"
#define SYM_RHO "\xCB"
#define SYM_SIGMA "\xCC"
#define SYM_TAU "\xD6"
#define SYM_ARROW "\x88"
#define SYM_LE "\xF3"
#define SYM_DEGREE "\xF8"
#define SYM_DIAMETER "\x8C"
#define SYM_SUM "\xB2"

/* ---------------------------------------------------------------- timber members */

int Init_Middle_Timber_Check(Section_Check_Input *rec, double kmod, Section_Dims *dims,
                             double *geo, int *code_a, int *code_b);
int Init_Side_Timber_Check(Section_Check_Input *rec, double kmod, Section_Dims *dims,
                           double *geo, int *code_a, int *code_b);
void Set_Kcr_Factor(Section_Check_Input *rec, int mat);
double Get_Ft90d_Middle(int group, int accidental);
double Get_Ft90d_Side(int group, int accidental);
double Oli_Holz_Nachweis(FILE *file, int group, int entry, double *u_middle, double *u_side);

/* ---------------------------------------------------------------- steel plates */

int Calc_Plate_Stresses(double N, double V, double M, double *sigma, double *tau,
                        double *sigma_v);
double Get_Plate_Shear_Strength(int accidental);

/* The plate check of one combination as Calc_Plate_Check computes it and Print_Plate_Check
** writes it. */
enum { PLATE_CHECK_DONE = 0, PLATE_CHECK_NO_SECTION = 1, PLATE_CHECK_NO_FYD = 2 };
typedef struct Plate_Check {
    int32_t state;                  /* PLATE_CHECK_DONE or why the check cannot be made */
    int32_t bending;                /* 1 for the bending splice */
    double V;                       /* kN, the shear of the joint */
    double sigma, tau, sigma_v;     /* N/mm², stresses of the net section */
    double u;                       /* utilisation, valid when state is PLATE_CHECK_DONE */
} Plate_Check;

/* Compute the plate check of combination (group, entry) into *out; 0 when there is no such
** combination (then *out is untouched). Writes nothing. */
int Calc_Plate_Check(int group, int entry, Plate_Check *out);
/* Write the plate section of a computed check; nothing without a file. */
void Print_Plate_Check(FILE *file, const Plate_Check *check);
double Oli_Blech_Nachweis(FILE *file, int group, int entry);
double Oli_Lochleibung_Nachweis(FILE *file, int group, int entry);

/* ---------------------------------------------------------------- fasteners */

double Get_Nail_Row_N_Ef(int group, int entry, double a1_mm, int *n, double *alpha_min);
double Get_Bolt_Row_N_Ef(int group, int entry, double a1_mm, int *n, double *alpha_min);
double Get_Connector_Row_N_Ef(int group, int entry, int *n, double *alpha_min);
double Oli_Vbm_Nachweis(FILE *file, int group, int entry, int *error);

/* ---------------------------------------------------------------- design run */

typedef struct Governing_Lkom_Rec {
    int32_t group;                  /* -1 when no combination governs */
    int32_t entry;
} Governing_Lkom_Rec;

extern Governing_Lkom_Rec Governing_Lkom;

double Oli_Blockscher_Nachweis(FILE *file, int group, int entry, int *error);
double Run_Nachweise_Lkom(FILE *file, int group, int entry);
double Run_Nachweise(FILE *file, int governing_only);
/* The error codes of the fastener design that the last run showed on the utilisation page, in
** the order shown. */
int Run_Error_Count(void);
const int *Run_Error_Codes(void);
void Write_Nachweis_Summary(FILE *file, double u_max);
void Show_Error_Code(int area, int x0, int y0, int x1, int y1, int code);
void Show_Error_Box_At(int area, int x, int y, const char *text);

/* The view area and rectangle that the utilisation page last drew (for Show_Error_Code). */
void Set_Utilisation_Page_Area(int area, int x0, int y0, int x1, int y1);
