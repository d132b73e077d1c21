/*
** Code pages at the edges: CP850 and CP1252 texts to UTF-8 and back. The compile-time
** literals and the byte tables live in codepage.h.
*/
#include "foundation/codepage.h"

#include <algorithm>
#include <cstring>

void Utf8_Append(std::string &out, uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string Cp850_To_Utf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size() * 2);
    for (char c : text) Utf8_Append(out, Cp850_To_Unicode(static_cast<unsigned char>(c)));
    return out;
}

std::string Cp1252_To_Utf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size() * 2);
    for (char c : text) {
        const uint32_t cp = Cp1252_To_Unicode(static_cast<unsigned char>(c));
        Utf8_Append(out, cp == 0 && c != '\0' ? 0xFFFD : cp);
    }
    return out;
}

static std::string From_Utf8(std::string_view text, const uint16_t (&high)[128])
{
    std::string out;
    out.reserve(text.size());
    size_t len = 0;
    for (size_t i = 0; i < text.size(); i += len) {
        const int32_t cp = codepage_detail::Utf8_Decode(text.data(), text.size(), i, &len);
        if (cp < 0) {
            out += text[i];
            continue;
        }
        const int b = codepage_detail::Byte_Of(high, cp);
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

std::string Utf8_To_Cp850(std::string_view text)
{
    return From_Utf8(text, codepage_detail::Cp850_High);
}

std::string Utf8_To_Cp1252(std::string_view text)
{
    return From_Utf8(text, codepage_detail::Cp1252_High);
}

/* ---------------------------------------------------------------- texts of an open code page */

/* 1 when text is valid UTF-8 with at least one character of two or more bytes. */
static int Is_Multibyte_Utf8(std::string_view text)
{
    int multi = 0;
    size_t len = 0;
    for (size_t i = 0; i < text.size(); i += len) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            len = 1;
            continue;
        }
        if (codepage_detail::Utf8_Decode(text.data(), text.size(), i, &len) < 0) return 0;
        multi = 1;
    }
    return multi;
}

int Guess_Code_Page(std::string_view text)
{
    if (Is_Multibyte_Utf8(text)) return CODE_PAGE_UTF8;
    /* the German letters and guillemets: ä ö ü Ä Ö Ü ß « » */
    static constexpr unsigned char In_1252[9] = {0xE4, 0xF6, 0xFC, 0xC4, 0xD6,
                                                 0xDC, 0xDF, 0xAB, 0xBB};
    static constexpr unsigned char In_850[9] = {0x84, 0x94, 0x81, 0x8E, 0x99,
                                                0x9A, 0xE1, 0xAE, 0xAF};
    long votes_1252 = 0, votes_850 = 0;
    for (char ch : text) {
        const unsigned char b = static_cast<unsigned char>(ch);
        for (int k = 0; k < 9; k++) {
            votes_1252 += b == In_1252[k];
            votes_850 += b == In_850[k];
        }
    }
    return votes_1252 > votes_850 ? CODE_PAGE_1252 : CODE_PAGE_850;
}

std::string To_Cp850(std::string_view text, int code_page)
{
    if (code_page == CODE_PAGE_UTF8) {
        if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
        return Utf8_To_Cp850(text);
    }
    if (code_page == CODE_PAGE_1252) return Utf8_To_Cp850(Cp1252_To_Utf8(text));
    return std::string(text);
}

