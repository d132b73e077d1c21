/*
** Concrete and steel parameter blocks: the rows with their display factors, the automatic
** modulus, the grade choices with inline blocks, density rows and links, and the parameter
** dialogs opened by a link (cancel restores the record, confirm keeps it).
*/
#include "../dialogs/dialogs_fixture.h"

#include <cmath>
#include <cstring>
#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/concrete_input.h"

class Blocks : public DialogsTest {
  protected:
    int area = -1;
    void SetUp() override
    {
        DialogsTest::SetUp();
        area = SVA_Create(10, 40, 810, 640, 0, 0);
        Wdg_Select_Area(area);
        Wdg_Block_Activity = {1, 1, 1, 1};
        Wdg_Concrete_Link = {1, 0};
        Wdg_Steel_Link = {1, 0};
        Set_Grade_Dialog_Switch(0);
    }
    void TearDown() override
    {
        Wdg_Release_Level(0);
        Set_Grade_Dialog_Switch(0);
        DialogsTest::TearDown();
    }
    /* The first item of a kind bound to a double, or with a text. */
    SVA_Item *Field_Of(const double *v)
    {
        for (SVA_Item *it = SVA_Get(area)->first; it; it = it->next)
            if (it->kind == SVA_FLOAT_FIELD && it->value == v) return it;
        return nullptr;
    }
    SVA_Item *Item_With_Text(int kind, const char *text)
    {
        for (SVA_Item *it = SVA_Get(area)->first; it; it = it->next)
            if (it->kind == kind && it->text && strcmp(it->text, text) == 0) return it;
        return nullptr;
    }
};

TEST_F(Blocks, ConcreteBlockShowsTheRecordInItsUnits)
{
    Concrete_Grade c;
    memset(&c, 0, sizeof c);
    Set_Concrete_Grade(&c, 3, 0, 2200.0);
    EXPECT_EQ(Wdg_Concrete_Block(area, 20, 0, &c), 183);
    /* MN/m2 and per mille while the fields are shown */
    EXPECT_DOUBLE_EQ(c.fck, 25.0);
    EXPECT_DOUBLE_EQ(c.eps_c2, 2.0);
    EXPECT_DOUBLE_EQ(c.eps_c2u, 3.5);
    EXPECT_DOUBLE_EQ(c.alpha, 0.85);
    /* the automatic modulus: 0.001 * (0.8 + 33/440) * 9.5e6 * 33^(1/3) */
    EXPECT_NEAR(c.E, 26662.629, 1e-3);
    SVA_Item *e = Field_Of(&c.E);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->y1, 207);
    SVA_Item *fck = Field_Of(&c.fck);
    ASSERT_NE(fck, nullptr);
    EXPECT_EQ(fck->y1, 103);
    SVA_Item *rho = Field_Of(&c.density);
    ASSERT_NE(rho, nullptr);
    EXPECT_EQ(rho->y1, 57);
    EXPECT_NE(Item_With_Text(SVA_TEXT, "Rohdichte"), nullptr);
    EXPECT_NE(Item_With_Text(SVA_TEXT, "kg/m\xFA"), nullptr);
    EXPECT_NE(Item_With_Text(SVA_TEXT, "MN/m\xFD"), nullptr);
    EXPECT_NE(Item_With_Text(SVA_TEXT, "\x89"), nullptr);
    EXPECT_NE(Item_With_Text(SVA_CHECK_BOX, "E-Modul automatisch ermitteln"), nullptr);
    SVA_Item *pic = Item_With_Text(SVA_BITMAP, "tools\\bemop_fcd.bmp");
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(pic->x1, 220);
    EXPECT_EQ(pic->y1, 0);
    EXPECT_EQ(pic->x2, 440);
    EXPECT_EQ(pic->y2, 192);
    /* the commit divides back to kN/m2 */
    EXPECT_EQ(Wdg_Commit_Fields(0), 0);
    EXPECT_DOUBLE_EQ(c.fck, 25000.0);
    EXPECT_DOUBLE_EQ(c.eps_c2, -0.002);
    EXPECT_NEAR(c.E, 26662629.1, 0.5);
}

TEST_F(Blocks, ModulusEnteredByHandStays)
{
    Concrete_Grade c;
    memset(&c, 0, sizeof c);
    Set_Concrete_Grade(&c, 3, 0, 2200.0);
    c.auto_modulus = 0;
    c.E = 30000000.0;
    Wdg_Concrete_Block(area, 20, 0, &c);
    EXPECT_DOUBLE_EQ(c.E, 30000.0);
    Wdg_Commit_Fields(0);
    EXPECT_DOUBLE_EQ(c.E, 30000000.0);
}

