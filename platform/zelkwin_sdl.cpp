/*
** Window back end of the GUI stand-in: an SDL2 window, resizable, that shows the virtual screen
** scaled to fit and feeds its mouse, wheel, keys and close into the one event queue.
*/
#include <SDL.h>

#include <cstring>

#include "platform/zelkwin_internal.h"

namespace zw {

static SDL_Window *window = nullptr;
static SDL_Renderer *renderer = nullptr;
static SDL_Texture *texture = nullptr;

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
    /* A window smaller than the screen shows it scaled with filtering: no pixel row or column of
  ** a text is dropped. */
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    window = SDL_CreateWindow("splice", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, NPIXEL_X,
                              NPIXEL_Y, SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!window) {
        SDL_Quit();
        return false;
    }
    renderer = SDL_CreateRenderer(window, -1, 0);
    if (!renderer) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer) {
        SDL_DestroyWindow(window);
        window = nullptr;
        SDL_Quit();
        return false;
    }
    SDL_RenderSetLogicalSize(renderer, NPIXEL_X, NPIXEL_Y);
    texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                NPIXEL_X, NPIXEL_Y);
    SDL_StartTextInput();
    return texture != nullptr;
}

void Window_Close()
{
    if (texture) SDL_DestroyTexture(texture);
    if (renderer) SDL_DestroyRenderer(renderer);
    if (window) SDL_DestroyWindow(window);
    texture = nullptr;
    renderer = nullptr;
    window = nullptr;
    SDL_Quit();
}

void Window_Present(const unsigned char *data, int stride, int w, int h)
{
    if (!texture) return;
    SDL_UpdateTexture(texture, nullptr, data, stride);
    SDL_RenderClear(renderer);
    SDL_Rect r{0, 0, w, h};
    SDL_RenderCopy(renderer, texture, &r, &r);
    SDL_RenderPresent(renderer);
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
    int wx = x, wy = y;
    if (renderer) SDL_RenderLogicalToWindow(renderer, (float)x, (float)y, &wx, &wy);
    SDL_WarpMouseInWindow(window, wx, wy);
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
            s.queue.push_back(ev);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (e.button.button == SDL_BUTTON_LEFT || e.button.button == SDL_BUTTON_RIGHT) {
                ev.type = e.type == SDL_MOUSEBUTTONDOWN ? EV_DOWN : EV_UP;
                ev.x = e.button.x;
                ev.y = e.button.y;
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
