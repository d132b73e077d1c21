/*
** The file-name check of the text tools, with its message box.
*/
#include "foundation/ttool.h"

#include <cstring>

#include "foundation/codepage.h"
#include "platform/zelkwin.h"

static void Show_Line(const char *text)
{
    Init_Message();
    Fill_Message(text);
    Draw_Message();
}

int Check_File_Name(const char *name, int show)
{
    if (!name) return 1;
    if (strcmp(name, ".") == 0 || strcmp(name, "..") == 0) {
        if (show) Show_Line("Eine Datei darf weder '.' noch '..' heißen!"_cp850);
        return 0;
    }
    if (strpbrk(name, "\\/:*?\"<>|")) {
        if (show) Show_Line("Unzulässige Zeichen (\\/:*?\"<>|) im Dateinamen!"_cp850);
        return 0;
    }
    return 1;
}
