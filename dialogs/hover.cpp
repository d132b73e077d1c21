/*
** Hover help and rollover buttons: rectangles registered while a page is drawn (tooltips at most
** 100, rollover rows at most 100, areas at most 20) and the function that the event loop calls on
** every pass, which draws tooltip boxes and rollover looks straight onto the screen over saved
** screen rectangles.
*/
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "dialogs/sva.h"
#include "dialogs/widgets.h"
#include "foundation/foundation.h"
#include "platform/zelkwin.h"

Wdg_Hover_Area_Row Wdg_Hover_Areas[WDG_HOVER_AREAS];
int Wdg_Hover_Area_Count = 0;
int Wdg_Hover_Enabled = 0;
Wdg_Tooltip Wdg_Tooltips[WDG_TOOLTIPS];
int Wdg_Tooltip_Count = 0;
Wdg_Rollover_Row Wdg_Rollovers[WDG_ROLLOVERS];
int Wdg_Rollover_Count = 0;

/* Screen state of the callback */
static int Tip_Shown = 0, Tip_X1, Tip_Y1, Tip_X2, Tip_Y2;
static void *Tip_Saved = nullptr;
static int Roll_Shown = 0, Roll_X1, Roll_Y1, Roll_X2, Roll_Y2;
static void *Roll_Saved = nullptr;
static const Wdg_Rollover_Row *Roll_Row = nullptr;

/* ------------------------------------------------------------------ registration */

void Wdg_Hover_Push_Area(int handle, int area, int x1, int y1, int x2, int y2, int *base_x,
                         int *base_y)
{
    if (Wdg_Hover_Area_Count >= WDG_HOVER_AREAS) return; /* the stack holds 20 rows */
    Wdg_Hover_Area_Row &r = Wdg_Hover_Areas[Wdg_Hover_Area_Count++];
    r = {handle, area, x1, y1, x2, y2, base_x, base_y};
    if (Wdg_Hover_Area_Count == 1) {
        Define_Call_Allways_Function(Wdg_Hover_Callback);
        Activate_Call_Allways_Function(1);
        Wdg_Hover_Enabled = 1;
    }
}

void Wdg_Hover_Activate(int on)
{
    Activate_Call_Allways_Function(on != 0 && Wdg_Hover_Enabled ? 1 : 0);
}

void Wdg_Hover_Pop_Area(void)
{
    if (Wdg_Hover_Area_Count > 0) {
        /* the sheet base of the popped row belongs to a runner that is ending: forget it */
        const Wdg_Hover_Area_Row &r = Wdg_Hover_Areas[--Wdg_Hover_Area_Count];
        if (Wdg_State.base_x == r.base_x) Wdg_State.base_x = nullptr;
        if (Wdg_State.base_y == r.base_y) Wdg_State.base_y = nullptr;
    }
    if (Wdg_Hover_Area_Count == 0) {
        Activate_Call_Allways_Function(0);
        Wdg_Hover_Enabled = 0;
    }
}

void Wdg_Set_Tooltip(const char *text, int below, int alignment)
{
    if (!Wdg_Hover_Enabled || Wdg_State.last_state == 0 || text == nullptr) return;
    if (Wdg_Tooltip_Count >= WDG_TOOLTIPS) return;
    Wdg_Tooltip &t = Wdg_Tooltips[Wdg_Tooltip_Count];
    memset(&t, 0, sizeof t);
    const char *p = text;
    while (t.lines < WDG_TIP_LINES) {
        const char *nl = strchr(p, '\n');
        size_t n = nl ? (size_t)(nl - p) : strlen(p);
        size_t take = std::min(n, (size_t)WDG_TIP_LINE - 1);
        memcpy(t.text[t.lines], p, take);
        t.text[t.lines][take] = 0;
        t.lines++;
        if (take < n) p += take; /* a longer line goes on in the next one */
        else if (nl) p = nl + 1;
        else break;
    }
    int widest = 0;
    for (int i = 0; i < t.lines; i++) {
        int w = t.text[i][0] ? Text_Width_In_Font(t.text[i], 4096) + 3 : 0;
        widest = std::max(widest, w);
    }
    t.height = 12 * t.lines + 6;
    t.width = widest + 6;
    t.handle = Wdg_State.sheet_handle;
    t.x1 = Wdg_State.last_x1;
    t.x2 = Wdg_State.last_x2;
    t.y1 = Wdg_State.last_y1;
    t.y2 = Wdg_State.last_y2;
    t.below = below;
    t.align = alignment;
    Wdg_Tooltip_Count++;
}

