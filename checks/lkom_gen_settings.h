/*
** Working settings of the load-collective generator, the five default flags of new rules, the
** count limits, and the window lists of the generation dialog: which load cases and
** imperfections act always favourably, always unfavourably or both ways, and which act
** together in one of nine joint groups.
*/
#pragma once

#include <cstdint>

/* Generator fields of the flat load-case rows (Nchw_Lf_Row.gen). */
enum { LF_GEN_WINDOW = 0, LF_GEN_SELECT = 1, LF_GEN_JOINT = 2 };
/* Generator fields of the flat imperfection rows (Nchw_Imp_Row.gen). */
enum { IMP_GEN_WINDOW = 0, IMP_GEN_APPLIED = 1, IMP_GEN_JOINT = 2, IMP_GEN_SIGN = 3 };

typedef struct Lkom_Gen_Settings_Rec {
    int32_t method;      /* 0 DIN 1055-100, 1 Eurocode, 2 DIN 18800, 3 characteristic */
    int32_t limit_state; /* 0 ultimate, 1 serviceability */
    int32_t variant;     /* 0, 1, 2 */
    int32_t Gen_Without_Imperfections;
    int32_t Gen_Imperfections_Together;
    int32_t Gen_Imperfection_Signs;
    int32_t Gen_Leading_Unfavourable; /* methods 0 and 1 */
    int32_t Gen_Main_Combinations;    /* method 2 */
    int32_t check_index;              /* 0-based index of the current check in the list */
    int32_t factor_mode;              /* 1 standard, 2 user-defined */
    int32_t basis;                    /* 1 per action, 2 per load case (user-defined mode) */
    int32_t situation;                /* 0 persistent/transient, 1 accidental, 2 earthquake */
    int32_t progress_x, progress_y;   /* pixels; x < 1: centred */
} Lkom_Gen_Settings_Rec;

extern Lkom_Gen_Settings_Rec Lkom_Gen_Settings;
extern const Lkom_Gen_Settings_Rec Lkom_Gen_Settings_Initial;

/* Defaults of the five flags for new standard rules, in the order of the settings above. */
extern int32_t Lkom_Gen_Flag_Defaults[5];
/* L0 take-over, L1 middle, L2 maximum kept per run, L3 most collectives of a stored rule. */
extern int32_t Lkom_Limits[4];

typedef struct Joint_Group_Rec {
    int32_t index;        /* 0..8 */
    int32_t window_state; /* 1 always favourable, 2 always unfavourable, 3 both */
    char name[16];        /* "Gruppierung 1".. "Gruppierung 9" */
} Joint_Group_Rec;

extern Joint_Group_Rec Joint_Groups[9];

/* One entry of a window list: kind 1 joint group, 2 load case, 3 imperfection, 0 end. */
typedef struct Lkom_Window_Entry {
    int32_t kind;
    void *row; /* Joint_Group_Rec, Nchw_Lf_Row or Nchw_Imp_Row */
} Lkom_Window_Entry;

enum { LKOM_WIN_21 = 0, LKOM_WIN_22 = 1, LKOM_WIN_23 = 2, LKOM_WIN_31 = 3 };
/* Windows 21 both ways, 22 always unfavourable, 23 always favourable, 31 independent; then
** the nine joint-group lists. Null outside the dialog's lifetime. */
extern Lkom_Window_Entry *Lkom_Window_List[4];
extern Lkom_Window_Entry *Lkom_Joint_List[9];
extern int32_t Lkom_Window_Capacity; /* entries per list without the end mark */

void Set_LkomGen_Flags(int32_t without_imp, int32_t together, int32_t signs, int32_t leading,
                       int32_t main_comb);
void Get_LkomGen_Flags(int32_t *without_imp, int32_t *together, int32_t *signs, int32_t *leading,
                       int32_t *main_comb);
void Set_Lkom_Limits(int32_t rule_limit, int32_t maximum, int32_t middle, int32_t take_over);
void Get_Lkom_Limits(int32_t *rule_limit, int32_t *maximum, int32_t *middle, int32_t *take_over);
/* Return 1 when the lists were allocated, 0 when memory ran out (no lists then). */
int Init_Lkom_Windows(void);
void Free_Lkom_Windows(void);
void Lkom_Windows_To_States(void);
/* Number of entries of a list before its end mark (0 for null). */
int32_t Lkom_Window_Count(const Lkom_Window_Entry *list);
/* Append an entry; 0 when the list is full or null. */
int Lkom_Window_Append(Lkom_Window_Entry *list, int32_t kind, void *row);
/* Back to the initial settings, flags and limits. */
void Reset_Lkom_Gen_Settings(void);
