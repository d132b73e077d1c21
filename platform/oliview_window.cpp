/*
** Preview of a print list in the window of the GUI stand-in: the pages one below the other on
** a grey desk, scrolled with the mouse wheel and keys, zoomed with '+' and '-' from the paper's
** size (or the screen's width) it opens at, ended with Esc, 'q' or closing the window. The screen
** under the preview is restored afterwards. The list is laid out page by page into a temporary
** file, and only the pages in view are held.
*/
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cerrno>
#include <cstdio>
#include <map>

#include "platform/oliview_internal.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"
#include "platform/zelkwin_internal.h"

namespace {

const int BAR = 26; /* status bar height, pixels */
const int GAP = 14; /* between pages */
/* Screen pixels of a paper inch at 100 %: the 96 per inch a Windows screen is taken to have. */
const double SCREEN_PX_PER_INCH = 96.0;

struct View {
    Oli_Spool *spool = nullptr;
    std::string title;            /* UTF-8 */
    int count = 0;                /* pages; -1 after a page could not be kept */
    int error = 0;                /* errno of that failure */
    std::map<int, Oli_Page> held; /* the pages in view at the last drawing */
    double zoom = 1.0;            /* 1: a page as high as the screen below the bar (fit) */
    double scroll = 0;            /* pixels from the top of the first page */

    double page_h() const { return (NPIXEL_Y - BAR - 2 * GAP) * zoom; }
    /* The zoom the bar shows, in percent: the page's height on the screen against its paper
    ** height at 96 pixels per inch, so that a page shrunk to fit the screen says so. */
    int percent() const
    {
        return (int)std::lround(100.0 * page_h() / (OLI_PAGE_H / 2.54 * SCREEN_PX_PER_INCH));
    }
    double page_w() const { return page_h() * OLI_PAGE_W / OLI_PAGE_H; }
    /* The zoom a preview opens at: the paper's own size (100 %), where the print's body text of
    ** 9 pt is 12 pixels high, as the program's own text; narrower where the screen is not as
    ** wide as the page; a screen that holds the whole page higher keeps it whole. */
    static double opening_zoom()
    {
        const double fit_h = NPIXEL_Y - BAR - 2 * GAP; /* a page's height at zoom 1 */
        const double real = OLI_PAGE_H / 2.54 * SCREEN_PX_PER_INCH / fit_h;
        const double wide = (NPIXEL_X - 2 * GAP) / (fit_h * OLI_PAGE_W / OLI_PAGE_H);
        return std::max(1.0, std::min(real, wide));
    }
    double total() const { return count * (page_h() + GAP); }
    void clamp()
    {
        double max = std::max(0.0, total() - (NPIXEL_Y - BAR - GAP));
        scroll = std::clamp(scroll, 0.0, max);
    }
    int first_page() const
    {
        int p = (int)std::floor(scroll / (page_h() + GAP) + 0.3);
        return std::clamp(p, 0, count - 1);
    }
};

void draw(View &v)
{
    zw::State &s = zw::St();
    cairo_t *cr = s.cr;
    cairo_save(cr);
    cairo_reset_clip(cr);
    cairo_set_source_rgb(cr, 0.45, 0.47, 0.5);
    cairo_paint(cr);
    double pw = v.page_w(), ph = v.page_h();
    double x = std::floor((NPIXEL_X - pw) / 2);
    /* the pages in view, taken from the spool when they come into view */
    std::map<int, Oli_Page> shown;
    int from = std::max(0, (int)std::floor((v.scroll - GAP) / (ph + GAP)) - 1);
    for (int i = from; i < v.count; i++) {
        double top = BAR + GAP + i * (ph + GAP) - v.scroll;
        if (top > NPIXEL_Y) break;
        if (top + ph < BAR) continue;
        Oli_Page &page = shown[i];
        auto it = v.held.find(i);
        if (it != v.held.end()) page.items.swap(it->second.items);
        else if (!Oli_Spool_Get(v.spool, i, &page))
            zw::Log_Line("OLI-WARN Seite " + std::to_string(i + 1) + " nicht lesbar");
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
        Oli_Draw_Page_Items(cr, v.title, i, v.count, page);
        cairo_restore(cr);
    }
    v.held.swap(shown);
    cairo_set_source_rgb(cr, 0.93, 0.92, 0.88);
    cairo_rectangle(cr, 0, 0, NPIXEL_X, BAR);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_surface_mark_dirty(s.surface);
    char bar[200];
    snprintf(
        bar, sizeof bar,
        "Seite %d von %d   Zoom %d %%   Mausrad, Bild auf/ab: bl\x84ttern   +/-: Zoom   Esc: schlie\xE1"
        "en",
        v.first_page() + 1, v.count, v.percent());
    zw::Text_Rgb(10, 18, bar, 0x202020, 0x1000);
    zw::Mark_Dirty();
    zw::Present();
}

/* Keep a laid-out page in the spool and tell the progress; a failed write ends the keeping. */
struct Spooling {
    View *view;
    const Oli_Reader *reader;
    double size; /* bytes of the list */
    bool stopped;
};

void spool_page(void *user, int index, Oli_Page &page)
{
    Spooling *sp = static_cast<Spooling *>(user);
    View *v = sp->view;
    if (v->count < 0) return;
    if (Oli_Spool_Add(v->spool, page)) {
        v->count++;
    } else {
        v->error = errno ? errno : EIO;
        v->count = -1;
    }
    if (!Oli_Tell_Progress(index + 1, sp->reader, sp->size)) sp->stopped = true;
}

} /* namespace */

