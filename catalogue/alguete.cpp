/*
** Aluminium grades: the wrought alloys and tempers of EN 1999-1-1 Tables 3.2a (sheet, strip,
** plate), 3.2b (extrusions) and 3.3 (forgings) with thickness range, f0, fu, A50 and the
** heat-affected-zone values; and the list of user-defined grades, which owns its texts.
** Strengths in N/mm2, thicknesses in mm.
*/
#include "catalogue/alguete.h"

#include <cstring>

#include "foundation/memory.h"

static const char Unknown_Text[] = "?????";

/* Row values without the common E, G, nu and alpha_T. */
typedef struct Alu_Row {
    const char *name, *alloy, *temper;
    double t_from, t_to, f0, fu, A50, fo_haz, fu_haz, rho_o_haz, rho_u_haz;
    const char *buckling_class;
    double n;
} Alu_Row;

/* The sign <= of the names is the display font's byte 0xF3. */
static const Alu_Row Alu_Rows[ALU_GRADE_COUNT] = {
    // clang-format off
  {"3004 H14", "3004", "H14", 0, 6, 180, 220, 1, 75, 155, 0.42, 0.7, "B", 23}, /* 0 */
  {"3004 H24/H34", "3004", "H24/H34", 0, 3, 170, 220, 3, 75, 155, 0.44, 0.7, "B", 18}, /* 1 */
  {"3004 H16", "3004", "H16", 0, 4, 200, 240, 1, 75, 155, 0.38, 0.65, "B", 25}, /* 2 */
  {"3004 H26/H36", "3004", "H26/H36", 0, 3, 190, 240, 3, 75, 155, 0.39, 0.65, "B", 20}, /* 3 */
  {"3005 H14", "3005", "H14", 0, 6, 150, 170, 1, 56, 115, 0.37, 0.68, "B", 38}, /* 4 */
  {"3005 H24", "3005", "H24", 0, 3, 130, 170, 4, 56, 115, 0.43, 0.68, "B", 18}, /* 5 */
  {"3005 H16", "3005", "H16", 0, 4, 175, 195, 1, 56, 115, 0.32, 0.59, "B", 43}, /* 6 */
  {"3005 H26", "3005", "H26", 0, 3, 160, 195, 3, 56, 115, 0.35, 0.59, "B", 24}, /* 7 */
  {"3103 H14", "3103", "H14", 0, 25, 120, 140, 2, 44, 90, 0.37, 0.64, "B", 31}, /* 8 */
  {"3103 H24", "3103", "H24", 0, 12.5, 110, 140, 4, 44, 90, 0.4, 0.64, "B", 20}, /* 9 */
  {"3103 H16", "3103", "H16", 0, 4, 145, 160, 1, 44, 90, 0.3, 0.56, "B", 48}, /* 10 */
  {"3103 H26", "3103", "H26", 0, 4, 135, 160, 3, 44, 90, 0.33, 0.56, "B", 28}, /* 11 */
  {"5005 O/H111", "5005", "O/H111", 0, 50, 35, 100, 15, 35, 100, 1, 1, "B", 5}, /* 12 */
  {"5005 H12", "5005", "H12", 0, 12.5, 95, 125, 2, 44, 100, 0.46, 0.8, "B", 18}, /* 13 */
  {"5005 H22/H32", "5005", "H22/H32", 0, 12.5, 80, 125, 4, 44, 100, 0.55, 0.8, "B", 11}, /* 14 */
  {"5005 H14", "5005", "H14", 0, 12.5, 120, 145, 2, 44, 100, 0.37, 0.69, "B", 25}, /* 15 */
  {"5005 H24/H34", "5005", "H24/H34", 0, 12.5, 110, 145, 3, 44, 100, 0.4, 0.69, "B", 17}, /* 16 */
  {"5052 H12", "5052", "H12", 0, 40, 160, 210, 4, 80, 170, 0.5, 0.81, "B", 17}, /* 17 */
  {"5052 H22/H32", "5052", "H22/H32", 0, 40, 130, 210, 5, 80, 170, 0.62, 0.81, "B", 10}, /* 18 */
  {"5052 H14", "5052", "H14", 0, 25, 180, 230, 3, 80, 170, 0.44, 0.74, "B", 19}, /* 19 */
  {"5052 H24/H34", "5052", "H24/H34", 0, 25, 150, 230, 4, 80, 170, 0.53, 0.74, "B", 11}, /* 20 */
  {"5049 O/H111", "5049", "O/H111", 0, 100, 80, 190, 12, 80, 190, 1, 1, "B", 6}, /* 21 */
  {"5049 H14", "5049", "H14", 0, 25, 190, 240, 3, 100, 190, 0.53, 0.79, "B", 20}, /* 22 */
  {"5049 H24/H34", "5049", "H24/H34", 0, 25, 160, 240, 6, 100, 190, 0.63, 0.79, "B", 12}, /* 23 */
  {"5454 O/H111", "5454", "O/H111", 0, 80, 85, 215, 12, 85, 215, 1, 1, "B", 5}, /* 24 */
  {"5454 H14", "5454", "H14", 0, 25, 220, 270, 2, 105, 215, 0.48, 0.8, "B", 22}, /* 25 */
  {"5454 H24/H34", "5454", "H24/H34", 0, 25, 200, 270, 4, 105, 215, 0.53, 0.8, "B", 15}, /* 26 */
  {"5754 O/H111", "5754", "O/H111", 0, 100, 80, 190, 12, 80, 190, 1, 1, "B", 6}, /* 27 */
  {"5754 H14", "5754", "H14", 0, 25, 190, 240, 3, 100, 190, 0.53, 0.79, "B", 20}, /* 28 */
  {"5754 H24/H34", "5754", "H24/H34", 0, 25, 160, 240, 6, 100, 190, 0.63, 0.79, "B", 12}, /* 29 */
  {"5083 O/H111 \xF3" " 50", "5083", "O/H111", 0, 50, 125, 275, 11, 125, 275, 1, 1, "B", 6}, /* 30 */
  {"5083 O/H111 > 50", "5083", "O/H111", 50.001, 80, 115, 270, 14, 0, 0, 0, 0, "B", 0}, /* 31 */
  {"5083 H12", "5083", "H12", 0, 40, 250, 305, 5, 155, 275, 0.62, 0.9, "B", 16}, /* 32 */
  {"5083 H22/H32", "5083", "H22/H32", 0, 40, 215, 305, 8, 155, 275, 0.72, 0.9, "B", 12}, /* 33 */
  {"5083 H14", "5083", "H14", 0, 25, 280, 340, 4, 155, 275, 0.55, 0.81, "B", 20}, /* 34 */
  {"5083 H24/H34", "5083", "H24/H34", 0, 25, 250, 340, 6, 155, 275, 0.62, 0.81, "B", 14}, /* 35 */
  {"6061 T4/T451", "6061", "T4/T451", 0, 12.5, 110, 205, 12, 95, 150, 0.86, 0.73, "B", 8}, /* 36 */
  {"6061 T6/T651", "6061", "T6/T651", 0, 12.5, 240, 290, 6, 115, 175, 0.48, 0.6, "A", 23}, /* 37 */
  {"6061 T651", "6061", "T651", 12.501, 80, 240, 290, 6, 115, 175, 0.48, 0.6, "A", 23}, /* 38 */
  {"6082 T4/T451", "6082", "T4/T451", 0, 12.5, 110, 205, 12, 100, 160, 0.91, 0.78, "B", 8}, /* 39 */
  {"6082 T61/T6151", "6082", "T61/T6151", 0, 12.5, 205, 280, 10, 125, 185, 0.61, 0.66, "A", 15}, /* 40 */
  {"6082 T6151", "6082", "T6151", 12.501, 100, 200, 275, 12, 125, 185, 0.63, 0.67, "A", 14}, /* 41 */
  {"6082 T6/T651 (0..6 mm)", "6082", "T6/T651", 0, 6, 260, 310, 6, 0, 0, 0, 0, "A", 0}, /* 42 */
  {"6082 T6/T651 (6.001..12.5 mm)", "6082", "T6/T651", 6.001, 12.5, 255, 300, 9, 125, 185, 0.49, 0.62, "A", 27}, /* 43 */
  {"6082 T651", "6082", "T651", 12.501, 100, 240, 295, 7, 125, 185, 0.52, 0.63, "A", 21}, /* 44 */
  {"7020 T6", "7020", "T6", 0, 12.5, 280, 350, 7, 205, 280, 0.73, 0.8, "A", 19}, /* 45 */
  {"7020 T651", "7020", "T651", 12.501, 40, 280, 350, 9, 205, 280, 0.73, 0.8, "A", 19}, /* 46 */
  {"8011A H14", "8011A", "H14", 0, 12.5, 110, 125, 2, 37, 85, 0.34, 0.68, "B", 37}, /* 47 */
  {"8011A H24", "8011A", "H24", 0, 12.5, 100, 125, 3, 37, 85, 0.37, 0.68, "B", 25}, /* 48 */
  {"8011A H16", "8011A", "H16", 0, 4, 130, 145, 1, 37, 85, 0.28, 0.59, "B", 33}, /* 49 */
  {"8011A H26", "8011A", "H26", 0, 4, 120, 145, 2, 37, 85, 0.31, 0.59, "B", 33}, /* 50 */
  {"5083 O/H111/F/H112", "5083", "O/H111/F/H112", 0, 200, 110, 270, 12, 110, 270, 1, 1, "B", 5}, /* 51 */
  {"5083 H12/22/32", "5083", "H12/22/32", 0, 10, 200, 280, 6, 135, 270, 0.68, 0.96, "B", 14}, /* 52 */
  {"5083 H14/24/34", "5083", "H14/24/34", 0, 5, 235, 300, 4, 135, 270, 0.57, 0.9, "A", 18}, /* 53 */
  {"5454 O/H111/F/H112", "5454", "O/H111/F/H112", 0, 25, 85, 200, 16, 85, 200, 1, 1, "B", 5}, /* 54 */
  {"5754 O/H111/F/H112", "5754", "O/H111/F/H112", 0, 25, 80, 180, 14, 80, 180, 1, 1, "B", 6}, /* 55 */
  {"5754 H14/24/H34", "5754", "H14/24/H34", 0, 10, 180, 240, 4, 100, 180, 0.56, 0.75, "A", 16}, /* 56 */
  {"6060 T5 \xF3" " 5", "6060", "T5", 0, 5, 120, 160, 8, 50, 80, 0.42, 0.5, "B", 17}, /* 57 */
  {"6060 T5 > 5", "6060", "T5", 5.001, 25, 100, 140, 8, 50, 80, 0.5, 0.57, "B", 14}, /* 58 */
  {"6060 T6 \xF3" " 15", "6060", "T6", 0, 15, 140, 170, 8, 60, 100, 0.43, 0.59, "A", 24}, /* 59 */
  {"6060 T6 \xF3" " 20", "6060", "T6", 0, 20, 160, 215, 12, 60, 100, 0.38, 0.47, "A", 16}, /* 60 */
  {"6060 T64", "6060", "T64", 0, 15, 120, 180, 12, 60, 100, 0.5, 0.56, "A", 12}, /* 61 */
  {"6060 T66 \xF3" " 3", "6060", "T66", 0, 3, 160, 215, 8, 65, 110, 0.41, 0.51, "A", 16}, /* 62 */
  {"6060 T66 > 3", "6060", "T66", 3.001, 25, 150, 195, 8, 65, 110, 0.43, 0.56, "A", 18}, /* 63 */
  {"6061 T4 < 25", "6061", "T4", 0, 25, 110, 180, 15, 95, 150, 0.86, 0.83, "B", 8}, /* 64 */
  {"6061 T4 \xF3" " 20", "6061", "T4", 0, 20, 110, 205, 16, 95, 150, 0.86, 0.73, "B", 8}, /* 65 */
  {"6061 T6 < 25", "6061", "T6", 0, 25, 240, 260, 8, 115, 175, 0.48, 0.67, "A", 55}, /* 66 */
  {"6061 T6 \xF3" " 20", "6061", "T6", 0, 20, 240, 290, 10, 115, 175, 0.48, 0.6, "A", 23}, /* 67 */
  {"6063 T5 \xF3" " 3", "6063", "T5", 0, 3, 130, 175, 8, 60, 100, 0.46, 0.57, "B", 16}, /* 68 */
  {"6063 T5 > 3", "6063", "T5", 3.001, 25, 110, 160, 7, 60, 100, 0.55, 0.63, "B", 13}, /* 69 */
  {"6063 T6 \xF3" " 25", "6063", "T6", 0, 25, 170, 215, 8, 65, 110, 0.38, 0.51, "A", 16}, /* 70 */
  {"6063 T6 \xF3" " 20", "6063", "T6", 0, 20, 190, 220, 10, 65, 110, 0.34, 0.5, "A", 24}, /* 71 */
  {"6063 T66 \xF3" " 10", "6063", "T66", 0, 10, 200, 245, 8, 75, 130, 0.38, 0.53, "A", 22}, /* 72 */
  {"6063 T66 > 10", "6063", "T66", 10.001, 25, 180, 225, 8, 75, 130, 0.42, 0.58, "A", 21}, /* 73 */
  {"6063 T66 \xF3" " 20", "6063", "T66", 0, 20, 200, 235, 8, 75, 130, 0.38, 0.55, "A", 23}, /* 74 */
  {"6005A T6 \xF3" " 5", "6005A", "T6", 0, 5, 225, 270, 8, 115, 165, 0.51, 0.61, "A", 25}, /* 75 */
  {"6005A T6 \xF3" " 10", "6005A", "T6", 5.001, 10, 215, 260, 8, 115, 165, 0.53, 0.63, "A", 24}, /* 76 */
  {"6005A T6 > 10", "6005A", "T6", 10.001, 25, 200, 250, 8, 115, 165, 0.58, 0.66, "A", 20}, /* 77 */
  {"6005A T6 \xF3" " 5", "6005A", "T6", 0, 5, 215, 255, 8, 115, 165, 0.53, 0.65, "A", 26}, /* 78 */
  {"6005A T6 > 5", "6005A", "T6", 5.001, 10, 200, 250, 8, 115, 165, 0.58, 0.66, "A", 20}, /* 79 */
  {"6106 T6", "6106", "T6", 0, 10, 200, 250, 8, 95, 160, 0.48, 0.64, "A", 20}, /* 80 */
  {"6082 T4", "6082", "T4", 0, 25, 110, 205, 14, 100, 160, 0.91, 0.78, "B", 8}, /* 81 */
  {"6082 T5", "6082", "T5", 0, 5, 230, 270, 8, 125, 185, 0.54, 0.69, "A", 28}, /* 82 */
  {"6082 T6 \xF3" " 5 (EP,ET)", "6082", "T6", 0, 5, 250, 290, 8, 125, 185, 0.5, 0.64, "A", 32}, /* 83 */
  {"6082 T6 > 5", "6082", "T6", 5.001, 15, 260, 310, 10, 125, 185, 0.48, 0.6, "A", 25}, /* 84 */
  {"6082 T6 \xF3" " 20", "6082", "T6", 0, 20, 250, 295, 8, 125, 185, 0.5, 0.63, "A", 27}, /* 85 */
  {"6082 T6 > 20", "6082", "T6", 20.001, 150, 260, 310, 8, 125, 185, 0.48, 0.6, "A", 25}, /* 86 */
  {"6082 T6 \xF3" " 5 (DT)", "6082", "T6", 0, 5, 255, 310, 8, 125, 185, 0.49, 0.6, "A", 22}, /* 87 */
  {"6082 T6 > 5 (DT)", "6082", "T6", 5.001, 20, 240, 310, 10, 125, 185, 0.52, 0.6, "A", 17}, /* 88 */
  {"7020 T6 \xF3" " 15", "7020", "T6", 0, 15, 290, 350, 10, 205, 280, 0.71, 0.8, "A", 23}, /* 89 */
  {"7020 T6 \xF3" " 40", "7020", "T6", 15.001, 40, 275, 350, 10, 205, 280, 0.75, 0.8, "A", 19}, /* 90 */
  {"7020 T6 \xF3" " 20", "7020", "T6", 0, 20, 280, 350, 10, 205, 280, 0.73, 0.8, "A", 19}, /* 91 */
  {"5754 H112 (L)", "5754", "H112", 0, 150, 80, 180, 15, 80, 180, 0, 0, "B", 0}, /* 92 */
  {"5083 H112 (L)", "5083", "H112", 0, 150, 120, 270, 12, 120, 270, 0, 0, "B", 0}, /* 93 */
  {"5083 H112 (T)", "5083", "H112", 0, 150, 110, 260, 10, 110, 260, 0, 0, "B", 0}, /* 94 */
  {"6082 T6 (L)", "6082", "T6", 0, 100, 260, 310, 6, 125, 185, 0, 0, "A", 0}, /* 95 */
  {"6082 T6 (T)", "6082", "T6", 0, 100, 250, 290, 5, 125, 185, 0, 0, "A", 0}, /* 96 */
    // clang-format on
};

