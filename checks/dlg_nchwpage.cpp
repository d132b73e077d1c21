/*
** The page of a design check on the management sheet: number, name, activation, type and the
** object selectors of the type, the read-only summary of type and options, and the dialog
** "Nachweisoptionen" with the dependencies between its entries.
*/
#include <cmath>
#include <cstdio>
#include <cstring>

#include "checks/dlg_objsel.h"
#include "checks/dlg_sheet.h"
#include "checks/nchw_def.h"
#include "checks/xtr_tables.h"
#include "foundation/ttool.h"
#include "platform/zelkgrft.h"
#include "platform/zelkwin.h"

int Nchw_Summary_K = 0;
int Nchw_Summary_Bottom = 410;

/* ------------------------------------------------------------------ texts of a type */

static const char *Xtr_Line(const Nchw_Type_Rec *t)
{
    const int n = Nchw_Compute_Mode_Index;
    const bool in2 = (Nchw_Type_Int(t, 2) >> n) & 1, in3 = (Nchw_Type_Int(t, 3) >> n) & 1;
    if (!in2) return "Extremierungen nicht m\x94glich";
    return in3 ? "Extremierungen erlaubt" : "Extremierungen erforderlich";
}

static const char *Lkom_Line(const Nchw_Type_Rec *t)
{
    const int n = Nchw_Compute_Mode_Index;
    const bool in2 = (Nchw_Type_Int(t, 2) >> n) & 1, in3 = (Nchw_Type_Int(t, 3) >> n) & 1;
    if (!in3) return "Lastkollektive nicht m\x94glich";
    return in2 ? "Lastkollektive erlaubt" : "Lastkollektive erforderlich";
}

static const char *Rule_Line(int32_t rule)
{
    switch (rule) {
    case 1: return "Kombinationsregel: DIN1055-100";
    case 2: return "Kombinationsregel: Eurocode";
    case 4: return "Kombinationsregel: DIN 18800";
    case 8: return "Kombinationsregel: charakteristisch";
    case 16: return "Kombinationsregel: DIN 1072";
    case 32:
        return "Kombinationsregel: Br\x81"
               "ckenbau";
    default: return "Kombinationsregel: einstellbar";
    }
}

static const char *Combination_Line(Nchw_Type_Rec *t)
{
    switch (t->ints4_10[2]) {
    case 1: return "f\x81r seltene Kombinationen";
    case 2: return "f\x81r h\x84ufige Kombinationen";
    case 3: return "f\x81r seltene oder h\x84ufige Kombinationen";
    case 4: return "f\x81r quasist\x84ndige Kombinationen";
    case 5: return "f\x81r seltene oder quasist\x84ndige Kombinationen";
    case 6: return "f\x81r h\x84ufige oder quasist\x84ndige Kombinationen";
    case 8: return "f\x81r nicht-h\x84ufige Kombinationen";
    default: t->ints4_10[2] = 7; return "f\x81r frei w\x84hlbare Kombinationen";
    }
}

/* Index of the option entry with that id; -1 when none. */
static int Option_Index(const Nchw_Type_Rec *t, int32_t id)
{
    for (int i = 0; i < t->option_count && i < 20; i++)
        if (t->options[i].id == id) return i;
    return -1;
}

/* The first entry of entry i's radio group. */
static int Group_First(const Nchw_Type_Rec *t, int i)
{
    for (int j = 0; j < t->option_count && j < 20; j++)
        if (t->options[j].kind == 2 && t->options[j].group == t->options[i].group) return j;
    return i;
}

/* ------------------------------------------------------------------ summary */

static void Heading(int x, int y, const char *text)
{
    Pop_RFont(4098);
    pxFgc(Nearest_Color_Index(50, 170, 50));
    pxText(x, y, text, -1);
    Push_RFont();
}

static void Line(int x, int y, const char *text, int colour = BLACK_CI)
{
    Pop_RFont(4096);
    pxFgc(colour);
    pxText(x, y, text, -1);
    Push_RFont();
}

