/*
** Events of the GUI stand-in: the script reader, keys, mouse globals, VEL messages with
** time-outs, mouse restriction, message boxes, in-place editors, pop-up menus and help.
*/
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <SDL.h>

#include "platform/zelkwin.h"
#include "tests/platform/test_zelkwin_scratch.h"
#include "tests/platform/gui_log.h"

namespace {

bool Has_Prefix(const std::string &prefix)
{
    for (auto &l : ZW_Test_Log_Lines())
        if (l.compare(0, prefix.size(), prefix) == 0) return true;
    return false;
}

} // namespace

TEST(ZelkwinInput, ScriptKeysTypedTextAndBadLines)
{
    ZW_Test_Reset();
    ZW_Test_Set_Script("type äb\nkey F1 Esc #65 Down\njump 1 2\nkey Nonsense\n");
    EXPECT_EQ(ZW_Test_Pending_Events(), 6);
    EXPECT_TRUE(Has_Line("SCRIPT BAD test:3 jump 1 2"));
    EXPECT_TRUE(Has_Line("SCRIPT BAD test:4 key Nonsense"));
    EXPECT_EQ(hitkey(), 0x84); /* ä in code page 850 */
    EXPECT_EQ(hitkey(), 0x84);
    EXPECT_EQ(getkey(), 0x84);
    EXPECT_EQ(getkey(), 'b');
    EXPECT_EQ(getkey(), KEY_F1);
    EXPECT_EQ(getkey(), 27);
    EXPECT_EQ(getkey(), 65);
    EXPECT_EQ(getkey(), KEY_DOWN);
    EXPECT_EQ(hitkey(), -1);
    EXPECT_EQ(getkeymask(), 0);
    EXPECT_EQ(getkey(), -1); /* nothing left: the window is closed */
    EXPECT_EQ(getkeymask(), 1);
}

TEST(ZelkwinInput, MouseEventsAndRestriction)
{
    ZW_Test_Reset();
    ZW_Test_Set_Script(
        "press 30 40\nmove 35 45\nrelease 36 46\nwheel -3\nmove 50 300\nmove 50 300\n");
    EXPECT_EQ(Get_Mouse_Event(), VELMSG_MOVE);
    EXPECT_EQ(Get_Mouse_Event(), VELMSG_LBUTTON);
    EXPECT_EQ(M_LEFT, 1);
    EXPECT_EQ(M_XPOS, 30);
    int moves = 0;
    while (M_LEFT) {
        Get_Mouse_Event();
        moves++;
    }
    EXPECT_EQ(moves, 3); /* the move to 35/45, the move to the release point, the release */
    EXPECT_EQ(M_XPOS * 1000 + M_YPOS, 36046);
    EXPECT_EQ(Get_Mouse_Event(), VELMSG_WHEEL);
    EXPECT_EQ(M_SCROLL, -3);
    M_SCROLL = 0;
    Pop_Mouse_Move_Restriction(100, 100, 200, 200);
    Get_Mouse_Event();
    EXPECT_EQ(M_XPOS * 1000 + M_YPOS, 100200);
    Push_Mouse_Move_Restriction();
    Get_Mouse_Event();
    EXPECT_EQ(M_XPOS * 1000 + M_YPOS, 50300);
    msStCu(7, 8);
    EXPECT_EQ(M_XPOS * 1000 + M_YPOS, 7008);
    /* the script is over: a close, buttons released */
    M_LEFT = 1;
    EXPECT_EQ(Get_Mouse_Event(), VELMSG_CLOSE);
    EXPECT_EQ(M_LEFT, 0);
    EXPECT_EQ(M_XPOS * 1000 + M_YPOS, 7008); /* the pointer stays */
}

