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
#include <cstdio>

#define RT_PATH_MAX 261 /* bytes of a path buffer of the program, terminator included */

/* ---------------------------------------------------------------- paths */

/* Turn every '\\' of path into '/', in place; answers path. */
char *Rt_Path_Slashes(char *path);
/* dir + '/' + name into out (size bytes; no doubled '/'); 1, or 0 when it does not fit (out cut). */
int Rt_Path_Join(char *out, size_t size, const char *dir, const char *name);
/* The current working directory into out; 1, or 0 (out empty) when it cannot be read. */
int Rt_Get_Cwd(char *out, size_t size);
/* The whole path of a file as a box names it: path itself when it begins with '/', else the
** working directory, '/' and path (a leading "./" dropped); the text lives until the next call
** of the thread. */
const char *Rt_Whole_Path(const char *path);

/* ---------------------------------------------------------------- environment */

/* The value of an environment variable, or null when unset. */
const char *Rt_Getenv(const char *name);
/* Set (value non-null) or remove (value null) a variable; 1 on success, 0. */
int Rt_Setenv(const char *name, const char *value);

/* ---------------------------------------------------------------- files */

int Rt_File_Exists(const char *path);      /* 1 when path names an existing file or folder */
int Rt_Is_Directory(const char *path);     /* 1 for an existing folder */
int Rt_Is_Executable(const char *path);    /* 1 for an existing regular file we may execute */
long long Rt_File_Mtime(const char *path); /* seconds since 1970, -1 unreadable */
long long Rt_File_Size(const char *path);  /* bytes, -1 unreadable */
/* 1 for an existing regular file (a link to one counts; a folder, a pipe or a device does not). */
int Rt_Is_Regular_File(const char *path);
/*
** fopen(path, "rb") for every file the program reads: a regular file only (a link to one counts).
** What the name holds is asked before the open and again on the open file, and the open never
** waits, so that a pipe (FIFO) or a device (a link to /dev/zero, /dev/urandom) under the name can
** never hang a reader or feed it without end. Null with errno EISDIR for a folder, ESPIPE for a
** pipe or a socket, ENODEV for a device, or the open's own errno (ENOENT: no such file).
*/
FILE *Rt_Fopen_Read(const char *path);
/*
** The bytes of an open stream from where it stands, at most max_bytes of them, as a stream of their
** own in memory (closed with fclose); *longer is 1 when the stream holds more. A reader that takes
** its file this way never reads more than max_bytes, however large the file is or grows while it
** is read. Null with errno on failure.
*/
FILE *Rt_Read_Head(FILE *f, size_t max_bytes, int *longer);
/* Rt_Fopen_Read, then its first max_bytes bytes by Rt_Read_Head (the file closed again). */
FILE *Rt_Fopen_Read_Head(const char *path, size_t max_bytes, int *longer);
/* DeleteFileA: remove a file; 1 on success, 0. */
int Rt_Delete_File(const char *path);
/* Copy source to target byte for byte (through a temporary name, then rename); with
** fail_if_exists an existing target is kept and 0 answered. 1 on success, 0. */
int Rt_Copy_File(const char *source, const char *target, int fail_if_exists);
/* 1 when a and b are regular files that hold the same bytes (read with Rt_Fopen_Read); 0 when
** they differ or either cannot be read. */
int Rt_Same_Bytes(const char *a, const char *b);
/*
** What stands under path besides a file of its own, which a file replaced whole replaces (never
** written through): RT_LINK_SYMBOLIC, a symbolic link (the whole path of what it points to into
** out); RT_LINK_HARD, a second name of a file (the whole path of another of its names in the same
** folder into out, "" when none is there); RT_LINK_NONE, a file of its own or nothing.
*/
enum { RT_LINK_NONE = 0, RT_LINK_SYMBOLIC = 1, RT_LINK_HARD = 2 };
int Rt_Link_Of(const char *path, char *out, size_t size);
/* Create a folder (and its parents); 1 when it exists afterwards. */
int Rt_Make_Dirs(const char *path);

/* ---------------------------------------------------------------- files replaced whole */

