/*
** Multi-line text editor item: line breaking, drawing with selection, length and line bars and
** caret, the key table, clipboard and the nested editing loop. Lines are 14 pixels apart; the
** text starts 7 pixels inside the rectangle.
*/
#include "dialogs/sva_editor.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "dialogs/sva.h"
#include "foundation/foundation.h"
#include "platform/zelkwin.h"

enum { ED_LINE_STEP = 14, ED_INITIAL_LINES = 50, ED_ESCAPE = 27 };

static SVA_Editor_State *Current_Editor = nullptr;
static int Caret_Colour, Selection_Colour, Length_Bar_Colour, Line_Bar_Colour;

/* Looked up at every drawing: the palette may have been rebuilt since the last one. */
static void Fetch_Colours(void)
{
    Caret_Colour = Nearest_RGB_Color(0, 0, 255);
    Selection_Colour = Nearest_RGB_Color(153, 180, 209);
    Length_Bar_Colour = Nearest_RGB_Color(255, 140, 140);
    Line_Bar_Colour = Nearest_RGB_Color(88, 199, 143);
}

SVA_Editor_State *SVA_Editor_Current(void) { return Current_Editor; }

SVA_Editor_State *SVA_Editor_New(SVA_Item *item, char *text, int max_len)
{
    SVA_Editor_State *e =
        (SVA_Editor_State *)Dbg_Calloc(__FILE__, __LINE__, "null", 1, sizeof(SVA_Editor_State));
    Check_Alloc_Or_Exit(e);
    e->capacity = ED_INITIAL_LINES;
    e->line_start =
        (char **)Dbg_Calloc(__FILE__, __LINE__, "null", ED_INITIAL_LINES, sizeof(char *));
    Check_Alloc_Or_Exit(e->line_start);
    e->font = 4099;
    e->max_len = max_len < 0 ? 0 : max_len;
    e->text = text;
    e->len = (int)strlen(text);
    e->cursor = text;
    e->item = item;
    return e;
}

void SVA_Editor_Free(SVA_Editor_State *e)
{
    if (e == nullptr) return;
    if (Current_Editor == e) Current_Editor = nullptr;
    free(e->line_start);
    free(e);
}

/* Pixel width of n bytes of a text in the editor's font. */
static int Run_Width(const SVA_Editor_State *e, const char *s, int n)
{
    if (n <= 0) return 0;
    if (Current_Editor == e && e->font == 0) return n * 8 - 3;
    int left = 0, right = 0;
    pxQTxX(s, n, &left, &right, nullptr, nullptr);
    return right - left;
}

static void Add_Line(SVA_Editor_State *e, char *start)
{
    if (e->lines >= e->capacity) {
        int cap = e->capacity * 4;
        char **t = (char **)realloc(e->line_start, (size_t)cap * sizeof(char *));
        Check_Alloc_Or_Exit(t);
        e->line_start = t;
        e->capacity = cap;
    }
    e->line_start[e->lines++] = start;
}

int SVA_Editor_Layout(SVA_Editor_State *e, int width)
{
    e->len = (int)strlen(e->text);
    e->lines = 0;
    char *p = e->text;
    for (;;) {
        Add_Line(e, p);
        char *q = p;
        char *blank = nullptr;
        bool broke = false;
        while (*q) {
            if (*q == '\n') {
                q++;
                broke = true;
                break;
            }
            if (q > p && Run_Width(e, p, (int)(q - p) + 1) > width) {
                q = blank ? blank + 1 : q;
                broke = true;
                break;
            }
            if (*q == ' ') blank = q;
            q++;
        }
        if (!broke) break;
        if (*q == 0) {
            /* after a closing line feed the cursor can stand on a line of its own */
            if (q[-1] == '\n') Add_Line(e, q);
            break;
        }
        p = q;
    }
    return e->lines;
}

/* Bytes of line i, its closing line feed included. */
static int Line_Length(const SVA_Editor_State *e, int i)
{
    const char *end = i + 1 < e->lines ? e->line_start[i + 1] : e->text + e->len;
    return (int)(end - e->line_start[i]);
}

int SVA_Editor_Cursor_Line(const SVA_Editor_State *e)
{
    int line = 0;
    for (int i = 0; i < e->lines; i++)
        if (e->line_start[i] <= e->cursor) line = i;
    return line;
}

static bool Has_Selection(const SVA_Editor_State *e)
{
    return e->sel_start && e->sel_end && e->sel_start != e->sel_end;
}

static void Clear_Selection(SVA_Editor_State *e) { e->sel_start = e->sel_end = nullptr; }

/* ------------------------------------------------------------------ drawing */

