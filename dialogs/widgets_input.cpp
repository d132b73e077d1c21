/*
** Input widgets: fields bound to the caller's variables with colours by state (editable,
** read-only, inactive), display factors and integer shadows registered per dialog level in
** bounded tables, limit hints, choice fields, bitmap and import buttons, and the field commit.
*/
#include "dialogs/widgets_input.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "dialogs/dlg.h"
#include "dialogs/message.h"
#include "dialogs/screen.h"
#include "dialogs/sva.h"
#include "dialogs/widgets.h"
#include "exchange/exchange.h"
#include "foundation/foundation.h"
#include "platform/zelkwin.h"

Wdg_Factor_Row Wdg_Factor_Rows[WDG_REG_ROWS];
int Wdg_Factor_Count = 0;
Wdg_Shadow_Row Wdg_Shadow_Rows[WDG_REG_ROWS];
int Wdg_Shadow_Count = 0;
Wdg_Limit_Row Wdg_Limit_Rows[WDG_REG_ROWS];
int Wdg_Limit_Count = 0;
int Wdg_Drop_Switch = 1;

enum { STYLE_BITS = 0x70000 };

static int Import_Cell = 0; /* activity of the component-import button */
static int Ascii_Cell = 0;  /* activity of the ASCII-import button */

/* ------------------------------------------------------------------ registration rows */

/* Rows keep their place while in use (items point at shadows); a free row has a null variable. */
template <typename Row, typename Var>
static Row *Find_Row(Row *rows, Var *var)
{
    for (int i = 0; i < WDG_REG_ROWS; i++)
        if (rows[i].var == var && rows[i].level == Dlg_Level) return &rows[i];
    return nullptr;
}

template <typename Row>
static Row *New_Row(Row *rows, int *count)
{
    if (*count >= WDG_REG_ROWS) return nullptr; /* the table holds 99 rows */
    for (int i = 0; i < WDG_REG_ROWS; i++) {
        if (rows[i].var == nullptr) {
            (*count)++;
            rows[i].level = Dlg_Level;
            return &rows[i];
        }
    }
    return nullptr;
}

template <typename Row>
static void Drop_Row(Row *row, int *count)
{
    row->var = nullptr;
    (*count)--;
}

static int Round_Int(double v) { return v >= 0 ? (int)(v + 0.5) : (int)(v - 0.5); }

/* ------------------------------------------------------------------ states and colours */

static int State_Of(const int *state) { return state ? *state : WDG_EDITABLE; }

static int State_Colour(int s)
{
    if (s == WDG_EDITABLE) return Wdg_Get_Fg_Colour();
    if (s == WDG_READ_ONLY) return Colour_Lighten_Percent(Wdg_Get_Fg_Colour(), 40);
    return Wdg_Inactive_Grey();
}

static int *State_Cell(int s)
{
    return s == WDG_EDITABLE ? &Wdg_State.editable_cell : &Wdg_State.readonly_cell;
}

static void Read_Only_Box(int x1, int y, int x2)
{
    Wdg_Set_Bg_Colour(Wdg_Field_Box_Colour());
    Wdg_Fill_Rect_World(x1, y + 5, x2, y - 13);
}

static void Set_Last(int x1, int y1, int x2, int y2, int state)
{
    Wdg_State.last_x1 = x1;
    Wdg_State.last_y1 = y1;
    Wdg_State.last_x2 = x2;
    Wdg_State.last_y2 = y2;
    Wdg_State.last_state = state;
}

static int Plain_Width(const char *text, unsigned font)
{
    if (text == nullptr) return 0;
    return Text_Width_In_Font(text, (int)(font & ~STYLE_BITS));
}

/* ------------------------------------------------------------------ check boxes and options */

/* Width of a check box or option button with its label. */
static int Mark_Width(const char *label, unsigned font)
{
    if (label == nullptr || label[0] == 0) return 13;
    int s = (font & STYLE_BITS) ? 2 : 0;
    int W = Plain_Width(label, font);
    return W < 1 ? 20 + s : W + 23 + s;
}

