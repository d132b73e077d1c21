/*
** Consistency checks of the design checks before they are handed to the calculation program:
** deactivated or empty checks, empty or stale tables, references to load cases, actions,
** imperfections or objects that no longer exist, load cases listed twice, missing permanent
** load cases, several members of one alternative group, several imperfections.
*/
#include "checks/nchw_consistency.h"
#include "checks/nchw_rec.h"
#include "checks/nchw_settings.h"
#include "checks/nchw_tables.h"
#include "checks/xtr_tables.h"
#include "dialogs/sva.h"
#include "foundation/codepage.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

static int Status_Colour, Hint_Colour;

/* Looked up at every line: the palette may have been rebuilt since the last one. */
static void Set_Check_Colours(void)
{
    Status_Colour = Nearest_RGB_Color(0, 120, 0);
    Hint_Colour = Nearest_RGB_Color(30, 160, 180);
}

void Nchw_Check_Line(int area, int *y, int style, const char *text)
{
    Set_Check_Colours();
    int font = 4096, colour = BLACK_CI;
    if (style == NCHW_WARNING) font |= SVA_FONT_BOLD;
    else if (style == NCHW_STATUS) colour = Status_Colour;
    else if (style == NCHW_HINT) {
        font |= SVA_FONT_SOFT2;
        colour = Hint_Colour;
    }
    SVA_Add_Text(area, 10, *y, text, font, colour, 0);
    *y += 15;
}

/* End of a check routine: a gap after findings, else its status line. */
static int32_t Finish(int area, int *y, int32_t found, const char *name)
{
    if (found > 0) {
        *y += 5;
        return found;
    }
    char line[64];
    snprintf(line, sizeof line, "%s\x06", name);
    Nchw_Check_Line(area, y, NCHW_STATUS, line);
    *y += 5;
    return 0;
}

#define LINE(style, ...)                            \
    do {                                            \
        char line_[256];                            \
        snprintf(line_, sizeof line_, __VA_ARGS__); \
        Nchw_Check_Line(area, y, style, line_);     \
    } while (0)

/* ------------------------------------------------------------------ the checks */

int32_t Check_Nachweise(int area, int *y)
{
    int32_t found = 0;
    for (const Nchw_Rec *c = Nchw_List_Head; c; c = c->next) {
        if (c->flags == 0) {
            LINE(NCHW_MESSAGE, "Der Nachweis %d ist deaktiviert.", c->number);
            found++;
            continue;
        }
        const bool has_lkoms = c->lkom_head || c->genrule_head;
        if (!c->xtr_head) {
            if (!has_lkoms) {
                LINE(
                    NCHW_WARNING,
                    "Dem Nachweis %d sind weder Extremierungsvorschriften noch Lastkollektive zugeordnet.",
                    c->number);
                found++;
            }
        } else if (!Nchw_Write_Xtr_Switch && !has_lkoms) {
            LINE(NCHW_WARNING, "Dem Nachweis %d sind keine Lastkollektive zugeordnet.", c->number);
            found++;
            LINE(NCHW_HINT, "Das Rechenprogramm zeigt aktuell die Notwendigkeit");
            LINE(NCHW_HINT, "einer nichtlinearen Berechnung an");
        }
        const Nchw_Type_Rec *t = c->type;
        const int32_t n = t ? (t->selector_count < 3 ? t->selector_count : 3) : 0;
        if (n < 1) continue;
        int32_t r = n;
        for (int32_t s = 0; s < n; s++) {
            if (c->selector_modes[s] == 1) {
                r--;
            } else if (c->selector_modes[s] == 2 && !c->selected[s]) {
                LINE(NCHW_WARNING, "Dem Nachweis %d sind keine %s zugeordnet.", c->number,
                     t->selector_names[s]);
                found++;
                r--;
            }
        }
        if (r == 0) {
            LINE(NCHW_WARNING, "Der Nachweis %d wird mit 0 Objekten gef\x81hrt.", c->number);
            found++;
        }
    }
    return Finish(area, y, found, "Nachweise");
}

