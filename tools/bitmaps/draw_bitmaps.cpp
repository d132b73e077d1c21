/*
** draw_bitmaps: draws, with our own drawings, the bitmap strips the program loads by name and
** writes them as 24-bit BMP files into <environment>/exec/splice/bitmaps/ (only when changed).
** Usage: draw_bitmaps ENVIRONMENT_DIR. Each strip keeps the layout its callers cut it up by.
*/
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/runtime.h"

namespace {

std::string Out_Dir;
int Written = 0, Kept = 0;

struct RGB {
    double r, g, b;
};
RGB C(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }

const RGB Grey192 = C(192, 192, 192), Cream = C(255, 251, 240), White = C(255, 255, 255),
          Black = C(0, 0, 0), Face = C(212, 208, 200), Dark = C(64, 64, 64),
          Shadow = C(128, 128, 128), Wood = C(222, 184, 135), WoodDark = C(160, 110, 60),
          Steel = C(170, 178, 186), SteelDark = C(90, 98, 108), Blue = C(0, 84, 147),
          Red = C(192, 24, 24), Green = C(16, 128, 16), Yellow = C(255, 255, 0),
          Mint = C(239, 253, 238);

struct Canvas {
    cairo_surface_t *s;
    cairo_t *cr;
    int w, h;
    Canvas(int w_, int h_, RGB bg) : w(w_), h(h_)
    {
        s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
        cr = cairo_create(s);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        Set(bg);
        cairo_paint(cr);
    }
    ~Canvas()
    {
        cairo_destroy(cr);
        cairo_surface_destroy(s);
    }
    void Set(RGB c) { cairo_set_source_rgb(cr, c.r, c.g, c.b); }
    void Rect(double x, double y, double w_, double h_, RGB c)
    {
        Set(c);
        cairo_rectangle(cr, x, y, w_, h_);
        cairo_fill(cr);
    }
    void Frame(double x, double y, double w_, double h_, RGB c, double lw = 1)
    {
        Set(c);
        cairo_set_line_width(cr, lw);
        cairo_rectangle(cr, x + 0.5, y + 0.5, w_ - 1, h_ - 1);
        cairo_stroke(cr);
    }
    void Line(double x1, double y1, double x2, double y2, RGB c, double lw = 1)
    {
        Set(c);
        cairo_set_line_width(cr, lw);
        cairo_move_to(cr, x1 + 0.5, y1 + 0.5);
        cairo_line_to(cr, x2 + 0.5, y2 + 0.5);
        cairo_stroke(cr);
    }
    void Disc(double x, double y, double r, RGB c)
    {
        Set(c);
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    void Ring(double x, double y, double r, RGB c, double lw = 1)
    {
        Set(c);
        cairo_set_line_width(cr, lw);
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        cairo_stroke(cr);
    }
    void Poly(const std::vector<double> &xy, RGB fill, RGB edge)
    {
        cairo_move_to(cr, xy[0], xy[1]);
        for (size_t i = 2; i + 1 < xy.size(); i += 2) cairo_line_to(cr, xy[i], xy[i + 1]);
        cairo_close_path(cr);
        Set(fill);
        cairo_fill_preserve(cr);
        Set(edge);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    void Text(double x, double y, const char *utf8, double size, RGB c, bool bold = false)
    {
        cairo_save(cr);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
        cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                               bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr, size);
        Set(c);
        cairo_move_to(cr, x, y);
        cairo_show_text(cr, utf8);
        cairo_restore(cr);
    }
    double Text_W(const char *utf8, double size, bool bold = false)
    {
        cairo_save(cr);
        cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                               bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr, size);
        cairo_text_extents_t e;
        cairo_text_extents(cr, utf8, &e);
        cairo_restore(cr);
        return e.x_advance;
    }
    /* Draws into the cell (x, y, w, h) with the origin moved there. */
    void In(double x, double y, const std::function<void()> &f)
    {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        f();
        cairo_restore(cr);
    }
    /* Greys every pixel of the rectangle that is not the background colour (disabled looks). */
    void Grey_Out(int x, int y, int w_, int h_, RGB bg)
    {
        cairo_surface_flush(s);
        uint32_t *p = (uint32_t *)cairo_image_surface_get_data(s);
        int stride = cairo_image_surface_get_stride(s) / 4;
        uint32_t key = (uint32_t)lround(bg.r * 255) << 16 | (uint32_t)lround(bg.g * 255) << 8
                       | (uint32_t)lround(bg.b * 255);
        for (int j = y; j < y + h_ && j < h; j++)
            for (int i = x; i < x + w_ && i < w; i++) {
                uint32_t &px = p[j * stride + i];
                if ((px & 0xFFFFFF) == key) continue;
                int r = (px >> 16) & 255, g = (px >> 8) & 255, b = px & 255;
                int l = (r * 3 + g * 6 + b) / 10;
                l = 150 + l * 90 / 255;
                px = (uint32_t)(l << 16 | l << 8 | l);
            }
        cairo_surface_mark_dirty(s);
    }
    void Save(const std::string &name);
    void Save_Rle8(const std::string &name);
};

void Make_Dirs(const std::string &path)
{
    for (size_t p = 1; p < path.size(); p++)
        if (path[p] == '/') mkdir(path.substr(0, p).c_str(), 0755);
    mkdir(path.c_str(), 0755);
}

/* Writes the bytes through a temporary name, and only when they differ from the file there. */
void Write_File(const std::string &name, const std::vector<unsigned char> &b)
{
    std::string path = Out_Dir + "/" + name;
    Make_Dirs(path.substr(0, path.rfind('/')));
    FILE *old = fopen(path.c_str(), "rb");
    if (old) {
        std::vector<unsigned char> have(b.size() + 1);
        size_t n = fread(have.data(), 1, have.size(), old);
        fclose(old);
        if (n == b.size() && memcmp(have.data(), b.data(), n) == 0) {
            Kept++;
            return;
        }
    }
    /* a new file beside the old one, renamed over it: never written through a link */
    Rt_Safe_File *f = Rt_Safe_Open(path.c_str());
    const int ok =
        f && fwrite(b.data(), 1, b.size(), Rt_Safe_Stream(f)) == b.size() && Rt_Safe_Commit(f);
    Rt_Safe_Close(f);
    if (!ok) {
        fprintf(stderr, "draw_bitmaps: cannot write %s\n", path.c_str());
        exit(1);
    }
    Written++;
}

/* 8-bit BMP with run-length compression (BI_RLE8) for large sheets of few colours: runs of one
** colour as (count, index) pairs, each row ended by (0, 0), the picture by (0, 1). */
void Canvas::Save_Rle8(const std::string &name)
{
    cairo_surface_flush(s);
    const uint32_t *p = (const uint32_t *)cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s) / 4;
    std::vector<uint32_t> pal;
    std::vector<unsigned char> idx((size_t)w * (size_t)h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            uint32_t c = p[y * stride + x] & 0xFFFFFF;
            size_t k = 0;
            while (k < pal.size() && pal[k] != c) k++;
            if (k == pal.size()) {
                if (pal.size() == 256) {
                    fprintf(stderr, "draw_bitmaps: %s has more than 256 colours\n", name.c_str());
                    exit(1);
                }
                pal.push_back(c);
            }
            idx[(size_t)y * (size_t)w + (size_t)x] = (unsigned char)k;
        }
    std::vector<unsigned char> data;
    for (int y = h - 1; y >= 0; y--) {
        const unsigned char *row = &idx[(size_t)y * (size_t)w];
        for (int x = 0; x < w;) {
            int n = 1;
            while (x + n < w && n < 255 && row[x + n] == row[x]) n++;
            data.push_back((unsigned char)n);
            data.push_back(row[x]);
            x += n;
        }
        data.push_back(0);
        data.push_back(y == 0 ? 1 : 0);
    }
    uint32_t off = 54 + 4 * (uint32_t)pal.size();
    std::vector<unsigned char> b(off, 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; i++) b[at + (size_t)i] = (unsigned char)(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, off + (uint32_t)data.size());
    put32(10, off);
    put32(14, 40);
    put32(18, (uint32_t)w);
    put32(22, (uint32_t)h);
    b[26] = 1;
    b[28] = 8;
    put32(30, 1);
    put32(34, (uint32_t)data.size());
    put32(38, 2835);
    put32(42, 2835);
    put32(46, (uint32_t)pal.size());
    put32(50, (uint32_t)pal.size());
    for (size_t k = 0; k < pal.size(); k++) {
        b[54 + 4 * k] = (unsigned char)(pal[k] & 255);
        b[54 + 4 * k + 1] = (unsigned char)((pal[k] >> 8) & 255);
        b[54 + 4 * k + 2] = (unsigned char)((pal[k] >> 16) & 255);
    }
    b.insert(b.end(), data.begin(), data.end());
    Write_File(name, b);
}

