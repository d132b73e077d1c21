/*
** Print font of the viewer: the byte-to-glyph map (code page 850 with the symbol positions of
** the print font), the splitting of a print-list text into runs by its formatting escapes, and
** the measuring of texts with the advances cairo gives the characters of the font (DejaVu Sans;
** sizes in points, widths in cm).
*/
#include <cairo.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>

#include "platform/oliview.h"
#include "platform/oliview_internal.h"
#include "platform/zelkwin_internal.h"

/* ---- print font map ---- */

/* The print font holds the same characters and symbols at the same bytes as the display font;
** only control bytes, which the screen shows as they are, print as blanks. */
uint32_t Oli_Print_Font_Codepoint(unsigned char byte)
{
    if (byte < 0x20) return 0x20;
    return Display_Font_Codepoint(byte);
}

void Oli_Append_Utf8(std::string *out, uint32_t cp)
{
    if (cp < 0x80) {
        out->push_back((char)cp);
    } else if (cp < 0x800) {
        out->push_back((char)(0xC0 | (cp >> 6)));
        out->push_back((char)(0x80 | (cp & 0x3F)));
    } else {
        out->push_back((char)(0xE0 | (cp >> 12)));
        out->push_back((char)(0x80 | ((cp >> 6) & 0x3F)));
        out->push_back((char)(0x80 | (cp & 0x3F)));
    }
}

/* ---- runs ---- */

/* Parse a drawing group "{L 0 x1 x2 y1 y2 }" or "{R n x1 x2 y1 y2}" starting after "\xCE{";
** answers the index after its closing "}". */
static size_t parse_group(const std::string &t, size_t i, Oli_Run *run, bool *ok)
{
    size_t end = t.find('}', i);
    std::string g = t.substr(i, end == std::string::npos ? std::string::npos : end - i);
    *ok = false;
    /* strip escape bytes inside the group ("\xCEL") */
    std::string clean;
    for (char ch : g)
        if (ch != '\xCE') clean.push_back(ch);
    char kind = 0;
    double v[5] = {0, 0, 0, 0, 0};
    /* "R0x<rgb>": the whole line in a colour (3 hex digits 4 bits a channel, or 6 digits),
  ** lightened so that the text on it stays readable */
    size_t r = clean.find_first_not_of(' ');
    if (r != std::string::npos && clean.compare(r, 3, "R0x") == 0) {
        char *hex_end = nullptr;
        unsigned long c = strtoul(clean.c_str() + r + 3, &hex_end, 16);
        size_t digits = (size_t)(hex_end - (clean.c_str() + r + 3));
        if (digits == 3 || digits == 6) {
            uint32_t rgb = digits == 3 ? (uint32_t)(((c >> 8) & 15) * 17) << 16
                                             | (uint32_t)(((c >> 4) & 15) * 17) << 8
                                             | (uint32_t)((c & 15) * 17)
                                       : (uint32_t)c;
            uint32_t tint = 0;
            for (int s = 0; s < 24; s += 8) {
                double ch = (rgb >> s) & 255;
                tint |= (uint32_t)(ch + (255 - ch) * 0.82 + 0.5) << s;
            }
            run->type = OLI_RUN_FILL;
            run->g[0] = -1;
            run->g[1] = run->g[2] = run->g[3] = run->g[4] = -1;
            run->fill_rgb = tint;
            *ok = true;
        }
        return end == std::string::npos ? t.size() : end + 1;
    }
    if (sscanf(clean.c_str(), " %c %lf %lf %lf %lf %lf", &kind, &v[0], &v[1], &v[2], &v[3], &v[4])
            == 6
        && (kind == 'L' || kind == 'R')) {
        run->type = kind == 'L' ? OLI_RUN_RULE : OLI_RUN_FILL;
        for (int k = 0; k < 5; k++) run->g[k] = v[k];
        run->fill_rgb = 0xE6E6E6;
        *ok = true;
    }
    return end == std::string::npos ? t.size() : end + 1;
}

