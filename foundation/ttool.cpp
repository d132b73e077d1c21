/*
** Text tools: blank marks, trimming and padding, bounded copies, the substring ring, word
** splitting and character replacement. Number words, integer lists and version texts are in
** ttool_words.cpp; the code-page maps in codepage.cpp.
*/
#include "foundation/ttool.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "foundation/memory.h"

#define STATIC_TEXT_SIZE 512 /* bytes of the static result buffers */

/* ---------------------------------------------------------------- blank marks and white space */

int Str_Encode_Blank_Marks(char *s)
{
    if (!s) return 0;
    int n = 0;
    for (; s[n]; n++) {
        if (s[n] == ' ') s[n] = static_cast<char>(BLANK_MARK_BLANK);
        else if (s[n] == '\n') s[n] = static_cast<char>(BLANK_MARK_LF);
        else if (s[n] == '\r') s[n] = static_cast<char>(BLANK_MARK_CR);
    }
    return n;
}

int Str_Decode_Blank_Marks(char *s)
{
    if (!s) return 0;
    int n = 0;
    for (; s[n]; n++) {
        const auto c = static_cast<unsigned char>(s[n]);
        if (c == BLANK_MARK_BLANK) s[n] = ' ';
        else if (c == BLANK_MARK_LF) s[n] = '\n';
        else if (c == BLANK_MARK_CR) s[n] = '\r';
    }
    return n;
}

static int Is_White(char c) { return isspace(static_cast<unsigned char>(c)) != 0; }

char *Str_Collapse_White(char *s)
{
    if (!s) return nullptr;
    char *out = s;
    for (const char *in = s; *in;) {
        if (Is_White(*in)) {
            while (Is_White(*in)) in++;
            *out++ = ' ';
        } else {
            *out++ = *in++;
        }
    }
    *out = '\0';
    return out;
}

char *Str_Collapse_White_Copy(const char *s)
{
    if (!s) return nullptr;
    char *copy = strdup(s);
    if (!copy) return nullptr;
    Str_Collapse_White(copy);
    return copy;
}

int Str_Trim_Right_Blanks(char *s)
{
    if (!s) return 0;
    int n = static_cast<int>(strlen(s)), removed = 0;
    while (n > 0 && s[n - 1] == ' ') {
        s[--n] = '\0';
        removed++;
    }
    return removed;
}

char *Str_Trim_Right_Blank_Lf(char *s)
{
    if (!s) return s;
    for (int i = static_cast<int>(strlen(s)) - 1; i >= 0; i--) {
        if (s[i] == ' ') s[i] = '\0';
        else if (s[i] != '\n') break;
    }
    return s;
}

int Str_Trim_White_Flags(char *s, int flags)
{
    if (!s || !*s) return 0;
    int n = static_cast<int>(strlen(s));
    if (flags & 2)
        while (n > 0 && Is_White(s[n - 1])) s[--n] = '\0';
    if (flags & 1) {
        int k = 0;
        while (k < n && Is_White(s[k])) k++;
        if (k > 0) {
            memmove(s, s + k, static_cast<size_t>(n - k) + 1);
            n -= k;
        }
    }
    return n;
}

static int Swap_Char(char *s, char from, char to)
{
    if (!s) return 0;
    int n = 0;
    for (; s[n]; n++)
        if (s[n] == from) s[n] = to;
    return n;
}

int Blanks_To_Question_Marks(char *s) { return Swap_Char(s, ' ', '?'); }

int Question_Marks_To_Blanks(char *s) { return Swap_Char(s, '?', ' '); }

int Len_Without_Trailing_Blanks(const char *s)
{
    if (!s) return 0;
    int n = static_cast<int>(strlen(s));
    while (n > 0 && s[n - 1] == ' ') n--;
    return n;
}