/* 24-bit BMP, bottom-up rows padded to four bytes. */
void Canvas::Save(const std::string &name)
{
    cairo_surface_flush(s);
    const uint32_t *p = (const uint32_t *)cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s) / 4;
    int row = (w * 3 + 3) / 4 * 4;
    std::vector<unsigned char> b(54 + (size_t)row * (size_t)h, 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; i++) b[at + (size_t)i] = (unsigned char)(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, (uint32_t)b.size());
    put32(10, 54);
    put32(14, 40);
    put32(18, (uint32_t)w);
    put32(22, (uint32_t)h);
    b[26] = 1;
    b[28] = 24;
    put32(34, (uint32_t)(row * h));
    put32(38, 2835);
    put32(42, 2835);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            uint32_t c = p[y * stride + x];
            size_t at = 54 + (size_t)(h - 1 - y) * (size_t)row + (size_t)x * 3;
            b[at] = (unsigned char)(c & 255);
            b[at + 1] = (unsigned char)((c >> 8) & 255);
            b[at + 2] = (unsigned char)((c >> 16) & 255);
        }
    Write_File(name, b);
}

/* ---------------------------------------------------------------- button looks */

/* A button face of w x h at (x, y): 0 disabled, 1 normal, 2 hover, 3 pressed. */
void Button_Face(Canvas &c, int x, int y, int w, int h, int look)
{
    RGB face = look == 2 ? C(232, 236, 244) : look == 0 ? C(220, 218, 212) : Face;
    c.Rect(x, y, w, h, face);
    RGB hi = look == 3 ? Shadow : White, lo = look == 3 ? White : Dark;
    c.Line(x, y, x + w - 2, y, hi);
    c.Line(x, y, x, y + h - 2, hi);
    c.Line(x, y + h - 1, x + w - 1, y + h - 1, lo);
    c.Line(x + w - 1, y, x + w - 1, y + h - 1, lo);
    if (look == 2) c.Frame(x + 1, y + 1, w - 2, h - 2, C(80, 130, 200));
}

void Icon_Check(Canvas &c, double cx, double cy, double s)
{
    c.Set(Green);
    cairo_set_line_width(c.cr, 3 * s);
    cairo_move_to(c.cr, cx - 7 * s, cy);
    cairo_line_to(c.cr, cx - 2 * s, cy + 5 * s);
    cairo_line_to(c.cr, cx + 8 * s, cy - 6 * s);
    cairo_stroke(c.cr);
}

