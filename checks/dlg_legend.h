/*
** The selection panel of the design-check dialogs: a scrollable list of the actions, or of the
** load cases and imperfections, each with a state symbol that a click or a rubber band
** switches; in the favourable/unfavourable mode the self-weight load cases carry a second
** symbol for their acting state. Panel pixels are screen pixels.
*/
#pragma once

#include <cstdint>

enum { LEGEND_ACTIONS = 0, LEGEND_LOADCASES = 1, LEGEND_FAVOURABLE = 2 };

typedef struct Nchw_Legend_State {
    int32_t mode;            /* LEGEND_ACTIONS, LEGEND_LOADCASES or LEGEND_FAVOURABLE */
    int32_t rows_per_column; /* 14 in the extremal-rule dialog */
    int32_t variable_only;   /* list only actions of kinds 2 to 4 */
    int32_t column_width;    /* pixels: widest label + 30 (+ 40 in the favourable mode) */
    int32_t scroll_x;        /* horizontal scroll offset of the panel */
    int32_t x1, y1, x2, y2;  /* the panel's rectangle on the screen */
    int32_t area;            /* handle of the scrollable area, 0 none */
} Nchw_Legend_State;

extern Nchw_Legend_State Nchw_Legend;

/* Colours of the panel, looked up in the palette at every drawing. */
void Nchw_Legend_Make_Colours(void);
/* Recompute the column width of the list shown. */
void Nchw_Legend_Column_Width(void);
/*
** Paint the list into the panel's rectangle with the given scroll offset; with sel non-null
** (x1, y1, x2, y2) every listed entry whose box meets it is switched before it is drawn.
*/
void Draw_Nchw_Selection_List(const int *sel);
/* Position of listed entry i of the current mode (the heading counts as no entry); 0 beyond. */
int Nchw_Legend_Entry_Pos(int32_t i, int *x, int *y);
/* Draw callback of the scrollable panel. */
void Draw_Nchw_Symbol_Legend(int area, int sx, int sy, int x1, int y1, int x2, int y2, void *user);
void Redraw_Nchw_Symbol_Legend(int x1, int y1, int x2, int y2);
void Track_Nchw_Symbol_Legend(int x1, int y1, int x2, int y2);
void Nchw_Select_Invert(void);
void Nchw_Select_None(void);
void Nchw_Select_All(void);
