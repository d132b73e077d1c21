/*
** Timber grade tables of the member check (EN 338, DIN 1052 tables F.5 to F.9, EN 14080,
** the old grades of DIN 1052 (1988) and veneer products), the group lookup by code range and
** the selection-list filler.
*/
#include "catalogue/mc_grades.h"

#include "foundation/codepage.h"
#include "platform/zelkwin.h"

/* ---- grade tables: E_0, E_90, G (MN/m2), rho_k (kg/m3), f_m, f_t0, f_t90, f_c0, f_c90, f_v */

/* Group 0: softwood, DIN 1052 values (f_v,k 2.0). */
static const Holzguete_Record Group0[12] = {
    // clang-format off
  {1000, "C14", 7000, 230, 440, 290, 14, 8, 0.4, 16, 2.0, 2.0},
  {1001, "C16 (S7)", 8000, 270, 500, 310, 16, 10, 0.4, 17, 2.2, 2.0},
  {1002, "C18", 9000, 300, 560, 320, 18, 11, 0.4, 18, 2.2, 2.0},
  {1003, "C20", 9500, 320, 590, 330, 20, 12, 0.4, 19, 2.3, 2.0},
  {1004, "C22", 10000, 330, 630, 340, 22, 13, 0.4, 20, 2.4, 2.0},
  {1005, "C24 (S10)", 11000, 370, 690, 350, 24, 14, 0.4, 21, 2.5, 2.0},
  {1006, "C27", 11500, 380, 720, 370, 27, 16, 0.4, 22, 2.6, 2.0},
  {1007, "C30 (S13)", 12000, 400, 750, 380, 30, 18, 0.4, 23, 2.7, 2.0},
  {1008, "C35", 13000, 430, 810, 400, 35, 21, 0.4, 25, 2.8, 2.0},
  {1009, "C40", 14000, 470, 880, 420, 40, 24, 0.4, 26, 2.9, 2.0},
  {1010, "C45", 15000, 500, 940, 440, 45, 27, 0.4, 27, 3.1, 2.0},
  {1011, "C50", 16000, 530, 1000, 460, 50, 30, 0.4, 29, 3.2, 2.0},
    // clang-format on
};

/* Group 1: hardwood, national values. */
static const Holzguete_Record Group1[8] = {
    // clang-format off
  {2000, "D30", 10000, 640, 600, 530, 30, 18, 0.5, 23, 8.0, 3.0},
  {2001, "D35", 10000, 690, 650, 560, 35, 21, 0.5, 25, 8.4, 3.4},
  {2002, "D40", 11000, 750, 700, 590, 40, 24, 0.5, 26, 8.8, 3.8},
  {2003, "D50", 14000, 930, 880, 650, 50, 30, 0.5, 29, 9.7, 4.6},
  {2004, "D60", 17000, 1130, 1060, 700, 60, 36, 0.5, 32, 10.5, 5.3},
  {2005, "D70", 20000, 1330, 1250, 900, 70, 42, 0.5, 34, 13.5, 6.0},
  {2006, "D18", 10000, 670, 630, 475, 18, 11, 0.5, 18, 7.5, 3.4},
  {2007, "D24", 11000, 730, 690, 485, 24, 14, 0.5, 21, 7.8, 4.0},
    // clang-format on
};

/* Group 2: glulam of the BS classes, national values (f_v,k 2.5). */
static const Holzguete_Record Group2[8] = {
    // clang-format off
  {3000, "GL24h (BS11)", 11600, 390, 720, 380, 24, 16.5, 0.5, 24, 2.7, 2.5},
  {3001, "GL24c (BS11)", 11600, 320, 590, 350, 24, 14, 0.5, 21, 2.4, 2.5},
  {3002, "GL28h (BS14)", 12600, 420, 780, 410, 28, 19.5, 0.5, 26.5, 3.0, 2.5},
  {3003, "GL28c (BS14)", 12600, 390, 720, 380, 28, 16.5, 0.5, 24, 2.7, 2.5},
  {3004, "GL32h (BS16)", 13700, 460, 850, 430, 32, 22.5, 0.5, 29, 3.3, 2.5},
  {3005, "GL32c (BS16)", 13700, 420, 780, 410, 32, 19.5, 0.5, 26.5, 3.0, 2.5},
  {3006, "GL36h (BS18)", 14700, 490, 910, 450, 36, 26, 0.5, 31, 3.6, 2.5},
  {3007, "GL36c (BS18)", 14700, 460, 850, 430, 36, 22.5, 0.5, 29, 3.3, 2.5},
    // clang-format on
};

