/*
** Design-check records: creation of checks, extremal rules, load collectives and generation
** rules, the three sorts by number, the release of single children and of all checks, and the
** module's help topic.
*/
#include "checks/nchw_rec.h"
#include "checks/nchw_settings.h"
#include "checks/nchw_tables.h"
#include "nad/nad_store.h"
#include "platform/zelkwin.h"

#include <cstdio>
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
    /* the annex store counts the active checks of a Eurocode's rules through the hook */
    NAD_Set_Check_Count_Hook(Count_Active_Nachweise_Of_Type);
    c->prev = Nchw_List_Tail;
    if (Nchw_List_Tail) Nchw_List_Tail->next = c;
    else Nchw_List_Head = c;
    Nchw_List_Tail = c;
    return c;
}

/* Show the allocation failure of one record kind. */
static void Nchw_Alloc_Error(const char *line)
{
    Init_Message();
    Set_Message_Title("Speicherallokierungsfehler");
    Fill_Message(line);
    Draw_Message();
}

/*
** Allocate an extremal rule and append it at the tail of the check's rules (at the head with
** first set); owner set, number and automatic kind 0. The check's count is the caller's.
*/
static Xtr_Rule_Rec *New_Xtr_Rule_At(Nchw_Rec *check, int first)
{
    if (!check) return nullptr;
    Xtr_Rule_Rec *x = (Xtr_Rule_Rec *)calloc(1, sizeof(Xtr_Rule_Rec));
    if (!x) {
        Nchw_Alloc_Error("Extremierung kann nicht erzeugt werden!");
        return nullptr;
    }
    x->owner = check;
    if (first) {
        x->next = check->xtr_head;
        if (check->xtr_head) check->xtr_head->prev = x;
        else check->xtr_tail = x;
        check->xtr_head = x;
    } else {
        x->prev = check->xtr_tail;
        if (check->xtr_tail) check->xtr_tail->next = x;
        else check->xtr_head = x;
        check->xtr_tail = x;
    }
    return x;
}

Xtr_Rule_Rec *New_Xtr_Rule(Nchw_Rec *check) { return New_Xtr_Rule_At(check, 0); }
Xtr_Rule_Rec *New_Xtr_Rule_First(Nchw_Rec *check) { return New_Xtr_Rule_At(check, 1); }

/*
** Allocate a load collective at the tail of the check's collectives, number 0. Owner, fields
** and the count are left to the caller (the owner is preset to the check so that a release
** before the caller's assignment still unlinks it).
*/
Lkom_Rec *New_Lkom(Nchw_Rec *check)
{
    if (!check) return nullptr;
    Lkom_Rec *l = (Lkom_Rec *)calloc(1, sizeof(Lkom_Rec));
    if (!l) {
        Nchw_Alloc_Error("Lastkollektiv kann nicht erzeugt werden!");
        return nullptr;
    }
    l->owner = check;
    l->prev = check->lkom_tail;
    if (check->lkom_tail) check->lkom_tail->next = l;
    else check->lkom_head = l;
    check->lkom_tail = l;
    return l;
}

/* Allocate a generation rule at the tail of the check's rules: factor mode and mode value 1. */
GenRule_Rec *New_GenRule(Nchw_Rec *check)
{
    if (!check) return nullptr;
    GenRule_Rec *g = (GenRule_Rec *)calloc(1, sizeof(GenRule_Rec));
    if (!g) {
        Nchw_Alloc_Error("Lastkollektiv-Generierungsvorschrift kann nicht erzeugt werden!");
        return nullptr;
    }
    g->factor_mode = 1;
    g->mode_value = 1;
    g->owner = check;
    g->prev = check->genrule_tail;
    if (check->genrule_tail) check->genrule_tail->next = g;
    else check->genrule_head = g;
    check->genrule_tail = g;
    return g;
}

/* ------------------------------------------------------------------ sorting */

/*
** Exchange-sort of one doubly linked list by number: at the first element with a smaller one
** behind it, swap it with the first such later element and start again. Equal numbers do not
** keep their order. T needs number, prev and next.
*/
template <typename T>
static void Sort_List(T **head, T **tail)
{
    for (;;) {
        T *e = *head, *l = nullptr;
        for (; e; e = e->next) {
            for (l = e->next; l && l->number >= e->number; l = l->next) {}
            if (l) break;
        }
        if (!e) return;
        /* swap the positions of e and l (e before l) */
        T *ep = e->prev, *en = e->next, *lp = l->prev, *ln = l->next;
        if (en == l) {
            l->prev = ep;
            l->next = e;
            e->prev = l;
            e->next = ln;
        } else {
            l->prev = ep;
            l->next = en;
            en->prev = l;
            e->prev = lp;
            e->next = ln;
            lp->next = e;
        }
        if (ep) ep->next = l;
        else *head = l;
        if (ln) ln->prev = e;
        else *tail = e;
    }
}

