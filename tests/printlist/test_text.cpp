/*
** Texts of the print list: escapes, raised squares, zero stripping, the "!!" mark, comparison
** signs, check texts with their bounds, our fixed-point rule, plain texts, legend and literature.
*/
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "capture.h"

static std::string para(const std::string &mode, const std::string &line)
{
    return "\n#SHOWPARA\n0x0\n" + mode + "\n-1\n " + line + "\n#END_OF_TEXT\n0x0\n-1\n";
}

TEST(OliText, CompareSigns)
{
    EXPECT_EQ(Oli_Compare_Sign(2.004, 2.0, 2, 0), '=');
    EXPECT_EQ(Oli_Compare_Sign(2.1, 2.0, 1, 0), '>');
    EXPECT_EQ(Oli_Compare_Sign(1.96, 2.0, 2, 0.05), '\xF7');
    EXPECT_EQ(Oli_Compare_Sign(1.9, 2.0, 1, 0.05), '<');
    EXPECT_EQ(Oli_Compare_Sign_Exact(1.96, 2.0, 2), '<');
    EXPECT_EQ(Oli_Compare_Sign_Le(1, 2), '<');
    EXPECT_EQ(Oli_Compare_Sign_Le(3, 2), '>');
    EXPECT_EQ(Oli_Compare_Sign_Le(2, 2), '\xF3');
    EXPECT_EQ(Oli_Compare_Sign_Ge(3, 2), '>');
    EXPECT_EQ(Oli_Compare_Sign_Ge(1, 2), '<');
    EXPECT_EQ(Oli_Compare_Sign_Ge(2, 2), '\xF2');
}

TEST(OliText, RaisedSquareInsideBoldStaysBold)
{
    Reset_Writers();
    Capture c;
    Oli_Write_Text(c.f,
                   "\xCE"
                   "bA = 5 cm\xFD und\xCEr %s\xFA",
                   "V");
    EXPECT_EQ(c.text(), para("7", "\xCE"
                                  "bA = 5 cm\xCE/2\xCEr\xCE"
                                  "b und\xCEr V\xCE/3\xCEr"));
}

TEST(OliText, FinalLineFeedOnlyOnce)
{
    Reset_Writers();
    Capture c;
    Oli_Write_Text(c.f, "abc\n");
    EXPECT_EQ(c.text(), para("7", "abc"));
    c.clear();
    Oli_Write_Text(c.f, "abc");
    EXPECT_EQ(c.text(), para("7", "abc"));
    Oli_Write_Text(nullptr, "abc");
}

TEST(OliText, StripZeros)
{
    Reset_Writers();
    Capture c;
    Oli_Set_Strip_Zeros(1);
    Oli_Write_Text(c.f, "1.500 und 2.00 und 3.05 und .50 und 10.");
    Oli_Set_Strip_Zeros(0);
    EXPECT_EQ(c.text(), para("7", "1.5 und 2 und 3.05 und .50 und 10."));
}

TEST(OliText, FlaggedTextWritesMarkAtRightMargin)
{
    Reset_Writers();
    Capture c;
    Oli_Write_Text_Flagged(c.f, "Nachweis", 0);
    EXPECT_EQ(c.text(), "#OLI_RESERVE 0.76\n" + para("7", "Nachweis")
                            + "#OLI_YPOSITION 1 -0.38\n#OLI_MARGINS 1 17 0\n"
                            + para("7", "\xCE"
                                        "b!!")
                            + "#OLI_MARGINS 1 0 0\n");
    c.clear();
    Oli_Write_Text_Flagged(c.f, "gut", 1);
    EXPECT_EQ(c.text(), "#OLI_RESERVE 0.76\n" + para("7", "gut"));
    /* a line of 255 characters is printed whole; a longer one goes on on the next line, here
    ** after the 255 bytes a line holds, as it has no blank */
    c.clear();
    const std::string full(255, 'a');
    Oli_Write_Text_Flagged(c.f, full.c_str(), 1);
    EXPECT_EQ(c.text(), "#OLI_RESERVE 0.76\n" + para("7", full));
    c.clear();
    Oli_Write_Text_Flagged(c.f, (full + "bc").c_str(), 1);
    EXPECT_EQ(c.text(), "#OLI_RESERVE 0.76\n" + para("7", full + "\n bc"));
}

