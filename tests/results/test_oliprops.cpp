/*
** The print-settings sheet driven headless by scripts: it opens centred on the screen, confirm
** writes the switches, the two choices and the six plot sizes back, cancel leaves everything
** as it was (plot sizes included), bit 1 is carried through, remarks are counted by lines.
*/
#include "results_test_util.h"

#include <string>
#include <vector>

#include "dialogs/dialogs.h"
#include "platform/zelkwin.h"
#include "results/print_list.h"

/* Screen point of a content point of the page (default screen 1280 x 960: the sheet spans
** (455, 210)-(824, 749), its view area starts at (465, 252)). */
static std::string Click_Item(int x, int y)
{
    return "click " + std::to_string(465 + x - 15) + " " + std::to_string(252 + y - 4) + "\n";
}

static const std::string Confirm = "click 790 728\n";
static const std::string Cancel = "click 475 728\n";

static void Settings_Start(void)
{
    ZW_Test_Reset();
    Fresh_Splice(true);
    Print_Settings *ps = &Splice_Input.print;
    ps->fasteners = 0;
    ps->combinations = 0;
    ps->sections = PRINT_SEC_PLOT_VIEW | PRINT_SEC_BIT1 | 0x40u | 0x100u;
    ps->view_w = 10.0;
    ps->view_h = 8.0;
    ps->long_w = 11.0;
    ps->long_h = 7.0;
    ps->cross_w = 9.0;
    ps->cross_h = 6.0;
}

/* The script: every check box of the page clicked once, both "all" choices, the view width. */
static std::string Change_Everything(void)
{
    return Click_Item(45, 65) + Click_Item(45, 85) + Click_Item(45, 105) + Click_Item(45, 150)
           + Click_Item(45, 195) + Click_Item(45, 305) + Click_Item(45, 350)
           + Click_Item(45, 420)
           /* the length field is active now: 12.5 into its width, the height left with Esc */
           + "click 565 418\nmove 565 418\ntype 12.5\nkey Enter\nkey Esc\n";
}

TEST(PrintSettings, OpensCentredAndConfirmWritesBack)
{
    Settings_Start();
    ZW_Test_Set_Script(Change_Everything() + Confirm);
    EXPECT_EQ(Run_Print_Settings_Sheet(), 0);
    const std::vector<std::string> log = ZW_Test_Log_Lines();
    bool centred = false;
    for (const std::string &l : log)
        if (l == "SHEET 1 455 210 824 749 Druckeinstellungen") centred = true;
    std::string all;
    for (const std::string &l : log) all += l + "\n";
    EXPECT_TRUE(centred) << all;
    const Print_Settings *ps = &Splice_Input.print;
    EXPECT_EQ(ps->combinations, 1);
    EXPECT_EQ(ps->fasteners, 1);
    /* bits 0, 3, 4, 5, 7 switched on, 2 off; 1 carried; 6 and 8 untouched */
    EXPECT_EQ(ps->sections, 0x1u | 0x2u | 0x8u | 0x10u | 0x20u | 0x80u | 0x40u | 0x100u) << all;
    EXPECT_DOUBLE_EQ(ps->long_w, 12.5) << all;
    EXPECT_DOUBLE_EQ(ps->long_h, 7.0);
    EXPECT_DOUBLE_EQ(ps->view_w, 10.0);
    EXPECT_DOUBLE_EQ(ps->cross_h, 6.0);
    EXPECT_EQ(Prop_Sheet_Level(), 0);
}