static void Text_Rect(const SVA_Editor_State *e, int *w) { *w = e->X2 - e->X1 - 20; }

static void Draw_Caret(SVA_Editor_State *e, int colour)
{
    int line = SVA_Editor_Cursor_Line(e);
    if (line < e->top || line > e->top + e->visible) return;
    const char *start = e->line_start[line];
    int before = (int)(e->cursor - start);
    int cx = e->X1 + 7 + (before > 0 ? Run_Width(e, start, before) + 2 : 0);
    int cy = e->Y1 + 16 + ED_LINE_STEP * (line - e->top);
    pxFgc(colour);
    pxLine(cx, cy - 10, cx, cy + 4);
    e->caret_x = colour == e->bg ? 0 : cx;
    e->caret_y = cy;
}

static void Draw_Bars(SVA_Editor_State *e)
{
    int X1 = e->X1, Y1 = e->Y1, X2 = e->X2, Y2 = e->Y2;
    if (e->max_len > 0) {
        int len = std::min(e->len, e->max_len);
        pxFgc(Length_Bar_Colour);
        pxRect(X1 + 2, Y2 - 3, X1 + 2 + (int)((long long)(X2 - X1 - 7) * len / e->max_len), Y2 - 2);
    }
    /* With one line (or none visible) there is nothing to scroll: no bar, no division by 0. */
    if (e->lines > 1 && e->lines > e->visible) {
        double span = Y2 - Y1 - 4;
        double n = e->lines - 1;
        int top = Y1 + 2 + (int)(e->top / n * span);
        int bottom = Y1 + 2 + (int)((e->visible + 1 + e->top) / n * span);
        bottom = std::min(bottom, Y2 - 2);
        pxFgc(Line_Bar_Colour);
        pxRect(X2 - 3, top, X2 - 2, bottom);
    }
}

void SVA_Editor_Draw(SVA_Editor_State *e, int X1, int Y1, int X2, int Y2)
{
    Fetch_Colours();
    SVA_Item *it = e->item;
    if (Current_Editor != e && it) {
        e->fg = it->colour;
        e->bg = it->aux2;
    }
    e->X1 = X1;
    e->Y1 = Y1;
    e->X2 = X2;
    e->Y2 = Y2;
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    pxView(std::max(X1 + 1, vx1), std::max(Y1 + 1, vy1), std::min(X2 - 1, vx2),
           std::min(Y2 - 1, vy2));
    int old_font = Pop_RFont(e->font);
    (void)old_font;
    pxFgc(e->bg);
    pxRect(X1 + 1, Y1 + 1, X2 - 1, Y2 - 1);
    e->visible = (Y2 - Y1 - 22) / ED_LINE_STEP;
    int width;
    Text_Rect(e, &width);
    SVA_Editor_Layout(e, width);
    const char *s1 = nullptr, *s2 = nullptr;
    if (Has_Selection(e)) {
        s1 = std::min(e->sel_start, e->sel_end);
        s2 = std::max(e->sel_start, e->sel_end);
    }
    for (int k = 0; k <= e->visible && e->top + k < e->lines; k++) {
        int i = e->top + k;
        const char *start = e->line_start[i];
        int n = Line_Length(e, i);
        int base = Y1 + 16 + ED_LINE_STEP * k;
        int x = X1 + 7;
        if (s1 && s1 < start + n && s2 > start) {
            int a = (int)(std::max(s1, start) - start), b = (int)(std::min(s2, start + n) - start);
            pxFgc(Selection_Colour);
            pxRect(x + Run_Width(e, start, a) + 1, base - 10, x + Run_Width(e, start, b), base + 2);
        }
        int shown = n > 0 && start[n - 1] == '\n' ? n - 1 : n;
        if (shown > 0) {
            pxFgc(e->fg);
            pxText(x, base, start, shown);
        }
    }
    Draw_Bars(e);
    if (Current_Editor == e) Draw_Caret(e, Caret_Colour);
    Push_RFont();
    pxView(vx1, vy1, vx2, vy2);
}

static void Redraw(SVA_Editor_State *e)
{
    SVA_Editor_Draw(e, e->X1, e->Y1, e->X2, e->Y2);
    pxFlsh();
}

/* ------------------------------------------------------------------ editing */

/* The place after the text's last byte: the cursor may stand there, so that text can be added
** at the end and the last byte deleted. */
static char *Text_End(SVA_Editor_State *e) { return e->text + e->len; }

static void Clamp_Cursor(SVA_Editor_State *e)
{
    if (e->cursor < e->text) e->cursor = e->text;
    if (e->cursor > Text_End(e)) e->cursor = Text_End(e);
}

