/*
** Graphic block of the print list and the one graphic state: opening a "#SHOWGRAFIC" block
** with its window, scales and rotation, one level of saved attributes, output switches,
** bounding box, redirection, scale choice and the point comparisons of the chains.
*/
#include "printlist/oli_graphic.h"

#include <cmath>

#include "printlist/oli_internal.h"
#include "printlist/plot_file.h"

Oli_Graphic_State Oli_Graphic = {
    nullptr,
    nullptr, /* file, saved_file */
    1.0,
    1.0,
    1.0,
    1.0,
    0.3, /* sx, sy, smin, smax, text_scale */
    0.0,
    0.0,
    1.0, /* rotation, text_angle, angle_sign */
    0,
    0,
    0,
    0.0, /* x_direction, y_reversed, mirror_mode, mirror_sum */
    1,
    1,
    338, /* colour_output, fill_output, format_version */
    1e100,
    1e100,
    -1e100,
    -1e100,
    0,
    0,
    0,
    0,
    0.0,
    0.0, /* saved plot attributes, text angle, rotation */
    {{0, 0, 0}, {0, 0, 0}},
    {0.0, 0.0},
    0,
    1,
    0, /* dimension_flags, stagger, stagger_memory */
};

/* ---- opening a block ---- */

void Oli_Graphic_Begin_Xy(FILE *file, double x0, double y0, double x1, double y1, double sx,
                          double sy, double rotation, const Oli_Graphic_Caption *caption)
{
    Oli_Graphic_State &g = Oli_Graphic;
    g.stagger_memory = 0;
    g.file = file;
    g.sx = sx;
    g.sy = sy;
    g.smin = sx < sy ? sx : sy;
    g.smax = sx > sy ? sx : sy;
    g.text_scale = 0.3 / g.smax;
    g.rotation = rotation;
    g.text_angle = 0.0;

    if (Oli_Round(fabs(rotation), 3) != 0.0) {
        double cx[4] = {x0, x1, x1, x0}, cy[4] = {y0, y0, y1, y1};
        for (int i = 0; i < 4; i++) Oli_To_Local(&cx[i], &cy[i], rotation);
        int ixmin = 0, ixmax = 0, iymin = 0, iymax = 0;
        for (int i = 1; i < 4; i++) {
            if (cx[i] < cx[ixmin]) ixmin = i;
            if (cx[i] > cx[ixmax]) ixmax = i;
            if (cy[i] < cy[iymin]) iymin = i;
            if (cy[i] > cy[iymax]) iymax = i;
        }
        if (x1 > x0) {
            x0 = cx[ixmin];
            x1 = cx[ixmax];
        } else {
            x0 = cx[ixmax];
            x1 = cx[ixmin];
        }
        if (y1 > y0) {
            y0 = cy[iymin];
            y1 = cy[iymax];
        } else {
            y0 = cy[iymax];
            y1 = cy[iymin];
        }
    }
    g.mirror_sum = y0 + y1;
    g.mirror_mode = y0 >= y1 ? 2 : 0;
    if (x1 > x0) {
        g.x_direction = 1;
        g.angle_sign = 1.0;
        g.y_reversed = 0;
        if (y1 <= y0) {
            g.y_reversed = 1;
            g.angle_sign = -1.0;
        }
    } else {
        g.x_direction = 3;
        if (y1 <= y0) {
            g.angle_sign = 1.0;
            g.y_reversed = 1;
        } else {
            g.angle_sign = -1.0;
            g.y_reversed = 0;
        }
    }

    Oli_File_Printf(file, "#SHOWGRAFIC\n");
    for (int group = 0; group < 2; group++) {
        if (caption == nullptr) {
            Oli_File_Printf(file, " 0 0 0\n");
            continue;
        }
        const char *l[3];
        for (int i = 0; i < 3; i++) l[i] = caption->line[group * 3 + i];
        Oli_File_Printf(file, " %d %d %d\n", l[0][0] != 0, l[1][0] != 0, l[2][0] != 0);
        for (int i = 0; i < 3; i++)
            if (l[i][0]) Oli_File_Printf(file, " %.79s\n", l[i]);
    }
    Oli_File_Printf(file, "-1\n");
    Oli_File_Printf(file, "%lf %lf %lf %lf\n", x0 * sx, x1 * sx, y0 * sy, y1 * sy);
}

void Oli_Graphic_Begin(FILE *file, double x0, double y0, double x1, double y1, double scale,
                       double rotation, const Oli_Graphic_Caption *caption)
{
    Oli_Graphic_Begin_Xy(file, x0, y0, x1, y1, scale, scale, rotation, caption);
}

/* ---- saved attributes ---- */

