/*
** Fuzz target: text blocks of the program's text files ("TXB<length>" and guillemet lines) as
** the dialogs read them, several blocks one after the other.
*/
#include <cstdlib>
#include <cstring>

#include "dialogs/dialogs.h"
#include "foundation/foundation.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FILE *f = fz::Stream(data, size);
    for (int i = 0; i < 4; i++) {
        char *text = Read_Text_Block(f);
        if (!text) break;
        free(text);
    }
    fclose(f);
    fz::Done();
    return 0;
}
