/*
** Window back end of the GUI stand-in: an SDL2 window, resizable, that shows the virtual screen
** (1:1, or scaled to fit) and feeds its mouse, wheel, keys and close into the one event queue.
*/
#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/zelkwin_internal.h"

namespace zw {

static SDL_Window *window = nullptr;
/* Where the screen stands in the window (pixels of the window): all of it 1:1, or scaled to fit
** with its proportions, centred. */
static SDL_Rect shown = {0, 0, 0, 0};
/* The screen as the window shows it 1:1 (empty while it is scaled), and the window surface it
** was copied into. */
static std::vector<uint32_t> on_window;
static SDL_Surface *on_surface = nullptr;

bool Window_Fit_Screen(int *w, int *h)
{
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return false;
    /* room for the frame and title bar of a window manager */
    int fit_w = usable.w - 16, fit_h = usable.h - 48;
    if (fit_w < *w) *w = fit_w < 800 ? 800 : fit_w;
    if (fit_h < *h) *h = fit_h < 600 ? 600 : fit_h;
    return true;
}

bool Window_Open()
{
    if (window) return true;
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return false;
    /* The screen goes into the window's own surface, only what changed since the last time: no
    ** renderer, whose every frame would copy and draw the whole screen (on a display without
    ** graphics hardware several milliseconds a frame). X11 takes the changed rectangles as they
    ** are; SDL would put a texture of the whole window between, a frame drawn by OpenGL. */
    const char *driver = SDL_GetCurrentVideoDriver();
    if (driver && strcmp(driver, "x11") == 0) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    window = SDL_CreateWindow("splice", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, NPIXEL_X,
                              NPIXEL_Y, SDL_WINDOW_RESIZABLE);
    if (!window || !SDL_GetWindowSurface(window)) {
        if (window) SDL_DestroyWindow(window);
        window = nullptr;
        SDL_Quit();
        return false;
    }
    shown = {0, 0, NPIXEL_X, NPIXEL_Y};
    Window_Watch_Connection(window);
    SDL_StartTextInput();
    return true;
}

void Window_Close()
{
    if (window) SDL_DestroyWindow(window);
    window = nullptr;
    on_window.clear();
    on_surface = nullptr;
    SDL_Quit();
}

void Window_Forget()
{
    window = nullptr;
    on_window.clear();
    on_surface = nullptr;
}

/* The rectangle of the screen (w x h pixels, rows stride bytes apart) that differs from what the
** window shows; false when none does. */
static bool Changed_Rect(const unsigned char *data, int stride, int w, int h, SDL_Rect *r)
{
    const size_t row = (size_t)w * 4;
    int y1 = 0, y2 = h - 1;
    while (y1 < h && memcmp(data + (size_t)y1 * stride, &on_window[(size_t)y1 * w], row) == 0) y1++;
    if (y1 == h) return false;
    while (y2 > y1 && memcmp(data + (size_t)y2 * stride, &on_window[(size_t)y2 * w], row) == 0)
        y2--;
    int x1 = w, x2 = -1;
    for (int y = y1; y <= y2; y++) {
        const uint32_t *a = (const uint32_t *)(data + (size_t)y * stride);
        const uint32_t *b = &on_window[(size_t)y * w];
        int l = 0, rr = w - 1;
        while (l < x1 && a[l] == b[l]) l++;
        while (rr > x2 && a[rr] == b[rr]) rr--;
        x1 = std::min(x1, l);
        x2 = std::max(x2, rr);
    }
    *r = {x1, y1, x2 - x1 + 1, y2 - y1 + 1};
    return x2 >= x1;
}

/* The screen scaled into a window of another size, with filtering, so that no pixel row or
** column of a text is dropped, its proportions kept. */
static void Present_Scaled(const unsigned char *data, int stride, int w, int h, SDL_Surface *dst)
{
    SDL_Surface *src =
        SDL_CreateRGBSurfaceWithFormatFrom((void *)data, w, h, 32, stride, SDL_PIXELFORMAT_RGB888);
    if (!src) return;
    const double k = std::min((double)dst->w / w, (double)dst->h / h);
    shown.w = std::max(1, (int)(w * k + 0.5));
    shown.h = std::max(1, (int)(h * k + 0.5));
    shown.x = (dst->w - shown.w) / 2;
    shown.y = (dst->h - shown.h) / 2;
    SDL_FillRect(dst, nullptr, SDL_MapRGB(dst->format, 0, 0, 0));
    if (dst->format->format != src->format->format
        || SDL_SoftStretchLinear(src, nullptr, dst, &shown) != 0)
        SDL_BlitScaled(src, nullptr, dst, &shown);
    SDL_FreeSurface(src);
    on_window.clear();
    SDL_UpdateWindowSurface(window);
}

void Window_Present(const unsigned char *data, int stride, int w, int h, bool whole)
{
    SDL_Surface *dst = window ? SDL_GetWindowSurface(window) : nullptr;
    if (!dst) return;
    if (dst->w != w || dst->h != h || dst->format->format != SDL_PIXELFORMAT_RGB888) {
        Present_Scaled(data, stride, w, h, dst);
        return;
    }
    shown = {0, 0, w, h};
    if (dst != on_surface || on_window.size() != (size_t)w * h) {
        on_window.assign((size_t)w * h, 0);
        on_surface = dst;
        whole = true;
    }
    SDL_Rect r{0, 0, w, h};
    if (!whole && !Changed_Rect(data, stride, w, h, &r)) return;
    if (SDL_MUSTLOCK(dst) && SDL_LockSurface(dst) != 0) return;
    for (int y = r.y; y < r.y + r.h; y++) {
        const unsigned char *from = data + (size_t)y * stride + (size_t)r.x * 4;
        memcpy((unsigned char *)dst->pixels + (size_t)y * dst->pitch + (size_t)r.x * 4, from,
               (size_t)r.w * 4);
        memcpy(&on_window[(size_t)y * w + r.x], from, (size_t)r.w * 4);
    }
    if (SDL_MUSTLOCK(dst)) SDL_UnlockSurface(dst);
    SDL_UpdateWindowSurfaceRects(window, &r, 1);
}

/* A position in the window as a pixel of the screen, and back. */
static void To_Screen(int *x, int *y)
{
    if (shown.w <= 0 || shown.h <= 0) return;
    *x = (int)((double)(*x - shown.x) * NPIXEL_X / shown.w);
    *y = (int)((double)(*y - shown.y) * NPIXEL_Y / shown.h);
}

static void To_Window(int *x, int *y)
{
    *x = shown.x + (int)((double)*x * shown.w / NPIXEL_X);
    *y = shown.y + (int)((double)*y * shown.h / NPIXEL_Y);
}

void Window_Set_Title(const char *title)
{
    if (window) SDL_SetWindowTitle(window, title);
}

void Window_Limits(int min_w, int min_h, int max_w, int max_h)
{
    if (!window) return;
    if (min_w > 0 && min_h > 0) SDL_SetWindowMinimumSize(window, min_w, min_h);
    if (max_w > 0 && max_h > 0) SDL_SetWindowMaximumSize(window, max_w, max_h);
}

void Window_Warp(int x, int y)
{
    if (!window) return;
    /* screen pixels to the window's, which differ while the window is scaled */
    To_Window(&x, &y);
    SDL_WarpMouseInWindow(window, x, y);
}

void Window_Cursor(int shape)
{
    static SDL_Cursor *cursors[3] = {nullptr, nullptr, nullptr};
    int k = shape == 6 ? 1 : shape == 18 ? 2 : 0;
    static const SDL_SystemCursor ids[3] = {SDL_SYSTEM_CURSOR_ARROW, SDL_SYSTEM_CURSOR_WAIT,
                                            SDL_SYSTEM_CURSOR_HAND};
    if (!window) return;
    if (!cursors[k]) cursors[k] = SDL_CreateSystemCursor(ids[k]);
    if (cursors[k]) SDL_SetCursor(cursors[k]);
}

void Window_Set_Clipboard(const std::string &utf8)
{
    if (window) SDL_SetClipboardText(utf8.c_str());
}

bool Window_Get_Clipboard(std::string *utf8)
{
    if (!window || !SDL_HasClipboardText()) return false;
    char *t = SDL_GetClipboardText();
    if (!t) return false;
    *utf8 = t;
    SDL_free(t);
    return true;
}

/* The key code of a key press, or -1 for a key that comes as text or has no code. */
int Sdl_Key_Code(int k, int mod)
{
    bool ctrl = mod & KMOD_CTRL, shift = mod & KMOD_SHIFT;
    if (ctrl && k >= SDLK_a && k <= SDLK_z) return (int)(k - SDLK_a + 1);
    switch (k) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return 13;
    case SDLK_ESCAPE: return 27;
    case SDLK_TAB: return shift ? KEY_SHIFT_TAB : 9;
    case SDLK_BACKSPACE: return 8;
    case SDLK_UP: return KEY_UP;
    case SDLK_DOWN: return KEY_DOWN;
    case SDLK_LEFT: return KEY_LEFT;
    case SDLK_RIGHT: return KEY_RIGHT;
    case SDLK_HOME: return ctrl ? KEY_CTRL_HOME : KEY_HOME;
    case SDLK_END: return ctrl ? KEY_CTRL_END : KEY_END;
    case SDLK_PAGEUP: return KEY_PGUP;
    case SDLK_PAGEDOWN: return KEY_PGDN;
    case SDLK_INSERT: return KEY_INS;
    case SDLK_DELETE: return KEY_DEL;
    default: break;
    }
    if (k >= SDLK_F1 && k <= SDLK_F10) return KEY_F1 + (int)(k - SDLK_F1);
    return -1;
}

