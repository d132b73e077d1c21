/*
** Tests of the object tables of the design-check selectors: registering objects, counted
** selection lists, the grid layout and hit test, and the dialog "Auswahl der %s" driven
** headless by scripts.
*/
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "checks/checks.h"
#include "platform/zelkwin.h"
#include "tests/platform/gui_log.h"

namespace {

int32_t *Make_List(std::vector<int32_t> numbers)
{
    int32_t *l = (int32_t *)std::malloc(sizeof(int32_t) * (numbers.size() + 1));
    l[0] = (int32_t)numbers.size();
    for (size_t i = 0; i < numbers.size(); i++) l[i + 1] = numbers[i];
    return l;
}

std::vector<int32_t> List_Numbers(const int32_t *l)
{
    std::vector<int32_t> v;
    for (int32_t i = 1; l && i <= l[0]; i++) v.push_back(l[i]);
    return v;
}

class ObjSel : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ZW_Test_Reset();
        for (int t = 0; t < NCHW_OBJECT_TYPES; t++) Init_Nchw_Object_Table(t, 0);
        Init_Nchw_Object_Table(2, 30);
        for (int i = 1; i <= 5; i++) {
            char name[16];
            snprintf(name, sizeof name, "  Stab %d ", i);
            Add_Nchw_Object(2, 10 * i, name);
        }
    }
    void TearDown() override
    {
        for (int t = 0; t < NCHW_OBJECT_TYPES; t++) Init_Nchw_Object_Table(t, 0);
    }
};

/* The dialog of the fixture centred on the default screen 1280 x 960: sheet left 337, top 265. */
const char *Click_All = "click 352 310\n";
const char *Click_None = "click 486 310\n";
const char *Click_Invert = "click 612 310\n";
const char *Click_Cancel = "click 745 312\n";
const char *Click_OK = "click 805 312\n";

} // namespace

TEST_F(ObjSel, TablesTakeObjectsUpToTheirCapacityAndKnowTheirNumbers)
{
    const Nchw_Object_Table_Rec &t = Nchw_Object_Tables[2];
    EXPECT_EQ(t.count, 5);
    EXPECT_STREQ(t.entries[0].label, "10: Stab 1");
    EXPECT_EQ(Is_Nchw_Object_Selected(30, 2), 1);
    EXPECT_EQ(Is_Nchw_Object_Selected(31, 2), 0);
    EXPECT_EQ(Is_Nchw_Object_Selected(30, 3), 0);
    EXPECT_EQ(Is_Nchw_Object_Selected(30, 9), 0);
    EXPECT_GT(t.label_width, 0);

    Init_Nchw_Object_Table(4, 2);
    Add_Nchw_Object(4, 1, "a");
    Add_Nchw_Object(4, 2, "b");
    Add_Nchw_Object(4, 3, "c"); /* full: ignored */
    Add_Nchw_Object(9, 1, "x"); /* no such type */
    EXPECT_EQ(Nchw_Object_Tables[4].count, 2);
    EXPECT_EQ(Is_Nchw_Object_Selected(3, 4), 0);

    /* a long name is cut to 30 characters */
    Add_Nchw_Object(2, 7, "abcdefghijklmnopqrstuvwxyz0123456789");
    EXPECT_STREQ(Nchw_Object_Tables[2].entries[5].label, "7: abcdefghijklmnopqrstuvwxyz0");
}

TEST_F(ObjSel, SelectionListsHoldEachKnownNumberOnceInTableOrder)
{
    int32_t *l = Set_Nchw_Object_Selection(Make_List({40, 20, 40, 99}), 2);
    EXPECT_EQ(Nchw_Object_Current_Type, 2);
    EXPECT_EQ(List_Numbers(l), (std::vector<int32_t>{20, 40}));
    int32_t *g = Get_Nchw_Object_Selection();
    EXPECT_EQ(List_Numbers(g), (std::vector<int32_t>{20, 40}));
    std::free(g);
    std::free(l);

    EXPECT_EQ(Set_Nchw_Object_Selection(Make_List({99}), 2), nullptr);
    EXPECT_EQ(Set_Nchw_Object_Selection(nullptr, 2), nullptr);
    EXPECT_EQ(Get_Nchw_Object_Selection(), nullptr);

    /* an unknown type keeps the caller's list */
    int32_t *keep = Make_List({1});
    EXPECT_EQ(Set_Nchw_Object_Selection(keep, 11), keep);
    std::free(keep);
}

