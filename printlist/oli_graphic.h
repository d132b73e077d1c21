/*
** Graphics of the print list: the "#SHOWGRAFIC" block, the one global graphic state (scales,
** rotation, orientation, switches, bounding box, saved attributes), the element writers
** (lines, areas, colours) and the graphic texts. Coordinates are world units; the print list
** gets paper units (x.sx, y.sy), the plot file rotated world units with y mirrored on demand.
*/
#pragma once

#include <cstdint>
#include <cstdio>

/* Caption record of a graphic block: two groups of three lines. */
struct Oli_Graphic_Caption {
    char line[6][80];
};

/* The one graphic state of the writer. */
struct Oli_Graphic_State {
    FILE *file;       /* print list receiving the element records */
    FILE *saved_file; /* remembered by Oli_Graphic_Redirect */
    double sx, sy;    /* paper units per world unit */
    double smin, smax;
    double text_scale;   /* 0.3 / smax */
    double rotation;     /* radians */
    double text_angle;   /* radians */
    double angle_sign;   /* +1 or -1 */
    int32_t x_direction; /* 1 or 3 (0 before the first block) */
    int32_t y_reversed;
    int32_t mirror_mode; /* 2: plot y := mirror_sum - y */
    double mirror_sum;
    int32_t colour_output;
    int32_t fill_output;
    int32_t format_version;        /* 338 */
    double xmin, ymin, xmax, ymax; /* bounding box, world units */
    int32_t saved_pen, saved_filling, saved_linetype, saved_font;
    double saved_text_angle, saved_rotation;
    int32_t rgb[2][3]; /* colour records 50 and 51 */
    double rgb_percent[2];
    int32_t dimension_flags;
    int32_t stagger;
    int32_t stagger_memory;
};

extern Oli_Graphic_State Oli_Graphic;

/* ---- block and state ---- */
void Oli_Graphic_Begin_Xy(FILE *file, double x0, double y0, double x1, double y1, double sx,
                          double sy, double rotation, const Oli_Graphic_Caption *caption);
void Oli_Graphic_Begin(FILE *file, double x0, double y0, double x1, double y1, double scale,
                       double rotation, const Oli_Graphic_Caption *caption);
void Oli_Graphic_Push(void);
void Oli_Graphic_Pop(void);
void Oli_Graphic_Set_Colour_Mode(int on);
int Oli_Graphic_Get_Colour_Mode(void);
void Oli_Graphic_Set_Fill_Mode(int on);
void Oli_Set_Format_Version(int32_t v);
int32_t Oli_Get_Format_Version(void);
void Oli_Graphic_Set_Text_Angle(double a);
double Oli_Graphic_Get_Text_Angle(void);
void Oli_Graphic_Redirect(FILE *file);
FILE *Oli_Graphic_Restore_File(void);
FILE *Oli_Graphic_Get_File(void);
void Oli_Graphic_Reset_Bbox(void);
void Oli_Graphic_Get_Bbox(double *xmin, double *ymin, double *xmax, double *ymax);
void Oli_Graphic_World_To_Paper(double x, double y, double *px, double *py);
void Oli_Graphic_Paper_To_World(double len, double *lx, double *ly);
int32_t Oli_Graphic_Choose_Scale(double w, double h, double avail_w, double avail_h, int32_t n,
                                 const double *denominators);
void Oli_Set_Dimension_Flags(int32_t flags);
void Oli_Graphic_Stagger_Off(void);
void Oli_Graphic_Stagger_On(void);
int Oli_Cmp_X_Desc(const void *a, const void *b);
int Oli_Cmp_X_Asc(const void *a, const void *b);
int Oli_Cmp_Y_Desc(const void *a, const void *b);
int Oli_Cmp_Y_Asc(const void *a, const void *b);

/* ---- lines and outlines ---- */
void Oli_Graphic_Line(double x1, double y1, double x2, double y2);
void Oli_Graphic_Polyline(int32_t n, const double *x, const double *y);
void Oli_Graphic_Rect(double x0, double y0, double x1, double y1);
void Oli_Graphic_Rect_Centred(double cx, double cy, double w, double h);
void Oli_Graphic_Arrow(double xt, double yt, double xe, double ye, double len, double width);
void Oli_Graphic_Line_Offset(double x1, double y1, double x2, double y2, double ox, double oy);
void Oli_Graphic_Arc(double cx, double cy, double d, double start, double span);
void Oli_Graphic_Arc_Offset(double cx, double cy, double d, double start, double span);
void Oli_Graphic_Strip(double x0, double y0, double x1, double y1, double width, int outline);

