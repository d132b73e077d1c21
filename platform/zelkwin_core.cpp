/*
** Core of the GUI stand-in: the one state, start-up (screen size, back end, script, log),
** the palette and colour calls, the log, snapshots and the test interface.
*/
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/runtime.h"
#include "platform/zelkwin_internal.h"

int NPIXEL_X = 1280;
int NPIXEL_Y = 960;

namespace zw {

State &St()
{
    static State s;
    return s;
}

/* ---------------------------------------------------------------- palette */

/* The thread that opened the screen: only it talks to the window (another thread, such as a
** wait animation, leaves its drawing for the next wait of this one). */
static std::thread::id Gui_Thread;

bool On_Gui_Thread() { return std::this_thread::get_id() == Gui_Thread; }

/* The screen outside every sheet (never a palette colour, so that tests can tell it). */
static const uint32_t Desktop_Rgb = 0x7C8C9C;

static const uint32_t Fixed_Palette[32] = {
    0x000000, 0x0000AA, 0x00AA00, 0x00AAAA, 0xAA0000, 0xAA00AA, 0xAA5500, 0xC0C0C0,
    0x808080, 0x5555FF, 0x55FF55, 0x55FFFF, 0xFF5555, 0xFF55FF, 0xFFFF55, 0xFFFFFF,
    0xD4D0C8, 0xECE9D8, 0xECE9D8, 0x808080, 0x404040, 0x005493, 0x99B4D1, 0xA0A0A0,
    0xFFFBF0, 0xBEBEBE, 0xF0F0F0, 0xE0E0E0, 0x9E9E9E, 0x606060, 0xC8D8E8, 0xFFFFE1};

static void Reset_Palette()
{
    State &s = St();
    for (int i = 0; i < 256; i++) {
        s.palette[i] = i < 32 ? Fixed_Palette[i] : 0;
        s.palette_used[i] = i < 32;
    }
}

static int Symbolic_Index(int c)
{
    switch (c) {
    case -1: return BACKGROUND_CI;
    case -2: return WHITE_CI;
    case -3: return SHADOW_CI;
    case -4: return BUTTON_CI;
    case -5: return TITLE_CI;
    case -6: return DISABLED_CI;
    case -7: return SELECT_CI;
    case -9: return BLACK_CI;
    case -15: return DKSHADOW_CI;
    default: return BACKGROUND_CI;
    }
}

uint32_t Colour_Rgb(int colour)
{
    Ensure_Init();
    if (colour < 0) colour = Symbolic_Index(colour);
    if (colour > 255) colour = BLACK_CI;
    return St().palette[colour];
}

/* ---------------------------------------------------------------- log */

void Log_Line(const std::string &line)
{
    State &s = St();
    if (s.memory_log) {
        s.log_lines.push_back(line);
        if (s.log_lines.size() > 200000)
            s.log_lines.erase(s.log_lines.begin(), s.log_lines.begin() + 100000);
    }
    if (s.log_file) {
        fputs(line.c_str(), s.log_file);
        fputc('\n', s.log_file);
        fflush(s.log_file);
    }
}

std::string To_Utf8(const char *text, int len, bool keep_breaks)
{
    std::string out;
    if (!text) return out;
    if (len < 0) len = (int)strlen(text);
    for (int i = 0; i < len && text[i]; i++) {
        uint32_t c = Display_Font_Codepoint((unsigned char)text[i]);
        if ((c == '\n' || c == '\r') && !keep_breaks) c = ' ';
        if (c < 0x80) {
            out += (char)c;
        } else if (c < 0x800) {
            out += (char)(0xC0 | (c >> 6));
            out += (char)(0x80 | (c & 0x3F));
        } else {
            out += (char)(0xE0 | (c >> 12));
            out += (char)(0x80 | ((c >> 6) & 0x3F));
            out += (char)(0x80 | (c & 0x3F));
        }
    }
    return out;
}

/* ---------------------------------------------------------------- start-up */

static void Read_Screen_Size()
{
    const char *e = getenv("SPLICE_SCREEN");
    int w = 0, h = 0;
    if (e && sscanf(e, "%dx%d", &w, &h) == 2 && w >= 320 && h >= 240 && w <= 8192 && h <= 8192) {
        NPIXEL_X = w;
        NPIXEL_Y = h;
    } else {
        NPIXEL_X = 1280;
        NPIXEL_Y = 960;
    }
}

static void Make_Surface()
{
    State &s = St();
    if (s.cr) cairo_destroy(s.cr);
    if (s.surface) cairo_surface_destroy(s.surface);
    s.surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, NPIXEL_X, NPIXEL_Y);
    s.cr = cairo_create(s.surface);
}

