/*
** Tests of the design-check management: the tree of checks, the pages of a check, an extremal
** rule, a load collective and a generation rule, the options dialog, the dialogs that add
** records, and the management sheet itself driven headless by scripts.
*/
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "checks/checks.h"
#include "platform/zelkgrft.h"
#include "platform/zelkwin.h"
#include "tests/platform/gui_log.h"

namespace {

Nchw_Type_Rec Types[3];

void Make_Type(Nchw_Type_Rec *t, int32_t id, const char *name, int32_t xtr_bits, int32_t lkom_bits)
{
    *t = Nchw_Type_Rec{};
    snprintf(t->name, sizeof t->name, "%-50s", name);
    t->ints0_3[0] = id;
    t->ints0_3[1] = 1;
    t->ints0_3[2] = xtr_bits;
    t->ints0_3[3] = lkom_bits;
    t->ints4_10[0] = 1;
    t->ints4_10[1] = 1;
    t->ints4_10[2] = 1;
    t->ints4_10[3] = 1;
    t->ints4_10[4] = 2;
    t->ints4_10[5] = 2;
    t->ints4_10[6] = 1;
}

class Sheet : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ZW_Test_Reset();
        Free_All_Nachweise();
        Reset_Beiwert_Tables();
        Xtr_Message_Switch = 1;
        Nchw_Compute_Mode_Index = 0;
        Make_Type(&Types[0], 601, "Biegung", 0, 0);
        Make_Type(&Types[1], 602, "Querkraft", 1, 1);
        Make_Type(&Types[2], 603, "Durchbiegung", 1, 0);
        Types[0].next = &Types[1];
        Types[1].prev = &Types[0];
        Types[1].next = &Types[2];
        Types[2].prev = &Types[1];
        Nchw_Type_Head = &Types[0];
        Nchw_Type_Tail = &Types[2];
        Nchw_Einw_Table_Init(2);
        Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
        Nchw_Einw_Table_Add(2, "S", 2, 6, 0, 2, 0);
        Nchw_Lf_Table_Init(2);
        Nchw_Lf_Table_Add(1, "g", 0, 0);
        Nchw_Lf_Table_Add(2, "s", 1, 0);
        Set_Lkom_Limits(3000, 2000, 1000, 100);
    }
    void TearDown() override
    {
        Free_All_Nachweise();
        Nchw_Type_Head = Nchw_Type_Tail = nullptr;
        Nchw_Lf_Table_Init(0);
        Nchw_Einw_Table_Init(0);
        Xtr_Message_Switch = 0;
        Nchw_Sheet.open = 0;
        Nchw_Tree = nullptr;
        Remove_Nchw_Sheet_Entries();
    }
    Nchw_Rec *Check(int32_t number, Nchw_Type_Rec *type, const char *name = "Nachweis")
    {
        Nchw_Rec *c = New_Nachweis();
        c->number = number;
        snprintf(c->name, sizeof c->name, "%s", name);
        c->type = type;
        c->flags = 1;
        return c;
    }
    Lkom_Rec *Lkom(Nchw_Rec *c, int32_t number)
    {
        Lkom_Rec *l = New_Lkom(c);
        l->number = number;
        snprintf(l->name, sizeof l->name, "LK %d", (int)number);
        c->lkom_count++;
        return l;
    }
    /* A sheet of the right place for pages and trees drawn outside Nachweise_Sheet. */
    void Open_Frame()
    {
        Define_Prop_Sheet(330, 180, 949, 779, 1, 0, "Verwaltung der Nachweise", 0, 1);
        Activate_Prop_Sheet();
        Nchw_Sheet = Nchw_Sheet_Rec{};
        Nchw_Sheet.x = 330;
        Nchw_Sheet.y = 180;
        Nchw_Sheet.open = 1;
    }
    void Close_Frame()
    {
        Clear_Nchw_TreeView(0);
        if (Nchw_Tree) deleteTreeView(Nchw_Tree);
        Nchw_Tree = nullptr;
        Nchw_Sheet.open = 0;
        Undefine_Prop_Sheet();
    }
};

} // namespace

