/*
** A scratch folder for file tests: made below the system's temporary folder (TMPDIR, which the
** tests' main points at the test's own scratch folder, else /tmp), removed with its files.
*/
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/temp_folder.h"

struct Scratch_Dir {
    std::string path;
    Scratch_Dir()
    {
        path = Make_Temp_Folder("scratch_");
        if (path.empty()) path = Temp_Folder() + "/scratch_failed";
    }
    ~Scratch_Dir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::string File(const std::string &name) const { return path + "/" + name; }
};

inline void Write_File(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

inline std::string Read_File(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}