/*
** A file written as a whole and put in place only when every byte of it is on the disk, so that
** a failed write, a kill or a power loss leaves the old file or the new one and never a part:
** the bytes go into "<path>.<pid>.tmp" beside the file, a name of this process alone; Rt_Safe_Commit flushes and checks the stream,
** syncs the temporary file, closes it, renames it over path and syncs the folder. The temporary
** file is created new (Rt_Create_New_File, below): whatever stood under its name before, a link, a
** second name of another file or a file someone holds open, is removed, never written (a folder
** of that name stays and fails the open with EISDIR); a link in the place of path is replaced by
** the rename, never written through. Every file this program replaces whole goes this way.
**
**   Rt_Safe_File *sf = Rt_Safe_Open(path);   (null: errno tells why)
**   fprintf(Rt_Safe_Stream(sf), ...);
**   int ok = Rt_Safe_Commit(sf);             (0: Rt_Safe_Error(sf) tells why; path untouched)
**   Rt_Safe_Close(sf);                       (removes the temporary file unless it was renamed)
**
** Rt_Safe_Finish and Rt_Safe_Install are the two halves of the commit, for callers that put
** several files in place together only after all of them were written; Rt_Safe_Remove_Old takes
** the old file out of its place before the others go in, so that it never stands beside them.
** The rename puts in place only the temporary file this writer created (another one under its
** name fails it with RT_ENOTOWN), and, after Rt_Safe_Expect, only while path is still the file
** seen (else RT_ECHANGED), checked after the install hook, just before the rename; where the
** file seen was none, the rename never replaces a file another writer made meanwhile.
*/
typedef struct Rt_Safe_File Rt_Safe_File;

Rt_Safe_File *Rt_Safe_Open(const char *path);
FILE *Rt_Safe_Stream(Rt_Safe_File *sf);                /* null after the finish */
const char *Rt_Safe_Path(const Rt_Safe_File *sf);      /* the file's own path */
const char *Rt_Safe_Temp_Path(const Rt_Safe_File *sf); /* where the bytes are until the rename */
int Rt_Safe_Finish(Rt_Safe_File *sf);                  /* flush, check, sync, close: 1, or 0 */
int Rt_Safe_Install(Rt_Safe_File *sf);                 /* rename, sync the folder: 1, or 0 */
int Rt_Safe_Commit(Rt_Safe_File *sf);                  /* both: 1, or 0 */
int Rt_Safe_Remove_Old(Rt_Safe_File *sf); /* remove the file at path, sync the folder: 1, or 0 */
/* The errors of a rename that another writer of the same file stood in the way of. */
enum { RT_ECHANGED = 10001, RT_ENOTOWN = 10002 };
/* The error of a writer that no longer holds its component's lock (Rt_Lock_Is_Own). */
enum { RT_ENOLOCK = 10003 };
/* What stands under a name, to tell whether someone changed the file since it was seen: exists 0
** for no file; else its device, inode, size, and modification and change time in nanoseconds. */
typedef struct Rt_File_Id {
    int exists;
    long long dev, ino, size, mtime_ns, ctime_ns;
} Rt_File_Id;
/* The id of path (not followed when a link), 1; or 0 when it cannot be asked (no file: 1, exists 0). */
int Rt_File_Id_Of(const char *path, Rt_File_Id *id);
int Rt_File_Id_Of_Stream(FILE *f, Rt_File_Id *id); /* of an open file: 1, or 0 */
int Rt_Same_File_Id(const Rt_File_Id *a, const Rt_File_Id *b);
void Rt_Safe_Expect(Rt_Safe_File *sf, const Rt_File_Id *seen);
/* The temporary name of path in this process ("<path>.<pid>.tmp"); lives until the next call. */
const char *Rt_Safe_Temp_Name_Of(const char *path);
/* The same for a file that no new one replaces: 1 (also when there was none), or 0 with errno. */
int Rt_Remove_Old_File(const char *path);
/*
** A file kept aside while several files are put in place together, so that all of them can be
** put back when one fails: Rt_Keep_Aside makes "<path>.old" a second name of the file at path (a
** copy where the file system has no such names; a link stays a link, never what it points to;
** whatever stood under "<path>.old" goes first), which stays when path is replaced or removed;
** Rt_Put_Back_Aside puts it back over path (a regular file there that holds its bytes stays, as
** one whose removal failed) and keeps it until Rt_Drop_Aside removes it (so that a kill never
** leaves a file put back without the name that says so). Each syncs the folder
** and runs the install hook (below) first. 1 (also when there is nothing to keep or to put
** back), or 0 with errno; a folder under path is not kept (EISDIR).
*/
int Rt_Keep_Aside(const char *path);
int Rt_Has_Aside(const char *path); /* 1 when "<path>.old" stands */
int Rt_Put_Back_Aside(const char *path);
int Rt_Drop_Aside(const char *path);
/* The name a message gives for Rt_Safe_Open(path) failed with err: its temporary name where what stands
** under the temporary name is in the way (a folder, a name planted again and again), else path.
** The text lives until the next call of the thread. */
const char *Rt_Safe_Open_Failed_Path(const char *path, int err);
void Rt_Safe_Set_Mode(Rt_Safe_File *sf, unsigned mode); /* permissions of the new file */
int Rt_Safe_Error(const Rt_Safe_File *sf);              /* errno of the first failure, 0 none */
int Rt_Safe_Installed(const Rt_Safe_File *sf);          /* 1 once renamed over its path */
/* 1 while the file this writer created stands where it is, under its temporary name before the
** rename and under its path after it (another window or program removed or replaced none). */
int Rt_Safe_Stands(const Rt_Safe_File *sf);
void Rt_Safe_Close(Rt_Safe_File *sf); /* null is allowed */
/* The German reason for an error number, for a message box (code page 850). */
const char *Rt_Error_Text(int err);
/* The same for an error met on path: a name that is not there (ENOENT) says whether the file is
** missing ("Die Datei existiert nicht."), its folder ("Der Ordner <whole path> existiert nicht.")
** or what a link under the name points to. The text lives until the next call of the thread. */
const char *Rt_Path_Error_Text(int err, const char *path);
/* For tests: the disk fills up after `bytes` more bytes written through Rt_Safe files and the
** lock file (writes then fail with ENOSPC); -1 (the start) lifts the limit. Rt_Write_Budget
** answers what is left. */
void Rt_Set_Write_Budget(long long bytes);
long long Rt_Write_Budget(void);
/* For tests: every sync of an Rt_Safe file or its folder fails with err (EIO: the disk lost the
** bytes); 0 (the start) lets syncs work. */
void Rt_Set_Sync_Error(int err);
/* For tests: hook(path) runs before each rename of Rt_Safe_Install, each removal of
** Rt_Safe_Remove_Old or Rt_Remove_Old_File and each change of the files kept aside (a test kills
** the process there); null (the start) runs nothing. */
void Rt_Set_Install_Hook(void (*hook)(const char *path));

