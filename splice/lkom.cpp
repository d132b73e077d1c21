/*
** The table of design combinations: row editing, the ASCII import ("kmod accidental M_d N_d V_d
** comment" per line, in code page 850, 1252 or UTF-8) and the generation of the combinations from the six characteristic actions
** after EN 1990 eq. (6.10) and (6.12b). The rule is described in docs/combinations.md.
*/
#include "splice/splice_app.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "checks/checks.h"
#include "foundation/foundation.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"
#include "results/results.h"

/* ---------------------------------------------------------------- table rows */

int Lkom_Free_Entry(const Lkom_Table *t, int g)
{
    if (!t || g < 0 || g >= LKOM_GROUPS) return -1;
    for (int e = 0; e < LKOM_ENTRIES; e++)
        if (!t->groups[g].entries[e].used) return e;
    return -1;
}

int Lkom_Count_Entries(const Lkom_Table *t, int g)
{
    if (!t || g < 0 || g >= LKOM_GROUPS) return 0;
    int n = 0;
    for (int e = 0; e < LKOM_ENTRIES; e++)
        if (t->groups[g].entries[e].used) n++;
    return n;
}

static void Clear_Entry(Lkom_Entry *e)
{
    memset(e, 0, sizeof *e);
    for (int k = 0; k < LKOM_ACTION_SLOTS; k++) e->actions[k] = -1;
}

void Lkom_Delete_Entry(Lkom_Table *t, int g, int e)
{
    if (!t || g < 0 || g >= LKOM_GROUPS || e < 0 || e >= LKOM_ENTRIES) return;
    Lkom_Group *grp = &t->groups[g];
    memmove(&grp->entries[e], &grp->entries[e + 1], sizeof(Lkom_Entry) * (LKOM_ENTRIES - 1 - e));
    Clear_Entry(&grp->entries[LKOM_ENTRIES - 1]);
    if (Lkom_Count_Entries(t, g) == 0) grp->used = 0;
}

void Lkom_Clear_Table(Lkom_Table *t)
{
    if (!t) return;
    for (int g = 0; g < LKOM_GROUPS; g++) {
        Lkom_Group *grp = &t->groups[g];
        grp->used = 0;
        grp->kled = g < 5 ? g : 2;
        grp->source = 0;
        grp->kmod_source = 1;
        grp->kmod = 0.9;
        for (int e = 0; e < LKOM_ENTRIES; e++) Clear_Entry(&grp->entries[e]);
    }
}

/* ---------------------------------------------------------------- ASCII import */

/* Group of a preset kmod: the used group with kmod within the tolerance, else the first unused
** group, opened with that kmod as its preset and the class in which the members take it from
** EN 1995-1-1, Table 3.1 (where none does, the shortest class below it, else "ständig"; the
** report names it), else -1. */
static int Group_Of_Kmod(Lkom_Table *t, double kmod, Ascii_Import_Report *r)
{
    for (int g = 0; g < LKOM_GROUPS; g++) {
        Lkom_Group *grp = &t->groups[g];
        if (grp->used && grp->kmod_source == 0 && fabs(grp->kmod - kmod) < LKOM_KMOD_TOLERANCE)
            return g;
    }
    for (int g = 0; g < LKOM_GROUPS; g++) {
        Lkom_Group *grp = &t->groups[g];
        if (!grp->used && Lkom_Count_Entries(t, g) == 0) {
            grp->used = 1;
            grp->kmod_source = 0;
            grp->kmod = kmod;
            grp->source = 0;
            const int kled = Kled_Of_Preset_Kmod(kmod, LKOM_KMOD_TOLERANCE);
            const int below = kled >= 0 ? kled : Kled_Below_Preset_Kmod(kmod, LKOM_KMOD_TOLERANCE);
            grp->kled = below >= 0 ? below : KLED_STAENDIG;
            if (r->opened < LKOM_GROUPS) {
                r->opened_groups[r->opened] = g;
                r->opened_kled[r->opened++] = kled;
            }
            return g;
        }
    }
    return -1;
}

