/*
** Settings, limits and window lists of the load-collective generator. The window lists are
** arrays of (kind, row) pairs ended by kind 0, each with room for every load case and
** imperfection of the flat tables.
*/
#include "checks/lkom_gen_settings.h"
#include "checks/nchw_tables.h"

#include <cstdio>
#include <cstdlib>

const Lkom_Gen_Settings_Rec Lkom_Gen_Settings_Initial = {
    0, 0, 0,       /* method, limit state, variant */
    0, 0, 0, 1, 1, /* flags */
    0,             /* check index */
    1, 1, 0,       /* factor mode, basis, situation */
    0, 0,          /* progress position */
};
Lkom_Gen_Settings_Rec Lkom_Gen_Settings = Lkom_Gen_Settings_Initial;

int32_t Lkom_Gen_Flag_Defaults[5] = {0, 0, 0, 1, 1};
int32_t Lkom_Limits[4] = {100, 2000, 3000, 3000};

Joint_Group_Rec Joint_Groups[9];
Lkom_Window_Entry *Lkom_Window_List[4];
Lkom_Window_Entry *Lkom_Joint_List[9];
int32_t Lkom_Window_Capacity = 0;

void Reset_Lkom_Gen_Settings(void)
{
    Lkom_Gen_Settings = Lkom_Gen_Settings_Initial;
    static const int32_t flags[5] = {0, 0, 0, 1, 1};
    for (int i = 0; i < 5; i++) Lkom_Gen_Flag_Defaults[i] = flags[i];
    Lkom_Limits[0] = 100;
    Lkom_Limits[1] = 2000;
    Lkom_Limits[2] = 3000;
    Lkom_Limits[3] = 3000;
}

/* ------------------------------------------------------------------ flags and limits */

void Set_LkomGen_Flags(int32_t without_imp, int32_t together, int32_t signs, int32_t leading,
                       int32_t main_comb)
{
    Lkom_Gen_Flag_Defaults[0] = without_imp;
    Lkom_Gen_Flag_Defaults[1] = together;
    Lkom_Gen_Flag_Defaults[2] = signs;
    Lkom_Gen_Flag_Defaults[3] = leading;
    Lkom_Gen_Flag_Defaults[4] = main_comb;
}

void Get_LkomGen_Flags(int32_t *without_imp, int32_t *together, int32_t *signs, int32_t *leading,
                       int32_t *main_comb)
{
    if (without_imp) *without_imp = Lkom_Gen_Flag_Defaults[0];
    if (together) *together = Lkom_Gen_Flag_Defaults[1];
    if (signs) *signs = Lkom_Gen_Flag_Defaults[2];
    if (leading) *leading = Lkom_Gen_Flag_Defaults[3];
    if (main_comb) *main_comb = Lkom_Gen_Flag_Defaults[4];
}

/*
** Set the limits so that L0 <= L1 <= L2 and L3 >= L0 when L3 > 0: the maximum is taken as it
** is, the middle limit and the take-over limit are cut to the one above them.
*/
void Set_Lkom_Limits(int32_t rule_limit, int32_t maximum, int32_t middle, int32_t take_over)
{
    Lkom_Limits[2] = maximum;
    Lkom_Limits[1] = middle < Lkom_Limits[2] ? middle : Lkom_Limits[2];
    Lkom_Limits[0] = take_over < Lkom_Limits[1] ? take_over : Lkom_Limits[1];
    if (rule_limit <= 0) Lkom_Limits[3] = rule_limit;
    else Lkom_Limits[3] = rule_limit > Lkom_Limits[0] ? rule_limit : Lkom_Limits[0];
}

void Get_Lkom_Limits(int32_t *rule_limit, int32_t *maximum, int32_t *middle, int32_t *take_over)
{
    if (rule_limit) *rule_limit = Lkom_Limits[3];
    if (maximum) *maximum = Lkom_Limits[2];
    if (middle) *middle = Lkom_Limits[1];
    if (take_over) *take_over = Lkom_Limits[0];
}

/* ------------------------------------------------------------------ window lists */

int32_t Lkom_Window_Count(const Lkom_Window_Entry *list)
{
    int32_t n = 0;
    if (list)
        while (n < Lkom_Window_Capacity && list[n].kind != 0) n++;
    return n;
}

int Lkom_Window_Append(Lkom_Window_Entry *list, int32_t kind, void *row)
{
    if (!list) return 0;
    int32_t n = Lkom_Window_Count(list);
    if (n >= Lkom_Window_Capacity) return 0;
    list[n].kind = kind;
    list[n].row = row;
    list[n + 1].kind = 0;
    list[n + 1].row = nullptr;
    return 1;
}

void Free_Lkom_Windows(void)
{
    for (Lkom_Window_Entry *&l : Lkom_Window_List) {
        free(l);
        l = nullptr;
    }
    for (Lkom_Window_Entry *&l : Lkom_Joint_List) {
        free(l);
        l = nullptr;
    }
    Lkom_Window_Capacity = 0;
}

