/*
** Fuzz target: the design-check type file "Nachweis.def" (type list, colour table and the tree
** of the types).
*/
#include <cstdlib>

#include "checks/checks.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string path = fz::Put("Nachweis.def", data, size);
    Read_Nachweis_Def_File(path.c_str());
    int32_t count = 0;
    for (Nchw_Type_Rec *t = Nchw_Type_Head; t; t = t->next)
        if (++count > 1000000) abort();
    Free_Nchw_Types();
    fz::Done();
    return 0;
}
