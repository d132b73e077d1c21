/*
** Files read only when they are regular files; files created new, never a link or a file that
** existed before; files replaced whole: written into "<path>.<pid>.tmp", such a new file of this
** process alone, checked, synced and renamed over the file while it is still one's own (and the
** file the one seen), the folder synced after the rename; what stands under a name (inode, size,
** time); the removal of the temporary files killed writers left; the German reasons of file
** errors; the write budget by which tests fill the disk.
*/
#include "platform/runtime.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

struct Rt_Safe_File {
    std::string path, temp;
    int fd = -1;
    dev_t temp_dev = 0;  /* the temporary file as created: renamed only while */
    ino_t temp_ino = 0;  /* its name still holds this file */
    bool expect = false; /* rename only while path is what `seen` says */
    Rt_File_Id seen = {};
    FILE *stream = nullptr;
    int error = 0;                  /* errno of the first failure */
    bool finished = false;          /* temporary file complete, synced and closed */
    bool installed = false;         /* renamed over path */
    std::unique_ptr<char[]> buffer; /* the stream's buffer, released after the stream */
};

/* The stream's buffer: a print list runs to tens of megabytes, which stdio's default of 8 kB
** hands to the kernel in thousands of writes. */
enum { SAFE_BUFFER_SIZE = 1 << 18 };

/* Bytes that may still be written before the disk counts as full; -1 no limit. */
static long long Write_Budget = -1;
/* The error every sync answers (a disk that fails to keep the bytes); 0: syncs work. */
static int Sync_Error = 0;
/* Runs before each change that puts a file in place or takes an old one out (tests kill there). */
static void (*Install_Hook)(const char *path) = nullptr;

void Rt_Set_Write_Budget(long long bytes) { Write_Budget = bytes < 0 ? -1 : bytes; }

long long Rt_Write_Budget(void) { return Write_Budget; }

void Rt_Set_Sync_Error(int err) { Sync_Error = err; }

void Rt_Set_Install_Hook(void (*hook)(const char *path)) { Install_Hook = hook; }

static void Before_Install(const std::string &path)
{
    if (Install_Hook != nullptr) Install_Hook(path.c_str());
}

/* ---------------------------------------------------------------- temporary files */

/* The temporary file of path: beside it, so that the rename stays on one file system, and of this
** process alone, "<path>.<pid>.tmp", so that a second window or program that writes the same file
** never takes it or puts it in place. */
static std::string Temp_Name(const std::string &path)
{
    return path + "." + std::to_string((long)getpid()) + ".tmp";
}

const char *Rt_Safe_Temp_Name_Of(const char *path)
{
    static thread_local std::string name;
    name = Temp_Name(path ? path : "");
    return name.c_str();
}

/* Remove what stands under name unless it is a folder: a link goes, never what it points to;
** a second name of a file goes, never the file's other names. 0, or the errno. */
static int Remove_Entry(const std::string &name)
{
    if (unlink(name.c_str()) == 0 || errno == ENOENT) return 0;
    return errno;
}

