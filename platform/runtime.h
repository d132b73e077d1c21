/*
** The host runtime stand-in: what the program takes from Windows and its C runtime, for Linux.
** Paths are formed with '/'; temporary names below a directory with the effects of
** GetTempFileNameA/DeleteFileA; wildcard file listing; modification times; the environment;
** starting outside programs with posix_spawn (never a shell); a steady millisecond clock.
** Nothing here knows its callers.
*/
#pragma once

#include <cstddef>
#include <cstdint>

#define RT_PATH_MAX 261   /* bytes of a path buffer of the program, terminator included */

/* ---------------------------------------------------------------- paths */

/* Turn every '\\' of path into '/', in place; answers path. */
char *Rt_Path_Slashes(char *path);
/* dir + '/' + name into out (size bytes; no doubled '/'); 1, or 0 when it does not fit (out cut). */
int   Rt_Path_Join(char *out, size_t size, const char *dir, const char *name);
/* The current working directory into out; 1, or 0 (out empty) when it cannot be read. */
int   Rt_Get_Cwd(char *out, size_t size);

/* ---------------------------------------------------------------- environment */

/* The value of an environment variable, or null when unset. */
const char *Rt_Getenv(const char *name);
/* Set (value non-null) or remove (value null) a variable; 1 on success, 0. */
int   Rt_Setenv(const char *name, const char *value);

/* ---------------------------------------------------------------- files */

int   Rt_File_Exists(const char *path);          /* 1 when path names an existing file or folder */
int   Rt_Is_Directory(const char *path);         /* 1 for an existing folder */
int   Rt_Is_Executable(const char *path);        /* 1 for an existing regular file we may execute */
long long Rt_File_Mtime(const char *path);       /* seconds since 1970, -1 unreadable */
long long Rt_File_Size(const char *path);        /* bytes, -1 unreadable */
/* DeleteFileA: remove a file; 1 on success, 0. */
int   Rt_Delete_File(const char *path);
/* Copy source to target byte for byte (through a temporary name, then rename); with
** fail_if_exists an existing target is kept and 0 answered. 1 on success, 0. */
int   Rt_Copy_File(const char *source, const char *target, int fail_if_exists);
/* Create a folder (and its parents); 1 when it exists afterwards. */
int   Rt_Make_Dirs(const char *path);

/* ---------------------------------------------------------------- temporary names */

/*
** GetTempFileNameA: with unique 0, create an empty new file "<dir>/<pre>XXXX.TMP" (pre: the first
** three characters of prefix, XXXX four hex digits) whose name no file had, write its path into out
** (RT_PATH_MAX bytes) and answer the number used (non-zero). With unique non-zero only form the
** name from that number (no file is created). 0 when dir is no folder or no name could be made.
*/
unsigned Rt_Get_Temp_File_Name(const char *dir, const char *prefix, unsigned unique, char *out);
/* _tempnam: a malloc'd name "<dir>/<prefix>XXXXXX" of a file that does not exist (dir: TEMP or
** /tmp when dir is null or no folder); null on failure. The caller frees it. */
char *Rt_Tempnam(const char *dir, const char *prefix);

/* ---------------------------------------------------------------- file listing */

typedef struct Rt_Find_Data {
    char      name[RT_PATH_MAX];   /* file name without folder */
    char      path[RT_PATH_MAX];   /* folder + '/' + name */
    int       is_dir;              /* 1 for a folder */
    long long size;                /* bytes */
    long long mtime;               /* seconds since 1970 */
} Rt_Find_Data;

typedef struct Rt_Find Rt_Find;   /* an open listing */

/* 1 when name matches the wildcard pattern ('*' any run, '?' one character; case-sensitive). */
int      Rt_Wildcard_Match(const char *pattern, const char *name);
/* Start listing the entries of the folder of pattern (such as "dir/ec5_*.dat"; no folder: the working
** directory) whose names match; dirs_only lists folders, otherwise files only. "." and ".." never.
** Answers the listing with the first entry in *data, or null when nothing matches. */
Rt_Find *Rt_Find_First(const char *pattern, int dirs_only, Rt_Find_Data *data);
/* The next entry: 1, or 0 at the end. Entries come sorted by name. */
int      Rt_Find_Next(Rt_Find *find, Rt_Find_Data *data);
void     Rt_Find_Close(Rt_Find *find);

/* ---------------------------------------------------------------- processes */

/*
** Start program path with argv (argv[0] first, null-terminated) by posix_spawn, never a shell.
** With wait non-zero wait for its end and store its exit code in *exit_code (may be null).
** Answers 0 on success, -1 when it could not be started.
*/
int Rt_Spawn(const char *path, char *const argv[], int wait, int *exit_code);

/* ---------------------------------------------------------------- time */

uint64_t Rt_Clock_Ms(void);       /* a steady clock in milliseconds (arbitrary origin) */
void     Rt_Sleep_Ms(int ms);
