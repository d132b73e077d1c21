/*
** Message output: formatting, the five output modes, the ten message contexts with their line
** stores, the message-box, console and print-list forms of a context, and the hook through
** which the foundation reports. Messages are code page 850 byte texts of at most 500 bytes.
*/
#include "dialogs/message.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

#include "dialogs/widgets.h"
#include "foundation/foundation.h"
#include "platform/zelkwin.h"
#include "printlist/printlist.h"

enum { MSG_SLOT = 500, MSG_BUF = MSG_TEXT_MAX + 1 };

static constexpr Msg_Channel_Record Initial_Channel()
{
    Msg_Channel_Record c{};
    c.enabled = 1;
    c.mode = MSG_BOX;
    c.draw_x = 15;
    c.draw_y = 20;
    for (auto &ctx : c.contexts) {
        ctx.free_ = 1;
        ctx.symbol = -1;
    }
    c.dialog_colour = -1;
    c.shown_context = -1;
    c.page_first_use = 1;
    return c;
}

Msg_Channel_Record Msg_Channel = Initial_Channel();

/* Formatted texts of the three forms and the composed frame (not re-entrant). */
static char Error_Text[MSG_BUF], Warning_Text[MSG_BUF], Hint_Text[MSG_BUF], Composed[MSG_BUF];

static Msg_Context *Context(int n)
{
    if (n < 0 || n >= MSG_CONTEXTS) return nullptr;
    return &Msg_Channel.contexts[n];
}

static Msg_Context *Context_In_Use(int n)
{
    Msg_Context *c = Context(n);
    return c && !c->free_ ? c : nullptr;
}

const char *Msg_Skip_Codes(const char *text)
{
    while (text[0] == '^' && text[1] != 0) text += 2;
    return text;
}

/* ------------------------------------------------------------------ drawing mode */

int Msg_Draw_Escaped_Line(int x, int y, const char *line)
{
    const int *act = &Wdg_State.editable_cell;
    const char *p = line;
    for (;;) {
        const char *esc = strchr(p, '\xCE');
        if (esc == nullptr) {
            if (*p) x += Wdg_Draw_Text(x, y, p, act);
            return x;
        }
        if (esc > p) {
            std::string before(p, esc);
            x += Wdg_Draw_Text(x, y, before.c_str(), act);
        }
        char code = esc[1];
        if (code == 0) return x;
        const char *arg = esc + 2;
        const char *close = strchr(arg, '\xCE');
        std::string a = close ? std::string(arg, close) : std::string(arg);
        switch (tolower((unsigned char)code)) {
        case 'b':
            if (!a.empty()) x += Wdg_Draw_Bold_Text(x, y, a.c_str(), act);
            break;
        case 'c': {
            int colour;
            if (sscanf(a.c_str(), "%d", &colour) == 1) {
                int saved = Wdg_Get_Fg_Colour();
                Wdg_Set_Fg_Colour(colour);
                size_t blank = a.find(' ');
                if (blank != std::string::npos && blank + 1 < a.size())
                    x += Wdg_Draw_Text(x, y, a.c_str() + blank + 1, act);
                Wdg_Set_Fg_Colour(saved);
            }
            break;
        }
        default: break; /* sub- and superscripts and the rest take no room here */
        }
        if (close == nullptr || strlen(close + 1) < 2) return x;
        p = close + 2;
    }
}

static void Draw_Message_Line(char *text)
{
    size_t n = strlen(text);
    if (n > 0 && text[n - 1] == '\n') text[n - 1] = 0;
    unsigned font = 4096;
    int step = 16;
    const char *p = text;
    while (p[0] == '^' && p[1] != 0) {
        if (p[1] == 'b') font |= 65536;
        else if (p[1] == 'p') font ^= 4096;
        else if (p[1] == '2') step = 8;
        p += 2;
    }
    Wdg_Set_Font(font);
    Msg_Draw_Escaped_Line(Msg_Channel.draw_x, Msg_Channel.draw_y, p);
    Msg_Channel.draw_y += step;
}

/* ------------------------------------------------------------------ list mode */

static void Store_In_Context(const char *text)
{
    Msg_Context *c = Context_In_Use(Msg_Channel.current);
    if (c == nullptr) return;
    size_t len = strlen(text);
    if (len > 2) {
        for (int i = 0; i < c->line_count; i++) {
            if (strncmp(c->lines + (size_t)i * MSG_SLOT, text, len) == 0) return;
        }
    }
    if (c->line_count >= c->line_capacity) {
        c->line_capacity += 10;
        c->lines = (char *)Mem_Realloc(c->lines, (size_t)c->line_capacity * MSG_SLOT, 0);
    }
    snprintf(c->lines + (size_t)c->line_count * MSG_SLOT, MSG_SLOT, "%.*s\n", MSG_SLOT - 2, text);
    c->line_count++;
}

/* ------------------------------------------------------------------ output */

