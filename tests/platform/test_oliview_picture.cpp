/*
** Tests of the viewer's picture and symbol elements and of colours and fillings: embedded
** pictures and pictures by file name, the user-comment block with its symbol beside the text,
** the filling sample sheet, and the colours of lines and areas.
*/
#include <gtest/gtest.h>

#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/oliview.h"
#include "printlist/printlist.h"

namespace {

/* Written into a file of the test's own (the tests may run at the same time). */
template <class F>
Oli_Layout lay_written(const char *name, F write, Oli_Document *doc_out = nullptr)
{
    FILE *f = fopen(name, "w");
    Oli_Para_Reset();
    write(f);
    fclose(f);
    Oli_Document doc;
    EXPECT_EQ(Oli_Read_File(name, &doc), 1);
    Oli_Layout layout;
    Oli_Layout_Document(&doc, &layout);
    if (doc_out) *doc_out = doc;
    return layout;
}

/* A PNG of w x h pixels: red left half, blue right half. */
void write_png(const char *path, int w, int h)
{
    cairo_surface_t *s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cairo_t *cr = cairo_create(s);
    cairo_set_source_rgb(cr, 1, 0, 0);
    cairo_rectangle(cr, 0, 0, w / 2, h);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0, 0, 1);
    cairo_rectangle(cr, w / 2, 0, w - w / 2, h);
    cairo_fill(cr);
    cairo_destroy(cr);
    cairo_surface_write_to_png(s, path);
    cairo_surface_destroy(s);
}

std::vector<const Oli_Item *> items(const Oli_Layout &l, int kind)
{
    std::vector<const Oli_Item *> out;
    for (const Oli_Page &p : l.pages)
        for (const Oli_Item &it : p.items)
            if (it.kind == kind) out.push_back(&it);
    return out;
}

} /* namespace */

TEST(OliviewPicture, EmbeddedAndNamedPictures)
{
    write_png("bild.png", 8, 4);
    Oli_Document doc;
    Oli_Layout l = lay_written(
        "bild_01.oli",
        [](FILE *f) {
            Oli_Picture_Block b;
            Oli_Picture_Block_Defaults(&b); /* window 0 10 0 5 */
            Oli_Picture_Begin(f, &b);
            Oli_Picture_Element e;
            Oli_Picture_Element_Defaults(&e);
            e.flags = 0x1001; /* embedded, with its size */
            e.size_1 = 4.0;
            e.size_2 = 2.0;
            Oli_Graphic_Picture(f, 0.0, 5.0, "bild.png", &e);
            e.flags = 0; /* by name: fills the rest of the window */
            Oli_Graphic_Picture(f, 5.0, 5.0, "bild.png", &e);
            Oli_Graphic_Picture(f, 0.0, 0.0, "fehlt.png", &e);
            Oli_Picture_End(f);
        },
        &doc);
    std::vector<const Oli_Item *> img = items(l, OLI_IT_IMAGE);
    ASSERT_EQ(img.size(), 2u);
    EXPECT_EQ(img[0]->image_w, 8);
    EXPECT_EQ(img[0]->image_h, 4);
    EXPECT_NEAR(img[0]->x, OLI_TEXT_LEFT, 1e-9);
    EXPECT_NEAR(img[0]->y, OLI_BODY_TOP, 1e-9); /* the top left corner of the window (y upwards) */
    EXPECT_NEAR(img[0]->x2, 4.0, 1e-9);
    EXPECT_NEAR(img[0]->y2, 2.0, 1e-9);
    /* pixels: red on the left, blue on the right (RGBA) */
    EXPECT_EQ(img[0]->image[0], 255);
    EXPECT_EQ(img[0]->image[2], 0);
    EXPECT_EQ(img[0]->image[4 * 7 + 2], 255);
    /* the named picture keeps its proportions in the 5 x 5 cm left of the window */
    EXPECT_NEAR(img[1]->x, OLI_TEXT_LEFT + 5, 1e-9);
    EXPECT_NEAR(img[1]->x2, 5.0, 1e-9);
    EXPECT_NEAR(img[1]->y2, 2.5, 1e-9);
    ASSERT_EQ(l.warnings.size(), 1u);
    EXPECT_NE(l.warnings[0].find("Bild nicht lesbar: fehlt.png"), std::string::npos);
    /* the page with the picture prints */
    EXPECT_EQ(Oli_Write_Png(&l, 0, 72, "bild_seite.png"), 1);
}

TEST(OliviewPicture, UserCommentStandsBesideItsSymbol)
{
    Oli_Layout l = lay_written("kommentar_01.oli", [](FILE *f) {
        Print_User_Comment(f, "Anmerkung des Bearbeiters");
        Oli_Write_Text(f, "Weiter");
    });
    EXPECT_TRUE(l.warnings.empty()) << l.warnings[0];
    /* the speech bubble in the 1.2 cm window, the text to its right at the same height */
    std::vector<const Oli_Item *> poly = items(l, OLI_IT_POLY);
    ASSERT_EQ(poly.size(), 1u);
    double minx = 1e9, maxx = -1e9, miny = 1e9;
    for (size_t i = 0; i + 1 < poly[0]->pts.size(); i += 2) {
        minx = std::min(minx, poly[0]->pts[i]);
        maxx = std::max(maxx, poly[0]->pts[i]);
        miny = std::min(miny, poly[0]->pts[i + 1]);
    }
    EXPECT_GE(minx, OLI_TEXT_LEFT);
    EXPECT_LE(maxx, OLI_TEXT_LEFT + 1.2);
    const Oli_Item *t = nullptr, *w = nullptr;
    for (const Oli_Item &it : l.pages[0].items) {
        if (it.kind == OLI_IT_TEXT && it.text == "Anmerkung") t = &it;
        if (it.kind == OLI_IT_TEXT && it.text == "Weiter") w = &it;
    }
    ASSERT_TRUE(t && w);
    EXPECT_NEAR(t->x, OLI_TEXT_LEFT + 1.4, 1e-9);
    EXPECT_LT(t->y, OLI_BODY_TOP + 1.2);
    /* after the comment the text continues below the symbol, at the left margin */
    EXPECT_NEAR(w->x, OLI_TEXT_LEFT, 1e-9);
    EXPECT_GE(w->y, OLI_BODY_TOP + 1.2);
}