int Rt_Create_New_File(const char *temp)
{
    if (!temp || !*temp) {
        errno = ENOENT;
        return -1;
    }
    /* O_EXCL refuses any name that exists, a link included (dangling or not), so the file is our
    ** own new one and never a file someone holds open or links elsewhere; a name planted again
    ** between the removal and the creation is removed again, a few times. */
    for (int attempt = 0; attempt < 8; attempt++) {
        const int err = Remove_Entry(temp);
        if (err != 0) {
            errno = err;
            return -1;
        }
        const int fd = open(temp, O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

/* The errno that names what stands under a path instead of a regular file, 0 for a regular file. */
static int Not_Regular_Error(mode_t mode)
{
    if (S_ISREG(mode)) return 0;
    if (S_ISDIR(mode)) return EISDIR;
    if (S_ISFIFO(mode) || S_ISSOCK(mode)) return ESPIPE;
    return ENODEV;
}

FILE *Rt_Fopen_Read(const char *path)
{
    if (!path || !*path) {
        errno = ENOENT;
        return nullptr;
    }
    /* what the name holds is asked first, so that a device is never opened at all */
    struct stat st;
    if (stat(path, &st) != 0) return nullptr;
    int err = Not_Regular_Error(st.st_mode);
    if (err != 0) {
        errno = err;
        return nullptr;
    }
    /* without blocking: a pipe put under the name meanwhile would wait for a writer for ever */
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    err = fstat(fd, &st) != 0 ? errno : Not_Regular_Error(st.st_mode);
    if (err == 0 && fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) err = errno;
    FILE *f = err == 0 ? fdopen(fd, "rb") : nullptr;
    if (f == nullptr) {
        if (err == 0) err = errno;
        close(fd);
        errno = err;
    }
    return f;
}

FILE *Rt_Read_Head(FILE *f, size_t max_bytes, int *longer)
{
    if (longer) *longer = 0;
    if (!f) {
        errno = EINVAL;
        return nullptr;
    }
    std::unique_ptr<char[]> bytes(new (std::nothrow) char[max_bytes + 1]);
    if (!bytes) {
        errno = ENOMEM;
        return nullptr;
    }
    /* one byte more than kept tells a longer stream */
    size_t n = fread(bytes.get(), 1, max_bytes + 1, f);
    if (ferror(f)) {
        errno = EIO;
        return nullptr;
    }
    if (n > max_bytes) {
        n = max_bytes;
        if (longer) *longer = 1;
    }
    /* one byte more than the bytes: a write that fills the buffer loses its last byte to the NUL
    ** that glibc keeps behind the written ones */
    FILE *head = fmemopen(nullptr, n + 1, "w+");
    if (!head) return nullptr;
    if (fwrite(bytes.get(), 1, n, head) != n) {
        fclose(head);
        errno = EIO;
        return nullptr;
    }
    rewind(head);
    return head;
}

FILE *Rt_Fopen_Read_Head(const char *path, size_t max_bytes, int *longer)
{
    if (longer) *longer = 0;
    FILE *f = Rt_Fopen_Read(path);
    if (!f) return nullptr;
    FILE *head = Rt_Read_Head(f, max_bytes, longer);
    const int err = errno;
    fclose(f);
    errno = err;
    return head;
}

FILE *Rt_Fopen(const char *path, const char *mode)
{
    if (!path || !mode) {
        errno = EINVAL;
        return nullptr;
    }
    int fd;
    if (mode[0] == 'a') {
        /* appended to in its place: a link under the name is refused (ELOOP), never followed */
        const int rw = strchr(mode, '+') ? O_RDWR : O_WRONLY;
        fd = open(path, rw | O_CREAT | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
        /* a regular file only: never a pipe or a device that waits or takes bytes for ever */
        struct stat st;
        int err = fd < 0 ? 0 : fstat(fd, &st) != 0 ? errno : Not_Regular_Error(st.st_mode);
        if (err == 0 && fd >= 0 && fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
            err = errno;
        if (err != 0) {
            close(fd);
            errno = err;
            return nullptr;
        }
    } else if (mode[0] == 'w') {
        fd = Rt_Create_New_File(path);
    } else if (mode[0] == 'r' && !strchr(mode, '+')) {
        return Rt_Fopen_Read(path); /* a regular file only, never waiting on a pipe */
    } else {
        return fopen(path, mode);
    }
    if (fd < 0) return nullptr;
    FILE *f = fdopen(fd, mode);
    if (!f) {
        const int err = errno;
        close(fd);
        if (mode[0] == 'w') unlink(path); /* only the file just created, never one appended to */
        errno = err;
    }
    return f;
}

const char *Rt_Safe_Open_Failed_Path(const char *path, int err)
{
    static thread_local std::string name;
    name = path ? path : "";
    /* only what stands under the temporary name answers these: a folder (its removal fails with
    ** EISDIR) or a name planted again at each of the creation's tries */
    if (err == EISDIR || err == EEXIST) name = Temp_Name(name);
    return name.c_str();
}

/* 1 while a process of this machine runs under pid; a number no process can have (0, which
** kill() takes for the own process group, or beyond pid_t) runs nothing. */
static bool Process_Runs(long long pid)
{
    if (pid <= 0 || pid > INT_MAX) return false;
    return kill((pid_t)pid, 0) == 0 || errno == EPERM;
}

/* 1 when text is a word of letters and digits ("old", "bak2"). */
static bool Plain_Word(const std::string &text)
{
    if (text.empty()) return false;
    for (const char c : text)
        if (!isalnum((unsigned char)c)) return false;
    return true;
}

/*
** The process whose work file name is, for a file whose name matches base ('?' any one
** character): "<file>.tmp" of older runs answers 0 (no process); "<file>.<pid>.tmp", and the work
** file of its copy kept aside or backed up, "<file>.<word>.<pid>.tmp" ("<file>.old.<pid>.tmp" of a
** put-back, "<file>.bak.<pid>.tmp"), answer the pid. -1 for any other name.
*/
static long long Work_File_Pid(const std::string &name, const std::string &base)
{
    if (name.size() <= 4 || name.compare(name.size() - 4, 4, ".tmp") != 0) return -1;
    std::string rest = name.substr(0, name.size() - 4);
    if (Rt_Wildcard_Match(base.c_str(), rest.c_str())) return 0;
    const size_t dot = rest.find_last_of('.');
    if (dot == std::string::npos || dot + 1 == rest.size() || rest.size() - dot > 13
        || rest.find_first_not_of("0123456789", dot + 1) != std::string::npos)
        return -1;
    const long long pid = atoll(rest.c_str() + dot + 1);
    rest.resize(dot);
    if (Rt_Wildcard_Match(base.c_str(), rest.c_str())) return pid;
    const size_t word = rest.find_last_of('.');
    if (word == std::string::npos || !Plain_Word(rest.substr(word + 1))) return -1;
    rest.resize(word);
    return Rt_Wildcard_Match(base.c_str(), rest.c_str()) ? pid : -1;
}

int Rt_Remove_Stale_Temp(const char *path)
{
    return Rt_Remove_Stale_Temp_Keeping(path, nullptr, nullptr);
}

int Rt_Remove_Stale_Temp_Keeping(const char *path, int (*keep)(const char *name, void *user),
                                 void *user)
{
    if (!path || !*path) return 0;
    const std::string whole = path;
    const size_t slash = whole.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "."
                               : slash == 0               ? "/"
                                                          : whole.substr(0, slash);
    const std::string base = slash == std::string::npos ? whole : whole.substr(slash + 1);
    DIR *dir = opendir(folder.c_str());
    if (!dir) return errno == ENOENT;
    int ok = 1;
    while (const struct dirent *e = readdir(dir)) {
        const long long pid = Work_File_Pid(e->d_name, base);
        /* a running process's file stays; one of this process's own number was left by an
        ** earlier process of that number (a container starts its programs with the same few
        ** numbers): the callers hold none of their own at that moment */
        if (pid < 0 || (pid != (long long)getpid() && Process_Runs(pid))) continue;
        const std::string name = slash == std::string::npos ? e->d_name : folder + "/" + e->d_name;
        if (keep && keep(name.c_str(), user)) continue;
        ok &= Remove_Entry(name) == 0;
    }
    closedir(dir);
    return ok;
}

/* fsync, or the error the tests asked for. */
static int Sync(int fd)
{
    if (Sync_Error != 0) {
        errno = Sync_Error;
        return -1;
    }
    return fsync(fd);
}

static void Note_Error(Rt_Safe_File *sf, int err)
{
    if (sf->error == 0) sf->error = err ? err : EIO;
}

/* The stream's write: every byte to the file or an error (a short answer marks the stream). */
static ssize_t Cookie_Write(void *cookie, const char *buf, size_t size)
{
    Rt_Safe_File *sf = static_cast<Rt_Safe_File *>(cookie);
    size_t done = 0;
    while (done < size) {
        size_t want = size - done;
        if (Write_Budget == 0) {
            Note_Error(sf, ENOSPC);
            break;
        }
        if (Write_Budget > 0 && (long long)want > Write_Budget) want = (size_t)Write_Budget;
        const ssize_t k = write(sf->fd, buf + done, want);
        if (k < 0) {
            if (errno == EINTR) continue;
            Note_Error(sf, errno);
            break;
        }
        done += (size_t)k;
        if (Write_Budget > 0) Write_Budget -= k;
    }
    if (done < size) errno = sf->error;
    return (ssize_t)done;
}

/* The descriptor stays open: the finish syncs it before it closes it. */
static int Cookie_Close(void *) { return 0; }

Rt_Safe_File *Rt_Safe_Open(const char *path)
{
    if (!path || !*path) {
        errno = ENOENT;
        return nullptr;
    }
    Rt_Safe_File *sf = new Rt_Safe_File;
    sf->path = path;
    sf->temp = Temp_Name(sf->path);
    sf->fd = Rt_Create_New_File(sf->temp.c_str());
    if (sf->fd < 0) {
        const int err = errno;
        delete sf;
        errno = err;
        return nullptr;
    }
    struct stat own;
    if (fstat(sf->fd, &own) == 0) {
        sf->temp_dev = own.st_dev;
        sf->temp_ino = own.st_ino;
    }
    /* a file replaced keeps its permissions (a link in its place lends none: it is replaced) */
    struct stat st;
    if (lstat(path, &st) == 0 && S_ISREG(st.st_mode)) fchmod(sf->fd, st.st_mode & 07777);
    cookie_io_functions_t io = {nullptr, Cookie_Write, nullptr, Cookie_Close};
    sf->stream = fopencookie(sf, "w", io);
    if (!sf->stream) {
        const int err = errno;
        close(sf->fd);
        unlink(sf->temp.c_str());
        delete sf;
        errno = err;
        return nullptr;
    }
    sf->buffer.reset(new (std::nothrow) char[SAFE_BUFFER_SIZE]);
    if (sf->buffer) setvbuf(sf->stream, sf->buffer.get(), _IOFBF, SAFE_BUFFER_SIZE);
    return sf;
}

FILE *Rt_Safe_Stream(Rt_Safe_File *sf) { return sf ? sf->stream : nullptr; }
const char *Rt_Safe_Path(const Rt_Safe_File *sf) { return sf ? sf->path.c_str() : ""; }
const char *Rt_Safe_Temp_Path(const Rt_Safe_File *sf) { return sf ? sf->temp.c_str() : ""; }
int Rt_Safe_Error(const Rt_Safe_File *sf) { return sf ? sf->error : EINVAL; }
int Rt_Safe_Installed(const Rt_Safe_File *sf) { return sf && sf->installed; }

void Rt_Safe_Expect(Rt_Safe_File *sf, const Rt_File_Id *seen)
{
    if (!sf || !seen) return;
    sf->expect = true;
    sf->seen = *seen;
}

/* ---------------------------------------------------------------- what stands under a name */

static void Id_From_Stat(const struct stat &st, Rt_File_Id *id)
{
    id->exists = 1;
    id->dev = (long long)st.st_dev;
    id->ino = (long long)st.st_ino;
    id->size = (long long)st.st_size;
    id->mtime_ns = (long long)st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
    /* a program may set the time of its change back (utimensat, touch -d); the kernel moves
    ** the change time on with every write whatever the program does */
    id->ctime_ns = (long long)st.st_ctim.tv_sec * 1000000000LL + st.st_ctim.tv_nsec;
}

int Rt_File_Id_Of(const char *path, Rt_File_Id *id)
{
    *id = Rt_File_Id{};
    struct stat st;
    if (!path || lstat(path, &st) != 0) return errno == ENOENT;
    Id_From_Stat(st, id);
    return 1;
}

int Rt_File_Id_Of_Stream(FILE *f, Rt_File_Id *id)
{
    *id = Rt_File_Id{};
    struct stat st;
    if (!f || fstat(fileno(f), &st) != 0) return 0;
    Id_From_Stat(st, id);
    return 1;
}

int Rt_Same_File_Id(const Rt_File_Id *a, const Rt_File_Id *b)
{
    if (a->exists != b->exists) return 0;
    return !a->exists
           || (a->dev == b->dev && a->ino == b->ino && a->size == b->size
               && a->mtime_ns == b->mtime_ns && a->ctime_ns == b->ctime_ns);
}

void Rt_Safe_Set_Mode(Rt_Safe_File *sf, unsigned mode)
{
    if (sf && sf->fd >= 0) fchmod(sf->fd, mode & 07777);
}

int Rt_Safe_Finish(Rt_Safe_File *sf)
{
    if (!sf) return 0;
    if (sf->finished) return sf->error == 0;
    if (sf->stream) {
        if (fflush(sf->stream) != 0 || ferror(sf->stream)) Note_Error(sf, errno);
        if (fclose(sf->stream) != 0) Note_Error(sf, errno);
        sf->stream = nullptr;
    }
    /* a file system without sync (EINVAL) has nothing to wait for */
    if (sf->error == 0 && Sync(sf->fd) != 0 && errno != EINVAL) Note_Error(sf, errno);
    if (close(sf->fd) != 0 && sf->error == 0) Note_Error(sf, errno);
    sf->fd = -1;
    sf->finished = true;
    return sf->error == 0;
}

/* Sync the folder of path, so that the rename itself survives a power loss. */
static int Sync_Folder(const std::string &path)
{
    const size_t slash = path.find_last_of('/');
    const std::string dir = slash == std::string::npos ? "."
                            : slash == 0               ? "/"
                                                       : path.substr(0, slash);
    const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    int err = 0;
    if (Sync(fd) != 0 && errno != EINVAL) err = errno;
    close(fd);
    return err;
}

int Rt_Safe_Stands(const Rt_Safe_File *sf)
{
    struct stat st;
    return sf && lstat((sf->installed ? sf->path : sf->temp).c_str(), &st) == 0
           && st.st_dev == sf->temp_dev && st.st_ino == sf->temp_ino;
}

/* rename(2), and where no file is expected under to (a new file), a rename that never replaces
** one: a file that another writer put there meanwhile fails it with EEXIST. */
static int Rename_Over(const char *from, const char *to, bool no_replace)
{
    if (!no_replace) return rename(from, to);
    if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) return 0;
    /* a file system that cannot refuse: the check just before stands alone */
    if (errno == EINVAL || errno == ENOSYS) return rename(from, to);
    return -1;
}

int Rt_Safe_Install(Rt_Safe_File *sf)
{
    if (!sf || !sf->finished || sf->error != 0) return 0;
    if (sf->installed) return 1;
    Before_Install(sf->path);
    /* only a temporary file that is still our own goes in, and only over the file we saw there */
    if (!Rt_Safe_Stands(sf)) {
        Note_Error(sf, RT_ENOTOWN);
        return 0;
    }
    Rt_File_Id now;
    if (sf->expect
        && (!Rt_File_Id_Of(sf->path.c_str(), &now) || !Rt_Same_File_Id(&now, &sf->seen))) {
        Note_Error(sf, RT_ECHANGED);
        return 0;
    }
    if (Rename_Over(sf->temp.c_str(), sf->path.c_str(), sf->expect && !sf->seen.exists) != 0) {
        Note_Error(sf, errno == EEXIST ? RT_ECHANGED : errno);
        return 0;
    }
    sf->installed = true;
    const int err = Sync_Folder(sf->path);
    if (err != 0) {
        Note_Error(sf, err);
        return 0;
    }
    return 1;
}

/* Take path out of its place, the folder synced when something went: 0, or the errno. */
static int Remove_Old(const std::string &path)
{
    Before_Install(path);
    if (unlink(path.c_str()) != 0) return errno == ENOENT ? 0 : errno;
    return Sync_Folder(path);
}

int Rt_Safe_Remove_Old(Rt_Safe_File *sf)
{
    if (!sf || sf->error != 0) return 0;
    if (sf->installed) return 1;
    const int err = Remove_Old(sf->path);
    if (err == 0) return 1;
    Note_Error(sf, err);
    return 0;
}

int Rt_Remove_Old_File(const char *path)
{
    if (!path || !*path) return 1;
    const int err = Remove_Old(path);
    if (err == 0) return 1;
    errno = err;
    return 0;
}

int Rt_Safe_Commit(Rt_Safe_File *sf) { return Rt_Safe_Finish(sf) && Rt_Safe_Install(sf); }

/* ---------------------------------------------------------------- files kept aside */

static std::string Aside_Name(const std::string &path) { return path + ".old"; }

/* errno set from err, answering 0; or 1 for err 0. */
static int Answer(int err)
{
    if (err == 0) return 1;
    errno = err;
    return 0;
}

int Rt_Keep_Aside(const char *path)
{
    if (!path || !*path) return Answer(ENOENT);
    const std::string aside = Aside_Name(path);
    Before_Install(aside);
    int err = Remove_Entry(aside);
    if (err != 0) return Answer(err);
    struct stat st;
    if (lstat(path, &st) != 0) return Answer(errno == ENOENT ? 0 : errno);
    if (S_ISDIR(st.st_mode)) return Answer(EISDIR);
    /* a second name of the same file: nothing is copied, and a link stays a link */
    if (link(path, aside.c_str()) != 0) {
        err = errno;
        /* a file system without hard links gets a copy of a regular file */
        if (!S_ISREG(st.st_mode) || !Rt_Copy_File(path, aside.c_str(), 1)) return Answer(err);
    }
    return Answer(Sync_Folder(aside));
}

int Rt_Has_Aside(const char *path)
{
    struct stat st;
    return path && *path && lstat(Aside_Name(path).c_str(), &st) == 0;
}

int Rt_Put_Back_Aside(const char *path)
{
    if (!path || !*path || !Rt_Has_Aside(path)) return 1;
    const std::string aside = Aside_Name(path), twin = Temp_Name(aside);
    /* the file in place holds the bytes kept aside (its removal failed: an immutable file, one
    ** that another holds): nothing to put back, and a file that cannot be replaced is not tried */
    struct stat in_place;
    if (lstat(path, &in_place) == 0 && S_ISREG(in_place.st_mode)
        && Rt_Same_Bytes(path, aside.c_str()))
        return 1;
    Before_Install(path);
    /* a second name of the file kept aside goes over path, so that "<path>.old" stays until it
    ** is dropped, whenever the program ends */
    int err = Remove_Entry(twin);
    if (err != 0) return Answer(err);
    if (link(aside.c_str(), twin.c_str()) != 0) {
        err = errno;
        struct stat st;
        if (lstat(aside.c_str(), &st) != 0 || !S_ISREG(st.st_mode)
            || !Rt_Copy_File(aside.c_str(), twin.c_str(), 1))
            return Answer(err);
    }
    if (rename(twin.c_str(), path) != 0) err = errno;
    /* a rename between two names of one file changes nothing: the second name goes */
    unlink(twin.c_str());
    return Answer(err != 0 ? err : Sync_Folder(path));
}

int Rt_Drop_Aside(const char *path)
{
    if (!path || !*path || !Rt_Has_Aside(path)) return 1;
    const std::string aside = Aside_Name(path);
    Before_Install(aside);
    if (unlink(aside.c_str()) != 0 && errno != ENOENT) return Answer(errno);
    return Answer(Sync_Folder(aside));
}

void Rt_Safe_Close(Rt_Safe_File *sf)
{
    if (!sf) return;
    if (sf->stream) fclose(sf->stream);
    if (sf->fd >= 0) close(sf->fd);
    if (!sf->installed) unlink(sf->temp.c_str());
    delete sf;
}

/* ---------------------------------------------------------------- reasons */

/* The reason of a file error in a message box; the text lives until the next call of the thread. */
const char *Rt_Error_Text(int err)
{
    switch (err) {
    case 0: return "Kein Fehler.";
    case ENOSPC: return "Der Datentr\x84ger ist voll.";
    case EDQUOT: return "Das Speicherkontingent ist ersch\x94pft.";
    case EFBIG: return "Die Datei wird zu gro\xE1.";
    case EACCES:
    case EPERM: return "Keine Berechtigung f\x81r diese Datei.";
    case EROFS: return "Der Datentr\x84ger ist schreibgesch\x81tzt.";
    case ENOENT: return "Die Datei oder ihr Ordner existiert nicht.";
    case ENOTDIR: return "Ein Teil des Pfades ist kein Ordner.";
    case EISDIR: return "Der Name bezeichnet einen Ordner.";
    case ESPIPE: return "Der Name bezeichnet eine Pipe und keine Datei.";
    case ENODEV: return "Der Name bezeichnet ein Ger\x84t und keine Datei.";
    case ENAMETOOLONG: return "Der Name ist zu lang.";
    case EEXIST: return "Der Name ist bereits vergeben.";
    case EMFILE:
    case ENFILE: return "Zu viele offene Dateien.";
    case ENOMEM: return "Nicht genug Speicher.";
    case EIO: return "Ein-/Ausgabefehler des Datentr\x84gers.";
    case ELOOP: return "Der Name bezeichnet eine Verkn\x81pfung.";
    case ENOLCK: return "Der Ordner nimmt keine Sperren an.";
    case RT_ECHANGED:
        return "Ein anderes Programm oder Fenster hat die Datei inzwischen ge\x84ndert.";
    case RT_ENOTOWN:
        return "Ein anderes Programm oder Fenster hat die Arbeitsdatei entfernt oder ersetzt.";
    case RT_ENOLOCK:
        return "Die Sperrdatei des Bauteils wurde entfernt oder ersetzt; ein anderes Fenster kann "
               "es ge\x94"
               "ffnet haben.";
    default: {
        static thread_local char text[48];
        snprintf(text, sizeof text, "Systemfehler %d.", err);
        return text;
    }
    }
}

const char *Rt_Path_Error_Text(int err, const char *path)
{
    if (err != ENOENT || !path || !*path) return Rt_Error_Text(err);
    static thread_local std::string text;
    const std::string whole = Rt_Whole_Path(path);
    const size_t slash = whole.find_last_of('/');
    const std::string folder = slash == 0 ? "/" : whole.substr(0, slash);
    struct stat st;
    char target[4096];
    ssize_t n;
    if (lstat(path, &st) == 0 && S_ISLNK(st.st_mode)
        && (n = readlink(path, target, sizeof target - 1)) > 0) {
        /* a link whose target is gone */
        target[n] = '\0';
        text = std::string("Die Verkn\x81pfung zeigt auf ") + target + "; dort steht keine Datei.";
    } else if (stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        text = "Der Ordner " + folder + " existiert nicht.";
    } else {
        text = "Die Datei existiert nicht.";
    }
    return text.c_str();
}
