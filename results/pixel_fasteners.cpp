/*
** On-screen pixel drawings of fasteners: sprites of nails, wood screws, metric bolts and washers
** cut from four sprite sheets and placed by their anchor point, a shaded polygon (a shiny plate
** in section) and the head symbol of a fastener; each in a pixel form and in a world form that
** goes through the screen's world-to-pixel transformation. Sizes are diameters in pixels.
*/
#include "results/print_list.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "dialogs/dialogs.h"
#include "platform/zelkwin.h"

/* ---------------------------------------------------------------- sprite sheets */

enum { SHEET_NAIL = 0, SHEET_KS_SCREW = 1, SHEET_M_SCREW = 2, SHEET_WASHER = 3 };

#define NAIL_ENTRIES   18
#define KS_ENTRIES     28
#define M_ENTRIES      33
#define WASHER_ENTRIES 32

static const char *const Sheet_Files[4] = {"Nagel_in_Pixel.bmp", "KS-Schrauben_in_Pixel.bmp",
                                           "M-Schrauben_in_Pixel.bmp",
                                           "Unterlegscheiben_in_Pixel.bmp"};
static const int Sheet_Green[4] = {128, 128, 130, 130}; /* transparent RGB (0, g, 0) */

static Sprite_Entry Nail_Table[NAIL_ENTRIES];
static Sprite_Entry Ks_Table[KS_ENTRIES];
static Sprite_Entry M_Table[2][M_ENTRIES];
static Sprite_Entry Washer_Table[WASHER_ENTRIES];
static int Tables_Ready = 0;

static Sprite_Entry Square_Entry(int left, int top, int size)
{
    Sprite_Entry e = {left, top, left + size - 1, top + size - 1, left + size / 2, top + size / 2};
    return e;
}

/* Bolt picture sizes: the diameter of entry k of the bolt tables. */
static int M_Diameter(int k)
{
    if (k == 0) return 8; /* bare-code: a diameter in mm, not a code */
    if (k <= 24) return 8 + 2 * k;
    return 56 + 4 * (k - 24);
}

/*
** The layout of our sprite sheets (tools/bitmaps draws the pictures into these rectangles):
** nails: diameter 2 at (6, 5), 19 at (64, 31), the others in a row at y = 55 from x = 2, each
** d x d with 4 pixels between; wood screws: a row at y = 94 from x = 98, (d + 1) square;
** bolts: one row per entry from y = 2, the second view at x = 1, the plain view 3 pixels right
** of it, (2d + 1) x (2d - 1); washers: (10 (k + 1) + 3) square, the first at (3244, 790), the
** next 22 in a row at y = 790 from x = 2, the last 9 in a row at y = 1030 from x = 2.
*/
static void Build_Tables(void)
{
    if (Tables_Ready) return;
    Nail_Table[0] = Sprite_Entry{6, 5, 7, 7, 7, 6};
    int x = 2;
    for (int d = 3; d <= 18; d++) {
        Nail_Table[d - 2] = Square_Entry(x, 55, d);
        x += d + 4;
    }
    Nail_Table[17] = Square_Entry(64, 31, 19);

    x = 98;
    for (int k = 0; k < KS_ENTRIES; k++) {
        const int size = 6 + 2 * k + 1;
        Ks_Table[k] = Square_Entry(x, 94, size);
        x += size + 4;
    }

    int y = 2;
    for (int k = 0; k < M_ENTRIES; k++) {
        const int d = M_Diameter(k), w = 2 * d + 1, h = 2 * d - 1;
        M_Table[1][k] = Sprite_Entry{1, y, 1 + w - 1, y + h - 1, 1 + d, y + h / 2};
        M_Table[0][k] =
            Sprite_Entry{1 + w + 3, y, 1 + 2 * w + 2, y + h - 1, 1 + w + 3 + d, y + h / 2};
        y += h + 4;
    }

    Washer_Table[0] = Square_Entry(3244, 790, 13);
    x = 2;
    for (int k = 1; k < WASHER_ENTRIES; k++) {
        const int size = 10 * (k + 1) + 3;
        if (k == 23) x = 2;
        Washer_Table[k] = Square_Entry(x, k < 23 ? 790 : 1030, size);
        x += size + 4;
    }
    Tables_Ready = 1;
}