void Icon_Cross(Canvas &c, double cx, double cy, double s)
{
    c.Line(cx - 6 * s, cy - 6 * s, cx + 6 * s, cy + 6 * s, Red, 3 * s);
    c.Line(cx - 6 * s, cy + 6 * s, cx + 6 * s, cy - 6 * s, Red, 3 * s);
}

void Icon_Help(Canvas &c, double cx, double cy, double s)
{
    c.Disc(cx, cy, 10 * s, Blue);
    c.Text(cx - 4 * s, cy + 6 * s, "?", 16 * s, White, true);
}

/* A strip of buttons: each row is one button, four columns (disabled, normal, hover, pressed). */
void Button_Row(Canvas &c, int y, int w, int h, RGB bg,
                const std::function<void(double, double)> &icon)
{
    for (int col = 0; col < 4; col++) {
        int x = col * w;
        Button_Face(c, x, y, w, h, col);
        int off = col == 3 ? 1 : 0;
        icon(x + w / 2.0 + off, y + h / 2.0 + off);
        if (col == 0) c.Grey_Out(x, y, w, h, bg);
    }
}

/* ---------------------------------------------------------------- the icon menu */

void Menu_Icon(Canvas &c, int entry, double x, double y)
{
    /* a 27 x 25 picture with its top left at (x, y) */
    switch (entry) {
    case 1: /* national annex: a flag with a ring of stars */
        c.Rect(x + 2, y + 3, 24, 18, C(0, 51, 153));
        for (int k = 0; k < 12; k++)
            c.Disc(x + 14 + 6 * cos(k * M_PI / 6), y + 12 + 6 * sin(k * M_PI / 6), 1.2,
                   C(255, 204, 0));
        c.Line(x + 2, y + 3, x + 2, y + 25, Dark, 1.5);
        break;
    case 2: /* print settings: a sheet with ticks */
        c.Rect(x + 5, y + 1, 17, 23, White);
        c.Frame(x + 5, y + 1, 17, 23, Dark);
        for (int k = 0; k < 4; k++) {
            c.Frame(x + 8, y + 4 + 5 * k, 4, 4, Dark);
            c.Line(x + 14, y + 6 + 5 * k, x + 19, y + 6 + 5 * k, Shadow);
        }
        Icon_Check(c, x + 10, y + 6, 0.4);
        Icon_Check(c, x + 10, y + 16, 0.4);
        break;
    case 3: /* preview: a sheet and a magnifier */
        c.Rect(x + 3, y + 1, 16, 21, White);
        c.Frame(x + 3, y + 1, 16, 21, Dark);
        for (int k = 0; k < 4; k++) c.Line(x + 6, y + 5 + 4 * k, x + 15, y + 5 + 4 * k, Shadow);
        c.Ring(x + 17, y + 14, 5, Blue, 2);
        c.Line(x + 20, y + 18, x + 25, y + 23, Dark, 3);
        break;
    case 4: /* print: a printer */
        c.Rect(x + 7, y + 1, 13, 9, White);
        c.Frame(x + 7, y + 1, 13, 9, Dark);
        c.Rect(x + 2, y + 9, 23, 10, C(120, 128, 140));
        c.Frame(x + 2, y + 9, 23, 10, Dark);
        c.Rect(x + 7, y + 16, 13, 8, White);
        c.Frame(x + 7, y + 16, 13, 8, Dark);
        c.Disc(x + 21, y + 12, 1.3, Green);
        break;
    case 5: /* plans: a drawing with a set square */
        c.Rect(x + 1, y + 2, 24, 19, C(225, 235, 250));
        c.Frame(x + 1, y + 2, 24, 19, Blue);
        c.Line(x + 4, y + 16, x + 12, y + 6, Blue);
        c.Line(x + 12, y + 6, x + 20, y + 16, Blue);
        c.Line(x + 4, y + 16, x + 20, y + 16, Blue);
        c.Poly({x + 14, y + 24, x + 26, y + 24, x + 26, y + 12}, C(255, 220, 120), Dark);
        break;
    case 6: /* save: a disk */
        c.Rect(x + 3, y + 2, 21, 21, C(40, 70, 140));
        c.Rect(x + 7, y + 2, 13, 8, C(230, 230, 230));
        c.Rect(x + 16, y + 3, 3, 6, C(40, 70, 140));
        c.Rect(x + 7, y + 14, 13, 9, White);
        break;
    case 7: Icon_Help(c, x + 13.5, y + 12.5, 1.0); break;
    case 8: /* end: a door with an arrow */
        c.Rect(x + 4, y + 1, 13, 23, C(150, 100, 50));
        c.Frame(x + 4, y + 1, 13, 23, Dark);
        c.Disc(x + 14, y + 13, 1.2, C(255, 220, 0));
        c.Line(x + 14, y + 12, x + 25, y + 12, Red, 2.5);
        c.Poly({x + 26, y + 12, x + 21, y + 7, x + 21, y + 17}, Red, Red);
        break;
    default: break;
    }
}

void Draw_Menu_Buttons()
{
    Canvas c(345, 205, Grey192);
    static const int source_x[8] = {302, 259, 216, 1, 44, 87, 130, 173};
    static const int look_y[4] = {51, 89, 127, 165}; /* normal, hover, disabled, pressed */
    for (int e = 0; e < 8; e++)
        for (int l = 0; l < 4; l++) {
            int x = source_x[e], y = look_y[l];
            int face = l == 0 ? 1 : l == 1 ? 2 : l == 2 ? 0 : 3;
            Button_Face(c, x, y, 39, 37, face);
            int off = face == 3 ? 1 : 0;
            Menu_Icon(c, e + 1, x + 6 + off, y + 6 + off);
            if (face == 0) c.Grey_Out(x, y, 39, 37, Grey192);
        }
    c.Save("Buttons.bmp");
}

