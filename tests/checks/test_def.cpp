/*
** Tests of the type file reader: type lines, option entries, selectors, the colour chapter and
** the structure of the type tree.
*/
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "checks/checks.h"
#include "foundation/screen_tools.h"
#include "platform/zelkwin.h"
#include "platform/zelkwin_test.h"

namespace {

std::string Write_Temp(const char *base, const std::string &text)
{
    /* one file per test: the tests of this folder run in parallel in one directory */
    const std::string name =
        std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" + base;
    FILE *f = fopen(name.c_str(), "wb");
    fwrite(text.data(), 1, text.size(), f);
    fclose(f);
    return name;
}

/* Two types, a colour chapter and a structure; texts in code page 850. */
const std::string Def_Text = "\xAE\xAF\n"
                             "7 0x20 1 1 1 1 0 1 2 2 1\n"
                             "\xAEHolz Typ A\xAF \xAE"
                             "Beschreibung\xAF \xAEHELP_A\xAF\n"
                             "10 20 30\n"
                             "3 Y 10 3 L 1 # 20 \xAEOption drei\xAF\n"
                             "4 A 0 1 2 ( 3 0 ) 40 \xAERadio\xAF\n"
                             "-1\n"
                             "2 1 5 \xAESt\x84"
                             "be\xAF 2 0 \xAEKnoten\xAF\n"
                             "1.5\n"
                             "8 4 1 1 2 1 4 1 1 1 3\n"
                             "\xAETyp B\xAF \xAE\xAF \xAE\xAF\n"
                             "0 0 0\n"
                             "-1\n"
                             "0\n"
                             "2.0\n"
                             "#COLORS\n"
                             "1 255 0 0\n"
                             "40 1 2 3\n"
                             "-1 0 0 0\n"
                             "2 0 255 0\n"
                             "#STRUCTURE\n"
                             "* \xAE"
                             "A\xAF ( 1 1 -1 -1 -1 )\n"
                             "{ + 7 ( 0 1 1 1 1 ) + 8 ( 0 1 1 1 1 ) }\n"
                             "* \xAE"
                             "B\xAF ( 0 1 1 1 1 )\n"
                             "+ 99 ( 0 1 1 1 1 )\n"
                             "#\n";

class Def : public ::testing::Test {
  protected:
    void TearDown() override { Free_Nchw_Types(); }
};

} // namespace

TEST_F(Def, TypesOptionsAndSelectors)
{
    ASSERT_EQ(Read_Nachweis_Def_File(Write_Temp("types.def", Def_Text).c_str()), 1);
    EXPECT_EQ(Nchw_Type_Count, 2);
    Nchw_Type_Rec *a = Find_Nchw_Type(7);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->ints0_3[1], 32); /* 0x20 */
    EXPECT_STREQ(Nchw_Material_Text(a->ints0_3[1]), "Aluminium");
    EXPECT_EQ(std::string(a->name), std::string("Holz Typ A") + std::string(40, ' '));
    EXPECT_STREQ(a->description, "Beschreibung");
    EXPECT_STREQ(a->help_topic, "HELP_A");
    EXPECT_EQ(a->colour[0] + a->colour[1] + a->colour[2], 60);
    ASSERT_EQ(a->option_count, 2);
    const Nchw_Option_Entry &o = a->options[0];
    EXPECT_EQ(o.id, 3);
    EXPECT_EQ(o.kind, 1);
    EXPECT_EQ(o.gap, 10);
    EXPECT_EQ(o.dflt, 1);
    EXPECT_EQ(o.depends_on, 0);
    EXPECT_EQ(o.x_indent, 20);
    EXPECT_STREQ(o.text, "Option drei");
    const Nchw_Option_Entry &r = a->options[1];
    EXPECT_EQ(r.kind, 2);
    EXPECT_EQ(r.dflt, 0);
    EXPECT_EQ(r.group, 1);
    EXPECT_EQ(r.value, 2);
    EXPECT_EQ(r.depends_on, 3);
    EXPECT_EQ(r.x_indent, 40);
    ASSERT_EQ(a->selector_count, 2);
    EXPECT_EQ(a->selector_types[0], 1);
    EXPECT_EQ(a->selector_values[0], 5);
    EXPECT_STREQ(a->selector_names[0], "St\x84"
                                       "be");
    EXPECT_STREQ(a->selector_names[1], "Knoten");
    EXPECT_DOUBLE_EQ(a->value, 1.5);
    /* dialog: 90 + 19 + gap 10 + 19; width from the wider of the two labels */
    EXPECT_EQ(a->dialog_height, 138);
    int w1 = 20 + 50 + Text_Width_In_Font("Option drei", 4096) + 20;
    int w2 = 40 + 50 + Text_Width_In_Font("Radio", 4096) + 20;
    int w = w1 > w2 ? w1 : w2;
    EXPECT_EQ(a->dialog_width, w > 170 ? w : 170);
    Nchw_Type_Rec *b = Find_Nchw_Type(8);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->option_count, 0);
    EXPECT_EQ(b->dialog_height, 0); /* no options: no size */
    EXPECT_EQ(b->selector_count, 0);
}