std::vector<Oli_Run> Oli_Split_Runs(const std::string &t, int base_face, bool plain,
                                    Oli_Run_Stats *stats)
{
    std::vector<Oli_Run> runs;
    int face = base_face;
    auto text_run = [&]() -> Oli_Run & {
        if (runs.empty() || runs.back().type != OLI_RUN_TEXT || runs.back().face != face) {
            Oli_Run r{};
            r.type = OLI_RUN_TEXT;
            r.face = face;
            runs.push_back(r);
        }
        return runs.back();
    };
    for (size_t i = 0; i < t.size(); i++) {
        unsigned char ch = (unsigned char)t[i];
        if (ch == 0xCE && !plain && i + 1 < t.size()) {
            char code = t[++i];
            switch (code) {
            case 'r': face = base_face; break;
            case '\\':
            case 'T': face = (face & ~OLI_FACE_SUP) | OLI_FACE_SUB; break;
            case '/': face = (face & ~OLI_FACE_SUB) | OLI_FACE_SUP; break;
            case 'b':
            case 'H': face |= OLI_FACE_BOLD; break;
            case 'u': face |= OLI_FACE_UNDER; break;
            case '_':
            case 's': face |= OLI_FACE_ITALIC; break;
            case '@': break;
            case '\xCE': { /* the escape byte itself, doubled: a text's own "╬" */
                Oli_Run &r = text_run();
                Oli_Append_Utf8(&r.utf8, Oli_Print_Font_Codepoint(ch));
                r.bytes.push_back((char)ch);
                break;
            }
            case 't': {
                Oli_Run r{};
                r.type = OLI_RUN_TAB;
                r.face = face;
                runs.push_back(r);
                break;
            }
            case '{': {
                Oli_Run r{};
                bool ok;
                i = parse_group(t, i + 1, &r, &ok) - 1;
                if (ok) runs.push_back(r);
                else if (stats) stats->bad_groups++;
                break;
            }
            default:
                if (stats) stats->unknown_escapes++;
                break;
            }
            continue;
        }
        Oli_Run &r = text_run();
        Oli_Append_Utf8(&r.utf8, Oli_Print_Font_Codepoint(ch));
        r.bytes.push_back((char)ch);
    }
    return runs;
}

std::string Oli_Plain_Utf8(const std::string &cp850)
{
    std::string out;
    for (const Oli_Run &r : Oli_Split_Runs(cp850, 0, false, nullptr))
        if (r.type == OLI_RUN_TEXT) out += r.utf8;
        else if (r.type == OLI_RUN_TAB) out += ' ';
    return out;
}

/* ---- measuring ---- */

/* The print font's faces (regular, bold, oblique, both; sans and mono) and its font options,
** made once: selecting a font for every text run made them again each time. */
static cairo_font_face_t *print_faces[8] = {};
static cairo_font_options_t *print_options = nullptr;

static void release_faces()
{
    for (cairo_font_face_t *&f : print_faces) {
        if (f) cairo_font_face_destroy(f);
        f = nullptr;
    }
    if (print_options) cairo_font_options_destroy(print_options);
    print_options = nullptr;
}

