/*
** Single-page dialog runner: one modal sheet from a dialog and a page descriptor with one view
** area, an optional table, a button row by kind and the field commit; and the remark editor, a
** single-page dialog around a multi-line editor of at most 5000 characters.
*/
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "dialogs/dlg.h"
#include "dialogs/dlg_level.h"
#include "dialogs/finish.h"
#include "dialogs/sva.h"
#include "dialogs/table.h"
#include "dialogs/widgets.h"
#include "dialogs/widgets_input.h"
#include "foundation/ttool.h"
#include "platform/zelkwin.h"

static int Single_Cx = -1, Single_Cy = -1; /* the dialog centre */

int Dlg_Run_Single(Dlg_Desc *d, Dlg_Page *page)
{
    if (d == nullptr || page == nullptr) return 0;
    if (Dlg_Level >= DLG_MAX_LEVELS) return 0;
    Wdg_Hover_Callback();
    int old_buff = pxBuff(-1);
    if (Single_Cx < 0) {
        Single_Cx = NPIXEL_X / 2;
        Single_Cy = NPIXEL_Y / 2;
    }
    int kind = d->type;
    bool whole = kind == 4 || kind == 8;
    int ml = d->margin_left, mr = d->margin_right, mt = d->margin_top, mb = d->margin_bottom;
    int x1, y1, x2, y2, width, height;
    int title_h = whole ? 0 : 33;
    int band = (kind == 2 || whole) ? 0 : 27;
    if (whole) {
        Dlg_Whole_Screen_Sheet(kind, &x1, &y1, &x2, &y2);
        width = x2 - ml - mr;
        height = y2 - mt - mb;
    } else {
        height = std::min(d->max_height, NPIXEL_Y - title_h - band - mt - mb - 30);
        width = std::min(d->max_width, NPIXEL_X - ml - mr - 15);
        int w = ml + width + mr, h = title_h + mt + height + mb + band;
        x1 = Single_Cx - w / 2;
        y1 = Single_Cy - h / 2;
        x2 = x1 + w;
        y2 = y1 + h;
        Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    }
    Define_Prop_Sheet(x1, y1, x2, y2, whole ? 0 : 1, 1, whole ? "" : d->title, d->sheet_value + 105,
                      1);
    Dlg_Level_Entry *e = Dlg_Push_Level(d, 1, page);
    e->sheet_x = x1;
    e->sheet_y = y1;
    if (page->state != -2) {
        int px = x1 + ml, py = y1 + title_h + mt;
        Dlg_Create_Page_Area(e, 0, px, py, px + width, py + height, kind != 1 && kind != 3);
    }
    /* buttons by kind */
    int by = y2 - 29, centre = (x1 + x2) / 2;
    int cancel = 0, confirm = 0, help_x = 0;
    Dlg_Button_Places at{by, x1 + ml, centre - 11, x2 - mr - 35, centre - 50, by - 8};
    int def = Dlg_Add_Buttons(kind, &at, d->help_key, &cancel, &confirm, &help_x);
    e->default_button = def;
    if (d->decoration) d->decoration(x1, y1, x2, y2);
    if (page->init) page->init(e->tables[0]);
    if (Dlg_Cursor_Switch() && def) Move_Mouse_Cursor_to_Button_of_PS(def);
    Activate_Prop_Sheet();
    pxBuff(old_buff);
    int result = 0;
    for (;;) {
        int dx = 0, dy = 0;
        Prop_Sheet_Displacement(&dx, &dy);
        e->sheet_x = x1 + dx;
        e->sheet_y = y1 + dy;
        if (d->status) {
            char text[200] = {0};
            d->status(text);
            text[199] = 0;
            Draw_PS_Text_Box(/*left=*/x1 + ml + 40 + dx, /*top=*/y2 - 26 + dy,
                             /*right=*/x2 - mr - 60 + dx, /*bottom=*/y2 - 9 + dy, /*text=*/text,
                             /*alignment=*/209, /*frame_style=*/1, /*font=*/0x1000,
                             /*text_colour=*/BLACK_CI, /*fill_colour=*/BUTTON_CI);
        }
        if (def) Change_Activity_PS(def, 1);
        if (d->pass) d->pass(0);
        Dlg_Draw_Page(e, 0);
        int code;
        if (d->preset_event >= 0) {
            code = d->preset_event;
            d->preset_event = -1;
        } else {
            code = Edit_Prop_Sheet();
        }
        bool closed = getkeymask() == 1;
        if (e->cancel_request) code = DLG_CANCEL;
        if (e->close_request) code = DLG_CONFIRM;
        e->cancel_request = e->close_request = 0;
        if (code == DLG_CANCEL) {
            if (!closed && d->cancel_check && d->cancel_check() != 0) continue;
            result = 0;
            break;
        }
        if (code == DLG_CONFIRM) {
            if (Wdg_Commit_Fields(Dlg_Level) != 0
                || (d->confirm_check && d->confirm_check() != 0)) {
                if (closed) break;
                continue;
            }
            result = 1;
            break;
        }
        if (closed) break; /* the window is gone */
        if (d->event) {
            Wdg_Hover_Activate(0);
            int handled = d->event(code);
            Wdg_Hover_Activate(1);
            if (handled) continue;
        }
        if (code >= DLG_AREA_CODE && code < DLG_AREA_CODE + 1000) Dlg_Page_Input(e, 0);
    }
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    Single_Cx += dx;
    Single_Cy += dy;
    Wdg_Release_Level(Dlg_Level);
    Dlg_Release_Pages(e);
    if (d->end) d->end();
    d->current_page = 0;
    Undefine_Prop_Sheet();
    Dlg_Pop_Level();
    return result;
}

