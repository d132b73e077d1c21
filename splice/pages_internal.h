/*
** What the five pages of the main sheet share: the grid of their rows, the small drawing helpers
** and the shadows of the choices whose list position is not the stored value.
*/
#pragma once

#include <cstddef>

#include "catalogue/catalogue.h"

enum {
    PAGE_TOP = 28,      /* base line of the first row, area pixels */
    PAGE_ROW = 26,      /* pixels from row to row */
    PAGE_LABEL_X = 12,  /* left edge of headings and labels */
    PAGE_FIELD_X = 330, /* left edge of the input fields */
    PAGE_RULES_X = 700, /* left edge of the rules named beside the first heading */
    PAGE_CHOICE_SLOTS = 16
};

/* Actions of the text buttons (hotspots) of the pages. */
enum {
    ACT_NONE = 0,
    ACT_ADD_GROUP = 1,
    ACT_ASCII_IMPORT = 2,
    ACT_COMPONENT_IMPORT = 3,
    ACT_DELETE_ALL = 4,
    ACT_ADD_ROW = 100,     /* + group */
    ACT_DELETE_ROW = 10000 /* + group * 1000 + entry */
};

/* Distances of the fastener pattern as laid out by the last preparation run, cm. */
typedef struct Page_Present_Rec {
    double a1, a2;    /* spacings along and across the grain */
    double a3;        /* end distance (joint or member end) */
    double a4;        /* edge distance of the outer rows from the timber's edge */
    double e1, e2;    /* plates: to the plate's end and edge */
    int32_t made;     /* 1 when a pattern or a refusal gave them */
    int32_t known;    /* the values in force, bits 1 << REFUSAL_A1 ..: all of a pattern, those
                      ** a refusal computed with; the page shows "-" for the others */
    int32_t vbm_type; /* the fastener of that pattern: its type and diameter (mm) */
    double d;
} Page_Present_Rec;

typedef struct Page_Shadow_Rec {
    int type_pos; /* position of the fastener type in its list */
    int type_count;
    int type_codes[20];
    int row;               /* catalogue row chosen */
    int row_count;         /* rows of the size list drawn (0: none; row beyond: the file's own) */
    int length_pos;        /* position in the length list, -1 none */
    int action;            /* ACT_* of the last hotspot */
    char import_path[256]; /* ASCII import file */
    Page_Present_Rec present; /* what the layout page shows for the spacings left to the program */
    int mat_mid_drawn; /* materials as the first page showed them: a change resets the grade */
    int mat_side_drawn;
    int action_used_drawn[CHAR_ACTION_COUNT]; /* the actions switched on as the page showed them */
    int generated_drawn; /* the switch of generated combinations as the page showed it */
} Page_Shadow_Rec;

extern Page_Shadow_Rec Page_Shadow;
extern int Page_Active; /* 1: the activity cell of the always active fields */

int Page_Row_Y(int row);
void Page_Heading(int row, const char *text);
void Page_Label(int row, const char *text);
/* A text in rows of the page from row *r on, broken where it is wider than width pixels: after
** its last ": " that fits (the reason before the numbers), else between words. A blank written
** as PAGE_FIXED_BLANK (code page 850's no-break space) holds its words together and shows as a
** blank. */
#define PAGE_FIXED_BLANK '\xFF'
void Page_Draw_Wrapped(int x, int *r, int width, const char *text);
/* The rules and the annex that design the splice as the report names them (Design_Rules_Name),
** or "" while no annex has been activated: a drawing never activates one. Answers out. */
const char *Page_Rules_Name(char *out, size_t size);
void Page_Float(int row, const char *label, double *var, int decimals, double lower, double upper,
                const char *name);
/* 1 when the spacings the layout page shows as present (Page_Shadow.present) are those of the
** fastener now chosen: its last pattern gave them, or its last refusal computed with them. */
int Page_Present_In_Force(void);
/* A count's field (whole numbers from lower to upper): a fraction is refused with a hint. */
void Page_Count(int row, const char *label, double *var, double lower, double upper,
                const char *name);
void Page_Choice(int slot, int x, int y, const Mat_List_Item *items, int count, int *index);
void Page_Choice_Texts(int slot, int x, int y, const char *const *texts, int count, int *index);
/* Forget the shadows of out-of-list values before a page is drawn; write a pick made on such a
** shadow back to its value (after an input, before anything reads the record). */
void Page_Choice_Reset(void);
void Page_Choice_Commit(void);
