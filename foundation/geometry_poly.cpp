/*
** Plane geometry of point sets: intersections of polylines and polygons with circles, segments
** and other polygons, vertex clean-up, orientation, simple polygon construction and the
** point-in-polygon test.
*/
#include "foundation/geometry.h"

#include <cmath>
#include <vector>

#include "foundation/memory.h"
#include "foundation/numeric.h"

/* ---------------------------------------------------------------- collected points */

typedef struct Point_List {
    std::vector<double> x, y;
} Point_List;

/* Append a point; with dedup a point equal to the previous one at 6 decimals is dropped. */
static void Add_Point(Point_List *p, double x, double y, int dedup)
{
    if (dedup && !p->x.empty() && Round_To_Decimals(x - p->x.back(), 6) == 0.0
        && Round_To_Decimals(y - p->y.back(), 6) == 0.0)
        return;
    p->x.push_back(x);
    p->y.push_back(y);
}

/* Hand the points over as counted arrays (null when there are none); answers the count. */
static int Hand_Over(const Point_List *p, double **xs, double **ys)
{
    const int n = static_cast<int>(p->x.size());
    if (xs) { Mem_Copy_Doubles(n, xs, p->x.data()); }
    if (ys) { Mem_Copy_Doubles(n, ys, p->y.data()); }
    return n;
}

/* ---------------------------------------------------------------- intersections of point sets */

static void Circle_Points(int n, const double *x, const double *y, double cx, double cy, double r,
                          Point_List *out)
{
    if (!x || !y) return;
    for (int i = 0; i + 1 < n; i++) {
        const double lx[2] = {x[i], x[i + 1]}, ly[2] = {y[i], y[i + 1]};
        double px[2], py[2];
        const int k = Geo_Circle_Segment_Points(cx, cy, r, lx, ly, px, py);
        for (int j = 0; j < k; j++) Add_Point(out, px[j], py[j], 0);
    }
}

int Poly_Circle_Intersections(int n, const double *x, const double *y, int flag, double cx,
                              double cy, double r, double **xs, double **ys)
{
    Point_List pts;
    Circle_Points(n, x, y, cx, cy, r, &pts);
    return Hand_Over(&pts, xs, ys);
}

int Poly_Circle_Intersections_To(int n, const double *x, const double *y, int flag, double cx,
                                 double cy, double r, double *xs, double *ys, int max)
{
    Point_List pts;
    Circle_Points(n, x, y, cx, cy, r, &pts);
    int k = 0;
    for (; k < static_cast<int>(pts.x.size()) && k < max && xs && ys; k++) {
        xs[k] = pts.x[static_cast<size_t>(k)];
        ys[k] = pts.y[static_cast<size_t>(k)];
    }
    return k;
}

/* Edge i of a polyline (closing edge when closed and i == n - 1). */
static int Edge_Count(int n, int closed)
{
    if (n < 2) return 0;
    return closed ? n : n - 1;
}

static void Segment_Points(int n, const double *x, const double *y, int closed, const double *sx,
                           const double *sy, Point_List *out)
{
    if (!x || !y || !sx || !sy) return;
    for (int i = 0; i < Edge_Count(n, closed); i++) {
        const int j = (i + 1) % n;
        const double ex[2] = {x[i], x[j]}, ey[2] = {y[i], y[j]};
        double px[2], py[2];
        const int k = Geo_Segment_Intersection_Pairs(ex, ey, sx, sy, px, py);
        for (int m = 0; m < k; m++) Add_Point(out, px[m], py[m], 1);
    }
}

int Poly_Segment_Intersections(int n, const double *x, const double *y, int closed,
                               const double *sx, const double *sy, double **xs, double **ys)
{
    Point_List pts;
    Segment_Points(n, x, y, closed, sx, sy, &pts);
    return Hand_Over(&pts, xs, ys);
}

static void Line_Points(int n, const double *x, const double *y, int closed, double x1, double y1,
                        double x2, double y2, Point_List *out, int first_only)
{
    if (!x || !y) return;
    for (int i = 0; i < Edge_Count(n, closed); i++) {
        const int j = (i + 1) % n;
        double px, py;
        if (Geo_Segment_Intersection(/*x1=*/x[i], /*y1=*/y[i], /*x2=*/x[j], /*y2=*/y[j], /*x3=*/x1,
                                     /*y3=*/y1, /*x4=*/x2, /*y4=*/y2, /*x=*/&px, /*y=*/&py)) {
            Add_Point(out, px, py, 1);
            if (first_only) return;
        }
    }
}

