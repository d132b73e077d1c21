/*
** Scrollable view areas: the table of 20 areas, their life cycle, the item constructors with
** the growth of the content size, and scrolling. Drawing is in sva_draw.cpp, input in
** sva_input.cpp. Coordinates are content pixels unless said otherwise.
*/
#include "dialogs/sva.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "dialogs/sva_editor.h"
#include "foundation/foundation.h"
#include "platform/zelkwin.h"

/* ------------------------------------------------------------------ the table */

static constexpr Scrollable_View_Area Free_Slot()
{
    Scrollable_View_Area a{};
    a.handle = -1;
    return a;
}

#define SVA_FREE4 Free_Slot(), Free_Slot(), Free_Slot(), Free_Slot()
Scrollable_View_Area SVA_Areas[SVA_MAX_AREAS] = {SVA_FREE4, SVA_FREE4, SVA_FREE4, SVA_FREE4,
                                                 SVA_FREE4};
#undef SVA_FREE4

int SVA_Default_Bg_Colour = 0;
int UseSheetBreakShortKey = 0, UseSheetOkShortKey = 0, UseSheetHelpShortKey = 0,
    UseSheetJumpShortKey = 0;

static int sva_settings_read = 0;  /* first call of SVA_Create */
static int sva_reserve_colour = 0; /* first call of SVA_Reserve */

static const char Msg_Too_Many[] = "maximale Anzahl Scrollable_View_Areas erreicht";

Scrollable_View_Area *SVA_Get(int area)
{
    if (area < 0 || area >= SVA_MAX_AREAS) return nullptr;
    Scrollable_View_Area *a = &SVA_Areas[area];
    if (a->handle < 0) return nullptr;
    return a;
}

int Round_Pixel(double v) { return v >= 0 ? (int)(v + 0.5) : (int)(v - 0.5); }

/* Read one short-key switch; it stays 0 unless the setting holds a decimal integer. */
static void Read_Switch(const char *key, int *sw)
{
    char buf[21] = {0};
    int v;
    if (VELGetUserString(key, buf, 21) != 0 && sscanf(buf, "%d", &v) == 1) *sw = v;
}

static void Read_Program_Settings(void)
{
    if (sva_settings_read) return;
    sva_settings_read = 1;
    SVA_Default_Bg_Colour = Nearest_Color_Index(255, 251, 240);
    Read_Switch("UseSheetBreakShortKey", &UseSheetBreakShortKey);
    Read_Switch("UseSheetOkShortKey", &UseSheetOkShortKey);
    Read_Switch("UseSheetHelpShortKey", &UseSheetHelpShortKey);
    Read_Switch("UseSheetJumpShortKey", &UseSheetJumpShortKey);
}

void SVA_Forget_Settings(void) { sva_settings_read = 0; }

/* Clear every field but the rectangle; the caller sets what it needs. */
static void Reset_Record(Scrollable_View_Area *a)
{
    int keep_handle = a->handle;
    *a = Scrollable_View_Area{};
    a->handle = keep_handle;
}

/* Place the area at its corners (less 17 pixels for each slider) on the sheet and add the
** requested sliders. */
static void Place_Sheet_Area(Scrollable_View_Area *a, int x1, int y1, int x2, int y2,
                             int horizontal, int vertical)
{
    if (vertical) x2 -= 17;
    if (horizontal) y2 -= 17;
    a->x1 = x1;
    a->y1 = y1;
    a->x2 = x2;
    a->y2 = y2;
    a->handle = Add_Scrollable_Area_to_PS(PS_Scrollable_Area{.x1 = x1,
                                                             .y1 = y1,
                                                             .x2 = x2,
                                                             .y2 = y2,
                                                             .frame = 1,
                                                             .code = 0,
                                                             .step_x = 10,
                                                             .step_y = 10,
                                                             .draw = SVA_Draw_Callback,
                                                             .user = a,
                                                             .active = 1});
    a->vslider = a->hslider = 0;
    if (vertical) {
        a->vslider = Add_VSlider_to_Scrollable_Area(a->handle, 5, 10, -1, 0);
        Set_VSlider_Speed(a->vslider, 0.1, 0.0);
    }
    if (horizontal) {
        a->hslider = Add_HSlider_to_Scrollable_Area(a->handle, 5, 10, -1, 0);
        Set_HSlider_Speed(a->hslider, 0.1, 0.0);
    }
}

/* Create the sheet area and the requested sliders for a slot. */
static void Make_Sheet_Area(Scrollable_View_Area *a, int x1, int y1, int x2, int y2, int horizontal,
                            int vertical)
{
    a->bg_colour = SVA_Default_Bg_Colour;
    a->frame = 1;
    a->content_w = a->content_h = 0;
    a->scroll_x = a->scroll_y = 0;
    a->hover_key_return = a->hover_right_return = 0;
    a->hover_stop = nullptr;
    a->hover_rect_flag = 0;
    a->esc_value = a->enter_value = a->f1_value = 0;
    a->esc_target = a->enter_target = a->f1_target = nullptr;
    a->field_done = nullptr;
    a->row_h = 0;
    a->first = a->last = nullptr;
    a->active = 1;
    Place_Sheet_Area(a, x1, y1, x2, y2, horizontal, vertical);
}

