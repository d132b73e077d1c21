/*
** National-annex files: the file frame, whole-file reader and writer, the one-time conversion
** of the older store, and the section reader, writer, compare and copy of every block.
** Streams are text; names in the files are code page 850 guillemet strings.
*/
#pragma once

#include <cstdio>

#include "nad/nad_blocks.h"

/* ---------------------------------------------------------------- files */

/* How a part of an annex file could not be read whole. */
enum {
    NAD_DAMAGE_VALUE = 1,   /* a value that is not a number of its kind (a word, "1,5", "nan") */
    NAD_DAMAGE_CUT = 2,     /* the file ends before the block does */
    NAD_DAMAGE_EXTRA = 3,   /* more values than the block holds */
    NAD_DAMAGE_MISSING = 4, /* the section's keyword line is not in the file */
    NAD_DAMAGE_TWICE = 5,   /* the section's keyword line stands twice in the file */
    NAD_DAMAGE_VERSION = 6, /* a block version newer than this program's, or below 0 */
    NAD_DAMAGE_UNENDED = 7, /* the file ends right behind the block's last value: it may be cut */
    NAD_DAMAGE_RANGE = 8,   /* a number outside what its field may hold (a gamma_M of 0.5) */
};

#define NAD_FILE_VERSION 1 /* the version of the file frame, "NAD/Version 1" */

#define NAD_DAMAGE_PARTS 7 /* the header and the six sections */

/* Bytes of an annex file at most: one holds a few kilobytes, so a file past this is damage
** and is not read (a gigabyte would keep the start for minutes, a growing file for ever). */
#define NAD_FILE_MAX_BYTES (1u << 20)

/* The parts of an annex file that were not read whole, in the order of the file's sections. A
** damaged or missing part keeps what its block held before the reading (for the active record,
** the built-in defaults). */
typedef struct NAD_File_Damage {
    int32_t count;
    struct {
        char part[8];  /* "Kopf" (flag and variant of the header) or the keyword, e.g. "#EC5" */
        int32_t kind;  /* NAD_DAMAGE_* */
        int32_t line;  /* 1-based line of the file where the reading stopped; 0 for a missing one;
                       * for a section that stands twice, the line of its second keyword */
        int64_t other; /* the line of the first keyword (twice), the version read (version), the
                       * NAD_R_* range of the field (range) */
        char written[24]; /* version: the number as the file writes it (a longer one cut, "...") */
    } parts[NAD_DAMAGE_PARTS];
} NAD_File_Damage;

void Write_NAD_File(FILE *f, const NAD_Record *rec);
int Parse_NAD_File(FILE *f, NAD_Record *rec);
/* Parse_NAD_File that also says what was not read whole (damage may be null). */
int Parse_NAD_File_Checked(FILE *f, NAD_Record *rec, NAD_File_Damage *damage);
int Read_NAD_File(int number, const char *name, NAD_Record *rec);
int Read_NAD_File_Checked(int number, const char *name, NAD_Record *rec, NAD_File_Damage *damage);
/* The keyword of a part with its standard, e.g. "#EC5 (EN 1995)", into out; answers out. */
const char *NAD_Damage_Part_Title(const char *part, char *out, size_t size);
/* Every damaged part with its standard, "#EC0 (EN 1990), #EC5 (EN 1995) und #EC9 (EN 1999)". */
const char *NAD_Damage_Parts_Text(const NAD_File_Damage *d, char *out, size_t size);
/* 1 when every block of the file was not read whole (all of them hold the built-in defaults). */
int NAD_Damage_All_Blocks(const NAD_File_Damage *d);
/* The box "Warnung" that names the file, each part not read whole with its line, and the values
** that stand. Nothing when nothing is damaged. */
void Say_NAD_File_Damage(const char *name, const char *path, const NAD_File_Damage *d);
int Store_User_NAD_File(int number, const NAD_Record *rec);
void Safeguard_Proper_Version(void);
/* Write the entries of an open old store as "<dir>/1.NAD", "2.NAD" ... without gaps; answers
** the number of files written. */
int Convert_Old_NAD_Store(FILE *old, const char *dir);
/* 1 header found (stream behind it), 2 stop keyword met, 0 end of file (stream restored). */
int Spool_To_Section_Header(FILE *f, const char *header, const char *stop, int *version);

/* ---------------------------------------------------------------- EN 1995 */

void Init_NAD_EC5_Defaults(NAD_EC5_Params *b);
void Write_NAD_EC5_Section(FILE *f, const NAD_EC5_Params *b);
void Read_NAD_EC5_Section(FILE *f, NAD_EC5_Params *b, int mode);
void Set_NAD_EC5_Variant(NAD_EC5_Params *b, int variant);
int Compare_NAD_EC5_Params(const NAD_EC5_Params *a, const NAD_EC5_Params *b);
void Copy_NAD_EC5_Params(NAD_EC5_Params *dst, const NAD_EC5_Params *src);

/* ---------------------------------------------------------------- EN 1990 */

void Init_NAD_EC0_Defaults(NAD_EC0_Params *b);
void Write_NAD_EC0_Section(FILE *f, const NAD_EC0_Params *b);
void Read_NAD_EC0_Section(FILE *f, NAD_EC0_Params *b, int mode);
int Compare_NAD_EC0_Params(const NAD_EC0_Params *a, const NAD_EC0_Params *b);
void Copy_NAD_EC0_Params(NAD_EC0_Params *dst, const NAD_EC0_Params *src);

