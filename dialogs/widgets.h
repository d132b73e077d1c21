/*
** Widget layer: a stateful front end over the view areas. A caller selects a target area, sets
** a font code and colours and calls widget functions with area pixels; each adds display items
** and returns the horizontal room it used. Text widgets (widgets_text.cpp), world-coordinate
** figures (widgets_world.cpp), hover help and rollover buttons (hover.cpp).
*/
#pragma once

#include <cstddef>
#include <cstdint>

struct Wdg_State_Record {
    int area;          /* target view area, -1 = none */
    unsigned font;     /* font code incl. style bits */
    int fg, bg;        /* colour indices */
    int field_box;     /* colour behind read-only fields, -1 = not yet fetched */
    int editable_cell; /* always 1 */
    int readonly_cell; /* always 0 */
    int last_x1, last_y1, last_x2, last_y2, last_state; /* last widget, area pixels */
    int sheet_handle, off_x, off_y;
    int *base_x, *base_y;        /* the sheet's screen base */
    int line_switch;             /* lines are added only while 1 */
    double ox, oy, angle, scale; /* world transform */
};

extern Wdg_State_Record Wdg_State;

/* ---- state ---- */
void Wdg_Select_Area(int area);
int Wdg_Get_Area(void);
void Wdg_Set_Font(unsigned code);
unsigned Wdg_Get_Font(void);
void Wdg_Set_Fg_Colour(int index);
int Wdg_Get_Fg_Colour(void);
void Wdg_Set_Bg_Colour(int index);
int Wdg_Get_Bg_Colour(void);
void Wdg_Set_Field_Box_Colour(int index);
int Wdg_Field_Box_Colour(void);
int Wdg_Inactive_Grey(void);

/* ---- measuring ---- */
int Wdg_Print_Text_Width(const char *text);
int Wdg_Text_Width_In_Font(const char *text, unsigned font);
int Wdg_Max_Text_Columns_Width(const char *texts, int stride, int count, unsigned font);

/* ---- text widgets: x, y in area pixels (y on the base line); return the width used ---- */
int Wdg_Draw_Text(int x, int y, const char *text, const int *active);
int Wdg_Draw_Text_If(int x, int y, const char *text, int active);
int Wdg_Printf_Text(int x, int y, const char *format, ...);
int Wdg_Draw_Text_Aligned(int x, int y, const char *text, const int *active, int vkind, int halign);
int Wdg_Draw_Text_Centred(int x, int y, const char *text, const int *active);
int Wdg_Draw_Text_Area_Centred(int x, int y, const char *text, const int *active);
int Wdg_Draw_Text_Area_Centred_2(int x, int y, const char *text, const int *active);
int Wdg_Draw_Bold_Text(int x, int y, const char *text, const int *active);
int Wdg_Printf_Bold_Text(int x, int y, const char *format, ...);
int Wdg_Draw_Small_Text(int x, int y, const char *text, const int *active);
int Wdg_Draw_Small_Styled_Text(int x, int y, const char *text, const int *active);
int Wdg_Draw_Text_Hotspot(int x, int y, const char *text, int value, int *variable,
                          const int *active);
int Wdg_Draw_Text_Hotspot_2(int x, int y, const char *text, int value, int *variable,
                            const int *active);
int Wdg_Draw_Symbol(int x, int y, const char *text, const char *index, const int *active);
int Wdg_Draw_Symbol_Emph(int x, int y, const char *text, const char *index, const int *active);
int Wdg_Draw_Symbol_Aligned(int x, int y, const char *text, const char *index, int vkind,
                            int halign, const int *active);
int Wdg_Draw_Symbol_Aligned_2(int x, int y, const char *text, const char *index, int vkind,
                              int halign, const int *active);
int Wdg_Draw_Symbol_Index_Exp(int x, int y, const char *text, const char *index,
                              const char *exponent, const int *active);
int Wdg_Draw_Underlined_Text(int x, int y, const char *text, const int *active);
int Wdg_Draw_Boxed_Text(int x, int y, const char *text, const int *active);
int Wdg_Draw_Boxed_Bold_Text(int x, int y, const char *text, const int *active);

