/*
** Tests of the flat design-check tables and the link of alternative groups, the module
** settings, the list of checks with its counts, and the refresh entry points.
*/
#include <gtest/gtest.h>

#include <cstring>

#include "checks/checks.h"

namespace {

class Tables : public ::testing::Test {
  protected:
    void SetUp() override { Clear(); }
    void TearDown() override { Clear(); }
    static void Clear()
    {
        Nchw_Imp_Table_Init(0);
        Nchw_Lf_Table_Init(0);
        Nchw_Group_Table_Init(0);
        Nchw_Einw_Table_Init(0);
        Free_All_Nachweise();
    }
};

} // namespace

TEST_F(Tables, ActionsAreAppendedUpToTheCapacity)
{
    Nchw_Einw_Table_Init(2);
    Nchw_Einw_Table_Add(5, "  Eigengewicht  ", 1, 0, 0, 0, 0);
    Nchw_Einw_Table_Add(7, "Schnee", 2, 6, 1, 2, 3);
    Nchw_Einw_Table_Add(9, "Wind", 2, 7, 0, 3, 0); /* beyond the capacity */
    EXPECT_EQ(Nchw_Einw_Table.count, 2);
    EXPECT_EQ(Nchw_Einw_Variable_Count, 1);
    EXPECT_STREQ(Nchw_Einw_Table.rows[0].label, "5: Eigengewicht");
    EXPECT_EQ(Nchw_Einw_Table.rows[1].index, 1);
    EXPECT_EQ(Nchw_Einw_Table.rows[1].psi_index, 6);
    EXPECT_EQ(Nchw_Einw_Table.rows[1].kled, 2);
    EXPECT_EQ(Nchw_Einw_Table.rows[1].setting_b, 3);
    EXPECT_EQ(Nchw_Einw_Table_Find(7), &Nchw_Einw_Table.rows[1]);
    EXPECT_EQ(Nchw_Einw_Table_Find(9), nullptr);
    EXPECT_GT(Nchw_Einw_Label_Width, 0);
    Nchw_Einw_Table_Init(0);
    EXPECT_EQ(Nchw_Einw_Table.rows, nullptr);
    Nchw_Einw_Table_Add(1, "x", 1, 0, 0, 0, 0); /* no array: ignored */
    EXPECT_EQ(Nchw_Einw_Table.count, 0);
}

TEST_F(Tables, LabelsAreCut)
{
    Nchw_Einw_Table_Init(1);
    Nchw_Einw_Table_Add(12, "abcdefghijklmnopqrstuvwxyz0123456789", 2, 0, 0, 0, 0);
    EXPECT_STREQ(Nchw_Einw_Table.rows[0].label, "12: abcdefghijklmnopqrstuvwxyz"); /* 30 */
    Nchw_Group_Table_Init(1);
    Nchw_Group_Table_Add("abcdefghijklmnopqrstuvwxyz0123456789", 0, -1, 3, 0);
    EXPECT_STREQ(Nchw_Group_Table.rows[0].label, "abcdefghijklmnopqrstuvwxyz01234"); /* 31 */
    Nchw_Imp_Table_Init(2);
    Nchw_Imp_Table_Add(3, "Schiefstellung");
    EXPECT_STREQ(Nchw_Imp_Table.rows[0].label, "-3: Schiefstellung");
    EXPECT_EQ(Nchw_Imp_Table.rows[0].number, 3);
    EXPECT_EQ(Nchw_Imp_Table_Find(3), &Nchw_Imp_Table.rows[0]);
    EXPECT_EQ(Nchw_Imp_Table_Find(-3), nullptr);
    EXPECT_GT(Nchw_Lf_Label_Width, 0);
}

