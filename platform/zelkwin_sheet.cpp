/*
** Property sheets of the GUI stand-in: definition and removal (the screen below is saved and
** restored), the controls bound to the caller's variables, decorations, scrollable areas with
** sliders, and the edit loop that ends a pass with the code of a control.
*/
#include <cmath>
#include <cstring>

#include "platform/zelkwin_sheet.h"

namespace zw {

static int next_handle = 1;
static int tip_owner = 0;                /* control whose hover hint is shown */
static Saved_Rect tip{0, 0, -1, -1, {}}; /* the screen below the hint */
static bool no_frame_next = false;
static int base_x1 = 0, base_y1 = 0, base_x2 = -1, base_y2 = -1;

std::deque<Sheet> &Sheets()
{
    static std::deque<Sheet> v;
    return v;
}

Control *Find_Control(int handle, Sheet **owner)
{
    auto &v = Sheets();
    for (size_t i = v.size(); i-- > 0;)
        for (auto &c : v[i].controls)
            if (c.handle == handle) {
                if (owner) *owner = &v[i];
                return &c;
            }
    return nullptr;
}

void Sheets_Reset()
{
    tip_owner = 0;
    tip.pixels.clear();
    Sheets().clear();
    no_frame_next = false;
    base_x2 = base_y2 = -1;
}

static Sheet *Top() { return Sheets().empty() ? nullptr : &Sheets().back(); }

static Control *Add(int kind, int x1, int y1, int x2, int y2, int code)
{
    Ensure_Init();
    Sheet *sh = Top();
    if (!sh) return nullptr;
    Control c;
    c.handle = next_handle++;
    c.kind = kind;
    c.x1 = std::min(x1, x2);
    c.y1 = std::min(y1, y2);
    c.x2 = std::max(x1, x2);
    c.y2 = std::max(y1, y2);
    c.code = code;
    sh->controls.push_back(c);
    return &sh->controls.back();
}

static void Redraw(Sheet &sh, Control &c)
{
    if (!sh.active) return;
    Draw_Control(sh, c);
    if (c.kind == CK_AREA) {
        if (Control *v = Find_Control(c.vslider)) Draw_Control(sh, *v);
        if (Control *h = Find_Control(c.hslider)) Draw_Control(sh, *h);
    }
    Present();
}

static void Draw_Frame(Sheet &sh)
{
    Fill_Rect_Rgb(sh.x1, sh.y1, sh.x2, sh.y2, Colour_Rgb(BACKGROUND_CI));
    if (!sh.frame) return;
    Bevel(sh.x1, sh.y1, sh.x2, sh.y2, true);
    Fill_Rect_Rgb(sh.x1 + 3, sh.y1 + 3, sh.x2 - 3, sh.y1 + 24, Colour_Rgb(TITLE_CI));
    if (!sh.title.empty()) Text_Rgb(sh.x1 + 10, sh.y1 + 18, sh.title.c_str(), 0xFFFFFF, 0x11000);
}

static void Draw_All(Sheet &sh)
{
    for (auto &c : sh.controls)
        if (c.kind != CK_AREA && c.kind != CK_VSLIDER && c.kind != CK_HSLIDER) Draw_Control(sh, c);
    for (auto &c : sh.controls)
        if (c.kind == CK_AREA || c.kind == CK_VSLIDER || c.kind == CK_HSLIDER) Draw_Control(sh, c);
}

static void Clamp_Scroll(Control &a)
{
    int vw = a.x2 - a.x1 + 1, vh = a.y2 - a.y1 + 1;
    int mx = a.content_w - vw, my = a.content_h - vh;
    if (a.sx > mx) a.sx = mx;
    if (a.sy > my) a.sy = my;
    if (a.sx < 0) a.sx = 0;
    if (a.sy < 0) a.sy = 0;
}

static void Place_Sliders(Control &a)
{
    if (Control *v = Find_Control(a.vslider)) {
        v->x1 = a.x2 + v->gap;
        v->x2 = v->x1 + v->width - 1;
        v->y1 = a.y1;
        v->y2 = a.y2;
    }
    if (Control *h = Find_Control(a.hslider)) {
        h->y1 = a.y2 + h->gap;
        h->y2 = h->y1 + h->width - 1;
        h->x1 = a.x1;
        h->x2 = a.x2;
    }
}

static int Break_Code(Sheet &sh)
{
    if (sh.break_set) return sh.break_code;
    for (auto &c : sh.controls)
        if (c.kind == CK_BUTTON && c.raster == SYMBOLIC_BREAK_RASTER) return c.code;
    if (sh.ok_set) return sh.ok_code;
    for (auto &c : sh.controls)
        if (c.kind == CK_BUTTON && c.raster == SYMBOLIC_OK_RASTER) return c.code;
    return -1;
}

static int Ok_Code(Sheet &sh)
{
    if (sh.ok_set) return sh.ok_code;
    for (auto &c : sh.controls)
        if (c.kind == CK_BUTTON && c.raster == SYMBOLIC_OK_RASTER && c.state > 0) return c.code;
    return 0;
}

static bool Inside(const Control &c, int x, int y)
{
    return x >= c.x1 && x <= c.x2 && y >= c.y1 && y <= c.y2;
}

static Control *Move_Escape_At(Sheet &sh, int x, int y)
{
    for (auto &c : sh.controls)
        if (c.kind == CK_ESCAPE && c.state > 0 && c.move_events && Inside(c, x, y)) return &c;
    return nullptr;
}

/* The escape area that takes the keys wherever the mouse is, or null. */
static Control *Key_Escape(Sheet &sh)
{
    for (auto &c : sh.controls)
        if (c.kind == CK_ESCAPE && c.state > 0 && c.key_events) return &c;
    return nullptr;
}

/* Scrolls an area by (dx, dy) pixels and repaints it with its sliders. */
static void Scroll_Area(Sheet &sh, Control &a, int dx, int dy)
{
    int ox = a.sx, oy = a.sy;
    a.sx += dx;
    a.sy += dy;
    Clamp_Scroll(a);
    if (a.sx != ox || a.sy != oy) Redraw(sh, a);
}

/* Click on a slider: above/below the thumb pages, on the thumb drags while the button is held. */
static void Slider_Click(Sheet &sh, Control &s, int x, int y)
{
    Control *a = Find_Control(s.parent);
    if (!a || s.state <= 0) return;
    bool vertical = s.kind == CK_VSLIDER;
    int view = vertical ? a->y2 - a->y1 + 1 : a->x2 - a->x1 + 1;
    int content = vertical ? a->content_h : a->content_w;
    if (content <= view) return;
    int len = vertical ? s.y2 - s.y1 - 3 : s.x2 - s.x1 - 3;
    int thumb = std::max(12, (int)((long)len * view / content));
    if (thumb > len) thumb = len;
    int pos = vertical ? a->sy : a->sx;
    int at = (int)((long)(len - thumb) * pos / (content - view));
    int m = vertical ? y - s.y1 - 2 : x - s.x1 - 2;
    if (m < at || m > at + thumb) {
        int page = m < at ? -view : view;
        Scroll_Area(sh, *a, vertical ? 0 : page, vertical ? page : 0);
        return;
    }
    int grab = m - at;
    while (M_LEFT) {
        if (Get_Mouse_Event() == VELMSG_CLOSE) break;
        int mm = (vertical ? M_YPOS - s.y1 - 2 : M_XPOS - s.x1 - 2) - grab;
        if (len - thumb <= 0) break;
        int np = (int)((long)mm * (content - view) / (len - thumb));
        Scroll_Area(sh, *a, vertical ? 0 : np - a->sx, vertical ? np - a->sy : 0);
    }
}

/* Drags a movable sheet by its title band while the left button is held: the sheet's picture
** moves as a whole (with everything drawn on it), the screen below is put back, and controls and
** the displacement follow. The sheet stays on the screen. */
static void Drag_Outline(const Sheet &sh, int dx, int dy)
{
    int ov[4];
    pxQVwp(&ov[0], &ov[1], &ov[2], &ov[3]);
    int old_op = pxSBop(3), old_fg = pxQFgc();
    uint32_t old_pattern = St().line_pattern;
    St().line_pattern = ~0u;
    Set_Clip_Full();
    pxFgc(WHITE_CI);
    int x1 = sh.x1 + dx, y1 = sh.y1 + dy, x2 = sh.x2 + dx, y2 = sh.y2 + dy;
    pxLine(x1, y1, x2, y1);
    pxLine(x1, y2, x2, y2);
    pxLine(x1, y1 + 1, x1, y2 - 1);
    pxLine(x2, y1 + 1, x2, y2 - 1);
    pxFgc(old_fg);
    pxSBop(old_op);
    St().line_pattern = old_pattern;
    pxView(ov[0], ov[1], ov[2], ov[3]);
    Present();
}

static void Drag_Sheet(Sheet &sh)
{
    int px = M_XPOS, py = M_YPOS;
    int ox = 0, oy = 0;
    bool shown = false;
    while (M_LEFT) {
        if (Get_Mouse_Event() == VELMSG_CLOSE) break;
        if (shown) Drag_Outline(sh, ox, oy); /* XOR: drawn twice is gone */
        ox = M_XPOS - px;
        oy = M_YPOS - py;
        Drag_Outline(sh, ox, oy);
        shown = true;
    }
    if (shown) Drag_Outline(sh, ox, oy);
    if (St().closed) return;
    int dx = M_XPOS - px, dy = M_YPOS - py;
    int x1 = sh.x1 + dx, y1 = sh.y1 + dy, x2 = sh.x2 + dx, y2 = sh.y2 + dy;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    dx = x1 - sh.x1;
    dy = y1 - sh.y1;
    if (dx == 0 && dy == 0) return;
    int w = sh.x2 - sh.x1 + 1, h = sh.y2 - sh.y1 + 1;
    std::vector<uint32_t> picture((size_t)w * (size_t)h);
    pxSvRc(sh.x1, sh.y1, sh.x2, sh.y2, picture.data());
    if (!sh.under.pixels.empty())
        pxStRc(sh.under.x1, sh.under.y1, sh.under.x2, sh.under.y2, sh.under.pixels.data());
    sh.x1 += dx;
    sh.y1 += dy;
    sh.x2 += dx;
    sh.y2 += dy;
    sh.under = Saved_Rect{std::max(0, sh.x1),
                          std::max(0, sh.y1),
                          std::min(NPIXEL_X - 1, sh.x2),
                          std::min(NPIXEL_Y - 1, sh.y2),
                          {}};
    sh.under.pixels.resize((size_t)(sh.under.x2 - sh.under.x1 + 1)
                           * (size_t)(sh.under.y2 - sh.under.y1 + 1));
    pxSvRc(sh.under.x1, sh.under.y1, sh.under.x2, sh.under.y2, sh.under.pixels.data());
    pxStRc(sh.x1, sh.y1, sh.x2, sh.y2, picture.data());
    for (auto &c : sh.controls) {
        c.x1 += dx;
        c.x2 += dx;
        c.y1 += dy;
        c.y2 += dy;
        for (auto &m : c.members) {
            m.x1 += dx;
            m.x2 += dx;
            m.y1 += dy;
            m.y2 += dy;
        }
        if (c.kind == CK_TREE) Tree_Move(c.tree, dx, dy);
    }
    sh.dx += dx;
    sh.dy += dy;
    Log_Line("MOVE " + std::to_string(Sheets().size()) + " " + std::to_string(sh.dx) + " "
             + std::to_string(sh.dy));
    Present();
}

/* ---------------------------------------------------------------- hover hints */

static void Hide_Tip()
{
    if (!tip_owner) return;
    if (!tip.pixels.empty()) pxStRc(tip.x1, tip.y1, tip.x2, tip.y2, tip.pixels.data());
    tip.pixels.clear();
    tip_owner = 0;
    Present();
}

/* The comment of a control as a small box below the mouse, one line per line feed. */
static void Show_Tip(const Control &c)
{
    std::vector<std::string> lines;
    size_t p = 0;
    while (p <= c.comment.size()) {
        size_t q = c.comment.find('\n', p);
        if (q == std::string::npos) q = c.comment.size();
        lines.push_back(c.comment.substr(p, q - p));
        p = q + 1;
    }
    int w = 0;
    for (auto &l : lines) w = std::max(w, Text_Width(l.c_str(), 0x1000));
    int x1 = M_XPOS, y1 = M_YPOS + 20, x2 = x1 + w + 10, y2 = y1 + (int)lines.size() * 15 + 5;
    if (x2 >= NPIXEL_X - 4) {
        x1 -= x2 - (NPIXEL_X - 5);
        x2 = NPIXEL_X - 5;
    }
    if (y2 >= NPIXEL_Y - 4) {
        y1 = M_YPOS - 10 - (y2 - y1);
        y2 = M_YPOS - 10;
    }
    tip = Saved_Rect{std::max(0, x1),
                     std::max(0, y1),
                     std::min(NPIXEL_X - 1, x2),
                     std::min(NPIXEL_Y - 1, y2),
                     {}};
    tip.pixels.resize((size_t)(tip.x2 - tip.x1 + 1) * (size_t)(tip.y2 - tip.y1 + 1));
    pxSvRc(tip.x1, tip.y1, tip.x2, tip.y2, tip.pixels.data());
    int ov[4];
    pxQVwp(&ov[0], &ov[1], &ov[2], &ov[3]);
    Set_Clip_Full();
    Fill_Rect_Rgb(x1, y1, x2, y2, 0xFFFFE1);
    Frame_Rect(x1, y1, x2, y2, BLACK_CI);
    for (size_t i = 0; i < lines.size(); i++)
        Text_Rgb(x1 + 5, y1 + 14 + (int)i * 15, lines[i].c_str(), 0, 0x1000);
    pxView(ov[0], ov[1], ov[2], ov[3]);
    tip_owner = c.handle;
    Present();
}

static void Track_Tip(Sheet &sh)
{
    const Control *under = nullptr;
    for (size_t i = sh.controls.size(); i-- > 0;) {
        const Control &c = sh.controls[i];
        if (c.state >= 0 && !c.comment.empty() && Inside(c, M_XPOS, M_YPOS)) {
            under = &c;
            break;
        }
    }
    int h = under ? under->handle : 0;
    if (h == tip_owner) return;
    Hide_Tip();
    if (under) Show_Tip(*under);
}

static int End_Pass(int code)
{
    Hide_Tip();
    Log_Line("EDIT " + std::to_string(code));
    return code;
}

} // namespace zw

