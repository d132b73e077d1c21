/*
** National-annex files: the file frame, whole-file reader and writer, the one-time conversion
** of the older store, and the section reader, writer, compare and copy of every block.
** Streams are text; names in the files are code page 850 guillemet strings.
*/
#pragma once

#include <cstdio>

#include "nad/nad_blocks.h"

/* ---------------------------------------------------------------- files */

void Write_NAD_File(FILE *f, const NAD_Record *rec);
int Parse_NAD_File(FILE *f, NAD_Record *rec);
int Read_NAD_File(int number, const char *name, NAD_Record *rec);
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
