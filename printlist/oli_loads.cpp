/*
** Force and load symbols of the print-list graphics: force arrows in three styles, labelled
** arrows, moment arcs, point loads, uniform and trapezoidal loads under a load block, and line
** loads as rows of small arrows. World units unless a size is said to be in paper units.
*/
#include <cmath>
#include <cstring>
#include <vector>

#include "printlist/oli_drawlib.h"
#include "printlist/oli_graphic.h"
#include "printlist/oli_internal.h"
#include "printlist/plot_file.h"

#define G Oli_Graphic

/* ---- force arrows ---- */

/* The five points: tip, back corners, tail, back middle (+ a sixth when asked). */
static void arrow_shape(double x, double y, double angle, double length, double hl, double hw,
                        int32_t style, double *px, double *py)
{
    switch (style) {
    case 0:
        Oli_Graphic_Line(px[3], py[3], px[0], py[0]);
        Oli_Graphic_Line(px[1], py[1], px[0], py[0]);
        Oli_Graphic_Line(px[2], py[2], px[0], py[0]);
        break;
    case 1: {
        Oli_Graphic_Line(px[4], py[4], px[3], py[3]);
        double hx[3] = {px[0], px[1], px[2]}, hy[3] = {py[0], py[1], py[2]};
        Oli_Graphic_Polyline(3, hx, hy);
        break;
    }
    case 2: {
        Oli_Graphic_Set_Fill(55);
        Oli_Graphic_Line(px[4], py[4], px[3], py[3]);
        Oli_Filled_Triangle(px[0], py[0], px[1], py[1], px[2], py[2]);
        double hx[3] = {px[0], px[1], px[2]}, hy[3] = {py[0], py[1], py[2]};
        Oli_Graphic_Polyline(3, hx, hy);
        break;
    }
    default: break;
    }
}

void Oli_Graphic_Force_Arrow(double x, double y, double angle, double length, double head_length,
                             double head_width, int32_t style)
{
    double px[5] = {0, -head_length, -head_length, -length, -head_length};
    double py[5] = {0, head_width / 2, -head_width / 2, 0, 0};
    Oli_Place_Points(5, px, py, angle, x, y);
    Oli_Graphic_Push();
    arrow_shape(x, y, angle, length, head_length, head_width, style, px, py);
    Oli_Graphic_Pop();
}

void Oli_Graphic_Force_Arrow_Label(double x, double y, double angle, double length,
                                   double head_length, double head_width, int32_t style,
                                   double text_height, const char *text)
{
    while (angle <= -2 * M_PI) angle += 2 * M_PI;
    double px[6] = {0, -head_length, -head_length, -length, -head_length, -length - head_width};
    double py[6] = {0, head_width / 2, -head_width / 2, 0, 0, 0};
    Oli_Place_Points(6, px, py, angle, x, y);
    Oli_Graphic_Push();
    arrow_shape(x, y, angle, length, head_length, head_width, style, px, py);
    Oli_File_Printf(G.file, " 13 %lf\n", text_height);
    Oli_File_Printf(G.file, " 8 %d\n", 6);
    double t = fmod(angle, 2 * M_PI);
    if (t < 0) t += 2 * M_PI;
    int32_t v = 4, h = 1;
    if (t < M_PI / 4) v = 4, h = 1;
    else if (t < 3 * M_PI / 4) v = 2, h = 4;
    else if (t < 5 * M_PI / 4) v = 4, h = 3;
    else if (t < 7 * M_PI / 4) v = 0, h = 4;
    Oli_Graphic_Text_Aligned(px[5], py[5], v, h, "%s", text ? text : "");
    Oli_Graphic_Pop();
}

void Oli_Graphic_Force_Arrow_To(double x1, double y1, double x2, double y2, double head_length,
                                double head_width, int32_t style)
{
    /* The arrow's own frame runs from the tail to the tip, so its angle is the direction from the
  ** first point to the second; turned by another half circle the tail would lie beyond the tip. */
    Oli_Graphic_Force_Arrow(x2, y2, atan2(y2 - y1, x2 - x1), hypot(x2 - x1, y2 - y1), head_length,
                            head_width, style);
}