/* The last place of line i the cursor can reach: before its closing line feed or the blank
** after which it wraps, after the last byte on the text's last line. */
static int Line_Last_Place(const SVA_Editor_State *e, int i)
{
    int n = Line_Length(e, i);
    if (n > 0 && (i + 1 < e->lines || e->line_start[i][n - 1] == '\n')) return n - 1;
    return n;
}

static void Keep_Visible(SVA_Editor_State *e)
{
    int width;
    Text_Rect(e, &width);
    SVA_Editor_Layout(e, width);
    int line = SVA_Editor_Cursor_Line(e);
    if (line < e->top) e->top = line;
    else if (line > e->top + e->visible) e->top = line - e->visible;
}

int SVA_Editor_Insert(SVA_Editor_State *e, int byte)
{
    e->len = (int)strlen(e->text);
    if (e->len >= e->max_len) return 0;
    if (byte == 13) byte = '\n';
    size_t pos = (size_t)(e->cursor - e->text);
    memmove(e->cursor + 1, e->cursor, (size_t)e->len - pos + 1);
    *e->cursor = (char)byte;
    e->cursor++;
    e->len++;
    return 1;
}

void SVA_Editor_Delete_Selection(SVA_Editor_State *e)
{
    if (!Has_Selection(e)) {
        Clear_Selection(e);
        return;
    }
    char *a = std::min(e->sel_start, e->sel_end), *b = std::max(e->sel_start, e->sel_end);
    size_t len = strlen(e->text);
    size_t tail = len - (size_t)(b - e->text);
    size_t cut = (size_t)(b - a);
    memmove(a, b, tail);
    memset(a + tail, 0, cut);
    e->cursor = a;
    e->len = (int)strlen(e->text);
    Clear_Selection(e);
}

static void Copy_Selection(SVA_Editor_State *e)
{
    if (!Has_Selection(e)) return;
    const char *a = std::min(e->sel_start, e->sel_end), *b = std::max(e->sel_start, e->sel_end);
    std::string s(a, b);
    VELSetClipboardText(s.c_str());
}

/* A paste of more than the room left: how much was pasted, taken and left out, and the limit. */
static void Tell_Paste_Cut(const SVA_Editor_State *e, int pasted, int taken)
{
    char first[120], second[80];
    snprintf(first, sizeof first,
             "Von %d Zeichen aus der Zwischenablage %s %d eingef\x81gt, %d nicht:", pasted,
             taken == 1 ? "wurde" : "wurden", taken, pasted - taken);
    snprintf(second, sizeof second,
             "das Feld fasst h\x94"
             "chstens %d Zeichen.",
             e->max_len);
    Init_Message();
    Set_Message_Symbol(1, 0, 0, 0);
    Set_Message_Title("Hinweis");
    Fill_Message(first);
    Fill_Message(second);
    Draw_Message();
}

/* Insert the clipboard's text at the cursor, as much as there is room for. */
static void Paste(SVA_Editor_State *e)
{
    SVA_Editor_Delete_Selection(e);
    e->len = (int)strlen(e->text);
    const int room = std::max(e->max_len - e->len, 0);
    std::string buf((size_t)room + 1, '\0');
    const int pasted = VELGetClipboardText(buf.data(), room + 1);
    const int taken = (int)strlen(buf.c_str());
    memmove(e->cursor + taken, e->cursor, strlen(e->cursor) + 1);
    memcpy(e->cursor, buf.data(), (size_t)taken);
    e->cursor += taken;
    e->len += taken;
    if (pasted <= taken) return;
    if (Current_Editor == e) { /* the hint over what was taken */
        Keep_Visible(e);
        Redraw(e);
    }
    Tell_Paste_Cut(e, pasted, taken);
}

/* Cursor on line i at the boundary nearest to x pixels from the text start. */
static void Cursor_On_Line(SVA_Editor_State *e, int i, int x)
{
    i = std::clamp(i, 0, std::max(e->lines - 1, 0));
    char *start = e->line_start[i];
    int last = Line_Last_Place(e, i);
    int best = 0, best_d = abs(x);
    for (int k = 1; k <= last; k++) {
        int d = abs(Run_Width(e, start, k) + 2 - x);
        if (d < best_d) {
            best = k;
            best_d = d;
        }
    }
    e->cursor = start + best;
}

static int Cursor_X(SVA_Editor_State *e)
{
    int line = SVA_Editor_Cursor_Line(e);
    int before = (int)(e->cursor - e->line_start[line]);
    return before > 0 ? Run_Width(e, e->line_start[line], before) + 2 : 0;
}

