/*
** Input handling of a view area: the mouse-over loop with cursor shapes, button highlights and
** tooltips, the hit test of a click against the items, in-place editing of float, text, choice
** and picture fields with chaining to the next field, the two drop-down popups, the short keys
** and the keyboard focus of a dialog's editor. Screen coordinates: x' = X1 + x - sx, y' = Y1 + y - sy.
*/
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "dialogs/message.h"
#include "dialogs/sva.h"
#include "dialogs/sva_editor.h"
#include "foundation/foundation.h"
#include "platform/zelkwin.h"

enum { KEY_ESC = 27, KEY_ENTER = 13 };

/* Screen geometry of an area for one input pass. */
struct View {
    Scrollable_View_Area *a;
    int X1, Y1, X2, Y2;
    int sx, sy;
};

static void Get_View(Scrollable_View_Area *a, View *v)
{
    v->a = a;
    SVA_Screen_Rect(a, &v->X1, &v->Y1, &v->X2, &v->Y2);
    v->sx = v->sy = 0;
    Inquire_Scrollable_Area_PS(a->handle, &v->sx, &v->sy);
    SVA_Rows_For_View(a, v->sy, a->y2 - a->y1);
}

static bool Is_Active(const SVA_Item *it) { return it->activity && *it->activity != 0; }

static void Wait_Release(void)
{
    while (M_LEFT && !getkeymask()) Get_Mouse_Event();
}

static void Redraw_View(View *v)
{
    if (v->a->active != 1) return;
    SVA_Draw(v->sx, v->sy, v->X1, v->Y1, v->X2, v->Y2, v->a);
    pxFlsh();
}

/* ------------------------------------------------------------------ tooltip */

static int Tip_Shown = 0, Tip_X1, Tip_Y1, Tip_X2, Tip_Y2;

int SVA_Tooltip_Lines(const char *text, std::vector<std::string> *lines)
{
    lines->clear();
    const char *p = text;
    for (;;) {
        const char *nl = strchr(p, '\n');
        lines->emplace_back(p, nl ? nl : p + strlen(p));
        if (!nl) break;
        p = nl + 1;
    }
    int width = 0;
    for (auto &l : *lines) {
        int left = 0, right = 0;
        pxQTxX(l.c_str(), (int)l.size(), &left, &right, nullptr, nullptr);
        width = std::max(width, right - left);
    }
    return width;
}

void SVA_Show_Tooltip(const char *text, int line)
{
    if (text == nullptr) return;
    if (line == 0) {
        if (Tip_Shown) Restore_Screen_Rectangle(Tip_X1, Tip_Y1, Tip_X2, Tip_Y2);
        Tip_Shown = 0;
        return;
    }
    if (Tip_Shown) Restore_Screen_Rectangle(Tip_X1, Tip_Y1, Tip_X2, Tip_Y2);
    int white = Nearest_RGB_Color(255, 255, 255), black = Nearest_RGB_Color(0, 0, 0);
    Pop_RFont(0x1000);
    std::vector<std::string> lines;
    int tw = SVA_Tooltip_Lines(text, &lines);
    int n = (int)lines.size();
    int left = M_XPOS, top = M_YPOS + 20;
    int right = left + tw + 10, bottom = top + n * RFONT_HEIGHT + 5;
    if (right >= NPIXEL_X - 8) {
        left -= right - (NPIXEL_X - 9);
        right = NPIXEL_X - 9;
    }
    if (bottom >= NPIXEL_Y - 8) {
        top -= bottom - (NPIXEL_Y - 9);
        bottom = NPIXEL_Y - 9;
    }
    Save_Screen_Rectangle(left, top, right, bottom);
    Tip_X1 = left;
    Tip_Y1 = top;
    Tip_X2 = right;
    Tip_Y2 = bottom;
    int fg = pxQFgc();
    pxFgc(white);
    pxRect(left, top, right, bottom);
    pxFgc(black);
    pxLine(left, top, right, top);
    pxLine(right, top, right, bottom);
    pxLine(right, bottom, left, bottom);
    pxLine(left, bottom, left, top);
    for (int k = 1; k <= n; k++) pxText(left + 5, top + k * RFONT_HEIGHT, lines[k - 1].c_str(), -1);
    pxFgc(fg);
    pxFlsh();
    Push_RFont();
    Tip_Shown = 1;
}

/* ------------------------------------------------------------------ mouse-over loop */

static bool Short_Key_Pending(void)
{
    int k = hitkey();
    if (k == KEY_ESC && UseSheetBreakShortKey) return true;
    if (k == KEY_ENTER && UseSheetOkShortKey) return true;
    if (k == KEY_F1 && UseSheetHelpShortKey) return true;
    return false;
}

static bool Any_Short_Key(void)
{
    return UseSheetBreakShortKey || UseSheetOkShortKey || UseSheetHelpShortKey
           || UseSheetJumpShortKey;
}

