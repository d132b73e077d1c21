/*
** Tests of the services on the list of checks: positions, counts by compute mode, option
** translations, renumbering of selected objects, and the collectives of a rule as solver lines.
*/
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "checks/checks.h"

namespace {

const char Types[] = "\xAE\xAF\n"
                     "30 4 1 1 1 1 0 1 2 2 3\n\xAET\xAF \xAE\xAF \xAE\xAF\n0 0 0\n"
                     "2 L 1 # 10 \xAE"
                     "a\xAF\n"
                     "5 T 0 4096 10 \xAEtext\xAF\n"
                     "1 A 0 1 1 # 10 \xAEr1\xAF\n"
                     "1 A 0 1 2 # 10 \xAEr2\xAF\n"
                     "-1\n2 1 0 \xAESt\x84"
                     "be\xAF 2 0 \xAEKnoten\xAF\n1.0\n"
                     "31 4 1 1 1 1 0 1 2 2 1\n\xAEL\xAF \xAE\xAF \xAE\xAF\n0 0 0\n-1\n0\n1.0\n"
                     "32 4 1 1 1 1 0 1 2 2 2\n\xAEN\xAF \xAE\xAF \xAE\xAF\n0 0 0\n-1\n0\n1.0\n";

class Services : public ::testing::Test {
  protected:
    void SetUp() override
    {
        Free_Nchw_Types_And_Checks();
        const std::string name = std::string("services_")
                                 + ::testing::UnitTest::GetInstance()->current_test_info()->name()
                                 + ".def";
        FILE *f = fopen(name.c_str(), "wb");
        fwrite(Types, 1, sizeof Types - 1, f);
        fclose(f);
        ASSERT_EQ(Read_Nachweis_Def_File(name.c_str()), 1);
    }
    void TearDown() override
    {
        Free_Nchw_Types_And_Checks();
        Nchw_Lf_Table_Init(0);
        Nchw_Einw_Table_Init(0);
    }
    static Nchw_Rec *Check(int number, int type)
    {
        Nchw_Rec *c = New_Nachweis();
        c->number = number;
        c->flags = 1;
        c->type = Find_Nchw_Type(type);
        return c;
    }
    static int32_t *List(std::initializer_list<int> v)
    {
        int32_t *l = (int32_t *)malloc((v.size() + 1) * sizeof(int32_t));
        l[0] = (int32_t)v.size();
        int i = 1;
        for (int x : v) l[i++] = x;
        return l;
    }
};

} // namespace

TEST_F(Services, PositionsAndCounts)
{
    Nchw_Rec *a = Check(1, 30);
    Nchw_Rec *b = Check(2, 31);
    Nchw_Rec *c = Check(3, 32);
    c->flags = 0;
    Nchw_Rec outside{};
    EXPECT_EQ(Get_Nachweis_Index(a), 0);
    EXPECT_EQ(Get_Nachweis_Index(c), 2);
    EXPECT_EQ(Get_Nachweis_Index(&outside), 0);
    EXPECT_EQ(Count_Nachweise(), 3);
    EXPECT_EQ(Count_Activated_Nachweise(), 2);
    EXPECT_EQ(Count_Active_Nachweise_Of_Type(32), 0);
    EXPECT_EQ(Count_Active_Nachweise_Of_Type(31), 1);
    int32_t l = -1, n = -1;
    Count_Nachweise_By_Mode(&l, &n);
    EXPECT_EQ(l, 2); /* modes 3 and 1 */
    EXPECT_EQ(n, 2); /* modes 3 and 2 */
    EXPECT_EQ(Max_GenRule_Number(nullptr), 0);
    EXPECT_EQ(Max_GenRule_Number(b), 0);
    New_GenRule(b)->number = 4;
    New_GenRule(b)->number = 2;
    b->genrule_count = 2;
    EXPECT_EQ(Max_GenRule_Number(b), 4);
    Free_GenRule(b->genrule_head);
    EXPECT_EQ(b->genrule_count, 1);
    EXPECT_EQ(Max_GenRule_Number(b), 2);
}

