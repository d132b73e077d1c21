/*
** Rendering of laid-out print-list pages with cairo: the page head (component title, page
** number), the drawing items, PDF files with an outline from the bookmarks, PNG pages, and the
** print entry that reports what it could not read.
*/
#include <cairo.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "platform/oliview_internal.h"
#include "platform/oliview_pdf.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"
#include "platform/zelkwin_internal.h"

/* ---- drawing ---- */

static void set_rgb(cairo_t *cr, uint32_t rgb)
{
    cairo_set_source_rgb(cr, ((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0,
                         (rgb & 255) / 255.0);
}

static void draw_text(cairo_t *cr, double x, double y, const std::string &utf8, double size,
                      int face, double angle, uint32_t rgb)
{
    cairo_save(cr);
    cairo_move_to(cr, x * OLI_CM_TO_PT, y * OLI_CM_TO_PT);
    if (angle != 0) cairo_rotate(cr, -angle * M_PI / 180.0);
    Oli_Select_Font(cr, size, face);
    set_rgb(cr, rgb);
    cairo_show_text(cr, utf8.c_str());
    cairo_restore(cr);
}

static void draw_image(cairo_t *cr, const Oli_Item &it)
{
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
static void hatch(cairo_t *cr, int n, uint32_t rgb)
{
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

static void draw_item(cairo_t *cr, const Oli_Item &it, int *clips)
{
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

/* The title in lines of at most room cm in the bold face of size pt: broken at a blank where one
** is, else between two characters of UTF-8. */
static std::vector<std::string> head_lines(const std::string &title, double size, double room)
{
    const auto fits = [&](const std::string &t) {
        return Oli_Text_Width_Cm(t, size, OLI_FACE_BOLD) <= room;
    };
    std::vector<std::string> lines;
    std::string line;
    bool started = false;
    for (size_t at = 0; at <= title.size();) {
        size_t end = title.find(' ', at);
        if (end == std::string::npos) end = title.size();
        std::string word = title.substr(at, end - at);
        at = end + 1;
        if (started) {
            if (fits(line + " " + word)) {
                line += " " + word;
                continue;
            }
            lines.push_back(line);
        }
        /* the word begins a line; one wider than a line gives it as many characters as fit */
        while (word.size() > 1 && !fits(word)) {
            size_t cut = 0;
            do {
                size_t next = cut + 1;
                while (next < word.size() && ((unsigned char)word[next] & 0xC0) == 0x80) next++;
                if (cut > 0 && !fits(word.substr(0, next))) break;
                cut = next;
            } while (cut < word.size());
            if (cut >= word.size()) break;
            lines.push_back(word.substr(0, cut));
            word.erase(0, cut);
        }
        line = word;
        started = true;
    }
    lines.push_back(line);
    return lines;
}

void Oli_Page_Head(const std::string &title_utf8, int i, int n, Oli_Head *head)
{
    enum { NUMBER_TEXT = 64 };
    const double left = OLI_TEXT_LEFT, base = 1.75, top_margin = 0.5;
    char text[NUMBER_TEXT];
    snprintf(text, sizeof text, "Seite %d von %d", i + 1, n);
    head->number = text;
    head->number_x = left + OLI_TEXT_WIDTH - Oli_Text_Width_Cm(head->number, 8.0, 0);
    head->number_y = base;
    /* the lines are the same on every page of a list: made once for its title and page count */
    thread_local std::string made_title;
    thread_local int made_n = -1;
    thread_local Oli_Head made;
    if (made_n != n || made_title != title_utf8) {
        snprintf(text, sizeof text, "Seite %d von %d", n, n);
        const double room = OLI_TEXT_WIDTH - Oli_Text_Width_Cm(text, 8.0, 0) - 0.8;
        /* 8 pt, or smaller where the lines would reach above the top margin (line pitch 1.2
        ** times the size, a capital 0.73 of it high) */
        for (double size = 8.0; size >= 4.0; size -= 0.5) {
            made.size = size;
            made.lines = head_lines(title_utf8, size, room);
            const double pitch = size * 1.2 * 2.54 / 72, cap = size * 0.73 * 2.54 / 72;
            if (base - (double)(made.lines.size() - 1) * pitch - cap >= top_margin) break;
        }
        const double pitch = made.size * 1.2 * 2.54 / 72;
        made.y.clear();
        for (size_t k = 0; k < made.lines.size(); k++)
            made.y.push_back(base - (double)(made.lines.size() - 1 - k) * pitch);
        made_title = title_utf8;
        made_n = n;
    }
    head->lines = made.lines;
    head->y = made.y;
    head->size = made.size;
}

void Oli_Draw_Page_Items(void *cairo_context, const std::string &title_utf8, int index, int count,
                         const Oli_Page &page)
{
    cairo_t *cr = (cairo_t *)cairo_context;
    if (cr == nullptr) return;
    const double k = OLI_CM_TO_PT;
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, OLI_PAGE_W * k, OLI_PAGE_H * k);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
    /* head: the component's title on the left, the page number on the right, a rule below */
    double right = OLI_TEXT_LEFT + OLI_TEXT_WIDTH;
    Oli_Head head;
    Oli_Page_Head(title_utf8, index, count, &head);
    for (size_t k = 0; k < head.lines.size(); k++)
        draw_text(cr, OLI_TEXT_LEFT, head.y[k], head.lines[k], head.size, OLI_FACE_BOLD, 0,
                  0x303030);
    draw_text(cr, head.number_x, head.number_y, head.number, 8.0, 0, 0, 0x303030);
    cairo_set_source_rgb(cr, 0.35, 0.35, 0.35);
    cairo_set_line_width(cr, 0.5);
    cairo_move_to(cr, OLI_TEXT_LEFT * k, 1.95 * k);
    cairo_line_to(cr, right * k, 1.95 * k);
    cairo_stroke(cr);
    int clips = 0;
    for (const Oli_Item &it : page.items) draw_item(cr, it, &clips);
    while (clips-- > 0) cairo_restore(cr);
    cairo_restore(cr);
}

void Oli_Draw_Page(void *cairo_context, const Oli_Layout *layout, int index)
{
    if (layout == nullptr || index < 0 || index >= (int)layout->pages.size()) return;
    Oli_Draw_Page_Items(cairo_context, layout->title, index, (int)layout->pages.size(),
                        layout->pages[(size_t)index]);
}

/* ---- files ---- */

int Oli_Write_Pdf(const Oli_Layout *layout, const char *pdf_path)
{
    if (layout == nullptr || pdf_path == nullptr) {
        errno = EINVAL;
        return 0;
    }
    /* written beside the target, synced and renamed at the end, so that a failed print leaves
  ** an older PDF of the list untouched */
    Oli_Pdf *pdf = Oli_Pdf_Open(pdf_path);
    if (pdf == nullptr) return 0;
    for (const Oli_Page &p : layout->pages) Oli_Pdf_Add_Page(pdf, p);
    return Oli_Pdf_Close(pdf, layout->title, layout->bookmarks, true);
}

int Oli_Write_Png(const Oli_Layout *layout, int index, double dpi, const char *png_path)
{
    if (layout == nullptr || png_path == nullptr || index < 0 || index >= (int)layout->pages.size())
        return 0;
    if (!(dpi >= 10 && dpi <= 1200)) return 0;
    int w = (int)std::lround(OLI_PAGE_W / 2.54 * dpi),
        h = (int)std::lround(OLI_PAGE_H / 2.54 * dpi);
    cairo_surface_t *s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cairo_t *cr = cairo_create(s);
    cairo_scale(cr, dpi / 72.0, dpi / 72.0);
    Oli_Draw_Page(cr, layout, index);
    cairo_destroy(cr);
    int ok = zw::Write_Png(s, png_path);
    cairo_surface_destroy(s);
    return ok;
}

/* ---- entries ---- */

void Oli_Message_Box(const char *title, const std::vector<std::string> &lines)
{
    Init_Message();
    Set_Message_Title(zw::Utf8_To_Display(title).c_str());
    for (size_t i = 0; i < lines.size() && i < 12; i++)
        Fill_Message(zw::Utf8_To_Display(lines[i]).c_str());
    if (lines.size() > 12) Fill_Message(zw::Utf8_To_Display("\xE2\x80\xA6 und weitere").c_str());
    Draw_Message();
}

void Oli_Report_Warnings(const Oli_Layout &layout, bool box)
{
    for (const std::string &w : layout.warnings) zw::Log_Line("OLI-WARN " + w);
    if (box && !layout.warnings.empty())
        Oli_Message_Box("Hinweise zur Druckliste", layout.warnings);
}

static Oli_Print_Progress Print_Progress = nullptr;

void Oli_Set_Print_Progress(Oli_Print_Progress hook) { Print_Progress = hook; }

bool Oli_Tell_Progress(int pages, const Oli_Reader *reader, double size)
{
    if (Print_Progress == nullptr) return true;
    return Print_Progress(pages,
                          size > 0.0 ? std::min(1.0, (double)Oli_Reader_Read(reader) / size) : 1.0)
           != 0;
}

void Oli_Tell_Progress_End(void)
{
    if (Print_Progress != nullptr) Print_Progress(-1, 1.0);
}

/* The PDF being written, the pages it got, the list it is printed from (its size, bytes), and
** whether the progress hook stopped the print. */
struct Pdf_Sink {
    Oli_Pdf *pdf;
    int pages;
    const Oli_Reader *reader;
    double size;
    bool stopped;
};

static void pdf_page(void *user, int index, Oli_Page &page)
{
    Pdf_Sink *s = static_cast<Pdf_Sink *>(user);
    Oli_Pdf_Add_Page(s->pdf, page);
    s->pages = index + 1;
    if (!Oli_Tell_Progress(s->pages, s->reader, s->size)) s->stopped = true;
}

/* The printer; with held the PDF is complete but not in place, and *held takes it. A failure is
** said in a box, or, with failure, into its lines (UTF-8) without a box. */
static int Print_To_Pdf(const char *path, const char *pdf_path, std::vector<std::string> *warnings,
                        int *pages, Rt_Safe_File **held, std::vector<std::string> *failure)
{
    if (failure) failure->clear();
    /* the box says that an older PDF stays, which the caller that takes the lines decides */
    auto fail = [failure](std::vector<std::string> lines) {
        if (failure) {
            *failure = lines;
            return;
        }
        lines.push_back("Eine \xC3\xA4ltere PDF-Datei bleibt unver\xC3\xA4ndert.");
        Oli_Message_Box("Fehler", lines);
    };
    if (held) *held = nullptr;
    if (warnings) warnings->clear();
    if (pages) *pages = 0;
    if (path == nullptr || *path == 0) return 0;
    std::string pdf = pdf_path ? std::string(pdf_path) : std::string(path) + ".pdf";
    /* read, laid out and written page by page: a page in memory at a time, whatever the list's
  ** length */
    Oli_Reader *reader = Oli_Reader_Open(path);
    if (reader == nullptr) {
        if (failure)
            *failure = {"Die Druckliste " + std::string(path), "kann nicht gelesen werden!"};
        else
            Oli_Message_Box("Fehler",
                            {"Die Druckliste " + std::string(path), "kann nicht gelesen werden!"});
        return 0;
    }
    Pdf_Sink sink{Oli_Pdf_Open(pdf.c_str()), 0, reader, (double)Rt_File_Size(path), false};
    const int open_err = sink.pdf == nullptr ? errno : 0;
    int ok = 0;
    Oli_Layout layout;
    bool unread = false;
    if (sink.pdf != nullptr) {
        Oli_Layout_Stream(reader, &layout, pdf_page, &sink, &sink.stopped);
        /* a list that could not be read to its end is not printed: the older PDF stays */
        unread = Oli_Reader_Failed(reader) != 0;
        ok =
            Oli_Pdf_Close(sink.pdf, layout.title, layout.bookmarks, !unread && !sink.stopped, held);
    }
    Oli_Reader_Close(reader);
    Oli_Tell_Progress_End();
    if (sink.stopped) return 0; /* the hook that stopped it says so; the older PDF stays */
    if (unread) {
        fail({"Die Druckliste " + std::string(path), "kann nicht zu Ende gelesen werden!"});
        return 0;
    }
    if (!ok) {
        const int err = open_err != 0 ? open_err : errno;
        const std::string why = zw::To_Utf8(Rt_Error_Text(err), -1);
        /* a PDF that could not even be begun names what stands in the way of its temporary file */
        if (open_err != 0) pdf = Rt_Safe_Open_Failed_Path(pdf.c_str(), err);
        fail({"Die Datei " + pdf, "kann nicht geschrieben werden!", why});
        return 0;
    }
    zw::Log_Line("OLI-PRINT " + pdf);
    Oli_Report_Warnings(layout, true);
    if (warnings) *warnings = layout.warnings;
    if (pages) *pages = sink.pages;
    return 1;
}

int Oli_Print_File_To_Pdf_Report(const char *path, const char *pdf_path,
                                 std::vector<std::string> *warnings, int *pages)
{
    return Print_To_Pdf(path, pdf_path, warnings, pages, nullptr, nullptr);
}

int Oli_Print_File_To_Pdf(const char *path, const char *pdf_path)
{
    return Print_To_Pdf(path, pdf_path, nullptr, nullptr, nullptr, nullptr);
}

int Oli_Print_File_To_Pdf_Held(const char *path, const char *pdf_path, Rt_Safe_File **held)
{
    return Print_To_Pdf(path, pdf_path, nullptr, nullptr, held, nullptr);
}

int Oli_Print_File_To_Pdf_Held_Quiet(const char *path, const char *pdf_path, Rt_Safe_File **held,
                                     std::vector<std::string> *failure)
{
    return Print_To_Pdf(path, pdf_path, nullptr, nullptr, held, failure);
}

/* The one page a PNG is drawn of, taken from the pages as they come; the others are counted. */
struct Page_Pick {
    int want;
    Oli_Page page;
    int count;
};

static void pick_page(void *user, int index, Oli_Page &page)
{
    Page_Pick *p = static_cast<Page_Pick *>(user);
    if (index == p->want) p->page.items.swap(page.items);
    p->count = index + 1;
}

int Oli_Render_Page_Png(const char *path, int page, double dpi, const char *png_path)
{
    Oli_Reader *reader = path ? Oli_Reader_Open(path) : nullptr;
    if (reader == nullptr) return 0;
    Page_Pick pick{page - 1, Oli_Page(), 0};
    Oli_Layout layout;
    Oli_Layout_Stream(reader, &layout, pick_page, &pick);
    Oli_Reader_Close(reader);
    if (page < 1 || page > pick.count) return 0;
    /* the page among as many empty ones as the list has, for the head's "Seite i von n" */
    layout.pages.assign((size_t)pick.count, Oli_Page());
    layout.pages[(size_t)(page - 1)].items.swap(pick.page.items);
    return Oli_Write_Png(&layout, page - 1, dpi, png_path);
}