/* Wait for the next message; true when the mouse-over loop has to end. */
static bool Track_Wait(Scrollable_View_Area *a, int classes, int hx1, int hy1, int hx2, int hy2)
{
    if (a->hover_stop && *a->hover_stop) return true;
    VEL_MESSAGE msg;
    InitVELMessage(&msg);
    if (a->hover_stop) msg.w[6] = 100;
    int cls = GetVELMessage(&msg, classes);
    if (cls & VELMSG_CLOSE || getkeymask() == 1) return true;
    if (M_XPOS < hx1 || M_XPOS > hx2 || M_YPOS < hy1 || M_YPOS > hy2) return true;
    if (M_LEFT || M_RIGHT || M_SCROLL != 0) return true;
    if (a->hover_key_return && hitkey() != -1) return true;
    if (Short_Key_Pending()) return true;
    return false;
}

static bool Over_Item(const SVA_Item *it, const View &v)
{
    int x1 = v.X1 + it->x1 - v.sx, y1 = v.Y1 + it->y1 - v.sy;
    int x2 = v.X1 + it->x2 - v.sx, y2 = v.Y1 + it->y2 - v.sy;
    return M_XPOS >= x1 && M_XPOS <= x2 && M_YPOS >= y1 && M_YPOS <= y2;
}

void SVA_Track_Mouse(int area)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    View v;
    Get_View(a, &v);
    int hx1 = v.X1, hy1 = v.Y1, hx2 = v.X2, hy2 = v.Y2;
    if (a->hover_rect_flag) {
        hx1 = v.X1 + a->hover_x1 - v.sx;
        hy1 = v.Y1 + a->hover_y1 - v.sy;
        hx2 = v.X1 + a->hover_x2 - v.sx;
        hy2 = v.Y1 + a->hover_y2 - v.sy;
    }
    int classes = 0x84022;
    if (Any_Short_Key() || a->hover_key_return) classes = 0x94022;
    if (a->hover_right_return) classes += 8;
    if (a->hover_stop) classes += 0x40000000;
    for (;;) {
        if (Track_Wait(a, classes, hx1, hy1, hx2, hy2)) return;
        SVA_Item *hit = nullptr;
        for (SVA_Item *it = a->first; it; it = it->next) {
            bool candidate = (it->kind == SVA_HOTSPOT && (it->aux != 0 || it->text != nullptr))
                             || (it->kind == SVA_BITMAP_BUTTON && Is_Active(it));
            if (candidate && Over_Item(it, v)) {
                hit = it;
                break;
            }
        }
        if (hit == nullptr) continue;
        int x1 = v.X1 + hit->x1 - v.sx, y1 = v.Y1 + hit->y1 - v.sy;
        int x2 = v.X1 + hit->x2 - v.sx, y2 = v.Y1 + hit->y2 - v.sy;
        int cursor = hit->kind == SVA_BITMAP_BUTTON ? hit->colour : hit->aux;
        const char *tip = hit->kind == SVA_BITMAP_BUTTON ? hit->extra_text : hit->text;
        if (hit->kind == SVA_BITMAP_BUTTON) {
            int vx1, vy1, vx2, vy2;
            pxQVwp(&vx1, &vy1, &vx2, &vy2);
            pxView(v.X1, v.Y1, v.X2, v.Y2);
            SVA_Draw_Bitmap_Button(hit, 2, x1, y1, x2, y2);
            pxView(vx1, vy1, vx2, vy2);
            pxFlsh();
        }
        if (cursor) setMouseCursor(cursor);
        if (tip) SVA_Show_Tooltip(tip, 1);
        bool ended = false;
        while (!ended && Over_Item(hit, v)) ended = Track_Wait(a, classes, hx1, hy1, hx2, hy2);
        if (tip) SVA_Show_Tooltip(tip, 0);
        if (hit->kind == SVA_BITMAP_BUTTON) {
            int vx1, vy1, vx2, vy2;
            pxQVwp(&vx1, &vy1, &vx2, &vy2);
            pxView(v.X1, v.Y1, v.X2, v.Y2);
            SVA_Draw_Bitmap_Button(hit, 1, x1, y1, x2, y2);
            pxView(vx1, vy1, vx2, vy2);
            pxFlsh();
        }
        if (cursor) setMouseCursor(0);
        if (M_SCROLL != 0 || getkeymask() == 1) return;
        if (ended) return;
    }
}

/* ------------------------------------------------------------------ drop-down popups */

/* The common loop of both popups: n rows of height row shown r at a time in the screen
** rectangle (px1, py1)-(px2, py2); draw(row index, y of its top, highlighted) draws a row. */
struct Popup {
    int px1, py1, px2, py2;
    int row, n, r, first, hl;
    bool bar;
    int bg, track, sel, black;
};

/* The thumb of the scroll bar: its top y and its length, from the first row shown. */
static void Popup_Thumb(const Popup &p, int *top, int *length)
{
    int span = p.py2 - p.py1 - 32;
    *length = std::max(6, p.r * span / std::max(p.n, 1));
    int room = std::max(p.n - p.r, 1);
    *top = p.py1 + 16 + (span - *length) * p.first / room;
}

