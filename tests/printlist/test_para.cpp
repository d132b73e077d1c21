/*
** Paragraph writer: block format, continuation on a format change, end records, tab records.
*/
#include <gtest/gtest.h>

#include <cstring>

#include "capture.h"

TEST(OliPara, TwoPrintfCallsJoinOneLine)
{
    Reset_Writers();
    Capture c;
    EXPECT_EQ(Oli_Printf(c.f, "abc"), 0);
    EXPECT_EQ(Oli_Printf(c.f, "def\n"), 0);
    EXPECT_EQ(Oli_End_Text(c.f), 0);
    EXPECT_EQ(c.text(), "\n#SHOWPARA\n0x0\n4\n-1\n abcdef\n#END_OF_TEXT\n0x0\n-1\n");
}

TEST(OliPara, LineFeedsSplitLinesAndLastLineStaysOpen)
{
    Reset_Writers();
    Capture c;
    Oli_Printf(c.f, "a\nb\n");
    Oli_Printf(c.f, "a\n\nb");
    EXPECT_EQ(c.text(), "\n#SHOWPARA\n0x0\n4\n-1\n a\n b\n a\n \n b");
    Oli_End_Text(c.f);
    EXPECT_EQ(c.text(), "\n#SHOWPARA\n0x0\n4\n-1\n a\n b\n a\n \n b\n#END_OF_TEXT\n0x0\n-1\n");
}

TEST(OliPara, ModeChangeInsideParagraphContinuesBlock)
{
    Reset_Writers();
    Capture c;
    Oli_Printf(c.f, "one");
    Oli_Para_Set_Mode(5);
    Oli_Printf(c.f, "two\n");
    Oli_End_Text(c.f);
    EXPECT_EQ(
        c.text(),
        "\n#SHOWPARA\n0x0\n4\n-1\n one\n#END_OF_TEXT\n0x4\n0x0\n5\n-1\n two\n#END_OF_TEXT\n0x0\n-1\n");
}

TEST(OliPara, OffsetAfterTextGoesIntoEndRecord)
{
    Reset_Writers();
    Capture c;
    Oli_Printf(c.f, "x\n");
    Oli_Para_Add_Offset(0.1);
    Oli_End_Text(c.f);
    EXPECT_EQ(c.text(), "\n#SHOWPARA\n0x0\n4\n-1\n x\n#END_OF_TEXT\n0x1000\n2 0.1\n-1\n");
}

TEST(OliPara, OffsetBeforeTextGoesIntoHeader)
{
    Reset_Writers();
    Capture c;
    Oli_Para_Add_Offset(0.25);
    Oli_Para_Add_Offset(0.25);
    Oli_Printf(c.f, "x\n");
    Oli_End_Text(c.f);
    EXPECT_EQ(c.text(), "\n#SHOWPARA\n0x10\n4\n2 0.5\n-1\n x\n#END_OF_TEXT\n0x0\n-1\n");
}

TEST(OliPara, SettingsLastOneParagraph)
{
    Reset_Writers();
    Capture c;
    Oli_Para_Set_Mode(3);
    Oli_Printf(c.f, "a\n");
    Oli_End_Text(c.f);
    c.clear();
    Oli_Printf(c.f, "b\n");
    Oli_End_Text(c.f);
    EXPECT_EQ(c.text(), "\n#SHOWPARA\n0x0\n4\n-1\n b\n#END_OF_TEXT\n0x0\n-1\n");
}

TEST(OliPara, EndWithoutParagraphAnswersMinusOne)
{
    Reset_Writers();
    Capture c;
    EXPECT_EQ(Oli_End_Text(c.f), -1);
    EXPECT_EQ(c.text(), "");
    EXPECT_EQ(Oli_Printf(nullptr, "x"), -1);
    EXPECT_EQ(Oli_End_Text(nullptr), -1);
}

TEST(OliPara, HeaderOptionalLinesInOrder)
{
    Reset_Writers();
    Capture c;
    Oli_Para_Set_Value_C(1.5);
    Oli_Para_Set_Value_E(2.0);
    Oli_Para_Set_Value_B(0.3);
    Oli_Para_Set_Flags(0xFFFF); /* only 0x8, 0x80, 0x100 are taken */
    double pos[2] = {2.0, 4.5};
    Oli_Para_Set_Tabs(2, nullptr, pos, 2);
    Oli_Printf(c.f, "t\n");
    Oli_End_Text(c.f);
    /* flags 0x188 | 0x20 | 0x40 | 0x400 | 0x800 = 0xde8 */
    EXPECT_EQ(c.text(), "\n#SHOWPARA\n0xde8\n4\n2 1.5 2 0\n0x0 2\n2 2\n2 4.5\n2\n2 0.3\n-1\n t\n"
                        "#END_OF_TEXT\n0x100\n-1\n");
}

TEST(OliPara, ValueEOfOneWritesNoFactor)
{
    Reset_Writers();
    Capture c;
    Oli_Para_Set_Value_E(1.0);
    Oli_Printf(c.f, "t\n");
    Oli_End_Text(c.f);
    EXPECT_EQ(c.text(), "\n#SHOWPARA\n0x0\n4\n-1\n t\n#END_OF_TEXT\n0x0\n-1\n");
}