TEST_F(Def, ColoursAndStructure)
{
    ASSERT_EQ(Read_Nachweis_Def_File(Write_Temp("types.def", Def_Text).c_str()), 1);
    EXPECT_EQ(Nchw_Struct_Valid, 1);
    EXPECT_EQ(Nchw_Colour_Table[1], Nearest_RGB_Color(255, 0, 0));
    EXPECT_EQ(Nchw_Colour_Table[2], BLACK_CI); /* behind the end line */
    Nchw_Struct_Node *root = Nchw_Struct_Root;
    ASSERT_NE(root, nullptr);
    EXPECT_STREQ(root->text, "ROOT");
    EXPECT_EQ(root->expanded, 1);
    Nchw_Struct_Node *A = root->child;
    ASSERT_NE(A, nullptr);
    EXPECT_STREQ(A->text, "A");
    EXPECT_EQ(A->font, 0x11000);
    EXPECT_EQ(A->text_colour, Nchw_Colour_Table[1]);
    EXPECT_EQ(A->marker_colour, BLACK_CI); /* -1 keeps the default */
    EXPECT_EQ(A->background, WHITE_CI);
    ASSERT_NE(A->child, nullptr);
    EXPECT_EQ(A->child->type_id, 7);
    EXPECT_EQ(std::string(A->child->text).substr(0, 10), "Holz Typ A");
    ASSERT_NE(A->child->next, nullptr);
    EXPECT_EQ(A->child->next->type_id, 8);
    EXPECT_EQ(A->child->next->next, nullptr);
    EXPECT_EQ(A->child->parent, A);
    Nchw_Struct_Node *B = A->next;
    ASSERT_NE(B, nullptr);
    EXPECT_STREQ(B->text, "B");
    EXPECT_EQ(B->parent, root);
    EXPECT_EQ(B->font, 4096);
    ASSERT_NE(B->next, nullptr);
    EXPECT_STREQ(B->next->text, "????????");
}

