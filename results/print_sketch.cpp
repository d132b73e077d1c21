/*
** Spacing sketches of the print list: one graphic block (0..2000 x 0..380 units at 0.009 paper
** cm per unit) that names the spacings and the end and edge distances, in the DIN 1052 and in
** the EN 1995 wording, and the arrows it is drawn with.
*/
#include "results/print_list.h"

#include <cmath>

#include "foundation/foundation.h"
#include "printlist/printlist.h"

/* ---------------------------------------------------------------- arrows */

/* The five points of an arrow: tip, two head corners, tail, head base. */
static void Arrow_Points(double *x, double *y, double length, double head_length, double head_width)
{
    x[0] = 0.0;
    y[0] = 0.0;
    x[1] = -head_length;
    y[1] = -head_width / 2.0;
    x[2] = -head_length;
    y[2] = head_width / 2.0;
    x[3] = -length;
    y[3] = 0.0;
    x[4] = -head_length;
    y[4] = 0.0;
}

static void Arrow_Draw(double *x, double *y, int style)
{
    if (style < 0 || style > 2) return;
    Oli_Graphic_Push();
    if (style == 0) {
        Oli_Graphic_Line(x[0], y[0], x[3], y[3]);
        Oli_Graphic_Line(x[0], y[0], x[1], y[1]);
        Oli_Graphic_Line(x[0], y[0], x[2], y[2]);
    } else if (style == 1) {
        Oli_Graphic_Line(x[4], y[4], x[3], y[3]);
        Oli_Graphic_Polyline(3, x, y);
    } else {
        Oli_Graphic_Set_Fill(55);
        Oli_Graphic_Line(x[4], y[4], x[3], y[3]);
        Oli_Graphic_Filled_Polygon(3, x, y);
    }
    Oli_Graphic_Pop();
}

void Oli_Draw_Arrow(double x, double angle)
{
    double px[5], py[5];
    Arrow_Points(px, py, 100.0, 40.0, 15.0);
    Geo_To_Global(px, py, 5, 0.0, 0.0, M_PI, 1.0);
    Geo_To_Global(px, py, 5, -100.0, 0.0, 0.0, 1.0);
    Geo_To_Global(px, py, 5, x, 180.0, angle, 1.0);
    Arrow_Draw(px, py, 2);
}

void Oli_Draw_Arrow_Styled(double x, double y, double angle, double length, double head_length,
                           double head_width, int style)
{
    double px[5], py[5];
    Arrow_Points(px, py, length, head_length, head_width);
    Geo_To_Global(px, py, 5, 0.0, 0.0, M_PI, 1.0);
    Geo_To_Global(px, py, 5, -length, 0.0, 0.0, 1.0);
    Geo_To_Global(px, py, 5, x, y, angle, 1.0);
    Arrow_Draw(px, py, style);
}

void Oli_Draw_Arrow_Centred(double x, double y, double angle, double length, double head_length,
                            double head_width, int style)
{
    double px[5], py[5];
    Arrow_Points(px, py, length, head_length, head_width);
    Geo_To_Global(px, py, 5, length / 2.0, 0.0, 0.0, 1.0);
    Geo_To_Global(px, py, 5, 0.0, 0.0, angle, 1.0);
    Arrow_Draw(px, py, style);
}

/* ---------------------------------------------------------------- the sketch */

static void Raw_Line_Width(double w) { File_Printf(Oli_Graphic.file, " 6 %lf\n", w); }

static void Dashed(double x1, double y1, double x2, double y2)
{
    Oli_Graphic_Push();
    Raw_Line_Width(0.03);
    File_Printf(Oli_Graphic.file, " 38 %d %s %d\n", 2, "0.08 0.08", 0);
    Oli_Graphic_Line(x1, y1, x2, y2);
    Oli_Graphic_Pop();
}

/* Edges, grain sign with its ticks, both ends of one panel. */
static void Panel(double xl, double xr, double top, double g0, double g1, double gy, int solid_left)
{
    Oli_Graphic_Line(xl, 80, xr, 80);
    Oli_Graphic_Line(xl, top, xr, top);
    Oli_Graphic_Line(g0, gy, g1, gy);
    Oli_Graphic_Line(g0, gy, g0 + 15, gy + 10);
    Oli_Graphic_Line(g1, gy, g1 - 15, gy - 10);
    if (solid_left) {
        Oli_Graphic_Line(xl, 80, xl, top);
    } else {
        Dashed(xl, 60, xl, top + 20);
    }
    Dashed(xr, 60, xr, top + 20);
}

