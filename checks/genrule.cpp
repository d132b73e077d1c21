/*
** Generation rules stored and applied. A state entry is {type (1 action, 2 load case,
** 3 imperfection), number, state, joint group}; the eight settings of a rule are method, limit
** state, variant and the five generator flags, in that order.
*/
#include "checks/genrule.h"
#include "checks/lkom_factors.h"
#include "checks/lkom_gen.h"
#include "checks/lkom_gen_settings.h"
#include "checks/nchw_settings.h"
#include "checks/nchw_tables.h"
#include "checks/xtr_tables.h"

#include <cstdlib>
#include <cstring>

int32_t Nchw_List_Position(const Nchw_Rec *check)
{
    int32_t i = 0;
    for (const Nchw_Rec *c = Nchw_List_Head; c; c = c->next, i++)
        if (c == check) return i;
    return -1;
}

static int32_t Nlf(void) { return Nchw_Lf_Table.rows ? Nchw_Lf_Table.count : 0; }
static int32_t Nimp(void) { return Nchw_Imp_Table.rows ? Nchw_Imp_Table.count : 0; }
static int32_t Neinw(void) { return Nchw_Einw_Table.rows ? Nchw_Einw_Table.count : 0; }

/* ------------------------------------------------------------------ applying */

static void Settings_From_Rule(const GenRule_Rec *rule)
{
    Lkom_Gen_Settings_Rec &S = Lkom_Gen_Settings;
    const int32_t *g = rule->gen_settings;
    S.method = g[0];
    S.limit_state = g[1];
    S.variant = g[2];
    S.Gen_Without_Imperfections = g[3];
    S.Gen_Imperfections_Together = g[4];
    S.Gen_Imperfection_Signs = g[5];
    S.Gen_Leading_Unfavourable = g[6];
    S.Gen_Main_Combinations = g[7];
}

static void Settings_To_Rule(GenRule_Rec *rule)
{
    const Lkom_Gen_Settings_Rec &S = Lkom_Gen_Settings;
    int32_t *g = rule->gen_settings;
    g[0] = S.method;
    g[1] = S.limit_state;
    g[2] = S.variant;
    g[3] = S.Gen_Without_Imperfections;
    g[4] = S.Gen_Imperfections_Together;
    g[5] = S.Gen_Imperfection_Signs;
    g[6] = S.Gen_Leading_Unfavourable;
    g[7] = S.Gen_Main_Combinations;
}

static Lkom_Window_Entry *Window_Of_State(int32_t state)
{
    if (state == 2) return Lkom_Window_List[LKOM_WIN_22];
    if (state == 1) return Lkom_Window_List[LKOM_WIN_23];
    return Lkom_Window_List[LKOM_WIN_21];
}

