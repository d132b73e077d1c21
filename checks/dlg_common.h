/*
** Shared pieces of the design-check dialogs: a dialog centre kept between openings, the sheet
** rectangle placed around it, message boxes of several lines, and the press-or-drag tracker
** of the check lists (a click point or a rubber-band rectangle). Pixels are screen pixels.
*/
#pragma once

#include <cstdint>

/* A centre kept between openings; (-1, -1) until the first opening puts it mid-screen. */
typedef struct Nchw_Dlg_Centre {
    int x, y;
} Nchw_Dlg_Centre;

/*
** Place a sheet of the half sizes (left, right, up, down) around the kept centre, moved onto
** the screen; the rectangle goes to x1..y2.
*/
void Nchw_Dlg_Place(Nchw_Dlg_Centre *c, int left, int right, int up, int down, int *x1, int *y1,
                    int *x2, int *y2);
/* Add the displacement of the current sheet to the kept centre. */
void Nchw_Dlg_Keep_Displacement(Nchw_Dlg_Centre *c);

/* A message box with the given lines (null-terminated list), an optional title. */
void Nchw_Dlg_Message(const char *title, const char *const *lines);

/*
** Follow the left button pressed at (M_XPOS, M_YPOS) inside the rectangle: until the pointer
** moved more than 8 pixels from the press nothing happens; from then on a rubber band follows
** it with the mouse kept inside the rectangle. The selection (corners ordered) goes to r[4]:
** the press point twice without such a move, else the band between press and release.
** Return 1 after a drag, 0 for a plain click.
*/
int Nchw_Dlg_Track_Selection(int x1, int y1, int x2, int y2, int r[4]);

/* The allocation-failure box of the design-check module. */
void Nchw_Dlg_Alloc_Failed(void);
