/*
** The end of the program without its user: the connection to the display broke, or a signal
** (SIGTERM, SIGHUP, SIGINT) asked the process to end. Nothing calls the display any more; the
** program's hook keeps what must be kept (VELSetUnattendedEnd), and the process ends with
** VEL_END_EXIT_CODE.
*/
#include <csignal>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "platform/zelkwin_internal.h"

namespace zw {

static VEL_End_Fct End_Fct = nullptr;
/* The signal that asked to end, 0 for none: set by the handler, served on the GUI thread at its
** next wait, poll or drawing, where the program's state is whole. */
static volatile sig_atomic_t End_Signal = 0;
static bool Ending = false;

/* The grace of a signal (or of the hook) is over: the process ends as it stands. The kernel
** drops the component's flock; the next start takes the lock over with its hint. */
static void On_Grace_Over(int) { _exit(VEL_END_EXIT_CODE); }

static void Arm_Grace(void)
{
    struct sigaction sa = {};
    sigemptyset(&sa.sa_mask);
    sa.sa_handler = On_Grace_Over;
    sigaction(SIGALRM, &sa, nullptr);
    alarm(VEL_END_GRACE_S);
}

/* Only what a signal handler may do: note the signal, and end for good should the program not
** come to serve it. */
static void On_End_Signal(int sig)
{
    if (End_Signal != 0) return;
    End_Signal = sig;
    Arm_Grace();
}

void End_Unattended(int why)
{
    if (Ending) _exit(VEL_END_EXIT_CODE);
    Ending = true;
    Arm_Grace(); /* the hook writes files: a folder that hangs must not keep the process */
    State &s = St();
    /* no box waits for an answer any more, and none is drawn into a window */
    if (!s.headless) Window_Forget();
    s.headless = true;
    s.closed = true;
    s.queue.clear();
    s.keys.clear();
    const std::string what =
        why == VEL_END_DISPLAY_LOST ? std::string("display lost") : "signal " + std::to_string(why);
    Log_Line("ENDED " + what);
    fprintf(stderr, "splice: %s, ended without the user\n", what.c_str());
    if (End_Fct) End_Fct(why);
    if (s.log_file) fflush(s.log_file);
    _exit(VEL_END_EXIT_CODE);
}

void Serve_End_Request()
{
    if (End_Signal == 0 || Ending || !On_Gui_Thread()) return;
    End_Unattended(End_Signal);
}

} // namespace zw

using namespace zw;

void VELSetUnattendedEnd(VEL_End_Fct fct)
{
    End_Fct = fct;
    struct sigaction sa = {};
    sigemptyset(&sa.sa_mask);
    /* restarted: a read or a wait of the program goes on; the event loop serves the signal */
    sa.sa_flags = SA_RESTART;
    sa.sa_handler = fct ? On_End_Signal : SIG_DFL;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);
    /* Ctrl+C in the terminal that started the window: it ends as a desktop program ends on it,
    ** keeping what it had not saved (SDL would make it a close request, whose question nobody at
    ** the terminal sees) */
    sigaction(SIGINT, &sa, nullptr);
    if (!fct) End_Signal = 0;
}
