/*
** EN 1991 block of the national annex: wind and snow tables. The table definitions come from
** "NAD/WUSL-Tabs.def" below DATA, their values per annex from "NAD/WUSL-Tabs.val" below DATA
** (built-in annexes) or "WUSL-NADs.def" below DRAM (the user's annexes).
*/
#include "nad/nad.h"
#include "nad/nad_internal.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "foundation/foundation.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"

#define EC1_MAX_CELLS 10000 /* bound of rows * cols of one table */

/* ---------------------------------------------------------------- tables */

static void Free_Table(EC1_Table *t)
{
    if (!t) return;
    free(t->title1);
    free(t->title2);
    free(t->caption);
    free(t->unit);
    free(t->values);
    free(t);
}

/* Drop the values of a table: caption freed, values zero, not loaded. */
static void Unload_Table(EC1_Table *t)
{
    if (!t) return;
    free(t->caption);
    t->caption = nullptr;
    t->loaded = 0;
    if (t->values) memset(t->values, 0, sizeof(double) * (size_t)t->rows * (size_t)t->cols);
}

static char *Dup_Line(const char *s)
{
    size_t n = strcspn(s, "\r\n");
    char *d = static_cast<char *>(malloc(n + 1));
    if (!d) return nullptr;
    memcpy(d, s, n);
    d[n] = 0;
    return d;
}

void Free_NAD_EC1_Tables(NAD_EC1_Tables *b)
{
    if (!b) return;
    for (int i = 0; i < NAD_EC1_MAX_TABLES; i++) {
        Free_Table(b->tables[i]);
        b->tables[i] = nullptr;
    }
}

/* ---------------------------------------------------------------- definitions */

/* Read the definition of one table behind its "#TAB" line. Null when the lines do not convert,
** the size is out of bounds or memory is short. */
static EC1_Table *Read_Table_Definition(FILE *f)
{
    char l1[200], l2[200], line[200], unit[200];
    if (!fgets(l1, sizeof l1, f) || !fgets(l2, sizeof l2, f)) return nullptr;
    int fr[4], ce[4], cols, rows;
    if (!fgets(line, sizeof line, f)
        || sscanf(line, "%d%d%d%d", &fr[0], &fr[1], &fr[2], &fr[3]) != 4)
        return nullptr;
    if (!fgets(line, sizeof line, f)
        || sscanf(line, "%d%d%d%d", &ce[0], &ce[1], &ce[2], &ce[3]) != 4)
        return nullptr;
    if (!fgets(line, sizeof line, f) || sscanf(line, "%d%d%199s", &cols, &rows, unit) != 3)
        return nullptr;
    if (cols < 1 || rows < 1 || (long)cols * rows > EC1_MAX_CELLS) return nullptr;
    EC1_Table *t = static_cast<EC1_Table *>(calloc(1, sizeof *t));
    if (!t) return nullptr;
    t->title1 = Dup_Line(l1);
    t->title2 = Dup_Line(l2);
    t->unit = Dup_Line(unit);
    t->values = static_cast<double *>(calloc((size_t)cols * rows, sizeof(double)));
    if (!t->title1 || !t->title2 || !t->unit || !t->values) {
        Free_Table(t);
        return nullptr;
    }
    t->cols = cols;
    t->rows = rows;
    for (int i = 0; i < 4; i++) t->frame[i] = fr[i], t->cell[i] = ce[i];
    t->cell[0] -= fr[0];
    t->cell[1] -= fr[1];
    return t;
}

/*
** Read the table definitions below DATA into the block (tables allocated, values zero). Answer
** the number of tables defined, 0 when the file is missing.
*/
int Load_EC1_Table_Definitions(NAD_EC1_Tables *b)
{
    if (!b) return 0;
    const char *data = Nad_Env("DATA");
    char path[RT_PATH_MAX];
    if (!data || snprintf(path, sizeof path, "%s/NAD/WUSL-Tabs.def", data) >= (int)sizeof path)
        return 0;
    FILE *f = Fopen_Read_Said(nullptr, path, "Die Tabellen der Wind- und Schneelasten fehlen.");
    if (!f) return 0;
    char line[200];
    int count = 0;
    while (fgets(line, sizeof line, f)) {
        int n;
        const int whole = strchr(line, '\n') != nullptr;
        if (strncmp(line, "#TAB", 4) != 0 || sscanf(line + 4, "%d", &n) != 1 || n < 1
            || n > NAD_EC1_MAX_TABLES) {
            if (!whole) Skip_Line(f);
            continue;
        }
        if (!whole) Skip_Line(f);
        EC1_Table *t = Read_Table_Definition(f);
        if (!t) break;
        if (b->tables[n - 1]) Free_Table(b->tables[n - 1]);
        else count++;
        b->tables[n - 1] = t;
    }
    fclose(f);
    return count;
}

