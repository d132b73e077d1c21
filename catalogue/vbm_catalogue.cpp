/*
** Readers of the fastener catalogue files of the private data path: one text file per
** fastener family, read once into a static table of at most 30 rows of at most 30 lengths.
** Every bound is checked: excess rows and lengths are ignored and a malformed or overlong
** line ends the reader; each is reported with the file and line. Lengths in mm.
*/
#include "catalogue/vbm_catalogue.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "catalogue/mat_internal.h"
#include "foundation/codepage.h"
#include "foundation/report.h"
#include "foundation/ttool.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"

/* ---- messages */

static Catalogue_Msg_Hook Msg_Hook = nullptr;

void Catalogue_Set_Msg_Hook(Catalogue_Msg_Hook hook) { Msg_Hook = hook; }

void Catalogue_Report(const char *fmt, ...)
{
    char text[600];
    va_list ap;
    va_start(ap, fmt);
    vsnprintf(text, sizeof text, fmt, ap);
    va_end(ap);
    if (Msg_Hook) Msg_Hook(text);
    else Foundation_Report(FOUNDATION_MSG_ERROR, -1, text);
}

/* ---- tables */

Dowel_Bolt_Diameter_Lists Dowel_Bolt_Diameters;
Connector_Catalogue Ec5_Schduebel_B1_Table;

/* Row forms of the nail and screw files. */
typedef enum Row_Form {
    FORM_NAGEL,    /* d dk lengths */
    FORM_KLAMMER,  /* d dk lengths, then a line of effective lengths */
    FORM_SCHRAUBE, /* d d1 dk fak_lef k lengths */
    FORM_ASSY,     /* d d1 dk k fak_lef, lengths (header 1) or lengths and l_ef (header 2) */
    FORM_SPAX_VG,  /* d d1 dk k xLE100 xLE200 xGT200 lengths */
    FORM_PAIRS_5,  /* d d1 ds dk k, pairs l l_ef */
    FORM_PAIRS_2,  /* d dk, pairs */
    FORM_PAIRS_4   /* d d1 ds dk, pairs */
} Row_Form;

/* Connector row forms. */
typedef enum Conn_Form { CONN_A1, CONN_C1_C5, CONN_C10, CONN_B1, CONN_C2, CONN_C11 } Conn_Form;

/* One reader: its file, table and state. */
typedef struct Vbm_Reader {
    const char *file;
    int connector; /* 1: a connector file */
    int form;      /* Row_Form or Conn_Form */
    Vbm_Catalogue *table;
    Connector_Catalogue *conn;
    int done;             /* read completely */
    int reported_missing; /* a missing file is said once */
} Vbm_Reader;

static Vbm_Catalogue Cat_Nagel, Cat_Klammer, Cat_Schraube, Cat_Assy_Z, Cat_Assy_S, Cat_Spax_S_Vg,
    Cat_Spax_S_Tg, Cat_Spax_T_Tg, Cat_Sondernagel, Cat_Simpson_Cna, Cat_Simpson_Csa;
static Vbm_Catalogue Cat_Topix[14]; /* codes 47..60 */
static Connector_Catalogue Cat_A1, Cat_C1, Cat_C5, Cat_C10, Cat_C2, Cat_C11;

enum {
    R_NAGEL,
    R_KLAMMER,
    R_SCHRAUBE,
    R_ASSY_Z,
    R_ASSY_S,
    R_SPAX_S_VG,
    R_SPAX_S_TG,
    R_SPAX_T_TG,
    R_SONDERNAGEL,
    R_SIMPSON_CNA,
    R_SIMPSON_CSA,
    R_A1,
    R_C1,
    R_C5,
    R_C10,
    R_B1,
    R_C2,
    R_C11,
    R_TOPIX0,
    R_COUNT = R_TOPIX0 + 14
};

