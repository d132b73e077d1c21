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

#include <algorithm>
#include <array>
#include <cmath>
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
#include "tests/platform/png_difference.h"
#include "tests/splice/example_host.h"

namespace {

struct Example {
    const char *name;     /* component identifier and the name of its folder */
    const char *title;    /* first line of the title file, UTF-8 */
    const char *fastener; /* what the report's input data name the fastener */
    const char *folder;   /* the folder that holds it, below the source tree */
    const char *result;   /* the page's result */
};

/* The examples of examples/ (every one of them, see the last test), then the splices of the
** tests' own data. */
const Example Examples[] = {
    {"zugstoss_nagel", "Zugstoß Untergurt Achse B, Seitenhölzer genagelt", "Nagel, 4.2 x 110.0 mm",
     "examples", "Nachweis erfüllt"},
    /* the lamella between the two plates, half of M and V on a third of the section, governs */
    {"biegestoss_stabduebel", "Biegestoß Pfette Achse 3, innenliegende Bleche mit Stabdübeln",
     "Stabdübel 16 x 180 mm", "examples", "Nachweis erfüllt"},
    /* a compression splice designs N_d and V_d: its combinations carry no M_d */
    {"druckstoss_bolzen", "Druckstoß Stütze C4, außenliegende Bleche mit Bolzen", "Bolzen 20 mm",
     "examples", "Nachweis erfüllt"},
    /* bending splice, side timbers nailed in 13 staggered rows and 12 grouped columns */
    {"dichtes_raster", "Biegestoß mit dichtem Nagelbild, versetzt und in Gruppen",
     "Nagel, 4.2 x 110.0 mm", "tests/splice/data", "Nachweis erfüllt"},
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
        Use_Example_Host();
        unsetenv("SPLICE_GUI_SCRIPT");
        unsetenv("SPLICE_GUI_LOG");
    }
    void TearDown() override { ASSERT_EQ(chdir(old_cwd), 0); }

    /* Copy the example into a fresh scratch folder, enter it, start the program with the script
    ** of scripts/run (utilisation page, print, end) and answer its exit code. A variant replaces
    ** the words `from` of the input file by `to` first. */
    int Run_Example(const Example &ex, std::vector<std::string> *log, const char *from = nullptr,
                    const char *to = nullptr)
    {
        /* one folder per test and example: the tests of this file may run at the same time */
        const char *test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::string dir = std::string(old_cwd) + "/report_" + test + "_" + ex.name;
        std::string cmd = "rm -rf '" + dir + "' && mkdir -p '" + dir + "' && cp '" + root + "/"
                          + ex.folder + "/" + ex.name + "'/* '" + dir + "'/";
        if (system(cmd.c_str()) != 0) return -1;
        if (chdir(dir.c_str()) != 0) return -1;
        if (from != nullptr) {
            const std::string inp = std::string(ex.name) + "_01.inp";
            std::string input = Slurp(inp);
            const size_t at = input.find(from);
            if (at == std::string::npos) return -1;
            input.replace(at, strlen(from), to);
            std::ofstream(inp, std::ios::binary) << input;
        }
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

} // namespace

/* Each example prints its print list, its three plot files and the PDF; the printer's only
** message is the one that names the PDF. The print list is the one of
** tests/golden/examples/<name>_01.oli, byte for byte (SPLICE_UPDATE_GOLDEN=1 writes it). */
TEST_F(ExampleReport, EveryExamplePrintsItsListPlotsAndPdfWithoutAWarning)
{
    for (const Example &ex : Examples) {
        std::vector<std::string> log;
        ASSERT_EQ(Run_Example(ex, &log), 1) << ex.name;
        char cwd[1024]; /* the example's folder, where the PDF is */
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        std::string base = ex.name;
        for (const std::string &f : {base + "_01.oli", base + "01.SPF", base + "02.SPF",
                                     base + "03.SPF", base + "_01.oli.pdf"})
            EXPECT_TRUE(Exists(f)) << ex.name << ": " << f;
        EXPECT_EQ(Count_Prefix(log, "OLI-WARN"), 0) << ex.name;
        EXPECT_EQ(Count_Prefix(log, "OLI-PRINT "), 1) << ex.name;
        int boxes = 0;
        for (const std::string &l : log) {
            if (l.rfind("MESSAGE ", 0) != 0) continue;
            boxes++;
            /* the PDF's whole path, broken into lines where it is wider than the box */
            const std::string head = "MESSAGE [Drucken] Die Druckliste wurde gedruckt nach | ";
            ASSERT_EQ(l.rfind(head, 0), 0u) << l;
            std::string path = l.substr(head.size());
            for (size_t bar; (bar = path.find(" | ")) != std::string::npos;) path.erase(bar, 3);
            EXPECT_EQ(path, std::string(cwd) + "/" + base + "_01.oli.pdf") << ex.name;
        }
        EXPECT_EQ(boxes, 1) << ex.name;
        bool title = false, fulfilled = false;
        for (const std::string &l : log) {
            if (l == std::string("TITLE ") + ex.title) title = true;
            if (l.rfind("TEXT ", 0) == 0
                && l.find(std::string(ex.result) + ": maximale Ausnutzung") != std::string::npos)
                fulfilled = true;
        }
        EXPECT_TRUE(title) << ex.name;
        EXPECT_TRUE(fulfilled) << ex.name;

        /* The print list is read by the viewer without a warning and carries the title. */
        Oli_Document doc;
        ASSERT_EQ(Oli_Read_File((base + "_01.oli").c_str(), &doc), 1);
        Oli_Layout layout;
        Oli_Layout_Document(&doc, &layout);
        EXPECT_TRUE(layout.warnings.empty())
            << ex.name << ": " << (layout.warnings.empty() ? "" : layout.warnings[0]);
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
            EXPECT_NE(one.find("Seite " + std::to_string(p) + " von " + std::to_string(pages)),
                      std::string::npos)
                << ex.name << " page " << p;
        }
    }
}

