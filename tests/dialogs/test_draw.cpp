/*
** Tests of the drawing of view areas as a person would see it (the GUI log's texts and screen
** pixels), of the hover help, and of the wait box, sand clock and progress dialog.
*/
#include "dialogs_fixture.h"

#include <string>

/* The area shows content (x, y) at screen (10 + x, 40 + y). */
class Drawing : public DialogsTest {
  protected:
    int area = -1;
    void SetUp() override
    {
        DialogsTest::SetUp();
        area = SVA_Create(10, 40, 410, 340, 0, 0);
        ZW_Test_Clear_Log();
    }
    void Draw() { SVA_Redraw(&SVA_Areas[area]); }
    static std::string Text_Line(int x, int y, const std::string &t)
    {
        return "TEXT " + std::to_string(x) + " " + std::to_string(y) + " " + t;
    }
};

TEST_F(Drawing, TextsAtTheirScreenPlaceAndTheVisibilityTest)
{
    SVA_Add_Text(area, 20, 30, "sichtbar", 4096, 0, 0);
    SVA_Add_Text(area, 20, 310, "knapp unten", 4096, 0, 0); /* base line 350 <= 340 + 12 */
    SVA_Add_Text(area, 20, 315, "zu tief", 4096, 0, 0);     /* 355 */
    SVA_Add_Text(area, 20, -5, "zu hoch", 4096, 0, 0);      /* 35 < 40 */
    SVA_Add_Text(area, 20, 60, "fett", 0x10000 | 4096, 0, 0);
    Draw();
    EXPECT_EQ(Log_Count(Text_Line(30, 70, "sichtbar")), 1) << Log_All();
    EXPECT_EQ(Log_Count(Text_Line(30, 350, "knapp unten")), 1);
    EXPECT_EQ(Log_Count("zu tief"), 0);
    EXPECT_EQ(Log_Count("zu hoch"), 0);
    /* bold: twice, one pixel apart */
    EXPECT_EQ(Log_Count(Text_Line(30, 100, "fett")), 1);
    EXPECT_EQ(Log_Count(Text_Line(31, 100, "fett")), 1);
}

TEST_F(Drawing, InactiveAreaDrawsNothing)
{
    SVA_Add_Text(area, 20, 30, "verborgen", 4096, 0, 0);
    SVA_Areas[area].active = 0;
    SVA_Draw_Callback(SVA_Areas[area].handle, 0, 0, 10, 40, 410, 340, &SVA_Areas[area]);
    EXPECT_EQ(Log_Count("verborgen"), 0);
    SVA_Areas[area].active = 1;
    SVA_Draw_Callback(SVA_Areas[area].handle, 0, 0, 10, 40, 410, 340, &SVA_Areas[area]);
    EXPECT_EQ(Log_Count("verborgen"), 1);
}

TEST_F(Drawing, FloatFieldsShowTheirVisibleLengthOrTheExtraText)
{
    double big = 12345.678, small = 1.5;
    int on = 1, off = 0;
    SVA_Add_Float_Field(area, 20, 30, &big, "%6.2f", 4096, 0, &on);
    SVA_Add_Float_Field(area, 20, 60, &small, "%6.2f", 4096, 0, &off);
    SVA_Set_Last_Field_Extra_Text(area, "entf\x84llt");
    SVA_Add_Float_Field(area, 20, 90, &small, "%6.2f", 4096, 0, &on);
    SVA_Set_Last_Field_Extra_Text(area, "nicht gezeigt");
    Draw();
    EXPECT_EQ(Log_Count(Text_Line(30, 70, "12345.")), 1) << Log_All();
    EXPECT_EQ(Log_Count(Text_Line(30, 100, "entfällt")), 1);
    EXPECT_EQ(Log_Count(Text_Line(30, 130, "  1.50")), 1);
    EXPECT_EQ(Log_Count("nicht gezeigt"), 0);
    /* the active field has a white box, the area's background stays around it */
    EXPECT_EQ(ZW_Test_Pixel(30 - 5, 70 - 12), 0xFFFFFFu);
}

TEST_F(Drawing, CheckBoxWithoutLabelDrawsOnlyItsMark)
{
    int flag = 1, on = 1;
    SVA_Add_Check_Box(area, 40, 30, nullptr, 4096, 0, &flag, &on);
    Draw();
    EXPECT_EQ(Log_Count("TEXT"), 0);
    /* the mark's frame is black on the cream background */
    EXPECT_EQ(ZW_Test_Pixel(10 + 40 - 20, 40 + 30 - 10), 0x000000u);
}

TEST_F(Drawing, ScrolledItems)
{
    SVA_Add_Filled_Rect(area, 0, 0, 800, 20, Nearest_RGB_Color(200, 0, 0));
    SVA_Add_Text(area, 20, 400, "unten", 4096, 0, 0);
    SVA_Update(area);
    Set_Scrollable_Area_PS(SVA_Areas[area].handle, 0, 100);
    ZW_Test_Clear_Log();
    Draw();
    EXPECT_EQ(Log_Count(Text_Line(30, 340, "unten")), 1) << Log_All();
    EXPECT_NE(ZW_Test_Pixel(50, 45), 0xC80000u); /* the red band scrolled out */
}

