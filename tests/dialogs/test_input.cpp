/*
** Scripted input on view areas: clicks on check boxes and option buttons, in-place editing of
** float fields with the move to the next field, the drop-down list of a choice field, and the
** multi-line editor (wrapping, selection, clipboard).
*/
#include "dialogs_fixture.h"

#include <cairo.h>

#include <cstdint>
#include <cstdio>

#include <cstring>
#include <string>

/* The area lies at (10, 40) on the screen: content (x, y) shows at (10 + x, 40 + y). */
class Input : public DialogsTest {
  protected:
    int area = -1;
    void SetUp() override
    {
        DialogsTest::SetUp();
        area = SVA_Create(10, 40, 410, 340, 0, 0);
        ASSERT_EQ(area, 0);
    }
    /* Run the script up to the press of its first click, as the page's loop leaves it. */
    static void Start(const std::string &script)
    {
        ZW_Test_Set_Script(script);
        for (int i = 0; i < 10 && !M_LEFT; i++) Get_Mouse_Event();
        ASSERT_EQ(M_LEFT, 1);
    }
    static std::string Click(int x, int y)
    {
        return "click " + std::to_string(x) + " " + std::to_string(y) + "\n";
    }
};

TEST_F(Input, ClickTogglesCheckBox)
{
    int flag = 0, active = 1;
    SVA_Add_Check_Box(area, 50, 30, "Aktiv", 4096, 0, &flag, &active);
    Start(Click(60 - 15, 70 - 4));
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(M_LEFT, 0);
    Start(Click(60 + 5, 70)); /* on the label */
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_EQ(flag, 0);
}

TEST_F(Input, InactiveCheckBoxAndMissedClickChangeNothing)
{
    int flag = 0, active = 0;
    SVA_Add_Check_Box(area, 50, 30, "Aktiv", 4096, 0, &flag, &active);
    Start(Click(60 - 15, 70 - 4));
    EXPECT_EQ(SVA_Handle_Input(area), 0);
    EXPECT_EQ(flag, 0);
    active = 1;
    Start(Click(60 - 21, 70 - 4));
    EXPECT_EQ(SVA_Handle_Input(area), 0);
    EXPECT_EQ(flag, 0);
    Start(Click(60 - 20, 70 - 4));
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_EQ(flag, 1);
}

static int Callback_Value = -100;
static void Remember(int value, double *) { Callback_Value = value; }

TEST_F(Input, OptionButtonSetsItsValueEvenWhenSet)
{
    int var = 2, active = 1;
    SVA_Add_Option_Button(area, 50, 30, "zwei", 4096, 0, 2, &var, &active);
    SVA_Set_Last_Input_Tag(area, Remember);
    Callback_Value = -100;
    Start(Click(60 - 12, 66));
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_EQ(var, 2);
    EXPECT_EQ(Callback_Value, 2);
}

TEST_F(Input, HotspotAndSelectableText)
{
    int v = 0, sel = 5;
    SVA_Add_Selectable_Text(/*area=*/area, /*x=*/200, /*y=*/200, /*text=*/"Wahl", /*font=*/4096,
                            /*colour=*/0, /*align=*/0, /*highlight=*/3, /*value=*/9,
                            /*variable=*/&sel);
    SVA_Add_Hotspot(area, 10, 20, 100, 40, 7, &v);
    Start(Click(10 + 50, 40 + 30));
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_EQ(v, 7);
    EXPECT_EQ(sel, 0); /* every click first clears the selectable texts */
    sel = 5;
    Start(Click(10 + 300, 40 + 250)); /* empty space */
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_EQ(sel, 0);
    Start(Click(10 + 300, 40 + 250));
    EXPECT_EQ(SVA_Handle_Input(area), 0);
}

TEST_F(Input, FloatFieldEditedInPlaceMovesOnToTheNextField)
{
    double d1 = 1.0, d2 = 2.0;
    int active = 1;
    SVA_Add_Float_Field(area, 50, 100, &d1, "%6.2f", 4096, 0, &active);
    SVA_Add_Float_Field(area, 50, 130, &d2, "%6.2f", 4096, 0, &active);
    Start(Click(60 + 5, 140 - 4) + "move 65 136\ntype 2.5\nkey Enter\ntype 7\nkey Esc\n");
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_DOUBLE_EQ(d1, 2.5);
    EXPECT_DOUBLE_EQ(d2, 2.0); /* the second field was entered and left with Esc */
    EXPECT_EQ(Log_Count("EDITFLOAT"), 2) << Log_All();
}

