/*
** The user-comment dialog, driven by the headless GUI back end.
*/
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "dialogs/comment.h"
#include "platform/zelkwin.h"
#include "platform/zelkwin_test.h"

TEST(OliComment, ClosingTheWindowKeepsTheText)
{
    ZW_Test_Reset();
    ZW_Test_Set_Script("close\n");
    char *text = strdup("alt");
    char *after = Edit_User_Comment(text, "Anmerkung");
    EXPECT_EQ(after, text);
    EXPECT_STREQ(after, "alt");
    free(after);
    /* the prompt addresses the user formally */
    bool prompt = false;
    for (const std::string &l : ZW_Test_Log_Lines())
        if (l.find("Geben Sie hier Ihre Anmerkungen ein.") != std::string::npos) prompt = true;
    EXPECT_TRUE(prompt);
}

TEST(OliComment, TypedTextIsConfirmed)
{
    ZW_Test_Reset();
    /* the sheet is 600 x 400 around the screen centre; its view area starts 4 and 37 pixels in */
    int x1 = NPIXEL_X / 2 - 300 + 4, y1 = NPIXEL_Y / 2 - 200 + 37;
    char script[200];
    /* the first click on "bestätigen" after typing leaves the editor and confirms; Return splits
  ** at the cursor, and the cursor reaches the end of the text */
    int bx = x1 + 592 - 120 + 80 + 18, by = y1 + 70 + 18;
    snprintf(script, sizeof script,
             "click %d %d\ntype HalloWelt\nkey Left Left Left Left Enter #373\n"
             "type !\nclick %d %d\n",
             x1 + 200, y1 + 200, bx, by);
    ZW_Test_Set_Script(script);
    char *text = strdup("");
    char *after = Edit_User_Comment(text, "Anmerkung");
    ASSERT_NE(after, nullptr);
    EXPECT_STREQ(after, "Hallo\nWelt!");
    EXPECT_EQ(ZW_Test_Pending_Events(), 0);
    free(after);
}