void Window_Pump(bool wait, int timeout_ms)
{
    if (!window) return;
    State &s = St();
    SDL_Event e;
    bool got = wait ? SDL_WaitEventTimeout(&e, timeout_ms > 0 ? timeout_ms : 1) : SDL_PollEvent(&e);
    while (got) {
        Event ev;
        /* a scripted window takes no input but the script's (the pointer may rest on it) */
        const bool input = e.type == SDL_MOUSEMOTION || e.type == SDL_MOUSEBUTTONDOWN
                           || e.type == SDL_MOUSEBUTTONUP || e.type == SDL_MOUSEWHEEL
                           || e.type == SDL_KEYDOWN || e.type == SDL_TEXTINPUT;
        if (s.window_scripted && input) e.type = SDL_FIRSTEVENT;
        switch (e.type) {
        case SDL_QUIT:
            ev.type = EV_CLOSE;
            s.queue.push_back(ev);
            break;
        case SDL_MOUSEMOTION:
            ev.type = EV_MOVE;
            ev.x = e.motion.x;
            ev.y = e.motion.y;
            To_Screen(&ev.x, &ev.y);
            s.queue.push_back(ev);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (e.button.button == SDL_BUTTON_LEFT || e.button.button == SDL_BUTTON_RIGHT) {
                ev.type = e.type == SDL_MOUSEBUTTONDOWN ? EV_DOWN : EV_UP;
                ev.x = e.button.x;
                ev.y = e.button.y;
                To_Screen(&ev.x, &ev.y);
                ev.button = e.button.button == SDL_BUTTON_RIGHT ? 2 : 1;
                ev.key = e.type == SDL_MOUSEBUTTONDOWN ? e.button.clicks : 0;
                s.queue.push_back(ev);
            }
            break;
        case SDL_MOUSEWHEEL:
            ev.type = EV_WHEEL;
            ev.key = e.wheel.y;
            if (ev.key) s.queue.push_back(ev);
            break;
        case SDL_KEYDOWN: {
            int k = Sdl_Key_Code(e.key.keysym.sym, e.key.keysym.mod);
            if (k >= 0) {
                ev.type = EV_KEY;
                ev.key = k;
                s.queue.push_back(ev);
            }
            break;
        }
        case SDL_TEXTINPUT:
            if (!(SDL_GetModState() & KMOD_CTRL)) Push_Typed_Text(e.text.text, &s.queue);
            break;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_EXPOSED
                || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
                Present(true);
            break;
        default: break;
        }
        got = SDL_PollEvent(&e);
    }
}

} // namespace zw
