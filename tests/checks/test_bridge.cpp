/*
** Tests of the bridge coefficients: inline rules by type id, the members on the built-in
** block and on the national annex, the track factor kept out of the block, and outputs left
** alone where no rule answers.
*/
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "checks/bridge_coeff_internal.h"
#include "checks/checks.h"
#include "nad/nad.h"

namespace {

struct Out {
    double v[4];
};

Out Get(int32_t type, int32_t code, const int32_t *rec = nullptr, double pre = 0.0)
{
    Out o;
    for (double &x : o.v) x = pre;
    Get_Nchwtyp_Beiwerte(type, code, rec, &o.v[0], &o.v[1], &o.v[2], &o.v[3]);
    return o;
}

void Expect4(const double *v, double a, double b, double c, double d)
{
    EXPECT_DOUBLE_EQ(v[0], a);
    EXPECT_DOUBLE_EQ(v[1], b);
    EXPECT_DOUBLE_EQ(v[2], c);
    EXPECT_DOUBLE_EQ(v[3], d);
}

class Bridge : public ::testing::Test {
  protected:
    void SetUp() override
    {
        Bridge_Coeff = Bridge_Coeff_Builtin;
        Free_Load_Model();
        Set_Active_NAD(NAD_NAME_GERMANY);
        saved_ec0 = *Get_NAD_EC0_Params();
    }
    void TearDown() override
    {
        Bridge_Coeff = Bridge_Coeff_Builtin;
        Free_Load_Model();
        Bridge_Application_Mode = -1;
        unsetenv("SPLICE_APPLICATION_NUMBER");
        *Get_NAD_EC0_Params() = saved_ec0;
    }
    void Selection(int32_t s) { Bridge_Coeff.selection = s; }
    NAD_EC0_Params saved_ec0;
};

} // namespace

TEST_F(Bridge, TypesWithoutARuleArePlain)
{
    for (int32_t t : {0, -5, 4, 50, 60, 95, 300, 310, 400, 573, 998, 1000})
        for (int32_t code : {101, 110, 127, 5}) Expect4(Get(t, code).v, 1, 1, 1, 0);
}

TEST_F(Bridge, SettlementSuppressedByPossibleSettlement)
{
    Expect4(Get(301, 107).v, 1, 1, 0.4, 0);
    Expect4(Get(301, 108).v, 1, 1, 0.4, 0);
    EXPECT_EQ(Count_Lastfaelle_Of_Ordner_Kind(108), 0);
    Lf_Ordner_Rec *o = New_Lf_Ordner(1, 108, "m\x94gliche St\x81tzensenkung");
    New_Lastfall(1, "LF 1", o);
    EXPECT_EQ(Count_Lastfaelle_Of_Ordner_Kind(108), 1);
    EXPECT_EQ(Count_Lf_Ordner_Of_Kind(108), 1);
    Expect4(Get(301, 107).v, 0, 0, 0, 0);
    Expect4(Get(331, 107).v, 0, 0, 0, 0);
}

TEST_F(Bridge, InlineRules)
{
    Expect4(Get(301, 101).v, 1, 1, 1.75, 1);
    Expect4(Get(317, 116).v, 1, 1, 1.75, 0);
    Expect4(Get(311, 105).v, 1, 1, 0.9, 0.9);
    Expect4(Get(2, 127).v, 1, 1, 1, 1);
    Expect4(Get(321, 101).v, 1, 1, 1, 1);
    Expect4(Get(321, 102).v, 1, 1, 0, 0);
    Expect4(Get(322, 119).v, 0, 1, 0, 0);
    Expect4(Get(323, 107).v, 1, 0, 1, 0);
    Expect4(Get(323, 113).v, 1, 1, 0.5, 0);
    Expect4(Get(324, 110).v, 1, 1, 0, 0);
    Expect4(Get(324, 111).v, 1, 1, 1, 0);
    Expect4(Get(999, 120).v, 1, 1, 0, 0);
    Expect4(Get(999, 100).v, 0, 0, 0, 0); /* outside the codes */
    Expect4(Get(301, 122).v, 0, 0, 0, 0); /* rail loads need selection 2 */
    Selection(2);
    Expect4(Get(301, 122).v, 1, 1, 1.75, 0);
    Expect4(Get(301, 116).v, 0, 0, 0, 0);
    Selection(1);
    Expect4(Get(301, 116).v, 0, 0, 0, 0);
    Expect4(Get(312, 113).v, 0, 0, 0, 0); /* the common guard */
    Expect4(Get(312, 114).v, 1, 1, 0, 0);
    Selection(0);
    Expect4(Get(301, 116).v, 1, 1, 1.75, 0);
}

