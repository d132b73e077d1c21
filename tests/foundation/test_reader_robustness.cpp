/*
** The readers of the foundation on arbitrary bytes: no reader may step outside its buffer or
** hang, whatever a file holds. Deterministic pseudo-random inputs; the sanitizers watch.
*/
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "foundation/foundation.h"

namespace {

/* xorshift32: the same inputs on every run. */
uint32_t Next(uint32_t *s)
{
    uint32_t x = *s;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    return *s = x;
}

/* Bytes biased toward the characters the readers look for. */
std::string Random_Text(uint32_t *s, size_t max)
{
    static const char special[] = {'\xAE', '\xAF', '\n', ' ',    '\t', '#', '-',
                                   '1',    '.',    'e',  '\x8C', '<',  '('};
    const size_t n = Next(s) % max;
    std::string t;
    for (size_t i = 0; i < n; i++) {
        const uint32_t r = Next(s);
        t += (r & 3) == 0 ? special[(r >> 2) % sizeof special] : static_cast<char>(r >> 8);
    }
    return t;
}

FILE *Stream_Of(const std::string &text)
{
    FILE *f = tmpfile();
    fwrite(text.data(), 1, text.size(), f);
    rewind(f);
    return f;
}

TEST(ReaderRobustness, GuillemetAndKeywordReaders)
{
    uint32_t seed = 0x12345u;
    for (int round = 0; round < 300; round++) {
        const std::string text = Random_Text(&seed, 2000);
        FILE *f = Stream_Of(text);
        char big[256], small[100], br[8], line[40];
        int guard = 0;
        while (!feof(f) && guard++ < 5000) {
            const int a = Read_Guillemet_String(f, big);
            ASSERT_LE(a, 255);
            ASSERT_LE(strlen(big), 255u); /* a text may hold zero bytes: strlen can be shorter */
            const int b = Read_Guillemet_String_Short(f, small);
            ASSERT_LE(b, 99);
            const int c = Read_Bracketed_String(f, br, sizeof br, '(', ')');
            ASSERT_LE(c, 7);
            const int d = Read_Line_Bounded(f, line, sizeof line);
            ASSERT_LE(d, 40);
        }
        ASSERT_LT(guard, 5000);
        int v = 0;
        Seek_Keyword_Prefix_Line("#", f, &v);
        Find_Keyword_Line(f, "-1", 1);
        int ints[5];
        double dbl[5];
        rewind(f);
        while (Read_Int_Line(f, ints, 5) || Read_Double_Line(f, dbl, 5)) {}
        rewind(f);
        Read_Doubles(f, dbl, 5);
        fclose(f);
    }
}

void Quiet_Hook(int, int, const char *) {}

TEST(ReaderRobustness, VersionedDataReader)
{
    Foundation_Set_Msg_Hook(Quiet_Hook);
    uint32_t seed = 0xBEEFu;
    for (int round = 0; round < 300; round++) {
        const std::string text = " 1.0 " + Random_Text(&seed, 1500);
        FILE *f = Stream_Of(text);
        Dat_Read_Data_Version(f, 2.0);
        char t[DAT_TEXT_SIZE];
        double d;
        int i;
        char c;
        char *block = nullptr;
        for (int k = 0; k < 40 && !feof(f); k++) {
            switch (Next(&seed) % 7) {
            case 0:
                Dat_Read_Field(t, 't', 0.5, 0);
                ASSERT_LT(strlen(t), sizeof t);
                break;
            case 1:
                Dat_Read_Field(t, 's', 0.5, 0);
                ASSERT_LT(strlen(t), sizeof t);
                break;
            case 2: Dat_Read_Field(&d, 'd', 0.5, 0); break;
            case 3: Dat_Read_Field(&i, 'i', 0.5, 0); break;
            case 4: Dat_Read_Field(&c, 'c', 0.5, 0); break;
            case 5: Dat_Read_Text_Block(&block, 0.5, nullptr); break;
            default: Dat_Read_Struct_Version(2.0); break;
            }
        }
        Mem_Free(&block);
        fclose(f);
    }
    Foundation_Set_Msg_Hook(nullptr);
}

} // namespace
