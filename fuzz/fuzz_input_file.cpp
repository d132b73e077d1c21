/*
** Fuzz target: the component's input file (records read into a record holding the defaults;
** its counts whole numbers; a file read whole holds no line with a NUL or another control byte),
** and the adjustment of old values that follows a read.
*/
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "foundation/codepage.h"
#include "fuzz/fuzz_support.h"
#include "splice/splice_app.h"

/* 1 when a line before the end record holds a byte that no line of the file holds: a NUL, which
** ends no number ("4<NUL>5" is no 4), or another control byte. */
static bool Bad_Byte_Before_End(const uint8_t *data, size_t size)
{
    const std::string_view all(reinterpret_cast<const char *>(data), size);
    for (size_t at = 0; at < all.size();) {
        size_t nl = all.find('\n', at);
        if (nl == std::string_view::npos) nl = all.size();
        std::string_view line = all.substr(at, nl - at);
        at = nl + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const size_t first = line.find_first_not_of(" \t");
        if (first != std::string_view::npos && line.substr(first, 3) == "END"
            && (line.size() == first + 3 || line[first + 3] == ' ' || line[first + 3] == '\t'))
            return false;
        if (Text_Line_Bad_Byte(line) >= 0) return true;
    }
    return false;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Splice_Input_Record *si = static_cast<Splice_Input_Record *>(calloc(1, sizeof *si));
    Set_Splice_Input_Defaults(si);
    FILE *f = fz::Stream(data, size);
    Inp_Read_Report report;
    const int whole = Read_Splice_Input_Stream(f, si, &report);
    fclose(f);
    if (report.reason[sizeof report.reason - 1] != 0) abort();
    if (whole && Bad_Byte_Before_End(data, size)) abort();
    /* a count is taken whole or not at all: 7.9 columns would be designed as 7 */
    if (si->plate_count != std::floor(si->plate_count)) abort();
    for (int slot = 0; slot < VBM_TYPE_SLOTS; slot++)
        if (si->n_col[slot] != std::floor(si->n_col[slot])
            || si->n_row[slot] != std::floor(si->n_row[slot]))
            abort();
    Adjust_Old_Input_Values(si);
    /* what was read must write back */
    FILE *out = fopen("/dev/null", "wb");
    Write_Splice_Input_Stream(out, si);
    fclose(out);
    free(si->Vorbemerkungen_Text);
    free(si);
    fz::Done();
    return 0;
}
