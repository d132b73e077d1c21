/*
** Fastener catalogue files: the row forms, comments, bounds and messages of the readers, the
** files of the example environment, and the getters by type code and row.
*/
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

#include "cat_test_util.h"

namespace {


/* A fresh scratch data path, the readers reset and the messages collected. */
class CatFiles : public ::testing::Test {
  protected:
    /* one folder per test: the tests may run side by side */
    void SetUp() override
    {
        dir_ = std::string("catdata_")
               + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        mkdir(dir_.c_str(), 0755);
        setenv("SPLICE_PRIVATE_DATA", dir_.c_str(), 1);
        Reset_Vbm_Catalogues();
    }
    void TearDown() override { Reset_Vbm_Catalogues(); }
    void Write(const char *name, const std::string &text)
    {
        const std::string path = dir_ + "/" + name;
        FILE *f = fopen(path.c_str(), "w");
        ASSERT_NE(f, nullptr);
        fwrite(text.data(), 1, text.size(), f);
        fclose(f);
    }
    void Remove(const char *name) { remove((dir_ + "/" + name).c_str()); }
    std::string dir_;
    Msg_Capture msgs;
};

} // namespace

TEST_F(CatFiles, NailRowGivesDiameterHeadAndLengths)
{
    Write(
        "ec5_nagel.dat",
        "# Naegel\n1\n# count follows\n2\n3.1 6.5 60 70 80\n# between rows\n4.2 9 100 110 120 130 140\n");
    ASSERT_EQ(Load_Ec5_Nagel(), 1);
    const Vbm_Catalogue *c = Get_Vbm_Catalogue(0);
    EXPECT_EQ(c->header, 1);
    EXPECT_EQ(c->n_rows, 2);
    EXPECT_DOUBLE_EQ(c->rows[0].d, 3.1);
    EXPECT_DOUBLE_EQ(c->rows[0].dk, 6.5);
    ASSERT_EQ(c->rows[0].n_l, 3);
    EXPECT_DOUBLE_EQ(c->rows[0].l[0], 60);
    EXPECT_DOUBLE_EQ(c->rows[0].l[2], 80);
    EXPECT_DOUBLE_EQ(c->rows[0].l_ef[0], 0.0);
    EXPECT_EQ(c->rows[1].n_l, 5);
    EXPECT_DOUBLE_EQ(Get_Vbm_Row_Value(0, 1, "n_l"), 5.0);
    EXPECT_DOUBLE_EQ(Get_Vbm_Length(0, 1, 4), 140.0);
    EXPECT_TRUE(msgs.lines().empty());
}

TEST_F(CatFiles, WoodScrewEffectiveLengthFromFactor)
{
    Write("ec5_schraube.dat", "1\n1\n8 5.6 13 0.6 5.5 80 100\n");
    ASSERT_EQ(Load_Ec5_Schraube(), 1);
    EXPECT_DOUBLE_EQ(Get_Vbm_Eff_Length(5, 0, 1), 60.0); /* 0.6 * 100 */
    EXPECT_DOUBLE_EQ(Get_Vbm_Eff_Length(2, 0, 0), 48.0); /* 0.6 * 80, same table for 2..10 */
    EXPECT_DOUBLE_EQ(Get_Vbm_Row_Value(9, 0, "d1"), 5.6);
    EXPECT_DOUBLE_EQ(Get_Vbm_Row_Value(9, 0, "k"), 5.5);
    EXPECT_EQ(Get_Vbm_Catalogue(5), Get_Vbm_Catalogue(2));
}

TEST_F(CatFiles, FullyThreadedDeductionsByLengthBand)
{
    Write("ec5_spax_s_vg.dat", "1\n1\n8 5.2 14.8 5 10 15 20 99.9 100 199.9 200\n");
    ASSERT_EQ(Load_Ec5_Spax_S_Vg(), 1);
    EXPECT_NEAR(Get_Vbm_Eff_Length(13, 0, 0), 89.9, 1e-12);  /* 99.9 - xLE100 */
    EXPECT_NEAR(Get_Vbm_Eff_Length(13, 0, 1), 85.0, 1e-12);  /* 100 - xLE200 */
    EXPECT_NEAR(Get_Vbm_Eff_Length(13, 0, 2), 184.9, 1e-12); /* 199.9 - xLE200 */
    EXPECT_NEAR(Get_Vbm_Eff_Length(13, 0, 3), 180.0, 1e-12); /* 200 - xGT200 */
}

