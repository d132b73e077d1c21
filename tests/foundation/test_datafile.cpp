/*
** Tests of the versioned data files: exact bytes written, round trips, younger fields from their
** defaults, bounds of texts, blocks and the version stack, and the backup scheme.
*/
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "foundation/foundation.h"
#include "platform/zelkwin.h"
#include "platform/zelkwin_test.h"
#include "scratch_dir.h"
#include "tests/platform/gui_log.h"

namespace {

std::vector<std::string> Reports;

void Collect_Hook(int kind, int mode, const char *text)
{
    Reports.push_back(std::to_string(kind) + "/" + std::to_string(mode) + ":" + text);
}

struct DataFileTest : ::testing::Test {
    Scratch_Dir dir;
    void SetUp() override
    {
        Reports.clear();
        Foundation_Set_Msg_Hook(Collect_Hook);
    }
    void TearDown() override { Foundation_Set_Msg_Hook(nullptr); }
};

const char Written[] = " 2.000000  # Datenversionsnummer\n"
                       " 2.000000 # Strukturversionsnummer\n"
                       " 1.500000e+00  7  x  word  a\x8C"
                       "b  !\xA7$%&/()=? \n"
                       " 11 line1\nline2\n"
                       "# Ende\n";

TEST_F(DataFileTest, WriteExactBytesAndReadBack)
{
    const std::string p = dir.File("d.dat");
    FILE *f = fopen(p.c_str(), "w");
    const double d = 1.5;
    const int i = 7;
    const char c = 'x';
    char *block = Mem_Strdup("line1\nline2");
    EXPECT_EQ(Dat_Write_Data_Version(f, 2.0), 0);
    EXPECT_EQ(Dat_Write_Struct_Version(2.0), 0);
    EXPECT_EQ(Dat_Write_Field(&d, 'd'), 0);
    EXPECT_EQ(Dat_Write_Field(&i, 'i'), 0);
    EXPECT_EQ(Dat_Write_Field(&c, 'c'), 0);
    EXPECT_EQ(Dat_Write_Field("word", 's'), 0);
    EXPECT_EQ(Dat_Write_Field("a b", 't'), 0);
    EXPECT_EQ(Dat_Write_Field("", 't'), 0);
    EXPECT_EQ(Dat_Write_Newline(), 0);
    EXPECT_EQ(Dat_Write_Text_Block(&block), 0);
    EXPECT_EQ(Dat_Write_Comment("Ende"), 0);
    EXPECT_EQ(Dat_Write_Field(&d, 'q'), 1);
    EXPECT_EQ(Dat_Write_Stream(), f);
    fclose(f);
    Mem_Free(&block);
    EXPECT_EQ(Read_File(p), std::string(Written));

    f = fopen(p.c_str(), "r");
    EXPECT_EQ(Dat_Read_Data_Version(f, 3.0), 0);
    EXPECT_EQ(Dat_Read_Stream(), f);
    EXPECT_EQ(Dat_Read_Struct_Version(3.0), 0);
    EXPECT_EQ(Dat_Current_Version(), 2.0);
    double rd = 0;
    int ri = 0;
    char rc = 0, rs[DAT_TEXT_SIZE], rt[DAT_TEXT_SIZE], re[DAT_TEXT_SIZE] = "old";
    EXPECT_EQ(Dat_Read_Field(&rd, 'd', 1.0, 0), 0);
    EXPECT_EQ(rd, 1.5);
    EXPECT_EQ(Dat_Read_Field(&ri, 'i', 2.0, 0), 0);
    EXPECT_EQ(ri, 7);
    EXPECT_EQ(Dat_Read_Field(&rc, 'c', 1.0, 0), 0);
    EXPECT_EQ(rc, 'x');
    EXPECT_EQ(Dat_Read_Field(rs, 's', 1.0, 0), 0);
    EXPECT_STREQ(rs, "word");
    EXPECT_EQ(Dat_Read_Field(rt, 't', 1.0, 0), 0);
    EXPECT_STREQ(rt, "a b");
    EXPECT_EQ(Dat_Read_Field(re, 't', 1.0, 0), 0);
    EXPECT_STREQ(re, "");
    /* Fields younger than the record: defaults, nothing consumed. */
    EXPECT_EQ(Dat_Read_Field(&rd, 'd', 3.0, 9.5), 0);
    EXPECT_EQ(rd, 9.5);
    EXPECT_EQ(Dat_Read_Field(&ri, 'i', 2.5, -2.5), 0);
    EXPECT_EQ(ri, -3); /* halves away from zero */
    char *text = nullptr;
    EXPECT_EQ(Dat_Read_Text_Block(&text, 2.0, "Vorgabe"), 0);
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text, "line1\nline2");
    Mem_Free(&text);
    EXPECT_EQ(Dat_Read_Int_Plain(), DAT_NO_INT); /* only a comment is left */
    EXPECT_EQ(Dat_Read_Int_Versioned(1.0, 4), DAT_NO_INT);
    EXPECT_EQ(Dat_Read_Int_Versioned(9.0, 4.4), 4);
    Dat_Pop_Struct_Version();
    EXPECT_EQ(Dat_Current_Version(), 2.0);
    Dat_Set_Current_Version(1.25);
    EXPECT_EQ(Dat_Current_Version(), 1.25);
    EXPECT_EQ(Dat_Seek(0), 0);
    EXPECT_EQ(Dat_Tell(), 0L);
    fclose(f);
    EXPECT_TRUE(Reports.empty());
}

