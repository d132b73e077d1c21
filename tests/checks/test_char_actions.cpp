/*
** Tests of the six characteristic actions of a splice: their keys and the factors each one
** receives at start-up under both built-in national annexes, with and without the snow flag.
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
        ASSERT_EQ(Char_Action_Key(i, 0, &k), 1);
        EXPECT_EQ(k.family, 2);
        EXPECT_EQ(k.limit_state, 1);
        EXPECT_EQ(k.load_group, -1);
        EXPECT_EQ(k.kind, kind[i]);
        EXPECT_EQ(k.category, cat[i]);
        EXPECT_EQ(k.psi_index, psi[i]);
        EXPECT_EQ(k.flags, 0);
        EXPECT_EQ(k.variant_rec, nullptr);
    }
    Char_Action_Key(3, 1, &k);
    EXPECT_EQ(k.flags, 1);
    Char_Action_Key(4, 1, &k);
    EXPECT_EQ(k.flags, 0);
    EXPECT_EQ(Char_Action_Key(6, 0, &k), 0);
    EXPECT_EQ(Char_Action_Key(-1, 0, &k), 0);
    EXPECT_EQ(Char_Action_Key(0, 0, nullptr), 0);
}

TEST_P(CharActions, EveryActionGetsItsCoefficients)
{
    Set_Active_NAD(GetParam());
    ASSERT_STREQ(Get_Active_NAD_Name(), GetParam());
    const NAD_EC0_Params *e = Get_NAD_EC0_Params();
    Char_Actions a[CHAR_ACTION_COUNT];
    memset(a, 0, sizeof a);
    EXPECT_EQ(Init_Char_Actions(a, 0), 1);

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

    /* Snow above 1000 m: psi0 0.7; the module's altitude setting stays as it was. */
    EXPECT_EQ(Init_Char_Actions(a, 1), 1);
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
    EXPECT_EQ(Init_Char_Actions(a, 0), 1);
    Expect_Action(a[0], 1, 1, 1, 1.4, 1.0);
    Expect_Action(a[4], 2, 1, 0.5, 1.6, 0.0);
    *e = saved;
    Reset_Beiwert_Tables();
}
