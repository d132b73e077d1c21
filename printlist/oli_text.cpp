/*
** Texts of the print list: body, small and title paragraphs with the formatting escapes,
** the "!!" mark, comparison signs and check lines, plain-text conversion, drawing groups in a
** text line and our fixed-point rule for printed decimals.
*/
#include "printlist/oli_text.h"

#include <cctype>
#include <cmath>
#include <cstdarg>
#include <cstring>
#include <string>
#include <vector>

#include "foundation/codepage.h"
#include "foundation/format.h"
#include "foundation/version_file.h"
#include "platform/zelkgrft_oli.h"
#include "printlist/oli_graphic.h"
#include "printlist/oli_internal.h"
#include "printlist/oli_para.h"
#include "printlist/oli_writer.h"

static int strip_zeros = 0;

/* The faces that "\xCEr" ends and that a text opens again where it goes on: after a raised 2
** or 3, and on the next line of a long text. */
static const char Faces[6] = {'\\', '/', '_', 'u', 'b', 's'};

void Oli_Set_Strip_Zeros(int on) { strip_zeros = on ? 1 : 0; }
int Oli_Get_Strip_Zeros(void) { return strip_zeros; }

/* ---- fixed-point rule ---- */

/* Exact decimal ties ("%.2f" of 0.125) come out differently from one C library to the next;
** the print list uses one rule everywhere: value x 10^d rounded half away from zero. A value
** that rounds to zero is written without a sign: -0.004 with two decimals is "0.00". */
int Oli_Format_Fixed(char *out, size_t size, double value, int32_t decimals)
{
    if (out == nullptr || size == 0) return 0;
    if (decimals < 0) decimals = 0;
    if (decimals > 9 || !std::isfinite(value)) {
        snprintf(out, size, "%.*f", (int)decimals, value);
        return (int)strlen(out);
    }
    static const double powers[10] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    double r = floor(fabs(value) * powers[decimals] + 0.5);
    if (r >= 9e15) {
        snprintf(out, size, "%.*f", (int)decimals, value);
        return (int)strlen(out);
    }
    /* r < 9e15: at most 16 digits, led by zeros up to decimals + 1 */
    char t[24], digits[32];
    int m = Format_Int(t, (long long)r);
    int n = 0;
    while (n + m < decimals + 1) digits[n++] = '0';
    memcpy(digits + n, t, (size_t)m);
    n += m;
    char s[48];
    size_t k = 0;
    if (std::signbit(value) && r != 0) s[k++] = '-';
    memcpy(s + k, digits, (size_t)(n - decimals));
    k += (size_t)(n - decimals);
    if (decimals > 0) {
        s[k++] = '.';
        memcpy(s + k, digits + n - decimals, (size_t)decimals);
        k += (size_t)decimals;
    }
    if (k >= size) k = size - 1; /* cut as a copy would */
    memcpy(out, s, k);
    out[k] = 0;
    return (int)k;
}

/* ---- escapes ---- */

int Oli_Escape_Active(const char *text, char code, int32_t position)
{
    if (text == nullptr) return 0;
    int32_t last_code = -1, last_reset = -1;
    for (int32_t i = 0; i + 1 < position && text[i] && text[i + 1]; i++) {
        if (text[i] != OLI_ESC) continue;
        if (text[i + 1] == code) last_code = i;
        if (text[i + 1] == 'r') last_reset = i;
        i++;
    }
    return last_code >= 0 && last_code > last_reset;
}

int Oli_Sub_Active(const char *text, int32_t position)
{
    return Oli_Escape_Active(text, '\\', position);
}
int Oli_Super_Active(const char *text, int32_t position)
{
    return Oli_Escape_Active(text, '/', position);
}
int Oli_Emph_Active(const char *text, int32_t position)
{
    return Oli_Escape_Active(text, '_', position);
}
int Oli_Bold_Active(const char *text, int32_t position)
{
    return Oli_Escape_Active(text, 'b', position);
}
int Oli_S_Active(const char *text, int32_t position)
{
    return Oli_Escape_Active(text, 's', position);
}

static int is_digit(char c) { return c >= '0' && c <= '9'; }

