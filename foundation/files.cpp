/*
** File and path tools: File_Printf, the process-wide path prefix, search-and-replace in a text
** file, whole-line number readers, copies and status queries. Temporary names and the calls that
** go through the GUI library's environment services are in files_env.cpp.
*/
#include "foundation/files.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "foundation/format.h"
#include "foundation/memory.h"
#include "foundation/ttool.h"
#include "platform/runtime.h"

#define PATH_CHARS (FILES_PATH_MAX - 1) /* 260 characters of a composed path */

int File_Printf(FILE *file, const char *format, ...)
{
    if (!file || !format) return 0;
    va_list ap;
    va_start(ap, format);
    const int r = Format_To_File(file, format, ap);
    va_end(ap);
    return r;
}

/* ---------------------------------------------------------------- base path */

static char Base_Path[FILES_PATH_MAX];
static size_t Base_Path_Len = 0;
static char Base_Dir[FILES_PATH_MAX + 1];

const char *Base_Path_Set(const char *path)
{
    Str_Copy_Bounded(Base_Path, path ? path : "", sizeof Base_Path);
    Base_Path_Len = strlen(Base_Path);
    Base_Dir[0] = '\0';
    if (Base_Path_Len == 0) return Base_Path;
    const char *slash = strrchr(Base_Path, '\\');
    const char *fwd = strrchr(Base_Path, '/');
    if (fwd && (!slash || fwd > slash)) slash = fwd; /* our paths are formed with '/' */
    const char *colon = strrchr(Base_Path, ':');
    if (slash) {
        snprintf(Base_Dir, sizeof Base_Dir, "%.*s", static_cast<int>(slash - Base_Path), Base_Path);
    } else if (colon) {
        snprintf(Base_Dir, sizeof Base_Dir, "%.*s", static_cast<int>(colon - Base_Path + 1),
                 Base_Path);
    } else if (!Rt_Get_Cwd(Base_Dir, sizeof Base_Dir)) {
        Base_Dir[0] = '\0';
    }
    return Base_Path;
}

const char *Base_Path_Get(void) { return Base_Path; }

const char *Base_Dir_Get(void) { return Base_Dir; }

char *Base_Path_Make(char *buf, const char *name, int size)
{
    if (!buf || size < 1) return nullptr;
    const size_t cap = static_cast<size_t>(size) - 1;
    const size_t plen = Base_Path_Len < cap ? Base_Path_Len : cap;
    memcpy(buf, Base_Path, plen);
    const size_t nlen = name ? strlen(name) : 0;
    const size_t room = cap - plen;
    const size_t k = nlen < room ? nlen : room;
    if (k) memcpy(buf + plen, name, k);
    buf[plen + k] = '\0';
    return Base_Path_Len + nlen <= cap ? buf : nullptr;
}

/* prefix + name into out (FILES_PATH_MAX bytes): 1, or 0 when it would reach 261 characters. */
static int Compose(char *out, const char *name)
{
    return Base_Path_Make(out, name, FILES_PATH_MAX) != nullptr;
}

char *Base_Path_Make_Static(const char *name)
{
    static char buf[FILES_PATH_MAX];
    return Compose(buf, name) ? buf : nullptr;
}

FILE *Base_Path_Fopen(const char *name, const char *mode)
{
    char path[FILES_PATH_MAX];
    if (!mode || !Compose(path, name)) return nullptr;
    /* a file written anew is a new file: never through a link planted under its name */
    return Rt_Fopen(path, mode);
}

int Base_Path_Exists(const char *name)
{
    char path[FILES_PATH_MAX];
    return Compose(path, name) && Rt_File_Exists(path);
}

int Base_Path_Remove(const char *name)
{
    char path[FILES_PATH_MAX];
    if (!Compose(path, name)) return 1;
    return remove(path) == 0 ? 0 : 1;
}

int Base_Path_Rename(const char *old_name, const char *new_name)
{
    char from[FILES_PATH_MAX], to[FILES_PATH_MAX];
    if (!Compose(from, old_name) || !Compose(to, new_name)) return 0;
    return rename(from, to) == 0;
}

/* ---------------------------------------------------------------- search and replace */