/* Send one formatted message by the current mode (the text may be changed). */
static void Output(char *text)
{
    if (Msg_Channel.console_override
        && (Msg_Channel.mode == MSG_BOX || Msg_Channel.mode == MSG_DRAW))
        Msg_Channel.mode = MSG_CONSOLE;
    switch (Msg_Channel.mode) {
    case MSG_CONSOLE:
        printf("%s\n", Msg_Skip_Codes(text));
        fflush(stdout);
        break;
    case MSG_LIST: Store_In_Context(text); break;
    case MSG_OFF: break;
    case MSG_DRAW: Draw_Message_Line(text); break;
    default: PrintMessage(Msg_Skip_Codes(text)); break;
    }
}

void Msg_VPrintf(const char *format, va_list ap)
{
    if (!Msg_Channel.enabled || format == nullptr || format[0] == 0) return;
    char *buf = (char *)Mem_Realloc(nullptr, MSG_BUF, 1);
    vsnprintf(buf, MSG_BUF, format, ap);
    Output(buf);
    Mem_Free(&buf);
}

void Msg_Printf(const char *format, ...)
{
    va_list ap;
    va_start(ap, format);
    Msg_VPrintf(format, ap);
    va_end(ap);
}

static void VPrintf_In_Mode(int mode, const char *format, va_list ap)
{
    int saved = Msg_Channel.mode;
    Msg_Set_Mode(mode);
    Msg_VPrintf(format, ap);
    Msg_Set_Mode(saved);
}

void Msg_Printf_In_Mode(int mode, const char *format, ...)
{
    va_list ap;
    va_start(ap, format);
    VPrintf_In_Mode(mode, format, ap);
    va_end(ap);
}

void Msg_Printf_To_List(const char *format, ...)
{
    va_list ap;
    va_start(ap, format);
    VPrintf_In_Mode(MSG_LIST, format, ap);
    va_end(ap);
}

/* Format into the form's buffer, compose the frame and output it (mode < 0: current mode). */
static void Form(int mode, char *buf, const char *frame, const char *format, va_list ap)
{
    if (format == nullptr) return;
    vsnprintf(buf, MSG_BUF, format, ap);
    /* a text near the buffer's size is cut at the buffer's end, frame included */
    if (snprintf(Composed, MSG_BUF, frame, buf) < 0) Composed[0] = 0;
    if (mode >= 0) Msg_Printf_In_Mode(mode, "%s", Composed);
    else Msg_Printf("%s", Composed);
}

#define MSG_FORM(name, mode_expr, buf, frame)    \
    {                                            \
        va_list ap;                              \
        va_start(ap, format);                    \
        Form(mode_expr, buf, frame, format, ap); \
        va_end(ap);                              \
    }

static const char Frame_Error[] = "^bFEHLER: %s!";
static const char Frame_Warning[] = "^bWARNUNG: %s!";
static const char Frame_Hint[] = "^bHINWEIS: %s.";

void Msg_Error(const char *format, ...)
    MSG_FORM(Msg_Error, -1, Error_Text, Frame_Error) void Msg_Warning(const char *format, ...)
        MSG_FORM(Msg_Warning, -1, Warning_Text, Frame_Warning) void Msg_Hint(const char *format,
                                                                             ...)
            MSG_FORM(Msg_Hint, -1, Hint_Text,
                     Frame_Hint) void Msg_Error_In_Mode(int mode, const char *format, ...)
                MSG_FORM(Msg_Error_In_Mode, mode, Error_Text,
                         Frame_Error) void Msg_Warning_In_Mode(int mode, const char *format, ...)
                    MSG_FORM(Msg_Warning_In_Mode, mode, Warning_Text,
                             Frame_Warning) void Msg_Hint_In_Mode(int mode, const char *format, ...)
                        MSG_FORM(Msg_Hint_In_Mode, mode, Hint_Text, Frame_Hint)

#undef MSG_FORM

    /* ------------------------------------------------------------------ channel settings */

    void Msg_Set_Mode(int mode)
{
    Msg_Channel.mode = mode;
    if (mode == MSG_DRAW) {
        Msg_Channel.draw_x = 15;
        Msg_Channel.draw_y = 20;
    }
}

int Msg_Get_Mode(void) { return Msg_Channel.mode; }
void Msg_Disable(void) { Msg_Channel.enabled = 0; }
void Msg_Enable(void) { Msg_Channel.enabled = 1; }
int Msg_Is_Enabled(void) { return Msg_Channel.enabled; }
void Msg_Set_Console_Override(int flag) { Msg_Channel.console_override = flag; }

/* ------------------------------------------------------------------ contexts */

int Msg_Open_Context(void)
{
    for (int n = 0; n < MSG_CONTEXTS; n++) {
        Msg_Context *c = &Msg_Channel.contexts[n];
        if (!c->free_) continue;
        c->free_ = 0;
        c->line_count = 0;
        c->line_capacity = 0;
        c->lines = nullptr;
        c->symbol = -1;
        c->title[0] = 0;
        Msg_Channel.current = n;
        return n;
    }
    return -1;
}

int Msg_Select_Context(int n)
{
    Msg_Context *c = Context(n);
    if (c == nullptr) return 2;
    if (c->free_) return 1;
    Msg_Channel.current = n;
    return 0;
}

