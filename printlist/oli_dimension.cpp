/*
** Dimension lines of the print-list graphics: the single dimension with extension lines, ticks
** or dots and its label with the lift of labels that do not fit; the centimetre, metre and
** millimetre number forms; chains over collected points. Lengths in world units, h in paper units.
*/
#include "printlist/oli_dimension.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "foundation/geometry.h"
#include "foundation/memory.h"
#include "foundation/numeric.h"
#include "foundation/ptrarr.h"
#include "printlist/oli_graphic.h"
#include "printlist/oli_internal.h"
#include "printlist/oli_text.h"
#include "printlist/plot_file.h"

#define G Oli_Graphic

/* ---- the single dimension ---- */

/* The dimension line, extension lines and end marks of turned points (steps 4 to 8). */
static void dimension_marks(double x1, double y1, double x2, double y2, double h)
{
    Oli_File_Printf(G.file, " 4 %d\n", 1);
    if (Plot_Is_Open()) Plot_Set_Pen(1);
    Oli_File_Printf(G.file, " 38 %d %s %d\n", 0, " ", 0);
    if (Plot_Is_Open()) Plot_Set_Linetype(0);

    double a = Oli_Line_Angle(x1, y1, x2, y2), ca = cos(a), sa = sin(a);
    double sx = G.sx, sy = G.sy;
    Oli_Graphic_Line(x1 - ca * h / sx, y1 - sa * h / sy, x2 + ca * h / sx, y2 + sa * h / sy);
    int32_t flags = G.dimension_flags;
    double px[2] = {x1, x2}, py[2] = {y1, y2};
    int show[2] = {!(flags & OLI_DIM_NO_FIRST), !(flags & OLI_DIM_NO_SECOND)};
    for (int i = 0; i < 2; i++)
        if (show[i])
            Oli_Graphic_Line(px[i] - 4 * sa * h / sx, py[i] + 4 * ca * h / sy,
                             px[i] + 2 * sa * h / sx, py[i] - 2 * ca * h / sy);
    if (flags & OLI_DIM_DOTS) {
        Oli_File_Printf(G.file, " 20  0\n");
        double d = 0.075 / sx;
        for (int i = 0; i < 2; i++)
            if (show[i]) {
                Oli_Graphic_Disc(px[i], py[i], d);
                Oli_Graphic_Arc(px[i], py[i], d, 0, 360);
            }
    } else {
        double b = a + M_PI / 4, k = 1.5 * 0.4 * sqrt(2.0) * h;
        double dx = k * cos(b) / sx, dy = k * sin(b) / sy;
        if (G.y_reversed) dy = -dy;
        for (int i = 0; i < 2; i++)
            if (show[i]) Oli_Graphic_Line(px[i] - dx, py[i] - dy, px[i] + dx, py[i] + dy);
    }
}

void Oli_Graphic_Dimension_Marks(double x1, double y1, double x2, double y2, double h)
{
    Oli_Graphic_Push();
    Oli_To_Local(&x1, &y1, G.rotation);
    Oli_To_Local(&x2, &y2, G.rotation);
    G.rotation = 0.0;
    if (Oli_Round(hypot(x2 - x1, y2 - y1), 2) >= 0.01) dimension_marks(x1, y1, x2, y2, h);
    Oli_Graphic_Pop();
}

