/*
** Generation rules of a design check: the working state of the generator (settings, window
** states, joint groups, factors) stored into a rule, a check's standard rule, a rule applied
** to the working state, and a rule's factors as a text block of the design-check file.
*/
#pragma once

#include <cstdint>
#include <cstdio>

#include "checks/nchw_rec.h"

/* Indices of GenRule_Rec.factor_arrays / factor_counts. */
enum { GENRULE_LOADCASES = 0, GENRULE_ACTIONS = 1, GENRULE_IMPERFECTIONS = 2 };

void Apply_GenRule_To_Tables(const GenRule_Rec *rule);
GenRule_Rec *Store_GenRule(Nchw_Rec *check, GenRule_Rec *rule);
GenRule_Rec *New_Standard_GenRule(Nchw_Rec *check);
void Save_GenRule_Factors(GenRule_Rec *rule);
void Load_GenRule_Factors(const GenRule_Rec *rule);
/* Return 0 on success, 1 for a null file or rule or a failed write. */
int Write_GenRule_Factors(FILE *file, const GenRule_Rec *rule);
/* Return 1 when the block was read completely, 0 otherwise (the rule is then standard). */
int Read_GenRule_Factors(FILE *file, GenRule_Rec *rule);
/* 0-based position of the check in the list; -1 when it is not in the list. */
int32_t Nchw_List_Position(const Nchw_Rec *check);
