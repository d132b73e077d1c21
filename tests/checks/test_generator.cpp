/*
** Tests of the load-collective generator: the red-black tree and its key order, the limits and
** window lists, the enumeration of selections, the factors and whole generation runs.
*/
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "checks/checks.h"
#include "platform/zelkwin_test.h"

namespace {

Lkom_Rec *Make_Lkom(std::vector<int> numbers, std::vector<double> factors)
{
    Lkom_Rec *l = (Lkom_Rec *)calloc(1, sizeof(Lkom_Rec));
    l->row_count = (int32_t)numbers.size();
    l->rows = (Lkom_Row *)calloc(numbers.size() + 1, sizeof(Lkom_Row));
    for (size_t i = 0; i < numbers.size(); i++) {
        l->rows[i].number = numbers[i];
        l->rows[i].factor = factors[i];
    }
    return l;
}

void Drop_Lkom(Lkom_Rec *l)
{
    free(l->rows);
    free(l);
}

void Collect(void *key, void *arg)
{
    static_cast<std::vector<Lkom_Rec *> *>(arg)->push_back(static_cast<Lkom_Rec *>(key));
}

class Generator : public ::testing::Test {
  protected:
    Nchw_Type_Rec type{};
    void SetUp() override
    {
        Clear();
        Reset_Lkom_Gen_Settings();
        type.ints0_3[0] = 500;
        type.ints4_10[1] = 1; /* integer 5 */
        type.ints4_10[3] = 1; /* integer 7 */
        type.ints4_10[5] = 8; /* integer 9 */
        type.ints4_10[6] = 1; /* integer 10: linear */
        Nchw_Rec *c = New_Nachweis();
        c->type = &type;
    }
    void TearDown() override
    {
        Clear();
        Reset_Lkom_Gen_Settings();
    }
    static void Clear()
    {
        Init_Or_Clear_Auto_Lkoms();
        Free_Lkom_Windows();
        Free_Lf_Factor_Tables();
        Nchw_Imp_Table_Init(0);
        Nchw_Lf_Table_Init(0);
        Nchw_Group_Table_Init(0);
        Nchw_Einw_Table_Init(0);
        Free_All_Nachweise();
    }
    /* One variable action (row 0) with n load cases, all in window state 3. */
    static void One_Action(int n, int group = 0)
    {
        Nchw_Einw_Table_Init(1);
        Nchw_Einw_Table_Add(1, "Nutzlast", 2, 0, 0, 2, 0);
        Nchw_Group_Table_Init(0);
        Nchw_Lf_Table_Init(n);
        for (int i = 0; i < n; i++) Nchw_Lf_Table_Add(10 + i, "LF", 0, group);
        Nchw_Imp_Table_Init(0);
        for (int i = 0; i < n; i++) Nchw_Lf_Table.rows[i].gen[LF_GEN_WINDOW] = 3;
    }
    /* User-defined factors per action for action row 0. */
    static void Action_Factors(double psi_dom, double psi_sub, double gs, double gi)
    {
        ASSERT_EQ(Build_Lf_Factor_Tables(), 1);
        Lf_Factor_Row *r = &Lf_Factor_Table.rows[LFF_ACTIONS][0];
        r->on = 1;
        r->psi_dom = psi_dom;
        r->psi_sub = psi_sub;
        r->gamma_sup = gs;
        r->gamma_inf = gi;
        Lkom_Gen_Settings.factor_mode = 2;
        Lkom_Gen_Settings.basis = 1;
    }
    static std::vector<std::vector<int>> All_Selections()
    {
        std::vector<std::vector<int>> out;
        for (int more = Next_Lf_Selection(1); more; more = Next_Lf_Selection(0)) {
            std::vector<int> s;
            for (int32_t i = 0; i < Nchw_Lf_Table.count; i++)
                s.push_back(Nchw_Lf_Table.rows[i].gen[LF_GEN_SELECT]);
            out.push_back(s);
        }
        return out;
    }
};

} // namespace

