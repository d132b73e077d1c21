/*
** Engineered-wood I-joists: the product lines "Steico Wall" (group -12, 8 sections) and
** "Steico Joist" (group -13, 23 sections), built in memory on first use. Lengths in mm,
** strengths in N/mm2, moduli times the line's scale, densities in kg/m3.
*/
#pragma once

#include <cstdint>
#include "catalogue/cat_types.h"

typedef struct Ijoist_Section {
    char name[17]; /* e.g. "SJ LVL,HB 45/200" */
    double b;      /* flange width, mm */
    double h;      /* total depth, mm */
    double hf;     /* flange depth, mm */
    double hw;     /* web height h - 2 hf, mm */
    double I_y;    /* second moment of area of the flanges and web, mm4 */
    double m;      /* mass per metre, kg/m */
} Ijoist_Section;

typedef struct Ijoist_Line {
    const char *name;         /* "Steico Wall" or "Steico Joist" */
    int32_t count;            /* sections */
    int32_t scale;            /* factor applied to the moduli */
    double flange_f[4];       /* flange strengths, N/mm2 */
    double flange_E0_mean;    /* N/mm2 times scale */
    double flange_E0_05;      /* N/mm2 times scale */
    double flange_rho;        /* kg/m3 */
    double web_thickness;     /* mm */
    double web_f[4];          /* web strengths, N/mm2 */
    double web_E;             /* N/mm2 times scale */
    double web_G;             /* N/mm2 times scale */
    double web_rho;           /* kg/m3 */
    double web_f5;            /* fifth web value */
    Ijoist_Section *sections; /* count rows, owned by the line */
} Ijoist_Line;

/* Build the line when not built yet; returns the line. */
const Ijoist_Line *Ijoist_Table_W_Ensure(int32_t scale);
const Ijoist_Line *Ijoist_Table_J_Ensure(int32_t scale);

/* Section names as list items (width 16), every item with the colour. */
Mat_List_Item *Get_Ijoist_W_List(int32_t *width, int32_t *count, int32_t colour);
Mat_List_Item *Get_Ijoist_J_List(int32_t *width, int32_t *count, int32_t colour);

/* First row with |h - h_row| < 1 and |b - b_row| < 1, else the first with the depth alone; -1. */
int32_t Find_Ijoist_Section(const Ijoist_Line *line, double h, double b);
double Calc_Ijoist_Flange_Area(const Ijoist_Line *line, int32_t index);     /* mm2 */
double Calc_Ijoist_Mass_Per_Length(const Ijoist_Line *line, int32_t index); /* mm2 kg/m3 */
void Calc_Ijoist_Contact_Areas(const Ijoist_Line *line, int32_t index, double a1, double a2,
                               double *A1, double *A2, double *A3); /* mm2 */
