/*
** Material names and the selection lists of the input pages: group names, grades, service
** classes, panel loading directions, I-joist sections, steel and aluminium plates, and the
** item lists of the two user-defined screw lines. Texts in code page 850, built once.
*/
#pragma once

#include <cstdint>
#include "catalogue/cat_types.h"

/* List codes of Get_Material_List besides the group codes 0..21. */
enum {
    MAT_LIST_TIMBER_GROUPS = -1,
    MAT_LIST_SERVICE_CLASSES = -2,
    MAT_LIST_NINE_GROUPS = -3,
    MAT_LIST_PANEL_LOADING = -4,
    MAT_LIST_TIMBER_GROUPS_GREY = -5
};

int32_t Ensure_Material_Lists(void);
int32_t Init_Material_Lists(void);

/* Items of a list code with their width (characters) and count; every item of every list
** gets the colour first. Null (outputs unchanged) for a code without list; -999: null,
** width 4, count 1. */
Mat_List_Item *Get_Material_List(int32_t list_code, int32_t *width, int32_t *count, int32_t colour);

/* "<group words> <grade>" in a static buffer. */
const char *Get_Material_Name(Mat_Group_Code group, int32_t grade);
/* The grade text alone, static buffer. */
const char *Get_Grade_Name(Mat_Group_Code group, int32_t grade);

Mat_Coded_Item *Get_Panel_Group_List(int32_t colour, int32_t *width, int32_t *count);
Mat_Coded_Item *Get_Plate_Group_List(int32_t colour, int32_t *width, int32_t *count);
/* Fastener type list by mask bits (5: -2, 4: -1, 0: 0,1,2,11..16, 1: 29,30, 2: 25..28,
** 3: 31..33); codes (room for 20) receives the code of each item. */
Mat_List_Item *Get_Vbm_Type_List(uint32_t mask, int32_t colour, int32_t *count, int32_t *codes);

/* The two user-defined screw lines: heads, threads, tips, diameters. */
Mat_List_Item *Get_Screw_Line_A_Heads(int32_t *count);
Mat_List_Item *Get_Screw_Line_A_Threads(int32_t *count);
Mat_List_Item *Get_Screw_Line_A_Tips(int32_t *count);
Mat_List_Item *Get_Screw_Line_A_Diameters(int32_t *count);
Mat_List_Item *Get_Screw_Line_B_Heads(int32_t *count);
Mat_List_Item *Get_Screw_Line_B_Threads(int32_t *count);
Mat_List_Item *Get_Screw_Line_B_Tips(int32_t *count);
Mat_List_Item *Get_Screw_Line_B_Diameters(int32_t *count);
const char *Get_Screw_Head_Name_A(int32_t index);
const char *Get_Screw_Head_Name_B(int32_t index);
const char *Get_Screw_Thread_Name_A(int32_t index);
const char *Get_Screw_Thread_Name_B(int32_t index);
const char *Get_Screw_Tip_Name_A(int32_t index);
const char *Get_Screw_Tip_Name_B(int32_t index);

/* Popup of a coded list (fewer than 100 items) at (x, y); the chosen code or -1. */
int32_t Popup_Coded_List(const Mat_Coded_Item *items, int32_t count, int32_t start, int32_t x,
                         int32_t y);
/* Picture of a fastener type in a box of 153 x 100 pixels at (x, y). */
int32_t Draw_Vbm_Bitmap(Vbm_Type_Code code, int32_t x, int32_t y);

Vbm_Type_Code Map_List_To_Vbm_Type(int32_t position, int32_t sub_class, int32_t sub_variant);
int32_t Map_Vbm_Type_To_List(Vbm_Type_Code code, int32_t *sub_class, int32_t *sub_variant);
double Get_Fermacell_Thickness(int32_t grade); /* mm */
Vbm_Type_Code Get_Connector_Mirror(Vbm_Type_Code code);
Vbm_Type_Code Get_Connector_Base(Vbm_Type_Code code);
double Get_Panel_Angle_Limit(int32_t mode);
double Get_Screw_Head_Factor(int32_t index, double diameter);
