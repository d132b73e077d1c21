/*
** Rendering of a view area: background and frame, content to screen coordinates
** (x' = X1 + x - sx), the visibility test and the look of each item kind, including the built-in
** 12 x 12 marks of check boxes, option buttons and choice fields.
*/
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "dialogs/progress.h"
#include "dialogs/sva.h"
#include "dialogs/sva_editor.h"
#include "foundation/foundation.h"
#include "platform/zelkgrft.h"
#include "platform/zelkwin.h"

/* Built-in marks, 12 x 12 pixels, two bytes a row, most significant bit left; a 13th empty row
** covers the inclusive corners of the rectangles they are drawn over. */
static const unsigned char Mark_Check_Off[26] = {0xFF, 0xF0, 0x80, 0x10, 0x80, 0x10, 0x80, 0x10,
                                                 0x80, 0x10, 0x80, 0x10, 0x80, 0x10, 0x80, 0x10,
                                                 0x80, 0x10, 0x80, 0x10, 0x80, 0x10, 0xFF, 0xF0};
static const unsigned char Mark_Check_On[26] = {0xFF, 0xF0, 0x80, 0x10, 0x80, 0x50, 0x80, 0xD0,
                                                0x81, 0x90, 0xC3, 0x10, 0xE6, 0x10, 0xBC, 0x10,
                                                0x98, 0x10, 0x80, 0x10, 0x80, 0x10, 0xFF, 0xF0};
static const unsigned char Mark_Option_Off[26] = {0x0F, 0x00, 0x30, 0xC0, 0x40, 0x20, 0x40, 0x20,
                                                  0x80, 0x10, 0x80, 0x10, 0x80, 0x10, 0x80, 0x10,
                                                  0x40, 0x20, 0x40, 0x20, 0x30, 0xC0, 0x0F, 0x00};
static const unsigned char Mark_Option_On[26] = {0x0F, 0x00, 0x30, 0xC0, 0x40, 0x20, 0x4F, 0x20,
                                                 0x9F, 0x90, 0x9F, 0x90, 0x9F, 0x90, 0x9F, 0x90,
                                                 0x4F, 0x20, 0x40, 0x20, 0x30, 0xC0, 0x0F, 0x00};
static const unsigned char Mark_Arrow[26] = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x7F, 0xE0,
                                             0x3F, 0xC0, 0x1F, 0x80, 0x0F, 0x00, 0x06, 0x00,
                                             0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

static int Grey, Black, White;

/* Looked up at every drawing: the palette may have been rebuilt since the last one. */
static void Fetch_Colours(void)
{
    Grey = Nearest_Color_Index(190, 190, 190);
    Black = Nearest_Color_Index(0, 0, 0);
    White = Nearest_Color_Index(255, 255, 255);
}

void SVA_Draw_Arrow_Mark(int x1, int y1, int x2, int y2, int colour)
{
    pxFgc(colour);
    pxMask(x1, y1, x2, y2, Mark_Arrow, 2);
}

/* Text in a font with the bold look (drawn twice, one pixel apart). */
static void Styled_Text(int x, int y, const char *text, int font, int bold)
{
    Pop_RFont(font);
    pxText(x, y, text, -1);
    if (bold) pxText(x + 1, y, text, -1);
    Push_RFont();
}

int SVA_Text_Width_In_Font(const char *text, int font)
{
    if (text == nullptr) return 0;
    Pop_RFont(font);
    int w = Text_Width(text);
    Push_RFont();
    return w;
}

/* Colour mixed from the area background and the item colour. */
static int Mixed_Colour(int bg, int colour, double share_bg)
{
    int r1, g1, b1, r2, g2, b2;
    pxQCR(bg, &r1, &g1, &b1);
    pxQCR(colour, &r2, &g2, &b2);
    double s2 = 1.0 - share_bg;
    return Nearest_RGB_Color((int)(r1 * share_bg + r2 * s2), (int)(g1 * share_bg + g2 * s2),
                             (int)(b1 * share_bg + b2 * s2));
}

static void Dotted_Frame(int x1, int y1, int x2, int y2, int colour)
{
    pxFgc(colour);
    pxSULn(0xAAAAAAAAu);
    pxLine(x1, y1, x2, y1);
    pxSULn(0xAAAAAAAAu);
    pxLine(x2, y1, x2, y2);
    pxSULn(0xAAAAAAAAu);
    pxLine(x2, y2, x1, y2);
    pxSULn(0xAAAAAAAAu);
    pxLine(x1, y2, x1, y1);
    pxSLn(0);
}

