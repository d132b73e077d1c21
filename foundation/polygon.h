/*
** Section values of a closed polygon given by its vertices (x[i], y[i]), closing from the last
** vertex back to the first: area, perimeter, centroid, static, second and product moments and an
** equivalent rectangle. Counter-clockwise order gives positive signed moments. Lengths in the
** units of the coordinates.
*/
#pragma once

typedef struct Geo_Point {
    double x;
    double y;
} Geo_Point;

double Poly_Area(int n, const double *x, const double *y); /* |signed area| */
double Poly_Perimeter(int n, const double *x, const double *y);
double Poly_Static_Moment_X(int n, const double *x, const double *y); /* about the x axis */
double Poly_Static_Moment_Y(int n, const double *x, const double *y); /* about the y axis */
double Poly_Inertia_X(int n, const double *x, const double *y);       /* about the x axis */
double Poly_Inertia_Y(int n, const double *x, const double *y);       /* about the y axis */
double Poly_Product_Moment(int n, const double *x, const double *y);
/* The centroid; both NaN for n < 1 (or a polygon without area). Answers 0. */
int Poly_Centroid(int n, const double *x, const double *y, double *xs, double *ys);
Geo_Point Poly_Centroid_Point(int n, const double *x, const double *y);
/* Shift the polygon (in place) to its centroid and give the rectangle of the same area and ratio
** of principal moments, and the principal angle (radians). Answers 0. */
int Poly_Principal_Rect(int n, double *x, double *y, double *width, double *height, double *angle);