/* ------------------------------------------------------------------ remark editor */

/* REMARK_FOCUS: the first event of the dialog, outside the codes of the sheet's controls; it
** gives the editor the keyboard as soon as the dialog is drawn. */
enum { REMARK_MAX = 5000, REMARK_FOCUS = DLG_AREA_CODE + 1000 };

static char Remark_Buffer[REMARK_MAX + 1];
static Dlg_Desc Remark_Desc;
static Dlg_Page Remark_Page;
static int Remark_Ready = 0;
static int Remark_Area = -1; /* the page's view area, as last drawn */

static void Draw_Remark(int area, int, void *)
{
    Remark_Area = area;
    SVA_Add_Text_Editor(/*area=*/area, /*x1=*/10, /*y1=*/10, /*x2=*/430, /*y2=*/210,
                        /*text=*/Remark_Buffer, /*max_len=*/REMARK_MAX, /*colour=*/BLACK_CI,
                        /*bg_colour=*/WHITE_CI, /*frame=*/1, /*active=*/&Wdg_State.editable_cell);
}

static int Remark_Event(int code)
{
    if (code != REMARK_FOCUS) return 0;
    SVA_Focus_Editor(Remark_Area);
    return 1;
}

int Wdg_Edit_Remark(char **text)
{
    if (text == nullptr) return 0;
    if (!Remark_Ready) {
        Dlg_Init_Descriptor(&Remark_Desc);
        Remark_Desc.type = 0;
        Remark_Desc.sheet_value = 40;
        Dlg_Init_Pages(1, &Remark_Page);
        Remark_Page.draw = Draw_Remark;
        Remark_Desc.event = Remark_Event;
        Remark_Ready = 1;
    }
    memset(Remark_Buffer, 0, sizeof Remark_Buffer);
    if (*text) {
        char *copy = Str_Dup_N(*text, REMARK_MAX);
        if (copy) {
            memcpy(Remark_Buffer, copy, strlen(copy));
            free(copy);
        }
    }
    snprintf(Remark_Desc.title, sizeof Remark_Desc.title, "Vorbemerkung");
    snprintf(Remark_Page.label, sizeof Remark_Page.label, "Vorbemerkung");
    Remark_Desc.max_height = 220;
    Remark_Desc.max_width = 440;
    Remark_Desc.preset_event = REMARK_FOCUS;
    int r = Dlg_Run_Single(&Remark_Desc, &Remark_Page);
    Remark_Area = -1;
    if (r == 1) {
        char *fresh = strdup(Remark_Buffer);
        if (fresh) {
            free(*text);
            *text = fresh;
        }
    }
    return r;
}