TEST_F(Sheet, TreeHoldsTheChecksAndRestoresTheSelectedCollective)
{
    Open_Frame();
    Build_Nchw_TreeView(1);
    ASSERT_NE(Nchw_Tree, nullptr);
    EXPECT_EQ(Nchw_Tree_Item_Of(0, nullptr), nullptr); /* only the root */
    Nchw_Rec *c1 = Check(1, &Types[1]);
    Nchw_Rec *c2 = Check(2, &Types[1]);
    Lkom(c2, 1);
    Lkom_Rec *l3 = Lkom(c2, 3);
    (void)c1;
    Clear_Nchw_TreeView(0);
    Build_Nchw_TreeView(0);
    TreeViewItem *item = Nchw_Tree_Item_Of(2, l3);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ((intptr_t)item, l3->tree_item);
    /* a click on the collective shows its page and remembers it */
    Nchw_Tree_Event(Nchw_Tree, item, 1, 0);
    EXPECT_EQ(Nchw_Current_Lkom, l3);
    EXPECT_EQ(Nchw_Tree_Sel[0], 2);
    EXPECT_EQ(Nchw_Tree_Sel[2], 3);
    /* rebuilding keeps the selection on the same collective */
    Clear_Nchw_TreeView(0);
    Build_Nchw_TreeView(0);
    EXPECT_EQ(Nchw_Tree_Sel[2], 3);
    EXPECT_EQ(getTreeViewSelection(Nchw_Tree), (TreeViewItem *)l3->tree_item);
    /* a filter hides checks of other types */
    Nchw_Tree_Filter = [](int32_t id) { return id == 601 ? 1 : 0; };
    Clear_Nchw_TreeView(0);
    Build_Nchw_TreeView(0);
    EXPECT_EQ(c2->tree_item, 0);
    Nchw_Tree_Filter = nullptr;
    Close_Frame();
}

TEST_F(Sheet, ClickOnTheRootShowsTheHintPage)
{
    Check(1, &Types[1]);
    Open_Frame();
    Build_Nchw_TreeView(1);
    Nchw_Rec *c = Nchw_List_Head;
    Show_Nchw_Properties(c);
    EXPECT_EQ(Nchw_Current, c);
    /* the root is the parent of the check's item: select it through the selection path */
    TreeViewItem *check_item = (TreeViewItem *)c->tree_item;
    ASSERT_NE(check_item, nullptr);
    ZW_Test_Clear_Log();
    Show_Nchw_Hint_Page();
    EXPECT_EQ(Nchw_Current, nullptr);
    EXPECT_TRUE(Has_Text(" Klicken Sie auf den nebenstehend"));
    EXPECT_TRUE(Has_Text(" Klicken Sie im Baumfenster auf einen"));
    EXPECT_EQ(Nchw_Tree_Sel[0], -1);
    Close_Frame();
}

TEST_F(Sheet, SummaryOfADeactivatedCheckStandsTwentyPixelsLower)
{
    Nchw_Rec *c = Check(1, &Types[1]);
    Open_Frame();
    Show_Nchw_Properties(c);
    const int k_on = Nchw_Summary_K;
    EXPECT_EQ(k_on, 20 + 41);
    c->flags = 0;
    ZW_Test_Clear_Log();
    Show_Nchw_Properties(c);
    EXPECT_EQ(Nchw_Summary_K, k_on + 20);
    EXPECT_TRUE(Has_Text(" Der Nachweis ist deaktiviert!"));
    EXPECT_TRUE(Has_Text(" Extremierungen erlaubt"));
    EXPECT_TRUE(Has_Text(" Lastkollektive erlaubt"));
    EXPECT_TRUE(Has_Text(" Kombinationsregel: Eurocode"));
    EXPECT_TRUE(Has_Text(" nicht vorhanden"));
    /* two selectors leave 26 more pixels of summary than three */
    Types[1].selector_count = 3;
    Show_Nchw_Properties(c);
    const int three = Nchw_Summary_Bottom;
    Types[1].selector_count = 2;
    Show_Nchw_Properties(c);
    EXPECT_EQ(Nchw_Summary_Bottom, three + 26);
    /* a serviceability type with an unknown combination shows the free line and keeps 7 */
    Types[1].ints4_10[0] = 2;
    Types[1].ints4_10[2] = 12;
    ZW_Test_Clear_Log();
    Show_Nchw_Properties(c);
    EXPECT_TRUE(Has_Text(" für frei wählbare Kombinationen"));
    EXPECT_EQ(Types[1].ints4_10[2], 7);
    Close_Frame();
}

