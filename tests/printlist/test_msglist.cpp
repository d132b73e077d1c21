/*
** Message lists: slots, counts, styles with continuation lines, columns and the framed form.
*/
#include <gtest/gtest.h>

#include "capture.h"

TEST(MsgList, SlotsAndCounts)
{
    Msg_List_Open(11);
    EXPECT_FALSE(Msg_List_Is_Open(11));
    Msg_List_Add(11, "x");
    EXPECT_EQ(Msg_List_Count(11), 0);
    Msg_List_Open(10);
    EXPECT_TRUE(Msg_List_Is_Open(10));
    Msg_List_Add(10, "eins %d", 1);
    Msg_List_Add(10, "   ");
    Msg_List_Add(10, "%s", "zwei 100%");
    EXPECT_EQ(Msg_List_Count(10), 3);
    EXPECT_STREQ(Msg_List_Line(10, 0), "eins 1");
    EXPECT_STREQ(Msg_List_Line(10, 2), "zwei 100%");
    EXPECT_STREQ(Msg_List_Line(10, 3), "?????");
    EXPECT_EQ(Msg_List_Widest(10), 9);
    std::string longline(400, 'a');
    Msg_List_Add(10, "%s", longline.c_str());
    EXPECT_EQ(strlen(Msg_List_Line(10, 3)), 299u);
    for (int i = 0; i < 120; i++) Msg_List_Add(10, "z");
    EXPECT_EQ(Msg_List_Count(10), 100);
    Msg_List_Drop_Lines(10, 200);
    EXPECT_EQ(Msg_List_Count(10), 1);
    Msg_List_Write(10, 0, nullptr);
    EXPECT_FALSE(Msg_List_Is_Open(10));
    EXPECT_STREQ(Msg_List_Line(10, 0), "?????");
}

TEST(MsgList, NumberedListSkipsContinuationNumbers)
{
    Reset_Writers();
    Capture c;
    Msg_List_Open(1);
    Msg_List_Add(1, "a");
    Msg_List_Add(1, "b");
    Msg_List_Add(1, "+c");
    Msg_List_Add(1, "d");
    Msg_List_Write(1, 2, c.f);
    EXPECT_EQ(c.text(),
              "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n  0 a\n  1 b\n    c\n  3 d\n#END_OF_TEXT\n");
    c.clear();
    Msg_List_Write(1, 2, c.f);
    EXPECT_EQ(c.text(), "");
}

TEST(MsgList, BulletsWarningsAndEmptyList)
{
    Reset_Writers();
    Capture c;
    Msg_List_Open(2);
    Msg_List_Add(2, "a");
    Msg_List_Add(2, "+b");
    Msg_List_Add(2, "%s", ""); /* an empty line */
    Msg_List_Write(2, 1, c.f);
    Msg_List_Open(2);
    Msg_List_Add(2, "w");
    Msg_List_Add(2, "+x");
    Msg_List_Write(2, 3, c.f);
    Msg_List_Open(2);
    Msg_List_Write(2, 0, c.f);
    EXPECT_EQ(c.text(), "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n \xCE/o\xCEr a\n   b\n \n#END_OF_TEXT\n"
                        "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n >>> w !\n     x !\n#END_OF_TEXT\n"
                        "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n#END_OF_TEXT\n");
}

TEST(MsgList, SmallTypeWritesContinuationLines)
{
    Reset_Writers();
    Capture c;
    Msg_List_Open(3);
    Msg_List_Add(3, "a");
    Msg_List_Add(3, "+b");
    Msg_List_Write(3, 4, c.f);
    EXPECT_EQ(c.text(), "\n#SHOWPARA\n0x0\n3\n-1\n a\n#END_OF_TEXT\n0x0\n-1\n"
                        "\n#SHOWPARA\n0x0\n3\n-1\n b\n#END_OF_TEXT\n0x0\n-1\n");
}

TEST(MsgList, TwoColumns)
{
    Reset_Writers();
    Capture c;
    Msg_List_Open_Columns(4, 0.0, 5.0);
    Msg_List_Add(4, "k");
    Msg_List_Add(4, "wert");
    EXPECT_EQ(Msg_List_Widest(4), 9); /* second line: 4 + 5.0 */
    Msg_List_Write(4, 0, c.f);
    EXPECT_EQ(c.text(),
              "\n#SHOWPARA\n0x40\n7\n0x0 1\n2 5\n-1\n k\xCEtwert\n#END_OF_TEXT\n0x0\n-1\n");
    EXPECT_EQ(Msg_List_Mode(4), 1);
}

TEST(MsgList, FramedListReservesItsHeight)
{
    Reset_Writers();
    Capture c;
    Msg_List_Open(5);
    Msg_List_Add(5, "Hinweis");
    Msg_List_Add(5, " ");
    Msg_List_Write_Framed(c.f, 5, 4.0);
    /* (1 + 0.8) x 0.38 + 1 x 0.38 = 1.064; + 0.5 */
    EXPECT_EQ(c.text(),
              "#OLI_RESERVE 1.564\n#OLI_STOREY 0\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n"
              "0.000000 4.000000 0.000000 1.064000\n"
              " 1  0.000000 0.000000 0.000000 1.064000\n 1  0.000000 1.064000 4.000000 1.064000\n"
              " 1  4.000000 1.064000 4.000000 0.000000\n 1  4.000000 0.000000 0.000000 0.000000\n"
              " -1\n#OLI_RESTOREY 0\n#OLI_YPOSITION 1 0.19\n#OLI_MARGINS 1 0.3 0\n"
              "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n Hinweis\n \n#END_OF_TEXT\n#OLI_MARGINS 1 0 0\n");
    c.clear();
    Msg_List_Open(6);
    Msg_List_Add(6, "%s", ""); /* an empty line */
    Msg_List_Add(6, "%s", ""); /* an empty line */
    Msg_List_Write_Framed_Small(c.f, 6, -1.0);
    /* 0.8 x 0.286 + 2 x 0.38 = 0.9888; width 0 */
    EXPECT_EQ(c.text().substr(0, 21), "#OLI_RESERVE 1.4888\n#");
    Msg_List_Open(7);
    Msg_List_Write_Framed(nullptr, 7, 1.0);
    EXPECT_FALSE(Msg_List_Is_Open(7));
}