/* The entry of a sheet (view selects the bolt table), or null outside the table. */
const Sprite_Entry *Get_Sprite_Entry(int sheet, int view, int index)
{
    Build_Tables();
    switch (sheet) {
    case SHEET_NAIL: return index >= 0 && index < NAIL_ENTRIES ? &Nail_Table[index] : nullptr;
    case SHEET_KS_SCREW: return index >= 0 && index < KS_ENTRIES ? &Ks_Table[index] : nullptr;
    case SHEET_M_SCREW:
        return index >= 0 && index < M_ENTRIES ? &M_Table[view ? 1 : 0][index] : nullptr;
    case SHEET_WASHER: return index >= 0 && index < WASHER_ENTRIES ? &Washer_Table[index] : nullptr;
    default: return nullptr;
    }
}

/* ---------------------------------------------------------------- sprite choice */

int Nail_Sprite_Index(int d)
{
    if (d < 2) d = 2;
    if (d > 19) d = 19;
    return d - 2;
}

int Ks_Screw_Sprite_Index(int d)
{
    d = (d + 1) & ~1;
    if (d > 60) d = 60;
    if (d < 6) d = 6;
    return (d - 6) / 2;
}

int M_Screw_Sprite_Index(int d)
{
    if (d <= 56) {
        if (d <= 7) return 0;
        const int even = (d + 1) & ~1;
        return (even - 8) / 2;
    }
    if (d > 88) d = 88;
    const int rest = d % 4;
    d = rest >= 2 ? d + (4 - rest) : d - rest;
    return 24 + (d - 56) / 4;
}

int Washer_Sprite_Index(int d)
{
    int k = (d + 5) / 10 - 1;
    if (k > WASHER_ENTRIES - 1) k = WASHER_ENTRIES - 1;
    if (k < 0) k = 0;
    return k;
}

/* Size class of a value: 1 below 55.1, 2 below 70.1, 3 below 85.1, 4 below 100.1, else 5. */
int Size_Class(double value)
{
    static const double Upper[] = {55.1, 70.1, 85.1, 100.1};
    int cls = 1;
    for (double upper : Upper) {
        if (value < upper) return cls;
        cls++;
    }
    return cls;
}

/* Draw the entry's picture with its anchor on (x, y). */
static void Draw_Sprite(int sheet, const Sprite_Entry *e, int x, int y)
{
    if (e == nullptr) return;
    const int tx = x + e->left - e->anchor_x, ty = y + e->top - e->anchor_y;
    const int w = e->right - e->left, h = e->bottom - e->top;
    pxDrawPartialTransparentDIB(/*file=*/Sheet_Files[sheet], /*sx1=*/e->left, /*sy1=*/e->top,
                                /*sx2=*/e->right, /*sy2=*/e->bottom, /*x1=*/tx, /*y1=*/ty,
                                /*x2=*/tx + w, /*y2=*/ty + h, /*mode=*/201, /*flag=*/-1, /*r=*/0,
                                /*g=*/Sheet_Green[sheet], /*b=*/0);
}

void Draw_Nail_Pixel(int x, int y, int d)
{
    Draw_Sprite(SHEET_NAIL, Get_Sprite_Entry(SHEET_NAIL, 0, Nail_Sprite_Index(d)), x, y);
}

void Draw_Ks_Screw_Pixel(int x, int y, int d)
{
    if (d < 5) {
        Draw_Nail_Pixel(x, y, d);
        return;
    }
    Draw_Sprite(SHEET_KS_SCREW, Get_Sprite_Entry(SHEET_KS_SCREW, 0, Ks_Screw_Sprite_Index(d)), x,
                y);
}

