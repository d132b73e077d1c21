/*
** Test helper of the print-list tests: a scratch stream whose bytes are read back as a string,
** and the reset of the writers' global state between tests.
*/
#pragma once

#include <cstdio>
#include <string>

#include "printlist/printlist.h"

struct Capture {
    FILE *f;
    Capture() : f(tmpfile()) {}
    ~Capture()
    {
        if (f) fclose(f);
    }
    /* Everything written so far. */
    std::string text()
    {
        fflush(f);
        long n = ftell(f);
        std::string s((size_t)(n > 0 ? n : 0), '\0');
        rewind(f);
        if (n > 0 && fread(&s[0], 1, (size_t)n, f) != (size_t)n) s.clear();
        fseek(f, 0, SEEK_END);
        return s;
    }
    /* Forget what was written so far. */
    void clear()
    {
        fflush(f);
        if (ftruncate(fileno(f), 0) != 0) return;
        rewind(f);
    }
};

#include <unistd.h>

/* Idle paragraph writer with default settings and an empty graphic/plot state. */
inline void Reset_Writers()
{
    FILE *sink = tmpfile();
    Oli_End_Text(sink);
    fclose(sink);
    Oli_Init_Writer(3, 2, 1);
    Oli_Set_Bookmark_Depth(2);
    Oli_Set_Bookmark_Levels(3);
    Oli_Set_Text_Width(17.0);
    Oli_Set_Body_Mode(7);
    Oli_Free_All_Positions();
    Oli_Set_Strip_Zeros(0);
    Oli_Set_Format_Version(338);
    Oli_Graphic_Set_Colour_Mode(1);
    Oli_Graphic_Set_Fill_Mode(1);
    Oli_Set_Dimension_Flags(0);
    Oli_Graphic_Stagger_On();
    Oli_Graphic.rotation = 0;
    Oli_Graphic.text_angle = 0;
    Plot_End();
}
