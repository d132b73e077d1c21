/*
** Page layout of the print-list viewer: places the blocks of a read print list on A4 pages
** (text area 17.0 cm wide from 2.5 cm), follows the page-layout commands (margins, moves,
** reserved space, stored positions, bookmarks) and turns paragraphs and tables into drawing
** items. Graphic blocks are laid out in oliview_graphic.cpp. Lengths in cm.
*/
#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/oliview_internal.h"
#include "platform/oliview_layout.h"

/* ---- text styles ---- */

Oli_Style Oli_Text_Style(int mode)
{
    /* Sizes chosen so that a line of 17 cm holds about as many characters as the writers
  ** count per style (106 for body text at 9 pt). */
    switch (mode) {
    case 0:
    case 1:
    case 6:
    case 7: return {9.0, 0.38, 0};
    case 2:
    case 10: return {6.0, 0.26, 0};
    case 3: return {7.0, 0.286, 0};
    case 4: return {10.0, 0.42, 0};
    case 5: return {13.0, 0.56, OLI_FACE_BOLD};
    case 8:
    case 9: return {7.5, 0.32, 0};
    default: return {10.0, 0.42, 0};
    }
}

/* ---- pages, boxes and positions ---- */

void Lay::warn_once(const std::string &key, int line, const std::string &text)
{
    if (!warned.insert(key).second) return;
    char head[32];
    snprintf(head, sizeof head, "Zeile %d: ", line);
    out->warnings.push_back(head + text);
}

void Lay::ensure_page()
{
    while ((int)out->pages.size() <= page) out->pages.emplace_back();
    while ((int)boxes.size() <= page) boxes.emplace_back();
}

void Lay::new_page()
{
    page++;
    y = OLI_BODY_TOP;
    ensure_page();
    flush_final(false);
}

void Lay::flush_final(bool at_end)
{
    if (sink == nullptr) return;
    /* the pages a later block may still write to: the present one, the lowest point written,
  ** the stored positions and the lowest points of the saved margins */
    int limit = std::min(page, low_page);
    for (const Slot &s : slots)
        if (s.used) limit = std::min(limit, s.page);
    for (const Saved_Margins &m : margin_stack) limit = std::min(limit, m.low_page);
    if (at_end) {
        /* a last empty page (after a closing move) is dropped */
        while (out->pages.size() > 1 && (int)out->pages.size() > flushed
               && out->pages.back().items.empty())
            out->pages.pop_back();
        limit = (int)out->pages.size();
    }
    while (flushed < limit) {
        /* an empty page goes out only once a later one has something: empty pages at the end are
    ** dropped */
        if (!at_end && out->pages[flushed].items.empty()) {
            bool later = false;
            for (size_t q = (size_t)flushed + 1; q < out->pages.size() && !later; q++)
                later = !out->pages[q].items.empty();
            if (!later) break;
        }
        sink(sink_user, flushed, out->pages[flushed]);
        out->pages[flushed] = Oli_Page();
        if (flushed < (int)boxes.size()) std::vector<Box>().swap(boxes[flushed]);
        flushed++;
    }
}

static bool later(int pa, double ya, int pb, double yb) { return pa > pb || (pa == pb && ya > yb); }

void Lay::note_written(double x1, double x2, double top, double bottom)
{
    ensure_page();
    boxes[page].push_back({x1, x2, top, bottom});
    if (later(page, bottom, low_page, low_y)) {
        low_page = page;
        low_y = bottom;
    }
    for (Saved_Margins &m : margin_stack)
        if (later(page, bottom, m.low_page, m.low_y)) {
            m.low_page = page;
            m.low_y = bottom;
        }
}

double Lay::place(double x1, double x2, double h)
{
    ensure_page();
    for (int pass = 0; pass < 2; pass++) {
        /* Nothing is drawn over what stands there already: move below it. */
        for (int guard = 0; guard < 1000; guard++) {
            bool moved = false;
            for (const Box &b : boxes[page]) {
                bool across = b.x1 < x2 - 0.02 && b.x2 > x1 + 0.02;
                bool down = b.top < y + h - 0.02 && b.bottom > y + 0.02;
                if (across && down) {
                    y = b.bottom;
                    moved = true;
                }
            }
            if (!moved) break;
        }
        if (y + h <= OLI_BODY_BOTTOM + 1e-6 || y <= OLI_BODY_TOP + 0.05) break;
        new_page();
    }
    return y;
}

void Lay::item(const Oli_Item &it)
{
    ensure_page();
    out->pages[page].items.push_back(it);
}

/* ---- text lines ---- */