void Draw_M_Screw_Pixel(int x, int y, int d, int view)
{
    if (d < 7) {
        Draw_Nail_Pixel(x, y, d);
        return;
    }
    Draw_Sprite(SHEET_M_SCREW, Get_Sprite_Entry(SHEET_M_SCREW, view, M_Screw_Sprite_Index(d)), x,
                y);
}

void Draw_Washer_Pixel(int x, int y, int d)
{
    if (d < 5) {
        Draw_Nail_Pixel(x, y, d);
        return;
    }
    Draw_Sprite(SHEET_WASHER, Get_Sprite_Entry(SHEET_WASHER, 0, Washer_Sprite_Index(d)), x, y);
}

/* ---------------------------------------------------------------- shaded polygon */

#define RAMP_SIZE 120

/* The colour ramp of the shading: from light blue down to a deep steel blue. */
static void Ramp_Colour(int i, int *r, int *g, int *b)
{
    static const int first[3] = {164, 207, 240}, last[3] = {52, 96, 150};
    *r = first[0] + (last[0] - first[0]) * i / (RAMP_SIZE - 1);
    *g = first[1] + (last[1] - first[1]) * i / (RAMP_SIZE - 1);
    *b = first[2] + (last[2] - first[2]) * i / (RAMP_SIZE - 1);
}

static void Rotate(double x, double y, double a, double *xr, double *yr)
{
    *xr = x * std::cos(a) + y * std::sin(a);
    *yr = -x * std::sin(a) + y * std::cos(a);
}

static void Unrotate(double xr, double yr, double a, double *x, double *y)
{
    *x = xr * std::cos(a) - yr * std::sin(a);
    *y = xr * std::sin(a) + yr * std::cos(a);
}

void Fill_Shaded_Polygon_Pixel(int n, const int *xs, const int *ys, double angle)
{
    if (n < 3 || xs == nullptr || ys == nullptr) return;
    long sum[3] = {0, 0, 0};
    for (int i = 0; i < RAMP_SIZE; i++) {
        int r, g, b;
        Ramp_Colour(i, &r, &g, &b);
        sum[0] += r;
        sum[1] += g;
        sum[2] += b;
    }
    pxSFA(0);
    pxFgc(Nearest_RGB_Color((int)(sum[0] / RAMP_SIZE), (int)(sum[1] / RAMP_SIZE),
                            (int)(sum[2] / RAMP_SIZE)));
    pxFill(n, xs, ys);

    /* scan lines across the rotated polygon */
    double *rx = (double *)malloc(sizeof(double) * (size_t)n);
    double *ry = (double *)malloc(sizeof(double) * (size_t)n);
    if (rx != nullptr && ry != nullptr) {
        double ymin = 1e300, ymax = -1e300;
        for (int i = 0; i < n; i++) {
            Rotate(xs[i], ys[i], angle, &rx[i], &ry[i]);
            ymin = std::min(ymin, ry[i]);
            ymax = std::max(ymax, ry[i]);
        }
        int ramp = 0, step = 1;
        std::vector<double> cross;
        for (double yl = ymin + 0.5; yl <= ymax; yl += 1.0) {
            cross.clear();
            for (int i = 0; i < n; i++) {
                const int j = (i + 1) % n;
                const double y1 = ry[i], y2 = ry[j];
                if ((y1 <= yl && y2 > yl) || (y2 <= yl && y1 > yl))
                    cross.push_back(rx[i] + (yl - y1) * (rx[j] - rx[i]) / (y2 - y1));
            }
            std::sort(cross.begin(), cross.end());
            for (size_t k = 0; k + 1 < cross.size(); k += 2) {
                int r, g, b;
                Ramp_Colour(ramp, &r, &g, &b);
                pxFgc(Nearest_RGB_Color(r, g, b));
                double x1, y1, x2, y2;
                Unrotate(cross[k], yl, angle, &x1, &y1);
                Unrotate(cross[k + 1], yl, angle, &x2, &y2);
                pxLine((int)std::lround(x1), (int)std::lround(y1), (int)std::lround(x2),
                       (int)std::lround(y2));
                if (ramp + step > RAMP_SIZE - 1 || ramp + step < 0) step = -step;
                ramp += step;
            }
        }
    }
    free(rx);
    free(ry);

    /* highlights on edges facing the upper left, shadows on those facing the lower right */
    for (int i = 0; i < n; i++) {
        const int j = (i + 1) % n;
        const double dx = xs[j] - xs[i], dy = ys[j] - ys[i];
        const double len = std::hypot(dx, dy);
        if (len <= 6.0) continue;
        const double facing = (dx * -0.70710677 + dy * -0.70710677) / len;
        int lines = facing > 0.8 ? 3 : facing > 0.5 ? 2 : facing > 0.1 ? 1 : 0;
        if (lines > 0) {
            pxFgc(WHITE_CI);
            /* the normal that points into the polygon for a clockwise screen polygon */
            const double nx = -dy / len, ny = dx / len;
            for (int k = 1; k <= lines; k++)
                pxLine((int)std::lround(xs[i] + k * nx), (int)std::lround(ys[i] + k * ny),
                       (int)std::lround(xs[j] + k * nx), (int)std::lround(ys[j] + k * ny));
        }
        if ((dy + dx) / len > 0.56568545) {
            pxFgc(Nearest_RGB_Color(177, 133, 73));
            const double nx = -dy / len, ny = dx / len;
            pxLine((int)std::lround(xs[i] + nx), (int)std::lround(ys[i] + ny),
                   (int)std::lround(xs[j] + nx), (int)std::lround(ys[j] + ny));
        }
    }
    pxFgc(BLACK_CI);
    for (int i = 0; i < n; i++) {
        const int j = (i + 1) % n;
        pxLine(xs[i], ys[i], xs[j], ys[j]);
    }
}

