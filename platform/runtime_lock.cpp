/*
** The lock of a component: a lock file "<pid> <host>" with an flock held on it while the window
** that took it runs, and beside it the hold of the component on its folder, which no removal of
** the lock file ends; taken over from a process that ended, answered as held to a second window;
** a lock file this user may not write held by an flock on a read-only handle.
*/
#include "platform/runtime.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

struct Rt_Lock {
    std::string path;
    /* the lock file held: a new one where the old was removed by hand (Rt_Lock_Is_Own) */
    mutable int fd;
    pid_t pid;            /* the process that took it: a child of a fork never removes it */
    mutable bool written; /* the file names this process; one of another user's is left as it is */
    int folder;           /* the folder's handle that holds the component (Hold_In_Folder), or -1 */
};

static std::string Host_Name(void)
{
    char host[256] = "";
    if (gethostname(host, sizeof host - 1) != 0 || !host[0]) return "unbekannt";
    host[sizeof host - 1] = '\0';
    return host;
}

/* The pid and host written in the lock file; false when it names none (new, or cut). */
static bool Read_Holder(int fd, long *pid, std::string *host)
{
    char text[512];
    const ssize_t n = pread(fd, text, sizeof text - 1, 0);
    if (n <= 0) return false;
    text[n] = '\0';
    char name[300];
    if (sscanf(text, "%ld %299s", pid, name) != 2 || *pid <= 0) return false;
    *host = name;
    return true;
}

/* 1 while a process of this host runs under pid (never a number no process can have). */
static bool Runs_Here(long pid)
{
    return pid > 0 && pid <= INT_MAX && (kill((pid_t)pid, 0) == 0 || errno == EPERM);
}

/* 1 when fd is the file that the name stands for now (its holder may have removed it). */
static bool Still_Named(int fd, const char *path)
{
    struct stat a, b;
    return fstat(fd, &a) == 0 && stat(path, &b) == 0 && a.st_dev == b.st_dev
           && a.st_ino == b.st_ino;
}

/* Write the holder's line from the start; 0, or -1 with errno. A short write gives no reason:
** the rest once more answers why (EFBIG past the limit of the file size, ENOSPC), or errno 0
** where a write took nothing without one. */
static int Write_Holder(int fd, const char *text, size_t len)
{
    size_t done = 0;
    while (done < len) {
        /* a test's full disk (Rt_Set_Write_Budget) */
        const long long budget = Rt_Write_Budget();
        if (budget == 0) {
            errno = ENOSPC;
            return -1;
        }
        const size_t want =
            budget > 0 && (long long)(len - done) > budget ? (size_t)budget : len - done;
        const ssize_t n = pwrite(fd, text + done, want, (off_t)done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) {
            errno = 0;
            return -1;
        }
        if (budget > 0) Rt_Set_Write_Budget(budget - n);
        done += (size_t)n;
    }
    return 0;
}

/* ---------------------------------------------------------------- the hold on the folder */

/*
** A lock file can be removed by hand while its window runs; the next window would make a new one
** and take it. So the window that takes a component also holds it on the component's folder,
** which no removal of a file ends: a shared open-file-description lock (F_OFD_SETLK, F_RDLCK) on
** one byte of the folder's handle, the byte of the lock file's name (several components share a
** folder; a folder opens only for reading, so the lock is a shared one). A shared lock excludes
** no other shared one, but another window sees it by asking for an exclusive lock of that byte
** (F_OFD_GETLK), and then opens the component read-only. The kernel drops it when the window ends
** however it ends, as the flock of the lock file. Where the folder takes no such lock (EINVAL,
** ENOLCK: some network folders), the lock file alone holds the component.
*/

/* The byte of the folder that stands for the lock file's name (FNV-1a of the name, below 2^62). */
static off_t Hold_Byte(const std::string &path)
{
    const size_t slash = path.find_last_of('/');
    uint64_t h = 14695981039346656037ull;
    for (size_t i = slash == std::string::npos ? 0 : slash + 1; i < path.size(); i++)
        h = (h ^ (unsigned char)path[i]) * 1099511628211ull;
    return (off_t)(h & ((1ull << 62) - 1));
}

