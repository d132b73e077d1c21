/*
** Steel grades: the Eurocode and the DIN table of 44 grades, the fallback records and a
** growable list of user-defined grades. Strengths in N/mm2, thicknesses in mm.
** A code's bits 0..15 index the table, bits 16 and up equal to 1 select the Eurocode table;
** bit 15 marks a user-defined grade.
*/
#pragma once

#include <cstdint>

#define STAHL_EC_TABLE 0x10000u /* or-ed into a code: the Eurocode table */
#define STAHL_USER_BIT 0x8000u  /* a user-defined grade */

typedef struct Stahlguete {
    uint32_t code;    /* grade code (user rows with bit 15) */
    const char *name; /* name; "?????" when none */
    double E;         /* N/mm2 */
    double G;         /* N/mm2 */
    double nu;        /* Poisson's ratio */
    double alpha_T;   /* 1/K */
    double fy1;       /* N/mm2, thickness up to t1 */
    double fy2;       /* N/mm2, thickness above t1 */
    double t1;        /* mm */
    double t2;        /* mm */
    double fu;        /* N/mm2, thickness up to t1 */
    double fu2;       /* N/mm2, thickness above t1 */
    double alpha_w;   /* weld factor */
} Stahlguete;

const Stahlguete *Get_Stahlguete(uint32_t code); /* never null */
const char *Get_Stahlguete_Name(uint32_t code);
double Get_Stahlguete_Fy(uint32_t code, double t_mm);
/* fu of the thickness range of t_mm: fu up to t1, fu2 above (EN 1993-1-1, Table 3.1). */
double Get_Stahlguete_Fu(uint32_t code, double t_mm);
double Get_Stahlguete_E_G(uint32_t code, double *G);
/* f/gamma, f/gamma, f/(gamma sqrt 3), f/gamma into out[0..3]; 1 for a known code. */
int32_t Calc_Stahlguete_Design_Stresses(uint32_t code, double t_mm, double gamma, double *out);
uint32_t Get_Code_At(int32_t index, const uint32_t *codes, int32_t count);

/* User list (copies the name it keeps). */
uint32_t Add_User_Stahlguete(const Stahlguete *record);
int32_t Remove_User_Stahlguete(uint32_t code);
void Clear_User_Stahlgueten(void);
int32_t Get_User_Stahlguete_Count(void);
const Stahlguete *Get_User_Stahlguete_At(int32_t index);
const Stahlguete *Get_Stahlguete_Fallback(int32_t which); /* 1 Eurocode, else DIN */
