/*
** Plot-file writer: the header of tables (grey and colour variants), the begin and end of a
** plot file, and the current pen, filling, line type, font and layer. Entity records are
** written by the graphic element writers while a plot file is open.
*/
#include "printlist/plot_file.h"

#include <cmath>
#include <cstdarg>

#include "foundation/codepage.h"
#include "printlist/oli_internal.h"
#include "printlist/oli_text.h"

Plot_File Plot_Writer = {nullptr, 1.0, 5, 1, 1, 0, 0, 0, 0};

/* Last filling row of the header written; fillings above it are capped. */
static int32_t plot_last_filling = 7;

int Plot_Is_Open(void) { return Plot_Writer.file != nullptr; }

/* ---- header ---- */

static const char *font_names[12] = {" 0.18  normal  ", " 0.18  kursiv  ", " 0.20  normal  ",
                                     " 0.20  kursiv  ", " 0.35  normal  ", " 0.35  kursiv  ",
                                     " 0.50  normal  ", " 0.50  kursiv  ", " 0.70  normal  ",
                                     " 0.70  kursiv  ", " 1.0   normal  ", " 1.00  kursiv  "};
static const int font_flag[12] = {0, 0, 0, 0, 1, 1, 0, 0, 1, 1, 1, 1};
static const double font_size[12] = {1.8, 1.8, 2.0, 2.0, 3.5, 3.5, 5.0, 5.0, 7.0, 7.0, 10.0, 10.0};

static void header_start(FILE *file, const char *title, double width, double height)
{
    fprintf(file, "zelk-Tessaron (1.0)A\n%s\n%lf %lf\n0\n\n*TABLES\n", title ? title : "", width,
            height);
}

static void header_pens(FILE *file, int32_t colours)
{
    static const char *widths[7] = {"0.180000", "0.200000", "0.350000", "0.500000",
                                    "0.750000", "1.000000", "0.020000"};
    for (int32_t g = 0; g <= colours; g++)
        for (int k = 0; k < 7; k++)
            fprintf(file, " %d  %s %d\n", (int)(7 * g + k), widths[k], (int)g);
}

static void header_tail(FILE *file, double ox, double oy)
{
    char ratio[40];
    Oli_Format_Fixed(ratio, sizeof ratio, 100.0 / Plot_Writer.scale, 0);
    fprintf(file,
            "-coordinates 1\n 0 \xAE"
            "1:%s\xAF %s 0 %lf %lf 0 0.0 0.0 0 0.0 0.0\n",
            ratio, ratio, ox * Plot_Writer.scale, oy * Plot_Writer.scale);
    fprintf(file, "-layers 5\n");
    static const char *layers[5] = {"Schnitt", "Bewehrung", "Vermaßung"_cp850, "Schraffur",
                                    "Texte"};
    for (int i = 0; i < 5; i++)
        fprintf(file,
                " %d \xAE"
                "Folie %d\xAF 1 1 \xAE%s\xAF\n",
                i, i + 1, layers[i]);
    fprintf(file, "*EOT\n\n");
    Plot_Writer.entity = 1;
    Plot_Writer.point = 1;
}

