/*
** Plot files ("%s01.SPF".."%s03.SPF"): the header of tables (colours, pens, line types, fonts,
** fillings, coordinate system, layers) and the entity records that the graphic element
** writers mirror into the open plot file. Coordinates are rotated world units.
*/
#pragma once

#include <cstdint>
#include <cstdio>

/* The one plot-file writer state. */
struct Plot_File {
    FILE *file;      /* open plot file or null */
    double scale;    /* paper units per world unit */
    int32_t colours; /* colours beyond colour 0 (5) */
    int32_t entity;  /* next entity identifier */
    int32_t point;   /* next point identifier */
    int32_t pen;
    int32_t filling; /* -1: no areas */
    int32_t linetype;
    int32_t font;
};

extern Plot_File Plot_Writer;

typedef void (*Plot_Header_Writer)(FILE *file, const char *title, double ox, double oy,
                                   double width, double height);

void Plot_Begin(FILE *file, double x0, double y0, double x1, double y1, double scale,
                double rotation, const char *format, ...) __attribute__((format(printf, 8, 9)));
void Plot_Begin_Colour(FILE *file, double x0, double y0, double x1, double y1, double scale,
                       double rotation, const char *format, ...)
    __attribute__((format(printf, 8, 9)));
void Plot_Begin_With_Header(FILE *file, double x0, double y0, double x1, double y1, double scale,
                            double rotation, const char *title, Plot_Header_Writer header_writer);
void Plot_End(void);     /* the end record, then the file is closed */
FILE *Plot_Finish(void); /* the end record; the file stays open for its owner (null: none) */
void Plot_Set_Pen(int32_t n);
void Plot_Set_Filling(int32_t n);
void Plot_Set_Linetype(int32_t n);
void Plot_Set_Font(int32_t n);
void Plot_Set_Layer(int32_t n);
void Plot_Write_Header(FILE *file, const char *title, double ox, double oy, double width,
                       double height);
void Plot_Write_Header_Colour(FILE *file, const char *title, double ox, double oy, double width,
                              double height);
int Plot_Is_Open(void);