TEST_F(ObjSel, GridPutsTwentyEntriesInAColumnAndHitsByBoxes)
{
    Init_Nchw_Object_Table(1, 25);
    for (int i = 1; i <= 21; i++) Add_Nchw_Object(1, i, "A");
    Set_Nchw_Object_Selection(nullptr, 1);
    const int w = Nchw_Object_Tables[1].label_width;
    int x, y;
    Nchw_Object_Entry_Pos(0, 100, 200, &x, &y);
    EXPECT_EQ(x, 130);
    EXPECT_EQ(y, 216);
    Nchw_Object_Entry_Pos(19, 100, 200, &x, &y);
    EXPECT_EQ(x, 130);
    EXPECT_EQ(y, 216 + 19 * 16);
    Nchw_Object_Entry_Pos(20, 100, 200, &x, &y);
    EXPECT_EQ(x, 130 + w + 30);
    EXPECT_EQ(y, 216);

    /* a point hits the box of entry 1 (y 232) from x - 18 to x + w, y - 10 to y */
    Draw_Nchw_Object_Grid(130 - 18, 222, 130 - 18, 222, 100, 200);
    EXPECT_EQ(Nchw_Object_Tables[1].entries[1].selected, 1);
    EXPECT_EQ(Nchw_Object_Tables[1].entries[0].selected, 0);
    Draw_Nchw_Object_Grid(130 - 19, 222, 130 - 19, 222, 100, 200); /* one pixel left: none */
    EXPECT_EQ(Nchw_Object_Tables[1].entries[1].selected, 1);
    /* a rectangle over the first three rows of both columns inverts six entries */
    Draw_Nchw_Object_Grid(120, 210, 130 + w + 40, 250, 100, 200);
    int32_t *l = Get_Nchw_Object_Selection();
    EXPECT_EQ(List_Numbers(l), (std::vector<int32_t>{1, 3, 21}));
    std::free(l);
    /* no hit rectangle changes nothing, and the selected entry is painted green */
    Draw_Nchw_Object_Grid(-1, -1, -1, -1, 100, 200);
    EXPECT_EQ(ZW_Test_Pixel(130 + 2, 216 - 10), 0xA0E080u);
    EXPECT_EQ(ZW_Test_Pixel(130 + 2, 232 - 10), 0xFFFBF0u);
}

TEST_F(ObjSel, DialogSelectsAllOrInvertsAndAnswersTheNewList)
{
    ZW_Test_Set_Script(std::string(Click_All) + Click_OK);
    int32_t *given = Make_List({20});
    int32_t *l = Nchw_Object_Select_Dialog(2,
                                           "St\x84"
                                           "be",
                                           given);
    EXPECT_EQ(List_Numbers(l), (std::vector<int32_t>{10, 20, 30, 40, 50}));
    EXPECT_TRUE(Has_Line("SHEET 1 337 265 943 694 Auswahl der Stäbe"));

    ZW_Test_Set_Script(std::string(Click_Invert) + Click_Invert + Click_OK);
    int32_t *m = Nchw_Object_Select_Dialog(2,
                                           "St\x84"
                                           "be",
                                           Make_List({30, 10}));
    EXPECT_EQ(List_Numbers(m), (std::vector<int32_t>{10, 30}));
    std::free(m);

    ZW_Test_Set_Script(std::string(Click_Invert) + Click_OK);
    m = Nchw_Object_Select_Dialog(2,
                                  "St\x84"
                                  "be",
                                  Make_List({30, 10}));
    EXPECT_EQ(List_Numbers(m), (std::vector<int32_t>{20, 40, 50}));
    std::free(m);

    ZW_Test_Set_Script(std::string(Click_None) + Click_OK);
    EXPECT_EQ(Nchw_Object_Select_Dialog(2,
                                        "St\x84"
                                        "be",
                                        l),
              nullptr);
}

TEST_F(ObjSel, DialogCancelHandsBackTheVeryListAndAClickInverts)
{
    int32_t *given = Make_List({20, 20});
    ZW_Test_Set_Script(std::string(Click_All) + Click_Cancel);
    EXPECT_EQ(Nchw_Object_Select_Dialog(2,
                                        "St\x84"
                                        "be",
                                        given),
              given);
    EXPECT_EQ(List_Numbers(given), (std::vector<int32_t>{20, 20}));

    /* entry 0 at (378, 352) of the area at (348, 336); a click on its box adds it */
    ZW_Test_Set_Script(std::string("click 370 348\n") + Click_OK);
    int32_t *l = Nchw_Object_Select_Dialog(2,
                                           "St\x84"
                                           "be",
                                           given);
    EXPECT_EQ(List_Numbers(l), (std::vector<int32_t>{10, 20}));

    /* a drag over rows 2 to 4 inverts them */
    ZW_Test_Set_Script(std::string("press 360 362\nmove 380 380\nmove 400 400\nrelease 400 400\n")
                       + Click_OK);
    int32_t *m = Nchw_Object_Select_Dialog(2,
                                           "St\x84"
                                           "be",
                                           l);
    EXPECT_EQ(List_Numbers(m), (std::vector<int32_t>{10, 30, 40}));
    std::free(m);
}

TEST_F(ObjSel, DialogWithoutObjectsSaysSoAndAnswersNull)
{
    ZW_Test_Set_Script("answer yes\n");
    int32_t *given = Make_List({1});
    EXPECT_EQ(Nchw_Object_Select_Dialog(5, "Lager", given), nullptr);
    EXPECT_TRUE(
        Has_Line("MESSAGE [] Es existieren aktuell keine | Nachweisobjekte vom Typ | Lager"));
    EXPECT_EQ(Nchw_Object_Select_Dialog(12, "Lager", given), nullptr);
    /* type 9 lies beyond the nine tables: no objects, nothing read past them */
    EXPECT_EQ(Nchw_Object_Select_Dialog(9, "Lager", given), nullptr);
    Init_Nchw_Object_Table(9, 5);
    Add_Nchw_Object(9, 1, "x");
    EXPECT_EQ(Is_Nchw_Object_Selected(1, 9), 0);
    std::free(given);
}
