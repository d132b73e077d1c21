/*
** Function diagrams of the print list: the diagram frame with axes, arrowheads, ticks, labels
** and grid in a graphic block of its own; quick curves; small charts over up to 100 values; a
** bold text written by overprinting. Frame sizes in paper units, values in their own units.
*/
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "printlist/oli_drawlib.h"
#include "printlist/oli_graphic.h"
#include "printlist/oli_internal.h"
#include "printlist/oli_text.h"
#include "printlist/plot_file.h"

#define G Oli_Graphic

static int diagram_valid = 0;

Diagram_Frame *Diagram_Frame_Init(Diagram_Frame *f)
{
    if (f == nullptr) return f;
    memset(f, 0, sizeof *f);
    f->width = f->height = 5.0;
    f->y_margin_1 = f->x_margin_1 = f->y_margin_2 = f->x_margin_2 = 0.5;
    f->x_max = f->y_max = 100.0;
    f->x_orientation = 1;
    f->x_step = f->y_step = -1.0;
    return f;
}

/* The fewest decimals (up to 6) that show the tick step exactly: 0.25 -> 2, 0.5 -> 1, 2 -> 0. */
int32_t Oli_Tick_Decimals(double step)
{
    for (int32_t d = 0; d < 6; d++)
        if (fabs(Oli_Round(step, d) - step) < 1e-9) return d;
    return 6;
}

/* Ticks at the multiples of step inside (lo, hi), 0 left out, with their labels and grid lines.
** along_x: ticks on the x axis. */
static void frame_ticks(const Diagram_Frame *f, int along_x)
{
    double step = along_x ? f->x_step : f->y_step;
    if (!(step > 0)) return;
    double lo = along_x ? f->x_min : f->y_min, hi = along_x ? f->x_max : f->y_max;
    int32_t d = Oli_Tick_Decimals(step);
    Oli_File_Printf(G.file, " 13 %lf\n", 0.2);
    for (int dir = -1; dir <= 1; dir += 2) {
        for (int k = 1;; k++) {
            double t = dir * k * step;
            if (dir < 0 ? !(t > lo) : !(t < hi)) break;
            char label[64];
            Oli_Format_Fixed(label, sizeof label, t, d);
            if (along_x) {
                if (f->y_orientation == 0)
                    Oli_Graphic_Text_Aligned(t, -0.15 / G.sy, 2, 4, "%s", label);
                else Oli_Graphic_Text_Aligned(t, 0.15 / G.sy, 0, 4, "%s", label);
            } else {
                Oli_Graphic_Text_Aligned(-0.15 / G.sx, t, 4, f->x_orientation == 1 ? 1 : 3, "%s",
                                         label);
            }
            Oli_File_Printf(G.file, " 4 %d\n", 2);
            Oli_Solid_Dash();
            if (along_x) Oli_Graphic_Line(t, -0.05 / G.sy, t, 0.05 / G.sy);
            else Oli_Graphic_Line(-0.05 / G.sx, t, 0.05 / G.sx, t);
            if (f->grid) {
                Oli_File_Printf(G.file, " 4 %d\n", 1);
                Oli_File_Printf(G.file, " 38 %d %s %d\n", 2, "0.03 0.05", 0);
                if (along_x) Oli_Graphic_Line(t, f->y_min, t, f->y_max);
                else Oli_Graphic_Line(f->x_min, t, f->x_max, t);
                Oli_Solid_Dash();
            }
        }
    }
}