/* Letters typed into a number field are not taken, and a hint says so with what was typed and
** what the field holds: a field without a name says it alone, a named one with its name; a number
** with a letter in it is refused whole (it took the digits, 42). */
TEST_F(Input, LettersInANumberFieldAreToldWithWhatItHolds)
{
    double d1 = 1.0, d2 = 2.0;
    int active = 1;
    SVA_Add_Float_Field(area, 50, 100, &d1, "%6.2f", 4096, 0, &active);
    SVA_Add_Float_Field(area, 50, 130, &d2, "%6.2f", 4096, 0, &active);
    SVA_Set_Last_Field_Name(area, "N_d");
    Start(Click(60 + 5, 140 - 4) + "move 65 136\ntype abc\nkey Enter\nkey Enter\n"
          + "type 4x2\nkey Enter\nkey Enter\nkey Esc\n");
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_DOUBLE_EQ(d1, 1.0);
    EXPECT_DOUBLE_EQ(d2, 2.0);
    EXPECT_EQ(Log_Count("PRINT HINWEIS: \"abc\" ist keine Zahl: das Feld enthält weiter 1.00."), 1)
        << Log_All();
    EXPECT_EQ(Log_Count("PRINT HINWEIS: N_d: \"4x2\" ist keine Zahl: das Feld enthält weiter "
                        "2.00."),
              1)
        << Log_All();
}

/* Keys typed right after the click (queued behind its release) are the field's first characters;
** a key typed before the press, which an earlier wait kept, is not. */
TEST_F(Input, KeysAfterTheClickGoIntoTheFieldAndKeysBeforeItDoNot)
{
    double d = 1.0;
    int active = 1;
    SVA_Add_Float_Field(area, 50, 100, &d, "%6.2f", 4096, 0, &active);
    ZW_Test_Set_Script("type 9\n" + Click(65, 136) + "type 42\nkey Enter\n");
    EXPECT_EQ(hitkey(), '9'); /* taken from the queue and kept */
    for (int i = 0; i < 10 && !M_LEFT; i++) Get_Mouse_Event();
    ASSERT_EQ(M_LEFT, 1);
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_DOUBLE_EQ(d, 42.0);
    EXPECT_EQ(hitkey(), -1);
}

TEST_F(Input, FieldNearTheTopDoesNotTakeClicks)
{
    double d = 1.0;
    int active = 1;
    SVA_Add_Float_Field(area, 50, 11, &d, "%6.2f", 4096, 0, &active);
    Start(Click(65, 40 + 11 - 4) + "type 9\nkey Enter\n");
    EXPECT_EQ(SVA_Handle_Input(area), 0);
    EXPECT_DOUBLE_EQ(d, 1.0);
}

TEST_F(Input, DropDownChoiceSetsItsIndex)
{
    SVA_Choice_Entry table[5] = {
        {0, "Nadelholz"}, {0, "Laubholz"}, {0, "BSH"}, {0, "Furnier"}, {0, "OSB"}};
    int index = 0, active = 1;
    SVA_Add_Choice_Field(area, 50, 160, table, 4096, 12, 5, &index, &active);
    int x = 60, y = 200; /* screen position of the field */
    int top = y + 5;     /* the list opens below */
    int row3 = top + 3 + 3 * 13 + 6;
    Start(Click(x + 10, y - 4) + "move " + std::to_string(x + 10) + " " + std::to_string(row3)
          + "\n" + Click(x + 10, row3));
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_EQ(index, 3);
}

TEST_F(Input, DropDownTakesEnterAfterArrowKeys)
{
    SVA_Choice_Entry table[3] = {{0, "eins"}, {0, "zwei"}, {0, "drei"}};
    int index = 0, active = 1;
    SVA_Add_Choice_Field(area, 50, 160, table, 4096, 12, 3, &index, &active);
    Start(Click(70, 196) + "move 70 196\nkey Down\nkey Down\nkey Enter\n");
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_EQ(index, 2);
}

/* ------------------------------------------------------------------ the multi-line editor */

