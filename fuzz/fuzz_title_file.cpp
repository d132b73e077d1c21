/*
** Fuzz target: the title file of a component (its first line becomes the window title).
*/
#include <cstdlib>
#include <cstring>

#include "fuzz/fuzz_support.h"
#include "splice/splice_app.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string path = fz::Put("title_01.txt", data, size);
    if (Read_Title_Line(path.c_str()) != 1) abort();
    const size_t n = strnlen(Splice_Title_Line, SPLICE_TITLE_MAX);
    if (n >= SPLICE_TITLE_MAX) abort();
    if (n > 0 && (Splice_Title_Line[n - 1] == '\n' || Splice_Title_Line[n - 1] == '\r')) abort();
    fz::Done();
    return 0;
}
