/*
** Fuzz target: the component's input file (records read into a record holding the defaults;
** its counts whole numbers), and the adjustment of old values that follows a read.
*/
#include <cmath>
#include <cstdlib>

#include "fuzz/fuzz_support.h"
#include "splice/splice_app.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Splice_Input_Record *si = static_cast<Splice_Input_Record *>(calloc(1, sizeof *si));
    Set_Splice_Input_Defaults(si);
    FILE *f = fz::Stream(data, size);
    Inp_Read_Report report;
    Read_Splice_Input_Stream(f, si, &report);
    fclose(f);
    if (report.reason[sizeof report.reason - 1] != 0) abort();
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
