/*
** Screen drawing primitives: the plotter's transform X = ((x - x0) cos a + (y - y0) sin a) sx,
** Y = ((y - y0) cos a - (x - x0) sin a) sy, pen lines, figures, dimension lines and their value
** texts, texts, HSL lightening, the bar and the two image-button popups. Pixels are rounded half
** away from zero.
*/
#include "dialogs/screen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "dialogs/sva.h"
#include "foundation/foundation.h"
#include "platform/zelkwin.h"

Screen_Plotter_State Screen_Plotter = {0, 0, 0, 1.0, 1.0, 1, 0, {0, 0}, {0, 0}};

static const double Deg = M_PI / 180.0;

/* ------------------------------------------------------------------ transform */

void Screen_Set_Transform(double x0, double y0, double angle, double sx, double sy)
{
    Screen_Plotter.x0 = x0;
    Screen_Plotter.y0 = y0;
    Screen_Plotter.angle = angle;
    Screen_Plotter.sx = sx;
    Screen_Plotter.sy = sy;
}

double Screen_Get_Scale_X(void) { return Screen_Plotter.sx; }
double Screen_Get_Scale_Y(void) { return Screen_Plotter.sy; }

void Screen_World_To_Pixel(double *x, double *y)
{
    const Screen_Plotter_State &p = Screen_Plotter;
    if (x && y) {
        double c = cos(p.angle), s = sin(p.angle);
        double u = *x - p.x0, w = *y - p.y0;
        *x = (u * c + w * s) * p.sx;
        *y = (w * c - u * s) * p.sy;
    } else if (x) {
        *x *= p.sx;
    } else if (y) {
        *y *= p.sy;
    }
}

void Screen_Pixel_To_World(double *x, double *y)
{
    const Screen_Plotter_State &p = Screen_Plotter;
    if (x == nullptr || y == nullptr || p.sx == 0 || p.sy == 0) return;
    double c = cos(p.angle), s = sin(p.angle);
    double u = *x / p.sx, w = *y / p.sy;
    *x = u * c - w * s + p.x0;
    *y = u * s + w * c + p.y0;
}

double Screen_Pixel_Distance(double x1, double y1, double x2, double y2)
{
    Screen_World_To_Pixel(&x1, &y1);
    Screen_World_To_Pixel(&x2, &y2);
    return hypot(x2 - x1, y2 - y1);
}

static void To_Pixel(double x, double y, int *X, int *Y)
{
    Screen_World_To_Pixel(&x, &y);
    *X = Round_Pixel(x);
    *Y = Round_Pixel(y);
}

/* ------------------------------------------------------------------ pen and patterns */

void Screen_Set_Pen_Width(int w) { Screen_Plotter.pen_width = w; }

void Screen_Set_Line_Style(int s)
{
    Screen_Plotter.line_style = s;
    pxSLn(s);
}

int Screen_Get_Line_Style(void) { return Screen_Plotter.line_style; }

void Screen_Set_Pattern_Dotted(void)
{
    uint16_t p[16];
    for (int i = 0; i < 16; i++) p[i] = (i % 2 == 0) ? 21845 : 0;
    pxSUFA(p);
}

void Screen_Set_Pattern_Brick(void)
{
    static const uint16_t rows[4] = {2064, 1632, 37257, 24582};
    uint16_t p[16];
    for (int i = 0; i < 16; i++) p[i] = rows[i % 4];
    pxSUFA(p);
}

void Screen_Set_Pattern_Diagonal(void)
{
    uint16_t p[16];
    for (int i = 0; i < 16; i++) p[i] = 4369;
    pxSUFA(p);
}

/* ------------------------------------------------------------------ figures */

void Screen_Draw_Line(double x1, double y1, double x2, double y2)
{
    int w = Screen_Plotter.pen_width;
    if (w <= 0) return;
    int X1, Y1, X2, Y2;
    To_Pixel(x1, y1, &X1, &Y1);
    To_Pixel(x2, y2, &X2, &Y2);
    int style = Screen_Plotter.line_style;
    if (w == 1) {
        pxLine(X1, Y1, X2, Y2);
    } else if (w > 3 || style == 0) {
        pxTkLn(X1, Y1, X2, Y2, w);
    } else {
        bool flat = abs(X2 - X1) > abs(Y2 - Y1);
        static const int offsets[3] = {1, 0, -1};
        for (int k = 0; k < w; k++) {
            int dx = flat ? 0 : offsets[k], dy = flat ? offsets[k] : 0;
            pxSLn(style);
            pxLine(X1 + dx, Y1 + dy, X2 + dx, Y2 + dy);
        }
    }
}