using namespace zw;

/* ---------------------------------------------------------------- sheets */

int Define_Prop_Sheet(int x1, int y1, int x2, int y2, int frame, int movable, const char *title,
                      int style, int mode)
{
    Ensure_Init();
    if (Sheets().size() >= 32) return 0;
    Sheet sh;
    sh.x1 = std::min(x1, x2);
    sh.y1 = std::min(y1, y2);
    sh.x2 = std::max(x1, x2);
    sh.y2 = std::max(y1, y2);
    sh.frame = no_frame_next ? 0 : frame;
    no_frame_next = false;
    sh.movable = movable;
    sh.title = title ? title : "";
    sh.style = style;
    sh.mode = mode;
    /* keep what lies below, to put it back when the sheet goes */
    int cx1 = std::max(0, sh.x1), cy1 = std::max(0, sh.y1);
    int cx2 = std::min(NPIXEL_X - 1, sh.x2), cy2 = std::min(NPIXEL_Y - 1, sh.y2);
    sh.under = Saved_Rect{cx1, cy1, cx2, cy2, {}};
    if (cx1 <= cx2 && cy1 <= cy2) {
        sh.under.pixels.resize((size_t)(cx2 - cx1 + 1) * (size_t)(cy2 - cy1 + 1));
        pxSvRc(cx1, cy1, cx2, cy2, sh.under.pixels.data());
    }
    Sheets().push_back(std::move(sh));
    Sheet &s = Sheets().back();
    int ov[4];
    pxQVwp(&ov[0], &ov[1], &ov[2], &ov[3]);
    Set_Clip_Full();
    Draw_Frame(s);
    pxView(ov[0], ov[1], ov[2], ov[3]);
    Log_Line("SHEET " + std::to_string(Sheets().size()) + " " + std::to_string(s.x1) + " "
             + std::to_string(s.y1) + " " + std::to_string(s.x2) + " " + std::to_string(s.y2) + " "
             + To_Utf8(s.title.c_str(), -1));
    return (int)Sheets().size();
}

