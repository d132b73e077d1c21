/*
** Refresh of the design checks after the load model, the general settings or the factors
** changed: standard extremal tables rebuilt, automatic Eurocode rules created anew, the
** collectives of generation rules generated again, selected objects matched.
*/
#include "checks/dlg_objsel.h"
#include "checks/dlg_sheet.h"
#include "checks/genrule.h"
#include "checks/lkom_factors.h"
#include "checks/lkom_gen.h"
#include "checks/nchw_rec.h"
#include "checks/nchw_settings.h"
#include "checks/nchw_tables.h"
#include "checks/xtr_tables.h"

#include <cstdio>
#include <cstdlib>

int32_t Nchw_Tables_Changed = 0;
void (*Nchw_Tree_Remove_Hook)(void) = nullptr;
void (*Nchw_Tree_Rebuild_Hook)(void) = nullptr;

int32_t Nchw_Objects_Of_Type(int32_t type)
{
    if (type < 0 || type >= NCHW_OBJECT_TYPES || !Nchw_Object_Tables[type].entries) return 0;
    return Nchw_Object_Tables[type].count;
}

int32_t Nchw_Object_Number(int32_t type, int32_t i)
{
    if (i < 0 || i >= Nchw_Objects_Of_Type(type)) return 0;
    return Nchw_Object_Tables[type].entries[i].number;
}

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
    if (t->ints4_10[0] != 1) return 0;   /* integer 4: check kind */
    if (t->ints4_10[4] != 2) return 0;   /* integer 8: combination rule */
    if (!(t->ints4_10[6] & 1)) return 0; /* integer 10: compute mode */
    if (id == 81 || id == 82 || id == 43 || id == 224) return 0;
    return Auto_Xtr_Situations != 0;
}

/* ------------------------------------------------------------------ automatic rules */

static int32_t Neinw(void) { return Nchw_Einw_Table.rows ? Nchw_Einw_Table.count : 0; }

/* Mark the actions of kinds 1..5 and, when extra is not 0, of that kind active. */
static void Mark_Actions(int32_t extra)
{
    for (int32_t i = 0; i < Neinw(); i++) {
        const int32_t k = Nchw_Einw_Table.rows[i].kind;
        Nchw_Einw_Table.rows[i].active = ((k >= 1 && k <= 5) || (extra && k == extra)) ? 1 : 0;
    }
}

static bool Has_Kind(int32_t kind)
{
    for (int32_t i = 0; i < Neinw(); i++)
        if (Nchw_Einw_Table.rows[i].kind == kind) return true;
    return false;
}

/* The snow action: the last action of kind 2 with psi index 6; null when none. */
static const Nchw_Einw_Row *Snow_Action(void)
{
    const Nchw_Einw_Row *s = nullptr;
    for (int32_t i = 0; i < Neinw(); i++)
        if (Nchw_Einw_Table.rows[i].kind == 2 && Nchw_Einw_Table.rows[i].psi_index == 6)
            s = &Nchw_Einw_Table.rows[i];
    return s;
}

/* Insert an automatic rule at the head of the check's rules; null without memory. */
static Xtr_Rule_Rec *New_Auto_Rule(Nchw_Rec *check, const char *name, int32_t situation)
{
    Xtr_Rule_Rec *x = New_Xtr_Rule_First(check);
    if (!x) return nullptr;
    snprintf(x->name, sizeof x->name, "%-30.30s", name);
    x->mode = 1;
    x->auto_kind = situation;
    x->comb_rule[0] = x->comb_rule[1] = 2;
    x->basis[0] = x->basis[1] = 0;
    x->check_kind[0] = x->check_kind[1] = 1;
    x->combination[0] = x->combination[1] = 0;
    x->gamma_g_variant[0] = x->gamma_g_variant[1] = 0;
    int32_t count = 0;
    x->rows = Build_Situation_Xtr_Table(check, &count, 2, 0, 1, 0, 0);
    x->row_count = x->rows ? count : 0;
    check->xtr_count++;
    return x;
}

