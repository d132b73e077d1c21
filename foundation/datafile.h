/*
** Versioned data files: text records whose fields name the version in which they were
** introduced, so that a newer program reads older files (younger fields take defaults), and a
** backup scheme (temporary backup ".bak", calculation backup ".clcbak", comparison file ".cmp").
** One read stream, one write stream and one version stack at a time: not reentrant.
*/
#pragma once

#include <cstdint>
#include <cstdio>

#define DAT_VERSION_DEPTH 20        /* entries of the version stack */
#define DAT_TEXT_SIZE     256       /* bytes of a 's' or 't' field buffer */
#define DAT_TEXT_MAX      254       /* characters of a 't' field written */
#define DAT_BLOCK_MAX     1048576   /* bytes of a text block */
#define DAT_NO_INT        INT32_MIN /* the int readers' answer when nothing could be read */

/* Field types: 'c' char, 'd' double, 'i' int, 's' word, 't' text (char[DAT_TEXT_SIZE]). */

/* ---------------------------------------------------------------- reading */

/* Set the read stream, read the data version: 0, 1 unreadable, -1 version -1.0, 2 newer than
** program_version (after the message). */
int Dat_Read_Data_Version(FILE *stream, double program_version);
/* Push the next number as the structure version: 0, 1 unreadable or stack full, 2 too new. */
int Dat_Read_Struct_Version(double program_version);
void Dat_Pop_Struct_Version(void);
double Dat_Current_Version(void);
void Dat_Set_Current_Version(double v);
/* Read a field into dest, or store the default when introduced is newer than the current
** version: 0, or 1 on a read error or an unsupported type. An 'i' field (and the int readers
** below, and the length of a text block) takes a whole word that is an integer: "7.9" is an
** error, never 7. */
int Dat_Read_Field(void *dest, int type, double introduced, double def);
int Dat_Skip_Field(int type, double introduced);
int Dat_Skip_Field_Current(int type);
/* A 't' text into dest (DAT_TEXT_SIZE bytes), or def / empty for older data: 0 or 1. */
int Dat_Read_Name(char *dest, double introduced, const char *def);
/* A text block into *ptext (counted; null for length 0), or a counted copy of def: 0 or 1. */
int Dat_Read_Text_Block(char **ptext, double introduced, const char *def);
int Dat_Read_Int_Plain(void);                              /* DAT_NO_INT when unreadable */
int Dat_Read_Int_Versioned(double introduced, double def); /* DAT_NO_INT when unreadable */
long Dat_Tell(void);
int Dat_Seek(long offset); /* from the start of the read stream; 0 on success */
FILE *Dat_Read_Stream(void);
FILE *Dat_Write_Stream(void);
int Dat_Decode_Text(char *s); /* 0x8C -> blank, " " -> ""; answers the length */
int Dat_Encode_Text(char *s); /* "" -> " ", blank -> 0x8C; answers the length */

/* ---------------------------------------------------------------- writing (0 ok, 1 failed) */

int Dat_Write_Data_Version(FILE *stream, double version);
int Dat_Write_Struct_Version(double version);
int Dat_Write_Field(const void *value, int type);
int Dat_Write_Newline(void);
int Dat_Write_Comment(const char *text);
int Dat_Write_Text_Block(char *const *ptext);
int Dat_Write_Placeholder(int type);

/* ---------------------------------------------------------------- backups */

typedef int (*Dat_Stream_Fn)(FILE *stream); /* reads or writes the data; 0 on success */

void Dat_Set_Backup_Names(Dat_Stream_Fn reader, Dat_Stream_Fn writer, const char *dir,
                          const char *name, const char *extra1, const char *extra2);
void Dat_Set_Backup_Names_Dir(Dat_Stream_Fn reader, Dat_Stream_Fn writer, const char *dir,
                              const char *name, const char *a, const char *b);
void Dat_Backup_Disable(void);
void Dat_Backup_Off(void); /* the same */
void Dat_No_Backup(void);  /* the same */
void Dat_Backup_Enable(void);
int Dat_Backup_Exists(void);
int Dat_Write_Backup_To(const char *path);
int Dat_Write_Bak(void);
int Dat_Write_Clcbak(void);
FILE *Dat_Open_Bak(void);
int Dat_Read_Backup_From(Dat_Stream_Fn reader, const char *path);
int Dat_Read_Bak(Dat_Stream_Fn reader);
int Dat_Read_Clcbak(Dat_Stream_Fn reader);
int Files_Equal(const char *a, const char *b); /* 0 equal, 1 otherwise */
int Dat_Compare_With(const char *path);
int Dat_Compare_Bak(void);
int Dat_Compare_Fourth(void);
int Dat_Compare_Clcbak(void);
int Dat_Remove_Bak(void);
int Dat_Remove_Clcbak(void);
int Dat_Remove_Backups(void);
/* Offer to restore the temporary backup after an irregular end: 1 when it could not be read. */
int Dat_Offer_Backup_Restore(void);
