/*
** Tests of the message output: the three forms, the modes (message box seen in the GUI log,
** console, list, off, drawing), the contexts with their duplicate rule and growth, and the
** print-list form.
*/
#include "dialogs_fixture.h"

#include <cstdio>
#include <cstring>
#include <string>

using Messages = DialogsTest;

TEST_F(Messages, FormsReachTheMessageBoxWithoutTheirCode)
{
    Msg_Set_Mode(MSG_BOX);
    Msg_Error("Datei %s fehlt", "x.inp");
    Msg_Warning("Wert %d zu gross", 7);
    Msg_Hint("bitte speichern");
    std::string log = Log_All();
    EXPECT_NE(log.find("FEHLER: Datei x.inp fehlt!"), std::string::npos) << log;
    EXPECT_NE(log.find("WARNUNG: Wert 7 zu gross!"), std::string::npos);
    EXPECT_NE(log.find("HINWEIS: bitte speichern."), std::string::npos);
    EXPECT_EQ(log.find("^b"), std::string::npos);
}

TEST_F(Messages, FormsAreComposedWithTheirFrames)
{
    int n = Msg_Open_Context();
    ASSERT_EQ(n, 0);
    Msg_Set_Mode(MSG_LIST);
    Msg_Error("Datei fehlt");
    Msg_Warning("Achtung");
    Msg_Hint("Tipp");
    Msg_Error("100%% sicher");
    ASSERT_EQ(Msg_Context_Line_Count(n), 4);
    EXPECT_STREQ(Msg_Context_Line(n, 0), "^bFEHLER: Datei fehlt!\n");
    EXPECT_STREQ(Msg_Context_Line(n, 1), "^bWARNUNG: Achtung!\n");
    EXPECT_STREQ(Msg_Context_Line(n, 2), "^bHINWEIS: Tipp.\n");
    EXPECT_STREQ(Msg_Context_Line(n, 3), "^bFEHLER: 100% sicher!\n");
}

TEST_F(Messages, RepeatedMessagesAreKeptOnceFromThreeCharacters)
{
    int n = Msg_Open_Context();
    Msg_Set_Mode(MSG_LIST);
    Msg_Printf("abc");
    Msg_Printf("abc");
    EXPECT_EQ(Msg_Context_Line_Count(n), 1);
    Msg_Printf("ab");
    Msg_Printf("ab");
    EXPECT_EQ(Msg_Context_Line_Count(n), 3);
    Msg_Printf("x");
    Msg_Printf("x");
    EXPECT_EQ(Msg_Context_Line_Count(n), 5);
    /* a message that an earlier line begins with counts as repeated */
    Msg_Printf("abcdef");
    Msg_Printf("abcd");
    EXPECT_EQ(Msg_Context_Line_Count(n), 6);
}

TEST_F(Messages, StoreGrowsInStepsOfTen)
{
    int n = Msg_Open_Context();
    Msg_Set_Mode(MSG_LIST);
    for (int i = 0; i < 10; i++) Msg_Printf("Zeile %02d", i);
    EXPECT_EQ(Msg_Channel.contexts[n].line_capacity, 10);
    Msg_Printf("Zeile 10");
    EXPECT_EQ(Msg_Channel.contexts[n].line_capacity, 20);
    EXPECT_EQ(Msg_Context_Line_Count(n), 11);
    EXPECT_STREQ(Msg_Context_Line(n, 10), "Zeile 10\n");
    /* a long message is cut to fit its 500-byte slot with its line feed */
    std::string big(600, 'q');
    Msg_Printf("%s", big.c_str());
    EXPECT_EQ(strlen(Msg_Context_Line(n, 11)), 499u);
}

TEST_F(Messages, ContextsAndTheirNumbers)
{
    int ids[10];
    for (int i = 0; i < 10; i++) ids[i] = Msg_Open_Context();
    EXPECT_EQ(ids[9], 9);
    EXPECT_EQ(Msg_Open_Context(), -1);
    EXPECT_EQ(Msg_Select_Context(10), 2);
    EXPECT_EQ(Msg_Select_Context(-1), 2);
    EXPECT_EQ(Msg_Set_Context_Title(-3, "x"), 2);
    EXPECT_EQ(Msg_Context_Line_Count(-1), 0);
    Msg_Close_Context(4);
    EXPECT_EQ(Msg_Select_Context(4), 1);
    EXPECT_EQ(Msg_Set_Context_Title(4, "x"), 1);
    EXPECT_EQ(Msg_Open_Context(), 4);
    EXPECT_EQ(Msg_Set_Context_Title(4, "Hinweise"), 0);
    EXPECT_STREQ(Msg_Channel.contexts[4].title, "Hinweise");
    Msg_Set_Context_Symbol(-1, 3); /* ignored */
    Msg_Close_Context(-1);
}

