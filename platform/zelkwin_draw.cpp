/*
** Pixel graphics of the GUI stand-in: lines (styles, patterns, thick), rectangles, polygons with
** fill patterns, dots, masks, the exclusive-or mode, the clip viewport, buffering and saved
** screen rectangles. Lines and rectangles are set pixel by pixel so that XOR drawing undoes itself.
*/
#include <cairo.h>

#include <cstdlib>
#include <cstring>

#include "platform/zelkwin_internal.h"

namespace zw {

static uint32_t *Pixels(int *stride)
{
    State &s = St();
    cairo_surface_flush(s.surface);
    *stride = cairo_image_surface_get_stride(s.surface) / 4;
    return (uint32_t *)cairo_image_surface_get_data(s.surface);
}

static void Pixels_Done(int x1, int y1, int x2, int y2)
{
    State &s = St();
    if (x2 < x1 || y2 < y1) return;
    cairo_surface_mark_dirty_rectangle(s.surface, x1, y1, x2 - x1 + 1, y2 - y1 + 1);
    Mark_Dirty();
}

/* The clip as an inclusive rectangle inside the screen. */
static void Clip(int *x1, int *y1, int *x2, int *y2)
{
    State &s = St();
    *x1 = s.vx1 > 0 ? s.vx1 : 0;
    *y1 = s.vy1 > 0 ? s.vy1 : 0;
    *x2 = s.vx2 < NPIXEL_X - 1 ? s.vx2 : NPIXEL_X - 1;
    *y2 = s.vy2 < NPIXEL_Y - 1 ? s.vy2 : NPIXEL_Y - 1;
}

static inline void Put(uint32_t *p, int stride, int x, int y, uint32_t rgb, bool xr)
{
    uint32_t &px = p[y * stride + x];
    px = xr ? ((px ^ rgb) & 0xFFFFFF) : rgb;
}

void Set_Clip_Full()
{
    State &s = St();
    s.vx1 = 0;
    s.vy1 = 0;
    s.vx2 = NPIXEL_X - 1;
    s.vy2 = NPIXEL_Y - 1;
}

void Reset_Draw_State()
{
    State &s = St();
    s.fg = BLACK_CI;
    s.op = 0;
    s.line_style = 0;
    s.line_pattern = 0xFFFFFFFFu;
    s.fill_user = false;
    s.buff_mode = 0;
    s.font = 0x1000;
    Set_Clip_Full();
}

void Fill_Rect_Rgb(int x1, int y1, int x2, int y2, uint32_t rgb)
{
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    int cx1, cy1, cx2, cy2;
    Clip(&cx1, &cy1, &cx2, &cy2);
    if (x1 < cx1) x1 = cx1;
    if (y1 < cy1) y1 = cy1;
    if (x2 > cx2) x2 = cx2;
    if (y2 > cy2) y2 = cy2;
    if (x1 > x2 || y1 > y2) return;
    int stride;
    uint32_t *p = Pixels(&stride);
    bool xr = St().op == 3;
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++) Put(p, stride, x, y, rgb, xr);
    Pixels_Done(x1, y1, x2, y2);
}

