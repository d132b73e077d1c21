/*
** Fuzz target: guillemet strings, bracketed texts and keyword lines of the program's text files,
** and the number lines read beside them; every reader in turn over the same stream.
*/
#include <cstdlib>
#include <cstring>

#include "foundation/foundation.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FILE *f = fz::Stream(data, size);
    char buf[300];
    for (int step = 0; step < 64 && !feof(f); step++) {
        memset(buf, 0x55, sizeof buf);
        int n = 0;
        switch (step % 10) {
        case 0:
            n = Read_Guillemet_String(f, buf);
            if (n > 255 || (n >= 0 && buf[n] != 0)) abort();
            break;
        case 1:
            n = Read_Guillemet_String_Short(f, buf);
            if (n > 99 || buf[100] != 0x55) abort();
            break;
        case 2:
            n = Read_Bracketed_String(f, buf, 40, '[', ']');
            if (n > 39 || buf[40] != 0x55) abort();
            break;
        case 3: Find_Keyword_Line(f, "#NAD", step & 1); break;
        case 4: {
            int v = 0;
            Seek_Keyword_Prefix_Line("#TAB", f, &v);
            break;
        }
        case 5:
            n = Read_Line_Bounded(f, buf, 64);
            if (n > 64 || buf[64] != 0x55) abort();
            break;
        case 6: Next_Nonblank_Char(f); break;
        case 7: {
            double v[6];
            Read_Double_Line(f, v, 6);
            break;
        }
        case 8: {
            int v[6];
            Read_Ints(f, v, 6);
            break;
        }
        default: Skip_Line(f); break;
        }
    }
    fclose(f);
    fz::Done();
    return 0;
}