/* ------------------------------------------------------------------ life cycle */

int SVA_Create(int x1, int y1, int x2, int y2, int horizontal, int vertical)
{
    Read_Program_Settings();
    for (int i = 0; i < SVA_MAX_AREAS; i++) {
        Scrollable_View_Area *a = &SVA_Areas[i];
        if (a->handle >= 0) continue;
        Make_Sheet_Area(a, x1, y1, x2, y2, horizontal, vertical);
        return i;
    }
    printf("%s\n", Msg_Too_Many);
    fflush(stdout);
    return -1;
}

int SVA_Reserve(void)
{
    if (!sva_reserve_colour) {
        sva_reserve_colour = 1;
        SVA_Default_Bg_Colour = Nearest_Color_Index(255, 251, 240);
    }
    for (int i = 0; i < SVA_MAX_AREAS; i++) {
        Scrollable_View_Area *a = &SVA_Areas[i];
        if (a->handle >= 0) continue;
        Reset_Record(a);
        a->handle = SVA_RESERVED;
        a->bg_colour = SVA_Default_Bg_Colour;
        return i;
    }
    printf("%s\n", Msg_Too_Many);
    fflush(stdout);
    return -1;
}

int SVA_Create_Reserved(int area, int x1, int y1, int x2, int y2, int horizontal, int vertical)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr || a->handle != SVA_RESERVED) return -1;
    Read_Program_Settings();
    Place_Sheet_Area(a, x1, y1, x2, y2, horizontal, vertical);
    return area;
}

/* Switch the sliders by whether the content exceeds the view. */
static void Switch_Sliders(Scrollable_View_Area *a)
{
    if (a->vslider) Change_Activity_PS(a->vslider, a->content_h > a->y2 - a->y1 ? 1 : -1);
    if (a->hslider) Change_Activity_PS(a->hslider, a->content_w > a->x2 - a->x1 ? 1 : -1);
}

void SVA_Update(int area)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr || a->handle == SVA_RESERVED) return;
    Resize_Origin_of_Scrollable_Area_PS(a->handle, a->content_w, a->content_h);
    /* Placing the scroll position paints the area once; an area that is active already needs no
  ** second paint for its activity. */
    const bool was_active = ActivState_of_Button_PS(a->handle) == 1;
    Set_Scrollable_Area_PS(a->handle, a->scroll_x, a->scroll_y);
    Inquire_Scrollable_Area_PS(a->handle, &a->scroll_x, &a->scroll_y);
    Switch_Sliders(a);
    if (!was_active) Change_Activity_PS(a->handle, 1);
}

static void Free_Item(SVA_Item *it)
{
    switch (it->kind) {
    case SVA_TEXT:
    case SVA_BITMAP:
    case SVA_BOXED_TEXT:
    case SVA_CHECK_BOX:
    case SVA_OPTION:
    case SVA_SELECTABLE:
    case SVA_FLOAT_FIELD:
    case SVA_HOTSPOT:
    case SVA_PICTURE_CHOICE:
    case SVA_BITMAP_BUTTON: free(it->text); break;
    default: break; /* kinds 15 and 19 point at the caller's buffer */
    }
    free(it->extra_text);
    free(it->name);
    free(it->owned);
    if (it->editor) SVA_Editor_Free(it->editor);
    free(it);
}

static void Free_List(SVA_Item *it)
{
    while (it) {
        SVA_Item *next = it->next;
        Free_Item(it);
        it = next;
    }
}

void SVA_Clear(int area)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    if (a->active && a->handle != SVA_RESERVED)
        Inquire_Scrollable_Area_PS(a->handle, &a->scroll_x, &a->scroll_y);
    Free_List(a->first);
    a->first = a->last = nullptr;
    a->content_w = a->content_h = 0;
}

void SVA_Delete(int area)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    SVA_Clear(area);
    a->handle = -1;
}

void SVA_Delete_All(void)
{
    for (int i = 0; i < SVA_MAX_AREAS; i++) SVA_Delete(i);
}

void SVA_Reshape(int area, int x1, int y1, int x2, int y2)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    int dx = 0, dy = 0;
    Inquire_Prop_Sheet_Displacement(&dx, &dy);
    Reshape_Scrollable_Area_PS(a->handle, x1, y1, x2, y2, 5, 10, 5, 10);
    a->x1 = x1 - dx;
    a->y1 = y1 - dy;
    a->x2 = x2 - dx;
    a->y2 = y2 - dy;
}

void SVA_Set_Active(int area, int flag)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr || a->active == flag) return;
    a->active = flag;
    if (a->vslider) Change_Activity_PS(a->vslider, flag);
    if (a->hslider) Change_Activity_PS(a->hslider, flag);
    Change_Activity_PS(a->handle, flag);
}

