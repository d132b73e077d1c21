/*
** The PDF writer of the print-list printer: pages are written as they are laid out, each as a
** compressed content stream of the page's drawing items; the print fonts (DejaVu, found through
** fontconfig) are embedded at the end as subsets of the glyphs used, with their widths and a
** map back to Unicode for searching and copying. The head of every page (title, "Seite i von n")
** is a small form written at the end, when the number of pages is known. Lengths in the page
** stream are points, y downwards from the top edge (one transformation at the stream's start).
*/
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "platform/oliview_internal.h"
#include "platform/oliview_pdf.h"
#include "platform/runtime.h"

namespace {

const double K = OLI_CM_TO_PT; /* points per cm */
const double PAGE_W_PT = OLI_PAGE_W * OLI_CM_TO_PT;
const double PAGE_H_PT = OLI_PAGE_H * OLI_CM_TO_PT;

/* ---------------------------------------------------------------- numbers and strings */

/* A number as PDF writes it: at most three decimals, no trailing zeros, no exponent. */
void put_num(std::string *out, double v)
{
    if (!(v == v)) v = 0;
    if (v > 1e9) v = 1e9;
    if (v < -1e9) v = -1e9;
    long long m = llround(v * 1000.0);
    if (m < 0) {
        out->push_back('-');
        m = -m;
    }
    long long whole = m / 1000, frac = m % 1000;
    char buf[24];
    int n = 0;
    do {
        buf[n++] = (char)('0' + whole % 10);
        whole /= 10;
    } while (whole > 0);
    while (n > 0) out->push_back(buf[--n]);
    if (frac != 0) {
        out->push_back('.');
        char d[3] = {(char)('0' + frac / 100), (char)('0' + frac / 10 % 10),
                     (char)('0' + frac % 10)};
        int len = 3;
        while (len > 0 && d[len - 1] == '0') len--;
        out->append(d, (size_t)len);
    }
}

void put_nums(std::string *out, std::initializer_list<double> v, const char *op)
{
    for (double x : v) {
        put_num(out, x);
        out->push_back(' ');
    }
    out->append(op);
    out->push_back('\n');
}

void put_rgb(std::string *out, uint32_t rgb, const char *op)
{
    put_nums(out, {((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0},
             op);
}

/*
** The creation date of the document in the form of the PDF reference, "D:YYYYMMDDHHmmSSZ" (UTC):
** now, or the time that SOURCE_DATE_EPOCH gives in seconds since 1970, so that a build or a
** test can write the same file again.
*/
std::string pdf_creation_date(void)
{
    time_t t = time(nullptr);
    const char *epoch = Rt_Getenv("SOURCE_DATE_EPOCH");
    if (epoch != nullptr && epoch[0] != '\0') {
        char *end = nullptr;
        const long long v = strtoll(epoch, &end, 10);
        if (end != nullptr && *end == '\0' && v >= 0) t = (time_t)v;
    }
    struct tm tm_utc;
    char date[32] = "D:19700101000000Z";
    if (gmtime_r(&t, &tm_utc) != nullptr) strftime(date, sizeof date, "D:%Y%m%d%H%M%SZ", &tm_utc);
    return date;
}

/* A text string of the document (outline, information): plain ASCII as a literal, anything
** else as UTF-16 with its byte-order mark. */
std::string pdf_text(const std::string &utf8)
{
    bool ascii = true;
    for (unsigned char c : utf8)
        if (c >= 0x80 || c < 0x20) ascii = false;
    std::string out;
    if (ascii) {
        out.push_back('(');
        for (char c : utf8) {
            if (c == '(' || c == ')' || c == '\\') out.push_back('\\');
            out.push_back(c);
        }
        out.push_back(')');
        return out;
    }
    static const char hex[] = "0123456789ABCDEF";
    out = "<FEFF";
    auto unit = [&](uint32_t u) {
        for (int s = 12; s >= 0; s -= 4) out.push_back(hex[(u >> s) & 15]);
    };
    for (size_t i = 0; i < utf8.size();) {
        unsigned char c = (unsigned char)utf8[i];
        uint32_t cp = c;
        int len = 1;
        if (c >= 0xF0 && i + 3 < utf8.size())
            cp = (c & 7u) << 18 | (utf8[i + 1] & 63u) << 12 | (utf8[i + 2] & 63u) << 6
                 | (utf8[i + 3] & 63u),
            len = 4;
        else if (c >= 0xE0 && i + 2 < utf8.size())
            cp = (c & 15u) << 12 | (utf8[i + 1] & 63u) << 6 | (utf8[i + 2] & 63u), len = 3;
        else if (c >= 0xC0 && i + 1 < utf8.size())
            cp = (c & 31u) << 6 | (utf8[i + 1] & 63u), len = 2;
        else if (c < 0x20 || c >= 0x80) cp = '?';
        i += (size_t)len;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            unit(0xD800 + (cp >> 10));
            unit(0xDC00 + (cp & 0x3FF));
        } else {
            unit(cp);
        }
    }
    out.push_back('>');
    return out;
}

/* The code points of a UTF-8 text (a broken sequence gives U+FFFD). */
void code_points(const std::string &utf8, std::vector<uint32_t> *out)
{
    out->clear();
    for (size_t i = 0; i < utf8.size();) {
        unsigned char c = (unsigned char)utf8[i];
        if (c < 0x80) {
            out->push_back(c);
            i++;
        } else if (c >= 0xE0 && c < 0xF0 && i + 2 < utf8.size()) {
            out->push_back((c & 15u) << 12 | (utf8[i + 1] & 63u) << 6 | (utf8[i + 2] & 63u));
            i += 3;
        } else if (c >= 0xC0 && c < 0xE0 && i + 1 < utf8.size()) {
            out->push_back((c & 31u) << 6 | (utf8[i + 1] & 63u));
            i += 2;
        } else if (c >= 0xF0 && i + 3 < utf8.size()) {
            out->push_back((c & 7u) << 18 | (utf8[i + 1] & 63u) << 12 | (utf8[i + 2] & 63u) << 6
                           | (utf8[i + 3] & 63u));
            i += 4;
        } else {
            out->push_back(0xFFFD);
            i++;
        }
    }
}

/* ---------------------------------------------------------------- TrueType subsets */

uint16_t be16(const unsigned char *p) { return (uint16_t)(p[0] << 8 | p[1]); }
uint32_t be32(const unsigned char *p)
{
    return (uint32_t)p[0] << 24 | (uint32_t)p[1] << 16 | (uint32_t)p[2] << 8 | p[3];
}
void put16(std::string *o, uint32_t v)
{
    o->push_back((char)(v >> 8));
    o->push_back((char)v);
}
void put32(std::string *o, uint32_t v)
{
    put16(o, v >> 16);
    put16(o, v & 0xFFFF);
}

uint32_t table_sum(const std::string &t)
{
    uint32_t sum = 0;
    for (size_t i = 0; i < t.size(); i += 4) {
        unsigned char b[4] = {0, 0, 0, 0};
        for (size_t k = 0; k < 4 && i + k < t.size(); k++) b[k] = (unsigned char)t[i + k];
        sum += be32(b);
    }
    return sum;
}

/*
** A TrueType font that keeps the outlines of the glyphs used (and the parts of composite ones)
** and empties all others, with the tables a PDF reader needs. Empty when the file is not a
** TrueType font the subsetter understands (the caller then embeds it whole).
*/
std::string subset_truetype(const std::string &font, const std::vector<bool> &used_in)
{
    const unsigned char *f = (const unsigned char *)font.data();
    const size_t size = font.size();
    if (size < 12 || (be32(f) != 0x00010000 && be32(f) != 0x74727565)) return "";
    const int ntables = be16(f + 4);
    if (12 + 16 * (size_t)ntables > size) return "";
    struct Table {
        uint32_t tag, off, len;
    };
    std::map<uint32_t, Table> tables;
    for (int i = 0; i < ntables; i++) {
        const unsigned char *e = f + 12 + 16 * i;
        Table t{be32(e), be32(e + 8), be32(e + 12)};
        if ((size_t)t.off + t.len > size) return "";
        tables[t.tag] = t;
    }
    auto tag = [](const char *s) {
        return (uint32_t)s[0] << 24 | (uint32_t)s[1] << 16 | (uint32_t)s[2] << 8 | (uint32_t)s[3];
    };
    for (const char *need : {"head", "hhea", "hmtx", "maxp", "loca", "glyf"})
        if (!tables.count(tag(need))) return "";
    const Table &head = tables[tag("head")], &loca = tables[tag("loca")],
                &glyf = tables[tag("glyf")];
    const Table &maxp = tables[tag("maxp")];
    if (head.len < 54 || maxp.len < 6) return "";
    const bool long_loca = be16(f + head.off + 50) != 0;
    const int nglyphs = be16(f + maxp.off + 4);
    if (loca.len < (size_t)(nglyphs + 1) * (long_loca ? 4 : 2)) return "";
    auto glyph_range = [&](int g, uint32_t *a, uint32_t *b) {
        const unsigned char *l = f + loca.off;
        if (long_loca) {
            *a = be32(l + 4 * g);
            *b = be32(l + 4 * (g + 1));
        } else {
            *a = 2u * be16(l + 2 * g);
            *b = 2u * be16(l + 2 * (g + 1));
        }
        if (*b < *a || *b > glyf.len) *a = *b = 0;
    };
    /* the glyphs kept: .notdef, the ones used, and the parts of composites */
    std::vector<bool> keep((size_t)nglyphs, false);
    std::vector<int> todo;
    auto mark = [&](int g) {
        if (g >= 0 && g < nglyphs && !keep[(size_t)g]) {
            keep[(size_t)g] = true;
            todo.push_back(g);
        }
    };
    mark(0);
    for (size_t g = 0; g < used_in.size(); g++)
        if (used_in[g]) mark((int)g);
    while (!todo.empty()) {
        int g = todo.back();
        todo.pop_back();
        uint32_t a, b;
        glyph_range(g, &a, &b);
        if (b - a < 10) continue;
        const unsigned char *p = f + glyf.off + a, *end = f + glyf.off + b;
        if ((int16_t)be16(p) >= 0) continue; /* a simple glyph */
        p += 10;
        for (;;) {
            if (p + 4 > end) break;
            uint16_t flags = be16(p);
            mark(be16(p + 2));
            p += 4 + ((flags & 1) ? 4 : 2);
            if (flags & 8) p += 2;
            else if (flags & 0x40) p += 4;
            else if (flags & 0x80) p += 8;
            if (!(flags & 0x20)) break;
        }
    }
    /* the new glyf and loca (long offsets) */
    std::string new_glyf, new_loca;
    for (int g = 0; g < nglyphs; g++) {
        put32(&new_loca, (uint32_t)new_glyf.size());
        if (!keep[(size_t)g]) continue;
        uint32_t a, b;
        glyph_range(g, &a, &b);
        new_glyf.append(font, glyf.off + a, b - a);
        while (new_glyf.size() % 4) new_glyf.push_back('\0');
    }
    put32(&new_loca, (uint32_t)new_glyf.size());
    std::string new_head(font, head.off, head.len);
    new_head[50] = 0;
    new_head[51] = 1;           /* long offsets */
    memset(&new_head[8], 0, 4); /* checksum adjustment, set below */
    /* the tables kept: what glyph programs and metrics need */
    std::map<uint32_t, std::string> out;
    for (const char *keep_tag :
         {"cvt ", "fpgm", "prep", "hhea", "hmtx", "maxp", "OS/2", "name", "post"})
        if (tables.count(tag(keep_tag))) {
            const Table &t = tables[tag(keep_tag)];
            out[t.tag] = std::string(font, t.off, t.len);
        }
    out[tag("head")] = new_head;
    out[tag("glyf")] = new_glyf;
    out[tag("loca")] = new_loca;
    /* the file: directory, then the tables in tag order */
    std::string file;
    const int n = (int)out.size();
    int pow2 = 1, log2 = 0;
    while (pow2 * 2 <= n) pow2 *= 2, log2++;
    put32(&file, 0x00010000);
    put16(&file, (uint32_t)n);
    put16(&file, (uint32_t)pow2 * 16);
    put16(&file, (uint32_t)log2);
    put16(&file, (uint32_t)(n * 16 - pow2 * 16));
    uint32_t offset = 12 + 16 * (uint32_t)n;
    size_t head_at = 0;
    for (auto &t : out) {
        put32(&file, t.first);
        put32(&file, table_sum(t.second));
        put32(&file, offset);
        put32(&file, (uint32_t)t.second.size());
        if (t.first == tag("head")) head_at = offset;
        offset += (uint32_t)((t.second.size() + 3) & ~(size_t)3);
    }
    for (auto &t : out) {
        file += t.second;
        while (file.size() % 4) file.push_back('\0');
    }
    const uint32_t adjust = 0xB1B0AFBAu - table_sum(file);
    for (int k = 0; k < 4; k++) file[head_at + 8 + k] = (char)(adjust >> (24 - 8 * k));
    return file;
}

/* ---------------------------------------------------------------- fonts */

struct Font {
    bool tried = false, ok = false;
    std::string path;
    int index = 0;
    FT_Face face = nullptr;
    double upem = 2048;
    double shear = 0; /* slant the face does not have itself (fontconfig's matrix) */
    bool embolden = false;
    int obj = 0;                   /* the Type0 font */
    std::vector<uint32_t> unicode; /* by glyph: the code point it shows (0: unused) */
    std::vector<bool> used;
    std::map<uint32_t, uint16_t> glyph_of; /* code point to glyph */
    uint16_t ascii_glyph[128] = {};
    bool ascii_done = false;
};

FT_Library Ft_Lib = nullptr;

/* The face of the print font the faces name, as fontconfig chooses it for cairo: family,
** weight and slant. */
void open_font(Font *f, int face_bits)
{
    f->tried = true;
    if (Ft_Lib == nullptr && FT_Init_FreeType(&Ft_Lib) != 0) return;
    FcPattern *p = FcPatternCreate();
    FcPatternAddString(
        p, FC_FAMILY,
        (const FcChar8 *)((face_bits & OLI_FACE_MONO) ? "DejaVu Sans Mono" : "DejaVu Sans"));
    FcPatternAddInteger(p, FC_WEIGHT,
                        (face_bits & OLI_FACE_BOLD) ? FC_WEIGHT_BOLD : FC_WEIGHT_MEDIUM);
    FcPatternAddInteger(p, FC_SLANT,
                        (face_bits & OLI_FACE_ITALIC) ? FC_SLANT_OBLIQUE : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, p, FcMatchPattern);
    FcDefaultSubstitute(p);
    FcResult r;
    FcPattern *m = FcFontMatch(nullptr, p, &r);
    FcPatternDestroy(p);
    if (m == nullptr) return;
    FcChar8 *file = nullptr;
    if (FcPatternGetString(m, FC_FILE, 0, &file) == FcResultMatch && file)
        f->path = (const char *)file;
    FcPatternGetInteger(m, FC_INDEX, 0, &f->index);
    FcMatrix *mx = nullptr;
    if (FcPatternGetMatrix(m, FC_MATRIX, 0, &mx) == FcResultMatch && mx) f->shear = mx->xy;
    FcBool bold = FcFalse;
    if (FcPatternGetBool(m, FC_EMBOLDEN, 0, &bold) == FcResultMatch) f->embolden = bold == FcTrue;
    FcPatternDestroy(m);
    if (f->path.empty() || FT_New_Face(Ft_Lib, f->path.c_str(), f->index, &f->face) != 0) {
        f->face = nullptr;
        return;
    }
    f->upem = f->face->units_per_EM > 0 ? f->face->units_per_EM : 2048;
    f->unicode.assign((size_t)f->face->num_glyphs, 0);
    f->used.assign((size_t)f->face->num_glyphs, false);
    f->ok = true;
}

uint16_t glyph_for(Font *f, uint32_t cp)
{
    if (cp < 128) {
        if (!f->ascii_done) {
            for (uint32_t c = 0; c < 128; c++)
                f->ascii_glyph[c] = (uint16_t)FT_Get_Char_Index(f->face, c);
            f->ascii_done = true;
        }
        return f->ascii_glyph[cp];
    }
    auto it = f->glyph_of.find(cp);
    if (it != f->glyph_of.end()) return it->second;
    uint16_t g = (uint16_t)FT_Get_Char_Index(f->face, cp);
    f->glyph_of[cp] = g;
    return g;
}

/* ---------------------------------------------------------------- the file */

struct Writer {
    Rt_Safe_File *safe = nullptr;
    FILE *file = nullptr;
    bool failed = false;
    long long at = 0;               /* bytes written */
    std::vector<long long> offsets; /* by object number (1-based; 0 unused) */
    std::string buf;

    int reserve()
    {
        offsets.push_back(-1);
        return (int)offsets.size() - 1;
    }
    void flush()
    {
        if (buf.empty()) return;
        if (!failed && (file == nullptr || fwrite(buf.data(), 1, buf.size(), file) != buf.size()))
            failed = true;
        at += (long long)buf.size();
        buf.clear();
    }
    void put(const std::string &s)
    {
        buf += s;
        if (buf.size() > (1u << 20)) flush();
    }
    void begin(int obj)
    {
        offsets[(size_t)obj] = at + (long long)buf.size();
        put(std::to_string(obj) + " 0 obj\n");
    }
    void object(int obj, const std::string &body)
    {
        begin(obj);
        put(body);
        put("\nendobj\n");
    }
    /* A stream object, compressed unless raw. */
    void stream(int obj, const std::string &dict_extra, const std::string &data,
                bool compress = true)
    {
        begin(obj);
        if (compress) {
            uLongf room = compressBound((uLong)data.size());
            std::string z((size_t)room, '\0');
            if (compress2((Bytef *)&z[0], &room, (const Bytef *)data.data(), (uLong)data.size(), 1)
                != Z_OK) {
                failed = true;
                room = 0;
            }
            z.resize((size_t)room);
            put("<< /Length " + std::to_string(z.size()) + " /Filter /FlateDecode" + dict_extra
                + " >>\nstream\n");
            put(z);
        } else {
            put("<< /Length " + std::to_string(data.size()) + dict_extra + " >>\nstream\n");
            put(data);
        }
        put("\nendstream\nendobj\n");
    }
};

} /* namespace */

/* ---------------------------------------------------------------- the document */

struct Oli_Pdf {
    Writer w;
    std::string title; /* UTF-8 */
    int catalog = 0, pages = 0, resources = 0;
    std::vector<int> page_objs, head_objs;
    Font fonts[16];            /* by OLI_FACE_BOLD | ITALIC | MONO (and the head's) */
    std::vector<int> images;   /* image objects, named /Im<k> */
    std::string content;       /* the page being written */
    std::vector<uint32_t> cps; /* scratch */
};

namespace {

int font_key(int face) { return face & (OLI_FACE_BOLD | OLI_FACE_ITALIC | OLI_FACE_MONO); }

Font *font_of(Oli_Pdf *d, int face)
{
    Font *f = &d->fonts[font_key(face)];
    if (!f->tried) {
        open_font(f, face);
        if (f->ok) f->obj = d->w.reserve();
    }
    return f->ok ? f : nullptr;
}

/* Text state of the page stream: the font and colour set last (inside BT .. ET). */
struct Text_State {
    bool in_text = false;
    int font = -1;
    double size = -1;
    uint32_t rgb = 0xFFFFFFFF;
};

void end_text(std::string *c, Text_State *ts)
{
    if (!ts->in_text) return;
    c->append("ET\n");
    ts->in_text = false;
}

/* One run of text with its base line at (x, y) pt, turned by angle degrees. */
void put_text(Oli_Pdf *d, std::string *c, Text_State *ts, double x, double y,
              const std::string &utf8, double size_pt, int face, double angle, uint32_t rgb)
{
    if (utf8.empty()) return;
    Font *f = font_of(d, face);
    if (f == nullptr) return;
    double s = size_pt;
    if (face & (OLI_FACE_SUB | OLI_FACE_SUP)) s *= OLI_SCRIPT_SCALE;
    if (!ts->in_text) {
        c->append("BT\n");
        ts->in_text = true;
        ts->font = -1;
        ts->rgb = 0xFFFFFFFF;
    }
    if (ts->font != font_key(face) || ts->size != s) {
        c->append("/F");
        put_num(c, font_key(face));
        c->push_back(' ');
        put_nums(c, {s}, "Tf");
        ts->font = font_key(face);
        ts->size = s;
    }
    if (ts->rgb != rgb) {
        put_rgb(c, rgb, "rg");
        ts->rgb = rgb;
    }
    const double a = angle * M_PI / 180.0, ca = cos(a), sa = sin(a);
    /* glyph space: x along the base line, y up from it; the page stream has y downwards */
    put_nums(c, {ca, -sa, -sa + f->shear * ca, -ca - f->shear * sa, x, y}, "Tm");
    code_points(utf8, &d->cps);
    c->push_back('(');
    for (uint32_t cp : d->cps) {
        uint16_t g = glyph_for(f, cp);
        if (g < f->used.size() && !f->used[g]) {
            f->used[g] = true;
            f->unicode[g] = cp;
        }
        for (unsigned char b : {(unsigned char)(g >> 8), (unsigned char)(g & 255)}) {
            if (b == '(' || b == ')' || b == '\\') c->push_back('\\'), c->push_back((char)b);
            else if (b == '\r') c->append("\\r");
            else if (b == '\n') c->append("\\n");
            else c->push_back((char)b);
        }
    }
    c->append(") Tj\n");
}

void line_style(std::string *c, double width_pt, bool round, const std::vector<double> &dash)
{
    put_nums(c, {width_pt}, "w");
    c->append(round ? "1 J\n" : "0 J\n");
    if (!dash.empty()) {
        c->push_back('[');
        for (double v : dash) {
            put_num(c, v * K);
            c->push_back(' ');
        }
        c->append("] 0 d\n");
    }
}

/* Hatch of a filling over the path in `path` (already in the stream's units). */
void hatch(std::string *c, const std::string &path, double x1, double y1, double x2, double y2,
           int n, uint32_t rgb)
{
    int kind = n % 8;
    if (kind == 0 || kind == 3 || kind == 7) return;
    double step = (0.1 + 0.05 * ((n / 8) % 4)) * K;
    c->append("q\n");
    c->append(path);
    c->append("W n\n");
    double span = (x2 - x1) + (y2 - y1);
    auto lines = [&](double dx, double dy) {
        for (double t = -span; t <= span; t += step) {
            double cx = (x1 + x2) / 2 + t * dy, cy = (y1 + y2) / 2 - t * dx;
            put_nums(c, {cx - dx * span, cy - dy * span}, "m");
            put_nums(c, {cx + dx * span, cy + dy * span}, "l");
        }
    };
    const double r = M_SQRT1_2;
    if (kind == 1 || kind == 4) lines(r, -r);
    if (kind == 2 || kind == 4) lines(r, r);
    if (kind == 5) lines(1, 0);
    if (kind == 6) lines(0, 1);
    put_rgb(c, rgb, "RG");
    put_nums(c, {0.3}, "w");
    c->append("0 J\nS\nQ\n");
}

void put_image(Oli_Pdf *d, std::string *c, const Oli_Item &it)
{
    int w = it.image_w, h = it.image_h;
    if (w <= 0 || h <= 0 || it.image.size() < (size_t)w * h * 4) return;
    std::string rgb, alpha;
    rgb.reserve((size_t)w * h * 3);
    alpha.reserve((size_t)w * h);
    bool any_alpha = false;
    for (size_t i = 0; i < (size_t)w * h; i++) {
        rgb.append((const char *)&it.image[i * 4], 3);
        alpha.push_back((char)it.image[i * 4 + 3]);
        any_alpha = any_alpha || it.image[i * 4 + 3] != 255;
    }
    const int img = d->w.reserve();
    std::string extra = " /Type /XObject /Subtype /Image /Width " + std::to_string(w) + " /Height "
                        + std::to_string(h)
                        + " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Interpolate true";
    if (any_alpha) {
        const int mask = d->w.reserve();
        d->w.stream(mask,
                    " /Type /XObject /Subtype /Image /Width " + std::to_string(w) + " /Height "
                        + std::to_string(h) + " /ColorSpace /DeviceGray /BitsPerComponent 8",
                    alpha);
        extra += " /SMask " + std::to_string(mask) + " 0 R";
    }
    d->w.stream(img, extra, rgb);
    d->images.push_back(img);
    c->append("q\n");
    put_nums(c, {it.x2 * K, 0, 0, -it.y2 * K, it.x * K, (it.y + it.y2) * K}, "cm");
    c->append("/Im" + std::to_string(d->images.size() - 1) + " Do\nQ\n");
}

/* The drawing items of a page, as Oli_Draw_Page draws them with cairo. */
void put_items(Oli_Pdf *d, std::string *c, const std::vector<Oli_Item> &items)
{
    Text_State ts;
    int clips = 0;
    std::string path;
    for (const Oli_Item &it : items) {
        if (it.kind == OLI_IT_TEXT) {
            put_text(/*d=*/d, /*c=*/c, /*ts=*/&ts, /*x=*/it.x * K, /*y=*/it.y * K, /*utf8=*/it.text,
                     /*size_pt=*/it.size, /*face=*/it.face, /*angle=*/it.angle, /*rgb=*/it.rgb);
            continue;
        }
        end_text(c, &ts);
        switch (it.kind) {
        case OLI_IT_LINE:
            c->append("q\n");
            put_rgb(c, it.rgb, "RG");
            line_style(c, std::max(it.size, 0.005) * K, it.dash.empty(), it.dash);
            put_nums(c, {it.x * K, it.y * K}, "m");
            put_nums(c, {it.x2 * K, it.y2 * K}, "l");
            c->append("S\nQ\n");
            break;
        case OLI_IT_RECT:
        case OLI_IT_POLY: {
            path.clear();
            double x1 = 1e30, y1 = 1e30, x2 = -1e30, y2 = -1e30;
            auto grow = [&](double x, double y) {
                x1 = std::min(x1, x), y1 = std::min(y1, y), x2 = std::max(x2, x),
                y2 = std::max(y2, y);
            };
            if (it.kind == OLI_IT_RECT) {
                put_nums(&path, {it.x * K, it.y * K, it.x2 * K, it.y2 * K}, "re");
                grow(it.x * K, it.y * K);
                grow((it.x + it.x2) * K, (it.y + it.y2) * K);
            } else {
                if (it.pts.size() < 2) break;
                for (size_t i = 0; i + 1 < it.pts.size(); i += 2) {
                    put_nums(&path, {it.pts[i] * K, it.pts[i + 1] * K}, i == 0 ? "m" : "l");
                    grow(it.pts[i] * K, it.pts[i + 1] * K);
                }
                path.append("h\n");
            }
            if (it.fill) {
                c->append("q\n");
                put_rgb(c, it.fill_rgb, "rg");
                c->append(path);
                c->append("f\nQ\n");
                if (it.pattern > 0) hatch(c, path, x1, y1, x2, y2, it.pattern, it.rgb);
            }
            if (it.stroke) {
                c->append("q\n");
                put_rgb(c, it.rgb, "RG");
                put_nums(c, {std::max(it.size, 0.005) * K}, "w");
                c->append(path);
                c->append("S\nQ\n");
            }
            break;
        }
        case OLI_IT_IMAGE: put_image(d, c, it); break;
        case OLI_IT_CLIP:
            c->append("q\n");
            put_nums(c, {it.x * K, it.y * K, it.x2 * K, it.y2 * K}, "re");
            c->append("W n\n");
            clips++;
            break;
        case OLI_IT_UNCLIP:
            if (clips > 0) {
                c->append("Q\n");
                clips--;
            }
            break;
        default: break;
        }
    }
    end_text(c, &ts);
    while (clips-- > 0) c->append("Q\n");
}

/* The Type0 font of one face with its subset, widths and map to Unicode. */
void put_font(Oli_Pdf *d, Font *f, int key)
{
    Writer &w = d->w;
    const int cid = w.reserve(), desc = w.reserve(), file = w.reserve(), tounicode = w.reserve();
    char name[64];
    static const char *const names[8] = {"DejaVuSans",
                                         "DejaVuSans-Bold",
                                         "DejaVuSans-Oblique",
                                         "DejaVuSans-BoldOblique",
                                         "DejaVuSansMono",
                                         "DejaVuSansMono-Bold",
                                         "DejaVuSansMono-Oblique",
                                         "DejaVuSansMono-BoldOblique"};
    const int k = (key & OLI_FACE_BOLD ? 1 : 0) | (key & OLI_FACE_ITALIC ? 2 : 0)
                  | (key & OLI_FACE_MONO ? 4 : 0);
    snprintf(name, sizeof name, "%c%c%c%c%c%c+%s", 'A' + k, 'S', 'P', 'L', 'C', 'E', names[k]);
    /* the font file: a subset, or the whole file when it cannot be made */
    std::string data;
    FILE *in = Rt_Fopen_Read(f->path.c_str());
    if (in) {
        char buf[65536];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, in)) > 0) data.append(buf, n);
        fclose(in);
    }
    std::string sub = subset_truetype(data, f->used);
    if (!sub.empty()) data.swap(sub);
    w.stream(file, " /Length1 " + std::to_string(data.size()), data);
    /* widths of the glyphs used, 1/1000 of the em */
    std::string widths = "[";
    for (size_t g = 0; g < f->used.size(); g++) {
        if (!f->used[g]) continue;
        FT_Fixed adv = 0;
        FT_Get_Advance(f->face, (FT_UInt)g, FT_LOAD_NO_SCALE, &adv);
        widths += std::to_string(g) + " [";
        put_num(&widths, adv * 1000.0 / f->upem);
        widths += "] ";
    }
    widths += "]";
    const FT_Face face = f->face;
    const double s = 1000.0 / f->upem;
    std::string fd =
        "<< /Type /FontDescriptor /FontName /" + std::string(name) + " /Flags "
        + std::to_string((key & OLI_FACE_MONO ? 1 : 0) | 32 | (key & OLI_FACE_ITALIC ? 64 : 0))
        + " /FontBBox [";
    put_num(&fd, face->bbox.xMin * s);
    fd += " ";
    put_num(&fd, face->bbox.yMin * s);
    fd += " ";
    put_num(&fd, face->bbox.xMax * s);
    fd += " ";
    put_num(&fd, face->bbox.yMax * s);
    fd += "] /ItalicAngle " + std::string(key & OLI_FACE_ITALIC ? "-11" : "0") + " /Ascent ";
    put_num(&fd, face->ascender * s);
    fd += " /Descent ";
    put_num(&fd, face->descender * s);
    fd += " /CapHeight ";
    put_num(&fd, face->ascender * s);
    fd += " /StemV 80 /FontFile2 " + std::to_string(file) + " 0 R >>";
    w.object(desc, fd);
    w.object(
        cid,
        "<< /Type /Font /Subtype /CIDFontType2 /BaseFont /" + std::string(name)
            + " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> /FontDescriptor "
            + std::to_string(desc) + " 0 R /CIDToGIDMap /Identity /W " + widths + " >>");
    /* the map back to Unicode */
    std::string cmap =
        "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n/CIDSystemInfo << /Registry (Adobe) "
        "/Ordering (UCS) /Supplement 0 >> def\n/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
        "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    std::vector<std::pair<int, uint32_t>> pairs;
    for (size_t g = 0; g < f->used.size(); g++)
        if (f->used[g] && f->unicode[g] != 0) pairs.push_back({(int)g, f->unicode[g]});
    for (size_t i = 0; i < pairs.size(); i += 100) {
        size_t n = std::min<size_t>(100, pairs.size() - i);
        cmap += std::to_string(n) + " beginbfchar\n";
        for (size_t j = i; j < i + n; j++) {
            char line[64];
            uint32_t u = pairs[j].second;
            if (u >= 0x10000) {
                u -= 0x10000;
                snprintf(line, sizeof line, "<%04X> <%04X%04X>\n", pairs[j].first,
                         0xD800 + (u >> 10), 0xDC00 + (u & 0x3FF));
            } else {
                snprintf(line, sizeof line, "<%04X> <%04X>\n", pairs[j].first, u);
            }
            cmap += line;
        }
        cmap += "endbfchar\n";
    }
    cmap += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    w.stream(tounicode, "", cmap);
    w.object(f->obj, "<< /Type /Font /Subtype /Type0 /BaseFont /" + std::string(name)
                         + " /Encoding /Identity-H /DescendantFonts [" + std::to_string(cid)
                         + " 0 R] /ToUnicode " + std::to_string(tounicode) + " 0 R >>");
}

} /* namespace */

