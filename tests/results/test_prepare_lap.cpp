/*
** Tests of the preparation of a lap: both halves are cut from the middle member, so the
** spacing rules see half its thickness on both sides, whatever side-member thickness the input
** still holds.
*/
#include "results_test_util.h"

/*
** DIN 1052, approved screws of the second family 4 x 60 mm, not pre-drilled (the milder
** splitting rule), in a lap of a C24 member 8 cm thick (rho_k 350), 3 columns in one row,
** tension. Each half is b / 2 = 40 mm thick, at least 5 d = 20 mm, so the screws take the
** spacings of pre-drilled holes (DIN 1052, Table 10): a1 = (3 + 2 cos 0) d = 20 mm,
** a3,t = (7 + 5 cos 0) d = 48 mm. The lap needs L = (3 - 1) a1 + 2 a3 = 4.0 + 9.6 = 13.6 cm;
** the columns stand at -2.0, 0 and 2.0 cm. (With the input's side thickness of 1 cm the screws
** would take a1 = (5 + 5 cos 0) d = 40 mm and L = 17.6 cm.)
*/
TEST(PrepareLap, SpacingsSeeHalfTheMemberOnBothSides)
{
    Fresh_Splice(false);
    Splice_Input.connection_kind = CONN_LAP;
    Splice_Input.splice_kind = SPLICE_TENSION;
    Splice_Input.vbm_type = 14;
    Splice_Input.d = 4.0;
    Splice_Input.l = 60.0;
    Splice_Input.predrilled = 0;
    Splice_Input.split_rule = 1;
    Splice_Input.mat_side = Splice_Input.mat_mid = 0;
    Splice_Input.grade_side = Splice_Input.grade_mid = 5;
    Splice_Input.t_s = 1.0;
    Splice_Input.b = 8.0;
    Splice_Input.h = Splice_Input.h_s = 20.0;
    Splice_Input.L_user = 0;
    Splice_Input.a1_user = Splice_Input.a3_user = Splice_Input.a4_user = 0;
    Set_Layout(3, 1);
    Set_Lkom(0, 0, 0.0, 5.0, 0.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    EXPECT_NEAR(Splice_Input.L, 13.6, 1e-9);
    ASSERT_EQ(Fastener_Pattern.count, 3);
    double lo = 1e9, hi = -1e9;
    for (int i = 0; i < Fastener_Pattern.count; i++) {
        lo = std::fmin(lo, Fastener_Pattern.recs[i].x);
        hi = std::fmax(hi, Fastener_Pattern.recs[i].x);
    }
    EXPECT_NEAR(lo, -2.0, 1e-9);
    EXPECT_NEAR(hi, 2.0, 1e-9);
}
