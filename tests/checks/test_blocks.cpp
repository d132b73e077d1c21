/*
** Tests of the design-check file blocks, the generation rules stored and applied, and the
** refresh of the checks with automatic extremal rules.
*/
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "checks/checks.h"
#include "platform/zelkwin_test.h"

namespace {

const char Types[] =
    "\xAE\xAF\n"
    /* type 8: integers 8 and 9 (the two combination rules) differ, so a default taken from the
    ** wrong one shows; type 121: three object selectors of the object types 1, 2 and 3 */
    "8 4 1 1 2 1 4 1 1 2 3\n\xAETyp B\xAF \xAE\xAF \xAE\xAF\n0 0 0\n-1\n0\n2.0\n"
    "121 4 1 1 1 1 0 1 2 2 1\n\xAEHolz\xAF \xAE\xAF \xAE\xAF\n0 0 0\n"
    "1 L 1 # 10 \xAE"
    "a\xAF\n2 L 0 # 10 \xAE"
    "b\xAF\n-1\n"
    "3\n1 0 \xAESt\x84"
    "be\xAF\n2 0 \xAEKnoten\xAF\n3 0 \xAELager\xAF\n1.0\n";

std::string Text_Of(FILE *f)
{
    fflush(f);
    long n = ftell(f);
    rewind(f);
    std::string s((size_t)n, '\0');
    s.resize(fread(&s[0], 1, (size_t)n, f));
    return s;
}

FILE *File_With(const std::string &text)
{
    FILE *f = tmpfile();
    fwrite(text.data(), 1, text.size(), f);
    rewind(f);
    return f;
}

class Blocks : public ::testing::Test {
  protected:
    void SetUp() override
    {
        Clear();
        /* one file per test: the tests of this folder run in parallel in one directory */
        const std::string name = std::string("blocks_")
                                 + ::testing::UnitTest::GetInstance()->current_test_info()->name()
                                 + ".def";
        FILE *f = fopen(name.c_str(), "wb");
        fwrite(Types, 1, sizeof Types - 1, f);
        fclose(f);
        ASSERT_EQ(Read_Nachweis_Def_File(name.c_str()), 1);
    }
    void TearDown() override
    {
        Clear();
        Free_Nchw_Types();
    }
    static void Clear()
    {
        for (int t = 0; t < NCHW_OBJECT_TYPES; t++) Init_Nchw_Object_Table(t, 0);
        Free_All_Nachweise();
        Nchw_Imp_Table_Init(0);
        Nchw_Lf_Table_Init(0);
        Nchw_Group_Table_Init(0);
        Nchw_Einw_Table_Init(0);
        Reset_Nchw_Settings();
        Reset_Lkom_Gen_Settings();
        Reset_Beiwert_Tables();
        Xtr_Message_Switch = 1;
        Auto_Xtr_Situations = 0;
    }
    static Nchw_Rec *Check(int number, int type)
    {
        Nchw_Rec *c = New_Nachweis();
        c->number = number;
        c->flags = 1;
        c->type = Find_Nchw_Type(type);
        snprintf(c->name, sizeof c->name, "%-50.50s", "Nachweis");
        return c;
    }
};

const std::string Tail = "Snow: 0\n"
                         "Para: 4 1 1.50 1.15 1.30 1.00 1.50 1.15 1.50 1.15\n"
                         "Holz: 0 1 1 1 1.30 1.30 1.00 0.60 0.60 0.70 0.80 0.90 1.10\n"
                         "more: 1 300 150 200 100 200 100\n"
                         "rest: 0 0\n";

} // namespace

/* ------------------------------------------------------------------ NACHWEISE-2003 */

TEST_F(Blocks, EmptyBlockAndItsTail)
{
    FILE *f = tmpfile();
    Write_Nachweise_Block(f);
    EXPECT_EQ(Text_Of(f), "\nNACHWEISE-2003 0\n5\n" + Tail);
    Nchw_Global_Settings.kdef = 0.8;
    Auto_Xtr_Situations = 3;
    Check(1, 8);
    rewind(f);
    Read_Nachweise_Block(f);
    EXPECT_EQ(Nchw_List_Head, nullptr);
    EXPECT_DOUBLE_EQ(Nchw_Global_Settings.kdef, 0.6);
    EXPECT_EQ(Auto_Xtr_Situations, 0);
    fclose(f);
}

