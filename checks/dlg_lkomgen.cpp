/*
** The load-collective generation dialog: four pages of settings, the six list windows with
** drag and drop, the run of the generator with the result sheet, and the take-over of the
** generated collectives into the design check or the storing of a generation rule.
*/
#include "checks/dlg_lkomgen.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "checks/dlg_common.h"
#include "checks/dlg_legend.h"
#include "checks/dlg_lkomtype.h"
#include "checks/dlg_sheet.h"
#include "checks/genrule.h"
#include "checks/lkom_factors.h"
#include "checks/lkom_gen.h"
#include "checks/lkom_gen_settings.h"
#include "checks/nchw_def.h"
#include "checks/nchw_tables.h"
#include "checks/xtr_tables.h"
#include "foundation/ttool.h"
#include "platform/zelkgrft.h"
#include "platform/zelkwin.h"

int32_t Lkom_Gen_Rule_Edit = 0;
int32_t Lkom_Joint_First = 0;
int32_t Lkom_Gen_Rules_Excluded = 0;

static int Sheet_X = -1, Sheet_Y = -1;
static int Page = 0; /* 0 allgemein, 1 Gruppierungen, 2 wirken, 3 Faktorisierung */
static int Colours[9] = {-1, -1, -1, -1, -1, -1, -1, -1, -1};

enum { C_WHITE, C_BLUE, C_GREY, C_GREEN, C_LIGHT, C_BLUE2, C_RED, C_FACTOR1, C_FACTOR2 };

void Init_Lkom_Window_Colors(void)
{
    static const int rgb[9][3] = {{255, 255, 255}, {0, 0, 255},     {128, 128, 128},
                                  {0, 128, 0},     {200, 200, 170}, {0, 0, 255},
                                  {255, 0, 0},     {235, 245, 225}, {223, 217, 204}};
    for (int i = 0; i < 9; i++)
        if (Colours[i] < 0) Colours[i] = Nearest_Color_Index(rgb[i][0], rgb[i][1], rgb[i][2]);
}

/* ------------------------------------------------------------------ windows */

static const int Win_X[3] = {20, 225, 430};
enum { WIN_Y1 = 120, WIN_Y2 = 440, WIN_W = 190 };

static int Slot_Of(int window)
{
    switch (window) {
    case 23:
    case 31: return 0;
    case 22:
    case 32: return 1;
    case 21:
    case 33: return 2;
    default: return -1;
    }
}

void Lkom_Window_Rect(int window, int *x1, int *y1, int *x2, int *y2)
{
    const int s = Slot_Of(window) < 0 ? 0 : Slot_Of(window);
    const int ox = Sheet_X < 0 ? 0 : Sheet_X, oy = Sheet_Y < 0 ? 0 : Sheet_Y;
    *x1 = ox + Win_X[s];
    *y1 = oy + WIN_Y1;
    *x2 = ox + Win_X[s] + WIN_W;
    *y2 = oy + WIN_Y2;
}

Lkom_Window_Entry *Lkom_Window_Of(int window)
{
    switch (window) {
    case 21: return Lkom_Window_List[LKOM_WIN_21];
    case 22: return Lkom_Window_List[LKOM_WIN_22];
    case 23: return Lkom_Window_List[LKOM_WIN_23];
    case 31: return Lkom_Window_List[LKOM_WIN_31];
    case 32: return Lkom_Joint_List[Lkom_Joint_First];
    case 33: return Lkom_Joint_List[Lkom_Joint_First + 1 <= 8 ? Lkom_Joint_First + 1 : 8];
    default: return nullptr;
    }
}

static const char *Entry_Name(const Lkom_Window_Entry &e)
{
    if (e.kind == 1) return ((const Joint_Group_Rec *)e.row)->name;
    if (e.kind == 2) return ((const Nchw_Lf_Row *)e.row)->label;
    return ((const Nchw_Imp_Row *)e.row)->label;
}

void Draw_Lkom_Window(int window, int x1, int y1, int x2, int y2)
{
    Init_Lkom_Window_Colors();
    const int frame = window == 22   ? Colours[C_RED]
                      : window == 23 ? Colours[C_GREEN]
                      : window == 31 ? Colours[C_GREY]
                                     : Colours[C_BLUE];
    pxFgc(window >= 32 ? Colours[C_LIGHT] : Colours[C_WHITE]);
    pxRect(x1, y1, x2, y2);
    pxFgc(frame);
    pxLine(x1, y1, x2, y1);
    pxLine(x1, y2, x2, y2);
    pxLine(x1, y1, x1, y2);
    pxLine(x2, y1, x2, y2);
    if (window == 32 || window == 33) {
        const int i = window == 32 ? Lkom_Joint_First : Lkom_Joint_First + 1;
        pxDrawPartialTransparentDIB(/*file=*/"bigdigit.bmp", /*sx1=*/i * 48, /*sy1=*/0,
                                    /*sx2=*/i * 48 + 47, /*sy2=*/-1, /*x1=*/x1 + 40, /*y1=*/y1 + 55,
                                    /*x2=*/x1 + 88, /*y2=*/y1 + 128, /*mode=*/201, /*flag=*/0,
                                    /*r=*/255, /*g=*/255, /*b=*/255);
    }
    const Lkom_Window_Entry *l = Lkom_Window_Of(window);
    const int32_t n = Lkom_Window_Count(l);
    Pop_RFont(4096);
    for (int32_t i = 0; i < n; i++) {
        const int y = y1 + 17 + 16 * i;
        if (y > y2) break;
        pxFgc(BLACK_CI);
        Draw_TreeViewImage(l[i].kind == 1   ? TVI_FOLDER_CLOSED
                           : l[i].kind == 2 ? TVI_DOCUMENT
                                            : TVI_CROSS,
                           x1 + 12, y - 4);
        pxFgc(BLACK_CI);
        pxText(x1 + 24, y, Entry_Name(l[i]), -1);
    }
    Push_RFont();
}