/* Paint the summary of the current check with its origin at (x0, y0). */
static void Paint_Summary(int x0, int y0)
{
    Nchw_Rec *c = Nchw_Current;
    if (!c) return;
    int top = 20;
    if (!(c->flags & 1)) {
        Pop_RFont(4096 | 0x10000);
        pxFgc(RED_CI);
        pxText(x0 + 10, y0 + 20, "Der Nachweis ist deaktiviert!", -1);
        Push_RFont();
        top = 40;
    }
    Nchw_Type_Rec *t = c->type;
    Heading(x0 + 10, y0 + top, "NACHWEISTYP:");
    int k = top + 41;
    if (t) {
        Line(x0 + 25, y0 + top + 14, Nchw_Material_Text(Nchw_Type_Int(t, 1)));
        Line(x0 + 25, y0 + top + 26, Trim_Blanks(t->description));
        switch (t->ints4_10[0]) {
        case 1: Line(x0 + 25, y0 + top + 41, "Tragf\x84higkeitsnachweis"); break;
        case 2:
            Line(x0 + 25, y0 + top + 41, "Gebrauchstauglichkeitsnachweis");
            Line(x0 + 25, y0 + top + 56, Combination_Line(t));
            k = top + 56;
            break;
        case 3: Line(x0 + 25, y0 + top + 41, "Nachweistyp frei w\x84hlbar"); break;
        default:
            t->ints4_10[0] = 0;
            Line(x0 + 25, y0 + top + 41, "Nachweistyp irelevant");
            break;
        }
    }
    Nchw_Summary_K = k;
    Heading(x0 + 10, y0 + k + 20, "LASTKOMBINATIONEN:");
    if (t) {
        Line(x0 + 25, y0 + k + 34, Xtr_Line(t));
        Line(x0 + 25, y0 + k + 48, Lkom_Line(t));
        Line(x0 + 25, y0 + k + 62, Rule_Line(Nchw_Type_Int(t, NCHW_TI_COMB_RULE)));
    }
    Heading(x0 + 10, y0 + k + 82, "RECHENMODUS:");
    const int32_t mode = t ? Nchw_Type_Int(t, 10) : 0;
    Line(x0 + 25, y0 + k + 96,
         mode == 1   ? "lineare Schnittgr\x94\xE1"
                       "enberechnung"
         : mode == 2 ? "nichtlineare Schnittgr\x94\xE1"
                       "enberechnung"
                     : "keine Angaben");
    Heading(x0 + 10, y0 + k + 116, "OPTIONALE EINSTELLUNGEN:");
    if (!t || t->option_count <= 0) {
        Line(x0 + 25, y0 + k + 130, "nicht vorhanden");
        return;
    }
    int y = k + 130;
    for (int i = 0; i < t->option_count && i < 20; i++) {
        const Nchw_Option_Entry &e = t->options[i];
        y += (int)std::lround(e.gap * 15.0 / 19.0);
        bool inactive = false;
        if (e.depends_on > 0) {
            const int d = Option_Index(t, e.depends_on);
            inactive = d >= 0 && c->option_values[d] == 0;
        }
        const int colour = inactive ? DISABLED_CI : BLACK_CI;
        const int x = x0 + e.x_indent + 15;
        if (e.kind == 3) {
            Line(x, y0 + y, e.text, colour);
        } else if (e.kind == 1 || e.kind == 2) {
            int image;
            if (e.kind == 1) image = c->option_values[i] ? TVI_BOX_TICKED : TVI_BOX_EMPTY;
            else
                image =
                    c->option_values[Group_First(t, i)] == e.value ? TVI_OPTION_ON : TVI_OPTION_OFF;
            pxFgc(colour);
            Draw_TreeViewImage(image, x + 6, y0 + y - 9 + 6);
            Line(x0 + e.x_indent + 31, y0 + y, e.text, colour);
        }
        y += 15;
    }
}

void Nchw_Summary_Area_Draw(int area, int sx, int sy, int x1, int y1, int x2, int y2, void *user)
{
    (void)area;
    (void)user;
    pxFgc(WHITE_CI);
    pxRect(x1, y1, x2, y2);
    Paint_Summary(x1 - sx, y1 - sy);
}

void Draw_Nchw_Summary(void)
{
    if (Nchw_Sheet.open && Nchw_Sheet.h_summary > 0) {
        Set_Scrollable_Area_PS(Nchw_Sheet.h_summary, 0, 0);
        Change_Activity_PS(Nchw_Sheet.h_summary, 1);
    } else {
        Paint_Summary(Nchw_Sheet.x + 275, Nchw_Sheet.y + 195);
    }
}

/* ------------------------------------------------------------------ showing and hiding */

void Nchw_Draw_Selector_Text(int slot, const char *plural)
{
    const int x = Nchw_Sheet.x, y = Nchw_Sheet.y + 355 + 26 * slot;
    const int32_t m = Nchw_Sheet.sel_mode[slot];
    char text[80];
    snprintf(text, sizeof text,
             m == 0   ? "f\x81r alle %s"
             : m == 1 ? "nicht f\x81r %s"
                      : "f\x81r ausgew\x84hlte %s",
             plural);
    pxFgc(BACKGROUND_CI);
    pxRect(x + 272, y - 13, x + 466, y + 4);
    Pop_RFont(4096);
    pxFgc(BLACK_CI);
    pxText(x + 275, y, text, -1);
    Push_RFont();
}