/* Remove trailing zeros of every decimal number, and its point when nothing remains. */
static std::string strip_decimal_zeros(const std::string &t)
{
    std::string out;
    size_t n = t.size();
    for (size_t i = 0; i < n; i++) {
        if (t[i] == '.' && i > 0 && i + 1 < n && is_digit(t[i - 1]) && is_digit(t[i + 1])) {
            size_t j = i + 1;
            while (j < n && is_digit(t[j])) j++;
            size_t k = j;
            while (k > i + 1 && t[k - 1] == '0') k--;
            if (k > i + 1) out.append(t, i, k - i);
            i = j - 1;
            continue;
        }
        out += t[i];
    }
    return out;
}

/* A number that printf rounded to zero keeps the sign of the value it came from ("-0.00" of
** -0.001); a report never shows a signed zero. A minus sign counts as the number's sign when it
** stands at the start, after a blank, a bracket, an operator or an escape code, so that hyphens
** inside names ("1995-1-1") are left alone. Is the minus sign at t[i] (followed by '0') such a
** sign before a zero? */
static bool is_sign_of_zero(const char *t, size_t n, size_t i)
{
    const unsigned char prev = i > 0 ? (unsigned char)t[i - 1] : ' ';
    const bool after_escape = i >= 2 && t[i - 2] == OLI_ESC;
    const bool sign = i == 0 || after_escape || !(isalnum(prev) || prev == '.' || prev >= 0x80);
    size_t j = i + 2;
    if (j < n && t[j] == '.') {
        j++;
        while (j < n && t[j] == '0') j++;
    }
    return sign && (j >= n || !is_digit(t[j])) && t[j - 1] != '.';
}

/* The n bytes of t without the signs of zeros into out (room for n bytes); answers the length.
** The text is copied in runs between its minus signs. */
static size_t unsign_zeros_into(const char *t, size_t n, char *out)
{
    size_t k = 0, i = 0;
    while (i < n) {
        const char *dash = (const char *)memchr(t + i, '-', n - i);
        const size_t d = dash ? (size_t)(dash - t) : n;
        memcpy(out + k, t + i, d - i);
        k += d - i;
        if (d == n) break;
        if (!(d + 1 < n && t[d + 1] == '0' && is_sign_of_zero(t, n, d))) out[k++] = '-';
        i = d + 1;
    }
    return k;
}

static std::string unsign_zeros(const char *t)
{
    const size_t n = strlen(t);
    std::string out(n, '\0');
    out.resize(unsign_zeros_into(t, n, out.data()));
    return out;
}

/* Does the text of n bytes hold nothing that Oli_Prepare_Text changes: no "-0", no square or
** cube sign? */
static int prepared_as_it_is(const char *text, size_t n)
{
    const char *end = text + n;
    for (const char *p = text; (p = (const char *)memchr(p, '-', (size_t)(end - p))) != nullptr;
         p++)
        if (p + 1 < end && p[1] == '0') return 0;
    return memchr(text, '\xFD', n) == nullptr && memchr(text, '\xFA', n) == nullptr;
}

void Oli_Prepare_Text(const char *text, char *out, size_t size)
{
    if (out == nullptr || size == 0) return;
    if (text == nullptr) text = "";
    const size_t n = strlen(text);
    if (!strip_zeros && prepared_as_it_is(text, n)) {
        Oli_Copy(out, text, size); /* most texts: nothing to change */
        return;
    }
    if (!strip_zeros && memchr(text, '\xFD', n) == nullptr && memchr(text, '\xFA', n) == nullptr) {
        /* signed zeros only: dropped on the way into out */
        if (n < size) {
            out[unsign_zeros_into(text, n, out)] = 0;
        } else {
            std::string t = unsign_zeros(text);
            Oli_Copy(out, t.c_str(), size);
        }
        return;
    }
    std::string t = unsign_zeros(text);
    if (strip_zeros) t = strip_decimal_zeros(t);
    std::string r;
    for (char c : t) {
        if (c == '\xFD' || c == '\xFA') {
            int active[6];
            for (int f = 0; f < 6; f++)
                active[f] = Oli_Escape_Active(r.c_str(), Faces[f], (int32_t)r.size());
            r += c == '\xFD' ? "\xCE/2\xCEr" : "\xCE/3\xCEr";
            for (int f = 0; f < 6; f++)
                if (active[f]) {
                    r += OLI_ESC;
                    r += Faces[f];
                }
            continue;
        }
        r += c;
    }
    Oli_Copy(out, r.c_str(), size);
}

/* ---- long texts ---- */