static bool Rect_Hidden(const SVA_Item *it, int sx, int sy, int X1, int Y1, int X2, int Y2)
{
    int left = std::min(it->x1, it->x2), right = std::max(it->x1, it->x2);
    int top = std::min(it->y1, it->y2), bottom = std::max(it->y1, it->y2);
    return right - sx < 0 || bottom - sy < 0 || X1 + left - sx > X2 || Y1 + top - sy > Y2;
}

static bool Is_Active(const SVA_Item *it) { return it->activity && *it->activity != 0; }

/* Items placed by a point on a text's base line (fields, marks, selectable texts) draw within
** 32 pixels above and below it and begin at most 40 pixels left of it: one that lies beyond
** the view by more is skipped, so that a long list costs only the rows in view. */
static bool Point_Hidden(int x, int y, int X2, int Y1, int Y2)
{
    return y + 32 < Y1 || y - 32 > Y2 || x - 40 > X2;
}

/* The shown text of a float or text field. */
static void Field_Text(const SVA_Item *it, char *buf, size_t size)
{
    if (it->kind == SVA_FLOAT_FIELD) {
        char tmp[256];
        SVA_Float_Text(it, tmp, sizeof tmp);
        int n = std::min((int)strlen(tmp), std::max(it->aux, 0));
        snprintf(buf, size, "%.*s", n, tmp);
    } else {
        int n = std::min((int)strlen(it->text), std::max(it->y2, 0));
        snprintf(buf, size, "%.*s", n, it->text);
    }
}

static void Draw_Field(const SVA_Item *it, int x, int y)
{
    char buf[512];
    Field_Text(it, buf, sizeof buf);
    bool active = Is_Active(it);
    const char *shown = buf;
    int font = it->font;
    if (!active && it->extra_text) {
        shown = it->extra_text;
        font = 0x1000;
    }
    int w = SVA_Text_Width_In_Font(shown, font);
    w += w & 1;
    if (active) {
        pxFgc(White);
        pxRect(x - 6, y - 13, x + w + 6, y + 5);
    }
    pxFgc(it->colour);
    Styled_Text(x, y, shown, font, it->x2);
    Dotted_Frame(x - 7, y - 13, x + w + 7, y + 5, active ? Black : Grey);
}

static void Draw_Choice(const SVA_Item *it, int x, int y, int X1, int Y1, int X2, int Y2)
{
    bool active = Is_Active(it);
    int w = it->aux + (it->aux & 1);
    if (active) {
        pxFgc(White);
        pxRect(x - 6, y - 13, x + w + 24, y + 5);
    }
    const SVA_Choice_Entry *table = (const SVA_Choice_Entry *)it->aux3;
    int index = it->target ? *it->target : 0;
    const char *text = nullptr;
    int colour = it->colour;
    int font = it->font;
    if (!active && it->extra_text) {
        text = it->extra_text;
        font = 0x1000;
    } else if (table && index >= 0 && index < it->aux2) {
        text = table[index].text;
        colour = table[index].colour;
    }
    if (text) {
        int vx1, vy1, vx2, vy2;
        bool clip = x + w + 6 < X2;
        if (clip) {
            pxQVwp(&vx1, &vy1, &vx2, &vy2);
            pxView(X1, Y1, x + w + 6, Y2);
        }
        pxFgc(colour);
        Styled_Text(x, y, text, font, it->x2);
        if (clip) pxView(vx1, vy1, vx2, vy2);
    }
    Dotted_Frame(x - 7, y - 13, x + w + 25, y + 5, active ? Black : Grey);
    SVA_Draw_Arrow_Mark(x + w + 10, y - 10, x + w + 22, y + 2, active ? Black : Grey);
}

static void Draw_Picture_Choice(const SVA_Item *it, int x, int y, int sx, int sy, int X1, int Y1,
                                int X2, int Y2)
{
    int pw = it->x2, ph = it->y2;
    int W = pw + 20 + (pw & 1), H = ph + 5 + ((ph & 1) == 0 ? 1 : 0);
    if (x + W < X1 || y + H < Y1 || x > X2 || y > Y2) return;
    bool active = Is_Active(it);
    if (active) {
        pxFgc(White);
        pxRect(x, y, x + W, y + H);
    }
    Dotted_Frame(x, y, x + W, y + H, active ? Black : Grey);
    SVA_Draw_Arrow_Mark(x + W - 15, y + 3, x + W - 3, y + 15, active ? Black : Grey);
    int index = it->target ? *it->target : 0;
    int col = active ? 0 : pw;
    pxDrawPartialTransparentDIB(/*file=*/it->text, /*sx1=*/col, /*sy1=*/index * ph,
                                /*sx2=*/col + pw, /*sy2=*/index * ph + ph, /*x1=*/x + 3,
                                /*y1=*/y + 3, /*x2=*/x + 2 + pw, /*y2=*/y + 2 + ph, /*mode=*/201,
                                /*flag=*/-1, /*r=*/255, /*g=*/255, /*b=*/255);
}

