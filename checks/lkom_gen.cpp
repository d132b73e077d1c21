/*
** The load-collective generator. A selection is a counter of four digits of different speed:
** fastest the favourable (1) / unfavourable (2) state of each load case, then the member
** chosen in each alternative group, then the signs of the applied imperfections, slowest the
** set of applied imperfections. Folder selection states are kept in the folder rows'
** parent-id field: once the folders are linked, the generator reads a folder's alternative
** group from its alt_index, and the parent id is no longer needed.
*/
#include "checks/lkom_gen.h"
#include "checks/lkom_factors.h"
#include "checks/lkom_gen_settings.h"
#include "checks/lkom_rbtree.h"
#include "checks/nchw_tables.h"
#include "checks/xtr_tables.h"
#include "dialogs/progress.h"
#include "foundation/codepage.h"
#include "platform/zelkwin.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

Nchw_Rec Auto_GenRule = {};
int32_t N_GENERATED_LKOMS_EXIST = 0;
int32_t Nchw_Gui_Mode = 0;
int32_t Lkom_Gen_Compute_Mode = 0;
int32_t Lkom_Gen_Leading = -1;

static int Auto_Initialised = 0;
static int32_t Group_Count; /* G */
static int32_t Group_Members[LKOM_GEN_MAX_GROUPS + 1];
static int32_t Group_Choice[LKOM_GEN_MAX_GROUPS + 1];
static Nchw_Type_Rec *Gen_Type = nullptr;
static int Progress_Slot_No = -1;
static Lkom_Rec *First_Of_Run = nullptr;

static int32_t Nlf(void) { return Nchw_Lf_Table.rows ? Nchw_Lf_Table.count : 0; }
static int32_t Nimp(void) { return Nchw_Imp_Table.rows ? Nchw_Imp_Table.count : 0; }
static int32_t Ngrp(void) { return Nchw_Group_Table.rows ? Nchw_Group_Table.count : 0; }
static int32_t Neinw(void) { return Nchw_Einw_Table.rows ? Nchw_Einw_Table.count : 0; }
static int32_t &Lf_State(int32_t i) { return Nchw_Lf_Table.rows[i].gen[LF_GEN_SELECT]; }
static int32_t &Folder_State(int32_t i) { return Nchw_Group_Table.rows[i].parent_id; }
static Nchw_Imp_Row &Imp(int32_t i) { return Nchw_Imp_Table.rows[i]; }

static bool In_Group(int32_t g) { return g >= 1 && g <= Group_Count; }

/* ------------------------------------------------------------------ the selection counter */

/* Reset R: first member of every group chosen, load cases and folders in no group present. */
static void Reset_Selection(void)
{
    for (int32_t g = 0; g <= Group_Count; g++) Group_Members[g] = Group_Choice[g] = 0;
    for (int32_t i = 0; i < Nlf(); i++) {
        const int32_t g = Nchw_Lf_Table.rows[i].alt_group;
        if (In_Group(g)) {
            Group_Choice[g] = 1;
            Group_Members[g]++;
            Lf_State(i) = Group_Members[g] == 1 ? 1 : 0;
        } else {
            Lf_State(i) = 1;
        }
    }
    for (int32_t i = 0; i < Ngrp(); i++) {
        const int32_t g = Nchw_Group_Table.rows[i].alt_index;
        if (In_Group(g)) {
            Group_Choice[g] = 1;
            Group_Members[g]++;
            Folder_State(i) = Group_Members[g] == 1 ? 1 : 0;
        } else {
            Folder_State(i) = 1;
        }
    }
}

/* Exclusion X: a load case below an unchosen alternative folder is absent (negative state). */
static void Exclude_Selection(void)
{
    for (int32_t i = 0; i < Nlf(); i++) {
        const Nchw_Group_Row *f = Nchw_Lf_Table.rows[i].folder;
        int guard = 0;
        while (f && guard++ <= Ngrp()) {
            const int32_t fi = (int32_t)(f - Nchw_Group_Table.rows);
            if (f->alt_index != 0 && fi >= 0 && fi < Ngrp() && Folder_State(fi) == 0) {
                int32_t &s = Lf_State(i);
                if (s > 0) s = -s;
                break;
            }
            f = f->parent;
        }
    }
}