/* ---------------------------------------------------------------- dialogs of the toolkit */

void Draw_Glory3()
{
    Canvas c(144, 108, Cream);
    Button_Row(c, 0, 36, 36, Cream, [&](double x, double y) { Icon_Cross(c, x, y, 1.0); });
    Button_Row(c, 36, 36, 36, Cream, [&](double x, double y) { Icon_Help(c, x, y, 1.0); });
    Button_Row(c, 72, 36, 36, Cream, [&](double x, double y) { Icon_Check(c, x, y, 1.0); });
    c.Save("Glory3.bmp");
}

void Draw_UComment()
{
    Canvas c(64, 56, Cream);
    c.Poly({4, 4, 56, 4, 56, 38, 24, 38, 12, 50, 14, 38, 4, 38}, White, Dark);
    for (int k = 0; k < 4; k++) c.Line(10, 11 + 7 * k, 48 - 8 * (k == 3), 11 + 7 * k, Shadow);
    c.Poly({40, 52, 60, 30, 63, 33, 43, 55, 38, 55}, C(255, 200, 60), Dark);
    c.Save("UComment.bmp");
}

/* A small raised action button with a triangle pointing right; white around it is transparent. */
void Draw_Act_But()
{
    Canvas c(14, 14, White);
    Button_Face(c, 0, 0, 14, 14, 1);
    c.Poly({5, 3, 10, 7, 5, 11}, Blue, Blue);
    c.Save("act_but.bmp");
}

void Draw_Anima2()
{
    Canvas c(1 + 85 * 12, 86, Yellow);
    for (int k = 0; k < 12; k++) {
        double cx = 1 + 85 * k + 42, cy = 1 + 42;
        c.Disc(cx, cy, 38, C(245, 240, 225));
        c.Ring(cx, cy, 38, Shadow, 2);
        for (int s = 0; s < 12; s++) {
            double a = (s - k) * M_PI / 6 - M_PI / 2;
            int shade = 230 - ((s * 200) / 12);
            RGB col = C(shade / 4, shade / 2 + 30, shade);
            c.Disc(cx + 27 * cos(a), cy + 27 * sin(a), 6, s == 0 ? Blue : col);
        }
        c.Text(cx - 15, cy + 5, "Holz", 11, WoodDark, true);
    }
    c.Save("Anima2.bmp");
}

void Draw_Sand_Clock()
{
    Canvas c(31 * 12, 62, Grey192);
    for (int k = 0; k < 12; k++) {
        double x = 31 * k;
        c.Rect(x + 3, 2, 25, 4, WoodDark);
        c.Rect(x + 3, 56, 25, 4, WoodDark);
        c.Poly({x + 6, 6, x + 25, 6, x + 16, 31, x + 15, 31}, C(235, 245, 255), Shadow);
        c.Poly({x + 15, 31, x + 16, 31, x + 25, 56, x + 6, 56}, C(235, 245, 255), Shadow);
        double top = 24.0 * (11 - k) / 11.0, bottom = 24.0 * k / 11.0;
        if (top > 0.5)
            c.Poly({x + 15.5 - top * 0.38, 30 - top, x + 15.5 + top * 0.38, 30 - top, x + 16, 30,
                    x + 15, 30},
                   C(230, 190, 90), C(200, 160, 60));
        if (bottom > 0.5)
            c.Poly({x + 7, 55, x + 24, 55, x + 15.5 + (24 - bottom) * 0.3, 55 - bottom,
                    x + 15.5 - (24 - bottom) * 0.3, 55 - bottom},
                   C(230, 190, 90), C(200, 160, 60));
        if (k < 11) c.Line(x + 15, 31, x + 15, 54, C(200, 160, 60));
    }
    c.Save("animsandclock.bmp");
}

void Draw_Button300(bool active, const char *name)
{
    Canvas c(300, 20, White);
    for (int y = 0; y < 20; y++) {
        double t = y / 19.0;
        RGB top = active ? C(250, 252, 255) : C(238, 238, 238),
            bot = active ? C(200, 214, 232) : C(214, 214, 214);
        c.Rect(0, y, 300, 1,
               {top.r + (bot.r - top.r) * t, top.g + (bot.g - top.g) * t,
                top.b + (bot.b - top.b) * t});
    }
    c.Frame(0, 0, 300, 20, active ? C(120, 140, 170) : C(190, 190, 190));
    c.Save(name);
}

void Draw_Text_Button_Bg(const char *name, bool active, bool rollover)
{
    Canvas c(200, 19, White);
    RGB top = !active ? C(240, 240, 240) : rollover ? C(255, 248, 220) : C(248, 250, 252);
    RGB bot = !active ? C(222, 222, 222) : rollover ? C(250, 210, 120) : C(210, 220, 232);
    for (int y = 1; y < 18; y++) {
        double t = (y - 1) / 16.0;
        c.Rect(1, y, 198, 1,
               {top.r + (bot.r - top.r) * t, top.g + (bot.g - top.g) * t,
                top.b + (bot.b - top.b) * t});
    }
    c.Save(name);
}