static Vbm_Reader Readers[R_COUNT] = {
    // clang-format off
  {"ec5_nagel.dat", 0, FORM_NAGEL, &Cat_Nagel, nullptr, 0, 0},
  {"ec5_klammer.dat", 0, FORM_KLAMMER, &Cat_Klammer, nullptr, 0, 0},
  {"ec5_schraube.dat", 0, FORM_SCHRAUBE, &Cat_Schraube, nullptr, 0, 0},
  {"ec5_assy_plus_vg_z.dat", 0, FORM_ASSY, &Cat_Assy_Z, nullptr, 0, 0},
  {"ec5_assy_plus_vg_s.dat", 0, FORM_ASSY, &Cat_Assy_S, nullptr, 0, 0},
  {"ec5_spax_s_vg.dat", 0, FORM_SPAX_VG, &Cat_Spax_S_Vg, nullptr, 0, 0},
  {"ec5_spax_s_tg.dat", 0, FORM_PAIRS_5, &Cat_Spax_S_Tg, nullptr, 0, 0},
  {"ec5_spax_t_tg.dat", 0, FORM_PAIRS_5, &Cat_Spax_T_Tg, nullptr, 0, 0},
  {"ec5_sondernagel.dat", 0, FORM_PAIRS_2, &Cat_Sondernagel, nullptr, 0, 0},
  {"ec5_simpson_cna.dat", 0, FORM_PAIRS_2, &Cat_Simpson_Cna, nullptr, 0, 0},
  {"ec5_simpson_csa.dat", 0, FORM_PAIRS_4, &Cat_Simpson_Csa, nullptr, 0, 0},
  {"ec5_ringduebel_a1.dat", 1, CONN_A1, nullptr, &Cat_A1, 0, 0},
  {"ec5_schduebel_c1.dat", 1, CONN_C1_C5, nullptr, &Cat_C1, 0, 0},
  {"ec5_schduebel_c5.dat", 1, CONN_C1_C5, nullptr, &Cat_C5, 0, 0},
  {"ec5_schduebel_c10.dat", 1, CONN_C10, nullptr, &Cat_C10, 0, 0},
  {"ec5_schduebel_B1.dat", 1, CONN_B1, nullptr, &Ec5_Schduebel_B1_Table, 0, 0},
  {"ec5_schduebel_c2.dat", 1, CONN_C2, nullptr, &Cat_C2, 0, 0},
  {"ec5_schduebel_c11.dat", 1, CONN_C11, nullptr, &Cat_C11, 0, 0},
  {"ec5_topix_k6k_vg.dat", 0, FORM_PAIRS_5, &Cat_Topix[0], nullptr, 0, 0},
  {"ec5_topix_k6k_tg.dat", 0, FORM_PAIRS_5, &Cat_Topix[1], nullptr, 0, 0},
  {"ec5_topix_rundk_vg.dat", 0, FORM_PAIRS_5, &Cat_Topix[2], nullptr, 0, 0},
  {"ec5_topix_senkk_vg.dat", 0, FORM_PAIRS_5, &Cat_Topix[3], nullptr, 0, 0},
  {"ec5_topix_tcs_senkk_var_vg.dat", 0, FORM_PAIRS_5, &Cat_Topix[4], nullptr, 0, 0},
  {"ec5_topix_tcs_senkk_tg.dat", 0, FORM_PAIRS_5, &Cat_Topix[5], nullptr, 0, 0},
  {"ec5_topix_frt_senkk_var_vg.dat", 0, FORM_PAIRS_5, &Cat_Topix[6], nullptr, 0, 0},
  {"ec5_topix_frt_senkk_vg.dat", 0, FORM_PAIRS_5, &Cat_Topix[7], nullptr, 0, 0},
  {"ec5_topix_frt_senkk_tg.dat", 0, FORM_PAIRS_5, &Cat_Topix[8], nullptr, 0, 0},
  {"ec5_topix_tellerk_var_vg.dat", 0, FORM_PAIRS_5, &Cat_Topix[9], nullptr, 0, 0},
  {"ec5_topix_tellerk_tg.dat", 0, FORM_PAIRS_5, &Cat_Topix[10], nullptr, 0, 0},
  {"ec5_topix_tellerk_vg.dat", 0, FORM_PAIRS_5, &Cat_Topix[11], nullptr, 0, 0},
  {"ec5_topix_zylk_vg.dat", 0, FORM_PAIRS_5, &Cat_Topix[12], nullptr, 0, 0},
  {"ec5_topix_zylsenk_vg.dat", 0, FORM_PAIRS_5, &Cat_Topix[13], nullptr, 0, 0},
    // clang-format on
};

