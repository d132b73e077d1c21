/*
** The dialog of user-defined load collectives and the factor overview of a check's
** collectives. The rows themselves come from the builders of dlg_lkom_rows.
*/
#include "checks/dlg_lkomtype.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "checks/dlg_common.h"
#include "checks/dlg_legend.h"
#include "checks/dlg_lkom_rows.h"
#include "checks/dlg_xtrgen.h"
#include "checks/lkom_gen.h"
#include "checks/nchw_tables.h"
#include "checks/xtr_tables.h"
#include "foundation/ttool.h"
#include "platform/zelkwin.h"

static int Origin_X = -1, Origin_Y = -1;

void Lkom_Type_Dialog_Origin(int *x, int *y)
{
    *x = Origin_X;
    *y = Origin_Y;
}

int32_t Lkom_Nth_Variable_Action(int32_t n)
{
    for (int32_t i = 0; Nchw_Einw_Table.rows && i < Nchw_Einw_Table.count; i++)
        if (Nchw_Einw_Table.rows[i].kind > 1 && n-- == 0) return i;
    return -1;
}

static const char *const Rule_Texts[6] = {"DIN 1055-100",
                                          "Eurocode",
                                          "DIN 18800",
                                          "charakteristisch",
                                          "DIN 1072",
                                          "Br\x81"
                                          "ckenbau"};
static const char *const State_Texts[2] = {"Tragf\x84higkeit", "Gebrauchstauglichkeit"};
static const char *const Comb_Texts[3] = {"selten", "h\x84ufig", "quasist\x84ndig"};
static const char *const Gamma_Texts[3] = {"\xC0(G) = 1.00 / 1.35", "\xC0(G) = 0.90 / 1.10",
                                           "\xC0(G) = 0.95 / 1.05"};
static const char *const Main_Texts[2] = {"Hauptkombination", "Nebenkombination"};

typedef struct Type_Dlg {
    int rule, lead, state, comb, gamma, main;
    int l_rule, l_lead, l_state, l_comb, l_gamma, l_main;
    const Nchw_Type_Rec *type;
} Type_Dlg;

static bool Allowed(const Nchw_Type_Rec *t, int n, int pos)
{
    return t && (Nchw_Type_Int(t, n) & (1 << pos)) != 0;
}

static void Enable(const Type_Dlg *d)
{
    Change_Activity_PS(d->l_lead, d->rule <= 1 ? 1 : -3);
    Change_Activity_PS(d->l_state, (d->rule == 2 || d->rule == 3) ? -3 : 1);
    Change_Activity_PS(d->l_comb, (d->rule <= 1 && d->state == 1) ? 1 : -3);
    Change_Activity_PS(d->l_gamma, (d->rule == 0 && d->state == 0) ? 1 : -3);
    Change_Activity_PS(d->l_main, d->rule == 2 ? 1 : -3);
}

static int Fill(int list, const char *const *texts, int n, const Nchw_Type_Rec *t, int mask)
{
    for (int i = 0; i < n; i++)
        Fill_Stringlist_of_PS(list, texts[i],
                              (mask < 0 || Allowed(t, mask, i)) ? BLACK_CI : RED_CI);
    return list;
}

static void Refuse(const Type_Dlg *d, int *value, int previous)
{
    Msg_Nchw_Nicht_Erlaubt(d->type ? Trim_Blanks(d->type->name) : "");
    *value = previous;
    Draw_Prop_Sheet_Box();
}

static void Standard(Type_Dlg *d, const Lkom_Rec *lkom)
{
    d->rule = Nchw_Bit_Position(lkom->comb_rule);
    if (d->rule > 5) d->rule = 0;
    d->state = lkom->default_check_kinds / 2;
    if (d->state > 1) d->state = 1;
    d->comb = lkom->default_combinations / 2;
    if (d->comb > 2) d->comb = 2;
    d->gamma = 0;
}

