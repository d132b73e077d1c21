/*
** Clicks on the items of a scrolled view area: every kind is hit where the scrolled content shows
** it on the screen, not where it would lie unscrolled; and the editor's selection drawn across
** lines.
*/
#include "dialogs_fixture.h"

#include <cstring>
#include <string>

/* The area lies at (10, 40) on the screen with both sliders; content of 1000 x 1000 pixels is
** scrolled by (100, 200): content (x, y) shows at (10 + x - 100, 40 + y - 200). */
class Scrolled : public DialogsTest {
  protected:
    int area = -1;
    void SetUp() override
    {
        DialogsTest::SetUp();
        area = SVA_Create(10, 40, 410, 340, 1, 1);
        ASSERT_GE(area, 0);
        SVA_Add_Filled_Rect(area, 0, 0, 1000, 1000, WHITE_CI);
    }
    void Scroll()
    {
        SVA_Areas[area].scroll_x = 100;
        SVA_Areas[area].scroll_y = 200;
        SVA_Update(area);
        ASSERT_EQ(SVA_Areas[area].scroll_x, 100);
        ASSERT_EQ(SVA_Areas[area].scroll_y, 200);
    }
    static int Sx(int x) { return 10 + x - 100; }
    static int Sy(int y) { return 40 + y - 200; }
    /* Run the script up to the press of its first click, as the page's loop leaves it. */
    static void Start(const std::string &script)
    {
        ZW_Test_Set_Script(script);
        for (int i = 0; i < 10 && !M_LEFT; i++) Get_Mouse_Event();
        ASSERT_EQ(M_LEFT, 1);
    }
    static std::string Click(int x, int y)
    {
        return "click " + std::to_string(x) + " " + std::to_string(y) + "\n";
    }
};

TEST_F(Scrolled, CheckBoxAndSelectableTextAreHitWhereTheyShow)
{
    int flag = 0, active = 1, sel = 0;
    SVA_Add_Check_Box(area, 150, 250, "Aktiv", 4096, 0, &flag, &active);
    SVA_Add_Selectable_Text(/*area=*/area, /*x=*/250, /*y=*/320, /*text=*/"Wahl", /*font=*/4096,
                            /*colour=*/0, /*align=*/0, /*highlight=*/3, /*value=*/9,
                            /*variable=*/&sel);
    Scroll();
    /* the unscrolled place of the box is empty */
    Start(Click(10 + 150 - 15, 40 + 250 - 4));
    SVA_Handle_Input(area);
    EXPECT_EQ(flag, 0);
    Start(Click(Sx(150) - 15, Sy(250) - 4));
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_EQ(flag, 1);
    Start(Click(Sx(250) + 2, Sy(320) - 4));
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_EQ(sel, 9);
}

TEST_F(Scrolled, HotspotAndBitmapButtonAreHitWhereTheyShow)
{
    int v = 0, pressed = 0, active = 1;
    SVA_Add_Hotspot(area, 300, 400, 360, 430, 7, &v);
    SVA_Add_Bitmap_Button(/*area=*/area, /*x=*/200, /*y=*/450, /*width=*/36, /*height=*/36,
                          /*file=*/"Glory3.bmp", /*row_offset=*/0, /*transparent=*/1, /*cursor=*/0,
                          /*tooltip=*/"Knopf", /*value=*/5, /*variable=*/&pressed,
                          /*active=*/&active);
    Scroll();
    Start(Click(10 + 330, 40 + 415)); /* the unscrolled place of the hotspot */
    SVA_Handle_Input(area);
    EXPECT_EQ(v, 0);
    /* the hotspot shows over (210, 240) - (270, 270): its corners take the click */
    Start(Click(Sx(300), Sy(400)));
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_EQ(v, 7);
    v = 0;
    Start(Click(Sx(360), Sy(430)));
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_EQ(v, 7);
    v = 0;
    Start(Click(Sx(360) + 1, Sy(430)));
    SVA_Handle_Input(area);
    EXPECT_EQ(v, 0);
    Start(Click(Sx(200) + 18, Sy(450) + 18));
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_EQ(pressed, 5);
}