int Wdg_Draw_Check_Box(int x, int y, const char *label, int *flag, const int *state)
{
    int area = Wdg_State.area;
    if (area < 0) return 0;
    int s = State_Of(state);
    unsigned font = Wdg_State.font;
    if (flag && *flag && s != 0) font |= 0x10000;
    if (Wdg_Get_Bg_Colour() == Nearest_RGB_Color(255, 251, 240) && (s == 1 || s == -1)) {
        int bg = Wdg_Get_Bg_Colour();
        Wdg_Set_Bg_Colour(Nearest_RGB_Color(255, 255, 255));
        Wdg_Fill_Rect_World(x, y, x + 10, y - 10);
        Wdg_Set_Bg_Colour(bg);
    }
    int colour = State_Colour(s);
    SVA_Add_Check_Box(area, x + 20, y, label, (int)font, colour, flag, State_Cell(s));
    if (s == WDG_READ_ONLY && label) SVA_Add_Text(area, x + 20, y, label, (int)font, colour, 0);
    int w = Mark_Width(label, font);
    Set_Last(x, y - 13, x + w, y + 5, s);
    return w;
}

int Wdg_Option_Button(int x, int y, const char *label, int value, int *var, int *active)
{
    int area = Wdg_State.area;
    if (area < 0) return 0;
    int act = active ? *active : 1;
    unsigned font = Wdg_State.font;
    if (var && *var == value && act != 0) font |= 0x10000;
    if (label == nullptr) label = "";
    int colour = act == 0 ? Wdg_Inactive_Grey() : Wdg_Get_Fg_Colour();
    SVA_Add_Option_Button(area, x + 20, y, label, (int)font, colour, value, var, active);
    int w = Mark_Width(label, font);
    Set_Last(x, y - 13, x + w, y + 5, act);
    return w;
}

static const char *Pick_Image(bool on, int act, const char *on_img, const char *off_img,
                              const char *on_inactive, const char *off_inactive)
{
    if (act) return on ? on_img : off_img;
    return on ? on_inactive : off_inactive;
}

int Wdg_Image_Option_Button(int area, int x, int y, int value, int *var, const char *image_on,
                            const char *image_off, const char *image_on_inactive,
                            const char *image_off_inactive, int *active)
{
    int act = active ? *active : 1;
    SVA_Add_Option_Button(area, x + 20, y, "", 4096, WHITE_CI, value, var, active);
    const char *img = Pick_Image(var && *var == value, act, image_on, image_off, image_on_inactive,
                                 image_off_inactive);
    if (img) SVA_Add_Bitmap(area, img, x, y - 10, x + 12, y + 2, WHITE_CI);
    Set_Last(x, y - 10, x + 12, y + 2, act);
    return act;
}

int Wdg_Image_Check_Box(int area, int x, int y, int *flag, const char *image_on,
                        const char *image_off, const char *image_on_inactive,
                        const char *image_off_inactive, int *active)
{
    int act = active ? *active : 1;
    SVA_Add_Check_Box(area, x + 20, y, "", 4096, WHITE_CI, flag, active);
    const char *img =
        Pick_Image(flag && *flag, act, image_on, image_off, image_on_inactive, image_off_inactive);
    if (img) SVA_Add_Bitmap(area, img, x, y - 10, x + 12, y + 2, WHITE_CI);
    Set_Last(x, y - 10, x + 12, y + 2, act);
    return act;
}

/* ------------------------------------------------------------------ text fields */

int Wdg_Text_Field(int x, int y, char *buffer, int unread, const int *state)
{
    int area = Wdg_State.area;
    if (area < 0 || buffer == nullptr) return 0;
    int s = State_Of(state);
    int colour = s == WDG_READ_ONLY ? Wdg_Get_Fg_Colour() : State_Colour(s);
    SVA_Add_Text_Field(area, x + 7, y, buffer, 0, colour, State_Cell(s));
    int W = Text_Width_In_Font(buffer, 0);
    return W < 1 ? 13 : W + 16;
}

int Wdg_Padded_Text_Field(int x, int y, char *buffer, int n, const int *state)
{
    if (buffer == nullptr || n < 0) return 0;
    char format[32];
    snprintf(format, sizeof format, "%%-%d.%ds", n, n);
    std::string copy(buffer);
    std::string out(n + 1, '\0');
    snprintf(out.data(), out.size(), format, copy.c_str());
    memcpy(buffer, out.data(), (size_t)n + 1);
    return Wdg_Text_Field(x, y, buffer, 0, state);
}

