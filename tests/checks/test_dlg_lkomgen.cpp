/*
** Tests of the load-collective generation dialog: moving entries between the list windows by
** drag and drop (windows 21 to 23 and the joint groups), the window states they give, the
** joint-group scale, the way preselected after a run, and the check that must take collectives.
*/
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "checks/checks.h"
#include "platform/zelkwin.h"
#include "tests/platform/gui_log.h"

namespace {

std::vector<int> Numbers(const Lkom_Window_Entry *l)
{
    std::vector<int> v;
    for (int32_t i = 0; l && i < Lkom_Window_Count(l); i++)
        v.push_back(l[i].kind == 2   ? ((Nchw_Lf_Row *)l[i].row)->number
                    : l[i].kind == 3 ? -((Nchw_Imp_Row *)l[i].row)->number
                                     : 1000 + ((Joint_Group_Rec *)l[i].row)->index);
    return v;
}

class LkomGen : public ::testing::Test {
  protected:
    Nchw_Type_Rec type{};
    Nchw_Rec *check = nullptr;
    void SetUp() override
    {
        ZW_Test_Reset();
        Free_All_Nachweise();
        Xtr_Message_Switch = 1;
        Nchw_Compute_Mode_Index = 0;
        Nchw_Einw_Table_Init(2);
        Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
        Nchw_Einw_Table_Add(2, "S", 2, 6, 0, 2, 0);
        Nchw_Lf_Table_Init(3);
        Nchw_Lf_Table_Add(11, "g", 0, 0);
        Nchw_Lf_Table_Add(12, "s1", 1, 0);
        Nchw_Lf_Table_Add(13, "s2", 1, 0);
        Nchw_Imp_Table_Init(1);
        Nchw_Imp_Table_Add(4, "Schief");
        snprintf(type.name, sizeof type.name, "%-50s", "Biegung");
        type.ints0_3[0] = 801;
        type.ints0_3[2] = 1;
        type.ints0_3[3] = 1;
        type.ints4_10[0] = 1;
        type.ints4_10[1] = 1;
        type.ints4_10[2] = 1;
        type.ints4_10[3] = 1;
        type.ints4_10[4] = 2;
        type.ints4_10[5] = 2;
        type.ints4_10[6] = 1;
        check = New_Nachweis();
        check->number = 1;
        snprintf(check->name, sizeof check->name, "N1");
        check->type = &type;
        Reset_Lkom_Gen_Settings();
        Apply_GenRule_To_Tables(nullptr);
    }
    void TearDown() override
    {
        Free_Lkom_Windows();
        Free_All_Nachweise();
        Nchw_Lf_Table_Init(0);
        Nchw_Einw_Table_Init(0);
        Nchw_Imp_Table_Init(0);
        Xtr_Message_Switch = 0;
        Reset_Lkom_Gen_Settings();
    }
};

} // namespace

TEST_F(LkomGen, MovingFromWindow21To22MakesTheLoadCaseAlwaysUnfavourable)
{
    EXPECT_EQ(Numbers(Lkom_Window_Of(21)), (std::vector<int>{11, 12, 13, -4}));
    ASSERT_EQ(Lkom_Window_Move(21, 1, 22), 1);
    EXPECT_EQ(Numbers(Lkom_Window_Of(21)), (std::vector<int>{11, 13, -4}));
    EXPECT_EQ(Numbers(Lkom_Window_Of(22)), (std::vector<int>{12}));
    /* the target list is sorted: load cases by table order, imperfections after them */
    Lkom_Window_Move(21, 2, 22);
    Lkom_Window_Move(21, 0, 22);
    EXPECT_EQ(Numbers(Lkom_Window_Of(22)), (std::vector<int>{11, 12, -4}));
    /* the same window, or a window of no list, changes nothing */
    EXPECT_EQ(Lkom_Window_Move(22, 0, 22), 0);
    EXPECT_EQ(Lkom_Window_Move(22, 0, 40), 0);
    Lkom_Windows_To_States();
    EXPECT_EQ(Nchw_Lf_Table.rows[1].gen[LF_GEN_WINDOW], 2);
    EXPECT_EQ(Nchw_Lf_Table.rows[2].gen[LF_GEN_WINDOW], 3);
}

