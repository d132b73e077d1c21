/*
** Services on the list of design checks that the management sheet, the file blocks and the
** host application call: positions, option translations, counts by compute mode, solver lines
** of one generation rule, release of types and checks, renumbering of referenced objects.
*/
#pragma once

#include <cstdint>
#include <cstdio>

#include "checks/nchw_rec.h"

/* 0-based position of the check in the list; 0 also when it is not in the list. */
int32_t Get_Nachweis_Index(const Nchw_Rec *check);
/* Highest generation-rule number of the check; 0 for null or without rules. */
int32_t Max_GenRule_Number(const Nchw_Rec *check);
/* Checks by their type's compute mode: 1 linear, 2 nonlinear, 3 both. */
void Count_Nachweise_By_Mode(int32_t *linear, int32_t *nonlinear);
/*
** Option values between entry order (values[0..n-1] as a check holds them) and option numbers
** (out[k-1] for option number k). Both read the type file first; 0 when it cannot be read or
** the type id is unknown. The second returns min(m, entry count).
*/
int Options_To_Numbered_Values(int32_t type_id, const int32_t *values, int32_t n, int32_t *out,
                               int32_t m);
int Numbered_Values_To_Options(int32_t type_id, const int32_t *values, int32_t n, int32_t *out,
                               int32_t m);
/* Generate and write the collectives of a rule (check and rule by index); 0 when none. */
int32_t Write_GenRule_Lkoms_By_Index(int32_t check_index, int32_t rule_index, FILE *file);
void Free_Nchw_Types_And_Checks(void);
/*
** Renumber objects in the selected lists: with final 0 every entry equal to old becomes -new;
** with final set every negative entry becomes positive. A negative object type means all.
*/
void Renumber_Nchw_Objects(int32_t old_number, int32_t new_number, int32_t final,
                           int32_t object_type);

/* Colours of the tree view of checks. */
typedef struct Nchw_Tree_Style {
    int32_t text, background, lines, marker, selected_text; /* colour indices */
} Nchw_Tree_Style;

const Nchw_Tree_Style *Get_Nchw_Tree_Colour(void);