int32_t Check_Xtr_Rules(int area, int *y)
{
    int32_t found = 0;
    for (const Nchw_Rec *c = Nchw_List_Head; c; c = c->next) {
        for (const Xtr_Rule_Rec *x = c->xtr_head; x; x = x->next) {
            if (x->row_count <= 0 || !x->rows) {
                LINE(NCHW_WARNING, "Nachweis %d - Extremierung %d: Die Tabelle ist leer.",
                     c->number, x->number);
                found++;
                continue;
            }
            if (x->mode != 2) continue;
            for (int32_t i = 0; i < x->row_count; i++) {
                const int32_t n = x->rows[i].number;
                if (x->basis[0] != 0) {
                    if (!Nchw_Lf_Table_Find(n)) {
                        LINE(NCHW_WARNING,
                             "Nachweis %d - Extremierung %d: Der Lastfall %d existiert nicht.",
                             c->number, x->number, n);
                        found++;
                    }
                } else if (!Nchw_Einw_Table_Find(n)) {
                    LINE(NCHW_WARNING,
                         "Nachweis %d - Extremierung %d: Die Einwirkung %d existiert nicht.",
                         c->number, x->number, n);
                    found++;
                }
            }
            int32_t count = 0;
            Xtr_Row *std_rows =
                Build_Standard_Xtr_Table(c, &count, nullptr, nullptr, nullptr, nullptr);
            if (!std_rows) count = 0;
            if (Cmp_Xtr_Tables(x->rows, x->row_count, std_rows, count)) {
                LINE(
                    NCHW_MESSAGE,
                    "Nachweis %d - Extremierung %d: Der Tabelleninhalt entspricht nicht dem Standard.",
                    c->number, x->number);
                found++;
            }
            free(std_rows);
        }
    }
    return Finish(area, y, found, "Extremierungen");
}

int32_t Check_Lkoms(int area, int *y)
{
    int32_t found = 0;
    const int32_t nlf = Nchw_Lf_Table.rows ? Nchw_Lf_Table.count : 0;
    std::vector<int32_t> seen((size_t)nlf);
    for (const Nchw_Rec *c = Nchw_List_Head; c; c = c->next) {
        const int32_t T = c->type ? Nchw_Type_Id(c->type) : 0;
        for (const Lkom_Rec *l = c->lkom_head; l; l = l->next) {
            for (int32_t &s : seen) s = 0;
            int32_t imps = 0;
            int32_t groups[101] = {0};
            if (l->row_count <= 0 || !l->rows) {
                LINE(NCHW_MESSAGE, "Nachweis %d - Lastkollektiv %d: Die Tabelle ist leer.",
                     c->number, l->number);
                found++;
            } else {
                for (int32_t i = 0; i < l->row_count; i++) {
                    const int32_t n = l->rows[i].number;
                    if (n > 0) {
                        Nchw_Lf_Row *lf = Nchw_Lf_Table_Find(n);
                        if (lf) seen[(size_t)(lf - Nchw_Lf_Table.rows)]++;
                        else {
                            LINE(NCHW_WARNING,
                                 "Nachweis %d - Lastkollektiv %d: Der Lastfall %d existiert nicht.",
                                 c->number, l->number, n);
                            found++;
                        }
                    } else if (n == 0) {
                        LINE(NCHW_WARNING,
                             "Nachweis %d - Lastkollektiv %d: Nulleintrag in Nummernspalte.",
                             c->number, l->number);
                        found++;
                    } else if (Nchw_Imp_Table_Find(-n)) {
                        imps++;
                    } else {
                        LINE(NCHW_WARNING,
                             "Nachweis %d - Lastkollektiv %d: Die Imperfektion %d existiert nicht.",
                             c->number, l->number, n);
                        found++;
                    }
                }
            }
            for (int32_t i = 0; i < nlf; i++) {
                const Nchw_Lf_Row &lf = Nchw_Lf_Table.rows[i];
                if (seen[i] == 0 && lf.action && lf.action->kind == 1 && T != 989) {
                    LINE(
                        NCHW_MESSAGE,
                        "Nachweis %d - Lastkollektiv %d:  LF:%d (st\x84ndige Last) ist nicht aufgef\x81hrt.",
                        c->number, l->number, lf.number);
                    found++;
                } else if (seen[i] >= 2) {
                    LINE(NCHW_MESSAGE,
                         "Nachweis %d - Lastkollektiv %d:  LF:%d ist mehrfach aufgef\x81hrt.",
                         c->number, l->number, lf.number);
                    found++;
                }
                if (seen[i] >= 1 && lf.alt_group >= 1 && lf.alt_group <= 100)
                    groups[lf.alt_group]++;
            }
            for (int g = 1; g <= 100; g++) {
                if (groups[g] <= 1) continue;
                LINE(
                    NCHW_MESSAGE,
                    "Nachweis %d - Lastkollektiv %d:  Es sind mehrere Lastf\x84lle der alt. Gruppe %c aufgef\x81hrt.",
                    c->number, l->number, 64 + g);
                found++;
            }
            if (imps > 1) {
                LINE(
                    NCHW_MESSAGE,
                    "Nachweis %d - Lastkollektiv %d:  Es sind mehrere Imperfektionen aufgef\x81hrt.",
                    c->number, l->number);
                found++;
            }
        }
    }
    return Finish(area, y, found, "Lastkollektive");
}