int Wdg_Text_Field_Visible(int x, int y, char *buffer, int n, int visible, const int *state)
{
    if (Wdg_State.area < 0 || buffer == nullptr) return 0;
    Wdg_Padded_Text_Field(x, y, buffer, std::max(n, visible), state);
    SVA_Set_Last_Text_Field_Width(Wdg_State.area, visible);
    return 8 * visible + 19;
}

/* ------------------------------------------------------------------ number fields */

/* Add a float field item on a double with a format; the room used, or 0 when nothing is added.
** A read-only field's box is box pixels wide where that is more than its room. */
static int Number_Field(int x, int y, double *value, const char *format, int width, int s,
                        int colour, int *activity, int box = 0)
{
    int area = Wdg_State.area;
    if (area < 0 || width < 1 || value == nullptr) return 0;
    int w = 8 * width + 15;
    if (s == WDG_READ_ONLY) Read_Only_Box(x, y, x + std::max(w, box) - 1);
    SVA_Add_Float_Field(area, x + 7, y, value, format, (int)(Wdg_State.font & STYLE_BITS), colour,
                        activity ? activity : State_Cell(s));
    Set_Last(x, y - 13, x + w, y + 5, s);
    return w;
}

int Wdg_Empty_Field(int x, int y, int width, const char *text)
{
    int area = Wdg_State.area;
    if (area < 0 || width < 1) return 0;
    const int w = 8 * width + 15;
    Read_Only_Box(x, y, x + w - 1);
    const int colour = State_Colour(WDG_READ_ONLY);
    const int font = (int)(Wdg_State.font & STYLE_BITS);
    /* at the right end, where a number would end */
    SVA_Add_Text(area, x + w - 8 - Text_Width_In_Font(text ? text : "", font), y, text, font,
                 colour, 0);
    Set_Last(x, y - 13, x + w, y + 5, WDG_READ_ONLY);
    return w;
}

static void Float_Format(char *format, size_t size, int width, int decimals)
{
    snprintf(format, size, "%%%d.%df", width, decimals);
}

/* The pixels of font a float field of width characters gives its text: two characters more. */
static int Float_Room(int width, int font)
{
    return (width + 2) * SVA_Text_Width_In_Font("0", font);
}

void Wdg_Float_Field_Text(double v, int width, int decimals, int least, char *text, size_t size)
{
    const int font = (int)(Wdg_State.font & STYLE_BITS);
    SVA_Held_Text(v, width, decimals, Float_Room(width, font), font, least, text, size);
}

int Wdg_Float_Field(int x, int y, double *var, int width, int decimals, const int *state)
{
    char format[32];
    Float_Format(format, sizeof format, width, decimals);
    int s = State_Of(state);
    /* it shows the decimals its value holds, beyond its own where it holds more (a length of
    ** 101.04 where one decimal would show 101.0, which typed the splice refuses), in up to two
    ** characters more than its width (six decimals of 10 to 99.999999); a read-only box as wide
    ** as the text it shows, its frame 7 pixels either side */
    const int font = (int)(Wdg_State.font & STYLE_BITS);
    const int room = Float_Room(width, font);
    int box = 0;
    if (s == WDG_READ_ONLY && var != nullptr) {
        char text[64];
        SVA_Held_Text(*var, width, decimals, room, font, 0, text, sizeof text);
        box = SVA_Text_Width_In_Font(text, font) + 15;
    }
    const int w = Number_Field(x, y, var, format, width, s, State_Colour(s), nullptr, box);
    if (w > 0) SVA_Set_Last_Field_Held(Wdg_State.area, width, decimals, room);
    return w;
}

void Wdg_Set_Last_Field_Least(void)
{
    if (Wdg_State.area >= 0) SVA_Set_Last_Field_Least(Wdg_State.area);
}

int Wdg_Named_Float_Field(int x, int y, double *var, int width, int decimals, const char *name,
                          const int *state)
{
    int w = Wdg_Float_Field(x, y, var, width, decimals, state);
    if (w > 0 && var != nullptr && name != nullptr) SVA_Set_Last_Field_Name(Wdg_State.area, name);
    return w;
}

int Wdg_Float_Field_Coloured(int x, int y, double *var, int width, int decimals, int colour,
                             const int *state)
{
    int fg = Wdg_Get_Fg_Colour();
    Wdg_Set_Fg_Colour(colour);
    int w = Wdg_Float_Field(x, y, var, width, decimals, state);
    Wdg_Set_Fg_Colour(fg);
    return w;
}

