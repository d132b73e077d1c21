/*
** Ready-made symbols of the print-list graphics: the axis cross, direction arrows, level marks,
** supports, double arrows and callouts. Sizes in paper units (s/sx and s/sy in world units).
*/
#include <cmath>
#include <cstdarg>
#include <cstring>
#include <string>

#include "platform/zelkgrft.h"
#include "printlist/oli_drawlib.h"
#include "printlist/oli_graphic.h"
#include "printlist/oli_internal.h"
#include "printlist/oli_writer.h"
#include "printlist/plot_file.h"

#define G Oli_Graphic

static int axes_switch = 1;

void Oli_Set_Axes_Switch(int on) { axes_switch = on; }

/* x and y offsets that look the same whatever the axis directions */
static double mx(void) { return G.x_direction == 1 ? 1.0 : -1.0; }
static double my(void) { return G.mirror_mode == 2 ? -1.0 : 1.0; }

/* ---- axis cross ---- */

/* A label split at its first escape into the main text and a subscript index. */
struct Axis_Label {
    std::string main, index;
    double width;
};

static Axis_Label split_label(const char *text)
{
    Axis_Label l;
    std::string t = text ? text : "";
    size_t e = t.find('\xCE');
    l.main = t.substr(0, e);
    if (e != std::string::npos) {
        std::string rest = t.substr(e);
        if (rest.size() > 2 && rest[1] == '\\') l.index = rest.substr(2);
    }
    l.width = MT_String_Length(l.main.c_str());
    if (!l.index.empty()) l.width += 0.8 * MT_String_Length(l.index.c_str());
    return l;
}

static void axis_arrow(double x0, double y0, double angle, double L, double s, int second,
                       const Axis_Label &label)
{
    /* shaft end, tip, two base corners in the arrow's own frame */
    double px[4], py[4];
    if (!second) {
        double ax[4] = {0.9 * L, L, 0.8 * L, 0.8 * L}, ay[4] = {0, 0, 0.1 * L, -0.1 * L};
        memcpy(px, ax, sizeof px);
        memcpy(py, ay, sizeof py);
    } else {
        double ax[4] = {0, 0, 0.1 * L, -0.1 * L}, ay[4] = {0.9 * L, L, 0.8 * L, 0.8 * L};
        memcpy(px, ax, sizeof px);
        memcpy(py, ay, sizeof py);
    }
    Oli_Place_Points(4, px, py, angle, x0, y0);
    Oli_Graphic_Line(x0, y0, px[0], py[0]);
    if (G.fill_output) Oli_Filled_Triangle(px[1], py[1], px[2], py[2], px[3], py[3]);
    double dx = px[1] - x0, dy = py[1] - y0;
    double ux = Oli_Round(fabs(dx), 2) != 0 ? dx / L : dx,
           uy = Oli_Round(fabs(dy), 2) != 0 ? dy / L : dy;
    Oli_File_Printf(G.file, " 7 %d\n", 0);
    double lx = px[1] + 0.5 * s * label.width * ux + s * uy, ly = py[1] + s * ux + s * uy;
    if (!label.index.empty()) {
        Oli_Graphic_Text_Aligned_Plain(lx - 0.25 * s, ly, 4, 1, "%s", label.main.c_str());
        Oli_File_Printf(G.file, " 7 %d\n", 3);
        Oli_Graphic_Text_Aligned_Plain(lx, ly - 0.25 * s, 4, 3, "%s", label.index.c_str());
    } else {
        Oli_Graphic_Text_Aligned_Plain(lx, ly, 4, 4, "%s", label.main.c_str());
    }
}

void Oli_Graphic_Axis_Cross(double x0, double y0, const char *label1, const char *label2,
                            double length, double angle)
{
    if (!axes_switch) return;
    Axis_Label l1 = split_label(label1), l2 = split_label(label2);
    Oli_Graphic_Push();
    Oli_File_Printf(G.file, " 4 %d\n", 4);
    Oli_Solid_Dash();
    Oli_Graphic_Set_Fill(55);
    double s = 0.18 / G.smax, L = length / G.smax;
    axis_arrow(x0, y0, angle, L, s, 0, l1);
    axis_arrow(x0, y0, angle, L, s, 1, l2);
    Oli_Graphic_Pop();
}