/* ------------------------------------------------------------------ tree */

TEST(LkomTree, KeyOrder)
{
    Lkom_Rec *a = Make_Lkom({1, 2}, {1.350, 1.0});
    Lkom_Rec *b = Make_Lkom({1, 2}, {1.351, 1.0});
    Lkom_Rec *c = Make_Lkom({1, 2}, {1.352, 1.0});
    Lkom_Rec *d = Make_Lkom({1, 3}, {1.0, 1.0});
    Lkom_Rec *e = Make_Lkom({1}, {1.0});
    Lkom_Rec *n1 = Make_Lkom({}, {});
    Lkom_Rec *n2 = Make_Lkom({}, {});
    EXPECT_EQ(Lkom_Compare(a, b), 0); /* 0.001 apart: equal */
    EXPECT_EQ(Lkom_Compare(a, c), -1);
    EXPECT_EQ(Lkom_Compare(c, a), 1);
    EXPECT_EQ(Lkom_Compare(a, d), -1); /* 2 - 3 */
    EXPECT_EQ(Lkom_Compare(d, e), 1);  /* row counts 2 - 1 */
    EXPECT_EQ(Lkom_Compare(e, d), -1);
    EXPECT_EQ(Lkom_Compare(n1, n2), 0);
    Lkom_Rec *imp = Make_Lkom({1, -4}, {1.0, 1.0});
    EXPECT_EQ(Lkom_Compare(imp, a), -6); /* -4 - 2 */
    for (Lkom_Rec *l : {a, b, c, d, e, n1, n2, imp}) Drop_Lkom(l);
}

TEST(LkomTree, InsertRefusesEqualKeysAndKeepsOrder)
{
    RB_Tree *t = Lkom_RBTree_Create();
    ASSERT_NE(t, nullptr);
    Lkom_Rec *r3 = Make_Lkom({1, 2, 3}, {1, 1, 1});
    Lkom_Rec *r1 = Make_Lkom({1}, {1});
    Lkom_Rec *r2 = Make_Lkom({1, 2}, {1, 1});
    EXPECT_EQ(RBTreeInsert(t, r3), 1);
    EXPECT_EQ(RBTreeInsert(t, r1), 1);
    EXPECT_EQ(RBTreeInsert(t, r2), 1);
    std::vector<Lkom_Rec *> order;
    RBTree_Walk(t, Collect, &order);
    ASSERT_EQ(order.size(), 3u);
    EXPECT_EQ(order[0], r1);
    EXPECT_EQ(order[1], r2);
    EXPECT_EQ(order[2], r3);
    Lkom_Rec *same = Make_Lkom({1, 2}, {1.0005, 0.9995});
    EXPECT_EQ(RBTreeInsert(t, same), 0);
    EXPECT_EQ(t->n_nodes, 3);
    Lkom_Rec *a = Make_Lkom({7}, {1.352});
    Lkom_Rec *b = Make_Lkom({7}, {1.350});
    EXPECT_EQ(RBTreeInsert(t, a), 1);
    EXPECT_EQ(RBTreeInsert(t, b), 1);
    order.clear();
    RBTree_Walk(t, Collect, &order);
    ASSERT_EQ(order.size(), 5u);
    EXPECT_EQ(order[0], r1);
    EXPECT_EQ(order[1], b); /* 1.350 before 1.352 */
    EXPECT_EQ(order[2], a);
    RBTree_Destroy(t);
    /* the tree never owned the collectives: they are all still readable */
    EXPECT_EQ(r3->rows[2].number, 3);
    for (Lkom_Rec *l : {r1, r2, r3, same, a, b}) Drop_Lkom(l);
}

