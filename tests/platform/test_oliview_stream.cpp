/*
** Tests of printing page by page: the list read block by block and laid out as it is read gives
** the pages of the whole list's layout, each handed on as soon as nothing can be written on it
** any more (a few pages in memory at a time; a stored position keeps its page until the end),
** and the PDF written from them is the PDF of the whole layout byte for byte. The PDF itself:
** the print fonts embedded as subsets with a map back to Unicode, symbols and umlauts found
** by text extraction.
*/
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/oliview.h"
#include "platform/oliview_internal.h"
#include "platform/zelkgrft.h"
#include "platform/zelkwin_test.h"
#include "printlist/printlist.h"

int Viewer_Write_Sample_List(const char *path, int variant, int rows);

namespace {

std::string file_bytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string run_output(const std::string &cmd)
{
    std::string out;
    FILE *p = popen(cmd.c_str(), "r");
    if (p == nullptr) return out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    pclose(p);
    return out;
}

/* Scratch names of this process. */
std::string Scratch(const std::string &name)
{
    return "st" + std::to_string(getpid()) + "_" + name;
}

/* What the sink saw: every page's texts in order, and the most pages held at once. */
struct Seen_Pages {
    const Oli_Layout *layout = nullptr;
    std::vector<std::vector<std::string>> texts;
    std::vector<int> indices;
    size_t most_held = 0;
};

void Take(void *user, int index, Oli_Page &page)
{
    Seen_Pages *s = static_cast<Seen_Pages *>(user);
    s->indices.push_back(index);
    std::vector<std::string> t;
    for (const Oli_Item &it : page.items)
        t.push_back(it.kind == OLI_IT_TEXT ? it.text : std::to_string(it.kind));
    s->texts.push_back(t);
    size_t held = 0;
    for (const Oli_Page &p : s->layout->pages) held += !p.items.empty();
    s->most_held = std::max(s->most_held, held);
}

/* Lay the list out page by page and as a whole; answer whether the pages agree. */
void Compare_Layouts(const std::string &oli, Seen_Pages *seen, Oli_Layout *whole)
{
    Oli_Document doc;
    ASSERT_EQ(Oli_Read_File(oli.c_str(), &doc), 1);
    Oli_Layout_Document(&doc, whole);
    Oli_Reader *r = Oli_Reader_Open(oli.c_str());
    ASSERT_NE(r, nullptr);
    Oli_Layout streamed;
    seen->layout = &streamed;
    Oli_Layout_Stream(r, &streamed, Take, seen);
    Oli_Reader_Close(r);
    ASSERT_EQ(seen->texts.size(), whole->pages.size());
    for (size_t p = 0; p < whole->pages.size(); p++) {
        EXPECT_EQ(seen->indices[p], (int)p);
        std::vector<std::string> t;
        for (const Oli_Item &it : whole->pages[p].items)
            t.push_back(it.kind == OLI_IT_TEXT ? it.text : std::to_string(it.kind));
        EXPECT_EQ(seen->texts[p], t) << "page " << p;
    }
    EXPECT_EQ(streamed.title, whole->title);
    EXPECT_EQ(streamed.warnings, whole->warnings);
    ASSERT_EQ(streamed.bookmarks.size(), whole->bookmarks.size());
    for (size_t i = 0; i < whole->bookmarks.size(); i++) {
        EXPECT_EQ(streamed.bookmarks[i].page, whole->bookmarks[i].page);
        EXPECT_EQ(streamed.bookmarks[i].text, whole->bookmarks[i].text);
    }
}

} // namespace

/* A fixed creation date of the PDFs while it lives (the environment as it was afterwards), so
** that two PDFs of one layout written a second apart are the same bytes. */
struct Fixed_Pdf_Date {
    bool had;
    std::string kept;
    Fixed_Pdf_Date()
    {
        const char *e = getenv("SOURCE_DATE_EPOCH");
        had = e != nullptr;
        if (had) kept = e;
        setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    }
    ~Fixed_Pdf_Date()
    {
        if (had) setenv("SOURCE_DATE_EPOCH", kept.c_str(), 1);
        else unsetenv("SOURCE_DATE_EPOCH");
    }
};

TEST(OliviewStream, PageByPageGivesTheWholeLayoutAndItsPdf)
{
    ZW_Test_Reset();
    const Fixed_Pdf_Date date;
    /* the three sample reports, one of them with 400 combinations */
    const int rows[] = {12, 400, 12};
    for (int v = 0; v < 3; v++) {
        const std::string oli = Scratch("probe" + std::to_string(v) + "_01.oli");
        ASSERT_EQ(Viewer_Write_Sample_List(oli.c_str(), v, rows[v]), 1);
        Seen_Pages seen;
        Oli_Layout whole;
        Compare_Layouts(oli, &seen, &whole);
        EXPECT_LE(seen.most_held, 3u) << "variant " << v;
        EXPECT_GE(whole.pages.size(), v == 1 ? 3u : 2u);
        /* the PDF of the pages as they come is the PDF of the whole layout */
        const std::string a = Scratch("whole.pdf"), b = Scratch("stream.pdf");
        ASSERT_EQ(Oli_Write_Pdf(&whole, a.c_str()), 1);
        ASSERT_EQ(Oli_Print_File_To_Pdf(oli.c_str(), b.c_str()), 1);
        const std::string pa = file_bytes(a), pb = file_bytes(b);
        EXPECT_GT(pa.size(), 1000u);
        EXPECT_TRUE(pa == pb) << "variant " << v;
        remove(a.c_str());
        remove(b.c_str());
        remove(oli.c_str());
    }
}