TEST_F(CatFiles, AssyRowFormsByHeader)
{
    Write("ec5_assy_plus_vg_s.dat", "2\n2\n8 5.4 14.5 5 1 120\n8 5.4 14.5 5 1 120 140 115 135\n");
    ASSERT_EQ(Load_Ec5_Assy_Plus_Vg_S(), 1);
    EXPECT_EQ(Get_Vbm_Row_Length_Count(15, 0), 0); /* 6 words under header 2 */
    ASSERT_EQ(Get_Vbm_Row_Length_Count(15, 1), 2);
    EXPECT_DOUBLE_EQ(Get_Vbm_Length(15, 1, 1), 140.0);
    EXPECT_DOUBLE_EQ(Get_Vbm_Eff_Length(15, 1, 0), 115.0);
    EXPECT_DOUBLE_EQ(Get_Vbm_Eff_Length(15, 1, 1), 135.0);
    Write("ec5_assy_plus_vg_z.dat", "1\n1\n8 5.4 10 8 0.9 120\n");
    ASSERT_EQ(Load_Ec5_Assy_Plus_Vg_Z(), 1);
    ASSERT_EQ(Get_Vbm_Row_Length_Count(14, 0), 1);         /* header 1: one length */
    EXPECT_DOUBLE_EQ(Get_Vbm_Eff_Length(14, 0, 0), 108.0); /* 0.9 * 120 */
    EXPECT_DOUBLE_EQ(Get_Vbm_Row_Value(14, 0, "fak_lef"), 0.9);
}

TEST_F(CatFiles, PairsAndStaples)
{
    Write("ec5_topix_zylk_vg.dat", "1\n1\n8 5 5.6 16 4.8 100 92 120 112 140\n");
    ASSERT_EQ(Load_Ec5_Topix_Zylk_Vg(), 1);
    ASSERT_EQ(Get_Vbm_Row_Length_Count(59, 0), 2); /* (10 - 5) / 2 */
    EXPECT_DOUBLE_EQ(Get_Vbm_Eff_Length(59, 0, 1), 112.0);
    EXPECT_DOUBLE_EQ(Get_Vbm_Row_Value(59, 0, "ds"), 5.6);
    Write("ec5_sondernagel.dat", "1\n1\n4 8 50 35 60\n");
    ASSERT_EQ(Load_Ec5_Sondernagel(), 1);
    EXPECT_EQ(Get_Vbm_Row_Length_Count(20, 0), 1);
    EXPECT_EQ(Get_Vbm_Row_Length_Count(40, 0), 1);
    Write("ec5_klammer.dat", "1\n1\n1.8 11.2 40 50\n# effective\n36 46 99\n");
    ASSERT_EQ(Load_Ec5_Klammer(), 1);
    EXPECT_DOUBLE_EQ(Get_Vbm_Eff_Length(1, 0, 1), 46.0);
}

TEST_F(CatFiles, ShearPlateFormsByHeader)
{
    Write("ec5_schduebel_B1.dat", "1\n1\n65 15 30 5 3 13 55 12 16 975\n");
    ASSERT_EQ(Load_Ec5_Schduebel_B1(), 1);
    EXPECT_DOUBLE_EQ(Get_Connector_Value(31, 0, "he"), 15.0); /* second value */
    EXPECT_DOUBLE_EQ(Get_Connector_Value(31, 0, "hc"), 30.0); /* third value */
    EXPECT_DOUBLE_EQ(Get_Connector_Value(31, 0, "d2"), 55.0);
    EXPECT_DOUBLE_EQ(Get_Connector_Value(31, 0, "db_min"), 12.0);
    EXPECT_DOUBLE_EQ(Get_Connector_Value(31, 0, "F"), 975.0);
    EXPECT_DOUBLE_EQ(Get_Connector_Value(31, 0, "d3"), 0.0);
    Reset_Vbm_Catalogues();
    Write("ec5_schduebel_B1.dat", "2\n1\n65 15 30 5 3 13 55 20.5 75 32.5 5 130 97.5 12 16 975\n");
    ASSERT_EQ(Load_Ec5_Schduebel_B1(), 1);
    EXPECT_DOUBLE_EQ(Ec5_Schduebel_B1_Table.rows[0].d3, 20.5);
    EXPECT_DOUBLE_EQ(Get_Connector_Value(31, 0, "a2"), 97.5);
    EXPECT_DOUBLE_EQ(Get_Connector_Value(31, 0, "db_max"), 16.0);
    EXPECT_DOUBLE_EQ(Get_Connector_Value(31, 0, "F"), 975.0);
    EXPECT_DOUBLE_EQ(Get_Vbm_Diameter(31, 0), 65.0);
    /* a header 2 file with a 10-value row fails */
    Reset_Vbm_Catalogues();
    Write("ec5_schduebel_B1.dat", "2\n1\n65 15 30 5 3 13 55 12 16 975\n");
    EXPECT_EQ(Load_Ec5_Schduebel_B1(), 0);
    ASSERT_EQ(msgs.lines().size(), 1u);
    EXPECT_NE(msgs.lines()[0].find("ec5_schduebel_B1.dat, Zeile 3"), std::string::npos);
}