static Alu_Grade Alu_Table[ALU_GRADE_COUNT], Alu_Fallback_Row;
static int Table_Built = 0;

/* User list. */
static Alu_Grade *User_Rows = nullptr;
static int32_t User_Count = 0, User_Capacity = 0, User_Last = 0;

static void Build_Table(void)
{
    if (Table_Built) return;
    for (int32_t i = 0; i < ALU_GRADE_COUNT; i++) {
        const Alu_Row *r = &Alu_Rows[i];
        Alu_Grade *g = &Alu_Table[i];
        g->code = static_cast<uint32_t>(i);
        g->name = r->name;
        g->alloy = r->alloy;
        g->temper = r->temper;
        g->t_from = r->t_from;
        g->t_to = r->t_to;
        g->E = 70000.0;
        g->G = 27000.0;
        g->nu = 0.3;
        g->alpha_T = 2.3e-05;
        g->f0 = r->f0;
        g->fu = r->fu;
        g->A50 = r->A50;
        g->fo_haz = r->fo_haz;
        g->fu_haz = r->fu_haz;
        g->rho_o_haz = r->rho_o_haz;
        g->rho_u_haz = r->rho_u_haz;
        g->buckling_class = r->buckling_class;
        g->n = r->n;
    }
    Alu_Fallback_Row = Alu_Table[0];
    Alu_Fallback_Row.code = ALU_GRADE_COUNT;
    Alu_Fallback_Row.name = Alu_Fallback_Row.alloy = Alu_Fallback_Row.temper = Unknown_Text;
    Alu_Fallback_Row.t_from = 0.0;
    Alu_Fallback_Row.t_to = 10.0;
    Table_Built = 1;
}