TEST(ZelkwinInput, VelMessagesByClassAndTimeOut)
{
    ZW_Test_Reset();
    ZW_Test_Set_Script("move 10 10\nclick 20 20\nkey a\nsleep 250\nmove 5 5\n");
    VEL_MESSAGE m;
    InitVELMessage(&m);
    EXPECT_EQ(GetVELMessage(&m, VELMSG_LBUTTON), VELMSG_LBUTTON);
    EXPECT_EQ(m.w[1] * 1000 + m.w[2], 20020);
    EXPECT_EQ(m.w[3], 1);
    EXPECT_EQ(GetVELMessage(&m, VELMSG_LBUTTON), VELMSG_LBUTTON);
    EXPECT_EQ(m.w[3], 0);
    EXPECT_EQ(GetVELMessage(&m, VELMSG_KEY | VELMSG_MOVE), VELMSG_KEY);
    EXPECT_EQ(m.w[4], 'a');
    EXPECT_EQ(hitkey(), 'a'); /* the key stays pending */
    getkey();
    int64_t t0 = VELClock();
    m.w[6] = 100;
    EXPECT_EQ(GetVELMessage(&m, VELMSG_TIMER | VELMSG_LBUTTON), VELMSG_TIMER);
    EXPECT_EQ(VELClock() - t0, 250);
    EXPECT_EQ(GetVELMessage(&m, VELMSG_MOVE), VELMSG_MOVE);
    EXPECT_EQ(GetVELMessage(&m, VELMSG_MOVE), VELMSG_CLOSE);
    VELSleep(40);
    EXPECT_EQ(VELClock() - t0, 290);
    EXPECT_EQ(VELSetTimer(1), 0);
    EXPECT_EQ(VELSetTimer(0), 1);

    /* between the steps of a run: a sleep is the time it takes; an event is taken only when its
    ** class is asked for; an answer (for a box) and a close stay for the next wait */
    ZW_Test_Set_Script("sleep 300\nclick 30 40\nkey Esc\nanswer yes\n");
    t0 = VELClock();
    EXPECT_EQ(PollVELMessage(&m, VELMSG_TIMER), VELMSG_TIMER);
    EXPECT_EQ(VELClock() - t0, 300);
    EXPECT_EQ(PollVELMessage(&m, VELMSG_TIMER | VELMSG_KEY), 0); /* the click's move is next */
    EXPECT_EQ(PollVELMessage(&m, VELMSG_MOVE), VELMSG_MOVE);
    EXPECT_EQ(PollVELMessage(&m, VELMSG_LBUTTON), VELMSG_LBUTTON);
    EXPECT_EQ(m.w[1] * 1000 + m.w[2] * 10 + m.w[3], 30401); /* pressed at (30, 40) */
    EXPECT_EQ(PollVELMessage(&m, VELMSG_LBUTTON), VELMSG_LBUTTON);
    EXPECT_EQ(PollVELMessage(&m, VELMSG_KEY), VELMSG_KEY);
    EXPECT_EQ(m.w[4], 27);
    EXPECT_EQ(hitkey(), -1); /* not kept for getkey */
    EXPECT_EQ(PollVELMessage(&m, -1), 0);
    EXPECT_EQ(ZW_Test_Pending_Events(), 1);
    ZW_Test_Set_Script("close\n");
    EXPECT_EQ(PollVELMessage(&m, VELMSG_CLOSE), VELMSG_CLOSE);
    EXPECT_EQ(ZW_Test_Pending_Events(), 1);
}

TEST(ZelkwinInput, CallAlwaysFunctionRunsOnEveryEvent)
{
    ZW_Test_Reset();
    static int calls = 0;
    calls = 0;
    Define_Call_Allways_Function([] { calls++; });
    ZW_Test_Set_Script("move 1 1\nmove 2 2\nmove 3 3\n");
    Get_Mouse_Event();
    Get_Mouse_Event();
    EXPECT_EQ(calls, 2);
    Activate_Call_Allways_Function(0);
    Get_Mouse_Event();
    EXPECT_EQ(calls, 2);
    Define_Call_Allways_Function(nullptr);
}

