/*
** Scripted tests of the main sheet's icon menu (placement, looks, tooltip, choice, leaving) and
** of the finish dialog with the stdio hand-over.
*/
#include "dialogs_fixture.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

/* Colour of the look (1 normal .. 4 pressed) of entry e (1..8) in our test strip. */
uint32_t Look_Colour(int e, int look) { return (uint32_t)((20 * e) << 16 | (40 * look) << 8 | 7); }

/* Write a 24-bit strip "Buttons.bmp" into the working folder with every look of every entry
** filled with its own colour at the source positions of the main menu. */
void Write_Test_Strip(void)
{
    const int W = 345, H = 210;
    std::vector<uint32_t> px((size_t)W * H, 0xC0C0C0);
    static const int sx[8] = {302, 259, 216, 1, 44, 87, 130, 173};
    static const int sy[4] = {51, 89, 127, 165};
    for (int e = 0; e < 8; e++)
        for (int l = 0; l < 4; l++)
            for (int y = sy[l]; y < sy[l] + 37; y++)
                for (int x = sx[e]; x < sx[e] + 39; x++)
                    px[(size_t)y * W + x] = Look_Colour(e + 1, l + 1);
    int row = (W * 3 + 3) & ~3;
    /* Parallel test processes share the working folder: write aside, then rename at once, so
  ** that no process ever loads a half-written strip. */
    const std::string tmp = "Buttons.bmp." + std::to_string((long)getpid());
    FILE *f = fopen(tmp.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    auto u16 = [&](int v) {
        fputc(v & 255, f);
        fputc((v >> 8) & 255, f);
    };
    auto u32 = [&](int v) {
        u16(v & 0xFFFF);
        u16((v >> 16) & 0xFFFF);
    };
    fputs("BM", f);
    u32(54 + row * H);
    u32(0);
    u32(54);
    u32(40);
    u32(W);
    u32(H);
    u16(1);
    u16(24);
    u32(0);
    u32(row * H);
    u32(2835);
    u32(2835);
    u32(0);
    u32(0);
    for (int y = H - 1; y >= 0; y--) {
        for (int x = 0; x < W; x++) {
            uint32_t c = px[(size_t)y * W + x];
            fputc(c & 255, f);
            fputc((c >> 8) & 255, f);
            fputc((c >> 16) & 255, f);
        }
        for (int k = W * 3; k < row; k++) fputc(0, f);
    }
    fclose(f);
    ASSERT_EQ(rename(tmp.c_str(), "Buttons.bmp"), 0);
}

} // namespace

class Menu : public DialogsTest {
  protected:
    void SetUp() override
    {
        DialogsTest::SetUp();
        Write_Test_Strip();
        Main_Icon_Menu.x = NPIXEL_X - 346;
        Main_Icon_Menu.right = NPIXEL_X - 6;
    }
    /* Centre of entry i (1..8) on the screen. */
    static int Cx(int i) { return Main_Icon_Menu.x + Main_Icon_Menu.entries[i - 1].x + 19; }
    static int Cy() { return Main_Icon_Menu.y + 6 + 18; }
    static std::string At(int x, int y)
    {
        return std::to_string(x) + " " + std::to_string(y) + "\n";
    }
};

TEST_F(Menu, DrawsEightButtonsAtTheirOffsets)
{
    static const int offsets[8] = {0, 43, 86, 129, 172, 215, 258, 301};
    Icon_Menu_Draw(&Main_Icon_Menu);
    for (int i = 1; i <= 8; i++) {
        int left = NPIXEL_X - 346 + offsets[i - 1], top = 3 + 6;
        EXPECT_EQ(ZW_Test_Pixel(left + 1, top + 1), Look_Colour(i, 1)) << "entry " << i;
        EXPECT_EQ(ZW_Test_Pixel(left + 37, top + 35), Look_Colour(i, 1)) << "entry " << i;
        EXPECT_NE(ZW_Test_Pixel(left + 39, top + 1), Look_Colour(i, 1)) << "entry " << i;
    }
    Main_Icon_Menu.entries[4].active = 0;
    Icon_Menu_Draw(&Main_Icon_Menu);
    EXPECT_EQ(ZW_Test_Pixel(NPIXEL_X - 346 + 172 + 5, 15), Look_Colour(5, 3));
    Main_Icon_Menu.entries[4].active = 1;
}

TEST_F(Menu, RestingShowsTheTooltipAndLeavingAnswers0)
{
    Icon_Menu_Draw(&Main_Icon_Menu);
    msStCu(Cx(3), Cy());
    ZW_Test_Set_Script("move " + At(Cx(3) + 1, Cy()) + "sleep 100\nmove " + At(Cx(3) + 2, Cy())
                       + "move " + At(20, 500) + "sleep 100\n");
    EXPECT_EQ(Icon_Menu_Run(&Main_Icon_Menu), 0);
    EXPECT_EQ(Log_Count(" Vorschau"), 1) << Log_All();
    EXPECT_EQ(Log_Count("Druckeinstellung"), 0);
    /* the tooltip's screen is restored and the button back in its normal look */
    EXPECT_EQ(ZW_Test_Pixel(Cx(3), Cy()), Look_Colour(3, 1));
}

