/*
** Guillemet strings, bracketed texts and keyword lines of the program's own text files.
** Everything reads and writes an open runtime stream; nothing allocates or reports.
*/
#include "foundation/guillemet.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#define KEYWORD_MAX 100    /* characters of a keyword that count */
#define PIECE_MAX   510    /* characters of a piece read by Seek_Keyword_Prefix_Line */

int Next_Nonblank_Char(FILE *file)
{
    if (!file) return EOF;
    int c;
    do c = getc(file);
    while (c == ' ' || c == '\t' || c == '\n');
    return c;
}

/* Skip the rest of a text that was cut, up to and with its closing mark, so that the next
** read starts behind the text rather than inside it. */
static void Skip_Rest_Of_Text(FILE *file)
{
    int c;
    while ((c = getc(file)) != EOF && c != GUILLEMET_CLOSE) {}
}

/* Read the text after an opening mark into buf, at most max characters; answers the length. */
static int Read_Marked_Text(FILE *file, char *buf, int max)
{
    int n = 0, c;
    while ((c = getc(file)) != EOF && c != GUILLEMET_CLOSE) {
        if (n == max) {
            Skip_Rest_Of_Text(file);
            break;
        }
        buf[n++] = static_cast<char>(c);
    }
    buf[n] = '\0';
    return n;
}

int Read_Guillemet_String(FILE *file, char *buf)
{
    if (!file || !buf) return -1;
    if (Next_Nonblank_Char(file) != GUILLEMET_OPEN) {
        buf[0] = '\0';
        return -1;
    }
    return Read_Marked_Text(file, buf, 255);
}

int Read_Guillemet_String_Short(FILE *file, char *buf)
{
    if (!buf) return 0;
    buf[0] = '\0';
    if (!file || Next_Nonblank_Char(file) != GUILLEMET_OPEN) return 0;
    return Read_Marked_Text(file, buf, 99);
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
        if (n < len) continue;           /* the line is shorter than the keyword */
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
