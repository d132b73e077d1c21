/*
** National-annex files: the frame, whole-file reading in any section order, the numbered user
** files, the spooler of old block formats and the one-time conversion of the older store.
*/
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "nad/nad.h"
#include "nad/nad_internal.h"
#include "dialogs/dialogs.h"
#include "platform/runtime.h"
#include "nad_test_util.h"

using namespace nadtest;

TEST(NadFile, WholeRecordWrittenAndReadBackEqual)
{
    Host host;
    NAD_Record *a = New_Defaults();
    a->flag_index = 7;
    a->variant = 1;
    snprintf(a->name, sizeof a->name, "%s", "Testland");
    a->ec0.psi_bld[8][0] = 0.55;
    a->ec2.gamma_c[0] = 1.45;
    a->ec3.ec3_1.gamma_m1 = 1.05;
    a->ec5.gamma_m_connections = 1.25;
    a->ec5.use_table_na4 = 1;
    a->ec6.gamma_m_masonry[2] = 1.4;
    a->ec9.gamma_m_adhesive = 2.5;
    const std::string text = Written([&](FILE *f) { Write_NAD_File(f, a); });
    const std::string head = "NAD/Version 1\n\n 7 \xAETestland\xAF 1\n\n\n#EC0\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_NE(text.find("\n\n#EC2\n"), std::string::npos);
    EXPECT_LT(text.find("#EC3"), text.find("#EC5"));
    EXPECT_LT(text.find("#EC6"), text.find("#EC9"));
    EXPECT_EQ(text.find("#EC1"), std::string::npos);

    EXPECT_EQ(Store_User_NAD_File(1, a), 0); /* no folder NADS yet */
    Safeguard_Proper_Version();
    ASSERT_EQ(Store_User_NAD_File(1, a), 1);
    EXPECT_EQ(Read_File(host.dram + "/NADS/1.NAD"), text);
    NAD_Record *b = New_Defaults();
    ASSERT_EQ(Read_NAD_File(1, nullptr, b), 1);
    EXPECT_EQ(b->user_defined, 1);
    EXPECT_EQ(b->flag_index, 7);
    EXPECT_STREQ(b->name, "Testland");
    EXPECT_EQ(Compare_NAD_EC0_Params(&a->ec0, &b->ec0), 0);
    EXPECT_EQ(Compare_NAD_EC2_Params(&a->ec2, &b->ec2), 1); /* the variant is set from the header */
    a->ec2.variant = 1;
    EXPECT_EQ(Compare_NAD_EC2_Params(&a->ec2, &b->ec2), 0);
    EXPECT_EQ(Compare_NAD_EC3_Params(&a->ec3, &b->ec3), 1); /* the variant is set from the header */
    EXPECT_EQ(b->ec3.variant, 1);
    a->ec5.variant = 1;
    EXPECT_EQ(Compare_NAD_EC5_Params(&a->ec5, &b->ec5), 0);
    EXPECT_EQ(b->ec2.variant, 1);
    EXPECT_EQ(b->ec6.variant, 1);
    EXPECT_EQ(b->ec9.variant, 1);
    EXPECT_DOUBLE_EQ(b->ec6.gamma_m_masonry[2], 1.4);
    EXPECT_DOUBLE_EQ(b->ec9.gamma_m_adhesive, 2.5);
    /* deleting the user file */
    EXPECT_EQ(Store_User_NAD_File(1, nullptr), 1);
    EXPECT_FALSE(Exists(host.dram + "/NADS/1.NAD"));
    free(a);
    free(b);
}

