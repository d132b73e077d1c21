/*
** A scratch folder for file tests: made below the working folder, removed with its files.
*/
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

struct Scratch_Dir {
    std::string path;
    Scratch_Dir()
    {
        char name[] = "scratch_XXXXXX";
        const char *made = mkdtemp(name);
        path = std::filesystem::absolute(made ? made : "scratch_failed").string();
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