void SVA_Set_Bg_Colour(int area, int colour)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a) a->bg_colour = colour;
}

int SVA_Get_Bg_Colour(int area)
{
    Scrollable_View_Area *a = SVA_Get(area);
    return a ? a->bg_colour : -1;
}

void SVA_Set_Frame(int area, int flag)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    a->frame = flag;
    Set_Scrollable_Area_PS_Frameflag(a->handle, flag);
}

void SVA_Set_Hover_Key_Return(int area, int flag)
{
    if (Scrollable_View_Area *a = SVA_Get(area)) a->hover_key_return = flag;
}

void SVA_Set_Field_Done(int area, void (*fn)(int area))
{
    if (Scrollable_View_Area *a = SVA_Get(area)) a->field_done = fn;
}

void SVA_Set_Row_Height(int area, int pixels)
{
    if (Scrollable_View_Area *a = SVA_Get(area)) a->row_h = pixels > 0 ? pixels : 0;
}

void SVA_Set_Hover_Right_Return(int area, int flag)
{
    if (Scrollable_View_Area *a = SVA_Get(area)) a->hover_right_return = flag;
}

void SVA_Set_Hover_Stop_Flag(int area, int *stop)
{
    if (Scrollable_View_Area *a = SVA_Get(area)) a->hover_stop = stop;
}

void SVA_Set_Hover_Rect(int area, int x1, int y1, int x2, int y2)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    a->hover_rect_flag = 1;
    a->hover_x1 = x1;
    a->hover_y1 = y1;
    a->hover_x2 = x2;
    a->hover_y2 = y2;
}

void SVA_Set_Esc_Result(int area, int value, int *target)
{
    if (Scrollable_View_Area *a = SVA_Get(area)) {
        a->esc_value = value;
        a->esc_target = target;
    }
}

void SVA_Set_Enter_Result(int area, int value, int *target)
{
    if (Scrollable_View_Area *a = SVA_Get(area)) {
        a->enter_value = value;
        a->enter_target = target;
    }
}

void SVA_Set_F1_Result(int area, int value, int *target)
{
    if (Scrollable_View_Area *a = SVA_Get(area)) {
        a->f1_value = value;
        a->f1_target = target;
    }
}

/* ------------------------------------------------------------------ item constructors */

/* A heap copy of a text (null stays null); ends the program when memory runs out. */
static char *Copy_Text(const char *text)
{
    if (text == nullptr) return nullptr;
    size_t n = strlen(text);
    char *c = (char *)Dbg_Malloc(__FILE__, __LINE__, "null", n + 1);
    Check_Alloc_Or_Exit(c);
    memcpy(c, text, n + 1);
    return c;
}

/* Append a zeroed item of a kind; ends the program when memory runs out. */
static SVA_Item *Append(Scrollable_View_Area *a, int kind)
{
    SVA_Item *it = (SVA_Item *)Dbg_Calloc(__FILE__, __LINE__, "null", 1, sizeof(SVA_Item));
    Check_Alloc_Or_Exit(it);
    it->kind = kind;
    if (a->last) a->last->next = it;
    else a->first = it;
    a->last = it;
    return it;
}

static void Grow(Scrollable_View_Area *a, int w, int h)
{
    if (w > a->content_w) a->content_w = w;
    if (h > a->content_h) a->content_h = h;
}

/* Split the bold bit off a font code. */
static int Take_Bold(int *font)
{
    if (*font & SVA_FONT_BOLD) {
        *font &= ~SVA_FONT_BOLD;
        return 1;
    }
    return 0;
}

SVA_Item *SVA_New_Item(int area)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return nullptr;
    return Append(a, 0);
}

/* A text item at (x, y), right-aligned there when align is 1, with its style (bold 1, soft 2 or
** 3) in x2; the content grows to the text's end plus 10. */
static SVA_Item *Add_Text_Item(Scrollable_View_Area *a, int kind, int x, int y, const char *text,
                               int font, int colour, int align, int style)
{
    if (text == nullptr) text = "";
    int w = SVA_Text_Width_In_Font(text, font);
    if (align == 1) x -= w;
    SVA_Item *it = Append(a, kind);
    it->colour = colour;
    it->font = font;
    it->x1 = x;
    it->y1 = y;
    it->x2 = style;
    it->text = Copy_Text(text);
    Grow(a, x + w + 10, y + 10);
    return it;
}

void SVA_Add_Text(int area, int x, int y, const char *text, int font, int colour, int align)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    int style = Take_Bold(&font);
    if (font & SVA_FONT_SOFT3) {
        style = 3;
        font &= ~SVA_FONT_SOFT3;
    }
    if (font & SVA_FONT_SOFT2) {
        style = 2;
        font &= ~SVA_FONT_SOFT2;
    }
    Add_Text_Item(a, SVA_TEXT, x, y, text, font, colour, align, style);
}

