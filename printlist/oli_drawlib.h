/*
** Drawing library of the print-list graphics: axis crosses, direction arrows, level marks,
** supports, double arrows and callouts; force and load symbols; the reinforcement label and the
** section line; member value diagrams; diagram frames, curves and charts; fastener symbols and
** seam hatching. Every symbol is drawn through the element writers, so it reaches the plot file
** too while one is open.
*/
#pragma once

#include <cstdint>
#include <cstdio>

/* ---- axis cross, level marks, supports, callouts ---- */
void Oli_Set_Axes_Switch(int on);
void Oli_Graphic_Axis_Cross(double x0, double y0, const char *label1, const char *label2,
                            double length, double angle);
void Oli_Graphic_Direction_Arrow(double x, double y, double size, double angle, const char *text);
void Oli_Graphic_Level_Mark(double x, double y, double length, const char *text1, const char *text2,
                            int32_t fill, double size);
void Oli_Graphic_Level_Symbol(double x, double y, const char *text, int filled, double size);
void Oli_Graphic_Level_Mark_Base(double x, double y, const char *text, double size);
void Oli_Graphic_Support(double x, double y, double angle, int32_t fill, int hinge, int base_line,
                         double size);
void Oli_Graphic_Fixed_Support(double x, double y, double angle, double size);
void Oli_Graphic_Double_Arrow(double x1, double y1, double x2, double y2, const char *text1,
                              const char *text2);
void Oli_Graphic_Callout(double x1, double y1, double x2, double y2, double h, const char *format,
                         ...) __attribute__((format(printf, 6, 7)));
void Oli_Graphic_Level_Callout(double x1, double y1, double x2, double y2, double h,
                               int no_triangle, const char *format, ...)
    __attribute__((format(printf, 7, 8)));

/* ---- force and load symbols ---- */
void Oli_Graphic_Force_Arrow(double x, double y, double angle, double length, double head_length,
                             double head_width, int32_t style);
void Oli_Graphic_Force_Arrow_Label(double x, double y, double angle, double length,
                                   double head_length, double head_width, int32_t style,
                                   double text_height, const char *text);
void Oli_Graphic_Force_Arrow_To(double x1, double y1, double x2, double y2, double head_length,
                                double head_width, int32_t style);
void Oli_Graphic_Moment_Arc(double x, double y, double d, double start, double span,
                            double head_length, double head_width, int32_t style,
                            double text_height, const char *text);
void Oli_Graphic_Point_Load_V(double x, double y, double length, const char *text);
void Oli_Graphic_Point_Load_H(double x, double y, double length, const char *text);
void Oli_Graphic_Uniform_Load(double x1, double y1, double x2, double y2, double length,
                              double text_height, const char *text);
void Oli_Graphic_Trapezoid_Load(double x1, double y1, double x2, double y2, double length1,
                                double length2, double text_height, const char *text);
void Oli_Graphic_Line_Load(double x1, double y1, double x2, double y2, double h1, double h2);
void Oli_Graphic_Line_Load_X(double x1, double y1, double x2, double y2, double h1, double h2);
void Oli_Graphic_Line_Load_Y(double x1, double y1, double x2, double y2, double h1, double h2);
void Oli_Graphic_Line_Load_N(double x1, double y1, double x2, double y2, double h1, double h2);

/* ---- reinforcement label and section line ---- */
int Oli_Graphic_Rebar_Label(double x1, double y1, double x2, double y2, double h, int32_t grade,
                            int32_t diameter, double spacing, double area, double cover,
                            double value, int32_t position);
void Oli_Graphic_Section_Line(double x1, double y1, double x2, double y2, double size,
                              const char *label1, const char *label2);

/* ---- member value diagram ---- */
struct Member_Diagram {
    char name[32];
    int32_t fill;          /* fill number of the area; < 0 none (11) */
    double x1, y1, x2, y2; /* member, world units */
    int32_t dashed_fibre;  /* (1) */
    int32_t mode;          /* (2) */
    int32_t n;
    double *positions; /* n distances from the start along the member (owned) */
    double *values;    /* n values (owned) */
    double scale;      /* world units of ordinate per unit of value (1.0) */
    double text_size;  /* paper units (0.3) */
    int32_t decimals;  /* (2) */
    int32_t side;      /* (1): ordinates to the other side */
};

void Member_Diagram_Init(Member_Diagram *diagram, int32_t n);
void Member_Diagram_Copy(Member_Diagram *dst, const Member_Diagram *src);
void Member_Diagram_Free(Member_Diagram *diagram);
void Oli_Graphic_Member_Diagram(const Member_Diagram *diagram);

/* ---- diagram frames and charts ---- */
struct Diagram_Frame {
    double width, height;                                  /* paper units (5, 5) */
    double y_margin_1, x_margin_1, y_margin_2, x_margin_2; /* (0.5 each) */
    double x_min, x_max;                                   /* (0, 100) */
    double y_min, y_max;                                   /* (0, 100) */
    int32_t x_orientation;                                 /* (1) */
    int32_t y_orientation;                                 /* (0) */
    double x_step, y_step; /* tick steps; none when not above 0 (-1) */
    int32_t grid;          /* (0) */
    char x_title[100];
    char y_title[100];
};

Diagram_Frame *Diagram_Frame_Init(Diagram_Frame *frame);
int Oli_Graphic_Diagram_Frame(FILE *file, const Diagram_Frame *frame);
int Oli_Graphic_Diagram_End(void);
void Oli_Graphic_Quick_Curve(FILE *file, int32_t n, const double *x, const double *y, int x_side,
                             int y_side, double width, double height);
int Oli_Graphic_Chart(double x0, double y0, double x1, double y1, const double *xv,
                      const double *yv, int32_t n, int32_t mode, const char *title,
                      double text_height);
int Oli_Graphic_Chart_2(double x0, double y0, double x1, double y1, const double *xv,
                        const double *yv, int32_t n, int32_t mode, const char *title,
                        double text_height, double lower, double upper);
void Oli_Graphic_Bold_Text(double x, double y, const char *text);
int32_t Oli_Tick_Decimals(double step);
/* The label step of a chart's value axis for the value range r and the decimals of its labels;
** 0 when r is not above 0.0000002 (the axis then shows its ends only), else 1. */
int Oli_Chart_Label_Step(double r, double *step, int32_t *decimals);

/* ---- fastener symbols and seams ---- */
void Oli_Graphic_Fastener_Symbol(int32_t kind, double w, double x, double y, double length);
void Oli_Graphic_Seam(double x1, double y1, double x2, double y2, double a, int32_t side);
