/*
** Load-case folders and load cases of the load model, with the counts by folder kind that the
** bridge coefficients use.
*/
#include "checks/load_model.h"
#include "checks/nchw_tables.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

Lf_Ordner_Rec *Lf_Ordner_List = nullptr;
Lastfall_Rec *Lastfall_List = nullptr;
Einwirkung_Rec *Einwirkung_List = nullptr;
Lf_Factor_List Lf_Factor_Work = {0, 0, nullptr};
int32_t Lf_Factor_Source_Switch = 0;

Einwirkung_Rec *New_Einwirkung(int32_t number, const char *name, int32_t kind, int32_t psi_index,
                               int32_t kled)
{
    Einwirkung_Rec *e = (Einwirkung_Rec *)calloc(1, sizeof(Einwirkung_Rec));
    if (!e) return nullptr;
    e->number = number;
    e->kind = kind;
    e->psi_index = psi_index;
    e->kled = kled;
    snprintf(e->name, sizeof e->name, "%s", name ? name : "");
    Einwirkung_Rec **p = &Einwirkung_List;
    while (*p) p = &(*p)->next;
    *p = e;
    return e;
}

Lf_Ordner_Rec *New_Lf_Ordner(int32_t id, int32_t kind, const char *name)
{
    Lf_Ordner_Rec *o = (Lf_Ordner_Rec *)calloc(1, sizeof(Lf_Ordner_Rec));
    if (!o) return nullptr;
    o->id = id;
    o->kind = kind;
    snprintf(o->name, sizeof o->name, "%s", name ? name : "");
    Lf_Ordner_Rec **p = &Lf_Ordner_List;
    while (*p) p = &(*p)->next;
    *p = o;
    return o;
}

Lastfall_Rec *New_Lastfall(int32_t number, const char *name, Lf_Ordner_Rec *folder)
{
    Lastfall_Rec *l = (Lastfall_Rec *)calloc(1, sizeof(Lastfall_Rec));
    if (!l) return nullptr;
    l->number = number;
    l->folder = folder;
    snprintf(l->name, sizeof l->name, "%s", name ? name : "");
    Lastfall_Rec **p = &Lastfall_List;
    while (*p) p = &(*p)->next;
    *p = l;
    return l;
}

void Free_Load_Model(void)
{
    while (Lastfall_List) {
        Lastfall_Rec *n = Lastfall_List->next;
        free(Lastfall_List);
        Lastfall_List = n;
    }
    while (Lf_Ordner_List) {
        Lf_Ordner_Rec *n = Lf_Ordner_List->next;
        free(Lf_Ordner_List);
        Lf_Ordner_List = n;
    }
    while (Einwirkung_List) {
        Einwirkung_Rec *n = Einwirkung_List->next;
        free(Einwirkung_List);
        Einwirkung_List = n;
    }
}

/* Number of load cases whose folder has the kind; 0 without load cases. */
int32_t Count_Lastfaelle_Of_Ordner_Kind(int32_t kind)
{
    int32_t n = 0;
    for (const Lastfall_Rec *l = Lastfall_List; l; l = l->next)
        if (l->folder && l->folder->kind == kind) n++;
    return n;
}

/* Number of folders of the kind; 0 without folders. */
int32_t Count_Lf_Ordner_Of_Kind(int32_t kind)
{
    int32_t n = 0;
    for (const Lf_Ordner_Rec *o = Lf_Ordner_List; o; o = o->next)
        if (o->kind == kind) n++;
    return n;
}

void Quote_To_Backquote(char *text)
{
    if (!text) return;
    for (; *text; text++)
        if (*text == '\'') *text = '`';
}

/* ------------------------------------------------------------------ export and factor lists */

void Export_Einw_To_Nchw_Tables(void (*per_load_case)(const Lastfall_Rec *lf))
{
    int32_t na = 0, nf = 0, nl = 0;
    for (const Einwirkung_Rec *e = Einwirkung_List; e; e = e->next) na++;
    for (const Lf_Ordner_Rec *o = Lf_Ordner_List; o; o = o->next) nf++;
    for (const Lastfall_Rec *l = Lastfall_List; l; l = l->next) nl++;
    Nchw_Imp_Table_Init(0);
    Nchw_Lf_Table_Init(nl);
    Nchw_Group_Table_Init(nf);
    Nchw_Einw_Table_Init(na);
    for (const Einwirkung_Rec *e = Einwirkung_List; e; e = e->next)
        Nchw_Einw_Table_Add(e->number, e->name, e->kind, e->psi_index, 0, e->kled, 0);
    for (const Lf_Ordner_Rec *o = Lf_Ordner_List; o; o = o->next)
        Nchw_Group_Table_Add(o->name, 0, -1, o->kind, o->id);
    for (const Lastfall_Rec *l = Lastfall_List; l; l = l->next) {
        int32_t row = 0;
        if (l->action) {
            int32_t i = 0;
            for (const Einwirkung_Rec *e = Einwirkung_List; e && e != l->action; e = e->next) i++;
            row = i < na ? i : 0;
        }
        Nchw_Lf_Table_Add(l->number, l->name, row, l->folder ? -l->folder->id - 1 : 0);
        if (per_load_case) per_load_case(l);
    }
    Nchw_Tables_Link_Groups();
}

void Free_Lf_Factor_List(Lf_Factor_List *list)
{
    if (!list) return;
    free(list->entries);
    free(list);
}

int Init_Lf_Factor_List(const Lf_Factor_List *input)
{
    const int32_t n = Nchw_Lf_Table_Count();
    free(Lf_Factor_Work.entries);
    Lf_Factor_Work.entries = nullptr;
    Lf_Factor_Work.count = 0;
    if (n <= 0) return 1;
    Lf_Factor_Work.entries = (Lf_Factor_Entry *)calloc((size_t)n, sizeof(Lf_Factor_Entry));
    if (!Lf_Factor_Work.entries) return 0;
    Lf_Factor_Work.count = n;
    for (int32_t i = 0; i < n; i++) {
        Lf_Factor_Entry &e = Lf_Factor_Work.entries[i];
        e.number = Nchw_Lf_Table.rows[i].number;
        Nchw_Lf_Table.rows[i].active = 0;
        for (int32_t j = 0; input && input->entries && j < input->count; j++) {
            if (input->entries[j].number != e.number) continue;
            e = input->entries[j];
            Nchw_Lf_Table.rows[i].active = 1;
            break;
        }
    }
    return 1;
}

Lf_Factor_List *Get_Lf_Factor_List(Lf_Factor_List *old)
{
    Free_Lf_Factor_List(old);
    Lf_Factor_List *l = (Lf_Factor_List *)calloc(1, sizeof(Lf_Factor_List));
    if (!l) return nullptr;
    l->mode = Lf_Factor_Work.mode;
    int32_t n = 0;
    for (int32_t i = 0; i < Lf_Factor_Work.count && i < Nchw_Lf_Table_Count(); i++)
        if (Nchw_Lf_Table.rows[i].active) n++;
    if (n > 0) {
        l->entries = (Lf_Factor_Entry *)calloc((size_t)n, sizeof(Lf_Factor_Entry));
        if (!l->entries) {
            free(l);
            return nullptr;
        }
        for (int32_t i = 0; i < Lf_Factor_Work.count && i < Nchw_Lf_Table_Count(); i++)
            if (Nchw_Lf_Table.rows[i].active) l->entries[l->count++] = Lf_Factor_Work.entries[i];
    }
    return l;
}