/*
** Make a rule (null: the defaults) the working state: active flags, window states and joint
** groups of the flat tables, the window lists of the dialog and the generator settings.
*/
void Apply_GenRule_To_Tables(const GenRule_Rec *rule)
{
    const int windows = Init_Lkom_Windows();
    for (int32_t i = 0; i < Neinw(); i++) {
        Nchw_Einw_Row &a = Nchw_Einw_Table.rows[i];
        a.active = (a.kind == 2 || a.kind == 4) ? 1 : 0;
    }
    for (int32_t i = 0; i < Nlf(); i++) {
        Nchw_Lf_Table.rows[i].gen[LF_GEN_WINDOW] = 3;
        Nchw_Lf_Table.rows[i].gen[LF_GEN_JOINT] = 0;
    }
    for (int32_t i = 0; i < Nimp(); i++) {
        Nchw_Imp_Table.rows[i].gen[IMP_GEN_WINDOW] = 3;
        Nchw_Imp_Table.rows[i].gen[IMP_GEN_JOINT] = 0;
    }
    if (!rule) return;
    for (int32_t e = 0; rule->entries && e < rule->entry_count; e++) {
        const int32_t *en = &rule->entries[4 * e];
        const int32_t joint = en[3] >= 0 && en[3] <= 9 ? en[3] : 0;
        if (en[0] == 2) {
            Nchw_Lf_Row *l = Nchw_Lf_Table_Find(en[1]);
            if (l) {
                l->gen[LF_GEN_WINDOW] = en[2];
                l->gen[LF_GEN_JOINT] = joint;
            }
        } else if (en[0] == 3) {
            Nchw_Imp_Row *m = Nchw_Imp_Table_Find(en[1]);
            if (m) {
                m->gen[IMP_GEN_WINDOW] = en[2];
                m->gen[IMP_GEN_JOINT] = joint;
            }
        } else if (en[0] == 1) {
            Nchw_Einw_Row *a = Nchw_Einw_Table_Find(en[1]);
            if (a) a->active = en[2];
        }
    }
    if (windows) {
        Lkom_Window_List[LKOM_WIN_21][0].kind = 0;
        Lkom_Window_List[LKOM_WIN_31][0].kind = 0;
        for (int32_t i = 0; i < Nlf(); i++) {
            Nchw_Lf_Row *l = &Nchw_Lf_Table.rows[i];
            const int32_t j = l->gen[LF_GEN_JOINT];
            if (j == 0) {
                Lkom_Window_Append(Lkom_Window_List[LKOM_WIN_31], 2, l);
            } else {
                Lkom_Window_Append(Lkom_Joint_List[j - 1], 2, l);
                Joint_Groups[j - 1].window_state = l->gen[LF_GEN_WINDOW];
            }
        }
        for (int32_t i = 0; i < Nimp(); i++) {
            Nchw_Imp_Row *m = &Nchw_Imp_Table.rows[i];
            const int32_t j = m->gen[IMP_GEN_JOINT];
            if (j == 0) {
                Lkom_Window_Append(Lkom_Window_List[LKOM_WIN_31], 3, m);
            } else {
                Lkom_Window_Append(Lkom_Joint_List[j - 1], 3, m);
                Joint_Groups[j - 1].window_state = m->gen[IMP_GEN_WINDOW];
            }
        }
        for (int j = 0; j < 9; j++)
            if (Lkom_Window_Count(Lkom_Joint_List[j]) > 0)
                Lkom_Window_Append(Window_Of_State(Joint_Groups[j].window_state), 1,
                                   &Joint_Groups[j]);
        const Lkom_Window_Entry *ind = Lkom_Window_List[LKOM_WIN_31];
        const int32_t n = Lkom_Window_Count(ind);
        for (int32_t i = 0; i < n; i++) {
            const int32_t st = ind[i].kind == 2 ? ((Nchw_Lf_Row *)ind[i].row)->gen[LF_GEN_WINDOW]
                                                : ((Nchw_Imp_Row *)ind[i].row)->gen[IMP_GEN_WINDOW];
            Lkom_Window_Append(Window_Of_State(st), ind[i].kind, ind[i].row);
        }
    }
    const int32_t pos = Nchw_List_Position(rule->owner);
    Lkom_Gen_Settings.check_index = pos >= 0 ? pos : 0;
    Settings_From_Rule(rule);
}

/* ------------------------------------------------------------------ storing */

/* Joint group of a row: 1 + the first joint-group list that holds it, else the row's own. */
static int32_t Joint_Of(const void *row, int32_t own)
{
    if (!Lkom_Joint_List[0]) return own;
    for (int j = 0; j < 9; j++) {
        const Lkom_Window_Entry *l = Lkom_Joint_List[j];
        const int32_t n = Lkom_Window_Count(l);
        for (int32_t i = 0; i < n; i++)
            if (l[i].row == row) return j + 1;
    }
    return 0;
}

GenRule_Rec *Store_GenRule(Nchw_Rec *check, GenRule_Rec *rule)
{
    if (!check) return nullptr;
    const int32_t n = Neinw() + Nlf() + Nimp();
    int32_t *entries = (int32_t *)calloc((size_t)(n > 0 ? n : 1) * 4, sizeof(int32_t));
    if (!entries) return nullptr;
    const bool created = rule == nullptr;
    if (created) {
        int32_t highest = 0;
        for (const GenRule_Rec *g = check->genrule_head; g; g = g->next)
            if (g->number > highest) highest = g->number;
        rule = New_GenRule(check);
        if (!rule) {
            free(entries);
            return nullptr;
        }
        rule->number = highest + 1;
        char name[64];
        snprintf(name, sizeof name, "Generierungsvorschrift %d", rule->number);
        snprintf(rule->name, sizeof rule->name, "%-30.30s", name);
    } else {
        free(rule->entries);
        rule->entries = nullptr;
        rule->entry_count = 0;
    }
    rule->generated_count = N_GENERATED_LKOMS_EXIST > Lkom_Limits[2] ? -N_GENERATED_LKOMS_EXIST
                                                                     : N_GENERATED_LKOMS_EXIST;
    Settings_To_Rule(rule);
    rule->owner = check;
    int32_t e = 0;
    for (int32_t i = 0; i < Neinw(); i++, e++) {
        int32_t *en = &entries[4 * e];
        en[0] = 1;
        en[1] = Nchw_Einw_Table.rows[i].number;
        en[2] = Nchw_Einw_Table.rows[i].active;
        en[3] = 0;
    }
    for (int32_t i = 0; i < Nlf(); i++, e++) {
        const Nchw_Lf_Row *l = &Nchw_Lf_Table.rows[i];
        int32_t *en = &entries[4 * e];
        en[0] = 2;
        en[1] = l->number;
        en[2] = l->gen[LF_GEN_WINDOW];
        en[3] = Joint_Of(l, l->gen[LF_GEN_JOINT]);
    }
    for (int32_t i = 0; i < Nimp(); i++, e++) {
        const Nchw_Imp_Row *m = &Nchw_Imp_Table.rows[i];
        int32_t *en = &entries[4 * e];
        en[0] = 3;
        en[1] = m->number;
        en[2] = m->gen[IMP_GEN_WINDOW];
        en[3] = Joint_Of(m, m->gen[IMP_GEN_JOINT]);
    }
    rule->entries = entries;
    rule->entry_count = n;
    Save_GenRule_Factors(rule);
    if (created) check->genrule_count++;
    return rule;
}

