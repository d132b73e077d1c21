/*
** The pages of an extremal rule, of a load collective and of a generation rule on the
** management sheet: their controls, showing and hiding them, the switch of an extremal rule
** between standard and user-defined rows, and taking the edited tables back into the records.
** The tables show the first rows of a record and one row for a new entry; rows beyond them
** stay as they are.
*/
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "checks/dlg_sheet.h"
#include "checks/lkom_gen_settings.h"
#include "checks/nchw_def.h"
#include "checks/nchw_settings.h"
#include "checks/xtr_tables.h"
#include "foundation/ttool.h"
#include "platform/zelkwin.h"

static const int Xtr_Col_X[5] = {291, 341, 395, 449, 503};
static const int Lkom_Col_X[4] = {280, 334, 401, 480};
enum { XTR_TABLE_Y = 271, XTR_ROW_H = 16, LKOM_TABLE_Y = 182, LKOM_ROW_H = 15 };

static void Text(int rx, int ry, const char *text, int colour = BLACK_CI)
{
    Pop_RFont(4096);
    pxFgc(colour);
    pxText(Nchw_Sheet.x + rx, Nchw_Sheet.y + ry, text, -1);
    Push_RFont();
}

/* A symbol with a subscript index: the symbol byte in the normal font, the index smaller. */
static void Symbol(int rx, int ry, const char *symbol, const char *index)
{
    Text(rx, ry, symbol);
    if (index && *index) {
        Pop_RFont(4098);
        pxFgc(BLACK_CI);
        pxText(Nchw_Sheet.x + rx + 9, Nchw_Sheet.y + ry + 3, index, -1);
        Push_RFont();
    }
}

/* ------------------------------------------------------------------ controls */

void Make_Xtr_Page_Controls(int x, int y)
{
    Nchw_Sheet_Rec &s = Nchw_Sheet;
    s.h_xtr_number = Add_Edit_Float_to_PS(x + 273, y + 105, 4, "%4.0f", &s.xtr_number, 25);
    s.h_xtr_name = Add_Edit_Text_to_PS(x + 329, y + 105, 30, s.xtr_name, 31, 26);
    s.h_xtr_std = Add_Option_Button_to_PS(x + 327, y + 169, &s.xtr_mode, 1, 27);
    Add_Aligned_Connected_Text_to_Button_of_PS(s.h_xtr_std, "standard", 0);
    s.h_xtr_udef = Add_Option_Button_to_PS(x + 406, y + 169, &s.xtr_mode, 2, 28);
    Add_Aligned_Connected_Text_to_Button_of_PS(s.h_xtr_udef, "benutzerdefiniert", 0);
    s.h_xtr_more = Add_Single_Button_to_PS(x + 531, y + 165, SYMBOLIC_MORE_RASTER, "", 29);
    for (int r = 0; r <= XTR_PAGE_ROWS; r++)
        for (int c = 0; c < 5; c++)
            s.h_xtr_table[r][c] =
                r == XTR_PAGE_ROWS
                    ? 0
                    : Add_Edit_Float_to_PS(x + Xtr_Col_X[c], y + XTR_TABLE_Y + r * XTR_ROW_H,
                                           c == 0 ? 3 : 4, c == 0 ? "%3.0f" : "%4.2f",
                                           &s.xtr_table[r][c], 30);
    Draw_Funny_Area_to_PS(1, x + NCHW_PAGE_X1, y + NCHW_PAGE_Y1, x + NCHW_PAGE_X2, y + NCHW_PAGE_Y2,
                          0);
}

