/*
** Rendering of laid-out print-list pages with cairo: the page head (component title, page
** number), the drawing items, PDF files with an outline from the bookmarks, PNG pages, and the
** print entry that reports what it could not read.
*/
#include <cairo-pdf.h>
#include <cairo.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "platform/oliview_internal.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"
#include "platform/zelkwin_internal.h"

/* ---- drawing ---- */

static void set_rgb(cairo_t *cr, uint32_t rgb) {
  cairo_set_source_rgb(cr, ((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0);
}

static void draw_text(cairo_t *cr, double x, double y, const std::string &utf8, double size, int face,
                      double angle, uint32_t rgb) {
  cairo_save(cr);
  cairo_move_to(cr, x * OLI_CM_TO_PT, y * OLI_CM_TO_PT);
  if (angle != 0) cairo_rotate(cr, -angle * M_PI / 180.0);
  Oli_Select_Font(cr, size, face);
  set_rgb(cr, rgb);
  cairo_show_text(cr, utf8.c_str());
  cairo_restore(cr);
}

static void draw_image(cairo_t *cr, const Oli_Item &it) {
  int w = it.image_w, h = it.image_h;
  if (w <= 0 || h <= 0 || it.image.size() < (size_t)w * h * 4) return;
  cairo_surface_t *s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(s);
    return;
  }
  cairo_surface_flush(s);
  unsigned char *dst = cairo_image_surface_get_data(s);
  int stride = cairo_image_surface_get_stride(s);
  for (int yy = 0; yy < h; yy++)
    for (int xx = 0; xx < w; xx++) {
      const unsigned char *p = &it.image[((size_t)yy * w + xx) * 4];
      uint32_t a = p[3];
      uint32_t r = p[0] * a / 255, g = p[1] * a / 255, b = p[2] * a / 255;
      uint32_t v = a << 24 | r << 16 | g << 8 | b;
      memcpy(dst + (size_t)yy * stride + xx * 4, &v, 4);
    }
  cairo_surface_mark_dirty(s);
  cairo_save(cr);
  cairo_translate(cr, it.x * OLI_CM_TO_PT, it.y * OLI_CM_TO_PT);
  cairo_scale(cr, it.x2 * OLI_CM_TO_PT / w, it.y2 * OLI_CM_TO_PT / h);
  cairo_set_source_surface(cr, s, 0, 0);
  cairo_paint(cr);
  cairo_restore(cr);
  cairo_surface_destroy(s);
}

/* Hatch of a filling over the current path (kept): filling n draws, by n mod 8, nothing (0,
** 3, 7: the plain area), lines rising (1) or falling (2), crossed (4), horizontal (5) or
** upright (6), 0.1 to 0.25 cm apart by n / 8. */
static void hatch(cairo_t *cr, int n, uint32_t rgb) {
  int kind = n % 8;
  if (kind == 0 || kind == 3 || kind == 7) return;
  double step = (0.1 + 0.05 * ((n / 8) % 4)) * OLI_CM_TO_PT;
  double x1, y1, x2, y2;
  cairo_save(cr);
  cairo_clip_preserve(cr);
  cairo_path_extents(cr, &x1, &y1, &x2, &y2);
  cairo_path_t *path = cairo_copy_path(cr);
  cairo_new_path(cr);
  double span = (x2 - x1) + (y2 - y1);
  auto lines = [&](double dx, double dy) {
    for (double t = -span; t <= span; t += step) {
      double cx = (x1 + x2) / 2 + t * dy, cy = (y1 + y2) / 2 - t * dx;
      cairo_move_to(cr, cx - dx * span, cy - dy * span);
      cairo_line_to(cr, cx + dx * span, cy + dy * span);
    }
  };
  const double r = M_SQRT1_2;
  if (kind == 1 || kind == 4) lines(r, -r);
  if (kind == 2 || kind == 4) lines(r, r);
  if (kind == 5) lines(1, 0);
  if (kind == 6) lines(0, 1);
  set_rgb(cr, rgb);
  cairo_set_line_width(cr, 0.3);
  cairo_stroke(cr);
  cairo_append_path(cr, path);
  cairo_path_destroy(path);
  cairo_restore(cr);
}

static void draw_item(cairo_t *cr, const Oli_Item &it, int *clips) {
  const double k = OLI_CM_TO_PT;
  switch (it.kind) {
  case OLI_IT_TEXT: draw_text(cr, it.x, it.y, it.text, it.size, it.face, it.angle, it.rgb); break;
  case OLI_IT_LINE: {
    cairo_save(cr);
    set_rgb(cr, it.rgb);
    cairo_set_line_width(cr, std::max(it.size, 0.005) * k);
    cairo_set_line_cap(cr, it.dash.empty() ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
    if (!it.dash.empty()) {
      std::vector<double> d;
      for (double v : it.dash) d.push_back(v * k);
      cairo_set_dash(cr, d.data(), (int)d.size(), 0);
    }
    cairo_move_to(cr, it.x * k, it.y * k);
    cairo_line_to(cr, it.x2 * k, it.y2 * k);
    cairo_stroke(cr);
    cairo_restore(cr);
    break;
  }
  case OLI_IT_RECT:
  case OLI_IT_POLY: {
    cairo_save(cr);
    if (it.kind == OLI_IT_RECT) {
      cairo_rectangle(cr, it.x * k, it.y * k, it.x2 * k, it.y2 * k);
    } else {
      for (size_t i = 0; i + 1 < it.pts.size(); i += 2)
        if (i == 0) cairo_move_to(cr, it.pts[i] * k, it.pts[i + 1] * k);
        else cairo_line_to(cr, it.pts[i] * k, it.pts[i + 1] * k);
      cairo_close_path(cr);
    }
    if (it.fill) {
      set_rgb(cr, it.fill_rgb);
      cairo_fill_preserve(cr);
      if (it.pattern > 0) hatch(cr, it.pattern, it.rgb);
      if (!it.stroke) cairo_new_path(cr);
    }
    if (it.stroke) {
      set_rgb(cr, it.rgb);
      cairo_set_line_width(cr, std::max(it.size, 0.005) * k);
      cairo_stroke(cr);
    }
    cairo_new_path(cr);
    cairo_restore(cr);
    break;
  }
  case OLI_IT_IMAGE: draw_image(cr, it); break;
  case OLI_IT_CLIP:
    cairo_save(cr);
    cairo_rectangle(cr, it.x * k, it.y * k, it.x2 * k, it.y2 * k);
    cairo_clip(cr);
    (*clips)++;
    break;
  case OLI_IT_UNCLIP:
    if (*clips > 0) {
      cairo_restore(cr);
      (*clips)--;
    }
    break;
  default: break;
  }
}

void Oli_Draw_Page(void *cairo_context, const Oli_Layout *layout, int index) {
  cairo_t *cr = (cairo_t *)cairo_context;
  if (cr == nullptr || layout == nullptr || index < 0 || index >= (int)layout->pages.size()) return;
  const double k = OLI_CM_TO_PT;
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, OLI_PAGE_W * k, OLI_PAGE_H * k);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill(cr);
  /* head: the component's title on the left, the page number on the right, a rule below */
  double right = OLI_TEXT_LEFT + OLI_TEXT_WIDTH;
  char number[64];
  snprintf(number, sizeof number, "Seite %d von %d", index + 1, (int)layout->pages.size());
  double nw = Oli_Text_Width_Cm(number, 8.0, 0);
  std::string title = layout->title;
  while (!title.empty() && Oli_Text_Width_Cm(title, 8.0, OLI_FACE_BOLD) > OLI_TEXT_WIDTH - nw - 0.8) {
    /* shorten a long title at a character boundary */
    do title.pop_back();
    while (!title.empty() && ((unsigned char)title.back() & 0xC0) == 0x80);
    if (!title.empty() && (unsigned char)title.back() >= 0xC0) title.pop_back();
  }
  draw_text(cr, OLI_TEXT_LEFT, 1.75, title, 8.0, OLI_FACE_BOLD, 0, 0x303030);
  draw_text(cr, right - nw, 1.75, number, 8.0, 0, 0, 0x303030);
  cairo_set_source_rgb(cr, 0.35, 0.35, 0.35);
  cairo_set_line_width(cr, 0.5);
  cairo_move_to(cr, OLI_TEXT_LEFT * k, 1.95 * k);
  cairo_line_to(cr, right * k, 1.95 * k);
  cairo_stroke(cr);
  int clips = 0;
  for (const Oli_Item &it : layout->pages[index].items) draw_item(cr, it, &clips);
  while (clips-- > 0) cairo_restore(cr);
  cairo_restore(cr);
}

/* ---- files ---- */

/* cairo's output into the file being written; a short write stops the surface. */
static cairo_status_t pdf_write(void *closure, const unsigned char *data, unsigned int length) {
  FILE *f = Rt_Safe_Stream(static_cast<Rt_Safe_File *>(closure));
  if (f == nullptr || fwrite(data, 1, length, f) != length) return CAIRO_STATUS_WRITE_ERROR;
  return CAIRO_STATUS_SUCCESS;
}

int Oli_Write_Pdf(const Oli_Layout *layout, const char *pdf_path) {
  if (layout == nullptr || pdf_path == nullptr) {
    errno = EINVAL;
    return 0;
  }
  const double k = OLI_CM_TO_PT;
  /* written beside the target, synced and renamed at the end, so that a failed print leaves
  ** an older PDF of the list untouched */
  Rt_Safe_File *sf = Rt_Safe_Open(pdf_path);
  if (sf == nullptr) return 0;
  cairo_surface_t *s = cairo_pdf_surface_create_for_stream(pdf_write, sf, OLI_PAGE_W * k, OLI_PAGE_H * k);
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(s);
    Rt_Safe_Close(sf);
    errno = ENOMEM;
    return 0;
  }
  cairo_pdf_surface_set_metadata(s, CAIRO_PDF_METADATA_TITLE, layout->title.c_str());
  cairo_pdf_surface_set_metadata(s, CAIRO_PDF_METADATA_CREATOR, "Holzsto\xC3\x9F nach DIN EN 1995-1-1");
  cairo_t *cr = cairo_create(s);
  for (size_t i = 0; i < layout->pages.size(); i++) {
    Oli_Draw_Page(cr, layout, (int)i);
    cairo_show_page(cr);
  }
  /* outline: folders (16) hold the bookmarks (0) until they are closed (17) */
  std::vector<int> parents(1, CAIRO_PDF_OUTLINE_ROOT);
  for (const Oli_Bookmark &m : layout->bookmarks) {
    if (m.kind == 17) {
      if (parents.size() > 1) parents.pop_back();
      continue;
    }
    char link[96];
    snprintf(link, sizeof link, "page=%d pos=[%.2f %.2f]", m.page + 1, OLI_TEXT_LEFT * k, m.y * k);
    std::string text = m.text.empty() ? std::string("?") : m.text;
    int id = cairo_pdf_surface_add_outline(s, parents.back(), text.c_str(), link,
                                           m.kind == 16 ? CAIRO_PDF_OUTLINE_FLAG_OPEN
                                                        : (cairo_pdf_outline_flags_t)0);
    if (m.kind == 16) parents.push_back(id);
  }
  cairo_destroy(cr);
  cairo_surface_finish(s);
  const cairo_status_t status = cairo_surface_status(s);
  cairo_surface_destroy(s);
  /* the file is put in place only when cairo wrote all of it */
  const int ok = status == CAIRO_STATUS_SUCCESS && Rt_Safe_Commit(sf);
  const int err = Rt_Safe_Error(sf);
  Rt_Safe_Close(sf);
  if (!ok) errno = err ? err : status == CAIRO_STATUS_NO_MEMORY ? ENOMEM : EIO;
  return ok;
}

