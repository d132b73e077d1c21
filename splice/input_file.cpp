/*
** The component's input file "%s_%02d.inp": one text record per field group of the splice input,
** in any order, read against the defaults and written atomically (temporary file, then rename).
** The format is described in docs/input-file.md; the annex section at the end is judged here, and
** the annex it names is activated by nad/. The save and its questions are input_save.cpp's.
*/
#include "splice/splice_app.h"
#include "splice/input_file_internal.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "catalogue/catalogue.h"
#include "foundation/foundation.h"
#include "nad/nad.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"
#include "results/print_list.h"

int32_t Stored_Catalogue_Headers[CAT_HEADER_COUNT] = {-1, -1, -1, -1, -1, -1, -1, -1,
                                                      -1, -1, -1, -1, -1, -1, -1, -1};

/* ---------------------------------------------------------------- field descriptions */

/* F_COUNT: a count kept as a double (the pages enter it as a number), which must be whole. */
enum { F_INT = 0, F_DBL = 1, F_BITS = 2, F_COUNT = 3 };

typedef struct Fld {
    int kind;
    void *p;
    double lo, hi; /* accepted range */
} Fld;

static const double BIG = 1.0e9;

static void I(std::vector<Fld> &v, int32_t *p, double lo = -2147483648.0, double hi = 2147483647.0)
{
    v.push_back({F_INT, p, lo, hi});
}
static void D(std::vector<Fld> &v, double *p, double lo = -BIG, double hi = BIG)
{
    v.push_back({F_DBL, p, lo, hi});
}
static void N(std::vector<Fld> &v, double *p, double lo, double hi)
{
    v.push_back({F_COUNT, p, lo, hi});
}
static void U(std::vector<Fld> &v, uint32_t *p) { v.push_back({F_BITS, p, 0.0, 4294967295.0}); }
static void Flag(std::vector<Fld> &v, int32_t *p) { I(v, p, 0, 1); }

static void System_Fields(Splice_Input_Record *s, std::vector<Fld> &v)
{
    I(v, &s->connection_kind, 0, 3);
    I(v, &s->splice_kind, 0, 2);
    I(v, &s->service_class, 1, 3);
    I(v, &s->mat_mid, -1, 99);
    I(v, &s->grade_mid, -1, 999);
    I(v, &s->mat_side, -1, 99);
    I(v, &s->grade_side, -1, 999);
    Flag(v, &s->edgewise_mid);
    Flag(v, &s->edgewise_side);
    D(v, &s->b, 0, 1000);
    D(v, &s->h, 0, 1000);
    D(v, &s->t_s, 0, 1000);
    D(v, &s->h_s, 0, 1000);
    D(v, &s->L, 0, 10000);
    Flag(v, &s->t_s_user);
    Flag(v, &s->L_user);
}

static void Plate_Fields(Splice_Input_Record *s, std::vector<Fld> &v)
{
    N(v, &s->plate_count, 0, 20);
    D(v, &s->t_p, 0, 100);
    D(v, &s->h_p, 0, 1000);
    I(v, &s->plate_steel);
    Flag(v, &s->strength_override_on);
    D(v, &s->strength_override, 0, 100000);
}

static void Fastener_Fields(Splice_Input_Record *s, std::vector<Fld> &v)
{
    I(v, &s->vbm_type, VBM_TYPE_FIRST, VBM_TYPE_LAST);
    I(v, &s->vbm_row, -1, 999);
    D(v, &s->fu_k);
    D(v, &s->d);
    D(v, &s->d_2);
    D(v, &s->l);
    D(v, &s->staple_angle);
    D(v, &s->staple_angle_copy);
    D(v, &s->d_bolt);
    D(v, &s->washer_d);
    D(v, &s->d_k);
    D(v, &s->l_ef);
    I(v, &s->connector_index);
    I(v, &s->bolt_index);
    I(v, &s->vbm_steel);
    I(v, &s->bolt_steel);
    for (int i = 0; i < 12; i++) D(v, &s->vbm_values[i]);
}

static void Option_Fields(Splice_Input_Record *s, std::vector<Fld> &v)
{
    int32_t *flags[] = {&s->predrilled,
                        &s->two_sided,
                        &s->fitted_bolt,
                        &s->failure_mode_switch,
                        &s->stainless,
                        &s->threaded_rod,
                        &s->douglas,
                        &s->offset_1d,
                        &s->washer,
                        &s->resin_coated,
                        &s->green_timber,
                        &s->species_sfp,
                        &s->capacity_increase,
                        &s->panel_edges,
                        &s->eurocode_wording,
                        &s->predrill_core,
                        &s->steel_hole,
                        &s->washer_kind,
                        &s->split_rule};
    for (int32_t *f : flags) I(v, f);
    I(v, &s->calc_method, 0, 2);
    Flag(v, &s->block_shear);
    I(v, &s->shear_planes, 0, 100);
}

static void Spacing_Fields(Splice_Input_Record *s, std::vector<Fld> &v)
{
    D(v, &s->a1);
    D(v, &s->a2);
    D(v, &s->a3);
    D(v, &s->a4);
    Flag(v, &s->a1_user);
    Flag(v, &s->a2_user);
    Flag(v, &s->a3_user);
    Flag(v, &s->a4_user);
    D(v, &s->e1);
    Flag(v, &s->e1_user);
    D(v, &s->e1_copy);
    D(v, &s->e2);
    D(v, &s->p1);
    D(v, &s->p2);
    D(v, &s->e_rand_ec);
    D(v, &s->e_rand_din);
    D(v, &s->e_x);
    D(v, &s->k_xr);
}

static void Gamma_Fields(Splice_Input_Record *s, std::vector<Fld> &v)
{
    D(v, &s->gamma_m_side);
    D(v, &s->gamma_m_mid);
    D(v, &s->gamma_m0);
    D(v, &s->gamma_m2);
    D(v, &s->gamma_s);
    D(v, &s->gamma_m_t90);
}

static void Layout_Fields(Splice_Input_Record *s, int slot, std::vector<Fld> &v)
{
    N(v, &s->n_col[slot], 0, 10000);
    N(v, &s->n_row[slot], 0, 10000);
    I(v, &s->layout[slot], 0, 1);
    Flag(v, &s->grouped[slot]);
}

/* Since version 202: the size a type was left with (one record per such type other than the
** current one); a file without the record keeps none. */
static void Size_Fields(Splice_Input_Record *s, int slot, std::vector<Fld> &v)
{
    Vbm_Size_Rec *k = &s->sizes[slot];
    I(v, &k->row, -1, 999);
    D(v, &k->d);
    D(v, &k->d_2);
    D(v, &k->l);
    D(v, &k->l_ef);
    D(v, &k->d_k);
}

static void Lkom_Flag_Fields(Splice_Input_Record *s, std::vector<Fld> &v)
{
    Flag(v, &s->lkom_generated);
    Flag(v, &s->snow_above_1000);
}

/* Since version 201; a file without the record keeps categories A and B. */
static void Imposed_Fields(Splice_Input_Record *s, std::vector<Fld> &v)
{
    I(v, &s->imposed_category, 0, IMPOSED_CAT_COUNT - 1);
}

static void Group_Fields(Lkom_Group *g, std::vector<Fld> &v)
{
    Flag(v, &g->used);
    I(v, &g->kled, 0, 7);
    I(v, &g->source);
    I(v, &g->kmod_source);
    D(v, &g->kmod, 0, 10);
}