TEST_F(Blocks, OneCheckWithOneRuleIsWrittenExactly)
{
    Nchw_Rec *c = Check(3, 8);
    Xtr_Rule_Rec *x = New_Xtr_Rule(c);
    c->xtr_count = 1;
    x->number = 1;
    x->mode = 2;
    x->comb_rule[0] = x->comb_rule[1] = 2;
    x->check_kind[0] = x->check_kind[1] = 1;
    snprintf(x->name, sizeof x->name, "%-30.30s", "Regel");
    x->rows = (Xtr_Row *)calloc(1, sizeof(Xtr_Row));
    x->rows[0] = {5, 1.0, 0.7, 1.5, 0.0};
    x->row_count = 1;
    FILE *f = tmpfile();
    Write_Nachweise_Block(f);
    const std::string expected = "\nNACHWEISE-2003 1\n5\n"
                                 " 3 8 1 1 0 0 0 0 0 \xAENachweis"
                                 + std::string(42, ' ')
                                 + "\xAF\n"
                                   "     0\n     0\n     0\n"
                                   "     0\n"
                                   "     1 1 2 2 2 0 0 1 1 0 0 0 0 \xAERegel"
                                 + std::string(25, ' ')
                                 + "\xAF\n"
                                   "          5 1.000000 0.700000 1.500000 0.000000\n"
                                   "TXB0\n"
                                 + Tail;
    EXPECT_EQ(Text_Of(f), expected);
    fclose(f);
}

TEST_F(Blocks, EverythingSurvivesARoundTrip)
{
    Nchw_Rec *c = Check(4, 121);
    c->selector_modes[0] = 2;
    c->selected[0] = (int32_t *)malloc(32 * sizeof(int32_t));
    c->selected[0][0] = 31;
    for (int i = 1; i <= 31; i++) c->selected[0][i] = i;
    c->option_values[0] = 1;
    c->option_values[1] = 1;
    c->comment = strdup("Bemerkung\nzweite Zeile");
    Lkom_Rec *l = New_Lkom(c);
    c->lkom_count = 1;
    l->number = 2;
    l->comb_rule = 2;
    l->default_comb_rules = 2;
    l->check_kind = 1;
    snprintf(l->name, sizeof l->name, "%-30.30s", "LK 2");
    l->rows = (Lkom_Row *)calloc(2, sizeof(Lkom_Row));
    l->rows[0] = {10, 1, 1.0, 1.35, 1.35};
    l->rows[1] = {-3, 1, 1.0, 1.0, 1.0};
    l->row_count = 2;
    GenRule_Rec *g = New_GenRule(c);
    c->genrule_count = 1;
    g->number = 1;
    g->generated_count = 12;
    for (int i = 0; i < 8; i++) g->gen_settings[i] = i + 1;
    snprintf(g->name, sizeof g->name, "%-30.30s", "Generierungsvorschrift 1");
    g->entries = (int32_t *)calloc(4, sizeof(int32_t));
    g->entries[0] = 2;
    g->entries[1] = 10;
    g->entries[2] = 3;
    g->entries[3] = 1;
    g->entry_count = 1;
    Nchw_Global_Settings.altitude_switch = 1;
    Nchw_Global_Settings.kmod[2] = 0.75;
    Auto_Xtr_Situations = 9;
    FILE *f = tmpfile();
    Write_Nachweise_Block(f);
    const std::string first = Text_Of(f);
    /* 31 objects: 30, then a new line with six blanks */
    std::string objects = "    31";
    for (int i = 1; i <= 30; i++) objects += " " + std::to_string(i);
    objects += "\n       31\n";
    EXPECT_NE(first.find(objects), std::string::npos);
    EXPECT_NE(first.find("     1 12 1 1 2 3 4 5 7 8 6 \xAEGenerierungsvorschrift 1      \xAF\n"),
              std::string::npos);
    Reset_Nchw_Settings();
    Auto_Xtr_Situations = 0;
    rewind(f);
    Read_Nachweise_Block(f);
    ASSERT_NE(Nchw_List_Head, nullptr) << first;
    Nchw_Rec *r = Nchw_List_Head;
    EXPECT_EQ(r->tree_state, 2);
    EXPECT_EQ(r->lkom_count, 1);
    EXPECT_EQ(r->genrule_count, 1);
    ASSERT_NE(r->selected[0], nullptr);
    EXPECT_EQ(r->selected[0][0], 31);
    EXPECT_EQ(r->selected[0][31], 31);
    EXPECT_STREQ(r->comment, "Bemerkung\nzweite Zeile");
    EXPECT_DOUBLE_EQ(r->lkom_head->rows[0].factor, 1.35);
    EXPECT_EQ(r->genrule_head->gen_settings[5], 6);
    EXPECT_EQ(r->genrule_head->entries[3], 1);
    EXPECT_EQ(Nchw_Global_Settings.altitude_switch, 1);
    EXPECT_DOUBLE_EQ(Nchw_Global_Settings.kmod[2], 0.75);
    EXPECT_EQ(Auto_Xtr_Situations, 9);
    FILE *g2 = tmpfile();
    Write_Nachweise_Block(g2);
    EXPECT_EQ(Text_Of(g2), first);
    fclose(g2);
    fclose(f);
}