void Nchw_Enter_Page(Nchw_Page page)
{
    if (page != NCHW_PAGE_CHECK) Hide_Nchw_Properties();
    if (page != NCHW_PAGE_XTR) Hide_Xtr_Properties();
    if (page != NCHW_PAGE_LKOM) Hide_Lkom_Properties();
    if (page != NCHW_PAGE_GENRULE) Hide_GenRule_Properties();
    Nchw_Sheet.page_flag = Nchw_Sheet.args.values[0] & page;
}

void Hide_Nchw_Properties(void)
{
    Nchw_Sheet_Rec &s = Nchw_Sheet;
    Nchw_Act(s.h_chk_number, 0);
    Nchw_Act(s.h_chk_name, 0);
    Nchw_Act(s.h_chk_active, 0);
    Nchw_Act(s.h_chk_help, 0);
    Nchw_Act(s.h_chk_options, 0);
    Nchw_Act(s.h_summary, 0);
    for (int i = 0; i < 3; i++) {
        Nchw_Act(s.h_sel_list[i], 0);
        Nchw_Act(s.h_sel_button[i], 0);
    }
    if (Nchw_Current) Nchw_Clear_Page_Area();
    Nchw_Current = nullptr;
}

void Show_Nchw_Properties(Nchw_Rec *check)
{
    if (!check) return;
    Nchw_Sheet_Rec &s = Nchw_Sheet;
    Nchw_Enter_Page(NCHW_PAGE_CHECK);
    s.chk_number = check->number;
    snprintf(s.chk_name, sizeof s.chk_name, "%.*s", (int)sizeof s.chk_name - 1, check->name);
    s.chk_active = check->flags & 1;
    for (int i = 0; i < 3; i++) {
        s.sel_mode[i] = 0;
        Nchw_Act(s.h_sel_list[i], 0);
        Nchw_Act(s.h_sel_button[i], 0);
    }
    Nchw_Clear_Page_Area();
    const int x = s.x, y = s.y;
    const Nchw_Type_Rec *t = check->type;
    Pop_RFont(4096);
    pxFgc(BLACK_CI);
    pxText(x + 272, y + 92, "Nachweis   (Nummer und Bezeichnung)", -1);
    pxText(x + 520, y + 92, "aktiviert", -1);
    pxText(x + 272, y + 142, "Typ:", -1);
    pxText(x + 300, y + 142, t ? Trim_Blanks(t->name) : "????????", -1);
    pxLine(x + 275, y + 153, x + 588, y + 153);
    pxText(x + 272, y + 178, "optionale Einstellungen", -1);
    Push_RFont();
    Nchw_Act(s.h_chk_number, 1);
    Nchw_Act(s.h_chk_name, 1);
    Nchw_Act(s.h_chk_active, 1);
    Nchw_Act(s.h_chk_help, 1);
    Nchw_Act(s.h_chk_options, t && t->option_count > 0 ? 1 : 0);

    const int n = t ? t->selector_count : 0;
    Nchw_Summary_Bottom = 410;
    if (n >= 1 && n <= 3 && !(s.args.values[0] & 128)) {
        Nchw_Summary_Bottom = 310 + 26 * (3 - n);
        if (s.h_summary > 0)
            Reshape_Scrollable_Area_PS(s.h_summary, x + 275, y + 195, x + 570,
                                       y + Nchw_Summary_Bottom, 1, 12, 0, 0);
        Pop_RFont(4096);
        pxFgc(BLACK_CI);
        pxText(x + 272, y + 330 + 26 * (3 - n), "Der Nachweis wird gef\x81hrt .......", -1);
        Push_RFont();
        for (int i = 0; i < n; i++) {
            const int slot = 3 - n + i; /* the lowest n controls, the first selector highest */
            s.sel_mode[slot] = check->selector_modes[i];
            if ((Nchw_Type_Id(t) == 48 || Nchw_Type_Id(t) == 98) && n == 1) {
                check->selector_modes[i] = s.sel_mode[slot] = 0;
            } else {
                Nchw_Act(s.h_sel_list[slot], 1);
                Nchw_Act(s.h_sel_button[slot], s.sel_mode[slot] == 2 ? 1 : 0);
            }
            Nchw_Draw_Selector_Text(slot, t->selector_names[i]);
        }
    } else if (s.h_summary > 0) {
        Reshape_Scrollable_Area_PS(s.h_summary, x + 275, y + 195, x + 570, y + 410, 1, 12, 0, 0);
    }
    Nchw_Current = check;
    Draw_Nchw_Summary();
    Nchw_Tree_Sel[0] = check->number;
    Nchw_Tree_Sel[1] = Nchw_Tree_Sel[2] = Nchw_Tree_Sel[3] = -1;
}

/* ------------------------------------------------------------------ options dialog */