void Make_Lkom_Page_Controls(int x, int y)
{
    Nchw_Sheet_Rec &s = Nchw_Sheet;
    s.h_lkom_number = Add_Edit_Float_to_PS(x + 273, y + 101, 3, "%3.0f", &s.lkom_number, 31);
    s.h_lkom_name = Add_Edit_Text_to_PS(x + 331, y + 101, 30, s.lkom_name, 31, 32);
    for (int r = 0; r <= LKOM_PAGE_ROWS; r++)
        for (int c = 0; c < 4; c++)
            s.h_lkom_table[r][c] =
                r == LKOM_PAGE_ROWS
                    ? 0
                    : Add_Edit_Float_to_PS(x + Lkom_Col_X[c], y + LKOM_TABLE_Y + r * LKOM_ROW_H,
                                           c == 0 ? 3 : 5, c == 0 ? "%3.0f" : "%5.3f",
                                           &s.lkom_table[r][c], 42);
    static const struct {
        int code, x, y;
        const char *tip;
    } b[9] = {// clang-format off
        {33, 556, 181, "n\x84" "chstes\nLastkollektiv\nbearbeiten"},
        {34, 574, 181, "vorangegangenes\nLastkollektiv\nbearbeiten"},
        {35, 556, 204, "Lastkollektiv duplizieren"},
        {36, 556, 233, "\x9A" "bersicht \x81" "ber alle\nLastkollektive zum\naktuellen Nachweis"},
        {38, 556, 275, "Tabelleninhalt (neu) erzeugen"},
        {37, 556, 318, "Tabelle nicht bearbeiten"},
        {39, 556, 343, "Spalten \xB8 und \xC0 bearbeiten"},
        {40, 556, 368, "Spalte Faktor bearbeiten, Wirkung auf \xB8"},
              // clang-format on
              {41, 556, 393, "Spalte Faktor bearbeiten, Wirkung auf \xC0"}};
    for (int i = 0; i < 9; i++) {
        s.h_lkom_button[i] =
            Add_Single_Button_to_PS(x + b[i].x, y + b[i].y, PS_RASTER(17, 20), "", b[i].code);
        Set_Comment_to_Button_PS(s.h_lkom_button[i], b[i].tip);
    }
    s.h_gen_number = Add_Edit_Float_to_PS(x + 273, y + 105, 4, "%4.0f", &s.gen_number, 43);
    s.h_gen_name = Add_Edit_Text_to_PS(x + 329, y + 105, 30, s.gen_name, 31, 44);
    s.h_gen_regen =
        Add_Single_Button_to_PS(x + 275, y + 300, PS_RASTER(140, 24), "neu generieren", 45);
    s.h_gen_dialog =
        Add_Single_Button_to_PS(x + 430, y + 300, PS_RASTER(140, 24), "Einstellungen", 46);
}

/* ------------------------------------------------------------------ extremal rule */

static void Xtr_Table_Activity(int mode, int rule)
{
    Nchw_Sheet_Rec &s = Nchw_Sheet;
    for (int r = 0; r < XTR_PAGE_ROWS; r++)
        for (int c = 0; c < 5; c++) {
            int a = mode != 1 ? 1 : -1;
            if ((c == 1 || c == 2) && rule == 8) a = 0;
            Nchw_Act(s.h_xtr_table[r][c], a);
        }
}

void Hide_Xtr_Properties(void)
{
    Nchw_Sheet_Rec &s = Nchw_Sheet;
    Nchw_Act(s.h_xtr_number, 0);
    Nchw_Act(s.h_xtr_name, 0);
    Nchw_Act(s.h_xtr_std, 0);
    Nchw_Act(s.h_xtr_udef, 0);
    Nchw_Act(s.h_xtr_more, 0);
    for (int r = 0; r < XTR_PAGE_ROWS; r++)
        for (int c = 0; c < 5; c++) Nchw_Act(s.h_xtr_table[r][c], 0);
    if (Nchw_Current_Xtr_Rule) Nchw_Clear_Page_Area();
    Nchw_Current_Xtr_Rule = nullptr;
}

static const char *Rule_Name(int32_t rule)
{
    switch (rule) {
    case 1: return "DIN 1055-100";
    case 2: return "Eurocode";
    case 4: return "DIN 18800";
    case 8: return "\"charakteristisch\"";
    case 16: return "DIN 1072";
    case 32:
        return "Br\x81"
               "ckenbau";
    default: return "";
    }
}