void SVA_Add_Boxed_Text(int area, int x, int y, const char *text, int font, int colour, int angle)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    int bold = Take_Bold(&font);
    int orient = angle == 90 ? 256 : angle == 180 ? 512 : angle == 270 ? 1024 : 0;
    if (text == nullptr) text = "";
    SVA_Item *it = Append(a, SVA_BOXED_TEXT);
    it->colour = colour;
    it->font = font;
    it->x1 = x;
    it->y1 = y;
    it->x2 = bold;
    it->y2 = orient;
    it->text = Copy_Text(text);
    int w = SVA_Text_Width_In_Font(text, font);
    if (orient == 0) Grow(a, x + w + 10, y + 10);
    else if (orient == 1024) Grow(a, x + 10, y + w + 10);
    else Grow(a, x + 10, y + 10);
}

/* Items given by two corners grow the content to both corners plus 10. */
static SVA_Item *Add_Rect_Item(Scrollable_View_Area *a, int kind, int x1, int y1, int x2, int y2,
                               int colour)
{
    SVA_Item *it = Append(a, kind);
    it->colour = colour;
    it->x1 = x1;
    it->y1 = y1;
    it->x2 = x2;
    it->y2 = y2;
    Grow(a, std::max(x1, x2) + 10, std::max(y1, y2) + 10);
    return it;
}

void SVA_Add_Line(int area, int x1, int y1, int x2, int y2, int colour)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a) Add_Rect_Item(a, SVA_LINE, x1, y1, x2, y2, colour);
}

void SVA_Add_Bitmap(int area, const char *file, int x1, int y1, int x2, int y2, int colour)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    SVA_Item *it = Add_Rect_Item(a, SVA_BITMAP, x1, y1, x2, y2, colour);
    it->text = Copy_Text(file ? file : "");
}

void SVA_Fix_Last_Bitmap(int area)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a && a->last && a->last->kind == SVA_BITMAP) a->last->aux = 1;
}

void SVA_Add_Tree_Image(int area, int image, int x1, int y1, int x2, int y2, int colour)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    SVA_Item *it = Add_Rect_Item(a, SVA_TREE_IMAGE, x1, y1, x2, y2, colour);
    it->image_off = image;
}

void SVA_Add_Mask(int area, int x, int y, const SVA_Mask_Pattern *pattern, int colour)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr || pattern == nullptr) return;
    SVA_Item *it =
        Add_Rect_Item(a, SVA_MASK, x, y, x + pattern->width - 1, y + pattern->height - 1, colour);
    it->mask = pattern;
}

void SVA_Add_Draw_Callback(int area, int x1, int y1, int x2, int y2, void *user, SVA_Draw_Fn fn)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    SVA_Item *it = Add_Rect_Item(a, SVA_USER_DRAWN, x1, y1, x2, y2, 0);
    it->draw = fn;
    it->user = user;
}

void SVA_Add_Draw_Callback_Owned(int area, int x1, int y1, int x2, int y2, void *block,
                                 SVA_Draw_Fn fn)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) {
        free(block);
        return;
    }
    SVA_Item *it = Add_Rect_Item(a, SVA_USER_DRAWN, x1, y1, x2, y2, 0);
    it->draw = fn;
    it->user = block;
    it->owned = block;
}

static SVA_Item *Add_Mark_Item(Scrollable_View_Area *a, int kind, int x, int y, const char *label,
                               int font, int colour, int *target, int *active)
{
    int bold = Take_Bold(&font);
    SVA_Item *it = Append(a, kind);
    it->colour = colour;
    it->font = font;
    it->x1 = x;
    it->y1 = y;
    it->x2 = bold;
    it->target = target;
    it->activity = active;
    it->text = Copy_Text(label);
    Grow(a, x + SVA_Text_Width_In_Font(label, font) + 10, y + 10);
    return it;
}

void SVA_Add_Check_Box(int area, int x, int y, const char *label, int font, int colour, int *flag,
                       int *active)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a) Add_Mark_Item(a, SVA_CHECK_BOX, x, y, label, font, colour, flag, active);
}

void SVA_Add_Option_Button(int area, int x, int y, const char *label, int font, int colour,
                           int value, int *variable, int *active)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    SVA_Item *it = Add_Mark_Item(a, SVA_OPTION, x, y, label, font, colour, variable, active);
    it->aux = value;
}

void SVA_Set_Last_Option_Values(int area, int on_image, int off_image)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr || a->last == nullptr) return;
    if (a->last->kind != SVA_CHECK_BOX && a->last->kind != SVA_OPTION) return;
    a->last->image_on = on_image;
    a->last->image_off = off_image;
}

void SVA_Add_Selectable_Text(int area, int x, int y, const char *text, int font, int colour,
                             int align, int highlight, int value, int *variable)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    int bold = Take_Bold(&font);
    SVA_Item *it = Add_Text_Item(a, SVA_SELECTABLE, x, y, text, font, colour, align, bold);
    it->aux2 = highlight;
    it->item_value = value;
    it->aux3 = variable;
}

