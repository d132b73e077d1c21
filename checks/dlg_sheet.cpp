/*
** The design-check management sheet "Verwaltung der Nachweise": its frame, buttons and keys,
** the dispatch of the page controls' edits, the dialog that adds a check, the deletion of the
** current item, and the extra entries a host adds to the button row.
*/
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "checks/beiwert.h"
#include "checks/dlg_common.h"
#include "checks/dlg_lkomgen.h"
#include "checks/dlg_lkomtype.h"
#include "checks/dlg_objsel.h"
#include "checks/dlg_sheet.h"
#include "checks/dlg_typesel.h"
#include "checks/dlg_xtrgen.h"
#include "checks/genrule.h"
#include "checks/lkom_factors.h"
#include "checks/lkom_gen.h"
#include "checks/load_model.h"
#include "checks/nchw_consistency.h"
#include "checks/nchw_def.h"
#include "checks/nchw_settings.h"
#include "checks/nchw_settings_dlg.h"
#include "checks/nchw_tables.h"
#include "checks/xtr_tables.h"
#include "dialogs/comment.h"
#include "foundation/ttool.h"
#include "printlist/oli_util.h"
#include "platform/zelkgrft.h"
#include "platform/zelkwin.h"


typedef struct Sheet_Entry {
    char name[51];
    char text[88];
    void (*action)(void);
} Sheet_Entry;

static Sheet_Entry Entries[4];
static int Entry_Count = 0;
static Nchw_Dlg_Centre Centre = {-1, -1};
static Nchw_Dlg_Centre Centre_New = {-1, -1};

void Add_Nchw_Sheet_Entry(const char *name, const char *text, void (*action)(void))
{
    if (Entry_Count >= 4) return;
    Sheet_Entry &e = Entries[Entry_Count++];
    snprintf(e.name, sizeof e.name, "%s", name ? name : "");
    snprintf(e.text, sizeof e.text, "%s", text ? text : "");
    e.action = action;
}

int Nchw_Sheet_Entry_Count(void) { return Entry_Count; }
void Remove_Nchw_Sheet_Entries(void) { Entry_Count = 0; }

/* ------------------------------------------------------------------ the new-check dialog */

static int32_t Next_Check_Number(void)
{
    int32_t m = 0;
    for (const Nchw_Rec *c = Nchw_List_Head; c; c = c->next)
        if (c->number > m) m = c->number;
    return m + 1;
}

/* Generate the collectives of a new check from the template rule set for new checks. */
static void Apply_New_Check_Rule(Nchw_Rec *c)
{
    if (!Nchw_New_Check_GenRule) return;
    Apply_GenRule_To_Tables((const GenRule_Rec *)Nchw_New_Check_GenRule);
    GenRule_Rec *g = Store_GenRule(c, nullptr);
    if (!g) return;
    Build_Lf_Factor_Tables();
    Load_GenRule_Factors(g);
    Do_Generate_Lkoms();
    Init_Or_Clear_Auto_Lkoms();
}

static void Create_Check(double number, const char *name, Nchw_Type_Rec *type)
{
    Nchw_Rec *c = New_Nachweis();
    if (!c) return;
    c->number = (int32_t)std::lround(number);
    snprintf(c->name, sizeof c->name, "%s", name);
    c->type = type;
    c->flags = 1;
    for (int i = 0; i < 3; i++) c->selector_modes[i] = type->selector_values[i];
    for (int i = 0; i < 20; i++) c->option_values[i] = type->options[i].dflt;
    c->tree_state = 2;
    Sort_Nachweise();
    const int n = Nchw_Compute_Mode_Index;
    if (!((Nchw_Type_Int(type, 2) >> n) & 1)) {
        Apply_New_Check_Rule(c);
    } else if (Nchw_Uses_Auto_Xtr_Rules(c)) {
        Build_Auto_Xtr_Rules(c);
    } else if (Xtr_Rule_Rec *x = New_Xtr_Rule(c)) {
        snprintf(x->name, sizeof x->name, "%-30.30s", "Standardkombination");
        x->number = 1;
        x->owner = c;
        x->mode = 1;
        int32_t rows = 0, R = 0, M = 0, K = 0, Z = 0;
        x->rows = Build_Standard_Xtr_Table(c, &rows, &R, &M, &K, &Z);
        x->row_count = x->rows ? rows : 0;
        x->comb_rule[0] = x->comb_rule[1] = R;
        x->basis[0] = x->basis[1] = M;
        x->check_kind[0] = x->check_kind[1] = K;
        x->combination[0] = x->combination[1] = Z;
        c->xtr_count++;
    }
    Clear_Nchw_TreeView(1);
    Build_Nchw_TreeView(0);
    if (Nchw_Tree && c->tree_item) showTreeViewElement(Nchw_Tree, (TreeViewItem *)c->tree_item, 1);
    Show_Nchw_Properties(c);
}

