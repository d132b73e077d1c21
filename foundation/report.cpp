/*
** The foundation's message hook: the toolkit installs its message output here at start-up;
** without it the text goes to stderr.
*/
#include "foundation/report.h"

#include <cstdio>

static Foundation_Msg_Hook Msg_Hook = nullptr;

void Foundation_Set_Msg_Hook(Foundation_Msg_Hook hook) { Msg_Hook = hook; }

Foundation_Msg_Hook Foundation_Get_Msg_Hook(void) { return Msg_Hook; }

void Foundation_Report(int kind, int mode, const char *text)
{
    if (!text) return;
    if (Msg_Hook) {
        Msg_Hook(kind, mode, text);
        return;
    }
    fputs(text, stderr);
    fputc('\n', stderr);
    fflush(stderr);
}
