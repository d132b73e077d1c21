/*
** Factors of the load-collective generator. The standard mode asks the situation table of the
** extremal rules for one row per action and hands the action's factors on to its load cases.
*/
#include "checks/lkom_factors.h"
#include "checks/lkom_gen_settings.h"
#include "checks/nchw_rec.h"
#include "checks/nchw_tables.h"
#include "checks/xtr_tables.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

Lf_Factor_Table_Rec Lf_Factor_Table = {};
int32_t Lf_Std_Rows_Request = 0;

void Free_Lf_Factor_Tables(void)
{
    for (int k = 0; k < 3; k++) {
        free(Lf_Factor_Table.rows[k]);
        Lf_Factor_Table.rows[k] = nullptr;
        Lf_Factor_Table.count[k] = 0;
    }
}

int Build_Lf_Factor_Tables(void)
{
    Free_Lf_Factor_Tables();
    const int32_t n[3] = {Nchw_Lf_Table.rows ? Nchw_Lf_Table.count : 0,
                          Nchw_Einw_Table.rows ? Nchw_Einw_Table.count : 0,
                          Nchw_Imp_Table.rows ? Nchw_Imp_Table.count : 0};
    for (int k = 0; k < 3; k++) {
        if (n[k] <= 0) continue;
        Lf_Factor_Table.rows[k] = (Lf_Factor_Row *)calloc((size_t)n[k], sizeof(Lf_Factor_Row));
        if (!Lf_Factor_Table.rows[k]) {
            Free_Lf_Factor_Tables();
            return 0;
        }
        Lf_Factor_Table.count[k] = n[k];
        for (int32_t i = 0; i < n[k]; i++) {
            Lf_Factor_Row *r = &Lf_Factor_Table.rows[k][i];
            const char *label;
            if (k == LFF_LOADCASES) {
                r->number = Nchw_Lf_Table.rows[i].number;
                label = Nchw_Lf_Table.rows[i].label;
            } else if (k == LFF_ACTIONS) {
                r->number = Nchw_Einw_Table.rows[i].number;
                label = Nchw_Einw_Table.rows[i].label;
            } else {
                r->number = Nchw_Imp_Table.rows[i].number;
                label = Nchw_Imp_Table.rows[i].label;
            }
            snprintf(r->name, sizeof r->name, "%s", label);
        }
    }
    Lf_Factor_Table.has_accidental = Lf_Factor_Table.has_earthquake = 0;
    for (int32_t i = 0; i < n[1]; i++) {
        if (Nchw_Einw_Table.rows[i].kind == 99) Lf_Factor_Table.has_accidental = 1;
        if (Nchw_Einw_Table.rows[i].kind == 100) Lf_Factor_Table.has_earthquake = 1;
    }
    return 1;
}

static void Zero4(double *a, double *b, double *c, double *d)
{
    if (a) *a = 0.0;
    if (b) *b = 0.0;
    if (c) *c = 0.0;
    if (d) *d = 0.0;
}

void Get_Lf_Factors(int32_t i, double *psi_dom, double *psi_sub, double *gamma_sup,
                    double *gamma_inf)
{
    Zero4(psi_dom, psi_sub, gamma_sup, gamma_inf);
    if (!Nchw_Lf_Table.rows || i < 0 || i >= Nchw_Lf_Table.count) return;
    const Lf_Factor_Row *r = nullptr;
    if (Lkom_Gen_Settings.basis == 2) {
        if (i < Lf_Factor_Table.count[LFF_LOADCASES]) r = &Lf_Factor_Table.rows[LFF_LOADCASES][i];
    } else {
        const Nchw_Einw_Row *a = Nchw_Lf_Table.rows[i].action;
        if (a && Nchw_Einw_Table.rows) {
            const int32_t ai = (int32_t)(a - Nchw_Einw_Table.rows);
            if (ai >= 0 && ai < Lf_Factor_Table.count[LFF_ACTIONS])
                r = &Lf_Factor_Table.rows[LFF_ACTIONS][ai];
        }
    }
    if (!r || !r->on) return;
    if (psi_dom) *psi_dom = r->psi_dom;
    if (psi_sub) *psi_sub = r->psi_sub;
    if (gamma_sup) *gamma_sup = r->gamma_sup;
    if (gamma_inf) *gamma_inf = r->gamma_inf;
}

int Get_Imp_Factor(int32_t i, double *factor)
{
    if (factor) *factor = 0.0;
    if (i < 0 || i >= Lf_Factor_Table.count[LFF_IMPERFECTIONS]) return 0;
    const Lf_Factor_Row *r = &Lf_Factor_Table.rows[LFF_IMPERFECTIONS][i];
    if (factor) *factor = r->gamma_sup;
    return r->on;
}

Nchw_Rec *Lkom_Gen_Current_Check(void)
{
    Nchw_Rec *c = Nchw_List_Head;
    for (int32_t i = 0; c && i < Lkom_Gen_Settings.check_index; i++) c = c->next;
    return c ? c : Nchw_List_Head;
}