void Lkom_Window_Callback(int area, int sx, int sy, int x1, int y1, int x2, int y2, void *user)
{
    (void)area;
    (void)sx;
    (void)sy;
    Draw_Lkom_Window((int)(intptr_t)user, x1, y1, x2, y2);
}

static void Redraw_Window(int window)
{
    int x1, y1, x2, y2;
    Lkom_Window_Rect(window, &x1, &y1, &x2, &y2);
    Draw_Lkom_Window(window, x1, y1, x2, y2);
}

void Scroll_Joint_Group_Windows(int mode, int position)
{
    Lkom_Joint_First = position < 3850 ? (position + 150) / 500 : 7;
    if (Lkom_Joint_First < 0) Lkom_Joint_First = 0;
    if (Lkom_Joint_First > 7) Lkom_Joint_First = 7;
    if (!mode) {
        Redraw_Window(32);
        Redraw_Window(33);
    }
}

static int32_t Order_Of(const Lkom_Window_Entry &e)
{
    if (e.kind == 1) return ((const Joint_Group_Rec *)e.row)->index;
    if (e.kind == 2) return (int32_t)((const Nchw_Lf_Row *)e.row - Nchw_Lf_Table.rows);
    return (int32_t)((const Nchw_Imp_Row *)e.row - Nchw_Imp_Table.rows);
}

int Lkom_Window_Move(int from, int i, int to)
{
    Lkom_Window_Entry *src = Lkom_Window_Of(from), *dst = Lkom_Window_Of(to);
    if (!src || !dst || src == dst) return 0;
    const int32_t n = Lkom_Window_Count(src);
    if (i < 0 || i >= n) return 0;
    /* a joint group never enters a joint group */
    if (src[i].kind == 1 && (to == 32 || to == 33)) return 0;
    if (!Lkom_Window_Append(dst, src[i].kind, src[i].row)) return 0;
    for (int32_t k = i; k < n; k++) src[k] = src[k + 1];
    const int32_t m = Lkom_Window_Count(dst);
    std::stable_sort(dst, dst + m, [](const Lkom_Window_Entry &a, const Lkom_Window_Entry &b) {
        if (a.kind != b.kind) return a.kind < b.kind;
        return Order_Of(a) < Order_Of(b);
    });
    return 1;
}

int Lkom_Window_Drag_Drop(int window)
{
    int x1, y1, x2, y2;
    Lkom_Window_Rect(window, &x1, &y1, &x2, &y2);
    const int i = (M_YPOS - (y1 + 17) + 12) / 16;
    if (M_YPOS < y1 + 5 || i < 0 || i >= Lkom_Window_Count(Lkom_Window_Of(window))) return 0;
    int mx = M_XPOS, my = M_YPOS;
    int saved = Save_Screen_Rectangle(mx - 7, my - 7, mx + 7, my + 7);
    while (M_LEFT && !getkeymask()) {
        Get_Mouse_Event();
        if (saved) Restore_Screen_Rectangle(mx - 7, my - 7, mx + 7, my + 7);
        mx = M_XPOS;
        my = M_YPOS;
        saved = Save_Screen_Rectangle(mx - 7, my - 7, mx + 7, my + 7);
        pxFgc(BLACK_CI);
        Draw_TreeViewImage(TVI_DOCUMENT, mx, my);
    }
    if (saved) Restore_Screen_Rectangle(mx - 7, my - 7, mx + 7, my + 7);
    const int page_windows[2][3] = {{31, 32, 33}, {23, 22, 21}};
    const int p = (window >= 31) ? 0 : 1;
    for (int k = 0; k < 3; k++) {
        const int w = page_windows[p][k];
        int a, b, c, d;
        Lkom_Window_Rect(w, &a, &b, &c, &d);
        if (mx >= a && mx <= c && my >= b && my <= d) {
            if (w == window || !Lkom_Window_Move(window, i, w)) return 0;
            Redraw_Window(window);
            Redraw_Window(w);
            return 1;
        }
    }
    return 0;
}

/* ------------------------------------------------------------------ factor page */


void Draw_Lkom_Factor_Page(int area)
{
    (void)area;
    Init_Lkom_Window_Colors();
    const int x = Sheet_X, y = Sheet_Y;
    const int method = Lkom_Gen_Settings.method;
    Pop_RFont(4096);
    pxFgc(BLACK_CI);
    pxText(x + 20, y + 80, "Definition:", -1);
    pxText(x + 20, y + 178,
           Lkom_Gen_Settings.factor_mode == 2 && Lkom_Gen_Settings.basis == 2 ? "Lastfall"
                                                                              : "Einwirkung",
           -1);
    pxText(x + 230, y + 178, "\xC0", -1);
    pxText(x + 280, y + 178, "\xC0", -1);
    if (method != 3) {
        pxText(x + 330, y + 178, "\xB8", -1);
        pxText(x + 380, y + 178, "\xB8", -1);
    }
    Pop_RFont(4098);
    pxText(x + 238, y + 181, "F,sup", -1);
    pxText(x + 288, y + 181, "F,inf", -1);
    if (method != 3) {
        pxText(x + 338, y + 181, method == 2 ? "NK" : "dom", -1);
        pxText(x + 388, y + 181, method == 2 ? "HK" : "sub", -1);
    }
    Push_RFont();
    if (Lkom_Gen_Compute_Mode == 2 && Lf_Factor_Table.count[LFF_IMPERFECTIONS] > 0) {
        pxText(x + 450, y + 178, "Imperfektion", -1);
        pxText(x + 570, y + 178, "Faktor", -1);
    }
    Push_RFont();
}

/* The rows the factor page shows: per action, or per load case in the user's load-case basis. */
static Lf_Factor_Row *Factor_Rows(int32_t *count)
{
    int t = LFF_ACTIONS;
    if (Lkom_Gen_Settings.factor_mode == 2 && Lkom_Gen_Settings.basis == 2) t = LFF_LOADCASES;
    *count = Lf_Factor_Table.count[t];
    return Lf_Factor_Table.rows[t];
}

static bool Special_Situation_Type(int32_t id)
{
    return id == 71 || id == 72 || id == 81 || id == 82 || id == 124;
}