template <typename DrawRow>
static void Popup_Draw(Popup &p, DrawRow draw_row)
{
    pxView(p.px1, p.py1, p.px2, p.py2);
    pxFgc(p.bg);
    pxRect(p.px1, p.py1, p.px2, p.py2);
    for (int k = 0; k < p.r && p.first + k < p.n; k++) {
        int i = p.first + k;
        draw_row(i, p.py1 + 3 + k * p.row, i == p.hl);
    }
    if (p.bar) {
        int bx1 = p.px2 - 15;
        pxFgc(p.track);
        pxRect(bx1, p.py1 + 1, p.px2 - 1, p.py2 - 1);
        /* the up arrow, a triangle pointing up in the top 16 pixels, and the down arrow */
        pxFgc(p.black);
        for (int k = 0; k < 5; k++) pxLine(bx1 + 7 - k, p.py1 + 5 + k, bx1 + 7 + k, p.py1 + 5 + k);
        SVA_Draw_Arrow_Mark(bx1 + 2, p.py2 - 14, bx1 + 14, p.py2 - 2, p.black);
        int ty, thumb;
        Popup_Thumb(p, &ty, &thumb);
        pxFgc(p.bg);
        pxRect(bx1 + 1, ty, p.px2 - 2, ty + thumb);
        pxFgc(p.black);
        pxLine(bx1 + 1, ty, p.px2 - 2, ty);
        pxLine(bx1 + 1, ty + thumb, p.px2 - 2, ty + thumb);
    }
    pxFgc(p.black);
    pxSULn(0xAAAAAAAAu);
    pxLine(p.px1, p.py1, p.px2, p.py1);
    pxLine(p.px2, p.py1, p.px2, p.py2);
    pxLine(p.px2, p.py2, p.px1, p.py2);
    pxLine(p.px1, p.py2, p.px1, p.py1);
    pxSLn(0);
    pxFlsh();
}

static void Popup_Scroll_To(Popup &p, int first)
{
    p.first = std::clamp(first, 0, std::max(p.n - p.r, 0));
}

/* A press on the scroll bar: an arrow steps one row and again every 100 ms while it is held; the
** thumb follows the mouse while it is held; a press on the track above or below the thumb
** scrolls to the start or the end. Returns when the button is released. */
template <typename DrawRow>
static void Popup_Bar_Press(Popup &p, DrawRow draw_row)
{
    VEL_MESSAGE msg;
    int ty, len;
    Popup_Thumb(p, &ty, &len);
    if (M_YPOS < p.py1 + 16 || M_YPOS > p.py2 - 16) {
        int step = M_YPOS < p.py1 + 16 ? -1 : 1;
        Popup_Scroll_To(p, p.first + step);
        Popup_Draw(p, draw_row);
        while (M_LEFT && !getkeymask()) {
            InitVELMessage(&msg);
            msg.w[6] = 100;
            int cls = GetVELMessage(&msg, VELMSG_MOVE | VELMSG_LBUTTON | VELMSG_TIMER);
            if (cls & VELMSG_CLOSE) break;
            if ((cls & VELMSG_TIMER) && M_LEFT) {
                Popup_Scroll_To(p, p.first + step);
                Popup_Draw(p, draw_row);
            }
        }
        return;
    }
    if (M_YPOS >= ty && M_YPOS <= ty + len) {
        int grab = M_YPOS - ty, span = p.py2 - p.py1 - 32, room = std::max(p.n - p.r, 1);
        while (M_LEFT && !getkeymask()) {
            InitVELMessage(&msg);
            int cls = GetVELMessage(&msg, VELMSG_MOVE | VELMSG_LBUTTON);
            if (cls & VELMSG_CLOSE) break;
            int top = M_YPOS - grab - (p.py1 + 16);
            int first = span > len ? (int)lround((double)top * room / (span - len)) : 0;
            if (std::clamp(first, 0, std::max(p.n - p.r, 0)) != p.first) {
                Popup_Scroll_To(p, first);
                Popup_Draw(p, draw_row);
            }
        }
        return;
    }
    Popup_Scroll_To(p, M_YPOS < ty ? 0 : p.n);
    Popup_Draw(p, draw_row);
    Wait_Release();
}

/* Run the popup; answers 1 after Enter, 0 after a mouse pick or a cancel; *picked the row. */
template <typename DrawRow>
static int Popup_Run(Popup &p, int *picked, DrawRow draw_row)
{
    *picked = -1;
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    int mx = M_XPOS, my = M_YPOS;
    Save_Screen_Rectangle(p.px1, p.py1, p.px2, p.py2);
    Pop_Mouse_Move_Restriction(p.px1, p.py1, p.px2, p.py2);
    Popup_Scroll_To(p, p.hl - p.r / 2);
    msStCu((p.px1 + p.px2) / 2, p.py1 + 3 + (p.hl - p.first) * p.row + p.row / 2);
    Popup_Draw(p, draw_row);
    int result = 0;
    int text_right = p.bar ? p.px2 - 16 : p.px2;
    for (;;) {
        VEL_MESSAGE msg;
        InitVELMessage(&msg);
        int cls = GetVELMessage(&msg, 0x14022);
        if (cls & VELMSG_CLOSE || getkeymask() == 1) break;
        if (cls & VELMSG_WHEEL) {
            Popup_Scroll_To(p, p.first + (M_SCROLL < 0 ? 1 : -1));
            M_SCROLL = 0;
            Popup_Draw(p, draw_row);
            continue;
        }
        if (cls & VELMSG_KEY) {
            int k = getkey();
            if (k == KEY_UP || k == KEY_DOWN) {
                p.hl = std::clamp(p.hl + (k == KEY_UP ? -1 : 1), 0, p.n - 1);
                if (p.hl < p.first) Popup_Scroll_To(p, p.hl);
                if (p.hl >= p.first + p.r) Popup_Scroll_To(p, p.hl - p.r + 1);
                Popup_Draw(p, draw_row);
                continue;
            }
            if (k == KEY_ENTER) {
                *picked = p.hl;
                result = 1;
            }
            break;
        }
        bool inside = M_XPOS >= p.px1 && M_XPOS <= p.px2 && M_YPOS >= p.py1 && M_YPOS <= p.py2;
        int row = (M_YPOS - p.py1 - 3) / p.row;
        bool on_row = inside && M_XPOS <= text_right && M_YPOS >= p.py1 + 3 && row >= 0 && row < p.r
                      && p.first + row < p.n;
        if ((cls & VELMSG_LBUTTON) && M_LEFT) {
            if (p.bar && inside && M_XPOS > text_right) {
                Popup_Bar_Press(p, draw_row);
                continue;
            }
            if (on_row) *picked = p.first + row;
            Wait_Release();
            break;
        }
        if (on_row && p.first + row != p.hl) {
            p.hl = p.first + row;
            Popup_Draw(p, draw_row);
        }
    }
    Restore_Screen_Rectangle(p.px1, p.py1, p.px2, p.py2);
    pxView(vx1, vy1, vx2, vy2);
    Push_Mouse_Move_Restriction();
    msStCu(mx, my);
    pxFlsh();
    return result;
}