/* ---- line input */

#define LINE_LIMIT 499 /* characters of one line */

/* A file being read, with its name and line number for the messages. */
typedef struct Cat_File {
    FILE *f;
    const char *name;
    int line; /* number of the last line read */
    char buf[LINE_LIMIT + 2];
} Cat_File;

/* Read the next line that is not a comment into cf->buf. 1 on a line, 0 at the end of the
** file, -1 for an overlong line (reported). */
static int Next_Line(Cat_File *cf)
{
    for (;;) {
        memset(cf->buf, 0, sizeof cf->buf); /* so that a zero byte inside the line shows */
        if (!fgets(cf->buf, sizeof cf->buf, cf->f)) return 0;
        cf->line++;
        size_t len = strlen(cf->buf);
        if (len > 0 && cf->buf[len - 1] == '\n') {
            cf->buf[--len] = '\0';
            if (len > 0 && cf->buf[len - 1] == '\r') cf->buf[--len] = '\0';
        } else if (memchr(cf->buf, '\n', sizeof cf->buf - 1) != nullptr) {
            Catalogue_Report("Katalogdatei %s, Zeile %d: ungültiges Zeichen (Nullbyte)"_cp850,
                             cf->name, cf->line);
            return -1;
        } else if (!feof(cf->f)) {
            Catalogue_Report("Katalogdatei %s, Zeile %d: Zeile länger als %d Zeichen"_cp850,
                             cf->name, cf->line, LINE_LIMIT);
            return -1;
        }
        if (cf->buf[0] != '#') return 1;
    }
}

/* Parse a whole word as a double; 1 on success. */
static int Parse_Double(const char *word, double *v)
{
    char *end = nullptr;
    errno = 0;
    const double x = strtod(word, &end);
    if (end == word || *end != '\0' || errno == ERANGE) return 0;
    *v = x;
    return 1;
}

/* Parse the next value of a line (as scanf would): a double or an int; advances *p. */
static int Scan_Value(const char **p, int integer, double *d, int32_t *i)
{
    char *end = nullptr;
    errno = 0;
    if (integer) {
        const long v = strtol(*p, &end, 10);
        if (end == *p || errno == ERANGE || v < INT32_MIN || v > INT32_MAX) return 0;
        *i = static_cast<int32_t>(v);
    } else {
        const double v = strtod(*p, &end);
        if (end == *p || errno == ERANGE) return 0;
        *d = v;
    }
    *p = end;
    return 1;
}

static void Free_Words(char **words, int n)
{
    for (int i = 0; i < n; i++) free(words[i]);
    free(words);
}

/* ---- screw-type rows */

/* Fixed values of a row form: the row fields in file order. */
static int Fixed_Fields(Row_Form form, Vbm_Catalogue_Row *r, double **out)
{
    int k = 0;
    switch (form) {
    case FORM_NAGEL:
    case FORM_KLAMMER:
    case FORM_PAIRS_2:
        out[k++] = &r->d;
        out[k++] = &r->dk;
        break;
    case FORM_SCHRAUBE:
        out[k++] = &r->d;
        out[k++] = &r->d1;
        out[k++] = &r->dk;
        out[k++] = &r->fak_lef;
        out[k++] = &r->k;
        break;
    case FORM_ASSY:
        out[k++] = &r->d;
        out[k++] = &r->d1;
        out[k++] = &r->dk;
        out[k++] = &r->k;
        out[k++] = &r->fak_lef;
        break;
    case FORM_SPAX_VG:
        out[k++] = &r->d;
        out[k++] = &r->d1;
        out[k++] = &r->dk;
        out[k++] = &r->k;
        out[k++] = &r->xLE100;
        out[k++] = &r->xLE200;
        out[k++] = &r->xGT200;
        break;
    case FORM_PAIRS_5:
        out[k++] = &r->d;
        out[k++] = &r->d1;
        out[k++] = &r->ds;
        out[k++] = &r->dk;
        out[k++] = &r->k;
        break;
    case FORM_PAIRS_4:
        out[k++] = &r->d;
        out[k++] = &r->d1;
        out[k++] = &r->ds;
        out[k++] = &r->dk;
        break;
    }
    return k;
}

