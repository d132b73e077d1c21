/*
** Widget layer, state and texts: the drawing target with its font and colours, the measuring of
** texts with print-list escapes (0xCE, code, segment, 0xCE, code) and the text widgets, which
** add text items to the target area and answer the room they used in pixels.
*/
#include <cmath>
#include <cstddef>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "dialogs/sva.h"
#include "dialogs/widgets.h"
#include "foundation/foundation.h"
#include "platform/zelkwin.h"

static constexpr Wdg_State_Record Initial_State()
{
    Wdg_State_Record s{};
    s.area = -1;
    s.font = 4096;
    s.field_box = -1;
    s.editable_cell = 1;
    s.readonly_cell = 0;
    s.sheet_handle = -1;
    s.off_x = s.off_y = -1000;
    s.line_switch = 1;
    s.scale = 1.0;
    return s;
}

Wdg_State_Record Wdg_State = Initial_State();

enum { STYLE_BITS = 0x70000 };

/* ------------------------------------------------------------------ state */

void Wdg_Select_Area(int area)
{
    Wdg_Tooltip_Count = 0;
    Wdg_Rollover_Count = 0;
    Wdg_State.area = area;
    Wdg_State.font = 4096;
    Wdg_State.fg = Nearest_Color_Index(0, 0, 0);
    Wdg_State.bg = Nearest_Color_Index(255, 255, 255);
    Wdg_State.off_x = Wdg_State.off_y = -1000;
    /* an area without a registration row has no sheet base of its own */
    Wdg_State.base_x = Wdg_State.base_y = nullptr;
    for (int i = 0; i < Wdg_Hover_Area_Count && i < WDG_HOVER_AREAS; i++) {
        const Wdg_Hover_Area_Row &r = Wdg_Hover_Areas[i];
        if (r.area != area) continue;
        Wdg_State.sheet_handle = r.handle;
        Wdg_State.off_x = r.x1;
        Wdg_State.off_y = r.y1;
        Wdg_State.base_x = r.base_x;
        Wdg_State.base_y = r.base_y;
    }
}

int Wdg_Get_Area(void) { return Wdg_State.area; }
void Wdg_Set_Font(unsigned code) { Wdg_State.font = code; }
unsigned Wdg_Get_Font(void) { return Wdg_State.font; }
void Wdg_Set_Fg_Colour(int index) { Wdg_State.fg = index; }
int Wdg_Get_Fg_Colour(void) { return Wdg_State.fg; }
void Wdg_Set_Bg_Colour(int index) { Wdg_State.bg = index; }
int Wdg_Get_Bg_Colour(void) { return Wdg_State.bg; }
void Wdg_Set_Field_Box_Colour(int index) { Wdg_State.field_box = index; }

int Wdg_Field_Box_Colour(void)
{
    if (Wdg_State.field_box == -1) Wdg_State.field_box = Nearest_RGB_Color(220, 220, 220);
    return Wdg_State.field_box;
}

int Wdg_Inactive_Grey(void) { return Nearest_RGB_Color(198, 195, 198); }

/* ------------------------------------------------------------------ measuring */

int Wdg_Print_Text_Width(const char *text)
{
    if (text == nullptr) return 0;
    size_t n = strlen(text);
    char *buf = (char *)Mem_Realloc(nullptr, n + 1, 1);
    memcpy(buf, text, n + 1);
    int sum = 0;
    char *p = buf;
    char *esc = strchr(p, '\xCE');
    if (esc == nullptr) {
        sum = Text_Width(p);
    } else {
        for (;;) {
            *esc = 0;
            sum += Text_Width(p);
            char code = esc[1];
            char *seg = code ? esc + 2 : esc + 1;
            char *close = code ? strchr(esc + 1, '\xCE') : nullptr;
            char *follow = nullptr;
            if (close) {
                *close = 0;
                if (strlen(close + 1) >= 2) follow = close + 2;
            }
            if (code == 'C' || code == 'c') {
                char *blank = strchr(seg, ' ');
                if (blank && blank[1]) sum += Text_Width(blank + 1);
            } else if (code == 'B' || code == 'b') {
                if (strlen(seg) >= 2) sum += Text_Width(seg);
            }
            if (follow == nullptr) break;
            esc = strchr(follow, '\xCE');
            if (esc == nullptr) {
                sum += Text_Width(follow);
                break;
            }
            p = follow;
        }
    }
    Mem_Free(&buf);
    return sum;
}