TEST(LkomTree, StaysBalancedUnderManyInsertions)
{
    RB_Tree *t = Lkom_RBTree_Create();
    std::vector<Lkom_Rec *> all;
    std::mt19937 rng(7);
    int stored = 0;
    for (int i = 0; i < 600; i++) {
        Lkom_Rec *l = Make_Lkom({(int)(rng() % 400)}, {1.0});
        all.push_back(l);
        if (RBTreeInsert(t, l) == 1) stored++;
        ASSERT_GT(RBTree_Verify(t), 0) << "after insertion " << i;
    }
    EXPECT_EQ(t->n_nodes, stored);
    EXPECT_LT(stored, 600); /* some numbers came twice */
    std::vector<Lkom_Rec *> order;
    RBTree_Walk(t, Collect, &order);
    for (size_t i = 1; i < order.size(); i++)
        EXPECT_LT(order[i - 1]->rows[0].number, order[i]->rows[0].number);
    /* ascending insertions are the classic degenerate case of a plain search tree */
    RB_Tree *u = Lkom_RBTree_Create();
    for (int i = 0; i < 300; i++) RBTreeInsert(u, all[i]);
    EXPECT_GT(RBTree_Verify(u), 0);
    RBTree_Destroy(u);
    RBTree_Destroy(t);
    for (Lkom_Rec *l : all) Drop_Lkom(l);
}

/* ------------------------------------------------------------------ limits and windows */

TEST_F(Generator, LimitsKeepTheirOrder)
{
    Set_Lkom_Limits(50, 3000, 2000, 500);
    int32_t r, m, k, t;
    Get_Lkom_Limits(&r, &m, &k, &t);
    EXPECT_EQ(t, 500);
    EXPECT_EQ(k, 2000);
    EXPECT_EQ(m, 3000);
    EXPECT_EQ(r, 500);
    Set_Lkom_Limits(-1, 1000, 2000, 3000);
    Get_Lkom_Limits(&r, &m, &k, &t);
    EXPECT_EQ(k, 1000);
    EXPECT_EQ(t, 1000);
    EXPECT_EQ(r, -1);
    Get_Lkom_Limits(nullptr, nullptr, nullptr, &t); /* null pointers allowed */
    EXPECT_EQ(t, 1000);
    Set_LkomGen_Flags(1, 0, 1, 0, 1);
    int32_t f[5];
    Get_LkomGen_Flags(&f[0], &f[1], &f[2], &f[3], &f[4]);
    EXPECT_EQ(f[0] * 10000 + f[1] * 1000 + f[2] * 100 + f[3] * 10 + f[4], 10101);
}

TEST_F(Generator, JointGroupEntersTheWindowOfItsState)
{
    One_Action(3);
    ASSERT_EQ(Init_Lkom_Windows(), 1);
    EXPECT_EQ(Lkom_Window_Count(Lkom_Window_List[LKOM_WIN_21]), 3);
    EXPECT_EQ(Lkom_Window_Count(Lkom_Window_List[LKOM_WIN_31]), 3);
    EXPECT_STREQ(Joint_Groups[1].name, "Gruppierung 2");
    /* load case 0 goes into joint group 2, which the user moved to "always favourable" */
    Lkom_Window_Append(Lkom_Joint_List[1], 2, &Nchw_Lf_Table.rows[0]);
    Lkom_Window_List[LKOM_WIN_21][0] = Lkom_Window_List[LKOM_WIN_21][1];
    Lkom_Window_List[LKOM_WIN_21][1] = Lkom_Window_List[LKOM_WIN_21][2];
    Lkom_Window_List[LKOM_WIN_21][2].kind = 0;
    Lkom_Window_List[LKOM_WIN_31][0] = Lkom_Window_List[LKOM_WIN_31][1];
    Lkom_Window_List[LKOM_WIN_31][1] = Lkom_Window_List[LKOM_WIN_31][2];
    Lkom_Window_List[LKOM_WIN_31][2].kind = 0;
    Joint_Groups[1].window_state = 1;
    Lkom_Window_Append(Lkom_Window_List[LKOM_WIN_22], 2, &Nchw_Lf_Table.rows[2]); /* moved */
    Lkom_Window_List[LKOM_WIN_21][1].kind = 0;
    Lkom_Windows_To_States();
    ASSERT_EQ(Lkom_Window_Count(Lkom_Window_List[LKOM_WIN_23]), 1);
    EXPECT_EQ(Lkom_Window_List[LKOM_WIN_23][0].kind, 1);
    EXPECT_STREQ(((Joint_Group_Rec *)Lkom_Window_List[LKOM_WIN_23][0].row)->name, "Gruppierung 2");
    EXPECT_EQ(Nchw_Lf_Table.rows[0].gen[LF_GEN_WINDOW], 1); /* the group's state */
    EXPECT_EQ(Nchw_Lf_Table.rows[1].gen[LF_GEN_WINDOW], 3);
    EXPECT_EQ(Nchw_Lf_Table.rows[2].gen[LF_GEN_WINDOW], 2);
    EXPECT_EQ(Lkom_Window_Count(Lkom_Window_List[LKOM_WIN_22]), 1);
    EXPECT_EQ(Lkom_Window_Count(Lkom_Window_List[LKOM_WIN_21]), 1);
}

