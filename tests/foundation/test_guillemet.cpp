/*
** Tests of guillemet strings, bracketed texts and keyword lines.
*/
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "foundation/foundation.h"

namespace {

/* A scratch stream holding text, positioned at its start. */
FILE *Stream_Of(const std::string &text)
{
    FILE *f = tmpfile();
    if (f) {
        fwrite(text.data(), 1, text.size(), f);
        rewind(f);
    }
    return f;
}

std::string Rest_Of(FILE *f)
{
    std::string s;
    int c;
    while ((c = getc(f)) != EOF) s += static_cast<char>(c);
    return s;
}

TEST(Guillemet, ReadSkipsBlanksTabsAndLineFeeds)
{
    FILE *f = Stream_Of(" \n\t\xAEHolz\xAF");
    char buf[256];
    EXPECT_EQ(Read_Guillemet_String(f, buf), 4);
    EXPECT_STREQ(buf, "Holz");
    fclose(f);
    f = Stream_Of("\r\xAEHolz\xAF"); /* a carriage return is no blank */
    EXPECT_EQ(Read_Guillemet_String(f, buf), -1);
    fclose(f);
}

TEST(Guillemet, MissingOpeningMarkConsumesOneCharacter)
{
    FILE *f = Stream_Of("x\xAE"
                        "a\xAF");
    char buf[256];
    EXPECT_EQ(Read_Guillemet_String(f, buf), -1);
    EXPECT_EQ(getc(f), 0xAE);
    fclose(f);
    f = Stream_Of("x\xAE"
                  "a\xAF");
    char small[100];
    EXPECT_EQ(Read_Guillemet_String_Short(f, small), 0);
    EXPECT_STREQ(small, "");
    EXPECT_EQ(getc(f), 0xAE);
    fclose(f);
}

TEST(Guillemet, LengthLimitsAndTheNextText)
{
    const std::string t300(300, 'h'), t255(255, 'k'), t99(99, 'm');
    FILE *f = Stream_Of("\xAE" + t300
                        + "\xAF \xAE"
                          "danach\xAF");
    char buf[256];
    EXPECT_EQ(Read_Guillemet_String(f, buf), 255);
    EXPECT_EQ(std::string(buf), t300.substr(0, 255));
    EXPECT_EQ(Read_Guillemet_String(f, buf), 6); /* the cut text does not spill into the next */
    EXPECT_STREQ(buf, "danach");
    fclose(f);

    f = Stream_Of("\xAE" + t300
                  + "\xAF\xAE"
                    "z\xAF");
    char small[100];
    EXPECT_EQ(Read_Guillemet_String_Short(f, small), 99);
    EXPECT_EQ(std::string(small), t300.substr(0, 99));
    EXPECT_EQ(Read_Guillemet_String_Short(f, small), 1);
    EXPECT_STREQ(small, "z");
    fclose(f);

    /* Written by the writer at the limits and read back. */
    f = tmpfile();
    EXPECT_EQ(Write_Delimited_String(f, t255.c_str()), 0);
    EXPECT_EQ(Write_Delimited_String(f, t99.c_str()), 0);
    EXPECT_EQ(Write_Delimited_String(f, nullptr), 0);
    EXPECT_EQ(Write_Delimited_String(f, "Ende"), 0);
    rewind(f);
    EXPECT_EQ(Read_Guillemet_String(f, buf), 255);
    EXPECT_EQ(std::string(buf), t255);
    EXPECT_EQ(Read_Guillemet_String_Short(f, small), 99);
    EXPECT_EQ(std::string(small), t99);
    EXPECT_EQ(Read_Guillemet_String(f, buf), 0);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(Read_Guillemet_String(f, buf), 4);
    EXPECT_STREQ(buf, "Ende");
    fclose(f);
    EXPECT_EQ(Write_Delimited_String(nullptr, "x"), 1);
}

/* The marks as another program may have saved them: code page 1252 and UTF-8. The text arrives
** in code page 850, the next read starts behind the closing mark, and the limits hold after the
** conversion. */
TEST(Guillemet, MarksOfCodePage1252AndUtf8AreRead)
{
    char buf[256], small[100];
    FILE *f =
        Stream_Of("\xAB\xD6sterreich\xBB \xC2\xAB\xC3\x96sterreich\xC2\xBB\xAE\x99sterreich\xAF"
                  "\xAB"
                  "Deutschland\xBB");
    EXPECT_EQ(Read_Guillemet_String(f, buf), 10);
    EXPECT_STREQ(buf, "\x99sterreich");
    EXPECT_EQ(Read_Guillemet_String_Short(f, small), 10);
    EXPECT_STREQ(small, "\x99sterreich");
    EXPECT_EQ(Read_Guillemet_String(f, buf), 10);
    EXPECT_STREQ(buf, "\x99sterreich");
    EXPECT_EQ(Read_Guillemet_String(f, buf), 11);
    EXPECT_STREQ(buf, "Deutschland");
    fclose(f);

    /* 150 umlauts in UTF-8 (300 bytes) fit the 255 characters; 300 are cut to 255 and the next
    ** text is read */
    std::string u150, u300;
    for (int i = 0; i < 150; i++) u150 += "\xC3\xA4";
    u300 = u150 + u150;
    f = Stream_Of("\xC2\xAB" + u150 + "\xC2\xBB\xC2\xAB" + u300
                  + "\xC2\xBB \xC2\xAB"
                    "z\xC2\xBB");
    EXPECT_EQ(Read_Guillemet_String(f, buf), 150);
    EXPECT_EQ(std::string(buf), std::string(150, '\x84'));
    EXPECT_EQ(Read_Guillemet_String(f, buf), 255);
    EXPECT_EQ(std::string(buf), std::string(255, '\x84'));
    EXPECT_EQ(Read_Guillemet_String_Short(f, small), 1);
    EXPECT_STREQ(small, "z");
    fclose(f);

    /* a UTF-8 text may hold a lone 0xBB (a continuation byte): only C2 BB closes it */
    f = Stream_Of("\xC2\xAB\xE2\x80\xBB"
                  "a\xC2\xBB"
                  "b");
    EXPECT_EQ(Read_Guillemet_String(f, buf), 2);
    EXPECT_STREQ(buf, "?a");
    EXPECT_EQ(Rest_Of(f), "b");
    fclose(f);

    /* no buffer: nothing read */
    f = Stream_Of("\xAB"
                  "a\xBB");
    EXPECT_EQ(Read_Guillemet_String_Short(f, nullptr), 0);
    EXPECT_EQ(Read_Guillemet_String(f, nullptr), -1);
    fclose(f);

    /* C2 without AB is no mark: that byte is consumed, the next stays */
    f = Stream_Of("\xC2x");
    EXPECT_EQ(Read_Guillemet_String(f, buf), -1);
    EXPECT_EQ(Rest_Of(f), "x");
    fclose(f);
}

TEST(Guillemet, EndOfFileEndsTheText)
{
    char buf[256], small[100];
    FILE *f = Stream_Of("\xAE"
                        "abc");
    EXPECT_EQ(Read_Guillemet_String(f, buf), 3);
    EXPECT_STREQ(buf, "abc");
    fclose(f);
    f = Stream_Of("\xAE"
                  "abc");
    EXPECT_EQ(Read_Guillemet_String_Short(f, small), 3);
    EXPECT_STREQ(small, "abc");
    fclose(f);
    f = Stream_Of("\xAE"
                  "zwei\nZeilen\xAF");
    EXPECT_EQ(Read_Guillemet_String(f, buf), 11);
    EXPECT_STREQ(buf, "zwei\nZeilen");
    fclose(f);
}

TEST(Bracketed, ReadAndWrite)
{
    FILE *f = tmpfile();
    EXPECT_EQ(Write_Bracketed_String(f, "abcdef", '(', ')'), 0);
    EXPECT_EQ(Write_Bracketed_String(f, nullptr, '[', ']'), 0);
    fputs(" x", f);
    rewind(f);
    char buf[4];
    EXPECT_EQ(Read_Bracketed_String(f, buf, sizeof buf, '(', ')'), 3);
    EXPECT_STREQ(buf, "abc"); /* the rest up to the closing character is skipped */
    EXPECT_EQ(Read_Bracketed_String(f, buf, sizeof buf, '[', ']'), 0);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(Read_Bracketed_String(f, buf, sizeof buf, '[', ']'), 0); /* 'x' is no opening */
    EXPECT_EQ(Read_Bracketed_String(f, nullptr, 4, '[', ']'), -1);
    EXPECT_EQ(Read_Bracketed_String(f, buf, 0, '[', ']'), -1);
    EXPECT_EQ(Read_Bracketed_String(nullptr, buf, 4, '[', ']'), -1);
    EXPECT_EQ(Write_Bracketed_String(nullptr, "a", '[', ']'), 1);
    fclose(f);
    f = Stream_Of("\n  <NAD EC5>");
    char name[32];
    EXPECT_EQ(Read_Bracketed_String(f, name, sizeof name, '<', '>'), 7);
    EXPECT_STREQ(name, "NAD EC5");
    fclose(f);
}

TEST(KeywordLines, FindKeywordLine)
{
    FILE *f = Stream_Of("#EC\n#EC5 Holz und mehr\nnext line\n#EC5\n");
    char line[64];
    EXPECT_EQ(Find_Keyword_Line(f, "#EC5", 1), 1);
    EXPECT_STREQ(Read_Line_No_Newline(line, sizeof line, f), "next line");
    EXPECT_EQ(Find_Keyword_Line(f, "#EC5", 0), 1); /* the line that is exactly the keyword */
    EXPECT_EQ(Find_Keyword_Line(f, "#EC5", 0), 0);
    EXPECT_EQ(Find_Keyword_Line(f, "#EC5", 1), 1);
    EXPECT_EQ(Find_Keyword_Line(f, "#EC6", 1), 0);
    EXPECT_EQ(Find_Keyword_Line(f, "", 1), 0);
    EXPECT_EQ(Find_Keyword_Line(f, nullptr, 1), 0);
    EXPECT_EQ(Find_Keyword_Line(nullptr, "#EC5", 1), 0);
    fclose(f);
    /* A line of exactly keyword length before a line feed: the next line is not skipped. */
    f = Stream_Of("abcd\nKEY1\nrest\n");
    EXPECT_EQ(Find_Keyword_Line(f, "KEY1", 1), 1);
    EXPECT_STREQ(Read_Line_No_Newline(line, sizeof line, f), "rest");
    fclose(f);
    /* Only the first 100 characters of a keyword count. */
    const std::string key(120, 'k');
    f = Stream_Of(std::string(100, 'k') + "xyz\nafter\n");
    EXPECT_EQ(Find_Keyword_Line(f, key.c_str(), 1), 1);
    fclose(f);
}

TEST(KeywordLines, SeekPrefixLineReadsTheInteger)
{
    FILE *f = Stream_Of("other\nSECTION 12\nbody\n");
    int v = -1;
    EXPECT_EQ(Seek_Keyword_Prefix_Line("SECTION", f, &v), 1);
    EXPECT_EQ(v, 12);
    char line[32];
    EXPECT_STREQ(Read_Line_No_Newline(line, sizeof line, f), "body");
    fclose(f);
    f = Stream_Of("SECTION x\n");
    v = 5;
    EXPECT_EQ(Seek_Keyword_Prefix_Line("SECTION", f, &v), 1);
    EXPECT_EQ(v, 5);
    EXPECT_EQ(Seek_Keyword_Prefix_Line("MISSING", f, &v), 0);
    EXPECT_EQ(Seek_Keyword_Prefix_Line("SECTION", f, nullptr), 1);
    fclose(f);
}

TEST(KeywordLines, SeekPrefixLineOnLongLines)
{
    /* A line longer than one piece whose continuation begins with the keyword is no keyword line. */
    const std::string pad(510, '-');
    FILE *f = Stream_Of(pad + "KEY 7 inside a long line\nKEY 9\nnach\n");
    int v = 0;
    EXPECT_EQ(Seek_Keyword_Prefix_Line("KEY", f, &v), 1);
    EXPECT_EQ(v, 9);
    fclose(f);
    /* A long keyword line: the file stands behind the whole line. */
    f = Stream_Of("KEY 5 " + std::string(1500, 'x') + "\nafter\n");
    EXPECT_EQ(Seek_Keyword_Prefix_Line("KEY", f, &v), 1);
    EXPECT_EQ(v, 5);
    EXPECT_EQ(Rest_Of(f), "after\n");
    fclose(f);
}

TEST(KeywordLines, SkipAndBoundedLines)
{
    FILE *f = Stream_Of("hello world\nnext\nlast");
    char buf[6];
    EXPECT_EQ(Read_Line_Bounded(f, buf, sizeof buf), 6); /* the kept length plus 1 */
    EXPECT_STREQ(buf, "hello");
    Skip_Line(f);
    EXPECT_EQ(Read_Line_Bounded(f, buf, sizeof buf), 5);
    EXPECT_STREQ(buf, "last");
    EXPECT_EQ(Read_Line_Bounded(f, buf, 0), -1);
    EXPECT_EQ(Read_Line_Bounded(nullptr, buf, sizeof buf), 1);
    EXPECT_STREQ(buf, "");
    fclose(f);
    f = Stream_Of("  \t\nx");
    EXPECT_EQ(Next_Nonblank_Char(f), 'x');
    EXPECT_EQ(Next_Nonblank_Char(f), EOF);
    fclose(f);
}

} // namespace