/* A line of single pixels with the current pattern (the pattern starts at the first point).
** Steps along the major axis; the minor axis follows the nearest pixel, rounded half up
** (Bresenham's midpoint rule). Only the steps inside the clip are walked, so that lines far
** longer than the screen cost no more than the screen's width. */
static void Line_Rgb(int x1, int y1, int x2, int y2, uint32_t rgb, uint32_t pattern)
{
    int cx1, cy1, cx2, cy2;
    Clip(&cx1, &cy1, &cx2, &cy2);
    if (cx1 > cx2 || cy1 > cy2) return;
    if ((x1 < cx1 && x2 < cx1) || (x1 > cx2 && x2 > cx2) || (y1 < cy1 && y2 < cy1)
        || (y1 > cy2 && y2 > cy2))
        return;
    long long adx = llabs((long long)x2 - x1), ady = llabs((long long)y2 - y1);
    bool xmajor = adx >= ady;
    long long len = xmajor ? adx : ady, amin = xmajor ? ady : adx;
    long long a1 = xmajor ? x1 : y1, b1 = xmajor ? y1 : x1;
    int sa = (xmajor ? x2 >= x1 : y2 >= y1) ? 1 : -1, sb = (xmajor ? y2 >= y1 : x2 >= x1) ? 1 : -1;
    long long ca1 = xmajor ? cx1 : cy1, ca2 = xmajor ? cx2 : cy2;
    long long cb1 = xmajor ? cy1 : cx1, cb2 = xmajor ? cy2 : cx2;
    /* steps k whose major coordinate lies in the clip */
    long long k0 = sa > 0 ? ca1 - a1 : a1 - ca2, k1 = sa > 0 ? ca2 - a1 : a1 - ca1;
    if (k0 < 0) k0 = 0;
    if (k1 > len) k1 = len;
    int stride;
    uint32_t *p = Pixels(&stride);
    bool xr = St().op == 3;
    int bx1 = INT32_MAX, by1 = INT32_MAX, bx2 = INT32_MIN, by2 = INT32_MIN;
    for (long long k = k0; k <= k1; k++) {
        long long off = len ? (long long)(((__int128)2 * k * amin + len) / ((__int128)2 * len)) : 0;
        long long b = b1 + sb * off;
        if (b < cb1 || b > cb2) {
            if ((sb > 0 && b > cb2) || (sb < 0 && b < cb1)) break; /* left the clip for good */
            continue;
        }
        if (!((pattern >> (31 - (k & 31))) & 1u)) continue;
        int x = (int)(xmajor ? a1 + sa * k : b), y = (int)(xmajor ? b : a1 + sa * k);
        Put(p, stride, x, y, rgb, xr);
        bx1 = std::min(bx1, x);
        by1 = std::min(by1, y);
        bx2 = std::max(bx2, x);
        by2 = std::max(by2, y);
    }
    Pixels_Done(bx1, by1, bx2, by2);
}

void Frame_Rect(int x1, int y1, int x2, int y2, int colour)
{
    uint32_t rgb = Colour_Rgb(colour);
    Line_Rgb(x1, y1, x2, y1, rgb, 0xFFFFFFFFu);
    Line_Rgb(x1, y2, x2, y2, rgb, 0xFFFFFFFFu);
    Line_Rgb(x1, y1 + 1, x1, y2 - 1, rgb, 0xFFFFFFFFu);
    Line_Rgb(x2, y1 + 1, x2, y2 - 1, rgb, 0xFFFFFFFFu);
}

/* A raised (or sunken) 3-D edge of two pixels. */
void Bevel(int x1, int y1, int x2, int y2, bool raised)
{
    uint32_t hi = Colour_Rgb(WHITE_CI), lo = Colour_Rgb(SHADOW_CI), dk = Colour_Rgb(DKSHADOW_CI);
    uint32_t a = raised ? hi : lo, b = raised ? dk : hi;
    Line_Rgb(x1, y1, x2 - 1, y1, a, ~0u);
    Line_Rgb(x1, y1, x1, y2 - 1, a, ~0u);
    Line_Rgb(x1, y2, x2, y2, b, ~0u);
    Line_Rgb(x2, y1, x2, y2, b, ~0u);
    if (raised) {
        Line_Rgb(x1 + 1, y2 - 1, x2 - 1, y2 - 1, lo, ~0u);
        Line_Rgb(x2 - 1, y1 + 1, x2 - 1, y2 - 1, lo, ~0u);
    } else {
        Line_Rgb(x1 + 1, y1 + 1, x2 - 2, y1 + 1, dk, ~0u);
        Line_Rgb(x1 + 1, y1 + 1, x1 + 1, y2 - 2, dk, ~0u);
    }
}

} // namespace zw

using namespace zw;

/* ---------------------------------------------------------------- lines and areas */

void pxLine(int x1, int y1, int x2, int y2)
{
    Ensure_Init();
    Line_Rgb(x1, y1, x2, y2, Colour_Rgb(St().fg), St().line_pattern);
}

void pxTkLn(int x1, int y1, int x2, int y2, int width)
{
    Ensure_Init();
    if (width <= 1 || St().op == 3) {
        pxLine(x1, y1, x2, y2);
        return;
    }
    State &s = St();
    uint32_t c = Colour_Rgb(s.fg);
    cairo_t *cr = s.cr;
    cairo_save(cr);
    int cx1, cy1, cx2, cy2;
    Clip(&cx1, &cy1, &cx2, &cy2);
    cairo_rectangle(cr, cx1, cy1, cx2 - cx1 + 1, cy2 - cy1 + 1);
    cairo_clip(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_source_rgb(cr, ((c >> 16) & 255) / 255.0, ((c >> 8) & 255) / 255.0,
                         (c & 255) / 255.0);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, x1 + 0.5, y1 + 0.5);
    cairo_line_to(cr, x2 + 0.5, y2 + 0.5);
    cairo_stroke(cr);
    cairo_restore(cr);
    Mark_Dirty();
}