/* One picture of a bitmap button: column 0 disabled, 1 normal, 2 hover, 3 pressed. */
void SVA_Draw_Bitmap_Button(const SVA_Item *it, int column, int x1, int y1, int x2, int y2)
{
    int w = it->x2 - it->x1, h = it->y2 - it->y1;
    int r, g, b;
    pxQCR(it->aux2, &r, &g, &b);
    pxDrawPartialTransparentDIB(/*file=*/it->text, /*sx1=*/column * w, /*sy1=*/it->aux,
                                /*sx2=*/column * w + w - 1, /*sy2=*/it->aux + h - 1, /*x1=*/x1,
                                /*y1=*/y1, /*x2=*/x2 - 1, /*y2=*/y2 - 1, /*mode=*/201, /*flag=*/-1,
                                /*r=*/r, /*g=*/g, /*b=*/b);
}

static void Draw_Mark_Item(const SVA_Item *it, int x, int y)
{
    bool active = Is_Active(it);
    int colour = active ? it->colour : Grey;
    pxFgc(colour);
    if (it->text) Styled_Text(x, y, it->text, it->font, it->x2);
    bool on = it->kind == SVA_CHECK_BOX ? (it->target && *it->target != 0)
                                        : (it->target && *it->target == it->aux);
    int image = on ? it->image_on : it->image_off;
    pxFgc(colour);
    if (image != 0) {
        Draw_TreeViewImage(image, x - 13, y - 3);
        return;
    }
    if (it->kind == SVA_CHECK_BOX)
        pxMask(x - 20, y - 10, x - 8, y + 2, on ? Mark_Check_On : Mark_Check_Off, 2);
    else pxMask(x - 20, y - 10, x - 9, y + 1, on ? Mark_Option_On : Mark_Option_Off, 2);
}

static void Draw_Item(const Scrollable_View_Area *a, SVA_Item *it, int sx, int sy, int X1, int Y1,
                      int X2, int Y2)
{
    int x = X1 + it->x1 - sx, y = Y1 + it->y1 - sy;
    int x2 = X1 + it->x2 - sx, y2 = Y1 + it->y2 - sy;
    switch (it->kind) {
    case SVA_TEXT:
        if (y < Y1 || y > Y2 + 12 || x > X2) break;
        if (it->x2 == 2 || it->x2 == 3) {
            pxFgc(Mixed_Colour(a->bg_colour, it->colour, it->x2 == 2 ? 0.65 : 0.9));
            Styled_Text(x + 1, y, it->text, it->font, 0);
            pxFgc(it->colour);
            Styled_Text(x, y, it->text, it->font, 0);
        } else {
            pxFgc(it->colour);
            Styled_Text(x, y, it->text, it->font, it->x2 == 1);
        }
        break;
    case SVA_LINE:
        if (Rect_Hidden(it, sx, sy, X1, Y1, X2, Y2)) break;
        pxFgc(it->colour);
        pxLine(x, y, x2, y2);
        break;
    case SVA_BITMAP: {
        int r, g, b;
        pxQCR(it->colour, &r, &g, &b);
        if (it->aux == 1)
            pxDrawTransparentDIB(/*file=*/it->text, /*x1=*/X1 + it->x1, /*y1=*/Y1 + it->y1,
                                 /*x2=*/X1 + it->x2, /*y2=*/Y1 + it->y2, /*mode=*/201, /*flag=*/-1,
                                 /*r=*/r, /*g=*/g, /*b=*/b);
        else
            pxDrawTransparentDIB(/*file=*/it->text, /*x1=*/x, /*y1=*/y, /*x2=*/x2, /*y2=*/y2,
                                 /*mode=*/201, /*flag=*/-1, /*r=*/r, /*g=*/g, /*b=*/b);
        break;
    }
    case SVA_USER_DRAWN:
        if (it->draw) it->draw(x, y, x2, y2, it->user);
        break;
    case SVA_MASK:
        if (Rect_Hidden(it, sx, sy, X1, Y1, X2, Y2) || it->mask == nullptr) break;
        pxFgc(it->colour);
        pxMask(x, y, x2, y2, it->mask->bits, it->mask->bytes_per_row);
        break;
    case SVA_BOXED_TEXT: {
        int orient = it->y2;
        Pop_RFont(it->font);
        pxFgc(it->colour);
        pxBTxt(x, y, x, y, it->text, -1, orient);
        if (it->x2) {
            int bx = x, by = y;
            if (orient == 512) bx = x - 1;
            else if (orient == 1024) by = y + 1;
            else if (orient == 256) by = y - 1;
            else bx = x + 1;
            pxBTxt(bx, by, bx, by, it->text, -1, orient);
        }
        Push_RFont();
        break;
    }
    case SVA_CHECK_BOX:
    case SVA_OPTION:
        if (Point_Hidden(x, y, X2, Y1, Y2)) break;
        Draw_Mark_Item(it, x, y);
        break;
    case SVA_SELECTABLE: {
        if (Point_Hidden(x, y, X2, Y1, Y2)) break;
        int *var = (int *)it->aux3;
        if (var && *var == it->item_value) {
            pxFgc(it->aux2);
            pxRect(x - 2, y - 10, x + SVA_Text_Width_In_Font(it->text, it->font) + 4, y + 2);
        }
        pxFgc(it->colour);
        Styled_Text(x, y, it->text, it->font, it->x2);
        break;
    }
    case SVA_FLOAT_FIELD:
    case SVA_TEXT_FIELD:
        if (Point_Hidden(x, y, X2, Y1, Y2)) break;
        Draw_Field(it, x, y);
        break;
    case SVA_FILLED_RECT:
        if (Rect_Hidden(it, sx, sy, X1, Y1, X2, Y2)) break;
        pxFgc(it->colour);
        pxRect(x, y, x2, y2);
        break;
    case SVA_TREE_IMAGE:
        if (Rect_Hidden(it, sx, sy, X1, Y1, X2, Y2)) break;
        pxFgc(it->colour);
        Draw_TreeViewImage(it->image_off, X1 + (it->x1 + it->x2) / 2 - sx,
                           Y1 + (it->y1 + it->y2) / 2 - sy);
        break;
    case SVA_CHOICE:
        if (Point_Hidden(x, y, X2, Y1, Y2)) break;
        Draw_Choice(it, x, y, X1, Y1, X2, Y2);
        break;
    case SVA_PICTURE_CHOICE: Draw_Picture_Choice(it, x, y, sx, sy, X1, Y1, X2, Y2); break;
    case SVA_BITMAP_BUTTON:
        if (Rect_Hidden(it, sx, sy, X1, Y1, X2, Y2)) break;
        SVA_Draw_Bitmap_Button(it, Is_Active(it) ? 1 : 0, x, y, x2, y2);
        break;
    case SVA_EDITOR:
        if (it->aux) Dotted_Frame(x, y, x2, y2, Is_Active(it) ? Black : Grey);
        if (it->editor) SVA_Editor_Draw(it->editor, x, y, x2, y2);
        break;
    default: break; /* hot spots and markers draw nothing */
    }
}