typedef struct Sketch_Labels {
    const char *loaded_end, *unloaded_end, *edge_lower, *edge_upper, *caption;
} Sketch_Labels;

static void Draw_Sketch(FILE *file, int grid, double th, const Sketch_Labels *t)
{
    if (file == nullptr) return;
    Oli_Graphic_Begin(file, 0, 0, 2000, 380, 0.009, 0.0, nullptr);
    /* the labels find their places when the whole sketch is known */
    Oli_Graphic_Fit_Begin(0, 0, 2000, 380);
    Raw_Line_Width(0.04);

    /* panel 1: spacings */
    Oli_Graphic_Line(100, 80, 500, 80);
    Oli_Graphic_Line(100, 330, 500, 330);
    Oli_Graphic_Line(240, 310, 360, 310);
    Oli_Graphic_Line(240, 310, 255, 320);
    Oli_Graphic_Line(360, 310, 345, 300);
    Dashed(100, 60, 100, 350);
    Dashed(500, 60, 500, 350);
    const double rows[3] = {142.5, 205, 267.5};
    for (int r = 0; r < 3; r++) {
        if (grid == 0 && r == 1) {
            Oli_Graphic_Disc(250, rows[r], 15);
            Oli_Graphic_Disc(350, rows[r], 15);
        } else {
            for (int c = 0; c < 3; c++) Oli_Graphic_Disc(200 + 100 * c, rows[r], 15);
        }
    }
    Oli_Graphic_Dimension_Fitted(200, 20, 300, 20, th, "a1", "");
    Oli_Graphic_Dimension_Fitted(300, 20, 400, 20, th, "a1", "");
    Oli_Graphic_Dimension_Fitted(55, 142.5, 55, 205, th, "a2", "");
    Oli_Graphic_Dimension_Fitted(55, 205, 55, 267.5, th, "a2", "");

    /* panel 2: loaded end */
    Panel(550, 800, 280, 615, 735, 260, 1);
    Oli_Graphic_Disc(675, 180, 15);
    Oli_Draw_Arrow(675, M_PI / 8);
    Oli_Draw_Arrow(675, -M_PI / 8);
    Oli_Graphic_Dimension_Fitted(550, 20, 675, 20, th, t->loaded_end, "");

    /* panel 3: unloaded end */
    Panel(850, 1100, 280, 915, 1035, 260, 1);
    Oli_Graphic_Disc(975, 180, 15);
    Oli_Draw_Arrow(975, 7 * M_PI / 8);
    Oli_Draw_Arrow(975, -7 * M_PI / 8);
    Oli_Graphic_Dimension_Fitted(850, 20, 975, 20, th, t->unloaded_end, "");

    /* panel 4: edges */
    Panel(1230, 1480, 280, 1295, 1415, 260, 0);
    Oli_Graphic_Disc(1355, 180, 15);
    Oli_Draw_Arrow(1355, 3 * M_PI / 8);
    Oli_Draw_Arrow(1355, 5 * M_PI / 8);
    Oli_Graphic_Dimension_Fitted(1196, 80, 1196, 180, th, t->edge_lower, "");
    Oli_Graphic_Dimension_Fitted(1196, 180, 1196, 280, th, t->edge_upper, "");

    Oli_Graphic_Text(550, 320, t->caption);
    Oli_Graphic_Fit_End();
    File_Printf(Oli_Graphic.file, " -1\n");
}

void Oli_Draw_Spacing_Sketch_A1_A2(FILE *file, int grid, double text_height)
{
    static const Sketch_Labels labels = {
        "a1,t", "a1,c", "a2,t", "a2,c",
        "Bezeichnung der Randabstände nach DIN 1052, Bild 41"_cp850};
    Draw_Sketch(file, grid, text_height, &labels);
}

void Oli_Draw_Spacing_Sketch_A3_A4(FILE *file, int grid, double text_height)
{
    static const Sketch_Labels labels = {
        "a3,t", "a3,c", "a4,t", "a4,c",
        "Bezeichnung der Randabstände nach DIN EN 1995, Bild 8.7"_cp850};
    Draw_Sketch(file, grid, text_height, &labels);
}