TEST_F(Tables, LoadCasesNeedAValidActionRow)
{
    Nchw_Einw_Table_Init(1);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
    Nchw_Group_Table_Init(3);
    Nchw_Group_Table_Add("Ordner 0", 0, -1, 3, 0);
    Nchw_Group_Table_Add("falsch", 1, -1, 3, 1); /* action row 1 does not exist */
    Nchw_Group_Table_Add("falsch", -1, -1, 3, 1);
    EXPECT_EQ(Nchw_Group_Table.count, 1);
    Nchw_Lf_Table_Init(4);
    EXPECT_EQ(Nchw_Lf_Table_Count(), 0);
    Nchw_Lf_Table_Add(10, "in Ordner 0", 0, -1);
    Nchw_Lf_Table_Add(11, "Gruppe 4", 0, 4);
    Nchw_Lf_Table_Add(12, "Ordner fehlt", 0, -6);
    Nchw_Lf_Table_Add(13, "falsch", 1, 0);
    EXPECT_EQ(Nchw_Lf_Table_Count(), 3);
    const Nchw_Lf_Row *r = Nchw_Lf_Table_Find(10);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->folder, &Nchw_Group_Table.rows[0]);
    EXPECT_EQ(r->alt_group, 0);
    EXPECT_EQ(r->state, 1);
    EXPECT_EQ(r->active, 0);
    EXPECT_EQ(Nchw_Lf_Table_Find(11)->alt_group, 4);
    EXPECT_EQ(Nchw_Lf_Table_Find(11)->folder, nullptr);
    EXPECT_EQ(Nchw_Lf_Table_Find(12)->folder, nullptr);
    EXPECT_EQ(Nchw_Lf_Table_Find(13), nullptr);
}

TEST_F(Tables, LinkingGivesAlternativeIndices)
{
    Nchw_Einw_Table_Init(1);
    Nchw_Einw_Table_Add(1, "Q", 2, 0, 0, 0, 0);
    Nchw_Group_Table_Init(5);
    Nchw_Group_Table_Add("alt A", 0, -1, 1, 100);
    Nchw_Group_Table_Add("normal", 0, 100, 5, 101);       /* inside alt A */
    Nchw_Group_Table_Add("alt B", 0, 101, 1, 102);        /* inside "normal" */
    Nchw_Group_Table_Add("Wind", 0, -1, 112, 103);        /* bridge group, not alternative */
    Nchw_Group_Table_Add("Temperatur", 0, 102, 110, 104); /* bridge group, alternative */
    Nchw_Lf_Table_Init(3);
    Nchw_Lf_Table_Add(1, "a", 0, -101); /* folder 100 */
    Nchw_Lf_Table_Add(2, "b", 0, -103); /* folder 102 */
    Nchw_Lf_Table_Add(3, "c", 0, -105); /* folder 104 */
    Nchw_Tables_Link_Groups();

    EXPECT_EQ(Nchw_Max_Alt_Index, 13);
    EXPECT_EQ(Nchw_Lf_Table.rows[0].alt_group, 11);
    EXPECT_EQ(Nchw_Lf_Table.rows[1].alt_group, 12);
    EXPECT_EQ(Nchw_Lf_Table.rows[2].alt_group, 13);
    const Nchw_Group_Row *g = Nchw_Group_Table.rows;
    EXPECT_EQ(g[1].parent, &g[0]);
    EXPECT_EQ(g[2].parent, &g[1]);
    EXPECT_EQ(g[0].parent, nullptr);
    /* Each folder is a member of its parent's group. */
    const int32_t expect[5] = {0, 11, 0, 0, 12};
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(g[i].parent_id, expect[i]) << i;
        EXPECT_EQ(g[i].alt_index, expect[i]) << i;
    }
}

