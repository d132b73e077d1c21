/*
** Tests of the generator's factor tables: the standard factors of each design situation, method
** and limit state from the built-in EN 1990 / DIN 1055-100 rows, the scale of the characteristic
** method, the restraint of a nonlinear computation, and the lookup per action or per load case.
*/
#include <gtest/gtest.h>

#include <cstdlib>

#include "checks/checks.h"
#include "platform/zelkwin_test.h"

namespace {

/* Built-in rows used below (EN 1990 Table A1.1 and A1.2(B), positions from 0):
** psi_0 0.7 (category A, position 0), 0.6 (wind, 7), 1.0 (settlement, 9); psi_1 0.5, 0.2, 1.0;
** psi_2 0.3, 0.0, 1.0; psi_2E 0.3, 0.0, 1.0; gamma_sup / gamma_inf of the fundamental situation
** 1.35 / 1.0 permanent, 1.5 / 0 variable, 1.0 / 0 restraint; accidental and earthquake 1.0 /
** 1.0 permanent, 1.0 / 0 variable and restraint, 1.0 / 1.0 for the accidental or earthquake
** action itself; serviceability 1.0 / 1.0 permanent, 1.0 / 0 variable. */
struct F4 {
    int on;
    double pd, ps, gs, gi;
};

class StdFactors : public ::testing::Test {
  protected:
    Nchw_Type_Rec type{};
    Nchw_Rec *check = nullptr;
    void SetUp() override
    {
        Clear();
        ZW_Test_Reset();
        Reset_Beiwert_Tables();
        Reset_Lkom_Gen_Settings();
        Xtr_Message_Switch = 1;
        type.ints0_3[0] = 500;
        type.ints4_10[1] = 1; /* integer 5 */
        type.ints4_10[3] = 2; /* integer 7 (not 1: no special DIN rows) */
        type.ints4_10[5] = 2; /* integer 9 */
        type.ints4_10[6] = 1; /* integer 10: linear */
        type.value = 1.0;
        check = New_Nachweis();
        check->type = &type;
        Nchw_Einw_Table_Init(6);
        Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);   /* row 0 */
        Nchw_Einw_Table_Add(2, "Q", 2, 0, 0, 2, 0);   /* row 1, category A */
        Nchw_Einw_Table_Add(3, "W", 2, 7, 0, 3, 0);   /* row 2, wind */
        Nchw_Einw_Table_Add(4, "Z", 4, 9, 0, 0, 0);   /* row 3, restraint (settlement row) */
        Nchw_Einw_Table_Add(5, "A", 99, 0, 0, 4, 0);  /* row 4, accidental */
        Nchw_Einw_Table_Add(6, "E", 100, 0, 0, 4, 0); /* row 5, earthquake */
        const int active[6] = {1, 0, 1, 1, 1, 0};     /* the user's selection */
        for (int i = 0; i < 6; i++) Nchw_Einw_Table.rows[i].active = active[i];
        Nchw_Lf_Table_Init(4);
        Nchw_Lf_Table_Add(11, "g", 0, 0);
        Nchw_Lf_Table_Add(12, "q", 1, 0);
        Nchw_Lf_Table_Add(13, "a", 4, 0);
        Nchw_Lf_Table_Add(14, "e", 5, 0);
        Nchw_Imp_Table_Init(1);
        Nchw_Imp_Table_Add(7, "Schiefstellung");
        ASSERT_EQ(Build_Lf_Factor_Tables(), 1);
    }
    void TearDown() override
    {
        Clear();
        Reset_Lkom_Gen_Settings();
        Xtr_Message_Switch = 0;
    }
    static void Clear()
    {
        Free_Lf_Factor_Tables();
        Nchw_Imp_Table_Init(0);
        Nchw_Lf_Table_Init(0);
        Nchw_Group_Table_Init(0);
        Nchw_Einw_Table_Init(0);
        Free_All_Nachweise();
    }
    static void Run(int method, int limit_state, int variant, int situation)
    {
        Lkom_Gen_Settings.method = method;
        Lkom_Gen_Settings.limit_state = limit_state;
        Lkom_Gen_Settings.variant = variant;
        Lkom_Gen_Settings.situation = situation;
        Lkom_Gen_Settings.basis = 2;
        Compute_Std_Factors();
    }
    static void Expect_Action(int row, F4 f)
    {
        const Lf_Factor_Row &r = Lf_Factor_Table.rows[LFF_ACTIONS][row];
        EXPECT_EQ(r.on, f.on) << "action row " << row;
        EXPECT_DOUBLE_EQ(r.psi_dom, f.pd) << "action row " << row;
        EXPECT_DOUBLE_EQ(r.psi_sub, f.ps) << "action row " << row;
        EXPECT_DOUBLE_EQ(r.gamma_sup, f.gs) << "action row " << row;
        EXPECT_DOUBLE_EQ(r.gamma_inf, f.gi) << "action row " << row;
    }
    static void Expect_Actions(const F4 (&f)[6])
    {
        for (int i = 0; i < 6; i++) Expect_Action(i, f[i]);
    }
};