/* The arrowheads reach 0.3 paper units beyond the axis end, 0.16 wide. */
int Oli_Graphic_Diagram_Frame(FILE *file, const Diagram_Frame *f)
{
    if (f == nullptr) return 1;
    diagram_valid = 1;
    if (Oli_Round(f->x_max - f->x_min, 3) <= 0) diagram_valid = 0;
    if (Oli_Round(f->y_max - f->y_min, 3) <= 0) {
        diagram_valid = 0;
        return 1;
    }
    if (!diagram_valid) return 1;
    double sx = (f->width - (f->x_margin_2 + f->x_margin_1)) / (f->x_max - f->x_min);
    double sy = (f->height - (f->y_margin_1 + f->y_margin_2)) / (f->y_max - f->y_min);
    double x0 = f->x_min - f->x_margin_1 / sx, x1 = f->x_max + f->x_margin_2 / sx;
    double y0 = f->y_min - f->y_margin_1 / sy, y1 = f->y_max + f->y_margin_2 / sy;
    if (f->x_orientation != 1) std::swap(x0, x1);
    if (f->y_orientation != 0) std::swap(y0, y1);
    Oli_Graphic_Begin_Xy(file, x0, y0, x1, y1, sx, sy, 0, nullptr);
    Oli_File_Printf(G.file, " 13 %lf\n", 0.25);
    Oli_File_Printf(G.file, " 16 %lf\n", 2.0);
    Oli_Solid_Dash();
    Oli_Graphic_Line(f->x_min, 0, f->x_max, 0);
    Oli_Filled_Triangle(f->x_max + 0.3 / sx, 0, f->x_max, 0.08 / sy, f->x_max, -0.08 / sy);
    Oli_Graphic_Text_Aligned(f->x_max + 0.3 / sx, 0, 4, f->x_orientation == 3 ? 1 : 3, "%s",
                             f->x_title);
    frame_ticks(f, 1);
    Oli_File_Printf(G.file, " 4 %d\n", 2);
    Oli_Graphic_Line(0, f->y_min, 0, f->y_max);
    Oli_Filled_Triangle(0, f->y_max + 0.3 / sy, 0.08 / sx, f->y_max, -0.08 / sx, f->y_max);
    if (f->y_orientation == 2)
        Oli_Graphic_Text_Aligned(0, f->y_max + 0.3 / sy, 0, 4, "%s", f->y_title);
    else Oli_Graphic_Text_Aligned(0, f->y_max + 0.3 / sy, 2, 4, "%s", f->y_title);
    frame_ticks(f, 0);
    return 0;
}

int Oli_Graphic_Diagram_End(void)
{
    if (!diagram_valid) return 0;
    return Oli_File_Printf(G.file, " -1\n");
}

void Oli_Graphic_Quick_Curve(FILE *file, int32_t n, const double *x, const double *y, int x_side,
                             int y_side, double width, double height)
{
    if (!diagram_valid || n < 1 || x == nullptr || y == nullptr) return;
    double xlo = 0, xhi = 0, ylo = 0, yhi = 0;
    for (int32_t i = 0; i < n; i++) {
        xlo = fmin(xlo, x[i]);
        xhi = fmax(xhi, x[i]);
        ylo = fmin(ylo, y[i]);
        yhi = fmax(yhi, y[i]);
    }
    if (xhi - xlo <= 0 || yhi - ylo <= 0) return;
    double sx = width / (xhi - xlo), sy = height / (yhi - ylo);
    G.file = file;
    G.stagger_memory = 0;
    G.sx = sx;
    G.sy = sy;
    G.smin = fmin(sx, sy);
    G.smax = fmax(sx, sy);
    G.text_scale = 0.3 / sx;
    G.text_angle = G.rotation = 0.0;
    G.angle_sign = 1.0;
    double wx0 = xlo * sx - 1, wx1 = xhi * sx + 1, wy0 = ylo * sy - 1, wy1 = yhi * sy + 1;
    if (x_side) std::swap(wx0, wx1);
    if (y_side) std::swap(wy0, wy1);
    Oli_File_Printf(file, "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n");
    Oli_File_Printf(file, "%d\n", -1);
    Oli_File_Printf(file, "%lf %lf %lf %lf\n", wx0, wx1, wy0, wy1);
    Oli_Graphic_Line(xlo, 0, xhi, 0);
    Oli_Graphic_Line(0, ylo, 0, yhi);
    for (int32_t i = 0; i + 1 < n; i++) Oli_Graphic_Line(x[i], y[i], x[i + 1], y[i + 1]);
    Oli_File_Printf(file, " -1\n");
}

void Oli_Graphic_Bold_Text(double x, double y, const char *text)
{
    if (Plot_Writer.file) fprintf(Plot_Writer.file, "-opengroup\n");
    Oli_Graphic_Text_Plain(x, y, text);
    Oli_Graphic_Text_Plain(x + 0.01 / G.sx, y, text);
    Oli_Graphic_Text_Plain(x, y + 0.01 / G.sy, text);
    Oli_Graphic_Text_Plain(x + 0.01 / G.sx, y + 0.01 / G.sy, text);
    if (Plot_Writer.file) fprintf(Plot_Writer.file, "-closegroup\n");
}

