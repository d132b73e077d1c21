/*
** Fuzz target: the BMP strips of the buttons and pictures (size query, then a transparent draw
** of a part of the strip onto the virtual screen).
*/
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/zelkwin.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string path = fz::Put("strip.bmp", data, size);
    int w = 0, h = 0;
    if (Query_DIB_Size(path.c_str(), &w, &h)) {
        if (w <= 0 || h <= 0) abort();
        pxDrawPartialTransparentDIB(/*file=*/path.c_str(), /*sx1=*/0, /*sy1=*/0, /*sx2=*/w / 2,
                                    /*sy2=*/-1, /*x1=*/10, /*y1=*/10, /*x2=*/40, /*y2=*/30,
                                    /*mode=*/201, /*flag=*/0, /*r=*/255, /*g=*/0, /*b=*/255);
    }
    ZW_Test_Drop_Bitmaps(); /* the stand-in keeps loaded strips by name */
    fz::Done();
    return 0;
}
