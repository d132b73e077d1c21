/*
** The design-check management sheet "Verwaltung der Nachweise": its state shared by the tree
** of checks and the property pages (edit variables and control handles of the pages), the
** tree view, the pages of a check, an extremal rule, a load collective and a generation rule,
** the dialogs that add checks, extremal rules and collectives, and the sheet itself.
** Page positions are pixels relative to the sheet's top left corner.
*/
#pragma once

#include <cstdint>

#include "checks/nchw_file.h"
#include "checks/nchw_rec.h"

enum { NCHW_PAGE_X1 = 263, NCHW_PAGE_Y1 = 73, NCHW_PAGE_X2 = 599, NCHW_PAGE_Y2 = 424 };
enum { NCHW_SHEET_W = 620, NCHW_SHEET_H = 600 };
enum { XTR_PAGE_ROWS = 9, LKOM_PAGE_ROWS = 16 };

/* Start arguments of the sheet (Nchw_Args_Rec): values[0] (value 1) a bit mask, values[1] to
** values[9] (values 2 to 10) module settings. */

typedef struct Nchw_Sheet_Rec {
    int32_t open; /* the GUI flag: 1 while the sheet is shown */
    int x, y;     /* the sheet's top left corner on the screen */
    Nchw_Args_Rec args;
    int32_t page_flag; /* the start-argument flag of the page shown */
    /* the page of a check */
    double chk_number;
    char chk_name[32];
    int32_t chk_active;
    int32_t sel_mode[3]; /* by control slot: the lowest n slots serve n selectors */
    int h_chk_number, h_chk_name, h_chk_active, h_chk_help, h_chk_options, h_summary;
    int h_sel_list[3], h_sel_button[3];
    /* the page of an extremal rule */
    double xtr_number;
    char xtr_name[32];
    int32_t xtr_mode; /* 1 standard, 2 user-defined */
    double xtr_table[XTR_PAGE_ROWS + 1][5];
    int32_t xtr_top; /* record row shown in the table's first line */
    int h_xtr_number, h_xtr_name, h_xtr_std, h_xtr_udef, h_xtr_more;
    int h_xtr_table[XTR_PAGE_ROWS + 1][5];
    /* the page of a load collective */
    double lkom_number;
    char lkom_name[32];
    int32_t lkom_edit_mode; /* 0 not editable, 1 coefficients, 2 factor on psi, 3 factor on gamma */
    double lkom_table[LKOM_PAGE_ROWS + 1][4];
    int32_t lkom_top; /* record row shown in the table's first line */
    int h_lkom_number, h_lkom_name;
    int h_lkom_table[LKOM_PAGE_ROWS + 1][4];
    int h_lkom_button[9]; /* codes 33, 34, 35, 36, 38, 37, 39, 40, 41 */
    /* the page of a generation rule */
    double gen_number;
    char gen_name[32];
    int h_gen_number, h_gen_name, h_gen_regen, h_gen_dialog;
} Nchw_Sheet_Rec;

extern Nchw_Sheet_Rec Nchw_Sheet;
/* Selected numbers of check, extremal rule, load collective and generation rule (-1 none). */
extern int32_t Nchw_Tree_Sel[4];
/* Shows only checks whose type id the hook accepts; null shows all. */
extern int (*Nchw_Tree_Filter)(int32_t type_id);
/* 1 when automatic extremal rules exist (automatic Eurocode situations are chosen). */
int Nchw_Auto_Xtr_Exist(void);

/* ---------------------------------------------------------------- tree of the checks */
struct TreeView;
struct TreeViewItem;
extern struct TreeView *Nchw_Tree;
void Build_Nchw_TreeView(int recreate);
void Clear_Nchw_TreeView(int redraw);
int Nchw_Tree_Event(struct TreeView *tree, struct TreeViewItem *item, int event, int extra);
void Show_Nchw_Hint_Page(void);
/* The tree item of a record (0 none); level 0..3 as in the tree. */
struct TreeViewItem *Nchw_Tree_Item_Of(int level, const void *rec);
void Nchw_Legend_Colors_1(void);
void Nchw_Legend_Colors_2(void);
void Nchw_Legend_Colors_3(void);
void Nchw_Legend_Colors_4(void);
/* Clear, fill and frame the page area. */
void Nchw_Clear_Page_Area(void);
/* Activity of a control that may not exist (handle 0). */
void Nchw_Act(int handle, int state);

