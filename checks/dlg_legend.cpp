/*
** The selection panel of the design-check dialogs: the list of actions or of load cases and
** imperfections with their state symbols, its painter with selection, the press-or-drag
** tracker and the three selection buttons.
*/
#include "checks/dlg_legend.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "checks/dlg_common.h"
#include "checks/nchw_tables.h"
#include "foundation/screen_tools.h"
#include "platform/zelkgrft.h"
#include "platform/zelkwin.h"

Nchw_Legend_State Nchw_Legend = {LEGEND_ACTIONS, 14, 0, 60, 0, 0, 0, 0, 0, 0};

static int Colour_Panel, Colour_Grey, Colour_Green;
static const char Heading_Imp[] = "Imperfektionen:";

/* Looked up at every drawing: the palette may have been rebuilt since the last one, and the
** lookup finds an entry already made for the colour. */
void Nchw_Legend_Make_Colours(void)
{
    Colour_Panel = Nearest_Color_Index(255, 251, 240);
    Colour_Grey = Nearest_Color_Index(144, 144, 144);
    Colour_Green = Nearest_Color_Index(160, 224, 128);
}

/* ------------------------------------------------------------------ the listed entries */

/* One listed entry: an action, a load case or an imperfection. */
typedef struct Entry {
    Nchw_Einw_Row *action;
    Nchw_Lf_Row *lf;
    Nchw_Imp_Row *imp;
} Entry;

static int32_t Listed(Entry *out, int32_t max)
{
    int32_t n = 0;
    if (Nchw_Legend.mode == LEGEND_ACTIONS) {
        for (int32_t i = 0; Nchw_Einw_Table.rows && i < Nchw_Einw_Table.count; i++) {
            Nchw_Einw_Row *a = &Nchw_Einw_Table.rows[i];
            if (Nchw_Legend.variable_only && (a->kind < 2 || a->kind > 4)) continue;
            if (out && n < max) out[n] = Entry{a, nullptr, nullptr};
            n++;
        }
        return n;
    }
    for (int32_t i = 0; Nchw_Lf_Table.rows && i < Nchw_Lf_Table.count; i++) {
        if (out && n < max) out[n] = Entry{nullptr, &Nchw_Lf_Table.rows[i], nullptr};
        n++;
    }
    for (int32_t i = 0; Nchw_Imp_Table.rows && i < Nchw_Imp_Table.count; i++) {
        if (out && n < max) out[n] = Entry{nullptr, nullptr, &Nchw_Imp_Table.rows[i]};
        n++;
    }
    return n;
}

static const char *Label_Of(const Entry &e)
{
    return e.action ? e.action->label : e.lf ? e.lf->label : e.imp->label;
}

static int32_t *Active_Of(const Entry &e)
{
    return e.action ? &e.action->active : e.lf ? &e.lf->active : &e.imp->active;
}

void Nchw_Legend_Column_Width(void)
{
    std::vector<Entry> all((size_t)Listed(nullptr, 0));
    Listed(all.data(), (int32_t)all.size());
    int w = 0;
    for (const Entry &e : all) {
        const int t = Text_Width_In_Font(Label_Of(e), 4096);
        if (t > w) w = t;
    }
    if (Nchw_Legend.mode != LEGEND_ACTIONS && Nchw_Imp_Table.count > 0) {
        const int t = Text_Width_In_Font(Heading_Imp, 4096);
        if (t > w) w = t;
    }
    Nchw_Legend.column_width = w + 30 + (Nchw_Legend.mode == LEGEND_FAVOURABLE ? 40 : 0);
}

