/*
** Debug output to the console, stopwatches of computing time reported through it, and the
** stack of call-sometimes callbacks handed to the current property sheet.
*/
#include "foundation/debug.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "foundation/memory.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"

/* ---------------------------------------------------------------- debug output */

static int32_t Debug_Output = 1;   /* on at start */

void Debug_Output_Set(int on)
{
    Debug_Output = on;
}

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

static int32_t Timing_On = 0;                 /* off at start */
static uint64_t Timing_Starts[TIMING_SLOTS];  /* clock readings in milliseconds */
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

/* ---------------------------------------------------------------- callback stack */

static Call_Sometimes_Fn *Callbacks = nullptr;   /* counted storage, grows by 10 */
static int Callback_N = 0;
static int Callback_Cap = 0;

static Call_Sometimes_Fn Callback_Top(void)
{
    return Callback_N > 0 ? Callbacks[Callback_N - 1] : nullptr;
}

void Callback_Push(Call_Sometimes_Fn fn)
{
    if (Callback_N + 1 > Callback_Cap) {
        Callbacks = static_cast<Call_Sometimes_Fn *>(
            Mem_Realloc(Callbacks, static_cast<size_t>(Callback_Cap + 10) * sizeof(Call_Sometimes_Fn), 0));
        Callback_Cap += 10;
    }
    Callbacks[Callback_N++] = fn;
    Set_CallSometimesFunc_to_PS(fn);
}

void Callback_Pop(void)
{
    if (Callback_N > 0) Callback_N--;
    Set_CallSometimesFunc_to_PS(Callback_Top());
}

void Callback_Suspend(void)
{
    Set_CallSometimesFunc_to_PS(nullptr);
}

void Callback_Resume(void)
{
    Set_CallSometimesFunc_to_PS(Callback_Top());
}

void Callback_Reset(void)
{
    Callback_N = 0;
    Set_CallSometimesFunc_to_PS(nullptr);
}

int Callback_Count(void)
{
    return Callback_N;
}

int Callback_Capacity(void)
{
    return Callback_Cap;
}