const F4 Off = {0, 0, 0, 0, 0};

} // namespace

/* Persistent and transient situation, Eurocode: every action below kind 99 takes part whatever
** the user selected; accidental and earthquake actions do not. Load cases take their action's
** factors, the imperfection 1.0; the selection of the actions is the user's again afterwards. */
TEST_F(StdFactors, EurocodeFundamentalSituation)
{
    Run(1, 0, 0, 0);
    Expect_Actions({{1, 1.0, 1.0, 1.35, 1.0},
                    {1, 1.0, 0.7, 1.5, 0.0},
                    {1, 1.0, 0.6, 1.5, 0.0},
                    {1, 1.0, 1.0, 1.0, 0.0},
                    Off,
                    Off});
    const int active[6] = {1, 0, 1, 1, 1, 0};
    for (int i = 0; i < 6; i++) EXPECT_EQ(Nchw_Einw_Table.rows[i].active, active[i]) << i;
    EXPECT_EQ(Lkom_Gen_Settings.basis, 1);
    double pd = -1, ps = -1, gs = -1, gi = -1;
    Get_Lf_Factors(1, &pd, &ps, &gs, &gi); /* load case q of Q */
    EXPECT_DOUBLE_EQ(pd, 1.0);
    EXPECT_DOUBLE_EQ(ps, 0.7);
    EXPECT_DOUBLE_EQ(gs, 1.5);
    EXPECT_DOUBLE_EQ(gi, 0.0);
    Get_Lf_Factors(2, &pd, &ps, &gs, &gi); /* load case a of A: none */
    EXPECT_DOUBLE_EQ(pd + ps + gs + gi, 0.0);
    const Lf_Factor_Row &lq = Lf_Factor_Table.rows[LFF_LOADCASES][1];
    EXPECT_EQ(lq.on, 1);
    EXPECT_DOUBLE_EQ(lq.psi_sub, 0.7);
    const Lf_Factor_Row &lg = Lf_Factor_Table.rows[LFF_LOADCASES][0]; /* g of G, the first action */
    EXPECT_EQ(lg.on, 1);
    EXPECT_DOUBLE_EQ(lg.gamma_sup, 1.35);
    EXPECT_EQ(Lf_Factor_Table.rows[LFF_LOADCASES][3].on, 0);
    double f = -1;
    EXPECT_EQ(Get_Imp_Factor(0, &f), 1);
    EXPECT_DOUBLE_EQ(f, 1.0);
    EXPECT_EQ(Get_Imp_Factor(1, &f), 0);
    EXPECT_DOUBLE_EQ(f, 0.0);
}

/* Accidental situation: psi_1 / psi_2 and the accidental gammas; the accidental action takes part
** (1.0 / 1.0), but not for the types 71, 72, 81, 82 and 124. */
TEST_F(StdFactors, AccidentalSituationAndTheTypesThatLeaveItOut)
{
    Run(1, 0, 0, 1);
    Expect_Actions({{1, 1.0, 1.0, 1.0, 1.0},
                    {1, 0.5, 0.3, 1.0, 0.0},
                    {1, 0.2, 0.0, 1.0, 0.0},
                    {1, 1.0, 1.0, 1.0, 0.0},
                    {1, 1.0, 1.0, 1.0, 1.0},
                    Off});
    for (int32_t t : {71, 72, 81, 82, 124}) {
        type.ints0_3[0] = t;
        Run(1, 0, 0, 1);
        Expect_Action(4, Off);
        Expect_Action(0, {1, 1.0, 1.0, 1.0, 1.0});
    }
    type.ints0_3[0] = 73;
    Run(1, 0, 0, 1);
    Expect_Action(4, {1, 1.0, 1.0, 1.0, 1.0});
}