TEST_F(Scrolled, FloatFieldAndEditorTakeTheClickWhereTheyShow)
{
    double d = 1.0;
    int active = 1;
    char buf[101] = {0};
    SVA_Add_Float_Field(area, 150, 380, &d, "%6.2f", 4096, 0, &active);
    SVA_Add_Text_Editor(/*area=*/area, /*x1=*/300, /*y1=*/250, /*x2=*/390, /*y2=*/320, /*text=*/buf,
                        /*max_len=*/100, /*colour=*/0, /*bg_colour=*/15, /*frame=*/1,
                        /*active=*/&active);
    Scroll();
    Start(Click(Sx(150) + 5, Sy(380) - 4) + "type 2.5\nkey Enter\n");
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_DOUBLE_EQ(d, 2.5);
    /* the editor shows over (210, 90) - (300, 160) */
    Start(Click(Sx(300) + 20, Sy(250) + 10) + "type x\n" + Click(600, 600));
    EXPECT_EQ(SVA_Handle_Input(area), 0);
    EXPECT_STREQ(buf, "x");
    /* it takes no click beside it */
    Start(Click(Sx(390) + 2, Sy(250) + 10) + "type y\n" + Click(600, 600));
    SVA_Handle_Input(area);
    EXPECT_STREQ(buf, "x");
}

/* ------------------------------------------------------------------ the editor's selection */

/* The editor at content (20, 200) - (220, 290) of an unscrolled area at (10, 40): on the screen
** (30, 240) - (230, 330); line k has its base line at 256 + 14 k, its selection band from 10
** above to 2 below it, from 1 pixel right of the selection's start to its end (text from x 37). */
class EditorSelection : public DialogsTest {
  protected:
    int area = -1, active = 1;
    char buf[101];
    SVA_Editor_State *e = nullptr;
    void SetUp() override
    {
        DialogsTest::SetUp();
        area = SVA_Create(10, 40, 410, 340, 0, 0);
        ASSERT_GE(area, 0);
        memset(buf, 0, sizeof buf);
        strcpy(buf, "eins\nzwei\ndrei");
        SVA_Add_Text_Editor(/*area=*/area, /*x1=*/20, /*y1=*/200, /*x2=*/220, /*y2=*/290,
                            /*text=*/buf, /*max_len=*/100, /*colour=*/0, /*bg_colour=*/15,
                            /*frame=*/1, /*active=*/&active);
        e = SVA_Areas[area].last->editor;
    }
    /* Width of the first n bytes of s in the editor's font. */
    int Width(const char *s, int n)
    {
        Pop_RFont(e->font);
        int left = 0, right = 0;
        pxQTxX(s, n, &left, &right, nullptr, nullptr);
        Push_RFont();
        return right - left;
    }
};

TEST_F(EditorSelection, ASelectionOverTwoLinesIsDrawnOnBothAndNoFurther)
{
    /* from "ns" of line 0 over its line feed to "zw" of line 1 */
    e->sel_start = buf + 2;
    e->sel_end = buf + 7;
    SVA_Editor_Draw(e, 30, 240, 230, 330);
    const uint32_t sel = ZW_Test_Pixel(38, 260);
    EXPECT_NE(sel, ZW_Test_Pixel(35, 300)) << "no selection colour at the start of line 1";
    /* line 1: from x 38 to 37 + width("zw"), y 260 to 272 */
    EXPECT_NE(ZW_Test_Pixel(37, 266), sel);
    EXPECT_EQ(ZW_Test_Pixel(38, 272), sel);
    EXPECT_NE(ZW_Test_Pixel(38, 273), sel);
    const int zw = 37 + Width("zw", 2);
    EXPECT_EQ(ZW_Test_Pixel(zw, 271), sel);
    EXPECT_NE(ZW_Test_Pixel(zw + 1, 271), sel);
    /* line 0: from 38 + width("ei") on, y 246 to 258 */
    const int ei = 37 + Width("ei", 2);
    EXPECT_NE(ZW_Test_Pixel(ei, 257), sel);
    EXPECT_EQ(ZW_Test_Pixel(ei + 1, 257), sel);
    EXPECT_EQ(ZW_Test_Pixel(ei + 1, 246), sel);
    EXPECT_NE(ZW_Test_Pixel(ei + 1, 245), sel);
    EXPECT_EQ(ZW_Test_Pixel(37 + Width("eins", 4), 257), sel);
    /* line 2 holds none of it */
    EXPECT_EQ(ZW_Test_Count_Colour(30, 274, 230, 329, sel), 0);
}

TEST_F(EditorSelection, ASelectionEndingAtALineStartLeavesThatLineUnmarked)
{
    /* the whole of line 1 with its line feed: the selection ends where line 2 starts */
    e->sel_start = buf + 5;
    e->sel_end = buf + 10;
    SVA_Editor_Draw(e, 30, 240, 230, 330);
    const uint32_t sel = ZW_Test_Pixel(38, 271);
    EXPECT_NE(sel, ZW_Test_Pixel(35, 300));
    EXPECT_EQ(ZW_Test_Count_Colour(30, 242, 230, 259, sel), 0) << "line 0";
    EXPECT_EQ(ZW_Test_Count_Colour(30, 274, 230, 329, sel), 0) << "line 2";
}
