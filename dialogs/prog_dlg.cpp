/*
** Progress dialog: a property sheet with one view area that shows up to five labelled counters,
** each with its status text, its "n von m" text and a banded bar, and on request a button
** "Abbrechen" that the run asks between its steps. Redrawn on every change while it is open and
** enabled.
*/
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "dialogs/progress.h"
#include "dialogs/screen.h"
#include "dialogs/sva.h"
#include "dialogs/widgets.h"
#include "platform/zelkwin.h"

struct Prog_Counter {
    int max, value;
    char text[100];
};

static int Dlg_Enabled = 1;
static Prog_Dlg_Desc *Dlg_Open = nullptr;
static int Dlg_Bar_Colour, Dlg_Bg_Colour;
static Prog_Counter Counters[PROG_DLG_COUNTERS];
static int Dlg_Area = -1;
static int Dlg_W = 200;
static int Centre_X = -1, Centre_Y = -1;
/* The button "Abbrechen" (screen pixels; x1 > x2 when there is none) and whether it was asked. */
static int Stop_X1 = 1, Stop_Y1 = 1, Stop_X2 = 0, Stop_Y2 = 0;
static int Stop_Asked = 0;
static int Stop_By_Close = 0;                      /* the last stop came from the window's close */
enum { STOP_ROW = 34, STOP_W = 110, STOP_H = 24 }; /* pixels */

void Prog_Dlg_Init_Descriptor(Prog_Dlg_Desc *d, int count)
{
    if (d == nullptr) return;
    d->title[0] = 0;
    d->subtitle[0] = 0;
    d->width = -1;
    d->count = std::clamp(count, 0, (int)PROG_DLG_COUNTERS);
    d->stop_button = 0;
    for (auto &c : d->counters) {
        c.label[0] = 0;
        c.max = 0;
        c.upper_bound = 0;
    }
}

int Prog_Dlg_Fill_Length(int value, int maximum, int w)
{
    if (maximum < 1) return 0;
    double v = (double)value / maximum * (w - 64);
    return v >= 0 ? (int)(v + 0.5) : (int)(v - 0.5);
}

static void Draw_Dialog(void)
{
    if (Dlg_Open == nullptr || !Dlg_Enabled || Dlg_Area < 0) return;
    int w = Dlg_W;
    SVA_Clear(Dlg_Area);
    Wdg_Select_Area(Dlg_Area);
    SVA_Set_Bg_Colour(Dlg_Area, Dlg_Bg_Colour);
    int black = Nearest_RGB_Color(0, 0, 0);
    int n = std::min(Dlg_Open->count, (int)PROG_DLG_COUNTERS);
    for (int i = 0; i < n; i++) {
        const Prog_Counter &c = Counters[i];
        int y = 30 + 47 * i;
        bool live = c.max >= 1;
        SVA_Add_Text(Dlg_Area, 20, y, Dlg_Open->counters[i].label, 4096,
                     live ? black : Nearest_RGB_Color(120, 120, 120), 0);
        if (live) {
            if (c.text[0]) {
                Wdg_Set_Font(4098);
                Wdg_Set_Fg_Colour(black);
                Wdg_Draw_Text_Centred(20 + (w - 60) / 2, y, c.text, nullptr);
            }
            char buf[64];
            snprintf(buf, sizeof buf,
                     Dlg_Open->counters[i].upper_bound == 1 ? "%d von maximal %d" : "%d von %d",
                     c.value, c.max);
            SVA_Add_Text(Dlg_Area, w - 40, y, buf, 0, black, 1);
            SVA_Add_Filled_Rect(Dlg_Area, 20, y + 7, w - 40, y + 22,
                                Nearest_RGB_Color(255, 255, 225));
            SVA_Add_Line(Dlg_Area, 20, y + 7, w - 40, y + 7, black);
            SVA_Add_Line(Dlg_Area, w - 40, y + 7, w - 40, y + 22, black);
            SVA_Add_Line(Dlg_Area, w - 40, y + 22, 20, y + 22, black);
            SVA_Add_Line(Dlg_Area, 20, y + 22, 20, y + 7, black);
            int end = 22 + Prog_Dlg_Fill_Length(c.value, c.max, w);
            for (int j = 0; j <= 6; j++) {
                int colour =
                    j == 0 ? Dlg_Bar_Colour : Colour_Lighten_Percent(Dlg_Bar_Colour, 10.0 * j);
                if (y + 9 + j <= y + 20 - j)
                    SVA_Add_Filled_Rect(Dlg_Area, 22, y + 9 + j, end, y + 20 - j, colour);
            }
        } else {
            SVA_Add_Filled_Rect(Dlg_Area, 20, y + 7, w - 40, y + 22, Nearest_RGB_Color(80, 80, 80));
            SVA_Add_Filled_Rect(Dlg_Area, 21, y + 8, w - 41, y + 21,
                                Nearest_RGB_Color(225, 225, 225));
        }
    }
    SVA_Set_Active(Dlg_Area, 1);
    SVA_Update(Dlg_Area);
}

