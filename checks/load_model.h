/*
** The load model's load-case folders and load cases, as far as the coefficient lookups of the
** bridge load groups read them: a folder has a kind (1 alternative group, 101 + n the bridge
** load group n), a load case belongs to at most one folder.
*/
#pragma once

#include <cstdint>

typedef struct Lf_Ordner_Rec {
    int32_t id;   /* folder id */
    int32_t kind; /* 1 alternative group, 101..127 bridge load groups, else ordinary */
    char name[32];
    struct Lf_Ordner_Rec *next;
} Lf_Ordner_Rec;

/* An action of the load model (kind and psi index as in the flat action table). */
typedef struct Einwirkung_Rec {
    int32_t number;
    char name[32];
    int32_t kind;      /* 1..5, 99 accidental, 100 earthquake */
    int32_t psi_index; /* 0-based, 0..10 */
    int32_t kled;      /* load-duration class 0..4 */
    struct Einwirkung_Rec *next;
} Einwirkung_Rec;

typedef struct Lastfall_Rec {
    int32_t number; /* load-case number */
    char name[32];
    Lf_Ordner_Rec *folder;  /* null: not in a folder */
    Einwirkung_Rec *action; /* null: the load model's first action */
    struct Lastfall_Rec *next;
} Lastfall_Rec;

extern Lf_Ordner_Rec *Lf_Ordner_List;
extern Lastfall_Rec *Lastfall_List;
extern Einwirkung_Rec *Einwirkung_List;

/* One entry of the factor list: load case, factor a, factor b, product a x b. */
typedef struct Lf_Factor_Entry {
    int32_t number;
    double a, b, product;
} Lf_Factor_Entry;

typedef struct Lf_Factor_List {
    int32_t count; /* active load cases (entries) */
    int32_t mode;  /* mode word */
    Lf_Factor_Entry *entries;
} Lf_Factor_List;

/* The editor's working list: one entry per load case of the flat table, and the active flags. */
extern Lf_Factor_List Lf_Factor_Work;
/* 1: a factor list asked for without input comes from Build_Lastfall_Faktoren. */
extern int32_t Lf_Factor_Source_Switch;

Einwirkung_Rec *New_Einwirkung(int32_t number, const char *name, int32_t kind, int32_t psi_index,
                               int32_t kled);
/* Copy actions, folders and load cases into the flat design-check tables and link them; the
** callback, when given, is called once per load case exported. */
void Export_Einw_To_Nchw_Tables(void (*per_load_case)(const Lastfall_Rec *lf));
/* One entry per load case of the flat table; with input the entries of equal numbers are taken. */
int Init_Lf_Factor_List(const Lf_Factor_List *input);
/* A new list of the active load cases with their factors; the old one is released. */
Lf_Factor_List *Get_Lf_Factor_List(Lf_Factor_List *old);
void Free_Lf_Factor_List(Lf_Factor_List *list);

/* Append a folder or a load case; null when memory runs out. */
Lf_Ordner_Rec *New_Lf_Ordner(int32_t id, int32_t kind, const char *name);
Lastfall_Rec *New_Lastfall(int32_t number, const char *name, Lf_Ordner_Rec *folder);
/* Release all actions, folders and load cases. */
void Free_Load_Model(void);

int32_t Count_Lastfaelle_Of_Ordner_Kind(int32_t kind);
int32_t Count_Lf_Ordner_Of_Kind(int32_t kind);
/* Replace every apostrophe of the text by a backquote, in place. */
void Quote_To_Backquote(char *text);
