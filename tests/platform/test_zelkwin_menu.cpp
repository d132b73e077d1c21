/*
** The two-level pop-up menu of the GUI stand-in: sub-menus opened by the mouse and by keys,
** inactive entries, the chosen entry's function and the log.
*/
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/zelkwin.h"
#include "platform/zelkwin_test.h"

namespace {

std::vector<std::string> Calls;
void Up(void) { Calls.push_back("auf"); }
void Down(void) { Calls.push_back("ab"); }
void Fill(void) { Calls.push_back("belegen"); }

const Menue_Item Sub_Items[2] = {{"aufsteigend", 1, nullptr, " ", Up},
                                 {"absteigend", 1, nullptr, " ", Down}};
const Menue_Level Sub = {2, 20, Sub_Items};
/* entry 1 is inactive and has a sub-menu that must never open */
const Menue_Item Top_Items[3] = {{"sortieren", 1, &Sub, " ", nullptr},
                                 {"gesperrt", 0, &Sub, " ", Fill},
                                 {"belegen", 1, nullptr, "F5", Fill}};
const Menue_Level Top = {3, 30, Top_Items};

/* The top box at (100, 200) is 30 x 7 + 24 = 234 pixels wide; entries are 18 pixels high from
** y + 3. A sub-menu opens at the top box's right edge - 2 = 331, level with its entry. */
int Top_Row(int i) { return 200 + 3 + 18 * i + 9; }
int Sub_Row(int parent, int j) { return 200 + 18 * parent + 3 + 18 * j + 9; }

int Count(const std::string &line)
{
    int n = 0;
    for (auto &l : ZW_Test_Log_Lines()) n += l == line;
    return n;
}

} // namespace

TEST(ZelkwinMenuLevels, MouseOpensTheSubMenuAndChoosesInIt)
{
    ZW_Test_Reset();
    Calls.clear();
    ZW_Test_Set_Script("move 150 " + std::to_string(Top_Row(0)) + "\nmove 360 "
                       + std::to_string(Sub_Row(0, 1)) + "\nclick 360 "
                       + std::to_string(Sub_Row(0, 1)) + "\n");
    EXPECT_EQ(Menue_Manager(100, 200, &Top), 1);
    EXPECT_EQ(Calls, std::vector<std::string>{"ab"});
    EXPECT_EQ(Count("MENU sortieren | gesperrt | belegen"), 1);
    EXPECT_EQ(Count("MENU aufsteigend | absteigend"), 1);
    EXPECT_EQ(Count("MENU CHOICE 0 1"), 1);
    /* a click on the entry with a sub-menu opens it and chooses nothing; a click outside ends */
    ZW_Test_Clear_Log();
    ZW_Test_Set_Script("click 150 " + std::to_string(Top_Row(0)) + "\nclick 900 900\n");
    EXPECT_EQ(Menue_Manager(100, 200, &Top), 0);
    EXPECT_EQ(Count("MENU aufsteigend | absteigend"), 1);
    EXPECT_EQ(Count("MENU CHOICE -1"), 1);
    /* an entry without sub-menu is chosen by a click */
    ZW_Test_Set_Script("click 150 " + std::to_string(Top_Row(2)) + "\n");
    EXPECT_EQ(Menue_Manager(100, 200, &Top), 1);
    EXPECT_EQ(Calls, (std::vector<std::string>{"ab", "belegen"}));
}

TEST(ZelkwinMenuLevels, InactiveEntryNeitherOpensNorChooses)
{
    ZW_Test_Reset();
    Calls.clear();
    ZW_Test_Set_Script("move 150 " + std::to_string(Top_Row(1)) + "\nclick 150 "
                       + std::to_string(Top_Row(1)) + "\nmove 360 " + std::to_string(Sub_Row(1, 0))
                       + "\nclick 360 " + std::to_string(Sub_Row(1, 0)) + "\n");
    EXPECT_EQ(Menue_Manager(100, 200, &Top),
              0); /* the last click lands outside: no sub-menu there */
    EXPECT_TRUE(Calls.empty());
    EXPECT_EQ(Count("MENU aufsteigend | absteigend"), 0);
}

TEST(ZelkwinMenuLevels, KeysWalkBothLevels)
{
    ZW_Test_Reset();
    Calls.clear();
    /* Down highlights "sortieren", Right opens its sub-menu on "aufsteigend", Down moves on */
    ZW_Test_Set_Script("key Down Right Down Enter\n");
    EXPECT_EQ(Menue_Manager(100, 200, &Top), 1);
    /* Down Down skips the inactive entry; Enter chooses "belegen" */
    ZW_Test_Set_Script("key Down Down Enter\n");
    EXPECT_EQ(Menue_Manager(100, 200, &Top), 1);
    /* Enter on an entry with a sub-menu opens it; Left closes it, Esc leaves */
    ZW_Test_Set_Script("key Down Enter Left Esc\n");
    EXPECT_EQ(Menue_Manager(100, 200, &Top), 0);
    ZW_Test_Set_Script("key Down Right Esc Up Enter\n");
    EXPECT_EQ(Menue_Manager(100, 200, &Top), 1); /* Esc closed only the sub-menu */
    EXPECT_EQ(Calls, (std::vector<std::string>{"ab", "belegen", "belegen"}));
    const Menue_Level empty = {0, 0, nullptr};
    EXPECT_EQ(Menue_Manager(100, 200, &empty), 0);
}