namespace {

struct Atom {
    int type; /* OLI_RUN_TEXT (word or blanks), OLI_RUN_TAB, OLI_RUN_RULE/FILL */
    uint32_t fill_rgb;
    std::string utf8;
    int face;
    double w; /* cm */
    bool blank;
    bool joined; /* a word piece right after another (a subscript, a face change) */
    bool glue;   /* blanks between a number and its unit: no break there */
    double g[5];
};

/* A unit after a number ("kN", "N/mm2", "cm,", "°)"): the line never breaks between them. */
bool is_unit_word(std::string w)
{
    while (!w.empty() && strchr(",;:.)]", w.back())) w.pop_back();
    static const char *const units[] = {"kN",         "kNm",        "kNcm",         "N",
                                        "Nmm",        "N/mm",       "N/mm2",        "N/mm\xC2\xB2",
                                        "kN/m",       "kN/m2",      "mm",           "mm2",
                                        "mm\xC2\xB2", "cm",         "cm2",          "cm3",
                                        "cm4",        "cm\xC2\xB2", "cm\xC2\xB3",   "m",
                                        "m2",         "kg/m3",      "kg/m\xC2\xB3", "1/m",
                                        "1/cm",       "%",          "\xE2\x80\xB0", "\xC2\xB0"};
    for (const char *u : units)
        if (w == u) return true;
    return false;
}

/* Mark the pieces of words and the blanks that must not become line breaks. */
void mark_breaks(std::vector<Atom> &atoms)
{
    for (size_t k = 0; k < atoms.size(); k++) {
        Atom &a = atoms[k];
        if (a.type != OLI_RUN_TEXT) continue;
        const Atom *prev = k > 0 ? &atoms[k - 1] : nullptr;
        if (!a.blank) {
            a.joined = prev && prev->type == OLI_RUN_TEXT && !prev->blank;
            continue;
        }
        /* the word before the blanks and the word after them, each over all its pieces */
        std::string before, after;
        for (size_t b = k; b > 0 && atoms[b - 1].type == OLI_RUN_TEXT && !atoms[b - 1].blank; b--)
            before.insert(0, atoms[b - 1].utf8);
        for (size_t f = k + 1; f < atoms.size() && atoms[f].type == OLI_RUN_TEXT && !atoms[f].blank;
             f++)
            after += atoms[f].utf8;
        a.glue =
            (!before.empty() && before.back() >= '0' && before.back() <= '9' && is_unit_word(after))
            || before == "=" || after == "=";
    }
}

double atom_width(const std::string &utf8, double size, int face)
{
    return Oli_Text_Width_Cm(utf8, size, face);
}

/* Split runs into words and blank pieces (so that lines can break between them). */
std::vector<Atom> atoms_of(const std::vector<Oli_Run> &runs, double size)
{
    std::vector<Atom> out;
    for (const Oli_Run &r : runs) {
        if (r.type != OLI_RUN_TEXT) {
            Atom a{};
            a.type = r.type;
            a.face = r.face;
            a.fill_rgb = r.fill_rgb;
            memcpy(a.g, r.g, sizeof a.g);
            out.push_back(a);
            continue;
        }
        size_t i = 0;
        const std::string &t = r.utf8;
        while (i < t.size()) {
            bool blank = t[i] == ' ';
            size_t j = i;
            while (j < t.size() && (t[j] == ' ') == blank) j++;
            Atom a{};
            a.type = OLI_RUN_TEXT;
            a.utf8 = t.substr(i, j - i);
            a.face = r.face;
            a.blank = blank;
            a.w = atom_width(a.utf8, size, r.face);
            out.push_back(a);
            i = j;
        }
    }
    return out;
}

/* Next tab stop (cm from the paragraph's left) after x for the n-th tab of the line. */
double next_tab(const Oli_Para_Section *s, int n, double x)
{
    if (s && s->tab_count == -1 && !s->tabs.empty() && s->tabs[0] > 0.05) {
        double step = s->tabs[0];
        return (std::floor(x / step + 1e-9) + 1) * step;
    }
    if (s && s->tab_count > 0) {
        if (n < (int)s->tabs.size() && s->tabs[n] > x + 0.02) return s->tabs[n];
        for (double t : s->tabs)
            if (t > x + 0.02) return t;
        return x + 0.2;
    }
    double step = 1.25;
    return (std::floor(x / step + 1e-9) + 1) * step;
}

} /* namespace */