/* ------------------------------------------------------------------ rollover buttons */

static void Place(int x, int y, int w, int h, int v_align, int h_align, bool text_button, int *x1,
                  int *y1)
{
    if (text_button) {
        *x1 = h_align == 1 ? x + 1 - w : h_align == 4 ? x - (w - 1) / 2 : x;
        *y1 = v_align == 2 ? y - 18 : v_align == 4 ? y - 9 : y;
    } else {
        *x1 = h_align == 1 ? x - w : h_align == 4 ? x - w / 2 : x;
        *y1 = v_align == 2 ? y - h : v_align == 4 ? y - h / 2 : y;
    }
}

static void Set_Last_Widget(int x1, int y1, int x2, int y2, int state)
{
    Wdg_State.last_x1 = x1;
    Wdg_State.last_y1 = y1;
    Wdg_State.last_x2 = x2;
    Wdg_State.last_y2 = y2;
    Wdg_State.last_state = state;
}

void Wdg_Rollover_Bitmap_Button(int area, int x, int y, int w, int h, int v_align, int h_align,
                                const char *image, const char *inactive_image,
                                const char *rollover_image, const char *inactive_rollover_image,
                                int key_colour, int value, int *var, int active)
{
    if (!Wdg_Hover_Enabled) return;
    int x1, y1;
    Place(x, y, w, h, v_align, h_align, false, &x1, &y1);
    int x2 = x1 + w, y2 = y1 + h;
    Set_Last_Widget(x1, y1, x2, y2, active);
    const char *normal, *roll;
    if (active) {
        if (image) SVA_Add_Bitmap(area, image, x1, y1, x2, y2, key_colour);
        SVA_Add_Hotspot(area, x1, y1, x2, y2, value, var);
        SVA_Set_Last_Hotspot_Value(area, 18);
        normal = image;
        roll = rollover_image;
    } else {
        if (inactive_image) SVA_Add_Bitmap(area, inactive_image, x1, y1, x2, y2, key_colour);
        normal = inactive_image;
        roll = inactive_rollover_image;
    }
    if (Wdg_Rollover_Count >= WDG_ROLLOVERS) return;
    Wdg_Rollover_Row &r = Wdg_Rollovers[Wdg_Rollover_Count];
    r = {Wdg_State.sheet_handle,
         normal,
         roll,
         x1,
         x2,
         y1,
         y2,
         key_colour,
         nullptr,
         0,
         0,
         0,
         BLACK_CI};
    if (roll != nullptr) Wdg_Rollover_Count++;
}

static void Text_Button(int area, int x, int y, int w, int v_align, int h_align, int frame_colour,
                        int label_colour, const char *label, int value, int *var, int active,
                        const char *bg_image, const char *row_image, const char *row_roll,
                        bool image_button)
{
    if (!Wdg_Hover_Enabled) return;
    int x1, y1;
    Place(x, y, w, 18, v_align, h_align, true, &x1, &y1);
    int x2 = x1 + w - 2, y2 = y1 + 18;
    Set_Last_Widget(x1, y1, x2, y2, active);
    if (bg_image) SVA_Add_Bitmap(area, bg_image, x1, y1, x1 + w - 1, y2, WHITE_CI);
    int fc = active ? frame_colour : Nearest_RGB_Color(196, 196, 196);
    int lc = active ? label_colour : Nearest_RGB_Color(198, 195, 198);
    int xr = x1 + w - 1;
    SVA_Add_Line(area, x1, y1, xr, y1, fc);
    SVA_Add_Line(area, xr, y1, xr, y2, fc);
    SVA_Add_Line(area, xr, y2, x1, y2, fc);
    SVA_Add_Line(area, x1, y2, x1, y1, fc);
    if (active) {
        SVA_Add_Hotspot(area, x1, y1, xr, y2, value, var);
        SVA_Set_Last_Hotspot_Value(area, 18);
    }
    int lx = x1, ly = y1 + 14;
    if (label) {
        int W = Text_Width_In_Font(label, 0);
        lx = W > 0 ? x1 + (w - 1 - (W + 3)) / 2 : x1 + (w - 1) / 2;
        SVA_Add_Text(area, lx, ly, label, 0, lc, 0);
    }
    if (Wdg_Rollover_Count >= WDG_ROLLOVERS) return;
    Wdg_Rollover_Row &r = Wdg_Rollovers[Wdg_Rollover_Count];
    r = {Wdg_State.sheet_handle, row_image, row_roll, x1, x2, y1, y2, WHITE_CI, label,
         active ? 0x10000 : 0,   lx,        ly,       lc};
    bool counts = image_button ? !(label == nullptr && row_roll == nullptr) : label != nullptr;
    if (counts) Wdg_Rollover_Count++;
}

