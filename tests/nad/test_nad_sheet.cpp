/*
** The selection sheet, driven by scripts of the headless GUI stand-in: choosing and confirming
** activates another annex, cancelling restores the annex active before; long names are cut.
*/
#include <gtest/gtest.h>

#include <cstdio>

#include "nad/nad.h"
#include "platform/zelkwin.h"
#include "dialogs/dialogs.h"
#include "foundation/foundation.h"
#include "foundation/codepage.h"
#include "nad_test_util.h"
#include "tests/platform/gui_log.h"

using namespace nadtest;

/* Sheet rectangle of the last "SHEET" log line with that title. */
static bool Sheet_Rect(const std::string &title, int *x1, int *y1)
{
    bool found = false;
    for (const std::string &l : ZW_Test_Log_Lines()) {
        int n, a, b, c, d;
        char t[128];
        if (sscanf(l.c_str(), "SHEET %d %d %d %d %d %127[^\n]", &n, &a, &b, &c, &d, t) == 6
            && title == t) {
            *x1 = a, *y1 = b;
            found = true;
        }
    }
    return found;
}

/* The first opening puts the sheet at the middle of the screen: 290 x 289 pixels around it. */
static std::string Click_Row(int row)
{
    const int x1 = NPIXEL_X / 2 - 145, y1 = NPIXEL_Y / 2 - 145;
    char s[64];
    snprintf(s, sizeof s, "click %d %d\n", x1 + 12 + 60, y1 + 60 + 5 + 25 * row + 10);
    return s;
}

static std::string Click_Button(int dx)
{
    const int x1 = NPIXEL_X / 2 - 145, y1 = NPIXEL_Y / 2 - 145;
    char s[64];
    snprintf(s, sizeof s, "click %d %d\n", x1 + dx + 10, y1 + 261 + 10);
    return s;
}

/* The warning sheet's first opening: 320 x 260 pixels around the middle of the screen. */
static const int Warning_X1 = NPIXEL_X / 2 - 160, Warning_Y1 = NPIXEL_Y / 2 - 130;

TEST(NadSheet, ChoosingAndConfirmingActivatesTheAnnex)
{
    Host host;
    host.Install_Repository_Data();
    Set_Active_NAD("Deutschland");
    ZW_Test_Reset();
    ZW_Test_Set_Script(Click_Row(0) + Click_Button(250));
    const int read = Edit_NAD_Selection_Sheet();
    int x1 = 0, y1 = 0;
    ASSERT_TRUE(Sheet_Rect("Nationale Anwendungsdokumente", &x1, &y1));
    EXPECT_EQ(x1, NPIXEL_X / 2 - 145);
    EXPECT_EQ(y1, NPIXEL_Y / 2 - 145);
    EXPECT_TRUE(Log_Has("EDIT 1"));
    EXPECT_TRUE(Log_Has("EDIT 2"));
    EXPECT_EQ(read, 1);
    EXPECT_STREQ(Get_Active_NAD_Name(), "EC-Standardparameter");
    EXPECT_EQ(Nad_Record.flag_index, 19);
    EXPECT_EQ(Get_NAD_EC5_Params()->variant, 0);
}

TEST(NadSheet, CancelRestoresTheAnnexActiveBefore)
{
    Host host;
    host.Install_Repository_Data();
    Set_Active_NAD("Deutschland");
    ZW_Test_Reset();
    ZW_Test_Set_Script(Click_Row(0) + Click_Button(16));
    Edit_NAD_Selection_Sheet();
    EXPECT_TRUE(Log_Has("EDIT 1"));
    EXPECT_TRUE(Log_Has("EDIT 3"));
    EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
    EXPECT_EQ(Nad_Record.flag_index, 18);
    EXPECT_EQ(Get_NAD_EC5_Params()->variant, 1);
}

