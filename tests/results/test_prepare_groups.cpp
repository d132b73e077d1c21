/*
** Tests of the grouped layout of the preparation: each half holds two groups of columns,
** mirrored about the middle of the half, with the nail rule on the spacing inside a group.
*/
#include "results_test_util.h"

#include <set>

/* Nails 4.2 x 110 mm in side timbers 6 cm on a 12 cm middle member (C24), tension, L = 160 cm,
** four columns in two groups per half. Inside a group the nails stand at most 40 d = 16.8 cm
** apart along the grain: the user's a1 = 18 cm is refused with its numbers, where it was laid at
** 16.8 cm, and in one group with the length left to the program too, not as a side timber too
** long. At a1 = 16.8 cm the first group takes x = a3,t = 15 d = 6.3 cm and 6.3 + 16.8 = 23.1 cm;
** the second is its mirror about the middle of the half, (6.3 + 73.7) / 2 = 40 cm: 56.9 and
** 73.7 cm (x_end = 80 - 6.3). */
TEST(PrepareGroups, NailsOfAGroupStandAtMost40dApart)
{
    Side_Timber_Nail_Splice();
    Splice_Input.splice_kind = SPLICE_TENSION;
    Set_Lkom(0, 0, 0.0, 5.0, 0.0);
    Splice_Input.mat_side = Splice_Input.mat_mid = 0;
    Splice_Input.grade_side = Splice_Input.grade_mid = 5;
    Splice_Input.t_s_user = 1;
    Splice_Input.h = Splice_Input.h_s = 12.0;
    Splice_Input.L_user = 1;
    Splice_Input.L = 160.0;
    Splice_Input.a1_user = 1;
    Splice_Input.a1 = 18.0;
    for (int grouped : {0, 1}) {
        Splice_Input.L_user = grouped;
        Splice_Input.L = 160.0;
        Set_Layout(4, 1, LAYOUT_REGULAR, grouped);
        ASSERT_EQ(Prepare_Splice_Calc(), DERR_SPACING_TOO_LONG);
        EXPECT_STREQ(Get_Refusal_Text(DERR_SPACING_TOO_LONG),
                     "Nagelabst\x84nde zu gro\xe1: a1 = 18.00 cm > h\x94"
                     "chstens 40 d = 40 x 0.42 = 16.80 cm");
    }
    Splice_Input.a1 = 16.8;
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    std::set<long> xs;
    for (int i = 0; i < Fastener_Pattern.count; i++)
        xs.insert(std::lround(Fastener_Pattern.recs[i].x * 100.0));
    EXPECT_EQ(xs, (std::set<long>{630, 2310, 5690, 7370}));
    /* both groups numbered away from the joint: 1 and 2 at 6.3 and 23.1, 3 and 4 at 56.9 and
    ** 73.7 cm (the mirror numbered 3 at 73.7 before) */
    ASSERT_EQ(Fastener_Pattern.count, 4);
    const long in_order[4] = {630, 2310, 5690, 7370};
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(std::lround(Fastener_Pattern.recs[i].x * 100.0), in_order[i]) << i;
}

/* ---------------------------------------------------------------- plates */

/* Two inner plates 20 cm high in a member 24 cm high, dowels 12 mm (holes d0 = 13 mm),
** tension. The rows keep a4 = a4,c = 3 d = 3.6 cm from the timber's edge (EN 1995-1-1,
** Table 8.5), 2 cm of it outside the plate: 1.6 cm from the plate's edge, above the least
** 1.2 d0 = 1.56 cm. So the outer rows lie 1.6 cm inside the plate, e2 = 1.6 cm, whether the
** three rows of three columns stand in line or staggered. The user's a4 = 3.24 cm from the
** timber's edge is refused, where the rows were laid 3.56 cm from it without a word. */
TEST(PrepareGroups, EdgeDistanceInsideInnerPlates)
{
    for (int layout : {LAYOUT_REGULAR, LAYOUT_STAGGERED}) {
        Inner_Plate_Dowel_Splice();
        Tension_Splice(20.0);
        Set_Layout(3, 3, layout);
        ASSERT_EQ(Prepare_Splice_Calc(), 0) << layout;
        EXPECT_NEAR(Splice_Input.e2, 1.6, 1e-9) << layout;
    }
    Splice_Input.a4_user = 1;
    Splice_Input.a4 = 3.24;
    ASSERT_EQ(Prepare_Splice_Calc(), DERR_EDGE_DISTANCE_A4);
    EXPECT_STREQ(Get_Refusal_Text(DERR_EDGE_DISTANCE_A4),
                 "Oberer/Unterer Mindestrandabstand (a4c, a4t) unterschritten: a4 = 3.24 cm < "
                 "erforderlich a4,c = 3.60 cm");
}

/* The user's plate end distance may be the least one, 1.2 d0 = 1.2 * 1.3 cm, but no less. */
TEST(PrepareGroups, UsersPlateEndDistanceAtItsLeast)
{
    for (double e1 : {1.2 * (1.2 + 0.1), 1.55}) {
        Inner_Plate_Dowel_Splice();
        Tension_Splice(20.0);
        Splice_Input.e1_user = 1;
        Splice_Input.e1 = e1;
        EXPECT_EQ(Prepare_Splice_Calc(), e1 > 1.555 ? 0 : DERR_PLATE_END_DISTANCE_E1) << e1;
    }
}