/* The controls of the factor page: definition, situation or basis, and one line per row. */
static void Factor_Page_Controls(const Nchw_Rec *check, int x, int y)
{
    Lkom_Gen_Settings_Rec &g = Lkom_Gen_Settings;
    const int32_t id = check && check->type ? Nchw_Type_Id(check->type) : 0;
    if (!check) g.factor_mode = 2;
    int b = Add_Option_Button_to_PS(x + 110, y + 70, &g.factor_mode, 1, 76);
    Add_Aligned_Connected_Text_to_Button_of_PS(b, "standard", 0);
    if (!check) Change_Activity_PS(b, 0);
    b = Add_Option_Button_to_PS(x + 210, y + 70, &g.factor_mode, 2, 77);
    Add_Aligned_Connected_Text_to_Button_of_PS(b, "benutzerdefiniert", 0);
    const bool user = g.factor_mode == 2;
    if (!user && ((g.method <= 1 && g.limit_state == 0) || g.method == 2)) {
        static const char *const texts[3] = {"st\x84ndige und vor\x81"
                                             "bergehende Bemessungssituation",
                                             "au\xE1"
                                             "ergew\x94hnliche Bemessungssituation",
                                             "Erdbeben-Bemessungssituation"};
        if (Special_Situation_Type(id)) g.situation = 1;
        for (int k = 0; k < 3; k++) {
            const int h = Add_Option_Button_to_PS(x + 20, y + 96 + 20 * k, &g.situation, k, 78);
            Add_Aligned_Connected_Text_to_Button_of_PS(h, texts[k], 0);
            bool on = true;
            if (k == 0) on = !Special_Situation_Type(id);
            if (k == 1) on = Special_Situation_Type(id) || Lf_Factor_Table.has_accidental;
            if (k == 2)
                on = Lf_Factor_Table.has_earthquake && g.method <= 1 && !Special_Situation_Type(id);
            if (!on) Change_Activity_PS(h, 0);
        }
    } else if (user) {
        Draw_Funny_Text_to_PS(x + 20, y + 110, "Basis:", 0, 0);
        int h = Add_Option_Button_to_PS(x + 70, y + 98, &g.basis, 1, 79);
        Add_Aligned_Connected_Text_to_Button_of_PS(h, "Einwirkungen", 0);
        h = Add_Option_Button_to_PS(x + 200, y + 98, &g.basis, 2, 79);
        Add_Aligned_Connected_Text_to_Button_of_PS(h, "Lastf\x84lle", 0);
    }
    int32_t n = 0;
    Lf_Factor_Row *rows = Factor_Rows(&n);
    const int fields = g.method == 3 ? 2 : 4;
    for (int32_t i = 0; rows && i < n && i < 14; i++) {
        const int yy = y + 188 + 18 * i;
        const int box = Add_Logical_Button_to_PS(x + 20, yy, 0, 0, &rows[i].on, 79);
        Add_Aligned_Connected_Text_to_Button_of_PS(box, rows[i].name, 0);
        double *v[4] = {&rows[i].gamma_sup, &rows[i].gamma_inf, &rows[i].psi_dom, &rows[i].psi_sub};
        for (int k = 0; k < fields; k++) {
            const int f = Add_Edit_Float_to_PS(x + 230 + 50 * k, yy, 4, "%4.2f", v[k], 0);
            if (!user || !rows[i].on) Change_Activity_PS(f, 0);
        }
        if (!user) Change_Activity_PS(box, 0);
    }
    if (Lkom_Gen_Compute_Mode == 2) {
        Lf_Factor_Row *imp = Lf_Factor_Table.rows[LFF_IMPERFECTIONS];
        for (int32_t i = 0; imp && i < Lf_Factor_Table.count[LFF_IMPERFECTIONS] && i < 14; i++) {
            const int yy = y + 188 + 18 * i;
            const int box = Add_Logical_Button_to_PS(x + 450, yy, 0, 0, &imp[i].on, 79);
            Add_Aligned_Connected_Text_to_Button_of_PS(box, imp[i].name, 0);
            const int f = Add_Edit_Float_to_PS(x + 570, yy, 4, "%4.2f", &imp[i].gamma_sup, 0);
            if (!user || !imp[i].on) Change_Activity_PS(f, 0);
        }
    }
}

/* ------------------------------------------------------------------ the dialog's state */

typedef struct Gen_Dlg {
    int method, state, variant;
    int32_t flags[5];
    Nchw_Rec *check;
    int check_pos;
    GenRule_Rec *rule;
} Gen_Dlg;

static bool Allows_Lkoms(const Nchw_Rec *c)
{
    const int n = Nchw_Compute_Mode_Index;
    return c && c->type && ((Nchw_Type_Int(c->type, 3) >> n) & 1);
}

static void To_Settings(const Gen_Dlg *d)
{
    Lkom_Gen_Settings.method = d->method;
    Lkom_Gen_Settings.limit_state = d->state;
    Lkom_Gen_Settings.variant = d->variant;
    Lkom_Gen_Settings.Gen_Without_Imperfections = d->flags[0];
    Lkom_Gen_Settings.Gen_Imperfections_Together = d->flags[1];
    Lkom_Gen_Settings.Gen_Imperfection_Signs = d->flags[2];
    Lkom_Gen_Settings.Gen_Leading_Unfavourable = d->flags[3];
    Lkom_Gen_Settings.Gen_Main_Combinations = d->flags[4];
    const int32_t pos = Nchw_List_Position(d->check);
    Lkom_Gen_Settings.check_index = pos >= 0 ? pos : 0;
}

static bool Method_Allowed(const Gen_Dlg *d, int m)
{
    return d->check && d->check->type && ((Nchw_Type_Int(d->check->type, 8) >> m) & 1);
}

static bool State_Allowed(const Gen_Dlg *d, int s)
{
    return d->check && d->check->type && ((Nchw_Type_Int(d->check->type, 4) >> s) & 1);
}

static int From_Code(int32_t code) { return code == 2 ? 1 : code == 4 ? 2 : code == 8 ? 3 : 0; }