void Draw_Hints_Button()
{
    Canvas c(212 * 4, 21, Cream);
    for (int col = 0; col < 4; col++) {
        Button_Face(c, 212 * col, 0, 212, 21, col);
        c.Disc(212 * col + 12, 10.5, 6, col == 0 ? Shadow : C(255, 190, 0));
        c.Text(212 * col + 10, 15, "!", 11, col == 0 ? C(230, 230, 230) : Black, true);
    }
    c.Save("but_hinweise_reaktivieren.bmp");
}

void Draw_Import_Buttons()
{
    Canvas c(51 * 4, 112, White);
    auto arrow_box = [&](double x, double y, RGB col, const char *label) {
        c.Rect(x - 16, y - 9, 20, 18, White);
        c.Frame(x - 16, y - 9, 20, 18, Dark);
        c.Text(x - 14, y + 4, label, 8, Dark, true);
        c.Line(x + 5, y, x + 17, y, col, 3);
        c.Poly({x + 19, y, x + 13, y - 5, x + 13, y + 5}, col, col);
    };
    for (int col = 0; col < 4; col++) {
        double x = 51 * col + 25.5;
        int off = col == 3 ? 1 : 0;
        Button_Face(c, 51 * col, 0, 51, 33, col);
        arrow_box(x + off, 16.5 + off, Blue, "VEL");
        if (col == 0) c.Grey_Out(51 * col, 0, 51, 33, White);
    }
    c.Rect(0, 36, 204, 36, C(198, 222, 228));
    for (int col = 0; col < 4; col++) {
        double x = 51 * col;
        int off = col == 3 ? 1 : 0;
        Button_Face(c, x, 36, 51, 36, col);
        c.Rect(x + 12 + off, 44 + off, 22, 22, White);
        c.Frame(x + 12 + off, 44 + off, 22, 22, Dark);
        for (int k = 0; k < 4; k++)
            c.Line(x + 15 + off, 48 + 5 * k + off, x + 30 + off, 48 + 5 * k + off, Shadow);
        Icon_Cross(c, x + 35 + off, 58 + off, 0.7);
        if (col == 0) c.Grey_Out(x, 36, 51, 36, C(198, 222, 228));
    }
    for (int col = 0; col < 4; col++) {
        double x = 51 * col + 25.5;
        int off = col == 3 ? 1 : 0;
        Button_Face(c, 51 * col, 76, 51, 36, col);
        arrow_box(x + off, 94 + off, Green, "TXT");
        if (col == 0) c.Grey_Out(51 * col, 76, 51, 36, White);
    }
    c.Save("SniGrImportButton.bmp");
}

void Draw_N5()
{
    Canvas c(56, 15, White);
    c.Rect(0, 0, 56, 15, C(0, 84, 147));
    c.Text(4, 12, "N5", 11, White, true);
    c.Text(24, 12, "VEL", 9, C(255, 220, 120), true);
    c.Save("SniN5.bmp");
}

void Draw_Desk_Buttons()
{
    Canvas c(38 * 4, 288, Cream);
    /* row 250: the explorer button (an opened folder with a magnifier) */
    Button_Row(c, 250, 38, 38, Cream, [&](double x, double y) {
        c.Poly({x - 13, y - 8, x - 5, y - 8, x - 3, y - 5, x + 11, y - 5, x + 11, y + 10, x - 13,
                y + 10},
               C(240, 200, 90), Dark);
        c.Ring(x + 4, y + 3, 5, Blue, 2);
        c.Line(x + 7, y + 7, x + 12, y + 12, Dark, 2.5);
    });
    /* the rows above: new file, open, save, print, delete, copy */
    const char *marks[6] = {"+", "\xE2\x86\x91", "\xE2\x86\x93", "P", "\xC3\x97", "="};
    for (int r = 0; r < 6; r++)
        Button_Row(c, 38 * r + 4 * r, 38, 38, Cream, [&](double x, double y) {
            c.Rect(x - 8, y - 11, 16, 22, White);
            c.Frame(x - 8, y - 11, 16, 22, Dark);
            c.Text(x - 5, y + 5, marks[r], 12, Blue, true);
        });
    c.Save("deskbuts.bmp");
}

/* ---------------------------------------------------------------- material diagrams */

void Draw_Concrete_Diagram()
{
    Canvas c(221, 193, Mint);
    double ox = 25, oy = 165, ex = 200, sy = 25;
    c.Line(ox, oy, ex + 10, oy, Black);
    c.Line(ox, oy, ox, sy - 10, Black);
    /* parabola-rectangle diagram, EN 1992-1-1, 3.1.7: sigma = fcd (1 - (1 - eps/eps_c2)^n) */
    c.Set(Blue);
    cairo_set_antialias(c.cr, CAIRO_ANTIALIAS_GRAY);
    cairo_set_line_width(c.cr, 2);
    double e2 = 0.57, ecu = 1.0;
    for (int i = 0; i <= 50; i++) {
        double e = e2 * i / 50, s = 1 - pow(1 - e / e2, 2);
        double x = ox + e * (ex - ox), y = oy - s * (oy - sy - 20);
        if (i == 0) cairo_move_to(c.cr, x, y);
        else cairo_line_to(c.cr, x, y);
    }
    cairo_line_to(c.cr, ox + ecu * (ex - ox), sy + 20);
    cairo_stroke(c.cr);
    c.Line(ox + ecu * (ex - ox), sy + 20, ox + ecu * (ex - ox), oy, Blue);
    c.Line(ox, sy + 20, ox + e2 * (ex - ox), sy + 20, Shadow);
    c.Text(2, sy + 24, "fcd", 10, Black);
    c.Text(ox + e2 * (ex - ox) - 10, oy + 14,
           "\xCE\xB5"
           "c2",
           10, Black);
    c.Text(ex - 12, oy + 14,
           "\xCE\xB5"
           "cu2",
           10, Black);
    c.Text(ox + 4, sy - 2,
           "\xCF\x83"
           "c",
           10, Black);
    c.Save("tools/bemop_fcd.bmp");
}