/* ---------------------------------------------------------------- entries */

Oli_Pdf *Oli_Pdf_Open(const char *path)
{
    if (path == nullptr) {
        errno = EINVAL;
        return nullptr;
    }
    Rt_Safe_File *sf = Rt_Safe_Open(path);
    if (sf == nullptr) return nullptr;
    Oli_Pdf *d = new Oli_Pdf;
    d->w.safe = sf;
    d->w.file = Rt_Safe_Stream(sf);
    d->w.offsets.push_back(0);
    d->catalog = d->w.reserve();
    d->pages = d->w.reserve();
    d->resources = d->w.reserve();
    d->w.put("%PDF-1.5\n%\xE2\xE3\xCF\xD3\n");
    return d;
}

void Oli_Pdf_Add_Page(Oli_Pdf *d, const Oli_Page &page)
{
    if (d == nullptr) return;
    const int obj = d->w.reserve(), contents = d->w.reserve(), head = d->w.reserve();
    d->page_objs.push_back(obj);
    d->head_objs.push_back(head);
    std::string &c = d->content;
    c.clear();
    /* points, y downwards from the top edge, as the layout counts */
    c.append("1 0 0 -1 0 ");
    put_num(&c, PAGE_H_PT);
    c.append(" cm\n/Hd Do\n");
    put_items(d, &c, page.items);
    d->w.stream(contents, "", c);
    d->w.object(
        obj, "<< /Type /Page /Parent " + std::to_string(d->pages) + " 0 R /MediaBox [0 0 " +
                 [&] {
                     std::string s;
                     put_num(&s, PAGE_W_PT);
                     s += " ";
                     put_num(&s, PAGE_H_PT);
                     return s;
                 }()
                 + "] /Resources << /Font " + std::to_string(d->resources) + " 0 R /XObject << /Hd "
                 + std::to_string(head) + " 0 R >> >> /Contents " + std::to_string(contents)
                 + " 0 R >>");
}