TEST_F(Blocks, SteelBlock)
{
    Rebar_Grade r;
    Set_Rebar_Grade(&r, 0);
    EXPECT_EQ(Wdg_Steel_Block(area, 20, 20, &r), 107);
    EXPECT_DOUBLE_EQ(r.fyk, 500.0);
    EXPECT_DOUBLE_EQ(r.ftk, 525.0);
    EXPECT_DOUBLE_EQ(r.eps_uk, 25.0);
    EXPECT_DOUBLE_EQ(r.Es, 200000.0);
    SVA_Item *es = Field_Of(&r.Es);
    ASSERT_NE(es, nullptr);
    EXPECT_EQ(es->y1, 20 + 92);
    SVA_Item *pic = Item_With_Text(SVA_BITMAP, "tools\\bemop_fyk.bmp");
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(pic->x1, 240);
    EXPECT_EQ(pic->y2, 161);
    Wdg_Commit_Fields(0);
    EXPECT_DOUBLE_EQ(r.eps_uk, 0.025);
}

TEST_F(Blocks, ConcreteChoiceByEntry)
{
    Grade_Choice_List *l = Build_Concrete_Grade_List(1, 1 | 2 | 4);
    ASSERT_NE(l, nullptr);
    Concrete_Grade c;
    memset(&c, 0, sizeof c);
    Set_Concrete_Grade(&c, 3, 0, 2200.0);
    int index = 9; /* C25/30 */
    EXPECT_EQ(Wdg_Concrete_Choice(area, 100, 50, &c, l, &index), 0);
    index = 22; /* LC12/13 asks for a density */
    SVA_Clear(area);
    EXPECT_EQ(Wdg_Concrete_Choice(area, 100, 50, &c, l, &index), 23);
    SVA_Item *rho = Field_Of(&c.density);
    ASSERT_NE(rho, nullptr);
    EXPECT_EQ(rho->y1, 73);
    /* the value after fck with the list's flag */
    l->show_alpha = 1;
    SVA_Clear(area);
    EXPECT_EQ(Wdg_Concrete_Choice(area, 100, 50, &c, l, &index), 46);
    SVA_Item *al = Field_Of(&c.alpha);
    ASSERT_NE(al, nullptr);
    EXPECT_EQ(al->y1, 96);
    /* a separator is not chosen: the index moves to the entry before it */
    index = 21;
    SVA_Clear(area);
    Wdg_Concrete_Choice(area, 100, 50, &c, l, &index);
    EXPECT_EQ(index, 20);
    /* "frei": the block inline, or a link with the dialog switch */
    index = 34;
    SVA_Clear(area);
    EXPECT_EQ(Wdg_Concrete_Choice(area, 100, 50, &c, l, &index), 183);
    SVA_Item *e = Field_Of(&c.E);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->y1, 50 - 34 + 207);
    Wdg_Commit_Fields(0);
    Set_Grade_Dialog_Switch(1);
    SVA_Clear(area);
    EXPECT_EQ(Wdg_Concrete_Choice(area, 100, 50, &c, l, &index), 23);
    EXPECT_NE(Item_With_Text(SVA_TEXT, "-> Betonparameter definieren"), nullptr);
    bool hotspot = false;
    for (SVA_Item *it = SVA_Get(area)->first; it; it = it->next)
        if (it->kind == SVA_HOTSPOT && it->aux3 == &Wdg_Concrete_Link.variable
            && it->item_value == 1)
            hotspot = true;
    EXPECT_TRUE(hotspot);
    EXPECT_EQ(Wdg_Concrete_Choice(area, 100, 50, &c, nullptr, &index), 0);
    Free_Grade_List(l);
}

