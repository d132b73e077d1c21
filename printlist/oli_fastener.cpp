/*
** Fastener symbols (bolt heads and shanks from the side, hexagons end-on, shanks and ends) and
** the seam band with its dotted hatch in the print-list graphics. World units.
*/
#include <cmath>

#include "printlist/oli_drawlib.h"
#include "printlist/oli_graphic.h"
#include "printlist/oli_internal.h"
#include "printlist/plot_file.h"

#define G Oli_Graphic

static void plot_attributes(int32_t linetype, int32_t pen, int32_t filling)
{
    if (Plot_Writer.file == nullptr) return;
    if (linetype >= 0) Plot_Set_Linetype(linetype);
    if (pen >= 0) Plot_Set_Pen(pen);
    if (filling >= 0) Plot_Set_Filling(filling);
}

/* A filled band (a four-point area) from x0 to x1 and y0 to y1. */
static void band(double x0, double y0, double x1, double y1, int32_t fill, int32_t plot_filling)
{
    Oli_Graphic_Set_Fill(fill);
    plot_attributes(-1, -1, plot_filling);
    if (!G.fill_output) return;
    double x[4] = {x0, x1, x1, x0}, y[4] = {y0, y0, y1, y1};
    Oli_Graphic_Area_Polygon(4, x, y);
}

/* Bolt seen from the side: head of thickness 4 and a shank of half a diameter, shaded in three
** bands (dark, light, middle) like a cylinder; dir -1 shank to the left, +1 to the right. */
static void bolt(double w, double x, double y, int dir)
{
    int down = G.mirror_mode == 2;
    double hx0 = dir < 0 ? x - 4 : x, hx1 = dir < 0 ? x : x + 4;
    Oli_Graphic_Set_Fill(1);
    plot_attributes(0, 1, 4);
    band(hx0, y - w / 2 - 4, hx1, y + w / 2 + 4, 1, 4);
    double sx0 = dir < 0 ? x - 4 - w / 2 : x + 4, sx1 = dir < 0 ? x - 4 : x + 4 + w / 2;
    band(sx0, y - w / 2, sx1, y - w / 4, down ? 1 : 19, down ? 4 : 1);
    band(sx0, y - w / 4, sx1, y + w / 4, 11, 3);
    band(sx0, y + w / 4, sx1, y + w / 2, down ? 19 : 1, down ? 1 : 4);
    if (dir > 0) band(sx0, y + w / 2 - 0.16 * w, sx1, y + w / 2 - 0.08 * w, 20, 3);
    Oli_File_Printf(G.file, " 6 %lf\n", 0.015);
    Oli_File_Printf(G.file, " 38 %d %s %d\n", 4, "0.28 0.05 0.04 0.05", 0);
    plot_attributes(2, -1, -1);
    Oli_Graphic_Line(sx0, y, sx1, y);
}

static void hexagon(double w, double x, double y, double f, int32_t fill, int32_t plot_filling)
{
    Oli_Graphic_Set_Fill(fill);
    plot_attributes(0, 1, plot_filling);
    double px[6] = {x + 0.433 * w * f, x, x - 0.433 * w * f,
                    x - 0.433 * w * f, x, x + 0.433 * w * f};
    double py[6] = {y - w / 4 * f, y - w / 2 * f, y - w / 4 * f,
                    y + w / 4 * f, y + w / 2 * f, y + w / 4 * f};
    if (G.fill_output) Oli_Graphic_Area_Polygon(6, px, py);
}

