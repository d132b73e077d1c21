/*
** Design-check records ("Nachweise") and the global list of checks: the check, its extremal
** rules, load collectives and generation rules, the check type read from the type file, and the
** services on the list that other modules call (counting, refresh after changed factors).
** Texts are code page 850; counts are signed 32-bit.
*/
#pragma once

#include <cstdint>

/* One option entry of a check type (a check box, radio button or text line of its dialog). */
typedef struct Nchw_Option_Entry {
    int32_t id;            /* the entry's number, 0 or more */
    int32_t kind;          /* 1 check box, 2 radio button, 3 text line, 0 none */
    int32_t group;         /* radio group number (kind 2) */
    int32_t value;         /* kind 2: value of this button; kind 3: font code */
    int32_t dflt;          /* kinds 1 and 2: default option value of a new check */
    int32_t depends_on;    /* id of the entry that must be non-zero; <= 0 always active */
    int32_t depends_value; /* second dependency value, kept */
    int32_t x_indent;      /* pixels from the left edge of the option area */
    int32_t gap;           /* extra pixels above the entry */
    char text[64];         /* label, at most 63 characters */
} Nchw_Option_Entry;

/* One check type. Integer 0 of the type line is the type id. */
typedef struct Nchw_Type_Rec {
    char name[51];              /* at most 50 characters, blank-padded to 50 */
    char description[71];       /* second line of the type's info */
    char help_topic[30];        /* help topic of the option dialog */
    int32_t ints0_3[4];         /* type id, material, modes with extremal rules, with collectives */
    int32_t option_count;       /* valid option entries, 0..19 */
    int32_t ints4_10[7];        /* check kind, kinds used, combination, combinations used,
                                   combination rule, rules used, compute mode */
    int32_t colour[3];          /* red, green, blue */
    int32_t selector_count;     /* object selectors, 0..3 */
    int32_t selector_types[3];  /* object type of each selector */
    int32_t selector_values[3]; /* second integer of each selector */
    char selector_names[3][40]; /* plural noun of the selector's objects */
    int32_t dialog_height;      /* pixels */
    int32_t dialog_width;       /* pixels */
    double value;               /* last number of the type's entry */
    Nchw_Option_Entry options[20];
    struct Nchw_Type_Rec *prev, *next;
} Nchw_Type_Rec;

/* Numbers of the type line's integers (Nchw_Type_Int) that say what a check of the type allows:
** the single code of integers 4, 6 and 8 is the type's own choice, the bit sets of 5, 7 and 9
** what its load collectives and extremal rules may use. */
enum {
    NCHW_TI_CHECK_KIND = 4,        /* 1 ultimate, 2 serviceability, 3 free */
    NCHW_TI_KINDS_USED = 5,        /* bit set: 1 ultimate, 2 serviceability */
    NCHW_TI_COMBINATION = 6,       /* serviceability combination code */
    NCHW_TI_COMBINATIONS_USED = 7, /* bit set: 1 characteristic, 2 frequent, 4 quasi-permanent */
    NCHW_TI_COMB_RULE = 8,     /* 1 DIN 1055-100, 2 Eurocode, 4 DIN 18800, 8 characteristic, ... */
    NCHW_TI_RULES_USED = 9,    /* bit set of combination rules, codes as integer 8 */
    NCHW_TI_COMPUTE_MODE = 10, /* bit set: 1 linear, 2 nonlinear */
};

struct Nchw_Rec;

/* A row of an extremal rule: an action or load case with its four factors. */
typedef struct Xtr_Row {
    int32_t number; /* action or load-case number */
    double psi_dom, psi_sub, gamma_sup, gamma_inf;
} Xtr_Row;

/* A row of a load collective. */
typedef struct Lkom_Row {
    int32_t number;            /* load case (positive) or imperfection (negative) */
    int32_t unfavourable;      /* 1 the unfavourable gamma was used, 0 the favourable one */
    double psi, gamma, factor; /* factor = psi x gamma */
} Lkom_Row;

/* A row of a factor array of a generation rule. */
typedef struct GenRule_Factor_Row {
    int32_t number;
    int32_t on;
    double psi_dom, psi_sub, gamma_sup, gamma_inf;
} GenRule_Factor_Row;

/* One extremal rule of a check. */
typedef struct Xtr_Rule_Rec {
    char name[32];  /* at most 30 characters */
    int32_t number; /* number within its check */
    int32_t row_count;
    int32_t mode;         /* 1 standard rows, 2 user-defined rows */
    int32_t auto_kind;    /* 0, 1, 2, 4 or 8 (automatic situation) */
    int32_t comb_rule[2]; /* current value, value as built */
    int32_t basis[2];     /* 0 rows name actions, 1 load cases */
    int32_t check_kind[2];
    int32_t combination[2];
    int32_t gamma_g_variant[2];
    struct Nchw_Rec *owner;
    Xtr_Row *rows;      /* owned, row_count rows */
    intptr_t tree_item; /* 0 = none */
    struct Xtr_Rule_Rec *prev, *next;
} Xtr_Rule_Rec;