void New_Nachweis_Dialog(void)
{
    if (!Nchw_Type_Head) {
        static const char *const lines[] = {"Es sind keine Nachweistypen", "definiert!", nullptr};
        Nchw_Dlg_Message(nullptr, lines);
        return;
    }
    double number = Next_Check_Number();
    char name[32] = "";
    int type_pos = 0, take_name = 0;
    int x, y, x2, y2;
    Nchw_Dlg_Place(&Centre_New, 200, 200, 150, 150, &x, &y, &x2, &y2);
    Define_Prop_Sheet(x, y, x2, y2, 1, 1, "einen neuen Nachweis hinzuf\x81gen", 0, 1);
    Draw_Funny_Text_to_PS(x + 15, y + 48, "Nummer und Bezeichung des neuen Nachweises", 0, 0);
    Add_Edit_Float_to_PS(x + 15, y + 56, 4, "%4.0f", &number, 0);
    Add_Edit_Text_to_PS(x + 70, y + 56, 30, name, sizeof name, 0);
    Draw_Funny_Text_to_PS(x + 15, y + 100, "Zuordnung zum Nachweistyp", 0, 0);
    const int list = Add_Stringlist_to_PS(x + 15, y + 106, x + 280, y + 236, &type_pos, 0);
    for (const Nchw_Type_Rec *t = Nchw_Type_Head; t; t = t->next) {
        char label[40];
        snprintf(label, sizeof label, "%-30.30s", t->name);
        Fill_Stringlist_of_PS(list, label, BLACK_CI);
    }
    const int sw = Add_Logical_Button_to_PS(x + 290, y + 106, 0, 0, &take_name, 0);
    Add_Aligned_Connected_Text_to_Button_of_PS(
        sw,
        "Bezeichnung des\nNachweistyps als\nNachweisbezeichnung\n\x81"
        "bernehmen",
        0);
    if (Nchw_Struct_Valid && Nchw_Struct_Root)
        Add_Single_Button_to_PS(x + 290, y + 200, PS_RASTER(100, 24), "Typauswahl ...", 5);
    Add_Single_Button_to_PS(x + 15, y2 - 34, SYMBOLIC_BREAK_RASTER, "", 2);
    Add_Help_to_PS((x + x2) / 2 - 11, y2 - 34, "XNCHW_NEWNCHW");
    Add_Single_Button_to_PS(x2 - 50, y2 - 34, SYMBOLIC_OK_RASTER, "", 1);
    Set_Windows_Break_Button(2);
    Activate_Prop_Sheet();
    int code;
    for (;;) {
        code = Edit_Prop_Sheet();
        if (code == 5) {
            /* the tree of the type file; the chosen type becomes the list's choice */
            if (Nchw_Type_Rec *t = Select_Nchw_Type()) {
                int k = 0;
                for (Nchw_Type_Rec *p = Nchw_Type_Head; p && p != t; p = p->next) k++;
                type_pos = k;
                Draw_Prop_Sheet_Box();
            }
            continue;
        }
        if (code == 1 || code == 2 || code == -1 || getkeymask()) break;
    }
    Nchw_Dlg_Keep_Displacement(&Centre_New);
    Undefine_Prop_Sheet();
    if (code != 1) return;
    Nchw_Type_Rec *type = Nchw_Type_Head;
    for (int k = 0; type && k < type_pos; k++) type = type->next;
    if (!type) return;
    if (take_name || Trim_Blanks(name)[0] == 0)
        snprintf(name, sizeof name, "%s", Trim_Blanks(type->name));
    if (number < 1) {
        static const char *const lines[] = {"Nachweisnummer mu\xE1",
                                            "gr\x94\xE1"
                                            "er als 0 sein!",
                                            nullptr};
        Nchw_Dlg_Message(nullptr, lines);
        number = 1;
    }
    Create_Check(number, name, type);
}