/* Number of lengths n (capped at the table's room, with a message). */
static int32_t Cap_Lengths(Cat_File *cf, int32_t n)
{
    if (n > VBM_CAT_MAX_LENGTHS) {
        Catalogue_Report("Katalogdatei %s, Zeile %d: %d Längen, nur %d werden gelesen"_cp850,
                         cf->name, cf->line, n, VBM_CAT_MAX_LENGTHS);
        return VBM_CAT_MAX_LENGTHS;
    }
    return n < 0 ? 0 : n;
}

/* Read the list words from position `first` into l (and l_ef for pairs). 1 on success. */
static int Read_List(Cat_File *cf, char **words, int first, int32_t n, double *dst, int step)
{
    for (int32_t j = 0; j < n; j++) {
        const char *w = words[first + j * step];
        if (!Parse_Double(w, &dst[j])) {
            Catalogue_Report("Katalogdatei %s, Zeile %d: \"%s\" ist keine Zahl", cf->name, cf->line,
                             w);
            return 0;
        }
    }
    return 1;
}

/* Parse one row of a nail or screw file (the line is in cf->buf). 1 on success. */
static int Read_Screw_Row(Cat_File *cf, Row_Form form, int32_t header, Vbm_Catalogue_Row *r)
{
    double *fixed[8];
    const int K = Fixed_Fields(form, r, fixed);
    const char *p = cf->buf;
    for (int k = 0; k < K; k++) {
        int32_t unused;
        if (!Scan_Value(&p, 0, fixed[k], &unused)) {
            Catalogue_Report("Katalogdatei %s, Zeile %d: %d Zahlen erwartet", cf->name, cf->line,
                             K);
            return 0;
        }
    }
    int nw = 0;
    char **words = nullptr;
    if (!Str_Split_Words(cf->buf, &nw, &words)) {
        Catalogue_Report("Katalogdatei %s, Zeile %d: leere Zeile", cf->name, cf->line);
        return 0;
    }
    int ok = 1;
    int32_t n = 0;
    switch (form) {
    case FORM_NAGEL:
    case FORM_KLAMMER:
    case FORM_SCHRAUBE:
    case FORM_SPAX_VG:
        n = Cap_Lengths(cf, nw - K);
        r->n_l = n;
        ok = Read_List(cf, words, K, n, r->l, 1);
        break;
    case FORM_ASSY:
        if (header == 1) {
            n = Cap_Lengths(cf, nw - K);
            r->n_l = n;
            ok = Read_List(cf, words, K, n, r->l, 1);
        } else if (header == 2) {
            const int32_t raw = (nw - K) / 2;
            n = Cap_Lengths(cf, raw);
            r->n_l = n;
            if (nw > 6)
                ok = Read_List(cf, words, K, n, r->l, 1)
                     && Read_List(cf, words, K + raw, n, r->l_ef, 1);
        }
        break;
    case FORM_PAIRS_5:
    case FORM_PAIRS_2:
    case FORM_PAIRS_4:
        n = Cap_Lengths(cf, (nw - K) / 2);
        r->n_l = n;
        if (nw > K + 1)
            ok = Read_List(cf, words, K, n, r->l, 2) && Read_List(cf, words, K + 1, n, r->l_ef, 2);
        break;
    }
    Free_Words(words, nw);
    if (!ok) return 0;
    /* effective lengths that the form derives */
    for (int32_t j = 0; j < r->n_l; j++) {
        if (form == FORM_SCHRAUBE || (form == FORM_ASSY && header == 1)) {
            r->l_ef[j] = r->fak_lef * r->l[j];
        } else if (form == FORM_SPAX_VG) {
            const double l = r->l[j];
            r->l_ef[j] = l - (l < 100.0 ? r->xLE100 : l < 200.0 ? r->xLE200 : r->xGT200);
        }
    }
    if (form == FORM_KLAMMER) {
        /* the next line that is not a comment holds the effective lengths */
        if (Next_Line(cf) != 1) {
            Catalogue_Report("Katalogdatei %s, Zeile %d: Zeile der wirksamen Längen fehlt"_cp850,
                             cf->name, cf->line);
            return 0;
        }
        if (!Str_Split_Words(cf->buf, &nw, &words)) {
            nw = 0;
            words = nullptr;
        }
        ok = nw >= r->n_l;
        if (!ok)
            Catalogue_Report("Katalogdatei %s, Zeile %d: %d wirksame Längen erwartet"_cp850,
                             cf->name, cf->line, r->n_l);
        else ok = Read_List(cf, words, 0, r->n_l, r->l_ef, 1);
        if (words) Free_Words(words, nw);
        if (!ok) return 0;
    }
    return 1;
}