void Oli_Select_Font(void *cairo_context, double size_pt, int32_t face)
{
    cairo_t *cr = (cairo_t *)cairo_context;
    static std::mutex faces_lock;
    cairo_font_face_t *font;
    {
        std::lock_guard<std::mutex> guard(faces_lock);
        if (print_options == nullptr) {
            zw::Ensure_Init(); /* its release at exit runs after ours */
            print_options = cairo_font_options_create();
            cairo_font_options_set_hint_metrics(print_options, CAIRO_HINT_METRICS_OFF);
            cairo_font_options_set_hint_style(print_options, CAIRO_HINT_STYLE_NONE);
            atexit(release_faces);
        }
        const int k = (face & OLI_FACE_BOLD ? 1 : 0) | (face & OLI_FACE_ITALIC ? 2 : 0)
                      | (face & OLI_FACE_MONO ? 4 : 0);
        if (print_faces[k] == nullptr)
            print_faces[k] = cairo_toy_font_face_create(
                (face & OLI_FACE_MONO) ? "DejaVu Sans Mono" : "DejaVu Sans",
                (face & OLI_FACE_ITALIC) ? CAIRO_FONT_SLANT_OBLIQUE : CAIRO_FONT_SLANT_NORMAL,
                (face & OLI_FACE_BOLD) ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
        font = print_faces[k];
    }
    cairo_set_font_face(cr, font);
    double s = size_pt;
    if (face & (OLI_FACE_SUB | OLI_FACE_SUP)) s *= OLI_SCRIPT_SCALE;
    cairo_set_font_size(cr, s);
    cairo_set_font_options(cr, print_options);
}

/* The advances of one font and size, as cairo measures a text with it: the scaled font of the
** measuring context and the advance of every character met so far (NaN: not yet asked). A text's
** width is the sum of its characters' advances from left to right, which is how cairo adds them
** up in cairo_text_extents, so that both give the same number to the last bit. */
struct Advance_Table {
    cairo_scaled_font_t *font = nullptr;
    double low[0x2600]; /* code points below U+2600 */
    std::map<uint32_t, double> high;
};

static std::mutex measure_lock;
static cairo_surface_t *measure_surface = nullptr;
static cairo_t *measure_cr = nullptr;
static std::map<std::pair<uint64_t, int>, Advance_Table *> *advance_tables = nullptr;

/* At the end of the process, before the GUI stand-in releases cairo's and fontconfig's caches
** (its handler was registered first, so it runs after this one). */
static void release_measuring()
{
    if (advance_tables) {
        for (auto &t : *advance_tables) {
            cairo_scaled_font_destroy(t.second->font);
            delete t.second;
        }
        delete advance_tables;
        advance_tables = nullptr;
    }
    if (measure_cr) cairo_destroy(measure_cr);
    if (measure_surface) cairo_surface_destroy(measure_surface);
    measure_cr = nullptr;
    measure_surface = nullptr;
}

static Advance_Table *advances_for(double size_pt, int32_t face)
{
    const int key_face =
        face & (OLI_FACE_BOLD | OLI_FACE_ITALIC | OLI_FACE_MONO | OLI_FACE_SUB | OLI_FACE_SUP);
    uint64_t bits;
    memcpy(&bits, &size_pt, sizeof bits);
    auto key = std::make_pair(bits, key_face);
    auto it = advance_tables->find(key);
    if (it != advance_tables->end()) return it->second;
    Oli_Select_Font(measure_cr, size_pt, face);
    Advance_Table *t = new Advance_Table;
    t->font = cairo_scaled_font_reference(cairo_get_scaled_font(measure_cr));
    for (double &a : t->low) a = NAN;
    (*advance_tables)[key] = t;
    return t;
}

/* The advance of one character, taken from cairo once. */
static double advance_of(Advance_Table *t, uint32_t cp, const char *utf8, int len)
{
    double *slot = nullptr;
    if (cp < 0x2600) {
        slot = &t->low[cp];
        if (*slot == *slot) return *slot;
    } else {
        auto it = t->high.find(cp);
        if (it != t->high.end()) return it->second;
    }
    cairo_glyph_t *glyphs = nullptr;
    int count = 0;
    double adv = 0;
    if (cairo_scaled_font_text_to_glyphs(t->font, 0, 0, utf8, len, &glyphs, &count, nullptr,
                                         nullptr, nullptr)
            == CAIRO_STATUS_SUCCESS
        && count == 1) {
        cairo_text_extents_t ext;
        cairo_scaled_font_glyph_extents(t->font, glyphs, 1, &ext);
        adv = ext.x_advance;
    }
    cairo_glyph_free(glyphs);
    if (slot) *slot = adv;
    else t->high[cp] = adv;
    return adv;
}

double Oli_Text_Width_Cm(const std::string &utf8, double size_pt, int32_t face)
{
    std::lock_guard<std::mutex> guard(measure_lock);
    if (measure_cr == nullptr) {
        zw::Ensure_Init();
        measure_surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 4, 4);
        measure_cr = cairo_create(measure_surface);
        advance_tables = new std::map<std::pair<uint64_t, int>, Advance_Table *>;
        atexit(release_measuring);
    }
    if (utf8.empty()) return 0.0;
    Advance_Table *t = advances_for(size_pt, face);
    double x = 0;
    const char *s = utf8.data();
    const size_t n = utf8.size();
    for (size_t i = 0; i < n;) {
        unsigned char c = (unsigned char)s[i];
        int len = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        if (i + (size_t)len > n) len = (int)(n - i);
        uint32_t cp = c;
        if (len == 2) cp = (c & 31u) << 6 | (s[i + 1] & 63u);
        else if (len == 3) cp = (c & 15u) << 12 | (s[i + 1] & 63u) << 6 | (s[i + 2] & 63u);
        else if (len == 4)
            cp = (c & 7u) << 18 | (s[i + 1] & 63u) << 12 | (s[i + 2] & 63u) << 6 | (s[i + 3] & 63u);
        x += advance_of(t, cp, s + i, len);
        i += (size_t)len;
    }
    return x * 2.54 / 72.0;
}