/*
** Create path as a new, empty regular file of our own that can never be a link or a file that
** existed before: what stands under the name is removed first (a link goes, never what it points
** to; a second name of a file goes, never the file; a folder stays and answers EISDIR), then the
** file is made with O_CREAT|O_EXCL|O_NOFOLLOW (a name planted again meanwhile is removed again, a
** few times, then EEXIST). The descriptor (read and write, close-on-exec), or -1 with errno.
** Every temporary file and every file written in place is created this way.
*/
int Rt_Create_New_File(const char *path);
/* fopen, except that a mode that writes the file anew ("w", "wb", "w+", ...) creates it with
** Rt_Create_New_File, so that the bytes never go through a link or into another file's name, and
** a mode that appends ("a", "ab", "a+", ...) refuses a link under the name (null, errno ELOOP),
** and a mode that only reads ("r", "rb") is Rt_Fopen_Read. */
FILE *Rt_Fopen(const char *path, const char *mode);
/* Remove the work files that killed writers of path left: "<path>.tmp" of older runs,
** "<path>.<pid>.tmp" and the work files of its copies kept aside or backed up,
** "<path>.<word>.<pid>.tmp" ("<path>.old.<pid>.tmp"), each only where no process of this machine
** runs under its pid (a process that saves or prints keeps its own; this process's own number
** counts as ended, as the callers hold none of their own then). A '?' in the file's name stands
** for any one character ("Stoss_??.inp": every file number). A link goes, never what it points
** to; a folder stays. Called only while the component's lock is ours. 1 when none is left, 0. */
int Rt_Remove_Stale_Temp(const char *path);
/* The same, but each work file is first handed to keep(name, user), which may take it elsewhere
** (rename it) and answer 1; it is removed where keep answers 0. */
int Rt_Remove_Stale_Temp_Keeping(const char *path, int (*keep)(const char *name, void *user),
                                 void *user);