/* Register a display factor once per variable and level; the variable is multiplied once. */
static void Apply_Factor(double *var, double factor)
{
    if (var == nullptr || factor == 1.0) return;
    if (Find_Row(Wdg_Factor_Rows, var)) return;
    Wdg_Factor_Row *r = New_Row(Wdg_Factor_Rows, &Wdg_Factor_Count);
    if (r == nullptr) return; /* table full: the field shows the own unit */
    r->var = var;
    r->factor = factor;
    *var *= factor;
}

int Wdg_Scaled_Float_Field(int x, int y, double *var, double factor, int width, int decimals,
                           const int *state)
{
    Apply_Factor(var, factor);
    return Wdg_Float_Field(x, y, var, width, decimals, state);
}

/* A name as a literal part of a format: every '%' doubled. */
static std::string Literal(const char *name)
{
    std::string s;
    for (const char *p = name; *p; p++) {
        s.push_back(*p);
        if (*p == '%') s.push_back('%');
    }
    return s;
}

static int Limited_Changes = 0;

int Wdg_Limited_Changes(void) { return Limited_Changes; }

int Wdg_Limited_Float_Field(int x, int y, double *var, double factor, int width, int decimals,
                            double lower, double upper, const char *name, const int *state)
{
    Apply_Factor(var, factor);
    int w = Wdg_Float_Field(x, y, var, width, decimals, state);
    if (var == nullptr) return w;
    /* a value typed out of the limits is refused, and the field keeps its value (Edit_One) */
    if (w > 0) SVA_Set_Last_Field_Limits(Wdg_State.area, lower, upper, decimals);
    if (name) {
        /* the field says in its hints what it holds: a value out of its limits that it was
        ** given otherwise (a file's), which it takes back to the limit, and what it refuses */
        SVA_Set_Last_Field_Name(Wdg_State.area, name);
        char number[16], text[400];
        snprintf(number, sizeof number, "%%.%df", decimals);
        std::string lit = Literal(name);
        const bool over = Round_To_Decimals(*var - upper, decimals) > 0;
        const bool under = !over && Round_To_Decimals(*var - lower, decimals) < 0;
        if (over || under) {
            const double limit = over ? upper : lower;
            snprintf(text, sizeof text,
                     "%s darf den Wert %s nicht %s: statt %%g enth\x84lt das Feld jetzt %s",
                     lit.c_str(), number,
                     over ? "\x81"
                            "berschreiten"
                          : "unterschreiten",
                     number);
            Msg_Hint_In_Mode(MSG_BOX, text, limit, *var, limit);
        }
    }
    double held = std::min(std::max(*var, lower), upper);
    if (held != *var) {
        *var = held;
        Limited_Changes++;
    }
    return w;
}

/* Width of a label before a field: W + 3 by the layer's rule, plus 3. */
static int Label_Room(const char *label)
{
    return Wdg_Text_Width_In_Font(label ? label : "", Wdg_State.font) + 3;
}

/* The unit 3 pixels after the field; answers the end x. */
static int Unit_After(int x_end, int y, const char *unit, int s)
{
    if (unit == nullptr || unit[0] == 0) return x_end;
    return x_end + 3 + Wdg_Draw_Text_If(x_end + 3, y, unit, s != 0 ? 1 : 0);
}

int Wdg_Labelled_Float_Field(int x, int y, const char *label, double *var, int width, int decimals,
                             const char *unit, const int *state)
{
    if (Wdg_State.area < 0) return 0;
    int s = State_Of(state);
    Wdg_Draw_Text_If(x, y, label ? label : "", s != 0 ? 1 : 0);
    int fx = x + Label_Room(label);
    int w = Wdg_Float_Field(fx, y, var, width, decimals, state);
    return Unit_After(fx + w, y, unit, s) - x;
}

int Wdg_Symbol_Float_Field(int x, int y, const char *symbol, const char *index, double *var,
                           double factor, int width, int decimals, const char *unit,
                           const int *state)
{
    if (Wdg_State.area < 0) return 0;
    int s = State_Of(state);
    int one = s != 0 ? 1 : 0;
    int fx = x + Wdg_Draw_Symbol(x, y, symbol ? symbol : "", index, &one) + 3;
    int w = Wdg_Scaled_Float_Field(fx, y, var, factor, width, decimals, state);
    return Unit_After(fx + w, y, unit, s) - x;
}

