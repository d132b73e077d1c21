/*
** Bridge load-case factors for the load-model editor: a factor a and a factor b per load case
** by its bridge load group (codes 101..130), b of a main-lane overload shared among the
** alternative lanes, and the explanatory text shown under the list.
*/
#pragma once

#include <cstdint>

#include "checks/load_model.h"

#define BRIDGE_GROUP_FACTORS 30

extern double Bridge_Group_Factor_A[BRIDGE_GROUP_FACTORS];
extern double Bridge_Group_Factor_B[BRIDGE_GROUP_FACTORS];
extern int32_t Bridge_Group_Factors_Set;

void Set_Lastgruppen_Faktoren(int32_t n, const double *a, const double *b);
/* A new list (the caller releases it with Free_Lf_Factor_List), or null before the tables were set. */
Lf_Factor_List *Build_Lastfall_Faktoren(void);
/* Add the explanatory lines to a view area from *y on; *y advances by 11 per line. */
void Build_Brueckenlast_Hinweis(int area, int *y);