static const char *Auto_Kind_Text(int32_t kind)
{
    switch (kind) {
    case 1:
        return "automatisch, st\x84ndig und vor\x81"
               "bergehend";
    case 2:
        return "automatisch, au\xE1"
               "ergew\x94hnlich";
    case 4: return "automatisch, Norddeutsche Tiefebene";
    case 8: return "automatisch, Erdbeben";
    default: return "";
    }
}

void Show_Xtr_Properties(Xtr_Rule_Rec *rule)
{
    if (!rule) return;
    Nchw_Sheet_Rec &s = Nchw_Sheet;
    Nchw_Enter_Page(NCHW_PAGE_XTR);
    s.xtr_number = rule->number;
    snprintf(s.xtr_name, sizeof s.xtr_name, "%s", rule->name);
    s.xtr_mode = rule->mode;
    Nchw_Clear_Page_Area();
    const Nchw_Rec *check = rule->owner;
    const Nchw_Type_Rec *type = check ? check->type : nullptr;
    const int32_t R = rule->comb_rule[0];
    Text(272, 92, "Extremierungsvorschrift   (Nummer und Bezeichnung)");
    Text(272, 140, "zum Nachweis:");
    Text(370, 140, check ? Trim_Blanks(check->name) : "");
    Text(272, 157, "Typ:");
    Text(272, 215,
         "\x9A"
         "berlagerungsregel:");
    Text(400, 215, Rule_Name(R));
    Text(272, 232, "formuliert auf der Basis von");
    Text(440, 232, rule->basis[0] == 0 ? "Einwirkungen" : "Lastf\x84llen");
    Text(Xtr_Col_X[0], 262, rule->basis[0] == 0 ? "Einw." : "Lf.");
    if (R != 8) {
        Symbol(Xtr_Col_X[1], 262, "\xB8", R == 4 ? "NK" : "dom");
        Symbol(Xtr_Col_X[2], 262, "\xB8", R == 4 ? "HK" : "sub");
    }
    Symbol(Xtr_Col_X[3], 262, "\xC0", "F,sup");
    Symbol(Xtr_Col_X[4], 262, "\xC0", "F,inf");
    Nchw_Act(s.h_xtr_number, 1);
    Nchw_Act(s.h_xtr_name, 1);

    if (!Nchw_Auto_Xtr_Exist()) rule->auto_kind = 0;
    bool fill = true;
    if (Nchw_Auto_Xtr_Exist() && rule->auto_kind) {
        rule->mode = s.xtr_mode = 1;
        Text(300, 157, Auto_Kind_Text(rule->auto_kind));
        fill = false;
    } else {
        const int32_t T = type ? Nchw_Type_Id(type) : 0;
        const bool forced = (Nchw_Norm_Mask & 0x20) && type && Nchw_Type_Int(type, 4) == 1
                            && Nchw_Type_Int(type, 8) == 2 && (Nchw_Type_Int(type, 10) & 1)
                            && Nchw_Auto_Xtr_Exist() && T != 224 && T != 43 && T != 81 && T != 82;
        if (forced) rule->mode = s.xtr_mode = 2;
        Nchw_Act(s.h_xtr_std, forced ? 0 : 1);
        Nchw_Act(s.h_xtr_udef, 1);
        Nchw_Act(s.h_xtr_more, s.xtr_mode != 1 ? 1 : 0);
    }
    static const Xtr_Rule_Rec *shown = nullptr;
    if (shown != rule || s.xtr_top > rule->row_count || s.xtr_top < 0) s.xtr_top = 0;
    shown = rule;
    for (int r = 0; r <= XTR_PAGE_ROWS; r++)
        for (int c = 0; c < 5; c++) s.xtr_table[r][c] = 0.0;
    if (fill) {
        int r = 0;
        for (; s.xtr_top + r < rule->row_count && r < XTR_PAGE_ROWS; r++) {
            const Xtr_Row &x = rule->rows[s.xtr_top + r];
            s.xtr_table[r][0] = x.number;
            s.xtr_table[r][1] = x.psi_dom;
            s.xtr_table[r][2] = x.psi_sub;
            s.xtr_table[r][3] = x.gamma_sup;
            s.xtr_table[r][4] = x.gamma_inf;
        }
        if (r < XTR_PAGE_ROWS)
            for (int c = 1; c < 5; c++) s.xtr_table[r][c] = 1.0;
        Xtr_Table_Activity(s.xtr_mode, R);
        if (R == 8) {
            pxFgc(Nearest_Color_Index(140, 140, 140));
            for (int i = 0; i < XTR_PAGE_ROWS; i++) {
                const int yy = s.y + XTR_TABLE_Y + i * XTR_ROW_H + 8;
                pxLine(s.x + Xtr_Col_X[1], yy, s.x + Xtr_Col_X[3] - 6, yy);
            }
        }
    }
    Nchw_Current_Xtr_Rule = rule;
    Nchw_Tree_Sel[0] = check ? check->number : -1;
    Nchw_Tree_Sel[1] = rule->number;
    Nchw_Tree_Sel[2] = Nchw_Tree_Sel[3] = -1;
}

