/*
** Finish dialog ("BEARBEITUNG BEENDEN"), the hand-over of the program's standard I/O functions
** to the GUI library at start-up, and the framed text box of the dialog runners.
*/
#pragma once

#include "platform/zelkwin.h"

/* The table handed to the GUI library: count 18, then fopen .. sprintf. */
extern const VEL_Stdio_Fct_Table Stdio_Fct_Table;

/* Start-up of the toolkit: hands the stdio table over, switches the mouse wheel on and installs
** the toolkit's message output as the foundation's hook. */
void Init_VEL_Stdio_And_Mousewheel(void);
void Init_VEL_Stdio_And_Mousewheel_2(void);
void Install_Stdio_Table(void);

/* The finish dialog: 1 save and end, 0 end without saving, -1 cancelled (go on editing). */
int Ask_Finish_Editing(void);

/* A box with an aligned text; -10000 for the text or fill colour means none, a font below 0
** keeps the current font, a frame style of 0 or less draws no frame. Answers 1. */
int Draw_PS_Text_Box(int left, int top, int right, int bottom, const char *text, int alignment,
                     int frame_style, int font, int text_colour, int fill_colour);
