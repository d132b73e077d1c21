/*
** The tree-view and print-list table library stand-in: MT_String_Length, tree images, the tree
** view in a sheet with its events, and the table read from a "#SHOWTABLE" block and shown.
*/
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/zelkgrft.h"
#include "tests/platform/gui_log.h"

namespace {

struct Seen {
    TreeViewItem *item;
    int event, extra;
};
std::vector<Seen> seen;
int answer_of_event = 0;

int Record_Event(TreeView *tree, TreeViewItem *item, int event, int extra)
{
    seen.push_back({item, event, extra});
    Default_TreeView_Check_Event_Fct(tree, item, event, extra);
    return answer_of_event;
}

FILE *Table_File(const char *text)
{
    FILE *f = tmpfile();
    fputs(text, f);
    rewind(f);
    return f;
}

} // namespace

TEST(ZelkgrftText, StringLengthWithoutEscapesAndGroups)
{
    EXPECT_EQ(MT_String_Length(nullptr), 0);
    EXPECT_EQ(MT_String_Length(""), 0);
    EXPECT_EQ(MT_String_Length("Sto\xE1"), 4);
    EXPECT_EQ(MT_String_Length("A\xCE\\n\xCEr"), 2);
    EXPECT_EQ(MT_String_Length("cm\xCE/2\xCEr"), 3);
    EXPECT_EQ(MT_String_Length("x \xCE{\xCEL 0 -1 -1 0.5 0.5 } y"), 4);
    EXPECT_EQ(MT_String_Length("\xCE"
                               "bFett\xCEr"),
              4);
    EXPECT_EQ(MT_String_Length("ab\xCE"), 2);
    EXPECT_EQ(MT_String_Length("ab\xCE{ohne Ende"), 2);
}

TEST(ZelkgrftTree, ItemsLevelsSelectionAndRemoval)
{
    ZW_Test_Reset();
    Define_Prop_Sheet(100, 100, 500, 500, 1, 0, "Nachweise", 40, 1);
    TreeView *t = newTreeView(110, 130, 490, 450, Record_Event, 55);
    ASSERT_NE(t, nullptr);
    TreeViewItem *root = addTreeViewItem(t, nullptr, "Nachweise", TVI_FOLDER_OPEN, nullptr);
    int tag1 = 1, tag2 = 2;
    TreeViewItem *a = addTreeViewItem(t, root, "Tragf\x84higkeit", TVI_BOX_EMPTY, &tag1);
    TreeViewItem *b = addTreeViewItem(t, root, "Gebrauchstauglichkeit", TVI_BOX_TICKED, &tag2);
    TreeViewItem *c = addTreeViewItem(t, b, "Durchbiegung", TVI_DOCUMENT, nullptr);
    EXPECT_EQ(getTreeViewItemLevel(root), 0);
    EXPECT_EQ(getTreeViewItemLevel(a), 1);
    EXPECT_EQ(getTreeViewItemLevel(c), 2);
    EXPECT_EQ(getTreeViewItemData(a), &tag1);
    EXPECT_EQ(getTreeViewSelection(t), nullptr);
    setTreeViewSelection(t, c);
    EXPECT_EQ(getTreeViewSelection(t), c);
    removeTreeViewElement(t, b); /* with its child, the selection goes too */
    EXPECT_EQ(getTreeViewSelection(t), nullptr);
    setTreeViewSelection(t, a);
    clearTreeViewSelection(t);
    EXPECT_EQ(getTreeViewSelection(t), nullptr);
    Activate_Prop_Sheet();
    bool drawn = false;
    for (auto &l : ZW_Test_Log_Lines())
        if (l.find(" Tragfähigkeit") != std::string::npos) drawn = true;
    EXPECT_TRUE(drawn);
    deleteTreeView(t);
    Undefine_Prop_Sheet();
}

TEST(ZelkgrftTree, ClicksReachTheEventFunction)
{
    ZW_Test_Reset();
    seen.clear();
    Define_Prop_Sheet(100, 100, 500, 500, 1, 0, "Baum", 40, 1);
    Add_Single_Button_to_PS(120, 470, SYMBOLIC_BREAK_RASTER, nullptr, 3);
    TreeView *t = newTreeView(110, 130, 490, 450, Record_Event, 55);
    TreeViewItem *root = addTreeViewItem(t, nullptr, "Nachweise", TVI_FOLDER_OPEN, nullptr);
    TreeViewItem *a = addTreeViewItem(t, root, "Lastfall 1", TVI_BOX_EMPTY, nullptr);
    addTreeViewItem(t, root, "Lastfall 2", TVI_BOX_EMPTY, nullptr);
    Activate_Prop_Sheet();
    /* rows of 18 pixels from y 132; level 1 starts at x 110 + 4 + 16 = 130: expander 130..142,
  ** image 144..156, text from 161 */
    int row1 = 132 + 18 + 9;
    ZW_Test_Set_Script("click 170 " + std::to_string(row1) + "\nclick 150 " + std::to_string(row1)
                       + "\nclick 120 141\nclick 121 141\n");
    answer_of_event = 1;
    EXPECT_EQ(Edit_Prop_Sheet(), 55); /* the text of item a: a click, the pass ends */
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].item, a);
    EXPECT_EQ(seen[0].event, 1);
    EXPECT_EQ(seen[0].extra, 0);
    EXPECT_EQ(getTreeViewSelection(t), a);
    answer_of_event = 0;
    /* the image flips the check box; the function answers 0, so the pass goes on; the expander of
  ** the root folds and unfolds the tree; then the script ends */
    EXPECT_EQ(Edit_Prop_Sheet(), 3);
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[1].extra, 1);
    EXPECT_EQ(seen[2].event, 8);
    EXPECT_EQ(seen[3].event, 8);
    showTreeViewElement(t, a, 1);
    EXPECT_EQ(getTreeViewSelection(t), a);
    Undefine_Prop_Sheet();
    deleteTreeView(t);
}