/*
** A line of the print list holds OLI_TEXT_SIZE bytes; a longer text goes on on the next line
** of its paragraph. This is a safety net: the writers of long texts put them on lines of their
** own at the ends of their sentences and clauses. The line ends at the last blank that leaves it
** no longer, so that as little as can be goes on; never inside an escape or a drawing group, and
** where the line has no blank, after as many bytes as it holds. The blank at the break is left
** out, and the next line opens again the faces active there. Each line feed of the text ends a
** line as ever.
*/
static void split_line(const char *text, size_t n, std::vector<std::string> *lines)
{
    size_t from = 0;
    std::string open;
    while (open.size() + (n - from) > OLI_TEXT_SIZE) {
        const size_t last = from + (OLI_TEXT_SIZE - open.size()); /* the furthest end */
        size_t blank = from, whole = from;
        for (size_t i = from; i <= last && i < n;) {
            whole = i; /* a line may end before byte i */
            if (text[i] == ' ' && i > from) blank = i;
            const char *end = text[i] == OLI_ESC ? Oli_Escape_End(text + i) : text + i;
            i = end == nullptr ? n : (size_t)(end - text) + 1;
        }
        size_t cut = blank > from ? blank : whole > from ? whole : last;
        lines->push_back(open + std::string(text + from, cut - from));
        open.clear();
        for (char face : Faces)
            if (Oli_Escape_Active(text, face, (int32_t)cut)) {
                open += OLI_ESC;
                open += face;
            }
        from = cut < n && text[cut] == ' ' ? cut + 1 : cut;
    }
    lines->push_back(open + std::string(text + from, n - from));
}

/* The lines of a text of n bytes longer than a line holds, each line of it split as it needs. */
static std::vector<std::string> split_long_text(const char *text, size_t n)
{
    std::vector<std::string> lines;
    if (n > 0 && text[n - 1] == '\n') n--; /* the last line feed ends the last line */
    size_t from = 0;
    for (;;) {
        const char *lf = (const char *)memchr(text + from, '\n', n - from);
        const size_t end = lf ? (size_t)(lf - text) : n;
        split_line(text + from, end - from, &lines);
        if (lf == nullptr) return lines;
        from = end + 1;
    }
}

/* Format into raw (OLI_TEXT_SIZE + 1 bytes) and answer it, or the whole of a longer text
** formatted into *whole; null where the format cannot be formatted. */
static const char *format_whole(char *raw, std::string *whole, const char *format, va_list ap)
{
    va_list again;
    va_copy(again, ap);
    const int n = Format_V(raw, OLI_TEXT_SIZE + 1, format, ap);
    const char *text = n < 0 ? nullptr : raw;
    if (n > OLI_TEXT_SIZE) {
        whole->assign((size_t)n + 1, '\0');
        text =
            Format_V(whole->data(), whole->size(), format, again) == n ? whole->c_str() : nullptr;
        whole->resize((size_t)n);
    }
    va_end(again);
    return text;
}

/* The lines of a long text as one paragraph of the style mode, each line prepared for printing
** when prepare is set. */
static void write_long_paragraph(FILE *file, int32_t mode, const char *text, bool prepare)
{
    Oli_Para_Set_Mode(mode);
    for (const std::string &line : split_long_text(text, strlen(text))) {
        char prepared[OLI_TEXT_SIZE * 4];
        const char *p = line.c_str();
        if (prepare) {
            Oli_Prepare_Text(p, prepared, sizeof prepared);
            p = prepared;
        }
        Oli_Para_Print_Line_N(file, p, strlen(p));
    }
    Oli_End_Text(file);
}

/* ---- body and special texts ---- */

/* One paragraph in the given style; a line feed is added when missing. */
static void write_paragraph(FILE *file, int32_t mode, const char *text)
{
    Oli_Para_Set_Mode(mode);
    Oli_Para_Print_Line(file, text);
    Oli_End_Text(file);
}

static void write_text_prepared(FILE *file, const char *raw)
{
    char prepared[OLI_TEXT_SIZE * 4];
    const char *text = raw; /* most texts: nothing to change, no copy */
    size_t len = strlen(raw);
    if (len > OLI_TEXT_SIZE) {
        if (Oli_Get_Format_Version() >= 335) {
            write_long_paragraph(file, Oli_Get_Body_Mode(), raw, true);
            return;
        }
        for (const std::string &line : split_long_text(raw, len))
            write_text_prepared(file, line.c_str());
        return;
    }
    if (strip_zeros || len >= sizeof prepared || !prepared_as_it_is(raw, len)) {
        Oli_Prepare_Text(raw, prepared, sizeof prepared);
        text = prepared;
        len = strlen(prepared);
    }
    if (Oli_Get_Format_Version() >= 335) {
        Oli_Para_Set_Mode(Oli_Get_Body_Mode());
        Oli_Para_Print_Line_N(file, text, len);
        Oli_End_Text(file);
        return;
    }
    int emph = strstr(text, "\xCE_") != nullptr;
    Oli_File_Printf(file, "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n %s%s", text,
                    len > 0 && text[len - 1] == '\n' ? "" : "\n");
    if (emph) Oli_File_Printf(file, " \n");
    Oli_File_Printf(file, "#END_OF_TEXT\n");
    if (emph) OLI_setYPositionCM(file, 1, -0.38);
    OLI_setYPositionCM(file, 1, -0.6011);
}