void SVA_Editor_Cursor_To(SVA_Editor_State *e, int mx, int my)
{
    if (e->lines < 1) {
        int width;
        Text_Rect(e, &width);
        SVA_Editor_Layout(e, width);
    }
    int line = (my - e->Y1 - 7) / ED_LINE_STEP + e->top;
    Cursor_On_Line(e, line, mx - e->X1 - 7);
}

void SVA_Editor_Key(SVA_Editor_State *e, int key)
{
    e->len = (int)strlen(e->text);
    int line = SVA_Editor_Cursor_Line(e);
    switch (key) {
    case EDK_BACKSPACE:
        if (Has_Selection(e)) SVA_Editor_Delete_Selection(e);
        else if (e->cursor > e->text) {
            memmove(e->cursor - 1, e->cursor, strlen(e->cursor) + 1);
            e->cursor--;
            e->len--;
        }
        break;
    case EDK_DEL:
        if (Has_Selection(e)) SVA_Editor_Delete_Selection(e);
        else if (e->cursor < Text_End(e)) {
            memmove(e->cursor, e->cursor + 1, strlen(e->cursor + 1) + 1);
            e->len--;
        }
        break;
    case EDK_CTRL_A:
        if (e->len > 0) {
            e->sel_start = e->text;
            e->sel_end = Text_End(e);
            e->cursor = Text_End(e);
        }
        break;
    case EDK_CTRL_C: Copy_Selection(e); break;
    case EDK_CTRL_X:
        if (Has_Selection(e)) {
            Copy_Selection(e);
            SVA_Editor_Delete_Selection(e);
        }
        break;
    case EDK_CTRL_V: Paste(e); break;
    case EDK_LEFT:
        Clear_Selection(e);
        e->cursor--;
        Clamp_Cursor(e);
        break;
    case EDK_RIGHT:
        Clear_Selection(e);
        e->cursor++;
        Clamp_Cursor(e);
        break;
    case EDK_UP:
    case EDK_DOWN:
    case EDK_PGUP:
    case EDK_PGDN: {
        Clear_Selection(e);
        int step = key == EDK_UP     ? -1
                   : key == EDK_DOWN ? 1
                   : key == EDK_PGUP ? -e->visible
                                     : e->visible;
        Cursor_On_Line(e, line + step, Cursor_X(e));
        Clamp_Cursor(e);
        break;
    }
    case EDK_HOME:
        Clear_Selection(e);
        e->cursor = e->line_start[line];
        break;
    case EDK_END:
        Clear_Selection(e);
        e->cursor = e->line_start[line] + Line_Last_Place(e, line);
        Clamp_Cursor(e);
        break;
    case EDK_CTRL_HOME:
        Clear_Selection(e);
        e->cursor = e->text;
        break;
    case EDK_CTRL_END:
        Clear_Selection(e);
        e->cursor = Text_End(e);
        break;
    default:
        if (key == EDK_ENTER || (key >= 32 && key <= 255)) {
            SVA_Editor_Delete_Selection(e);
            SVA_Editor_Insert(e, key);
        }
        break;
    }
    Keep_Visible(e);
}

/* ------------------------------------------------------------------ the editing loop */

static bool Inside(const SVA_Editor_State *e, int x, int y)
{
    return x >= e->X1 && x <= e->X2 && y >= e->Y1 && y <= e->Y2;
}

static void Special_Character(SVA_Editor_State *e)
{
    static const Menue_Entry entry = {"Sonderzeichen", "_SPEC", 1};
    if (Menue_Manager(M_XPOS, M_YPOS, &entry, 1) != 0) return;
    int c = Get_UserSelected_SpecialCharacter();
    if (c < 0) return;
    SVA_Editor_Delete_Selection(e);
    SVA_Editor_Insert(e, c);
}

/* Left button pressed inside: place the cursor, follow a drag with a selection. */
static void Press(SVA_Editor_State *e)
{
    Draw_Caret(e, e->bg);
    Clear_Selection(e);
    int px = M_XPOS, py = M_YPOS;
    SVA_Editor_Cursor_To(e, px, py);
    char *anchor = e->cursor;
    bool dragging = false;
    VEL_MESSAGE msg;
    while (M_LEFT && !getkeymask()) {
        InitVELMessage(&msg);
        msg.w[6] = 50;
        GetVELMessage(&msg, VELMSG_MOVE | VELMSG_LBUTTON | VELMSG_TIMER);
        if (!dragging && (abs(M_XPOS - px) > 5 || abs(M_YPOS - py) > 5)) dragging = true;
        if (!dragging) continue;
        int first_y = e->Y1 + 7, last_y = e->Y1 + 7 + ED_LINE_STEP * (e->visible + 1);
        if (M_YPOS < first_y && e->top > 0) {
            e->top--;
            VELSleep(50);
        } else if (M_YPOS > last_y && e->top + e->visible < e->lines - 1) {
            e->top++;
            VELSleep(50);
        }
        SVA_Editor_Cursor_To(e, M_XPOS, M_YPOS);
        e->sel_start = std::min(anchor, e->cursor);
        e->sel_end = std::max(anchor, e->cursor);
        Redraw(e);
    }
    if (!Has_Selection(e)) Clear_Selection(e);
    Redraw(e);
}

