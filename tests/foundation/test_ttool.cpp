/*
** Tests of the text tools: blank marks, trimming, copies, substrings, words, number words,
** integer lists and version texts.
*/
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "foundation/foundation.h"

namespace {

TEST(TextTools, BlankMarksRoundTrip)
{
    char s[] = "a b\nc\rd";
    EXPECT_EQ(Str_Encode_Blank_Marks(s), 7);
    EXPECT_STREQ(s, "a\xFE"
                    "b\xFD"
                    "c\xFC"
                    "d");
    EXPECT_EQ(Str_Decode_Blank_Marks(s), 7);
    EXPECT_STREQ(s, "a b\nc\rd");
}

TEST(TextTools, WhiteSpaceTools)
{
    char a[] = "  a \t b\n";
    char *end = Str_Collapse_White(a);
    EXPECT_STREQ(a, " a b ");
    EXPECT_EQ(end, a + 5);
    EXPECT_EQ(Str_Collapse_White(nullptr), nullptr);
    char *copy = Str_Collapse_White_Copy("x\t\ty");
    EXPECT_STREQ(copy, "x y");
    free(copy);

    char b[] = "ab  ";
    EXPECT_EQ(Str_Trim_Right_Blanks(b), 2);
    EXPECT_STREQ(b, "ab");
    EXPECT_EQ(Str_Trim_Right_Blanks(b), 0);
    char c[] = "   ";
    EXPECT_EQ(Str_Trim_Right_Blanks(c), 3);
    EXPECT_STREQ(c, "");

    char d[] = "ab \n";
    EXPECT_STREQ(Str_Trim_Right_Blank_Lf(d), "ab");
    char e[] = "ab\n";
    EXPECT_STREQ(Str_Trim_Right_Blank_Lf(e), "ab\n"); /* no blank before the line feed */

    char f[] = " \tab \n";
    EXPECT_EQ(Str_Trim_White_Flags(f, 2), 4);
    EXPECT_STREQ(f, " \tab");
    EXPECT_EQ(Str_Trim_White_Flags(f, 1), 2);
    EXPECT_STREQ(f, "ab");
    EXPECT_EQ(Str_Trim_White_Flags(nullptr, 3), 0);

    char g[] = "a b c";
    EXPECT_EQ(Blanks_To_Question_Marks(g), 5);
    EXPECT_STREQ(g, "a?b?c");
    EXPECT_EQ(Question_Marks_To_Blanks(g), 5);
    EXPECT_STREQ(g, "a b c");
    EXPECT_EQ(Len_Without_Trailing_Blanks("xy   "), 2);
    EXPECT_EQ(Len_Without_Trailing_Blanks("   "), 0);
}

TEST(TextTools, TrimAndPadInStaticBuffers)
{
    EXPECT_STREQ(Trim_Blanks("  x y  "), "x y");
    EXPECT_STREQ(Trim_Blanks("\tx "), "\tx"); /* blanks only, not tabs */
    const std::string long_text(600, 'q');
    EXPECT_EQ(strlen(Trim_Blanks(long_text.c_str())), 511u);
    EXPECT_STREQ(Pad_With_Blanks("ab", 5), "ab   ");
    EXPECT_STREQ(Pad_With_Blanks("abcdef", 3), "abc");
    EXPECT_EQ(strlen(Pad_With_Blanks("x", 900)), 511u);
    char h[10] = "abc";
    EXPECT_STREQ(Str_Pad_To_Width(h, 6), "abc   ");
    EXPECT_STREQ(Str_Pad_To_Width(h, 2), "ab");
}

TEST(TextTools, BoundedCopies)
{
    char dst[8];
    memset(dst, 'z', sizeof dst);
    EXPECT_EQ(Str_Copy_Bounded(dst, "abcdef", 4), dst);
    EXPECT_STREQ(dst, "abc");
    EXPECT_EQ(dst[3], '\0');
    EXPECT_EQ(dst[4], 'z'); /* only n bytes are touched */
    Str_Copy_Bounded(dst, "ab", 8);
    for (int i = 2; i < 8; i++) EXPECT_EQ(dst[i], '\0');
    Str_Copy_Bounded(dst, "xyz", 0);
    EXPECT_STREQ(dst, "ab");

    char pad[8];
    EXPECT_STREQ(Str_Copy_Pad(pad, "abcdef", 3), "abc");
    EXPECT_STREQ(Str_Copy_Pad(pad, "a", 4), "a   ");
    EXPECT_STREQ(Str_Copy_Pad(pad, nullptr, 2), "  ");

    char buf[12];
    EXPECT_EQ(Str_Copy_Flags(" ab ", buf, 10, 3), 2);
    EXPECT_STREQ(buf, "ab");
    EXPECT_EQ(Str_Copy_Flags("ab", buf, 6, 4), 5);
    EXPECT_STREQ(buf, "ab   ");
    EXPECT_EQ(Str_Copy_Flags("abcdefgh", buf, 4, 0), 3);
    EXPECT_STREQ(buf, "abc");
    strcpy(buf, "xhello");
    EXPECT_EQ(Str_Copy_Flags(buf + 1, buf, 12, 0), 5); /* overlapping source */
    EXPECT_STREQ(buf, "hello");
    EXPECT_EQ(Str_Copy_Flags(nullptr, buf, 12, 0), 0);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(Str_Copy_Flags("a", nullptr, 12, 0), 0);
}

TEST(TextTools, FindFromTellsFailureApart)
{
    EXPECT_EQ(Str_Find_From(0, "abcabc", "bc"), 1);
    EXPECT_EQ(Str_Find_From(2, "abcabc", "bc"), 4);
    EXPECT_EQ(Str_Find_From(0, "abcabc", "x"), -1);
    EXPECT_EQ(Str_Find_From(0, "abc", "a"), 0);
    EXPECT_EQ(Str_Find_From(5, "abc", "a"), -1); /* start beyond the end: no valid index */
    EXPECT_EQ(Str_Find_From(-1, "abc", "a"), -1);
    EXPECT_EQ(Str_Find_From(0, nullptr, "a"), -1);
}

TEST(TextTools, SubstringRing)
{
    char *first = Str_Left("abcdefgh", 8);
    EXPECT_STREQ(first, "abcdefgh");
    EXPECT_STREQ(Str_Mid("abcdef", 2, 10), "cdef");
    EXPECT_EQ(Str_Mid("abc", 3, 1), nullptr);
    EXPECT_STREQ(Str_Mid("abc", 0, 0), "");
    EXPECT_STREQ(Str_Right("abcdef", 2), "ef");
    EXPECT_STREQ(Str_Right("ab", 5), "ab");
    EXPECT_STREQ(Str_Left("ab", 5), "ab");
    /* Six calls stored so far (the null answer stores nothing); two more make eight, then the
    ** ninth reuses the first call's buffer. */
    char *others[2];
    for (char *&o : others) o = Str_Left("zz", 1);
    EXPECT_STREQ(others[1], "z");
    char *ninth = Str_Left("xy", 2);
    EXPECT_EQ(ninth, first);
    EXPECT_STREQ(first, "xy");
    Str_Ring_Release(first); /* reused buffer (flag 0): ignored */
    EXPECT_STREQ(first, "xy");
    char stranger[] = "keep";
    Str_Ring_Release(stranger);
    EXPECT_STREQ(stranger, "keep");
}

TEST(TextTools, WordsAndReplacement)
{
    EXPECT_EQ(Str_Count_Words("  a   bc  "), 2);
    int n = 0;
    char **words = nullptr;
    ASSERT_EQ(Str_Split_Words("  a   bc  ", &n, &words), 1);
    ASSERT_EQ(n, 2);
    EXPECT_STREQ(words[0], "a");
    EXPECT_STREQ(words[1], "bc");
    for (int i = 0; i < n; i++) free(words[i]);
    free(words);
    EXPECT_EQ(Str_Split_Words("   ", &n, &words), 0);
    EXPECT_EQ(Str_Split_Words("", &n, &words), 0);

    char text[] = "a,b,c";
    int count = -1;
    char *r = Str_Replace_Char(text, ",", "; ", &count);
    EXPECT_EQ(count, 2);
    EXPECT_STREQ(r, "a; b; c");
    EXPECT_NE(r, text);
    free(r);
    EXPECT_EQ(Str_Replace_Char(text, "x", "y", &count), text);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(Str_Replace_Char(nullptr, ",", "y", &count), nullptr);
}

TEST(TextTools, ReadLineWithoutNewline)
{
    FILE *f = tmpfile();
    ASSERT_NE(f, nullptr);
    fputs("erste\nzweite", f);
    rewind(f);
    char buf[32];
    EXPECT_STREQ(Read_Line_No_Newline(buf, sizeof buf, f), "erste");
    EXPECT_STREQ(Read_Line_No_Newline(buf, sizeof buf, f), "zweite");
    EXPECT_EQ(Read_Line_No_Newline(buf, sizeof buf, f), nullptr);
    EXPECT_EQ(Read_Line_No_Newline(buf, 0, f), nullptr);
    EXPECT_EQ(Read_Line_No_Newline(buf, 8, nullptr), nullptr);
    fclose(f);
}

TEST(NumberWords, UnitsTensAndCompounds)
{
    EXPECT_STREQ(Number_Word_Units(1, 1), "eins");
    EXPECT_STREQ(Number_Word_Units(1, 0), "ein");
    EXPECT_STREQ(Number_Word_Units(5, 0), "f\x81nf");
    EXPECT_STREQ(Number_Word_Units(12, 0), "zw\x94lf");
    EXPECT_STREQ(Number_Word_Units(16, 0), "sechzehn");
    EXPECT_STREQ(Number_Word_Units(20, 0), "-Fehler-");
    EXPECT_STREQ(Number_Word_Units(0, 0), "-Fehler-");
    EXPECT_STREQ(Number_Word_Tens(35), "dreissig");
    EXPECT_STREQ(Number_Word_Tens(50), "f\x81nfzig");
    EXPECT_STREQ(Number_Word_Tens(100), "-Fehler-");
    EXPECT_STREQ(Number_Word_Below_100(21, 1), "einundzwanzig");
    EXPECT_STREQ(Number_Word_Below_100(40, 1), "vierzig");
    EXPECT_STREQ(Number_Word_Below_1000(101, 1), "einhunderteins");
    EXPECT_STREQ(Number_Word_Below_1000(312, 1), "dreihundertzw\x94lf");
    EXPECT_STREQ(Number_Word_Below_Million(1000), "eintausend");
    EXPECT_STREQ(Number_Word_Below_Million(21001), "einundzwanzigtausendeins");
}

TEST(NumberWords, CapitalisedNumbers)
{
    EXPECT_STREQ(Number_To_Words(21), "Einundzwanzig");
    EXPECT_STREQ(Number_To_Words(103), "Einhundertdrei");
    EXPECT_STREQ(Number_To_Words(312), "Dreihundertzw\x94lf");
    EXPECT_STREQ(Number_To_Words(16), "Sechzehn");
    EXPECT_STREQ(Number_To_Words(0), "Null");
    EXPECT_STREQ(Number_To_Words(1000000), "Einemillion");
    EXPECT_STREQ(Number_To_Words(1234567),
                 "Einemillionzweihundertvierunddreissigtausendf\x81nfhundertsiebenundsechzig");
    EXPECT_STREQ(Number_To_Words(3000000), "Dreimillionen");
    EXPECT_STREQ(Number_To_Words(1000000000), "Einemilliarde");
    EXPECT_STREQ(Number_To_Words(2000000005), "Zweimilliardenf\x81nf");
    EXPECT_STREQ(
        Number_To_Words(4294967285LL),
        "Viermilliardenzweihundertvierundneunzigmillionenneunhundertsiebenundsechzigtausend"
        "zweihundertf\x81nfundachtzig");
    EXPECT_STREQ(Number_To_Words(4294967286LL), "Zahl zu gross");
    EXPECT_STREQ(Get_Count_Word(0), "keiner");
    EXPECT_STREQ(Get_Count_Word(5), "funf");
    EXPECT_STREQ(Get_Count_Word(12), "12");
}

TEST(IntListText, RangesAndTheLastValue)
{
    const int a[] = {1, 2, 3, 5, 7};
    EXPECT_STREQ(Int_List_Text(5, a), "1 bis 3, 5 und 7");
    const int b[] = {1, 2, 3};
    EXPECT_STREQ(Int_List_Text(3, b), "1 bis 2 und 3");
    const int c[] = {4};
    EXPECT_STREQ(Int_List_Text(1, c), "4");
    const int d[] = {4, 9};
    EXPECT_STREQ(Int_List_Text(2, d), "4 und 9");
    const int e[] = {-3, -2, -1, 0, 10};
    EXPECT_STREQ(Int_List_Text(5, e), "-3 bis 0 und 10");
    const int f[] = {100000, 100001, 100002, 100003, 7, 8, 9, 1};
    EXPECT_STREQ(Int_List_Text(8, f), "100000 bis 100003, 7 bis 9 und 1");
    EXPECT_STREQ(Int_List_Text(0, a), "");
    EXPECT_STREQ(Int_List_Text(3, nullptr), "");
}

TEST(VersionTexts, ParseAndCompare)
{
    int first = -1, second = -1;
    char suffix[4];
    EXPECT_EQ(Parse_Version_Text("Splice 3.12.abc", &first, &second, suffix), 5);
    EXPECT_EQ(first, 3);
    EXPECT_EQ(second, 12);
    EXPECT_STREQ(suffix, "abc");
    Parse_Version_Text("Splice 3.1.abcd", &first, &second, suffix);
    EXPECT_STREQ(suffix, "abc"); /* at most three characters */
    Parse_Version_Text("Splice 2.5", &first, &second, suffix);
    EXPECT_EQ(first, 2);
    EXPECT_EQ(second, 5);
    EXPECT_STREQ(suffix, "???");
    Parse_Version_Text("Splice", &first, &second, suffix);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 0);
    EXPECT_EQ(Compare_Version_Texts("P 1.12.a", "P 2.11.a"), 1); /* second numbers first */
    EXPECT_EQ(Compare_Version_Texts("P 1.5.a", "P 2.5.a"), -1);
    EXPECT_LT(Compare_Version_Texts("P 2.5.a", "P 2.5.b"), 0);
    EXPECT_EQ(Compare_Version_Texts("P 2.5.a", "P 2.5.a"), 0);
}