class Editor : public Input {
  protected:
    char buf[101];
    int active = 1;
    void SetUp() override
    {
        Input::SetUp();
        memset(buf, 0, sizeof buf);
        /* screen rectangle (30, 240) - (230, 330): lines of at most 180 pixels */
        SVA_Add_Text_Editor(/*area=*/area, /*x1=*/20, /*y1=*/200, /*x2=*/220, /*y2=*/290,
                            /*text=*/buf, /*max_len=*/100, /*colour=*/0, /*bg_colour=*/15,
                            /*frame=*/1, /*active=*/&active);
    }
    SVA_Editor_State *State() { return SVA_Areas[area].last->editor; }
};

TEST_F(Editor, TypingWrapsAtBlanksAndClickOutsideLeaves)
{
    Start(Click(60, 260) + "type Holz Stahl Beton Mauerwerk Aluminium Glas Kunststoff\n"
          + Click(600, 600));
    EXPECT_EQ(SVA_Handle_Input(area), 0);
    EXPECT_STREQ(buf, "Holz Stahl Beton Mauerwerk Aluminium Glas Kunststoff");
    SVA_Editor_State *e = State();
    ASSERT_GT(e->lines, 1);
    for (int i = 1; i < e->lines; i++) EXPECT_EQ(e->line_start[i][-1], ' ') << "line " << i;
    EXPECT_EQ(SVA_Editor_Current(), nullptr);
    EXPECT_EQ(e->top, 0);
}

TEST_F(Editor, LongWordBreaksAtTheOverflowingCharacter)
{
    std::string word(60, 'W');
    strcpy(buf, word.c_str());
    SVA_Editor_State *e = State();
    SVA_Editor_Draw(e, 30, 240, 230, 330);
    ASSERT_GT(e->lines, 1);
    Pop_RFont(e->font);
    int first = (int)(e->line_start[1] - e->line_start[0]);
    int left = 0, right = 0;
    pxQTxX(buf, first, &left, &right, nullptr, nullptr);
    int w_fit = right - left;
    pxQTxX(buf, first + 1, &left, &right, nullptr, nullptr);
    Push_RFont();
    EXPECT_LE(w_fit, 180);
    EXPECT_GT(right - left, 180);
}

TEST_F(Editor, SelectAllCopyAndPaste)
{
    strcpy(buf, "Kommentar\n");
    Start(Click(60, 260) + "key #1\nkey Ctrl-C\nkey End\nkey Ctrl-V\n" + Click(600, 600));
    EXPECT_EQ(SVA_Handle_Input(area), 0);
    char clip[64] = {0};
    VELGetClipboardText(clip, sizeof clip);
    /* the whole text, its last byte included: the copy passes the system's clipboard as UTF-8
    ** text, and its line feed stays a line feed there and in the paste */
    EXPECT_STREQ(clip, "Kommentar\n");
    EXPECT_STREQ(buf, "Kommentar\nKommentar\n");
    /* another program's text: the euro sign, which code page 850 lacks, is not pasted, and a hint
    ** names it as for typed text (its Enter closes the hint) */
    strcpy(buf, "Preis");
    Start("clipboard  12 \xE2\x82\xAC\n" + Click(200, 257) + "key Ctrl-V\nkey Enter\n"
          + Click(600, 600));
    EXPECT_EQ(SVA_Handle_Input(area), 0);
    EXPECT_STREQ(buf, "Preis 12 ");
    EXPECT_EQ(Log_Count("MESSAGE [Hinweis] Das Zeichen U+20AC (Euro-Zeichen) aus der "
                        "Zwischenablage wurde nicht eingef\xC3\xBCgt: | der Zeichensatz des "
                        "Programms (Codepage 850) enth\xC3\xA4lt es nicht."),
              1);
}

/* A click after the text's end puts the cursor after its last byte: "Hallo" + "!" is "Hallo!". */
TEST_F(Editor, AClickAfterTheTextTypesAtItsEnd)
{
    strcpy(buf, "Hallo");
    Start(Click(200, 257) + "type !\n" + Click(600, 600));
    EXPECT_EQ(SVA_Handle_Input(area), 0);
    EXPECT_STREQ(buf, "Hallo!");
}

