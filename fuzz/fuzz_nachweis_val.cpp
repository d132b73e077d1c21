/*
** Fuzz target: the coefficient override file "nachweis.val" (partial factors and combination
** coefficients replacing the built-in ones).
*/
#include <cstdlib>

#include "checks/checks.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string path = fz::Put("nachweis.val", data, size);
    Read_Nachweis_Val_File(path.c_str());
    fz::Done();
    return 0;
}