/* ------------------------------------------------------------------ deleting */

static void Free_One_Check(Nchw_Rec *c)
{
    while (c->xtr_head) Free_Xtr_Rule(c->xtr_head);
    while (c->lkom_head) Free_Lkom(c->lkom_head);
    while (c->genrule_head) Free_GenRule(c->genrule_head);
    for (int i = 0; i < 3; i++) std::free(c->selected[i]);
    std::free(c->comment);
    if (c->prev) c->prev->next = c->next;
    else Nchw_List_Head = c->next;
    if (c->next) c->next->prev = c->prev;
    else Nchw_List_Tail = c->prev;
    if (Nchw_Current == c) Nchw_Current = nullptr;
    std::free(c);
}

static bool Ask(const char *question)
{
    Init_Message();
    Fill_Message(question);
    return Answer_is_Yes(0) == 1;
}

void Delete_Current_Nchw_Object(void)
{
    if (Nchw_Current) {
        Nchw_Rec *c = Nchw_Current;
        if (!Ask("aktuellen Nachweis l\x94schen?")) return;
        Nchw_Rec *next = c->next ? c->next : c->prev;
        Clear_Nchw_TreeView(0);
        Hide_Nchw_Properties();
        Free_One_Check(c);
        Build_Nchw_TreeView(0);
        if (next) Show_Nchw_Properties(next);
        else Show_Nchw_Hint_Page();
    } else if (Nchw_Current_Xtr_Rule) {
        Xtr_Rule_Rec *x = Nchw_Current_Xtr_Rule;
        if (!Ask("aktuelle Extremalbildungsvorschrift l\x94schen?")) return;
        Xtr_Rule_Rec *next = x->next ? x->next : x->prev;
        Nchw_Rec *owner = x->owner;
        Clear_Nchw_TreeView(0);
        Hide_Xtr_Properties();
        Free_Xtr_Rule(x);
        Build_Nchw_TreeView(0);
        if (next) Show_Xtr_Properties(next);
        else if (owner) Show_Nchw_Properties(owner);
        else Show_Nchw_Hint_Page();
    } else if (Nchw_Current_Lkom) {
        Lkom_Rec *l = Nchw_Current_Lkom;
        if (!Ask("aktuelles Lastkollektiv l\x94schen?")) return;
        Lkom_Rec *next = l->next ? l->next : l->prev;
        Nchw_Rec *owner = l->owner;
        Clear_Nchw_TreeView(0);
        Hide_Lkom_Properties();
        Free_Lkom(l);
        Build_Nchw_TreeView(0);
        if (next) Show_Lkom_Properties(next);
        else if (owner) Show_Nchw_Properties(owner);
        else Show_Nchw_Hint_Page();
    } else if (Nchw_Current_GenRule) {
        GenRule_Rec *g = Nchw_Current_GenRule;
        if (!Ask("aktuelle Lastkollektiv-Generierungsvorschrift l\x94schen?")) return;
        GenRule_Rec *next = g->next ? g->next : g->prev;
        Nchw_Rec *owner = g->owner;
        Clear_Nchw_TreeView(0);
        Hide_GenRule_Properties();
        Free_GenRule(g);
        Build_Nchw_TreeView(0);
        if (next) Show_GenRule_Properties(next);
        else if (owner) Show_Nchw_Properties(owner);
        else Show_Nchw_Hint_Page();
    }
    if (Nchw_Tree && Nchw_Sheet.open) redrawTreeView(Nchw_Tree);
}

/* ------------------------------------------------------------------ events of the sheet */

static void Rebuild_Tree(void)
{
    Clear_Nchw_TreeView(0);
    Build_Nchw_TreeView(0);
    if (Nchw_Tree && Nchw_Sheet.open) redrawTreeView(Nchw_Tree);
}

