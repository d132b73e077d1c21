/*
** Section values of a closed polygon by the edge sums of Green's theorem: for the edge from
** vertex i to i + 1 (the last returning to vertex 0) c_i = x_i*y_(i+1) - x_(i+1)*y_i.
*/
#include "foundation/polygon.h"

#include <cmath>

/* Sum f(i, j, c_i) over the edges i -> j. */
template <typename F>
static double Edge_Sum(int n, const double *x, const double *y, F f)
{
    double s = 0.0;
    if (n < 1 || !x || !y) return 0.0;
    for (int i = 0; i < n; i++) {
        const int j = i + 1 < n ? i + 1 : 0;
        s += f(i, j, x[i] * y[j] - x[j] * y[i]);
    }
    return s;
}

static double Signed_Area(int n, const double *x, const double *y)
{
    return Edge_Sum(n, x, y, [](int, int, double c) { return c; }) / 2.0;
}

double Poly_Area(int n, const double *x, const double *y) { return fabs(Signed_Area(n, x, y)); }

double Poly_Perimeter(int n, const double *x, const double *y)
{
    return Edge_Sum(n, x, y, [&](int i, int j, double) { return hypot(x[j] - x[i], y[j] - y[i]); });
}

double Poly_Static_Moment_X(int n, const double *x, const double *y)
{
    return Edge_Sum(n, x, y, [&](int i, int j, double c) { return c * (y[i] + y[j]); }) / 6.0;
}

double Poly_Static_Moment_Y(int n, const double *x, const double *y)
{
    return Edge_Sum(n, x, y, [&](int i, int j, double c) { return c * (x[i] + x[j]); }) / 6.0;
}

double Poly_Inertia_X(int n, const double *x, const double *y)
{
    return Edge_Sum(n, x, y,
                    [&](int i, int j, double c) {
                        return c * (y[i] * y[i] + y[i] * y[j] + y[j] * y[j]);
                    })
           / 12.0;
}

double Poly_Inertia_Y(int n, const double *x, const double *y)
{
    return Edge_Sum(n, x, y,
                    [&](int i, int j, double c) {
                        return c * (x[i] * x[i] + x[i] * x[j] + x[j] * x[j]);
                    })
           / 12.0;
}

double Poly_Product_Moment(int n, const double *x, const double *y)
{
    return Edge_Sum(
               n, x, y,
               [&](int i, int j, double c) {
                   return c * (x[i] * y[j] + 2.0 * x[i] * y[i] + 2.0 * x[j] * y[j] + x[j] * y[i]);
               })
           / 24.0;
}

int Poly_Centroid(int n, const double *x, const double *y, double *xs, double *ys)
{
    double cx = NAN, cy = NAN;
    if (n >= 1 && x && y) {
        const double a = Signed_Area(n, x, y);
        cx = Poly_Static_Moment_Y(n, x, y) / a;
        cy = Poly_Static_Moment_X(n, x, y) / a;
    }
    if (xs) *xs = cx;
    if (ys) *ys = cy;
    return 0;
}

Geo_Point Poly_Centroid_Point(int n, const double *x, const double *y)
{
    Geo_Point p;
    Poly_Centroid(n, x, y, &p.x, &p.y);
    return p;
}

int Poly_Principal_Rect(int n, double *x, double *y, double *width, double *height, double *angle)
{
    double xs = 0.0, ys = 0.0;
    Poly_Centroid(n, x, y, &xs, &ys);
    if (n >= 1 && x && y)
        for (int i = 0; i < n; i++) {
            x[i] -= xs;
            y[i] -= ys;
        }
    const double A = Poly_Area(n, x, y);
    const double ix = Poly_Inertia_X(n, x, y), iy = Poly_Inertia_Y(n, x, y),
                 ixy = Poly_Product_Moment(n, x, y);
    const double alpha = atan(2.0 * ixy / (ix - iy)) / 2.0;
    const double mid = (ix + iy) / 2.0, half = (ix - iy) / 2.0;
    const double i1 = mid + half * cos(2.0 * alpha) + ixy * sin(2.0 * alpha);
    const double i2 = mid - half * cos(2.0 * alpha) - ixy * sin(2.0 * alpha);
    const double h = sqrt(A * sqrt(i1 / i2));
    if (angle) *angle = alpha;
    if (height) *height = h;
    if (width) *width = A / h;
    return 0;
}