/* Width of a text in a font code without its style bits. */
static int Plain_Width(const char *text, unsigned font)
{
    Pop_RFont((int)(font & ~STYLE_BITS));
    int w = Wdg_Print_Text_Width(text);
    Push_RFont();
    return w;
}

int Wdg_Text_Width_In_Font(const char *text, unsigned font)
{
    int s = (font & STYLE_BITS) ? 2 : 0;
    int w = Plain_Width(text, font);
    return w < 1 ? s : w + s + 3;
}

int Wdg_Max_Text_Columns_Width(const char *texts, int stride, int count, unsigned font)
{
    if (count < 1 || texts == nullptr) return 33;
    int m = 0;
    for (int i = 0; i < count; i++) {
        int w = Plain_Width(texts + (size_t)i * stride, font);
        if (w > m) m = w;
    }
    return 8 * (m / 8) + 33; /* as wide as a choice field of these texts */
}

/* ------------------------------------------------------------------ text widgets */

static int Half(int w) { return (int)lround(w / 2.0); } /* w >= 0: half away from zero */

static bool On(const int *active) { return active == nullptr || *active != 0; }

/* Add a text item in a font code at (x, y); colour by activity. */
static void Add_Text(int x, int y, const char *text, unsigned font, bool active)
{
    SVA_Add_Text(Wdg_State.area, x, y, text ? text : "", (int)font,
                 active ? Wdg_State.fg : Wdg_Inactive_Grey(), 0);
}

int Wdg_Draw_Text(int x, int y, const char *text, const int *active)
{
    if (Wdg_State.area < 0) return 0;
    Add_Text(x, y, text, Wdg_State.font, On(active));
    return Wdg_Text_Width_In_Font(text, Wdg_State.font);
}

int Wdg_Draw_Text_If(int x, int y, const char *text, int active)
{
    return Wdg_Draw_Text(x, y, text, &active);
}

int Wdg_Printf_Text(int x, int y, const char *format, ...)
{
    if (Wdg_State.area < 0 || format == nullptr) return 0;
    char buf[256];
    va_list ap;
    va_start(ap, format);
    vsnprintf(buf, sizeof buf, format, ap);
    va_end(ap);
    return Wdg_Draw_Text(x, y, buf, nullptr);
}

static int Align_X(int x, int width, int halign)
{
    if (halign == 1) return x - width;
    if (halign == 4) return x - Half(width);
    return x;
}

static int Align_Y(int y, int vkind) { return vkind == 0 ? y + 9 : vkind == 4 ? y + 5 : y; }

int Wdg_Draw_Text_Aligned(int x, int y, const char *text, const int *active, int vkind, int halign)
{
    if (Wdg_State.area < 0) return 0;
    int w = Wdg_Text_Width_In_Font(text, Wdg_State.font);
    Add_Text(Align_X(x, w, halign), Align_Y(y, vkind), text, Wdg_State.font, On(active));
    return w;
}

int Wdg_Draw_Text_Centred(int x, int y, const char *text, const int *active)
{
    return Wdg_Draw_Text_Aligned(x, y, text, active, 1, 4);
}

/* Centre of the area registration row at the position of the current area. */
static int Area_Centre(void)
{
    int i = Wdg_State.area;
    if (i < 0 || i >= WDG_HOVER_AREAS) return 0;
    return (Wdg_Hover_Areas[i].x1 + Wdg_Hover_Areas[i].x2) / 2;
}

int Wdg_Draw_Text_Area_Centred(int x, int y, const char *text, const int *active)
{
    if (Wdg_State.area < 0) return 0;
    return Wdg_Draw_Text_Centred(Area_Centre(), y, text, active);
}

int Wdg_Draw_Text_Area_Centred_2(int x, int y, const char *text, const int *active)
{
    if (Wdg_State.area < 0) return 0;
    unsigned font = Wdg_State.font;
    int w = Wdg_Draw_Text_Centred(Area_Centre(), y, text, active);
    Wdg_State.font = font;
    return w;
}

