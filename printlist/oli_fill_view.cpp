/*
** The sheet of filling samples shown in the print-list viewer: written into the temporary print
** list ".TMP" of the base path and shown with the GUI library's quick view.
*/
#include <cstdio>

#include "foundation/files.h"
#include "platform/zelkwin.h"
#include "printlist/oli_graphic.h"

/* Answers the viewer's result, or 0 when the temporary list cannot be written. */
int Oli_Graphic_Show_Fill_Samples(void)
{
    FILE *f = Base_Path_Fopen(".TMP", "w");
    if (f == nullptr) return 0;
    Oli_Graphic_Fill_Samples(f);
    fclose(f);
    char path[FILES_PATH_MAX];
    if (Base_Path_Make(path, ".TMP", (int)sizeof path) == nullptr) return 0;
    return Quick_OLI_View(Base_Path_Get(), path);
}
