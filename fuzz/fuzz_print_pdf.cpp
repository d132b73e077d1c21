/*
** Fuzz target: the printer's path of a print list, read block by block from its file, laid out
** page by page and written to a PDF by our own PDF writer.
*/
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/oliview.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string list = fz::Put("fuzz_01.oli", data, size);
    const std::string pdf = fz::Scratch() + "/fuzz_01.pdf";
    Oli_Print_File_To_Pdf(list.c_str(), pdf.c_str());
    remove(pdf.c_str());
    fz::Done();
    return 0;
}