void Lkom_Type_Dialog(const Nchw_Type_Rec *type, Lkom_Rec *lkom)
{
    if (!lkom) return;
    Type_Dlg d = {};
    d.type = type;
    d.rule = Nchw_Bit_Position(lkom->comb_rule);
    if (d.rule > 5) d.rule = 0;
    d.state = lkom->check_kind == 2 ? 1 : 0;
    d.comb = lkom->combination == 4 ? 2 : lkom->combination == 2 ? 1 : 0;
    d.gamma = (lkom->gamma_g_variant[0] >= 0 && lkom->gamma_g_variant[0] <= 2)
                  ? lkom->gamma_g_variant[0]
                  : 0;
    d.lead = 0;
    for (int32_t n = 0; Lkom_Nth_Variable_Action(n) >= 0; n++)
        if (Lkom_Nth_Variable_Action(n) == lkom->leading_action[0]) d.lead = n;
    d.main = lkom->leading_action[0] == 1 ? 0 : 1;

    if (Origin_X < 0) {
        Origin_X = (NPIXEL_X - LKOMTYPE_W) / 2;
        Origin_Y = (NPIXEL_Y - LKOMTYPE_H) / 2;
    }
    int x1 = Origin_X, y1 = Origin_Y, x2 = x1 + LKOMTYPE_W - 1, y2 = y1 + LKOMTYPE_H - 1;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    const int x = x1, y = y1;
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 1,
                      "Programmgest\x81tze Erzeugung von Lastkollektiv-Tabellen", 0, 1);
    Draw_Funny_Text_to_PS(x + 12, y + 44, "Grundeinstellungen", 0, 1);
    Draw_Funny_Text_to_PS(x + 12, y + 62,
                          "\x9A"
                          "berlagerungsregel:",
                          0, 0);
    d.l_rule = Fill(Add_Stringlist_to_PS(x + 12, y + 66, x + 182, y + 166, &d.rule, 1), Rule_Texts,
                    6, type, NCHW_TI_RULES_USED);
    Draw_Funny_Text_to_PS(x + 12, y + 184, "f\x81hrende Einwirkung:", 0, 0);
    d.l_lead = Add_Stringlist_to_PS(x + 12, y + 188, x + 182, y + 252, &d.lead, 2);
    for (int32_t n = 0; Lkom_Nth_Variable_Action(n) >= 0; n++)
        Fill_Stringlist_of_PS(d.l_lead, Nchw_Einw_Table.rows[Lkom_Nth_Variable_Action(n)].label,
                              BLACK_CI);
    Draw_Funny_Text_to_PS(x + 12, y + 270, "Nachweistyp:", 0, 0);
    d.l_state = Fill(Add_Stringlist_to_PS(x + 12, y + 274, x + 182, y + 310, &d.state, 3),
                     State_Texts, 2, type, NCHW_TI_KINDS_USED);
    Draw_Funny_Text_to_PS(x + 12, y + 328, "Kombinationstyp:", 0, 0);
    d.l_comb = Fill(Add_Stringlist_to_PS(x + 12, y + 332, x + 182, y + 384, &d.comb, 4), Comb_Texts,
                    3, type, NCHW_TI_COMBINATIONS_USED);
    d.l_gamma = Fill(Add_Stringlist_to_PS(x + 193, y + 346, x + 360, y + 398, &d.gamma, 0),
                     Gamma_Texts, 3, type, -1);
    d.l_main = Fill(Add_Stringlist_to_PS(x + 193, y + 402, x + 360, y + 438, &d.main, 0),
                    Main_Texts, 2, type, -1);
    Draw_Funny_Text_to_PS(x + XTRGEN_PANEL_X1, y + 62,
                          "Auswahl der am Lastkollektiv beteiligten Lastf\x84lle", 0, 0);
    Draw_Funny_Text_to_PS(x + 412, y + 346, "auf Standard setzen", 0, 0);
    Add_Single_Button_to_PS(x + 510, y + 340, PS_RASTER(70, 24), "Standard", 20);
    Add_Single_Button_to_PS(x + 193, y + 324, PS_RASTER(60, 20), "alle", 21);
    Add_Single_Button_to_PS(x + 258, y + 324, PS_RASTER(60, 20), "keine", 22);
    Add_Single_Button_to_PS(x + 323, y + 324, PS_RASTER(80, 20), "invertieren", 23);
    Add_Single_Button_to_PS(x + 12, y + 410, PS_RASTER(80, 24), "abbrechen", 30);
    Add_Single_Button_to_PS(x + 100, y + 410, PS_RASTER(60, 24), "Hilfe", 31);
    Add_Single_Button_to_PS(x + 380, y + 380, PS_RASTER(200, 62),
                            "Lastkollektiv\nentsprechend der\naktuellen Einstellungen\nerzeugen",
                            32);
    Set_Windows_Break_Button(30);
    const int px1 = x + XTRGEN_PANEL_X1, py1 = y + XTRGEN_PANEL_Y1;
    const int px2 = x + XTRGEN_PANEL_X2, py2 = y + XTRGEN_PANEL_Y2;
    Nchw_Legend.mode = LEGEND_FAVOURABLE;
    Nchw_Legend.rows_per_column = 14;
    Nchw_Legend.variable_only = 0;
    Nchw_Legend.scroll_x = 0;
    Nchw_Legend.x1 = px1;
    Nchw_Legend.y1 = py1;
    Nchw_Legend.x2 = px2;
    Nchw_Legend.y2 = py2;
    Nchw_Legend_Column_Width();
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
    pxDrawTransparentDIB(/*file=*/"nchwexud.bmp", /*x1=*/x + 540, /*y1=*/y + 28, /*x2=*/x + 590,
                         /*y2=*/y + 60, /*mode=*/201, /*flag=*/0, /*r=*/192, /*g=*/192, /*b=*/192);
    Enable(&d);
    Change_Activity_PS(area, 1);

    int prev_rule = d.rule, prev_state = d.state, prev_comb = d.comb;
    for (;;) {
        const int code = Edit_Prop_Sheet();
        if (code == 1) {
            if (!Allowed(type, NCHW_TI_RULES_USED, d.rule)) Refuse(&d, &d.rule, prev_rule);
            prev_rule = d.rule;
        } else if (code == 3) {
            if (!Allowed(type, NCHW_TI_KINDS_USED, d.state)) Refuse(&d, &d.state, prev_state);
            prev_state = d.state;
        } else if (code == 4) {
            if (!Allowed(type, NCHW_TI_COMBINATIONS_USED, d.comb)) Refuse(&d, &d.comb, prev_comb);
            prev_comb = d.comb;
        } else if (code == 5) {
            Track_Nchw_Symbol_Legend(px1, py1, px2, py2);
        } else if (code == 20) {
            Standard(&d, lkom);
            prev_rule = d.rule;
            prev_state = d.state;
            prev_comb = d.comb;
            Draw_Prop_Sheet_Box();
        } else if (code == 21 || code == 22 || code == 23) {
            if (code == 21) Nchw_Select_All();
            else if (code == 22) Nchw_Select_None();
            else Nchw_Select_Invert();
        } else if (code == 31) {
            Helpview("XNCHW_UDEFLKOM");
        } else if (code == 6 || code == 2 || code == 0) {
            /* the move button and the leading action need no more than a redraw */
        } else {
            int dx = 0, dy = 0;
            Prop_Sheet_Displacement(&dx, &dy);
            Origin_X = x + dx;
            Origin_Y = y + dy;
            Undefine_Prop_Sheet();
            if (code != 32) return; /* "abbrechen", the close box, a closed window */
            lkom->comb_rule = 1 << d.rule;
            lkom->check_kind = d.state + 1;
            lkom->combination = 1 << d.comb;
            lkom->gamma_g_variant[0] = d.gamma;
            lkom->leading_action[0] =
                d.rule <= 1 ? Lkom_Nth_Variable_Action(d.lead) : (d.main == 0 ? 1 : 0);
            std::free(lkom->rows);
            lkom->rows = nullptr;
            lkom->row_count = 0;
            /* the bridge coefficients read the collective's combination and dynamic-factor choice */
            const int32_t rec[8] = {lkom->combination, 0, 0, lkom->gamma_g_variant[1], 0, 0, 0, 0};
            Lkom_Bridge_Variant_Rec = rec;
            int32_t n = 0;
            Lkom_Row *rows = Build_Udef_Lkom_Factors(type, &n, lkom->comb_rule,
                                                     lkom->leading_action[0], lkom->check_kind,
                                                     lkom->combination, lkom->gamma_g_variant[0]);
            Lkom_Bridge_Variant_Rec = nullptr;
            lkom->rows = rows;
            lkom->row_count = rows ? n : 0;
            return;
        }
        Enable(&d);
        Redraw_Nchw_Symbol_Legend(px1, py1, px2, py2);
    }
}

