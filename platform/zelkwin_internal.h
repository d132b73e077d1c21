/*
** Shared state of the GUI stand-in's modules (not for callers): the virtual screen, the palette,
** the drawing state, the event queue with its two back ends, and the log.
*/
#pragma once

#include <cairo.h>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/zelkwin.h"

struct SDL_Window;

namespace zw {

/* ---- events ---- */
enum Event_Type {
    EV_MOVE,
    EV_DOWN,
    EV_UP,
    EV_WHEEL,
    EV_KEY,
    EV_ANSWER,
    EV_CLOSE,
    EV_SNAPSHOT,
    EV_SLEEP,
    EV_EXPOSE,
    EV_LACKING,  /* typed characters the display font lacks (UTF-8 in text): a hint names them */
    EV_CLIPBOARD /* headless: another program puts text (UTF-8) on the clipboard */
};
struct Event {
    int type = EV_MOVE;
    int x = 0, y = 0; /* position for mouse events */
    int button = 0;   /* 1 left, 2 right */
    int key = 0;      /* key code, wheel steps, or the click count of a press */
    std::string text; /* answer word or snapshot file */
};

/* ---- saved rectangles ---- */
struct Saved_Rect {
    int x1, y1, x2, y2;
    std::vector<uint32_t> pixels;
};

/* ---- the one state ---- */
struct State {
    bool inited = false;
    bool headless = true;
    bool window_scripted = false; /* a script drives the window: its own mouse and keys go */
    bool closed = false;          /* closed for good: the script ended */
    cairo_surface_t *surface = nullptr;
    cairo_t *cr = nullptr;
    uint32_t palette[256] = {};
    bool palette_used[256] = {};
    /* drawing state */
    int fg = BLACK_CI;
    int op = 0; /* 0 copy, 3 xor */
    int line_style = 0;
    uint32_t line_pattern = 0xFFFFFFFFu;
    bool fill_user = false;
    uint16_t fill_pattern[16] = {};
    int vx1 = 0, vy1 = 0, vx2 = 0, vy2 = 0; /* viewport, inclusive */
    int buff_mode = 0;
    bool dirty = false;
    /* fonts */
    int font = 0x1000;
    std::vector<int> font_stack;
    double gt_angle = 0, gt_height = 12, gt_expand = 1, gt_spacing = 0;
    /* events */
    std::deque<Event> queue;  /* pending events (script or window) */
    std::deque<int> keys;     /* keys taken from the queue, not yet read by getkey */
    int lacking_holds = 0;    /* fields being edited: their lacking characters wait (Hold_..) */
    std::string lacking_held; /* UTF-8, each character once: named when the field is left */
    int64_t clock_ms = 0;     /* virtual clock of the headless back end */
    bool timer_on = false;
    bool wheel_on = true;
    int restrict_x1 = 0, restrict_y1 = 0, restrict_x2 = 0, restrict_y2 = 0;
    std::vector<int> restrict_stack;
    std::string clipboard;        /* display-font bytes: the last text copied or pasted */
    std::string system_clipboard; /* headless: the system's clipboard (UTF-8), what the program
                                  ** copied or another program put there */
    std::string window_title;     /* display-font bytes; the title of a box that has none */
    int cursor_shape = 0;
    bool cursor_visible = true;
    /* saved rectangles */
    std::vector<Saved_Rect> saved;
    /* log */
    FILE *log_file = nullptr;
    bool memory_log = false; /* keep log_lines (the tests read them; off in the program) */
    std::vector<std::string> log_lines;
    /* hooks */
    PS_Call_Fct always_fct = nullptr;
    bool always_on = false;
    PS_Call_Fct sometimes_fct = nullptr;
    int sometimes_count = 0;
    VEL_Close_Fct close_fct = nullptr;
};

State &St();

/* core */
void Ensure_Init();
void Log_Line(const std::string &line); /* one line into the log (UTF-8) */
/* Write surface as a PNG file replaced whole (the runtime's safe files: never through a link
** planted under its name); 1, or 0. */
int Write_Png(cairo_surface_t *surface, const char *path);
/* Whether a log is kept at all (a log file, or the lines for the tests): callers that build a
** line at some cost ask first. */
inline bool Log_Wanted() { return St().memory_log || St().log_file != nullptr; }
/* Display-font bytes to UTF-8; line feeds and carriage returns are blanks (a line of the log,
** a title) unless keep_breaks (the clipboard). */
std::string To_Utf8(const char *text, int len, bool keep_breaks = false);
void Clear_Screen(uint32_t rgb);
uint32_t Colour_Rgb(int colour);  /* 0xRRGGBB of a palette or symbolic colour */
void Mark_Dirty();                /* something was drawn (presented when not buffered) */
void Present(bool force = false); /* shows what changed in the window back end */
int Snapshot(const char *path);

/* events */
bool Next_Event(Event *ev, bool wait,
                int timeout_ms);   /* false on time-out or empty queue without wait */
void Apply_Mouse(const Event &ev); /* M_* globals from an event */
void Parse_Script(const std::string &text, std::deque<Event> *out, const std::string &origin);
void Window_Pump(bool wait, int timeout_ms);          /* SDL: moves window events into the queue */
int Sdl_Key_Code(int sdl_keycode, int sdl_modifiers); /* the queued key of a key press */
bool Window_Open();
/* Before the screen is made: a display smaller than the default screen gets a screen that fits
** it (the screen is then drawn 1:1); false when there is no display to ask. */
bool Window_Fit_Screen(int *w, int *h);
void Window_Close();
/* The window let go without a call into the display, whose connection is gone (the process ends). */
void Window_Forget();
/* Watches the connection of a window on an X server: its loss ends the program without the user
** (End_Unattended), never by Xlib's exit(). */
void Window_Watch_Connection(SDL_Window *window);
/* Shows the screen (w x h pixels, rows stride bytes apart): what changed since the last time, or
** the whole of it (the window lost what it showed). */
void Window_Present(const unsigned char *data, int stride, int w, int h, bool whole);
void Window_Set_Title(const char *title);
void Window_Warp(int x, int y); /* puts the real pointer there */
void Window_Limits(int min_w, int min_h, int max_w, int max_h);
void Window_Cursor(int shape); /* 0 arrow, 6 wait, 18 hand */
void Window_Set_Clipboard(const std::string &utf8);
bool Window_Get_Clipboard(std::string *utf8);
/* The code point of the UTF-8 character at *i, which moves past it; -1 for a byte that begins
** no whole character (that byte alone is passed). */
int32_t Next_Code_Point(const std::string &s, size_t *i);
std::string Utf8_To_Display(
    const std::string &utf8); /* UTF-8 to display-font bytes ('?' for others) */
/* UTF-8 to display-font bytes without the characters the font lacks, which go, each once, into
** *lacking (UTF-8); a byte that begins no whole character is '?', as typed. */
std::string Utf8_To_Display_Held(const std::string &utf8, std::string *lacking);
/* The events of typed text (UTF-8): a key for each character the display font holds; the
** characters it lacks, each once, in one EV_LACKING event where the first of them stands. */
void Push_Typed_Text(const std::string &utf8, std::deque<Event> *out);
/* The hint that typed or pasted characters (UTF-8) were not entered, naming each by its code
** point. */
void Say_Lacking_Characters(const std::string &utf8, bool pasted = false);
/* Typed characters (UTF-8) that the display font lacks: named at once, or, while a field is
** being edited (Hold_Typed_Hints), kept to be named when it is left. */
void Typed_Lacking_Characters(const std::string &utf8);
/* The hint of a sheet's number field that did not take what was typed (display-font bytes),
** with what it holds still. */
void Say_Not_A_Number(const std::string &typed, const std::string &held);
void Run_Call_Always();
bool On_Gui_Thread(); /* the thread that opened the screen, the only one that talks to the window */

/* the end without the user (VELSetUnattendedEnd) */
[[noreturn]] void End_Unattended(int why); /* the display is gone, or a signal asked to end */
void Serve_End_Request(); /* ends here when a signal asked to end meanwhile (the GUI thread) */

/* drawing helpers used by the sheets and boxes */
void Fill_Rect_Rgb(int x1, int y1, int x2, int y2, uint32_t rgb);
void Frame_Rect(int x1, int y1, int x2, int y2, int colour);
void Bevel(int x1, int y1, int x2, int y2, bool raised);
void Text_Rgb(int x, int y, const char *text, uint32_t rgb, int font);
int Text_Width(const char *text, int font);
void Fonts_Release();
/* A DejaVu face of the family with its hinting fixed (hinted: slight hints for the screen, else
** none for paper); owned by the stand-in, released with the fonts. */
cairo_font_face_t *Font_Face(const char *family, bool bold, bool italic, bool hinted);
void Set_Clip_Full();
void Reset_Draw_State();

/* sheets (for the message boxes that draw over them) */
void Sheets_Reset();
void Boxes_Reset();
void Trees_Reset();
void Bitmaps_Reset(); /* forgets every loaded bitmap */

} // namespace zw