/* At the end of the process: the screen, the fonts and the caches of cairo and fontconfig go,
** so that the leak checker of the sanitizer builds sees nothing left behind. */
static void Release_All()
{
    State &s = St();
    if (!s.headless) Window_Close();
    Fonts_Release();
    if (s.cr) cairo_destroy(s.cr);
    if (s.surface) cairo_surface_destroy(s.surface);
    s.cr = nullptr;
    s.surface = nullptr;
    if (s.log_file) fclose(s.log_file);
    s.log_file = nullptr;
    cairo_debug_reset_static_data();
    FcFini();
}

/* The log file (SPLICE_GUI_LOG, appended) and the event script (SPLICE_GUI_SCRIPT) named by the
** environment. */
static void Open_Log_And_Script()
{
    State &s = St();
    if (s.log_file) fclose(s.log_file);
    s.log_file = nullptr;
    const char *log = getenv("SPLICE_GUI_LOG");
    if (log && *log) s.log_file = fopen(log, "a");
    const char *script = getenv("SPLICE_GUI_SCRIPT");
    if (script && *script) {
        std::ifstream in(script, std::ios::binary);
        if (in) {
            std::stringstream ss;
            ss << in.rdbuf();
            Parse_Script(ss.str(), &s.queue, script);
        } else {
            Log_Line(std::string("SCRIPT MISSING ") + script);
        }
    }
}

void Ensure_Init()
{
    State &s = St();
    if (s.inited) return;
    s.inited = true;
    Gui_Thread = std::this_thread::get_id();
    atexit(Release_All);
    Read_Screen_Size();
    const char *script = getenv("SPLICE_GUI_SCRIPT");
    bool display = (getenv("DISPLAY") && *getenv("DISPLAY"))
                   || (getenv("WAYLAND_DISPLAY") && *getenv("WAYLAND_DISPLAY"));
    const char *force = getenv("SPLICE_GUI_HEADLESS");
    /* a script drives the window as well where asked (measuring the window back end) */
    const char *window = getenv("SPLICE_GUI_WINDOW");
    const bool scripted = script && *script;
    s.window_scripted = scripted && window && *window == '1';
    s.headless = (scripted && !s.window_scripted) || !display || (force && *force == '1');
    /* a window on a small display (a laptop of 1366 x 768) draws the screen at the display's
  ** size rather than shrinking it, unless SPLICE_SCREEN asks for a size */
    if (!s.headless && !getenv("SPLICE_SCREEN")) Window_Fit_Screen(&NPIXEL_X, &NPIXEL_Y);
    Reset_Palette();
    Make_Surface();
    Reset_Draw_State();
    s.restrict_x1 = 0;
    s.restrict_y1 = 0;
    s.restrict_x2 = NPIXEL_X - 1;
    s.restrict_y2 = NPIXEL_Y - 1;
    Clear_Screen(Desktop_Rgb);
    Open_Log_And_Script();
    if (!s.headless && !Window_Open()) s.headless = true;
    if (s.window_scripted && s.headless) {
        /* a measurement of the window must not measure the headless back end instead */
        fprintf(stderr, "SPLICE_GUI_WINDOW=1: no window on the display \"%s\"\n",
                getenv("DISPLAY") ? getenv("DISPLAY") : "");
        exit(2);
    }
    M_XPOS = NPIXEL_X / 2;
    M_YPOS = NPIXEL_Y / 2;
}

void Clear_Screen(uint32_t rgb)
{
    State &s = St();
    cairo_surface_flush(s.surface);
    uint32_t *p = (uint32_t *)cairo_image_surface_get_data(s.surface);
    int stride = cairo_image_surface_get_stride(s.surface) / 4;
    for (int y = 0; y < NPIXEL_Y; y++)
        for (int x = 0; x < NPIXEL_X; x++) p[y * stride + x] = rgb;
    cairo_surface_mark_dirty(s.surface);
    Mark_Dirty();
}

/* Something was drawn. The window shows it at the next wait, flush or buffer switch; while
** the program goes on drawing without any of them (long runs), once the first drawing not shown
** is 40 ms old: a drawing that ends with a flush a moment later is shown once, whole. */
static int64_t Dirty_Since = 0; /* ms of the library clock: the first drawing not shown */

