/*
** Concrete and steel parameter blocks: rows of symbol, field and unit with a picture of the
** stress-strain law, the grade choices that show them or a link to the parameter dialogs, and
** the dialogs' page functions.
*/
#include "catalogue/concrete_input.h"

#include "dialogs/sva.h"
#include "dialogs/widgets.h"
#include "dialogs/widgets_input.h"
#include "foundation/codepage.h"
#include "platform/zelkwin.h"

Wdg_Link_Request Wdg_Concrete_Link = {1, 0};
Wdg_Link_Request Wdg_Steel_Link = {1, 0};

static const char *const Unit_Stress = "MN/m²"_cp850;
static const char Unit_Density[] = "kg/m\xFA";
static const char Unit_Permille[] = "\x89";

static int Key_Colour(void) { return Nearest_Color_Index(239, 253, 238); }

/* One row: label (symbol with index, or plain text) at x, field at x + 75, unit after it. */
static void Row(int x, int y, const char *symbol, const char *index, double *var, double factor,
                int decimals, const char *unit, const int *state)
{
    int one = *state != 0 ? 1 : 0;
    if (index) Wdg_Draw_Symbol(x, y, symbol, index, &one);
    else Wdg_Draw_Text(x, y, symbol, &one);
    int w = Wdg_Scaled_Float_Field(x + 75, y, var, factor, 8, decimals, state);
    if (unit) Wdg_Draw_Text(x + 75 + w + 3, y, unit, &one);
}

/* A strain row: the minus sign twice before the field, per mille after it. */
static void Strain_Row(int x, int y, const char *index, double *var, const int *state)
{
    int one = *state != 0 ? 1 : 0;
    Wdg_Draw_Text(x + 65, y, "-", &one);
    Wdg_Draw_Text(x + 68, y, "-", &one);
    Row(x, y, "\xBE", index, var, -1000.0, 3, Unit_Permille, state);
}

int Wdg_Concrete_Block(int area, int x, int y, Concrete_Grade *c)
{
    Wdg_Select_Area(area);
    if (area < 0 || c == nullptr) return 183;
    Wdg_Set_Fg_Colour(BLACK_CI);
    int *cell = &Wdg_Block_Activity.concrete_block;
    int one = *cell != 0 ? 1 : 0;
    SVA_Add_Bitmap(area, "tools\\bemop_fcd.bmp", x + 200, y, x + 420, y + 192, Key_Colour());
    Wdg_Draw_Text(x, y + 57, "Rohdichte", &one);
    int w = Wdg_Density_Field(x + 75, y + 57, &c->density, cell);
    Wdg_Draw_Text(x + 75 + w + 3, y + 57, Unit_Density, &one);
    Row(x, y + 80, "\xBA", "c", &c->alpha, 1.0, 3, nullptr, cell);
    Row(x, y + 103, "f", "ck", &c->fck, 0.001, 2, Unit_Stress, cell);
    Strain_Row(x, y + 126, "c2", &c->eps_c2, cell);
    Strain_Row(x, y + 149, "c2u", &c->eps_c2u, cell);
    Row(x, y + 172, "n", "c", &c->n, 1.0, 2, nullptr, cell);

    /* the modulus: read-only and computed from fck while the automatic flag is set */
    int read_only = WDG_READ_ONLY;
    const int *e_state = (c->auto_modulus && *cell != 0) ? &read_only : cell;
    Wdg_Draw_Symbol(x, y + 207, "E", "cm", &one);
    int ew = Wdg_Scaled_Float_Field(x + 75, y + 207, &c->E, 0.001, 8, 1, e_state);
    int uw = Wdg_Draw_Text(x + 75 + ew + 3, y + 207, Unit_Stress, &one);
    if (c->auto_modulus) c->E = 0.001 * Calc_Lc_Concrete_E_Modulus(1000.0 * c->fck);
    Wdg_Draw_Check_Box(x + 75 + ew + 3 + uw + 10, y + 207, "E-Modul automatisch ermitteln",
                       &c->auto_modulus, cell);
    return 183;
}

int Wdg_Steel_Block(int area, int x, int y, Rebar_Grade *r)
{
    Wdg_Select_Area(area);
    if (area < 0 || r == nullptr) return 107;
    Wdg_Set_Fg_Colour(BLACK_CI);
    int *cell = &Wdg_Block_Activity.steel_block;
    SVA_Add_Bitmap(area, "tools\\bemop_fyk.bmp", x + 220, y, x + 436, y + 141, Key_Colour());
    Row(x, y + 23, "f", "yk", &r->fyk, 0.001, 2, Unit_Stress, cell);
    Row(x, y + 46, "f", "tk", &r->ftk, 0.001, 2, Unit_Stress, cell);
    Row(x, y + 69, "\xBE", "su", &r->eps_uk, 1000.0, 3, Unit_Permille, cell);
    Row(x, y + 92, "E", "s", &r->Es, 0.001, 1, Unit_Stress, cell);
    return 107;
}