/* ---- charts ---- */

/* r below 2 is multiplied by 10 until its mantissa reaches 10 (d times, at most 999), r above 20
** divided by 10 until it is not above 100 (at most 9999 times); the step is the truncated
** mantissa scaled back, so that it keeps two digits of the range: 0.35 -> 0.35, 1.57 -> 1.5,
** 137 -> 130. A range from 2 to 20 steps by its integer part. */
int Oli_Chart_Label_Step(double r, double *step, int32_t *decimals)
{
    *step = 0;
    *decimals = 0;
    if (!(r > 0.0000002)) return 0;
    const double nudge = 1 + 1e-12; /* 0.29 * 100 is 28.999999999999996 */
    if (r < 2) {
        double m = r;
        int32_t d = 0;
        while (m < 10 && d < 999) {
            m *= 10;
            d++;
        }
        *step = trunc(m * nudge) / pow(10.0, d);
        *decimals = d;
    } else if (r > 20) {
        double m = r, scale = 1;
        for (int32_t k = 0; m > 100 && k < 9999; k++) {
            m /= 10;
            scale *= 10;
        }
        *step = trunc(m * nudge) * scale;
    } else {
        *step = trunc(r * nudge);
    }
    return 1;
}

/* The value axis' labels: the multiples of the label step inside the range; a side of the zero
** line that gets none (the step is at least a tenth of the whole range) shows its end value, as
** does the plain path. No label closer than gap to "0" or to another label. */
static void chart_labels(double ylo, double yhi, double bottom, double top, double x, double gap)
{
    auto Y = [&](double v) { return bottom + (v - ylo) / (yhi - ylo) * (top - bottom); };
    double step = 0;
    int32_t d = 0;
    std::vector<std::pair<double, int32_t>> at; /* value, decimals */
    bool below = false, above = false;
    if (Oli_Chart_Label_Step(yhi - ylo, &step, &d)) {
        long k0 = (long)ceil(ylo / step - 1e-9), k1 = (long)floor(yhi / step + 1e-9);
        for (long k = k0; k <= k1; k++) {
            if (k == 0) continue;
            at.emplace_back((double)k * step, d);
            (k < 0 ? below : above) = true;
        }
    }
    if (!below && ylo < 0) at.emplace_back(ylo, Oli_Tick_Decimals(Oli_Round(ylo, 2)));
    if (!above && yhi > 0) at.emplace_back(yhi, Oli_Tick_Decimals(Oli_Round(yhi, 2)));
    std::vector<double> taken = {Y(0)};
    for (const auto &[v, decimals] : at) {
        double y = Y(v);
        bool crowded = false;
        for (double t : taken) crowded = crowded || fabs(y - t) < gap;
        if (crowded) continue;
        taken.push_back(y);
        char label[64];
        Oli_Format_Fixed(label, sizeof label, v, decimals);
        Oli_Graphic_Line(x - 0.06, y, x, y);
        Oli_Graphic_Text_Aligned_Plain(x - 0.06, y, 4, 1, "%s", label);
    }
}