char *Trim_Blanks(const char *s)
{
    static char buf[STATIC_TEXT_SIZE];
    Str_Copy_Bounded(buf, s ? s : "", sizeof buf);
    Str_Trim_Right_Blanks(buf);
    char *p = buf;
    while (*p == ' ') p++;
    return p;
}

char *Pad_With_Blanks(const char *s, int n)
{
    static char buf[STATIC_TEXT_SIZE];
    if (n > STATIC_TEXT_SIZE - 1) n = STATIC_TEXT_SIZE - 1;
    if (n < 0) n = 0;
    Str_Copy_Pad(buf, s, n);
    if (n == 0) buf[0] = '\0';
    return buf;
}

char *Str_Pad_To_Width(char *s, int n)
{
    if (!s || n < 0) return s;
    int k = static_cast<int>(strnlen(s, static_cast<size_t>(n)));
    while (k < n) s[k++] = ' ';
    s[n] = '\0';
    return s;
}

/* ---------------------------------------------------------------- copies */

char *Str_Copy_Bounded(char *dst, const char *src, size_t n)
{
    if (!dst || !src || n == 0) return dst;
    const size_t k = strnlen(src, n - 1);
    memmove(dst, src, k);
    memset(dst + k, 0, n - k);
    return dst;
}

char *Str_Copy_Pad(char *dst, const char *src, int n)
{
    if (!dst || n <= 0) return dst;
    const size_t k = src ? strnlen(src, static_cast<size_t>(n)) : 0;
    if (k) memmove(dst, src, k);
    memset(dst + k, ' ', static_cast<size_t>(n) - k);
    dst[n] = '\0';
    return dst;
}

int Str_Copy_Flags(const char *src, char *dst, int size, int flags)
{
    if (!dst || size < 1) return 0;
    const size_t k = src ? strnlen(src, static_cast<size_t>(size - 1)) : 0;
    if (k) memmove(dst, src, k);
    dst[k] = '\0';
    int n = static_cast<int>(k);
    if (flags & 3) n = Str_Trim_White_Flags(dst, flags & 3);
    if (flags & 4) {
        while (n < size - 1) dst[n++] = ' ';
        dst[n] = '\0';
    }
    return n;
}

char *Str_Dup_N(const char *text, int n)
{
    if (n < 0) n = 0;
    size_t size = (size_t)n + 1;
    if (text == nullptr && size < 2) size = 2;
    char *c = (char *)calloc(size, 1);
    if (c == nullptr) return nullptr;
    if (text == nullptr) {
        c[0] = '\n';
        return c;
    }
    size_t len = strnlen(text, (size_t)n);
    memcpy(c, text, len);
    return c;
}

int Str_Size(const char *text) { return text ? (int)strlen(text) + 1 : 0; }

void Free_If_Set(void *p)
{
    if (p) free(p);
}

/* ---------------------------------------------------------------- search */

int Str_Find_From(int start, const char *s, const char *needle)
{
    if (!s || !needle || start < 0) return -1;
    const size_t len = strlen(s);
    if (static_cast<size_t>(start) > len) return -1; /* no position to search from */
    const char *p = strstr(s + start, needle);
    return p ? static_cast<int>(p - s) : -1;
}

/* ---------------------------------------------------------------- substring ring */

#define RING_SLOTS 8

static char *Ring_Text[RING_SLOTS];
static int Ring_Flag[RING_SLOTS]; /* 0 reused for the last result, -1 (re)allocated */
static int Ring_Next = 0;

/* Copy k characters of from into the next ring slot. */
static char *Ring_Store(const char *from, size_t k)
{
    const int i = Ring_Next;
    Ring_Next = (Ring_Next + 1) % RING_SLOTS;
    if (Ring_Text[i] && strlen(Ring_Text[i]) >= k + 1) {
        Ring_Flag[i] = 0;
    } else {
        char *p = static_cast<char *>(realloc(Ring_Text[i], k + 1));
        if (!p) {
            fputs("Assertion failed: NULL != strings[i]\n", stderr);
            abort();
        }
        Ring_Text[i] = p;
        Ring_Flag[i] = -1;
    }
    memcpy(Ring_Text[i], from, k);
    Ring_Text[i][k] = '\0';
    return Ring_Text[i];
}

