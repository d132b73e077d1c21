/*
** Cells of the print-list tables: numbers with our fixed-point rule, marker values, texts,
** characters, reinforcement records and row numbers; column widths; table footnotes; the
** transposed record table.
*/
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "foundation/format.h"
#include "platform/zelkgrft_oli.h"
#include "printlist/oli_internal.h"
#include "printlist/oli_table.h"
#include "printlist/oli_table_internal.h"
#include "printlist/oli_text.h"
#include "printlist/oli_writer.h"

/* ---- footnotes ---- */

struct Table_Note {
    int32_t id;
    char marker[10];
    char text[200];
    int32_t uses;
};

static std::vector<Table_Note> notes;

int32_t Oli_Table_Add_Note(int32_t id, const char *marker, const char *text)
{
    char m[10];
    Oli_Copy(m, marker ? marker : "", sizeof m);
    for (const Table_Note &n : notes)
        if (n.id == id || !strcmp(n.marker, m)) return (int32_t)notes.size();
    if (notes.size() % 5 == 0) notes.reserve(notes.size() + 5);
    Table_Note n;
    n.id = id;
    Oli_Copy(n.marker, m, sizeof n.marker);
    Oli_Copy(n.text, text ? text : "", sizeof n.text);
    n.uses = 0;
    notes.push_back(n);
    return (int32_t)notes.size();
}

int32_t Oli_Table_Note_Count(void) { return (int32_t)notes.size(); }
void Oli_Table_Clear_Notes(void) { notes.clear(); }

static Table_Note *note_of(const Oli_Table_Column *c, int32_t row)
{
    if (c->note_ids == nullptr) return nullptr;
    for (Table_Note &n : notes)
        if (n.id == c->note_ids[row]) return &n;
    return nullptr;
}

void Oli_Table_Write_Notes(FILE *file)
{
    if (file == nullptr || notes.empty()) return;
    OLI_reserveSpaceCM(file, (double)notes.size() * 0.286);
    OLI_setYPositionCM(file, 1, -0.114);
    for (Table_Note &n : notes) {
        if (n.uses > 0) Oli_Write_Small(file, "\xCE/%s\xCEr %s", n.marker, n.text);
        n.uses = 0;
    }
    OLI_setYPositionCM(file, 1, 0.228);
    Oli_Set_Left_Margin(file, Oli_Get_Left_Margin());
}

/* ---- values ---- */

double Oli_Table_Value(const Oli_Table_Column *column, int32_t row)
{
    if (column == nullptr || column->values == nullptr || row < 0) return 0.0;
    if (column->stride > 0) {
        double v;
        memcpy(&v, (const char *)column->values + (size_t)row * (size_t)column->stride, sizeof v);
        return v;
    }
    return ((const double *)column->values)[row];
}

int32_t Oli_Table_Text_Width(const char *text)
{
    if (text == nullptr) return 0;
    int32_t n = Oli_Visible_Length(text), raised = 0;
    int face = 0; /* inside sub- or superscript */
    for (const char *p = text; *p; p++) {
        if (*p == OLI_ESC && p[1] == OLI_ESC) {
            p++; /* the escape byte doubled: the byte itself, one character */
        } else if (*p == OLI_ESC && p[1]) {
            p++;
            if (*p == '\\' || *p == '/') face = 1;
            else if (*p == 'r') face = 0;
            else if (*p == '{') {
                while (p[1] && p[1] != '}') p++;
                if (p[1]) p++;
            }
            continue;
        }
        if (face) raised++;
    }
    return n - (int32_t)Oli_Round_Half_Away(0.2 * raised);
}

/* s right-aligned in a field of width visible characters (not cut when wider). */
static void append_right(std::string &out, const char *s, int32_t width)
{
    int32_t vis = Oli_Visible_Length(s);
    if (vis < width) out.append((size_t)(width - vis), ' ');
    out += s;
}

static std::string right(const char *s, int32_t width)
{
    std::string out;
    append_right(out, s, width);
    return out;
}

