// Code-page literals and the conversions at the edges.
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/codepage.h"

TEST(Codepage, Cp850LiteralUmlautsAndSharpS)
{
    EXPECT_STREQ("Ma\xE1gebende", "Maßgebende"_cp850);
    EXPECT_STREQ("\x84\x94\x81\x8E\x99\x9A", "äöüÄÖÜ"_cp850);
    EXPECT_STREQ("\xAE"
                 "Text"
                 "\xAF",
                 "«Text»"_cp850);
    EXPECT_STREQ("ASCII only", "ASCII only"_cp850);
    EXPECT_EQ(0u, std::strlen(""_cp850));
}

TEST(Codepage, Cp1252LiteralUmlautsAndSharpS)
{
    EXPECT_STREQ("Ma\xDFgebende", "Maßgebende"_cp1252);
    EXPECT_STREQ("\xE4\xF6\xFC\xC4\xD6\xDC", "äöüÄÖÜ"_cp1252);
    EXPECT_STREQ("\x80", "€"_cp1252);
}

TEST(Codepage, EscapeBytesPassThroughLiterals)
{
    // 0xCE is the print-list escape, 0x8C the diameter symbol of the display font.
    EXPECT_STREQ("\xCE"
                 "b f\x81r \x8C",
                 "\xCE"
                 "b für \x8C"_cp850);
}

TEST(Codepage, EdgesToUtf8AndBack)
{
    EXPECT_EQ("Maßgebende Größe", Cp850_To_Utf8("Ma\xE1gebende Gr\x94\xE1"
                                                "e"));
    EXPECT_EQ("Maßgebende Größe", Cp1252_To_Utf8("Ma\xDFgebende Gr\xF6\xDF"
                                                 "e"));
    EXPECT_EQ(std::string("\x84\x94\x81\xE1"), Utf8_To_Cp850("äöüß"));
    EXPECT_EQ(std::string("\xE4\xF6\xFC\xDF"), Utf8_To_Cp1252("äöüß"));
    EXPECT_EQ("?", Utf8_To_Cp850("€"));
    EXPECT_EQ("\xEF\xBF\xBD", Cp1252_To_Utf8("\x81"));
    for (int b = 0x80; b < 0x100; b++) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(one, Utf8_To_Cp850(Cp850_To_Utf8(one))) << "byte " << b;
    }
}

/* The rule for texts of an open code page: valid UTF-8 with a character of several bytes, else
** the majority of German letters and guillemets, a tie (ASCII only) code page 850. */
TEST(Codepage, GuessFollowsTheOneRule)
{
    EXPECT_EQ(Guess_Code_Page("au\xC3\x9F"
                              "ergew\xC3\xB6hnlich"),
              CODE_PAGE_UTF8);
    EXPECT_EQ(Guess_Code_Page("au\xDF"
                              "ergew\xF6hnlich"),
              CODE_PAGE_1252);
    EXPECT_EQ(Guess_Code_Page("au\xE1"
                              "ergew\x94hnlich"),
              CODE_PAGE_850);
    EXPECT_EQ(Guess_Code_Page("Wind von links"), CODE_PAGE_850);
    EXPECT_EQ(Guess_Code_Page(""), CODE_PAGE_850);
    EXPECT_EQ(Guess_Code_Page("\xEF\xBB\xBFWind"), CODE_PAGE_UTF8); /* byte-order mark */
    /* invalid UTF-8 (a lead byte without its continuation) is no UTF-8 */
    EXPECT_EQ(Guess_Code_Page("\xC3 \xE4"), CODE_PAGE_1252);
    /* the guillemets count: 1252 marks against one letter of 850 */
    EXPECT_EQ(Guess_Code_Page("\xAB\x84\xBB"), CODE_PAGE_1252);
    EXPECT_EQ(Guess_Code_Page("\xAE\xE4\xAF"), CODE_PAGE_850);
    /* a tie keeps 850: one letter each */
    EXPECT_EQ(Guess_Code_Page("\xE4\x84"), CODE_PAGE_850);
    EXPECT_EQ(Guess_Code_Page("\xE4\x84\xFC"), CODE_PAGE_1252);
    /* a view of exactly its bytes, with nothing readable behind them */
    const std::vector<char> bytes = {'W', 'i', 'n', 'd'};
    EXPECT_EQ(Guess_Code_Page(std::string_view(bytes.data(), bytes.size())), CODE_PAGE_850);
    const std::vector<char> utf8 = {'W', '\xC3', '\xA4'};
    EXPECT_EQ(Guess_Code_Page(std::string_view(utf8.data(), utf8.size())), CODE_PAGE_UTF8);
}