/* ------------------------------------------------------------------ result and take-over */

int Lkom_Gen_Preselected_Way(int32_t n)
{
    const bool rule_possible =
        Lkom_Limits[3] > 0 && !Lkom_Gen_Rules_Excluded && n <= Lkom_Limits[3];
    if (n > Lkom_Limits[0]) return rule_possible ? 2 : 0;
    if (Lkom_Gen_Rule_Edit || rule_possible) return rule_possible ? 2 : 1;
    return 1;
}

static void Take_Over(Gen_Dlg *d, int delete_old)
{
    Nchw_Rec *c = d->check;
    if (delete_old)
        while (c->lkom_head) Free_Lkom(c->lkom_head);
    if (delete_old) c->lkom_count = 0;
    if (d->rule) {
        Free_GenRule(d->rule);
        d->rule = nullptr;
    }
    Lkom_Rec *first_new = Auto_GenRule.lkom_head;
    int32_t moved = 0;
    while (Lkom_Rec *l = Auto_GenRule.lkom_head) {
        Auto_GenRule.lkom_head = l->next;
        l->prev = c->lkom_tail;
        l->next = nullptr;
        if (c->lkom_tail) c->lkom_tail->next = l;
        else c->lkom_head = l;
        c->lkom_tail = l;
        l->owner = c;
        moved++;
    }
    Auto_GenRule.lkom_tail = nullptr;
    Auto_GenRule.lkom_count = 0;
    c->lkom_count += moved;
    int32_t k = 1;
    for (Lkom_Rec *l = c->lkom_head; l; l = l->next) {
        l->owner = c;
        l->number = k++;
    }
    Free_Lkom_Windows();
    Clear_Nchw_TreeView(0);
    Build_Nchw_TreeView(0);
    if (Nchw_Tree && first_new && first_new->tree_item)
        showTreeViewElement(Nchw_Tree, (TreeViewItem *)first_new->tree_item, 1);
    if (Nchw_Tree) redrawTreeView(Nchw_Tree);
    if (first_new) Show_Lkom_Properties(first_new);
}

static void Keep_Rule(Gen_Dlg *d, int delete_old)
{
    Nchw_Rec *c = d->check;
    Init_Or_Clear_Auto_Lkoms();
    if (delete_old) {
        while (c->lkom_head) Free_Lkom(c->lkom_head);
        c->lkom_count = 0;
    }
    GenRule_Rec *g = Store_GenRule(c, d->rule);
    if (g && g->name[0] == 0) {
        g->number = 1;
        for (GenRule_Rec *o = c->genrule_head; o; o = o->next)
            if (o != g && o->number >= g->number) g->number = o->number + 1;
        snprintf(g->name, sizeof g->name, "%-30.30s", "Generierungsvorschrift");
    }
    Free_Lkom_Windows();
    Clear_Nchw_TreeView(0);
    Build_Nchw_TreeView(0);
    if (Nchw_Tree && g && g->tree_item)
        showTreeViewElement(Nchw_Tree, (TreeViewItem *)g->tree_item, 1);
    if (Nchw_Tree) redrawTreeView(Nchw_Tree);
    if (g) Show_GenRule_Properties(g);
}