void Set_NoFrameFlag_to_Next_PropSheet(void) { no_frame_next = true; }

void Set_Prop_Sheet_Screen_Base(int x1, int y1, int x2, int y2)
{
    base_x1 = std::min(x1, x2);
    base_y1 = std::min(y1, y2);
    base_x2 = std::max(x1, x2);
    base_y2 = std::max(y1, y2);
}

int Check_Prop_Sheet_Frames(int *x1, int *y1, int *x2, int *y2)
{
    Ensure_Init();
    if (!x1 || !y1 || !x2 || !y2) return 0;
    int bx1 = 0, by1 = 0, bx2 = NPIXEL_X - 1, by2 = NPIXEL_Y - 1;
    if (base_x2 >= 0) {
        bx1 = base_x1;
        by1 = base_y1;
        bx2 = std::min(bx2, base_x2);
        by2 = std::min(by2, base_y2);
    }
    int ox1 = *x1, oy1 = *y1, ox2 = *x2, oy2 = *y2;
    if (*x1 > *x2) std::swap(*x1, *x2);
    if (*y1 > *y2) std::swap(*y1, *y2);
    int w = std::min(*x2 - *x1, bx2 - bx1), h = std::min(*y2 - *y1, by2 - by1);
    if (*x1 < bx1) *x1 = bx1;
    if (*y1 < by1) *y1 = by1;
    if (*x1 + w > bx2) *x1 = bx2 - w;
    if (*y1 + h > by2) *y1 = by2 - h;
    *x2 = *x1 + w;
    *y2 = *y1 + h;
    return (ox1 != *x1 || oy1 != *y1 || ox2 != *x2 || oy2 != *y2) ? 1 : 0;
}

