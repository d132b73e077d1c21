/*
** Bounded formatting with the bytes of vsnprintf: texts, integers and fixed-point numbers are
** formatted here, everything else by the C library one conversion at a time. See format.h.
*/
#include "foundation/format.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

/* ---------------------------------------------------------------- fixed-point digits */

/* The pairs of decimal digits 00 to 99, by which numbers are written two digits a step. */
static const char Digit_Pairs[201] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

/* The decimal digits of v backwards from end (no terminator); return their count. */
static int Digits_Back_U64(uint64_t v, char *end)
{
    char *p = end;
    while (v >= 100) {
        const unsigned pair = (unsigned)(v % 100) * 2;
        v /= 100;
        *--p = Digit_Pairs[pair + 1];
        *--p = Digit_Pairs[pair];
    }
    if (v >= 10) {
        *--p = Digit_Pairs[v * 2 + 1];
        *--p = Digit_Pairs[v * 2];
    } else {
        *--p = (char)('0' + v);
    }
    return (int)(end - p);
}

/* The decimal digits of u backwards from end (no terminator); return their count. */
static int Digits_Back_U128(unsigned __int128 u, char *end)
{
    if (u <= UINT64_MAX) return Digits_Back_U64((uint64_t)u, end);
    /* beyond 64 bits: the low 19 digits by themselves, zeros kept */
    const uint64_t e19 = 10000000000000000000ull;
    const uint64_t low = (uint64_t)(u % e19);
    int n = Digits_Back_U64(low, end);
    while (n < 19) end[-++n] = '0';
    return n + Digits_Back_U128(u / e19, end - n);
}

/* Decimal digits of u into out (no terminator); return their count. */
static int Digits_U128(unsigned __int128 u, char *out)
{
    char tmp[48];
    const int n = Digits_Back_U128(u, tmp + sizeof tmp);
    std::memcpy(out, tmp + sizeof tmp - n, (size_t)n);
    return n;
}

/* 10^k for k = 0 .. 17 */
static const uint64_t Powers_Of_Ten[18] = {1ull,
                                           10ull,
                                           100ull,
                                           1000ull,
                                           10000ull,
                                           100000ull,
                                           1000000ull,
                                           10000000ull,
                                           100000000ull,
                                           1000000000ull,
                                           10000000000ull,
                                           100000000000ull,
                                           1000000000000ull,
                                           10000000000000ull,
                                           100000000000000ull,
                                           1000000000000000ull,
                                           10000000000000000ull,
                                           100000000000000000ull};

/*
** The value |x| 10^decimals rounded to an integer, ties to even, computed exactly from the
** binary value x = m 2^e: m 10^decimals stays below 2^127 (m < 2^53, 10^17 < 2^57) and is
** shifted right by -e with the bits shifted out deciding the rounding.
*/
int Format_Fixed_Digits(double x, int decimals, char *out)
{
    if (!std::isfinite(x) || decimals < 0 || decimals > 17) return -1;
    uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    const int exp_field = (int)((bits >> 52) & 0x7FF);
    uint64_t m = bits & ((1ull << 52) - 1);
    int e;
    if (exp_field == 0) {
        e = -1074; /* zero and subnormal numbers */
    } else {
        m |= 1ull << 52;
        e = exp_field - 1075;
    }
    if (e > 10) return -1; /* |x| >= 2^63 */
    const unsigned __int128 p10 = Powers_Of_Ten[decimals];
    unsigned __int128 q;
    if (e >= 0) {
        q = ((unsigned __int128)m << e) * p10;
    } else {
        const unsigned __int128 prod = (unsigned __int128)m * p10;
        const int s = -e;
        if (s >= 127) {
            q = 0; /* below one half: rounds to 0 */
        } else {
            q = prod >> s;
            const unsigned __int128 rest = prod & ((((unsigned __int128)1) << s) - 1);
            const unsigned __int128 half = ((unsigned __int128)1) << (s - 1);
            if (rest > half || (rest == half && (q & 1) != 0)) q++;
        }
    }
    /* the digits, led by zeros up to one before the point, then the point moved in */
    char digits[48];
    char *const end = digits + sizeof digits;
    int n = Digits_Back_U128(q, end);
    while (n < decimals + 1) end[-++n] = '0';
    const int whole = n - decimals;
    std::memcpy(out, end - n, (size_t)whole);
    if (decimals == 0) return whole;
    out[whole] = '.';
    std::memcpy(out + whole + 1, end - decimals, (size_t)decimals);
    return n + 1;
}

