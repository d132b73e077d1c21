/*
** Private helpers of printlist/: bounded formatted writes into a file, rounding to decimals,
** turning points into a rotated frame, the visible length of an escaped text, and the small
** drawing steps of the symbol writers (solid dash, filled triangle, placed points). Not part of
** the folder's interface.
*/
#pragma once

#include <cmath>
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>

/* Write the formatted text into file; nothing for a null file. Answers what vfprintf answers
** (0 for a null file); a failed write is kept for Oli_List_Error. */
int Oli_File_Printf(FILE *file, const char *format, ...) __attribute__((format(printf, 2, 3)));

/* ---- checked writes ---- */

/* Write the n bytes of text into file. Answers 0, or -1 for a null file or a failed write (kept
** for Oli_List_Error). */
int Oli_Put(FILE *file, const char *text, size_t n);

/* Keep the first failed write into file; err is its errno (0 is kept as EIO). */
void Oli_Note_Write_Error(FILE *file, int err);

/* Forget the failures of file (every file when file is null). */
void Oli_Forget_Write_Errors(FILE *file);

/* Print text into the paragraph as Oli_Printf(file, line_feed ? "%s\n" : "%s", text) does,
** without a pass through the format. */
int Oli_Para_Print_Text(FILE *file, const char *text, int line_feed);

/* The paragraph text of the body writers: text, and a line feed when it does not end in one,
** printed like Oli_Printf(file, "%s%s", text, "\n" or ""), without a second pass through the
** format. */
int Oli_Para_Print_Line(FILE *file, const char *text);
/* Oli_Para_Print_Line of a text whose length n the caller knows. */
int Oli_Para_Print_Line_N(FILE *file, const char *text, size_t n);

/* Format into buf of size bytes; a longer result is cut. Answers the length written, or -1 on
** a formatting error (buf then empty). */
int Oli_Vformat(char *buf, size_t size, const char *format, va_list ap);

/* Inside a function whose last named argument is `format`: format its variable arguments into
** the char array buf (cut at its size); buf is empty for a null format or a formatting error. */
#define OLI_FORMAT_ARGS(buf, format)                        \
    do {                                                    \
        (buf)[0] = 0;                                       \
        if (format) {                                       \
            va_list ap_;                                    \
            va_start(ap_, format);                          \
            Oli_Vformat((buf), sizeof(buf), (format), ap_); \
            va_end(ap_);                                    \
        }                                                   \
    } while (0)

/* The lines, marks and extension lines of one dimension without its label (oli_dimension.cpp). */
void Oli_Graphic_Dimension_Marks(double x1, double y1, double x2, double y2, double h);

/* Notes of a fitted block (oli_dimension_fit.cpp): a line and the box of an area, paper cm; no
** effect outside a fitted block. */
void Oli_Fit_Note_Line(double x1, double y1, double x2, double y2);
void Oli_Fit_Note_Area(double x0, double y0, double x1, double y1);
int Oli_Fit_Active(void);

/* value rounded to n decimals, halves upwards (Round_To_Decimals). */
double Oli_Round(double value, int n);
/* Oli_Round(value, n) == 0 (n >= 0), without rounding a value that lies farther than 1 from 0. */
int Oli_Rounds_To_Zero(double value, int n);

/* Round half away from zero to an integer. */
double Oli_Round_Half_Away(double value);

/* Turn the point (x, y) into the frame rotated by angle about the origin:
** x' = x cos a + y sin a, y' = -x sin a + y cos a. */
void Oli_To_Local(double *x, double *y, double angle);

/* Inverse of Oli_To_Local. */
void Oli_To_Global(double *x, double *y, double angle);

/* Direction angle from (x1, y1) to (x2, y2), between -pi/2 and 3pi/2. */
double Oli_Line_Angle(double x1, double y1, double x2, double y2);

/* Direction angle of a segment in [0, 2pi). */
double Oli_Line_Angle_2Pi(double x0, double y0, double x1, double y1);

/* Length of a text without its escapes (0xCE and its code; groups "{" .. "}"); a doubled 0xCE
** is the byte itself and counts as one character. */
int32_t Oli_Visible_Length(const char *text);

/* p points at the escape byte 0xCE of a text: answers the escape's last byte (its code, or the
** "}" or last byte of a group "{" .. "}"), or null when the text ends after the escape byte. */
const char *Oli_Escape_End(const char *p);

/* Copy at most size - 1 bytes of src into dst and terminate it. */
void Oli_Copy(char *dst, const char *src, size_t size);

/* ---- helpers of the drawing library (they write into the open graphic block) ---- */

/* The solid dash record " 38 0   0". */
void Oli_Solid_Dash(void);

/* A filled triangle through Oli_Graphic_Area_Polygon, only while filling output is on. */
void Oli_Filled_Triangle(double xa, double ya, double xb, double yb, double xc, double yc);

/* Turn n local points by angle (radians) and move them to (x0, y0). */
void Oli_Place_Points(int n, double *x, double *y, double angle, double x0, double y0);

/* Debug output on the console. */
void Oli_Debug(const char *text);