/* ---------------------------------------------------------------- the lock of a component */

/*
** A component is written by one window at a time. Its lock file holds "<pid> <host>" of the
** window that has it open, and that window holds an flock on it while it runs: the kernel drops
** the flock when the process ends however it ends, so a killed window never blocks the next one.
** Linux passes flock on to the server on NFS and SMB folders; where a folder takes no locks at
** all (ENOLCK, EOPNOTSUPP), the pid and host written in the file decide: a process of this host
** that no longer runs leaves its lock to be taken over, one of another host holds it.
** A lock file this user may not write (another user's, mode 0644) is held by an flock on a
** read-only handle: it keeps the name of the window that wrote it. No lock is taken through a link
** or in place of a folder under the name. The window also holds the component on its folder (a
** shared lock of one byte of the folder's handle, the byte of the lock file's name), which no
** removal of the lock file ends: a second window of this machine finds the component held even
** where the lock file was removed by hand. Rt_Lock_Take answers the lock (null unless taken) and in
** *state:
*/
enum {
    RT_LOCK_TAKEN = 0,      /* ours; nobody had it */
    RT_LOCK_TAKEN_OVER = 1, /* ours; it named a process of this host that no longer runs */
    RT_LOCK_HELD = 2,       /* another process has it (holder: "Prozess <pid> auf <host>", ""
                            ** where the file names none that runs) */
    RT_LOCK_FAILED = 3      /* no lock can be taken (errno: ELOOP a link, EISDIR a folder under
                            ** the name, ENOLCK a file this user may not write in a folder
                            ** without locks, EACCES, EROFS, ...) */
};
typedef struct Rt_Lock Rt_Lock;
Rt_Lock *Rt_Lock_Take(const char *path, int *state, char *holder, size_t size);
/* 1 while the component is still this lock's: the lock file under its name is the one it holds,
** or, where it was removed or replaced by hand, no other process holds the file under the name
** (the lock, held on the folder, takes a new lock file with this window's name); 0 where another
** window may have taken the component (one the hold on the folder does not reach: of another
** machine, or where the folder takes no such lock). */
int Rt_Lock_Is_Own(const Rt_Lock *lock);
const char *Rt_Lock_Path(const Rt_Lock *lock); /* "" for null */
/* 1 while another process holds the lock of path (for a window that found it held: whether that
** window still runs), 0 when nobody does or no lock file stands. */
int Rt_Lock_Held_By_Other(const char *path);
/* Remove the lock file (only from the process that took it, and only one it wrote its name into)
** and drop the lock; null allowed. */
void Rt_Lock_Release(Rt_Lock *lock);

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
    char name[RT_PATH_MAX]; /* file name without folder */
    char path[RT_PATH_MAX]; /* folder + '/' + name */
    int is_dir;             /* 1 for a folder */
    long long size;         /* bytes */
    long long mtime;        /* seconds since 1970 */
} Rt_Find_Data;

typedef struct Rt_Find Rt_Find; /* an open listing */

/* 1 when name matches the wildcard pattern ('*' any run, '?' one character; case-sensitive). */
int Rt_Wildcard_Match(const char *pattern, const char *name);
/* Start listing the entries of the folder of pattern (such as "dir/ec5_*.dat"; no folder: the working
** directory) whose names match; dirs_only lists folders, otherwise files only. "." and ".." never.
** Answers the listing with the first entry in *data, or null when nothing matches. */
Rt_Find *Rt_Find_First(const char *pattern, int dirs_only, Rt_Find_Data *data);
/* The next entry: 1, or 0 at the end. Entries come sorted by name. */
int Rt_Find_Next(Rt_Find *find, Rt_Find_Data *data);
void Rt_Find_Close(Rt_Find *find);

/* ---------------------------------------------------------------- processes */

/*
** Start program path with argv (argv[0] first, null-terminated) by posix_spawn, never a shell.
** With wait non-zero wait for its end and store its exit code in *exit_code (may be null).
** Answers 0 on success, -1 when it could not be started.
*/
int Rt_Spawn(const char *path, char *const argv[], int wait, int *exit_code);

/* ---------------------------------------------------------------- time */

uint64_t Rt_Clock_Ms(void); /* a steady clock in milliseconds (arbitrary origin) */
void Rt_Sleep_Ms(int ms);
