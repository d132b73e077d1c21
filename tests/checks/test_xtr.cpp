/*
** Tests of the standard extremal-rule tables and of the solver data lines of rules and
** collectives, also as the writers choose them by the check's type id. Expected values come from
** the built-in coefficient rows (EN 1990 Table A1.1 and A1.2(B), DIN 1055-100) and the initial
** general settings (kmod 0.6/0.7/0.8/0.9/1.1, gamma_M 1.3/1.3/1.0, kdef 0.6).
*/
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "checks/checks.h"
#include "platform/zelkwin_test.h"

namespace {

std::string Capture(void (*write)(FILE *, void *), void *arg)
{
    FILE *f = tmpfile();
    write(f, arg);
    long n = ftell(f);
    rewind(f);
    std::string s((size_t)n, '\0');
    size_t got = fread(&s[0], 1, (size_t)n, f);
    s.resize(got);
    fclose(f);
    return s;
}

class Xtr : public ::testing::Test {
  protected:
    Nchw_Type_Rec type{};
    Nchw_Rec *check = nullptr;
    void SetUp() override
    {
        Clear();
        Reset_Beiwert_Tables();
        Reset_Nchw_Settings();
        Xtr_Message_Switch = 1;
        type.ints0_3[0] = 500;
        type.ints0_3[2] = 1; /* extremal rules in compute mode 0 */
        type.ints4_10[6] = 1;
        check = New_Nachweis();
        check->type = &type;
    }
    void TearDown() override
    {
        Clear();
        Xtr_Message_Switch = 0;
    }
    static void Clear()
    {
        Nchw_Imp_Table_Init(0);
        Nchw_Lf_Table_Init(0);
        Nchw_Group_Table_Init(0);
        Nchw_Einw_Table_Init(0);
        Free_All_Nachweise();
    }
    void Rule(int rule, int kind, int comb)
    {
        type.ints4_10[5] = rule; /* integer 9 */
        type.ints4_10[1] = kind; /* integer 5 */
        type.ints4_10[3] = comb; /* integer 7 */
    }
};

} // namespace