TEST(NadSheet, ListShowsEveryAnnexAndCutsLongNames)
{
    Host host;
    host.Install_Repository_Data();
    mkdir((host.dram + "/NADS").c_str(), 0755);
    const std::string name = "Ein Anwendungsdokument mit einem sehr langen Namen von sechzig";
    Write_File(host.dram + "/NADS/1.NAD", User_Annex(2, name, 0));
    Set_Active_NAD("Deutschland");
    ZW_Test_Reset();
    ZW_Test_Set_Script(Click_Button(16));
    Edit_NAD_Selection_Sheet();
    EXPECT_TRUE(Log_Has("EC-Standardparameter"));
    EXPECT_TRUE(Log_Has("Auswahl:"));
    EXPECT_FALSE(Log_Has(name));
    std::string shown;
    for (const std::string &l : ZW_Test_Log_Lines())
        if (l.find("Ein Anwendungsdokument") != std::string::npos) shown = l;
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.substr(shown.size() - 3), "...");
    const std::string text = shown.substr(shown.find("Ein"));
    Pop_RFont(4096);
    EXPECT_LE(Text_Width(Utf8_To_Cp850(text).c_str()), 180);
    Push_RFont();
}

/* A press in the head beside "Auswahl:" at x (the head reacts to moves: the move opens the
** pass and shows the tooltip of what the mouse rests on, the press then hits it), then the lines
** `then` and cancel; x defaults to the pen. */
static std::string Press_Edit_Button(const std::string &then = "", int x = 251 + 4)
{
    const int x1 = NPIXEL_X / 2 - 145, y1 = NPIXEL_Y / 2 - 145;
    char s[128];
    const int bx = x1 + 12 + x, by = y1 + 35 + 7 + 3;
    snprintf(s, sizeof s, "move %d %d\nmove %d %d\npress %d %d\nrelease %d %d\n", bx - 1, by, bx,
             by, bx, by, bx, by);
    return std::string(s) + then + Click_Button(16);
}

/* The editor starts from the pen beside "Auswahl:", from the line before it and from the word
** "bearbeiten" before that, and each says what it does in its tooltip. */
TEST(NadSheet, EditButtonStartsTheAnnexEditorWithTheActiveName)
{
    Host host(true, true, true);
    host.Install_Repository_Data();
    Write_File(host.exec + "/Quandrel", "#!/bin/sh\nexit 0\n");
    ASSERT_EQ(chmod((host.exec + "/Quandrel").c_str(), 0755), 0);
    Set_Active_NAD("Deutschland");
    for (const int x : {251 + 4, 206 + 20, 200 - 20}) {
        SCOPED_TRACE(x);
        ZW_Test_Reset();
        ZW_Test_Set_Script(Press_Edit_Button("", x));
        Edit_NAD_Selection_Sheet();
        EXPECT_TRUE(Log_Has("bearbeiten"));
        EXPECT_TRUE(Log_Has("dokumente")); /* the tooltip's second line */
        EXPECT_TRUE(Log_Has("EDIT 4"));
        EXPECT_TRUE(Log_Has("SPAWN " + host.exec + "/Quandrel"));
        EXPECT_FALSE(Log_Has("MESSAGE"));
        EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
    }
}

/* Without the editor (or with a file of its name that cannot be run) the button says so, as
** the plans entry does for the plan editor, and where the editor is looked for; the sheet
** stays open and nothing is started. */
TEST(NadSheet, EditButtonWithoutTheEditorSaysItIsNotInstalled)
{
    Host host(true, true, true);
    host.Install_Repository_Data();
    Set_Active_NAD("Deutschland");
    for (const bool file : {false, true}) {
        SCOPED_TRACE(file ? "not executable" : "missing");
        if (file) Write_File(host.exec + "/Quandrel", "kein Programm\n");
        ZW_Test_Reset();
        ZW_Test_Set_Script(Press_Edit_Button("snapshot editor.png\n"));
        Edit_NAD_Selection_Sheet();
        EXPECT_TRUE(Log_Has("EDIT 4"));
        EXPECT_TRUE(Log_Has("MESSAGE [Anwendungsdokumente] Der Editor der Anwendungsdokumente ist "
                            "nicht installiert. | Er wird erwartet als "
                            + host.exec + "/Quandrel"));
        EXPECT_FALSE(Log_Has("SPAWN"));
        EXPECT_TRUE(Log_Has("EDIT 3")); /* the sheet went on to its cancel */
        EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
    }
}