/* Return splits the line at the cursor; at the end of the text it opens an empty last line on
** which the cursor stands and typing goes on. */
TEST_F(Editor, ReturnSplitsAtTheCursor)
{
    strcpy(buf, "HalloWelt");
    SVA_Editor_State *e = State();
    SVA_Editor_Draw(e, 30, 240, 230, 330);
    e->cursor = buf + 5;
    SVA_Editor_Key(e, EDK_ENTER);
    EXPECT_STREQ(buf, "Hallo\nWelt");
    EXPECT_EQ(SVA_Editor_Cursor_Line(e), 1);
    EXPECT_EQ(e->cursor, buf + 6);
    SVA_Editor_Key(e, EDK_CTRL_END);
    SVA_Editor_Key(e, EDK_ENTER);
    EXPECT_EQ(e->lines, 3);
    EXPECT_EQ(SVA_Editor_Cursor_Line(e), 2);
    SVA_Editor_Key(e, 'x');
    EXPECT_STREQ(buf, "Hallo\nWelt\nx");
}

/* The cursor reaches every place from the text's start to after its last byte: Right, End and
** Ctrl+End go up to the end, End on a line with a line feed stops before it. */
TEST_F(Editor, TheCursorReachesTheEndOfTheText)
{
    strcpy(buf, "ab\ncd");
    SVA_Editor_State *e = State();
    SVA_Editor_Draw(e, 30, 240, 230, 330);
    e->cursor = buf;
    SVA_Editor_Key(e, EDK_END);
    EXPECT_EQ(e->cursor, buf + 2); /* before the line feed */
    for (int i = 0; i < 10; i++) SVA_Editor_Key(e, EDK_RIGHT);
    EXPECT_EQ(e->cursor, buf + 5);
    SVA_Editor_Key(e, EDK_HOME);
    EXPECT_EQ(e->cursor, buf + 3);
    SVA_Editor_Key(e, EDK_END);
    EXPECT_EQ(e->cursor, buf + 5);
    SVA_Editor_Key(e, EDK_CTRL_HOME);
    SVA_Editor_Key(e, EDK_CTRL_END);
    EXPECT_EQ(e->cursor, buf + 5);
    SVA_Editor_Key(e, EDK_CTRL_A);
    EXPECT_EQ(e->sel_start, buf);
    EXPECT_EQ(e->sel_end, buf + 5);
    SVA_Editor_Key(e, EDK_DEL);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(memcmp(buf, "\0\0\0\0\0\0", 6), 0);
}

/* A click goes to line (y - Y1 - 7) / 14 + top, at most the last line: Y1 = 240, lines at
** 247..260, 261..274, 275..288; within the line to the nearest boundary. */
TEST_F(Editor, AClickPicksLineAndPlace)
{
    strcpy(buf, "eins\nzwei\ndrei");
    SVA_Editor_State *e = State();
    SVA_Editor_Draw(e, 30, 240, 230, 330);
    SVA_Editor_Cursor_To(e, 37, 260);
    EXPECT_EQ(e->cursor, buf);
    SVA_Editor_Cursor_To(e, 37, 261);
    EXPECT_EQ(e->cursor, buf + 5);
    SVA_Editor_Cursor_To(e, 37, 289);
    EXPECT_EQ(e->cursor, buf + 10);
    SVA_Editor_Cursor_To(e, 200, 320); /* below and right of the text: after its last byte */
    EXPECT_EQ(e->cursor, buf + 14);
    SVA_Editor_Cursor_To(e, 200, 250); /* right of line 0: before its line feed */
    EXPECT_EQ(e->cursor, buf + 4);
    e->top = 1;
    SVA_Editor_Cursor_To(e, 37, 250);
    EXPECT_EQ(e->cursor, buf + 5);
    e->top = 0;
}

TEST_F(Editor, PasteOf300BytesIntoRoomFor100Inserts100)
{
    std::string big(300, 'p');
    VELSetClipboardText(big.c_str());
    Start(Click(60, 260) + "key Ctrl-V\nkey x\n" + Click(600, 600));
    EXPECT_EQ(SVA_Handle_Input(area), 0);
    EXPECT_EQ(strlen(buf), 100u);
    EXPECT_EQ(std::string(buf), std::string(100, 'p'));
    /* and says so (the typed x closes the hint): 300 pasted, 100 taken, 300 - 100 = 200 not */
    EXPECT_EQ(Log_Count("MESSAGE [Hinweis] Von 300 Zeichen aus der Zwischenablage wurden 100 "
                        "eingef\xC3\xBCgt, 200 nicht: | das Feld fasst h\xC3\xB6"
                        "chstens 100 Zeichen."),
              1);
}