/* Page 1 of each report and the page with its drawings match their golden pictures (looked at
** once by eye); the comparison sees a real change: page 1 of one example is far from the
** picture of another. */
TEST_F(ExampleReport, FirstPagesMatchTheirGoldenPictures)
{
    const char *update = getenv("SPLICE_UPDATE_GOLDEN");
    std::string golden_dir = std::string(SPLICE_GOLDEN_DIR) + "/examples";
    std::string first_png;
    for (const Example &ex : Examples) {
        std::vector<std::string> log;
        ASSERT_EQ(Run_Example(ex, &log), 1) << ex.name;
        std::string oli = std::string(ex.name) + "_01.oli";
        /* the page whose drawings begin with the view */
        Oli_Document doc;
        ASSERT_EQ(Oli_Read_File(oli.c_str(), &doc), 1);
        Oli_Layout layout;
        Oli_Layout_Document(&doc, &layout);
        int drawings = 0;
        for (size_t p = 0; p < layout.pages.size() && drawings == 0; p++)
            for (const Oli_Item &it : layout.pages[p].items)
                if (it.kind == OLI_IT_TEXT && it.text == "Ansicht") drawings = (int)p + 1;
        ASSERT_GT(drawings, 0) << ex.name;
        for (int page : {1, drawings}) {
            if (page == drawings && drawings == 1) continue;
            const std::string suffix = page == 1 ? "_s1.png" : "_drawings.png";
            std::string png = std::string(old_cwd) + "/report_" + ex.name + suffix;
            ASSERT_EQ(Oli_Render_Page_Png(oli.c_str(), page, 96, png.c_str()), 1) << ex.name;
            std::string golden = golden_dir + "/" + ex.name + suffix;
            if (update && *update == '1') {
                std::string cmd =
                    "mkdir -p '" + golden_dir + "' && cp '" + png + "' '" + golden + "'";
                ASSERT_EQ(system(cmd.c_str()), 0);
            }
            double d = Png_Difference(png, golden);
            ASSERT_GE(d, 0.0) << golden << " missing or of another size";
            EXPECT_LT(d, 0.0005) << "page " << page << " of " << ex.name << " differs from "
                                 << golden;
            if (first_png.empty()) first_png = png;
        }
    }
    double other = Png_Difference(first_png, golden_dir + "/" + Examples[1].name + "_s1.png");
    EXPECT_GT(other, 0.01);
}

/* ---------------------------------------------------------------- fasteners seen */

