/*
** Entry of the print-list viewer for the program's libraries: resolves the print list's path
** (relative paths below the base path) and shows it with the viewer.
*/
#include <cstdio>
#include <string>

#include "platform/oliview.h"
#include "platform/runtime.h"
#include "platform/zelkwin_internal.h"

/* Answers the viewer's result: 1 when the list was shown, 0 when it cannot be read. */
int Quick_OLI_View(const char *base, const char *path)
{
    zw::Ensure_Init();
    if (!path || !*path) return 0;
    std::string p = path;
    for (char &c : p)
        if (c == '\\') c = '/';
    if (p[0] != '/' && base && *base) {
        std::string b = base;
        for (char &c : b)
            if (c == '\\') c = '/';
        if (!Rt_File_Exists(p.c_str())) p = b + (b.back() == '/' ? "" : "/") + p;
    }
    return Oli_View_File(p.c_str());
}
