/*
** Test interface of the GUI stand-in: headless scripts from strings, the log as lines, pixels
** of the virtual screen, and a full reset between tests. For unit tests only: resetting and
** setting a script switch to the headless back end even where a display exists.
*/
#pragma once

#include <cstdint>
#include <string>
#include <vector>

/* Drops every sheet, message box, event, font and clip state and every loaded bitmap, clears
** the screen, clears the log (and closes a log file) and switches to the headless back end. The
** log lines are kept from then on (the program alone keeps none: it writes a log only into the
** file of SPLICE_GUI_LOG). */
void ZW_Test_Reset(void);
/* Gives the virtual screen another size (as SPLICE_SCREEN does at start-up), then resets. */
void ZW_Test_Set_Screen(int width, int height);
/* Keep the log lines (1) or not (0), as the program does: for measuring. */
void ZW_Test_Keep_Log(int on);
/* Forgets the loaded bitmaps only (the next draw reads the file again; a missing file is logged
** again). */
void ZW_Test_Drop_Bitmaps(void);
/* As at program start: a reset, then the log file of SPLICE_GUI_LOG (appended) and the events of
** the script SPLICE_GUI_SCRIPT (headless). */
void ZW_Test_Start_From_Environment(void);
/* Replaces the pending events by the script (the ARCHITECTURE.md format, one event a line). */
void ZW_Test_Set_Script(const std::string &script);
/* Appends events to the pending ones. */
void ZW_Test_Add_Script(const std::string &script);
int ZW_Test_Pending_Events(void);
/* Log lines written since the last reset (UTF-8, without line ends). */
std::vector<std::string> ZW_Test_Log_Lines(void);
void ZW_Test_Clear_Log(void);
/* Colour of a screen pixel as 0xRRGGBB; 0 outside the screen. */
uint32_t ZW_Test_Pixel(int x, int y);
/* Number of pixels of the rectangle that have the colour 0xRRGGBB. */
int ZW_Test_Count_Colour(int x1, int y1, int x2, int y2, uint32_t rgb);
/* The key code that the window back end queues for a press of the SDL key with the modifiers
** (-1 for a key that comes as text or has no code). */
int ZW_Test_Window_Key(int sdl_keycode, int sdl_modifiers);