TEST_F(Bridge, FundamentalFrequentAndQuasiPermanentOnTheBlock)
{
    /* Selection 0, row U 1.35 1.0 1.5 1.0 1.0 1.0 1.5 0 1.35 0 1.5 0. */
    Expect4(Get(331, 102).v, 1, 1, 1.35, 1.0);
    Expect4(Get(331, 110).v, 1, 0.8, 0.6 * 1.35, 0); /* temperature psi 0.8 */
    Expect4(Get(331, 112).v, 1, 0.3, 1.5, 0);
    Expect4(Get(331, 114).v, 1, 0.4, 0.75, 0); /* footway: half of gamma_Q */
    Expect4(Get(331, 118).v, 1, 0.75, 1.5, 0);
    Expect4(Get(331, 119).v, 0, 0, 1.5, 0);
    Expect4(Get(331, 120).v, 0, 0, 1.5, 1.5);
    Expect4(Get(331, 99).v, 0, 0, 1.5, 1.0);
    /* Row S 1.0 1.0 0 0 1.0 0 1.0 0 1.0 0 1.0 0; psi1 and psi2 of selection 0. */
    Expect4(Get(332, 113).v, 0.4, 0.2, 1.0, 0);
    Expect4(Get(337, 111).v, 0.6, 0.5, 0.6, 0);
    Expect4(Get(332, 120).v, 1, 1, 1, 1);
    Expect4(Get(333, 112).v, 0, 0, 1.0, 0);
    Expect4(Get(338, 119).v, 1, 1, 1, 1);
    Expect4(Get(333, 99).v, 1, 1, 1.5, 1.0);
    /* Type 61 by the application mode, which only the bridge applications set. */
    Set_Application_Flag(1);
    EXPECT_EQ(Bridge_Application_Mode, -1);
    setenv("SPLICE_APPLICATION_NUMBER", "114", 1);
    Set_Application_Flag(1);
    Expect4(Get(61, 113).v, 0.4, 0.2, 1.0, 0);
}

TEST_F(Bridge, TrackFactorDoesNotStayInTheBlock)
{
    Selection(2);
    Lf_Ordner_Rec *o = New_Lf_Ordner(7, 122, "alternative Eisenbahnlasttypen");
    New_Lastfall(1, "a", o);
    New_Lastfall(2, "b", o);
    /* Two tracks: psi1 of positions 0 and 6 becomes 0.7 (frequent, UIC71 leading). */
    Expect4(Get(332, 123).v, 0.7, 0.0, 1.0, 0);
    New_Lastfall(3, "c", o);
    New_Lastfall(4, "d", o);
    Expect4(Get(332, 123).v, 0.6, 0.0, 1.0, 0); /* three or more */
    EXPECT_DOUBLE_EQ(Bridge_Coeff.psi[2][1][0], 0.8);
    EXPECT_DOUBLE_EQ(Bridge_Coeff.psi[2][1][6], 0.8);
    Free_Load_Model();
    Expect4(Get(332, 123).v, 0.8, 0.0, 1.0, 0); /* the block's own value again */
}

TEST_F(Bridge, PrestressMembers)
{
    Expect4(Get(353, 105).v, 1, 1, 1.05, 0.95); /* set 0 immediate bond */
    Expect4(Get(353, 106).v, 1, 1, 1.1, 0.9);
    Expect4(Get(380, 106).v, 1, 1, 1, 1); /* set 1 */
    Expect4(Get(355, 119).v, 0, 0, 0, 0);
    Expect4(Get(353, 119).v, 1, 1, 0, 0);
    Expect4(Get(352, 113).v, 0.8, 0.4, 1, 0); /* psi1' / psi1 */
    const int32_t flag[4] = {2, 0, 0, 0};
    Expect4(Get(372, 106, flag).v, 1, 1, 1.1, 0.95);
    Expect4(Get(372, 113, flag).v, 0, 0, 0, 0);
    Expect4(Get(372, 102, flag).v, 0, 0, 0, 0);
    Expect4(Get(372, 112, flag).v, 0.5, 0, 1, 0);
}