void Activate_Prop_Sheet(void)
{
    Ensure_Init();
    Sheet *sh = Top();
    if (!sh) return;
    sh->active = true;
    int ov[4];
    pxQVwp(&ov[0], &ov[1], &ov[2], &ov[3]);
    Set_Clip_Full();
    for (auto &c : sh->controls)
        if (c.kind == CK_AREA) {
            Clamp_Scroll(c);
            Place_Sliders(c);
        }
    Draw_All(*sh);
    pxView(ov[0], ov[1], ov[2], ov[3]);
    Present();
}

void Draw_Prop_Sheet_Box(void)
{
    Ensure_Init();
    Sheet *sh = Top();
    if (!sh) return;
    int ov[4];
    pxQVwp(&ov[0], &ov[1], &ov[2], &ov[3]);
    Set_Clip_Full();
    Draw_Frame(*sh);
    if (sh->active) Draw_All(*sh);
    pxView(ov[0], ov[1], ov[2], ov[3]);
    Present();
}

void Undefine_Prop_Sheet(void)
{
    Ensure_Init();
    Sheet *sh = Top();
    if (!sh) return;
    Hide_Tip();
    for (auto &c : sh->controls)
        if (c.kind == CK_TREE && c.tree) c.tree = nullptr;
    if (!sh->under.pixels.empty())
        pxStRc(sh->under.x1, sh->under.y1, sh->under.x2, sh->under.y2, sh->under.pixels.data());
    Log_Line("UNDEFINE " + std::to_string(Sheets().size()));
    Sheets().pop_back();
    Present();
}

int Prop_Sheet_Level(void) { return (int)Sheets().size(); }

void Prop_Sheet_Displacement(int *dx, int *dy)
{
    Sheet *sh = Top();
    if (dx) *dx = sh ? sh->dx : 0;
    if (dy) *dy = sh ? sh->dy : 0;
}

void Inquire_Prop_Sheet_Displacement(int *dx, int *dy) { Prop_Sheet_Displacement(dx, dy); }

void Set_Windows_Break_Button(int code)
{
    if (Sheet *sh = Top()) {
        sh->break_code = code;
        sh->break_set = true;
    }
}

void Set_Windows_OK_Button(int code)
{
    if (Sheet *sh = Top()) {
        sh->ok_code = code;
        sh->ok_set = true;
    }
}

/* ---------------------------------------------------------------- controls */

int Add_Single_Button_to_PS(int x, int y, int raster, const char *text, int code)
{
    int w = 35, h = 20;
    if (raster >= 0x10000) {
        w = (raster >> 16) & 0x7FFF;
        h = raster & 0xFFFF;
    } else if (raster == 0 || raster > SYMBOLIC_HELP_RASTER) {
        /* sized to the text: its widest line, one text line height per line */
        std::string t = text ? text : "";
        int lines = 1, widest = 0;
        size_t p = 0;
        while (p <= t.size()) {
            size_t q = t.find('\n', p);
            if (q == std::string::npos) q = t.size();
            widest = std::max(widest, Text_Width(t.substr(p, q - p).c_str(), 0x1000));
            if (q < t.size()) lines++;
            p = q + 1;
        }
        w = widest + 16;
        h = 22 + (lines - 1) * 14;
    } else if (raster == SYMBOLIC_HELP_RASTER) {
        w = 22;
    }
    Control *c = Add(CK_BUTTON, x, y, x + w - 1, y + h - 1, code);
    if (!c) return 0;
    c->raster = raster;
    c->text = text ? text : "";
    return c->handle;
}