/* ------------------------------------------------------------------ enumeration */

TEST_F(Generator, TwoLoadCasesGiveFourSelections)
{
    One_Action(2);
    auto s = All_Selections();
    EXPECT_EQ(s, (std::vector<std::vector<int>>{{1, 1}, {2, 1}, {1, 2}, {2, 2}}));
}

TEST_F(Generator, AlternativeGroupMembersTakeTurns)
{
    One_Action(2, 1); /* both load cases in alternative group 1 */
    auto s = All_Selections();
    EXPECT_EQ(s, (std::vector<std::vector<int>>{{1, 0}, {2, 0}, {0, 1}, {0, 2}}));
}

TEST_F(Generator, GroupsAbove250AreAlwaysPresent)
{
    One_Action(2, 300);
    auto s = All_Selections();
    EXPECT_EQ(s.size(), 4u); /* both always there: a plain 2-bit counter */
}

TEST_F(Generator, ImperfectionSignsAreAllVisited)
{
    type.ints4_10[6] = 2; /* nonlinear */
    Nchw_Einw_Table_Init(1);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
    Nchw_Lf_Table_Init(0);
    Nchw_Imp_Table_Init(2);
    Nchw_Imp_Table_Add(1, "I1");
    Nchw_Imp_Table_Add(2, "I2");
    Lkom_Gen_Settings.Gen_Imperfection_Signs = 1;
    Init_Or_Clear_Auto_Lkoms();
    std::vector<std::string> seen;
    for (int more = Next_Lf_Selection(1); more; more = Next_Lf_Selection(0)) {
        std::string s;
        for (int i = 0; i < 2; i++) {
            const int32_t *g = Nchw_Imp_Table.rows[i].gen;
            s += g[IMP_GEN_APPLIED] == 2 ? (g[IMP_GEN_SIGN] > 0 ? '+' : '-') : '0';
        }
        seen.push_back(s);
    }
    EXPECT_EQ(seen,
              (std::vector<std::string>{"00", "+0", "-0", "0+", "0-", "++", "-+", "+-", "--"}));
}

/* ------------------------------------------------------------------ factors */

TEST_F(Generator, FactorsOutsideTheTableAreZero)
{
    One_Action(2);
    Action_Factors(1.0, 0.7, 1.5, 0.0);
    double a = 9, b = 9, c = 9, d = 9;
    Get_Lf_Factors(2, &a, &b, &c, &d); /* index equal to the count */
    EXPECT_EQ(a + b + c + d, 0.0);
    Get_Lf_Factors(1, &a, &b, &c, &d);
    EXPECT_DOUBLE_EQ(b, 0.7);
    EXPECT_DOUBLE_EQ(c, 1.5);
    Lkom_Gen_Settings.basis = 2; /* per load case: its own row is off */
    Get_Lf_Factors(1, &a, &b, &c, &d);
    EXPECT_EQ(a + b + c + d, 0.0);
}