/* ---- connector rows */

/* The value slots of a connector form in file order; negative: an integer (-1 int_a, -2 int_b). */
static int Conn_Fields(Conn_Form form, int32_t header, Connector_Row *r, double **d, int *kind)
{
    int n = 0;
#define D(f) (d[n] = &r->f, kind[n++] = 0)
#define IA   (d[n] = nullptr, kind[n++] = -1)
#define IB   (d[n] = nullptr, kind[n++] = -2)
    switch (form) {
    case CONN_A1:
        D(dc);
        D(hc);
        D(he);
        D(t);
        D(r);
        D(db_min);
        D(db_max);
        D(F);
        break;
    case CONN_C1_C5:
        D(dc);
        D(hc);
        D(he);
        D(t);
        D(d1);
        IB;
        IA;
        D(h2);
        D(db_min);
        D(db_max);
        D(F);
        break;
    case CONN_C10:
        D(dc);
        D(hc);
        D(he);
        D(t);
        D(d1);
        D(d2);
        D(d3);
        D(d4);
        IB;
        D(db_min);
        D(db_max);
        D(F);
        break;
    case CONN_B1:
        if (header > 1) {
            D(dc);
            D(he);
            D(hc);
            D(t);
            D(t1);
            D(d1);
            D(d2);
            D(d3);
            D(d4);
            D(r);
            D(h1);
            D(a1);
            D(a2);
            D(db_min);
            D(db_max);
            D(F);
        } else {
            D(dc);
            D(he);
            D(hc);
            D(t);
            D(t1);
            D(d1);
            D(d2);
            D(db_min);
            D(db_max);
            D(F);
        }
        break;
    case CONN_C2:
        D(dc);
        D(hc);
        D(he);
        D(t);
        D(d2);
        D(h3);
        IB;
        IA;
        D(db_min);
        D(db_max);
        D(F);
        break;
    case CONN_C11:
        D(dc);
        D(hc);
        D(he);
        D(t);
        D(d1);
        D(d2);
        D(d3);
        D(d4);
        D(d5);
        D(r);
        D(h1);
        IB;
        D(db_min);
        D(db_max);
        D(F);
        break;
    }
#undef D
#undef IA
#undef IB
    return n;
}

static int Read_Connector_Row(Cat_File *cf, Conn_Form form, int32_t header, Connector_Row *r)
{
    double *slots[20];
    int kind[20];
    const int n = Conn_Fields(form, header, r, slots, kind);
    const char *p = cf->buf;
    for (int k = 0; k < n; k++) {
        double d = 0.0;
        int32_t i = 0;
        if (!Scan_Value(&p, kind[k] != 0, &d, &i)) {
            Catalogue_Report("Katalogdatei %s, Zeile %d: %d Zahlen erwartet", cf->name, cf->line,
                             n);
            return 0;
        }
        if (kind[k] == 0) *slots[k] = d;
        else if (kind[k] == -1) r->int_a = i;
        else r->int_b = i;
    }
    return 1;
}

/* ---- the reader */

/* Read the leading integer of the next line into *v; 1 read, 0 end of file, -1 malformed. */
static int Read_Int_Line(Cat_File *cf, int32_t *v, const char *what)
{
    const int rc = Next_Line(cf);
    if (rc <= 0) return rc;
    const char *p = cf->buf;
    double unused;
    if (!Scan_Value(&p, 1, &unused, v)) {
        Catalogue_Report("Katalogdatei %s, Zeile %d: %s ist keine ganze Zahl", cf->name, cf->line,
                         what);
        return -1;
    }
    return 1;
}

