/*
** The example components end to end, and a splice with a dense fastener pattern beside them:
** each is started headless in a scratch copy of its folder, opens the utilisation page and
** prints; the print list, the three plot files and the PDF are there, the PDF is A4 with the
** report's headings and the component's title, the printer showed no warning, the print list
** equals its golden file and page 1 of each example matches its golden picture within a small
** tolerance.
*/
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

#include "dialogs/dialogs.h"
#include "nad/nad.h"
#include "platform/oliview.h"
#include "platform/zelkwin.h"
#include "platform/zelkwin_test.h"
#include "splice/splice_app.h"

namespace {

struct Example {
    const char *name;       /* component identifier and the name of its folder */
    const char *title;      /* first line of the title file, UTF-8 */
    const char *fastener;   /* what the report's input data name the fastener */
    const char *folder;     /* the folder that holds it, below the source tree */
};

/* The examples of examples/ (every one of them, see the last test), then the splices of the
** tests' own data. */
const Example Examples[] = {
    {"zugstoss_nagel", "Zugstoß Untergurt Achse B, Seitenhölzer genagelt", "Nagel, 4.2 x 110.0 mm",
     "examples"},
    {"biegestoss_stabduebel", "Biegestoß Pfette Achse 3, innenliegende Bleche mit Stabdübeln",
     "Stabdübel 16 mm", "examples"},
    {"druckstoss_bolzen", "Druckstoß Stütze C4, außenliegende Bleche mit Bolzen", "Bolzen 20 mm",
     "examples"},
    /* bending splice, side timbers nailed in 13 staggered rows and 12 grouped columns */
    {"dichtes_raster", "Biegestoß mit dichtem Nagelbild, versetzt und in Gruppen",
     "Nagel, 4.2 x 110.0 mm", "tests/splice/data"},
};
const int Example_Folder_Count = 3;

bool Have_Tool(const char *name)
{
    std::string cmd = std::string("command -v ") + name + " >/dev/null 2>&1";
    return system(cmd.c_str()) == 0;
}

std::string Run_Output(const std::string &cmd)
{
    std::string out;
    FILE *p = popen(cmd.c_str(), "r");
    if (!p) return out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    pclose(p);
    return out;
}

std::string Slurp(const std::string &path)
{
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

bool Exists(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && st.st_size > 0;
}

/* Share of pixels that differ by more than 48 in a channel; -1 when a file cannot be read or
** the sizes differ. */
double Png_Difference(const std::string &a, const std::string &b)
{
    cairo_surface_t *sa = cairo_image_surface_create_from_png(a.c_str());
    cairo_surface_t *sb = cairo_image_surface_create_from_png(b.c_str());
    double result = -1;
    if (cairo_surface_status(sa) == CAIRO_STATUS_SUCCESS && cairo_surface_status(sb) == CAIRO_STATUS_SUCCESS
        && cairo_image_surface_get_width(sa) == cairo_image_surface_get_width(sb)
        && cairo_image_surface_get_height(sa) == cairo_image_surface_get_height(sb)) {
        int w = cairo_image_surface_get_width(sa), h = cairo_image_surface_get_height(sa);
        int ra = cairo_image_surface_get_stride(sa), rb = cairo_image_surface_get_stride(sb);
        const unsigned char *pa = cairo_image_surface_get_data(sa), *pb = cairo_image_surface_get_data(sb);
        long differ = 0;
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++)
                for (int c = 0; c < 3; c++)
                    if (abs(pa[y * ra + 4 * x + c] - pb[y * rb + 4 * x + c]) > 48) {
                        differ++;
                        break;
                    }
        result = (double)differ / ((double)w * h);
    }
    cairo_surface_destroy(sa);
    cairo_surface_destroy(sb);
    return result;
}

std::string At(const char *what, int x, int y)
{
    return std::string(what) + " " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

/* The register member of a page and an entry of the icon menu at the sheet's right edge. */
std::string Tab(int page) { return At("click", 85 + 150 * page, 62); }
std::string Menu(int entry)
{
    int x = NPIXEL_X - 346 + Main_Icon_Menu.entries[entry - 1].x + 19;
    int y = Main_Icon_Menu.y + 6 + 18;
    return At("move", x, y) + At("click", x, y);
}

class ExampleReport : public ::testing::Test {
protected:
    char old_cwd[1024];
    std::string root = SPLICE_SOURCE_DIR;

    void SetUp() override
    {
        ASSERT_NE(getcwd(old_cwd, sizeof old_cwd), nullptr);
        setenv("EXEC", (root + "/environment/exec").c_str(), 1);
        setenv("DATA", (root + "/environment/data").c_str(), 1);
        setenv("DRAM", (root + "/environment/dram").c_str(), 1);
        setenv("SPLICE_PRIVATE_DATA", (root + "/environment/exec/splice").c_str(), 1);
        unsetenv("SPLICE_GUI_SCRIPT");
        unsetenv("SPLICE_GUI_LOG");
    }
    void TearDown() override { ASSERT_EQ(chdir(old_cwd), 0); }

    /* Copy the example into a fresh scratch folder, enter it, start the program with the script
    ** of scripts/run (utilisation page, print, end) and answer its exit code. */
    int Run_Example(const Example &ex, std::vector<std::string> *log)
    {
        /* one folder per test and example: the tests of this file may run at the same time */
        const char *test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::string dir = std::string(old_cwd) + "/report_" + test + "_" + ex.name;
        std::string cmd = "rm -rf '" + dir + "' && mkdir -p '" + dir + "' && cp '" + root + "/" + ex.folder
                        + "/" + ex.name + "'/* '" + dir + "'/";
        if (system(cmd.c_str()) != 0) return -1;
        if (chdir(dir.c_str()) != 0) return -1;
        setenv("TEMP", dir.c_str(), 1);
        Clear_NAD_State();
        Current_Page = PAGE_SYSTEM;
        ZW_Test_Reset();
        ZW_Test_Set_Script(Tab(PAGE_AUSNUTZUNGEN) + Menu(MENU_PRINT));
        const char *argv[] = {"splice", ex.name, "1", "1", "1", nullptr};
        int rc = Splice_Main(5, (char **)argv);
        *log = ZW_Test_Log_Lines();
        return rc;
    }
};

int Count_Prefix(const std::vector<std::string> &log, const char *prefix)
{
    int n = 0;
    for (const std::string &l : log)
        if (l.rfind(prefix, 0) == 0) n++;
    return n;
}

}  // namespace

/* Each example prints its print list, its three plot files and the PDF; the printer's only
** message is the one that names the PDF. The print list is the one of
** tests/golden/examples/<name>_01.oli, byte for byte (SPLICE_UPDATE_GOLDEN=1 writes it). */
TEST_F(ExampleReport, EveryExamplePrintsItsListPlotsAndPdfWithoutAWarning)
{
    for (const Example &ex : Examples) {
        std::vector<std::string> log;
        ASSERT_EQ(Run_Example(ex, &log), 1) << ex.name;
        std::string base = ex.name;
        for (const std::string &f : {base + "_01.oli", base + "01.SPF", base + "02.SPF", base + "03.SPF",
                                     base + "_01.oli.pdf"})
            EXPECT_TRUE(Exists(f)) << ex.name << ": " << f;
        EXPECT_EQ(Count_Prefix(log, "OLI-WARN"), 0) << ex.name;
        EXPECT_EQ(Count_Prefix(log, "OLI-PRINT "), 1) << ex.name;
        int boxes = 0;
        for (const std::string &l : log) {
            if (l.rfind("MESSAGE ", 0) != 0) continue;
            boxes++;
            EXPECT_EQ(l, "MESSAGE [Drucken] Die Druckliste wurde gedruckt nach | " + base + "_01.oli.pdf") << ex.name;
        }
        EXPECT_EQ(boxes, 1) << ex.name;
        bool title = false, fulfilled = false;
        for (const std::string &l : log) {
            if (l == std::string("TITLE ") + ex.title) title = true;
            if (l.rfind("TEXT ", 0) == 0 && l.find("Nachweis erfüllt: maximale Ausnutzung") != std::string::npos)
                fulfilled = true;
        }
        EXPECT_TRUE(title) << ex.name;
        EXPECT_TRUE(fulfilled) << ex.name;

        /* The print list is read by the viewer without a warning and carries the title. */
        Oli_Document doc;
        ASSERT_EQ(Oli_Read_File((base + "_01.oli").c_str(), &doc), 1);
        Oli_Layout layout;
        Oli_Layout_Document(&doc, &layout);
        EXPECT_TRUE(layout.warnings.empty()) << ex.name << ": " << (layout.warnings.empty() ? "" : layout.warnings[0]);
        EXPECT_EQ(layout.title, ex.title);
        EXPECT_GE(layout.pages.size(), 2u) << ex.name;

        const std::string golden = std::string(SPLICE_GOLDEN_DIR) + "/examples/" + base + "_01.oli";
        const std::string got = Slurp(base + "_01.oli");
        const char *update = getenv("SPLICE_UPDATE_GOLDEN");
        if (update && *update == '1') {
            std::ofstream(golden, std::ios::binary) << got;
        } else {
            const std::string want = Slurp(golden);
            EXPECT_FALSE(want.empty()) << golden << " missing";
            if (got != want) {
                /* the first line that differs */
                size_t i = 0, line = 1;
                while (i < got.size() && i < want.size() && got[i] == want[i])
                    if (got[i++] == '\n') line++;
                ADD_FAILURE() << base << "_01.oli differs from " << golden << " in line " << line;
            }
        }
    }
}

/* The PDF is the report: A4 pages, the headings of the input data and the checks, the fastener
** and the component's title on every page. */
TEST_F(ExampleReport, ThePdfIsAnA4ReportWithHeadingsAndTitle)
{
    /* scripts/deps installs poppler-utils: without them the PDF would go unchecked */
    ASSERT_TRUE(Have_Tool("pdftotext") && Have_Tool("pdfinfo"))
        << "poppler-utils (pdftotext, pdfinfo) not installed: the PDF's text is not checked";
    for (const Example &ex : Examples) {
        std::vector<std::string> log;
        ASSERT_EQ(Run_Example(ex, &log), 1) << ex.name;
        std::string pdf = std::string(ex.name) + "_01.oli.pdf";
        ASSERT_TRUE(Exists(pdf)) << pdf;
        std::string text = Run_Output("pdftotext -enc UTF-8 " + pdf + " -");
        EXPECT_NE(text.find("Eingabedaten"), std::string::npos) << ex.name;
        EXPECT_NE(text.find("Nachweise nach DIN EN 1995"), std::string::npos) << ex.name;
        EXPECT_NE(text.find(ex.title), std::string::npos) << ex.name;
        EXPECT_NE(text.find(ex.fastener), std::string::npos) << ex.name;
        std::string info = Run_Output("pdfinfo " + pdf);
        size_t at = info.find("Pages:");
        ASSERT_NE(at, std::string::npos) << info;
        int pages = atoi(info.c_str() + at + 6);
        ASSERT_GE(pages, 2) << ex.name;
        /* every page is A4 portrait */
        std::string sizes = Run_Output("pdfinfo -f 1 -l " + std::to_string(pages) + " " + pdf);
        size_t pos = 0;
        int a4 = 0;
        while ((pos = sizes.find("595.276 x 841.89 pts (A4)", pos)) != std::string::npos) {
            a4++;
            pos++;
        }
        EXPECT_EQ(a4, pages) << sizes;
        for (int p = 1; p <= pages; p++) {
            std::string one = Run_Output("pdftotext -enc UTF-8 -f " + std::to_string(p) + " -l "
                                         + std::to_string(p) + " " + pdf + " -");
            EXPECT_NE(one.find(ex.title), std::string::npos) << ex.name << " page " << p;
            EXPECT_NE(one.find("Seite " + std::to_string(p) + " von " + std::to_string(pages)), std::string::npos)
                << ex.name << " page " << p;
        }
    }
}

/* Page 1 of each report matches its golden picture (looked at once by eye); the comparison
** sees a real change: page 1 of one example is far from the picture of another. */
TEST_F(ExampleReport, FirstPagesMatchTheirGoldenPictures)
{
    const char *update = getenv("SPLICE_UPDATE_GOLDEN");
    std::string golden_dir = std::string(SPLICE_GOLDEN_DIR) + "/examples";
    std::string first_png;
    for (const Example &ex : Examples) {
        std::vector<std::string> log;
        ASSERT_EQ(Run_Example(ex, &log), 1) << ex.name;
        std::string oli = std::string(ex.name) + "_01.oli";
        std::string png = std::string(old_cwd) + "/report_" + ex.name + "_s1.png";
        ASSERT_EQ(Oli_Render_Page_Png(oli.c_str(), 1, 96, png.c_str()), 1) << ex.name;
        std::string golden = golden_dir + "/" + ex.name + "_s1.png";
        if (update && *update == '1') {
            std::string cmd = "mkdir -p '" + golden_dir + "' && cp '" + png + "' '" + golden + "'";
            ASSERT_EQ(system(cmd.c_str()), 0);
        }
        double d = Png_Difference(png, golden);
        ASSERT_GE(d, 0.0) << golden << " missing or of another size";
        EXPECT_LT(d, 0.0005) << "page 1 of " << ex.name << " differs from " << golden;
        if (first_png.empty()) first_png = png;
    }
    double other = Png_Difference(first_png, golden_dir + "/" + Examples[1].name + "_s1.png");
    EXPECT_GT(other, 0.01);
}

/* Every folder of examples/ is one of the examples above (a new one must be added there), and the
** titles above are the first lines of the title files. */
TEST_F(ExampleReport, TheTestsCoverEveryExampleFolder)
{
    std::vector<std::string> folders;
    DIR *d = opendir((root + "/examples").c_str());
    ASSERT_NE(d, nullptr);
    while (dirent *e = readdir(d)) {
        std::string n = e->d_name;
        struct stat st;
        if (n[0] == '.' || stat((root + "/examples/" + n).c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) continue;
        folders.push_back(n);
    }
    closedir(d);
    EXPECT_EQ((int)folders.size(), Example_Folder_Count);
    for (const std::string &f : folders) {
        const Example *ex = nullptr;
        for (const Example &e : Examples)
            if (f == e.name && std::string(e.folder) == "examples") ex = &e;
        ASSERT_NE(ex, nullptr) << "examples/" << f << " has no entry in this test";
        std::string txt = Slurp(root + "/examples/" + f + "/" + f + "_01.txt");
        std::string first = txt.substr(0, txt.find_first_of("\r\n"));
        EXPECT_EQ(Oli_Plain_Utf8(first), ex->title) << f;
        EXPECT_TRUE(Exists(root + "/examples/" + f + "/" + f + "_01.inp")) << f;
    }
}
