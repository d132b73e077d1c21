/*
** Fastener catalogue files of the private data path (one per fastener family), read once at
** start-up into static tables, and the getters keyed by fastener type code and row index.
** Lengths and diameters in mm; connector capacities as tabulated.
*/
#pragma once

#include <cstdint>
#include "catalogue/cat_types.h"

#define VBM_CAT_MAX_ROWS    30 /* rows of every catalogue table */
#define VBM_CAT_MAX_LENGTHS 30 /* lengths of one nail or screw row */

/* One size of a nail or screw family. */
typedef struct Vbm_Catalogue_Row {
    double d;                         /* nominal diameter, mm */
    double d1;                        /* core diameter, mm */
    double dk;                        /* head diameter, mm */
    double ds;                        /* shank diameter, mm */
    double fak_lef;                   /* effective length / length */
    double k;                         /* head height, mm */
    double xLE100;                    /* deduction from a length below 100 mm */
    double xLE200;                    /* deduction from a length from 100 to below 200 mm */
    double xGT200;                    /* deduction from a length of 200 mm and more */
    int32_t n_l;                      /* number of lengths */
    double l[VBM_CAT_MAX_LENGTHS];    /* lengths, mm */
    double l_ef[VBM_CAT_MAX_LENGTHS]; /* effective length of each length, mm */
} Vbm_Catalogue_Row;

/* One nail or screw family. */
typedef struct Vbm_Catalogue {
    int32_t header; /* format number, first number of the file */
    int32_t n_rows; /* rows in use */
    Vbm_Catalogue_Row rows[VBM_CAT_MAX_ROWS];
} Vbm_Catalogue;

/* One size of a ring or shear-plate connector (mm; F as tabulated). */
typedef struct Connector_Row {
    double dc, hc, he, t, r, t1, a1, a2, d1, d2, d3, d4, d5, h1, h2, h3, db_min, db_max, F;
    int32_t int_a, int_b; /* integer columns, kept but not answered */
} Connector_Row;

typedef struct Connector_Catalogue {
    int32_t header;
    int32_t n_rows;
    Connector_Row rows[VBM_CAT_MAX_ROWS];
} Connector_Catalogue;

/* The fixed diameter lists of dowels (code 29) and bolts (code 30), mm. */
typedef struct Diameter_List {
    int32_t count;
    double d[8];
} Diameter_List;

typedef struct Dowel_Bolt_Diameter_Lists {
    Diameter_List dowel; /* 6, 8, 10, 12, 16, 20, 24 */
    Diameter_List bolt;  /* 6, 8, 10, 12, 16, 20, 24, 30 */
} Dowel_Bolt_Diameter_Lists;

extern Dowel_Bolt_Diameter_Lists Dowel_Bolt_Diameters;

/* The B1 shear-plate table (code 31), read directly by the design and the results. */
extern Connector_Catalogue Ec5_Schduebel_B1_Table;

