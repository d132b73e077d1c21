/*
** Tests of the progress bars (six slots, extent by fraction), the time-out and the wait
** animation thread.
*/
#include "dialogs_fixture.h"

#include <chrono>
#include <ctime>
#include <thread>

using Progress = DialogsTest;

TEST_F(Progress, ExtentFollowsTheFractionClamped)
{
    int s = Progress_Open(100, 200, 100, 0);
    ASSERT_EQ(s, 0);
    Progress_Set(s, 0.505);
    EXPECT_EQ(Progress_Slots[s].extent, 50);
    Progress_Set(s, 1.7);
    EXPECT_EQ(Progress_Slots[s].extent, 100);
    Progress_Set(s, -0.2);
    EXPECT_EQ(Progress_Slots[s].extent, 0);
    Progress_Close(s);
    EXPECT_EQ(Progress_Slots[s].in_use, 0);
}

TEST_F(Progress, SixSlotsThenMinusOne)
{
    int slots[6];
    for (int i = 0; i < 6; i++) slots[i] = Progress_Open(10, 10 + 20 * i, 50, 0);
    for (int i = 0; i < 6; i++) EXPECT_EQ(slots[i], i);
    EXPECT_EQ(Progress_Open(10, 300, 50, 0), -1);
    Progress_Close(3);
    EXPECT_EQ(Progress_Open(10, 300, 50, 0), 3);
    /* out-of-range slots, a failed -1 included, are ignored */
    Progress_Set(-1, 0.5);
    Progress_Set(6, 0.5);
    Progress_Close(-1);
    Progress_Set_Delay(-1, 1.0);
    for (int i = 0; i < 6; i++) EXPECT_EQ(Progress_Slots[i].extent, 0);
}

/* The wait after a visible change lasts its delay and sleeps through it: the processor time of
** the call stays far below the time it waits. A change that shows nothing does not wait. */
TEST_F(Progress, DelayWaitsWithoutSpinning)
{
    int s = Progress_Open(100, 200, 100, 0);
    Progress_Set_Delay(s, 0.2);
    const auto wall0 = std::chrono::steady_clock::now();
    const std::clock_t cpu0 = std::clock();
    Progress_Set(s, 0.5);
    const double cpu = (double)(std::clock() - cpu0) / CLOCKS_PER_SEC;
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
    EXPECT_GE(wall, 0.2);
    EXPECT_LT(cpu, 0.03);
    const auto again = std::chrono::steady_clock::now();
    Progress_Set(s, 0.501); /* the same extent: nothing drawn, no wait */
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - again).count(), 0.2);
    Progress_Close(s);
}

TEST_F(Progress, BarIsDrawnOnTheScreen)
{
    int s = Progress_Open(100, 200, 100, 1);
    Progress_Set(s, 0.5);
    /* the filled stretch shows the bar colours, the rest the empty colour */
    EXPECT_EQ(ZW_Test_Pixel(110, 203), 0xA6CAF0u);
    EXPECT_EQ(ZW_Test_Pixel(170, 203), 0xEBF5E1u);
    Progress_Set(s, 0.2);
    EXPECT_EQ(ZW_Test_Pixel(140, 203), 0xEBF5E1u);
    Progress_Close(s);
}

TEST_F(Progress, TimeoutUsesTheLibraryClock)
{
    Set_Timeout(0.5);
    EXPECT_EQ(Timeout_Reached(), 0);
    VELSleep(600);
    EXPECT_EQ(Timeout_Reached(), 1);
    Set_Timeout(1.0);
    Sand_Clock_Start(10, 10, 1); /* moves the shared deadline to now */
    EXPECT_EQ(Timeout_Reached(), 1);
}

TEST_F(Progress, WaitAnimationStopsAndJoins)
{
    Start_Wait_Animation(-1, 100);
    EXPECT_EQ(Wait_Animation_Running(), 1);
    Stop_Wait_Animation();
    EXPECT_EQ(Wait_Animation_Running(), 0);
    Stop_Wait_Animation(); /* a second stop does nothing */
}

TEST_F(Progress, DialogCountersIgnoreBadNumbers)
{
    EXPECT_EQ(Prog_Dlg_Get_Value(5), -1);
    EXPECT_EQ(Prog_Dlg_Get_Value(-1), -1);
    Prog_Dlg_Set_Max(1, 10);
    Prog_Dlg_Step(1);
    Prog_Dlg_Step(1);
    EXPECT_EQ(Prog_Dlg_Get_Value(1), 2);
    Prog_Dlg_Reset_Counter(1);
    Prog_Dlg_Step(1); /* maximum -1: no counting */
    EXPECT_EQ(Prog_Dlg_Get_Value(1), 0);
    /* filled length: 3 of 8 over w - 64 = 136 pixels is 51 */
    EXPECT_EQ(Prog_Dlg_Fill_Length(3, 8, 200), 51);
    EXPECT_EQ(Prog_Dlg_Fill_Length(3, 0, 200), 0);
}

/* The dialog's button "Abbrechen": before the dialog is open only the time a script lets pass is
** taken (Esc waits); once it is open, Esc or a click on the button stops the run, a click beside
** it is dropped; closing the dialog forgets the stop. */
TEST_F(Progress, TheDialogsButtonOrEscStopsARun)
{
    Prog_Dlg_Desc d;
    Prog_Dlg_Init_Descriptor(&d, 1);
    d.width = 420;
    d.counters[0].max = 10;
    d.stop_button = 1;
    ZW_Test_Set_Script("sleep 300\nkey Esc\n");
    const int64_t t0 = VELClock();
    EXPECT_EQ(Prog_Dlg_Stop_Asked(), 0);
    EXPECT_EQ(VELClock() - t0, 300);
    EXPECT_EQ(ZW_Test_Pending_Events(), 1);
    Prog_Dlg_Open(&d);
    EXPECT_EQ(Prog_Dlg_Stop_Asked(), 1);
    Prog_Dlg_Close();
    EXPECT_EQ(Prog_Dlg_Stop_Asked(), 0);
    ZW_Test_Clear_Log();
    Prog_Dlg_Open(&d);
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    for (const std::string &l : ZW_Test_Log_Lines())
        if (l.rfind("SHEET", 0) == 0)
            sscanf(l.c_str(), "SHEET %*d %d %d %d %d", &x1, &y1, &x2, &y2);
    ASSERT_GT(x2, x1);
    EXPECT_GT(Log_Count("Abbrechen"), 0);
    /* the button, 110 x 24 pixels, centred in the row of 34 pixels above the bottom margin of 14 */
    const std::string beside = "click " + std::to_string(x1 + 20) + " " + std::to_string(y2 - 31);
    ZW_Test_Set_Script(beside + "\n");
    EXPECT_EQ(Prog_Dlg_Stop_Asked(), 0);
    EXPECT_EQ(ZW_Test_Pending_Events(), 0);
    ZW_Test_Set_Script("click " + std::to_string((x1 + x2) / 2 + 50) + " " + std::to_string(y2 - 31)
                       + "\n");
    EXPECT_EQ(Prog_Dlg_Stop_Asked(), 1);
    Prog_Dlg_Close();
}

TEST_F(Progress, AnimationFramesWaitForTheDrawingLock)
{
    ZW_Test_Clear_Log();
    Wait_Anim_Lock(); /* the main thread draws */
    Start_Wait_Animation(100, 100);
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    EXPECT_EQ(Log_Count("Anima2"), 0); /* no frame while the lock is held */
    Wait_Anim_Unlock();
    Stop_Wait_Animation();
    EXPECT_EQ(Wait_Animation_Running(), 0);
}
