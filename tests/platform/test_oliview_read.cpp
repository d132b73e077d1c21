/*
** Tests of the print-list reader: paragraphs with every header field, tables of the table
** writer and of the national-annex tables, graphic and picture blocks, page-layout commands,
** and the handling of unknown, truncated and unended blocks.
*/
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "platform/oliview.h"
#include "platform/oliview_internal.h"
#include "platform/zelkgrft.h"
#include "printlist/printlist.h"

namespace {

Oli_Document read(const std::string &text)
{
    Oli_Document doc;
    EXPECT_EQ(Oli_Read_Text(text.data(), text.size(), &doc), 1);
    return doc;
}

/* Print-list text written by the writers into a temporary file. */
template <class F>
std::string written(F write)
{
    FILE *f = tmpfile();
    write(f);
    fflush(f);
    std::string out;
    rewind(f);
    int c;
    while ((c = fgetc(f)) != EOF) out.push_back((char)c);
    fclose(f);
    return out;
}

} /* namespace */

TEST(OliviewRead, ParagraphHeaderFieldsAndContinuation)
{
    /* flags 0x10 offset 12 pt, 0x20 indent 0.1 of the width and 2 cm, 0x40 two tab stops,
  ** 0x400 factor, 0x800 a second length, 0x200 an integer pair; then a continued section. */
    Oli_Document doc =
        read("\n#SHOWPARA\n0xe70\n7\n1 12\n4 0.1 2 2\n0x0 2\n2 5\n1 72\n1.5\n2 0.3\n3 4\n-1\n"
             " erste Zeile\n zweite\n#END_OF_TEXT\n0x1004\n2 0.25\n0x40\n3\n0x2\n2 1.5\n-1\n"
             " dritte\n#END_OF_TEXT\n0x0\n-1\n");
    ASSERT_TRUE(doc.warnings.empty()) << doc.warnings[0];
    ASSERT_EQ(doc.blocks.size(), 1u);
    const Oli_Block &b = doc.blocks[0];
    EXPECT_EQ(b.kind, OLI_BLK_PARA);
    ASSERT_EQ(b.sections.size(), 2u);
    const Oli_Para_Section &s = b.sections[0];
    EXPECT_EQ(s.mode, 7);
    EXPECT_NEAR(s.offset, 12 * 2.54 / 72, 1e-12); /* points */
    EXPECT_NEAR(s.indent, 0.1 * 17.0, 1e-12);     /* fraction of the text width */
    EXPECT_NEAR(s.value_d, 2.0, 1e-12);
    ASSERT_EQ(s.tab_count, 2);
    EXPECT_NEAR(s.tabs[0], 5.0, 1e-12);
    EXPECT_NEAR(s.tabs[1], 2.54, 1e-12); /* 72 pt */
    EXPECT_DOUBLE_EQ(s.factor, 1.5);
    EXPECT_DOUBLE_EQ(s.value_b, 0.3);
    EXPECT_EQ(s.lines, (std::vector<std::string>{"erste Zeile", "zweite"}));
    EXPECT_EQ(s.end_flags, 0x1004u);
    EXPECT_DOUBLE_EQ(s.space_after, 0.25);
    const Oli_Para_Section &t = b.sections[1];
    EXPECT_EQ(t.mode, 3);
    EXPECT_EQ(t.tab_count, -1);
    EXPECT_DOUBLE_EQ(t.tabs[0], 1.5);
    EXPECT_EQ(t.lines, (std::vector<std::string>{"dritte"}));
}

TEST(OliviewRead, ParagraphsOfTheWriters)
{
    std::string text = written([](FILE *f) {
        Oli_Para_Reset();
        Oli_Write_Text(f, "Text mit b\xCE\\"
                          "ef\xCEr");
        Oli_Columns_3(0.0, 5.0, 10.0);
        Oli_Column_Cell(f, "a");
        Oli_Column_Cell(f, "b");
        Oli_Column_Cell(f, "c");
        Oli_Columns_End(f);
        Oli_Write_Small(f, "klein");
    });
    Oli_Document doc = read(text);
    ASSERT_TRUE(doc.warnings.empty()) << doc.warnings[0];
    ASSERT_EQ(doc.blocks.size(), 3u);
    EXPECT_EQ(doc.blocks[0].sections[0].mode, 7);
    EXPECT_EQ(doc.blocks[0].sections[0].lines[0], "Text mit b\xCE\\"
                                                  "ef\xCEr");
    const Oli_Para_Section &c = doc.blocks[1].sections[0];
    EXPECT_EQ(c.tab_count, 2);
    EXPECT_EQ(c.tabs, (std::vector<double>{5.0, 10.0}));
    EXPECT_EQ(c.lines[0], "a\xCEtb\xCEtc");
    EXPECT_EQ(doc.blocks[2].sections[0].mode, 3);
}

