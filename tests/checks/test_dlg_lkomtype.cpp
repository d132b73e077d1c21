/*
** Tests of the dialog of user-defined load collectives driven headless by scripts (stored
** settings and rows, a refused rule, the standard settings, cancel) and of the factor overview.
*/
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "checks/checks.h"
#include "platform/zelkwin.h"
#include "tests/platform/gui_log.h"

namespace {

void Fill(double *row, int n, double v)
{
    for (int i = 0; i < n; i++) row[i] = v;
}

/* Sheet at (340, 255): rule rows y 331 + 16 i, leading rows 453 + 16 i, state rows 539 / 555. */
const char *Click_Generate = "click 740 650\n";
const char *Click_Cancel = "click 360 672\n";
const char *Click_Standard = "click 860 605\n";

class LkomType : public ::testing::Test {
  protected:
    Nchw_Type_Rec type{};
    Nchw_Rec *check = nullptr;
    Lkom_Rec *lkom = nullptr;
    void SetUp() override
    {
        ZW_Test_Reset();
        Free_All_Nachweise();
        Reset_Beiwert_Tables();
        Xtr_Message_Switch = 1;
        Beiwert_Tables_Rec &B = Beiwert_Tables;
        const double gs[6] = {1.35, 1.5, 1.5, 1.5, 1.0, 1.0};
        std::copy(gs, gs + 6, B.Eurocode_gamma_sup1_norm);
        Fill(B.Eurocode_gamma_inf1_norm, 6, 1.0);
        Fill(B.Eurocode_psi_X, 11, 1.0);
        Fill(B.Eurocode_psi_0, 11, 0.6);
        Nchw_Einw_Table_Init(3);
        Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
        Nchw_Einw_Table_Add(2, "S", 2, 6, 0, 2, 0);
        Nchw_Einw_Table_Add(3, "W", 2, 7, 0, 3, 0);
        Nchw_Lf_Table_Init(3);
        Nchw_Lf_Table_Add(11, "g", 0, 0);
        Nchw_Lf_Table_Add(12, "s", 1, 0);
        Nchw_Lf_Table_Add(13, "w", 2, 0);
        for (int i = 0; i < 3; i++) Nchw_Lf_Table.rows[i].active = 1;
        strcpy(type.name, "Biegung");
        type.ints0_3[0] = 502;
        /* what the collectives may use (integers 5, 7, 9) is wider than the type's own choice
        ** (4, 6, 8): a dialog that reads the wrong integers refuses serviceability and DIN 18800 */
        type.ints4_10[0] = 1;         /* integer 4: ultimate limit state */
        type.ints4_10[1] = 3;         /* integer 5: both limit states */
        type.ints4_10[2] = 1;         /* integer 6: rare */
        type.ints4_10[3] = 1 | 2 | 4; /* integer 7: every combination */
        type.ints4_10[4] = 2;         /* integer 8: Eurocode */
        type.ints4_10[5] = 2 | 4;     /* integer 9: Eurocode and DIN 18800 */
        type.ints4_10[6] = 1;
        check = New_Nachweis();
        strcpy(check->name, "Nachweis 1");
        check->type = &type;
        lkom = New_Lkom(check);
        lkom->number = 1;
        strcpy(lkom->name, "Lastkollektiv 1");
        lkom->comb_rule = 2;
        lkom->default_comb_rules = 2;
        lkom->check_kind = 1;
        lkom->default_check_kinds = 2; /* standard: serviceability */
        lkom->combination = 1;
        lkom->default_combinations = 4; /* standard: quasi-permanent */
    }
    void TearDown() override
    {
        Free_All_Nachweise();
        Nchw_Lf_Table_Init(0);
        Nchw_Einw_Table_Init(0);
        Reset_Beiwert_Tables();
        Xtr_Message_Switch = 0;
    }
};

} // namespace

TEST_F(LkomType, GenerateStoresTheSettingsAndTheRowsOfTheLeadingAction)
{
    /* wind, the second action above kind 1, leads */
    ZW_Test_Set_Script(std::string("click 400 469\n") + Click_Generate);
    Lkom_Type_Dialog(&type, lkom);
    EXPECT_EQ(lkom->comb_rule, 2);
    EXPECT_EQ(lkom->check_kind, 1);
    EXPECT_EQ(lkom->combination, 1);
    EXPECT_EQ(lkom->leading_action[0], 2);
    ASSERT_EQ(lkom->row_count, 3);
    /* g: 1.35; s accompanying: 0.6 x 1.5 = 0.9; w leading: 1.0 x 1.5 */
    EXPECT_DOUBLE_EQ(lkom->rows[0].factor, 1.35);
    EXPECT_DOUBLE_EQ(lkom->rows[1].factor, 0.9);
    EXPECT_DOUBLE_EQ(lkom->rows[2].factor, 1.5);
    EXPECT_TRUE(
        Has_Line("SHEET 1 340 255 939 704 Programmgestütze Erzeugung von Lastkollektiv-Tabellen"));
    int x, y;
    Lkom_Type_Dialog_Origin(&x, &y);
    EXPECT_EQ(x, 340);
    EXPECT_EQ(y, 255);
}