void Wdg_Concrete_Page(int area)
{
    Concrete_Grade *c = Concrete_Dialog_Record();
    if (c) Wdg_Concrete_Block(area, 20, 0, c);
}

void Wdg_Steel_Page(int area)
{
    Rebar_Grade *r = Rebar_Dialog_Record();
    if (r) Wdg_Steel_Block(area, 20, 15, r);
}

/* The nearest entry at or below index that can be chosen; -1 when there is none. */
static int Chosen_Entry(const Grade_Choice_List *list, int index)
{
    if (index >= list->view.count) index = list->view.count - 1;
    while (index >= 0 && (list->flags[index] & GRADE_FLAG_NO_CHOICE)) index--;
    return index;
}

/* Open a pending parameter dialog and clear its request. */
static int Link_Pending(Wdg_Link_Request *link)
{
    if (link->variable != link->value) return 0;
    link->variable = 0;
    return 1;
}

/* The blue link text; answers its height 23. */
static int Link(int x, int y, const char *text, Wdg_Link_Request *link, const int *cell)
{
    Wdg_Set_Fg_Colour(Nearest_Color_Index(0, 0, 255));
    Wdg_Draw_Text_Hotspot(x, y, text, link->value, &link->variable, cell);
    Wdg_Set_Fg_Colour(BLACK_CI);
    return 23;
}

int Wdg_Concrete_Choice(int area, int x, int y, Concrete_Grade *record, Grade_Choice_List *list,
                        int *index)
{
    if (list == nullptr || index == nullptr) return 0;
    if (Link_Pending(&Wdg_Concrete_Link) && record) Edit_Concrete_Free(record);
    Wdg_Select_Area(area);
    int *cell = &Wdg_Block_Activity.concrete_choice;
    Wdg_Grade_Choice_Field(x, y, &list->view, index, cell);
    const int k = Chosen_Entry(list, *index);
    if (k < 0 || record == nullptr) return 0;
    if (list->codes[k] == 20) {
        if (Get_Grade_Dialog_Switch())
            return Link(x - 75, y + 23, "-> Betonparameter definieren", &Wdg_Concrete_Link, cell);
        return Wdg_Concrete_Block(area, x - 75, y - 34, record);
    }
    int one = *cell != 0 ? 1 : 0;
    int h = 0;
    if (list->flags[k] & GRADE_FLAG_DENSITY) {
        h += 23;
        Wdg_Draw_Text(x - 75, y + h, "Rohdichte", &one);
        int w = Wdg_Density_Field(x, y + h, &record->density, cell);
        Wdg_Draw_Text(x + w + 3, y + h, Unit_Density, &one);
    }
    if (list->show_alpha) {
        h += 23;
        Wdg_Draw_Symbol(x - 75, y + h, "\xBA", "c", &one);
        Wdg_Scaled_Float_Field(x, y + h, &record->alpha, 1.0, 8, 3, cell);
    }
    return h;
}

int Wdg_Concrete_Choice_Labelled(int area, int x, int y, Concrete_Grade *record,
                                 Grade_Choice_List *list, int *index)
{
    Wdg_Select_Area(area);
    if (area >= 0) {
        Wdg_Set_Fg_Colour(BLACK_CI);
        SVA_Add_Text(area, x, y, "Betongüte"_cp850, (int)(Wdg_Get_Font() | 0x20000), BLACK_CI, 0);
    }
    return Wdg_Concrete_Choice(area, x + 75, y, record, list, index);
}

int Wdg_Steel_Choice(int area, int x, int y, Rebar_Grade *record, Grade_Choice_List *list,
                     int *index)
{
    if (list == nullptr || index == nullptr) return 0;
    if (Link_Pending(&Wdg_Steel_Link) && record) Edit_Rebar_Free(record);
    Wdg_Select_Area(area);
    if (area < 0) return 0;
    int *cell = &Wdg_Block_Activity.steel_choice;
    Wdg_Set_Fg_Colour(BLACK_CI);
    SVA_Add_Text(area, x, y, "Stahlgüte"_cp850, (int)(Wdg_Get_Font() | 0x20000), BLACK_CI, 0);
    Wdg_Grade_Choice_Field(x + 75, y, &list->view, index, cell);
    const int k = Chosen_Entry(list, *index);
    if (k < 0 || record == nullptr || list->codes[k] != 5) return 0;
    if (Get_Grade_Dialog_Switch())
        return Link(x, y + 23, "-> Stahlparameter definieren", &Wdg_Steel_Link, cell);
    return Wdg_Steel_Block(area, x, y, record);
}