TEST(NadFile, SectionsInAnyOrderAndOnlySome)
{
    Host host;
    NAD_EC5_Params e5;
    Init_NAD_EC5_Defaults(&e5);
    e5.gamma_m_steel = 1.15;
    NAD_EC0_Params e0;
    Init_NAD_EC0_Defaults(&e0);
    e0.track_factors[0] = 0.9;
    /* the file ends with a line feed, as every file of ours */
    /* the frame's version number is not tested: a "3" reads as our "1" */
    std::string text = "NAD/Version 3\n\n 4 \xAEN\xAF 0\n\n\n#EC5\n"
                       + Written([&](FILE *f) { Write_NAD_EC5_Section(f, &e5); }) + "\n\n#EC0\n"
                       + Written([&](FILE *f) { Write_NAD_EC0_Section(f, &e0); }) + "\n";
    FILE *f = Text_Stream(text);
    NAD_Record *r = New_Defaults();
    r->ec9.gamma_m2 = 9.9; /* no "#EC9": left as it was */
    ASSERT_EQ(Parse_NAD_File(f, r), 1);
    fclose(f);
    EXPECT_EQ(r->flag_index, 4);
    EXPECT_STREQ(r->name, "N");
    EXPECT_DOUBLE_EQ(r->ec5.gamma_m_steel, 1.15);
    EXPECT_DOUBLE_EQ(r->ec0.track_factors[0], 0.9);
    EXPECT_DOUBLE_EQ(r->ec9.gamma_m2, 9.9);
    EXPECT_DOUBLE_EQ(r->ec2.gamma_c[0], 1.5);

    /* no version line: nothing read, the record untouched */
    f = Text_Stream("NAD Version 1\n 3 \xAEX\xAF 1\n");
    r->flag_index = 11;
    EXPECT_EQ(Parse_NAD_File(f, r), 0);
    fclose(f);
    EXPECT_EQ(r->flag_index, 11);
    EXPECT_STREQ(r->name, "N");
    free(r);
}

/* A whole user annex "Österreich" whose EN 1995 block takes gamma_M 1.5 for connections, solid
** timber and glulam. */
static std::string Gamma_15_Annex(void)
{
    NAD_Record *a = New_Defaults();
    a->flag_index = 3;
    a->variant = 1;
    snprintf(a->name, sizeof a->name, "%s", "\x99sterreich");
    a->ec5.gamma_m_connections = 1.5;
    a->ec5.gamma_m_solid = 1.5;
    a->ec5.gamma_m_glulam = 1.5;
    const std::string text = Written([&](FILE *f) { Write_NAD_File(f, a); });
    free(a);
    return text;
}

/* The 1-based line of an offset of a text. */
static int Line_Of(const std::string &text, size_t at)
{
    if (at > text.size()) return 0;
    return 1 + (int)std::count(text.begin(), text.begin() + (long)at, '\n');
}

