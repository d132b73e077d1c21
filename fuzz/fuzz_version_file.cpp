/*
** Fuzz target: a program's VERSION file below EXEC.
*/
#include <cstdlib>
#include <cstring>

#include "foundation/foundation.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    mkdir((fz::Scratch() + "/exec/prog").c_str(), 0700);
    fz::Put("exec/prog/VERSION", data, size);
    const char *line = Read_Program_Version_File("prog");
    if (line && strnlen(line, 256) >= 256) abort();
    fz::Done();
    return 0;
}
