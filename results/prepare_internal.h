/*
** What the two halves of the preparation run share: prepare.cpp (spacings, pattern, distribution
** of the combinations) and prepare_members.cpp (the members, their thicknesses and the refusals
** that name them). Lengths in cm unless a name says mm.
*/
#pragma once

#include "results/splice_calc.h"

/* Tolerance of the comparisons of lengths that are equal by construction (cm). */
#define LENGTH_TOL 1e-6

/* The characteristic density (kg/m³) of material mat and grade at the thickness t_cm, or 0
** where the catalogue gives none. */
double Rho_K_Of(int mat, int grade, double t_cm);

/* ---------------------------------------------------------------- refusals */

/* Note in Fastener_Pattern.refusal that distance `name` (own name `rule`) is value where the
** rules ask required, and return code. */
int Refuse(int code, const char *name, const char *rule, double value, double required);

/* Note that member `name` is value_mm where the rule `how` asks required_mm (beyond: the value
** must exceed it), and return code. */
int Refuse_Size(int code, const char *name, double value_mm, double required_mm, const char *how,
                int beyond);

/* Say in r how the lamellas beside inner plates come from the member and the plates. */
void Lamella_Of(Spacing_Refusal *r);

/* ---------------------------------------------------------------- members */

/* Refuse input that leaves no fastener, plate or valid combination, and derive the side
** timbers' thickness where the program chooses it. Return 0 or an error code. */
int Prepare_Members(void);

/* The member thicknesses, lengths and pre-drilling the fastener needs. Return 0 or an error
** code whose refusal names the member with both values. */
int Prepare_Thicknesses(void);

/* The design's refusals of code in the words of the splice: a member too thin against splitting,
** a member thinner than an approval or a connector asks, a point short of 4 d. Any other code is
** returned as it is. */
int Name_Split_Member(int code);
int Name_Thin_Design_Member(int code);
int Name_Short_Point(int code);
