/*
** The host runtime stand-in for Linux: paths, environment, file status and copies, temporary
** names with the effects of GetTempFileNameA/DeleteFileA, wildcard listing, posix_spawn, clock.
*/
#include "platform/runtime.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

/* ---------------------------------------------------------------- paths */

char *Rt_Path_Slashes(char *path)
{
    if (!path) return path;
    for (char *p = path; *p; p++)
        if (*p == '\\') *p = '/';
    return path;
}

int Rt_Path_Join(char *out, size_t size, const char *dir, const char *name)
{
    if (!out || size == 0) return 0;
    std::string s = dir ? dir : "";
    if (!s.empty() && s.back() != '/' && name && name[0] != '/') s += '/';
    if (name) s += (!s.empty() && s.back() == '/' && name[0] == '/') ? name + 1 : name;
    const size_t k = std::min(s.size(), size - 1);
    memcpy(out, s.data(), k);
    out[k] = '\0';
    return s.size() < size;
}

int Rt_Get_Cwd(char *out, size_t size)
{
    if (!out || size == 0) return 0;
    if (!getcwd(out, size)) {
        out[0] = '\0';
        return 0;
    }
    return 1;
}

const char *Rt_Whole_Path(const char *path)
{
    static thread_local std::string whole;
    whole = path ? path : "";
    if (!whole.empty() && whole[0] == '/') return whole.c_str();
    if (whole.compare(0, 2, "./") == 0) whole.erase(0, 2);
    char cwd[4096];
    if (Rt_Get_Cwd(cwd, sizeof cwd)) whole = std::string(cwd) + (cwd[1] ? "/" : "") + whole;
    return whole.c_str();
}

/* ---------------------------------------------------------------- environment */

const char *Rt_Getenv(const char *name) { return name ? getenv(name) : nullptr; }

int Rt_Setenv(const char *name, const char *value)
{
    if (!name || !*name) return 0;
    return (value ? setenv(name, value, 1) : unsetenv(name)) == 0;
}

/* ---------------------------------------------------------------- files */

int Rt_File_Exists(const char *path)
{
    struct stat st;
    return path && *path && stat(path, &st) == 0;
}