TEST_F(Services, OptionValuesByNumber)
{
    /* entries: 0 check box no. 2, 1 text no. 5, 2 radio no. 1 (value 1), 3 radio no. 1 (value 2) */
    const int32_t values[4] = {1, 9, 2, 7};
    int32_t out[5] = {9, 9, 9, 9, 9};
    ASSERT_EQ(Options_To_Numbered_Values(30, values, 4, out, 5), 1);
    EXPECT_EQ(out[0], 2); /* the first radio entry of number 1 */
    EXPECT_EQ(out[1], 1);
    EXPECT_EQ(out[4], 0); /* a text line carries no value */
    const int32_t numbered[2] = {2, 1};
    int32_t back[4] = {9, 9, 9, 9};
    EXPECT_EQ(Numbered_Values_To_Options(30, numbered, 2, back, 4), 4);
    EXPECT_EQ(back[0], 1);
    EXPECT_EQ(back[2], 2);
    EXPECT_EQ(back[1], 0);
    EXPECT_EQ(back[3], 0);
    EXPECT_EQ(Options_To_Numbered_Values(77, values, 4, out, 5), 0);
    EXPECT_EQ(out[0], 0);
}

TEST_F(Services, RenumberingExchangesNumbers)
{
    Nchw_Rec *a = Check(1, 30);
    a->selector_modes[0] = 2;
    a->selected[0] = List({1, 2, 3});
    a->selector_modes[1] = 2;
    a->selected[1] = List({2, 1}); /* object type 2: left alone below */
    Renumber_Nchw_Objects(1, 2, 0, 1);
    Renumber_Nchw_Objects(2, 1, 0, 1);
    EXPECT_EQ(a->selected[0][1], -2);
    EXPECT_EQ(a->selected[0][2], -1);
    Renumber_Nchw_Objects(0, 0, 1, 1);
    EXPECT_EQ(a->selected[0][1], 2);
    EXPECT_EQ(a->selected[0][2], 1);
    EXPECT_EQ(a->selected[0][3], 3);
    EXPECT_EQ(a->selected[1][1], 2);
    Renumber_Nchw_Objects(2, 5, 0, -1); /* every selector */
    Renumber_Nchw_Objects(0, 0, 1, -1);
    EXPECT_EQ(a->selected[0][1], 5);
    EXPECT_EQ(a->selected[1][1], 5);
}

TEST_F(Services, FreeingTypesAndChecks)
{
    Check(1, 30);
    Free_Nchw_Types_And_Checks();
    EXPECT_EQ(Nchw_List_Head, nullptr);
    EXPECT_EQ(Nchw_Type_Head, nullptr);
    EXPECT_EQ(Nchw_Type_Count, 0);
    EXPECT_STREQ(Nchw_Help_File, "");
}

TEST_F(Services, CollectivesOfARuleAsSolverLines)
{
    Nchw_Einw_Table_Init(1);
    Nchw_Einw_Table_Add(1, "Q", 2, 1, 0, 2, 0);
    Nchw_Lf_Table_Init(1);
    Nchw_Lf_Table_Add(10, "q", 0, 0);
    Nchw_Rec *c = Check(1, 31);
    GenRule_Rec *g = New_GenRule(c);
    c->genrule_count = 1;
    g->gen_settings[0] = 3; /* characteristic: psi 1.0 */
    g->factor_mode = 2;
    g->mode_value = 1;
    g->factor_arrays[GENRULE_ACTIONS] = (GenRule_Factor_Row *)calloc(1, sizeof(GenRule_Factor_Row));
    g->factor_arrays[GENRULE_ACTIONS][0] = {1, 1, 1.0, 1.0, 1.5, 0.0};
    g->factor_counts[GENRULE_ACTIONS] = 1;
    FILE *f = tmpfile();
    EXPECT_EQ(Write_GenRule_Lkoms_By_Index(-1, 0, f), 0);
    EXPECT_EQ(Write_GenRule_Lkoms_By_Index(1, 0, f), 0); /* no second check */
    EXPECT_EQ(Write_GenRule_Lkoms_By_Index(0, 0, f), 1);
    long n = ftell(f);
    rewind(f);
    std::string s((size_t)n, '\0');
    s.resize(fread(&s[0], 1, (size_t)n, f));
    fclose(f);
    /* one collective: load case 10 unfavourable, 1.0 x 1.5; plain lines with flags 0 */
    EXPECT_EQ(s, " 1 /\n"
                 "    1 0 1 'LK 1 (auto)                   ' /\n"
                 "        10 1.000000 1.500000 /\n");
    EXPECT_EQ(g->generated_count, 1);
    EXPECT_EQ(Auto_GenRule.lkom_count, 0); /* released again */
}