TEST_F(Drawing, HorizontallyScrolledItems)
{
    int blue = Nearest_RGB_Color(0, 0, 200), green = Nearest_RGB_Color(0, 160, 0);
    SVA_Add_Filled_Rect(area, 0, 0, 900, 4,
                        Nearest_RGB_Color(200, 200, 200)); /* content 900 wide */
    SVA_Add_Filled_Rect(area, 160, 130, 200, 150, blue);   /* 10 + 160 - 150 = 20 .. 60 */
    SVA_Add_Filled_Rect(area, 420, 130, 440, 150,
                        green); /* 280 .. 300: beyond the view unscrolled */
    SVA_Add_Text(area, 500, 30, "weit rechts", 4096, 0, 0); /* 360 */
    SVA_Update(area);
    Set_Scrollable_Area_PS(SVA_Areas[area].handle, 150, 0);
    ZW_Test_Clear_Log();
    Draw();
    EXPECT_EQ(Log_Count(Text_Line(360, 70, "weit rechts")), 1) << Log_All();
    EXPECT_EQ(ZW_Test_Count_Colour(20, 171, 60, 189, 0x0000C8), 41 * 19);
    EXPECT_EQ(ZW_Test_Count_Colour(61, 160, 200, 200, 0x0000C8), 0);
    EXPECT_EQ(ZW_Test_Count_Colour(280, 171, 300, 189, 0x00A000), 21 * 19);
    EXPECT_EQ(ZW_Test_Count_Colour(301, 160, 410, 200, 0x00A000), 0);
}

TEST_F(Drawing, OptionMarkIsOnOnlyForTheVariablesValue)
{
    /* The option marks lie over (x' - 20, y' - 10)..(x' - 9, y' + 1); the inner dot fills columns 3..8
  ** of rows 4..7, the ring alone passes columns 4..7 of row 0. */
    int choice = 2, on = 1, off = 0;
    SVA_Add_Option_Button(area, 40, 30, "eins", 4096, 0, 1, &choice, &on);   /* x' 50, y' 70 */
    SVA_Add_Option_Button(area, 40, 60, "zwei", 4096, 0, 2, &choice, &on);   /* x' 50, y' 100 */
    SVA_Add_Option_Button(area, 140, 60, "drei", 4096, 0, 2, &choice, &off); /* x' 150, inactive */
    Draw();
    auto dot = [](int x, int y) { return ZW_Test_Pixel(x - 20 + 5, y - 10 + 5); };
    auto ring = [](int x, int y) { return ZW_Test_Pixel(x - 20 + 5, y - 10); };
    uint32_t bg = ZW_Test_Pixel(400, 300);
    EXPECT_EQ(dot(50, 70), bg);
    EXPECT_EQ(ring(50, 70), 0x000000u);
    EXPECT_EQ(dot(50, 100), 0x000000u);
    EXPECT_EQ(ring(50, 100), 0x000000u);
    EXPECT_EQ(dot(150, 100), 0xBEBEBEu); /* on, but grey while inactive */
    EXPECT_EQ(Log_Count(Text_Line(50, 70, "eins")), 1) << Log_All();
    choice = 1;
    ZW_Test_Clear_Log();
    Draw();
    EXPECT_EQ(dot(50, 70), 0x000000u);
    EXPECT_EQ(dot(50, 100), bg);
    EXPECT_EQ(dot(150, 100), bg);
}

TEST_F(Drawing, ChoiceShowsItsEntryCutAtTheFieldEdge)
{
    SVA_Choice_Entry table[2] = {{Nearest_RGB_Color(0, 0, 200), "Nadelholz"}, {0, "Laubholz"}};
    int index = 0, on = 1;
    SVA_Add_Choice_Field(area, 40, 30, table, 4096, 3, 2, &index, &on);
    Draw();
    EXPECT_EQ(Log_Count(Text_Line(50, 70, "Nadelholz")), 1) << Log_All();
    /* the field is 3 x 8 = 24 pixels wide: nothing of the text right of 50 + 24 + 6 */
    EXPECT_EQ(ZW_Test_Count_Colour(50 + 31, 58, 50 + 60, 72, 0x0000C8), 0);
    EXPECT_GT(ZW_Test_Count_Colour(50, 58, 50 + 29, 72, 0x0000C8), 0);
}

