/*
** Concrete and steel parameter blocks of input pages: the grade choices with, for a
** user-defined grade, the grade's parameters inline or a link to the parameter dialog, and the
** page functions of the two parameter dialogs. Records hold kN/m2; the fields show MN/m2 and
** per mille through their display factors.
*/
#pragma once

#include "catalogue/concrete.h"

/* A link request: when variable equals value, the next drawing opens the parameter dialog. */
struct Wdg_Link_Request {
  int value;
  int variable;
};
extern Wdg_Link_Request Wdg_Concrete_Link;   /* {1, 0} */
extern Wdg_Link_Request Wdg_Steel_Link;      /* {1, 0} */

/* The blocks at (x, y): answer their heights, 183 and 107. */
int Wdg_Concrete_Block(int area, int x, int y, Concrete_Grade *record);
int Wdg_Steel_Block(int area, int x, int y, Rebar_Grade *record);
/* Page draw functions of the parameter dialogs (the dialog's record; nothing without one). */
void Wdg_Concrete_Page(int area);
void Wdg_Steel_Page(int area);
/* Grade choices: answer the height used below the choice (0, 23, 46 or a block's height). */
int Wdg_Concrete_Choice(int area, int x, int y, Concrete_Grade *record, Grade_Choice_List *list,
                        int *index);
int Wdg_Concrete_Choice_Labelled(int area, int x, int y, Concrete_Grade *record,
                                 Grade_Choice_List *list, int *index);
int Wdg_Steel_Choice(int area, int x, int y, Rebar_Grade *record, Grade_Choice_List *list,
                     int *index);