TEST_F(CatFiles, ConnectorIntegerColumnsAndKeys)
{
    Write("ec5_schduebel_c1.dat", "1\n1\n62 16 7.4 1.2 13 12 0 9.6 12 16 920.8 trailing words\n");
    ASSERT_EQ(Load_Ec5_Schduebel_C1(), 1);
    const Connector_Catalogue *c = Get_Connector_Catalogue(26);
    EXPECT_EQ(c->rows[0].int_b, 12);
    EXPECT_EQ(c->rows[0].int_a, 0);
    EXPECT_DOUBLE_EQ(Get_Connector_Value(26, 0, "h2"), 9.6);
    EXPECT_DOUBLE_EQ(Get_Connector_Value(26, 0, "F"), 920.8);
    EXPECT_DOUBLE_EQ(Get_Connector_Value(26, 0, "int_b"), 0.0); /* no key for the integers */
    EXPECT_DOUBLE_EQ(Get_Connector_Value(26, 0, "D"), 0.0);
    EXPECT_DOUBLE_EQ(Get_Connector_Value(29, 0, "dc"), 0.0);
    EXPECT_DOUBLE_EQ(Get_Connector_Value(26, 1, "dc"), 0.0); /* row beyond the table */
}

TEST_F(CatFiles, SecondCallDoesNotReadAgain)
{
    Write("ec5_nagel.dat", "1\n1\n3.1 6.5 60\n");
    ASSERT_EQ(Load_Ec5_Nagel(), 1);
    Write("ec5_nagel.dat", "1\n1\n4.2 9 100\n");
    EXPECT_EQ(Load_Ec5_Nagel(), 1);
    EXPECT_DOUBLE_EQ(Get_Vbm_Diameter(0, 0), 3.1);
    Remove("ec5_nagel.dat");
    EXPECT_EQ(Load_Ec5_Nagel(), 1);
    EXPECT_DOUBLE_EQ(Get_Vbm_Diameter(0, 0), 3.1);
}

TEST_F(CatFiles, MissingFileLeavesTableEmptyAndSaysSoOnce)
{
    Remove("ec5_ringduebel_a1.dat");
    EXPECT_EQ(Load_Ec5_Ringduebel_A1(), 0);
    EXPECT_EQ(Get_Vbm_Catalogue_Rows(25), 0);
    EXPECT_EQ(Load_Ec5_Ringduebel_A1(), 0);
    ASSERT_EQ(msgs.lines().size(), 1u);
    EXPECT_NE(msgs.lines()[0].find("ec5_ringduebel_a1.dat nicht gefunden"), std::string::npos);
    /* the file appears: the next call reads it */
    Write("ec5_ringduebel_a1.dat", "1\n1\n65 30 15 5 32.5 12 16 975\n");
    EXPECT_EQ(Load_Ec5_Ringduebel_A1(), 1);
    EXPECT_EQ(Get_Vbm_Catalogue_Rows(25), 1);
    EXPECT_DOUBLE_EQ(Get_Connector_Value(25, 0, "he"), 15.0);
    EXPECT_EQ(msgs.lines().size(), 1u);
}