TEST(OliPara, TabStepAndTabChangeInsideParagraph)
{
    Reset_Writers();
    Capture c;
    Oli_Printf(c.f, "a\n");
    Oli_Para_Set_Tab_Step(1, 1.25);
    Oli_Printf(c.f, "b\n");
    Oli_End_Text(c.f);
    EXPECT_EQ(c.text(),
              "\n#SHOWPARA\n0x0\n4\n-1\n a\n#END_OF_TEXT\n0x4\n0x40\n4\n0x2\n1 1.25\n-1\n b\n"
              "#END_OF_TEXT\n0x0\n-1\n");
    EXPECT_EQ(Oli_Para_Unit_Code(0x2), 2);
    EXPECT_EQ(Oli_Para_Unit_Code(0x1), 1);
    EXPECT_EQ(Oli_Para_Unit_Code(0x10), 4);
}

TEST(OliPara, Flag13AndFlag80InEndRecord)
{
    Reset_Writers();
    Capture c;
    Oli_Para_Set_Flags(0x80);
    Oli_Printf(c.f, "a\n");
    Oli_Para_Set_Flag13();
    Oli_End_Text(c.f);
    EXPECT_EQ(c.text(), "\n#SHOWPARA\n0x80\n4\n-1\n a\n#END_OF_TEXT\n0x2100\n-1\n");
}

TEST(OliPara, StreamLevelWriters)
{
    Capture c;
    Oli_Para_State r = {0,   nullptr, nullptr, 6,   0.0, 0.0, 2,       2, 0.0,
                        0.0, 2,       2,       1.0, 3,   4,   nullptr, 0};
    EXPECT_EQ(Oli_Para_Begin_Block(c.f, &r), 0);
    Oli_Para_Write_Header_End(c.f);
    Oli_Para_Write_End_Of_Text(c.f);
    Oli_Para_End e = {0, 0.5, 2};
    EXPECT_EQ(Oli_Para_Continue_Block(c.f, &e, nullptr), 0);
    Oli_Para_Write_Header_End(c.f);
    Oli_Para_End e2 = {0, 0.0, 2};
    Oli_Para_Close_Block(c.f, &e2);
    EXPECT_EQ(c.text(),
              "\n#SHOWPARA\n0x200\n6\n3 4\n-1\n#END_OF_TEXT\n0x1004\n2 0.5\n0x0\n4\n-1\n0x0\n-1\n");
    EXPECT_EQ(Oli_Para_Write_Header(nullptr, &r, 1), -1);
}

TEST(OliPara, TabListIsCutAtHundred)
{
    Capture c;
    double pos[120];
    for (int i = 0; i < 120; i++) pos[i] = i;
    Oli_Para_Write_Tab_List(c.f, 2, nullptr, pos, 120);
    std::string t = c.text();
    EXPECT_EQ(t.substr(0, 8), "0x0 100\n");
    EXPECT_EQ(std::count(t.begin(), t.end(), '\n'), 101);
}

/* The two forms of the tab record as operations of their own: a repeating step, a list of stops
** with a kind each, and no stops without positions; nothing for a null file. */
TEST(OliPara, TabRecordsOnTheirOwn)
{
    Capture c;
    const uint32_t kinds[2] = {1, 4};
    const double pos[2] = {1.5, 3.25};
    EXPECT_EQ(Oli_Para_Write_Tab_Step(c.f, 2, 0.75), 0);
    EXPECT_EQ(Oli_Para_Write_Tab_List(c.f, 2, kinds, pos, 2), 0);
    EXPECT_EQ(Oli_Para_Write_Tab_List(c.f, 2, nullptr, nullptr, 5), 0);
    EXPECT_EQ(c.text(), "0x2\n2 0.75\n0x0 2\n1 1.5\n4 3.25\n0x0 0\n");
    EXPECT_EQ(Oli_Para_Write_Tab_Step(nullptr, 2, 1.0), -1);
    EXPECT_EQ(Oli_Para_Write_Tab_List(nullptr, 2, kinds, pos, 2), -1);
}

/* A body text longer than the 999 bytes of a paragraph's formatted text is cut there, as
** Oli_Printf cuts it: without the line feed that a shorter text gets. */
TEST(OliPara, ALongBodyTextIsCutAsOliPrintfCutsIt)
{
    Reset_Writers();
    const std::string squares(255, '\xFD'); /* each becomes "\xCE/2\xCEr": 1,275 bytes */
    char prepared[OLI_TEXT_SIZE * 4];
    Oli_Prepare_Text(squares.c_str(), prepared, sizeof prepared);
    ASSERT_GT(strlen(prepared), 999u);
    Capture ours, reference;
    Oli_Write_Text(ours.f, "%s", squares.c_str());
    Oli_Para_Set_Mode(Oli_Get_Body_Mode());
    Oli_Printf(reference.f, "%s%s", prepared, "\n");
    Oli_End_Text(reference.f);
    EXPECT_EQ(ours.text(), reference.text());
    EXPECT_EQ(ours.text().find(std::string(prepared, 999) + "\n#END_OF_TEXT\n"), 21u);
}