/* The editing loop; entered by a press at the mouse (cursor there) or, with at_mouse 0, by the
** dialog that opens with the editor focused (cursor after the text, nothing to release). */
static void Run(SVA_Item *item, int X1, int Y1, int X2, int Y2, int at_mouse)
{
    SVA_Editor_State *e = item->editor;
    if (e == nullptr) return;
    Fetch_Colours();
    e->X1 = X1;
    e->Y1 = Y1;
    e->X2 = X2;
    e->Y2 = Y2;
    e->fg = item->colour;
    e->bg = item->aux2;
    Current_Editor = e;
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    Pop_RFont(e->font);
    e->visible = (Y2 - Y1 - 22) / ED_LINE_STEP;
    int width;
    Text_Rect(e, &width);
    SVA_Editor_Layout(e, width);
    if (at_mouse) {
        SVA_Editor_Cursor_To(e, M_XPOS, M_YPOS);
    } else {
        e->cursor = Text_End(e);
        Keep_Visible(e);
    }
    Redraw(e);
    /* a typed character the code page lacks is named when the editor is left: a box now would
    ** take the keys typed after it */
    Hold_Typed_Hints(1);
    /* wait for the release of the click that entered */
    while (M_LEFT && !getkeymask()) Get_Mouse_Event();
    VEL_MESSAGE msg;
    for (;;) {
        if (getkeymask()) break;
        InitVELMessage(&msg);
        int cls = GetVELMessage(&msg, VELMSG_MOVE | VELMSG_LBUTTON | VELMSG_RBUTTON | VELMSG_WHEEL
                                          | VELMSG_KEY | VELMSG_CLOSE);
        if (cls & VELMSG_CLOSE || getkeymask()) break;
        if (cls & VELMSG_WHEEL) {
            int steps = M_SCROLL;
            M_SCROLL = 0;
            if (steps < 0 && e->top + e->visible < e->lines - 2) {
                e->top++;
                SVA_Editor_Key(e, EDK_DOWN);
                if (SVA_Editor_Cursor_Line(e) < e->top) e->top = SVA_Editor_Cursor_Line(e);
            } else if (steps > 0 && e->top > 0) {
                e->top--;
                SVA_Editor_Key(e, EDK_UP);
            }
            Redraw(e);
            continue;
        }
        if ((cls & VELMSG_LBUTTON) && M_LEFT) {
            if (!Inside(e, M_XPOS, M_YPOS)) {
                /* the press that leaves the editor is meant for what lies below it (the button that
        ** confirms, another field): it acts at once */
                Pass_On_Mouse_Press();
                break;
            }
            Press(e);
            continue;
        }
        if ((cls & VELMSG_RBUTTON) && M_RIGHT) {
            Special_Character(e);
            Keep_Visible(e);
            Redraw(e);
            continue;
        }
        if (cls & VELMSG_KEY) {
            bool escape = false;
            while (hitkey() != -1) {
                int key = getkey();
                if (key < 0) break;
                if (key == ED_ESCAPE) {
                    /* Esc is the sheet's (cancel), not a character: it leaves the editor and acts there */
                    Pass_On_Key(key);
                    escape = true;
                    break;
                }
                SVA_Editor_Key(e, key);
            }
            if (escape) break;
            Redraw(e);
        }
    }
    /* leave: caret off, selection cleared, back to the first line */
    Draw_Caret(e, e->bg);
    Clear_Selection(e);
    e->top = 0;
    Current_Editor = nullptr;
    SVA_Editor_Draw(e, X1, Y1, X2, Y2);
    Push_RFont();
    pxView(vx1, vy1, vx2, vy2);
    pxFlsh();
    Hold_Typed_Hints(0);
}

void SVA_Editor_Run(SVA_Item *item, int X1, int Y1, int X2, int Y2)
{
    Run(item, X1, Y1, X2, Y2, 1);
}

void SVA_Editor_Run_Focused(SVA_Item *item, int X1, int Y1, int X2, int Y2)
{
    Run(item, X1, Y1, X2, Y2, 0);
}