/* ---- long tables ---- */
/* Adds the widgets of row `row` (0-based) whose base line is y; data is the caller's block. */
typedef void (*Wdg_Row_Fn)(int row, int y, const void *data);
/* A table of count rows, row_h pixels apart from the base line y0 of row 0, whose widgets are
** added only while a row is in view of the target area (or next to it): fn runs then with the
** target, font and colours of this call. The size bytes at data are copied for fn. */
void Wdg_Add_Rows(int y0, int row_h, int count, Wdg_Row_Fn fn, const void *data, size_t size);

/* ---- world-coordinate figures ---- */
void Wdg_Set_Transform(double ox, double oy, double angle, double scale);
double Wdg_Get_Scale(void);
void Wdg_Set_Line_Switch(int on);
void Wdg_World_To_Pixel(double *x, double *y);
void Wdg_Pixel_To_World(double *x, double *y);
double Wdg_Pixel_Distance(double x1, double y1, double x2, double y2);
void Wdg_Draw_Line_World(double x1, double y1, double x2, double y2);
void Wdg_Draw_Rect_World(double x1, double y1, double x2, double y2);
void Wdg_Fill_Rect_World(double x1, double y1, double x2, double y2);
void Wdg_Draw_Circle_World(double cx, double cy, double r);
/* Angles in degrees. Return the number of arc points used. */
int Wdg_Draw_Arc_World(double cx, double cy, double r, double a1, double a2);
void Wdg_Draw_Polyline_World(int n, const double *xs, const double *ys);
void Wdg_Fill_Disc_World(double cx, double cy, double r);
void Wdg_Fill_Polygon_World(int n, const double *xs, const double *ys);
void Wdg_Polygon_Painter(int x, int y, int x2, int y2, void *user);
void Wdg_Draw_Dimension_World(int mode, double x1, double y1, double x2, double y2, double h);

/* ---- hover help and rollover buttons ---- */
enum {
    WDG_HOVER_AREAS = 20,
    WDG_TOOLTIPS = 100,
    WDG_ROLLOVERS = 100,
    WDG_TIP_LINES = 5,
    WDG_TIP_LINE = 100
};

struct Wdg_Hover_Area_Row {
    int handle, area, x1, y1, x2, y2;
    int *base_x, *base_y;
};
struct Wdg_Tooltip {
    int handle, x1, x2, y1, y2;
    int lines;
    char text[WDG_TIP_LINES][WDG_TIP_LINE];
    int width, height, below, align;
};
struct Wdg_Rollover_Row {
    int handle;
    const char *image, *rollover_image;
    int x1, x2, y1, y2;
    int key_colour;
    const char *label;
    int label_font, label_x, label_y, label_colour;
};

extern Wdg_Hover_Area_Row Wdg_Hover_Areas[WDG_HOVER_AREAS];
extern int Wdg_Hover_Area_Count;
extern int Wdg_Hover_Enabled;
extern Wdg_Tooltip Wdg_Tooltips[WDG_TOOLTIPS];
extern int Wdg_Tooltip_Count;
extern Wdg_Rollover_Row Wdg_Rollovers[WDG_ROLLOVERS];
extern int Wdg_Rollover_Count;

void Wdg_Hover_Push_Area(int handle, int area, int x1, int y1, int x2, int y2, int *base_x,
                         int *base_y);
void Wdg_Hover_Activate(int on);
void Wdg_Hover_Pop_Area(void);
void Wdg_Set_Tooltip(const char *text, int below, int alignment);
void Wdg_Rollover_Bitmap_Button(int area, int x, int y, int w, int h, int v_align, int h_align,
                                const char *image, const char *inactive_image,
                                const char *rollover_image, const char *inactive_rollover_image,
                                int key_colour, int value, int *var, int active);
void Wdg_Rollover_Text_Button(int area, int x, int y, int w, int v_align, int h_align,
                              int text_colour, int frame_colour, int unread, const char *label,
                              int value, int *var, int active);
void Wdg_Rollover_Image_Text_Button(int area, int x, int y, int w, int v_align, int h_align,
                                    const char *label, int value, int *var, int active);
void Wdg_Hover_Callback(void);
