/*
** Tests of the foundation's calls into the GUI library: text widths, the segment hit test, the
** rubber band, the zoom settings, the file-name check and the out-of-memory message box.
*/
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "foundation/foundation.h"
#include "platform/zelkwin.h"
#include "platform/zelkwin_test.h"
#include "tests/platform/gui_log.h"

namespace {

TEST(ScreenTools, TextWidths)
{
    ZW_Test_Reset();
    EXPECT_EQ(Text_Width(nullptr), 0);
    EXPECT_EQ(Text_Width(""), 0);
    int left = 0, right = 0;
    pxQTxX("Holz", -1, &left, &right, nullptr, nullptr);
    EXPECT_GT(right - left, 0);
    EXPECT_EQ(Text_Width("Holz"), right - left);
    EXPECT_GT(Text_Width("Holzbau"), Text_Width("Holz"));
    /* In another font, and the font before is back afterwards. */
    const int normal = Text_Width("Holzbau");
    Pop_RFont(4096 | 0x10000);
    const int bold = Text_Width("Holzbau");
    Push_RFont();
    EXPECT_EQ(Text_Width_In_Font("Holzbau", 4096 | 0x10000), bold);
    EXPECT_EQ(Text_Width("Holzbau"), normal);
}

TEST(ScreenTools, PointNearSegment)
{
    EXPECT_EQ(Hit_Tolerance_Get(), 3);
    EXPECT_EQ(Point_Near_Segment(0, 0, 10, 0, 5, 3), 1);
    EXPECT_EQ(Point_Near_Segment(0, 0, 10, 0, 5, 4), 0);
    EXPECT_EQ(Point_Near_Segment(0, 0, 10, 0, 14, 0), 0);
    EXPECT_EQ(Point_Near_Segment(0, 0, 10, 0, 13, 0), 1);
    EXPECT_EQ(Point_Near_Segment(2, 2, 2, 2, 2, 2), 0);
    /* Diagonal (0,0)-(10,10): the point (5,8) lies 3/sqrt2 = 2.12 from the line. */
    EXPECT_EQ(Point_Near_Segment(0, 0, 10, 10, 5, 8), 1);
    EXPECT_EQ(Point_Near_Segment(0, 0, 10, 10, 2, 8), 0); /* 6/sqrt2 = 4.24 */
    Hit_Tolerance_Set(5);
    EXPECT_EQ(Point_Near_Segment(0, 0, 10, 0, 5, 4), 1);
    Hit_Tolerance_Set(3);
}

TEST(ScreenTools, RubberBandAndZoom)
{
    ZW_Test_Reset();
    /* The button is down at (10,10); a drag over (25,20) to (40,30) and the release there. */
    ZW_Test_Set_Script("press 10 10\nmove 25 20\nmove 40 30\nrelease 40 30\n");
    while (!M_LEFT && ZW_Test_Pending_Events() > 0)
        Get_Mouse_Event(); /* the caller saw the press */
    ASSERT_EQ(M_LEFT, 1);
    int x = -1, y = -1;
    Drag_Rubber_Band(10, 10, &x, &y);
    EXPECT_EQ(x, 40);
    EXPECT_EQ(y, 30);
    EXPECT_EQ(M_LEFT, 0);
    EXPECT_EQ(ZW_Test_Pending_Events(), 0);
    /* Exclusive-or drawing: every band drawn is erased again, the screen is as before. */
    EXPECT_EQ(ZW_Test_Pixel(25, 10), ZW_Test_Pixel(300, 300));
    /* Released at once: the end point is where the mouse is. */
    ZW_Test_Set_Script("move 7 8\n");
    Drag_Rubber_Band(0, 0, &x, &y);
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 8);
    Zoom_Animation_Set(-1, 99);
    Zoom_Animation_Set(2, 0);
    const int colour = pxQFgc();
    const uint32_t on_path = ZW_Test_Pixel(100, 100); /* the last rectangle's corner */
    Zoom_Animation(0, 0, 10, 10, 150, 150, 300, 300);
    EXPECT_EQ(pxQFgc(), colour);
    EXPECT_EQ(ZW_Test_Pixel(100, 100), on_path); /* every rectangle drawn was erased */
    EXPECT_EQ(pxSBop(0), 0);
    Zoom_Animation_Set(-1, 99); /* back to 10 steps and 15 ms */
    /* The highlight fills with the environment's background colour and restores the screen. */
    const uint32_t before = ZW_Test_Pixel(12, 12);
    Highlight_Rect_Show(5, 5, 20, 20);
    EXPECT_EQ(ZW_Test_Pixel(12, 12), 0xECE9D8u);
    Highlight_Rect_Hide();
    EXPECT_EQ(ZW_Test_Pixel(12, 12), before);
}

