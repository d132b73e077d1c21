/*
** Column headers of tables of numeric fields (caption, symbol with index, unit per column) with
** their legend, and the page that reports how many of the program's four hints are switched off.
*/
#pragma once

#include <cstdint>

struct Wdg_Column { /* one 200-byte row */
    char caption[100];
    char symbol[50];
    char index[10];
    char unit[20];
    int32_t x;            /* pixels */
    int32_t field_width;  /* characters */
    int32_t column_width; /* pixels */
    int32_t gap;          /* pixels after the column */
    int32_t reserved;
};

struct Wdg_Column_List {
    int32_t first;    /* 0 */
    int32_t left_x;   /* the table's left x, pixels */
    int32_t second;   /* 0 */
    int32_t shown;    /* 1 */
    int32_t active;   /* 1; texts are grey while 0 */
    int32_t third;    /* 0 */
    int32_t count;    /* columns added */
    Wdg_Column *rows; /* capacity rows */
    int32_t capacity; /* rows allocated */
    int32_t selected; /* -1 */
};

/* Activity of the headers drawn by Wdg_Columns_Draw (texts are grey while 0). */
extern int Wdg_Columns_Active;
/* Reactivation request of the hints page (set by its button). */
extern int Wdg_Hints_Reactivate;

void Wdg_Columns_Init(Wdg_Column_List *list, int capacity, Wdg_Column **rows);
void Wdg_Columns_Init_2(Wdg_Column_List *list, int capacity);
void Wdg_Columns_Free(Wdg_Column_List *list);
int Wdg_Columns_End_X(const Wdg_Column_List *list);
/* Append a column; nothing when the list is full. */
void Wdg_Columns_Add(Wdg_Column_List *list, const char *caption, const char *symbol,
                     const char *index, const char *unit, int field_width, int column_width,
                     int gap);
void Wdg_Columns_Draw(int x, int y, int count, const Wdg_Column *rows);
void Wdg_Columns_Draw_2(int x, int y, int count, const Wdg_Column *rows);
void Wdg_Columns_Legend(int x, int y, int count, const Wdg_Column *rows);
void Wdg_Hints_Page(int area, int *switches, int width);
void Wdg_Nothing(void);