int SVA_Text_List_Popup(SVA_Item *field, int x, int y)
{
    if (field == nullptr || field->kind != SVA_CHOICE) return 0;
    const SVA_Choice_Entry *table = (const SVA_Choice_Entry *)field->aux3;
    int n = field->aux2;
    if (table == nullptr || n < 1) return 0;
    Popup p{};
    p.row = 13;
    p.n = n;
    int width = field->aux;
    int w = width + 32 + (width & 1);
    int height = n * 13 + 6;
    int below = NPIXEL_Y - y;
    p.r = n;
    int top;
    if (height < below - 30) top = y + 5;
    else if (height < y - 30) top = y - height - 13;
    else if (y > below) {
        p.r = std::max((y - 48) / 13, 1);
        top = y - (p.r * 13 + 6) - 13;
    } else {
        p.r = std::max((below - 48) / 13, 1);
        top = y + 5;
    }
    p.px1 = x - 7;
    p.px2 = x - 7 + w;
    p.py1 = top;
    p.py2 = top + p.r * 13 + 6;
    p.bar = p.r < n;
    p.bg = Nearest_RGB_Color(235, 255, 255);
    p.track = Nearest_RGB_Color(201, 237, 237);
    p.sel = Nearest_RGB_Color(0, 80, 150);
    p.black = Nearest_RGB_Color(0, 0, 0);
    p.hl = field->target ? std::clamp(*field->target, 0, n - 1) : 0;
    int fw = width + (width & 1);
    SVA_Draw_Arrow_Mark(x + fw + 10, y - 10, x + fw + 22, y + 2, Nearest_RGB_Color(255, 0, 0));
    int picked;
    int font = field->font;
    int r = Popup_Run(p, &picked, [&](int i, int top_y, bool hl) {
        int base = top_y + 10;
        if (hl) {
            pxFgc(p.sel);
            pxRect(p.px1 + 1, top_y, (p.bar ? p.px2 - 16 : p.px2 - 1), top_y + 12);
        }
        pxFgc(hl ? p.bg : table[i].colour);
        Pop_RFont(font);
        pxText(x, base, table[i].text ? table[i].text : "", -1);
        Push_RFont();
    });
    if (picked >= 0 && field->target) *field->target = picked;
    return r;
}

