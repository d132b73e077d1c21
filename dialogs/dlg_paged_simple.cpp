/*
** The older form of the paged dialog runner: no descriptor, fixed margins, and always cancel
** (code 1), help and confirm (code 2). Pages, tabs and the level stack are the paged runner's.
*/
#include "dialogs/dlg.h"

#include <algorithm>

#include "dialogs/dlg_level.h"
#include "dialogs/widgets.h"
#include "dialogs/widgets_input.h"
#include "platform/zelkwin.h"

enum { SIMPLE_CANCEL = 1, SIMPLE_CONFIRM = 2, SIMPLE_SHEET_VALUE = 140 };

static int Simple_Cx = -1, Simple_Cy = -1; /* remembered centre of this runner */

/* The buttons: cancel at the left margin - 3, help centred (30 pixels right of the left margin
** with a status line), confirm at the right margin - 20 (its left end 32 pixels left of the
** margin, as the paged runner counts its confirm button). Answers the cancel button. */
static int Simple_Buttons(int x1, int x2, int y, int margin, const char *help_key, bool status,
                          int *help_x, int *ok_x)
{
    int cancel =
        Add_Single_Button_to_PS(x1 + margin - 3, y, SYMBOLIC_BREAK_RASTER, "", SIMPLE_CANCEL);
    Set_Comment_to_Button_PS(cancel, "abbrechen");
    *help_x = 0;
    if (help_key && help_key[0]) {
        *help_x = status ? x1 + margin + 30 : (x1 + x2) / 2 - 11;
        Set_Comment_to_Button_PS(Add_Help_to_PS(*help_x, y, help_key), "Hilfe");
    }
    *ok_x = x2 - margin - 32;
    int ok = Add_Single_Button_to_PS(*ok_x, y, SYMBOLIC_OK_RASTER, "", SIMPLE_CONFIRM);
    Set_Comment_to_Button_PS(ok, "best\x84tigen");
    return cancel;
}

/* Return 1 when the dialog was confirmed (and the fields committed), 0 when it was cancelled,
** closed, or there is no page. height and width are the pages' inner size in pixels. */
int Dlg_Run_Pages_Simple(int height, int width, const char *title, int count, Dlg_Page *pages,
                         Dlg_Status_Fn status, const char *help_key)
{
    if (pages == nullptr || count < 1 || Dlg_Level >= DLG_MAX_LEVELS) return 0;
    bool several = count > 1;
    const int side = several ? 10 : 7, top = several ? 40 : 35, row = several ? 35 : 30;
    const int tab_h = several ? 30 : 0, margin = 2 * side;
    width = std::clamp(width, 20, NPIXEL_X - 2 * margin - 15);
    height = std::clamp(height, 20, NPIXEL_Y - top - tab_h - row - 30);
    if (Simple_Cx < 0) {
        Simple_Cx = NPIXEL_X / 2;
        Simple_Cy = NPIXEL_Y / 2;
    }
    int old_buff = pxBuff(-1);
    int w = width + 2 * margin, h = top + tab_h + height + row;
    int x1 = Simple_Cx - w / 2, y1 = Simple_Cy - h / 2, x2 = x1 + w, y2 = y1 + h;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, title ? title : "", SIMPLE_SHEET_VALUE, 1);
    Dlg_Desc desc; /* the level's descriptor: defaults, no callbacks */
    Dlg_Init_Descriptor(&desc);
    Dlg_Level_Entry *e = Dlg_Push_Level(&desc, count, pages);
    e->sheet_x = x1;
    e->sheet_y = y1;
    int left = x1 + margin, tabs_top = y1 + top, page_top = tabs_top + tab_h;
    if (several) {
        int present = 0;
        for (int i = 0; i < count; i++) present += pages[i].state != -2;
        present = std::max(present, 1);
        Dlg_Build_Tabs(e, left, tabs_top, width, tab_h, (width - (present - 1)) / present, "");
    }
    Dlg_Start_Page(e, 0);
    for (int i = 0; i < count; i++)
        if (pages[i].state != -2 && pages[i].draw)
            Dlg_Create_Page_Area(e, i, left, page_top, left + width, page_top + height, true);
    int help_x = 0, ok_x = 0;
    int def = Simple_Buttons(x1, x2, y2 - 29, margin, help_key, status != nullptr, &help_x, &ok_x);
    for (int i = 0; i < count; i++)
        if (pages[i].init) pages[i].init(e->tables[i]);
    if (Dlg_Cursor_Switch()) Move_Mouse_Cursor_to_Button_of_PS(def);
    Activate_Prop_Sheet();
    pxBuff(old_buff);
    int dx = 0, dy = 0, result = 0;
    for (;;) {
        Prop_Sheet_Displacement(&dx, &dy);
        e->sheet_x = x1 + dx;
        e->sheet_y = y1 + dy;
        if (status)
            Dlg_Draw_Status(status, (help_x ? help_x : left) + 30 + dx, ok_x - 20 + dx, y2 + dy);
        int ob = pxBuff(-1);
        Dlg_Follow_Page(e);
        Dlg_Draw_Page(e, e->current);
        pxBuff(ob);
        int code = Edit_Prop_Sheet();
        bool closed = getkeymask() == 1;
        if (code == SIMPLE_CANCEL || e->cancel_request) break;
        if (code == SIMPLE_CONFIRM || e->close_request) {
            e->close_request = 0;
            if (Wdg_Commit_Fields(Dlg_Level) == 0) {
                result = 1;
                break;
            }
            if (closed) break;
            continue;
        }
        if (closed) break;
        if (Dlg_Tab_Event(e, code)) continue;
        if (code >= DLG_AREA_CODE && code < DLG_AREA_CODE + count)
            Dlg_Page_Input(e, code - DLG_AREA_CODE);
    }
    Prop_Sheet_Displacement(&dx, &dy);
    Simple_Cx += dx;
    Simple_Cy += dy;
    Wdg_Release_Level(Dlg_Level);
    Dlg_Release_Pages(e);
    Undefine_Prop_Sheet();
    Dlg_Pop_Level();
    return result;
}
