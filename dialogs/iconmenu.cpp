/*
** Icon menu: drawing of the buttons from the strip (transparent RGB 192, 192, 192), the run loop
** with hover, pressed look, tooltip and sub-menus, and the main sheet's bar.
*/
#include "dialogs/iconmenu.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "dialogs/progress.h"
#include "dialogs/sva.h"
#include "foundation/foundation.h"
#include "platform/zelkwin.h"

#define MAIN_ENTRY(xoff, sx, code, tip)                                          \
    {                                                                            \
        39, 37, sx, 51, sx, 89, sx, 127, sx, 165, xoff, 6, 1, code, tip, nullptr \
    }

static Icon_Menu_Entry Main_Entries[8] = {
    MAIN_ENTRY(0, 302, 1, "nationaler Anhang zum EC"),
    MAIN_ENTRY(43, 259, 2, "Druckeinstellung"),
    MAIN_ENTRY(86, 216, 3, "Vorschau"),
    MAIN_ENTRY(129, 1, 4, "drucken"),
    MAIN_ENTRY(172, 44, 5, "Pläne"_cp850),
    MAIN_ENTRY(215, 87, 6, "sichern"),
    MAIN_ENTRY(258, 130, 7, "Hilfe"),
    MAIN_ENTRY(301, 173, 8, "Ende"),
};
#undef MAIN_ENTRY

Icon_Menu Main_Icon_Menu = {8, 300, 3, 525, 42, "Buttons.bmp", Main_Entries};

static int Bg_Fill = 1;

static int Tip_Shown = 0, Tip_L, Tip_T, Tip_R, Tip_B;
static int Sub_Shown = 0, Sub_L, Sub_T, Sub_R, Sub_B;

void Icon_Menu_Set_Bg_Fill(int flag) { Bg_Fill = flag; }

void Icon_Menu_Draw_Button(const Icon_Menu *m, const Icon_Menu_Entry *e, int look)
{
    Wait_Anim_Lock();
    int left = m->x + e->x, top = m->y + e->y;
    int sx = e->normal_x, sy = e->normal_y;
    if (look == ICON_HOVER) {
        sx = e->hover_x;
        sy = e->hover_y;
    } else if (look == ICON_DISABLED) {
        sx = e->disabled_x;
        sy = e->disabled_y;
    } else if (look == ICON_PRESSED) {
        sx = e->pressed_x;
        sy = e->pressed_y;
    }
    if (Bg_Fill) {
        pxFgc(GetVELColor(-1));
        pxRect(left, top, left + e->width - 1, top + e->height - 1);
    }
    pxDrawPartialTransparentDIB(/*file=*/m->bitmap, /*sx1=*/sx, /*sy1=*/sy,
                                /*sx2=*/sx + e->width - 1, /*sy2=*/sy + e->height - 1, /*x1=*/left,
                                /*y1=*/top, /*x2=*/left + e->width - 1, /*y2=*/top + e->height - 1,
                                /*mode=*/201, /*flag=*/-1, /*r=*/192, /*g=*/192, /*b=*/192);
    pxFlsh();
    Wait_Anim_Unlock();
}

void Icon_Menu_Draw(const Icon_Menu *m)
{
    if (m == nullptr || m->count < 1 || m->entries == nullptr) return;
    for (int i = 0; i < m->count; i++) {
        const Icon_Menu_Entry *e = &m->entries[i];
        Icon_Menu_Draw_Button(m, e, e->active > 0 ? ICON_NORMAL : ICON_DISABLED);
    }
}

/* ------------------------------------------------------------------ tooltip */

static void Remove_Tooltip(void)
{
    if (!Tip_Shown) return;
    Restore_Screen_Rectangle(Tip_L, Tip_T, Tip_R, Tip_B);
    pxFlsh();
    Tip_Shown = 0;
}

