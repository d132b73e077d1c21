/*
** Fuzz target: the import of design combinations from a text file ("kmod accidental M N V
** comment" per line) into the combination table. Every line that holds more than blanks or a
** comment is imported or skipped, and none is imported that holds a NUL or another control byte
** or a number that is no plain decimal one ("0x2D", "1e3", "nan"). Each group it opens holds the
** line's kmod as its preset and the load-duration class it reports.
*/
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "catalogue/catalogue.h"
#include "foundation/codepage.h"
#include "fuzz/fuzz_support.h"
#include "splice/splice_app.h"

/* Lines the import reads (without a CR at its end or the byte-order mark of the first):
** *content gets those that are neither blank nor a comment, or are longer than the limit (skipped
** whole, never cut), *clean those of them within the limit whose first five words hold nothing
** but digits, signs, points and commas and which hold no control byte. */
static void Count_Lines(const uint8_t *data, size_t size, int *content, int *clean)
{
    const std::string_view all(reinterpret_cast<const char *>(data), size);
    *content = *clean = 0;
    for (size_t at = 0, n = 0; at < all.size(); n++) {
        size_t nl = all.find('\n', at);
        if (nl == std::string_view::npos) nl = all.size();
        std::string_view line = all.substr(at, nl - at);
        at = nl + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (n == 0 && line.substr(0, 3) == "\xEF\xBB\xBF") line.remove_prefix(3);
        if (line.size() > LKOM_IMPORT_LINE_MAX) {
            (*content)++;
            continue;
        }
        const size_t first = line.find_first_not_of(" \t");
        const bool bad = Text_Line_Bad_Byte(line) >= 0;
        if (!bad && (first == std::string_view::npos || line[first] == '#')) continue;
        (*content)++;
        if (bad) continue;
        bool plain = true;
        size_t i = first;
        for (int words = 0; words < 5 && i < line.size(); words++) {
            for (; i < line.size() && line[i] != ' ' && line[i] != '\t'; i++)
                plain = plain && strchr("0123456789+-.,", line[i]) != nullptr;
            while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) i++;
        }
        *clean += plain;
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Lkom_Table *t = static_cast<Lkom_Table *>(calloc(1, sizeof(Lkom_Table)));
    Lkom_Clear_Table(t);
    const std::string path = fz::Put("import.txt", data, size);
    Ascii_Import_Report r;
    const int n = Import_Lkom_Ascii(path.c_str(), t, &r);
    if (n < 0 || n != r.imported) abort();
    int total = 0;
    for (int g = 0; g < LKOM_GROUPS; g++) {
        const int c = Lkom_Count_Entries(t, g);
        if (c < 0 || c > LKOM_ENTRIES) abort();
        total += c;
        for (int e = 0; e < c; e++)
            if (strnlen(t->groups[g].entries[e].comment, LKOM_COMMENT_MAX + 1) > LKOM_COMMENT_MAX)
                abort();
    }
    if (total != n) abort();
    /* a comment cut to the page's length, or with characters code page 850 lacks, is counted
    ** among the lines imported */
    if (r.cut < 0 || r.cut > n || r.lacking < 0 || r.lacking > n) abort();
    /* each group the import opened holds its kmod as preset, with the class it took or none */
    int used = 0;
    for (int g = 0; g < LKOM_GROUPS; g++) used += t->groups[g].used;
    if (r.opened != used) abort();
    for (int i = 0; i < r.opened; i++) {
        const Lkom_Group *grp = &t->groups[r.opened_groups[i]];
        const int kled = r.opened_kled[i];
        if (!grp->used || grp->kmod_source != 0 || kled < -1 || kled > KLED_SEHR_KURZ) abort();
        if (kled >= 0 && grp->kled != kled) abort();
    }
    int content = 0, clean = 0;
    Count_Lines(data, size, &content, &clean);
    if (!r.encoding && (n > clean || n + r.bad != content)) abort();
    fz::Done();
    return 0;
}