static void Entry_Fields(Lkom_Entry *e, std::vector<Fld> &v)
{
    Flag(v, &e->used);
    Flag(v, &e->accidental);
    D(v, &e->M_d);
    D(v, &e->N_d);
    D(v, &e->V_d);
    D(v, &e->max_Fy);
    D(v, &e->sum_My_pos);
    D(v, &e->max_col_Fy);
    D(v, &e->M_distr);
    I(v, &e->kled, -1, 7);
    for (int k = 0; k < LKOM_ACTION_SLOTS; k++) I(v, &e->actions[k], -1, CHAR_ACTION_COUNT - 1);
    for (int k = 0; k < LKOM_ACTION_SLOTS; k++) {
        D(v, &e->factors[k][0]);
        D(v, &e->factors[k][1]);
    }
}

static void Action_Fields(Char_Action_Rec *a, std::vector<Fld> &v)
{
    Flag(v, &a->used);
    I(v, &a->kled, 0, 4);
    D(v, &a->M_k);
    D(v, &a->N_k);
    D(v, &a->V_k);
    I(v, &a->category);
    D(v, &a->psi_dom);
    D(v, &a->psi_sub);
    D(v, &a->gamma_sup);
    D(v, &a->gamma_inf);
}

static void Print_Fields(Splice_Input_Record *s, std::vector<Fld> &v)
{
    I(v, &s->print.fasteners, 0, 1);
    I(v, &s->print.combinations, 0, 1);
    U(v, &s->print.sections);
    D(v, &s->print.view_w, 0, 1000);
    D(v, &s->print.view_h, 0, 1000);
    D(v, &s->print.long_w, 0, 1000);
    D(v, &s->print.long_h, 0, 1000);
    D(v, &s->print.cross_w, 0, 1000);
    D(v, &s->print.cross_h, 0, 1000);
}

/* ---------------------------------------------------------------- texts */

void Inp_Encode_Text(const char *text, char *out)
{
    static const char hex[] = "0123456789ABCDEF";
    size_t o = 0;
    for (const unsigned char *p = (const unsigned char *)(text ? text : ""); *p; p++) {
        unsigned c = *p;
        if (c == ' ') {
            out[o++] = '~';
        } else if (c < 0x21 || c == '~' || c == '%' || c == 0x7F) {
            out[o++] = '%';
            out[o++] = hex[c >> 4];
            out[o++] = hex[c & 15];
        } else {
            out[o++] = (char)c;
        }
    }
    out[o] = '\0';
}