TEST_F(LkomGen, ALoadCaseInAJointGroupTakesTheGroupsState)
{
    /* group 2 is shown in window 33 with the scale at "1-2" */
    Scroll_Joint_Group_Windows(1, 0);
    EXPECT_EQ(Lkom_Joint_First, 0);
    Lkom_Window_Move(31, 1, 33); /* s1 into group 2 */
    EXPECT_EQ(Numbers(Lkom_Joint_List[1]), (std::vector<int>{12}));
    Lkom_Windows_To_States();
    /* group 2 entered window 21 as one entry; move it to window 23 (always favourable) */
    const std::vector<int> w21 = Numbers(Lkom_Window_Of(21));
    const auto it = std::find(w21.begin(), w21.end(), 1001);
    ASSERT_NE(it, w21.end());
    EXPECT_EQ(Lkom_Window_Move(21, (int)(it - w21.begin()), 23), 1);
    Lkom_Windows_To_States();
    EXPECT_EQ(Nchw_Lf_Table.rows[1].gen[LF_GEN_WINDOW], 1);
    EXPECT_EQ(Numbers(Lkom_Window_Of(23)), (std::vector<int>{1001}));
    /* a joint group never enters a joint group */
    EXPECT_EQ(Lkom_Window_Move(23, 0, 32), 0);
}

TEST_F(LkomGen, TheScaleChoosesThePairOfJointGroups)
{
    Scroll_Joint_Group_Windows(1, 349);
    EXPECT_EQ(Lkom_Joint_First, 0);
    Scroll_Joint_Group_Windows(1, 350);
    EXPECT_EQ(Lkom_Joint_First, 1);
    Scroll_Joint_Group_Windows(1, 3849);
    EXPECT_EQ(Lkom_Joint_First, 7);
    Scroll_Joint_Group_Windows(1, 9000);
    EXPECT_EQ(Lkom_Joint_First, 7);
    Scroll_Joint_Group_Windows(1, 0);
}

TEST_F(LkomGen, TooManyCollectivesLeaveOnlyTheRule)
{
    Set_Lkom_Limits(3000, 3000, 2000, 100);
    Lkom_Gen_Rule_Edit = 0;
    Lkom_Gen_Rules_Excluded = 0;
    EXPECT_EQ(Lkom_Gen_Preselected_Way(150), 2);
    EXPECT_EQ(Lkom_Gen_Preselected_Way(50), 2); /* a rule may be stored for 50 */
    Lkom_Gen_Rules_Excluded = 1;
    EXPECT_EQ(Lkom_Gen_Preselected_Way(50), 1);
    EXPECT_EQ(Lkom_Gen_Preselected_Way(150), 0);
    Lkom_Gen_Rules_Excluded = 0;
    Set_Lkom_Limits(-1, 3000, 2000, 100);
    EXPECT_EQ(Lkom_Gen_Preselected_Way(50), 1);
    Set_Lkom_Limits(3000, 3000, 2000, 100);
}

TEST_F(LkomGen, DialogDragsAnEntryAndCancelKeepsTheCheck)
{
    /* sheet (320, 220); register member "Die Lastfälle wirken ..." at x 602..762; window 21 at
    ** (750, 340) with s1 in row 1 (y 373); window 22 at (545, 340) */
    ZW_Test_Set_Script("click 650 260\n"
                       "press 800 371\nmove 700 380\nmove 600 400\nrelease 600 400\n"
                       "click 500 260\nclick 650 260\n"
                       "click 360 715\n");
    Lkom_Generation_Dialog(nullptr);
    EXPECT_EQ(Nchw_Lf_Table.rows[1].gen[LF_GEN_WINDOW], 2);
    EXPECT_EQ(Nchw_Lf_Table.rows[0].gen[LF_GEN_WINDOW], 3);
    EXPECT_EQ(check->lkom_count, 0);
    EXPECT_EQ(Lkom_Window_List[0], nullptr); /* the lists were freed */
    EXPECT_TRUE(Has_Line("SHEET 1 320 220 959 739 Generierung von Lastkollektiven"));
}

TEST_F(LkomGen, WithoutACheckForCollectivesTheDialogOnlySaysSo)
{
    type.ints0_3[3] = 0;
    ZW_Test_Set_Script("answer yes\n");
    Lkom_Generation_Dialog(nullptr);
    EXPECT_TRUE(Has_Line(
        "MESSAGE [] Es existiert zur Zeit kein Nachweis, | dem im aktuellen Rechenmodus ein | "
        "Lastkollektiv zugeordnet werden kann."));
}