void Oli_Write_Text(FILE *file, const char *format, ...)
{
    if (file == nullptr || format == nullptr) return;
    char raw[OLI_TEXT_SIZE + 1];
    std::string whole;
    va_list ap;
    va_start(ap, format);
    const char *text = format_whole(raw, &whole, format, ap);
    va_end(ap);
    if (text != nullptr) write_text_prepared(file, text);
}

/* The bold "!!" at the right margin beside the line just written. */
static void write_fail_mark(FILE *file)
{
    double keep = Oli_Get_Left_Margin();
    OLI_setYPositionCM(file, 1, -0.38);
    Oli_Set_Left_Margin(file, Oli_Get_Text_Width());
    write_text_prepared(file, "\xCE"
                              "b!!");
    Oli_Set_Left_Margin(file, keep);
}

void Oli_Write_Text_Flagged(FILE *file, const char *text, int ok)
{
    if (file == nullptr || text == nullptr) return;
    OLI_reserveSpaceCM(file, 0.76);
    write_text_prepared(file, text);
    if (!ok) write_fail_mark(file);
}

void Oli_Write_Text_At_Tab(FILE *file, double position, const char *text)
{
    if (file == nullptr || text == nullptr) return;
    Oli_Para_Set_Tabs(50, nullptr, &position, 1);
    if (strlen(text) > OLI_TEXT_SIZE) {
        write_long_paragraph(file, Oli_Get_Body_Mode(), text, true);
    } else {
        char prepared[OLI_TEXT_SIZE * 4];
        Oli_Prepare_Text(text, prepared, sizeof prepared);
        write_paragraph(file, Oli_Get_Body_Mode(), prepared);
    }
    Oli_Para_Clear_Tabs();
}

void Oli_Write_Text_At_Tab_F(FILE *file, double position, const char *format, ...)
{
    if (file == nullptr || format == nullptr) return;
    char raw[OLI_TEXT_SIZE + 1];
    std::string whole;
    va_list ap;
    va_start(ap, format);
    const char *text = format_whole(raw, &whole, format, ap);
    va_end(ap);
    if (text != nullptr) Oli_Write_Text_At_Tab(file, position, text);
}

static void write_small_or_title(FILE *file, int title, const char *text)
{
    const size_t n = strlen(text);
    if (Oli_Get_Format_Version() >= 335) {
        if (n > OLI_TEXT_SIZE) write_long_paragraph(file, title ? 5 : 3, text, false);
        else write_paragraph(file, title ? 5 : 3, text);
        return;
    }
    if (n > OLI_TEXT_SIZE) {
        for (const std::string &line : split_long_text(text, n))
            write_small_or_title(file, title, line.c_str());
        return;
    }
    Oli_File_Printf(file, "#SHOWTABLE\n %s\n %s\n 0 0 0 0\n", title ? "1 0 0" : "0 0 1", text);
    OLI_setYPositionCM(file, 1, title ? -0.9 : -0.85);
}

/* Format a small text (title 0) or a title line (title 1) and write it. */
static void write_small_or_title_v(FILE *file, int title, const char *format, va_list ap)
{
    char raw[OLI_TEXT_SIZE + 1];
    std::string whole;
    const char *text = format_whole(raw, &whole, format, ap);
    if (text != nullptr) write_small_or_title(file, title, text);
}

void Oli_Write_Small(FILE *file, const char *format, ...)
{
    if (file == nullptr || format == nullptr) return;
    va_list ap;
    va_start(ap, format);
    write_small_or_title_v(file, 0, format, ap);
    va_end(ap);
}

void Oli_Write_Small_Always(FILE *file, const char *format, ...)
{
    if (file == nullptr || format == nullptr) return;
    va_list ap;
    va_start(ap, format);
    write_small_or_title_v(file, 0, format, ap);
    va_end(ap);
}

