/*
** Debug output to the console and stopwatches of computing time reported through it.
** The callback stack is in debug_callbacks.cpp.
*/
#include "foundation/debug.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "platform/runtime.h"

/* ---------------------------------------------------------------- debug output */

static int32_t Debug_Output = 1; /* on at start */

void Debug_Output_Set(int on) { Debug_Output = on; }

int Debug_Printf(const char *format, ...)
{
    if (!Debug_Output || !format) return 0;
    va_list ap;
    va_start(ap, format);
    const int r = vprintf(format, ap);
    va_end(ap);
    fflush(stdout);
    return r;
}

/* ---------------------------------------------------------------- stopwatches */

static int32_t Timing_On = 0;                /* off at start */
static uint64_t Timing_Starts[TIMING_SLOTS]; /* clock readings in milliseconds */
static int Timing_Used = 0;

void Timing_Enable(int on)
{
    if (on) Debug_Printf("\n>> Rechenzeitmessung aktiviert\n");
    else if (Timing_On) Debug_Printf("\n>> Rechenzeitmessung deaktiviert\n");
    Timing_On = on;
}

void Timing_Start(int slot)
{
    if (!Timing_On || slot < 0 || slot >= TIMING_SLOTS) return;
    if (!Timing_Used) {
        memset(Timing_Starts, 0, sizeof Timing_Starts);
        Timing_Used = 1;
    }
    Timing_Starts[slot] = Rt_Clock_Ms();
}

void Timing_Stop(int slot, const char *label)
{
    if (!Timing_On || slot < 0 || slot >= TIMING_SLOTS) return;
    const double seconds = static_cast<double>(Rt_Clock_Ms() - Timing_Starts[slot]) * 0.001;
    if (label) Debug_Printf(">> Rechenzeit %2d: %10.2f sec (%s)\n", slot, seconds, label);
    else Debug_Printf(">> Rechenzeit %2d: %10.2f sec\n", slot, seconds);
}