/*
** Allocate the thirteen lists with room for every load case and imperfection; every load
** case and then every imperfection gets window state 3 and enters window 21 and the
** independent list; the joint groups are empty with window state 3.
*/
int Init_Lkom_Windows(void)
{
    Free_Lkom_Windows();
    int32_t nlf = Nchw_Lf_Table.rows ? Nchw_Lf_Table.count : 0;
    int32_t nimp = Nchw_Imp_Table.rows ? Nchw_Imp_Table.count : 0;
    int32_t cap = nlf + nimp;
    /* joint groups enter the windows as entries of their own: room for all nine as well */
    cap += 9;
    for (Lkom_Window_Entry *&l : Lkom_Window_List) {
        l = (Lkom_Window_Entry *)calloc((size_t)cap + 1, sizeof(Lkom_Window_Entry));
        if (!l) {
            Free_Lkom_Windows();
            return 0;
        }
    }
    for (Lkom_Window_Entry *&l : Lkom_Joint_List) {
        l = (Lkom_Window_Entry *)calloc((size_t)cap + 1, sizeof(Lkom_Window_Entry));
        if (!l) {
            Free_Lkom_Windows();
            return 0;
        }
    }
    Lkom_Window_Capacity = cap;
    for (int i = 0; i < 9; i++) {
        Joint_Groups[i].index = i;
        Joint_Groups[i].window_state = 3;
        snprintf(Joint_Groups[i].name, sizeof Joint_Groups[i].name, "Gruppierung %d", i + 1);
    }
    for (int32_t i = 0; i < nlf; i++) {
        Nchw_Lf_Row *r = &Nchw_Lf_Table.rows[i];
        r->gen[LF_GEN_WINDOW] = 3;
        Lkom_Window_Append(Lkom_Window_List[LKOM_WIN_21], 2, r);
        Lkom_Window_Append(Lkom_Window_List[LKOM_WIN_31], 2, r);
    }
    for (int32_t i = 0; i < nimp; i++) {
        Nchw_Imp_Row *r = &Nchw_Imp_Table.rows[i];
        r->gen[IMP_GEN_WINDOW] = 3;
        Lkom_Window_Append(Lkom_Window_List[LKOM_WIN_21], 3, r);
        Lkom_Window_Append(Lkom_Window_List[LKOM_WIN_31], 3, r);
    }
    return 1;
}

static int32_t *Entry_State(const Lkom_Window_Entry *e)
{
    switch (e->kind) {
    case 1: return &((Joint_Group_Rec *)e->row)->window_state;
    case 2: return &((Nchw_Lf_Row *)e->row)->gen[LF_GEN_WINDOW];
    case 3: return &((Nchw_Imp_Row *)e->row)->gen[IMP_GEN_WINDOW];
    default: return nullptr;
    }
}

static Lkom_Window_Entry *Window_Of_State(int32_t state)
{
    if (state == 2) return Lkom_Window_List[LKOM_WIN_22];
    if (state == 1) return Lkom_Window_List[LKOM_WIN_23];
    return Lkom_Window_List[LKOM_WIN_21];
}

/*
** Write the windows back into the states: entries of windows 21, 22, 23 get state 3, 2, 1;
** the windows are then filled again from the non-empty joint groups and the independent list;
** every member of a joint group takes its group's state.
*/
void Lkom_Windows_To_States(void)
{
    if (!Lkom_Window_List[0]) return;
    static const int32_t states[3] = {3, 2, 1};
    for (int w = 0; w < 3; w++) {
        Lkom_Window_Entry *l = Lkom_Window_List[w];
        int32_t n = Lkom_Window_Count(l);
        for (int32_t i = 0; i < n; i++) {
            int32_t *s = Entry_State(&l[i]);
            if (s) *s = states[w];
        }
        l[0].kind = 0;
        l[0].row = nullptr;
    }
    for (int j = 0; j < 9; j++) {
        if (Lkom_Window_Count(Lkom_Joint_List[j]) == 0) continue;
        Lkom_Window_Append(Window_Of_State(Joint_Groups[j].window_state), 1, &Joint_Groups[j]);
    }
    const Lkom_Window_Entry *ind = Lkom_Window_List[LKOM_WIN_31];
    int32_t n = Lkom_Window_Count(ind);
    for (int32_t i = 0; i < n; i++) {
        const int32_t *s = Entry_State(&ind[i]);
        Lkom_Window_Append(Window_Of_State(s ? *s : 3), ind[i].kind, ind[i].row);
    }
    /* members take their group's state; the rows remember their group for the generator */
    for (int32_t i = 0; Nchw_Lf_Table.rows && i < Nchw_Lf_Table.count; i++)
        Nchw_Lf_Table.rows[i].gen[LF_GEN_JOINT] = 0;
    for (int32_t i = 0; Nchw_Imp_Table.rows && i < Nchw_Imp_Table.count; i++)
        Nchw_Imp_Table.rows[i].gen[IMP_GEN_JOINT] = 0;
    for (int j = 8; j >= 0; j--) {
        Lkom_Window_Entry *l = Lkom_Joint_List[j];
        int32_t m = Lkom_Window_Count(l);
        for (int32_t i = 0; i < m; i++) {
            int32_t *s = Entry_State(&l[i]);
            if (s) *s = Joint_Groups[j].window_state;
            if (l[i].kind == 2) ((Nchw_Lf_Row *)l[i].row)->gen[LF_GEN_JOINT] = j + 1;
            if (l[i].kind == 3) ((Nchw_Imp_Row *)l[i].row)->gen[IMP_GEN_JOINT] = j + 1;
        }
    }
}