namespace {

/* The head of page i of n: the component's whole title on the left (in as many lines as it
** needs), "Seite i von n" on the right, a rule below; as Oli_Draw_Page draws it. */
std::string head_stream(Oli_Pdf *d, int i, int n)
{
    Oli_Head head;
    Oli_Page_Head(d->title, i, n, &head);
    std::string c;
    Text_State ts;
    for (size_t k = 0; k < head.lines.size(); k++)
        put_text(/*d=*/d, /*c=*/&c, /*ts=*/&ts, /*x=*/OLI_TEXT_LEFT * K, /*y=*/head.y[k] * K,
                 /*utf8=*/head.lines[k], /*size_pt=*/head.size, /*face=*/OLI_FACE_BOLD,
                 /*angle=*/0, /*rgb=*/0x303030);
    put_text(/*d=*/d, /*c=*/&c, /*ts=*/&ts, /*x=*/head.number_x * K, /*y=*/head.number_y * K,
             /*utf8=*/head.number, /*size_pt=*/8.0, /*face=*/0, /*angle=*/0, /*rgb=*/0x303030);
    end_text(&c, &ts);
    c.append("0.35 0.35 0.35 RG\n0.5 w\n0 J\n");
    put_nums(&c, {OLI_TEXT_LEFT * K, 1.95 * K}, "m");
    put_nums(&c, {(OLI_TEXT_LEFT + OLI_TEXT_WIDTH) * K, 1.95 * K}, "l");
    c.append("S\n");
    return c;
}

/* The outline: folders (16) hold the bookmarks (0) until they are closed (17); every folder is
** open. Answers the outline's object, or 0 without bookmarks. */
int put_outline(Oli_Pdf *d, const std::vector<Oli_Bookmark> &marks)
{
    struct Node {
        int obj = 0, parent = -1;
        std::vector<int> kids;
        const Oli_Bookmark *mark = nullptr;
        int count = 0; /* visible descendants */
    };
    std::vector<Node> nodes(1); /* 0: the root */
    std::vector<int> open(1, 0);
    for (const Oli_Bookmark &m : marks) {
        if (m.kind == 17) {
            if (open.size() > 1) open.pop_back();
            continue;
        }
        Node n;
        n.parent = open.back();
        n.mark = &m;
        nodes.push_back(n);
        const int id = (int)nodes.size() - 1;
        nodes[(size_t)n.parent].kids.push_back(id);
        if (m.kind == 16) open.push_back(id);
    }
    if (nodes.size() == 1) return 0;
    for (Node &n : nodes) n.obj = d->w.reserve();
    for (size_t i = nodes.size(); i-- > 1;)
        nodes[(size_t)nodes[i].parent].count += 1 + nodes[i].count;
    for (size_t i = 0; i < nodes.size(); i++) {
        const Node &n = nodes[i];
        std::string o = "<< ";
        if (i == 0) {
            o += "/Type /Outlines";
        } else {
            const Oli_Bookmark &m = *n.mark;
            o += "/Title " + pdf_text(m.text.empty() ? std::string("?") : m.text) + " /Parent "
                 + std::to_string(nodes[(size_t)n.parent].obj) + " 0 R";
            const std::vector<int> &sib = nodes[(size_t)n.parent].kids;
            size_t at = (size_t)(std::find(sib.begin(), sib.end(), (int)i) - sib.begin());
            if (at > 0) o += " /Prev " + std::to_string(nodes[(size_t)sib[at - 1]].obj) + " 0 R";
            if (at + 1 < sib.size())
                o += " /Next " + std::to_string(nodes[(size_t)sib[at + 1]].obj) + " 0 R";
            int page = std::clamp(m.page, 0, (int)d->page_objs.size() - 1);
            o += " /Dest [" + std::to_string(d->page_objs[(size_t)page]) + " 0 R /XYZ ";
            put_num(&o, OLI_TEXT_LEFT * K);
            o += " ";
            put_num(&o, PAGE_H_PT - m.y * K);
            o += " 0]";
        }
        if (!n.kids.empty())
            o += " /First " + std::to_string(nodes[(size_t)n.kids.front()].obj) + " 0 R /Last "
                 + std::to_string(nodes[(size_t)n.kids.back()].obj) + " 0 R /Count "
                 + std::to_string(n.count);
        o += " >>";
        d->w.object(n.obj, o);
    }
    return nodes[0].obj;
}

} /* namespace */