/* The fields of a line before its comment, as the page names them. */
enum { ASCII_FIELDS = 5 };
static const char *const Field_Names[ASCII_FIELDS] = {"kmod", "außergew."_cp850, "M_d", "N_d",
                                                      "V_d"};

/* A force as the input file keeps it (a larger one would not be read back). */
static const double FORCE_MAX = 1.0e9;

static void Note_Bad(Ascii_Import_Report *r, int line, int kind, const char *why)
{
    const int i = r->bad - r->full; /* the lines of full groups are named apart */
    if (i < ASCII_IMPORT_BAD_MAX) {
        r->bad_lines[i] = line;
        r->bad_kinds[i] = kind;
        snprintf(r->bad_reasons[i], sizeof r->bad_reasons[0], "%s", why);
    }
    r->bad++;
}

/* A line skipped because group g holds as many combinations as a group can. */
static void Note_Full(Ascii_Import_Report *r, int line, int g)
{
    if (r->full < ASCII_IMPORT_BAD_MAX) r->full_lines[r->full] = line;
    r->full++;
    r->full_in_group[g]++;
    r->bad++;
}

/* The next word of a line (blanks and tabs part them) from *at; empty at the line's end. */
static std::string_view Next_Word(std::string_view line, size_t *at)
{
    size_t i = *at;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) i++;
    size_t j = i;
    while (j < line.size() && line[j] != ' ' && line[j] != '\t') j++;
    *at = j;
    return line.substr(i, j - i);
}

/*
** The five numbers of a line into v (kmod, the accidental flag, M_d, N_d, V_d), *comment_at the
** offset behind the last one. Answers null, or why the line is skipped (into why, size bytes,
** code page 850): the field and what it held.
*/
static const char *Read_Fields(std::string_view line, int code_page, double v[ASCII_FIELDS],
                               size_t *comment_at, char *why, size_t size)
{
    size_t at = 0;
    for (int k = 0; k < ASCII_FIELDS; k++) {
        const std::string_view w = Next_Word(line, &at);
        if (w.empty()) {
            snprintf(why, size, "%s fehlt", Field_Names[k]);
            return why;
        }
        /* what the field held, in the box's code page and cut to a few characters */
        std::string held = To_Cp850(w, code_page);
        if (held.size() > 24) held = held.substr(0, 20) + "...";
        const char *wrong = nullptr;
        if (!Plain_Decimal_Number(w.data(), w.size(), 1, &v[k])) wrong = "ist keine Dezimalzahl";
        else if (k == 0 && !(v[k] > 0.0 && v[k] <= 2.0))
            wrong = "liegt nicht im Bereich über 0 bis 2"_cp850;
        else if (k == 1 && v[k] != 0.0 && v[k] != 1.0) wrong = "ist weder 0 noch 1";
        else if (k >= 2 && !(std::fabs(v[k]) <= FORCE_MAX))
            wrong = "liegt außerhalb von -1000000000 bis 1000000000"_cp850;
        if (wrong) {
            snprintf(why, size, "%s \"%s\" %s", Field_Names[k], held.c_str(), wrong);
            return why;
        }
    }
    *comment_at = at;
    return nullptr;
}

/* The code page of an import file, by the rule of docs/code-pages.md over its first 16 MB (cut
** at a line end, so that no character is split); the file is rewound. */
static int File_Code_Page(FILE *f)
{
    std::string sample;
    char buf[65536];
    size_t n;
    while (sample.size() < (16u << 20) && (n = fread(buf, 1, sizeof buf, f)) > 0)
        sample.append(buf, n);
    const int whole = feof(f);
    rewind(f);
    if (!whole) {
        const size_t end = sample.rfind('\n');
        sample.resize(end == std::string::npos ? 0 : end + 1);
    }
    return Guess_Code_Page(sample);
}