void Oli_Graphic_Fastener_Symbol(int32_t kind, double w, double x, double y, double length)
{
    Oli_Graphic_Push();
    Oli_File_Printf(G.file, " 6 %lf\n", 0.02);
    int down = G.mirror_mode == 2;
    switch (kind) {
    case 0:
    case 1: bolt(w, x, y, kind == 0 ? -1 : 1); break;
    case 2:
    case 3:
        hexagon(w, x, y, 1.0, 43, 3);
        if (kind == 3) hexagon(w, x, y, 0.5, 1, 4);
        Oli_File_Printf(G.file, " 6 %lf\n", 0.015);
        Oli_Solid_Dash();
        Oli_Graphic_Line(x - 0.8 * w, y, x + 0.8 * w, y);
        Oli_Graphic_Line(x, y - 0.8 * w, x, y + 0.8 * w);
        break;
    case 4:
    case 5: {
        /* the two strokes cross the line a quarter diameter from its start; the point of kind 4
    ** closes the far end */
        Oli_File_Printf(G.file, " 6 %lf\n", 0.035);
        Oli_Solid_Dash();
        plot_attributes(0, 3, -1);
        double x0 = x - w / 2, x1 = x + length + w / 2, s = down ? -1.0 : 1.0;
        Oli_Graphic_Line(x0, y, x1, y);
        Oli_Graphic_Line(x0 + w / 4, y - w / 4, x0 + w / 4, y + w / 4);
        Oli_Graphic_Line(x0 + w / 4 + 0.12 * w, y - w / 4, x0 + w / 4 + 0.12 * w, y + w / 4);
        if (kind == 4) {
            Oli_Graphic_Line(x1, y, x1 - 0.38 * w, y + s * 0.12 * w);
            Oli_Graphic_Line(x1 - 0.38 * w, y + s * 0.12 * w, x1 - 0.38 * w - 0.12 * w,
                             y + s * 0.12 * w);
        }
        break;
    }
    case 6:
    case 7: {
        Oli_File_Printf(G.file, " 6 %lf\n", 0.035);
        Oli_Solid_Dash();
        plot_attributes(0, 3, -1);
        Oli_Graphic_Line(x - 0.6 * w, y, x + 0.6 * w, y);
        Oli_Graphic_Line(x, y - 0.6 * w, x, y + 0.6 * w);
        Oli_Graphic_Set_Fill(64);
        plot_attributes(-1, -1, 0);
        Oli_Graphic_Disc(x, y, 0.2 * w);
        if (kind == 6) {
            double l = 0.426 * w, s = down ? -1.0 : 1.0;
            Oli_Graphic_Line(x, y, x + l, y + s * l);
            Oli_Graphic_Line(x + l, y + s * l, x + l + 0.12 * w, y + s * l);
        }
        break;
    }
    default: break;
    }
    Oli_Graphic_Pop();
}

/* The band between the line and its outer edge a away, with 45 degree ends; the hatch strokes
** run at 45 degrees every half seam size and stay inside the band. */
void Oli_Graphic_Seam(double x1, double y1, double x2, double y2, double a, int32_t side)
{
    double ang = Oli_Line_Angle(x1, y1, x2, y2), ca = cos(ang), sa = sin(ang);
    double s = side == 3 ? -1.0 : 1.0;
    double e = ang + s * M_PI / 4, l = 1.41 * a;
    double ax = x1 + l * cos(e), ay = y1 + l * sin(e);
    double f = ang + M_PI - s * M_PI / 4;
    double bx = x2 + l * cos(f), by = y2 + l * sin(f);
    Oli_Graphic_Push();
    Oli_File_Printf(G.file, " 6 %lf\n", 0.0);
    Oli_File_Printf(G.file, " 38 %d %s %d\n", 2, "0.01 0.55", 0);
    Oli_Graphic_Set_Fill(45);
    plot_attributes(-1, 0, -1);
    double L = hypot(x2 - x1, y2 - y1), step = a / 2;
    int n = step > 0 ? (int)((L - 2 * a) / step) : 0;
    for (int k = 1; k <= n; k++) {
        double px = x1 + ca * k * step, py = y1 + sa * k * step;
        Oli_Graphic_Line(px, py, px + l * cos(e), py + l * sin(e));
    }
    if (G.fill_output) {
        double x[4] = {x1, x2, bx, ax}, y[4] = {y1, y2, by, ay};
        Oli_Graphic_Area_Polygon(4, x, y);
    }
    Oli_Graphic_Pop();
}