static int Hex_Digit(int c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

int Inp_Decode_Text(const char *word, char *out, int size)
{
    if (!word || !out || size < 1) return 0;
    int o = 0;
    for (const char *p = word; *p; p++) {
        int c = (unsigned char)*p;
        if (c == '~') {
            c = ' ';
        } else if (c == '%') {
            int h = Hex_Digit(p[1]);
            int l = h < 0 ? -1 : Hex_Digit(p[2]);
            if (l < 0 || (h == 0 && l == 0)) {
                out[0] = '\0';
                return 0;
            }
            c = h * 16 + l;
            p += 2;
        }
        if (o >= size - 1) {
            out[o] = '\0';
            return 0;
        }
        out[o++] = (char)c;
    }
    out[o] = '\0';
    return 1;
}

/* ---------------------------------------------------------------- writing */

static int Put_Fields(FILE *f, const std::vector<Fld> &v)
{
    int ok = 1;
    for (const Fld &fd : v) {
        if (fd.kind == F_INT) {
            ok &= fprintf(f, " %d", (int)*(const int32_t *)fd.p) > 0;
        } else if (fd.kind == F_BITS) {
            ok &= fprintf(f, " %u", (unsigned)*(const uint32_t *)fd.p) > 0;
        } else {
            double x = *(const double *)fd.p;
            if (!std::isfinite(x)) x = 0.0;
            ok &= fprintf(f, " %.17g", x) > 0;
        }
    }
    return ok;
}

static int Put_Record(FILE *f, const char *key, const std::vector<Fld> &v)
{
    int ok = fputs(key, f) >= 0;
    ok &= Put_Fields(f, v);
    ok &= fputc('\n', f) != EOF;
    return ok;
}

/* A text written back in the code page its file was read in (850, 1252 or UTF-8). */
static std::string Text_For_File(const char *text, int32_t code_page)
{
    const std::string cp850 = text ? text : "";
    if (code_page == CODE_PAGE_UTF8) return Cp850_To_Utf8(cp850);
    if (code_page == CODE_PAGE_1252) return Utf8_To_Cp1252(Cp850_To_Utf8(cp850));
    return cp850;
}

static int Put_Text_Tail(FILE *f, const char *text, int32_t code_page)
{
    const std::string t = Text_For_File(text, code_page);
    std::string buf(3 * t.size() + 1, '\0');
    Inp_Encode_Text(t.c_str(), &buf[0]);
    return fprintf(f, " %s", buf.c_str()) >= 0;
}

uint32_t Input_Formats = 0;

int Write_Splice_Input_Stream(FILE *f, const Splice_Input_Record *si)
{
    Input_Formats++;
    if (!f || !si) return 0;
    Splice_Input_Record *s = const_cast<Splice_Input_Record *>(si); /* fields are only read */
    std::vector<Fld> v;
    int ok = fprintf(f, "SPLICE %d\n", SPLICE_INPUT_VERSION) > 0;

    v.clear();
    System_Fields(s, v);
    ok &= Put_Record(f, "SYSTEM", v);
    v.clear();
    Plate_Fields(s, v);
    ok &= Put_Record(f, "PLATES", v);
    v.clear();
    Fastener_Fields(s, v);
    ok &= Put_Record(f, "FASTENER", v);
    v.clear();
    Option_Fields(s, v);
    ok &= Put_Record(f, "OPTIONS", v);
    v.clear();
    Spacing_Fields(s, v);
    ok &= Put_Record(f, "SPACINGS", v);
    v.clear();
    Gamma_Fields(s, v);
    ok &= Put_Record(f, "GAMMAS", v);
    for (int t = VBM_TYPE_FIRST; t <= VBM_TYPE_LAST; t++) {
        v.clear();
        Layout_Fields(s, VBM_TYPE_SLOT(t), v);
        ok &= fprintf(f, "LAYOUT %d", t) > 0;
        ok &= Put_Fields(f, v);
        ok &= fputc('\n', f) != EOF;
    }
    for (int t = VBM_TYPE_FIRST; t <= VBM_TYPE_LAST; t++) {
        if (!s->sizes[VBM_TYPE_SLOT(t)].kept || t == s->vbm_type) continue;
        v.clear();
        Size_Fields(s, VBM_TYPE_SLOT(t), v);
        ok &= fprintf(f, "SIZE %d", t) > 0;
        ok &= Put_Fields(f, v);
        ok &= fputc('\n', f) != EOF;
    }
    int32_t loaded[CAT_HEADER_COUNT];
    Get_Loaded_Catalogue_Headers(loaded);
    ok &= fputs("CATALOGUES", f) >= 0;
    for (int i = 0; i < CAT_HEADER_COUNT; i++) ok &= fprintf(f, " %d", (int)loaded[i]) > 0;
    ok &= fputc('\n', f) != EOF;

    v.clear();
    Lkom_Flag_Fields(s, v);
    ok &= Put_Record(f, "COMBINATIONS", v);
    v.clear();
    Imposed_Fields(s, v);
    ok &= Put_Record(f, "IMPOSED", v);
    for (int g = 0; g < LKOM_GROUPS; g++) {
        Lkom_Group *grp = &s->lkom.groups[g];
        v.clear();
        Group_Fields(grp, v);
        ok &= fprintf(f, "GROUP %d", g) > 0;
        ok &= Put_Fields(f, v);
        ok &= fputc('\n', f) != EOF;
        for (int e = 0; e < LKOM_ENTRIES; e++) {
            Lkom_Entry *en = &grp->entries[e];
            if (!en->used) continue;
            v.clear();
            Entry_Fields(en, v);
            ok &= fprintf(f, "ENTRY %d %d", g, e) > 0;
            ok &= Put_Fields(f, v);
            ok &= Put_Text_Tail(f, en->comment, s->text_code_page);
            ok &= fputc('\n', f) != EOF;
        }
    }
    for (int i = 0; i < CHAR_ACTION_COUNT; i++) {
        v.clear();
        Action_Fields(&s->Char_Actions[i], v);
        ok &= fprintf(f, "ACTION %d", i) > 0;
        ok &= Put_Fields(f, v);
        ok &= Put_Text_Tail(f, s->Char_Actions[i].remark, s->text_code_page);
        ok &= fputc('\n', f) != EOF;
    }
    v.clear();
    Print_Fields(s, v);
    ok &= Put_Record(f, "PRINT", v);
    if (s->Vorbemerkungen_Text) {
        ok &= fputs("REMARKS 1", f) >= 0;
        ok &= Put_Text_Tail(f, s->Vorbemerkungen_Text, s->text_code_page);
        ok &= fputc('\n', f) != EOF;
    } else {
        ok &= fputs("REMARKS 0\n", f) >= 0;
    }
    ok &= fputs("END\n", f) >= 0;
    ok &= !ferror(f);
    return ok ? 1 : 0;
}

/* ---------------------------------------------------------------- reading */

static const size_t LINE_MAX_BYTES = 1 << 20;

/* Lines of a stream, read a block at a time; once the reader is done, the stream stands just
** after the last line taken, as if it had been read a byte at a time. A stream that cannot tell
** its offset (a pipe) is read a byte at a time, so that it never stands beyond those lines. */
typedef struct Line_Reader {
    FILE *f;
    long base; /* offset of the block's first byte; -1 when not known */
    std::vector<char> block;
    size_t at, end;   /* next byte of the block; end of the bytes in it */
    std::string head; /* the first bytes of the lines taken, up to LINE_HEAD_BYTES */
} Line_Reader;

/* Bytes of the file's head by which a wide Unicode encoding is told. */
static const size_t LINE_HEAD_BYTES = 64;

static void Line_Reader_Open(Line_Reader *lr, FILE *f)
{
    lr->f = f;
    lr->base = ftell(f);
    lr->block.resize(lr->base >= 0 ? (size_t)1 << 16 : 1);
    lr->at = lr->end = 0;
    lr->head.clear();
}

/* Offset of the next byte, -1 when not known. */
static long Line_Reader_Offset(const Line_Reader *lr)
{
    return lr->base >= 0 ? lr->base + (long)lr->at : -1;
}

static bool Line_Reader_Fill(Line_Reader *lr)
{
    if (lr->base >= 0) lr->base += (long)lr->end;
    lr->at = 0;
    lr->end = fread(lr->block.data(), 1, lr->block.size(), lr->f);
    return lr->end > 0;
}

static void Line_Reader_Done(Line_Reader *lr)
{
    if (lr->base >= 0 && lr->at < lr->end) fseek(lr->f, Line_Reader_Offset(lr), SEEK_SET);
}

/* One line without its end; 0 at the end of the file. *too_long when it was cut. */
static int Get_Line(Line_Reader *lr, std::string &line, int *too_long)
{
    line.clear();
    *too_long = 0;
    int any = 0;
    for (;;) {
        if (lr->at == lr->end && !Line_Reader_Fill(lr)) break;
        any = 1;
        const char *from = lr->block.data() + lr->at;
        const size_t avail = lr->end - lr->at;
        const char *nl = (const char *)memchr(from, '\n', avail);
        const size_t take = nl != nullptr ? (size_t)(nl - from) : avail;
        const size_t room = LINE_MAX_BYTES - line.size();
        if (take > room) *too_long = 1;
        if (lr->head.size() < LINE_HEAD_BYTES)
            lr->head.append(
                from, std::min(take + (nl != nullptr ? 1 : 0), LINE_HEAD_BYTES - lr->head.size()));
        line.append(from, take < room ? take : room);
        lr->at += take + (nl != nullptr ? 1 : 0);
        if (nl != nullptr) break;
    }
    if (!any) return 0;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return 1;
}

/* The words of a line, as views into it. */
typedef std::string_view Word;

static void Split(const std::string &line, std::vector<Word> &w)
{
    w.clear();
    size_t i = 0, n = line.size();
    while (i < n) {
        while (i < n && (line[i] == ' ' || line[i] == '\t')) i++;
        if (i >= n) break;
        size_t j = i;
        while (j < n && line[j] != ' ' && line[j] != '\t') j++;
        w.push_back(Word(line.data() + i, j - i));
        i = j;
    }
}

/* A word of an optional minus and 1 to `digits` decimal digits: its value into *out. */
static bool Plain_Integer(Word s, size_t digits, int64_t *out)
{
    const size_t first = !s.empty() && s[0] == '-' ? 1 : 0;
    if (s.size() <= first || s.size() - first > digits) return false;
    int64_t x = 0;
    for (size_t i = first; i < s.size(); i++) {
        if (s[i] < '0' || s[i] > '9') return false;
        x = 10 * x + (s[i] - '0');
    }
    *out = first ? -x : x;
    return true;
}

/* The number a word that is no plain integer gives as strtoll reads it; 0 where it gives none. */
[[gnu::noinline]] static int Other_Int(Word s, long long *x)
{
    const std::string z(s);
    char *end = nullptr;
    errno = 0;
    *x = strtoll(z.c_str(), &end, 10);
    /* read to the word's end: a NUL byte inside it is no end of the number */
    return errno || end != z.c_str() + z.size() || end == z.c_str() ? 0 : 1;
}

/* The number a word gives as strtoll reads it; most words are plain integers and take the
** short way, which gives the same value (and is small enough to be inlined into the readers). */
static inline int Parse_Int(Word s, double lo, double hi, int64_t *out)
{
    if (s.empty()) return 0;
    long long x = 0;
    int64_t plain = 0;
    if (Plain_Integer(s, 18, &plain)) x = plain;
    else if (!Other_Int(s, &x)) return 0;
    if ((double)x < lo || (double)x > hi) return 0;
    *out = x;
    return 1;
}

/* The number a word that is no plain integer gives as strtod reads it; 0 where it gives none.
** std::from_chars rounds a decimal number correctly, as strtod does; what it does not read whole
** (a plus sign, a value out of range, bytes after the number) goes to strtod itself.
** Hexadecimal and a value beyond a double's range (1e-400, 1e400) are refused. */
[[gnu::noinline]] static int Other_Double(Word s, double *x)
{
    const std::from_chars_result r = std::from_chars(s.data(), s.data() + s.size(), *x);
    if (r.ec == std::errc() && r.ptr == s.data() + s.size()) return 1;
    const std::string z(s);
    char *end = nullptr;
    errno = 0;
    *x = strtod(z.c_str(), &end);
    if (end != z.c_str() + z.size() || end == z.c_str()) return 0;
    /* the program writes decimal numbers only; a value beyond a double's range is damage,
    ** never 0 (a subnormal value is still a value) */
    if (z.find_first_of("xX") != std::string::npos) return 0;
    if (errno == ERANGE && *x == 0.0) return 0;
    return 1;
}

/* The number a word gives as strtod reads it. A plain integer of up to 15 digits is exact in a
** double (a minus zero stays one). */
static inline int Parse_Double(Word s, double lo, double hi, double *out)
{
    if (s.empty()) return 0;
    double x = 0.0;
    int64_t plain = 0;
    if (Plain_Integer(s, 15, &plain)) {
        x = (double)plain;
        if (s[0] == '-') x = -std::fabs(x);
    } else if (!Other_Double(s, &x)) {
        return 0;
    }
    if (!std::isfinite(x)) return 0;
    if (x < lo || x > hi) return 0;
    *out = x;
    return 1;
}

/* Whether a count's word is a whole number by its text: digits with an optional sign, an
** optional point with zeros only behind it ("8", "8.0") and an optional exponent without a minus
** ("8e0"). A word such as "8.9999999999999999999" reads as the double 9 and would pass a test
** of the value. */
static bool Whole_Count_Word(Word s)
{
    size_t i = !s.empty() && (s[0] == '+' || s[0] == '-') ? 1 : 0;
    const size_t digits = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') i++;
    if (i == digits) return false;
    if (i < s.size() && s[i] == '.')
        for (i++; i < s.size() && s[i] == '0'; i++) {}
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        i++;
        if (i < s.size() && s[i] == '+') i++;
        const size_t exponent = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') i++;
        if (i == exponent) return false;
    }
    return i == s.size();
}

