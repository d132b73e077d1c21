/*
** The stack of call-sometimes callbacks: the top one is handed to the current property sheet.
*/
#include "foundation/debug.h"

#include "foundation/memory.h"
#include "platform/zelkwin.h"

/* ---------------------------------------------------------------- callback stack */

static Call_Sometimes_Fn *Callbacks = nullptr; /* counted storage, grows by 10 */
static int Callback_N = 0;
static int Callback_Cap = 0;

static Call_Sometimes_Fn Callback_Top(void)
{
    return Callback_N > 0 ? Callbacks[Callback_N - 1] : nullptr;
}

void Callback_Push(Call_Sometimes_Fn fn)
{
    if (Callback_N + 1 > Callback_Cap) {
        Callbacks = static_cast<Call_Sometimes_Fn *>(Mem_Realloc(
            Callbacks, static_cast<size_t>(Callback_Cap + 10) * sizeof(Call_Sometimes_Fn), 0));
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

void Callback_Suspend(void) { Set_CallSometimesFunc_to_PS(nullptr); }

void Callback_Resume(void) { Set_CallSometimesFunc_to_PS(Callback_Top()); }

void Callback_Reset(void)
{
    Callback_N = 0;
    Set_CallSometimesFunc_to_PS(nullptr);
}

int Callback_Count(void) { return Callback_N; }

int Callback_Capacity(void) { return Callback_Cap; }