void Plot_Write_Header(FILE *file, const char *title, double ox, double oy, double width,
                       double height)
{
    if (file == nullptr) return;
    header_start(file, title, width, height);
    fprintf(file, "-colors 5\n 1 100 100 100\n 2 133 133 133\n 3 165 165 165\n 4  198 198 198\n"
                  " 5  230 230 230\n");
    fprintf(file, "-pens %d\n", (int)((Plot_Writer.colours + 1) * 7 + 1));
    header_pens(file, 5);
    fprintf(file, " %d  0.0001 %d\n\n", 42, 5);
    fprintf(file, "-linetypes 5\n0 0 1\n1 1 0 2.0 1.0\n2 2 0 3.0 1.0 0.5 1.0\n3 1 0 1.0 2.0\n"
                  "4 1 0 0.1 20.0\n");
    fprintf(file, "-fonts 12\n");
    for (int i = 0; i < 12; i++)
        fprintf(file, "%3d \xAE%s\xAF 0 %d %9lf 0.700000 3.000000 %lf 1\n", i, font_names[i],
                font_flag[i], font_size[i], i % 2 ? 15.0 : 0.0);
    int32_t c = 5;
    fprintf(file, "-fillings %d\n", (int)(c + 3));
    for (int32_t i = 0; i <= c; i++)
        fprintf(file, " %d 00.0 1 0 0.20000 %d 0\n", (int)i, (int)(2 + 7 * i));
    fprintf(file, " %d 0.000000 1   0 1.000000 1 0\n", (int)(c + 1));
    fprintf(file, " %d 0.000000 1   0 10000.000000 1 4\n", (int)(c + 2));
    plot_last_filling = c + 2;
    header_tail(file, ox, oy);
}

void Plot_Write_Header_Colour(FILE *file, const char *title, double ox, double oy, double width,
                              double height)
{
    if (file == nullptr) return;
    int32_t c = Plot_Writer.colours;
    header_start(file, title, width, height);
    fprintf(file,
            "-colors %d\n 1  0 0 194\n 2  255 0 0\n 3  68 255 0\n 4  255 101 255\n 5  255 255 0\n",
            (int)c);
    for (int32_t i = 6; i <= c; i++) {
        int v = (int)(20 * (i - 5));
        fprintf(file, "%d  %d %d %d\n", (int)i, v, v, v);
    }
    fprintf(file, "-pens %d\n", (int)((c + 1) * 7));
    header_pens(file, c);
    fprintf(file, "-linetypes 4\n 0 0 1\n 1 1 0 2.0 1.0\n 2 2 0 3.0 1.0 1.0 1.0\n 3 1 0 1.0 2.0\n");
    fprintf(file, "-fonts 12\n");
    for (int i = 0; i < 12; i++) {
        const char *name = i == 11 ? " 1.0   kursiv  " : font_names[i];
        fprintf(file, " %d \xAE%s\xAF 0 %d %lf 0.700000 3.000000 %lf 1\n", i, name, font_flag[i],
                font_size[i], i % 2 ? 15.0 : 0.0);
    }
    fprintf(file, "-fillings %d\n", (int)(c * 3 + 3));
    for (int32_t g = 0; g <= c; g++) {
        fprintf(file, " %d -45.000000 1   0 1.000000 %d 0\n", (int)(3 * g), (int)(7 * g + 6));
        fprintf(file, " %d 45.000000 2   0 1.000000 %d 0    1 1.000000 %d 1 \n", (int)(3 * g + 1),
                (int)(7 * g + 6), (int)(7 * g + 6));
        fprintf(file, " %d 0.000000 1   0 0.010000 %d 0\n", (int)(3 * g + 2), (int)(7 * g));
    }
    plot_last_filling = c * 3 + 2;
    header_tail(file, ox, oy);
}

/* ---- begin and end ---- */

/* Extent of the rotated window: xmin, ymin, xmax, ymax. */
static void rotated_extent(double x0, double y0, double x1, double y1, double rotation, double e[4])
{
    double cx[4] = {x0, x1, x0, x1}, cy[4] = {y0, y0, y1, y1};
    for (int i = 0; i < 4; i++) Oli_To_Local(&cx[i], &cy[i], rotation);
    e[0] = e[2] = cx[0];
    e[1] = e[3] = cy[0];
    for (int i = 1; i < 4; i++) {
        if (cx[i] < e[0]) e[0] = cx[i];
        if (cx[i] > e[2]) e[2] = cx[i];
        if (cy[i] < e[1]) e[1] = cy[i];
        if (cy[i] > e[3]) e[3] = cy[i];
    }
}