TEST_F(Editor, KeysAtTheEdges)
{
    strcpy(buf, "abc");
    SVA_Editor_State *e = State();
    SVA_Editor_Draw(e, 30, 240, 230, 330);
    e->cursor = buf;
    SVA_Editor_Key(e, EDK_BACKSPACE); /* at the start: nothing */
    EXPECT_STREQ(buf, "abc");
    e->cursor = buf + 3;
    SVA_Editor_Key(e, EDK_DEL); /* after the last byte: nothing */
    EXPECT_STREQ(buf, "abc");
    e->cursor = buf + 2;
    SVA_Editor_Key(e, EDK_DEL); /* at the last byte: it goes */
    EXPECT_STREQ(buf, "ab");
    SVA_Editor_Key(e, 'c');
    e->cursor = buf + 2;
    SVA_Editor_Key(e, EDK_BACKSPACE); /* inside the text: the byte before the cursor */
    EXPECT_STREQ(buf, "ac");
    EXPECT_EQ(e->cursor, buf + 1);
    SVA_Editor_Key(e, EDK_CTRL_X); /* no selection: nothing */
    EXPECT_STREQ(buf, "ac");
    SVA_Editor_Key(e, 'x');
    EXPECT_STREQ(buf, "axc");
    SVA_Editor_Key(e, EDK_ENTER);
    EXPECT_STREQ(buf, "ax\nc");
    EXPECT_EQ(SVA_Editor_Cursor_Line(e), 1);
    SVA_Editor_Key(e, EDK_CTRL_A);
    SVA_Editor_Key(e, EDK_CTRL_X);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(memcmp(buf, "\0\0\0\0\0", 5), 0);
}

TEST_F(Editor, FullBufferTakesNoMoreAndBarsSurviveOneLine)
{
    memset(buf, 'f', 100);
    SVA_Editor_State *e = State();
    e->cursor = buf + 50;
    EXPECT_EQ(SVA_Editor_Insert(e, 'z'), 0);
    EXPECT_EQ(strlen(buf), 100u);
    /* a rectangle too small for a line and a one-line text draw without dividing by zero */
    strcpy(buf, "x");
    SVA_Editor_Draw(e, 30, 240, 50, 250);
    EXPECT_EQ(e->lines, 1);
    EXPECT_LE(e->visible, 0);
}

TEST_F(Input, TextFieldEditKeepsToItsBuffer)
{
    char buf[8] = "abc";
    int active = 1;
    SVA_Add_Text_Field(area, 50, 100, buf, 4096, 0, &active);
    SVA_Areas[area].last->y2 = 7; /* shows more than the text is long */
    Start(Click(60 + 5, 140 - 4) + "move 65 136\ntype wxyzwxyz\nkey Enter\n");
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_STREQ(buf, "wxy"); /* cut to the text length of 3 */
    EXPECT_EQ(buf[7], 0);
}

/* A field padded with blanks for its display is edited without them: End stands after "abc", a
** typed "d" follows it, and the log reports the text, not the padding. */
TEST_F(Input, APaddedTextFieldIsEditedWithoutItsBlanks)
{
    char buf[21] = "abc                 ";
    int active = 1;
    SVA_Add_Text_Field(area, 50, 100, buf, 4096, 0, &active);
    SVA_Areas[area].last->y2 = 20;
    Start(Click(65, 136) + "key End\ntype d\nkey Enter\n");
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_STREQ(buf, "abcd");
    int exact = 0;
    for (const auto &l : ZW_Test_Log_Lines()) exact += l == "EDITTEXT abcd";
    EXPECT_EQ(exact, 1) << Log_All();
}

