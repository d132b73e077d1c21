/*
** Property sheets of the GUI stand-in driven headless by a script: a sheet with a register of
** two pages, a button, a check box, an edit field and a scrollable area; codes, variables, log
** lines and a snapshot.
*/
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/zelkwin.h"
#include "tests/platform/test_zelkwin_scratch.h"

namespace {

int area_paints = 0;
int last_sx = -1, last_sy = -1;

void Paint_List(int first, int sx, int sy, int x1, int y1, int x2, int y2, void *user)
{
    area_paints++;
    last_sx = sx;
    last_sy = sy;
    const char *label = (const char *)user;
    pxFgc(WHITE_CI);
    pxRect(x1, y1, x2, y2);
    pxFgc(BLACK_CI);
    for (int i = 0; i < 40; i++) {
        char row[64];
        snprintf(row, sizeof row, "%s %d", label, i + 1);
        pxText(x1 + 4 - sx, y1 + 14 + i * 18 - sy, row, -1);
    }
}

bool Has_Line(const std::vector<std::string> &log, const std::string &line)
{
    return std::find(log.begin(), log.end(), line) != log.end();
}

int Count_Prefix(const std::vector<std::string> &log, const std::string &prefix)
{
    int n = 0;
    for (auto &l : log)
        if (l.compare(0, prefix.size(), prefix) == 0) n++;
    return n;
}

struct Dialog {
    int reg = 0, button = 0, check = 0, field = 0, area = 0, slider = 0;
};

/* The test dialog: sheet (100,100)-(500,420), register at (110,130) with two pages of 90
** pixels, a button "Berechnen" code 5, a check box, a text field and a list area. */
Dialog Build(int *flag, char *name, int name_size)
{
    Dialog d;
    EXPECT_EQ(Define_Prop_Sheet(100, 100, 500, 420, 1, 1, "Verbindungsmittel", 40, 1), 1);
    d.reg = Add_Register_to_PS(110, 130, 24);
    EXPECT_EQ(Add_Member_to_Register(d.reg, "System", 90, 1000), 0);
    EXPECT_EQ(Add_Member_to_Register(d.reg, "Lasten", 90, 1001), 1);
    d.button = Add_Single_Button_to_PS(120, 380, PS_RASTER(90, 24), "Berechnen", 5);
    d.check = Add_Logical_Button_to_PS(120, 170, 0, 0, flag, 0);
    Add_Aligned_Connected_Text_to_Button_of_PS(d.check,
                                               "Blockscheren pr\x81"
                                               "fen",
                                               0);
    d.field = Add_Edit_Text_to_PS(120, 200, 20, name, name_size, 6);
    d.area = Add_Scrollable_Area_to_PS(/*x1=*/120, /*y1=*/240, /*x2=*/460, /*y2=*/360, /*frame=*/1,
                                       /*code=*/0, /*step_x=*/10, /*step_y=*/18,
                                       /*draw=*/Paint_List, /*user=*/(void *)"Zeile", /*active=*/1);
    d.slider = Add_VSlider_to_Scrollable_Area(d.area, 5, 10, -1, 0);
    Resize_Origin_of_Scrollable_Area_PS(d.area, 341, 40 * 18);
    Add_Single_Button_to_PS(440, 385, SYMBOLIC_OK_RASTER, nullptr, 8);
    Add_Single_Button_to_PS(380, 385, SYMBOLIC_BREAK_RASTER, nullptr, 9);
    Activate_Prop_Sheet();
    return d;
}

} // namespace

