/*
** Tests of the factor rows of user-defined load collectives: the row builder over the active
** load cases, the choice of coefficient rows by rule, limit state and situation, imperfection
** rows, bridge rows without a variant record, and the situation messages. The coefficient rows
** are set to our own numbers so that every expected factor is worked out here by hand.
*/
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
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

class LkomRows : public ::testing::Test {
  protected:
    Nchw_Type_Rec type{};
    void SetUp() override
    {
        ZW_Test_Reset();
        Reset_Beiwert_Tables();
        Xtr_Message_Switch = 0;
        Nchw_Global_Settings = Nchw_Global_Settings_Initial;
        Beiwert_Tables_Rec &B = Beiwert_Tables;
        const double gs[6] = {1.35, 1.5, 1.4, 1.3, 1.0, 1.05};
        const double gi[6] = {1.0, 0.0, 0.0, 0.0, 1.0, 1.0};
        std::copy(gs, gs + 6, B.Eurocode_gamma_sup1_norm);
        std::copy(gi, gi + 6, B.Eurocode_gamma_inf1_norm);
        Fill(B.Eurocode_psi_X, 11, 1.0);
        Fill(B.Eurocode_psi_0, 11, 0.7);
        B.Eurocode_psi_0[6] = 0.5;
        B.Eurocode_psi_0[7] = 0.6;
        Fill(B.Eurocode_gamma_sup_gebrauch, 6, 1.0);
        Fill(B.Eurocode_gamma_inf_gebrauch, 6, 1.0);

        Nchw_Einw_Table_Init(5);
        Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);   /* index 0 */
        Nchw_Einw_Table_Add(2, "S", 2, 6, 0, 2, 0);   /* index 1, snow */
        Nchw_Einw_Table_Add(3, "W", 2, 7, 0, 3, 0);   /* index 2, wind */
        Nchw_Einw_Table_Add(4, "A", 99, 0, 0, 4, 0);  /* index 3, accidental */
        Nchw_Einw_Table_Add(5, "A2", 99, 0, 0, 4, 0); /* index 4, accidental */
        Nchw_Lf_Table_Init(6);
        Nchw_Lf_Table_Add(1, "g1", 0, 0);
        Nchw_Lf_Table_Add(2, "g2", 0, 0);
        Nchw_Lf_Table_Add(3, "s", 1, 0);
        Nchw_Lf_Table_Add(4, "w", 2, 0);
        Nchw_Lf_Table_Add(5, "a", 3, 0);
        Nchw_Lf_Table_Add(6, "a2", 4, 0);
        Nchw_Imp_Table_Init(2);
        Nchw_Imp_Table_Add(7, "Schiefstellung");
        for (int i = 0; i < 4; i++) Nchw_Lf_Table.rows[i].active = 1;
        Nchw_Lf_Table.rows[1].state = 0; /* g2 acts favourably */
        type.ints0_3[0] = 500;
        type.ints4_10[4] = 2;                       /* integer 8: the type's rule Eurocode */
        type.ints4_10[5] = 1 | 2 | 4 | 8 | 16 | 32; /* integer 9: every rule allowed */
        type.ints4_10[6] = 1;                       /* linear */
    }
    void TearDown() override
    {
        Reset_Beiwert_Tables();
        Nchw_Lf_Table_Init(0);
        Nchw_Einw_Table_Init(0);
        Nchw_Imp_Table_Init(0);
        Lkom_Rows_Imp_Mode = 0;
        Lkom_Bridge_Variant_Rec = nullptr;
    }
};

void Expect_Row(const Lkom_Row &r, int number, int unfav, double psi, double gamma, double factor)
{
    EXPECT_EQ(r.number, number);
    EXPECT_EQ(r.unfavourable, unfav);
    EXPECT_DOUBLE_EQ(r.psi, psi);
    EXPECT_DOUBLE_EQ(r.gamma, gamma);
    EXPECT_DOUBLE_EQ(r.factor, factor);
}

} // namespace

TEST_F(LkomRows, EurocodeUltimateRowsTakeLeadingAndAccompanyingPsi)
{
    int32_t n = -1;
    /* wind (index 2) leads: snow takes psi_0[6] = 0.5, wind psi_X[7] = 1.0 */
    Lkom_Row *r = Build_Udef_Lkom_Factors(&type, &n, 2, 2, 1, 1, 0);
    ASSERT_NE(r, nullptr);
    ASSERT_EQ(n, 4);
    Expect_Row(r[0], 1, 1, 1.0, 1.35, 1.35);
    Expect_Row(r[1], 2, 0, 1.0, 1.0, 1.0);
    Expect_Row(r[2], 3, 1, 0.5, 1.5, 0.75);
    Expect_Row(r[3], 4, 1, 1.0, 1.5, 1.5);
    std::free(r);
    /* snow leads: wind takes psi_0[7] = 0.6, 0.6 x 1.5 = 0.9 */
    r = Build_Udef_Lkom_Factors(&type, &n, 2, 1, 1, 1, 0);
    ASSERT_EQ(n, 4);
    Expect_Row(r[2], 3, 1, 1.0, 1.5, 1.5);
    Expect_Row(r[3], 4, 1, 0.6, 1.5, 0.9);
    std::free(r);
}