void Prog_Dlg_Open(Prog_Dlg_Desc *d)
{
    if (!Dlg_Enabled || d == nullptr || Dlg_Open != nullptr) return;
    Dlg_Open = d;
    Dlg_Bar_Colour = Nearest_RGB_Color(0, 88, 176);
    Dlg_Bg_Colour = Nearest_RGB_Color(233, 240, 245);
    for (int i = 0; i < PROG_DLG_COUNTERS; i++) {
        Counters[i].max = d->counters[i].max;
        Counters[i].value = 0;
        Counters[i].text[0] = 0;
    }
    int w = std::clamp(d->width, 200, std::max(200, NPIXEL_X - 44));
    const int row = d->stop_button ? STOP_ROW : 0;
    int h = std::min(std::min(d->count, (int)PROG_DLG_COUNTERS) * 48 + 31 + row, NPIXEL_Y - 87);
    Dlg_W = w;
    if (Centre_X < 0) {
        Centre_X = NPIXEL_X / 2;
        Centre_Y = NPIXEL_Y / 2;
    }
    int sw = w + 14, sh = h + 42;
    int x1 = Centre_X - sw / 2, y1 = Centre_Y - sh / 2, x2 = x1 + sw, y2 = y1 + sh;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    Centre_X = (x1 + x2) / 2;
    Centre_Y = (y1 + y2) / 2;
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 0, d->title, 40, 1);
    Dlg_Area = SVA_Create(x1 + 14, y1 + 42, x2 - 14, y2 - 14 - row, 0, 0);
    Stop_Asked = 0;
    Stop_By_Close = 0;
    Stop_X1 = 1;
    Stop_X2 = 0;
    if (d->stop_button) {
        Stop_X1 = (x1 + x2) / 2 - STOP_W / 2;
        Stop_Y1 = y2 - 14 - row + (row - STOP_H) / 2;
        Stop_X2 = Stop_X1 + STOP_W - 1;
        Stop_Y2 = Stop_Y1 + STOP_H - 1;
        Add_Single_Button_to_PS(Stop_X1, Stop_Y1, PS_RASTER(STOP_W, STOP_H), "Abbrechen", 1);
    }
    Activate_Prop_Sheet();
    int dx, dy;
    Prop_Sheet_Displacement(&dx, &dy);
    Draw_Dialog();
}

void Prog_Dlg_Close(void)
{
    if (Dlg_Open == nullptr) return;
    SVA_Delete(Dlg_Area);
    Dlg_Area = -1;
    Undefine_Prop_Sheet();
    Dlg_Open = nullptr;
    Stop_Asked = 0;
    Stop_X1 = 1;
    Stop_X2 = 0;
}

int Prog_Dlg_Is_Open(void) { return Dlg_Open != nullptr && Dlg_Enabled ? 1 : 0; }
void Prog_Dlg_Enable(void) { Dlg_Enabled = 1; }
void Prog_Dlg_Disable(void) { Dlg_Enabled = 0; }

static Prog_Counter *Counter(int i)
{
    if (i < 0 || i >= PROG_DLG_COUNTERS) return nullptr;
    return &Counters[i];
}

void Prog_Dlg_Set_Text(int counter, const char *text)
{
    Prog_Counter *c = Counter(counter);
    if (c == nullptr || text == nullptr) return;
    snprintf(c->text, sizeof c->text, "%s", text);
    Draw_Dialog();
}

void Prog_Dlg_Set_Max(int counter, int maximum)
{
    Prog_Counter *c = Counter(counter);
    if (c == nullptr) return;
    c->max = maximum;
    c->value = 0;
    Draw_Dialog();
}

void Prog_Dlg_Step(int counter)
{
    Prog_Counter *c = Counter(counter);
    if (c == nullptr || c->max < 1) return;
    c->value++;
    Draw_Dialog();
}

void Prog_Dlg_Step_Text(int counter, const char *text)
{
    Prog_Counter *c = Counter(counter);
    if (c == nullptr || text == nullptr) return;
    snprintf(c->text, sizeof c->text, "%s", text);
    if (c->max >= 1) c->value++;
    Draw_Dialog();
}

void Prog_Dlg_Set_Value(int counter, int value)
{
    Prog_Counter *c = Counter(counter);
    if (c == nullptr || c->max < 1) return;
    c->value = value;
    Draw_Dialog();
}

void Prog_Dlg_Reset_Counter(int counter)
{
    Prog_Counter *c = Counter(counter);
    if (c == nullptr) return;
    c->value = 0;
    c->max = -1;
    Draw_Dialog();
}

int Prog_Dlg_Get_Value(int counter)
{
    Prog_Counter *c = Counter(counter);
    return c ? c->value : -1;
}

void Prog_Dlg_Set_Value_Text(int counter, int value, const char *text)
{
    Prog_Counter *c = Counter(counter);
    if (c == nullptr) return;
    if (text != nullptr) snprintf(c->text, sizeof c->text, "%s", text);
    if (c->max >= 1) c->value = value;
    Draw_Dialog();
}

int Prog_Dlg_Stop_Asked(void)
{
    const int button = Prog_Dlg_Is_Open() && Stop_X1 <= Stop_X2;
    const int input =
        VELMSG_MOVE | VELMSG_LBUTTON | VELMSG_RBUTTON | VELMSG_WHEEL | VELMSG_KEY | VELMSG_CLOSE;
    VEL_MESSAGE msg;
    InitVELMessage(&msg);
    while (!Stop_Asked) {
        const int cls = PollVELMessage(&msg, VELMSG_TIMER | (button ? input : 0));
        if (cls == 0) break;
        const int on_button = msg.w[1] >= Stop_X1 && msg.w[1] <= Stop_X2 && msg.w[2] >= Stop_Y1
                              && msg.w[2] <= Stop_Y2;
        if (cls == VELMSG_CLOSE || (cls == VELMSG_KEY && msg.w[4] == 27)
            || (cls == VELMSG_LBUTTON && (msg.w[3] & 1) && on_button))
            Stop_Asked = 1;
        if (cls == VELMSG_CLOSE) Stop_By_Close = 1;
    }
    return Stop_Asked;
}

int Prog_Dlg_Stopped_By_Close(void) { return Stop_By_Close; }
