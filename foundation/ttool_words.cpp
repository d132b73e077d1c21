/*
** German number words ("einundzwanzig", "dreihundertzwölf"), counts in words, lists of integers
** as German text ("1 bis 3, 5 und 7") and version texts ("... 3.12 a").
*/
#include "foundation/ttool.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "foundation/codepage.h"
#include "foundation/memory.h"
#include "foundation/numeric.h"
#include "foundation/version_file.h"

#define WORD_SIZE 256 /* bytes of each level's buffer; the longest word has about 120 */

static const char Word_Error[] = "-Fehler-";

/* ---------------------------------------------------------------- number words */

const char *Number_Word_Units(int n, int final_one)
{
    static const char *const words[20] = {
        nullptr,    nullptr,          "zwei",     "drei",     "vier",     "fünf"_cp850,  "sechs",
        "sieben",   "acht",           "neun",     "zehn",     "elf",      "zwölf"_cp850, "dreizehn",
        "vierzehn", "fünfzehn"_cp850, "sechzehn", "siebzehn", "achtzehn", "neunzehn"};
    if (n == 1) return final_one ? "eins" : "ein";
    if (n < 2 || n > 19) return Word_Error;
    return words[n];
}

const char *Number_Word_Tens(int n)
{
    static const char *const words[10] = {nullptr,   nullptr,         "zwanzig", "dreissig",
                                          "vierzig", "fünfzig"_cp850, "sechzig", "siebzig",
                                          "achtzig", "neunzig"};
    const int t = n / 10;
    if (t < 2 || t > 9) return Word_Error;
    return words[t];
}

const char *Number_Word_Below_100(int n, int final_one)
{
    static char buf[WORD_SIZE];
    if (n < 20) return Number_Word_Units(n, final_one);
    if (n > 99) return Word_Error;
    if (n % 10 == 0) return Number_Word_Tens(n);
    if (snprintf(buf, sizeof buf, "%sund%s", Number_Word_Units(n % 10, 0), Number_Word_Tens(n))
        >= (int)sizeof buf)
        return Word_Error;
    return buf;
}

const char *Number_Word_Below_1000(int n, int final_one)
{
    static char buf[WORD_SIZE];
    if (n < 100) return Number_Word_Below_100(n, final_one);
    if (n > 999) return Word_Error;
    const int rest = n % 100;
    if (snprintf(buf, sizeof buf, "%shundert%s", Number_Word_Units(n / 100, 0),
                 rest ? Number_Word_Below_100(rest, final_one) : "")
        >= (int)sizeof buf)
        return Word_Error;
    return buf;
}

const char *Number_Word_Below_Million(long long n)
{
    static char buf[WORD_SIZE];
    if (n < 0 || n > 999999) return Word_Error;
    const int thousands = static_cast<int>(n / 1000), rest = static_cast<int>(n % 1000);
    if (thousands == 0) return Number_Word_Below_1000(rest, 1);
    char head[WORD_SIZE];
    if (snprintf(head, sizeof head, "%stausend", Number_Word_Below_1000(thousands, 0))
            >= (int)sizeof head
        || snprintf(buf, sizeof buf, "%s%s", head, rest ? Number_Word_Below_1000(rest, 1) : "")
               >= (int)sizeof buf)
        return Word_Error;
    return buf;
}

const char *Number_Word_Below_Milliard(long long n)
{
    static char buf[WORD_SIZE];
    if (n < 0 || n > 999999999LL) return Word_Error;
    const int millions = static_cast<int>(n / 1000000);
    const long long rest = n % 1000000;
    if (millions == 0) return Number_Word_Below_Million(rest);
    char head[WORD_SIZE];
    if (millions == 1) snprintf(head, sizeof head, "einemillion");
    else if (snprintf(head, sizeof head, "%smillionen", Number_Word_Below_1000(millions, 0))
             >= (int)sizeof head)
        return Word_Error;
    if (snprintf(buf, sizeof buf, "%s%s", head, rest ? Number_Word_Below_Million(rest) : "")
        >= (int)sizeof buf)
        return Word_Error;
    return buf;
}

const char *Number_Word_Full(long long n)
{
    static char buf[WORD_SIZE];
    if (n < 0 || n > 99999999999LL) return Word_Error;
    const int milliards = static_cast<int>(n / 1000000000LL);
    const long long rest = n % 1000000000LL;
    if (milliards == 0) return Number_Word_Below_Milliard(rest);
    char head[WORD_SIZE];
    if (milliards == 1) snprintf(head, sizeof head, "einemilliarde");
    else if (snprintf(head, sizeof head, "%smilliarden", Number_Word_Below_100(milliards, 0))
             >= (int)sizeof head)
        return Word_Error;
    if (snprintf(buf, sizeof buf, "%s%s", head, rest ? Number_Word_Below_Milliard(rest) : "")
        >= (int)sizeof buf)
        return Word_Error;
    return buf;
}

