/*
** The dialogs that add an extremal rule ("eine neue Extremierung hinzufügen") or a load
** collective ("ein neues Lastkollektiv hinzufügen") to a design check: number, name and the
** check, which must allow such records in the current compute mode.
*/
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "checks/dlg_common.h"
#include "checks/dlg_lkomtype.h"
#include "checks/dlg_sheet.h"
#include "checks/nchw_def.h"
#include "checks/nchw_settings.h"
#include "checks/nchw_tables.h"
#include "checks/xtr_tables.h"
#include "foundation/ttool.h"
#include "platform/zelkgrft.h"
#include "platform/zelkwin.h"

static Nchw_Dlg_Centre Centre_Xtr = {-1, -1}, Centre_Lkom = {-1, -1};

int32_t Next_Xtr_Number(const Nchw_Rec *check)
{
    int32_t m = 0;
    for (const Xtr_Rule_Rec *x = check ? check->xtr_head : nullptr; x; x = x->next)
        if (x->number > m) m = x->number;
    return m + 1;
}

int32_t Next_Lkom_Number(const Nchw_Rec *check)
{
    int32_t m = 0;
    for (const Lkom_Rec *l = check ? check->lkom_head : nullptr; l; l = l->next)
        if (l->number > m) m = l->number;
    return m + 1;
}

/* The check can take records of the kind: bit n of integer 2 (rules) or 3 (collectives). */
static bool Fits(const Nchw_Rec *c, int n_int)
{
    const int n = Nchw_Compute_Mode_Index;
    return c && c->type && n >= 0 && n < 31 && ((Nchw_Type_Int(c->type, n_int) >> n) & 1);
}

/* Name of n characters padded with blanks to 30. */
static void Pad_Name(char *out, const char *text) { snprintf(out, 31, "%-30.30s", text); }

static void Create_Xtr(Nchw_Rec *c, double number, const char *name)
{
    Xtr_Rule_Rec *x = New_Xtr_Rule(c);
    if (!x) return;
    snprintf(x->name, sizeof x->name, "%s", name);
    x->number = (int32_t)std::lround(number);
    x->owner = c;
    x->auto_kind = 0;
    x->mode = Nchw_Auto_Xtr_Exist() ? 2 : 1;
    int32_t n = 0, R = 0, M = 0, K = 0, Z = 0;
    x->rows = Build_Standard_Xtr_Table(c, &n, &R, &M, &K, &Z);
    x->row_count = x->rows ? n : 0;
    x->comb_rule[0] = x->comb_rule[1] = R;
    x->basis[0] = x->basis[1] = M;
    x->check_kind[0] = x->check_kind[1] = K;
    x->combination[0] = x->combination[1] = Z;
    x->gamma_g_variant[0] = x->gamma_g_variant[1] = Nchw_Global_Settings.din1055_gamma_g - 1;
    x->tree_item = 0;
    c->xtr_count++;
    Clear_Nchw_TreeView(1);
    Sort_Xtr_Rules(c);
    Build_Nchw_TreeView(0);
    if (Nchw_Tree && Nchw_Sheet.open) redrawTreeView(Nchw_Tree);
    if (Nchw_Tree && x->tree_item) showTreeViewElement(Nchw_Tree, (TreeViewItem *)x->tree_item, 1);
    Show_Xtr_Properties(x);
}

static void Create_Lkom(Nchw_Rec *c, double number, const char *name)
{
    Lkom_Rec *l = New_Lkom(c);
    if (!l) return;
    snprintf(l->name, sizeof l->name, "%s", name);
    l->number = (int32_t)std::lround(number);
    l->owner = c;
    const Nchw_Type_Rec *t = c->type;
    l->comb_rule = l->default_comb_rules = Nchw_Type_Int(t, 9);
    l->check_kind = l->default_check_kinds = Nchw_Type_Int(t, 5);
    l->combination = l->default_combinations = Nchw_Type_Int(t, 7);
    int32_t variable = 0;
    for (int32_t i = 0; Nchw_Einw_Table.rows && i < Nchw_Einw_Table.count; i++)
        variable += Nchw_Einw_Table.rows[i].kind > 1 ? 1 : 0;
    l->leading_action[0] = l->leading_action[1] =
        (Nchw_Type_Int(t, 9) == 4 && variable < 2) ? 1 : 0;
    l->gamma_g_variant[0] = l->gamma_g_variant[1] = Nchw_Global_Settings.din1055_gamma_g - 1;
    l->tree_item = 0;
    c->lkom_count++;
    Lkom_Type_Dialog(t, l);
    Clear_Nchw_TreeView(1);
    Sort_Lkoms(c);
    Build_Nchw_TreeView(0);
    if (Nchw_Tree && Nchw_Sheet.open) redrawTreeView(Nchw_Tree);
    if (Nchw_Tree && l->tree_item) showTreeViewElement(Nchw_Tree, (TreeViewItem *)l->tree_item, 1);
    Show_Lkom_Properties(l);
}

