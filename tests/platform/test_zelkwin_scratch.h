/*
** Scratch file names of the GUI stand-in's tests: each test process writes files of its own, so
** that parallel runs (ctest -j, or one test started several times at once) never share a file.
*/
#pragma once

#include <unistd.h>

#include <string>

inline std::string Scratch(const std::string &name)
{
    return "zw" + std::to_string(getpid()) + "_" + name;
}