int Import_Lkom_Ascii(const char *path, Lkom_Table *t, Ascii_Import_Report *report)
{
    Ascii_Import_Report local;
    Ascii_Import_Report *r = report ? report : &local;
    memset(r, 0, sizeof *r);
    if (!path || !t) return -1;
    FILE *f = Rt_Fopen_Read(path);
    if (!f) {
        r->open_error = errno;
        return -1;
    }
    /* an editor's "Unicode" (UTF-16) has a NUL byte in every other place: its lines would read
    ** as the first one damaged and the rest empty */
    char head[64];
    const size_t got = fread(head, 1, sizeof head, f);
    rewind(f);
    r->encoding = Wide_Unicode_Encoding(std::string_view(head, got));
    if (r->encoding) {
        fclose(f);
        return 0;
    }
    /* files of other programs come in code page 1252 or UTF-8 as well: comments are kept in 850 */
    const int code_page = File_Code_Page(f);

    std::string line;
    int line_no = 0, c = 0;
    while (c != EOF) {
        line.clear();
        /* the bytes kept of a line: the limit, its CR and the byte-order mark of the first */
        size_t dropped = 0;
        while ((c = fgetc(f)) != EOF && c != '\n') {
            if (line.size() < LKOM_IMPORT_LINE_MAX + 4) line.push_back((char)c);
            else dropped++;
        }
        if (c == EOF && line.empty()) break;
        line_no++;
        if (!line.empty() && line.back() == '\r' && dropped == 0) line.pop_back();
        if (line_no == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0)
            line.erase(0, 3); /* byte-order mark */
        /* a line cut short would lose the digits of a number ("12345" read as 123) */
        if (dropped > 0 || line.size() > LKOM_IMPORT_LINE_MAX) {
            char why[ASCII_IMPORT_REASON_MAX];
            snprintf(why, sizeof why, "Zeile zu lang (mehr als %d Bytes)",
                     (int)LKOM_IMPORT_LINE_MAX);
            Note_Bad(r, line_no, ASCII_BAD_LONG, why);
            continue;
        }

        const size_t first = line.find_first_not_of(" \t");
        const char *bad_byte = Text_Line_Bad_Byte_Reason(line);
        if (!bad_byte && (first == std::string::npos || line[first] == '#')) continue;
        /* a NUL byte ends no number and no comment ("1<NUL>2" is no 1) */
        if (bad_byte) {
            Note_Bad(r, line_no, ASCII_BAD_BYTE, bad_byte);
            continue;
        }
        double v[ASCII_FIELDS];
        size_t comment_at = 0;
        char why[ASCII_IMPORT_REASON_MAX];
        if (Read_Fields(line, code_page, v, &comment_at, why, sizeof why)) {
            Note_Bad(r, line_no, ASCII_BAD_FIELD, why);
            continue;
        }
        const double kmod = v[0];
        int g = Group_Of_Kmod(t, kmod, r);
        if (g < 0) {
            Note_Bad(r, line_no, ASCII_BAD_KMOD_COUNT, "mehr als 10 verschiedene kmod-Werte");
            continue;
        }
        int e = Lkom_Free_Entry(t, g);
        if (e < 0) {
            Note_Full(r, line_no, g);
            continue;
        }
        Lkom_Entry *en = &t->groups[g].entries[e];
        Clear_Entry(en);
        en->used = 1;
        en->accidental = (int32_t)v[1];
        en->M_d = v[2];
        en->N_d = v[3];
        en->V_d = v[4];
        en->kled = -1;
        const size_t from = line.find_first_not_of(" \t", comment_at);
        std::string comment =
            from == std::string::npos ? std::string() : To_Cp850(line.substr(from), code_page);
        while (!comment.empty() && (comment.back() == ' ' || comment.back() == '\t'))
            comment.pop_back();
        if (comment.size() > LKOM_COMMENT_MAX) { /* the page's field holds no more: said */
            if (r->cut < ASCII_IMPORT_BAD_MAX) r->cut_lines[r->cut] = line_no;
            r->cut++;
        }
        if (from != std::string::npos
            && Cp850_Lacking(std::string_view(line).substr(from), code_page, LKOM_COMMENT_MAX)
                   > 0) {
            if (r->lacking < ASCII_IMPORT_BAD_MAX) r->lacking_lines[r->lacking] = line_no;
            r->lacking++;
        }
        snprintf(en->comment, sizeof en->comment, "%s", comment.c_str());
        r->imported++;
    }
    fclose(f);
    return r->imported;
}

