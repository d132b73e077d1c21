/*
** Environment services of the GUI stand-in: variables, the private data path, user settings,
** file listing, starting programs, copying files, the standard-I/O table and number formats.
*/
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/zelkwin.h"
#include "tests/platform/test_zelkwin_scratch.h"

namespace {

void Touch(const std::string &path, const char *text)
{
    FILE *f = fopen(path.c_str(), "w");
    ASSERT_NE(f, nullptr);
    fputs(text, f);
    fclose(f);
}

std::string Read(const std::string &path)
{
    FILE *f = fopen(path.c_str(), "r");
    if (!f) return "<none>";
    char buf[256];
    size_t n = fread(buf, 1, sizeof buf - 1, f);
    buf[n] = 0;
    fclose(f);
    return buf;
}

std::string Fmt(double v, int flags, int width, int maxd, int dec)
{
    char out[64];
    int n = formatNumber(v, flags, width, maxd, dec, out);
    EXPECT_EQ(n, (int)strlen(out));
    return out;
}

} // namespace

TEST(ZelkwinEnv, VariablesAndPrivateDataPath)
{
    setenv("SPLICE_TEST_VAR", "Wert", 1);
    ASSERT_NE(VELGetEnv("SPLICE_TEST_VAR"), nullptr);
    EXPECT_STREQ(VELGetEnv("SPLICE_TEST_VAR"), "Wert");
    unsetenv("SPLICE_TEST_VAR");
    EXPECT_EQ(VELGetEnv("SPLICE_TEST_VAR"), nullptr);
    EXPECT_EQ(VELGetEnv(nullptr), nullptr);
    setenv("SPLICE_PRIVATE_DATA", "/daten/privat/", 1);
    EXPECT_STREQ(CurOb_Privat_Datapath(), "/daten/privat");
    unsetenv("SPLICE_PRIVATE_DATA");
    setenv("EXEC", "/programme", 1);
    EXPECT_STREQ(CurOb_Privat_Datapath(), "/programme/splice");
    unsetenv("EXEC");
    EXPECT_STREQ(CurOb_Privat_Datapath(), ".");
    setenv("SPLICE_APPLICATION_NUMBER", "112", 1);
    EXPECT_EQ(CurOb_Application_Number(), 112);
    unsetenv("SPLICE_APPLICATION_NUMBER");
    EXPECT_EQ(CurOb_Application_Number(), 0);
}

TEST(ZelkwinEnv, UserSettingsFromOurFile)
{
    std::string ini = Scratch("user_test.ini");
    Touch(ini, "# Einstellungen\nUseSheetOkShortKey = 1\nUseSheetBreakShortKeyX=7\nLang=12345\n");
    setenv("SPLICE_USER_SETTINGS", ini.c_str(), 1);
    char buf[21];
    EXPECT_EQ(VELGetUserString("UseSheetOkShortKey", buf, 21), 1);
    EXPECT_STREQ(buf, "1");
    EXPECT_EQ(VELGetUserString("UseSheetBreakShortKey", buf, 21), 0);
    EXPECT_EQ(VELGetUserString("UseSheetHelpShortKey", buf, 21), 0);
    EXPECT_EQ(VELGetUserString("Lang", buf, 3), 1);
    EXPECT_STREQ(buf, "12");
    setenv("SPLICE_USER_SETTINGS", "gibt_es_nicht.ini", 1);
    EXPECT_EQ(VELGetUserString("UseSheetOkShortKey", buf, 21), 0);
    unsetenv("SPLICE_USER_SETTINGS");
}

TEST(ZelkwinEnv, FileListingWithWildcardsIgnoringCase)
{
    const std::string dir = Scratch("exec_list");
    mkdir(dir.c_str(), 0755);
    mkdir((dir + "/statik").c_str(), 0755);
    mkdir((dir + "/holz").c_str(), 0755);
    Touch(dir + "/APP12.DEF", "x");
    Touch(dir + "/app7.def", "xy");
    Touch(dir + "/other.txt", "z");
    DOS_FIND_DATA d;
    int h = DOSFindFirstFile((dir + "\\APP*.DEF").c_str(), &d);
    ASSERT_GT(h, 0);
    EXPECT_STREQ(d.name, "APP12.DEF");
    EXPECT_EQ(d.size, 1);
    EXPECT_EQ(d.attrib, 0x20);
    EXPECT_EQ(DOSFindNext(h, &d), 1);
    EXPECT_STREQ(d.name, "app7.def");
    EXPECT_EQ(DOSFindNext(h, &d), 0);
    DOSFindClose(h);
    EXPECT_EQ(DOSFindNext(h, &d), 0);
    h = DOSFindFirstDirectory((dir + "\\*.*").c_str(), &d);
    ASSERT_GT(h, 0);
    EXPECT_STREQ(d.name, "holz");
    EXPECT_EQ(d.attrib, 0x10);
    EXPECT_EQ(DOSFindNext(h, &d), 1);
    EXPECT_STREQ(d.name, "statik");
    EXPECT_EQ(DOSFindNext(h, &d), 0);
    DOSFindClose(h);
    EXPECT_EQ(DOSFindFirstFile((dir + "/*.xyz").c_str(), &d), 0);
    EXPECT_EQ(DOSFindFirstFile("gibt_es_nicht/*", &d), 0);
    h = DOSFindFirstFile((dir + "/?THER.TXT").c_str(), &d);
    EXPECT_GT(h, 0);
    DOSFindClose(h);
}