TEST_F(Sheet, OptionDependenciesSwitchAChainAtOnce)
{
    Nchw_Type_Rec &t = Types[1];
    t.option_count = 3;
    t.options[0] = Nchw_Option_Entry{1, 1, 0, 0, 1, 0, 0, 0, 0, "A"};
    t.options[1] = Nchw_Option_Entry{2, 1, 0, 0, 1, 1, 0, 10, 0, "B"};
    t.options[2] = Nchw_Option_Entry{3, 1, 0, 0, 1, 2, 0, 20, 0, "C"};
    int act[20];
    int32_t values[20] = {0, 1, 1};
    Nchw_Option_Activity(&t, values, 0, act);
    EXPECT_EQ(act[1], -1);
    EXPECT_EQ(act[2], -1);
    values[0] = 1;
    Nchw_Option_Activity(&t, values, 0, act);
    EXPECT_EQ(act[1], 1);
    EXPECT_EQ(act[2], 1);
}

TEST_F(Sheet, OptionsDialogKeepsARadioGroupInItsFirstSlot)
{
    Nchw_Type_Rec &t = Types[1];
    t.option_count = 3;
    t.dialog_width = 300;
    t.dialog_height = 200;
    for (int i = 0; i < 3; i++)
        t.options[i] = Nchw_Option_Entry{i + 1, 2, 5, i + 1, 0, 0, 0, 0, 0, "R"};
    int32_t values[20] = {1, 2, 3};
    /* sheet (490, 380): buttons at y 426 + 19 i; click the third, then OK at (752, 552) */
    ZW_Test_Set_Script("click 509 469\nclick 760 560\n");
    EXPECT_EQ(Edit_Nchw_Options(&t, values), 1);
    EXPECT_EQ(values[0], 3);
    EXPECT_EQ(values[1], 0);
    EXPECT_EQ(values[2], 0);
    /* cancel changes nothing */
    ZW_Test_Set_Script("click 509 430\nclick 508 560\n");
    EXPECT_EQ(Edit_Nchw_Options(&t, values), 0);
    EXPECT_EQ(values[0], 3);
    /* without entries only a message */
    t.option_count = 0;
    ZW_Test_Set_Script("answer yes\n");
    EXPECT_EQ(Edit_Nchw_Options(&t, values), 0);
    EXPECT_TRUE(
        Has_Line("MESSAGE [] Für den aktuell ausgewählten | Nachweis sind keine optionalen | "
                 "Einstellungen verfügbar"));
}

TEST_F(Sheet, ExtremalRuleModeSwitchAsksOnlyWhenTheRowsDiffer)
{
    Nchw_Rec *c = Check(1, &Types[1]);
    Xtr_Rule_Rec *x = New_Xtr_Rule(c);
    x->owner = c;
    x->number = 1;
    x->mode = 2;
    int32_t n = 0, R, M, K, Z;
    x->rows = Build_Standard_Xtr_Table(c, &n, &R, &M, &K, &Z);
    x->row_count = n;
    ASSERT_GT(n, 0);
    Show_Xtr_Properties(x);
    ZW_Test_Clear_Log();
    Set_Xtr_Mode(1);
    EXPECT_EQ(x->mode, 1);
    for (auto &l : ZW_Test_Log_Lines()) EXPECT_NE(l.rfind("QUESTION", 0), 0u);
    /* changed rows: "no" keeps them and the user-defined mode */
    x->mode = 2;
    x->rows[0].psi_dom = 0.123;
    ZW_Test_Set_Script("answer no\n");
    Set_Xtr_Mode(1);
    EXPECT_EQ(x->mode, 2);
    EXPECT_DOUBLE_EQ(x->rows[0].psi_dom, 0.123);
    EXPECT_TRUE(
        Has_Line("QUESTION [] Soll der Tabelleninhalt auf | \"Standard\" | zurückgesetzt werden?"));
    /* "yes" takes the standard rows */
    ZW_Test_Set_Script("answer yes\n");
    Set_Xtr_Mode(1);
    EXPECT_EQ(x->mode, 1);
    EXPECT_NE(x->rows[0].psi_dom, 0.123);
    EXPECT_EQ(x->comb_rule[0], R);
    /* rule 8 shows no psi heads */
    x->comb_rule[0] = 8;
    ZW_Test_Clear_Log();
    Show_Xtr_Properties(x);
    EXPECT_FALSE(Has_Text(" ψ"));
    x->comb_rule[0] = 2;
    ZW_Test_Clear_Log();
    Show_Xtr_Properties(x);
    EXPECT_TRUE(Has_Text(" ψ"));
}