TEST_F(Blocks, OldFilesAndDefaults)
{
    /* version 1: no generation rules, no remark; -1 settings take the type's integers */
    const std::string old = "NACHWEISE-2001 1\n"
                            " 7 8 1 1 1 0 0 0 \xAEN\xAF\n     0\n     0\n     0\n     0\n"
                            "     1 1 1 -1 -1 0 0 -1 -1 -1 -1 0 0 \xAER\xAF\n"
                            "          5 1.0 0.7 1.5 0.0\n"
                            "     2 1 -1 -1 0 0 -1 -1 -1 -1 0 0 \xAEL\xAF\n"
                            "          5 0 0.7 1.5\n"
                            "Snow: 0\nPara: 4 1 1.50 1.15 1.30 1.00 1.50 1.15\n";
    FILE *f = File_With(old);
    Nchw_Global_Settings.gamma_c_quake = 9;
    Read_Nachweise_Block(f);
    fclose(f);
    ASSERT_NE(Nchw_List_Head, nullptr);
    const Xtr_Rule_Rec *x = Nchw_List_Head->xtr_head;
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->comb_rule[0], 1);   /* type integer 8 */
    EXPECT_EQ(x->comb_rule[1], 2);   /* type integer 9 */
    EXPECT_EQ(x->check_kind[0], 2);  /* type integer 4 */
    EXPECT_EQ(x->combination[0], 4); /* type integer 6 */
    EXPECT_EQ(x->combination[1], 1); /* type integer 7 */
    EXPECT_EQ(std::string(x->name), "R" + std::string(29, ' '));
    const Lkom_Rec *l = Nchw_List_Head->lkom_head;
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->comb_rule, 1);          /* type integer 8 */
    EXPECT_EQ(l->default_comb_rules, 2); /* type integer 9 */
    EXPECT_EQ(l->check_kind, 2);         /* type integer 4 */
    EXPECT_EQ(l->default_check_kinds, 2);
    EXPECT_EQ(l->combination, 4);          /* type integer 6 */
    EXPECT_EQ(l->default_combinations, 1); /* type integer 7 */
    ASSERT_EQ(l->row_count, 1);
    EXPECT_DOUBLE_EQ(l->rows[0].factor, 0.7 * 1.5);
    EXPECT_DOUBLE_EQ(Nchw_Global_Settings.gamma_c_quake, 1.5);
    EXPECT_DOUBLE_EQ(Nchw_Global_Settings.gamma_s_quake, 1.15);
    /* a newer version is read on; a check of an unknown type is dropped */
    FILE *g = File_With(
        "NACHWEISE-2003 2\n6\n 1 999 1 0 0 0 0 0 0 \xAEX\xAF\n     0\n     0\n     0\n     0\nTXB0\n"
        " 2 8 1 0 0 0 0 0 0 \xAEY\xAF\n     0\n     0\n     0\n     0\nTXB0\n");
    ZW_Test_Reset();
    Read_Nachweise_Block(g);
    fclose(g);
    bool warned = false;
    for (const std::string &line : ZW_Test_Log_Lines())
        if (line.find("einer jüngeren Version des Eingabemoduls erzeugt.") != std::string::npos)
            warned = true;
    EXPECT_TRUE(warned);
    ZW_Test_Reset();
    ASSERT_NE(Nchw_List_Head, nullptr);
    EXPECT_EQ(Nchw_List_Head->number, 2);
    EXPECT_EQ(Nchw_List_Head, Nchw_List_Tail);
}

