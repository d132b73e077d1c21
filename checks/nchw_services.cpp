/*
** Services on the list of design checks: counts, positions, translations of option values
** between entry order and option numbers, counts by compute mode, the collectives of one
** generation rule as solver lines, release of types and checks, renumbering of objects.
*/
#include "checks/lkom_data_lines.h"
#include "checks/nchw_def.h"
#include "checks/nchw_rec.h"
#include "checks/nchw_services.h"
#include "platform/zelkwin.h"

#include <cstring>

/* ------------------------------------------------------------------ counting */

int32_t Count_Nachweise(void)
{
    int32_t n = 0;
    for (Nchw_Rec *c = Nchw_List_Head; c; c = c->next) n++;
    return n;
}

int32_t Count_Activated_Nachweise(void)
{
    int32_t n = 0;
    for (Nchw_Rec *c = Nchw_List_Head; c; c = c->next)
        if (c->flags & 1) n++;
    return n;
}

/*
** Number of checks of the given type id whose flags are not 0; 0 for an empty list. A check
** without a type record has no type id and is never counted.
*/
int32_t Count_Active_Nachweise_Of_Type(int32_t type_id)
{
    int32_t n = 0;
    for (Nchw_Rec *c = Nchw_List_Head; c; c = c->next)
        if (c->type && Nchw_Type_Id(c->type) == type_id && c->flags != 0) n++;
    return n;
}

int32_t Get_Nachweis_Index(const Nchw_Rec *check)
{
    int32_t i = 0;
    for (const Nchw_Rec *c = Nchw_List_Head; c; c = c->next, i++)
        if (c == check) return i;
    return 0;
}

int32_t Max_GenRule_Number(const Nchw_Rec *check)
{
    int32_t m = 0;
    for (const GenRule_Rec *g = check ? check->genrule_head : nullptr; g; g = g->next)
        if (g->number > m) m = g->number;
    return m;
}

void Count_Nachweise_By_Mode(int32_t *linear, int32_t *nonlinear)
{
    int32_t l = 0, n = 0;
    for (const Nchw_Rec *c = Nchw_List_Head; c; c = c->next) {
        const int32_t mode = c->type ? c->type->ints4_10[6] : 0;
        if (mode == 1 || mode == 3) l++;
        if (mode == 2 || mode == 3) n++;
    }
    if (linear) *linear = l;
    if (nonlinear) *nonlinear = n;
}

/* ------------------------------------------------------------------ option values */

/* The type of the id, after making sure the type file was read; null when none. */
static const Nchw_Type_Rec *Type_For_Options(int32_t type_id)
{
    if (!Read_Nachweis_Def()) return nullptr;
    return Find_Nchw_Type(type_id);
}

int Options_To_Numbered_Values(int32_t type_id, const int32_t *values, int32_t n, int32_t *out,
                               int32_t m)
{
    if (out && m > 0) memset(out, 0, (size_t)m * sizeof(int32_t));
    const Nchw_Type_Rec *t = Type_For_Options(type_id);
    if (!t || !values || !out) return 0;
    int32_t lim = n < t->option_count ? n : t->option_count;
    if (lim > 20) lim = 20;
    for (int32_t k = 1; k <= m; k++) {
        for (int32_t i = 0; i < lim; i++) {
            const Nchw_Option_Entry &e = t->options[i];
            if (e.id == k && (e.kind == 1 || e.kind == 2)) {
                out[k - 1] = values[i];
                break;
            }
        }
    }
    return 1;
}

int Numbered_Values_To_Options(int32_t type_id, const int32_t *values, int32_t n, int32_t *out,
                               int32_t m)
{
    if (out && m > 0) memset(out, 0, (size_t)m * sizeof(int32_t));
    const Nchw_Type_Rec *t = Type_For_Options(type_id);
    if (!t || !values || !out) return 0;
    int32_t lim = m < t->option_count ? m : t->option_count;
    if (lim > 20) lim = 20;
    for (int32_t k = 1; k <= n; k++) {
        for (int32_t i = 0; i < lim; i++) {
            const Nchw_Option_Entry &e = t->options[i];
            if (e.id == k && (e.kind == 1 || e.kind == 2)) {
                out[i] = values[k - 1];
                break;
            }
        }
    }
    return lim;
}

/* ------------------------------------------------------------------ generation rule lines */

int32_t Write_GenRule_Lkoms_By_Index(int32_t check_index, int32_t rule_index, FILE *f)
{
    if (check_index < 0 || rule_index < 0 || !f) return 0;
    Nchw_Rec *c = Nchw_List_Head;
    for (int32_t i = 0; c && i < check_index; i++) c = c->next;
    if (!c) return 0;
    GenRule_Rec *g = c->genrule_head;
    for (int32_t i = 1; g && i < rule_index; i++) g = g->next;
    if (!g) return 0;
    return Write_Generated_Lkoms(c, g, f);
}

/* ------------------------------------------------------------------ release and renumbering */

void Free_Nchw_Types_And_Checks(void)
{
    Free_All_Nachweise();
    Free_Nchw_Types();
}

void Renumber_Nchw_Objects(int32_t old_number, int32_t new_number, int32_t final,
                           int32_t object_type)
{
    for (Nchw_Rec *c = Nchw_List_Head; c; c = c->next) {
        const Nchw_Type_Rec *t = c->type;
        const int32_t nsel = t ? (t->selector_count < 3 ? t->selector_count : 3) : 0;
        for (int32_t s = 0; s < nsel; s++) {
            int32_t *list = c->selected[s];
            if (c->selector_modes[s] != 2 || !list) continue;
            if (object_type >= 0 && t->selector_types[s] != object_type) continue;
            for (int32_t i = 1; i <= list[0]; i++) {
                if (!final) {
                    if (list[i] == old_number) list[i] = -new_number;
                } else if (list[i] < 0) {
                    list[i] = -list[i];
                }
            }
        }
    }
}

/* ------------------------------------------------------------------ tree colours */

static Nchw_Tree_Style Tree_Style;
static int Tree_Style_Set = 0;

const Nchw_Tree_Style *Get_Nchw_Tree_Colour(void)
{
    if (!Tree_Style_Set) {
        Tree_Style.text = BLACK_CI;
        Tree_Style.background = Nearest_RGB_Color(212, 212, 212);
        Tree_Style.lines = Nearest_RGB_Color(128, 128, 128);
        Tree_Style.marker = Nearest_RGB_Color(255, 0, 0);
        Tree_Style.selected_text = WHITE_CI;
        Tree_Style_Set = 1;
    }
    return &Tree_Style;
}
