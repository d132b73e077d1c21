/*
** The run record of the connection design: the record current in each thread. See
** design_state.h.
*/
#include "design/design_state.h"

/* Each thread designs in its own record until a caller makes another one current. */
thread_local constinit Design_Run_Rec Design_Run_Thread_Own;
thread_local constinit Design_Run_Rec *Design_Run_Made_Current = nullptr;

Design_Run_Rec *Design_Run_Use(Design_Run_Rec *run)
{
    Design_Run_Rec *before = Design_Run_Current();
    Design_Run_Made_Current = run;
    return before;
}
