/*
** Environment exchange and outside tools: whether the section-force selection tool is installed,
** the run of that tool for the import from another component, and the start of the plan editor.
** The tools live in the environment's EXEC folder; paths are formed with "/".
*/
#pragma once

#include <cstddef>

/* 1 when EXEC is set and "<EXEC>/Morvelab.exe" exists and may be executed, else 0. */
int Morvelab_Available(void);

/*
** Run the selection tool for the import from another component: it is started with the
** component identifier and the result file "<component>_<nn>.mvl" (nn the file number), into
** which it writes the chosen combinations in the format of the ASCII import. An old result file
** is removed first. Return 1 and the result file's name in result (size bytes) when the tool
** ended without error and the file exists; 0 when it was cancelled, failed or chose nothing.
*/
int Exchange_Run_Selection_Tool(const char *component, int file_number, char *result, size_t size);

/*
** Start the plan editor "<EXEC>/Planeditor" with the component identifier and the print list.
** Return 1 when it was started, 0 when it is not installed (the caller says so).
*/
int Exchange_Start_Plan_Editor(const char *component, const char *print_list);