TEST(CodepageMaps, UmlautsBothWays)
{
    EXPECT_STREQ(Umlauts_To_Cp850("\xC4\xD6\xDC\xDF\xE4\xF6\xFC"), "\x8E\x99\x9A\xE1\x84\x94\x81");
    EXPECT_STREQ(Umlauts_To_Cp1252("\x8E\x99\x9A\xE1\x84\x94\x81"), "\xC4\xD6\xDC\xDF\xE4\xF6\xFC");
    EXPECT_STREQ(Umlauts_To_Cp850("Ma\xDF"
                                  "e \xE9"),
                 "Ma\xE1"
                 "e \xE9"); /* other bytes unchanged */
    EXPECT_STREQ(Umlauts_To_Cp1252("Stra\xE1"
                                   "e"),
                 "Stra\xDF"
                 "e");
    EXPECT_STREQ(Umlauts_To_Cp850("Maßgebende"_cp1252), "Maßgebende"_cp850);
    EXPECT_STREQ(Umlauts_To_Cp1252("Größe"_cp850), "Größe"_cp1252);
    const std::string long_text(600, 'a');
    EXPECT_EQ(strlen(Umlauts_To_Cp850(long_text.c_str())), 511u);
    EXPECT_STREQ(Umlauts_To_Cp850(nullptr), "");
}

