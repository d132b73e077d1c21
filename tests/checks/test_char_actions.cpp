/*
** Tests of the six characteristic actions of a splice: their keys and the factors each one
** receives at start-up under both built-in national annexes, with and without the snow flag,
** for each category of the imposed load.
*/
#include <gtest/gtest.h>

#include <cstring>

#include "checks/checks.h"
#include "nad/nad.h"

namespace {

void Expect_Action(const Char_Actions &a, int32_t cat, double pd, double ps, double gs, double gi)
{
    EXPECT_EQ(a.category, cat);
    EXPECT_DOUBLE_EQ(a.psi_dom, pd);
    EXPECT_DOUBLE_EQ(a.psi_sub, ps);
    EXPECT_DOUBLE_EQ(a.gamma_sup, gs);
    EXPECT_DOUBLE_EQ(a.gamma_inf, gi);
}

class CharActions : public ::testing::TestWithParam<const char *> {
  protected:
    void SetUp() override
    {
        Reset_Beiwert_Tables();
        Reset_Nchw_Settings();
    }
    void TearDown() override
    {
        Reset_Beiwert_Tables();
        Reset_Nchw_Settings();
    }
};

} // namespace

TEST(CharActionKeys, SixEurocodeKeys)
{
    Einw_Beiwert_Key k;
    const int32_t kind[6] = {1, 1, 1, 1, 1, 2}, cat[6] = {1, 1, 2, 2, 2, 6},
                  psi[6] = {1, 1, 1, 7, 8, 1};
    for (int i = 0; i < 6; i++) {
        ASSERT_EQ(Char_Action_Key(i, 0, IMPOSED_CAT_AB, &k), 1);
        EXPECT_EQ(k.family, 2);
        EXPECT_EQ(k.limit_state, 1);
        EXPECT_EQ(k.load_group, -1);
        EXPECT_EQ(k.kind, kind[i]);
        EXPECT_EQ(k.category, cat[i]);
        EXPECT_EQ(k.psi_index, psi[i]);
        EXPECT_EQ(k.flags, 0);
        EXPECT_EQ(k.variant_rec, nullptr);
    }
    Char_Action_Key(3, 1, IMPOSED_CAT_AB, &k);
    EXPECT_EQ(k.flags, 1);
    Char_Action_Key(4, 1, IMPOSED_CAT_AB, &k);
    EXPECT_EQ(k.flags, 0);
    EXPECT_EQ(Char_Action_Key(6, 0, IMPOSED_CAT_AB, &k), 0);
    EXPECT_EQ(Char_Action_Key(-1, 0, IMPOSED_CAT_AB, &k), 0);
    EXPECT_EQ(Char_Action_Key(0, 0, IMPOSED_CAT_AB, nullptr), 0);
    /* The imposed load takes the psi index of its category (A, B 1 .. H 6); no other action
    ** reads the category. */
    for (int32_t c = IMPOSED_CAT_AB; c <= IMPOSED_CAT_H; c++) {
        ASSERT_EQ(Char_Action_Key(2, 0, c, &k), 1);
        EXPECT_EQ(k.psi_index, c + 1);
        ASSERT_EQ(Char_Action_Key(3, 0, c, &k), 1);
        EXPECT_EQ(k.psi_index, 7);
    }
    EXPECT_EQ(Char_Action_Key(2, 0, IMPOSED_CAT_COUNT, &k), 0);
    EXPECT_EQ(Char_Action_Key(2, 0, -1, &k), 0);
    EXPECT_EQ(Char_Action_Key(4, 0, -1, &k), 1);
}

