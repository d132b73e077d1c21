/*
** Edge cases of the toolkit: tooltips near the screen corner, short keys of view areas,
** reserved slots, the picture drop-down, the editor's wheel, sub-menus
** of the icon menu and the message box symbol of a context.
*/
#include "dialogs_fixture.h"

#include <cstring>
#include <string>

using Edges = DialogsTest;

TEST_F(Edges, TooltipNearTheCornerStaysOnTheScreen)
{
    M_XPOS = NPIXEL_X - 20;
    M_YPOS = NPIXEL_Y - 20;
    SVA_Show_Tooltip("Hilfe\nzweite Zeile", 1);
    int tw = Text_Width_In_Font("zweite Zeile", 4096);
    int right = NPIXEL_X - 9, left = right - (tw + 10);
    int bottom = NPIXEL_Y - 9, top = bottom - (2 * RFONT_HEIGHT + 5);
    EXPECT_EQ(Log_Count("TEXT " + std::to_string(left + 5) + " "
                        + std::to_string(top + RFONT_HEIGHT) + " Hilfe"),
              1)
        << Log_All();
    EXPECT_EQ(ZW_Test_Pixel(right, bottom), 0x000000u); /* the frame */
    SVA_Show_Tooltip("Hilfe", 0);
    EXPECT_NE(ZW_Test_Pixel(right, bottom), 0x000000u);
    SVA_Show_Tooltip(nullptr, 1); /* nothing */
}

TEST_F(Edges, ShortKeysNeedTheSwitchAndATarget)
{
    int a = SVA_Create(10, 40, 410, 340, 0, 0);
    int result = 0;
    M_LEFT = 0;
    ZW_Test_Set_Script("key Esc\n");
    hitkey(); /* the key is pending */
    /* each pass first tracks the mouse until it leaves the area */
    const char *leave = "move 800 800\nsleep 1\n";
    ZW_Test_Add_Script(leave);
    EXPECT_EQ(SVA_Handle_Input(a), 0); /* all switches off */
    EXPECT_EQ(hitkey(), 27);
    UseSheetBreakShortKey = 1;
    ZW_Test_Add_Script(leave);
    EXPECT_EQ(SVA_Handle_Input(a), 0); /* no target: the key stays */
    EXPECT_EQ(hitkey(), 27);
    SVA_Set_Esc_Result(a, 100, &result);
    ZW_Test_Add_Script(leave);
    EXPECT_EQ(SVA_Handle_Input(a), 1);
    EXPECT_EQ(result, 100);
    EXPECT_EQ(hitkey(), -1);
    UseSheetBreakShortKey = 0;
}

TEST_F(Edges, ReservedSlots)
{
    int r = SVA_Reserve();
    ASSERT_EQ(r, 0);
    EXPECT_EQ(SVA_Areas[r].handle, SVA_RESERVED);
    EXPECT_EQ(SVA_Create_Reserved(r, 10, 10, 200, 200, 0, 1), r);
    EXPECT_NE(SVA_Areas[r].handle, SVA_RESERVED);
    EXPECT_EQ(SVA_Areas[r].x2, 183);
    EXPECT_EQ(SVA_Create_Reserved(r, 10, 10, 200, 200, 0, 0), -1); /* only a reserved slot */
    EXPECT_EQ(SVA_Create_Reserved(-1, 10, 10, 200, 200, 0, 0), -1);
}

TEST_F(Edges, PictureChoiceDropDown)
{
    int a = SVA_Create(10, 40, 410, 600, 0, 0);
    int index = 0, on = 1;
    SVA_Add_Picture_Choice(/*area=*/a, /*x=*/50, /*y=*/30, /*file=*/"bilder.bmp", /*width=*/40,
                           /*height=*/30, /*count=*/4, /*aux=*/0, /*index=*/&index, /*active=*/&on);
    /* field at screen (60, 70), 61 x 36; the list opens below with rows of 34 pixels */
    int top = 70 + 36, row2 = top + 3 + 2 * 34 + 10;
    ZW_Test_Set_Script("click 70 80\nmove 70 " + std::to_string(row2) + "\nclick 70 "
                       + std::to_string(row2) + "\n");
    for (int i = 0; i < 5 && !M_LEFT; i++) Get_Mouse_Event();
    EXPECT_EQ(SVA_Handle_Input(a), 1);
    EXPECT_EQ(index, 2);
}