/* The window's keys: Ctrl with Home or End is a key of its own (start and end of a whole text). */
TEST(ZelkwinInput, WindowKeysWithControl)
{
    EXPECT_EQ(ZW_Test_Window_Key(SDLK_HOME, KMOD_NONE), KEY_HOME);
    EXPECT_EQ(ZW_Test_Window_Key(SDLK_END, KMOD_NONE), KEY_END);
    EXPECT_EQ(ZW_Test_Window_Key(SDLK_HOME, KMOD_LCTRL), KEY_CTRL_HOME);
    EXPECT_EQ(ZW_Test_Window_Key(SDLK_END, KMOD_RCTRL), KEY_CTRL_END);
    EXPECT_EQ(ZW_Test_Window_Key(SDLK_a, KMOD_LCTRL), 1);
    EXPECT_EQ(ZW_Test_Window_Key(SDLK_TAB, KMOD_LSHIFT), KEY_SHIFT_TAB);
    EXPECT_EQ(ZW_Test_Window_Key(SDLK_a, KMOD_NONE), -1); /* comes as text */
    ZW_Test_Reset();
    ZW_Test_Set_Script("key Ctrl-Home Ctrl-End\n");
    EXPECT_EQ(getkey(), KEY_CTRL_HOME);
    EXPECT_EQ(getkey(), KEY_CTRL_END);
}

TEST(ZelkwinMessage, BoxesAreLoggedAndLeaveTheScreenAsItWas)
{
    ZW_Test_Reset();
    uint32_t centre = ZW_Test_Pixel(NPIXEL_X / 2, NPIXEL_Y / 2);
    ZW_Test_Set_Script("answer yes\nclick 5 5\n");
    Init_Message();
    Set_Message_Title("Fehler");
    Set_Message_Symbol(3, 1, 0, 0);
    Fill_Message("Die Druckliste kann nicht erzeugt werden!");
    EXPECT_EQ(Draw_Message(), 1);
    EXPECT_TRUE(Has_Line("MESSAGE [Fehler] Die Druckliste kann nicht erzeugt werden!"));
    EXPECT_EQ(ZW_Test_Pixel(NPIXEL_X / 2, NPIXEL_Y / 2), centre);
    /* the click is not for the box: it stays for whoever waits next */
    PrintMessage("FEHLER: Datei fehlt!\nZeile 2\n");
    EXPECT_TRUE(Has_Line("PRINT FEHLER: Datei fehlt! | Zeile 2"));
    EXPECT_EQ(ZW_Test_Pending_Events(), 3);
    Init_Message();
    Fill_Message("Bitte etwas Geduld");
    Show_Message();
    EXPECT_NE(ZW_Test_Pixel(NPIXEL_X / 2, NPIXEL_Y / 2 - 20), centre);
    Quit_Message();
    EXPECT_EQ(ZW_Test_Pixel(NPIXEL_X / 2, NPIXEL_Y / 2 - 20), centre);
    EXPECT_TRUE(Has_Line("SHOW [] Bitte etwas Geduld"));
    EXPECT_TRUE(Has_Line("QUIT"));
    /* a hint has no title of its own: its title band says what it is, not the program's
    ** title; a question without one bears the program's title, whose tab stands as the blank
    ** that the print shows */
    VELSetWindowTitle("Zugsto\xe1\tAchse 4");
    ZW_Test_Clear_Log();
    ZW_Test_Set_Script("key Enter\nkey Enter\nkey Enter\n");
    PrintMessage("HINWEIS: n_c darf den Wert 50 nicht \x81"
                 "berschreiten.");
    Init_Message();
    Fill_Message("Die Eingabe ist leer.");
    Draw_Message();
    int titled = 0; /* the title bands of both boxes */
    for (const std::string &l : ZW_Test_Log_Lines())
        if (l.rfind("TEXT ", 0) == 0 && l.size() > 8 && l.compare(l.size() - 8, 8, " Hinweis") == 0)
            titled++;
    EXPECT_EQ(titled, 2);
    /* the hint's box says "Hinweis" once, in its title band, where its text began "HINWEIS: "
    ** again; an error's box is titled "Fehler" */
    EXPECT_TRUE(Has_Text("n_c darf den Wert 50 nicht überschreiten."));
    EXPECT_FALSE(Has_Text("HINWEIS: n_c darf den Wert 50 nicht überschreiten."));
    ZW_Test_Clear_Log();
    PrintMessage("FEHLER: Datei fehlt!");
    EXPECT_TRUE(Has_Text("Fehler"));
    EXPECT_FALSE(Has_Text("Zugstoß Achse 4"));
    Init_Message();
    Fill_Message("Speichern?");
    Answer_is_Yes(1);
    EXPECT_TRUE(Has_Text("Zugstoß Achse 4"));
}