TEST(ZelkwinSheet, ScriptedPassesAnswerCodesAndChangeVariables)
{
    ZW_Test_Reset();
    int flag = 0;
    char name[32] = "alt";
    ZW_Test_Set_Script("click 125 175\n" /* the check box: no code, flag set */
                       "click 160 182\n" /* its text clicks it again: flag cleared */
                       "click 125 175\n" /* and set once more */
                       "click 165 392\n" /* Berechnen: 5 */
                       "click 150 210\n" /* the text field: edit */
                       "type Stoß 1\n"
                       "key Enter\n"     /* field changed: 6 */
                       "click 250 140\n" /* second tab: 1001 */
                       "click 150 140\n" /* first tab: 1000 */
                       "wheel -2\n"      /* over nothing: no pass end */
                       "move 200 300\n"
                       "wheel -2\n" /* over the area: scrolls 2 x 3 x 18 pixels */
                       "snapshot "
                       + Scratch("sheet.png")
                       + "\n"
                         "click 455 395\n" /* OK: 8 */
                         "close\n");
    area_paints = 0;
    Dialog d = Build(&flag, name, sizeof name);
    EXPECT_GE(area_paints, 1);
    EXPECT_EQ(last_sy, 0);
    EXPECT_EQ(Edit_Prop_Sheet(), 5);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(Edit_Prop_Sheet(), 6);
    EXPECT_STREQ(name, "Sto\xE1 1");
    EXPECT_EQ(Edit_Prop_Sheet(), 1001);
    EXPECT_EQ(Selected_Member_of_Register(d.reg), 1);
    EXPECT_EQ(Edit_Prop_Sheet(), 1000);
    EXPECT_EQ(Selected_Member_of_Register(d.reg), 0);
    EXPECT_EQ(Edit_Prop_Sheet(), 8);
    int sx = -1, sy = -1;
    Inquire_Scrollable_Area_PS(d.area, &sx, &sy);
    EXPECT_EQ(sx, 0);
    EXPECT_EQ(sy, 108);
    EXPECT_EQ(last_sy, 108);
    /* the window closes: the cancel symbol's code, again and again */
    EXPECT_EQ(Edit_Prop_Sheet(), 9);
    EXPECT_EQ(Edit_Prop_Sheet(), 9);
    EXPECT_EQ(getkeymask(), 1);
    Undefine_Prop_Sheet();
    auto log = ZW_Test_Log_Lines();
    EXPECT_TRUE(Has_Line(log, "SHEET 1 100 100 500 420 Verbindungsmittel"));
    EXPECT_TRUE(Has_Line(log, "EDITTEXT Stoß 1"));
    EXPECT_TRUE(Has_Line(log, "SNAPSHOT " + Scratch("sheet.png")));
    EXPECT_TRUE(Has_Line(log, "UNDEFINE 1"));
    EXPECT_TRUE(Has_Line(log, "CLOSE"));
    EXPECT_EQ(Count_Prefix(log, "EDIT "), 7);
    EXPECT_GE(Count_Prefix(log, "TEXT 124 254 Zeile 1"), 1);
    EXPECT_TRUE(Has_Line(log, "TEXT 110 118 Verbindungsmittel"));
    /* the snapshot is the whole virtual screen */
    cairo_surface_t *png = cairo_image_surface_create_from_png(Scratch("sheet.png").c_str());
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(png), NPIXEL_X);
    EXPECT_EQ(cairo_image_surface_get_height(png), NPIXEL_Y);
    cairo_surface_destroy(png);
}

TEST(ZelkwinSheet, YesNoQuestionInsideAPassAndScreenRestored)
{
    ZW_Test_Reset();
    uint32_t before = ZW_Test_Pixel(300, 300);
    ZW_Test_Set_Script(
        "click 165 392\nanswer no\nclick 165 392\nanswer yes\nclick 165 392\nkey Enter\n");
    int flag = 0;
    char name[8] = "";
    Build(&flag, name, sizeof name);
    int answers[3];
    for (int i = 0; i < 3; i++) {
        ASSERT_EQ(Edit_Prop_Sheet(), 5);
        Init_Message();
        Set_Message_Title("Frage");
        Fill_Message("Eingaben speichern?");
        answers[i] = Answer_is_Yes(i == 2 ? 1 : 0);
    }
    EXPECT_EQ(answers[0], 0);
    EXPECT_EQ(answers[1], 1);
    EXPECT_EQ(answers[2], 1); /* Enter takes the default */
    Undefine_Prop_Sheet();
    EXPECT_EQ(ZW_Test_Pixel(300, 300), before);
    auto log = ZW_Test_Log_Lines();
    EXPECT_EQ(Count_Prefix(log, "QUESTION [Frage] Eingaben speichern?"), 3);
    EXPECT_TRUE(Has_Line(log, "ANSWER no"));
    EXPECT_TRUE(Has_Line(log, "ANSWER yes"));
}

TEST(ZelkwinSheet, EscapeAreaWithMoveEventsReportsMovesKeysAndWheel)
{
    ZW_Test_Reset();
    ZW_Test_Set_Script("move 50 50\nmove 210 210\nkey Esc\nwheel 1\nrclick 220 220\n");
    Define_Prop_Sheet(100, 100, 400, 400, 1, 0, "Bereich", 40, 1);
    int esc = Add_Escape_Area_to_PS(200, 200, 300, 300, 2000);
    Set_Escape_Area_to_MouseMoveEvent(esc, 1);
    Add_Single_Button_to_PS(110, 370, SYMBOLIC_BREAK_RASTER, nullptr, 100);
    Activate_Prop_Sheet();
    EXPECT_EQ(Edit_Prop_Sheet(), 2000); /* the move into the area */
    EXPECT_EQ(Edit_Prop_Sheet(), 2000); /* the key, left pending */
    EXPECT_EQ(hitkey(), 27);
    EXPECT_EQ(getkey(), 27);
    EXPECT_EQ(hitkey(), -1);
    EXPECT_EQ(Edit_Prop_Sheet(), 2000); /* the wheel */
    EXPECT_EQ(M_SCROLL, 1);
    M_SCROLL = 0;
    EXPECT_EQ(Edit_Prop_Sheet(), 2000); /* move of the right click */
    EXPECT_EQ(Edit_Prop_Sheet(), 2000); /* the right press */
    EXPECT_EQ(M_RIGHT, 1);
    EXPECT_EQ(Edit_Prop_Sheet(), 100); /* script over: the cancel button's code */
    Undefine_Prop_Sheet();
}