void Oli_Graphic_Direction_Arrow(double x, double y, double size, double angle, const char *text)
{
    Oli_Graphic_Push();
    Oli_File_Printf(G.file, " 4 %d\n", 4);
    Oli_Solid_Dash();
    Oli_Graphic_Set_Fill(55);
    Oli_File_Printf(G.file, " 13 %lf\n", 0.25 * size);
    Oli_File_Printf(G.file, " 8 %d\n", 6);
    double L = size / G.smax, hl = 0.2 * size / G.sx, hw = 0.2 * size / G.sy;
    auto is = [&](double v) { return Oli_Round(angle - v, 4) == 0; };
    if (is(0) || is(M_PI)) {
        L = size / G.sx;
    } else if (is(M_PI / 2) || is(3 * M_PI / 2)) {
        L = size / G.sy;
        hl = 0.2 * size / G.sy;
        hw = 0.2 * size / G.sx;
    }
    double px[5] = {L - hl / 2, L, L - hl, L - hl, L + hl}, py[5] = {0, 0, hw / 2, -hw / 2, 0};
    Oli_Place_Points(5, px, py, angle, x, y);
    Oli_Graphic_Line(x, y, px[0], py[0]);
    Oli_Filled_Triangle(px[1], py[1], px[2], py[2], px[3], py[3]);
    Oli_Graphic_Text_Centred(px[4], py[4], text ? text : "");
    double fx[2] = {-hl / 2, hl / 2}, fy[2] = {0, 0};
    Oli_Place_Points(2, fx, fy, angle + M_PI / 2, x, y);
    Oli_Graphic_Line(fx[0], fy[0], fx[1], fy[1]);
    Oli_Graphic_Pop();
}

/* ---- level marks ---- */

static void level_triangle(double x, double y, double size, int32_t fill)
{
    double dx = 0.16 * size / G.sx * mx(), dy = 0.22 * size / G.sy * my();
    double px[3] = {x, x - dx, x + dx}, py[3] = {y, y + dy, y + dy};
    Oli_Graphic_Set_Fill(fill);
    if (G.fill_output) Oli_Graphic_Area_Polygon(3, px, py);
    Oli_Graphic_Polyline(3, px, py);
}

void Oli_Graphic_Level_Symbol(double x, double y, const char *text, int filled, double size)
{
    Oli_Graphic_Push();
    level_triangle(x, y, size, filled ? 64 : 0);
    Oli_File_Printf(G.file, " 13 %lf\n", 0.24 * size);
    G.text_angle = 0.0;
    Oli_Graphic_Text(x - 0.14 * size / G.sx * mx(), y + 0.33 * size / G.sy * my(),
                     text ? text : "");
    Oli_Graphic_Pop();
}

void Oli_Graphic_Level_Mark(double x, double y, double length, const char *text1, const char *text2,
                            int32_t fill, double size)
{
    Oli_Graphic_Push();
    Oli_File_Printf(G.file, " 6 %lf\n", 0.035 * size);
    level_triangle(x, y, size, fill);
    Oli_Graphic_Line(x - 0.17 * size / G.sx * mx(), y, x + length * size / G.sx * mx(), y);
    Oli_File_Printf(G.file, " 13 %lf\n", 0.24 * size);
    G.text_angle = 0.0;
    Oli_Graphic_Text(x - 0.14 * size / G.sx * mx(), y + 0.33 * size / G.sy * my(),
                     text1 ? text1 : "");
    Oli_File_Printf(G.file, " 13 %lf\n", 0.2 * size);
    Oli_File_Printf(G.file, " 8 %d\n", 0);
    Oli_File_Printf(G.file, " 6 %lf\n", 0.02 * size);
    Oli_File_Printf(G.file, " 16 %lf\n", 0.05 * size / G.sx);
    Oli_Graphic_Text(x + 0.25 * size / G.sx * mx(), y + 0.1 * size / G.sy * my(),
                     text2 ? text2 : "");
    Oli_Graphic_Pop();
}

