/*
** Screen interaction tools over the GUI library: text widths, a rubber-band rectangle, the look of
** a sheet button, a highlighted rectangle over saved screen, a zoom animation and a hit test of a
** point against a segment. Pixels are ints.
*/
#pragma once

int Text_Width(const char *text); /* current font; 0 for null */
int Text_Width_In_Font(const char *text, int font);
void Drag_Rubber_Band(int x0, int y0, int *x, int *y);
void Reset_Button_Look(int button, int snap, const char *comment);
void Highlight_Rect_Show(int x1, int y1, int x2, int y2);
void Highlight_Rect_Hide(void);
void Zoom_Animation_Set(int steps, int pause); /* negative steps: 10 steps, 15 ms */
void Zoom_Animation(int fx1, int fy1, int fx2, int fy2, int tx1, int ty1, int tx2, int ty2);
void Hit_Tolerance_Set(int pixels);
int Hit_Tolerance_Get(void);
int Point_Near_Segment(int x1, int y1, int x2, int y2, int px, int py);