int32_t Cp850_Lacking(std::string_view text, int code_page, size_t chars)
{
    if (code_page != CODE_PAGE_UTF8 && code_page != CODE_PAGE_1252) return 0;
    if (code_page == CODE_PAGE_UTF8 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    int32_t lacking = 0;
    size_t len = 1;
    for (size_t i = 0, n = 0; i < text.size() && n < chars; i += len, n++) {
        int32_t cp = 0;
        if (code_page == CODE_PAGE_UTF8) {
            /* a byte that begins no character (-1) passes as itself */
            cp = codepage_detail::Utf8_Decode(text.data(), text.size(), i, &len);
        } else {
            const unsigned char c = static_cast<unsigned char>(text[i]);
            cp = static_cast<int32_t>(Cp1252_To_Unicode(c));
            if (cp == 0 && c != 0) cp = 0xFFFD; /* a byte that code page 1252 leaves undefined */
            len = 1;
        }
        lacking += cp >= 0 && codepage_detail::Byte_Of(codepage_detail::Cp850_High, cp) < 0;
    }
    return lacking;
}

const char *Wide_Unicode_Encoding(std::string_view head)
{
    /* the four-byte marks first: FF FE 00 00 also begins like the mark of UTF-16 LE */
    if (head.substr(0, 4) == std::string_view("\xFF\xFE\0\0", 4)) return "UTF-32 LE";
    if (head.substr(0, 4) == std::string_view("\0\0\xFE\xFF", 4)) return "UTF-32 BE";
    if (head.substr(0, 2) == "\xFF\xFE") return "UTF-16 LE";
    if (head.substr(0, 2) == "\xFE\xFF") return "UTF-16 BE";
    /* Without a mark: the German and ASCII characters of such a file have NUL bytes in the
    ** same places of every unit of two or four bytes; a text of a byte code page has none. */
    const size_t n = std::min<size_t>(head.size(), 64) / 4 * 4;
    if (n < 4) return nullptr;
    size_t nul[4] = {0, 0, 0, 0};
    for (size_t i = 0; i < n; i++) nul[i % 4] += head[i] == '\0';
    const size_t units = n / 4;
    if (nul[0] + nul[1] + nul[2] + nul[3] == 0) return nullptr;
    if (nul[1] == units && nul[2] == units && nul[3] == units && nul[0] < units) return "UTF-32 LE";
    if (nul[0] == units && nul[1] == units && nul[2] == units && nul[3] < units) return "UTF-32 BE";
    /* most characters of two bytes with the NUL on one side: UTF-16 */
    const size_t odd = nul[1] + nul[3], even = nul[0] + nul[2];
    if (4 * odd >= 3 * (n / 2) && 4 * even <= n / 2) return "UTF-16 LE";
    if (4 * even >= 3 * (n / 2) && 4 * odd <= n / 2) return "UTF-16 BE";
    return nullptr;
}

static inline unsigned Bad_Line_Byte(unsigned char c)
{
    return ((unsigned)(c < 0x20) & (unsigned)(c != '\t')) | (unsigned)(c == 0x7F);
}

/* Whether one of the 32 bytes at p is such a byte: without a branch per byte, which the compiler
** turns into vector code. */
static inline bool Bad_Byte_In_32(const unsigned char *p)
{
    unsigned any = 0;
    for (size_t k = 0; k < 32; k++) any |= Bad_Line_Byte(p[k]);
    return any != 0;
}

long Text_Line_Bad_Byte(std::string_view line)
{
    const unsigned char *p = reinterpret_cast<const unsigned char *>(line.data());
    const size_t n = line.size();
    /* a line of 32 bytes or more block by block, its last block ending with it (a combination's
    ** line of an input file has about 130 bytes); byte by byte only from a block that holds one */
    size_t from = 0;
    if (n >= 32) {
        while (from + 32 <= n && !Bad_Byte_In_32(p + from)) from += 32;
        if (from + 32 > n && !Bad_Byte_In_32(p + n - 32)) return -1;
    }
    for (size_t i = from; i < n; i++)
        if (Bad_Line_Byte(p[i])) return static_cast<long>(i);
    return -1;
}

const char *Text_Line_Bad_Byte_Reason(std::string_view line)
{
    if (Text_Line_Bad_Byte(line) < 0) return nullptr;
    return line.find('\0') != std::string_view::npos ? "die Zeile enthält ein Nullbyte"_cp850
                                                     : "die Zeile enthält ein Steuerzeichen"_cp850;
}

/* ---------------------------------------------------------------- runtime maps of German texts */

#define MAP_SIZE 512 /* bytes of each map's static buffer: at most 511 characters of input */

/* Copy at most MAP_SIZE - 1 bytes of s into buf, mapping each byte through map. */
static char *Map_Bytes(char *buf, const char *s, const unsigned char (&map)[256])
{
    size_t i = 0;
    if (s)
        for (; i < MAP_SIZE - 1 && s[i]; i++)
            buf[i] = static_cast<char>(map[static_cast<unsigned char>(s[i])]);
    buf[i] = '\0';
    return buf;
}

/* A byte table that maps every byte to itself except the given pairs. */
struct Byte_Map {
    unsigned char map[256];
    constexpr Byte_Map(const unsigned char (&pairs)[7][2], int reverse) : map{}
    {
        for (int b = 0; b < 256; b++) map[b] = static_cast<unsigned char>(b);
        for (const auto &p : pairs) map[p[reverse]] = p[1 - reverse];
    }
};

/* The seven German letters: CP1252 byte, CP850 byte (Ä Ö Ü ß ä ö ü). */
static constexpr unsigned char Umlaut_Pairs[7][2] = {{196, 142}, {214, 153}, {220, 154}, {223, 225},
                                                     {228, 132}, {246, 148}, {252, 129}};
static constexpr Byte_Map To_850(Umlaut_Pairs, 0);
static constexpr Byte_Map To_1252(Umlaut_Pairs, 1);

char *Umlauts_To_Cp850(const char *s)
{
    static char buf[MAP_SIZE];
    return Map_Bytes(buf, s, To_850.map);
}

char *Umlauts_To_Cp1252(const char *s)
{
    static char buf[MAP_SIZE];
    return Map_Bytes(buf, s, To_1252.map);
}

char *Umlauts_To_Html(const char *s)
{
    static char buf[MAP_SIZE];
    size_t o = 0;
    if (s) {
        for (size_t i = 0; i < MAP_SIZE - 1 && s[i] && o <= 503; i++) {
            const char *entity = nullptr;
            switch (static_cast<unsigned char>(s[i])) {
            case 129: entity = "&uuml;"; break;
            case 132: entity = "&auml;"; break;
            case 142: entity = "&Auml;"; break;
            case 148: entity = "&ouml;"; break;
            case 153: entity = "&Ouml;"; break;
            case 154: entity = "&Uuml;"; break;
            case 225: entity = "&szlig;"; break;
            default: break;
            }
            if (entity) {
                const size_t k = strlen(entity);
                memcpy(buf + o, entity, k); /* o <= 503 and k <= 7 stay inside the buffer */
                o += k;
            } else {
                buf[o++] = s[i];
            }
        }
    }
    buf[o] = '\0';
    return buf;
}

char *Quote_To_Acute(const char *s)
{
    static char buf[MAP_SIZE];
    size_t i = 0;
    if (s)
        for (; i < MAP_SIZE - 1 && s[i]; i++)
            buf[i] = s[i] == '\'' ? static_cast<char>(0xB4) : s[i];
    buf[i] = '\0';
    return buf;
}
