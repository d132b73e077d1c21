/*
** Tests of the preview in the window (headless back end driven by a script): paging with keys
** and the wheel, zoom, ending with Esc or by closing, the screen restored afterwards, and the
** pages drawn on the screen.
*/
#include <gtest/gtest.h>

#include <cairo.h>

#include <string>

#include "platform/oliview.h"
#include "platform/zelkwin.h"
#include "platform/zelkwin_test.h"

int Viewer_Write_Sample_List(const char *path, int variant, int rows);

namespace {

std::vector<std::string> view_lines()
{
    std::vector<std::string> out;
    for (const std::string &l : ZW_Test_Log_Lines())
        if (l.compare(0, 8, "OLI-VIEW") == 0 || l.compare(0, 8, "OLI-View") == 0) out.push_back(l);
    return out;
}

int pages_of(const char *path)
{
    Oli_Document doc;
    Oli_Read_File(path, &doc);
    Oli_Layout l;
    Oli_Layout_Document(&doc, &l);
    return (int)l.pages.size();
}

} /* namespace */

TEST(OliviewWindow, PagesScrollZoomAndEnd)
{
    ASSERT_EQ(Viewer_Write_Sample_List("fenster_01.oli", 0, 60), 1);
    int n = pages_of("fenster_01.oli");
    ASSERT_GE(n, 3);
    ZW_Test_Reset();
    uint32_t before = ZW_Test_Pixel(5, 500);
    ZW_Test_Set_Script(
        "key pgdn\nsnapshot vorschau.png\ntype +\nwheel -2\nkey end\nkey esc\nkey down\n");
    ASSERT_EQ(Oli_View_File("fenster_01.oli"), 1);
    std::string total = "/" + std::to_string(n);
    /* the zoom against the paper: A4, 29.7 cm = 11.69 in at 96 pixels per inch = 1122.5 pixels;
    ** the page starts at that size, 100 %, after '+' x 1.25: 125 % */
    std::vector<std::string> want = {
        "OLI-View fenster_01.oli", "OLI-VIEW PAGE 2" + total + " ZOOM 100",
        "OLI-VIEW PAGE 2" + total + " ZOOM 125", "OLI-VIEW PAGE 2" + total + " ZOOM 125",
        "OLI-VIEW PAGE " + std::to_string(n) + total + " ZOOM 125"};
    EXPECT_EQ(view_lines(), want);
    EXPECT_EQ(ZW_Test_Pending_Events(), 1);   /* Esc ended the preview before the last key */
    EXPECT_EQ(ZW_Test_Pixel(5, 500), before); /* the screen under the preview is back */
    /* the snapshot shows a white page in the middle of the grey desk, with black print on it */
    cairo_surface_t *s = cairo_image_surface_create_from_png("vorschau.png");
    ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);
    int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    int stride = cairo_image_surface_get_stride(s);
    const unsigned char *d = cairo_image_surface_get_data(s);
    long white = 0, dark = 0, desk = 0;
    for (int y = 40; y < h; y++)
        for (int x = 0; x < w; x++) {
            const unsigned char *p = d + y * stride + 4 * x;
            if (p[0] == 255 && p[1] == 255 && p[2] == 255) white++;
            else if (p[0] < 60 && p[1] < 60 && p[2] < 60) dark++;
            if (x < 20 && abs(p[2] - 115) < 3 && abs(p[1] - 120) < 3 && abs(p[0] - 128) < 3) desk++;
        }
    cairo_surface_destroy(s);
    EXPECT_GT(white, (long)w * h / 4);
    EXPECT_GT(dark, 500);
    EXPECT_GT(desk, 1000);
}

/* The preview opens at the paper's size, where the body text of 9 pt is 12 pixels high (A4,
** 29.7 cm at 96 pixels per inch: 1122.5 pixels), on 1366 x 768 as on 1280 x 960, where the
** whole page (768 - 26 - 2 x 14 = 714, 906 pixels high) would be 63.6 % and 80.7 %; a screen
** 800 pixels wide holds a page 800 - 2 x 14 = 772 pixels wide, 772 / 21 x 29.7 = 1091.8 pixels
** high, 97.3 %; one 1600 pixels high the whole page larger, 1546 pixels, 137.7 %. The bar says
** the real zoom. */
TEST(OliviewWindow, ThePreviewOpensAtThePapersSizeAndSaysItsZoom)
{
    ASSERT_EQ(Viewer_Write_Sample_List("zoom_01.oli", 0, 10), 1);
    const struct {
        int w, h;
        const char *bar;
    } rows[] = {{1366, 768, "Zoom 100 %"},
                {800, 600, "Zoom 97 %"},
                {1920, 1600, "Zoom 138 %"},
                {1280, 960, "Zoom 100 %"}}; /* the tests' screen last */
    for (const auto &row : rows) {
        SCOPED_TRACE(row.w);
        ZW_Test_Set_Screen(row.w, row.h);
        ZW_Test_Set_Script(std::string("snapshot zoom_") + std::to_string(row.w)
                           + ".png\nkey esc\n");
        ASSERT_EQ(Oli_View_File("zoom_01.oli"), 1);
        bool said = false;
        for (const std::string &l : ZW_Test_Log_Lines())
            if (l.rfind("TEXT 10 18 Seite 1 von ", 0) == 0) {
                EXPECT_NE(l.find(std::string("   ") + row.bar + "   "), std::string::npos) << l;
                said = true;
            }
        EXPECT_TRUE(said);
    }
}

TEST(OliviewWindow, ClosingTheWindowEndsThePreview)
{
    ASSERT_EQ(Viewer_Write_Sample_List("zu_01.oli", 1, 5), 1);
    ZW_Test_Reset();
    ZW_Test_Set_Script("key down\nclose\n");
    EXPECT_EQ(Oli_View_File("zu_01.oli"), 1);
    std::vector<std::string> lines = view_lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].compare(0, 20, "OLI-VIEW PAGE 1/2 ZO"), 0) << lines[1];
    ZW_Test_Reset();
    EXPECT_EQ(Oli_View_File("fehlt_01.oli"), 0);
    EXPECT_EQ(view_lines(), (std::vector<std::string>{"OLI-View fehlt_01.oli"}));
}