/* ---- readers: one per file, 1 success, 0 failure; a second call after success reads nothing */
int32_t Load_Ec5_Nagel(void);
int32_t Load_Ec5_Klammer(void);
int32_t Load_Ec5_Schraube(void);
int32_t Load_Ec5_Assy_Plus_Vg_Z(void);
int32_t Load_Ec5_Assy_Plus_Vg_S(void);
int32_t Load_Ec5_Spax_S_Vg(void);
int32_t Load_Ec5_Spax_S_Tg(void);
int32_t Load_Ec5_Spax_T_Tg(void);
int32_t Load_Ec5_Sondernagel(void);
int32_t Load_Ec5_Topix_K6k_Tg(void);
int32_t Load_Ec5_Topix_K6k_Vg(void);
int32_t Load_Ec5_Topix_Rundk_Vg(void);
int32_t Load_Ec5_Topix_Senkk_Vg(void);
int32_t Load_Ec5_Topix_Tcs_Senkk_Var_Vg(void);
int32_t Load_Ec5_Topix_Tcs_Senkk_Tg(void);
int32_t Load_Ec5_Topix_Frt_Senkk_Var_Vg(void);
int32_t Load_Ec5_Topix_Frt_Senkk_Vg(void);
int32_t Load_Ec5_Topix_Frt_Senkk_Tg(void);
int32_t Load_Ec5_Topix_Tellerk_Var_Vg(void);
int32_t Load_Ec5_Topix_Tellerk_Tg(void);
int32_t Load_Ec5_Topix_Tellerk_Vg(void);
int32_t Load_Ec5_Topix_Zylk_Vg(void);
int32_t Load_Ec5_Topix_Zylsenk_Vg(void);
int32_t Load_Ec5_Ringduebel_A1(void);
int32_t Load_Ec5_Schduebel_C1(void);
int32_t Load_Ec5_Schduebel_C5(void);
int32_t Load_Ec5_Schduebel_C10(void);
int32_t Load_Ec5_Schduebel_B1(void);
int32_t Load_Ec5_Schduebel_C2(void);
int32_t Load_Ec5_Schduebel_C11(void);
int32_t Load_Ec5_Simpson_Cna(void);
int32_t Load_Ec5_Simpson_Csa(void);
int32_t Init_Dowel_Bolt_Diameters(void);

/* Calls every start-up reader once, in the start-up order; results ignored. */
void Load_Vbm_Catalogues(void);

/* Clears every table and done flag (a fresh start; used by tests). */
void Reset_Vbm_Catalogues(void);

/* A number that changes whenever a table was read or cleared, or the diameter lists were set:
** what was computed from the catalogues before is then out of date. */
uint32_t Vbm_Catalogue_Generation(void);

/* The Simpson tables (read by readers that the program never calls). */
const Vbm_Catalogue *Get_Simpson_Catalogue(int32_t csa);

/* ---- access */
int32_t Get_Vbm_Catalogue_Rows(Vbm_Type_Code code);
Vbm_Catalogue *Get_Vbm_Catalogue(Vbm_Type_Code code);
const Connector_Catalogue *Get_Connector_Catalogue(Vbm_Type_Code code);
double Get_Vbm_Diameter(Vbm_Type_Code code, int32_t row);
double Get_Connector_Value(Vbm_Type_Code code, int32_t row, const char *key);
double Get_Vbm_Row_Value(Vbm_Type_Code code, int32_t row, const char *key);
int32_t Get_Vbm_Row_Length_Count(Vbm_Type_Code code, int32_t row);
double Get_Vbm_Length(Vbm_Type_Code code, int32_t row, int32_t i);
double Get_Vbm_Eff_Length(Vbm_Type_Code code, int32_t row, int32_t i);
int32_t Find_Vbm_Row_By_Diameter(Vbm_Type_Code code, double d);
/* The row of a connector catalogue whose d_c is dc (mm), -1 where it holds none (or code has no
** connector catalogue): a missing size is never answered by another row. */
int32_t Find_Connector_Row_By_Diameter(Vbm_Type_Code code, double dc);
int32_t Find_Vbm_Length_Index(Vbm_Type_Code code, int32_t row, double l);

/* Selection lists of lengths ("%3.0lf mm") and diameters ("%6.2lf mm"); each builder owns one
** static list, valid until its next call; *count receives the number of items. */
Mat_List_Item *Build_Vbm_Length_List(Vbm_Type_Code code, int32_t row, int32_t colour,
                                     int32_t *count);
Mat_List_Item *Build_Vbm_Diameter_List(Vbm_Type_Code code, int32_t colour, int32_t *count);
Mat_List_Item *Build_Vbm_Diameter_List_B(Vbm_Type_Code code, int32_t colour, int32_t *count);

/* Adds 1 to *index when it is 2 or more (old input files). */
void Adjust_List_Index(int32_t *index);
