/*
** What the reader of the input file (input_file.cpp) and its save (input_save.cpp) share: the
** boxes of a file that failed, and the file as this window read it.
*/
#pragma once

#include <string>
#include <vector>

#include "platform/runtime.h"

/* A box with the error symbol, the title and the lines (code page 850). */
void Show_File_Lines(const char *title, const std::vector<std::string> &lines);
/* The same with up to three lines; a null line is left out. */
void Show_File_Message(const char *title, const char *l1, const char *l2, const char *l3);
/* What stood under path when this window read it, so that a save sees another writer since. */
void Note_Input_File_Read(const char *path, const Rt_File_Id *id);