TEST(OliviewRead, TableOfTheTableWriter)
{
    static double v1[3] = {1, 2, 3}, v2[3] = {4, 5, 6};
    std::string text = written([](FILE *f) {
        Oli_Table_Column *cols = nullptr;
        Oli_Alloc_Table_Columns(3, &cols);
        strcpy(cols[0].unit, "ZZ");
        cols[0].width = 3;
        cols[0].decimals = 1;
        strcpy(cols[1].group_title, "Gruppe");
        strcpy(cols[1].title, "A");
        strcpy(cols[1].unit, "kN");
        cols[1].width = 6;
        cols[1].decimals = 2;
        cols[1].values = v1;
        strcpy(cols[2].group_title, "=");
        strcpy(cols[2].title, "B");
        strcpy(cols[2].unit, "kN");
        cols[2].width = 6;
        cols[2].decimals = 2;
        cols[2].values = v2;
        cols[2].sum = 1;
        OliTabelle(/*file=*/f, /*ncols=*/3, /*nrows=*/3, /*columns=*/cols, /*row_mask=*/nullptr,
                   /*row_rules=*/nullptr, /*highlight=*/0, /*flags=*/0, /*title_counts=*/nullptr,
                   /*title_texts=*/nullptr, /*extra_count=*/0, /*extra_texts=*/nullptr);
        free(cols);
    });
    Oli_Document doc = read(text);
    ASSERT_TRUE(doc.warnings.empty()) << doc.warnings[0];
    const Oli_Block *t = nullptr;
    for (const Oli_Block &b : doc.blocks)
        if (b.kind == OLI_BLK_TABLE) t = &b;
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(t->has_layout);
    EXPECT_EQ(t->head_lines, 2); /* group line and titles */
    EXPECT_EQ(t->unit_line, 1);
    /* "Nr" column 3 wide: a separator at 4; the grouped column B joins A: none between them */
    ASSERT_EQ(t->nsep, 1);
    EXPECT_EQ(t->seps, (std::vector<double>{4.0}));
    /* three header lines, three rows, the sum row */
    ASSERT_EQ(t->rows.size(), 7u);
    EXPECT_NE(t->rows[6].find('\xB2'), std::string::npos);
}

TEST(OliviewRead, TitleBlocksAndPlainTablesOfTheAnnexForm)
{
    Oli_Document doc = read(
        "#SHOWTABLE\n1 3 0\n Titel\n Name\n \n Norm\n0 0 0 0 0\n"
        "#SHOWTABLE\n0 1 0\n Beiwerte\n1 0 -1 -1 2\n 27 45\n Kopf\n Zeile\n#END_OF_TEXT\n"
        "#SHOWTABLE\n0 1 2\n R\n a\n b\n0 0 -1 -1 0\nk = 0.67   Holz\n#END_OF_TEXT\n\n#END_OF_TEXT\n");
    ASSERT_TRUE(doc.warnings.empty()) << doc.warnings[0];
    ASSERT_EQ(doc.blocks.size(), 3u);
    EXPECT_FALSE(doc.blocks[0].has_layout);
    EXPECT_EQ(doc.blocks[0].titles[0], (std::vector<std::string>{"Titel"}));
    EXPECT_EQ(doc.blocks[0].titles[1], (std::vector<std::string>{"Name", "", "Norm"}));
    EXPECT_EQ(doc.blocks[1].seps, (std::vector<double>{27, 45}));
    EXPECT_EQ(doc.blocks[1].rows, (std::vector<std::string>{" Kopf", " Zeile"}));
    EXPECT_TRUE(doc.blocks[2].plain);
    EXPECT_EQ(doc.blocks[2].titles[2].size(), 2u);
    EXPECT_EQ(doc.blocks[2].rows, (std::vector<std::string>{"k = 0.67   Holz"}));
}