TEST(OliText, ALongTextGoesOnOnTheNextLineOfItsParagraph)
{
    /* 2 + 200 + 2 + 40 + 1 + 30 + 6 = 281 bytes: the line ends at the last blank within its
    ** 255 bytes, at byte 244 (not at the clause's end at 203, which left less on the line); the
    ** blank is left out, and the next line is bold again */
    Reset_Writers();
    Capture c;
    const std::string x(200, 'x'), y(40, 'y'), z(30, 'z');
    Oli_Write_Text(c.f, "%s",
                   ("\xCE"
                    "b"
                    + x + ", " + y + " " + z + "\xCEr Ende")
                       .c_str());
    EXPECT_EQ(c.text(), para("7", "\xCE"
                                  "b" + x
                                      + ", " + y
                                      + "\n \xCE"
                                        "b"
                                      + z + "\xCEr Ende"));
}

TEST(OliText, SmallTitleAndOlderForms)
{
    Reset_Writers();
    Capture c;
    Oli_Write_Small(c.f, "klein");
    Oli_Write_Title(c.f, "Titel\n");
    EXPECT_EQ(c.text(), para("3", "klein") + para("5", "Titel"));
    c.clear();
    Oli_Set_Format_Version(334);
    Oli_Write_Small(c.f, "k");
    Oli_Write_Text(c.f, "a\xCE_b");
    Oli_Set_Format_Version(338);
    EXPECT_EQ(c.text(), "#SHOWTABLE\n 0 0 1\n k\n 0 0 0 0\n#OLI_YPOSITION 1 -0.85\n"
                        "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n a\xCE_b\n \n#END_OF_TEXT\n"
                        "#OLI_YPOSITION 1 -0.38\n#OLI_YPOSITION 1 -0.6011\n");
}

TEST(OliText, FixedPointRuleAtTies)
{
    char b[32];
    Oli_Format_Fixed(b, sizeof b, 0.125, 2);
    EXPECT_STREQ(b, "0.13");
    Oli_Format_Fixed(b, sizeof b, 2.5, 0);
    EXPECT_STREQ(b, "3");
    Oli_Format_Fixed(b, sizeof b, -2.5, 0);
    EXPECT_STREQ(b, "-3");
    Oli_Format_Fixed(b, sizeof b, 0.25, 1);
    EXPECT_STREQ(b, "0.3");
    Oli_Format_Fixed(b, sizeof b, 12.0, 2);
    EXPECT_STREQ(b, "12.00");
    /* rounded first, then the sign of a zero dropped */
    Oli_Format_Fixed(b, sizeof b, -0.004, 2);
    EXPECT_STREQ(b, "0.00");
    Oli_Format_Fixed(b, sizeof b, -0.005, 2);
    EXPECT_STREQ(b, "-0.01");
    Oli_Format_Fixed(b, sizeof b, -0.4, 0);
    EXPECT_STREQ(b, "0");
    EXPECT_EQ(Oli_Format_Fixed(b, sizeof b, 1234.5678, 3), 8);
    EXPECT_STREQ(b, "1234.568");
    /* 1234.5 x 10 = 12345: "1234.5", cut to the three bytes of room */
    EXPECT_EQ(Oli_Format_Fixed(b, 4, 1234.5, 1), 3);
    EXPECT_STREQ(b, "123");
    /* ten decimals and infinity are the library's: their length too */
    EXPECT_EQ(Oli_Format_Fixed(b, sizeof b, 0.5, 10), 12);
    EXPECT_STREQ(b, "0.5000000000");
    EXPECT_EQ(Oli_Format_Fixed(b, sizeof b, -INFINITY, 2), 4);
    EXPECT_STREQ(b, "-inf");
}

TEST(OliText, CheckTextGoverningValueAndBound)
{
    EXPECT_STREQ(Oli_Check_Text(2.5, 2.0, 2, 0, 0, "s", "cm"), "2.50 cm > 2.00 cm");
    EXPECT_STREQ(Oli_Check_Text(2.5, 2.0, 2, 0, 2, "s", "cm"),
                 "2.50 cm > 2.00 cm  \x88 s = 2.50 cm");
    EXPECT_STREQ(Oli_Check_Text(1.5, 2.0, 1, 0, 3, "s", nullptr), "1.5 < 2.0  \x88 s = 2.0 ");
    EXPECT_STREQ(Oli_Check_Text(1.5, 2.0, 1, 0, 1, "s", nullptr), "1.5 < 2.0  \x88 s = 1.5 ");
    EXPECT_STREQ(Oli_Check_Text(0.125, 0.125, 2, 0, 0, nullptr, nullptr), "0.13 = 0.13");
    std::string name(300, 'n');
    const char *t = Oli_Check_Text(1.0, 2.0, 1, 0, 0, name.c_str(), "kN");
    EXPECT_EQ(strlen(t), 99u);
    EXPECT_EQ(std::string(t).substr(0, 25), "1.0 kN < 2.0 kN  \x88 nnnnnn");
}

