/*
** Guillemet strings ("«text»", bytes 0xAE and 0xAF in code page 850), bracketed texts and keyword
** lines of the program's own text files. All work on an open runtime stream; none allocates.
*/
#pragma once

#include <cstdio>

#define GUILLEMET_OPEN  0xAE
#define GUILLEMET_CLOSE 0xAF

/* The next character that is not a blank, tab or line feed (EOF at the end). */
int Next_Nonblank_Char(FILE *file);
/* Read «text» into buf (256 bytes): -1 when the opening mark is missing (that character is
** consumed), else the length (at most 255; the rest of a longer text up to its closing mark is
** skipped, so that the next read starts behind it). */
int Read_Guillemet_String(FILE *file, char *buf);
/* The same into 100 bytes: 0 and an empty text without the opening mark; at most 99 characters. */
int Read_Guillemet_String_Short(FILE *file, char *buf);
/* Write «text» (null: «»); 1 for a null file or a failed write, else 0. */
int Write_Delimited_String(FILE *file, const char *text);
/* Read open...close into buf (at most size - 1 characters): -1 for bad arguments, 0 and an
** empty text when open is missing, else the length. */
int Read_Bracketed_String(FILE *file, char *buf, int size, int open, int close);
/* Write open, text, close; 1 for a null file or a failed write, else 0. */
int Write_Bracketed_String(FILE *file, const char *text, int open, int close);
/* Find the next line that begins with keyword (its first 100 characters); with from_start the
** file is rewound first. 1 (the file stands at the following line) or 0. */
int Find_Keyword_Line(FILE *file, const char *keyword, int from_start);
/* Rewind and find the first line that begins with keyword; with value, an integer right behind
** the keyword is stored. 1 (the file stands behind that line) or 0. */
int Seek_Keyword_Prefix_Line(const char *keyword, FILE *file, int *value);
/* Skip the rest of the current line and its line feed. */
void Skip_Line(FILE *file);
/* Read the current line (at most size - 1 characters kept, the rest skipped): -1 for bad
** arguments, else the length plus 1; a null file gives an empty text and 1. */
int Read_Line_Bounded(FILE *file, char *buf, int size);