/* An escape area that takes the keys gets those the sheet does not use wherever the mouse is,
** left pending; Esc keeps its break code and F1 shows the sheet's help. */
TEST(ZelkwinSheet, AnEscapeAreaThatTakesTheKeysGetsThemWhereverTheMouseIs)
{
    ZW_Test_Reset();
    ZW_Test_Set_Script("move 120 120\nkey PgDn\nkey Ctrl+End\nkey Esc\n");
    Define_Prop_Sheet(100, 100, 400, 400, 1, 0, "Bereich", 40, 1);
    int esc = Add_Escape_Area_to_PS(200, 200, 300, 300, 2000);
    Set_Escape_Area_to_MouseMoveEvent(esc, 1);
    Set_Escape_Area_to_KeyEvent(esc, 1);
    Set_Windows_Break_Button(100);
    Activate_Prop_Sheet();
    EXPECT_EQ(Edit_Prop_Sheet(), 2000); /* Page Down, the mouse outside the area */
    EXPECT_EQ(getkey(), KEY_PGDN);
    EXPECT_EQ(Edit_Prop_Sheet(), 2000);
    EXPECT_EQ(getkey(), KEY_CTRL_END);
    EXPECT_EQ(Edit_Prop_Sheet(), 100); /* Esc */
    EXPECT_EQ(hitkey(), -1);
    Undefine_Prop_Sheet();
}

TEST(ZelkwinSheet, InactiveControlsDoNotAnswerAndBreakButtonWins)
{
    ZW_Test_Reset();
    ZW_Test_Set_Script("click 130 130\nkey Enter\nkey Esc\n");
    Define_Prop_Sheet(100, 100, 400, 300, 1, 0, "Aktiv", 40, 1);
    int b = Add_Single_Button_to_PS(120, 120, PS_RASTER(60, 20), "Knopf", 3);
    Add_Single_Button_to_PS(300, 260, SYMBOLIC_OK_RASTER, nullptr, 8);
    Set_Windows_Break_Button(42);
    Set_Windows_OK_Button(43);
    Change_Activity_PS(b, 0);
    EXPECT_EQ(ActivState_of_Button_PS(b), 0);
    Activate_Prop_Sheet();
    EXPECT_EQ(Edit_Prop_Sheet(), 43); /* the click on the inactive button went nowhere */
    EXPECT_EQ(Edit_Prop_Sheet(), 42);
    EXPECT_EQ(Edit_Prop_Sheet(), 42);
    Undefine_Prop_Sheet();
}

TEST(ZelkwinSheet, NestedSheetsStackAndStringListSelects)
{
    ZW_Test_Reset();
    ZW_Test_Set_Script("click 150 160\nclick 360 360\n");
    int sel = -1;
    EXPECT_EQ(Define_Prop_Sheet(50, 50, 600, 500, 1, 0, "Haupt", 40, 1), 1);
    Add_Single_Button_to_PS(350, 350, PS_RASTER(40, 20), "OK", 77);
    Activate_Prop_Sheet();
    EXPECT_EQ(Define_Prop_Sheet(100, 100, 300, 300, 1, 0, "Liste", 40, 1), 2);
    EXPECT_EQ(Prop_Sheet_Level(), 2);
    int list = Add_Stringlist_to_PS(110, 130, 290, 280, &sel, 12);
    EXPECT_EQ(Fill_Stringlist_of_PS(list, "S 235", BLACK_CI), 0);
    EXPECT_EQ(Fill_Stringlist_of_PS(list, "S 355", BLACK_CI), 1);
    EXPECT_EQ(Fill_Stringlist_of_PS(list, "S 460", RED_CI), 2);
    Activate_Prop_Sheet();
    EXPECT_EQ(Edit_Prop_Sheet(), 12);
    EXPECT_EQ(sel, 1); /* rows of 16 pixels from y 132 */
    Truncate_Stringlist_of_PS(list, 1);
    Undefine_Prop_Sheet();
    EXPECT_EQ(Prop_Sheet_Level(), 1);
    EXPECT_EQ(Edit_Prop_Sheet(), 77);
    Undefine_Prop_Sheet();
    EXPECT_EQ(Prop_Sheet_Level(), 0);
}

TEST(ZelkwinSheet, CheckFramesKeepsSheetsOnTheScreen)
{
    ZW_Test_Reset();
    int x1 = -30, y1 = 10, x2 = 170, y2 = 110;
    EXPECT_EQ(Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2), 1);
    EXPECT_EQ(x1, 0);
    EXPECT_EQ(x2, 200);
    EXPECT_EQ(y1, 10);
    x1 = NPIXEL_X - 50;
    x2 = NPIXEL_X + 49;
    y1 = NPIXEL_Y - 10;
    y2 = NPIXEL_Y + 90;
    EXPECT_EQ(Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2), 1);
    EXPECT_EQ(x2, NPIXEL_X - 1);
    EXPECT_EQ(x1, NPIXEL_X - 100);
    EXPECT_EQ(y2, NPIXEL_Y - 1);
    EXPECT_EQ(y1, NPIXEL_Y - 101);
    x1 = 10;
    y1 = 10;
    x2 = 20;
    y2 = 20;
    EXPECT_EQ(Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2), 0);
}

