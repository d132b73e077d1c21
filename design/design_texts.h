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
extern const char Sym_Diameter[];      /* "\x8C" diameter sign */
extern const char Sym_Greater_Equal[]; /* "\xF2" greater-or-equal sign */
extern const char Sym_Delta[];         /* "\xA3" Delta sign */

/* ---------------------------------------------------------------- message catalogue */

/*
** Return the error text of a code in the wording of the standard in force (DIN 1052 without a
** national annex, else EN 1995). Code 0 gives null; a code without a text gives an empty text.
** The text lives in a buffer of the run record of the calling thread (design_state.h) until
** the next call there.
*/
const char *Get_Error_Text(int32_t code);

/* Return the note text of a hint code (or the long form of an error code), in a buffer of the
** calling thread's run record like Get_Error_Text; null for code 0, an empty text for a code
** without a note. */
const char *Get_Hint_Text(int32_t code);

/*
** Return the error code that refuses a member of material group (4..21) and grade (0..9) in a
** service class (1..3) for which it has no kmod (EN 1995-1-1, Table 3.1); Get_Error_Text names
** the grade and the class. 0 for arguments outside those ranges.
*/
int32_t Board_Service_Class_Code(int32_t group, int32_t grade, int32_t service_class);

/* Return the note text of Get_Hint_Text in code page 1252, with the display-font symbols written
** as plain letters ("Anteil dRk", "Schrauben mit d>=8 mm"); null for code 0. A buffer of its own
** in the calling thread's run record. */
const char *Get_Hint_Text_Cp1252(int32_t code);

/* ---------------------------------------------------------------- labels and factors */

/* Spacing-rule indices (DIN 1052 numbering) that the spacing rules answer; Map_Rule_Index_Ec5
** gives the EN 1995 number. */
enum : int32_t {
    SPACING_RULE_NONE = 0,
    SPACING_RULE_DOWEL = 8, /* dowels and fitted bolts */
    SPACING_RULE_BOLT = 9,
    SPACING_RULE_NAIL = 10, /* nails and screws */
    SPACING_RULE_STAPLE = 13,
    SPACING_RULE_RING = 18,         /* ring and shear-plate connectors */
    SPACING_RULE_TOOTHED = 20,      /* toothed plates C1, C2, C5 */
    SPACING_RULE_TOOTHED_ROUND = 21 /* toothed plates C10, C11 */
};

/*
** Return the print-list label of the governing equation index: "Gl.(%d)" under DIN 1052, the
** letter of EN 1995-1-1, Figures 8.2 and 8.3 under EN 1995 ("Gl.(a)" .. "Gl.(m)" without i; an
** intermediate plate, 23 to 29, by its thick-plate mode; "Gl.(j)" beyond); index 30 is the
** aluminium bearing stress. The label lives in a buffer of the calling thread's run record until
** the next call.
*/
const char *Get_Equation_Label(int index);
/*
** The label of a governing mode code with, for an intermediate plate, the thin-plate mode thin
** interpolated with it (0 when not known): "Gl.(k)/(l)" under EN 1995, "G20/21" under DIN 1052
** for double shear (23, 24; without thin 19 and 20), else Get_Equation_Label. Same buffer.
*/
const char *Get_Mode_Pair_Label(int code, int thin);
/* The thick-plate mode of an intermediate plate's code (23 to 29), any other code itself. */
int Plate_Thick_Mode(int code);
/* The letter of failure mode code 1 to 22 in EN 1995-1-1, Figures 8.2 and 8.3 (of an
** intermediate plate its thick-plate mode's), '\0' for any other code. */
char Get_Mode_Letter(int code);

/* Return the EN 1995 number of a DIN 1052 spacing-rule index (SPACING_RULE_*); unchanged under
** DIN 1052 and for an index without an EN 1995 number. */
int Map_Rule_Index_Ec5(int index);

/* Return the index of a governing failure mode as it is stored (unchanged). */
int Map_Rule_Index(int index);

/*
** Return the partial factor gamma_M of a material group (EN 1995-1-1, 2.4.1 and the national
** annex): under DIN 1052 1.3, or 1.0 in the accidental situation; under EN 1995 the annex's
** factor of the material (fibreboards by sub_type: 0 hard, 1 medium, else soft; aluminium by
** Get_Alu_Gamma_M), its accidental factor, or 0.0 for a material without one.
*/
double Get_Gamma_M(int material, int sub_type, int accidental);

/*
** Return the partial factor gamma_M of connections (EN 1995-1-1, Table 2.3): the annex's factor
** of connections, or its factor of the accidental situation, which Table 2.3 gives for every
** timber resistance, connections included; under DIN 1052 1.3, or 1.0 in the accidental situation.
** The splitting of 8.1.4 and the block shear of Annex A are resistances of the connection and take
** it as well.
*/
double Get_Gamma_M_Connections(int accidental);

/* Return the name of a proof method (0 simplified, 1 exact, 2 design values), the long form when
** long_form is set; empty for any other method. A buffer of the calling thread's run record. */
const char *Get_Proof_Method_Text(int method, int long_form);

/*
** Return the area in mm² that one fastener of diameter d (mm) removes from a member of
** thickness t (mm) (EN 1995-1-1, 5.2(3); DIN 1052 takes nail and staple holes with 0.9 d):
** nails and screws only when pre-drilled or thicker than 6 mm, staples thicker than 6 mm with
** two holes, dowels d, bolts d + 1 unless fitted; a connector of catalogue row connector_row in
** one face of the member the part of it that lies there, he dc, plus its bolt hole (bolt_index,
** fitted) over t - he. 0 for other types.
*/
double Calc_Vbm_Net_Section_Loss(int type, double d, int connector_row, int bolt_index,
                                 int predrilled, int fitted, double t);

/* Return the bolt hole of a connector unit (mm): the diameter of the bolt-size index bolt_index
** + 1 mm, or the bolt's diameter alone when fitted. */
double Connector_Bolt_Hole(int bolt_index, int fitted);

/*
** Return the projected hole area in mm² of one fastener of the catalogue row catalogue_row in a
** member of thickness t (mm), and write the hole width in mm to *width when given: nails d - 1
** (an area 0.9 t w only when pre-drilled or wider than 6 mm), dowels d, bolts d + 1 unless
** fitted, B1 connectors their d3, C2 and C11 the mean of bolt hole and d (area: the bolt hole).
** Types without a hole rule give 0 and the catalogue diameter d as width.
*/
double Calc_Vbm_Hole_Width(int type, int catalogue_row, int bolt_index, int predrilled, int fitted,
                           double t, double *width);

/* Return the partial factor of aluminium-plate bearing: the second factor of the annex's
** EN 1999 block, or 1.1 when the block holds none. */
double Get_Alu_Gamma_M(void);
