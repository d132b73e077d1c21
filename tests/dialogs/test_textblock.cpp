/*
** Tests of the text blocks: the "TXB" header, guillemet lines of at most 100 bytes, line feeds
** stored as 0x01, and the reader's bounds.
*/
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "dialogs/dialogs.h"

namespace {

std::string Write_To_String(const char *text)
{
    FILE *f = tmpfile();
    Write_Text_Block(f, text);
    std::string out;
    rewind(f);
    int c;
    while ((c = fgetc(f)) != EOF) out.push_back((char)c);
    fclose(f);
    return out;
}

/* Read a block from the given file bytes; the result is copied and freed. */
bool Read_From_String(const std::string &bytes, std::string *text)
{
    FILE *f = tmpfile();
    fwrite(bytes.data(), 1, bytes.size(), f);
    rewind(f);
    char *t = Read_Text_Block(f);
    fclose(f);
    if (t == nullptr) return false;
    *text = t;
    free(t);
    return true;
}

std::string Line(const std::string &body) { return "\xAE" + body + "\xAF\n"; }

} // namespace

TEST(TextBlock, WritesLengthAndLinesOf100)
{
    std::string text;
    for (int i = 0; i < 230; i++) text.push_back((char)('a' + i % 26));
    std::string expected = "TXB230\n" + Line(text.substr(0, 100)) + Line(text.substr(100, 100))
                           + Line(text.substr(200, 30));
    EXPECT_EQ(Write_To_String(text.c_str()), expected);
    std::string back;
    ASSERT_TRUE(Read_From_String(expected, &back));
    EXPECT_EQ(back, text);
}

TEST(TextBlock, NullAndEmptyTextsGiveTxb0AndReadAsNull)
{
    EXPECT_EQ(Write_To_String(nullptr), "TXB0\n");
    EXPECT_EQ(Write_To_String(""), "TXB0\n");
    std::string back;
    EXPECT_FALSE(Read_From_String("TXB0\n", &back));
}

TEST(TextBlock, CutsExactlyEvery100Bytes)
{
    std::string t100(100, 'x'), t101(101, 'y');
    EXPECT_EQ(Write_To_String(t100.c_str()), "TXB100\n" + Line(t100));
    EXPECT_EQ(Write_To_String(t101.c_str()), "TXB101\n" + Line(std::string(100, 'y')) + Line("y"));
}

TEST(TextBlock, LineFeedsTravelAsByte01)
{
    EXPECT_EQ(Write_To_String("a\nb"), std::string("TXB3\n\xAE"
                                                   "a\x01"
                                                   "b\xAF\n"));
    std::string back;
    ASSERT_TRUE(Read_From_String("TXB3\n\xAE"
                                 "a\x01"
                                 "b\xAF\n",
                                 &back));
    EXPECT_EQ(back, "a\nb");
}

TEST(TextBlock, ReaderSkipsLeadingBlanksAndLines)
{
    std::string back;
    ASSERT_TRUE(Read_From_String("\n  \nTXB2\n\xAE"
                                 "ok\xAF\n",
                                 &back));
    EXPECT_EQ(back, "ok");
}

TEST(TextBlock, ReaderRejectsMissingHeader)
{
    std::string back;
    EXPECT_FALSE(Read_From_String("XTB3\n\xAE"
                                  "abc\xAF\n",
                                  &back));
    EXPECT_FALSE(Read_From_String("TXBx\n", &back));
    EXPECT_FALSE(Read_From_String("TXB-4\n", &back));
}

TEST(TextBlock, EarlyEndGivesWhatWasRead)
{
    std::string back;
    ASSERT_TRUE(Read_From_String("TXB10\n\xAE"
                                 "abcd\xAF\n",
                                 &back));
    EXPECT_EQ(back, "abcd");
    ASSERT_TRUE(Read_From_String("TXB10\n\xAE"
                                 "abc\xAF\nnoline\n",
                                 &back));
    EXPECT_EQ(back, "abc");
}

TEST(TextBlock, ReaderStopsAtTheAnnouncedLength)
{
    /* more bytes in the lines than the header announces: the text is cut there */
    std::string back;
    ASSERT_TRUE(Read_From_String("TXB5\n\xAE"
                                 "abc\xAF\n\xAE"
                                 "defghijklmnop\xAF\n",
                                 &back));
    EXPECT_EQ(back, "abcde");
    ASSERT_TRUE(Read_From_String("TXB2\n" + Line(std::string(200, 'z')), &back));
    EXPECT_EQ(back, "zz");
}

TEST(TextBlock, RoundTripOfLongTextWithLineFeeds)
{
    std::string text;
    for (int i = 0; i < 1000; i++) text.push_back(i % 37 == 36 ? '\n' : (char)('A' + i % 26));
    std::string bytes = Write_To_String(text.c_str());
    std::string back;
    ASSERT_TRUE(Read_From_String(bytes, &back));
    EXPECT_EQ(back, text);
}

/* A damaged header that announces two gigabytes costs only the memory of the lines that follow:
** read in a child whose address space has just 512 MB to spare. */
TEST(TextBlockBounds, HugeAnnouncedLengthTakesOnlyTheLinesRead)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        long pages = 0;
        FILE *statm = fopen("/proc/self/statm", "r");
        if (!statm || fscanf(statm, "%ld", &pages) != 1) _exit(3);
        fclose(statm);
        struct rlimit lim;
        lim.rlim_cur = lim.rlim_max = (rlim_t)pages * (rlim_t)sysconf(_SC_PAGESIZE) + (512u << 20);
        if (setrlimit(RLIMIT_AS, &lim) != 0) _exit(4);
        std::string text;
        const bool ok = Read_From_String("TXB2000000000\n\xAE"
                                         "abc\x01"
                                         "d\xAF\n",
                                         &text);
        _exit(ok && text == "abc\nd" ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the reader died (signal " << WTERMSIG(status) << ")";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