/* Set the state of the member with 1-based ordinal k of group g. */
static void Set_Member_State(int32_t g, int32_t k, int32_t state)
{
    int32_t ord = 0;
    for (int32_t i = 0; i < Nlf(); i++) {
        if (Nchw_Lf_Table.rows[i].alt_group != g) continue;
        if (++ord == k) {
            Lf_State(i) = state;
            return;
        }
    }
    for (int32_t i = 0; i < Ngrp(); i++) {
        if (Nchw_Group_Table.rows[i].alt_index != g) continue;
        if (++ord == k) {
            Folder_State(i) = state;
            return;
        }
    }
}

/* Back to the first member of group g. */
static void Reset_Group(int32_t g)
{
    for (int32_t k = 1; k <= Group_Members[g]; k++) Set_Member_State(g, k, k == 1 ? 1 : 0);
    Group_Choice[g] = 1;
}

/*
** Set the first selection (start != 0) or step to the next one. Return 1 while a selection is
** set, 0 when all are exhausted.
*/
int Next_Lf_Selection(int start)
{
    if (start) {
        int32_t G = 0;
        for (int32_t i = 0; i < Nlf(); i++)
            if (Nchw_Lf_Table.rows[i].alt_group > G) G = Nchw_Lf_Table.rows[i].alt_group;
        for (int32_t i = 0; i < Ngrp(); i++)
            if (Nchw_Group_Table.rows[i].alt_index > G) G = Nchw_Group_Table.rows[i].alt_index;
        Group_Count = G < LKOM_GEN_MAX_GROUPS ? G : LKOM_GEN_MAX_GROUPS;
        for (int32_t i = 0; i < Nimp(); i++) {
            Imp(i).gen[IMP_GEN_APPLIED] = 1;
            Imp(i).gen[IMP_GEN_SIGN] = 1;
        }
        Reset_Selection();
        Exclude_Selection();
        return 1;
    }
    /* 1: the favourable/unfavourable digits */
    for (int32_t i = 0; i < Nlf(); i++) {
        if (Lf_State(i) == 1) {
            Lf_State(i) = 2;
            for (int32_t j = 0; j < i; j++)
                if (Lf_State(j) == 2) Lf_State(j) = 1;
            return 1;
        }
    }
    /* 2: the alternative groups */
    for (int32_t i = 0; i < Nlf(); i++)
        if (Lf_State(i) != 0) Lf_State(i) = 1;
    for (int32_t g = 1; g <= Group_Count; g++) {
        if (Group_Members[g] <= 0) continue;
        if (Group_Members[g] > Group_Choice[g]) {
            Set_Member_State(g, Group_Choice[g], 0);
            Set_Member_State(g, Group_Choice[g] + 1, 1);
            Group_Choice[g]++;
            Exclude_Selection();
            return 1;
        }
        Reset_Group(g);
    }
    /* 3: every group has wrapped */
    Exclude_Selection();
    if (Lkom_Gen_Compute_Mode != 2 || Nimp() == 0) return 0;
    /* 4: the signs of the applied imperfections */
    if (Lkom_Gen_Settings.Gen_Imperfection_Signs) {
        for (int32_t i = 0; i < Nimp(); i++) {
            if (Imp(i).gen[IMP_GEN_APPLIED] != 2 || Imp(i).gen[IMP_GEN_SIGN] != 1) continue;
            Imp(i).gen[IMP_GEN_SIGN] = -1;
            for (int32_t j = 0; j < i; j++)
                if (Imp(j).gen[IMP_GEN_APPLIED] == 2) Imp(j).gen[IMP_GEN_SIGN] = 1;
            Reset_Selection();
            Exclude_Selection();
            return 1;
        }
        for (int32_t i = 0; i < Nimp(); i++) Imp(i).gen[IMP_GEN_SIGN] = 1;
    }
    /* 5: the set of applied imperfections */
    for (int32_t i = 0; i < Nimp(); i++) {
        if (Imp(i).gen[IMP_GEN_APPLIED] != 1) continue;
        Imp(i).gen[IMP_GEN_APPLIED] = 2;
        Imp(i).gen[IMP_GEN_SIGN] = 1;
        for (int32_t j = 0; j < i; j++) Imp(j).gen[IMP_GEN_APPLIED] = 1;
        Reset_Selection();
        Exclude_Selection();
        return 1;
    }
    return 0;
}

