/*
** Paragraph writer: "#SHOWPARA" blocks of the print list. One global format record (current),
** a copy of the record the last header wrote (written), the writer state and the tab list.
** Every setting lasts for one paragraph: Oli_End_Text returns to the built-in defaults.
*/
#include "printlist/oli_para.h"

#include <cerrno>
#include <cstdarg>
#include <cstring>

#include "foundation/format.h"
#include "platform/zelkwin.h"
#include "printlist/oli_internal.h"

/* Writer states */
enum { PARA_UNSET = 0, PARA_IDLE = 1, PARA_LINE_START = 2, PARA_IN_LINE = 3 };

static int para_tab_writer(FILE *file, uint32_t arg);

static const Oli_Para_State para_defaults = {0,   nullptr, nullptr, 4,   0.0, 0.0, 2,       2, 0.0,
                                             0.0, 2,       2,       1.0, 0,   0,   nullptr, 0};

static Oli_Para_State para_current = para_defaults;
static Oli_Para_State para_written = para_defaults;
static int para_state = PARA_UNSET;
static double tab_positions[OLI_PARA_MAX_TABS];
static uint32_t tab_kinds[OLI_PARA_MAX_TABS];
static int32_t tab_count = 0; /* 0 none, 1..100 a list, -1 one repeating step */
static uint32_t change_counter = 0;
static uint32_t header_counter = 0; /* change counter when the last header was written */

/* ---- helpers ---- */

int Oli_Para_Unit_Code(uint32_t word)
{
    if (word & 0x2) return 2;
    if (word & 0x1) return 1;
    return 4;
}

static void para_init(void)
{
    if (para_state != PARA_UNSET) return;
    para_state = PARA_IDLE;
    para_current = para_defaults;
    para_written = para_defaults;
}

/* Field-wise comparison: the record holds padding, so no memcmp. */
static int para_same(const Oli_Para_State *a, const Oli_Para_State *b)
{
    return a->flags == b->flags && a->hook_a == b->hook_a && a->hook_b == b->hook_b
           && a->mode == b->mode && a->offset == b->offset && a->value_b == b->value_b
           && a->unit_a == b->unit_a && a->unit_b == b->unit_b && a->value_c == b->value_c
           && a->value_d == b->value_d && a->unit_c == b->unit_c && a->unit_d == b->unit_d
           && a->value_e == b->value_e && a->pair_1 == b->pair_1 && a->pair_2 == b->pair_2
           && a->tab_hook == b->tab_hook && a->hook_arg == b->hook_arg;
}

/* ---- output ---- */

/* What one operation writes is gathered here and handed on in pieces of whole lines: every
** piece goes through the formatted-write slot of the standard-I/O table that the program
** handed to the GUI library. */
enum { PARA_OUT_SIZE = 4096 };
struct Para_Out {
    FILE *file;
    int rc; /* 0, or -1 after a failed write */
    size_t len;
    char buf[PARA_OUT_SIZE];
};

static void out_begin(Para_Out *o, FILE *file)
{
    o->file = file;
    o->rc = 0;
    o->len = 0;
}

/* Hand the gathered bytes to the stream; answers o->rc. */
static int out_flush(Para_Out *o)
{
    if (o->len == 0) return o->rc;
    o->buf[o->len] = 0;
    o->len = 0;
    if (VEL_STDIO_FCT->p_fprintf(o->file, "%s", o->buf) < 0) {
        Oli_Note_Write_Error(o->file, errno);
        o->rc = -1;
    }
    return o->rc;
}

/* out_bytes for a piece larger than the room left: handed on in parts. */
static void out_bytes_in_parts(Para_Out *o, const char *s, size_t n)
{
    while (n > 0 && o->rc == 0) {
        size_t room = sizeof o->buf - 1 - o->len;
        if (room == 0) {
            out_flush(o);
            room = sizeof o->buf - 1;
        }
        size_t k = n < room ? n : room;
        memcpy(o->buf + o->len, s, k);
        o->len += k;
        s += k;
        n -= k;
    }
}

