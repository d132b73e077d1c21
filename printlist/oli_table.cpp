/*
** Table writer of the print list: "#SHOWTABLE" blocks of fixed-width character columns over the
** caller's value arrays. Column widths, header lines, the rows chosen by the flags, emphasis of
** extremes, the sum row and the footnotes under the table. Cells come from oli_table_cell.cpp.
*/
#include "printlist/oli_table.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "foundation/format.h"
#include "platform/zelkgrft_oli.h"
#include "platform/zelkwin.h"
#include "printlist/oli_internal.h"
#include "printlist/oli_text.h"
#include "printlist/oli_writer.h"
#include "printlist/oli_table_internal.h"

static int32_t columns_allocated = 0;
static int32_t long_table_rows = 100;
int32_t Oli_Table_Key_Column = -1;
const int32_t *Oli_Table_Thin_Rules = nullptr;

int32_t Oli_Table_Columns_Allocated(void) { return columns_allocated; }
void Oli_Table_Set_Columns_Allocated(int32_t n) { columns_allocated = n; }
void Oli_Set_Long_Table_Rows(int32_t n) { long_table_rows = n; }

static const Oli_Table_Column column_defaults = {"", "Nr", "ZZ",    4, 0,       nullptr, -1, 1.0,
                                                 0,  0,    nullptr, 0, nullptr, 1,       0};

int Oli_Alloc_Table_Columns(int32_t n, Oli_Table_Column **columns)
{
    if (columns == nullptr || n < 0) return 0;
    Oli_Table_Column *c =
        (Oli_Table_Column *)realloc(*columns, (size_t)(n > 0 ? n : 1) * sizeof *c);
    if (c == nullptr) {
        fputs("Speicher nicht ausreichend!\n", stderr);
        exit(0);
    }
    for (int32_t i = 0; i < n; i++) c[i] = column_defaults;
    *columns = c;
    columns_allocated = n;
    return 1;
}

/* ---- options ---- */

int Oli_Table_Options_Create(Oli_Table_Options *options, int32_t nrows)
{
    if (options == nullptr) return 0;
    memset(options, 0, sizeof *options);
    options->key_column = -1;
    if (nrows > 0) {
        options->row_mask = (int32_t *)malloc((size_t)nrows * sizeof(int32_t));
        if (options->row_mask == nullptr) return 0;
        for (int32_t i = 0; i < nrows; i++) options->row_mask[i] = 1;
    }
    return 1;
}

void Oli_Table_Options_Free(Oli_Table_Options *options)
{
    if (options == nullptr) return;
    free(options->row_mask);
    options->row_mask = nullptr;
}

int32_t Oli_Table_With_Options(FILE *file, int32_t nrows, int32_t ncols, Oli_Table_Column *columns,
                               Oli_Table_Options *options)
{
    Oli_Table_Options fresh;
    int own = options == nullptr;
    if (own) {
        Oli_Table_Options_Create(&fresh, nrows);
        options = &fresh;
    }
    Oli_Table_Thin_Rules = options->thin_rules;
    Oli_Table_Key_Column = options->key_column;
    int32_t r = OliTabelle(/*file=*/file, /*ncols=*/ncols, /*nrows=*/nrows, /*columns=*/columns,
                           /*row_mask=*/options->row_mask, /*row_rules=*/options->row_rules,
                           /*highlight=*/0, /*flags=*/options->flags, /*title_counts=*/nullptr,
                           /*title_texts=*/nullptr, /*extra_count=*/options->extra_count,
                           /*extra_texts=*/options->extra_texts);
    Oli_Table_Thin_Rules = nullptr;
    Oli_Table_Key_Column = -1;
    if (own) Oli_Table_Options_Free(&fresh);
    return r;
}

/* ---- extremes ---- */

int Oli_Table_Is_Numeric(const Oli_Table_Column *column)
{
    if (column == nullptr) return 0;
    const char *u = column->unit;
    switch (u[0]) { /* most units are none of the four */
    case 'T': return strcmp(u, "TXT") != 0;
    case 'C': return strcmp(u, "CHAR") != 0;
    case 'G': return strcmp(u, "GEW") != 0;
    case 'Z': return strcmp(u, "ZZ") != 0;
    default: return 1;
    }
}