void Screen_Draw_Line_H(double x1, double x2, double y) { Screen_Draw_Line(x1, y, x2, y); }
void Screen_Draw_Line_V(double x, double y1, double y2) { Screen_Draw_Line(x, y1, x, y2); }

void Screen_Draw_Polygon(int n, const double *xs, const double *ys)
{
    if (n < 1 || xs == nullptr || ys == nullptr) return;
    for (int k = 0; k < n; k++) {
        int j = (k + 1) % n;
        Screen_Draw_Line(xs[k], ys[k], xs[j], ys[j]);
    }
}

static void Circle_Points(double cx, double cy, double r, double *xs, double *ys)
{
    for (int k = 0; k < 72; k++) {
        xs[k] = cx + r * cos(5.0 * k * Deg);
        ys[k] = cy + r * sin(5.0 * k * Deg);
    }
}

void Screen_Draw_Circle(double cx, double cy, double r)
{
    double xs[72], ys[72];
    Circle_Points(cx, cy, r, xs, ys);
    Screen_Draw_Polygon(72, xs, ys);
}

void Screen_Fill_Polygon(int n, const double *xs, const double *ys)
{
    if (n < 1 || xs == nullptr || ys == nullptr) return;
    int *px = (int *)Mem_Realloc(nullptr, sizeof(int) * 2 * (size_t)n, 0);
    int *py = px + n;
    for (int k = 0; k < n; k++) To_Pixel(xs[k], ys[k], &px[k], &py[k]);
    pxFill(n, px, py);
    Mem_Free(&px);
}

void Screen_Fill_Circle(double cx, double cy, double r)
{
    double xs[72], ys[72];
    Circle_Points(cx, cy, r, xs, ys);
    Screen_Fill_Polygon(72, xs, ys);
}

void Screen_Draw_Dot(double x, double y)
{
    int r = Round_Pixel(Screen_Plotter.pen_width / 2.0);
    int X, Y;
    To_Pixel(x, y, &X, &Y);
    if (r < 2) {
        pxDot(X, Y);
        return;
    }
    int px[72], py[72];
    for (int k = 0; k < 72; k++) {
        px[k] = Round_Pixel(X + r * cos(5.0 * k * Deg));
        py[k] = Round_Pixel(Y + r * sin(5.0 * k * Deg));
    }
    pxFill(72, px, py);
}

void Screen_Fill_Strip(double x1, double y1, double x2, double y2, double w,
                       const uint16_t *pattern)
{
    double dx = x2 - x1, dy = y2 - y1;
    double a = fabs(dx) < 1e-5 ? M_PI / 2 : atan(dy / dx);
    double ox = -sin(a) * w / 2, oy = cos(a) * w / 2;
    double xs[4] = {x1 + ox, x2 + ox, x2 - ox, x1 - ox};
    double ys[4] = {y1 + oy, y2 + oy, y2 - oy, y1 - oy};
    if (pattern) pxSUFA(pattern);
    Screen_Fill_Polygon(4, xs, ys);
    if (pattern) pxSFA(0);
}

void Screen_Draw_Rect(double x1, double y1, double x2, double y2)
{
    int X1, Y1, X2, Y2;
    To_Pixel(x1, y1, &X1, &Y1);
    To_Pixel(x2, y2, &X2, &Y2);
    pxRect(X1, Y1, X2, Y2);
}

void Screen_Fill_Rect_Centred(double x, double y, double w, double h)
{
    Screen_Draw_Rect(x - w / 2, y - h / 2, x + w / 2, y + h / 2);
}

void Screen_Erase_Rect(int x1, int y1, int x2, int y2)
{
    int fg = pxQFgc();
    pxFgc(-1);
    pxRect(x1, y1, x2, y2);
    pxFgc(fg);
}

void Screen_Draw_Arrow(double x1, double y1, double x2, double y2, double head_len,
                       double head_width, int filled)
{
    double len = hypot(x2 - x1, y2 - y1);
    head_len = std::min(head_len, len);
    head_width = std::min(head_width, head_len);
    double a = Geo_Line_Angle(x1, y1, x2, y2);
    double lx[3] = {x1, x2, 0}, ly[3] = {y1, y2, 0};
    Geo_To_Local(lx, ly, 2, x1, y1, a, 1.0);
    double tip = lx[1];
    double bx[3] = {tip, tip - head_len, tip - head_len};
    double by[3] = {0, head_width / 2, -head_width / 2};
    Geo_To_Global(bx, by, 3, x1, y1, a, 1.0);
    Screen_Draw_Line(x1, y1, x2, y2);
    if (filled == 1) {
        Screen_Fill_Polygon(3, bx, by);
    } else {
        Screen_Draw_Line(bx[1], by[1], bx[0], by[0]);
        Screen_Draw_Line(bx[2], by[2], bx[0], by[0]);
    }
}