TEST(OliviewRead, GraphicElementsAndPictures)
{
    Oli_Document doc = read(
        "#SHOWGRAFIC\n 1 0 1\n oben\n unten\n 0 0 0\n-1\n0.000000 10.000000 5.000000 0.000000\n"
        " 1  0.0 0.0 10.0 5.0\n 2 1 2 \xAE"
        "A\xAF\n 9 1 1 1 1 210 \xAE"
        "B c\xAF\n 14 30.0 0\n 10 2 2 2 2 466 \xAE"
        "C\xAF\n"
        " 18 3 0 0 1 0 0 1 \n 24  0 1 1 0\n 20  43\n 6 0.04\n 38 2 0.1 0.1 0\n50 1 2 3\n51 4 5 6\n"
        " 30\n 31\n 52\n 53\n61\n59\n60\n62 3\n 13 0.2\n 7 5\n 8 6\n 4 2\n 16 1.5\n 23 1 2\n"
        " 27 0.0 0.0 %FONT%\\UserCommentLogo.ocm\n -1\n"
        "\n\n#SHOWGRAFIC\n0 0 0\n0 0 0\n-999 4096 3\n0 10 0 5\n50\n75 4097 1 2 3 4 \xAE.png\xAF\n{\n0102ff\n}\n0\n\n");
    ASSERT_TRUE(doc.warnings.empty()) << doc.warnings[0];
    ASSERT_EQ(doc.blocks.size(), 2u);
    const Oli_Block &g = doc.blocks[0];
    EXPECT_EQ(g.kind, OLI_BLK_GRAPHIC);
    EXPECT_EQ(g.captions, (std::vector<std::string>{"oben", "unten"}));
    EXPECT_EQ(g.window[1], 10.0);
    EXPECT_EQ(g.window[2], 5.0);
    ASSERT_EQ(g.elements.size(), 27u);
    EXPECT_EQ(g.elements[0].v, (std::vector<double>{0, 0, 10, 5}));
    EXPECT_EQ(g.elements[2].text, "B c");
    EXPECT_EQ(g.elements[2].v[4], 210);
    EXPECT_EQ(g.elements[5].v, (std::vector<double>{3, 0, 0, 1, 0, 0, 1}));
    EXPECT_EQ(g.elements.back().code, 27);
    EXPECT_EQ(g.elements.back().text, "%FONT%\\UserCommentLogo.ocm");
    const Oli_Block &p = doc.blocks[1];
    EXPECT_EQ(p.kind, OLI_BLK_PICTURE);
    EXPECT_EQ(p.picture_flags, 4096);
    EXPECT_EQ(p.picture_type, 3);
    EXPECT_EQ(p.picture_scale, 50.0);
    ASSERT_EQ(p.elements.size(), 1u);
    EXPECT_EQ(p.elements[0].text, ".png");
    EXPECT_EQ(p.elements[0].data, (std::vector<unsigned char>{0x01, 0x02, 0xff}));
}

TEST(OliviewRead, PageLayoutCommandsOfTheLibrary)
{
    std::string text = written([](FILE *f) {
        OLI_setFlags(f, 0x380);
        OLI_setLayout(f, 4115);
        OLI_setMarginsCM(f, 1, 1.5f, 0.5f);
        OLI_setYPositionCM(f, 1, -0.38);
        OLI_reserveSpaceCM(f, 3.0);
        OLI_setBookmark(f, 16, "\xCE@1. Kapitel");
        OLI_setBookmark(f, 17, nullptr);
        OLI_storeYPosition(f, 4);
        OLI_restoreYPosition(f, 4);
        OLI_pushMargins(f);
        OLI_popMargins(f, 0x100000);
        OLI_setConvertionFlags(f, 1);
    });
    Oli_Document doc = read(text);
    ASSERT_TRUE(doc.warnings.empty()) << doc.warnings[0];
    ASSERT_EQ(doc.blocks.size(), 12u);
    int expect[12] = {OLI_CMD_SETFLAGS,    OLI_CMD_SETLAYOUT,  OLI_CMD_MARGINS,
                      OLI_CMD_YPOSITION,   OLI_CMD_RESERVE,    OLI_CMD_BOOKMARK,
                      OLI_CMD_BOOKMARK,    OLI_CMD_STOREY,     OLI_CMD_RESTOREY,
                      OLI_CMD_PUSHMARGINS, OLI_CMD_POPMARGINS, OLI_CMD_CONVERSION};
    for (int i = 0; i < 12; i++) EXPECT_EQ(doc.blocks[i].command, expect[i]) << i;
    EXPECT_EQ(doc.blocks[0].nums[0], 896);
    EXPECT_EQ(doc.blocks[2].nums, (std::vector<double>{1, 1.5, 0.5}));
    EXPECT_EQ(doc.blocks[3].nums, (std::vector<double>{1, -0.38}));
    EXPECT_EQ(doc.blocks[5].text, "\xCE@1. Kapitel");
    EXPECT_EQ(doc.blocks[6].nums[0], 17);
    EXPECT_EQ(doc.blocks[10].nums[0], (double)0x100000);
}

