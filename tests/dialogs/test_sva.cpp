/*
** Tests of the view areas: the table of 20, creation with sliders, item constructors and the
** growth of the content, the checks of bad indices, and scrolling.
*/
#include "dialogs_fixture.h"

#include <cstring>

#include "foundation/foundation.h"

using Areas = DialogsTest;

TEST_F(Areas, TwentyFirstCreateFailsWithMessageAndDeleteFreesASlot)
{
    int ids[20];
    for (int i = 0; i < 20; i++) {
        ids[i] = SVA_Create(10, 10 + i, 200, 100 + i, 0, 0);
        ASSERT_EQ(ids[i], i);
    }
    testing::internal::CaptureStdout();
    int extra = SVA_Create(10, 10, 200, 100, 0, 0);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(extra, -1);
    EXPECT_EQ(out, "maximale Anzahl Scrollable_View_Areas erreicht\n");
    for (int i = 0; i < 20; i++) EXPECT_EQ(SVA_Areas[i].y1, 10 + i);
    SVA_Delete(7);
    EXPECT_EQ(SVA_Get(7), nullptr);
    EXPECT_EQ(SVA_Create(5, 5, 50, 50, 0, 0), 7);
}

TEST_F(Areas, SlidersTake17Pixels)
{
    int a = SVA_Create(10, 20, 310, 220, 1, 1);
    ASSERT_GE(a, 0);
    EXPECT_EQ(SVA_Areas[a].x2, 293);
    EXPECT_EQ(SVA_Areas[a].y2, 203);
    EXPECT_NE(SVA_Areas[a].vslider, 0);
    EXPECT_NE(SVA_Areas[a].hslider, 0);
    int b = SVA_Create(10, 20, 310, 220, 0, 0);
    EXPECT_EQ(SVA_Areas[b].x2, 310);
    EXPECT_EQ(SVA_Areas[b].vslider, 0);
    int w = 0, h = 0;
    SVA_Get_View_Size(a, &w, &h);
    EXPECT_EQ(w, 283);
    EXPECT_EQ(h, 183);
}

TEST_F(Areas, BadIndicesDoNothing)
{
    int a = SVA_Create(10, 10, 200, 100, 0, 0);
    ASSERT_EQ(a, 0);
    /* a failed create hands -1 on: nothing may happen, nothing may crash */
    SVA_Add_Text(-1, 10, 10, "x", 4096, 0, 0);
    SVA_Add_Line(-1, 0, 0, 5, 5, 0);
    SVA_Add_Hotspot(20, 0, 0, 5, 5, 1, nullptr);
    SVA_Clear(-1);
    SVA_Delete(-5);
    SVA_Update(-1);
    EXPECT_EQ(SVA_Get_Bg_Colour(-1), -1);
    EXPECT_EQ(SVA_Get_Bg_Colour(20), -1);
    EXPECT_EQ(SVA_Get_Bg_Colour(3), -1); /* free slot */
    EXPECT_EQ(SVA_Handle_Input(-1), 0);
    EXPECT_EQ(Item_Count(a), 0);
}

TEST_F(Areas, TextStylesComeFromTheFontBits)
{
    int a = SVA_Create(10, 10, 400, 300, 0, 0);
    SVA_Add_Text(a, 10, 20, "fett", 0x10000 | 4096, 3, 0);
    SVA_Add_Text(a, 10, 40, "weich", 0x60000 | 4096, 3, 0);
    SVA_Add_Text(a, 10, 60, "leicht", 0x40000 | 4096, 3, 0);
    SVA_Item *it = SVA_Areas[a].first;
    EXPECT_EQ(it->font, 4096);
    EXPECT_EQ(it->x2, 1);
    it = it->next;
    EXPECT_EQ(it->font, 4096);
    EXPECT_EQ(it->x2, 2);
    it = it->next;
    EXPECT_EQ(it->x2, 3);
    EXPECT_STREQ(it->text, "leicht");
}

TEST_F(Areas, RightAlignedTextIsStoredLeftOfX)
{
    int a = SVA_Create(10, 10, 400, 300, 0, 0);
    const char *text = "Bemessung";
    int w = Text_Width_In_Font(text, 4096);
    ASSERT_GT(w, 0);
    SVA_Add_Text(a, 300, 50, text, 4096, 0, 1);
    EXPECT_EQ(SVA_Areas[a].last->x1, 300 - w);
    /* content = (300 - w) + w + 10 */
    EXPECT_EQ(SVA_Areas[a].content_w, 310);
    EXPECT_EQ(SVA_Areas[a].content_h, 60);
}

TEST_F(Areas, ContentGrowsByKind)
{
    int a = SVA_Create(10, 10, 400, 300, 0, 0);
    int v = 0;
    SVA_Add_Hotspot(a, 10, 20, 200, 80, 3, &v);
    EXPECT_EQ(SVA_Areas[a].content_w, 210);
    EXPECT_EQ(SVA_Areas[a].content_h, 30);
    SVA_Add_Filled_Rect(a, 50, 50, 220, 90, 2);
    EXPECT_EQ(SVA_Areas[a].content_w, 220);
    EXPECT_EQ(SVA_Areas[a].content_h, 90);
    SVA_Add_Line(a, 0, 100, 5, 5, 1);
    EXPECT_EQ(SVA_Areas[a].content_h, 110);
    SVA_Add_Marker(a, 4);
    EXPECT_EQ(SVA_Areas[a].content_h, 110);
    SVA_Add_Picture_Choice(/*area=*/a, /*x=*/100, /*y=*/200, /*file=*/"bild.bmp", /*width=*/40,
                           /*height=*/30, /*count=*/3, /*aux=*/0, /*index=*/&v, /*active=*/nullptr);
    EXPECT_EQ(SVA_Areas[a].content_w, 220);
    EXPECT_EQ(SVA_Areas[a].content_h, 246);
    SVA_Clear(a);
    EXPECT_EQ(SVA_Areas[a].content_w, 0);
    EXPECT_EQ(Item_Count(a), 0);
}

