/*
** Steel grades: the Eurocode and DIN tables of 44 grades (EN 10025, EN 10149, EN 10346,
** bolt classes, DIN 1052 values), their fallback records and the list of user-defined grades.
** Strengths in N/mm2, thicknesses in mm.
*/
#include "catalogue/stguete.h"

#include <cstring>
#include <initializer_list>

#include "foundation/memory.h"

static const char Unknown_Name[] = "?????";

/* name, fy1, fy2, t1, t2, fu, fu2, alpha_w of the Eurocode table; E, G, nu, alpha_T are common.
** fu2 is the tensile strength above t1, from EN 1993-1-1, Table 3.1 where the grade stands there
** (never above fu), else fu. */
typedef struct Steel_Row {
    const char *name;
    double fy1, fy2, t1, t2, fu, fu2, alpha_w;
} Steel_Row;

static const Steel_Row Steel_EC[44] = {
    // clang-format off
  {"S235JR (St37-2)", 235, 215, 40, 100, 360, 360, 0.95}, {"S235JRG1 (USt37-2)", 235, 215, 40, 100, 360, 360, 0.95},
  {"S235JRG2 (RSt37-2)", 235, 215, 40, 100, 360, 360, 0.95}, {"S235J0 (St37-3)", 235, 215, 40, 100, 360, 360, 0.95},
  {"S355J0 (St52-3)", 355, 335, 40, 80, 490, 470, 0.8}, {"S235", 235, 215, 40, 100, 360, 360, 0.95},
  {"S275", 275, 255, 40, 80, 410, 410, 0.95}, {"S355", 355, 335, 40, 80, 490, 470, 0.8},
  {"S275 N/NL", 275, 255, 40, 80, 370, 370, 0.95}, {"S275 M/ML", 275, 255, 40, 80, 370, 360, 0.95},
  {"S355 N/NL", 355, 335, 40, 80, 470, 470, 0.8}, {"S355 M/ML", 355, 335, 40, 80, 450, 450, 0.8},
  {"S460 N/NL", 460, 430, 40, 80, 540, 540, 0.6}, {"S460 M/ML", 460, 430, 40, 80, 530, 530, 0.6},
  {"S 240 GP", 240, 215, 40, 80, 340, 340, 0.95}, {"S 270 GP", 270, 250, 40, 80, 410, 410, 0.95},
  {"S 320 GP", 320, 295, 40, 80, 440, 440, 0.95}, {"S 355 GP", 355, 330, 40, 80, 480, 480, 0.8},
  {"S 390 GP", 390, 365, 40, 80, 490, 490, 0.8}, {"S 430 GP", 430, 400, 40, 80, 510, 510, 0.6},
  {"St Sp 460", 460, 430, 40, 80, 550, 550, 0.6}, {"St Sp 500", 500, 460, 40, 80, 590, 590, 0.6},
  {"FK 3.6", 180, 180, 80, 80, 300, 300, 0.6}, {"FK 4.6", 240, 240, 80, 80, 400, 400, 0.6},
  {"FK 4.8", 320, 320, 80, 80, 400, 400, 0.6}, {"FK 5.6", 300, 300, 80, 80, 500, 500, 0.6},
  {"FK 5.8", 400, 400, 80, 80, 500, 500, 0.6}, {"FK 8.8", 640, 640, 80, 80, 800, 800, 0.6},
  {"FK 10.9", 900, 900, 80, 80, 1000, 1000, 0.6}, {"S235 (1052)", 240, 215, 40, 100, 360, 360, 0.95},
  {"S275 (1052)", 275, 255, 40, 80, 430, 410, 0.95}, {"S355 (1052)", 360, 335, 40, 80, 510, 470, 0.8},
  {"S450", 440, 410, 40, 80, 550, 550, 0.6}, {"S420 N/NL", 420, 390, 40, 80, 520, 520, 0.6},
  {"S420 M/ML", 420, 390, 40, 80, 520, 500, 0.6}, {"S220GD", 220, 220, 40, 100, 300, 300, 0.6},
  {"S250GD", 250, 250, 40, 100, 330, 330, 0.6}, {"S280GD", 280, 280, 40, 100, 360, 360, 0.6},
  {"S320GD", 320, 320, 40, 100, 390, 390, 0.6}, {"S350GD", 350, 350, 40, 100, 420, 420, 0.6},
  {"S390GD", 390, 390, 40, 100, 460, 460, 0.6}, {"S420GD", 420, 420, 40, 100, 480, 480, 0.6},
  {"S450GD", 450, 450, 40, 100, 510, 510, 0.6}, {"S550GD", 550, 550, 40, 100, 560, 560, 0.6},
    // clang-format on
};