TEST_F(Sheet, CollectivePageButtonsAndTheTakenTable)
{
    Nchw_Rec *c = Check(1, &Types[1]);
    Lkom_Rec *l = Lkom(c, 1);
    Open_Frame();
    Make_Lkom_Page_Controls(330, 180);
    Show_Lkom_Properties(l);
    EXPECT_EQ(ActivState_of_Button_PS(Nchw_Sheet.h_lkom_button[0]), 0);
    EXPECT_EQ(ActivState_of_Button_PS(Nchw_Sheet.h_lkom_button[1]), 0);
    EXPECT_EQ(ActivState_of_Button_PS(Nchw_Sheet.h_lkom_button[2]), 1);
    Lkom_Rec *l2 = Lkom(c, 2);
    Show_Lkom_Properties(l);
    EXPECT_EQ(ActivState_of_Button_PS(Nchw_Sheet.h_lkom_button[0]), 1);
    (void)l2;
    /* mode 2: the factor acts on psi; gamma 0 becomes 1 and psi the factor */
    Nchw_Sheet.lkom_edit_mode = 2;
    double *r0 = Nchw_Sheet.lkom_table[0];
    r0[0] = 4;
    r0[1] = 0.5;
    r0[2] = 1.5;
    r0[3] = 1.2;
    Take_Lkom_Page_Table();
    ASSERT_EQ(l->row_count, 1);
    EXPECT_EQ(l->rows[0].number, 4);
    EXPECT_DOUBLE_EQ(l->rows[0].psi, 0.8);
    EXPECT_DOUBLE_EQ(l->rows[0].gamma, 1.5);
    r0 = Nchw_Sheet.lkom_table[0];
    r0[2] = 0.0;
    r0[3] = 0.7;
    Take_Lkom_Page_Table();
    EXPECT_DOUBLE_EQ(l->rows[0].gamma, 1.0);
    EXPECT_DOUBLE_EQ(l->rows[0].psi, 0.7);
    /* mode 3 acts on gamma; mode 1 multiplies */
    Nchw_Sheet.lkom_edit_mode = 3;
    r0[1] = 0.5;
    r0[2] = 9;
    r0[3] = 0.6;
    Take_Lkom_Page_Table();
    EXPECT_DOUBLE_EQ(l->rows[0].gamma, 1.2);
    Nchw_Sheet.lkom_edit_mode = 1;
    r0[1] = 0.5;
    r0[2] = 1.5;
    r0[3] = 99;
    Take_Lkom_Page_Table();
    EXPECT_DOUBLE_EQ(l->rows[0].factor, 0.75);
    /* an emptied table leaves the collective without rows */
    r0[0] = 0;
    Take_Lkom_Page_Table();
    EXPECT_EQ(l->row_count, 0);
    EXPECT_EQ(l->rows, nullptr);
    Close_Frame();
}

/* The edit mode opens its columns; the column it recomputes stands in the background colour
** (activity -2), the other closed ones in black (-1). Columns: number, psi, gamma, factor. */
TEST_F(Sheet, CollectivePageShowsTheRecomputedColumnInTheBackgroundColour)
{
    Nchw_Rec *c = Check(1, &Types[1]);
    Lkom_Rec *l = Lkom(c, 1);
    Open_Frame();
    Make_Lkom_Page_Controls(330, 180);
    const int expect[4][4] = {{-1, -1, -1, -1}, {1, 1, 1, -2}, {1, -2, -1, 1}, {1, -1, -2, 1}};
    for (int mode = 0; mode < 4; mode++) {
        Nchw_Sheet.lkom_edit_mode = mode;
        Show_Lkom_Properties(l);
        for (int col = 0; col < 4; col++) {
            EXPECT_EQ(ActivState_of_Button_PS(Nchw_Sheet.h_lkom_table[0][col]), expect[mode][col])
                << "mode " << mode << ", column " << col;
            EXPECT_EQ(ActivState_of_Button_PS(Nchw_Sheet.h_lkom_table[LKOM_PAGE_ROWS - 1][col]),
                      expect[mode][col]);
        }
    }
    Close_Frame();
}