/* A name edited on a page: apostrophes become backquotes; 1 when it differs from the old one. */
static int Take_Name(char *record_name, size_t size, char *edited)
{
    Quote_To_Backquote(edited);
    if (std::strcmp(record_name, edited) == 0) return 0;
    Str_Copy_Bounded(record_name, edited, size);
    return 1;
}

/* Copy of a collective with all its rows, appended to its check. */
static void Duplicate_Lkom(Lkom_Rec *l)
{
    Nchw_Rec *c = l->owner;
    if (!c) return;
    Lkom_Rec *d = New_Lkom(c);
    if (!d) return;
    Lkom_Rec *prev = d->prev;
    *d = *l;
    d->prev = prev;
    d->next = nullptr;
    d->tree_item = 0;
    d->number = Next_Lkom_Number(c);
    d->rows = nullptr;
    if (l->row_count > 0) {
        d->rows = (Lkom_Row *)std::malloc(sizeof(Lkom_Row) * (size_t)l->row_count);
        if (!d->rows) {
            d->row_count = 0;
        } else {
            std::memcpy(d->rows, l->rows, sizeof(Lkom_Row) * (size_t)l->row_count);
        }
    }
    c->lkom_count++;
    Rebuild_Tree();
    Show_Lkom_Properties(d);
}

static void Selector_Event(int code)
{
    Nchw_Rec *c = Nchw_Current;
    if (!c || !c->type || (Nchw_Sheet.args.values[0] & 128)) return;
    const int n = c->type->selector_count;
    const int slot = (code - 19) % 3;
    const int i = slot - (3 - n);
    if (n < 1 || n > 3 || i < 0) return;
    if (code <= 21) {
        /* the three modes of the selector as a list to choose from */
        char text[3][64];
        const char *plural = c->type->selector_names[i];
        snprintf(text[0], sizeof text[0], "f\x81r alle %s", plural);
        snprintf(text[1], sizeof text[1], "nicht f\x81r %s", plural);
        snprintf(text[2], sizeof text[2], "f\x81r ausgew\x84hlte %s", plural);
        const Menue_Entry entries[3] = {
            {text[0], nullptr, 1}, {text[1], nullptr, 1}, {text[2], nullptr, 1}};
        const int k = Menue_Manager(Nchw_Sheet.x + 275, Nchw_Sheet.y + 362 + 26 * slot, entries, 3);
        if (k < 0) return;
        Nchw_Sheet.sel_mode[slot] = k;
        c->selector_modes[i] = k;
        Nchw_Act(Nchw_Sheet.h_sel_button[slot], c->selector_modes[i] == 2 ? 1 : 0);
        Nchw_Draw_Selector_Text(slot, c->type->selector_names[i]);
    } else if (c->selector_modes[i] == 2) {
        c->selected[i] = Nchw_Object_Select_Dialog(c->type->selector_types[i],
                                                   c->type->selector_names[i], c->selected[i]);
    }
}

static void Generate_Of_Rule(GenRule_Rec *g)
{
    Apply_GenRule_To_Tables(g);
    Build_Lf_Factor_Tables();
    Load_GenRule_Factors(g);
    Do_Generate_Lkoms();
    Init_Or_Clear_Auto_Lkoms();
    Show_GenRule_Properties(g);
}

/* The items of the tree in the order shown: checks, each followed by its children. */
static void Show_Item(int level, void *rec)
{
    if (level == 0) Show_Nchw_Properties((Nchw_Rec *)rec);
    else if (level == 1) Show_Xtr_Properties((Xtr_Rule_Rec *)rec);
    else if (level == 2) Show_Lkom_Properties((Lkom_Rec *)rec);
    else Show_GenRule_Properties((GenRule_Rec *)rec);
    TreeViewItem *it = Nchw_Tree_Item_Of(level, rec);
    if (Nchw_Tree && it) showTreeViewElement(Nchw_Tree, it, 1);
}