TEST(OliText, CheckLineTextAndCheckLine)
{
    char buf[101];
    Oli_Check_Line_Text("a", 3.0, "<=", 2.0, 1, buf, sizeof buf);
    EXPECT_STREQ(buf, "3.0 > 2.0  \x88  a = 2.0");
    Oli_Check_Line_Text("a", 2.0, ">=", 2.0, 1, buf, sizeof buf);
    EXPECT_STREQ(buf, "2.0 = 2.0");
    std::string name(300, 'x');
    Oli_Check_Line_Text(name.c_str(), 3.0, "<", 2.0, 1, buf, sizeof buf);
    EXPECT_EQ(strlen(buf), 100u);
    char small[8];
    Oli_Check_Line_Text("a", 3.0, "<", 2.0, 1, small, sizeof small);
    EXPECT_STREQ(small, "3.0 > 2");

    Reset_Writers();
    Capture c;
    EXPECT_EQ(Oli_Check_Line(c.f, "e", 3.0, "<=", 2.0, 1, "->", "ok", "zu klein"), 0);
    EXPECT_EQ(c.text(), "#OLI_RESERVE 0.76\n"
                            + para("7", "e \xCE"
                                        "b3.0 > 2.0\xCEr -> \xCE"
                                        "bzu klein")
                            + "#OLI_YPOSITION 1 -0.38\n#OLI_MARGINS 1 17 0\n"
                            + para("7", "\xCE"
                                        "b!!")
                            + "#OLI_MARGINS 1 0 0\n");
    EXPECT_EQ(Oli_Check_Line(nullptr, "e", 1.0, "<", 2.0, 1, "", "", ""), 1);
}

TEST(OliText, PlainTextAndEscapes)
{
    char t[] = "A\xCE\\n\xCEr x \xCE{\xCEL 0 1 2 3 4 } \x84";
    EXPECT_STREQ(Oli_Plain_Text(t, 1, 1), "An x  \xE4");
    EXPECT_EQ(Oli_Trimmed_Length("ab  "), 2);
    const char *s = "x\xCE"
                    "by\xCEr z\xCE/2";
    EXPECT_TRUE(Oli_Bold_Active(s, 4));
    EXPECT_FALSE(Oli_Bold_Active(s, 7));
    EXPECT_FALSE(Oli_Bold_Active(s, 1));
    EXPECT_TRUE(Oli_Super_Active(s, 11));
    EXPECT_STREQ(Oli_Sprintf("%d-%s", 5, "a"), "5-a");
}

TEST(OliText, ColumnsAndRules)
{
    Reset_Writers();
    Capture c;
    Oli_Columns_3(0.0, 3.0, 7.5);
    Oli_Column_Cell(c.f, "a");
    Oli_Column_Cell(c.f, "b");
    Oli_Column_Cell(c.f, "%d", 3);
    Oli_Check_Row(c.f, "x", "y", "%.1f", 1.26, '<', "%.2f", 2.0);
    Oli_Column_Space(c.f, 1);
    Oli_Rule_Line(c.f, 1.5);
    Oli_Columns_End(c.f);
    EXPECT_EQ(c.text(), "\n#SHOWPARA\n0x40\n7\n0x0 2\n2 3\n2 7.5\n-1\n a\xCEtb\xCEt3\n x\xCEty\xCEt"
                        "1.3 < 2.00\n#END_OF_TEXT\n0x1004\n2 0.38\n0x40\n7\n0x0 2\n2 3\n2 7.5\n-1\n"
                        "  \xCE{\xCEL 0 -1 -1 1.000000 1.000000 }\n#END_OF_TEXT\n0x0\n-1\n");
}

