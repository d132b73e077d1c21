/*
** Run-length compressed bitmaps (BI_RLE8) and the fastener sprite sheets of the example host
** folder: the anchors of the sprite tables lie on pictures, the corners of round pictures not.
*/
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/zelkwin.h"
#include "tests/platform/test_zelkwin_scratch.h"

namespace {

void Put32(std::vector<unsigned char> &b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; i++) b[at + (size_t)i] = (unsigned char)(v >> (8 * i));
}

/* A 4 x 2 RLE8 bitmap: palette green, red, blue; the file's first row is the bottom row. */
void Write_Rle8(const char *path, const std::vector<unsigned char> &runs)
{
    std::vector<unsigned char> b(54 + 12, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 10, 66);
    Put32(b, 14, 40);
    Put32(b, 18, 4);
    Put32(b, 22, 2);
    b[26] = 1;
    b[28] = 8;
    Put32(b, 30, 1);
    Put32(b, 46, 3);
    const unsigned char pal[12] = {0, 128, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0}; /* B, G, R, 0 */
    for (int i = 0; i < 12; i++) b[54 + (size_t)i] = pal[i];
    b.insert(b.end(), runs.begin(), runs.end());
    Put32(b, 2, (uint32_t)b.size());
    FILE *f = fopen(path, "wb");
    ASSERT_NE(f, nullptr);
    fwrite(b.data(), 1, b.size(), f);
    fclose(f);
}

void White(int x1, int y1, int x2, int y2)
{
    pxFgc(WHITE_CI);
    pxRect(x1, y1, x2, y2);
}

} // namespace

TEST(ZelkwinSprites, RunLengthBitmapsEncodedAndAbsoluteRuns)
{
    ZW_Test_Reset();
    /* bottom row: 4 x green; top row: 1 x red, then absolutely blue, red, blue (padded) */
    Write_Rle8(Scratch("rle_ok.bmp").c_str(), {4, 0, 0, 0, 1, 1, 0, 3, 2, 1, 2, 0, 0, 1});
    int w = 0, h = 0;
    ASSERT_EQ(Query_DIB_Size(Scratch("rle_ok.bmp").c_str(), &w, &h), 1);
    EXPECT_EQ(w * 100 + h, 402);
    White(0, 0, 20, 20);
    pxDrawTransparentDIB(/*file=*/Scratch("rle_ok.bmp").c_str(), /*x1=*/5, /*y1=*/5, /*x2=*/-1,
                         /*y2=*/-1, /*mode=*/201, /*flag=*/-1, /*r=*/-1, /*g=*/-1, /*b=*/-1);
    EXPECT_EQ(ZW_Test_Pixel(5, 5), 0xFF0000u);
    EXPECT_EQ(ZW_Test_Pixel(6, 5), 0x0000FFu);
    EXPECT_EQ(ZW_Test_Pixel(7, 5), 0xFF0000u);
    EXPECT_EQ(ZW_Test_Pixel(8, 5), 0x0000FFu);
    EXPECT_EQ(ZW_Test_Pixel(5, 6), 0x008000u);
    EXPECT_EQ(ZW_Test_Pixel(8, 6), 0x008000u);
    EXPECT_EQ(ZW_Test_Pixel(9, 5), 0xFFFFFFu);
    /* damaged: an absolute run beyond the end of the file */
    Write_Rle8(Scratch("rle_bad.bmp").c_str(), {4, 0, 0, 0, 0, 200, 1});
    EXPECT_EQ(Query_DIB_Size(Scratch("rle_bad.bmp").c_str(), &w, &h), 0);
}