static void New_Item_Dialog(bool xtr)
{
    const int bit_int = xtr ? 2 : 3;
    Nchw_Rec *any = nullptr;
    for (Nchw_Rec *c = Nchw_List_Head; c && !any; c = c->next)
        if (Fits(c, bit_int)) any = c;
    if (!any) {
        const char *lines[] = {
            "Es existiert zur Zeit kein Nachweis,",
            xtr ? "dem im aktuellen Rechenmodus eine" : "dem im aktuellen Rechenmodus ein",
            xtr ? "Extremierung zugeordnet werden kann." : "Lastkollektiv zugeordnet werden kann.",
            nullptr};
        Nchw_Dlg_Message(nullptr, lines);
        return;
    }
    Nchw_Rec *pre = Nchw_Current;
    if (!pre && Nchw_Current_Xtr_Rule) pre = Nchw_Current_Xtr_Rule->owner;
    if (!pre && Nchw_Current_Lkom) pre = Nchw_Current_Lkom->owner;
    if (!pre) pre = Nchw_List_Head;
    if (!Fits(pre, bit_int)) pre = any;

    double number = xtr ? Next_Xtr_Number(pre) : Next_Lkom_Number(pre);
    char text[40], name[32];
    snprintf(text, sizeof text, xtr ? "Extremierung %.0f" : "Lastkollektiv %.0f", number);
    Pad_Name(name, text);

    int pos = 0, pre_pos = 0, i = 0;
    for (Nchw_Rec *c = Nchw_List_Head; c; c = c->next, i++)
        if (c == pre) pre_pos = pos = i;

    Nchw_Dlg_Centre *centre = xtr ? &Centre_Xtr : &Centre_Lkom;
    int x, y, x2, y2;
    Nchw_Dlg_Place(centre, 138, 138, 94, 93, &x, &y, &x2, &y2);
    Define_Prop_Sheet(x, y, x2, y2, 1, 1,
                      xtr ? "eine neue Extremierung hinzuf\x81gen"
                          : "ein neues Lastkollektiv hinzuf\x81gen",
                      0, 1);
    Draw_Funny_Text_to_PS(x + 17, y + 58, "Nummer", 0, 0);
    Add_Edit_Float_to_PS(x + 18, y + 65, 5, "%5.0f", &number, 0);
    Draw_Funny_Text_to_PS(x + 82, y + 58, "Bezeichnung", 0, 0);
    Set_Short_Edit_Text_Scrollmode(30);
    Add_Edit_Text_to_PS(x + 82, y + 65, 20, name, sizeof name, 0);
    Draw_Funny_Text_to_PS(x + 17, y + 109, "f\x81r den Nachweis", 0, 0);
    const int list = Add_Stringlist_to_PS(x + 18, y + 116, x + 258, y + 152, &pos, 3);
    for (Nchw_Rec *c = Nchw_List_Head; c; c = c->next) {
        char label[64];
        snprintf(label, sizeof label, "%d: %s", (int)c->number, Trim_Blanks(c->name));
        Fill_Stringlist_of_PS(list, label, Fits(c, bit_int) ? BLACK_CI : RED_CI);
    }
    Add_Single_Button_to_PS(x + 17, y + 159, SYMBOLIC_BREAK_RASTER, "", 2);
    Add_Help_to_PS(x + 127, y + 159, xtr ? "XNCHW_NEWEXTR" : "XNCHW_NEWLKOM");
    Add_Single_Button_to_PS(x + 235, y + 159, SYMBOLIC_OK_RASTER, "", 1);
    Set_Windows_Break_Button(2);
    Activate_Prop_Sheet();
    for (;;) {
        const int code = Edit_Prop_Sheet();
        if (code == 3) {
            Nchw_Rec *c = Nchw_List_Head;
            for (int k = 0; c && k < pos; k++) c = c->next;
            if (!Fits(c, bit_int)) {
                const char *lines[] = {"Dem soeben ausgew\x84hlten Nachweis",
                                       "kann im aktuellen Rechenmodus",
                                       xtr ? "keine Extremalbildungsvorschrift"
                                           : "kein Lastkollektiv zugeordnet werden!",
                                       xtr ? "zugeordnet werden!" : nullptr, nullptr};
                Nchw_Dlg_Message(nullptr, lines);
                pos = pre_pos;
                Draw_Prop_Sheet_Box();
            }
            continue;
        }
        Nchw_Dlg_Keep_Displacement(centre);
        Undefine_Prop_Sheet();
        if (code != 1) return;
        Nchw_Rec *c = Nchw_List_Head;
        for (int k = 0; c && k < pos; k++) c = c->next;
        if (!Fits(c, bit_int)) return;
        if (xtr) Create_Xtr(c, number, name);
        else Create_Lkom(c, number, name);
        return;
    }
}

void New_Xtr_Dialog(void) { New_Item_Dialog(true); }
void New_Lkom_Dialog(void) { New_Item_Dialog(false); }