TEST_F(Blocks, LabelledChoiceAndSteelChoice)
{
    Grade_Choice_List *l = Build_Concrete_Grade_List(0, 0);
    Concrete_Grade c;
    Set_Concrete_Grade(&c, 3, 0, 2200.0);
    int index = 3;
    EXPECT_EQ(Wdg_Concrete_Choice_Labelled(area, 20, 50, &c, l, &index), 0);
    SVA_Item *label = Item_With_Text(SVA_TEXT, "Betong\x81te");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->x1, 20);
    Free_Grade_List(l);

    l = Build_Rebar_Grade_List(1);
    Rebar_Grade r;
    Set_Rebar_Grade(&r, 0);
    index = 4;
    SVA_Clear(area);
    EXPECT_EQ(Wdg_Steel_Choice(area, 20, 50, &r, l, &index), 0);
    EXPECT_NE(Item_With_Text(SVA_TEXT, "Stahlg\x81te"), nullptr);
    index = 7; /* "frei" */
    SVA_Clear(area);
    EXPECT_EQ(Wdg_Steel_Choice(area, 20, 50, &r, l, &index), 107);
    EXPECT_DOUBLE_EQ(r.fyk, 500.0);
    Wdg_Commit_Fields(0);
    Set_Grade_Dialog_Switch(1);
    SVA_Clear(area);
    EXPECT_EQ(Wdg_Steel_Choice(area, 20, 50, &r, l, &index), 23);
    SVA_Item *link = Item_With_Text(SVA_TEXT, "-> Stahlparameter definieren");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->x1, 20);
    EXPECT_EQ(link->y1, 73);
    Free_Grade_List(l);
}

TEST_F(Blocks, LinkOpensTheConcreteDialogAndCancelRestores)
{
    Grade_Choice_List *l = Build_Concrete_Grade_List(1, 1 | 4);
    Concrete_Grade c;
    memset(&c, 0, sizeof c);
    Set_Concrete_Grade(&c, 5, 0, 2200.0);
    const Concrete_Grade before = c;
    Set_Grade_Dialog_Switch(1);
    int index = 22; /* "frei" */
    Wdg_Concrete_Link.variable = Wdg_Concrete_Link.value;
    ZW_Test_Set_Script("key Esc\n");
    EXPECT_EQ(Wdg_Concrete_Choice(area, 100, 50, &c, l, &index), 23);
    EXPECT_EQ(Wdg_Concrete_Link.variable, 0);
    EXPECT_GE(Log_Count("Freie Definition des Betons"), 1) << Log_All();
    EXPECT_EQ(memcmp(&c, &before, sizeof c), 0);
    EXPECT_EQ(Concrete_Dialog_Record(), nullptr);
    Free_Grade_List(l);
}

TEST_F(Blocks, FreeDefinitionDialogs)
{
    /* an empty record starts as C25/30; Enter confirms it */
    Concrete_Grade c;
    memset(&c, 0, sizeof c);
    ZW_Test_Set_Script("key Enter\n");
    EXPECT_EQ(Edit_Concrete_Free(&c), 1);
    EXPECT_STREQ(c.name, "C25/30");
    EXPECT_DOUBLE_EQ(c.fck, 25000.0);
    EXPECT_NEAR(c.E, 26662629.1, 0.5);
    EXPECT_GE(Log_Count("Rohdichte"), 1) << Log_All();
    /* an earlier free definition is kept */
    c.fck = 33000.0;
    ZW_Test_Set_Script("key Esc\n");
    EXPECT_EQ(Edit_Concrete_Free(&c), 0);
    EXPECT_DOUBLE_EQ(c.fck, 33000.0);

    Rebar_Grade r;
    memset(&r, 0, sizeof r);
    ZW_Test_Set_Script("key Enter\n");
    EXPECT_EQ(Edit_Rebar_Free(&r), 1);
    EXPECT_STREQ(r.name, "BSt 500 (A)");
    EXPECT_DOUBLE_EQ(r.eps_uk, 0.025);
    EXPECT_GE(Log_Count("Freie Definition des Stahls"), 1) << Log_All();
    EXPECT_EQ(Edit_Rebar_Free(nullptr), 0);
}

TEST_F(Blocks, PagesWithoutRecordDrawNothing)
{
    Wdg_Concrete_Page(area);
    Wdg_Steel_Page(area);
    EXPECT_EQ(Item_Count(area), 0);
}

TEST_F(Blocks, DefaultsOfTheOldGradesSayWhy)
{
    Old_Concrete_Grade c;
    EXPECT_EQ(Set_Default_Concrete(&c), 1);
    EXPECT_EQ(Log_Count("PRINT Freie Betondef. für DIN 1045 (7.88) nicht möglich!"), 1)
        << Log_All();
    EXPECT_GE(Log_Count("Initialisierung mit B25."), 1) << Log_All();
    Old_Rebar_Grade r;
    EXPECT_EQ(Set_Default_Rebar(&r), 1);
    EXPECT_EQ(Log_Count("PRINT Freie Stahldef. für DIN 1045 (7.88) nicht möglich!"), 1)
        << Log_All();
    EXPECT_GE(Log_Count("Initialisierung mit BSt 500 S."), 1) << Log_All();
}
