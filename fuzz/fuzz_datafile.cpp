/*
** Fuzz target: versioned data files: the data version, structure versions, fields of every
** type, names, counted text blocks and plain integers, read in a fixed rotation as a reader of
** a record does.
*/
#include <cstdlib>
#include <cstring>

#include "foundation/foundation.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FILE *f = fz::Stream(data, size);
    if (Dat_Read_Data_Version(f, 3.0) == 0) {
        int pushed = 0;
        for (int step = 0; step < 96; step++) {
            char text[DAT_TEXT_SIZE + 8];
            memset(text, 0x55, sizeof text);
            int32_t i32 = 0;
            double d = 0;
            char c = 0;
            char *block = nullptr;
            int bad = 0;
            switch (step % 12) {
            case 0: bad = Dat_Read_Field(&i32, 'i', 1.0, 7); break;
            case 1: bad = Dat_Read_Field(&d, 'd', 2.0, 1.5); break;
            case 2: bad = Dat_Read_Field(&c, 'c', 1.0, 'x'); break;
            case 3: bad = Dat_Read_Field(text, 's', 1.0, 0); break;
            case 4: bad = Dat_Read_Field(text, 't', 2.5, 0); break;
            case 5: bad = Dat_Read_Name(text, 1.0, "Name"); break;
            case 6: bad = Dat_Read_Text_Block(&block, 1.0, "Vorgabe"); break;
            case 7: bad = Dat_Read_Int_Plain() == DAT_NO_INT; break;
            case 8: bad = Dat_Read_Int_Versioned(4.0, 3) == DAT_NO_INT; break;
            case 9:
                if (pushed < DAT_VERSION_DEPTH - 1 && Dat_Read_Struct_Version(3.0) == 0) pushed++;
                break;
            case 10: bad = Dat_Skip_Field(step & 16 ? 'd' : 't', 1.0); break;
            default:
                if (pushed > 0) {
                    Dat_Pop_Struct_Version();
                    pushed--;
                }
                break;
            }
            if (text[DAT_TEXT_SIZE] != 0x55) abort(); /* a field wrote past its buffer */
            Mem_Free(&block);
            if (bad && feof(f)) break;
        }
        while (pushed-- > 0) Dat_Pop_Struct_Version();
    }
    fclose(f);
    fz::Done();
    return 0;
}
