/*
** Print-list file and headings: the writer state (heading counters and numbers, bookmark
** folders, margins, text width, body style, stored vertical positions) and the numbered
** headings. Margins and positions are in cm.
*/
#pragma once

#include <cstdint>
#include <cstdio>

enum {
    OLI_MAX_HEADING_LEVEL = 6,
    OLI_POSITION_SLOTS = 10,
    OLI_TEXT_SIZE = 255, /* formatted texts and headings are cut to this length */
};

/* ---- set-up and state ---- */
void Oli_Init_Writer(int32_t depth, int32_t spacing_mode, int32_t flags);
void Oli_Set_Level_Spacing(const int32_t *modes);
void Oli_Set_Unnumbered(void);
void Oli_Set_Numbered(void);
void Oli_Set_Bookmark_Depth(int32_t n);
void Oli_Set_Bookmark_Levels(int32_t n);
int32_t Oli_Get_Heading_Counter(int32_t level);
void Oli_Set_Heading_Counter(int32_t level, int32_t value);
void Oli_Increment_Heading_Counter(int32_t level);
const char *Oli_Get_Heading_Number(void); /* null while unnumbered */
double Oli_Get_Text_Width(void);
void Oli_Set_Text_Width(double cm);
void Oli_Set_Body_Mode(int32_t mode);
int32_t Oli_Get_Body_Mode(void);
int32_t Oli_Chars_Per_Line(int32_t style);
int32_t Oli_Body_Chars_Per_Line(void);
void Oli_Set_Base_Margin(double cm);
double Oli_Get_Base_Margin(void);
int32_t Oli_Get_Last_Bookmark_Level(void);

/* ---- headings (printf-style) ---- */
void Oli_Write_Heading(FILE *file, int32_t level, const char *format, ...)
    __attribute__((format(printf, 3, 4)));
void Oli_Write_Heading_Plain(FILE *file, int32_t level, const char *format, ...)
    __attribute__((format(printf, 3, 4)));
void Oli_Write_Heading_Marked(FILE *file, int32_t level, int32_t bookmark_kind, const char *format,
                              ...) __attribute__((format(printf, 4, 5)));
void Oli_Write_Heading_Silent(FILE *file, int32_t level, const char *format, ...)
    __attribute__((format(printf, 3, 4)));
void Oli_Close_Bookmarks(FILE *file);

/* ---- margins and positions ---- */
void Oli_Set_Left_Margin(FILE *file, double cm);
void Oli_Set_Right_Margin(FILE *file, double cm);
double Oli_Get_Left_Margin(void);
double Oli_Get_Right_Margin(void);
void Oli_Move_Lines(FILE *file, double n);
void Oli_Move_Cm(FILE *file, double cm);
void Oli_Reserve_Lines(FILE *file, double n);
void Oli_Reserve_Small_Lines(FILE *file, double n);
void Oli_Position_Mode_4(FILE *file);
int32_t Oli_Store_Position(FILE *file);
void Oli_Restore_Position(FILE *file, int32_t slot);
void Oli_Restore_Position_Keep(FILE *file, int32_t slot);
void Oli_Free_Position(int32_t slot);
void Oli_Free_All_Positions(void);

/* The contents record at the start of a print list: "#CONTENTS", " %s", " ". The title is plain
** text, every byte printed as it is: its escape bytes 0xCE are written doubled (0xCE 0xCE). */
void Oli_Write_Contents(FILE *file, const char *title);

/* ---- write errors ---- */
/* Every write of the writers into a file is checked: the first that fails (a full disk, a
** closed descriptor, a text that cannot be formatted) is kept for that file until the list is
** ended or the writer set up again; the stream's own error flag keeps those of the writes that
** go straight to it (page-layout records, drawings). */

/* errno of the first failed write into file so far, 0 when none. */
int Oli_List_Error(FILE *file);

/* End the writes of a list into file: flush the stream and answer 0 when every write reached
** it, else the errno of the first failure (EIO when the stream gives none). The failure is
** then forgotten; closing the file stays the caller's (and is checked there). */
int Oli_End_List(FILE *file);