/* The record of version 1.0 has a name, a double and an int; version 1.5 adds a double, a name
** and a text block between them. */
void Write_Record_V1(FILE *f)
{
    const double d = 2.25;
    const int i = 11;
    Dat_Write_Data_Version(f, 1.0);
    Dat_Write_Struct_Version(1.0);
    Dat_Write_Field("Beton C30", 't');
    Dat_Write_Field(&d, 'd');
    Dat_Write_Field(&i, 'i');
    Dat_Write_Newline();
}

TEST_F(DataFileTest, OlderFileFillsYoungerFieldsFromDefaults)
{
    const std::string p = dir.File("old.dat");
    FILE *f = fopen(p.c_str(), "w");
    Write_Record_V1(f);
    fclose(f);
    f = fopen(p.c_str(), "r");
    ASSERT_EQ(Dat_Read_Data_Version(f, 1.5), 0);
    ASSERT_EQ(Dat_Read_Struct_Version(1.5), 0);
    char name[DAT_TEXT_SIZE], extra_name[DAT_TEXT_SIZE];
    double d = 0, young = 0;
    char *block = Mem_Strdup("stale");
    EXPECT_EQ(Dat_Read_Name(name, 1.0, "Standard"), 0);
    EXPECT_STREQ(name, "Beton C30");
    EXPECT_EQ(Dat_Read_Field(&young, 'd', 1.5, 0.75), 0);
    EXPECT_EQ(young, 0.75);
    EXPECT_EQ(Dat_Read_Name(extra_name, 1.5, "Standard"), 0);
    EXPECT_STREQ(extra_name, "Standard");
    EXPECT_EQ(Dat_Read_Text_Block(&block, 1.5, "Vorgabe"), 0);
    ASSERT_NE(block, nullptr);
    EXPECT_STREQ(block, "Vorgabe");
    Mem_Free(&block);
    EXPECT_EQ(Dat_Read_Text_Block(&block, 1.5, nullptr), 0);
    EXPECT_EQ(block, nullptr);
    EXPECT_EQ(Dat_Read_Field(&d, 'd', 1.0, 0), 0);
    EXPECT_EQ(d, 2.25);
    EXPECT_EQ(Dat_Read_Int_Versioned(1.0, 0), 11);
    fclose(f);
}

/* An integer field takes a whole word that is an integer: a fraction or a tail is a read error,
** never the integer in front of it with the rest left to the next field. */
TEST_F(DataFileTest, AnIntegerFieldTakesAWholeIntegerWordOnly)
{
    const struct {
        const char *word;
        int whole, value;
    } cases[] = {
        {"7", 1, 7},   {"-12", 1, -12}, {"+3", 1, 3},   {"7.9", 0, 0}, {"7,5", 0, 0},
        {"7e1", 0, 0}, {"7x", 0, 0},    {"0x10", 0, 0}, {"x", 0, 0},
    };
    const std::string p = dir.File("int.dat");
    for (const auto &c : cases) {
        for (int reader = 0; reader < 3; reader++) {
            FILE *f = fopen(p.c_str(), "w");
            fprintf(f, " 1.000000\n %s 5 abcde\n", c.word);
            fclose(f);
            f = fopen(p.c_str(), "r");
            ASSERT_EQ(Dat_Read_Data_Version(f, 1.0), 0);
            int v = 0;
            char *block = nullptr;
            if (reader == 0) {
                EXPECT_EQ(Dat_Read_Field(&v, 'i', 1.0, 0.0), c.whole ? 0 : 1) << c.word;
            } else if (reader == 1) {
                v = Dat_Read_Int_Plain();
                if (!c.whole) { EXPECT_EQ(v, DAT_NO_INT) << c.word; }
            } else {
                /* a text block's length: "7.9" must not read 7 bytes from ".9 5 a" */
                EXPECT_EQ(Dat_Read_Text_Block(&block, 1.0, nullptr), c.whole && c.value > 0 ? 0 : 1)
                    << c.word;
                Mem_Free(&block);
            }
            if (c.whole && reader < 2) {
                EXPECT_EQ(v, c.value) << c.word;
                EXPECT_EQ(Dat_Read_Int_Plain(), 5) << c.word; /* the next field is the next word */
            }
            fclose(f);
        }
    }
}