/* Scratch of the reader, kept from line to line so that a line allocates nothing. */
typedef struct Read_Scratch {
    std::vector<Fld> fields;
    std::vector<double> dv;
    std::vector<int64_t> iv;
    Lkom_Entry entry;              /* a combination as Quick_Entry reads its line */
    std::vector<Fld> entry_fields; /* its fields, laid out once */
} Read_Scratch;

/* Parse one field's word into its slot of the scratch (a number into *dv, an integer into *iv);
** 1, or 0 with what is wrong in *why. */
static inline int Take_Field(const Fld &fd, Word word, double *dv, int64_t *iv, const char **why)
{
    const bool real = fd.kind == F_DBL || fd.kind == F_COUNT;
    if (!(real ? Parse_Double(word, fd.lo, fd.hi, dv) : Parse_Int(word, fd.lo, fd.hi, iv))) {
        *why = "ein Wert ist keine Zahl oder liegt außerhalb seiner Grenzen"_cp850;
        return 0;
    }
    /* 7.9 fasteners would be designed as 7 without a word */
    if (fd.kind == F_COUNT && (!Whole_Count_Word(word) || *dv != std::floor(*dv))) {
        *why = "eine Anzahl ist keine ganze Zahl";
        return 0;
    }
    return 1;
}

/* Room in the scratch for the values of the fields v. */
static void Make_Room(const std::vector<Fld> &v, Read_Scratch *sc)
{
    if (sc->dv.size() < v.size()) {
        sc->dv.resize(v.size());
        sc->iv.resize(v.size());
    }
}

/* The values the scratch holds into the fields v. */
static void Store_Fields(const std::vector<Fld> &v, const Read_Scratch *sc)
{
    for (size_t k = 0; k < v.size(); k++) {
        const Fld &fd = v[k];
        if (fd.kind == F_DBL || fd.kind == F_COUNT) *(double *)fd.p = sc->dv[k];
        else if (fd.kind == F_BITS) *(uint32_t *)fd.p = (uint32_t)sc->iv[k];
        else *(int32_t *)fd.p = (int32_t)sc->iv[k];
    }
}

/* Parse words[first..] into the fields (all or nothing); 1 when every field was taken. */
static int Take_Fields(const std::vector<Word> &w, size_t first, Read_Scratch *sc, const char **why)
{
    const std::vector<Fld> &v = sc->fields;
    if (w.size() < first + v.size()) {
        *why = "zu wenige Werte";
        return 0;
    }
    Make_Room(v, sc);
    for (size_t k = 0; k < v.size(); k++)
        if (!Take_Field(v[k], w[first + k], &sc->dv[k], &sc->iv[k], why)) return 0;
    Store_Fields(v, sc);
    return 1;
}

/*
** A text of the file in code page 850. Another program may have saved the file in code page 1252
** or UTF-8: each text is read by the rule of docs/code-pages.md, and the first text that is not
** plain ASCII fixes the code page the file's texts are written back in (*file_code_page, 0 while
** none did).
*/
static std::string Text_From_File(const char *raw, int32_t *file_code_page)
{
    const std::string_view t(raw);
    bool ascii = true;
    for (unsigned char c : t) ascii = ascii && c < 0x80;
    if (ascii) return std::string(t);
    const int cp = Guess_Code_Page(t);
    if (*file_code_page == 0) *file_code_page = cp;
    return cp == CODE_PAGE_850 ? std::string(t) : To_Cp850(t, cp);
}

static int Take_Text(const std::vector<Word> &w, size_t index, char *out, int size,
                     int32_t *file_code_page, const char **why)
{
    if (w.size() <= index) {
        out[0] = '\0';
        return 1;
    } /* empty text */
    if (w.size() > index + 1) {
        *why = "zu viele Werte";
        return 0;
    }
    const std::string word(w[index]);
    std::vector<char> buf(word.size() + 1);
    if (!Inp_Decode_Text(word.c_str(), buf.data(), (int)buf.size())) {
        *why = "ein Text ist nicht lesbar";
        return 0;
    }
    snprintf(out, size, "%s", Text_From_File(buf.data(), file_code_page).c_str());
    return 1;
}