TEST_F(CatFiles, CommentsOnlyAndEarlyEnd)
{
    Write("ec5_spax_t_tg.dat", "# nur Kommentare\n# noch einer\n");
    EXPECT_EQ(Load_Ec5_Spax_T_Tg(), 1);
    EXPECT_EQ(Get_Vbm_Catalogue(12)->header, 0);
    EXPECT_EQ(Get_Vbm_Catalogue_Rows(12), 0);
    /* a file that ends before its rows: the rows read are the table, with a message */
    Write("ec5_spax_s_tg.dat", "1\n3\n6 3.9 4.3 12 4 60 35 80 50\n");
    EXPECT_EQ(Load_Ec5_Spax_S_Tg(), 1);
    EXPECT_EQ(Get_Vbm_Catalogue_Rows(11), 1);
    ASSERT_EQ(msgs.lines().size(), 1u);
    EXPECT_NE(msgs.lines()[0].find("ec5_spax_s_tg.dat"), std::string::npos);
}

TEST_F(CatFiles, ExcessRowsAndLengthsAreIgnoredWithAMessage)
{
    std::string text = "1\n35\n";
    for (int i = 0; i < 35; i++) text += std::to_string(2.0 + 0.1 * i) + " 5 50\n";
    Write("ec5_nagel.dat", text);
    EXPECT_EQ(Load_Ec5_Nagel(), 1);
    EXPECT_EQ(Get_Vbm_Catalogue_Rows(0), 30);
    ASSERT_EQ(msgs.lines().size(), 1u);
    EXPECT_NE(msgs.lines()[0].find("ec5_nagel.dat, Zeile 2"), std::string::npos);
    std::string row = "5 3.5 8 0.6 3.5";
    for (int i = 1; i <= 34; i++) row += " " + std::to_string(10 * i);
    Write("ec5_schraube.dat", "1\n1\n" + row + "\n");
    EXPECT_EQ(Load_Ec5_Schraube(), 1);
    EXPECT_EQ(Get_Vbm_Row_Length_Count(2, 0), 30);
    EXPECT_DOUBLE_EQ(Get_Vbm_Length(2, 0, 29), 300.0);
    ASSERT_EQ(msgs.lines().size(), 2u);
    EXPECT_NE(msgs.lines()[1].find("ec5_schraube.dat, Zeile 3"), std::string::npos);
}

TEST_F(CatFiles, MalformedLinesStopTheReader)
{
    Write("ec5_nagel.dat", "eins\n1\n");
    EXPECT_EQ(Load_Ec5_Nagel(), 0);
    Write("ec5_klammer.dat", "1\n1\n1.8 11.2 40 50\n36\n");
    EXPECT_EQ(Load_Ec5_Klammer(), 0); /* too few effective lengths */
    Write("ec5_sondernagel.dat", "1\n2\n4 8 50 35\n4.2 9 x60 42\n");
    EXPECT_EQ(Load_Ec5_Sondernagel(), 0);           /* a list word that is no number */
    EXPECT_DOUBLE_EQ(Get_Vbm_Diameter(16, 0), 4.0); /* the rows read keep their values */
    Write("ec5_schduebel_c5.dat", "1\n1\n60 13 5.9 1.2\n");
    EXPECT_EQ(Load_Ec5_Schduebel_C5(), 0); /* too few connector values */
    ASSERT_EQ(msgs.lines().size(), 4u);
    EXPECT_NE(msgs.lines()[0].find("ec5_nagel.dat, Zeile 1"), std::string::npos);
    EXPECT_NE(msgs.lines()[1].find("ec5_klammer.dat, Zeile 4"), std::string::npos);
    EXPECT_NE(msgs.lines()[2].find("ec5_sondernagel.dat, Zeile 4"), std::string::npos);
    EXPECT_NE(msgs.lines()[3].find("ec5_schduebel_c5.dat, Zeile 3"), std::string::npos);
    /* a failed reader reads again on the next call */
    Write("ec5_nagel.dat", "1\n1\n2.5 5.5 50\n");
    EXPECT_EQ(Load_Ec5_Nagel(), 1);
    EXPECT_DOUBLE_EQ(Get_Vbm_Diameter(0, 0), 2.5);
}

TEST_F(CatFiles, OverlongLineIsRefused)
{
    std::string row = "3.1 6.5";
    while (row.size() < 700) row += " 60";
    Write("ec5_nagel.dat", "1\n1\n" + row + "\n");
    EXPECT_EQ(Load_Ec5_Nagel(), 0);
    ASSERT_GE(msgs.lines().size(), 1u);
    EXPECT_NE(msgs.lines()[0].find("ec5_nagel.dat, Zeile 3"), std::string::npos);
    EXPECT_LE(Get_Vbm_Row_Length_Count(0, 0), 30);
}

