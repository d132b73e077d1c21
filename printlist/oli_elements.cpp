/*
** Graphic elements of the print list: lines, polylines, rectangles, arrows, arcs, filled
** polygons, rectangles, frames, sectors, discs, rings and regions, with their plot-file
** entities; the attribute records (filling, dash, colours, groups) and the colour lightening.
*/
#include <algorithm>
#include <cmath>
#include <vector>

#include "printlist/oli_graphic.h"
#include "printlist/oli_internal.h"
#include "printlist/plot_file.h"

#define G Oli_Graphic
#define P Plot_Writer

/* ---- shared steps of the transform ---- */

static void bbox_point(double x, double y)
{
    if (x < G.xmin) G.xmin = x;
    if (x > G.xmax) G.xmax = x;
    if (y < G.ymin) G.ymin = y;
    if (y > G.ymax) G.ymax = y;
}

static void rotate(double *x, double *y) { Oli_To_Local(x, y, G.rotation); }

/* The box of an area of turned points, for the notes of a fitted block (paper units). */
static void note_area(int32_t n, const double *x, const double *y)
{
    if (!Oli_Fit_Active() || n <= 0) return;
    double x0 = x[0], x1 = x[0], y0 = y[0], y1 = y[0];
    for (int32_t i = 1; i < n; i++) {
        x0 = std::min(x0, x[i]);
        x1 = std::max(x1, x[i]);
        y0 = std::min(y0, y[i]);
        y1 = std::max(y1, y[i]);
    }
    Oli_Fit_Note_Area(x0 * G.sx, y0 * G.sy, x1 * G.sx, y1 * G.sy);
}

static double plot_y(double y) { return G.mirror_mode == 2 ? G.mirror_sum - y : y; }

static int plot_areas(void) { return P.file != nullptr && P.filling >= 0; }

/* Edge forms of an area ring */
enum { EDGE_POLYGON, EDGE_STRAIGHT, EDGE_STRAIGHT_4 };

/* One edge from (x, y) (plot coordinates) to point q. */
static void plot_edge(int form, double x, double y, int32_t q)
{
    if (form == EDGE_POLYGON)
        fprintf(P.file, " 0 ( @%d ( @%d %lf %lf ) #%d %d 0 1 0.0 )\n", (int)P.entity, (int)P.point,
                x, y, (int)q, (int)P.pen);
    else if (form == EDGE_STRAIGHT)
        fprintf(P.file, " 0 ( @%d ( @%d %lf %lf ) #%d %d 0 0 0.0 )\n", (int)P.entity, (int)P.point,
                x, y, (int)q, (int)P.pen);
    else
        fprintf(P.file, " 0 ( @%d ( @%d %.4f %.4f ) #%d %d 0 0 0.0 )\n", (int)P.entity,
                (int)P.point, x, y, (int)q, (int)P.pen);
    P.entity++;
    P.point++;
}

/* A ring of n edges through rotated points (y not yet mirrored). */
static void plot_ring(int form, int32_t n, const double *x, const double *y)
{
    fprintf(P.file, " %d", (int)n);
    int32_t first = P.point;
    for (int32_t i = 0; i < n; i++)
        plot_edge(form, x[i], plot_y(y[i]), i == n - 1 ? first : P.point + 1);
}

/* A ring of two half circles round (x, y) (plot coordinates), radius r unscaled. */
static void plot_circle_ring(double x, double y, double r)
{
    fprintf(P.file, " %d", 2);
    int32_t p = P.point;
    fprintf(P.file, " 0 ( @%d ( @%d %lf %lf ) #%d %d 0 0 %lf )\n", (int)P.entity, (int)p, x, y + r,
            (int)(p + 1), (int)P.pen, r);
    fprintf(P.file, " 0 ( @%d ( @%d %lf %lf ) #%d %d 0 0 %lf )\n", (int)(P.entity + 1),
            (int)(p + 1), x, y - r, (int)p, (int)P.pen, r);
    P.entity += 2;
    P.point += 2;
}

