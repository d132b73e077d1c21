/*
** Load-case folders and load cases of the load model, with the counts by folder kind that the
** bridge coefficients use.
*/
#include "checks/load_model.h"

#include <cstdio>
#include <cstdlib>

Lf_Ordner_Rec *Lf_Ordner_List = nullptr;
Lastfall_Rec *Lastfall_List = nullptr;

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
