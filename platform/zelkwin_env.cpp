/*
** Environment services of the GUI stand-in: environment variables, user settings, starting
** programs, copying and removing files, the private data path, the application number, file
** listing with wildcards, the standard-I/O table and number formatting.
*/
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/runtime.h"
#include "platform/zelkwin_internal.h"

/* ---------------------------------------------------------------- environment */

const char *VELGetEnv(const char *name) { return name ? getenv(name) : nullptr; }

const char *CurOb_Privat_Datapath(void)
{
    static std::string path;
    const char *p = getenv("SPLICE_PRIVATE_DATA");
    if (p && *p) {
        path = p;
    } else {
        const char *e = getenv("EXEC");
        path = e && *e ? std::string(e) + "/splice" : ".";
    }
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path.c_str();
}

int CurOb_Application_Number(void)
{
    const char *p = getenv("SPLICE_APPLICATION_NUMBER");
    return p ? atoi(p) : 0;
}

int VELGetUserString(const char *key, char *buffer, int size)
{
    if (!key || !buffer || size <= 0) return 0;
    std::string path;
    const char *p = getenv("SPLICE_USER_SETTINGS");
    path = p && *p ? p : std::string(CurOb_Privat_Datapath()) + "/user.ini";
    FILE *f = Fopen_Read_Said(nullptr, path.c_str(), "Es gelten die Vorgaben.");
    if (!f) return 0;
    char line[1024];
    int found = 0;
    size_t kl = strlen(key);
    while (!found && fgets(line, sizeof line, f)) {
        char *s = line;
        while (*s == ' ' || *s == '\t') s++;
        if (*s == '#' || *s == ';') continue;
        if (strncmp(s, key, kl) != 0) continue;
        char *q = s + kl;
        while (*q == ' ' || *q == '\t') q++;
        if (*q != '=') continue;
        q++;
        while (*q == ' ' || *q == '\t') q++;
        size_t n = strcspn(q, "\r\n");
        while (n > 0 && (q[n - 1] == ' ' || q[n - 1] == '\t')) n--;
        if ((int)n > size - 1) n = (size_t)(size - 1);
        memcpy(buffer, q, n);
        buffer[n] = 0;
        found = 1;
    }
    fclose(f);
    return found;
}

int VELSpawnv(const char *path, const char *const *argv)
{
    if (!path) return -1;
    std::vector<char *> args;
    const char *def[2] = {path, nullptr};
    if (!argv || !argv[0]) argv = def;
    for (int i = 0; argv[i]; i++) args.push_back(const_cast<char *>(argv[i]));
    args.push_back(nullptr);
    int code = -1;
    zw::Ensure_Init();
    zw::Log_Line(std::string("SPAWN ") + path);
    if (Rt_Spawn(path, args.data(), 1, &code) != 0) return -1;
    return code;
}

int VELCopyFile(const char *from, const char *to, int fail_if_exists)
{
    if (!from || !to) return 0;
    return Rt_Copy_File(from, to, fail_if_exists) ? 1 : 0;
}

int VELRemoveFile(const char *path)
{
    if (!path) return 0;
    return remove(path) == 0 ? 1 : 0;
}

/* ---------------------------------------------------------------- file listing */

namespace {
struct Listing {
    std::vector<DOS_FIND_DATA> entries;
    size_t next = 0;
};
std::map<int, Listing> listings;
int next_handle = 1;

bool Match_Nocase(const char *p, const char *s)
{
    for (;;) {
        if (*p == '*') {
            while (*p == '*') p++;
            if (!*p) return true;
            for (; *s; s++)
                if (Match_Nocase(p, s)) return true;
            return false;
        }
        if (!*s) return !*p;
        if (*p != '?' && tolower((unsigned char)*p) != tolower((unsigned char)*s)) return false;
        p++;
        s++;
    }
}

int Find_First(const char *pattern, DOS_FIND_DATA *data, bool dirs)
{
    if (!pattern || !data) return 0;
    std::string pat(pattern);
    for (char &c : pat)
        if (c == '\\') c = '/';
    size_t slash = pat.rfind('/');
    std::string dir = slash == std::string::npos ? "." : pat.substr(0, slash);
    if (dir.empty()) dir.assign(1, '/'); /* not = "/": a false -Wrestrict of g++ 12 at -O3 */
    std::string mask = slash == std::string::npos ? pat : pat.substr(slash + 1);
    if (mask == "*.*") mask = "*";
    DIR *d = opendir(dir.c_str());
    if (!d) return 0;
    Listing l;
    while (struct dirent *e = readdir(d)) {
        if (!strcmp(e->d_name, ".") || !strcmp(e->d_name, "..")) continue;
        if (!Match_Nocase(mask.c_str(), e->d_name)) continue;
        struct stat st;
        std::string full = dir + "/" + e->d_name;
        if (stat(full.c_str(), &st) != 0) continue;
        bool is_dir = S_ISDIR(st.st_mode);
        if (is_dir != dirs) continue;
        DOS_FIND_DATA f{};
        snprintf(f.name, sizeof f.name, "%s", e->d_name);
        f.attrib = is_dir ? 0x10 : 0x20;
        f.size = (int64_t)st.st_size;
        l.entries.push_back(f);
    }
    closedir(d);
    if (l.entries.empty()) return 0;
    std::sort(
        l.entries.begin(), l.entries.end(),
        [](const DOS_FIND_DATA &a, const DOS_FIND_DATA &b) { return strcmp(a.name, b.name) < 0; });
    *data = l.entries[0];
    l.next = 1;
    int h = next_handle++;
    listings[h] = std::move(l);
    return h;
}
} // namespace