static void area_head(int32_t holes)
{
    fprintf(P.file, "-area / %d %d\n", (int)holes, (int)P.filling);
}

/* ---- lines and outlines ---- */

void Oli_Graphic_Line(double x1, double y1, double x2, double y2)
{
    bbox_point(x1, y1);
    bbox_point(x2, y2);
    rotate(&x1, &y1);
    rotate(&x2, &y2);
    Oli_File_Printf(G.file, " 1  %lf %lf %lf %lf\n", x1 * G.sx, y1 * G.sy, x2 * G.sx, y2 * G.sy);
    Oli_Fit_Note_Line(x1 * G.sx, y1 * G.sy, x2 * G.sx, y2 * G.sy);
    if (P.file == nullptr) return;
    fprintf(P.file, "-line @%d ( @%d %lf %lf ) #%d %d %d 1 0.0\n", (int)P.entity, (int)P.point, x1,
            plot_y(y1), (int)(P.point + 1), (int)P.pen, (int)P.linetype);
    fprintf(P.file, "-point @%d %lf %lf\n", (int)(P.point + 1), x2, plot_y(y2));
    P.entity += 1;
    P.point += 2;
}

void Oli_Graphic_Polyline(int32_t n, const double *x, const double *y)
{
    int32_t m = n < 0 ? -n : n;
    if (m < 2 || x == nullptr || y == nullptr) return;
    for (int32_t i = 0; i + 1 < m; i++) Oli_Graphic_Line(x[i], y[i], x[i + 1], y[i + 1]);
    if (n > 0) Oli_Graphic_Line(x[m - 1], y[m - 1], x[0], y[0]);
}

void Oli_Graphic_Rect(double x0, double y0, double x1, double y1)
{
    Oli_Graphic_Line(x0, y0, x0, y1);
    Oli_Graphic_Line(x0, y1, x1, y1);
    Oli_Graphic_Line(x1, y1, x1, y0);
    Oli_Graphic_Line(x1, y0, x0, y0);
}

void Oli_Graphic_Rect_Centred(double cx, double cy, double w, double h)
{
    Oli_Graphic_Rect(cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2);
}

void Oli_Graphic_Arrow(double xt, double yt, double xe, double ye, double len, double width)
{
    Oli_Graphic_Push();
    double a = atan2(ye - yt, xe - xt);
    double L = hypot(xe - xt, ye - yt);
    double px[4] = {0.0, -len, -len, -L}, py[4] = {0.0, -width / 2, width / 2, 0.0};
    for (int i = 0; i < 4; i++) {
        Oli_To_Global(&px[i], &py[i], a + M_PI);
        px[i] += xt;
        py[i] += yt;
    }
    Oli_Graphic_Line(px[0], py[0], px[3], py[3]);
    Oli_Graphic_Line(px[0], py[0], px[1], py[1]);
    Oli_Graphic_Line(px[0], py[0], px[2], py[2]);
    Oli_Graphic_Pop();
}

void Oli_Graphic_Line_Offset(double x1, double y1, double x2, double y2, double ox, double oy)
{
    bbox_point(x1 + ox, y1 + oy);
    bbox_point(x2 + ox, y2 + oy);
    rotate(&x1, &y1);
    rotate(&x2, &y2);
    rotate(&ox, &oy);
    Oli_File_Printf(G.file, " 1  %lf %lf %lf %lf\n", (x1 + ox) * G.sx, (y1 + oy) * G.sy,
                    (x2 + ox) * G.sx, (y2 + oy) * G.sy);
}