void Oli_Graphic_Moment_Arc(double x, double y, double d, double start, double span,
                            double head_length, double head_width, int32_t style,
                            double text_height, const char *text)
{
    Oli_Graphic_Push();
    Oli_Graphic_Arc(x, y, d, start, span);
    double e = (start + span) * M_PI / 180;
    Oli_Graphic_Force_Arrow_Label(x + d / 2 * cos(e), y + d / 2 * sin(e), e + M_PI / 2, head_length,
                                  head_length, head_width, style, text_height, text);
    Oli_Graphic_Pop();
}

/* ---- point loads ---- */

static void point_load(double x, double y, double length, const char *text, int horizontal)
{
    double L = G.mirror_mode == 2 ? -length : length;
    Oli_Graphic_Push();
    Oli_File_Printf(G.file, " 4 %d\n", 2);
    Oli_Solid_Dash();
    Oli_Graphic_Set_Fill(55);
    if (horizontal) {
        Oli_Filled_Triangle(x, y, x + 0.15 * L, y - 0.075 * L, x + 0.15 * L, y + 0.075 * L);
        Oli_Graphic_Line(x + 0.15 * L, y, x + L, y);
    } else {
        Oli_Filled_Triangle(x, y, x - 0.075 * L, y + 0.15 * L, x + 0.075 * L, y + 0.15 * L);
        Oli_Graphic_Line(x, y + 0.15 * L, x, y + L);
    }
    if (text && text[0]) {
        Oli_File_Printf(G.file, " 13 %lf\n", 0.22);
        Oli_File_Printf(G.file, " 8 %d\n", 6);
        if (horizontal) Oli_Graphic_Text_Aligned(x + L + 0.225 * L, y, 2, 4, "%s", text);
        else Oli_Graphic_Text_Aligned(x, y + L + 0.225 * L, 4, 4, "%s", text);
    }
    Oli_Graphic_Pop();
}

void Oli_Graphic_Point_Load_V(double x, double y, double length, const char *text)
{
    point_load(x, y, length, text, 0);
}

void Oli_Graphic_Point_Load_H(double x, double y, double length, const char *text)
{
    point_load(x, y, length, text, 1);
}

/* ---- uniform and trapezoidal loads ---- */

/* One load arrow of length L with its tip at (x, y), turned by angle; a group of its own. */
static void load_arrow(double x, double y, double L, double angle)
{
    double px[4] = {0, -0.15 * L, -0.15 * L, -L}, py[4] = {0, 0.075 * L, -0.075 * L, 0};
    Oli_Place_Points(4, px, py, angle, x, y);
    Oli_Graphic_Push();
    Oli_Graphic_Set_Fill(55);
    Oli_Graphic_Line(px[3], py[3], (px[1] + px[2]) / 2, (py[1] + py[2]) / 2);
    Oli_Filled_Triangle(px[0], py[0], px[1], py[1], px[2], py[2]);
    Oli_Graphic_Pop();
}

/* The label in a white box at (cx, cy). */
static void load_label(double cx, double cy, double text_height, const char *text)
{
    if (text == nullptr || text[0] == 0) return;
    Oli_Graphic_Set_Fill(0);
    double w = strlen(text) * text_height / G.smax * 0.75, h = 1.3 * text_height / G.smax;
    Oli_Graphic_Filled_Rect(cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2);
    G.text_angle = 0.0;
    Oli_Graphic_Text_Centred(cx, cy, text);
}

static void load_head(double text_height)
{
    Oli_File_Printf(G.file, " 4 %d\n", 2);
    Oli_Solid_Dash();
    Oli_Graphic_Set_Fill(55);
    Oli_File_Printf(G.file, " 13 %lf\n", text_height);
    Oli_File_Printf(G.file, " 8 %d\n", 6);
}

void Oli_Graphic_Uniform_Load(double x1, double y1, double x2, double y2, double length,
                              double text_height, const char *text)
{
    if (fabs(x2 - x1) <= 0.00001) return;
    int n = (int)(5 * G.smax * (x2 - x1) + 0.0001);
    if (n < 2) n = 2;
    double dx = (x2 - x1) / n, dy = (y2 - y1) / n;
    Oli_Graphic_Push();
    load_head(text_height);
    for (int k = 0; k <= n; k++) load_arrow(x1 + k * dx, y1 + k * dy, length, 3 * M_PI / 2);
    Oli_Graphic_Line(x1, y1, x2, y2);
    Oli_Graphic_Line(x1, y1 + length, x2, y2 + length);
    load_label((x1 + x2) / 2, (y1 + y2 + length) / 2, text_height, text);
    Oli_Graphic_Pop();
}