void Nchw_Select_Neighbour(int step)
{
    struct Row {
        int level;
        void *rec;
    };
    Row rows[4096];
    int n = 0, at = -1;
    for (Nchw_Rec *c = Nchw_List_Head; c && n < 4096; c = c->next) {
        if (c == Nchw_Current) at = n;
        rows[n++] = Row{0, c};
        for (Xtr_Rule_Rec *x = c->xtr_head; x && n < 4096; x = x->next) {
            if (x == Nchw_Current_Xtr_Rule) at = n;
            rows[n++] = Row{1, x};
        }
        for (Lkom_Rec *l = c->lkom_head; l && n < 4096; l = l->next) {
            if (l == Nchw_Current_Lkom) at = n;
            rows[n++] = Row{2, l};
        }
        for (GenRule_Rec *g = c->genrule_head; g && n < 4096; g = g->next) {
            if (g == Nchw_Current_GenRule) at = n;
            rows[n++] = Row{3, g};
        }
    }
    if (n == 0) return;
    const int to = at < 0 ? 0 : at + step;
    if (to < 0 || to >= n) return;
    Show_Item(rows[to].level, rows[to].rec);
}

enum { NCHW_CODE_TREE_MOVED = 12 };
static int Sheet_X0 = 0, Sheet_Y0 = 0; /* the sheet's corner when it was defined */

/* The sheet was moved, and the tree window with it: the pages are drawn at the new place from now
** on and the tree is redrawn there. */
static void Follow_Sheet_Move(void)
{
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    Nchw_Sheet.x = Sheet_X0 + dx;
    Nchw_Sheet.y = Sheet_Y0 + dy;
    if (Nchw_Tree) redrawTreeView(Nchw_Tree);
}

/* 1 when the sheet stands elsewhere than the pages believe. */
static int Sheet_Moved(void)
{
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    return Nchw_Sheet.x != Sheet_X0 + dx || Nchw_Sheet.y != Sheet_Y0 + dy;
}

/* Codes 13..24: the page of one check. */
static void Handle_Check_Code(int code)
{
    Nchw_Sheet_Rec &s = Nchw_Sheet;
    Nchw_Rec *c = Nchw_Current;
    switch (code) {
    case 13:
        if (c) {
            if (s.chk_number < 1) s.chk_number = 1;
            const int32_t n = (int32_t)std::lround(s.chk_number);
            if (n != c->number) {
                c->number = n;
                Sort_Nachweise();
                Rebuild_Tree();
            }
            Show_Nchw_Properties(c);
        }
        break;
    case 14:
        if (c && Nchw_Module_Value) {
            char title[96];
            snprintf(title, sizeof title, "Anmerkungen zum Nachweis %d: %s", (int)c->number,
                     Trim_Blanks(c->name));
            c->comment = Edit_User_Comment(c->comment, title);
        }
        break;
    case 15:
        if (c && Take_Name(c->name, sizeof c->name, s.chk_name)) {
            Sort_Nachweise();
            Rebuild_Tree();
        }
        break;
    case 16:
        if (c) {
            c->flags = s.chk_active ? (c->flags | 1) : (c->flags & ~1);
            Draw_Nchw_Summary();
        }
        break;
    case 17:
        if (c && c->type) Helpview(c->type->help_topic);
        break;
    case 18:
        if (c && c->type && c->type->option_count > 0) Edit_Nchw_Options(c->type, c->option_values);
        break;
    case 19:
    case 20:
    case 21:
    case 22:
    case 23:
    case 24: Selector_Event(code); break;
    default: break;
    }
}

/* Codes 25..30: the page of one extremal-situation rule. */
static void Handle_Xtr_Code(int code)
{
    Nchw_Sheet_Rec &s = Nchw_Sheet;
    Xtr_Rule_Rec *x = Nchw_Current_Xtr_Rule;
    switch (code) {
    case 25:
        if (x) {
            x->number = (int32_t)std::lround(s.xtr_number);
            if (x->owner) Sort_Xtr_Rules(x->owner);
            Rebuild_Tree();
        }
        break;
    case 26:
        if (x && Take_Name(x->name, sizeof x->name, s.xtr_name)) Rebuild_Tree();
        break;
    case 27: Set_Xtr_Mode(1); break;
    case 28: Set_Xtr_Mode(2); break;
    case 29:
        if (x && x->owner) {
            Xtr_Generation_Dialog(x->owner, x);
            Show_Xtr_Properties(x);
        }
        break;
    case 30: Take_Xtr_Page_Table(); break;
    default: break;
    }
}