namespace {

/* The drawings of a page (their captions' first word and their windows, cm, y downwards). */
struct Drawing_Window {
    std::string caption;
    double x0, y0, x1, y1;
};

std::vector<Drawing_Window> Drawing_Windows(const Oli_Page &page)
{
    std::vector<Drawing_Window> out;
    std::string caption;
    for (const Oli_Item &it : page.items) {
        if (it.kind == OLI_IT_TEXT && (it.text == "Ansicht" || it.text == "Schnitt"))
            caption = it.text;
        if (it.kind == OLI_IT_TEXT && caption == "Schnitt"
            && (it.text == "längs" || it.text == "quer"))
            caption += " " + it.text;
        if (it.kind == OLI_IT_CLIP && !caption.empty()) {
            out.push_back({caption, it.x, it.y, it.x + it.x2, it.y + it.y2});
            caption.clear();
        }
    }
    return out;
}

/* The red blobs of a PNG inside a window (cm) at dpi: pixels far redder than green and blue
** (no timber, plate, line or text is), joined by their edges; the size of each. */
std::vector<int> Red_Blobs(const std::string &png, double dpi, const Drawing_Window &w)
{
    std::vector<int> sizes;
    cairo_surface_t *img = cairo_image_surface_create_from_png(png.c_str());
    if (cairo_surface_status(img) != CAIRO_STATUS_SUCCESS) return sizes;
    const int W = cairo_image_surface_get_width(img), H = cairo_image_surface_get_height(img);
    const int stride = cairo_image_surface_get_stride(img);
    const unsigned char *px = cairo_image_surface_get_data(img);
    const double k = dpi / 2.54;
    const int x0 = std::max(0, (int)(w.x0 * k)), x1 = std::min(W, (int)(w.x1 * k) + 1);
    const int y0 = std::max(0, (int)(w.y0 * k)), y1 = std::min(H, (int)(w.y1 * k) + 1);
    auto red = [&](int x, int y) {
        const unsigned char *p = px + y * stride + 4 * x; /* B, G, R, A */
        return p[2] > p[1] + 60 && p[2] > p[0] + 60;
    };
    std::vector<char> seen((size_t)W * H, 0);
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++) {
            if (seen[(size_t)y * W + x] || !red(x, y)) continue;
            int n = 0;
            std::vector<std::pair<int, int>> todo = {{x, y}};
            seen[(size_t)y * W + x] = 1;
            while (!todo.empty()) {
                auto [cx, cy] = todo.back();
                todo.pop_back();
                n++;
                const int nx[4] = {cx + 1, cx - 1, cx, cx}, ny[4] = {cy, cy, cy + 1, cy - 1};
                for (int d = 0; d < 4; d++) {
                    if (nx[d] < x0 || nx[d] >= x1 || ny[d] < y0 || ny[d] >= y1) continue;
                    if (seen[(size_t)ny[d] * W + nx[d]] || !red(nx[d], ny[d])) continue;
                    seen[(size_t)ny[d] * W + nx[d]] = 1;
                    todo.push_back({nx[d], ny[d]});
                }
            }
            sizes.push_back(n);
        }
    cairo_surface_destroy(img);
    return sizes;
}

} // namespace

/* Every nail of the nail example stands out in its drawings, in the PDF printed at 150 dpi and
** in the preview at 100 % (a page as high as the window, 960 or 768 pixels): the view shows
** 2 x 40 red marks (8 columns of 5 rows in each half), each of at least a 0.1 cm square, the
** longitudinal section 2 x 8 columns, the cross section a nail in each of its 5 rows. */
TEST_F(ExampleReport, FastenersStandOutInTheDrawings)
{
    std::vector<std::string> log;
    ASSERT_EQ(Run_Example(Examples[0], &log), 1);
    const std::string oli = std::string(Examples[0].name) + "_01.oli";
    Oli_Document doc;
    ASSERT_EQ(Oli_Read_File(oli.c_str(), &doc), 1);
    Oli_Layout layout;
    Oli_Layout_Document(&doc, &layout);
    int page = -1;
    std::vector<Drawing_Window> windows;
    for (size_t p = 0; p < layout.pages.size() && page < 0; p++) {
        windows = Drawing_Windows(layout.pages[p]);
        if (windows.size() == 3) page = (int)p + 1;
    }
    ASSERT_GT(page, 0) << "no page with the three drawings";
    /* 29.7 cm of page on the screen's height less the status bar (26) and two gaps (14) */
    const double preview_960 = (960 - 26 - 28) / 29.7 * 2.54,
                 preview_768 = (768 - 26 - 28) / 29.7 * 2.54;
    for (double dpi : {150.0, preview_960, preview_768}) {
        const std::string png =
            std::string(old_cwd) + "/fasteners_" + std::to_string((int)dpi) + ".png";
        ASSERT_EQ(Oli_Render_Page_Png(oli.c_str(), page, dpi, png.c_str()), 1);
        /* a 0.1 cm square of paper in pixels, and some for the anti-aliased edge */
        const int least = (int)(0.1 * dpi / 2.54 * 0.1 * dpi / 2.54 * 0.7);
        for (const Drawing_Window &w : windows) {
            const std::vector<int> blobs = Red_Blobs(png, dpi, w);
            int seen = 0;
            for (int n : blobs)
                if (n >= least) seen++;
            const int want = w.caption == "Ansicht" ? 80 : w.caption == "Schnitt längs" ? 16 : 5;
            if (w.caption == "Ansicht")
                EXPECT_EQ(seen, want) << w.caption << " at " << dpi << " dpi";
            else EXPECT_GE(seen, want) << w.caption << " at " << dpi << " dpi";
        }
    }
}

/* ---------------------------------------------------------------- legibility */