/* A long picture list below a field near the top: the area leaves (600 - 70 - 36 - 25) / 34 = 13
** rows, fewer than a third of 60 pictures, so the list takes the rows down to the screen's
** foot, (960 - 70 - 34 - 10) / 34 = 24 (at most half the pictures). Picture 40 is shown
** centred: the first row shows 40 - 24 / 2 = 28. */
TEST_F(Edges, LongPictureListTakesTheRowsDownToTheScreensFoot)
{
    int a = SVA_Create(10, 40, 410, 600, 0, 0);
    int index = 40, on = 1;
    SVA_Add_Picture_Choice(/*area=*/a, /*x=*/50, /*y=*/30, /*file=*/"bilder.bmp", /*width=*/40,
                           /*height=*/30, /*count=*/60, /*aux=*/0, /*index=*/&index,
                           /*active=*/&on);
    ZW_Test_Set_Script("click 70 80\nmove 70 119\nclick 70 119\n");
    for (int i = 0; i < 5 && !M_LEFT; i++) Get_Mouse_Event();
    EXPECT_EQ(SVA_Handle_Input(a), 1);
    EXPECT_EQ(index, 28);
}

TEST_F(Edges, EditorWheelScrollsAndLeavingResetsTheTop)
{
    int a = SVA_Create(10, 40, 410, 340, 0, 0);
    char buf[400] = {0};
    std::string text;
    for (int i = 0; i < 30; i++) text += "Zeile " + std::to_string(i) + "\n";
    strcpy(buf, text.c_str());
    int on = 1;
    SVA_Add_Text_Editor(/*area=*/a, /*x1=*/20, /*y1=*/20, /*x2=*/220, /*y2=*/100, /*text=*/buf,
                        /*max_len=*/399, /*colour=*/0, /*bg_colour=*/15, /*frame=*/1,
                        /*active=*/&on);
    SVA_Editor_State *e = SVA_Areas[a].last->editor;
    ZW_Test_Set_Script("click 60 70\nwheel -1\nwheel -1\nclick 600 600\n");
    for (int i = 0; i < 5 && !M_LEFT; i++) Get_Mouse_Event();
    EXPECT_EQ(SVA_Handle_Input(a), 0);
    EXPECT_EQ(e->top, 0); /* back to the first line on leaving */
    EXPECT_GT(e->lines, e->visible);
    EXPECT_STREQ(buf, text.c_str());
}

TEST_F(Edges, ContextSymbolReachesTheMessageBox)
{
    int n = Msg_Open_Context();
    Msg_Set_Mode(MSG_LIST);
    Msg_Printf("^bAchtung");
    Msg_Set_Context_Symbol(n, 2);
    Msg_Show_Context(n, MSG_BOX);
    ASSERT_EQ(Log_Count("MESSAGE"), 1) << Log_All();
    for (const auto &l : ZW_Test_Log_Lines())
        if (l.rfind("MESSAGE", 0) == 0) { EXPECT_NE(l.find("Achtung"), std::string::npos) << l; }
    EXPECT_EQ(Log_Count("^b"), 0);
    Msg_Disable();
    Msg_Show_Context(n, MSG_BOX);
    EXPECT_EQ(Log_Count("MESSAGE"), 1);
    Msg_Enable();
}

TEST_F(Edges, FormsInAOneOffModeLeaveTheChannel)
{
    int n = Msg_Open_Context();
    Msg_Set_Mode(MSG_BOX);
    Msg_Warning_In_Mode(MSG_LIST, "nur %s", "Liste");
    EXPECT_EQ(Msg_Get_Mode(), MSG_BOX);
    EXPECT_STREQ(Msg_Context_Line(n, 0), "^bWARNUNG: nur Liste!\n");
    Msg_Hint_In_Mode(-1, "Box");
    EXPECT_EQ(Log_Count("PRINT HINWEIS: Box."), 1) << Log_All();
    Msg_Error_In_Mode(MSG_OFF, "weg");
    EXPECT_EQ(Log_Count("weg"), 0);
    EXPECT_EQ(Msg_Current_Line_Count(), 1);
}

static Icon_Menu_Entry Sub_Entries[2] = {
    {20, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 41, "eins", nullptr},
    {20, 20, 0, 0, 0, 0, 0, 0, 0, 0, 25, 0, 1, 42, "zwei", nullptr},
};