static void Axes(double x, double y, double angle, double len_x, double len_y, double scale,
                 const char *label_x, const char *label_y, int variant)
{
    if (scale == 0) return;
    double head = 10.0 / scale, width = 0.8 * head;
    double ex[2] = {len_x / scale, 0}, ey[2] = {0, len_y / scale};
    Geo_To_Global(ex, ey, 2, x, y, angle, 1.0);
    Screen_Draw_Arrow(x, y, ex[0], ey[0], head, width, 1);
    Screen_Draw_Arrow(x, y, ex[1], ey[1], head, width, 1);
    double off = 0.6 * head;
    double lx[2] = {len_x / scale + off, variant ? -off : off};
    double ly[2] = {variant ? -off : off, len_y / scale + off};
    Geo_To_Global(lx, ly, 2, x, y, angle, 1.0);
    if (label_x) Screen_Draw_Text(lx[0], ly[0], label_x, 4096, 0);
    if (label_y) Screen_Draw_Text(lx[1], ly[1], label_y, 4096, 0);
}

void Screen_Draw_Axes(double x, double y, double angle, double len_x, double len_y, double scale,
                      const char *label_x, const char *label_y)
{
    Axes(x, y, angle, len_x, len_y, scale, label_x, label_y, 0);
}

void Screen_Draw_Axes_2(double x, double y, double angle, double len_x, double len_y, double scale,
                        const char *label_x, const char *label_y)
{
    Axes(x, y, angle, len_x, len_y, scale, label_x, label_y, 1);
}

/* ------------------------------------------------------------------ dimensions */

int Screen_Dimension_Text(double length, char *text, int text_size, char *raised, int raised_size)
{
    text[0] = 0;
    raised[0] = 0;
    double L = Round_To_Decimals(length, 3);
    if (L < 0.01) return 0;
    double V = 100.0 * L;
    int n = (int)(V + 0.0001);
    double f = Round_To_Decimals(V - n, 2);
    bool half = 0.25 <= f && f < 0.74999;
    if (L < 1) {
        if (half) {
            snprintf(text, (size_t)text_size, "%d", n);
            snprintf(raised, (size_t)raised_size, "5");
        } else {
            snprintf(text, (size_t)text_size, "%.0f", V);
        }
    } else {
        if (Round_To_Decimals(V - 0.75 - n, 2) >= 0) n++;
        snprintf(text, (size_t)text_size, "%.2f", n / 100.0);
        if (half) snprintf(raised, (size_t)raised_size, "5");
    }
    return 1;
}

void Screen_Draw_Dimension(int mode, double x1, double y1, double x2, double y2, double offset,
                           const char *value, const char *raised)
{
    const Screen_Plotter_State &p = Screen_Plotter;
    if (p.sx == 0 || p.sy == 0) return;
    if (mode == 0 || mode == 1) {
        Screen_Pixel_To_World(&x1, &y1);
        Screen_Pixel_To_World(&x2, &y2);
    }
    double t = 5.0 / fabs(p.sx), d = offset / fabs(p.sy);
    double a = Geo_Line_Angle(x1, y1, x2, y2);
    double px[2] = {x1, x2}, py[2] = {y1, y2};
    Geo_To_Local(px, py, 2, 0.0, 0.0, a, 1.0);
    double u1 = px[0], u2 = px[1], v = py[0];
    double sg = u2 >= u1 ? 1.0 : -1.0;
    double qx[7] = {u1 - sg * t, u2 + sg * t, u1, u1, u2, u2, (u1 + u2) / 2};
    double qy[7] = {v, v, v - t, v + d, v - t, v + d, v + 10.0 / fabs(p.sy)};
    Geo_To_Global(qx, qy, 7, 0.0, 0.0, a, 1.0);
    Screen_Draw_Line(qx[0], qy[0], qx[1], qy[1]);
    Screen_Draw_Line(qx[2], qy[2], qx[3], qy[3]);
    Screen_Draw_Line(qx[4], qy[4], qx[5], qy[5]);
    if (value == nullptr || value[0] == 0) return;
    int X, Y;
    To_Pixel(qx[6], qy[6], &X, &Y);
    pxExpF(0.7);
    pxSpac(0.1);
    pxChH(12);
    int w = 0, h = 0, wr = 0, hr = 0;
    pxQGTX(value, &w, &h);
    if (raised && raised[0]) {
        pxChH(8.4);
        pxQGTX(raised, &wr, &hr);
        pxChH(12);
    }
    pxOrnt(M_PI - a);
    pxGBTt(X - wr / 2, Y, value, 210);
    if (raised && raised[0]) {
        pxChH(8.4);
        pxGBTt(X - wr / 2 + (w + wr) / 2, Y - 4, raised, 210);
    }
    pxOrnt(0);
}

