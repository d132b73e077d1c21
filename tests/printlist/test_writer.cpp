/*
** Print-list writer state: heading numbers, bookmark folders, margins and stored positions,
** and the page-layout command records.
*/
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capture.h"
#include "platform/zelkgrft_oli.h"

static int count_of(const std::string &s, const std::string &what)
{
    int n = 0;
    for (size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + 1)) n++;
    return n;
}

TEST(OliWriter, LayoutCommandRecords)
{
    Capture c;
    OLI_setFlags(c.f, 896);
    OLI_setLayout(c.f, 4115);
    OLI_setMarginsCM(c.f, 1, 1.4f, 0.0f);
    OLI_setYPositionCM(c.f, 1, -0.19);
    OLI_reserveSpaceCM(c.f, 3.0);
    OLI_setBookmark(c.f, 16, "\xCE@1. Titel");
    OLI_setBookmark(c.f, 17, nullptr);
    OLI_storeYPosition(c.f, 1);
    OLI_restoreYPosition(c.f, 1);
    OLI_pushMargins(c.f);
    OLI_popMargins(c.f, 0x100000);
    OLI_setConvertionFlags(c.f, 1);
    EXPECT_EQ(c.text(),
              "#OLI_SETFLAGS 0x380\n#OLI_SETLAYOUT 4115\n#OLI_MARGINS 1 1.4 0\n"
              "#OLI_YPOSITION 1 -0.19\n#OLI_RESERVE 3\n#OLI_BOOKMARK 16 \xAE\xCE@1. Titel\xAF\n"
              "#OLI_BOOKMARK 17\n#OLI_STOREY 1\n#OLI_RESTOREY 1\n#OLI_PUSHMARGINS\n"
              "#OLI_POPMARGINS 0x100000\n#OLI_CONVERSION 1\n");
    EXPECT_EQ(OLI_setFlags(nullptr, 1), -1);
    EXPECT_EQ(OLI_setBookmark(nullptr, 0, "x"), -1);
}

TEST(OliWriter, FirstChapterHeadingBytes)
{
    Reset_Writers();
    Capture c;
    Oli_Write_Heading(c.f, 1, "Eins %d", 1);
    EXPECT_EQ(c.text(),
              "#OLI_YPOSITION 1 0.254\n#OLI_RESERVE 3\n#OLI_BOOKMARK 16 \xAE\xCE@1. Eins 1\xAF\n"
              "\n#SHOWPARA\n0x0\n5\n-1\n \xCE@1. Eins 1\n#END_OF_TEXT\n0x1000\n2 0.1\n-1\n"
              "#OLI_YPOSITION 1 0.1\n#OLI_YPOSITION 1 -0.19\n");
}

TEST(OliWriter, SubHeadingBytesWithHeadingFace)
{
    Reset_Writers();
    Capture c;
    Oli_Write_Heading(c.f, 1, "A");
    c.clear();
    Oli_Write_Heading(c.f, 2, "B");
    EXPECT_EQ(c.text(),
              "#OLI_YPOSITION 1 0.254\n#OLI_RESERVE 3\n#OLI_BOOKMARK 0 \xAE\xCE@1.1. B\xAF\n"
              "\n#SHOWPARA\n0x0\n4\n-1\n \xCEH\xCE@1.1. B\xCEr\n#END_OF_TEXT\n0x0\n-1\n");
}

TEST(OliWriter, NumbersAndBookmarkFolders)
{
    Reset_Writers();
    Capture c;
    const int levels[6] = {1, 2, 2, 1, 2, 3};
    std::vector<std::string> numbers;
    std::vector<int> closings;
    for (int lv : levels) {
        Oli_Write_Heading(c.f, lv, "H");
        numbers.push_back(Oli_Get_Heading_Number());
        closings.push_back(count_of(c.text(), "#OLI_BOOKMARK 17\n"));
    }
    EXPECT_EQ(numbers, (std::vector<std::string>{"1.", "1.1.", "1.2.", "2.", "2.1.", "2.1.1."}));
    /* only the second level-1 heading closes a folder */
    EXPECT_EQ(closings, (std::vector<int>{0, 0, 0, 1, 1, 1}));
    std::string t = c.text();
    EXPECT_EQ(count_of(t, "#OLI_BOOKMARK 16 "), 2);
    EXPECT_EQ(count_of(t, "#OLI_BOOKMARK 0 "), 3); /* level 3 lies below the bookmark depth */
    Oli_Close_Bookmarks(c.f);
    EXPECT_EQ(count_of(c.text(), "#OLI_BOOKMARK 17\n"), 2);
    Oli_Close_Bookmarks(c.f);
    EXPECT_EQ(count_of(c.text(), "#OLI_BOOKMARK 17\n"), 2);
}

