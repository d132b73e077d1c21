/*
** Print-list tables of the design checks: extremal rules in the form of their solver data
** (grouped by kmod, deflection parts, creep factor) and the load collectives of a check or of
** the generator. Texts are code page 850 with the print list's escapes (0xCE).
*/
#pragma once

#include <cstdint>
#include <cstdio>

#include "checks/nchw_rec.h"

void Print_Xtr_Kmod_Groups(FILE *f, const Xtr_Rule_Rec *rule);
void Print_Xtr_Kmod_Groups3(FILE *f, const Xtr_Rule_Rec *rule);
void Print_Xtr_Rule_Defl_AB(FILE *f, const Xtr_Rule_Rec *rule, int32_t number);
void Print_Xtr_Rule(FILE *f, const Xtr_Rule_Rec *rule, int32_t number);
void Print_Xtr_Rule_Defl_ABC(FILE *f, const Xtr_Rule_Rec *rule, int32_t number, int a, int b,
                             int c);

/* Situation code of a collective: "A " accidental, "E " earthquake, "SV" otherwise. */
const char *Lkom_Situation_Code(const Lkom_Rec *lkom);
/* The collectives of a check (rule only changes the title); returns 1. */
int Print_Lkoms_Of_Nchw(const Nchw_Rec *check, const GenRule_Rec *rule, FILE *f);
/* The generator's collectives row by row. */
void Print_Generated_Lkoms(FILE *f);