TEST(ScreenTools, FileNameCheck)
{
    ZW_Test_Reset();
    EXPECT_EQ(Check_File_Name("a.b", 1), 1);
    EXPECT_EQ(Check_File_Name("", 1), 1);
    EXPECT_EQ(Check_File_Name("..", 0), 0);
    EXPECT_FALSE(Log_Has("MESSAGE"));
    EXPECT_EQ(Check_File_Name("..", 1), 0);
    EXPECT_TRUE(Log_Has("Eine Datei darf weder '.' noch '..' heißen!"));
    EXPECT_EQ(Check_File_Name("c:x", 1), 0);
    EXPECT_TRUE(Log_Has("Unzulässige Zeichen (\\/:*?\"<>|) im Dateinamen!"));
    for (const char *bad : {"a\\b", "a/b", "a*", "a?", "a\"", "a<", "a>", "a|"})
        EXPECT_EQ(Check_File_Name(bad, 0), 0) << bad;
}

void Abort_With_Log_On_Stderr()
{
    setenv("SPLICE_GUI_LOG", "/dev/stderr", 1);
    setenv("SPLICE_GUI_HEADLESS", "1", 1);
    Abort_Out_Of_Memory();
}

TEST(ScreenToolsDeathTest, AbortShowsTheThreeLinesAndExitsWithZero)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        Abort_With_Log_On_Stderr(), ::testing::ExitedWithCode(0),
        "Die Aktion erfordert eine Speicherkapazit.*t, die \\| vom Rechner zur Zeit nicht zur "
        "Verf.*gung gestellt \\| wird\\. Die Sitzung mu.* leider abgebrochen werden\\.");
}

} // namespace

namespace {

/* Checksum of the button's pixels. */
uint64_t Button_Pixels(int x1, int y1, int x2, int y2)
{
    uint64_t sum = 0;
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++) sum = sum * 31 + ZW_Test_Pixel(x, y);
    return sum;
}

TEST(ScreenTools, ResetButtonLook)
{
    ZW_Test_Reset();
    ASSERT_GT(Define_Prop_Sheet(100, 100, 400, 300, 1, 0, "Test", 0, 1), 0);
    const int b = Add_Single_Button_to_PS(150, 180, PS_RASTER(80, 24), "Knopf", 7);
    Activate_Prop_Sheet();
    const uint64_t plain = Button_Pixels(150, 180, 229, 203);
    Snap_Colored_Layout_of_Single_Button(b);
    const uint64_t coloured = Button_Pixels(150, 180, 229, 203);
    Change_Action_State_PS(b, 1);
    const uint64_t pressed = Button_Pixels(150, 180, 229, 203);
    EXPECT_NE(pressed, coloured);
    /* Released and snapped: the coloured look without the press. */
    Reset_Button_Look(b, 1, "Hinweis");
    EXPECT_EQ(Button_Pixels(150, 180, 229, 203), coloured);
    /* Without the snap the frame is reset to the plain look. */
    Change_Action_State_PS(b, 1);
    Reset_Button_Look(b, 0, nullptr);
    EXPECT_EQ(Button_Pixels(150, 180, 229, 203), plain);
    Undefine_Prop_Sheet();
}

} // namespace