int Poly_Line_Intersections(int n, const double *x, const double *y, int closed, double x1,
                            double y1, double x2, double y2, double **xs, double **ys)
{
    Point_List pts;
    Line_Points(/*n=*/n, /*x=*/x, /*y=*/y, /*closed=*/closed, /*x1=*/x1, /*y1=*/y1, /*x2=*/x2,
                /*y2=*/y2, /*out=*/&pts, /*first_only=*/0);
    return Hand_Over(&pts, xs, ys);
}

int Poly_Line_First_Intersection(int n, const double *x, const double *y, int closed, double x1,
                                 double y1, double x2, double y2, double *xs, double *ys)
{
    Point_List pts;
    Line_Points(/*n=*/n, /*x=*/x, /*y=*/y, /*closed=*/closed, /*x1=*/x1, /*y1=*/y1, /*x2=*/x2,
                /*y2=*/y2, /*out=*/&pts, /*first_only=*/1);
    if (pts.x.empty()) return 0;
    if (xs) *xs = pts.x[0];
    if (ys) *ys = pts.y[0];
    return 1;
}

int Poly_Poly_Intersections(int n, const double *x, const double *y, int closed, int m,
                            const double *u, const double *v, double **xs, double **ys)
{
    Point_List pts;
    if (u && v)
        for (int i = 0; i < Edge_Count(m, 1); i++) {
            const int j = (i + 1) % m;
            const double sx[2] = {u[i], u[j]}, sy[2] = {v[i], v[j]};
            Point_List part;
            Segment_Points(n, x, y, closed, sx, sy, &part);
            for (size_t k = 0; k < part.x.size(); k++) Add_Point(&pts, part.x[k], part.y[k], 1);
        }
    return Hand_Over(&pts, xs, ys);
}

int Poly_Remove_Reflex_Vertices(int n, double *x, double *y)
{
    if (n < 1 || !x || !y) return 0;
    const std::vector<double> ox(x, x + n), oy(y, y + n);
    int kept = 0;
    for (int i = 0; i < n; i++) {
        const int p = (i + n - 1) % n, q = (i + 1) % n;
        const double cross = (ox[i] - ox[p]) * (oy[q] - oy[i]) - (oy[i] - oy[p]) * (ox[q] - ox[i]);
        if (cross >= 0.0) {
            x[kept] = ox[i];
            y[kept] = oy[i];
            kept++;
        }
    }
    return kept;
}

int Poly_Remove_Repeated_Vertices(int n, double *x, double *y)
{
    if (n < 1 || !x || !y) return 0;
    if (n == 1) return 1;
    const std::vector<double> ox(x, x + n), oy(y, y + n);
    int kept = 0;
    for (int i = 0; i < n; i++) {
        const int q = (i + 1) % n;
        if (Round_To_Decimals(ox[i] - ox[q], 5) == 0.0
            && Round_To_Decimals(oy[i] - oy[q], 5) == 0.0)
            continue;
        x[kept] = ox[i];
        y[kept] = oy[i];
        kept++;
    }
    if (kept == 0) kept = 1; /* all vertices were one point: keep it */
    return kept;
}

/* ---------------------------------------------------------------- polygons */

static double Shoelace(int n, const double *x, const double *y)
{
    double s = 0.0;
    for (int i = 0; i < n; i++) {
        const int j = (i + 1) % n;
        s += x[i] * y[j] - x[j] * y[i];
    }
    return s / 2.0;
}

void Poly_Orient(int n, double *x, double *y, int ccw)
{
    if (n < 2 || !x || !y) return;
    const double a = Shoelace(n, x, y);
    if ((a < 0.0 && ccw == 1) || (a > 0.0 && ccw == 0))
        for (int i = 0, j = n - 1; i < j; i++, j--) {
            Swap_Doubles(&x[i], &x[j]);
            Swap_Doubles(&y[i], &y[j]);
        }
}

void Poly_Make_Ccw(int n, double *x, double *y) { Poly_Orient(n, x, y, 1); }

void Poly_Make_Cw(int n, double *x, double *y) { Poly_Orient(n, x, y, 0); }

void Poly_Mirror_Y_Ccw(int n, const double *x, const double *y, double h, double *xo, double *yo)
{
    if (n < 1 || !x || !y || !xo || !yo) return;
    for (int i = 0; i < n; i++) {
        xo[i] = x[i];
        yo[i] = h - y[i];
    }
    Poly_Make_Ccw(n, xo, yo);
}

double Mirror_Coordinate(double v, double axis) { return 2.0 * axis - v; }

