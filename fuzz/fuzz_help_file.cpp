/*
** Fuzz target: our help file ("#TOPIC key" lines and their text), read and one topic shown.
*/
#include <cstdlib>

#include "fuzz/fuzz_support.h"
#include "platform/zelkwin.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string path = fz::Put("splice.hlp", data, size);
    if (Add_Helpfile(path.c_str()) != 1) abort();
    fz::Done();
    return 0;
}
