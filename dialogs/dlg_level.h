/*
** The stack of running dialogs shared by the two dialog runners (internal to the toolkit).
*/
#pragma once

#include <vector>

#include "dialogs/dlg.h"

struct Dlg_Level_Entry {
  Dlg_Desc *desc;
  Dlg_Page *pages;
  int count;
  int current;
  int register_handle;
  int default_button;
  int sheet_x, sheet_y;           /* the sheet's top left corner on the screen */
  int cancel_request, close_request, redraw_request;
  std::vector<int> areas, tables, escapes, members, table_view, hover;
};

extern Dlg_Level_Entry Dlg_Levels[DLG_MAX_LEVELS + 1];

Dlg_Level_Entry *Dlg_Push_Level(Dlg_Desc *d, int count, Dlg_Page *pages);
void Dlg_Pop_Level(void);
int Dlg_Cursor_Switch(void);
void Dlg_Create_Page_Area(Dlg_Level_Entry *e, int i, int x1, int y1, int x2, int y2, bool hover);
void Dlg_Draw_Page(Dlg_Level_Entry *e, int i);
void Dlg_Page_Input(Dlg_Level_Entry *e, int i);
void Dlg_Release_Pages(Dlg_Level_Entry *e);