/* After a failed write the operation writes nothing more. */
static inline void out_bytes(Para_Out *o, const char *s, size_t n)
{
    if (o->rc == 0 && n < sizeof o->buf - o->len) {
        memcpy(o->buf + o->len, s, n); /* the usual case: it fits */
        o->len += n;
        return;
    }
    out_bytes_in_parts(o, s, n);
}

#define OUT_LITERAL(o, s) out_bytes((o), (s), sizeof(s) - 1)

static void out_int(Para_Out *o, long long v)
{
    char t[24];
    out_bytes(o, t, (size_t)Format_Int(t, v));
}

/* "0x%x" */
static void out_hex(Para_Out *o, uint32_t v)
{
    char t[12];
    int n = 0;
    do {
        t[sizeof t - 1 - n++] = "0123456789abcdef"[v & 0xF];
        v >>= 4;
    } while (v != 0);
    OUT_LITERAL(o, "0x");
    out_bytes(o, t + sizeof t - n, (size_t)n);
}

/* "%.6g" */
static void out_g6(Para_Out *o, double v)
{
    char t[FORMAT_G6_SIZE];
    int n = Format_G6(t, v);
    if (n > 0) out_bytes(o, t, (size_t)n);
}

/* "%d %.6g\n": a unit code and a length */
static void out_length(Para_Out *o, uint32_t unit, double v)
{
    out_int(o, Oli_Para_Unit_Code(unit));
    OUT_LITERAL(o, " ");
    out_g6(o, v);
    OUT_LITERAL(o, "\n");
}

/* A hook of a record writes into the stream itself: what was gathered goes first. */
static void out_hook(Para_Out *o, Oli_Para_Hook hook, uint32_t arg)
{
    if (out_flush(o) < 0) return;
    if (hook(o->file, arg) < 0) o->rc = -1;
}

/* The end record that closes the current text part. */
static Oli_Para_End para_end_record(void)
{
    Oli_Para_End e = {0, 0.0, 2};
    if ((para_current.flags & 0x80) && (para_written.flags & 0x80)) e.flags |= 0x100;
    if (para_current.offset != 0.0) {
        e.flags |= 0x1000;
        e.value = para_current.offset;
    }
    if (para_written.flags & 0x2000) e.flags |= 0x2000;
    return e;
}

/* ---- records ---- */

static void out_tab_list(Para_Out *o, uint32_t kind, const uint32_t *kinds, const double *positions,
                         int32_t n)
{
    if (n > OLI_PARA_MAX_TABS) n = OLI_PARA_MAX_TABS;
    if (positions == nullptr) n = 0;
    OUT_LITERAL(o, "0x0 ");
    out_int(o, n < 0 ? 0 : n);
    OUT_LITERAL(o, "\n");
    for (int32_t i = 0; i < n; i++) out_length(o, kinds ? kinds[i] : kind, positions[i]);
}

static void out_tab_step(Para_Out *o, uint32_t kind, double step)
{
    OUT_LITERAL(o, "0x2\n");
    out_length(o, kind, step);
}