void pxRect(int x1, int y1, int x2, int y2)
{
    Ensure_Init();
    State &s = St();
    if (!s.fill_user) {
        Fill_Rect_Rgb(x1, y1, x2, y2, Colour_Rgb(s.fg));
        return;
    }
    int xs[4] = {x1, x2 + 1, x2 + 1, x1}, ys[4] = {y1, y1, y2 + 1, y2 + 1};
    pxFill(4, xs, ys);
}

void pxFill(int n, const int *xs, const int *ys)
{
    Ensure_Init();
    if (n < 3 || !xs || !ys) return;
    State &s = St();
    uint32_t c = Colour_Rgb(s.fg);
    cairo_t *cr = s.cr;
    cairo_save(cr);
    int cx1, cy1, cx2, cy2;
    Clip(&cx1, &cy1, &cx2, &cy2);
    cairo_rectangle(cr, cx1, cy1, cx2 - cx1 + 1, cy2 - cy1 + 1);
    cairo_clip(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_move_to(cr, xs[0] + 0.5, ys[0] + 0.5);
    for (int i = 1; i < n; i++) cairo_line_to(cr, xs[i] + 0.5, ys[i] + 0.5);
    cairo_close_path(cr);
    double r = ((c >> 16) & 255) / 255.0, g = ((c >> 8) & 255) / 255.0, b = (c & 255) / 255.0;
    if (s.op == 3) cairo_set_operator(cr, CAIRO_OPERATOR_DIFFERENCE);
    if (s.fill_user) {
        cairo_surface_t *pat = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 16, 16);
        uint32_t *pp = (uint32_t *)cairo_image_surface_get_data(pat);
        int ps = cairo_image_surface_get_stride(pat) / 4;
        uint32_t argb = 0xFF000000u | c;
        for (int y = 0; y < 16; y++)
            for (int x = 0; x < 16; x++)
                pp[y * ps + x] = ((s.fill_pattern[y] >> (15 - x)) & 1) ? argb : 0;
        cairo_surface_mark_dirty(pat);
        cairo_pattern_t *p = cairo_pattern_create_for_surface(pat);
        cairo_pattern_set_extend(p, CAIRO_EXTEND_REPEAT);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        cairo_surface_destroy(pat);
    } else {
        cairo_set_source_rgb(cr, r, g, b);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr); /* the outline's pixels belong to the polygon, as with pxRect */
    }
    cairo_restore(cr);
    Mark_Dirty();
}

void pxDot(int x, int y)
{
    Ensure_Init();
    int cx1, cy1, cx2, cy2;
    Clip(&cx1, &cy1, &cx2, &cy2);
    if (x < cx1 || x > cx2 || y < cy1 || y > cy2) return;
    int stride;
    uint32_t *p = Pixels(&stride);
    Put(p, stride, x, y, Colour_Rgb(St().fg), St().op == 3);
    Pixels_Done(x, y, x, y);
}

void pxMask(int x1, int y1, int x2, int y2, const unsigned char *bits, int bytes_per_row)
{
    Ensure_Init();
    if (!bits || bytes_per_row <= 0) return;
    int cx1, cy1, cx2, cy2;
    Clip(&cx1, &cy1, &cx2, &cy2);
    int stride;
    uint32_t *p = Pixels(&stride);
    uint32_t rgb = Colour_Rgb(St().fg);
    bool xr = St().op == 3;
    int w = x2 - x1 + 1;
    if (w > bytes_per_row * 8) w = bytes_per_row * 8;
    for (int r = 0; r <= y2 - y1; r++)
        for (int c = 0; c < w; c++) {
            int x = x1 + c, y = y1 + r;
            if (x < cx1 || x > cx2 || y < cy1 || y > cy2) continue;
            if ((bits[r * bytes_per_row + c / 8] >> (7 - c % 8)) & 1) Put(p, stride, x, y, rgb, xr);
        }
    Pixels_Done(std::max(x1, cx1), std::max(y1, cy1), std::min(x2, cx2), std::min(y2, cy2));
}

void pxSLn(int style)
{
    Ensure_Init();
    static const uint32_t patterns[] = {0xFFFFFFFFu, 0xCCCCCCCCu, 0xFFF0FFF0u, 0xFFE4FFE4u,
                                        0xFFFFFF00u};
    St().line_style = style;
    St().line_pattern = style >= 0 && style < 5 ? patterns[style] : 0xFFFFFFFFu;
}