int Add_Logical_Button_to_PS(int x, int y, int raster_on, int raster_off, int *var, int code)
{
    bool box = raster_on == 0 && raster_off == 0;
    Control *c = Add(CK_LOGICAL, x, y, x + (box ? 12 : 34), y + (box ? 12 : 19), code);
    if (!c) return 0;
    c->raster = raster_on;
    c->raster_off = raster_off;
    c->ivar = var;
    return c->handle;
}

int Add_Option_Button_to_PS(int x, int y, int *var, int value, int code)
{
    Control *c = Add(CK_OPTION, x, y, x + 12, y + 12, code);
    if (!c) return 0;
    c->ivar = var;
    c->value = value;
    return c->handle;
}

int Add_Bitmap_Button_to_PS(int x, int y, int w, int h, const char *file, int sx, int sy, int r,
                            int g, int b, int code)
{
    if (w <= 0 || h <= 0) return 0;
    Control *c = Add(CK_BITMAP, x, y, x + w - 1, y + h - 1, code);
    if (!c) return 0;
    c->file = file ? file : "";
    c->sx = sx;
    c->sy = sy;
    c->tr = r < 0 ? -1 : ((r & 255) << 16 | (g & 255) << 8 | (b & 255));
    return c->handle;
}

int Add_Aligned_Connected_Text_to_Button_of_PS(int button, const char *text, int align)
{
    Control *b = Find_Control(button);
    if (!b || !text) return 0;
    int w = Text_Width(text, 0x1000);
    int cy = (b->y1 + b->y2) / 2;
    int x1 = align ? b->x1 - 6 - w : b->x2 + 6;
    int bx1 = b->x1, bx2 = b->x2;
    (void)bx1;
    (void)bx2;
    Control *c = Add(CK_TEXT, x1, cy - 8, x1 + w, cy + 6, 0);
    if (!c) return 0;
    c->text = text;
    c->parent = button;
    c->align = align;
    return c->handle;
}

int Add_Help_to_PS(int x, int y, const char *key)
{
    Control *c = Add(CK_HELP, x, y, x + 21, y + 19, 0);
    if (!c) return 0;
    c->help_key = key ? key : "";
    return c->handle;
}

int Add_Escape_Area_to_PS(int x1, int y1, int x2, int y2, int code)
{
    Control *c = Add(CK_ESCAPE, x1, y1, x2, y2, code);
    return c ? c->handle : 0;
}

void Set_Escape_Area_to_MouseMoveEvent(int area, int on)
{
    if (Control *c = Find_Control(area)) c->move_events = on != 0;
}

void Set_Escape_Area_to_KeyEvent(int area, int on)
{
    if (Control *c = Find_Control(area)) c->key_events = on != 0;
}

int Add_Edit_Float_to_PS(int x, int y, int width, const char *format, double *var, int code)
{
    if (width < 1) width = 1;
    Control *c = Add(CK_FLOAT, x, y, x + width * 8 + 8, y + 19, code);
    if (!c) return 0;
    c->format = format ? format : "%g";
    c->dvar = var;
    return c->handle;
}

int Add_Edit_Text_to_PS(int x, int y, int width, char *buffer, int size, int code)
{
    if (width < 1) width = 1;
    Control *c = Add(CK_EDIT, x, y, x + width * 8 + 8, y + 19, code);
    if (!c) return 0;
    c->buf = buffer;
    c->bufsize = size;
    c->width = width;
    return c->handle;
}

void Add_SingleStep_to_Float(int field, double step)
{
    if (Control *c = Find_Control(field)) c->step = step;
}

void Set_Prop_Sheet_Edit_Float_Auto_Mode(int on)
{
    if (Sheet *sh = Top()) sh->float_auto = on != 0;
}

int Add_Register_to_PS(int x, int y, int h)
{
    Control *c = Add(CK_REGISTER, x, y, x, y + (h > 0 ? h : 30) - 1, 0);
    return c ? c->handle : 0;
}

int Add_Member_to_Register(int reg, const char *label, int width, int code)
{
    Control *c = Find_Control(reg);
    if (!c || c->kind != CK_REGISTER) return -1;
    int x = c->members.empty() ? c->x1 : c->members.back().x2 + 2;
    Member m{label ? label : "", x, c->y1, x + width - 1, c->y2, code};
    if (width <= 0) m.x2 = x - 2;
    c->members.push_back(m);
    c->x2 = std::max(c->x2, m.x2);
    return (int)c->members.size() - 1;
}

void Select_Member_of_Register(int reg, int member)
{
    Sheet *sh = nullptr;
    Control *c = Find_Control(reg, &sh);
    if (!c || member < 0 || member >= (int)c->members.size()) return;
    c->selected = member;
    Redraw(*sh, *c);
}

int Selected_Member_of_Register(int reg)
{
    Control *c = Find_Control(reg);
    return c ? c->selected : -1;
}

int Add_Stringlist_to_PS(int x1, int y1, int x2, int y2, int *selection, int code)
{
    Control *c = Add(CK_LIST, x1, y1, x2, y2, code);
    if (!c) return 0;
    c->ivar = selection;
    return c->handle;
}

int Fill_Stringlist_of_PS(int list, const char *text, int colour)
{
    Sheet *sh = nullptr;
    Control *c = Find_Control(list, &sh);
    if (!c || c->kind != CK_LIST) return -1;
    c->items.emplace_back(text ? text : "", colour);
    Redraw(*sh, *c);
    return (int)c->items.size() - 1;
}

void Truncate_Stringlist_of_PS(int list, int count)
{
    Sheet *sh = nullptr;
    Control *c = Find_Control(list, &sh);
    if (!c || c->kind != CK_LIST || count < 0) return;
    if ((int)c->items.size() > count) c->items.resize((size_t)count);
    if (c->top > count) c->top = 0;
    Redraw(*sh, *c);
}