TEST_F(Bridge, DynamicFactorOfVehicleLm3)
{
    const int32_t one[4] = {0, 0, 0, 1}, two[4] = {0, 0, 0, 2};
    Expect4(Get(343, 121, one).v, 1, 1, 1.4, 0);
    Expect4(Get(543, 121, two).v, 1, 1, 1.75, 0);
    Expect4(Get(63, 121, two).v, 1, 1, 1.0, 0);
    Expect4(Get(343, 110).v, 0.6, 0.6, 1, 1);
    Selection(1);
    Expect4(Get(343, 101).v, 0, 0, 0, 0);
}

TEST_F(Bridge, DynamicCheckTakesActionsInFullPrestressByItsFactorsAndTemperatureWithPsi1)
{
    /* The block (lane loads): self-weight, settlements and external prestress in full; prestress
    ** before losses with r_sup = r_inf = 1.05, after losses with 1.15, unbonded with r_sup 1.05
    ** and r_inf 0.95; temperature with its psi1 0.6 (position 12 of the block's psi1 row);
    ** UIC71 plain; lane loads (112) take no part. */
    Bridge_Coeff.r_sup_pre = 1.05;
    Bridge_Coeff.r_sup_post = 1.15;
    Bridge_Coeff.r_inf_pre = 0.95;
    Expect4(Get(343, 101).v, 1, 1, 1, 1);
    Expect4(Get(343, 127).v, 1, 1, 1, 1);
    Expect4(Get(343, 105).v, 1, 1, 1.05, 1.05);
    Expect4(Get(343, 106).v, 1, 1, 1.15, 1.15);
    Expect4(Get(343, 126).v, 1, 1, 1.05, 0.95);
    Expect4(Get(343, 111).v, 0.6, 0.6, 1, 1);
    Expect4(Get(343, 123).v, 1, 1, 1, 0);
    Expect4(Get(343, 112).v, 0, 0, 0, 0);

    /* The annex: the same rule with the prestress factors of its EN 1992 block and the psi1 of
    ** temperature of road bridges (position 11), or of railway bridges with rail loads. */
    NAD_EC0_Params *e = Get_NAD_EC0_Params();
    NAD_EC2_Params *c = Get_NAD_EC2_Params();
    const NAD_EC2_Params saved2 = *c;
    c->r_sup_pre = 1.2;
    c->r_sup_post = 1.3;
    c->r_inf_pre = 0.7;
    e->psi_road[11][1] = 0.45;
    Expect4(Get(93, 104).v, 1, 1, 1, 1);
    Expect4(Get(93, 105).v, 1, 1, 1.2, 1.2);
    Expect4(Get(93, 106).v, 1, 1, 1.3, 1.3);
    Expect4(Get(93, 126).v, 1, 1, 1.2, 0.7);
    Expect4(Get(93, 111).v, 0.45, 0.45, 1, 1);
    Expect4(Get(93, 123).v, 1, 1, 1, 0);
    Expect4(Get(93, 112).v, 0, 0, 0, 0);
    e->psi_rail[28][1] = 0.35;
    Selection(2);
    Expect4(Get(93, 110).v, 0.35, 0.35, 1, 1);
    *c = saved2;
}