TEST_F(Edges, SubMenuChoiceEndsTheRun)
{
    Icon_Menu sub = {2, 100, 60, 150, 85, "none.bmp", Sub_Entries};
    Icon_Menu_Entry top_entries[1] = {{30, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 9, "Menü", &sub}};
    Icon_Menu top = {1, 100, 20, 140, 52, "none.bmp", top_entries};
    msStCu(115, 35);
    /* onto the entry: the sub-menu opens below; down the column into it and click "zwei" */
    ZW_Test_Set_Script("move 115 35\nmove 115 50\nmove 130 70\nmove 131 70\nclick 131 70\n");
    EXPECT_EQ(Icon_Menu_Run(&top), 42);
    /* leaving upwards closes it with 0 */
    msStCu(115, 35);
    ZW_Test_Set_Script("move 115 35\nmove 115 10\n");
    EXPECT_EQ(Icon_Menu_Run(&top), 0);
}

/* The sub-menu of an entry at (100, 20) 30 x 30: a bar (100, 60)..(150, 85) of two entries
** 20 x 20 at x 100 and 125, framed from x 93 to 157 and y 58 to 87. */
TEST_F(Edges, SubMenuClosesWhenTheMouseLeavesItsColumnOrLingersUnlessPinned)
{
    Icon_Menu sub = {2, 100, 60, 150, 85, "none.bmp", Sub_Entries};
    Icon_Menu_Entry top_entries[1] = {
        {30, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 9, "Men\x81", &sub}};
    Icon_Menu top = {1, 100, 20, 140, 52, "none.bmp", top_entries};
    const std::string into_two = "move 130 70\nmove 131 70\nclick 131 70\n";
    const uint32_t frame_before = ZW_Test_Pixel(93, 70);

    /* down the column within the second: the choice is made */
    msStCu(115, 35);
    ZW_Test_Set_Script("move 115 35\nmove 115 50\nmove 115 55\n" + into_two);
    EXPECT_EQ(Icon_Menu_Run(&top), 42);
    /* sideways out of the column (x beyond 157) on the way: closed, nothing chosen */
    msStCu(115, 35);
    ZW_Test_Set_Script("move 115 35\nmove 115 50\nmove 170 55\n" + into_two);
    EXPECT_EQ(Icon_Menu_Run(&top), 0);
    /* lingering a second below the entry: closed */
    msStCu(115, 35);
    ZW_Test_Set_Script("move 115 35\nmove 115 50\nsleep 1100\nmove 115 55\n" + into_two);
    EXPECT_EQ(Icon_Menu_Run(&top), 0);
    /* a click on the entry pins it: moving up, away and lingering leave it open */
    msStCu(115, 35);
    ZW_Test_Set_Script("move 115 35\nclick 115 35\nmove 115 25\nmove 300 300\nsleep 1500\n"
                       "move 301 300\n"
                       + into_two);
    EXPECT_EQ(Icon_Menu_Run(&top), 42);
    /* pinned, a click beside it closes it with 0 */
    msStCu(115, 35);
    ZW_Test_Set_Script("move 115 35\nclick 115 35\nmove 300 300\nclick 300 300\n" + into_two);
    EXPECT_EQ(Icon_Menu_Run(&top), 0);
    /* each closing gave the screen under the frame back */
    EXPECT_EQ(ZW_Test_Pixel(93, 70), frame_before);
}

TEST_F(Edges, IconMenuTooltipMovesLeftAtTheRightEdge)
{
    Icon_Menu_Entry e[1] = {
        {30, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 5, "Rechts am Rand", nullptr}};
    Icon_Menu m = {1, NPIXEL_X - 40, 20, NPIXEL_X - 5, 52, "none.bmp", e};
    int cx = NPIXEL_X - 25;
    msStCu(cx, 35);
    ZW_Test_Set_Script("move " + std::to_string(cx) + " 35\nsleep 100\nmove 10 500\n");
    EXPECT_EQ(Icon_Menu_Run(&m), 0);
    int w = Text_Width_In_Font("Rechts am Rand", 4096);
    int left = NPIXEL_X - 5 - (w + 10);
    EXPECT_EQ(Log_Count("TEXT " + std::to_string(left + 5) + " " + std::to_string(55 + RFONT_HEIGHT)
                        + " Rechts am Rand"),
              1)
        << Log_All();
}
