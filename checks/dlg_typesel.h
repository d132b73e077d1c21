/*
** The dialog "einen neuen Nachweis hinzufügen" that offers the check types as the tree of the
** type file (headings and types) with an info panel of the type under the cursor, and the
** compact info box of a type for the plain type list.
*/
#pragma once

#include "checks/nchw_def.h"

/* The chosen type; null when the user cancels or the chosen node's id has no type. */
Nchw_Type_Rec *Select_Nchw_Type(void);
/* Draw the tree into the scrollable area (its handle) at the area's origin. */
void Draw_Nchwtyp_Tree(int area);
/* Draw the siblings from first on at x (of their level) from *y on, children of expanded ones
** one level deeper; *y advances by 14 per row. */
void Draw_Nchwtyp_Subtree(int area, int x, int *y, Nchw_Struct_Node *first);
/* The compact info of the index-th type that the tree filter accepts (the first beyond them). */
void Draw_Nchwtyp_Info_Box(int x1, int y1, int x2, int y2, int index);
/* The info panel of a type in the rectangle. */
void Draw_Nchwtyp_Info(Nchw_Type_Rec *type, int x1, int y1, int x2, int y2);

/* The current node of the dialog (kept between openings) and the row under a point of the
** tree drawn last (null when none). */
extern Nchw_Struct_Node *Nchwtyp_Current;
Nchw_Struct_Node *Nchwtyp_Row_At(int x, int y);
