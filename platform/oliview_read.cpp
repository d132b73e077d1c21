/*
** Reader of the print list for the viewer: turns the lines of a print list into blocks
** (contents, page breaks, paragraphs, tables, graphics, pictures, page-layout commands).
** Every count and length is checked; what cannot be read is skipped with a warning.
*/
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "platform/oliview.h"
#include "platform/runtime.h"

namespace {

/* ---- line cursor ---- */

/* The lines of the text one after the other: pos counts them (it only grows), peek gives the
** line at pos without its line end, found when first asked for. The text is either all in
** memory, or read from a file a piece at a time: then only the pieces from the line at pos on
** are held, so that a list of any length costs the same memory. */
struct Cursor {
    /* the text held: bytes base_off .. base_off + base_len of the whole; complete when its end
  ** is known (always for a text in memory) */
    const char *base = nullptr;
    size_t base_off = 0, base_len = 0;
    bool complete = true;
    /* reading from a file */
    FILE *file = nullptr;
    std::string window;   /* the bytes held of the file */
    size_t chunk = 65536; /* bytes read at a time */
    size_t total = 0;     /* bytes read from the file so far */
    bool read_failed = false;
    size_t pos = 0;
    Oli_Document *doc = nullptr;
    std::set<std::string> warned; /* one warning per kind of unknown record */
    /* the line last found: its number, start and end, and whether it is the text's end */
    size_t at_line = 0, at_start = 0, at_end = 0;
    bool at_valid = false, at_nl = false, at_eof = false;
    std::string line;

    /* Read the next piece of the file, dropping what lies before keep. */
    void read_more(size_t keep)
    {
        if (keep > base_off) {
            size_t drop = std::min(keep - base_off, window.size());
            window.erase(0, drop);
            base_off += drop;
        }
        size_t had = window.size();
        window.resize(had + chunk);
        size_t n = fread(&window[had], 1, chunk, file);
        window.resize(had + n);
        total += n;
        /* a file beyond 512 MB is read up to there, as it was when read whole */
        if (n == 0 || total > (512u << 20)) {
            complete = true;
            read_failed = ferror(file) != 0;
        }
        base = window.data();
        base_len = window.size();
    }
    /* The end of the line that starts at from (the offset of its '\n', or of the text's end);
  ** *nl tells whether a '\n' ends it. */
    size_t line_end(size_t from, bool *nl)
    {
        size_t searched = from;
        for (;;) {
            const size_t held_end = base_off + base_len;
            if (searched < held_end) {
                const char *p =
                    (const char *)memchr(base + (searched - base_off), '\n', held_end - searched);
                if (p) {
                    *nl = true;
                    return base_off + (size_t)(p - base);
                }
                searched = held_end;
            }
            if (complete) {
                *nl = false;
                return std::max(from, held_end);
            }
            read_more(from);
        }
    }
    /* Back to the first line (a file is read again from its start). */
    void restart()
    {
        at_line = 0;
        at_start = 0;
        if (file && base_off > 0) {
            rewind(file);
            window.clear();
            base_off = base_len = total = 0;
            base = window.data();
            complete = false;
        }
    }

