/*
** Fuzz target: the old annex store "NADs-EC2.DEF": its conversion into single annex files, the
** list of legacy annexes built from it, and the legacy annex name of an input file.
*/
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_support.h"
#include "nad/nad.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string dir = fz::Scratch() + "/dram/conv";
    mkdir(dir.c_str(), 0700);
    FILE *f = fz::Stream(data, size);
    const int n = Convert_Old_NAD_Store(f, dir.c_str());
    fclose(f);
    for (int k = 1; k <= n; k++) unlink((dir + "/" + std::to_string(k) + ".NAD").c_str());

    fz::Put("dram/NADs-EC2.DEF", data, size);
    Clear_Legacy_NAD_List();
    Build_Legacy_NAD_List();
    if (Get_Legacy_NAD_Count() < 1) abort(); /* the standard entry is always there */
    f = fz::Stream(data, size);
    Read_Legacy_Active_NAD(f);
    fclose(f);
    Clear_Legacy_NAD_List();
    fz::Done();
    return 0;
}
