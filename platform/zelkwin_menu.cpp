/*
** The two-level pop-up menu of the GUI stand-in: a box of entries, each with an optional key
** text and sub-menu; the sub-menu opens beside its entry. Chosen entries call their function.
*/
#include <algorithm>
#include <string>
#include <vector>

#include "platform/zelkwin_internal.h"

namespace zw {

static const int Menu_Row = 18; /* pixels per entry */
static const int Menu_Char = 7; /* pixels per character of a level's longest text */

/* One open level: its box, the screen below it and the highlighted entry. */
struct Menu_Box {
    const Menue_Level *level = nullptr;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int hi = -1;
    Saved_Rect under{0, 0, -1, -1, {}};
};

static int Item_Count(const Menue_Level *m) { return m && m->items ? std::max(m->count, 0) : 0; }

static bool Opens(const Menue_Item &it) { return it.active && it.sub && Item_Count(it.sub) > 0; }

static void Open_Box(Menu_Box &b, const Menue_Level *level, int x, int y, int left_limit)
{
    b = Menu_Box{};
    b.level = level;
    int n = Item_Count(level), w = std::max(40, level->longest * Menu_Char + 24);
    for (int i = 0; i < n; i++) {
        const Menue_Item &it = level->items[i];
        int key = it.key && *it.key ? Text_Width(it.key, 0x1000) + 16 : 0;
        w = std::max(w, Text_Width(it.text ? it.text : "", 0x1000) + key + 24 + (it.sub ? 14 : 0));
    }
    int h = n * Menu_Row + 6;
    if (x + w >= NPIXEL_X) x = left_limit >= 0 ? left_limit - w + 2 : NPIXEL_X - w - 1;
    if (y + h >= NPIXEL_Y) y = NPIXEL_Y - h - 1;
    b.x1 = std::max(x, 0);
    b.y1 = std::max(y, 0);
    b.x2 = b.x1 + w - 1;
    b.y2 = b.y1 + h - 1;
    b.under =
        Saved_Rect{b.x1, b.y1, std::min(NPIXEL_X - 1, b.x2), std::min(NPIXEL_Y - 1, b.y2), {}};
    b.under.pixels.resize((size_t)(b.under.x2 - b.under.x1 + 1)
                          * (size_t)(b.under.y2 - b.under.y1 + 1));
    pxSvRc(b.under.x1, b.under.y1, b.under.x2, b.under.y2, b.under.pixels.data());
    std::string names;
    for (int i = 0; i < n; i++) names += (i ? " | " : "") + To_Utf8(level->items[i].text, -1);
    Log_Line("MENU " + names);
}

static void Close_Box(Menu_Box &b)
{
    if (!b.level) return;
    if (!b.under.pixels.empty())
        pxStRc(b.under.x1, b.under.y1, b.under.x2, b.under.y2, b.under.pixels.data());
    b.level = nullptr;
    Present();
}

static void Draw_Box(const Menu_Box &b)
{
    if (!b.level) return;
    int ov[4];
    pxQVwp(&ov[0], &ov[1], &ov[2], &ov[3]);
    Set_Clip_Full();
    Fill_Rect_Rgb(b.x1, b.y1, b.x2, b.y2, 0xFFFFFF);
    Bevel(b.x1, b.y1, b.x2, b.y2, true);
    for (int i = 0; i < Item_Count(b.level); i++) {
        const Menue_Item &it = b.level->items[i];
        int ry = b.y1 + 3 + i * Menu_Row;
        uint32_t ink = it.active ? 0 : 0xA0A0A0;
        if (i == b.hi && it.active)
            Fill_Rect_Rgb(b.x1 + 3, ry, b.x2 - 3, ry + Menu_Row - 1, 0x99B4D1);
        Text_Rgb(b.x1 + 12, ry + 13, it.text ? it.text : "", ink, 0x1000);
        int right = b.x2 - 8;
        if (it.sub) { /* a small arrow head pointing to the sub-menu */
            for (int k = 0; k < 4; k++)
                Fill_Rect_Rgb(right - 4 + k, ry + 5 + k, right - 4 + k, ry + 12 - k, ink);
            right -= 14;
        }
        if (it.key && *it.key)
            Text_Rgb(right - Text_Width(it.key, 0x1000), ry + 13, it.key, ink, 0x1000);
    }
    pxView(ov[0], ov[1], ov[2], ov[3]);
    Present();
}

/* The entry of box b under the mouse, -1 when none. */
static int Row_At(const Menu_Box &b, int x, int y)
{
    if (!b.level || x < b.x1 || x > b.x2 || y < b.y1 + 3
        || y >= b.y1 + 3 + Item_Count(b.level) * Menu_Row)
        return -1;
    return (y - b.y1 - 3) / Menu_Row;
}

/* The next active entry from hi in direction d (wrapping), hi when none is active. */
static int Step(const Menu_Box &b, int d)
{
    int n = Item_Count(b.level), hi = b.hi;
    for (int k = 0; k < n; k++) {
        hi = hi < 0 ? (d > 0 ? 0 : n - 1) : (hi + d + n) % n;
        if (b.level->items[hi].active) return hi;
    }
    return b.hi;
}

} // namespace zw

