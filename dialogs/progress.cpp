/*
** Progress bars, time-out, sand clock, the wait animation thread and the wait box. The bars draw
** only the stretch between the old and the new extent. The animation thread is stopped through
** an atomic flag and joined; it draws a frame only while it holds the drawing lock.
*/
#include "dialogs/progress.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

#include "dialogs/message.h"
#include "foundation/foundation.h"
#include "platform/zelkwin.h"

Progress_Slot Progress_Slots[PROGRESS_SLOTS];

/* Held by whoever draws while the wait animation may run: the animation thread for each frame,
** the main thread's toolkit drawing (view areas, bars, icon buttons, wait box). */
static std::recursive_mutex Draw_Lock;

/* ------------------------------------------------------------------ time-out and sand clock */

static double Deadline = 0; /* seconds of the library clock */

static double Now(void) { return (double)VELClock() * 0.001; }

void Set_Timeout(double seconds) { Deadline = Now() + seconds; }
int Timeout_Reached(void) { return Now() >= Deadline ? 1 : 0; }

void Wait_Seconds(double seconds)
{
    if (seconds > 0) VELSleep((int)(seconds * 1000));
}

static int Sand_Frame = 0, Sand_X = 0, Sand_Y = 0, Sand_Bg = 0;

void Sand_Clock_Start(int x, int y, int background)
{
    Sand_Frame = 0;
    Sand_X = x;
    Sand_Y = y;
    Sand_Bg = background;
    Deadline = Now();
}

void Sand_Clock_Tick(void)
{
    if (!Timeout_Reached()) return;
    std::lock_guard<std::recursive_mutex> g(Draw_Lock);
    pxFgc(Sand_Bg);
    pxRect(Sand_X, Sand_Y, Sand_X + 31, Sand_Y + 61);
    pxDrawPartialTransparentDIB(/*file=*/"animsandclock.bmp", /*sx1=*/31 * Sand_Frame, /*sy1=*/0,
                                /*sx2=*/-1, /*sy2=*/-1, /*x1=*/Sand_X, /*y1=*/Sand_Y,
                                /*x2=*/Sand_X + 31, /*y2=*/Sand_Y + 61, /*mode=*/201, /*flag=*/-1,
                                /*r=*/192, /*g=*/192, /*b=*/192);
    pxFlsh();
    Sand_Frame = Sand_Frame >= 11 ? 0 : Sand_Frame + 1;
    Deadline = Now() + 0.05;
}

/* ------------------------------------------------------------------ progress bars */

enum { C_BLUE1, C_BLUE2, C_BLUE3, C_BLUE4, C_BLUE5, C_BLACK, C_LIGHT, C_EMPTY, C_COUNT };
static int Bar_Colours[C_COUNT];
static int Saved_L, Saved_T, Saved_R, Saved_B, Saved_Valid = 0;

static void Fetch_Bar_Colours(void)
{
    static const int rgb[C_COUNT][3] = {{32, 96, 192},   {0, 127, 207},  {113, 175, 229},
                                        {166, 202, 240}, {32, 64, 128},  {0, 0, 0},
                                        {255, 251, 240}, {235, 245, 225}};
    for (int i = 0; i < C_COUNT; i++)
        Bar_Colours[i] = Nearest_Color_Index(rgb[i][0], rgb[i][1], rgb[i][2]);
}

static Progress_Slot *Slot_In_Use(int slot)
{
    if (slot < 0 || slot >= PROGRESS_SLOTS) return nullptr;
    return Progress_Slots[slot].in_use ? &Progress_Slots[slot] : nullptr;
}

static void HLine(int x1, int x2, int y, int colour)
{
    pxFgc(colour);
    pxLine(x1, y, x2, y);
}

