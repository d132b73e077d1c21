/*
** Fuzz target: a whole national-annex file (frame, name and every section) read into a record.
** What the reader says it could not read whole must hold: a part not read whole (or missing)
** keeps its block as it was before the reading, and the line it names lies in the file.
*/
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "fuzz/fuzz_support.h"
#include "nad/nad.h"

/* 1 when the block of part `part` equals the block of the untouched record. */
static int Block_Kept(const char *part, const NAD_Record *a, const NAD_Record *b)
{
    if (strcmp(part, "#EC0") == 0) return Compare_NAD_EC0_Params(&a->ec0, &b->ec0) == 0;
    if (strcmp(part, "#EC2") == 0) return Compare_NAD_EC2_Params(&a->ec2, &b->ec2) == 0;
    if (strcmp(part, "#EC3") == 0) return Compare_NAD_EC3_Params(&a->ec3, &b->ec3) == 0;
    if (strcmp(part, "#EC5") == 0)
        return a->ec5.version == b->ec5.version && Compare_NAD_EC5_Params(&a->ec5, &b->ec5) == 0;
    if (strcmp(part, "#EC6") == 0) return Equal_NAD_EC6_Params(&a->ec6, &b->ec6);
    if (strcmp(part, "#EC9") == 0) return Equal_NAD_EC9_Params(&a->ec9, &b->ec9);
    return strcmp(part, "Kopf") == 0 && a->flag_index == b->flag_index && a->variant == b->variant;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static NAD_Record *rec = static_cast<NAD_Record *>(calloc(1, sizeof(NAD_Record)));
    static NAD_Record *fresh = static_cast<NAD_Record *>(calloc(1, sizeof(NAD_Record)));
    Reset_NAD_Record(rec);
    Reset_NAD_Record(fresh);
    FILE *f = fz::Stream(data, size);
    NAD_File_Damage d;
    const int read = Parse_NAD_File_Checked(f, rec, &d);
    fclose(f);
    if (strnlen(rec->name, sizeof rec->name) >= sizeof rec->name) abort();
    const int lines = 1 + (int)std::count(data, data + size, '\n');
    if (!read && d.count != 0) abort();
    if (d.count < 0 || d.count > NAD_DAMAGE_PARTS) abort();
    for (int i = 0; i < d.count; i++) {
        const bool missing = d.parts[i].kind == NAD_DAMAGE_MISSING;
        if (missing ? d.parts[i].line != 0 : d.parts[i].line < 1 || d.parts[i].line > lines)
            abort();
        if (!Block_Kept(d.parts[i].part, rec, fresh)) abort();
    }
    FILE *out = fopen("/dev/null", "wb");
    Write_NAD_File(out, rec);
    fclose(out);
    fz::Done();
    return 0;
}
