/*
** Tests of the viewer's print font: the byte-to-glyph map of code page 850 with the symbol
** positions, the splitting of texts at their escapes and drawing groups, and the widths of texts.
*/
#include <gtest/gtest.h>

#include <cairo.h>
#include <cstring>

#include <string>
#include <vector>

#include "platform/oliview.h"
#include "platform/oliview_internal.h"

TEST(OliviewText, PrintFontMap)
{
    /* letters of code page 850 */
    EXPECT_EQ(Oli_Print_Font_Codepoint(0x84), 0x00E4u); /* ä */
    EXPECT_EQ(Oli_Print_Font_Codepoint(0x94), 0x00F6u); /* ö */
    EXPECT_EQ(Oli_Print_Font_Codepoint(0x81), 0x00FCu); /* ü */
    EXPECT_EQ(Oli_Print_Font_Codepoint(0xE1), 0x00DFu); /* ß */
    EXPECT_EQ(Oli_Print_Font_Codepoint(0x8E), 0x00C4u); /* Ä */
    EXPECT_EQ(Oli_Print_Font_Codepoint(0xF8), 0x00B0u); /* degree */
    EXPECT_EQ(Oli_Print_Font_Codepoint(0xFD), 0x00B2u); /* superscript 2 */
    EXPECT_EQ(Oli_Print_Font_Codepoint('A'), (uint32_t)'A');
    /* symbol positions of the print font */
    EXPECT_EQ(Oli_Print_Font_Codepoint(0x88), 0x21D2u); /* implication arrow */
    EXPECT_EQ(Oli_Print_Font_Codepoint(0x8C), 0x2300u); /* diameter */
    EXPECT_EQ(Oli_Print_Font_Codepoint(0xB2), 0x03A3u); /* sum row */
    EXPECT_EQ(Oli_Print_Font_Codepoint(0xB8), 0x03C8u); /* psi */
    EXPECT_EQ(Oli_Print_Font_Codepoint(0xBA), 0x03B1u); /* alpha */
    EXPECT_EQ(Oli_Print_Font_Codepoint(0xBB), 0x03B2u);
    EXPECT_EQ(Oli_Print_Font_Codepoint(0xC0), 0x03B3u); /* gamma */
    EXPECT_EQ(Oli_Print_Font_Codepoint(0xCB), 0x03C1u); /* rho */
    EXPECT_EQ(Oli_Print_Font_Codepoint(0xCC), 0x03C3u); /* sigma */
    EXPECT_EQ(Oli_Print_Font_Codepoint(0xD6), 0x03C4u); /* tau */
    EXPECT_EQ(Oli_Print_Font_Codepoint(0xEC), 0x221Eu); /* infinity */
    EXPECT_EQ(Oli_Print_Font_Codepoint(0xF2), 0x2265u);
    EXPECT_EQ(Oli_Print_Font_Codepoint(0xF3), 0x2264u);
    EXPECT_EQ(Oli_Print_Font_Codepoint(0xF7), 0x2248u);
    EXPECT_EQ(Oli_Print_Font_Codepoint(0xFA), 0x00B3u);
    /* control bytes print as blanks */
    EXPECT_EQ(Oli_Print_Font_Codepoint(0x07), 0x20u);
    EXPECT_EQ(Oli_Plain_Utf8("Ma\xE1"
                             "stab \xC0\xCE\\M\xCEr \xF3 1"),
              "Ma\xC3\x9Fstab \xCE\xB3M \xE2\x89\xA4 1");
}

TEST(OliviewText, EscapesGiveFacesAndCombine)
{
    Oli_Run_Stats st{};
    std::vector<Oli_Run> r = Oli_Split_Runs("A\xCE\\n\xCEr \xCE"
                                            "bB\xCE/2\xCEr\xCE"
                                            "b!\xCEr\xCEu_\xCE_i\xCETw\xCEHh\xCE@1.\xCEsx\xCE"
                                            "Zq",
                                            0, false, &st);
    std::vector<std::pair<std::string, int>> got;
    for (const Oli_Run &x : r)
        if (x.type == OLI_RUN_TEXT) got.push_back({x.utf8, x.face});
    std::vector<std::pair<std::string, int>> want = {
        // clang-format off
      {"A", 0},
      {"n", OLI_FACE_SUB},
      {" ", 0},
      {"B", OLI_FACE_BOLD},
      {"2", OLI_FACE_BOLD | OLI_FACE_SUP},
      {"!", OLI_FACE_BOLD},
      {"_", OLI_FACE_UNDER},
      {"i", OLI_FACE_UNDER | OLI_FACE_ITALIC},
      {"w", OLI_FACE_UNDER | OLI_FACE_ITALIC | OLI_FACE_SUB},
        // clang-format on
        {"h1.xq", OLI_FACE_UNDER | OLI_FACE_ITALIC | OLI_FACE_SUB | OLI_FACE_BOLD}};
    EXPECT_EQ(got, want);
    EXPECT_EQ(st.unknown_escapes, 1); /* "Z" */
    /* plain texts keep their escape bytes as characters */
    std::vector<Oli_Run> p = Oli_Split_Runs("a\xCE"
                                            "b",
                                            0, true, nullptr);
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0].bytes, "a\xCE"
                          "b");
}

