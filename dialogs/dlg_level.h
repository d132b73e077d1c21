/*
** The stack of running dialogs shared by the two dialog runners (internal to the toolkit).
*/
#pragma once

#include <vector>

#include "dialogs/dlg.h"

struct Dlg_Level_Entry {
    Dlg_Desc *desc;
    Dlg_Page *pages;
    int count;
    int current;
    int register_handle;
    int default_button;
    int sheet_x, sheet_y; /* the sheet's top left corner on the screen */
    int cancel_request, close_request, redraw_request;
    int drawn; /* the page drawn by the last pass, -1 before the first */
    int tab_left, tab_top, tab_height, tab_width; /* the tab strip (no register: tab_height 0) */
    int tab_bitmap;                               /* 1 when a bitmap stands for the tab labels */
    std::vector<int> areas, tables, escapes, members, table_view, hover;
};

extern Dlg_Level_Entry Dlg_Levels[DLG_MAX_LEVELS + 1];

Dlg_Level_Entry *Dlg_Push_Level(Dlg_Desc *d, int count, Dlg_Page *pages);
void Dlg_Pop_Level(void);
int Dlg_Cursor_Switch(void);
void Dlg_Create_Page_Area(Dlg_Level_Entry *e, int i, int x1, int y1, int x2, int y2, bool hover);
void Dlg_Draw_Page(Dlg_Level_Entry *e, int i);
void Dlg_Page_Input(Dlg_Level_Entry *e, int i);
void Dlg_Release_Pages(Dlg_Level_Entry *e);
/* The tab strip at (left, top), width pixels wide: a register with one member per page (tab_w
** pixels wide, none for an absent page); the labels or, when bitmap is not empty, the bitmap. */
void Dlg_Build_Tabs(Dlg_Level_Entry *e, int left, int top, int width, int tab_h, int tab_w,
                    const char *bitmap);
/* The page of the first pass: `initial` when it can be selected, else the first enabled page. */
void Dlg_Start_Page(Dlg_Level_Entry *e, int initial);
/* Follow a change of the current page since the last pass (page-change check, disabled pages,
** grey labels of the disabled tabs). */
void Dlg_Follow_Page(Dlg_Level_Entry *e);
/* A tab's event (code 1000 + page): 1 when it was one. */
int Dlg_Tab_Event(Dlg_Level_Entry *e, int code);
/* The status line in the button row between left and right (screen x), from 26 to 9 pixels above
** the sheet's bottom `bottom`. */
void Dlg_Draw_Status(Dlg_Status_Fn status, int left, int right, int bottom);

/* Where the button row of a dialog puts its buttons (screen pixels). */
struct Dlg_Button_Places {
    int y;                      /* top of the row */
    int cancel_x, help_x, ok_x; /* left ends of cancel, help and confirm */
    int next_x, next_y_type8;   /* the "Weiter" button; its top for type 8 */
};

/* Add the buttons of dialog type `type` (1/3 "Weiter" that cancels/confirms, 8 "Weiter" a little
** higher, 2/4 none, 6 confirm, 9 help and confirm, 5 and others cancel, help and confirm but
** 7 without confirm) with help key `help_key` ("" none). Answers the default button; the handles
** of cancel and confirm (0 none) and the left end of the help button (0 none) go to the
** out-pointers. */
int Dlg_Add_Buttons(int type, const Dlg_Button_Places *at, const char *help_key, int *cancel,
                    int *confirm, int *help_x);

/* Prepare the next property sheet to cover the whole screen (dialog types 4 and 8; type 8 also
** fixes the window size and paints the screen in the menu colour) and give its corners. */
void Dlg_Whole_Screen_Sheet(int type, int *x1, int *y1, int *x2, int *y2);
