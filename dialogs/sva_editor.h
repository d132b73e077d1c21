/*
** Multi-line text editor item of the view areas (kind 19): a word-wrapping editor over a
** rectangle that edits the caller's buffer in place. Drawn with the area; editing runs a nested
** event loop entered by a click into the editor, or at once by a dialog that opens with it focused.
*/
#pragma once

struct SVA_Item;

struct SVA_Editor_State {
    int capacity;              /* entries of the line table */
    int lines;                 /* lines laid out */
    int caret_x, caret_y;      /* screen pixels; caret_x 0 = no caret drawn */
    int X1, Y1, X2, Y2;        /* screen rectangle, set when editing starts */
    int font;                  /* font code, 4099 at creation */
    int bg, fg;                /* colour indices */
    int max_len;               /* bytes */
    int len;                   /* bytes of the text */
    int visible;               /* lines shown */
    int top;                   /* first line shown */
    char **line_start;         /* owned table of line starts */
    char *cursor;              /* insertion happens before the byte it points at */
    char *text;                /* the caller's buffer of max_len + 1 bytes */
    char *sel_start, *sel_end; /* equal or null = no selection */
    SVA_Item *item;
};

/* Key codes of the editor beyond the printable bytes */
enum {
    EDK_CTRL_A = 1,
    EDK_CTRL_C = 3,
    EDK_BACKSPACE = 8,
    EDK_ENTER = 13,
    EDK_CTRL_V = 22,
    EDK_CTRL_X = 24,
    EDK_HOME = 327,
    EDK_UP = 328,
    EDK_PGUP = 329,
    EDK_LEFT = 331,
    EDK_RIGHT = 333,
    EDK_END = 335,
    EDK_DOWN = 336,
    EDK_PGDN = 337,
    EDK_DEL = 339,
    EDK_CTRL_END = 373,
    EDK_CTRL_HOME = 375,
};

/* A new state for an item over a buffer (ends the program when memory runs out). */
SVA_Editor_State *SVA_Editor_New(SVA_Item *item, char *text, int max_len);
void SVA_Editor_Free(SVA_Editor_State *e);
/* The editor being edited, or null. */
SVA_Editor_State *SVA_Editor_Current(void);

/* Break the text into lines of at most width pixels; return the line count. */
int SVA_Editor_Layout(SVA_Editor_State *e, int width);
/* Index of the line holding the cursor. */
int SVA_Editor_Cursor_Line(const SVA_Editor_State *e);
/* Draw the editor over the screen rectangle (layout, lines, selection, bars, caret). */
void SVA_Editor_Draw(SVA_Editor_State *e, int X1, int Y1, int X2, int Y2);
/* Apply one key as the editing loop does (layout must be current). */
void SVA_Editor_Key(SVA_Editor_State *e, int key);
/* Insert one byte before the cursor when there is room (13 becomes a line feed); 1 if done. */
int SVA_Editor_Insert(SVA_Editor_State *e, int byte);
void SVA_Editor_Delete_Selection(SVA_Editor_State *e);
/* Place the cursor at a screen position. */
void SVA_Editor_Cursor_To(SVA_Editor_State *e, int mx, int my);
/* Run the editing loop for a clicked editor item whose screen rectangle is given. It ends at a
** press outside the rectangle (passed on to what lies there), at Esc (passed on to the sheet)
** or when the window closes. */
void SVA_Editor_Run(SVA_Item *item, int X1, int Y1, int X2, int Y2);
/* The same loop entered without a click, with the cursor after the text: the editor has the
** keyboard from the moment its dialog opens. */
void SVA_Editor_Run_Focused(SVA_Item *item, int X1, int Y1, int X2, int Y2);