static void Show_Tooltip(const char *text)
{
    if (text == nullptr || Tip_Shown) return;
    int fg = pxQFgc();
    Pop_RFont(4096);
    std::vector<std::string> lines;
    int width = SVA_Tooltip_Lines(text, &lines);
    int left = M_XPOS, top = M_YPOS + 20;
    int right = left + width + 10, bottom = top + (int)lines.size() * RFONT_HEIGHT + 5;
    if (right >= NPIXEL_X - 4) {
        right = NPIXEL_X - 5;
        left = right - (width + 10);
    }
    if (bottom >= NPIXEL_Y - 4) {
        bottom = NPIXEL_Y - 5;
        top = bottom - ((int)lines.size() * RFONT_HEIGHT + 5);
    }
    Save_Screen_Rectangle(left, top, right, bottom);
    Tip_L = left;
    Tip_T = top;
    Tip_R = right;
    Tip_B = bottom;
    Tip_Shown = 1;
    pxFgc(Nearest_RGB_Color(255, 255, 255));
    pxRect(left, top, right, bottom);
    pxFgc(BLACK_CI);
    pxLine(left, top, right, top);
    pxLine(right, top, right, bottom);
    pxLine(right, bottom, left, bottom);
    pxLine(left, bottom, left, top);
    for (size_t i = 0; i < lines.size(); i++)
        pxText(left + 5, top + (int)(i + 1) * RFONT_HEIGHT, lines[i].c_str(), -1);
    pxFlsh();
    pxFgc(fg);
    Push_RFont();
}

/* ------------------------------------------------------------------ sub-menu */

static void Close_Sub(void)
{
    if (!Sub_Shown) return;
    Restore_Screen_Rectangle(Sub_L, Sub_T, Sub_R, Sub_B);
    pxFlsh();
    Sub_Shown = 0;
}

static void Open_Sub(const Icon_Menu *sub)
{
    Sub_L = sub->x - 7;
    Sub_T = sub->y - 2;
    Sub_R = sub->right + 7;
    Sub_B = sub->bottom + 2;
    Save_Screen_Rectangle(Sub_L, Sub_T, Sub_R, Sub_B);
    Sub_Shown = 1;
    int h = Sub_B - Sub_T;
    int grey = Nearest_RGB_Color(158, 158, 158);
    for (int step = 1; step <= 4; step++) {
        int b = Sub_T + h * step / 4;
        pxFgc(GetVELColor(-1));
        pxRect(Sub_L, Sub_T, Sub_R, b);
        pxFgc(GetVELColor(-15));
        pxLine(Sub_L, b, Sub_R, b);
        pxLine(Sub_R, Sub_T, Sub_R, b);
        pxFgc(GetVELColor(-3));
        pxLine(Sub_L + 1, b - 1, Sub_R - 1, b - 1);
        pxLine(Sub_R - 1, Sub_T + 1, Sub_R - 1, b - 1);
        pxFgc(GetVELColor(-2));
        pxLine(Sub_L, Sub_T, Sub_L, b);
        pxFgc(grey);
        pxLine(Sub_L, Sub_T + 1, Sub_R, Sub_T + 1);
        pxLine(Sub_L, Sub_T + 2, Sub_R, Sub_T + 2);
        pxFlsh();
        Wait_Seconds(0.05);
    }
    Icon_Menu_Draw(sub);
    Set_Timeout(1.0);
}

/* ------------------------------------------------------------------ run */

static void Wait_Release(void)
{
    while (M_LEFT && !getkeymask()) Get_Mouse_Event();
}

static bool Outside_Bar(const Icon_Menu *m)
{
    return M_XPOS < m->x || M_XPOS > m->right || M_YPOS > m->bottom || M_YPOS < m->y;
}

static bool Strictly_Inside(const Icon_Menu *m, const Icon_Menu_Entry *e)
{
    int l = m->x + e->x, t = m->y + e->y;
    return M_XPOS > l && M_XPOS < l + e->width - 1 && M_YPOS > t && M_YPOS < t + e->height - 1;
}

static bool On_Entry(const Icon_Menu *m, const Icon_Menu_Entry *e)
{
    int l = m->x + e->x, t = m->y + e->y;
    return M_XPOS >= l && M_XPOS <= l + e->width - 1 && M_YPOS >= t && M_YPOS <= t + e->height - 1;
}

static bool In_Sub_Bar(const Icon_Menu *s)
{
    return M_XPOS > s->x && M_XPOS < s->right && M_YPOS > s->y && M_YPOS < s->bottom;
}

