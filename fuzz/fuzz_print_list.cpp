/*
** Fuzz target: the print-list reader of the viewer, and the page layout of what it read.
*/
#include <cstdlib>

#include "fuzz/fuzz_support.h"
#include "platform/oliview.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fz::Scratch();
    Oli_Document doc;
    if (Oli_Read_Text(reinterpret_cast<const char *>(data), size, &doc) == 1) {
        Oli_Layout layout;
        Oli_Layout_Document(&doc, &layout);
    }
    fz::Done();
    return 0;
}