int Wdg_Draw_Bold_Text(int x, int y, const char *text, const int *active)
{
    if (Wdg_State.area < 0) return 0;
    Add_Text(x, y, text, Wdg_State.font | 0x20000, On(active));
    int w = Plain_Width(text, Wdg_State.font);
    return w < 1 ? 2 : w + 5;
}

int Wdg_Printf_Bold_Text(int x, int y, const char *format, ...)
{
    if (Wdg_State.area < 0 || format == nullptr) return 0;
    char buf[256];
    va_list ap;
    va_start(ap, format);
    vsnprintf(buf, sizeof buf, format, ap);
    va_end(ap);
    return Wdg_Draw_Bold_Text(x, y, buf, nullptr);
}

int Wdg_Draw_Small_Text(int x, int y, const char *text, const int *active)
{
    if (Wdg_State.area < 0) return 0;
    Add_Text(x, y, text, Wdg_State.font | 2, On(active));
    return Wdg_Text_Width_In_Font(text, Wdg_State.font | 2);
}

int Wdg_Draw_Small_Styled_Text(int x, int y, const char *text, const int *active)
{
    if (Wdg_State.area < 0) return 0;
    Add_Text(x, y, text, Wdg_State.font | 0x10002, On(active));
    int w = Plain_Width(text, (Wdg_State.font & ~STYLE_BITS) | 2);
    return w < 1 ? 2 : w + 5;
}

int Wdg_Draw_Text_Hotspot(int x, int y, const char *text, int value, int *variable,
                          const int *active)
{
    if (Wdg_State.area < 0) return 0;
    int w = Wdg_Draw_Text(x, y, text, active);
    if (On(active)) {
        SVA_Add_Hotspot(Wdg_State.area, x, y - 10, x + w, y, value, variable);
        SVA_Set_Last_Hotspot_Value(Wdg_State.area, 18);
    }
    return w;
}

int Wdg_Draw_Text_Hotspot_2(int x, int y, const char *text, int value, int *variable,
                            const int *active)
{
    return Wdg_Draw_Text_Hotspot(x, y, text, value, variable, active);
}

/* Symbol with index (and exponent): returns the room of main text and index; *index_end is the
** x where the index ends. */
static int Symbol(int x, int y, const char *text, const char *index, const int *active,
                  unsigned keep_bits, int *index_end)
{
    bool bold = (Wdg_State.font & 0x10000) != 0;
    unsigned main_font = (bold ? 0x11000u : 4096u) | (Wdg_State.font & keep_bits);
    unsigned index_font = bold ? 0x11002u : 4098u;
    Add_Text(x, y, text, main_font, On(active));
    int w1 = Wdg_Text_Width_In_Font(text, main_font);
    int total = w1;
    *index_end = x + w1;
    if (index && index[0]) {
        Add_Text(x + w1 + 1, y + 1, index, index_font, On(active));
        int W = Plain_Width(index, index_font);
        int s = bold ? 2 : 0;
        total += W < 1 ? (bold ? 3 : 1) : s + W + 4;
        *index_end = x + total;
    }
    return total;
}

int Wdg_Draw_Symbol(int x, int y, const char *text, const char *index, const int *active)
{
    if (Wdg_State.area < 0) return 0;
    int end;
    return Symbol(x, y, text, index, active, 0, &end);
}

int Wdg_Draw_Symbol_Emph(int x, int y, const char *text, const char *index, const int *active)
{
    if (Wdg_State.area < 0) return 0;
    unsigned font = Wdg_State.font;
    Wdg_State.font |= 0x10000;
    int end;
    int w = Symbol(x, y, text, index, active, 0, &end);
    Wdg_State.font = font;
    return w;
}

/* Room of a symbol and index without drawing. */
static int Symbol_Width(const char *text, const char *index, unsigned keep_bits)
{
    bool bold = (Wdg_State.font & 0x10000) != 0;
    unsigned main_font = (bold ? 0x11000u : 4096u) | (Wdg_State.font & keep_bits);
    int total = Wdg_Text_Width_In_Font(text, main_font);
    if (index && index[0]) {
        int W = Plain_Width(index, bold ? 0x11002u : 4098u);
        total += W < 1 ? (bold ? 3 : 1) : (bold ? 2 : 0) + W + 4;
    }
    return total;
}