/* Files of an editor's "Unicode": by the byte-order mark, or by the NUL bytes between the
** characters; a file of a byte code page is none of them. */
TEST(Codepage, WideUnicodeEncodingsAreTold)
{
    using sv = std::string_view;
    const struct {
        sv head;
        const char *name;
    } cases[] = {
        {sv("\xFF\xFE"
            "0\0.\0"
            "9\0",
            8),
         "UTF-16 LE"},
        {sv("\xFE\xFF\0"
            "0\0.\0"
            "9",
            8),
         "UTF-16 BE"},
        {sv("\xFF\xFE\0\0"
            "0\0\0\0",
            8),
         "UTF-32 LE"},
        {sv("\0\0\xFE\xFF\0\0\0"
            "0",
            8),
         "UTF-32 BE"},
        {sv("0\0.\0"
            "9\0 \0"
            "1\0 \0\xF6\0",
            14),
         "UTF-16 LE"}, /* ö: F6 00 */
        {sv("\0"
            "0\0.\0"
            "9\0 \0"
            "1\0 \0\xF6",
            14),
         "UTF-16 BE"},
        {sv("0\0\0\0.\0\0\0", 8), "UTF-32 LE"},
        {sv("\0\0\0"
            "0\0\0\0.",
            8),
         "UTF-32 BE"},
        {sv("0.9 0 1 2 3 Schnee\n"), nullptr},
        {sv("\xEF\xBB\xBF"
            "0.9 0 1 2 3 \xC3\xB6stlich\n"),
         nullptr},
        {sv("0.9 0 1 2 3 \x94stlich\n"), nullptr},
        {sv("0\0"), nullptr}, /* too short to tell */
        {sv(""), nullptr},
        {sv("abc\0defghijklmnop", 17), nullptr}, /* a stray NUL is no encoding */
    };
    for (const auto &c : cases) {
        const char *got = Wide_Unicode_Encoding(c.head);
        if (c.name) {
            ASSERT_NE(got, nullptr) << c.name;
            EXPECT_STREQ(got, c.name);
        } else {
            EXPECT_EQ(got, nullptr) << (got ? got : "");
        }
    }
}

TEST(Codepage, TextsOfEachCodePageArriveIn850)
{
    const std::string want = "au\xE1"
                             "ergew\x94hnlich";
    EXPECT_EQ(To_Cp850("au\xC3\x9F"
                       "ergew\xC3\xB6hnlich",
                       CODE_PAGE_UTF8),
              want);
    EXPECT_EQ(To_Cp850("\xEF\xBB\xBF"
                       "au\xC3\x9F"
                       "ergew\xC3\xB6hnlich",
                       CODE_PAGE_UTF8),
              want);
    EXPECT_EQ(To_Cp850("au\xDF"
                       "ergew\xF6hnlich",
                       CODE_PAGE_1252),
              want);
    EXPECT_EQ(To_Cp850(want, CODE_PAGE_850), want);
    /* what code page 850 lacks becomes '?': the euro sign of 1252 and of UTF-8 */
    EXPECT_EQ(To_Cp850("5 \x80", CODE_PAGE_1252), "5 ?");
    EXPECT_EQ(To_Cp850("5 \xE2\x82\xAC", CODE_PAGE_UTF8), "5 ?");
    /* and is counted, among the first characters asked for: of "5 €, 7 €" the first three hold
    ** one euro sign, all eight two; the '?' of a text is none, code page 850 lacks nothing */
    EXPECT_EQ(Cp850_Lacking("5 \x80, 7 \x80", CODE_PAGE_1252, 3), 1);
    EXPECT_EQ(Cp850_Lacking("\xEF\xBB\xBF"
                            "5 \xE2\x82\xAC, 7 \xE2\x82\xAC?",
                            CODE_PAGE_UTF8, 9),
              2);
    EXPECT_EQ(Cp850_Lacking("5 \x80?", CODE_PAGE_850, 4), 0);
}