/* The sheet after a run; 1 when the dialog is done (taken over or stored). */
static int Result_Sheet(Gen_Dlg *d, int32_t n, int had_lkoms)
{
    char text[64];
    int way = Lkom_Gen_Preselected_Way(n), delete_old = 0;
    const bool rule_offered = Lkom_Limits[3] > 0 && !Lkom_Gen_Rules_Excluded;
    const int x = Sheet_X + 40, y = Sheet_Y + 40, x2 = x + 559, y2 = y + 439;
    Define_Prop_Sheet(x, y, x2, y2, 1, 0, "Generierung von Lastkollektiven", 0, 1);
    Draw_Funny_Text_to_PS(x + 20, y + 50,
                          "Unter Ber\x81"
                          "cksichtigung der aktuell definierten",
                          0, 0);
    Draw_Funny_Text_to_PS(x + 20, y + 65, "Einschr\x84nkungen ergeben sich", 0, 0);
    if (n > Lkom_Limits[2])
        snprintf(text, sizeof text,
                 "\x81"
                 "ber %d Lastkollektive.",
                 (int)Lkom_Limits[2]);
    else snprintf(text, sizeof text, "%d Lastkollektive.", (int)n);
    Draw_Funny_Text_to_PS(x + 20, y + 85, text, 0, 1);
    Add_Bitmap_Button_to_PS(PS_Bitmap_Button{.x = x + 20,
                                             .y = y + 100,
                                             .w = 32,
                                             .h = 32,
                                             .file = "nchwgene.bmp",
                                             .sx = 0,
                                             .sy = 0,
                                             .r = 192,
                                             .g = 192,
                                             .b = 192,
                                             .code = 91});
    Draw_Funny_Text_to_PS(x + 60, y + 112, "Klicken Sie auf das nebenstehende Symbol, um die", 0,
                          0);
    Draw_Funny_Text_to_PS(x + 60, y + 127, "sich aktuell ergebenden Lastkollektive einzusehen.", 0,
                          0);
    Draw_Funny_Text_to_PS(x + 20, y + 160,
                          "\x9A"
                          "bernahmemodus",
                          0, 1);
    Draw_Funny_Text_to_PS(x + 20, y + 175, "W\x84hlen Sie eine der folgenden M\x94glichkeiten", 0,
                          0);
    const int b1 = Add_Option_Button_to_PS(x + 20, y + 190, &way, 1, 92);
    Add_Aligned_Connected_Text_to_Button_of_PS(b1,
                                               n <= Lkom_Limits[0]
                                                   ? "Generierung jetzt durchf\x81hren"
                                                   : "(Generierung jetzt durchf\x81hren)",
                                               0);
    Draw_Funny_Text_to_PS(x + 40, y + 222, "Alle sich ergebenden Lastkollektive werden jetzt", 0,
                          0);
    Draw_Funny_Text_to_PS(x + 40, y + 236, "erzeugt und erscheinen sofort im Objektfenster", 0, 0);
    Draw_Funny_Text_to_PS(x + 40, y + 250, "der Nachweisverwaltung.", 0, 0);
    Draw_Funny_Text_to_PS(x + 40, y + 266,
                          "Vorteil:  Lastkollektive k\x94nnen einzeln augew\x84hlt,", 0, 0);
    Draw_Funny_Text_to_PS(x + 40, y + 280, "nachbearbeitet oder gel\x94scht werden.", 0, 0);
    if (rule_offered) {
        const int b2 = Add_Option_Button_to_PS(x + 20, y + 296, &way, 2, 93);
        Add_Aligned_Connected_Text_to_Button_of_PS(b2, "Generierungsvorschrift speichern", 0);
        if (n > Lkom_Limits[3]) Change_Activity_PS(b2, 0);
        Draw_Funny_Text_to_PS(x + 40, y + 328, "Im Objektfenster der Nachweisverwaltung erscheint",
                              0, 0);
        Draw_Funny_Text_to_PS(x + 40, y + 342, "das nebenstehende Symbol. Die Durchf\x81hrung der",
                              0, 0);
        Draw_Funny_Text_to_PS(x + 40, y + 356, "Generierungsvorschrift erfolgt im Rechenprogramm.",
                              0, 0);
        Draw_Funny_Text_to_PS(x + 40, y + 372, "Vorteil:  Die Generierungsvorschrift kann zu einem",
                              0, 0);
        Draw_Funny_Text_to_PS(x + 40, y + 386, "sp\x84teren Zeitpunkt ge\x84ndert werden.", 0, 0);
    }
    if (n > Lkom_Limits[0] && !(rule_offered && n <= Lkom_Limits[3])) {
        Draw_Funny_Text_to_PS(x + 300, y + 50, "Es existiert im aktuell bearbeiteten Modul", 0, 0);
        Draw_Funny_Text_to_PS(x + 300, y + 65, "keine Methode, die so viele Lastkollektive", 0, 0);
        Draw_Funny_Text_to_PS(x + 300, y + 80, "verwalten kann.", 0, 0);
        Draw_Funny_Text_to_PS(x + 300, y + 95, "Verringern Sie die Anzahl der Lastkollektive!", 0,
                              1);
    }
    const int box = Add_Logical_Button_to_PS(x + 20, y + 404, 0, 0, &delete_old, 0);
    Add_Aligned_Connected_Text_to_Button_of_PS(
        box, "bestehende Lastkollektive zum Nachweis vorher l\x94schen", 0);
    Add_Single_Button_to_PS(x2 - 90, y2 - 30, SYMBOLIC_BREAK_RASTER, "", 2);
    const int ok = Add_Single_Button_to_PS(x2 - 45, y2 - 30, SYMBOLIC_OK_RASTER, "", 1);
    Set_Windows_Break_Button(2);
    Activate_Prop_Sheet();
    Change_Activity_PS(box, had_lkoms ? 1 : 0);
    Change_Activity_PS(ok, way ? 1 : 0);
    for (;;) {
        const int code = Edit_Prop_Sheet();
        if (code == 91) {
            Show_Lkom_Factors_Sheet_Of(&Auto_GenRule, 1);
        } else if (code == 92) {
            if (n > Lkom_Limits[0]) {
                static const char *const m[] = {"Es ergeben sich zu viele",
                                                "Lastkollektive f\x81r die",
                                                "ausgew\x84hlte Methode!", nullptr};
                Nchw_Dlg_Message(nullptr, m);
                way = rule_offered && n <= Lkom_Limits[3] ? 2 : 0;
                Draw_Prop_Sheet_Box();
            } else if (Lkom_Gen_Rule_Edit) {
                static const char *const m[] = {
                    "Die Lastkollektive ergeben sich aus einer bereits",
                    "definierten Lastkollektiv-Generierungsvorschrift.",
                    "Wenn Sie \"Generierung jetzt durchf\x81hren\" w\x84hlen,",
                    "werden die Lastkollektive erzeugt und die",
                    "Generierungsvorschrift aufgegeben.",
                    nullptr};
                Nchw_Dlg_Message(nullptr, m);
            }
            Change_Activity_PS(ok, way ? 1 : 0);
        } else if (code == 93) {
            Change_Activity_PS(ok, way ? 1 : 0);
        } else if (code == 1 && way) {
            Undefine_Prop_Sheet();
            if (way == 1) Take_Over(d, delete_old);
            else Keep_Rule(d, delete_old);
            return 1;
        } else if (code == 2 || code == -1 || getkeymask()) {
            Undefine_Prop_Sheet();
            Init_Or_Clear_Auto_Lkoms();
            return 0;
        }
    }
}

static int Run_Generation(Gen_Dlg *d)
{
    To_Settings(d);
    const int had = d->check->lkom_head != nullptr;
    if (Lkom_Gen_Settings.factor_mode == 1) Compute_Std_Factors();
    Lkom_Windows_To_States();
    Lkom_Gen_Settings.progress_x = Sheet_X + 20;
    Lkom_Gen_Settings.progress_y = Sheet_Y + 385;
    int32_t active[128];
    const int32_t na = Nchw_Einw_Table.count < 128 ? Nchw_Einw_Table.count : 128;
    for (int32_t i = 0; i < na; i++) active[i] = Nchw_Einw_Table.rows[i].active;
    Do_Generate_Lkoms();
    for (int32_t i = 0; i < na; i++) Nchw_Einw_Table.rows[i].active = active[i];
    Lkom_Gen_Settings.progress_x = 0;
    return Result_Sheet(d, N_GENERATED_LKOMS_EXIST, had);
}

/* ------------------------------------------------------------------ the pages */

static const char *const Method_Texts[4] = {"DIN 1055-100", "Eurocode", "DIN 18800",
                                            "charakteristisch"};