/* Emit the text items of runs along one base line starting at (x, y) (cm, page), turned by
** angle degrees; answers the advance in cm. */
double Lay::emit_runs(const std::vector<Oli_Run> &runs, double x, double y, double size,
                      double angle, uint32_t rgb)
{
    double a = angle * M_PI / 180.0, ca = cos(a), sa = sin(a);
    double adv = 0;
    double size_cm = size / OLI_CM_TO_PT;
    for (const Oli_Run &r : runs) {
        if (r.type != OLI_RUN_TEXT || r.utf8.empty()) continue;
        double shift = 0; /* up on the paper */
        if (r.face & OLI_FACE_SUB) shift = -OLI_SUB_DROP * size_cm;
        if (r.face & OLI_FACE_SUP) shift = OLI_SUP_RISE * size_cm;
        Oli_Item it{};
        it.kind = OLI_IT_TEXT;
        it.x = x + adv * ca - shift * sa;
        it.y = y - adv * sa - shift * ca;
        it.size = size;
        it.angle = angle;
        it.face = r.face;
        it.rgb = rgb;
        it.text = r.utf8;
        item(it);
        adv += Oli_Text_Width_Cm(r.utf8, size, r.face);
    }
    return adv;
}

void Lay::text_line(const std::string &bytes, const Oli_Para_Section *s, double x0, double width,
                    Oli_Style st, bool plain)
{
    std::vector<Oli_Run> runs = Oli_Split_Runs(bytes, st.face, plain, &stats);
    std::vector<Atom> atoms = atoms_of(runs, st.size_pt);
    mark_breaks(atoms);
    double lh = st.line_cm;
    if (width < 2.0) width = 2.0;
    /* the text is broken into lines first, so that a paragraph's first line does not stand alone
    ** at the foot of a page, nor its last alone at the top of the next */
    struct Line {
        std::vector<std::pair<const Atom *, double>> placed; /* atom, x */
        double used;
    };
    std::vector<Line> lines;
    size_t i = 0;
    bool first = true;
    do {
        /* gather one output line */
        std::vector<std::pair<const Atom *, double>> placed; /* atom, x */
        double x = 0;
        int tabs = 0;
        size_t j = i;
        if (!first)
            while (j < atoms.size() && atoms[j].type == OLI_RUN_TEXT && atoms[j].blank) j++;
        bool any = false;
        for (; j < atoms.size(); j++) {
            const Atom &a = atoms[j];
            if (a.type == OLI_RUN_TAB) {
                x = next_tab(s, tabs++, x);
                continue;
            }
            if (a.type != OLI_RUN_TEXT) {
                placed.push_back({&a, x});
                continue;
            }
            /* a line breaks only before a word, and only where no unit is glued to its number and
      ** no "=" to what it joins ("|Nd| = 220.00 kN"): the whole stretch up to the next such
      ** place must fit. A glued stretch longer than a line breaks before the word that no
      ** longer fits. */
            if (!a.blank && any && !a.joined) {
                const bool glued = j > 0 && atoms[j - 1].glue;
                double stretch = a.w;
                for (size_t k = j + 1; k < atoms.size() && atoms[k].type == OLI_RUN_TEXT; k++) {
                    const Atom &b = atoms[k];
                    if (b.blank && (glued || !b.glue)) break;
                    stretch += b.w;
                }
                if (x + stretch > width + 1e-6) break;
            }
            placed.push_back({&a, x});
            x += a.w;
            if (!a.blank) any = true;
        }
        i = j;
        first = false;
        double used = 0;
        for (auto &p : placed)
            if (p.first->type == OLI_RUN_TEXT && !p.first->blank)
                used = std::max(used, p.second + p.first->w);
        lines.push_back({std::move(placed), used});
    } while (i < atoms.size());

    for (size_t li = 0; li < lines.size(); li++) {
        const std::vector<std::pair<const Atom *, double>> &placed = lines[li].placed;
        const double used = lines[li].used;
        const bool keep = lines.size() >= 2 && (li == 0 || li + 2 == lines.size());
        if (keep && y > OLI_BODY_TOP + 0.05 && y + lh <= OLI_BODY_BOTTOM + 1e-6
            && y + 2 * lh > OLI_BODY_BOTTOM + 1e-6)
            new_page();
        double top = place(x0, x0 + std::max(used, 0.01), lh);
        double base = top + lh * 0.76;
        double size_cm = st.size_pt / OLI_CM_TO_PT;
        for (auto &p : placed) {
            const Atom &a = *p.first;
            if (a.type == OLI_RUN_RULE || a.type == OLI_RUN_FILL) {
                double gx1 = a.g[1], gx2 = a.g[2];
                double l = x0, r = x0 + width;
                if (!(gx1 == -1 && gx2 == -1)) {
                    l = x0 + gx1;
                    r = x0 + gx2;
                }
                double f1 = std::clamp(a.g[3], 0.0, 1.0), f2 = std::clamp(a.g[4], 0.0, 1.0);
                if (a.type == OLI_RUN_RULE) {
                    Oli_Item it{};
                    it.kind = OLI_IT_LINE;
                    it.x = l;
                    it.y = top + f1 * lh;
                    it.x2 = r;
                    it.y2 = top + f2 * lh;
                    it.size = 0.02;
                    it.rgb = 0;
                    item(it);
                } else {
                    if (a.g[3] == -1 && a.g[4] == -1) f1 = 0, f2 = 1;
                    Oli_Item it{};
                    it.kind = OLI_IT_RECT;
                    it.x = l;
                    it.y = top + std::min(f1, f2) * lh;
                    it.x2 = r - l;
                    it.y2 = std::fabs(f2 - f1) * lh;
                    it.fill = true;
                    it.fill_rgb = a.fill_rgb;
                    out->pages[page].items.insert(out->pages[page].items.begin(), it);
                }
                continue;
            }
            if (a.blank) continue;
            std::vector<Oli_Run> one(1);
            one[0].type = OLI_RUN_TEXT;
            one[0].face = a.face;
            one[0].utf8 = a.utf8;
            emit_runs(one, x0 + p.second, base, st.size_pt, 0.0, 0);
            if (a.face & OLI_FACE_UNDER) {
                Oli_Item u{};
                u.kind = OLI_IT_LINE;
                u.x = x0 + p.second;
                u.x2 = x0 + p.second + a.w;
                u.y = u.y2 = base + 0.12 * size_cm;
                u.size = 0.015;
                item(u);
            }
        }
        if (used > 0) note_written(x0, x0 + used, top, top + lh);
        y = top + lh;
    }
}

