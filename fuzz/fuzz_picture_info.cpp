/*
** Fuzz target: the picture information that the picture tool writes for the print list, and
** names of print-list files read with Oli_Read_Name.
*/
#include <cstdlib>
#include <cstring>

#include "fuzz/fuzz_support.h"
#include "printlist/printlist.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FILE *f = fz::Stream(data, size);
    OLI_GRAPHIC_Picture_Info info;
    Picture_Info_Defaults(&info);
    Read_Picture_Info(f, &info);
    if (strnlen(info.name, sizeof info.name) >= sizeof info.name) abort();
    fclose(f);

    f = fz::Stream(data, size);
    for (int i = 0; i < 8 && !feof(f); i++) {
        char name[120];
        memset(name, 0x55, sizeof name);
        const int bad = Oli_Read_Name(f, name);
        if (static_cast<unsigned char>(name[101]) != 0x55) abort();
        if (!bad && strnlen(name, 101) > 100) abort();
    }
    fclose(f);
    fz::Done();
    return 0;
}
