/*
** Fuzz target: the EN 1991 wind and snow tables: definitions "WUSL-Tabs.def", then values
** "WUSL-Tabs.val" (the input holds both, parted by a line "----").
*/
#include <cstdlib>
#include <cstring>

#include "fuzz/fuzz_support.h"
#include "nad/nad.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::string def, val;
    fz::Split(data, size, &def, &val);
    fz::Put("data/NAD/WUSL-Tabs.def", reinterpret_cast<const uint8_t *>(def.data()), def.size());
    fz::Put("data/NAD/WUSL-Tabs.val", reinterpret_cast<const uint8_t *>(val.data()), val.size());
    fz::Put("dram/WUSL-NADs.def", reinterpret_cast<const uint8_t *>(val.data()), val.size());
    NAD_EC1_Tables t;
    memset(&t, 0, sizeof t);
    Load_EC1_Table_Definitions(&t);
    Load_EC1_Table_Values(0, "EC-Standardparameter", &t);
    Load_EC1_Table_Values(1, "X", &t);
    NAD_EC1_Tables copy;
    memset(&copy, 0, sizeof copy);
    Copy_NAD_EC1_Tables(&copy, &t);
    if (Compare_NAD_EC1_Tables(&copy, &t) != 0) abort();
    FILE *out = fopen("/dev/null", "wb");
    Write_EC1_Table_Values(out, &t, "X");
    fclose(out);
    Free_NAD_EC1_Tables(&copy);
    Free_NAD_EC1_Tables(&t);
    fz::Done();
    return 0;
}