struct Oli_View {
    View v;
};

Oli_View *Oli_View_Open(const char *path, const char *name)
{
    zw::Ensure_Init();
    if (path == nullptr || *path == 0) return nullptr;
    if (name == nullptr) name = path;
    zw::Log_Line(std::string("OLI-View ") + name);
    Oli_Reader *reader = Oli_Reader_Open(path);
    if (reader == nullptr) return nullptr;
    Oli_View *view = new Oli_View;
    View &v = view->v;
    v.spool = Oli_Spool_Open();
    int spool_error = v.spool ? 0 : errno;
    Oli_Layout layout;
    Spooling sp{&v, reader, (double)Rt_File_Size(path), false};
    if (v.spool) {
        Oli_Layout_Stream(reader, &layout, spool_page, &sp, &sp.stopped);
        spool_error = v.count < 0 ? v.error : 0;
    }
    Oli_Reader_Close(reader);
    Oli_Tell_Progress_End();
    if (spool_error != 0 || sp.stopped) {
        Oli_View_Close(view);
        if (spool_error != 0)
            Oli_Message_Box("Fehler", {"Die Vorschau der Druckliste " + std::string(name),
                                       "braucht Platz f\xC3\xBCr eine tempor\xC3\xA4re Datei:",
                                       zw::To_Utf8(Rt_Error_Text(spool_error), -1)});
        return nullptr;
    }
    Oli_Report_Warnings(layout, false);
    v.title = layout.title;
    return view;
}

void Oli_View_Close(Oli_View *view)
{
    if (view == nullptr) return;
    Oli_Spool_Close(view->v.spool);
    delete view;
}

int Oli_View_File(const char *path)
{
    Oli_View *view = Oli_View_Open(path, nullptr);
    if (view == nullptr) return 0;
    Oli_View_Show(view);
    return 1;
}

void Oli_View_Show(Oli_View *view)
{
    if (view == nullptr) return;
    View &v = view->v;
    Save_Screen_Rectangle(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    int old_buff = pxBuff(-1);
    v.zoom = View::opening_zoom();
    v.scroll = 0;
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
            case 27:
            case 'q':
            case 'Q': end = true; break;
            case KEY_UP: v.scroll -= 40; break;
            case KEY_DOWN: v.scroll += 40; break;
            case KEY_PGUP: v.scroll -= screen; break;
            case KEY_PGDN:
            case ' ': v.scroll += screen; break;
            case KEY_HOME: v.scroll = 0; break;
            case KEY_END: v.scroll = v.total(); break;
            case '+':
            case '-': {
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
        snprintf(line, sizeof line, "OLI-VIEW PAGE %d/%d ZOOM %d", v.first_page() + 1, v.count,
                 v.percent());
        zw::Log_Line(line);
    }
    Restore_Screen_Rectangle(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    pxBuff(old_buff);
    zw::Mark_Dirty();
    zw::Present();
    Oli_View_Close(view);
}