int Replace_In_File(const char *path, const char *old_text, const char *new_text)
{
    if (!path || !old_text || !*old_text) return -1;
    if (!new_text) new_text = "";
    FILE *in = Rt_Fopen_Read(path);
    if (!in) return -1;
    Rt_Safe_File *sf = Rt_Safe_Open(path);
    if (!sf) {
        fclose(in);
        return -1;
    }
    FILE *out = Rt_Safe_Stream(sf);
    /* Pieces of 1023 bytes; a tail that could still begin an occurrence is carried into the next
    ** piece, so occurrences across piece boundaries are found as well. */
    const size_t L = strlen(old_text), NL = strlen(new_text);
    std::string pending, result;
    char piece[1023];
    int count = 0, ok = 1;
    size_t got;
    int at_end = 0;
    while (!at_end) {
        got = fread(piece, 1, sizeof piece, in);
        if (got < sizeof piece) at_end = 1;
        pending.append(piece, got);
        result.clear();
        size_t pos = 0;
        for (;;) {
            const size_t hit = pending.find(old_text, pos, L);
            if (hit == std::string::npos) break;
            result.append(pending, pos, hit - pos);
            result.append(new_text, NL);
            pos = hit + L;
            count++;
        }
        const size_t keep =
            at_end ? 0 : (L - 1 < pending.size() - pos ? L - 1 : pending.size() - pos);
        result.append(pending, pos, pending.size() - pos - keep);
        pending.erase(0, pending.size() - keep);
        if (!result.empty() && fwrite(result.data(), 1, result.size(), out) != result.size())
            ok = 0;
    }
    if (ferror(in)) ok = 0;
    fclose(in);
    /* Renaming over the old file replaces it in one step: no moment without the file. */
    ok = ok && Rt_Safe_Commit(sf);
    Rt_Safe_Close(sf);
    return ok ? count : -1;
}

/* ---------------------------------------------------------------- number readers */

/* Read one line of at most 199 characters (the rest of a longer line is skipped): 1, or 0. */
static int Read_Number_Line(FILE *file, char *line, int size)
{
    if (!file || !fgets(line, size, file)) return 0;
    const size_t len = strlen(line);
    if (len > 0 && line[len - 1] == '\n') line[len - 1] = '\0';
    else if (!feof(file)) {
        int c;
        while ((c = getc(file)) != EOF && c != '\n') {}
    }
    return 1;
}

template <typename T>
static int Read_Line_Of(FILE *file, T *values, int n, const char *format)
{
    char line[200];
    const int got = Read_Number_Line(file, line, sizeof line);
    int k = 0;
    if (got && values) {
        char *save = nullptr;
        for (char *tok = strtok_r(line, " \t\r\n\f\v", &save); tok && k < n;
             tok = strtok_r(nullptr, " \t\r\n\f\v", &save)) {
            T v;
            if (sscanf(tok, format, &v) != 1) break;
            values[k++] = v;
        }
    }
    if (values)
        for (; k < n; k++) values[k] = 0;
    return got;
}

int Read_Double_Line(FILE *file, double *values, int n)
{
    return Read_Line_Of(file, values, n, "%lf");
}

int Read_Int_Line(FILE *file, int *values, int n) { return Read_Line_Of(file, values, n, "%i"); }

template <typename T>
static int Read_Numbers(FILE *file, T *values, int n, const char *format)
{
    if (!file || !values || n < 1) return 0;
    int k = 0;
    while (k < n && fscanf(file, format, &values[k]) == 1) k++;
    for (int i = k; i < n; i++) values[i] = 0;
    return k;
}

int Read_Doubles(FILE *file, double *values, int n)
{
    return Read_Numbers(file, values, n, " %lf");
}

int Read_Ints(FILE *file, int *values, int n) { return Read_Numbers(file, values, n, " %i"); }

/* ---------------------------------------------------------------- files */

int File_Exists(const char *path) { return Rt_File_Exists(path); }

int Copy_File(const char *target, const char *source)
{
    if (!target || !source) return 1;
    FILE *in = Rt_Fopen_Read(source);
    if (!in) return 1;
    /* the target is replaced whole, never written in place (it may be a link) */
    Rt_Safe_File *sf = Rt_Safe_Open(target);
    if (!sf) {
        fclose(in);
        return 1;
    }
    FILE *out = Rt_Safe_Stream(sf);
    int c;
    while ((c = getc(in)) != EOF) putc(c, out);
    const int ok = !ferror(in) && Rt_Safe_Commit(sf);
    fclose(in);
    Rt_Safe_Close(sf);
    return ok ? 0 : 1;
}

int Base_Path_Copy_Text(const char *target, const char *source)
{
    static char *Target_Path = nullptr, *Source_Path = nullptr; /* kept until the next call */
    Mem_Free(&Target_Path);
    Mem_Free(&Source_Path);
    const char *t = Base_Path_Make_Static(target);
    if (!t) return 1;
    Target_Path = Mem_Strdup(t);
    const char *s = Base_Path_Make_Static(source);
    if (!s) return 1;
    Source_Path = Mem_Strdup(s);
    if (!Target_Path || !Source_Path) return 1;
    return Copy_File(Target_Path, Source_Path);
}

long long File_Mtime(const char *path) { return Rt_File_Mtime(path); }

int File_Stat_Ok(const char *path) { return Rt_File_Mtime(path) >= 0; }
