/*
** Look of the property-sheet controls of the GUI stand-in: button faces and symbols, check and
** option boxes, edit fields, registers, string lists, scrollable areas with their sliders.
*/
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "platform/zelkwin_sheet.h"

namespace zw {

static const uint32_t Face = 0xD4D0C8, Field = 0xFFFFFF, Ink = 0x000000, Grey = 0xA0A0A0;

void Draw_Button_Face(int x1, int y1, int x2, int y2, bool pressed, bool active)
{
    (void)active;
    Fill_Rect_Rgb(x1, y1, x2, y2, Face);
    Bevel(x1, y1, x2, y2, !pressed);
}

static void Line_Rgb2(int x1, int y1, int x2, int y2, uint32_t rgb, int width)
{
    int old = pxQFgc();
    pxFgc(Nearest_RGB_Color((rgb >> 16) & 255, (rgb >> 8) & 255, rgb & 255));
    if (width > 1) pxTkLn(x1, y1, x2, y2, width);
    else pxLine(x1, y1, x2, y2);
    pxFgc(old);
}

/* A text centred in the box; line feeds split it into lines stacked around the middle. */
static void Centred_Text(int x1, int y1, int x2, int y2, const char *text, uint32_t rgb, int font)
{
    std::vector<std::string> lines;
    std::string t = text ? text : "";
    size_t p = 0;
    while (p <= t.size()) {
        size_t q = t.find('\n', p);
        if (q == std::string::npos) q = t.size();
        lines.push_back(t.substr(p, q - p));
        p = q + 1;
    }
    Pop_RFont(font);
    int h = RFONT_HEIGHT;
    Push_RFont();
    int n = (int)lines.size();
    int first = (y1 + y2 + 1) / 2 + h / 2 - 3 - (n - 1) * h / 2;
    for (int i = 0; i < n; i++) {
        int w = Text_Width(lines[(size_t)i].c_str(), font);
        Text_Rgb((x1 + x2 + 1 - w) / 2, first + i * h, lines[(size_t)i].c_str(), rgb, font);
    }
}

/* The symbol of a raster on a button face. */
static void Draw_Symbol(int raster, int x1, int y1, int x2, int y2, bool active, int off)
{
    int cx = (x1 + x2) / 2 + off, cy = (y1 + y2) / 2 + off;
    uint32_t green = active ? 0x108010 : Grey, red = active ? 0xC01010 : Grey;
    switch (raster) {
    case SYMBOLIC_OK_RASTER:
        Line_Rgb2(cx - 6, cy, cx - 2, cy + 4, green, 3);
        Line_Rgb2(cx - 2, cy + 4, cx + 6, cy - 5, green, 3);
        break;
    case SYMBOLIC_BREAK_RASTER:
        Line_Rgb2(cx - 5, cy - 5, cx + 5, cy + 5, red, 3);
        Line_Rgb2(cx - 5, cy + 5, cx + 5, cy - 5, red, 3);
        break;
    case SYMBOLIC_YES_RASTER:
        Centred_Text(x1 + off, y1 + off, x2 + off, y2 + off, "Ja", active ? Ink : Grey, 0x11000);
        break;
    case SYMBOLIC_NO_RASTER:
        Centred_Text(x1 + off, y1 + off, x2 + off, y2 + off, "Nein", active ? Ink : Grey, 0x11000);
        break;
    case SYMBOLIC_MORE_RASTER:
        Centred_Text(x1 + off, y1 + off, x2 + off, y2 + off, "...", active ? Ink : Grey, 0x11000);
        break;
    case SYMBOLIC_HELP_RASTER:
        Centred_Text(x1 + off, y1 + off, x2 + off, y2 + off, "?", active ? 0x004090 : Grey,
                     0x11000);
        break;
    default: break;
    }
}

static void Check_Box(int x1, int y1, bool on, bool active)
{
    Fill_Rect_Rgb(x1, y1, x1 + 12, y1 + 12, active ? Field : Face);
    Bevel(x1, y1, x1 + 12, y1 + 12, false);
    if (on) {
        uint32_t c = active ? Ink : Grey;
        Line_Rgb2(x1 + 3, y1 + 6, x1 + 5, y1 + 9, c, 1);
        Line_Rgb2(x1 + 3, y1 + 5, x1 + 5, y1 + 8, c, 1);
        Line_Rgb2(x1 + 5, y1 + 9, x1 + 9, y1 + 3, c, 1);
        Line_Rgb2(x1 + 5, y1 + 8, x1 + 9, y1 + 2, c, 1);
    }
}

static void Option_Box(int x1, int y1, bool on, bool active)
{
    int xs[8], ys[8];
    static const int ox[8] = {4, 8, 12, 12, 8, 4, 0, 0}, oy[8] = {0, 0, 4, 8, 12, 12, 8, 4};
    for (int i = 0; i < 8; i++) {
        xs[i] = x1 + ox[i];
        ys[i] = y1 + oy[i];
    }
    int old = pxQFgc();
    pxFgc(active ? WHITE_CI : BUTTON_CI);
    pxFill(8, xs, ys);
    pxFgc(SHADOW_CI);
    for (int i = 0; i < 8; i++) pxLine(xs[i], ys[i], xs[(i + 1) % 8], ys[(i + 1) % 8]);
    if (on) {
        pxFgc(active ? BLACK_CI : DISABLED_CI);
        pxRect(x1 + 4, y1 + 4, x1 + 8, y1 + 8);
    }
    pxFgc(old);
}

/* An edit field: white and black when active; inactive grey (0), black on the face (-1: a value
** that may not be edited) or black on the background colour (-2 and below: a computed value). */
static void Field_Box(Control &c, const char *text)
{
    bool active = c.state > 0;
    uint32_t fill = active ? Field : c.state <= -2 ? Colour_Rgb(BACKGROUND_CI) : Face;
    Fill_Rect_Rgb(c.x1, c.y1, c.x2, c.y2, fill);
    Bevel(c.x1, c.y1, c.x2, c.y2, false);
    int old[4];
    pxQVwp(&old[0], &old[1], &old[2], &old[3]);
    pxView(c.x1 + 2, c.y1 + 2, c.x2 - 2, c.y2 - 2);
    Text_Rgb(c.x1 + 4, c.y2 - 5, text, active || c.state < 0 ? Ink : Grey, 0x1000);
    pxView(old[0], old[1], old[2], old[3]);
}

static void Slider(Sheet &sh, Control &s)
{
    Sheet *owner = nullptr;
    Control *a = Find_Control(s.parent, &owner);
    if (!a) return;
    bool vertical = s.kind == CK_VSLIDER;
    Fill_Rect_Rgb(s.x1, s.y1, s.x2, s.y2, 0xECE9D8);
    Bevel(s.x1, s.y1, s.x2, s.y2, false);
    int view = vertical ? a->y2 - a->y1 + 1 : a->x2 - a->x1 + 1;
    int content = vertical ? a->content_h : a->content_w;
    int pos = vertical ? a->sy : a->sx;
    int len = vertical ? s.y2 - s.y1 - 3 : s.x2 - s.x1 - 3;
    if (content <= view || s.state <= 0 || len < 6) return;
    int thumb = std::max(12, (int)((long)len * view / content));
    if (thumb > len) thumb = len;
    int at = (int)((long)(len - thumb) * pos / (content - view));
    if (vertical) {
        Fill_Rect_Rgb(s.x1 + 2, s.y1 + 2 + at, s.x2 - 2, s.y1 + 1 + at + thumb, Face);
        Bevel(s.x1 + 2, s.y1 + 2 + at, s.x2 - 2, s.y1 + 1 + at + thumb, true);
    } else {
        Fill_Rect_Rgb(s.x1 + 2 + at, s.y1 + 2, s.x1 + 1 + at + thumb, s.y2 - 2, Face);
        Bevel(s.x1 + 2 + at, s.y1 + 2, s.x1 + 1 + at + thumb, s.y2 - 2, true);
    }
    (void)sh;
}

void Draw_Area(Control &c)
{
    State &s = St();
    if (c.frame) Bevel(c.x1 - 2, c.y1 - 2, c.x2 + 2, c.y2 + 2, false);
    if (c.state <= 0 || !c.draw) return;
    int ov[4];
    pxQVwp(&ov[0], &ov[1], &ov[2], &ov[3]);
    int ofg = s.fg, oop = s.op;
    pxView(c.x1, c.y1, c.x2, c.y2);
    c.draw(c.handle, c.sx, c.sy, c.x1, c.y1, c.x2, c.y2, c.user);
    pxView(ov[0], ov[1], ov[2], ov[3]);
    s.fg = ofg;
    s.op = oop;
}

void Draw_Control(Sheet &sh, Control &c)
{
    bool active = c.state > 0;
    char text[128];
    switch (c.kind) {
    case CK_BUTTON:
        Draw_Button_Face(c.x1, c.y1, c.x2, c.y2, c.pressed, active);
        if (c.colored) {
            Frame_Rect(c.x1 + 2, c.y1 + 2, c.x2 - 2, c.y2 - 2, TITLE_CI);
            Frame_Rect(c.x1 + 3, c.y1 + 3, c.x2 - 3, c.y2 - 3, SELECT_CI);
        }
        if (c.raster > 0 && c.raster < 0x10000)
            Draw_Symbol(c.raster, c.x1, c.y1, c.x2, c.y2, active, c.pressed ? 1 : 0);
        else Centred_Text(c.x1, c.y1, c.x2, c.y2, c.text.c_str(), active ? Ink : Grey, 0x1000);
        break;
    case CK_HELP:
        Draw_Button_Face(c.x1, c.y1, c.x2, c.y2, c.pressed, active);
        Draw_Symbol(SYMBOLIC_HELP_RASTER, c.x1, c.y1, c.x2, c.y2, active, 0);
        break;
    case CK_LOGICAL: {
        bool on = c.ivar && *c.ivar;
        if (c.raster == 0 && c.raster_off == 0) {
            Check_Box(c.x1, c.y1, on, active);
        } else {
            Draw_Button_Face(c.x1, c.y1, c.x2, c.y2, c.pressed, active);
            Draw_Symbol(on ? c.raster : c.raster_off, c.x1, c.y1, c.x2, c.y2, active, 0);
        }
        break;
    }
    case CK_OPTION: Option_Box(c.x1, c.y1, c.ivar && *c.ivar == c.value, active); break;
    case CK_BITMAP: {
        int w = c.x2 - c.x1 + 1, h = c.y2 - c.y1 + 1;
        int col = !active ? 2 : c.pressed ? 1 : 0;
        pxDrawPartialTransparentDIB(
            /*file=*/c.file.c_str(), /*sx1=*/c.sx + col * w, /*sy1=*/c.sy,
            /*sx2=*/c.sx + col * w + w - 1, /*sy2=*/c.sy + h - 1, /*x1=*/c.x1, /*y1=*/c.y1,
            /*x2=*/c.x2, /*y2=*/c.y2, /*mode=*/201, /*flag=*/-1,
            /*r=*/c.tr >= 0 ? (c.tr >> 16) & 255 : -1, /*g=*/(c.tr >> 8) & 255, /*b=*/c.tr & 255);
        break;
    }
    case CK_TEXT: {
        Control *b = Find_Control(c.parent);
        bool act = active && (!b || b->state > 0);
        Text_Rgb(c.x1, c.y2 - 3, c.text.c_str(), act ? Ink : Grey, 0x1000);
        break;
    }
    case CK_FLOAT:
        snprintf(text, sizeof text, c.format.empty() ? "%g" : c.format.c_str(),
                 c.dvar ? *c.dvar : 0.0);
        Field_Box(c, text);
        if (c.step != 0) {
            int x = c.x2 + 2;
            Draw_Button_Face(x, c.y1, x + 11, (c.y1 + c.y2) / 2, false, active);
            Draw_Button_Face(x, (c.y1 + c.y2) / 2 + 1, x + 11, c.y2, false, active);
            Text_Rgb(x + 2, (c.y1 + c.y2) / 2 - 1, "+", active ? Ink : Grey, 2 | 0x1000);
            Text_Rgb(x + 3, c.y2 - 1, "-", active ? Ink : Grey, 2 | 0x1000);
        }
        break;
    case CK_EDIT: Field_Box(c, c.buf ? c.buf : ""); break;
    case CK_REGISTER:
        for (size_t i = 0; i < c.members.size(); i++) {
            Member &m = c.members[i];
            if (m.x2 < m.x1) continue;
            bool sel = (int)i == c.selected;
            if (!m.label.empty()) {
                Fill_Rect_Rgb(m.x1, m.y1 + (sel ? 0 : 2), m.x2, m.y2, sel ? 0xF4F2E8 : Face);
                Bevel(m.x1, m.y1 + (sel ? 0 : 2), m.x2, m.y2 + 2, true);
                Centred_Text(m.x1, m.y1, m.x2, m.y2, m.label.c_str(), active ? Ink : Grey,
                             sel ? 0x11000 : 0x1000);
            }
            if (sel) Fill_Rect_Rgb(m.x1 + 2, m.y2 - 1, m.x2 - 2, m.y2, 0x005493);
        }
        break;
    case CK_LIST: {
        Fill_Rect_Rgb(c.x1, c.y1, c.x2, c.y2, active ? Field : Face);
        Bevel(c.x1, c.y1, c.x2, c.y2, false);
        int ov[4];
        pxQVwp(&ov[0], &ov[1], &ov[2], &ov[3]);
        pxView(c.x1 + 2, c.y1 + 2, c.x2 - 2, c.y2 - 2);
        int row = 16, sel = c.ivar ? *c.ivar : -1;
        for (int i = c.top; i < (int)c.items.size(); i++) {
            int y = c.y1 + 2 + (i - c.top) * row;
            if (y > c.y2) break;
            if (i == sel) Fill_Rect_Rgb(c.x1 + 2, y, c.x2 - 2, y + row - 1, 0x99B4D1);
            Text_Rgb(c.x1 + 5, y + 12, c.items[(size_t)i].first.c_str(),
                     active ? Colour_Rgb(c.items[(size_t)i].second) : Grey, 0x1000);
        }
        pxView(ov[0], ov[1], ov[2], ov[3]);
        break;
    }
    case CK_AREA: Draw_Area(c); break;
    case CK_VSLIDER:
    case CK_HSLIDER: Slider(sh, c); break;
    case CK_TREE: Tree_Draw(c.tree, c.state); break;
    default: break;
    }
}

} // namespace zw
