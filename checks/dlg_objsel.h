/*
** Objects of the structure that a design check may be restricted to: per object type (0..8)
** the table the host registers, counted number lists of a selection (an int32 count followed
** by that many int32 object numbers, on the heap; null is the empty list), the grid of
** objects and the dialog "Auswahl der %s".
*/
#pragma once

#include <cstdint>

#define NCHW_OBJECT_TYPES 9
#define NCHW_OBJECT_ROWS  20 /* entries per column of the grid */

typedef struct Nchw_Object_Entry {
    int32_t number;
    int32_t selected; /* 1 selected */
    char label[31];   /* "%d: %s", at most 30 characters */
    int32_t width;    /* label width in pixels, font 4096 */
} Nchw_Object_Entry;

typedef struct Nchw_Object_Table_Rec {
    Nchw_Object_Entry *entries;
    int32_t capacity, count;
    int32_t label_width; /* widest label, pixels */
} Nchw_Object_Table_Rec;

extern Nchw_Object_Table_Rec Nchw_Object_Tables[NCHW_OBJECT_TYPES];
extern int32_t Nchw_Object_Current_Type;

void Init_Nchw_Object_Table(int32_t type, int32_t capacity);
void Add_Nchw_Object(int32_t type, int32_t number, const char *name);
/* 1 when the type's table holds an entry with that number (selected or not). */
int Is_Nchw_Object_Selected(int32_t number, int32_t type);
/*
** Make type current, select exactly the entries whose numbers are in list, free list and
** return a new list of the selected numbers (null when none). A type outside 0..8 changes
** nothing and hands the list back.
*/
int32_t *Set_Nchw_Object_Selection(int32_t *list, int32_t type);
/* A new list of the selected entries of the current type in table order; null when none. */
int32_t *Get_Nchw_Object_Selection(void);
/* Number of entries of a counted list (0 for null). */
int32_t Nchw_List_Count(const int32_t *list);

/*
** Draw the grid of the current type with the area's top left corner (ox, oy) (already shifted
** by the scroll offset), inverting the selected flag of every entry that the rectangle hits;
** a rectangle of -1 values hits nothing.
*/
void Draw_Nchw_Object_Grid(int hx1, int hy1, int hx2, int hy2, int ox, int oy);
/* Paint callback of the dialog's scrollable area. */
void Draw_Nchw_Object_Area(int area, int sx, int sy, int x1, int y1, int x2, int y2, void *user);
/* Position of entry i of the current type (label's left end of the base line). */
void Nchw_Object_Entry_Pos(int32_t i, int ox, int oy, int *x, int *y);

/*
** The dialog: returns the new list (the given one freed), the given list when the user
** cancels, and null when the type has no objects (the given list stays the caller's then).
*/
int32_t *Nchw_Object_Select_Dialog(int32_t type, const char *plural, int32_t *list);