/* A block of 2003 whose version line cannot be read counts as missing: the block of 2001 that
** follows in the file is read instead. Without either, the reader keeps the settings. */
TEST_F(Blocks, UnreadableVersionFallsBackToTheOlderBlock)
{
    FILE *f = File_With("NACHWEISE-2003 1\nkaputt\n"
                        "NACHWEISE-2001 1\n"
                        " 4 8 1 0 0 0 0 0 \xAE"
                        "Alt\xAF\n     0\n     0\n     0\n     0\n"
                        "Snow: 1\n");
    Read_Nachweise_Block(f);
    fclose(f);
    ASSERT_NE(Nchw_List_Head, nullptr);
    EXPECT_EQ(Nchw_List_Head->number, 4);
    EXPECT_EQ(Nchw_List_Head->genrule_count, 0);
    EXPECT_EQ(Nchw_Global_Settings.altitude_switch, 1);
    Nchw_Global_Settings.altitude_switch = 7;
    f = File_With("NACHWEISE-2003 1\n");
    Read_Nachweise_Block(f);
    fclose(f);
    EXPECT_EQ(Nchw_List_Head, nullptr);
    EXPECT_EQ(Nchw_Global_Settings.altitude_switch, 7);
}

TEST_F(Blocks, DamagedCountsEndTheReader)
{
    FILE *f = File_With("NACHWEISE-2003 1\n5\n 1 8 1 0 0 0 0 0 0 \xAEX\xAF\n 2000000000\n");
    Read_Nachweise_Block(f);
    fclose(f);
    ASSERT_NE(Nchw_List_Head, nullptr);
    EXPECT_EQ(Nchw_List_Head->selected[0], nullptr);
}

/* ------------------------------------------------------------------ solver block */

TEST_F(Blocks, SolverBlock)
{
    FILE *f = tmpfile();
    Write_Nchw_Solver_Block_Std(f, 1, 1);
    EXPECT_EQ(Text_Of(f), "\n#NACHWEISE\n 0 /\n");
    fclose(f);
    Nchw_Einw_Table_Init(1);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
    Nchw_Rec *c = Check(5, 121);
    snprintf(c->name, sizeof c->name, "H");
    c->option_values[0] = 1;
    c->option_values[1] = 0;
    c->selector_modes[0] = 2;
    c->selected[0] = (int32_t *)malloc(3 * sizeof(int32_t));
    c->selected[0][0] = 2;
    c->selected[0][1] = 7;
    c->selected[0][2] = 9;
    Xtr_Rule_Rec *x = New_Xtr_Rule(c);
    c->xtr_count = 1;
    x->number = 1;
    snprintf(x->name, sizeof x->name, "R");
    x->rows = (Xtr_Row *)calloc(1, sizeof(Xtr_Row));
    x->rows[0] = {1, 1.0, 1.0, 1.35, 1.0};
    x->row_count = 1;
    Check(6, 8)->flags = 0; /* not activated: skipped */
    f = tmpfile();
    Write_Nchw_Solver_Block_Std(f, 1, 1);
    /* type 121: kmod cases, flags 1 (rows name actions) in the owner place */
    EXPECT_EQ(Text_Of(f), "\n#NACHWEISE\n"
                          " 5 121 1 0 2 'H' 0 /\n /\n"
                          " 1 0 /\n"
                          "    1 1 1 'R' 2 /\n"
                          "    1 / \n"
                          "    1 1 1 'Fall 1 (kmod=0.60)' 1 /\n"
                          "    0 2 0 1.300000 0.600000 \n"
                          "   1    1.00  1.00   1.35  1.00\n"
                          " / #EOF\n"
                          "        1 1.000000 1.000000 1.350000 1.000000 /\n"
                          "    7 1 /\n"
                          "    9 1 /\n"
                          " 0 /\n");
    fclose(f);
}