TEST(OliviewRead, UnknownTruncatedAndUnendedBlocksAreReported)
{
    /* an unknown record with its lines, a table without its end, a paragraph cut by the end */
    Oli_Document doc =
        read("#CONTENTS\n Titel\n \n#FREMD 1 2\n irgendwas\n 3 4\n"
             "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n Zeile 1\n Zeile 2\n"
             "\n#SHOWPARA\n0x0\n7\n-1\n Text nach der Tabelle\n#END_OF_TEXT\n0x0\n-1\n"
             "#OLI_BOGUS 3\n"
             "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 5 0 5\n 1  0 0 1 1\n 99 1 2\n 99 3 4\n 1  1\n -1\n"
             "\n#SHOWPARA\n0x0\n7\n-1\n abgeschnitten");
    ASSERT_EQ(doc.title, "Titel");
    ASSERT_EQ(doc.warnings.size(), 6u);
    EXPECT_NE(doc.warnings[0].find("Zeile 4: unbekannter Datensatz"), std::string::npos)
        << doc.warnings[0];
    EXPECT_NE(doc.warnings[1].find("Zeile 7: Tabelle ohne #END_OF_TEXT"), std::string::npos)
        << doc.warnings[1];
    EXPECT_NE(doc.warnings[2].find("unbekannter Datensatz"), std::string::npos) << doc.warnings[2];
    EXPECT_NE(doc.warnings[3].find("unbekanntes Element 99"), std::string::npos) << doc.warnings[3];
    EXPECT_NE(doc.warnings[4].find("Element 1 unvollst"), std::string::npos) << doc.warnings[4];
    EXPECT_NE(doc.warnings[5].find("Absatz ohne Ende (Dateiende)"), std::string::npos)
        << doc.warnings[5];
    /* what could be read is kept */
    ASSERT_EQ(doc.blocks.size(), 5u);
    EXPECT_EQ(doc.blocks[1].rows, (std::vector<std::string>{" Zeile 1", " Zeile 2"}));
    EXPECT_EQ(doc.blocks[2].sections[0].lines[0], "Text nach der Tabelle");
    EXPECT_EQ(doc.blocks[3].elements.size(), 1u);
    EXPECT_EQ(doc.blocks[4].sections[0].lines[0], "abgeschnitten");
}

TEST(OliviewRead, BoundsOfCountsAreChecked)
{
    Oli_Document doc = read("#SHOWTABLE\n 999 0 0\n#SHOWPARA\n0x40\n7\n0x0 101\n-1\n"
                            "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 500 0 5\n -1\n"
                            "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 5 0 5\n 18 1000000 0 0\n -1\n");
    ASSERT_EQ(doc.warnings.size(), 4u);
    EXPECT_NE(doc.warnings[0].find("Titelzeilen"), std::string::npos);
    EXPECT_NE(doc.warnings[1].find("Tabulatoren"), std::string::npos);
    EXPECT_NE(doc.warnings[2].find("Fenster zu gro"), std::string::npos);
    EXPECT_NE(doc.warnings[3].find("Element 18"), std::string::npos);
}