TEST_F(Drawing, HoverHelpShowsAndHidesTheTooltip)
{
    int base_x = 0, base_y = 0, flag = 0, on = 1;
    Wdg_Hover_Push_Area(SVA_Areas[area].handle, area, 10, 40, 410, 340, &base_x, &base_y);
    Wdg_Select_Area(area);
    int w = Wdg_Draw_Check_Box(20, 50, "Box", &flag, &on);
    Wdg_Set_Tooltip("Hilfe zur Box", 0, 0);
    SVA_Update(area);
    ZW_Test_Clear_Log();
    M_XPOS = 10 + 20 + w / 2;
    M_YPOS = 40 + 45;
    Wdg_Hover_Callback();
    EXPECT_EQ(Log_Count("Hilfe zur Box"), 1) << Log_All();
    Wdg_Hover_Callback(); /* still inside: shown once */
    EXPECT_EQ(Log_Count("Hilfe zur Box"), 1);
    uint32_t in_box = ZW_Test_Pixel(10 + 20 + (20 + w) / 2 + 4, 40 + 37 - 5 - 3);
    EXPECT_EQ(in_box, 0xFFFFFFu);
    M_XPOS = 10 + 20; /* on the edge: outside */
    Wdg_Hover_Callback();
    EXPECT_NE(ZW_Test_Pixel(10 + 20 + (20 + w) / 2 + 4, 40 + 37 - 5 - 3), 0xFFFFFFu);
    Wdg_Hover_Pop_Area();
}

TEST_F(Drawing, WaitBoxShowsItsTextAndCloses)
{
    Wait_Box_Printf("Bemessung %d von %d", 3, 8);
    EXPECT_EQ(Wait_Box_Is_Shown(), 1);
    /* the animation thread draws meanwhile: read the log under the drawing lock */
    Wait_Anim_Lock();
    EXPECT_GE(Log_Count("SHOW"), 1);
    EXPECT_GE(Log_Count("Bitte etwas Geduld"), 1);
    EXPECT_EQ(Log_Count("Bemessung 3 von 8"), 1);
    Wait_Anim_Unlock();
    Wait_Box_Update_Printf("Bemessung %d von %d", 4, 8);
    Wait_Anim_Lock();
    EXPECT_EQ(Log_Count("Bemessung 4 von 8"), 1);
    Wait_Anim_Unlock();
    Wait_Box_Close();
    EXPECT_EQ(Wait_Box_Is_Shown(), 0);
    EXPECT_EQ(Wait_Animation_Running(), 0);
    Wait_Box_Update_Printf("nicht mehr");
    EXPECT_EQ(Log_Count("nicht mehr"), 0);
    Msg_Disable();
    Wait_Box_Printf("aus");
    EXPECT_EQ(Wait_Box_Is_Shown(), 0);
    Msg_Enable();
}

TEST_F(Drawing, ProgressDialogShowsItsCounters)
{
    Prog_Dlg_Desc d;
    Prog_Dlg_Init_Descriptor(&d, 2);
    snprintf(d.title, sizeof d.title, "Lastkollektive");
    snprintf(d.counters[0].label, sizeof d.counters[0].label, "Kombinationen");
    d.counters[0].max = 8;
    d.counters[0].upper_bound = 1;
    snprintf(d.counters[1].label, sizeof d.counters[1].label, "Gruppen");
    Prog_Dlg_Open(&d);
    EXPECT_EQ(Prog_Dlg_Is_Open(), 1);
    Prog_Dlg_Step(0);
    Prog_Dlg_Step_Text(0, "Gruppe 1");
    Prog_Dlg_Step(1); /* maximum 0: no counting */
    EXPECT_EQ(Prog_Dlg_Get_Value(0), 2);
    EXPECT_EQ(Prog_Dlg_Get_Value(1), 0);
    EXPECT_GE(Log_Count("2 von maximal 8"), 1) << Log_All();
    EXPECT_GE(Log_Count("Gruppe 1"), 1);
    EXPECT_GE(Log_Count("Lastkollektive"), 1);
    Prog_Dlg_Close();
    EXPECT_EQ(Prog_Dlg_Is_Open(), 0);
}

TEST_F(Drawing, SandClockDrawsOnlyWhenItsTimeHasCome)
{
    Sand_Clock_Start(100, 100, Nearest_RGB_Color(10, 200, 10));
    Sand_Clock_Tick();
    EXPECT_EQ(ZW_Test_Pixel(100, 100), 0x0AC80Au);
    ZW_Test_Clear_Log();
    pxFgc(BLACK_CI);
    pxRect(100, 100, 131, 161);
    Sand_Clock_Tick(); /* within 0.05 s: nothing */
    EXPECT_EQ(ZW_Test_Pixel(100, 100), 0x000000u);
    VELSleep(60);
    Sand_Clock_Tick();
    EXPECT_EQ(ZW_Test_Pixel(100, 100), 0x0AC80Au);
}

TEST_F(Drawing, ScreenBarAndColouredTexts)
{
    int fg = pxQFgc();
    pxFgc(BLACK_CI);
    pxRect(0, 0, 200, 200);
    Screen_Draw_Bar(20, 50, 2.0); /* x - 1 .. x + 16 */
    EXPECT_EQ(ZW_Test_Pixel(19, 45), 0xECE9D8u);
    EXPECT_EQ(ZW_Test_Pixel(36, 45), 0xECE9D8u);
    EXPECT_EQ(ZW_Test_Pixel(38, 45), 0x000000u);
    EXPECT_EQ(pxQFgc(), BLACK_CI);
    Screen_Draw_Text_Colour(30, 120, "rot", 4096, RED_CI);
    EXPECT_EQ(Log_Count("TEXT 30 120 rot"), 1);
    EXPECT_EQ(pxQFgc(), BLACK_CI);
    pxFgc(fg);
}