TEST_F(LkomRows, NoActiveLoadCaseOrAnOutOfRangePsiIndexLeavesRowsOut)
{
    for (int i = 0; i < Nchw_Lf_Table.count; i++) Nchw_Lf_Table.rows[i].active = 0;
    int32_t n = 5;
    Beiwert_Tables_Rec &B = Beiwert_Tables;
    EXPECT_EQ(Build_Lkom_Factor_Rows(2, 0, B.Eurocode_gamma_inf1_norm, B.Eurocode_gamma_sup1_norm,
                                     B.Eurocode_psi_X, B.Eurocode_psi_0, &n, 1.0),
              nullptr);
    EXPECT_EQ(n, 0);
    Nchw_Lf_Table.rows[2].active = 1;
    Nchw_Lf_Table.rows[3].active = 1;
    Nchw_Einw_Table.rows[1].psi_index = 11; /* snow: left out */
    Lkom_Row *r =
        Build_Lkom_Factor_Rows(2, 0, B.Eurocode_gamma_inf1_norm, B.Eurocode_gamma_sup1_norm,
                               B.Eurocode_psi_X, B.Eurocode_psi_0, &n, 1.0);
    ASSERT_EQ(n, 1);
    EXPECT_EQ(r[0].number, 4);
    std::free(r);
}

TEST_F(LkomRows, RareServiceabilityTakesPsiXForTheLeadingAndPsi0ForTheOthers)
{
    int32_t n = 0;
    Lkom_Row *r = Build_Udef_Lkom_Factors(&type, &n, 2, 1, 2, 1, 0);
    ASSERT_EQ(n, 4);
    Expect_Row(r[2], 3, 1, 1.0, 1.0, 1.0);
    Expect_Row(r[3], 4, 1, 0.6, 1.0, 0.6);
    std::free(r);
    /* a combination outside 1, 2, 4, a variant above 2, a limit state 3: no rows */
    EXPECT_EQ(Build_Udef_Lkom_Factors(&type, &n, 2, 1, 2, 3, 0), nullptr);
    EXPECT_EQ(Build_Udef_Lkom_Factors(&type, &n, 2, 1, 1, 1, 3), nullptr);
    EXPECT_EQ(Build_Udef_Lkom_Factors(&type, &n, 2, 1, 3, 1, 0), nullptr);
    /* a rule the type does not allow for its collectives: no rows */
    type.ints4_10[5] = 1;
    EXPECT_EQ(Build_Udef_Lkom_Factors(&type, &n, 2, 1, 1, 1, 0), nullptr);
    EXPECT_EQ(n, 0);
}

TEST_F(LkomRows, AccidentalActionsTakeTheAccidentalRowsAndWarnOfASecondOne)
{
    Beiwert_Tables_Rec &B = Beiwert_Tables;
    Fill(B.Eurocode_gamma_sup1_spec, 6, 1.0);
    Fill(B.Eurocode_gamma_inf1_spec, 6, 1.0);
    Fill(B.Eurocode_psi_1, 11, 0.5);
    Fill(B.Eurocode_psi_2, 11, 0.2);
    Nchw_Lf_Table.rows[4].active = 1;
    Nchw_Lf_Table.rows[5].active = 1;
    ZW_Test_Set_Script("answer yes\n");
    int32_t n = 0;
    Lkom_Row *r = Build_Udef_Lkom_Factors(&type, &n, 2, 1, 1, 1, 0);
    ASSERT_EQ(n, 6);
    Expect_Row(r[2], 3, 1, 0.5, 1.0, 0.5); /* leading snow: psi_1 */
    Expect_Row(r[3], 4, 1, 0.2, 1.0, 0.2); /* wind: psi_2 */
    Expect_Row(r[4], 5, 1, 1.0, 1.0, 1.0); /* accidental: gamma of category 6 */
    std::free(r);
    EXPECT_TRUE(Has_Line(
        "MESSAGE [] Einwirkungen vom Typ \"Sonderlast\" bewirken | eine \"außergewöhnliche "
        "Bemessungssituation\"! |   | ------- WARNUNG: ------- | Es sind mehr als eine | "
        "Sonderlasteinwirkung | ausgewählt !?! | -----------------------------"));
    /* in the serviceability check a warning instead */
    ZW_Test_Clear_Log();
    r = Build_Udef_Lkom_Factors(&type, &n, 2, 1, 2, 4, 0);
    std::free(r);
    EXPECT_TRUE(
        Has_Line("MESSAGE [Warnung] Sonderlasten werden beim | Gebrauchstauglichkeitsnachweis | "
                 "i.d.R. nicht angesetzt!"));
    /* quiet builders show nothing */
    ZW_Test_Clear_Log();
    Xtr_Message_Switch = 1;
    r = Build_Udef_Lkom_Factors(&type, &n, 2, 1, 1, 1, 0);
    std::free(r);
    Xtr_Message_Switch = 0;
    for (auto &l : ZW_Test_Log_Lines()) EXPECT_NE(l.rfind("MESSAGE", 0), 0u) << l;
}