TEST(ZelkwinSheet, FloatFieldWithStepsAndEditing)
{
    ZW_Test_Reset();
    double v = 2.0;
    ZW_Test_Set_Script(
        "click 150 130\ntype 3,25\nkey Enter\nclick 210 125\nclick 210 135\nclick 210 135\n"
        "click 150 130\ntype 3x\nkey Enter\nkey Enter\n");
    Define_Prop_Sheet(100, 100, 400, 300, 1, 0, "Zahl", 40, 1);
    int f = Add_Edit_Float_to_PS(120, 120, 10, "%.2f", &v, 4);
    Add_SingleStep_to_Float(f, 1.0);
    Activate_Prop_Sheet();
    EXPECT_EQ(Edit_Prop_Sheet(), 4);
    EXPECT_DOUBLE_EQ(v, 3.25);
    EXPECT_EQ(Edit_Prop_Sheet(), 4); /* + */
    EXPECT_DOUBLE_EQ(v, 4.25);
    EXPECT_EQ(Edit_Prop_Sheet(), 4); /* - */
    EXPECT_EQ(Edit_Prop_Sheet(), 4); /* - */
    EXPECT_DOUBLE_EQ(v, 2.25);
    /* what is no number is not taken, and told as typed (the letter was dropped unseen); the
    ** field did not change, and the sheet goes on to the end of the script */
    EXPECT_EQ(Edit_Prop_Sheet(), -1);
    EXPECT_DOUBLE_EQ(v, 2.25);
    Undefine_Prop_Sheet();
    EXPECT_TRUE(Has_Line(ZW_Test_Log_Lines(), "EDITFLOAT 3.25"));
    EXPECT_TRUE(Has_Line(ZW_Test_Log_Lines(), "MESSAGE [Hinweis] \"3x\" ist keine Zahl: das Feld "
                                              "enth\xC3\xA4lt weiter 2.25."));
}

TEST(ZelkwinSheet, MovableSheetDraggedByItsTitleCarriesItsControls)
{
    ZW_Test_Reset();
    uint32_t desktop = ZW_Test_Pixel(105, 105);
    ZW_Test_Set_Script("press 150 110\nmove 200 130\nrelease 250 160\nclick 235 205\nclick 2 2\n");
    Define_Prop_Sheet(100, 100, 300, 250, 1, 1, "Verschieben", 40, 1);
    Draw_Funny_Text_to_PS(110, 200, "Text auf dem Blatt", 0, 0);
    Add_Single_Button_to_PS(130, 150, PS_RASTER(60, 20), "Knopf", 4);
    Activate_Prop_Sheet();
    uint32_t title = ZW_Test_Pixel(105, 105);
    EXPECT_NE(title, desktop);
    EXPECT_EQ(Edit_Prop_Sheet(), 4); /* the button, now at (230, 200) */
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    EXPECT_EQ(dx, 100);
    EXPECT_EQ(dy, 50);
    Inquire_Prop_Sheet_Displacement(&dx, &dy);
    EXPECT_EQ(dx * 1000 + dy, 100050);
    EXPECT_EQ(ZW_Test_Pixel(105, 105), desktop); /* the old place is free again */
    EXPECT_EQ(ZW_Test_Pixel(205, 155), title);
    Undefine_Prop_Sheet();
    EXPECT_EQ(ZW_Test_Pixel(205, 155), desktop);
    EXPECT_TRUE(Has_Line(ZW_Test_Log_Lines(), "MOVE 1 100 50"));
    /* not movable: the title does not move */
    ZW_Test_Set_Script("press 150 110\nrelease 250 160\n");
    Define_Prop_Sheet(100, 100, 300, 250, 1, 0, "Fest", 40, 1);
    Activate_Prop_Sheet();
    Edit_Prop_Sheet();
    Prop_Sheet_Displacement(&dx, &dy);
    EXPECT_EQ(dx * 1000 + dy, 0);
    Undefine_Prop_Sheet();
}

TEST(ZelkwinSheet, AreaWithoutCodeLetsPressesThroughToTheEscapeAreaBelow)
{
    ZW_Test_Reset();
    ZW_Test_Set_Script("click 200 200\n");
    Define_Prop_Sheet(100, 100, 400, 400, 1, 0, "Seite", 40, 1);
    Add_Escape_Area_to_PS(110, 130, 390, 390, 2000);
    Add_Scrollable_Area_to_PS(/*x1=*/110, /*y1=*/130, /*x2=*/390, /*y2=*/390, /*frame=*/0,
                              /*code=*/0, /*step_x=*/10, /*step_y=*/10, /*draw=*/Paint_List,
                              /*user=*/(void *)"Zeile", /*active=*/1);
    Activate_Prop_Sheet();
    EXPECT_EQ(Edit_Prop_Sheet(), 2000);
    EXPECT_EQ(M_LEFT, 1);
    Undefine_Prop_Sheet();
}

