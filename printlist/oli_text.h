/*
** Texts of the print list: the formatting escapes (byte 0xCE and a code character), body,
** small and title paragraphs, the "!!" mark of a failed check, column texts, check lines and
** comparison signs, drawing groups inside a text line, the list of symbols, the literature
** list and logo blocks.
*/
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#define OLI_ESC '\xCE' /* escape byte of print-list texts */

enum {
    OLI_CHECK_TEXT_SIZE = 100, /* Oli_Check_Text, Oli_Sprintf */
    OLI_LEGEND_SYMBOL_SIZE = 25,
    OLI_LEGEND_EXPLAIN_SIZE = 200,
    OLI_LEGEND_TEXT_SIZE = 235,
    OLI_LITERATURE_SIZE = 200,
    OLI_LOGO_NAME_SIZE = 99,
};

/* ---- body and special texts ---- */
void Oli_Write_Text(FILE *file, const char *format, ...) __attribute__((format(printf, 2, 3)));
void Oli_Write_Text_Flagged(FILE *file, const char *text, int ok);
void Oli_Write_Text_At_Tab(FILE *file, double position, const char *text);
void Oli_Write_Text_At_Tab_F(FILE *file, double position, const char *format, ...)
    __attribute__((format(printf, 3, 4)));
void Oli_Write_Small(FILE *file, const char *format, ...) __attribute__((format(printf, 2, 3)));
void Oli_Write_Small_Always(FILE *file, const char *format, ...)
    __attribute__((format(printf, 2, 3)));
void Oli_Write_Title(FILE *file, const char *format, ...) __attribute__((format(printf, 2, 3)));
void Oli_Write_Version(FILE *file, const char *name);
void Oli_Set_Strip_Zeros(int on);
int Oli_Get_Strip_Zeros(void);
void Oli_Set_Column_Mode(int32_t mode);
int32_t Oli_Get_Column_Mode(void);

/* Text prepared for printing: zeros stripped (when on) and 0xFD/0xFA raised; out holds size. */
void Oli_Prepare_Text(const char *text, char *out, size_t size);

/* ---- column texts ---- */
void Oli_Columns(int32_t n, const double *positions);
void Oli_Columns_2(double a, double b);
void Oli_Columns_3(double a, double b, double c);
void Oli_Column_Cell(FILE *file, const char *format, ...) __attribute__((format(printf, 2, 3)));
void Oli_Column_Cells_3(FILE *file, const char *a, const char *b, const char *format, ...)
    __attribute__((format(printf, 4, 5)));
void Oli_Check_Row(FILE *file, const char *a, const char *b, const char *format_1, double value_1,
                   char sign, const char *format_2, double value_2);
void Oli_Check_Row_Flagged(FILE *file, const char *a, const char *b, const char *format_1,
                           double value_1, char sign, const char *format_2, double value_2, int ok,
                           const char *remark);
void Oli_Column_Space(FILE *file, double lines);
void Oli_Columns_End(FILE *file);

/* ---- check lines and comparison signs ---- */
char Oli_Compare_Sign(double a, double b, int32_t decimals, double tolerance);
char Oli_Compare_Sign_Exact(double a, double b, int32_t decimals);
char Oli_Compare_Sign_Le(double a, double b);
char Oli_Compare_Sign_Ge(double a, double b);
const char *Oli_Check_Text(double a, double b, int32_t decimals, double tolerance, int32_t kind,
                           const char *name, const char *unit);
void Oli_Check_Line_Text(const char *name, double a, const char *op, double b, int32_t decimals,
                         char *text, size_t size);
int Oli_Check_Line(FILE *file, const char *label, double a, const char *op, double b,
                   int32_t decimals, const char *prefix, const char *ok_text,
                   const char *fail_text);
const char *Oli_Sprintf(const char *format, ...) __attribute__((format(printf, 1, 2)));
char *Oli_Plain_Text(char *text, int strip, int convert);
int32_t Oli_Trimmed_Length(const char *text);
int Oli_Escape_Active(const char *text, char code, int32_t position);
int Oli_Sub_Active(const char *text, int32_t position);
int Oli_Super_Active(const char *text, int32_t position);
int Oli_Emph_Active(const char *text, int32_t position);
int Oli_Bold_Active(const char *text, int32_t position);
int Oli_S_Active(const char *text, int32_t position);

/* Fixed-point text of a value with one rounding rule for every platform: the value times
** 10^decimals is rounded half away from zero. Writes like "%.*f" into out and answers the
** length of what it wrote. */
int Oli_Format_Fixed(char *out, size_t size, double value, int32_t decimals);

/* ---- drawing groups inside a text line ---- */
void Oli_Rule(FILE *file, double a, double b, double c, double d);
void Oli_Rule_Line(FILE *file, double y);
void Oli_Double_Rule(FILE *file, double y);
void Oli_Fill_Area(FILE *file, int32_t n, double a, double b, double c, double d);
void Oli_Fill_Line(FILE *file, int32_t n);

/* ---- list of symbols ---- */
int Oli_Legend_Add(const char *symbol, const char *format, ...)
    __attribute__((format(printf, 2, 3)));
void Oli_Legend_Clear(void);
int32_t Oli_Legend_Count(void);
void Oli_Legend_Mark(void);
void Oli_Legend_Back_To_Mark(void);
void Oli_Legend_Drop(int32_t k);
int Oli_Legend_Add_Ref(const char *symbol, const char *text, const char *reference);
int Oli_Legend_Add_Ref_F(const char *symbol, const char *reference, const char *format, ...)
    __attribute__((format(printf, 3, 4)));
const char *Oli_Legend_Text(int32_t i);
void Oli_Write_Legend(FILE *file);
void Oli_Write_Legend_Columns(FILE *file);

/* ---- literature list ---- */
void Oli_Literature_Clear(void);
int32_t Oli_Literature_Add(const char *text); /* 1-based number of the entry, 0 when full */
int32_t Oli_Literature_Count(void);
void Oli_Write_Literature(FILE *file);

/* ---- logo blocks ---- */
void Oli_Set_Logo_Name(const char *name);
void Oli_Write_Logo(FILE *file, double width, double height, const char *suffix);
void Oli_Write_Logo_Framed(FILE *file, double width, double height, const char *name);