static void out_header(Para_Out *o, const Oli_Para_State *record, int with_keyword)
{
    const Oli_Para_State *r = record ? record : &para_defaults;
    uint32_t f = r->flags & ~(uint32_t)(0x1 | 0x2 | 0x10 | 0x20 | 0x40 | 0x200 | 0x400 | 0x800);
    if (r->hook_a) f |= 0x1;
    if (r->hook_b) f |= 0x2;
    if (r->offset != 0.0) f |= 0x10;
    if (r->value_c != 0.0 || r->value_d != 0.0) f |= 0x20;
    if (r->tab_hook) f |= 0x40;
    if (r->value_e != 1.0) f |= 0x400;
    if (r->value_b != 0.0) f |= 0x800;
    if (r->pair_1 != 0 || r->pair_2 != 0) f |= 0x200;
    if (with_keyword) OUT_LITERAL(o, "\n#SHOWPARA\n");
    out_hex(o, f);
    OUT_LITERAL(o, "\n");
    if (r->hook_a) out_hook(o, r->hook_a, r->hook_arg);
    if (r->hook_b) out_hook(o, r->hook_b, r->hook_arg);
    out_int(o, r->mode);
    OUT_LITERAL(o, "\n");
    if (f & 0x10) out_length(o, r->unit_a, r->offset);
    if (f & 0x20) {
        out_int(o, Oli_Para_Unit_Code(r->unit_c));
        OUT_LITERAL(o, " ");
        out_g6(o, r->value_c);
        OUT_LITERAL(o, " ");
        out_length(o, r->unit_d, r->value_d);
    }
    if (f & 0x40) {
        if (r->tab_hook != para_tab_writer) out_hook(o, r->tab_hook, r->hook_arg);
        else if (tab_count < 0) out_tab_step(o, tab_kinds[0], tab_positions[0]);
        else out_tab_list(o, 0, tab_kinds, tab_positions, tab_count);
    }
    if (f & 0x400) {
        out_g6(o, r->value_e);
        OUT_LITERAL(o, "\n");
    }
    if (f & 0x800) out_length(o, r->unit_b, r->value_b);
    if (f & 0x200) {
        out_int(o, r->pair_1);
        OUT_LITERAL(o, " ");
        out_int(o, r->pair_2);
        OUT_LITERAL(o, "\n");
    }
}

static void out_end(Para_Out *o, Oli_Para_End *end_record, int final)
{
    if (final) end_record->flags &= ~(uint32_t)0x4;
    else end_record->flags |= 0x4;
    out_hex(o, end_record->flags);
    OUT_LITERAL(o, "\n");
    if (end_record->flags & 0x1000) out_length(o, end_record->unit, end_record->value);
    if (final) OUT_LITERAL(o, "-1\n");
}

/* ---- stream-level writers ---- */

int Oli_Para_Write_Header(FILE *file, const Oli_Para_State *record, int with_keyword)
{
    if (file == nullptr) return -1;
    Para_Out o;
    out_begin(&o, file);
    out_header(&o, record, with_keyword);
    return out_flush(&o);
}

int Oli_Para_Write_End(FILE *file, Oli_Para_End *end_record, int final)
{
    if (file == nullptr || end_record == nullptr) return -1;
    Para_Out o;
    out_begin(&o, file);
    out_end(&o, end_record, final);
    return out_flush(&o);
}

int Oli_Para_Begin_Block(FILE *file, const Oli_Para_State *record)
{
    return Oli_Para_Write_Header(file, record, 1);
}

int Oli_Para_Continue_Block(FILE *file, Oli_Para_End *end_record, const Oli_Para_State *record)
{
    if (file == nullptr || end_record == nullptr) return -1;
    if (end_record->value != 0.0) end_record->flags |= 0x1000;
    Para_Out o;
    out_begin(&o, file);
    out_end(&o, end_record, 0);
    out_header(&o, record, 0);
    return out_flush(&o);
}

int Oli_Para_Close_Block(FILE *file, Oli_Para_End *end_record)
{
    return Oli_Para_Write_End(file, end_record, 1);
}

int Oli_Para_Write_Header_End(FILE *file)
{
    if (file == nullptr) return -1;
    Para_Out o;
    out_begin(&o, file);
    OUT_LITERAL(&o, "-1\n");
    return out_flush(&o);
}

int Oli_Para_Write_End_Of_Text(FILE *file)
{
    if (file == nullptr) return -1;
    Para_Out o;
    out_begin(&o, file);
    OUT_LITERAL(&o, "#END_OF_TEXT\n");
    return out_flush(&o);
}

int Oli_Para_Write_Tab_List(FILE *file, uint32_t kind, const uint32_t *kinds,
                            const double *positions, int32_t n)
{
    if (file == nullptr) return -1;
    Para_Out o;
    out_begin(&o, file);
    out_tab_list(&o, kind, kinds, positions, n);
    return out_flush(&o);
}