double Oli_Graphic_Dimension(double x1, double y1, double x2, double y2, double h, const char *text,
                             const char *text2, double width, int32_t position)
{
    if (text == nullptr) text = "";
    if (text2 == nullptr) text2 = "";
    Oli_Graphic_Push();
    Oli_To_Local(&x1, &y1, G.rotation);
    Oli_To_Local(&x2, &y2, G.rotation);
    G.rotation = 0.0; /* the points are turned: marks and labels lie on the paper's axes */
    double L = Oli_Round(hypot(x2 - x1, y2 - y1), 2);
    if (L < 0.01) {
        Oli_Graphic_Pop();
        return 0.0;
    }
    dimension_marks(x1, y1, x2, y2, h);
    double a = Oli_Line_Angle(x1, y1, x2, y2), ca = cos(a), sa = sin(a);
    double sx = G.sx, sy = G.sy;

    double t = (a + (G.y_reversed ? M_PI : 0.0)) * G.angle_sign;
    while (t > 2 * M_PI) t -= 2 * M_PI;
    G.text_angle = t;
    if (Plot_Is_Open()) Plot_Set_Font(2);
    Oli_File_Printf(G.file, " 13 %lf\n", 2.1 * h);
    Oli_File_Printf(G.file, " 8 %d\n", 6);

    double f = 0.8, result = 0.0, n = (double)strlen(text);
    double mx = (x1 + x2) / 2, my = (y1 + y2) / 2, ax, ay;
    int lifted = position == 0 && width > L;
    if (lifted) {
        if (G.stagger && G.stagger_memory) {
            f = 4.0;
            result = 3.2;
            G.stagger_memory = 0;
        } else {
            f = 2.8;
            result = 2.0;
            G.stagger_memory = 1;
        }
    } else {
        G.stagger_memory = 0;
    }
    double O = f * 2 * h / sy;
    if (!lifted && position == -1) {
        ax = x1 - sa * O - ca * n * h / sx;
        ay = y1 + ca * O - sa * n * h / sy;
    } else if (!lifted && position == 1) {
        ax = x2 - sa * O + ca * n * h / sx;
        ay = y2 + ca * O + sa * n * h / sy;
    } else {
        ax = mx - sa * O;
        ay = my + ca * O;
    }
    Oli_Graphic_Text_Centred(ax, ay, text);
    if (text2[0]) {
        Oli_File_Printf(G.file, " 13 %lf\n", 0.75 * 2.1 * h);
        double q = 0.25 * 2.1 * h / sy, w = n * 2.1 * h * 0.4 * G.angle_sign / sx;
        Oli_Graphic_Text(ax - sa * q + ca * w, ay + ca * q + sa * w, text2);
    }
    Oli_Graphic_Pop();
    return result;
}

/* ---- number forms ---- */

static void fixed(char *out, double v, int32_t decimals) { Oli_Format_Fixed(out, 16, v, decimals); }

void Oli_Dimension_Cm_Texts(double distance, double factor, int32_t flags, char *label,
                            char *raised, double *number)
{
    double v = Oli_Round(distance / factor, 1);
    int32_t i = (int32_t)(v + 0.0001);
    double r = v - i, num;
    raised[0] = 0;
    if (factor > 0) {
        if (r >= 0.74999) num = Oli_Round(v, 0);
        else {
            num = i;
            if (r >= 0.25) strcpy(raised, "5");
        }
    } else {
        num = i;
        fixed(raised, 10 * r, 0);
    }
    if (num < 100 || (flags & OLI_DIM_NO_UNIT_CHANGE)) fixed(label, num, 0);
    else fixed(label, num * 0.01, 2);
    if (number) *number = num;
}

double Oli_Graphic_Dimension_Unit(int32_t position, double x1, double y1, double x2, double y2,
                                  double h, double factor)
{
    char label[16], raised[16];
    double number;
    Oli_Dimension_Cm_Texts(hypot(x2 - x1, y2 - y1), factor, G.dimension_flags, label, raised,
                           &number);
    factor = fabs(factor);
    double W = strlen(label) * 2 * h / (factor * G.smax), width;
    if (position == -2 || position == 2) {
        position = W > number ? (position < 0 ? -1 : 1) : 0;
        width = 0;
    } else {
        if (position != -1 && position != 1) position = 0;
        width = W * factor;
    }
    return Oli_Graphic_Dimension(x1, y1, x2, y2, h, label, raised, width, position);
}

double Oli_Graphic_Dimension_Cm(double x1, double y1, double x2, double y2, double h, double factor,
                                int32_t position)
{
    if (factor > -0.00001 && factor < 0.00001) return 0.0;
    return Oli_Graphic_Dimension_Unit(position, x1, y1, x2, y2, h, factor);
}