void Mark_Dirty()
{
    /* a long run that draws and never waits still ends on a signal */
    Serve_End_Request();
    State &s = St();
    if (s.headless) {
        s.dirty = true;
        return;
    }
    const int64_t now = VELClock();
    if (!s.dirty) Dirty_Since = now;
    s.dirty = true;
    if (s.buff_mode == 0 && now - Dirty_Since >= 40) Present();
}

void Present(bool force)
{
    State &s = St();
    if (s.headless || !s.surface) {
        s.dirty = false;
        return;
    }
    if (std::this_thread::get_id() != Gui_Thread) return;
    if (!s.dirty && !force) return;
    cairo_surface_flush(s.surface);
    Window_Present(cairo_image_surface_get_data(s.surface),
                   cairo_image_surface_get_stride(s.surface), NPIXEL_X, NPIXEL_Y, force);
    s.dirty = false;
}

static cairo_status_t Png_Bytes(void *closure, const unsigned char *data, unsigned int length)
{
    FILE *f = Rt_Safe_Stream(static_cast<Rt_Safe_File *>(closure));
    return f && fwrite(data, 1, length, f) == length ? CAIRO_STATUS_SUCCESS
                                                     : CAIRO_STATUS_WRITE_ERROR;
}

int Write_Png(cairo_surface_t *surface, const char *path)
{
    Rt_Safe_File *f = path ? Rt_Safe_Open(path) : nullptr;
    const int ok =
        f && cairo_surface_write_to_png_stream(surface, Png_Bytes, f) == CAIRO_STATUS_SUCCESS
        && Rt_Safe_Commit(f);
    Rt_Safe_Close(f);
    return ok;
}

int Snapshot(const char *path)
{
    Ensure_Init();
    State &s = St();
    cairo_surface_flush(s.surface);
    int ok = Write_Png(s.surface, path);
    Log_Line(std::string(ok ? "SNAPSHOT " : "SNAPSHOT FAILED ") + path);
    return ok;
}

} // namespace zw

using namespace zw;

/* ---------------------------------------------------------------- colour calls */

int GetVELColor(int symbolic)
{
    if (symbolic >= 0) return symbolic > 255 ? BLACK_CI : symbolic;
    return Symbolic_Index(symbolic);
}

int GetDORColor(int symbolic) { return GetVELColor(symbolic); }

int Nearest_RGB_Color(int r, int g, int b)
{
    Ensure_Init();
    State &s = St();
    r = r < 0 ? 0 : r > 255 ? 255 : r;
    g = g < 0 ? 0 : g > 255 ? 255 : g;
    b = b < 0 ? 0 : b > 255 ? 255 : b;
    uint32_t want = (uint32_t)(r << 16 | g << 8 | b);
    /* the classic sixteen first, so that black and white answer BLACK_CI and WHITE_CI */
    for (int i = 0; i < 256; i++)
        if (s.palette_used[i] && s.palette[i] == want) return i;
    for (int i = FIRST_FREE_CI; i < 256; i++) {
        if (!s.palette_used[i]) {
            s.palette_used[i] = true;
            s.palette[i] = want;
            return i;
        }
    }
    int best = 0;
    long best_d = -1;
    for (int i = 0; i < 256; i++) {
        long dr = (long)((s.palette[i] >> 16) & 255) - r,
             dg = (long)((s.palette[i] >> 8) & 255) - g, db = (long)(s.palette[i] & 255) - b;
        long d = dr * dr + dg * dg + db * db;
        if (best_d < 0 || d < best_d) {
            best_d = d;
            best = i;
        }
    }
    return best;
}

int Nearest_Color_Index(int r, int g, int b) { return Nearest_RGB_Color(r, g, b); }

void pxQCR(int colour, int *r, int *g, int *b)
{
    uint32_t c = Colour_Rgb(colour);
    if (r) *r = (int)((c >> 16) & 255);
    if (g) *g = (int)((c >> 8) & 255);
    if (b) *b = (int)(c & 255);
}

void pxFgc(int colour)
{
    Ensure_Init();
    St().fg = colour;
}

int pxQFgc(void)
{
    Ensure_Init();
    return St().fg;
}

/* ---------------------------------------------------------------- start and end */

int Init_VEL_Graphics(void)
{
    Ensure_Init();
    return 1;
}

void Exit_VEL_Graphics(void)
{
    State &s = St();
    if (!s.inited) return;
    if (!s.headless) Window_Close();
    if (s.log_file) {
        fclose(s.log_file);
        s.log_file = nullptr;
    }
}