TEST_F(LkomType, ServiceabilityThatTheTypeAllowsIsTaken)
{
    /* "Gebrauchstauglichkeit" (state row 555) and "quasiständig" (combination rows 597 + 16 i) */
    ZW_Test_Set_Script(std::string("click 400 555\nclick 400 629\n") + Click_Generate);
    Lkom_Type_Dialog(&type, lkom);
    EXPECT_FALSE(
        Has_Line("MESSAGE [] Rot dargestellte Listenelemente | sind im aktuellen Nachweis | "
                 "Biegung | nicht erlaubt!"));
    EXPECT_EQ(lkom->check_kind, 2);
    EXPECT_EQ(lkom->combination, 4);
}

TEST_F(LkomType, ARuleTheTypeForbidsIsRefusedAndCancelKeepsTheCollective)
{
    lkom->rows = (Lkom_Row *)calloc(1, sizeof(Lkom_Row));
    lkom->row_count = 1;
    Lkom_Row *old = lkom->rows;
    /* "DIN 1055-100" (row 0) is not allowed */
    ZW_Test_Set_Script(std::string("click 400 331\nanswer yes\n") + Click_Cancel);
    Lkom_Type_Dialog(&type, lkom);
    EXPECT_TRUE(
        Has_Line("MESSAGE [] Rot dargestellte Listenelemente | sind im aktuellen Nachweis | "
                 "Biegung | nicht erlaubt!"));
    EXPECT_EQ(lkom->rows, old);
    EXPECT_EQ(lkom->comb_rule, 2);

    /* the refusal keeps Eurocode: generating afterwards stores it */
    ZW_Test_Set_Script(std::string("click 400 331\nanswer yes\n") + Click_Generate);
    Lkom_Type_Dialog(&type, lkom);
    EXPECT_EQ(lkom->comb_rule, 2);
    EXPECT_EQ(lkom->row_count, 3);
}

TEST_F(LkomType, StandardTakesTheDefaultsAndDin18800StoresTheMainCombination)
{
    ZW_Test_Set_Script(std::string(Click_Standard) + Click_Generate);
    Lkom_Type_Dialog(&type, lkom);
    EXPECT_EQ(lkom->check_kind, 2);
    EXPECT_EQ(lkom->combination, 4);

    /* DIN 18800 (row 2), main combination is the first entry */
    Fill(Beiwert_Tables.DIN18800_psi_N, 11, 0.9);
    Fill(Beiwert_Tables.DIN18800_gamma_sup1_norm, 6, 1.5);
    ZW_Test_Set_Script(std::string("click 400 363\nclick 600 667\n") + Click_Generate);
    Lkom_Type_Dialog(&type, lkom);
    EXPECT_EQ(lkom->comb_rule, 4);
    EXPECT_EQ(lkom->leading_action[0], 1);
    ASSERT_EQ(lkom->row_count, 3);
    EXPECT_DOUBLE_EQ(lkom->rows[2].factor, 0.9 * 1.5);
}

TEST_F(LkomType, OverviewShowsTheProductsOfEachCollective)
{
    lkom->rows = (Lkom_Row *)calloc(2, sizeof(Lkom_Row));
    lkom->row_count = 2;
    lkom->rows[0] = Lkom_Row{11, 1, 1.0, 1.35, 1.35};
    lkom->rows[1] = Lkom_Row{13, 1, 0.6, 1.5, 0.9};
    Nchw_Current = check;
    ZW_Test_Set_Script("key Enter\n");
    Show_Lkom_Factors_Sheet();
    EXPECT_TRUE(Has_Line(
        "SHEET 1 290 240 989 719 Übersicht über alle Lastkollektive zum Nachweis: Nachweis 1"));
    EXPECT_TRUE(Has_Text(" 1.35"));
    EXPECT_TRUE(Has_Text(" 0.90"));
    EXPECT_TRUE(Has_Text(" 13"));
    EXPECT_FALSE(Has_Text(" 0.60"));
    Nchw_Current = nullptr;
}