/* ------------------------------------------------------------------ admissibility */

/* T1: the number of applied imperfections (nonlinear computation only). */
static bool Test_Imperfections(void)
{
    if (Lkom_Gen_Compute_Mode != 2) return true;
    if (Nimp() == 0) return Lkom_Gen_Settings.Gen_Without_Imperfections != 0;
    int32_t k = 0;
    for (int32_t i = 0; i < Nimp(); i++)
        if (Imp(i).gen[IMP_GEN_APPLIED] == 2 && Get_Imp_Factor(i, nullptr)) k++;
    if (k == 0 && !Lkom_Gen_Settings.Gen_Without_Imperfections) return false;
    if (k > 1 && !Lkom_Gen_Settings.Gen_Imperfections_Together) return false;
    return true;
}

/* Joint groups; with restrict_leading only load cases of the leading or a permanent action. */
static int Joint_Groups_Agree(bool restrict_leading)
{
    for (int32_t j = 1; j <= 9; j++) {
        int32_t first = 0;
        for (int32_t i = 0; i < Nlf(); i++) {
            const Nchw_Lf_Row &l = Nchw_Lf_Table.rows[i];
            if (l.gen[LF_GEN_JOINT] != j || Lf_State(i) <= 0) continue;
            if (restrict_leading) {
                const int32_t ai = l.action ? (int32_t)(l.action - Nchw_Einw_Table.rows) : -1;
                if (ai != Lkom_Gen_Leading && !(l.action && l.action->kind == 1)) continue;
            }
            if (first == 0) first = Lf_State(i);
            else if (Lf_State(i) != first) return 0;
        }
        if (Lkom_Gen_Compute_Mode != 2) continue;
        for (int32_t i = 0; i < Nimp(); i++) {
            if (Imp(i).gen[IMP_GEN_JOINT] != j) continue;
            const int32_t s = Imp(i).gen[IMP_GEN_APPLIED];
            if (first == 0) first = s;
            else if (s != first) return 0;
        }
    }
    return 1;
}

/* T2: every joint group acts as one. */
int Check_Joint_Groups(void) { return Joint_Groups_Agree(false); }

/* T3: the window states. */
static bool Test_Windows(void)
{
    for (int32_t i = 0; i < Nlf(); i++) {
        const int32_t s = Lf_State(i), w = Nchw_Lf_Table.rows[i].gen[LF_GEN_WINDOW];
        if (s > 0 && (w == 1 || w == 2) && w != s) return false;
    }
    for (int32_t i = 0; i < Nimp(); i++) {
        const int32_t w = Imp(i).gen[IMP_GEN_WINDOW];
        if ((w == 1 || w == 2) && w != Imp(i).gen[IMP_GEN_APPLIED]) return false;
    }
    return true;
}

/* T4: some load case of the leading action acts unfavourably. */
static bool Test_Leading_Unfavourable(void)
{
    if (!Lkom_Gen_Settings.Gen_Leading_Unfavourable) return true;
    for (int32_t i = 0; i < Nlf(); i++) {
        const Nchw_Lf_Row &l = Nchw_Lf_Table.rows[i];
        if (Lf_State(i) == 2 && l.action && (l.action - Nchw_Einw_Table.rows) == Lkom_Gen_Leading)
            return true;
    }
    return false;
}

/* T5: only the leading and the permanent actions act unfavourably; their joint groups agree. */
static bool Test_Secondary(void)
{
    for (int32_t i = 0; i < Nlf(); i++) {
        const Nchw_Lf_Row &l = Nchw_Lf_Table.rows[i];
        if (Lf_State(i) != 2 || !l.action) continue;
        if ((l.action - Nchw_Einw_Table.rows) != Lkom_Gen_Leading && l.action->kind >= 2)
            return false;
    }
    return Joint_Groups_Agree(true) != 0;
}

/* ------------------------------------------------------------------ collectives */

