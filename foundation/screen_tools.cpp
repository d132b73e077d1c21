/*
** Screen interaction tools over the GUI library: text widths, the rubber-band rectangle, a
** highlighted rectangle over saved screen, the zoom animation and the segment hit test.
*/
#include "foundation/screen_tools.h"

#include <cmath>
#include <cstdlib>

#include "platform/zelkwin.h"

#define MOUSE_CLOSED 0x80000 /* Get_Mouse_Event's answer when the window closes */

/* ---------------------------------------------------------------- texts */

int Text_Width(const char *text)
{
    if (!text) return 0;
    int left = 0, right = 0;
    pxQTxX(text, -1, &left, &right, nullptr, nullptr);
    return right - left;
}

int Text_Width_In_Font(const char *text, int font)
{
    Pop_RFont(font);
    const int w = Text_Width(text);
    Push_RFont();
    return w;
}

/* ---------------------------------------------------------------- buttons */

void Reset_Button_Look(int button, int snap, const char *comment)
{
    Reset_Button_Frame(button);
    Change_Action_State_PS(button, 0);
    if (snap) Snap_Colored_Layout_of_Single_Button(button);
    if (comment) Set_Comment_to_Button_PS(button, comment);
}

/* ---------------------------------------------------------------- rubber band */

static void Band(int x0, int y0, int x1, int y1)
{
    pxLine(x0, y0, x1, y0);
    pxLine(x1, y0, x1, y1);
    pxLine(x1, y1, x0, y1);
    pxLine(x0, y1, x0, y0);
}

void Drag_Rubber_Band(int x0, int y0, int *x, int *y)
{
    int closed = Get_Mouse_Event() == MOUSE_CLOSED;
    int mx = M_XPOS, my = M_YPOS;
    if (x) *x = mx;
    if (y) *y = my;
    pxFgc(2);
    msVisi(-1);
    pxSBop(3);
    Band(x0, y0, mx, my);
    while (M_LEFT && !closed) {
        pxSBop(0);
        closed = Get_Mouse_Event() == MOUSE_CLOSED;
        pxSBop(3);
        if (x) *x = M_XPOS;
        if (y) *y = M_YPOS;
        if (M_XPOS != mx || M_YPOS != my) {
            Band(x0, y0, mx, my); /* exclusive-or: drawing again erases */
            mx = M_XPOS;
            my = M_YPOS;
            Band(x0, y0, mx, my);
        }
    }
    Band(x0, y0, mx, my);
    pxSBop(0);
    msVisi(0);
}

/* ---------------------------------------------------------------- highlighted rectangle */

static int Highlight[4]; /* corners of the last rectangle shown */

void Highlight_Rect_Show(int x1, int y1, int x2, int y2)
{
    Highlight[0] = x1;
    Highlight[1] = y1;
    Highlight[2] = x2;
    Highlight[3] = y2;
    Save_Screen_Rectangle(x1, y1, x2, y2);
    pxFgc(GetVELColor(-1));
    pxRect(x1, y1, x2, y2);
}

void Highlight_Rect_Hide(void)
{
    Restore_Screen_Rectangle(Highlight[0], Highlight[1], Highlight[2], Highlight[3]);
}

/* ---------------------------------------------------------------- zoom animation */

static int Zoom_Steps = 10;
static int Zoom_Pause = 15; /* milliseconds per step */

void Zoom_Animation_Set(int steps, int pause)
{
    if (steps < 0) {
        Zoom_Steps = 10;
        Zoom_Pause = 15;
        return;
    }
    Zoom_Steps = steps;
    Zoom_Pause = pause;
}

void Zoom_Animation(int fx1, int fy1, int fx2, int fy2, int tx1, int ty1, int tx2, int ty2)
{
    const int colour = pxQFgc();
    pxFgc(100);
    pxSBop(3);
    const int from[4] = {fx1, fy1, fx2, fy2}, to[4] = {tx1, ty1, tx2, ty2};
    for (int i = 0; i <= Zoom_Steps; i++) {
        int r[4];
        for (int k = 0; k < 4; k++)
            r[k] = static_cast<int>(from[k]
                                    + static_cast<double>(to[k] - from[k]) * i / (Zoom_Steps + 1));
        Band(r[0], r[1], r[2], r[3]);
        pxFlsh();
        VELSleep(Zoom_Pause);
        Band(r[0], r[1], r[2], r[3]);
    }
    pxFgc(colour);
    pxSBop(0);
}

/* ---------------------------------------------------------------- hit test */

static int Hit_Tolerance = 3; /* pixels */

void Hit_Tolerance_Set(int pixels) { Hit_Tolerance = pixels; }

int Hit_Tolerance_Get(void) { return Hit_Tolerance; }

int Point_Near_Segment(int x1, int y1, int x2, int y2, int px, int py)
{
    const int t = Hit_Tolerance;
    if (px < (x1 < x2 ? x1 : x2) - t || px > (x1 > x2 ? x1 : x2) + t) return 0;
    if (py < (y1 < y2 ? y1 : y2) - t || py > (y1 > y2 ? y1 : y2) + t) return 0;
    const double dx = x2 - x1, dy = y2 - y1, len = hypot(dx, dy);
    if (len == 0.0) return 0;
    return fabs(dx * (py - y1) - dy * (px - x1)) / len <= t;
}
