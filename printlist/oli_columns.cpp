/*
** Column texts, the list of symbols, the literature list and logo blocks of the print list.
** Column cells are written one after another into one paragraph with tab stops.
*/
#include <cstdarg>
#include <cstring>
#include <string>
#include <vector>

#include "platform/zelkgrft_oli.h"
#include "printlist/oli_internal.h"
#include "printlist/oli_para.h"
#include "printlist/oli_text.h"
#include "printlist/oli_writer.h"

/* ---- column texts ---- */

static int32_t column_mode = 7;
static double column_stops[OLI_PARA_MAX_TABS];
static int32_t column_nstops = 0;
static int32_t column_cells = 0; /* cells per row; 0: columns off */
static int column_first_at_margin = 0;
static int32_t column_index = 0;   /* next cell of the row */
static int column_open = 0;        /* cells written since the set-up */
static int column_pending_end = 0; /* set up again while a paragraph was open */

void Oli_Set_Column_Mode(int32_t mode) { column_mode = mode; }
int32_t Oli_Get_Column_Mode(void) { return column_mode; }

static void columns_apply(void)
{
    Oli_Para_Set_Mode(column_mode);
    if (column_nstops > 0) Oli_Para_Set_Tabs(2, nullptr, column_stops, column_nstops);
}

void Oli_Columns(int32_t n, const double *positions)
{
    if (n > OLI_PARA_MAX_TABS) n = OLI_PARA_MAX_TABS;
    column_nstops = 0;
    column_cells = 0;
    column_first_at_margin = 0;
    if (positions != nullptr && n >= 1) {
        if (Oli_Round(positions[0], 2) == 0.0) {
            column_first_at_margin = 1;
            for (int32_t i = 1; i < n; i++) column_stops[column_nstops++] = positions[i];
        } else {
            for (int32_t i = 0; i < n; i++) column_stops[column_nstops++] = positions[i];
        }
        column_cells = n;
    }
    column_index = 0;
    if (column_open) {
        column_pending_end = 1;
        return;
    }
    columns_apply();
}

void Oli_Columns_2(double a, double b)
{
    double p[2] = {a, b};
    Oli_Columns(2, p);
}

void Oli_Columns_3(double a, double b, double c)
{
    double p[3] = {a, b, c};
    Oli_Columns(3, p);
}

/* Write one cell of text. */
static void column_cell_text(FILE *file, const char *text)
{
    if (column_pending_end) {
        Oli_End_Text(file);
        column_pending_end = 0;
        columns_apply();
    }
    column_open = 1;
    int last = column_cells <= 0 || column_index >= column_cells - 1;
    if (column_first_at_margin && column_index == 0) Oli_Printf(file, "%s", text);
    else Oli_Printf(file, "%s%s", "\xCEt", text);
    if (last) {
        Oli_Printf(file, "\n");
        column_index = 0;
    } else {
        column_index++;
    }
}

void Oli_Column_Cell(FILE *file, const char *format, ...)
{
    if (file == nullptr || format == nullptr) return;
    char text[OLI_TEXT_SIZE + 1];
    va_list ap;
    va_start(ap, format);
    int n = Oli_Vformat(text, sizeof text, format, ap);
    va_end(ap);
    if (n >= 0) column_cell_text(file, text);
}

void Oli_Column_Cells_3(FILE *file, const char *a, const char *b, const char *format, ...)
{
    if (file == nullptr || format == nullptr) return;
    char text[OLI_TEXT_SIZE + 1];
    va_list ap;
    va_start(ap, format);
    int n = Oli_Vformat(text, sizeof text, format, ap);
    va_end(ap);
    if (n < 0) return;
    column_cell_text(file, a ? a : "");
    column_cell_text(file, b ? b : "");
    column_cell_text(file, text);
}

static void format_value(char *out, size_t size, const char *format, double value)
{
    snprintf(out, size, format ? format : "%lf", value);
}

void Oli_Check_Row(FILE *file, const char *a, const char *b, const char *format_1, double value_1,
                   char sign, const char *format_2, double value_2)
{
    if (file == nullptr) return;
    char v1[100], v2[100], cell[OLI_TEXT_SIZE + 1];
    format_value(v1, sizeof v1, format_1, value_1);
    format_value(v2, sizeof v2, format_2, value_2);
    snprintf(cell, sizeof cell, "%s %c %s", v1, sign, v2);
    column_cell_text(file, a ? a : "");
    column_cell_text(file, b ? b : "");
    column_cell_text(file, cell);
}