/* Stored form of a user code: low 15 bits with bit 15. */
static uint32_t User_Key(int32_t code) { return (static_cast<uint32_t>(code) & 0x7FFFu) | 0x8000u; }

static int32_t Find_User(uint32_t key)
{
    if (User_Last >= 0 && User_Last < User_Count && User_Rows[User_Last].code == key)
        return User_Last;
    for (int32_t i = 0; i < User_Count; i++)
        if (User_Rows[i].code == key) {
            User_Last = i;
            return i;
        }
    return -1;
}

/* The row of a code, or null. A code is a signed 16-bit value: negative names a user row. */
static const Alu_Grade *Lookup(int32_t code)
{
    Build_Table();
    if (code < -32768 || code > 0xFFFF) return nullptr;
    if (code < 0 || (code & 0x8000)) { /* the 16-bit form, signed or as stored */
        const int32_t i = Find_User(User_Key(code));
        return i >= 0 ? &User_Rows[i] : nullptr;
    }
    return code < ALU_GRADE_COUNT ? &Alu_Table[code] : nullptr;
}

const Alu_Grade *Get_Alu_Fallback(void)
{
    Build_Table();
    return &Alu_Fallback_Row;
}

const Alu_Grade *Get_Alu_Grade(int32_t code)
{
    const Alu_Grade *g = Lookup(code);
    return g ? g : Get_Alu_Fallback();
}