/* Group 3: the old admissible-stress grades; their values live in the member check. */
static const Holzguete_Record Group3[15] = {
    // clang-format off
  {0, "S7", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},    {1, "S10", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
  {2, "S13", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},   {3, "MS7", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
  {4, "MS10", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  {5, "MS13", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
  {6, "MS17", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  {7, "BS11", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
  {8, "BS14", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  {9, "B16", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
  {10, "BS18", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {11, "LH A", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
  {12, "LH B", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {13, "LH C", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
  {14, "Kerto", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    // clang-format on
};

/* Group 4: softwood, Eurocode values (EN 338, f_v,k 3.0 to 4.0). */
static const Holzguete_Record Group4[12] = {
    // clang-format off
  {4000, "C14", 7000, 230, 440, 290, 14, 8, 0.4, 16, 2.0, 3.0},
  {4001, "C16 (S7)", 8000, 270, 500, 310, 16, 10, 0.4, 17, 2.2, 3.2},
  {4002, "C18", 9000, 300, 560, 320, 18, 11, 0.4, 18, 2.2, 3.4},
  {4003, "C20", 9500, 320, 590, 330, 20, 12, 0.4, 19, 2.3, 3.6},
  {4004, "C22", 10000, 330, 630, 340, 22, 13, 0.4, 20, 2.4, 3.8},
  {4005, "C24 (S10)", 11000, 370, 690, 350, 24, 14, 0.4, 21, 2.5, 4.0},
  {4006, "C27", 11500, 380, 720, 370, 27, 16, 0.4, 22, 2.6, 4.0},
  {4007, "C30 (S13)", 12000, 400, 750, 380, 30, 18, 0.4, 23, 2.7, 4.0},
  {4008, "C35", 13000, 430, 810, 400, 35, 21, 0.4, 25, 2.8, 4.0},
  {4009, "C40", 14000, 470, 880, 420, 40, 24, 0.4, 26, 2.9, 4.0},
  {4010, "C45", 15000, 500, 940, 440, 45, 27, 0.4, 27, 3.1, 4.0},
  {4011, "C50", 16000, 530, 1000, 460, 50, 30, 0.4, 29, 3.2, 4.0},
    // clang-format on
};

/* Group 5: hardwood, Eurocode values (EN 338). */
static const Holzguete_Record Group5[8] = {
    // clang-format off
  {5000, "D30", 11000, 730, 690, 530, 30, 18, 0.6, 23, 8.0, 4.0},
  {5001, "D35", 12000, 800, 750, 560, 35, 21, 0.6, 25, 8.1, 4.0},
  {5002, "D40", 13000, 860, 810, 590, 40, 24, 0.6, 26, 8.3, 4.0},
  {5003, "D50", 14000, 930, 880, 650, 50, 30, 0.6, 29, 9.3, 4.0},
  {5004, "D60", 17000, 1130, 1060, 700, 60, 36, 0.6, 32, 10.5, 4.5},
  {5005, "D70", 20000, 1330, 1250, 900, 70, 42, 0.6, 34, 13.5, 5.0},
  {5006, "D18", 10000, 670, 630, 475, 18, 11, 0.6, 18, 7.5, 3.4},
  {5007, "D24", 11000, 730, 690, 485, 24, 14, 0.6, 21, 7.8, 4.0},
    // clang-format on
};

/* Group 6: glulam of the BS classes, Eurocode values (f_t,90,k 0.4, f_v,k of EN 1194). */
static const Holzguete_Record Group6[8] = {
    // clang-format off
  {6000, "GL24h (BS11)", 11600, 390, 720, 380, 24, 16.5, 0.4, 24, 2.7, 2.7},
  {6001, "GL24c (BS11)", 11600, 320, 590, 350, 24, 14, 0.4, 21, 2.4, 2.2},
  {6002, "GL28h (BS14)", 12600, 420, 780, 410, 28, 19.5, 0.4, 26.5, 3.0, 3.2},
  {6003, "GL28c (BS14)", 12600, 390, 720, 380, 28, 16.5, 0.4, 24, 2.7, 2.7},
  {6004, "GL32h (BS16)", 13700, 460, 850, 430, 32, 22.5, 0.4, 29, 3.3, 3.8},
  {6005, "GL32c (BS16)", 13700, 420, 780, 410, 32, 19.5, 0.4, 26.5, 3.0, 3.2},
  {6006, "GL36h (BS18)", 14700, 490, 910, 450, 36, 26, 0.4, 31, 3.6, 4.3},
  {6007, "GL36c (BS18)", 14700, 460, 850, 430, 36, 22.5, 0.4, 29, 3.3, 3.8},
    // clang-format on
};

/* Group 7: glulam of EN 14080. */
static const Holzguete_Record Group7[14] = {
    // clang-format off
  {7000, "GL20h", 8400, 300, 650, 340, 20, 16, 0.5, 20, 2.5, 3.5},
  {7001, "GL22h", 10500, 300, 650, 370, 22, 17.6, 0.5, 22, 2.5, 3.5},
  {7002, "GL24h", 11500, 300, 650, 385, 24, 19.2, 0.5, 24, 2.5, 3.5},
  {7003, "GL26h", 12100, 300, 650, 405, 26, 20.8, 0.5, 26, 2.5, 3.5},
  {7004, "GL28h", 12600, 300, 650, 425, 28, 22.3, 0.5, 28, 2.5, 3.5},
  {7005, "GL30h", 13600, 300, 650, 430, 30, 24, 0.5, 30, 2.5, 3.5},
  {7006, "GL32h", 14200, 300, 650, 440, 32, 25.6, 0.5, 32, 2.5, 3.5},
  {7007, "GL20c", 10400, 300, 650, 355, 20, 15, 0.5, 18.5, 2.5, 3.5},
  {7008, "GL22c", 10400, 300, 650, 355, 22, 16, 0.5, 20, 2.5, 3.5},
  {7009, "GL24c", 11000, 300, 650, 365, 24, 17, 0.5, 21.5, 2.5, 3.5},
  {7010, "GL26c", 12000, 300, 650, 385, 26, 19, 0.5, 23.5, 2.5, 3.5},
  {7011, "GL28c", 12500, 300, 650, 390, 28, 19.5, 0.5, 24, 2.5, 3.5},
  {7012, "GL30c", 13000, 300, 650, 390, 30, 19.5, 0.5, 24.5, 2.5, 3.5},
  {7013, "GL32c", 13500, 300, 650, 400, 32, 19.5, 0.5, 24.5, 2.5, 3.5},
    // clang-format on
};

/* Group 8: veneer beams and veneer plywood, (w) flatwise, (s) edgewise. */
static const char *const Traeger_GL70 = "Träger GL70"_cp850;
static const Holzguete_Record Group8[7] = {
    // clang-format off
  {8000, Traeger_GL70, 16700, 470, 850, 680, 70, 55, 0.6, 49.5, 8.5, 4},
  {8001, "Pl. S 20-80 (w)", 12000, 500, 500, 600, 50, 40, 0.8, 40, 7.0, 2.5},
  {8002, "Pl. S 20-80 (s)", 12000, 500, 500, 600, 45, 40, 0.8, 40, 10.0, 4.0},
  {8003, "Pl. Q 20 (w)", 9000, 2000, 500, 600, 40, 25, 6.0, 30, 7.0, 2.0},
  {8004, "Pl. Q 20 (s)", 9000, 2000, 500, 600, 30, 25, 6.0, 30, 10.0, 4.0},
  {8005, "Pl. S 30-80 (w)", 14000, 500, 600, 650, 60, 45, 0.8, 45, 7.5, 2.8},
  {8006, "Pl. S 30-80 (s)", 14000, 500, 600, 650, 55, 45, 0.8, 45, 11.0, 4.5},
    // clang-format on
};

/* Group 9: laminated veneer lumber, (w) flatwise, (s) edgewise. */
static const Holzguete_Record Group9[6] = {
    // clang-format off
  {9000, "S 21-90 (w)", 13800, 430, 600, 480, 50, 35, 0.8, 35, 1.8, 2.3},
  {9001, "S 21-90 (s)", 13800, 430, 600, 480, 44, 35, 0.8, 35, 6.0, 4.1},
  {9002, "Q 21-24 (w)", 10000, 1200, 60, 480, 32, 19, 0.01, 19, 2.2, 1.3},
  {9003, "Q 21-24 (s)", 10000, 2000, 600, 480, 32, 19, 6.0, 19, 9.0, 4.5},
  {9004, "Q 27-75 (w)", 10500, 1200, 120, 480, 36, 26, 0.01, 26, 2.2, 1.3},
  {9005, "Q 27-75 (s)", 10500, 2400, 600, 480, 32, 26, 6.0, 26, 9.0, 4.5},
    // clang-format on
};

typedef struct Holz_Group {
    int32_t first; /* first code */
    int32_t count;
    const Holzguete_Record *rows;
    const char *name;
} Holz_Group;

static const char Name_Nadelholz[] = "Nadelholz";
static const char Name_Laubholz[] = "Laubholz";
static const char Name_BSH[] = "Brettschichtholz";

static const Holz_Group Groups[HOLZ_GROUPS] = {
    // clang-format off
  {1000, 12, Group0, Name_Nadelholz}, {2000, 8, Group1, Name_Laubholz},
  {3000, 8, Group2, Name_BSH},        {0, 15, Group3, ""},
  {4000, 12, Group4, Name_Nadelholz}, {5000, 8, Group5, Name_Laubholz},
  {6000, 8, Group6, Name_BSH},        {7000, 14, Group7, Name_BSH},
  {8000, 7, Group8, "Furnier"},       {9000, 6, Group9, "Kerto"},
    // clang-format on
};

/* ---- lookup */

int32_t Get_Holzgruppe(int32_t code)
{
    /* the ranges are tested in group order: 1000, 2000, 3000, 0-14, 4000, ... */
    for (int32_t k = 0; k < HOLZ_GROUPS; k++)
        if (code >= Groups[k].first && code < Groups[k].first + Groups[k].count) return k;
    return -1;
}

int32_t Make_Holzguete_Code(int32_t group, int32_t index)
{
    if (group < 0 || group >= HOLZ_GROUPS) return -1;
    return Groups[group].first + index;
}

const Holzguete_Record *Get_Holzguete_Record(int32_t code)
{
    const int32_t group = Get_Holzgruppe(code);
    if (group < 0) return &Group0[0];
    return &Groups[group].rows[code - Groups[group].first];
}

const char *Get_Holzguete_Name(int32_t code) { return Get_Holzguete_Record(code)->name; }

int32_t Get_Holzgruppe_Count(int32_t group)
{
    if (group < 0 || group >= HOLZ_GROUPS) return 0;
    return Groups[group].count;
}

const char *Get_Holzgruppe_Name(int32_t group)
{
    if (group < 0 || group >= HOLZ_GROUPS) return "nicht definiertes Material";
    return Groups[group].name;
}

/* ---- selection lists */

int32_t Fill_Holzguete_List(int32_t sheet, const int32_t *codes, int32_t count, int32_t current)
{
    if (!codes || count < 1) return 0;
    int32_t found = 0;
    for (int32_t i = 0; i < count; i++) {
        Fill_Stringlist_of_PS(sheet, Get_Holzguete_Name(codes[i]), BLACK_CI);
        if (codes[i] == current) found = i;
    }
    return found;
}

int32_t Get_Holzguete_Code_At(int32_t position, const int32_t *codes, int32_t count)
{
    if (!codes || position < 0 || position >= count) return 1001;
    return codes[position];
}

/* ---- the hook block of a calling program */

typedef void (*Hook_Word)(void);
static Hook_Word Hook_Block[MATERIAL_HOOK_WORDS]; /* word 0: the material callback */

void Install_Material_Hook(Material_Hook_Fn hook)
{
    Hook_Block[0] = reinterpret_cast<Hook_Word>(hook);
}

int32_t Call_Material_Hook(int32_t a, int32_t b, int32_t c, int32_t d)
{
    if (!Hook_Block[0]) return 0;
    return reinterpret_cast<Material_Hook_Fn>(Hook_Block[0])(a, b, c, d);
}

void Clear_Material_Hooks(void)
{
    for (int i = 0; i < MATERIAL_HOOK_WORDS; i++) Hook_Block[i] = nullptr;
}

int32_t Holzguete_Stub(void) { return 0; }
