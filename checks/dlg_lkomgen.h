/*
** The property sheet "Generierung von Lastkollektiven": the settings of the load-collective
** generator for one design check on four pages (general settings, joint groups of load cases,
** how load cases act, factors), the list windows whose entries are moved by drag and drop,
** the run of the generator, and the take-over of its collectives or the storing of a rule.
*/
#pragma once

#include <cstdint>

#include "checks/nchw_rec.h"

/* Window numbers: 21 both ways, 22 always unfavourable, 23 always favourable (page "Die
** Lastfälle wirken ..."); 31 independent, 32 and 33 two joint groups (page
** "Lastfallgruppierungen"). Windows 31..33 lie where 21..23 lie. */
enum { LKOMGEN_W = 640, LKOMGEN_H = 520 };

/* 1 while an existing rule is edited. */
extern int32_t Lkom_Gen_Rule_Edit;
/* First joint group (0..7) shown in window 32; window 33 shows the next one. */
extern int32_t Lkom_Joint_First;
/* When set, generation rules cannot be stored (start-argument bit 2048 of the management). */
extern int32_t Lkom_Gen_Rules_Excluded;

void Lkom_Generation_Dialog(GenRule_Rec *rule);
/* Screen rectangle of a window on the open sheet (relative when no sheet is open). */
void Lkom_Window_Rect(int window, int *x1, int *y1, int *x2, int *y2);
/* The list behind a window number; null for another number. */
struct Lkom_Window_Entry *Lkom_Window_Of(int window);
void Draw_Lkom_Window(int window, int x1, int y1, int x2, int y2);
void Lkom_Window_Callback(int area, int sx, int sy, int x1, int y1, int x2, int y2, void *user);
void Scroll_Joint_Group_Windows(int mode, int position);
/* One drag of an entry pressed at (M_XPOS, M_YPOS) in the window. 1 when an entry moved. */
int Lkom_Window_Drag_Drop(int window);
/* Move entry i of window from into window to (first free place, then sorted); 1 when moved. */
int Lkom_Window_Move(int from, int i, int to);
void Draw_Lkom_Factor_Page(int area);
void Init_Lkom_Window_Colors(void);
/* Way after a run with n collectives: 1 take-over, 2 rule; 0 when neither is possible. */
int Lkom_Gen_Preselected_Way(int32_t n);
