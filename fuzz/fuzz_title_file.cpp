/*
** Fuzz target: the title file of a component (its first line becomes the window title and the
** report's title). The title holds no line end and no control byte but the tab (a NUL or another
** control byte stands in caret notation, "^@"), and a first line of ASCII bytes or of UTF-8 is the
** title character for character with its control bytes so written: nothing of it is cut or lost,
** and no character is cut in two.
*/
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "foundation/codepage.h"
#include "fuzz/fuzz_support.h"
#include "splice/splice_app.h"

/* The title the reader makes of a first line whose first SPLICE_TITLE_READ bytes are ASCII, or
** which is UTF-8 throughout: without the CRs at its end, its first SPLICE_TITLE_READ characters in
** code page 850 (never a part of one), each control byte but the tab as '^' and the byte plus
** 0x40; false for a line of another code page. */
static bool Expected_Title(std::string_view all, std::string *out)
{
    std::string_view line = all.substr(0, all.find('\n'));
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::string text(line.substr(0, SPLICE_TITLE_READ));
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
    if (!ascii) {
        if (Guess_Code_Page(line) != CODE_PAGE_UTF8) return false;
        text = To_Cp850(line, CODE_PAGE_UTF8).substr(0, SPLICE_TITLE_READ);
    }
    out->clear();
    for (const char ch : text) {
        const unsigned char c = (unsigned char)ch;
        if (c < 0x20 && c != '\t') *out += {'^', (char)(c + 0x40)};
        else if (c == 0x7F) *out += "^?";
        else *out += ch;
    }
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string path = fz::Put("title_01.txt", data, size);
    if (Read_Title_Line(path.c_str()) != 1) abort();
    const size_t n = strnlen(Splice_Title_Line, SPLICE_TITLE_MAX);
    if (n >= SPLICE_TITLE_MAX) abort();
    for (size_t i = 0; i < n; i++) {
        const unsigned char c = (unsigned char)Splice_Title_Line[i];
        if ((c < 0x20 && c != '\t') || c == 0x7F) abort();
    }
    const std::string_view all(reinterpret_cast<const char *>(data), size);
    std::string want;
    if (Wide_Unicode_Encoding(all.substr(0, 64))) {
        if (n != 0) abort();
    } else if (Expected_Title(all, &want) && want != Splice_Title_Line) {
        abort();
    }
    fz::Done();
    return 0;
}