static const char *marker_text(double v)
{
    if (Oli_Rounds_To_Zero(v - OLI_MARK_INF_NEG, 2)) return "-\xEC ";
    if (Oli_Rounds_To_Zero(v - OLI_MARK_INF_POS, 2)) return " \xEC ";
    if (Oli_Rounds_To_Zero(v - OLI_MARK_NE, 2)) return "n.e.";
    if (Oli_Rounds_To_Zero(v - OLI_MARK_AUTO, 2)) return "auto";
    if (Oli_Rounds_To_Zero(v - OLI_MARK_NONE, 2)) return "---";
    return "";
}

std::string Oli_Table_Marker_Text(double v, int32_t width) { return right(marker_text(v), width); }

static int any_marker(double v)
{
    /* every marker lies beyond 1e99: a usual value is none without the six comparisons */
    if (fabs(v) < 1e99) return 0;
    return Oli_Table_Is_Marker(v) || Oli_Rounds_To_Zero(v - OLI_MARK_INF_NEG, 2)
           || Oli_Rounds_To_Zero(v - OLI_MARK_INF_POS, 2);
}

static void append_number(std::string &out, const Oli_Table_Column *c, double scaled, int32_t width)
{
    char b[64];
    int32_t n = Oli_Format_Fixed(b, sizeof b, scaled, c->decimals > 0 ? c->decimals : 0);
    if (n == 2 && b[0] == '-' && b[1] == '0') {
        b[0] = '0';
        n = 1;
    }
    /* a number holds no escapes: every byte is seen */
    if (n < width) out.append((size_t)(width - n), ' ');
    out.append(b, (size_t)n);
}

std::string Oli_Table_Number_Text(const Oli_Table_Column *c, double scaled, int32_t width)
{
    std::string out;
    append_number(out, c, scaled, width);
    return out;
}

static const double bar_table[12] = {0.006, 0.008, 0.01,  0.012, 0.014, 0.016,
                                     0.02,  0.025, 0.028, 0.032, 0.018, 0.022};

static void append_text_cell(std::string &out, const Oli_Table_Column *c, int32_t row,
                             int32_t width)
{
    char b[1100];
    int32_t slot = c->width > 0 ? c->width : 1;
    const char *t = c->values ? (const char *)c->values + (size_t)row * (size_t)slot : "";
    std::string text(t, strnlen(t, (size_t)slot));
    int32_t p = c->decimals > 0 ? c->decimals : width - 1;
    if (p < 1) p = 1;
    if (text.size() > 999) snprintf(b, sizeof b, "?????");
    else Format_N(b, sizeof b, "  %-*.*s", (int)(p - 1), (int)(p - 1), text.c_str());
    if (c->plain) {
        /* no byte of it is an escape: each 0xCE is written doubled and prints as itself */
        for (const char *q = b; *q; q++) out.append(*q == OLI_ESC ? 2 : 1, *q);
        return;
    }
    out += b;
    int32_t hidden = (int32_t)strlen(b) - Oli_Visible_Length(b);
    if (hidden > 0) out.append((size_t)hidden, ' ');
}

static void append_rebar_cell(std::string &out, const Oli_Table_Column *c, int32_t row,
                              int32_t width)
{
    const Oli_Rebar *r = c->values ? (const Oli_Rebar *)c->values + row : nullptr;
    if (r == nullptr || r->count == 0) return append_right(out, "", width);
    if (r->count < 0) return append_right(out, "---  ", width);
    int32_t i = r->diameter_index < 0 ? 0 : r->diameter_index > 11 ? 11 : r->diameter_index;
    char d[32], b[128];
    Oli_Format_Fixed(d, sizeof d, 1000 * bar_table[i], 0);
    if (r->bundle >= 2)
        snprintf(b, sizeof b,
                 " \xCE"
                 "b%s%d %s %s %der Bnd.\xCEr",
                 "\xCEu", (int)r->count, "\x8C", d, (int)r->bundle);
    else
        snprintf(b, sizeof b,
                 " \xCE"
                 "b%s%d %s %s\xCEr",
                 "\xCEu", (int)r->count, "\x8C", d);
    append_right(out, b, width);
}