TEST(ZelkwinSheet, QuickViewOfAPrintListChecksTheFile)
{
    ZW_Test_Reset();
    const std::string oli = Scratch("bauteil_01.oli");
    FILE *f = fopen(oli.c_str(), "w");
    ASSERT_NE(f, nullptr);
    fputs("#CONTENTS\n", f);
    fclose(f);
    EXPECT_EQ(Quick_OLI_View(".", oli.c_str()), 1);
    EXPECT_EQ(Quick_OLI_View(".", "fehlt_01.oli"), 0);
    EXPECT_TRUE(Has_Line(ZW_Test_Log_Lines(), "OLI-View " + oli));
    EXPECT_TRUE(Has_Line(ZW_Test_Log_Lines(), "OLI-View ./fehlt_01.oli"));
}

TEST(ZelkwinSheet, ScriptAndLogFilesNamedByTheEnvironment)
{
    const std::string script = Scratch("start.script"), logname = Scratch("start.log"),
                      png = Scratch("start.png");
    FILE *f = fopen(script.c_str(), "w");
    ASSERT_NE(f, nullptr);
    fputs(("# a script as the program gets it\nclick 120 120\nsnapshot " + png + "\nkey Esc\n")
              .c_str(),
          f);
    fclose(f);
    remove(logname.c_str());
    setenv("SPLICE_GUI_SCRIPT", script.c_str(), 1);
    setenv("SPLICE_GUI_LOG", logname.c_str(), 1);
    ZW_Test_Start_From_Environment();
    unsetenv("SPLICE_GUI_SCRIPT");
    unsetenv("SPLICE_GUI_LOG");
    EXPECT_EQ(VEL_Is_Headless(), 1);
    Define_Prop_Sheet(100, 100, 300, 200, 1, 0, "Start", 40, 1);
    Add_Single_Button_to_PS(110, 110, PS_RASTER(40, 20), "Los", 3);
    Add_Single_Button_to_PS(200, 170, SYMBOLIC_BREAK_RASTER, nullptr, 7);
    Activate_Prop_Sheet();
    EXPECT_EQ(Edit_Prop_Sheet(), 3);
    EXPECT_EQ(Edit_Prop_Sheet(), 7);
    Undefine_Prop_Sheet();
    std::vector<std::string> lines;
    FILE *log = fopen(logname.c_str(), "r");
    ASSERT_NE(log, nullptr);
    char buf[512];
    while (fgets(buf, sizeof buf, log)) lines.push_back(std::string(buf, strcspn(buf, "\n")));
    fclose(log);
    EXPECT_EQ(lines, ZW_Test_Log_Lines());
    EXPECT_TRUE(Has_Line(lines, "SHEET 1 100 100 300 200 Start"));
    int los = 0;
    for (auto &l : lines)
        if (l.compare(0, 5, "TEXT ") == 0 && l.size() > 4
            && l.compare(l.size() - 4, 4, " Los") == 0)
            los++;
    EXPECT_GE(los, 1);
    EXPECT_TRUE(Has_Line(lines, "EDIT 3"));
    EXPECT_TRUE(Has_Line(lines, "SNAPSHOT " + png));
    EXPECT_TRUE(Has_Line(lines, "EDIT 7"));
    ZW_Test_Reset();
}

TEST(ZelkwinSheet, CommentsShowAsHintsWhileTheMouseRests)
{
    ZW_Test_Reset();
    ZW_Test_Set_Script("move 130 130\nmove 250 250\nmove 131 131\nclick 131 131\n");
    Define_Prop_Sheet(100, 100, 400, 400, 1, 0, "Hinweise", 40, 1);
    int b = Add_Single_Button_to_PS(120, 120, SYMBOLIC_OK_RASTER, nullptr, 8);
    Set_Comment_to_Button_PS(b, "best\x84tigen\nund weiter");
    Activate_Prop_Sheet();
    uint32_t below = ZW_Test_Pixel(140, 160);
    EXPECT_EQ(Edit_Prop_Sheet(), 8);
    auto log = ZW_Test_Log_Lines();
    EXPECT_TRUE(Has_Line(log, "TEXT 135 164 bestätigen"));
    EXPECT_TRUE(Has_Line(log, "TEXT 135 179 und weiter"));
    EXPECT_EQ(Count_Prefix(log, "TEXT 136 165 bestätigen"), 1); /* shown again after leaving */
    EXPECT_EQ(ZW_Test_Pixel(140, 160), below);                  /* and gone with the pass */
    Undefine_Prop_Sheet();
}

TEST(ZelkwinSheet, ActivityDecidesWhetherAnAreaIsPainted)
{
    ZW_Test_Reset();
    Define_Prop_Sheet(100, 100, 400, 400, 1, 0, "Aktivit\x84t", 40, 1);
    area_paints = 0;
    int a = Add_Scrollable_Area_to_PS(/*x1=*/110, /*y1=*/130, /*x2=*/380, /*y2=*/380, /*frame=*/1,
                                      /*code=*/0, /*step_x=*/10, /*step_y=*/10, /*draw=*/Paint_List,
                                      /*user=*/(void *)"Zeile", /*active=*/0);
    Activate_Prop_Sheet();
    EXPECT_EQ(area_paints, 0);
    Change_Activity_PS(a, 1);
    EXPECT_EQ(area_paints, 1);
    EXPECT_EQ(ActivState_of_Button_PS(a), 1);
    Set_Scrollable_Area_PS(a, 0, 5000); /* clamped to the content: nothing to scroll */
    EXPECT_EQ(area_paints, 2);
    EXPECT_EQ(last_sy, 0);
    Change_Activity_PS(a, -1);
    EXPECT_EQ(ActivState_of_Button_PS(a), -1);
    Set_Scrollable_Area_PS(a, 0, 0);
    EXPECT_EQ(area_paints, 2);
    Undefine_Prop_Sheet();
}