void SVA_Add_Hotspot(int area, int x1, int y1, int x2, int y2, int value, int *variable)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    SVA_Item *it = Append(a, SVA_HOTSPOT);
    it->x1 = x1;
    it->y1 = y1;
    it->x2 = x2;
    it->y2 = y2;
    it->item_value = value;
    it->aux3 = variable;
    Grow(a, x2 + 10, y1 + 10);
}

void SVA_Set_Last_Hotspot_Value(int area, int cursor)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a && a->last && a->last->kind == SVA_HOTSPOT) a->last->aux = cursor;
}

void SVA_Set_Last_Hotspot_Text(int area, const char *text, int font, int colour, int align)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr || a->last == nullptr || a->last->kind != SVA_HOTSPOT) return;
    SVA_Item *it = a->last;
    int bold = Take_Bold(&font);
    free(it->text);
    it->text = Copy_Text(text);
    it->font = font;
    it->colour = colour;
    it->aux2 = bold + (align == 1 ? 16 : 0);
}

void SVA_Add_Float_Field(int area, int x, int y, double *value, const char *format, int font,
                         int colour, int *active)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr || format == nullptr) return;
    int bold = Take_Bold(&font);
    font &= ~0x1000;
    char buf[256];
    snprintf(buf, sizeof buf, format, 0.0);
    SVA_Item *it = Append(a, SVA_FLOAT_FIELD);
    it->colour = colour;
    it->font = font;
    it->aux = (int)strlen(buf);
    it->x1 = x;
    it->y1 = y;
    it->x2 = bold;
    it->activity = active;
    it->value = value;
    it->text = Copy_Text(format);
    snprintf(buf, sizeof buf, format, value ? *value : 0.0);
    Grow(a, x + SVA_Text_Width_In_Font(buf, font) + 10, y + 10);
}

void SVA_Add_Text_Field(int area, int x, int y, char *buffer, int font, int colour, int *active)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr || buffer == nullptr) return;
    int bold = Take_Bold(&font);
    font &= ~0x1000;
    SVA_Item *it = Append(a, SVA_TEXT_FIELD);
    it->colour = colour;
    it->font = font;
    it->aux = (int)strlen(buffer);
    it->x1 = x;
    it->y1 = y;
    it->x2 = bold;
    it->y2 = it->aux;
    it->activity = active;
    it->text = buffer;
    Grow(a, x + SVA_Text_Width_In_Font(buffer, font) + 10, y + 10);
}

void SVA_Set_Last_Text_Field_Width(int area, int n)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr || a->last == nullptr || a->last->kind != SVA_TEXT_FIELD) return;
    a->last->y2 = std::min(n, a->last->aux);
}

void SVA_Add_Choice_Field(int area, int x, int y, const SVA_Choice_Entry *table, int font,
                          int width_chars, int count, int *index, int *active)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    int bold = Take_Bold(&font);
    Pop_RFont(0);
    int pixel_width = width_chars * (RFONT_SPACE + RFONT_WIDTH);
    Push_RFont();
    if (index && (*index < 0 || *index >= count)) *index = 0;
    SVA_Item *it = Append(a, SVA_CHOICE);
    it->colour = width_chars;
    it->font = font;
    it->aux = pixel_width;
    it->x1 = x;
    it->y1 = y;
    it->x2 = bold;
    it->aux2 = count;
    it->target = index;
    it->activity = active;
    it->aux3 = (void *)table;
    Grow(a, x + pixel_width + 10, y + 10);
}

void SVA_Add_Picture_Choice(int area, int x, int y, const char *file, int width, int height,
                            int count, int aux, int *index, int *active)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    if (index && (*index < 0 || *index >= count)) *index = 0;
    SVA_Item *it = Append(a, SVA_PICTURE_CHOICE);
    it->aux = aux;
    it->x1 = x;
    it->y1 = y;
    it->x2 = width;
    it->y2 = height;
    it->aux2 = count;
    it->target = index;
    it->activity = active;
    it->text = Copy_Text(file ? file : "");
    Grow(a, x + width + 31, y + height + 16);
}

void SVA_Set_Last_Field_Extra_Text(int area, const char *text)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr || a->last == nullptr) return;
    if (a->last->kind != SVA_FLOAT_FIELD && a->last->kind != SVA_TEXT_FIELD) return;
    free(a->last->extra_text);
    a->last->extra_text = Copy_Text(text);
}

void SVA_Set_Last_Field_Name(int area, const char *name)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr || a->last == nullptr || a->last->kind != SVA_FLOAT_FIELD) return;
    free(a->last->name);
    a->last->name = name ? Copy_Text(name) : nullptr;
}

void SVA_Set_Last_Field_Whole(int area)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr || a->last == nullptr || a->last->kind != SVA_FLOAT_FIELD) return;
    a->last->whole = 1;
}

