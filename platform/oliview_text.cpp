/*
** Print font of the viewer: the byte-to-glyph map (code page 850 with the symbol positions of
** the print font), the splitting of a print-list text into runs by its formatting escapes, and
** the measuring of texts with cairo (DejaVu Sans; sizes in points, widths in cm).
*/
#include <cairo.h>

#include <cstdlib>
#include <cstring>
#include <mutex>

#include "platform/oliview.h"
#include "platform/oliview_internal.h"
#include "platform/zelkwin_internal.h"

/* ---- print font map ---- */

/* The print font holds the same characters and symbols at the same bytes as the display font;
** only control bytes, which the screen shows as they are, print as blanks. */
uint32_t Oli_Print_Font_Codepoint(unsigned char byte) {
  if (byte < 0x20) return 0x20;
  return Display_Font_Codepoint(byte);
}

void Oli_Append_Utf8(std::string *out, uint32_t cp) {
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
static size_t parse_group(const std::string &t, size_t i, Oli_Run *run, bool *ok) {
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
      uint32_t rgb = digits == 3 ? (uint32_t)(((c >> 8) & 15) * 17) << 16 | (uint32_t)(((c >> 4) & 15) * 17) << 8 |
                                       (uint32_t)((c & 15) * 17)
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
  if (sscanf(clean.c_str(), " %c %lf %lf %lf %lf %lf", &kind, &v[0], &v[1], &v[2], &v[3], &v[4]) == 6 &&
      (kind == 'L' || kind == 'R')) {
    run->type = kind == 'L' ? OLI_RUN_RULE : OLI_RUN_FILL;
    for (int k = 0; k < 5; k++) run->g[k] = v[k];
    run->fill_rgb = 0xE6E6E6;
    *ok = true;
  }
  return end == std::string::npos ? t.size() : end + 1;
}

std::vector<Oli_Run> Oli_Split_Runs(const std::string &t, int base_face, bool plain,
                                    Oli_Run_Stats *stats) {
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
      case '\\': case 'T': face = (face & ~OLI_FACE_SUP) | OLI_FACE_SUB; break;
      case '/': face = (face & ~OLI_FACE_SUB) | OLI_FACE_SUP; break;
      case 'b': case 'H': face |= OLI_FACE_BOLD; break;
      case 'u': face |= OLI_FACE_UNDER; break;
      case '_': case 's': face |= OLI_FACE_ITALIC; break;
      case '@': break;
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

std::string Oli_Plain_Utf8(const std::string &cp850) {
  std::string out;
  for (const Oli_Run &r : Oli_Split_Runs(cp850, 0, false, nullptr))
    if (r.type == OLI_RUN_TEXT) out += r.utf8;
    else if (r.type == OLI_RUN_TAB) out += ' ';
  return out;
}

/* ---- measuring ---- */

void Oli_Select_Font(void *cairo_context, double size_pt, int32_t face) {
  cairo_t *cr = (cairo_t *)cairo_context;
  cairo_set_font_face(cr, zw::Font_Face((face & OLI_FACE_MONO) ? "DejaVu Sans Mono" : "DejaVu Sans",
                                        (face & OLI_FACE_BOLD) != 0, (face & OLI_FACE_ITALIC) != 0, false));
  double s = size_pt;
  if (face & (OLI_FACE_SUB | OLI_FACE_SUP)) s *= OLI_SCRIPT_SCALE;
  cairo_set_font_size(cr, s);
  cairo_font_options_t *fo = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(fo, CAIRO_HINT_STYLE_NONE);
  cairo_set_font_options(cr, fo);
  cairo_font_options_destroy(fo);
}

static std::mutex measure_lock;
static cairo_surface_t *measure_surface = nullptr;
static cairo_t *measure_cr = nullptr;

/* At the end of the process, before the GUI stand-in releases cairo's and fontconfig's caches
** (its handler was registered first, so it runs after this one). */
static void release_measuring() {
  if (measure_cr) cairo_destroy(measure_cr);
  if (measure_surface) cairo_surface_destroy(measure_surface);
  measure_cr = nullptr;
  measure_surface = nullptr;
}

double Oli_Text_Width_Cm(const std::string &utf8, double size_pt, int32_t face) {
  std::lock_guard<std::mutex> guard(measure_lock);
  cairo_t *&cr = measure_cr;
  if (cr == nullptr) {
    zw::Ensure_Init();
    measure_surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 4, 4);
    cr = cairo_create(measure_surface);
    atexit(release_measuring);
  }
  if (utf8.empty()) return 0.0;
  Oli_Select_Font(cr, size_pt, face);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, utf8.c_str(), &ext);
  return ext.x_advance * 2.54 / 72.0;
}
