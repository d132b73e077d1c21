/*
** Plane geometry: point sets between a global and a local system, direction angles, projections
** and distances, intersections of lines, segments, circles and polygons, polygon orientation and
** simple polygon construction. Coordinates are doubles; angles in radians unless stated.
** Point sets are (n, x, y) and are changed in place where an operation transforms them.
** Infinite results are +-1e100; a vertical line has the slope 1e100.
*/
#pragma once

#include "foundation/polygon.h"

/* ---------------------------------------------------------------- transformations */

/* Into the local system of origin (x0, y0), rotation a and scale s. */
void Geo_To_Local(double *x, double *y, int n, double x0, double y0, double a, double s);
/* The inverse of Geo_To_Local. */
void Geo_To_Global(double *x, double *y, int n, double x0, double y0, double a, double s);
/* Geo_To_Local, also storing the results rounded half away from zero in ix, iy. */
void Geo_To_Local_Int(double *x, double *y, int n, double x0, double y0, double a, double s,
                      int *ix, int *iy);
/* Turn the points by minus the direction of the line (xa, ya)-(xb, yb) and set every y to the
** line's own offset: each point becomes (coordinate along the line, offset of the line). */
void Geo_Rotate_Points_By_Line(int n, double *x, double *y, double xa, double ya, double xb,
                               double yb);

/* ---------------------------------------------------------------- angles */

double Geo_Line_Angle(double x1, double y1, double x2, double y2);     /* (-pi/2, 3pi/2) */
double Geo_Line_Angle_2Pi(double x1, double y1, double x2, double y2); /* [0, 2pi) */
/* Angle in [0, pi] between the directions of two lines; 0 when either line has no length. */
double Geo_Angle_Between(double x1, double y1, double x2, double y2, double x3, double y3,
                         double x4, double y4);
double Normalize_Radians(double a); /* adds 2pi until not negative at 4 decimals */

/* ---------------------------------------------------------------- projection and distance */

void Geo_Project_Points_On_Line(int n, double *x, double *y, double x1, double y1, double x2,
                                double y2);
double Geo_Dist_Point_Line(double px, double py, double x1, double y1, double x2, double y2);
void Geo_Point_Along_Line(double x1, double y1, double x2, double y2, double d, int from_end,
                          double *x, double *y);
/* d > 0 from point 1 toward point 2, d <= 0 back from point 2; 1 when |d| exceeds the length. */
int Geo_Point_On_Segment_At(double x1, double y1, double x2, double y2, double d, double *x,
                            double *y);
/* Move both end points by d to the left of the direction 1 -> 2. */
void Geo_Offset_Line(double *x1, double *y1, double *x2, double *y2, double d);
int Geo_Point_On_Line_Test(double x1, double y1, double x2, double y2, double px, double py,
                           int decimals);
int Geo_Point_Vs_Circle(double px, double py, double r, double cx,
                        double cy);                                         /* 2 on, 1 in, 0 out */
double Geo_Width_Across(int n, const double *x, const double *y, double a); /* 2e100 for n < 1 */

/* ---------------------------------------------------------------- intersections */

/* Intersection of two infinite lines: 0 found, 1 parallel. */
int Geo_Line_Intersection(double x1, double y1, double x2, double y2, double x3, double y3,
                          double x4, double y4, double *x, double *y);
/* Intersection of two segments: 1 when it lies within both, else 0. */
int Geo_Segment_Intersection(double x1, double y1, double x2, double y2, double x3, double y3,
                             double x4, double y4, double *x, double *y);
/* As Geo_Segment_Intersection with the first segment extended far beyond point 2. */
int Geo_Ray_Segment_Intersection(double x1, double y1, double x2, double y2, double x3, double y3,
                                 double x4, double y4, double *x, double *y);
/* Two circles d apart: 0 (outs 0) when apart; else 1 with the lens area, depth and chord. */
int Geo_Circle_Overlap(double r1, double r2, double d, double *area, double *depth, double *chord);
double Geo_Circle_Overlap_Area(double r1, double r2, double d);
/* Common part (xa, ya)-(xb, yb) of two segments on one line: 1, or 0. */
int Geo_Segment_Overlap(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                        double y4, double *xa, double *ya, double *xb, double *yb);
/* Segments as two-element arrays: 1 a single point (px[0], py[0]), 2 collinear overlap (both
** ends in px[0..1], py[0..1]), 0 none. */
int Geo_Segment_Intersection_Pairs(const double *x, const double *y, const double *sx,
                                   const double *sy, double *px, double *py);