/* The advance of a paragraph line as text_line places it on one line, its blanks at both ends
** included. */
double Oli_Para_Line_Width_Cm(const std::string &cp850, int32_t mode)
{
    const Oli_Style st = Oli_Text_Style(mode);
    const std::vector<Atom> atoms =
        atoms_of(Oli_Split_Runs(cp850, st.face, false, nullptr), st.size_pt);
    double x = 0;
    int tabs = 0;
    for (const Atom &a : atoms) {
        if (a.type == OLI_RUN_TAB) x = next_tab(nullptr, tabs++, x);
        else if (a.type == OLI_RUN_TEXT) x += a.w;
    }
    return x;
}

/* ---- paragraphs ---- */

void Lay::paragraph(const Oli_Block &b)
{
    /* the room the block takes (cm), its last line's height and whether it ends with a colon */
    double h = 0, last_lh = 0;
    std::string last;
    for (const Oli_Para_Section &s : b.sections) {
        Oli_Style st = Oli_Text_Style(s.mode);
        double width = std::max(2.0, OLI_TEXT_WIDTH - left - right - s.indent);
        h += s.offset + s.space_after;
        for (const std::string &l : s.lines) {
            last = Oli_Plain_Utf8(l);
            double w = Oli_Text_Width_Cm(last, st.size_pt * s.factor, st.face);
            h += std::max(1.0, std::ceil(w / width)) * st.line_cm * s.factor;
            last_lh = st.line_cm * s.factor;
        }
    }
    while (!last.empty() && (last.back() == ' ' || last.back() == '\n')) last.pop_back();
    /* a block that must stay on one page goes as a whole onto the next page when it does not fit;
    ** a text that introduces what follows (it ends with a colon) goes there with room for the
    ** first line of what follows */
    double need = flags == 0x200 ? h : (!last.empty() && last.back() == ':' ? h + last_lh : 0);
    if (need > 0 && y + need > OLI_BODY_BOTTOM && need <= OLI_BODY_BOTTOM - OLI_BODY_TOP
        && y > OLI_BODY_TOP + 0.05)
        new_page();
    for (const Oli_Para_Section &s : b.sections) {
        Oli_Style st = Oli_Text_Style(s.mode);
        st.size_pt *= s.factor;
        st.line_cm *= s.factor;
        if (s.offset != 0) move(s.offset);
        double x0 = OLI_TEXT_LEFT + left + s.indent;
        double width = OLI_TEXT_WIDTH - left - right - s.indent;
        for (const std::string &l : s.lines) text_line(l, &s, x0, width, st, false);
        if (s.space_after != 0) move(s.space_after);
    }
}

/* A numbered heading goes onto the next page together with the room that the blocks after it
** reserve, so that it does not stand alone at the foot of a page. */
void Lay::keep_heading_with_next(const Oli_Block &b, double reserve)
{
    double h = 0;
    bool heading = false;
    for (const Oli_Para_Section &s : b.sections) {
        h += s.lines.size() * Oli_Text_Style(s.mode).line_cm * s.factor + s.offset + s.space_after;
        for (const std::string &l : s.lines)
            if (l.find("\xCE@") != std::string::npos) heading = true;
    }
    if (!heading) return;
    if (reserve > 0 && y + h + reserve > OLI_BODY_BOTTOM
        && h + reserve <= OLI_BODY_BOTTOM - OLI_BODY_TOP && y > OLI_BODY_TOP + 0.05)
        new_page();
}

void Lay::move(double d)
{
    y += d;
    if (y < OLI_BODY_TOP) y = OLI_BODY_TOP;
    if (y > OLI_BODY_BOTTOM) new_page();
}