static const char *const State_Texts[2] = {"Tragf\x84higkeit", "Gebrauchstauglichkeit"};
static const char *const Comb_Texts[3] = {"selten", "h\x84ufig", "quasist\x84ndig"};
static const char *const Gamma_Texts[3] = {"\xC0(G) = 1.00 / 1.35", "\xC0(G) = 0.90 / 1.10",
                                           "\xC0(G) = 0.95 / 1.05"};

static void Page_General(Gen_Dlg *d, int x, int y, int *lists)
{
    Draw_Funny_Text_to_PS(x + 20, y + 76,
                          "\x9A"
                          "berl.-Regel",
                          0, 0);
    lists[0] = Add_Stringlist_to_PS(x + 20, y + 80, x + 200, y + 148, &d->method, 70);
    for (int i = 0; i < 4; i++)
        Fill_Stringlist_of_PS(lists[0], Method_Texts[i], Method_Allowed(d, i) ? BLACK_CI : RED_CI);
    Draw_Funny_Text_to_PS(x + 20, y + 166, "Nachweistyp", 0, 0);
    lists[1] = Add_Stringlist_to_PS(x + 20, y + 170, x + 200, y + 206, &d->state, 71);
    for (int i = 0; i < 2; i++)
        Fill_Stringlist_of_PS(lists[1], State_Texts[i], State_Allowed(d, i) ? BLACK_CI : RED_CI);
    Draw_Funny_Text_to_PS(x + 20, y + 224, "Kombi-typ", 0, 0);
    lists[2] = Add_Stringlist_to_PS(x + 20, y + 228, x + 200, y + 280, &d->variant, 72);
    const bool gamma = d->method == 0 && d->state == 0;
    const Nchw_Type_Rec *t = d->check ? d->check->type : nullptr;
    if (gamma) {
        if (t && Nchw_Type_Int(t, 7) == 1)
            Fill_Stringlist_of_PS(lists[2], "\xC0(G) = 1.00 / 1.00", BLACK_CI);
        else
            for (int i = 0; i < 3; i++) Fill_Stringlist_of_PS(lists[2], Gamma_Texts[i], BLACK_CI);
    } else {
        for (int i = 0; i < 3; i++)
            Fill_Stringlist_of_PS(lists[2], Comb_Texts[i],
                                  t && ((Nchw_Type_Int(t, 6) >> i) & 1) ? BLACK_CI : RED_CI);
    }
    Draw_Funny_Text_to_PS(x + 220, y + 76, "f\x81r den Nachweis", 0, 0);
    lists[3] = Add_Stringlist_to_PS(x + 220, y + 80, x + 420, y + 148, &d->check_pos, 73);
    for (Nchw_Rec *c = Nchw_List_Head; c; c = c->next) {
        char label[64];
        snprintf(label, sizeof label, "%d: %s", (int)c->number, Trim_Blanks(c->name));
        Fill_Stringlist_of_PS(lists[3], label, Allows_Lkoms(c) ? BLACK_CI : RED_CI);
    }
    static const char *const box_texts[5][2] = {
        // clang-format off
        {"Lastkollektive auch ohne", "Imperfektionen generieren"},
        {"unterschiedliche Imperfektionen", "k\x94nnen auch gleichzeitig wirken"},
        {"Imperfektionen (+/-) ansetzen", ""},
        {"mindestens ein Lastfall der f\x81hrenden", "Einwirkungen mu\xE1 ung\x81nstig wirken"},
        // clang-format on
        {"Hauptkombinationen generieren", ""}};
    for (int i = 0; i < 5; i++) {
        const int by = y + 170 + 38 * i;
        lists[4 + i] = Add_Logical_Button_to_PS(x + 220, by, 0, 0, &d->flags[i], 0);
        Draw_Funny_Text_to_PS(x + 242, by + 10, box_texts[i][0], 0, 0);
        if (box_texts[i][1][0]) Draw_Funny_Text_to_PS(x + 242, by + 24, box_texts[i][1], 0, 0);
    }
    Draw_Funny_Text_to_PS(x + 470, y + 62,
                          d->method == 2 ? "Nebenkombinationen f\x81r die nachf."
                                         : "folgende Einwirkungen k\x94nnen",
                          0, 0);
    Draw_Funny_Text_to_PS(
        x + 470, y + 76,
        d->method == 2 ? "ausgew. Einwirkungen generieren" : "f\x81hrend werden:", 0, 0);
}

static void Enable_General(const Gen_Dlg *d, const int *lists)
{
    Change_Activity_PS(lists[1], d->method <= 1 ? 1 : -3);
    Change_Activity_PS(lists[2], (d->method == 0 || (d->method == 1 && d->state == 1)) ? 1 : -3);
    Change_Activity_PS(lists[4], Nchw_Imp_Table.count >= 1 ? 1 : -3);
    Change_Activity_PS(lists[5], Nchw_Imp_Table.count >= 2 ? 1 : -3);
    Change_Activity_PS(lists[6], Nchw_Imp_Table.count >= 1 ? 1 : -3);
    Change_Activity_PS(lists[7], d->method <= 1 ? 1 : -3);
    Change_Activity_PS(lists[8], d->method == 2 ? 1 : -3);
}