TEST_F(DataFileTest, VersionChecks)
{
    const std::string p = dir.File("v.dat");
    Write_File(p, "# Kopf\n# noch einer\n 5.0  # Datenversionsnummer\n");
    FILE *f = fopen(p.c_str(), "r");
    EXPECT_EQ(Dat_Read_Data_Version(f, 4.0), 2);
    ASSERT_EQ(Reports.size(), 1u);
    EXPECT_EQ(Reports[0], "0/0:Alte Programmversion -> kann Daten nicht lesen!");
    fclose(f);
    Write_File(p, " -1.0\n");
    f = fopen(p.c_str(), "r");
    EXPECT_EQ(Dat_Read_Data_Version(f, 4.0), -1);
    fclose(f);
    Write_File(p, "# nur Kommentar\n");
    f = fopen(p.c_str(), "r");
    EXPECT_EQ(Dat_Read_Data_Version(f, 4.0), 1);
    fclose(f);
    Write_File(p, " 1.0 3.0 ");
    f = fopen(p.c_str(), "r");
    EXPECT_EQ(Dat_Read_Data_Version(f, 2.0), 0);
    EXPECT_EQ(Dat_Read_Struct_Version(2.0), 2);
    EXPECT_EQ(Dat_Read_Struct_Version(2.0), 1);
    fclose(f);
}

TEST_F(DataFileTest, VersionStackIsBounded)
{
    const std::string p = dir.File("deep.dat");
    std::string s = " 1.0\n";
    for (int k = 0; k < 25; k++) s += " " + std::to_string(k + 2) + ".0";
    Write_File(p, s);
    FILE *f = fopen(p.c_str(), "r");
    ASSERT_EQ(Dat_Read_Data_Version(f, 100.0), 0);
    for (int k = 1; k < DAT_VERSION_DEPTH; k++) ASSERT_EQ(Dat_Read_Struct_Version(100.0), 0) << k;
    EXPECT_EQ(Dat_Current_Version(), 20.0);
    EXPECT_EQ(Dat_Read_Struct_Version(100.0), 1); /* the twentieth nested record */
    EXPECT_EQ(Dat_Current_Version(), 20.0);
    for (int k = 0; k < 30; k++) Dat_Pop_Struct_Version();
    EXPECT_EQ(Dat_Current_Version(), 1.0);
    fclose(f);
}