TEST(CodepageMaps, HtmlAndAcute)
{
    EXPECT_STREQ(Umlauts_To_Html("Gr\x81\xE1"
                                 "e \x8E\x99\x9A\x84\x94"),
                 "Gr&uuml;&szlig;e &Auml;&Ouml;&Uuml;&auml;&ouml;");
    const std::string many(300, '\x81');
    EXPECT_EQ(strlen(Umlauts_To_Html(many.c_str())), 504u); /* stops once past 503 characters */
    EXPECT_STREQ(Quote_To_Acute("it's 'x'"), "it\xB4s \xB4x\xB4");
}

TEST(TextTools, StrDupNAndSmallHelpers)
{
    char *s = Str_Dup_N("Brettschichtholz", 5);
    ASSERT_NE(s, nullptr);
    EXPECT_STREQ(s, "Brett");
    free(s);
    s = Str_Dup_N(nullptr, 4);
    EXPECT_STREQ(s, "\n");
    free(s);
    s = Str_Dup_N("ab", 6);
    EXPECT_EQ(memcmp(s, "ab\0\0\0\0\0", 7), 0);
    free(s);
    EXPECT_EQ(Str_Size(nullptr), 0);
    EXPECT_EQ(Str_Size("abc"), 4);
}

} // namespace