void SVA_Set_Last_Field_Limits(int area, double lower, double upper, int decimals)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr || a->last == nullptr || a->last->kind != SVA_FLOAT_FIELD) return;
    a->last->limited = 1;
    a->last->lower = lower;
    a->last->upper = upper;
    a->last->decimals = decimals;
}

void SVA_Set_Last_Field_Held(int area, int width, int decimals, int room)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr || a->last == nullptr || a->last->kind != SVA_FLOAT_FIELD) return;
    SVA_Item *it = a->last;
    it->held_width = std::max(width, 1);
    it->held_least = std::max(decimals, 0);
    it->held_room = room;
    /* the text is cut by characters: as many as the room holds of the narrowest ones */
    it->aux = std::max(it->aux, room / std::max(SVA_Text_Width_In_Font(".", it->font), 1));
}

void SVA_Set_Last_Field_Least(int area)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr || a->last == nullptr || a->last->kind != SVA_FLOAT_FIELD) return;
    a->last->held_up = 1;
}

/* The decimals with which v shows in room pixels of font: those it holds, from least on (at
** most six), fewer where the room does not hold them. */
static int Held_Field_Decimals(double v, int least, int room, int font)
{
    int n = Held_Decimals(v, least, 6);
    for (char text[64]; n > least; n--) {
        snprintf(text, sizeof text, "%.*f", n, v);
        if (SVA_Text_Width_In_Font(text, font) <= room) break;
    }
    return n;
}

void SVA_Held_Text(double v, int width, int least, int room, int font, int up, char *text,
                   size_t size)
{
    const int n = Held_Field_Decimals(v, least, room, font);
    snprintf(text, size, "%*.*f", width, n, v);
    if (!up || !(strtod(text, nullptr) < v)) return;
    /* a least value that the room cut below itself: its last decimal up */
    const double step = std::pow(10.0, -n);
    snprintf(text, size, "%*.*f", width, n, std::ceil(v / step - 1e-6) * step);
}

void SVA_Float_Format(const SVA_Item *it, double v, char *format, size_t size)
{
    if (it->held_width <= 0) snprintf(format, size, "%s", it->text ? it->text : "%g");
    else
        snprintf(format, size, "%%%d.%df", it->held_width,
                 Held_Field_Decimals(v, it->held_least, it->held_room, it->font));
}

void SVA_Float_Text(const SVA_Item *it, char *text, size_t size)
{
    const double v = it->value ? *it->value : 0.0;
    if (it->held_width > 0) {
        SVA_Held_Text(v, it->held_width, it->held_least, it->held_room, it->font, it->held_up, text,
                      size);
        return;
    }
    snprintf(text, size, it->text ? it->text : "%g", v);
}

void SVA_Set_Last_Input_Tag(int area, SVA_Change_Fn fn)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr || a->last == nullptr) return;
    switch (a->last->kind) {
    case SVA_CHECK_BOX:
    case SVA_OPTION:
    case SVA_FLOAT_FIELD:
    case SVA_CHOICE:
    case SVA_PICTURE_CHOICE: a->last->change = fn; break;
    default: break;
    }
}

void SVA_Set_Last_Owned(int area, void *block)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr || a->last == nullptr) {
        free(block);
        return;
    }
    free(a->last->owned);
    a->last->owned = block;
}

void SVA_Add_Filled_Rect(int area, int x1, int y1, int x2, int y2, int colour)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    SVA_Item *it = Append(a, SVA_FILLED_RECT);
    it->colour = colour;
    it->x1 = x1;
    it->y1 = y1;
    it->x2 = x2;
    it->y2 = y2;
    Grow(a, std::max(x1, x2), std::max(y1, y2));
}

void SVA_Add_Bitmap_Button(int area, int x, int y, int width, int height, const char *file,
                           int row_offset, int transparent, int cursor, const char *tooltip,
                           int value, int *variable, int *active)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    SVA_Item *it = Append(a, SVA_BITMAP_BUTTON);
    it->colour = cursor;
    it->font = value;
    it->aux = row_offset;
    it->x1 = x;
    it->y1 = y;
    it->x2 = x + width;
    it->y2 = y + height;
    it->aux2 = transparent;
    it->target = variable;
    it->activity = active;
    it->text = Copy_Text(file ? file : "");
    it->extra_text = Copy_Text(tooltip);
    Grow(a, std::max(x, x + width), std::max(y, y + height));
}

void SVA_Add_Text_Editor(int area, int x1, int y1, int x2, int y2, char *text, int max_len,
                         int colour, int bg_colour, int frame, int *active)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr || text == nullptr) return;
    SVA_Item *it = Append(a, SVA_EDITOR);
    it->colour = colour;
    it->aux = frame;
    it->x1 = x1;
    it->y1 = y1;
    it->x2 = x2;
    it->y2 = y2;
    it->aux2 = bg_colour;
    it->activity = active;
    it->text = text;
    it->editor = SVA_Editor_New(it, text, max_len);
    Grow(a, x2 + 4, y2 + 4);
}

