/*
** Shared helpers of the fuzz targets: one scratch host folder per process (DATA, DRAM, EXEC,
** TEMP and the private data path point into it), input bytes as a file or a read stream, and the
** reset of the GUI stand-in's log after every input so that a long run keeps a flat memory use.
*/
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ftw.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/zelkwin_test.h"

namespace fz {

inline int Remove_Entry(const char *path, const struct stat *, int, struct FTW *)
{
    return remove(path);
}

/* The scratch folder's path, for the removal at exit. */
inline std::string &Scratch_Root()
{
    static std::string root;
    return root;
}

inline void Remove_Scratch()
{
    if (!Scratch_Root().empty())
        nftw(Scratch_Root().c_str(), Remove_Entry, 16, FTW_DEPTH | FTW_PHYS);
}

/* The scratch folder of this process, made on first use with the host folders below it and the
** variables pointing at them; the GUI stand-in runs headless. Made again when it went (the
** replay tests run in a folder of their own per test, removed after it). */
inline const std::string &Scratch()
{
    std::string &root = Scratch_Root();
    struct stat st;
    if (!root.empty() && stat(root.c_str(), &st) == 0) return root;
    const char *tmp = getenv("TMPDIR");
    std::string tmpl = std::string(tmp && *tmp ? tmp : "/tmp") + "/splicefuzz_XXXXXX";
    char *d = mkdtemp(&tmpl[0]);
    if (!d) abort();
    if (root.empty()) atexit(Remove_Scratch);
    root = d;
    const char *sub[] = {"/data",        "/data/NAD", "/dram", "/exec",
                         "/exec/splice", "/exec/app", "/temp"};
    for (const char *s : sub) mkdir((root + s).c_str(), 0700);
    setenv("DATA", (root + "/data").c_str(), 1);
    setenv("DRAM", (root + "/dram").c_str(), 1);
    setenv("EXEC", (root + "/exec").c_str(), 1);
    setenv("TEMP", (root + "/temp").c_str(), 1);
    setenv("SPLICE_PRIVATE_DATA", (root + "/exec/splice").c_str(), 1);
    unsetenv("SPLICE_GUI_LOG");
    unsetenv("SPLICE_GUI_SCRIPT");
    ZW_Test_Reset();
    return root;
}

/* Write the bytes to <scratch>/<name>; answers the full path. */
inline std::string Put(const char *name, const uint8_t *data, size_t size)
{
    std::string path = Scratch() + "/" + name;
    FILE *f = fopen(path.c_str(), "wb");
    if (!f) abort();
    if (size && fwrite(data, 1, size, f) != size) abort();
    fclose(f);
    return path;
}

/* A read stream over the bytes (valid while they are); an empty input gives an empty stream. */
inline FILE *Stream(const uint8_t *data, size_t size)
{
    Scratch();
    if (size == 0) return fopen("/dev/null", "rb");
    return fmemopen(const_cast<uint8_t *>(data), size, "rb");
}

/* Split the input at the first line "----" into two parts (the second empty without it). */
inline void Split(const uint8_t *data, size_t size, std::string *first, std::string *second)
{
    const std::string all(reinterpret_cast<const char *>(data), size);
    const size_t at = all.find("\n----\n");
    if (at == std::string::npos) {
        *first = all;
        second->clear();
    } else {
        *first = all.substr(0, at + 1);
        *second = all.substr(at + 6);
    }
}

/* After every input: what the stand-in logged is dropped. */
inline void Done() { ZW_Test_Clear_Log(); }

} // namespace fz