void Oli_Check_Row_Flagged(FILE *file, const char *a, const char *b, const char *format_1,
                           double value_1, char sign, const char *format_2, double value_2, int ok,
                           const char *remark)
{
    if (file == nullptr) return;
    if (ok) {
        Oli_Check_Row(file, a, b, format_1, value_1, sign, format_2, value_2);
        return;
    }
    char v1[100], v2[100], cell[OLI_TEXT_SIZE + 1];
    format_value(v1, sizeof v1, format_1, value_1);
    format_value(v2, sizeof v2, format_2, value_2);
    snprintf(cell, sizeof cell,
             "\xCE"
             "b%s\xCE"
             "b %c \xCE"
             "b%s\xCE"
             "b  %s",
             v1, sign, v2, remark ? remark : "");
    column_cell_text(file, a ? a : "");
    column_cell_text(file, b ? b : "");
    column_cell_text(file, cell);
    /* the "!!" line at the right margin, then the columns go on */
    Oli_End_Text(file);
    double keep = Oli_Get_Left_Margin();
    OLI_setYPositionCM(file, 1, -0.38);
    Oli_Set_Left_Margin(file, Oli_Get_Text_Width());
    Oli_Para_Set_Mode(Oli_Get_Body_Mode());
    Oli_Printf(file, "\xCE"
                     "b!!\n");
    Oli_End_Text(file);
    Oli_Set_Left_Margin(file, keep);
    column_open = 0;
    column_index = 0;
    columns_apply();
}

void Oli_Column_Space(FILE *file, double lines)
{
    if (file == nullptr) return;
    Oli_Para_Add_Offset(lines * 0.38);
}

void Oli_Columns_End(FILE *file)
{
    if (file == nullptr) return;
    Oli_End_Text(file);
    column_nstops = 0;
    column_cells = 0;
    column_first_at_margin = 0;
    column_index = 0;
    column_open = 0;
    column_pending_end = 0;
}

/* ---- list of symbols ---- */

struct Legend_Entry {
    char symbol[OLI_LEGEND_SYMBOL_SIZE + 1];
    char explain[OLI_LEGEND_EXPLAIN_SIZE + 1];
    char text[OLI_LEGEND_TEXT_SIZE + 1];
};

static std::vector<Legend_Entry> legend;
static int32_t legend_mark = 0;
static std::vector<std::string> literature;

static int legend_store(const char *symbol, const char *explain)
{
    if (symbol == nullptr) return 0;
    for (const Legend_Entry &e : legend)
        if (strncmp(e.symbol, symbol, OLI_LEGEND_SYMBOL_SIZE) == 0) return 0;
    Legend_Entry e;
    Oli_Copy(e.symbol, symbol, sizeof e.symbol);
    Oli_Copy(e.explain, explain ? explain : "", sizeof e.explain);
    snprintf(e.text, sizeof e.text, "%s\xCEr - %s\xCEr", e.symbol, e.explain);
    legend.push_back(e);
    return 1;
}

int Oli_Legend_Add(const char *symbol, const char *format, ...)
{
    char explain[OLI_LEGEND_EXPLAIN_SIZE + 1];
    OLI_FORMAT_ARGS(explain, format);
    return legend_store(symbol, explain);
}

void Oli_Legend_Clear(void)
{
    legend.clear();
    legend_mark = 0;
}

int32_t Oli_Legend_Count(void) { return (int32_t)legend.size(); }
void Oli_Legend_Mark(void) { legend_mark = (int32_t)legend.size(); }

void Oli_Legend_Back_To_Mark(void)
{
    if ((size_t)legend_mark < legend.size()) legend.resize((size_t)legend_mark);
}

void Oli_Legend_Drop(int32_t k)
{
    if (k <= 0) return;
    legend.resize(legend.size() > (size_t)k ? legend.size() - (size_t)k : 0);
}

const char *Oli_Legend_Text(int32_t i)
{
    if (i < 0 || (size_t)i >= legend.size()) return nullptr;
    return legend[(size_t)i].text;
}

int Oli_Legend_Add_Ref(const char *symbol, const char *text, const char *reference)
{
    int32_t number = Oli_Literature_Add(reference);
    char explain[OLI_LEGEND_EXPLAIN_SIZE + 1];
    if (number > 0) snprintf(explain, sizeof explain, "%s [%d]", text ? text : "", (int)number);
    else Oli_Copy(explain, text, sizeof explain);
    return legend_store(symbol, explain);
}

int Oli_Legend_Add_Ref_F(const char *symbol, const char *reference, const char *format, ...)
{
    char text[OLI_LEGEND_EXPLAIN_SIZE + 1];
    OLI_FORMAT_ARGS(text, format);
    return Oli_Legend_Add_Ref(symbol, text, reference);
}

