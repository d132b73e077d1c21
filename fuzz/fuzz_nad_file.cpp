/*
** Fuzz target: a whole national-annex file (frame, name and every section) read into a record.
*/
#include <cstdlib>
#include <cstring>

#include "fuzz/fuzz_support.h"
#include "nad/nad.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static NAD_Record *rec = static_cast<NAD_Record *>(calloc(1, sizeof(NAD_Record)));
    Reset_NAD_Record(rec);
    FILE *f = fz::Stream(data, size);
    Parse_NAD_File(f, rec);
    fclose(f);
    if (strnlen(rec->name, sizeof rec->name) >= sizeof rec->name) abort();
    FILE *out = fopen("/dev/null", "wb");
    Write_NAD_File(out, rec);
    fclose(out);
    fz::Done();
    return 0;
}
