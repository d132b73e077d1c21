/*
** Fuzz target: the title file of a component (its first line becomes the window title and the
** report's title). The title holds no line end and no control byte but the tab (a NUL or another
** control byte stands in caret notation, "^@"), and a first line of ASCII bytes is the title byte
** for byte with its control bytes so written: nothing of it is cut or lost.
*/
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "foundation/codepage.h"
#include "fuzz/fuzz_support.h"
#include "splice/splice_app.h"

/* The title the reader makes of a first line of ASCII bytes: at most SPLICE_TITLE_READ of them,
** without the CRs at its end, each control byte but the tab as '^' and the byte plus 0x40. */
static std::string Expected_Ascii_Title(std::string_view all, bool *ascii)
{
    std::string_view line = all.substr(0, all.find('\n'));
    line = line.substr(0, SPLICE_TITLE_READ);
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::string out;
    *ascii = true;
    for (const char ch : line) {
        const unsigned char c = (unsigned char)ch;
        if (c >= 0x80) *ascii = false;
        if (c < 0x20 && c != '\t') out += {'^', (char)(c + 0x40)};
        else if (c == 0x7F) out += "^?";
        else out += ch;
    }
    return out;
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
    bool ascii = false;
    const std::string want = Expected_Ascii_Title(all, &ascii);
    if (Wide_Unicode_Encoding(all.substr(0, 64))) {
        if (n != 0) abort();
    } else if (ascii && want != Splice_Title_Line) {
        abort();
    }
    fz::Done();
    return 0;
}
