/*
** Helpers shared by the source files of nad/ (not part of the folder's public interface).
*/
#pragma once

#include <cstddef>

#include "nad/nad_blocks.h"
#include "platform/zelkwin.h"

/* An environment variable through the environment library; null when unset. */
const char *Nad_Env(const char *name);
/* Path of a list entry's file (see Read_NAD_File); 0 when the variable is unset or too long. */
int Nad_File_Path(int number, const char *name, char *out, size_t size);
/* Copy a name into the record's header, cut to NAD_NAME_MAX characters with a warning. */
void Nad_Set_Record_Name(NAD_Record *rec, const char *name);
/* Forget the built EN 1991 definitions switch (state at program start). */
void Nad_EC1_Definitions_Reset(void);
/* The active name without lazy activation (null before the first activation), and setting it
** without activating (the selection sheet's pending choice and its cancel). */
const char *Nad_Active_Name(void);
void Nad_Set_Active_Name(const char *name);
/* Path of a bitmap of the annex data, "$DATA/NAD/<name>" ("NAD/<name>" without DATA). The strip
** "Buttons.bmp": row 0 the 42 x 8 picture of the selection sheet's head, row 8 its 9 x 7 edit
** button, row 15 the 40 x 41 button of the warning sheet (four pictures each: disabled, normal,
** hover, pressed), rows 60 and 80 the 40 x 20 buttons "abbrechen" and "ok" (normal, pressed,
** disabled). */
const char *Nad_Data_Bitmap(const char *name, char *out, size_t size);
