/*
** Shared pieces of the design-check dialogs: the kept dialog centres, multi-line message
** boxes and the press-or-drag tracker of the check lists.
*/
#include "checks/dlg_common.h"

#include <cstdlib>

#include "foundation/screen_tools.h"
#include "platform/zelkwin.h"

void Nchw_Dlg_Place(Nchw_Dlg_Centre *c, int left, int right, int up, int down, int *x1, int *y1,
                    int *x2, int *y2)
{
    if (c->x < 0 || c->y < 0) {
        c->x = NPIXEL_X / 2;
        c->y = NPIXEL_Y / 2;
    }
    int a = c->x - left, b = c->y - up, d = c->x + right, e = c->y + down;
    Check_Prop_Sheet_Frames(&a, &b, &d, &e);
    *x1 = a;
    *y1 = b;
    *x2 = d;
    *y2 = e;
}

void Nchw_Dlg_Keep_Displacement(Nchw_Dlg_Centre *c)
{
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    c->x += dx;
    c->y += dy;
}

void Nchw_Dlg_Message(const char *title, const char *const *lines)
{
    Init_Message();
    if (title) Set_Message_Title(title);
    for (int i = 0; lines[i]; i++) Fill_Message(lines[i]);
    Draw_Message();
}

void Nchw_Dlg_Alloc_Failed(void)
{
    static const char *const lines[] = {"Speicher nicht ausreichend!", nullptr};
    Nchw_Dlg_Message("Speicherallokierungsfehler", lines);
}

int Nchw_Dlg_Track_Selection(int x1, int y1, int x2, int y2, int r[4])
{
    const int px = M_XPOS, py = M_YPOS;
    int ex = px, ey = py, dragged = 0;
    while (M_LEFT && !getkeymask()) {
        Get_Mouse_Event();
        if (std::abs(M_XPOS - px) > 8 || std::abs(M_YPOS - py) > 8) {
            dragged = 1;
            break;
        }
    }
    if (dragged) {
        Pop_Mouse_Move_Restriction(x1, y1, x2, y2);
        if (M_LEFT) {
            Drag_Rubber_Band(px, py, &ex, &ey);
        } else {
            ex = M_XPOS;
            ey = M_YPOS;
        }
        Push_Mouse_Move_Restriction();
        ex = ex < x1 ? x1 : ex > x2 ? x2 : ex;
        ey = ey < y1 ? y1 : ey > y2 ? y2 : ey;
    }
    r[0] = px < ex ? px : ex;
    r[1] = py < ey ? py : ey;
    r[2] = px < ex ? ex : px;
    r[3] = py < ey ? ey : py;
    return dragged;
}
