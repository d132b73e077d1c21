/*
** The tree of the type file's #STRUCTURE chapter: a second "{" on the same entry adds its
** entries after the children the entry already has (none is lost or leaked).
*/
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "checks/checks.h"

namespace {

FILE *Text_File(const std::string &text)
{
    FILE *f = tmpfile();
    fwrite(text.data(), 1, text.size(), f);
    rewind(f);
    return f;
}

} // namespace

TEST(DefStructureTree, SecondBraceOnAnEntryKeepsItsChildren)
{
    FILE *f = Text_File("#COLORS\n#STRUCTURE\n"
                        "* \xAE"
                        "A\xAF ( 0 1 1 2 4 )\n{\n  * \xAE"
                        "B\xAF ( 0 1 1 2 4 )\n}\n"
                        "{\n  * \xAE"
                        "C\xAF ( 0 1 1 2 4 )\n}\n"
                        "* \xAE"
                        "D\xAF ( 1 1 1 2 4 )\n#\n");
    ASSERT_EQ(Read_Nachweis_Def_Struktur(f), 1);
    fclose(f);
    ASSERT_NE(Nchw_Struct_Root, nullptr);
    const Nchw_Struct_Node *a = Nchw_Struct_Root->child;
    ASSERT_NE(a, nullptr);
    EXPECT_STREQ(a->text, "A");
    ASSERT_NE(a->child, nullptr);
    EXPECT_STREQ(a->child->text, "B");
    ASSERT_NE(a->child->next, nullptr);
    EXPECT_STREQ(a->child->next->text, "C");
    EXPECT_EQ(a->child->next->parent, a);
    EXPECT_EQ(a->child->next->next, nullptr);
    ASSERT_NE(a->next, nullptr);
    EXPECT_STREQ(a->next->text, "D");
    Free_Nchw_Types();
    EXPECT_EQ(Nchw_Struct_Root, nullptr);
}