/* The scroll bar of a long drop-down list. 500 entries from a field at screen (60, 200): the
** list opens below with r = (960 - 200 - 48) / 13 = 54 rows from y 205 to 913; the bar lies at
** x 166..180; arrows in the top and bottom 16 pixels; track span 708 - 32 = 676, thumb
** max(6, 54 * 676 / 500) = 73 pixels, the first row moves over 500 - 54 = 446 places on
** 676 - 73 = 603 pixels. Row 0 of what is shown is picked at (100, 214). */
class ListBar : public Input {
  protected:
    std::vector<std::string> names;
    std::vector<SVA_Choice_Entry> table;
    int index = 0, active = 1;
    void SetUp() override
    {
        Input::SetUp();
        for (int i = 0; i < 500; i++) names.push_back("Eintrag " + std::to_string(i));
        for (int i = 0; i < 500; i++) table.push_back({0, names[(size_t)i].c_str()});
        SVA_Add_Choice_Field(area, 50, 160, table.data(), 4096, 12, 500, &index, &active);
    }
    int Pick(const std::string &bar)
    {
        index = 0;
        Start(Click(70, 196) + bar + Click(100, 214));
        EXPECT_EQ(SVA_Handle_Input(area), 1);
        return index;
    }
};

TEST_F(ListBar, AnArrowHeldStepsEvery100Ms)
{
    EXPECT_EQ(Pick("press 174 905\nsleep 100\nsleep 100\nrelease 174 905\n"), 3);
    /* the up arrow, from the end: two steps */
    EXPECT_EQ(Pick(Click(174, 400) + "press 174 210\nsleep 100\nrelease 174 210\n"), 444);
}

TEST_F(ListBar, TheTrackScrollsToTheStartOrEndBesideTheThumb)
{
    EXPECT_EQ(Pick(Click(174, 400)), 446);                 /* below the thumb (221..294) */
    EXPECT_EQ(Pick(Click(174, 400) + Click(174, 700)), 0); /* above the thumb (824..897) */
}

/* The arrow keys move the mark and scroll it into view. Down 54 times from entry 0 marks entry
** 54, one below the 54 rows shown: the list moves by one, row 0 shows entry 1. From entry 100
** (shown from 100 - 54 / 2 = 73), Up 30 times marks 70, above the first row: row 0 shows 70;
** Up 3 times from entry 10 (shown from 0) and Enter picks 7. The mark stays within the list. */
TEST_F(ListBar, ArrowKeysMoveTheMarkAndScrollItIntoView)
{
    std::string down;
    for (int i = 0; i < 54; i++) down += "key Down\n";
    EXPECT_EQ(Pick(down), 1);
    std::string up;
    for (int i = 0; i < 30; i++) up += "key Up\n";
    index = 100;
    Start(Click(70, 196) + up + Click(100, 214));
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_EQ(index, 70);
    index = 10;
    Start(Click(70, 196) + "key Up\nkey Up\nkey Up\nkey Enter\n");
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_EQ(index, 7);
    /* the mark stops at either end of the list */
    index = 499;
    Start(Click(70, 196) + "key Down\nkey Enter\n");
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_EQ(index, 499);
    index = 0;
    Start(Click(70, 196) + "key Up\nkey Enter\n");
    EXPECT_EQ(SVA_Handle_Input(area), 1);
    EXPECT_EQ(index, 0);
}

/* The thumb dragged 201 pixels down: 201 * 446 / 603 = 148.67, the first row 149. */
TEST_F(ListBar, TheThumbFollowsADrag)
{
    EXPECT_EQ(Pick("press 174 250\nmove 174 350\nmove 174 451\nrelease 174 451\n"), 149);
}

/* Both arrows are drawn: black pixels in the top and the bottom 16 pixels of the bar. */
TEST_F(ListBar, BothArrowsAreDrawn)
{
    index = 0;
    Start(Click(70, 196) + "snapshot list.png\nkey Esc\n");
    SVA_Handle_Input(area);
    cairo_surface_t *png = cairo_image_surface_create_from_png("list.png");
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    cairo_surface_flush(png);
    auto black = [&](int y1, int y2) {
        int n = 0;
        for (int y = y1; y <= y2; y++)
            for (int x = 167; x <= 179; x++) {
                uint32_t c = ((const uint32_t *)(cairo_image_surface_get_data(png)
                                                 + y * cairo_image_surface_get_stride(png)))[x];
                n += (c & 0xFFFFFF) == 0;
            }
        return n;
    };
    EXPECT_GT(black(206, 220), 5); /* up */
    EXPECT_GT(black(898, 912), 5); /* down */
    cairo_surface_destroy(png);
    remove("list.png");
}