/* Each selector mode: 0 every existing object of the selector's type (a stale list is ignored),
** 1 none (its list ignored as well), 2 the selected list. The header counts 2 + 0 + 1 objects. */
TEST_F(Blocks, SolverBlockSelectorModes)
{
    Init_Nchw_Object_Table(1, 4);
    Add_Nchw_Object(1, 3, "S3");
    Add_Nchw_Object(1, 4, "S4");
    Init_Nchw_Object_Table(2, 4);
    Add_Nchw_Object(2, 5, "K5");
    Init_Nchw_Object_Table(3, 4);
    Add_Nchw_Object(3, 8, "L8");
    Add_Nchw_Object(3, 9, "L9");
    Nchw_Einw_Table_Init(1);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
    Nchw_Rec *c = Check(5, 121);
    snprintf(c->name, sizeof c->name, "H");
    const int32_t modes[3] = {0, 1, 2}, stale[3] = {99, 98, 8};
    for (int s = 0; s < 3; s++) {
        c->selector_modes[s] = modes[s];
        c->selected[s] = (int32_t *)malloc(2 * sizeof(int32_t));
        c->selected[s][0] = 1;
        c->selected[s][1] = stale[s];
    }
    Xtr_Rule_Rec *x = New_Xtr_Rule(c);
    c->xtr_count = 1;
    x->number = 1;
    snprintf(x->name, sizeof x->name, "R");
    x->rows = (Xtr_Row *)calloc(1, sizeof(Xtr_Row));
    x->rows[0] = {1, 1.0, 1.0, 1.35, 1.0};
    x->row_count = 1;
    FILE *f = tmpfile();
    Write_Nchw_Solver_Block_Std(f, 1, 1);
    const std::string t = Text_Of(f);
    fclose(f);
    EXPECT_EQ(t.rfind("\n#NACHWEISE\n 5 121 1 0 3 'H' 0 /\n /\n", 0), 0u) << t;
    const std::string objects = "    3 1 /\n    4 1 /\n    8 3 /\n 0 /\n";
    ASSERT_GE(t.size(), objects.size());
    EXPECT_EQ(t.substr(t.size() - objects.size()), objects) << t;
    EXPECT_EQ(t.find(" 99 "), std::string::npos);
    EXPECT_EQ(t.find(" 98 "), std::string::npos);
    EXPECT_EQ(t.find(" 5 2 /"), std::string::npos);
}

/* ------------------------------------------------------------------ state and arguments */

TEST_F(Blocks, StateAndArguments)
{
    Set_Lkom_Limits(500, 2500, 1000, 50);
    Set_Nchw_Help_Key("HILFE");
    Set_Lkom_Count_Limit(400, "Programm");
    Nchw_State_Rec s;
    ASSERT_EQ(Get_Nchw_State(&s), 1);
    FILE *f = tmpfile();
    ASSERT_EQ(Write_Nchw_State(f, &s), 1);
    EXPECT_EQ(
        Text_Of(f),
        "\nNACHWEISE-STATE 0\n31\n50 1000 2500 500\n0\n0 0 0 1 1\n0\n"
        "\xAEnachweis.def\xAF\n\xAEnachweis.val\xAF\n1\n\xAEHILFE\xAF\n400\n\xAEProgramm\xAF\n");
    Nchw_State_Rec back;
    memset(&back, 0x55, sizeof back);
    ASSERT_EQ(Read_Nchw_State(f, &back), 1);
    EXPECT_EQ(back.limits[2], 2500);
    EXPECT_STREQ(back.program, "Programm");
    Reset_Lkom_Gen_Settings();
    ASSERT_EQ(Set_Nchw_State(&back), 1);
    int32_t r, m, k, t;
    Get_Lkom_Limits(&r, &m, &k, &t);
    EXPECT_EQ(r * 1000000LL + m * 1000LL, 500LL * 1000000 + 2500LL * 1000);
    EXPECT_EQ(k, 1000);
    EXPECT_EQ(t, 50);
    EXPECT_EQ(Read_Nchw_State(nullptr, &back), 0);
    fclose(f);
    Set_Nchw_Help_Key("XNCHW_GLOBAL");

    f = tmpfile();
    ASSERT_EQ(Write_Nchw_Args(f, nullptr), 1);
    EXPECT_EQ(Text_Of(f), "\nNACHWEISE-ARGS 0\n0\n-1 -1 -1 -1\n-1 -1 -1 -1\n");
    Nchw_Args_Rec *a = Read_Nchw_Args(f);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->values[0], 0);
    EXPECT_EQ(a->values[8], -1);
    EXPECT_EQ(a->values[9], 0);
    free(a);
    fclose(f);
    f = File_With("NACHWEISE-ARGS 0\n1\n2 3\n");
    EXPECT_EQ(Read_Nchw_Args(f), nullptr);
    fclose(f);
}