TEST_F(Messages, FreeContextAndOffModeDrop)
{
    Msg_Set_Mode(MSG_LIST);
    Msg_Printf("verloren");
    EXPECT_EQ(Msg_Context_Line_Count(0), 0);
    int n = Msg_Open_Context();
    Msg_Set_Mode(MSG_OFF);
    Msg_Printf("aus");
    EXPECT_EQ(Msg_Context_Line_Count(n), 0);
    Msg_Printf_To_List("Liste");
    EXPECT_EQ(Msg_Context_Line_Count(n), 1);
    EXPECT_EQ(Msg_Get_Mode(), MSG_OFF);
    Msg_Disable();
    Msg_Printf_To_List("still");
    EXPECT_EQ(Msg_Context_Line_Count(n), 1);
    Msg_Enable();
}

TEST_F(Messages, ConsoleModeAndOverride)
{
    Msg_Set_Mode(MSG_CONSOLE);
    testing::internal::CaptureStdout();
    Msg_Error("kaputt");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "FEHLER: kaputt!\n");
    Msg_Set_Mode(MSG_DRAW);
    Msg_Set_Console_Override(1);
    testing::internal::CaptureStdout();
    Msg_Printf("^2klein");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "klein\n");
    EXPECT_EQ(Msg_Get_Mode(), MSG_CONSOLE);
    Msg_Set_Console_Override(0);
}

TEST_F(Messages, InModeRestoresTheMode)
{
    int a = SVA_Create(10, 10, 400, 300, 0, 0);
    Wdg_Select_Area(a);
    Msg_Set_Mode(MSG_BOX);
    Msg_Printf_In_Mode(MSG_DRAW, "gezeichnet");
    EXPECT_EQ(Msg_Get_Mode(), MSG_BOX);
    ASSERT_EQ(Item_Count(a), 1);
    EXPECT_STREQ(SVA_Areas[a].first->text, "gezeichnet");
    EXPECT_EQ(SVA_Areas[a].first->x1, 15);
    EXPECT_EQ(SVA_Areas[a].first->y1, 20);
}

TEST_F(Messages, DrawModeCodesSetFontAndStep)
{
    int a = SVA_Create(10, 10, 400, 300, 0, 0);
    Wdg_Select_Area(a);
    Msg_Set_Mode(MSG_DRAW);
    Msg_Printf("^b^2fett und halb\n");
    SVA_Item *it = SVA_Areas[a].last;
    EXPECT_STREQ(it->text, "fett und halb");
    EXPECT_EQ(it->x2, 1); /* bold */
    EXPECT_EQ(it->font, 4096);
    EXPECT_EQ(Msg_Channel.draw_y, 28);
    Msg_Printf("^pschmal");
    it = SVA_Areas[a].last;
    EXPECT_EQ(it->font, 0);
    EXPECT_EQ(it->y1, 28);
    EXPECT_EQ(Msg_Channel.draw_y, 44);
    Msg_Printf("normal");
    EXPECT_EQ(SVA_Areas[a].last->font, 4096);
    EXPECT_EQ(SVA_Areas[a].last->x2, 0);
    EXPECT_EQ(Msg_Channel.draw_y, 60);
}

