/*
** Tests of the viewer's bounded memory: the reader takes the file a piece at a time (pieces of
** any size give the blocks of the whole text, and only the pieces from the line being read on
** are held), the preview keeps its laid-out pages in a nameless temporary file and gets every
** page back as it was kept, and the printer tells the list's pages and warnings.
*/
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/oliview.h"
#include "platform/oliview_internal.h"
#include "platform/zelkwin_test.h"

int Viewer_Write_Sample_List(const char *path, int variant, int rows);

namespace {

std::string Scratch(const std::string &name)
{
    return "sp" + std::to_string(getpid()) + "_" + name;
}

std::string file_bytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void write_bytes(const std::string &path, const std::string &bytes)
{
    FILE *f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

/* A page as text: every item's kind, place and text, one line each. */
std::string page_text(const Oli_Page &p)
{
    std::string out;
    char buf[160];
    for (const Oli_Item &it : p.items) {
        snprintf(buf, sizeof buf, "%d %.6f %.6f %.6f %.6f %d ", it.kind, it.x, it.y, it.x2, it.y2,
                 it.face);
        out += buf + it.text + "\n";
    }
    return out;
}

struct Pages {
    std::vector<std::string> texts;
    size_t most_held = 0; /* bytes the reader held at most, seen at a page's end */
    const Oli_Reader *reader = nullptr;
};

void take(void *user, int index, Oli_Page &page)
{
    Pages *p = static_cast<Pages *>(user);
    EXPECT_EQ(index, (int)p->texts.size());
    p->texts.push_back(page_text(page));
    p->most_held = std::max(p->most_held, Oli_Reader_Held(p->reader));
}

/* Files this process has open. */
int open_files()
{
    int n = 0;
    if (DIR *d = opendir("/proc/self/fd")) {
        while (dirent *e = readdir(d)) n += e->d_name[0] != '.';
        closedir(d);
    }
    return n;
}

} /* namespace */

TEST(OliviewReader, PiecesOfAnySizeGiveTheLayoutOfTheWholeText)
{
    ZW_Test_Reset();
    const std::string oli = Scratch("stueck_01.oli");
    /* the three sample reports; the first once more with CR LF line ends and no last line end */
    for (int v = 0; v < 4; v++) {
        ASSERT_EQ(Viewer_Write_Sample_List(oli.c_str(), v % 3, v == 1 ? 300 : 12), 1);
        std::string text = file_bytes(oli);
        if (v == 3) {
            std::string crlf;
            for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
            crlf.resize(crlf.size() - 2);
            text = crlf;
            write_bytes(oli, text);
        }
        Oli_Document doc;
        ASSERT_EQ(Oli_Read_Text(text.data(), text.size(), &doc), 1);
        Oli_Layout whole;
        Oli_Layout_Document(&doc, &whole);
        std::vector<std::string> want;
        for (const Oli_Page &p : whole.pages) want.push_back(page_text(p));
        for (size_t chunk : {(size_t)1, (size_t)2, (size_t)7, (size_t)100, (size_t)65536}) {
            Oli_Reader *r = Oli_Reader_Open_Chunked(oli.c_str(), chunk);
            ASSERT_NE(r, nullptr);
            Pages got;
            got.reader = r;
            Oli_Layout streamed;
            Oli_Layout_Stream(r, &streamed, take, &got);
            EXPECT_EQ(Oli_Reader_Failed(r), 0);
            Oli_Reader_Close(r);
            EXPECT_TRUE(got.texts == want) << "variant " << v << ", pieces of " << chunk;
            EXPECT_EQ(streamed.warnings, whole.warnings)
                << "variant " << v << ", pieces of " << chunk;
            EXPECT_EQ(streamed.title, whole.title);
            /* the list of 300 combinations (about 30 kB) is never held whole in small pieces */
            if (v == 1 && chunk == 100) {
                EXPECT_GT(text.size(), 20000u);
                EXPECT_LT(got.most_held, 1000u);
            }
        }
        /* the whole file read at once gives the same document */
        Oli_Document again;
        ASSERT_EQ(Oli_Read_File(oli.c_str(), &again), 1);
        EXPECT_EQ(again.blocks.size(), doc.blocks.size());
        EXPECT_EQ(again.title, doc.title);
    }
    remove(oli.c_str());
    /* an empty file is a list without blocks; a folder cannot be read */
    write_bytes(oli, "");
    Oli_Reader *r = Oli_Reader_Open(oli.c_str());
    ASSERT_NE(r, nullptr);
    Oli_Block b;
    EXPECT_EQ(Oli_Reader_Next(r, &b), 0);
    Oli_Reader_Close(r);
    remove(oli.c_str());
    const std::string dir = Scratch("ordner_01.oli");
    ASSERT_EQ(mkdir(dir.c_str(), 0700), 0);
    EXPECT_EQ(Oli_Reader_Open(dir.c_str()), nullptr);
    Oli_Document d;
    EXPECT_EQ(Oli_Read_File(dir.c_str(), &d), 0);
    rmdir(dir.c_str());
}

TEST(OliviewSpool, EveryPageComesBackAsItWasKeptAndNoFileIsLeft)
{
    const std::string dir = Scratch("temp");
    ASSERT_EQ(mkdir(dir.c_str(), 0700), 0);
    const char *old = getenv("TEMP");
    const std::string old_temp = old ? old : "";
    setenv("TEMP", dir.c_str(), 1);
    /* eight pages (a page beyond them lies beyond what the spool holds) with every kind of item,
  ** each field set to a value of its own */
    std::vector<Oli_Page> pages(8);
    for (int p = 0; p < 8; p++) {
        if (p == 2) continue; /* an empty page */
        for (int k = OLI_IT_TEXT; k <= OLI_IT_UNCLIP; k++) {
            Oli_Item it{};
            it.kind = k;
            it.x = 1.25 + p;
            it.y = 2.5 + k;
            it.x2 = -3.0 / 7.0;
            it.y2 = 1e-300;
            it.size = 8.5;
            it.angle = 90.0;
            it.face = OLI_FACE_BOLD | OLI_FACE_SUB;
            it.rgb = 0x123456u + (uint32_t)k;
            it.fill_rgb = 0xFEDCBAu;
            it.fill = (k & 1) != 0;
            it.stroke = (k & 2) != 0;
            it.pattern = 12 + k;
            if (k == OLI_IT_LINE) it.dash = {0.1, 0.05};
            if (k == OLI_IT_POLY) it.pts = {0, 0, 1, 0, 1, 1, 0.5, 2};
            it.text = "Gr\xC3\xB6\xC3\x9F"
                      "e "
                      + std::to_string(p);
            if (k == OLI_IT_IMAGE) {
                it.image_w = 2;
                it.image_h = 3;
                for (int i = 0; i < 24; i++) it.image.push_back((unsigned char)(i * 11));
            }
            pages[(size_t)p].items.push_back(it);
        }
    }
    const int fds = open_files();
    Oli_Spool *s = Oli_Spool_Open();
    ASSERT_NE(s, nullptr);
    /* nameless: the folder for temporary files stays empty */
    DIR *d = opendir(dir.c_str());
    ASSERT_NE(d, nullptr);
    int entries = 0;
    while (dirent *e = readdir(d)) entries += e->d_name[0] != '.';
    closedir(d);
    EXPECT_EQ(entries, 0);
    for (const Oli_Page &p : pages) ASSERT_EQ(Oli_Spool_Add(s, p), 1);
    EXPECT_EQ(Oli_Spool_Count(s), 8);
    for (int p = 7; p >= 0; p--) {
        Oli_Page got;
        got.items.resize(3); /* what a page held before is replaced */
        ASSERT_EQ(Oli_Spool_Get(s, p, &got), 1);
        const Oli_Page &want = pages[(size_t)p];
        ASSERT_EQ(got.items.size(), want.items.size()) << "page " << p;
        for (size_t i = 0; i < want.items.size(); i++) {
            const Oli_Item &a = got.items[i], &b = want.items[i];
            EXPECT_EQ(a.kind, b.kind);
            EXPECT_EQ(a.x, b.x);
            EXPECT_EQ(a.y, b.y);
            EXPECT_EQ(a.x2, b.x2);
            EXPECT_EQ(a.y2, b.y2);
            EXPECT_EQ(a.size, b.size);
            EXPECT_EQ(a.angle, b.angle);
            EXPECT_EQ(a.face, b.face);
            EXPECT_EQ(a.rgb, b.rgb);
            EXPECT_EQ(a.fill_rgb, b.fill_rgb);
            EXPECT_EQ(a.fill, b.fill);
            EXPECT_EQ(a.stroke, b.stroke);
            EXPECT_EQ(a.pattern, b.pattern);
            EXPECT_EQ(a.dash, b.dash);
            EXPECT_EQ(a.pts, b.pts);
            EXPECT_EQ(a.text, b.text);
            EXPECT_EQ(a.image, b.image);
            EXPECT_EQ(a.image_w, b.image_w);
            EXPECT_EQ(a.image_h, b.image_h);
        }
    }
    Oli_Page none;
    EXPECT_EQ(Oli_Spool_Get(s, 8, &none), 0);
    EXPECT_EQ(Oli_Spool_Get(s, -1, &none), 0);
    EXPECT_EQ(Oli_Spool_Get(s, 0, nullptr), 0);
    EXPECT_EQ(Oli_Spool_Get(nullptr, 0, &none), 0);
    Oli_Spool_Close(s);
    EXPECT_EQ(open_files(), fds); /* the temporary file is closed with the spool */
    if (old) setenv("TEMP", old_temp.c_str(), 1);
    else unsetenv("TEMP");
    EXPECT_EQ(rmdir(dir.c_str()), 0);
}

TEST(OliviewSpool, ThePrinterTellsThePagesAndWarningsOfTheList)
{
    ZW_Test_Reset();
    const std::string oli = Scratch("bericht_01.oli"), pdf = Scratch("bericht.pdf");
    ASSERT_EQ(Viewer_Write_Sample_List(oli.c_str(), 1, 300), 1);
    /* an unknown record in the middle: one warning */
    std::string text = file_bytes(oli);
    size_t at = text.find("#SHOWTABLE");
    ASSERT_NE(at, std::string::npos);
    text.insert(at, "#UNBEKANNT\n");
    write_bytes(oli, text);
    Oli_Document doc;
    ASSERT_EQ(Oli_Read_File(oli.c_str(), &doc), 1);
    Oli_Layout whole;
    Oli_Layout_Document(&doc, &whole);
    ASSERT_EQ(whole.warnings.size(), 1u);
    std::vector<std::string> warnings = {"left over"};
    int pages = -1;
    ASSERT_EQ(Oli_Print_File_To_Pdf_Report(oli.c_str(), pdf.c_str(), &warnings, &pages), 1);
    EXPECT_EQ(pages, (int)whole.pages.size());
    EXPECT_GE(pages, 3);
    EXPECT_EQ(warnings, whole.warnings);
    /* a list that cannot be read prints nothing and tells nothing */
    EXPECT_EQ(Oli_Print_File_To_Pdf_Report(Scratch("fehlt_01.oli").c_str(), pdf.c_str(), &warnings,
                                           &pages),
              0);
    EXPECT_EQ(pages, 0);
    EXPECT_TRUE(warnings.empty());
    remove(oli.c_str());
    remove(pdf.c_str());
}