TEST_F(Areas, ChoiceIndexOutOfRangeShowsEntryZero)
{
    int a = SVA_Create(10, 10, 400, 300, 0, 0);
    SVA_Choice_Entry table[5] = {{0, "eins"}, {0, "zwei"}, {0, "drei"}, {0, "vier"}, {0, "fünf"}};
    int index = 7, active = 1;
    SVA_Add_Choice_Field(a, 20, 30, table, 4096, 10, 5, &index, &active);
    EXPECT_EQ(index, 0);
    index = -2;
    SVA_Add_Choice_Field(a, 20, 60, table, 4096, 10, 5, &index, &active);
    EXPECT_EQ(index, 0);
    index = 4;
    SVA_Add_Choice_Field(a, 20, 90, table, 4096, 10, 5, &index, &active);
    EXPECT_EQ(index, 4);
}

TEST_F(Areas, TextFieldWidthAndHotspotSetters)
{
    int a = SVA_Create(10, 10, 400, 300, 0, 0);
    char buf[40] = "zwoelf Zeich";
    SVA_Add_Text_Field(a, 20, 30, buf, 4096, 0, nullptr);
    SVA_Set_Last_Text_Field_Width(a, 50);
    EXPECT_EQ(SVA_Areas[a].last->y2, 12);
    SVA_Set_Last_Text_Field_Width(a, 5);
    EXPECT_EQ(SVA_Areas[a].last->y2, 5);
    /* setters for another kind do nothing */
    SVA_Set_Last_Hotspot_Value(a, 18);
    EXPECT_EQ(SVA_Areas[a].last->aux, 12);
    int v = 0;
    SVA_Add_Hotspot(a, 1, 2, 3, 4, 9, &v);
    SVA_Set_Last_Hotspot_Value(a, 18);
    SVA_Set_Last_Hotspot_Text(a, "Hilfe", 0x10000 | 4096, 2, 1);
    EXPECT_EQ(SVA_Areas[a].last->aux, 18);
    EXPECT_EQ(SVA_Areas[a].last->aux2, 17);
    EXPECT_STREQ(SVA_Areas[a].last->text, "Hilfe");
}

TEST_F(Areas, TruncateAtMarkerDropsTheTail)
{
    int a = SVA_Create(10, 10, 400, 300, 0, 0);
    SVA_Add_Text(a, 1, 10, "a", 4096, 0, 0);
    SVA_Add_Marker(a, 5);
    SVA_Add_Text(a, 1, 20, "b", 4096, 0, 0);
    SVA_Add_Text(a, 1, 30, "c", 4096, 0, 0);
    int h = SVA_Areas[a].content_h;
    SVA_Truncate_At_Marker(a, 6);
    EXPECT_EQ(Item_Count(a), 4);
    SVA_Truncate_At_Marker(a, 5);
    EXPECT_EQ(Item_Count(a), 1);
    EXPECT_EQ(SVA_Areas[a].last, SVA_Areas[a].first);
    EXPECT_EQ(SVA_Areas[a].content_h, h);
}

TEST_F(Areas, ScrollByClampsAtTheContentEdge)
{
    int a = SVA_Create(10, 10, 217, 117, 1, 1); /* view 190 x 90 */
    SVA_Add_Filled_Rect(a, 0, 0, 500, 400, 1);
    SVA_Areas[a].scroll_x = 30;
    SVA_Areas[a].scroll_y = 20;
    SVA_Update(a);
    int dx = -100, dy = 1000;
    SVA_Scroll_By(a, &dx, &dy);
    EXPECT_EQ(SVA_Areas[a].scroll_x, 0);
    EXPECT_EQ(dx, -30);
    EXPECT_EQ(SVA_Areas[a].scroll_y, 400 - 90);
    EXPECT_EQ(dy, 400 - 90 - 20);
}

TEST_F(Areas, ScrollToFractionAndIntoView)
{
    int a = SVA_Create(10, 10, 217, 117, 1, 1); /* view 190 x 90 */
    SVA_Add_Filled_Rect(a, 0, 0, 500, 400, 1);
    SVA_Areas[a].scroll_y = 40;
    SVA_Scroll_To_Fraction(a, 2.0, -1.0);
    EXPECT_EQ(SVA_Areas[a].scroll_x, 310);
    EXPECT_EQ(SVA_Areas[a].scroll_y, 40);
    SVA_Scroll_To_Fraction(a, 0.5, 0.25);
    EXPECT_EQ(SVA_Areas[a].scroll_x, 155);
    EXPECT_EQ(SVA_Areas[a].scroll_y, 77); /* trunc(0.25 * 310) */
    SVA_Update(a);
    int64_t t0 = VELClock();
    SVA_Scroll_Into_View(a, 160, 80, 200, 100); /* already visible: no wait */
    EXPECT_EQ(VELClock(), t0);
    SVA_Scroll_Into_View(a, 0, 300, 20, 380);
    EXPECT_EQ(SVA_Areas[a].scroll_x, 0);
    EXPECT_EQ(SVA_Areas[a].scroll_y, 380 - 90);
}

TEST_F(Areas, ConstructorEndsTheProgramWhenMemoryFails)
{
    int a = SVA_Create(10, 10, 400, 300, 0, 0);
    EXPECT_EXIT(
        {
            Dbg_Set_Fail_Countdown(1);
            SVA_Add_Text(a, 10, 20, "x", 4096, 0, 0);
        },
        testing::ExitedWithCode(0), "");
}
