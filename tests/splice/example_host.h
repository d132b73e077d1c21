/*
** Test helper of the tests that start the program or its sheet: the host's variables pointed at
** the example host folder environment/ of the repository, and an input file opened as the
** program opens it.
*/
#pragma once

#include <cstdlib>
#include <string>

#include "nad/nad.h"
#include "splice/splice_app.h"

/* Set EXEC, DATA, DRAM and the private data path to the folders of environment/. */
inline void Use_Example_Host(void)
{
    const std::string root = SPLICE_SOURCE_DIR;
    setenv("EXEC", (root + "/environment/exec").c_str(), 1);
    setenv("DATA", (root + "/environment/data").c_str(), 1);
    setenv("DRAM", (root + "/environment/dram").c_str(), 1);
    setenv("SPLICE_PRIVATE_DATA", (root + "/environment/exec/splice").c_str(), 1);
}

/* Read the input file at path the way the start-up reads it: the host's catalogues, the file,
** the values of old files and the national annex the file names. Return 1, or 0 when the file
** cannot be read or no annex is active. */
inline int Open_Input_As_Program(const std::string &path)
{
    Load_Start_Up_Catalogues();
    Set_Splice_Input_Defaults(&Splice_Input);
    Refresh_Char_Actions();
    if (Read_Splice_Input_File(path.c_str(), &Splice_Input, 1) != 1) return 0;
    Refresh_Char_Actions();
    Adjust_Old_Input_Values(&Splice_Input);
    Set_Nad_Pointers();
    return Nad_Params != nullptr ? 1 : 0;
}
