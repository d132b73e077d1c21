/*
** Paragraph writer of the print list: the "#SHOWPARA" blocks, their format record and the one
** global paragraph state. Every text of the print list reaches the file through Oli_Printf and
** Oli_End_Text; a header is written only when a paragraph starts or its format has changed.
*/
#pragma once

#include <cstdint>
#include <cstdio>

/* Optional writer called inside a header with the file and the record's hook argument. */
typedef int (*Oli_Para_Hook)(FILE *file, uint32_t arg);

/* Format record of one paragraph (fields in file order). */
struct Oli_Para_State {
    uint32_t flags;       /* flag word; 0x8, 0x80, 0x100 set by the caller */
    Oli_Para_Hook hook_a; /* optional writer inside the header (none) */
    Oli_Para_Hook hook_b; /* second optional writer (none) */
    int32_t mode;         /* text style (4) */
    double offset;        /* vertical offset, cm (0) */
    double value_b;       /* second length value (0) */
    uint32_t unit_a;      /* unit word of offset (2) */
    uint32_t unit_b;      /* unit word of value_b (2) */
    double value_c;       /* third length value, an indent (0) */
    double value_d;       /* fourth length value (0) */
    uint32_t unit_c;      /* unit word of value_c (2) */
    uint32_t unit_d;      /* unit word of value_d (2) */
    double value_e;       /* factor (1.0; written only when not 1.0) */
    int32_t pair_1;       /* integer pair (0, 0) */
    int32_t pair_2;
    Oli_Para_Hook tab_hook; /* set by every change of the tab list */
    uint32_t hook_arg;      /* argument of the three hooks (0) */
};

/* End record of a paragraph's text part. */
struct Oli_Para_End {
    uint32_t flags; /* 0x4 another header follows; 0x1000 value present */
    double value;   /* offset after the text, cm */
    uint32_t unit;  /* unit word (2) */
};

enum {
    OLI_PARA_MAX_TABS = 100,
    OLI_PARA_PRINTF_SIZE = 1000,
};

/* ---- printing ---- */
int Oli_Printf(FILE *file, const char *format, ...) __attribute__((format(printf, 2, 3)));
int Oli_End_Text(FILE *file);

/* ---- format setters and getters (last for one paragraph) ---- */
void Oli_Para_Reset(void);
void Oli_Para_Set_Mode(int32_t mode);
int32_t Oli_Para_Get_Mode(void);
void Oli_Para_Add_Offset(double d);
void Oli_Para_Set_Value_B(double d);
double Oli_Para_Get_Value_B(void);
void Oli_Para_Set_Value_C(double d);
double Oli_Para_Get_Value_C(void);
void Oli_Para_Set_Value_D(double d);
double Oli_Para_Get_Value_D(void);
void Oli_Para_Set_Value_E(double d);
double Oli_Para_Get_Value_E(void);
void Oli_Para_Set_Flags(uint32_t bits);
void Oli_Para_Set_Flag13(void);
void Oli_Para_Set_Tabs(uint32_t kind, const uint32_t *kinds, const double *positions, int32_t n);
void Oli_Para_Clear_Tabs(void);
void Oli_Para_Set_Tab_Step(uint32_t kind, double step);

/* ---- stream-level writers with an explicit record ---- */
int Oli_Para_Write_Header(FILE *file, const Oli_Para_State *record, int with_keyword);
int Oli_Para_Write_End(FILE *file, Oli_Para_End *end_record, int final);
int Oli_Para_Begin_Block(FILE *file, const Oli_Para_State *record);
int Oli_Para_Continue_Block(FILE *file, Oli_Para_End *end_record, const Oli_Para_State *record);
int Oli_Para_Close_Block(FILE *file, Oli_Para_End *end_record);
int Oli_Para_Write_Header_End(FILE *file);
int Oli_Para_Write_End_Of_Text(FILE *file);
int Oli_Para_Write_Tab_List(FILE *file, uint32_t kind, const uint32_t *kinds,
                            const double *positions, int32_t n);
int Oli_Para_Write_Tab_Step(FILE *file, uint32_t kind, double step);

/* Unit code written for a unit or tab kind word: 2, 1 or 4. */
int Oli_Para_Unit_Code(uint32_t word);