void Init_Or_Clear_Auto_Lkoms(void)
{
    Nchw_Rec *check = Lkom_Gen_Current_Check();
    Gen_Type = check ? check->type : nullptr;
    Lkom_Gen_Compute_Mode = Gen_Type ? Nchw_Type_Int(Gen_Type, 10) : 0;
    if (!Auto_Initialised) {
        memset(&Auto_GenRule, 0, sizeof Auto_GenRule);
        snprintf(Auto_GenRule.name, sizeof Auto_GenRule.name, "<automatisch generiert>");
        Auto_GenRule.flags = 1;
        Auto_Initialised = 1;
        return;
    }
    while (Auto_GenRule.lkom_head) Free_Lkom(Auto_GenRule.lkom_head);
    Auto_GenRule.lkom_count = 0;
    Auto_GenRule.lkom_head = Auto_GenRule.lkom_tail = nullptr;
}

Lkom_Rec *New_Auto_Lkom(int32_t n, int32_t pass)
{
    Lkom_Rec *k = New_Lkom(&Auto_GenRule);
    if (!k) return nullptr;
    /* counted at once, so that deleting a collective without rows keeps the count right */
    Auto_GenRule.lkom_count++;
    const Lkom_Gen_Settings_Rec &S = Lkom_Gen_Settings;
    char name[64];
    snprintf(name, sizeof name, "LK %d (auto)", n);
    snprintf(k->name, sizeof k->name, "%-30.30s", name);
    static const int32_t rules[4] = {1, 2, 4, 8};
    k->number = n;
    k->owner = &Auto_GenRule;
    k->comb_rule = S.method >= 0 && S.method < 4 ? rules[S.method] : 0;
    k->default_comb_rules = Nchw_Type_Int(Gen_Type, 9);
    k->leading_action[0] = pass;
    k->leading_action[1] = 0;
    k->check_kind = S.limit_state == 0 ? 1 : 2;
    k->default_check_kinds = Nchw_Type_Int(Gen_Type, 5);
    k->combination = S.variant == 0 ? 1 : S.variant == 1 ? 2 : 4;
    k->default_combinations = Nchw_Type_Int(Gen_Type, 7);
    k->gamma_g_variant[0] = S.variant;
    k->gamma_g_variant[1] = 0;
    k->rows = nullptr;
    k->row_count = 0;
    int32_t cap = 0;
    for (int32_t i = 0; i < Nlf(); i++)
        if (Lf_State(i) != 0) cap++;
    if (Lkom_Gen_Compute_Mode == 2)
        for (int32_t i = 0; i < Nimp(); i++)
            if (Imp(i).gen[IMP_GEN_APPLIED] == 2) cap++;
    if (cap == 0) return k;
    Lkom_Row *rows = (Lkom_Row *)calloc((size_t)cap, sizeof(Lkom_Row));
    if (!rows) return k;
    int32_t m = 0;
    for (int32_t i = 0; i < Nlf() && m < cap; i++) {
        const int32_t s = Lf_State(i);
        if (s == 0) continue;
        double pd, ps, gs, gi;
        Get_Lf_Factors(i, &pd, &ps, &gs, &gi);
        const double g = s == 2 ? gs : gi;
        double psi;
        const Nchw_Lf_Row &l = Nchw_Lf_Table.rows[i];
        if (S.method == 0 || S.method == 1)
            psi = (l.action && (l.action - Nchw_Einw_Table.rows) == pass) ? pd : ps;
        else if (S.method == 2) psi = pass == 1 ? pd : ps;
        else psi = 1.0;
        const double f = g * psi;
        if (f == 0.0) continue;
        rows[m].number = l.number;
        rows[m].unfavourable = s == 2 ? 1 : 0;
        rows[m].psi = psi;
        rows[m].gamma = g;
        rows[m].factor = f;
        m++;
    }
    if (Lkom_Gen_Compute_Mode == 2) {
        for (int32_t i = 0; i < Nimp() && m < cap; i++) {
            if (Imp(i).gen[IMP_GEN_APPLIED] != 2) continue;
            double f;
            if (!Get_Imp_Factor(i, &f)) continue;
            const double sf = Imp(i).gen[IMP_GEN_SIGN] * f;
            rows[m].number = -Imp(i).number;
            rows[m].unfavourable = 1;
            rows[m].psi = 1.0;
            rows[m].gamma = sf;
            rows[m].factor = sf;
            m++;
        }
    }
    if (m == 0) {
        free(rows);
        rows = nullptr;
    } else if (m < cap) {
        Lkom_Row *shrunk = (Lkom_Row *)realloc(rows, (size_t)m * sizeof(Lkom_Row));
        if (shrunk) rows = shrunk;
    }
    k->rows = rows;
    k->row_count = m;
    if (!First_Of_Run) First_Of_Run = k;
    return k;
}