TEST_F(Bridge, NationalAnnexMembers)
{
    NAD_EC0_Params *e = Get_NAD_EC0_Params();
    /* Bridge partial factors of the persistent situation and the fourth situation. */
    e->gamma_brg[0][0][0] = 1.35;
    e->gamma_brg[0][0][1] = 1.0; /* permanent */
    e->gamma_brg[0][6][0] = 1.45;
    e->gamma_brg[0][6][1] = 0.0; /* road traffic */
    e->gamma_brg[0][12][0] = 1.5;
    e->gamma_brg[0][12][1] = 0.0; /* temperature */
    e->gamma_brg[3][6][0] = 1.2;
    e->gamma_brg[3][6][1] = 0.1; /* road traffic, SLS */
    e->gamma_brg[3][1][0] = 1.0;
    e->gamma_brg[3][1][1] = 1.0; /* prestress, SLS */
    e->psi_road[1][0] = 0.4;
    e->psi_road[1][1] = 0.45;
    e->psi_road[1][2] = 0.05;
    e->psi_road[11][0] = 0.6;
    e->psi_rail[0][1] = 0.8;
    e->psi_rail[0][2] = 0.0;
    e->track_factors[0] = 0.8;
    e->track_factors[1] = 0.7;
    e->track_factors[2] = 0.6;

    Expect4(Get(531, 101).v, 1, 1, 1.35, 1.0);
    Expect4(Get(531, 113).v, 1, 0.4, 1.45, 0);
    Expect4(Get(536, 110).v, 1, 0.6, 0.6 * 1.5, 0);
    /* Quasi-permanent variant: psi2 of the lane, variant 2 takes 0.3 keeping the gammas. */
    const int32_t v1[4] = {1, 0, 0, 0}, v5[4] = {5, 0, 0, 0};
    Expect4(Get(562, 113).v, 0.05, 0.05, 1.2, 0.1);
    Expect4(Get(571, 113, v1).v, 0.3, 0.3, 1.2, 0.1);
    /* Type 571 with variant 5 leaves the caller's values. */
    Expect4(Get(571, 113, v5, 7.0).v, 7, 7, 7, 7);
    Get_Nchwtyp_Beiwerte(571, 113, v5, nullptr, nullptr, nullptr, nullptr);
    /* Rail positions lead with the factor of the loaded tracks. */
    Selection(2);
    Lf_Ordner_Rec *o = New_Lf_Ordner(7, 122, "alternative Eisenbahnlasttypen");
    New_Lastfall(1, "a", o);
    New_Lastfall(2, "b", o);
    Expect4(Get(551, 123).v, 0.7, 0.0, e->gamma_brg[3][8][0], e->gamma_brg[3][8][1]);
    /* The prestress of the annex's EN 1992 block. */
    const NAD_EC2_Params *c = Get_NAD_EC2_Params();
    Expect4(Get(550, 105).v, 1, 1, 1.0 * c->r_sup_pre, 1.0 * c->r_inf_pre);
    Expect4(Get(561, 105).v, 1, 1, 1.0, 1.0);
}

TEST_F(Bridge, AlternativeLoadGroups)
{
    for (int32_t c = 100; c <= 128; c++) {
        bool alt = c == 110 || c == 111 || c == 115 || c == 118 || c == 119 || c == 120 || c == 121;
        EXPECT_EQ(Is_Lastgruppe_Alternativ(c), alt ? 1 : 0) << c;
    }
    EXPECT_EQ(Get_Lastgruppe_Variant(119), 2);
    EXPECT_EQ(Get_Lastgruppe_Variant(120), 1);
    EXPECT_EQ(Get_Lastgruppe_Variant(121), 0);
}

