/*
** Graphic and picture blocks of the print-list viewer: the window of a "#SHOWGRAFIC" block is
** drawn to its real size in cm (a drawing at 1:25 measures 1:25 on paper); element records
** become lines, areas, texts, symbols and pictures with the block's drawing state.
*/
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

/* Pictures are decoded with our own static copy of stb_image (PNG, BMP, JPEG). */
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#endif
#include <stb/stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

#include "platform/oliview_layout.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"

namespace {

/* A picture file decoded to RGBA: a regular file only, never a pipe or a device that would keep
** the decoder waiting. Null when it cannot be read. */
unsigned char *Load_Regular_Image(const char *path, int *w, int *h, int *comp)
{
    FILE *f = Rt_Fopen_Read(path);
    if (f == nullptr) return nullptr;
    unsigned char *pix = stbi_load_from_file(f, w, h, comp, 4);
    fclose(f);
    return pix;
}

/* Drawing state of a block (records 6, 38, 20, 50, 51, 13, 14 and their saves 30/31, 52/53). */
struct Gr_State {
    double line_w = 0.02;     /* cm */
    std::vector<double> dash; /* cm */
    int fill = -1;            /* filling number; -1 none given */
    uint32_t col50 = 0x000000, col51 = 0x000000;
    double text_h = 0.2; /* cap height, cm */
    double angle = 0;    /* degrees, for records 3 and 10 */
    int style = -1;
};

uint32_t rgb_of(const std::vector<double> &v)
{
    return Oli_Channel(v[0]) << 16 | Oli_Channel(v[1]) << 8 | Oli_Channel(v[2]);
}

/* The colour of an area of the filling: white for 0, else the fill colour lightened a little
** so that outlines and labels stay readable. */
uint32_t fill_colour(int fill, uint32_t col51)
{
    if (fill == 0) return 0xFFFFFF;
    uint32_t out = 0;
    for (int s = 0; s < 24; s += 8) {
        double c = (col51 >> s) & 255;
        c = c + (255 - c) * 0.35;
        out |= (uint32_t)std::lround(c) << s;
    }
    return out;
}

/* Hatch lines stand out from their area: the fill colour darkened to 55 %. */
uint32_t hatch_colour(uint32_t col51)
{
    uint32_t out = 0;
    for (int s = 0; s < 24; s += 8) out |= (uint32_t)std::lround(((col51 >> s) & 255) * 0.55) << s;
    return out;
}

bool has_name(const std::string &s, const char *name)
{
    std::string a = s, b = name;
    for (char &c : a) c = (char)tolower((unsigned char)c);
    for (char &c : b) c = (char)tolower((unsigned char)c);
    return a.find(b) != std::string::npos;
}

/* The picture of a symbol file "%FONT%\name" of the environment's font folder
** ($SPLICE_FONT_DIR, else "fonts" below the private data path): the file itself when it is a
** picture, else a PNG or BMP of the same name. Null when there is none (RGBA pixels else). */
unsigned char *load_symbol(const std::string &ref, int *w, int *h)
{
    std::string name = ref;
    if (name.compare(0, 6, "%FONT%") == 0) name = name.substr(6);
    for (char &c : name)
        if (c == '\\') c = '/';
    while (!name.empty() && name[0] == '/') name.erase(0, 1);
    if (name.empty() || name.find("..") != std::string::npos) return nullptr;
    const char *env = getenv("SPLICE_FONT_DIR");
    std::string dir =
        env && *env ? std::string(env) : std::string(CurOb_Privat_Datapath()) + "/fonts";
    std::string base =
        name.substr(0, name.rfind('.') == std::string::npos ? name.size() : name.rfind('.'));
    const std::string tries[3] = {dir + "/" + name, dir + "/" + base + ".png",
                                  dir + "/" + base + ".bmp"};
    for (const std::string &t : tries) {
        int comp = 0;
        unsigned char *pix = Load_Regular_Image(t.c_str(), w, h, &comp);
        if (pix && *w > 0 && *h > 0 && (size_t)*w * *h <= (16u << 20)) return pix;
        if (pix) stbi_image_free(pix);
    }
    return nullptr;
}

/* Where a block's window lands on the page: its corner (cm), size (cm) and window coordinates.
** Points far outside the page are kept within 10 m of it, where cairo still draws them. */
struct Gr_Frame {
    double left_x, top, W, H;
    double x0w, x1w, y0w, y1w;
    double px(double x) const
    {
        return std::clamp(left_x + (x - x0w) / (x1w - x0w) * W, -1000.0, 1000.0);
    }
    double py(double y) const
    {
        return std::clamp(top + (y1w - y) / (y1w - y0w) * H, -1000.0, 1000.0);
    }
};

/* Records that change the drawing state (and their saves); false for any other record. */
bool state_element(const Oli_Gr_Element &e, Gr_State &st, Gr_State &saved_draw, Gr_State &saved_col)
{
    const std::vector<double> &v = e.v;
    switch (e.code) {
    case 6: st.line_w = std::clamp(v[0], 0.001, 1.0); break;
    case 7: {
        st.style = Oli_Int(v[0]);
        Oli_Style s = Oli_Text_Style(st.style);
        st.text_h = s.size_pt / OLI_CM_TO_PT * 0.73;
        break;
    }
    case 13: st.text_h = std::clamp(v[0], 0.01, 5.0); break;
    case 14: st.angle = v[0]; break;
    case 20: st.fill = Oli_Int(v[0]); break;
    case 30: saved_draw = st; break;
    case 31:
        st.line_w = saved_draw.line_w;
        st.dash = saved_draw.dash;
        st.fill = saved_draw.fill;
        break;
    case 52: saved_col = st; break;
    case 53:
        st.col50 = saved_col.col50;
        st.col51 = saved_col.col51;
        break;
    case 50: st.col50 = rgb_of(v); break;
    case 51: st.col51 = rgb_of(v); break;
    case 38: {
        int n = Oli_Int(v[0]);
        st.dash.clear();
        for (int k = 0; k < n; k++)
            if (v[1 + k] > 0) st.dash.push_back(v[1 + k]);
        break;
    }
    default: return false;
    }
    return true;
}

/* Record 27: a symbol file anchored at its top left corner, filling the window to the far
** corner; our own comment symbol and the diameter sign where the file is missing. */
void symbol_element(Lay &L, const Gr_Frame &f, const Gr_State &st, const Oli_Gr_Element &e,
                    int line)
{
    const std::vector<double> &v = e.v;
    /* symbol file anchored at its top left corner, filling the window to the far corner */
    double ax = f.px(v[0]), ay = f.py(v[1]);
    double w = std::max(0.2, f.left_x + f.W - ax), h = std::max(0.2, f.top + f.H - ay);
    int iw = 0, ih = 0;
    unsigned char *pix = load_symbol(e.text, &iw, &ih);
    if (pix) {
        double r = std::min(w / iw, h / ih);
        Oli_Item it{};
        it.kind = OLI_IT_IMAGE;
        it.x = ax;
        it.y = ay;
        it.x2 = iw * r;
        it.y2 = ih * r;
        it.image_w = iw;
        it.image_h = ih;
        it.image.assign(pix, pix + (size_t)iw * ih * 4);
        stbi_image_free(pix);
        L.item(it);
    } else if (has_name(e.text, "UserCommentLogo")) {
        /* our own comment symbol: a speech bubble */
        double s = std::min(w, h);
        Oli_Item bub{};
        bub.kind = OLI_IT_POLY;
        double bx = ax + 0.08 * s, by = ay + 0.1 * s, bw = 0.84 * s, bh = 0.6 * s;
        double p[] = {bx,
                      by,
                      bx + bw,
                      by,
                      bx + bw,
                      by + bh,
                      bx + 0.45 * s,
                      by + bh,
                      bx + 0.2 * s,
                      by + bh + 0.2 * s,
                      bx + 0.25 * s,
                      by + bh,
                      bx,
                      by + bh};
        bub.pts.assign(p, p + 14);
        bub.fill = true;
        bub.fill_rgb = 0xFFF3D0;
        bub.stroke = true;
        bub.size = 0.03;
        bub.rgb = 0x8A6A2A;
        L.item(bub);
        for (int k = 0; k < 3; k++) {
            Oli_Item l{};
            l.kind = OLI_IT_LINE;
            l.x = bx + 0.12 * s;
            l.x2 = bx + bw - (k == 2 ? 0.3 : 0.12) * s;
            l.y = l.y2 = by + (0.15 + 0.15 * k) * s;
            l.size = 0.025;
            l.rgb = 0x8A6A2A;
            L.item(l);
        }
    } else if (has_name(e.text, "DURCHM")) {
        /* the diameter sign of the symbol font in front of a bar label: the print font's own
    ** sign at the block's text height, its top at the anchor */
        Oli_Item it{};
        it.kind = OLI_IT_TEXT;
        it.size = std::max(st.text_h, 0.02) / 0.73 * OLI_CM_TO_PT;
        it.x = ax;
        it.y = ay + st.text_h;
        it.rgb = st.col50;
        it.text = "\xE2\x8C\x80";
        L.item(it);
    } else {
        L.warn_once("sym" + e.text, line, "Symboldatei nicht vorhanden: " + Oli_Plain_Utf8(e.text));
    }
}

/* Record 75: a picture from a file or from the record's own data. */
void picture_element(Lay &L, const Gr_Frame &f, const Oli_Gr_Element &e, int line)
{
    const std::vector<double> &v = e.v;
    uint32_t flags = Oli_Flags(v[0]);
    double x = v[1], y = v[2];
    size_t k = 3;
    if (flags & 0x30) k++;
    double w = -1, h = -1;
    if ((flags & 0x1) && v.size() >= k + 2) {
        w = v[k];
        h = v[k + 1];
        k += 2;
    }
    int iw = 0, ih = 0, comp = 0;
    unsigned char *pix = nullptr;
    if (flags & 0x1000) {
        if (!e.data.empty())
            pix = stbi_load_from_memory(e.data.data(), (int)e.data.size(), &iw, &ih, &comp, 4);
    } else {
        std::string name = e.text;
        for (char &c : name)
            if (c == '\\') c = '/';
        std::string path = name[0] == '/' ? name : L.folder + name;
        pix = Load_Regular_Image(path.c_str(), &iw, &ih, &comp);
    }
    if (pix == nullptr || iw <= 0 || ih <= 0 || (size_t)iw * ih > (64u << 20)) {
        if (pix) stbi_image_free(pix);
        L.warn_once("pic" + std::to_string(line), line,
                    "Bild nicht lesbar: " + Oli_Plain_Utf8(e.text));
        return;
    }
    Oli_Item it{};
    it.kind = OLI_IT_IMAGE;
    /* The picture stands at its corner point and reaches towards the far window corner:
  ** upwards when the point lies in the lower half of the window. */
    double ax = f.px(x), ay = f.py(y);
    bool upward = ay - f.top > f.top + f.H - ay;
    if (w <= 0 || h <= 0) {
        w = f.left_x + f.W - ax;
        h = upward ? ay - f.top : f.top + f.H - ay;
        /* keep the picture's proportions inside the rest of the window */
        double r = std::min(w / iw, h / ih);
        w = iw * r;
        h = ih * r;
    }
    it.x = ax;
    it.y = upward ? ay - h : ay;
    it.x2 = w;
    it.y2 = h;
    it.image_w = iw;
    it.image_h = ih;
    it.image.assign(pix, pix + (size_t)iw * ih * 4);
    stbi_image_free(pix);
    L.item(it);
}

} /* namespace */