void Oli_Graphic_Push(void)
{
    Oli_Graphic_State &g = Oli_Graphic;
    Oli_File_Printf(g.file, " 30\n");
    if (g.colour_output) Oli_File_Printf(g.file, " 52\n");
    if (Plot_Writer.file) {
        g.saved_pen = Plot_Writer.pen;
        g.saved_filling = Plot_Writer.filling;
        g.saved_linetype = Plot_Writer.linetype;
        g.saved_font = Plot_Writer.font;
    }
    g.saved_text_angle = g.text_angle;
    g.saved_rotation = g.rotation;
}

void Oli_Graphic_Pop(void)
{
    Oli_Graphic_State &g = Oli_Graphic;
    Oli_File_Printf(g.file, " 31\n");
    if (g.colour_output) Oli_File_Printf(g.file, " 53\n");
    if (Plot_Writer.file) {
        Plot_Writer.pen = g.saved_pen;
        Plot_Writer.filling = g.saved_filling;
        Plot_Writer.linetype = g.saved_linetype;
        Plot_Writer.font = g.saved_font;
    }
    g.text_angle = g.saved_text_angle;
    g.rotation = g.saved_rotation;
}

/* ---- switches ---- */

void Oli_Graphic_Set_Colour_Mode(int on) { Oli_Graphic.colour_output = on ? 1 : 0; }
int Oli_Graphic_Get_Colour_Mode(void) { return Oli_Graphic.colour_output; }
void Oli_Graphic_Set_Fill_Mode(int on) { Oli_Graphic.fill_output = on ? 1 : 0; }
void Oli_Set_Format_Version(int32_t v) { Oli_Graphic.format_version = v; }
int32_t Oli_Get_Format_Version(void) { return Oli_Graphic.format_version; }

void Oli_Graphic_Set_Text_Angle(double a)
{
    double t = a * Oli_Graphic.angle_sign;
    while (t > 2 * M_PI) t -= 2 * M_PI;
    Oli_Graphic.text_angle = t;
}

double Oli_Graphic_Get_Text_Angle(void) { return Oli_Graphic.text_angle; }

void Oli_Graphic_Redirect(FILE *file)
{
    Oli_Graphic.saved_file = Oli_Graphic.file;
    Oli_Graphic.file = file;
}

FILE *Oli_Graphic_Restore_File(void)
{
    Oli_Graphic.file = Oli_Graphic.saved_file;
    return Oli_Graphic.file;
}

FILE *Oli_Graphic_Get_File(void) { return Oli_Graphic.file; }

void Oli_Graphic_Reset_Bbox(void)
{
    Oli_Graphic.xmin = Oli_Graphic.ymin = 1e100;
    Oli_Graphic.xmax = Oli_Graphic.ymax = -1e100;
}

void Oli_Graphic_Get_Bbox(double *xmin, double *ymin, double *xmax, double *ymax)
{
    if (xmin) *xmin = Oli_Graphic.xmin;
    if (ymin) *ymin = Oli_Graphic.ymin;
    if (xmax) *xmax = Oli_Graphic.xmax;
    if (ymax) *ymax = Oli_Graphic.ymax;
}

void Oli_Graphic_World_To_Paper(double x, double y, double *px, double *py)
{
    Oli_To_Local(&x, &y, Oli_Graphic.rotation);
    if (px) *px = x * Oli_Graphic.sx;
    if (py) *py = y * Oli_Graphic.sy;
}

void Oli_Graphic_Paper_To_World(double len, double *lx, double *ly)
{
    if (lx) *lx = len / Oli_Graphic.sx;
    if (ly) *ly = len / Oli_Graphic.sy;
}

void Oli_Set_Dimension_Flags(int32_t flags) { Oli_Graphic.dimension_flags = flags; }
void Oli_Graphic_Stagger_Off(void) { Oli_Graphic.stagger = 0; }
void Oli_Graphic_Stagger_On(void) { Oli_Graphic.stagger = 1; }

/* ---- point comparisons (two doubles x, y) ---- */

static int cmp(double a, double b) { return a < b ? -1 : a > b ? 1 : 0; }

int Oli_Cmp_X_Desc(const void *a, const void *b)
{
    return cmp(((const double *)b)[0], ((const double *)a)[0]);
}
int Oli_Cmp_X_Asc(const void *a, const void *b)
{
    return cmp(((const double *)a)[0], ((const double *)b)[0]);
}
int Oli_Cmp_Y_Desc(const void *a, const void *b)
{
    return cmp(((const double *)b)[1], ((const double *)a)[1]);
}
int Oli_Cmp_Y_Asc(const void *a, const void *b)
{
    return cmp(((const double *)a)[1], ((const double *)b)[1]);
}