/* Codes 31..42: the page of one load combination. */
static void Handle_Lkom_Code(int code)
{
    Nchw_Sheet_Rec &s = Nchw_Sheet;
    Lkom_Rec *l = Nchw_Current_Lkom;
    switch (code) {
    case 31:
        if (l) {
            l->number = (int32_t)std::lround(s.lkom_number);
            if (l->owner) Sort_Lkoms(l->owner);
            Rebuild_Tree();
            Show_Lkom_Properties(l);
        }
        break;
    case 32:
        if (l && Take_Name(l->name, sizeof l->name, s.lkom_name)) Rebuild_Tree();
        break;
    case 33:
        if (l && l->next) Show_Lkom_Properties(l->next);
        break;
    case 34:
        if (l && l->prev) Show_Lkom_Properties(l->prev);
        break;
    case 35:
        if (l) Duplicate_Lkom(l);
        break;
    case 36:
        if (l) Show_Lkom_Factors_Sheet_Of(l->owner, 0);
        break;
    case 38:
        if (l && l->owner) {
            Lkom_Type_Dialog(l->owner->type, l);
            Show_Lkom_Properties(l);
        }
        break;
    case 37:
    case 39:
    case 40:
    case 41:
        if (l) {
            s.lkom_edit_mode = code == 37 ? 0 : code - 38;
            Show_Lkom_Properties(l);
        }
        break;
    case 42: Take_Lkom_Page_Table(); break;
    default: break;
    }
}

/* Codes 43..50: the page of one generation rule. */
static void Handle_GenRule_Code(int code)
{
    Nchw_Sheet_Rec &s = Nchw_Sheet;
    GenRule_Rec *g = Nchw_Current_GenRule;
    switch (code) {
    case 43:
        if (g) {
            g->number = (int32_t)std::lround(s.gen_number);
            Rebuild_Tree();
        }
        break;
    case 44:
        if (g && Take_Name(g->name, sizeof g->name, s.gen_name)) Rebuild_Tree();
        break;
    case 45:
        if (g) Generate_Of_Rule(g);
        break;
    case 46:
        if (g) Lkom_Generation_Dialog(g);
        break;
    case 47:
    case 48:
    case 49:
    case 50:
        if (code - 47 < Entry_Count && Entries[code - 47].action) {
            Entries[code - 47].action();
            Apply_NAD_EC0_Factors_To_Lkom_Tables();
        }
        break;
    default: break;
    }
}

/* Handle one code of the sheet; 0 when the sheet ends. */
static int Handle(int code)
{
    switch (code) {
    case 1: New_Nachweis_Dialog(); break;
    case 2: New_Xtr_Dialog(); break;
    case 3: New_Lkom_Dialog(); break;
    case 4:
        Nchw_Global_Settings_Dialog();
        Apply_NAD_EC0_Factors_To_Lkom_Tables();
        break;
    case 5: Lkom_Generation_Dialog(nullptr); break;
    case 6: Delete_Current_Nchw_Object(); break;
    case 7: Show_Nchw_Check_Report(); break;
    case 8:
    case 11:
    case -1: return 0;
    case 9: {
        const int key = hitkey() >= 0 ? getkey() : -1;
        if (key == KEY_DEL) Delete_Current_Nchw_Object();
        else if (key == KEY_UP || key == KEY_DOWN) Nchw_Select_Neighbour(key == KEY_DOWN ? 1 : -1);
        else if (key == KEY_PGDN || key == KEY_PGUP)
            Scroll_Nchw_Page_Table((key == KEY_PGDN ? 1 : -1)
                                   * (Nchw_Current_Xtr_Rule ? XTR_PAGE_ROWS : LKOM_PAGE_ROWS));
        break;
    }
    case 10: Helpview(Nchw_Help_Key); break;
    case NCHW_CODE_TREE_MOVED: Follow_Sheet_Move(); break;
    default:
        if (code >= 13 && code <= 24) Handle_Check_Code(code);
        else if (code >= 25 && code <= 30) Handle_Xtr_Code(code);
        else if (code >= 31 && code <= 42) Handle_Lkom_Code(code);
        else if (code >= 43 && code <= 50) Handle_GenRule_Code(code);
        break;
    }
    return 1;
}

/* ------------------------------------------------------------------ the sheet */