void SVA_Set_Last_Editor_Font(int area, int font)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a && a->last && a->last->kind == SVA_EDITOR && a->last->editor)
        a->last->editor->font = font;
}

/* ------------------------------------------------------------------ rows on demand */

/* Rows a view of h pixels from content y sy needs of a block: those whose items (within 32
** pixels of their base line) reach into it, and one more on each side, so that the field after
** the last one in view is there for the tab key. Empty when hi < lo. */
static void Rows_Needed(const SVA_Item *b, int sy, int h, int *lo, int *hi)
{
    const int y0 = b->y1, step = std::max(b->aux, 1), count = b->aux2;
    long first = ((long)sy - 32 - y0) / step - 1; /* truncated, with one row of slack */
    long last = ((long)sy + h + 32 - y0) / step + 1;
    *lo = (int)std::max(first, 0L);
    *hi = (int)std::min(last, (long)count - 1);
}

/* Items of rows lo..hi of block b as a separate chain (first, last); none when hi < lo. */
static void Make_Rows(Scrollable_View_Area *a, SVA_Item *b, int lo, int hi, SVA_Item **first,
                      SVA_Item **last)
{
    *first = *last = nullptr;
    if (hi < lo) return;
    SVA_Item *saved_first = a->first, *saved_last = a->last;
    a->first = a->last = nullptr;
    const int area = (int)(a - SVA_Areas);
    for (int r = lo; r <= hi; r++) {
        SVA_Item *before = a->last;
        b->rows(area, r, b->y1 + r * b->aux, b->owned);
        for (SVA_Item *it = before ? before->next : a->first; it; it = it->next) {
            it->block = b;
            it->block_row = r;
        }
    }
    *first = a->first;
    *last = a->last;
    a->first = saved_first;
    a->last = saved_last;
}

/* Keep the items of block b's rows lo..hi and only those: rows that stay keep their items (an
** item being edited stays valid), rows that come into view are added in row order. */
static void Rows_To(Scrollable_View_Area *a, SVA_Item *b, int lo, int hi)
{
    if (lo == b->rows_lo && hi == b->rows_hi) return;
    SVA_Item *rest = b->next, *keep_first = nullptr, *keep_last = nullptr;
    while (rest && rest->block == b) {
        SVA_Item *next = rest->next;
        if (rest->block_row < lo || rest->block_row > hi) {
            rest->next = nullptr;
            Free_List(rest);
        } else {
            rest->next = nullptr;
            if (keep_last) keep_last->next = rest;
            else keep_first = rest;
            keep_last = rest;
        }
        rest = next;
    }
    int kept_lo = std::max(lo, b->rows_lo), kept_hi = std::min(hi, b->rows_hi);
    if (kept_hi < kept_lo) kept_lo = hi + 1, kept_hi = hi; /* nothing kept: all rows are new */
    SVA_Item *f1, *l1, *f2, *l2;
    Make_Rows(a, b, lo, kept_lo - 1, &f1, &l1);
    Make_Rows(a, b, kept_hi + 1, hi, &f2, &l2);
    /* anchor, new rows above, kept rows, new rows below, the rest of the list */
    SVA_Item *firsts[3] = {f1, keep_first, f2}, *lasts[3] = {l1, keep_last, l2};
    SVA_Item *tail = b;
    for (int k = 0; k < 3; k++) {
        if (firsts[k] == nullptr) continue;
        tail->next = firsts[k];
        tail = lasts[k];
    }
    tail->next = rest;
    if (rest == nullptr) a->last = tail;
    b->rows_lo = lo;
    b->rows_hi = hi;
}

void SVA_Rows_For_View(Scrollable_View_Area *a, int sy, int h)
{
    if (a == nullptr) return;
    for (SVA_Item *it = a->first; it; it = it->next) {
        if (it->kind != SVA_ROWS) continue;
        int lo, hi;
        Rows_Needed(it, sy, h, &lo, &hi);
        Rows_To(a, it, lo, hi);
    }
}

void SVA_Add_Rows(int area, int y0, int row_h, int count, SVA_Row_Fn fn, void *user)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr || fn == nullptr || count <= 0 || row_h <= 0) {
        free(user);
        return;
    }
    SVA_Item *b = Append(a, SVA_ROWS);
    b->y1 = y0;
    b->aux = row_h;
    b->aux2 = count;
    b->rows = fn;
    b->owned = user;
    b->rows_lo = 0;
    b->rows_hi = -1;
    /* the last row's base line grows the content as its texts would */
    Grow(a, 0, y0 + (count - 1) * row_h + 10);
    int lo, hi;
    Rows_Needed(b, a->scroll_y, a->y2 - a->y1, &lo, &hi);
    Rows_To(a, b, lo, hi);
}

void SVA_Add_Marker(int area, int value)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    SVA_Item *it = Append(a, SVA_MARKER);
    it->aux = value;
}