void Lay::graphic(const Oli_Block &b)
{
    double x0w = b.window[0], x1w = b.window[1], y0w = b.window[2], y1w = b.window[3];
    double W = std::fabs(x1w - x0w), H = std::fabs(y1w - y0w);
    double left_x = OLI_TEXT_LEFT + left;
    for (const std::string &c : b.captions)
        text_line(c, nullptr, left_x, OLI_TEXT_WIDTH - left - right, Oli_Style{7.0, 0.3, 0}, false);
    if (W < 1e-6 || H < 1e-6) {
        warn_once("window" + std::to_string(b.line), b.line,
                  "Grafik mit leerem Fenster \xC3\xBC"
                  "bersprungen");
        return;
    }
    /* A drawing taller than the text area starts a page of its own and may use the foot
  ** margin; only what is taller than that is cut. */
    double room = OLI_PAGE_H - 0.8 - OLI_BODY_TOP;
    double top;
    if (H > OLI_BODY_BOTTOM - OLI_BODY_TOP) {
        if (H > room)
            warn_once("tall" + std::to_string(b.line), b.line,
                      "Grafik h\xC3\xB6her als eine Seite: unten abgeschnitten");
        if (y > OLI_BODY_TOP + 0.05 || !out->pages[page].items.empty()) new_page();
        top = y;
    } else {
        top = place(left_x, left_x + W, H);
    }
    const Gr_Frame f{left_x, top, W, H, x0w, x1w, y0w, y1w};
    auto px = [&](double x) { return f.px(x); };
    auto py = [&](double y) { return f.py(y); };

    Oli_Item clip{};
    clip.kind = OLI_IT_CLIP;
    clip.x = left_x - 0.3;
    clip.y = top - 0.3;
    clip.x2 = W + 0.6;
    clip.y2 = H + 0.6;
    item(clip);

    Gr_State st, saved_draw, saved_col;
    auto line_item = [&](double xa, double ya, double xb, double yb) {
        Oli_Item it{};
        it.kind = OLI_IT_LINE;
        it.x = px(xa);
        it.y = py(ya);
        it.x2 = px(xb);
        it.y2 = py(yb);
        it.size = st.line_w;
        it.rgb = st.col50;
        it.dash = st.dash;
        item(it);
    };
    /* an area in the current filling: its colour and hatch from colour 51 */
    auto area_item = [&](Oli_Item &it) {
        it.fill = true;
        it.fill_rgb = fill_colour(st.fill, st.col51);
        it.pattern = st.fill > 0 ? st.fill : 0;
        it.rgb = hatch_colour(st.col51);
        item(it);
    };
    auto text_item = [&](double x, double y, const std::string &text, int word, double angle) {
        double size = std::max(st.text_h, 0.02) / 0.73 * OLI_CM_TO_PT;
        std::vector<Oli_Run> runs = Oli_Split_Runs(text, 0, false, &stats);
        double w = 0;
        for (const Oli_Run &r : runs)
            if (r.type == OLI_RUN_TEXT) w += Oli_Text_Width_Cm(r.utf8, size, r.face);
        double hc = st.text_h;
        double dx = 0, dy = 0; /* along the text and up from the base line */
        if (word & 2) dx = -w / 2;
        else if (word & 4) dx = -w;
        if (word & 16) dy = -hc / 2;
        else if (word & 32) dy = -hc;
        double a = angle * M_PI / 180.0;
        double bx = px(x) + dx * cos(a) - dy * sin(a);
        double by = py(y) - (dx * sin(a) + dy * cos(a));
        emit_runs(runs, bx, by, size, angle, st.col50);
    };

    for (const Oli_Gr_Element &e : b.elements) {
        const std::vector<double> &v = e.v;
        if (state_element(e, st, saved_draw, saved_col)) continue;
        switch (e.code) {
        case 1: line_item(v[0], v[1], v[2], v[3]); break;
        case 2: text_item(v[0], v[1], e.text, 0, 0.0); break;
        case 3: text_item(v[0], v[1], e.text, 0, st.angle); break;
        case 9:
        case 10: {
            int word = Oli_Int(v[4]);
            double angle = e.code == 10 ? st.angle : 0.0;
            if (word & 256) angle += 90.0;
            text_item(v[0], v[1], e.text, word, angle);
            break;
        }
        case 4:
        case 8:
        case 16:
        case 23:
        case 59:
        case 60:
        case 61:
        case 62: break;
        case 18: {
            int n = Oli_Int(v[0]);
            if (n < 3) break;
            Oli_Item it{};
            it.kind = OLI_IT_POLY;
            for (int k = 0; k < n; k++) {
                it.pts.push_back(px(v[1 + 2 * k]));
                it.pts.push_back(py(v[2 + 2 * k]));
            }
            area_item(it);
            break;
        }
        case 24: {
            double xa = px(v[0]), ya = py(v[1]), xb = px(v[2]), yb = py(v[3]);
            Oli_Item it{};
            it.kind = OLI_IT_RECT;
            it.x = std::min(xa, xb);
            it.y = std::min(ya, yb);
            it.x2 = std::fabs(xb - xa);
            it.y2 = std::fabs(yb - ya);
            area_item(it);
            break;
        }
        case 27: symbol_element(*this, f, st, e, b.line); break;
        case 75: picture_element(*this, f, e, b.line); break;
        default: break;
        }
    }
    Oli_Item unclip{};
    unclip.kind = OLI_IT_UNCLIP;
    item(unclip);
    note_written(left_x, left_x + W, top, top + H);
    y = top + H + 0.15;
}
