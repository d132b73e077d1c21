/*
** Table writer of the print list: "#SHOWTABLE" blocks of fixed-width character columns that
** point at the caller's value arrays, with header lines, separators, rules, emphasised
** extremes, sum row and footnotes; the transposed record table and the combination table.
*/
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

/* Marker values of numeric cells */
#define OLI_MARK_INF_NEG (-1e100) /* "-" infinity */
#define OLI_MARK_INF_POS (1e100)  /* infinity */
#define OLI_MARK_NE      (2e100)  /* "n.e." */
#define OLI_MARK_AUTO    (3e100)  /* "auto" */
#define OLI_MARK_NONE    (-2e100) /* "---" */
#define OLI_MARK_BLANK   (-3e100) /* blanks */

/* One column of a table (fields in this order). */
struct Oli_Table_Column {
    char group_title[100];  /* over a group; "=" joins the column to the one before */
    char title[75];         /* leading "-"/"+": left/right aligned */
    char unit[45];          /* "TXT", "CHAR", "GEW", "ZZ" or the unit of a numeric column */
    int32_t width;          /* minimum width, characters; TXT: size of each text slot */
    int32_t decimals;       /* numeric: decimals; TXT: printed width; ZZ: first row number */
    void *values;           /* caller's array */
    int32_t stride;         /* bytes between numeric values; <= 0 consecutive doubles */
    double factor;          /* printed value = value x factor */
    int32_t underline_mark; /* 1 max, -1 min, 2 max abs, -2 min abs, 3 both abs, 0 none */
    int32_t bold_mark;
    int32_t *bold_rows; /* non-zero: row printed bold */
    int32_t sum;        /* non-zero: column summed in a sum row */
    int32_t *note_ids;  /* footnote id per row */
    int32_t separator;  /* non-zero: vertical separator after the column */
    int32_t plain;      /* TXT: the user's own texts, each byte printed as itself (a 0xCE of
                        ** them is written doubled, never taken as an escape) */
};

/* Reinforcement record of a "GEW" column. */
struct Oli_Rebar {
    int32_t count;          /* bars; 0 empty, < 0 "---" */
    int32_t bundle;         /* bars per bundle */
    int32_t diameter_index; /* 0..11 into the bar table */
};

/* Options of Oli_Table_With_Options. */
struct Oli_Table_Options {
    int32_t flags;
    int32_t *row_mask; /* all 1 when created */
    int32_t *row_rules;
    int32_t *thin_rules;
    int32_t key_column; /* -1 none */
    int32_t extra_count;
    char **extra_texts;
};

/* Flags of OliTabelle */
enum {
    OLI_TAB_NO_UNIT = 0x1,
    OLI_TAB_SKIP_ZERO_ROWS = 0x2,
    OLI_TAB_NO_SPACING = 0x4,
    OLI_TAB_LAYOUT_2 = 0x8,
    OLI_TAB_SIGNIFICANT = 0x10,
    OLI_TAB_FIT_VALUES = 0x20,
    OLI_TAB_FLAGS_640 = 0x40,
    OLI_TAB_KEEP_WIDTHS = 0x80,
    OLI_TAB_EXTREME_ROWS = 0x100,
    OLI_TAB_REVERSE = 0x200,
    OLI_TAB_FLAGS_896 = 0x400,
};

/* (Re)allocate *columns to n records with the defaults (realloc; the caller releases the array
** with free) and remember n for OliTabelle. 1 on success. */
int Oli_Alloc_Table_Columns(int32_t n, Oli_Table_Column **columns);
int32_t Oli_Table_Columns_Allocated(void);
/* Results of the table writer. */
enum {
    OLI_TAB_OK = 0,
    OLI_TAB_TOO_FEW_COLUMNS =
        -1, /* more columns than Oli_Alloc_Table_Columns allocated: nothing written */
};
/* Write a table; OLI_TAB_OK, or OLI_TAB_TOO_FEW_COLUMNS (nothing written: the caller reports it
** with Oli_Table_Report_Error and goes on without the table). */
int32_t OliTabelle(FILE *file, int32_t ncols, int32_t nrows, Oli_Table_Column *columns,
                   const int32_t *row_mask, const int32_t *row_rules, int32_t highlight,
                   int32_t flags, const int32_t *title_counts, char **title_texts,
                   int32_t extra_count, char **extra_texts);
/* Report a failed table (nothing for OLI_TAB_OK): a message box, and a line in the print list
** at the table's place. */
void Oli_Table_Report_Error(FILE *file, int32_t code);
int Oli_Table_Options_Create(Oli_Table_Options *options, int32_t nrows);
void Oli_Table_Options_Free(Oli_Table_Options *options);
int32_t Oli_Table_With_Options(FILE *file, int32_t nrows, int32_t ncols, Oli_Table_Column *columns,
                               Oli_Table_Options *options); /* OliTabelle's result */
int32_t Oli_Table_Add_Note(int32_t id, const char *marker, const char *text);
int32_t Oli_Table_Note_Count(void);
void Oli_Table_Clear_Notes(void);
void Oli_Set_Long_Table_Rows(int32_t n);
int Oli_Table_Is_Numeric(const Oli_Table_Column *column);
int32_t Oli_Table_Text_Width(const char *text);
int32_t Oli_Find_Extreme_Row(int32_t mode, int32_t n, const double *values,
                             const int32_t *row_mask);
double Oli_Table_Value(const Oli_Table_Column *column, int32_t row);
void Oli_Format_Table_Cell(const Oli_Table_Column *column, int32_t row, char *cell, size_t size);
void Oli_Record_Table(FILE *file, int32_t nrecords, int32_t nvalues,
                      const Oli_Table_Column *records);

/* ---- combination table ---- */
typedef const char *(*Oli_Case_Name_Fn)(int32_t load_case);

struct Oli_Combination_Set {
    int32_t n_cases;
    int32_t *case_numbers;    /* load-case number per case */
    Oli_Case_Name_Fn name_fn; /* optional */
    int32_t n_combinations;
    double **factors_1; /* per combination n_cases factors (1.0) */
    double **factors_2;
    char (*labels)[32];     /* optional name per combination ("Bezeichnung") */
    char (*situations)[32]; /* optional design situation per combination */
};

int Oli_Combination_Set_Create(int32_t n_cases, int32_t n_combinations, Oli_Combination_Set *set);
void Oli_Combination_Set_Free(Oli_Combination_Set *set);
void Oli_Combination_Table(FILE *file, const Oli_Combination_Set *combinations);
const char *Oli_Combination_Name(int32_t i);