void SVA_Draw(int sx, int sy, int X1, int Y1, int X2, int Y2, Scrollable_View_Area *a)
{
    if (a == nullptr) return;
    Wait_Anim_Lock(); /* never together with the wait animation's frame */
    Fetch_Colours();
    int fg = pxQFgc();
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    if (a->frame) Draw_Funny_Area_to_PS(4, X1 - 2, Y1 - 2, X2 + 2, Y2 + 2, 0);
    pxView(X1, Y1, X2, Y2);
    int old = pxBuff(-1);
    pxFgc(a->bg_colour);
    pxRect(X1, Y1, X2, Y2);
    SVA_Rows_For_View(a, sy, a->y2 - a->y1);
    for (SVA_Item *it = a->first; it; it = it->next) Draw_Item(a, it, sx, sy, X1, Y1, X2, Y2);
    pxBuff(old);
    pxFgc(fg);
    pxView(vx1, vy1, vx2, vy2);
    Wait_Anim_Unlock();
}

void SVA_Draw_Callback(int unused, int sx, int sy, int X1, int Y1, int X2, int Y2, void *record)
{
    Scrollable_View_Area *a = (Scrollable_View_Area *)record;
    if (a && a->active == 1) SVA_Draw(sx, sy, X1, Y1, X2, Y2, a);
}

void SVA_Screen_Rect(const Scrollable_View_Area *a, int *X1, int *Y1, int *X2, int *Y2)
{
    int dx = 0, dy = 0;
    Inquire_Prop_Sheet_Displacement(&dx, &dy);
    *X1 = a->x1 + dx;
    *Y1 = a->y1 + dy;
    *X2 = a->x2 + dx;
    *Y2 = a->y2 + dy;
}

void SVA_Redraw(Scrollable_View_Area *a)
{
    if (a == nullptr || a->active != 1) return;
    int X1, Y1, X2, Y2, sx = 0, sy = 0;
    SVA_Screen_Rect(a, &X1, &Y1, &X2, &Y2);
    Inquire_Scrollable_Area_PS(a->handle, &sx, &sy);
    SVA_Draw(sx, sy, X1, Y1, X2, Y2, a);
    pxFlsh();
}
