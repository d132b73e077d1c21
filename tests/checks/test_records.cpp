/*
** Tests of the design-check records: creation of checks and children, the three sorts, the
** release of single children and of all checks, and the module's help topic.
*/
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/checks.h"

namespace {

class Records : public ::testing::Test {
  protected:
    void SetUp() override { Free_All_Nachweise(); }
    void TearDown() override { Free_All_Nachweise(); }
};

std::vector<int> Check_Numbers()
{
    std::vector<int> v;
    for (Nchw_Rec *c = Nchw_List_Head; c; c = c->next) v.push_back(c->number);
    return v;
}

template <typename T>
std::vector<int> Numbers(T *head)
{
    std::vector<int> v;
    for (T *x = head; x; x = x->next) v.push_back(x->number);
    return v;
}

/* The list read backwards from the tail must be the reverse of the list read forwards. */
template <typename T>
bool Links_Consistent(T *head, T *tail)
{
    std::vector<T *> fwd, bwd;
    for (T *x = head; x; x = x->next) fwd.push_back(x);
    for (T *x = tail; x; x = x->prev) bwd.insert(bwd.begin(), x);
    return fwd == bwd;
}

} // namespace

TEST_F(Records, NewCheckIsAppendedCleared)
{
    Nchw_Rec *a = New_Nachweis();
    Nchw_Rec *b = New_Nachweis();
    ASSERT_TRUE(a && b);
    EXPECT_EQ(Nchw_List_Head, a);
    EXPECT_EQ(Nchw_List_Tail, b);
    EXPECT_EQ(a->next, b);
    EXPECT_EQ(b->prev, a);
    EXPECT_EQ(b->comment, nullptr);
    EXPECT_EQ(b->xtr_count + b->lkom_count + b->genrule_count, 0);
    EXPECT_EQ(Count_Nachweise(), 2);
}

TEST_F(Records, SortingChecks)
{
    Sort_Nachweise(); /* empty list */
    EXPECT_EQ(Nchw_List_Head, nullptr);
    Nchw_Rec *one = New_Nachweis();
    one->number = 4;
    Sort_Nachweise(); /* one element */
    EXPECT_EQ(Nchw_List_Head, one);
    EXPECT_EQ(Nchw_List_Tail, one);
    Free_All_Nachweise();
    for (int n : {3, 1, 2}) New_Nachweis()->number = n;
    Sort_Nachweise();
    EXPECT_EQ(Check_Numbers(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Nchw_List_Head->number, 1);
    EXPECT_EQ(Nchw_List_Tail->number, 3);
    EXPECT_TRUE(Links_Consistent(Nchw_List_Head, Nchw_List_Tail));
    Free_All_Nachweise();
    for (int n : {9, 7, 8, 1, 5, 5, 2}) New_Nachweis()->number = n;
    Sort_Nachweise();
    EXPECT_EQ(Check_Numbers(), (std::vector<int>{1, 2, 5, 5, 7, 8, 9}));
    EXPECT_TRUE(Links_Consistent(Nchw_List_Head, Nchw_List_Tail));
}

TEST_F(Records, SortingChildren)
{
    Nchw_Rec *c = New_Nachweis();
    for (int n : {5, 2, 4}) {
        Lkom_Rec *l = New_Lkom(c);
        l->number = n;
        c->lkom_count++;
    }
    Sort_Lkoms(c);
    EXPECT_EQ(Numbers(c->lkom_head), (std::vector<int>{2, 4, 5}));
    EXPECT_EQ(c->lkom_tail->number, 5);
    EXPECT_TRUE(Links_Consistent(c->lkom_head, c->lkom_tail));
    for (int n : {2, 1}) {
        Xtr_Rule_Rec *x = New_Xtr_Rule(c);
        x->number = n;
        c->xtr_count++;
    }
    Sort_Xtr_Rules(c);
    EXPECT_EQ(Numbers(c->xtr_head), (std::vector<int>{1, 2}));
    EXPECT_EQ(c->xtr_tail->number, 2);
}

TEST_F(Records, FirstRuleOfAnEmptyCheckIsHeadAndTail)
{
    Nchw_Rec *c = New_Nachweis();
    Xtr_Rule_Rec *x = New_Xtr_Rule_First(c);
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(c->xtr_head, x);
    EXPECT_EQ(c->xtr_tail, x);
    EXPECT_EQ(x->owner, c);
    EXPECT_EQ(x->number, 0);
    EXPECT_EQ(x->auto_kind, 0);
    EXPECT_EQ(c->xtr_count, 0); /* the caller counts */
    Xtr_Rule_Rec *y = New_Xtr_Rule_First(c);
    EXPECT_EQ(c->xtr_head, y);
    EXPECT_EQ(c->xtr_tail, x);
}

TEST_F(Records, NewGenRuleStartsWithStandardFactors)
{
    Nchw_Rec *c = New_Nachweis();
    GenRule_Rec *g = New_GenRule(c);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->factor_mode, 1);
    EXPECT_EQ(g->mode_value, 1);
    EXPECT_EQ(g->entries, nullptr);
    for (int k = 0; k < 3; k++) {
        EXPECT_EQ(g->factor_counts[k], 0);
        EXPECT_EQ(g->factor_arrays[k], nullptr);
    }
    EXPECT_EQ(c->genrule_tail, g);
}