int Oli_Para_Write_Tab_Step(FILE *file, uint32_t kind, double step)
{
    if (file == nullptr) return -1;
    Para_Out o;
    out_begin(&o, file);
    out_tab_step(&o, kind, step);
    return out_flush(&o);
}

/* The tab hook: the current tab list in one of its two forms. */
static int para_tab_writer(FILE *file, uint32_t arg)
{
    (void)arg;
    if (tab_count < 0) return Oli_Para_Write_Tab_Step(file, tab_kinds[0], tab_positions[0]);
    return Oli_Para_Write_Tab_List(file, 0, tab_kinds, tab_positions, tab_count);
}

/* ---- printing ---- */

/* Write text into the open paragraph, piece by piece at the line feeds. */
static void para_write_text(Para_Out *o, const char *p, size_t len)
{
    const char *end = p + len;
    while (p < end) {
        const char *lf = (const char *)memchr(p, '\n', (size_t)(end - p));
        size_t n = lf ? (size_t)(lf - p) : (size_t)(end - p);
        if (para_state != PARA_IN_LINE) {
            OUT_LITERAL(o, " ");
            para_state = PARA_IN_LINE;
        }
        out_bytes(o, p, n);
        if (lf == nullptr) break;
        OUT_LITERAL(o, "\n");
        para_state = PARA_LINE_START;
        p = lf + 1;
    }
}

/* Oli_Printf after the format: the len bytes of text (no zero byte among them), and a line feed
** after them when line_feed is set. */
static int para_print(FILE *file, const char *text, size_t len, int line_feed)
{
    if (para_state == PARA_UNSET) {
        para_state = PARA_IDLE;
        para_current = para_defaults;
        para_written = para_defaults;
        tab_count = 0;
        change_counter = header_counter = 0;
    }
    Para_Out o;
    out_begin(&o, file);
    if (para_state == PARA_IDLE) {
        out_header(&o, &para_current, 1);
        OUT_LITERAL(&o, "-1\n");
        para_current.offset = 0.0;
        para_written = para_current;
        para_state = PARA_LINE_START;
        change_counter = header_counter = 0;
    } else if (!para_same(&para_current, &para_written) || change_counter != header_counter) {
        if (para_state == PARA_IN_LINE) {
            OUT_LITERAL(&o, "\n");
            para_state = PARA_LINE_START;
        }
        Oli_Para_End e = para_end_record();
        para_current.offset = 0.0;
        OUT_LITERAL(&o, "#END_OF_TEXT\n");
        out_end(&o, &e, 0);
        out_header(&o, &para_current, 0);
        OUT_LITERAL(&o, "-1\n");
        para_written = para_current;
        header_counter = change_counter;
    }
    para_write_text(&o, text, len);
    if (line_feed) para_write_text(&o, "\n", 1);
    return out_flush(&o);
}

int Oli_Printf(FILE *file, const char *format, ...)
{
    if (file == nullptr || format == nullptr) return -1;
    char text[OLI_PARA_PRINTF_SIZE];
    va_list ap;
    va_start(ap, format);
    int n = Oli_Vformat(text, sizeof text, format, ap);
    va_end(ap);
    if (n < 0) {
        Oli_Note_Write_Error(file, EILSEQ); /* a text that cannot be formatted is lost */
        return -1;
    }
    return para_print(file, text, strnlen(text, (size_t)n), 0); /* the text ends at a zero byte */
}

int Oli_Para_Print_Text(FILE *file, const char *text, int line_feed)
{
    if (file == nullptr || text == nullptr) return -1;
    /* what Oli_Printf keeps of its 1000 bytes */
    size_t n = strlen(text);
    const size_t keep = OLI_PARA_PRINTF_SIZE - 1;
    if (n >= keep) return para_print(file, text, keep, 0);
    return para_print(file, text, n, line_feed);
}

int Oli_Para_Print_Line(FILE *file, const char *text)
{
    if (text == nullptr) return -1;
    return Oli_Para_Print_Line_N(file, text, strlen(text));
}

