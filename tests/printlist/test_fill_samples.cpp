/*
** The fill samples of the print-list graphics, shown through the viewer from a temporary list.
*/
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "capture.h"
#include "platform/zelkwin.h"
#include "platform/zelkwin_test.h"

TEST(OliFillSamples, ShownThroughTheViewerFromTemporaryList)
{
    ZW_Test_Reset();
    Reset_Writers();
    EXPECT_EQ(Oli_Graphic_Show_Fill_Samples(), 1);
    FILE *f = fopen(".TMP", "rb");
    ASSERT_NE(f, nullptr);
    char head[32] = {0};
    EXPECT_GT(fread(head, 1, 31, f), 0u);
    fclose(f);
    EXPECT_EQ(std::string(head).substr(0, 11), "\n#SHOWPARA\n");
    bool logged = false;
    for (const std::string &l : ZW_Test_Log_Lines())
        if (l.find("OLI-View") != std::string::npos && l.find(".TMP") != std::string::npos)
            logged = true;
    EXPECT_TRUE(logged);
    remove(".TMP");
}
