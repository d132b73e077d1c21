/*
** Fuzz target: an application registry file "APP<n>.DEF" below EXEC, read when the registry
** of the applications with annex documents is built.
*/
#include <cstdlib>

#include "fuzz/fuzz_support.h"
#include "nad/nad.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fz::Put("exec/app/APP0001.DEF", data, size);
    Clear_Application_NAD_Registry();
    Load_Application_NAD_Registry();
    for (int g = 0; g < 12; g++)
        for (int r = 0; r < 40; r++) NAD_Rule_Relevant(g, r);
    NAD_Rules_Filtered();
    Clear_Application_NAD_Registry();
    fz::Done();
    return 0;
}
