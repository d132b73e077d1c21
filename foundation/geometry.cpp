/*
** Plane geometry: transformations between global and local systems, direction angles,
** projections and distances, and intersections of lines, segments and circles. Point-set
** intersections and polygon construction are in geometry_poly.cpp.
*/
#include "foundation/geometry.h"

#include <cmath>
#include <initializer_list>

#include "foundation/numeric.h"

#define VERTICAL_TOL   1e-5 /* |dx| below this makes a line vertical */
#define SLOPE_VERTICAL 1e100

/* ---------------------------------------------------------------- transformations */

void Geo_To_Local(double *x, double *y, int n, double x0, double y0, double a, double s)
{
    if (!x || !y) return;
    const double c = cos(a), sn = sin(a);
    for (int i = 0; i < n; i++) {
        const double dx = x[i] - x0, dy = y[i] - y0;
        x[i] = (dx * c + dy * sn) * s;
        y[i] = (dy * c - dx * sn) * s;
    }
}

void Geo_To_Global(double *x, double *y, int n, double x0, double y0, double a, double s)
{
    if (!x || !y) return;
    const double c = cos(a), sn = sin(a);
    for (int i = 0; i < n; i++) {
        const double u = x[i] / s, v = y[i] / s;
        x[i] = u * c - v * sn + x0;
        y[i] = u * sn + v * c + y0;
    }
}

void Geo_To_Local_Int(double *x, double *y, int n, double x0, double y0, double a, double s,
                      int *ix, int *iy)
{
    Geo_To_Local(x, y, n, x0, y0, a, s);
    if (!x || !y) return;
    for (int i = 0; i < n; i++) {
        if (ix) ix[i] = static_cast<int>(lround(x[i]));
        if (iy) iy[i] = static_cast<int>(lround(y[i]));
    }
}

void Geo_Rotate_Points_By_Line(int n, double *x, double *y, double xa, double ya, double xb,
                               double yb)
{
    if (!x || !y || n <= 0) return;
    double a;
    if (fabs(xb - xa) < VERTICAL_TOL) a = yb - ya > 0.0 ? M_PI / 2.0 : -M_PI / 2.0;
    else a = Geo_Line_Angle(xa, ya, xb, yb);
    const double c = cos(a), s = sin(a);
    const double offset = ya * c - xa * s;
    for (int i = 0; i < n; i++) {
        x[i] = x[i] * c + y[i] * s;
        y[i] = offset;
    }
}

/* ---------------------------------------------------------------- angles */

double Geo_Line_Angle(double x1, double y1, double x2, double y2)
{
    if (fabs(x2 - x1) < VERTICAL_TOL) return y2 > y1 ? M_PI / 2.0 : 3.0 * M_PI / 2.0;
    double a = atan((y2 - y1) / (x2 - x1));
    if (x1 > x2) a += M_PI;
    return a;
}

double Geo_Line_Angle_2Pi(double x1, double y1, double x2, double y2)
{
    const double dx = x2 - x1, dy = y2 - y1;
    if (fabs(dx) < VERTICAL_TOL) return dy > 0.0 ? M_PI / 2.0 : 3.0 * M_PI / 2.0;
    if (fabs(dy) < VERTICAL_TOL) return dx > 0.0 ? 0.0 : M_PI;
    double a = atan2(dy, dx);
    if (a < 0.0) a += 2.0 * M_PI;
    return a;
}

double Geo_Angle_Between(double x1, double y1, double x2, double y2, double x3, double y3,
                         double x4, double y4)
{
    const double ax = x2 - x1, ay = y2 - y1, bx = x4 - x3, by = y4 - y3;
    const double la = hypot(ax, ay), lb = hypot(bx, by);
    if (la == 0.0 || lb == 0.0) return 0.0; /* a line without length has no direction */
    double c = (ax * bx + ay * by) / (la * lb);
    if (c > 1.0) c = 1.0; /* rounding may carry |c| just past 1 */
    if (c < -1.0) c = -1.0;
    return atan2(sqrt(1.0 - c * c), c);
}

double Normalize_Radians(double a)
{
    if (!std::isfinite(a)) return a;
    if (a < -1e6) a = fmod(a, 2.0 * M_PI);
    while (Round_To_Decimals(a, 4) < 0.0) a += 2.0 * M_PI;
    return a;
}

/* ---------------------------------------------------------------- projection and distance */

void Geo_Project_Points_On_Line(int n, double *x, double *y, double x1, double y1, double x2,
                                double y2)
{
    if (!x || !y || n <= 0) return;
    double a = Geo_Line_Angle(x1, y1, x2, y2);
    if (fabs(x2 - x1) < VERTICAL_TOL) a = y2 > y1 ? M_PI / 2.0 : -M_PI / 2.0;
    const double c = cos(a), s = sin(a);
    const double line_v = y1 * c - x1 * s;
    for (int i = 0; i < n; i++) {
        const double u = x[i] * c + y[i] * s;
        x[i] = u * c - line_v * s;
        y[i] = u * s + line_v * c;
    }
}