int Oli_Table_Is_Marker(double v)
{
    return Oli_Rounds_To_Zero(v - OLI_MARK_NE, 2) || Oli_Rounds_To_Zero(v - OLI_MARK_AUTO, 2)
           || Oli_Rounds_To_Zero(v - OLI_MARK_NONE, 2) || Oli_Rounds_To_Zero(v - OLI_MARK_BLANK, 2);
}

/* The row of the extreme value (mode 0 largest, 1 smallest, 2 largest and 3 smallest in size)
** among the rows not skipped and not holding a marker; -1 when none. */
template <class Value, class Skip>
static int32_t extreme_row(int32_t mode, int32_t n, Value value, Skip skip)
{
    int32_t best = -1;
    double bv = 0;
    for (int32_t i = 0; i < n; i++) {
        if (skip(i)) continue;
        double v = value(i);
        if (Oli_Table_Is_Marker(v)) continue;
        double key = mode >= 2 ? fabs(v) : v;
        int better = best < 0 || ((mode == 0 || mode == 2) ? key > bv : key < bv);
        if (better) {
            best = i;
            bv = key;
        }
    }
    return best;
}

int32_t Oli_Find_Extreme_Row(int32_t mode, int32_t n, const double *values, const int32_t *row_mask)
{
    if (values == nullptr) return -1;
    return extreme_row(
        mode, n, [&](int32_t i) { return values[i]; },
        [&](int32_t i) { return row_mask && !row_mask[i]; });
}

/* Extreme row of a column (values through the stride) among the printed rows; mode as
** Oli_Find_Extreme_Row. */
static int32_t column_extreme(const Oli_Table_Column *c, int32_t mode, int32_t nrows,
                              const std::vector<int> &printed)
{
    return extreme_row(
        mode, nrows, [&](int32_t i) { return Oli_Table_Value(c, i); },
        [&](int32_t i) { return !printed[(size_t)i]; });
}

/* ---- row selection ---- */

static double rounded_value(const Oli_Table_Column *c, int32_t row)
{
    return Oli_Round(Oli_Table_Value(c, row) * c->factor, c->decimals < 0 ? 0 : c->decimals);
}

static void mark_significant(int32_t ncols, int32_t nrows, const Oli_Table_Column *cols,
                             std::vector<int> &keep)
{
    keep[0] = keep[(size_t)nrows - 1] = 1;
    std::vector<int> all((size_t)nrows, 1);
    for (int32_t c = 0; c < ncols; c++) {
        const Oli_Table_Column *col = &cols[c];
        if (!Oli_Table_Is_Numeric(col)) continue;
        int32_t hi = column_extreme(col, 0, nrows, all), lo = column_extreme(col, 1, nrows, all);
        if (hi >= 0) keep[(size_t)hi] = 1;
        if (lo >= 0) keep[(size_t)lo] = 1;
        int dec = col->decimals < 0 ? 0 : col->decimals;
        for (int32_t i = 0; i + 2 < nrows; i++) {
            double a = rounded_value(col, i), b = rounded_value(col, i + 1),
                   d = rounded_value(col, i + 2);
            double d1 = Oli_Round(b - a, dec), d2 = Oli_Round(d - b, dec);
            if (d1 != 0 && d2 != 0 && (d1 > 0) != (d2 > 0)) keep[(size_t)i + 1] = 1;
            if (a != 0 && b != 0 && (a > 0) != (b > 0)) keep[(size_t)i] = keep[(size_t)i + 1] = 1;
            int32_t k = Oli_Table_Key_Column;
            if (k >= 0 && k < ncols && k != c && Oli_Table_Is_Numeric(&cols[k])
                && rounded_value(&cols[k], i) == rounded_value(&cols[k], i + 1) && a != b)
                keep[(size_t)i] = keep[(size_t)i + 1] = 1;
        }
    }
}