void Set_Xtr_Mode(int32_t mode)
{
    Xtr_Rule_Rec *rule = Nchw_Current_Xtr_Rule;
    if (!rule || rule->mode == mode) return;
    rule->mode = mode;
    Nchw_Sheet.xtr_mode = mode;
    if (mode == 1) {
        int32_t n = 0, R = 0, M = 0, K = 0, Z = 0;
        Xtr_Row *rows = Build_Standard_Xtr_Table(rule->owner, &n, &R, &M, &K, &Z);
        if (Cmp_Xtr_Tables(rows, rows ? n : 0, rule->rows, rule->row_count) != 0) {
            Init_Message();
            Fill_Message("Soll der Tabelleninhalt auf");
            Fill_Message("\"Standard\"");
            Fill_Message("zur\x81"
                         "ckgesetzt werden?");
            if (!Answer_is_Yes(1)) {
                rule->mode = Nchw_Sheet.xtr_mode = 2;
                Nchw_Act(Nchw_Sheet.h_xtr_std, 1);
                Nchw_Act(Nchw_Sheet.h_xtr_udef, 1);
                std::free(rows);
                return;
            }
            std::free(rule->rows);
            rule->rows = rows;
            rule->row_count = rows ? n : 0;
            rule->comb_rule[0] = rule->comb_rule[1] = R;
            rule->basis[0] = rule->basis[1] = M;
            rule->check_kind[0] = rule->check_kind[1] = K;
            rule->combination[0] = rule->combination[1] = Z;
            rule->gamma_g_variant[0] = rule->gamma_g_variant[1] = 0;
        } else {
            std::free(rows);
        }
    }
    Show_Xtr_Properties(rule);
}

void Take_Xtr_Page_Table(void)
{
    Xtr_Rule_Rec *rule = Nchw_Current_Xtr_Rule;
    if (!rule) return;
    Nchw_Sheet_Rec &s = Nchw_Sheet;
    const int top = s.xtr_top;
    const int end = rule->row_count < top + XTR_PAGE_ROWS ? rule->row_count : top + XTR_PAGE_ROWS;
    for (int r = top; r < end; r++) {
        const double *t = s.xtr_table[r - top];
        rule->rows[r] = Xtr_Row{(int32_t)std::lround(t[0]), t[1], t[2], t[3], t[4]};
    }
    const int line = end - top;
    if (end == rule->row_count && line < XTR_PAGE_ROWS && std::lround(s.xtr_table[line][0]) != 0) {
        Xtr_Row *rows =
            (Xtr_Row *)std::realloc(rule->rows, sizeof(Xtr_Row) * (size_t)(rule->row_count + 1));
        if (!rows) return;
        rule->rows = rows;
        const double *t = s.xtr_table[line];
        rows[rule->row_count++] = Xtr_Row{(int32_t)std::lround(t[0]), t[1], t[2], t[3], t[4]};
    }
}