TEST(ZelkwinMessage, QuestionsTakeAnswersKeysClicksAndClose)
{
    ZW_Test_Reset();
    ZW_Test_Set_Script("answer yes\nanswer cancel\nkey n\nkey j\n");
    Init_Message();
    Fill_Message("Speichern?");
    EXPECT_EQ(Answer_is_Yes(0), 1);
    EXPECT_EQ(Answer_is_Yes(1), 0);
    EXPECT_EQ(Answer_is_Yes(1), 0);
    EXPECT_EQ(Answer_is_Yes(0), 1);
    EXPECT_EQ(Answer_is_Yes(1), 0); /* closed */
    EXPECT_TRUE(Has_Line("ANSWER cancel"));
    EXPECT_TRUE(Has_Line("ANSWER closed"));
    /* a click on "Nein": find the buttons from the box geometry of the log */
    ZW_Test_Reset();
    ZW_Test_Clear_Log();
    ZW_Test_Set_Script("");
    Init_Message();
    Fill_Message("Weiter?");
    std::vector<std::string> log;
    int nein_x = -1, nein_y = -1;
    {
        /* first run to learn where "Nein" is drawn (the script is empty: closed, answer 0) */
        Answer_is_Yes(1);
        for (auto &l : ZW_Test_Log_Lines())
            if (l.size() > 5 && l.compare(l.size() - 5, 5, " Nein") == 0)
                sscanf(l.c_str(), "TEXT %d %d", &nein_x, &nein_y);
    }
    ASSERT_GT(nein_x, 0);
    ZW_Test_Set_Script("click " + std::to_string(nein_x + 3) + " " + std::to_string(nein_y - 4)
                       + "\n");
    EXPECT_EQ(Answer_is_Yes(1), 0);
    EXPECT_TRUE(Has_Line("ANSWER no"));
}

TEST(ZelkwinEdit, TextEditorReplacesEditsRestoresAndScrolls)
{
    ZW_Test_Reset();
    char buf[16] = "abc";
    ZW_Test_Set_Script("type xy\nkey Backspace\nkey Tab\n");
    EXPECT_EQ(Short_Edit_Text(100, 100, buf, 8, 0), 1);
    EXPECT_STREQ(buf, "x");
    ZW_Test_Set_Script("type zz\nkey Esc\n");
    EXPECT_EQ(Short_Edit_Text(100, 100, buf, 8, 0), 0);
    EXPECT_STREQ(buf, "x");
    ZW_Test_Set_Script("type abcdefgh\nkey Enter\n");
    EXPECT_EQ(Short_Edit_Text(100, 100, buf, 3, 0), 1);
    EXPECT_STREQ(buf, "abc");
    ZW_Test_Set_Script("type abcdefgh\nkey Down\n");
    Set_Short_Edit_Text_Scrollmode(6);
    EXPECT_EQ(Short_Edit_Text(100, 100, buf, 3, 0), 1);
    EXPECT_STREQ(buf, "abcdef");
    /* a character the code page lacks is not entered: the keys typed after it stay in the
    ** field, and a hint names it when the field is left (its box opened at once and took them) */
    ZW_Test_Set_Script("type 5 \xE2\x82\xAC netto\nkey Enter\nkey Enter\n");
    EXPECT_EQ(Short_Edit_Text(100, 100, buf, 12, 0), 1);
    EXPECT_STREQ(buf, "5  netto");
    const std::vector<std::string> log = ZW_Test_Log_Lines();
    const auto hint = std::find(log.begin(), log.end(),
                                "MESSAGE [Hinweis] Das Zeichen U+20AC (Euro-Zeichen) wurde nicht "
                                "eingegeben: | der Zeichensatz des Programms (Codepage 850) "
                                "enth\xC3\xA4lt es nicht.");
    ASSERT_NE(hint, log.end());
    EXPECT_NE(std::find_if(log.begin(), hint,
                           [](const std::string &l) {
                               return l.rfind("TEXT ", 0) == 0 && l.size() > 8
                                      && l.compare(l.size() - 8, 8, "5  netto") == 0;
                           }),
              hint); /* the field showed every key before the box opened */
    /* a click elsewhere ends the editing and stays for the sheet */
    ZW_Test_Set_Script("type q\nclick 500 500\n");
    EXPECT_EQ(Short_Edit_Text(100, 100, buf, 8, 0), 0);
    EXPECT_STREQ(buf, "q");
    EXPECT_EQ(ZW_Test_Pending_Events(), 2);
}