const char *Number_To_Words(long long n)
{
    static char buf[WORD_SIZE];
    if (n == 0) return "Null";
    if (n < 0 || n > 4294967285LL) return "Zahl zu gross";
    snprintf(buf, sizeof buf, "%s", Number_Word_Full(n));
    buf[0] = static_cast<char>(toupper(static_cast<unsigned char>(buf[0])));
    return buf;
}

const char *Get_Count_Word(int n)
{
    static const char *const words[10] = {"keiner", "einer", "zwei",   "drei", "vier",
                                          "funf",   "sechs", "sieben", "acht", "neun"};
    static char buf[16];
    if (n >= 0 && n <= 9) return words[n];
    snprintf(buf, sizeof buf, "%d", n);
    return buf;
}

/* ---------------------------------------------------------------- integer lists */

static char *List_Text = nullptr; /* grows through the counted layer, kept between calls */

/* Append text at *len; the buffer is sized so that it always fits. */
static void List_Append(size_t *len, size_t size, const char *text)
{
    const int k = snprintf(List_Text + *len, size - *len, "%s", text);
    if (k > 0)
        *len += static_cast<size_t>(k) < size - *len ? static_cast<size_t>(k) : size - *len - 1;
}

const char *Int_List_Text(int n, const int *values)
{
    if (n < 1 || !values) return "";
    long long largest = 0;
    for (int i = 0; i < n; i++) {
        const long long a = values[i] < 0 ? -static_cast<long long>(values[i]) : values[i];
        if (a > largest) largest = a;
    }
    const size_t d = static_cast<size_t>(Count_Digits(largest));
    const size_t size = (d + 10) * static_cast<size_t>(n) + 25;
    List_Text = static_cast<char *>(Mem_Realloc(List_Text, size, 0));
    size_t len = 0;
    List_Text[0] = '\0';
    char num[24];
    for (int i = 0; i < n;) {
        snprintf(num, sizeof num, "%d, ", values[i]);
        List_Append(&len, size, num);
        int j = i, open = 0;
        /* The last value is never absorbed into a range. */
        while (j + 1 < n - 1
               && static_cast<long long>(values[j + 1]) == static_cast<long long>(values[j]) + 1) {
            if (!open) {
                len -= 2;
                List_Text[len] = '\0';
                List_Append(&len, size, " bis ");
                open = 1;
            }
            j++;
        }
        if (open) {
            snprintf(num, sizeof num, "%d, ", values[j]);
            List_Append(&len, size, num);
        }
        i = j + 1;
    }
    len -= 2;
    List_Text[len] = '\0';
    char *comma = strrchr(List_Text, ',');
    if (comma) {
        const size_t at = static_cast<size_t>(comma - List_Text);
        memmove(comma + 4, comma + 1, len - at); /* with the terminator */
        memcpy(comma, " und", 4);
    }
    return List_Text;
}

/* ---------------------------------------------------------------- version texts */

int Parse_Version_Text(const char *s, int *first, int *second, char *suffix)
{
    int a = 0, b = 0;
    char sep1 = 0, sep2 = 0, suf[8] = "???";
    int fields = 0;
    if (s) {
        const int len = static_cast<int>(strlen(s));
        const char *from = s;
        for (int i = len - 2; i >= 1; i--) {
            if (s[i] == ' ') {
                from = s + i + 1;
                break;
            }
        }
        fields = sscanf(from, "%d%c%d%c%4s", &a, &sep1, &b, &sep2, suf);
        if (fields < 1) a = 0;
        if (fields < 3) b = 0;
        if (fields < 5) snprintf(suf, sizeof suf, "???");
        if (fields < 0) fields = 0;
    }
    if (first) *first = a;
    if (second) *second = b;
    if (suffix) {
        memset(suffix, 0, 4);
        for (int i = 0; i < 3 && suf[i]; i++) suffix[i] = suf[i];
    }
    return fields;
}

int Compare_Version_Texts(const char *a, const char *b)
{
    int a1, a2, b1, b2;
    char sa[4], sb[4];
    Parse_Version_Text(a, &a1, &a2, sa);
    Parse_Version_Text(b, &b1, &b2, sb);
    if (a2 != b2) return a2 > b2 ? 1 : -1;
    if (a1 != b1) return a1 > b1 ? 1 : -1;
    return strcmp(sa, sb);
}

int Program_Version_Second = 0;

int Get_Program_Version_Second(const char *name)
{
    char *copy = Mem_Strdup(name);
    if (!copy) return Program_Version_Second;
    const char *line = Read_Program_Version_File(copy);
    Mem_Free(&copy);
    int second = 0;
    if (line && Parse_Version_Text(line, nullptr, &second, nullptr) >= 3)
        Program_Version_Second = second;
    return Program_Version_Second;
}