/* ------------------------------------------------------------------ load collective */

/* The columns the edit mode opens; the one it recomputes (the factor for mode 1, the first
** coefficient for 2, the second for 3) stands in the background colour, the others in black. */
static void Lkom_Table_Activity(int mode)
{
    Nchw_Sheet_Rec &s = Nchw_Sheet;
    const int recomputed = mode == 1 ? 3 : mode == 2 ? 1 : mode == 3 ? 2 : -1;
    for (int r = 0; r < LKOM_PAGE_ROWS; r++) {
        const int open[4] = {mode > 0, mode == 1, mode == 1, mode > 1};
        for (int c = 0; c < 4; c++)
            Nchw_Act(s.h_lkom_table[r][c], open[c] ? 1 : c == recomputed ? -2 : -1);
    }
}

void Hide_Lkom_Properties(void)
{
    Nchw_Sheet_Rec &s = Nchw_Sheet;
    Nchw_Act(s.h_lkom_number, 0);
    Nchw_Act(s.h_lkom_name, 0);
    for (int r = 0; r < LKOM_PAGE_ROWS; r++)
        for (int c = 0; c < 4; c++) Nchw_Act(s.h_lkom_table[r][c], 0);
    for (int i = 0; i < 9; i++) Nchw_Act(s.h_lkom_button[i], 0);
    if (Nchw_Current_Lkom) Nchw_Clear_Page_Area();
    Nchw_Current_Lkom = nullptr;
}

void Show_Lkom_Properties(Lkom_Rec *lkom)
{
    if (!lkom) return;
    Nchw_Sheet_Rec &s = Nchw_Sheet;
    Nchw_Enter_Page(NCHW_PAGE_LKOM);
    s.lkom_number = lkom->number;
    snprintf(s.lkom_name, sizeof s.lkom_name, "%s", lkom->name);
    Nchw_Clear_Page_Area();
    Text(272, 88, "Lastkollektiv   (Nummer und Bezeichnung)");
    Text(272, 140, "zum Nachweis:");
    Text(370, 140, lkom->owner ? Trim_Blanks(lkom->owner->name) : "");
    Text(Lkom_Col_X[0], 172, "Lastf.");
    Symbol(Lkom_Col_X[1], 172, "\xB8", "");
    Symbol(Lkom_Col_X[2], 172, "\xC0", "");
    Text(Lkom_Col_X[3], 172, "Faktor");
    for (int r = 0; r < LKOM_PAGE_ROWS; r++) {
        Text(Lkom_Col_X[3] - 14, LKOM_TABLE_Y + r * LKOM_ROW_H + 12, "=");
        pxFgc(BLACK_CI); /* the product dot between the two coefficients */
        pxRect(s.x + Lkom_Col_X[2] - 9, s.y + LKOM_TABLE_Y + r * LKOM_ROW_H + 7,
               s.x + Lkom_Col_X[2] - 8, s.y + LKOM_TABLE_Y + r * LKOM_ROW_H + 8);
    }
    pxDrawTransparentDIB(/*file=*/"nchwlkom.bmp", /*x1=*/s.x + 557, /*y1=*/s.y + 182,
                         /*x2=*/s.x + 600, /*y2=*/s.y + 430, /*mode=*/201, /*flag=*/0, /*r=*/192,
                         /*g=*/192, /*b=*/192);
    static const Lkom_Rec *shown = nullptr;
    if (shown != lkom || s.lkom_top > lkom->row_count || s.lkom_top < 0) s.lkom_top = 0;
    shown = lkom;
    for (int r = 0; r <= LKOM_PAGE_ROWS; r++)
        for (int c = 0; c < 4; c++) s.lkom_table[r][c] = 0.0;
    int r = 0;
    for (; s.lkom_top + r < lkom->row_count && r < LKOM_PAGE_ROWS; r++) {
        const Lkom_Row &x = lkom->rows[s.lkom_top + r];
        s.lkom_table[r][0] = x.number;
        s.lkom_table[r][1] = x.psi;
        s.lkom_table[r][2] = x.gamma;
        s.lkom_table[r][3] = x.factor;
    }
    if (r < LKOM_PAGE_ROWS)
        for (int c = 1; c < 4; c++) s.lkom_table[r][c] = 1.0;
    Nchw_Act(s.h_lkom_number, 1);
    Nchw_Act(s.h_lkom_name, 1);
    Lkom_Table_Activity(s.lkom_edit_mode);
    Nchw_Act(s.h_lkom_button[0], lkom->next ? 1 : 0);
    Nchw_Act(s.h_lkom_button[1], lkom->prev ? 1 : 0);
    Nchw_Act(s.h_lkom_button[2], 1);
    Nchw_Act(s.h_lkom_button[3], 1);
    Nchw_Act(s.h_lkom_button[4], 1);
    Nchw_Act(s.h_lkom_button[5], s.lkom_edit_mode != 0 ? 1 : 0);
    for (int m = 1; m <= 3; m++) Nchw_Act(s.h_lkom_button[5 + m], s.lkom_edit_mode != m ? 1 : 0);
    Nchw_Current_Lkom = lkom;
    Nchw_Tree_Sel[0] = lkom->owner ? lkom->owner->number : -1;
    Nchw_Tree_Sel[2] = lkom->number;
    Nchw_Tree_Sel[1] = Nchw_Tree_Sel[3] = -1;
}

