/*
** The global list of design checks: creation and release of checks with their children, the
** counting services other modules call, and the refresh entry points that run after the
** factors of actions have changed.
*/
#include "checks/nchw_rec.h"
#include "checks/nchw_settings.h"
#include "checks/nchw_tables.h"
#include "platform/zelkwin.h"

#include <cstdlib>

Nchw_Rec *Nchw_List_Head = nullptr;
Nchw_Rec *Nchw_List_Tail = nullptr;
Nchw_Rec *Nchw_Current = nullptr;
Xtr_Rule_Rec *Nchw_Current_Xtr_Rule = nullptr;
Lkom_Rec *Nchw_Current_Lkom = nullptr;
GenRule_Rec *Nchw_Current_GenRule = nullptr;
void (*Xtr_Rule_Page_Hook)(Xtr_Rule_Rec *rule) = nullptr;

/* ------------------------------------------------------------------ creation and release */

/*
** Allocate a check, append it at the tail of the global list and return it; null (list
** unchanged) when memory runs out. Links, comment, number, selections, counts and child lists
** are cleared; the caller fills the rest.
*/
Nchw_Rec *New_Nachweis(void)
{
    Nchw_Rec *c = (Nchw_Rec *)calloc(1, sizeof(Nchw_Rec));
    if (!c) {
        Init_Message();
        Set_Message_Title("Speicherallokierungsfehler");
        Fill_Message("Nachweis kann nicht erzeugt werden!");
        Draw_Message();
        return nullptr;
    }
    c->prev = Nchw_List_Tail;
    if (Nchw_List_Tail) Nchw_List_Tail->next = c;
    else Nchw_List_Head = c;
    Nchw_List_Tail = c;
    return c;
}

static void Free_Check_Children(Nchw_Rec *c)
{
    while (c->xtr_head) {
        Xtr_Rule_Rec *x = c->xtr_head;
        c->xtr_head = x->next;
        free(x->rows);
        free(x);
        c->xtr_count--;
    }
    c->xtr_tail = nullptr;
    while (c->lkom_head) {
        Lkom_Rec *l = c->lkom_head;
        c->lkom_head = l->next;
        free(l->rows);
        free(l);
        c->lkom_count--;
    }
    c->lkom_tail = nullptr;
    while (c->genrule_head) {
        GenRule_Rec *g = c->genrule_head;
        c->genrule_head = g->next;
        free(g->entries);
        for (GenRule_Factor_Row *p : g->factor_arrays) free(p);
        free(g);
        c->genrule_count--;
    }
    c->genrule_tail = nullptr;
}

/* Release every check with all its children; the list and the current objects are empty after. */
void Free_All_Nachweise(void)
{
    Nchw_Rec *c = Nchw_List_Head;
    while (c) {
        Nchw_Rec *next = c->next;
        Free_Check_Children(c);
        for (int32_t *sel : c->selected) free(sel);
        free(c->comment);
        free(c);
        c = next;
    }
    Nchw_List_Head = Nchw_List_Tail = nullptr;
    Nchw_Current = nullptr;
    Nchw_Current_Xtr_Rule = nullptr;
    Nchw_Current_Lkom = nullptr;
    Nchw_Current_GenRule = nullptr;
}

/* ------------------------------------------------------------------ counting */

/* Number of checks in the list. */
int32_t Count_Nachweise(void)
{
    int32_t n = 0;
    for (Nchw_Rec *c = Nchw_List_Head; c; c = c->next) n++;
    return n;
}

/* Number of checks with bit 0 of their flags set. */
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

/* ------------------------------------------------------------------ refresh */

/*
** True when the check gets automatic Eurocode extremal rules: the Eurocode sections are served,
** its type is an ultimate-limit-state check combined per Eurocode with a linear computation,
** it is none of the fatigue and crack types 81, 82, 43 and 224, and some situation is chosen.
*/
int Nchw_Uses_Auto_Xtr_Rules(const Nchw_Rec *check)
{
    if (!check || !check->type) return 0;
    if (!(Nchw_Norm_Mask & NCHW_NORM_EUROCODE)) return 0;
    const Nchw_Type_Rec *t = check->type;
    const int32_t id = Nchw_Type_Id(t);
    if (t->ints4_10[0] != 1) return 0;              /* integer 4: check kind */
    if (t->ints4_10[4] != 2) return 0;              /* integer 8: combination rule */
    if (!(t->ints4_10[6] & 1)) return 0;            /* integer 10: compute mode */
    if (id == 81 || id == 82 || id == 43 || id == 224) return 0;
    return Auto_Xtr_Situations != 0;
}

/*
** Bring the checks up to date after the actions, load cases or factors changed. Return 1 when
** a standard extremal table changed or a check has generation rules, else 0. Without load cases
** in the flat load-case table there is nothing a table could be built from: return 0 and touch
** nothing (the case of every program that never fills the flat tables). With load cases only
** the change flag of the generation rules is answered so far: rebuilding the standard tables
** and regenerating the collectives belong to the extremal-rule builder and the generator.
*/
int Refresh_Nachweise(void)
{
    if (Nchw_Lf_Table_Count() == 0) return 0;
    int changed = 0;
    for (const Nchw_Rec *c = Nchw_List_Head; c; c = c->next)
        if (c->genrule_count > 0) changed = 1;
    return changed;
}

int Refresh_Nachweise_Hook(void)
{
    return Refresh_Nachweise();
}

/*
** Open the page of the current extremal rule when there is one (through the page opener the
** management sheet installs) and return that rule; null when no rule is current.
*/
Xtr_Rule_Rec *Edit_Current_Xtr_Rule(void)
{
    if (!Nchw_Current_Xtr_Rule) return nullptr;
    if (Xtr_Rule_Page_Hook) Xtr_Rule_Page_Hook(Nchw_Current_Xtr_Rule);
    return Nchw_Current_Xtr_Rule;
}