int Add_Scrollable_Area_to_PS(int x1, int y1, int x2, int y2, int frame, int code, int step_x,
                              int step_y, PS_Area_Draw_Fct draw, void *user, int active)
{
    Control *c = Add(CK_AREA, x1, y1, x2, y2, code);
    if (!c) return 0;
    c->frame = frame;
    c->step_x = step_x > 0 ? step_x : 10;
    c->step_y = step_y > 0 ? step_y : 10;
    c->draw = draw;
    c->user = user;
    c->state = active ? 1 : 0;
    c->content_w = c->x2 - c->x1 + 1;
    c->content_h = c->y2 - c->y1 + 1;
    int h = c->handle;
    Sheet *sh = Top();
    if (sh && sh->active) Redraw(*sh, *Find_Control(h));
    return h;
}

static int Add_Slider(int area, int gap, int width, int kind)
{
    Control *a = Find_Control(area);
    if (!a || a->kind != CK_AREA) return 0;
    Control *s = Add(kind, 0, 0, 0, 0, 0);
    if (!s) return 0;
    a = Find_Control(area); /* the vector may have moved */
    s->parent = area;
    s->gap = gap;
    s->width = width > 4 ? width : 10;
    if (kind == CK_VSLIDER) a->vslider = s->handle;
    else a->hslider = s->handle;
    int h = s->handle;
    Place_Sliders(*a);
    return h;
}

int Add_VSlider_to_Scrollable_Area(int area, int gap, int width, int length, int flags)
{
    (void)length;
    (void)flags;
    return Add_Slider(area, gap, width, CK_VSLIDER);
}

int Add_HSlider_to_Scrollable_Area(int area, int gap, int width, int length, int flags)
{
    (void)length;
    (void)flags;
    return Add_Slider(area, gap, width, CK_HSLIDER);
}

void Set_VSlider_Speed(int slider, double page_fraction, double accel)
{
    (void)accel;
    if (Control *s = Find_Control(slider)) s->step = page_fraction;
}

void Set_HSlider_Speed(int slider, double page_fraction, double accel)
{
    Set_VSlider_Speed(slider, page_fraction, accel);
}

void Set_Scrollable_Area_PS(int area, int sx, int sy)
{
    Sheet *sh = nullptr;
    Control *a = Find_Control(area, &sh);
    if (!a || a->kind != CK_AREA) return;
    a->sx = sx;
    a->sy = sy;
    Clamp_Scroll(*a);
    Redraw(*sh, *a);
}

void Inquire_Scrollable_Area_PS(int area, int *sx, int *sy)
{
    Control *a = Find_Control(area);
    if (sx) *sx = a ? a->sx : 0;
    if (sy) *sy = a ? a->sy : 0;
}

void Reshape_Scrollable_Area_PS(int area, int x1, int y1, int x2, int y2, int gap_v, int width_v,
                                int gap_h, int width_h)
{
    Sheet *sh = nullptr;
    Control *a = Find_Control(area, &sh);
    if (!a || a->kind != CK_AREA) return;
    a->x1 = std::min(x1, x2);
    a->y1 = std::min(y1, y2);
    a->x2 = std::max(x1, x2);
    a->y2 = std::max(y1, y2);
    if (Control *v = Find_Control(a->vslider)) {
        v->gap = gap_v;
        v->width = width_v > 4 ? width_v : v->width;
    }
    if (Control *h = Find_Control(a->hslider)) {
        h->gap = gap_h;
        h->width = width_h > 4 ? width_h : h->width;
    }
    Place_Sliders(*a);
    Clamp_Scroll(*a);
}

void Resize_Origin_of_Scrollable_Area_PS(int area, int content_w, int content_h)
{
    Control *a = Find_Control(area);
    if (!a || a->kind != CK_AREA) return;
    a->content_w = content_w > 0 ? content_w : 0;
    a->content_h = content_h > 0 ? content_h : 0;
    Clamp_Scroll(*a);
}

void Set_Scrollable_Area_PS_Frameflag(int area, int flag)
{
    if (Control *a = Find_Control(area)) a->frame = flag;
}

void Change_Activity_PS(int handle, int state)
{
    Sheet *sh = nullptr;
    Control *c = Find_Control(handle, &sh);
    if (!c) return;
    c->state = state > 0 ? 1 : state;
    if (!sh->active) return;
    Redraw(*sh, *c);
    for (auto &t : sh->controls)
        if (t.kind == CK_TEXT && t.parent == handle) Draw_Control(*sh, t);
}

int ActivState_of_Button_PS(int handle)
{
    Control *c = Find_Control(handle);
    return c ? c->state : 0;
}

void Change_Action_State_PS(int button, int state)
{
    Sheet *sh = nullptr;
    Control *c = Find_Control(button, &sh);
    if (!c) return;
    c->pressed = state != 0;
    Redraw(*sh, *c);
}

void Snap_Colored_Layout_of_Single_Button(int button)
{
    Sheet *sh = nullptr;
    Control *c = Find_Control(button, &sh);
    if (!c) return;
    c->colored = 1;
    Redraw(*sh, *c);
}

void Reset_Button_Frame(int button)
{
    Sheet *sh = nullptr;
    Control *c = Find_Control(button, &sh);
    if (!c) return;
    c->colored = 0;
    c->pressed = 0;
    Redraw(*sh, *c);
}