void Oli_Write_Title(FILE *file, const char *format, ...)
{
    if (file == nullptr || format == nullptr) return;
    va_list ap;
    va_start(ap, format);
    write_small_or_title_v(file, 1, format, ap);
    va_end(ap);
}

/* The version line of a program of the environment as small text ending near the right margin. */
void Oli_Write_Version(FILE *file, const char *name)
{
    if (file == nullptr || name == nullptr) return;
    char text[OLI_TEXT_SIZE + 1];
    const char *v = Read_Program_Version_File(name);
    if (v) {
        Oli_Copy(text, v, sizeof text);
    } else {
        std::string upper = name;
        for (char &ch : upper) ch = (char)toupper((unsigned char)ch);
        snprintf(text, sizeof text, "%s Version: ???", upper.c_str());
    }
    if (text[0] == 0) return;
    double keep = Oli_Get_Left_Margin();
    Oli_Set_Left_Margin(file, keep - strlen(text) * 0.13333 + 1.0 + Oli_Get_Text_Width());
    write_small_or_title(file, 0, text);
    Oli_Set_Left_Margin(file, keep);
}

/* ---- comparison signs and check lines ---- */

char Oli_Compare_Sign(double a, double b, int32_t decimals, double tolerance)
{
    double d = Oli_Round(a - b, decimals);
    if (Oli_Round(fabs(d), decimals) == 0.0) return '=';
    if (d > 0) return '>';
    if (Oli_Round(fabs(d) - tolerance, decimals) <= 0.0) return '\xF7';
    return '<';
}

char Oli_Compare_Sign_Exact(double a, double b, int32_t decimals)
{
    return Oli_Compare_Sign(a, b, decimals, 0.0);
}

char Oli_Compare_Sign_Le(double a, double b) { return a < b ? '<' : a > b ? '>' : '\xF3'; }
char Oli_Compare_Sign_Ge(double a, double b) { return a > b ? '>' : a < b ? '<' : '\xF2'; }

const char *Oli_Check_Text(double a, double b, int32_t decimals, double tolerance, int32_t kind,
                           const char *name, const char *unit)
{
    static char text[OLI_CHECK_TEXT_SIZE];
    char va[64], vb[64];
    Oli_Format_Fixed(va, sizeof va, a, decimals);
    Oli_Format_Fixed(vb, sizeof vb, b, decimals);
    char sign = Oli_Compare_Sign(a, b, decimals, tolerance);
    const int n = unit ? snprintf(text, sizeof text, "%s %s %c %s %s", va, unit, sign, vb, unit)
                       : snprintf(text, sizeof text, "%s %c %s", va, sign, vb);
    /* a comparison cut at the end of the buffer gets no governing value after it */
    if (name && n >= 0 && n < (int)sizeof text) {
        double d = Oli_Round(a - b, decimals);
        const char *gov = nullptr;
        switch (kind) {
        case 2: gov = d > 0 ? va : nullptr; break;
        case 3: gov = d < 0 ? vb : nullptr; break;
        case 4: gov = d > 0 ? vb : nullptr; break;
        default: gov = d < 0 ? va : nullptr; break;
        }
        if (gov
            && snprintf(text + n, sizeof text - (size_t)n, "  \x88 %s = %s %s", name, gov,
                        unit ? unit : "")
                   < 0)
            text[n] = '\0';
    }
    return text;
}

/* Whether "a op b" holds for the difference rounded to the decimals. */
static int condition_holds(double a, const char *op, double b, int32_t decimals)
{
    double d = Oli_Round(a - b, decimals);
    if (op == nullptr) return 0;
    if (!strcmp(op, "<=") || !strcmp(op, "=<")) return d <= 0;
    if (!strcmp(op, ">=") || !strcmp(op, "=>")) return d >= 0;
    if (!strcmp(op, "<")) return d < 0;
    if (!strcmp(op, ">")) return d > 0;
    return 0;
}

void Oli_Check_Line_Text(const char *name, double a, const char *op, double b, int32_t decimals,
                         char *text, size_t size)
{
    if (text == nullptr || size == 0) return;
    char va[64], vb[64];
    Oli_Format_Fixed(va, sizeof va, a, decimals);
    Oli_Format_Fixed(vb, sizeof vb, b, decimals);
    double d = Oli_Round(a - b, decimals);
    char sign = d == 0 ? '=' : d > 0 ? '>' : '<';
    snprintf(text, size, "%s %c %s", va, sign, vb);
    if (!condition_holds(a, op, b, decimals)) {
        size_t used = strlen(text);
        snprintf(text + used, size - used, "  \x88  %s = %s", name ? name : "", vb);
    }
}