TEST_F(Bridge, InfrequentAndEn1992MembersOnTheBlock)
{
    /* Selection 0: psi1' 0.8 0.8 0.8 0 0.8 .. 0.6 0.8; psi1 0.75 0.4 0.75 .. 0.5 0.6. */
    Expect4(Get(360, 110).v, 0.8, 0.6, 0, 0);
    Expect4(Get(360, 112).v, 0.6, 0.5, 1, 0);
    Expect4(Get(360, 113).v, 0.8, 0.4, 0, 0);
    Expect4(Get(360, 118).v, 0.8, 0.75, 0, 0);
    Expect4(Get(360, 101).v, 1, 1, 1, 1);
    Expect4(Get(360, 105).v, 1, 1, 1, 1);
    Expect4(Get(360, 107).v, 1, 1, 1, 0);
    Expect4(Get(360, 119).v, 1, 1, 0, 0);
    Expect4(Get(360, 102).v, 0, 0, 0, 0);
    /* Frequent (crack widths): footway half of gamma, temperature psi1 twice. */
    Expect4(Get(342, 114).v, 0.4, 0.2, 0.5, 0);
    Expect4(Get(342, 110).v, 0.6, 0.6, 1, 1);
    Expect4(Get(342, 105).v, 1, 1, 1.05, 1.05);
    Expect4(Get(342, 126).v, 1, 1, 1.05, 0.95);
    Expect4(Get(342, 101).v, 1, 1, 1, 1);
    Expect4(Get(342, 108).v, 0, 0, 0, 0);
    /* Quasi-permanent: psi2 twice. */
    Expect4(Get(364, 112).v, 0, 0, 1, 0);
    Expect4(Get(364, 110).v, 0.5, 0.5, 1, 0);
    Expect4(Get(364, 105).v, 1, 1, 1, 1);
    Expect4(Get(364, 101).v, 0, 0, 0, 0);
    Expect4(Get(364, 127).v, 1, 1, 1, 1);
    /* Characteristic: psi0 accompanying, temperature with the default psi. */
    Expect4(Get(350, 113).v, 1, 0.4, 1, 0);
    Expect4(Get(351, 110).v, 1, 0, 1, 0);
    Expect4(Get(350, 109).v, 1, 1, 0, 0);
    Expect4(Get(350, 106).v, 1, 1, 1.1, 0.9);
    Selection(1);
    Expect4(Get(342, 112).v, 0, 0, 0, 0);
}

TEST_F(Bridge, NationalAnnexTwinsAndEn1992Members)
{
    NAD_EC0_Params *e = Get_NAD_EC0_Params();
    NAD_EC2_Params *c = Get_NAD_EC2_Params();
    const NAD_EC2_Params saved2 = *c;
    e->gamma_brg[1][0][0] = 1.1;
    e->gamma_brg[1][0][1] = 0.9; /* permanent, situation 2 */
    e->gamma_brg[1][6][0] = 1.2;
    e->gamma_brg[1][6][1] = 0.0; /* road, situation 2 */
    e->gamma_brg[2][13][0] = 0.7;
    e->gamma_brg[2][13][1] = 0.6; /* type 14, situation 3 */
    e->gamma_brg[3][1][0] = 1.3;
    e->gamma_brg[3][1][1] = 0.8; /* prestress, situation 4 */
    e->gamma_brg[3][4][0] = 1.25;
    e->gamma_brg[3][4][1] = 0.5; /* settlement, situation 4 */
    e->psi_road[1][0] = 0.4;
    e->psi_road[1][1] = 0.45;
    e->psi_road[1][2] = 0.05;
    e->psi_road[2][1] = 0.35;
    e->psi_road[2][2] = 0.15;
    e->psi_road[11][1] = 0.55;

    Expect4(Get(532, 101).v, 1, 1, 1.1, 0.9);
    Expect4(Get(537, 113).v, 0.45, 0.05, 1.2, 0);
    Expect4(Get(533, 120).v, 0, 0, 0.7, 0.6);
    Expect4(Get(538, 119).v, 1, 1, e->gamma_brg[2][14][0], e->gamma_brg[2][14][1]);
    /* Characteristic: settlement without the factor 0.4. */
    Expect4(Get(550, 107).v, 1, 1, 1.25, 0.5);
    /* The quasi-permanent EN 1992 member: prestress of the annex, subsequent bond PSI. */
    Expect4(Get(564, 105).v, 1, 1, 1.3, 1.3);
    Expect4(Get(564, 126).v, 1, 1, 1.3, 0.8);
    Expect4(Get(564, 106).v, 1, 1, 0, 0);
    Expect4(Get(564, 101).v, 0, 0, 0, 0);
    Expect4(Get(564, 99).v, 1, 1, 1, 1);
    /* Frequent EN 1992 member: lanes with gamma 0.15 unless the EN 1992 switch is set. */
    c->variant = 0;
    Expect4(Get(542, 113).v, 0.45, 0.05, 0.15, 0);
    Expect4(Get(542, 114).v, 0.35, 0.15, 0.5, 0);
    Expect4(Get(542, 110).v, 0.55, 0.55, 1, 1);
    c->variant = 1;
    Expect4(Get(542, 113).v, 0.45, 0.05, 1.0, 0);
    Expect4(Get(542, 104).v, 1, 1, 1, 1);
    /* Dynamic member on the annex. */
    Expect4(Get(93, 110).v, 0.55, 0.55, 1, 1);
    const int32_t two[4] = {0, 0, 0, 2};
    Expect4(Get(93, 121, two).v, 1, 1, 1.0, 0);
    *c = saved2;
}