int Wdg_Draw_Symbol_Aligned(int x, int y, const char *text, const char *index, int vkind,
                            int halign, const int *active)
{
    if (Wdg_State.area < 0) return 0;
    unsigned keep = 0x60000;
    int w = Symbol_Width(text, index, keep);
    int end;
    return Symbol(Align_X(x, w, halign), Align_Y(y, vkind), text, index, active, keep, &end);
}

int Wdg_Draw_Symbol_Aligned_2(int x, int y, const char *text, const char *index, int vkind,
                              int halign, const int *active)
{
    return Wdg_Draw_Symbol_Aligned(x, y, text, index, vkind, halign, active);
}

int Wdg_Draw_Symbol_Index_Exp(int x, int y, const char *text, const char *index,
                              const char *exponent, const int *active)
{
    if (Wdg_State.area < 0) return 0;
    int end;
    int w = Symbol(x, y, text, index, active, 0, &end);
    if (exponent == nullptr || exponent[0] == 0) return w;
    bool bold = (Wdg_State.font & 0x10000) != 0;
    unsigned font = bold ? 0x11002u : 4098u;
    int ex = (index && index[0]) ? end - 1 : end;
    Add_Text(ex, y - 5, exponent, font, On(active));
    return (ex - x) + Wdg_Text_Width_In_Font(exponent, font);
}

int Wdg_Draw_Underlined_Text(int x, int y, const char *text, const int *active)
{
    if (Wdg_State.area < 0) return 0;
    int W = Plain_Width(text, Wdg_State.font);
    int s = (Wdg_State.font & STYLE_BITS) ? 2 : 0;
    int w = Wdg_Text_Width_In_Font(text, Wdg_State.font);
    Wdg_Draw_Line_World(x - 2, y + 3, x + w + 2, y + 3);
    Wdg_Draw_Text(x, y, text, active);
    return W < 1 ? 4 + s : W + 7 + s;
}

int Wdg_Draw_Boxed_Text(int x, int y, const char *text, const int *active)
{
    if (Wdg_State.area < 0) return 0;
    int W = Plain_Width(text, Wdg_State.font);
    int s = (Wdg_State.font & STYLE_BITS) ? 2 : 0;
    int w = Wdg_Text_Width_In_Font(text, Wdg_State.font);
    Wdg_Fill_Rect_World(x - 3, y + 5, x + w + 3, y - 12);
    Wdg_Draw_Text(x, y, text, active);
    return W < 1 ? 6 + s : W + 9 + s;
}

int Wdg_Draw_Boxed_Bold_Text(int x, int y, const char *text, const int *active)
{
    if (Wdg_State.area < 0) return 0;
    int w = Wdg_Text_Width_In_Font(text, Wdg_State.font);
    Wdg_Fill_Rect_World(x - 3, y + 5, x + w + 3, y - 12);
    return Wdg_Draw_Bold_Text(x, y, text, active) + 6;
}

/* ------------------------------------------------------------------ long tables */

/* What a row block of the widget layer keeps: the widget state of its creation, the row
** function and the caller's data after it. */
struct Row_Block {
    Wdg_State_Record state;
    Wdg_Row_Fn fn;
    size_t size;
    alignas(std::max_align_t) unsigned char data[1];
};

static void Widget_Row(int area, int row, int y, void *user)
{
    Row_Block *b = (Row_Block *)user;
    Wdg_State_Record saved = Wdg_State;
    Wdg_State = b->state;
    Wdg_State.area = area;
    b->fn(row, y, b->data);
    Wdg_State = saved;
}

void Wdg_Add_Rows(int y0, int row_h, int count, Wdg_Row_Fn fn, const void *data, size_t size)
{
    if (Wdg_State.area < 0 || fn == nullptr || count <= 0) return;
    Row_Block *b = (Row_Block *)Dbg_Malloc(__FILE__, __LINE__, "null", sizeof(Row_Block) + size);
    Check_Alloc_Or_Exit(b);
    b->state = Wdg_State;
    b->fn = fn;
    b->size = size;
    if (size > 0 && data != nullptr) memcpy(b->data, data, size);
    SVA_Add_Rows(Wdg_State.area, y0, row_h, count, Widget_Row, b);
}
