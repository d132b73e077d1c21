/*
** Reinforcement label (a layer drawn like a dimension with its area, bars and spacing, cover
** and grade) and the section line of the print-list graphics; the member value diagram.
*/
#include <cmath>
#include <cstring>
#include <string>

#include "foundation/codepage.h"
#include "foundation/memory.h"
#include "printlist/oli_drawlib.h"
#include "printlist/oli_graphic.h"
#include "printlist/oli_internal.h"
#include "printlist/oli_text.h"
#include "printlist/oli_writer.h"

#define G Oli_Graphic

static const char *rebar_grades[3] = {"BSt 220/340", "BSt 420S", "BSt 500S"};
static const int rebar_diameters[10] = {6, 8, 12, 14, 16, 18, 20, 22, 25, 28};

/* Value with decimals by our fixed-point rule, right-aligned in width. */
static std::string fixed(double v, int decimals, int width)
{
    char b[64];
    Oli_Format_Fixed(b, sizeof b, v, decimals);
    std::string s = b;
    if ((int)s.size() < width) s.insert(0, (size_t)(width - (int)s.size()), ' ');
    return s;
}

int Oli_Graphic_Rebar_Label(double x1, double y1, double x2, double y2, double h, int32_t grade,
                            int32_t diameter, double spacing, double area, double cover,
                            double value, int32_t position)
{
    if ((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1) < 24.999999999999996) return 0;
    if (grade < 0 || grade > 2) grade = grade < 0 ? 0 : 2;
    if (diameter < 0 || diameter > 9) diameter = diameter < 0 ? 0 : 9;
    Oli_Graphic_Push();
    Oli_File_Printf(G.file, " 4 %d\n", 1);
    Oli_Solid_Dash();
    double a = Oli_Line_Angle(x1, y1, x2, y2), ca = cos(a), sa = sin(a), sx = G.sx, sy = G.sy;
    Oli_Graphic_Line(x1 - ca * h / sx, y1 - sa * h / sy, x2 + ca * h / sx, y2 + sa * h / sy);
    double px[2] = {x1, x2}, py[2] = {y1, y2};
    double b = a + M_PI / 4, k = 1.5 * 0.4 * sqrt(2.0) * h, dx = k * cos(b) / sx,
           dy = k * sin(b) / sy;
    if (G.y_reversed) dy = -dy;
    for (int i = 0; i < 2; i++) {
        Oli_Graphic_Line(px[i] - 6 * h * sa / sx, py[i] + 6 * h * ca / sy,
                         px[i] + 4.4 * h * sa / sx, py[i] - 4.4 * h * ca / sy);
        Oli_Graphic_Line(px[i] - dx, py[i] - dy, px[i] + dx, py[i] + dy);
    }
    double t = a * G.angle_sign;
    while (t > 2 * M_PI) t -= 2 * M_PI;
    G.text_angle = t;
    Oli_File_Printf(G.file, " 13 %lf\n", 2.1 * h);
    Oli_File_Printf(G.file, " 8 %d\n", 6);
    double mx = (x1 + x2) / 2, my = (y1 + y2) / 2;
    auto at = [&](double d, double *ax, double *ay) {
        *ax = mx - sa * d * h / sy;
        *ay = my + ca * d * h / sy;
    };
    double ax, ay;
    at(1.6, &ax, &ay);
    Oli_Graphic_Text_Centred(ax, ay, (fixed(area, 2, 5) + " cm²"_cp850).c_str());
    at(4.8, &ax, &ay);
    Oli_File_Printf(G.file, " 27 %s %s %%FONT%%\\%s\n", fixed(ax * sx - 8.48 * h, 1, 0).c_str(),
                    fixed(ay * sy + 1.3 * h, 1, 0).c_str(), "DURCHM.OCM");
    char text[OLI_TEXT_SIZE + 1];
    snprintf(text, sizeof text, "   %d/%s", rebar_diameters[diameter],
             fixed(spacing, 1, 4).c_str());
    Oli_Graphic_Text_Centred(ax, ay, text);
    at(-1.6, &ax, &ay);
    Oli_File_Printf(G.file, " 13 %lf\n", 1.8 * h);
    snprintf(text, sizeof text, "C=%scm V=%s", fixed(100 * cover, 0, 0).c_str(),
             fixed(value, 0, 0).c_str());
    Oli_Graphic_Text_Centred(ax, ay, text);
    at(-4.0, &ax, &ay);
    Oli_File_Printf(G.file, " 13 %lf\n", 2.1 * h);
    if (position < 1) snprintf(text, sizeof text, "%s", rebar_grades[grade]);
    else snprintf(text, sizeof text, "%s Nr. %i", rebar_grades[grade], (int)position);
    Oli_Graphic_Text_Centred(ax, ay, text);
    Oli_Graphic_Pop();
    return 1;
}

