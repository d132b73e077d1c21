/*
** Pixel graphics, palette, fonts, texts and bitmaps of the GUI stand-in, checked on the pixels
** of the headless screen and on the log.
*/
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "platform/zelkwin.h"
#include "tests/platform/test_zelkwin_scratch.h"
#include "tests/platform/gui_log.h"

namespace {

const uint32_t Red = 0xAA0000, White = 0xFFFFFF;

/* Paints (0,0)-(99,99) white; the foreground colour stays as it was. */
void White_Field()
{
    int old = pxQFgc();
    pxView(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    pxFgc(WHITE_CI);
    pxRect(0, 0, 99, 99);
    pxFgc(old);
}

int Count_Line(const std::string &line)
{
    int n = 0;
    for (auto &l : ZW_Test_Log_Lines())
        if (l == line) n++;
    return n;
}

/* A 24-bit BMP of w x h pixels from 0xRRGGBB values, row 0 at the top. */
void Write_Bmp(const std::string &path, int w, int h, const std::vector<uint32_t> &px)
{
    int row = (w * 3 + 3) / 4 * 4;
    int size = 54 + row * h;
    std::vector<unsigned char> b((size_t)size, 0);
    auto put32 = [&](int at, int v) {
        for (int i = 0; i < 4; i++)
            b[(size_t)at + (size_t)i] = (unsigned char)((unsigned)v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, w);
    put32(22, h);
    b[26] = 1;
    b[28] = 24;
    put32(34, row * h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            uint32_t c = px[(size_t)(y * w + x)];
            size_t at = 54 + (size_t)((h - 1 - y) * row + x * 3);
            b[at] = (unsigned char)(c & 255);
            b[at + 1] = (unsigned char)((c >> 8) & 255);
            b[at + 2] = (unsigned char)((c >> 16) & 255);
        }
    FILE *f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fwrite(b.data(), 1, b.size(), f);
    fclose(f);
}

} // namespace

TEST(ZelkwinPalette, ExactColoursAllocatedInCallOrderThenNearest)
{
    ZW_Test_Reset();
    EXPECT_EQ(Nearest_RGB_Color(0, 0, 0), BLACK_CI);
    EXPECT_EQ(Nearest_RGB_Color(255, 255, 255), WHITE_CI);
    EXPECT_EQ(Nearest_Color_Index(212, 208, 200), BUTTON_CI);
    EXPECT_EQ(Nearest_RGB_Color(1, 2, 3), 32);
    EXPECT_EQ(Nearest_RGB_Color(4, 5, 6), 33);
    EXPECT_EQ(Nearest_Color_Index(1, 2, 3), 32);
    int r, g, b;
    pxQCR(33, &r, &g, &b);
    EXPECT_EQ(r * 10000 + g * 100 + b, 40506);
    pxQCR(-1, &r, &g, &b);
    EXPECT_EQ(r * 10000 + g * 100 + b, 2360000 + 23300 + 216);
    EXPECT_EQ(GetVELColor(-1), BACKGROUND_CI);
    EXPECT_EQ(GetVELColor(-9), BLACK_CI);
    EXPECT_EQ(GetVELColor(7), 7);
    /* fill the free entries 34..255, then the nearest entry answers */
    for (int k = 0; k < 222; k++) Nearest_RGB_Color(k, 0, 100);
    EXPECT_EQ(Nearest_RGB_Color(255, 255, 254), WHITE_CI);
    EXPECT_EQ(Nearest_RGB_Color(10, 1, 99), 34 + 10);
    /* a reset gives the entries back */
    ZW_Test_Reset();
    EXPECT_EQ(Nearest_RGB_Color(9, 9, 9), 32);
}

TEST(ZelkwinDraw, RectanglesLinesClipAndXor)
{
    ZW_Test_Reset();
    White_Field();
    pxFgc(RED_CI);
    pxRect(10, 10, 19, 14);
    EXPECT_EQ(ZW_Test_Count_Colour(0, 0, 99, 99, Red), 50);
    EXPECT_EQ(ZW_Test_Pixel(20, 10), White);
    /* clipped to x <= 14 */
    White_Field();
    pxView(0, 0, 14, 99);
    pxFgc(RED_CI);
    pxRect(10, 10, 19, 14);
    EXPECT_EQ(ZW_Test_Count_Colour(0, 0, 99, 99, Red), 25);
    int x1, y1, x2, y2;
    pxQVwp(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x2, 14);
    /* a line of slope 1/2 sets 11 pixels, both ends included */
    White_Field();
    pxFgc(RED_CI);
    pxLine(10, 10, 20, 15);
    EXPECT_EQ(ZW_Test_Count_Colour(0, 0, 99, 99, Red), 11);
    EXPECT_EQ(ZW_Test_Pixel(10, 10), Red);
    EXPECT_EQ(ZW_Test_Pixel(20, 15), Red);
    /* every second pixel with the pattern 1010..., all with the solid style again */
    White_Field();
    pxSULn(0xAAAAAAAAu);
    pxLine(0, 50, 31, 50);
    EXPECT_EQ(ZW_Test_Count_Colour(0, 50, 31, 50, Red), 16);
    EXPECT_EQ(ZW_Test_Pixel(0, 50), Red);
    EXPECT_EQ(ZW_Test_Pixel(1, 50), White);
    pxSLn(0);
    pxLine(0, 60, 31, 60);
    EXPECT_EQ(ZW_Test_Count_Colour(0, 60, 31, 60, Red), 32);
    /* XOR with green (0x00AA00) on white gives 0xFF55FF; twice gives white back */
    White_Field();
    EXPECT_EQ(pxSBop(3), 0);
    pxFgc(GREEN_CI);
    pxLine(5, 5, 50, 5);
    EXPECT_EQ(ZW_Test_Pixel(30, 5), 0xFF55FFu);
    pxLine(5, 5, 50, 5);
    EXPECT_EQ(ZW_Test_Pixel(30, 5), White);
    pxRect(5, 20, 9, 24);
    EXPECT_EQ(ZW_Test_Count_Colour(0, 0, 99, 99, 0xFF55FF), 25);
    pxRect(5, 20, 9, 24);
    EXPECT_EQ(ZW_Test_Count_Colour(0, 0, 99, 99, White), 10000);
    EXPECT_EQ(pxSBop(0), 3);
}

TEST(ZelkwinDraw, DotsMasksPolygonsAndPatterns)
{
    ZW_Test_Reset();
    White_Field();
    pxFgc(RED_CI);
    pxDot(3, 4);
    EXPECT_EQ(ZW_Test_Pixel(3, 4), Red);
    EXPECT_EQ(ZW_Test_Count_Colour(0, 0, 99, 99, Red), 1);
    /* two rows of 16 bits: 1010 0000 0000 0001 and 0000 0000 0000 0000 */
    White_Field();
    const unsigned char bits[4] = {0xA0, 0x01, 0x00, 0x00};
    pxMask(20, 20, 35, 21, bits, 2);
    EXPECT_EQ(ZW_Test_Pixel(20, 20), Red);
    EXPECT_EQ(ZW_Test_Pixel(21, 20), White);
    EXPECT_EQ(ZW_Test_Pixel(22, 20), Red);
    EXPECT_EQ(ZW_Test_Pixel(35, 20), Red);
    EXPECT_EQ(ZW_Test_Count_Colour(0, 0, 99, 99, Red), 3);
    /* a right triangle: inside near the right angle, outside beyond the hypotenuse */
    White_Field();
    int xs[3] = {10, 40, 10}, ys[3] = {10, 10, 40};
    pxFill(3, xs, ys);
    EXPECT_EQ(ZW_Test_Pixel(12, 12), Red);
    EXPECT_EQ(ZW_Test_Pixel(10, 10), Red);
    EXPECT_EQ(ZW_Test_Pixel(35, 35), White);
    /* fill pattern: odd columns only (0x5555 has its top bit clear) */
    White_Field();
    uint16_t pat[16];
    for (auto &p : pat) p = 0x5555;
    pxSUFA(pat);
    pxRect(32, 32, 63, 63);
    EXPECT_EQ(ZW_Test_Pixel(41, 40), Red);
    EXPECT_EQ(ZW_Test_Pixel(40, 40), White);
    pxSFA(0);
    pxRect(32, 70, 40, 71);
    EXPECT_EQ(ZW_Test_Count_Colour(32, 70, 40, 71, Red), 18);
    /* a thick line covers more than one row */
    White_Field();
    pxTkLn(10, 50, 60, 50, 5);
    EXPECT_EQ(ZW_Test_Pixel(30, 48), Red);
    EXPECT_EQ(ZW_Test_Pixel(30, 52), Red);
    EXPECT_EQ(ZW_Test_Pixel(30, 56), White);
}

TEST(ZelkwinDraw, SavedRectanglesComeBackOnce)
{
    ZW_Test_Reset();
    White_Field();
    EXPECT_EQ(pxQSvR(0, 0, 9, 4), 200);
    ASSERT_EQ(Save_Screen_Rectangle(10, 10, 29, 29), 1);
    pxFgc(BLUE_CI);
    pxRect(0, 0, 50, 50);
    EXPECT_EQ(ZW_Test_Pixel(15, 15), 0x0000AAu);
    EXPECT_EQ(Restore_Screen_Rectangle(10, 10, 29, 29), 1);
    EXPECT_EQ(ZW_Test_Pixel(15, 15), White);
    EXPECT_EQ(ZW_Test_Pixel(30, 30), 0x0000AAu);
    EXPECT_EQ(Restore_Screen_Rectangle(10, 10, 29, 29), 0);
    std::vector<uint32_t> buf((size_t)pxQSvR(0, 0, 3, 3) / 4);
    pxSvRc(0, 0, 3, 3, buf.data());
    pxFgc(WHITE_CI);
    pxRect(0, 0, 3, 3);
    pxStRc(0, 0, 3, 3, buf.data());
    EXPECT_EQ(ZW_Test_Pixel(2, 2), 0x0000AAu);
}

TEST(ZelkwinText, FontsByCodeAndTheirMeasures)
{
    ZW_Test_Reset();
    int old = Pop_RFont(0);
    EXPECT_EQ(old, 0x1000);
    EXPECT_EQ(Query_RFont(), 0);
    EXPECT_EQ(RFONT_WIDTH + RFONT_SPACE, 8); /* the fixed font: 8 pixels a character */
    int l, r, t, b;
    pxQTxX("abcde", -1, &l, &r, &t, &b);
    EXPECT_EQ(l, 0);
    EXPECT_EQ(r, 40);
    EXPECT_LT(t, 0);
    EXPECT_GT(b, 0);
    pxQTxX("abcde", 2, nullptr, &r, nullptr, nullptr);
    EXPECT_EQ(r, 16);
    EXPECT_EQ(Push_RFont(), 0x1000);
    EXPECT_EQ(Query_RFont(), 0x1000);
    int normal_height = RFONT_HEIGHT;
    int wa, wb, wab;
    pxQTxX("Stab", -1, nullptr, &wa, nullptr, nullptr);
    pxQTxX("d\x81"
           "bel",
           -1, nullptr, &wb, nullptr, nullptr);
    pxQTxX("Stabd\x81"
           "bel",
           -1, nullptr, &wab, nullptr, nullptr);
    EXPECT_EQ(wab, wa + wb); /* whole-pixel advances add up */
    Pop_RFont(0x1002);
    EXPECT_LT(RFONT_HEIGHT, normal_height);
    int ws;
    pxQTxX("Stab", -1, nullptr, &ws, nullptr, nullptr);
    EXPECT_LT(ws, wa);
    Pop_RFont(0x11000);
    int wbold;
    pxQTxX("Stab", -1, nullptr, &wbold, nullptr, nullptr);
    EXPECT_GT(wbold, wa);
    Push_RFont();
    Push_RFont();
    EXPECT_EQ(Query_RFont(), 0x1000);
    EXPECT_EQ(Push_RFont(), 0x1000); /* nothing left: stays */
}

TEST(ZelkwinText, DisplayFontMapAndLoggedTexts)
{
    ZW_Test_Reset();
    EXPECT_EQ(Display_Font_Codepoint('A'), 0x41u);
    EXPECT_EQ(Display_Font_Codepoint(0x81), 0xFCu);   /* ü */
    EXPECT_EQ(Display_Font_Codepoint(0x84), 0xE4u);   /* ä */
    EXPECT_EQ(Display_Font_Codepoint(0x99), 0xD6u);   /* Ö */
    EXPECT_EQ(Display_Font_Codepoint(0xE1), 0xDFu);   /* ß */
    EXPECT_EQ(Display_Font_Codepoint(0xFD), 0xB2u);   /* ² */
    EXPECT_EQ(Display_Font_Codepoint(0x8C), 0x2300u); /* diameter */
    EXPECT_EQ(Display_Font_Codepoint(0xF2), 0x2265u); /* greater or equal */
    EXPECT_EQ(Display_Font_Codepoint(0xF3), 0x2264u); /* less or equal */
    EXPECT_EQ(Display_Font_Codepoint(0xA3), 0x394u);  /* Delta */
    EXPECT_EQ(Display_Font_Codepoint(0xB2), 0x3A3u);  /* sum */
    pxFgc(BLACK_CI);
    pxText(40, 60, "\x8C 12 = 1,13 cm\xFD", -1);
    EXPECT_TRUE(Has_Line("TEXT 40 60 ⌀ 12 = 1,13 cm²"));
    pxText(40, 80,
           "Gr\x94\xE1"
           "e",
           3);
    EXPECT_TRUE(Has_Line("TEXT 40 80 Grö"));
    /* the glyphs land on the screen: dark pixels right of and above the base line */
    EXPECT_GT(ZW_Test_Count_Colour(40, 48, 120, 62, 0x000000)
                  + ZW_Test_Count_Colour(40, 48, 120, 62, 0x010101),
              0);
}

TEST(ZelkwinText, BoxedTextAlignment)
{
    ZW_Test_Reset();
    int w;
    pxQTxX("Rechts", -1, nullptr, &w, nullptr, nullptr);
    pxBTxt(100, 100, 199, 119, "Rechts", -1, 0x04);
    EXPECT_TRUE(Has_Line("TEXT " + std::to_string(200 - w) + " 119 Rechts"));
    pxBTxt(100, 100, 199, 119, "Links", -1, 0xC9);
    EXPECT_TRUE(Has_Line("TEXT 100 119 Links"));
    pxBTxt(300, 300, 300, 300, "Punkt", -1, 0);
    EXPECT_TRUE(Has_Line("TEXT 300 300 Punkt"));
    int wm;
    pxQTxX("Mitte", -1, nullptr, &wm, nullptr, nullptr);
    pxBTxt(100, 200, 299, 200, "Mitte", 5, 0x02);
    /* centred: (100 + 300 - w) / 2, rounded half up */
    EXPECT_TRUE(Has_Line("TEXT " + std::to_string((400 - wm + 1) / 2) + " 200 Mitte"));
}

TEST(ZelkwinBitmap, StripsWithTransparencyFoundByNameOnce)
{
    ZW_Test_Reset();
    std::string dir = Scratch("priv_bmp");
    mkdir(dir.c_str(), 0755);
    mkdir((dir + "/bitmaps").c_str(), 0755);
    mkdir((dir + "/bitmaps/NAD").c_str(), 0755);
    std::vector<uint32_t> px(8 * 4);
    for (int y = 0; y < 4; y++)
        for (int x = 0; x < 8; x++) px[(size_t)(y * 8 + x)] = x < 4 ? 0xFF0000 : 0xC0C0C0;
    Write_Bmp(dir + "/bitmaps/Strip.bmp", 8, 4, px);
    Write_Bmp(dir + "/bitmaps/NAD/Flag.bmp", 8, 4, px);
    setenv("SPLICE_PRIVATE_DATA", dir.c_str(), 1);
    int w = 0, h = 0;
    ASSERT_EQ(Query_DIB_Size("strip.BMP", &w, &h), 1);
    EXPECT_EQ(w, 8);
    EXPECT_EQ(h, 4);
    White_Field();
    EXPECT_EQ(pxDrawTransparentDIB(/*file=*/"strip.BMP", /*x1=*/10, /*y1=*/10, /*x2=*/-1, /*y2=*/-1,
                                   /*mode=*/201, /*flag=*/-1, /*r=*/192, /*g=*/192, /*b=*/192),
              1);
    EXPECT_EQ(ZW_Test_Count_Colour(0, 0, 99, 99, 0xFF0000), 16);
    EXPECT_EQ(ZW_Test_Pixel(14, 10), White);
    /* the right half alone, nothing transparent */
    White_Field();
    EXPECT_EQ(pxDrawPartialTransparentDIB(/*file=*/"NAD\\flag.bmp", /*sx1=*/4, /*sy1=*/0, /*sx2=*/7,
                                          /*sy2=*/3, /*x1=*/30, /*y1=*/30, /*x2=*/33, /*y2=*/33,
                                          /*mode=*/201, /*flag=*/-1, /*r=*/-1, /*g=*/-1, /*b=*/-1),
              1);
    EXPECT_EQ(ZW_Test_Count_Colour(0, 0, 99, 99, 0xC0C0C0), 16);
    /* scaled to twice the size */
    White_Field();
    pxDrawPartialTransparentDIB(/*file=*/"Strip.bmp", /*sx1=*/0, /*sy1=*/0, /*sx2=*/3, /*sy2=*/3,
                                /*x1=*/50, /*y1=*/50, /*x2=*/57, /*y2=*/57, /*mode=*/201,
                                /*flag=*/-1, /*r=*/192, /*g=*/192, /*b=*/192);
    EXPECT_EQ(ZW_Test_Count_Colour(0, 0, 99, 99, 0xFF0000), 64);
    /* a missing file draws nothing and is reported once */
    EXPECT_EQ(pxDrawTransparentDIB(/*file=*/"Fehlt.bmp", /*x1=*/0, /*y1=*/0, /*x2=*/10, /*y2=*/10,
                                   /*mode=*/201, /*flag=*/-1, /*r=*/0, /*g=*/0, /*b=*/0),
              0);
    EXPECT_EQ(pxDrawTransparentDIB(/*file=*/"Fehlt.bmp", /*x1=*/0, /*y1=*/0, /*x2=*/10, /*y2=*/10,
                                   /*mode=*/201, /*flag=*/-1, /*r=*/0, /*g=*/0, /*b=*/0),
              0);
    EXPECT_EQ(Count_Line("BITMAP MISSING Fehlt.bmp"), 1);
    /* a dropped cache reads the files again: a strip that changed on disk is seen */
    for (auto &p : px) p = 0x0000FF;
    Write_Bmp(dir + "/bitmaps/Strip.bmp", 8, 4, px);
    White_Field();
    pxDrawTransparentDIB(/*file=*/"strip.BMP", /*x1=*/10, /*y1=*/10, /*x2=*/-1, /*y2=*/-1,
                         /*mode=*/201, /*flag=*/-1, /*r=*/192, /*g=*/192, /*b=*/192);
    EXPECT_EQ(ZW_Test_Count_Colour(0, 0, 99, 99, 0xFF0000), 16); /* still the cached picture */
    ZW_Test_Drop_Bitmaps();
    White_Field();
    pxDrawTransparentDIB(/*file=*/"strip.BMP", /*x1=*/10, /*y1=*/10, /*x2=*/-1, /*y2=*/-1,
                         /*mode=*/201, /*flag=*/-1, /*r=*/192, /*g=*/192, /*b=*/192);
    EXPECT_EQ(ZW_Test_Count_Colour(0, 0, 99, 99, 0x0000FF), 32);
    EXPECT_EQ(pxDrawTransparentDIB(/*file=*/"Fehlt.bmp", /*x1=*/0, /*y1=*/0, /*x2=*/10, /*y2=*/10,
                                   /*mode=*/201, /*flag=*/-1, /*r=*/0, /*g=*/0, /*b=*/0),
              0);
    EXPECT_EQ(Count_Line("BITMAP MISSING Fehlt.bmp"), 2);
    unsetenv("SPLICE_PRIVATE_DATA");
}

TEST(ZelkwinDraw, LinesFarOutsideTheScreenAreClippedQuickly)
{
    ZW_Test_Reset();
    White_Field();
    pxFgc(RED_CI);
    /* a horizontal line two billion pixels long covers exactly the row of the field */
    pxView(0, 0, 99, 99);
    pxLine(-2000000000, 40, 2000000000, 40);
    EXPECT_EQ(ZW_Test_Count_Colour(0, 0, 99, 99, Red), 100);
    /* a steep line through the field: one pixel per row, x rounded half up along it */
    White_Field();
    pxLine(50, -1000000, 52, 1000000);
    EXPECT_EQ(ZW_Test_Count_Colour(0, 0, 99, 99, Red), 100);
    EXPECT_EQ(ZW_Test_Pixel(51, 50), Red); /* the middle of the line */
    /* a line of slope 2/10 from (0, 0): rows 0, 0, 0, 1, 1, 1, 1, 1, 2, 2, 2 (half up at 2.5 and 7.5) */
    White_Field();
    pxLine(0, 0, 10, 2);
    EXPECT_EQ(ZW_Test_Pixel(2, 0), Red);
    EXPECT_EQ(ZW_Test_Pixel(3, 1), Red);
    EXPECT_EQ(ZW_Test_Pixel(7, 1), Red);
    EXPECT_EQ(ZW_Test_Pixel(8, 2), Red);
    EXPECT_EQ(ZW_Test_Count_Colour(0, 0, 10, 2, Red), 11);
}

TEST(ZelkwinBitmap, OurVectorDrawingsDrawnAtTheirOrigin)
{
    ZW_Test_Reset();
    std::string rpc = Scratch("Titel.RPC");
    FILE *f = fopen(rpc.c_str(), "w");
    ASSERT_NE(f, nullptr);
    fputs("C 255 0 0\nR 0 0 9 4\nC 0 0 255\nL 0 10 19 10\nT 2 30 Seite 1\nunbekannt\n", f);
    fclose(f);
    White_Field();
    pxFgc(GREEN_CI);
    EXPECT_EQ(Draw_RPC_File(rpc.c_str(), 20, 20), 1);
    EXPECT_EQ(ZW_Test_Count_Colour(0, 0, 99, 99, 0xFF0000), 50);
    EXPECT_EQ(ZW_Test_Count_Colour(0, 30, 99, 30, 0x0000FF), 20);
    EXPECT_EQ(ZW_Test_Pixel(20, 30), 0x0000FFu);
    EXPECT_TRUE(Has_Line("TEXT 22 50 Seite 1"));
    EXPECT_EQ(pxQFgc(), GREEN_CI); /* the caller's colour comes back */
    EXPECT_EQ(Draw_RPC_File("Fehlt.RPC", 0, 0), 0);
    EXPECT_EQ(Count_Line("BITMAP MISSING Fehlt.RPC"), 1);
}
