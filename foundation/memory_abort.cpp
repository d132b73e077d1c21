/*
** The end of a session that ran out of memory: a three-line message box, then exit code 0.
*/
#include "foundation/memory.h"

#include <cstdlib>

#include "foundation/codepage.h"
#include "platform/zelkwin.h"

void Abort_Out_Of_Memory(void)
{
    Init_Message();
    Fill_Message("Die Aktion erfordert eine Speicherkapazität, die"_cp850);
    Fill_Message("vom Rechner zur Zeit nicht zur Verfügung gestellt"_cp850);
    Fill_Message("wird. Die Sitzung muß leider abgebrochen werden."_cp850);
    Draw_Message();
    exit(0);
}