static uint32_t Catalogue_Generation = 1;

uint32_t Vbm_Catalogue_Generation(void) { return Catalogue_Generation; }

static int32_t Run_Reader(Vbm_Reader *rd)
{
    if (rd->done) return 1;
    /* a table with rows that is read again changes, whatever the file holds now */
    if ((rd->table && rd->table->n_rows != 0) || (rd->conn && rd->conn->n_rows != 0))
        Catalogue_Generation++;
    if (rd->table) memset(rd->table, 0, sizeof *rd->table);
    if (rd->conn) memset(rd->conn, 0, sizeof *rd->conn);
    char path[1024];
    const char *dir = CurOb_Privat_Datapath();
    const int len = snprintf(path, sizeof path, "%s/%s", dir ? dir : ".", rd->file);
    /* a regular file only: a pipe or a device under the name would hang the start */
    FILE *f = (len > 0 && len < static_cast<int>(sizeof path)) ? Rt_Fopen_Read(path) : nullptr;
    if (!f) {
        const int err = errno;
        if (!rd->reported_missing) {
            if (err == ENOENT || len <= 0 || len >= static_cast<int>(sizeof path))
                Catalogue_Report("Katalogdatei %s nicht gefunden: die Liste bleibt leer", path);
            else
                Catalogue_Report("Katalogdatei %s kann nicht gelesen werden: %s Die Liste bleibt "
                                 "leer",
                                 path, Rt_Error_Text(err));
        }
        rd->reported_missing = 1;
        return 0;
    }
    Cat_File cf = {};
    cf.f = f;
    cf.name = rd->file;
    int32_t *header = rd->table ? &rd->table->header : &rd->conn->header;
    int32_t *n_rows = rd->table ? &rd->table->n_rows : &rd->conn->n_rows;
    int32_t count = 0;
    int ok = 1;
    int rc = Read_Int_Line(&cf, header, "Der Formatkenner");
    if (rc < 0) ok = 0;
    if (ok && rc > 0) {
        rc = Read_Int_Line(&cf, &count, "Die Zeilenanzahl");
        if (rc < 0) ok = 0;
    }
    if (ok && count < 0) {
        Catalogue_Report("Katalogdatei %s, Zeile %d: negative Zeilenanzahl %d", cf.name, cf.line,
                         count);
        ok = 0;
        count = 0;
    }
    if (ok && count > VBM_CAT_MAX_ROWS) {
        Catalogue_Report("Katalogdatei %s, Zeile %d: %d Zeilen, nur %d werden gelesen"_cp850,
                         cf.name, cf.line, count, VBM_CAT_MAX_ROWS);
        count = VBM_CAT_MAX_ROWS;
    }
    *n_rows = count;
    for (int32_t i = 0; ok && i < count; i++) {
        rc = Next_Line(&cf);
        if (rc < 0) {
            ok = 0;
            break;
        }
        if (rc == 0) { /* the file ends early: the rows read are the table */
            Catalogue_Report("Katalogdatei %s: Datei endet nach %d von %d Zeilen", cf.name, i,
                             count);
            *n_rows = i;
            break;
        }
        if (rd->table)
            ok = Read_Screw_Row(&cf, static_cast<Row_Form>(rd->form), *header, &rd->table->rows[i]);
        else
            ok = Read_Connector_Row(&cf, static_cast<Conn_Form>(rd->form), *header,
                                    &rd->conn->rows[i]);
    }
    fclose(f);
    Catalogue_Generation++; /* what was read so far stays in the table */
    if (!ok) return 0;
    rd->done = 1;
    return 1;
}

