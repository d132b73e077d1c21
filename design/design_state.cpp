/*
** The run record of the connection design: the record current in each thread. See
** design_state.h.
*/
#include "design/design_state.h"

/* Each thread designs in its own record until a caller makes another one current. */
static thread_local Design_Run_Rec Thread_Run;
static thread_local Design_Run_Rec *Current_Run = nullptr;

Design_Run_Rec *Design_Run_Current(void)
{
    return Current_Run != nullptr ? Current_Run : &Thread_Run;
}

Msg_Code_Block *Design_Run_Messages(void) { return &Design_Run_Current()->messages; }

Design_Run_Rec *Design_Run_Use(Design_Run_Rec *run)
{
    Design_Run_Rec *before = Design_Run_Current();
    Current_Run = run;
    return before;
}