/* The box runs from x0 + text height to x1 - 0.04 (x1 + 0.04 would reach beyond the given box);
** the value axis gets labels at its ends and "0" at the zero line; mode 1 writes the title
** upright along the left edge, any other mode under the chart. lower < upper fixes the value
** range of the second form. */
static int chart(double x0, double y0, double x1, double y1, const double *xv, const double *yv,
                 int32_t n, int32_t mode, const char *title, double th, double lower, double upper)
{
    if (n < 1 || xv == nullptr || yv == nullptr) return 0;
    double xmin = xv[0], xmax = xv[0];
    for (int32_t i = 0; i < n && i < 100; i++) {
        xmin = fmin(xmin, xv[i]);
        xmax = fmax(xmax, xv[i]);
    }
    if (xmax - xmin < 0.1) return 0;
    double bottom = y0 + (title && title[0] ? 1.3 * th : 0.0);
    double bx0 = x0 + th, bx1 = x1 - 0.04;
    if (bx1 - bx0 < 0.1 || y1 - bottom < 0.1 || n < 2 || n > 100) return 0;
    double ylo = 0, yhi = 0;
    for (int32_t i = 0; i < n; i++) {
        ylo = fmin(ylo, yv[i]);
        yhi = fmax(yhi, yv[i]);
    }
    if (upper > lower) {
        ylo = fmin(lower, 0.0);
        yhi = fmax(upper, 0.0);
    }
    /* a flat curve keeps the range of its values' magnitude, however small; only a curve of zeros
  ** gets a range of 1 */
    if (!(yhi - ylo > 0)) yhi = ylo + 1.0;
    auto X = [&](double v) { return bx0 + (v - xmin) / (xmax - xmin) * (bx1 - bx0); };
    auto Y = [&](double v) { return bottom + (v - ylo) / (yhi - ylo) * (y1 - bottom); };
    Oli_Graphic_Push();
    std::vector<double> px, py;
    px.push_back(X(xv[0]));
    py.push_back(Y(0));
    for (int32_t i = 0; i < n; i++) {
        px.push_back(X(xv[i]));
        py.push_back(Y(yv[i]));
    }
    px.push_back(X(xv[n - 1]));
    py.push_back(Y(0));
    px.push_back(px[0]);
    py.push_back(py[0]);
    Oli_Graphic_Set_Fill(11);
    if (G.fill_output) Oli_Graphic_Area_Polygon(n + 3, px.data(), py.data());
    Oli_File_Printf(G.file, " 6 %lf\n", 0.015);
    Oli_Graphic_Polyline(-(n + 2), px.data(), py.data());
    Oli_File_Printf(G.file, " 6 %lf\n", 0.04);
    Oli_Graphic_Line(bx0, Y(0), bx1, Y(0));
    Oli_Graphic_Line(bx0, bottom, bx0, y1);
    Oli_File_Printf(G.file, " 6 %lf\n", 0.01);
    Oli_File_Printf(G.file, " 13 %lf\n", 0.8 * th);
    double gap = 0.4 * th + 0.02;
    Oli_Graphic_Line(bx0 - 0.06, Y(0), bx0, Y(0));
    Oli_Graphic_Text_Aligned_Plain(bx0 - 0.06, Y(0), 4, 1, "0");
    chart_labels(ylo, yhi, bottom, y1, bx0, gap);
    Oli_File_Printf(G.file, " 7 %d\n", 7);
    Oli_Graphic_Set_Fill(11);
    Oli_File_Printf(G.file, " 23 %d %d\n", 1, 0);
    if (title && title[0]) {
        Oli_File_Printf(G.file, " 13 %lf\n", th);
        if (mode == 1) {
            G.text_angle = M_PI / 2 * G.angle_sign;
            Oli_Graphic_Text_Centred(x0 + th / 2, (bottom + y1) / 2, title);
        } else {
            G.text_angle = 0;
            Oli_Graphic_Text_Centred((bx0 + bx1) / 2, y0 + 0.65 * th, title);
        }
    }
    Oli_Graphic_Pop();
    return 1;
}

int Oli_Graphic_Chart(double x0, double y0, double x1, double y1, const double *xv,
                      const double *yv, int32_t n, int32_t mode, const char *title,
                      double text_height)
{
    return chart(/*x0=*/x0, /*y0=*/y0, /*x1=*/x1, /*y1=*/y1, /*xv=*/xv, /*yv=*/yv, /*n=*/n,
                 /*mode=*/mode, /*title=*/title, /*th=*/text_height, /*lower=*/0.0, /*upper=*/0.0);
}

int Oli_Graphic_Chart_2(double x0, double y0, double x1, double y1, const double *xv,
                        const double *yv, int32_t n, int32_t mode, const char *title,
                        double text_height, double lower, double upper)
{
    return chart(/*x0=*/x0, /*y0=*/y0, /*x1=*/x1, /*y1=*/y1, /*xv=*/xv, /*yv=*/yv, /*n=*/n,
                 /*mode=*/mode, /*title=*/title, /*th=*/text_height, /*lower=*/lower,
                 /*upper=*/upper);
}
