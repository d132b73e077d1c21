/*
** The page with every symbol of the drawing library as the print-list viewer shows it: read
** and laid out without warnings, and drawn as the golden PNGs (looked at when they were made).
*/
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "capture.h"
#include "platform/oliview.h"
#include "tests/platform/png_difference.h"

TEST(OliDrawPageView, ViewerDrawsEverySymbolAsTheGoldenPictures)
{
    const std::string oli = SPLICE_GOLDEN_DIR "/printlist/drawing_page.oli";
    Oli_Document doc;
    ASSERT_EQ(Oli_Read_File(oli.c_str(), &doc), 1);
    Oli_Layout layout;
    Oli_Layout_Document(&doc, &layout);
    for (const std::string &w : layout.warnings) ADD_FAILURE() << w;
    /* the symbols on the first page, the two bolts seen from the side on a page of their own */
    ASSERT_EQ(layout.pages.size(), 2u);
    const char *update = getenv("SPLICE_UPDATE_GOLDEN");
    const char *names[2] = {"drawing_page.png", "drawing_page_2.png"};
    for (int p = 0; p < 2; p++) {
        ASSERT_EQ(Oli_Write_Png(&layout, p, 96, names[p]), 1);
        std::string golden = std::string(SPLICE_GOLDEN_DIR) + "/printlist/" + names[p];
        if (update && *update) {
            std::string cmd = "cp " + std::string(names[p]) + " " + golden;
            ASSERT_EQ(system(cmd.c_str()), 0);
        }
        double d = Png_Difference(names[p], golden);
        ASSERT_GE(d, 0.0) << golden << " is missing or of another size";
        EXPECT_LT(d, 0.0005) << "page " << p + 1 << " differs from " << golden;
    }
    /* the comparison sees a real change: the two pages differ from each other */
    EXPECT_GT(Png_Difference("drawing_page.png", SPLICE_GOLDEN_DIR "/printlist/drawing_page_2.png"),
              0.01);
}

/* An arrow between two points has its tail at the first point and its tip at the second. */
TEST(OliDrawPageView, ArrowBetweenTwoPointsRunsFromTheFirstToTheSecond)
{
    Reset_Writers();
    Capture c;
    Oli_Graphic_Begin(c.f, 0, 0, 20, 20, 1, 0, nullptr);
    c.clear();
    Oli_Graphic_Force_Arrow_To(7, 10, 8, 9, 0.3, 0.2, 0);
    /* direction -45 degrees; head corners (-0.3, +-0.1) turned: (-0.3c + 0.1s', ...) by hand:
  ** c = 0.707107, s = -0.707107: (-0.212132 -+ 0.070711, 0.212132 +- 0.070711) */
    std::string t = c.text();
    EXPECT_NE(t.find(" 1  7.000000 10.000000 8.000000 9.000000\n"), std::string::npos) << t;
    EXPECT_NE(t.find(" 1  7.858579 9.282843 8.000000 9.000000\n"), std::string::npos) << t;
    EXPECT_NE(t.find(" 1  7.717157 9.141421 8.000000 9.000000\n"), std::string::npos) << t;
    EXPECT_EQ(t.find("9.000000 8.000000"), std::string::npos) << t;
    /* the same arrow drawn by its tip and direction */
    Capture d;
    Oli_Graphic_Begin(d.f, 0, 0, 20, 20, 1, 0, nullptr);
    d.clear();
    Oli_Graphic_Force_Arrow(8, 9, -M_PI / 4, sqrt(2.0), 0.3, 0.2, 0);
    EXPECT_EQ(t, d.text());
}

/* The diameter sign of a bar label is drawn by the viewer's own print font; other symbol
** files that cannot be found are still reported. */
TEST(OliDrawPageView, DiameterSymbolWithoutSymbolFile)
{
    setenv("SPLICE_FONT_DIR", "keine_symbole", 1);
    const char *text =
        "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0.000000 10.000000 0.000000 4.000000\n"
        " 13 0.210000\n 27 2.0 3.0 %FONT%\\DURCHM.OCM\n 27 5.0 3.0 %FONT%\\KREUZ.OCM\n -1\n";
    Oli_Document doc;
    ASSERT_EQ(Oli_Read_Text(text, strlen(text), &doc), 1);
    Oli_Layout layout;
    Oli_Layout_Document(&doc, &layout);
    unsetenv("SPLICE_FONT_DIR");
    ASSERT_EQ(layout.warnings.size(), 1u);
    EXPECT_NE(layout.warnings[0].find("KREUZ.OCM"), std::string::npos) << layout.warnings[0];
    ASSERT_EQ(layout.pages.size(), 1u);
    int signs = 0;
    double x_sign = 0, y_sign = 0, x_clip = 0, y_clip = 0;
    for (const Oli_Item &it : layout.pages[0].items) {
        if (it.kind == OLI_IT_CLIP) x_clip = it.x + 0.3, y_clip = it.y + 0.3;
        if (it.kind == OLI_IT_TEXT && it.text == "\xE2\x8C\x80")
            signs++, x_sign = it.x, y_sign = it.y;
    }
    ASSERT_EQ(signs, 1);
    /* window 10 x 4 cm at 1:1: the anchor (2, 3) lies 2 cm right of and 1 cm below the block's
  ** top left corner; the base line one text height (0.21 cm) lower */
    EXPECT_NEAR(x_sign - x_clip, 2.0, 1e-9);
    EXPECT_NEAR(y_sign - y_clip, 1.21, 1e-9);
}