/* ------------------------------------------------------------------ generation rules */

namespace {

/* Two actions, three load cases (10, 11, 12), one imperfection (1). */
void Tables_For_Rules()
{
    Nchw_Einw_Table_Init(2);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
    Nchw_Einw_Table_Add(2, "Q", 2, 1, 0, 2, 0);
    Nchw_Lf_Table_Init(3);
    Nchw_Lf_Table_Add(10, "g", 0, 0);
    Nchw_Lf_Table_Add(11, "q1", 1, 0);
    Nchw_Lf_Table_Add(12, "q2", 1, 0);
    Nchw_Imp_Table_Init(1);
    Nchw_Imp_Table_Add(1, "Schief");
}

} // namespace

TEST_F(Blocks, RuleAppliedToOtherTables)
{
    Tables_For_Rules();
    Nchw_Rec *c = Check(1, 8);
    GenRule_Rec *g = New_GenRule(c);
    c->genrule_count = 1;
    int32_t e[3][4] = {{2, 7, 1, 2}, {2, 11, 2, 3}, {1, 1, 1, 0}};
    g->entries = (int32_t *)malloc(sizeof e);
    memcpy(g->entries, e, sizeof e);
    g->entry_count = 3;
    g->gen_settings[0] = 1;
    Apply_GenRule_To_Tables(g);
    EXPECT_EQ(Nchw_Lf_Table.rows[0].gen[LF_GEN_WINDOW], 3);
    EXPECT_EQ(Nchw_Lf_Table.rows[1].gen[LF_GEN_WINDOW], 2);
    EXPECT_EQ(Nchw_Lf_Table.rows[1].gen[LF_GEN_JOINT], 3);
    EXPECT_EQ(Nchw_Lf_Table.rows[2].gen[LF_GEN_WINDOW], 3);
    EXPECT_EQ(Nchw_Einw_Table.rows[0].active, 1); /* from the entry */
    EXPECT_EQ(Nchw_Einw_Table.rows[1].active, 1); /* variable: on by default */
    EXPECT_EQ(Joint_Groups[2].window_state, 2);
    /* joint group 3 in window 22, the others in window 21 */
    ASSERT_EQ(Lkom_Window_Count(Lkom_Window_List[LKOM_WIN_22]), 1);
    EXPECT_EQ(Lkom_Window_List[LKOM_WIN_22][0].kind, 1);
    EXPECT_EQ(Lkom_Window_Count(Lkom_Window_List[LKOM_WIN_21]), 3);
    EXPECT_EQ(Lkom_Gen_Settings.method, 1);
    Free_Lkom_Windows();
}

TEST_F(Blocks, StoredRuleKeepsAnExceededCountNegative)
{
    Tables_For_Rules();
    Nchw_Rec *c = Check(1, 8);
    ASSERT_EQ(Init_Lkom_Windows(), 1);
    Lkom_Window_Append(Lkom_Joint_List[4], 2, &Nchw_Lf_Table.rows[2]);
    N_GENERATED_LKOMS_EXIST = 3001;
    Lkom_Gen_Settings.variant = 2;
    GenRule_Rec *g = Store_GenRule(c, nullptr);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->generated_count, -3001);
    EXPECT_EQ(g->number, 1);
    EXPECT_EQ(std::string(g->name), "Generierungsvorschrift 1      ");
    EXPECT_EQ(c->genrule_count, 1);
    ASSERT_EQ(g->entry_count, 6);
    EXPECT_EQ(g->entries[4 * 4 + 1], 12);
    EXPECT_EQ(g->entries[4 * 4 + 3], 5); /* joint group 5 */
    EXPECT_EQ(g->entries[4 * 5 + 0], 3);
    EXPECT_EQ(g->gen_settings[2], 2);
    N_GENERATED_LKOMS_EXIST = 3000;
    GenRule_Rec *h = Store_GenRule(c, nullptr);
    EXPECT_EQ(h->generated_count, 3000);
    EXPECT_EQ(h->number, 2);
    N_GENERATED_LKOMS_EXIST = 0;
    Free_Lkom_Windows();
}