double Geo_Dist_Point_Line(double px, double py, double x1, double y1, double x2, double y2)
{
    const double dx = x2 - x1, dy = y2 - y1, len = hypot(dx, dy);
    if (len == 0.0) return hypot(px - x1, py - y1);
    return fabs(dx * (py - y1) - dy * (px - x1)) / len;
}

void Geo_Point_Along_Line(double x1, double y1, double x2, double y2, double d, int from_end,
                          double *x, double *y)
{
    const double dx = x2 - x1, dy = y2 - y1, len = hypot(dx, dy);
    const double ux = len > 0.0 ? dx / len : 0.0, uy = len > 0.0 ? dy / len : 0.0;
    const double bx = from_end ? x2 : x1, by = from_end ? y2 : y1;
    if (x) *x = bx + d * ux;
    if (y) *y = by + d * uy;
}

int Geo_Point_On_Segment_At(double x1, double y1, double x2, double y2, double d, double *x,
                            double *y)
{
    const double len = hypot(x2 - x1, y2 - y1);
    Geo_Point_Along_Line(x1, y1, x2, y2, d, d > 0.0 ? 0 : 1, x, y);
    return fabs(d) > len ? 1 : 0;
}

void Geo_Offset_Line(double *x1, double *y1, double *x2, double *y2, double d)
{
    if (!x1 || !y1 || !x2 || !y2) return;
    const double dx = *x2 - *x1, dy = *y2 - *y1, len = hypot(dx, dy);
    if (len == 0.0) return;
    const double nx = -dy / len * d, ny = dx / len * d;
    *x1 += nx;
    *y1 += ny;
    *x2 += nx;
    *y2 += ny;
}

int Geo_Point_On_Line_Test(double x1, double y1, double x2, double y2, double px, double py,
                           int decimals)
{
    double yl;
    if (fabs(x2 - x1) < VERTICAL_TOL) yl = y1 != y2 ? (px >= 0.0 ? 1e100 : -1e100) : y1;
    else yl = y1 + (px - x1) * (y2 - y1) / (x2 - x1);
    return Round_To_Decimals(yl - py, decimals) == 0.0 ? 1 : 0;
}

int Geo_Point_Vs_Circle(double px, double py, double r, double cx, double cy)
{
    const double d = hypot(px - cx, py - cy);
    if (Round_To_Decimals(d - r, 5) == 0.0) return 2;
    return d < r ? 1 : 0;
}

double Geo_Width_Across(int n, const double *x, const double *y, double a)
{
    if (n < 1 || !x || !y) return 2e100;
    const double c = cos(a), s = sin(a);
    double lo = 1e100, hi = -1e100;
    for (int i = 0; i < n; i++) {
        const double p = x[i] * c + y[i] * s;
        if (p < lo) lo = p;
        if (p > hi) hi = p;
    }
    return hi - lo;
}

/* ---------------------------------------------------------------- intersections */

int Geo_Line_Intersection(double x1, double y1, double x2, double y2, double x3, double y3,
                          double x4, double y4, double *x, double *y)
{
    const double ax = x2 - x1, ay = y2 - y1, bx = x4 - x3, by = y4 - y3;
    const double det = ax * by - ay * bx;
    if (fabs(det) <= 1e-12 * hypot(ax, ay) * hypot(bx, by) || det == 0.0) return 1;
    const double t = ((x3 - x1) * by - (y3 - y1) * bx) / det;
    if (x) *x = x1 + t * ax;
    if (y) *y = y1 + t * ay;
    return 0;
}

/* 1 when v lies between a and b after rounding the differences to the given decimals. */
static int Between(double v, double a, double b, int decimals)
{
    const double lo = fmin(a, b), hi = fmax(a, b);
    return Round_To_Decimals(v - lo, decimals) >= 0.0 && Round_To_Decimals(hi - v, decimals) >= 0.0;
}

/* Intersection in slope form; 1 found, 0 parallel. */
static int Slope_Intersection(double x1, double y1, double x2, double y2, double x3, double y3,
                              double x4, double y4, double *x, double *y)
{
    const int v1 = fabs(x2 - x1) < VERTICAL_TOL, v2 = fabs(x4 - x3) < VERTICAL_TOL;
    const double m1 = v1 ? SLOPE_VERTICAL : (y2 - y1) / (x2 - x1);
    const double m2 = v2 ? SLOPE_VERTICAL : (y4 - y3) / (x4 - x3);
    if (v1 && v2) return 0;
    if (v1) {
        *x = x1;
        *y = y3 + m2 * (x1 - x3);
        return 1;
    }
    if (v2) {
        *x = x3;
        *y = y1 + m1 * (x3 - x1);
        return 1;
    }
    if (m1 == m2) return 0;
    const double b1 = y1 - m1 * x1, b2 = y3 - m2 * x3;
    *x = (b2 - b1) / (m1 - m2);
    *y = m1 * *x + b1;
    return 1;
}