void Set_Comment_to_Button_PS(int button, const char *comment)
{
    if (Control *c = Find_Control(button)) c->comment = comment ? comment : "";
}

void Move_Mouse_Cursor_to_Button_of_PS(int button)
{
    if (Control *c = Find_Control(button)) msStCu((c->x1 + c->x2) / 2, (c->y1 + c->y2) / 2);
}

/* ---------------------------------------------------------------- decorations */

void Draw_Funny_Area_to_PS(int style, int x1, int y1, int x2, int y2, int fill)
{
    Ensure_Init();
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (fill || style == 5) Fill_Rect_Rgb(x1, y1, x2, y2, Colour_Rgb(fill > 0 ? fill : BUTTON_CI));
    switch (style) {
    case 2: Bevel(x1, y1, x2, y2, true); break;
    case 3:
        Frame_Rect(x1, y1, x2 - 1, y2 - 1, SHADOW_CI);
        Frame_Rect(x1 + 1, y1 + 1, x2, y2, WHITE_CI);
        break;
    case 5: Bevel(x1, y1, x2, y2, true); break;
    default: Bevel(x1, y1, x2, y2, false); break;
    }
}

void Draw_Funny_Line_to_PS(int style, int x1, int y1, int x2, int y2)
{
    Ensure_Init();
    State &s = St();
    int ofg = s.fg;
    uint32_t pat = s.line_pattern;
    s.line_pattern = ~0u;
    pxFgc(SHADOW_CI);
    pxLine(x1, y1, x2, y2);
    if (style != 1) {
        pxFgc(WHITE_CI);
        if (y1 == y2) pxLine(x1, y1 + 1, x2, y2 + 1);
        else pxLine(x1 + 1, y1, x2 + 1, y2);
    }
    s.fg = ofg;
    s.line_pattern = pat;
}

void Draw_Funny_Text_to_PS(int x, int y, const char *text, int size, int style)
{
    Ensure_Init();
    if (!text) return;
    int font = 0x1000 | (size == 1 ? 2 : 0) | (style == 1 ? 0x10000 : 0);
    if (style == 2) Text_Rgb(x + 1, y + 1, text, 0xFFFFFF, font);
    Text_Rgb(x, y, text, style == 2 ? 0x404040 : 0x000000, font);
}

/* ---------------------------------------------------------------- hooks */

void Define_Call_Allways_Function(PS_Call_Fct fct)
{
    St().always_fct = fct;
    if (fct) St().always_on = true;
}

void Activate_Call_Allways_Function(int on) { St().always_on = on != 0; }

void Set_CallSometimesFunc_to_PS(PS_Call_Fct fct) { St().sometimes_fct = fct; }

/* ---------------------------------------------------------------- the edit loop */

static int Click(Sheet &sh, int x, int y, bool *ended, int clicks = 1)
{
    *ended = false;
    /* later controls lie on top of earlier ones */
    for (size_t i = sh.controls.size(); i-- > 0;) {
        Control &c = sh.controls[i];
        if (c.state <= 0 || !Inside(c, x, y)) {
            if (c.kind == CK_FLOAT && c.step != 0 && c.state > 0 && x > c.x2 && x <= c.x2 + 13
                && y >= c.y1 && y <= c.y2 && c.dvar) {
                *c.dvar += y <= (c.y1 + c.y2) / 2 ? c.step : -c.step;
                Redraw(sh, c);
                if (c.code) {
                    *ended = true;
                    return c.code;
                }
                return 0;
            }
            if (c.kind != CK_REGISTER) continue;
        }
        int h = c.handle;
        switch (c.kind) {
        case CK_BUTTON:
        case CK_BITMAP:
            c.pressed = 1;
            Redraw(sh, c);
            c.pressed = 0;
            *ended = true;
            Redraw(sh, c);
            return c.code;
        case CK_HELP: Helpview(c.help_key.c_str()); return 0;
        case CK_LOGICAL:
            if (c.ivar) *c.ivar = !*c.ivar;
            Redraw(sh, c);
            if (c.code) *ended = true;
            return c.code;
        case CK_OPTION:
            if (c.ivar) *c.ivar = c.value;
            for (auto &o : sh.controls)
                if (o.kind == CK_OPTION && o.ivar == c.ivar) Redraw(sh, o);
            if (c.code) *ended = true;
            return c.code;
        case CK_TEXT: {
            Control *b = Find_Control(c.parent);
            if (b && b->state > 0 && b->kind != CK_TEXT)
                return Click(sh, (b->x1 + b->x2) / 2, (b->y1 + b->y2) / 2, ended);
            return 0;
        }
        case CK_ESCAPE: *ended = true; return c.code;
        case CK_FLOAT: {
            if (!c.dvar) return 0;
            double old = *c.dvar;
            Short_Edit_Float(c.x1 - 4, c.y1, c.format.c_str(), c.dvar);
            if (Short_Edit_Float_Refused()[0]) {
                /* what is no number stays out, and the hint says so with what was typed */
                char held[64];
                snprintf(held, sizeof held, c.format.c_str(), *c.dvar);
                const char *from = held + strspn(held, " ");
                Say_Not_A_Number(Short_Edit_Float_Refused(), from);
            }
            Control *cc = Find_Control(h);
            if (cc) Redraw(sh, *cc);
            if (cc && cc->code && *cc->dvar != old && !sh.float_auto) *ended = true;
            return cc ? cc->code : 0;
        }
        case CK_EDIT: {
            if (!c.buf || c.bufsize <= 1) return 0;
            std::string old = c.buf;
            Set_Short_Edit_Text_Scrollmode(c.bufsize - 1);
            Short_Edit_Text(c.x1 - 4, c.y1, c.buf, c.width, 0);
            Control *cc = Find_Control(h);
            if (cc) Redraw(sh, *cc);
            if (cc && cc->code && old != cc->buf) *ended = true;
            return cc ? cc->code : 0;
        }
        case CK_REGISTER:
            for (size_t m = 0; m < c.members.size(); m++) {
                Member &mb = c.members[m];
                if (mb.x2 >= mb.x1 && x >= mb.x1 && x <= mb.x2 && y >= mb.y1 && y <= mb.y2) {
                    c.selected = (int)m;
                    Redraw(sh, c);
                    *ended = true;
                    return mb.code;
                }
            }
            continue;
        case CK_LIST: {
            int idx = c.top + (y - c.y1 - 2) / 16;
            if (idx < 0 || idx >= (int)c.items.size()) return 0;
            if (c.ivar) *c.ivar = idx;
            Redraw(sh, c);
            *ended = true;
            return c.code;
        }
        case CK_VSLIDER:
        case CK_HSLIDER: Slider_Click(sh, c, x, y); return 0;
        case CK_AREA:
            if (c.code) {
                *ended = true;
                return c.code;
            }
            continue; /* an area without a code lets the press through to what lies below it */
        case CK_TREE:
            if (Tree_Click(c.tree, x, y, 1, clicks >= 2)) {
                *ended = true;
                return c.code;
            }
            return 0;
        default: return 0;
        }
    }
    return 0;
}