/* A part that is not read whole is named with the line where its reading stopped, and its block
** keeps what it held before (here the built-in defaults) instead of a mix of values read and left
** over; a missing section is named as well. */
TEST(NadFile, DamagedPartsAreNamedWithTheirLineAndKeepTheirBlock)
{
    const std::string whole = Gamma_15_Annex();
    const size_t ec5 = whole.find("#EC5\n");
    const size_t conn = whole.find("1.500000", whole.find("\n", whole.find(" 1.300000", ec5)) + 1);
    ASSERT_NE(conn, std::string::npos);
    const size_t kdef = whole.find(" 0.60 0.80 2.00", ec5);
    const size_t clt = whole.find(" \n", whole.find("0.150000 2.000000 1.000000", ec5));
    const std::string ec5_section = whole.substr(ec5, whole.find("#EC6\n") - ec5);
    /* #EC3: the line of lambda_LT,0 .. k_c (the second behind its header) once more */
    const size_t lt = whole.find("\n", whole.find("\n", whole.find(" EC3-1 Parameter\n")) + 1) + 1;
    const size_t e0 = whole.find("\n", lt) + 1;
    const std::string ec3_added = std::string(whole).insert(e0, whole.substr(lt, e0 - lt));
    /* #EC2: the fourth value of its fourth line (a number, read as a word for old files) */
    size_t xb = whole.find("#EC2\n");
    for (int i = 0; i < 4; i++) xb = whole.find("\n", xb) + 1;
    for (int i = 0; i < 3; i++) xb = whole.find(" ", whole.find_first_not_of(" ", xb));
    xb = whole.find_first_not_of(" ", xb);
    const size_t xb_len = whole.find(" ", xb) - xb;
    std::string crlf;
    for (char ch : whole) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    /* k_mod of the instantaneous class (1.10), psi_0 of categories A, B (0.70), gamma_M0 (1.0) */
    const size_t kmod = whole.find(" 1.10\n", ec5) + 1;
    const size_t psi = whole.find(" 0.70 0.50 0.30\n", whole.find("#EC0\n")) + 1;
    const size_t gm0 = whole.find("1.000000", whole.find(" EC3-1 Parameter\n"));
    const size_t sw = whole.find("\n 0\n", ec5 + 10); /* use_table_na1 */
    struct Case {
        const char *what;
        std::string text;
        const char *parts;     /* "part kind line" of each damaged part, ";" between */
        int range = 0;         /* the NAD_R_* range of a value outside it */
        long long version = 0; /* a block version that is not known */
    } cases[] = {
        {"whole", whole, ""},
        {"word", std::string(whole).replace(conn, 8, "anderthalb"), "#EC5 1 LINE"},
        {"comma", std::string(whole).replace(conn, 8, "1,5"), "#EC5 1 LINE"},
        {"nan", std::string(whole).replace(conn, 8, "nan"), "#EC5 1 LINE"},
        {"fraction for a switch", std::string(whole).replace(sw, 4, "\n 0.5\n"), "#EC5 1 NEXT"},
        {"cut inside #EC5", whole.substr(0, kdef), "#EC5 2 CUT;#EC6 4 0;#EC9 4 0"},
        {"cut before #EC5", whole.substr(0, ec5), "#EC5 4 0;#EC6 4 0;#EC9 4 0"},
        {"value behind #EC5", std::string(whole).insert(clt, " 7"), "#EC5 3 EXTRA"},
        {"variant of the header", std::string(whole).replace(whole.find("\xAF 1\n"), 3, "\xAF x"),
         "Kopf 1 3"},
        /* which of two copies holds is not known: the block keeps the defaults, said with the
        ** line of the second keyword */
        {"#EC5 twice, a copy before", std::string(whole).insert(ec5, ec5_section), "#EC5 5 TWICE"},
        {"#EC5 twice, a copy behind", whole + "\n" + ec5_section, "#EC5 5 TWICE"},
        /* e0 would be 0.4 0.75 0 1 1 | 1 600 550 350 250 with 150 600 ... behind the block:
        ** L/e0 = 0.4 is no ratio of a bow imperfection, which the line of the copy names */
        {"a line added in #EC3", ec3_added, "#EC3 8 ADDED", NAD_R_SPAN},
        {"a word in #EC2", std::string(whole).replace(xb, xb_len, "x0.000000"), "#EC2 1 XB"},
        {"a comma in #EC2", std::string(whole).replace(xb, xb_len, "0,000000"), "#EC2 1 XB"},
        {"nan in #EC2", std::string(whole).replace(xb, xb_len, "nan"), "#EC2 1 XB"},
        {"1e400 in #EC2", std::string(whole).replace(xb, xb_len, "1e400"), "#EC2 1 XB"},
        {"a newer #EC5", std::string(whole).replace(ec5, 9, "#EC5\n 18\n"), "#EC5 6 V18", 0, 18},
        /* our files end with a line feed: a last number without one may be cut ("1" of "1.1") */
        {"cut inside the last number", whole.substr(0, whole.rfind(".")), "#EC9 7 CUT"},
        {"whole with CR LF", crlf, ""},
        /* not a plain decimal number, or outside what the field may hold: the block keeps its
        ** built-in values as for a word */
        {"hexadecimal", std::string(whole).replace(conn, 8, "0x10"), "#EC5 1 LINE"},
        {"hexadecimal float", std::string(whole).replace(conn, 8, "0x1p+0"), "#EC5 1 LINE"},
        {"an exponent", std::string(whole).replace(conn, 8, "1e300"), "#EC5 1 LINE"},
        {"gamma_M 0.5", std::string(whole).replace(conn, 8, "0.5"), "#EC5 8 LINE", NAD_R_GAMMA_M},
        {"gamma_M 0", std::string(whole).replace(conn, 8, "0"), "#EC5 8 LINE", NAD_R_GAMMA_M},
        {"gamma_M -1.5", std::string(whole).replace(conn, 8, "-1.5"), "#EC5 8 LINE", NAD_R_GAMMA_M},
        {"gamma_M of 301 digits", std::string(whole).replace(conn, 8, "1" + std::string(300, '0')),
         "#EC5 8 LINE", NAD_R_GAMMA_M},
        {"gamma_M 0.99", std::string(whole).replace(conn, 8, "0.99"), "#EC5 8 LINE", NAD_R_GAMMA_M},
        {"k_mod 1.2", std::string(whole).replace(kmod, 4, "1.20"), "#EC5 8 KMOD", NAD_R_KMOD},
        {"k_mod 0", std::string(whole).replace(kmod, 4, "0.00"), "#EC5 8 KMOD", NAD_R_KMOD},
        {"psi_0 1.5", std::string(whole).replace(psi, 4, "1.50"), "#EC0 8 PSI", NAD_R_PSI},
        {"psi_0 -0.1", std::string(whole).replace(psi, 4, "-0.1"), "#EC0 8 PSI", NAD_R_PSI},
        {"gamma_M0 0.9", std::string(whole).replace(gm0, 8, "0.900000"), "#EC3 8 GM0",
         NAD_R_GAMMA_M},
        /* whole numbers in their ranges: "%d" took 4294967313 as 17, and switches of 2, -1 and
        ** 1000000 (use_table_na1) without a word */
        {"a version beyond 32 bits", std::string(whole).replace(ec5, 9, "#EC5\n 4294967313\n"),
         "#EC5 6 VBIG", 0, 4294967313LL},
        {"a switch 2", std::string(whole).replace(sw, 4, "\n 2\n"), "#EC5 8 SW", NAD_R_SWITCH},
        {"a switch -1", std::string(whole).replace(sw, 4, "\n -1\n"), "#EC5 8 SW", NAD_R_SWITCH},
        {"a switch 1000000", std::string(whole).replace(sw, 4, "\n 1000000\n"), "#EC5 8 SW",
         NAD_R_SWITCH},
        {"a flag 100", std::string(whole).replace(whole.find(" 3 \xAE"), 3, " 100 "), "Kopf 8 3",
         NAD_R_FLAG},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        /* the expected lines, from the text itself */
        std::string expect = c.parts;
        const auto put = [&](const char *key, int line) {
            const size_t k = expect.find(key);
            if (k != std::string::npos) expect.replace(k, strlen(key), std::to_string(line));
        };
        put("LINE", Line_Of(c.text, conn));
        put("NEXT", Line_Of(c.text, c.text.find("\n 0.5\n")) + 1);
        put("CUT", Line_Of(c.text, c.text.size() - 1));
        put("EXTRA", Line_Of(c.text, clt));
        put("TWICE", Line_Of(c.text, c.text.rfind("#EC5\n")));
        put("ADDED", Line_Of(c.text, e0)); /* the line of the copy, where e0 is read */
        put("XB", Line_Of(whole, xb));
        put("V18", Line_Of(c.text, c.text.find(" 18\n", ec5)));
        put("VBIG", Line_Of(c.text, c.text.find(" 4294967313\n", ec5)));
        put("SW", Line_Of(c.text, sw + 1));
        put("KMOD", Line_Of(c.text, kmod));
        put("PSI", Line_Of(c.text, psi));
        put("GM0", Line_Of(c.text, gm0));
        FILE *f = Text_Stream(c.text);
        NAD_Record *r = New_Defaults();
        NAD_File_Damage d;
        ASSERT_EQ(Parse_NAD_File_Checked(f, r, &d), 1);
        fclose(f);
        std::string got;
        for (int i = 0; i < d.count; i++)
            got += std::string(i ? ";" : "") + d.parts[i].part + " "
                   + std::to_string(d.parts[i].kind) + " " + std::to_string(d.parts[i].line);
        EXPECT_EQ(got, expect);
        /* the first keyword of a twice-standing block, the version that is not known */
        if (got.find("#EC5 5") != std::string::npos) {
            EXPECT_EQ(d.parts[0].other, Line_Of(c.text, c.text.find("#EC5\n")));
        }
        if (got.find("#EC5 6") != std::string::npos) { EXPECT_EQ(d.parts[0].other, c.version); }
        /* the range of the field, for the box */
        EXPECT_EQ(c.range != 0 ? d.parts[0].other : 0, c.range);
        NAD_Record *defaults = New_Defaults();
        if (got.find("#EC3") != std::string::npos) {
            EXPECT_EQ(Compare_NAD_EC3_1_Params(&defaults->ec3.ec3_1, &r->ec3.ec3_1), 0);
        }
        EXPECT_DOUBLE_EQ(r->ec2.extra_b, defaults->ec2.extra_b);
        if (got.find("#EC5") != std::string::npos) {
            /* all of the block's defaults, the values read before the damage included */
            EXPECT_EQ(Compare_NAD_EC5_Params(&defaults->ec5, &r->ec5), 0);
            EXPECT_DOUBLE_EQ(r->ec5.gamma_m_solid, 1.3);
            EXPECT_DOUBLE_EQ(r->ec5.gamma_m_connections, 1.3);
        } else {
            EXPECT_DOUBLE_EQ(r->ec5.gamma_m_solid, 1.5);
            EXPECT_DOUBLE_EQ(r->ec5.gamma_m_connections, 1.5);
        }
        /* the header's variant is taken only when flag and variant are read */
        EXPECT_EQ(r->variant, got.find("Kopf") != std::string::npos ? 0 : 1);
        EXPECT_STREQ(r->name, "\x99sterreich");
        free(defaults);
        free(r);
    }
}