int Rt_Is_Directory(const char *path)
{
    struct stat st;
    return path && *path && stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

int Rt_Is_Executable(const char *path)
{
    struct stat st;
    return path && *path && stat(path, &st) == 0 && S_ISREG(st.st_mode) && access(path, X_OK) == 0;
}

long long Rt_File_Mtime(const char *path)
{
    struct stat st;
    if (!path || stat(path, &st) != 0) return -1;
    return static_cast<long long>(st.st_mtime);
}

long long Rt_File_Size(const char *path)
{
    struct stat st;
    if (!path || stat(path, &st) != 0) return -1;
    return static_cast<long long>(st.st_size);
}

int Rt_Delete_File(const char *path) { return path && unlink(path) == 0; }

int Rt_Is_Regular_File(const char *path)
{
    struct stat st;
    return path && *path && stat(path, &st) == 0 && S_ISREG(st.st_mode);
}

int Rt_Link_Of(const char *path, char *out, size_t size)
{
    if (out && size > 0) out[0] = '\0';
    struct stat st;
    if (!path || !*path || !out || size == 0 || lstat(path, &st) != 0) return RT_LINK_NONE;
    const std::string whole = Rt_Whole_Path(path);
    const size_t slash = whole.find_last_of('/');
    const std::string folder = slash == 0 ? "/" : whole.substr(0, slash);
    std::string other;
    int kind = RT_LINK_NONE;
    if (S_ISLNK(st.st_mode)) {
        kind = RT_LINK_SYMBOLIC;
        char target[4096];
        const ssize_t n = readlink(path, target, sizeof target - 1);
        char *real = realpath(path, nullptr); /* what the link leads to, when it is there */
        if (real) {
            other = real;
            free(real);
        } else if (n > 0) {
            target[n] = '\0';
            other = target[0] == '/' ? std::string(target)
                                     : folder + (folder == "/" ? "" : "/") + target;
        }
    } else if (S_ISREG(st.st_mode) && st.st_nlink > 1) {
        kind = RT_LINK_HARD;
        /* another name of the same file in the folder, if one is there */
        const std::string own = whole.substr(slash + 1);
        if (DIR *d = opendir(folder.c_str())) {
            while (struct dirent *e = readdir(d)) {
                const std::string name = e->d_name;
                struct stat o;
                const std::string at = folder + (folder == "/" ? "" : "/") + name;
                if (name != own && lstat(at.c_str(), &o) == 0 && o.st_dev == st.st_dev
                    && o.st_ino == st.st_ino && (other.empty() || at < other))
                    other = at;
            }
            closedir(d);
        }
    }
    snprintf(out, size, "%s", other.c_str());
    return kind;
}

int Rt_Copy_File(const char *source, const char *target, int fail_if_exists)
{
    if (!source || !target || !*source || !*target) return 0;
    if (fail_if_exists && Rt_File_Exists(target)) return 0;
    FILE *in = Rt_Fopen_Read(source);
    if (!in) return 0;
    /* replaced whole, as every file the program writes: never through a link */
    Rt_Safe_File *out = Rt_Safe_Open(target);
    int ok = out != nullptr;
    char buf[65536];
    size_t k;
    while (ok && (k = fread(buf, 1, sizeof buf, in)) > 0)
        if (fwrite(buf, 1, k, Rt_Safe_Stream(out)) != k) ok = 0;
    if (ferror(in)) ok = 0;
    struct stat st;
    if (ok && fstat(fileno(in), &st) == 0) Rt_Safe_Set_Mode(out, st.st_mode & 0777);
    fclose(in);
    ok = ok && Rt_Safe_Commit(out);
    Rt_Safe_Close(out);
    return ok;
}

int Rt_Same_Bytes(const char *a, const char *b)
{
    FILE *fa = a ? Rt_Fopen_Read(a) : nullptr;
    FILE *fb = fa && b ? Rt_Fopen_Read(b) : nullptr;
    struct stat sa, sb;
    /* files of two sizes differ without a byte read (a print list of 39 MB) */
    bool same = fa && fb && fstat(fileno(fa), &sa) == 0 && fstat(fileno(fb), &sb) == 0
                && sa.st_size == sb.st_size;
    std::vector<char> ba(65536), bb(65536);
    while (same) {
        const size_t na = fread(ba.data(), 1, ba.size(), fa);
        const size_t nb = fread(bb.data(), 1, bb.size(), fb);
        same = na == nb && memcmp(ba.data(), bb.data(), na) == 0 && !ferror(fa) && !ferror(fb);
        if (na == 0) break;
    }
    if (fa) fclose(fa);
    if (fb) fclose(fb);
    return same ? 1 : 0;
}

int Rt_Make_Dirs(const char *path)
{
    if (!path || !*path) return 0;
    std::string p = path;
    for (size_t i = 1; i <= p.size(); i++) {
        if (i == p.size() || p[i] == '/') {
            const std::string part = p.substr(0, i);
            if (mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return 0;
        }
    }
    return Rt_Is_Directory(path);
}

/* ---------------------------------------------------------------- temporary names */

/* The name "<dir>/<pre>XXXX.TMP" of number u. */
static int Temp_Name_Of(const char *dir, const char *prefix, unsigned u, char *out)
{
    char pre[4] = {0};
    if (prefix) strncpy(pre, prefix, 3);
    char name[32];
    snprintf(name, sizeof name, "%s%04X.TMP", pre, u & 0xFFFFu);
    return Rt_Path_Join(out, RT_PATH_MAX, dir, name);
}

unsigned Rt_Get_Temp_File_Name(const char *dir, const char *prefix, unsigned unique, char *out)
{
    if (!out) return 0;
    out[0] = '\0';
    if (!dir || !Rt_Is_Directory(dir)) return 0;
    if (unique != 0) return Temp_Name_Of(dir, prefix, unique, out) ? unique : 0;
    /* Start from a number drawn from the clock and the process, and try every number once,
    ** as the Windows call does. */
    static unsigned counter = 0;
    const unsigned start =
        static_cast<unsigned>(Rt_Clock_Ms() ^ (static_cast<unsigned>(getpid()) << 4)) + counter++;
    for (unsigned k = 0; k < 0xFFFFu; k++) {
        unsigned u = (start + k) & 0xFFFFu;
        if (u == 0) continue;
        if (!Temp_Name_Of(dir, prefix, u, out)) return 0;
        const int fd = open(out, O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd >= 0) {
            close(fd);
            return u;
        }
        if (errno != EEXIST) break;
    }
    out[0] = '\0';
    return 0;
}

char *Rt_Tempnam(const char *dir, const char *prefix)
{
    const char *d = dir;
    if (!d || !Rt_Is_Directory(d)) d = Rt_Getenv("TEMP");
    if (!d || !Rt_Is_Directory(d)) d = "/tmp";
    char path[RT_PATH_MAX];
    for (int attempt = 0; attempt < 100; attempt++) {
        char name[64];
        snprintf(name, sizeof name, "%s%06X", prefix ? prefix : "",
                 static_cast<unsigned>((Rt_Clock_Ms() * 2654435761u
                                        + static_cast<unsigned>(attempt) * 40503u
                                        + static_cast<unsigned>(getpid()))
                                       & 0xFFFFFFu));
        if (!Rt_Path_Join(path, sizeof path, d, name)) return nullptr;
        if (!Rt_File_Exists(path)) return strdup(path);
    }
    return nullptr;
}

/* ---------------------------------------------------------------- file listing */

struct Rt_Find {
    std::vector<Rt_Find_Data> entries;
    size_t next;
};

int Rt_Wildcard_Match(const char *pattern, const char *name)
{
    if (!pattern || !name) return 0;
    const char *p = pattern, *n = name, *star = nullptr, *mark = nullptr;
    while (*n) {
        if (*p == '?' || (*p != '*' && *p == *n)) {
            p++;
            n++;
        } else if (*p == '*') {
            star = p++;
            mark = n;
        } else if (star) {
            p = star + 1;
            n = ++mark;
        } else return 0;
    }
    while (*p == '*') p++;
    return *p == '\0';
}

Rt_Find *Rt_Find_First(const char *pattern, int dirs_only, Rt_Find_Data *data)
{
    if (!pattern || !data) return nullptr;
    std::string pat = pattern;
    for (char &c : pat)
        if (c == '\\') c = '/';
    std::string dir, mask;
    const size_t slash = pat.rfind('/');
    if (slash == std::string::npos) {
        dir = ".";
        mask = pat;
    } else {
        dir = slash == 0 ? "/" : pat.substr(0, slash);
        mask = pat.substr(slash + 1);
    }
    DIR *d = opendir(dir.c_str());
    if (!d) return nullptr;
    auto *find = new Rt_Find();
    find->next = 0;
    while (struct dirent *e = readdir(d)) {
        if (!strcmp(e->d_name, ".") || !strcmp(e->d_name, "..")) continue;
        if (!Rt_Wildcard_Match(mask.c_str(), e->d_name)) continue;
        Rt_Find_Data fd{};
        snprintf(fd.name, sizeof fd.name, "%s", e->d_name);
        if (slash == std::string::npos) snprintf(fd.path, sizeof fd.path, "%s", e->d_name);
        else if (!Rt_Path_Join(fd.path, sizeof fd.path, dir.c_str(), e->d_name)) continue;
        struct stat st;
        if (stat(fd.path, &st) != 0) continue;
        fd.is_dir = S_ISDIR(st.st_mode) ? 1 : 0;
        if (fd.is_dir != (dirs_only ? 1 : 0)) continue;
        fd.size = static_cast<long long>(st.st_size);
        fd.mtime = static_cast<long long>(st.st_mtime);
        find->entries.push_back(fd);
    }
    closedir(d);
    std::sort(
        find->entries.begin(), find->entries.end(),
        [](const Rt_Find_Data &a, const Rt_Find_Data &b) { return strcmp(a.name, b.name) < 0; });
    if (find->entries.empty()) {
        delete find;
        return nullptr;
    }
    *data = find->entries[0];
    find->next = 1;
    return find;
}

int Rt_Find_Next(Rt_Find *find, Rt_Find_Data *data)
{
    if (!find || !data || find->next >= find->entries.size()) return 0;
    *data = find->entries[find->next++];
    return 1;
}

void Rt_Find_Close(Rt_Find *find) { delete find; }

/* ---------------------------------------------------------------- processes */

int Rt_Spawn(const char *path, char *const argv[], int wait, int *exit_code)
{
    if (!path || !*path) return -1;
    char *fallback[] = {const_cast<char *>(path), nullptr};
    pid_t pid;
    if (posix_spawn(&pid, path, nullptr, nullptr, argv ? argv : fallback, environ) != 0) return -1;
    if (!wait) return 0;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return -1;
    if (exit_code) *exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return 0;
}

/* ---------------------------------------------------------------- time */

uint64_t Rt_Clock_Ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u;
}

void Rt_Sleep_Ms(int ms)
{
    if (ms <= 0) return;
    struct timespec ts;
    ts.tv_sec = ms / 1000;
    ts.tv_nsec = static_cast<long>(ms % 1000) * 1000000L;
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {}
}