/* ---- tables ---- */

namespace {

const double TABLE_PITCH = OLI_TEXT_WIDTH / 106.0; /* cm per character of a table */
const double TABLE_FONT_PT = 8.0;
const double ROW_CM = 0.36;
const double THIN_ROW_CM = 0.14;

struct VChar {
    std::string utf8;
    char byte;
    int face;
};

struct Row {
    std::vector<VChar> chars;
    std::vector<Oli_Run> groups;
    bool only_rule;
};

Row parse_row(const std::string &line, bool plain, Oli_Run_Stats *stats)
{
    Row r{};
    for (const Oli_Run &run : Oli_Split_Runs(line, 0, plain, stats)) {
        if (run.type == OLI_RUN_TEXT) {
            for (char byte : run.bytes) {
                VChar v;
                v.byte = byte;
                v.face = run.face;
                /* the UTF-8 of one byte */
                std::string one;
                Oli_Append_Utf8(&one, Oli_Print_Font_Codepoint((unsigned char)byte));
                v.utf8 = one;
                r.chars.push_back(v);
            }
        } else if (run.type == OLI_RUN_TAB) {
            r.chars.push_back({" ", ' ', run.face});
        } else {
            r.groups.push_back(run);
        }
    }
    bool text = false;
    for (const VChar &v : r.chars)
        if (v.byte != ' ') text = true;
    r.only_rule = !text && !r.groups.empty();
    while (!r.chars.empty() && r.chars.back().byte == ' ') r.chars.pop_back();
    return r;
}

bool numeric_run(const std::string &s)
{
    if (s == "n.e." || s == "auto" || s == "---" || s == "-") return true;
    if (s.compare(0, 2, "l/") == 0) return true;
    bool digit = false;
    for (size_t i = 0; i < s.size(); i++) {
        char c = s[i];
        if (c >= '0' && c <= '9') digit = true;
        else if (c == '.' || c == ',' || c == '%') continue;
        else if ((c == '-' || c == '+') && (i == 0 || s[i - 1] == 'e' || s[i - 1] == 'E')) continue;
        else if ((c == 'e' || c == 'E') && digit) continue;
        else return false;
    }
    return digit;
}

} /* namespace */

void Lay::table_row(const std::string &line, const Oli_Block &b, double x0, double wcm, bool header,
                    double h)
{
    Row r = parse_row(line, b.conversion, &stats);
    const double PITCH = table_pitch, TABLE_PT = table_pt;
    double top = y;
    std::vector<double> seps = b.seps;
    std::sort(seps.begin(), seps.end());
    /* vertical separators */
    for (double s : seps) {
        Oli_Item it{};
        it.kind = OLI_IT_LINE;
        it.x = it.x2 = x0 + (s + 0.5) * PITCH;
        it.y = top;
        it.y2 = top + h;
        it.size = 0.01;
        it.rgb = 0x808080;
        item(it);
    }
    double base = top + h * 0.72;
    /* segments between separators, runs of text separated by two or more blanks */
    std::vector<int> bounds;
    bounds.push_back(0);
    /* a text that runs through a separator's place stays one piece */
    for (double s : seps) {
        if (!(s > -0.5)) continue; /* no place left of the first character */
        int at = (int)std::lround(std::min(s, 1e6));
        if (at >= (int)r.chars.size() || r.chars[at].byte == ' ') bounds.push_back(at);
    }
    bounds.push_back(std::max<int>((int)r.chars.size(), bounds.back()) + 1);
    double last_right = -1e9;
    for (size_t k = 0; k + 1 < bounds.size(); k++) {
        int a = bounds[k] + (k > 0 ? 1 : 0), e = std::min<int>(bounds[k + 1], (int)r.chars.size());
        std::vector<std::pair<int, int>> pieces;
        int i = a;
        while (i < e) {
            while (i < e && r.chars[i].byte == ' ') i++;
            if (i >= e) break;
            int j = i;
            while (j < e) {
                if (r.chars[j].byte == ' ' && (j + 1 >= e || r.chars[j + 1].byte == ' ')) break;
                j++;
            }
            pieces.push_back({i, j});
            i = j;
        }
        for (const auto &p : pieces) {
            std::vector<Oli_Run> runs;
            std::string ascii;
            for (int c = p.first; c < p.second; c++) {
                const VChar &v = r.chars[c];
                if (runs.empty() || runs.back().face != v.face) {
                    Oli_Run run{};
                    run.type = OLI_RUN_TEXT;
                    run.face = v.face;
                    runs.push_back(run);
                }
                runs.back().utf8 += v.utf8;
                ascii.push_back(v.byte);
            }
            double w = 0;
            for (const Oli_Run &run : runs) w += Oli_Text_Width_Cm(run.utf8, TABLE_PT, run.face);
            double x;
            if (header && pieces.size() == 1 && !seps.empty()) {
                double lo = x0 + (bounds[k] + (k > 0 ? 1 : 0)) * PITCH,
                       hi = x0 + bounds[k + 1] * PITCH;
                if (k + 2 == bounds.size()) hi = x0 + wcm;
                x = (lo + hi - w) / 2;
            } else if (numeric_run(ascii)) {
                x = x0 + p.second * PITCH - w;
            } else {
                x = x0 + p.first * PITCH;
            }
            if (x < last_right + 0.04) x = last_right + 0.04;
            emit_runs(runs, x, base, TABLE_PT, 0.0, 0);
            for (const Oli_Run &run : runs) {
                double rw = Oli_Text_Width_Cm(run.utf8, TABLE_PT, run.face);
                if (run.face & OLI_FACE_UNDER) {
                    Oli_Item u{};
                    u.kind = OLI_IT_LINE;
                    u.x = x;
                    u.x2 = x + rw;
                    u.y = u.y2 = base + 0.05;
                    u.size = 0.012;
                    item(u);
                }
                x += rw;
            }
            last_right = x;
        }
    }
    for (const Oli_Run &g : r.groups) {
        double l = x0, rr = x0 + wcm;
        if (!(g.g[1] == -1 && g.g[2] == -1)) {
            l = x0 + g.g[1];
            rr = x0 + g.g[2];
        }
        double f1 = std::clamp(g.g[3], 0.0, 1.0), f2 = std::clamp(g.g[4], 0.0, 1.0);
        Oli_Item it{};
        if (g.type == OLI_RUN_RULE) {
            it.kind = OLI_IT_LINE;
            it.x = l;
            it.x2 = rr;
            it.y = top + f1 * h;
            it.y2 = top + f2 * h;
            it.size = r.only_rule ? 0.01 : 0.015;
            item(it);
        } else {
            if (g.g[3] == -1 && g.g[4] == -1) f1 = 0, f2 = 1;
            it.kind = OLI_IT_RECT;
            it.x = l;
            it.y = top + std::min(f1, f2) * h;
            it.x2 = rr - l;
            it.y2 = std::fabs(f2 - f1) * h;
            it.fill = true;
            it.fill_rgb = g.fill_rgb;
            out->pages[page].items.insert(out->pages[page].items.begin(), it);
        }
    }
    y = top + h;
}

