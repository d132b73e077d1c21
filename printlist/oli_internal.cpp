/*
** Private helpers of printlist/: bounded formats, rounding, rotation of points, visible text
** lengths. See oli_internal.h.
*/
#include "printlist/oli_internal.h"

#include <cstring>

int Oli_File_Printf(FILE *file, const char *format, ...) {
  if (file == nullptr) return 0;
  va_list ap;
  va_start(ap, format);
  int rc = vfprintf(file, format, ap);
  va_end(ap);
  return rc;
}

int Oli_Vformat(char *buf, size_t size, const char *format, va_list ap) {
  if (buf == nullptr || size == 0) return -1;
  int n = vsnprintf(buf, size, format, ap);
  if (n < 0) {
    buf[0] = 0;
    return -1;
  }
  return (size_t)n >= size ? (int)(size - 1) : n;
}

double Oli_Round(double value, int n) {
  double p = 1.0;
  for (int i = 0; i < n; i++) p *= 10.0;
  return floor(value * p + 0.5) / p;
}

double Oli_Round_Half_Away(double value) {
  return value < 0 ? -floor(-value + 0.5) : floor(value + 0.5);
}

void Oli_To_Local(double *x, double *y, double angle) {
  double c = cos(angle), s = sin(angle);
  double x0 = *x, y0 = *y;
  *x = x0 * c + y0 * s;
  *y = -x0 * s + y0 * c;
}

void Oli_To_Global(double *x, double *y, double angle) {
  double c = cos(angle), s = sin(angle);
  double x0 = *x, y0 = *y;
  *x = x0 * c - y0 * s;
  *y = x0 * s + y0 * c;
}

double Oli_Line_Angle(double x1, double y1, double x2, double y2) {
  if (fabs(x2 - x1) < 0.00001) return y2 > y1 ? M_PI / 2 : 3 * M_PI / 2;
  double a = atan((y2 - y1) / (x2 - x1));
  if (x1 > x2) a += M_PI;
  return a;
}

double Oli_Line_Angle_2Pi(double x0, double y0, double x1, double y1) {
  double dx = x1 - x0, dy = y1 - y0;
  if (fabs(dx) < 1e-5) return dy >= 0 ? M_PI / 2 : 3 * M_PI / 2;
  if (fabs(dy) < 1e-5) return dx >= 0 ? 0.0 : M_PI;
  double a = atan2(dy, dx);
  if (a < 0) a += 2 * M_PI;
  return a;
}

int32_t Oli_Visible_Length(const char *text) {
  if (text == nullptr) return 0;
  int32_t n = 0;
  for (const char *p = text; *p; p++) {
    if (*p == '\xCE') {
      if (p[1] == 0) break;
      p++;
      if (*p == '{') {
        while (p[1] && p[1] != '}' && p[1] != '\n') p++;
        if (p[1] == '}') p++;
      }
      continue;
    }
    n++;
  }
  return n;
}

void Oli_Copy(char *dst, const char *src, size_t size) {
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

void Oli_Debug(const char *text) {
  fputs(text, stdout);
  fflush(stdout);
}