int Insert_Lkom_Unique(void)
{
    Lkom_Rec *k = Auto_GenRule.lkom_tail;
    if (!k) return 0;
    if (k->row_count <= 0 || !k->rows) {
        if (First_Of_Run == k) First_Of_Run = nullptr;
        Free_Lkom(k);
        return 0;
    }
    int32_t earlier = 0;
    if (Lkom_Tree_Mode && LKOM_RBTree) {
        if (RBTreeInsert(LKOM_RBTree, k) == 0) {
            if (First_Of_Run == k) First_Of_Run = nullptr;
            Free_Lkom(k);
            return 0;
        }
        earlier = LKOM_RBTree->n_nodes;
    } else {
        Lkom_Tree_Mode = 0;
        for (Lkom_Rec *e = Auto_GenRule.lkom_head; e && e != k; e = e->next) {
            if (Lkom_Compare(e, k) == 0) {
                if (First_Of_Run == k) First_Of_Run = nullptr;
                Free_Lkom(k);
                return 0;
            }
            earlier++;
        }
    }
    if (Nchw_Gui_Mode && Progress_Slot_No >= 0 && Lkom_Limits[2] > 0)
        Progress_Set(Progress_Slot_No, (double)earlier / Lkom_Limits[2]);
    return 1;
}

/* ------------------------------------------------------------------ runs */

/* Create, judge and count one collective; false when the run must stop. */
static bool Keep_One(int32_t *n, int32_t pass)
{
    if (!New_Auto_Lkom(*n + 1, pass)) {
        *n += 1; /* the count it would have had */
        return false;
    }
    if (Insert_Lkom_Unique()) *n += 1;
    return *n <= Lkom_Limits[2];
}

static char Progress_Text[160] = "";

static void Draw_Progress_Text(const char *text, int erase)
{
    if (!Nchw_Gui_Mode || !text[0]) return;
    Pop_RFont(4098);
    pxFgc(erase ? GetDORColor(-1) : BLACK_CI);
    pxText(Lkom_Gen_Settings.progress_x, Lkom_Gen_Settings.progress_y - 4, text, (int)strlen(text));
    Push_RFont();
}

void Generate_Lkoms_Leading(void)
{
    setMouseCursor(6);
    Init_Or_Clear_Auto_Lkoms();
    pxFlsh();
    int32_t n = 0;
    int32_t cases = 0, millions = 0;
    bool stop = false;
    bool L = false;
    for (int32_t a = 0; a < Neinw(); a++)
        if (Nchw_Einw_Table.rows[a].kind != 1 && Nchw_Einw_Table.rows[a].active) L = true;
    for (int32_t a = 0; a < Neinw() && !stop; a++) {
        const Nchw_Einw_Row &act = Nchw_Einw_Table.rows[a];
        if (L && (act.kind == 1 || !act.active)) continue;
        Lkom_Gen_Leading = a;
        for (int more = Next_Lf_Selection(1); more && !stop; more = Next_Lf_Selection(0)) {
            if (++cases >= 1000000) {
                cases = 0;
                millions++;
                if (Nchw_Gui_Mode) {
                    Draw_Progress_Text(Progress_Text, 1);
                    snprintf(
                        Progress_Text, sizeof Progress_Text,
                        "%d Millionen F\x84lle untersucht / %d Kollektive gefunden / abbrechen mit [Esc]",
                        millions, n);
                    Draw_Progress_Text(Progress_Text, 0);
                    pxFlsh();
                }
                if (millions > 2000000000) stop = true;
            }
            if (hitkey() >= 0 && getkey() == 27) stop = true;
            if (stop) break;
            if (!Test_Imperfections() || !Check_Joint_Groups() || !Test_Windows()
                || !Test_Leading_Unfavourable())
                continue;
            if (!Keep_One(&n, a)) stop = true;
        }
    }
    setMouseCursor(0);
    Draw_Progress_Text(Progress_Text, 1);
    Progress_Text[0] = '\0';
    Lkom_Gen_Leading = -1;
    N_GENERATED_LKOMS_EXIST = n;
}

