/*
** Table editor: equally tall rows laid into a view area, each drawn by the caller's row callback,
** with per-row delete and duplicate buttons, row numbers, an append button and per-column menus
** to sort a column or fill it with a linear series. Rows are blocks of caller-defined bytes; a
** column is a double at a fixed byte offset of every row.
*/
#pragma once

#include <cstdint>

enum {
    TBL_SLOTS = 55,
    TBL_DELETE = 1,
    TBL_DUPLICATE = 2,
    TBL_APPEND = 3,
    TBL_ROW_NUMBER = 4,
    TBL_SORTABLE = 1,
    TBL_FILLABLE = 2
};

typedef void (*Tbl_Row_Fn)(int flag, int area, int left, int top, void *row);

struct Tbl_Row {
    void *data; /* row size bytes, owned */
    Tbl_Row *prev, *next;
};

struct Tbl_Column {
    char format[36]; /* "%14.3f" by default */
    int32_t x, y;    /* its button */
    int32_t value;   /* the caller's, kept as it is */
    int32_t offset;  /* bytes from the row start to the column's double */
    int32_t sortable, fillable;
    Tbl_Column *next;
};

struct Tbl_Button {
    int32_t shown, dx, dy;
};

struct Tbl_Record {
    int32_t in_use;
    int32_t area;
    int32_t row_count;
    int32_t row_size;                     /* bytes */
    int32_t top, left, right, row_height; /* pixels */
    int32_t append_request;
    int32_t max_rows; /* 0 = no maximum */
    Tbl_Button del, dup, app, num;
    int32_t mark_delete;    /* 1-based row marked by its delete button, 0 = none */
    int32_t mark_duplicate; /* 1-based row marked by its duplicate button */
    Tbl_Row_Fn row_fn;
    Tbl_Column *first_column, *last_column;
    int32_t mark_column; /* 1-based column marked by its button */
    Tbl_Row *template_row;
    Tbl_Row *first, *last, *cursor;
};

extern Tbl_Record Tbl_Records[TBL_SLOTS];

int Tbl_Create(int area, int top, int left, int right, int row_height, int row_size, Tbl_Row_Fn fn);
void Tbl_Set_Button(int table, int kind, int dx, int dy);
void Tbl_Set_Max_Rows(int table, int maximum);
void Tbl_Add_Column(int table, int x, int y, int value, int flags, const char *format, int offset);
void Tbl_Set_Template(int table, const void *data);
void Tbl_Append_Row(int table, const void *data);
void Tbl_Clear_Rows(int table);
void Tbl_Move(int table, int top, int left);
int Tbl_Row_Count(int table);
void *Tbl_First_Row_Data(int table);
void *Tbl_Next_Row_Data(int table);
int Tbl_Row_Index(int table, const void *data);
void Tbl_Build_View(int table);
int Tbl_Edit(int table);
void Tbl_Delete(int table);
void Tbl_Free(int area);

/* 1 when duplicate and append are offered (no maximum, or fewer rows). */
int Tbl_Can_Grow(int table);
/* Sort the rows on column c (0-based) ascending (descending non-zero). */
void Tbl_Sort_Column(int table, int column, int descending);
/* Fill column c (0-based): mode 1 every row, mode 2 rows first..last (1-based), start + k * step. */
void Tbl_Fill_Column(int table, int column, int mode, int first, int last, double start,
                     double step);
/* The fill dialog "Tabellenspalte belegen" for column c; 1 when it was confirmed. */
int Tbl_Fill_Dialog(int table, int column);