/*
** Slots of the listed entries: slot s stands in column s / rows at row s % rows. The heading
** of the imperfections follows the load cases after one free slot, or starts a new column when
** ten or more rows of the current column are used. Answers the heading's slot, -1 for none.
*/
static int32_t Layout(std::vector<Entry> &all, std::vector<int32_t> &slot)
{
    all.resize((size_t)Listed(nullptr, 0));
    Listed(all.data(), (int32_t)all.size());
    slot.resize(all.size());
    const int32_t rows = Nchw_Legend.rows_per_column > 0 ? Nchw_Legend.rows_per_column : 14;
    int32_t s = 0, heading = -1;
    for (size_t i = 0; i < all.size(); i++) {
        if (all[i].imp && heading < 0) {
            if (s % rows >= 10) s = (s / rows + 1) * rows;
            else if (s > 0) s++;
            heading = s++;
        }
        slot[i] = s++;
    }
    return heading;
}

static void Slot_Pos(int32_t s, int *x, int *y)
{
    const int32_t rows = Nchw_Legend.rows_per_column > 0 ? Nchw_Legend.rows_per_column : 14;
    *x = Nchw_Legend.x1 + 30 - Nchw_Legend.scroll_x + (int)(s / rows) * Nchw_Legend.column_width;
    *y = Nchw_Legend.y1 + 16 + (int)(s % rows) * 16;
}

int Nchw_Legend_Entry_Pos(int32_t i, int *x, int *y)
{
    std::vector<Entry> all;
    std::vector<int32_t> slot;
    Layout(all, slot);
    if (i < 0 || i >= (int32_t)all.size()) return 0;
    Slot_Pos(slot[(size_t)i], x, y);
    return 1;
}

/* ------------------------------------------------------------------ painter */

static bool Meets(const int *sel, int x1, int y1, int x2, int y2)
{
    return sel[0] <= x2 && sel[2] >= x1 && sel[1] <= y2 && sel[3] >= y1;
}

/* The acting-state symbol of a self-weight load case: a filled box (unfavourable) or a frame. */
static void Draw_State_Symbol(int x, int y, int unfavourable)
{
    pxFgc(unfavourable ? RED_CI : BLUE_CI);
    if (unfavourable) {
        pxRect(x, y - 9, x + 10, y + 1);
    } else {
        pxLine(x, y - 9, x + 10, y - 9);
        pxLine(x, y + 1, x + 10, y + 1);
        pxLine(x, y - 9, x, y + 1);
        pxLine(x + 10, y - 9, x + 10, y + 1);
    }
}

static void Draw_Favourable_Legend(int x, int y)
{
    static const char *const head[] = {"Das Symbol hinter den", "Eigengewichtslastf\x84llen",
                                       "bedeutet:"};
    static const char *const tail[] = {"Sie k\x94nnen den aktuellen", "Zustand des Symbols durch",
                                       "Anklicken ver\x84ndern."};
    pxFgc(BLACK_CI);
    for (int i = 0; i < 3; i++) pxText(x, y + 14 * i, head[i], -1);
    Draw_State_Symbol(x, y + 56, 1);
    pxFgc(BLACK_CI);
    pxText(x + 16, y + 56, "ung\x81nstig wirkend", -1);
    Draw_State_Symbol(x, y + 72, 0);
    pxFgc(BLACK_CI);
    pxText(x + 16, y + 72, "g\x81nstig wirkend", -1);
    for (int i = 0; i < 3; i++) pxText(x, y + 100 + 14 * i, tail[i], -1);
}