TEST(ZelkwinEdit, FloatEditorParsesCommaAndKeepsBadInput)
{
    ZW_Test_Reset();
    double v = 1.5;
    ZW_Test_Set_Script("type 2,75\nkey Enter\n");
    EXPECT_EQ(Short_Edit_Float(100, 100, "%6.2f", &v), 1);
    EXPECT_DOUBLE_EQ(v, 2.75);
    EXPECT_STREQ(Short_Edit_Float_Refused(), "");
    ZW_Test_Set_Script("type -\nkey Enter\n");
    EXPECT_EQ(Short_Edit_Float(100, 100, "%6.2f", &v), 1);
    EXPECT_DOUBLE_EQ(v, 2.75);
    EXPECT_STREQ(Short_Edit_Float_Refused(), "-"); /* told to the caller, which says so */
    ZW_Test_Set_Script("type 9\nkey Esc\n");
    EXPECT_EQ(Short_Edit_Float(100, 100, "%6.2f", &v), 0);
    EXPECT_DOUBLE_EQ(v, 2.75);
    EXPECT_STREQ(Short_Edit_Float_Refused(), "");
    /* letters are no part of a number: they stand in the field as typed, and the whole text is
    ** not taken and told ("4x2" gave 42 and "x", the letter never shown) */
    ZW_Test_Set_Script("type abc\nkey Enter\n");
    EXPECT_EQ(Short_Edit_Float(100, 100, "%6.2f", &v), 1);
    EXPECT_DOUBLE_EQ(v, 2.75);
    EXPECT_STREQ(Short_Edit_Float_Refused(), "abc");
    ZW_Test_Set_Script("type 4x2\nkey Enter\n");
    EXPECT_EQ(Short_Edit_Float(100, 100, "%6.2f", &v), 1);
    EXPECT_DOUBLE_EQ(v, 2.75);
    EXPECT_STREQ(Short_Edit_Float_Refused(), "4x2");
    EXPECT_STREQ(Short_Edit_Float_Typed(), "4x2");
    EXPECT_TRUE(Has_Line("EDITFLOAT   2.75"));
}

