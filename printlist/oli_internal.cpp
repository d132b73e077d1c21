/*
** Private helpers of printlist/: bounded formats, visible text lengths, and the foundation's
** rounding and rotation of single points under short names, and the small drawing steps the
** symbol writers share. See oli_internal.h.
*/
#include "printlist/oli_internal.h"

#include <cerrno>
#include <cmath>
#include <cstring>

#include "foundation/format.h"
#include "foundation/geometry.h"
#include "foundation/numeric.h"
#include "printlist/oli_graphic.h"
#include "printlist/oli_writer.h"

int Oli_File_Printf(FILE *file, const char *format, ...)
{
    if (file == nullptr) return 0;
    va_list ap;
    va_start(ap, format);
    int rc = Format_To_File(file, format, ap);
    va_end(ap);
    if (rc < 0) Oli_Note_Write_Error(file, errno);
    return rc;
}

/* ---- checked writes ---- */

/* The first failure per file, for the few files a print writes at once (the list and its
** plots); when every slot is taken, the last one is reused. */
enum { WRITE_ERROR_SLOTS = 8 };
static struct {
    FILE *file;
    int error;
} write_errors[WRITE_ERROR_SLOTS];

void Oli_Note_Write_Error(FILE *file, int err)
{
    if (file == nullptr) return;
    int free_slot = WRITE_ERROR_SLOTS - 1;
    for (int i = WRITE_ERROR_SLOTS - 1; i >= 0; i--) {
        if (write_errors[i].file == file) return; /* the first failure stays */
        if (write_errors[i].file == nullptr) free_slot = i;
    }
    write_errors[free_slot].file = file;
    write_errors[free_slot].error = err != 0 ? err : EIO;
}

int Oli_List_Error(FILE *file)
{
    if (file == nullptr) return 0;
    for (int i = 0; i < WRITE_ERROR_SLOTS; i++)
        if (write_errors[i].file == file) return write_errors[i].error;
    return 0;
}

void Oli_Forget_Write_Errors(FILE *file)
{
    for (int i = 0; i < WRITE_ERROR_SLOTS; i++)
        if (file == nullptr || write_errors[i].file == file) write_errors[i].file = nullptr;
}

int Oli_Put(FILE *file, const char *text, size_t n)
{
    if (file == nullptr) return -1;
    if (n == 0 || fwrite(text, 1, n, file) == n) return 0;
    Oli_Note_Write_Error(file, errno);
    return -1;
}

int Oli_Vformat(char *buf, size_t size, const char *format, va_list ap)
{
    if (buf == nullptr || size == 0) return -1;
    int n = Format_V(buf, size, format, ap);
    if (n < 0) {
        buf[0] = 0;
        return -1;
    }
    return (size_t)n >= size ? (int)(size - 1) : n;
}

double Oli_Round(double value, int n) { return Round_To_Decimals(value, n); }

int Oli_Rounds_To_Zero(double value, int n)
{
    /* beyond 1 the rounded value is at least 1 in size, whatever n */
    return std::fabs(value) <= 1.0 && Round_To_Decimals(value, n) == 0;
}

double Oli_Round_Half_Away(double value)
{
    return value < 0 ? -floor(-value + 0.5) : floor(value + 0.5);
}

void Oli_To_Local(double *x, double *y, double angle)
{
    Geo_To_Local(x, y, 1, 0.0, 0.0, angle, 1.0);
}

void Oli_To_Global(double *x, double *y, double angle)
{
    Geo_To_Global(x, y, 1, 0.0, 0.0, angle, 1.0);
}

double Oli_Line_Angle(double x1, double y1, double x2, double y2)
{
    return Geo_Line_Angle(x1, y1, x2, y2);
}

double Oli_Line_Angle_2Pi(double x0, double y0, double x1, double y1)
{
    return Geo_Line_Angle_2Pi(x0, y0, x1, y1);
}

const char *Oli_Escape_End(const char *p)
{
    if (p[1] == 0) return nullptr;
    p++;
    if (*p == '{') {
        while (p[1] && p[1] != '}' && p[1] != '\n') p++;
        if (p[1] == '}') p++;
    }
    return p;
}

int32_t Oli_Visible_Length(const char *text)
{
    if (text == nullptr) return 0;
    int32_t n = 0;
    for (const char *p = text; *p; p++) {
        if (*p == '\xCE' && p[1] == '\xCE') {
            n++; /* the escape byte doubled: the byte itself */
            p++;
            continue;
        }
        if (*p == '\xCE') {
            p = Oli_Escape_End(p);
            if (p == nullptr) break;
            continue;
        }
        n++;
    }
    return n;
}

void Oli_Copy(char *dst, const char *src, size_t size)
{
    if (dst == nullptr || size == 0) return;
    if (src == nullptr) {
        dst[0] = 0;
        return;
    }
    size_t n = strlen(src);
    if (n >= size) n = size - 1;
    memmove(dst, src, n);
    dst[n] = 0;
}

/* ---- helpers of the drawing library ---- */

void Oli_Solid_Dash(void) { Oli_File_Printf(Oli_Graphic.file, " 38 %d %s %d\n", 0, " ", 0); }

void Oli_Filled_Triangle(double xa, double ya, double xb, double yb, double xc, double yc)
{
    if (!Oli_Graphic.fill_output) return;
    double x[3] = {xa, xb, xc}, y[3] = {ya, yb, yc};
    Oli_Graphic_Area_Polygon(3, x, y);
}

void Oli_Place_Points(int n, double *x, double *y, double angle, double x0, double y0)
{
    for (int i = 0; i < n; i++) {
        Oli_To_Global(&x[i], &y[i], angle);
        x[i] += x0;
        y[i] += y0;
    }
}

void Oli_Debug(const char *text)
{
    fputs(text, stdout);
    fflush(stdout);
}