void Oli_Graphic_Level_Mark_Base(double x, double y, const char *text, double size)
{
    Oli_Graphic_Level_Symbol(x, y, text, 1, size);
    double w1 = 0.16 * size / G.sx, w2 = 0.1 * size / G.sx;
    double y1 = y - 0.08 * size / G.sy * my(), y2 = y - 0.16 * size / G.sy * my();
    Oli_Graphic_Line(x - w1, y1, x + w1, y1);
    Oli_Graphic_Line(x - w2, y2, x + w2, y2);
}

/* ---- supports ---- */

void Oli_Graphic_Support(double x, double y, double angle, int32_t fill, int hinge, int base_line,
                         double size)
{
    double bx = 0.08 * size / G.sx * mx(), by = -0.15 * size / G.sy * my(),
           low = -0.04 * size / G.sy * my();
    double px[5] = {0, -bx, bx, -bx, bx}, py[5] = {0, by, by, by + low, by + low};
    Oli_Place_Points(5, px, py, -angle * M_PI / 180, x, y);
    Oli_Graphic_Push();
    Oli_Graphic_Set_Fill(fill);
    if (G.fill_output) Oli_Graphic_Area_Polygon(3, px, py);
    Oli_File_Printf(G.file, " 6 %lf\n", 0.015 * size);
    Oli_Graphic_Polyline(3, px, py);
    if (base_line) Oli_Graphic_Line(px[3], py[3], px[4], py[4]);
    if (hinge) {
        double d = 0.065 * size / G.sx;
        Oli_Graphic_Set_Fill(0);
        Oli_Graphic_Arc(x, y, d, 0, 360);
        Oli_Graphic_Disc(x, y, d);
    }
    Oli_Graphic_Pop();
}

void Oli_Graphic_Fixed_Support(double x, double y, double angle, double size)
{
    double w = 0.15 * size / G.sx, h = 0.1 * size / G.sy;
    Oli_Graphic_Push();
    Oli_File_Printf(G.file, " 6 %lf\n", 0.015 * size);
    double bx[2] = {w, -w}, by[2] = {0, 0};
    Oli_Place_Points(2, bx, by, -angle * M_PI / 180, x, y);
    Oli_Graphic_Line(bx[0], by[0], bx[1], by[1]);
    Oli_File_Printf(G.file, " 4 %d\n", 1);
    for (int k = 1; k <= 6; k++) {
        double sx[2] = {-w + (k - 1) * 2 * w / 6, -w + k * 2 * w / 6}, sy[2] = {h, 0};
        Oli_Place_Points(2, sx, sy, -angle * M_PI / 180, x, y);
        Oli_Graphic_Line(sx[0], sy[0], sx[1], sy[1]);
    }
    Oli_Graphic_Pop();
}

/* ---- double arrow ---- */

void Oli_Graphic_Double_Arrow(double x1, double y1, double x2, double y2, const char *text1,
                              const char *text2)
{
    if (text1 == nullptr) text1 = "";
    if (text2 == nullptr) text2 = "";
    Oli_Graphic_Push();
    Oli_File_Printf(G.file, " 6 %lf\n", 0.017);
    double a = Oli_Line_Angle(x1, y1, x2, y2), ca = cos(a), sa = sin(a);
    double mxp = (x1 + x2) / 2, myp = (y1 + y2) / 2;
    if (text1[0] == 0) {
        double gap = strlen(text2) * 0.0625 / G.smax;
        Oli_Graphic_Line(x1, y1, mxp - ca * gap, myp - sa * gap);
        Oli_Graphic_Line(x2, y2, mxp + ca * gap, myp + sa * gap);
    } else {
        Oli_Graphic_Line(x1, y1, x2, y2);
    }
    double l = 0.35 / G.smax;
    for (int s = -1; s <= 1; s += 2) {
        Oli_Graphic_Line(x1, y1, x1 + l * cos(a + s * 0.1 * M_PI),
                         y1 + l * sin(a + s * 0.1 * M_PI));
        Oli_Graphic_Line(x2, y2, x2 - l * cos(a + s * 0.1 * M_PI),
                         y2 - l * sin(a + s * 0.1 * M_PI));
    }
    double t = a * G.angle_sign;
    while (t > 2 * M_PI) t -= 2 * M_PI;
    G.text_angle = t;
    Oli_File_Printf(G.file, " 13 %lf\n", 0.25);
    double off = 0.2 / G.sy;
    if (text1[0]) Oli_Graphic_Text_Centred(mxp - sa * off, myp + ca * off, text1);
    if (text2[0]) {
        if (text1[0]) Oli_Graphic_Text_Centred(mxp + sa * off, myp - ca * off, text2);
        else Oli_Graphic_Text_Centred(mxp, myp, text2);
    }
    Oli_Graphic_Pop();
}

