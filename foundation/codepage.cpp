/*
** Code pages at the edges: CP850 and CP1252 texts to UTF-8 and back. The compile-time
** literals and the byte tables live in codepage.h.
*/
#include "foundation/codepage.h"

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
