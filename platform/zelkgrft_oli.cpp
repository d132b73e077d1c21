/*
** Page-layout commands of the print list. Each command is one line "#OLI_<NAME> operands"
** written into the print-list stream at the point of the call; lengths in cm with "%.6g",
** flag words in hexadecimal. The records are listed in docs/printlist-format.md.
*/
#include "platform/zelkgrft_oli.h"

#include <cstdarg>
#include <cstring>

/* Write one record line; 0 on success, -1 for a null file or a failed write. */
static int oli_record(FILE *file, const char *format, ...)
{
    if (file == nullptr) return -1;
    va_list ap;
    va_start(ap, format);
    int rc = vfprintf(file, format, ap);
    va_end(ap);
    return rc < 0 ? -1 : 0;
}

/* ---- records of lengths ---- */

/* A print list of many pages writes the same few lengths (the spacing of its paragraphs and
** headings) tens of thousands of times: those records are put together by hand, and the "%.6g"
** text of each recent value is kept. */
namespace {
struct Record_Line {
    char text[128]; /* a keyword, two integers and two lengths: at most about 60 bytes */
    size_t len = 0;
    void add(const char *s, size_t n)
    {
        if (len + n < sizeof text) {
            memcpy(text + len, s, n);
            len += n;
        }
    }
    void add(const char *s) { add(s, strlen(s)); }
    void add_int(long long v)
    {
        if (v >= 0 && v <= 9) { /* the usual mode or kind */
            char c = (char)('0' + v);
            add(&c, 1);
            return;
        }
        char t[24];
        add(t, (size_t)snprintf(t, sizeof t, "%lld", v));
    }
    void add_g6(double v);
    int write(FILE *file) const
    {
        if (file == nullptr) return -1;
        return fwrite(text, 1, len, file) == len ? 0 : -1;
    }
};

void Record_Line::add_g6(double v)
{
    struct Slot {
        double value;
        int len; /* 0: empty */
        char text[32];
    };
    static thread_local Slot cache[16];
    uint64_t bits;
    memcpy(&bits, &v, sizeof bits);
    Slot &slot = cache[(bits ^ (bits >> 31) ^ (bits >> 52)) & 15];
    if (slot.len == 0 || memcmp(&slot.value, &v, sizeof v) != 0) {
        slot.len = snprintf(slot.text, sizeof slot.text, "%.6g", v);
        slot.value = v;
    }
    add(slot.text, (size_t)slot.len);
}
} // namespace

int OLI_setFlags(FILE *file, uint32_t flags)
{
    return oli_record(file, "#OLI_SETFLAGS 0x%x\n", (unsigned)flags);
}

int OLI_setLayout(FILE *file, int32_t layout)
{
    return oli_record(file, "#OLI_SETLAYOUT %d\n", (int)layout);
}

int OLI_setMarginsCM(FILE *file, int32_t mode, float left, float right)
{
    Record_Line r;
    r.add("#OLI_MARGINS ");
    r.add_int(mode);
    r.add(" ");
    r.add_g6((double)left);
    r.add(" ");
    r.add_g6((double)right);
    r.add("\n");
    return r.write(file);
}

int OLI_setYPositionCM(FILE *file, int32_t mode, double cm)
{
    Record_Line r;
    r.add("#OLI_YPOSITION ");
    r.add_int(mode);
    r.add(" ");
    r.add_g6(cm);
    r.add("\n");
    return r.write(file);
}

int OLI_reserveSpaceCM(FILE *file, double cm)
{
    Record_Line r;
    r.add("#OLI_RESERVE ");
    r.add_g6(cm);
    r.add("\n");
    return r.write(file);
}

int OLI_setBookmark(FILE *file, int32_t kind, const char *text)
{
    Record_Line r;
    r.add("#OLI_BOOKMARK ");
    r.add_int(kind);
    if (text == nullptr) {
        r.add("\n");
        return r.write(file);
    }
    r.add(" \xAE");
    if (r.write(file) != 0) return -1;
    const size_t n = strlen(text);
    if (fwrite(text, 1, n, file) != n || fwrite("\xAF\n", 1, 2, file) != 2) return -1;
    return 0;
}

int OLI_storeYPosition(FILE *file, int32_t slot)
{
    return oli_record(file, "#OLI_STOREY %d\n", (int)slot);
}

int OLI_restoreYPosition(FILE *file, int32_t slot)
{
    return oli_record(file, "#OLI_RESTOREY %d\n", (int)slot);
}

int OLI_pushMargins(FILE *file) { return oli_record(file, "#OLI_PUSHMARGINS\n"); }

int OLI_popMargins(FILE *file, uint32_t flags)
{
    return oli_record(file, "#OLI_POPMARGINS 0x%x\n", (unsigned)flags);
}

int OLI_setConvertionFlags(FILE *file, int32_t flags)
{
    return oli_record(file, "#OLI_CONVERSION %d\n", (int)flags);
}
