/*
** Code pages of the program's texts.
**
** Inside the program a text is a byte string: print-list, plot, guillemet and message texts in
** code page 850, a few stored texts in code page 1252. Source files are UTF-8, so a literal with
** letters outside ASCII is written with the compile-time literals of this header:
**
**     "Maßgebende"_cp850     ->  const char * to the CP850 bytes "Ma\xE1gebende"
**     "Maßgebende"_cp1252    ->  const char * to the CP1252 bytes
**
** A character the code page lacks stops the compilation. A byte that does not start a valid
** UTF-8 sequence (an escape such as "\xAE" or "\xCE") passes through unchanged, so escape and
** symbol bytes may stand inside such a literal.
**
** Conversion to Unicode happens only at the edges (display and print fonts, PDF, logs):
** Cp850_To_Unicode, Cp1252_To_Unicode, Cp850_To_Utf8, Cp1252_To_Utf8, Utf8_To_Cp850.
*/
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace codepage_detail {

/* Unicode code points of the bytes 0x80..0xFF; 0 marks a byte without a character. */
inline constexpr uint16_t Cp850_High[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, /* 0x80 */
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5, /* 0x88 */
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, /* 0x90 */
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, /* 0x98 */
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA, /* 0xA0 */
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, /* 0xA8 */
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0, /* 0xB0 */
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510, /* 0xB8 */
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, /* 0xC0 */
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4, /* 0xC8 */
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, /* 0xD0 */
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580, /* 0xD8 */
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, /* 0xE0 */
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4, /* 0xE8 */
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8, /* 0xF0 */
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0, /* 0xF8 */
};

inline constexpr uint16_t Cp1252_High[128] = {
    0x20AC, 0x0000, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, /* 0x80 */
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x0000, 0x017D, 0x0000, /* 0x88 */
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, /* 0x90 */
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x0000, 0x017E, 0x0178, /* 0x98 */
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, /* 0xA0 */
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF, /* 0xA8 */
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, /* 0xB0 */
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF, /* 0xB8 */
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, /* 0xC0 */
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF, /* 0xC8 */
    0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7, /* 0xD0 */
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF, /* 0xD8 */
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, /* 0xE0 */
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF, /* 0xE8 */
    0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7, /* 0xF0 */
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF, /* 0xF8 */
};

/* Decode one UTF-8 sequence at s[i] (n bytes available). Answer the code point and set *len;
** a byte that does not start a valid sequence answers -1 with *len = 1. */
constexpr int32_t Utf8_Decode(const char *s, size_t n, size_t i, size_t *len)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    *len = 1;
    if (b0 < 0x80) return b0;
    int need = 0;
    int32_t cp = 0;
    if ((b0 & 0xE0) == 0xC0) {
        need = 1;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        need = 2;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        need = 3;
        cp = b0 & 0x07;
    } else return -1;
    for (int k = 1; k <= need; k++) {
        if (i + static_cast<size_t>(k) >= n) return -1;
        const auto b = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
        if ((b & 0xC0) != 0x80) return -1;
        cp = (cp << 6) | (b & 0x3F);
    }
    if ((need == 1 && cp < 0x80) || (need == 2 && cp < 0x800) || (need == 3 && cp < 0x10000))
        return -1;
    *len = static_cast<size_t>(need) + 1;
    return cp;
}

/* The byte of code point cp in a code page table, or -1 when the page lacks it. */
constexpr int Byte_Of(const uint16_t (&high)[128], int32_t cp)
{
    if (cp >= 0 && cp < 0x80) return cp;
    for (int k = 0; k < 128; k++)
        if (high[k] != 0 && high[k] == cp) return 0x80 + k;
    return -1;
}

template <size_t N>
struct Utf8_Literal {
    char text[N]{};
    constexpr Utf8_Literal(const char (&s)[N])
    {
        for (size_t i = 0; i < N; i++) text[i] = s[i];
    }
    /* Number of code-page bytes the literal encodes to, without the terminator. */
    constexpr size_t Encoded_Length() const
    {
        size_t count = 0, len = 0;
        for (size_t i = 0; i + 1 < N; i += len) {
            Utf8_Decode(text, N - 1, i, &len);
            count++;
        }
        return count;
    }
};

template <size_t M>
struct Bytes {
    char data[M]{};
};

template <size_t M, size_t N>
consteval Bytes<M> Encode(const Utf8_Literal<N> &lit, const uint16_t (&high)[128])
{
    Bytes<M> out{};
    size_t o = 0, len = 0;
    for (size_t i = 0; i + 1 < N; i += len) {
        const int32_t cp = Utf8_Decode(lit.text, N - 1, i, &len);
        if (cp < 0) {
            out.data[o++] = lit.text[i]; /* escape byte: passes through */
            continue;
        }
        const int b = Byte_Of(high, cp);
        if (b < 0) throw "character not in the code page";
        out.data[o++] = static_cast<char>(b);
    }
    out.data[o] = '\0';
    return out;
}