/*
** Standard factors of the chosen design situation: the situation table of the current check
** gives one row per action that takes part; load cases take their action's factors and every
** imperfection counts with 1.0.
*/
void Compute_Std_Factors(void)
{
    Lf_Factor_Table_Rec &F = Lf_Factor_Table;
    const Lkom_Gen_Settings_Rec &S = Lkom_Gen_Settings;
    Nchw_Rec *check = Lkom_Gen_Current_Check();
    static const int32_t comb_codes[4] = {1, 2, 4, 8};
    const int32_t comb = S.method >= 0 && S.method < 4 ? comb_codes[S.method] : 0;
    const int32_t ls = S.limit_state == 0 ? 1 : 2;
    const int32_t var = S.variant == 0 ? 1 : S.variant == 1 ? 2 : S.variant == 2 ? 4 : 0;
    double s = 1.0;
    if (comb == 8 && check && check->type) s = check->type->value;
    const int32_t T = check && check->type ? Nchw_Type_Int(check->type, 0) : 0;
    const bool special = T == 71 || T == 72 || T == 81 || T == 82 || T == 124;

    const int32_t na = Nchw_Einw_Table.rows ? Nchw_Einw_Table.count : 0;
    for (int32_t i = 0; i < na; i++) {
        Nchw_Einw_Row *a = &Nchw_Einw_Table.rows[i];
        if (i < F.count[LFF_ACTIONS]) F.rows[LFF_ACTIONS][i].on = a->active;
        const int32_t k = a->kind;
        int32_t on;
        if (k < 99) on = 1;
        else if (S.situation == 1) on = (k == 99 && !special) ? 1 : 0;
        else if (S.situation == 2) on = (k == 100 && !special) ? 1 : 0;
        else on = 0;
        a->active = on;
    }

    int32_t nrows = 0;
    Lf_Std_Rows_Request = 1;
    Xtr_Row *rows =
        check ? Build_Situation_Xtr_Table(check, &nrows, comb, 0, ls, var, S.variant) : nullptr;
    Lf_Std_Rows_Request = 0;
    if (!rows) nrows = 0;

    if (S.method == 0 && S.limit_state == 0 && S.situation == 0 && check && check->type
        && Nchw_Type_Int(check->type, 10) == 2) {
        int32_t cnt = 0;
        for (int32_t i = 0; i < na; i++) {
            const Nchw_Einw_Row *a = &Nchw_Einw_Table.rows[i];
            if (!a->active) continue;
            if (a->kind == 4 && cnt < nrows) rows[cnt].gamma_sup = 1.5;
            cnt++;
        }
    }

    for (int32_t i = 0; i < na && i < F.count[LFF_ACTIONS]; i++) {
        Nchw_Einw_Row *a = &Nchw_Einw_Table.rows[i];
        Lf_Factor_Row *r = &F.rows[LFF_ACTIONS][i];
        a->active = r->on;
        r->on = 0;
        r->psi_dom = r->psi_sub = r->gamma_sup = r->gamma_inf = 0.0;
        for (int32_t j = 0; j < nrows; j++) {
            if (rows[j].number != a->number) continue;
            r->on = 1;
            r->psi_dom = rows[j].psi_dom;
            r->psi_sub = rows[j].psi_sub;
            r->gamma_sup = rows[j].gamma_sup * s;
            r->gamma_inf = rows[j].gamma_inf * s;
            break;
        }
    }
    free(rows);

    for (int32_t i = 0; i < F.count[LFF_LOADCASES] && Nchw_Lf_Table.rows && i < Nchw_Lf_Table.count;
         i++) {
        Lf_Factor_Row *r = &F.rows[LFF_LOADCASES][i];
        const Nchw_Einw_Row *a = Nchw_Lf_Table.rows[i].action;
        const Lf_Factor_Row *ar = nullptr;
        if (a && Nchw_Einw_Table.rows) {
            const int32_t ai = (int32_t)(a - Nchw_Einw_Table.rows);
            if (ai >= 0 && ai < F.count[LFF_ACTIONS]) ar = &F.rows[LFF_ACTIONS][ai];
        }
        if (ar) {
            r->on = ar->on;
            r->psi_dom = ar->psi_dom;
            r->psi_sub = ar->psi_sub;
            r->gamma_sup = ar->gamma_sup;
            r->gamma_inf = ar->gamma_inf;
        } else {
            r->on = 0;
            r->psi_dom = r->psi_sub = r->gamma_sup = r->gamma_inf = 0.0;
        }
    }
    Lkom_Gen_Settings.basis = 1;
    for (int32_t i = 0; i < F.count[LFF_IMPERFECTIONS]; i++) {
        Lf_Factor_Row *r = &F.rows[LFF_IMPERFECTIONS][i];
        r->on = 1;
        r->psi_dom = r->psi_sub = r->gamma_sup = r->gamma_inf = 1.0;
    }
}
