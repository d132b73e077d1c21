/*
** Scrollable view areas: a fixed table of 20 drawing areas of the current property sheet, each
** with a display list of items (texts, lines, bitmaps, input fields, ...) in content pixels
** bound to the caller's variables. Creation, item constructors and scrolling live in sva.cpp,
** drawing in sva_draw.cpp, input handling in sva_input.cpp, the multi-line editor in
** sva_editor.cpp.
*/
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum {
    SVA_MAX_AREAS = 20,
    SVA_RESERVED = 9999, /* handle of a slot taken by SVA_Reserve */
    SVA_WHEEL_LINE = 14, /* pixels of one text line: a wheel step scrolls three */
    SVA_WHEEL_ROWS = 3,  /* rows a wheel step scrolls, as desktop tables do */
};

/* Item kinds */
enum {
    SVA_TEXT = 1,
    SVA_LINE = 2,
    SVA_BITMAP = 3,
    SVA_USER_DRAWN = 4,
    SVA_MASK = 5,
    SVA_BOXED_TEXT = 6,
    SVA_CHECK_BOX = 7,
    SVA_OPTION = 8,
    SVA_SELECTABLE = 9,
    SVA_FLOAT_FIELD = 10,
    SVA_FILLED_RECT = 11,
    SVA_HOTSPOT = 12,
    SVA_MARKER = 13,
    SVA_TREE_IMAGE = 14,
    SVA_TEXT_FIELD = 15,
    SVA_CHOICE = 16,
    SVA_PICTURE_CHOICE = 17,
    SVA_BITMAP_BUTTON = 18,
    SVA_EDITOR = 19,
    SVA_ROWS = 20, /* rows of a long table supplied on demand (draws nothing itself) */
};

/* Font style bits carried in a font code */
enum {
    SVA_FONT_BOLD = 0x10000,
    SVA_FONT_SOFT2 = 0x20000,
    SVA_FONT_SOFT3 = 0x40000,
};

/* Function of a user-drawn item: the item's rectangle in screen pixels and its user value. */
typedef void (*SVA_Draw_Fn)(int x1, int y1, int x2, int y2, void *user);
/* Supplier of one row of a long table: adds the items of row `row` (0-based), whose base line
** lies at content y `y`, to the area with the item constructors. */
typedef void (*SVA_Row_Fn)(int area, int row, int y, void *user);
/* Change callback: the new int value (check box, option, choice, picture choice) or the
** address of the double (float field; value then 0). */
typedef void (*SVA_Change_Fn)(int value, double *dvalue);

/* Monochrome pattern of a mask item */
struct SVA_Mask_Pattern {
    int32_t width, height; /* pixels */
    int32_t bytes_per_row;
    const unsigned char *bits;
};

/* One entry of a choice field's table */
struct SVA_Choice_Entry {
    int32_t colour;
    const char *text;
};

struct SVA_Editor_State;

struct SVA_Item {
    int32_t kind;           /* 1..19 */
    int32_t colour;         /* colour index (kind 16: width in characters; 18: cursor shape) */
    int32_t font;           /* font code, style bits removed (kind 18: the button's value) */
    int32_t aux;            /* by kind: fixed bitmap, visible length, value, cursor, row offset */
    int32_t x1, y1, x2, y2; /* content pixels; texts: start on the base line, x2 = style */
    int32_t aux2;           /* by kind: highlight colour, entry count, tooltip flags, ... */
    int *target;            /* caller's int shown or set */
    int *activity;          /* caller's activity flag (non-zero: editable) */
    double *value;          /* caller's double (float field) */
    char *text;             /* owned copy, except kinds 15 and 19 (caller's buffer) */
    char *extra_text;       /* owned */
    char *name;             /* owned: how the hints name a number field, or null */
    int32_t whole;          /* float field of a count: takes whole numbers only */
    int32_t limited;        /* float field: a typed value must lie in [lower, upper] */
    int32_t decimals;       /* the decimals it is shown with, which the limits are read to */
    int32_t held_width;     /* float field showing what its value holds (SVA_Set_Last_Field_Held):
                            ** the width of its format, 0 for a field shown by its format */
    int32_t held_least;     /* ... the decimals of its format, the fewest it shows */
    int32_t held_room;      /* ... the pixels its text may take */
    int32_t held_up;        /* ... 1: a value the room cuts is shown rounded up (a least one) */
    double lower, upper;
    SVA_Draw_Fn draw;             /* kind 4 */
    SVA_Change_Fn change;         /* kinds 7, 8, 10, 16, 17 */
    int32_t image_on;             /* kinds 7, 8: tree-view image when on (0 = built-in mark) */
    void *user;                   /* kind 4: user value */
    const SVA_Mask_Pattern *mask; /* kind 5 */
    int32_t image_off;            /* kinds 7, 8: image when off; 14: image number */
    int32_t item_value;           /* kinds 9, 12: value stored on a click */
    SVA_Editor_State *editor;     /* kind 19 */
    void *aux3;                   /* kinds 9, 12: int variable; 16: entry table */
    void *owned;              /* a malloc'ed block freed with the item (kind 4: its user data) */
    SVA_Row_Fn rows;          /* kind 20: the supplier of its rows */
    int32_t rows_lo, rows_hi; /* kind 20: rows whose items are in the list (none when hi < lo) */
    SVA_Item *block;          /* an item of a row of a kind-20 item: that item; else null */
    int32_t block_row;        /* ... and the row it belongs to */
    SVA_Item *next;
};