TEST_F(CatFiles, EnvironmentFilesReadWithoutMessage)
{
    setenv("SPLICE_PRIVATE_DATA", SPLICE_SOURCE_DIR "/environment/exec/splice", 1);
    Load_Vbm_Catalogues();
    EXPECT_EQ(Load_Ec5_Simpson_Cna(), 1);
    EXPECT_EQ(Load_Ec5_Simpson_Csa(), 1);
    EXPECT_TRUE(msgs.lines().empty()) << msgs.lines()[0];
    const int codes[] = {0,  1,  2,  11, 12, 13, 14, 15, 16, 25, 26, 27, 28, 31, 32,
                         33, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60};
    for (int code : codes) {
        const int32_t n = Get_Vbm_Catalogue_Rows(code);
        EXPECT_GT(n, 0) << code;
        for (int32_t r = 0; r < n; r++) {
            EXPECT_GT(Get_Vbm_Diameter(code, r), 0.0) << code << " " << r;
            if (Get_Vbm_Catalogue(code)) {
                EXPECT_GT(Get_Vbm_Row_Length_Count(code, r), 0) << code << " " << r;
                for (int32_t i = 0; i < Get_Vbm_Row_Length_Count(code, r); i++) {
                    EXPECT_GT(Get_Vbm_Length(code, r, i), 0.0);
                    if (code != 0) {
                        EXPECT_GT(Get_Vbm_Eff_Length(code, r, i), 0.0)
                            << code << " " << r << " " << i;
                    }
                }
            } else {
                EXPECT_GT(Get_Connector_Value(code, r, "he"), 0.0) << code;
                EXPECT_GT(Get_Connector_Value(code, r, "F"), 0.0) << code;
                EXPECT_GT(Get_Connector_Value(code, r, "db_min"), 0.0) << code;
            }
        }
    }
    EXPECT_EQ(Ec5_Schduebel_B1_Table.header, 2);
    EXPECT_GT(Ec5_Schduebel_B1_Table.rows[0].d3, 0.0);
    EXPECT_EQ(Get_Simpson_Catalogue(1)->n_rows, 1);
}

TEST_F(CatFiles, DowelAndBoltListsAndAccessBounds)
{
    EXPECT_EQ(Init_Dowel_Bolt_Diameters(), 1);
    EXPECT_EQ(Get_Vbm_Catalogue_Rows(30), 8);
    EXPECT_EQ(Get_Vbm_Catalogue_Rows(29), 7);
    EXPECT_DOUBLE_EQ(Get_Vbm_Diameter(30, 7), 30.0);
    EXPECT_DOUBLE_EQ(Get_Vbm_Diameter(29, 6), 24.0);
    EXPECT_DOUBLE_EQ(Get_Vbm_Diameter(29, 7), 0.0);
    EXPECT_DOUBLE_EQ(Dowel_Bolt_Diameters.bolt.d[4], 16.0);
    EXPECT_EQ(Find_Vbm_Row_By_Diameter(30, 20.0), 5);
    EXPECT_EQ(Get_Vbm_Catalogue(25), nullptr);
    EXPECT_EQ(Get_Vbm_Catalogue(-1), nullptr);
    EXPECT_EQ(Get_Vbm_Catalogue(43), nullptr);
    EXPECT_EQ(Get_Vbm_Catalogue(61), nullptr);
    EXPECT_EQ(Get_Vbm_Catalogue_Rows(-2), 0);
    EXPECT_EQ(Get_Vbm_Catalogue_Rows(45), 0);
    EXPECT_EQ(Get_Vbm_Catalogue_Rows(61), 0);
    EXPECT_DOUBLE_EQ(Get_Vbm_Diameter(0, 31), 0.0);
    EXPECT_DOUBLE_EQ(Get_Vbm_Diameter(0, -1), 0.0);
    int32_t i = 1;
    Adjust_List_Index(&i);
    EXPECT_EQ(i, 1);
    i = 2;
    Adjust_List_Index(&i);
    EXPECT_EQ(i, 3);
}