/* Build the sheet of the current page; answers its panel area (0 none). */
static int Build_Page(Gen_Dlg *d, int *lists, int *reg)
{
    const int x = Sheet_X, y = Sheet_Y;
    Define_Prop_Sheet(x, y, x + LKOMGEN_W - 1, y + LKOMGEN_H - 1, 1, 1,
                      "Generierung von Lastkollektiven", 0, 1);
    *reg = Add_Register_to_PS(x + 10, y + 30, 22);
    Add_Member_to_Register(*reg, "allgemein", 110, 101);
    Add_Member_to_Register(*reg, "Lastfallgruppierungen", 160, 102);
    Add_Member_to_Register(*reg, "Die Lastf\x84lle wirken ...", 160, 103);
    Add_Member_to_Register(*reg, "Faktorisierung", 120, 104);
    Add_Help_to_PS(x + LKOMGEN_W - 40, y + 30, "LKOM_GENERATION");
    Draw_Funny_Text_to_PS(
        x + 12, y + 470,
        "Angaben zur Einschr\x84nkung der Anzahl der zu generierenden Lastkollektive", 0, 1);
    Add_Single_Button_to_PS(x + LKOMGEN_W - 220, y + 480, PS_RASTER(200, 28),
                            "Lastkollektive generieren", 60);
    Add_Single_Button_to_PS(x + 12, y + 480, PS_RASTER(90, 28), "abbrechen", 61);
    Set_Windows_Break_Button(61);
    int area = 0;
    if (Page == 0) {
        Page_General(d, x, y, lists);
        area = Add_Scrollable_Area_to_PS(PS_Scrollable_Area{.x1 = x + 470,
                                                            .y1 = y + 82,
                                                            .x2 = x + 625,
                                                            .y2 = y + 300,
                                                            .frame = 1,
                                                            .code = 74,
                                                            .step_x = 16,
                                                            .step_y = 16,
                                                            .draw = Draw_Nchw_Symbol_Legend,
                                                            .user = nullptr,
                                                            .active = 0});
        Nchw_Legend.mode = LEGEND_ACTIONS;
        Nchw_Legend.variable_only = 1;
        Nchw_Legend.rows_per_column = 13;
        Nchw_Legend.scroll_x = 0;
        Nchw_Legend.x1 = x + 470;
        Nchw_Legend.y1 = y + 82;
        Nchw_Legend.x2 = x + 625;
        Nchw_Legend.y2 = y + 300;
        Nchw_Legend_Column_Width();
    } else if (Page == 1 || Page == 2) {
        const int w[3] = {Page == 1 ? 31 : 23, Page == 1 ? 32 : 22, Page == 1 ? 33 : 21};
        for (int k = 0; k < 3; k++) {
            int a, b, c, e;
            Lkom_Window_Rect(w[k], &a, &b, &c, &e);
            Add_Escape_Area_to_PS(a, b, c, e, 80 + k);
        }
        if (Page == 1) {
            Draw_Funny_Text_to_PS(
                x + 20, y + 76,
                "Verschieben Sie die Lastf\x84lle von Fenster zu Fenster (Drag and Drop)", 0, 0);
            Draw_Funny_Text_to_PS(x + 20, y + 112, "unabh\x84ngig, einzeln", 0, 0);
            Draw_Funny_Text_to_PS(x + 225, y + 100, "treten gleichwirkend nur gemeinsam auf", 0, 0);
            lists[0] =
                Add_Stringlist_to_PS(x + 20, y + 446, x + 620, y + 462, &Lkom_Joint_First, 75);
        } else {
            Draw_Funny_Text_to_PS(x + 20, y + 112, "... immer g\x81nstig", 0, 0);
            Draw_Funny_Text_to_PS(x + 225, y + 112, "... immer ung\x81nstig", 0, 0);
            Draw_Funny_Text_to_PS(x + 430, y + 112, "g\x81nstig und ung\x81nstig", 0, 0);
        }
    } else {
        Factor_Page_Controls(d->check, x, y);
    }
    Activate_Prop_Sheet();
    Select_Member_of_Register(*reg, Page);
    if (Page == 0) {
        Enable_General(d, lists);
        Change_Activity_PS(area, 1);
    } else if (Page == 1) {
        for (int i = 0; i < 8; i++) {
            char t[8];
            snprintf(t, sizeof t, "%d-%d", i + 1, i + 2);
            Fill_Stringlist_of_PS(lists[0], t, BLACK_CI);
        }
        for (int w = 31; w <= 33; w++) Redraw_Window(w);
    } else if (Page == 2) {
        for (int w = 21; w <= 23; w++) Redraw_Window(w);
    } else {
        Draw_Lkom_Factor_Page(0);
    }
    return area;
}

/* The check a generation is for: the rule's owner, else the current check (or the owner of the
** current extremal rule or collective, or the first check), else the first check that allows
** load collectives in the present mode. Null when there is none. */
static Nchw_Rec *Generation_Check(GenRule_Rec *rule)
{
    Nchw_Rec *c = rule ? rule->owner : Nchw_Current;
    if (!rule) {
        if (!c && Nchw_Current_Xtr_Rule) c = Nchw_Current_Xtr_Rule->owner;
        if (!c && Nchw_Current_Lkom) c = Nchw_Current_Lkom->owner;
        if (!c) c = Nchw_List_Head;
        if (!Allows_Lkoms(c)) {
            c = nullptr;
            for (Nchw_Rec *p = Nchw_List_Head; p && !c; p = p->next)
                if (Allows_Lkoms(p)) c = p;
        }
    }
    return c;
}

/* The dialog's state for check c: from the rule being edited, or for a new rule from the
** check's type; the generator's tables and settings follow it. */
static void Open_Generation_State(Gen_Dlg *dp, GenRule_Rec *rule, Nchw_Rec *c)
{
    Gen_Dlg &d = *dp;
    d.check = c;
    d.rule = rule;
    d.check_pos = Nchw_List_Position(c);
    Lkom_Gen_Rule_Edit = rule ? 1 : 0;
    Lkom_Gen_Rules_Excluded = (Nchw_Sheet.args.values[0] & 2048) ? 1 : 0;
    if (rule) {
        Apply_GenRule_To_Tables(rule);
        Build_Lf_Factor_Tables();
        Load_GenRule_Factors(rule);
        d.method = Lkom_Gen_Settings.method;
        d.state = Lkom_Gen_Settings.limit_state;
        d.variant = Lkom_Gen_Settings.variant;
    } else {
        Lkom_Gen_Settings.factor_mode = 1;
        Lkom_Gen_Settings.situation = 0;
        Apply_GenRule_To_Tables(nullptr);
        Build_Lf_Factor_Tables();
        const Nchw_Type_Rec *t = c->type;
        d.method = From_Code(Nchw_Type_Int(t, 9));
        d.state = Nchw_Type_Int(t, 5) == 2 ? 1 : 0;
        const int32_t z = Nchw_Type_Int(t, 7);
        d.variant = z == 4 ? 2 : z == 2 ? 1 : 0;
    }
    d.flags[0] = Lkom_Gen_Settings.Gen_Without_Imperfections;
    d.flags[1] = Lkom_Gen_Settings.Gen_Imperfections_Together;
    d.flags[2] = Lkom_Gen_Settings.Gen_Imperfection_Signs;
    d.flags[3] = Lkom_Gen_Settings.Gen_Leading_Unfavourable;
    d.flags[4] = Lkom_Gen_Settings.Gen_Main_Combinations;
    To_Settings(&d);
}

