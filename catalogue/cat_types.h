/*
** Basic codes and records shared by the catalogues: fastener type codes, material group
** codes, load-duration classes, selection-list items, the user-defined material record and
** the message hook through which the catalogue readers report bad files.
*/
#pragma once

#include <cstdint>

/* Fastener type code, -2 .. 60 (see vbm_types.h for the table). */
typedef int32_t Vbm_Type_Code;

/* Fastener type codes by name, after the designation of Get_Vbm_Type_Name (VG full thread,
** TG partial thread). Families are asked through the predicates of vbm_types.h. */
enum : int32_t {
    VBM_OHNE_VERBUND = -2,    /* no connection */
    VBM_KLEBEVERBINDUNG = -1, /* glued connection */
    VBM_NAGEL = 0,            /* nail */
    VBM_KLAMMER = 1,          /* staple */
    VBM_DIN571_1A = 2,
    VBM_DIN571_1B = 3,
    VBM_DIN571_1C = 4, /* wood screws to DIN 571: */
    VBM_DIN571_2A = 5,
    VBM_DIN571_2B = 6,
    VBM_DIN571_2C = 7, /* withdrawal class 1..3, */
    VBM_DIN571_3A = 8,
    VBM_DIN571_3B = 9,
    VBM_DIN571_3C = 10,        /* head class A..C */
    VBM_SPAX_SENKKOPF_TG = 11, /* approved screws, first line */
    VBM_SPAX_TELLERKOPF_TG = 12,
    VBM_SPAX_SENKKOPF_VG = 13,
    VBM_ASSY_ZYLINDERKOPF_VG = 14, /* approved screws, second line */
    VBM_ASSY_SENKFRAESKOPF_VG = 15,
    VBM_SONDERNAGEL_1A = 16,
    VBM_SONDERNAGEL_1B = 17,
    VBM_SONDERNAGEL_1C = 18, /* special nails: */
    VBM_SONDERNAGEL_2A = 19,
    VBM_SONDERNAGEL_2B = 20,
    VBM_SONDERNAGEL_2C = 21, /* withdrawal class */
    VBM_SONDERNAGEL_3A = 22,
    VBM_SONDERNAGEL_3B = 23,
    VBM_SONDERNAGEL_3C = 24,    /* 1..3, head A..C */
    VBM_RINGDUEBEL_A1 = 25,     /* ring connector */
    VBM_SCHEIBENDUEBEL_C1 = 26, /* toothed-plate connectors, two-sided */
    VBM_SCHEIBENDUEBEL_C5 = 27,
    VBM_SCHEIBENDUEBEL_C10 = 28,
    VBM_STABDUEBEL = 29,        /* dowel */
    VBM_BOLZEN = 30,            /* bolt */
    VBM_SCHEIBENDUEBEL_B1 = 31, /* shear-plate connector */
    VBM_SCHEIBENDUEBEL_C2 = 32, /* toothed-plate connectors, one-sided */
    VBM_SCHEIBENDUEBEL_C11 = 33,
    VBM_SONDERNAGEL_1D = 34,
    VBM_SONDERNAGEL_1E = 35,
    VBM_SONDERNAGEL_1F = 36, /* special nails: */
    VBM_SONDERNAGEL_2D = 37,
    VBM_SONDERNAGEL_2E = 38,
    VBM_SONDERNAGEL_2F = 39, /* withdrawal class */
    VBM_SONDERNAGEL_3D = 40,
    VBM_SONDERNAGEL_3E = 41,
    VBM_SONDERNAGEL_3F = 42, /* 1..3, head D..F */
    VBM_ASSY_BENUTZER = 43,  /* user-defined screw of the second line */
    VBM_SPAX_BENUTZER = 44,  /* user-defined screw of the first line */
    VBM_SIMPSON_CNA = 45,    /* special nails with approval */
    VBM_SIMPSON_CSA = 46,
    VBM_KOMBI_SECHSKANT_VG = 47, /* approved screws, third line */
    VBM_KOMBI_SECHSKANT_TG = 48,
    VBM_RUNDKOPF_VAR_VG = 49,
    VBM_SENKKOPF_VG = 50,
    VBM_TCS_SENKKOPF_VAR_VG = 51,
    VBM_TCS_SENKKOPF_TG = 52,
    VBM_SENKKOPF_FRAES_VAR_VG = 53,
    VBM_SENKKOPF_FRAES_VG = 54,
    VBM_SENKKOPF_FRAES_TG = 55,
    VBM_TELLERKOPF_VAR_VG = 56,
    VBM_TELLERKOPF_TG = 57,
    VBM_TELLERKOPF_VG = 58,
    VBM_ZYLINDERKOPF_VG = 59,
    VBM_ZYLINDERSENKKOPF_VG = 60
};