int Geo_Segment_Intersection(double x1, double y1, double x2, double y2, double x3, double y3,
                             double x4, double y4, double *x, double *y)
{
    double px, py;
    if (!Slope_Intersection(/*x1=*/x1, /*y1=*/y1, /*x2=*/x2, /*y2=*/y2, /*x3=*/x3, /*y3=*/y3,
                            /*x4=*/x4, /*y4=*/y4, /*x=*/&px, /*y=*/&py))
        return 0;
    if (x) *x = px;
    if (y) *y = py;
    return Between(px, x1, x2, 5) && Between(py, y1, y2, 5) && Between(px, x3, x4, 5)
           && Between(py, y3, y4, 5);
}

/* The extension length of the ray forms: 1000 times the largest coordinate, at least 1000. */
static double Far_Length(double a, double b, double c, double d, double e, double f, double g,
                         double h)
{
    double m = 1000.0;
    for (double v : {a, b, c, d, e, f, g, h}) m = fmax(m, fabs(v));
    return 1000.0 * m;
}

int Geo_Ray_Segment_Intersection(double x1, double y1, double x2, double y2, double x3, double y3,
                                 double x4, double y4, double *x, double *y)
{
    double ex, ey;
    Geo_Point_Along_Line(x1, y1, x2, y2, Far_Length(x1, y1, x2, y2, x3, y3, x4, y4), 0, &ex, &ey);
    return Geo_Segment_Intersection(/*x1=*/x1, /*y1=*/y1, /*x2=*/ex, /*y2=*/ey, /*x3=*/x3,
                                    /*y3=*/y3, /*x4=*/x4, /*y4=*/y4, /*x=*/x, /*y=*/y);
}

int Geo_Circle_Overlap(double r1, double r2, double d, double *area, double *depth, double *chord)
{
    double a = 0.0, t = 0.0, c = 0.0;
    int found = 0;
    if (r1 + r2 >= d) {
        found = 1;
        if (d <= fabs(r1 - r2)) {
            const double r = fmin(r1, r2);
            a = M_PI * r * r;
            t = c = 2.0 * r;
        } else {
            auto clamp = [](double v) { return v > 1.0 ? 1.0 : (v < -1.0 ? -1.0 : v); };
            const double k = (-d + r1 + r2) * (d + r1 - r2) * (d - r1 + r2) * (d + r1 + r2);
            a = r1 * r1 * acos(clamp((d * d + r1 * r1 - r2 * r2) / (2.0 * d * r1)))
                + r2 * r2 * acos(clamp((d * d + r2 * r2 - r1 * r1) / (2.0 * d * r2)))
                - 0.5 * sqrt(fmax(k, 0.0));
            t = r1 + r2 - d;
            const double s = (r1 + r2 + d) / 2.0; /* Heron's formula for the triangle r1, r2, d */
            const double tri = sqrt(fmax(s * (s - r1) * (s - r2) * (s - d), 0.0));
            c = 4.0 * tri / d;
        }
    }
    if (area) *area = a;
    if (depth) *depth = t;
    if (chord) *chord = c;
    return found;
}

double Geo_Circle_Overlap_Area(double r1, double r2, double d)
{
    double a = 0.0;
    Geo_Circle_Overlap(r1, r2, d, &a, nullptr, nullptr);
    return a;
}

int Geo_Segment_Overlap(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                        double y4, double *xa, double *ya, double *xb, double *yb)
{
    const int v1 = fabs(x2 - x1) < VERTICAL_TOL, v2 = fabs(x4 - x3) < VERTICAL_TOL;
    double lo, hi, ylo, yhi;
    if (v1 || v2) {
        if (!(v1 && v2) || fabs(x1 - x3) >= VERTICAL_TOL) return 0;
        lo = fmax(fmin(y1, y2), fmin(y3, y4));
        hi = fmin(fmax(y1, y2), fmax(y3, y4));
        if (Round_To_Decimals(hi - lo, 5) < 0.0) return 0;
        if (xa) *xa = x1;
        if (ya) *ya = lo;
        if (xb) *xb = x1;
        if (yb) *yb = hi;
        return 1;
    }
    const double m1 = (y2 - y1) / (x2 - x1), m2 = (y4 - y3) / (x4 - x3);
    if (fabs(m1 - m2) >= 1e-5) return 0;
    const double b1 = y1 - m1 * x1, b2 = y3 - m2 * x3;
    if (fabs(b1 - b2) >= 1e-5) return 0;
    lo = fmax(fmin(x1, x2), fmin(x3, x4));
    hi = fmin(fmax(x1, x2), fmax(x3, x4));
    if (Round_To_Decimals(hi - lo, 5) < 0.0) return 0;
    ylo = m1 * lo + b1;
    yhi = m1 * hi + b1;
    if (xa) *xa = lo;
    if (ya) *ya = ylo;
    if (xb) *xb = hi;
    if (yb) *yb = yhi;
    return 1;
}