TEST_F(Def, EmptyFileAndFormatErrors)
{
    ASSERT_EQ(Read_Nachweis_Def_File(Write_Temp("empty.def", "\xAEhilfe.hlp\xAF\n").c_str()), 1);
    EXPECT_EQ(Nchw_Type_Count, 0);
    EXPECT_EQ(Nchw_Type_Head, nullptr);
    EXPECT_STREQ(Nchw_Help_File, "hilfe.hlp");
    EXPECT_EQ(Nchw_Struct_Valid, 0); /* chapters missing */
    Free_Nchw_Types();
    std::string bad = Def_Text;
    bad.replace(bad.find("+ 99"), 4, "+ 0 ");
    testing::internal::CaptureStdout();
    ASSERT_EQ(Read_Nachweis_Def_File(Write_Temp("bad.def", bad).c_str()), 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Formatfehler in Nachweis.def (Kap. STRUCTURE); Nachweis-Id?\n");
    EXPECT_EQ(Nchw_Struct_Valid, 0);
    EXPECT_EQ(Nchw_Type_Count, 2); /* the types stay */
    Free_Nchw_Types();
    bad = Def_Text;
    bad.replace(bad.find("+ 99"), 1, "x");
    testing::internal::CaptureStdout();
    Read_Nachweis_Def_File(Write_Temp("bad.def", bad).c_str());
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Formatfehler in Nachweis.def (Kap. STRUCTURE); erwarte * + { }\n");
    EXPECT_EQ(Nchw_Struct_Valid, 0);
}

TEST_F(Def, MoreThanNineteenOptionsAreDropped)
{
    std::string t = "\xAE\xAF\n9 1 1 1 1 1 0 1 2 2 1\n\xAEV\xAF \xAE\xAF \xAE\xAF 0 0 0\n";
    for (int i = 0; i < 21; i++) t += std::to_string(i) + " L 0 # 10 \xAEo\xAF\n";
    t += "-1 0 1.0\n";
    testing::internal::CaptureStdout();
    ASSERT_EQ(Read_Nachweis_Def_File(Write_Temp("many.def", t).c_str()), 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "maximale Anzahl von <IndivNachweisPropsButtons> erreicht!!\n"
              "maximale Anzahl von <IndivNachweisPropsButtons> erreicht!!\n");
    ASSERT_EQ(Nchw_Type_Count, 1);
    EXPECT_EQ(Nchw_Type_Head->option_count, 19);
    EXPECT_DOUBLE_EQ(Nchw_Type_Head->value, 1.0); /* the file stayed in step */
}

TEST_F(Def, MissingFileIsReported)
{
    ZW_Test_Reset();
    EXPECT_EQ(Read_Nachweis_Def_File("does/not/exist.def"), 0);
    EXPECT_EQ(Nchw_Def_Read, 0);
    bool shown = false, path = false;
    for (const std::string &l : ZW_Test_Log_Lines()) {
        if (l.find("Dateieröffungsfehler:") != std::string::npos) shown = true;
        if (l.find("does/not/exist.def") != std::string::npos) path = true;
    }
    EXPECT_TRUE(shown);
    EXPECT_TRUE(path);
    ZW_Test_Reset();
}

TEST_F(Def, ExampleFileOfTheEnvironmentIsComplete)
{
    const std::string path =
        std::string(SPLICE_SOURCE_DIR) + "/environment/exec/splice/nachweis.def";
    ASSERT_EQ(Read_Nachweis_Def_File(path.c_str()), 1);
    EXPECT_EQ(Nchw_Type_Count, 5);
    EXPECT_EQ(Nchw_Struct_Valid, 1);
    ASSERT_NE(Find_Nchw_Type(222), nullptr);
    EXPECT_EQ(Find_Nchw_Type(222)->option_count, 3);
    for (Nchw_Struct_Node *h = Nchw_Struct_Root->child; h; h = h->next)
        for (Nchw_Struct_Node *t = h->child; t; t = t->next)
            EXPECT_NE(Find_Nchw_Type(t->type_id), nullptr);
}

TEST(NachweisValExample, RepeatsTheBuiltInRows)
{
    Reset_Beiwert_Tables();
    const Beiwert_Tables_Rec before = Beiwert_Tables;
    testing::internal::CaptureStdout();
    Read_Nachweis_Val_File(
        (std::string(SPLICE_SOURCE_DIR) + "/environment/exec/splice/nachweis.val").c_str());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(memcmp(&before, &Beiwert_Tables, sizeof before), 0);
}