TEST(NadSheet, WarningButtonLeadsToTheSelectionSheet)
{
    Host host;
    host.Install_Repository_Data();
    ZW_Test_Reset();
    const int x1 = Warning_X1, y1 = Warning_Y1;
    char s[96];
    const int bx = x1 + 10 + 240 + 20, by = y1 + 40 + 124 + 20;
    snprintf(s, sizeof s, "move %d %d\npress %d %d\nrelease %d %d\n", bx, by, bx, by, bx, by);
    ZW_Test_Set_Script(std::string(s) + Click_Row(0) + Click_Button(250));
    Set_Active_NAD("Atlantis");
    EXPECT_TRUE(Log_Has("Warnung"));
    EXPECT_TRUE(Log_Has("Nationale Anwendungsdokumente"));
    EXPECT_STREQ(Get_Active_NAD_Name(), "EC-Standardparameter");
    EXPECT_EQ(Nad_Record.flag_index, 19);
    /* the user chose: the unavailable name is no longer written */
    EXPECT_EQ(Nad_Kept_Name(), nullptr);
}

/* The warning sheet is read whole and left by its OK button: each of its lines ends inside its
** text area, and OK takes the fallback without the selection sheet. */
TEST(NadSheet, WarningSheetLinesFitAndItsOkButtonTakesTheFallback)
{
    Host host;
    host.Install_Repository_Data();
    ZW_Test_Reset();
    const int x1 = Warning_X1, y1 = Warning_Y1, x2 = x1 + 320, y2 = y1 + 260;
    /* OK at the bottom right; the key behind it is left for whoever reads next */
    char s[96];
    snprintf(s, sizeof s, "click %d %d\nkey Esc\n", x2 - 50 + 17, y2 - 34 + 10);
    ZW_Test_Set_Script(s);
    Set_Active_NAD("Atlantis");
    int sx1 = 0, sy1 = 0;
    ASSERT_TRUE(Sheet_Rect("Warnung", &sx1, &sy1));
    EXPECT_EQ(sx1, x1);
    EXPECT_EQ(sy1, y1);
    EXPECT_TRUE(Log_Has("EDIT 2"));
    EXPECT_GT(ZW_Test_Pending_Events(), 0);
    EXPECT_FALSE(Log_Has("Nationale Anwendungsdokumente"));
    EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
    /* the text area runs from x1 + 10 to x2 - 10 */
    int lines = 0;
    Pop_RFont(4096);
    for (const std::string &l : ZW_Test_Log_Lines()) {
        int x, y, n = 0;
        if (sscanf(l.c_str(), "TEXT %d %d %n", &x, &y, &n) != 2 || n == 0) continue;
        if (x < x1 || x > x2 || y < y1 + 40 || y > y2 - 46) continue;
        const std::string text = Utf8_To_Cp850(l.substr((size_t)n));
        EXPECT_LE(x + Text_Width(text.c_str()), x2 - 10) << l;
        lines++;
    }
    Push_RFont();
    EXPECT_GE(lines, 9);
}