double Get_Alu_Fu(int32_t code)
{
    const Alu_Grade *g = Lookup(code);
    return g ? g->fu : 220.0;
}
double Get_Alu_F0(int32_t code)
{
    const Alu_Grade *g = Lookup(code);
    return g ? g->f0 : 180.0;
}
double Get_Alu_T_From(int32_t code)
{
    const Alu_Grade *g = Lookup(code);
    return g ? g->t_from : 0.0;
}
double Get_Alu_T_To(int32_t code)
{
    const Alu_Grade *g = Lookup(code);
    return g ? g->t_to : 10.0;
}

static const char *Text_Or_Unknown(const char *t) { return t ? t : Unknown_Text; }

const char *Get_Alu_Grade_Name(int32_t code)
{
    const Alu_Grade *g = Lookup(code);
    return g ? Text_Or_Unknown(g->name) : Unknown_Text;
}
const char *Get_Alu_Alloy_Name(int32_t code)
{
    const Alu_Grade *g = Lookup(code);
    return g ? Text_Or_Unknown(g->alloy) : Unknown_Text;
}
const char *Get_Alu_Temper_Name(int32_t code)
{
    const Alu_Grade *g = Lookup(code);
    return g ? Text_Or_Unknown(g->temper) : Unknown_Text;
}