int Oli_Write_Png(const Oli_Layout *layout, int index, double dpi, const char *png_path) {
  if (layout == nullptr || png_path == nullptr || index < 0 || index >= (int)layout->pages.size())
    return 0;
  if (!(dpi >= 10 && dpi <= 1200)) return 0;
  int w = (int)std::lround(OLI_PAGE_W / 2.54 * dpi), h = (int)std::lround(OLI_PAGE_H / 2.54 * dpi);
  cairo_surface_t *s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
  cairo_t *cr = cairo_create(s);
  cairo_scale(cr, dpi / 72.0, dpi / 72.0);
  Oli_Draw_Page(cr, layout, index);
  cairo_destroy(cr);
  int ok = cairo_surface_write_to_png(s, png_path) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(s);
  return ok;
}

/* ---- entries ---- */

/* A message box of the GUI stand-in with lines given in UTF-8. */
static void message_box(const char *title, const std::vector<std::string> &lines) {
  Init_Message();
  Set_Message_Title(zw::Utf8_To_Display(title).c_str());
  for (size_t i = 0; i < lines.size() && i < 12; i++) Fill_Message(zw::Utf8_To_Display(lines[i]).c_str());
  if (lines.size() > 12) Fill_Message(zw::Utf8_To_Display("\xE2\x80\xA6 und weitere").c_str());
  Draw_Message();
}