void Draw_Steel_Diagram()
{
    Canvas c(217, 142, Mint);
    double ox = 25, oy = 120, ex = 200, sy = 15;
    c.Line(ox, oy, ex + 10, oy, Black);
    c.Line(ox, oy, ox, sy - 5, Black);
    /* bilinear diagram with hardening, EN 1992-1-1, Figure 3.8 */
    c.Line(ox, oy, ox + 40, sy + 30, Blue, 2);
    c.Line(ox + 40, sy + 30, ex - 10, sy + 12, Blue, 2);
    c.Line(ex - 10, sy + 12, ex - 10, oy, Shadow);
    c.Text(2, sy + 34, "fyk", 10, Black);
    c.Text(2, sy + 14, "ftk", 10, Black);
    c.Text(ex - 22, oy + 14,
           "\xCE\xB5"
           "su",
           10, Black);
    c.Text(ox + 14, oy - 40, "Es", 10, Black);
    c.Save("tools/bemop_fyk.bmp");
}

/* ---------------------------------------------------------------- fastener pictures 153 x 100 */

void Timber_Pair(Canvas &c)
{
    c.Rect(8, 14, 137, 30, Wood);
    c.Rect(8, 56, 137, 30, Wood);
    for (int k = 0; k < 5; k++) {
        c.Line(10, 19 + 5 * k, 143, 20 + 5 * k, WoodDark);
        c.Line(10, 61 + 5 * k, 143, 62 + 5 * k, WoodDark);
    }
    c.Frame(8, 14, 137, 30, WoodDark);
    c.Frame(8, 56, 137, 30, WoodDark);
}

void Shank(Canvas &c, double x, double y1, double y2, double d, bool thread, bool point)
{
    c.Rect(x - d / 2, y1, d, y2 - y1, Steel);
    c.Frame(x - d / 2, y1, d, y2 - y1, SteelDark);
    if (thread)
        for (double y = y1 + 4; y < y2 - 2; y += 3)
            c.Line(x - d / 2, y, x + d / 2, y + 2, SteelDark);
    if (point) c.Poly({x - d / 2, y2, x + d / 2, y2, x, y2 + d * 1.4}, Steel, SteelDark);
}

void Draw_Fastener(const char *name, int kind)
{
    Canvas c(153, 100, White);
    double x = 76;
    switch (kind) {
    case 0: /* nail */
    case 5: /* special nail: ringed shank */
        Shank(c, x, 10, 84, 5, kind == 5, true);
        c.Rect(x - 9, 6, 18, 4, SteelDark);
        if (kind == 5)
            for (double y = 30; y < 80; y += 4) c.Line(x - 4, y, x + 4, y, SteelDark);
        break;
    case 1: /* wood screw, partial thread, countersunk */
    case 2: /* partial thread, countersunk */
    case 3: /* partial thread, washer head */
    case 4: /* full thread */
        Shank(c, x, 12, 82, 6, false, true);
        for (double y = (kind == 4 ? 14 : 46); y < 80; y += 4)
            c.Line(x - 6, y, x + 6, y + 2, SteelDark, 1.5);
        if (kind == 3) c.Rect(x - 13, 6, 26, 6, SteelDark);
        else if (kind == 4) c.Rect(x - 5, 6, 10, 6, SteelDark);
        else c.Poly({x - 10, 6, x + 10, 6, x + 3, 13, x - 3, 13}, SteelDark, Dark);
        break;
    case 6: /* ring connector A1 */
        Timber_Pair(c);
        c.Rect(x - 28, 40, 56, 20, Steel);
        c.Frame(x - 28, 40, 56, 20, SteelDark);
        c.Line(x, 40, x, 60, SteelDark);
        Shank(c, x, 4, 96, 8, false, false);
        break;
    case 7: /* toothed-plate connectors C1, C2, C5, C10, C11 and the shear plate B1 */
    case 8:
    case 9:
    case 11:
    case 12:
    case 13: {
        Timber_Pair(c);
        bool two_sided = kind == 7 || kind == 9 || kind == 12;
        c.Rect(x - 30, 47, 60, 6, Steel);
        c.Frame(x - 30, 47, 60, 6, SteelDark);
        for (int t = -3; t <= 3; t++) {
            double tx = x + t * 9;
            c.Poly({tx - 3, 47, tx + 3, 47, tx, 39}, Steel, SteelDark);
            if (two_sided) c.Poly({tx - 3, 53, tx + 3, 53, tx, 61}, Steel, SteelDark);
        }
        if (kind == 11) c.Rect(x - 22, 53, 44, 8, SteelDark);
        Shank(c, x, 4, 96, 8, false, false);
        break;
    }
    case 10: /* dowel */
        Timber_Pair(c);
        Shank(c, x, 10, 90, 10, false, false);
        break;
    case 14: /* bolt with nut and washers */
        Timber_Pair(c);
        Shank(c, x, 8, 94, 10, false, false);
        for (double y = 84; y < 94; y += 2) c.Line(x - 5, y, x + 5, y + 1, SteelDark);
        c.Rect(x - 10, 4, 20, 6, SteelDark);
        c.Rect(x - 14, 10, 28, 3, Steel);
        c.Rect(x - 14, 86, 28, 3, Steel);
        c.Rect(x - 10, 89, 20, 7, SteelDark);
        break;
    default: break;
    }
    c.Save(name);
}

/* ---------------------------------------------------------------- fastener sprites */