TEST(ZelkgrftTree, ImagesDrawAroundTheirCentre)
{
    ZW_Test_Reset();
    pxFgc(WHITE_CI);
    pxRect(0, 0, 99, 99);
    Draw_TreeViewImage(TVI_BOX_TICKED, 50, 50);
    EXPECT_EQ(ZW_Test_Pixel(44, 44), 0x808080u); /* the frame's corner */
    EXPECT_EQ(ZW_Test_Pixel(56, 56), 0x808080u);
    EXPECT_EQ(ZW_Test_Pixel(43, 43), 0xFFFFFFu);
    EXPECT_GT(ZW_Test_Count_Colour(44, 44, 56, 56, 0x107810), 3); /* the tick */
    Draw_TreeViewImage(TVI_BOX_EMPTY, 50, 50);
    EXPECT_EQ(ZW_Test_Count_Colour(44, 44, 56, 56, 0x107810), 0);
}

TEST(ZelkgrftTable, ErrorListAndTableWithSeparators)
{
    ZW_Test_Reset();
    FILE *f =
        Table_File("#SHOWTABLE\n0 0 0\n0 0 -1 -1\n Fehler 1\n Fehler 2: \xE1\n#END_OF_TEXT\n");
    OLITable *t = readOLITableFromFILE(f);
    fclose(f);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(OLITable_Rows(t), 2);
    EXPECT_STREQ(OLITable_Cell(t, 0, 0), "Fehler 1");
    EXPECT_STREQ(OLITable_Cell(t, 1, 0), "Fehler 2: \xE1");
    EXPECT_EQ(OLITable_Cell(t, 2, 0), nullptr);
    EXPECT_EQ(OLITable_Cell(t, 0, 1), nullptr);
    deleteOLITable(t);
    f = Table_File(
        "#SHOWPARA\nx\n#SHOWTABLE\n 1 0 0\n Titel\n 1 1 -1 -1 1\n 4.000000\n"
        "\xCErLK  \xCErBezeichnung\n\xCEr    \xCEr\n 1   Eigengewicht\n \xCE{\xCEL 0 -1 -1 0.5 0.5 }\n"
        " 2   Schnee\n#END_OF_TEXT\n");
    t = readOLITableFromFILE(f);
    fclose(f);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(OLITable_Rows(t), 4);
    EXPECT_STREQ(OLITable_Cell(t, 0, 0), "LK");
    EXPECT_STREQ(OLITable_Cell(t, 0, 1), "Bezeichnung");
    EXPECT_STREQ(OLITable_Cell(t, 2, 0), "1");
    EXPECT_STREQ(OLITable_Cell(t, 2, 1), "Eigengewicht");
    EXPECT_STREQ(OLITable_Cell(t, 3, 1), "Schnee");
    /* shown in a sheet until its button */
    int bg, alt, head;
    getOLITableColours(&bg, &alt, &head);
    setOLITableColours(Nearest_RGB_Color(240, 240, 240), Nearest_RGB_Color(240, 240, 240),
                       BUTTON_CI);
    ZW_Test_Set_Script("click 565 575\n");
    EXPECT_EQ(OLITablePropSheet(t, "Fehlermeldungen", 100, 100, 600, 600), 1);
    EXPECT_TRUE(Has_Line("SHEET 1 100 100 600 600 Fehlermeldungen"));
    EXPECT_TRUE(Has_Line("EDIT 1"));
    bool cell = false;
    for (auto &l : ZW_Test_Log_Lines())
        if (l.find(" Eigengewicht") != std::string::npos) cell = true;
    EXPECT_TRUE(cell);
    deleteOLITable(t);
    f = Table_File("#SHOWPARA\nkein Tisch\n");
    EXPECT_EQ(readOLITableFromFILE(f), nullptr);
    fclose(f);
    f = Table_File("#SHOWTABLE\n-5 0 0\n");
    EXPECT_EQ(readOLITableFromFILE(f), nullptr);
    fclose(f);
    EXPECT_EQ(readOLITableFromFILE(nullptr), nullptr);
}

TEST(ZelkgrftTree, DoubleClickReportsBitTwo)
{
    ZW_Test_Reset();
    seen.clear();
    answer_of_event = 0;
    Define_Prop_Sheet(100, 100, 500, 500, 1, 0, "Baum", 40, 1);
    TreeView *t = newTreeView(110, 130, 490, 450, Record_Event, 55);
    TreeViewItem *a = addTreeViewItem(t, nullptr, "Lastfall 1", TVI_DOCUMENT, nullptr);
    Activate_Prop_Sheet();
    ZW_Test_Set_Script("dclick 200 140\n");
    Edit_Prop_Sheet();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].event, 1);
    EXPECT_EQ(seen[1].event, 2);
    EXPECT_EQ(seen[1].item, a);
    Undefine_Prop_Sheet();
    deleteTreeView(t);
}
