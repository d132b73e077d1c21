/*
** Texts and small services of the connection design: the message catalogue of the error, rule and
** note codes, the equation labels of the print list, the rule-index mapping, the partial factors
** gamma_M of the materials, the names of the proof methods and the net-section loss per fastener.
**
** Texts are code page 850 byte strings in static buffers of their own; callers copy them at once.
*/
#pragma once

#include <cstdint>

/* Display-font symbol strings shared with the print-list writers. */
extern const char Sym_Diameter[];       /* "\x8C" diameter sign */
extern const char Sym_Greater_Equal[];  /* "\xF2" greater-or-equal sign */
extern const char Sym_Delta[];          /* "\xA3" Delta sign */

/* ---------------------------------------------------------------- message catalogue */

const char *Get_Error_Text(int32_t code);
const char *Get_Hint_Text(int32_t code);
const char *Get_Hint_Text_Cp1252(int32_t code);

/* ---------------------------------------------------------------- labels and factors */

/* Spacing-rule indices (DIN 1052 numbering) that the spacing rules answer; Map_Rule_Index_Ec5
** gives the EN 1995 number. */
enum : int32_t {
    SPACING_RULE_NONE = 0,
    SPACING_RULE_DOWEL = 8,             /* dowels and fitted bolts */
    SPACING_RULE_BOLT = 9,
    SPACING_RULE_NAIL = 10,             /* nails and screws */
    SPACING_RULE_STAPLE = 13,
    SPACING_RULE_RING = 18,             /* ring and shear-plate connectors */
    SPACING_RULE_TOOTHED = 20,          /* toothed plates C1, C2, C5 */
    SPACING_RULE_TOOTHED_ROUND = 21     /* toothed plates C10, C11 */
};

const char *Get_Equation_Label(int index);
int Map_Rule_Index_Ec5(int index);
int Map_Rule_Index(int index);
double Get_Gamma_M(int material, int sub_type, int accidental);
const char *Get_Proof_Method_Text(int method, int long_form);
double Calc_Vbm_Net_Section_Loss(int type, double d, int connector_row, int bolt_index,
                                 int predrilled, int fitted, double t);
double Calc_Vbm_Hole_Width(int type, int catalogue_row, int bolt_index, int predrilled,
                           int fitted, double t, double *width);

/* Partial factor of aluminium-plate bearing (EN 1999 block's second factor, 1.1 by default). */
double Get_Alu_Gamma_M(void);