TEST_F(Records, FreeingSingleChildrenUnlinksAndCounts)
{
    Nchw_Rec *c = New_Nachweis();
    Lkom_Rec *l[3];
    for (auto &x : l) {
        x = New_Lkom(c);
        x->owner = c;
        c->lkom_count++;
    }
    Free_Lkom(l[2]); /* the tail */
    EXPECT_EQ(c->lkom_tail, l[1]);
    EXPECT_EQ(c->lkom_count, 2);
    Free_Lkom(l[0]); /* the head */
    EXPECT_EQ(c->lkom_head, l[1]);
    EXPECT_EQ(l[1]->prev, nullptr);
    EXPECT_EQ(c->lkom_count, 1);
    GenRule_Rec *g = New_GenRule(c);
    c->genrule_count++;
    g->entries = (int32_t *)malloc(4 * sizeof(int32_t));
    Free_GenRule(g);
    EXPECT_EQ(c->genrule_head, nullptr);
    EXPECT_EQ(c->genrule_count, 0);
}

TEST_F(Records, FreeAllEmptiesEverything)
{
    Nchw_Rec *c = New_Nachweis();
    c->comment = strdup("Bemerkung");
    c->selected[1] = (int32_t *)calloc(3, sizeof(int32_t));
    Xtr_Rule_Rec *x = New_Xtr_Rule(c);
    c->xtr_count = 1;
    x->rows = (Xtr_Row *)calloc(2, sizeof(Xtr_Row));
    Lkom_Rec *l = New_Lkom(c);
    c->lkom_count = 1;
    l->rows = (Lkom_Row *)calloc(1, sizeof(Lkom_Row));
    New_GenRule(c);
    c->genrule_count = 1;
    Nchw_Current = c;
    Nchw_Current_Xtr_Rule = x;
    Nchw_Current_Lkom = l;
    New_Nachweis();
    Free_All_Nachweise();
    EXPECT_EQ(Nchw_List_Head, nullptr);
    EXPECT_EQ(Nchw_List_Tail, nullptr);
    EXPECT_EQ(Nchw_Current, nullptr);
    EXPECT_EQ(Nchw_Current_Xtr_Rule, nullptr);
    EXPECT_EQ(Nchw_Current_Lkom, nullptr);
    EXPECT_EQ(Nchw_Current_GenRule, nullptr);
    Nchw_Rec *n = New_Nachweis();
    EXPECT_EQ(Nchw_List_Head, n);
    EXPECT_EQ(Nchw_List_Tail, n);
}

TEST_F(Records, RuleWithoutOwnerIsReportedAndFreed)
{
    Nchw_Rec *c = New_Nachweis();
    Xtr_Rule_Rec *x = New_Xtr_Rule(c);
    c->xtr_count = 1;
    x->owner = nullptr;
    testing::internal::CaptureStdout();
    Free_All_Nachweise();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Free_Extr: keine Nachweiszuordnung\n");
    EXPECT_EQ(Nchw_List_Head, nullptr);
}

TEST_F(Records, HelpTopicIsCutAt49)
{
    EXPECT_STREQ(Nchw_Help_Key, "XNCHW_GLOBAL");
    Set_Nchw_Help_Key(nullptr);
    EXPECT_STREQ(Nchw_Help_Key, "XNCHW_GLOBAL");
    std::string longer(60, 'x');
    Set_Nchw_Help_Key(longer.c_str());
    EXPECT_EQ(std::string(Nchw_Help_Key), std::string(49, 'x'));
    Set_Nchw_Help_Key("XNCHW_GLOBAL");
    Set_Nchw_Module_Value(7);
    EXPECT_EQ(Nchw_Module_Value, 7);
    Set_Nchw_Module_Value(0);
}