TEST_F(CatFiles, LookupsAndSelectionLists)
{
    Write("ec5_nagel.dat", "1\n3\n3.1 6.5 60 70 80\n4.2 9 100 110\n3.1 7 90 90.005\n");
    ASSERT_EQ(Load_Ec5_Nagel(), 1);
    EXPECT_EQ(Find_Vbm_Row_By_Diameter(0, 3.1005), 2); /* two rows of 3.1: the last */
    EXPECT_EQ(Find_Vbm_Row_By_Diameter(0, 5.0), 0);
    EXPECT_EQ(Find_Vbm_Length_Index(0, 0, 70.005), 1);
    EXPECT_EQ(Find_Vbm_Length_Index(0, 2, 90.0), 1); /* both within 0.01: the last */
    EXPECT_EQ(Find_Vbm_Length_Index(25, 0, 90.0), 0);
    Init_Dowel_Bolt_Diameters();
    int32_t n = 0;
    Mat_List_Item *l = Build_Vbm_Length_List(0, 0, 7, &n);
    ASSERT_EQ(n, 3);
    EXPECT_STREQ(l[0].text, " 60 mm");
    EXPECT_EQ(l[2].colour, 7);
    Mat_List_Item *d = Build_Vbm_Diameter_List(0, 3, &n);
    ASSERT_EQ(n, 3);
    EXPECT_STREQ(d[0].text, "  3.10 mm");
    EXPECT_STREQ(d[1].text, "  4.20 mm");
    Mat_List_Item *b = Build_Vbm_Diameter_List_B(30, 3, &n);
    ASSERT_EQ(n, 8);
    EXPECT_STREQ(b[7].text, " 30.00 mm");
    EXPECT_STREQ(d[0].text, "  3.10 mm"); /* the first list is its own */
}

TEST_F(CatFiles, LastLineWithoutNewlineAndZeroBytes)
{
    Write("ec5_nagel.dat", "1\n2\n3.1 6.5 60 70 80 90 100 110 120 130\n2.5 5 50");
    EXPECT_EQ(Load_Ec5_Nagel(), 1);
    EXPECT_EQ(Get_Vbm_Row_Length_Count(0, 1), 1);
    EXPECT_TRUE(msgs.lines().empty());
    const std::string zero("1\n1\n3.1 6.5\0 60\n", 16);
    Write("ec5_sondernagel.dat", zero);
    EXPECT_EQ(Load_Ec5_Sondernagel(), 0);
    ASSERT_EQ(msgs.lines().size(), 1u);
    EXPECT_NE(msgs.lines()[0].find("ec5_sondernagel.dat, Zeile 3"), std::string::npos);
}

/* Any bytes at all: no reader crashes, reads past a line or fills past its table. */
TEST_F(CatFiles, ArbitraryBytesNeverBreakAReader)
{
    static const char *files[] = {
        "ec5_nagel.dat",          "ec5_klammer.dat",        "ec5_schraube.dat",
        "ec5_assy_plus_vg_z.dat", "ec5_assy_plus_vg_s.dat", "ec5_spax_s_vg.dat",
        "ec5_spax_s_tg.dat",      "ec5_sondernagel.dat",    "ec5_ringduebel_a1.dat",
        "ec5_schduebel_c1.dat",   "ec5_schduebel_c10.dat",  "ec5_schduebel_B1.dat",
        "ec5_schduebel_c2.dat",   "ec5_schduebel_c11.dat",  "ec5_simpson_csa.dat"};
    static const char alphabet[] = "0123456789 .-e#\n\n\n\t12 3.5 7 100 x";
    uint32_t seed = 12345u;
    for (int round = 0; round < 40; round++) {
        Reset_Vbm_Catalogues();
        for (const char *f : files) {
            std::string text = (round % 2) ? "2\n40\n" : "1\n31\n";
            const int len = 200 + (round * 97) % 3000;
            for (int i = 0; i < len; i++) {
                seed = seed * 1103515245u + 12345u;
                text += alphabet[(seed >> 16) % (sizeof alphabet - 1)];
            }
            Write(f, text);
        }
        Load_Vbm_Catalogues();
        Load_Ec5_Simpson_Csa();
        for (int code : {0, 1, 2, 13, 14, 15, 16, 25, 26, 28, 31, 32, 33}) {
            const int32_t n = Get_Vbm_Catalogue_Rows(code);
            EXPECT_GE(n, 0);
            EXPECT_LE(n, VBM_CAT_MAX_ROWS);
            for (int32_t r = 0; r < n; r++) {
                EXPECT_GE(Get_Vbm_Row_Length_Count(code, r), 0);
                EXPECT_LE(Get_Vbm_Row_Length_Count(code, r), VBM_CAT_MAX_LENGTHS);
            }
        }
    }
}