namespace {

/* A word of pdftotext -bbox: its box in pt (y downwards), page and text. */
struct Word {
    int page;
    double x0, y0, x1, y1;
    std::string text;
};

std::vector<Word> Pdf_Words(const std::string &pdf)
{
    std::vector<Word> out;
    std::string html = Run_Output("pdftotext -bbox " + pdf + " -");
    int page = -1;
    for (size_t at = 0; at < html.size();) {
        size_t p = html.find("<page ", at), w = html.find("<word ", at);
        if (p == std::string::npos && w == std::string::npos) break;
        if (p != std::string::npos && (w == std::string::npos || p < w)) {
            page++;
            at = p + 6;
            continue;
        }
        Word word{};
        word.page = page;
        if (sscanf(html.c_str() + w, "<word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\"",
                   &word.x0, &word.y0, &word.x1, &word.y1)
            == 4) {
            size_t b = html.find('>', w), e = html.find("</word>", w);
            if (b != std::string::npos && e != std::string::npos)
                word.text = html.substr(b + 1, e - b - 1);
            out.push_back(word);
        }
        at = w + 6;
    }
    return out;
}

/* The rectangles of the drawings of each page (pt, y downwards), from the viewer's layout. */
std::vector<std::vector<std::array<double, 4>>> Drawing_Areas(const Oli_Layout &layout)
{
    const double pt = 72.0 / 2.54;
    std::vector<std::vector<std::array<double, 4>>> out(layout.pages.size());
    for (size_t p = 0; p < layout.pages.size(); p++)
        for (const Oli_Item &it : layout.pages[p].items)
            if (it.kind == OLI_IT_CLIP) /* the drawing's window and 0.3 cm around it */
                out[p].push_back({(it.x + 0.3) * pt, (it.y + 0.3) * pt, (it.x + it.x2 - 0.3) * pt,
                                  (it.y + it.y2 - 0.3) * pt});
    return out;
}

bool Inside(const std::vector<std::array<double, 4>> &areas, double x, double y)
{
    for (const auto &a : areas)
        if (x >= a[0] && x <= a[2] && y >= a[1] && y <= a[3]) return true;
    return false;
}

/* Does the segment from (x1, y1) to (x2, y2) meet the rectangle (Liang-Barsky)? */
bool Segment_Meets(double x1, double y1, double x2, double y2, double bx0, double by0, double bx1,
                   double by1)
{
    double t0 = 0, t1 = 1;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy}, q[4] = {x1 - bx0, bx1 - x1, y1 - by0, by1 - y1};
    for (int i = 0; i < 4; i++) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, r);
        else t1 = std::min(t1, r);
        if (t0 > t1) return false;
    }
    return true;
}