TEST_F(Bridge, QuasiPermanentVariantsOnTheAnnex)
{
    NAD_EC0_Params *e = Get_NAD_EC0_Params();
    e->gamma_brg[3][0][0] = 1.0;
    e->gamma_brg[3][0][1] = 1.0;
    e->gamma_brg[3][6][0] = 1.2;
    e->gamma_brg[3][6][1] = 0.1;
    e->gamma_brg[3][12][0] = 0.9;
    e->gamma_brg[3][12][1] = 0.0;
    e->psi_road[1][2] = 0.05;
    e->psi_road[11][2] = 0.5;
    const int32_t v1[4] = {1, 0, 0, 0}, v2[4] = {2, 0, 0, 0}, v3[4] = {3, 0, 0, 0};
    /* 571 variant 2 is the variant rule 1: self-weight and traffic drop out. */
    Expect4(Get(571, 101, v2).v, 0, 0, 0, 0);
    Expect4(Get(571, 113, v2).v, 0, 0, 0, 0);
    Expect4(Get(571, 110, v2).v, 0.5, 0.5, 0.9, 0);
    /* 572 variant 1 outside rail bridges: the base values. */
    Expect4(Get(572, 101, v1).v, 1, 1, 1.0, 1.0);
    /* 572 variant 2: the variant rule 3, psi 0.5 for the lanes and for lanes of other
    ** selections the gammas of the base (0 where the base is NONE). */
    Expect4(Get(572, 113, v2).v, 0.5, 0.5, 1.2, 0.1);
    Expect4(Get(572, 116, v2).v, 0.5, 0.5, 1.2, 0.1);
    Selection(1);
    Expect4(Get(572, 116, v2).v, 0.5, 0.5, 0, 0);
    /* 572 variant 3: the variant rule 1. */
    e->psi_foot[4][2] = 0.45; /* footbridges: temperature */
    Expect4(Get(572, 110, v3).v, 0.45, 0.45, 0.9, 0);
    Expect4(Get(572, 101, v3).v, 0, 0, 0, 0);
    Selection(0);
    /* 571 variant 1 is the variant rule 2: settlement and temperature drop out. */
    Expect4(Get(571, 110, v1).v, 0, 0, 0, 0);
    Selection(2);
    Expect4(Get(571, 123, v1).v, 0.2, 0.2, e->gamma_brg[3][8][0], e->gamma_brg[3][8][1]);
}

TEST_F(Bridge, OnlyGivenOutputsAreWritten)
{
    double gs = 0;
    Get_Nchwtyp_Beiwerte(301, 101, nullptr, nullptr, nullptr, &gs, nullptr);
    EXPECT_DOUBLE_EQ(gs, 1.75);
    Einw_Beiwert_Key k = {301, 1, 16, 0, 1, 2, 1, 104, 0, nullptr};
    double pd = 0;
    EXPECT_EQ(Lookup_Einwirkung_Beiwerte(&k, &pd, nullptr, nullptr, nullptr), 1);
    EXPECT_DOUBLE_EQ(pd, 1.0);
    /* 571 with an unknown variant answers nothing: through the lookup all four stay 0 and the
    ** lookup fails. */
    const int32_t v5[4] = {5, 0, 0, 0};
    k = {571, 1, 32, 0, 1, 2, 1, 113, 0, v5};
    double v[4] = {3, 3, 3, 3};
    EXPECT_EQ(Lookup_Einwirkung_Beiwerte(&k, &v[0], &v[1], &v[2], &v[3]), 0);
    Expect4(v, 0, 0, 0, 0);
}