/* Arc as lines; offset non-zero draws relative to the centre through Oli_Graphic_Line_Offset. */
static void arc_lines(double cx, double cy, double d, double start, double span, int offset)
{
    const double deg = 0.017453292519943295;
    double a = start * deg, e = a + span * deg, r = d / 2;
    double step = span <= 180 ? 0.09817477042468103 : 0.19634954084936207;
    if (P.file) fprintf(P.file, "-opengroup\n");
    while (a < 0) a += 2 * M_PI;
    while (e < a) e += 2 * M_PI;
    double px = r * cos(a), py = r * sin(a);
    for (int k = 0;; k++) {
        double t = k * step;
        if (t >= 4 * M_PI) break;
        if (a < t && t <= e) {
            double qx = r * cos(t), qy = r * sin(t);
            if (offset) Oli_Graphic_Line_Offset(px, py, qx, qy, cx, cy);
            else Oli_Graphic_Line(cx + px, cy + py, cx + qx, cy + qy);
            px = qx;
            py = qy;
        }
        if (Oli_Round(t - e, 5) >= 0) break;
    }
    if (offset) Oli_Graphic_Line_Offset(px, py, r * cos(e), r * sin(e), cx, cy);
    else Oli_Graphic_Line(cx + px, cy + py, cx + r * cos(e), cy + r * sin(e));
    if (P.file) fprintf(P.file, "-closegroup\n");
}

void Oli_Graphic_Arc(double cx, double cy, double d, double start, double span)
{
    arc_lines(cx, cy, d, start, span, 0);
}

void Oli_Graphic_Arc_Offset(double cx, double cy, double d, double start, double span)
{
    arc_lines(cx, cy, d, start, span, 1);
}

void Oli_Graphic_Strip(double x0, double y0, double x1, double y1, double width, int outline)
{
    double a = Oli_Line_Angle_2Pi(x0, y0, x1, y1);
    /* ends in the segment's frame, moved by width/2 to either side, and back */
    double lx0 = x0, ly0 = y0, lx1 = x1, ly1 = y1;
    Oli_To_Local(&lx0, &ly0, a);
    Oli_To_Local(&lx1, &ly1, a);
    double px[4] = {lx0, lx1, lx1, lx0};
    double py[4] = {ly0 - width / 2, ly1 - width / 2, ly1 + width / 2, ly0 + width / 2};
    for (int i = 0; i < 4; i++) Oli_To_Global(&px[i], &py[i], a);
    if (G.fill_output) Oli_Graphic_Area_Polygon(4, px, py);
    if (outline) Oli_Graphic_Polyline(4, px, py);
}

/* ---- areas ---- */

void Oli_Graphic_Area_Polygon(int32_t n, double *x, double *y)
{
    if (n < 0) n = 0;
    /* A polygon without points has no extent: the bounding box stays as it is. */
    for (int32_t i = 0; i < n; i++) bbox_point(x[i], y[i]);
    for (int32_t i = 0; i < n; i++) rotate(&x[i], &y[i]);
    note_area(n, x, y);
    Oli_File_Printf(G.file, " 18 %d", (int)n);
    for (int32_t i = 0; i < n; i++) Oli_File_Printf(G.file, " %lf %lf", x[i] * G.sx, y[i] * G.sy);
    Oli_File_Printf(G.file, " \n");
    /* An area without edges would leave its ring count on an open line. */
    if (plot_areas() && n > 0) {
        area_head(0);
        plot_ring(EDGE_POLYGON, n, x, y);
    }
    for (int32_t i = 0; i < n; i++) Oli_To_Local(&x[i], &y[i], -G.rotation);
}

void Oli_Graphic_Filled_Polygon(int32_t n, double *x, double *y)
{
    if (G.fill_output) Oli_Graphic_Area_Polygon(n, x, y);
}

/* Rotated and ordered corners of a rectangle in the window's orientation. */
static void ordered_rect(double x0, double y0, double x1, double y1, double *xa, double *ya,
                         double *xb, double *yb)
{
    bbox_point(x0, y0);
    bbox_point(x1, y1);
    rotate(&x0, &y0);
    rotate(&x1, &y1);
    if ((G.x_direction == 1 && x0 > x1) || (G.x_direction == 3 && x0 < x1)) std::swap(x0, x1);
    if ((G.mirror_mode == 0 && y0 > y1) || (G.mirror_mode == 2 && y0 < y1)) std::swap(y0, y1);
    *xa = x0;
    *ya = y0;
    *xb = x1;
    *yb = y1;
}