void Draw_Nchw_Selection_List(const int *sel)
{
    Nchw_Legend_Make_Colours();
    std::vector<Entry> all;
    std::vector<int32_t> slot;
    const int32_t heading = Layout(all, slot);
    const int L = Nchw_Legend.x1, T = Nchw_Legend.y1, R = Nchw_Legend.x2, B = Nchw_Legend.y2;
    const int old = Pop_RFont(4096);
    (void)old;
    int32_t last_slot = -1;
    for (size_t i = 0; i < all.size(); i++) {
        int x, y;
        Slot_Pos(slot[i], &x, &y);
        last_slot = slot[i];
        const char *label = Label_Of(all[i]);
        const int w = Text_Width_In_Font(label, 4096);
        int32_t *active = Active_Of(all[i]);
        const bool state_symbol = Nchw_Legend.mode == LEGEND_FAVOURABLE && all[i].lf
                                  && all[i].lf->action && all[i].lf->action->kind == 1;
        if (sel) {
            if (state_symbol && sel[0] >= x + w + 4 && sel[2] <= x + w + 16 && sel[1] <= y + 3
                && sel[3] >= y - 11)
                all[i].lf->state = all[i].lf->state == 1 ? 0 : 1;
            else if (Meets(sel, x - 19, y - 11, x + 7 + w, y + 3)) *active = !*active;
        }
        if (x + 7 + w < L || x - 19 > R || y - 11 > B) continue;
        pxFgc(*active ? Colour_Green : Colour_Panel);
        pxRect(x - 19, y - 11, x + 7 + w, y + 3);
        pxFgc(BLACK_CI);
        Draw_TreeViewImage(*active ? TVI_BOX_TICKED : TVI_BOX_EMPTY, x - 12, y - 4);
        pxFgc(*active ? BLACK_CI : Colour_Grey);
        pxText(x, y, label, -1);
        if (state_symbol) Draw_State_Symbol(x + w + 6, y, all[i].lf->state == 1);
    }
    if (heading >= 0) {
        int x, y;
        Slot_Pos(heading, &x, &y);
        pxFgc(BLACK_CI);
        pxText(x - 19, y, Heading_Imp, -1);
        pxText(x - 18, y, Heading_Imp, -1);
    }
    if (Nchw_Legend.mode == LEGEND_FAVOURABLE) {
        int x, y;
        Slot_Pos(last_slot + Nchw_Legend.rows_per_column, &x, &y);
        Draw_Favourable_Legend(x, T + 16);
    }
    Push_RFont();
}

static void Paint(const int *sel)
{
    Nchw_Legend_Make_Colours();
    int v[4];
    pxQVwp(&v[0], &v[1], &v[2], &v[3]);
    pxView(Nchw_Legend.x1, Nchw_Legend.y1, Nchw_Legend.x2, Nchw_Legend.y2);
    pxFgc(Colour_Panel);
    pxRect(Nchw_Legend.x1, Nchw_Legend.y1, Nchw_Legend.x2, Nchw_Legend.y2);
    Draw_Nchw_Selection_List(sel);
    pxView(v[0], v[1], v[2], v[3]);
}

void Draw_Nchw_Symbol_Legend(int area, int sx, int sy, int x1, int y1, int x2, int y2, void *user)
{
    (void)sy;
    (void)user;
    Nchw_Legend.area = area;
    Nchw_Legend.scroll_x = sx;
    Nchw_Legend.x1 = x1;
    Nchw_Legend.y1 = y1;
    Nchw_Legend.x2 = x2;
    Nchw_Legend.y2 = y2;
    Paint(nullptr);
}

void Redraw_Nchw_Symbol_Legend(int x1, int y1, int x2, int y2)
{
    Nchw_Legend.x1 = x1;
    Nchw_Legend.y1 = y1;
    Nchw_Legend.x2 = x2;
    Nchw_Legend.y2 = y2;
    Nchw_Legend_Column_Width();
    Paint(nullptr);
}

void Track_Nchw_Symbol_Legend(int x1, int y1, int x2, int y2)
{
    int r[4];
    Nchw_Dlg_Track_Selection(x1, y1, x2, y2, r);
    Nchw_Legend.x1 = x1;
    Nchw_Legend.y1 = y1;
    Nchw_Legend.x2 = x2;
    Nchw_Legend.y2 = y2;
    Paint(r);
}

/* ------------------------------------------------------------------ the three buttons */

static void Set_All(int how) /* 0 clear, 1 set, 2 invert */
{
    std::vector<Entry> all((size_t)Listed(nullptr, 0));
    Listed(all.data(), (int32_t)all.size());
    for (const Entry &e : all) {
        int32_t *a = Active_Of(e);
        *a = how == 2 ? !*a : how;
    }
    Paint(nullptr);
}

void Nchw_Select_Invert(void) { Set_All(2); }
void Nchw_Select_None(void) { Set_All(0); }
void Nchw_Select_All(void) { Set_All(1); }