int32_t Get_Alu_Code_At(int32_t index, const int32_t *codes, int32_t count)
{
    if (!codes || index < 0 || index >= count) return 0;
    return codes[index];
}

/* ---- user list: every text of a user row is a copy owned by the list */

static const char *Copy_Text(const char *t)
{
    if (!t) return Unknown_Text;
    char *c = Dbg_Strdup("alguete", __LINE__, "alguete", t);
    return c ? c : Unknown_Text;
}

static void Free_Text(const char **t)
{
    if (*t && *t != Unknown_Text) Dbg_Free("alguete", __LINE__, "alguete", const_cast<char *>(*t));
    *t = Unknown_Text;
}

static void Free_Texts(Alu_Grade *g)
{
    Free_Text(&g->name);
    Free_Text(&g->alloy);
    Free_Text(&g->temper);
    Free_Text(&g->buckling_class);
}

int32_t Add_User_Alu_Grade(const Alu_Grade *row)
{
    if (!row) return 0;
    Build_Table();
    Alu_Grade in = *row; /* the row may live in the list itself */
    const uint32_t key = User_Key(static_cast<int32_t>(in.code));
    int32_t i = Find_User(key);
    if (i < 0 && User_Count == User_Capacity) {
        void *p = Dbg_Realloc("alguete", __LINE__, "alguete", User_Rows,
                              sizeof(Alu_Grade) * static_cast<size_t>(User_Capacity + 10));
        if (!p) return 0;
        User_Rows = static_cast<Alu_Grade *>(p);
        User_Capacity += 10;
    }
    in.name = Copy_Text(in.name);
    in.alloy = Copy_Text(in.alloy);
    in.temper = Copy_Text(in.temper);
    in.buckling_class = Copy_Text(in.buckling_class);
    if (i < 0) {
        i = User_Count++;
        User_Rows[i].name = User_Rows[i].alloy = User_Rows[i].temper = User_Rows[i].buckling_class =
            Unknown_Text;
    }
    Free_Texts(&User_Rows[i]);
    in.code = key;
    User_Rows[i] = in;
    return static_cast<int32_t>(key);
}

int32_t Remove_User_Alu_Grade(int32_t code)
{
    if (User_Count == 0) return 0;
    const int32_t i = Find_User(User_Key(code));
    if (i < 0) return 0;
    Free_Texts(&User_Rows[i]);
    memmove(&User_Rows[i], &User_Rows[i + 1],
            sizeof(Alu_Grade) * static_cast<size_t>(User_Count - i - 1));
    User_Count--;
    User_Last = 0;
    return 1;
}

void Clear_User_Alu_Grades(void)
{
    for (int32_t i = 0; i < User_Count; i++) Free_Texts(&User_Rows[i]);
    User_Count = 0;
    User_Last = 0;
}

int32_t Get_User_Alu_Grade_Count(void) { return User_Count; }

const Alu_Grade *Get_User_Alu_Grade_At(int32_t index)
{
    if (index < 0 || index >= User_Count) return Get_Alu_Fallback();
    return &User_Rows[index];
}