TEST_F(Messages, DrawModeHandlesEscapes)
{
    int a = SVA_Create(10, 10, 400, 300, 0, 0);
    Wdg_Select_Area(a);
    int fg = Wdg_Get_Fg_Colour();
    Msg_Set_Mode(MSG_DRAW);
    Msg_Printf("vor \xCE"
               "Bfett\xCE"
               "nnach");
    ASSERT_EQ(Item_Count(a), 3);
    SVA_Item *it = SVA_Areas[a].first;
    EXPECT_STREQ(it->text, "vor ");
    it = it->next;
    EXPECT_STREQ(it->text, "fett");
    EXPECT_EQ(it->x2, 2); /* drawn bold */
    EXPECT_EQ(it->x1, 15 + Wdg_Text_Width_In_Font("vor ", 4096));
    EXPECT_STREQ(it->next->text, "nach");
    SVA_Clear(a);
    Msg_Printf("\xCE"
               "C4 rot\xCE"
               "n");
    ASSERT_EQ(Item_Count(a), 1);
    EXPECT_STREQ(SVA_Areas[a].first->text, "rot");
    EXPECT_EQ(SVA_Areas[a].first->colour, 4);
    EXPECT_EQ(Wdg_Get_Fg_Colour(), fg);
    SVA_Clear(a);
    /* a sequence without its closing escape runs to the end; sub- and superscripts are dropped */
    Msg_Printf("m\xCE"
               "umax");
    ASSERT_EQ(Item_Count(a), 1);
    EXPECT_STREQ(SVA_Areas[a].first->text, "m");
}

TEST_F(Messages, AskInConsoleModeDoesNotAsk)
{
    int n = Msg_Open_Context();
    Msg_Set_Mode(MSG_LIST);
    Msg_Printf("Speichern?");
    Msg_Set_Mode(MSG_CONSOLE);
    EXPECT_EQ(Msg_Ask_Yes(), 0);
    EXPECT_EQ(Msg_Context_Line_Count(n), 1);
}

TEST_F(Messages, AskPutsTheLinesInAQuestion)
{
    Msg_Open_Context();
    Msg_Set_Mode(MSG_LIST);
    Msg_Printf("^bDaten sichern?");
    Msg_Set_Mode(MSG_BOX);
    ZW_Test_Set_Script("answer yes\n");
    EXPECT_EQ(Msg_Ask_Yes(), 1);
    EXPECT_NE(Log_All().find("Daten sichern?"), std::string::npos);
    ZW_Test_Set_Script("answer no\n");
    EXPECT_EQ(Msg_Ask_No(), 0);
}

TEST_F(Messages, ShowContextAsBoxAndOnConsole)
{
    int n = Msg_Open_Context();
    Msg_Set_Mode(MSG_LIST);
    Msg_Printf("^berste Zeile");
    Msg_Printf("zweite Zeile");
    Msg_Show_Context(n, MSG_BOX);
    EXPECT_EQ(Msg_Get_Mode(), MSG_BOX);
    EXPECT_GE(Log_Count("erste Zeile"), 1);
    EXPECT_GE(Log_Count("zweite Zeile"), 1);
    testing::internal::CaptureStdout();
    Msg_Show_Context(n, MSG_CONSOLE);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "erste Zeile\nzweite Zeile\n");
    EXPECT_EQ(Msg_Get_Mode(), MSG_CONSOLE);
}

TEST_F(Messages, ContextGoesFramedIntoThePrintList)
{
    Msg_Open_Context();
    Msg_Set_Mode(MSG_LIST);
    Msg_Printf("Nachweis nicht erbracht");
    Msg_Set_Mode(MSG_BOX);
    FILE *f = tmpfile();
    Msg_Context_To_Print_List(f);
    rewind(f);
    std::string out;
    int c;
    while ((c = fgetc(f)) != EOF) out.push_back((char)c);
    fclose(f);
    EXPECT_NE(out.find("\xCE"
                       "bNachweis nicht erbracht"),
              std::string::npos)
        << out;
}

TEST_F(Messages, FoundationReportsThroughTheToolkit)
{
    Init_VEL_Stdio_And_Mousewheel();
    int n = Msg_Open_Context();
    Msg_Set_Mode(MSG_LIST);
    Foundation_Report(FOUNDATION_MSG_ERROR, -1, "Version unlesbar");
    Foundation_Report(FOUNDATION_MSG_PLAIN, -1, "50% fertig");
    ASSERT_EQ(Msg_Context_Line_Count(n), 2);
    EXPECT_STREQ(Msg_Context_Line(n, 0), "^bFEHLER: Version unlesbar!\n");
    EXPECT_STREQ(Msg_Context_Line(n, 1), "50% fertig\n");
}