static int Take_Record(const std::vector<Word> &w, Splice_Input_Record *si, Inp_Read_Report *r,
                       Read_Scratch *sc, const char **why)
{
    const Word key = w[0];
    std::vector<Fld> &v = sc->fields;
    v.clear();
    int64_t a = 0, b = 0;

    if (key == "SYSTEM") {
        System_Fields(si, v);
    } else if (key == "PLATES") {
        Plate_Fields(si, v);
    } else if (key == "FASTENER") {
        Fastener_Fields(si, v);
    } else if (key == "OPTIONS") {
        Option_Fields(si, v);
    } else if (key == "SPACINGS") {
        Spacing_Fields(si, v);
    } else if (key == "GAMMAS") {
        Gamma_Fields(si, v);
    } else if (key == "COMBINATIONS") {
        Lkom_Flag_Fields(si, v);
    } else if (key == "IMPOSED") {
        Imposed_Fields(si, v);
    } else if (key == "PRINT") {
        Print_Fields(si, v);
    } else if (key == "LAYOUT") {
        if (w.size() < 2 || !Parse_Int(w[1], VBM_TYPE_FIRST, VBM_TYPE_LAST, &a)) {
            *why = "unbekannter Verbindungsmitteltyp";
            return 0;
        }
        Layout_Fields(si, VBM_TYPE_SLOT((int)a), v);
        if (w.size() != 2 + v.size()) {
            *why = "falsche Anzahl Werte";
            return 0;
        }
        return Take_Fields(w, 2, sc, why);
    } else if (key == "SIZE") {
        if (w.size() < 2 || !Parse_Int(w[1], VBM_TYPE_FIRST, VBM_TYPE_LAST, &a)) {
            *why = "unbekannter Verbindungsmitteltyp";
            return 0;
        }
        const int slot = VBM_TYPE_SLOT((int)a);
        Size_Fields(si, slot, v);
        if (w.size() != 2 + v.size()) {
            *why = "falsche Anzahl Werte";
            return 0;
        }
        if (!Take_Fields(w, 2, sc, why)) return 0;
        si->sizes[slot].kept = 1;
        return 1;
    } else if (key == "CATALOGUES") {
        int32_t h[CAT_HEADER_COUNT];
        if (w.size() != 1 + CAT_HEADER_COUNT) {
            *why = "falsche Anzahl Werte";
            return 0;
        }
        for (int i = 0; i < CAT_HEADER_COUNT; i++) {
            if (!Parse_Int(w[1 + i], -2147483648.0, 2147483647.0, &a)) {
                *why = "keine Zahl";
                return 0;
            }
            h[i] = (int32_t)a;
        }
        memcpy(Stored_Catalogue_Headers, h, sizeof h);
        return 1;
    } else if (key == "GROUP") {
        if (w.size() < 2 || !Parse_Int(w[1], 0, LKOM_GROUPS - 1, &a)) {
            *why = "falsche Gruppe";
            return 0;
        }
        Lkom_Group *g = &si->lkom.groups[a];
        Group_Fields(g, v);
        if (w.size() != 2 + v.size()) {
            *why = "falsche Anzahl Werte";
            return 0;
        }
        return Take_Fields(w, 2, sc, why);
    } else if (key == "ENTRY") {
        if (w.size() < 3 || !Parse_Int(w[1], 0, LKOM_GROUPS - 1, &a)
            || !Parse_Int(w[2], 0, LKOM_ENTRIES - 1, &b)) {
            *why = "falsche Gruppe oder Nummer";
            return 0;
        }
        Lkom_Entry *e = &si->lkom.groups[a].entries[b];
        Lkom_Entry scratch = *e;
        Entry_Fields(&scratch, v);
        if (w.size() > 3 + v.size() + 1) {
            *why = "zu viele Werte";
            return 0;
        }
        if (!Take_Fields(w, 3, sc, why)) return 0;
        if (!Take_Text(w, 3 + v.size(), scratch.comment, sizeof scratch.comment,
                       &si->text_code_page, why))
            return 0;
        *e = scratch;
        return 1;
    } else if (key == "ACTION") {
        if (w.size() < 2 || !Parse_Int(w[1], 0, CHAR_ACTION_COUNT - 1, &a)) {
            *why = "falsche Einwirkung";
            return 0;
        }
        Char_Action_Rec scratch = si->Char_Actions[a];
        Action_Fields(&scratch, v);
        if (w.size() > 2 + v.size() + 1) {
            *why = "zu viele Werte";
            return 0;
        }
        if (!Take_Fields(w, 2, sc, why)) return 0;
        if (!Take_Text(w, 2 + v.size(), scratch.remark, sizeof scratch.remark, &si->text_code_page,
                       why))
            return 0;
        si->Char_Actions[a] = scratch;
        return 1;
    } else if (key == "REMARKS") {
        if (w.size() < 2 || !Parse_Int(w[1], 0, 1, &a)) {
            *why = "falsche Kennung";
            return 0;
        }
        if (a == 0) {
            if (w.size() != 2) {
                *why = "zu viele Werte";
                return 0;
            }
            free(si->Vorbemerkungen_Text);
            si->Vorbemerkungen_Text = nullptr;
            return 1;
        }
        if (w.size() > 3) {
            *why = "zu viele Werte";
            return 0;
        }
        const std::string word = w.size() == 3 ? std::string(w[2]) : std::string();
        char *text = (char *)malloc(word.size() + 1);
        Check_Alloc_Or_Exit(text);
        if (!Inp_Decode_Text(word.c_str(), text, (int)word.size() + 1)) {
            free(text);
            *why = "der Text ist nicht lesbar";
            return 0;
        }
        const std::string cp850 = Text_From_File(text, &si->text_code_page);
        memcpy(text, cp850.c_str(), cp850.size() + 1); /* never longer than what was read */
        free(si->Vorbemerkungen_Text);
        si->Vorbemerkungen_Text = text;
        return 1;
    } else {
        (void)r;
        *why = "unbekannter Datensatz";
        return 0;
    }
    if (w.size() != 1 + v.size()) {
        *why = "falsche Anzahl Werte";
        return 0;
    }
    /* Whole-record groups are parsed first and then assigned, so a bad value changes nothing. */
    return Take_Fields(w, 1, sc, why);
}

/* A number for each record that may stand once in the file (a record of its key, and of its
** numbers where it has them), -1 for a line that names none (its damage is told by Take_Record). */
static const int32_t RECORD_IDS = 200 + LKOM_GROUPS * LKOM_ENTRIES + VBM_TYPE_SLOTS;

static int32_t Entry_Record_Id(int64_t group, int64_t entry)
{
    return 200 + (int32_t)(group * LKOM_ENTRIES + entry);
}

static int32_t Record_Id(const std::vector<Word> &w)
{
    static const char *const single[] = {"SYSTEM",   "PLATES", "FASTENER",   "OPTIONS",
                                         "SPACINGS", "GAMMAS", "CATALOGUES", "COMBINATIONS",
                                         "IMPOSED",  "PRINT",  "REMARKS"};
    for (int32_t i = 0; i < (int32_t)(sizeof single / sizeof single[0]); i++)
        if (w[0] == single[i]) return i;
    int64_t a = 0, b = 0;
    if (w[0] == "LAYOUT" && w.size() > 1 && Parse_Int(w[1], VBM_TYPE_FIRST, VBM_TYPE_LAST, &a))
        return 20 + VBM_TYPE_SLOT((int32_t)a);
    if (w[0] == "GROUP" && w.size() > 1 && Parse_Int(w[1], 0, LKOM_GROUPS - 1, &a))
        return 100 + (int32_t)a;
    if (w[0] == "ACTION" && w.size() > 1 && Parse_Int(w[1], 0, CHAR_ACTION_COUNT - 1, &a))
        return 150 + (int32_t)a;
    if (w[0] == "ENTRY" && w.size() > 2 && Parse_Int(w[1], 0, LKOM_GROUPS - 1, &a)
        && Parse_Int(w[2], 0, LKOM_ENTRIES - 1, &b))
        return Entry_Record_Id(a, b);
    if (w[0] == "SIZE" && w.size() > 1 && Parse_Int(w[1], VBM_TYPE_FIRST, VBM_TYPE_LAST, &a))
        return 200 + LKOM_GROUPS * LKOM_ENTRIES + VBM_TYPE_SLOT((int32_t)a);
    return -1;
}

/*
** A combination's line as the program writes it, "ENTRY g e" and a word for each field, without
** a comment, read without its words split apart first (ten thousand such lines make most of a
** large file): 1 when the line is whole so, its values in the scratch and its group and number
** in *group and *entry (Quick_Entry_Put takes it); 0 where the general way reads the line (and
** names what is wrong with it). Only a line without a control byte comes here.
*/
static int Quick_Entry(const std::string &line, Read_Scratch *sc, int64_t *group, int64_t *entry)
{
    const char *at = line.data(), *const end = at + line.size();
    Word word;
    /* the next word: in a clean line a blank or a tab is every byte up to the blank, and the
    ** NUL behind the line's last byte ends the last word */
    const auto next = [&] {
        while (at < end && (unsigned char)*at <= ' ') at++;
        const char *from = at;
        while ((unsigned char)*at > ' ') at++;
        word = Word(from, (size_t)(at - from));
        return at > from;
    };
    if (!next() || word != "ENTRY" || !next() || !Parse_Int(word, 0, LKOM_GROUPS - 1, group)
        || !next() || !Parse_Int(word, 0, LKOM_ENTRIES - 1, entry))
        return 0;
    if (sc->entry_fields.empty()) Entry_Fields(&sc->entry, sc->entry_fields);
    const std::vector<Fld> &v = sc->entry_fields;
    Make_Room(v, sc);
    const char *why = nullptr;
    for (size_t k = 0; k < v.size(); k++)
        if (!next() || !Take_Field(v[k], word, &sc->dv[k], &sc->iv[k], &why)) return 0;
    return next() ? 0 : 1; /* a comment (or a value too many) goes the general way */
}

/* The combination Quick_Entry read into si, as the general way takes it: without a comment. */
static void Quick_Entry_Put(Splice_Input_Record *si, Read_Scratch *sc, int64_t group, int64_t entry)
{
    Lkom_Entry *e = &si->lkom.groups[group].entries[entry];
    sc->entry = *e;
    Store_Fields(sc->entry_fields, sc);
    sc->entry.comment[0] = '\0';
    *e = sc->entry;
}

/* The line that opens the annex section (nad/ reads it): the first line that begins so. */
static const char Annex_Keyword[] = "ACTIV_NADNAME";

