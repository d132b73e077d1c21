/*
** Test helper of the tests that start the program or its sheet: the host's variables pointed at
** the example host folder environment/ of the repository.
*/
#pragma once

#include <cstdlib>
#include <string>

/* Set EXEC, DATA, DRAM and the private data path to the folders of environment/. */
inline void Use_Example_Host(void)
{
    const std::string root = SPLICE_SOURCE_DIR;
    setenv("EXEC", (root + "/environment/exec").c_str(), 1);
    setenv("DATA", (root + "/environment/data").c_str(), 1);
    setenv("DRAM", (root + "/environment/dram").c_str(), 1);
    setenv("SPLICE_PRIVATE_DATA", (root + "/environment/exec/splice").c_str(), 1);
}