/* ---------------------------------------------------------------- the import's box */

/* The numbers of a table as the pages and the report give them, over any table: each listed
** combination's number in the report's table (0 for none; Lkom_Row_Number) and the number each
** used group bears (0 for an unused one; Lkom_Shown_Group). */
typedef struct Table_Numbers {
    std::vector<int32_t> row; /* [g * LKOM_ENTRIES + e] */
    int32_t shown[LKOM_GROUPS];
} Table_Numbers;

static void Number_Table(const Lkom_Table *t, Table_Numbers *n)
{
    n->row.assign((size_t)LKOM_GROUPS * LKOM_ENTRIES, 0);
    int number = 0, place = 0;
    for (int g = 0; g < LKOM_GROUPS; g++) {
        n->shown[g] = t->groups[g].used ? ++place : 0;
        if (!t->groups[g].used) continue;
        for (int e = 0; e < LKOM_ENTRIES; e++)
            if (Is_Lkom_Entry_Listed(&t->groups[g].entries[e]))
                n->row[(size_t)g * LKOM_ENTRIES + e] = ++number;
    }
}

/* "Nr. 4" or "Nr. 4 bis 6". */
static std::string Numbers_Text(int first, int last)
{
    char text[40];
    if (first == last) snprintf(text, sizeof text, "Nr. %d", first);
    else snprintf(text, sizeof text, "Nr. %d bis %d", first, last);
    return text;
}

/* The rows that were in the table before the import whose number, or whose group's number, the
** groups and rows it added moved: per group, each run of rows that moved by the same amount
** ("Gruppe 1 -> Gruppe 2: Nr. 4 bis 6 -> Nr. 7 bis 9"). */
static std::vector<std::string> Moved_Rows(const Table_Numbers &was, const Table_Numbers &now)
{
    std::vector<std::string> lines;
    for (int g = 0; g < LKOM_GROUPS; g++) {
        if (was.shown[g] == 0) continue;
        char group[40];
        if (was.shown[g] != now.shown[g])
            snprintf(group, sizeof group, "Gruppe %d -> Gruppe %d", (int)was.shown[g],
                     (int)now.shown[g]);
        else snprintf(group, sizeof group, "Gruppe %d", (int)was.shown[g]);
        const size_t base = (size_t)g * LKOM_ENTRIES;
        int first = 0, last = 0, shift = 0, runs = 0;
        auto close_run = [&]() {
            if (first == 0) return;
            lines.push_back(std::string(group) + ": " + Numbers_Text(first, last) + " -> "
                            + Numbers_Text(first + shift, last + shift));
            runs++;
            first = 0;
        };
        for (int e = 0; e < LKOM_ENTRIES; e++) {
            const int before = was.row[base + e];
            if (before == 0) continue; /* imported, or not designed */
            const int by = now.row[base + e] - before;
            if (first != 0 && (by != shift || before != last + 1)) close_run();
            if (by == 0) continue;
            if (first == 0) {
                first = before;
                shift = by;
            }
            last = before;
        }
        close_run();
        if (runs == 0 && was.shown[g] != now.shown[g]) lines.push_back(group);
    }
    return lines;
}