TEST(OliText, LegendKeepsFirstAndLiteratureNumbers)
{
    Reset_Writers();
    Oli_Legend_Clear();
    Oli_Literature_Clear();
    EXPECT_EQ(Oli_Legend_Add("a", "Abstand %d", 1), 1);
    EXPECT_EQ(Oli_Legend_Add("a", "anders"), 0);
    EXPECT_EQ(Oli_Legend_Count(), 1);
    EXPECT_STREQ(Oli_Legend_Text(0), "a\xCEr - Abstand 1\xCEr");
    EXPECT_EQ(Oli_Literature_Add("EN 1995-1-1"), 1);
    EXPECT_EQ(Oli_Legend_Add_Ref("k", "Beiwert", "EN 1990"), 1);
    EXPECT_STREQ(Oli_Legend_Text(1), "k\xCEr - Beiwert [2]\xCEr");
    EXPECT_EQ(Oli_Literature_Add("EN 1995-1-1"), 1);
    Oli_Legend_Mark();
    Oli_Legend_Add("z", "z");
    Oli_Legend_Back_To_Mark();
    EXPECT_EQ(Oli_Legend_Count(), 2);
    Capture c;
    Oli_Write_Literature(c.f);
    EXPECT_EQ(c.text(),
              "#OLI_RESERVE 1.43\n#SHOWTABLE\n 0 1 0\n Literatur und Normen:\n0 0 -1 -1\n"
              "#END_OF_TEXT\n#OLI_YPOSITION 1 -0.8\n#OLI_CONVERSION 1\n#SHOWTABLE\n 0 0 2\n"
              "  [1] EN 1995-1-1\n  [2] EN 1990\n0 0 -1 -1\n#END_OF_TEXT\n#OLI_CONVERSION 0\n");
    c.clear();
    Oli_Write_Legend(c.f);
    EXPECT_EQ(c.text(), para("3", "a\xCEr - Abstand 1\xCEr     k\xCEr - Beiwert [2]\xCEr  ")
                            + "#OLI_YPOSITION 1 0.4\n");
    Oli_Legend_Drop(5);
    EXPECT_EQ(Oli_Legend_Count(), 0);
}

TEST(OliText, LogoBlock)
{
    Capture c;
    Oli_Set_Logo_Name("Logo");
    Oli_Write_Logo(c.f, 2.25, 1.0, ".ocm");
    EXPECT_EQ(c.text(),
              "\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 2.3 0 1.0\n 27 0 1.0 %FONT%\\Logo.ocm\n-1\n"
              "#OLI_YPOSITION 1 -0.3\n");
}

TEST(OliText, VersionLineWithoutVersionFile)
{
    Reset_Writers();
    const char *exec = getenv("EXEC");
    std::string keep = exec ? exec : "";
    unsetenv("EXEC");
    Capture c;
    Oli_Write_Version(c.f, "splice");
    if (!keep.empty()) setenv("EXEC", keep.c_str(), 1);
    /* 19 characters: 0 - 19 x 0.13333 + 1 + 17 = 15.4667 cm */
    EXPECT_EQ(c.text(), "#OLI_MARGINS 1 15.4667 0\n" + para("3", "SPLICE Version: ???")
                            + "#OLI_MARGINS 1 0 0\n");
}

/* A number that printf rounded to zero loses its sign in every text of the report; a minus
** that is a hyphen, or the sign of a number that is not zero, stays. */
TEST(OliText, SignedZerosLoseTheirSign)
{
    struct Case {
        const char *in, *out;
    } cases[] = {
        // clang-format off
      {"y = -0.00 cm", "y = 0.00 cm"},
      {"-0.00", "0.00"},
      {"(-0.000)", "(0.000)"},
      {"|-0|", "|0|"},
      {"t = -0 mm", "t = 0 mm"},
      {"a = -0.05, b = -0.50, c = -10.00", "a = -0.05, b = -0.50, c = -10.00"},
      {"DIN EN 1995-1-1, 8.2.2", "DIN EN 1995-1-1, 8.2.2"},
      {"LF-0", "LF-0"},
      {"x\xCE\\i\xCEr-0.00", "x\xCE\\i\xCEr0.00"},
      {"\xCE" "b-0.00 kN", "\xCE" "b0.00 kN"},
      {"-0.", "-0."},
      {"--0", "-0"},
      {"a -0 b -0.0 c -1", "a 0 b 0.0 c -1"},
      {"A = -0.00 cm\xFD", "A = 0.00 cm\xCE/2\xCEr"},
        // clang-format on
    };
    for (const Case &c : cases) {
        char out[256];
        Oli_Prepare_Text(c.in, out, sizeof out);
        EXPECT_STREQ(out, c.out) << c.in;
    }
    /* the text without its signs is cut to the room of the output */
    char small[6];
    Oli_Prepare_Text("x = -0.00", small, sizeof small);
    EXPECT_STREQ(small, "x = 0");
    char exact[3];
    Oli_Prepare_Text("-0", exact, sizeof exact);
    EXPECT_STREQ(exact, "0");
}
