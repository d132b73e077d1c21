/*
** Shared frame of the three splice drawings (view, longitudinal and cross section): scale,
** plot file, caption and graphic block, raw line-width and dash records, colours, filled bars
** and dimension chains. Coordinates in model cm.
*/
#pragma once

#include <cstdio>

#include "foundation/ptrarr.h"

/* State of the drawing being written. */
typedef struct Plot_Frame {
    FILE *oli;                 /* print list */
    struct Rt_Safe_File *safe; /* the plot file being written, or null */
    FILE *plot;                /* its stream or null */
    double s;                  /* paper cm per model cm */
    double x0, y0, x1, y1;     /* window, model cm */
    Ptr_Array *chain[4];       /* point lists of the dimension chains */
    int32_t dimension_flags;   /* flags of the dimensions before the drawing */
} Plot_Frame;

/* Open the drawing: chains, plot file number (1..3), reserve, caption, block. */
void Plot_Frame_Begin(Plot_Frame *f, FILE *oli, int number, double s, double x0, double y0,
                      double x1, double y1);
/* Close the drawing: end of block, plot file handed to the print, point lists released. */
void Plot_Frame_End(Plot_Frame *f);

/* Plot_Line_Width and Plot_Dash: write the line width w (cm) or the dash pattern (lengths in
** cm, "0.10 0.10") into the plot file of the current drawing. */
void Plot_Line_Width(double w);
void Plot_Dash(const char *pattern);

/* A dashed line between push and pop: line width 0.03 and the dash pattern. */
void Plot_Dashed_Line(const char *pattern, double x1, double y1, double x2, double y2);
void Plot_Member_Colours(void);                            /* fill 43, the main member's colours */
void Plot_Black_Lines(void);                               /* colour 50 back to black */
void Plot_Bar(double x0, double y0, double x1, double y1); /* filled rectangle */
void Plot_Box(double x0, double y0, double x1, double y1); /* filled and outlined */
void Plot_Chain_Add(Ptr_Array *list, double x, double y);  /* a point of a dimension chain */
void Plot_Chain_Draw(Ptr_Array *list, int mode, double position); /* black, points released */
/* A black vertical dimension from y0 to y1 at x, in cm, fitted to the drawing. */
void Plot_Dimension_Cm_Vertical(double x, double y0, double y1);

/* Fasteners on paper. They stand out from the timbers and plates they pass through: filled in a
** red that no member has (fill 55), outlined in dark red, and never drawn smaller than can be seen
** at 100 % on the screen (about 25 pixels per paper cm) and on a print of 150 dpi (59 per cm):
** a symbol of the view at least PLOT_LEAST_SYMBOL across, a shank of a section at least
** PLOT_LEAST_SHANK wide, in paper cm. A symbol grown to that size keeps clear of its neighbours:
** it takes at most PLOT_ROOM_SHARE of the least distance between two fasteners. */
#define PLOT_LEAST_SYMBOL 0.16
#define PLOT_LEAST_SHANK  0.05
#define PLOT_ROOM_SHARE   0.8
/* Line widths (paper cm) of the staples of the view: alternate ones are drawn thinner. */
#define PLOT_STAPLE_LINE      0.04
#define PLOT_STAPLE_LINE_THIN 0.025
void Plot_Fastener_Colours(void);
/* The size (model cm) that a fastener part of the real size `size` (model cm) is drawn with at
** the scale s: at least `least` paper cm, at most PLOT_ROOM_SHARE of `room` (model cm; 0 for no
** neighbour), never below the real size. */
double Plot_Visible_Size(double size, double s, double least, double room);
/* Least distance (model cm) between two of the n points (x, y); 0 for fewer than two. */
double Plot_Least_Distance(const double *x, const double *y, int n);
/* 1 when the fastener of this row index is drawn in the longitudinal section. */
int Plot_Is_Column_Drawn(int i);
