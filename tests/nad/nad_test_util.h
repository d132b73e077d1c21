/*
** Helpers of the national-annex tests: scratch host folders (DATA, DRAM, EXEC) below the
** temporary folder, whole-file reading and writing, streams over strings.
*/
#pragma once

#include <cstdio>
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "nad/nad.h"
#include "tests/temp_folder.h"

namespace nadtest {

inline void Write_File(const std::string &path, const std::string &bytes)
{
    FILE *f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

inline std::string Read_File(const std::string &path)
{
    std::string s;
    FILE *f = fopen(path.c_str(), "rb");
    if (!f) return s;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    fclose(f);
    return s;
}

inline bool Exists(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

/* A read stream over a copy of the text (closed by the caller). */
inline FILE *Text_Stream(const std::string &text)
{
    FILE *f = tmpfile();
    fwrite(text.data(), 1, text.size(), f);
    rewind(f);
    return f;
}

/* The whole text a writer puts into a stream. */
template <class Fn>
std::string Written(Fn fn)
{
    FILE *f = tmpfile();
    fn(f);
    fflush(f);
    rewind(f);
    std::string s;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    fclose(f);
    return s;
}

/* A fresh host: empty folders DATA (with NAD/), DRAM and EXEC below a new scratch folder, the
** variables pointing at them (unset ones removed), and the store back at its start state. */
struct Host {
    std::string root, data, dram, exec;
    explicit Host(bool with_data = true, bool with_dram = true, bool with_exec = false)
    {
        root = Make_Temp_Folder("nadhost_");
        if (root.empty()) {
            ADD_FAILURE() << "no scratch folder below " << Temp_Folder();
            root = Temp_Folder() + "/nadhost_failed";
        }
        data = root + "/data";
        dram = root + "/dram";
        exec = root + "/exec";
        mkdir(data.c_str(), 0755);
        mkdir((data + "/NAD").c_str(), 0755);
        mkdir(dram.c_str(), 0755);
        mkdir(exec.c_str(), 0755);
        if (with_data) setenv("DATA", data.c_str(), 1);
        else unsetenv("DATA");
        if (with_dram) setenv("DRAM", dram.c_str(), 1);
        else unsetenv("DRAM");
        if (with_exec) setenv("EXEC", exec.c_str(), 1);
        else unsetenv("EXEC");
        unsetenv("SPLICE_APPLICATION_NUMBER");
        Clear_NAD_State();
        Clear_Application_NAD_Registry();
    }
    /* Copy the environment's national-annex data of the repository into DATA/NAD. */
    void Install_Repository_Data() const
    {
        const char *names[] = {"Standard.NAD",  "Deutschland.NAD", "WUSL-Tabs.def",
                               "WUSL-Tabs.val", "EuroFlags.bmp",   "Buttons.bmp"};
        for (const char *n : names)
            Write_File(data + "/NAD/" + n,
                       Read_File(std::string(SPLICE_SOURCE_DIR) + "/environment/data/NAD/" + n));
    }
    ~Host()
    {
        const std::string cmd = "rm -rf '" + root + "'";
        if (root.find("/nadhost_") != std::string::npos
            && system(cmd.c_str()) != 0) { /* left for a look */
        }
        Clear_NAD_State();
        Clear_Application_NAD_Registry();
    }
};

/* A record (freed by the caller) whose blocks hold the built-in defaults; no EN 1991 tables. */
inline NAD_Record *New_Defaults(void)
{
    NAD_Record *r = static_cast<NAD_Record *>(calloc(1, sizeof(NAD_Record)));
    Init_NAD_EC0_Defaults(&r->ec0);
    Init_NAD_EC2_Defaults(&r->ec2);
    Init_NAD_EC3_Defaults(&r->ec3);
    Init_NAD_EC5_Defaults(&r->ec5);
    Init_NAD_EC6_Defaults(&r->ec6);
    Init_NAD_EC9_Defaults(&r->ec9);
    return r;
}

/* A whole user annex file with the given flag, name and variant: every section holds the
** built-in defaults. */
inline std::string User_Annex(int flag, const std::string &name, int variant)
{
    NAD_Record *r = New_Defaults();
    const std::string whole = Written([&](FILE *f) { Write_NAD_File(f, r); });
    free(r);
    return "NAD/Version 1\n\n " + std::to_string(flag) + " \xAE" + name + "\xAF "
           + std::to_string(variant) + "\n" + whole.substr(whole.find("\n\n#EC0"));
}

} // namespace nadtest