void pxSULn(uint32_t pattern)
{
    Ensure_Init();
    St().line_style = -1;
    St().line_pattern = pattern ? pattern : 0xFFFFFFFFu;
}

void pxSFA(int style)
{
    Ensure_Init();
    (void)style;
    St().fill_user = false;
}

void pxSUFA(const uint16_t *pattern)
{
    Ensure_Init();
    if (!pattern) {
        St().fill_user = false;
        return;
    }
    memcpy(St().fill_pattern, pattern, sizeof St().fill_pattern);
    St().fill_user = true;
}

int pxSBop(int op)
{
    Ensure_Init();
    int old = St().op;
    St().op = op == 3 ? 3 : 0;
    return old;
}

void pxView(int x1, int y1, int x2, int y2)
{
    Ensure_Init();
    State &s = St();
    s.vx1 = std::min(x1, x2);
    s.vx2 = std::max(x1, x2);
    s.vy1 = std::min(y1, y2);
    s.vy2 = std::max(y1, y2);
}

void pxQVwp(int *x1, int *y1, int *x2, int *y2)
{
    Ensure_Init();
    State &s = St();
    if (x1) *x1 = s.vx1;
    if (y1) *y1 = s.vy1;
    if (x2) *x2 = s.vx2;
    if (y2) *y2 = s.vy2;
}

int pxBuff(int mode)
{
    Ensure_Init();
    State &s = St();
    int old = s.buff_mode;
    s.buff_mode = mode < 0 ? -1 : 0;
    if (s.buff_mode == 0 && s.dirty) Present();
    return old;
}

void pxFlsh(void)
{
    Ensure_Init();
    Present();
}

/* ---------------------------------------------------------------- saved rectangles */

static void Order(int *x1, int *y1, int *x2, int *y2)
{
    if (*x1 > *x2) std::swap(*x1, *x2);
    if (*y1 > *y2) std::swap(*y1, *y2);
}

int pxQSvR(int x1, int y1, int x2, int y2)
{
    Order(&x1, &y1, &x2, &y2);
    return (x2 - x1 + 1) * (y2 - y1 + 1) * 4;
}

void pxSvRc(int x1, int y1, int x2, int y2, void *buffer)
{
    Ensure_Init();
    if (!buffer) return;
    Order(&x1, &y1, &x2, &y2);
    int stride;
    uint32_t *p = Pixels(&stride);
    uint32_t *out = (uint32_t *)buffer;
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++)
            *out++ = (x >= 0 && y >= 0 && x < NPIXEL_X && y < NPIXEL_Y) ? p[y * stride + x] : 0;
}

void pxStRc(int x1, int y1, int x2, int y2, const void *buffer)
{
    Ensure_Init();
    if (!buffer) return;
    Order(&x1, &y1, &x2, &y2);
    int stride;
    uint32_t *p = Pixels(&stride);
    const uint32_t *in = (const uint32_t *)buffer;
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++, in++)
            if (x >= 0 && y >= 0 && x < NPIXEL_X && y < NPIXEL_Y) p[y * stride + x] = *in;
    Pixels_Done(std::max(0, x1), std::max(0, y1), std::min(NPIXEL_X - 1, x2),
                std::min(NPIXEL_Y - 1, y2));
}

int Save_Screen_Rectangle(int x1, int y1, int x2, int y2)
{
    Ensure_Init();
    Order(&x1, &y1, &x2, &y2);
    Saved_Rect r{x1, y1, x2, y2, {}};
    r.pixels.resize((size_t)(x2 - x1 + 1) * (size_t)(y2 - y1 + 1));
    pxSvRc(x1, y1, x2, y2, r.pixels.data());
    St().saved.push_back(std::move(r));
    if (St().saved.size() > 64) St().saved.erase(St().saved.begin());
    return 1;
}

int Restore_Screen_Rectangle(int x1, int y1, int x2, int y2)
{
    Ensure_Init();
    Order(&x1, &y1, &x2, &y2);
    auto &v = St().saved;
    for (size_t i = v.size(); i-- > 0;) {
        if (v[i].x1 == x1 && v[i].y1 == y1 && v[i].x2 == x2 && v[i].y2 == y2) {
            pxStRc(x1, y1, x2, y2, v[i].pixels.data());
            v.erase(v.begin() + (long)i);
            return 1;
        }
    }
    return 0;
}
