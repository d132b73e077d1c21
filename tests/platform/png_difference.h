/*
** Test helper of the tests that compare drawn pages with golden PNGs: the share of pixels two
** PNG files differ in, tolerant of the small shifts of anti-aliasing between cairo versions.
*/
#pragma once

#include <cairo.h>

#include <cstdlib>
#include <string>

/* Share of pixels that differ by more than 48 in a channel; -1 when a file cannot be read or
** the sizes differ. */
inline double Png_Difference(const std::string &a, const std::string &b)
{
    cairo_surface_t *sa = cairo_image_surface_create_from_png(a.c_str());
    cairo_surface_t *sb = cairo_image_surface_create_from_png(b.c_str());
    double result = -1;
    if (cairo_surface_status(sa) == CAIRO_STATUS_SUCCESS
        && cairo_surface_status(sb) == CAIRO_STATUS_SUCCESS
        && cairo_image_surface_get_width(sa) == cairo_image_surface_get_width(sb)
        && cairo_image_surface_get_height(sa) == cairo_image_surface_get_height(sb)) {
        int w = cairo_image_surface_get_width(sa), h = cairo_image_surface_get_height(sa);
        int ra = cairo_image_surface_get_stride(sa), rb = cairo_image_surface_get_stride(sb);
        const unsigned char *pa = cairo_image_surface_get_data(sa),
                            *pb = cairo_image_surface_get_data(sb);
        long differ = 0;
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++)
                for (int c = 0; c < 3; c++)
                    if (abs(pa[y * ra + 4 * x + c] - pb[y * rb + 4 * x + c]) > 48) {
                        differ++;
                        break;
                    }
        result = (double)differ / ((double)w * h);
    }
    cairo_surface_destroy(sa);
    cairo_surface_destroy(sb);
    return result;
}
