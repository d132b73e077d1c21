/*
** Objects of the structure for the object selectors of the design checks: the tables the host
** registers, counted selection lists, the grid of objects and the dialog "Auswahl der %s".
*/
#include "checks/dlg_objsel.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "checks/dlg_common.h"
#include "checks/nchw_rec.h"
#include "foundation/screen_tools.h"
#include "foundation/ttool.h"
#include "platform/zelkgrft.h"
#include "platform/zelkwin.h"

Nchw_Object_Table_Rec Nchw_Object_Tables[NCHW_OBJECT_TYPES];
int32_t Nchw_Object_Current_Type = 0;

static Nchw_Dlg_Centre Centre = {-1, -1};
static int Colour_Bg, Colour_Sel, Colour_Grey;
static int Scroll_X = 0; /* kept scroll offset of the dialog's area */

static Nchw_Object_Table_Rec *Table_Of(int32_t type)
{
    return (type >= 0 && type < NCHW_OBJECT_TYPES) ? &Nchw_Object_Tables[type] : nullptr;
}

/* ------------------------------------------------------------------ tables and lists */

void Init_Nchw_Object_Table(int32_t type, int32_t capacity)
{
    Nchw_Object_Table_Rec *t = Table_Of(type);
    if (!t) return;
    std::free(t->entries);
    t->entries = nullptr;
    t->capacity = t->count = t->label_width = 0;
    if (capacity <= 0) return;
    t->entries = (Nchw_Object_Entry *)std::calloc((size_t)capacity, sizeof(Nchw_Object_Entry));
    if (!t->entries) {
        Nchw_Dlg_Alloc_Failed();
        return;
    }
    t->capacity = capacity;
}

void Add_Nchw_Object(int32_t type, int32_t number, const char *name)
{
    Nchw_Object_Table_Rec *t = Table_Of(type);
    if (!t || !t->entries || t->count >= t->capacity) return;
    Nchw_Object_Entry *e = &t->entries[t->count++];
    e->number = number;
    e->selected = 0;
    snprintf(e->label, sizeof e->label, "%d: %s", (int)number, Trim_Blanks(name ? name : ""));
    e->width = Text_Width_In_Font(e->label, 4096);
    if (e->width > t->label_width) t->label_width = e->width;
}

int Is_Nchw_Object_Selected(int32_t number, int32_t type)
{
    const Nchw_Object_Table_Rec *t = Table_Of(type);
    if (!t) return 0;
    for (int32_t i = 0; i < t->count; i++)
        if (t->entries[i].number == number) return 1;
    return 0;
}

int32_t Nchw_List_Count(const int32_t *list) { return list && list[0] > 0 ? list[0] : 0; }

int32_t *Get_Nchw_Object_Selection(void)
{
    const Nchw_Object_Table_Rec *t = Table_Of(Nchw_Object_Current_Type);
    if (!t) return nullptr;
    int32_t n = 0;
    for (int32_t i = 0; i < t->count; i++) n += t->entries[i].selected ? 1 : 0;
    if (n == 0) return nullptr;
    int32_t *list = (int32_t *)std::malloc(sizeof(int32_t) * (size_t)(n + 1));
    if (!list) {
        Nchw_Dlg_Alloc_Failed();
        return nullptr;
    }
    list[0] = n;
    int32_t k = 1;
    for (int32_t i = 0; i < t->count; i++)
        if (t->entries[i].selected) list[k++] = t->entries[i].number;
    return list;
}

/* Select exactly the entries of t whose numbers are in list. */
static void Select_From_List(Nchw_Object_Table_Rec *t, const int32_t *list)
{
    const int32_t n = Nchw_List_Count(list);
    for (int32_t i = 0; i < t->count; i++) {
        t->entries[i].selected = 0;
        for (int32_t k = 1; k <= n; k++)
            if (list[k] == t->entries[i].number) t->entries[i].selected = 1;
    }
}

int32_t *Set_Nchw_Object_Selection(int32_t *list, int32_t type)
{
    Nchw_Object_Table_Rec *t = Table_Of(type);
    if (!t) return list;
    Nchw_Object_Current_Type = type;
    Select_From_List(t, list);
    std::free(list);
    return Get_Nchw_Object_Selection();
}

/* ------------------------------------------------------------------ grid */

void Nchw_Object_Entry_Pos(int32_t i, int ox, int oy, int *x, int *y)
{
    const Nchw_Object_Table_Rec *t = Table_Of(Nchw_Object_Current_Type);
    const int col_w = (t ? t->label_width : 0) + 30;
    *x = ox + 30 + (int)(i / NCHW_OBJECT_ROWS) * col_w;
    *y = oy + 16 + (int)(i % NCHW_OBJECT_ROWS) * 16;
}

/* Looked up at every drawing: the palette may have been rebuilt since the last one. */
static void Make_Colours(void)
{
    Colour_Bg = Nearest_Color_Index(255, 251, 240);
    Colour_Sel = Nearest_Color_Index(160, 224, 128);
    Colour_Grey = Nearest_Color_Index(144, 144, 144);
}

