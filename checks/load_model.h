/*
** The load model's load-case folders and load cases, as far as the coefficient lookups of the
** bridge load groups read them: a folder has a kind (1 alternative group, 101 + n the bridge
** load group n), a load case belongs to at most one folder.
*/
#pragma once

#include <cstdint>

typedef struct Lf_Ordner_Rec {
    int32_t id;                 /* folder id */
    int32_t kind;               /* 1 alternative group, 101..127 bridge load groups, else ordinary */
    char name[32];
    struct Lf_Ordner_Rec *next;
} Lf_Ordner_Rec;

typedef struct Lastfall_Rec {
    int32_t number;             /* load-case number */
    char name[32];
    Lf_Ordner_Rec *folder;      /* null: not in a folder */
    struct Lastfall_Rec *next;
} Lastfall_Rec;

extern Lf_Ordner_Rec *Lf_Ordner_List;
extern Lastfall_Rec *Lastfall_List;

/* Append a folder or a load case; null when memory runs out. */
Lf_Ordner_Rec *New_Lf_Ordner(int32_t id, int32_t kind, const char *name);
Lastfall_Rec *New_Lastfall(int32_t number, const char *name, Lf_Ordner_Rec *folder);
/* Release all folders and load cases. */
void Free_Load_Model(void);

int32_t Count_Lastfaelle_Of_Ordner_Kind(int32_t kind);
int32_t Count_Lf_Ordner_Of_Kind(int32_t kind);
/* Replace every apostrophe of the text by a backquote, in place. */
void Quote_To_Backquote(char *text);
