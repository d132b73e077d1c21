/*
** Readers of the national-annex files against cut and damaged input: every prefix of a real
** annex file, bytes of noise, oversized tables. Nothing may crash or write past a bound.
*/
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "nad/nad.h"
#include "nad_test_util.h"

using namespace nadtest;

TEST(NadRobust, EveryPrefixOfTheGermanAnnexParses)
{
    const std::string text =
        Read_File(std::string(SPLICE_SOURCE_DIR) + "/environment/data/NAD/Deutschland.NAD");
    ASSERT_GT(text.size(), 1000u);
    NAD_Record *r = static_cast<NAD_Record *>(calloc(1, sizeof(NAD_Record)));
    for (size_t n = 0; n <= text.size(); n += 7) {
        FILE *f = Text_Stream(text.substr(0, n));
        const int ok = Parse_NAD_File(f, r);
        fclose(f);
        EXPECT_EQ(ok, n >= 13 ? 1 : 0) << n;
        EXPECT_LE(strlen(r->name), 27u);
    }
    /* the whole file gives the German values */
    FILE *f = Text_Stream(text);
    ASSERT_EQ(Parse_NAD_File(f, r), 1);
    fclose(f);
    EXPECT_EQ(r->variant, 1);
    EXPECT_EQ(r->ec5.net_deflection_rule, 0);
    free(r);
}

TEST(NadRobust, NoiseInEverySection)
{
    std::mt19937 rng(12345);
    NAD_Record *r = static_cast<NAD_Record *>(calloc(1, sizeof(NAD_Record)));
    const char *keys[] = {"#EC0", "#EC2", "#EC3", "#EC5", "#EC6", "#EC9"};
    for (int round = 0; round < 60; round++) {
        std::string text = "NAD/Version 1\n " + std::to_string((int)(rng() % 40)) + " \xAE";
        for (int i = 0; i < 120; i++) text += (char)(' ' + rng() % 90);
        text += "\xAF 1\n";
        for (const char *k : keys) {
            text += std::string("\n") + k + "\n";
            for (int i = 0; i < 300; i++) {
                const int c = rng() % 6;
                text += c == 0  ? std::string("\n")
                        : c < 4 ? " " + std::to_string((int)(rng() % 30) - 5)
                                : std::string(1, (char)(33 + rng() % 90));
            }
        }
        FILE *f = Text_Stream(text);
        EXPECT_EQ(Parse_NAD_File(f, r), 1);
        fclose(f);
        EXPECT_LE(strlen(r->name), 27u);
        for (int i = 0; i < 4; i++) EXPECT_EQ(r->ec2.exposure_names[i][4], 0);
    }
    free(r);
}

TEST(NadRobust, OversizedAndShortTables)
{
    Host host;
    Write_File(host.data + "/NAD/WUSL-Tabs.def",
               "#TAB1\nA\nB\n0 0 0 0\n0 0 0 0\n100000 100000 x\n");
    NAD_EC1_Tables t;
    memset(&t, 0, sizeof t);
    EXPECT_EQ(Load_EC1_Table_Definitions(&t), 0);
    EXPECT_EQ(t.tables[0], nullptr);
    Write_File(host.data + "/NAD/WUSL-Tabs.def",
               "#TAB3\nA\nB\n0 0 0 0\n0 0 0 0\n2 2 x\n#TAB3\nC\nD\n1 1 1 1\n2 2 2 2\n1 3 y\n");
    EXPECT_EQ(Load_EC1_Table_Definitions(&t), 1); /* the second definition replaces the first */
    ASSERT_NE(t.tables[2], nullptr);
    EXPECT_STREQ(t.tables[2]->title1, "C");
    EXPECT_EQ(t.tables[2]->rows, 3);
    /* values: fewer than the table holds, a table that is not defined, a line far too long */
    Write_File(host.data + "/NAD/WUSL-Tabs.val",
               "#NAD\nX\n1\n~TAB3\ncap\n 1.5 2.5\n~TAB4\nno table\n 9 9\n~DATA\n 1 3 4\n"
                   + std::string(5000, 'z') + "\n#NAD\nX\n2\n");
    Load_EC1_Table_Values(0, "X", &t);
    EXPECT_DOUBLE_EQ(t.tables[2]->values[0], 1.5);
    EXPECT_DOUBLE_EQ(t.tables[2]->values[1], 2.5);
    EXPECT_DOUBLE_EQ(t.tables[2]->values[2], 0.0);
    EXPECT_EQ(t.data_a, 3);
    EXPECT_EQ(t.data_b, 4);
    EXPECT_EQ(t.table_set, 2);
    Free_NAD_EC1_Tables(&t);
}
