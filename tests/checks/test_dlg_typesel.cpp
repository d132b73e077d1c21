/*
** Tests of the type selection of a new check: the tree of headings and types with toggling,
** the OK button only for a type, a type missing from the type list, the info panel and the
** compact info box with their rewrites of unlisted values.
*/
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "checks/checks.h"
#include "platform/zelkwin.h"
#include "tests/platform/gui_log.h"

namespace {

Nchw_Struct_Node Root, Heading, Child, Single, Missing;
Nchw_Type_Rec T1, T2;

void Node(Nchw_Struct_Node *n, int32_t id, const char *text)
{
    *n = Nchw_Struct_Node{};
    n->type_id = id;
    n->font = 4096;
    n->text_colour = BLACK_CI;
    n->marker_colour = BLUE_CI;
    n->background = WHITE_CI;
    n->selected_background = BLUE_CI;
    snprintf(n->text, sizeof n->text, "%s", text);
}

class TypeSel : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ZW_Test_Reset();
        Node(&Root, 0, "");
        Root.expanded = 1;
        Node(&Single, 701, "Biegung");
        Node(&Heading, 0, "Holzbau");
        Node(&Child, 702, "Querdruck");
        Node(&Missing, 799, "????????");
        Root.child = &Single;
        Single.next = &Heading;
        Heading.next = &Missing;
        Heading.child = &Child;
        Single.parent = Heading.parent = Missing.parent = &Root;
        Child.parent = &Heading;
        Nchw_Struct_Root = &Root;
        T1 = Nchw_Type_Rec{};
        T2 = Nchw_Type_Rec{};
        snprintf(T1.name, sizeof T1.name, "%-50s", "Biegung");
        T1.ints0_3[0] = 701;
        T1.ints0_3[1] = 12;
        T1.ints0_3[2] = 1;
        T1.ints0_3[3] = 1;
        T1.ints4_10[0] = 9;
        snprintf(T2.name, sizeof T2.name, "%-50s", "Querdruck");
        T2.ints0_3[0] = 702;
        T2.ints0_3[1] = 4;
        T2.ints4_10[0] = 2;
        T2.ints4_10[2] = 11;
        T1.next = &T2;
        T2.prev = &T1;
        Nchw_Type_Head = &T1;
        Nchw_Type_Tail = &T2;
        Nchwtyp_Current = nullptr;
    }
    void TearDown() override
    {
        Nchw_Struct_Root = nullptr;
        Nchw_Type_Head = Nchw_Type_Tail = nullptr;
        Nchwtyp_Current = nullptr;
    }
};

/* Sheet at (345, 287); tree rows at y 369 + 14 i; OK (897, 644), cancel (353, 644). */
const char *Click_OK = "click 905 652\n";
const char *Click_Cancel = "click 360 652\n";

} // namespace

TEST_F(TypeSel, WithoutACurrentTypeOkDoesNothingAndCancelAnswersNull)
{
    ZW_Test_Set_Script(std::string(Click_OK) + Click_Cancel);
    EXPECT_EQ(Select_Nchw_Type(), nullptr);
    /* a heading does not make OK active either */
    ZW_Test_Set_Script(std::string("click 400 383\n") + Click_OK + Click_Cancel);
    EXPECT_EQ(Select_Nchw_Type(), nullptr);
    EXPECT_EQ(Nchwtyp_Current, &Heading);
}

TEST_F(TypeSel, ClickingAHeadingOpensItAndTheRowsBelowMoveDown)
{
    /* open "Holzbau": "Querdruck" appears in row 3, "????????" moves to row 4 */
    ZW_Test_Set_Script(std::string("click 400 383\nclick 400 397\n") + Click_OK);
    EXPECT_EQ(Select_Nchw_Type(), &T2);
    EXPECT_EQ(Heading.expanded, 1);
    EXPECT_EQ(Nchwtyp_Current, &Child);
    /* the current node survives: OK at once gives the same type */
    ZW_Test_Set_Script(Click_OK);
    EXPECT_EQ(Select_Nchw_Type(), &T2);
    /* closing the heading again: row 3 is now "????????", whose id has no type */
    ZW_Test_Set_Script(std::string("click 400 383\nclick 400 397\n") + Click_OK);
    EXPECT_EQ(Select_Nchw_Type(), nullptr);
    EXPECT_EQ(Heading.expanded, 0);
    EXPECT_EQ(Nchwtyp_Current, &Missing);
}

TEST_F(TypeSel, InfoPanelRewritesUnlistedValues)
{
    ZW_Test_Set_Script(std::string("click 400 369\n") + Click_OK);
    EXPECT_EQ(Select_Nchw_Type(), &T1);
    EXPECT_TRUE(Has_Text(" alle Materialien"));
    EXPECT_EQ(T1.ints0_3[1], 63);
    EXPECT_TRUE(Has_Text(" irelevant"));
    EXPECT_EQ(T1.ints4_10[0], 0);
    EXPECT_TRUE(Has_Text(" Extremierungen erlaubt"));
    EXPECT_TRUE(Has_Text(" interne Nummer = 701"));

    ZW_Test_Clear_Log();
    Draw_Nchwtyp_Info_Box(10, 10, 300, 260, 1);
    EXPECT_TRUE(Has_Text(" Querdruck"));
    EXPECT_TRUE(Has_Text(" Holz"));
    EXPECT_TRUE(Has_Text(" frei wählbar"));
    EXPECT_EQ(T2.ints4_10[2], 7);
    /* an index beyond the list shows the first type */
    ZW_Test_Clear_Log();
    Draw_Nchwtyp_Info_Box(10, 10, 300, 260, 5);
    EXPECT_TRUE(Has_Text(" Biegung"));
}
