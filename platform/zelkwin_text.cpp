/*
** Fonts and texts of the GUI stand-in: font codes mapped to DejaVu faces and sizes, the display
** font's byte-to-glyph map (code page 850 with the symbol positions), glyph tables per font for
** fast drawing, texts (plain, boxed, rotated, graphic) and their extents.
*/
#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cmath>
#include <cstring>
#include <map>
#include <mutex>
#include <string>

#include "platform/zelkwin_internal.h"

int RFONT_HEIGHT = 16;
int RFONT_WIDTH = 7;
int RFONT_SPACE = 0;

/* Code page 850, bytes 0x80..0xFF. */
static const uint16_t Cp850[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557,
    0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB,
    0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, 0x00DE, 0x00DA, 0x00DB, 0x00D9,
    0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0};

uint32_t Display_Font_Codepoint(unsigned char byte)
{
    switch (byte) {
    case 0x88: return 0x21D2; /* implication arrow */
    case 0x89: return 0x2030; /* per mille */
    case 0x8C: return 0x2300; /* diameter */
    case 0xA3: return 0x0394; /* Delta */
    case 0xB2: return 0x03A3; /* sum */
    case 0xB8: return 0x03C8; /* psi */
    case 0xBA: return 0x03B1; /* alpha */
    case 0xBB: return 0x03B2; /* beta */
    case 0xBE: return 0x03B5; /* epsilon */
    case 0xC0: return 0x03B3; /* gamma */
    case 0xCB: return 0x03C1; /* rho */
    case 0xCC: return 0x03C3; /* sigma */
    case 0xD6: return 0x03C4; /* tau */
    case 0xEC: return 0x221E; /* infinity */
    case 0xF2: return 0x2265; /* greater or equal */
    case 0xF3: return 0x2264; /* less or equal */
    case 0xF7: return 0x2248; /* nearly equal */
    case 0xFA: return 0x00B3; /* superscript three */
    default: break;
    }
    return byte < 0x80 ? byte : Cp850[byte - 0x80];
}