void Draw_Nchw_Object_Grid(int hx1, int hy1, int hx2, int hy2, int ox, int oy)
{
    Nchw_Object_Table_Rec *t = Table_Of(Nchw_Object_Current_Type);
    if (!t) return;
    Make_Colours();
    const int hits = !(hx1 == -1 && hy1 == -1 && hx2 == -1 && hy2 == -1);
    const int old_font = Pop_RFont(4096);
    for (int32_t i = 0; i < t->count; i++) {
        Nchw_Object_Entry *e = &t->entries[i];
        int x, y;
        Nchw_Object_Entry_Pos(i, ox, oy, &x, &y);
        const int w = e->width;
        if (hits && y - 10 <= hy2 && hy1 <= y && x - 18 <= hx2 && x + w >= hx1)
            e->selected = !e->selected;
        pxFgc(e->selected ? Colour_Sel : Colour_Bg);
        pxRect(x - 19, y - 11, x + w + 7, y + 3);
        pxFgc(BLACK_CI);
        Draw_TreeViewImage(e->selected ? TVI_BOX_TICKED : TVI_BOX_EMPTY, x - 12, y - 4);
        pxFgc(e->selected ? BLACK_CI : Colour_Grey);
        pxText(x, y, e->label, -1);
    }
    (void)old_font;
    Push_RFont();
}

void Draw_Nchw_Object_Area(int area, int sx, int sy, int x1, int y1, int x2, int y2, void *user)
{
    (void)area;
    (void)sy;
    (void)user;
    Make_Colours();
    int v[4];
    pxQVwp(&v[0], &v[1], &v[2], &v[3]);
    pxView(x1, y1, x2, y2);
    pxFgc(Colour_Bg);
    pxRect(x1, y1, x2, y2);
    Scroll_X = sx;
    Draw_Nchw_Object_Grid(-1, -1, -1, -1, x1 - sx, y1);
    pxView(v[0], v[1], v[2], v[3]);
}

/* ------------------------------------------------------------------ dialog */

int32_t *Nchw_Object_Select_Dialog(int32_t type, const char *plural, int32_t *list)
{
    char text[96];
    Nchw_Object_Table_Rec *t = Table_Of(type);
    if (!t || t->count <= 0) {
        const char *lines[] = {"Es existieren aktuell keine", "Nachweisobjekte vom Typ",
                               plural ? plural : "", nullptr};
        Nchw_Dlg_Message(nullptr, lines);
        return nullptr;
    }
    Nchw_Object_Current_Type = type;
    Select_From_List(t, list);

    int x, y, x2, y2;
    Nchw_Dlg_Place(&Centre, 303, 303, 215, 214, &x, &y, &x2, &y2);
    snprintf(text, sizeof text, "Auswahl der %s", plural ? plural : "");
    Define_Prop_Sheet(x, y, x2, y2, 1, 1, text, 0, 1);
    Add_Single_Button_to_PS(x + 9, y + 39, 0, "alle ausw\x84hlen", 3);
    Add_Single_Button_to_PS(x + 143, y + 39, 0, "alle abw\x84hlen", 4);
    Add_Single_Button_to_PS(x + 269, y + 39, 0, "invertieren", 5);
    Add_Single_Button_to_PS(x + 399, y + 39, SYMBOLIC_BREAK_RASTER, "", 2);
    Add_Help_to_PS(x + 431, y + 39, "XNCHW_OBJSELECT");
    Add_Single_Button_to_PS(x + 461, y + 39, SYMBOLIC_OK_RASTER, "", 1);
    Set_Windows_Break_Button(2);
    const int32_t cols = (t->count + NCHW_OBJECT_ROWS - 1) / NCHW_OBJECT_ROWS;
    const int ax1 = x + 11, ay1 = y + 71, ax2 = x + 595, ay2 = y + 399;
    Scroll_X = 0;
    const int area = Add_Scrollable_Area_to_PS(PS_Scrollable_Area{.x1 = ax1,
                                                                  .y1 = ay1,
                                                                  .x2 = ax2,
                                                                  .y2 = ay2,
                                                                  .frame = 1,
                                                                  .code = 6,
                                                                  .step_x = 16,
                                                                  .step_y = 16,
                                                                  .draw = Draw_Nchw_Object_Area,
                                                                  .user = nullptr,
                                                                  .active = 0});
    Resize_Origin_of_Scrollable_Area_PS(area, cols * (t->label_width + 30) + 15, ay2 - ay1 + 1);
    Add_HSlider_to_Scrollable_Area(area, 1, 16, -1, 0);
    Activate_Prop_Sheet();
    Change_Activity_PS(area, 1);

    for (;;) {
        const int code = Edit_Prop_Sheet();
        if (code == 3 || code == 4 || code == 5) {
            for (int32_t i = 0; i < t->count; i++)
                t->entries[i].selected = code == 3 ? 1 : code == 4 ? 0 : !t->entries[i].selected;
            Change_Activity_PS(area, 1);
        } else if (code == 6) {
            int r[4];
            Nchw_Dlg_Track_Selection(ax1, ay1, ax2, ay2, r);
            int sx = 0, sy = 0;
            Inquire_Scrollable_Area_PS(area, &sx, &sy);
            int v[4];
            pxQVwp(&v[0], &v[1], &v[2], &v[3]);
            pxView(ax1, ay1, ax2, ay2);
            Draw_Nchw_Object_Grid(r[0], r[1], r[2], r[3], ax1 - sx, ay1);
            pxView(v[0], v[1], v[2], v[3]);
            Change_Activity_PS(area, 1);
        } else if (code == 1) {
            Nchw_Dlg_Keep_Displacement(&Centre);
            Undefine_Prop_Sheet();
            std::free(list);
            return Get_Nchw_Object_Selection();
        } else {
            /* cancel, the close box and a closed window */
            Nchw_Dlg_Keep_Displacement(&Centre);
            Undefine_Prop_Sheet();
            return list;
        }
    }
}