void Screen_Draw_Dimension_Value(int mode, double x1, double y1, double x2, double y2,
                                 double offset)
{
    double a1 = x1, b1 = y1, a2 = x2, b2 = y2;
    if (mode == 0 || mode == 1) {
        Screen_Pixel_To_World(&a1, &b1);
        Screen_Pixel_To_World(&a2, &b2);
    }
    char text[64], raised[8];
    if (!Screen_Dimension_Text(hypot(a2 - a1, b2 - b1), text, sizeof text, raised, sizeof raised))
        return;
    Screen_Draw_Dimension(mode, x1, y1, x2, y2, offset, text, raised);
}

/* ------------------------------------------------------------------ texts */

void Screen_Draw_Text(double x, double y, const char *text, int font, int bold)
{
    if (text == nullptr) return;
    int X, Y;
    To_Pixel(x, y, &X, &Y);
    Pop_RFont(font);
    pxText(X, Y, text, -1);
    if (bold) pxText(X + 1, Y, text, -1);
    Push_RFont();
}

void Screen_Draw_Text_Bold(double x, double y, const char *text, int font)
{
    Screen_Draw_Text(x, y, text, font, 1);
}

void Screen_Draw_Text_At(double x, double y, const char *text, int font)
{
    Screen_Draw_Text(x, y, text, font, 0);
}

void Screen_Draw_Text_Right(double x, double y, const char *text, int font)
{
    if (text == nullptr) return;
    int s = (font & 0x10000) ? 2 : 0;
    int W = Text_Width_In_Font(text, font & ~0x10000);
    int X, Y;
    To_Pixel(x, y, &X, &Y);
    X -= W + s - 2;
    Pop_RFont(font & ~0x10000);
    pxText(X, Y, text, -1);
    if (s) pxText(X + 1, Y, text, -1);
    Push_RFont();
}

void Screen_Draw_Boxed_Text(double x, double y, const char *text, int font, int vkind, int halign)
{
    if (text == nullptr) return;
    static const int codes[3][3] = {{0xC9, 0xCC, 0xCA}, {0xD1, 0xD4, 0xD2}, {0xE1, 0xE4, 0xE2}};
    int v = vkind == 0 ? 0 : vkind == 4 ? 1 : 2;
    int h = halign == 1 ? 1 : halign == 4 ? 2 : 0;
    int X, Y;
    To_Pixel(x, y, &X, &Y);
    Pop_RFont(font);
    pxBTxt(X - 5, Y - 5, X + 5, Y + 5, text, -1, codes[v][h]);
    Push_RFont();
}

void Screen_Fill_Rect_Colour(int x1, int y1, int x2, int y2, int colour)
{
    pxFgc(colour);
    pxRect(x1, y1, x2, y2);
}

int Screen_Text_Width(const char *text, int font)
{
    int s = (font & 0x10000) ? 2 : 0;
    return Text_Width_In_Font(text, font & ~0x10000) + 3 + s;
}

void Screen_Animate_Rect(int fx1, int fy1, int fx2, int fy2, int tx1, int ty1, int tx2, int ty2)
{
    int fg = pxQFgc();
    int op = pxSBop(3);
    pxFgc(1);
    for (int i = 0; i <= 6; i++) {
        double t = i / 6.0;
        int x1 = (int)(fx1 + (tx1 - fx1) * t), y1 = (int)(fy1 + (ty1 - fy1) * t);
        int x2 = (int)(fx2 + (tx2 - fx2) * t), y2 = (int)(fy2 + (ty2 - fy2) * t);
        for (int pass = 0; pass < 2; pass++) {
            pxLine(x1, y1, x2, y1);
            pxLine(x2, y1, x2, y2);
            pxLine(x2, y2, x1, y2);
            pxLine(x1, y2, x1, y1);
            if (pass == 0) {
                pxFlsh();
                VELSleep(10);
            }
        }
    }
    pxSBop(op);
    pxFgc(fg);
    pxFlsh();
}