/* The four edges of an axis-parallel rectangle as one ring of the plot area (plot y values). */
static void plot_rect_ring(double xa, double pya, double xb, double pyb)
{
    fprintf(P.file, " %d", 4);
    int32_t first = P.point;
    plot_edge(EDGE_STRAIGHT, xa, pya, P.point + 1);
    plot_edge(EDGE_STRAIGHT, xa, pyb, P.point + 1);
    plot_edge(EDGE_STRAIGHT, xb, pyb, P.point + 1);
    plot_edge(EDGE_STRAIGHT_4, xb, pya, first);
}

void Oli_Graphic_Filled_Rect(double x0, double y0, double x1, double y1)
{
    double xa, ya, xb, yb;
    ordered_rect(x0, y0, x1, y1, &xa, &ya, &xb, &yb);
    Oli_File_Printf(G.file, " 24  %lf %lf %lf %lf\n", xa * G.sx, yb * G.sy, xb * G.sx, ya * G.sy);
    Oli_Fit_Note_Area(xa * G.sx, ya * G.sy, xb * G.sx, yb * G.sy);
    if (!plot_areas()) return;
    double pya = plot_y(ya), pyb = plot_y(yb);
    area_head(0);
    plot_rect_ring(xa, pya, xb, pyb);
}

void Oli_Graphic_Filled_Rect_Centred(double cx, double cy, double w, double h)
{
    Oli_Graphic_Filled_Rect(cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2);
}

void Oli_Graphic_Filled_Frame(double x0, double y0, double x1, double y1, double x2, double y2,
                              double x3, double y3)
{
    double xa, ya, xb, yb;
    ordered_rect(x0, y0, x1, y1, &xa, &ya, &xb, &yb);
    Oli_File_Printf(G.file, " 24  %lf %lf %lf %lf\n", xa * G.sx, yb * G.sy, xb * G.sx, ya * G.sy);
    Oli_Fit_Note_Area(xa * G.sx, ya * G.sy, xb * G.sx, yb * G.sy);
    Oli_File_Printf(G.file, " 20  0\n");
    rotate(&x2, &y2);
    rotate(&x3, &y3);
    double l = fmin(x2, x3), r = fmax(x2, x3), b = fmin(y2, y3), t = fmax(y2, y3);
    int hole = l > xa && r < xb && b > ya && t < yb;
    if (hole)
        Oli_File_Printf(G.file, " 24  %lf %lf %lf %lf\n", l * G.sx, t * G.sy, r * G.sx, b * G.sy);
    if (!plot_areas()) return;
    area_head(hole);
    double pya = plot_y(ya), pyb = plot_y(yb);
    plot_rect_ring(xa, pya, xb, pyb);
    if (hole) {
        double hx[4] = {l, l, r, r}, hy[4] = {b, t, t, b};
        plot_ring(EDGE_STRAIGHT, 4, hx, hy);
    }
}

void Oli_Graphic_Filled_Sector(double cx, double cy, double d, double start, double span)
{
    const double deg = 0.017453292519943295;
    const double step = M_PI / 16;
    double a = start * deg, e = a + span * deg, r = d / 2;
    bbox_point(cx - d, cy - d);
    bbox_point(cx + d, cy + d);
    while (a < 0) a += 2 * M_PI;
    while (e < a) e += 2 * M_PI;
    std::vector<double> x = {cx, cx + r * cos(a)}, y = {cy, cy + r * sin(a)};
    for (int k = 1; k <= 64; k++) {
        double t = k * step;
        if (a < t && t <= e) {
            x.push_back(cx + r * cos(t));
            y.push_back(cy + r * sin(t));
        }
        if (Oli_Round(t - e, 5) >= 0) break;
    }
    x.push_back(cx + r * cos(e));
    y.push_back(cy + r * sin(e));
    int32_t n = (int32_t)x.size();
    /* The sector turns with the block like every other element: left unturned it would stand apart
  ** from the fastener it marks in a turned drawing. */
    for (int32_t i = 0; i < n; i++) rotate(&x[(size_t)i], &y[(size_t)i]);
    note_area(n, x.data(), y.data());
    if (P.file) fprintf(P.file, "-opengroup\n");
    Oli_File_Printf(G.file, " 18 %d", (int)n);
    for (int32_t i = 0; i < n; i++)
        Oli_File_Printf(G.file, " %lf %lf", x[(size_t)i] * G.sx, y[(size_t)i] * G.sy);
    Oli_File_Printf(G.file, "\n");
    if (plot_areas()) {
        /* The plot file gets the sector as an area of straight edges. */
        area_head(0);
        plot_ring(EDGE_STRAIGHT, n, x.data(), y.data());
    }
    if (P.file) fprintf(P.file, "-closegroup\n");
}

