/*
** Dimension lines of the print-list graphics: one dimension with extension lines, end marks
** (ticks or dots) and a label with an optional raised text; centimetre, metre and millimetre
** number forms; dimension chains over collected points.
*/
#pragma once

#include <cstdint>

struct Ptr_Array;

enum {
    OLI_DIM_NO_FIRST = 1,  /* no extension line and mark at the first point */
    OLI_DIM_NO_SECOND = 2, /* ... at the second point */
    OLI_DIM_DOTS = 8,      /* dots instead of oblique ticks */
    OLI_DIM_NO_UNIT_CHANGE = 16,
};

double Oli_Graphic_Dimension(double x1, double y1, double x2, double y2, double h, const char *text,
                             const char *text2, double width, int32_t position);
double Oli_Graphic_Dimension_Unit(int32_t position, double x1, double y1, double x2, double y2,
                                  double h, double factor);
double Oli_Graphic_Dimension_Cm(double x1, double y1, double x2, double y2, double h, double factor,
                                int32_t position);
double Oli_Graphic_Dimension_M(double x1, double y1, double x2, double y2, double h);
double Oli_Graphic_Dimension_Mm(double x1, double y1, double x2, double y2, double h,
                                int32_t position);
double Oli_Graphic_Dimension_Offset_Mm(double x1, double y1, double x2, double y2, double d,
                                       double h, int32_t position);
int Dim_Chain_Add_Point(Ptr_Array *list, double x, double y);
double Oli_Graphic_Dimension_Chain(Ptr_Array *list, const char *unit, int32_t mode, double coord,
                                   double h, double factor, int32_t position);
double Oli_Graphic_Dimension_Chain_Along(Ptr_Array *list, const char *unit, double x0, double y0,
                                         double angle, double h, double factor, int32_t position);
double Oli_Graphic_Dimension_Chain_Along_Sorted(Ptr_Array *list, const char *unit, double x0,
                                                double y0, double angle, double h, double factor,
                                                int32_t position, int32_t order);
void Oli_Graphic_Dimension_Line_Chain(int32_t n, const double *x, const double *y, double xa,
                                      double ya, double xb, double yb, double h);

/* Legible chains (oli_dimension_fit.cpp). Between Oli_Graphic_Fit_Begin (the block's window,
** world units) and Oli_Graphic_Fit_End the block's lines and areas are noted; a fitted chain
** (mode 2 horizontal at y = coord, mode 3 vertical at x = coord, points ascending) draws its
** lines and marks at once and keeps its labels back, merging runs of equal spacings too short
** for their labels into "n x a"; Oli_Graphic_Fit_End writes every kept label where it crosses
** no line and overlaps no text and answers how many found no such place. Outside a fitted
** block a fitted chain writes its labels between their marks at once. The fitted chain releases
** its points and answers the number of dimensions it drew. */
enum { OLI_FIT_MM = 0, OLI_FIT_CM = 1 }; /* number forms: millimetre and centimetre */
void Oli_Graphic_Fit_Begin(double x0, double y0, double x1, double y1);
int Oli_Graphic_Fit_End(void);
double Oli_Graphic_Dimension_Chain_Fitted(Ptr_Array *list, int32_t mode, double coord, double h,
                                          int32_t form);
/* One dimension of a fitted block with its own label and raised text. */
void Oli_Graphic_Dimension_Fitted(double x1, double y1, double x2, double y2, double h,
                                  const char *text, const char *raised);

/* Texts of the number forms: label and raised text (each at least 16 bytes). */
void Oli_Dimension_Cm_Texts(double distance, double factor, int32_t flags, char *label,
                            char *raised, double *number);
void Oli_Dimension_M_Texts(double distance, int32_t flags, char *label, char *raised);
void Oli_Dimension_Mm_Texts(double distance, char *label, char *raised);
