/*
** Tests of the main sheet's handling of clicks and keys through the headless GUI: a click on an
** icon the mouse rests on acts, keys typed right after a click go into the field, Esc asks to
** end wherever the mouse is, and a save is confirmed on the sheet.
*/
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

#include "dialogs/dialogs.h"
#include "nad/nad.h"
#include "platform/zelkwin.h"
#include "platform/zelkwin_test.h"
#include "results/print_list.h"
#include "splice/splice_app.h"
#include "tests/splice/example_host.h"

namespace {

std::string At(const char *what, int x, int y)
{
    return std::string(what) + " " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

std::string Slurp_File(const char *path)
{
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

/* The middle of an icon of the main menu (1 national annex .. 6 save .. 8 end). */
int Icon_X(int entry) { return NPIXEL_X - 346 + Main_Icon_Menu.entries[entry - 1].x + 19; }
const int ICON_Y = 3 + 6 + 18;

/* "abbrechen" of the finish question in the middle of the screen. */
std::string Cancel_Finish(void) { return At("click", NPIXEL_X / 2 - 84, NPIXEL_Y / 2 + 37); }

int Count(const char *prefix, const std::string &needle)
{
    int n = 0;
    for (const std::string &l : ZW_Test_Log_Lines())
        if (l.rfind(prefix, 0) == 0 && l.find(needle) != std::string::npos) n++;
    return n;
}

/* How often the band above the register confirmed a save of file `name` of the working folder
** with its whole path: in one line, or broken after a '/' into two. */
int Saved(const char *name)
{
    char cwd[1024];
    const std::string want =
        std::string("gespeichert: ") + (getcwd(cwd, sizeof cwd) ? cwd : "?") + "/" + name;
    int n = 0;
    std::string first;
    for (const std::string &l : ZW_Test_Log_Lines()) {
        if (l == "TEXT 14 32 " + want) n++;
        if (!first.empty() && l == "TEXT 14 41 " + want.substr(first.size())) n++;
        first = l.rfind("TEXT 14 24 ", 0) == 0 ? l.substr(11) : "";
        if (want.rfind(first, 0) != 0) first.clear();
    }
    return n;
}

/* The colour of a pixel of a snapshot (0xRRGGBB), -1 when the file cannot be read. */
long Png_Pixel(const char *file, int x, int y)
{
    cairo_surface_t *png = cairo_image_surface_create_from_png(file);
    long rgb = -1;
    if (cairo_surface_status(png) == CAIRO_STATUS_SUCCESS && x >= 0 && y >= 0
        && x < cairo_image_surface_get_width(png) && y < cairo_image_surface_get_height(png)) {
        cairo_surface_flush(png);
        const unsigned char *row =
            cairo_image_surface_get_data(png) + y * cairo_image_surface_get_stride(png);
        rgb = ((const uint32_t *)row)[x] & 0xFFFFFF;
    }
    cairo_surface_destroy(png);
    return rgb;
}

/* Pixels of a snapshot in a rectangle that have the colour rgb (0xRRGGBB). */
int Png_Count(const char *file, int x1, int y1, int x2, int y2, uint32_t rgb)
{
    cairo_surface_t *png = cairo_image_surface_create_from_png(file);
    int n = -1;
    if (cairo_surface_status(png) == CAIRO_STATUS_SUCCESS) {
        cairo_surface_flush(png);
        n = 0;
        int w = cairo_image_surface_get_width(png), h = cairo_image_surface_get_height(png);
        for (int y = std::max(y1, 0); y <= std::min(y2, h - 1); y++) {
            const uint32_t *row = (const uint32_t *)(cairo_image_surface_get_data(png)
                                                     + y * cairo_image_surface_get_stride(png));
            for (int x = std::max(x1, 0); x <= std::min(x2, w - 1); x++)
                n += (row[x] & 0xFFFFFF) == rgb ? 1 : 0;
        }
    }
    cairo_surface_destroy(png);
    return n;
}

class SheetInput : public ::testing::Test {
  protected:
    char old_cwd[1024];
    std::string root = SPLICE_SOURCE_DIR;

    void SetUp() override
    {
        ASSERT_NE(getcwd(old_cwd, sizeof old_cwd), nullptr);
        const char *name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::string dir = std::string(old_cwd) + "/sheet_input_" + name;
        ASSERT_EQ(system(("rm -rf '" + dir + "' && mkdir -p '" + dir + "'").c_str()), 0);
        ASSERT_EQ(chdir(dir.c_str()), 0);
        Use_Example_Host();
        setenv("TEMP", dir.c_str(), 1);
        unsetenv("SPLICE_GUI_SCRIPT");
        unsetenv("SPLICE_GUI_LOG");
    }
    void TearDown() override { ASSERT_EQ(chdir(old_cwd), 0); }

    int Run(const char *example, const std::string &script, const char *component = nullptr)
    {
        if (example && system(("cp '" + root + "/examples/" + example + "'/* .").c_str()) != 0)
            return -1;
        Clear_NAD_State();
        Current_Page = PAGE_SYSTEM;
        ZW_Test_Reset();
        ZW_Test_Set_Script(script);
        const char *name = component ? component : example ? example : "Stoss";
        const char *argv[] = {"splice", name, "1", "1", "1", nullptr};
        return Splice_Main(5, (char **)argv);
    }
};

} // namespace

/* The mouse comes to rest on "drucken" (two moves, the tooltip shows) and clicks once: that one
** click prints. The same for a click on an icon the mouse already rested on after an action. */
TEST_F(SheetInput, OneClickOnAnIconTheMouseRestsOnActs)
{
    int x = Icon_X(4);
    ASSERT_EQ(Run("zugstoss_nagel",
                  At("move", x, ICON_Y) + At("move", x, ICON_Y) + At("click", x, ICON_Y)),
              1);
    EXPECT_EQ(Count("MESSAGE", "gedruckt"), 1);

    /* Saved twice by two clicks on the save icon without moving in between. */
    int s = Icon_X(6);
    ASSERT_EQ(Run("zugstoss_nagel", At("click", s, ICON_Y) + At("click", s, ICON_Y)), 1);
    EXPECT_EQ(Saved("zugstoss_nagel_01.inp"), 2);
}

/* Page System of the bending splice: a click into b, "20" typed at once, Enter, and one click on
** the save icon: the file holds b = 20, and the sheet says that it was saved, and where: the file
** with its whole path. */
TEST_F(SheetInput, KeysTypedRightAfterAClickGoIntoTheField)
{
    const int b_y = 80 + 28 + 26 * 9; /* base line of the row of b */
    std::string s =
        At("click", 370, b_y - 4) + "type 20\nkey Enter\n" + At("click", Icon_X(6), ICON_Y);
    ASSERT_EQ(Run("biegestoss_stabduebel", s), 1);
    EXPECT_EQ(Count("EDITFLOAT", "20.0"), 1);
    EXPECT_EQ(Saved("biegestoss_stabduebel_01.inp"), 1);
    EXPECT_EQ(Count("MESSAGE", ""), 0); /* no box to click away */

    Set_Splice_Input_Defaults(&Splice_Input);
    ASSERT_EQ(Read_Splice_Input_File("biegestoss_stabduebel_01.inp", &Splice_Input, 0), 1);
    EXPECT_EQ(Splice_Input.b, 20.0);
    EXPECT_EQ(Splice_Input.h, 56.0);
}

/* Keys typed before the click were meant for nothing and do not reach the field. */
TEST_F(SheetInput, KeysTypedBeforeAClickStayOutOfTheField)
{
    const int b_y = 80 + 28 + 26 * 9;
    std::string s =
        At("move", 370, b_y - 4) + "type 77\n" + At("click", 370, b_y - 4) + "type 21\nkey Enter\n";
    ASSERT_EQ(Run("biegestoss_stabduebel", s), 1);
    EXPECT_EQ(Count("EDITFLOAT", "21.0"), 1);
    EXPECT_EQ(Splice_Input.b, 21.0);
}

/* Esc over the page, over the menu bar and over the register: each asks the finish question. */
TEST_F(SheetInput, EscAsksToEndWhereverTheMouseIs)
{
    std::string s;
    for (auto [x, y] : {std::pair{400, 700}, {Icon_X(3), ICON_Y}, {200, 62}, {100, 20}})
        s += At("move", x, y) + "key Esc\n" + Cancel_Finish();
    ASSERT_EQ(Run("zugstoss_nagel", s), 1);
    EXPECT_EQ(Count("SHEET 2", "BEARBEITUNG BEENDEN"), 4);
    EXPECT_EQ(Count("SNAPSHOT", ""), 0);
}

/* A save that fails keeps its box and says nothing on the sheet; the input taken after a good
** save clears the confirmation. */
TEST_F(SheetInput, AFailedSaveKeepsItsBoxAndInputClearsTheConfirmation)
{
    ASSERT_EQ(mkdir("Stoss_01.inp", 0755), 0); /* the input file cannot be written */
    ASSERT_EQ(Run(nullptr, At("click", Icon_X(6), ICON_Y)), 1);
    EXPECT_EQ(Count("MESSAGE", "kann nicht gespeichert werden."), 1);
    EXPECT_EQ(Count("TEXT", "gespeichert:"), 0);
    ASSERT_EQ(rmdir("Stoss_01.inp"), 0);

    const int b_y = 80 + 28 + 26 * 9;
    ASSERT_EQ(Run(nullptr, At("click", Icon_X(6), ICON_Y) + "snapshot saved.png\n"
                               + At("click", 370, b_y - 4) + "type 15\nkey Enter\nkey Esc\n"),
              1);
    EXPECT_EQ(Saved("Stoss_01.inp"), 1);
    /* the band above the register is empty again: nothing but its background */
    EXPECT_EQ(ZW_Test_Count_Colour(10, 8, NPIXEL_X - 360, 44, 0x000000), 0);

    /* The change clears it at once: while Enter has opened the next field, the band is empty. */
    ASSERT_EQ(Run(nullptr, At("click", Icon_X(6), ICON_Y) + At("click", 370, b_y - 4)
                               + "type 15\nkey Enter\nsnapshot chain.png\nkey Esc\n"),
              1);
    EXPECT_EQ(Png_Count("chain.png", 10, 8, NPIXEL_X - 360, 44, 0x000000), 0);
    /* A value entered as it was changes nothing: the confirmation stays (the file holds b = 12). */
    ASSERT_EQ(Run(nullptr, At("click", Icon_X(6), ICON_Y) + At("click", 370, b_y - 4)
                               + "type 12\nkey Enter\nsnapshot same.png\nkey Esc\n"),
              1);
    EXPECT_GT(Png_Count("same.png", 10, 8, NPIXEL_X - 360, 44, 0x000000), 0);
}

/* A print or preview that the input refuses opens a box that names the reason with its numbers,
** and the utilisation page shows the same. The bending example with b = 20 cm between its inner
** plates: the dowel of l = 180 mm passes the whole width, 10 x 20 cm = 200 mm. */
TEST_F(SheetInput, ARefusedPrintSaysWhyWithTheNumbers)
{
    const int b_y = 80 + 28 + 26 * 9;
    std::string s = At("click", 370, b_y - 4) + "type 20\nkey Enter\n" + At("click", 1230, 940);
    s += At("click", Icon_X(4), ICON_Y) + At("click", Icon_X(3), ICON_Y) + At("click", 685, 62);
    ASSERT_EQ(Run("biegestoss_stabduebel", s), 1);
    std::string why =
        "L\xc3\xa4nge des Verbindungsmittels zu gering: l = 180 mm < erforderlich 200 mm";
    EXPECT_EQ(Count("MESSAGE [Drucken] Drucken nicht m\xc3\xb6glich: | ", why), 1);
    EXPECT_EQ(Count("MESSAGE [Vorschau] Vorschau nicht m\xc3\xb6glich: | ", why), 1);
    EXPECT_GT(Count("TEXT", why), 0);
    EXPECT_EQ(Count("MESSAGE", "gedruckt"), 0);

    /* The nail example with a middle member of b = 5 cm: the middle member is named, with
    ** max(14 d; (13 d - 30) rho_k / 200) = max(58.8; 24.6 x 350 / 200 = 43.05) = 58.8 mm against
    ** splitting (EN 1995-1-1, eq. (8.19)); the side timbers of 60 mm pass. The fastener page says
    ** it too, in two lines of its column. */
    s = At("click", 370, b_y - 4) + "type 5\nkey Enter\n" + At("click", 1230, 940);
    s += At("click", Icon_X(4), ICON_Y) + At("click", 685, 62) + At("click", 235, 62);
    ASSERT_EQ(Run("zugstoss_nagel", s), 1);
    why = "Spaltgefahr => Mittelholz zu d\xc3\xbcnn oder Nagel zu dick: b = 50 mm < erforderlich "
          "max(14 x 4.2; (13 x 4.2 - 30) x 350 / 200) = 58.8 mm";
    EXPECT_EQ(Count("MESSAGE [Drucken] Drucken nicht m\xc3\xb6glich: | ", why), 1);
    EXPECT_GT(Count("TEXT", why), 0);
    EXPECT_EQ(Count("TEXT 720 160 ", "max(14 x 4.2; (13 x 4.2 - 30) x 350 / 200) = 58.8 mm"), 1);

    /* 50 nails in a row at a1 = 10 d = 4.20 cm with a3,t = 15 d = 6.30 cm (tension along the
    ** grain, EN 1995-1-1, Table 8.2): the side timbers of 120 cm against 2 x (49 x 4.20 + 2 x
    ** 6.30) = 436.80 cm, with the way out, on the layout page (the reason on a line of its own),
    ** the utilisation page and in the preview's box */
    s = At("click", 385, 62) + At("click", 360, 130) + "type 50\nkey Enter\n"
        + At("click", 1230, 940) + At("click", Icon_X(3), ICON_Y) + At("click", 685, 62);
    ASSERT_EQ(Run("zugstoss_nagel", s), 1);
    const std::string numbers =
        "L = 120.00 cm < erforderlich 2 x ((n_c - 1) a1 + 2 a3) = "
        "2 x (49 x 4.20 + 2 x 6.30) = 436.80 cm (L\xc3\xa4nge automatisch "
        "w\xc3\xa4hlen oder weniger Verbindungsmittel in Faserrichtung n_c)";
    why = "Seitenholz zu kurz: " + numbers;
    EXPECT_EQ(Count("MESSAGE [Vorschau] Vorschau nicht m\xc3\xb6glich: | ", why), 1);
    EXPECT_GT(Count("TEXT 32 ", numbers), 0); /* the layout page's line */
    EXPECT_GT(Count("TEXT", why), 0);

    /* The user's a1 = 1 cm < (5 + 5 |cos 0|) d = 4.20 cm and a4 = 1 cm < a4,c = 5 d = 2.10 cm
    ** (EN 1995-1-1, Table 8.2): the box names both, each on a line of its own */
    const auto tick = [](int row, const char *value) {
        const int y = 80 + 28 + 26 * row - 4;
        return At("click", 38, y) + At("click", 360, y) + "type " + value + "\nkey Enter\n"
               + At("click", 1230, 940);
    };
    s = At("click", 385, 62) + tick(6, "1") + tick(9, "1") + At("click", Icon_X(4), ICON_Y);
    ASSERT_EQ(Run("zugstoss_nagel", s), 1);
    EXPECT_EQ(Count("MESSAGE [Drucken] Drucken nicht m\xc3\xb6glich: | Oberer/Unterer "
                    "Mindestrandabstand (a4c, a4t) unterschritten: a4 = 1.00 cm < erforderlich "
                    "a4,c = 2.10 cm | Mindestabstand a1 unterschritten: a1 = 1.00 cm < "
                    "erforderlich 4.20 cm",
                    ""),
              1);
}

/* The in-place editor covers its field: the field of b shows its text at (347, 342) inside a
** frame from (340, 329) to (…, 347); the editor's black frame lies on those edges, the page
** above the field stays as it was. */
TEST_F(SheetInput, TheInPlaceEditorSitsOverItsField)
{
    const int b_y = 80 + 28 + 26 * 9;
    ASSERT_EQ(b_y, 342);
    ASSERT_EQ(
        Run("biegestoss_stabduebel", At("click", 370, b_y - 4) + "snapshot editor.png\nkey Esc\n"),
        1);
    EXPECT_GT(Count("TEXT 347 342 ", "18.0"), 0); /* where the page draws the field's value */
    EXPECT_EQ(Png_Pixel("editor.png", 340, 335), 0x000000); /* left edge */
    EXPECT_EQ(Png_Pixel("editor.png", 380, 329), 0x000000); /* top edge */
    EXPECT_EQ(Png_Pixel("editor.png", 380, 347), 0x000000); /* bottom edge */
    EXPECT_EQ(Png_Pixel("editor.png", 380, 327),
              Png_Pixel("editor.png", 380, 325)); /* page above */
    EXPECT_NE(Png_Pixel("editor.png", 380, 327), 0x000000);
    EXPECT_NE(Png_Pixel("editor.png", 380, 327), 0xFFFFFF);
}

/* Pixels of a snapshot in a rectangle that are red (the fastener marks of the layout). */
static int Png_Red_Pixels(const char *file, int x1, int y1, int x2, int y2)
{
    cairo_surface_t *png = cairo_image_surface_create_from_png(file);
    int n = 0;
    if (cairo_surface_status(png) == CAIRO_STATUS_SUCCESS) {
        cairo_surface_flush(png);
        int w = cairo_image_surface_get_width(png), h = cairo_image_surface_get_height(png);
        for (int y = std::max(y1, 0); y <= std::min(y2, h - 1); y++) {
            const uint32_t *row = (const uint32_t *)(cairo_image_surface_get_data(png)
                                                     + y * cairo_image_surface_get_stride(png));
            for (int x = std::max(x1, 0); x <= std::min(x2, w - 1); x++) {
                uint32_t c = row[x];
                if ((c >> 16 & 0xFF) >= 100 && (c >> 8 & 0xFF) < 60 && (c & 0xFF) < 60) n++;
            }
        }
    }
    cairo_surface_destroy(png);
    return n;
}

/* The text lines the log shows from a line on that starts with prefix up to the next line that
** starts with until (or the end). */
static std::vector<std::string> Texts_Between(const char *prefix, const char *until)
{
    std::vector<std::string> out;
    bool in = false;
    for (const std::string &l : ZW_Test_Log_Lines()) {
        if (!in && l.rfind(prefix, 0) == 0) {
            in = true;
            continue;
        }
        if (in && l.rfind(until, 0) == 0) break;
        if (in && l.rfind("TEXT ", 0) == 0) out.push_back(l);
    }
    return out;
}

static bool Any_Has(const std::vector<std::string> &lines, const char *needle)
{
    for (const std::string &l : lines)
        if (l.find(needle) != std::string::npos) return true;
    return false;
}

/* The texts the log shows on the line of the page's text `name` (the same base line). */
static std::vector<std::string> Row_Of(const std::string &name)
{
    std::vector<std::string> out;
    std::string y;
    for (const std::string &l : ZW_Test_Log_Lines()) {
        int x = 0, at = 0, n = 0;
        if (sscanf(l.c_str(), "TEXT %d %d %n", &x, &at, &n) != 2 || n == 0) continue;
        if (l.substr((size_t)n) == name) y = std::to_string(at);
    }
    for (const std::string &l : ZW_Test_Log_Lines()) {
        int x = 0, at = 0, n = 0;
        if (sscanf(l.c_str(), "TEXT %d %d %n", &x, &at, &n) == 2 && n > 0
            && std::to_string(at) == y)
            out.push_back(l.substr((size_t)n));
    }
    return out;
}

/* The number of the governing combination as the utilisation page names it ("maßgebend: Nr.
** n (Gruppe g, Kombination k)"), 0 when it names none. */
static int Governing_Number(void)
{
    int n = 0;
    for (const std::string &l : ZW_Test_Log_Lines()) {
        const size_t at = l.find("ma\xc3\x9f"
                                 "gebend: Nr. ");
        if (l.rfind("TEXT", 0) == 0 && at != std::string::npos) n = atoi(l.c_str() + at + 15);
    }
    return n;
}

/* n_c = 0 on the layout page of the nailed example (8 x 5 nails) is refused with a hint, and the
** field keeps 8; the page then shows the results of 8 x 5 = 40 nails a half at once, not the
** refusal of 0 nails (it was raised to 1 and showed 5 nails). */
TEST_F(SheetInput, AHeldValueShowsItsResultsAtOnce)
{
    ASSERT_EQ(Run("zugstoss_nagel", At("click", 385, 62) + At("click", 360, 130)
                                        + "type 0\nkey Enter\n" + At("click", 1230, 940)),
              1);
    EXPECT_EQ(Count("PRINT", "n_c: \"0\" liegt unter dem kleinsten Wert 1: das Feld enth\xc3\xa4lt "
                             "weiter 8"),
              1);
    std::vector<std::string> after = Texts_Between("PRINT HINWEIS", "CLOSED");
    EXPECT_TRUE(Any_Has(after, "40 Verbindungsmittel je Sto")) << "results of n_c = 8 missing";
    EXPECT_FALSE(Any_Has(after, "mindestens 2 Verbindungsmittel"));
    EXPECT_EQ(Splice_Input.n_col[VBM_TYPE_SLOT(Splice_Input.vbm_type)], 8.0);
}

/* While the user steps with Enter from n_c to n_r, the lines and the drawing below follow n_c:
** 4 x 5 = 20 nails a half, each a red mark of 5 x 5 pixels on both halves: 2 x 20 x 25 = 1000
** red pixels (the example's 8 x 5 would give 2000). */
TEST_F(SheetInput, TheLayoutFollowsEachFieldWhileSteppingWithEnter)
{
    ASSERT_EQ(Run("zugstoss_nagel", At("click", 385, 62) + At("click", 360, 130)
                                        + "type 4\nkey Enter\nsnapshot stepping.png\nkey Esc\n"),
              1);
    std::vector<std::string> stepping = Texts_Between("EDITFLOAT        4", "EDITFLOAT");
    EXPECT_TRUE(Any_Has(stepping, "20 Verbindungsmittel je Sto"));
    EXPECT_TRUE(Any_Has(stepping, "vorhanden: a1 = 15.8 cm")); /* (60 - 2 x 6.3) / 3 = 15.8 */
    EXPECT_EQ(Png_Red_Pixels("stepping.png", 12, 400, 760, 900), 1000);
}

/* The generated combinations carry their group's number, the one the utilisation page names
** as the governing group, and the page names the governing combination as the report does: by
** its row in the report's table and its place on the page. The example generates 2 permanent,
** 2 medium and 6 short combinations (groups 1 to 3); the report's table counts them 1-2, 3-4,
** 5-10, and the second short one (1.35 LF1 + 0.70 1.50 LF3 + 1.00 1.50 LF4) governs with the
** largest |N_d| / k_mod = 231 / 0.9 = 256.7 (medium 198 / 0.8 = 247.5, permanent 108 / 0.6 =
** 180): row 2 + 2 + 2 = 6, "Gruppe 3, Kombination 2". The page of the forces shows both numbers
** on that row: 6 in the column "Nr." and 2 in "Komb."; the last row of group 3 is Nr. 10. */
TEST_F(SheetInput, GeneratedCombinationsShowTheGroupTheUtilisationNames)
{
    ASSERT_EQ(Run("druckstoss_bolzen", At("click", 685, 62) + At("click", 535, 62)), 1);
    int group = 0;
    bool named = false;
    for (const std::string &l : ZW_Test_Log_Lines()) {
        const char *head = "ma\xc3\x9f"
                           "gebend: Nr. 6 (Gruppe ";
        size_t p = l.find(head);
        if (l.rfind("TEXT", 0) != 0 || p == std::string::npos) continue;
        group = atoi(l.c_str() + p + strlen(head));
        named = l.find("ma\xc3\x9f"
                       "gebend: Nr. 6 (Gruppe 3, Kombination 2), M_d = 0.00 kNm, N_d = "
                       "-231.00 kN")
                != std::string::npos;
    }
    ASSERT_GT(group, 0);
    EXPECT_TRUE(named);
    std::vector<std::string> forces = Texts_Between("EDIT 1003", "CLOSED");
    EXPECT_TRUE(Any_Has(forces, ("Gruppe " + std::to_string(group)).c_str()));
    EXPECT_TRUE(Any_Has(forces, "Erzeugte Lastkombinationen"));
    /* the three groups (permanent, medium, short) are numbered as shown, 1 to 3 */
    for (const char *g : {"Gruppe 1", "Gruppe 2", "Gruppe 3"}) EXPECT_TRUE(Any_Has(forces, g)) << g;
    EXPECT_FALSE(Any_Has(forces, "Gruppe 4"));
    const struct {
        const char *n_d, *nr, *komb;
    } rows[] = {{" -231.00", "6", "2"}, {" -200.00", "10", "6"}};
    for (const auto &row : rows) {
        int x = 0, y = -1;
        for (const std::string &l : forces)
            if (l.size() > 8 && l.compare(l.size() - 8, 8, row.n_d) == 0)
                sscanf(l.c_str(), "TEXT %d %d", &x, &y);
        ASSERT_GT(y, 0) << row.n_d;
        const std::string at = " " + std::to_string(y) + " ";
        EXPECT_TRUE(Any_Has(forces, ("TEXT 22" + at + row.nr).c_str())) << row.n_d;
        EXPECT_TRUE(Any_Has(forces, ("TEXT 70" + at + row.komb).c_str())) << row.n_d;
    }
}

/* A row of the utilisation page that gathers several checks names the one that gives its value:
** the compression example's middle member is compressed by N_d and bent by the moment of V_d
** about the fasteners ("Druck und Biegung", the largest |N_d| / k_mod = 231 / 0.9 in Nr. 6); the
** plates' buckling row holds the largest spacing of compressed plates, p1 = 160 mm across the
** joint against min(14 t; 200 mm) = 14 x 12 = 168 mm (EN 1993-1-8, Table 3.3): 160 / 168 =
** 95.2 %, above their buckling and above p2 = 90 / 168. */
TEST_F(SheetInput, AUtilisationRowNamesTheCheckThatGivesItsValue)
{
    ASSERT_EQ(Run("druckstoss_bolzen", At("click", 685, 62)), 1);
    const std::vector<std::string> mid = Row_Of("Mittelholz");
    EXPECT_TRUE(
        Any_Has(mid, "Druck und Biegung in Lastkombination Nr. 6 (Gruppe 3, Kombination 2)"))
        << mid.size();
    const std::vector<std::string> plates = Row_Of("Stahlblech, Knicken und gr\xc3\xb6\xc3\x9f"
                                                   "te Abst\xc3\xa4nde p1, p2");
    EXPECT_TRUE(Any_Has(plates, "95.2 %"));
    EXPECT_TRUE(Any_Has(plates, "gr\xc3\xb6\xc3\x9f"
                                "ter Abstand p1 in Lastkombination Nr. "));
}

/* The plates' largest spacing in the compression example is the same in every combination: the
** page and the report's summary name for it the combination the page names as governing, not
** the first one of the table, and by the same name as the governing line: Nr. 6 is the second
** combination of group 3 (2 + 2 + 2 = 6). */
TEST_F(SheetInput, ThePageAndTheReportNameOneCombinationForARow)
{
    const int x = Icon_X(4);
    ASSERT_EQ(Run("druckstoss_bolzen", At("click", 685, 62) + At("move", x, ICON_Y)
                                           + At("move", x, ICON_Y) + At("click", x, ICON_Y)),
              1);
    const int n = Governing_Number();
    ASSERT_GT(n, 1);
    ASSERT_EQ(n, 6);
    const std::string nr = "in Lastkombination Nr. 6 (Gruppe 3, Kombination 2)";
    EXPECT_TRUE(Any_Has(Row_Of("Stahlblech, Knicken und gr\xc3\xb6\xc3\x9f"
                               "te Abst\xc3\xa4nde p1, p2"),
                        nr.c_str()));
    const std::string report = Slurp_File("druckstoss_bolzen_01.oli");
    EXPECT_NE(
        report.find("Stahlblech, Knicken und gr\x94\xe1te Abst\x84nde p1, p2: u = 0.95 " + nr),
        std::string::npos);
}

/* The nailed example with b = 7 cm: nails of 110 mm from both sides would overlap in the middle
** member (110 > t_s + b / 2 = 60 + 35 = 95 mm), so they are designed alternately; the
** utilisation page says so under the fasteners' row, and the report's summary under theirs. */
TEST_F(SheetInput, AlternateNailsAreSaidWithTheirUtilisation)
{
    const int x = Icon_X(4);
    ASSERT_EQ(Run("zugstoss_nagel", At("click", 370, 338) + "type 7\nkey Enter\nkey Esc\n"
                                        + At("click", 685, 62) + At("move", x, ICON_Y)
                                        + At("move", x, ICON_Y) + At("click", x, ICON_Y)),
              1);
    const char *why = "wechselseitig, weil sich die Verbindungsmittel beider Seiten im Mittelholz "
                      "\xc3\xbc"
                      "berdecken w\xc3\xbcrden: l = 110 mm > t_s + b / 2 = 60 + 35 = 95 mm "
                      "(zweiseitig gew\xc3\xa4hlt)";
    EXPECT_GE(Count("TEXT", why), 1);
    const std::string report = Slurp_File("zugstoss_nagel_01.oli");
    const size_t row = report.find(" Verbindungsmittel: u = ");
    ASSERT_NE(row, std::string::npos);
    const size_t next = report.find(" Mittelholz: u = ", row);
    const size_t said = report.find("wechselseitig, weil", row);
    EXPECT_LT(said, next);
}

/* A value out of its limits, entered with Enter: the hint and the page of the value kept come
** before the next field opens (the log shows the hint before that field's end), for n_c = 150
** (8 kept) on the layout page and b = 0 (18.0 kept) on the system page. */
TEST_F(SheetInput, AHintComesWithTheEnterThatCausedIt)
{
    const struct {
        const char *example, *tab, *hint;
        int x, y;
        const char *typed, *held;
    } rows[] = {
        {"zugstoss_nagel", "click 385 62\n", "n_c: \"150\" liegt \xc3\xbc", 360, 130, "150",
         "TEXT 347 134        8"},
        {"biegestoss_stabduebel", "", "b: \"0\" liegt unter dem kleinsten Wert 2.0", 370, 338, "0",
         "TEXT 347 342     18.0"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.example);
        ASSERT_EQ(Run(row.example, std::string(row.tab) + At("click", row.x, row.y) + "type "
                                       + row.typed + "\nkey Enter\nkey Enter\nkey Esc\n"),
                  1);
        int hint = -1, next_end = -1, held = -1, i = 0, edits = 0;
        for (const std::string &l : ZW_Test_Log_Lines()) {
            if (l.rfind("PRINT", 0) == 0 && l.find(row.hint) != std::string::npos && hint < 0)
                hint = i;
            if (l.rfind("EDITFLOAT", 0) == 0 && ++edits == 2) next_end = i;
            if (hint >= 0 && held < 0 && l.rfind(row.held, 0) == 0) held = i;
            i++;
        }
        ASSERT_GE(hint, 0);
        ASSERT_GE(next_end, 0);
        EXPECT_LT(hint, next_end);
        EXPECT_GE(held, 0);
        EXPECT_LT(held, next_end);
    }
}

/* On the internal forces of generated combinations, a changed N_k generates them anew before
** the next field opens: N_k = -100 kN of the dead load gives 1.35 x (-100) = -135.00 kN and,
** with the imposed load, 1.35 x (-100) + 1.50 x (-60) = -225.00 kN. */
TEST_F(SheetInput, AChangedActionGeneratesTheCombinationsAtOnce)
{
    ASSERT_EQ(Run("druckstoss_bolzen",
                  At("click", 535, 62) + At("click", 545, 182) + "type -100\nkey Enter\nkey Esc\n"),
              1);
    std::vector<std::string> at_once = Texts_Between("EDITFLOAT  -100.00", "EDITFLOAT");
    EXPECT_TRUE(Any_Has(at_once, "-135.00"));
    EXPECT_TRUE(Any_Has(at_once, "-225.00"));
}

/* Ticking "Lastkombinationen aus charakteristischen Einwirkungen erzeugen" over the two typed
** combinations of the nailed example (45 and 30 kN) asks first and names them: "Nein" keeps
** them and leaves the switch cleared, "Ja" replaces them (no action carries a load: none is
** generated). */
TEST_F(SheetInput, TickingTheGenerationAsksBeforeTypedCombinationsAreReplaced)
{
    const std::string tick = At("click", 28, 103);
    ASSERT_EQ(
        Run("zugstoss_nagel", At("click", 535, 62) + tick + "answer no\n" + tick + "answer yes\n"),
        1);
    const char *asked = "QUESTION [Lastkombinationen erzeugen] Die 2 eingegebenen "
                        "Lastkombinationen werden durch die";
    EXPECT_EQ(Count("QUESTION", asked + strlen("QUESTION ")), 2);
    std::vector<std::string> kept = Texts_Between("ANSWER no", "QUESTION");
    EXPECT_TRUE(Any_Has(kept, "45.00"));
    EXPECT_TRUE(Any_Has(kept, "30.00"));
    EXPECT_FALSE(Any_Has(kept, "Erzeugte Lastkombinationen"));
    std::vector<std::string> replaced = Texts_Between("ANSWER yes", "CLOSED");
    EXPECT_TRUE(Any_Has(replaced, "Erzeugte Lastkombinationen: 0"));
    EXPECT_FALSE(Any_Has(replaced, "45.00"));
    EXPECT_EQ(Splice_Input.lkom_generated, 1);
}

/* New action rows on the page of generated combinations: "Wind" starts short-term ("kurz"),
** "Erdbeben", an accidental action, instantaneous ("sehr kurz"), as the German annex assigns them;
** switched on with all loads zero they add no combination (the compression example keeps its
** 10). A wind row of an older file that still stands at "ständig" reads "kurz" when switched on;
** a row with a load keeps the class it has. */
TEST_F(SheetInput, NewActionRowsStartWithTheAnnexClassAndAddNothingWithoutLoads)
{
    const std::string rows = At("click", 535, 62) + At("click", 28, 286) + At("click", 28, 312)
                             + "snapshot actions.png\n";
    ASSERT_EQ(Run("druckstoss_bolzen", rows), 1);
    std::vector<std::string> after = Texts_Between("EDIT 2000", "EDIT 100");
    EXPECT_TRUE(Any_Has(after, "TEXT 259 290 kurz"));
    EXPECT_TRUE(Any_Has(after, "TEXT 259 316 sehr kurz"));
    for (const std::string &l : after) {
        if (l.find("Erzeugte Lastkombinationen:") != std::string::npos) {
            EXPECT_EQ(l.substr(l.size() - 4), ": 10") << l;
        }
    }
    EXPECT_FALSE(Any_Has(after, "LF5"));
    EXPECT_FALSE(Any_Has(after, "LF6"));
    EXPECT_EQ(Splice_Input.Char_Actions[CHAR_ACTION_WIND].used, 1);
    EXPECT_EQ(Splice_Input.Char_Actions[CHAR_ACTION_QUAKE].used, 1);

    /* the rows as an older version saved them: every class "ständig", the snow with its load */
    std::string input = Slurp_File("druckstoss_bolzen_01.inp");
    const size_t snow = input.find("ACTION 3 1 3 ");
    ASSERT_NE(snow, std::string::npos);
    input.replace(snow, 13, "ACTION 3 1 0 ");
    input.insert(input.find('\n', snow) + 1, "ACTION 4 0 0 0 0 0 2 1 0.6 1.5 0\n");
    std::ofstream("druckstoss_bolzen_01.inp", std::ios::binary) << input;
    ASSERT_EQ(Run(nullptr, At("click", 535, 62) + At("click", 28, 286), "druckstoss_bolzen"), 1);
    after = Texts_Between("EDIT 2000", "EDIT 100");
    EXPECT_TRUE(Any_Has(after, "TEXT 259 290 kurz"));
    EXPECT_TRUE(Any_Has(after, "TEXT 259 264 st\xc3\xa4ndig"));
    EXPECT_EQ(Splice_Input.Char_Actions[CHAR_ACTION_SNOW].kled, 0);
}

/* Return or Tab after the length moves on and opens no list: "Nachweisverfahren" below it stays
** closed (its entries are not drawn), and the page shows the new length at once. */
TEST_F(SheetInput, ReturnAndTabNeverOpenAList)
{
    for (const char *key : {"Enter", "Tab"}) {
        SCOPED_TRACE(key);
        ASSERT_EQ(Run("biegestoss_stabduebel", At("click", 235, 62) + At("click", 370, 182)
                                                   + "type 200\nkey " + key + "\n"
                                                   + At("click", 1230, 940)),
                  1);
        std::vector<std::string> after = Texts_Between("EDITFLOAT", "CLOSED");
        EXPECT_FALSE(Any_Has(after, "vereinfacht"));
        EXPECT_TRUE(Any_Has(after, "TEXT 347 186      200"));
        EXPECT_EQ(Splice_Input.l, 200.0);
    }
}

/* The wheel scrolls a page taller than the window: 40 combinations, ten steps down bring the
** last row into view. */
TEST_F(SheetInput, TheWheelScrollsALongPage)
{
    std::string inp = "SPLICE 200\nGROUP 0 1 2 0 1 0.8\n";
    for (int e = 0; e < 40; e++)
        inp += "ENTRY 0 " + std::to_string(e) + " 1 0 " + std::to_string(e + 1)
               + " 2 3 0 0 0 0 -1 -1 -1 -1 -1 -1 -1 0 0 0 0 0 0 0 0 0 0 0 0\n";
    inp += "END\n";
    FILE *f = fopen("Stoss_01.inp", "wb");
    ASSERT_NE(f, nullptr);
    fputs(inp.c_str(), f);
    fclose(f);
    ASSERT_EQ(Run(nullptr, At("click", 535, 62) + At("move", 600, 600) + "wheel -10\n"), 1);
    bool last_row = false; /* the number of the last row, in the first column */
    for (const std::string &l : ZW_Test_Log_Lines())
        last_row = last_row
                   || (l.rfind("TEXT 22 ", 0) == 0 && l.size() > 11
                       && l.compare(l.size() - 3, 3, " 40") == 0);
    EXPECT_TRUE(last_row);
}

/* An import file of 2 x 1000 combinations: kmod 0.9 and 0.6, combination e of group g (0, 1)
** with M_d = 1.03 + 0.01 e + 10 g kNm, N_d 10 kN, V_d 5 kN. */
static void Write_Two_Groups(const char *path)
{
    FILE *f = fopen(path, "wb");
    ASSERT_NE(f, nullptr);
    for (int g = 0; g < 2; g++)
        for (int e = 0; e < 1000; e++)
            fprintf(f, "%s 0 %.2f 10 5 Zeile %d\n", g == 0 ? "0.9" : "0.6",
                    1.03 + 0.01 * e + 10 * g, e + 1);
    fclose(f);
}

/* The page "Schnittgrößen" opened, the file lkom.txt of the working folder imported through its
** field and the box of the import confirmed. */
static std::string Import_Two_Groups(void)
{
    char cwd[1024];
    const std::string path = std::string(getcwd(cwd, sizeof cwd) ? cwd : ".") + "/lkom.txt";
    /* without groups the import's field stands in page row 5: base line 80 + 28 + 5 x 26 */
    return At("click", 535, 62) + At("click", 450, 234) + "type " + path + "\n"
           + At("click", 830, 234) + "answer yes\n";
}

/* The number ("Nr.") of the top row shown whole in the last drawing of the page before the log
** line that starts with marker (a snapshot's line); -1 for none. A drawing goes down the rows: a
** number drawn higher than the one before starts the next. The page's rows stand 26 pixels apart
** from the base line 80 + 28 of its first row; a row is whole in view when its text (12 pixels
** above the base line) lies below the area's top edge at 80. */
static int Top_Row_Before(const std::string &marker)
{
    int top = -1, top_y = 1 << 30, last_y = -1;
    for (const std::string &l : ZW_Test_Log_Lines()) {
        if (l.rfind(marker, 0) == 0) return top;
        int y = 0, nr = 0;
        char rest = 0;
        if (sscanf(l.c_str(), "TEXT 22 %d %d%c", &y, &nr, &rest) != 2) continue;
        if (y < last_y) top = -1, top_y = 1 << 30; /* the next drawing */
        last_y = y;
        if (y - 12 >= 80 && y <= NPIXEL_Y - 11 && y < top_y) {
            top = nr;
            top_y = y;
        }
    }
    return -2; /* no marker */
}

/* n steps of the wheel, one event each as a wheel gives them (negative: down). */
static std::string Wheel_Steps(int n)
{
    std::string s;
    for (int i = 0; i < std::abs(n); i++) s += n < 0 ? "wheel -1\n" : "wheel 1\n";
    return s;
}

/* A table of 2 x 1000 imported combinations moves as desktop tables do: a wheel step three rows
** (26 pixels each) wherever the focus is, as long as the pointer is over the page; Page Down the
** rows in view (33: (949 - 80 + 1) / 26 = 33.5); Ctrl+End to the last row, Ctrl+Home to the first.
** Group 1's Nr. n stands in page row n + 3 (check box, heading, group and column rows before it),
** group 2's in row n + 6; 30 wheel steps scroll 90 rows, so that page row 90, Nr. 87, is the top
** row. */
TEST_F(SheetInput, ALongTableMovesByWheelPageKeysAndCtrlEnd)
{
    Write_Two_Groups("lkom.txt");
    /* the M_d field of the row whose base line is at y: clicked 4 pixels above it */
    auto field = [](int y) { return At("click", 130, y - 4); };
    const std::string s =
        Import_Two_Groups() + At("move", 600, 600) + Wheel_Steps(-30) + "snapshot wheel.png\n"
        + "key PageDown\nsnapshot pgdn.png\nkey Ctrl+End\nsnapshot end.png\n"
        + "key Ctrl+Home\nsnapshot home.png\n"
        /* into Nr. 1 (page row 4: 80 + 28 + 4 x 26 = 212), 5 typed, 10 wheel steps: 30 rows */
        + field(212) + "type 5\n" + Wheel_Steps(-10)
        + "snapshot field_wheel.png\n"
        /* into Nr. 30 (page row 33: 80 + 28 + 33 x 26 - 30 x 26 = 186), 6 typed, Page Down:
        ** 33 rows more */
        + field(186)
        + "type 6\nkey PgDn\nsnapshot field_pgdn.png\n"
        /* into the top row, 7 typed, the pointer over the register: the wheel moves nothing */
        + field(108) + "type 7\n" + At("move", 200, 62) + Wheel_Steps(-10)
        + "snapshot register.png\n" + "key Ctrl+End\nsnapshot register_end.png\n";
    ASSERT_EQ(Run(nullptr, s), 1);
    EXPECT_EQ(Top_Row_Before("SNAPSHOT wheel.png"), 87);
    EXPECT_EQ(Top_Row_Before("SNAPSHOT pgdn.png"), 87 + 33);
    /* the last row, 2000 in page row 2006, stands above the import's rows at the page's end */
    const int end_top = Top_Row_Before("SNAPSHOT end.png");
    EXPECT_GT(end_top, 1960);
    EXPECT_LT(end_top, 2000);
    EXPECT_EQ(Top_Row_Before("SNAPSHOT home.png"), 1);
    EXPECT_EQ(Top_Row_Before("SNAPSHOT field_wheel.png"), 30 - 3);
    EXPECT_EQ(Top_Row_Before("SNAPSHOT field_pgdn.png"), 30 + 33 - 3);
    EXPECT_EQ(Top_Row_Before("SNAPSHOT register.png"), 60);
    EXPECT_EQ(Top_Row_Before("SNAPSHOT register_end.png"), end_top);
    /* each field took what was typed into it */
    EXPECT_DOUBLE_EQ(Splice_Input.lkom.groups[0].entries[0].M_d, 5.0);
    EXPECT_DOUBLE_EQ(Splice_Input.lkom.groups[0].entries[29].M_d, 6.0);
    EXPECT_DOUBLE_EQ(Splice_Input.lkom.groups[0].entries[59].M_d, 7.0);
}

/* A hint about a wrong entry in a row names the row by the number the table shows ("Nr.") and
** the field, as the system page's hints name their field: combination 734 of group 2 is Nr. 1000 +
** 734 = 1734, its M_d 1.03 + 0.01 x 733 + 10 = 18.36 kNm. */
TEST_F(SheetInput, AHintAboutARowNamesTheRowAndTheField)
{
    Write_Two_Groups("lkom.txt");
    /* Nr. n of group 2 in page row n + 6: scrolled so that Nr. 1734 (page row 1740) is the top
    ** row (base line 108), 1740 rows down: 52 pages of 33 rows and 8 wheel steps of 3 rows */
    std::string pages;
    for (int i = 0; i < 52; i++) pages += "key PgDn\n";
    const std::string s = Import_Two_Groups() + At("move", 600, 600) + pages + Wheel_Steps(-8)
                          + "snapshot row.png\n" + At("click", 130, 104)
                          + "type 1.000,5\nkey Enter\n" + At("click", 1230, 940);
    ASSERT_EQ(Run(nullptr, s), 1);
    EXPECT_EQ(Top_Row_Before("SNAPSHOT row.png"), 1734);
    EXPECT_EQ(Count("PRINT", "HINWEIS: Kombination 1734, M_d: \"1.000,5\" ist keine Zahl: das "
                             "Feld enth\xc3\xa4lt weiter 18.36."),
              1);
    EXPECT_DOUBLE_EQ(Splice_Input.lkom.groups[1].entries[733].M_d, 18.36);
}

/* Without a title file the component's name is the title of the window, the report and its
** PDF. */
TEST_F(SheetInput, TheComponentNameStandsForAMissingTitle)
{
    ASSERT_EQ(
        system(
            ("cp '" + root + "/examples/zugstoss_nagel'/* . && rm zugstoss_nagel_01.txt").c_str()),
        0);
    ASSERT_EQ(Run(nullptr, At("click", 685, 62) + At("click", Icon_X(4), ICON_Y), "zugstoss_nagel"),
              1);
    EXPECT_EQ(Count("TITLE zugstoss_nagel", ""), 1);
    EXPECT_EQ(Count("SHEET 1 0 0 ", "zugstoss_nagel"), 1);
    EXPECT_EQ(Count("MESSAGE", "gedruckt"), 1);
    EXPECT_STREQ(Get_Print_List_Title(), "zugstoss_nagel");
    ASSERT_EQ(system("command -v pdfinfo > /dev/null 2>&1"), 0)
        << "poppler-utils (pdfinfo) not installed";
    ASSERT_EQ(system("pdfinfo zugstoss_nagel_01.oli.pdf > info.txt"), 0);
    FILE *f = fopen("info.txt", "rb");
    ASSERT_NE(f, nullptr);
    char line[256];
    bool titled = false;
    while (fgets(line, sizeof line, f))
        if (strncmp(line, "Title:", 6) == 0) titled = strstr(line, " zugstoss_nagel\n") != nullptr;
    fclose(f);
    EXPECT_TRUE(titled);
}

/* Before any load the length left to the program has not been chosen: the field says so instead
** of showing a number nothing computed. */
TEST_F(SheetInput, ALengthNotYetChosenIsShownOpen)
{
    ASSERT_EQ(Run(nullptr, At("click", 240, 624)), 1);
    EXPECT_GT(Count("TEXT 32 654 ", "(vom Programm gew\xc3\xa4hlt)"), 0);
    EXPECT_GT(Count("TEXT 347 654 ", "noch offen"), 0);
    bool open = false, number_after = false; /* 100.0 only before the click, as the user's value */
    for (const std::string &l : ZW_Test_Log_Lines()) {
        if (l.rfind("TEXT 347 654 ", 0) != 0) continue;
        if (l.find("noch offen") != std::string::npos) open = true;
        else if (open && l.find("100.0") != std::string::npos) number_after = true;
    }
    EXPECT_FALSE(number_after);
}

/* The eight icons answer the codes of their actions, 1 to 8 from the left: the last one, "Ende",
** asks the finish question. */
TEST_F(SheetInput, TheIconsAnswerTheirActionsAndEndAsksToFinish)
{
    const char *tips[8] = {"nationaler Anhang zum EC",
                           "Druckeinstellung",
                           "Vorschau",
                           "drucken",
                           "Pl\x84ne",
                           "sichern",
                           "Hilfe",
                           "Ende"};
    for (int i = 0; i < 8; i++) {
        EXPECT_EQ(Main_Icon_Menu.entries[i].code, i + 1);
        EXPECT_STREQ(Main_Icon_Menu.entries[i].tooltip, tips[i]);
    }
    EXPECT_EQ(MENU_END, 8);
    ASSERT_EQ(Run("zugstoss_nagel", At("click", Icon_X(8), ICON_Y) + Cancel_Finish()), 1);
    EXPECT_EQ(Count("SHEET 2", "BEARBEITUNG BEENDEN"), 1);
}