/* Rows to print, in print order. */
static std::vector<int32_t> printed_rows(int32_t ncols, int32_t nrows, const Oli_Table_Column *cols,
                                         const int32_t *row_mask, int32_t flags)
{
    std::vector<int> keep((size_t)nrows, 1);
    if ((flags & OLI_TAB_SIGNIFICANT) && nrows >= 3) {
        std::fill(keep.begin(), keep.end(), 0);
        mark_significant(ncols, nrows, cols, keep);
    }
    if (flags & OLI_TAB_EXTREME_ROWS) {
        std::vector<int> ext((size_t)nrows, 0), all((size_t)nrows, 1);
        for (int32_t c = 0; c < ncols; c++) {
            if (!Oli_Table_Is_Numeric(&cols[c])) continue;
            int32_t hi = column_extreme(&cols[c], 0, nrows, all),
                    lo = column_extreme(&cols[c], 1, nrows, all);
            if (hi >= 0) ext[(size_t)hi] = 1;
            if (lo >= 0) ext[(size_t)lo] = 1;
        }
        for (int32_t i = 0; i < nrows; i++) keep[(size_t)i] = keep[(size_t)i] && ext[(size_t)i];
    }
    if (flags & OLI_TAB_SKIP_ZERO_ROWS) {
        for (int32_t i = 0; i < nrows; i++) {
            int any = 0, zero = 1;
            for (int32_t c = 0; c < ncols; c++) {
                if (!Oli_Table_Is_Numeric(&cols[c])) continue;
                any = 1;
                if (rounded_value(&cols[c], i) != 0) zero = 0;
            }
            if (any && zero) keep[(size_t)i] = 0;
        }
    }
    std::vector<int32_t> rows;
    for (int32_t i = 0; i < nrows; i++)
        if (keep[(size_t)i] && (row_mask == nullptr || row_mask[i])) rows.push_back(i);
    if (flags & OLI_TAB_REVERSE) std::reverse(rows.begin(), rows.end());
    return rows;
}

/* ---- the block's text ---- */

/* The text of a table is gathered here and written in pieces of about this size. */
enum { TABLE_PIECE = 1 << 16 };

static void append_int(std::string &out, long long v)
{
    char t[24];
    out.append(t, (size_t)Format_Int(t, v));
}

/* Write what was gathered (checked) and start again. */
static void flush_piece(FILE *file, std::string &out)
{
    Oli_Put(file, out.data(), out.size());
    out.clear();
}

/* ---- header lines ---- */

/* text placed into a field of width w, appended to out: align -1 left after one blank, 1 right,
** 0 centred (a centred text that would end left of limit is moved right to end there). */
static void append_placed(std::string &out, const char *text, int32_t w, int align, int32_t limit)
{
    int32_t len = Oli_Visible_Length(text);
    int32_t lead;
    if (align < 0) lead = 1;
    else if (align > 0) lead = w - len;
    else {
        lead = (w - len) / 2;
        if (limit > 0 && lead + len < limit) lead = limit - len;
    }
    if (lead < 0) lead = 0;
    out.append((size_t)lead, ' ');
    out += text;
    int32_t vis = lead + len;
    if (vis < w) out.append((size_t)(w - vis), ' ');
}

static const char *unit_text(const Oli_Table_Column *c)
{
    if (!strcmp(c->unit, "CHAR") || !strcmp(c->unit, "ZZ")) return "";
    if (!strncmp(c->unit, "TXT", 3) || !strncmp(c->unit, "GEW", 3))
        return strlen(c->unit) > 3 ? c->unit + (strlen(c->unit) > 4 ? 4 : 3) : "";
    return c->unit;
}

static const char *title_text(const Oli_Table_Column *c, int *align)
{
    *align = 0;
    if (c->title[0] == '-') {
        *align = -1;
        return c->title + 1;
    }
    if (c->title[0] == '+') {
        *align = 1;
        return c->title + 1;
    }
    return c->title;
}

static int joins_group(const Oli_Table_Column *c) { return c->group_title[0] == '='; }

/* A header line is cut at 399 bytes: the line from start on, and its line feed. */
static void end_header_line(std::string &out, size_t start)
{
    if (out.size() - start > 399) out.resize(start + 399);
    out += '\n';
}

/* ---- the table ---- */

/* A table the writer refused is reported twice: in a message box at once and by a line in the
** print list where the table should stand, so that the printed report never hides it. */
void Oli_Table_Report_Error(FILE *file, int32_t code)
{
    if (code != OLI_TAB_TOO_FEW_COLUMNS) return;
    Init_Message();
    Fill_Message("Fehler in Funktion 'OliTabelle': zu wenig Spalten alloziert!");
    Fill_Message("Die Tabelle wird nicht ausgegeben.");
    Draw_Message();
    Oli_Write_Text(file, "Tabelle nicht ausgegeben: zu wenig Spalten alloziert");
}