/* The records of the lines into si, the report into r (Read_Records). */
static int Read_Lines(Line_Reader *lr, Splice_Input_Record *si, Inp_Read_Report *r, long *annex_at,
                      int32_t *annex_line, int32_t *lines)
{
    std::string line;
    std::vector<Word> w;
    Read_Scratch scratch;
    int too_long = 0, line_no = 0, seen_head = 0;
    /* the line of each record read so far, 0 for none: a second copy is damage, the first holds */
    std::vector<int32_t> record_line(RECORD_IDS, 0);
    auto bad = [&](const char *why) {
        r->damaged++;
        if (!r->first_bad_line) {
            r->first_bad_line = line_no;
            snprintf(r->reason, sizeof r->reason, "%s", why);
        }
    };
    while (Get_Line(lr, line, &too_long)) {
        line_no++;
        if (*annex_at == -1 && line.compare(0, sizeof Annex_Keyword - 1, Annex_Keyword) == 0) {
            const long at = Line_Reader_Offset(lr);
            *annex_at = at >= 0 ? at : -2;
            *annex_line = line_no;
        }
        if (too_long) {
            bad("Zeile zu lang");
            continue;
        }
        /* an editor's byte-order mark of UTF-8 (docs/code-pages.md): the texts are UTF-8 */
        if (line_no == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) {
            line.erase(0, 3);
            si->text_code_page = CODE_PAGE_UTF8;
        }
        /* a NUL byte (a crash leaves runs of them) or another byte that no line of the file
        ** holds: the line is damage wherever it stands, a comment too, and the file is kept */
        const char *bad_byte = Text_Line_Bad_Byte_Reason(line);
        int64_t group = 0, entry = 0;
        if (seen_head && !bad_byte && Quick_Entry(line, &scratch, &group, &entry)
            && !record_line[Entry_Record_Id(group, entry)]) {
            record_line[Entry_Record_Id(group, entry)] = line_no;
            Quick_Entry_Put(si, &scratch, group, entry);
            r->records++;
            continue;
        }
        Split(line, w);
        if (w.empty() && !bad_byte) continue;
        if (!w.empty() && w[0][0] == '#' && !bad_byte) continue;
        if (!seen_head) {
            int64_t ver = 0;
            if (bad_byte || w[0] != "SPLICE" || w.size() != 2 || !Parse_Int(w[1], 1, 1e6, &ver)) {
                const bool head = !w.empty() && w[0] == "SPLICE"; /* w goes with the line */
                /* told by the file's first bytes, not by one line: the line ends of UTF-16 LE
                ** leave a NUL at the start of the next line, a blank line is a character too */
                while (lr->head.size() < LINE_HEAD_BYTES && Get_Line(lr, line, &too_long)) {}
                const char *wide = Wide_Unicode_Encoding(lr->head);
                char why[120];
                snprintf(why, sizeof why,
                         "die Datei ist in %s gespeichert; diese Kodierung wird nicht gelesen",
                         wide ? wide : "");
                if (wide) line_no = 1;
                if (bad_byte && !wide) r->bad_bytes++;
                bad(wide               ? why
                    : bad_byte && head ? bad_byte
                                       : "keine Eingabedatei eines Stoßes"_cp850);
                return 0;
            }
            r->version = (int32_t)ver;
            seen_head = 1;
            continue;
        }
        if (bad_byte) {
            r->bad_bytes++;
            bad(bad_byte);
            continue;
        }
        if (w[0] == "END") {
            r->complete = 1;
            break;
        }
        if (w[0] == Annex_Keyword) break;
        const int32_t id = Record_Id(w);
        if (id >= 0 && record_line[id]) {
            char why[80];
            snprintf(why, sizeof why, "der Datensatz steht schon in Zeile %d",
                     (int)record_line[id]);
            bad(why);
            continue;
        }
        if (id >= 0) record_line[id] = line_no;
        const char *why = "unlesbar";
        if (Take_Record(w, si, r, &scratch, &why)) r->records++;
        else bad(why);
    }
    *lines = line_no;
    if (!seen_head && !r->first_bad_line) {
        r->first_bad_line = line_no > 0 ? line_no : 1;
        snprintf(r->reason, sizeof r->reason, "%s", "die Datei ist leer");
        r->damaged++;
    }
    if (seen_head && !r->complete && !r->first_bad_line) {
        r->first_bad_line = line_no + 1;
        snprintf(r->reason, sizeof r->reason, "%s", "die Datei ist unvollständig"_cp850);
    }
    return (seen_head && r->complete && r->damaged == 0) ? 1 : 0;
}

/* Read_Splice_Input_Stream; *annex_at gets what Read_Active_NAD_Name_From takes: the offset
** just after the first line read that begins with the annex keyword, -1 when none did, -2 when
** one did but the stream did not tell its offset; *annex_line the number of that line, *lines
** the number of lines read. */
static int Read_Records(FILE *f, Splice_Input_Record *si, Inp_Read_Report *report, long *annex_at,
                        int32_t *annex_line, int32_t *lines)
{
    *annex_at = -1;
    *annex_line = *lines = 0;
    si->text_code_page = 0; /* fixed by the file's first text that is not plain ASCII */
    Inp_Read_Report local;
    Inp_Read_Report *r = report ? report : &local;
    memset(r, 0, sizeof *r);
    if (!f || !si) return 0;
    Line_Reader lr;
    Line_Reader_Open(&lr, f);
    const int whole = Read_Lines(&lr, si, r, annex_at, annex_line, lines);
    Line_Reader_Done(&lr);
    return whole;
}

int Read_Splice_Input_Stream(FILE *f, Splice_Input_Record *si, Inp_Read_Report *report)
{
    long annex_at;
    int32_t annex_line, lines;
    return Read_Records(f, si, report, &annex_at, &annex_line, &lines);
}

/* ---------------------------------------------------------------- the annex section */

/* What the lines behind the records say of the annex (Judge_Annex_Section). */
typedef struct Annex_Section {
    int named;                        /* the file names an annex */
    char name[NAD_LIST_NAME_MAX + 1]; /* its name in code page 850 when it can be read, else "" */
    int32_t name_line;                /* the line it was read from */
    int32_t bad_line;                 /* the section's first damaged line; 0 when it is whole */
    int lost;                         /* the file names an annex whose name cannot be read */
} Annex_Section;

/* Whether a line opens with a guillemet in one of the code pages the section may come in. */
static bool Opens_Marked(const std::string &line, size_t at)
{
    const unsigned char c = (unsigned char)line[at];
    return c == 0xAE || c == 0xAB
           || (c == 0xC2 && at + 1 < line.size() && (unsigned char)line[at + 1] == 0xAB);
}

/* Whether a word is the annex keyword with at most two bytes changed, left out or added, with
** bytes added behind it, or cut (a beginning of it, as a file cut inside the line leaves it). */
static bool Like_Annex_Keyword(Word w)
{
    const Word k(Annex_Keyword, sizeof Annex_Keyword - 1);
    if (w.substr(0, k.size()) == k || k.substr(0, w.size()) == w) return true;
    if (w.size() + 2 < k.size() || w.size() > k.size() + 2) return false;
    std::vector<size_t> row(k.size() + 1), next(k.size() + 1);
    for (size_t j = 0; j <= k.size(); j++) row[j] = j;
    for (size_t i = 1; i <= w.size(); i++) {
        next[0] = i;
        for (size_t j = 1; j <= k.size(); j++)
            next[j] = std::min(
                {row[j] + 1, next[j - 1] + 1, row[j - 1] + (w[i - 1] == k[j - 1] ? 0 : 1)});
        row.swap(next);
    }
    return row[k.size()] <= 2;
}

static Word Trim_Blanks(Word t)
{
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    return t;
}

