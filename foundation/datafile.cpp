/*
** Versioned data files: readers and writers of text records whose fields name the version in
** which they were introduced. A field younger than the record being read takes its default and
** consumes nothing. The backup scheme is in datafile_backup.cpp.
*/
#include "foundation/datafile.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "foundation/codepage.h"
#include "foundation/memory.h"
#include "foundation/numeric.h"
#include "foundation/report.h"
#include "foundation/ttool.h"

#define BLANK_IN_TEXT 0x8C /* a blank inside a 't' field */

/* The empty-text marker of 't' fields: "!§$%&/()=?" in code page 1252. */
static const char Empty_Marker[] = "!\xA7$%&/()=?";

static FILE *Rd = nullptr;                      /* read stream */
static FILE *Wr = nullptr;                      /* write stream */
static double Version_Stack[DAT_VERSION_DEPTH]; /* 0: data version, then structure versions */
static int Depth = 0;                           /* index of the top entry */

/* ---------------------------------------------------------------- reading */

/* Skip the bytes up to 32 and whole comment lines before the next item. */
static void Skip_Comments(void)
{
    if (!Rd) return;
    for (;;) {
        int c;
        while ((c = getc(Rd)) != EOF && c <= 32) {}
        if (c == EOF) return;
        if (c != '#') {
            ungetc(c, Rd);
            return;
        }
        while ((c = getc(Rd)) != EOF && c != '\n') {}
    }
}

/* Read a number after the comments: 1 and *v, or 0. */
static int Read_Number(double *v)
{
    Skip_Comments();
    return Rd && fscanf(Rd, "%lf", v) == 1;
}

/* Read an integer at the stream's position: 1 and *v when the whole word is one, 0 when there is
** none or the word goes on ("7.9" would read as 7 and leave ".9" to the next field). The byte
** after the word stays unread. */
static int Read_Whole_Int(int *v)
{
    if (!Rd || fscanf(Rd, "%d", v) != 1) return 0;
    const int c = getc(Rd);
    if (c == EOF) return 1;
    ungetc(c, Rd);
    return isspace(c) ? 1 : 0;
}

/* 0, or 2 after the message when version is newer than the program's. */
static int Check_Version(double version, double program_version)
{
    if (version > program_version) {
        Foundation_Report(FOUNDATION_MSG_PLAIN, 0,
                          "Alte Programmversion -> kann Daten nicht lesen!");
        return 2;
    }
    return 0;
}

int Dat_Read_Data_Version(FILE *stream, double program_version)
{
    Rd = stream;
    Depth = 0;
    Version_Stack[0] = 0.0;
    double v;
    if (!Read_Number(&v)) return 1;
    Version_Stack[0] = v;
    if (v == -1.0) return -1;
    return Check_Version(v, program_version);
}

int Dat_Read_Struct_Version(double program_version)
{
    double v;
    if (!Read_Number(&v)) return 1;
    if (Depth + 1 >= DAT_VERSION_DEPTH) return 1; /* records nested deeper than the stack */
    Version_Stack[++Depth] = v;
    return Check_Version(v, program_version);
}

void Dat_Pop_Struct_Version(void)
{
    if (Depth > 0) Depth--;
}

double Dat_Current_Version(void) { return Version_Stack[Depth]; }

void Dat_Set_Current_Version(double v) { Version_Stack[Depth] = v; }

/* Read a word of at most DAT_TEXT_SIZE - 1 bytes into s; the rest of a longer word is skipped. */
static int Read_Word(char *s)
{
    if (!Rd || fscanf(Rd, "%255s", s) != 1) return 0;
    int c;
    while ((c = getc(Rd)) != EOF && !isspace(c)) {}
    if (c != EOF) ungetc(c, Rd);
    return 1;
}

int Dat_Read_Field(void *dest, int type, double introduced, double def)
{
    if (!dest) return 1;
    Skip_Comments();
    if (introduced > Dat_Current_Version()) {
        switch (type) {
        case 'd': *static_cast<double *>(dest) = def; return 0;
        case 'i': *static_cast<int *>(dest) = static_cast<int>(lround(def)); return 0;
        case 'c': *static_cast<char *>(dest) = '\0'; return 0;
        case 's':
        case 't': static_cast<char *>(dest)[0] = '\0'; return 0;
        default: return 1;
        }
    }
    if (!Rd) return 1;
    switch (type) {
    case 'c': return fscanf(Rd, "%c", static_cast<char *>(dest)) != 1;
    case 'd': return fscanf(Rd, "%lf", static_cast<double *>(dest)) != 1;
    case 'i': return !Read_Whole_Int(static_cast<int *>(dest));
    case 's': return !Read_Word(static_cast<char *>(dest));
    case 't': {
        char *s = static_cast<char *>(dest);
        if (!Read_Word(s)) return 1;
        if (strcmp(s, Empty_Marker) == 0) s[0] = '\0';
        else Dat_Decode_Text(s);
        return 0;
    }
    default: return 1;
    }
}

int Dat_Skip_Field(int type, double introduced)
{
    char scratch[DAT_TEXT_SIZE];
    double d;
    int i;
    switch (type) {
    case 'd': return Dat_Read_Field(&d, type, introduced, 0.0);
    case 'i': return Dat_Read_Field(&i, type, introduced, 0.0);
    default: return Dat_Read_Field(scratch, type, introduced, 0.0);
    }
}

int Dat_Skip_Field_Current(int type) { return Dat_Skip_Field(type, Dat_Current_Version()); }