/* Change callback of density fields: the edited value is held in its limits. */
static void Clamp_To_Limits(int, double *value)
{
    if (value == nullptr) return;
    Wdg_Limit_Row *r = Find_Row(Wdg_Limit_Rows, value);
    if (r == nullptr) return;
    if (*value < r->lower) *value = r->lower;
    if (*value > r->upper) *value = r->upper;
}

int Wdg_Density_Field(int x, int y, double *var, int *active)
{
    int area = Wdg_State.area;
    if (area < 0 || var == nullptr) return 0;
    int act = active ? *active : 1;
    SVA_Add_Float_Field(area, x + 7, y, var, "%8.1f", (int)(Wdg_State.font & STYLE_BITS),
                        act ? Wdg_Get_Fg_Colour() : Wdg_Inactive_Grey(), active);
    SVA_Set_Last_Input_Tag(area, Clamp_To_Limits);
    if (!Find_Row(Wdg_Limit_Rows, var)) {
        if (Wdg_Limit_Row *r = New_Row(Wdg_Limit_Rows, &Wdg_Limit_Count)) {
            r->var = var;
            r->lower = 500.0;
            r->upper = 2200.0;
        }
    }
    Set_Last(x, y - 13, x + 79, y + 5, act);
    return 79;
}

/* The shadow of an int, registered on first use. */
static Wdg_Shadow_Row *Shadow_Of(int *var)
{
    Wdg_Shadow_Row *r = Find_Row(Wdg_Shadow_Rows, var);
    if (r) return r;
    r = New_Row(Wdg_Shadow_Rows, &Wdg_Shadow_Count);
    if (r == nullptr) return nullptr;
    r->var = var;
    r->shadow = *var;
    return r;
}

static int Int_Field(int x, int y, int *var, int width, bool limited, int lower, int upper,
                     const int *state)
{
    if (var == nullptr) return 0;
    Wdg_Shadow_Row *r = Shadow_Of(var);
    if (r == nullptr) return 0; /* table full: the field cannot be edited */
    if (limited) {
        if (r->shadow < lower) r->shadow = lower;
        if (r->shadow > upper) r->shadow = upper;
    }
    *var = Round_Int(r->shadow);
    char format[32];
    snprintf(format, sizeof format, "%%%d.0f", width);
    int s = State_Of(state);
    const int w = Number_Field(x, y, &r->shadow, format, width, s, State_Colour(s), nullptr);
    if (w > 0) SVA_Set_Last_Field_Whole(Wdg_State.area); /* no fraction to round unseen */
    if (w > 0 && limited) SVA_Set_Last_Field_Limits(Wdg_State.area, lower, upper, 0);
    return w;
}

int Wdg_Int_Field(int x, int y, int *var, int width, const int *state)
{
    return Int_Field(x, y, var, width, false, 0, 0, state);
}

int Wdg_Limited_Int_Field(int x, int y, int *var, int width, int lower, int upper, const int *state)
{
    return Int_Field(x, y, var, width, true, lower, upper, state);
}

void Wdg_Set_Int_Field(int *var, int value)
{
    Wdg_Shadow_Row *r = Find_Row(Wdg_Shadow_Rows, var);
    if (r == nullptr) return;
    *var = value;
    r->shadow = value;
}

int Wdg_Get_Int_Field(const int *var)
{
    Wdg_Shadow_Row *r = Find_Row(Wdg_Shadow_Rows, const_cast<int *>(var));
    return r ? *var : -99999999;
}

/* ------------------------------------------------------------------ choice fields */