int SVA_Picture_List_Popup(SVA_Item *field, int x, int y, int area_top, int area_bottom)
{
    if (field == nullptr || field->kind != SVA_PICTURE_CHOICE) return 0;
    int pw = field->x2, ph = field->y2, n = field->aux2;
    if (n < 1 || ph < 1) return 0;
    Popup p{};
    p.row = ph + 4;
    p.n = n;
    int W = pw + 20 + (pw & 1);
    int H = ph + 5 + ((ph & 1) == 0 ? 1 : 0);
    int list = n * p.row + 6;
    int below = area_bottom - y - H, above = y - area_top;
    int top;
    p.r = n;
    if (list < below - 7) top = y + H;
    else if (list < above - 15) top = y - list;
    else if (below < above - 8) {
        p.r = std::max((above - 33) / p.row, 1);
        top = y - (p.r * p.row + 6);
    } else {
        p.r = std::max((below - 25) / p.row, 1);
        top = y + H;
    }
    int r2 = (NPIXEL_Y - y - p.row - 10) / p.row;
    if (3 * p.r < n && r2 > p.r) {
        p.r = std::min(r2, n / 2);
        top = y + H;
    }
    p.r = std::max(p.r, 1);
    p.px1 = x;
    p.px2 = x + W;
    p.py1 = top;
    p.py2 = top + p.r * p.row + 6;
    p.bar = p.r < n;
    p.bg = Nearest_RGB_Color(235, 255, 255);
    p.track = Nearest_RGB_Color(201, 237, 237);
    p.sel = Nearest_RGB_Color(0, 80, 150);
    p.black = Nearest_RGB_Color(0, 0, 0);
    int white = Nearest_RGB_Color(255, 255, 255);
    p.hl = field->target ? std::clamp(*field->target, 0, n - 1) : 0;
    SVA_Draw_Arrow_Mark(x + W - 15, y + 3, x + W - 3, y + 15, Nearest_RGB_Color(255, 0, 0));
    int picked;
    int r = Popup_Run(p, &picked, [&](int i, int top_y, bool hl) {
        if (hl) {
            pxFgc(white);
            pxRect(p.px1 + 2, top_y, p.px1 + pw + 4, top_y + ph + 1);
            pxFgc(p.sel);
            pxRect(p.px1 + 1, top_y - 1, p.px1 + pw + 5, top_y);
            pxRect(p.px1 + 1, top_y + ph + 1, p.px1 + pw + 5, top_y + ph + 2);
            pxRect(p.px1 + 1, top_y - 1, p.px1 + 2, top_y + ph + 2);
            pxRect(p.px1 + pw + 4, top_y - 1, p.px1 + pw + 5, top_y + ph + 2);
        }
        pxDrawPartialTransparentDIB(/*file=*/field->text, /*sx1=*/0, /*sy1=*/i * ph, /*sx2=*/pw,
                                    /*sy2=*/i * ph + ph, /*x1=*/p.px1 + 3, /*y1=*/top_y,
                                    /*x2=*/p.px1 + 2 + pw, /*y2=*/top_y + ph - 1, /*mode=*/201,
                                    /*flag=*/-1, /*r=*/255, /*g=*/255, /*b=*/255);
    });
    if (picked >= 0 && field->target) *field->target = picked;
    return r;
}

/* ------------------------------------------------------------------ field editing */

static int Float_Width(const SVA_Item *it)
{
    char buf[256];
    SVA_Float_Text(it, buf, sizeof buf);
    return SVA_Text_Width_In_Font(buf, it->font);
}

/* Width of a field for the hit test. */
static int Field_Width(const SVA_Item *it)
{
    switch (it->kind) {
    case SVA_FLOAT_FIELD: return Float_Width(it);
    case SVA_TEXT_FIELD: return it->y2 * (SVA_Text_Width_In_Font("X", it->font) + 1);
    case SVA_CHOICE: return it->aux + 18;
    default: return it->x2 + 20;
    }
}

/* Width of a field when it is scrolled into view. */
static int Field_Width_For_View(const SVA_Item *it)
{
    switch (it->kind) {
    case SVA_FLOAT_FIELD: {
        int w = Float_Width(it) + 2;
        return w + (w & 1);
    }
    case SVA_TEXT_FIELD: return it->y2 * (SVA_Text_Width_In_Font("X", it->font) + 1);
    case SVA_CHOICE: return it->aux + 18;
    default: return it->x2 + 20;
    }
}

/* A number field's value as the field shows it, without the blanks before it. */
static std::string Shown_Number(const SVA_Item *it)
{
    char buf[64];
    if (it->text && it->text[0]) SVA_Float_Text(it, buf, sizeof buf);
    else snprintf(buf, sizeof buf, "%g", *it->value);
    const char *p = buf;
    while (*p == ' ') p++;
    return p;
}

/* Tell that a number field did not take what was typed (typed, as typed), why, and that it holds
** its value still: every wrong entry is refused alike. */
static void Tell_Refused(const SVA_Item *it, const char *typed, const char *why)
{
    char text[MSG_TEXT_MAX];
    snprintf(text, sizeof text, "%s%s\"%s\" %s: das Feld enth\x84lt weiter %s",
             it->name ? it->name : "", it->name ? ": " : "", typed, why, Shown_Number(it).c_str());
    Msg_Hint_In_Mode(MSG_BOX, "%s", text);
}

/* Why a float field does not take the value v typed into it, or null when it takes it: no whole
** number in a count field, whose field shows no decimals and would round a fraction unseen, or a
** value outside its limits as the field shows them (into why, size bytes). */
static const char *Refusal_Of(const SVA_Item *it, double v, char *why, size_t size)
{
    if (it->whole && std::floor(v) != v) return "ist keine ganze Zahl";
    if (!it->limited) return nullptr;
    const bool over = Round_To_Decimals(v - it->upper, it->decimals) > 0;
    const bool under = !over && Round_To_Decimals(v - it->lower, it->decimals) < 0;
    if (!over && !under) return nullptr;
    snprintf(why, size,
             over ? "liegt \x81"
                    "ber dem gr\x94\xE1ten Wert %.*f"
                  : "liegt unter dem kleinsten Wert %.*f",
             it->decimals, over ? it->upper : it->lower);
    return why;
}

/* The text the in-place editor of a float field opens with for the value v, without the blanks
** before it. */
static std::string Opened_Text(const SVA_Item *it, double v)
{
    char format[32], text[64];
    SVA_Float_Format(it, v, format, sizeof format);
    snprintf(text, sizeof text, format, v);
    return text + strspn(text, " ");
}

/* The field whose in-place editor is open, null while none is. */
static SVA_Item *Open_Field = nullptr;

