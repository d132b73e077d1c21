/*
** Lightened and darkened colours of the print-list graphics mapped to the nearest colour of the
** GUI library's palette.
*/
#include "platform/zelkwin.h"
#include "printlist/oli_graphic.h"

int32_t Rgb_Lighten_Nearest(int32_t col, double p)
{
    int32_t r, g, b;
    Rgb_Unpack(col, &r, &g, &b);
    Rgb_Lighten(r, g, b, p, &r, &g, &b);
    return Nearest_RGB_Color(r, g, b);
}

int32_t Rgb_Darken_Nearest(int32_t col, double p) { return Rgb_Lighten_Nearest(col, -p); }
