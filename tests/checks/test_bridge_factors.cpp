/*
** Tests of the bridge load-case factors (factor a, factor b shared among main lanes) and of the
** explanatory text under the factor list.
*/
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/checks.h"
#include "dialogs/sva.h"

namespace {

class BridgeFactors : public ::testing::Test {
  protected:
    void SetUp() override { Clear(); }
    void TearDown() override { Clear(); }
    static void Clear()
    {
        Free_Load_Model();
        Free_All_Nachweise();
        Nchw_Lf_Table_Init(0);
        Nchw_Group_Table_Init(0);
        Nchw_Einw_Table_Init(0);
        Bridge_Group_Factors_Set = 0;
        Lf_Factor_Source_Switch = 0;
        for (int i = 0; i < BRIDGE_GROUP_FACTORS; i++)
            Bridge_Group_Factor_A[i] = Bridge_Group_Factor_B[i] = 0;
    }
    static void Factors()
    {
        std::vector<double> a(40), b(40);
        for (int i = 0; i < 40; i++) {
            a[i] = 1.0 + i;
            b[i] = 0.5 * (i + 1);
        }
        a[11] = 0.0; /* group 112 (wind): product 0 */
        Set_Lastgruppen_Faktoren(40, a.data(), b.data());
    }
};

} // namespace

TEST_F(BridgeFactors, NothingBeforeTheTablesAreSet)
{
    New_Einwirkung(1, "V", 2, 0, 3);
    New_Lastfall(1, "a", New_Lf_Ordner(1, 117, "U"));
    EXPECT_EQ(Build_Lastfall_Faktoren(), nullptr);
    EXPECT_EQ(Nchw_Lf_Table_Count(), 0); /* the tables were not touched */
    Factors();
    EXPECT_EQ(Lf_Factor_Source_Switch, 1);
    EXPECT_DOUBLE_EQ(Bridge_Group_Factor_A[29], 30.0); /* 30 of the 40 values */
    EXPECT_DOUBLE_EQ(Bridge_Group_Factor_B[29], 15.0);
}

TEST_F(BridgeFactors, MainLaneOverloadIsShared)
{
    New_Einwirkung(1, "V", 2, 0, 3);
    for (int i = 0; i < 3; i++) New_Lf_Ordner(10 + i, 116, "Hauptspur");
    Lf_Ordner_Rec *over = New_Lf_Ordner(20, 117, "Ueberlast");
    Lf_Ordner_Rec *wind = New_Lf_Ordner(21, 112, "Wind");
    New_Lastfall(1, "UDL", over);
    New_Lastfall(2, "W", wind);
    New_Lastfall(3, "frei", nullptr);
    Factors();
    Lf_Factor_List *l = Build_Lastfall_Faktoren();
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->mode, 1);
    ASSERT_EQ(l->count, 1); /* wind has product 0, load case 3 no group */
    EXPECT_EQ(l->entries[0].number, 1);
    EXPECT_DOUBLE_EQ(l->entries[0].a, 17.0);    /* A[16] */
    EXPECT_DOUBLE_EQ(l->entries[0].b, 8.5 / 3); /* B[16] / 3 main lanes */
    EXPECT_DOUBLE_EQ(l->entries[0].product, 17.0 * 8.5 / 3);
    EXPECT_EQ(Nchw_Lf_Table.rows[1].active, 0);
    Free_Lf_Factor_List(l);
    Free_Load_Model();
    New_Einwirkung(1, "V", 2, 0, 3);
    New_Lastfall(1, "UDL", New_Lf_Ordner(20, 117, "Ueberlast"));
    l = Build_Lastfall_Faktoren();
    ASSERT_NE(l, nullptr);
    ASSERT_EQ(l->count, 1);
    EXPECT_DOUBLE_EQ(l->entries[0].b, 8.5); /* no main lane: B[16] */
    Free_Lf_Factor_List(l);
}

TEST_F(BridgeFactors, ExplanatoryText)
{
    int area = SVA_Create(0, 0, 400, 200, 0, 1);
    ASSERT_GE(area, 0);
    Nchw_Type_Rec t331{}, t531{};
    t331.ints0_3[0] = 331;
    t531.ints0_3[0] = 531;
    Nchw_Rec *c = New_Nachweis();
    c->type = &t331;
    c->flags = 1;
    int y = 10;
    Build_Brueckenlast_Hinweis(area, &y);
    EXPECT_EQ(y, 65);
    std::vector<std::string> lines;
    for (SVA_Item *i = SVA_Get(area)->first; i; i = i->next) lines.push_back(i->text);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0],
              "Gem\x84\xE1 Stellungnahme Nr. 102.021.150104 des BAST sind die Verkehrslasten");
    EXPECT_EQ(lines[4], "der Hauptspur\x81"
                        "berlasten durch die Anzahl der alternativen Spuren dividiert.");
    Nchw_Rec *d = New_Nachweis();
    d->type = &t531;
    d->flags = 1;
    SVA_Clear(area);
    y = 0;
    Build_Brueckenlast_Hinweis(area, &y);
    EXPECT_EQ(y, 22);
    SVA_Delete(area);
}