int SVA_Take_Open_Field(std::string *refused)
{
    refused->clear();
    SVA_Item *it = Open_Field;
    const char *typed = Short_Edit_Open_Text();
    if (it == nullptr || typed == nullptr) return 0;
    Open_Field = nullptr;
    if (it->kind == SVA_TEXT_FIELD) {
        /* cut to the caller's buffer, as the editor's end cuts it */
        const size_t len = (size_t)std::max(it->aux, 0);
        const size_t n = std::min(strlen(typed), len);
        memcpy(it->text, typed, n);
        it->text[n] = 0;
        return 1;
    }
    if (it->kind != SVA_FLOAT_FIELD || typed[0] == 0) return 0;
    /* what it showed, untouched, leaves its value as it is */
    if (it->held_width > 0 && typed == Opened_Text(it, *it->value)) return 0;
    double v = 0.0;
    char why[80];
    const char *refusal =
        !Short_Edit_Read_Float(typed, &v) ? "ist keine Zahl" : Refusal_Of(it, v, why, sizeof why);
    if (refusal) {
        char text[MSG_TEXT_MAX];
        snprintf(text, sizeof text, "%s%s\"%s\" %s; es gilt weiter %s", it->name ? it->name : "",
                 it->name ? ": " : "", typed, refusal, Shown_Number(it).c_str());
        *refused = text;
        return 0;
    }
    *it->value = v;
    if (it->change) it->change(0, it->value);
    return 1;
}

static int Edit_One(SVA_Item *it, View &v)
{
    int x = v.X1 + it->x1 - v.sx, y = v.Y1 + it->y1 - v.sy;
    int ex = x - 8, ey = y - 14;
    int r = 0;
    Open_Field = it;
    switch (it->kind) {
    case SVA_FLOAT_FIELD: {
        const double was = *it->value;
        char format[32];
        SVA_Float_Format(it, was, format, sizeof format);
        r = Short_Edit_Float(ex, ey, format, it->value);
        /* what is no number, a fraction in a count and a value out of the limits are refused
        ** alike: the field keeps its value and the hint shows what was typed */
        const std::string typed = Short_Edit_Float_Typed();
        /* a field stepped through without typing keeps its value, whatever decimals it shows */
        if (it->held_width > 0 && typed == Opened_Text(it, was)) *it->value = was;
        char why[80];
        const char *refusal = Short_Edit_Float_Refused()[0]
                                  ? "ist keine Zahl"
                                  : Refusal_Of(it, *it->value, why, sizeof why);
        if (refusal) {
            *it->value = was;
            Tell_Refused(it, typed.c_str(), refusal);
        }
        if (it->change) it->change(0, it->value);
        break;
    }
    case SVA_TEXT_FIELD: {
        /* the editor may take as many characters as it shows: room for both, the result is cut
    ** to the text length the caller's buffer was made for */
        int len = std::max(it->aux, 0), shown = std::max(it->y2, 0);
        std::string work(it->text, (size_t)std::min((int)strlen(it->text), len));
        /* the blanks that pad a field for its display are no part of the text being edited: the
    ** cursor's End stands after the last character, and the editor reports the text itself */
        while (!work.empty() && work.back() == ' ') work.pop_back();
        work.resize((size_t)std::max(len, shown) + 1, '\0');
        if (shown < len) Set_Short_Edit_Text_Scrollmode(len);
        r = Short_Edit_Text(ex, ey, work.data(), shown, 0);
        work[(size_t)len] = 0;
        memcpy(it->text, work.data(), strlen(work.data()) + 1);
        break;
    }
    case SVA_CHOICE:
        r = SVA_Text_List_Popup(it, x, y);
        if (it->change) it->change(it->target ? *it->target : 0, nullptr);
        break;
    case SVA_PICTURE_CHOICE:
        r = SVA_Picture_List_Popup(it, x, y, v.Y1, v.Y2);
        if (it->change) it->change(it->target ? *it->target : 0, nullptr);
        break;
    default: break;
    }
    Open_Field = nullptr;
    M_XPOS = x;
    M_YPOS = y - 8;
    return r;
}

/* Scroll so that a field is visible; store, apply and switch the sliders when changed. */
static void Field_Into_View(SVA_Item *it, View &v)
{
    Scrollable_View_Area *a = v.a;
    int fw = Field_Width_For_View(it);
    int nsx = it->x1 - v.sx < 9 ? it->x1 - 9 : v.sx;
    if (v.X1 + it->x1 - nsx + fw + 5 >= v.X2) nsx = v.X1 + it->x1 + 6 + fw - v.X2;
    int nsy = it->y1 - v.sy < 13 ? it->y1 - 13 : v.sy;
    if (!(v.Y1 + it->y1 - nsy + 4 < v.Y2)) nsy = it->y1 + v.Y1 + 5 - v.Y2;
    nsx = std::max(nsx, 0);
    nsy = std::max(nsy, 0);
    if (nsx == v.sx && nsy == v.sy) return;
    a->scroll_x = nsx;
    a->scroll_y = nsy;
    Set_Scrollable_Area_PS(a->handle, nsx, nsy);
    if (a->vslider) Change_Activity_PS(a->vslider, a->content_h > a->y2 - a->y1 ? 1 : -1);
    if (a->hslider) Change_Activity_PS(a->hslider, a->content_w > a->x2 - a->x1 ? 1 : -1);
    Inquire_Scrollable_Area_PS(a->handle, &v.sx, &v.sy);
}