TEST(ZelkwinEnv, ProgramsCopiesAndRemovals)
{
    const std::string src = Scratch("copy_src.txt"), dst = Scratch("copy_dst.txt");
    const char *ok[] = {"/bin/true", nullptr};
    const char *bad[] = {"/bin/false", nullptr};
    EXPECT_EQ(VELSpawnv("/bin/true", ok), 0);
    EXPECT_EQ(VELSpawnv("/bin/false", bad), 1);
    EXPECT_EQ(VELSpawnv("/gibt/es/nicht", ok), -1);
    Touch(src, "Inhalt");
    remove(dst.c_str());
    EXPECT_EQ(VELCopyFile(src.c_str(), dst.c_str(), 1), 1);
    EXPECT_EQ(Read(dst), "Inhalt");
    Touch(src, "Neu");
    EXPECT_EQ(VELCopyFile(src.c_str(), dst.c_str(), 1), 0);
    EXPECT_EQ(Read(dst), "Inhalt");
    EXPECT_EQ(VELCopyFile(src.c_str(), dst.c_str(), 0), 1);
    EXPECT_EQ(Read(dst), "Neu");
    EXPECT_EQ(VELRemoveFile(dst.c_str()), 1);
    EXPECT_EQ(VELRemoveFile(dst.c_str()), 0);
}

TEST(ZelkwinEnv, StdioTableHandedOver)
{
    ASSERT_NE(VEL_STDIO_FCT, nullptr);
    EXPECT_EQ(VEL_STDIO_FCT->count, 18);
    const std::string out = Scratch("stdio_test.txt");
    FILE *f = VEL_STDIO_FCT->p_fopen(out.c_str(), "w");
    ASSERT_NE(f, nullptr);
    VEL_STDIO_FCT->p_fprintf(f, "%s %d %.2f\n", "Zeile", 7, 1.5);
    /* a cut text, and a null text in both text formats: written as "(null)", cut as asked */
    const char *volatile none = nullptr;
    VEL_STDIO_FCT->p_fprintf(f, "%.*s", 3, "Zeilenende");
    VEL_STDIO_FCT->p_fprintf(f, "%.*s", 3, none);
    VEL_STDIO_FCT->p_fprintf(f, "%s", "|");
    VEL_STDIO_FCT->p_fprintf(f, "%.*s", -1, none);
    VEL_STDIO_FCT->p_fprintf(f, "%s", none);
    VEL_STDIO_FCT->p_fclose(f);
    EXPECT_EQ(Read(out), "Zeile 7 1.50\nZei(nu|(null)(null)");
    static VEL_Stdio_Fct_Table mine = *VEL_STDIO_FCT;
    VELSetStdioFctPtr(&mine);
    EXPECT_EQ(VEL_STDIO_FCT, &mine);
    VELSetStdioFctPtr(nullptr);
    EXPECT_NE(VEL_STDIO_FCT, nullptr);
    EXPECT_NE(VEL_STDIO_FCT, &mine);
}

TEST(ZelkwinEnv, FormatNumberRoundsHalfAwayFromZero)
{
    EXPECT_EQ(Fmt(3.14159, 0, 8, 0, 2), "    3.14");
    EXPECT_EQ(Fmt(2.5, 16, 5, 0, 0), "    3");
    EXPECT_EQ(Fmt(-2.5, 16, 5, 0, 0), "   -3");
    EXPECT_EQ(Fmt(0.125, 0, 0, 0, 2), "0.13");
    EXPECT_EQ(Fmt(1.005, 0, 0, 0, 2), "1.01");
    EXPECT_EQ(Fmt(1.0049, 0, 0, 0, 2), "1.00");
    EXPECT_EQ(Fmt(-0.004, 0, 6, 0, 2), " -0.00");
    EXPECT_EQ(Fmt(42.0, 16, 4, 0, 3), "  42");
    /* the factor style of the combination names: up to 5 decimals, at least 2, no padding */
    EXPECT_EQ(Fmt(1.35, 0x372, 20, 5, 2), "1.35");
    EXPECT_EQ(Fmt(2.0, 0x372, 20, 5, 2), "2");
    EXPECT_EQ(Fmt(1.5, 0x372, 20, 5, 2), "1.50");
    EXPECT_EQ(Fmt(1.234567, 0x372, 20, 5, 2), "1.23457");
    EXPECT_EQ(Fmt(123456.0, 0, 3, 0, 1), "123456.0");
    EXPECT_EQ(Fmt(1e300, 0, 0, 0, 2).size(), 63u); /* cut to the 64-byte buffer */
}
