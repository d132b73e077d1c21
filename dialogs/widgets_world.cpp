/*
** Widget layer, world coordinates: one similarity transform (scale s, offset ox/oy, angle a)
** maps the caller's model units to area pixels; lines, rectangles, circles, arcs, polylines,
** discs, filled polygons and dimension figures become display items of the target area.
** Pixels are rounded half away from zero.
*/
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "dialogs/sva.h"
#include "dialogs/widgets.h"
#include "foundation/foundation.h"
#include "platform/zelkwin.h"

enum { ARC_POINTS = 72 };

void Wdg_Set_Transform(double ox, double oy, double angle, double scale)
{
    Wdg_State.ox = ox;
    Wdg_State.oy = oy;
    Wdg_State.angle = angle;
    Wdg_State.scale = scale;
}

double Wdg_Get_Scale(void) { return Wdg_State.scale; }
void Wdg_Set_Line_Switch(int on) { Wdg_State.line_switch = on; }

void Wdg_World_To_Pixel(double *x, double *y)
{
    double s = Wdg_State.scale, c = cos(Wdg_State.angle), n = sin(Wdg_State.angle);
    double u = s * *x - Wdg_State.ox, w = s * *y - Wdg_State.oy;
    *x = u * c + w * n;
    *y = w * c - u * n;
}

void Wdg_Pixel_To_World(double *x, double *y)
{
    double s = Wdg_State.scale, c = cos(Wdg_State.angle), n = sin(Wdg_State.angle);
    double X = *x, Y = *y;
    *x = (X * c - Y * n + Wdg_State.ox) / s;
    *y = (X * n + Y * c + Wdg_State.oy) / s;
}

double Wdg_Pixel_Distance(double x1, double y1, double x2, double y2)
{
    Wdg_World_To_Pixel(&x1, &y1);
    Wdg_World_To_Pixel(&x2, &y2);
    return sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}

/* Add one line; false when the line switch refuses it. */
static bool Line(double x1, double y1, double x2, double y2)
{
    if (Wdg_State.line_switch != 1) return false;
    Wdg_World_To_Pixel(&x1, &y1);
    Wdg_World_To_Pixel(&x2, &y2);
    SVA_Add_Line(Wdg_State.area, Round_Pixel(x1), Round_Pixel(y1), Round_Pixel(x2), Round_Pixel(y2),
                 Wdg_State.fg);
    return true;
}

void Wdg_Draw_Line_World(double x1, double y1, double x2, double y2) { Line(x1, y1, x2, y2); }

void Wdg_Draw_Rect_World(double x1, double y1, double x2, double y2)
{
    Line(x1, y1, x2, y1);
    Line(x2, y1, x2, y2);
    Line(x2, y2, x1, y2);
    Line(x1, y2, x1, y1);
}

void Wdg_Fill_Rect_World(double x1, double y1, double x2, double y2)
{
    Wdg_World_To_Pixel(&x1, &y1);
    Wdg_World_To_Pixel(&x2, &y2);
    SVA_Add_Filled_Rect(Wdg_State.area, Round_Pixel(x1), Round_Pixel(y1), Round_Pixel(x2),
                        Round_Pixel(y2), Wdg_State.bg);
}

static const double Deg = M_PI / 180.0;

void Wdg_Draw_Circle_World(double cx, double cy, double r)
{
    double xs[ARC_POINTS], ys[ARC_POINTS];
    for (int k = 0; k < ARC_POINTS; k++) {
        xs[k] = cx + r * cos(5.0 * k * Deg);
        ys[k] = cy + r * sin(5.0 * k * Deg);
    }
    for (int k = 0; k < ARC_POINTS; k++) {
        int j = (k + 1) % ARC_POINTS;
        if (!Line(xs[k], ys[k], xs[j], ys[j])) return;
    }
}

int Wdg_Draw_Arc_World(double cx, double cy, double r, double a1, double a2)
{
    if (!(a2 > a1)) return 0;
    double xs[ARC_POINTS], ys[ARC_POINTS];
    int n = 0;
    /* the table holds 72 points: a span above 360 degrees is cut there */
    for (double a = a1; a < a2 && n < ARC_POINTS; a = a1 + 5.0 * n) {
        xs[n] = cx + r * cos(a * Deg);
        ys[n] = cy + r * sin(a * Deg);
        n++;
    }
    for (int k = 0; k + 1 < n; k++)
        if (!Line(xs[k], ys[k], xs[k + 1], ys[k + 1])) break;
    return n;
}

