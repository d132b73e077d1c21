/*
** The lock of a component: a lock file "<pid> <host>" with an flock held on it while the window
** that took it runs; taken over from a process that ended, answered as held to a second window;
** a lock file this user may not write held by an flock on a read-only handle.
*/
#include "platform/runtime.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

struct Rt_Lock {
    std::string path;
    int fd;
    pid_t pid;    /* the process that took it: a child of a fork never removes it */
    bool written; /* the file names this process; one of another user's is left as it is */
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
    for (int attempt = 0; attempt < 8; attempt++) {
        bool writable = false;
        const int fd = Open_Lock_File(path, &writable);
        if (fd < 0) return nullptr;
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
                errno = ENOLCK;
                return nullptr;
            }
            is_free = !named || ended;
        }
        if (!is_free) {
            close(fd);
            if (ended && holder && size) holder[0] = '\0';
            *state = RT_LOCK_HELD;
            return nullptr;
        }
        if (writable) {
            char text[320];
            const int len = snprintf(text, sizeof text, "%ld %s\n", (long)getpid(), host.c_str());
            if (ftruncate(fd, 0) != 0 || Write_Holder(fd, text, (size_t)len) != 0) {
                const int err = errno;
                const int emptied = ftruncate(fd, 0); /* a cut line would name another pid */
                (void)emptied;
                close(fd);
                errno = err;
                return nullptr;
            }
            fsync(fd);
        }
        *state = named && !ours ? RT_LOCK_TAKEN_OVER : RT_LOCK_TAKEN;
        return new Rt_Lock{path, fd, getpid(), writable};
    }
    errno = EAGAIN;
    return nullptr;
}

int Rt_Lock_Is_Own(const Rt_Lock *lock)
{
    return lock && lock->pid == getpid() && Still_Named(lock->fd, lock->path.c_str());
}

const char *Rt_Lock_Path(const Rt_Lock *lock) { return lock ? lock->path.c_str() : ""; }

int Rt_Lock_Held_By_Other(const char *path)
{
    if (!path || !*path) return 0;
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
    delete lock;
}
