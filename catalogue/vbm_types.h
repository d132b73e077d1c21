/*
** Fastener type codes: names, approval texts and the classification predicates that every
** other part asks instead of comparing codes itself. Pure functions; texts in code page 850
** (Get_Vbm_Class_Name: code page 1252) come back in static buffers.
*/
#pragma once

#include <cstdint>
#include "catalogue/cat_types.h"

/* Name of a fastener type: flag 0 the full designation, flag 1 the family name of the
** selection list. Each code has its own buffer; "nicht definiert" for unknown codes. */
const char *Get_Vbm_Type_Name(Vbm_Type_Code code, int32_t flag);

/* Second name table (code page 1252), codes -2..46; 2..10 read "Schraube 1A".."3C" under flag 0. */
const char *Get_Vbm_Class_Name(Vbm_Type_Code code, int32_t flag);

/* Approval suffix of the resistance sentence of the print list (EN or DIN by Nad_Params). */
const char *Get_Vbm_Approval_Text(Vbm_Type_Code code);

/* Material text of Get_Material_Name, or for a user-defined material (group -999 or 14, or
** grade -999) "<name> (benutzerdefiniert)" of the record; null without a record. */
const char *Get_Material_Name_Or_Custom(Mat_Group_Code group, int32_t grade,
                                        const User_Material *custom);

/* Fastener predicates, 1 or 0. Inline: the design asks them many times per fastener. */
inline int32_t Is_Vbm_Din571_Screw(Vbm_Type_Code c) { return c >= 2 && c <= 10; }
inline int32_t Is_Vbm_Screw_Eta12(Vbm_Type_Code c) { return (c >= 11 && c <= 13) || c == 44; }
inline int32_t Is_Vbm_Screw_Eta11(Vbm_Type_Code c) { return c == 14 || c == 15 || c == 43; }
inline int32_t Is_Vbm_Screw_Family_C(Vbm_Type_Code c) { return c >= 47 && c <= 60; }

/* 16..24, 34..42, 45, 46 */
inline int32_t Is_Vbm_Special_Nail(Vbm_Type_Code c)
{
    return (c >= 16 && c <= 24) || (c >= 34 && c <= 42) || c == 45 || c == 46;
}

/* 0 and the special nails */
inline int32_t Is_Vbm_Nail(Vbm_Type_Code c) { return c == 0 || Is_Vbm_Special_Nail(c); }

/* any of the four screw families */
inline int32_t Is_Vbm_Screw(Vbm_Type_Code c)
{
    return Is_Vbm_Din571_Screw(c) || Is_Vbm_Screw_Eta12(c) || Is_Vbm_Screw_Eta11(c)
           || Is_Vbm_Screw_Family_C(c);
}

inline int32_t Is_Vbm_Nail_Or_Screw(Vbm_Type_Code c) { return Is_Vbm_Nail(c) || Is_Vbm_Screw(c); }
inline int32_t Is_Vbm_Nail_Screw_Or_Staple(Vbm_Type_Code c)
{
    return c == VBM_KLAMMER || Is_Vbm_Nail_Or_Screw(c);
}
inline int32_t Is_Vbm_Nail_Screw_Or_Staple_B(Vbm_Type_Code c)
{
    return Is_Vbm_Nail_Screw_Or_Staple(c);
}

/* 25..28: A1, C1, C5, C10 */
inline int32_t Is_Vbm_Connector_Two_Sided(Vbm_Type_Code c)
{
    return c >= VBM_RINGDUEBEL_A1 && c <= VBM_SCHEIBENDUEBEL_C10;
}

/* 31..33: B1, C2, C11 */
inline int32_t Is_Vbm_Connector_One_Sided(Vbm_Type_Code c)
{
    return c >= VBM_SCHEIBENDUEBEL_B1 && c <= VBM_SCHEIBENDUEBEL_C11;
}

/* 25..28, 31..33 */
inline int32_t Is_Vbm_Connector(Vbm_Type_Code c)
{
    return Is_Vbm_Connector_Two_Sided(c) || Is_Vbm_Connector_One_Sided(c);
}

/* 26..28, 32, 33: C1, C5, C10, C2, C11 */
inline int32_t Is_Vbm_Toothed_Plate(Vbm_Type_Code c)
{
    return (c >= VBM_SCHEIBENDUEBEL_C1 && c <= VBM_SCHEIBENDUEBEL_C10) || c == VBM_SCHEIBENDUEBEL_C2
           || c == VBM_SCHEIBENDUEBEL_C11;
}

/* 29, 30 */
inline int32_t Is_Vbm_Dowel_Or_Bolt(Vbm_Type_Code c)
{
    return c == VBM_STABDUEBEL || c == VBM_BOLZEN;
}

/* 34..42: head classes D..F */
inline int32_t Is_Vbm_Special_Nail_Def(Vbm_Type_Code c)
{
    return c >= VBM_SONDERNAGEL_1D && c <= VBM_SONDERNAGEL_3F;
}

/* 45, 46 */
inline int32_t Is_Vbm_Simpson_Nail(Vbm_Type_Code c)
{
    return c == VBM_SIMPSON_CNA || c == VBM_SIMPSON_CSA;
}

/* 43, 44 */
inline int32_t Is_Vbm_User_Screw(Vbm_Type_Code c)
{
    return c == VBM_ASSY_BENUTZER || c == VBM_SPAX_BENUTZER;
}

int32_t Is_Vbm_Full_Thread_Screw(Vbm_Type_Code code, int32_t thread_43, int32_t thread_44);
int32_t Is_Vbm_Countersunk_Head(Vbm_Type_Code code, int32_t head);

/* Code under which the spacing and capacity rules treat a screw of diameter d_mm:
** 30 (bolt rules) above 6.001 mm, else 0 (nail rules); other codes unchanged. */
Vbm_Type_Code Map_Screw_To_Rule_Type(Vbm_Type_Code code, double d_mm);

/* Material predicates, 1 or 0. Inline, as the fastener predicates. */
inline int32_t Is_Mat_Timber(Mat_Group_Code g) { return g >= 0 && g <= 3; }   /* 0..3 */
inline int32_t Is_Mat_Timber_B(Mat_Group_Code g) { return g >= 0 && g <= 3; } /* 0..3 */
inline int32_t Is_Mat_Glulam(Mat_Group_Code g) { return g == 2 || g == 3; }

/* 4..11, 18..20, -13..-10 */
inline int32_t Is_Mat_Panel(Mat_Group_Code g)
{
    return (g >= 4 && g <= 11) || (g >= 18 && g <= 20) || (g >= -13 && g <= -10);
}

/* 4, 5, 7, 8, 9 */
inline int32_t Is_Mat_Board(Mat_Group_Code g)
{
    return g == 4 || g == 5 || g == 7 || g == 8 || g == 9;
}
/* The wood-based and gypsum panels of the kmod table: OSB, plasterboard, plywood, particle
** board, fibreboard and gypsum fibre board, 4..9 */
inline int32_t Is_Mat_Wood_Panel(Mat_Group_Code g) { return g >= 4 && g <= 9; }
inline int32_t Is_Mat_Special_Panel(Mat_Group_Code g) { return g == -12 || g == -13; }

/* 10, 11, 17..20, -11 */
inline int32_t Is_Mat_Lvl(Mat_Group_Code g)
{
    return g == 10 || g == 11 || (g >= 17 && g <= 20) || g == -11;
}
inline int32_t Is_Mat_Metal_Plate(Mat_Group_Code g) { return g == 12 || g == 16; } /* 12, 16 */