/* The folder of the lock file, opened for its hold, or -1. */
static int Open_Folder(const std::string &path)
{
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "."
                               : slash == 0               ? "/"
                                                          : path.substr(0, slash);
    return open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

/* A lock of type (F_RDLCK, F_WRLCK) on the byte of path in the folder's handle: set (cmd
** F_OFD_SETLK) or asked for (F_OFD_GETLK, the answer in *lock); true where fcntl took it. */
static bool Folder_Byte_Lock(int folder, const std::string &path, short type, int cmd,
                             struct flock *lock)
{
    memset(lock, 0, sizeof *lock);
    lock->l_type = type;
    lock->l_whence = SEEK_SET;
    lock->l_start = Hold_Byte(path);
    lock->l_len = 1;
    return fcntl(folder, cmd, lock) == 0;
}

/* 1 when another window holds the component of path on its folder (folder: a handle of it, also
** this process's other windows count), 0 when none does or the folder takes no such lock. */
static bool Held_In_Folder(int folder, const std::string &path)
{
    struct flock probe;
    return folder >= 0 && Folder_Byte_Lock(folder, path, F_WRLCK, F_OFD_GETLK, &probe)
           && probe.l_type != F_UNLCK;
}

/* Hold the component of path on the folder's handle: true, or false where the folder takes no
** such lock. */
static bool Hold_In_Folder(int folder, const std::string &path)
{
    struct flock hold;
    return folder >= 0 && Folder_Byte_Lock(folder, path, F_RDLCK, F_OFD_SETLK, &hold);
}

/* ---------------------------------------------------------------- the lock file */

/*
** Open the lock file, made when it is missing: for writing, or where this user may not write it
** (a file of another user, mode 0644) for reading, whose flock holds it as well; only a regular
** file of that name, never through a link (ELOOP) or a folder (EISDIR). The descriptor, or -1
** with errno; *writable whether the file can take this window's name.
*/
static int Open_Lock_File(const char *path, bool *writable)
{
    /* without blocking: a pipe under the name would wait for a writer for ever */
    const int flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    int fd = open(path, O_RDWR | O_CREAT | flags, 0666);
    *writable = fd >= 0;
    if (fd < 0 && (errno == EACCES || errno == EPERM)) {
        const int err = errno;
        fd = open(path, O_RDONLY | flags);
        if (fd < 0) errno = err;
    }
    if (fd < 0) return -1;
    struct stat st;
    const int err = fstat(fd, &st) != 0   ? errno
                    : S_ISREG(st.st_mode) ? 0
                    : S_ISDIR(st.st_mode) ? EISDIR
                                          : ESPIPE;
    if (err != 0) {
        close(fd);
        errno = err;
        return -1;
    }
    return fd;
}

/* Write "<pid> <host>" of this process into the lock file and sync it: true, or false with errno. */
static bool Write_Name(int fd, const std::string &host)
{
    char text[320];
    const int len = snprintf(text, sizeof text, "%ld %s\n", (long)getpid(), host.c_str());
    if (ftruncate(fd, 0) != 0 || Write_Holder(fd, text, (size_t)len) != 0) {
        const int err = errno;
        const int emptied = ftruncate(fd, 0); /* a cut line would name another pid */
        (void)emptied;
        errno = err;
        return false;
    }
    fsync(fd);
    return true;
}

Rt_Lock *Rt_Lock_Take(const char *path, int *state, char *holder, size_t size)
{
    int dummy;
    if (!state) state = &dummy;
    if (holder && size) holder[0] = '\0';
    *state = RT_LOCK_FAILED;
    if (!path || !*path) {
        errno = ENOENT;
        return nullptr;
    }
    const std::string host = Host_Name();
    /* a window that holds the component on its folder holds it, whatever became of its lock
    ** file: it is named where the lock file still names a window that runs */
    int folder = Open_Folder(path);
    if (Held_In_Folder(folder, path)) {
        close(folder);
        const int fd = open(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        long pid = 0;
        std::string who;
        if (fd >= 0 && Read_Holder(fd, &pid, &who) && (who != host || Runs_Here(pid)) && holder
            && size)
            snprintf(holder, size, "Prozess %ld auf dem Rechner %s", pid, who.c_str());
        if (fd >= 0) close(fd);
        *state = RT_LOCK_HELD;
        return nullptr;
    }
    for (int attempt = 0; attempt < 8; attempt++) {
        bool writable = false;
        const int fd = Open_Lock_File(path, &writable);
        if (fd < 0) {
            const int err = errno;
            if (folder >= 0) close(folder);
            errno = err;
            return nullptr;
        }
        long pid = 0;
        std::string who;
        const bool named = Read_Holder(fd, &pid, &who);
        const bool ours = named && pid == (long)getpid() && who == host;
        /* a process of this host that no longer runs is not the one that holds the file now
        ** (one that may not write it holds it under the name of an earlier window) */
        const bool ended = named && who == host && !ours && !Runs_Here(pid);
        if (holder && size && named)
            snprintf(holder, size, "Prozess %ld auf dem Rechner %s", pid, who.c_str());
        bool is_free = false;
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            if (!Still_Named(fd, path)) { /* removed by its holder meanwhile: once more */
                close(fd);
                continue;
            }
            is_free = true; /* nobody holds it: whoever it names has ended */
        } else if (errno != EWOULDBLOCK) {
            /* a folder without locks: the pid and host in the file decide, and a file that
            ** cannot take this window's name cannot hold it there */
            if (!writable) {
                close(fd);
                if (folder >= 0) close(folder);
                errno = ENOLCK;
                return nullptr;
            }
            is_free = !named || ended;
        }
        if (!is_free) {
            close(fd);
            if (folder >= 0) close(folder);
            if (ended && holder && size) holder[0] = '\0';
            *state = RT_LOCK_HELD;
            return nullptr;
        }
        /* the hold on the folder before the name: a window that starts now finds one of them */
        if (!Hold_In_Folder(folder, path) && folder >= 0) {
            close(folder);
            folder = -1;
        }
        if (writable && !Write_Name(fd, host)) {
            const int err = errno;
            close(fd);
            if (folder >= 0) close(folder);
            errno = err;
            return nullptr;
        }
        *state = named && !ours ? RT_LOCK_TAKEN_OVER : RT_LOCK_TAKEN;
        return new Rt_Lock{path, fd, getpid(), writable, folder};
    }
    if (folder >= 0) close(folder);
    errno = EAGAIN;
    return nullptr;
}

/*
** The lock file of a window that holds its component on the folder was removed or replaced by
** hand: a lock file that no other process holds (made anew where it is missing) takes this
** window's flock and name again, so that the file names the window again for a window of another
** machine or a look at the folder. true while the component is this window's: also where no lock
** file can stand under the name (a folder or a link there now, a folder no longer writable);
** false where another process holds the file under the name, which the hold on the folder does
** not reach (a window of another machine).
*/
static bool Renew_Lock_File(const Rt_Lock *lock)
{
    const std::string host = Host_Name();
    for (int attempt = 0; attempt < 8; attempt++) {
        bool writable = false;
        const int fd = Open_Lock_File(lock->path.c_str(), &writable);
        if (fd < 0) return true;
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            /* a folder without locks: a file that names another window that runs holds it */
            long pid = 0;
            std::string who;
            const bool other = errno == EWOULDBLOCK
                               || (Read_Holder(fd, &pid, &who)
                                   && (who != host || (pid != (long)getpid() && Runs_Here(pid))));
            if (other) {
                close(fd);
                return false;
            }
        } else if (!Still_Named(fd, lock->path.c_str())) {
            close(fd);
            continue;
        }
        if (writable && !Write_Name(fd, host)) writable = false;
        close(lock->fd);
        lock->fd = fd;
        lock->written = writable;
        return true;
    }
    return true;
}