/* One load collective of a check. */
typedef struct Lkom_Rec {
    char name[32];
    int32_t number;
    int32_t row_count;
    int32_t comb_rule;
    int32_t default_comb_rules;
    int32_t leading_action[2];
    int32_t check_kind;
    int32_t default_check_kinds;
    int32_t combination;
    int32_t default_combinations;
    int32_t gamma_g_variant[2];
    struct Nchw_Rec *owner;
    Lkom_Row *rows; /* owned, row_count rows */
    intptr_t tree_item;
    struct Lkom_Rec *prev, *next;
} Lkom_Rec;

/* One load-collective generation rule of a check. */
typedef struct GenRule_Rec {
    char name[32];
    int32_t number;
    int32_t generated_count; /* negative when the maximum was exceeded */
    int32_t entry_count;
    int32_t factor_counts[3]; /* rows of the load-case, action, imperfection factor arrays */
    int32_t factor_mode;      /* 1 on creation */
    int32_t mode_value;       /* 1 on creation */
    int32_t gen_settings[8];
    int32_t *entries;                     /* entry_count x {kind, id, state, joint group} */
    GenRule_Factor_Row *factor_arrays[3]; /* load cases, actions, imperfections */
    struct Nchw_Rec *owner;
    intptr_t tree_item;
    struct GenRule_Rec *prev, *next;
} GenRule_Rec;

/* One design check. */
typedef struct Nchw_Rec {
    char name[52];
    char *comment; /* owned, may be null */
    int32_t number;
    int32_t flags;             /* bit 0: activated */
    int32_t selector_modes[3]; /* 0 all, 1 none of, 2 selected */
    int32_t *selected[3];      /* owned counted lists: count, then numbers; null = empty */
    int32_t option_values[20];
    int32_t xtr_count;
    int32_t lkom_count;
    int32_t genrule_count;
    int32_t tree_state;
    Nchw_Type_Rec *type; /* not owned; null when no type has the check's type id */
    Xtr_Rule_Rec *xtr_head, *xtr_tail;
    Lkom_Rec *lkom_head, *lkom_tail;
    GenRule_Rec *genrule_head, *genrule_tail;
    intptr_t tree_item;
    struct Nchw_Rec *prev, *next;
} Nchw_Rec;

/* The global list of checks and the objects shown on the property pages. */
extern Nchw_Rec *Nchw_List_Head;
extern Nchw_Rec *Nchw_List_Tail;
extern Nchw_Rec *Nchw_Current;
extern Xtr_Rule_Rec *Nchw_Current_Xtr_Rule;
extern Lkom_Rec *Nchw_Current_Lkom;
extern GenRule_Rec *Nchw_Current_GenRule;

/* Page opener of the current extremal rule; installed by the management sheet, null here. */
extern void (*Xtr_Rule_Page_Hook)(Xtr_Rule_Rec *rule);

/* Type id of a check type (integer 0 of its type line). */
static inline int32_t Nchw_Type_Id(const Nchw_Type_Rec *type) { return type->ints0_3[0]; }

/* Help topic of the module's dialogs (default "XNCHW_GLOBAL") and the kept module setting. */
extern char Nchw_Help_Key[50];
extern int32_t Nchw_Module_Value;

/* Creation: null (lists unchanged) and a message box when memory runs out. */
Nchw_Rec *New_Nachweis(void);
Xtr_Rule_Rec *New_Xtr_Rule(Nchw_Rec *check);
Xtr_Rule_Rec *New_Xtr_Rule_First(Nchw_Rec *check);
Lkom_Rec *New_Lkom(Nchw_Rec *check);
GenRule_Rec *New_GenRule(Nchw_Rec *check);
/* Ascending by number; equal numbers do not keep their order. */
void Sort_Nachweise(void);
void Sort_Xtr_Rules(Nchw_Rec *check);
void Sort_Lkoms(Nchw_Rec *check);
/* Release of single children (unlinked from their owner, whose count goes down). */
void Free_Xtr_Rule(Xtr_Rule_Rec *rule);
void Free_Lkom(Lkom_Rec *lkom);
void Free_GenRule(GenRule_Rec *rule);
void Free_All_Nachweise(void);
void Set_Nchw_Help_Key(const char *text);
void Set_Nchw_Module_Value(int32_t value);
int32_t Count_Nachweise(void);
int32_t Count_Activated_Nachweise(void);
int32_t Count_Active_Nachweise_Of_Type(int32_t type_id);
/* ------------------------------------------------------------------ refresh */

/* Set whenever the refresh replaced extremal tables; the management sheet clears it. */
extern int32_t Nchw_Tables_Changed;
/* Tree view of the checks: remove all items / rebuild and redraw; installed by the tree view. */
extern void (*Nchw_Tree_Remove_Hook)(void);
extern void (*Nchw_Tree_Rebuild_Hook)(void);
/* Existing objects of an object type (0..8) in the object tables of the selection dialog. */
int32_t Nchw_Objects_Of_Type(int32_t object_type);
int32_t Nchw_Object_Number(int32_t object_type, int32_t i);

int Nchw_Uses_Auto_Xtr_Rules(const Nchw_Rec *check);
void Build_Auto_Xtr_Rules(Nchw_Rec *check);
int Refresh_Nachweise(void);
int Refresh_Nachweise_Hook(void);
Xtr_Rule_Rec *Edit_Current_Xtr_Rule(void);