/* ---------------------------------------------------------------- the output buffer */

typedef struct Sink {
    char *buf;
    size_t size; /* room including the terminator */
    size_t len;  /* length of the whole text so far */
} Sink;

static inline void Put(Sink *o, const char *s, size_t n)
{
    if (o->len + n < o->size) {
        std::memcpy(o->buf + o->len, s, n); /* the usual case: room for all and the terminator */
        o->len += n;
        return;
    }
    if (o->len + 1 < o->size) {
        size_t room = o->size - 1 - o->len;
        std::memcpy(o->buf + o->len, s, n < room ? n : room);
    }
    o->len += n;
}

static void Put_Repeat(Sink *o, char c, int n)
{
    if (n <= 0) return;
    if (o->len + 1 < o->size) {
        const size_t room = o->size - 1 - o->len;
        std::memset(o->buf + o->len, c, (size_t)n < room ? (size_t)n : room);
    }
    o->len += (size_t)n;
}

/* One field: sign or prefix, then zeros, then the body, padded to width. */
static void Put_Field_Padded(Sink *o, const char *prefix, int prefix_len, int zeros,
                             const char *body, int body_len, int width, bool left, bool zero_pad)
{
    int len = prefix_len + zeros + body_len;
    int pad = width > len ? width - len : 0;
    if (!left && !zero_pad) Put_Repeat(o, ' ', pad);
    Put(o, prefix, (size_t)prefix_len);
    if (!left && zero_pad) Put_Repeat(o, '0', pad);
    Put_Repeat(o, '0', zeros);
    Put(o, body, (size_t)body_len);
    if (left) Put_Repeat(o, ' ', pad);
}

static inline void Put_Field(Sink *o, const char *prefix, int prefix_len, int zeros,
                             const char *body, int body_len, int width, bool left, bool zero_pad)
{
    if (zeros == 0 && width <= prefix_len + body_len) {
        /* the usual case: no padding */
        Put(o, prefix, (size_t)prefix_len);
        Put(o, body, (size_t)body_len);
        return;
    }
    Put_Field_Padded(o, prefix, prefix_len, zeros, body, body_len, width, left, zero_pad);
}

/* ---------------------------------------------------------------- the format */

typedef enum { LEN_NONE, LEN_HH, LEN_H, LEN_L, LEN_LL, LEN_Z, LEN_J, LEN_T, LEN_BIG_L } Length;

/* One conversion as the format states it. */
typedef struct Fmt_Field {
    bool left, plus, space, zero, alt;
    int width; /* 0 when none */
    int prec;  /* -1 when none */
    Length len;
    char conv;
} Fmt_Field;

/* The flags of a conversion as text. */
static void Format_Flags(char *out, const Fmt_Field *sp)
{
    int k = 0;
    if (sp->left) out[k++] = '-';
    if (sp->plus) out[k++] = '+';
    if (sp->space) out[k++] = ' ';
    if (sp->zero) out[k++] = '0';
    if (sp->alt) out[k++] = '#';
    out[k] = 0;
}