static void Make_Check_Page_Controls(int x, int y)
{
    Nchw_Sheet_Rec &s = Nchw_Sheet;
    s.h_chk_number = Add_Edit_Float_to_PS(x + 273, y + 105, 4, "%4.0f", &s.chk_number, 13);
    s.h_chk_name = Add_Edit_Text_to_PS(x + 329, y + 105, 22, s.chk_name, 31, 15);
    s.h_chk_active = Add_Logical_Button_to_PS(x + 530, y + 105, 0, 0, &s.chk_active, 16);
    s.h_chk_help = Add_Single_Button_to_PS(x + 560, y + 128, SYMBOLIC_HELP_RASTER, "", 17);
    s.h_chk_options = Add_Single_Button_to_PS(x + 450, y + 164, SYMBOLIC_MORE_RASTER, "", 18);
    s.h_summary = Add_Scrollable_Area_to_PS(PS_Scrollable_Area{.x1 = x + 275,
                                                               .y1 = y + 195,
                                                               .x2 = x + 570,
                                                               .y2 = y + 410,
                                                               .frame = 1,
                                                               .code = 0,
                                                               .step_x = 16,
                                                               .step_y = 16,
                                                               .draw = Nchw_Summary_Area_Draw,
                                                               .user = nullptr,
                                                               .active = 0});
    Resize_Origin_of_Scrollable_Area_PS(s.h_summary, 290, 600);
    Add_VSlider_to_Scrollable_Area(s.h_summary, 1, 12, -1, 0);
    for (int j = 0; j < 3; j++) {
        s.h_sel_list[j] = Add_Single_Button_to_PS(x + 470, y + 340 + 26 * j, PS_RASTER(50, 20),
                                                  "\x84ndern", 19 + j);
        s.h_sel_button[j] = Add_Single_Button_to_PS(x + 525, y + 340 + 26 * j, PS_RASTER(60, 20),
                                                    "Objekte", 22 + j);
    }
}

static const struct {
    int code;
    const char *text;
} Buttons[11] = {
    // clang-format off
    {1, "einen neuen\nNachweis erzeugen"},
    {2, "eine neue\nExtremierungsvorschrift\nhinzuf\x81gen"},
    {3, "ein neues\nLastkollektiv\nhinzuf\x81gen"},
    {5, "Lastkollektive generieren"},
    {14, "benutzerdefinierte\nAnmerkungen"},
    {6, "aktuelles Objekt\nl\x94schen"},
    {4, "allgemeine Nachweiseinstellungen"},
    {7, "aktuellen\nZustand\n\x81" "berpr\x81" "fen"},
    {8, "Nachweisbearbeitung\nabbrechen"},
    {10, "Hilfe"},
    // clang-format on
    {11, "Ende Nachweise"}};