GenRule_Rec *New_Standard_GenRule(Nchw_Rec *check)
{
    if (!check) return nullptr;
    const int32_t n = Neinw() + Nlf() + Nimp();
    int32_t *entries = (int32_t *)calloc((size_t)(n > 0 ? n : 1) * 4, sizeof(int32_t));
    if (!entries) return nullptr;
    GenRule_Rec *rule = New_GenRule(check);
    if (!rule) {
        free(entries);
        return nullptr;
    }
    rule->number = 1;
    snprintf(rule->name, sizeof rule->name, "Standardgenerierungsvorschrift");
    rule->generated_count = 0;
    const Nchw_Type_Rec *t = check->type;
    const int32_t i9 = Nchw_Type_Int(t, 9), i5 = Nchw_Type_Int(t, 5), i7 = Nchw_Type_Int(t, 7);
    int32_t *g = rule->gen_settings;
    g[0] = i9 == 1 ? 0 : i9 == 2 ? 1 : i9 == 4 ? 2 : i9 == 8 ? 3 : 0;
    g[1] = i5 == 2 ? 1 : 0;
    g[2] = i7 == 1 ? 0 : i7 == 2 ? 1 : i7 == 4 ? 2 : 0;
    if (g[0] == 0 && g[1] == 0) g[2] = Nchw_Global_Settings.din1055_gamma_g - 1;
    for (int k = 0; k < 5; k++) g[3 + k] = Lkom_Gen_Flag_Defaults[k];
    rule->owner = check;
    int32_t e = 0;
    for (int32_t i = 0; i < Neinw(); i++, e++) {
        int32_t *en = &entries[4 * e];
        en[0] = 1;
        en[1] = Nchw_Einw_Table.rows[i].number;
        en[2] = Nchw_Einw_Table.rows[i].active;
    }
    for (int32_t i = 0; i < Nlf(); i++, e++) {
        int32_t *en = &entries[4 * e];
        en[0] = 2;
        en[1] = Nchw_Lf_Table.rows[i].number;
        en[2] = 3;
    }
    for (int32_t i = 0; i < Nimp(); i++, e++) {
        int32_t *en = &entries[4 * e];
        en[0] = 3;
        en[1] = Nchw_Imp_Table.rows[i].number;
        en[2] = 3;
    }
    rule->entries = entries;
    rule->entry_count = n;
    rule->factor_mode = 1;
    rule->mode_value = 0;
    return rule;
}

/* ------------------------------------------------------------------ factors */

static void Free_Factor_Arrays(GenRule_Rec *rule)
{
    for (int k = 0; k < 3; k++) {
        free(rule->factor_arrays[k]);
        rule->factor_arrays[k] = nullptr;
        rule->factor_counts[k] = 0;
    }
}

void Save_GenRule_Factors(GenRule_Rec *rule)
{
    if (!rule) return;
    Free_Factor_Arrays(rule);
    rule->factor_mode = Lkom_Gen_Settings.factor_mode;
    if (rule->factor_mode == 1) {
        rule->mode_value = Lkom_Gen_Settings.situation;
        return;
    }
    rule->mode_value = Lkom_Gen_Settings.basis;
    /* rule arrays: load cases, actions, imperfections; the factor tables use the same order */
    for (int k = 0; k < 3; k++) {
        const int32_t n = Lf_Factor_Table.count[k];
        if (n <= 0) continue;
        GenRule_Factor_Row *rows =
            (GenRule_Factor_Row *)calloc((size_t)n, sizeof(GenRule_Factor_Row));
        if (!rows) continue;
        for (int32_t i = 0; i < n; i++) {
            const Lf_Factor_Row &f = Lf_Factor_Table.rows[k][i];
            rows[i].number = f.number;
            rows[i].on = f.on;
            rows[i].psi_dom = f.psi_dom;
            rows[i].psi_sub = f.psi_sub;
            rows[i].gamma_sup = f.gamma_sup;
            rows[i].gamma_inf = f.gamma_inf;
        }
        rule->factor_arrays[k] = rows;
        rule->factor_counts[k] = n;
    }
}