/* Read the conversion after a '%' at *f (flags, width, precision, length, conversion) and
** move *f past it; '*' takes its value from the arguments. */
static void Parse_Field(const char **fp, va_list *ap, Fmt_Field *sp)
{
    const char *f = *fp;
    *sp = Fmt_Field{false, false, false, false, false, 0, -1, LEN_NONE, 0};
    for (;; f++) {
        if (*f == '-') sp->left = true;
        else if (*f == '+') sp->plus = true;
        else if (*f == ' ') sp->space = true;
        else if (*f == '0') sp->zero = true;
        else if (*f == '#') sp->alt = true;
        else break;
    }
    if (*f == '*') {
        sp->width = va_arg(*ap, int);
        if (sp->width < 0) {
            sp->left = true;
            sp->width = -sp->width;
        }
        f++;
    } else {
        while (*f >= '0' && *f <= '9') sp->width = sp->width * 10 + (*f++ - '0');
    }
    if (*f == '.') {
        f++;
        if (*f == '*') {
            sp->prec = va_arg(*ap, int);
            if (sp->prec < 0) sp->prec = -1;
            f++;
        } else {
            sp->prec = 0;
            while (*f >= '0' && *f <= '9') sp->prec = sp->prec * 10 + (*f++ - '0');
        }
    }
    if (f[0] == 'h' && f[1] == 'h') {
        sp->len = LEN_HH;
        f += 2;
    } else if (f[0] == 'h') {
        sp->len = LEN_H;
        f++;
    } else if (f[0] == 'l' && f[1] == 'l') {
        sp->len = LEN_LL;
        f += 2;
    } else if (f[0] == 'l') {
        sp->len = LEN_L;
        f++;
    } else if (f[0] == 'z') {
        sp->len = LEN_Z;
        f++;
    } else if (f[0] == 'j') {
        sp->len = LEN_J;
        f++;
    } else if (f[0] == 't') {
        sp->len = LEN_T;
        f++;
    } else if (f[0] == 'L') {
        sp->len = LEN_BIG_L;
        f++;
    }
    sp->conv = *f;
    if (*f) f++;
    *fp = f;
}

/* The sign a non-negative number gets from the flags. */
static const char *Plus_Sign(const Fmt_Field *sp) { return sp->plus ? "+" : sp->space ? " " : ""; }

/* Hand one conversion of a floating-point number or a pointer to the C library. Return 0, or
** -1 when the library refuses or the field is wider than a line (the caller then hands over
** the whole text). */
static int Put_By_Library(Sink *o, const Fmt_Field *sp, va_list *ap)
{
    char flags[8];
    Format_Flags(flags, sp);
    const char *big = sp->len == LEN_BIG_L ? "L" : "";
    char fmt[64];
    if (sp->prec >= 0)
        snprintf(fmt, sizeof fmt, "%%%s%d.%d%s%c", flags, sp->width, sp->prec, big, sp->conv);
    else snprintf(fmt, sizeof fmt, "%%%s%d%s%c", flags, sp->width, big, sp->conv);
    char small[512];
    int n;
    if (sp->conv == 'p') n = snprintf(small, sizeof small, fmt, va_arg(*ap, void *));
    else if (sp->len == LEN_BIG_L) n = snprintf(small, sizeof small, fmt, va_arg(*ap, long double));
    else n = snprintf(small, sizeof small, fmt, va_arg(*ap, double));
    if (n < 0 || (size_t)n >= sizeof small) return -1;
    Put(o, small, (size_t)n);
    return 0;
}

/* %d and %i. Return 0, or -1 for a flag the conversion does not take. */
static int Put_Signed(Sink *o, const Fmt_Field *sp, va_list *ap)
{
    long long v;
    switch (sp->len) {
    case LEN_HH: v = (signed char)va_arg(*ap, int); break;
    case LEN_H: v = (short)va_arg(*ap, int); break;
    case LEN_L: v = va_arg(*ap, long); break;
    case LEN_LL: v = va_arg(*ap, long long); break;
    case LEN_Z: v = (long long)va_arg(*ap, size_t); break;
    case LEN_J: v = (long long)va_arg(*ap, intmax_t); break;
    case LEN_T: v = (long long)va_arg(*ap, ptrdiff_t); break;
    default: v = va_arg(*ap, int); break;
    }
    if (sp->alt || sp->len == LEN_BIG_L) return -1;
    const unsigned long long u = v < 0 ? 0ull - (unsigned long long)v : (unsigned long long)v;
    char body[32];
    const int n = (sp->prec == 0 && u == 0) ? 0 : Digits_U128(u, body);
    const int zeros = sp->prec > n ? sp->prec - n : 0;
    const char *pre = v < 0 ? "-" : Plus_Sign(sp);
    Put_Field(o, pre, (int)std::strlen(pre), zeros, body, n, sp->width, sp->left,
              sp->zero && !sp->left && sp->prec < 0);
    return 0;
}