/* ---- callouts ---- */

/* Offsets along x are paper lengths over sx, offsets along y over sy. */

static void callout(double x1, double y1, double x2, double y2, double h, int level,
                    int no_triangle, const char *label)
{
    std::string t = label;
    while (!t.empty() && t.back() == ' ') t.pop_back();
    double n = (double)t.size();
    Oli_Graphic_Push();
    Oli_File_Printf(G.file, " 4 %d\n", 1);
    Oli_Solid_Dash();
    double xe;
    if (level) {
        Oli_File_Printf(G.file, " 13 %lf\n", h);
        xe = x2 + 0.82 * h * (n + 2) / G.sx;
    } else {
        xe = x2 + (h + n * h) / G.sx;
        if (Plot_Writer.file) {
            Plot_Set_Linetype(0);
            Plot_Set_Pen(0);
            Plot_Set_Filling(5);
            Plot_Set_Font(4);
        }
    }
    int to_end = hypot(xe - x1, y2 - y1) < hypot(x2 - x1, y2 - y1);
    Oli_Graphic_Line(x1, y1, to_end ? xe : x2, y2);
    Oli_Graphic_Line(x2, y2, xe, y2);
    double up = 0.2 * h / G.sy * (G.y_reversed ? -1.0 : 1.0);
    double ty = y2 + up;
    if (level) {
        Oli_Graphic_Text_Aligned(x2 + 0.1 * h / G.sx, ty, 2, 3, "%s", t.c_str());
        Oli_Graphic_Set_Fill(1);
        if (!no_triangle) {
            if (Plot_Writer.file) Plot_Set_Filling(0);
            double xt = x2 + 0.96 * n * h / G.sx, hh = G.y_reversed ? -h : h;
            Oli_Filled_Triangle(xt, ty, xt + h / G.sx, ty, xt, ty + hh / G.sy);
            Oli_File_Printf(G.file, " 4 %d\n", 2);
            Oli_Graphic_Line(xt, ty, xt + h / G.sx, ty);
            Oli_Graphic_Line(xt + h / G.sx, ty, xt, ty + hh / G.sy);
            Oli_Graphic_Line(xt, ty + hh / G.sy, xt, ty);
        }
    } else if (to_end) {
        Oli_Graphic_Text_Aligned(xe - 0.6 * h / G.sx, ty, 2, 1, "%s", t.c_str());
    } else {
        Oli_Graphic_Text_Aligned(x2 + 0.6 * h / G.sx, ty, 2, 3, "%s", t.c_str());
    }
    Oli_Graphic_Pop();
}

void Oli_Graphic_Callout(double x1, double y1, double x2, double y2, double h, const char *format,
                         ...)
{
    char label[OLI_TEXT_SIZE + 1];
    OLI_FORMAT_ARGS(label, format);
    callout(x1, y1, x2, y2, h, 0, 0, label);
}

void Oli_Graphic_Level_Callout(double x1, double y1, double x2, double y2, double h,
                               int no_triangle, const char *format, ...)
{
    char label[OLI_TEXT_SIZE + 1];
    OLI_FORMAT_ARGS(label, format);
    callout(x1, y1, x2, y2, h, 1, no_triangle, label);
}
