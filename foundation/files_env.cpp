/*
** File tools that reach the environment through the GUI library: temporary file names below
** TEMP (VELGetEnv), the temporary-file table, copies (VELCopyFile), removal by wildcard
** (DOSFind*) and the sibling-tool check.
*/
#include "foundation/files.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "foundation/ttool.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"

/* ---------------------------------------------------------------- temporary files */

char *Make_Temp_File_Name(char *buf)
{
    if (!buf) return nullptr;
    const char *dir = VELGetEnv("TEMP");
    /* As GetTempFileNameA: a unique name whose empty file the call creates; we only want the name. */
    if (dir && Rt_Get_Temp_File_Name(dir, "VEL", 0, buf) != 0) {
        Rt_Delete_File(buf);
        return buf;
    }
    char *name = Rt_Tempnam(dir, "VEL_"); /* TEMP, else /tmp */
    if (name) {
        Str_Copy_Bounded(buf, name, FILES_PATH_MAX);
        free(name);
        return buf;
    }
    buf[0] = '\0';
    return nullptr;
}

typedef struct Temp_Slot {
    FILE *stream;              /* null while the slot is free */
    char name[FILES_PATH_MAX]; /* full name of its file */
} Temp_Slot;

static Temp_Slot Temp_Slots[TEMP_FILE_SLOTS];

FILE *Temp_File_Open(const char *mode)
{
    if (!mode) return nullptr;
    for (Temp_Slot &slot : Temp_Slots) {
        if (slot.stream) continue;
        if (!Make_Temp_File_Name(slot.name)) return nullptr;
        /* the name was free a moment ago; whatever was planted under it since is not opened */
        slot.stream = Rt_Fopen(slot.name, mode);
        return slot.stream;
    }
    return nullptr;
}

int Temp_File_Close(FILE *file)
{
    if (!file) return 0;
    for (Temp_Slot &slot : Temp_Slots) {
        if (slot.stream != file) continue;
        const int ok = fclose(file) == 0;
        slot.stream = nullptr;
        remove(slot.name);
        slot.name[0] = '\0';
        return ok;
    }
    return 0;
}

/* ---------------------------------------------------------------- copies and removal */

int Base_Path_Copy_File(const char *source, const char *target, int flag)
{
    char from[FILES_PATH_MAX], to[FILES_PATH_MAX];
    if (!Base_Path_Make(from, source, FILES_PATH_MAX)
        || !Base_Path_Make(to, target, FILES_PATH_MAX))
        return 0;
    return VELCopyFile(from, to, flag) ? 1 : 0;
}

int Base_Path_Remove_Matching(const char *pattern)
{
    char path[FILES_PATH_MAX];
    if (!Base_Path_Make(path, pattern, FILES_PATH_MAX)) return -1;
    Rt_Path_Slashes(path);
    const char *slash = strrchr(path, '/');
    const int dir_len = slash ? static_cast<int>(slash - path) + 1 : 0;
    DOS_FIND_DATA data;
    const int handle = DOSFindFirstFile(path, &data);
    if (handle <= 0) return 0;
    int removed = 0;
    do {
        char full[2 * FILES_PATH_MAX];
        snprintf(full, sizeof full, "%.*s%s", dir_len, path, data.name);
        if (remove(full) == 0) removed++;
    } while (DOSFindNext(handle, &data));
    DOSFindClose(handle);
    return removed;
}

int Sibling_Tool_Present(void)
{
    static int known = -1; /* remembered after the first call */
    if (known < 0) {
        const char *exec = VELGetEnv("EXEC");
        char path[FILES_PATH_MAX];
        known = exec && Rt_Path_Join(path, sizeof path, exec, "Quandrel") && Rt_Is_Executable(path)
                    ? 1
                    : 0;
    }
    return known;
}