/* The emphasis of the cells: per column the rows to underline and to set bold by the column's
** marks, and the one cell of the highlighted column(s) with the largest (highlight > 0) or
** smallest value underlined. under and bold hold a flag per cell, column by column (nrows
** each). */
static void table_emphasis(int32_t ncols, int32_t nrows, const Oli_Table_Column *columns,
                           int32_t highlight, const std::vector<int> &printed,
                           std::vector<char> &under, std::vector<char> &bold)
{
    for (int32_t c = 0; c < ncols; c++) {
        const Oli_Table_Column *col = &columns[c];
        if (!Oli_Table_Is_Numeric(col)) continue;
        for (int pass = 0; pass < 2; pass++) {
            int32_t mark = pass ? col->bold_mark : col->underline_mark;
            char *t = (pass ? bold.data() : under.data()) + (size_t)c * (size_t)nrows;
            int modes[2] = {-1, -1};
            if (mark == 1) modes[0] = 0;
            if (mark == -1) modes[0] = 1;
            if (mark == 2) modes[0] = 2;
            if (mark == -2) modes[0] = 3;
            if (mark == 3) {
                modes[0] = 2;
                modes[1] = 3;
            }
            for (int m : modes)
                if (m >= 0) {
                    int32_t r = column_extreme(col, m, nrows, printed);
                    if (r >= 0) t[r] = 1;
                }
        }
    }
    if (highlight != 0) {
        int largest = highlight > 0;
        int32_t best_c = -1, best_r = -1;
        double best = 0;
        for (int32_t c = 0; c < ncols; c++) {
            if (!Oli_Table_Is_Numeric(&columns[c])) continue;
            int all = highlight > ncols || highlight < -ncols;
            if (!all && c != (highlight > 0 ? highlight : -highlight) - 1) continue;
            int32_t r = column_extreme(&columns[c], largest ? 0 : 1, nrows, printed);
            if (r < 0) continue;
            double v = Oli_Table_Value(&columns[c], r) * columns[c].factor;
            if (best_c < 0 || (largest ? v > best : v < best)) {
                best_c = c;
                best_r = r;
                best = v;
            }
        }
        if (best_c >= 0) under[(size_t)best_c * (size_t)nrows + (size_t)best_r] = 1;
    }
}

/* The opening of the block: keyword, title texts, line counts and the separators' positions. */
static void table_block_head(std::string &out, int32_t ncols, const Oli_Table_Column *columns,
                             const std::vector<int32_t> &w, int has_group, int32_t flags,
                             const int32_t *title_counts, char **title_texts)
{
    out += "#SHOWTABLE\n";
    if (title_counts && title_texts) {
        for (int i = 0; i < 3; i++) {
            out += ' ';
            append_int(out, title_counts[i]);
        }
        out += '\n';
        int32_t nt = title_counts[0] + title_counts[1] + title_counts[2];
        for (int32_t i = 0; i < nt; i++) {
            out += ' ';
            out += title_texts[i] ? title_texts[i] : "";
            out += '\n';
        }
    } else {
        out += " 0 0 0\n";
    }
    /* Only separators that are written count: none stands before a column joining a group. */
    int32_t nsep = 0;
    for (int32_t c = 0; c + 1 < ncols; c++)
        if (columns[c].separator && !joins_group(&columns[c + 1])) nsep++;
    out += has_group ? " 2" : " 1";
    out += (flags & OLI_TAB_NO_UNIT) ? " 0" : " 1";
    out += " -1 -1 ";
    append_int(out, nsep);
    if (flags & OLI_TAB_LAYOUT_2) out += " 0 0 0 0 0 0 0 2";
    out += '\n';
    if (ncols > 1) {
        int32_t pos = 0;
        for (int32_t c = 0; c + 1 < ncols; c++) {
            pos += w[(size_t)c] + 1;
            if (columns[c].separator && !joins_group(&columns[c + 1])) {
                out += ' ';
                append_int(out, pos); /* "%f" of a whole number */
                out += ".000000";
            }
        }
        out += '\n';
    }
}