int Poly_Bounding_Box(int n, const double *x, const double *y, double *xmin, double *ymin,
                      double *xmax, double *ymax)
{
    double x0 = 1e100, y0 = 1e100, x1 = -1e100, y1 = -1e100;
    if (x && y)
        for (int i = 0; i < n; i++) {
            x0 = fmin(x0, x[i]);
            x1 = fmax(x1, x[i]);
            y0 = fmin(y0, y[i]);
            y1 = fmax(y1, y[i]);
        }
    if (xmin) *xmin = x0;
    if (ymin) *ymin = y0;
    if (xmax) *xmax = x1;
    if (ymax) *ymax = y1;
    return 0;
}

void Poly_Rect(double w, double h, double cx, double cy, double *x, double *y)
{
    if (!x || !y) return;
    x[0] = cx - w / 2.0;
    y[0] = cy - h / 2.0;
    x[1] = cx + w / 2.0;
    y[1] = cy - h / 2.0;
    x[2] = cx + w / 2.0;
    y[2] = cy + h / 2.0;
    x[3] = cx - w / 2.0;
    y[3] = cy + h / 2.0;
}

void Poly_Regular_Equal_Area(double r, double cx, double cy, int n, double *x, double *y)
{
    if (n < 3 || !x || !y) return; /* fewer than three vertices enclose no area */
    const double step = 2.0 * M_PI / n;
    const double R = r * sqrt(step / sin(step));
    for (int i = 0; i < n; i++) {
        x[i] = cx + R * cos(i * step);
        y[i] = cy + R * sin(i * step);
    }
}

void Poly_Scale_About_Centroid(int n, double *x, double *y, double f)
{
    double xs, ys;
    if (n < 1 || !x || !y) return;
    Poly_Centroid(n, x, y, &xs, &ys);
    if (!std::isfinite(xs) || !std::isfinite(ys)) return;
    for (int i = 0; i < n; i++) {
        x[i] = xs + (x[i] - xs) * f;
        y[i] = ys + (y[i] - ys) * f;
    }
}

int Poly_Grow_About_Centroid(int n, double *x, double *y, double dx, double dy)
{
    double xs, ys;
    if (n < 1 || !x || !y) return 0;
    Poly_Centroid(n, x, y, &xs, &ys);
    if (!std::isfinite(xs) || !std::isfinite(ys)) return 0;
    for (int i = 0; i < n; i++) {
        const double ex = Round_To_Decimals(x[i] - xs, 4), ey = Round_To_Decimals(y[i] - ys, 4);
        if (ex < 0.0) x[i] -= dx;
        else if (ex > 0.0) x[i] += dx;
        if (ey < 0.0) y[i] -= dy;
        else if (ey > 0.0) y[i] += dy;
    }
    return 0;
}

/* ---------------------------------------------------------------- point in polygon */

/* Distance of (px, py) from the segment a-b. */
static double Dist_Segment(double px, double py, double ax, double ay, double bx, double by)
{
    const double dx = bx - ax, dy = by - ay, l2 = dx * dx + dy * dy;
    double t = l2 > 0.0 ? ((px - ax) * dx + (py - ay) * dy) / l2 : 0.0;
    t = t < 0.0 ? 0.0 : (t > 1.0 ? 1.0 : t);
    return hypot(px - (ax + t * dx), py - (ay + t * dy));
}