TEST(PrintSettings, CancelLeavesSwitchesAndSizes)
{
    Settings_Start();
    Splice_Input.Vorbemerkungen_Text = strdup("Zeile 1\nZeile 2\n");
    const Print_Settings before = Splice_Input.print;
    ZW_Test_Set_Script(Change_Everything() + Cancel);
    EXPECT_EQ(Run_Print_Settings_Sheet(), 0);
    const Print_Settings *ps = &Splice_Input.print;
    EXPECT_EQ(ps->sections, before.sections);
    EXPECT_EQ(ps->combinations, before.combinations);
    EXPECT_EQ(ps->fasteners, before.fasteners);
    /* the edited size is not kept either */
    EXPECT_DOUBLE_EQ(ps->long_w, 11.0);
    EXPECT_DOUBLE_EQ(ps->view_w, before.view_w);
    ASSERT_NE(Splice_Input.Vorbemerkungen_Text, nullptr);
    EXPECT_STREQ(Splice_Input.Vorbemerkungen_Text, "Zeile 1\nZeile 2\n");

    /* the page counted the two lines of the remarks (the closing line feed opens none) */
    bool lines = false;
    for (const std::string &l : ZW_Test_Log_Lines())
        if (l.find("(2 Zeilen)") != std::string::npos) lines = true;
    EXPECT_TRUE(lines);

    /* the sheet opens where it was left; closing the window cancels */
    ZW_Test_Set_Script(Click_Item(45, 65) + "close\n");
    EXPECT_EQ(Run_Print_Settings_Sheet(), 0);
    EXPECT_EQ(Splice_Input.print.sections, before.sections);
}

TEST(PrintSettings, ConfirmWithoutChangesKeepsEverything)
{
    Settings_Start();
    Splice_Input.print.sections = 0xFFFFFFFFu;
    Splice_Input.Vorbemerkungen_Text = strdup("Kurz");
    ZW_Test_Set_Script(Confirm);
    EXPECT_EQ(Run_Print_Settings_Sheet(), 0);
    EXPECT_EQ(Splice_Input.print.sections, 0xFFFFFFFFu);
    /* a remark of four characters is kept */
    ASSERT_NE(Splice_Input.Vorbemerkungen_Text, nullptr);
    EXPECT_STREQ(Splice_Input.Vorbemerkungen_Text, "Kurz");
}

TEST(PrintSettings, ShortRemarksFromTheEditorAreKept)
{
    Settings_Start();
    /* the hot spot "Vorbemerkungen" opens the comment editor (600 x 400 around the centre):
    ** a click into its text, four characters and one click on "bestätigen" */
    const int x1 = 640 - 300 + 4, y1 = 480 - 200 + 37;
    const int bx = x1 + 592 - 120 + 80 + 18, by = y1 + 70 + 18;
    const std::string editor = "click " + std::to_string(x1 + 200) + " " + std::to_string(y1 + 200)
                               + "\ntype Kurz\nclick " + std::to_string(bx) + " "
                               + std::to_string(by) + "\n";
    ZW_Test_Set_Script("click 495 294\n" + editor + Confirm);
    EXPECT_EQ(Run_Print_Settings_Sheet(), 0);
    ASSERT_NE(Splice_Input.Vorbemerkungen_Text, nullptr);
    EXPECT_STREQ(Splice_Input.Vorbemerkungen_Text, "Kurz");
    bool counted = false;
    for (const std::string &l : ZW_Test_Log_Lines())
        if (l.find("(1 Zeile)") != std::string::npos) counted = true;
    EXPECT_TRUE(counted);

    /* six blanks are no remarks, though longer than four characters */
    Settings_Start();
    ZW_Test_Set_Script("click 495 294\n" + std::string("click ") + std::to_string(x1 + 200) + " "
                       + std::to_string(y1 + 200)
                       + "\nkey Space Space Space Space Space Space\nclick " + std::to_string(bx)
                       + " " + std::to_string(by) + "\n" + Confirm);
    EXPECT_EQ(Run_Print_Settings_Sheet(), 0);
    EXPECT_EQ(Splice_Input.Vorbemerkungen_Text, nullptr);
}