/* Earthquake situation: psi_2E twice and the earthquake gammas; the earthquake action takes part,
** the accidental one not; the special types leave the earthquake action out as well. */
TEST_F(StdFactors, EarthquakeSituation)
{
    Run(1, 0, 0, 2);
    Expect_Actions({{1, 1.0, 1.0, 1.0, 1.0},
                    {1, 0.3, 0.3, 1.0, 0.0},
                    {1, 0.0, 0.0, 1.0, 0.0},
                    {1, 1.0, 1.0, 1.0, 0.0},
                    Off,
                    {1, 1.0, 1.0, 1.0, 1.0}});
    type.ints0_3[0] = 124;
    Run(1, 0, 0, 2);
    Expect_Action(5, Off);
}

/* Serviceability: variant 1 is the frequent combination (psi_1 / psi_2), variant 2 the
** quasi-permanent one (psi_2 twice), variant 0 the characteristic one (1.0 / psi_0). */
TEST_F(StdFactors, ServiceabilityVariants)
{
    Run(1, 1, 0, 0);
    Expect_Action(1, {1, 1.0, 0.7, 1.0, 0.0});
    Expect_Action(0, {1, 1.0, 1.0, 1.0, 1.0});
    Run(1, 1, 1, 0);
    Expect_Action(1, {1, 0.5, 0.3, 1.0, 0.0});
    Run(1, 1, 2, 0);
    Expect_Action(1, {1, 0.3, 0.3, 1.0, 0.0});
}

/* The characteristic method scales both gammas by the value of the check's type (1.2): old-code
** rows 1.0 / 1.0 permanent and 1.0 / 0 variable, psi 1.0. The check is the one at the current
** index of the list. */
TEST_F(StdFactors, CharacteristicMethodScalesTheGammasOfTheCurrentCheck)
{
    Nchw_Type_Rec second = type;
    second.value = 1.2;
    Nchw_Rec *c2 = New_Nachweis();
    c2->type = &second;
    Lkom_Gen_Settings.check_index = 1;
    Run(3, 0, 0, 0);
    Expect_Actions({{1, 1.0, 1.0, 1.2, 1.2},
                    {1, 1.0, 1.0, 1.2, 0.0},
                    {1, 1.0, 1.0, 1.2, 0.0},
                    {1, 1.0, 1.0, 1.2, 0.0},
                    Off,
                    Off});
    Lkom_Gen_Settings.check_index = 0;
    Run(3, 0, 0, 0);
    Expect_Action(0, {1, 1.0, 1.0, 1.0, 1.0});
    EXPECT_EQ(Lkom_Gen_Current_Check(), check);
    Lkom_Gen_Settings.check_index = 5; /* beyond the list: the first */
    EXPECT_EQ(Lkom_Gen_Current_Check(), check);
}

