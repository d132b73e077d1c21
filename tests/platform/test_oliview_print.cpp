/*
** Tests of the printer: the sample splice reports written by the program's writers render to
** A4 PDF files without a warning, with their texts, page heads and outline; page 1 of each
** matches its golden PNG within a tolerance; broken print lists print what can be read and
** report the rest; failed reads and writes are reported.
*/
#include <gtest/gtest.h>

#include <cairo.h>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/oliview.h"
#include "platform/runtime.h"
#include "platform/zelkwin_test.h"
#include "tests/platform/png_difference.h"

int Viewer_Write_Sample_List(const char *path, int variant, int rows);
const char *Viewer_Sample_Title(int variant);

namespace {

bool have_tool(const char *name)
{
    std::string cmd = std::string("command -v ") + name + " >/dev/null 2>&1";
    return system(cmd.c_str()) == 0;
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

std::string file_bytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

/* The title of a sample in UTF-8 (its code page 850 bytes mapped by the print font). */
std::string title_utf8(int variant) { return Oli_Plain_Utf8(Viewer_Sample_Title(variant)); }

} /* namespace */

TEST(OliviewPrint, SampleReportsPrintWithoutWarnings)
{
    for (int v = 0; v < 3; v++) {
        std::string oli = "beispiel" + std::to_string(v) + "_01.oli";
        ASSERT_EQ(Viewer_Write_Sample_List(oli.c_str(), v, 12), 1);
        Oli_Document doc;
        ASSERT_EQ(Oli_Read_File(oli.c_str(), &doc), 1);
        Oli_Layout layout;
        Oli_Layout_Document(&doc, &layout);
        EXPECT_TRUE(layout.warnings.empty()) << v << ": " << layout.warnings[0];
        EXPECT_EQ(layout.title, title_utf8(v));
        EXPECT_GE(layout.pages.size(), 2u);
        ZW_Test_Reset();
        ASSERT_EQ(Oli_Print_File_To_Pdf(oli.c_str(), nullptr), 1);
        std::vector<std::string> log = ZW_Test_Log_Lines();
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(log.back(), "OLI-PRINT " + oli + ".pdf"); /* no box of warnings after it */
    }
}

TEST(OliviewPrint, PdfTextPagesAndOutline)
{
    /* scripts/deps installs poppler-utils: without them the PDF would go unchecked */
    ASSERT_TRUE(have_tool("pdftotext") && have_tool("pdfinfo"))
        << "poppler-utils (pdftotext, pdfinfo) not installed";
    ASSERT_EQ(Viewer_Write_Sample_List("pdftext_01.oli", 0, 12), 1);
    /* a fixed creation date: 1700000000 s after 1970 is 2023-11-14 22:13:20 UTC */
    const char *epoch = getenv("SOURCE_DATE_EPOCH");
    const std::string kept = epoch ? epoch : "";
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    const int printed = Oli_Print_File_To_Pdf("pdftext_01.oli", "pdftext.pdf");
    if (epoch) setenv("SOURCE_DATE_EPOCH", kept.c_str(), 1);
    else unsetenv("SOURCE_DATE_EPOCH");
    ASSERT_EQ(printed, 1);
    std::string text = run_output("pdftotext -enc UTF-8 pdftext.pdf -");
    EXPECT_NE(text.find("Eingabedaten"), std::string::npos);
    EXPECT_NE(text.find("Nachweise nach DIN EN 1995"), std::string::npos);
    EXPECT_NE(text.find(title_utf8(0)), std::string::npos);
    EXPECT_NE(text.find("Seite 1 von "), std::string::npos);
    EXPECT_NE(text.find("Materialsicherheitsbeiwerte"), std::string::npos);
    std::string info = run_output("pdfinfo pdftext.pdf");
    EXPECT_NE(info.find("595.276 x 841.89 pts (A4)"), std::string::npos) << info;
    /* the title is printed in the head of every page */
    std::string pages = info.substr(info.find("Pages:") + 6);
    int n = atoi(pages.c_str());
    ASSERT_GE(n, 2);
    for (int p = 1; p <= n; p++) {
        std::string one = run_output("pdftotext -enc UTF-8 -f " + std::to_string(p) + " -l "
                                     + std::to_string(p) + " pdftext.pdf -");
        EXPECT_NE(one.find(title_utf8(0)), std::string::npos) << "page " << p;
        EXPECT_NE(one.find("Seite " + std::to_string(p) + " von " + std::to_string(n)),
                  std::string::npos);
    }
    /* the document information names the program and the creation date */
    EXPECT_NE(info.find("Producer:"), std::string::npos) << info;
    std::string pdf = file_bytes("pdftext.pdf");
    EXPECT_NE(pdf.find("/CreationDate (D:20231114221320Z)"), std::string::npos);
    /* the outline: one folder per chapter with its sections */
    EXPECT_NE(pdf.find("/Outlines"), std::string::npos);
    EXPECT_NE(pdf.find("(1. Vorbemerkungen)"), std::string::npos);
    EXPECT_NE(pdf.find("(2.1. System und Querschnitte)"), std::string::npos);
    EXPECT_NE(pdf.find("(3. Nachweise nach DIN EN 1995-1-1)"), std::string::npos);
}

TEST(OliviewPrint, FirstPagesMatchTheirGoldenImages)
{
    const char *update = getenv("SPLICE_UPDATE_GOLDEN");
    for (int v = 0; v < 3; v++) {
        std::string oli = "golden" + std::to_string(v) + "_01.oli";
        ASSERT_EQ(Viewer_Write_Sample_List(oli.c_str(), v, 12), 1);
        std::string png = "beispiel" + std::to_string(v) + "_s1.png";
        ASSERT_EQ(Oli_Render_Page_Png(oli.c_str(), 1, 96, png.c_str()), 1);
        std::string golden =
            std::string(SPLICE_GOLDEN_DIR) + "/viewer/beispiel" + std::to_string(v) + "_s1.png";
        if (update && *update == '1') {
            std::string cmd = "mkdir -p " + std::string(SPLICE_GOLDEN_DIR) + "/viewer && cp " + png
                              + " " + golden;
            ASSERT_EQ(system(cmd.c_str()), 0);
        }
        double d = Png_Difference(png, golden);
        ASSERT_GE(d, 0.0) << golden << " missing or of another size";
        EXPECT_LT(d, 0.0005) << "page 1 of sample " << v << " differs from " << golden;
    }
    /* the comparison sees a real change: a different sample differs from the golden image */
    double other = Png_Difference("beispiel1_s1.png",
                                  std::string(SPLICE_GOLDEN_DIR) + "/viewer/beispiel0_s1.png");
    EXPECT_GT(other, 0.0005);
}

TEST(OliviewPrint, BrokenListPrintsWhatItCanAndReportsTheRest)
{
    /* a list of the writers, then an unknown record, a table without its end and a paragraph
  ** cut off by the end of the file */
    ASSERT_EQ(Viewer_Write_Sample_List("kaputt_01.oli", 2, 4), 1);
    {
        std::ofstream out("kaputt_01.oli", std::ios::app | std::ios::binary);
        out << "#UNBEKANNT 7\n irgendwas\n"
               "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n Tabellenzeile ohne Ende\n"
               "\n#SHOWPARA\n0x0\n7\n-1\n Text danach\n#END_OF_TEXT\n0x0\n-1\n"
               "\n#SHOWPARA\n0x0\n7\n-1\n Abgeschnittener Absatz";
    }
    ZW_Test_Reset();
    ASSERT_EQ(Oli_Print_File_To_Pdf("kaputt_01.oli", nullptr), 1);
    std::vector<std::string> log = ZW_Test_Log_Lines();
    int warnings = 0;
    std::string box;
    for (const std::string &l : log) {
        if (l.compare(0, 9, "OLI-WARN ") == 0) warnings++;
        if (l.compare(0, 8, "MESSAGE ") == 0) box = l;
    }
    EXPECT_EQ(warnings, 3);
    EXPECT_NE(box.find("Hinweise zur Druckliste"), std::string::npos);
    EXPECT_NE(box.find("unbekannter Datensatz"), std::string::npos) << box;
    EXPECT_NE(box.find("Tabelle ohne #END_OF_TEXT"), std::string::npos);
    EXPECT_NE(box.find("Absatz ohne Ende"), std::string::npos);
    ASSERT_TRUE(have_tool("pdftotext")) << "poppler-utils (pdftotext) not installed";
    std::string text = run_output("pdftotext -enc UTF-8 kaputt_01.oli.pdf -");
    EXPECT_NE(text.find("Eingabedaten"), std::string::npos);
    EXPECT_NE(text.find("Tabellenzeile ohne Ende"), std::string::npos);
    EXPECT_NE(text.find("Text danach"), std::string::npos);
    EXPECT_NE(text.find("Abgeschnittener Absatz"), std::string::npos);
    EXPECT_EQ(text.find("irgendwas"), std::string::npos);
}

TEST(OliviewPrint, FailedReadsAndWritesAreReported)
{
    ZW_Test_Reset();
    EXPECT_EQ(Oli_Print_File_To_Pdf("fehlt_01.oli", nullptr), 0);
    ASSERT_EQ(Viewer_Write_Sample_List("ziel_01.oli", 0, 3), 1);
    EXPECT_EQ(Oli_Print_File_To_Pdf("ziel_01.oli", "kein/ordner/ziel.pdf"), 0);
    std::vector<std::string> log = ZW_Test_Log_Lines();
    int boxes = 0;
    for (const std::string &l : log)
        if (l.compare(0, 17, "MESSAGE [Fehler] ") == 0) boxes++;
    EXPECT_EQ(boxes, 2);
    bool read_box = false, write_box = false;
    for (const std::string &l : log) {
        if (l.find("Die Druckliste fehlt_01.oli | kann nicht gelesen werden!") != std::string::npos)
            read_box = true;
        if (l.find("Die Datei kein/ordner/ziel.pdf | kann nicht geschrieben werden!")
            != std::string::npos)
            write_box = true;
    }
    EXPECT_TRUE(read_box);
    EXPECT_TRUE(write_box);
    /* a PDF that cannot replace an older one (a folder of that name) leaves no half file */
    ASSERT_EQ(system("mkdir -p ordner.pdf"), 0);
    EXPECT_EQ(Oli_Print_File_To_Pdf("ziel_01.oli", "ordner.pdf"), 0);
    EXPECT_NE(access(Rt_Safe_Temp_Name_Of("ordner.pdf"), F_OK), 0);
    /* a folder in the place of the temporary file: the box names that folder */
    const std::string temp = Rt_Safe_Temp_Name_Of("ziel.pdf");
    ASSERT_EQ(mkdir(temp.c_str(), 0755), 0);
    ZW_Test_Reset();
    EXPECT_EQ(Oli_Print_File_To_Pdf("ziel_01.oli", "ziel.pdf"), 0);
    bool named_tmp = false;
    for (const std::string &l : ZW_Test_Log_Lines())
        if (l.find("Die Datei " + temp
                   + " | kann nicht geschrieben werden! | Der Name bezeichnet einen Ordner.")
            != std::string::npos)
            named_tmp = true;
    EXPECT_TRUE(named_tmp);
    ASSERT_EQ(rmdir(temp.c_str()), 0);
    ASSERT_EQ(Oli_Print_File_To_Pdf("ziel_01.oli", "ziel.pdf"), 1);
    EXPECT_EQ(access("ziel.pdf", F_OK), 0);
    EXPECT_NE(access(temp.c_str(), F_OK), 0);
    EXPECT_EQ(Oli_Render_Page_Png("ziel_01.oli", 99, 96, "x.png"), 0);
    EXPECT_EQ(Oli_Render_Page_Png("ziel_01.oli", 1, 96, "kein/ordner/x.png"), 0);

    /* a disk that fills up while the PDF is written (at the first byte, in the middle, one byte before
  ** the end): the older PDF stays byte for byte and the box says why */
    const std::string old_pdf = file_bytes("ziel.pdf");
    ASSERT_GT(old_pdf.size(), 100u);
    ASSERT_EQ(Viewer_Write_Sample_List("ziel_01.oli", 1, 3), 1); /* another list, another PDF */
    for (long long room : {0LL, (long long)old_pdf.size() / 2, (long long)old_pdf.size() - 1}) {
        SCOPED_TRACE(room);
        ZW_Test_Reset();
        Rt_Set_Write_Budget(room);
        EXPECT_EQ(Oli_Print_File_To_Pdf("ziel_01.oli", "ziel.pdf"), 0);
        Rt_Set_Write_Budget(-1);
        EXPECT_TRUE(file_bytes("ziel.pdf") == old_pdf);
        EXPECT_NE(access(temp.c_str(), F_OK), 0);
        bool said = false;
        for (const std::string &l : ZW_Test_Log_Lines())
            if (l.find(
                    "Die Datei ziel.pdf | kann nicht geschrieben werden! | Der Datentr\xC3\xA4ger ist voll.")
                != std::string::npos)
                said = true;
        EXPECT_TRUE(said);
    }
    ASSERT_EQ(Oli_Print_File_To_Pdf("ziel_01.oli", "ziel.pdf"), 1);
    EXPECT_FALSE(file_bytes("ziel.pdf") == old_pdf);

    /* a print that its progress hook stops at the second page writes nothing and says nothing:
    ** the older PDF stays byte for byte, and the hook hears the end */
    const std::string printed = file_bytes("ziel.pdf");
    ASSERT_EQ(Viewer_Write_Sample_List("ziel_01.oli", 0, 60), 1);
    ZW_Test_Reset();
    static int told;
    told = 0;
    Oli_Set_Print_Progress([](int pages, double) {
        told = pages;
        return pages < 2 ? 1 : 0;
    });
    EXPECT_EQ(Oli_Print_File_To_Pdf("ziel_01.oli", "ziel.pdf"), 0);
    Oli_Set_Print_Progress(nullptr);
    EXPECT_EQ(told, -1);
    EXPECT_TRUE(file_bytes("ziel.pdf") == printed);
    EXPECT_NE(access(temp.c_str(), F_OK), 0);
    for (const std::string &l : ZW_Test_Log_Lines()) EXPECT_NE(l.rfind("MESSAGE", 0), 0u) << l;
}

TEST(OliviewPrint, SplicePrintListsOfTheResultsRenderWithoutWarnings)
{
    /* the print lists that the splice's own print-list driver writes for its reference splices */
    std::string dir = std::string(SPLICE_GOLDEN_DIR) + "/splice_print";
    std::vector<std::string> lists;
    if (DIR *d = opendir(dir.c_str())) {
        while (dirent *e = readdir(d)) {
            std::string n = e->d_name;
            if (n.size() > 7 && n.compare(n.size() - 7, 7, "_01.oli") == 0) lists.push_back(n);
        }
        closedir(d);
    }
    ASSERT_FALSE(lists.empty()) << "no print lists of the splice in " << dir;
    std::sort(lists.begin(), lists.end());
    ASSERT_TRUE(have_tool("pdftotext")) << "poppler-utils (pdftotext) not installed";
    for (const std::string &n : lists) {
        Oli_Document doc;
        ASSERT_EQ(Oli_Read_File((dir + "/" + n).c_str(), &doc), 1) << n;
        Oli_Layout layout;
        Oli_Layout_Document(&doc, &layout);
        EXPECT_TRUE(layout.warnings.empty()) << n << ": " << layout.warnings[0];
        EXPECT_FALSE(layout.title.empty()) << n;
        std::string pdf = "splice_" + n + ".pdf";
        ASSERT_EQ(Oli_Write_Pdf(&layout, pdf.c_str()), 1) << n;
        std::string text = run_output("pdftotext -enc UTF-8 " + pdf + " -");
        EXPECT_NE(text.find("Eingabedaten"), std::string::npos) << n;
        EXPECT_NE(text.find("Nachweise nach DIN"), std::string::npos) << n;
        EXPECT_NE(text.find(layout.title), std::string::npos) << n;
        remove(pdf.c_str());
    }
}

TEST(OliviewPrint, DrawingsMeasureTheirScaleOnThePrintedPage)
{
    /* a member 250 cm long drawn at 1:25 prints 10 cm long: 1000 pixels at 254 dpi */
    FILE *f = fopen("massstab_01.oli", "w");
    ASSERT_NE(f, nullptr);
    fputs("#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0.000000 12.000000 0.000000 4.000000\n"
          " 6 0.02\n 1  0.0 2.0 10.0 2.0\n -1\n",
          f);
    fclose(f);
    ASSERT_EQ(Oli_Render_Page_Png("massstab_01.oli", 1, 254.0, "massstab.png"), 1);
    cairo_surface_t *s = cairo_image_surface_create_from_png("massstab.png");
    ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);
    int w = cairo_image_surface_get_width(s), stride = cairo_image_surface_get_stride(s);
    EXPECT_EQ(w, 2100); /* 21.0 cm */
    EXPECT_EQ(cairo_image_surface_get_height(s), 2970);
    const unsigned char *d = cairo_image_surface_get_data(s);
    /* the line lies 2 cm below the window's top edge at 2.6 cm: row 460 */
    int row = 460, first = -1, last = -1;
    for (int x = 0; x < w; x++) {
        const unsigned char *p = d + row * stride + 4 * x;
        if (p[0] < 128 && p[1] < 128 && p[2] < 128) {
            if (first < 0) first = x;
            last = x;
        }
    }
    cairo_surface_destroy(s);
    EXPECT_NEAR(first, 250, 2);             /* the text area starts 2.5 cm from the edge */
    EXPECT_NEAR(last - first + 1, 1000, 3); /* 10 cm, and the round ends of a 0.2 mm line */
}
