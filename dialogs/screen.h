/*
** Screen drawing primitives: a small plotter straight onto the screen with its own transform
** (origin, angle, separate x and y scales), pen width, line style and fill patterns; lines,
** polygons, circles, strips, arrows, axes, dimension lines with their value texts, texts, two
** image-button popups, HSL colour lightening and a bar.
*/
#pragma once

#include <cstdint>

struct Screen_Plotter_State {
    double x0, y0;                /* origin, world units */
    double angle;                 /* radians */
    double sx, sy;                /* scales, pixels per world unit */
    int pen_width;                /* pixels, 0 = no lines */
    int line_style;               /* as given to pxSLn */
    int popup_mx[2], popup_my[2]; /* remembered mouse position per popup, 0 = not yet set */
};

extern Screen_Plotter_State Screen_Plotter;

/* ---- transform ---- */
void Screen_Set_Transform(double x0, double y0, double angle, double sx, double sy);
double Screen_Get_Scale_X(void);
double Screen_Get_Scale_Y(void);
void Screen_World_To_Pixel(double *x, double *y);
void Screen_Pixel_To_World(double *x, double *y);
double Screen_Pixel_Distance(double x1, double y1, double x2, double y2);

/* ---- pen and patterns ---- */
void Screen_Set_Pen_Width(int w);
void Screen_Set_Line_Style(int s);
int Screen_Get_Line_Style(void);
void Screen_Set_Pattern_Dotted(void);
void Screen_Set_Pattern_Brick(void);
void Screen_Set_Pattern_Diagonal(void);

/* ---- figures (world coordinates) ---- */
void Screen_Draw_Line(double x1, double y1, double x2, double y2);
void Screen_Draw_Line_H(double x1, double x2, double y);
void Screen_Draw_Line_V(double x, double y1, double y2);
void Screen_Draw_Polygon(int n, const double *xs, const double *ys);
void Screen_Draw_Circle(double cx, double cy, double r);
void Screen_Fill_Circle(double cx, double cy, double r);
void Screen_Draw_Dot(double x, double y);
void Screen_Fill_Strip(double x1, double y1, double x2, double y2, double w,
                       const uint16_t *pattern);
void Screen_Fill_Polygon(int n, const double *xs, const double *ys);
void Screen_Draw_Rect(double x1, double y1, double x2, double y2);
void Screen_Fill_Rect_Centred(double x, double y, double w, double h);
void Screen_Erase_Rect(int x1, int y1, int x2, int y2); /* pixels */
void Screen_Draw_Arrow(double x1, double y1, double x2, double y2, double head_len,
                       double head_width, int filled);
void Screen_Draw_Axes(double x, double y, double angle, double len_x, double len_y, double scale,
                      const char *label_x, const char *label_y);
void Screen_Draw_Axes_2(double x, double y, double angle, double len_x, double len_y, double scale,
                        const char *label_x, const char *label_y);
/* Dimension line between two points (mode 0 or 1: the points are pixels), offset in pixels. */
void Screen_Draw_Dimension(int mode, double x1, double y1, double x2, double y2, double offset,
                           const char *value, const char *raised);
/* Texts of a dimension value: L = the length; 0 when nothing is to be drawn (L < 0.01). */
int Screen_Dimension_Text(double length, char *text, int text_size, char *raised, int raised_size);
void Screen_Draw_Dimension_Value(int mode, double x1, double y1, double x2, double y2,
                                 double offset);
void Screen_Draw_Text(double x, double y, const char *text, int font, int bold);
void Screen_Draw_Text_Bold(double x, double y, const char *text, int font);
void Screen_Draw_Text_At(double x, double y, const char *text, int font);
void Screen_Draw_Text_Right(double x, double y, const char *text, int font);
void Screen_Draw_Boxed_Text(double x, double y, const char *text, int font, int vkind, int halign);
void Screen_Fill_Rect_Colour(int x1, int y1, int x2, int y2, int colour); /* pixels */
int Screen_Text_Width(const char *text, int font);
void Screen_Animate_Rect(int fx1, int fy1, int fx2, int fy2, int tx1, int ty1, int tx2, int ty2);
unsigned char *Screen_Flag_Set_Init(int n);

/* ---- bar and texts ---- */
void Screen_Draw_Bar(int x, int y, double value);
void Screen_Draw_Text_Colour(int x, int y, const char *text, int font, int colour);
void Screen_Draw_Text_State(int x, int y, const char *text, int font, int state);

/* ---- colours ---- */
void Colour_Lighten_RGB(int *r, int *g, int *b, double percent);
int Colour_Lighten_Percent(int index, double percent);

/* ---- popups and button ---- */
int Screen_Image_Button_Popup(int unread, int start_x, int x, int y, const char *title,
                              int item_width, int item_height, int n, const char *const *comments,
                              const char *strip);
int Screen_Text_Button_Popup(int unread, int start_x, int x, int y, const char *title, int n,
                             const char *const *labels, const char *const *comments);
int Screen_Add_View_Button(int x, int y, int code);