static void begin_entities(FILE *file)
{
    fprintf(file, "*ENTITIES\n-setcoorsys 0\n-setlayer %d\n", 0);
    Plot_Writer.pen = Plot_Writer.filling = Plot_Writer.linetype = Plot_Writer.font = 0;
}

static void plot_begin(FILE *file, double x0, double y0, double x1, double y1, double scale,
                       double rotation, const char *title, int colour, Plot_Header_Writer writer)
{
    Plot_Writer.file = file;
    Plot_Writer.scale = scale;
    if (file == nullptr) return;
    double e[4];
    rotated_extent(x0, y0, x1, y1, rotation, e);
    double w = (e[2] - e[0]) * scale, h = (e[3] - e[1]) * scale;
    if (writer) {
        Plot_Writer.entity = Plot_Writer.point = 1;
        writer(file, title, -e[0], -e[1], w, h);
    } else if (colour) {
        Plot_Write_Header_Colour(file, title, -e[0], -e[1], w, h);
    } else {
        Plot_Write_Header(file, title, -e[0], -e[1], w, h);
    }
    begin_entities(file);
}

void Plot_Begin(FILE *file, double x0, double y0, double x1, double y1, double scale,
                double rotation, const char *format, ...)
{
    char title[256];
    OLI_FORMAT_ARGS(title, format);
    plot_begin(/*file=*/file, /*x0=*/x0, /*y0=*/y0, /*x1=*/x1, /*y1=*/y1, /*scale=*/scale,
               /*rotation=*/rotation, /*title=*/title, /*colour=*/0, /*writer=*/nullptr);
}

void Plot_Begin_Colour(FILE *file, double x0, double y0, double x1, double y1, double scale,
                       double rotation, const char *format, ...)
{
    char title[256];
    OLI_FORMAT_ARGS(title, format);
    plot_begin(/*file=*/file, /*x0=*/x0, /*y0=*/y0, /*x1=*/x1, /*y1=*/y1, /*scale=*/scale,
               /*rotation=*/rotation, /*title=*/title, /*colour=*/1, /*writer=*/nullptr);
}

void Plot_Begin_With_Header(FILE *file, double x0, double y0, double x1, double y1, double scale,
                            double rotation, const char *title, Plot_Header_Writer header_writer)
{
    char t[256];
    Oli_Copy(t, title ? title : "", sizeof t);
    plot_begin(/*file=*/file, /*x0=*/x0, /*y0=*/y0, /*x1=*/x1, /*y1=*/y1, /*scale=*/scale,
               /*rotation=*/rotation, /*title=*/t, /*colour=*/0, /*writer=*/header_writer);
}

void Plot_End(void)
{
    FILE *file = Plot_Finish();
    if (file != nullptr) fclose(file);
}

FILE *Plot_Finish(void)
{
    FILE *file = Plot_Writer.file;
    if (file == nullptr) return nullptr;
    fprintf(file, "*EOI\n\n");
    Plot_Writer.file = nullptr;
    return file;
}

/* ---- current attributes ---- */

void Plot_Set_Pen(int32_t n)
{
    int32_t top = (Plot_Writer.colours + 1) * 7 - 1;
    Plot_Writer.pen = n < 0 ? 0 : n > top ? top : n;
}

void Plot_Set_Filling(int32_t n)
{
    /* Only the rows of the header written exist; higher numbers would name undefined fillings. */
    Plot_Writer.filling = n < 0 ? -1 : n > plot_last_filling ? plot_last_filling : n;
}

void Plot_Set_Linetype(int32_t n) { Plot_Writer.linetype = n < 0 ? 0 : n > 3 ? 3 : n; }
void Plot_Set_Font(int32_t n) { Plot_Writer.font = n < 0 ? 0 : n > 11 ? 11 : n; }

void Plot_Set_Layer(int32_t n)
{
    if (Plot_Writer.file == nullptr) return;
    fprintf(Plot_Writer.file, "-setlayer %d\n", (int)(n < 0 ? 0 : n > 4 ? 4 : n));
}