TEST(PrintSettings, ConfirmWritesAllSixPlotSizes)
{
    Settings_Start();
    Splice_Input.print.sections = PRINT_SEC_PLOT_VIEW | PRINT_SEC_PLOT_LONG | PRINT_SEC_PLOT_CROSS;
    /* the view width field, then Enter moves on through the five other size fields */
    ZW_Test_Set_Script(
        "click 565 373\nmove 565 373\ntype 21\nkey Enter\ntype 22\nkey Enter\n"
        "type 23\nkey Enter\ntype 24\nkey Enter\ntype 25\nkey Enter\ntype 26\nkey Enter\n"
        + Confirm);
    EXPECT_EQ(Run_Print_Settings_Sheet(), 0);
    const Print_Settings *ps = &Splice_Input.print;
    EXPECT_DOUBLE_EQ(ps->view_w, 21.0);
    EXPECT_DOUBLE_EQ(ps->view_h, 22.0);
    EXPECT_DOUBLE_EQ(ps->long_w, 23.0);
    EXPECT_DOUBLE_EQ(ps->long_h, 24.0);
    EXPECT_DOUBLE_EQ(ps->cross_w, 25.0);
    EXPECT_DOUBLE_EQ(ps->cross_h, 26.0);
    EXPECT_EQ(ps->sections, PRINT_SEC_PLOT_VIEW | PRINT_SEC_PLOT_LONG | PRINT_SEC_PLOT_CROSS);
}

TEST(PrintSettings, PageSnapshot)
{
    Settings_Start();
    Splice_Input.print.sections = PRINT_SEC_PLOT_VIEW | PRINT_SEC_COORDINATES;
    ZW_Test_Set_Script("snapshot print_settings.png\n" + Cancel);
    EXPECT_EQ(Run_Print_Settings_Sheet(), 0);
    /* the three rows of plot sizes and the line count of the remarks are on the page */
    int sizes = 0;
    bool lines = false;
    for (const std::string &l : ZW_Test_Log_Lines()) {
        if (l.find("Breite:") != std::string::npos) sizes++;
        if (l.find("(0 Zeilen)") != std::string::npos) lines = true;
    }
    EXPECT_GE(sizes, 3);
    EXPECT_TRUE(lines);
    FILE *png = fopen("print_settings.png", "rb");
    EXPECT_NE(png, nullptr);
    if (png) fclose(png);
}

/* The texts of the page stand clear of each other: "(n Zeilen)" after "Vorbemerkungen", each size
** field's frame (7 pixels left of its text) after the colon of its label, the unit after the
** field. Page y of the rows: 45 and 125 on the screen 252 + y. */
TEST(PrintSettings, NoTextHidesAnother)
{
    Settings_Start();
    Splice_Input.Vorbemerkungen_Text = strdup("eine Zeile");
    ZW_Test_Set_Script(Cancel);
    EXPECT_EQ(Run_Print_Settings_Sheet(), 0);
    struct Drawn {
        int x;
        std::string text;
    };
    auto row = [](int y) {
        std::vector<Drawn> out;
        const std::string head = "TEXT ";
        for (const std::string &l : ZW_Test_Log_Lines()) {
            int x = 0, ly = 0, n = 0;
            if (l.rfind(head, 0) != 0 || sscanf(l.c_str(), "TEXT %d %d %n", &x, &ly, &n) != 2
                || ly != y)
                continue;
            bool seen = false; /* the page is drawn more than once */
            for (const Drawn &d : out) seen = seen || (d.x == x && d.text == l.substr((size_t)n));
            if (!seen) out.push_back({x, l.substr((size_t)n)});
        }
        return out;
    };
    std::vector<Drawn> top = row(252 + 45);
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0].text, "Vorbemerkungen");
    EXPECT_EQ(top[1].text, "(1 Zeile)");
    EXPECT_GT(top[1].x, top[0].x + SVA_Text_Width_In_Font("Vorbemerkungen", 0x1000));
    std::vector<Drawn> sizes = row(252 + 125);
    ASSERT_EQ(sizes.size(), 6u); /* Breite:, its value, cm, Höhe:, its value, cm */
    for (int k = 0; k < 6; k++) {
        if (k == 0 || k == 3) { EXPECT_EQ(sizes[k].text, k == 0 ? "Breite:" : "Höhe:"); }
        if (k % 3 == 2) { EXPECT_EQ(sizes[k].text, "cm"); }
    }
    for (int k : {0, 3}) {
        std::string label = k == 0 ? "Breite:" : "H\x94he:";
        EXPECT_GT(sizes[k + 1].x - 7, sizes[k].x + SVA_Text_Width_In_Font(label.c_str(), 0x1000))
            << k;
        EXPECT_GT(sizes[k + 2].x, sizes[k + 1].x + SVA_Text_Width_In_Font(" 10.0", 0x1000) + 7)
            << k;
    }
}