int Oli_Para_Print_Line_N(FILE *file, const char *text, size_t n)
{
    if (file == nullptr || text == nullptr) return -1;
    const size_t keep = OLI_PARA_PRINTF_SIZE - 1;
    if (n >= keep) return para_print(file, text, keep, 0);
    return para_print(file, text, n, n == 0 || text[n - 1] != '\n');
}

int Oli_End_Text(FILE *file)
{
    if (file == nullptr) return -1;
    int rc = -1;
    if (para_state == PARA_UNSET) para_written = para_defaults;
    Para_Out o;
    out_begin(&o, file);
    if (para_state == PARA_IN_LINE) {
        OUT_LITERAL(&o, "\n");
        para_state = PARA_LINE_START;
    }
    if (para_state == PARA_LINE_START) {
        Oli_Para_End e = para_end_record();
        OUT_LITERAL(&o, "#END_OF_TEXT\n");
        out_end(&o, &e, 1);
        rc = out_flush(&o);
    }
    change_counter++;
    para_current = para_defaults;
    tab_count = 0;
    para_state = PARA_IDLE;
    return rc;
}

/* ---- format setters and getters ---- */

void Oli_Para_Reset(void)
{
    para_init();
    para_current = para_defaults;
    tab_count = 0;
    change_counter++;
}

void Oli_Para_Set_Mode(int32_t mode)
{
    para_init();
    para_current.mode = mode;
}

int32_t Oli_Para_Get_Mode(void)
{
    para_init();
    return para_current.mode;
}

void Oli_Para_Add_Offset(double d)
{
    para_init();
    para_current.offset += d;
}

void Oli_Para_Set_Value_B(double d)
{
    para_init();
    para_current.value_b = d;
}
double Oli_Para_Get_Value_B(void)
{
    para_init();
    return para_current.value_b;
}
void Oli_Para_Set_Value_C(double d)
{
    para_init();
    para_current.value_c = d;
}
double Oli_Para_Get_Value_C(void)
{
    para_init();
    return para_current.value_c;
}
void Oli_Para_Set_Value_D(double d)
{
    para_init();
    para_current.value_d = d;
}
double Oli_Para_Get_Value_D(void)
{
    para_init();
    return para_current.value_d;
}
void Oli_Para_Set_Value_E(double d)
{
    para_init();
    para_current.value_e = d;
}
double Oli_Para_Get_Value_E(void)
{
    para_init();
    return para_current.value_e;
}

void Oli_Para_Set_Flags(uint32_t bits)
{
    para_init();
    para_current.flags = (para_current.flags & ~(uint32_t)0x188) | (bits & 0x188);
}

void Oli_Para_Set_Flag13(void)
{
    para_init();
    para_written.flags |= 0x2000;
}

static void tabs_changed(void)
{
    change_counter++;
    para_current.tab_hook = para_tab_writer;
}

void Oli_Para_Clear_Tabs(void)
{
    para_init();
    if (tab_count == 0) return;
    tab_count = 0;
    tabs_changed();
}

void Oli_Para_Set_Tabs(uint32_t kind, const uint32_t *kinds, const double *positions, int32_t n)
{
    para_init();
    if (n <= 0 || positions == nullptr) {
        Oli_Para_Clear_Tabs();
        return;
    }
    if (n > OLI_PARA_MAX_TABS) n = OLI_PARA_MAX_TABS;
    for (int32_t i = 0; i < n; i++) {
        tab_positions[i] = positions[i];
        tab_kinds[i] = kinds ? kinds[i] : kind;
    }
    tab_count = n;
    tabs_changed();
}

void Oli_Para_Set_Tab_Step(uint32_t kind, double step)
{
    para_init();
    if (step <= 0) {
        Oli_Para_Clear_Tabs();
        return;
    }
    tab_positions[0] = step;
    tab_kinds[0] = kind;
    tab_count = -1;
    tabs_changed();
}