/* ------------------------------------------------------------------ factor overview */

typedef struct Overview {
    const Nchw_Rec *check;
    int imperfections;
} Overview;

static void Draw_Overview(int area, int sx, int sy, int x1, int y1, int x2, int y2, void *user)
{
    (void)area;
    const Overview *o = (const Overview *)user;
    char text[32];
    pxFgc(WHITE_CI);
    pxRect(x1, y1, x2, y2);
    const int old = Pop_RFont(4096);
    (void)old;
    int col = 0;
    const int cw = 48, lx = x1 + 150 - sx;
    pxFgc(BLACK_CI);
    pxText(x1 + 4 - sx, y1 + 14 - sy, "Lastf\x84lle ....", -1);
    for (int32_t i = 0; Nchw_Lf_Table.rows && i < Nchw_Lf_Table.count; i++, col++) {
        snprintf(text, sizeof text, "%d", (int)Nchw_Lf_Table.rows[i].number);
        pxText(lx + col * cw, y1 + 14 - sy, text, -1);
    }
    if (o->imperfections) {
        pxText(x1 + 4 - sx, y1 + 30 - sy, "Imperfektionen ....", -1);
        for (int32_t i = 0; i < Nchw_Imp_Table.count; i++) {
            snprintf(text, sizeof text, "-%d", (int)Nchw_Imp_Table.rows[i].number);
            pxText(lx + (col + i) * cw, y1 + 30 - sy, text, -1);
        }
    }
    int y = y1 + 50 - sy;
    for (const Lkom_Rec *l = o->check ? o->check->lkom_head : nullptr; l; l = l->next, y += 16) {
        snprintf(text, sizeof text, "%d: %.20s", (int)l->number, Trim_Blanks(l->name));
        pxText(x1 + 4 - sx, y, text, -1);
        for (int32_t r = 0; r < l->row_count; r++) {
            int c = -1;
            if (l->rows[r].number > 0) {
                for (int32_t i = 0; i < Nchw_Lf_Table.count; i++)
                    if (Nchw_Lf_Table.rows[i].number == l->rows[r].number) c = i;
            } else if (o->imperfections) {
                for (int32_t i = 0; i < Nchw_Imp_Table.count; i++)
                    if (Nchw_Imp_Table.rows[i].number == -l->rows[r].number) c = col + i;
            }
            if (c < 0) continue;
            snprintf(text, sizeof text, "%.2f", l->rows[r].factor);
            pxText(lx + c * cw, y, text, -1);
        }
    }
    Push_RFont();
}