void Wdg_Rollover_Text_Button(int area, int x, int y, int w, int v_align, int h_align,
                              int text_colour, int frame_colour, int unread, const char *label,
                              int value, int *var, int active)
{
    Text_Button(/*area=*/area, /*x=*/x, /*y=*/y, /*w=*/w, /*v_align=*/v_align, /*h_align=*/h_align,
                /*frame_colour=*/frame_colour, /*label_colour=*/text_colour, /*label=*/label,
                /*value=*/value, /*var=*/var, /*active=*/active, /*bg_image=*/nullptr,
                /*row_image=*/nullptr, /*row_roll=*/nullptr, /*image_button=*/false);
}

void Wdg_Rollover_Image_Text_Button(int area, int x, int y, int w, int v_align, int h_align,
                                    const char *label, int value, int *var, int active)
{
    if (active)
        Text_Button(/*area=*/area, /*x=*/x, /*y=*/y, /*w=*/w, /*v_align=*/v_align,
                    /*h_align=*/h_align, /*frame_colour=*/Nearest_RGB_Color(144, 144, 144),
                    /*label_colour=*/BLACK_CI, /*label=*/label, /*value=*/value, /*var=*/var,
                    /*active=*/active, /*bg_image=*/"textbuttonbg.bmp",
                    /*row_image=*/"TextButtonBg.bmp", /*row_roll=*/"TextButtonBg_ro.bmp",
                    /*image_button=*/true);
    else
        Text_Button(/*area=*/area, /*x=*/x, /*y=*/y, /*w=*/w, /*v_align=*/v_align,
                    /*h_align=*/h_align, /*frame_colour=*/0, /*label_colour=*/0, /*label=*/label,
                    /*value=*/value, /*var=*/var, /*active=*/active,
                    /*bg_image=*/"TextButtonBgInaktive.bmp",
                    /*row_image=*/"TextButtonBgInaktive.bmp",
                    /*row_roll=*/"TextButtonBgInaktive_ro.bmp", /*image_button=*/true);
}

/* ------------------------------------------------------------------ the event-loop function */

/* Save a screen rectangle into a reused block. */
static void Save_Rect(void **block, int x1, int y1, int x2, int y2)
{
    int size = pxQSvR(x1, y1, x2, y2);
    if (size <= 0) return;
    *block = Mem_Realloc(*block, (size_t)size, 0);
    pxSvRc(x1, y1, x2, y2, *block);
}

static void Mouse_In_Area(const Wdg_Hover_Area_Row *row, int *mx, int *my)
{
    int sx = 0, sy = 0;
    SVA_Inquire_Scroll(row ? row->area : -1, &sx, &sy);
    int bx = Wdg_State.base_x ? *Wdg_State.base_x : 0;
    int by = Wdg_State.base_y ? *Wdg_State.base_y : 0;
    int ox = row ? row->x1 : 0, oy = row ? row->y1 : 0;
    *mx = M_XPOS - bx - ox + sx;
    *my = M_YPOS - by - oy + sy;
}

/* The registration row of the current target area. */
static const Wdg_Hover_Area_Row *Current_Row(void)
{
    const Wdg_Hover_Area_Row *found = nullptr;
    for (int i = 0; i < Wdg_Hover_Area_Count; i++)
        if (Wdg_Hover_Areas[i].area == Wdg_State.area) found = &Wdg_Hover_Areas[i];
    return found;
}

static void To_Screen(const Wdg_Hover_Area_Row *row, int *x, int *y)
{
    int sx = 0, sy = 0;
    SVA_Inquire_Scroll(row ? row->area : -1, &sx, &sy);
    *x += (Wdg_State.base_x ? *Wdg_State.base_x : 0) + (row ? row->x1 : 0) - sx;
    *y += (Wdg_State.base_y ? *Wdg_State.base_y : 0) + (row ? row->y1 : 0) - sy;
}