TEST(NadFile, LongNameIsCutWithAMessage)
{
    Host host;
    Msg_Set_Mode(MSG_CONSOLE);
    const std::string name = "Ein sehr langer Name eines Anhangs mit vierzig";
    FILE *f = Text_Stream("NAD/Version 1\n 3 \xAE" + name + "\xAF 1\n");
    NAD_Record *r = New_Defaults();
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    ASSERT_EQ(Parse_NAD_File(f, r), 1);
    const std::string said =
        testing::internal::GetCapturedStdout() + testing::internal::GetCapturedStderr();
    fclose(f);
    EXPECT_EQ(std::string(r->name), name.substr(0, 27));
    EXPECT_EQ(strlen(r->name), 27u);
    EXPECT_EQ(r->variant, 1);
    EXPECT_NE(said.find("27 Zeichen"), std::string::npos) << said;
    free(r);
}

TEST(NadFile, SpoolerFindsStopsAndRestores)
{
    FILE *f = Text_Stream("a\n EC5 Parameter 12\n 17\n");
    int v = 0;
    EXPECT_EQ(Spool_To_Section_Header(f, " EC5 Parameter", "#NAD", &v), 1);
    EXPECT_EQ(v, 12);
    int next;
    ASSERT_EQ(fscanf(f, "%d", &next), 1);
    EXPECT_EQ(next, 17);
    fclose(f);
    f = Text_Stream("a\n#NAD\n EC5 Parameter\n");
    fgetc(f);
    EXPECT_EQ(Spool_To_Section_Header(f, " EC5 Parameter", "#NAD", &v), 2);
    EXPECT_EQ(ftell(f), 1);
    EXPECT_EQ(Spool_To_Section_Header(f, " EC3 Parameter", nullptr, nullptr), 0);
    EXPECT_EQ(ftell(f), 1);
    fclose(f);
}