void Oli_Graphic_Section_Line(double x1, double y1, double x2, double y2, double size,
                              const char *label1, const char *label2)
{
    Oli_Graphic_Push();
    Oli_File_Printf(G.file, " 6 %lf\n", 0.025);
    Oli_File_Printf(G.file, " 38 %d %s %d\n", 4, "0.2 0.07 0.008 0.07", 0);
    double a = Oli_Line_Angle(x1, y1, x2, y2), sa = sin(a), ca = cos(a);
    double e1x = x1 - 2 * size * sa / G.sx, e1y = y1 + 2 * size * ca / G.sy;
    double e2x = x2 - 2 * size * sa / G.sx, e2y = y2 + 2 * size * ca / G.sy;
    if (label1) Oli_Graphic_Line(x1, y1, e1x, e1y);
    Oli_Graphic_Line(x1, y1, x2, y2);
    if (label2) Oli_Graphic_Line(x2, y2, e2x, e2y);
    if (label1 || label2) {
        Oli_Graphic_Set_Fill(64);
        Oli_Solid_Dash();
        double r = 0.26 / G.smax;
        if (size > 0) r = -r;
        if (label1)
            Oli_Filled_Triangle(e1x, e1y, e1x + r * cos(a + 2 * M_PI / 3),
                                e1y + r * sin(a + 2 * M_PI / 3), e1x + r * cos(a + M_PI / 3),
                                e1y + r * sin(a + M_PI / 3));
        if (label2)
            Oli_Filled_Triangle(e2x, e2y, e2x - r * cos(a - M_PI / 3), e2y - r * sin(a - M_PI / 3),
                                e2x - r * cos(a - 2 * M_PI / 3), e2y - r * sin(a - 2 * M_PI / 3));
        Oli_File_Printf(G.file, " 13 %lf\n", 0.25);
        Oli_File_Printf(G.file, " 8 %d\n", 6);
        const char *labels[2] = {label1, label2};
        double ex[2] = {e1x, e2x}, ey[2] = {e1y, e2y};
        for (int i = 0; i < 2; i++) {
            if (labels[i] == nullptr || labels[i][0] == 0) continue;
            double d = (strlen(labels[i]) + 0.5) * 0.09259259259259259 / G.sx;
            if (size < 0) d = -d;
            Oli_Graphic_Text_Centred(ex[i] - sa * d, ey[i] + ca * d, labels[i]);
        }
    }
    Oli_Graphic_Pop();
}

/* ---- member value diagram ---- */

void Member_Diagram_Init(Member_Diagram *d, int32_t n)
{
    if (d == nullptr) return;
    memset(d, 0, sizeof *d);
    d->fill = 11;
    d->dashed_fibre = 1;
    d->mode = 2;
    d->scale = 1.0;
    d->text_size = 0.3;
    d->decimals = 2;
    d->side = 1;
    d->n = n > 0 ? n : 0;
    if (n > 0) {
        d->positions = (double *)Mem_Realloc(nullptr, (size_t)n * sizeof(double), 1);
        d->values = (double *)Mem_Realloc(nullptr, (size_t)n * sizeof(double), 1);
    }
}

void Member_Diagram_Copy(Member_Diagram *dst, const Member_Diagram *src)
{
    if (dst == nullptr || src == nullptr || dst == src) return;
    double *p = dst->positions, *v = dst->values;
    *dst = *src;
    dst->positions = p;
    dst->values = v;
    if (src->n < 1) {
        Mem_Free(&dst->positions);
        Mem_Free(&dst->values);
        return;
    }
    Mem_Copy_Doubles(src->n, &dst->positions, src->positions);
    Mem_Copy_Doubles(src->n, &dst->values, src->values);
}

void Member_Diagram_Free(Member_Diagram *d)
{
    if (d == nullptr) return;
    Mem_Free(&d->positions);
    Mem_Free(&d->values);
}