/* The combinations of DIN 18800 (method 2) and the characteristic combinations (method 3). */
static void Generate_Lkoms_Plain(int32_t method)
{
    setMouseCursor(6);
    Init_Or_Clear_Auto_Lkoms();
    int32_t n = 0;
    bool stop = false;
    if (method == 3 || Lkom_Gen_Settings.Gen_Main_Combinations) {
        Lkom_Gen_Leading = -1;
        for (int more = Next_Lf_Selection(1); more && !stop; more = Next_Lf_Selection(0)) {
            if (!Test_Imperfections() || !Check_Joint_Groups() || !Test_Windows()) continue;
            if (!Keep_One(&n, 0)) stop = true;
        }
    }
    if (method == 2) {
        for (int32_t a = 0; a < Neinw() && !stop; a++) {
            if (!Nchw_Einw_Table.rows[a].active) continue;
            Lkom_Gen_Leading = a;
            for (int more = Next_Lf_Selection(1); more && !stop; more = Next_Lf_Selection(0)) {
                if (!Test_Imperfections() || !Test_Windows() || !Test_Secondary()) continue;
                if (!Keep_One(&n, 1)) stop = true;
            }
        }
    }
    Lkom_Gen_Leading = -1;
    setMouseCursor(0);
    N_GENERATED_LKOMS_EXIST = n;
}

void Do_Generate_Lkoms(void)
{
    Lkom_Tree_Mode = 1;
    if (LKOM_RBTree) RBTree_Destroy(LKOM_RBTree);
    LKOM_RBTree = Lkom_RBTree_Create();
    if (!LKOM_RBTree) Lkom_Tree_Mode = 0;
    First_Of_Run = nullptr;
    const int32_t kept_flag = Lkom_Gen_Settings.Gen_Without_Imperfections;
    if (Nimp() == 0) Lkom_Gen_Settings.Gen_Without_Imperfections = 1;
    Progress_Slot_No = -1;
    if (Nchw_Gui_Mode) {
        if (Lkom_Gen_Settings.progress_x >= 1)
            Progress_Slot_No =
                Progress_Open(Lkom_Gen_Settings.progress_x, Lkom_Gen_Settings.progress_y, 477, 0);
        else Progress_Slot_No = Progress_Open(NPIXEL_X / 2 - 100, NPIXEL_Y / 2 - 4, 200, 1);
    }
    const int32_t method = Lkom_Gen_Settings.method;
    if (method == 2 || method == 3) Generate_Lkoms_Plain(method);
    else Generate_Lkoms_Leading();
    Lkom_Gen_Settings.Gen_Without_Imperfections = kept_flag;
    for (int32_t a = 0; a < Neinw(); a++) Nchw_Einw_Table.rows[a].active = 1;
    if (Progress_Slot_No >= 0) Progress_Close(Progress_Slot_No);
    Progress_Slot_No = -1;
    if (LKOM_RBTree) {
        if (LKOM_RBTree->n_nodes != N_GENERATED_LKOMS_EXIST) {
            printf("Do_Generate_Lkoms: LKOM_RBTree->n_nodes [%d] != N_GENERATED_LKOMS_EXIST [%d]",
                   LKOM_RBTree->n_nodes, N_GENERATED_LKOMS_EXIST);
            fflush(stdout);
        }
        RBTree_Destroy(LKOM_RBTree);
        LKOM_RBTree = nullptr;
    }
    First_Of_Run = nullptr;
}

void Generate_Lkoms_Keep_Flags(void)
{
    int32_t saved[128];
    const int32_t n = Neinw() < 128 ? Neinw() : 128;
    for (int32_t i = 0; i < n; i++) saved[i] = Nchw_Einw_Table.rows[i].active;
    Do_Generate_Lkoms();
    for (int32_t i = 0; i < n && i < Neinw(); i++) Nchw_Einw_Table.rows[i].active = saved[i];
}