/* Rule across the table (cm width). */
void Lay::table_rule(double x0, double wcm, double at, double width)
{
    Oli_Item it{};
    it.kind = OLI_IT_LINE;
    it.x = x0;
    it.x2 = x0 + wcm;
    it.y = it.y2 = at;
    it.size = width;
    item(it);
}

void Lay::table(const Oli_Block &b)
{
    double x0 = OLI_TEXT_LEFT + left;
    double width = OLI_TEXT_WIDTH - left - right;
    /* The title lines stay with the table's head and first rows. */
    double keep = 0;
    for (int k = 0; k < 3; k++) keep += b.titles[k].size() * (k == 0 ? 0.5 : k == 1 ? 0.4 : 0.3);
    if (b.has_layout) keep += std::min<size_t>(b.rows.size(), 4) * ROW_CM;
    if (keep > 0) place(x0, x0 + width, std::min(keep, OLI_BODY_BOTTOM - OLI_BODY_TOP));
    /* title lines: a title, captions, small lines */
    for (int k = 0; k < 3; k++)
        for (size_t i = 0; i < b.titles[k].size(); i++) {
            Oli_Style st = k == 0   ? Oli_Style{11.0, 0.5, OLI_FACE_BOLD}
                           : k == 1 ? Oli_Style{9.0, 0.4, i == 0 ? OLI_FACE_BOLD : 0}
                                    : Oli_Style{7.0, 0.3, 0};
            text_line(b.titles[k][i], nullptr, x0, width, st, b.conversion);
        }
    /* A "#SHOWTABLE" block leaves room below it; the writers move back up into that room where
  ** they want the next block closer (never over what was written). */
    const double after = 0.4;
    if (!b.has_layout) {
        move(after);
        return;
    }
    const int64_t head = (int64_t)b.head_lines + b.unit_line;
    size_t nhead = b.plain || head < 0 ? 0 : (size_t)head;
    if (nhead > b.rows.size()) nhead = b.rows.size();
    /* table width in characters */
    size_t chars = 0;
    for (const std::string &l : b.rows) {
        Row r = parse_row(l, b.conversion, nullptr);
        chars = std::max(chars, r.chars.size());
    }
    for (double s : b.seps) chars = std::max(chars, (size_t)std::clamp(s, 0.0, 1e6) + 1);
    /* a table wider than the text area is set smaller (down to half the size) to fit */
    double shrink =
        chars > 0 ? std::clamp(std::max(width, 2.0) / (chars * TABLE_PITCH), 0.5, 1.0) : 1.0;
    table_pitch = TABLE_PITCH * shrink;
    table_pt = TABLE_FONT_PT * shrink;
    double wcm = chars * table_pitch;
    bool framed = nhead > 0;
    double row_h = b.plain ? 0.34 : ROW_CM;
    auto header = [&]() {
        if (!framed) return;
        double top = y;
        Oli_Item bg{};
        bg.kind = OLI_IT_RECT;
        bg.x = x0;
        bg.y = top;
        bg.x2 = wcm;
        bg.y2 = nhead * row_h;
        bg.fill = true;
        bg.fill_rgb = 0xECECEC;
        item(bg);
        table_rule(x0, wcm, top, 0.025);
        for (size_t i = 0; i < nhead; i++) table_row(b.rows[i], b, x0, wcm, true, row_h);
        table_rule(x0, wcm, y, 0.015);
    };
    size_t first_rows = std::min<size_t>(2, b.rows.size() - nhead);
    double top = place(x0, x0 + wcm, (nhead + first_rows) * row_h);
    double seg_top = top;
    header();
    for (size_t i = nhead; i < b.rows.size(); i++) {
        Row r = parse_row(b.rows[i], b.conversion, nullptr);
        double h = r.only_rule ? THIN_ROW_CM : row_h;
        if (y + h > OLI_BODY_BOTTOM + 1e-6) {
            if (framed) table_rule(x0, wcm, y, 0.025);
            note_written(x0, x0 + wcm, seg_top, y);
            new_page();
            seg_top = place(x0, x0 + wcm, (nhead + 1) * row_h);
            header();
        }
        table_row(b.rows[i], b, x0, wcm, false, h);
    }
    if (framed) table_rule(x0, wcm, y, 0.025);
    note_written(x0, x0 + wcm, seg_top, y + 0.1);
    move(after);
}