TEST_P(CharActions, EveryActionGetsItsCoefficients)
{
    Set_Active_NAD(GetParam());
    ASSERT_STREQ(Get_Active_NAD_Name(), GetParam());
    const NAD_EC0_Params *e = Get_NAD_EC0_Params();
    Char_Actions a[CHAR_ACTION_COUNT];
    memset(a, 0, sizeof a);
    EXPECT_EQ(Init_Char_Actions(a, 0, IMPOSED_CAT_AB), 1);

    /* EN 1990 6.4.3.2: permanent actions gamma_G,sup / gamma_G,inf; variable actions gamma_Q
    ** and psi0 of their category (Table A1.1). */
    const double gG = e->gamma_bld[0][0][0], gGi = e->gamma_bld[0][0][1];
    const double gQ = e->gamma_bld[0][1][0], gQi = e->gamma_bld[0][1][1];
    Expect_Action(a[0], 1, 1, 1, gG, gGi);
    Expect_Action(a[1], 1, 1, 1, gG, gGi);
    Expect_Action(a[2], 2, 1, e->psi_bld[0][0], gQ, gQi);
    Expect_Action(a[3], 2, 1, e->psi_bld[6][0], gQ, gQi);
    Expect_Action(a[4], 2, 1, e->psi_bld[8][0], gQ, gQi);
    Expect_Action(a[5], 6, 1, 1, e->gamma_bld[1][5][0], e->gamma_bld[1][5][0]);

    /* Both built-in annexes carry the recommended values. */
    Expect_Action(a[0], 1, 1, 1, 1.35, 1.0);
    Expect_Action(a[2], 2, 1, 0.7, 1.5, 0.0);
    Expect_Action(a[3], 2, 1, 0.5, 1.5, 0.0);
    Expect_Action(a[4], 2, 1, 0.6, 1.5, 0.0);
    Expect_Action(a[5], 6, 1, 1, 1.0, 1.0);

    /* Beside the earthquake (EN 1990, eq. (6.12b)) the actions take psi_2 of the seismic
    ** situation, the annex's fourth psi column: permanent actions 1, A, B 0.3, snow 0.5 (psi_2
    ** of the persistent situation: 0), wind 0; the earthquake itself none. */
    EXPECT_DOUBLE_EQ(a[0].psi_2E, 1.0);
    EXPECT_DOUBLE_EQ(a[1].psi_2E, 1.0);
    EXPECT_DOUBLE_EQ(a[2].psi_2E, 0.3);
    EXPECT_DOUBLE_EQ(a[3].psi_2E, 0.5);
    EXPECT_DOUBLE_EQ(a[4].psi_2E, 0.0);
    EXPECT_DOUBLE_EQ(a[5].psi_2E, 0.0);

    /* The categories of the imposed load: psi_0 of EN 1990, Table A1.1, and psi_2,E of the
    ** annex (equal to psi_2 of Table A1.1 for A to H). The leading imposed load keeps
    ** psi = 1 and gamma_Q = 1.5 (Table A1.2(B)). */
    const struct {
        int32_t category;
        double psi_0, psi_2E;
    } imposed[IMPOSED_CAT_COUNT] = {
        // clang-format off
        {IMPOSED_CAT_AB, 0.7, 0.3}, /* A domestic, residential; B offices */
        {IMPOSED_CAT_CD, 0.7, 0.6}, /* C congregation areas; D shopping areas */
        {IMPOSED_CAT_E,  1.0, 0.8}, /* E storage areas */
        {IMPOSED_CAT_F,  0.7, 0.6}, /* F traffic areas, vehicle weight <= 30 kN */
        {IMPOSED_CAT_G,  0.7, 0.3}, /* G traffic areas, 30 kN < vehicle weight <= 160 kN */
        {IMPOSED_CAT_H,  0.0, 0.0}, /* H roofs */
        // clang-format on
    };
    for (const auto &row : imposed) {
        SCOPED_TRACE(Imposed_Category_Letters(row.category));
        EXPECT_EQ(Init_Char_Actions(a, 0, row.category), 1);
        Expect_Action(a[2], 2, 1, row.psi_0, 1.5, 0.0);
        EXPECT_DOUBLE_EQ(a[2].psi_2E, row.psi_2E);
        Expect_Action(a[3], 2, 1, 0.5, 1.5, 0.0); /* the other actions as before */
        EXPECT_DOUBLE_EQ(a[3].psi_2E, 0.5);
    }
    /* A category outside the list gives the imposed load no factors at all. */
    EXPECT_EQ(Init_Char_Actions(a, 0, IMPOSED_CAT_COUNT), 0);
    Expect_Action(a[2], 2, 0, 0, 0, 0);
    EXPECT_DOUBLE_EQ(a[2].psi_2E, 0.0);
    Expect_Action(a[4], 2, 1, 0.6, 1.5, 0.0);

    /* Snow above 1000 m: psi0 0.7; the module's altitude setting stays as it was. */
    EXPECT_EQ(Init_Char_Actions(a, 1, IMPOSED_CAT_AB), 1);
    Expect_Action(a[3], 2, 1, e->psi_bld[7][0], gQ, gQi);
    EXPECT_DOUBLE_EQ(a[3].psi_sub, 0.7);
    Expect_Action(a[2], 2, 1, 0.7, 1.5, 0.0);
    EXPECT_EQ(Nchw_Global_Settings.altitude_switch, 0);
    Set_Active_NAD(NAD_NAME_GERMANY);
}

INSTANTIATE_TEST_SUITE_P(BuiltInAnnexes, CharActions,
                         ::testing::Values(NAD_NAME_GERMANY, NAD_NAME_STANDARD));

TEST(CharActionsAnnex, AnnexFactorsReachTheActions)
{
    Reset_Beiwert_Tables();
    Set_Active_NAD(NAD_NAME_GERMANY);
    NAD_EC0_Params *e = Get_NAD_EC0_Params();
    NAD_EC0_Params saved = *e;
    e->gamma_bld[0][0][0] = 1.4; /* gamma_G,sup */
    e->gamma_bld[0][1][0] = 1.6; /* gamma_Q */
    e->psi_bld[8][0] = 0.5;      /* psi0 of wind */
    Char_Actions a[CHAR_ACTION_COUNT];
    memset(a, 0, sizeof a);
    EXPECT_EQ(Init_Char_Actions(a, 0, IMPOSED_CAT_AB), 1);
    Expect_Action(a[0], 1, 1, 1, 1.4, 1.0);
    Expect_Action(a[4], 2, 1, 0.5, 1.6, 0.0);
    *e = saved;
    Reset_Beiwert_Tables();
}
