/*
** The four flat design-check tables (actions, load-case folders, load cases, imperfections):
** sizing, appending with display labels, finding by number, and the link step that gives the
** alternative groups their indices.
*/
#include "checks/nchw_tables.h"
#include "checks/bridge_coeff.h"
#include "foundation/foundation.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

Nchw_Einw_Table_Rec Nchw_Einw_Table = {0, 0, nullptr};
Nchw_Group_Table_Rec Nchw_Group_Table = {0, 0, nullptr};
Nchw_Lf_Table_Rec Nchw_Lf_Table = {0, 0, nullptr};
Nchw_Imp_Table_Rec Nchw_Imp_Table = {0, 0, nullptr};

int32_t Nchw_Einw_Variable_Count = 0;
int32_t Nchw_Max_Alt_Index = 10;
int32_t Nchw_Einw_Label_Width = 0;
int32_t Nchw_Group_Label_Width = 0;
int32_t Nchw_Lf_Label_Width = 0;

/* Font of the labels in the lists of the design-check dialogs. */
#define NCHW_LABEL_FONT 4096

/* ------------------------------------------------------------------ labels */

/* Format a label into dst (at most cap - 1 characters) and widen *width to its pixel width. */
static void Make_Label(char *dst, size_t cap, int32_t *width, const char *fmt, int32_t number,
                       const char *name)
{
    char scratch[600];
    const char *trimmed = Trim_Blanks(name ? name : "");
    if (number == INT32_MIN) snprintf(scratch, sizeof scratch, fmt, trimmed);
    else snprintf(scratch, sizeof scratch, fmt, number, trimmed);
    Str_Copy_Bounded(dst, scratch, cap);
    int w = Text_Width_In_Font(dst, NCHW_LABEL_FONT);
    if (w > *width) *width = w;
}

/* Release rows and size a table of n rows; no array for n <= 0. Return the rows or null. */
template <typename Row>
static Row *Table_Init(Row *old, int32_t n, int32_t *cap, int32_t *count)
{
    free(old);
    *cap = n > 0 ? n : 0;
    *count = 0;
    if (n <= 0) return nullptr;
    Row *rows = (Row *)calloc((size_t)n, sizeof(Row));
    if (!rows) *cap = 0;
    return rows;
}

int32_t Nchw_Lf_Table_Count(void) { return Nchw_Lf_Table.rows ? Nchw_Lf_Table.count : 0; }

/* ------------------------------------------------------------------ actions */

/*
** Rows of the other tables point into the action and folder arrays. Releasing an array would
** leave them dangling, so those pointers are cleared with it.
*/
static void Forget_Action_Rows(void)
{
    for (int32_t i = 0; Nchw_Group_Table.rows && i < Nchw_Group_Table.count; i++)
        Nchw_Group_Table.rows[i].action = nullptr;
    for (int32_t i = 0; Nchw_Lf_Table.rows && i < Nchw_Lf_Table.count; i++)
        Nchw_Lf_Table.rows[i].action = nullptr;
}

static void Forget_Folder_Rows(void)
{
    for (int32_t i = 0; Nchw_Lf_Table.rows && i < Nchw_Lf_Table.count; i++)
        Nchw_Lf_Table.rows[i].folder = nullptr;
}

void Nchw_Einw_Table_Init(int32_t n)
{
    Forget_Action_Rows();
    Nchw_Einw_Table.rows =
        Table_Init(Nchw_Einw_Table.rows, n, &Nchw_Einw_Table.cap, &Nchw_Einw_Table.count);
    Nchw_Einw_Variable_Count = 0;
    Nchw_Einw_Label_Width = 0;
}

void Nchw_Einw_Table_Add(int32_t number, const char *name, int32_t kind, int32_t psi_index,
                         int32_t setting_a, int32_t kled, int32_t setting_b)
{
    Nchw_Einw_Table_Rec &t = Nchw_Einw_Table;
    if (!t.rows || t.count >= t.cap) return;
    Nchw_Einw_Row *r = &t.rows[t.count];
    memset(r, 0, sizeof *r);
    r->index = t.count;
    r->number = number;
    r->active = 0;
    Make_Label(r->label, sizeof r->label, &Nchw_Einw_Label_Width, "%d: %s", number, name);
    r->kind = kind;
    r->psi_index = psi_index;
    r->setting_a = setting_a;
    r->kled = kled;
    r->setting_b = setting_b;
    if (kind > 1) Nchw_Einw_Variable_Count++;
    t.count++;
}

Nchw_Einw_Row *Nchw_Einw_Table_Find(int32_t number)
{
    for (int32_t i = 0; Nchw_Einw_Table.rows && i < Nchw_Einw_Table.count; i++)
        if (Nchw_Einw_Table.rows[i].number == number) return &Nchw_Einw_Table.rows[i];
    return nullptr;
}

static bool Valid_Action_Row(int32_t i)
{
    return Nchw_Einw_Table.rows && i >= 0 && i < Nchw_Einw_Table.count;
}

/* ------------------------------------------------------------------ folders */

void Nchw_Group_Table_Init(int32_t n)
{
    Forget_Folder_Rows();
    Nchw_Group_Table.rows =
        Table_Init(Nchw_Group_Table.rows, n, &Nchw_Group_Table.cap, &Nchw_Group_Table.count);
    Nchw_Group_Label_Width = 0;
}