TEST(OliviewText, TabsAndDrawingGroups)
{
    Oli_Run_Stats st{};
    std::vector<Oli_Run> r = Oli_Split_Runs(
        "a\xCEtb \xCE{\xCEL 0 -1 -1 1.000000 1.000000 } \xCE{\xCER 5 1.5 3.0 0.2 0.8} \xCE{\xCEQ kaputt}",
        0, false, &st);
    ASSERT_GE(r.size(), 5u);
    EXPECT_EQ(r[0].utf8, "a");
    EXPECT_EQ(r[1].type, OLI_RUN_TAB);
    EXPECT_EQ(r[2].utf8, "b ");
    EXPECT_EQ(r[3].type, OLI_RUN_RULE);
    EXPECT_EQ(r[3].g[1], -1);
    EXPECT_EQ(r[3].g[3], 1.0);
    int fills = 0;
    for (const Oli_Run &x : r)
        if (x.type == OLI_RUN_FILL) {
            fills++;
            EXPECT_EQ(x.g[0], 5);
            EXPECT_EQ(x.g[1], 1.5);
            EXPECT_EQ(x.g[2], 3.0);
            EXPECT_EQ(x.g[4], 0.8);
        }
    EXPECT_EQ(fills, 1);
    EXPECT_EQ(st.bad_groups, 1);
    EXPECT_EQ(Oli_Plain_Utf8("x\xCEty \xCE{\xCEL 0 -1 -1 0 0 }"), "x y ");
}

TEST(OliviewText, WidthsGrowWithSizeAndFace)
{
    double w9 = Oli_Text_Width_Cm("Holzsto\xC3\x9F", 9.0, 0);
    double w18 = Oli_Text_Width_Cm("Holzsto\xC3\x9F", 18.0, 0);
    EXPECT_GT(w9, 0.5);
    EXPECT_NEAR(w18, 2 * w9, 1e-9);
    EXPECT_GT(Oli_Text_Width_Cm("Holzsto\xC3\x9F", 9.0, OLI_FACE_BOLD), w9);
    EXPECT_NEAR(Oli_Text_Width_Cm("x", 9.0, OLI_FACE_SUB),
                OLI_SCRIPT_SCALE * Oli_Text_Width_Cm("x", 9.0, 0), 1e-9);
    EXPECT_EQ(Oli_Text_Width_Cm("", 9.0, 0), 0.0);
}

/* The width from the advances kept per character is cairo's own measure of the whole text, bit
** for bit: every byte of the print font, in every face, at the sizes of the layout (tables set
** smaller have sizes of their own), in texts of one to 200 characters. */
TEST(OliviewText, WidthsAreCairosToTheLastBit)
{
    cairo_surface_t *s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 4, 4);
    cairo_t *cr = cairo_create(s);
    std::vector<std::string> texts;
    for (int b = 0x20; b < 0x100; b++) {
        std::string one;
        Oli_Append_Utf8(&one, Oli_Print_Font_Codepoint((unsigned char)b));
        texts.push_back(one);
    }
    std::string all;
    for (const std::string &t : texts) all += t;
    texts.push_back(all);
    texts.push_back("M_d = 12.345 kNm \xE2\x89\xA4 0.87 \xCE\xB3_M");
    texts.push_back(std::string(200, '9'));
    const double sizes[] = {9.0, 6.0, 8.0, 13.0, 8.0 * 0.731, 7.5 * 0.5};
    const int faces[] = {0,
                         OLI_FACE_BOLD,
                         OLI_FACE_ITALIC,
                         OLI_FACE_BOLD | OLI_FACE_ITALIC,
                         OLI_FACE_MONO,
                         OLI_FACE_SUB,
                         OLI_FACE_SUP | OLI_FACE_BOLD,
                         OLI_FACE_UNDER};
    int compared = 0;
    for (double size : sizes)
        for (int face : faces)
            for (const std::string &t : texts) {
                Oli_Select_Font(cr, size, face);
                cairo_text_extents_t e;
                cairo_text_extents(cr, t.c_str(), &e);
                const double cairo_cm = e.x_advance * 2.54 / 72.0,
                             ours = Oli_Text_Width_Cm(t, size, face);
                ASSERT_EQ(std::memcmp(&cairo_cm, &ours, sizeof ours), 0)
                    << t << " " << size << " " << face;
                compared++;
            }
    EXPECT_EQ(compared, 6 * 8 * 227);
    cairo_destroy(cr);
    cairo_surface_destroy(s);
}