/* The words of the PDF that overlap, as "page: a / b" lines. The words of a drawing keep the
** boxes pdftotext gives them (the font's full height); the words of text lines are reduced to
** the band their glyphs fill, because the font box of a subscript reaches into the box of the
** next line where no glyphs meet, and widened by 0.06 em above and below: glyphs of two lines
** closer than 0.12 em (a subscript's descender over the next line's superscript) touch when
** printed and read as one. */
std::vector<std::string> Overlapping_Words(
    const std::vector<Word> &words, const std::vector<std::vector<std::array<double, 4>>> &areas)
{
    std::vector<std::string> out;
    auto has = [](const std::string &t, std::initializer_list<const char *> chars) {
        for (const char *c : chars)
            if (t.find(c) != std::string::npos) return true;
        return false;
    };
    auto box = [&](const Word &w, bool full) {
        std::array<double, 4> b = {w.x0, w.y0, w.x1, w.y1};
        if (!full) {
            const double size = (w.y1 - w.y0) / 1.164, base = w.y1 - 0.236 * size;
            /* up to the height of the tallest character in the print font: ascenders, brackets,
            ** umlauts and the dots of i and j 0.76 em, capitals and digits 0.745 em, t 0.70 em,
            ** small letters 0.56 em; down to the depth of the deepest: the bar 0.24 em, the
            ** descenders of g, j, p, q, y and of the Greek beta, gamma, zeta, eta, mu, xi, rho,
            ** phi, chi, psi 0.21 em, brackets 0.13 em, commas 0.12 em, the slash 0.09 em */
            bool ascender = has(w.text, {"\xce\xbb", "\xce\xb2", "\xce\xb6", "\xce\xbe"});
            bool capital = false, t = false;
            for (unsigned char ch : w.text) {
                /* the lead bytes of umlauts and of the symbols of the font (0xc3, 0xe2) */
                if (strchr("bdfhklij()[]{}|", ch) || ch == 0xc3 || ch == 0xe2) ascender = true;
                /* that of the degree sign and the raised digits (0xc2) */
                if ((ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == 0xc2)
                    capital = true;
                if (ch == 't') t = true;
            }
            const double high = ascender ? 0.76 : capital ? 0.745 : t ? 0.70 : 0.56;
            const bool greek_deep =
                has(w.text, {"\xce\xb2", "\xce\xb3", "\xce\xb6", "\xce\xb7", "\xce\xbc", "\xce\xbe",
                             "\xcf\x81", "\xcf\x86", "\xcf\x87", "\xcf\x88"});
            const double deep = w.text.find('|') != std::string::npos ? 0.24
                                : w.text.find_first_of("gjpqy") != std::string::npos || greek_deep
                                    ? 0.21
                                : w.text.find_first_of("()[]{}") != std::string::npos ? 0.13
                                : w.text.find_first_of(",;") != std::string::npos     ? 0.12
                                : w.text.find('/') != std::string::npos               ? 0.09
                                                                                      : 0.0;
            b[1] = base - (high + 0.06) * size;
            b[3] = base + (deep + 0.06) * size;
        }
        return b;
    };
    for (size_t i = 0; i < words.size(); i++)
        for (size_t j = i + 1; j < words.size() && words[j].page == words[i].page; j++) {
            const Word &a = words[i], &c = words[j];
            const auto &pa = areas[(size_t)a.page];
            const bool full = Inside(pa, (a.x0 + a.x1) / 2, (a.y0 + a.y1) / 2)
                              || Inside(pa, (c.x0 + c.x1) / 2, (c.y0 + c.y1) / 2);
            const auto ba = box(a, full), bc = box(c, full);
            const double ox = std::min(ba[2], bc[2]) - std::max(ba[0], bc[0]);
            const double oy = std::min(ba[3], bc[3]) - std::max(ba[1], bc[1]);
            if (ox > 0.05 && oy > 0.05) {
                char where[96];
                snprintf(where, sizeof where, " at %.1f %.1f pt, by %.2f x %.2f pt", a.x0, a.y0, ox,
                         oy);
                out.push_back(std::to_string(a.page + 1) + ": " + a.text + " / " + c.text + where);
            }
        }
    return out;
}

/* Call fn(page, items, begin, end) for each drawing of the layout: the items from its clip to
** its unclip. */
template <typename Fn>
void For_Each_Drawing(const Oli_Layout &layout, Fn fn)
{
    for (size_t p = 0; p < layout.pages.size(); p++) {
        const std::vector<Oli_Item> &items = layout.pages[p].items;
        for (size_t begin = 0; begin < items.size(); begin++) {
            if (items[begin].kind != OLI_IT_CLIP) continue;
            size_t end = begin + 1;
            while (end < items.size() && items[end].kind != OLI_IT_UNCLIP) end++;
            fn(p, items, begin, end);
            begin = end;
        }
    }
}

/* The texts of the drawings that touch a line or an area of their drawing, as "page: text"
** lines. A text's glyphs fill its run from the base line up to the capitals' height (0.73 em),
** and down to 0.24 em when it has a character with a descender; a line counts with its width. */
std::vector<std::string> Texts_On_Lines(const Oli_Layout &layout)
{
    std::vector<std::string> out;
    For_Each_Drawing(layout, [&](size_t p, const std::vector<Oli_Item> &items, size_t begin,
                                 size_t end) {
        for (size_t t = begin; t < end; t++) {
            const Oli_Item &tx = items[t];
            if (tx.kind != OLI_IT_TEXT || tx.text.find_first_not_of(' ') == std::string::npos)
                continue;
            const double size = tx.size * 2.54 / 72.0; /* cm */
            const double w = Oli_Text_Width_Cm(tx.text, tx.size, tx.face);
            const bool descender = tx.text.find_first_of("gjpqy,;()") != std::string::npos;
            const double a = tx.angle * M_PI / 180.0;
            const double ux = cos(a), uy = -sin(a), vx = -sin(a), vy = -cos(a); /* along, up */
            const double lo = descender ? -0.24 * size : 0.0, hi = 0.73 * size;
            /* the glyphs' rectangle, as its four corners */
            double cx[4], cy[4];
            const double al[4] = {0, w, w, 0}, up[4] = {lo, lo, hi, hi};
            for (int k = 0; k < 4; k++) {
                cx[k] = tx.x + al[k] * ux + up[k] * vx;
                cy[k] = tx.y + al[k] * uy + up[k] * vy;
            }
            const double bx0 = *std::min_element(cx, cx + 4), bx1 = *std::max_element(cx, cx + 4);
            const double by0 = *std::min_element(cy, cy + 4), by1 = *std::max_element(cy, cy + 4);
            for (size_t l = begin; l < end; l++) {
                const Oli_Item &it = items[l];
                bool hit = false;
                if (it.kind == OLI_IT_LINE) {
                    const double g = it.size / 2;
                    hit =
                        Segment_Meets(it.x, it.y, it.x2, it.y2, bx0 - g, by0 - g, bx1 + g, by1 + g);
                } else if (it.kind == OLI_IT_POLY && it.fill && it.pts.size() >= 2) {
                    double px0 = it.pts[0], px1 = it.pts[0], py0 = it.pts[1], py1 = it.pts[1];
                    for (size_t k = 0; k + 1 < it.pts.size(); k += 2) {
                        px0 = std::min(px0, it.pts[k]);
                        px1 = std::max(px1, it.pts[k]);
                        py0 = std::min(py0, it.pts[k + 1]);
                        py1 = std::max(py1, it.pts[k + 1]);
                    }
                    hit = px0 < bx1 && bx0 < px1 && py0 < by1 && by0 < py1;
                }
                if (hit) {
                    char where[160];
                    snprintf(where, sizeof where, " at %.2f %.2f cm, line %.2f %.2f - %.2f %.2f",
                             tx.x, tx.y, it.x, it.y, it.x2, it.y2);
                    out.push_back(std::to_string(p + 1) + ": " + tx.text + where);
                    break;
                }
            }
        }
    });
    return out;
}

/* A text of a drawing in its own frame: base line start, direction along it and up, length
** and the height of its glyphs (cm, y downwards). */
struct Run {
    const Oli_Item *item;
    double ux, uy, vx, vy, w, cap;
};

Run Run_Of(const Oli_Item &tx)
{
    const double a = tx.angle * M_PI / 180.0;
    return Run{&tx,
               cos(a),
               -sin(a),
               -sin(a),
               -cos(a),
               Oli_Text_Width_Cm(tx.text, tx.size, tx.face),
               0.73 * tx.size * 2.54 / 72.0};
}

bool Has_Digit(const std::string &t) { return t.find_first_of("0123456789") != std::string::npos; }

/* Does a line of the drawing (items begin..end) cross the segment between the two points? */
bool Line_Between(const std::vector<Oli_Item> &items, size_t begin, size_t end, double x1,
                  double y1, double x2, double y2)
{
    for (size_t l = begin; l < end; l++) {
        const Oli_Item &it = items[l];
        if (it.kind != OLI_IT_LINE) continue;
        const double g = it.size / 2;
        /* the line as its thin box against the segment */
        if (Segment_Meets(x1, y1, x2, y2, std::min(it.x, it.x2) - g, std::min(it.y, it.y2) - g,
                          std::max(it.x, it.x2) + g, std::max(it.y, it.y2) + g))
            return true;
    }
    return false;
}

/* Do the segments cross? */
bool Segments_Cross(const Oli_Item &a, const Oli_Item &b)
{
    auto side = [](double ax, double ay, double bx, double by, double px, double py) {
        const double c = (bx - ax) * (py - ay) - (by - ay) * (px - ax);
        return c > 1e-9 ? 1 : c < -1e-9 ? -1 : 0;
    };
    return side(a.x, a.y, a.x2, a.y2, b.x, b.y) * side(a.x, a.y, a.x2, a.y2, b.x2, b.y2) < 0
           && side(b.x, b.y, b.x2, b.y2, a.x, a.y) * side(b.x, b.y, b.x2, b.y2, a.x2, a.y2) < 0;
}

/* The labels of the drawings that do not read apart, as "page: ..." lines: two numbers on one
** line closer than a label height with no line between them read as one ("150 11²"; a
** label's raised decimals follow its number by design), and leaders (the oblique lines that
** lead a label to its dimension) cross no other leader, and beyond the marks of their own
** dimension no line at all. */
std::vector<std::string> Labels_Not_Apart(const Oli_Layout &layout)
{
    std::vector<std::string> out;
    For_Each_Drawing(
        layout, [&](size_t p, const std::vector<Oli_Item> &items, size_t begin, size_t end) {
            std::vector<Run> runs;
            std::vector<const Oli_Item *> leaders;
            for (size_t t = begin; t < end; t++) {
                const Oli_Item &it = items[t];
                if (it.kind == OLI_IT_TEXT && Has_Digit(it.text)) runs.push_back(Run_Of(it));
                const double dx = fabs(it.x2 - it.x), dy = fabs(it.y2 - it.y);
                if (it.kind == OLI_IT_LINE && dx > 0.01 && dy > 0.01 && hypot(dx, dy) > 0.15)
                    leaders.push_back(&it);
            }
            for (size_t i = 0; i < runs.size(); i++)
                for (size_t j = 0; j < runs.size(); j++) {
                    const Run &a = runs[i], &b = runs[j];
                    if (i == j || fabs(a.item->angle - b.item->angle) > 0.5) continue;
                    /* b after a along their line: the gap from a's end to b's start */
                    const double bx = b.item->x - a.item->x, by = b.item->y - a.item->y;
                    const double along = bx * a.ux + by * a.uy, up = bx * a.vx + by * a.vy;
                    const double gap = along - a.w;
                    if (along <= 0 || gap >= std::max(a.cap, b.cap)) continue;
                    /* side by side: their glyphs share most of their height */
                    const double shared = std::min(a.cap, up + b.cap) - std::max(0.0, up);
                    if (shared < 0.5 * std::min(a.cap, b.cap)) continue;
                    /* a label's raised decimals: smaller, right behind it, raised */
                    if (b.cap < 0.9 * a.cap && gap < 0.05 && up > 0) continue;
                    /* a line between them parts them (an extension line of a chain): the
                    ** path from a's end to b's start at half their height */
                    const double h2 = 0.5 * std::min(a.cap, b.cap);
                    const double ax = a.item->x + a.w * a.ux + h2 * a.vx,
                                 ay = a.item->y + a.w * a.uy + h2 * a.vy;
                    const double cx = b.item->x + h2 * b.vx, cy = b.item->y + h2 * b.vy;
                    if (gap > 0 && Line_Between(items, begin, end, ax, ay, cx, cy)) continue;
                    char where[96];
                    snprintf(where, sizeof where, " at %.2f %.2f cm, %.3f cm apart", a.item->x,
                             a.item->y, gap);
                    out.push_back(std::to_string(p + 1) + ": " + a.item->text + " / " + b.item->text
                                  + where);
                }
            /* past its first 4 mm (the extension lines of its own chain reach 4 mm beside it)
            ** a leader runs clear of every line: of other leaders, of extension and dimension
            ** lines, of the member */
            for (const Oli_Item *l : leaders) {
                const double len = hypot(l->x2 - l->x, l->y2 - l->y);
                if (len <= 0.4 + 1e-9) continue;
                const double t = 0.4 / len;
                const double sx = l->x + t * (l->x2 - l->x), sy = l->y + t * (l->y2 - l->y);
                for (size_t k = begin; k < end; k++) {
                    const Oli_Item &it = items[k];
                    if (&it == l || it.kind != OLI_IT_LINE) continue;
                    const double g = it.size / 2;
                    if (!Segment_Meets(sx, sy, l->x2, l->y2, std::min(it.x, it.x2) - g,
                                       std::min(it.y, it.y2) - g, std::max(it.x, it.x2) + g,
                                       std::max(it.y, it.y2) + g))
                        continue;
                    /* an oblique line's box is not the line: only a true crossing counts */
                    const double dx = fabs(it.x2 - it.x), dy = fabs(it.y2 - it.y);
                    if (dx > 0.01 && dy > 0.01) {
                        Oli_Item far = *l;
                        far.x = sx;
                        far.y = sy;
                        if (!Segments_Cross(far, it)) continue;
                    }
                    char where[128];
                    snprintf(where, sizeof where,
                             ": the leader from %.2f %.2f cm crosses the line %.2f %.2f - %.2f "
                             "%.2f cm",
                             l->x, l->y, it.x, it.y, it.x2, it.y2);
                    out.push_back(std::to_string(p + 1) + where);
                    break;
                }
            }
            /* a leader passes every label but its own (the one at its end), its half width and
            ** some air away: a leader through a number points at it as well */
            for (const Oli_Item *l : leaders)
                for (const Run &r : runs) {
                    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
                    for (double al : {0.0, r.w})
                        for (double up : {0.0, r.cap}) {
                            const double x = r.item->x + al * r.ux + up * r.vx,
                                         y = r.item->y + al * r.uy + up * r.vy;
                            x0 = std::min(x0, x), x1 = std::max(x1, x);
                            y0 = std::min(y0, y), y1 = std::max(y1, y);
                        }
                    const double own = hypot(std::max({x0 - l->x2, l->x2 - x1, 0.0}),
                                             std::max({y0 - l->y2, l->y2 - y1, 0.0}));
                    if (own < 0.1) continue;              /* its own label */
                    const double g = l->size / 2 + 0.005; /* half its width and air */
                    if (!Segment_Meets(l->x, l->y, l->x2, l->y2, x0 - g, y0 - g, x1 + g, y1 + g))
                        continue;
                    char where[128];
                    snprintf(where, sizeof where,
                             ": the leader from %.2f %.2f cm crosses the label %s at %.2f %.2f cm",
                             l->x, l->y, r.item->text.c_str(), r.item->x, r.item->y);
                    out.push_back(std::to_string(p + 1) + where);
                }
            for (size_t i = 0; i < leaders.size(); i++)
                for (size_t j = i + 1; j < leaders.size(); j++)
                    if (Segments_Cross(*leaders[i], *leaders[j])) {
                        char where[96];
                        snprintf(where, sizeof where, ": leaders cross at %.2f %.2f cm",
                                 leaders[i]->x, leaders[i]->y);
                        out.push_back(std::to_string(p + 1) + where);
                    }
        });
    return out;
}

} // namespace