struct Scrollable_View_Area {
    int32_t x1, y1, x2, y2; /* visible rectangle, sheet pixels */
    int32_t bg_colour;
    int32_t frame;
    int32_t content_w, content_h; /* pixels */
    int32_t scroll_x, scroll_y;   /* content pixel at the top-left corner */
    int32_t handle;               /* sheet area; negative = free, 9999 = reserved */
    int32_t vslider, hslider;     /* 0 = none */
    int32_t active;
    int32_t hover_key_return, hover_right_return;
    int *hover_stop;
    int32_t hover_rect_flag, hover_x1, hover_y1, hover_x2, hover_y2; /* content pixels */
    int32_t esc_value;
    int *esc_target;
    int32_t enter_value;
    int *enter_target;
    int32_t f1_value;
    int *f1_target;
    /* Run after each field of an editing chain that Enter or Tab leaves, before the next one
    ** opens: it may check the value, show a hint and build the area anew. Null for none. */
    void (*field_done)(int area);
    /* Pixels of one row of the content (0: SVA_WHEEL_LINE): a wheel step scrolls three rows,
    ** Page Up and Page Down the whole rows in view. */
    int32_t row_h;
    SVA_Item *first, *last;
};

extern Scrollable_View_Area SVA_Areas[SVA_MAX_AREAS];
extern int SVA_Default_Bg_Colour;
extern int UseSheetBreakShortKey, UseSheetOkShortKey, UseSheetHelpShortKey, UseSheetJumpShortKey;

/* Return the record of an area in use (not reserved-only), or null for a bad index or a free
** slot. Every operation goes through this check. */
Scrollable_View_Area *SVA_Get(int area);

/* ---- life cycle ---- */
int SVA_Create(int x1, int y1, int x2, int y2, int horizontal, int vertical);
/* The user's settings of the areas (the short keys of user.ini) are read at the first
** SVA_Create of a process; after this call, at the next one again (a cold start). */
void SVA_Forget_Settings(void);
int SVA_Reserve(void);
int SVA_Create_Reserved(int area, int x1, int y1, int x2, int y2, int horizontal, int vertical);
void SVA_Update(int area);
void SVA_Clear(int area);
void SVA_Delete(int area);
void SVA_Delete_All(void);
void SVA_Reshape(int area, int x1, int y1, int x2, int y2);
void SVA_Set_Active(int area, int flag);
void SVA_Set_Bg_Colour(int area, int colour);
int SVA_Get_Bg_Colour(int area);
void SVA_Set_Frame(int area, int flag);
void SVA_Set_Hover_Key_Return(int area, int flag);
/* The function run after each field that Enter or Tab leaves in an editing chain (null for
** none). When it builds the area anew, the chain goes on after the field of the same variable. */
void SVA_Set_Field_Done(int area, void (*fn)(int area));
/* The height of a row of the area's content in pixels, by which the wheel and the page keys
** scroll (SVA_Scroll_Key). */
void SVA_Set_Row_Height(int area, int pixels);
void SVA_Set_Hover_Right_Return(int area, int flag);
void SVA_Set_Hover_Stop_Flag(int area, int *stop);
void SVA_Set_Hover_Rect(int area, int x1, int y1, int x2, int y2);
void SVA_Set_Esc_Result(int area, int value, int *target);
void SVA_Set_Enter_Result(int area, int value, int *target);
void SVA_Set_F1_Result(int area, int value, int *target);