/* An earthquake action in the ultimate limit state is announced for every code family, DIN 18800
** as well. */
TEST_F(LkomRows, EarthquakeIsAnnouncedForEveryFamily)
{
    Nchw_Einw_Table.rows[3].kind = 100;
    Nchw_Lf_Table.rows[4].active = 1;
    for (int32_t F : {1, 2, 4}) {
        ZW_Test_Clear_Log();
        ZW_Test_Set_Script("answer yes\n");
        int32_t n = 0;
        std::free(Build_Udef_Lkom_Factors(&type, &n, F, 1, 1, 1, 0));
        EXPECT_TRUE(Has_Line("MESSAGE [] Einwirkungen vom Typ \"Erdbeben\" bewirken | "
                             "eine \"Erdbeben-Bemessungssituation\"!"))
            << F;
    }
}

TEST_F(LkomRows, Din18800MainCombinationAndOldCodeFactor)
{
    Beiwert_Tables_Rec &B = Beiwert_Tables;
    Fill(B.DIN18800_psi_N, 11, 0.9);
    Fill(B.DIN18800_psi_H, 11, 1.0);
    const double gs[6] = {1.35, 1.5, 1.5, 1.5, 1.0, 1.0};
    std::copy(gs, gs + 6, B.DIN18800_gamma_sup1_norm);
    Fill(B.DIN18800_gamma_inf1_norm, 6, 1.0);
    int32_t n = 0;
    /* leading argument 1 (main combination): every variable load case takes psi_N = 0.9 */
    Lkom_Row *r = Build_Udef_Lkom_Factors(&type, &n, 4, 1, 1, 1, 0);
    ASSERT_EQ(n, 4);
    Expect_Row(r[2], 3, 1, 0.9, 1.5, 1.35);
    Expect_Row(r[3], 4, 1, 0.9, 1.5, 1.35);
    std::free(r);
    r = Build_Udef_Lkom_Factors(&type, &n, 4, 0, 1, 1, 0);
    Expect_Row(r[3], 4, 1, 1.0, 1.5, 1.5);
    std::free(r);

    /* old code: psi 1 for every load case, gammas times the type's factor 1.2 */
    Fill(B.gamma_altenorm_allways_sup, 6, 1.5);
    Fill(B.gamma_altenorm_allways_inf, 6, 1.0);
    type.value = 1.2;
    r = Build_Udef_Lkom_Factors(&type, &n, 8, 0, 1, 1, 0);
    ASSERT_EQ(n, 4);
    Expect_Row(r[0], 1, 1, 1.0, 1.5 * 1.2, 1.5 * 1.2);
    Expect_Row(r[1], 2, 0, 1.0, 1.0 * 1.2, 1.0 * 1.2);
    std::free(r);
}

TEST_F(LkomRows, ImperfectionsAndBridgeRows)
{
    type.ints4_10[6] = 2; /* nonlinear: imperfections take part */
    Nchw_Imp_Table.rows[0].active = 1;
    int32_t n = 0;
    Lkom_Row *r = Build_Udef_Lkom_Factors(&type, &n, 2, 1, 2, 1, 0);
    ASSERT_EQ(n, 5);
    Expect_Row(r[4], -7, 1, 1.0, 1.0, 1.0);
    std::free(r);

    /* a bridge collective needs a published variant record */
    EXPECT_EQ(Build_Udef_Lkom_Factors(&type, &n, 16, 1, 1, 1, 0), nullptr);
    EXPECT_EQ(n, 0);
    /* load cases outside a bridge load group get zero factors, and the zero factors are named */
    const int32_t rec[8] = {1, 0, 0, 0, 0, 0, 0, 0};
    Lkom_Bridge_Variant_Rec = rec;
    ZW_Test_Set_Script("answer yes\n");
    r = Build_Udef_Lkom_Factors(&type, &n, 32, 1, 1, 1, 0);
    ASSERT_EQ(n, 5);
    Expect_Row(r[0], 1, 1, 0.0, 0.0, 0.0);
    std::free(r);
    EXPECT_TRUE(Has_Line(
        "MESSAGE [] Gemäß Anwendung der aktuellen Norm | ergeben sich einige Faktoren zu 0! "
        "|   | Bitte überprüfen Sie die entsprechenden Zeilen."));
}

TEST_F(LkomRows, FactorTexts)
{
    char out[32];
    EXPECT_STREQ(Lkom_Format_Factor_5_2(1.345, out), " 1.34"); /* 1.345 is 1.34499.. in binary */
    EXPECT_STREQ(Lkom_Format_Factor_2(12.5, out), "12.50");
    EXPECT_STREQ(Lkom_Format_Factor_5_2(-0.5, out), "-0.50");
}