TEST(ZelkwinMenu, ChoiceByClickAndByKeysSkippingInactive)
{
    ZW_Test_Reset();
    Menue_Entry e[3] = {
        {"Kopieren", nullptr, 1}, {"Einf\x81gen", nullptr, 0}, {"L\x94schen", "_DEL", 1}};
    /* rows of 18 pixels from y + 3 */
    ZW_Test_Set_Script("click 120 " + std::to_string(200 + 3 + 2 * 18 + 5) + "\n");
    EXPECT_EQ(Menue_Manager(100, 200, e, 3), 2);
    ZW_Test_Set_Script("click 120 " + std::to_string(200 + 3 + 18 + 5) + "\nkey Esc\n");
    EXPECT_EQ(Menue_Manager(100, 200, e, 3), -1); /* the inactive row does not choose; Esc ends */
    ZW_Test_Set_Script("key Down Down Enter\n");
    EXPECT_EQ(Menue_Manager(100, 200, e, 3), 2);
    ZW_Test_Set_Script("click 900 900\n");
    EXPECT_EQ(Menue_Manager(100, 200, e, 3), -1);
    EXPECT_TRUE(Has_Line("MENU Kopieren | Einfügen | Löschen"));
    EXPECT_TRUE(Has_Line("MENU CHOICE 2"));
    ZW_Test_Set_Script("key Down Down Down Enter\n");
    EXPECT_EQ(Get_UserSelected_SpecialCharacter(), 0xF3);
}

TEST(ZelkwinHelp, TopicsFromOurHelpFileShownByKeyAndButton)
{
    ZW_Test_Reset();
    const std::string hlp = Scratch("splice.hlp");
    FILE *f = fopen(hlp.c_str(), "w");
    ASSERT_NE(f, nullptr);
    fputs(
        "# help of the splice program\n#TOPIC FINISH_BTN_000\nBearbeitung beenden\nJa speichert die Eingaben.\n"
        "#TOPIC Druckeinstellungen\nDruckeinstellungen\nWahl der Ausgaben.\n",
        f);
    fclose(f);
    EXPECT_EQ(Add_Helpfile(hlp.c_str()), 1);
    EXPECT_EQ(Add_Helpfile("gibt_es_nicht.hlp"), 0);
    ZW_Test_Set_Script("key Enter\n");
    EXPECT_EQ(Helpview("FINISH_BTN_000"), 1);
    EXPECT_TRUE(Has_Line("HELP FINISH_BTN_000"));
    bool title = false, body = false;
    for (auto &l : ZW_Test_Log_Lines()) {
        if (l.find(" Bearbeitung beenden") != std::string::npos) title = true;
        if (l.find(" Ja speichert die Eingaben.") != std::string::npos) body = true;
    }
    EXPECT_TRUE(title && body);
    EXPECT_TRUE(Has_Prefix("TEXT "));
    EXPECT_EQ(Helpview("UNBEKANNT"), 0);
    EXPECT_TRUE(Has_Line("HELP MISSING UNBEKANNT"));
    /* a help button shows the topic and does not end the pass */
    ZW_Test_Set_Script("click 210 210\nkey Enter\nkey Esc\n");
    Define_Prop_Sheet(100, 100, 400, 300, 1, 0, "Druck", 40, 1);
    Add_Help_to_PS(200, 200, "Druckeinstellungen");
    Add_Single_Button_to_PS(110, 260, SYMBOLIC_BREAK_RASTER, nullptr, 9);
    Activate_Prop_Sheet();
    EXPECT_EQ(Edit_Prop_Sheet(), 9);
    Undefine_Prop_Sheet();
    EXPECT_TRUE(Has_Line("HELP Druckeinstellungen"));
}

TEST(ZelkwinEdit, CursorKeysMoveInsideTheText)
{
    ZW_Test_Reset();
    char buf[16] = "Holz";
    ZW_Test_Set_Script(
        "key End\ntype BSH\nkey Home Right\ntype X\nkey Del\nkey End Backspace\nkey Enter\n");
    EXPECT_EQ(Short_Edit_Text(100, 100, buf, 12, 0), 1);
    /* Holz -> HolzBSH -> H|olzBSH -> HX|olzBSH -> HX|lzBSH -> HXlzBS */
    EXPECT_STREQ(buf, "HXlzBS");
    ZW_Test_Set_Script("key Left\nkey Backspace\nkey Enter\n");
    EXPECT_EQ(Short_Edit_Text(100, 100, buf, 12, 0), 1);
    EXPECT_STREQ(buf, "HXlzS"); /* a cursor key keeps the old text, Backspace then deletes one */
}