/* ---------------------------------------------------------------- values */

/* Read the blocks of one entry up to the next "#NAD" line or the end. Answer 1 when a "#NAD"
** line ended the entry (it has been consumed), 0 at the end of the file. */
static int Read_Entry_Blocks(FILE *f, NAD_EC1_Tables *b)
{
    char line[300];
    while (fgets(line, sizeof line, f)) {
        const int whole = strchr(line, '\n') != nullptr;
        if (!whole) Skip_Line(f);
        if (strncmp(line, "#NAD", 4) == 0) return 1;
        if (strncmp(line, "~DATA", 5) == 0) {
            int skip, a, c;
            if (fscanf(f, "%d%d%d", &skip, &a, &c) == 3) b->data_a = a, b->data_b = c;
            continue;
        }
        if (strncmp(line, "~TAB", 4) != 0) continue;
        int n;
        if (sscanf(line + 4, "%d", &n) != 1) continue;
        if (n == 99) {
            int count, second;
            if (fscanf(f, "%d%d", &count, &second) != 2) continue;
            if (count > 10) count = 10;
            for (int i = 0; i < count; i++) {
                int v;
                if (fscanf(f, "%d", &v) != 1) break;
                b->tab99_values[i] = v;
            }
            continue;
        }
        if (n < 1 || n > NAD_EC1_MAX_TABLES || !b->tables[n - 1]) continue;
        EC1_Table *t = b->tables[n - 1];
        char cap[300];
        if (!fgets(cap, sizeof cap, f)) break;
        if (!strchr(cap, '\n')) Skip_Line(f);
        free(t->caption);
        t->caption = Dup_Line(cap);
        t->loaded = 1;
        const int cells = t->rows * t->cols;
        for (int i = 0; i < cells; i++)
            if (fscanf(f, "%lf", &t->values[i]) != 1) break;
    }
    return 0;
}

/* 1 when the name line of an entry holds exactly the annex name. */
static int Entry_Name_Matches(const char *line, const char *name)
{
    const size_t n = strcspn(line, "\r\n");
    return n == strlen(name) && strncmp(line, name, n) == 0;
}

/*
** Load the values of the named annex into the block: number 0 from the built-in values file,
** else from the user values file. Every entry of the file is examined and its name must match
** exactly; a later matching entry overwrites what an earlier one loaded. A missing file or
** variable changes nothing.
*/
void Load_EC1_Table_Values(int number, const char *name, NAD_EC1_Tables *b)
{
    if (!b || !name) return;
    const char *dir = Nad_Env(number != 0 ? "DRAM" : "DATA");
    char path[RT_PATH_MAX];
    if (!dir) return;
    const char *file = number != 0 ? "WUSL-NADs.def" : "NAD/WUSL-Tabs.val";
    if (snprintf(path, sizeof path, "%s/%s", dir, file) >= (int)sizeof path) return;
    FILE *f = Fopen_Read_Said(nullptr, path, "Die Werte der Wind- und Schneelasten fehlen.");
    if (!f) return;
    char line[300];
    int at_entry = 0; /* 1 when a "#NAD" line has just been consumed */
    for (;;) {
        if (!at_entry) {
            if (!fgets(line, sizeof line, f)) break;
            if (!strchr(line, '\n')) Skip_Line(f);
            if (strncmp(line, "#NAD", 4) != 0) continue;
        }
        at_entry = 0;
        if (!fgets(line, sizeof line, f)) break;
        if (!strchr(line, '\n')) Skip_Line(f);
        if (!Entry_Name_Matches(line, name)) continue;
        int set;
        if (fscanf(f, "%d", &set) == 1) b->table_set = set;
        at_entry = Read_Entry_Blocks(f, b);
    }
    fclose(f);
}

/*
** Built-in defaults of the block: every loaded value dropped, both switches 2, then the values
** of the annex "EC-Standardparameter" from the built-in values file.
*/
void Init_NAD_EC1_Defaults(NAD_EC1_Tables *b)
{
    if (!b) return;
    b->table_set = 0;
    memset(b->tab99_values, 0, sizeof b->tab99_values);
    for (int i = 0; i < NAD_EC1_MAX_TABLES; i++) Unload_Table(b->tables[i]);
    b->data_a = 2;
    b->data_b = 2;
    Load_EC1_Table_Values(0, NAD_NAME_STANDARD, b);
}

