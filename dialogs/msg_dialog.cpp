/*
** The list dialog of a message context: a one-page dialog of the paged runner whose view area
** shows the context's lines drawn by the message output's draw mode (codes and escapes act),
** optionally with a check box below them.
*/
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "dialogs/dlg.h"
#include "dialogs/message.h"
#include "dialogs/sva.h"
#include "dialogs/widgets.h"
#include "platform/zelkwin.h"

static const char Dont_Show_Again[] = "Diesen Hinweis nicht nochmal anzeigen";

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
        SVA_Add_Check_Box(area, x, Msg_Channel.draw_y, Msg_Channel.check_label, 4096,
                          Wdg_Get_Fg_Colour(), &Msg_Channel.check_result, &Editable);
    } else {
        int grey = Nearest_RGB_Color(130, 130, 130);
        SVA_Add_Check_Box(area, x, Msg_Channel.draw_y, Dont_Show_Again, 4096, grey,
                          &Msg_Channel.check_result, &Editable);
        Wdg_Set_Fg_Colour(black);
    }
}

static Dlg_Desc List_Desc;
static Dlg_Page List_Page;

static void List_Page_Draw(int area, int, void *) { Msg_List_Dialog_Draw(area); }

/* Width of a stored line as it will be drawn: without its codes and final line feed. */
static int Line_Width(const char *line)
{
    std::string s = Msg_Skip_Codes(line);
    if (!s.empty() && s.back() == '\n') s.pop_back();
    return Wdg_Text_Width_In_Font(s.c_str(), 4096);
}

void Msg_Run_List_Dialog(int n)
{
    Msg_Set_Mode(MSG_DRAW);
    Msg_Channel.shown_context = n;
    Dlg_Init_Descriptor(&List_Desc);
    if (Msg_Channel.page_first_use) {
        Dlg_Init_Pages(1, &List_Page);
        Msg_Channel.page_first_use = 0;
    }
    snprintf(List_Desc.title, sizeof List_Desc.title, "%.99s", Msg_Channel.contexts[n].title);
    int lines = Msg_Context_Line_Count(n);
    List_Desc.max_height = 16 * lines + (Wants_Check_Box() ? 70 : 50);
    int widest = 0;
    for (int i = 0; i < lines; i++) widest = std::max(widest, Line_Width(Msg_Context_Line(n, i)));
    int width = std::max(widest + 40, 40);
    List_Page.hslider = 0;
    if (width >= 801) {
        width = 800;
        List_Page.hslider = 1;
    }
    List_Desc.max_width = width;
    Msg_Channel.dialog_width = width;
    List_Page.vslider = 1;
    List_Page.draw = List_Page_Draw;
    while (M_LEFT && !getkeymask()) Get_Mouse_Event();
    Dlg_Run_Paged(&List_Desc, 1, &List_Page);
    Msg_Set_Mode(MSG_DRAW);
}

int Msg_List_Dialog_Has_Slider(void) { return List_Page.hslider; }

int Msg_Show_Current_Once(void)
{
    int n = Msg_Channel.current;
    if (!Msg_Channel.enabled || n < 0 || n >= MSG_CONTEXTS || Msg_Channel.contexts[n].free_)
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
    if (!Msg_Channel.enabled || n < 0 || n >= MSG_CONTEXTS || Msg_Channel.contexts[n].free_)
        return 0;
    Msg_Channel.check_label = label;
    Msg_Channel.check_result = 0;
    Msg_Run_List_Dialog(n);
    Msg_Channel.check_label = nullptr;
    return Msg_Channel.check_result ? 1 : 0;
}