int Progress_Open(int x, int y, int width, int boxed)
{
    std::lock_guard<std::recursive_mutex> g(Draw_Lock);
    int slot = -1;
    for (int i = 0; i < PROGRESS_SLOTS; i++) {
        if (!Progress_Slots[i].in_use) {
            slot = i;
            break;
        }
    }
    if (slot < 0) return -1;
    Fetch_Bar_Colours();
    Progress_Slots[slot] = {1, x, y, width, boxed, 0, 0.0};
    if (boxed) {
        if (Saved_Valid) Restore_Screen_Rectangle(Saved_L, Saved_T, Saved_R, Saved_B);
        Saved_L = x - 10;
        Saved_T = y - 10;
        Saved_R = x + width + 20;
        Saved_B = y + 28;
        Save_Screen_Rectangle(Saved_L, Saved_T, Saved_R, Saved_B);
        Saved_Valid = 1;
        pxFgc(GetVELColor(-1));
        pxRect(Saved_L, Saved_T, Saved_R, Saved_B);
        /* the raised box of a property sheet */
        int l = x - 10, t = y - 10, r = x + width + 10, b = y + 18;
        pxFgc(GetVELColor(-2));
        pxLine(l, t, r, t);
        pxLine(l, t, l, b);
        pxFgc(GetVELColor(-3));
        pxLine(l, b, r, b);
        pxLine(r, t, r, b);
    }
    pxFgc(Bar_Colours[C_EMPTY]);
    pxRect(x, y, x + width, y + 7);
    HLine(x - 1, x + width, y - 1, Bar_Colours[C_BLACK]);
    pxLine(x - 1, y - 1, x - 1, y + 7);
    HLine(x, x + width + 1, y + 8, Bar_Colours[C_LIGHT]);
    pxLine(x + width + 1, y, x + width + 1, y + 7);
    pxFlsh();
    return slot;
}

void Progress_Set(int slot, double fraction)
{
    Progress_Slot *s = Slot_In_Use(slot);
    if (s == nullptr) return;
    std::unique_lock<std::recursive_mutex> g(Draw_Lock);
    double raw = s->width * fraction;
    int extent = raw <= 0 ? 0 : raw >= s->width ? s->width : (int)raw;
    if (extent == s->extent) return;
    int x = s->x, y = s->y;
    if (extent > s->extent) {
        int a = x + s->extent, b = x + extent;
        HLine(a, b, y, Bar_Colours[C_BLUE1]);
        HLine(a, b, y + 6, Bar_Colours[C_BLUE1]);
        HLine(a, b, y + 1, Bar_Colours[C_BLUE2]);
        HLine(a, b, y + 5, Bar_Colours[C_BLUE2]);
        HLine(a, b, y + 2, Bar_Colours[C_BLUE3]);
        HLine(a, b, y + 4, Bar_Colours[C_BLUE3]);
        HLine(a, b, y + 3, Bar_Colours[C_BLUE4]);
        HLine(a, b, y + 7, Bar_Colours[C_BLUE5]);
    } else {
        pxFgc(Bar_Colours[C_EMPTY]);
        pxRect(x + extent, y, x + s->extent, y + 7);
    }
    pxFgc(Bar_Colours[C_BLACK]);
    pxLine(x + extent, y, x + extent, y + 7);
    s->extent = extent;
    pxFlsh();
    g.unlock();
    /* the wait after a visible change sleeps: it must not take a processor from the work */
    if (s->delay > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds((long long)(s->delay * 1000)));
}

void Progress_Set_Delay(int slot, double seconds)
{
    if (Progress_Slot *s = Slot_In_Use(slot)) s->delay = seconds;
}

void Progress_Close(int slot)
{
    Progress_Slot *s = Slot_In_Use(slot);
    if (s == nullptr) return;
    std::lock_guard<std::recursive_mutex> g(Draw_Lock);
    if (s->boxed) {
        if (Saved_Valid) Restore_Screen_Rectangle(Saved_L, Saved_T, Saved_R, Saved_B);
        Saved_Valid = 0;
    } else {
        pxFgc(GetVELColor(-1));
        pxRect(s->x - 1, s->y - 1, s->x + s->width + 1, s->y + 8);
    }
    pxFlsh();
    s->in_use = 0;
}

/* ------------------------------------------------------------------ wait animation */

std::atomic<int> Wait_Anim_Run_Flag{0};
static int Anim_X = 0, Anim_Y = 0;
static std::thread Anim_Thread;

void Wait_Anim_Lock(void) { Draw_Lock.lock(); }
void Wait_Anim_Unlock(void) { Draw_Lock.unlock(); }
int Wait_Animation_Running(void) { return Wait_Anim_Run_Flag.load() ? 1 : 0; }