TEST_F(Blocks, RuleFactorsAsText)
{
    Tables_For_Rules();
    ASSERT_EQ(Build_Lf_Factor_Tables(), 1);
    for (int k = 0; k < 3; k++)
        for (int i = 0; i < Lf_Factor_Table.count[k]; i++) {
            Lf_Factor_Row &r = Lf_Factor_Table.rows[k][i];
            r.on = 1;
            r.psi_dom = k + 1;
            r.psi_sub = i * 0.25;
            r.gamma_sup = 1.5;
        }
    Lkom_Gen_Settings.factor_mode = 2;
    Lkom_Gen_Settings.basis = 2;
    Nchw_Rec *c = Check(1, 8);
    GenRule_Rec *g = New_GenRule(c);
    Save_GenRule_Factors(g);
    FILE *f = tmpfile();
    ASSERT_EQ(Write_GenRule_Factors(f, g), 0);
    const std::string text = Text_Of(f);
    EXPECT_EQ(text, "3 2 2 2 1\n"
                    " 1 1 2.000000 0.000000 1.500000 0.000000\n"
                    " 2 1 2.000000 0.250000 1.500000 0.000000\n"
                    " 10 1 1.000000 0.000000 1.500000 0.000000\n"
                    " 11 1 1.000000 0.250000 1.500000 0.000000\n"
                    " 12 1 1.000000 0.500000 1.500000 0.000000\n"
                    " 1 1 3.000000 0.000000 1.500000 0.000000\n");
    GenRule_Rec *h = New_GenRule(c);
    rewind(f);
    ASSERT_EQ(Read_GenRule_Factors(f, h), 1);
    EXPECT_EQ(h->factor_counts[GENRULE_LOADCASES], 3);
    EXPECT_DOUBLE_EQ(h->factor_arrays[GENRULE_LOADCASES][2].psi_sub, 0.5);
    EXPECT_EQ(h->factor_arrays[GENRULE_IMPERFECTIONS][0].number, 1);
    fclose(f);
    f = File_With("-1 2 2 1 0\n 1 1 1 1 1 1\n"); /* a negative count is a damaged block */
    EXPECT_EQ(Read_GenRule_Factors(f, h), 0);
    EXPECT_EQ(h->factor_arrays[GENRULE_ACTIONS], nullptr);
    fclose(f);
    f = File_With("3 2 2\n");
    EXPECT_EQ(Read_GenRule_Factors(f, h), 0);
    EXPECT_EQ(h->factor_mode, 1);
    EXPECT_EQ(h->mode_value, 1);
    EXPECT_EQ(h->factor_arrays[0], nullptr);
    fclose(f);
    /* loading takes the factors by number; a row without entry stays off */
    Lkom_Gen_Settings.factor_mode = 1;
    g->factor_counts[GENRULE_LOADCASES] = 2; /* load case 12 has no entry now */
    Load_GenRule_Factors(g);
    EXPECT_EQ(Lkom_Gen_Settings.factor_mode, 2);
    EXPECT_EQ(Lkom_Gen_Settings.basis, 2);
    EXPECT_EQ(Lf_Factor_Table.rows[LFF_LOADCASES][1].on, 1);
    EXPECT_EQ(Lf_Factor_Table.rows[LFF_LOADCASES][2].on, 0);
    double a, b, s, i;
    Get_Lf_Factors(2, &a, &b, &s, &i); /* per load case: off gives zeros */
    EXPECT_EQ(a + b + s + i, 0.0);
}

TEST_F(Blocks, StandardSituationFallsBackWithoutEarthquake)
{
    Tables_For_Rules();
    ASSERT_EQ(Build_Lf_Factor_Tables(), 1);
    Nchw_Rec *c = Check(1, 8);
    GenRule_Rec *g = New_GenRule(c);
    g->factor_mode = 1;
    g->mode_value = 2; /* earthquake situation */
    Load_GenRule_Factors(g);
    EXPECT_EQ(Lkom_Gen_Settings.situation, 0);
    EXPECT_EQ(Lkom_Gen_Settings.basis, 1);
    /* imperfections count with 1.0 in standard mode */
    double fct = 0;
    EXPECT_EQ(Get_Imp_Factor(0, &fct), 1);
    EXPECT_DOUBLE_EQ(fct, 1.0);
}

/* ------------------------------------------------------------------ refresh */