TEST_F(Xtr, NoTableWithoutTheComputeModeBit)
{
    Nchw_Einw_Table_Init(1);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
    Rule(2, 1, 1);
    type.ints0_3[2] = 2; /* only compute mode 1 */
    int32_t n = 7;
    EXPECT_EQ(Build_Standard_Xtr_Table(check, &n, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(n, 0);
}

TEST_F(Xtr, EurocodeUltimateRows)
{
    Nchw_Einw_Table_Init(3);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
    Nchw_Einw_Table_Add(2, "Dach", 2, 5, 0, 3, 0); /* category H: psi0 0.0 */
    Nchw_Einw_Table_Add(3, "Anprall", 99, 0, 0, 4, 0);
    Rule(2, 1, 1);
    int32_t n = 0, r = 0, m = 9, k = 0, z = 0;
    Xtr_Row *t = Build_Standard_Xtr_Table(check, &n, &r, &m, &k, &z);
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(n, 2); /* the accidental action does not take part */
    EXPECT_EQ(r, 2);
    EXPECT_EQ(m, 0);
    EXPECT_EQ(k, 1);
    EXPECT_EQ(z, 1);
    EXPECT_EQ(t[0].number, 1);
    EXPECT_DOUBLE_EQ(t[0].psi_dom, 1.0);
    EXPECT_DOUBLE_EQ(t[0].psi_sub, 1.0);
    EXPECT_DOUBLE_EQ(t[0].gamma_sup, 1.35);
    EXPECT_DOUBLE_EQ(t[0].gamma_inf, 1.0);
    EXPECT_EQ(t[1].number, 2);
    EXPECT_DOUBLE_EQ(t[1].psi_dom, 1.0);
    EXPECT_DOUBLE_EQ(t[1].psi_sub, 0.0);
    EXPECT_DOUBLE_EQ(t[1].gamma_sup, 1.5);
    EXPECT_DOUBLE_EQ(t[1].gamma_inf, 0.0);
    EXPECT_EQ(Nchw_Einw_Table.rows[2].active, 0);
    free(t);
}

/* An action without a valid psi index (0 to 10) takes no part, whatever its kind. */
TEST_F(Xtr, RowsWithoutAValidPsiIndexAreDropped)
{
    Nchw_Einw_Table_Init(4);
    Nchw_Einw_Table_Add(1, "G", 1, 11, 0, 0, 0);
    Nchw_Einw_Table_Add(2, "Q", 2, 0, 0, 3, 0);
    Nchw_Einw_Table_Add(3, "A", 99, -1, 0, 4, 0);
    Nchw_Einw_Table_Add(4, "G2", 1, 0, 0, 0, 0);
    for (int i = 0; i < 4; i++) Nchw_Einw_Table.rows[i].active = 1;
    const Beiwert_Tables_Rec &B = Beiwert_Tables;
    int32_t n = 0;
    Xtr_Row *t = Build_Xtr_Rows(0, B.Eurocode_gamma_inf1_norm, B.Eurocode_gamma_sup1_norm,
                                B.Eurocode_psi_X, B.Eurocode_psi_0, &n, 1);
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(n, 2);
    EXPECT_EQ(t[0].number, 2);
    EXPECT_EQ(t[1].number, 4);
    free(t);
}

/* The fatigue rows of a user-defined rule (type 43, Eurocode, ultimate) take the user's
** selection: G and W of G, Q, W, by actions and by load cases. EN 1990 serviceability gammas 1.0
** for both; G: psi 1.0 / 1.0; W (setting A, acts in full): psi 1.0 / 1.0 instead of psi_1 0.2 /
** psi_2 0.0 of wind. */
TEST_F(Xtr, FatigueRowsOfAUserRuleKeepTheSelection)
{
    type.ints0_3[0] = 43;
    Nchw_Einw_Table_Init(3);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
    Nchw_Einw_Table_Add(2, "Q", 2, 0, 0, 3, 0);
    Nchw_Einw_Table_Add(3, "W", 2, 7, 1, 3, 0);
    Nchw_Einw_Table.rows[0].active = 1;
    Nchw_Einw_Table.rows[1].active = 0;
    Nchw_Einw_Table.rows[2].active = 1;
    int32_t n = 0;
    Xtr_Row *t = Build_Situation_Xtr_Table(check, &n, 2, 0, 1, 1, 0);
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(n, 2);
    EXPECT_EQ(t[0].number, 1);
    EXPECT_EQ(t[1].number, 3);
    EXPECT_DOUBLE_EQ(t[1].psi_dom, 1.0);
    EXPECT_DOUBLE_EQ(t[1].psi_sub, 1.0);
    EXPECT_DOUBLE_EQ(t[1].gamma_sup, 1.0);
    EXPECT_EQ(Nchw_Einw_Table.rows[1].active, 0);
    free(t);
    Nchw_Lf_Table_Init(3);
    Nchw_Lf_Table_Add(11, "g", 0, 0);
    Nchw_Lf_Table_Add(12, "q", 1, 0);
    Nchw_Lf_Table_Add(13, "w", 2, 0);
    Nchw_Lf_Table.rows[0].active = 1;
    Nchw_Lf_Table.rows[2].active = 1;
    t = Build_Situation_Xtr_Table(check, &n, 2, 1, 1, 1, 0);
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(n, 2);
    EXPECT_EQ(t[0].number, 11);
    EXPECT_EQ(t[1].number, 13);
    EXPECT_DOUBLE_EQ(t[1].psi_dom, 1.0);
    EXPECT_DOUBLE_EQ(t[1].psi_sub, 1.0);
    free(t);
}

TEST_F(Xtr, QuasiPermanentRoofLoadIsDropped)
{
    Nchw_Einw_Table_Init(2);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
    Nchw_Einw_Table_Add(2, "Dach", 2, 5, 0, 3, 0);
    Rule(2, 2, 4);
    int32_t n = 0;
    Xtr_Row *t = Build_Standard_Xtr_Table(check, &n, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(n, 1);
    EXPECT_EQ(t[0].number, 1);
    EXPECT_DOUBLE_EQ(t[0].gamma_sup, 1.0); /* serviceability */
    free(t);
}

TEST_F(Xtr, TwoAccidentalActionsUnderDin1055)
{
    Nchw_Einw_Table_Init(3);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
    Nchw_Einw_Table_Add(2, "A1", 99, 0, 0, 4, 0);
    Nchw_Einw_Table_Add(3, "A2", 99, 0, 0, 4, 0);
    Rule(1, 1, 1);
    for (int i = 0; i < 3; i++) Nchw_Einw_Table.rows[i].active = 1;
    int32_t n = 0;
    Xtr_Row *t = Build_Situation_Xtr_Table(check, &n, 1, 0, 1, 1, 0);
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(n, 3);
    /* linear_spec pair: sup 1 for every category, inf 1 for category 1 and 6 */
    EXPECT_DOUBLE_EQ(t[0].gamma_sup, 1.0);
    EXPECT_DOUBLE_EQ(t[0].gamma_inf, 1.0);
    EXPECT_DOUBLE_EQ(t[1].gamma_sup, 1.0);
    EXPECT_DOUBLE_EQ(t[1].gamma_inf, 1.0);
    EXPECT_DOUBLE_EQ(t[2].psi_dom, 1.0);
    free(t);
    EXPECT_EQ(Build_Situation_Xtr_Table(check, &n, 1, 0, 1, 1, 3), nullptr); /* G above 2 */
    EXPECT_EQ(n, 0);
}

TEST_F(Xtr, EarthquakeSituationUnderEurocode)
{
    Nchw_Einw_Table_Init(2);
    Nchw_Einw_Table_Add(1, "Schnee", 2, 6, 0, 3, 0);
    Nchw_Einw_Table_Add(2, "Erdbeben", 100, 0, 0, 4, 0);
    Rule(2, 1, 1);
    for (int i = 0; i < 2; i++) Nchw_Einw_Table.rows[i].active = 1;
    int32_t n = 0;
    Xtr_Row *t = Build_Situation_Xtr_Table(check, &n, 2, 0, 1, 1, 0);
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(n, 2);
    EXPECT_DOUBLE_EQ(t[0].psi_dom, 0.5); /* psi2,E of snow */
    EXPECT_DOUBLE_EQ(t[0].psi_sub, 0.5);
    free(t);
}

TEST_F(Xtr, ComparisonIsOrderSensitive)
{
    Xtr_Row a[2] = {{1, 1, 1, 1.35, 1}, {2, 1, 0.7, 1.5, 0}};
    Xtr_Row b[2] = {a[1], a[0]};
    EXPECT_EQ(Cmp_Xtr_Tables(a, 2, a, 2), 0);
    EXPECT_EQ(Cmp_Xtr_Tables(a, 2, b, 2), 1);
    EXPECT_EQ(Cmp_Xtr_Tables(a, 2, a, 1), 1);
    EXPECT_EQ(Cmp_Xtr_Tables(nullptr, 0, nullptr, 0), 0);
    b[0] = a[0];
    b[1] = a[1];
    b[1].gamma_inf = 1e-12;
    EXPECT_EQ(Cmp_Xtr_Tables(a, 2, b, 2), 1);
}

TEST_F(Xtr, FindersOverLoadCases)
{
    Nchw_Einw_Table_Init(2);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
    Nchw_Einw_Table_Add(2, "Anprall", 99, 0, 0, 3, 0);
    Nchw_Lf_Table_Init(2);
    Nchw_Lf_Table_Add(10, "g", 0, 0);
    Nchw_Lf_Table_Add(20, "a", 1, 0);
    Xtr_Row rows[2] = {{10, 1, 1, 1, 1}, {20, 1, 1, 1, 1}};
    Xtr_Rule_Rec r{};
    r.rows = rows;
    r.row_count = 2;
    r.basis[0] = 1;
    EXPECT_EQ(Xtr_Rule_Find_Sonderlast(&r), 1);
    EXPECT_EQ(Xtr_Found_Action, &Nchw_Einw_Table.rows[1]);
    EXPECT_DOUBLE_EQ(Xtr_Kmod_Accidental, 0.9); /* class 3: short */
    EXPECT_EQ(Xtr_Rule_Find_Erdbeben(&r), 0);
    r.basis[0] = 0; /* numbers 10, 20 are no actions */
    EXPECT_EQ(Xtr_Rule_Find_Sonderlast(&r), 0);
}

TEST_F(Xtr, SinglePsiValues)
{
    Nchw_Einw_Table_Init(3);
    Nchw_Einw_Table_Add(1, "Nutz", 2, 1, 0, 2, 0);
    Nchw_Einw_Table_Add(2, "Zwang", 4, 3, 0, 2, 0);
    Nchw_Einw_Table_Add(3, "Temperatur", 4, 8, 0, 2, 0);
    EXPECT_DOUBLE_EQ(Get_Psi2_Eurocode(&Nchw_Einw_Table.rows[0]), 0.6);
    EXPECT_DOUBLE_EQ(Get_Psi1_Eurocode(&Nchw_Einw_Table.rows[0]), 0.7);
    EXPECT_DOUBLE_EQ(Get_Psi2_Eurocode(&Nchw_Einw_Table.rows[1]), 1.0); /* restraint below 8 */
    EXPECT_DOUBLE_EQ(Get_Psi2_Eurocode(&Nchw_Einw_Table.rows[2]), 0.0);
    EXPECT_DOUBLE_EQ(Get_Psi2_DIN1045(nullptr), 1.0);
}

/* ------------------------------------------------------------------ data lines */

namespace {

struct Rule_Arg {
    Xtr_Rule_Rec *rule;
    int which;
};

void Write_Rule(FILE *f, void *arg)
{
    Rule_Arg *a = static_cast<Rule_Arg *>(arg);
    if (a->which == 0) Write_Xtr_Rule_Kmod_Cases(f, nullptr, a->rule, 4);
    if (a->which == 1) Write_Xtr_Rule_Defl_AB(f, nullptr, a->rule, 4);
    if (a->which == 2) {
        Defl_Parts p = {{0, 1, 0}};
        Write_Xtr_Rule_Defl_ABC(f, &p, a->rule, 4);
    }
    if (a->which == 3) Write_Xtr_Rule_Kdef(f, nullptr, a->rule, 4);
}

void Write_Collective(FILE *f, void *arg)
{
    Write_Lkom(f, nullptr, static_cast<Lkom_Rec *>(arg), 3);
}

} // namespace

TEST_F(Xtr, KmodCasesGroupRowsByLoadDuration)
{
    Nchw_Einw_Table_Init(3);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0); /* permanent: kmod 0.6 */
    Nchw_Einw_Table_Add(2, "Q", 2, 1, 0, 2, 0); /* medium: 0.8 */
    Nchw_Einw_Table_Add(3, "S", 2, 6, 0, 2, 0); /* medium: 0.8 */
    Xtr_Row rows[3] = {{1, 1.0, 1.0, 1.35, 1.0}, {2, 1.0, 0.7, 1.5, 0.0}, {3, 1.0, 0.5, 1.5, 0.0}};
    Xtr_Rule_Rec r{};
    snprintf(r.name, sizeof r.name, "R");
    r.number = 1;
    r.rows = rows;
    r.row_count = 3;
    Rule_Arg a = {&r, 0};
    EXPECT_EQ(Capture(Write_Rule, &a), "    1 4 3 'R' 2 /\n"
                                       "    2 / \n"
                                       "    1 4 1 'Fall 1 (kmod=0.60)' 1 /\n"
                                       "    0 2 0 1.300000 0.600000 \n"
                                       "   1    1.00  1.00   1.35  1.00\n"
                                       "    2 4 3 'Fall 2 (kmod=0.80)' 1 /\n"
                                       "    0 2 0 1.300000 0.800000 \n"
                                       "   1    1.00  1.00   1.35  1.00\n"
                                       "   2    1.00  0.70   1.50  0.00\n"
                                       "   3    1.00  0.50   1.50  0.00\n"
                                       " / #EOF\n"
                                       "        1 1.000000 1.000000 1.350000 1.000000 /\n"
                                       "        2 1.000000 0.700000 1.500000 0.000000 /\n"
                                       "        3 1.000000 0.500000 1.500000 0.000000 /\n");
    Nchw_Einw_Table.rows[0].kled = 2; /* all medium: one case */
    std::string one = Capture(Write_Rule, &a);
    const std::string head = "    1 4 3 'R' 2 /\n    1 / \n    1 4 3 'Fall 1 (kmod=0.80)' 1 /\n";
    EXPECT_EQ(one.substr(0, head.size()), head);
}

TEST_F(Xtr, DeflectionParts)
{
    Nchw_Einw_Table_Init(2);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
    Nchw_Einw_Table_Add(2, "Q", 2, 1, 0, 2, 0); /* DIN psi2 of index 1: 0.6 */
    Xtr_Row rows[2] = {{1, 1.0, 1.0, 1.0, 1.0}, {2, 1.0, 0.5, 1.0, 0.0}};
    Xtr_Rule_Rec r{};
    snprintf(r.name, sizeof r.name, "D");
    r.number = 2;
    r.rows = rows;
    r.row_count = 2;
    Rule_Arg a = {&r, 1};
    /* part B: G psi2 1.0 (permanent) x kdef 0.6 = 0.6; Q 1.0 + 0.6 x 0.6 = 1.36, 0.5 + 0.36 = 0.86 */
    EXPECT_EQ(Capture(Write_Rule, &a), "    2 4 2 'D' 2 /\n"
                                       "    2 / \n"
                                       "    1 4 2 'Teil A: wQ,inst < wA,req' 1 /\n"
                                       "    1 0 0   1 \n"
                                       "   1    0.00  0.00   0.00  0.00\n"
                                       "   2    1.00  0.50   1.00  0.00\n"
                                       "    2 4 2 'Teil B: wfin - wG,inst < wB,req' 1 /\n"
                                       "    1 0 0   2 \n"
                                       "   1    0.60  0.60   1.00  1.00\n"
                                       "   2    1.36  0.86   1.00  0.00\n"
                                       " / #EOF\n"
                                       "        1 1.000000 1.000000 1.000000 1.000000 /\n"
                                       "        2 1.000000 0.500000 1.000000 0.000000 /\n");
    a.which = 2; /* only part B, numbered 1 */
    std::string b = Capture(Write_Rule, &a);
    const std::string head =
        "    2 4 2 'D' 2 /\n    1 / \n    1 4 2 'Teil B: wfin' 1 /\n    1 0 0   2 \n";
    EXPECT_EQ(b.substr(0, head.size()), head);
    a.which = 3; /* creep: gammas x 1.6 */
    EXPECT_EQ(Capture(Write_Rule, &a), "    2 4 2 'D' /\n"
                                       "        1 1.000000 1.000000 1.600000 1.600000 /\n"
                                       "        2 1.000000 0.500000 1.600000 0.000000 /\n");
}

TEST_F(Xtr, CollectiveFactorLines)
{
    Nchw_Einw_Table_Init(3);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
    Nchw_Einw_Table_Add(2, "A", 99, 0, 0, 4, 0);
    Nchw_Einw_Table_Add(3, "E", 100, 0, 0, 3, 0);
    Nchw_Lf_Table_Init(3);
    Nchw_Lf_Table_Add(1, "g", 0, 0);
    Nchw_Lf_Table_Add(2, "a", 1, 0);
    Nchw_Lf_Table_Add(3, "e", 2, 0);
    Lkom_Row rows[3] = {{1, 1, 1.0, 1.0, 1.0}, {2, 1, 1.0, 1.0, 1.0}, {3, 1, 1.0, 1.0, 1.0}};
    Lkom_Rec l{};
    snprintf(l.name, sizeof l.name, "K");
    l.number = 5;
    l.rows = rows;
    l.row_count = 3;
    EXPECT_EQ(Lkom_Has_Sonderlast(&l), 1);
    EXPECT_EQ(Lkom_Has_Erdbeben(&l), 1);
    EXPECT_EQ(Capture(Write_Collective, &l), "    5 3 3 'K' 1 /\n"
                                             "    0 2 0 1.000000 1.100000 \n"
                                             " / #EOF\n"
                                             "        1 1.000000 1.000000 /\n"
                                             "        2 1.000000 1.000000 /\n"
                                             "        3 1.000000 1.000000 /\n");
    Lkom_Rec empty{};
    snprintf(empty.name, sizeof empty.name, "L");
    empty.number = 6;
    EXPECT_EQ(Capture(Write_Collective, &empty),
              "    6 3 0 'L' 1 /\n    0 2 0 1.300000 0.000000 \n / #EOF\n");
    Nchw_Lf_Table_Init(0);
    EXPECT_EQ(Lkom_Has_Sonderlast(&l), 0);
}

TEST_F(Xtr, MessageOfSeveralAccidentalActions)
{
    Nchw_Einw_Table_Init(3);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
    Nchw_Einw_Table_Add(2, "A1", 99, 0, 0, 4, 0);
    Nchw_Einw_Table_Add(3, "A2", 99, 0, 0, 4, 0);
    for (int i = 0; i < 3; i++) Nchw_Einw_Table.rows[i].active = 1;
    Rule(1, 1, 1);
    Xtr_Message_Switch = 0;
    ZW_Test_Reset();
    int32_t n = 0;
    free(Build_Situation_Xtr_Table(check, &n, 1, 0, 1, 1, 0));
    int found = 0;
    for (const std::string &l : ZW_Test_Log_Lines()) {
        if (l.find("eine \"außergewöhnliche Bemessungssituation\"!") != std::string::npos)
            found |= 1;
        if (l.find("Es sind mehrere") != std::string::npos) found |= 2;
        if (l.find("Sonderlastfälle") != std::string::npos) found |= 4;
    }
    EXPECT_EQ(found, 7);
    Xtr_Message_Switch = 1; /* silenced: the same rows, no box */
    ZW_Test_Reset();
    free(Build_Situation_Xtr_Table(check, &n, 1, 0, 1, 1, 0));
    EXPECT_EQ(n, 3);
    for (const std::string &l : ZW_Test_Log_Lines())
        EXPECT_EQ(l.find("Es sind mehrere"), std::string::npos);
    ZW_Test_Reset();
}

/* ------------------------------------------------------------------ writers by type id */

namespace {

typedef std::function<void(FILE *)> Writer;

void Call_Writer(FILE *f, void *arg) { (*static_cast<Writer *>(arg))(f); }

std::string Text(Writer w) { return Capture(Call_Writer, &w); }

typedef void (*Rule_Writer)(FILE *, const void *, const Xtr_Rule_Rec *, int32_t);
typedef void (*Lkom_Writer)(FILE *, const void *, const Lkom_Rec *, int32_t);

} // namespace

/* The rule writer takes the special lines of the types 121, 122, 123, 221, 222 and 224, the plain
** lines of every other type (125 among them). */
TEST_F(Xtr, RuleLinesByTypeId)
{
    Nchw_Einw_Table_Init(2);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
    Nchw_Einw_Table_Add(2, "Q", 2, 1, 0, 2, 0);
    Xtr_Row rows[2] = {{1, 1.0, 1.0, 1.35, 1.0}, {2, 1.0, 0.7, 1.5, 0.0}};
    Xtr_Rule_Rec r{};
    snprintf(r.name, sizeof r.name, "R");
    r.number = 1;
    r.rows = rows;
    r.row_count = 2;
    const std::string plain = "    1 4 2 'R' /\n"
                              "        1 1.000000 1.000000 1.350000 1.000000 /\n"
                              "        2 1.000000 0.700000 1.500000 0.000000 /\n";
    const Nchw_Rec *c = check;
    for (int32_t id : {500, 125, 120, 124, 223}) {
        type.ints0_3[0] = id;
        EXPECT_EQ(Text([&](FILE *f) { EXPECT_EQ(Write_Xtr_Rule_Lines(f, c, &r, 4), 1); }), plain)
            << id;
    }
    const struct {
        int32_t id;
        Rule_Writer w;
    } special[] = {{121, Write_Xtr_Rule_Kmod_Cases},
                   {122, Write_Xtr_Rule_Defl_AB},
                   {123, Write_Xtr_Rule_Kdef},
                   {221, Write_Xtr_Rule_Kmod_Cases3},
                   {224, Write_Xtr_Rule_NadFactor}};
    for (const auto &s : special) {
        type.ints0_3[0] = s.id;
        const std::string own = Text([&](FILE *f) { s.w(f, c, &r, 4); });
        EXPECT_NE(own, plain) << s.id;
        EXPECT_EQ(Text([&](FILE *f) { Write_Xtr_Rule_Lines(f, c, &r, 4); }), own) << s.id;
    }
    /* 222: the check's first three option values switch the parts A, B and C */
    type.ints0_3[0] = 222;
    for (const Defl_Parts &p : {Defl_Parts{{0, 1, 0}}, Defl_Parts{{1, 0, 1}}}) {
        for (int i = 0; i < 3; i++) check->option_values[i] = p.on[i];
        const std::string own = Text([&](FILE *f) { Write_Xtr_Rule_Defl_ABC(f, &p, &r, 4); });
        EXPECT_NE(own, plain);
        EXPECT_EQ(Text([&](FILE *f) { Write_Xtr_Rule_Lines(f, c, &r, 4); }), own);
    }
    /* without a rule nothing is written */
    type.ints0_3[0] = 500;
    EXPECT_EQ(Text([&](FILE *f) { EXPECT_EQ(Write_Xtr_Rule_Lines(f, c, nullptr, 4), 1); }), "");
}

/* The collective writer: Write_Lkom for 121 and 125, Write_Lkom3 for 221 and 225, the national
** factor for 224, the plain lines (without the factor) for every other type. */
TEST_F(Xtr, CollectiveLinesByTypeId)
{
    Nchw_Einw_Table_Init(1);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
    Nchw_Lf_Table_Init(1);
    Nchw_Lf_Table_Add(7, "g", 0, 0);
    Lkom_Row rows[2] = {{7, 1, 1.0, 0.5, 1.35}, {-2, 1, 0.25, 1.0, 1.0}};
    Lkom_Rec l{};
    snprintf(l.name, sizeof l.name, "K");
    l.number = 5;
    l.rows = rows;
    l.row_count = 2;
    const std::string plain = "    5 3 2 'K' /\n"
                              "        7 1.000000 0.500000 /\n"
                              "        -2 0.250000 1.000000 /\n";
    const Nchw_Rec *c = check;
    for (int32_t id : {500, 122, 123, 222}) {
        type.ints0_3[0] = id;
        EXPECT_EQ(Text([&](FILE *f) { EXPECT_EQ(Write_Lkom_Lines(f, c, &l, 3), 1); }), plain) << id;
    }
    const struct {
        int32_t id;
        Lkom_Writer w;
    } special[] = {{121, Write_Lkom},
                   {125, Write_Lkom},
                   {221, Write_Lkom3},
                   {225, Write_Lkom3},
                   {224, Write_Lkom_NadFactor}};
    for (const auto &s : special) {
        type.ints0_3[0] = s.id;
        const std::string own = Text([&](FILE *f) { s.w(f, c, &l, 3); });
        EXPECT_NE(own, plain) << s.id;
        EXPECT_EQ(Text([&](FILE *f) { Write_Lkom_Lines(f, c, &l, 3); }), own) << s.id;
    }
    EXPECT_NE(Text([&](FILE *f) { Write_Lkom3(f, c, &l, 3); }),
              Text([&](FILE *f) { Write_Lkom(f, c, &l, 3); }));
    type.ints0_3[0] = 500;
    EXPECT_EQ(Text([&](FILE *f) { EXPECT_EQ(Write_Lkom_Lines(f, c, nullptr, 3), 1); }), "");
}