template <Utf8_Literal L>
inline constexpr auto Cp850_Storage = Encode<L.Encoded_Length() + 1>(L, Cp850_High);

template <Utf8_Literal L>
inline constexpr auto Cp1252_Storage = Encode<L.Encoded_Length() + 1>(L, Cp1252_High);

} // namespace codepage_detail

/* "…"_cp850: the literal's bytes in code page 850, with static storage. */
template <codepage_detail::Utf8_Literal L>
constexpr const char *operator""_cp850()
{
    return codepage_detail::Cp850_Storage<L>.data;
}

/* "…"_cp1252: the literal's bytes in code page 1252, with static storage. */
template <codepage_detail::Utf8_Literal L>
constexpr const char *operator""_cp1252()
{
    return codepage_detail::Cp1252_Storage<L>.data;
}

/* ---------------------------------------------------------------- edges to Unicode */

/* Code point of a CP850 byte (bytes below 0x80 are ASCII). */
constexpr uint32_t Cp850_To_Unicode(unsigned char b)
{
    return b < 0x80 ? b : codepage_detail::Cp850_High[b - 0x80];
}

/* Code point of a CP1252 byte; 0 for the five undefined bytes. */
constexpr uint32_t Cp1252_To_Unicode(unsigned char b)
{
    return b < 0x80 ? b : codepage_detail::Cp1252_High[b - 0x80];
}

/* Append the UTF-8 form of code point cp to out. */
void Utf8_Append(std::string &out, uint32_t cp);

/* The UTF-8 form of a CP850 text; every byte maps to a character. */
std::string Cp850_To_Utf8(std::string_view text);

/* The UTF-8 form of a CP1252 text; an undefined byte becomes U+FFFD. */
std::string Cp1252_To_Utf8(std::string_view text);

/* The CP850 form of a UTF-8 text; a character the code page lacks becomes '?', an invalid
** byte passes through. */
std::string Utf8_To_Cp850(std::string_view text);

/* The CP1252 form of a UTF-8 text, with the same rules. */
std::string Utf8_To_Cp1252(std::string_view text);

/* ---------------------------------------------------------------- texts of an open code page */

enum { CODE_PAGE_850 = 850, CODE_PAGE_1252 = 1252, CODE_PAGE_UTF8 = 65001 };

/*
** The code page of a text from outside whose code page no mark fixes (an imported file, a file
** edited with another program), by the one rule of docs/code-pages.md:
** 1. UTF-8 when the text is valid UTF-8 and holds a character of two or more bytes;
** 2. else code page 1252 when more of its bytes are German letters or guillemets of code page
**    1252 (ä ö ü Ä Ö Ü ß « ») than of code page 850;
** 3. else code page 850 (also for a text of ASCII only).
*/
int Guess_Code_Page(std::string_view text);

/* The text in code page 850, read in code_page (850, 1252 or UTF-8): a character that code page
** 850 lacks becomes '?'; a UTF-8 byte-order mark at the start is dropped. */
std::string To_Cp850(std::string_view text, int code_page);

/* How many of the first `chars` characters of text, read in code_page (850, 1252 or UTF-8; a
** UTF-8 byte-order mark is no character), code page 850 lacks: those that To_Cp850 writes as
** '?', so that a reader can say so. */
int32_t Cp850_Lacking(std::string_view text, int code_page, size_t chars);

/*
** The wide Unicode encoding of a text file whose first bytes are head, which none of the byte
** code pages reads: "UTF-16 LE", "UTF-16 BE", "UTF-32 LE" or "UTF-32 BE", by a byte-order mark
** or, without one, by NUL bytes standing between the characters; null for a file in code page
** 850, 1252 or UTF-8. Looks at the first 64 bytes.
*/
const char *Wide_Unicode_Encoding(std::string_view head);

/*
** The offset of the first byte of a line of a text file (without its line end) that no text line
** holds: a NUL (a crash leaves runs of them in a file), another control byte but the tab, or DEL;
** -1 when the line holds none. The reason for a box, "die Zeile enthält ein Nullbyte" or "die
** Zeile enthält ein Steuerzeichen" (code page 850), or null for a line without such a byte.
*/
long Text_Line_Bad_Byte(std::string_view line);
const char *Text_Line_Bad_Byte_Reason(std::string_view line);

/* ---------------------------------------------------------------- runtime maps of German texts */

/* Static 512-byte buffers; at most 511 characters of input; the next call overwrites. */
char *Umlauts_To_Cp850(const char *s);  /* the seven CP1252 umlaut bytes to CP850 */
char *Umlauts_To_Cp1252(const char *s); /* the seven CP850 umlaut bytes to CP1252 */
char *Umlauts_To_Html(const char *s);   /* CP850 umlauts to HTML entities */
char *Quote_To_Acute(const char *s);    /* "'" -> 0xB4 */