TEST_F(Tables, TwoAlternativeFoldersAndAnOrdinaryOne)
{
    Nchw_Einw_Table_Init(1);
    Nchw_Einw_Table_Add(1, "Q", 2, 0, 0, 0, 0);
    Nchw_Group_Table_Init(3);
    Nchw_Group_Table_Add("A", 0, -1, 1, 0);
    Nchw_Group_Table_Add("B", 0, -1, 1, 1);
    Nchw_Group_Table_Add("C", 0, -1, 5, 2);
    Nchw_Lf_Table_Init(3);
    Nchw_Lf_Table_Add(1, "a", 0, -1);
    Nchw_Lf_Table_Add(2, "b", 0, -2);
    Nchw_Lf_Table_Add(3, "c", 0, -3);
    Nchw_Tables_Link_Groups();
    EXPECT_EQ(Nchw_Lf_Table.rows[0].alt_group, 11);
    EXPECT_EQ(Nchw_Lf_Table.rows[1].alt_group, 12);
    EXPECT_EQ(Nchw_Lf_Table.rows[2].alt_group, 0);
    EXPECT_EQ(Nchw_Max_Alt_Index, 12);
    /* Releasing the folders and actions leaves no load case pointing into them. */
    Nchw_Group_Table_Init(0);
    EXPECT_EQ(Nchw_Lf_Table.rows[0].folder, nullptr);
    Nchw_Tables_Link_Groups();
    EXPECT_EQ(Nchw_Max_Alt_Index, 10);
    EXPECT_EQ(Nchw_Lf_Table.rows[0].alt_group, 11);
    Nchw_Einw_Table_Init(0);
    EXPECT_EQ(Nchw_Lf_Table.rows[2].action, nullptr);
}

TEST(NchwSettings, InitialValuesAndSetters)
{
    Reset_Nchw_Settings();
    EXPECT_DOUBLE_EQ(Kmod_Of_Kled(2), 0.8);
    EXPECT_DOUBLE_EQ(Kmod_Of_Kled(0), 0.6);
    EXPECT_DOUBLE_EQ(Kmod_Of_Kled(4), 1.1);
    EXPECT_DOUBLE_EQ(Kmod_Of_Kled(5), 0.0);
    EXPECT_DOUBLE_EQ(Kmod_Of_Kled(-1), 0.0);
    EXPECT_EQ(Nchw_Norm_Mask, 31);
    double p, e, a;
    Get_Gamma_M_Timber(&p, &e, &a);
    EXPECT_DOUBLE_EQ(p, 1.3);
    EXPECT_DOUBLE_EQ(e, 1.3);
    EXPECT_DOUBLE_EQ(a, 1.0);
    Set_Nachweis_Def_Name("anders.def");
    EXPECT_STREQ(Nachweis_Def_Name, "anders.def");
    Set_Nachweis_Def_Name(nullptr);
    EXPECT_STREQ(Nachweis_Def_Name, "nachweis.def");
    Set_Nachweis_Val_Name("0123456789012345678901234567890123456789");
    EXPECT_EQ(strlen(Nachweis_Val_Name), 32u);
    Set_Nachweis_Val_Name(nullptr);
    EXPECT_STREQ(Nachweis_Val_Name, "nachweis.val");
    Set_Lkom_Count_Limit(500, "Prog");
    EXPECT_EQ(Lkom_Count_Limit, 500);
    EXPECT_STREQ(Lkom_Limit_Program, "Prog");
    Reset_Nchw_Settings();
    EXPECT_EQ(Lkom_Count_Limit, -1);
}

TEST_F(Tables, CountsOfChecksByType)
{
    EXPECT_EQ(Count_Active_Nachweise_Of_Type(221), 0);
    EXPECT_EQ(Count_Nachweise(), 0);
    Nchw_Type_Rec t221, t222;
    memset(&t221, 0, sizeof t221);
    memset(&t222, 0, sizeof t222);
    t221.ints0_3[0] = 221;
    t222.ints0_3[0] = 222;
    Nchw_Rec *a = New_Nachweis();
    Nchw_Rec *b = New_Nachweis();
    Nchw_Rec *c = New_Nachweis();
    Nchw_Rec *d = New_Nachweis();
    ASSERT_TRUE(a && b && c && d);
    EXPECT_EQ(Nchw_List_Head, a);
    EXPECT_EQ(Nchw_List_Tail, d);
    a->type = &t221;
    a->flags = 1;
    b->type = &t221;
    b->flags = 0; /* switched off */
    c->type = &t222;
    c->flags = 2; /* flags not 0, bit 0 clear */
    d->type = nullptr;
    d->flags = 1; /* no type: no type id */
    EXPECT_EQ(Count_Nachweise(), 4);
    EXPECT_EQ(Count_Activated_Nachweise(), 2);
    EXPECT_EQ(Count_Active_Nachweise_Of_Type(221), 1);
    EXPECT_EQ(Count_Active_Nachweise_Of_Type(222), 1);
    EXPECT_EQ(Count_Active_Nachweise_Of_Type(0), 0);
    Free_All_Nachweise();
    EXPECT_EQ(Nchw_List_Head, nullptr);
    EXPECT_EQ(Count_Active_Nachweise_Of_Type(221), 0);
    Nchw_Rec *e = New_Nachweis();
    EXPECT_EQ(Nchw_List_Head, e);
    EXPECT_EQ(Nchw_List_Tail, e);
}