/* The selection sheet left with cancel chooses nothing: the unavailable name stays for the save. */
TEST(NadSheet, CancelOnTheSelectionSheetKeepsTheFileName)
{
    Host host;
    host.Install_Repository_Data();
    ZW_Test_Reset();
    const int x1 = Warning_X1, y1 = Warning_Y1;
    char s[96];
    const int bx = x1 + 10 + 240 + 20, by = y1 + 40 + 124 + 20;
    snprintf(s, sizeof s, "move %d %d\npress %d %d\nrelease %d %d\n", bx, by, bx, by, bx, by);
    ZW_Test_Set_Script(std::string(s) + Click_Row(0) + "key Esc\n");
    Set_Active_NAD("Atlantis");
    EXPECT_TRUE(Log_Has("Nationale Anwendungsdokumente"));
    EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
    ASSERT_NE(Nad_Kept_Name(), nullptr);
    EXPECT_STREQ(Nad_Kept_Name(), "Atlantis");
}

TEST(NadSheet, DisplayOptionsChooseARegisteredApplication)
{
    Host host(true, true, true);
    host.Install_Repository_Data();
    mkdir((host.exec + "/holz").c_str(), 0755);
    Write_File(host.exec + "/holz/APP0242.DEF",
               "#NADS -1\n 1 1 1 1 1 101 1 1 1 1\n#NAME\n \xAEHolzbau\xAF\n");
    Load_Application_NAD_Registry();
    EXPECT_EQ(App_NAD_Registry.registered, 0);
    ZW_Test_Reset();
    const int h = 120 + 22, x1 = NPIXEL_X / 2 - 170, y1 = NPIXEL_Y / 2 - h / 2, x2 = x1 + 340,
              y2 = y1 + h;
    char s[160];
    snprintf(s, sizeof s, "click %d %d\nclick %d %d\nclick %d %d\n", x1 + 15 + 4, y1 + 67 + 4,
             x1 + 35 + 4, y1 + 89 + 4, x2 - 55 + 10, y2 - 30 + 10);
    ZW_Test_Set_Script(s);
    EXPECT_EQ(Edit_NAD_Display_Options(), 1);
    EXPECT_TRUE(Log_Has("Darstellungsoptionen"));
    EXPECT_TRUE(Log_Has("HOLZBAU"));
    EXPECT_EQ(App_NAD_Registry.registered, 1);
    EXPECT_EQ(App_NAD_Registry.show_all, 0);
    EXPECT_EQ(App_NAD_Registry.group_bits, 0x3FF);
    /* cancelled: nothing changes */
    ZW_Test_Set_Script("key Esc\n");
    EXPECT_EQ(Edit_NAD_Display_Options(), 0);
    EXPECT_EQ(App_NAD_Registry.registered, 1);
}

TEST(NadSheet, ListScrollsTheActiveRowIntoView)
{
    Host host;
    host.Install_Repository_Data();
    mkdir((host.dram + "/NADS").c_str(), 0755);
    for (int n = 1; n <= 14; n++)
        Write_File(host.dram + "/NADS/" + std::to_string(n) + ".NAD",
                   User_Annex(n, "Annex " + std::to_string(n), 0));
    Set_Active_NAD("Annex 14");
    EXPECT_STREQ(Get_Active_NAD_Title(), "Annex 14 (benutzerdefiniert)");
    ZW_Test_Reset();
    ZW_Test_Set_Script(Click_Button(16));
    Edit_NAD_Selection_Sheet();
    /* the list shows rows 25 pixels apart from y = 60 below the sheet's top to 37 above its bottom */
    const int top = NPIXEL_Y / 2 - 145 + 60, bottom = NPIXEL_Y / 2 + 144 - 37;
    int y_last = -1;
    for (const std::string &l : ZW_Test_Log_Lines()) {
        int x, y;
        char t[64];
        if (sscanf(l.c_str(), "TEXT %d %d %63[^\n]", &x, &y, t) == 3
            && std::string(t) == "Annex 14")
            y_last = y;
    }
    EXPECT_GT(y_last, top);
    EXPECT_LT(y_last, bottom);
    EXPECT_STREQ(Get_Active_NAD_Name(), "Annex 14");
}