/* The cell of row in its field of width characters, appended to out. */
static void append_cell(std::string &out, const Oli_Table_Column *c, int32_t row, int32_t width)
{
    if (!strcmp(c->unit, "TXT")) return append_text_cell(out, c, row, width);
    if (!strcmp(c->unit, "CHAR")) {
        std::string s((size_t)(width > 0 ? width : 1), ' ');
        s[(size_t)(width / 2 < (int32_t)s.size() ? width / 2 : 0)] =
            c->values ? ((const char *)c->values)[row] : ' ';
        out += s;
        return;
    }
    if (!strcmp(c->unit, "GEW")) return append_rebar_cell(out, c, row, width);
    if (!strcmp(c->unit, "ZZ")) {
        char b[64];
        Format_N(b, sizeof b, "%*d", (int)width, (int)(row + (c->decimals > 1 ? c->decimals : 1)));
        out += b;
        return;
    }
    double v = Oli_Table_Value(c, row);
    if (any_marker(v)) return append_right(out, marker_text(v), width);
    double s = v * c->factor;
    if (strstr(c->unit, "cm\xCE/2") && fabs(s) <= 1e-8) {
        std::string t((size_t)(width > 0 ? width : 1), ' ');
        t[(size_t)(width / 2)] = '-';
        out += t;
        return;
    }
    append_number(out, c, s, width);
}

static std::string cell_text(const Oli_Table_Column *c, int32_t row, int32_t width)
{
    std::string out;
    append_cell(out, c, row, width);
    return out;
}

void Oli_Table_Append_Cell(std::string &out, const Oli_Table_Column *c, int32_t row, int32_t width,
                           int32_t marker_width)
{
    if (marker_width <= 0) return append_cell(out, c, row, width);
    append_cell(out, c, row, width - marker_width);
    Table_Note *n = note_of(c, row);
    if (n) {
        n->uses++;
        out += "\xCE/";
        out += n->marker;
        out += "\xCEr";
        int32_t pad = marker_width - (int32_t)strlen(n->marker);
        if (pad > 0) out.append((size_t)pad, ' ');
    } else {
        out.append((size_t)marker_width, ' ');
    }
}

void Oli_Format_Table_Cell(const Oli_Table_Column *column, int32_t row, char *cell, size_t size)
{
    if (column == nullptr || cell == nullptr || size == 0) return;
    Oli_Copy(cell, cell_text(column, row, column->width).c_str(), size);
}

/* ---- widths ---- */

void Oli_Table_Compute_Layout(int32_t ncols, int32_t nrows, const Oli_Table_Column *cols,
                              int32_t flags, const std::vector<int> &printed,
                              Oli_Table_Layout *layout)
{
    layout->width.assign((size_t)ncols, 0);
    layout->marker_width.assign((size_t)ncols, 0);
    for (int32_t c = 0; c < ncols; c++) {
        const Oli_Table_Column *col = &cols[c];
        int32_t mw = 0;
        for (int32_t r = 0; col->note_ids && r < nrows; r++) {
            if (!printed[(size_t)r]) continue;
            Table_Note *n = note_of(col, r);
            if (n && (int32_t)strlen(n->marker) > mw) mw = (int32_t)strlen(n->marker);
        }
        layout->marker_width[(size_t)c] = mw;
        int32_t w = col->width;
        if (!(flags & OLI_TAB_KEEP_WIDTHS)) {
            const char *t =
                col->title[0] == '-' || col->title[0] == '+' ? col->title + 1 : col->title;
            int32_t tw = Oli_Table_Text_Width(t) + (c > 0 ? 1 : 0);
            if (tw > w) w = tw;
            const char *unit =
                !strcmp(col->unit, "ZZ") || !strcmp(col->unit, "CHAR") ? "" : col->unit;
            if (!strncmp(col->unit, "TXT", 3) || !strncmp(col->unit, "GEW", 3))
                unit = strlen(col->unit) > 4 ? col->unit + 4 : "";
            int32_t uw = unit[0] == 0 ? 0 : Oli_Table_Text_Width(unit) + 1;
            if (uw > w) w = uw;
            if (!strcmp(col->unit, "TXT") && col->decimals + 1 > w) w = col->decimals + 1;
            if ((flags & OLI_TAB_FIT_VALUES) && Oli_Table_Is_Numeric(col)) {
                for (int32_t r = 0; r < nrows; r++) {
                    double v = Oli_Table_Value(col, r);
                    if (any_marker(v)) continue;
                    int32_t len =
                        (int32_t)Oli_Table_Number_Text(col, v * col->factor, 0).size() + 1;
                    if (len > w) w = len;
                }
            }
            w += mw;
        }
        layout->width[(size_t)c] = w;
    }
    if (flags & OLI_TAB_KEEP_WIDTHS) return;
    /* a group title wider than its columns widens them in turn */
    for (int32_t c = 0; c < ncols;) {
        int32_t e = c + 1;
        while (e < ncols && cols[e].group_title[0] == '=') e++;
        int32_t need = Oli_Table_Text_Width(cols[c].group_title);
        for (int32_t k = c;; k = k + 1 < e ? k + 1 : c) {
            int32_t have = -1;
            for (int32_t j = c; j < e; j++) have += layout->width[(size_t)j] + 1;
            if (have >= need) break;
            layout->width[(size_t)k]++;
        }
        c = e;
    }
}

