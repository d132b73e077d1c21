/*
** The list dialog of a message context: a framed one-page sheet whose view area shows the
** context's lines drawn by the message output's draw mode (codes and escapes act), optionally
** with a check box below them; cancel (100) and confirm (200) close it.
*/
#include <algorithm>
#include <cmath>
#include <cstring>

#include "dialogs/message.h"
#include "dialogs/sva.h"
#include "dialogs/widgets.h"
#include "platform/zelkwin.h"

static const char Dont_Show_Again[] = "Diesen Hinweis nicht nochmal anzeigen";

static int List_Area = -1;
static int Editable = 1;

static int Dialog_Colour(void)
{
  if (Msg_Channel.dialog_colour != -1) return Msg_Channel.dialog_colour;
  return Nearest_RGB_Color(255, 245, 220);
}

static bool Wants_Check_Box(void)
{
  return Msg_Channel.offer_dont_show || Msg_Channel.check_label != nullptr;
}

void Msg_List_Dialog_Draw(int area)
{
  Wdg_Select_Area(area);
  SVA_Set_Bg_Colour(area, Dialog_Colour());
  int black = Nearest_RGB_Color(0, 0, 0);
  Wdg_Set_Fg_Colour(black);
  Msg_Set_Mode(MSG_DRAW);
  int n = Msg_Context_Line_Count(Msg_Channel.shown_context);
  for (int i = 0; i < n; i++) Msg_Printf("%s", Msg_Context_Line(Msg_Channel.shown_context, i));
  if (!Wants_Check_Box()) return;
  Msg_Channel.draw_y += 25;
  int x = (int)lround((Msg_Channel.dialog_width - 245) / 2.0);
  if (Msg_Channel.check_label) {
    SVA_Add_Check_Box(area, x, Msg_Channel.draw_y, Msg_Channel.check_label, 4096, Wdg_Get_Fg_Colour(),
                      &Msg_Channel.check_result, &Editable);
  } else {
    int grey = Nearest_RGB_Color(130, 130, 130);
    SVA_Add_Check_Box(area, x, Msg_Channel.draw_y, Dont_Show_Again, 4096, grey,
                      &Msg_Channel.check_result, &Editable);
    Wdg_Set_Fg_Colour(black);
  }
}

void Msg_Run_List_Dialog(int n)
{
  Msg_Set_Mode(MSG_DRAW);
  Msg_Channel.shown_context = n;
  Msg_Channel.page_first_use = 0;
  int lines = Msg_Context_Line_Count(n);
  int inner_h = 16 * lines + (Wants_Check_Box() ? 70 : 50);
  int widest = 0;
  for (int i = 0; i < lines; i++)
    widest = std::max(widest, Wdg_Text_Width_In_Font(Msg_Context_Line(n, i), 4096));
  int inner_w = std::max(widest + 40, 40);
  bool hslider = false;
  if (inner_w >= 801) {
    inner_w = 800;
    hslider = true;
  }
  Msg_Channel.dialog_width = inner_w;
  inner_h = std::min(inner_h, NPIXEL_Y - 150);
  int sheet_w = inner_w + 20 + 16 + 17, sheet_h = inner_h + 33 + 16 + 27 + 20 + (hslider ? 17 : 0);
  int x1 = NPIXEL_X / 2 - sheet_w / 2, y1 = NPIXEL_Y / 2 - sheet_h / 2;
  int x2 = x1 + sheet_w, y2 = y1 + sheet_h;
  Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
  char title[100];
  snprintf(title, sizeof title, "%.99s", Msg_Channel.contexts[n].title);
  while (M_LEFT && !getkeymask()) Get_Mouse_Event();
  Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, title, 145, 1);
  int ax1 = x1 + 8, ay1 = y1 + 33 + 8, ax2 = x2 - 8, ay2 = y2 - 27 - 8;
  Add_Escape_Area_to_PS(ax1, ay1, ax2 - 17, ay2 - (hslider ? 17 : 0), 2000);
  List_Area = SVA_Create(ax1, ay1, ax2, ay2, hslider ? 1 : 0, 1);
  int cancel = Add_Single_Button_to_PS(x1 + 5, y2 - 29, SYMBOLIC_BREAK_RASTER, "", 100);
  Set_Comment_to_Button_PS(cancel, "abbrechen");
  int ok = Add_Single_Button_to_PS(x2 - 31, y2 - 29, SYMBOLIC_OK_RASTER, "", 200);
  Set_Comment_to_Button_PS(ok, "best\x84tigen");
  Activate_Prop_Sheet();
  for (;;) {
    SVA_Clear(List_Area);
    Msg_List_Dialog_Draw(List_Area);
    SVA_Set_Active(List_Area, 1);
    SVA_Update(List_Area);
    int code = Edit_Prop_Sheet();
    if (code == 100 || code == 200 || getkeymask() == 1) break;
    if (code == 2000) SVA_Handle_Input(List_Area);
  }
  SVA_Delete(List_Area);
  List_Area = -1;
  Undefine_Prop_Sheet();
  Msg_Set_Mode(MSG_DRAW);
}

int Msg_Show_Current_Once(void)
{
  int n = Msg_Channel.current;
  if (!Msg_Channel.enabled || n < 0 || n >= MSG_CONTEXTS ||
      Msg_Channel.contexts[n].free_)
    return 1;
  Msg_Channel.offer_dont_show = 1;
  Msg_Channel.check_result = 0;
  Msg_Run_List_Dialog(n);
  Msg_Channel.offer_dont_show = 0;
  return Msg_Channel.check_result ? 0 : 1;
}

int Msg_Show_Current_With_Option(const char *label)
{
  int n = Msg_Channel.current;
  if (!Msg_Channel.enabled || n < 0 || n >= MSG_CONTEXTS || Msg_Channel.contexts[n].free_) return 0;
  Msg_Channel.check_label = label;
  Msg_Channel.check_result = 0;
  Msg_Run_List_Dialog(n);
  Msg_Channel.check_label = nullptr;
  return Msg_Channel.check_result ? 1 : 0;
}