/* Order the global list of checks ascending by number. */
void Sort_Nachweise(void) { Sort_List(&Nchw_List_Head, &Nchw_List_Tail); }

/* Order the check's extremal rules ascending by number. */
void Sort_Xtr_Rules(Nchw_Rec *check)
{
    if (check) Sort_List(&check->xtr_head, &check->xtr_tail);
}

/* Order the check's load collectives ascending by number. */
void Sort_Lkoms(Nchw_Rec *check)
{
    if (check) Sort_List(&check->lkom_head, &check->lkom_tail);
}

/* ------------------------------------------------------------------ release */

/* Unlink x from the owner's list given by head and tail. */
template <typename T>
static void Unlink(T *x, T **head, T **tail)
{
    if (x->prev) x->prev->next = x->next;
    else if (*head == x) *head = x->next;
    if (x->next) x->next->prev = x->prev;
    else if (*tail == x) *tail = x->prev;
    x->prev = x->next = nullptr;
}

/*
** Release one extremal rule: its rows, then unlink it from its owner (count down) and free it.
** A rule without owner is reported on the standard output and freed as it is.
*/
void Free_Xtr_Rule(Xtr_Rule_Rec *x)
{
    if (!x) return;
    free(x->rows);
    x->rows = nullptr;
    if (!x->owner) {
        fputs("Free_Extr: keine Nachweiszuordnung\n", stdout);
    } else {
        Unlink(x, &x->owner->xtr_head, &x->owner->xtr_tail);
        x->owner->xtr_count--;
    }
    if (Nchw_Current_Xtr_Rule == x) Nchw_Current_Xtr_Rule = nullptr;
    free(x);
}

/*
** Release one load collective: its rows, then unlink it from its owner (count down) and free
** it; one without owner is freed without unlinking.
*/
void Free_Lkom(Lkom_Rec *l)
{
    if (!l) return;
    free(l->rows);
    l->rows = nullptr;
    if (l->owner) {
        Unlink(l, &l->owner->lkom_head, &l->owner->lkom_tail);
        l->owner->lkom_count--;
    }
    if (Nchw_Current_Lkom == l) Nchw_Current_Lkom = nullptr;
    free(l);
}

/* Release one generation rule with its entries and factor arrays; unlink as above. */
void Free_GenRule(GenRule_Rec *g)
{
    if (!g) return;
    free(g->entries);
    for (GenRule_Factor_Row *&p : g->factor_arrays) {
        free(p);
        p = nullptr;
    }
    if (g->owner) {
        Unlink(g, &g->owner->genrule_head, &g->owner->genrule_tail);
        g->owner->genrule_count--;
    }
    if (Nchw_Current_GenRule == g) Nchw_Current_GenRule = nullptr;
    free(g);
}

/*
** Release the children of a check. A child whose owner field is null (or another check) is
** still reached through this check's list: it is freed there and dropped from the list, so
** that the walk always ends.
*/
static void Free_Check_Children(Nchw_Rec *c)
{
    while (c->xtr_head) {
        Xtr_Rule_Rec *x = c->xtr_head;
        if (x->owner != c) {
            c->xtr_head = x->next;
            if (c->xtr_head) c->xtr_head->prev = nullptr;
            x->owner = nullptr;
        }
        Free_Xtr_Rule(x);
    }
    c->xtr_tail = nullptr;
    while (c->lkom_head) {
        Lkom_Rec *l = c->lkom_head;
        if (l->owner != c) {
            c->lkom_head = l->next;
            if (c->lkom_head) c->lkom_head->prev = nullptr;
            l->owner = nullptr;
        }
        Free_Lkom(l);
    }
    c->lkom_tail = nullptr;
    while (c->genrule_head) {
        GenRule_Rec *g = c->genrule_head;
        if (g->owner != c) {
            c->genrule_head = g->next;
            if (c->genrule_head) c->genrule_head->prev = nullptr;
            g->owner = nullptr;
        }
        Free_GenRule(g);
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

/* ------------------------------------------------------------------ module settings */

char Nchw_Help_Key[50] = "XNCHW_GLOBAL";
int32_t Nchw_Module_Value = 0;

/* Copy at most 49 characters of the text into the help topic; null changes nothing. */
void Set_Nchw_Help_Key(const char *text)
{
    if (!text) return;
    snprintf(Nchw_Help_Key, sizeof Nchw_Help_Key, "%s", text);
}

void Set_Nchw_Module_Value(int32_t value) { Nchw_Module_Value = value; }