/* ---- transposed form ---- */

void Oli_Record_Table(FILE *file, int32_t nrecords, int32_t nvalues,
                      const Oli_Table_Column *records)
{
    if (file == nullptr || records == nullptr || nrecords <= 0 || nvalues <= 0) return;
    OLI_setYPositionCM(file, 1, 0.1);
    std::vector<std::vector<std::string>> cells((size_t)nrecords);
    int32_t wt = 0, wu = 0, wc = 0;
    std::vector<std::string> titles, units;
    for (int32_t k = 0; k < nrecords; k++) {
        const Oli_Table_Column *r = &records[k];
        char t[120];
        if (!strcmp(r->unit, "GEW"))
            snprintf(t, sizeof t,
                     "\xCEu\xCE"
                     "b%s\xCEr\xCEu",
                     r->title);
        else
            snprintf(t, sizeof t,
                     "\xCE"
                     "b%s\xCEr",
                     r->title);
        titles.push_back(t);
        std::string u = std::string(Oli_Table_Is_Numeric(r) ? r->unit : "") + "\xCEr";
        units.push_back(u);
        wt = std::max(wt, Oli_Visible_Length(t));
        wu = std::max(wu, Oli_Visible_Length(u.c_str()));
        for (int32_t i = 0; i < nvalues; i++) {
            cells[(size_t)k].push_back(cell_text(r, i, r->width));
            wc = std::max(wc, Oli_Visible_Length(cells[(size_t)k].back().c_str()));
        }
    }
    fprintf(file, "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1 %d\n", (int)(nvalues + 1));
    double pos = wt + 1;
    fprintf(file, " %f", pos);
    pos += wu + 2;
    fprintf(file, " %f", pos);
    for (int32_t i = 0; i + 1 < nvalues; i++) {
        pos += wc + 1;
        fprintf(file, " %f", pos);
    }
    fputs("\n", file);
    auto pad = [](const std::string &s, int32_t w) {
        int32_t vis = Oli_Visible_Length(s.c_str());
        return vis < w ? s + std::string((size_t)(w - vis), ' ') : s;
    };
    for (int32_t k = 0; k < nrecords; k++) {
        /* appended piece by piece: g++ 12 at -O3 takes "literal" + string for an overlapping
        ** copy (a false -Wrestrict) */
        std::string line(1, ' ');
        line.append(pad(titles[(size_t)k], wt))
            .append(1, ' ')
            .append(pad(units[(size_t)k], wu + 1));
        for (int32_t i = 0; i < nvalues; i++)
            line.append(1, ' ').append(right(cells[(size_t)k][(size_t)i].c_str(), wc));
        fprintf(file, "%s\n", line.c_str());
    }
    fputs("#END_OF_TEXT\n", file);
}