TEST_F(DataFileTest, TextsBlocksAndPlaceholders)
{
    const std::string p = dir.File("t.dat");
    FILE *f = fopen(p.c_str(), "w");
    Dat_Write_Data_Version(f, 1.0);
    const std::string t300(300, 'k');
    Dat_Write_Field(t300.c_str(), 't');
    char *none = nullptr;
    Dat_Write_Text_Block(&none);
    for (int type : {'c', 'd', 'i', 's', 't'}) EXPECT_EQ(Dat_Write_Placeholder(type), 0);
    EXPECT_EQ(Dat_Write_Placeholder('x'), 1);
    fclose(f);
    EXPECT_EQ(Read_File(p), " 1.000000  # Datenversionsnummer\n " + std::string(254, 'k')
                                + "  0 \n *  -1.000000e+00  0  ***  *** ");
    f = fopen(p.c_str(), "r");
    ASSERT_EQ(Dat_Read_Data_Version(f, 1.0), 0);
    char t[DAT_TEXT_SIZE];
    EXPECT_EQ(Dat_Read_Field(t, 't', 1.0, 0), 0);
    EXPECT_EQ(strlen(t), 254u);
    char *block = Mem_Strdup("stale");
    EXPECT_EQ(Dat_Read_Text_Block(&block, 1.0, "x"), 0);
    EXPECT_EQ(block, nullptr);
    EXPECT_EQ(Dat_Skip_Field_Current('c'), 0);
    EXPECT_EQ(Dat_Skip_Field('d', 1.0), 0);
    EXPECT_EQ(Dat_Skip_Field('i', 1.0), 0);
    EXPECT_EQ(Dat_Skip_Field('s', 1.0), 0);
    EXPECT_EQ(Dat_Read_Field(t, 't', 1.0, 0), 0);
    EXPECT_STREQ(t, "***");
    EXPECT_EQ(Dat_Read_Field(t, 't', 1.0, 0), 1); /* end of file */
    EXPECT_EQ(Dat_Read_Field(t, 'z', 1.0, 0), 1);
    fclose(f);

    Write_File(p, " 1.0 1048577 x");
    f = fopen(p.c_str(), "r");
    Dat_Read_Data_Version(f, 1.0);
    EXPECT_EQ(Dat_Read_Text_Block(&block, 1.0, nullptr), 1);
    EXPECT_EQ(block, nullptr);
    fclose(f);
    Write_File(p, " 1.0 -5 x");
    f = fopen(p.c_str(), "r");
    Dat_Read_Data_Version(f, 1.0);
    EXPECT_EQ(Dat_Read_Text_Block(&block, 1.0, nullptr), 1);
    fclose(f);
    Write_File(p, " 1.0 10 short");
    f = fopen(p.c_str(), "r");
    Dat_Read_Data_Version(f, 1.0);
    EXPECT_EQ(Dat_Read_Text_Block(&block, 1.0, nullptr), 1); /* fewer bytes than announced */
    EXPECT_EQ(block, nullptr);
    fclose(f);

    char e[4] = "";
    EXPECT_EQ(Dat_Encode_Text(e), 1);
    EXPECT_STREQ(e, "\x8C");
    EXPECT_EQ(Dat_Decode_Text(e), 0);
    EXPECT_STREQ(e, "");
    char g[] = "a b c";
    Dat_Encode_Text(g);
    EXPECT_STREQ(g, "a\x8C"
                    "b\x8C"
                    "c");
    EXPECT_EQ(Dat_Decode_Text(g), 5);
    EXPECT_STREQ(g, "a b c");
}

/* ---------------------------------------------------------------- backups */

int Stored_Value = 0;

int Write_Value(FILE *f) { return fprintf(f, "%d\n", Stored_Value) > 0 ? 0 : 1; }

int Read_Value(FILE *f) { return fscanf(f, "%d", &Stored_Value) == 1 ? 0 : 1; }

struct BackupTest : DataFileTest {
    void SetUp() override
    {
        DataFileTest::SetUp();
        Dat_Backup_Enable();
        Dat_Set_Backup_Names(Read_Value, Write_Value, (dir.path + "/").c_str(), "pos", nullptr,
                             nullptr);
        ZW_Test_Reset();
    }
    void TearDown() override
    {
        Dat_Backup_Enable();
        DataFileTest::TearDown();
    }
};