TEST_F(Sheet, GenerationRulePageCountTexts)
{
    Nchw_Rec *c = Check(1, &Types[1], "N1");
    GenRule_Rec *g = New_GenRule(c);
    g->owner = c;
    g->generated_count = -3500;
    EXPECT_STREQ(GenRule_Count_Text(g), "zu viele Lastkollektive");
    g->generated_count = -2500;
    EXPECT_STREQ(GenRule_Count_Text(g), "\x81"
                                        "ber 2500 Lastkollektive");
    g->generated_count = 0;
    EXPECT_STREQ(GenRule_Count_Text(g), "0 Lastkollektive");
    ZW_Test_Clear_Log();
    g->generated_count = -3500;
    Nchw_Sheet = Nchw_Sheet_Rec{};
    Nchw_Sheet.x = 330;
    Nchw_Sheet.y = 180;
    Show_GenRule_Properties(g);
    EXPECT_EQ(Nchw_Current_GenRule, g);
    EXPECT_TRUE(Has_Line("TEXT 747 451 zu viele Lastkollektive"));
    EXPECT_TRUE(Has_Line("TEXT 748 451 zu viele Lastkollektive"));
}

TEST_F(Sheet, NewCollectiveDialogPreselectsTheFirstCheckThatTakesCollectives)
{
    Nchw_Rec *c1 = Check(1, &Types[2], "A");
    Nchw_Rec *c2 = Check(2, &Types[1], "B");
    Check(3, &Types[2], "C");
    Lkom(c2, 1);
    Lkom(c2, 2);
    Lkom(c2, 7);
    EXPECT_EQ(Next_Lkom_Number(c2), 8);
    EXPECT_EQ(Next_Lkom_Number(c1), 1);
    Nchw_Current = c1;
    /* sheet (502, 386): OK at (737, 545); the type dialog that follows is cancelled */
    ZW_Test_Set_Script("click 745 552\nclick 360 672\n");
    New_Lkom_Dialog();
    EXPECT_EQ(c2->lkom_count, 4);
    EXPECT_EQ(c2->lkom_tail->number, 8);
    EXPECT_STREQ(c2->lkom_tail->name, "Lastkollektiv 8               ");
    EXPECT_EQ(c1->lkom_count, 0);

    /* choosing the red check A: message, the list returns to B */
    ZW_Test_Set_Script("click 530 512\nanswer yes\nclick 745 552\nclick 360 672\n");
    New_Lkom_Dialog();
    EXPECT_TRUE(
        Has_Line("MESSAGE [] Dem soeben ausgewählten Nachweis | kann im aktuellen Rechenmodus | "
                 "kein Lastkollektiv zugeordnet werden!"));
    EXPECT_EQ(c2->lkom_count, 5);

    /* no check takes extremal rules of type 601 only: the first message */
    Free_All_Nachweise();
    Check(1, &Types[0]);
    ZW_Test_Set_Script("answer yes\n");
    New_Xtr_Dialog();
    EXPECT_TRUE(Has_Line(
        "MESSAGE [] Es existiert zur Zeit kein Nachweis, | dem im aktuellen Rechenmodus eine | "
        "Extremierung zugeordnet werden kann."));
}

TEST_F(Sheet, SheetCreatesCheckOneForANumberZeroAndEndsWithEnde)
{
    /* new check: number field at (455, 386), type list row 1 at y 462, OK at (790, 596) */
    ZW_Test_Set_Script("click 380 630\n"
                       "click 460 392\ntype 0\nkey Enter\n"
                       "click 500 462\n"
                       "click 800 605\nanswer yes\n"
                       "click 780 685\n");
    Nchw_Args_Rec args = Nchw_Args_Default;
    args.values[1] = 5;
    EXPECT_EQ(Nachweise_Sheet(&args), 1);
    EXPECT_TRUE(Has_Line("MESSAGE [] Nachweisnummer muß | größer als 0 sein!"));
    ASSERT_NE(Nchw_List_Head, nullptr);
    EXPECT_EQ(Nchw_List_Head->number, 1);
    EXPECT_EQ(Nchw_List_Head->type, &Types[1]);
    EXPECT_STREQ(Nchw_List_Head->name, "Querkraft");
    EXPECT_EQ(Nchw_List_Head->xtr_count, 1);
    EXPECT_STREQ(Nchw_List_Head->xtr_head->name, "Standardkombination           ");
    EXPECT_EQ(args.values[1], 5);
    /* the close box ends it with 0 */
    ZW_Test_Set_Script("key Esc\n");
    EXPECT_EQ(Run_Nachweise_Sheet(), 0);
}