using namespace zw;

int Menue_Manager(int x, int y, const Menue_Level *menu)
{
    Ensure_Init();
    if (Item_Count(menu) == 0) return 0;
    Menu_Box top, sub;
    Open_Box(top, menu, x, y, -1);
    Draw_Box(top);
    int parent = -1; /* the top entry whose sub-menu is open */
    auto open_sub = [&](int i) {
        if (parent == i) return;
        Close_Box(sub);
        Draw_Box(top);
        parent = -1;
        if (i < 0 || !Opens(menu->items[i])) return;
        parent = i;
        Open_Box(sub, menu->items[i].sub, top.x2 - 2, top.y1 + i * Menu_Row, top.x1);
        Draw_Box(sub);
    };
    const Menue_Item *chosen = nullptr;
    std::string path = "-1";
    for (bool done = false; !done;) {
        Event ev;
        Next_Event(&ev, true, -1);
        bool in_sub = parent >= 0 && sub.level;
        int srow = in_sub ? Row_At(sub, M_XPOS, M_YPOS) : -1, trow = Row_At(top, M_XPOS, M_YPOS);
        switch (ev.type) {
        case EV_CLOSE: done = true; break;
        case EV_MOVE:
            if (srow >= 0) {
                if (srow != sub.hi) {
                    sub.hi = srow;
                    Draw_Box(sub);
                }
            } else if (trow >= 0 && trow != top.hi) {
                top.hi = trow;
                Draw_Box(top);
                open_sub(trow);
            }
            break;
        case EV_DOWN:
            if (srow >= 0) {
                if (!sub.level->items[srow].active) break;
                chosen = &sub.level->items[srow];
                path = std::to_string(parent) + " " + std::to_string(srow);
                done = true;
            } else if (trow >= 0) {
                const Menue_Item &it = menu->items[trow];
                if (!it.active) break;
                if (it.sub) {
                    top.hi = trow;
                    open_sub(trow);
                    break;
                }
                chosen = &it;
                path = std::to_string(trow);
                done = true;
            } else {
                done = true; /* a click outside leaves the menu */
            }
            break;
        case EV_KEY: {
            Menu_Box &f = in_sub ? sub : top;
            if (ev.key == KEY_DOWN || ev.key == KEY_UP) {
                f.hi = Step(f, ev.key == KEY_DOWN ? 1 : -1);
                Draw_Box(f);
            } else if (ev.key == KEY_RIGHT && !in_sub && top.hi >= 0
                       && Opens(menu->items[top.hi])) {
                open_sub(top.hi);
                sub.hi = Step(sub, 1);
                Draw_Box(sub);
            } else if ((ev.key == KEY_LEFT || ev.key == 27) && in_sub) {
                open_sub(-1);
            } else if (ev.key == 13 && f.hi >= 0 && f.level->items[f.hi].active) {
                const Menue_Item &it = f.level->items[f.hi];
                if (!in_sub && it.sub) {
                    open_sub(f.hi);
                    sub.hi = Step(sub, 1);
                    Draw_Box(sub);
                    break;
                }
                chosen = &it;
                path = in_sub ? std::to_string(parent) + " " + std::to_string(f.hi)
                              : std::to_string(f.hi);
                done = true;
            } else if (ev.key != 13) {
                done = true; /* Esc on the top level and every other key */
            }
            break;
        }
        default: break;
        }
    }
    /* the release of the choosing click belongs to the menu */
    State &s = St();
    if (!s.queue.empty() && s.queue.front().type == EV_UP) {
        Event up = s.queue.front();
        s.queue.pop_front();
        Apply_Mouse(up);
    }
    Close_Box(sub);
    Close_Box(top);
    Log_Line("MENU CHOICE " + path);
    if (chosen == nullptr) return 0;
    if (chosen->fct) chosen->fct();
    return 1;
}