/* Variants of the examples whose drawings are crowded: the bending example's member narrower
** (the dowels of 180 mm reach through 18 cm at most), so that its plates' labels and those of
** the timber between them (3.47, 4.13, 4.8) stand outside their marks in other ways. */
struct Variant {
    const Example *ex;
    const char *from, *to; /* words of the input file replaced */
};
const Variant Crowded_Variants[] = {
    {&Examples[1], "SYSTEM 1 0 2 2 2 2 2 0 0 18 56", "SYSTEM 1 0 2 2 2 2 2 0 0 14 56"},
    {&Examples[1], "SYSTEM 1 0 2 2 2 2 2 0 0 18 56", "SYSTEM 1 0 2 2 2 2 2 0 0 16 56"},
    {&Examples[1], "SYSTEM 1 0 2 2 2 2 2 0 0 18 56", "SYSTEM 1 0 2 2 2 2 2 0 0 12 56"},
};

/* The reports of the examples, of their crowded variants and of the dense pattern are legible:
** no two words of the PDF overlap (pdftotext -bbox), no text of a drawing touches a line or an
** area of it, two numbers of a drawing do not read as one and no leader crosses another leader
** or a label, nor any line beyond its own marks. */
TEST_F(ExampleReport, DrawingsAndTextsOverlapNowhere)
{
    ASSERT_TRUE(Have_Tool("pdftotext"))
        << "poppler-utils (pdftotext) not installed: the words' boxes cannot be checked";
    std::vector<Variant> runs;
    for (const Example &ex : Examples) runs.push_back(Variant{&ex, nullptr, nullptr});
    for (const Variant &v : Crowded_Variants) runs.push_back(v);
    for (const Variant &v : runs) {
        const Example &ex = *v.ex;
        SCOPED_TRACE(v.to ? v.to : ex.name);
        std::vector<std::string> log;
        ASSERT_EQ(Run_Example(ex, &log, v.from, v.to), 1) << ex.name;
        const std::string base = ex.name;
        Oli_Document doc;
        ASSERT_EQ(Oli_Read_File((base + "_01.oli").c_str(), &doc), 1);
        Oli_Layout layout;
        Oli_Layout_Document(&doc, &layout);
        const std::vector<Word> words = Pdf_Words(base + "_01.oli.pdf");
        ASSERT_GT(words.size(), 100u) << ex.name;
        int drawing_words = 0;
        const auto areas = Drawing_Areas(layout);
        for (const Word &w : words)
            if (Inside(areas[(size_t)w.page], (w.x0 + w.x1) / 2, (w.y0 + w.y1) / 2))
                drawing_words++;
        EXPECT_GT(drawing_words, 20) << ex.name << ": the drawings' labels are words of the PDF";
        for (const std::string &o : Overlapping_Words(words, areas))
            ADD_FAILURE() << ex.name << " page " << o;
        for (const std::string &o : Texts_On_Lines(layout))
            ADD_FAILURE() << ex.name << " page " << o << ": a text of a drawing on a line";
        for (const std::string &o : Labels_Not_Apart(layout))
            ADD_FAILURE() << ex.name << " page " << o;
    }
}