/* The next move, left button, key or time-out; -1 ends the run: a close, or a key, which the
** caller of the run handles (Esc ends the program wherever the mouse is). */
static int Next_Message(VEL_MESSAGE *msg)
{
    int cls = GetVELMessage(msg, 0x40000022 | VELMSG_KEY);
    return (cls & VELMSG_CLOSE) || getkeymask() == 1 || hitkey() != -1 ? -1 : cls;
}

/* The entry is chosen: pressed look until the release, then the normal look. */
static int Choose(Icon_Menu *m, Icon_Menu_Entry *e)
{
    Remove_Tooltip();
    Icon_Menu_Draw_Button(m, e, ICON_PRESSED);
    Wait_Release();
    Icon_Menu_Draw_Button(m, e, ICON_NORMAL);
    return e->code;
}

/* Hover loop of one entry: > 0 a chosen code, 0 end of the run, -1 back to the bar loop. */
static int Hover(Icon_Menu *m, Icon_Menu_Entry *e, VEL_MESSAGE *msg)
{
    Icon_Menu_Draw_Button(m, e, ICON_HOVER);
    int prev_x = M_XPOS, prev_y = M_YPOS;
    bool tip_done = false, pinned = false;
    Icon_Menu *sub = e->sub_menu;
    /* The press that found the entry is its click: a press on a button the mouse already rests
  ** on arrives without a move before it. */
    if (sub == nullptr && M_LEFT && On_Entry(m, e)) return Choose(m, e);
    if (sub) Open_Sub(sub);
    for (;;) {
        if (sub && Sub_Shown && In_Sub_Bar(sub)) {
            int r = Icon_Menu_Run(sub);
            if (r != 0) {
                Close_Sub();
                return r;
            }
            if (getkeymask() == 1) return 0;
        }
        if (Next_Message(msg) < 0) return 0;
        if (sub && Sub_Shown) {
            bool on = On_Entry(m, e);
            bool column = M_XPOS >= sub->x - 7 && M_XPOS <= sub->right + 7 && M_YPOS > m->y + e->y;
            if (!pinned) {
                if (!on && (M_YPOS < prev_y || !column || Timeout_Reached())) {
                    Close_Sub();
                    Icon_Menu_Draw_Button(m, e, ICON_NORMAL);
                    return 0;
                }
                if (M_LEFT && (on || column)) {
                    Wait_Release();
                    pinned = true;
                }
            } else if (M_LEFT && !on && !In_Sub_Bar(sub)) {
                Wait_Release();
                Close_Sub();
                Icon_Menu_Draw_Button(m, e, ICON_NORMAL);
                return 0;
            }
            prev_x = M_XPOS;
            prev_y = M_YPOS;
            continue;
        }
        if (!On_Entry(m, e)) {
            Remove_Tooltip();
            Icon_Menu_Draw_Button(m, e, ICON_NORMAL);
            if (M_LEFT) {
                Wait_Release();
                return 0;
            }
            return -1;
        }
        if (!tip_done && M_XPOS == prev_x && M_YPOS == prev_y) {
            tip_done = true;
            Show_Tooltip(e->tooltip);
        }
        prev_x = M_XPOS;
        prev_y = M_YPOS;
        if (M_LEFT) return Choose(m, e);
    }
}

int Icon_Menu_Run(Icon_Menu *m)
{
    if (m == nullptr || m->count < 1 || m->entries == nullptr) return 0;
    int old_timer = VELSetTimer(1);
    VEL_MESSAGE msg;
    InitVELMessage(&msg);
    msg.w[6] = 100;
    int result = 0;
    /* The first pass looks at the mouse as the run found it (a press that entered the bar is
  ** not lost); later passes wait for the next message first. */
    for (bool first = true;; first = false) {
        if (Outside_Bar(m)) {
            Wait_Release();
            break;
        }
        if (!first && Next_Message(&msg) < 0) break;
        Icon_Menu_Entry *found = nullptr;
        for (int i = 0; i < m->count; i++) {
            Icon_Menu_Entry *e = &m->entries[i];
            if (e->active > 0 && Strictly_Inside(m, e)) {
                found = e;
                break;
            }
        }
        if (found) {
            int r = Hover(m, found, &msg);
            if (r >= 0) {
                result = r;
                break;
            }
            continue;
        }
        if (M_LEFT) {
            Wait_Release();
            break;
        }
    }
    Remove_Tooltip();
    Close_Sub();
    VELSetTimer(old_timer);
    return result;
}