/* ---------------------------------------------------------------- fastener head */

/* Points of the outline (square or circle of half-size h) in math orientation (y up). */
static void Head_Outline(double h, int circle, std::vector<double> *px, std::vector<double> *py)
{
    if (!circle) {
        const double cx[4] = {h, -h, -h, h}, cy[4] = {h, h, -h, -h};
        for (int i = 0; i < 4; i++) {
            px->push_back(cx[i]);
            py->push_back(cy[i]);
        }
        return;
    }
    for (int i = 0; i < 60; i++) {
        const double a = i * 0.104719755;
        px->push_back(h * std::cos(a));
        py->push_back(h * std::sin(a));
    }
}

/* The filled part of a kind: 1 upper right quarter, 2 upper left quarter, 3 lower half,
** 4 right half; other kinds none. */
static void Head_Part(double h, int circle, int kind, std::vector<double> *px,
                      std::vector<double> *py)
{
    double a0, a1;
    switch (kind) {
    case 1:
        a0 = 0.0;
        a1 = 90.0;
        break;
    case 2:
        a0 = 90.0;
        a1 = 180.0;
        break;
    case 3:
        a0 = 180.0;
        a1 = 360.0;
        break;
    case 4:
        a0 = -90.0;
        a1 = 90.0;
        break;
    default: return;
    }
    px->push_back(0.0);
    py->push_back(0.0);
    for (double a = a0; a <= a1 + 1e-9; a += 6.0) {
        const double r = a * M_PI / 180.0;
        double x = h * std::cos(r), y = h * std::sin(r);
        if (!circle) {
            /* the square's boundary in the same direction */
            const double m = std::max(std::fabs(std::cos(r)), std::fabs(std::sin(r)));
            x = h * std::cos(r) / m;
            y = h * std::sin(r) / m;
        }
        px->push_back(x);
        py->push_back(y);
    }
}