/*
** The annex name of a name's line (text, without its line feed; ended: a line feed closed it)
** into a->name, in code page 850. The marks may come in code page 850, 1252 or UTF-8
** (docs/code-pages.md). Answers null for a whole name, else what is wrong; a->lost is set when
** nothing sound is left: the file ends inside the name (it may be cut), the name holds a control
** byte, or it is longer than any annex name.
*/
static const char *Read_Name_Text(Word text, bool ended, Annex_Section *a)
{
    static const struct {
        Word open, close;
    } marks[] = {{"\xAE", "\xAF"}, {"\xC2\xAB", "\xC2\xBB"}, {"\xAB", "\xBB"}};
    Word t = Trim_Blanks(text);
    if (t.substr(0, 3) == "\xEF\xBB\xBF") t.remove_prefix(3); /* an editor's byte-order mark */
    const char *why = nullptr;
    std::string name;
    bool closed = true;
    size_t kind = 0;
    while (kind < 3 && t.substr(0, marks[kind].open.size()) != marks[kind].open) kind++;
    if (kind < 3) {
        Word raw = t.substr(marks[kind].open.size());
        const size_t end = raw.find(marks[kind].close);
        if (end == Word::npos) {
            closed = false;
            why = "hinter dem Namen fehlt »"_cp850;
            raw = Trim_Blanks(raw);
        } else {
            if (!Trim_Blanks(raw.substr(end + marks[kind].close.size())).empty())
                why = "hinter dem Namen steht noch etwas";
            raw = raw.substr(0, end);
        }
        name = kind == 0
                   ? std::string(raw)
                   : To_Cp850(raw, Guess_Code_Page(std::string(marks[kind].open) + std::string(raw)
                                                   + std::string(marks[kind].close)));
    } else {
        name = To_Cp850(t, Guess_Code_Page(t));
        if (!name.empty() && (unsigned char)name.back() == 0xAF) {
            name.pop_back();
            why = "vor dem Namen fehlt «"_cp850;
        } else {
            closed = false;
            why = "der Name steht nicht zwischen « und »"_cp850;
        }
    }
    a->name[0] = '\0';
    if (!closed && !ended) {
        a->lost = 1;
        return "der Name des Anwendungsdokuments ist abgeschnitten";
    }
    if (std::any_of(name.begin(), name.end(),
                    [](char c) { return (unsigned char)c < 0x20 || c == 0x7F; })) {
        a->lost = 1;
        return "der Name des Anwendungsdokuments enthält ein Steuerzeichen"_cp850;
    }
    if (name.size() > NAD_LIST_NAME_MAX) {
        a->lost = 1;
        return "der Name des Anwendungsdokuments ist länger als 99 Zeichen"_cp850;
    }
    if (name.empty() && why) {
        a->lost = 1;
        return "der Name des Anwendungsdokuments fehlt";
    }
    memcpy(a->name, name.c_str(), name.size() + 1);
    return why;
}

/* Whether the line just taken was closed by a line feed (the file may end without one). */
static bool Line_Ended(const Line_Reader *lr)
{
    return lr->at > 0 && lr->block[lr->at - 1] == '\n';
}

/*
** Judge the annex section behind the records: from the stream's position (keyword_seen 0, the
** line after the end record), or from the offset just after the keyword's line (keyword_seen 1).
** line_no is the number of the line before. The section is blank lines, the keyword line and the
** name's line; comments may stand between and behind. A line that is none of them is damage,
** counted in r: a keyword with a byte or two changed (or cut) still opens the section, a marked
** name is taken where it stands (on the keyword's line too), and a name whose mark is lost on a
** whole line is kept, so that the name is kept whatever befell the line before. When the keyword
** stands but no line follows it, or the file ends inside the name, the name is lost. Behind the
** end record, any line behind the name is damage as well.
*/
static void Judge_Annex_Section(FILE *f, int32_t line_no, int keyword_seen, Inp_Read_Report *r,
                                Annex_Section *a)
{
    a->named = keyword_seen;
    a->name[0] = '\0';
    a->name_line = a->bad_line = a->lost = 0;
    auto bad = [&](int32_t at, const char *why) {
        r->damaged++;
        if (!a->bad_line) a->bad_line = at;
        if (!r->first_bad_line) {
            r->first_bad_line = at;
            snprintf(r->reason, sizeof r->reason, "%s", why);
        }
    };
    Line_Reader lr;
    Line_Reader_Open(&lr, f);
    std::string line;
    std::vector<Word> w;
    int too_long = 0, expect_name = keyword_seen;
    while (Get_Line(&lr, line, &too_long)) {
        line_no++;
        Split(line, w);
        if (w.empty()) continue;
        if (a->name_line) { /* behind the name */
            if (w[0][0] != '#') bad(line_no, "unbekannte Zeile hinter END");
            continue;
        }
        if (!expect_name && w[0][0] == '#') continue;
        size_t first = (size_t)(w[0].data() - line.data());
        /* the keyword again where the name should stand: the name may still follow */
        if (expect_name && !a->name_line && !Opens_Marked(line, first) && Like_Annex_Keyword(w[0])
            && w.size() == 1) {
            bad(line_no, "das Kennwort ACTIV_NADNAME steht zweimal");
            continue;
        }
        if (!expect_name && !Opens_Marked(line, first)) {
            if (!Like_Annex_Keyword(w[0])) {
                bad(line_no, "unbekannte Zeile hinter END");
                continue;
            }
            a->named = expect_name = 1;
            if (w[0] != Word(Annex_Keyword))
                bad(line_no, "das Kennwort ACTIV_NADNAME ist beschädigt"_cp850);
            if (w.size() == 1) continue;
            first = (size_t)(w[1].data() - line.data());
            if (!Opens_Marked(line, first)) {
                bad(line_no, "das Kennwort ACTIV_NADNAME ist beschädigt"_cp850);
                continue;
            }
            bad(line_no, "der Name steht in der Zeile des Kennworts");
        } else if (!expect_name) {
            a->named = 1;
            bad(line_no, "das Kennwort ACTIV_NADNAME fehlt");
        }
        const char *why = Read_Name_Text(Word(line).substr(first), Line_Ended(&lr), a);
        if (why) bad(line_no, why);
        a->name_line = line_no;
        if (keyword_seen) break;
    }
    Line_Reader_Done(&lr);
    if (expect_name && !a->name_line) {
        a->lost = 1;
        bad(line_no + 1, "der Name des Anwendungsdokuments fehlt");
    }
}

/*
** A file of which nothing could be read (another file, another encoding), or one that holds bytes
** no line of it holds (the NUL bytes a crash leaves), is copied to "<path>.bak" before a save can
** put the defaults in its place; the box's lines that say where.
** An older copy under that name is never replaced: the file goes to the first free name of
** "<path>.bak2" .. "<path>.bak99", unless one of the copies holds its bytes already.
*/
static std::vector<std::string> Keep_Unread_File(const char *path)
{
    enum { BAK_NUMBERS = 99 };
    char line[SPLICE_PATH_MAX + 200];
    std::string bak, older;
    for (int n = 1; n <= BAK_NUMBERS; n++) {
        bak = std::string(path) + ".bak" + (n > 1 ? std::to_string(n) : std::string());
        if (!Rt_File_Exists(bak.c_str())) break;
        if (Rt_Same_Bytes(path, bak.c_str())) {
            snprintf(line, sizeof line, "Sie bleibt unverändert als %s erhalten."_cp850,
                     bak.c_str());
            return {line};
        }
        if (older.empty()) older = bak;
    }
    if (Rt_File_Exists(bak.c_str()) || !Rt_Copy_File(path, bak.c_str(), 1)) {
        snprintf(line, sizeof line,
                 "Sie kann nicht als %s gesichert werden; Speichern ersetzt sie.", bak.c_str());
        return {line};
    }
    if (older.empty()) {
        snprintf(line, sizeof line, "Sie bleibt unverändert als %s erhalten."_cp850, bak.c_str());
        return {line};
    }
    std::vector<std::string> lines;
    snprintf(line, sizeof line, "Sie bleibt unverändert als %s erhalten;"_cp850, bak.c_str());
    lines.push_back(line);
    snprintf(line, sizeof line, "die ältere Sicherung %s bleibt bestehen."_cp850, older.c_str());
    lines.push_back(line);
    return lines;
}