int DOSFindFirstFile(const char *pattern, DOS_FIND_DATA *data)
{
    return Find_First(pattern, data, false);
}

int DOSFindFirstDirectory(const char *pattern, DOS_FIND_DATA *data)
{
    return Find_First(pattern, data, true);
}

int DOSFindNext(int handle, DOS_FIND_DATA *data)
{
    auto it = listings.find(handle);
    if (it == listings.end() || !data) return 0;
    Listing &l = it->second;
    if (l.next >= l.entries.size()) return 0;
    *data = l.entries[l.next++];
    return 1;
}

void DOSFindClose(int handle) { listings.erase(handle); }

/* ---------------------------------------------------------------- standard I/O table */

static int Own_Fscanf(FILE *f, const char *fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    int r = vfscanf(f, fmt, ap);
    va_end(ap);
    return r;
}
static int Own_Fprintf(FILE *f, const char *fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    int r;
    if (strcmp(fmt, "%s") == 0) {
        /* the paragraph writer hands whole lines and parts of lines: written as they are, without
    ** a pass through the format */
        const char *s = va_arg(ap, const char *);
        if (s == nullptr) s = "(null)";
        const size_t n = strlen(s);
        r = fwrite(s, 1, n, f) == n ? (int)n : -1;
    } else if (strcmp(fmt, "%.*s") == 0) {
        const int len = va_arg(ap, int);
        const char *s = va_arg(ap, const char *);
        if (s == nullptr) s = "(null)"; /* as "%s" above: a null text is no undefined behaviour */
        const size_t n = len < 0 ? strlen(s) : strnlen(s, (size_t)len);
        r = fwrite(s, 1, n, f) == n ? (int)n : -1;
    } else {
        r = vfprintf(f, fmt, ap);
    }
    va_end(ap);
    return r;
}
static int Own_Sscanf(const char *s, const char *fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    int r = vsscanf(s, fmt, ap);
    va_end(ap);
    return r;
}
static int Own_Sprintf(char *s, const char *fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    int r = vsprintf(s, fmt, ap);
    va_end(ap);
    return r;
}

static const VEL_Stdio_Fct_Table Own_Table = {
    18,      fopen,   fclose, fread, fwrite, ferror, Own_Fscanf, Own_Fprintf, fseek,      ftell,
    fsetpos, fgetpos, fgets,  fgetc, fputs,  fputc,  ungetc,     Own_Sscanf,  Own_Sprintf};

const VEL_Stdio_Fct_Table *VEL_STDIO_FCT = &Own_Table;

void VELSetStdioFctPtr(const VEL_Stdio_Fct_Table *table)
{
    VEL_STDIO_FCT = table ? table : &Own_Table;
}

/* ---------------------------------------------------------------- numbers */

int formatNumber(double value, int flags, int width, int max_decimals, int decimals, char *out)
{
    if (!out) return 0;
    if (decimals < 0) decimals = 0;
    if (decimals > 15) decimals = 15;
    int maxd = (flags & 0x20) && max_decimals > decimals ? max_decimals : decimals;
    if (maxd > 15) maxd = 15;
    if (width < 0) width = 0;
    if (width > 60) width = 60;
    char num[64];
    if (!std::isfinite(value)) {
        snprintf(num, sizeof num, "%s", std::isnan(value) ? "nan" : value > 0 ? "inf" : "-inf");
    } else {
        /* round half away from zero at the last kept decimal */
        double scale = pow(10.0, maxd);
        double r = std::fabs(value) * scale;
        double fl = std::floor(r);
        double frac = r - fl;
        if (frac >= 0.5 - 1e-9 * (r > 1 ? r : 1)) fl += 1.0;
        double rounded = std::copysign(fl / scale, value);
        bool whole = (flags & 0x10) && std::fabs(rounded - std::trunc(rounded)) < 0.5 / scale;
        if (whole) {
            snprintf(num, sizeof num, "%.0f", rounded);
        } else {
            snprintf(num, sizeof num, "%.*f", maxd, rounded);
            if (flags & 0x20) {
                size_t len = strlen(num), dot = strcspn(num, ".");
                while (len > dot + 1 + (size_t)decimals && num[len - 1] == '0') num[--len] = 0;
                if (len == dot + 1) num[--len] = 0;
            }
        }
        if (!strcmp(num, "-0")) snprintf(num, sizeof num, "0");
    }
    int n = (flags & 0x2) ? snprintf(out, 64, "%s", num) : snprintf(out, 64, "%*s", width, num);
    return n < 0 ? 0 : n > 63 ? 63 : n; /* the length written */
}