/* ---- item constructors ---- */
void SVA_Add_Text(int area, int x, int y, const char *text, int font, int colour, int align);
void SVA_Add_Boxed_Text(int area, int x, int y, const char *text, int font, int colour, int angle);
void SVA_Add_Line(int area, int x1, int y1, int x2, int y2, int colour);
void SVA_Add_Bitmap(int area, const char *file, int x1, int y1, int x2, int y2, int colour);
void SVA_Fix_Last_Bitmap(int area);
void SVA_Add_Tree_Image(int area, int image, int x1, int y1, int x2, int y2, int colour);
void SVA_Add_Mask(int area, int x, int y, const SVA_Mask_Pattern *pattern, int colour);
void SVA_Add_Draw_Callback(int area, int x1, int y1, int x2, int y2, void *user, SVA_Draw_Fn fn);
/* The same with a malloc'ed user block that the item owns and frees (freed at once when the area
** is bad). */
void SVA_Add_Draw_Callback_Owned(int area, int x1, int y1, int x2, int y2, void *block,
                                 SVA_Draw_Fn fn);
void SVA_Add_Check_Box(int area, int x, int y, const char *label, int font, int colour, int *flag,
                       int *active);
void SVA_Add_Option_Button(int area, int x, int y, const char *label, int font, int colour,
                           int value, int *variable, int *active);
void SVA_Set_Last_Option_Values(int area, int on_image, int off_image);
void SVA_Add_Selectable_Text(int area, int x, int y, const char *text, int font, int colour,
                             int align, int highlight, int value, int *variable);
void SVA_Add_Hotspot(int area, int x1, int y1, int x2, int y2, int value, int *variable);
void SVA_Set_Last_Hotspot_Value(int area, int cursor);
void SVA_Set_Last_Hotspot_Text(int area, const char *text, int font, int colour, int align);
void SVA_Add_Float_Field(int area, int x, int y, double *value, const char *format, int font,
                         int colour, int *active);
void SVA_Add_Text_Field(int area, int x, int y, char *buffer, int font, int colour, int *active);
void SVA_Set_Last_Text_Field_Width(int area, int n);
void SVA_Add_Choice_Field(int area, int x, int y, const SVA_Choice_Entry *table, int font,
                          int width_chars, int count, int *index, int *active);
void SVA_Add_Picture_Choice(int area, int x, int y, const char *file, int width, int height,
                            int count, int aux, int *index, int *active);
void SVA_Set_Last_Field_Extra_Text(int area, const char *text);
/* Name the last number field as its hints call it ("n_r"): an input that is no number is told
** with it. */
void SVA_Set_Last_Field_Name(int area, const char *name);
/* The last float field holds a count: a fraction typed into it is refused, with a hint that
** names the field and what it still holds. */
void SVA_Set_Last_Field_Whole(int area);
/* The last float field takes a typed value within [lower, upper] as shown with decimals; one
** outside is refused, with a hint that names the field, what was typed, the limit and what the
** field still holds. */
void SVA_Set_Last_Field_Limits(int area, double lower, double upper, int decimals);
/* The last float field (whose format is "%<width>.<decimals>f") shows the decimals its value
** holds: from decimals on, the fewest with which its text reads back as the value (at most six),
** as many as room pixels hold (the last one rounded where the room cuts them). Typing what it
** shows gives the value again, and stepping through it without typing keeps the value. */
void SVA_Set_Last_Field_Held(int area, int width, int decimals, int room);
/* The last such field holds a least value (a length the splice asks at least): where its room
** cuts the decimals, it shows the value rounded up, which typed meets it. */
void SVA_Set_Last_Field_Least(int area);
/* The printf format a float field shows the value v with (its own format, or that of the
** decimals v holds), into format (size bytes). */
void SVA_Float_Format(const SVA_Item *it, double v, char *format, size_t size);
/* The text a float field shows now, into text (size bytes): its value by SVA_Float_Format, a
** least value that the room cuts rounded up. */
void SVA_Float_Text(const SVA_Item *it, char *text, size_t size);
/* The text of v as a field of SVA_Set_Last_Field_Held (width, decimals least, room pixels of
** font, up: a least value) shows it, into text (size bytes). */
void SVA_Held_Text(double v, int width, int least, int room, int font, int up, char *text,
                   size_t size);
void SVA_Set_Last_Input_Tag(int area, SVA_Change_Fn fn);
/* Hand a malloc'ed block to the last item, which frees it with itself (freed at once when the
** area is bad or empty). */
void SVA_Set_Last_Owned(int area, void *block);
void SVA_Add_Filled_Rect(int area, int x1, int y1, int x2, int y2, int colour);
void SVA_Add_Bitmap_Button(int area, int x, int y, int width, int height, const char *file,
                           int row_offset, int transparent, int cursor, const char *tooltip,
                           int value, int *variable, int *active);
void SVA_Add_Text_Editor(int area, int x1, int y1, int x2, int y2, char *text, int max_len,
                         int colour, int bg_colour, int frame, int *active);
