/*
** Common fixture of the toolkit tests: a fresh headless GUI with one property sheet, and every
** view area, message context and progress slot released afterwards.
*/
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/dialogs.h"
#include "foundation/foundation.h"
#include "printlist/printlist.h"
#include "platform/zelkgrft.h"
#include "platform/zelkwin.h"
#include "platform/zelkwin_test.h"

class DialogsTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ZW_Test_Reset();
        Define_Prop_Sheet(0, 0, 900, 700, 1, 0, "Test", 40, 1);
        Activate_Prop_Sheet();
        Msg_Set_Mode(MSG_BOX);
        Msg_Set_Console_Override(0);
        Msg_Enable();
        Wdg_Select_Area(-1);
        Wdg_Set_Transform(0, 0, 0, 1.0);
        Wdg_Set_Line_Switch(1);
    }
    void TearDown() override
    {
        SVA_Delete_All();
        for (int n = 0; n < MSG_CONTEXTS; n++) Msg_Close_Context(n);
        for (int s = 0; s < PROGRESS_SLOTS; s++) Progress_Close(s);
        Msg_Set_Mode(MSG_BOX);
        while (Prop_Sheet_Level() > 0) Undefine_Prop_Sheet();
    }

    /* Log lines that contain a piece of text. */
    static int Log_Count(const std::string &piece)
    {
        int n = 0;
        for (const auto &l : ZW_Test_Log_Lines())
            if (l.find(piece) != std::string::npos) n++;
        return n;
    }
    static std::string Log_All()
    {
        std::string s;
        for (const auto &l : ZW_Test_Log_Lines()) s += l + "\n";
        return s;
    }
    /* Count the items of an area. */
    static int Item_Count(int area)
    {
        Scrollable_View_Area *a = SVA_Get(area);
        int n = 0;
        for (SVA_Item *it = a ? a->first : nullptr; it; it = it->next) n++;
        return n;
    }
};