void VELSetCloseCallback(VEL_Close_Fct fct) { St().close_fct = fct; }

int VEL_Is_Headless(void)
{
    Ensure_Init();
    return St().headless ? 1 : 0;
}

int VEL_Snapshot(const char *png_path) { return png_path ? Snapshot(png_path) : 0; }

void VELSetWindowTitle(const char *title)
{
    Ensure_Init();
    /* a title bar holds one line of characters: a control byte (the tab of a title file) shows
    ** as the blank that the print shows, never as a glyph the font lacks */
    std::string shown = title ? title : "";
    for (char &c : shown)
        if ((unsigned char)c < 0x20) c = ' ';
    St().window_title = shown;
    Log_Line("TITLE " + To_Utf8(shown.c_str(), -1));
    if (!St().headless) Window_Set_Title(To_Utf8(shown.c_str(), -1).c_str());
}

/* ---------------------------------------------------------------- test interface */

/* Tests never wait for a person: every call of the test interface switches to the headless
** back end (closing a window a display may have opened). */
static void Force_Headless()
{
    Ensure_Init();
    State &s = St();
    if (!s.headless) Window_Close();
    s.headless = true;
}

void ZW_Test_Reset(void)
{
    Force_Headless();
    State &s = St();
    Sheets_Reset();
    Boxes_Reset();
    Trees_Reset();
    Bitmaps_Reset();
    s.closed = false;
    s.queue.clear();
    s.keys.clear();
    s.saved.clear();
    s.font_stack.clear();
    s.restrict_stack.clear();
    s.restrict_x1 = s.restrict_y1 = 0;
    s.restrict_x2 = NPIXEL_X - 1;
    s.restrict_y2 = NPIXEL_Y - 1;
    s.always_fct = nullptr;
    s.always_on = false;
    s.sometimes_fct = nullptr;
    s.clipboard.clear();
    s.system_clipboard.clear();
    s.window_title.clear();
    s.clock_ms = 0;
    s.timer_on = false;
    Reset_Palette();
    Reset_Draw_State();
    Clear_Screen(Desktop_Rgb);
    s.log_lines.clear();
    s.memory_log = true;
    if (s.log_file) fclose(s.log_file);
    s.log_file = nullptr;
    M_XPOS = NPIXEL_X / 2;
    M_YPOS = NPIXEL_Y / 2;
    M_LEFT = M_RIGHT = M_SCROLL = 0;
}

void ZW_Test_Set_Screen(int width, int height)
{
    Ensure_Init();
    NPIXEL_X = width;
    NPIXEL_Y = height;
    Make_Surface();
    ZW_Test_Reset();
}

void ZW_Test_Keep_Log(int on) { St().memory_log = on != 0; }

void ZW_Test_Start_From_Environment(void)
{
    ZW_Test_Reset();
    Open_Log_And_Script();
}

void ZW_Test_Drop_Bitmaps(void) { Bitmaps_Reset(); }

void ZW_Test_Set_Script(const std::string &script)
{
    Force_Headless();
    St().queue.clear();
    St().keys.clear();
    St().closed = false;
    Parse_Script(script, &St().queue, "test");
}

void ZW_Test_Add_Script(const std::string &script)
{
    Force_Headless();
    St().closed = false;
    Parse_Script(script, &St().queue, "test");
}

int ZW_Test_Pending_Events(void) { return (int)St().queue.size(); }
int ZW_Test_Window_Key(int sdl_keycode, int sdl_modifiers)
{
    return Sdl_Key_Code(sdl_keycode, sdl_modifiers);
}

std::vector<std::string> ZW_Test_Log_Lines(void) { return St().log_lines; }

void ZW_Test_Clear_Log(void) { St().log_lines.clear(); }

uint32_t ZW_Test_Pixel(int x, int y)
{
    Ensure_Init();
    if (x < 0 || y < 0 || x >= NPIXEL_X || y >= NPIXEL_Y) return 0;
    cairo_surface_flush(St().surface);
    const uint32_t *p = (const uint32_t *)cairo_image_surface_get_data(St().surface);
    int stride = cairo_image_surface_get_stride(St().surface) / 4;
    return p[y * stride + x] & 0xFFFFFF;
}

int ZW_Test_Count_Colour(int x1, int y1, int x2, int y2, uint32_t rgb)
{
    int n = 0;
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++)
            if (x >= 0 && y >= 0 && x < NPIXEL_X && y < NPIXEL_Y && ZW_Test_Pixel(x, y) == rgb) n++;
    return n;
}