int32_t Check_Nchw_Objects(int area, int *y)
{
    int32_t found = 0;
    for (const Nchw_Rec *c = Nchw_List_Head; c; c = c->next) {
        const Nchw_Type_Rec *t = c->type;
        const int32_t n = t ? (t->selector_count < 3 ? t->selector_count : 3) : 0;
        for (int32_t s = 0; s < n; s++) {
            const int32_t *list = c->selected[s];
            if (c->selector_modes[s] != 2 || !list) continue;
            const int32_t type = t->selector_types[s];
            const int32_t m = Nchw_Objects_Of_Type(type);
            for (int32_t i = 1; i <= list[0]; i++) {
                bool exists = false;
                for (int32_t j = 0; j < m && !exists; j++)
                    exists = Nchw_Object_Number(type, j) == list[i];
                if (!exists) {
                    LINE(NCHW_WARNING, "Nachweis %d: Objektnr. %d (Typ:%s) existiert nicht.",
                         c->number, list[i], t->selector_names[s]);
                    found++;
                }
            }
        }
    }
    return Finish(area, y, found, "Nachweisobjekte");
}

int32_t Run_Nchw_Checks(int area, int *y)
{
    Set_Check_Colours();
    int32_t n = Check_Nachweise(area, y);
    n += Check_Xtr_Rules(area, y);
    n += Check_Lkoms(area, y);
    n += Check_Nchw_Objects(area, y);
    Check_Lkom_Count_Limit();
    return n;
}

/* ------------------------------------------------------------------ count limit and _BOP.EIN */

int32_t Count_Lkoms_For_Limit(void)
{
    int32_t n = 0;
    for (const Nchw_Rec *c = Nchw_List_Head; c; c = c->next) {
        n += c->lkom_count + 1;
        for (const GenRule_Rec *g = c->genrule_head; g; g = g->next) n += g->generated_count;
    }
    return n;
}

int Check_Lkom_Count_Limit(void)
{
    if (Lkom_Count_Limit < 0) return 0;
    const int32_t n = Count_Lkoms_For_Limit();
    if (n <= Lkom_Count_Limit) return 0;
    char line[200];
    Init_Message();
    Set_Message_Title("Warnung");
    snprintf(line, sizeof line,
             "Das Programm %s beschr\x84nkt die m\x94gliche Anzahl der Lastkollektive",
             Lkom_Limit_Program);
    Fill_Message(line);
    snprintf(line, sizeof line, "auf insgesamt %d. Es sind aktuell %d Lastkollektive definiert.",
             Lkom_Count_Limit, n);
    Fill_Message(line);
    Fill_Message("Bitte reduzieren Sie die Anzahl der Lastkollektive, um einen");
    Fill_Message("konfliktfreien nachfolgenden Rechenlauf zu gew\x84hrleisten.");
    Draw_Message();
    return 1;
}

int Write_BOP_EIN_File(const char *name)
{
    if (!(Nchw_Norm_Mask & NCHW_NORM_DIN1045) || !name) return 0;
    char path[64];
    snprintf(path, sizeof path, "%.4s_BOP.EIN", name);
    FILE *f = Rt_Fopen(path, "w"); /* a new file, never through a link */
    if (!f) return 0;
    const Nchw_Global_Settings_Rec &G = Nchw_Global_Settings;
    fprintf(f, "V%d\n", 2);
    const double v[8] = {G.gamma_c_fund,    G.gamma_s_fund,    G.gamma_c_acc,   G.gamma_s_acc,
                         G.gamma_c_fatigue, G.gamma_s_fatigue, G.gamma_c_quake, G.gamma_s_quake};
    for (int i = 0; i < 7; i++) fprintf(f, " %.2f ", v[i]);
    fprintf(f, " %.2f\n", v[7]);
    const int ok = ferror(f) ? 0 : 1;
    return fclose(f) == 0 && ok;
}