int Nachweise_Sheet(Nchw_Args_Rec *args)
{
    Nchw_Sheet_Rec &s = Nchw_Sheet;
    s = Nchw_Sheet_Rec{};
    s.args = args ? *args : Nchw_Args_Default;
    const int32_t mask = s.args.values[0];
    if (mask & 64) Nchw_Norm_Mask &= ~NCHW_NORM_SNOW;
    for (int i = 0; i < 4; i++) Nchw_Tree_Sel[i] = -1;
    Nchw_Current = nullptr;
    Nchw_Current_Xtr_Rule = nullptr;
    Nchw_Current_Lkom = nullptr;
    Nchw_Current_GenRule = nullptr;

    int x1, y1, x2, y2;
    if (mask & 4096) {
        x1 = 0;
        y1 = 0;
        x2 = NPIXEL_X - 1;
        y2 = NPIXEL_Y - 1;
    } else {
        Nchw_Dlg_Place(&Centre, NCHW_SHEET_W / 2, NCHW_SHEET_W / 2 - 1, NCHW_SHEET_H / 2,
                       NCHW_SHEET_H / 2 - 1, &x1, &y1, &x2, &y2);
    }
    s.x = Sheet_X0 = x1;
    s.y = Sheet_Y0 = y1;
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, "Verwaltung der Nachweise", 0, 1);
    pxDrawTransparentDIB(/*file=*/"nchwbuts.bmp", /*x1=*/x1 + 8, /*y1=*/y1 + 426, /*x2=*/x1 + 604,
                         /*y2=*/y1 + 586, /*mode=*/201, /*flag=*/0, /*r=*/192, /*g=*/192,
                         /*b=*/192);
    int slot = 0;
    for (int i = 0; i < 11 + Entry_Count; i++, slot++) {
        const int bx = x1 + 8 + 100 * (slot % 6), by = y1 + 428 + 54 * (slot / 6);
        const int code = i < 11 ? Buttons[i].code : 47 + (i - 11);
        const char *text = i < 11 ? Buttons[i].text : Entries[i - 11].text;
        const int h = Add_Single_Button_to_PS(bx, by, PS_RASTER(96, 50), text, code);
        if ((code == 1 && (mask & 2)) || (code == 2 && (mask & 4)) || (code == 3 && (mask & 8))
            || (code == 5 && (mask & 32)) || (code == 4 && Nchw_Norm_Mask == 0))
            Change_Activity_PS(h, 0);
        if (i >= 11) Set_Comment_to_Button_PS(h, Entries[i - 11].name);
    }
    Make_Check_Page_Controls(x1, y1);
    Make_Xtr_Page_Controls(x1, y1);
    Make_Lkom_Page_Controls(x1, y1);
    /* keys reach the sheet while the mouse rests on the strip below the buttons */
    const int keys = Add_Escape_Area_to_PS(x1 + 8, y2 - 12, x2 - 8, y2 - 2, 9);
    Set_Escape_Area_to_MouseMoveEvent(keys, 1);
    Set_Windows_Break_Button(8);
    Set_Windows_OK_Button(11);
    s.open = 1;
    /* the refresh of the checks reaches the tree and the extremal-rule page through these */
    Nchw_Tree_Remove_Hook = [] { Clear_Nchw_TreeView(1); };
    Nchw_Tree_Rebuild_Hook = [] {
        Clear_Nchw_TreeView(0);
        Build_Nchw_TreeView(0);
        if (Nchw_Tree) redrawTreeView(Nchw_Tree);
    };
    Xtr_Rule_Page_Hook = Show_Xtr_Properties;
    Nchw_Gui_Mode = 1;
    Activate_Prop_Sheet();
    Hide_Nchw_Properties();
    Hide_Xtr_Properties();
    Hide_Lkom_Properties();
    Hide_GenRule_Properties();
    Build_Nchw_TreeView(1);
    if (Nchw_Tree) redrawTreeView(Nchw_Tree);
    Show_Nchw_Hint_Page();
    for (int k = 0; k < 2; k++) {
        const bool empty = k == 0 ? Nchw_Einw_Table.count <= 0 : Nchw_Lf_Table_Count() <= 0;
        if (!empty) continue;
        const char *lines[] = {"Es sind aktuell", "(noch) keine",
                               k == 0 ? "Einwirkungen" : "Lastf\x84lle", "definiert!", nullptr};
        Nchw_Dlg_Message(nullptr, lines);
    }

    int code = 0;
    for (;;) {
        code = Edit_Prop_Sheet();
        if (getkeymask() && code != 11) code = 8;
        /* the library moves the tree window with the sheet and tells nothing: follow it first */
        if (Sheet_Moved()) Handle(NCHW_CODE_TREE_MOVED);
        if (!Handle(code)) break;
    }
    Nchw_Dlg_Keep_Displacement(&Centre);
    Check_Lkom_Count_Limit();
    Hide_Nchw_Properties();
    Hide_Xtr_Properties();
    Hide_Lkom_Properties();
    Hide_GenRule_Properties();
    Clear_Nchw_TreeView(0);
    if (Nchw_Tree) deleteTreeView(Nchw_Tree);
    Nchw_Tree = nullptr;
    Undefine_Prop_Sheet();
    s.open = 0;
    Nchw_Tree_Remove_Hook = nullptr;
    Nchw_Tree_Rebuild_Hook = nullptr;
    Xtr_Rule_Page_Hook = nullptr;
    Nchw_Gui_Mode = 0;
    if (args && code == 11)
        for (int i = 1; i <= 3; i++) args->values[i] = s.args.values[i];
    s.args = Nchw_Args_Default;
    return code == 11 ? 1 : 0;
}

int Run_Nachweise_Sheet(void) { return Nachweise_Sheet(nullptr); }