/* The line of a group that the import opened (g its slot, kled its class or -1). */
static void Opened_Group_Line(const Lkom_Table *t, const Table_Numbers &now, int g, int kled,
                              char *line, size_t size)
{
    const char *table = Nad_Params != nullptr ? "DIN EN 1995-1-1, Tab. 3.1" : "DIN 1052, Tab. F.1";
    const int sc = (int)Splice_Input.service_class;
    if (kled >= 0)
        snprintf(line, size,
                 "Neue Gruppe %d: k_mod = %.2f, Klasse der Lasteinwirkungsdauer %s (%s, "
                 "Nutzungsklasse %d)",
                 (int)now.shown[g], t->groups[g].kmod, Get_Kled_Name(kled), table, sc);
    else if (Kled_Below_Preset_Kmod(t->groups[g].kmod, LKOM_KMOD_TOLERANCE) >= 0)
        snprintf(line, size,
                 "Neue Gruppe %d: k_mod = %.2f bleibt vorgegeben, Klasse %s, die kürzeste mit "
                 "k_mod höchstens %.2f (keine hat %.2f; %s, Nutzungsklasse %d)"_cp850,
                 (int)now.shown[g], t->groups[g].kmod, Get_Kled_Name(t->groups[g].kled),
                 t->groups[g].kmod, t->groups[g].kmod, table, sc);
    else
        snprintf(line, size,
                 "Neue Gruppe %d: k_mod = %.2f bleibt vorgegeben, Klasse %s (keine Klasse hat "
                 "k_mod höchstens %.2f; %s, Nutzungsklasse %d)"_cp850,
                 (int)now.shown[g], t->groups[g].kmod, Get_Kled_Name(t->groups[g].kled),
                 t->groups[g].kmod, table, sc);
}

/* Lines of moved rows in the box, skipped lines named with their reason, and numbers of lines
** named in one line: with the count, 18 lines of skipped ones, the three of full groups, the
** lines of the cut comments and of the characters they lack, 10 new groups and 6 of moved rows,
** the box's 40 lines hold them all. */
enum { MOVED_LINES_MAX = 4, SKIPPED_NAMED = 17, LINES_NAMED = 10 };

/* "what: Zeile 3, 5 und 2 weitere", of count lines whose first numbers are in lines. */
static std::string Lines_Named(const std::string &what, int count, const int32_t *lines)
{
    std::string text = what + ": Zeile";
    const int named = std::min(count, (int)LINES_NAMED);
    for (int i = 0; i < named; i++) text += (i == 0 ? " " : ", ") + std::to_string(lines[i]);
    if (count > named) text += " und " + std::to_string(count - named) + " weitere";
    return text;
}

/* The lines of the box on the lines that found their group full: the limit and the groups,
** the lines, and how to go on with them. */
static void Full_Group_Lines(const Lkom_Table *t, const Table_Numbers &now,
                             const Ascii_Import_Report &r)
{
    std::string line =
        "Eine Gruppe fasst höchstens "_cp850 + std::to_string(LKOM_ENTRIES) + " Lastkombinationen:";
    int count = 0;
    for (int g = 0; g < LKOM_GROUPS; g++) {
        if (r.full_in_group[g] == 0) continue;
        char one[64];
        snprintf(one, sizeof one, "%s Gruppe %d (k_mod = %.2f)", count > 0 ? "," : "",
                 (int)now.shown[g], t->groups[g].kmod);
        line += one;
        count++;
    }
    Fill_Message((line + (count == 1 ? " ist voll." : " sind voll.")).c_str());
    const std::string what = std::to_string(r.full) + (r.full == 1 ? " Zeile" : " Zeilen")
                             + " übersprungen, weil ihre Gruppe voll ist"_cp850;
    Fill_Message(Lines_Named(what, r.full, r.full_lines).c_str());
    Fill_Message("Weiter: die Datei auf die maßgebenden Lastkombinationen kürzen, oder die "
                 "übersprungenen Zeilen in eine eigene Datei schreiben und in einer Kopie des "
                 "Bauteils importieren."_cp850);
}