void Oli_Graphic_Member_Diagram(const Member_Diagram *d)
{
    if (d == nullptr || d->n < 1 || d->positions == nullptr || d->values == nullptr) return;
    double L = hypot(d->x2 - d->x1, d->y2 - d->y1);
    if (L * G.sy < 0.1) return;
    int n = d->n;
    double a = Oli_Line_Angle(d->x1, d->y1, d->x2, d->y2);
    double sx0 = d->x1, sy0 = d->y1;
    Oli_To_Local(&sx0, &sy0, a);
    double sign = d->side ? -1.0 : 1.0, t = d->text_size / G.sy;
    double *ox = (double *)Mem_Realloc(nullptr, (size_t)(n + 2) * sizeof(double), 1);
    double *oy = (double *)Mem_Realloc(nullptr, (size_t)(n + 2) * sizeof(double), 1);
    double *fx = (double *)Mem_Realloc(nullptr, (size_t)n * sizeof(double), 1);
    double *fy = (double *)Mem_Realloc(nullptr, (size_t)n * sizeof(double), 1);
    double *lx = (double *)Mem_Realloc(nullptr, (size_t)n * sizeof(double), 1);
    double *ly = (double *)Mem_Realloc(nullptr, (size_t)n * sizeof(double), 1);
    for (int i = 0; i < n; i++) {
        fx[i] = fmin(L, d->positions[i]) + sx0;
        fy[i] = sy0;
        ox[i] = fx[i];
        oy[i] = fy[i] + d->scale * sign * d->values[i];
        lx[i] = fx[i];
        ly[i] = d->values[i] > 0 ? oy[i] + t * sign : oy[i] - t * sign;
    }
    ox[n] = sx0 + L;
    oy[n] = sy0;
    ox[n + 1] = sx0;
    oy[n + 1] = sy0;
    for (int i = 0; i < n + 2; i++) Oli_To_Local(&ox[i], &oy[i], -a);
    for (int i = 0; i < n; i++) {
        Oli_To_Local(&fx[i], &fy[i], -a);
        Oli_To_Local(&lx[i], &ly[i], -a);
    }
    Oli_Graphic_Push();
    Oli_Solid_Dash();
    Oli_File_Printf(G.file, " 4 %d\n", 1);
    if (d->fill >= 0) Oli_Graphic_Set_Fill(d->fill);
    if (G.fill_output) Oli_Graphic_Area_Polygon(n + 2, ox, oy);
    Oli_Graphic_Polyline(n + 2, ox, oy);
    for (int i = 0; i < n; i++) {
        double before = i > 0 ? d->values[i] - d->values[i - 1] : 0.0;
        double after = i + 1 < n ? d->values[i + 1] - d->values[i] : before;
        Oli_Graphic_Line(fx[i], fy[i], ox[i], oy[i]);
        int turning = (before >= 0 && after < 0) || (before < 0 && after >= 0);
        int first = i == 0, last = i == n - 1;
        if (first || last || turning) {
            char label[64];
            Oli_Format_Fixed(label, sizeof label, d->values[i], d->decimals);
            Oli_Graphic_Text_Aligned_Plain(lx[i], ly[i], 4, 4, "%s", label);
        }
        if (!last && ((first && after < 0) || (!first && turning))) {
            double mx = (fx[i] + ox[i]) / 2, my = (fy[i] + oy[i]) / 2, dd = 0.25 / G.sy;
            Oli_Graphic_Set_Fill(0);
            Oli_Graphic_Disc(mx, my, dd);
            Oli_Graphic_Arc(mx, my, dd, 0, 360);
            Oli_File_Printf(G.file, " 4 %d\n", 1);
            Oli_Graphic_Text_Aligned_Plain(mx, my, 4, 4, "%c", d->values[i] < 0 ? '-' : '+');
        }
    }
    Oli_Solid_Dash();
    Oli_File_Printf(G.file, " 4 %d\n", 3);
    Oli_Graphic_Line(d->x1, d->y1, d->x2, d->y2);
    if (d->dashed_fibre) {
        double ax = sx0, ay = sy0 - t, bx = sx0 + L, by = sy0 - t;
        Oli_To_Local(&ax, &ay, -a);
        Oli_To_Local(&bx, &by, -a);
        Oli_File_Printf(G.file, " 4 %d\n", 1);
        Oli_File_Printf(G.file, " 38 %d %s %d\n", 2, "0.1 0.1", 0);
        Oli_Graphic_Line(ax, ay, bx, by);
    }
    Oli_Graphic_Pop();
    Mem_Free(&ox);
    Mem_Free(&oy);
    Mem_Free(&fx);
    Mem_Free(&fy);
    Mem_Free(&lx);
    Mem_Free(&ly);
}