TEST(ZelkwinSheet, CloseRequestIsOneEventTheScriptEndClosesForGood)
{
    ZW_Test_Reset();
    static int closes = 0;
    closes = 0;
    VELSetCloseCallback([] { closes++; });
    ZW_Test_Set_Script("close\nclick 120 120\n");
    Define_Prop_Sheet(100, 100, 300, 200, 1, 0, "Schliessen", 40, 1);
    Add_Single_Button_to_PS(110, 110, PS_RASTER(40, 20), "Los", 3);
    Add_Single_Button_to_PS(200, 170, SYMBOLIC_BREAK_RASTER, nullptr, 7);
    Activate_Prop_Sheet();
    EXPECT_EQ(Edit_Prop_Sheet(), 7); /* the close request: the cancel code, once */
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(getkeymask(), 0);
    EXPECT_EQ(Edit_Prop_Sheet(), 3); /* the program went on: the next click counts */
    EXPECT_EQ(Edit_Prop_Sheet(), 7); /* the script is over */
    EXPECT_EQ(getkeymask(), 1);
    EXPECT_EQ(Edit_Prop_Sheet(), 7);
    EXPECT_EQ(closes, 2);
    Undefine_Prop_Sheet();
    VELSetCloseCallback(nullptr);
    auto log = ZW_Test_Log_Lines();
    EXPECT_EQ(Count_Prefix(log, "CLOSED"), 1);
    EXPECT_EQ(Count_Prefix(log, "CLOSE"), 2);
}

TEST(ZelkwinSheet, ButtonLooksHighlightedPressedAndPlain)
{
    ZW_Test_Reset();
    Define_Prop_Sheet(100, 100, 300, 200, 1, 0, "Knopf", 40, 1);
    int b = Add_Single_Button_to_PS(120, 120, PS_RASTER(60, 24), "OK", 1);
    Activate_Prop_Sheet();
    uint32_t plain = ZW_Test_Pixel(122, 130);
    Snap_Colored_Layout_of_Single_Button(b);
    EXPECT_EQ(ZW_Test_Pixel(122, 130), 0x005493u); /* the highlight frame, 2 pixels inside */
    Change_Action_State_PS(b, 1);
    uint32_t pressed_edge = ZW_Test_Pixel(120, 130);
    Reset_Button_Frame(b);
    EXPECT_EQ(ZW_Test_Pixel(122, 130), plain);
    EXPECT_NE(ZW_Test_Pixel(120, 130), pressed_edge); /* released: the light edge again */
    EXPECT_EQ(ZW_Test_Pixel(120, 130), 0xFFFFFFu);
    Undefine_Prop_Sheet();
}

TEST(ZelkwinSheet, LookOfTheTestDialogMatchesItsGoldenPicture)
{
    ZW_Test_Reset();
    int flag = 1;
    char name[32] = "Sto\xE1 1";
    Build(&flag, name, sizeof name);
    ASSERT_EQ(VEL_Snapshot(Scratch("look.png").c_str()), 1);
    Undefine_Prop_Sheet();
    struct Png {
        cairo_surface_t *s;
        ~Png() { cairo_surface_destroy(s); }
    } now_png{cairo_image_surface_create_from_png(Scratch("look.png").c_str())},
        gold_png{cairo_image_surface_create_from_png(SPLICE_GOLDEN_DIR "/platform/sheet.png")};
    cairo_surface_t *now = now_png.s, *gold = gold_png.s;
    ASSERT_EQ(cairo_surface_status(gold), CAIRO_STATUS_SUCCESS);
    ASSERT_EQ(cairo_image_surface_get_width(gold), cairo_image_surface_get_width(now));
    ASSERT_EQ(cairo_image_surface_get_height(gold), cairo_image_surface_get_height(now));
    int w = cairo_image_surface_get_width(now), h = cairo_image_surface_get_height(now);
    const uint32_t *a = (const uint32_t *)cairo_image_surface_get_data(now);
    const uint32_t *b = (const uint32_t *)cairo_image_surface_get_data(gold);
    int sa = cairo_image_surface_get_stride(now) / 4, sb = cairo_image_surface_get_stride(gold) / 4;
    long differ = 0;
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            if ((a[y * sa + x] & 0xFFFFFF) != (b[y * sb + x] & 0xFFFFFF)) differ++;
    /* frames, buttons and fields exactly; a little room for the anti-aliased glyphs of another
  ** font build */
    EXPECT_LT(differ, 400) << "pixels differing from the golden picture";
}