/* 32 points of a circle in paper units. */
static void circle_points(double x, double y, double r, double rx_scale, double ry_scale, int count)
{
    for (int k = 0; k < count; k++) {
        double t = k * M_PI / 16;
        Oli_File_Printf(G.file, " %lf %lf", (x + r * cos(t)) * rx_scale,
                        (y + r * sin(t)) * ry_scale);
    }
}

static void disc(double x, double y, double d, int round)
{
    bbox_point(x - d, y - d);
    bbox_point(x + d, y + d);
    rotate(&x, &y);
    double r = d / 2;
    {
        const double bx[2] = {x - r, x + r}, by[2] = {y - r, y + r};
        note_area(2, bx, by);
    }
    Oli_File_Printf(G.file, " 18 %d", 32);
    if (round) {
        for (int k = 0; k < 32; k++) {
            double t = k * M_PI / 16;
            Oli_File_Printf(G.file, " %lf %lf", x * G.sx + r * G.sx * cos(t),
                            y * G.sy + r * G.sx * sin(t));
        }
    } else {
        circle_points(x, y, r, G.sx, G.sy, 32);
    }
    Oli_File_Printf(G.file, "\n");
    if (!plot_areas()) return;
    fprintf(P.file, "-opengroup\n");
    area_head(0);
    plot_circle_ring(x, plot_y(y), r);
    fprintf(P.file, "-closegroup\n");
}

void Oli_Graphic_Disc(double x, double y, double d) { disc(x, y, d, 0); }
void Oli_Graphic_Round_Disc(double x, double y, double d) { disc(x, y, d, 1); }

void Oli_Graphic_Annulus(double x, double y, double d_outer, double d_inner)
{
    bbox_point(x - d_outer, y - d_outer);
    bbox_point(x + d_outer, y + d_outer);
    rotate(&x, &y);
    {
        const double bx[2] = {x - d_outer / 2, x + d_outer / 2},
                     by[2] = {y - d_outer / 2, y + d_outer / 2};
        note_area(2, bx, by);
    }
    Oli_File_Printf(G.file, " 18 %d", 66);
    circle_points(x, y, d_outer / 2, G.sx, G.sy, 33);
    circle_points(x, y, d_inner / 2, G.sx, G.sy, 33);
    Oli_File_Printf(G.file, "\n");
    if (!plot_areas()) return;
    fprintf(P.file, "-opengroup\n");
    area_head(1);
    plot_circle_ring(x, plot_y(y), d_outer / 2);
    plot_circle_ring(x, plot_y(y), d_inner / 2);
    fprintf(P.file, "-closegroup\n");
}