/* One entry of the older store. */
static std::string Old_Entry(int flag, const std::string &name, double gamma_conn)
{
    NAD_EC2_Params e2;
    Init_NAD_EC2_Defaults(&e2);
    NAD_EC5_Params e5;
    Init_NAD_EC5_Defaults(&e5);
    e5.gamma_m_connections = gamma_conn;
    std::string s = "#NAD\n " + std::to_string(flag) + " \xAE" + name + "\xAF\n";
    s += Written([&](FILE *f) { Write_NAD_EC2_Section(f, &e2); });
    s += " EC3 Parameter\n 0\n EC3-1 Parameter\n 2 1.0 1.1 1.25 1.0 1.0 1.15 1\n";
    s += " EC5 Parameter\n" + Written([&](FILE *f) { Write_NAD_EC5_Section(f, &e5); });
    s += " Lastfaktoren 1\n";
    for (int i = 0; i < 28; i++) s += " 1.40 0.90\n";
    for (int i = 0; i < 12; i++) s += " 0.70 0.50 0.30\n";
    return s;
}

TEST(NadFile, OldStoreIsConvertedOnceIntoNumberedFiles)
{
    Host host;
    Write_File(host.dram + "/NADs-EC2.DEF", Old_Entry(3, "Alpha", 1.31) + Old_Entry(4, "Beta", 1.32)
                                                + Old_Entry(5, "Gamma", 1.33));
    Safeguard_Proper_Version();
    for (int n = 1; n <= 3; n++) {
        NAD_Record *r = New_Defaults();
        ASSERT_EQ(Read_NAD_File(n, nullptr, r), 1) << n;
        EXPECT_EQ(r->flag_index, n + 2);
        EXPECT_EQ(r->variant, 0);
        EXPECT_STREQ(r->name, n == 1 ? "Alpha" : n == 2 ? "Beta" : "Gamma");
        EXPECT_DOUBLE_EQ(r->ec5.gamma_m_connections, 1.30 + 0.01 * n);
        EXPECT_DOUBLE_EQ(r->ec3.ec3_1.gamma_m1, 1.1);
        EXPECT_DOUBLE_EQ(r->ec0.gamma_bld[2][3][0], 1.4);
        EXPECT_DOUBLE_EQ(r->ec0.psi_bld[5][2], 0.3);
        /* blocks the old store lacks: defaults, never factors of 0 */
        EXPECT_DOUBLE_EQ(r->ec6.gamma_m_masonry[0], 1.5);
        EXPECT_DOUBLE_EQ(r->ec9.gamma_m1, 1.1);
        free(r);
    }
    EXPECT_FALSE(Exists(host.dram + "/NADS/4.NAD"));
    /* the folder exists now: the store is never read again, even when emptied */
    Rt_Delete_File((host.dram + "/NADS/1.NAD").c_str());
    Rt_Delete_File((host.dram + "/NADS/2.NAD").c_str());
    Rt_Delete_File((host.dram + "/NADS/3.NAD").c_str());
    Safeguard_Proper_Version();
    EXPECT_FALSE(Exists(host.dram + "/NADS/1.NAD"));
    EXPECT_TRUE(Exists(host.dram + "/NADs-EC2.DEF"));
}