char *Str_Left(const char *s, int n)
{
    if (!s) s = "";
    const size_t len = strlen(s);
    const size_t k = n <= 0 ? 0 : (static_cast<size_t>(n) < len ? static_cast<size_t>(n) : len);
    return Ring_Store(s, k);
}

char *Str_Right(const char *s, int n)
{
    if (!s) s = "";
    const size_t len = strlen(s);
    const size_t k = n <= 0 ? 0 : (static_cast<size_t>(n) < len ? static_cast<size_t>(n) : len);
    return Ring_Store(s + len - k, k);
}

char *Str_Mid(const char *s, int start, int n)
{
    if (!s || start < 0) return nullptr;
    const size_t len = strlen(s);
    if (static_cast<size_t>(start) >= len) return nullptr;
    const size_t rest = len - static_cast<size_t>(start);
    const size_t k = n <= 0 ? 0 : (static_cast<size_t>(n) < rest ? static_cast<size_t>(n) : rest);
    return Ring_Store(s + start, k);
}

void Str_Ring_Release(char *p)
{
    if (!p) return;
    for (int i = 0; i < RING_SLOTS; i++) {
        if (Ring_Text[i] == p && Ring_Flag[i] == -1) {
            free(Ring_Text[i]);
            Ring_Text[i] = nullptr;
            Ring_Flag[i] = 0;
        }
    }
}

/* ---------------------------------------------------------------- words */

int Str_Count_Words(const char *s)
{
    if (!s) return 0;
    int count = 0;
    while (*s) {
        while (*s && Is_White(*s)) s++;
        if (!*s) break;
        count++;
        while (*s && !Is_White(*s)) s++;
    }
    return count;
}

int Str_Split_Words(const char *s, int *count, char ***words)
{
    const int n = Str_Count_Words(s);
    if (n == 0) return 0;
    char **list = static_cast<char **>(malloc(static_cast<size_t>(n) * sizeof(char *)));
    if (!list) return 0;
    int k = 0;
    while (*s) {
        while (*s && Is_White(*s)) s++;
        if (!*s) break;
        const char *w = s;
        while (*s && !Is_White(*s)) s++;
        list[k] = strndup(w, static_cast<size_t>(s - w));
        if (!list[k]) {
            while (k > 0) free(list[--k]);
            free(list);
            return 0;
        }
        k++;
    }
    if (count) *count = n;
    if (words) *words = list;
    else {
        for (int i = 0; i < n; i++) free(list[i]);
        free(list);
    }
    return 1;
}

char *Str_Replace_Char(char *s, const char *chars, const char *repl, int *count)
{
    if (count) *count = 0;
    if (!s) return nullptr;
    if (!chars || !*chars) return s;
    const char c = chars[0];
    int found = 0;
    for (const char *p = s; *p; p++)
        if (*p == c) found++;
    if (count) *count = found;
    if (found == 0) return s;
    if (!repl) repl = "";
    const size_t rl = strlen(repl), len = strlen(s);
    char *out = static_cast<char *>(
        malloc(len - static_cast<size_t>(found) + static_cast<size_t>(found) * rl + 1));
    if (!out) return nullptr;
    char *o = out;
    for (const char *p = s; *p; p++) {
        if (*p == c) {
            memcpy(o, repl, rl);
            o += rl;
        } else {
            *o++ = *p;
        }
    }
    *o = '\0';
    return out;
}

char *Read_Line_No_Newline(char *buf, int n, FILE *file)
{
    if (!buf || n < 1 || !file) return nullptr;
    if (!fgets(buf, n, file)) return nullptr;
    const size_t len = strlen(buf);
    if (len > 0 && buf[len - 1] == '\n') buf[len - 1] = '\0';
    return buf;
}