int Geo_Segment_Intersection_Pairs(const double *x, const double *y, const double *sx,
                                   const double *sy, double *px, double *py)
{
    if (!x || !y || !sx || !sy || !px || !py) return 0;
    double xa, ya, xb, yb;
    if (Geo_Segment_Overlap(/*x1=*/x[0], /*y1=*/y[0], /*x2=*/x[1], /*y2=*/y[1], /*x3=*/sx[0],
                            /*y3=*/sy[0], /*x4=*/sx[1], /*y4=*/sy[1], /*xa=*/&xa, /*ya=*/&ya,
                            /*xb=*/&xb, /*yb=*/&yb)) {
        px[0] = xa;
        py[0] = ya;
        if (Round_To_Decimals(xb - xa, 8) == 0.0 && Round_To_Decimals(yb - ya, 8) == 0.0) return 1;
        px[1] = xb;
        py[1] = yb;
        return 2;
    }
    double ix, iy;
    if (!Slope_Intersection(/*x1=*/x[0], /*y1=*/y[0], /*x2=*/x[1], /*y2=*/y[1], /*x3=*/sx[0],
                            /*y3=*/sy[0], /*x4=*/sx[1], /*y4=*/sy[1], /*x=*/&ix, /*y=*/&iy))
        return 0;
    if (!(Between(ix, x[0], x[1], 8) && Between(iy, y[0], y[1], 8) && Between(ix, sx[0], sx[1], 8)
          && Between(iy, sy[0], sy[1], 8)))
        return 0;
    px[0] = ix;
    py[0] = iy;
    return 1;
}

int Geo_Circle_Line_Intersection(double cx, double cy, double r, const double *lx, const double *ly,
                                 double *px, double *py)
{
    if (!lx || !ly || !px || !py) return 0;
    const double dx = lx[1] - lx[0], dy = ly[1] - ly[0], len = hypot(dx, dy);
    if (len == 0.0) return 0;
    const double ux = dx / len, uy = dy / len;
    const double t = (cx - lx[0]) * ux + (cy - ly[0]) * uy; /* foot of the perpendicular */
    const double fx = lx[0] + t * ux, fy = ly[0] + t * uy;
    const double d = hypot(cx - fx, cy - fy);
    const double diff = Round_To_Decimals(d - r, 5);
    if (diff > 0.0) return 0;
    if (diff == 0.0) {
        px[0] = px[1] = fx;
        py[0] = py[1] = fy;
        return 1;
    }
    const double h = sqrt(r * r - d * d);
    px[0] = fx - h * ux;
    py[0] = fy - h * uy;
    px[1] = fx + h * ux;
    py[1] = fy + h * uy;
    return 2;
}

int Geo_Circle_Segment_Intersection(double cx, double cy, double r, const double *lx,
                                    const double *ly, int within, double *px, double *py)
{
    const int k = Geo_Circle_Line_Intersection(cx, cy, r, lx, ly, px, py);
    if (!within || k == 0) return k;
    int kept = 0;
    for (int i = 0; i < k; i++)
        if (Between(px[i], lx[0], lx[1], 5) && Between(py[i], ly[0], ly[1], 5)) {
            px[kept] = px[i];
            py[kept] = py[i];
            kept++;
        }
    return kept;
}

int Geo_Circle_Segment_Points(double cx, double cy, double r, const double *lx, const double *ly,
                              double *px, double *py)
{
    return Geo_Circle_Segment_Intersection(cx, cy, r, lx, ly, 1, px, py);
}

int Geo_Circle_Long_Segment_Points(double cx, double cy, double r, const double *lx,
                                   const double *ly, double *px, double *py)
{
    if (!lx || !ly) return 0;
    const double far = Far_Length(lx[0], ly[0], lx[1], ly[1], cx, cy, r, 0.0);
    double ex[2], ey[2];
    Geo_Point_Along_Line(lx[0], ly[0], lx[1], ly[1], -far, 0, &ex[0], &ey[0]);
    Geo_Point_Along_Line(lx[0], ly[0], lx[1], ly[1], far, 1, &ex[1], &ey[1]);
    return Geo_Circle_Segment_Intersection(cx, cy, r, ex, ey, 1, px, py);
}