namespace zw {

/* One font: its scaled font and the glyph and advance of every byte. */
struct Font_Table {
    cairo_scaled_font_t *font = nullptr;
    unsigned long glyph[256] = {};
    double advance[256] = {};
    double ascent = 0, descent = 0, height = 0;
};

static int Base_Code(int code) { return code & (0x1000 | 2 | 0x10000 | 0x20000 | 0x40000); }

static std::map<int, Font_Table *> &Font_Cache()
{
    static std::map<int, Font_Table *> *cache = new std::map<int, Font_Table *>;
    return *cache;
}

static std::mutex Face_Lock;

static std::map<std::string, cairo_font_face_t *> &Face_Cache()
{
    static std::map<std::string, cairo_font_face_t *> *cache =
        new std::map<std::string, cairo_font_face_t *>;
    return *cache;
}

/* cairo resolves a face named by family through fontconfig once, with the font options of its
** first use, and keeps that resolution for every later use. A face chosen by name alone would
** therefore look different on the screen depending on whether the viewer (no hinting) or the
** screen (hinting) drew first; these faces carry their hinting in the pattern itself. */
cairo_font_face_t *Font_Face(const char *family, bool bold, bool italic, bool hinted)
{
    std::lock_guard<std::mutex> guard(Face_Lock);
    std::string key =
        std::string(family) + (bold ? "|b" : "|") + (italic ? "i" : "") + (hinted ? "h" : "");
    auto &cache = Face_Cache();
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    FcPattern *p = FcPatternCreate();
    FcPatternAddString(p, FC_FAMILY, (const FcChar8 *)family);
    FcPatternAddInteger(p, FC_SLANT, italic ? FC_SLANT_OBLIQUE : FC_SLANT_ROMAN);
    FcPatternAddInteger(p, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_MEDIUM);
    FcPatternAddBool(p, FC_ANTIALIAS, FcTrue);
    FcPatternAddBool(p, FC_HINTING, hinted ? FcTrue : FcFalse);
    FcPatternAddInteger(p, FC_HINT_STYLE, hinted ? FC_HINT_SLIGHT : FC_HINT_NONE);
    cairo_font_face_t *face = cairo_ft_font_face_create_for_pattern(p);
    FcPatternDestroy(p);
    cache[key] = face;
    return face;
}

/* Releases every font (at the end of the process, so that leak checkers see a clean exit). */
void Fonts_Release()
{
    for (auto &f : Font_Cache()) {
        cairo_scaled_font_destroy(f.second->font);
        delete f.second;
    }
    Font_Cache().clear();
    std::lock_guard<std::mutex> guard(Face_Lock);
    for (auto &f : Face_Cache()) cairo_font_face_destroy(f.second);
    Face_Cache().clear();
}

static Font_Table *Font_For(int code)
{
    auto &cache = Font_Cache();
    code = Base_Code(code);
    auto it = cache.find(code);
    if (it != cache.end()) return it->second;
    Font_Table *t = new Font_Table;
    bool fixed = !(code & 0x1000);
    bool small = code & 2;
    const char *family = fixed ? "DejaVu Sans Mono" : "DejaVu Sans";
    cairo_font_weight_t weight = CAIRO_FONT_WEIGHT_NORMAL;
    cairo_font_slant_t slant = CAIRO_FONT_SLANT_NORMAL;
    if (code & 0x10000) weight = CAIRO_FONT_WEIGHT_BOLD;
    if (code & 0x20000) {
        family = fixed ? "DejaVu Sans Mono" : "DejaVu Sans Condensed";
        weight = CAIRO_FONT_WEIGHT_BOLD;
    }
    double size = fixed ? (small ? 11.0 : 13.29) : (small ? 10.0 : 12.0);
    if ((code & 0x40000)
        && !(code & 0x30000)) { /* the second soft-bold style: bold, a little smaller */
        weight = CAIRO_FONT_WEIGHT_BOLD;
        size -= 1.0;
    }
    cairo_font_face_t *face =
        Font_Face(family, weight == CAIRO_FONT_WEIGHT_BOLD, slant != CAIRO_FONT_SLANT_NORMAL, true);
    cairo_matrix_t fm, ctm;
    cairo_matrix_init_scale(&fm, size, size);
    cairo_matrix_init_identity(&ctm);
    cairo_font_options_t *opt = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(opt, CAIRO_HINT_METRICS_ON);
    cairo_font_options_set_antialias(opt, CAIRO_ANTIALIAS_GRAY);
    t->font = cairo_scaled_font_create(face, &fm, &ctm, opt);
    cairo_font_options_destroy(opt);
    cairo_font_extents_t fe;
    cairo_scaled_font_extents(t->font, &fe);
    t->ascent = ceil(fe.ascent);
    t->descent = ceil(fe.descent);
    t->height = ceil(fe.height);
    for (int b = 1; b < 256; b++) {
        uint32_t cp = Display_Font_Codepoint((unsigned char)b);
        if (cp < 0x20) cp = ' ';
        char utf[4];
        int n;
        if (cp < 0x80) {
            utf[0] = (char)cp;
            n = 1;
        } else if (cp < 0x800) {
            utf[0] = (char)(0xC0 | (cp >> 6));
            utf[1] = (char)(0x80 | (cp & 0x3F));
            n = 2;
        } else {
            utf[0] = (char)(0xE0 | (cp >> 12));
            utf[1] = (char)(0x80 | ((cp >> 6) & 0x3F));
            utf[2] = (char)(0x80 | (cp & 0x3F));
            n = 3;
        }
        cairo_glyph_t *glyphs = nullptr;
        int count = 0;
        if (cairo_scaled_font_text_to_glyphs(t->font, 0, 0, utf, n, &glyphs, &count, nullptr,
                                             nullptr, nullptr)
                == CAIRO_STATUS_SUCCESS
            && count == 1) {
            t->glyph[b] = glyphs[0].index;
            cairo_text_extents_t te;
            cairo_scaled_font_glyph_extents(t->font, glyphs, 1, &te);
            t->advance[b] = te.x_advance;
        }
        cairo_glyph_free(glyphs);
    }
    cache[code] = t;
    return t;
}

static void Set_Metrics(int code)
{
    Font_Table *t = Font_For(code);
    RFONT_HEIGHT = (int)t->height;
    if (!(code & 0x1000)) {
        RFONT_WIDTH = (int)lround(t->advance['n']) - 1;
        RFONT_SPACE = 1;
    } else {
        double sum = 0;
        for (int c = 'a'; c <= 'z'; c++) sum += t->advance[c];
        RFONT_WIDTH = (int)lround(sum / 26.0);
        RFONT_SPACE = 0;
    }
}

static int Text_Len(const char *text, int len)
{
    if (!text) return 0;
    int n = 0;
    while ((len < 0 || n < len) && text[n]) n++;
    return n;
}

static double Width_Of(Font_Table *t, const char *text, int n)
{
    double w = 0;
    for (int i = 0; i < n; i++) w += t->advance[(unsigned char)text[i]];
    return w;
}

/* Draws n bytes with the origin of the base line at (x, y), rotated by angle (radians,
** counter-clockwise on the screen), in rgb. */
static void Draw_Glyphs(Font_Table *t, double x, double y, const char *text, int n, uint32_t rgb,
                        double angle, double scale_x)
{
    State &s = St();
    if (n <= 0) return;
    std::vector<cairo_glyph_t> g((size_t)n);
    double pen = 0;
    for (int i = 0; i < n; i++) {
        unsigned char b = (unsigned char)text[i];
        g[(size_t)i].index = t->glyph[b];
        g[(size_t)i].x = pen;
        g[(size_t)i].y = 0;
        pen += t->advance[b];
    }
    cairo_t *cr = s.cr;
    cairo_save(cr);
    cairo_rectangle(cr, s.vx1, s.vy1, s.vx2 - s.vx1 + 1, s.vy2 - s.vy1 + 1);
    cairo_clip(cr);
    cairo_translate(cr, x, y);
    if (angle != 0) cairo_rotate(cr, -angle);
    if (scale_x != 1.0) cairo_scale(cr, scale_x, 1.0);
    cairo_set_scaled_font(cr, t->font);
    cairo_set_source_rgb(cr, ((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0,
                         (rgb & 255) / 255.0);
    cairo_show_glyphs(cr, g.data(), n);
    cairo_restore(cr);
    Mark_Dirty();
}

static void Log_Text(int x, int y, const char *text, int n)
{
    if (!Log_Wanted()) return;
    Log_Line("TEXT " + std::to_string(x) + " " + std::to_string(y) + " " + To_Utf8(text, n));
}

void Text_Rgb(int x, int y, const char *text, uint32_t rgb, int font)
{
    int n = Text_Len(text, -1);
    if (n == 0) return;
    Draw_Glyphs(Font_For(font), x, y, text, n, rgb, 0, 1.0);
    Log_Text(x, y, text, n);
}

int Text_Width(const char *text, int font)
{
    return (int)lround(Width_Of(Font_For(font), text, Text_Len(text, -1)));
}

} // namespace zw

using namespace zw;

/* ---------------------------------------------------------------- font selection */

int Pop_RFont(int code)
{
    Ensure_Init();
    State &s = St();
    int old = s.font;
    s.font_stack.push_back(old);
    if (s.font_stack.size() > 256) s.font_stack.erase(s.font_stack.begin());
    s.font = code;
    Set_Metrics(code);
    return old;
}

int Push_RFont(void)
{
    Ensure_Init();
    State &s = St();
    if (!s.font_stack.empty()) {
        s.font = s.font_stack.back();
        s.font_stack.pop_back();
    }
    Set_Metrics(s.font);
    return s.font;
}

void Set_RFont(int code)
{
    Ensure_Init();
    St().font = code;
    Set_Metrics(code);
}

void pxSFnt(int code) { Set_RFont(code); }

int Query_RFont(void)
{
    Ensure_Init();
    return St().font;
}

/* ---------------------------------------------------------------- texts */

void pxText(int x, int y, const char *text, int len)
{
    Ensure_Init();
    int n = Text_Len(text, len);
    if (n == 0) return;
    Draw_Glyphs(Font_For(St().font), x, y, text, n, Colour_Rgb(St().fg), 0, 1.0);
    Log_Text(x, y, text, n);
}

void pxQTxX(const char *text, int len, int *left, int *right, int *top, int *bottom)
{
    Ensure_Init();
    Font_Table *t = Font_For(St().font);
    int n = Text_Len(text, len);
    if (left) *left = 0;
    if (right) *right = (int)lround(Width_Of(t, text, n));
    if (top) *top = -(int)t->ascent;
    if (bottom) *bottom = (int)t->descent;
}

void pxBTxt(int x1, int y1, int x2, int y2, const char *text, int len, int align)
{
    Ensure_Init();
    int n = Text_Len(text, len);
    if (n == 0) return;
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    Font_Table *t = Font_For(St().font);
    double w = Width_Of(t, text, n);
    int orient = align & 0x700;
    bool vertical = orient == 256 || orient == 1024;
    double along = w, across = t->ascent + t->descent;
    double box_w = vertical ? across : along, box_h = vertical ? along : across;
    /* position of the text's bounding box inside the box */
    double bx, by;
    int h = align & 7, v = align & 0x30;
    if (h == 2) bx = (x1 + x2 + 1 - box_w) / 2.0;
    else if (h == 4) bx = x2 + 1 - box_w;
    else bx = x1;
    if (v == 0x10) by = (y1 + y2 + 1 - box_h) / 2.0;
    else if (v == 0x20) by = y1;
    else by = y2 - box_h + (vertical || orient == 512 ? 0 : t->descent);
    /* origin of the base line for the orientation */
    double ox, oy, angle;
    switch (orient) {
    case 256:
        ox = bx + t->ascent;
        oy = by + box_h;
        angle = M_PI / 2;
        break;
    case 512:
        ox = bx + box_w;
        oy = by + t->descent;
        angle = M_PI;
        break;
    case 1024:
        ox = bx + t->descent;
        oy = by;
        angle = -M_PI / 2;
        break;
    default:
        ox = bx;
        oy = by + t->ascent;
        angle = 0;
        break;
    }
    ox = floor(ox + 0.5);
    oy = floor(oy + 0.5);
    Draw_Glyphs(t, ox, oy, text, n, Colour_Rgb(St().fg), angle, 1.0);
    Log_Text((int)ox, (int)oy, text, n);
}

/* ---------------------------------------------------------------- graphic texts */

void pxOrnt(double angle) { St().gt_angle = angle; }
void pxChH(double height) { St().gt_height = height > 1 ? height : 1; }
void pxExpF(double factor) { St().gt_expand = factor > 0.05 ? factor : 0.05; }
void pxSpac(double spacing) { St().gt_spacing = spacing; }

static Font_Table *Graphic_Font(double *scale)
{
    /* the normal face at 12 pixels, scaled to the character height */
    Font_Table *t = Font_For(0x1000);
    *scale = St().gt_height / 12.0;
    return t;
}

void pxQGTX(const char *text, int *width, int *height)
{
    Ensure_Init();
    double sc;
    Font_Table *t = Graphic_Font(&sc);
    int n = Text_Len(text, -1);
    double w =
        (Width_Of(t, text, n) * St().gt_expand + St().gt_spacing * 12.0 * (n > 0 ? n - 1 : 0)) * sc;
    if (width) *width = (int)lround(w);
    if (height) *height = (int)lround(St().gt_height);
}

void pxGBTt(int x, int y, const char *text, int mode)
{
    Ensure_Init();
    State &s = St();
    int n = Text_Len(text, -1);
    if (n == 0) return;
    int w, hgt;
    pxQGTX(text, &w, &hgt);
    int hmode = (mode / 100) % 10, vmode = (mode / 10) % 10;
    double dx = hmode == 2 ? -w / 2.0 : hmode == 3 ? -w : 0;
    double dy = vmode == 0 ? -hgt * 0.2 : vmode == 2 ? hgt * 0.4 : vmode == 3 ? hgt * 0.8 : 0;
    double ca = cos(s.gt_angle), sa = sin(s.gt_angle);
    double ox = x + dx * ca + dy * sa, oy = y - dx * sa + dy * ca;
    double sc;
    Font_Table *t = Graphic_Font(&sc);
    cairo_t *cr = s.cr;
    cairo_save(cr);
    cairo_translate(cr, ox, oy);
    cairo_rotate(cr, -s.gt_angle);
    cairo_scale(cr, sc, sc);
    cairo_translate(cr, -ox, -oy);
    std::vector<cairo_glyph_t> g((size_t)n);
    double pen = ox;
    for (int i = 0; i < n; i++) {
        unsigned char b = (unsigned char)text[i];
        g[(size_t)i] = {t->glyph[b], pen, oy};
        pen += t->advance[b] * s.gt_expand + s.gt_spacing * 12.0;
    }
    cairo_rectangle(cr, 0, 0, 0, 0);
    cairo_new_path(cr);
    cairo_set_scaled_font(cr, t->font);
    uint32_t rgb = Colour_Rgb(s.fg);
    cairo_set_source_rgb(cr, ((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0,
                         (rgb & 255) / 255.0);
    cairo_show_glyphs(cr, g.data(), n);
    cairo_restore(cr);
    Mark_Dirty();
    Log_Text(x, y, text, n);
}
