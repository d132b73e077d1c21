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

/* Fastener predicates, 1 or 0. */
int32_t Is_Vbm_Din571_Screw(Vbm_Type_Code code);   /* 2..10 */
int32_t Is_Vbm_Screw_Eta12(Vbm_Type_Code code);    /* 11, 12, 13, 44 */
int32_t Is_Vbm_Screw_Eta11(Vbm_Type_Code code);    /* 14, 15, 43 */
int32_t Is_Vbm_Screw_Family_C(Vbm_Type_Code code); /* 47..60 */
int32_t Is_Vbm_Special_Nail(Vbm_Type_Code code);   /* 16..24, 34..42, 45, 46 */
int32_t Is_Vbm_Nail(Vbm_Type_Code code);           /* 0 and the special nails */
int32_t Is_Vbm_Screw(Vbm_Type_Code code);          /* any of the four screw families */
int32_t Is_Vbm_Nail_Or_Screw(Vbm_Type_Code code);
int32_t Is_Vbm_Nail_Screw_Or_Staple(Vbm_Type_Code code);
int32_t Is_Vbm_Nail_Screw_Or_Staple_B(Vbm_Type_Code code);
int32_t Is_Vbm_Connector(Vbm_Type_Code code);           /* 25..28, 31..33 */
int32_t Is_Vbm_Connector_Two_Sided(Vbm_Type_Code code); /* 25..28: A1, C1, C5, C10 */
int32_t Is_Vbm_Connector_One_Sided(Vbm_Type_Code code); /* 31..33: B1, C2, C11 */
int32_t Is_Vbm_Toothed_Plate(Vbm_Type_Code code);       /* 26..28, 32, 33: C1, C5, C10, C2, C11 */
int32_t Is_Vbm_Dowel_Or_Bolt(Vbm_Type_Code code);       /* 29, 30 */
int32_t Is_Vbm_Special_Nail_Def(Vbm_Type_Code code);    /* 34..42: head classes D..F */
int32_t Is_Vbm_Simpson_Nail(Vbm_Type_Code code);        /* 45, 46 */
int32_t Is_Vbm_User_Screw(Vbm_Type_Code code);          /* 43, 44 */
int32_t Is_Vbm_Full_Thread_Screw(Vbm_Type_Code code, int32_t thread_43, int32_t thread_44);
int32_t Is_Vbm_Countersunk_Head(Vbm_Type_Code code, int32_t head);

/* Code under which the spacing and capacity rules treat a screw of diameter d_mm:
** 30 (bolt rules) above 6.001 mm, else 0 (nail rules); other codes unchanged. */
Vbm_Type_Code Map_Screw_To_Rule_Type(Vbm_Type_Code code, double d_mm);

/* Material predicates, 1 or 0. */
int32_t Is_Mat_Timber(Mat_Group_Code group);        /* 0..3 */
int32_t Is_Mat_Timber_B(Mat_Group_Code group);      /* 0..3 */
int32_t Is_Mat_Glulam(Mat_Group_Code group);        /* 2, 3 */
int32_t Is_Mat_Panel(Mat_Group_Code group);         /* 4..11, 18..20, -13..-10 */
int32_t Is_Mat_Board(Mat_Group_Code group);         /* 4, 5, 7, 8, 9 */
int32_t Is_Mat_Special_Panel(Mat_Group_Code group); /* -12, -13 */
int32_t Is_Mat_Lvl(Mat_Group_Code group);           /* 10, 11, 17..20, -11 */
int32_t Is_Mat_Metal_Plate(Mat_Group_Code group);   /* 12, 16 */