TEST_F(Sheet, DeletingTheOnlyCollectiveShowsItsCheck)
{
    Nchw_Rec *c = Check(1, &Types[1]);
    Lkom_Rec *l = Lkom(c, 1);
    Nchw_Current_Lkom = l;
    ZW_Test_Set_Script("answer yes\n");
    Delete_Current_Nchw_Object();
    EXPECT_EQ(c->lkom_count, 0);
    EXPECT_EQ(c->lkom_head, nullptr);
    EXPECT_EQ(Nchw_Current, c);
    EXPECT_TRUE(Has_Line("QUESTION [] aktuelles Lastkollektiv löschen?"));
    /* "no" keeps the check */
    ZW_Test_Set_Script("answer no\n");
    Delete_Current_Nchw_Object();
    EXPECT_EQ(Nchw_List_Head, c);
    ZW_Test_Set_Script("answer yes\n");
    Delete_Current_Nchw_Object();
    EXPECT_EQ(Nchw_List_Head, nullptr);
    EXPECT_EQ(Nchw_Current, nullptr);
}

TEST_F(Sheet, ExtraEntriesStopAtFour)
{
    static int called;
    called = 0; /* the entry's function takes no context: the count lives here, fresh per run */
    for (int i = 0; i < 5; i++) Add_Nchw_Sheet_Entry("Eintrag", "Zusatz", [] { called++; });
    EXPECT_EQ(Nchw_Sheet_Entry_Count(), 4);
    /* the first extra entry sits in slot 11 at (838, 662) */
    ZW_Test_Set_Script("click 880 685\nkey Esc\n");
    Run_Nachweise_Sheet();
    EXPECT_EQ(called, 1);
}

TEST_F(Sheet, SelectorButtonsFollowTheStartArgumentsAndKeysMoveThroughTheTree)
{
    Types[1].selector_count = 1;
    Types[1].selector_types[0] = 2;
    snprintf(Types[1].selector_names[0], sizeof Types[1].selector_names[0],
             "St\x84"
             "be");
    Nchw_Rec *c = Check(1, &Types[1]);
    Check(2, &Types[1]);
    c->selector_modes[0] = 2;
    /* the cursor key on the strip below the buttons shows the first check; its only selector
    ** uses the lowest control slot: the mode button at (800, 572) */
    const std::string script =
        "move 600 772\nkey Down\nclick 805 580\nkey Down\nkey Enter\nkey Esc\n";
    Nchw_Args_Rec args = Nchw_Args_Default;
    args.values[0] = 128;
    ZW_Test_Set_Script(script);
    Nachweise_Sheet(&args);
    EXPECT_EQ(c->selector_modes[0], 2);
    EXPECT_TRUE(Has_Text(" Querkraft")); /* the check's page was shown */
    EXPECT_FALSE(Has_Text(" für ausgewählte Stäbe"));
    args.values[0] = 0;
    ZW_Test_Set_Script(script);
    Nachweise_Sheet(&args);
    EXPECT_EQ(c->selector_modes[0], 0);
    EXPECT_TRUE(Has_Text(" für alle Stäbe"));
    EXPECT_TRUE(Has_Line("MENU für alle Stäbe | nicht für Stäbe | für ausgewählte Stäbe"));
    /* two steps down reach the extremal rule-less second check; Del there deletes it */
    ZW_Test_Set_Script("move 600 772\nkey Down\nkey Down\nkey Del\nanswer yes\nkey Esc\n");
    Run_Nachweise_Sheet();
    EXPECT_EQ(Nchw_List_Head, c);
    EXPECT_EQ(c->next, nullptr);
}

TEST_F(Sheet, GenerationFromTheSheetAndTheHooksOfTheRefresh)
{
    Nchw_Rec *c = Check(1, &Types[1]);
    /* "Lastkollektive generieren" (slot 3 at (638, 608)); in the dialog (320, 220) generate at
    ** (760, 710); on the result sheet take the collectives over (382, 455), confirm (880, 675);
    ** then "Ende Nachweise" */
    ZW_Test_Set_Script(
        "click 680 630\nclick 760 710\nclick 382 455\nclick 880 675\nclick 780 685\n");
    EXPECT_EQ(Run_Nachweise_Sheet(), 1);
    EXPECT_GT(c->lkom_count, 0);
    EXPECT_EQ(Nchw_Tree_Rebuild_Hook, nullptr);
    EXPECT_EQ(Xtr_Rule_Page_Hook, nullptr);
    EXPECT_EQ(Nchw_Gui_Mode, 0);
}