/* ---------------------------------------------------------------- the pages of the right half */
/* The pages of the sheet's right half, one shown at a time, each named by its bit of the first
** start argument. */
enum Nchw_Page : int32_t {
    NCHW_PAGE_CHECK = 2,
    NCHW_PAGE_XTR = 4,
    NCHW_PAGE_LKOM = 8,
    NCHW_PAGE_GENRULE = 2048,
};
/* Hide every page but page and note page's start-argument bit in Nchw_Sheet.page_flag: how each
** Show_*_Properties begins. */
void Nchw_Enter_Page(Nchw_Page page);

/* ---------------------------------------------------------------- the page of a check */
void Show_Nchw_Properties(Nchw_Rec *check);
void Draw_Nchw_Summary(void);
/* Paint callback of the summary area. */
void Nchw_Summary_Area_Draw(int area, int sx, int sy, int x1, int y1, int x2, int y2, void *user);
void Hide_Nchw_Properties(void);
/* The mode text of the selector in control slot 0..2 (the mode is Nchw_Sheet.sel_mode[slot]). */
void Nchw_Draw_Selector_Text(int slot, const char *plural);
void Nchw_Option_Activity(const Nchw_Type_Rec *t, const int32_t *values, int changed, int *act);
/* The options dialog "Nachweisoptionen"; returns 1 when confirmed. */
int Edit_Nchw_Options(const Nchw_Type_Rec *type, int32_t *values);
/* The y of the summary's last line before "LASTKOMBINATIONEN:" (for tests) and the summary's
** bottom edge (pixels relative to the sheet). */
extern int Nchw_Summary_K;
extern int Nchw_Summary_Bottom;

/* ---------------------------------------------------------------- extremal rule, collective */
void Make_Xtr_Page_Controls(int x, int y);
void Make_Lkom_Page_Controls(int x, int y);
void Show_Xtr_Properties(Xtr_Rule_Rec *rule);
void Show_Lkom_Properties(Lkom_Rec *lkom);
void Hide_Xtr_Properties(void);
void Hide_Lkom_Properties(void);
void Set_Xtr_Mode(int32_t mode);
/* Rows of the page tables back into the records (codes 30 and 42). */
void Take_Xtr_Page_Table(void);
void Take_Lkom_Page_Table(void);
/* Scroll the table of the page shown by a number of rows (PgUp/PgDn on the sheet). */
void Scroll_Nchw_Page_Table(int rows);

/* ---------------------------------------------------------------- adding, generation rule */
void New_Xtr_Dialog(void);
void New_Lkom_Dialog(void);
void Show_GenRule_Properties(GenRule_Rec *rule);
void Hide_GenRule_Properties(void);
/* The text of the generated count on the rule's page. */
const char *GenRule_Count_Text(const GenRule_Rec *rule);
/* Default number of a new record of the check: largest + 1, or 1. */
int32_t Next_Xtr_Number(const Nchw_Rec *check);
int32_t Next_Lkom_Number(const Nchw_Rec *check);

/* ---------------------------------------------------------------- the sheet */
int Nachweise_Sheet(Nchw_Args_Rec *args);
int Run_Nachweise_Sheet(void);
void New_Nachweis_Dialog(void);
void Delete_Current_Nchw_Object(void);
/* Show the item above (step -1) or below (+1) the current one in the order of the tree. */
void Nchw_Select_Neighbour(int step);
void Add_Nchw_Sheet_Entry(const char *name, const char *text, void (*action)(void));
int Nchw_Sheet_Entry_Count(void);
void Remove_Nchw_Sheet_Entries(void);