/* Line through (lx[0], ly[0]), (lx[1], ly[1]) against a circle: 0, 1 (touching) or 2 points
** in px[0..1], py[0..1]. */
int Geo_Circle_Line_Intersection(double cx, double cy, double r, const double *lx, const double *ly,
                                 double *px, double *py);
/* The same; with within non-zero only the points within the segment count (moved to the front). */
int Geo_Circle_Segment_Intersection(double cx, double cy, double r, const double *lx,
                                    const double *ly, int within, double *px, double *py);
/* The segment itself against the circle. */
int Geo_Circle_Segment_Points(double cx, double cy, double r, const double *lx, const double *ly,
                              double *px, double *py);
/* The segment extended far in both directions against the circle. */
int Geo_Circle_Long_Segment_Points(double cx, double cy, double r, const double *lx,
                                   const double *ly, double *px, double *py);

/* Point-set intersections: answer the count and counted arrays in *xs, *ys (freed and null when
** the count is 0; release with Mem_Free). */
int Poly_Circle_Intersections(int n, const double *x, const double *y, int flag, double cx,
                              double cy, double r, double **xs, double **ys);
/* The same into caller arrays of room max; answers the number stored. */
int Poly_Circle_Intersections_To(int n, const double *x, const double *y, int flag, double cx,
                                 double cy, double r, double *xs, double *ys, int max);
int Poly_Segment_Intersections(int n, const double *x, const double *y, int closed,
                               const double *sx, const double *sy, double **xs, double **ys);
int Poly_Line_Intersections(int n, const double *x, const double *y, int closed, double x1,
                            double y1, double x2, double y2, double **xs, double **ys);
/* The first intersection only: 1 with (*xs, *ys), or 0. */
int Poly_Line_First_Intersection(int n, const double *x, const double *y, int closed, double x1,
                                 double y1, double x2, double y2, double *xs, double *ys);
int Poly_Poly_Intersections(int n, const double *x, const double *y, int closed, int m,
                            const double *u, const double *v, double **xs, double **ys);
int Poly_Remove_Reflex_Vertices(int n, double *x, double *y);   /* answers the number kept */
int Poly_Remove_Repeated_Vertices(int n, double *x, double *y); /* answers the number kept */

/* ---------------------------------------------------------------- polygons */

void Poly_Orient(int n, double *x, double *y, int ccw);
void Poly_Make_Ccw(int n, double *x, double *y);
void Poly_Make_Cw(int n, double *x, double *y);
void Poly_Mirror_Y_Ccw(int n, const double *x, const double *y, double h, double *xo, double *yo);
double Mirror_Coordinate(double v, double axis);
int Poly_Bounding_Box(int n, const double *x, const double *y, double *xmin, double *ymin,
                      double *xmax, double *ymax);                              /* answers 0 */
void Poly_Rect(double w, double h, double cx, double cy, double *x, double *y); /* 4 corners */
void Poly_Regular_Equal_Area(double r, double cx, double cy, int n, double *x, double *y);
void Poly_Scale_About_Centroid(int n, double *x, double *y, double f);
int Poly_Grow_About_Centroid(int n, double *x, double *y, double dx, double dy); /* answers 0 */
/* -1 bad arguments, 0 outside (and n < 3), 1 inside, 2 on the boundary (1e-5). */
int Point_In_Polygon(int n, const double *x, const double *y, double px, double py);

/* ---------------------------------------------------------------- estimates and bisectors */

/*
** Area of a polygon estimated by sampling: its bounding box is divided into 100 cells along the
** shorter side and, in proportion, up to 200 along the longer; each cell centre is tested with
** Point_In_Polygon. *area gets the area of the cells inside, (*xs, *ys) their centroid (either
** pointer may be null). Answers 1 when the area is positive, else 0.
*/
int Poly_Area_Estimate(int n, const double *x, const double *y, double *area, double *xs,
                       double *ys);
double Poly_Area_Sampled(int n, const double *x, const double *y);
/* The same for the common part of two polygons (cells inside both, over the common box). */
int Poly_Common_Area_Estimate(int n, const double *x, const double *y, int m, const double *u,
                              const double *v, double *area, double *xs, double *ys);
double Poly_Common_Area_Sampled(int n, const double *x, const double *y, int m, const double *u,
                                const double *v);
/* Direction halfway between the directions a1 and a2 (degrees, the smaller turn from a1 to a2),
** in [0, 360). */
double Angle_Bisector_Deg(double a1, double a2);
/* The same for radians, in [0, 2pi). */
double Angle_Bisector_Rad(double a1, double a2);
