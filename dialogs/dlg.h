/*
** Dialog runners: the dialog and page descriptors, the paged runner (tabs, one view area and
** table per page, a button row by type, caller callbacks) and the single-page runner with the
** remark editor. Dialogs nest; each running dialog is one level of a stack of at most 10.
*/
#pragma once

#include <cstdint>

enum {
    DLG_MAX_LEVELS = 10,
    DLG_CANCEL = 100,
    DLG_CONFIRM = 200,
    DLG_TAB_CODE = 1000,
    DLG_AREA_CODE = 2000,
};

typedef void (*Dlg_Status_Fn)(char *text); /* fills at most 200 bytes */
typedef void (*Dlg_Decoration_Fn)(int x1, int y1, int x2, int y2);
typedef int (*Dlg_Event_Fn)(int code);                         /* non-zero: handled */
typedef int (*Dlg_Check_Fn)(void);                             /* non-zero: keep the dialog open */
typedef int (*Dlg_Page_Change_Fn)(int old_page, int new_page); /* non-zero: refuse */
typedef void (*Dlg_Pass_Fn)(int page);
typedef void (*Dlg_End_Fn)(void);
typedef void (*Dlg_Row_Fn)(int flag, int area, int left, int top, void *row);
typedef void (*Dlg_Page_Init_Fn)(int table);
typedef void (*Dlg_Page_Draw_Fn)(int area, int table, void *user);
typedef int (*Dlg_Page_Check_Fn)(int table);

struct Dlg_Desc {
    int32_t type;        /* frame and buttons */
    int32_t sheet_value; /* 40 */
    char title[100];
    int32_t max_height, max_width; /* inner size, pixels */
    int32_t margin_top, margin_bottom, margin_left, margin_right;
    int32_t tab_height, tab_width; /* 0 = default */
    char tab_bitmap[100];
    char help_key[64]; /* empty = no help button */
    Dlg_Status_Fn status;
    Dlg_Decoration_Fn decoration;
    Dlg_Event_Fn event;
    Dlg_Check_Fn confirm_check;
    Dlg_Check_Fn cancel_check;
    Dlg_Page_Change_Fn page_change;
    Dlg_Pass_Fn pass;
    Dlg_End_Fn end;
    int32_t current_page; /* initial page; the last current page on exit */
    int32_t preset_event; /* >= 0: taken as the first event, then -1 */
};

struct Dlg_Page {
    int32_t state; /* -2 absent, 0 disabled tab, else normal */
    char upper_label[51];
    char label[100];
    int32_t tab_colour, tab_colour_disabled;
    int32_t x, y, w, h; /* narrowed page rectangle, -1 = none */
    int32_t hslider, vslider;
    double scroll_x, scroll_y; /* fractions 0..1 of the scrollable room, -1 = none */
    int32_t table_row_size, table_width, table_left, table_top;
    Dlg_Row_Fn table_row;
    Dlg_Page_Init_Fn init;
    Dlg_Page_Draw_Fn draw;
    Dlg_Page_Check_Fn check;
    void *user; /* handed to the draw function */
};

/* The nesting level of the running dialogs (0 = none). */
extern int Dlg_Level;

void Dlg_Init_Descriptor(Dlg_Desc *d);
void Dlg_Init_Pages(int count, Dlg_Page *pages);
/* 1 confirmed, 0 cancelled (or no page). */
int Dlg_Run_Paged(Dlg_Desc *d, int count, Dlg_Page *pages);
int Dlg_Run_Pages_Simple(int height, int width, const char *title, int count, Dlg_Page *pages,
                         Dlg_Status_Fn status, const char *help_key);
int Dlg_Run_Single(Dlg_Desc *d, Dlg_Page *page);

/* For callbacks of the innermost running dialog */
void Dlg_Set_Page_State(int page, int state);
int Dlg_Get_Page_State(int page);
void Dlg_Select_Page(int page);
int Dlg_Current_Page(void);
void Dlg_Set_Table_View(int page, int flag);
void Dlg_Get_Position(int *x, int *y);
void Dlg_Request_Cancel(void);
void Dlg_Request_Close(void);
void Dlg_Request_Redraw(void);
void Dlg_Set_Cursor_Switch(int flag);
void Dlg_Cursor_Switch_On(void);
void Dlg_Cursor_Switch_Off(void);
int Dlg_Commit_All(void);

/* The pages and tables of a running level (for the field commit); 0 when there is none. */
int Dlg_Level_Pages(int level, Dlg_Page **pages, int *count, const int **tables);

/* The remark editor: edits the caller's heap string (at most 5000 characters). */
int Wdg_Edit_Remark(char **text);
