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

/* Code page 850, 0x80..0xFF. */
static const uint16_t cp850_high[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8,
    0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2,
    0x00FB, 0x00F9, 0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1,
    0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD,
    0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2,
    0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514, 0x2534,
    0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560,
    0x2550, 0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580, 0x00D3, 0x00DF, 0x00D4,
    0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, 0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD,
    0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8, 0x00B0,
    0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0};

uint32_t Oli_Print_Font_Codepoint(unsigned char byte) {
  switch (byte) {
  case 0x88: return 0x21D2; /* implication arrow */
  case 0x89: return 0x2030; /* per mille */
  case 0x8C: return 0x2300; /* diameter */
  case 0xA3: return 0x0394; /* Delta */
  case 0xB2: return 0x03A3; /* sum row mark */
  case 0xB8: return 0x03C8; /* psi */
  case 0xBA: return 0x03B1; /* alpha */
  case 0xBB: return 0x03B2; /* second angle */
  case 0xBE: return 0x03B5; /* epsilon */
  case 0xC0: return 0x03B3; /* gamma */
  case 0xCB: return 0x03C1; /* rho */
  case 0xCC: return 0x03C3; /* sigma */
  case 0xD6: return 0x03C4; /* tau */
  case 0xEC: return 0x221E; /* infinity */
  case 0xF2: return 0x2265; /* greater or equal */
  case 0xF3: return 0x2264; /* less or equal */
  case 0xF7: return 0x2248; /* nearly equal */
  case 0xFA: return 0x00B3; /* superscript 3 */
  default: break;
  }
  if (byte < 0x20) return 0x20;
  if (byte < 0x80) return byte;
  return cp850_high[byte - 0x80];
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
  cairo_select_font_face(cr, (face & OLI_FACE_MONO) ? "DejaVu Sans Mono" : "DejaVu Sans",
                         (face & OLI_FACE_ITALIC) ? CAIRO_FONT_SLANT_OBLIQUE : CAIRO_FONT_SLANT_NORMAL,
                         (face & OLI_FACE_BOLD) ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
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