static Stahlguete Table_EC[44], Table_DIN[44], Fallback_EC, Fallback_DIN;
static int Tables_Built = 0;

/* User list. */
static Stahlguete *User_Rows = nullptr;
static int32_t User_Count = 0, User_Capacity = 0, User_Last = 0;

static void Fill_Row(Stahlguete *s, uint32_t code, const Steel_Row *r)
{
    s->code = code;
    s->name = r->name;
    s->E = 210000.0;
    s->G = 81000.0;
    s->nu = 0.3;
    s->alpha_T = 1.2e-05;
    s->fy1 = r->fy1;
    s->fy2 = r->fy2;
    s->t1 = r->t1;
    s->t2 = r->t2;
    s->fu = r->fu;
    s->fu2 = r->fu2;
    s->alpha_w = r->alpha_w;
}

static void Build_Tables(void)
{
    if (Tables_Built) return;
    for (uint32_t i = 0; i < 44; i++) {
        Fill_Row(&Table_EC[i], i, &Steel_EC[i]);
        Fill_Row(&Table_DIN[i], i, &Steel_EC[i]);
    }
    /* DIN 1052 / DIN 18800 yield strengths and names */
    for (int i : {0, 1, 2, 3, 5}) Table_DIN[i].fy1 = 240.0;
    for (int i : {4, 7, 10, 11}) Table_DIN[i].fy1 = 360.0;
    Table_DIN[5].name = "S235 (St37)";
    Table_DIN[6].name = "S275 (St44)";
    Table_DIN[7].name = "S355 (St52)";
    Fallback_EC = Table_EC[5];
    Fallback_EC.code = 44;
    Fallback_EC.name = Unknown_Name;
    Fallback_DIN = Table_DIN[5];
    Fallback_DIN.code = 44;
    Fallback_DIN.name = Unknown_Name;
    Tables_Built = 1;
}

static int Is_Ec(uint32_t code) { return (code >> 16) == 1u; }

/* Index of a user code in the list, or -1. */
static int32_t Find_User(uint32_t code)
{
    const uint32_t key = (code & 0x7FFFu) | STAHL_USER_BIT;
    if (User_Last >= 0 && User_Last < User_Count && User_Rows[User_Last].code == key)
        return User_Last;
    for (int32_t i = 0; i < User_Count; i++)
        if (User_Rows[i].code == key) {
            User_Last = i;
            return i;
        }
    return -1;
}

/* The record of a code, or null when the code is unknown. */
static const Stahlguete *Lookup(uint32_t code)
{
    Build_Tables();
    if (code & STAHL_USER_BIT) {
        const int32_t i = Find_User(code);
        return i >= 0 ? &User_Rows[i] : nullptr;
    }
    const uint32_t index = code & 0xFFFFu;
    if (index > 43) return nullptr;
    return Is_Ec(code) ? &Table_EC[index] : &Table_DIN[index];
}

const Stahlguete *Get_Stahlguete_Fallback(int32_t which)
{
    Build_Tables();
    return which == 1 ? &Fallback_EC : &Fallback_DIN;
}

const Stahlguete *Get_Stahlguete(uint32_t code)
{
    const Stahlguete *s = Lookup(code);
    return s ? s : Get_Stahlguete_Fallback(Is_Ec(code));
}

