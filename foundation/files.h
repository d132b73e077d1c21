/*
** File and path tools: the formatted write of every print-list and plot writer, a process-wide
** path prefix for names given without a directory, temporary file names below TEMP, a
** search-and-replace in a text file, whole-line number readers, copies and status queries.
** Paths are formed with '/'; a composed path holds at most FILES_PATH_MAX - 1 = 260 characters.
*/
#pragma once

#include <cstdio>

#define FILES_PATH_MAX 261 /* bytes of a path buffer, terminator included */

/* Formatted write to file; a null file writes nothing and answers 0. */
int File_Printf(FILE *file, const char *format, ...) __attribute__((format(printf, 2, 3)));

/* ---------------------------------------------------------------- base path */

const char *Base_Path_Set(const char *path); /* null: empty prefix; answers the prefix */
const char *Base_Path_Get(void);
const char *Base_Dir_Get(void);
/* prefix + name into buf of size bytes; null (buf cut at size - 1) when it does not fit. */
char *Base_Path_Make(char *buf, const char *name, int size);
char *Base_Path_Make_Static(const char *name); /* static; null when 261 characters or more */
FILE *Base_Path_Fopen(const char *name, const char *mode);
int Base_Path_Exists(const char *name);                           /* 1 or 0 */
int Base_Path_Remove(const char *name);                           /* 0 on success, 1 on failure */
int Base_Path_Rename(const char *old_name, const char *new_name); /* 1 on success, 0 */
int Base_Path_Copy_File(const char *source, const char *target, int flag); /* 1 on success, 0 */
int Base_Path_Remove_Matching(const char *pattern); /* files removed, -1 path too long */

/* ---------------------------------------------------------------- temporary files */

/* A fresh temporary file name below TEMP into buf (FILES_PATH_MAX bytes); null for null buf. */
char *Make_Temp_File_Name(char *buf);
#define TEMP_FILE_SLOTS 5
FILE *Temp_File_Open(const char *mode); /* null when all slots are in use */
int Temp_File_Close(FILE *file);        /* closes and removes; 1 on success, 0 otherwise */

/* ---------------------------------------------------------------- text files */

/* Replace every occurrence of old_text by new_text in the file; answers the count, -1 on failure
** (the file is left in place when the failure comes before the file is replaced). */
int Replace_In_File(const char *path, const char *old_text, const char *new_text);
/* One line (at most 199 characters): up to n numbers, the rest 0; 1 when a line was read. */
int Read_Double_Line(FILE *file, double *values, int n);
int Read_Int_Line(FILE *file, int *values, int n);
/* Up to n numbers across lines, the rest 0; answers the number read. */
int Read_Doubles(FILE *file, double *values, int n);
int Read_Ints(FILE *file, int *values, int n);

/* ---------------------------------------------------------------- files */

int File_Exists(const char *path);                               /* 1 or 0 */
int Copy_File(const char *target, const char *source);           /* 0 on success, 1 */
int Base_Path_Copy_Text(const char *target, const char *source); /* 0 on success, 1 */
long long File_Mtime(const char *path);                          /* seconds, -1 unreadable */
int File_Stat_Ok(const char *path);                              /* 1 when the status can be read */
int Sibling_Tool_Present(void); /* $EXEC/Quandrel executable, remembered */
