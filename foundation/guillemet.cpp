/*
** Guillemet strings, bracketed texts and keyword lines of the program's own text files.
** Everything reads and writes an open runtime stream; nothing reports. Guillemet texts are read
** in any of the three code pages their marks may come in and kept in code page 850.
*/
#include "foundation/guillemet.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "foundation/codepage.h"

#define KEYWORD_MAX 100 /* characters of a keyword that count */
#define PIECE_MAX   510 /* characters of a piece read by Seek_Keyword_Prefix_Line */

int Next_Nonblank_Char(FILE *file)
{
    if (!file) return EOF;
    int c;
    do c = getc(file);
    while (c == ' ' || c == '\t' || c == '\n');
    return c;
}

/*
** The guillemets in the three code pages a file of ours may have been turned into by another
** program: code page 850 (our own, 0xAE 0xAF), code page 1252 (0xAB 0xBB) and UTF-8 (C2 AB,
** C2 BB). The marks of a text fix its code page; the text is kept in code page 850.
*/
enum { MARKS_NONE = 0, MARKS_850, MARKS_1252, MARKS_UTF8 };

/* Take the opening mark from the stream; answers its kind (MARKS_NONE: no mark, the character
** consumed). */
static int Read_Opening_Mark(FILE *file)
{
    const int c = Next_Nonblank_Char(file);
    if (c == GUILLEMET_OPEN) return MARKS_850;
    if (c == 0xAB) return MARKS_1252;
    if (c == 0xC2) {
        const int d = getc(file);
        if (d == 0xAB) return MARKS_UTF8;
        if (d != EOF) ungetc(d, file);
    }
    return MARKS_NONE;
}

/* Read the bytes after an opening mark up to its closing mark (at most limit of them kept; a
** longer text is read to its end, so that the next read starts behind it). */
static std::string Read_Marked_Bytes(FILE *file, int marks, size_t limit)
{
    std::string raw;
    int c, last = EOF;
    bool last_kept = false;
    while ((c = getc(file)) != EOF) {
        if (marks == MARKS_850 && c == GUILLEMET_CLOSE) break;
        if (marks == MARKS_1252 && c == 0xBB) break;
        if (marks == MARKS_UTF8 && c == 0xBB && last == 0xC2) {
            if (last_kept) raw.pop_back(); /* the first byte of the closing mark */
            break;
        }
        last_kept = raw.size() <= limit;
        if (last_kept) raw.push_back(static_cast<char>(c));
        last = c;
    }
    if (raw.size() > limit) raw.resize(limit);
    return raw;
}

/* Read the text after an opening mark into buf in code page 850, at most max characters;
** answers the length. */
static int Read_Marked_Text(FILE *file, int marks, char *buf, int max)
{
    std::string text;
    if (marks == MARKS_850) {
        text = Read_Marked_Bytes(file, marks, static_cast<size_t>(max));
    } else {
        /* a UTF-8 character takes up to four bytes; the rule of the code pages decides */
        const std::string raw = Read_Marked_Bytes(file, marks, 4 * static_cast<size_t>(max));
        const std::string marked = (marks == MARKS_UTF8 ? "\xC2\xAB" : "\xAB") + raw
                                   + (marks == MARKS_UTF8 ? "\xC2\xBB" : "\xBB");
        text = To_Cp850(raw, Guess_Code_Page(marked));
        if (text.size() > static_cast<size_t>(max)) text.resize(static_cast<size_t>(max));
    }
    memcpy(buf, text.data(), text.size());
    buf[text.size()] = '\0';
    return static_cast<int>(text.size());
}

int Read_Guillemet_String(FILE *file, char *buf)
{
    if (!file || !buf) return -1;
    const int marks = Read_Opening_Mark(file);
    if (marks == MARKS_NONE) {
        buf[0] = '\0';
        return -1;
    }
    return Read_Marked_Text(file, marks, buf, 255);
}