void Oli_Dimension_M_Texts(double distance, int32_t flags, char *label, char *raised)
{
    double D = Oli_Round(distance, 3), V = 100 * D;
    int32_t i = (int32_t)(V + 0.0001);
    double R = Oli_Round(V - i, 2);
    int half = R >= 0.25 && R < 0.74999;
    raised[0] = 0;
    if (D < 1 && !(flags & OLI_DIM_NO_UNIT_CHANGE)) {
        if (half) {
            snprintf(label, 16, "%d", (int)i);
            strcpy(raised, "5");
        } else {
            fixed(label, V, 0);
        }
        return;
    }
    double m = Oli_Round(V - 0.75 - i, 2) >= 0 ? (i + 1) * 0.01 : i * 0.01;
    fixed(label, m, 2);
    if (half) strcpy(raised, "5");
}

double Oli_Graphic_Dimension_M(double x1, double y1, double x2, double y2, double h)
{
    double dist = hypot(x2 - x1, y2 - y1);
    if (Oli_Round(dist, 3) < 0.01) return 0.0;
    char label[16], raised[16];
    Oli_Dimension_M_Texts(dist, G.dimension_flags, label, raised);
    return Oli_Graphic_Dimension(x1, y1, x2, y2, h, label, raised, strlen(label) * 1.68 * h / G.sx,
                                 0);
}

void Oli_Dimension_Mm_Texts(double distance, char *label, char *raised)
{
    double v = Oli_Round(distance, 1);
    int32_t i = (int32_t)(v + 0.0001);
    double r = v - i;
    if (r < 0.05) strcpy(raised, " ");
    else fixed(raised, 10 * r, 0);
    fixed(label, i, 0);
}

double Oli_Graphic_Dimension_Mm(double x1, double y1, double x2, double y2, double h,
                                int32_t position)
{
    char label[16], raised[16];
    double dist = hypot(x2 - x1, y2 - y1);
    Oli_Dimension_Mm_Texts(dist, label, raised);
    int32_t i = (int32_t)(Oli_Round(dist, 1) + 0.0001);
    double W = strlen(label) * 2 * h / G.smax, width = W;
    if (position == -2 || position == 2) {
        position = W > i ? (position < 0 ? -1 : 1) : 0;
        width = 0;
    } else if (position != -1 && position != 1) {
        position = 0;
    }
    return Oli_Graphic_Dimension(x1, y1, x2, y2, h, label, raised, width, position);
}

double Oli_Graphic_Dimension_Offset_Mm(double x1, double y1, double x2, double y2, double d,
                                       double h, int32_t position)
{
    double a = atan2(y2 - y1, x2 - x1), ox = -d * sin(a), oy = d * cos(a);
    return Oli_Graphic_Dimension_Mm(x1 + ox, y1 + oy, x2 + ox, y2 + oy, h, position);
}

/* ---- chains ---- */

int Dim_Chain_Add_Point(Ptr_Array *list, double x, double y)
{
    if (list == nullptr) return 0;
    double *p = (double *)malloc(2 * sizeof(double));
    if (p == nullptr) return 0;
    p[0] = x;
    p[1] = y;
    if (Ptr_Array_Insert(list, Ptr_Array_Count(list), p) == nullptr) {
        free(p);
        return 0;
    }
    return 1;
}

static void chain_release(Ptr_Array *list)
{
    for (int i = 0; i < Ptr_Array_Count(list); i++) free(Ptr_Array_Get(list, i));
    Ptr_Array_Clear(list);
}

/* One dimension of a chain by its unit. */
static double chain_piece(const char *unit, double x1, double y1, double x2, double y2, double h,
                          double factor, int32_t position)
{
    if (unit && !strcmp(unit, "cm")) {
        if (factor > -0.00001 && factor < 0.00001) return 0.0;
        return Oli_Graphic_Dimension_Unit(position, x1, y1, x2, y2, h, factor);
    }
    if (unit && !strcmp(unit, "mm")) return Oli_Graphic_Dimension_Mm(x1, y1, x2, y2, h, position);
    return Oli_Graphic_Dimension_M(x1, y1, x2, y2, h);
}