void Show_Lkom_Factors_Sheet_Of(const Nchw_Rec *check, int generated)
{
    char title[128];
    if (generated)
        snprintf(title, sizeof title,
                 "\x9A"
                 "bersicht \x81"
                 "ber die generierten Lastkollektive entspr. der "
                 "aktuellen Einstellungen");
    else
        snprintf(title, sizeof title,
                 "\x9A"
                 "bersicht \x81"
                 "ber alle Lastkollektive zum Nachweis: %s",
                 check ? Trim_Blanks(check->name) : "");
    Overview o = {check, 0};
    o.imperfections =
        check && check->type && Nchw_Type_Int(check->type, 10) == 2 && Nchw_Imp_Table.count > 0;
    int32_t lines = 0;
    for (const Lkom_Rec *l = check ? check->lkom_head : nullptr; l; l = l->next) lines++;
    int x1 = (NPIXEL_X - 700) / 2, y1 = (NPIXEL_Y - 480) / 2, x2 = x1 + 699, y2 = y1 + 479;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, title, 0, 1);
    Draw_Funny_Text_to_PS(x1 + 12, y1 + 44, "Faktoren", 0, 1);
    const int cols = Nchw_Lf_Table.count + (o.imperfections ? Nchw_Imp_Table.count : 0);
    const int area = Add_Scrollable_Area_to_PS(PS_Scrollable_Area{.x1 = x1 + 12,
                                                                  .y1 = y1 + 52,
                                                                  .x2 = x2 - 12,
                                                                  .y2 = y2 - 44,
                                                                  .frame = 1,
                                                                  .code = 0,
                                                                  .step_x = 16,
                                                                  .step_y = 16,
                                                                  .draw = Draw_Overview,
                                                                  .user = &o,
                                                                  .active = 0});
    Resize_Origin_of_Scrollable_Area_PS(area, 160 + cols * 48, 60 + lines * 16);
    Add_VSlider_to_Scrollable_Area(area, 1, 12, -1, 0);
    Add_HSlider_to_Scrollable_Area(area, 1, 12, -1, 0);
    Add_Single_Button_to_PS(x2 - 50, y2 - 32, SYMBOLIC_OK_RASTER, "", 1);
    Set_Windows_Break_Button(1);
    Set_Windows_OK_Button(1);
    Activate_Prop_Sheet();
    Change_Activity_PS(area, 1);
    while (Edit_Prop_Sheet() != 1 && !getkeymask()) {}
    Undefine_Prop_Sheet();
}

void Show_Lkom_Factors_Sheet(void)
{
    if (Auto_GenRule.lkom_head) Show_Lkom_Factors_Sheet_Of(&Auto_GenRule, 1);
    else Show_Lkom_Factors_Sheet_Of(Nchw_Current, 0);
}