TEST(ZelkwinSheet, WheelSwitchedOffIsIgnored)
{
    ZW_Test_Reset();
    ZW_Test_Set_Script("wheel 2\nclick 120 370\n");
    Define_Prop_Sheet(100, 100, 400, 400, 1, 0, "Rad", 40, 1);
    int esc = Add_Escape_Area_to_PS(150, 150, 300, 300, 2000);
    Set_Escape_Area_to_MouseMoveEvent(esc, 1);
    msStCu(200, 200); /* in the area: with the wheel on, a wheel step would end the pass */
    Add_Single_Button_to_PS(110, 360, PS_RASTER(40, 20), "OK", 5);
    Activate_Prop_Sheet();
    Set_MouseWheel_Activity(0);
    M_SCROLL = 0;
    EXPECT_EQ(Edit_Prop_Sheet(), 5);
    EXPECT_EQ(M_SCROLL, 0);
    Set_MouseWheel_Activity(1);
    ZW_Test_Set_Script("wheel -1\n");
    msStCu(200, 200);
    EXPECT_EQ(Edit_Prop_Sheet(), 2000);
    EXPECT_EQ(M_SCROLL, -1);
    M_SCROLL = 0;
    Undefine_Prop_Sheet();
}

TEST(ZelkwinSheet, ButtonTextsWithLineFeedsStandOnSeveralLines)
{
    ZW_Test_Reset();
    Define_Prop_Sheet(100, 100, 400, 400, 1, 0, "Zeilen", 40, 1);
    Add_Single_Button_to_PS(120, 120, 0, "einen neuen\nNachweis erzeugen", 1);
    Activate_Prop_Sheet();
    int y1 = -1, y2 = -1;
    for (auto &l : ZW_Test_Log_Lines()) {
        int x, y;
        char t[64];
        if (sscanf(l.c_str(), "TEXT %d %d %63[^\n]", &x, &y, t) == 3) {
            if (!strcmp(t, "einen neuen")) y1 = y;
            if (!strcmp(t, "Nachweis erzeugen")) y2 = y;
        }
    }
    EXPECT_GT(y1, 120);
    EXPECT_EQ(y2 - y1, 14); /* one line height of the normal font further down */
    EXPECT_LT(y2, 120 + 22 + 14);
    Undefine_Prop_Sheet();
}

/* Without a log asked for (the program without SPLICE_GUI_LOG) no drawn text is kept; the log
** file still gets every line when it is asked for. */
TEST(ZelkwinLog, LinesAreKeptOnlyWhenALogIsAsked)
{
    ZW_Test_Reset();
    ZW_Test_Keep_Log(0);
    Define_Prop_Sheet(100, 100, 300, 200, 1, 0, "Ohne", 40, 1);
    Activate_Prop_Sheet();
    pxText(120, 150, "unbeobachtet", -1);
    EXPECT_TRUE(ZW_Test_Log_Lines().empty());
    Undefine_Prop_Sheet();

    const std::string logname = Scratch("keep.log");
    remove(logname.c_str());
    setenv("SPLICE_GUI_LOG", logname.c_str(), 1);
    ZW_Test_Start_From_Environment();
    unsetenv("SPLICE_GUI_LOG");
    ZW_Test_Keep_Log(0);
    pxText(120, 150, "in die Datei", -1);
    EXPECT_TRUE(ZW_Test_Log_Lines().empty());
    ZW_Test_Keep_Log(1);
    pxText(120, 170, "in beide", -1);
    ZW_Test_Reset(); /* closes the file */
    std::vector<std::string> lines;
    FILE *log = fopen(logname.c_str(), "r");
    ASSERT_NE(log, nullptr);
    char buf[512];
    while (fgets(buf, sizeof buf, log)) lines.push_back(std::string(buf, strcspn(buf, "\n")));
    fclose(log);
    remove(logname.c_str());
    EXPECT_TRUE(Has_Line(lines, "TEXT 120 150 in die Datei"));
    EXPECT_TRUE(Has_Line(lines, "TEXT 120 170 in beide"));
    EXPECT_EQ(ZW_Test_Log_Lines().size(), 0u); /* the reset cleared the kept lines */
}

/* An inactive edit field: grey text on the face (0), black on the face (-1), black on the
** background colour (-2, a computed value); active: white. */
TEST(ZelkwinSheet, InactiveFieldLooks)
{
    ZW_Test_Reset();
    Define_Prop_Sheet(0, 0, 400, 300, 1, 0, "Felder", 40, 1);
    static double v[4] = {1.5, 2.5, 3.5, 4.5};
    int f[4];
    for (int i = 0; i < 4; i++) f[i] = Add_Edit_Float_to_PS(20, 60 + 30 * i, 6, "%6.2f", &v[i], 0);
    Activate_Prop_Sheet();
    const int state[4] = {1, 0, -1, -2};
    for (int i = 0; i < 4; i++) Change_Activity_PS(f[i], state[i]);
    const uint32_t fill[4] = {0xFFFFFF, 0xD4D0C8, 0xD4D0C8, 0xECE9D8};
    for (int i = 0; i < 4; i++) {
        const int y = 60 + 30 * i;
        EXPECT_EQ(ZW_Test_Pixel(22, y + 3), fill[i]) << i; /* inside the box, left of the text */
        const int dark = ZW_Test_Count_Colour(21, y + 2, 60, y + 17, 0x000000);
        if (i == 1) EXPECT_EQ(dark, 0) << i;
        else EXPECT_GT(dark, 0) << i;
    }
    Undefine_Prop_Sheet();
}