/* The golden print lists of the design run's splices (side timbers, inner and outer plates,
** bending, compression without an annex, a lap) are as legible, printed to PDF by the viewer. */
TEST_F(ExampleReport, GoldenSplicesOverlapNowhere)
{
    ASSERT_TRUE(Have_Tool("pdftotext"))
        << "poppler-utils (pdftotext) not installed: the words' boxes cannot be checked";
    for (const char *name : {"nails", "dowels", "bolts", "bending", "compression", "lap"}) {
        const std::string oli =
            std::string(SPLICE_GOLDEN_DIR) + "/splice_print/gold_" + name + "_01.oli";
        const std::string pdf = std::string(old_cwd) + "/legible_" + name + ".pdf";
        ASSERT_EQ(Oli_Print_File_To_Pdf(oli.c_str(), pdf.c_str()), 1) << oli;
        Oli_Document doc;
        ASSERT_EQ(Oli_Read_File(oli.c_str(), &doc), 1);
        Oli_Layout layout;
        Oli_Layout_Document(&doc, &layout);
        const std::vector<Word> words = Pdf_Words(pdf);
        ASSERT_GT(words.size(), 50u) << name;
        for (const std::string &o : Overlapping_Words(words, Drawing_Areas(layout)))
            ADD_FAILURE() << name << " page " << o;
        for (const std::string &o : Texts_On_Lines(layout))
            ADD_FAILURE() << name << " page " << o << ": a text of a drawing on a line";
        for (const std::string &o : Labels_Not_Apart(layout))
            ADD_FAILURE() << name << " page " << o;
    }
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
        if (n[0] == '.' || stat((root + "/examples/" + n).c_str(), &st) != 0
            || !S_ISDIR(st.st_mode))
            continue;
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