int32_t Load_Ec5_Nagel(void) { return Run_Reader(&Readers[R_NAGEL]); }
int32_t Load_Ec5_Klammer(void) { return Run_Reader(&Readers[R_KLAMMER]); }
int32_t Load_Ec5_Schraube(void) { return Run_Reader(&Readers[R_SCHRAUBE]); }
int32_t Load_Ec5_Assy_Plus_Vg_Z(void) { return Run_Reader(&Readers[R_ASSY_Z]); }
int32_t Load_Ec5_Assy_Plus_Vg_S(void) { return Run_Reader(&Readers[R_ASSY_S]); }
int32_t Load_Ec5_Spax_S_Vg(void) { return Run_Reader(&Readers[R_SPAX_S_VG]); }
int32_t Load_Ec5_Spax_S_Tg(void) { return Run_Reader(&Readers[R_SPAX_S_TG]); }
int32_t Load_Ec5_Spax_T_Tg(void) { return Run_Reader(&Readers[R_SPAX_T_TG]); }
int32_t Load_Ec5_Sondernagel(void) { return Run_Reader(&Readers[R_SONDERNAGEL]); }
int32_t Load_Ec5_Simpson_Cna(void) { return Run_Reader(&Readers[R_SIMPSON_CNA]); }
int32_t Load_Ec5_Simpson_Csa(void) { return Run_Reader(&Readers[R_SIMPSON_CSA]); }
int32_t Load_Ec5_Ringduebel_A1(void) { return Run_Reader(&Readers[R_A1]); }
int32_t Load_Ec5_Schduebel_C1(void) { return Run_Reader(&Readers[R_C1]); }
int32_t Load_Ec5_Schduebel_C5(void) { return Run_Reader(&Readers[R_C5]); }
int32_t Load_Ec5_Schduebel_C10(void) { return Run_Reader(&Readers[R_C10]); }
int32_t Load_Ec5_Schduebel_B1(void) { return Run_Reader(&Readers[R_B1]); }
int32_t Load_Ec5_Schduebel_C2(void) { return Run_Reader(&Readers[R_C2]); }
int32_t Load_Ec5_Schduebel_C11(void) { return Run_Reader(&Readers[R_C11]); }
int32_t Load_Ec5_Topix_K6k_Vg(void) { return Run_Reader(&Readers[R_TOPIX0 + 0]); }
int32_t Load_Ec5_Topix_K6k_Tg(void) { return Run_Reader(&Readers[R_TOPIX0 + 1]); }
int32_t Load_Ec5_Topix_Rundk_Vg(void) { return Run_Reader(&Readers[R_TOPIX0 + 2]); }
int32_t Load_Ec5_Topix_Senkk_Vg(void) { return Run_Reader(&Readers[R_TOPIX0 + 3]); }
int32_t Load_Ec5_Topix_Tcs_Senkk_Var_Vg(void) { return Run_Reader(&Readers[R_TOPIX0 + 4]); }
int32_t Load_Ec5_Topix_Tcs_Senkk_Tg(void) { return Run_Reader(&Readers[R_TOPIX0 + 5]); }
int32_t Load_Ec5_Topix_Frt_Senkk_Var_Vg(void) { return Run_Reader(&Readers[R_TOPIX0 + 6]); }
int32_t Load_Ec5_Topix_Frt_Senkk_Vg(void) { return Run_Reader(&Readers[R_TOPIX0 + 7]); }
int32_t Load_Ec5_Topix_Frt_Senkk_Tg(void) { return Run_Reader(&Readers[R_TOPIX0 + 8]); }
int32_t Load_Ec5_Topix_Tellerk_Var_Vg(void) { return Run_Reader(&Readers[R_TOPIX0 + 9]); }
int32_t Load_Ec5_Topix_Tellerk_Tg(void) { return Run_Reader(&Readers[R_TOPIX0 + 10]); }
int32_t Load_Ec5_Topix_Tellerk_Vg(void) { return Run_Reader(&Readers[R_TOPIX0 + 11]); }
int32_t Load_Ec5_Topix_Zylk_Vg(void) { return Run_Reader(&Readers[R_TOPIX0 + 12]); }
int32_t Load_Ec5_Topix_Zylsenk_Vg(void) { return Run_Reader(&Readers[R_TOPIX0 + 13]); }