unsigned char *Screen_Flag_Set_Init(int n)
{
    if (n < 1) return nullptr;
    return (unsigned char *)Mem_Calloc((size_t)(n + 7) / 8);
}

/* ------------------------------------------------------------------ bar and texts */

void Screen_Draw_Bar(int x, int y, double value)
{
    int fg = pxQFgc();
    pxFgc(GetVELColor(-1));
    pxRect(x - 1, y + 3, (int)(x + 8 * value), y - 10);
    pxFgc(fg);
}

void Screen_Draw_Text_Colour(int x, int y, const char *text, int font, int colour)
{
    if (text == nullptr) return;
    int fg = pxQFgc();
    Pop_RFont(font);
    pxFgc(colour);
    pxText(x, y, text, -1);
    Push_RFont();
    pxFgc(fg);
}

void Screen_Draw_Text_State(int x, int y, const char *text, int font, int state)
{
    Screen_Draw_Text_Colour(x, y, text, font, state == -1 ? -6 : state == 0 ? -1 : -9);
}

/* ------------------------------------------------------------------ colours */

static double Hue_To_Rgb(double p, double q, double t)
{
    if (t < 0) t += 1;
    if (t > 1) t -= 1;
    if (t < 1.0 / 6) return p + (q - p) * 6 * t;
    if (t < 0.5) return q;
    if (t < 2.0 / 3) return p + (q - p) * (2.0 / 3 - t) * 6;
    return p;
}

static int Component(double v) { return std::clamp(Round_Pixel(v * 255.0), 0, 255); }

void Colour_Lighten_RGB(int *r, int *g, int *b, double percent)
{
    if (r == nullptr || g == nullptr || b == nullptr) return;
    double R = std::clamp(*r, 0, 255) / 255.0, G = std::clamp(*g, 0, 255) / 255.0,
           B = std::clamp(*b, 0, 255) / 255.0;
    double mx = std::max({R, G, B}), mn = std::min({R, G, B});
    double L = (mx + mn) / 2, S = 0, H = 0;
    if (mx > mn) {
        double d = mx - mn;
        S = L > 0.5 ? d / (2 - mx - mn) : d / (mx + mn);
        if (mx == R) H = (G - B) / d + (G < B ? 6 : 0);
        else if (mx == G) H = (B - R) / d + 2;
        else H = (R - G) / d + 4;
        H /= 6;
    }
    double nl = L * (1 + percent / 100.0);
    if (nl <= 0) {
        *r = *g = *b = 0;
        return;
    }
    nl = std::min(nl, 1.0); /* a lightness above 1 would leave the colour space */
    if (S == 0) {
        *r = *g = *b = Component(nl);
        return;
    }
    double q = nl < 0.5 ? nl * (1 + S) : nl + S - nl * S;
    double p = 2 * nl - q;
    *r = Component(Hue_To_Rgb(p, q, H + 1.0 / 3));
    *g = Component(Hue_To_Rgb(p, q, H));
    *b = Component(Hue_To_Rgb(p, q, H - 1.0 / 3));
}

int Colour_Lighten_Percent(int index, double percent)
{
    int r = 0, g = 0, b = 0;
    pxQCR(index, &r, &g, &b);
    Colour_Lighten_RGB(&r, &g, &b, percent);
    return Nearest_RGB_Color(r, g, b);
}

/* ------------------------------------------------------------------ popups and button */

