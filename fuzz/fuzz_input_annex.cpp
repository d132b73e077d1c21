/*
** Fuzz target: the input file read as the program opens it, with its damage message and the
** activation of the annex it names at its end (the annex files come from the host folders).
*/
#include <cstdlib>

#include "fuzz/fuzz_support.h"
#include "nad/nad.h"
#include "splice/splice_app.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static std::string host; /* the scratch folder the annex files were put into */
    if (host != fz::Scratch()) {
        /* the annex files of the environment, so that a named annex can be found */
        const std::string nad = SPLICE_SOURCE_DIR "/environment/data/NAD/";
        for (const char *name : {"Deutschland.NAD", "Standard.NAD"}) {
            FILE *in = fopen((nad + name).c_str(), "rb");
            if (!in) break;
            std::string bytes;
            char buf[4096];
            size_t n;
            while ((n = fread(buf, 1, sizeof buf, in)) > 0) bytes.append(buf, n);
            fclose(in);
            fz::Put((std::string("data/NAD/") + name).c_str(),
                    reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
        }
        host = fz::Scratch();
    }
    Splice_Input_Record *si = static_cast<Splice_Input_Record *>(calloc(1, sizeof *si));
    Set_Splice_Input_Defaults(si);
    const std::string path = fz::Put("bauteil_01.inp", data, size);
    if (Read_Splice_Input_File(path.c_str(), si, 1) != 1) abort();
    free(si->Vorbemerkungen_Text);
    free(si);
    Clear_NAD_State();
    fz::Done();
    return 0;
}