int Oli_Check_Line(FILE *file, const char *label, double a, const char *op, double b,
                   int32_t decimals, const char *prefix, const char *ok_text, const char *fail_text)
{
    int holds = condition_holds(a, op, b, decimals);
    if (file == nullptr) return holds;
    char va[64], vb[64];
    Oli_Format_Fixed(va, sizeof va, a, decimals);
    Oli_Format_Fixed(vb, sizeof vb, b, decimals);
    double d = Oli_Round(a - b, decimals);
    char cmp[140];
    snprintf(cmp, sizeof cmp, "%s %c %s", va, d == 0 ? '=' : d > 0 ? '>' : '<', vb);
    const char *marker = holds ? ""
                               : "\xCE"
                                 "b";
    /* the whole line, however long: the writer goes on on the next line */
    std::string text = std::string(label ? label : "") + " " + marker + cmp + "\xCEr "
                       + (prefix ? prefix : "") + " " + marker
                       + (holds ? (ok_text ? ok_text : "") : (fail_text ? fail_text : ""));
    Oli_Write_Text_Flagged(file, text.c_str(), holds || fail_text == nullptr);
    return holds;
}

const char *Oli_Sprintf(const char *format, ...)
{
    static char text[OLI_CHECK_TEXT_SIZE];
    text[0] = 0;
    if (format == nullptr) return text;
    va_list ap;
    va_start(ap, format);
    if (Oli_Vformat(text, sizeof text, format, ap) < 0) text[0] = 0;
    va_end(ap);
    return text;
}

/* CP850 byte -> CP1252 byte of the same character ('?' when 1252 lacks it). */
static unsigned char cp850_to_1252(unsigned char c)
{
    if (c < 0x80) return c;
    uint16_t u = codepage_detail::Cp850_High[c - 0x80];
    if (u == 0) return '?';
    for (int i = 0; i < 128; i++)
        if (codepage_detail::Cp1252_High[i] == u) return (unsigned char)(0x80 + i);
    return '?';
}

char *Oli_Plain_Text(char *text, int strip, int convert)
{
    if (text == nullptr) return text;
    char *w = text;
    for (char *p = text; *p; p++) {
        if (strip && *p == OLI_ESC) {
            const char *end = Oli_Escape_End(p);
            if (end == nullptr) break;
            p += end - p;
            continue;
        }
        *w++ = convert ? (char)cp850_to_1252((unsigned char)*p) : *p;
    }
    *w = 0;
    return text;
}

int32_t Oli_Trimmed_Length(const char *text)
{
    if (text == nullptr) return 0;
    int32_t n = (int32_t)strlen(text);
    while (n > 0 && text[n - 1] == ' ') n--;
    return n;
}

/* ---- drawing groups ---- */

static double clamp01(double v) { return v < 0 ? 0 : v > 1 ? 1 : v; }

void Oli_Rule(FILE *file, double a, double b, double c, double d)
{
    if (file == nullptr) return;
    Oli_Printf(file, " \xCE{\xCEL 0 %f %f %f %f } ", a, b, clamp01(c), clamp01(d));
}

void Oli_Rule_Line(FILE *file, double y)
{
    if (file == nullptr) return;
    y = clamp01(y);
    Oli_Printf(file, " \xCE{\xCEL 0 -1 -1 %f %f }", y, y);
}

void Oli_Double_Rule(FILE *file, double y)
{
    if (file == nullptr) return;
    Oli_Printf(file, " \xCE{\xCEL 0 -1 -1 %f %f } ", y - 0.1, y - 0.1);
    Oli_Printf(file, " \xCE{\xCEL 0 -1 -1 %f %f } ", y + 0.1, y + 0.1);
}

void Oli_Fill_Area(FILE *file, int32_t n, double a, double b, double c, double d)
{
    if (file == nullptr) return;
    c = clamp01(c);
    d = clamp01(d);
    if (d < c) {
        double t = c;
        c = d;
        d = t;
    }
    Oli_Printf(file, " \xCE{\xCER %d %f %f %f %f } ", (int)n, a, b, c, d);
}

void Oli_Fill_Line(FILE *file, int32_t n)
{
    if (file == nullptr) return;
    Oli_Printf(file, " \xCE{\xCER %d -1 -1 -1 -1} ", (int)n);
}