/* Activity of the entries after entry c changed (or of all at opening with c < 0). */
static void Propagate(const Nchw_Type_Rec *t, const int32_t *local, int *act, int c)
{
    const int n = t->option_count < 20 ? t->option_count : 20;
    if (c >= 0) {
        for (int i = 0; i < n; i++)
            if (t->options[i].depends_on > 0 && t->options[i].depends_on == t->options[c].id)
                act[i] = local[c] != 0 ? 1 : -1;
    }
    for (int pass = 0; pass < 40; pass++) {
        bool changed = false;
        for (int i = 0; i < n; i++) {
            if (t->options[i].depends_on <= 0) continue;
            const int d = Option_Index(t, t->options[i].depends_on);
            if (d < 0 || t->options[d].id <= 0) continue;
            const int want = (local[d] != 0 && act[d] > 0) ? 1 : -1;
            if (act[i] != want) {
                act[i] = want;
                changed = true;
            }
        }
        if (!changed) break;
    }
}

int Edit_Nchw_Options(const Nchw_Type_Rec *t, int32_t *values)
{
    if (!t || t->option_count <= 0) {
        Init_Message();
        Fill_Message("F\x81r den aktuell ausgew\x84hlten");
        Fill_Message("Nachweis sind keine optionalen");
        Fill_Message("Einstellungen verf\x81gbar");
        Draw_Message();
        return 0;
    }
    const int n = t->option_count < 20 ? t->option_count : 20;
    int32_t local[20] = {};
    int act[20];
    for (int i = 0; i < n; i++) {
        local[i] = values[i];
        act[i] = 1;
    }
    for (int i = 0; i < n; i++) {
        if (t->options[i].depends_on <= 0) continue;
        const int d = Option_Index(t, t->options[i].depends_on);
        if (d >= 0 && values[d] == 0) act[i] = -1;
    }
    const int w = t->dialog_width > 100 ? t->dialog_width : 300;
    const int h = t->dialog_height > 80 ? t->dialog_height : 200;
    int x1 = (NPIXEL_X - w) / 2, y1 = (NPIXEL_Y - h) / 2, x2 = x1 + w - 1, y2 = y1 + h - 1;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, "Nachweisoptionen", 0, 1);
    int handle[20] = {};
    int y = y1 + 46;
    for (int i = 0; i < n; i++) {
        const Nchw_Option_Entry &e = t->options[i];
        y += e.gap;
        const int x = x1 + e.x_indent + 15;
        if (e.kind == 1) {
            handle[i] = Add_Logical_Button_to_PS(x, y, 0, 0, &local[i], i + 1);
        } else if (e.kind == 2) {
            const int f = Group_First(t, i);
            if (f == i) local[f] = values[f];
            handle[i] = Add_Option_Button_to_PS(x, y, &local[f], e.value, i + 1);
        }
        if (e.kind == 1 || e.kind == 2) Draw_Funny_Text_to_PS(x + 20, y + 10, e.text, 0, 0);
        else if (e.kind == 3) Draw_Funny_Text_to_PS(x, y + 10, e.text, 0, 0);
        y += 19;
    }
    Add_Single_Button_to_PS(x1 + 13, y2 - 28, SYMBOLIC_BREAK_RASTER, "", 1000);
    Add_Help_to_PS((x1 + x2) / 2 - 15, y2 - 28, t->help_topic);
    Add_Single_Button_to_PS(x2 - 38, y2 - 28, SYMBOLIC_OK_RASTER, "", 999);
    Set_Windows_Break_Button(1000);
    Activate_Prop_Sheet();
    for (int i = 0; i < n; i++)
        if (handle[i]) Change_Activity_PS(handle[i], act[i]);
    for (;;) {
        const int code = Edit_Prop_Sheet();
        if (code >= 1 && code <= n) {
            Propagate(t, local, act, code - 1);
            for (int i = 0; i < n; i++)
                if (handle[i]) Change_Activity_PS(handle[i], act[i]);
            continue;
        }
        Undefine_Prop_Sheet();
        if (code != 999) return 0;
        for (int i = 0; i < n; i++) {
            if (t->options[i].kind == 1) values[i] = local[i];
            else if (t->options[i].kind == 2) values[i] = Group_First(t, i) == i ? local[i] : 0;
        }
        Nchw_Act(Nchw_Sheet.h_summary, 0);
        Draw_Nchw_Summary();
        return 1;
    }
}

/* Activity of the option entries as the dialog opens them (for tests of the dependencies). */
void Nchw_Option_Activity(const Nchw_Type_Rec *t, const int32_t *values, int changed, int *act)
{
    const int n = t->option_count < 20 ? t->option_count : 20;
    for (int i = 0; i < n; i++) act[i] = 1;
    Propagate(t, values, act, changed);
}