/* The rectangles follow the sprite tables of the pixel drawings of fasteners: each picture fills
** its rectangle, its anchor is the rectangle's middle. */
void Sprite_Disc(Canvas &c, double left, double top, double size, RGB fill, RGB rim)
{
    double r = size / 2.0, cx = left + r, cy = top + r;
    c.Disc(cx, cy, r, rim);
    if (size >= 4) c.Disc(cx, cy, r - 1, fill);
}

void Draw_Nail_Sprites()
{
    const RGB key = C(0, 128, 0), fill = C(200, 200, 208), rim = C(80, 84, 96);
    Canvas c(240, 80, key);
    c.Rect(6, 5, 2, 3, rim); /* diameter 2 */
    int x = 2;
    for (int d = 3; d <= 18; d++) {
        Sprite_Disc(c, x, 55, d, fill, rim);
        x += d + 4;
    }
    Sprite_Disc(c, 64, 31, 19, fill, rim);
    c.Save("Nagel_in_Pixel.bmp");
}

void Draw_Ks_Screw_Sprites()
{
    const RGB key = C(0, 128, 0), fill = C(214, 200, 150), rim = C(110, 90, 40),
              slot = C(60, 50, 30);
    Canvas c(1165, 160, key);
    int x = 98;
    for (int k = 0; k < 28; k++) {
        int size = 6 + 2 * k + 1;
        Sprite_Disc(c, x, 94, size, fill, rim);
        double m = size / 2.0, arm = size / 4.0;
        c.Line(x + m - arm, 94 + m, x + m + arm, 94 + m, slot, size > 20 ? 2 : 1);
        c.Line(x + m, 94 + m - arm, x + m, 94 + m + arm, slot, size > 20 ? 2 : 1);
        x += size + 4;
    }
    c.Save_Rle8("KS-Schrauben_in_Pixel.bmp");
}

void Hexagon(Canvas &c, double left, double top, double w, double h, RGB fill, RGB edge)
{
    double q = w / 4.0;
    c.Poly({left + q, top, left + w - q, top, left + w, top + h / 2, left + w - q, top + h,
            left + q, top + h, left, top + h / 2},
           fill, edge);
}

void Draw_M_Screw_Sprites()
{
    const RGB key = C(0, 130, 0), fill = C(176, 184, 194), edge = C(70, 78, 90),
              thread = C(120, 128, 140);
    int y = 2, width = 0, total = 2;
    std::vector<int> ds;
    for (int k = 0; k < 33; k++) ds.push_back(k == 0 ? 8 : k <= 24 ? 8 + 2 * k : 56 + 4 * (k - 24));
    for (int d : ds) {
        total += 2 * d - 1 + 4;
        width = std::max(width, 1 + 2 * (2 * d + 1) + 3 + 2);
    }
    Canvas c(width, total, key);
    for (int d : ds) {
        int w = 2 * d + 1, h = 2 * d - 1;
        /* second view: the nut with the bolt's end */
        Hexagon(c, 1, y, w - 1, h - 1, fill, edge);
        c.Ring(1 + d + 0.5, y + h / 2.0, d * 0.55, thread, 1);
        c.Disc(1 + d + 0.5, y + h / 2.0, d * 0.35, thread);
        /* plain view: the head with its centre cross */
        int px = 1 + w + 3;
        Hexagon(c, px, y, w - 1, h - 1, fill, edge);
        c.Line(px + d - d / 3.0, y + h / 2.0, px + d + d / 3.0, y + h / 2.0, edge);
        c.Line(px + d, y + h / 2.0 - d / 3.0, px + d, y + h / 2.0 + d / 3.0, edge);
        y += h + 4;
    }
    c.Save_Rle8("M-Schrauben_in_Pixel.bmp");
}

void Draw_Washer_Sprites()
{
    const RGB key = C(0, 130, 0), fill = C(190, 196, 204), rim = C(80, 86, 96),
              hole = C(40, 44, 52);
    Canvas c(3260, 1360, key);
    auto washer = [&](double left, double top, double size) {
        Sprite_Disc(c, left, top, size, fill, rim);
        c.Disc(left + size / 2.0, top + size / 2.0, size * 0.21, hole);
    };
    washer(3244, 790, 13);
    int x = 2;
    for (int k = 1; k < 32; k++) {
        int size = 10 * (k + 1) + 3;
        if (k == 23) x = 2;
        washer(x, k < 23 ? 790 : 1030, size);
        x += size + 4;
    }
    c.Save_Rle8("Unterlegscheiben_in_Pixel.bmp");
}

/* ---------------------------------------------------------------- design-check dialogs */