void Lkom_Generation_Dialog(GenRule_Rec *rule)
{
    Gen_Dlg d = {};
    Nchw_Rec *c = Generation_Check(rule);
    if (!c || !Allows_Lkoms(c)) {
        static const char *const m[] = {"Es existiert zur Zeit kein Nachweis,",
                                        "dem im aktuellen Rechenmodus ein",
                                        "Lastkollektiv zugeordnet werden kann.", nullptr};
        Nchw_Dlg_Message(nullptr, m);
        return;
    }
    Open_Generation_State(&d, rule, c);

    if (Sheet_X < 0) {
        Sheet_X = (NPIXEL_X - LKOMGEN_W) / 2;
        Sheet_Y = (NPIXEL_Y - LKOMGEN_H) / 2;
    }
    Page = 0;
    Lkom_Joint_First = 0;
    int lists[12] = {};
    int reg = 0;
    int area = Build_Page(&d, lists, &reg);
    int prev_method = d.method, prev_state = d.state;
    int32_t factor_mode_before = Lkom_Gen_Settings.factor_mode;
    for (;;) {
        const int code = Edit_Prop_Sheet();
        if (code >= 101 && code <= 104) {
            const int next = code - 101;
            if (next == Page) continue;
            if (next == 2) Lkom_Windows_To_States();
            if (next == 3) {
                To_Settings(&d);
                factor_mode_before = Lkom_Gen_Settings.factor_mode;
                if (!Nchw_Current && !d.check) Lkom_Gen_Settings.factor_mode = 2;
                if (Lkom_Gen_Settings.factor_mode == 1) Compute_Std_Factors();
            }
            int dx = 0, dy = 0;
            Prop_Sheet_Displacement(&dx, &dy);
            Sheet_X += dx;
            Sheet_Y += dy;
            Undefine_Prop_Sheet();
            Page = next;
            area = Build_Page(&d, lists, &reg);
            continue;
        }
        if (Page == 0 && (code == 70 || code == 71)) {
            if (code == 70 && !Method_Allowed(&d, d.method)) {
                Msg_Nchw_Nicht_Erlaubt(Trim_Blanks(d.check->type->name));
                d.method = From_Code(Nchw_Type_Int(d.check->type, 9));
            } else if (code == 71 && !State_Allowed(&d, d.state)) {
                Msg_Nchw_Nicht_Erlaubt(Trim_Blanks(d.check->type->name));
                d.state = Nchw_Type_Int(d.check->type, 5) == 2 ? 1 : 0;
            }
            if (d.method != prev_method || d.state != prev_state) d.variant = 0;
            prev_method = d.method;
            prev_state = d.state;
            Undefine_Prop_Sheet();
            area = Build_Page(&d, lists, &reg);
            continue;
        }
        if (Page == 0 && code == 73) {
            Nchw_Rec *p = Nchw_List_Head;
            for (int k = 0; p && k < d.check_pos; k++) p = p->next;
            if (!Allows_Lkoms(p)) {
                static const char *const m[] = {"Dem soeben ausgew\x84hlten Nachweis",
                                                "kann im aktuellen Rechenmodus",
                                                "kein Lastkollektiv zugeordnet werden!", nullptr};
                Nchw_Dlg_Message(nullptr, m);
                d.check_pos = Nchw_List_Position(d.check);
                Draw_Prop_Sheet_Box();
            } else {
                d.check = p;
                To_Settings(&d);
            }
            continue;
        }
        if (Page == 0 && code == 74) {
            Track_Nchw_Symbol_Legend(Nchw_Legend.x1, Nchw_Legend.y1, Nchw_Legend.x2,
                                     Nchw_Legend.y2);
            continue;
        }
        if ((Page == 1 || Page == 2) && code >= 80 && code <= 82) {
            const int w = Page == 1 ? 31 + (code - 80) : 23 - (code - 80);
            Lkom_Window_Drag_Drop(w);
            continue;
        }
        if (Page == 1 && code == 75) {
            Scroll_Joint_Group_Windows(0, Lkom_Joint_First * 500);
            continue;
        }
        if (Page == 3 && code >= 76 && code <= 79) {
            if (code == 76 && factor_mode_before == 2) {
                Init_Message();
                Fill_Message("Faktoren auf \"standard\" zur\x81"
                             "cksetzen?");
                if (Answer_is_Yes(1)) {
                    Lkom_Gen_Settings.situation = 0;
                    Compute_Std_Factors();
                } else {
                    Lkom_Gen_Settings.factor_mode = 2;
                }
            } else if (code == 78) {
                Compute_Std_Factors();
            }
            factor_mode_before = Lkom_Gen_Settings.factor_mode;
            Undefine_Prop_Sheet();
            area = Build_Page(&d, lists, &reg);
            continue;
        }
        if (code == 60) {
            int dx = 0, dy = 0;
            Prop_Sheet_Displacement(&dx, &dy);
            Sheet_X += dx;
            Sheet_Y += dy;
            Undefine_Prop_Sheet();
            if (Run_Generation(&d)) return;
            area = Build_Page(&d, lists, &reg);
            continue;
        }
        if (code == 61 || code == -1 || getkeymask()) {
            int dx = 0, dy = 0;
            Prop_Sheet_Displacement(&dx, &dy);
            Sheet_X += dx;
            Sheet_Y += dy;
            Undefine_Prop_Sheet();
            Init_Or_Clear_Auto_Lkoms();
            Free_Lkom_Windows();
            return;
        }
        (void)area;
    }
}