/* DIN 1055-100, ultimate, fundamental: a restraint of a nonlinear computation gets gamma_sup 1.5
** instead of the 1.0 of the linear one (DIN 1055-100 rows 1.35 / 1.0, 1.5 / 0, restraint 1.0 / 0,
** psi 1.0 / psi_0). */
TEST_F(StdFactors, RestraintOfANonlinearComputation)
{
    Run(0, 0, 0, 0);
    Expect_Action(3, {1, 1.0, 1.0, 1.0, 0.0});
    Expect_Action(0, {1, 1.0, 1.0, 1.35, 1.0});
    type.ints4_10[6] = 2;
    Run(0, 0, 0, 0);
    Expect_Action(3, {1, 1.0, 1.0, 1.5, 0.0});
    Expect_Action(0, {1, 1.0, 1.0, 1.35, 1.0});
    Expect_Action(1, {1, 1.0, 0.7, 1.5, 0.0});
    /* a restraint counted past the rows (an action before it takes no part: psi index 11) is
    ** left alone */
    Nchw_Einw_Table.rows[1].psi_index = 11;
    Run(0, 0, 0, 0);
    Expect_Action(3, {1, 1.0, 1.0, 1.0, 0.0});
    Nchw_Einw_Table.rows[1].psi_index = 0;
    /* not in the accidental situation, nor for the serviceability limit state */
    Run(0, 0, 0, 1);
    EXPECT_DOUBLE_EQ(Lf_Factor_Table.rows[LFF_ACTIONS][3].gamma_sup, 1.0);
    Run(0, 1, 0, 0);
    EXPECT_DOUBLE_EQ(Lf_Factor_Table.rows[LFF_ACTIONS][3].gamma_sup, 1.0);
}

/* Per action or per load case; the presence flags; empty tables. */
TEST_F(StdFactors, LookupByActionOrByLoadCase)
{
    EXPECT_EQ(Lf_Factor_Table.has_accidental, 1);
    EXPECT_EQ(Lf_Factor_Table.has_earthquake, 1);
    EXPECT_EQ(Lf_Factor_Table.count[LFF_LOADCASES], 4);
    EXPECT_EQ(Lf_Factor_Table.count[LFF_ACTIONS], 6);
    EXPECT_EQ(Lf_Factor_Table.count[LFF_IMPERFECTIONS], 1);
    EXPECT_EQ(Lf_Factor_Table.rows[LFF_LOADCASES][3].number, 14);
    EXPECT_STREQ(Lf_Factor_Table.rows[LFF_ACTIONS][2].name, "3: W"); /* the flat table's label */
    EXPECT_EQ(Lf_Factor_Table.rows[LFF_IMPERFECTIONS][0].number, 7);
    Lf_Factor_Row &a = Lf_Factor_Table.rows[LFF_ACTIONS][1]; /* Q */
    a = Lf_Factor_Row{a.number, 1, {}, 0.9, 0.8, 1.4, 0.1};
    Lf_Factor_Row &l = Lf_Factor_Table.rows[LFF_LOADCASES][1]; /* q */
    l = Lf_Factor_Row{l.number, 1, {}, 0.5, 0.4, 1.2, 0.2};
    double pd, ps, gs, gi;
    Lkom_Gen_Settings.basis = 1;
    Get_Lf_Factors(1, &pd, &ps, &gs, &gi);
    EXPECT_DOUBLE_EQ(pd, 0.9);
    EXPECT_DOUBLE_EQ(gi, 0.1);
    Lkom_Gen_Settings.basis = 2;
    Get_Lf_Factors(1, &pd, &ps, &gs, &gi);
    EXPECT_DOUBLE_EQ(pd, 0.5);
    EXPECT_DOUBLE_EQ(gs, 1.2);
    l.on = 0;
    Get_Lf_Factors(1, &pd, &ps, &gs, &gi);
    EXPECT_DOUBLE_EQ(pd + ps + gs + gi, 0.0);
    for (int32_t i : {-1, 4}) {
        pd = ps = gs = gi = 7;
        Get_Lf_Factors(i, &pd, &ps, &gs, &gi);
        EXPECT_DOUBLE_EQ(pd + ps + gs + gi, 0.0) << i;
    }
    Nchw_Einw_Table_Init(2);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
    Nchw_Einw_Table_Add(6, "E", 100, 0, 0, 4, 0);
    Nchw_Lf_Table_Init(0);
    Nchw_Imp_Table_Init(0);
    ASSERT_EQ(Build_Lf_Factor_Tables(), 1);
    EXPECT_EQ(Lf_Factor_Table.count[LFF_LOADCASES], 0);
    EXPECT_EQ(Lf_Factor_Table.rows[LFF_LOADCASES], nullptr);
    EXPECT_EQ(Lf_Factor_Table.has_accidental, 0);
    EXPECT_EQ(Lf_Factor_Table.has_earthquake, 1);
}