void Oli_Graphic_Region(int32_t n, double *x, double *y, int32_t nh, const int32_t *counts,
                        double *hx, double *hy, int32_t nc, const double *cx, const double *cy,
                        const double *areas)
{
    if (n < 0) n = 0;
    if (nh < 0 || counts == nullptr) nh = 0;
    if (nc < 0 || cx == nullptr || cy == nullptr || areas == nullptr) nc = 0;
    for (int32_t i = 0; i < n; i++) bbox_point(x[i], y[i]);
    for (int32_t i = 0; i < n; i++) rotate(&x[i], &y[i]);
    note_area(n, x, y);
    Oli_File_Printf(G.file, " 18 %d", (int)n);
    for (int32_t i = 0; i < n; i++) Oli_File_Printf(G.file, " %lf %lf", x[i] * G.sx, y[i] * G.sy);
    Oli_File_Printf(G.file, " \n");
    int head = plot_areas() && n > 0;
    if (head) {
        area_head(nh + nc);
        plot_ring(EDGE_STRAIGHT, n, x, y);
    }
    for (int32_t i = 0; i < n; i++) Oli_To_Local(&x[i], &y[i], -G.rotation);
    Oli_File_Printf(G.file, " 20  0\n");
    int32_t at = 0;
    for (int32_t j = 0; j < nh; j++) {
        int32_t m = counts[j] < 0 ? 0 : counts[j];
        double *px = hx + at, *py = hy + at;
        for (int32_t i = 0; i < m; i++) rotate(&px[i], &py[i]);
        Oli_File_Printf(G.file, " 18 %d", (int)m);
        for (int32_t i = 0; i < m; i++)
            Oli_File_Printf(G.file, " %lf %lf", px[i] * G.sx, py[i] * G.sy);
        Oli_File_Printf(G.file, " \n");
        if (head) plot_ring(EDGE_STRAIGHT, m, px, py);
        for (int32_t i = 0; i < m; i++) Oli_To_Local(&px[i], &py[i], -G.rotation);
        at += m;
    }
    for (int32_t i = 0; i < nc; i++) {
        double r = sqrt(areas[i] * 0.3183098861837907);
        double px = cx[i], py = cy[i];
        rotate(&px, &py);
        Oli_File_Printf(G.file, " 18 %d", 32);
        circle_points(px, py, r, G.sx, G.sy, 32);
        Oli_File_Printf(G.file, "\n");
        if (head) plot_circle_ring(px, plot_y(py), r);
    }
}

/* ---- attributes ---- */

void Oli_Graphic_Set_Fill(int32_t n)
{
    Oli_File_Printf(G.file, " 20  %d\n", (int)(G.fill_output ? n : 0));
}

void Oli_Graphic_Set_Dash(int32_t style)
{
    switch (style) {
    case 1: Oli_File_Printf(G.file, " 38 %d %s %d\n", 2, "0.1 0.1", 0); break;
    case 2: Oli_File_Printf(G.file, " 38 %d %s %d\n", 2, "0.03 0.05", 0); break;
    case 3: Oli_File_Printf(G.file, " 38 %d %s %d\n", 4, "0.28 0.05 0.04 0.05", 0); break;
    case 4: Oli_File_Printf(G.file, " 38 %d %s %d\n", 2, "0.01 0.28", 0); break;
    default: Oli_File_Printf(G.file, " 38 %d %s %d\n", 0, " ", 0); break;
    }
}

/* Lighten r, g, b by p percent in the HLS model (p < 0 darkens). */
void Rgb_Lighten(int32_t r, int32_t g, int32_t b, double p, int32_t *ro, int32_t *go, int32_t *bo)
{
    const double k255 = 0.00392156862745098;
    double R = r * k255, Gc = g * k255, B = b * k255;
    double mx = fmax(R, fmax(Gc, B)), mn = fmin(R, fmin(Gc, B));
    double L = (mx + mn) / 2, H = 0, S = 0;
    if (!(L <= 0 || mx - mn <= 0)) {
        S = mx + mn <= 1 ? (mx - mn) / (mx + mn) : (mx - mn) / (2 - mx - mn);
        double rc = (mx - R) / (mx - mn), gc = (mx - Gc) / (mx - mn), bc = (mx - B) / (mx - mn);
        if (R == mx) H = Gc == mn ? 5 + bc : 1 - gc;
        else if (Gc == mx) H = B == mn ? 1 + rc : 3 - bc;
        else H = R == mn ? 3 + gc : 5 - rc;
        H /= 6;
    }
    L = L * (1 + p * 0.01);
    double q = L > 0.5 ? L + S - S * L : L * (1 + S);
    double out[3] = {0, 0, 0};
    if (q > 0) {
        double m = 2 * L - q, h6 = 6 * H;
        int k = (int)h6;
        double f = h6 - k;
        /* Red the largest and green and blue both the smallest gives hue 6: the same as hue 0. */
        if (k >= 6) {
            k -= 6;
            f = h6 - 6 - k;
        }
        double up = m + (q - m) * f, down = q - (q - m) * f;
        switch (k) {
        case 0:
            out[0] = q;
            out[1] = up;
            out[2] = m;
            break;
        case 1:
            out[0] = down;
            out[1] = q;
            out[2] = m;
            break;
        case 2:
            out[0] = m;
            out[1] = q;
            out[2] = up;
            break;
        case 3:
            out[0] = m;
            out[1] = down;
            out[2] = q;
            break;
        case 4:
            out[0] = up;
            out[1] = m;
            out[2] = q;
            break;
        default:
            out[0] = q;
            out[1] = m;
            out[2] = down;
            break;
        }
    }
    if (ro) *ro = (int32_t)Oli_Round_Half_Away(out[0] * 255);
    if (go) *go = (int32_t)Oli_Round_Half_Away(out[1] * 255);
    if (bo) *bo = (int32_t)Oli_Round_Half_Away(out[2] * 255);
}