int Import_Lkom_Ascii_With_Message(const char *path, Lkom_Table *t)
{
    Ascii_Import_Report r;
    Table_Numbers was, now;
    if (t) Number_Table(t, &was);
    int n = Import_Lkom_Ascii(path, t, &r);
    char line[256];
    Init_Message();
    Set_Message_Title("ASCII-Import");
    /* the whole path: a name typed on the page is looked up in the component's folder */
    const std::string file = std::string("Die Datei ") + Rt_Whole_Path(path ? path : "");
    if (n < 0) {
        Set_Message_Symbol(3, 0, 0, 0);
        Fill_Message(file.c_str());
        if (r.open_error != 0) {
            Fill_Message("kann nicht gelesen werden:");
            Fill_Message(Rt_Path_Error_Text(r.open_error, path));
            Fill_Message("Es wurde nichts importiert.");
        } else {
            Fill_Message("kann nicht gelesen werden.");
        }
        Draw_Message();
        return n;
    }
    if (r.encoding) {
        Set_Message_Symbol(3, 0, 0, 0);
        Fill_Message(file.c_str());
        snprintf(line, sizeof line, "ist in %s gespeichert; diese Kodierung wird nicht gelesen.",
                 r.encoding);
        Fill_Message(line);
        Fill_Message("Es wurde nichts importiert. Bitte die Datei als ANSI oder UTF-8 speichern.");
        Draw_Message();
        return n;
    }
    Number_Table(t, &now);
    bool no_class = false;
    for (int i = 0; i < r.opened; i++) no_class |= r.opened_kled[i] < 0;
    Set_Message_Symbol(r.bad || r.cut || r.lacking || no_class ? 2 : 1, 0, 0, 0);
    snprintf(line, sizeof line, "%d Lastkombinationen importiert.", n);
    Fill_Message(line);
    const int other = r.bad - r.full;
    const int shown = std::min(other, (int)SKIPPED_NAMED);
    for (int i = 0; i < shown; i++) {
        snprintf(line, sizeof line, "Zeile %d übersprungen: %s"_cp850, (int)r.bad_lines[i],
                 r.bad_reasons[i]);
        Fill_Message(line);
    }
    if (other > shown) {
        snprintf(line, sizeof line, "... und %d weitere %s.", other - shown,
                 other - shown == 1 ? "Zeile" : "Zeilen");
        Fill_Message(line);
    }
    if (r.full > 0) Full_Group_Lines(t, now, r);
    if (r.cut > 0) {
        const std::string what = std::string(r.cut == 1 ? "Kommentar" : "Kommentare") + " nach "
                                 + std::to_string(LKOM_COMMENT_MAX) + " Zeichen gekürzt"_cp850;
        Fill_Message(Lines_Named(what, r.cut, r.cut_lines).c_str());
    }
    if (r.lacking > 0)
        Fill_Message(Lines_Named("Zeichen, die die Codepage 850 nicht enthält, als \"?\" "
                                 "übernommen"_cp850,
                                 r.lacking, r.lacking_lines)
                         .c_str());
    for (int i = 0; i < r.opened; i++) {
        Opened_Group_Line(t, now, r.opened_groups[i], r.opened_kled[i], line, sizeof line);
        Fill_Message(line);
    }
    const std::vector<std::string> moved = Moved_Rows(was, now);
    if (!moved.empty()) Fill_Message("Neue Nummern der Lastkombinationen, die schon da waren:");
    const size_t moved_shown = std::min(moved.size(), (size_t)MOVED_LINES_MAX);
    for (size_t i = 0; i < moved_shown; i++) Fill_Message(moved[i].c_str());
    if (moved.size() > moved_shown) {
        snprintf(line, sizeof line, "... und %d weitere.", (int)(moved.size() - moved_shown));
        Fill_Message(line);
    }
    Draw_Message();
    return n;
}

/* ---------------------------------------------------------------- characteristic actions */

const char *Char_Action_Name(int i, int snow_above_1000)
{
    if (i == 3 && snow_above_1000) return Get_Load_Type_Name(6);
    if (i < 0 || i >= CHAR_ACTION_COUNT) return "";
    return Get_Load_Type_Name(i);
}

