/*
** Print-list utilities: the print-list block of the user's comment (the dialog that edits it is
** the toolkit's, dialogs/comment.h), wrapped texts, the
** error-list table sheet, copying a text stream into the list, names in guillemets, picture
** blocks and elements with their information record, and the title bitmap of a page.
*/
#pragma once

#include <cstdint>
#include <cstdio>

/* ---- user comment ---- */
/* The user's own text, broken into lines no wider than the wrap width in the measuring font (4096,
** whatever font is selected) and than the room between the writer's margins in the print, so
** that the print breaks none again: each byte prints as itself (a 0xCE is written doubled, never
** taken as an escape). */
void Print_Wrapped_Text(FILE *file, const char *text);
void Print_User_Comment(FILE *file, const char *text);
void Print_User_Comment_Plain(FILE *file, const char *text);
void Oli_Set_Wrap_Width(int32_t pixels);
int32_t Oli_Get_Wrap_Width(void);

/* ---- error list, streams, names, messages ---- */
FILE *Oli_Error_List_Open(const char *name);
int Oli_Error_List_Add(FILE *file, int result, const char *text);
void Show_Oli_Table_File(FILE *file);
int Oli_Copy_Stream_Text(FILE *list, FILE *stream);
int Oli_Write_Check_Impossible(FILE *list, FILE *stream);
int Oli_Read_Name(FILE *file, char *name); /* name holds at least 101 bytes */
int Oli_Write_Name(FILE *file, const char *name);
int Oli_Read_Error(void);
int Oli_Write_Error(void);
int Oli_Data_Error(void);
void Oli_Show_Message(const char *text);

/* ---- position print lists ---- */
void Oli_Set_Print_List_Name(const char *name);
const char *Oli_Get_Print_List_Name(void);
FILE *Oli_Open_Pos_Print_List(const char *position, const char *title, int no_new_page);
void Draw_Page_Title(const char *name, int32_t x, int32_t y);

/* ---- pictures ---- */
typedef int (*Oli_Caption_Hook)(FILE *file, void *arg);

struct Oli_Picture_Element {
    int32_t flags;           /* 0x30 value; 0x1 first pair; 0xE second pair; 0x1000 embed file */
    int32_t value;           /* (300) */
    double size_1, size_2;   /* (1.0, 1.0) */
    double extra_1, extra_2; /* (10.0, 10.0) */
};

struct Oli_Picture_Block {
    int32_t flags; /* 0x10000: the four further values are written */
    Oli_Caption_Hook caption_1;
    Oli_Caption_Hook caption_2;
    int32_t type;     /* (1); 3 writes the scale */
    double window[4]; /* (0, 10, 0, 5) */
    double scale;     /* (50) */
    double extra[4];  /* (0) */
    void *hook_arg;
};

struct OLI_GRAPHIC_Picture_Info {
    char name[20];         /* picture format */
    int32_t width, height; /* pixels */
    int32_t depth;         /* bits per pixel */
    double res_x, res_y;   /* dots per inch */
};

void Oli_Picture_Element_Defaults(Oli_Picture_Element *element);
void Oli_Picture_Block_Defaults(Oli_Picture_Block *block);
void Picture_Info_Defaults(OLI_GRAPHIC_Picture_Info *info);
int Oli_Picture_Begin(FILE *file, const Oli_Picture_Block *record);
int Oli_Picture_End(FILE *file);
int Oli_Graphic_Picture(FILE *file, double x, double y, const char *name,
                        const Oli_Picture_Element *record);
int Write_Picture_Info(FILE *file, const OLI_GRAPHIC_Picture_Info *info);
int Read_Picture_Info(FILE *file, OLI_GRAPHIC_Picture_Info *info);
int Run_Pelquist_Picture_Info(const char *picture, OLI_GRAPHIC_Picture_Info *info);
