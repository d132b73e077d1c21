/*
** Factor rows of a user-defined load collective: per active load case of the flat tables
** {load case (negative imperfection) number, unfavourable flag, psi, gamma, psi x gamma},
** chosen by the combination rule (code family), the leading action, the limit state, the
** combination and the gamma(G) variant, from the coefficient rows or, for bridges, from the
** coefficients per check type and load group.
*/
#pragma once

#include <cstdint>

#include "checks/nchw_rec.h"

/* Code families of a collective (1 shifted by the rule's list position). */
enum {
    LKOM_FAM_DIN1055 = 1,
    LKOM_FAM_EUROCODE = 2,
    LKOM_FAM_DIN18800 = 4,
    LKOM_FAM_CHAR = 8,
    LKOM_FAM_DIN1072 = 16,
    LKOM_FAM_BRIDGE = 32
};

/* When set, imperfections take part as rows {-n, 1, 1, 1}; set from the check type's compute
** mode (integer 10 = 2) by Build_Udef_Lkom_Factors. */
extern int32_t Lkom_Rows_Imp_Mode;
/* The variant record of the bridge coefficients while a bridge collective is built; else null. */
extern const int32_t *Lkom_Bridge_Variant_Rec;

/*
** Rows over the active load cases. GI/GS: favourable and unfavourable gamma rows (6 values by
** category), PD/PS: psi rows of the leading and accompanying actions (11 values by 0-based psi
** index). leading: position of the leading action in the flat action table (families 1, 2) or
** 1 for the main combination (family 4). Return a new array (caller frees) and its count, or
** null (count 0) when no load case takes part.
*/
Lkom_Row *Build_Lkom_Factor_Rows(int32_t family, int32_t leading, const double *GI,
                                 const double *GS, const double *PD, const double *PS,
                                 int32_t *count, double global_factor);
/* The rows of a bridge collective (coefficients per type and load group). */
Lkom_Row *Build_Lkom_Factor_Rows_Bridge(const Nchw_Type_Rec *type, int32_t *count, int32_t leading);
Lkom_Row *Build_Lkom_Factor_Rows_Bridge_If_Set(const Nchw_Type_Rec *type, int32_t *count,
                                               int32_t leading);
/*
** The rows of a collective of the check type: family, leading action, limit state (1, 2),
** combination (1, 2, 4), gamma(G) variant (0..2). Null (count 0) when the type does not allow
** the family or a setting is out of range. Shows the situation messages unless the builders
** are quiet (Xtr_Message_Switch).
*/
Lkom_Row *Build_Udef_Lkom_Factors(const Nchw_Type_Rec *type, int32_t *count, int32_t family,
                                  int32_t leading, int32_t limit_state, int32_t combination,
                                  int32_t variant);

/* "%5.2f" and "%.2f" of one value into out (at least 32 bytes); answer out. */
char *Lkom_Format_Factor_5_2(double value, char *out);
char *Lkom_Format_Factor_2(double value, char *out);