void SVA_Set_Last_Editor_Font(int area, int font);
/* A long table whose rows the area asks for only while they are in view (or next to it): count
** rows of row_h pixels, row 0 with its base line at content y y0. fn adds the items of one row
** with the item constructors; the items of rows that leave the view are freed again. The
** content grows at once to the last row; the rows in view are added at once. user is a malloc'ed
** block that the area owns and frees, or null. */
void SVA_Add_Rows(int area, int y0, int row_h, int count, SVA_Row_Fn fn, void *user);
/* Bring the items of every row block of the area in line with a view of h pixels from content
** y sy (drawing and the input handling call it). */
void SVA_Rows_For_View(Scrollable_View_Area *a, int sy, int h);
void SVA_Add_Marker(int area, int value);
void SVA_Truncate_At_Marker(int area, int value);
SVA_Item *SVA_New_Item(int area);

/* ---- scrolling and geometry ---- */
void SVA_Scroll_To_Fraction(int area, double fx, double fy);
void SVA_Get_Scroll_Fraction(int area, double *fx, double *fy);
void SVA_Scroll_By(int area, int *dx, int *dy);
void SVA_Inquire_Scroll(int area, int *x, int *y);
void SVA_Refresh_Scroll(int area);
void SVA_Get_Screen_Origin(int area, int *x, int *y);
void SVA_Get_View_Size(int area, int *w, int *h);
void SVA_Get_Content_Size(int area, int *w, int *h);
void SVA_Scroll_Into_View(int area, int x1, int y1, int x2, int y2);

/* ---- drawing (sva_draw.cpp) ---- */
void SVA_Draw_Callback(int unused, int sx, int sy, int X1, int Y1, int X2, int Y2, void *record);
void SVA_Draw(int sx, int sy, int X1, int Y1, int X2, int Y2, Scrollable_View_Area *a);
/* Redraw an area at its current screen place and scroll position when it is active. */
void SVA_Redraw(Scrollable_View_Area *a);
/* The area's rectangle on the screen (sheet displacement added). */
void SVA_Screen_Rect(const Scrollable_View_Area *a, int *X1, int *Y1, int *X2, int *Y2);
/* One picture of a bitmap button (column 0 disabled, 1 normal, 2 hover, 3 pressed). */
void SVA_Draw_Bitmap_Button(const SVA_Item *it, int column, int x1, int y1, int x2, int y2);
/* Width in pixels of a text in a font code, the font selected for the measurement only; 0 for
** a null text. */
int SVA_Text_Width_In_Font(const char *text, int font);
/* The drop-down arrow mark over a 12 x 12 rectangle. */
void SVA_Draw_Arrow_Mark(int x1, int y1, int x2, int y2, int colour);

/* ---- input (sva_input.cpp) ---- */
int SVA_Handle_Input(int area);
/* The field being edited when the program ends without its user: its text taken as leaving it
** takes it (a number that the field takes into its value, with its change function; a text into
** the field's text); a number it refuses stays out, and *refused says so in code page 850
** ("b: \"1x5\" ist keine Zahl; es gilt weiter 10.00"), else it is cleared. 1 when a value was
** taken, 0 when no field is open or it took nothing. */
int SVA_Take_Open_Field(std::string *refused);
/* Move the area's content by a key as desktop tables do: Page Up / Page Down by the whole rows in
** view, Ctrl+Home / Ctrl+End to the first / the last row. Return 1 when key is one of these four
** (whether the content moved or stood at its end already), else 0. */
int SVA_Scroll_Key(int area, int key);
/* Give the keyboard to the area's first multi-line editor as a dialog opens: its editing loop
** runs at once, with the cursor after the text, until a press outside it, Esc or the window's
** end. Return 1 if the area has an editor, else 0. */
int SVA_Focus_Editor(int area);
void SVA_Track_Mouse(int area);
void SVA_Show_Tooltip(const char *text, int line);
/* Split a tooltip text at its line ends into lines; answers the widest line's width in pixels
** in the current font. */
int SVA_Tooltip_Lines(const char *text, std::vector<std::string> *lines);
int SVA_Text_List_Popup(SVA_Item *field, int x, int y);
int SVA_Picture_List_Popup(SVA_Item *field, int x, int y, int area_top, int area_bottom);

/* ---- small helpers kept with this module (the text copies are in foundation/ttool.h) ---- */
int Text_Pixel_Width(const char *text, int length);
void Editor_Text_Extent(const char *text, int length, int *left, int *right);

/* Rounding of pixel positions: half away from zero. */
int Round_Pixel(double v);