void Nchw_Group_Table_Add(const char *name, int32_t action_row, int32_t parent_id, int32_t kind,
                          int32_t folder_id)
{
    Nchw_Group_Table_Rec &t = Nchw_Group_Table;
    if (!t.rows || t.count >= t.cap || !Valid_Action_Row(action_row)) return;
    Nchw_Group_Row *r = &t.rows[t.count];
    memset(r, 0, sizeof *r);
    r->kind = kind;
    r->alt_index = 0;
    r->folder_id = folder_id;
    r->parent_id = parent_id;
    Make_Label(r->label, sizeof r->label, &Nchw_Group_Label_Width, "%s", INT32_MIN, name);
    r->parent = nullptr;
    r->action = &Nchw_Einw_Table.rows[action_row];
    t.count++;
}

/* ------------------------------------------------------------------ load cases */

void Nchw_Lf_Table_Init(int32_t n)
{
    Nchw_Lf_Table.rows =
        Table_Init(Nchw_Lf_Table.rows, n, &Nchw_Lf_Table.cap, &Nchw_Lf_Table.count);
    Nchw_Lf_Label_Width = 0;
}

/*
** Append a load case. A group of 0 or more is its alternative group; a negative group g puts
** it into the folder with id -g - 1 (none when no folder has that id).
*/
void Nchw_Lf_Table_Add(int32_t number, const char *name, int32_t action_row, int32_t group)
{
    Nchw_Lf_Table_Rec &t = Nchw_Lf_Table;
    if (!t.rows || t.count >= t.cap || !Valid_Action_Row(action_row)) return;
    Nchw_Lf_Row *r = &t.rows[t.count];
    memset(r, 0, sizeof *r);
    r->number = number;
    r->active = 0;
    r->state = 1;
    Make_Label(r->label, sizeof r->label, &Nchw_Lf_Label_Width, "%d: %s", number, name);
    r->action = &Nchw_Einw_Table.rows[action_row];
    if (group >= 0) {
        r->alt_group = group;
    } else {
        int32_t id = -group - 1;
        for (int32_t i = 0; Nchw_Group_Table.rows && i < Nchw_Group_Table.count; i++) {
            if (Nchw_Group_Table.rows[i].folder_id == id) {
                r->folder = &Nchw_Group_Table.rows[i];
                break;
            }
        }
        r->alt_group = 0;
    }
    t.count++;
}

Nchw_Lf_Row *Nchw_Lf_Table_Find(int32_t number)
{
    for (int32_t i = 0; Nchw_Lf_Table.rows && i < Nchw_Lf_Table.count; i++)
        if (Nchw_Lf_Table.rows[i].number == number) return &Nchw_Lf_Table.rows[i];
    return nullptr;
}

/* ------------------------------------------------------------------ imperfections */

void Nchw_Imp_Table_Init(int32_t n)
{
    Nchw_Imp_Table.rows =
        Table_Init(Nchw_Imp_Table.rows, n, &Nchw_Imp_Table.cap, &Nchw_Imp_Table.count);
    if (n >= 1) {
        int w = Text_Width_In_Font("Imperfektionen", NCHW_LABEL_FONT);
        if (w > Nchw_Lf_Label_Width) Nchw_Lf_Label_Width = w;
    }
}

void Nchw_Imp_Table_Add(int32_t number, const char *name)
{
    Nchw_Imp_Table_Rec &t = Nchw_Imp_Table;
    if (!t.rows || t.count >= t.cap) return;
    Nchw_Imp_Row *r = &t.rows[t.count];
    memset(r, 0, sizeof *r);
    r->number = number;
    r->active = 0;
    Make_Label(r->label, sizeof r->label, &Nchw_Lf_Label_Width, "%d: %s", -number, name);
    t.count++;
}

Nchw_Imp_Row *Nchw_Imp_Table_Find(int32_t number)
{
    for (int32_t i = 0; Nchw_Imp_Table.rows && i < Nchw_Imp_Table.count; i++)
        if (Nchw_Imp_Table.rows[i].number == number) return &Nchw_Imp_Table.rows[i];
    return nullptr;
}

/* ------------------------------------------------------------------ linking */

/*
** Link the tables after all rows were added: folders to their parents, alternative indices
** from 11 on to alternative folders (kind 1, and bridge load groups that are alternative),
** load cases to their folder's index, and each folder to its parent's index.
*/
void Nchw_Tables_Link_Groups(void)
{
    Nchw_Group_Table_Rec &g = Nchw_Group_Table;
    const int32_t n = g.rows ? g.count : 0;

    for (int32_t i = 0; i < n; i++) {
        Nchw_Group_Row *r = &g.rows[i];
        if (r->parent_id < 0) continue;
        for (int32_t j = 0; j < n; j++) {
            if (j != i && g.rows[j].folder_id == r->parent_id) {
                r->parent = &g.rows[j];
                break;
            }
        }
    }

    int32_t counter = 11;
    for (int32_t i = 0; i < n; i++) {
        Nchw_Group_Row *r = &g.rows[i];
        bool alt = r->kind == 1 || (r->kind > 100 && Is_Lastgruppe_Alternativ(r->kind));
        r->alt_index = alt ? counter++ : 0;
    }
    Nchw_Max_Alt_Index = counter - 1;

    for (int32_t i = 0; Nchw_Lf_Table.rows && i < Nchw_Lf_Table.count; i++) {
        Nchw_Lf_Row *l = &Nchw_Lf_Table.rows[i];
        if (l->folder) l->alt_group = l->folder->alt_index;
    }
    /* All parent indices first: they read the folders' own indices. */
    for (int32_t i = 0; i < n; i++)
        g.rows[i].parent_id = g.rows[i].parent ? g.rows[i].parent->alt_index : 0;
    for (int32_t i = 0; i < n; i++) g.rows[i].alt_index = g.rows[i].parent_id;
}
