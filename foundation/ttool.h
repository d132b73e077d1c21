/*
** Text tools: blank marks, trimming and padding, bounded copies, substrings (a ring of 8 heap
** buffers), word splitting, German number words, integer lists as German text, file-name check
** and version texts. Texts are zero-terminated byte strings in code page 850 or 1252; many results
** live in static buffers that the next call of the same operation overwrites.
** The code-page maps (Umlauts_To_Cp850, ...) are declared in codepage.h.
*/
#pragma once

#include <cstddef>
#include <cstdio>

#include "foundation/codepage.h"

/* Bytes that stand in for white space inside a stored token. */
#define BLANK_MARK_BLANK 0xFE /* blank */
#define BLANK_MARK_LF    0xFD /* line feed */
#define BLANK_MARK_CR    0xFC /* carriage return */

/* ---------------------------------------------------------------- blank marks and white space */

int Str_Encode_Blank_Marks(char *s); /* blank/LF/CR -> 0xFE/0xFD/0xFC; answers the length */
int Str_Decode_Blank_Marks(char *s); /* the inverse; answers the length */
char *Str_Collapse_White(char *s);   /* runs of isspace -> one blank; answers the terminator */
char *Str_Collapse_White_Copy(
    const char *s); /* the same on a malloc'd copy (caller frees); null on failure */
int Str_Trim_Right_Blanks(char *s); /* answers the number of blanks removed */
char *Str_Trim_Right_Blank_Lf(
    char *s); /* trailing blanks and line feeds behind a blank; answers s */
int Str_Trim_White_Flags(char *s,
                         int flags);   /* 2 trailing, 1 leading white space; answers the length */
int Blanks_To_Question_Marks(char *s); /* answers the length */
int Question_Marks_To_Blanks(char *s); /* answers the length */
int Len_Without_Trailing_Blanks(const char *s);
char *Trim_Blanks(const char *s); /* static buffer; leading and trailing blanks removed */
char *Pad_With_Blanks(const char *s, int n); /* static buffer of exactly n (<= 511) characters */
char *Str_Pad_To_Width(char *s, int n); /* in place: padded or cut to n characters; answers s */

/* ---------------------------------------------------------------- copies */

/* Copy at most n - 1 characters, zero-fill the rest of the n bytes; nothing for null or n 0. */
char *Str_Copy_Bounded(char *dst, const char *src, size_t n);
/* Write src cut or blank-padded to exactly n characters plus a terminator (dst holds n + 1 bytes). */
char *Str_Copy_Pad(char *dst, const char *src, int n);
/* Copy at most size - 1 characters (overlap allowed); flags 1/2 trim as Str_Trim_White_Flags,
** 4 pads with blanks to size - 1. Answers the length; 0 for a null dst or size < 1. */
int Str_Copy_Flags(const char *src, char *dst, int size, int flags);
/* A fresh zeroed block of n + 1 bytes (malloc family) holding at most n characters of text; a
** null text gives "\n". Null when the allocation fails. */
char *Str_Dup_N(const char *text, int n);
int Str_Size(const char *text); /* strlen + 1, 0 for a null text */
void Free_If_Set(void *p);      /* free a non-null pointer */

/* ---------------------------------------------------------------- search, substrings, words */

/* Index in s of the first needle at or after start; -1 when there is none (also when start lies
** beyond the end of s, or an argument is null or start is negative). */
int Str_Find_From(int start, const char *s, const char *needle);

/* Substrings in the ring of 8 buffers: valid until eight further calls of the three. */
char *Str_Left(const char *s, int n);
char *Str_Right(const char *s, int n);
char *Str_Mid(const char *s, int start, int n); /* null when start is not below the length */
void Str_Ring_Release(char *p);

int Str_Count_Words(const char *s);
/* Split at white space into a malloc'd array of malloc'd words; 1, or 0 for no word or a failed
** allocation (nothing is left allocated then). The caller frees each word and the array. */
int Str_Split_Words(const char *s, int *count, char ***words);
/* Count the first character of chars in s into *count; none: answers s itself; otherwise a
** malloc'd copy with each occurrence replaced by repl (null when that allocation fails). */
char *Str_Replace_Char(char *s, const char *chars, const char *repl, int *count);
/* fgets with one trailing line feed removed; null at end of file or for bad arguments. */
char *Read_Line_No_Newline(char *buf, int n, FILE *file);

/* ---------------------------------------------------------------- file names */

/* 1 when name is usable as a file name (empty counts as usable), else 0; show: message box. */
int Check_File_Name(const char *name, int show);

/* ---------------------------------------------------------------- number words (German) */

const char *Number_Word_Units(int n, int final_one); /* 1..19; "-Fehler-" otherwise */
const char *Number_Word_Tens(int n);                 /* n/10 = 2..9 */
const char *Number_Word_Below_100(int n, int final_one);
const char *Number_Word_Below_1000(int n, int final_one);
const char *Number_Word_Below_Million(long long n);
const char *Number_Word_Below_Milliard(long long n);
const char *Number_Word_Full(long long n);
const char *Number_To_Words(long long n); /* capitalised; "Null", "Zahl zu gross" */
const char *Get_Count_Word(int n);        /* "keiner", "einer", ... "neun", else "%d" */

/* The values as a German enumeration with ranges ("1 bis 3, 5 und 7"); empty for n < 1. */
const char *Int_List_Text(int n, const int *values);

/* ---------------------------------------------------------------- version texts */

/* Parse "... <first><c><second><c><suffix>" after the last blank; numbers default to 0, the
** suffix (4 bytes, at most 3 characters) to "???". Answers the number of fields read. */
int Parse_Version_Text(const char *s, int *first, int *second, char *suffix);
/* 1 when a is newer, -1 when older, else the strcmp of the suffixes. */
int Compare_Version_Texts(const char *a, const char *b);
/* The second version number of the named program's version file (0 before the first success). */
int Get_Program_Version_Second(const char *name);
extern int Program_Version_Second;