TEST_F(Blocks, RefreshWithoutLoadCasesTouchesNothing)
{
    Nchw_Rec *c = Check(1, 8);
    Xtr_Rule_Rec *x = New_Xtr_Rule(c);
    c->xtr_count = 1;
    x->mode = 1;
    EXPECT_EQ(Refresh_Nachweise(), 0);
    EXPECT_EQ(x->rows, nullptr);
    EXPECT_EQ(c->xtr_head, x);
}

TEST_F(Blocks, AutomaticEurocodeRules)
{
    Nchw_Einw_Table_Init(3);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
    Nchw_Einw_Table_Add(2, "Q", 2, 1, 0, 2, 0);
    Nchw_Einw_Table_Add(3, "E", 100, 0, 0, 4, 0);
    Nchw_Lf_Table_Init(1);
    Nchw_Lf_Table_Add(10, "g", 0, 0);
    Nchw_Type_Rec t{};
    t.ints0_3[0] = 300;
    t.ints4_10[0] = 1; /* ultimate */
    t.ints4_10[4] = 2; /* Eurocode */
    t.ints4_10[6] = 1; /* linear */
    Nchw_Rec *c = New_Nachweis();
    c->type = &t;
    Xtr_Rule_Rec *user = New_Xtr_Rule(c);
    c->xtr_count = 1;
    user->mode = 2;
    snprintf(user->name, sizeof user->name, "eigene");
    Xtr_Rule_Rec *old = New_Xtr_Rule(c);
    c->xtr_count = 2;
    old->mode = 1;
    Nchw_Norm_Mask = 31 | NCHW_NORM_EUROCODE;
    Auto_Xtr_Situations = 11;          /* suv Bs, ag Bs, earthquake */
    EXPECT_EQ(Refresh_Nachweise(), 0); /* automatic rules are no change */
    ASSERT_EQ(c->xtr_count, 3);
    Xtr_Rule_Rec *r = c->xtr_head;
    EXPECT_EQ(std::string(r->name), "automatisch (suv Bs)          ");
    EXPECT_EQ(r->number, 1);
    EXPECT_EQ(r->auto_kind, 1);
    ASSERT_EQ(r->row_count, 2); /* G and Q, not the earthquake */
    EXPECT_DOUBLE_EQ(r->rows[0].gamma_sup, 1.35);
    r = r->next;
    EXPECT_EQ(std::string(r->name), "automatisch (Erdbeben)        ");
    EXPECT_EQ(r->number, 2);
    ASSERT_EQ(r->row_count, 3);
    EXPECT_DOUBLE_EQ(r->rows[1].psi_dom, 0.6); /* psi2,E of category B (psi index 1) */
    r = r->next;
    EXPECT_EQ(r, user);
    EXPECT_EQ(r->number, 3);
    EXPECT_EQ(c->xtr_tail, user);
    Nchw_Norm_Mask = 31;
}

TEST_F(Blocks, RefreshRebuildsStandardTables)
{
    Nchw_Einw_Table_Init(1);
    Nchw_Einw_Table_Add(1, "G", 1, 0, 0, 0, 0);
    Nchw_Lf_Table_Init(1);
    Nchw_Lf_Table_Add(10, "g", 0, 0);
    Nchw_Type_Rec t{};
    t.ints0_3[0] = 300;
    t.ints0_3[2] = 1;
    t.ints4_10[1] = 1;
    t.ints4_10[5] = 2; /* Eurocode rows */
    Nchw_Rec *c = New_Nachweis();
    c->type = &t;
    Xtr_Rule_Rec *x = New_Xtr_Rule(c);
    c->xtr_count = 1;
    x->mode = 1;
    EXPECT_EQ(Refresh_Nachweise(), 1); /* empty before: a change */
    ASSERT_EQ(x->row_count, 1);
    EXPECT_EQ(x->comb_rule[0], 2);
    EXPECT_EQ(Refresh_Nachweise(), 0); /* equal now */
    Beiwert_Tables.Eurocode_gamma_sup1_norm[0] = 1.5;
    EXPECT_EQ(Refresh_Nachweise(), 1);
    EXPECT_DOUBLE_EQ(x->rows[0].gamma_sup, 1.5);
    x->mode = 2; /* user-edited: kept */
    Beiwert_Tables.Eurocode_gamma_sup1_norm[0] = 1.35;
    EXPECT_EQ(Refresh_Nachweise(), 0);
    EXPECT_DOUBLE_EQ(x->rows[0].gamma_sup, 1.5);
}
