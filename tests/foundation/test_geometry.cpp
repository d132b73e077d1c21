/*
** Tests of the plane geometry and the polygon section values. Expected values are worked by
** hand from the formulas (noted beside each check).
*/
#include <gtest/gtest.h>

#include <cmath>

#include "foundation/foundation.h"

namespace {

const double S2 = std::sqrt(2.0);

TEST(GeometryTransform, LocalAndGlobal)
{
    double x[2] = {2, 1.25}, y[2] = {1, 7};
    /* (2,1) about (1,1), a = pi/2, s = 2: dx 1, dy 0 -> x' = 0, y' = -2. */
    Geo_To_Local(x, y, 1, 1, 1, M_PI / 2, 2);
    EXPECT_NEAR(x[0], 0.0, 1e-12);
    EXPECT_NEAR(y[0], -2.0, 1e-12);
    Geo_To_Global(x, y, 1, 1, 1, M_PI / 2, 2);
    EXPECT_NEAR(x[0], 2.0, 1e-12);
    EXPECT_NEAR(y[0], 1.0, 1e-12);
    double px[3] = {3.5, -1, 0.25}, py[3] = {-2, 4, 9};
    Geo_To_Local(px, py, 3, 0.5, -1, 0.7, 1.5);
    Geo_To_Global(px, py, 3, 0.5, -1, 0.7, 1.5);
    EXPECT_NEAR(px[1], -1.0, 1e-12);
    EXPECT_NEAR(py[2], 9.0, 1e-12);
    /* Halves round away from zero: 1.25 * 2 = 2.5 -> 3, -2.5 -> -3. */
    double ix[2] = {1.25, -1.25}, iy[2] = {0, 0};
    int rx[2], ry[2];
    Geo_To_Local_Int(ix, iy, 2, 0, 0, 0, 2, rx, ry);
    EXPECT_EQ(rx[0], 3);
    EXPECT_EQ(rx[1], -3);
    EXPECT_EQ(ry[0], 0);
}

TEST(GeometryTransform, RotateByLine)
{
    /* Line (0,1)-(1,2) at 45 degrees: (1,2) -> x' = (1 + 2)/sqrt2, offset = 1*cos45 - 0 = 1/sqrt2. */
    double x[1] = {1}, y[1] = {2};
    Geo_Rotate_Points_By_Line(1, x, y, 0, 1, 1, 2);
    EXPECT_NEAR(x[0], 3.0 / S2, 1e-12);
    EXPECT_NEAR(y[0], 1.0 / S2, 1e-12);
    /* Vertical line (2,0)-(2,5): angle pi/2, x' = y, offset = -2. */
    double vx[2] = {7, 2}, vy[2] = {3, 4};
    Geo_Rotate_Points_By_Line(2, vx, vy, 2, 0, 2, 5);
    EXPECT_NEAR(vx[0], 3.0, 1e-12);
    EXPECT_NEAR(vx[1], 4.0, 1e-12);
    EXPECT_NEAR(vy[0], -2.0, 1e-12);
    /* Downward vertical line: angle -pi/2, x' = -y, offset = +2. */
    Geo_Rotate_Points_By_Line(1, vx, vy, 2, 5, 2, 0);
    EXPECT_NEAR(vx[0], 2.0, 1e-12);
    EXPECT_NEAR(vy[0], 2.0, 1e-12);
}

TEST(GeometryAngles, LineAngles)
{
    EXPECT_DOUBLE_EQ(Geo_Line_Angle(0, 0, -1, 0), M_PI);
    EXPECT_DOUBLE_EQ(Geo_Line_Angle(0, 0, 0, -1), 3 * M_PI / 2);
    EXPECT_DOUBLE_EQ(Geo_Line_Angle(0, 0, 0.000001, 1), M_PI / 2);
    EXPECT_DOUBLE_EQ(Geo_Line_Angle(0, 0, 1, -1), -M_PI / 4);
    EXPECT_DOUBLE_EQ(Geo_Line_Angle_2Pi(0, 0, 1, -1), 7 * M_PI / 4);
    EXPECT_DOUBLE_EQ(Geo_Line_Angle_2Pi(0, 0, -1, 0.000001), M_PI);
    EXPECT_DOUBLE_EQ(Geo_Line_Angle_2Pi(0, 0, 0, -1), 3 * M_PI / 2);
    EXPECT_NEAR(Normalize_Radians(-M_PI / 2), 3 * M_PI / 2, 1e-12);
    EXPECT_NEAR(Normalize_Radians(-5 * M_PI), M_PI, 1e-9);
    EXPECT_NEAR(Normalize_Radians(-0.00001), -0.00001,
                1e-15); /* -0.0000 at 4 decimals is not negative */
}

TEST(GeometryAngles, AngleBetweenIsAlwaysDefined)
{
    EXPECT_NEAR(Geo_Angle_Between(0, 0, 1, 0, 0, 0, 0, 3), M_PI / 2, 1e-12);
    EXPECT_NEAR(Geo_Angle_Between(0, 0, 1, 0, 5, 5, 6, 6), M_PI / 4, 1e-12);
    EXPECT_NEAR(Geo_Angle_Between(0, 0, 1, 0, 0, 0, -2, 0), M_PI, 1e-12);
    EXPECT_EQ(Geo_Angle_Between(0, 0, 1, 0, 3, 3, 3, 3), 0.0); /* a line without length */
    /* Parallel lines of awkward lengths: rounding may carry |c| past 1, the answer stays 0. */
    for (int k = 1; k < 200; k++) {
        const double a = Geo_Angle_Between(0, 0, 0.1 * k, 0.7 * k, 1, 1, 1 + 0.3, 1 + 2.1);
        ASSERT_FALSE(std::isnan(a)) << k;
        EXPECT_NEAR(a, 0.0, 1e-7);
        const double b = Geo_Angle_Between(0, 0, 0.1 * k, 0.7 * k, 0, 0, -0.3 * k, -2.1 * k);
        ASSERT_FALSE(std::isnan(b)) << k;
        EXPECT_NEAR(b, M_PI, 1e-7);
    }
}

TEST(GeometryDistance, ProjectionAndPoints)
{
    double x[1] = {3}, y[1] = {4};
    Geo_Project_Points_On_Line(1, x, y, 0, 0, 1, 0);
    EXPECT_NEAR(x[0], 3.0, 1e-12);
    EXPECT_NEAR(y[0], 0.0, 1e-12);
    x[0] = 3;
    y[0] = 4;
    Geo_Project_Points_On_Line(1, x, y, 1, 0, 1, 5);
    EXPECT_NEAR(x[0], 1.0, 1e-12);
    EXPECT_NEAR(y[0], 4.0, 1e-12);
    EXPECT_DOUBLE_EQ(Geo_Dist_Point_Line(0, 5, -1, 0, 1, 0), 5.0);
    EXPECT_DOUBLE_EQ(Geo_Dist_Point_Line(3, 4, 0, 0, 0, 0), 5.0);
    double px, py;
    Geo_Point_Along_Line(0, 0, 3, 4, 5, 0, &px, &py);
    EXPECT_DOUBLE_EQ(px, 3.0);
    EXPECT_DOUBLE_EQ(py, 4.0);
    Geo_Point_Along_Line(0, 0, 3, 4, 5, 1, &px, &py);
    EXPECT_DOUBLE_EQ(px, 6.0);
    EXPECT_DOUBLE_EQ(py, 8.0);
    EXPECT_EQ(Geo_Point_On_Segment_At(0, 0, 10, 0, -3, &px, &py), 0);
    EXPECT_DOUBLE_EQ(px, 7.0);
    EXPECT_EQ(Geo_Point_On_Segment_At(0, 0, 10, 0, 4, &px, &py), 0);
    EXPECT_DOUBLE_EQ(px, 4.0);
    EXPECT_EQ(Geo_Point_On_Segment_At(0, 0, 10, 0, 12, &px, &py), 1);
    double x1 = 0, y1 = 0, x2 = 2, y2 = 0;
    Geo_Offset_Line(&x1, &y1, &x2, &y2, 1);
    EXPECT_DOUBLE_EQ(y1, 1.0);
    EXPECT_DOUBLE_EQ(y2, 1.0);
    EXPECT_DOUBLE_EQ(x2, 2.0);
    EXPECT_EQ(Geo_Point_On_Line_Test(0, 0, 2, 1, 4, 2.000001, 5), 1);
    EXPECT_EQ(Geo_Point_On_Line_Test(0, 0, 2, 1, 4, 2.001, 5), 0);
    EXPECT_EQ(Geo_Point_Vs_Circle(3, 4, 5, 0, 0), 2);
    EXPECT_EQ(Geo_Point_Vs_Circle(1, 1, 5, 0, 0), 1);
    EXPECT_EQ(Geo_Point_Vs_Circle(6, 0, 5, 0, 0), 0);
    const double sx[4] = {0, 2, 2, 0}, sy[4] = {0, 0, 2, 2};
    EXPECT_DOUBLE_EQ(Geo_Width_Across(4, sx, sy, 0), 2.0);
    EXPECT_NEAR(Geo_Width_Across(4, sx, sy, M_PI / 4), 2 * S2, 1e-12);
    EXPECT_EQ(Geo_Width_Across(0, sx, sy, 0), 2e100);
}

TEST(GeometryIntersect, LinesAndSegments)
{
    double x, y;
    EXPECT_EQ(Geo_Segment_Intersection(/*x1=*/0, /*y1=*/0, /*x2=*/2, /*y2=*/0, /*x3=*/1, /*y3=*/-1,
                                       /*x4=*/1, /*y4=*/1, /*x=*/&x, /*y=*/&y),
              1);
    EXPECT_DOUBLE_EQ(x, 1.0);
    EXPECT_DOUBLE_EQ(y, 0.0);
    EXPECT_EQ(Geo_Segment_Intersection(/*x1=*/0, /*y1=*/0, /*x2=*/2, /*y2=*/0, /*x3=*/3, /*y3=*/-1,
                                       /*x4=*/3, /*y4=*/1, /*x=*/&x, /*y=*/&y),
              0);
    EXPECT_EQ(Geo_Segment_Intersection(/*x1=*/0, /*y1=*/0, /*x2=*/2, /*y2=*/0, /*x3=*/0, /*y3=*/1,
                                       /*x4=*/2, /*y4=*/1, /*x=*/&x, /*y=*/&y),
              0); /* parallel */
    EXPECT_EQ(Geo_Line_Intersection(/*x1=*/0, /*y1=*/0, /*x2=*/1, /*y2=*/1, /*x3=*/0, /*y3=*/2,
                                    /*x4=*/2, /*y4=*/0, /*x=*/&x, /*y=*/&y),
              0);
    EXPECT_DOUBLE_EQ(x, 1.0);
    EXPECT_DOUBLE_EQ(y, 1.0);
    EXPECT_EQ(Geo_Line_Intersection(/*x1=*/0, /*y1=*/0, /*x2=*/1, /*y2=*/1, /*x3=*/0, /*y3=*/1,
                                    /*x4=*/1, /*y4=*/2, /*x=*/&x, /*y=*/&y),
              1);
    EXPECT_EQ(Geo_Ray_Segment_Intersection(/*x1=*/0, /*y1=*/0, /*x2=*/1, /*y2=*/0, /*x3=*/5,
                                           /*y3=*/-1, /*x4=*/5, /*y4=*/1, /*x=*/&x, /*y=*/&y),
              1);
    EXPECT_NEAR(x, 5.0, 1e-9);
    EXPECT_EQ(Geo_Ray_Segment_Intersection(/*x1=*/1, /*y1=*/0, /*x2=*/0, /*y2=*/0, /*x3=*/5,
                                           /*y3=*/-1, /*x4=*/5, /*y4=*/1, /*x=*/&x, /*y=*/&y),
              0); /* behind the start */
    double xa, ya, xb, yb;
    EXPECT_EQ(Geo_Segment_Overlap(/*x1=*/0, /*y1=*/0, /*x2=*/4, /*y2=*/0, /*x3=*/6, /*y3=*/0,
                                  /*x4=*/2, /*y4=*/0, /*xa=*/&xa, /*ya=*/&ya, /*xb=*/&xb,
                                  /*yb=*/&yb),
              1);
    EXPECT_DOUBLE_EQ(xa, 2.0);
    EXPECT_DOUBLE_EQ(xb, 4.0);
    EXPECT_EQ(Geo_Segment_Overlap(/*x1=*/0, /*y1=*/0, /*x2=*/1, /*y2=*/0, /*x3=*/2, /*y3=*/0,
                                  /*x4=*/3, /*y4=*/0, /*xa=*/&xa, /*ya=*/&ya, /*xb=*/&xb,
                                  /*yb=*/&yb),
              0);
    EXPECT_EQ(Geo_Segment_Overlap(/*x1=*/0, /*y1=*/0, /*x2=*/4, /*y2=*/0, /*x3=*/0, /*y3=*/1,
                                  /*x4=*/4, /*y4=*/1, /*xa=*/&xa, /*ya=*/&ya, /*xb=*/&xb,
                                  /*yb=*/&yb),
              0);
    EXPECT_EQ(Geo_Segment_Overlap(/*x1=*/0, /*y1=*/0, /*x2=*/4, /*y2=*/0, /*x3=*/0, /*y3=*/0,
                                  /*x4=*/4, /*y4=*/1, /*xa=*/&xa, /*ya=*/&ya, /*xb=*/&xb,
                                  /*yb=*/&yb),
              0);
    EXPECT_EQ(Geo_Segment_Overlap(/*x1=*/1, /*y1=*/0, /*x2=*/1, /*y2=*/5, /*x3=*/1, /*y3=*/3,
                                  /*x4=*/1, /*y4=*/9, /*xa=*/&xa, /*ya=*/&ya, /*xb=*/&xb,
                                  /*yb=*/&yb),
              1);
    EXPECT_DOUBLE_EQ(ya, 3.0);
    EXPECT_DOUBLE_EQ(yb, 5.0);
    const double ax[2] = {0, 4}, ay[2] = {0, 4}, bx[2] = {0, 4}, by[2] = {4, 0};
    double px[2], py[2];
    EXPECT_EQ(Geo_Segment_Intersection_Pairs(ax, ay, bx, by, px, py), 1);
    EXPECT_DOUBLE_EQ(px[0], 2.0);
    EXPECT_DOUBLE_EQ(py[0], 2.0);
    const double cx[2] = {2, 6}, cy[2] = {2, 6};
    EXPECT_EQ(Geo_Segment_Intersection_Pairs(ax, ay, cx, cy, px, py), 2);
    EXPECT_DOUBLE_EQ(px[0], 2.0);
    EXPECT_DOUBLE_EQ(px[1], 4.0);
    const double dx[2] = {5, 6}, dy[2] = {0, -1};
    EXPECT_EQ(Geo_Segment_Intersection_Pairs(ax, ay, dx, dy, px, py), 0);
}

TEST(GeometryIntersect, Circles)
{
    double area, depth, chord;
    /* r1 = r2 = 1, d = 1: lens 2 acos(1/2) - (1/2) sqrt(3) = 2pi/3 - sqrt3/2; Heron s = 1.5,
    ** T = sqrt(1.5 * 0.5^3) = sqrt(3)/4, chord 4T/d = sqrt(3). */
    EXPECT_EQ(Geo_Circle_Overlap(1, 1, 1, &area, &depth, &chord), 1);
    EXPECT_NEAR(area, 2 * M_PI / 3 - std::sqrt(3.0) / 2, 1e-12);
    EXPECT_DOUBLE_EQ(depth, 1.0);
    EXPECT_NEAR(chord, std::sqrt(3.0), 1e-12);
    EXPECT_EQ(Geo_Circle_Overlap(3, 1, 1, &area, &depth, &chord), 1);
    EXPECT_DOUBLE_EQ(area, M_PI);
    EXPECT_DOUBLE_EQ(depth, 2.0);
    EXPECT_DOUBLE_EQ(chord, 2.0);
    EXPECT_EQ(Geo_Circle_Overlap(1, 1, 3, &area, &depth, &chord), 0);
    EXPECT_EQ(area, 0.0);
    EXPECT_EQ(chord, 0.0);
    EXPECT_NEAR(Geo_Circle_Overlap_Area(1, 1, 1), 2 * M_PI / 3 - std::sqrt(3.0) / 2, 1e-12);

    /* Circle r 5 at the origin against y = 3: d 3, half chord 4. */
    const double lx[2] = {-10, 10}, ly[2] = {3, 3};
    double px[2], py[2];
    EXPECT_EQ(Geo_Circle_Line_Intersection(0, 0, 5, lx, ly, px, py), 2);
    EXPECT_DOUBLE_EQ(px[0], -4.0);
    EXPECT_DOUBLE_EQ(px[1], 4.0);
    EXPECT_DOUBLE_EQ(py[0], 3.0);
    const double tx[2] = {-10, 10}, ty[2] = {5, 5};
    EXPECT_EQ(Geo_Circle_Line_Intersection(0, 0, 5, tx, ty, px, py), 1);
    EXPECT_DOUBLE_EQ(px[0], 0.0);
    const double fx[2] = {-10, 10}, fy[2] = {6, 6};
    EXPECT_EQ(Geo_Circle_Line_Intersection(0, 0, 5, fx, fy, px, py), 0);
    const double sx[2] = {0, 10}, sy[2] = {3, 3};
    EXPECT_EQ(Geo_Circle_Segment_Points(0, 0, 5, sx, sy, px, py), 1);
    EXPECT_DOUBLE_EQ(px[0], 4.0);
    const double shortx[2] = {0, 1}, shorty[2] = {3, 3};
    EXPECT_EQ(Geo_Circle_Segment_Points(0, 0, 5, shortx, shorty, px, py), 0);
    EXPECT_EQ(Geo_Circle_Long_Segment_Points(0, 0, 5, shortx, shorty, px, py), 2);
}

TEST(GeometryPointSets, PolylineIntersections)
{
    const double x[3] = {-10, 10, 10}, y[3] = {3, 3, -3};
    double *xs = nullptr, *ys = nullptr;
    EXPECT_EQ(Poly_Circle_Intersections(3, x, y, 1, 0, 0, 5, &xs, &ys), 2);
    EXPECT_DOUBLE_EQ(xs[0], -4.0);
    EXPECT_DOUBLE_EQ(xs[1], 4.0);
    double fx[4], fy[4];
    EXPECT_EQ(Poly_Circle_Intersections_To(/*n=*/3, /*x=*/x, /*y=*/y, /*flag=*/1, /*cx=*/0,
                                           /*cy=*/0, /*r=*/5, /*xs=*/fx, /*ys=*/fy, /*max=*/1),
              1);
    EXPECT_EQ(Poly_Circle_Intersections(3, x, y, 1, 100, 100, 1, &xs, &ys), 0);
    EXPECT_EQ(xs, nullptr);
    EXPECT_EQ(ys, nullptr);

    const double qx[4] = {0, 1, 1, 0}, qy[4] = {0, 0, 1, 1};
    const double sx[2] = {0.5, 0.5}, sy[2] = {-1, 2};
    EXPECT_EQ(Poly_Segment_Intersections(4, qx, qy, 1, sx, sy, &xs, &ys), 2);
    EXPECT_DOUBLE_EQ(ys[0], 0.0);
    EXPECT_DOUBLE_EQ(ys[1], 1.0);
    EXPECT_EQ(Poly_Line_Intersections(/*n=*/4, /*x=*/qx, /*y=*/qy, /*closed=*/1, /*x1=*/0.5,
                                      /*y1=*/-1, /*x2=*/0.5, /*y2=*/2, /*xs=*/&xs, /*ys=*/&ys),
              2);
    double fx1, fy1;
    EXPECT_EQ(Poly_Line_First_Intersection(/*n=*/4, /*x=*/qx, /*y=*/qy, /*closed=*/1, /*x1=*/0.5,
                                           /*y1=*/-1, /*x2=*/0.5, /*y2=*/2, /*xs=*/&fx1,
                                           /*ys=*/&fy1),
              1);
    EXPECT_DOUBLE_EQ(fy1, 0.0);
    /* Through a vertex: the same point from two edges is kept once. */
    const double vx[2] = {-1, 2}, vy[2] = {-1, 2};
    EXPECT_EQ(Poly_Segment_Intersections(4, qx, qy, 0, vx, vy, &xs, &ys), 2);
    Mem_Free(&xs);
    Mem_Free(&ys);

    const double ax[4] = {0, 2, 2, 0}, ay[4] = {0, 0, 2, 2}, bx[4] = {1, 3, 3, 1},
                 by[4] = {1, 1, 3, 3};
    EXPECT_EQ(Poly_Poly_Intersections(4, ax, ay, 1, 4, bx, by, &xs, &ys), 2);
    EXPECT_DOUBLE_EQ(xs[0], 2.0);
    EXPECT_DOUBLE_EQ(ys[0], 1.0);
    EXPECT_DOUBLE_EQ(xs[1], 1.0);
    EXPECT_DOUBLE_EQ(ys[1], 2.0);
    Mem_Free(&xs);
    Mem_Free(&ys);
}

TEST(GeometryPolygons, CleanUpAndOrientation)
{
    double x[5] = {0, 4, 4, 2, 0}, y[5] = {0, 0, 4, 1, 4};
    EXPECT_EQ(Poly_Remove_Reflex_Vertices(5, x, y), 4); /* (2,1) turns the wrong way */
    EXPECT_EQ(x[3], 0.0);
    EXPECT_EQ(y[3], 4.0);
    double rx[4] = {0, 1, 1, 1}, ry[4] = {0, 0, 0.000001, 1};
    EXPECT_EQ(Poly_Remove_Repeated_Vertices(4, rx, ry), 3);
    EXPECT_EQ(ry[1], 0.000001);
    double cx[4] = {0, 0, 1, 1}, cy[4] = {0, 1, 1, 0}; /* clockwise */
    Poly_Orient(4, cx, cy, 0);
    EXPECT_EQ(cy[1], 1.0); /* already clockwise: unchanged */
    Poly_Make_Ccw(4, cx, cy);
    EXPECT_EQ(cx[0], 1.0);
    EXPECT_EQ(cy[0], 0.0);
    EXPECT_EQ(cx[3], 0.0);
    double mx[4], my[4];
    const double sx[4] = {0, 1, 1, 0}, sy[4] = {0, 0, 1, 1};
    Poly_Mirror_Y_Ccw(4, sx, sy, 4, mx, my);
    /* y -> 4 - y gives (0,4),(1,4),(1,3),(0,3), clockwise; reversed: (0,3),(1,3),(1,4),(0,4). */
    EXPECT_EQ(my[0], 3.0);
    EXPECT_EQ(mx[1], 1.0);
    EXPECT_EQ(my[2], 4.0);
    EXPECT_EQ(Mirror_Coordinate(3, 5), 7.0);
    double x0, y0, x1, y1;
    EXPECT_EQ(Poly_Bounding_Box(4, mx, my, &x0, &y0, &x1, &y1), 0);
    EXPECT_EQ(y0, 3.0);
    EXPECT_EQ(x1, 1.0);
    Poly_Bounding_Box(0, mx, my, &x0, &y0, &x1, &y1);
    EXPECT_EQ(x0, 1e100);
    EXPECT_EQ(x1, -1e100);
}

TEST(GeometryPolygons, Construction)
{
    double x[6], y[6];
    Poly_Rect(4, 2, 1, 1, x, y);
    EXPECT_EQ(x[0], -1.0);
    EXPECT_EQ(y[0], 0.0);
    EXPECT_EQ(x[2], 3.0);
    EXPECT_EQ(y[2], 2.0);
    /* n = 4, r = 1: circumradius sqrt((pi/2)/sin(pi/2)), area 2 R^2 = pi. */
    Poly_Regular_Equal_Area(1, 0, 0, 4, x, y);
    EXPECT_NEAR(x[0], std::sqrt(M_PI / 2), 1e-12);
    EXPECT_NEAR(Poly_Area(4, x, y), M_PI, 1e-12);
    double sx[4] = {0, 2, 2, 0}, sy[4] = {0, 0, 2, 2};
    Poly_Scale_About_Centroid(4, sx, sy, 2);
    EXPECT_DOUBLE_EQ(sx[0], -1.0);
    EXPECT_DOUBLE_EQ(sy[2], 3.0);
    double gx[4] = {0, 2, 2, 0}, gy[4] = {0, 0, 2, 2};
    EXPECT_EQ(Poly_Grow_About_Centroid(4, gx, gy, 1, 0.5), 0);
    EXPECT_EQ(gx[0], -1.0);
    EXPECT_EQ(gy[0], -0.5);
    EXPECT_EQ(gx[2], 3.0);
    EXPECT_EQ(gy[2], 2.5);
}

TEST(GeometryPolygons, PointInPolygon)
{
    const double x[4] = {0, 2, 2, 0}, y[4] = {0, 0, 2, 2};
    EXPECT_EQ(Point_In_Polygon(4, x, y, 1, 1), 1); /* the first ray passes through (2,2) */
    EXPECT_EQ(Point_In_Polygon(4, x, y, 0.5, 1.5), 1);
    EXPECT_EQ(Point_In_Polygon(4, x, y, 3, 1), 0);
    EXPECT_EQ(Point_In_Polygon(4, x, y, 2, 1), 2);
    EXPECT_EQ(Point_In_Polygon(4, x, y, 0, 0), 2);
    EXPECT_EQ(Point_In_Polygon(2, x, y, 1, 1), 0);
    EXPECT_EQ(Point_In_Polygon(0, x, y, 1, 1), -1);
    EXPECT_EQ(Point_In_Polygon(4, nullptr, y, 1, 1), -1);
    /* A polygon left of and below the origin. */
    const double nx[4] = {-10, -1, -1, -10}, ny[4] = {-10, -10, -1, -1};
    EXPECT_EQ(Point_In_Polygon(4, nx, ny, -5, -4), 1);
    EXPECT_EQ(Point_In_Polygon(4, nx, ny, -0.5, -4), 0);
}

TEST(PolygonValues, UnitSquare)
{
    const double x[4] = {0, 1, 1, 0}, y[4] = {0, 0, 1, 1};
    EXPECT_DOUBLE_EQ(Poly_Area(4, x, y), 1.0);
    EXPECT_DOUBLE_EQ(Poly_Perimeter(4, x, y), 4.0);
    double xs, ys;
    EXPECT_EQ(Poly_Centroid(4, x, y, &xs, &ys), 0);
    EXPECT_DOUBLE_EQ(xs, 0.5);
    EXPECT_DOUBLE_EQ(ys, 0.5);
    EXPECT_DOUBLE_EQ(Poly_Static_Moment_X(4, x, y), 0.5);
    EXPECT_DOUBLE_EQ(Poly_Static_Moment_Y(4, x, y), 0.5);
    EXPECT_DOUBLE_EQ(Poly_Inertia_X(4, x, y), 1.0 / 3.0);
    EXPECT_DOUBLE_EQ(Poly_Inertia_Y(4, x, y), 1.0 / 3.0);
    EXPECT_DOUBLE_EQ(Poly_Product_Moment(4, x, y), 0.25);
    const Geo_Point c = Poly_Centroid_Point(4, x, y);
    EXPECT_DOUBLE_EQ(c.x, 0.5);
    /* Clockwise: the same area and centroid, negative moments. */
    const double cx[4] = {0, 0, 1, 1}, cy[4] = {0, 1, 1, 0};
    EXPECT_DOUBLE_EQ(Poly_Area(4, cx, cy), 1.0);
    Poly_Centroid(4, cx, cy, &xs, &ys);
    EXPECT_DOUBLE_EQ(xs, 0.5);
    EXPECT_DOUBLE_EQ(ys, 0.5);
    EXPECT_DOUBLE_EQ(Poly_Static_Moment_X(4, cx, cy), -0.5);
    EXPECT_DOUBLE_EQ(Poly_Inertia_X(4, cx, cy), -1.0 / 3.0);
    Poly_Centroid(0, x, y, &xs, &ys);
    EXPECT_TRUE(std::isnan(xs));
    EXPECT_TRUE(std::isnan(ys));
    EXPECT_EQ(Poly_Area(0, x, y), 0.0);
}

TEST(PolygonValues, PrincipalRectangle)
{
    double x[4] = {0, 4, 4, 0}, y[4] = {0, 0, 2, 2};
    double w, h, a;
    EXPECT_EQ(Poly_Principal_Rect(4, x, y, &w, &h, &a), 0);
    EXPECT_DOUBLE_EQ(a, 0.0);
    EXPECT_DOUBLE_EQ(h, 2.0);
    EXPECT_DOUBLE_EQ(w, 4.0);
    EXPECT_DOUBLE_EQ(x[0], -2.0); /* shifted to the centroid in place */
    EXPECT_DOUBLE_EQ(y[0], -1.0);
    /* The same rectangle turned by 30 degrees: Ix = 8/3*3/4 + 32/3*1/4 = 14/3, Iy = 26/3,
    ** Ixy = 8 sin30 cos30 = 4 sqrt3; alpha = atan(8 sqrt3 / -4)/2 = -30 degrees; I1 = 8/3,
    ** I2 = 32/3: height sqrt(8 sqrt(1/4)) = 2, width 4. */
    const double c = std::cos(M_PI / 6), s = std::sin(M_PI / 6);
    const double u[4] = {-2, 2, 2, -2}, v[4] = {-1, -1, 1, 1};
    double rx[4], ry[4];
    for (int i = 0; i < 4; i++) {
        rx[i] = 10 + u[i] * c - v[i] * s;
        ry[i] = 5 + u[i] * s + v[i] * c;
    }
    Poly_Principal_Rect(4, rx, ry, &w, &h, &a);
    EXPECT_NEAR(a, -M_PI / 6, 1e-12);
    EXPECT_NEAR(h, 2.0, 1e-12);
    EXPECT_NEAR(w, 4.0, 1e-12);
}

} // namespace

