/*
** Fastener type codes: names, approval texts and classification predicates.
** The type names are code page 850 texts; the class names code page 1252.
*/
#include "catalogue/vbm_types.h"

#include <cstdio>
#include <cstring>

#include "catalogue/mat_lists.h"
#include "foundation/codepage.h"
#include "nad/nad.h"

static const char Not_Defined[] = "nicht definiert";

/* ---- name tables */

/* Full designation (flag 0) and family name (flag 1, null: same) of codes -2..60. */
typedef struct Vbm_Name {
    const char *full;
    const char *family;
} Vbm_Name;

static const Vbm_Name Vbm_Names[63] = {
    // clang-format off
  {"ohne Verbund", nullptr},                                   /* -2 */
  {"Klebeverbindung", nullptr},                                /* -1 */
  {"Nagel", nullptr},                                          /* 0 */
  {"Klammer", nullptr},                                        /* 1 */
  {"DIN 571", "Holzschraube"}, {"DIN 571", "Holzschraube"}, {"DIN 571", "Holzschraube"},
  {"DIN 571", "Holzschraube"}, {"DIN 571", "Holzschraube"}, {"DIN 571", "Holzschraube"},
  {"DIN 571", "Holzschraube"}, {"DIN 571", "Holzschraube"}, {"DIN 571", "Holzschraube"}, /* 2..10 */
  {"SPAX Senkkopf Teilgewinde", nullptr},                      /* 11 */
  {"SPAX Tellerkopf Teilgewinde", nullptr},                    /* 12 */
  {"SPAX Senkkopf Vollgewinde", nullptr},                      /* 13 */
  {"ASSY-plus VG Zylinderkopf", nullptr},                      /* 14 */
  {"ASSY-plus VG Senkfräst.kopf"_cp850, nullptr},              /* 15 */
  {"Sondernagel 1A", "Sondernagel"}, {"Sondernagel 1B", "Sondernagel"},
  {"Sondernagel 1C", "Sondernagel"}, {"Sondernagel 2A", "Sondernagel"},
  {"Sondernagel 2B", "Sondernagel"}, {"Sondernagel 2C", "Sondernagel"},
  {"Sondernagel 3A", "Sondernagel"}, {"Sondernagel 3B", "Sondernagel"},
  {"Sondernagel 3C", "Sondernagel"},                           /* 16..24 */
  {"Ringdübel A1"_cp850, "Ringdübel A1/B1"_cp850},             /* 25 */
  {"Scheibendübel C1"_cp850, "Scheibendübel C1/C2"_cp850},     /* 26 */
  {"Scheibendübel C5"_cp850, nullptr},                         /* 27 */
  {"Scheibendübel C10"_cp850, "Scheibendübel C10/C11"_cp850},  /* 28 */
  {"Stabdübel"_cp850, nullptr},                                /* 29 */
  {"Bolzen", nullptr},                                         /* 30 */
  {"Scheibendübel B1"_cp850, "Scheibendübel B1/A1"_cp850},     /* 31 */
  {"Scheibendübel C2"_cp850, "Scheibendübel C2/C1"_cp850},     /* 32 */
  {"Scheibendübel C11"_cp850, "Scheibendübel C11/C10"_cp850},  /* 33 */
  {"Sondernagel 1D", "Sondernagel"}, {"Sondernagel 1E", "Sondernagel"},
  {"Sondernagel 1F", "Sondernagel"}, {"Sondernagel 2D", "Sondernagel"},
  {"Sondernagel 2E", "Sondernagel"}, {"Sondernagel 2F", "Sondernagel"},
  {"Sondernagel 3D", "Sondernagel"}, {"Sondernagel 3E", "Sondernagel"},
  {"Sondernagel 3F", "Sondernagel"},                           /* 34..42 */
  {"ASSY benutzerdefiniert", nullptr},                         /* 43 */
  {"SPAX benutzerdefiniert", nullptr},                         /* 44 */
  {"Simpson CNA", nullptr},                                    /* 45 */
  {"Simpson CSA", nullptr},                                    /* 46 */
  {"Kombisechskantkopf Vollgewinde", nullptr},                 /* 47 */
  {"Kombisechskantkopf Teilgewinde", nullptr},                 /* 48 */
  {"Rundkopf Var. Vollgewinde", nullptr},                      /* 49 */
  {"Senkkopf Vollgewinde", nullptr},                           /* 50 */
  {"TCS Senkkopf Var. Vollgewinde", nullptr},                  /* 51 */
  {"TCS Senkkopf Teilgewinde", nullptr},                       /* 52 */
  {"Senkkopf Fräst. Var. Vollgew."_cp850, nullptr},            /* 53 */
  {"Senkkopf Fräst. Vollgewinde"_cp850, nullptr},              /* 54 */
  {"Senkkopf Fräst. Teilgewinde"_cp850, nullptr},              /* 55 */
  {"Tellerkopf Var. Vollgewinde", nullptr},                    /* 56 */
  {"Tellerkopf Teilgewinde", nullptr},                         /* 57 */
  {"Tellerkopf Vollgewinde", nullptr},                         /* 58 */
  {"Zylinderkopf Vollgewinde", nullptr},                       /* 59 */
  {"Zylindersenkkopf Vollgewinde", nullptr},                   /* 60 */
    // clang-format on
};