int Rt_Lock_Is_Own(const Rt_Lock *lock)
{
    if (!lock || lock->pid != getpid()) return 0;
    if (Still_Named(lock->fd, lock->path.c_str())) return 1;
    /* removed or replaced: the hold on the folder keeps the component this window's */
    return lock->folder >= 0 && Renew_Lock_File(lock);
}

const char *Rt_Lock_Path(const Rt_Lock *lock) { return lock ? lock->path.c_str() : ""; }

int Rt_Lock_Held_By_Other(const char *path)
{
    if (!path || !*path) return 0;
    const int folder = Open_Folder(path);
    const bool in_folder = Held_In_Folder(folder, path);
    if (folder >= 0) close(folder);
    if (in_folder) return 1;
    /* gone (its window removed it at its end), or no lock file at all */
    const int fd = open(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return 0;
    long pid = 0;
    std::string who;
    const std::string host = Host_Name();
    const bool named = Read_Holder(fd, &pid, &who);
    int held;
    if (named && who == host && pid != (long)getpid() && Runs_Here(pid)) {
        held = 1; /* asked without taking the flock for a moment */
    } else if (flock(fd, LOCK_SH | LOCK_NB) == 0) {
        held = 0;
    } else {
        /* a folder without locks: only a process of another host may still hold it */
        held = errno == EWOULDBLOCK || (named && who != host);
    }
    close(fd); /* drops the shared flock */
    return held;
}

void Rt_Lock_Release(Rt_Lock *lock)
{
    if (!lock) return;
    /* removed while held, so that no other window takes the name between; a window that opened
    ** the file meanwhile finds it no longer named and opens the name again; a file that names
    ** another (this user may not write it) stays as it was */
    if (lock->pid == getpid() && lock->written && Still_Named(lock->fd, lock->path.c_str()))
        unlink(lock->path.c_str());
    close(lock->fd);
    if (lock->folder >= 0) close(lock->folder);
    delete lock;
}