/* The group line (when a column has a group title), the title line and the unit line. */
static void table_header_lines(std::string &out, int32_t ncols, const Oli_Table_Column *columns,
                               const std::vector<int32_t> &w, int has_group, int32_t flags)
{
    if (has_group) {
        out += ' ';
        size_t start = out.size();
        for (int32_t c = 0; c < ncols;) {
            int32_t e = c + 1, gw = w[(size_t)c] + 1;
            while (e < ncols && joins_group(&columns[e])) gw += w[(size_t)e++] + 1;
            out += "\xCEr";
            append_placed(out, columns[c].group_title, gw, 0, 0);
            c = e;
        }
        end_header_line(out, start);
    }
    for (int line = 0; line < 2; line++) {
        if (line == 1 && (flags & OLI_TAB_NO_UNIT)) break;
        out += ' ';
        size_t start = out.size();
        for (int32_t c = 0; c < ncols; c++) {
            const Oli_Table_Column *col = &columns[c];
            int align;
            const char *t = title_text(col, &align);
            int32_t limit = Oli_Table_Is_Numeric(col) && col->decimals > 0 && align == 0
                                ? w[(size_t)c] - col->decimals
                                : 0;
            out += "\xCEr";
            append_placed(out, line == 0 ? t : unit_text(col), w[(size_t)c], align, limit);
            out += ' ';
        }
        end_header_line(out, start);
    }
}

/* The printed rows: each cell in its field, emphasised as table_emphasis says. */
static void table_rows(FILE *file, std::string &out, int32_t ncols, int32_t nrows,
                       const Oli_Table_Column *columns, const Oli_Table_Layout &lay,
                       const std::vector<int32_t> &rows, const std::vector<char> &under,
                       const std::vector<char> &bold, const int32_t *row_rules)
{
    const std::vector<int32_t> &w = lay.width;
    for (size_t k = 0; k < rows.size(); k++) {
        int32_t r = rows[k];
        size_t row_start = out.size();
        for (int32_t c = 0; c < ncols; c++) {
            const Oli_Table_Column *col = &columns[c];
            size_t at = (size_t)c * (size_t)nrows + (size_t)r;
            int numeric = Oli_Table_Is_Numeric(col);
            int u = numeric && under[at];
            int b = !u && ((numeric && bold[at]) || (col->bold_rows && col->bold_rows[r]));
            size_t start = out.size();
            out += u   ? " \xCEu"
                   : b ? " \xCE"
                         "b"
                       : " ";
            Oli_Table_Append_Cell(out, col, r, w[(size_t)c], lay.marker_width[(size_t)c]);
            if (u || b) out += "\xCEr";
            int32_t vis = Oli_Visible_Length(out.c_str() + start);
            if (vis < w[(size_t)c] + 1) out.append((size_t)(w[(size_t)c] + 1 - vis), ' ');
        }
        /* a row is a text: it ends at a zero byte (a character column's 0) */
        size_t zero = out.find('\0', row_start);
        if (zero != std::string::npos) out.resize(zero);
        if (Oli_Table_Thin_Rules && Oli_Table_Thin_Rules[r])
            out += "\n \xCE{\xCEL 0 -1 -1 0.500000 0.500000 }";
        if (row_rules && row_rules[r] && k + 1 < rows.size())
            out += " \xCE{\xCEL 0 -1 -1 1.000000 1.000000 }";
        out += '\n';
        if (out.size() >= TABLE_PIECE) flush_piece(file, out);
    }
}

