/*
** Tests of the debug output, the stopwatches and the callback stack of the property sheets.
*/
#include <gtest/gtest.h>

#include <string>

#include "foundation/foundation.h"
#include "platform/zelkwin.h"
#include "platform/zelkwin_test.h"

namespace {

TEST(DebugOutput, SwitchAndTiming)
{
    testing::internal::CaptureStdout();
    Debug_Output_Set(0);
    EXPECT_EQ(Debug_Printf("verborgen %d\n", 1), 0);
    Debug_Output_Set(1);
    EXPECT_EQ(Debug_Printf("sichtbar %d\n", 2), 11);
    Timing_Enable(0); /* already off: prints nothing */
    Timing_Start(100);
    Timing_Stop(100, "nie");
    Timing_Stop(-1, "nie");
    Timing_Enable(1);
    Timing_Start(3);
    Timing_Stop(3, "Bemessung");
    Timing_Start(99);
    Timing_Stop(99, nullptr);
    Timing_Enable(0);
    Debug_Output_Set(0);
    Timing_Enable(1); /* the switch is stored even when nothing is printed */
    Debug_Output_Set(1);
    Timing_Start(4);
    Timing_Stop(4, "x");
    Timing_Enable(0);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "sichtbar 2\n"
                   "\n>> Rechenzeitmessung aktiviert\n"
                   ">> Rechenzeit  3:       0.00 sec (Bemessung)\n"
                   ">> Rechenzeit 99:       0.00 sec\n"
                   "\n>> Rechenzeitmessung deaktiviert\n"
                   ">> Rechenzeit  4:       0.00 sec (x)\n"
                   "\n>> Rechenzeitmessung deaktiviert\n");
}

int Calls[12];

template <int N>
void Callback()
{
    Calls[N]++;
}

const Call_Sometimes_Fn Callbacks[12] = {Callback<0>, Callback<1>, Callback<2>,  Callback<3>,
                                         Callback<4>, Callback<5>, Callback<6>,  Callback<7>,
                                         Callback<8>, Callback<9>, Callback<10>, Callback<11>};

/* Run events through the GUI library's waits: it calls the handed-on callback every 10th wait. */
void Run_Events(int n)
{
    std::string script;
    for (int i = 0; i < n; i++) script += "move 5 5\n";
    ZW_Test_Set_Script(script);
    for (int i = 0; i < n; i++) Get_Mouse_Event();
}

int Total_Calls()
{
    int t = 0;
    for (int c : Calls) t += c;
    return t;
}

TEST(CallbackStack, PushPopHandsTheTopToTheSheet)
{
    ZW_Test_Reset();
    Callback_Reset();
    for (int i = 1; i <= 11; i++) Callback_Push(Callbacks[i]);
    EXPECT_EQ(Callback_Count(), 11);
    EXPECT_EQ(Callback_Capacity(), 20);
    std::fill(std::begin(Calls), std::end(Calls), 0);
    Run_Events(20);
    EXPECT_GT(Calls[11], 0);
    EXPECT_EQ(Total_Calls(), Calls[11]);
    Callback_Pop(); /* hands on the tenth */
    std::fill(std::begin(Calls), std::end(Calls), 0);
    Run_Events(20);
    EXPECT_GT(Calls[10], 0);
    EXPECT_EQ(Total_Calls(), Calls[10]);
    Callback_Suspend();
    std::fill(std::begin(Calls), std::end(Calls), 0);
    Run_Events(20);
    EXPECT_EQ(Total_Calls(), 0);
    EXPECT_EQ(Callback_Count(), 10);
    Callback_Resume();
    Run_Events(20);
    EXPECT_GT(Calls[10], 0);
    Callback_Reset();
    EXPECT_EQ(Callback_Count(), 0);
    EXPECT_EQ(Callback_Capacity(), 20); /* storage kept */
    std::fill(std::begin(Calls), std::end(Calls), 0);
    Run_Events(20);
    EXPECT_EQ(Total_Calls(), 0);
    Callback_Pop(); /* on an empty stack */
    EXPECT_EQ(Callback_Count(), 0);
    Run_Events(20);
    EXPECT_EQ(Total_Calls(), 0);
}

} // namespace