TEST(NadFile, ConversionWithoutDramReportsCodeOne)
{
    Host host(true, false);
    testing::internal::CaptureStdout();
    Safeguard_Proper_Version();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Safeguard_Proper_Version: ERROR 1\n");
}

TEST(NadFile, ConversionNumbersWithoutGaps)
{
    Host host;
    const std::string dir = host.dram + "/conv";
    mkdir(dir.c_str(), 0755);
    /* "2.NAD" cannot be created (a folder of that name): the entries after the first keep
    ** trying number 2, and no file stands behind a gap where the list would never find it */
    mkdir((dir + "/2.NAD").c_str(), 0755);
    FILE *old = Text_Stream(Old_Entry(3, "Alpha", 1.31) + Old_Entry(4, "Beta", 1.32)
                            + Old_Entry(5, "Gamma", 1.33));
    EXPECT_EQ(Convert_Old_NAD_Store(old, dir.c_str()), 1);
    fclose(old);
    EXPECT_TRUE(Exists(dir + "/1.NAD"));
    EXPECT_FALSE(Exists(dir + "/3.NAD"));
    rmdir((dir + "/2.NAD").c_str());
    /* an empty entry takes no number either: Alpha and Gamma become 1 and 2 */
    const std::string dir2 = host.dram + "/conv2";
    mkdir(dir2.c_str(), 0755);
    old = Text_Stream(Old_Entry(3, "Alpha", 1.31) + "#NAD\n" + Old_Entry(5, "Gamma", 1.33));
    EXPECT_EQ(Convert_Old_NAD_Store(old, dir2.c_str()), 2);
    fclose(old);
    EXPECT_FALSE(Exists(dir2 + "/3.NAD"));
    EXPECT_NE(Read_File(dir2 + "/2.NAD").find("\xAEGamma\xAF"), std::string::npos);
}