/* The sum row under the printed rows, when a column asks for its sum: the sum of its values
** (markers and values beyond 1e100 left out; "n.e." when a row holds that marker), the first
** other column marked with the sum sign. */
static void table_sum_row(std::string &out, int32_t ncols, const Oli_Table_Column *columns,
                          const std::vector<int32_t> &w, const std::vector<int32_t> &rows)
{
    int any_sum = 0;
    for (int32_t c = 0; c < ncols; c++)
        if (columns[c].sum) any_sum = 1;
    if (!any_sum) return;
    int marked = 0;
    for (int32_t c = 0; c < ncols; c++) {
        const Oli_Table_Column *col = &columns[c];
        std::string cell;
        if (col->sum && Oli_Table_Is_Numeric(col)) {
            double s = 0;
            int ne = 0;
            for (int32_t r : rows) {
                double v = Oli_Table_Value(col, r);
                if (Oli_Rounds_To_Zero(v - OLI_MARK_NE, 2)) ne = 1;
                if (Oli_Table_Is_Marker(v) || fabs(v) >= 1e100) continue;
                s += v * col->factor;
            }
            cell = ne ? Oli_Table_Marker_Text(OLI_MARK_NE, w[(size_t)c])
                      : Oli_Table_Number_Text(col, s, w[(size_t)c]);
        } else {
            cell.assign((size_t)w[(size_t)c], ' ');
            if (!marked && !cell.empty()) {
                marked = 1;
                size_t at = !strcmp(col->unit, "ZZ") ? cell.size() - 1 : (cell.size() > 1 ? 1 : 0);
                cell[at] = '\xB2';
            }
        }
        out += ' ';
        out += cell;
    }
    out += " \xCE{\xCEL 0 -1 -1 0.000000 0.000000 }\n";
}

int32_t OliTabelle(FILE *file, int32_t ncols, int32_t nrows, Oli_Table_Column *columns,
                   const int32_t *row_mask, const int32_t *row_rules, int32_t highlight,
                   int32_t flags, const int32_t *title_counts, char **title_texts,
                   int32_t extra_count, char **extra_texts)
{
    if (ncols > columns_allocated) return OLI_TAB_TOO_FEW_COLUMNS;
    if (file == nullptr || columns == nullptr || ncols <= 0 || nrows <= 0) {
        if (flags & OLI_TAB_FLAGS_640) OLI_setFlags(file, 896);
        return OLI_TAB_OK;
    }
    if (flags & OLI_TAB_FLAGS_640) OLI_setFlags(file, 640);
    else if (flags & OLI_TAB_FLAGS_896) OLI_setFlags(file, 896);
    else if (nrows >= long_table_rows) OLI_setFlags(file, 640);

    std::vector<int32_t> rows = printed_rows(ncols, nrows, columns, row_mask, flags);
    std::vector<int> printed((size_t)nrows, 0);
    for (int32_t r : rows) printed[(size_t)r] = 1;

    /* widths */
    Oli_Table_Layout lay;
    Oli_Table_Compute_Layout(ncols, nrows, columns, flags, printed, &lay);

    /* emphasis: underline and bold rows per column */
    std::vector<char> under((size_t)ncols * (size_t)nrows, 0), bold = under;
    table_emphasis(ncols, nrows, columns, highlight, printed, under, bold);

    /* block */
    if (!(flags & OLI_TAB_NO_SPACING)) OLI_setYPositionCM(file, 1, 0.1);
    int has_group = 0;
    for (int32_t c = 0; c < ncols; c++)
        if (columns[c].group_title[0]) has_group = 1;
    std::string out;
    out.reserve(4096);
    table_block_head(out, ncols, columns, lay.width, has_group, flags, title_counts, title_texts);
    table_header_lines(out, ncols, columns, lay.width, has_group, flags);
    table_rows(/*file=*/file, /*out=*/out, /*ncols=*/ncols, /*nrows=*/nrows, /*columns=*/columns,
               /*lay=*/lay, /*rows=*/rows, /*under=*/under, /*bold=*/bold, /*row_rules=*/row_rules);
    table_sum_row(out, ncols, columns, lay.width, rows);
    out += "#END_OF_TEXT\n";
    flush_piece(file, out);
    if (!(flags & OLI_TAB_NO_SPACING)) OLI_setYPositionCM(file, 1, -0.4);
    if (flags & OLI_TAB_FLAGS_640) OLI_setFlags(file, 896);

    Oli_Table_Write_Notes(file);
    if (extra_count > 0 && extra_texts) {
        OLI_reserveSpaceCM(file, extra_count * 0.286);
        OLI_setYPositionCM(file, 1, -0.19);
        for (int32_t i = 0; i < extra_count; i++)
            Oli_Write_Small(file, "%s", extra_texts[i] ? extra_texts[i] : "");
        OLI_setYPositionCM(file, 1, 0.19);
    }
    return OLI_TAB_OK;
}
