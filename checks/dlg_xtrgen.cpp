/*
** The dialog of user-defined extremal rules: five lists of settings checked against the
** check type, the panel of the actions or load cases that take part, and the rows built from
** the chosen settings when the user confirms.
*/
#include "checks/dlg_xtrgen.h"

#include <cstdlib>

#include "checks/dlg_common.h"
#include "checks/dlg_legend.h"
#include "checks/xtr_tables.h"
#include "foundation/codepage.h"
#include "platform/zelkwin.h"

static int Origin_X = -1, Origin_Y = -1;

void Xtr_Generation_Dialog_Origin(int *x, int *y)
{
    *x = Origin_X;
    *y = Origin_Y;
}

int Nchw_Bit_Position(int32_t code)
{
    int p = 0;
    while (code > 1 && p < 30) {
        code >>= 1;
        p++;
    }
    return p;
}

static const char *const Rule_Texts[6] = {"DIN 1055-100",
                                          "Eurocode",
                                          "DIN 18800",
                                          "alte Norm",
                                          "DIN 1072",
                                          "Br\x81"
                                          "ckenbau"};
static const char *const Basis_Texts[2] = {"Einwirkungen", "Lastf\x84lle"};
static const char *const Kind_Texts[2] = {"Tragf\x84higkeit", "Gebrauchstauglichkeit"};
static const char *const Comb_Texts[3] = {"selten", "h\x84ufig", "quasist\x84ndig"};
static const char *const Gamma_Texts[3] = {"\xC0(G) = 1.00 / 1.35", "\xC0(G) = 0.90 / 1.10",
                                           "\xC0(G) = 0.95 / 1.05"};

typedef struct Xtr_Dlg {
    int rule, basis, kind, comb, gamma; /* list positions */
    int l_rule, l_basis, l_kind, l_comb, l_gamma;
    int x, y;
    Nchw_Rec *check;
} Xtr_Dlg;

static bool Allowed(const Nchw_Rec *check, int n, int pos)
{
    return check->type && (Nchw_Type_Int(check->type, n) & (1 << pos)) != 0;
}

static void Enable_Dependants(const Xtr_Dlg *d)
{
    Change_Activity_PS(d->l_comb, (d->rule <= 1 && d->kind == 1) ? 1 : -3);
    Change_Activity_PS(d->l_gamma, (d->rule == 0 && d->kind == 0) ? 1 : -3);
}

static void Caption(const Xtr_Dlg *d)
{
    pxFgc(BACKGROUND_CI);
    pxRect(d->x + XTRGEN_PANEL_X1, d->y + 50, d->x + XTRGEN_PANEL_X2, d->y + 64);
    Draw_Funny_Text_to_PS(d->x + XTRGEN_PANEL_X1, d->y + 62,
                          d->basis == 0
                              ? "Auswahl der an der Extremierung beteiligten Einwirkungen"
                              : "Auswahl der an der Extremierung beteiligten Lastf\x84lle",
                          0, 0);
}

static void Panel_Mode(const Xtr_Dlg *d)
{
    Nchw_Legend.mode = d->basis == 0 ? LEGEND_ACTIONS : LEGEND_LOADCASES;
    Nchw_Legend.rows_per_column = 14;
    Nchw_Legend.variable_only = 0;
    Nchw_Legend_Column_Width();
}

/* A list choice of the check type's mask n: refused with the message when not allowed. */
static bool Take_Choice(Xtr_Dlg *d, int list, int n, int *value, int previous)
{
    if (Allowed(d->check, n, *value)) return true;
    Msg_Nchw_Nicht_Erlaubt(d->check->name);
    *value = previous;
    Draw_Prop_Sheet_Box();
    (void)list;
    return false;
}

static int Fill_List(int list, const char *const *texts, int n, const Nchw_Rec *check, int mask)
{
    for (int i = 0; i < n; i++)
        Fill_Stringlist_of_PS(list, texts[i],
                              (mask < 0 || Allowed(check, mask, i)) ? BLACK_CI : RED_CI);
    return list;
}

