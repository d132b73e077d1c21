/*
** Aluminium grades: the table of 97 wrought alloys and tempers of EN 1999-1-1 and a growable
** list of user-defined grades. Strengths in N/mm2, thicknesses in mm. Codes 0..96 index the
** table; a negative 16-bit code (bit 15 set) names a user grade by its low 15 bits.
*/
#pragma once

#include <cstdint>

#define ALU_GRADE_COUNT 97

typedef struct Alu_Grade {
    uint32_t code;      /* grade code (user rows with bit 15) */
    const char *name;   /* e.g. "3004 H14", code page 850 */
    const char *alloy;  /* e.g. "3004" (user rows: owned by the list) */
    const char *temper; /* e.g. "H14" */
    double t_from;      /* mm */
    double t_to;        /* mm */
    double E;           /* N/mm2 */
    double G;           /* N/mm2 */
    double nu;
    double alpha_T; /* 1/K */
    double f0;      /* 0.2 % proof strength, N/mm2 */
    double fu;      /* ultimate strength, N/mm2 */
    double A50;     /* elongation, % */
    double fo_haz;  /* N/mm2 */
    double fu_haz;  /* N/mm2 */
    double rho_o_haz;
    double rho_u_haz;
    const char *buckling_class; /* "A" or "B" */
    double n;                   /* exponent */
} Alu_Grade;

double Get_Alu_Fu(int32_t code);              /* 220 when not found */
const char *Get_Alu_Grade_Name(int32_t code); /* "?????" when not found */
const Alu_Grade *Get_Alu_Grade(int32_t code); /* fallback when not found */
double Get_Alu_T_From(int32_t code);
double Get_Alu_T_To(int32_t code);
double Get_Alu_F0(int32_t code);
const char *Get_Alu_Alloy_Name(int32_t code);
const char *Get_Alu_Temper_Name(int32_t code);
int32_t Get_Alu_Code_At(int32_t index, const int32_t *codes, int32_t count);

/* User list: the list owns copies of every text it keeps. */
int32_t Add_User_Alu_Grade(const Alu_Grade *row);
int32_t Remove_User_Alu_Grade(int32_t code);
void Clear_User_Alu_Grades(void);
int32_t Get_User_Alu_Grade_Count(void);
const Alu_Grade *Get_User_Alu_Grade_At(int32_t index);
const Alu_Grade *Get_Alu_Fallback(void);