int Oli_Pdf_Close(Oli_Pdf *d, const std::string &title_utf8, const std::vector<Oli_Bookmark> &marks,
                  bool keep, Rt_Safe_File **held)
{
    if (held != nullptr) *held = nullptr;
    if (d == nullptr) return 0;
    d->title = title_utf8;
    Writer &w = d->w;
    const int n = (int)d->page_objs.size();
    if (n == 0) Oli_Pdf_Add_Page(d, Oli_Page());
    const int pages = (int)d->page_objs.size();
    std::string bbox = "/BBox [0 0 ";
    put_num(&bbox, PAGE_W_PT);
    bbox += " ";
    put_num(&bbox, PAGE_H_PT);
    bbox += "]";
    for (int i = 0; i < pages; i++)
        w.stream(d->head_objs[(size_t)i],
                 " /Type /XObject /Subtype /Form " + bbox + " /Resources << /Font "
                     + std::to_string(d->resources) + " 0 R >>",
                 head_stream(d, i, pages));
    std::string fonts = "<<";
    for (int k = 0; k < 16; k++)
        if (d->fonts[k].ok) {
            put_font(d, &d->fonts[k], k);
            fonts += " /F" + std::to_string(k) + " " + std::to_string(d->fonts[k].obj) + " 0 R";
        }
    fonts += " >>";
    w.object(d->resources, fonts);
    std::string kids;
    for (int obj : d->page_objs) kids += std::to_string(obj) + " 0 R ";
    w.object(d->pages,
             "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages) + " >>");
    const int outline = put_outline(d, marks);
    const int info = w.reserve();
    w.object(info, "<< /Title " + pdf_text(d->title) + " /Creator "
                       + pdf_text("Holzsto\xC3\x9F nach DIN EN 1995-1-1") + " /Producer "
                       + pdf_text("Druckliste Holzsto\xC3\x9F, PDF-Ausgabe") + " /CreationDate "
                       + pdf_text(pdf_creation_date()) + " >>");
    w.object(d->catalog, "<< /Type /Catalog /Pages " + std::to_string(d->pages) + " 0 R"
                             + (outline ? " /Outlines " + std::to_string(outline)
                                              + " 0 R /PageMode /UseOutlines"
                                        : std::string())
                             + " >>");
    w.flush();
    const long long xref = w.at;
    std::string x = "xref\n0 " + std::to_string(w.offsets.size()) + "\n0000000000 65535 f \n";
    char line[32];
    for (size_t i = 1; i < w.offsets.size(); i++) {
        snprintf(line, sizeof line, "%010lld 00000 n \n", w.offsets[i] < 0 ? 0LL : w.offsets[i]);
        x += line;
    }
    x += "trailer\n<< /Size " + std::to_string(w.offsets.size()) + " /Root "
         + std::to_string(d->catalog) + " 0 R /Info " + std::to_string(info)
         + " 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    w.put(x);
    w.flush();
    for (Font &f : d->fonts)
        if (f.face) FT_Done_Face(f.face);
    /* the file is put in place only when all of it was written; a file held goes there when
    ** its holder says so */
    int ok =
        !w.failed && keep && (held != nullptr ? Rt_Safe_Finish(w.safe) : Rt_Safe_Commit(w.safe));
    int err = Rt_Safe_Error(w.safe);
    if (ok && held != nullptr) *held = w.safe;
    else Rt_Safe_Close(w.safe);
    delete d;
    if (!ok) errno = err ? err : keep ? EIO : ECANCELED;
    return ok;
}