int Read_Splice_Input_File(const char *path, Splice_Input_Record *si, int activate_nad)
{
    if (!path || !si) return 0;
    char l1[SPLICE_PATH_MAX + 64];
    snprintf(l1, sizeof l1, "Die Eingabedatei %s", path);
    /* a regular file only: a pipe or a device under the name would hang the start for ever */
    FILE *f = Rt_Fopen_Read(path);
    const int open_err = errno;
    /* what was read, so that a save sees whether someone changed it since */
    Rt_File_Id id;
    /* a link is the name a save replaces, never the file it points to: the link is noted */
    struct stat name;
    const bool link = lstat(path, &name) == 0 && S_ISLNK(name.st_mode);
    if (f && !link ? Rt_File_Id_Of_Stream(f, &id) : Rt_File_Id_Of(path, &id))
        Note_Input_File_Read(path, &id);
    if (!f) {
        /* a file that is not there is a new splice; anything else there is said */
        const int err = open_err;
        if (err == EISDIR)
            Show_File_Message("Fehler", l1, "ist ein Ordner und keine Datei.",
                              "Es gelten die Vorgaben.");
        else if (err != ENOENT)
            Show_File_Lines("Fehler", {l1, "kann nicht gelesen werden:",
                                       Rt_Path_Error_Text(err, path), "Es gelten die Vorgaben."});
        return 0;
    }
    struct stat st;
    const long long st_size = fstat(fileno(f), &st) == 0 ? (long long)st.st_size : 0;
    Inp_Read_Report r;
    long annex_at = -1;
    int32_t annex_line = 0, lines = 0;
    const int whole = Read_Records(f, si, &r, &annex_at, &annex_line, &lines);
    /* the annex section from where the records ended, without reading the file again */
    Annex_Section a = {};
    const bool judged = activate_nad && r.version > 0 && annex_at != -2 && ftell(f) >= 0
                        && (annex_at < 0 || fseek(f, annex_at, SEEK_SET) == 0);
    if (judged) Judge_Annex_Section(f, annex_at >= 0 ? annex_line : lines, annex_at >= 0, &r, &a);
    /* a file cut before or inside its end record may have lost the annex section behind it: the
    ** name cannot be known, and is never made up */
    const bool cut_section = judged && !r.complete && annex_at < 0 && !a.named;
    if (cut_section) a.lost = 1;
    /* a whole file without the section (it ends after END), or a section whose name is empty:
    ** the design takes "Deutschland", which the file did not name, and says so */
    std::vector<std::string> unnamed;
    const bool empty_name = judged && a.named && !a.lost && !a.name[0];
    if ((judged && r.complete && !a.named) || empty_name) {
        char line[SPLICE_PATH_MAX + 80];
        snprintf(line, sizeof line, "Die Eingabedatei %s nennt kein Anwendungsdokument", path);
        unnamed = {line,
                   empty_name ? "(hinter ACTIV_NADNAME steht der leere Name «»)."_cp850
                              : "(hinter END fehlt der Abschnitt ACTIV_NADNAME).",
                   "Bemessen wird mit \"" NAD_NAME_GERMANY "\"; Speichern schreibt diesen Namen in "
                   "die Datei."};
    }
    if (!whole || a.bad_line) {
        std::vector<std::string> box(2);
        char line[SPLICE_PATH_MAX + 200];
        snprintf(line, sizeof line, "Die Eingabedatei %s ist beschädigt"_cp850, path);
        box[0] = line;
        snprintf(line, sizeof line, "(Zeile %d: %s).", (int)r.first_bad_line, r.reason);
        box[1] = line;
        if (!whole) box.push_back("Für nicht lesbare Angaben gelten die Vorgaben."_cp850);
        if ((r.version == 0 && st_size > 0) || r.bad_bytes > 0)
            for (const std::string &l : Keep_Unread_File(path)) box.push_back(l);
        if (a.bad_line && a.name[0]) {
            snprintf(line, sizeof line, "Es gilt das Anwendungsdokument \"%s\" aus Zeile %d.",
                     a.name, (int)a.name_line);
            box.push_back(line);
        }
        if (cut_section)
            box.push_back("Mit dem Ende der Datei fehlt auch der Name des Anwendungsdokuments.");
        if (a.lost) {
            box.push_back("Bemessen wird mit \"Deutschland\"; gespeichert wird ohne Namen,");
            box.push_back(
                "bis ein Anwendungsdokument gewählt ist (Menü \"nationaler Anhang zum EC\")."_cp850);
        }
        box.insert(box.end(), unnamed.begin(), unnamed.end());
        Show_File_Lines("Fehler", box);
    } else if (!unnamed.empty()) {
        Init_Message();
        Set_Message_Symbol(1, 0, 0, 0);
        Set_Message_Title("Hinweis");
        for (const std::string &l : unnamed) Fill_Message(l.c_str());
        Draw_Message();
    }
    if (activate_nad) {
        if (!judged) Read_Active_NAD_Name_From(f, annex_at);
        else if (a.lost) Lose_Input_NAD_Name();
        else Set_Active_NAD(a.named ? a.name : nullptr); /* "" or none: "Deutschland" */
    }
    fclose(f);
    return 1;
}

/* ---------------------------------------------------------------- old files */

void Get_Loaded_Catalogue_Headers(int32_t h[CAT_HEADER_COUNT])
{
    static const Vbm_Type_Code screw_types[] = {0, 1, 2, 13, 11, 12, 14, 15, 16};
    static const Vbm_Type_Code connector_types[] = {25, 26, 27, 28, 31, 32, 33};
    int i = 0;
    for (Vbm_Type_Code t : screw_types) {
        const Vbm_Catalogue *c = Get_Vbm_Catalogue(t);
        h[i++] = c ? c->header : 0;
    }
    for (Vbm_Type_Code t : connector_types) {
        const Connector_Catalogue *c = Get_Connector_Catalogue(t);
        h[i++] = c ? c->header : 0;
    }
}

int Adjust_Old_Input_Values(Splice_Input_Record *si)
{
    if (!si) return 0;
    int32_t loaded[CAT_HEADER_COUNT];
    Get_Loaded_Catalogue_Headers(loaded);
    int32_t stored = Stored_Catalogue_Headers[CAT_HEADER_ASSY_S];
    if (stored < 0 || stored == loaded[CAT_HEADER_ASSY_S]) return 0;
    /* the current type and the size another type of that catalogue was left with */
    int changed = 0;
    for (int t : {14, 15}) {
        Vbm_Size_Rec *k = &si->sizes[VBM_TYPE_SLOT(t)];
        const bool current = si->vbm_type == t;
        if (!current && !k->kept) continue;
        const Vbm_Catalogue *c = Get_Vbm_Catalogue((Vbm_Type_Code)t);
        if (!c) continue;
        const double d = current ? si->d : k->d;
        int32_t *row_of = current ? &si->vbm_row : &k->row;
        int32_t row = -1;
        for (int32_t i = 0; i < c->n_rows && i < VBM_CAT_MAX_ROWS; i++)
            if (fabs(c->rows[i].d - d) < 0.001) {
                row = i;
                break;
            }
        if (row < 0 || row == *row_of) continue;
        *row_of = row;
        changed = 1;
    }
    return changed;
}