/* %u, %x, %X and %o. Return 0, or -1 for a flag the conversion does not take here. */
static int Put_Unsigned(Sink *o, const Fmt_Field *sp, va_list *ap)
{
    unsigned long long u;
    switch (sp->len) {
    case LEN_HH: u = (unsigned char)va_arg(*ap, unsigned); break;
    case LEN_H: u = (unsigned short)va_arg(*ap, unsigned); break;
    case LEN_L: u = va_arg(*ap, unsigned long); break;
    case LEN_LL: u = va_arg(*ap, unsigned long long); break;
    case LEN_Z: u = va_arg(*ap, size_t); break;
    case LEN_J: u = (unsigned long long)va_arg(*ap, uintmax_t); break;
    case LEN_T: u = (unsigned long long)va_arg(*ap, ptrdiff_t); break;
    default: u = va_arg(*ap, unsigned); break;
    }
    if (sp->alt || sp->len == LEN_BIG_L) return -1;
    char body[32];
    int n = 0;
    if (!(sp->prec == 0 && u == 0)) {
        const unsigned base = sp->conv == 'u' ? 10u : sp->conv == 'o' ? 8u : 16u;
        const char *set = sp->conv == 'X' ? "0123456789ABCDEF" : "0123456789abcdef";
        char tmp[32];
        unsigned long long w = u;
        do {
            tmp[n++] = set[w % base];
            w /= base;
        } while (w != 0);
        for (int k = 0; k < n; k++) body[k] = tmp[n - 1 - k];
    }
    const int zeros = sp->prec > n ? sp->prec - n : 0;
    Put_Field(o, "", 0, zeros, body, n, sp->width, sp->left, sp->zero && !sp->left && sp->prec < 0);
    return 0;
}

/* %c and %s. Return 0, or -1 for a length or flag the conversion does not take here. */
static int Put_Text(Sink *o, const Fmt_Field *sp, va_list *ap)
{
    if (sp->conv == 'c') {
        const char c = (char)va_arg(*ap, int);
        if (sp->len != LEN_NONE || sp->zero) return -1;
        Put_Field(o, "", 0, 0, &c, 1, sp->width, sp->left, false);
        return 0;
    }
    const char *s = va_arg(*ap, const char *);
    if (sp->len != LEN_NONE || sp->zero) return -1;
    if (s == nullptr) s = sp->prec < 0 || sp->prec >= 6 ? "(null)" : "";
    const size_t n = sp->prec < 0 ? std::strlen(s) : strnlen(s, (size_t)sp->prec);
    Put_Field(o, "", 0, 0, s, (int)n, sp->width, sp->left, false);
    return 0;
}

/* %f and %F: the digits of Format_Fixed_Digits, or the library's text where those give none.
** Return 0, or -1 when the library refuses. */
static int Put_Fixed(Sink *o, const Fmt_Field *sp, va_list *ap)
{
    if (sp->len == LEN_BIG_L || sp->alt) return Put_By_Library(o, sp, ap);
    const double v = va_arg(*ap, double);
    char body[48];
    const int n = Format_Fixed_Digits(v, sp->prec < 0 ? 6 : sp->prec, body);
    if (n < 0) {
        /* not finite, very large, or many decimals: the library's own text */
        char flags[8];
        Format_Flags(flags, sp);
        char fmt[48];
        if (sp->prec >= 0)
            snprintf(fmt, sizeof fmt, "%%%s%d.%d%c", flags, sp->width, sp->prec, sp->conv);
        else snprintf(fmt, sizeof fmt, "%%%s%d%c", flags, sp->width, sp->conv);
        char small[512];
        const int m = snprintf(small, sizeof small, fmt, v);
        if (m < 0 || (size_t)m >= sizeof small) return -1;
        Put(o, small, (size_t)m);
        return 0;
    }
    const char *pre = std::signbit(v) ? "-" : Plus_Sign(sp);
    Put_Field(o, pre, (int)std::strlen(pre), 0, body, n, sp->width, sp->left,
              sp->zero && !sp->left);
    return 0;
}

/* One conversion into o. Return 0, or -1 for what this formatter does not know. */
static int Put_Conversion(Sink *o, const Fmt_Field *sp, va_list *ap)
{
    switch (sp->conv) {
    case 'd':
    case 'i': return Put_Signed(o, sp, ap);
    case 'u':
    case 'x':
    case 'X':
    case 'o': return Put_Unsigned(o, sp, ap);
    case 'c':
    case 's': return Put_Text(o, sp, ap);
    case 'f':
    case 'F': return Put_Fixed(o, sp, ap);
    case 'e':
    case 'E':
    case 'g':
    case 'G':
    case 'a':
    case 'A':
    case 'p': return Put_By_Library(o, sp, ap);
    default: return -1;
    }
}