namespace {

/* What a scrollable area and a bitmap button did in one scripted pass: the area's paints, the
** rectangle, handle and user pointer its draw function got, its scroll position after a wheel
** step, the codes of a click into each, and the pixels of the sheet. */
struct Twin_Pass {
    int paints = 0, first = 0, x1 = 0, y1 = 0, x2 = 0, y2 = 0, sy = -1;
    bool first_is_handle = false; /* handles count on from pass to pass */
    void *user = nullptr;
    int area_code = 0, button_code = 0;
    std::vector<uint32_t> pixels;
    bool operator==(const Twin_Pass &) const = default;
};

Twin_Pass *Twin = nullptr;

void Record_Draw(int first, int sx, int sy, int x1, int y1, int x2, int y2, void *user)
{
    Twin->paints++;
    Twin->first = first;
    Twin->x1 = x1;
    Twin->y1 = y1;
    Twin->x2 = x2;
    Twin->y2 = y2;
    Twin->user = user;
    Twin->sy = sy;
    (void)sx;
    pxFgc(WHITE_CI);
    pxRect(x1, y1, x2, y2);
}

/* The same sheet built with the positional calls or with the records. */
Twin_Pass Twin_Sheet(bool records)
{
    static char tag[] = "Liste";
    Twin_Pass t;
    Twin = &t;
    ZW_Test_Reset();
    setenv("SPLICE_PRIVATE_DATA", SPLICE_SOURCE_DIR "/environment/exec/splice", 1);
    ZW_Test_Set_Script("move 200 200\nwheel -1\nclick 200 200\nclick 130 370\n");
    Define_Prop_Sheet(100, 100, 400, 420, 1, 0, "Zwilling", 40, 1);
    int area, b;
    if (records) {
        area = Add_Scrollable_Area_to_PS(PS_Scrollable_Area{.x1 = 120,
                                                            .y1 = 140,
                                                            .x2 = 300,
                                                            .y2 = 260,
                                                            .frame = 0,
                                                            .code = 77,
                                                            .step_x = 7,
                                                            .step_y = 11,
                                                            .draw = Record_Draw,
                                                            .user = tag,
                                                            .active = 1});
        b = Add_Bitmap_Button_to_PS(PS_Bitmap_Button{.x = 120,
                                                     .y = 360,
                                                     .w = 40,
                                                     .h = 20,
                                                     .file = "Buttons.bmp",
                                                     .sx = 0,
                                                     .sy = 60,
                                                     .r = 212,
                                                     .g = 208,
                                                     .b = 200,
                                                     .code = 3});
    } else {
        area = Add_Scrollable_Area_to_PS(
            /*x1=*/120, /*y1=*/140, /*x2=*/300, /*y2=*/260, /*frame=*/0, /*code=*/77,
            /*step_x=*/7, /*step_y=*/11, /*draw=*/Record_Draw, /*user=*/tag, /*active=*/1);
        b = Add_Bitmap_Button_to_PS(/*x=*/120, /*y=*/360, /*w=*/40, /*h=*/20,
                                    /*file=*/"Buttons.bmp", /*sx=*/0, /*sy=*/60, /*r=*/212,
                                    /*g=*/208, /*b=*/200, /*code=*/3);
    }
    EXPECT_GT(b, 0);
    Add_VSlider_to_Scrollable_Area(area, 5, 10, -1, 0);
    Resize_Origin_of_Scrollable_Area_PS(area, 181, 1000);
    Activate_Prop_Sheet();
    t.area_code = Edit_Prop_Sheet();
    t.button_code = Edit_Prop_Sheet();
    t.first_is_handle = t.first == area;
    t.first = 0;
    for (int y = 100; y <= 420; y += 2)
        for (int x = 100; x <= 400; x += 2) t.pixels.push_back(ZW_Test_Pixel(x, y));
    Undefine_Prop_Sheet();
    unsetenv("SPLICE_PRIVATE_DATA");
    Twin = nullptr;
    return t;
}

} // namespace

TEST(ZelkwinSheet, RecordsCreateTheSameAreaAndButtonAsThePositionalCalls)
{
    const Twin_Pass positional = Twin_Sheet(false), records = Twin_Sheet(true);
    EXPECT_TRUE(records == positional);
    /* and what the fields ask for: painted at once into its rectangle with its handle and user
    ** pointer, one wheel step scrolls 3 x step_y = 33 pixels, a click answers each code */
    EXPECT_GE(records.paints, 2);
    EXPECT_TRUE(records.first_is_handle);
    EXPECT_EQ(records.x1 * 1000 + records.y1, 120140); /* its rectangle */
    EXPECT_EQ(records.x2 * 1000 + records.y2, 300260);
    EXPECT_EQ(records.user, positional.user);
    EXPECT_NE(records.user, nullptr);
    EXPECT_EQ(records.sy, 33);
    EXPECT_EQ(records.area_code, 77);
    EXPECT_EQ(records.button_code, 3);
}
