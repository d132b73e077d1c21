/*
** The input of concrete and reinforcing-steel grades: the selection lists of the grade choosers,
** the parameter blocks of input pages (the grade choices with, for a user-defined grade, the
** grade's parameters inline or a link to the parameter dialog) and the dialogs "Freie Definition
** des Betons" and "Freie Definition des Stahls" with their page functions. Records hold kN/m2;
** the fields show MN/m2 and per mille through their display factors.
*/
#pragma once

#include <cstdint>

#include "catalogue/concrete.h"
#include "dialogs/widgets_input.h"

/* ---- grade selection lists */

#define GRADE_LIST_MAX       40
#define GRADE_TEXT_SIZE      16
#define GRADE_FLAG_DENSITY   0x2    /* the entry asks for a density */
#define GRADE_FLAG_NO_CHOICE 0x1000 /* a separator */

typedef struct Grade_Choice_List {
    Wdg_Grade_List view; /* what the choice field reads */
    int32_t show_alpha;  /* the concrete choice shows the value after fck */
    int32_t width;       /* text width in characters */
    int32_t codes[GRADE_LIST_MAX];
    int32_t colours[GRADE_LIST_MAX];
    int32_t flags[GRADE_LIST_MAX];
    char texts[GRADE_LIST_MAX][GRADE_TEXT_SIZE];
} Grade_Choice_List;

/* A new list (mask: 1 old grades, 2 lightweight grades, 4 "frei", 8 the list's flag), from
** the counted memory layer; released with Free_Grade_List. */
Grade_Choice_List *Build_Concrete_Grade_List(int32_t with_separators, int32_t mask);
Grade_Choice_List *Build_Rebar_Grade_List(int32_t mode);
int32_t Find_Grade_List_Index(const Grade_Choice_List *list, int32_t code, int32_t mask);
/* 1 and the entry's code and colour, 0 for an index outside the list. */
int32_t Get_Grade_List_Item(const Grade_Choice_List *list, int32_t index, int32_t *code,
                            int32_t *colour);
void Free_Grade_List(Grade_Choice_List *list);
void Set_Grade_Dialog_Switch(int32_t value);
int32_t Get_Grade_Dialog_Switch(void);

/* ---- dialogs of a user-defined grade: 1 confirmed, 0 cancelled (record restored) */

int32_t Edit_Concrete_Free(Concrete_Grade *c);
int32_t Edit_Rebar_Free(Rebar_Grade *r);
/* The records the running dialogs edit (null when none runs). */
Concrete_Grade *Concrete_Dialog_Record(void);
Rebar_Grade *Rebar_Dialog_Record(void);

/* ---- parameter blocks of input pages */

/* A link request: when variable equals value, the next drawing opens the parameter dialog. */
struct Wdg_Link_Request {
    int value;
    int variable;
};
extern Wdg_Link_Request Wdg_Concrete_Link; /* {1, 0} */
extern Wdg_Link_Request Wdg_Steel_Link;    /* {1, 0} */

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