/* Open the sheet at its remembered place with the five lists of the rule's settings and the
** buttons; the sheet's corner goes into d->x, d->y. */
static void Build_Xtr_Sheet(Xtr_Dlg *d, Nchw_Rec *check)
{
    if (Origin_X < 0) {
        Origin_X = (NPIXEL_X - XTRGEN_W) / 2;
        Origin_Y = (NPIXEL_Y - XTRGEN_H) / 2;
    }
    int x1 = Origin_X, y1 = Origin_Y, x2 = Origin_X + XTRGEN_W - 1, y2 = Origin_Y + XTRGEN_H - 1;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    d->x = x1;
    d->y = y1;
    const int x = x1, y = y1;
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 1,
                      "Generierung benutzerdefinierter Extremierungsvorschriften", 0, 1);
    Draw_Funny_Text_to_PS(x + 12, y + 48,
                          "\x9A"
                          "berlagerungsregel:",
                          0, 0);
    d->l_rule = Fill_List(Add_Stringlist_to_PS(x + 12, y + 52, x + 182, y + 152, &d->rule, 1),
                          Rule_Texts, 6, check, NCHW_TI_RULES_USED);
    Draw_Funny_Text_to_PS(x + 12, y + 172,
                          "\x9A"
                          "berlagerungsbasis:",
                          0, 0);
    d->l_basis = Fill_List(Add_Stringlist_to_PS(x + 12, y + 176, x + 182, y + 212, &d->basis, 2),
                           Basis_Texts, 2, check, -1);
    Draw_Funny_Text_to_PS(x + 12, y + 232, "Nachweistyp:", 0, 0);
    d->l_kind = Fill_List(Add_Stringlist_to_PS(x + 12, y + 236, x + 182, y + 272, &d->kind, 3),
                          Kind_Texts, 2, check, NCHW_TI_KINDS_USED);
    Draw_Funny_Text_to_PS(x + 12, y + 292, "Kombinationstyp:", 0, 0);
    d->l_comb = Fill_List(Add_Stringlist_to_PS(x + 12, y + 296, x + 182, y + 348, &d->comb, 4),
                          Comb_Texts, 3, check, NCHW_TI_COMBINATIONS_USED);
    d->l_gamma = Fill_List(Add_Stringlist_to_PS(x + 193, y + 346, x + 360, y + 398, &d->gamma, 0),
                           Gamma_Texts, 3, check, -1);
    Draw_Funny_Text_to_PS(x + 412, y + 346, "alle Einstellungen", 0, 0);
    Draw_Funny_Text_to_PS(x + 412, y + 360, "auf Standard setzen", 0, 0);
    Add_Single_Button_to_PS(x + 510, y + 340, PS_RASTER(70, 24), "Standard", 20);
    Add_Single_Button_to_PS(x + 193, y + 324, PS_RASTER(60, 20), "alle", 21);
    Add_Single_Button_to_PS(x + 258, y + 324, PS_RASTER(60, 20), "keine", 22);
    Add_Single_Button_to_PS(x + 323, y + 324, PS_RASTER(80, 20), "invertieren", 23);
    Add_Single_Button_to_PS(x + 12, y + 410, PS_RASTER(80, 24), "abbrechen", 30);
    Add_Single_Button_to_PS(x + 100, y + 410, PS_RASTER(60, 24), "Hilfe", 31);
    Add_Single_Button_to_PS(
        x + 380, y + 380, PS_RASTER(200, 62),
        "Extremierungstabelle\nentsprechend der\naktuellen Einstellungen\nerzeugen", 32);
    Set_Windows_Break_Button(30);
}