/* ---- areas ---- */
void Oli_Graphic_Area_Polygon(int32_t n, double *x, double *y);
void Oli_Graphic_Filled_Polygon(int32_t n, double *x, double *y);
void Oli_Graphic_Filled_Rect(double x0, double y0, double x1, double y1);
void Oli_Graphic_Filled_Rect_Centred(double cx, double cy, double w, double h);
void Oli_Graphic_Filled_Frame(double x0, double y0, double x1, double y1, double x2, double y2,
                              double x3, double y3);
void Oli_Graphic_Filled_Sector(double cx, double cy, double d, double start, double span);
void Oli_Graphic_Disc(double x, double y, double d);
void Oli_Graphic_Round_Disc(double x, double y, double d);
void Oli_Graphic_Annulus(double x, double y, double d_outer, double d_inner);
void Oli_Graphic_Region(int32_t n, double *x, double *y, int32_t nh, const int32_t *counts,
                        double *hx, double *hy, int32_t nc, const double *cx, const double *cy,
                        const double *areas);

/* ---- attributes ---- */
void Oli_Graphic_Set_Fill(int32_t n);
void Oli_Graphic_Set_Dash(int32_t style);
void Oli_Graphic_Rgb_50(int32_t r, int32_t g, int32_t b);
void Oli_Graphic_Rgb_51(int32_t r, int32_t g, int32_t b);
void Oli_Graphic_Rgb_50_Packed(int32_t col);
void Oli_Graphic_Rgb_51_Packed(int32_t col);
void Oli_Graphic_Rgb_50_Percent(double p);
void Oli_Graphic_Rgb_51_Percent(double p);
int32_t Rgb_Pack(int32_t r, int32_t g, int32_t b);
void Rgb_Unpack(int32_t col, int32_t *r, int32_t *g, int32_t *b);
void Rgb_Lighten(int32_t r, int32_t g, int32_t b, double p, int32_t *ro, int32_t *go, int32_t *bo);
int32_t Rgb_Lighten_Nearest(int32_t col, double p);
int32_t Rgb_Darken_Nearest(int32_t col, double p);
void Oli_Graphic_Group_Begin(void);
void Oli_Graphic_Group_59(void);
void Oli_Graphic_Group_End(void);
void Oli_Graphic_Group_Fill(int32_t pattern, int32_t n);

/* ---- texts, labelled symbols, filling samples ---- */
void Oli_Graphic_Text(double x, double y, const char *text);
void Oli_Graphic_Text_Centred(double x, double y, const char *text);
void Oli_Graphic_Text_Aligned(double x, double y, int32_t v, int32_t h, const char *format, ...)
    __attribute__((format(printf, 5, 6)));
void Oli_Graphic_Text_Plain(double x, double y, const char *text);
void Oli_Graphic_Text_Right(double x, double y, const char *text);
void Oli_Graphic_Text_Centre_Plain(double x, double y, const char *text);
void Oli_Graphic_Text_Vertical(double x, double y, const char *text);
void Oli_Graphic_Text_Top(double x, double y, const char *text);
void Oli_Graphic_Text_Bottom(double x, double y, const char *text);
void Oli_Graphic_Text_Aligned_Plain(double x, double y, int32_t v, int32_t h, const char *format,
                                    ...) __attribute__((format(printf, 5, 6)));
void Oli_Graphic_Framed_Text(const char *text, double x, double y, double h, double s);
void Oli_Graphic_Framed_Text_Mode2(double x, double y, double h, double s, const char *text);
void Oli_Graphic_Framed_Text_Height(double x, double y, double h, const char *text);
void Oli_Graphic_Framed_Text_Printf(double x, double y, double h, double s, const char *format, ...)
    __attribute__((format(printf, 5, 6)));
void Oli_Graphic_Framed_Number(double x, double y, double h, int32_t number);
void Oli_Graphic_Circled_Text(double x, double y, double h, double s, const char *text);
void Oli_Graphic_Circled_Text_Printf(double x, double y, double h, double s, const char *format,
                                     ...) __attribute__((format(printf, 5, 6)));
void Oli_Graphic_Circled_Number(double x, double y, double h, double s, int32_t number);
void Oli_Graphic_Fill_Samples(FILE *file);
int Oli_Graphic_Show_Fill_Samples(void);
