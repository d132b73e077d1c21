/*
** Fuzz target: the event script of the headless GUI stand-in (SPLICE_GUI_SCRIPT), every event
** taken as the program's key waits take them. A typed character that the display font lacks is
** never a key: one hint per "type" line names such characters ("Das Zeichen U+20AC ..."). A
** script with a snapshot line is left out: it names a file to write.
*/
#include <cstdlib>
#include <sstream>
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/zelkwin.h"

/* Whether the text holds a whole character of UTF-8 (of two to four bytes, read as the stand-in
** reads typed text) that the display font lacks. */
static bool Lacks_A_Character(const std::string &s)
{
    for (size_t i = 0; i < s.size(); i++) {
        const unsigned char c = (unsigned char)s[i];
        size_t need = (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : 0;
        if (need == 0) continue;
        uint32_t cp = c & (0x3F >> need);
        size_t k = 1;
        for (; k <= need && i + k < s.size() && ((unsigned char)s[i + k] & 0xC0) == 0x80; k++)
            cp = cp << 6 | ((unsigned char)s[i + k] & 0x3F);
        if (k <= need) continue; /* no whole character: that byte alone is passed */
        bool held = cp < 0x80;
        for (int b = 0x80; b < 256 && !held; b++)
            held = Display_Font_Codepoint((unsigned char)b) == cp;
        if (!held) return true;
        i += need;
    }
    return false;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string script(reinterpret_cast<const char *>(data), size);
    if (script.find("snapshot") != std::string::npos) return 0;
    fz::Scratch();
    ZW_Test_Reset();
    /* the "type" lines whose text holds a character the font lacks, read as the script reader
    ** reads its lines */
    int lacking = 0;
    std::istringstream in(script);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t p = line.find_first_not_of(" \t");
        if (p == std::string::npos || line.compare(p, 5, "type ") != 0) continue;
        lacking += Lacks_A_Character(line.substr(p + 5));
    }
    ZW_Test_Set_Script(script);
    for (int n = 0; n < 1000000 && getkey() >= 0; n++) {}
    int hints = 0;
    for (const std::string &l : ZW_Test_Log_Lines())
        hints += l.rfind("MESSAGE [Hinweis] Das Zeichen U+", 0) == 0
                 || l.rfind("MESSAGE [Hinweis] Die Zeichen U+", 0) == 0;
    if (hints != lacking) abort();
    fz::Done();
    return 0;
}