/* A field that Enter or Tab moves on to: one that takes typed keys. A list is opened only by
** the mouse, so that keys typed on never land in a list that opened by itself. */
static bool Is_Typed_Field(const SVA_Item *it)
{
    return (it->kind == SVA_FLOAT_FIELD || it->kind == SVA_TEXT_FIELD) && Is_Active(it);
}

/* The variable a field edits: what identifies it when the area is built anew. */
static const void *Field_Variable(const SVA_Item *it)
{
    switch (it->kind) {
    case SVA_FLOAT_FIELD: return it->value;
    case SVA_TEXT_FIELD: return it->text;
    default: return it->target; /* a list: its index */
    }
}

/* After a field that the user left for the next one: the area's own check of the value (its
** hint, its limit and the results of the value held, built anew). Answer the field of the same
** variable in the area as it is now, or null when the field is gone. */
static SVA_Item *Field_Done(SVA_Item *it, View &v)
{
    Scrollable_View_Area *a = v.a;
    if (a->field_done == nullptr) return it;
    const int kind = it->kind;
    const void *var = Field_Variable(it);
    a->field_done((int)(a - SVA_Areas));
    Get_View(a, &v);
    for (SVA_Item *f = a->first; f; f = f->next)
        if (f->kind == kind && Field_Variable(f) == var) return f;
    return nullptr;
}

static int Edit_Fields(SVA_Item *it, View &v)
{
    /* Keys typed before the click were meant for something else and go; those typed after it
  ** (still queued behind the release) are the field's first characters. */
    Drop_Buffered_Keys();
    Wait_Release();
    for (;;) {
        int r = Edit_One(it, v);
        if (r == 0 || getkeymask() == 1) {
            Redraw_View(&v);
            return 1;
        }
        it = Field_Done(it, v);
        if (it == nullptr || getkeymask() == 1) return 1;
        SVA_Item *next = it->next;
        while (next && !Is_Typed_Field(next)) next = next->next;
        if (next == nullptr) {
            Redraw_View(&v);
            return 1;
        }
        Field_Into_View(next, v);
        Redraw_View(&v);
        it = next;
    }
}

/* ------------------------------------------------------------------ click and keys */

static int Short_Key(Scrollable_View_Area *a)
{
    if (!Any_Short_Key()) return 0;
    int k = hitkey();
    if (k == -1) return 0;
    int *target = nullptr, value = 0;
    if (k == KEY_ESC && UseSheetBreakShortKey) {
        target = a->esc_target;
        value = a->esc_value;
    } else if (k == KEY_ENTER && UseSheetOkShortKey) {
        target = a->enter_target;
        value = a->enter_value;
    } else if (k == KEY_F1 && UseSheetHelpShortKey) {
        target = a->f1_target;
        value = a->f1_value;
    } else {
        return 0;
    }
    if (target == nullptr) return 0;
    *target = value;
    getkey();
    return 1;
}

/* After a hit that changed a value: callback, redraw, wait for the release. */
static int Taken(SVA_Item *it, View &v, int value)
{
    if (it->change) it->change(value, nullptr);
    Redraw_View(&v);
    Wait_Release();
    return 1;
}

static int Press_Bitmap_Button(SVA_Item *it, View &v)
{
    int x1 = v.X1 + it->x1 - v.sx, y1 = v.Y1 + it->y1 - v.sy;
    int x2 = v.X1 + it->x2 - v.sx, y2 = v.Y1 + it->y2 - v.sy;
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    pxView(v.X1, v.Y1, v.X2, v.Y2);
    SVA_Draw_Bitmap_Button(it, 3, x1, y1, x2, y2);
    pxFlsh();
    Wait_Release();
    SVA_Draw_Bitmap_Button(it, 1, x1, y1, x2, y2);
    pxView(vx1, vy1, vx2, vy2);
    pxFlsh();
    if (it->target) *it->target = it->font;
    return 1;
}

/* The height of a row of the area: what the wheel and the page keys count in. */
static int Row_Height(const Scrollable_View_Area *a)
{
    return a->row_h > 0 ? a->row_h : SVA_WHEEL_LINE;
}

/* Scroll the area's content to content y sy, held within the content (the sheet's area shows
** y1..y2, both included). */
static void Scroll_To_Y(Scrollable_View_Area *a, long sy)
{
    int sx = 0, old = 0;
    Inquire_Scrollable_Area_PS(a->handle, &sx, &old);
    const long room = std::max(a->content_h - (a->y2 - a->y1 + 1), 0);
    const int nsy = (int)std::clamp(sy, 0L, room);
    if (nsy == old) return;
    Set_Scrollable_Area_PS(a->handle, sx, nsy);
    Inquire_Scrollable_Area_PS(a->handle, &a->scroll_x, &a->scroll_y);
}

/* The wheel over the area scrolls its content, three rows a step, within the content. Answer
** whether the wheel was turned. */
static bool Wheel_Scroll(Scrollable_View_Area *a)
{
    const int steps = M_SCROLL;
    if (steps == 0) return false;
    M_SCROLL = 0;
    int sy = 0;
    Inquire_Scrollable_Area_PS(a->handle, nullptr, &sy);
    Scroll_To_Y(a, sy - (long)steps * SVA_WHEEL_ROWS * Row_Height(a));
    return true;
}