TEST_F(Sheet, TheEditedTableOfAnExtremalRuleIsTakenRowByRow)
{
    Nchw_Rec *c = Check(1, &Types[1]);
    Xtr_Rule_Rec *x = New_Xtr_Rule(c);
    x->owner = c;
    x->number = 1;
    x->mode = 2;
    x->rows = (Xtr_Row *)calloc(2, sizeof(Xtr_Row));
    x->row_count = 2;
    x->rows[0] = Xtr_Row{1, 1.0, 0.7, 1.35, 1.0};
    x->rows[1] = Xtr_Row{2, 1.0, 0.5, 1.5, 0.0};
    Show_Xtr_Properties(x);
    /* the shown table: two rows and a new one of 0 and 1.0 */
    EXPECT_DOUBLE_EQ(Nchw_Sheet.xtr_table[1][2], 0.5);
    EXPECT_DOUBLE_EQ(Nchw_Sheet.xtr_table[2][0], 0.0);
    EXPECT_DOUBLE_EQ(Nchw_Sheet.xtr_table[2][3], 1.0);
    Nchw_Sheet.xtr_table[1][2] = 0.6;
    Nchw_Sheet.xtr_table[2][0] = 7;
    Nchw_Sheet.xtr_table[2][1] = 0.9;
    Take_Xtr_Page_Table();
    ASSERT_EQ(x->row_count, 3);
    EXPECT_DOUBLE_EQ(x->rows[1].psi_sub, 0.6);
    EXPECT_EQ(x->rows[2].number, 7);
    EXPECT_DOUBLE_EQ(x->rows[2].psi_dom, 0.9);
    EXPECT_DOUBLE_EQ(x->rows[2].gamma_inf, 1.0);
    EXPECT_EQ(Nchw_Tree_Sel[1], 1);
    EXPECT_EQ(Nchw_Tree_Sel[0], 1);
}

TEST_F(Sheet, LongTablesScrollAndKeepTheRowsOutsideTheView)
{
    Nchw_Rec *c = Check(1, &Types[1]);
    Lkom_Rec *l = Lkom(c, 1);
    l->row_count = 20;
    l->rows = (Lkom_Row *)calloc(20, sizeof(Lkom_Row));
    for (int i = 0; i < 20; i++) l->rows[i] = Lkom_Row{i + 1, 1, 1.0, 1.0, 1.0};
    Show_Lkom_Properties(l);
    EXPECT_DOUBLE_EQ(Nchw_Sheet.lkom_table[15][0], 16.0);
    Nchw_Sheet.lkom_edit_mode = 1;
    Scroll_Nchw_Page_Table(LKOM_PAGE_ROWS);
    EXPECT_EQ(Nchw_Sheet.lkom_top, 16);
    EXPECT_DOUBLE_EQ(Nchw_Sheet.lkom_table[0][0], 17.0);
    EXPECT_DOUBLE_EQ(Nchw_Sheet.lkom_table[4][0], 0.0); /* the new row */
    Nchw_Sheet.lkom_table[1][2] = 2.0;                  /* row 18: gamma 2 */
    Nchw_Sheet.lkom_table[4][0] = 30;                   /* a new row 30 */
    Take_Lkom_Page_Table();
    ASSERT_EQ(l->row_count, 21);
    EXPECT_EQ(l->rows[0].number, 1);
    EXPECT_DOUBLE_EQ(l->rows[17].factor, 2.0);
    EXPECT_EQ(l->rows[20].number, 30);
    EXPECT_EQ(Nchw_Sheet.lkom_top, 16);
    Scroll_Nchw_Page_Table(-100);
    EXPECT_EQ(Nchw_Sheet.lkom_top, 0);
}

