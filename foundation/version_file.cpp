/*
** The environment's version files "$EXEC/<program>/VERSION" and the citation switch of the
** national-annex texts.
*/
#include "foundation/version_file.h"

#include <cstdio>
#include <cstring>

#include "platform/runtime.h"
#include "platform/zelkwin.h"

#define VERSION_LINE_SIZE 256

const char *Read_Program_Version_File(const char *name)
{
    static char line[VERSION_LINE_SIZE];
    const char *exec = Rt_Getenv("EXEC");
    if (!exec || !name) return nullptr;
    char path[2 * RT_PATH_MAX];
    snprintf(path, sizeof path, "%s/%s/VERSION", exec, name);
    FILE *f = Fopen_Read_Said(nullptr, path, nullptr);
    if (!f) return nullptr;
    if (!fgets(line, sizeof line, f)) line[0] = '\0';
    size_t len = strlen(line);
    if (len > 0 && line[len - 1] == '\n') {
        line[--len] = '\0';
    } else if (len > 0) {
        int c; /* a first line longer than 255 characters: the rest is not ours */
        while ((c = getc(f)) != EOF && c != '\n') {}
    }
    if (len > 0 && line[len - 1] == '\r') line[--len] = '\0';
    /* Each "<" in a later line patches the last two characters of the version line. */
    char later[1024];
    while (fgets(later, sizeof later, f)) {
        for (const char *p = strchr(later, '<'); p; p = strchr(p + 1, '<')) {
            if (len < 2) continue;
            const char a = p[1], b = a ? p[2] : '\0';
            if (a == '\0' || a == '\n' || a == '\r' || b == '\0' || b == '\n' || b == '\r')
                continue;
            line[len - 2] = a;
            line[len - 1] = b;
        }
    }
    fclose(f);
    return line;
}

int NAD_Citation_Mode = 1;

int Get_NAD_Citation_Mode(void) { return NAD_Citation_Mode; }