void Oli_Write_Legend(FILE *file)
{
    if (file == nullptr || legend.empty()) return;
    double tw = Oli_Get_Text_Width();
    int32_t width = (int32_t)Oli_Round_Half_Away((tw - Oli_Get_Left_Margin()) * 160.0 / tw);
    std::string line;
    int32_t total = 0;
    auto flush = [&]() {
        if (line.size() >= 3) line.resize(line.size() - 3);
        Oli_Write_Small(file, "%s", line.c_str());
        line.clear();
        total = 0;
    };
    for (const Legend_Entry &e : legend) {
        int32_t len = (int32_t)strlen(e.text);
        if (!line.empty() && total + len + 4 > width) flush();
        line += e.text;
        line += "     ";
        total += len + 4;
    }
    if (!line.empty()) flush();
    OLI_setYPositionCM(file, 1, 0.4);
}

void Oli_Write_Legend_Columns(FILE *file)
{
    if (file == nullptr || legend.empty()) return;
    size_t longest = 0;
    for (const Legend_Entry &e : legend)
        if (strlen(e.symbol) > longest) longest = strlen(e.symbol);
    int32_t keep = Oli_Get_Column_Mode();
    Oli_Set_Column_Mode(3);
    Oli_Columns_2(0.0, (double)longest + 1.0);
    for (const Legend_Entry &e : legend) {
        Oli_Column_Cell(file, "%s", e.symbol);
        Oli_Column_Cell(file, "%s", e.explain);
    }
    Oli_Columns_End(file);
    Oli_Set_Column_Mode(keep);
}

/* ---- literature list ---- */

void Oli_Literature_Clear(void) { literature.clear(); }
int32_t Oli_Literature_Count(void) { return (int32_t)literature.size(); }

int32_t Oli_Literature_Add(const char *text)
{
    if (text == nullptr) return 0;
    std::string t(text, strnlen(text, OLI_LITERATURE_SIZE));
    for (size_t i = 0; i < literature.size(); i++)
        if (literature[i] == t) return (int32_t)i + 1;
    literature.push_back(t);
    return (int32_t)literature.size();
}

void Oli_Write_Literature(FILE *file)
{
    if (file == nullptr || literature.empty()) return;
    int n = (int)literature.size();
    OLI_reserveSpaceCM(file, (n + 3) * 0.286);
    Oli_File_Printf(file, "#SHOWTABLE\n 0 1 0\n Literatur und Normen:\n0 0 -1 -1\n#END_OF_TEXT\n");
    OLI_setYPositionCM(file, 1, -0.8);
    OLI_setConvertionFlags(file, 1);
    Oli_File_Printf(file, "#SHOWTABLE\n 0 0 %d\n", n);
    for (int i = 0; i < n; i++)
        Oli_File_Printf(file, "  [%d] %s\n", i + 1, literature[(size_t)i].c_str());
    Oli_File_Printf(file, "0 0 -1 -1\n#END_OF_TEXT\n");
    OLI_setConvertionFlags(file, 0);
}

/* ---- logo blocks ---- */

static char logo_name[OLI_LOGO_NAME_SIZE + 1] = "";

void Oli_Set_Logo_Name(const char *name) { Oli_Copy(logo_name, name, sizeof logo_name); }

static void logo_head(FILE *file, double width, double height)
{
    char w[40], h[40];
    Oli_Format_Fixed(w, sizeof w, width, 1);
    Oli_Format_Fixed(h, sizeof h, height, 1);
    Oli_File_Printf(file, "\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 %s 0 %s\n", w, h);
}

void Oli_Write_Logo(FILE *file, double width, double height, const char *suffix)
{
    if (file == nullptr) return;
    char h[40];
    Oli_Format_Fixed(h, sizeof h, height, 1);
    logo_head(file, width, height);
    Oli_File_Printf(file, " 27 0 %s %%FONT%%\\%s%s\n-1\n", h, logo_name, suffix ? suffix : "");
    OLI_setYPositionCM(file, 1, -0.3);
}

void Oli_Write_Logo_Framed(FILE *file, double width, double height, const char *name)
{
    if (file == nullptr) return;
    char h[40];
    Oli_Format_Fixed(h, sizeof h, height, 1);
    logo_head(file, width, height);
    Oli_File_Printf(file, " 27 0 %s %%FONT%%\\%s\n", h, name ? name : "");
    Oli_File_Printf(file, " 1  %lf %lf %lf %lf\n", 0.0, 0.0, width, 0.0);
    Oli_File_Printf(file, " 1  %lf %lf %lf %lf\n", width, 0.0, width, height);
    Oli_File_Printf(file, " 1  %lf %lf %lf %lf\n", width, height, 0.0, height);
    Oli_File_Printf(file, " 1  %lf %lf %lf %lf\n", 0.0, height, 0.0, 0.0);
    Oli_File_Printf(file, "-1\n");
    OLI_setYPositionCM(file, 1, -0.3);
}