const char *Get_Stahlguete_Name(uint32_t code)
{
    const Stahlguete *s = Lookup(code);
    return (s && s->name) ? s->name : Unknown_Name;
}

double Get_Stahlguete_Fy(uint32_t code, double t)
{
    const Stahlguete *s = Get_Stahlguete(code);
    return t <= s->t1 ? s->fy1 : s->fy2;
}

double Get_Stahlguete_Fu(uint32_t code, double t)
{
    const Stahlguete *s = Get_Stahlguete(code);
    return t <= s->t1 ? s->fu : s->fu2;
}

double Get_Stahlguete_E_G(uint32_t code, double *G)
{
    const Stahlguete *s = Get_Stahlguete(code);
    if (G) *G = s->G;
    return s->E;
}

int32_t Calc_Stahlguete_Design_Stresses(uint32_t code, double t, double gamma, double *out)
{
    if (!out) return 0;
    const Stahlguete *known = Lookup(code);
    const double f = Get_Stahlguete_Fy(code, t);
    if (gamma == 0.0) {
        out[0] = out[1] = out[2] = out[3] = 0.0;
    } else {
        out[0] = out[1] = out[3] = f / gamma;
        out[2] = f / (gamma * 1.7320508075688772); /* shear: fy / (gamma sqrt 3) */
    }
    return known != nullptr;
}

uint32_t Get_Code_At(int32_t index, const uint32_t *codes, int32_t count)
{
    if (!codes || index < 0 || index >= count) return 5u;
    return codes[index];
}

/* ---- user list */

static void Free_Name(Stahlguete *s)
{
    if (s->name && s->name != Unknown_Name)
        Dbg_Free("stguete", __LINE__, "stguete", const_cast<char *>(s->name));
    s->name = Unknown_Name;
}

uint32_t Add_User_Stahlguete(const Stahlguete *record)
{
    if (!record) return 0;
    Build_Tables();
    /* copy first: the record may be a row of the list itself, which the growth can move */
    Stahlguete in = *record;
    const uint32_t key = (in.code & 0x7FFFu) | STAHL_USER_BIT;
    int32_t i = Find_User(key);
    if (i < 0 && User_Count == User_Capacity) {
        void *p = Dbg_Realloc("stguete", __LINE__, "stguete", User_Rows,
                              sizeof(Stahlguete) * static_cast<size_t>(User_Capacity + 10));
        if (!p) return 0;
        User_Rows = static_cast<Stahlguete *>(p);
        User_Capacity += 10;
    }
    const char *copy = in.name ? Dbg_Strdup("stguete", __LINE__, "stguete", in.name) : nullptr;
    if (i < 0) {
        i = User_Count++;
        User_Rows[i].name = Unknown_Name;
    }
    Stahlguete *s = &User_Rows[i];
    Free_Name(s);
    *s = in;
    s->code = key;
    s->name = copy ? copy : Unknown_Name;
    return key;
}

int32_t Remove_User_Stahlguete(uint32_t code)
{
    if (User_Count == 0) return 0;
    const int32_t i = Find_User(code);
    if (i < 0) return 0;
    Free_Name(&User_Rows[i]);
    memmove(&User_Rows[i], &User_Rows[i + 1],
            sizeof(Stahlguete) * static_cast<size_t>(User_Count - i - 1));
    User_Count--;
    User_Last = 0;
    return 1;
}

void Clear_User_Stahlgueten(void)
{
    for (int32_t i = 0; i < User_Count; i++) Free_Name(&User_Rows[i]);
    User_Count = 0;
    User_Last = 0;
}

int32_t Get_User_Stahlguete_Count(void) { return User_Count; }

const Stahlguete *Get_User_Stahlguete_At(int32_t index)
{
    if (index < 0 || index >= User_Count) return Get_Stahlguete_Fallback(1);
    return &User_Rows[index];
}