void Refresh_Char_Actions(void)
{
    Init_Char_Actions(Splice_Input.Char_Actions, Splice_Input.snow_above_1000,
                      Splice_Input.imposed_category);
}

/* One combination under construction. */
typedef struct Gen_Comb {
    int n;
    int32_t actions[LKOM_ACTION_SLOTS];
    double factors[LKOM_ACTION_SLOTS][2];
    int kled;
    int accidental;
} Gen_Comb;

static int Same_Values(const Lkom_Entry *a, double M, double N, double V, int acc)
{
    return a->accidental == acc && fabs(a->M_d - M) < 1e-9 && fabs(a->N_d - N) < 1e-9
           && fabs(a->V_d - V) < 1e-9;
}

static void Store_Comb(const Char_Action_Rec *act, const Gen_Comb *c, Lkom_Table *t,
                       Lkom_Generation_Report *r)
{
    double M = 0.0, N = 0.0, V = 0.0;
    for (int k = 0; k < c->n; k++) {
        const Char_Action_Rec *a = &act[c->actions[k]];
        double f = c->factors[k][0] * c->factors[k][1];
        M += f * a->M_k;
        N += f * a->N_k;
        V += f * a->V_k;
    }
    int g = c->kled;
    if (g < 0 || g >= LKOM_GROUPS) g = 0;
    Lkom_Group *grp = &t->groups[g];
    for (int e = 0; e < LKOM_ENTRIES; e++) {
        if (grp->entries[e].used && Same_Values(&grp->entries[e], M, N, V, c->accidental)) {
            r->duplicates++;
            return;
        }
    }
    int e = Lkom_Free_Entry(t, g);
    if (e < 0) {
        r->cut++;
        return;
    }
    grp->used = 1;
    grp->kled = g;
    grp->source = 1;
    grp->kmod_source = 1;
    Lkom_Entry *en = &grp->entries[e];
    Clear_Entry(en);
    en->used = 1;
    en->accidental = c->accidental;
    en->M_d = M;
    en->N_d = N;
    en->V_d = V;
    en->kled = c->kled;
    for (int k = 0; k < c->n; k++) {
        en->actions[k] = c->actions[k];
        en->factors[k][0] = c->factors[k][0];
        en->factors[k][1] = c->factors[k][1];
    }
    /* The comment names the actions and their factors: "1.35*LF1 + 1.50*LF3", an action of the
    ** other sign with a minus: "1.00*LF1 - 1.00*LF6". */
    std::string text;
    for (int k = 0; k < c->n; k++) {
        const double f = c->factors[k][0] * c->factors[k][1];
        char part[32];
        snprintf(part, sizeof part, "%s%.2f*LF%d",
                 k ? (f < 0.0 ? " - " : " + ") : (f < 0.0 ? "-" : ""), std::fabs(f),
                 (int)c->actions[k] + 1);
        text += part;
    }
    snprintf(en->comment, sizeof en->comment, "%s", text.c_str());
    r->generated++;
}

static void Add_Action(Gen_Comb *c, int action, double f1, double f2, int kled)
{
    c->actions[c->n] = action;
    c->factors[c->n][0] = f1;
    c->factors[c->n][1] = f2;
    c->n++;
    if (kled > c->kled) c->kled = kled; /* the shortest class governs */
}

/* An action switched on with M_k, N_k and V_k all zero adds nothing: its combinations would
** repeat those without it in the group of its own (shorter) class, with a larger kmod. */
static int Carries_Load(const Char_Action_Rec *a)
{
    return a->M_k != 0.0 || a->N_k != 0.0 || a->V_k != 0.0;
}