void Build_Auto_Xtr_Rules(Nchw_Rec *check)
{
    if (!check) return;
    /* The page of the current rule closes: what was typed into its table is taken first, then
    ** its controls go inactive and no rule is current (it may be one of those deleted below). */
    if (Nchw_Current_Xtr_Rule) {
        Take_Xtr_Page_Table();
        Hide_Xtr_Properties();
    }
    for (Xtr_Rule_Rec *x = check->xtr_head; x;) {
        Xtr_Rule_Rec *next = x->next;
        if (x->mode == 1) {
            x->owner = check;
            Free_Xtr_Rule(x);
        }
        x = next;
    }
    Nchw_Tables_Changed = 1;
    const int32_t S = Auto_Xtr_Situations;
    if (S & 8) {
        Mark_Actions(100);
        if (Has_Kind(100)) New_Auto_Rule(check, "automatisch (Erdbeben)", 8);
    }
    if (S & 4) {
        Mark_Actions(0);
        const Nchw_Einw_Row *snow = Snow_Action();
        if (snow) {
            Xtr_North_German_Plain = 1;
            Xtr_Rule_Rec *x = New_Auto_Rule(check, "automatisch (NdT)", 4);
            Xtr_North_German_Plain = 0;
            for (int32_t r = 0; x && x->rows && r < x->row_count; r++) {
                if (x->rows[r].number != snow->number) continue;
                x->rows[r].psi_dom = 1.0;
                x->rows[r].psi_sub = 1.0;
                x->rows[r].gamma_sup = 2.3;
                x->rows[r].gamma_inf = 0.0;
            }
        }
    }
    if (S & 2) {
        Mark_Actions(99);
        if (Has_Kind(99)) New_Auto_Rule(check, "automatisch (ag Bs)", 2);
    }
    if (S & 1) {
        Mark_Actions(0);
        New_Auto_Rule(check, "automatisch (suv Bs)", 1);
    }
    int32_t n = 1;
    for (Xtr_Rule_Rec *x = check->xtr_head; x; x = x->next) x->number = n++;
    Nchw_Tables_Changed = 1;
}

/* ------------------------------------------------------------------ refresh */

/* Rebuild the standard tables of the check; true when one of them changed. */
static bool Refresh_Standard_Tables(Nchw_Rec *check, bool compare)
{
    bool changed = false;
    for (Xtr_Rule_Rec *x = check->xtr_head; x; x = x->next) {
        if (x->mode != 1) continue;
        int32_t count = 0, rule = 0;
        Xtr_Row *rows = Build_Standard_Xtr_Table(check, &count, &rule, nullptr, nullptr, nullptr);
        if (!rows) count = 0;
        if (compare && !changed && Cmp_Xtr_Tables(x->rows, x->row_count, rows, count))
            changed = true;
        free(x->rows);
        x->rows = rows;
        x->row_count = count;
        x->comb_rule[0] = x->comb_rule[1] = rule;
    }
    return changed;
}

/* Generate the collectives of every generation rule of the check again. */
static void Refresh_GenRules(Nchw_Rec *check)
{
    for (GenRule_Rec *g = check->genrule_head; g; g = g->next) {
        Apply_GenRule_To_Tables(g);
        Build_Lf_Factor_Tables();
        Load_GenRule_Factors(g);
        Generate_Lkoms_Keep_Flags();
        Store_GenRule(check, g);
        Init_Or_Clear_Auto_Lkoms();
    }
}

/*
** Bring the checks up to date. Return 1 when a standard extremal table changed or a check has
** generation rules, else 0. Without load cases in the flat load-case table there is nothing a
** table could be built from: return 0 and touch nothing.
*/
int Refresh_Nachweise(void)
{
    if (Nchw_Lf_Table_Count() == 0) return 0;
    if (Nchw_Tree_Remove_Hook) Nchw_Tree_Remove_Hook();
    if (!Nchw_List_Head) {
        if (Nchw_Tree_Rebuild_Hook) Nchw_Tree_Rebuild_Hook();
        return 0;
    }
    bool changed = false;
    for (Nchw_Rec *c = Nchw_List_Head; c; c = c->next) {
        if (Nchw_Uses_Auto_Xtr_Rules(c)) Build_Auto_Xtr_Rules(c);
        else if (Refresh_Standard_Tables(c, !changed)) changed = true;
        if (c->genrule_head) {
            Refresh_GenRules(c);
            changed = true;
        }
        if (c->type)
            for (int s = 0; s < c->type->selector_count && s < 3; s++)
                if (c->selector_modes[s] == 2)
                    c->selected[s] =
                        Set_Nchw_Object_Selection(c->selected[s], c->type->selector_types[s]);
    }
    if (Nchw_Tree_Rebuild_Hook) Nchw_Tree_Rebuild_Hook();
    return changed ? 1 : 0;
}

int Refresh_Nachweise_Hook(void) { return Refresh_Nachweise(); }

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
