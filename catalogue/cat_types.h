/*
** Basic codes and records shared by the catalogues: fastener type codes, material group
** codes, load-duration classes, selection-list items, the user-defined material record and
** the message hook through which the catalogue readers report bad files.
*/
#pragma once

#include <cstdint>

/* Fastener type code, -2 .. 60 (see vbm_types.h for the table). */
typedef int32_t Vbm_Type_Code;

/* Material group of a member or plate (0 softwood .. 21, -13 .. -1, -999 undefined). */
typedef int32_t Mat_Group_Code;

/* Load-duration class with which kmod is asked, 0 .. 7. */
typedef int32_t KLED;
enum {
  KLED_STAENDIG = 0,        /* permanent */
  KLED_LANG = 1,            /* long-term */
  KLED_MITTEL = 2,          /* medium-term */
  KLED_KURZ = 3,            /* short-term */
  KLED_SEHR_KURZ = 4,       /* instantaneous */
  KLED_KURZ_SEHR_KURZ = 5,  /* short-term/instantaneous (mean of 3 and 4 where the annex asks) */
  KLED_AUSSERGEWOEHNLICH = 6, /* accidental, valued as 4 */
  KLED_RESERVED = 7         /* valued as 4 */
};

/* Material group codes by name. */
enum {
  MAT_NADELHOLZ = 0, MAT_LAUBHOLZ = 1, MAT_BSH_EC = 2, MAT_BSH_DIN = 3, MAT_OSB = 4,
  MAT_GIPSKARTON = 5, MAT_SPERRHOLZ = 6, MAT_SPANPLATTE = 7, MAT_FASERPLATTE = 8,
  MAT_FERMACELL = 9, MAT_KERTO_S = 10, MAT_KERTO_Q = 11, MAT_STAHLBLECH = 12,
  MAT_FURNIERSCHICHTHOLZ = 13, MAT_FREI = 14, MAT_OHNE = 15, MAT_ALUBLECH = 16,
  MAT_BAUBUCHE_GL75 = 17, MAT_BAUBUCHE_PLATTE = 18, MAT_STEICO_LVL = 19,
  MAT_POLLM_LVL_S = 20, MAT_POLLM_GLVL = 21,
  MAT_C24_DENSITY = -10, MAT_STEICO_GLVL = -11, MAT_STEICO_WALL = -12, MAT_STEICO_JOIST = -13,
  MAT_UNDEFINED = -999
};

/* One entry of a selection list. */
typedef struct Mat_List_Item {
  int32_t colour;           /* colour index of the GUI library */
  const char *text;         /* zero-terminated text, code page 850; owned by the list */
} Mat_List_Item;

/* One entry of a coded selection list. */
typedef struct Mat_Coded_Item {
  int32_t colour;           /* colour index of the GUI library */
  const char *text;         /* zero-terminated text, code page 850 */
  int32_t code;             /* the code the entry stands for */
} Mat_Coded_Item;

/* A user-defined material (group 14 "Frei", -999, or grade -999), owned by the caller. */
typedef struct User_Material {
  int32_t kind;             /* leading word: kind code of the record */
  char name[64];            /* name, code page 850, zero-terminated */
  double kmod[3][5];        /* kmod by service class 1..3 (row) and KLED 0..4 */
  double rho_k;             /* characteristic density, kg/m3 */
  double f_c90_k;           /* compressive strength perpendicular to the grain, N/mm2 */
} User_Material;

/* Receives every message of the catalogue readers (one text, code page 850, no newline).
** Without a hook the texts go to stderr. */
typedef void (*Catalogue_Msg_Hook)(const char *text);
void Catalogue_Set_Msg_Hook(Catalogue_Msg_Hook hook);