static void To_Screen(const std::vector<double> &px, const std::vector<double> &py, int x, int y,
                      double angle, std::vector<int> *sx, std::vector<int> *sy)
{
    for (size_t i = 0; i < px.size(); i++) {
        double u = px[i], v = py[i];
        if (angle != 0.0) {
            const double c = std::cos(angle), s = std::sin(angle);
            const double ru = u * c - v * s, rv = u * s + v * c;
            u = ru;
            v = rv;
        }
        sx->push_back(x + (int)std::lround(u));
        sy->push_back(y - (int)std::lround(v));
    }
}

void Draw_Fastener_Head_Pixel(int x, int y, int d, int circle, int kind, double angle)
{
    const double h = d / 2.0;
    std::vector<double> ox, oy, qx, qy;
    std::vector<int> sx, sy, tx, ty;
    Head_Outline(h, circle, &ox, &oy);
    To_Screen(ox, oy, x, y, angle, &sx, &sy);
    pxSFA(0);
    pxFgc(Nearest_RGB_Color(253, 248, 232));
    pxFill((int)sx.size(), sx.data(), sy.data());
    pxFgc(BLACK_CI);
    for (size_t i = 0; i < sx.size(); i++) {
        const size_t j = (i + 1) % sx.size();
        pxLine(sx[i], sy[i], sx[j], sy[j]);
    }
    Head_Part(h, circle, kind, &qx, &qy);
    if (!qx.empty()) {
        To_Screen(qx, qy, x, y, angle, &tx, &ty);
        pxFgc(Nearest_RGB_Color(67, 55, 44));
        pxFill((int)tx.size(), tx.data(), ty.data());
    }
    pxFgc(BLACK_CI);
    const double lx = 1.2 * h * std::cos(angle), ly = 1.2 * h * std::sin(angle);
    pxLine(x - (int)std::lround(lx), y + (int)std::lround(ly), x + (int)std::lround(lx),
           y - (int)std::lround(ly));
}

/* ---------------------------------------------------------------- world forms */

static void World_Point(double wx, double wy, int *px, int *py)
{
    double x = wx, y = wy;
    Screen_World_To_Pixel(&x, &y);
    *px = (int)std::lround(x);
    *py = (int)std::lround(y);
}

static int World_Size(double wx, double wy, double d)
{
    double x1 = wx, y1 = wy, x2 = wx + d, y2 = wy;
    Screen_World_To_Pixel(&x1, &y1);
    Screen_World_To_Pixel(&x2, &y2);
    return (int)std::lround(std::hypot(x2 - x1, y2 - y1));
}

void Draw_Nail_World(double x, double y, double d)
{
    int px, py;
    World_Point(x, y, &px, &py);
    Draw_Nail_Pixel(px, py, World_Size(x, y, d));
}

void Draw_Ks_Screw_World(double x, double y, double d)
{
    int px, py;
    World_Point(x, y, &px, &py);
    Draw_Ks_Screw_Pixel(px, py, World_Size(x, y, d));
}

void Draw_M_Screw_World(double x, double y, double d, int view)
{
    int px, py;
    World_Point(x, y, &px, &py);
    Draw_M_Screw_Pixel(px, py, World_Size(x, y, d), view);
}

void Draw_Washer_World(double x, double y, double d)
{
    int px, py;
    World_Point(x, y, &px, &py);
    Draw_Washer_Pixel(px, py, World_Size(x, y, d));
}

void Fill_Shaded_Polygon_World(int n, const double *xs, const double *ys, double angle)
{
    if (n > 500) n = 500;
    if (n < 3 || xs == nullptr || ys == nullptr) return;
    int px[500], py[500];
    for (int i = 0; i < n; i++) World_Point(xs[i], ys[i], &px[i], &py[i]);
    Fill_Shaded_Polygon_Pixel(n, px, py, angle);
}

void Draw_Fastener_Head_World(double x, double y, double d, int circle, int kind, double angle)
{
    int px, py;
    World_Point(x, y, &px, &py);
    Draw_Fastener_Head_Pixel(px, py, World_Size(x, y, d), circle, kind, angle);
}
