/*
** Helpers shared by the material sources of catalogue/ (not part of the public interface).
*/
#pragma once

#include <cstdint>
#include "catalogue/cat_types.h"

/* fv,k in N/mm2 of a glulam grade (groups 2, 3) of the active value set and k_cr rule. */
double Glulam_Fv_K(Mat_Group_Code group, int32_t grade);

/* Report one message of the catalogue readers through the hook (printf format). */
void Catalogue_Report(const char *fmt, ...);