/* The same texts in code page 1252 for the class names (codes -2..46). */
static const Vbm_Name Vbm_Class_Names_1252[] = {
    // clang-format off
  {"Ringdübel A1"_cp1252, "Ringdübel A1/B1"_cp1252},
  {"Scheibendübel C1"_cp1252, "Scheibendübel C1/C2"_cp1252},
  {"Scheibendübel C5"_cp1252, nullptr},
  {"Scheibendübel C10"_cp1252, "Scheibendübel C10/C11"_cp1252},
  {"Stabdübel"_cp1252, nullptr},
  {"Bolzen", nullptr},
  {"Scheibendübel B1"_cp1252, "Scheibendübel B1/A1"_cp1252},
  {"Scheibendübel C2"_cp1252, "Scheibendübel C2/C1"_cp1252},
  {"Scheibendübel C11"_cp1252, "Scheibendübel C11/C10"_cp1252},
    // clang-format on
};

static const char *const Screw_Class_Names[9] = {"Schraube 1A", "Schraube 1B", "Schraube 1C",
                                                 "Schraube 2A", "Schraube 2B", "Schraube 2C",
                                                 "Schraube 3A", "Schraube 3B", "Schraube 3C"};

/* One buffer per code, so a name stays valid until the next call for the same code. */
static char Vbm_Name_Buffers[63][50];

const char *Get_Vbm_Type_Name(Vbm_Type_Code code, int32_t flag)
{
    if (code < -2 || code > 60) return Not_Defined;
    const Vbm_Name *n = &Vbm_Names[code + 2];
    const char *text = (flag == 1 && n->family) ? n->family : n->full;
    char *buf = Vbm_Name_Buffers[code + 2];
    snprintf(buf, sizeof Vbm_Name_Buffers[0], "%s", text);
    return buf;
}

const char *Get_Vbm_Class_Name(Vbm_Type_Code code, int32_t flag)
{
    if (code < -2 || code > 46) return Not_Defined;
    if (code >= 2 && code <= 10) return flag == 1 ? "Holzschraube" : Screw_Class_Names[code - 2];
    if (code >= 25 && code <= 33) {
        const Vbm_Name *n = &Vbm_Class_Names_1252[code - 25];
        return (flag == 1 && n->family) ? n->family : n->full;
    }
    /* Every other name of the range is plain ASCII and equal in both code pages
  ** except 15, whose "ä" differs. */
    if (code == 15) return "ASSY-plus VG Senkfräst.kopf"_cp1252;
    const Vbm_Name *n = &Vbm_Names[code + 2];
    return (flag == 1 && n->family) ? n->family : n->full;
}

const char *Get_Vbm_Approval_Text(Vbm_Type_Code code)
{
    static char buf[32];
    const int en = Nad_Params != nullptr;
    const char *text = nullptr;
    switch (code) {
    case 11:
    case 12: text = ", ABZ-9.1-449"; break;
    case 13: text = en ? ", ETA-12/0114" : ", ABZ-9.1-519"; break;
    case 14:
    case 15: text = en ? ", ETA-11/0190" : ", Z-9.1-614"; break;
    case 45:
    case 46: text = en ? ", ETA-04/0013" : nullptr; break;
    default: break;
    }
    if (!text) return "";
    snprintf(buf, sizeof buf, "%s", text);
    return buf;
}

/* Copy src to dst (size n) without its trailing blanks. */
static void Copy_Trimmed(char *dst, size_t n, const char *src)
{
    snprintf(dst, n, "%s", src);
    size_t len = strlen(dst);
    while (len > 0 && dst[len - 1] == ' ') dst[--len] = '\0';
}

const char *Get_Material_Name_Or_Custom(Mat_Group_Code group, int32_t grade,
                                        const User_Material *custom)
{
    static char buf[128];
    if (group != -999 && group != 14 && grade != -999) return Get_Material_Name(group, grade);
    if (!custom) return nullptr;
    char name[sizeof custom->name + 1];
    memcpy(name, custom->name, sizeof custom->name);
    name[sizeof custom->name] = '\0'; /* a record without terminator stays bounded */
    char trimmed[sizeof name];
    Copy_Trimmed(trimmed, sizeof trimmed, name);
    char whole[sizeof buf];
    snprintf(whole, sizeof whole, "%s (benutzerdefiniert)", trimmed);
    Copy_Trimmed(buf, sizeof buf, whole);
    return buf;
}

/* ---- fastener predicates */

int32_t Is_Vbm_Full_Thread_Screw(Vbm_Type_Code c, int32_t thread_43, int32_t thread_44)
{
    switch (c) {
    case 13:
    case 14:
    case 15:
    case 47:
    case 49:
    case 50:
    case 51:
    case 53:
    case 54:
    case 56:
    case 58:
    case 59:
    case 60: return 1;
    case 43: return thread_43 >= 1 && thread_43 <= 3;
    case 44: return thread_44 == 1 || thread_44 == 2;
    default: return 0;
    }
}

int32_t Is_Vbm_Countersunk_Head(Vbm_Type_Code c, int32_t head)
{
    switch (c) {
    case 11:
    case 13:
    case 15:
    case 50:
    case 51:
    case 53:
    case 54:
    case 55:
    case 60: return 1;
    case 43: return static_cast<uint32_t>(head) < 4u;
    case 44: return head == 2 || head == 4;
    default: return 0;
    }
}

Vbm_Type_Code Map_Screw_To_Rule_Type(Vbm_Type_Code code, double d_mm)
{
    if (!Is_Vbm_Screw(code)) return code;
    return d_mm > 6.001 ? 30 : 0;
}