void SVA_Truncate_At_Marker(int area, int value)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    SVA_Item *prev = nullptr;
    for (SVA_Item *it = a->first; it; prev = it, it = it->next) {
        if (it->kind != SVA_MARKER || it->aux != value) continue;
        Free_List(it);
        if (prev) prev->next = nullptr;
        else a->first = nullptr;
        a->last = prev;
        return;
    }
}

/* ------------------------------------------------------------------ scrolling */

void SVA_Scroll_To_Fraction(int area, double fx, double fy)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    if (a->hslider && fx >= 0) {
        if (fx > 1.0) fx = 1.0;
        a->scroll_x = (int)(fx * std::max(0, a->content_w - (a->x2 - a->x1)));
    }
    if (a->vslider && fy >= 0) {
        if (fy > 1.0) fy = 1.0;
        a->scroll_y = (int)(fy * std::max(0, a->content_h - (a->y2 - a->y1)));
    }
}

void SVA_Get_Scroll_Fraction(int area, double *fx, double *fy)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    int dw = a->content_w - (a->x2 - a->x1);
    int dh = a->content_h - (a->y2 - a->y1);
    if (fx) *fx = a->hslider && dw > 0 ? (double)a->scroll_x / dw : 0.0;
    if (fy) *fy = a->vslider && dh > 0 ? (double)a->scroll_y / dh : 0.0;
}

/* Add a delta to one scroll coordinate, clamp it to [0, room] and correct the delta. */
static void Scroll_Axis(int32_t *scroll, int *delta, int room)
{
    if (delta == nullptr) return;
    if (room < 0) room = 0;
    int want = *scroll + *delta;
    int got = std::clamp(want, 0, room);
    *delta = got - *scroll;
    *scroll = got;
}

void SVA_Scroll_By(int area, int *dx, int *dy)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    Inquire_Scrollable_Area_PS(a->handle, &a->scroll_x, &a->scroll_y);
    if (a->hslider) Scroll_Axis(&a->scroll_x, dx, a->content_w - (a->x2 - a->x1));
    if (a->vslider) Scroll_Axis(&a->scroll_y, dy, a->content_h - (a->y2 - a->y1));
}

void SVA_Inquire_Scroll(int area, int *x, int *y)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    int sx = 0, sy = 0;
    Inquire_Scrollable_Area_PS(a->handle, &sx, &sy);
    if (x) *x = sx;
    if (y) *y = sy;
}

void SVA_Refresh_Scroll(int area)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a) Inquire_Scrollable_Area_PS(a->handle, &a->scroll_x, &a->scroll_y);
}

void SVA_Get_Screen_Origin(int area, int *x, int *y)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    int dx = 0, dy = 0;
    Inquire_Prop_Sheet_Displacement(&dx, &dy);
    if (x) *x = dx + a->x1;
    if (y) *y = dy + a->y1;
}

void SVA_Get_View_Size(int area, int *w, int *h)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    if (w) *w = a->x2 - a->x1;
    if (h) *h = a->y2 - a->y1;
}

void SVA_Get_Content_Size(int area, int *w, int *h)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    if (w) *w = a->content_w;
    if (h) *h = a->content_h;
}

void SVA_Scroll_Into_View(int area, int x1, int y1, int x2, int y2)
{
    Scrollable_View_Area *a = SVA_Get(area);
    if (a == nullptr) return;
    int W = a->x2 - a->x1, H = a->y2 - a->y1;
    int CW = a->content_w, CH = a->content_h;
    int sx = a->scroll_x, sy = a->scroll_y;
    int ax = std::max(x1, 0), ay = std::max(y1, 0);
    int bx = std::min(x2, CW), by = std::min(y2, CH);
    if (sx <= ax && bx <= sx + W && ay >= sy && by <= sy + H) return;
    int tx = (sx > ax || bx - ax >= W) ? ax : bx - W;
    int ty = (by - ay >= H || ay < sy) ? ay : by - H;
    tx = std::min(std::max(tx, 0), CW - W);
    ty = std::min(std::max(ty, 0), CH - H);
    int dx = tx - sx, dy = ty - sy;
    for (int k = 1; k <= 10; k++) {
        a->scroll_x = sx + k * dx / 10;
        a->scroll_y = sy + k * dy / 10;
        SVA_Update(area);
        VELSleep(30);
    }
}

/* ------------------------------------------------------------------ small helpers */

int Text_Pixel_Width(const char *text, int length)
{
    if (text == nullptr) return 0;
    int left = 0, right = 0;
    pxQTxX(text, length, &left, &right, nullptr, nullptr);
    return right - left;
}

void Editor_Text_Extent(const char *text, int length, int *left, int *right)
{
    if (SVA_Editor_Current() != nullptr && SVA_Editor_Current()->font == 0) {
        if (left) *left = 0;
        if (right) *right = length > 0 ? length * 8 - 3 : 0;
        return;
    }
    int l = 0, r = 0;
    if (text) pxQTxX(text, length, &l, &r, nullptr, nullptr);
    if (left) *left = l;
    if (right) *right = r;
}