int Edit_Prop_Sheet(void)
{
    Ensure_Init();
    State &s = St();
    if (Sheets().empty()) return End_Pass(-1);
    if (!Top()->active) Activate_Prop_Sheet();
    for (;;) {
        Sheet &sh = *Top();
        Present();
        Event ev;
        Next_Event(&ev, true, -1);
        Run_Call_Always();
        if (Sheets().empty()) return End_Pass(-1);
        switch (ev.type) {
        case EV_CLOSE: return End_Pass(Break_Code(sh));
        case EV_MOVE:
            if (Move_Escape_At(sh, M_XPOS, M_YPOS))
                return End_Pass(Move_Escape_At(sh, M_XPOS, M_YPOS)->code);
            Track_Tip(sh);
            break;
        case EV_DOWN: {
            if (ev.button == 2) {
                if (Control *e = Move_Escape_At(sh, M_XPOS, M_YPOS)) return End_Pass(e->code);
                for (auto &c : sh.controls)
                    if (c.kind == CK_TREE && c.state > 0 && Inside(c, M_XPOS, M_YPOS)
                        && Tree_Click(c.tree, M_XPOS, M_YPOS, 2, 0))
                        return End_Pass(c.code);
                break;
            }
            if (sh.movable && sh.frame && M_YPOS >= sh.y1 + 3 && M_YPOS <= sh.y1 + 24
                && M_XPOS >= sh.x1 && M_XPOS <= sh.x2) {
                Drag_Sheet(sh);
                break;
            }
            bool ended = false;
            int code = Click(sh, M_XPOS, M_YPOS, &ended, ev.key);
            if (ended) return End_Pass(code);
            break;
        }
        case EV_WHEEL: {
            if (!s.wheel_on) break; /* the wheel is switched off */
            if (Control *e = Move_Escape_At(sh, M_XPOS, M_YPOS)) return End_Pass(e->code);
            for (auto &c : sh.controls) {
                if (c.state <= 0 || !Inside(c, M_XPOS, M_YPOS)) continue;
                if (c.kind == CK_AREA && c.vslider) {
                    Scroll_Area(sh, c, 0, -ev.key * c.step_y * 3);
                    M_SCROLL = 0;
                } else if (c.kind == CK_LIST) {
                    c.top = std::max(0, std::min((int)c.items.size() - 1, c.top - ev.key));
                    Redraw(sh, c);
                    M_SCROLL = 0;
                } else if (c.kind == CK_TREE) {
                    Tree_Wheel(c.tree, ev.key);
                    M_SCROLL = 0;
                }
            }
            break;
        }
        case EV_KEY: {
            if (Control *e = Move_Escape_At(sh, M_XPOS, M_YPOS)) {
                s.keys.push_back(ev.key);
                return End_Pass(e->code);
            }
            if (ev.key == 13) {
                int code = Ok_Code(sh);
                if (code) return End_Pass(code);
            } else if (ev.key == 27) {
                return End_Pass(Break_Code(sh));
            } else if (ev.key == KEY_F1) {
                bool shown = false;
                for (auto &c : sh.controls)
                    if (c.kind == CK_HELP && c.state > 0) {
                        Helpview(c.help_key.c_str());
                        shown = true;
                        break;
                    }
                if (shown) break;
            }
            if (Control *e = Key_Escape(sh)) {
                s.keys.push_back(ev.key);
                return End_Pass(e->code);
            }
            break;
        }
        default: break;
        }
    }
}

/* ---------------------------------------------------------------- tree controls */

int zw::Add_Tree_Control(TreeView *tree, int x1, int y1, int x2, int y2, int code)
{
    Control *c = Add(CK_TREE, x1, y1, x2, y2, code);
    if (!c) return 0;
    c->tree = tree;
    return c->handle;
}

void zw::Remove_Tree_Control(TreeView *tree)
{
    for (auto &sh : Sheets())
        for (auto &c : sh.controls)
            if (c.kind == CK_TREE && c.tree == tree) {
                c.tree = nullptr;
                c.state = -1;
            }
}
