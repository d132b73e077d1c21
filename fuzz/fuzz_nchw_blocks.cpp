/*
** Fuzz target: the design-check blocks of a structure's text file ("NACHWEISE-2003" with all
** checks, rules, collectives and the general settings; "NACHWEISE-STATE"; "NACHWEISE-ARGS"),
** read against the type list of the environment's type file, then written back.
*/
#include <cstdlib>

#include "checks/checks.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static bool types = false;
    if (!types) {
        fz::Scratch();
        Read_Nachweis_Def_File(SPLICE_SOURCE_DIR "/environment/exec/splice/nachweis.def");
        types = true;
    }
    FILE *f = fz::Stream(data, size);
    Read_Nachweise_Block(f);
    Nchw_State_Rec state;
    Read_Nchw_State(f, &state);
    Nchw_Args_Rec *args = Read_Nchw_Args(f);
    fclose(f);
    FILE *out = fopen("/dev/null", "wb");
    Write_Nachweise_Block(out);
    if (args) Write_Nchw_Args(out, args);
    fclose(out);
    free(args);
    Free_All_Nachweise();
    Reset_Nchw_Settings();
    fz::Done();
    return 0;
}