int Wdg_Choice_Field(int x, int y, const char *texts, const int32_t *colours, int stride, int count,
                     int *index, const int *state)
{
    int area = Wdg_State.area;
    if (area < 0 || count < 1 || stride < 2 || texts == nullptr) return 0;
    int s = State_Of(state);
    int colour = State_Colour(s);
    SVA_Choice_Entry *table = (SVA_Choice_Entry *)malloc(sizeof(SVA_Choice_Entry) * (size_t)count);
    if (table == nullptr) Check_Alloc_Or_Exit(nullptr);
    int m = 0;
    for (int k = 0; k < count; k++) {
        table[k].text = texts + (size_t)k * stride;
        table[k].colour = colours ? colours[k] : colour;
        m = std::max(m, Plain_Width(table[k].text, Wdg_State.font));
    }
    if (s == WDG_READ_ONLY) Read_Only_Box(x, y, x - 1);
    SVA_Add_Choice_Field(area, x + 7, y, table, (int)Wdg_State.font, m / 8, count, index,
                         State_Cell(s));
    SVA_Set_Last_Owned(area, table);
    int w = 8 * (m / 8) + 33;
    Set_Last(x, y - 13, x + w, y + 5, s);
    return w;
}

int Wdg_Grade_Choice_Field(int x, int y, const Wdg_Grade_List *list, int *index, const int *state)
{
    if (list == nullptr || index == nullptr) return 0;
    while (*index > 0 && *index < list->count && list->flags && (list->flags[*index] & 0x1000))
        (*index)--;
    return Wdg_Choice_Field(x, y, list->texts, list->colours, list->stride, list->count, index,
                            state);
}

Wdg_Block_Activity_Cells Wdg_Block_Activity = {1, 1, 1, 1};

static int Grade_Choice(int x, int y, const char *label, int *cell, const Wdg_Grade_List *list,
                        int *index)
{
    Wdg_Set_Fg_Colour(BLACK_CI);
    if (Wdg_State.area < 0) return 0;
    int colour = *cell ? BLACK_CI : Wdg_Inactive_Grey();
    SVA_Add_Text(Wdg_State.area, x, y, label, (int)(Wdg_State.font | 0x20000), colour, 0);
    Wdg_Grade_Choice_Field(x + 75, y, list, index, cell);
    return 0;
}

int Wdg_Concrete_Grade_Choice(int unread, int x, int y, int unread2, const Wdg_Grade_List *list,
                              int *index)
{
    return Grade_Choice(x, y, "Betongüte"_cp850, &Wdg_Block_Activity.concrete_choice, list, index);
}

int Wdg_Steel_Grade_Choice(int unread, int x, int y, int unread2, const Wdg_Grade_List *list,
                           int *index)
{
    return Grade_Choice(x, y, "Stahlgüte"_cp850, &Wdg_Block_Activity.steel_choice, list, index);
}

/* ------------------------------------------------------------------ buttons */

void Wdg_Bitmap_Hotspot_Button(int area, int x, int y, int w, int h, int v_align, int h_align,
                               const char *image, const char *inactive_image, int key_colour,
                               int value, int *var, int active)
{
    int x1 = h_align == 1 ? x - w : h_align == 4 ? x - w / 2 : x;
    int y1 = v_align == 2 ? y - h : v_align == 4 ? y - h / 2 : y;
    Set_Last(x1, y1, x1 + w, y1 + h, active);
    if (active) {
        if (image) SVA_Add_Bitmap(area, image, x1, y1, x1 + w, y1 + h, key_colour);
        SVA_Add_Hotspot(area, x1, y1, x1 + w, y1 + h, value, var);
        SVA_Set_Last_Hotspot_Value(area, 18);
    } else if (inactive_image) {
        SVA_Add_Bitmap(area, inactive_image, x1, y1, x1 + w, y1 + h, key_colour);
    }
}

int Wdg_Delete_All_Button(int x, int y, const char *tooltip, int value, int *var, int *active)
{
    int area = Wdg_State.area;
    if (area < 0) return 0;
    SVA_Add_Bitmap_Button(/*area=*/area, /*x=*/x, /*y=*/y, /*width=*/51, /*height=*/36,
                          /*file=*/"SniGrImportButton.bmp", /*row_offset=*/36,
                          /*transparent=*/Nearest_RGB_Color(198, 222, 228), /*cursor=*/18,
                          /*tooltip=*/tooltip, /*value=*/value, /*variable=*/var,
                          /*active=*/active);
    return Wdg_Draw_Text_If(x + 51, y + 12, ".... alle Lastkollektive l\x94schen",
                            active ? *active : 1);
}