/* One row of the page table, completed by the edit mode. */
static Lkom_Row Row_From_Table(const double *t, int mode)
{
    Lkom_Row r = {(int32_t)std::lround(t[0]), 1, t[1], t[2], t[3]};
    if (mode == 1) {
        r.factor = r.psi * r.gamma;
    } else if (mode == 2) {
        if (r.gamma == 0.0) {
            r.gamma = 1.0;
            r.psi = r.factor;
        } else {
            r.psi = r.factor / r.gamma;
        }
    } else if (mode == 3) {
        if (r.psi == 0.0) {
            r.psi = 1.0;
            r.gamma = r.factor;
        } else {
            r.gamma = r.factor / r.psi;
        }
    }
    return r;
}

void Take_Lkom_Page_Table(void)
{
    Lkom_Rec *lkom = Nchw_Current_Lkom;
    if (!lkom) return;
    Nchw_Sheet_Rec &s = Nchw_Sheet;
    const int top = s.lkom_top;
    const int end = lkom->row_count < top + LKOM_PAGE_ROWS ? lkom->row_count : top + LKOM_PAGE_ROWS;
    Lkom_Row *rows = (Lkom_Row *)std::calloc((size_t)lkom->row_count + 1, sizeof(Lkom_Row));
    if (!rows) return;
    int32_t m = 0;
    for (int r = 0; r < top && r < lkom->row_count; r++) rows[m++] = lkom->rows[r];
    for (int r = top; r < end; r++) {
        if (std::lround(s.lkom_table[r - top][0]) == 0) continue; /* an emptied row */
        Lkom_Row x = Row_From_Table(s.lkom_table[r - top], s.lkom_edit_mode);
        x.unfavourable = lkom->rows[r].unfavourable;
        rows[m++] = x;
    }
    const int line = end - top;
    if (end == lkom->row_count && line < LKOM_PAGE_ROWS && std::lround(s.lkom_table[line][0]) != 0)
        rows[m++] = Row_From_Table(s.lkom_table[line], s.lkom_edit_mode);
    for (int32_t r = end; r < lkom->row_count; r++) rows[m++] = lkom->rows[r];
    std::free(lkom->rows);
    lkom->rows = m > 0 ? rows : nullptr;
    lkom->row_count = m;
    if (m == 0) std::free(rows);
    const int32_t mode = s.lkom_edit_mode;
    Show_Lkom_Properties(lkom);
    s.lkom_edit_mode = mode;
}