int Msg_Set_Context_Title(int n, const char *title)
{
    Msg_Context *c = Context(n);
    if (c == nullptr) return 2;
    if (c->free_) return 1;
    memset(c->title, 0, sizeof c->title);
    if (title) strncpy(c->title, title, MSG_TITLE_SIZE - 1);
    return 0;
}

void Msg_Set_Context_Symbol(int n, int symbol)
{
    if (Msg_Context *c = Context(n)) c->symbol = symbol;
}

int Msg_Context_Line_Count(int n)
{
    Msg_Context *c = Context_In_Use(n);
    return c ? c->line_count : 0;
}

int Msg_Current_Line_Count(void) { return Msg_Context_Line_Count(Msg_Channel.current); }

const char *Msg_Context_Line(int n, int i)
{
    Msg_Context *c = Context_In_Use(n);
    if (c == nullptr || i < 0 || i >= c->line_count) return nullptr;
    return c->lines + (size_t)i * MSG_SLOT;
}

void Msg_Close_Context(int n)
{
    Msg_Context *c = Context_In_Use(n);
    if (c == nullptr) return;
    c->title[0] = 0;
    if (c->line_capacity > 0) Mem_Free(&c->lines);
    c->lines = nullptr;
    c->line_count = c->line_capacity = 0;
    c->free_ = 1;
}

void Msg_Set_Dialog_Colour(int colour) { Msg_Channel.dialog_colour = colour; }

/* ------------------------------------------------------------------ showing a context */

/* Line i of a context without its final line feed and, with skip, without leading codes. */
static std::string Plain_Line(const Msg_Context *c, int i, bool skip)
{
    const char *line = c->lines + (size_t)i * MSG_SLOT;
    if (skip) line = Msg_Skip_Codes(line);
    std::string s(line);
    if (!s.empty() && s.back() == '\n') s.pop_back();
    return s;
}

static void Show_As_Box(const Msg_Context *c)
{
    Init_Message();
    for (int i = 0; i < c->line_count; i++) Fill_Message(Plain_Line(c, i, true).c_str());
    if (c->symbol > 0) Set_Message_Symbol(c->symbol, 1, 0, 0);
    Draw_Message();
}

void Msg_Show_Context(int n, int mode)
{
    Msg_Context *c = Context_In_Use(n);
    if (!Msg_Channel.enabled || c == nullptr) return;
    Msg_Set_Mode(mode);
    if (mode == MSG_DRAW) {
        Msg_Run_List_Dialog(n);
    } else if (mode == MSG_CONSOLE) {
        for (int i = 0; i < c->line_count; i++) Msg_Printf("%s", Plain_Line(c, i, false).c_str());
    } else {
        Show_As_Box(c);
    }
}

void Msg_Show_Current(int mode) { Msg_Show_Context(Msg_Channel.current, mode); }

static int Ask(int default_answer)
{
    Msg_Context *c = Context_In_Use(Msg_Channel.current);
    if (!Msg_Channel.enabled || c == nullptr || Msg_Channel.mode == MSG_CONSOLE) return 0;
    Init_Message();
    for (int i = 0; i < c->line_count; i++) Fill_Message(Plain_Line(c, i, true).c_str());
    Set_Message_Symbol(0, 1, 0, 0);
    return Answer_is_Yes(default_answer);
}

int Msg_Ask_Yes(void) { return Ask(1); }
int Msg_Ask_No(void) { return Ask(0); }

void Msg_Context_To_Print_List(FILE *handle)
{
    Msg_Context *c = Context_In_Use(Msg_Channel.current);
    if (c == nullptr) return;
    Msg_List_Open(4);
    for (int i = 0; i < c->line_count; i++)
        Msg_List_Add(4,
                     "\xCE"
                     "b%s",
                     Plain_Line(c, i, false).c_str());
    Msg_List_Write_Framed(handle, 4, -1.0);
}

/* ------------------------------------------------------------------ the foundation's hook */

/* The foundation reports through here; for a lack of memory nothing is allocated. */
static void Foundation_Hook(int kind, int mode, const char *text)
{
    static char buf[MSG_BUF];
    if (text == nullptr) return;
    if (kind == FOUNDATION_MSG_ERROR) {
        if (mode >= 0) Msg_Error_In_Mode(mode, "%s", text);
        else Msg_Error("%s", text);
        return;
    }
    if (kind == FOUNDATION_MSG_SET_MODE) {
        Msg_Set_Mode(mode);
        Msg_Printf("%s", text);
        return;
    }
    if (kind == FOUNDATION_MSG_NO_MEMORY) {
        if (!Msg_Channel.enabled) return;
        snprintf(buf, sizeof buf, "%s", text);
        Output(buf);
        return;
    }
    if (mode >= 0) Msg_Printf_In_Mode(mode, "%s", text);
    else Msg_Printf("%s", text);
}

void Msg_Install_Foundation_Hook(void) { Foundation_Set_Msg_Hook(Foundation_Hook); }
