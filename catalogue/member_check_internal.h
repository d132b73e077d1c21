/*
** Shared state and byte texts of the member-check prints: the two output streams, the axis
** names and the print-list escapes and symbol bytes.
*/
#pragma once

#include <cstdio>

#include "catalogue/member_check.h"

/* print-list escapes */
#define SUB "\xCE\\"
#define SUP "\xCE/"
#define NRM "\xCEr"
/* symbol bytes of the print font */
#define SIGMA "\xCC"
#define TAU   "\xD6"
#define GAMMA "\xC0"
#define LEQ   "\xF3"
#define ARROW "\x88"
/* code page 850 letters inside formats with escapes */
#define AE     "\x84"
#define OE     "\x94"
#define UE     "\x81"
#define SZ     "\xE1"
#define UE_CAP "\x9A"
#define MNM2   " MN/m" SUP "2" NRM

extern FILE *MC_First;            /* section, material, fire values, whole limit-state print */
extern FILE *MC_Second;           /* admissible-stress and limit-state checks, deflections */
extern const char *const MC_Ind1; /* "  " */
extern const char *const MC_Ind2; /* "   " */

/* The axis names: 0 y, 1 z, 2 m, 3 n. */
#define AY MC_Axis_Name(0)
#define AZ MC_Axis_Name(1)
#define AM MC_Axis_Name(2)
#define AN MC_Axis_Name(3)

/* Material group of the section check from the timber group of a grade code. */
int32_t MC_Mat_Group(int32_t grade_code);

/* "k_c" and "k_crit" factors of the set stability flags after a lead text, and a line end. */
void MC_Print_Stability(const char *lead, uint32_t flags, double kcy, double kcz, double kky,
                        double kkz);
/* The reduction factors of the normal-stress check (DIN EN 1995 layout), no line end. */
void MC_Print_Reduction(const Member_Design_Values *ds);