static void rgb_record(int which)
{
    int32_t r, g, b;
    Rgb_Lighten(G.rgb[which][0], G.rgb[which][1], G.rgb[which][2], G.rgb_percent[which], &r, &g,
                &b);
    if (G.colour_output)
        Oli_File_Printf(G.file, "%d %d %d %d\n", which ? 51 : 50, (int)r, (int)g, (int)b);
}

static void rgb_set(int which, int32_t r, int32_t g, int32_t b)
{
    G.rgb[which][0] = r;
    G.rgb[which][1] = g;
    G.rgb[which][2] = b;
    rgb_record(which);
}

void Oli_Graphic_Rgb_50(int32_t r, int32_t g, int32_t b) { rgb_set(0, r, g, b); }
void Oli_Graphic_Rgb_51(int32_t r, int32_t g, int32_t b) { rgb_set(1, r, g, b); }

void Oli_Graphic_Rgb_50_Packed(int32_t col)
{
    int32_t r, g, b;
    Rgb_Unpack(col, &r, &g, &b);
    rgb_set(0, r, g, b);
}

void Oli_Graphic_Rgb_51_Packed(int32_t col)
{
    int32_t r, g, b;
    Rgb_Unpack(col, &r, &g, &b);
    rgb_set(1, r, g, b);
}

void Oli_Graphic_Rgb_50_Percent(double p)
{
    G.rgb_percent[0] = p;
    rgb_record(0);
}

void Oli_Graphic_Rgb_51_Percent(double p)
{
    G.rgb_percent[1] = p;
    rgb_record(1);
}

int32_t Rgb_Pack(int32_t r, int32_t g, int32_t b)
{
    r = r < 0 ? 0 : r > 255 ? 255 : r;
    g = g < 0 ? 0 : g > 255 ? 255 : g;
    b = b < 0 ? 0 : b > 255 ? 255 : b;
    return r + 256 * g + 65536 * b;
}

void Rgb_Unpack(int32_t col, int32_t *r, int32_t *g, int32_t *b)
{
    if (r) *r = col & 255;
    if (g) *g = (col >> 8) & 255;
    if (b) *b = (col >> 16) & 255;
}

static int32_t group_pattern = 0;

void Oli_Graphic_Group_Begin(void)
{
    if (G.colour_output) Oli_File_Printf(G.file, "61\n");
}

void Oli_Graphic_Group_59(void)
{
    if (G.colour_output) Oli_File_Printf(G.file, "59\n");
}

void Oli_Graphic_Group_End(void)
{
    if (G.colour_output) Oli_File_Printf(G.file, "60\n");
}

void Oli_Graphic_Group_Fill(int32_t pattern, int32_t n)
{
    if (!G.colour_output) return;
    group_pattern = pattern;
    if (!G.fill_output) {
        Oli_File_Printf(G.file, "20 0\n");
        return;
    }
    Oli_File_Printf(G.file, "61\n62 %d\n59\n 20  %d\n60\n", (int)group_pattern, (int)n);
}