int Do_Generate_Lkoms(const Char_Action_Rec *act, Lkom_Table *t, Lkom_Generation_Report *report)
{
    Lkom_Generation_Report local;
    Lkom_Generation_Report *r = report ? report : &local;
    memset(r, 0, sizeof *r);
    if (!act || !t) return 0;
    Lkom_Clear_Table(t);

    int perm[CHAR_ACTION_COUNT], var[CHAR_ACTION_COUNT];
    int np = 0, nv = 0, quake = -1;
    for (int i = 0; i < CHAR_ACTION_COUNT; i++) {
        if (!act[i].used || !Carries_Load(&act[i])) continue;
        if (i <= 1) perm[np++] = i;
        else if (i <= 4) var[nv++] = i;
        else quake = i;
    }

    /* EN 1990 eq. (6.10): bit j of p set = permanent action j favourable; digit of q per
    ** variable action: 0 absent, 1 leading, 2 accompanying. */
    int q_count = 1;
    for (int j = 0; j < nv; j++) q_count *= 3;
    for (int p = 0; p < (1 << np); p++) {
        for (int q = 0; q < q_count; q++) {
            int digits[CHAR_ACTION_COUNT], lead = 0, acc = 0, x = q;
            for (int j = 0; j < nv; j++) {
                digits[j] = x % 3;
                x /= 3;
                if (digits[j] == 1) lead++;
                if (digits[j] == 2) acc++;
            }
            if (lead > 1 || (acc > 0 && lead == 0)) continue;
            if (np == 0 && lead == 0) continue;
            Gen_Comb c;
            memset(&c, 0, sizeof c);
            c.kled = 0;
            for (int j = 0; j < np; j++) {
                const Char_Action_Rec *a = &act[perm[j]];
                Add_Action(&c, perm[j], (p >> j) & 1 ? a->gamma_inf : a->gamma_sup, 1.0, a->kled);
            }
            for (int j = 0; j < nv; j++) {
                const Char_Action_Rec *a = &act[var[j]];
                if (digits[j] == 1) Add_Action(&c, var[j], a->gamma_sup, a->psi_dom, a->kled);
                if (digits[j] == 2) Add_Action(&c, var[j], a->gamma_sup, a->psi_sub, a->kled);
            }
            Store_Comb(act, &c, t, r);
        }
    }

    /* EN 1990 eq. (6.12b): G_k + A_Ed + sum psi_2 Q_k, psi_2 of the seismic design situation
    ** (psi_2,E of the annex); each variable action absent or present. The seismic action effect
    ** has both signs (EN 1998-1, 4.3.3.5): every combination with +A_Ed, then with -A_Ed, whose
    ** psi carries the sign. */
    if (quake >= 0) {
        for (const double sign : {1.0, -1.0})
            for (int q = 0; q < (1 << nv); q++) {
                Gen_Comb c;
                memset(&c, 0, sizeof c);
                c.accidental = 1;
                for (int j = 0; j < np; j++) Add_Action(&c, perm[j], 1.0, 1.0, act[perm[j]].kled);
                const Char_Action_Rec *a = &act[quake];
                Add_Action(&c, quake, a->gamma_sup, sign * a->psi_dom, a->kled);
                for (int j = 0; j < nv; j++)
                    if ((q >> j) & 1)
                        Add_Action(&c, var[j], 1.0, act[var[j]].psi_2E, act[var[j]].kled);
                Store_Comb(act, &c, t, r);
            }
    }
    return r->generated;
}

void Regenerate_Lkoms_If_Generated(void)
{
    if (!Splice_Input.lkom_generated) return;
    Refresh_Char_Actions();
    Lkom_Generation_Report r;
    Do_Generate_Lkoms(Splice_Input.Char_Actions, &Splice_Input.lkom, &r);
    if (r.cut > 0) {
        char line[120];
        Init_Message();
        Set_Message_Symbol(1, 0, 0, 0);
        Set_Message_Title("Hinweis");
        snprintf(line, sizeof line, "%d Lastkombinationen passen nicht mehr in ihre Gruppe",
                 (int)r.cut);
        Fill_Message(line);
        Fill_Message("(höchstens 1000 je Gruppe) und fehlen."_cp850);
        Draw_Message();
    }
}