/* ------------------------------------------------------------------ runs */

TEST_F(Generator, CharacteristicRunKeepsCollectivesWithRows)
{
    One_Action(2);
    Action_Factors(1.0, 1.0, 1.5, 0.0);
    Lkom_Gen_Settings.method = 3;
    Do_Generate_Lkoms();
    /* (1,1) has only zero products and is deleted; the other three are kept */
    ASSERT_EQ(N_GENERATED_LKOMS_EXIST, 3);
    ASSERT_EQ(Auto_GenRule.lkom_count, 3);
    EXPECT_EQ(LKOM_RBTree, nullptr);
    Lkom_Rec *k = Auto_GenRule.lkom_head;
    EXPECT_STREQ(k->name, "LK 1 (auto)                   ");
    EXPECT_EQ(k->number, 1);
    EXPECT_EQ(k->comb_rule, 8);
    EXPECT_EQ(k->check_kind, 1);
    EXPECT_EQ(k->default_comb_rules, 8);
    ASSERT_EQ(k->row_count, 1);
    EXPECT_EQ(k->rows[0].number, 10);
    EXPECT_EQ(k->rows[0].unfavourable, 1);
    EXPECT_DOUBLE_EQ(k->rows[0].psi, 1.0);
    EXPECT_DOUBLE_EQ(k->rows[0].factor, 1.5);
    k = k->next;
    EXPECT_EQ(k->number, 2);
    ASSERT_EQ(k->row_count, 1);
    EXPECT_EQ(k->rows[0].number, 11);
    k = k->next;
    EXPECT_EQ(k->number, 3);
    EXPECT_EQ(k->row_count, 2);
    EXPECT_EQ(k->owner, &Auto_GenRule);
}

TEST_F(Generator, EqualCollectivesAreKeptOnce)
{
    One_Action(2);
    Action_Factors(1.0, 1.0, 1.0, 1.0); /* favourable and unfavourable alike */
    Lkom_Gen_Settings.method = 3;
    Do_Generate_Lkoms();
    EXPECT_EQ(N_GENERATED_LKOMS_EXIST, 1);
    EXPECT_EQ(Auto_GenRule.lkom_count, 1);
    /* the same with the linear duplicate test */
    Lkom_Tree_Mode = 0;
    Init_Or_Clear_Auto_Lkoms();
    int32_t n = 0;
    for (int more = Next_Lf_Selection(1); more; more = Next_Lf_Selection(0)) {
        New_Auto_Lkom(n + 1, 0);
        n += Insert_Lkom_Unique();
    }
    EXPECT_EQ(n, 1);
    EXPECT_EQ(Auto_GenRule.lkom_count, 1);
}

TEST_F(Generator, SmallFactorDifferencesAreDuplicates)
{
    One_Action(2);
    Action_Factors(1.0, 1.0, 1.0005, 1.0); /* 0.0005 apart: one collective */
    Lkom_Gen_Settings.method = 3;
    Do_Generate_Lkoms();
    EXPECT_EQ(N_GENERATED_LKOMS_EXIST, 1);
    Action_Factors(1.0, 1.0, 1.002, 1.0); /* 0.002 apart: four */
    Do_Generate_Lkoms();
    EXPECT_EQ(N_GENERATED_LKOMS_EXIST, 4);
}

TEST_F(Generator, RunStopsOneAboveTheMaximum)
{
    One_Action(2);
    Action_Factors(1.0, 1.0, 1.5, 0.0);
    Lkom_Gen_Settings.method = 3;
    Set_Lkom_Limits(1, 1, 1, 1);
    Do_Generate_Lkoms();
    EXPECT_EQ(N_GENERATED_LKOMS_EXIST, 2);
    EXPECT_EQ(Auto_GenRule.lkom_count, 2);
}