int Wdg_Component_Import_Button(int x, int y, const char *label, int value, int *var,
                                const int *active)
{
    int area = Wdg_State.area;
    if (area < 0) return 0;
    int act = active ? *active : 1;
    Import_Cell = (Morvelab_Available() && act != 0) ? 1 : 0;
    if (label == nullptr)
        label = "Lagergr\x94\xe1"
                "en importieren aus ";
    int lw = Wdg_Draw_Text(x, y, label, &Import_Cell);
    if (act) SVA_Add_Bitmap(area, "SniN5.bmp", x + lw, y - 12, x + lw + 55, y + 2, WHITE_CI);
    else Wdg_Draw_Text(x + lw, y, "N5-", &Import_Cell);
    int px = x + lw + 21;
    int end = px + Wdg_Draw_Text(px, y, "Programmen ...", &Import_Cell);
    SVA_Add_Bitmap_Button(/*area=*/area, /*x=*/end + 3, /*y=*/y - 23, /*width=*/51, /*height=*/33,
                          /*file=*/"SniGrImportButton.bmp", /*row_offset=*/0,
                          /*transparent=*/WHITE_CI, /*cursor=*/18,
                          /*tooltip=*/"Werte aus VEL-Bauteil\nimportieren", /*value=*/value,
                          /*variable=*/var, /*active=*/&Import_Cell);
    return end + 54 - x;
}

int Wdg_Ascii_Import_Button(int x, int y, const char *label, int value, int *var, const int *active)
{
    int area = Wdg_State.area;
    if (area < 0) return 0;
    Ascii_Cell = active ? *active : 1;
    char text[300];
    snprintf(text, sizeof text, "%s Datei ...", label ? label : "Lastkollektive importieren aus");
    int lw = Wdg_Draw_Text(x, y, text, &Ascii_Cell);
    SVA_Add_Bitmap_Button(/*area=*/area, /*x=*/x + lw + 3, /*y=*/y - 16, /*width=*/51,
                          /*height=*/36, /*file=*/"SniGrImportButton.bmp", /*row_offset=*/76,
                          /*transparent=*/WHITE_CI, /*cursor=*/18,
                          /*tooltip=*/"Werte aus ASCII-Datei\nimportieren", /*value=*/value,
                          /*variable=*/var, /*active=*/&Ascii_Cell);
    return lw + 54;
}

int Wdg_Explorer_Button(int x, int y, int value, int *var, int *active)
{
    int area = Wdg_State.area;
    if (area < 0) return 0;
    SVA_Add_Bitmap_Button(/*area=*/area, /*x=*/x, /*y=*/y, /*width=*/38, /*height=*/38,
                          /*file=*/"deskbuts.bmp", /*row_offset=*/250,
                          /*transparent=*/Nearest_RGB_Color(255, 251, 240), /*cursor=*/18,
                          /*tooltip=*/"Aufruf Eplorer um Datei zu finden", /*value=*/value,
                          /*variable=*/var, /*active=*/active);
    Set_Last(x, y, x + 38, y + 38, active ? *active : 1);
    return 38;
}

/* ------------------------------------------------------------------ commit */

static void Divide_Back(int level)
{
    for (auto &r : Wdg_Factor_Rows) {
        if (r.var == nullptr || r.level != level) continue;
        if (r.factor != 0) *r.var /= r.factor;
        Drop_Row(&r, &Wdg_Factor_Count);
    }
}

static void Write_Shadows(int level)
{
    for (auto &r : Wdg_Shadow_Rows) {
        if (r.var == nullptr || r.level != level) continue;
        *r.var = Round_Int(r.shadow);
        if (Wdg_Drop_Switch) Drop_Row(&r, &Wdg_Shadow_Count);
    }
}

int Wdg_Commit_Fields(int level)
{
    Divide_Back(level);
    Write_Shadows(level);
    Dlg_Page *pages = nullptr;
    int count = 0;
    const int *tables = nullptr;
    if (!Dlg_Level_Pages(level, &pages, &count, &tables)) return 0;
    for (int i = 0; i < count; i++) {
        if (pages[i].check == nullptr) continue;
        int r = pages[i].check(tables ? tables[i] : -1);
        if (r != 0) return r;
    }
    return 0;
}

void Wdg_Release_Level(int level)
{
    Divide_Back(level);
    Write_Shadows(level);
    for (auto &r : Wdg_Limit_Rows)
        if (r.var != nullptr && r.level == level) Drop_Row(&r, &Wdg_Limit_Count);
}
