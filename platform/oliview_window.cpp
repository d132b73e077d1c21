/*
** Preview of a print list in the window of the GUI stand-in: the pages one below the other on
** a grey desk, scrolled with the mouse wheel and keys, zoomed with '+' and '-', ended with Esc,
** 'q' or closing the window. The screen under the preview is restored afterwards.
*/
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/oliview_internal.h"
#include "platform/zelkwin.h"
#include "platform/zelkwin_internal.h"

void Oli_Report_Warnings(const Oli_Layout &layout, bool box);

namespace {

const int BAR = 26;    /* status bar height, pixels */
const int GAP = 14;    /* between pages */

struct View {
  const Oli_Layout *layout;
  double zoom = 1.0;   /* 1: a page as high as the screen below the bar */
  double scroll = 0;   /* pixels from the top of the first page */

  double page_h() const { return (NPIXEL_Y - BAR - 2 * GAP) * zoom; }
  double page_w() const { return page_h() * OLI_PAGE_W / OLI_PAGE_H; }
  double total() const { return layout->pages.size() * (page_h() + GAP); }
  void clamp() {
    double max = std::max(0.0, total() - (NPIXEL_Y - BAR - GAP));
    scroll = std::clamp(scroll, 0.0, max);
  }
  int first_page() const {
    int p = (int)std::floor(scroll / (page_h() + GAP) + 0.3);
    return std::clamp(p, 0, (int)layout->pages.size() - 1);
  }
};

void draw(View &v) {
  zw::State &s = zw::St();
  cairo_t *cr = s.cr;
  cairo_save(cr);
  cairo_reset_clip(cr);
  cairo_set_source_rgb(cr, 0.45, 0.47, 0.5);
  cairo_paint(cr);
  double pw = v.page_w(), ph = v.page_h();
  double x = std::floor((NPIXEL_X - pw) / 2);
  for (size_t i = 0; i < v.layout->pages.size(); i++) {
    double top = BAR + GAP + i * (ph + GAP) - v.scroll;
    if (top > NPIXEL_Y || top + ph < BAR) continue;
    cairo_save(cr);
    cairo_rectangle(cr, 0, BAR, NPIXEL_X, NPIXEL_Y - BAR);
    cairo_clip(cr);
    cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
    cairo_rectangle(cr, x + 3, top + 3, pw, ph);
    cairo_fill(cr);
    cairo_translate(cr, x, top);
    double k = pw / (OLI_PAGE_W * OLI_CM_TO_PT);
    cairo_scale(cr, k, k);
    cairo_rectangle(cr, 0, 0, OLI_PAGE_W * OLI_CM_TO_PT, OLI_PAGE_H * OLI_CM_TO_PT);
    cairo_clip(cr);
    Oli_Draw_Page(cr, v.layout, (int)i);
    cairo_restore(cr);
  }
  cairo_set_source_rgb(cr, 0.93, 0.92, 0.88);
  cairo_rectangle(cr, 0, 0, NPIXEL_X, BAR);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_surface_mark_dirty(s.surface);
  char bar[200];
  snprintf(bar, sizeof bar, "Seite %d von %d   Zoom %d %%   Mausrad, Bild auf/ab: bl\x84ttern   +/-: Zoom   Esc: schlie\xE1" "en",
           v.first_page() + 1, (int)v.layout->pages.size(), (int)std::lround(v.zoom * 100));
  zw::Text_Rgb(10, 18, bar, 0x202020, 0x1000);
  zw::Mark_Dirty();
  zw::Present();
}

} /* namespace */

int Oli_View_File(const char *path) {
  zw::Ensure_Init();
  if (path == nullptr || *path == 0) return 0;
  zw::Log_Line(std::string("OLI-View ") + path);
  Oli_Document doc;
  if (!Oli_Read_File(path, &doc)) return 0;
  Oli_Layout layout;
  Oli_Layout_Document(&doc, &layout);
  Oli_Report_Warnings(layout, false);
  View v;
  v.layout = &layout;
  Save_Screen_Rectangle(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
  int old_buff = pxBuff(-1);
  draw(v);
  for (;;) {
    VEL_MESSAGE msg;
    InitVELMessage(&msg);
    int cls = GetVELMessage(&msg, VELMSG_WHEEL | VELMSG_KEY | VELMSG_LBUTTON);
    if (cls == VELMSG_CLOSE || getkeymask()) break;
    double screen = NPIXEL_Y - BAR - GAP;
    bool end = false;
    if (cls == VELMSG_WHEEL) {
      v.scroll -= msg.w[5] * 60.0;
      M_SCROLL = 0;
    } else if (cls == VELMSG_KEY) {
      int key = msg.w[4];
      if (hitkey() >= 0) getkey(); /* take this key (it waits in the key queue) */
      switch (key) {
      case 27: case 'q': case 'Q': end = true; break;
      case KEY_UP: v.scroll -= 40; break;
      case KEY_DOWN: v.scroll += 40; break;
      case KEY_PGUP: v.scroll -= screen; break;
      case KEY_PGDN: case ' ': v.scroll += screen; break;
      case KEY_HOME: v.scroll = 0; break;
      case KEY_END: v.scroll = v.total(); break;
      case '+': case '-': {
        double centre = (v.scroll + screen / 2) / v.page_h();
        v.zoom = std::clamp(key == '+' ? v.zoom * 1.25 : v.zoom / 1.25, 0.4, 4.0);
        v.scroll = centre * v.page_h() - screen / 2;
        break;
      }
      default: break;
      }
    }
    if (end) break;
    v.clamp();
    draw(v);
    char line[80];
    snprintf(line, sizeof line, "OLI-VIEW PAGE %d/%d ZOOM %d", v.first_page() + 1,
             (int)layout.pages.size(), (int)std::lround(v.zoom * 100));
    zw::Log_Line(line);
  }
  Restore_Screen_Rectangle(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
  pxBuff(old_buff);
  zw::Mark_Dirty();
  zw::Present();
  return 1;
}