/* Numbers of the file become integers only through range checks: flag words keep their bits
** (a negative value its two's complement), anything beyond is held to the end of the range. */
TEST(OliviewRead, NumbersBecomeIntegersInsideTheirRange)
{
    EXPECT_EQ(Oli_Flags(896.0), 896u);
    EXPECT_EQ(Oli_Flags(4294967295.0), 0xFFFFFFFFu);
    EXPECT_EQ(Oli_Flags(-1.0), 0xFFFFFFFFu);
    EXPECT_EQ(Oli_Flags((double)0x8000333333333ULL), 0xFFFFFFFFu);
    EXPECT_EQ(Oli_Flags(-1e300), 0x80000000u);
    EXPECT_EQ(Oli_Flags(4.5e9), 0xFFFFFFFFu);
    EXPECT_EQ(Oli_Flags(4294967294.0), 0xFFFFFFFEu);
    EXPECT_EQ(Oli_Int(1e300), 2147483647);
    EXPECT_EQ(Oli_Int(3e9), 2147483647);
    EXPECT_EQ(Oli_Int(-3e9), -2147483647 - 1);
    EXPECT_EQ(Oli_Int(2.2e9), 2147483647); /* just beyond the range */
    EXPECT_EQ(Oli_Int(-2.2e9), -2147483647 - 1);
    EXPECT_EQ(Oli_Int(std::nan("")), 0);
    EXPECT_EQ(Oli_Int(-2.9), -2);
    EXPECT_EQ(Oli_Channel(127.5), 128u);
    EXPECT_EQ(Oli_Channel(254.4), 254u);
    EXPECT_EQ(Oli_Channel(1e300), 255u);
    EXPECT_EQ(Oli_Channel(-3.0), 0u);
    /* the commands and the picture element with such numbers are read and laid out: the lists
  ** of the fuzz corpus (crash_setflags_range, crash_popmargins_range, crash_picture_flags_range)
  ** replay them under the sanitizers */
}

TEST(OliviewRead, MissingFileIsNotRead)
{
    Oli_Document doc;
    EXPECT_EQ(Oli_Read_File("fehlt/nicht_da_01.oli", &doc), 0);
}

TEST(OliviewRead, CutAndDamagedListsNeverCrash)
{
    int Viewer_Write_Sample_List(const char *path, int variant, int rows);
    ASSERT_EQ(Viewer_Write_Sample_List("schaden_01.oli", 1, 6), 1);
    std::string text;
    {
        FILE *f = fopen("schaden_01.oli", "rb");
        ASSERT_NE(f, nullptr);
        int c;
        while ((c = fgetc(f)) != EOF) text.push_back((char)c);
        fclose(f);
    }
    ASSERT_GT(text.size(), 1000u);
    /* every cut of the file reads and lays out; the complete file without a warning */
    size_t steps = 40;
    for (size_t k = 1; k <= steps; k++) {
        size_t n = text.size() * k / steps;
        Oli_Document doc;
        ASSERT_EQ(Oli_Read_Text(text.data(), n, &doc), 1);
        Oli_Layout layout;
        Oli_Layout_Document(&doc, &layout);
        EXPECT_GE(layout.pages.size(), 1u);
        if (k == steps) { EXPECT_TRUE(layout.warnings.empty()); }
    }
    /* damaged bytes (a fixed sequence of pseudo-random changes): read, laid out, printed */
    uint32_t seed = 12345;
    auto next = [&]() { return seed = seed * 1103515245u + 12345u, (seed >> 8) & 0xFFFFFF; };
    const char pool[] = "0123456789 -.#\n\xCE\xAE\xAF{}x";
    for (int round = 0; round < 30; round++) {
        std::string bad = text;
        for (int i = 0; i < 20; i++) bad[next() % bad.size()] = pool[next() % (sizeof pool - 1)];
        Oli_Document doc;
        ASSERT_EQ(Oli_Read_Text(bad.data(), bad.size(), &doc), 1);
        Oli_Layout layout;
        Oli_Layout_Document(&doc, &layout);
        EXPECT_GE(layout.pages.size(), 1u);
        if (round % 10 == 0) { EXPECT_EQ(Oli_Write_Pdf(&layout, "schaden.pdf"), 1); }
    }
    /* numbers far out of range in a drawing */
    std::string wild = "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 5 0 5\n 1  -1e300 0 1e300 5\n 13 1e200\n"
                       " 14 1e30 0\n 2 1e250 -1e250 \xAEweit\xAF\n 6 1e9\n 38 2 1e99 -1 0\n -1\n";
    Oli_Document doc;
    ASSERT_EQ(Oli_Read_Text(wild.data(), wild.size(), &doc), 1);
    Oli_Layout layout;
    Oli_Layout_Document(&doc, &layout);
    EXPECT_EQ(Oli_Write_Pdf(&layout, "schaden.pdf"), 1);
    EXPECT_EQ(Oli_Write_Png(&layout, 0, 30, "schaden.png"), 1);
}
