/*
** Fuzz target: the import of design combinations from a text file ("kmod accidental M N V
** comment" per line) into the combination table.
*/
#include <cstdlib>
#include <cstring>

#include "fuzz/fuzz_support.h"
#include "splice/splice_app.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Lkom_Table *t = static_cast<Lkom_Table *>(calloc(1, sizeof(Lkom_Table)));
    Lkom_Clear_Table(t);
    const std::string path = fz::Put("import.txt", data, size);
    Ascii_Import_Report r;
    const int n = Import_Lkom_Ascii(path.c_str(), t, &r);
    if (n < 0 || n != r.imported) abort();
    int total = 0;
    for (int g = 0; g < LKOM_GROUPS; g++) {
        const int c = Lkom_Count_Entries(t, g);
        if (c < 0 || c > LKOM_ENTRIES) abort();
        total += c;
        for (int e = 0; e < c; e++)
            if (strnlen(t->groups[g].entries[e].comment, LKOM_COMMENT_MAX + 1) > LKOM_COMMENT_MAX)
                abort();
    }
    if (total != n) abort();
    fz::Done();
    return 0;
}