static void Wait_Animation_Thread(void)
{
    int x = Anim_X, y = Anim_Y;
    int size;
    std::vector<unsigned char> saved;
    {
        std::lock_guard<std::recursive_mutex> g(Draw_Lock);
        size = pxQSvR(x, y, x + 83, y + 83);
        saved.resize(size > 0 ? (size_t)size : 1);
        if (size > 0) pxSvRc(x, y, x + 83, y + 83, saved.data());
    }
    int k = 0;
    while (Wait_Anim_Run_Flag.load()) {
        {
            std::lock_guard<std::recursive_mutex> g(Draw_Lock);
            int old = pxBuff(-1);
            if (size > 0) pxStRc(x, y, x + 83, y + 83, saved.data());
            int sx = 1 + 85 * k;
            pxDrawPartialTransparentDIB(/*file=*/"Anima2.bmp", /*sx1=*/sx, /*sy1=*/1,
                                        /*sx2=*/sx + 83, /*sy2=*/84, /*x1=*/x, /*y1=*/y,
                                        /*x2=*/x + 83, /*y2=*/y + 83, /*mode=*/0, /*flag=*/0,
                                        /*r=*/255, /*g=*/255, /*b=*/0);
            pxBuff(old);
            pxFlsh();
        }
        k = (k + 1) % 12;
        if (!Wait_Anim_Run_Flag.load()) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::lock_guard<std::recursive_mutex> g(Draw_Lock);
    if (size > 0) pxStRc(x, y, x + 83, y + 83, saved.data());
    pxFlsh();
}

void Start_Wait_Animation(int x, int y)
{
    if (Wait_Anim_Run_Flag.load()) return; /* one animation at a time */
    if (x < 0 || y < 0) {
        x = NPIXEL_X / 2 - 41;
        y = NPIXEL_Y / 2 - 41;
    }
    Anim_X = x;
    Anim_Y = y;
    Wait_Anim_Run_Flag.store(1);
    Anim_Thread = std::thread(Wait_Animation_Thread);
}

void Stop_Wait_Animation(void)
{
    if (!Wait_Anim_Run_Flag.exchange(0)) return;
    if (Anim_Thread.joinable()) Anim_Thread.join();
}

/* ------------------------------------------------------------------ wait box */

static int Wait_Box_Shown = 0;
static char Wait_Box_Buf[256], Wait_Box_Buf2[256];

void Wait_Box_Show(const char *text)
{
    if (!Msg_Is_Enabled()) return;
    int cx = NPIXEL_X / 2, cy = NPIXEL_Y / 2;
    if (!Wait_Box_Shown) {
        Init_Message();
        for (int i = 0; i < 6; i++) Fill_Message(" ");
        Fill_Message("................... Bitte etwas Geduld ...................");
        Fill_Message(" ");
        Show_Message();
        Start_Wait_Animation(cx - 48, cy - 62);
    }
    Wait_Anim_Lock();
    pxFgc(GetVELColor(-1));
    pxRect(cx - 131, cy + 47, cx + 123, cy + 59);
    if (text) {
        pxFgc(BLACK_CI);
        int old = Pop_RFont(4098);
        (void)old;
        pxBTxt(cx, cy + 53, cx, cy + 53, text, -1, 210);
        Push_RFont();
    }
    pxFlsh();
    Wait_Anim_Unlock();
    Wait_Box_Shown = 1;
}

void Wait_Box_Printf(const char *format, ...)
{
    if (!Msg_Is_Enabled() || format == nullptr) return;
    va_list ap;
    va_start(ap, format);
    vsnprintf(Wait_Box_Buf, sizeof Wait_Box_Buf, format, ap);
    va_end(ap);
    Wait_Box_Show(Wait_Box_Buf);
}

void Wait_Box_Update_Printf(const char *format, ...)
{
    if (!Msg_Is_Enabled() || !Wait_Box_Shown || format == nullptr) return;
    va_list ap;
    va_start(ap, format);
    vsnprintf(Wait_Box_Buf2, sizeof Wait_Box_Buf2, format, ap);
    va_end(ap);
    Wait_Box_Show(Wait_Box_Buf2);
}

int Wait_Box_Is_Shown(void) { return Wait_Box_Shown; }

void Wait_Box_Close(void)
{
    if (!Msg_Is_Enabled() || !Wait_Box_Shown) return;
    Stop_Wait_Animation();
    Quit_Message();
    Wait_Box_Shown = 0;
}