    /* Find line pos (0-based) from the one found last. */
    void sync()
    {
        if (at_valid && at_line == pos) return;
        if (!at_valid || at_line > pos) {
            restart();
        } else {
            at_start = at_nl ? at_end + 1 : at_end;
            at_line++;
        }
        for (;;) {
            at_end = line_end(at_start, &at_nl);
            at_eof = !at_nl && at_start >= at_end;
            if (at_line == pos || at_eof) break;
            at_start = at_nl ? at_end + 1 : at_end;
            at_line++;
        }
        at_valid = true;
        line.assign(base + (at_start - base_off), at_end - at_start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
    }
    bool eof()
    {
        sync();
        return at_eof;
    }
    const std::string &peek()
    {
        sync();
        return line;
    }
    int lineno() const { return (int)pos + 1; }
    void warn(int line_no, const std::string &what)
    {
        char head[32];
        snprintf(head, sizeof head, "Zeile %d: ", line_no);
        doc->warnings.push_back(head + what);
    }
    void warn_once(const std::string &key, int line_no, const std::string &what)
    {
        if (warned.insert(key).second) warn(line_no, what);
    }
};

/* A keyword line that starts a block or command (ends a text part that lost its end). */
bool starts_block(const std::string &l)
{
    static const char *keys[] = {"#SHOWPARA", "#SHOWTABLE", "#SHOWGRAFIC",
                                 "#NEWPAGE",  "#CONTENTS",  "#OLI_"};
    for (const char *k : keys)
        if (l.compare(0, strlen(k), k) == 0) return true;
    return false;
}

std::string trim(const std::string &s)
{
    size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

/* A number of the file as a 32-bit integer: truncated toward zero and held to the range of
** int32_t (a damaged file may give any value; a plain cast would be undefined). */
int32_t as_i32(double v)
{
    if (!(v == v)) return 0;
    if (v >= 2147483647.0) return INT32_MAX;
    if (v <= -2147483648.0) return INT32_MIN;
    return (int32_t)v;
}

/* A number of the file as 32 flag bits: 0..0xFFFFFFFF as it stands, a negative value as its
** two's complement (-1 all bits), anything beyond either range held to its end. */
uint32_t as_u32(double v)
{
    if (v >= 0.0) return v >= 4294967295.0 ? 0xFFFFFFFFu : (uint32_t)v;
    return static_cast<uint32_t>(as_i32(v));
}

/* Numbers of a line (decimal or 0x hexadecimal); stops at the first token that is none. */
std::vector<double> numbers(const std::string &l, size_t max = 4096)
{
    std::vector<double> out;
    const char *p = l.c_str();
    while (*p && out.size() < max) {
        while (*p == ' ' || *p == '\t') p++;
        if (!*p) break;
        char *end = nullptr;
        double v;
        if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
            errno = 0;
            unsigned long long u = strtoull(p + 2, &end, 16);
            if (end == p + 2 || errno) break;
            v = (double)u;
        } else {
            v = strtod(p, &end);
            if (end == p || !std::isfinite(v)) break;
        }
        out.push_back(v);
        p = end;
    }
    return out;
}

bool all_numbers(const std::string &l)
{
    std::string t = trim(l);
    if (t.empty()) return false;
    std::vector<double> n = numbers(t);
    /* count tokens */
    size_t tokens = 0;
    bool in = false;
    for (char c : t) {
        if (c != ' ' && c != '\t' && !in) tokens++;
        in = c != ' ' && c != '\t';
    }
    return n.size() == tokens;
}

/* Text between « and » (0xAE, 0xAF) of a line; found is false without both. */
std::string guillemet(const std::string &l, bool *found)
{
    size_t a = l.find('\xAE');
    size_t b = a == std::string::npos ? a : l.find('\xAF', a + 1);
    if (a == std::string::npos || b == std::string::npos) {
        *found = false;
        return std::string();
    }
    *found = true;
    return l.substr(a + 1, b - a - 1);
}

std::string body(const std::string &l) { return !l.empty() && l[0] == ' ' ? l.substr(1) : l; }

/* Length of a unit code in cm: 2 cm, 1 points, 4 a fraction of the text width. */
double unit_cm(int code, double v)
{
    if (code == 1) return v * 2.54 / 72.0;
    if (code == 4) return v * OLI_TEXT_WIDTH;
    return v;
}

/* ---- paragraphs ---- */

/* Read a header up to and including its "-1". 1, or 0 with a warning. */
int read_para_header(Cursor &c, Oli_Para_Section *s, int start)
{
    auto need = [&](std::vector<double> *n, size_t count) -> bool {
        if (c.eof()) return false;
        *n = numbers(c.peek());
        if (n->size() < count) return false;
        c.pos++;
        return true;
    };
    std::vector<double> n;
    if (!need(&n, 1)) goto bad;
    s->flags = as_u32(n[0]);
    if (s->flags & 0x3) {
        c.warn(c.lineno() - 1,
               "Absatz mit Zusatzausgaben (Kennung 0x1/0x2) kann nicht gelesen werden");
        return 0;
    }
    if (!need(&n, 1)) goto bad;
    s->mode = as_i32(n[0]);
    if (s->flags & 0x10) {
        if (!need(&n, 2)) goto bad;
        s->offset = unit_cm(as_i32(n[0]), n[1]);
    }
    if (s->flags & 0x20) {
        if (!need(&n, 4)) goto bad;
        s->indent = unit_cm(as_i32(n[0]), n[1]);
        s->value_d = unit_cm(as_i32(n[2]), n[3]);
    }
    if (s->flags & 0x40) {
        if (!need(&n, 1)) goto bad;
        s->tabs_given = true;
        if (as_u32(n[0]) == 0x2) {
            std::vector<double> t;
            if (!need(&t, 2)) goto bad;
            s->tab_count = -1;
            s->tabs.assign(1, unit_cm(as_i32(t[0]), t[1]));
        } else {
            int count = n.size() > 1 ? as_i32(n[1]) : 0;
            if (count < 0 || count > 100) {
                c.warn(c.lineno() - 1, "unzul\xC3\xA4ssige Zahl von Tabulatoren");
                return 0;
            }
            s->tab_count = count;
            for (int i = 0; i < count; i++) {
                std::vector<double> t;
                if (!need(&t, 2)) goto bad;
                s->tabs.push_back(unit_cm(as_i32(t[0]), t[1]));
            }
        }
    }
    if (s->flags & 0x400) {
        if (!need(&n, 1)) goto bad;
        s->factor = n[0] > 0.1 && n[0] < 10.0 ? n[0] : 1.0;
    }
    if (s->flags & 0x800) {
        if (!need(&n, 2)) goto bad;
        s->value_b = unit_cm(as_i32(n[0]), n[1]);
    }
    if (s->flags & 0x200) {
        if (!need(&n, 2)) goto bad;
    }
    if (!need(&n, 1) || n[0] != -1) goto bad;
    return 1;
bad:
    c.warn(start, "Absatzkopf unvollst\xC3\xA4ndig oder fehlerhaft");
    return 0;
}

Oli_Para_Section fresh_section()
{
    Oli_Para_Section s{};
    s.mode = 4;
    s.factor = 1.0;
    return s;
}

/* Skip to the next line that starts a block. */
void skip_to_block(Cursor &c)
{
    while (!c.eof() && !starts_block(c.peek())) c.pos++;
}

void read_para(Cursor &c, Oli_Block *b)
{
    int start = c.lineno() - 1;
    for (;;) {
        Oli_Para_Section s = fresh_section();
        if (!read_para_header(c, &s, start)) {
            skip_to_block(c);
            return;
        }
        bool ended = false;
        while (!c.eof()) {
            const std::string &l = c.peek();
            if (l == "#END_OF_TEXT") {
                c.pos++;
                ended = true;
                break;
            }
            if (starts_block(l)) break;
            s.lines.push_back(body(l));
            c.pos++;
        }
        if (!ended) {
            b->sections.push_back(s);
            c.warn(start, c.eof() ? "Absatz ohne Ende (Dateiende)" : "Absatz ohne #END_OF_TEXT");
            return;
        }
        /* end record */
        std::vector<double> n;
        if (c.eof() || (n = numbers(c.peek())).empty()) {
            b->sections.push_back(s);
            c.warn(start, "Absatz ohne Abschlusssatz");
            return;
        }
        c.pos++;
        s.end_flags = as_u32(n[0]);
        if (s.end_flags & 0x1000) {
            if (c.eof() || (n = numbers(c.peek())).size() < 2) {
                b->sections.push_back(s);
                c.warn(start, "Abschlusssatz des Absatzes unvollst\xC3\xA4ndig");
                return;
            }
            c.pos++;
            s.space_after = unit_cm(as_i32(n[0]), n[1]);
        }
        b->sections.push_back(s);
        if (s.end_flags & 0x4) continue; /* another header follows */
        if (!c.eof() && numbers(c.peek()).size() == 1 && numbers(c.peek())[0] == -1) c.pos++;
        else
            c.warn(start, "Absatz ohne abschlie\xC3\x9F"
                          "ende -1");
        return;
    }
}

/* ---- tables ---- */

void read_table(Cursor &c, Oli_Block *b, bool conversion)
{
    int start = c.lineno() - 1;
    b->conversion = conversion;
    std::vector<double> n;
    if (c.eof() || (n = numbers(c.peek())).size() < 3) {
        c.warn(start, "Tabelle ohne Titelz\xC3\xA4hler");
        skip_to_block(c);
        return;
    }
    c.pos++;
    for (int k = 0; k < 3; k++) {
        int count = as_i32(n[k]);
        if (count < 0 || count > 200) {
            c.warn(start, "unzul\xC3\xA4ssige Zahl von Titelzeilen");
            skip_to_block(c);
            return;
        }
        b->title_counts[k] = count;
    }
    for (int k = 0; k < 3; k++)
        for (int i = 0; i < b->title_counts[k]; i++) {
            if (c.eof() || starts_block(c.peek())) {
                c.warn(start, "Tabelle: Titelzeilen fehlen");
                return;
            }
            b->titles[k].push_back(body(c.peek()));
            c.pos++;
        }
    /* layout line, or the end of a title-only block (" 0 0 0 0", "0 0 0 0 0") */
    if (c.eof() || (n = numbers(c.peek())).size() < 4 || !all_numbers(c.peek())) {
        c.warn(start, c.eof() ? "Tabelle ohne Ende (Dateiende)" : "Tabelle ohne Formatzeile");
        skip_to_block(c);
        return;
    }
    c.pos++;
    if (n[2] != -1 || n[3] != -1) return; /* title-only block: no text part */
    b->has_layout = true;
    b->head_lines = as_i32(n[0]);
    b->unit_line = as_i32(n[1]);
    b->nsep = n.size() > 4 ? as_i32(n[4]) : 0;
    if (b->head_lines < 0 || b->head_lines > 10 || b->unit_line < 0 || b->unit_line > 1
        || b->nsep < 0 || b->nsep > 200) {
        c.warn(start, "Tabelle: unzul\xC3\xA4ssige Formatzeile");
        skip_to_block(c);
        return;
    }
    b->plain = b->head_lines == 0 && b->unit_line == 0 && b->nsep == 0;
    if (!c.eof()) {
        const std::string &l = c.peek();
        if (b->nsep > 0) {
            std::vector<double> s = numbers(l);
            if (all_numbers(l) && (int)s.size() == b->nsep) {
                b->seps = s;
                c.pos++;
            } else {
                c.warn(start, "Tabelle: Trennerpositionen fehlen");
                b->nsep = 0;
            }
        } else if (l.empty()) {
            c.pos++; /* the empty separator line of a table whose columns all join */
        }
    }
    bool ended = false;
    while (!c.eof()) {
        const std::string &l = c.peek();
        if (l == "#END_OF_TEXT") {
            c.pos++;
            ended = true;
            break;
        }
        if (starts_block(l)) break;
        if (b->rows.size() >= 100000) {
            c.warn(start, "Tabelle: zu viele Zeilen");
            skip_to_block(c);
            return;
        }
        b->rows.push_back(l); /* kept whole: separator positions count its first blank */
        c.pos++;
    }
    if (!ended) {
        /* the empty lines before the next block belong to it, not to the table */
        while (!b->rows.empty() && trim(b->rows.back()).empty()) b->rows.pop_back();
        c.warn(start, c.eof() ? "Tabelle ohne Ende (Dateiende)" : "Tabelle ohne #END_OF_TEXT");
    }
}

/* ---- graphics ---- */

/* The element record of a line; false when the line is no element. */
bool read_element(Cursor &c, const std::string &l, Oli_Gr_Element *e)
{
    std::vector<double> n = numbers(l, 1);
    if (n.empty()) return false;
    e->code = as_i32(n[0]);
    size_t g = l.find('\xAE');
    std::string head = g == std::string::npos ? l : l.substr(0, g);
    if (e->code == 27) {
        /* " 27 a b %FONT%\name" */
        std::vector<double> v = numbers(head, 3);
        e->v.assign(v.begin() + 1, v.end());
        size_t p = head.find('%');
        e->text = p == std::string::npos ? std::string() : trim(head.substr(p));
        return true;
    }
    std::vector<double> v = numbers(head);
    e->v.assign(v.begin() + 1, v.end());
    if (g != std::string::npos) {
        bool found;
        e->text = guillemet(l, &found);
        if (!found)
            c.warn(c.lineno(), "Grafiktext ohne schlie\xC3\x9F"
                               "endes \xC2\xBB");
    }
    return true;
}

/* Operand counts of the element codes the writers emit (-1: a count in the first operand). */
int operand_count(int code)
{
    switch (code) {
    case 1:
    case 24: return 4;
    case 2:
    case 3: return 2;
    case 4:
    case 6:
    case 7:
    case 8:
    case 13:
    case 16:
    case 20:
    case 62: return 1;
    case 9:
    case 10: return 5;
    case 14:
    case 23: return 2;
    case 27: return 2;
    case 30:
    case 31:
    case 52:
    case 53:
    case 59:
    case 60:
    case 61: return 0;
    case 50:
    case 51: return 3;
    case 18:
    case 38: return -1;
    case 75: return 3;
    default: return -2;
    }
}

void read_embedded(Cursor &c, Oli_Gr_Element *e, int start)
{
    if (c.eof() || trim(c.peek()) != "{") {
        c.warn(start, "Bild: eingebettete Daten fehlen");
        return;
    }
    c.pos++;
    while (!c.eof()) {
        std::string l = trim(c.peek());
        c.pos++;
        if (l == "}") return;
        if (l.size() % 2 || l.size() > 128) {
            c.warn(c.lineno() - 1, "Bild: fehlerhafte Hexadezimalzeile");
            continue;
        }
        for (size_t i = 0; i + 1 < l.size(); i += 2) {
            char hex[3] = {l[i], l[i + 1], 0};
            char *end;
            long v = strtol(hex, &end, 16);
            if (*end) {
                c.warn(c.lineno() - 1, "Bild: fehlerhafte Hexadezimalzeile");
                break;
            }
            e->data.push_back((unsigned char)v);
        }
        if (e->data.size() > (64u << 20)) {
            c.warn(start, "Bild: eingebettete Daten zu gro\xC3\x9F");
            e->data.clear();
            return;
        }
    }
    c.warn(start, "Bild: eingebettete Daten ohne Ende");
}

void read_elements(Cursor &c, Oli_Block *b, bool picture)
{
    int start = c.lineno() - 1;
    while (!c.eof()) {
        const std::string &l = c.peek();
        if (starts_block(l)) break;
        std::string t = trim(l);
        if (t.empty()) {
            c.pos++;
            continue;
        }
        if ((!picture && t == "-1") || (picture && t == "0")) {
            c.pos++;
            return;
        }
        Oli_Gr_Element e{};
        if (!read_element(c, l, &e)) {
            c.warn_once("grline", c.lineno(),
                        "Grafik: unlesbare Zeile \xC3\xBC"
                        "bersprungen");
            c.pos++;
            continue;
        }
        int want = operand_count(e.code);
        if (want == -2) {
            char key[32];
            snprintf(key, sizeof key, "code%d", e.code);
            c.warn_once(key, c.lineno(),
                        "Grafik: unbekanntes Element " + std::to_string(e.code)
                            + " \xC3\xBC"
                              "bersprungen");
            c.pos++;
            continue;
        }
        int line = c.lineno();
        c.pos++;
        if (want == -1) {
            int count = e.v.empty() ? -1 : as_i32(e.v[0]);
            size_t need = e.code == 18 ? 1 + 2 * (size_t)(count < 0 ? 0 : count)
                                       : 1 + (size_t)(count < 0 ? 0 : count);
            if (count < 0 || count > 100000 || e.v.size() < need) {
                c.warn(line, "Grafik: Element " + std::to_string(e.code) + " unvollst\xC3\xA4ndig");
                continue;
            }
        } else if ((int)e.v.size() < want) {
            c.warn(line, "Grafik: Element " + std::to_string(e.code) + " unvollst\xC3\xA4ndig");
            continue;
        }
        if (e.code == 75) {
            uint32_t flags = as_u32(e.v[0]);
            if (flags & 0x1000) read_embedded(c, &e, line);
        }
        b->elements.push_back(std::move(e));
    }
    c.warn(start, c.eof() ? "Grafik ohne Ende (Dateiende)" : "Grafik ohne Endekennung");
}

void read_graphic(Cursor &c, Oli_Block *b)
{
    int start = c.lineno() - 1;
    for (int group = 0; group < 2; group++) {
        std::vector<double> n;
        if (c.eof() || (n = numbers(c.peek())).size() < 3) {
            c.warn(start, "Grafik ohne Beschriftungskennungen");
            skip_to_block(c);
            return;
        }
        c.pos++;
        for (int k = 0; k < 3; k++)
            if (n[k] != 0) {
                if (c.eof() || starts_block(c.peek())) {
                    c.warn(start, "Grafik: Beschriftungszeile fehlt");
                    return;
                }
                b->captions.push_back(body(c.peek()));
                c.pos++;
            }
    }
    if (c.eof()) {
        c.warn(start, "Grafik ohne Ende (Dateiende)");
        return;
    }
    std::vector<double> n = numbers(c.peek());
    if (n.empty()) {
        c.warn(start, "Grafik ohne Fensterkennung");
        skip_to_block(c);
        return;
    }
    c.pos++;
    if (n[0] == -1 && n.size() == 1) {
        b->kind = OLI_BLK_GRAPHIC;
    } else {
        b->kind = OLI_BLK_PICTURE;
        size_t i = 0;
        if (n[0] == -999 && n.size() >= 3) {
            b->picture_flags = as_i32(n[1]);
            i = 2;
        }
        b->picture_type = as_i32(n[i]);
        if ((b->picture_flags & 0x10000) && !c.eof()) c.pos++; /* four further values */
    }
    if (c.eof() || (n = numbers(c.peek())).size() < 4) {
        c.warn(start, "Grafik ohne Fenster");
        skip_to_block(c);
        return;
    }
    c.pos++;
    for (int k = 0; k < 4; k++) b->window[k] = n[k];
    double w = fabs(n[1] - n[0]), h = fabs(n[3] - n[2]);
    if (w > 100.0 || h > 100.0) {
        c.warn(start, "Grafik: Fenster zu gro\xC3\x9F");
        skip_to_block(c);
        b->kind = 0;
        return;
    }
    if (b->kind == OLI_BLK_PICTURE && b->picture_type == 3) {
        if (!c.eof() && (n = numbers(c.peek())).size() == 1) {
            b->picture_scale = n[0];
            c.pos++;
        }
    }
    read_elements(c, b, b->kind == OLI_BLK_PICTURE);
}

/* ---- commands ---- */

struct Command_Name {
    const char *name;
    int32_t id;
    size_t operands;
};

const Command_Name commands[] = {
    // clang-format off
    {"#OLI_SETFLAGS", OLI_CMD_SETFLAGS, 1},   {"#OLI_SETLAYOUT", OLI_CMD_SETLAYOUT, 1},
    {"#OLI_MARGINS", OLI_CMD_MARGINS, 3},     {"#OLI_YPOSITION", OLI_CMD_YPOSITION, 2},
    {"#OLI_RESERVE", OLI_CMD_RESERVE, 1},     {"#OLI_BOOKMARK", OLI_CMD_BOOKMARK, 1},
    {"#OLI_STOREY", OLI_CMD_STOREY, 1},       {"#OLI_RESTOREY", OLI_CMD_RESTOREY, 1},
    {"#OLI_PUSHMARGINS", OLI_CMD_PUSHMARGINS, 0}, {"#OLI_POPMARGINS", OLI_CMD_POPMARGINS, 1},
    {"#OLI_CONVERSION", OLI_CMD_CONVERSION, 1},
    // clang-format on
};

bool read_command(Cursor &c, const std::string &l, Oli_Block *b)
{
    size_t sp = l.find(' ');
    std::string key = l.substr(0, sp);
    std::string rest = sp == std::string::npos ? std::string() : l.substr(sp + 1);
    for (const Command_Name &cn : commands) {
        if (key != cn.name) continue;
        b->kind = OLI_BLK_COMMAND;
        b->command = cn.id;
        size_t g = rest.find('\xAE');
        b->nums = numbers(g == std::string::npos ? rest : rest.substr(0, g));
        if (b->nums.size() < cn.operands) {
            c.warn(b->line, "Seitenbefehl " + key.substr(1) + " unvollst\xC3\xA4ndig");
            b->kind = 0;
            return true;
        }
        if (cn.id == OLI_CMD_BOOKMARK && g != std::string::npos) {
            bool found;
            b->text = guillemet(rest, &found);
        }
        return true;
    }
    return false;
}

} /* namespace */

/* ---- entries ---- */

/* The next block of the text into *b: 1, or 0 at its end. */
static int Next_Block(Cursor &c, bool *conversion, Oli_Block *b)
{
    Oli_Document *doc = c.doc;
    while (!c.eof()) {
        std::string l = c.peek();
        *b = Oli_Block{};
        b->line = c.lineno();
        c.pos++;
        if (trim(l).empty()) continue;
        if (l == "#CONTENTS") {
            b->kind = OLI_BLK_CONTENTS;
            if (!c.eof() && !starts_block(c.peek())) {
                b->text = trim(body(c.peek()));
                c.pos++;
                if (!c.eof() && trim(c.peek()).empty() && !c.peek().empty()) c.pos++;
            }
            if (doc->title.empty()) doc->title = b->text;
        } else if (l == "#NEWPAGE") {
            b->kind = OLI_BLK_NEWPAGE;
        } else if (l == "#SHOWPARA") {
            b->kind = OLI_BLK_PARA;
            read_para(c, b);
            if (b->sections.empty()) continue;
        } else if (l == "#SHOWTABLE") {
            b->kind = OLI_BLK_TABLE;
            read_table(c, b, *conversion);
        } else if (l == "#SHOWGRAFIC") {
            read_graphic(c, b);
            if (b->kind == 0) continue;
        } else if (l.compare(0, 5, "#OLI_") == 0 && read_command(c, l, b)) {
            if (b->kind == 0) continue;
            if (b->command == OLI_CMD_CONVERSION) *conversion = b->nums[0] != 0;
        } else if (l == "#END_OF_TEXT") {
            /* A second end after a table's end: the national-annex tables write one. */
            continue;
        } else {
            /* An unknown record: skipped up to the next block with one warning. */
            std::string shown = l.size() > 40 ? l.substr(0, 40) : l;
            c.warn(b->line, "unbekannter Datensatz \xC3\xBC"
                            "bersprungen: "
                                + Oli_Plain_Utf8(shown));
            skip_to_block(c);
            continue;
        }
        return 1;
    }
    return 0;
}

int Oli_Read_Text(const char *text, size_t len, Oli_Document *doc)
{
    if (doc == nullptr) return 0;
    *doc = Oli_Document();
    Cursor c;
    c.doc = doc;
    c.base = text;
    c.base_len = len;
    bool conversion = false;
    Oli_Block b;
    while (Next_Block(c, &conversion, &b)) doc->blocks.push_back(std::move(b));
    return 1;
}

/* ---- reading block by block ---- */

struct Oli_Reader {
    Cursor c;
    bool conversion = false;
    bool failure_told = false;
    Oli_Document doc; /* title, folder and warnings; no blocks */
    ~Oli_Reader()
    {
        if (c.file) fclose(c.file);
    }
};

Oli_Reader *Oli_Reader_Open_Chunked(const char *path, size_t chunk)
{
    if (path == nullptr || chunk == 0) return nullptr;
    FILE *f = Rt_Fopen_Read(path);
    if (f == nullptr) return nullptr;
    Oli_Reader *r = new Oli_Reader;
    r->c.doc = &r->doc;
    r->c.file = f;
    r->c.chunk = chunk;
    r->c.complete = false;
    /* the first piece at once: a folder or an unreadable file fails here */
    r->c.read_more(0);
    if (r->c.read_failed) {
        delete r;
        return nullptr;
    }
    const char *slash = strrchr(path, '/');
    if (slash) r->doc.folder.assign(path, (size_t)(slash - path + 1));
    return r;
}

Oli_Reader *Oli_Reader_Open(const char *path) { return Oli_Reader_Open_Chunked(path, 65536); }

int Oli_Reader_Next(Oli_Reader *r, Oli_Block *b)
{
    if (r == nullptr) return 0;
    if (Next_Block(r->c, &r->conversion, b)) return 1;
    if (r->c.read_failed && !r->failure_told) {
        r->failure_told = true;
        r->c.warn(r->c.lineno(), "Lesefehler: der Rest der Datei fehlt");
    }
    return 0;
}

int Oli_Reader_Failed(const Oli_Reader *r) { return r == nullptr || r->c.read_failed ? 1 : 0; }

size_t Oli_Reader_Held(const Oli_Reader *r) { return r ? r->c.window.size() : 0; }

size_t Oli_Reader_Read(const Oli_Reader *r) { return r ? r->c.total : 0; }

const Oli_Document *Oli_Reader_Document(const Oli_Reader *r) { return r ? &r->doc : nullptr; }

void Oli_Reader_Close(Oli_Reader *r) { delete r; }

int Oli_Read_File(const char *path, Oli_Document *doc)
{
    if (path == nullptr || doc == nullptr) return 0;
    Oli_Reader *r = Oli_Reader_Open(path);
    if (r == nullptr) return 0;
    std::vector<Oli_Block> blocks;
    Oli_Block b;
    while (Oli_Reader_Next(r, &b)) blocks.push_back(std::move(b));
    const int ok = r->c.read_failed ? 0 : 1;
    *doc = std::move(r->doc);
    doc->blocks = std::move(blocks);
    Oli_Reader_Close(r);
    return ok;
}