TEST_F(Tables, RefreshWithoutLoadCasesTouchesNothing)
{
    Nchw_Rec *c = New_Nachweis();
    c->genrule_count = 1;
    EXPECT_EQ(Refresh_Nachweise(), 0);
    EXPECT_EQ(Refresh_Nachweise_Hook(), 0);
    EXPECT_EQ(Nchw_List_Head, c);
    EXPECT_EQ(c->genrule_count, 1);
    EXPECT_EQ(Edit_Current_Xtr_Rule(), nullptr);
    c->genrule_count = 0;
}

TEST(LoadModel, CountsWithoutLoadCasesAreZero)
{
    Free_Load_Model();
    EXPECT_EQ(Count_Lastfaelle_Of_Ordner_Kind(1), 0);
    EXPECT_EQ(Count_Lf_Ordner_Of_Kind(122), 0);
    Lf_Ordner_Rec *a = New_Lf_Ordner(1, 122, "Gleis");
    New_Lf_Ordner(2, 122, "Gleis 2");
    New_Lastfall(1, "a", a);
    New_Lastfall(2, "b", nullptr);
    EXPECT_EQ(Count_Lf_Ordner_Of_Kind(122), 2);
    EXPECT_EQ(Count_Lastfaelle_Of_Ordner_Kind(122), 1);
    Free_Load_Model();
    EXPECT_EQ(Count_Lf_Ordner_Of_Kind(122), 0);
    char text[] = "it's 'x'";
    Quote_To_Backquote(text);
    EXPECT_STREQ(text, "it`s `x`");
}

TEST_F(Tables, AutomaticEurocodeRulesNeedTheEurocodeTypeAndASituation)
{
    Reset_Nchw_Settings();
    Nchw_Type_Rec t;
    memset(&t, 0, sizeof t);
    t.ints0_3[0] = 221;
    t.ints4_10[0] = 1; /* ultimate limit state */
    t.ints4_10[4] = 2; /* Eurocode */
    t.ints4_10[6] = 3; /* linear and nonlinear */
    Nchw_Rec *c = New_Nachweis();
    EXPECT_EQ(Nchw_Uses_Auto_Xtr_Rules(c), 0); /* no type */
    c->type = &t;
    EXPECT_EQ(Nchw_Uses_Auto_Xtr_Rules(c), 0); /* mask 31 lacks the Eurocode bit */
    Nchw_Norm_Mask = 63;
    EXPECT_EQ(Nchw_Uses_Auto_Xtr_Rules(c), 0); /* no situation chosen */
    Auto_Xtr_Situations = 8;
    EXPECT_EQ(Nchw_Uses_Auto_Xtr_Rules(c), 1);
    t.ints4_10[6] = 2;
    EXPECT_EQ(Nchw_Uses_Auto_Xtr_Rules(c), 0); /* nonlinear only */
    t.ints4_10[6] = 1;
    t.ints0_3[0] = 224;
    EXPECT_EQ(Nchw_Uses_Auto_Xtr_Rules(c), 0);
    t.ints0_3[0] = 221;
    t.ints4_10[4] = 1;
    EXPECT_EQ(Nchw_Uses_Auto_Xtr_Rules(c), 0);
    t.ints4_10[4] = 2;
    t.ints4_10[0] = 2;
    EXPECT_EQ(Nchw_Uses_Auto_Xtr_Rules(c), 0);
    EXPECT_EQ(Nchw_Uses_Auto_Xtr_Rules(nullptr), 0);
    Reset_Nchw_Settings();
}