double Oli_Graphic_Dimension_Chain(Ptr_Array *list, const char *unit, int32_t mode, double coord,
                                   double h, double factor, int32_t position)
{
    if (list == nullptr || Ptr_Array_Count(list) < 2) return 0.0;
    static const Ptr_Array_Compare sorts[4] = {Oli_Cmp_X_Desc, Oli_Cmp_Y_Desc, Oli_Cmp_X_Asc,
                                               Oli_Cmp_Y_Asc};
    if (mode < 0 || mode > 3) return 0.0;
    Ptr_Array_Sort(list, sorts[mode]);
    int along_x = mode == 0 || mode == 2;
    double best = 0.0;
    for (int k = 0; k + 1 < Ptr_Array_Count(list); k++) {
        const double *p = (const double *)Ptr_Array_Get(list, k),
                     *q = (const double *)Ptr_Array_Get(list, k + 1);
        double a = along_x ? p[0] : p[1], b = along_x ? q[0] : q[1];
        if (fabs(b - a) < 0.00001) continue;
        double r = along_x ? chain_piece(unit, p[0], coord, q[0], coord, h, factor, position)
                           : chain_piece(unit, coord, p[1], coord, q[1], h, factor, position);
        if (r > best) best = r;
    }
    chain_release(list);
    return best;
}

double Oli_Graphic_Dimension_Chain_Along_Sorted(Ptr_Array *list, const char *unit, double x0,
                                                double y0, double angle, double h, double factor,
                                                int32_t position, int32_t order)
{
    if (list == nullptr || Ptr_Array_Count(list) < 2) return 0.0;
    double lx = x0, ly = y0;
    Oli_To_Local(&lx, &ly, angle);
    for (int i = 0; i < Ptr_Array_Count(list); i++) {
        double *p = (double *)Ptr_Array_Get(list, i);
        if (p == nullptr) continue;
        Oli_To_Local(&p[0], &p[1], angle);
        p[1] = ly;
        Oli_To_Global(&p[0], &p[1], angle);
    }
    if (order >= 1 && order <= 4) {
        static const Ptr_Array_Compare sorts[4] = {Oli_Cmp_X_Desc, Oli_Cmp_X_Asc, Oli_Cmp_Y_Desc,
                                                   Oli_Cmp_Y_Asc};
        Ptr_Array_Sort(list, sorts[order - 1]);
    }
    double best = 0.0;
    for (int k = 0; k + 1 < Ptr_Array_Count(list); k++) {
        const double *p = (const double *)Ptr_Array_Get(list, k),
                     *q = (const double *)Ptr_Array_Get(list, k + 1);
        if (p == nullptr || q == nullptr) continue;
        double r = chain_piece(unit, p[0], p[1], q[0], q[1], h, factor, position);
        if (r > best) best = r;
    }
    chain_release(list);
    return best;
}

double Oli_Graphic_Dimension_Chain_Along(Ptr_Array *list, const char *unit, double x0, double y0,
                                         double angle, double h, double factor, int32_t position)
{
    return Oli_Graphic_Dimension_Chain_Along_Sorted(list, unit, x0, y0, angle, h, factor, position,
                                                    2);
}

void Oli_Graphic_Dimension_Line_Chain(int32_t n, const double *x, const double *y, double xa,
                                      double ya, double xb, double yb, double h)
{
    if (n < 2 || x == nullptr || y == nullptr) return;
    double *wx = nullptr, *wy = nullptr;
    Mem_Copy_Doubles(n, &wx, x);
    Mem_Copy_Doubles(n, &wy, y);
    Geo_Rotate_Points_By_Line(n, wx, wy, xa, ya, xb, yb);
    int *index = (int *)Mem_Realloc(nullptr, (size_t)n * sizeof(int), 1);
    if (Oli_Round(fabs(xb - xa), 5) != 0) Sort_Index_By_Doubles_Dir(n, wx, index, xb > xa);
    else Sort_Index_By_Doubles_Dir(n, wy, index, yb > ya);
    for (int32_t k = 0; k + 1 < n; k++)
        Oli_Graphic_Dimension_M(wx[index[k]], wy[index[k]], wx[index[k + 1]], wy[index[k + 1]], h);
    Mem_Free(&wx);
    Mem_Free(&wy);
    Mem_Free(&index);
}