/* ---- commands ---- */

void Lay::command(const Oli_Block &b)
{
    const std::vector<double> &n = b.nums;
    switch (b.command) {
    case OLI_CMD_SETFLAGS: flags = Oli_Flags(n[0]); break;
    case OLI_CMD_SETLAYOUT:
        if (Oli_Int(n[0]) != 4115)
            warn_once("layout", b.line,
                      "Seitenlayout " + std::to_string(Oli_Int(n[0]))
                          + " unbekannt: A4 hoch verwendet");
        break;
    case OLI_CMD_MARGINS:
        left = std::clamp(n[1], -OLI_TEXT_LEFT, OLI_TEXT_WIDTH + 1.0);
        right = std::clamp(n[2], 0.0, OLI_TEXT_WIDTH);
        break;
    case OLI_CMD_YPOSITION:
        if (Oli_Int(n[0]) == 1) {
            move(n[1]);
        } else if (Oli_Int(n[0]) == 4) {
            if (later(low_page, low_y, page, y)) {
                page = low_page;
                y = low_y;
                ensure_page();
            }
        } else {
            warn_once("ymode", b.line,
                      "unbekannte Positionierungsart " + std::to_string(Oli_Int(n[0])));
        }
        break;
    case OLI_CMD_RESERVE:
        if (y + n[0] > OLI_BODY_BOTTOM && y > OLI_BODY_TOP + 0.05) new_page();
        break;
    case OLI_CMD_BOOKMARK: {
        int kind = Oli_Int(n[0]);
        if (kind == 15) break;
        if (kind != 0 && kind != 16 && kind != 17) {
            warn_once("bookmark", b.line, "unbekannte Lesezeichenart " + std::to_string(kind));
            break;
        }
        Oli_Bookmark m;
        m.kind = kind;
        m.text = Oli_Plain_Utf8(b.text);
        m.page = page;
        m.y = y;
        out->bookmarks.push_back(m);
        break;
    }
    case OLI_CMD_STOREY: {
        int s = Oli_Int(n[0]);
        if (s < 0 || s > 9) {
            warn_once("slot", b.line, "unzul\xC3\xA4ssiger Positionsspeicher");
            break;
        }
        slots[s] = {true, page, y};
        low_page = page;
        low_y = y;
        break;
    }
    case OLI_CMD_RESTOREY: {
        int s = Oli_Int(n[0]);
        if (s < 0 || s > 9 || !slots[s].used) {
            warn_once("restore", b.line, "Position nicht gespeichert");
            break;
        }
        page = slots[s].page;
        y = slots[s].y;
        ensure_page();
        break;
    }
    case OLI_CMD_PUSHMARGINS:
        if (margin_stack.size() < 100) margin_stack.push_back({left, right, page, y});
        break;
    case OLI_CMD_POPMARGINS: {
        if (margin_stack.empty()) {
            warn_once("pop", b.line,
                      "R\xC3\xA4nder ohne Sicherung zur\xC3\xBC"
                      "ckgesetzt");
            break;
        }
        Saved_Margins m = margin_stack.back();
        margin_stack.pop_back();
        left = m.left;
        right = m.right;
        if ((Oli_Flags(n[0]) & 0x100000) && later(m.low_page, m.low_y, page, y)) {
            page = m.low_page;
            y = m.low_y;
            ensure_page();
        }
        break;
    }
    default: break;
    }
}