namespace {

TEST(GeometryEstimates, SampledAreas)
{
    /* An axis-parallel square is tiled exactly by the cells. */
    const double sx[4] = {0, 2, 2, 0}, sy[4] = {0, 0, 2, 2};
    double a = 0, cx = 0, cy = 0;
    EXPECT_EQ(Poly_Area_Estimate(4, sx, sy, &a, &cx, &cy), 1);
    EXPECT_NEAR(a, 4.0, 1e-9);
    EXPECT_NEAR(cx, 1.0, 1e-9);
    EXPECT_NEAR(cy, 1.0, 1e-9);
    /* Triangle of area 2: the staircase of cell centres is within a cell row of it. */
    const double tx[3] = {0, 2, 0}, ty[3] = {0, 0, 2};
    EXPECT_NEAR(Poly_Area_Sampled(3, tx, ty), 2.0, 0.05);
    /* A box 4 x 1: 200 cells along x, 100 along y; the area stays exact. */
    const double rx[4] = {0, 4, 4, 0}, ry[4] = {0, 0, 1, 1};
    EXPECT_NEAR(Poly_Area_Sampled(4, rx, ry), 4.0, 1e-9);
    const double ux[4] = {1, 3, 3, 1}, uy[4] = {1, 1, 3, 3};
    EXPECT_NEAR(Poly_Common_Area_Sampled(4, sx, sy, 4, ux, uy), 1.0, 1e-9);
    const double fx[4] = {5, 6, 6, 5}, fy[4] = {5, 5, 6, 6};
    EXPECT_EQ(Poly_Common_Area_Estimate(4, sx, sy, 4, fx, fy, &a, nullptr, nullptr), 0);
    EXPECT_EQ(a, 0.0);
    EXPECT_EQ(Poly_Area_Estimate(0, sx, sy, &a, nullptr, nullptr), 0);
}

TEST(GeometryEstimates, Bisectors)
{
    EXPECT_DOUBLE_EQ(Angle_Bisector_Deg(0, 90), 45.0);
    EXPECT_DOUBLE_EQ(Angle_Bisector_Deg(90, 0), 45.0);
    EXPECT_DOUBLE_EQ(Angle_Bisector_Deg(350, 10), 0.0);
    EXPECT_DOUBLE_EQ(Angle_Bisector_Deg(-90, 180), 225.0); /* 270 turned by -90 */
    EXPECT_NEAR(Angle_Bisector_Rad(0, M_PI / 2), M_PI / 4, 1e-12);
}

} // namespace