TEST(OliviewPicture, FillingSamplesColoursAndDashes)
{
    Oli_Document doc;
    Oli_Layout l = lay_written(
        "muster_01.oli",
        [](FILE *f) {
            Oli_Graphic_Set_Colour_Mode(1);
            Oli_Graphic_Fill_Samples(f);
            Oli_Graphic_Begin(f, 0, 0, 10, 2, 1.0, 0.0, nullptr);
            Oli_Graphic_Rgb_50(150, 112, 65);
            Oli_Graphic_Rgb_51(20, 180, 240);
            Oli_Graphic_Set_Fill(55);
            double x[3] = {0, 4, 0}, y[3] = {0, 0, 2};
            Oli_Graphic_Filled_Polygon(3, x, y);
            fprintf(f, " 38 %d %s %d\n", 2, "0.10 0.10", 0);
            Oli_Graphic_Line(0, 1, 10, 1);
            fprintf(f, " -1\n");
        },
        &doc);
    /* the sample sheet is 26 cm high: it takes a page of its own without a warning */
    EXPECT_TRUE(l.warnings.empty()) << l.warnings[0];
    /* 65 sample cells, each a filled rectangle and a white label ground */
    int white = 0, filled = 0;
    for (const Oli_Item *r : items(l, OLI_IT_RECT)) {
        if (r->fill_rgb == 0xFFFFFF) white++;
        else filled++;
    }
    EXPECT_EQ(white, 65 + 1); /* filling 0 is white too */
    EXPECT_EQ(filled, 64);
    int labels = 0;
    for (const Oli_Item *t : items(l, OLI_IT_TEXT))
        if (t->text == "0" || t->text == "64") labels++;
    EXPECT_EQ(labels, 2);
    /* the colours the writer put into the last block */
    const Oli_Block &g = doc.blocks.back();
    std::vector<double> c50, c51;
    for (const Oli_Gr_Element &e : g.elements) {
        if (e.code == 50) c50 = e.v;
        if (e.code == 51) c51 = e.v;
    }
    ASSERT_EQ(c51.size(), 3u);
    /* the area: colour 51 lightened by 35 % towards white, e.g. 20 + 235 x 0.35 = 102.25 -> 102 */
    uint32_t want = 0;
    for (int k = 0; k < 3; k++)
        want = want << 8 | (uint32_t)std::lround(c51[k] + (255 - c51[k]) * 0.35);
    std::vector<const Oli_Item *> poly = items(l, OLI_IT_POLY);
    ASSERT_FALSE(poly.empty());
    EXPECT_EQ(poly.back()->fill_rgb, want);
    EXPECT_EQ(c51, (std::vector<double>{20, 180, 240}));
    const Oli_Item *line = items(l, OLI_IT_LINE).back();
    EXPECT_EQ(line->rgb, (uint32_t)c50[0] << 16 | (uint32_t)c50[1] << 8 | (uint32_t)c50[2]);
    EXPECT_EQ(line->dash, (std::vector<double>{0.1, 0.1}));
    EXPECT_NEAR(line->x2 - line->x, 10.0, 1e-9);
    EXPECT_EQ(Oli_Write_Png(&l, 1, 50, "fuellmuster.png"), 1);
}

TEST(OliviewPicture, SymbolFilesOfTheFontFolder)
{
    ASSERT_EQ(system("mkdir -p schriften"), 0);
    write_png("schriften/Firmenlogo.png", 20, 10);
    setenv("SPLICE_FONT_DIR", "schriften", 1);
    Oli_Layout l = lay_written("logo_01.oli", [](FILE *f) {
        Oli_Set_Logo_Name("Firmenlogo");
        Oli_Write_Logo(f, 3.0, 1.5, ".ocm");
        Oli_Set_Logo_Name("Fehlt");
        Oli_Write_Logo(f, 3.0, 1.5, ".ocm");
    });
    unsetenv("SPLICE_FONT_DIR");
    std::vector<const Oli_Item *> img = items(l, OLI_IT_IMAGE);
    ASSERT_EQ(img.size(), 1u);
    EXPECT_EQ(img[0]->image_w, 20);
    EXPECT_NEAR(img[0]->x, OLI_TEXT_LEFT, 1e-9);
    EXPECT_NEAR(img[0]->y, OLI_BODY_TOP, 1e-9);
    EXPECT_NEAR(img[0]->x2, 3.0, 1e-9); /* 20 x 10 pixels in 3 x 1.5 cm */
    EXPECT_NEAR(img[0]->y2, 1.5, 1e-9);
    ASSERT_EQ(l.warnings.size(), 1u);
    EXPECT_NE(l.warnings[0].find("Symboldatei nicht vorhanden: %FONT%\\Fehlt.ocm"),
              std::string::npos)
        << l.warnings[0];
}