TEST_F(LkomGen, GeneratedCollectivesAreTakenOverAndNumbered)
{
    Lkom_Rec *old = New_Lkom(check);
    old->number = 5;
    check->lkom_count = 1;
    /* generate at (760, 710); on the result sheet (360, 260) choose the take-over (380, 450)
    ** and confirm (880, 675) */
    ZW_Test_Set_Script("click 760 710\nclick 382 455\nclick 880 675\n");
    Lkom_Generation_Dialog(nullptr);
    ASSERT_GT(check->lkom_count, 1);
    int32_t k = 1, n = 0;
    for (Lkom_Rec *l = check->lkom_head; l; l = l->next, k++, n++) {
        EXPECT_EQ(l->number, k);
        EXPECT_EQ(l->owner, check);
    }
    EXPECT_EQ(n, check->lkom_count);
    EXPECT_EQ(check->lkom_head, old);
    EXPECT_EQ(Auto_GenRule.lkom_head, nullptr);
    bool said = false;
    for (auto &l : ZW_Test_Log_Lines())
        said = said || l.find("Lastkollektive.") != std::string::npos;
    EXPECT_TRUE(said);
}

TEST_F(LkomGen, AStoredRuleKeepsTheSettingsInsteadOfCollectives)
{
    /* the rule is preselected for few collectives: generate and confirm */
    ZW_Test_Set_Script("click 760 710\nclick 880 675\n");
    Lkom_Generation_Dialog(nullptr);
    EXPECT_EQ(check->lkom_count, 0);
    ASSERT_EQ(check->genrule_count, 1);
    ASSERT_NE(check->genrule_head, nullptr);
    EXPECT_EQ(check->genrule_head->owner, check);
    EXPECT_EQ(Auto_GenRule.lkom_head, nullptr);
}

TEST_F(LkomGen, FactorPageAsksBeforeGoingBackToStandardFactors)
{
    /* register member "Faktorisierung" at (800, 260); "benutzerdefiniert" (535, 295),
    ** "standard" (435, 295) */
    ZW_Test_Set_Script("click 800 260\nclick 535 295\nclick 435 295\nanswer no\nclick 360 715\n");
    Lkom_Generation_Dialog(nullptr);
    EXPECT_TRUE(Has_Line("QUESTION [] Faktoren auf \"standard\" zurücksetzen?"));
    EXPECT_EQ(Lkom_Gen_Settings.factor_mode, 2);
    ZW_Test_Set_Script("click 800 260\nclick 535 295\nclick 435 295\nanswer yes\nclick 360 715\n");
    Lkom_Generation_Dialog(nullptr);
    EXPECT_EQ(Lkom_Gen_Settings.factor_mode, 1);
    EXPECT_EQ(Lkom_Gen_Settings.situation, 0);
}

TEST_F(LkomGen, MoreCollectivesThanMayBeTakenOverLeaveOnlyTheRule)
{
    Set_Lkom_Limits(3000, 3000, 2000, 0); /* L0 = 0: every run has too many */
    ZW_Test_Set_Script("click 760 710\nclick 382 455\nanswer yes\nclick 880 675\n");
    Lkom_Generation_Dialog(nullptr);
    EXPECT_TRUE(Has_Line(
        "MESSAGE [] Es ergeben sich zu viele | Lastkollektive für die | ausgewählte Methode!"));
    EXPECT_EQ(check->lkom_count, 0);
    EXPECT_EQ(check->genrule_count, 1);
    Set_Lkom_Limits(3000, 3000, 2000, 100);
}

TEST_F(LkomGen, ACheckWithoutCollectivesCannotBeChosen)
{
    Nchw_Type_Rec other = type;
    other.ints0_3[3] = 0;
    Nchw_Rec *c2 = New_Nachweis();
    c2->number = 2;
    snprintf(c2->name, sizeof c2->name, "N2");
    c2->type = &other;
    /* the check list at (540, 300): row 1 is N2 */
    ZW_Test_Set_Script("click 560 326\nanswer yes\nclick 360 715\n");
    Lkom_Generation_Dialog(nullptr);
    EXPECT_TRUE(
        Has_Line("MESSAGE [] Dem soeben ausgewählten Nachweis | kann im aktuellen Rechenmodus | "
                 "kein Lastkollektiv zugeordnet werden!"));
    EXPECT_EQ(Lkom_Gen_Settings.check_index, 0);
}