/*
** Keep the table of the annex's variant: variant nonzero takes set 2 and drops table 9,
** variant 0 takes set 1 and drops table 8.
*/
void Select_EC1_Table_Variant(NAD_EC1_Tables *b, int variant)
{
    if (!b) return;
    if (variant != 0) {
        b->table_set = 2;
        Unload_Table(b->tables[8]);
    } else {
        b->table_set = 1;
        Unload_Table(b->tables[7]);
    }
}

/* ---------------------------------------------------------------- user values file */

/*
** Write the entry of one annex in the layout of the values files.
*/
void Write_EC1_Table_Values(FILE *f, const NAD_EC1_Tables *b, const char *name)
{
    if (!f || !b) return;
    fprintf(f, "#NAD\n");
    fprintf(f, "%s\n", name ? name : "");
    fprintf(f, "%d\n\n", b->table_set);
    fprintf(f, "~DATA\n");
    fprintf(f, "%d %d %d\n\n", 1, b->data_a, b->data_b);
    for (int n = 1; n <= NAD_EC1_MAX_TABLES; n++) {
        const EC1_Table *t = b->tables[n - 1];
        if (!t || !t->loaded) continue;
        fprintf(f, "~TAB%d\n", n);
        fprintf(f, "%s\n", t->caption ? t->caption : "");
        for (int r = 0; r < t->rows; r++) {
            for (int c = 0; c < t->cols; c++) fprintf(f, " %6.3f", t->values[r * t->cols + c]);
            fprintf(f, "\n");
        }
        fprintf(f, "\n");
    }
    fprintf(f, "~TAB99\n %d 0", 10);
    for (int i = 0; i < 10; i++) fprintf(f, " %d", b->tab99_values[i]);
    fprintf(f, "\n\n");
}

/*
** Append (append nonzero) or write anew the entry of an annex in "WUSL-NADs.def" below DRAM.
** Answer 1 on success, 0 when DRAM is unset or the file cannot be written.
*/
int Store_EC1_User_Values(int append, const char *name, const NAD_EC1_Tables *b)
{
    const char *dram = Nad_Env("DRAM");
    char path[RT_PATH_MAX];
    if (!dram || !b || snprintf(path, sizeof path, "%s/WUSL-NADs.def", dram) >= (int)sizeof path)
        return 0;
    FILE *f = Rt_Fopen(path, append ? "ab" : "wb");
    if (!f) return 0;
    Write_EC1_Table_Values(f, b, name);
    const int bad = ferror(f);
    return (fclose(f) == 0 && !bad) ? 1 : 0;
}

/* ---------------------------------------------------------------- compare and copy */

int Compare_NAD_EC1_Tables(const NAD_EC1_Tables *a, const NAD_EC1_Tables *b)
{
    if (!a || !b) return a != b;
    for (int i = 0; i < NAD_EC1_MAX_TABLES; i++) {
        const EC1_Table *x = a->tables[i], *y = b->tables[i];
        const int lx = x && x->loaded, ly = y && y->loaded;
        if (lx != ly) return 1;
        if (!lx) continue;
        if (x->rows != y->rows || x->cols != y->cols) return 1;
        for (int k = 0; k < x->rows * x->cols; k++)
            if (fabs(x->values[k] - y->values[k]) > 0.0001) return 1;
    }
    if (memcmp(a->tab99_values, b->tab99_values, sizeof a->tab99_values) != 0) return 1;
    return a->data_a != b->data_a || a->data_b != b->data_b;
}

static char *Dup(const char *s) { return s ? Dup_Line(s) : nullptr; }

/*
** Deep copy of the tables and their texts; dst's former tables are freed.
*/
void Copy_NAD_EC1_Tables(NAD_EC1_Tables *dst, const NAD_EC1_Tables *src)
{
    if (!dst || !src || dst == src) return;
    Free_NAD_EC1_Tables(dst);
    dst->table_set = src->table_set;
    dst->data_a = src->data_a;
    dst->data_b = src->data_b;
    memcpy(dst->tab99_values, src->tab99_values, sizeof dst->tab99_values);
    for (int i = 0; i < NAD_EC1_MAX_TABLES; i++) {
        const EC1_Table *s = src->tables[i];
        if (!s) continue;
        EC1_Table *t = static_cast<EC1_Table *>(calloc(1, sizeof *t));
        if (!t) return;
        *t = *s;
        t->title1 = Dup(s->title1);
        t->title2 = Dup(s->title2);
        t->caption = Dup(s->caption);
        t->unit = Dup(s->unit);
        t->values = static_cast<double *>(malloc(sizeof(double) * (size_t)s->rows * s->cols));
        if (t->values) memcpy(t->values, s->values, sizeof(double) * (size_t)s->rows * s->cols);
        dst->tables[i] = t;
    }
}