int Dat_Read_Name(char *dest, double introduced, const char *def)
{
    if (!dest) return 1;
    if (Round_To_Decimals(Dat_Current_Version() - introduced, 2) >= 0.0)
        return Dat_Read_Field(dest, 't', -HUGE_VAL, 0.0);
    Str_Copy_Bounded(dest, def ? def : "", DAT_TEXT_SIZE);
    return 0;
}

int Dat_Read_Text_Block(char **ptext, double introduced, const char *def)
{
    if (!ptext) return 1;
    Mem_Free(ptext);
    if (Round_To_Decimals(Dat_Current_Version() - introduced, 2) < 0.0) {
        if (def) {
            const size_t len = strnlen(def, DAT_BLOCK_MAX);
            *ptext = static_cast<char *>(Mem_Realloc(nullptr, len + 1, 0));
            memcpy(*ptext, def, len);
            (*ptext)[len] = '\0';
        }
        return 0;
    }
    Skip_Comments();
    int len;
    if (!Read_Whole_Int(&len)) return 1;
    if (len < 0 || len > DAT_BLOCK_MAX) return 1;
    if (len == 0) return 0;
    char *text = static_cast<char *>(Mem_Realloc(nullptr, static_cast<size_t>(len) + 1, 0));
    getc(Rd); /* the separator */
    const size_t got = fread(text, 1, static_cast<size_t>(len), Rd);
    text[got] = '\0';
    if (got < static_cast<size_t>(len)) {
        Mem_Free(&text);
        return 1;
    }
    *ptext = text;
    return 0;
}

int Dat_Read_Int_Plain(void)
{
    Skip_Comments();
    int v;
    if (!Read_Whole_Int(&v)) return DAT_NO_INT;
    return v;
}

int Dat_Read_Int_Versioned(double introduced, double def)
{
    if (introduced > Dat_Current_Version()) return static_cast<int>(lround(def));
    return Dat_Read_Int_Plain();
}

long Dat_Tell(void) { return Rd ? ftell(Rd) : -1L; }

int Dat_Seek(long offset) { return Rd && fseek(Rd, offset, SEEK_SET) == 0 ? 0 : 1; }

FILE *Dat_Read_Stream(void) { return Rd; }

FILE *Dat_Write_Stream(void) { return Wr; }

int Dat_Decode_Text(char *s)
{
    if (!s) return 0;
    int n = 0;
    for (; s[n]; n++)
        if (static_cast<unsigned char>(s[n]) == BLANK_IN_TEXT) s[n] = ' ';
    if (n == 1 && s[0] == ' ') {
        s[0] = '\0';
        n = 0;
    }
    return n;
}

int Dat_Encode_Text(char *s)
{
    if (!s) return 0;
    if (!*s) {
        s[0] = ' ';
        s[1] = '\0';
    }
    int n = 0;
    for (; s[n]; n++)
        if (s[n] == ' ') s[n] = static_cast<char>(BLANK_IN_TEXT);
    return n;
}

/* ---------------------------------------------------------------- writing */

/* 0 when the formatted write succeeded, else 1. */
static int Wrote(int r) { return r < 0 ? 1 : 0; }

int Dat_Write_Data_Version(FILE *stream, double version)
{
    Wr = stream;
    if (!Wr) return 1;
    return Wrote(fprintf(Wr, " %lf  # Datenversionsnummer\n", version));
}

int Dat_Write_Struct_Version(double version)
{
    if (!Wr) return 1;
    return Wrote(fprintf(Wr, " %lf # Strukturversionsnummer\n", version));
}

int Dat_Write_Field(const void *value, int type)
{
    if (!Wr || !value) return 1;
    switch (type) {
    case 'c': return Wrote(fprintf(Wr, " %c ", *static_cast<const char *>(value)));
    case 'd': return Wrote(fprintf(Wr, " %e ", *static_cast<const double *>(value)));
    case 'i': return Wrote(fprintf(Wr, " %d ", *static_cast<const int *>(value)));
    case 's': return Wrote(fprintf(Wr, " %s ", static_cast<const char *>(value)));
    case 't': {
        char text[DAT_TEXT_SIZE];
        Str_Copy_Bounded(text, static_cast<const char *>(value), DAT_TEXT_MAX + 1);
        if (!text[0]) return Wrote(fprintf(Wr, " %s ", Empty_Marker));
        Dat_Encode_Text(text);
        return Wrote(fprintf(Wr, " %s ", text));
    }
    default: return 1;
    }
}

int Dat_Write_Newline(void)
{
    if (!Wr) return 1;
    return Wrote(fprintf(Wr, "\n"));
}

int Dat_Write_Comment(const char *text)
{
    if (!Wr) return 1;
    return Wrote(fprintf(Wr, "# %s\n", text ? text : ""));
}

int Dat_Write_Text_Block(char *const *ptext)
{
    if (!Wr) return 1;
    const char *text = ptext ? *ptext : nullptr;
    const size_t len = text ? strnlen(text, DAT_BLOCK_MAX) : 0;
    if (fprintf(Wr, " %d ", static_cast<int>(len)) < 0) return 1;
    if (len && fwrite(text, 1, len, Wr) != len) return 1;
    return Wrote(fprintf(Wr, "\n"));
}

int Dat_Write_Placeholder(int type)
{
    static const double dummy_d = -1.0;
    static const int dummy_i = 0;
    static const char dummy_c = '*';
    switch (type) {
    case 'c': return Dat_Write_Field(&dummy_c, type);
    case 'd': return Dat_Write_Field(&dummy_d, type);
    case 'i': return Dat_Write_Field(&dummy_i, type);
    case 's':
    case 't': return Dat_Write_Field("***", type);
    default: return 1;
    }
}