void Load_GenRule_Factors(const GenRule_Rec *rule)
{
    if (!rule) return;
    Lkom_Gen_Settings_Rec &S = Lkom_Gen_Settings;
    S.factor_mode = rule->factor_mode;
    if (rule->factor_mode == 1) {
        S.situation = rule->mode_value;
        S.basis = 1;
        if ((S.situation == 1 && !Lf_Factor_Table.has_accidental)
            || (S.situation == 2 && !Lf_Factor_Table.has_earthquake))
            S.situation = 0;
        Compute_Std_Factors();
        return;
    }
    S.basis = rule->mode_value;
    S.situation = 0;
    for (int k = 0; k < 3; k++) {
        for (int32_t i = 0; i < Lf_Factor_Table.count[k]; i++) {
            Lf_Factor_Row &f = Lf_Factor_Table.rows[k][i];
            f.on = 0;
            f.psi_dom = f.psi_sub = f.gamma_sup = f.gamma_inf = 0.0;
            for (int32_t j = 0; rule->factor_arrays[k] && j < rule->factor_counts[k]; j++) {
                const GenRule_Factor_Row &r = rule->factor_arrays[k][j];
                if (r.number != f.number) continue;
                f.on = r.on;
                f.psi_dom = r.psi_dom;
                f.psi_sub = r.psi_sub;
                f.gamma_sup = r.gamma_sup;
                f.gamma_inf = r.gamma_inf;
                break;
            }
        }
    }
}

/* ------------------------------------------------------------------ text block */

int Write_GenRule_Factors(FILE *f, const GenRule_Rec *rule)
{
    if (!f || !rule) return 1;
    const int32_t *n = rule->factor_counts;
    bool bad = fprintf(f, "%d %d %d %d %d\n", n[GENRULE_LOADCASES], n[GENRULE_ACTIONS],
                       rule->factor_mode, rule->mode_value, n[GENRULE_IMPERFECTIONS])
               < 0;
    static const int order[3] = {GENRULE_ACTIONS, GENRULE_LOADCASES, GENRULE_IMPERFECTIONS};
    for (int k : order) {
        for (int32_t i = 0; rule->factor_arrays[k] && i < n[k]; i++) {
            const GenRule_Factor_Row &r = rule->factor_arrays[k][i];
            if (fprintf(f, " %d %d %f %f %f %f\n", r.number, r.on, r.psi_dom, r.psi_sub,
                        r.gamma_sup, r.gamma_inf)
                < 0)
                bad = true;
        }
    }
    return bad ? 1 : 0;
}

/* Counts beyond this are taken as a damaged file (more rows than any table can hold). */
#define GENRULE_MAX_ROWS 1000000

int Read_GenRule_Factors(FILE *f, GenRule_Rec *rule)
{
    if (!f || !rule) return 0;
    Free_Factor_Arrays(rule);
    rule->factor_mode = 1;
    rule->mode_value = 1;
    int nl, na, mode, param, ni;
    if (fscanf(f, "%d%d%d%d%d", &nl, &na, &mode, &param, &ni) != 5) return 0;
    if (nl < 0 || na < 0 || ni < 0 || nl > GENRULE_MAX_ROWS || na > GENRULE_MAX_ROWS
        || ni > GENRULE_MAX_ROWS)
        return 0;
    rule->factor_mode = mode;
    rule->mode_value = param;
    const int counts[3] = {nl, na, ni};
    static const int order[3] = {GENRULE_ACTIONS, GENRULE_LOADCASES, GENRULE_IMPERFECTIONS};
    for (int k : order) {
        if (counts[k] == 0) continue;
        GenRule_Factor_Row *rows =
            (GenRule_Factor_Row *)calloc((size_t)counts[k], sizeof(GenRule_Factor_Row));
        if (!rows) return 0;
        rule->factor_arrays[k] = rows;
        for (int i = 0; i < counts[k]; i++) {
            GenRule_Factor_Row &r = rows[i];
            if (fscanf(f, "%d%d%lf%lf%lf%lf", &r.number, &r.on, &r.psi_dom, &r.psi_sub,
                       &r.gamma_sup, &r.gamma_inf)
                != 6) {
                rule->factor_counts[k] = i;
                return 0;
            }
        }
        rule->factor_counts[k] = counts[k];
    }
    return 1;
}