TEST(OliviewStream, AStoredPositionKeepsItsPageUntilTheList)
{
    ZW_Test_Reset();
    /* a position stored on page 1, three pages of text in a left column, then back to it and a
  ** text in the right column there */
    const std::string oli = Scratch("slot_01.oli");
    FILE *f = fopen(oli.c_str(), "w");
    ASSERT_NE(f, nullptr);
    OLI_setFlags(f, 896);
    OLI_setLayout(f, 4115);
    Oli_Init_Writer(3, 2, 1);
    Oli_Write_Contents(f, "Positionen");
    Oli_Write_Text(f, "Erste Zeile");
    OLI_storeYPosition(f, 3);
    OLI_setMarginsCM(f, 1, 0.0f, 9.0f);
    for (int i = 0; i < 200; i++) Oli_Write_Text(f, "Zeile %d der langen Strecke", i + 1);
    OLI_restoreYPosition(f, 3);
    OLI_setMarginsCM(f, 1, 9.0f, 0.0f);
    Oli_Write_Text(f, "Zur\x81"
                      "ck auf Seite 1");
    Oli_Write_Text(f, "Und weiter");
    fclose(f);
    Seen_Pages seen;
    Oli_Layout whole;
    Compare_Layouts(oli, &seen, &whole);
    ASSERT_GE(whole.pages.size(), 3u);
    EXPECT_GE(seen.most_held, 3u); /* page 1 was held until the end */
    int back = -1;
    for (size_t p = 0; p < seen.texts.size(); p++)
        for (const std::string &t : seen.texts[p])
            if (t
                == "Zur\xC3\xBC"
                   "ck")
                back = (int)p;
    EXPECT_EQ(back, 0) << "the text after the restored position stands on page 1";
    remove(oli.c_str());
}

TEST(OliviewStream, ThePdfEmbedsSubsetFontsThatTextExtractionReads)
{
    ASSERT_EQ(system("command -v pdffonts >/dev/null 2>&1 && command -v pdftotext >/dev/null 2>&1"),
              0)
        << "poppler-utils (pdffonts, pdftotext) not installed";
    ZW_Test_Reset();
    const std::string oli = Scratch("zeichen_01.oli"), pdf = Scratch("zeichen.pdf");
    FILE *f = fopen(oli.c_str(), "w");
    ASSERT_NE(f, nullptr);
    OLI_setFlags(f, 896);
    OLI_setLayout(f, 4115);
    Oli_Init_Writer(3, 2, 1);
    /* the title's own 0xCE ("╬"), which the print list also takes as its escape byte; a title
    ** wider than the head, whose end (the position number) goes on in a second line */
    Oli_Write_Contents(f, "Sto\xE1 \x94"
                          "ffnen A\xCE"
                          "bB, Neubau Logistikzentrum, Halle 3, Bauabschnitt Nord, Dachtragwerk "
                          "\x81"
                          "ber Achse 7, Pos. 17.3");
    Oli_Write_Heading(f, 1, "Ma\xE1gebende Lastkombination");
    /* gamma, sigma, less-or-equal, diameter and umlauts of code page 850; a bold and an italic */
    Oli_Write_Text(
        f, "\xC0\xCE\\M\xCEr = 1.30, \xCC = 2.5 N/mm\xFD \xF3 f\xCE\\d\xCEr, \x8C 12 mm, Gr\x94\xE1"
           "e \xCE"
           "bfett\xCEr \xCE_schr\x84g\xCEr");
    Oli_Close_Bookmarks(f);
    fclose(f);
    ASSERT_EQ(Oli_Print_File_To_Pdf(oli.c_str(), pdf.c_str()), 1);
    const std::string fonts = run_output("pdffonts " + pdf);
    EXPECT_NE(fonts.find("+DejaVuSans "), std::string::npos) << fonts;
    EXPECT_NE(fonts.find("+DejaVuSans-Bold "), std::string::npos) << fonts;
    /* every font embedded, as a subset, with a map to Unicode */
    int lines = 0;
    std::istringstream in(fonts);
    for (std::string l; std::getline(in, l);) {
        if (l.find("CID TrueType") == std::string::npos) continue;
        lines++;
        EXPECT_NE(l.find("yes yes yes"), std::string::npos) << l;
    }
    EXPECT_GE(lines, 3);
    const std::string text = run_output("pdftotext -enc UTF-8 " + pdf + " -");
    for (const char *want : {"\xCE\xB3", "\xCF\x83", "\xE2\x89\xA4", "\xE2\x8C\x80",
                             "Gr\xC3\xB6\xC3\x9F"
                             "e",
                             "Sto\xC3\x9F \xC3\xB6"
                             "ffnen A\xE2\x95\xAC"
                             "bB, Neubau",
                             "Achse 7, Pos. 17.3", "fett", "schr\xC3\xA4g", "Seite 1 von 1"})
        EXPECT_NE(text.find(want), std::string::npos) << want << " in\n" << text;
    /* the outline keeps its umlauts (a text string in UTF-16) */
    const std::string bytes = file_bytes(pdf);
    EXPECT_NE(bytes.find("/Outlines"), std::string::npos);
    EXPECT_NE(bytes.find("<FEFF"), std::string::npos);
    remove(oli.c_str());
    remove(pdf.c_str());
}
