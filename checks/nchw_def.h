/*
** Design-check types read from the settings file "Nachweis.def": the type list, the colour
** table and the tree ("structure") in which the types are offered. Texts are code page 850.
*/
#pragma once

#include <cstdint>
#include <cstdio>

#include "checks/nchw_rec.h"

#define NCHW_MAX_OPTIONS  19
#define NCHW_COLOUR_COUNT 33

/* One line of the type tree: a heading (type id 0) or a type. */
typedef struct Nchw_Struct_Node {
    int32_t type_id;  /* 0 for headings and the root */
    int32_t expanded; /* root 1, others 0 */
    int32_t font;     /* 4096 normal, 0x11000 bold, 0 without a readable font group */
    int32_t text_colour, marker_colour, background, selected_background; /* colour indices */
    char text[52];
    struct Nchw_Struct_Node *next, *child, *parent;
} Nchw_Struct_Node;

extern Nchw_Type_Rec *Nchw_Type_Head, *Nchw_Type_Tail;
extern int32_t Nchw_Type_Count; /* complete types */
extern Nchw_Struct_Node *Nchw_Struct_Root;
extern int32_t Nchw_Struct_Valid; /* the structure was read without error */
extern int32_t Nchw_Def_Read;     /* the file was read in this run */
extern int32_t Nchw_Colour_Table[NCHW_COLOUR_COUNT];
extern char Nchw_Help_File[256];        /* help file name of the type file, may be empty */
extern int32_t Nchw_Compute_Mode_Index; /* current compute mode, a bit number; 0 unless set */

/* Read the type file of the private data path once per run; 1 when read, 0 when not found. */
int Read_Nachweis_Def(void);
/* Read the type file at the given path (the reader above forms the path). */
int Read_Nachweis_Def_File(const char *path);
int Read_Nachweis_Def_Struktur(FILE *file);
Nchw_Struct_Node *Read_Nchw_Struct_Node(FILE *file, int mode);
/* The type with that id, null when none (the file is not read here). */
Nchw_Type_Rec *Find_Nchw_Type(int32_t type_id);
/* Release the type list, the structure and the help file name; the file may be read again. */
void Free_Nchw_Types(void);
/* Texts of the type info: material (integer 1), check kind (4), combination (6), rule (8). */
const char *Nchw_Material_Text(int32_t value);
const char *Nchw_Check_Kind_Text(int32_t value);
const char *Nchw_Combination_Text(int32_t value);
const char *Nchw_Comb_Rule_Text(int32_t value);