int Read_Guillemet_String_Short(FILE *file, char *buf)
{
    if (!buf) return 0;
    buf[0] = '\0';
    if (!file) return 0;
    const int marks = Read_Opening_Mark(file);
    if (marks == MARKS_NONE) return 0;
    return Read_Marked_Text(file, marks, buf, 99);
}

int Write_Delimited_String(FILE *file, const char *text)
{
    if (!file) return 1;
    return fprintf(file, "\xAE%s\xAF", text ? text : "") <= 0;
}

int Read_Bracketed_String(FILE *file, char *buf, int size, int open, int close)
{
    if (!buf || size < 1 || !file) return -1;
    int c;
    do c = getc(file);
    while (c != EOF && isspace(c));
    if (c != (open & 0xFF)) {
        buf[0] = '\0';
        return 0;
    }
    int n = 0;
    while ((c = getc(file)) != EOF && c != (close & 0xFF)) {
        if (n < size - 1) buf[n++] = static_cast<char>(c);
    }
    buf[n] = '\0';
    return n;
}

int Write_Bracketed_String(FILE *file, const char *text, int open, int close)
{
    if (!file) return 1;
    return fprintf(file, "%c%s%c", open, text ? text : "", close) <= 0;
}

void Skip_Line(FILE *file)
{
    if (!file) return;
    int c;
    while ((c = getc(file)) != EOF && c != '\n') {}
}

/* Read at most max characters of the current line into buf (the line feed is not stored
** and stays unread only when max characters came first). Answers the number read, -1 at the
** end of the file before any character; *ended tells whether the line ended (line feed or end). */
static int Read_Piece(FILE *file, char *buf, int max, int *ended)
{
    int n = 0, c = 0;
    *ended = 0;
    while (n < max) {
        c = getc(file);
        if (c == EOF) {
            *ended = 1;
            if (n == 0) {
                buf[0] = '\0';
                return -1;
            }
            break;
        }
        if (c == '\n') {
            *ended = 1;
            break;
        }
        buf[n++] = static_cast<char>(c);
    }
    buf[n] = '\0';
    return n;
}

int Find_Keyword_Line(FILE *file, const char *keyword, int from_start)
{
    if (!file || !keyword || !*keyword) return 0;
    const int len = static_cast<int>(strnlen(keyword, KEYWORD_MAX));
    if (from_start) rewind(file);
    char piece[KEYWORD_MAX + 1];
    for (;;) {
        int ended;
        const int n = Read_Piece(file, piece, len, &ended);
        if (n < 0) return 0;
        if (n < len) continue; /* the line is shorter than the keyword */
        if (!ended) Skip_Line(file);
        if (memcmp(piece, keyword, static_cast<size_t>(len)) == 0) return 1;
    }
}

int Seek_Keyword_Prefix_Line(const char *keyword, FILE *file, int *value)
{
    if (!keyword || !file) return 0;
    rewind(file);
    const size_t len = strlen(keyword);
    char piece[PIECE_MAX + 1];
    /* Only a piece that starts a line is a line start; the pieces after it continue that line. */
    for (;;) {
        int ended;
        const int n = Read_Piece(file, piece, PIECE_MAX, &ended);
        if (n < 0) return 0;
        if (!ended) Skip_Line(file);
        if (strncmp(piece, keyword, len) == 0 && (len <= PIECE_MAX)) {
            int v;
            if (value && sscanf(piece + len, "%d", &v) == 1) *value = v;
            return 1;
        }
    }
}

int Read_Line_Bounded(FILE *file, char *buf, int size)
{
    if (!buf || size < 1) return -1;
    buf[0] = '\0';
    if (!file) return 1;
    int n = 0, c;
    while ((c = getc(file)) != EOF && c != '\n') {
        if (n < size - 1) buf[n++] = static_cast<char>(c);
    }
    buf[n] = '\0';
    return n + 1;
}