/* ---- the document ---- */

void Lay::block(const Oli_Block &b)
{
    switch (b.kind) {
    case OLI_BLK_CONTENTS: break;
    case OLI_BLK_NEWPAGE:
        if (!out->pages[page].items.empty() || y > OLI_BODY_TOP + 0.05) new_page();
        break;
    case OLI_BLK_PARA: paragraph(b); break;
    case OLI_BLK_TABLE: table(b); break;
    case OLI_BLK_GRAPHIC:
    case OLI_BLK_PICTURE: graphic(b); break;
    case OLI_BLK_COMMAND: command(b); break;
    default: break;
    }
}

/* The room the command blocks from `from` on reserve, up to the first other block. */
static double reserve_after(const std::vector<Oli_Block> &blocks, size_t from)
{
    double reserve = 0;
    for (size_t j = from; j < blocks.size() && blocks[j].kind == OLI_BLK_COMMAND; j++)
        if (blocks[j].command == OLI_CMD_RESERVE) reserve = std::max(reserve, blocks[j].nums[0]);
    return reserve;
}

static void finish_warnings(const Lay &L, Oli_Layout *layout)
{
    if (L.stats.unknown_escapes)
        layout->warnings.push_back(std::to_string(L.stats.unknown_escapes)
                                   + " unbekannte Steuerzeichen \xC3\xBC"
                                     "bergangen");
    if (L.stats.bad_groups)
        layout->warnings.push_back(std::to_string(L.stats.bad_groups)
                                   + " unlesbare Zeichengruppen \xC3\xBC"
                                     "bergangen");
}

void Oli_Layout_Document(const Oli_Document *doc, Oli_Layout *layout)
{
    *layout = Oli_Layout();
    if (doc == nullptr) return;
    layout->warnings = doc->warnings;
    layout->title = Oli_Plain_Utf8(doc->title);
    Lay L;
    L.out = layout;
    L.folder = doc->folder;
    L.ensure_page();
    for (size_t i = 0; i < doc->blocks.size(); i++) {
        const Oli_Block &b = doc->blocks[i];
        if (b.kind == OLI_BLK_PARA) L.keep_heading_with_next(b, reserve_after(doc->blocks, i + 1));
        L.block(b);
    }
    finish_warnings(L, layout);
    /* a last empty page (after a closing move) is dropped */
    while (layout->pages.size() > 1 && layout->pages.back().items.empty()) layout->pages.pop_back();
}

void Oli_Layout_Stream(Oli_Reader *reader, Oli_Layout *layout,
                       void (*sink)(void *, int, Oli_Page &), void *user, const bool *stop)
{
    *layout = Oli_Layout();
    const Oli_Document *head = Oli_Reader_Document(reader);
    if (head == nullptr) return;
    Lay L;
    L.out = layout;
    L.folder = head->folder;
    L.sink = sink;
    L.sink_user = user;
    L.ensure_page();
    /* the blocks read ahead: a heading looks at the commands after it */
    std::vector<Oli_Block> ahead;
    size_t next = 0;
    auto have = [&](size_t n) {
        while (ahead.size() - next < n) {
            Oli_Block b;
            if (!Oli_Reader_Next(reader, &b)) return false;
            ahead.push_back(std::move(b));
        }
        return true;
    };
    while (have(1)) {
        if (next > 64) {
            ahead.erase(ahead.begin(), ahead.begin() + (long)next);
            next = 0;
        }
        const Oli_Block b = std::move(ahead[next++]);
        if (b.kind == OLI_BLK_PARA) {
            for (size_t k = 1; have(k) && ahead[next + k - 1].kind == OLI_BLK_COMMAND; k++) {}
            L.keep_heading_with_next(b, reserve_after(ahead, next));
        }
        L.block(b);
        L.flush_final(false);
        if (stop != nullptr && *stop) return;
    }
    L.flush_final(true);
    /* the reader's warnings first, as the whole list's layout gives them */
    std::vector<std::string> own;
    own.swap(layout->warnings);
    layout->warnings = head->warnings;
    layout->warnings.insert(layout->warnings.end(), own.begin(), own.end());
    finish_warnings(L, layout);
    layout->title = Oli_Plain_Utf8(head->title);
}