/* A method or a variant outside its range gives no standard table: every action and load case
** is off with zero factors, and the actions keep the user's selection. */
TEST_F(StdFactors, MethodOrVariantOutsideItsRangeGivesNoRows)
{
    Run(4, 0, 0, 0); /* no fifth method */
    Expect_Actions({Off, Off, Off, Off, Off, Off});
    EXPECT_EQ(Lf_Factor_Table.rows[LFF_LOADCASES][0].on, 0);
    Run(1, 1, 3, 0); /* serviceability, no fourth variant */
    Expect_Actions({Off, Off, Off, Off, Off, Off});
    const int active[6] = {1, 0, 1, 1, 1, 0};
    for (int i = 0; i < 6; i++) EXPECT_EQ(Nchw_Einw_Table.rows[i].active, active[i]) << i;
    /* DIN 1055-100 of a nonlinear computation without a table: the restraint, counted first,
    ** has no row to raise */
    Nchw_Lf_Table_Init(0);
    Nchw_Einw_Table_Init(2);
    Nchw_Einw_Table_Add(4, "Z", 4, 9, 0, 0, 0);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
    ASSERT_EQ(Build_Lf_Factor_Tables(), 1);
    type.ints4_10[6] = 2;
    Run(0, 0, 3, 0);
    Expect_Action(0, Off);
    Expect_Action(1, Off);
}

/* A load case without an action takes no factors, in the standard mode and in the lookup per
** action; a load case added after the tables were built has no row of its own. */
TEST_F(StdFactors, LoadCaseWithoutActionOrRow)
{
    Nchw_Lf_Table.rows[1].action = nullptr; /* q, whose action Q takes part */
    Run(1, 0, 0, 0);
    const Lf_Factor_Row &lq = Lf_Factor_Table.rows[LFF_LOADCASES][1];
    EXPECT_EQ(lq.on, 0);
    EXPECT_DOUBLE_EQ(lq.psi_dom + lq.psi_sub + lq.gamma_sup + lq.gamma_inf, 0.0);
    EXPECT_EQ(Lf_Factor_Table.rows[LFF_LOADCASES][0].on, 1);
    double pd = 7, ps = 7, gs = 7, gi = 7;
    Lkom_Gen_Settings.basis = 1;
    Get_Lf_Factors(1, &pd, &ps, &gs, &gi);
    EXPECT_DOUBLE_EQ(pd + ps + gs + gi, 0.0);
    /* five load cases, factor rows for the four of the last build */
    Nchw_Lf_Table_Init(5);
    for (int i = 0; i < 5; i++) Nchw_Lf_Table_Add(21 + i, "l", 0, 0);
    Lkom_Gen_Settings.basis = 2;
    for (Lf_Factor_Row *r = Lf_Factor_Table.rows[LFF_LOADCASES];
         r < Lf_Factor_Table.rows[LFF_LOADCASES] + 4; r++)
        *r = Lf_Factor_Row{r->number, 1, {}, 0.5, 0.4, 1.2, 0.2};
    Get_Lf_Factors(3, &pd, &ps, &gs, &gi);
    EXPECT_DOUBLE_EQ(gs, 1.2);
    pd = ps = gs = gi = 7;
    Get_Lf_Factors(4, &pd, &ps, &gs, &gi);
    EXPECT_DOUBLE_EQ(pd + ps + gs + gi, 0.0);
}

/* Without actions the action table is empty; load cases and imperfections stay. */
TEST_F(StdFactors, NoActions)
{
    Nchw_Lf_Table_Init(0);
    Nchw_Einw_Table_Init(0);
    ASSERT_EQ(Build_Lf_Factor_Tables(), 1);
    EXPECT_EQ(Lf_Factor_Table.count[LFF_ACTIONS], 0);
    EXPECT_EQ(Lf_Factor_Table.rows[LFF_ACTIONS], nullptr);
    EXPECT_EQ(Lf_Factor_Table.count[LFF_IMPERFECTIONS], 1);
    EXPECT_EQ(Lf_Factor_Table.has_accidental, 0);
    Run(1, 0, 0, 0);
    double f = 0;
    EXPECT_EQ(Get_Imp_Factor(0, &f), 1);
    EXPECT_DOUBLE_EQ(f, 1.0);
}