/* Report the warnings of a laid-out list: into the GUI log, and in a box when asked. */
void Oli_Report_Warnings(const Oli_Layout &layout, bool box) {
  for (const std::string &w : layout.warnings) zw::Log_Line("OLI-WARN " + w);
  if (box && !layout.warnings.empty())
    message_box("Hinweise zur Druckliste", layout.warnings);
}

int Oli_Print_File_To_Pdf(const char *path, const char *pdf_path) {
  if (path == nullptr || *path == 0) return 0;
  std::string pdf = pdf_path ? std::string(pdf_path) : std::string(path) + ".pdf";
  Oli_Document doc;
  if (!Oli_Read_File(path, &doc)) {
    message_box("Fehler", {"Die Druckliste " + std::string(path), "kann nicht gelesen werden!"});
    return 0;
  }
  Oli_Layout layout;
  Oli_Layout_Document(&doc, &layout);
  if (!Oli_Write_Pdf(&layout, pdf.c_str())) {
    const std::string why = zw::To_Utf8(Rt_Error_Text(errno), -1);
    message_box("Fehler", {"Die Datei " + pdf, "kann nicht geschrieben werden!", why,
                           "Eine \xC3\xA4ltere PDF-Datei bleibt unver\xC3\xA4ndert."});
    return 0;
  }
  zw::Log_Line("OLI-PRINT " + pdf);
  Oli_Report_Warnings(layout, true);
  return 1;
}

int Oli_Render_Page_Png(const char *path, int page, double dpi, const char *png_path) {
  Oli_Document doc;
  if (path == nullptr || !Oli_Read_File(path, &doc)) return 0;
  Oli_Layout layout;
  Oli_Layout_Document(&doc, &layout);
  return Oli_Write_Png(&layout, page - 1, dpi, png_path);
}