TEST_F(BackupTest, WriteCompareReadRemove)
{
    Stored_Value = 17;
    EXPECT_EQ(Dat_Backup_Exists(), 0);
    EXPECT_EQ(Dat_Write_Bak(), 0);
    EXPECT_EQ(Dat_Backup_Exists(), 1);
    EXPECT_EQ(Read_File(dir.File("pos.bak")), "17\n");
    EXPECT_EQ(Dat_Compare_Bak(), 0);
    Stored_Value = 18;
    EXPECT_EQ(Dat_Compare_Bak(), 1);
    EXPECT_EQ(Dat_Read_Bak(Read_Value), 0);
    EXPECT_EQ(Stored_Value, 17);
    FILE *f = Dat_Open_Bak();
    ASSERT_NE(f, nullptr);
    fclose(f);
    EXPECT_EQ(Dat_Write_Clcbak(), 0);
    EXPECT_EQ(Dat_Compare_Clcbak(), 0);
    EXPECT_EQ(Dat_Read_Clcbak(Read_Value), 0);
    EXPECT_EQ(Dat_Remove_Backups(), 0);
    EXPECT_EQ(File_Exists(dir.File("pos.bak").c_str()), 0);
    EXPECT_EQ(File_Exists(dir.File("pos.clcbak").c_str()), 0);
    EXPECT_EQ(File_Exists(dir.File("pos.cmp").c_str()), 0);
    EXPECT_EQ(Dat_Read_Bak(Read_Value), 1); /* missing */

    Dat_Set_Backup_Names_Dir(Read_Value, Write_Value, (dir.path + "/").c_str(), "pos", "vierte.dat",
                             "fuenfte.dat");
    EXPECT_EQ(Dat_Write_Clcbak(), 0);
    EXPECT_EQ(Dat_Compare_Clcbak(), 1); /* the fifth file is missing */
    EXPECT_EQ(Dat_Write_Backup_To(dir.File("vierte.dat").c_str()), 0);
    EXPECT_EQ(Dat_Compare_Fourth(), 0);
    EXPECT_EQ(Dat_Compare_With(dir.File("fuenfte.dat").c_str()), 1);

    Dat_Backup_Disable();
    EXPECT_EQ(Dat_Write_Bak(), 1);
    EXPECT_EQ(Files_Equal(dir.File("vierte.dat").c_str(), dir.File("vierte.dat").c_str()), 1);
    EXPECT_EQ(Dat_Open_Bak(), nullptr);
    Dat_Backup_Enable();
    EXPECT_EQ(Files_Equal(dir.File("vierte.dat").c_str(), dir.File("vierte.dat").c_str()), 0);
}

TEST_F(BackupTest, OfferRestore)
{
    EXPECT_EQ(Dat_Offer_Backup_Restore(), 0); /* no backup */
    EXPECT_FALSE(Log_Has("QUESTION"));

    Stored_Value = 5;
    Dat_Write_Bak();
    EXPECT_EQ(Dat_Offer_Backup_Restore(), 0); /* equal to the current data: no question */
    EXPECT_FALSE(Log_Has("QUESTION"));
    EXPECT_EQ(Dat_Backup_Exists(), 0);

    Dat_Write_Bak();
    Stored_Value = 6;
    ZW_Test_Set_Script("answer yes\n");
    EXPECT_EQ(Dat_Offer_Backup_Restore(), 0);
    EXPECT_EQ(Stored_Value, 5);
    EXPECT_TRUE(Log_Has("Es existiert noch eine temporäre Sicherung, die während"));
    EXPECT_TRUE(Log_Has("älteren regulären Sicherung geladen werden?"));
    EXPECT_TRUE(Log_Has("ANSWER yes"));
    EXPECT_EQ(Dat_Backup_Exists(), 0);

    Stored_Value = 6;
    Dat_Write_Bak();
    Stored_Value = 7;
    ZW_Test_Set_Script("answer no\n");
    EXPECT_EQ(Dat_Offer_Backup_Restore(), 0);
    EXPECT_EQ(Stored_Value, 7);
    EXPECT_EQ(Dat_Backup_Exists(), 0);

    Write_File(dir.File("pos.bak"), "kaputt\n");
    ZW_Test_Set_Script("answer yes\n");
    EXPECT_EQ(Dat_Offer_Backup_Restore(), 1);
    ASSERT_EQ(Reports.size(), 1u);
    EXPECT_EQ(Reports[0],
              std::string("1/-1:") + "Datensatz der temporären Sicherung nicht lesbar"_cp850);
}

} // namespace

/* The text block holds at most 1 MiB: 1 048 576 bytes are read, and a default for older data is
** cut there. */
TEST_F(DataFileTest, TextBlockCapOfOneMebibyte)
{
    const std::string p = dir.File("cap.dat");
    const std::string full(1048576, 'm');
    Write_File(p, " 1.0 1048576 " + full);
    FILE *f = fopen(p.c_str(), "r");
    ASSERT_EQ(Dat_Read_Data_Version(f, 1.0), 0);
    char *block = nullptr;
    EXPECT_EQ(Dat_Read_Text_Block(&block, 1.0, nullptr), 0);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(strlen(block), 1048576u);
    fclose(f);
    Write_File(p, " 1.0\n");
    f = fopen(p.c_str(), "r");
    ASSERT_EQ(Dat_Read_Data_Version(f, 1.0), 0);
    const std::string longer = full + "xyz";
    EXPECT_EQ(Dat_Read_Text_Block(&block, 2.0, longer.c_str()),
              0); /* introduced later: the default */
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(std::string(block), full);
    Mem_Free(&block);
    fclose(f);
}