TEST_F(Sheet, AutomaticRulesShowTheirSituationAndLoseItWithoutAutomaticRules)
{
    Nchw_Rec *c = Check(1, &Types[1]);
    Xtr_Rule_Rec *x = New_Xtr_Rule(c);
    x->owner = c;
    x->number = 3;
    x->mode = 2;
    x->auto_kind = 2;
    x->comb_rule[0] = 2;
    Auto_Xtr_Situations = 3;
    ZW_Test_Clear_Log();
    Show_Xtr_Properties(x);
    EXPECT_EQ(x->mode, 1);
    EXPECT_EQ(x->auto_kind, 2);
    EXPECT_TRUE(Has_Text(" automatisch, außergewöhnlich"));
    Auto_Xtr_Situations = 0;
    Show_Xtr_Properties(x);
    EXPECT_EQ(x->auto_kind, 0);
    /* a new rule takes the user-defined mode while automatic rules exist */
    Auto_Xtr_Situations = 1;
    Nchw_Current = c;
    ZW_Test_Set_Script("click 745 552\n");
    New_Xtr_Dialog();
    Auto_Xtr_Situations = 0;
    ASSERT_EQ(c->xtr_count, 1);
    EXPECT_EQ(c->xtr_tail->mode, 2);
    EXPECT_EQ(c->xtr_tail->number, 4);
    EXPECT_STREQ(c->xtr_tail->name, "Extremierung 4                ");
}

/* New automatic rules close the page of the current extremal rule: its edited psi is kept in the
** rule, its name and table controls go inactive and no rule stays current. */
TEST_F(Sheet, AutomaticRulesCloseThePageOfTheCurrentRule)
{
    Open_Frame();
    Make_Xtr_Page_Controls(330, 180);
    Nchw_Rec *c = Check(1, &Types[1]);
    Xtr_Rule_Rec *x = New_Xtr_Rule(c);
    x->owner = c;
    x->number = 1;
    x->mode = 2;
    x->rows = (Xtr_Row *)calloc(1, sizeof(Xtr_Row));
    x->row_count = 1;
    x->rows[0] = Xtr_Row{1, 1.0, 0.7, 1.35, 1.0};
    Show_Xtr_Properties(x);
    ASSERT_EQ(Nchw_Current_Xtr_Rule, x);
    EXPECT_EQ(ActivState_of_Button_PS(Nchw_Sheet.h_xtr_name), 1);
    Nchw_Sheet.xtr_table[0][2] = 0.6; /* psi_sub typed, not yet taken */
    Auto_Xtr_Situations = 1;
    Build_Auto_Xtr_Rules(c);
    Auto_Xtr_Situations = 0;
    EXPECT_EQ(Nchw_Current_Xtr_Rule, nullptr);
    EXPECT_LE(ActivState_of_Button_PS(Nchw_Sheet.h_xtr_name), 0);
    EXPECT_LE(ActivState_of_Button_PS(Nchw_Sheet.h_xtr_table[0][2]), 0);
    EXPECT_DOUBLE_EQ(x->rows[0].psi_sub, 0.6); /* the user rule stays, with the edit */
    EXPECT_EQ(c->xtr_head->number, 1);         /* "automatisch (suv Bs)" first */
    EXPECT_EQ(x->number, 2);
    Close_Frame();
}

/* Moving the sheet by its title band: the pages follow it (the next page is drawn at the moved
** corner) before the next code is handled. */
TEST_F(Sheet, PagesFollowAMovedSheet)
{
    Check(1, &Types[1]);
    ZW_Test_Set_Script("press 600 190\nmove 640 220\nrelease 640 220\nkey Esc\n");
    EXPECT_EQ(Run_Nachweise_Sheet(), 0);
    EXPECT_TRUE(Has_Line("MOVE 1 40 30")) << "the sheet was not dragged";
    EXPECT_EQ(Nchw_Sheet.x, 370);
    EXPECT_EQ(Nchw_Sheet.y, 210);
    /* the sheet keeps its place for the next opening: dragged back, the next sheet stands where
    ** the other tests expect it */
    ZW_Test_Reset();
    ZW_Test_Set_Script("press 640 220\nmove 600 190\nrelease 600 190\nkey Esc\n");
    EXPECT_EQ(Run_Nachweise_Sheet(), 0);
    EXPECT_TRUE(Has_Line("SHEET 1 370 210 989 809 Verwaltung der Nachweise"))
        << "not opened at the moved place";
    EXPECT_TRUE(Has_Line("MOVE 1 -40 -30")) << "the sheet was not dragged back";
    EXPECT_EQ(Nchw_Sheet.x, 330);
    EXPECT_EQ(Nchw_Sheet.y, 180);
}
