/*
** Generation factors: psi_dom, psi_sub, gamma_sup and gamma_inf per load case, per action and
** per imperfection of the flat design-check tables, computed from the standard coefficients
** of a design situation or typed in by the user. An imperfection's factor is its gamma_sup.
*/
#pragma once

#include <cstdint>

typedef struct Lf_Factor_Row {
    int32_t number; /* load case, action or imperfection number */
    int32_t on;     /* 0: not set, zero factors */
    char name[31];  /* label of the flat table */
    double psi_dom, psi_sub, gamma_sup, gamma_inf;
} Lf_Factor_Row;

typedef struct Lf_Factor_Table_Rec {
    int32_t count[3]; /* load cases, actions, imperfections */
    Lf_Factor_Row *rows[3];
    int32_t has_accidental; /* an action of kind 99 exists */
    int32_t has_earthquake; /* an action of kind 100 exists */
} Lf_Factor_Table_Rec;

enum { LFF_LOADCASES = 0, LFF_ACTIONS = 1, LFF_IMPERFECTIONS = 2 };

extern Lf_Factor_Table_Rec Lf_Factor_Table;
/* Set during Compute_Std_Factors: the situation table is asked for standard rows. */
extern int32_t Lf_Std_Rows_Request;

/* Rebuild the three tables for the current flat tables, every row off; 0 without memory. */
int Build_Lf_Factor_Tables(void);
void Free_Lf_Factor_Tables(void);
/* Factors of load case i (0-based); zeros outside the table or for a row that is off. */
void Get_Lf_Factors(int32_t i, double *psi_dom, double *psi_sub, double *gamma_sup,
                    double *gamma_inf);
/* Factor of imperfection i and its on flag (0 and 0 outside the table). */
int Get_Imp_Factor(int32_t i, double *factor);
/* Fill the tables in standard mode from the current check and the generation settings. */
void Compute_Std_Factors(void);
/* The current check of the generation settings: the entry at its index, else the first. */
struct Nchw_Rec *Lkom_Gen_Current_Check(void);
