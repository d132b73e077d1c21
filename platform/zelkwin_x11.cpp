/*
** The window's connection to an X server: where it breaks (the server ended, a remote session
** dropped), Xlib calls its I/O error handler, which would end the process by exit(); the atexit
** handlers would then call into the dead connection and spin there. Ours ends without the user
** instead, and never returns to Xlib.
*/
#include <SDL.h>
#include <SDL_syswm.h>

#include "platform/zelkwin_internal.h"

namespace zw {

#if defined(SDL_VIDEO_DRIVER_X11)
static int On_Connection_Lost(Display *) { End_Unattended(VEL_END_DISPLAY_LOST); }
#endif

void Window_Watch_Connection(SDL_Window *window)
{
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window && SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11)
        XSetIOErrorHandler(On_Connection_Lost);
#else
    (void)window;
#endif
}

} // namespace zw
