/*
** Message output: errors, warnings, hints and plain messages, printf-style, sent by a global
** mode to a message box (0), the console (1), the current context's list (2), nowhere (3) or
** drawn into the current widget drawing target (4). Ten message contexts collect lines that are
** shown later as a whole.
*/
#pragma once

#include <cstdarg>
#include <cstdio>

enum {
    MSG_BOX = 0,
    MSG_CONSOLE = 1,
    MSG_LIST = 2,
    MSG_OFF = 3,
    MSG_DRAW = 4,
    MSG_TEXT_MAX = 500, /* characters of one message */
    MSG_CONTEXTS = 10,
    MSG_TITLE_SIZE = 200,
};

struct Msg_Context {
    int free_; /* 1 = free */
    char title[MSG_TITLE_SIZE];
    int line_count;
    int line_capacity;
    char *lines; /* line_capacity slots of 500 bytes, each line ends with '\n' */
    int symbol;  /* message-box symbol, -1 = none */
};

struct Msg_Channel_Record {
    int enabled;
    int console_override;
    int mode;
    int draw_x, draw_y; /* pixels of the drawing target */
    int current;
    Msg_Context contexts[MSG_CONTEXTS];
    int dialog_colour; /* -1 = cream 255, 245, 220 */
    int offer_dont_show;
    const char *check_label;
    int check_result;
    int dialog_width; /* pixels */
    int shown_context;
    int page_first_use;
};

extern Msg_Channel_Record Msg_Channel;

/* ---- output ---- */
void Msg_Printf(const char *format, ...);
void Msg_VPrintf(const char *format, va_list ap);
void Msg_Printf_In_Mode(int mode, const char *format, ...);
void Msg_Printf_To_List(const char *format, ...);
void Msg_Error(const char *format, ...);
void Msg_Warning(const char *format, ...);
void Msg_Hint(const char *format, ...);
void Msg_Error_In_Mode(int mode, const char *format, ...);
void Msg_Warning_In_Mode(int mode, const char *format, ...);
void Msg_Hint_In_Mode(int mode, const char *format, ...);

/* ---- channel settings ---- */
void Msg_Set_Mode(int mode);
int Msg_Get_Mode(void);
void Msg_Disable(void);
void Msg_Enable(void);
int Msg_Is_Enabled(void);
void Msg_Set_Console_Override(int flag);

/* ---- contexts ---- */
int Msg_Open_Context(void);
int Msg_Select_Context(int n);
int Msg_Set_Context_Title(int n, const char *title);
void Msg_Set_Context_Symbol(int n, int symbol);
int Msg_Context_Line_Count(int n);
int Msg_Current_Line_Count(void);
/* Line i of context n with its final line feed, or null. */
const char *Msg_Context_Line(int n, int i);
void Msg_Close_Context(int n);
void Msg_Set_Dialog_Colour(int colour);

/* ---- showing a context ---- */
void Msg_Show_Context(int n, int mode);
void Msg_Show_Current(int mode);
int Msg_Show_Current_Once(void);
int Msg_Show_Current_With_Option(const char *label);
int Msg_Ask_Yes(void);
int Msg_Ask_No(void);
void Msg_Context_To_Print_List(FILE *handle);

/* Draw one line holding print-list escapes (0xCE, code, argument, 0xCE, one more character) at
** (x, y) of the current drawing target; return the x after the last piece drawn. */
int Msg_Draw_Escaped_Line(int x, int y, const char *line);
/* Drawer of the list dialog's page: outputs the shown context's lines into the current target. */
void Msg_List_Dialog_Draw(int area);
/* Run the list dialog of context n (the paged dialog runner's one-page form). */
void Msg_Run_List_Dialog(int n);
/* 1 when the last list dialog was too wide and got a horizontal slider. */
int Msg_List_Dialog_Has_Slider(void);
/* Install the toolkit's output as the foundation's message hook (done at start-up). */
void Msg_Install_Foundation_Hook(void);
/* Skip the leading two-character codes "^x" of a message. */
const char *Msg_Skip_Codes(const char *text);