/* ---------------------------------------------------------------- EN 1991 */

int Load_EC1_Table_Definitions(NAD_EC1_Tables *b);
void Init_NAD_EC1_Defaults(NAD_EC1_Tables *b);
void Load_EC1_Table_Values(int number, const char *name, NAD_EC1_Tables *b);
void Select_EC1_Table_Variant(NAD_EC1_Tables *b, int variant);
void Free_NAD_EC1_Tables(NAD_EC1_Tables *b);
void Write_EC1_Table_Values(FILE *f, const NAD_EC1_Tables *b, const char *name);
int Store_EC1_User_Values(int append, const char *name, const NAD_EC1_Tables *b);
int Compare_NAD_EC1_Tables(const NAD_EC1_Tables *a, const NAD_EC1_Tables *b);
void Copy_NAD_EC1_Tables(NAD_EC1_Tables *dst, const NAD_EC1_Tables *src);

/* ---------------------------------------------------------------- EN 1992 */

void Init_NAD_EC2_Defaults(NAD_EC2_Params *b);
void Init_NAD_EC2_Values_For_Code(int code, NAD_EC2_Params *b);
void Init_NAD_EC2_German_Values(NAD_EC2_Params *b);
void Write_NAD_EC2_Section(FILE *f, const NAD_EC2_Params *b);
void Read_NAD_EC2_Section(FILE *f, NAD_EC2_Params *b);
void Normalize_NAD_EC2_Params(NAD_EC2_Params *b);
void Set_NAD_EC2_Variant(NAD_EC2_Params *b, int variant);
int Compare_NAD_EC2_Params(const NAD_EC2_Params *a, const NAD_EC2_Params *b);
void Copy_NAD_EC2_Params(NAD_EC2_Params *dst, const NAD_EC2_Params *src);
void Copy_NAD_EC2_Params_Twin(NAD_EC2_Params *dst, const NAD_EC2_Params *src);

/* ---------------------------------------------------------------- EN 1993 */

void Init_NAD_EC3_Defaults(NAD_EC3_Params *b);
void Init_NAD_EC3_1_Defaults(NAD_EC3_1_Params *b);
void Init_NAD_EC3_8_Defaults(NAD_EC3_8_Params *b);
void Init_NAD_EC3_German_Values(NAD_EC3_Params *b);
void Init_NAD_EC3_1_DE_Values(NAD_EC3_1_Params *b);
void Write_NAD_EC3_Section(FILE *f, const NAD_EC3_Params *b);
void Read_NAD_EC3_Section(FILE *f, NAD_EC3_Params *b, int mode);
int Read_NAD_EC3_1_Params(FILE *f, NAD_EC3_1_Params *b); /* 0 read, 1 conversion failed */
void Read_NAD_EC3_8_Params(FILE *f, NAD_EC3_8_Params *b);
void Set_NAD_EC3_Variant(NAD_EC3_Params *b, int variant);
int Compare_NAD_EC3_Params(const NAD_EC3_Params *a, const NAD_EC3_Params *b);
int Compare_NAD_EC3_1_Params(const NAD_EC3_1_Params *a, const NAD_EC3_1_Params *b);
int Compare_NAD_EC3_8_Params(const NAD_EC3_8_Params *a, const NAD_EC3_8_Params *b);
void Copy_NAD_EC3_Params(NAD_EC3_Params *dst, const NAD_EC3_Params *src);
void Copy_NAD_EC3_1_Params(NAD_EC3_1_Params *dst, const NAD_EC3_1_Params *src);
void Copy_NAD_EC3_8_Params(NAD_EC3_8_Params *dst, const NAD_EC3_8_Params *src);

/* ---------------------------------------------------------------- EN 1996, EN 1999 */

void Init_NAD_EC6_Defaults(NAD_EC6_Params *b);
void Init_NAD_EC6_German_Values(NAD_EC6_Params *b);
void Write_NAD_EC6_Section(FILE *f, const NAD_EC6_Params *b);
void Read_NAD_EC6_Section(FILE *f, NAD_EC6_Params *b);
void Set_NAD_EC6_Variant(NAD_EC6_Params *b, int variant);
int Equal_NAD_EC6_Params(const NAD_EC6_Params *a, const NAD_EC6_Params *b);
void Copy_NAD_EC6_Params(NAD_EC6_Params *dst, const NAD_EC6_Params *src);

void Init_NAD_EC9_Defaults(NAD_EC9_Params *b);
void Init_NAD_EC9_German_Values(NAD_EC9_Params *b);
void Write_NAD_EC9_Section(FILE *f, const NAD_EC9_Params *b);
void Read_NAD_EC9_Section(FILE *f, NAD_EC9_Params *b);
void Set_NAD_EC9_Variant(NAD_EC9_Params *b, int variant);
int Equal_NAD_EC9_Params(const NAD_EC9_Params *a, const NAD_EC9_Params *b);
void Copy_NAD_EC9_Params(NAD_EC9_Params *dst, const NAD_EC9_Params *src);