TEST_F(Generator, WindowStateOneNeverActsUnfavourably)
{
    One_Action(2);
    Nchw_Lf_Table.rows[0].gen[LF_GEN_WINDOW] = 1;
    Action_Factors(1.0, 1.0, 1.5, 0.0);
    Lkom_Gen_Settings.method = 3;
    Do_Generate_Lkoms();
    /* (1,1) empty, (2,x) refused by the window: only (1,2) with load case 11 */
    ASSERT_EQ(N_GENERATED_LKOMS_EXIST, 1);
    ASSERT_EQ(Auto_GenRule.lkom_head->row_count, 1);
    EXPECT_EQ(Auto_GenRule.lkom_head->rows[0].number, 11);
}

TEST_F(Generator, LeadingActionTakesPsiDom)
{
    /* Eurocode method: two variable actions, each with one load case, psi0 0.7 */
    Nchw_Einw_Table_Init(2);
    Nchw_Einw_Table_Add(1, "Nutzlast", 2, 0, 0, 2, 0);
    Nchw_Einw_Table_Add(2, "Wind", 2, 7, 0, 3, 0);
    Nchw_Lf_Table_Init(2);
    Nchw_Lf_Table_Add(10, "N", 0, 0);
    Nchw_Lf_Table_Add(20, "W", 1, 0);
    Nchw_Imp_Table_Init(0);
    for (int i = 0; i < 2; i++) Nchw_Lf_Table.rows[i].gen[LF_GEN_WINDOW] = 3;
    ASSERT_EQ(Build_Lf_Factor_Tables(), 1);
    for (int a = 0; a < 2; a++) {
        Lf_Factor_Row *r = &Lf_Factor_Table.rows[LFF_ACTIONS][a];
        r->on = 1;
        r->psi_dom = 1.0;
        r->psi_sub = a == 0 ? 0.7 : 0.6;
        r->gamma_sup = 1.5;
        r->gamma_inf = 0.0;
    }
    Lkom_Gen_Settings.factor_mode = 2;
    Lkom_Gen_Settings.method = 1;
    for (int a = 0; a < 2; a++) Nchw_Einw_Table.rows[a].active = 1;
    Do_Generate_Lkoms();
    /* leading 1: (2,1) -> {10: 1.5}, (2,2) -> {10: 1.5, 20: 0.9}; leading 2: (1,2) -> {20: 1.5},
       (2,2) -> {10: 1.05, 20: 1.5}; (1,1) is empty and refused by the leading-action test */
    ASSERT_EQ(N_GENERATED_LKOMS_EXIST, 4);
    Lkom_Rec *k = Auto_GenRule.lkom_head->next;
    ASSERT_EQ(k->row_count, 2);
    EXPECT_DOUBLE_EQ(k->rows[1].factor, 0.9);
    EXPECT_EQ(k->leading_action[0], 0);
    k = k->next->next;
    ASSERT_EQ(k->row_count, 2);
    EXPECT_DOUBLE_EQ(k->rows[0].factor, 1.05);
    EXPECT_EQ(k->leading_action[0], 1);
    EXPECT_EQ(k->comb_rule, 2);
}

TEST_F(Generator, EscStopsTheLeadingRunQuietly)
{
    One_Action(2);
    Action_Factors(1.0, 1.0, 1.5, 0.0);
    Lkom_Gen_Settings.method = 0;
    ZW_Test_Reset();
    ZW_Test_Set_Script("key Esc\n");
    Do_Generate_Lkoms();
    EXPECT_EQ(N_GENERATED_LKOMS_EXIST, 0); /* stopped before the first selection was judged */
    EXPECT_EQ(Auto_GenRule.lkom_count, 0);
    ZW_Test_Reset();
    Do_Generate_Lkoms(); /* without a key: (2,1) (1,2) (2,2) */
    EXPECT_EQ(N_GENERATED_LKOMS_EXIST, 3);
}