void Wdg_Draw_Polyline_World(int n, const double *xs, const double *ys)
{
    if (n < 1 || xs == nullptr || ys == nullptr) return;
    for (int k = 0; k + 1 < n; k++)
        if (!Line(xs[k], ys[k], xs[k + 1], ys[k + 1])) return;
}

void Wdg_Fill_Disc_World(double cx, double cy, double r)
{
    double step = r < 10 ? M_PI / 32 : r < 100 ? M_PI / 64 : M_PI / 128;
    for (int k = 0; k * step < M_PI / 2; k++) {
        double t = k * step;
        double x1 = cx + r * sin(t), y1 = cy + r * cos(t);
        double x2 = cx - r * sin(t), y2 = cy - r * cos(t);
        Wdg_World_To_Pixel(&x1, &y1);
        Wdg_World_To_Pixel(&x2, &y2);
        SVA_Add_Filled_Rect(Wdg_State.area, Round_Pixel(x1), Round_Pixel(y1), Round_Pixel(x2),
                            Round_Pixel(y2), Wdg_State.bg);
    }
}

/* The points of one filled polygon, owned by its item: an int block holding n, then n X and
** n Y values. */

void Wdg_Fill_Polygon_World(int n, const double *xs, const double *ys)
{
    if (Wdg_State.area < 0) return;
    if (n < 1 || xs == nullptr || ys == nullptr) {
        SVA_Add_Draw_Callback(Wdg_State.area, 0, 0, 0, 0, nullptr, Wdg_Polygon_Painter);
        return;
    }
    int *b = (int *)malloc(sizeof(int) * (1 + 2 * (size_t)n));
    if (b == nullptr) Check_Alloc_Or_Exit(nullptr);
    b[0] = n;
    int *bx = b + 1, *by = b + 1 + n;
    int minx = 0, miny = 0;
    for (int k = 0; k < n; k++) {
        double x = xs[k], y = ys[k];
        Wdg_World_To_Pixel(&x, &y);
        bx[k] = Round_Pixel(x);
        by[k] = Round_Pixel(y);
        minx = std::min(minx, bx[k]);
        miny = std::min(miny, by[k]);
    }
    SVA_Add_Draw_Callback_Owned(Wdg_State.area, 0, 0, minx, miny, b, Wdg_Polygon_Painter);
}

/* Paint a polygon item: its points shifted to the item's screen place, on a copy each time. */
void Wdg_Polygon_Painter(int x, int y, int x2, int y2, void *user)
{
    pxFgc(Wdg_State.bg);
    const int *b = (const int *)user;
    if (b && b[0] > 0) {
        int n = b[0];
        int *px = (int *)malloc(sizeof(int) * 2 * (size_t)n);
        if (px) {
            int *py = px + n;
            for (int k = 0; k < n; k++) {
                px[k] = b[1 + k] + x;
                py[k] = b[1 + n + k] + y;
            }
            pxFill(n, px, py);
            free(px);
        }
    }
    pxLine(x, y, x2, y2);
}

void Wdg_Draw_Dimension_World(int mode, double x1, double y1, double x2, double y2, double h)
{
    double s = Wdg_State.scale;
    if (s == 0) return;
    if (mode == 0 || mode == 1 || mode == 3) {
        /* the points are given as area pixels: back into world units */
        Wdg_Pixel_To_World(&x1, &y1);
        Wdg_Pixel_To_World(&x2, &y2);
    }
    double t = 5.0 / s, d = h / s;
    double alpha = Geo_Line_Angle(x1, y1, x2, y2);
    double px[2] = {x1, x2}, py[2] = {y1, y2};
    Geo_To_Local(px, py, 2, 0.0, 0.0, alpha, 1.0);
    double u1 = px[0], u2 = px[1], v = py[0];
    double sg = u2 >= u1 ? 1.0 : -1.0;
    double qx[6] = {u1 - sg * t, u2 + sg * t, u1, u1, u2, u2};
    double qy[6] = {v, v, v - t, v + d, v - t, v + d};
    Geo_To_Global(qx, qy, 6, 0.0, 0.0, alpha, 1.0);
    Line(qx[0], qy[0], qx[1], qy[1]);
    Line(qx[2], qy[2], qx[3], qy[3]);
    Line(qx[4], qy[4], qx[5], qy[5]);
}