static double Orient(double ax, double ay, double bx, double by, double cx, double cy)
{
    return (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
}

int Point_In_Polygon(int n, const double *x, const double *y, double px, double py)
{
    if (!x || !y || n < 1) return -1;
    if (n < 3) return 0;
    double xmax = -1e100, ymax = -1e100;
    for (int i = 0; i < n; i++) {
        if (Dist_Segment(px, py, x[i], y[i], x[(i + 1) % n], y[(i + 1) % n]) <= 1e-5) return 2;
        xmax = fmax(xmax, x[i]);
        ymax = fmax(ymax, y[i]);
    }
    /* The far point lies beyond the largest coordinates (also for polygons left of or below the
    ** origin, where twice the largest value would fall inside). */
    double fx = xmax == 0.0 ? 1.0 : xmax + fabs(xmax) + 1.0;
    double fy = ymax == 0.0 ? 1.0 : ymax + fabs(ymax) + 1.0;
    for (int attempt = 0; attempt <= 5; attempt++) {
        int crossings = 0, ambiguous = 0;
        for (int i = 0; i < n && !ambiguous; i++) {
            if (Dist_Segment(x[i], y[i], px, py, fx, fy)
                <= 1e-9 * (1.0 + hypot(fx - px, fy - py))) {
                ambiguous = 1; /* the ray passes through a vertex */
                break;
            }
            const int j = (i + 1) % n;
            const double o1 = Orient(px, py, fx, fy, x[i], y[i]),
                         o2 = Orient(px, py, fx, fy, x[j], y[j]);
            const double o3 = Orient(x[i], y[i], x[j], y[j], px, py),
                         o4 = Orient(x[i], y[i], x[j], y[j], fx, fy);
            if (((o1 > 0.0) != (o2 > 0.0)) && ((o3 > 0.0) != (o4 > 0.0))) crossings++;
        }
        if (!ambiguous) return crossings % 2;
        if (attempt == 5) break;
        if (attempt % 2 == 0) fx *= 1.5;
        else fy *= 1.5;
    }
    return 0;
}

/* ---------------------------------------------------------------- sampled areas */

/* Sample the box [x0, x1] x [y0, y1]: cells whose centre the test accepts add to the area. */
template <typename Inside>
static int Sample_Area(double x0, double y0, double x1, double y1, Inside inside, double *area,
                       double *xs, double *ys)
{
    double a = 0.0, sx = 0.0, sy = 0.0;
    const double w = x1 - x0, h = y1 - y0;
    if (w > 0.0 && h > 0.0 && w < 2e100 && h < 2e100) {
        const double ratio = w >= h ? w / h : h / w;
        const int along_long =
            static_cast<int>(fmin(200.0, fmax(100.0, floor(100.0 * ratio + 0.5))));
        const int nx = w >= h ? along_long : 100, ny = w >= h ? 100 : along_long;
        const double cw = w / nx, ch = h / ny;
        for (int i = 0; i < nx; i++)
            for (int j = 0; j < ny; j++) {
                const double cx = x0 + (i + 0.5) * cw, cy = y0 + (j + 0.5) * ch;
                if (inside(cx, cy)) {
                    a += cw * ch;
                    sx += cw * ch * cx;
                    sy += cw * ch * cy;
                }
            }
    }
    if (area) *area = a;
    if (xs) *xs = a > 0.0 ? sx / a : 0.0;
    if (ys) *ys = a > 0.0 ? sy / a : 0.0;
    return a > 0.0;
}

int Poly_Area_Estimate(int n, const double *x, const double *y, double *area, double *xs,
                       double *ys)
{
    double x0, y0, x1, y1;
    Poly_Bounding_Box(n, x, y, &x0, &y0, &x1, &y1);
    return Sample_Area(
        x0, y0, x1, y1, [&](double px, double py) { return Point_In_Polygon(n, x, y, px, py) > 0; },
        area, xs, ys);
}

double Poly_Area_Sampled(int n, const double *x, const double *y)
{
    double a = 0.0;
    Poly_Area_Estimate(n, x, y, &a, nullptr, nullptr);
    return a;
}

int Poly_Common_Area_Estimate(int n, const double *x, const double *y, int m, const double *u,
                              const double *v, double *area, double *xs, double *ys)
{
    double ax0, ay0, ax1, ay1, bx0, by0, bx1, by1;
    Poly_Bounding_Box(n, x, y, &ax0, &ay0, &ax1, &ay1);
    Poly_Bounding_Box(m, u, v, &bx0, &by0, &bx1, &by1);
    return Sample_Area(
        fmax(ax0, bx0), fmax(ay0, by0), fmin(ax1, bx1), fmin(ay1, by1),
        [&](double px, double py) {
            return Point_In_Polygon(n, x, y, px, py) > 0 && Point_In_Polygon(m, u, v, px, py) > 0;
        },
        area, xs, ys);
}

double Poly_Common_Area_Sampled(int n, const double *x, const double *y, int m, const double *u,
                                const double *v)
{
    double a = 0.0;
    Poly_Common_Area_Estimate(n, x, y, m, u, v, &a, nullptr, nullptr);
    return a;
}

/* ---------------------------------------------------------------- bisectors */

double Angle_Bisector_Deg(double a1, double a2)
{
    const double from = Round_To_Decimals(Angle_Normalize_360(a1), 3);
    const double turn = Round_To_Decimals(Angle_Normalize_180(a2 - a1), 3);
    return Round_To_Decimals(Angle_Normalize_360(from + turn / 2.0), 3);
}

double Angle_Bisector_Rad(double a1, double a2)
{
    return Angle_Bisector_Deg(a1 * 180.0 / M_PI, a2 * 180.0 / M_PI) * M_PI / 180.0;
}
