/*
** Fuzz target: the component's input file (records read into a record holding the defaults),
** and the adjustment of old values that follows a read.
*/
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