int Xtr_Generation_Dialog(Nchw_Rec *check, Xtr_Rule_Rec *rule)
{
    if (!check || !rule) return 0;
    Xtr_Dlg d = {};
    d.check = check;
    d.rule = Nchw_Bit_Position(rule->comb_rule[0]);
    d.basis = rule->basis[0] ? 1 : 0;
    d.kind = Nchw_Bit_Position(rule->check_kind[0]);
    d.comb = Nchw_Bit_Position(rule->combination[0]);
    d.gamma = rule->gamma_g_variant[0];
    if (d.rule > 5) d.rule = 0;
    if (d.kind > 1) d.kind = 0;
    if (d.comb > 2) d.comb = 0;
    if (d.gamma < 0 || d.gamma > 2) d.gamma = 0;

    Build_Xtr_Sheet(&d, check);
    const int x = d.x, y = d.y;
    Panel_Mode(&d);
    const int px1 = x + XTRGEN_PANEL_X1, py1 = y + XTRGEN_PANEL_Y1;
    const int px2 = x + XTRGEN_PANEL_X2, py2 = y + XTRGEN_PANEL_Y2;
    Nchw_Legend.x1 = px1;
    Nchw_Legend.y1 = py1;
    Nchw_Legend.x2 = px2;
    Nchw_Legend.y2 = py2;
    Nchw_Legend.scroll_x = 0;
    const int area = Add_Scrollable_Area_to_PS(PS_Scrollable_Area{.x1 = px1,
                                                                  .y1 = py1,
                                                                  .x2 = px2,
                                                                  .y2 = py2,
                                                                  .frame = 1,
                                                                  .code = 5,
                                                                  .step_x = 16,
                                                                  .step_y = 16,
                                                                  .draw = Draw_Nchw_Symbol_Legend,
                                                                  .user = nullptr,
                                                                  .active = 0});
    Resize_Origin_of_Scrollable_Area_PS(area, 4000, py2 - py1 + 1);
    Add_HSlider_to_Scrollable_Area(area, 1, 12, -1, 0);
    Activate_Prop_Sheet();
    Caption(&d);
    pxDrawTransparentDIB(/*file=*/"nchwexud.bmp", /*x1=*/x + 540, /*y1=*/y + 28, /*x2=*/x + 590,
                         /*y2=*/y + 60, /*mode=*/201, /*flag=*/0, /*r=*/192, /*g=*/192, /*b=*/192);
    Enable_Dependants(&d);
    Change_Activity_PS(area, 1);

    int prev_rule = d.rule, prev_kind = d.kind, prev_comb = d.comb;
    for (;;) {
        const int code = Edit_Prop_Sheet();
        switch (code) {
        case 1:
            if (Take_Choice(&d, d.l_rule, NCHW_TI_RULES_USED, &d.rule, prev_rule))
                prev_rule = d.rule;
            Enable_Dependants(&d);
            break;
        case 3:
            if (Take_Choice(&d, d.l_kind, NCHW_TI_KINDS_USED, &d.kind, prev_kind))
                prev_kind = d.kind;
            Enable_Dependants(&d);
            break;
        case 4:
            if (Take_Choice(&d, d.l_comb, NCHW_TI_COMBINATIONS_USED, &d.comb, prev_comb))
                prev_comb = d.comb;
            Enable_Dependants(&d);
            break;
        case 2:
            Caption(&d);
            Panel_Mode(&d);
            Redraw_Nchw_Symbol_Legend(px1, py1, px2, py2);
            break;
        case 5: Track_Nchw_Symbol_Legend(px1, py1, px2, py2); break;
        case 20:
            d.rule = prev_rule = Nchw_Bit_Position(rule->comb_rule[1]) > 5
                                     ? 0
                                     : Nchw_Bit_Position(rule->comb_rule[1]);
            d.basis = rule->basis[1] ? 1 : 0;
            d.kind = prev_kind = Nchw_Bit_Position(rule->check_kind[1]) > 1
                                     ? 0
                                     : Nchw_Bit_Position(rule->check_kind[1]);
            d.comb = prev_comb = Nchw_Bit_Position(rule->combination[1]) > 2
                                     ? 0
                                     : Nchw_Bit_Position(rule->combination[1]);
            d.gamma = (rule->gamma_g_variant[1] >= 0 && rule->gamma_g_variant[1] <= 2)
                          ? rule->gamma_g_variant[1]
                          : 0;
            Draw_Prop_Sheet_Box();
            Caption(&d);
            Panel_Mode(&d);
            Enable_Dependants(&d);
            Redraw_Nchw_Symbol_Legend(px1, py1, px2, py2);
            break;
        case 21: Nchw_Select_All(); break;
        case 22: Nchw_Select_None(); break;
        case 23: Nchw_Select_Invert(); break;
        case 31: Helpview("XNCHW_UDEFEXTR"); break;
        case 32: {
            int dx = 0, dy = 0;
            Prop_Sheet_Displacement(&dx, &dy);
            Origin_X = x + dx;
            Origin_Y = y + dy;
            Undefine_Prop_Sheet();
            rule->comb_rule[0] = 1 << d.rule;
            rule->basis[0] = d.basis;
            rule->check_kind[0] = 1 << d.kind;
            rule->combination[0] = 1 << d.comb;
            rule->gamma_g_variant[0] = d.gamma;
            if (rule->check_kind[0] == 0) rule->check_kind[0] = 1;
            if (rule->combination[0] == 0) rule->combination[0] = 1;
            std::free(rule->rows);
            rule->rows = nullptr;
            rule->row_count = 0;
            rule->rows = Build_Situation_Xtr_Table(check, &rule->row_count, rule->comb_rule[0],
                                                   rule->basis[0], rule->check_kind[0],
                                                   rule->combination[0], rule->gamma_g_variant[0]);
            if (!rule->rows) rule->row_count = 0;
            return 0;
        }
        default: {
            /* 30 "abbrechen", the close box and a closed window: nothing changes */
            int dx = 0, dy = 0;
            Prop_Sheet_Displacement(&dx, &dy);
            Origin_X = x + dx;
            Origin_Y = y + dy;
            Undefine_Prop_Sheet();
            return 0;
        }
        }
    }
}