static void Show_Tip(const Wdg_Tooltip &t, const Wdg_Hover_Area_Row *row)
{
    int cx = (t.x1 + t.x2) / 2, top = t.below ? t.y2 + 5 : t.y1 - 5 - t.height;
    int dummy = 0;
    To_Screen(row, &cx, &dummy);
    int tx = 0;
    To_Screen(row, &tx, &top);
    int left = t.align == 3 ? cx - t.width : cx, right = t.align == 3 ? cx : cx + t.width;
    int bottom = top + t.height;
    Save_Rect(&Tip_Saved, left, top, right, bottom);
    Tip_X1 = left;
    Tip_Y1 = top;
    Tip_X2 = right;
    Tip_Y2 = bottom;
    int grey = Nearest_RGB_Color(64, 64, 64);
    pxFgc(Nearest_RGB_Color(255, 255, 255));
    pxRect(left, top, right, bottom);
    pxFgc(grey);
    pxLine(left, top, right, top);
    pxLine(right, top, right, bottom);
    pxLine(right, bottom, left, bottom);
    pxLine(left, bottom, left, top);
    pxSFnt(0x1000);
    for (int i = 0; i < t.lines; i++) pxText(left + 3, top + 12 + 12 * i, t.text[i], -1);
    Tip_Shown = 1;
}

static void Draw_Roll_Image(const char *image, const Wdg_Rollover_Row &r)
{
    int cr, cg, cb;
    pxQCR(r.key_colour, &cr, &cg, &cb);
    pxDrawPartialTransparentDIB(/*file=*/image, /*sx1=*/0, /*sy1=*/0, /*sx2=*/-1, /*sy2=*/-1,
                                /*x1=*/Roll_X1, /*y1=*/Roll_Y1, /*x2=*/Roll_X2, /*y2=*/Roll_Y2,
                                /*mode=*/201, /*flag=*/-1, /*r=*/cr, /*g=*/cg, /*b=*/cb);
}

void Wdg_Hover_Callback(void)
{
    const Wdg_Hover_Area_Row *row = Current_Row();
    int mx, my;
    Mouse_In_Area(row, &mx, &my);
    bool on_tip = false;
    for (int i = 0; i < Wdg_Tooltip_Count && i < WDG_TOOLTIPS; i++) {
        const Wdg_Tooltip &t = Wdg_Tooltips[i];
        if (ActivState_of_Button_PS(t.handle) != 1) continue;
        if (t.x1 < mx && mx < t.x2 && t.y1 < my && my < t.y2) {
            on_tip = true;
            if (!Tip_Shown) Show_Tip(t, row);
            break;
        }
    }
    if (!on_tip && Tip_Shown) {
        if (Tip_Saved) pxStRc(Tip_X1, Tip_Y1, Tip_X2, Tip_Y2, Tip_Saved);
        Tip_Shown = 0;
    }
    const Wdg_Rollover_Row *hit = nullptr;
    for (int i = 0; i < Wdg_Rollover_Count && i < WDG_ROLLOVERS; i++) {
        const Wdg_Rollover_Row &r = Wdg_Rollovers[i];
        if (ActivState_of_Button_PS(r.handle) != 1) continue;
        if (r.x1 < mx && mx < r.x2 && r.y1 < my && my < r.y2) hit = &r;
    }
    if (hit) {
        Roll_Row = hit;
        if (!Roll_Shown) {
            Roll_X1 = hit->x1;
            Roll_Y1 = hit->y1;
            Roll_X2 = hit->x2;
            Roll_Y2 = hit->y2;
            To_Screen(row, &Roll_X1, &Roll_Y1);
            To_Screen(row, &Roll_X2, &Roll_Y2);
            Save_Rect(&Roll_Saved, Roll_X1, Roll_Y1, Roll_X2, Roll_Y2);
            Roll_Shown = 1;
            if (hit->rollover_image) Draw_Roll_Image(hit->rollover_image, *hit);
            if (hit->label) {
                int lx = hit->label_x, ly = hit->label_y;
                To_Screen(row, &lx, &ly);
                pxSFnt(hit->label_font & ~0x10000);
                pxFgc(hit->label_colour);
                pxText(lx, ly, hit->label, -1);
                if (hit->label_font & 0x10000) pxText(lx + 1, ly, hit->label, -1);
            }
            pxFlsh();
        }
        return;
    }
    if (Roll_Shown) {
        if (Roll_Row && Roll_Row->image) Draw_Roll_Image(Roll_Row->image, *Roll_Row);
        else if (Roll_Saved) pxStRc(Roll_X1, Roll_Y1, Roll_X2, Roll_Y2, Roll_Saved);
        Roll_Row = nullptr;
        Roll_Shown = 0;
        pxFlsh();
    }
}
