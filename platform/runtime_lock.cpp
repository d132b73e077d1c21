/*
** The lock of a component: a lock file "<pid> <host>" with an flock held on it while the window
** that took it runs; taken over from a process that ended, answered as held to a second window.
*/
#include "platform/runtime.h"

#include <cerrno>
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
    pid_t pid; /* the process that took it: a child of a fork never removes it */
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

/* 1 while a process of this host runs under pid. */
static bool Runs_Here(long pid) { return kill((pid_t)pid, 0) == 0 || errno == EPERM; }

/* 1 when fd is the file that the name stands for now (its holder may have removed it). */
static bool Still_Named(int fd, const char *path)
{
    struct stat a, b;
    return fstat(fd, &a) == 0 && stat(path, &b) == 0 && a.st_dev == b.st_dev
           && a.st_ino == b.st_ino;
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
        const int fd = open(path, O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) return nullptr;
        long pid = 0;
        std::string who;
        const bool named = Read_Holder(fd, &pid, &who);
        const bool ours = named && pid == (long)getpid() && who == host;
        if (holder && size) {
            if (named) snprintf(holder, size, "Prozess %ld auf dem Rechner %s", pid, who.c_str());
            else snprintf(holder, size, "ein anderes Fenster");
        }
        bool is_free = false;
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            if (!Still_Named(fd, path)) { /* removed by its holder meanwhile: once more */
                close(fd);
                continue;
            }
            is_free = true; /* nobody holds it: whoever it names has ended */
        } else if (errno != EWOULDBLOCK) {
            /* a folder without locks: the pid and host in the file decide */
            is_free = !named || (who == host && !ours && !Runs_Here(pid));
        }
        if (!is_free) {
            close(fd);
            *state = RT_LOCK_HELD;
            return nullptr;
        }
        char text[320];
        const int len = snprintf(text, sizeof text, "%ld %s\n", (long)getpid(), host.c_str());
        if (ftruncate(fd, 0) != 0 || pwrite(fd, text, (size_t)len, 0) != len) {
            const int err = errno;
            close(fd);
            errno = err;
            return nullptr;
        }
        fsync(fd);
        *state = named && !ours ? RT_LOCK_TAKEN_OVER : RT_LOCK_TAKEN;
        return new Rt_Lock{path, fd, getpid()};
    }
    errno = EAGAIN;
    return nullptr;
}

void Rt_Lock_Release(Rt_Lock *lock)
{
    if (!lock) return;
    /* removed while held, so that no other window takes the name between; a window that opened
    ** the file meanwhile finds it no longer named and opens the name again */
    if (lock->pid == getpid() && Still_Named(lock->fd, lock->path.c_str()))
        unlink(lock->path.c_str());
    close(lock->fd);
    delete lock;
}