/* The wheel and the keys that move a table end the editing with the value typed, and are passed
** on: the wheel after a move to where the pointer is, so that the table below moves and not what
** lies at the field; the keys as they were. The script names the keys as a keyboard's legend
** does too ("PageDown", "Ctrl+End"). */
TEST(ZelkwinEdit, TheWheelAndThePageKeysEndTheEditAndArePassedOn)
{
    ZW_Test_Reset();
    double v = 1.0;
    ZW_Test_Set_Script("move 300 320\ntype 3\nwheel -2\n");
    Get_Mouse_Event();
    M_SCROLL = 0;
    EXPECT_EQ(Short_Edit_Float(100, 100, "%.1f", &v), 0);
    EXPECT_DOUBLE_EQ(v, 3.0);
    EXPECT_EQ(M_SCROLL, 0);
    M_XPOS = M_YPOS = 0; /* a caller that moved the pointer to the field */
    EXPECT_EQ(ZW_Test_Pending_Events(), 2);
    EXPECT_EQ(Get_Mouse_Event(), VELMSG_MOVE);
    EXPECT_EQ(M_XPOS, 300);
    EXPECT_EQ(M_YPOS, 320);
    EXPECT_EQ(Get_Mouse_Event(), VELMSG_WHEEL);
    EXPECT_EQ(M_SCROLL, -2);
    M_SCROLL = 0;
    const struct {
        const char *name;
        int key;
    } keys[] = {{"PgDn", KEY_PGDN},
                {"PageUp", KEY_PGUP},
                {"Ctrl+End", KEY_CTRL_END},
                {"ctrl-home", KEY_CTRL_HOME}};
    for (auto k : keys) {
        SCOPED_TRACE(k.name);
        ZW_Test_Set_Script(std::string("type 4\nkey ") + k.name + "\n");
        v = 1.0;
        EXPECT_EQ(Short_Edit_Float(100, 100, "%.1f", &v), 0);
        EXPECT_DOUBLE_EQ(v, 4.0);
        EXPECT_EQ(hitkey(), k.key);
        EXPECT_EQ(getkey(), k.key);
    }
    /* Home and End keep their meaning inside the field */
    char buf[16] = "Holz";
    ZW_Test_Set_Script("key End\ntype X\nkey Home\ntype Y\nkey Enter\n");
    EXPECT_EQ(Short_Edit_Text(100, 100, buf, 12, 0), 1);
    EXPECT_STREQ(buf, "YHolzX");
}

TEST(ZelkwinEdit, LastEditKeyTellsHowTheEditEnded)
{
    ZW_Test_Reset();
    char buf[16] = "12";
    double v = 1.0;
    LAST_SHEET_EDIT_KEY = 0;
    ZW_Test_Set_Script("key Down\n");
    EXPECT_EQ(Short_Edit_Text(100, 100, buf, 8, 0), 1);
    EXPECT_EQ(LAST_SHEET_EDIT_KEY, KEY_DOWN);
    ZW_Test_Set_Script("type 3\nkey Up\n");
    EXPECT_EQ(Short_Edit_Float(100, 100, "%.1f", &v), 0);
    EXPECT_EQ(LAST_SHEET_EDIT_KEY, 328);
    EXPECT_DOUBLE_EQ(v, 3.0); /* Up keeps the value typed */
    LAST_SHEET_EDIT_KEY = 0;
    ZW_Test_Set_Script("click 600 600\n");
    Short_Edit_Text(100, 100, buf, 8, 0);
    EXPECT_EQ(LAST_SHEET_EDIT_KEY, 0);
    ZW_Test_Set_Script("key Enter\n");
    Short_Edit_Text(100, 100, buf, 8, 0);
    EXPECT_EQ(LAST_SHEET_EDIT_KEY, 13);
}