TEST(OliWriter, LevelSevenCountsAsSixAndNegativeLevelWritesNothing)
{
    Reset_Writers();
    Capture c;
    Oli_Write_Heading(c.f, 1, "A");
    Oli_Write_Heading(c.f, 7, "G");
    EXPECT_STREQ(Oli_Get_Heading_Number(), "1.0.0.0.0.1.");
    EXPECT_EQ(Oli_Get_Heading_Counter(6), 1);
    EXPECT_EQ(Oli_Get_Heading_Counter(9), 1);
    c.clear();
    Oli_Write_Heading(c.f, -1, "X");
    EXPECT_EQ(c.text(), "");
    Oli_Write_Heading(nullptr, 1, "X");
    EXPECT_EQ(Oli_Get_Heading_Counter(1), 1);
}

TEST(OliWriter, UnnumberedHeadingsCarryNoNumber)
{
    Reset_Writers();
    Oli_Init_Writer(3, 2, 3);
    Capture c;
    Oli_Write_Heading(c.f, 2, "Text");
    EXPECT_EQ(Oli_Get_Heading_Number(), nullptr);
    EXPECT_NE(c.text().find(" \xCEHText\xCEr\n"), std::string::npos);
    EXPECT_EQ(c.text().find("\xCE@"), std::string::npos);
}

TEST(OliWriter, IndentedHeadingSetsTabAndMargins)
{
    Reset_Writers();
    Oli_Init_Writer(3, 2, 0);
    Capture c;
    Oli_Write_Heading(c.f, 2, "T");
    /* number column 3 x 0.48 + 0.3 = 1.74 cm */
    EXPECT_EQ(c.text(),
              "#OLI_MARGINS 1 0 0\n#OLI_YPOSITION 1 0.254\n#OLI_RESERVE 3\n"
              "#OLI_BOOKMARK 0 \xAE\xCE@0.1. T\xAF\n\n#SHOWPARA\n0x40\n4\n0x0 1\n1 1.74\n-1\n"
              " \xCEH\xCE@0.1.\xCEtT\xCEr\n#END_OF_TEXT\n0x0\n-1\n#OLI_MARGINS 1 1.74 0\n");
    Oli_Set_Left_Margin(c.f, 0.0);
}

TEST(OliWriter, NewListDoesNotInheritTheMarginsOfTheLastOne)
{
    Reset_Writers();
    Oli_Init_Writer(3, 2, 0);
    Capture c;
    Oli_Write_Heading(c.f, 2, "T");
    Oli_Set_Right_Margin(c.f, 2.0);
    EXPECT_NEAR(Oli_Get_Left_Margin(), 1.74, 1e-6);
    Oli_Init_Writer(3, 2, 0);
    EXPECT_EQ(Oli_Get_Left_Margin(), 0.0);
    EXPECT_EQ(Oli_Get_Right_Margin(), 0.0);
    EXPECT_EQ(Oli_Get_Base_Margin(), 0.0);
}

TEST(OliWriter, StoredPositionsRunOut)
{
    Reset_Writers();
    Capture c;
    for (int i = 0; i < 10; i++) EXPECT_EQ(Oli_Store_Position(c.f), i);
    testing::internal::CaptureStdout();
    EXPECT_EQ(Oli_Store_Position(c.f), -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Fehler in 'ioliwrt': Kein Positionierungsindex mehr frei!\n");
    Oli_Restore_Position(c.f, 4);
    EXPECT_EQ(Oli_Store_Position(c.f), 4);
    Oli_Restore_Position_Keep(c.f, 4);
    EXPECT_EQ(Oli_Store_Position(nullptr), -1);
    c.clear();
    Oli_Restore_Position(c.f, 12);
    EXPECT_EQ(c.text(), "");
    Oli_Free_All_Positions();
    EXPECT_EQ(Oli_Store_Position(c.f), 0);
    EXPECT_EQ(c.text(), "#OLI_STOREY 0\n");
}

TEST(OliWriter, MarginsMovesAndCharsPerLine)
{
    Reset_Writers();
    Capture c;
    Oli_Set_Left_Margin(c.f, 1.7);
    Oli_Set_Right_Margin(c.f, 0.5);
    Oli_Move_Lines(c.f, 2);
    Oli_Reserve_Small_Lines(c.f, 3);
    Oli_Reserve_Lines(c.f, 1);
    Oli_Position_Mode_4(c.f);
    EXPECT_EQ(c.text(), "#OLI_MARGINS 1 1.7 0\n#OLI_MARGINS 1 1.7 0.5\n#OLI_YPOSITION 1 0.76\n"
                        "#OLI_RESERVE 0.858\n#OLI_RESERVE 0.38\n#OLI_YPOSITION 4 0\n");
    /* 106 x (17 - 1.7) / 17 = 95.4 -> 95; style 5: 73 x 0.9 = 65.7 -> 66 */
    EXPECT_EQ(Oli_Chars_Per_Line(7), 95);
    EXPECT_EQ(Oli_Chars_Per_Line(5), 66);
    EXPECT_EQ(Oli_Chars_Per_Line(42), 86); /* 96 x 0.9 = 86.4 */
    Oli_Set_Left_Margin(c.f, 0.0);
    Oli_Set_Right_Margin(c.f, 0.0);
    EXPECT_EQ(Oli_Body_Chars_Per_Line(), 106);
}