TEST(ZelkwinSprites, SheetsOfTheHostFolderMatchTheSpriteTables)
{
    ZW_Test_Reset();
    setenv("SPLICE_PRIVATE_DATA", SPLICE_SOURCE_DIR "/environment/exec/splice", 1);
    struct Sheet {
        const char *file;
        int r, g, b;      /* transparent colour */
        int l, t, rt, bt; /* an entry of its table */
        int ax, ay;       /* and its anchor */
    } sheets[] = {
        // clang-format off
      {"Nagel_in_Pixel.bmp", 0, 128, 0, 64, 31, 82, 49, 73, 40},
      {"KS-Schrauben_in_Pixel.bmp", 0, 128, 0, 98, 94, 104, 100, 101, 97},
      {"M-Schrauben_in_Pixel.bmp", 0, 130, 0, 21, 2, 37, 16, 29, 9},
      {"M-Schrauben_in_Pixel.bmp", 0, 130, 0, 1, 2, 17, 16, 9, 9},
      {"Unterlegscheiben_in_Pixel.bmp", 0, 130, 0, 3244, 790, 3256, 802, 3250, 796},
        // clang-format on
    };
    for (auto &s : sheets) {
        SCOPED_TRACE(s.file);
        White(0, 0, 199, 199);
        ASSERT_EQ(pxDrawPartialTransparentDIB(/*file=*/s.file, /*sx1=*/s.l, /*sy1=*/s.t,
                                              /*sx2=*/s.rt, /*sy2=*/s.bt, /*x1=*/50, /*y1=*/50,
                                              /*x2=*/-1, /*y2=*/-1, /*mode=*/201, /*flag=*/-1,
                                              /*r=*/s.r, /*g=*/s.g, /*b=*/s.b),
                  1);
        int ax = 50 + s.ax - s.l, ay = 50 + s.ay - s.t;
        EXPECT_NE(ZW_Test_Pixel(ax, ay), 0xFFFFFFu); /* the picture at the anchor */
        EXPECT_EQ(ZW_Test_Pixel(50, 50), 0xFFFFFFu); /* a corner: transparent */
        EXPECT_EQ(ZW_Test_Pixel(50 + s.rt - s.l + 1, ay), 0xFFFFFFu); /* beyond the right edge */
    }
    int w, h;
    ASSERT_EQ(Query_DIB_Size("Unterlegscheiben_in_Pixel.bmp", &w, &h), 1);
    EXPECT_GE(w, 3257);
    EXPECT_GE(h, 1353);
    unsetenv("SPLICE_PRIVATE_DATA");
}

TEST(ZelkwinSprites, DamagedHeadersAreNotLoaded)
{
    ZW_Test_Reset();
    auto header = [](const char *path, int32_t w, int32_t h, int bpp, int comp, size_t total) {
        std::vector<unsigned char> b(total, 0);
        b[0] = 'B';
        b[1] = 'M';
        Put32(b, 2, (uint32_t)total);
        Put32(b, 10, 54);
        Put32(b, 14, 40);
        Put32(b, 18, (uint32_t)w);
        Put32(b, 22, (uint32_t)h);
        b[26] = 1;
        b[28] = (unsigned char)bpp;
        Put32(b, 30, (uint32_t)comp);
        FILE *f = fopen(path, "wb");
        ASSERT_NE(f, nullptr);
        fwrite(b.data(), 1, b.size(), f);
        fclose(f);
    };
    int w = -1, h = -1;
    header(Scratch("zero_width.bmp").c_str(), 0, 4, 24, 0, 92);
    EXPECT_EQ(Query_DIB_Size(Scratch("zero_width.bmp").c_str(), &w, &h), 0);
    header(Scratch("huge.bmp").c_str(), 16000, 16000, 24, 0,
           60); /* claims 768 MB of rows in 60 bytes */
    EXPECT_EQ(Query_DIB_Size(Scratch("huge.bmp").c_str(), &w, &h), 0);
    header(Scratch("short.bmp").c_str(), 100, 100, 24, 0,
           54 + 300 * 50); /* half the rows missing */
    EXPECT_EQ(Query_DIB_Size(Scratch("short.bmp").c_str(), &w, &h), 0);
    header(Scratch("huge_rle.bmp").c_str(), 16384, 16384, 8, 1, 60); /* run-length: 256 Mpixel */
    EXPECT_EQ(Query_DIB_Size(Scratch("huge_rle.bmp").c_str(), &w, &h), 0);
    header(Scratch("fits.bmp").c_str(), 100, 100, 24, 0, 54 + 300 * 100);
    EXPECT_EQ(Query_DIB_Size(Scratch("fits.bmp").c_str(), &w, &h), 1);
    EXPECT_EQ(w * 1000 + h, 100100);
    int missing = 0;
    for (auto &l : ZW_Test_Log_Lines())
        if (l.compare(0, 15, "BITMAP MISSING ") == 0) missing++;
    EXPECT_EQ(missing, 4);
}