int32_t Init_Dowel_Bolt_Diameters(void)
{
    Catalogue_Generation++;
    static const double d[8] = {6, 8, 10, 12, 16, 20, 24, 30};
    Dowel_Bolt_Diameters.dowel.count = 7;
    Dowel_Bolt_Diameters.bolt.count = 8;
    for (int i = 0; i < 8; i++) {
        Dowel_Bolt_Diameters.dowel.d[i] = i < 7 ? d[i] : 0.0;
        Dowel_Bolt_Diameters.bolt.d[i] = d[i];
    }
    return 1;
}

void Load_Vbm_Catalogues(void)
{
    Load_Ec5_Nagel();
    Load_Ec5_Klammer();
    Load_Ec5_Schraube();
    Load_Ec5_Assy_Plus_Vg_Z();
    Load_Ec5_Assy_Plus_Vg_S();
    Load_Ec5_Spax_S_Vg();
    Load_Ec5_Spax_S_Tg();
    Load_Ec5_Spax_T_Tg();
    Load_Ec5_Sondernagel();
    Init_Dowel_Bolt_Diameters();
    Load_Ec5_Ringduebel_A1();
    Load_Ec5_Schduebel_C1();
    Load_Ec5_Schduebel_C5();
    Load_Ec5_Schduebel_C10();
    Load_Ec5_Schduebel_B1();
    Load_Ec5_Schduebel_C2();
    Load_Ec5_Schduebel_C11();
    Load_Ec5_Topix_K6k_Tg();
    Load_Ec5_Topix_K6k_Vg();
    Load_Ec5_Topix_Rundk_Vg();
    Load_Ec5_Topix_Senkk_Vg();
    Load_Ec5_Topix_Tcs_Senkk_Var_Vg();
    Load_Ec5_Topix_Tcs_Senkk_Tg();
    Load_Ec5_Topix_Frt_Senkk_Var_Vg();
    Load_Ec5_Topix_Frt_Senkk_Vg();
    Load_Ec5_Topix_Frt_Senkk_Tg();
    Load_Ec5_Topix_Tellerk_Var_Vg();
    Load_Ec5_Topix_Tellerk_Tg();
    Load_Ec5_Topix_Tellerk_Vg();
    Load_Ec5_Topix_Zylk_Vg();
    Load_Ec5_Topix_Zylsenk_Vg();
}

void Reset_Vbm_Catalogues(void)
{
    Catalogue_Generation++;
    for (int i = 0; i < R_COUNT; i++) {
        Vbm_Reader *rd = &Readers[i];
        if (rd->table) memset(rd->table, 0, sizeof *rd->table);
        if (rd->conn) memset(rd->conn, 0, sizeof *rd->conn);
        rd->done = 0;
        rd->reported_missing = 0;
    }
    memset(&Dowel_Bolt_Diameters, 0, sizeof Dowel_Bolt_Diameters);
}

const Vbm_Catalogue *Get_Simpson_Catalogue(int32_t csa)
{
    return csa ? &Cat_Simpson_Csa : &Cat_Simpson_Cna;
}

/* ---- the index by type code (used by the getters) */

Vbm_Catalogue *Get_Vbm_Catalogue(Vbm_Type_Code code)
{
    if (code < 0 || code > 60) return nullptr;
    if (code == 0) return &Cat_Nagel;
    if (code == 1) return &Cat_Klammer;
    if (code >= 2 && code <= 10) return &Cat_Schraube;
    if (code == 11) return &Cat_Spax_S_Tg;
    if (code == 12) return &Cat_Spax_T_Tg;
    if (code == 13) return &Cat_Spax_S_Vg;
    if (code == 14) return &Cat_Assy_Z;
    if (code == 15) return &Cat_Assy_S;
    if ((code >= 16 && code <= 24) || (code >= 34 && code <= 42)) return &Cat_Sondernagel;
    if (code >= 47) return &Cat_Topix[code - 47];
    return nullptr;
}

const Connector_Catalogue *Get_Connector_Catalogue(Vbm_Type_Code code)
{
    switch (code) {
    case 25: return &Cat_A1;
    case 26: return &Cat_C1;
    case 27: return &Cat_C5;
    case 28: return &Cat_C10;
    case 31: return &Ec5_Schduebel_B1_Table;
    case 32: return &Cat_C2;
    case 33: return &Cat_C11;
    default: return nullptr;
    }
}