TEST_F(Menu, HoverLookWhileTheMouseIsOnAButton)
{
    Icon_Menu_Draw(&Main_Icon_Menu);
    msStCu(Cx(2), Cy());
    ZW_Test_Set_Script("move " + At(Cx(2), Cy()) + "snapshot hover.png\n");
    Icon_Menu_Run(&Main_Icon_Menu); /* the script ends: the window counts as closed */
    EXPECT_EQ(ZW_Test_Pixel(Cx(2) - 15, Cy() - 15), Look_Colour(2, 2));
}

TEST_F(Menu, PressOnEntry6Answers6)
{
    Icon_Menu_Draw(&Main_Icon_Menu);
    msStCu(Cx(6), Cy());
    ZW_Test_Set_Script("move " + At(Cx(6), Cy()) + "click " + At(Cx(6), Cy()));
    EXPECT_EQ(Icon_Menu_Run(&Main_Icon_Menu), 6);
    EXPECT_EQ(ZW_Test_Pixel(Cx(6) - 15, Cy() - 15), Look_Colour(6, 1));
}

TEST_F(Menu, PressInTheGapAnswers0)
{
    Icon_Menu_Draw(&Main_Icon_Menu);
    int gap = Main_Icon_Menu.x + 41; /* between entry 1 (0..38) and entry 2 (43..) */
    msStCu(gap, Cy());
    ZW_Test_Set_Script("click " + At(gap, Cy()));
    EXPECT_EQ(Icon_Menu_Run(&Main_Icon_Menu), 0);
}

TEST_F(Menu, InactiveEntryDoesNotReact)
{
    Main_Icon_Menu.entries[5].active = 0;
    Icon_Menu_Draw(&Main_Icon_Menu);
    msStCu(Cx(6), Cy());
    ZW_Test_Set_Script("move " + At(Cx(6), Cy()) + "click " + At(Cx(6), Cy()));
    int r = Icon_Menu_Run(&Main_Icon_Menu);
    Main_Icon_Menu.entries[5].active = 1;
    EXPECT_EQ(r, 0);
}

/* ------------------------------------------------------------------ finish dialog */

using Finish = DialogsTest;

TEST_F(Finish, OkAnswersTheSaveFlagAndCancelMinusOne)
{
    int cx = NPIXEL_X / 2, cy = NPIXEL_Y / 2;
    auto at = [](int x, int y) {
        return "click " + std::to_string(x) + " " + std::to_string(y) + "\n";
    };
    ZW_Test_Set_Script(at(cx + 78, cy + 37));
    EXPECT_EQ(Ask_Finish_Editing(), 1);
    ZW_Test_Set_Script(at(cx + 60, cy + 8) + at(cx + 78, cy + 37));
    EXPECT_EQ(Ask_Finish_Editing(), 0);
    ZW_Test_Set_Script(at(cx + 60, cy + 8) + at(cx - 84, cy + 37));
    EXPECT_EQ(Ask_Finish_Editing(), -1);
    ZW_Test_Set_Script(at(cx - 84, cy + 37));
    EXPECT_EQ(Ask_Finish_Editing(), -1);
    EXPECT_GE(Log_Count("BEARBEITUNG BEENDEN"), 4);
    EXPECT_EQ(Prop_Sheet_Level(), 1); /* only the fixture's sheet is left */
}

TEST_F(Finish, StdioTableHasEighteenEntries)
{
    Init_VEL_Stdio_And_Mousewheel();
    ASSERT_EQ(VEL_STDIO_FCT, &Stdio_Fct_Table);
    EXPECT_EQ(VEL_STDIO_FCT->count, 18);
    /* slot 7 is the formatted write */
    const void *const *slots = reinterpret_cast<const void *const *>(VEL_STDIO_FCT);
    EXPECT_EQ(slots[7], reinterpret_cast<const void *>(VEL_STDIO_FCT->p_fprintf));
    EXPECT_EQ(slots[1], reinterpret_cast<const void *>(&fopen));
    FILE *f = tmpfile();
    VEL_STDIO_FCT->p_fprintf(f, "%s %d %.2f", "Stoss", 3, 1.5);
    rewind(f);
    char buf[64] = {0};
    ASSERT_NE(VEL_STDIO_FCT->p_fgets(buf, sizeof buf, f), nullptr);
    EXPECT_STREQ(buf, "Stoss 3 1.50");
    rewind(f);
    char word[16];
    int n = 0;
    EXPECT_EQ(VEL_STDIO_FCT->p_fscanf(f, "%15s %d", word, &n), 2);
    EXPECT_STREQ(word, "Stoss");
    EXPECT_EQ(n, 3);
    fclose(f);
    char out[32];
    VEL_STDIO_FCT->p_sprintf(out, "%05d", 42);
    EXPECT_STREQ(out, "00042");
    int a = 0, b = 0;
    EXPECT_EQ(VEL_STDIO_FCT->p_sscanf("7 8", "%d %d", &a, &b), 2);
    EXPECT_EQ(a * 10 + b, 78);
}

TEST_F(Finish, TextBoxInsetsItsText)
{
    Draw_PS_Text_Box(/*left=*/100, /*top=*/100, /*right=*/300, /*bottom=*/130, /*text=*/"Stoss",
                     /*alignment=*/0x11, /*frame_style=*/3, /*font=*/4096, /*text_colour=*/0,
                     /*fill_colour=*/15);
    /* fill inside the frame's inset of 2 */
    EXPECT_EQ(ZW_Test_Pixel(103, 102), 0xFFFFFFu);
    std::string log = Log_All();
    EXPECT_NE(log.find("TEXT 105 "), std::string::npos) << log;
}
