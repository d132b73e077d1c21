/*
** Tests of the screen plotter: its transform with separate scales, dimension value texts and
** the HSL lightening with its bounds.
*/
#include "dialogs_fixture.h"

#include <cmath>
#include <string>

using Screen = DialogsTest;

static std::pair<std::string, std::string> Dim(double length)
{
    char text[32], raised[8];
    Screen_Dimension_Text(length, text, sizeof text, raised, sizeof raised);
    return {text, raised};
}

TEST_F(Screen, DimensionTexts)
{
    EXPECT_EQ(Dim(0.125), std::make_pair(std::string("12"), std::string("5")));
    EXPECT_EQ(Dim(0.12), std::make_pair(std::string("12"), std::string("")));
    EXPECT_EQ(Dim(1.2), std::make_pair(std::string("1.20"), std::string("")));
    EXPECT_EQ(Dim(1.235), std::make_pair(std::string("1.23"), std::string("5")));
    /* below 1 the text is V printed with "%.0f": V = 12.8 rounds to 13 (not cut to 12); f = 0.8
  ** lies outside 0.25..0.75, so no raised 5; V = 12.2 gives 12 */
    EXPECT_EQ(Dim(0.128), std::make_pair(std::string("13"), std::string("")));
    EXPECT_EQ(Dim(0.122), std::make_pair(std::string("12"), std::string("")));
    /* V = 127.8: f = 0.8, V - 0.75 - n = 0.05 >= 0, so n goes up to 128 */
    EXPECT_EQ(Dim(1.278), std::make_pair(std::string("1.28"), std::string("")));
    char text[32], raised[8];
    EXPECT_EQ(Screen_Dimension_Text(0.004, text, sizeof text, raised, sizeof raised), 0);
    EXPECT_STREQ(text, "");
}

TEST_F(Screen, TransformWithNullPointers)
{
    Screen_Set_Transform(1, 2, 0, 3, 4);
    double x = 5, y = 6;
    Screen_World_To_Pixel(&x, nullptr);
    EXPECT_DOUBLE_EQ(x, 15);
    Screen_World_To_Pixel(nullptr, &y);
    EXPECT_DOUBLE_EQ(y, 24);
    Screen_World_To_Pixel(nullptr, nullptr);
    x = 5;
    y = 6;
    Screen_World_To_Pixel(&x, &y); /* ((5 - 1) * 3, (6 - 2) * 4) */
    EXPECT_DOUBLE_EQ(x, 12);
    EXPECT_DOUBLE_EQ(y, 16);
    Screen_Pixel_To_World(&x, &y);
    EXPECT_DOUBLE_EQ(x, 5);
    EXPECT_DOUBLE_EQ(y, 6);
    Screen_Set_Transform(0, 0, M_PI / 2, 1, 1);
    x = 1;
    y = 0;
    Screen_World_To_Pixel(&x, &y);
    EXPECT_NEAR(x, 0, 1e-12);
    EXPECT_NEAR(y, -1, 1e-12);
    Screen_Set_Transform(0, 0, 0, 1, 1);
}

/* Offset, then rotation, then the scale per axis: origin (1, 2), angle 30 degrees, scales 2 and
** 3; the point (3, 5) is u = 2, w = 3 from the origin:
**   x = (u cos + w sin) * 2 = (1.7320508 + 1.5) * 2 = 6.4641016
**   y = (w cos - u sin) * 3 = (2.5980762 - 1.0) * 3 = 4.7942286
** and the way back gives the point again. */
TEST_F(Screen, TransformUnderRotation)
{
    Screen_Set_Transform(1, 2, M_PI / 6, 2, 3);
    double x = 3, y = 5;
    Screen_World_To_Pixel(&x, &y);
    EXPECT_NEAR(x, 6.4641016, 1e-6);
    EXPECT_NEAR(y, 4.7942286, 1e-6);
    Screen_Pixel_To_World(&x, &y);
    EXPECT_NEAR(x, 3.0, 1e-12);
    EXPECT_NEAR(y, 5.0, 1e-12);
    Screen_Set_Transform(0, 0, 0, 1, 1);
}

TEST_F(Screen, LighteningInHsl)
{
    int r = 0, g = 0, b = 0;
    Colour_Lighten_RGB(&r, &g, &b, 40);
    EXPECT_EQ(r + g + b, 0);
    r = 200, g = 100, b = 50;
    Colour_Lighten_RGB(&r, &g, &b, -100);
    EXPECT_EQ(r + g + b, 0);
    /* pure red, L = 0.5 -> 0.6, S = 1: q = 1, p = 0.2 -> (255, 51, 51) */
    r = 255, g = 0, b = 0;
    Colour_Lighten_RGB(&r, &g, &b, 20);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, 51);
    EXPECT_EQ(b, 51);
    /* grey has no hue: L = 100/255 * 1.5 = 0.588 -> 150 */
    r = g = b = 100;
    Colour_Lighten_RGB(&r, &g, &b, 50);
    EXPECT_EQ(r, 150);
    EXPECT_EQ(g, 150);
    EXPECT_EQ(b, 150);
    /* a lightness above 1 is held at white */
    r = 200, g = 220, b = 240;
    Colour_Lighten_RGB(&r, &g, &b, 300);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, 255);
    EXPECT_EQ(b, 255);
}

TEST_F(Screen, LightenPercentGoesThroughThePalette)
{
    int idx = Nearest_RGB_Color(0, 88, 176);
    int lighter = Colour_Lighten_Percent(idx, 10);
    int r, g, b;
    pxQCR(lighter, &r, &g, &b);
    /* L = 0.345, S = 1, H = 0.5833: L' = 0.3796, q = 0.7592, p = 0 -> (0, 97, 194) */
    EXPECT_NEAR(r, 0, 1);
    EXPECT_NEAR(g, 97, 1);
    EXPECT_NEAR(b, 194, 1);
}

TEST_F(Screen, FlagSetHasRoundedUpBytes)
{
    unsigned char *f = Screen_Flag_Set_Init(9);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f[0] | f[1], 0);
    Mem_Free(&f);
    EXPECT_EQ(Screen_Flag_Set_Init(0), nullptr);
}

TEST_F(Screen, ViewButtonEndsThePassWithItsCode)
{
    int b = Screen_Add_View_Button(100, 100, 77);
    EXPECT_GT(b, 0);
    Activate_Prop_Sheet();
    ZW_Test_Set_Script("click 110 108\n");
    EXPECT_EQ(Edit_Prop_Sheet(), 77);
}

TEST_F(Screen, TextButtonPopupAnswersTheChosenCode)
{
    const char *labels[2] = {"links", "rechts"};
    const char *comments[2] = {"nach links", "nach rechts"};
    int w1 = Text_Width_In_Font("links", 4096) + 16;
    int bx = 200 + 5 + w1 + 5 + 4;
    ZW_Test_Set_Script("click " + std::to_string(bx) + " 234\n");
    EXPECT_EQ(Screen_Text_Button_Popup(0, 100, 200, 200, "Richtung", 2, labels, comments), 2);
    /* a click outside the popup answers 99 */
    ZW_Test_Set_Script("click 5 5\n");
    EXPECT_EQ(Screen_Text_Button_Popup(0, 100, 200, 200, "Richtung", 2, labels, comments), 99);
    EXPECT_EQ(Prop_Sheet_Level(), 1);
}
