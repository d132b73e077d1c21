/*
** Fuzz target: one national-annex section read on its own (the first byte picks the block and
** the read mode), the way the selection sheet and the old store read them.
*/
#include <cstdlib>

#include "fuzz/fuzz_support.h"
#include "nad/nad.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1) return 0;
    static NAD_Record *rec = static_cast<NAD_Record *>(calloc(1, sizeof(NAD_Record)));
    Reset_NAD_Record(rec);
    const int pick = data[0] % 9, mode = (data[0] >> 4) % 3;
    FILE *f = fz::Stream(data + 1, size - 1);
    switch (pick) {
    case 0: Read_NAD_EC0_Section(f, &rec->ec0, mode); break;
    case 1:
        Read_NAD_EC2_Section(f, &rec->ec2);
        Normalize_NAD_EC2_Params(&rec->ec2);
        break;
    case 2: Read_NAD_EC3_Section(f, &rec->ec3, mode); break;
    case 3: Read_NAD_EC3_1_Params(f, &rec->ec3.ec3_1); break;
    case 4: Read_NAD_EC3_8_Params(f, &rec->ec3.ec3_8); break;
    case 5: Read_NAD_EC5_Section(f, &rec->ec5, mode); break;
    case 6: Read_NAD_EC6_Section(f, &rec->ec6); break;
    case 7: Read_NAD_EC9_Section(f, &rec->ec9); break;
    default: {
        int version = 0;
        Spool_To_Section_Header(f, "#EC5", "#NAD", &version);
        Read_NAD_EC5_Section(f, &rec->ec5, mode);
        break;
    }
    }
    fclose(f);
    FILE *out = fopen("/dev/null", "wb");
    Write_NAD_File(out, rec);
    fclose(out);
    fz::Done();
    return 0;
}