int SVA_Scroll_Key(int area, int key)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr || a->handle == SVA_RESERVED) return 0;
    /* the rows wholly in view (the sheet's area is y1..y2 inclusive), at least one */
    const int row = Row_Height(a);
    const long page = (long)std::max((a->y2 - a->y1 + 1) / row, 1) * row;
    int sy = 0;
    Inquire_Scrollable_Area_PS(a->handle, nullptr, &sy);
    switch (key) {
    case KEY_PGUP: Scroll_To_Y(a, sy - page); break;
    case KEY_PGDN: Scroll_To_Y(a, sy + page); break;
    case KEY_CTRL_HOME: Scroll_To_Y(a, 0); break;
    case KEY_CTRL_END: Scroll_To_Y(a, a->content_h); break;
    default: return 0;
    }
    pxFlsh();
    return 1;
}

int SVA_Handle_Input(int area)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return 0;
    /* a wheel step that ended the sheet's pass moves the content at once: the mouse-over loop
    ** would wait for the next event first, and the last step of a turn would wait with it */
    if (!M_LEFT && getkeymask() != 1 && Wheel_Scroll(a)) return 0;
    if (!M_LEFT) SVA_Track_Mouse(area);
    if (getkeymask() == 1) return 0;
    if (!M_LEFT && Wheel_Scroll(a)) return 0;
    if (!M_LEFT) return Short_Key(a);
    View v;
    Get_View(a, &v);
    bool reset = false;
    for (SVA_Item *it = a->first; it; it = it->next) {
        int *var = (int *)it->aux3;
        if (it->kind == SVA_SELECTABLE && var && *var != 0) {
            *var = 0;
            reset = true;
        }
    }
    int mx = M_XPOS, my = M_YPOS;
    for (SVA_Item *it = a->first; it; it = it->next) {
        int x = v.X1 + it->x1 - v.sx, y = v.Y1 + it->y1 - v.sy;
        switch (it->kind) {
        case SVA_CHECK_BOX:
        case SVA_OPTION: {
            if (!Is_Active(it)) break;
            int w = it->text ? SVA_Text_Width_In_Font(it->text, it->font) : -9;
            if (mx < x - 20 || mx > x + w || my < y - 10 || my > y + 2) break;
            int value;
            if (it->kind == SVA_CHECK_BOX) {
                value = it->target && *it->target == 0 ? 1 : 0;
                if (it->target) *it->target = value;
            } else {
                value = it->aux;
                if (it->target) *it->target = value;
            }
            return Taken(it, v, value);
        }
        case SVA_SELECTABLE: {
            int w = SVA_Text_Width_In_Font(it->text, it->font);
            if (mx < x - 2 || mx > x + w + 2 || my < y - 9 || my > y + 2) break;
            if (int *var = (int *)it->aux3) *var = it->item_value;
            return Taken(it, v, it->item_value);
        }
        case SVA_HOTSPOT: {
            int x2 = v.X1 + it->x2 - v.sx, y2 = v.Y1 + it->y2 - v.sy;
            if (mx < x || mx > x2 || my < y || my > y2) break;
            if (int *var = (int *)it->aux3) *var = it->item_value;
            return Taken(it, v, it->item_value);
        }
        case SVA_BITMAP_BUTTON: {
            if (!Is_Active(it)) break;
            int x2 = v.X1 + it->x2 - v.sx, y2 = v.Y1 + it->y2 - v.sy;
            if (mx < x || mx > x2 || my < y || my > y2) break;
            Press_Bitmap_Button(it, v);
            return Taken(it, v, it->font);
        }
        case SVA_FLOAT_FIELD:
        case SVA_TEXT_FIELD:
        case SVA_CHOICE: {
            if (!Is_Active(it)) break;
            int fw = Field_Width(it);
            if (mx < x - 6 || mx > x + fw + 6 || my < y - 13 || my > y + 5) break;
            if (!(it->y1 - v.sy > 11) || !(y + 2 < v.Y2)) break;
            return Edit_Fields(it, v);
        }
        case SVA_PICTURE_CHOICE: {
            if (!Is_Active(it)) break;
            if (mx < x || mx > x + it->x2 + 20 || my < y || my > y + it->y2 + 5) break;
            return Edit_Fields(it, v);
        }
        case SVA_EDITOR: {
            int x2 = v.X1 + it->x2 - v.sx, y2 = v.Y1 + it->y2 - v.sy;
            if (mx < x || mx > x2 || my < y || my > y2) break;
            SVA_Editor_Run(it, x, y, x2, y2);
            return 0;
        }
        default: break;
        }
    }
    if (reset) {
        Redraw_View(&v);
        Wait_Release();
        return 1;
    }
    Wait_Release();
    return 0;
}

int SVA_Focus_Editor(int area)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr || getkeymask() == 1) return 0;
    View v;
    Get_View(a, &v);
    for (SVA_Item *it = a->first; it; it = it->next) {
        if (it->kind != SVA_EDITOR) continue;
        int x = v.X1 + it->x1 - v.sx, y = v.Y1 + it->y1 - v.sy;
        SVA_Editor_Run_Focused(it, x, y, v.X1 + it->x2 - v.sx, v.Y1 + it->y2 - v.sy);
        return 1;
    }
    return 0;
}