/* Material group of a member or plate (0 softwood .. 21, -13 .. -1, -999 undefined). */
typedef int32_t Mat_Group_Code;

/* Load-duration class with which kmod is asked, 0 .. 7. */
typedef int32_t KLED;
enum {
    KLED_STAENDIG = 0,       /* permanent */
    KLED_LANG = 1,           /* long-term */
    KLED_MITTEL = 2,         /* medium-term */
    KLED_KURZ = 3,           /* short-term */
    KLED_SEHR_KURZ = 4,      /* instantaneous */
    KLED_KURZ_SEHR_KURZ = 5, /* short-term/instantaneous (mean of 3 and 4 where the annex asks) */
    KLED_AUSSERGEWOEHNLICH = 6, /* accidental, valued as 4 */
    KLED_RESERVED = 7           /* valued as 4 */
};

/* Material group codes by name. */
enum {
    MAT_NADELHOLZ = 0,
    MAT_LAUBHOLZ = 1,
    MAT_BSH_EC = 2,
    MAT_BSH_DIN = 3,
    MAT_OSB = 4,
    MAT_GIPSKARTON = 5,
    MAT_SPERRHOLZ = 6,
    MAT_SPANPLATTE = 7,
    MAT_FASERPLATTE = 8,
    MAT_FERMACELL = 9,
    MAT_KERTO_S = 10,
    MAT_KERTO_Q = 11,
    MAT_STAHLBLECH = 12,
    MAT_FURNIERSCHICHTHOLZ = 13,
    MAT_FREI = 14,
    MAT_OHNE = 15,
    MAT_ALUBLECH = 16,
    MAT_BAUBUCHE_GL75 = 17,
    MAT_BAUBUCHE_PLATTE = 18,
    MAT_STEICO_LVL = 19,
    MAT_POLLM_LVL_S = 20,
    MAT_POLLM_GLVL = 21,
    MAT_C24_DENSITY = -10,
    MAT_STEICO_GLVL = -11,
    MAT_STEICO_WALL = -12,
    MAT_STEICO_JOIST = -13,
    MAT_UNDEFINED = -999
};

/* One entry of a selection list. */
typedef struct Mat_List_Item {
    int32_t colour;   /* colour index of the GUI library */
    const char *text; /* zero-terminated text, code page 850; owned by the list */
} Mat_List_Item;

/* One entry of a coded selection list. */
typedef struct Mat_Coded_Item {
    int32_t colour;   /* colour index of the GUI library */
    const char *text; /* zero-terminated text, code page 850 */
    int32_t code;     /* the code the entry stands for */
} Mat_Coded_Item;

/* A user-defined material (group 14 "Frei", -999, or grade -999), owned by the caller. */
typedef struct User_Material {
    int32_t kind;      /* leading word: kind code of the record */
    char name[64];     /* name, code page 850, zero-terminated */
    double kmod[3][5]; /* kmod by service class 1..3 (row) and KLED 0..4 */
    double rho_k;      /* characteristic density, kg/m3 */
    double f_c90_k;    /* compressive strength perpendicular to the grain, N/mm2 */
} User_Material;

/* Receives every message of the catalogue readers (one text, code page 850, no newline).
** Without a hook the texts go to stderr. */
typedef void (*Catalogue_Msg_Hook)(const char *text);
void Catalogue_Set_Msg_Hook(Catalogue_Msg_Hook hook);
