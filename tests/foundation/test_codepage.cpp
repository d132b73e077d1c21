// Code-page literals and the conversions at the edges.
#include <gtest/gtest.h>
#include <cstring>

#include "foundation/codepage.h"

TEST(Codepage, Cp850LiteralUmlautsAndSharpS)
{
    EXPECT_STREQ("Ma\xE1gebende", "Maßgebende"_cp850);
    EXPECT_STREQ("\x84\x94\x81\x8E\x99\x9A", "äöüÄÖÜ"_cp850);
    EXPECT_STREQ("\xAE" "Text" "\xAF", "«Text»"_cp850);
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
    EXPECT_STREQ("\xCE" "b f\x81r \x8C", "\xCE" "b für \x8C"_cp850);
}

TEST(Codepage, EdgesToUtf8AndBack)
{
    EXPECT_EQ("Maßgebende Größe", Cp850_To_Utf8("Ma\xE1gebende Gr\x94\xE1" "e"));
    EXPECT_EQ("Maßgebende Größe", Cp1252_To_Utf8("Ma\xDFgebende Gr\xF6\xDF" "e"));
    EXPECT_EQ(std::string("\x84\x94\x81\xE1"), Utf8_To_Cp850("äöüß"));
    EXPECT_EQ(std::string("\xE4\xF6\xFC\xDF"), Utf8_To_Cp1252("äöüß"));
    EXPECT_EQ("?", Utf8_To_Cp850("€"));
    EXPECT_EQ("\xEF\xBF\xBD", Cp1252_To_Utf8("\x81"));
    for (int b = 0x80; b < 0x100; b++) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(one, Utf8_To_Cp850(Cp850_To_Utf8(one))) << "byte " << b;
    }
}