int Format_V(char *buf, size_t size, const char *format, va_list ap_in)
{
    /* The arguments are copied at the first conversion, not at once: the caller has just
    ** written the list in parts, and reading it whole at once waits for those writes. */
    va_list ap;
    bool copied = false;
    Sink o = {buf, size, 0};
    bool refused = false;
    const char *f = format;
    while (*f && !refused) {
        if (*f != '%') {
            const char *next = std::strchr(f, '%');
            const size_t n = next ? (size_t)(next - f) : std::strlen(f);
            Put(&o, f, n);
            f += n;
            continue;
        }
        f++;
        if (*f == '%') {
            Put(&o, "%", 1);
            f++;
            continue;
        }
        if (!copied) {
            va_copy(ap, ap_in);
            copied = true;
        }
        Fmt_Field sp;
        Parse_Field(&f, &ap, &sp);
        refused = sp.conv == 0 || Put_Conversion(&o, &sp, &ap) != 0;
    }
    if (copied) va_end(ap);
    if (refused) {
        /* what this function does not know: the library formats the whole text */
        va_list whole;
        va_copy(whole, ap_in);
        const int n = vsnprintf(buf, size, format, whole);
        va_end(whole);
        return n;
    }
    if (size > 0) buf[o.len < size ? o.len : size - 1] = 0;
    return (int)o.len;
}

int Format_N(char *buf, size_t size, const char *format, ...)
{
    va_list ap;
    va_start(ap, format);
    const int n = Format_V(buf, size, format, ap);
    va_end(ap);
    return n;
}

int Format_To_File(FILE *file, const char *format, va_list ap)
{
    if (format[0] == '%' && format[1] == 's' && format[2] == 0) {
        /* a text handed on as it is (the paragraph writer's lines) */
        va_list one;
        va_copy(one, ap);
        const char *s = va_arg(one, const char *);
        va_end(one);
        if (s == nullptr) s = "(null)";
        const size_t n = std::strlen(s);
        return std::fwrite(s, 1, n, file) == n ? (int)n : -1;
    }
    va_list again;
    va_copy(again, ap);
    char text[2048];
    int n = Format_V(text, sizeof text, format, ap);
    if (n >= 0 && (size_t)n < sizeof text)
        n = std::fwrite(text, 1, (size_t)n, file) == (size_t)n ? n : -1;
    else n = vfprintf(file, format, again); /* a longer text: straight to the stream */
    va_end(again);
    return n;
}

/* ---------------------------------------------------------------- short numbers */

int Format_Int(char *out, long long v)
{
    const unsigned long long u = v < 0 ? 0ull - (unsigned long long)v : (unsigned long long)v;
    char tmp[24];
    const int n = Digits_Back_U64(u, tmp + sizeof tmp);
    int k = 0;
    if (v < 0) out[k++] = '-';
    std::memcpy(out + k, tmp + sizeof tmp - n, (size_t)n);
    return k + n;
}

int Format_G6(char *out, double x)
{
    /* The print list writes a few lengths (margins, offsets, tab stops) over and over: the texts
    ** of the last values are kept, one per slot chosen by the value's bits. */
    struct Slot {
        uint64_t bits;
        int len; /* 0: empty */
        char text[FORMAT_G6_SIZE];
    };
    static thread_local Slot cache[64];
    uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    Slot &slot = cache[(bits ^ (bits >> 29) ^ (bits >> 52)) & 63];
    if (slot.len == 0 || slot.bits != bits) {
        const int n = snprintf(slot.text, sizeof slot.text, "%.6g", x);
        if (n <= 0 || (size_t)n >= sizeof slot.text) {
            slot.len = 0;
            return snprintf(out, FORMAT_G6_SIZE, "%.6g", x);
        }
        slot.bits = bits;
        slot.len = n;
    }
    std::memcpy(out, slot.text, (size_t)slot.len + 1);
    return slot.len;
}