void Scroll_Nchw_Page_Table(int rows)
{
    Nchw_Sheet_Rec &s = Nchw_Sheet;
    if (Xtr_Rule_Rec *x = Nchw_Current_Xtr_Rule) {
        const int top = s.xtr_top + rows;
        s.xtr_top = top < 0 ? 0 : top > x->row_count ? x->row_count : top;
        Show_Xtr_Properties(x);
    } else if (Lkom_Rec *l = Nchw_Current_Lkom) {
        const int top = s.lkom_top + rows;
        s.lkom_top = top < 0 ? 0 : top > l->row_count ? l->row_count : top;
        Show_Lkom_Properties(l);
    }
}

/* ------------------------------------------------------------------ generation rule */

const char *GenRule_Count_Text(const GenRule_Rec *rule)
{
    static char text[64];
    const int32_t g = rule ? rule->generated_count : 0;
    const int32_t L3 = Lkom_Limits[3];
    if (std::abs(g) > L3) snprintf(text, sizeof text, "zu viele Lastkollektive");
    else if (g < 0)
        snprintf(text, sizeof text,
                 "\x81"
                 "ber %d Lastkollektive",
                 (int)-g);
    else snprintf(text, sizeof text, "%d Lastkollektive", (int)g);
    return text;
}

void Hide_GenRule_Properties(void)
{
    Nchw_Sheet_Rec &s = Nchw_Sheet;
    Nchw_Act(s.h_gen_number, 0);
    Nchw_Act(s.h_gen_name, 0);
    Nchw_Act(s.h_gen_regen, 0);
    Nchw_Act(s.h_gen_dialog, 0);
    if (Nchw_Current_GenRule) Nchw_Clear_Page_Area();
    Nchw_Current_GenRule = nullptr;
}

void Show_GenRule_Properties(GenRule_Rec *rule)
{
    if (!rule) return;
    Nchw_Sheet_Rec &s = Nchw_Sheet;
    Nchw_Enter_Page(NCHW_PAGE_GENRULE);
    s.gen_number = rule->number;
    snprintf(s.gen_name, sizeof s.gen_name, "%s", rule->name);
    Nchw_Clear_Page_Area();
    Text(272, 92, "Lastkollektiv-Generierungsvorschrift  (Nr und Bez.)");
    Text(273, 92, "Lastkollektiv-Generierungsvorschrift");
    Text(274, 141, "f\x81r den Nachweis:");
    const char *name = rule->owner ? Trim_Blanks(rule->owner->name) : "";
    char owner[40];
    snprintf(owner, sizeof owner, "%s", name);
    Text(386, 141, owner);
    Text(387, 141, owner);
    pxFgc(BLACK_CI);
    pxLine(s.x + 275, s.y + 153, s.x + 588, s.y + 153);
    Text(274, 231, "Entsprechend der aktuellen optionalen");
    Text(274, 251, "Einstellungen der Generierungsvorschrift");
    Text(274, 271, "ergeben sich");
    const char *count = GenRule_Count_Text(rule);
    if (std::abs(rule->generated_count) > Lkom_Limits[3]) {
        pxFgc(RED_CI);
        pxRect(s.x + 415, s.y + 259, s.x + 550, s.y + 275);
        Text(417, 271, count, WHITE_CI);
        Text(418, 271, count, WHITE_CI);
    } else {
        Text(417, 271, count);
        Text(418, 271, count);
    }
    Nchw_Act(s.h_gen_number, 1);
    Nchw_Act(s.h_gen_name, 1);
    Nchw_Act(s.h_gen_regen, 1);
    Nchw_Act(s.h_gen_dialog, 1);
    Nchw_Current_GenRule = rule;
    Nchw_Tree_Sel[0] = rule->owner ? rule->owner->number : -1;
    Nchw_Tree_Sel[3] = rule->number;
    Nchw_Tree_Sel[1] = Nchw_Tree_Sel[2] = -1;
}
