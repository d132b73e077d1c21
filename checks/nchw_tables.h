/*
** Flat design-check tables: the actions, load-case folders, load cases and imperfections of the
** load model copied into four growable-once arrays, so that the extremal rules and the
** load-collective generator need not walk the load model's lists. Labels are code page 850.
*/
#pragma once

#include <cstdint>

typedef struct Nchw_Einw_Row {
    int32_t index;     /* own position, from 0 */
    int32_t number;    /* action number */
    int32_t active;    /* set by the extremal-rule tables and the generator */
    char label[31];    /* "%d: %s", at most 30 characters */
    int32_t kind;      /* 1..5 category, 99 accidental, 100 earthquake */
    int32_t psi_index; /* 0-based index 0..10 into the psi rows */
    int32_t setting_a; /* passed through */
    int32_t kled;      /* load-duration class 0..4 */
    int32_t setting_b; /* passed through */
} Nchw_Einw_Row;

typedef struct Nchw_Group_Row {
    int32_t kind;      /* 1 alternative group; > 100 bridge load group; else ordinary */
    int32_t alt_index; /* after linking: alternative index of the parent folder, or 0 */
    int32_t folder_id;
    int32_t parent_id; /* < 0 none; after linking: alternative index of the parent, or 0 */
    char label[32];    /* at most 31 characters */
    struct Nchw_Group_Row *parent;
    Nchw_Einw_Row *action;
} Nchw_Group_Row;

typedef struct Nchw_Lf_Row {
    int32_t number;         /* load-case number */
    int32_t active;         /* 0 at add */
    int32_t state;          /* 1 at add */
    int32_t gen[4];         /* used by the generator */
    char label[31];         /* "%d: %s", at most 30 characters */
    Nchw_Group_Row *folder; /* null without folder */
    Nchw_Einw_Row *action;
    int32_t alt_group; /* alternative group */
} Nchw_Lf_Row;

typedef struct Nchw_Imp_Row {
    int32_t number; /* imperfection number, as given */
    int32_t active; /* 0 at add */
    int32_t gen[4]; /* used by the generator */
    char label[31]; /* "%d: %s" with the negated number */
} Nchw_Imp_Row;

/* A table: capacity, row count and rows. */
typedef struct Nchw_Einw_Table_Rec {
    int32_t cap, count;
    Nchw_Einw_Row *rows;
} Nchw_Einw_Table_Rec;
typedef struct Nchw_Group_Table_Rec {
    int32_t cap, count;
    Nchw_Group_Row *rows;
} Nchw_Group_Table_Rec;
typedef struct Nchw_Lf_Table_Rec {
    int32_t cap, count;
    Nchw_Lf_Row *rows;
} Nchw_Lf_Table_Rec;
typedef struct Nchw_Imp_Table_Rec {
    int32_t cap, count;
    Nchw_Imp_Row *rows;
} Nchw_Imp_Table_Rec;

extern Nchw_Einw_Table_Rec Nchw_Einw_Table;
extern Nchw_Group_Table_Rec Nchw_Group_Table;
extern Nchw_Lf_Table_Rec Nchw_Lf_Table;
extern Nchw_Imp_Table_Rec Nchw_Imp_Table;

extern int32_t Nchw_Einw_Variable_Count; /* actions whose kind is above 1 */
extern int32_t Nchw_Max_Alt_Index;       /* highest alternative index given by linking */
extern int32_t Nchw_Einw_Label_Width;    /* pixels, font 4096 */
extern int32_t Nchw_Group_Label_Width;
extern int32_t Nchw_Lf_Label_Width; /* also covers imperfections and "Imperfektionen" */

void Nchw_Einw_Table_Init(int32_t n);
void Nchw_Einw_Table_Add(int32_t number, const char *name, int32_t kind, int32_t psi_index,
                         int32_t setting_a, int32_t kled, int32_t setting_b);
Nchw_Einw_Row *Nchw_Einw_Table_Find(int32_t number);
void Nchw_Group_Table_Init(int32_t n);
void Nchw_Group_Table_Add(const char *name, int32_t action_row, int32_t parent_id, int32_t kind,
                          int32_t folder_id);
void Nchw_Lf_Table_Init(int32_t n);
void Nchw_Lf_Table_Add(int32_t number, const char *name, int32_t action_row, int32_t group);
Nchw_Lf_Row *Nchw_Lf_Table_Find(int32_t number);
void Nchw_Imp_Table_Init(int32_t n);
void Nchw_Imp_Table_Add(int32_t number, const char *name);
Nchw_Imp_Row *Nchw_Imp_Table_Find(int32_t number);
void Nchw_Tables_Link_Groups(void);

/* Rows in the flat load-case table (0 when it was never filled). */
int32_t Nchw_Lf_Table_Count(void);