void Draw_Check_Pictures()
{
    {
        /* digits 0..9, 48 x 73 each at x = 48 i, white transparent */
        Canvas c(48 * 10, 73, White);
        for (int d = 0; d < 10; d++) {
            char t[2] = {(char)('0' + d), 0};
            c.Text(48 * d + 6, 64, t, 64, C(0, 84, 147), true);
        }
        c.Save("bigdigit.bmp");
    }
    {
        /* the hint's info spot, 33 x 33 on (192, 192, 192) */
        Canvas c(33, 33, Grey192);
        c.Disc(16.5, 16.5, 15, C(0, 120, 215));
        c.Ring(16.5, 16.5, 15, C(0, 70, 140), 1);
        c.Rect(15, 14, 3, 11, White);
        c.Rect(15, 8, 3, 3, White);
        c.Save("infospot.bmp");
    }
    {
        /* the settings dialog's picture, 51 x 66: a check list */
        Canvas c(51, 66, C(255, 251, 240));
        c.Rect(6, 4, 39, 58, White);
        c.Frame(6, 4, 39, 58, Dark);
        for (int k = 0; k < 4; k++) {
            c.Frame(11, 12 + 12 * k, 8, 8, Dark);
            c.Line(23, 16 + 12 * k, 40, 16 + 12 * k, Shadow);
            if (k != 2) Icon_Check(c, 15, 16 + 12 * k, 0.5);
        }
        c.Save("checkpic.bmp");
    }
    {
        /* the load-collective page's tool column, 44 x 249 on (192, 192, 192) */
        Canvas c(44, 249, Grey192);
        for (int k = 0; k < 9; k++) {
            Button_Face(c, 0, k * 27, 44, 25, 1);
            c.Text(14, k * 27 + 17, k < 2 ? (k ? "\xE2\x86\x90" : "\xE2\x86\x92") : "\xE2\x97\x8F",
                   12, Blue, true);
        }
        c.Save("nchwlkom.bmp");
    }
    {
        /* the generation button, 32 x 32 pictures: normal, pressed, disabled on (192, 192, 192) */
        Canvas c(96, 32, Grey192);
        for (int col = 0; col < 3; col++) {
            int look = col == 0 ? 1 : col == 1 ? 3 : 0;
            Button_Face(c, 32 * col, 0, 32, 32, look);
            int off = look == 3 ? 1 : 0;
            for (int k = 0; k < 3; k++) {
                c.Rect(32 * col + 6 + 3 * k + off, 6 + 4 * k + off, 16, 13, C(250, 250, 250));
                c.Frame(32 * col + 6 + 3 * k + off, 6 + 4 * k + off, 16, 13, Dark);
            }
            c.Text(32 * col + 14 + off, 28 + off, "\xCE\xA3", 10, Blue, true);
            if (look == 0) c.Grey_Out(32 * col, 0, 32, 32, Grey192);
        }
        c.Save("nchwgene.bmp");
    }
    {
        /* the extremal rule's picture, 51 x 33 on (192, 192, 192): a bar chart with its extreme */
        Canvas c(51, 33, Grey192);
        c.Rect(2, 2, 47, 29, White);
        c.Line(5, 27, 46, 27, Dark);
        c.Line(5, 27, 5, 4, Dark);
        static const int hts[6] = {8, 14, 20, 11, 17, 6};
        for (int k = 0; k < 6; k++) c.Rect(8 + 6 * k, 27 - hts[k], 5, hts[k], k == 2 ? Red : Blue);
        c.Save("nchwexud.bmp");
    }
    {
        /* the backdrop of the management sheet's button rows, 597 x 161 on (192, 192, 192) */
        Canvas c(597, 161, Grey192);
        c.Rect(2, 2, 593, 157, C(236, 233, 216));
        for (int x = 6; x < 591; x += 4) c.Line(x, 4, x, 156, C(230, 227, 210));
        c.Frame(2, 2, 593, 157, Shadow);
        c.Line(3, 80, 593, 80, Shadow);
        c.Line(3, 81, 593, 81, White);
        c.Save("nchwbuts.bmp");
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: draw_bitmaps ENVIRONMENT_DIR\n");
        return 2;
    }
    Out_Dir = std::string(argv[1]) + "/exec/splice/bitmaps";
    Make_Dirs(Out_Dir);
    Draw_Menu_Buttons();
    Draw_Glory3();
    Draw_UComment();
    Draw_Act_But();
    Draw_Anima2();
    Draw_Sand_Clock();
    Draw_Button300(true, "Button300.bmp");
    Draw_Button300(false, "Button300i.bmp");
    Draw_Text_Button_Bg("textbuttonbg.bmp", true, false);
    Draw_Text_Button_Bg("TextButtonBg.bmp", true, false);
    Draw_Text_Button_Bg("TextButtonBg_ro.bmp", true, true);
    Draw_Text_Button_Bg("TextButtonBgInaktive.bmp", false, false);
    Draw_Text_Button_Bg("TextButtonBgInaktive_ro.bmp", false, true);
    Draw_Hints_Button();
    Draw_Import_Buttons();
    Draw_N5();
    Draw_Desk_Buttons();
    Draw_Concrete_Diagram();
    Draw_Steel_Diagram();
    static const struct {
        const char *name;
        int kind;
    } fasteners[] = {{"Nagel.bmp", 0},
                     // clang-format off
                   {"Schraube.bmp", 1},
                   {"SPAX_Teil_Senk.bmp", 2},
                   {"SPAX_Teil_Teller.bmp", 3},
                   {"SPAX_Voll.bmp", 4},
                   {"SonderNagel.bmp", 5},
                   {"Ringduebel_A1.bmp", 6},
                   {"Scheibenduebel_C1.bmp", 7},
                   {"Scheibenduebel_C5.bmp", 8},
                   {"Scheibenduebel_C10.bmp", 9},
                   {"Stabduebel_G10.bmp", 10},
                   {"Scheibenduebel_B1.bmp", 11},
                   {"Scheibenduebel_C2.bmp", 12},
                   {"Scheibenduebel_C11.bmp", 13},
                     // clang-format on
                     {"Bolzen.bmp", 14}};
    for (auto &f : fasteners) Draw_Fastener(f.name, f.kind);
    Draw_Nail_Sprites();
    Draw_Ks_Screw_Sprites();
    Draw_M_Screw_Sprites();
    Draw_Washer_Sprites();
    Draw_Check_Pictures();
    cairo_debug_reset_static_data();
    FcFini();
    printf("draw_bitmaps: %d written, %d unchanged in %s\n", Written, Kept, Out_Dir.c_str());
    return 0;
}