/* A frameless sheet with a title and a row of n buttons; answers the code, -1 for n + 1, 99. */
static int Button_Popup(int which, int start_x, int x, int y, const char *title, int n,
                        const int *widths, int height, const char *const *labels,
                        const char *const *comments, const char *strip)
{
    if (n < 1) return 99;
    int total = 0;
    for (int i = 0; i < n; i++) total += widths[i] + 5;
    int w = std::max(total + 5, title ? Text_Width_In_Font(title, 0) + 12 : 0);
    int h = 24 + height + 10;
    int x2 = x + w, y2 = y + h;
    Screen_Animate_Rect(start_x, y, start_x + 10, y + 10, x, y, x2, y2);
    Set_NoFrameFlag_to_Next_PropSheet();
    Define_Prop_Sheet(x, y, x2, y2, 0, 0, title ? title : "", 0, 1);
    if (title) {
        Draw_Funny_Text_to_PS(x + 6, y + 16, title, 0, 0);
        Draw_Funny_Text_to_PS(x + 7, y + 16, title, 0, 0);
    }
    int bx = x + 5;
    int first_mx = 0, first_my = 0;
    for (int i = 0; i < n; i++) {
        int button = Add_Single_Button_to_PS(bx, y + 24, PS_RASTER(widths[i], height),
                                             labels ? labels[i] : "", i + 1);
        if (comments && comments[i]) Set_Comment_to_Button_PS(button, comments[i]);
        if (i == 0) {
            first_mx = bx + widths[i] / 2;
            first_my = y + 24 + height / 2;
        }
        bx += widths[i] + 5;
    }
    Add_Escape_Area_to_PS(0, 0, NPIXEL_X - 1, y - 1, 99);
    Add_Escape_Area_to_PS(0, y2 + 1, NPIXEL_X - 1, NPIXEL_Y - 1, 99);
    Activate_Prop_Sheet();
    if (strip) {
        bx = x + 5;
        for (int i = 0; i < n; i++) {
            pxDrawPartialTransparentDIB(/*file=*/strip, /*sx1=*/i * widths[i], /*sy1=*/0,
                                        /*sx2=*/i * widths[i] + widths[i] - 1, /*sy2=*/height - 1,
                                        /*x1=*/bx, /*y1=*/y + 24, /*x2=*/bx + widths[i] - 1,
                                        /*y2=*/y + 24 + height - 1, /*mode=*/201, /*flag=*/-1,
                                        /*r=*/192, /*g=*/192, /*b=*/192);
            bx += widths[i] + 5;
        }
        pxFlsh();
    }
    if (Screen_Plotter.popup_mx[which] == 0 && Screen_Plotter.popup_my[which] == 0) {
        Screen_Plotter.popup_mx[which] = first_mx - x;
        Screen_Plotter.popup_my[which] = first_my - y;
    }
    msStCu(x + Screen_Plotter.popup_mx[which], y + Screen_Plotter.popup_my[which]);
    int code = Edit_Prop_Sheet();
    Screen_Plotter.popup_mx[which] = M_XPOS - x;
    Screen_Plotter.popup_my[which] = M_YPOS - y;
    Undefine_Prop_Sheet();
    if (code >= 1 && code <= n) return code;
    if (code == n + 1) return -1;
    return 99;
}

int Screen_Image_Button_Popup(int unread, int start_x, int x, int y, const char *title,
                              int item_width, int item_height, int n, const char *const *comments,
                              const char *strip)
{
    if (n < 1) return 99;
    std::string labels_storage;
    int *widths = (int *)Mem_Calloc(sizeof(int) * (size_t)n);
    for (int i = 0; i < n; i++) widths[i] = item_width;
    int r = Button_Popup(/*which=*/0, /*start_x=*/start_x, /*x=*/x, /*y=*/y, /*title=*/title,
                         /*n=*/n, /*widths=*/widths, /*height=*/item_height, /*labels=*/nullptr,
                         /*comments=*/comments, /*strip=*/strip);
    Mem_Free(&widths);
    return r;
}

int Screen_Text_Button_Popup(int unread, int start_x, int x, int y, const char *title, int n,
                             const char *const *labels, const char *const *comments)
{
    if (n < 1) return 99;
    int *widths = (int *)Mem_Calloc(sizeof(int) * (size_t)n);
    Pop_RFont(0x1000);
    for (int i = 0; i < n; i++) {
        int left = 0, right = 0;
        const char *t = labels && labels[i] ? labels[i] : "";
        pxQTxX(t, -1, &left, &right, nullptr, nullptr);
        widths[i] = right - left + 16;
    }
    Push_RFont();
    int r = Button_Popup(/*which=*/1, /*start_x=*/start_x, /*x=*/x, /*y=*/y, /*title=*/title,
                         /*n=*/n, /*widths=*/widths, /*height=*/20, /*labels=*/labels,
                         /*comments=*/comments, /*strip=*/nullptr);
    Mem_Free(&widths);
    return r;
}

int Screen_Add_View_Button(int x, int y, int code)
{
    int button = Add_Single_Button_to_PS(x, y, PS_RASTER(35, 20), "", code);
    Reset_Button_Frame(button);
    Set_Comment_to_Button_PS(button, "optische Kontrolle");
    return button;
}