/* Half an arrow per paper unit; the arrows point onto the line from the side of their lengths
** (turned by -pi/2, tails above for positive lengths), and the block's top line joins their
** tails; the label sits in the middle of the block at the mean height. */
void Oli_Graphic_Trapezoid_Load(double x1, double y1, double x2, double y2, double length1,
                                double length2, double text_height, const char *text)
{
    if (fabs(x2 - x1) <= 0.00001) return;
    int n = (int)(0.5 * G.smax * (x2 - x1) + 0.0001);
    if (n < 2) n = 2;
    if (G.mirror_mode == 2) {
        length1 = -length1;
        length2 = -length2;
    }
    double dx = (x2 - x1) / n, dy = (y2 - y1) / n;
    std::vector<double> tx((size_t)n + 1), ty((size_t)n + 1);
    Oli_Graphic_Push();
    load_head(text_height);
    for (int k = 0; k <= n; k++) {
        double L = length1 + (length2 - length1) * k / n;
        double x = x1 + k * dx, y = y1 + k * dy;
        load_arrow(x, y, L, -M_PI / 2);
        tx[(size_t)k] = x;
        ty[(size_t)k] = y + L;
    }
    Oli_Graphic_Line(x1, y1, x2, y2);
    Oli_Graphic_Polyline(-(n + 1), tx.data(), ty.data());
    load_label((x1 + x2) / 2, (y1 + y2 + (length1 + length2) / 2) / 2, text_height, text);
    Oli_Graphic_Pop();
}

/* ---- line loads ---- */

void Oli_Graphic_Line_Load(double x1, double y1, double x2, double y2, double h1, double h2)
{
    double L = hypot(x2 - x1, y2 - y1);
    int n = (int)(L / 300);
    if (n < 1) n = 1;
    double dx = (x2 - x1) / n, dy = (y2 - y1) / n, step = L / n;
    Oli_Graphic_Line(x1, y1, x2, y2);
    for (int k = 0; k < n; k++) {
        double v = h1 + (h2 - h1) * k / n;
        if (h2 == 0 && fabs(v) <= 0.000001) break;
        double ax = x1 + k * dx, ay = y1 + k * dy, bx = ax + dx, by = ay + dy;
        if (v > 0) Oli_Graphic_Arrow(bx, by, ax, ay, 0.35 * step, 0.22 * step);
        else Oli_Graphic_Arrow(ax, ay, bx, by, 0.35 * step, 0.22 * step);
    }
}

/* Rows of arrows standing on the line; (nx, ny) is the direction of a positive length. */
static void line_load_rows(double x1, double y1, double x2, double y2, double h1, double h2,
                           double nx, double ny, double width_factor)
{
    double L = hypot(x2 - x1, y2 - y1);
    int n = (int)(0.005 * L);
    if (n < 1) n = 1;
    double dx = (x2 - x1) / n, dy = (y2 - y1) / n, step = L / n;
    Oli_Graphic_Line(x1, y1, x2, y2);
    Oli_Graphic_Line(x1 + h1 * nx, y1 + h1 * ny, x2 + h2 * nx, y2 + h2 * ny);
    for (int k = 0; k <= n; k++) {
        double v = h1 + (h2 - h1) * k / n;
        double x = x1 + k * dx, y = y1 + k * dy;
        Oli_Graphic_Arrow(x, y, x + v * nx, y + v * ny, 0.35 * fabs(v), width_factor * step);
    }
}

void Oli_Graphic_Line_Load_X(double x1, double y1, double x2, double y2, double h1, double h2)
{
    line_load_rows(x1, y1, x2, y2, h1, h2, -1.0, 0.0, 0.2);
}

void Oli_Graphic_Line_Load_Y(double x1, double y1, double x2, double y2, double h1, double h2)
{
    line_load_rows(x1, y1, x2, y2, h1, h2, 0.0, 1.0, 0.2);
}

void Oli_Graphic_Line_Load_N(double x1, double y1, double x2, double y2, double h1, double h2)
{
    double a = Oli_Line_Angle(x1, y1, x2, y2);
    line_load_rows(x1, y1, x2, y2, h1, h2, -sin(a), cos(a), 0.22);
}
