/*
** Tests of the search for the governing fastener of a combination: where the design resistance
** falls with the angle, only the fasteners whose bound reaches the largest utilisation are
** designed; the fastener, its utilisation and its row are those that designing every fastener
** gives.
*/
#include "results_test_util.h"

#include <cstring>

#include "results/run_cache.h"

namespace {

/* Utilisation of the fasteners and the governing fastener of combination (g, e): the search of
** the governing fastener alone (print.fasteners 0), or every fastener designed and printed (1). */
struct Vbm_Outcome {
    double u;
    int governing, error, first;
    Vbm_Row row; /* the governing fastener's row */
};

Vbm_Outcome Check(int g, int e, int every_fastener)
{
    Splice_Input.print.fasteners = every_fastener;
    Vbm_Check r;
    Calc_Vbm_Check(g, e, &r);
    Vbm_Outcome o{};
    o.u = r.u;
    o.governing = r.governing;
    o.error = r.error;
    o.first = r.first;
    const int k = r.governing - r.first;
    if (r.governing >= 0 && k >= 0 && k < (int)r.rows.size()) o.row = r.rows[(size_t)k];
    return o;
}

/* The rows of the governing fastener, bitwise. */
bool Same_Row(const Vbm_Row &a, const Vbm_Row &b) { return std::memcmp(&a, &b, sizeof a) == 0; }

/* Bending combinations in groups 0 and 1 (kmod 0.9 and 0.6) whose forces give the fasteners
** of a pattern every mix of force and angle: moments of both signs with normal and shear forces
** of both signs, pure moments, pure shear, pure normal forces. */
void Set_Combinations(void)
{
    Splice_Input.splice_kind = SPLICE_BENDING;
    Splice_Input.L_user = 0;
    for (int g = 0; g < 2; g++) {
        Splice_Input.lkom.groups[g].kmod_source = 0;
        Splice_Input.lkom.groups[g].kmod = g == 0 ? 0.9 : 0.6;
        Splice_Input.lkom.groups[g].kled = g == 0 ? 2 : 0;
        for (int e = 0; e < 40; e++) {
            const double M = (e % 7 == 3) ? 0.0 : 6.0 * std::sin(0.7 * e + g);
            const double N = (e % 5 == 1) ? 0.0 : 40.0 * std::cos(1.3 * e - g);
            const double V = (e % 6 == 2) ? 0.0 : 12.0 * std::sin(2.1 * e * (g + 1));
            Set_Lkom(g, e, M, N, V);
        }
    }
}

/* Every combination: the search gives bitwise the utilisation and the fastener that designing
** every fastener gives. */
void Expect_Search_As_Every_Fastener(const char *what)
{
    ASSERT_EQ(Prepare_Splice_Calc(), 0) << what;
    for (int g = 0; g < 2; g++) {
        for (int e = 0; e < 40; e++) {
            if (!Is_Lkom_Valid(g, e)) continue;
            const Vbm_Outcome all = Check(g, e, 1);
            const Vbm_Outcome one = Check(g, e, 0);
            EXPECT_EQ(std::memcmp(&one.u, &all.u, sizeof one.u), 0)
                << what << " " << g << "/" << e << ": " << one.u << " " << all.u;
            EXPECT_EQ(one.governing, all.governing) << what << " " << g << "/" << e;
            EXPECT_EQ(one.error, all.error) << what << " " << g << "/" << e;
            EXPECT_TRUE(Same_Row(one.row, all.row)) << what << " " << g << "/" << e;
        }
    }
}

} // namespace

TEST(VbmBound, GoverningFastenerAsWhenEveryFastenerIsDesigned)
{
    /* dowels beside two inner plates in C24: the resistance falls with the angle (k90 = 1.53),
    ** under the annex and under DIN 1052, in a pattern of 4 x 4 and of 3 x 5 staggered */
    for (bool annex : {true, false}) {
        Inner_Plate_Dowel_Splice();
        Use_Annex(annex);
        Set_Layout(4, 4);
        Set_Combinations();
        Expect_Search_As_Every_Fastener(annex ? "annex 4 x 4" : "DIN 4 x 4");
        Set_Layout(3, 5, 1);
        Expect_Search_As_Every_Fastener(annex ? "annex 3 x 5" : "DIN 3 x 5");
    }
    /* bolts (the embedment with d + 1, the rope effect asked for) */
    Inner_Plate_Dowel_Splice();
    Splice_Input.vbm_type = VBM_BOLZEN;
    Splice_Input.capacity_increase = 1;
    Set_Layout(3, 3);
    Set_Combinations();
    Expect_Search_As_Every_Fastener("bolts");
    /* where the bound does not apply, every fastener is designed: side timbers with nails */
    Side_Timber_Nail_Splice();
    Set_Combinations();
    Expect_Search_As_Every_Fastener("nails");
}

TEST(VbmBound, SmallerForceAtASteeperAngleGoverns)
{
    /* Two dowels beside inner plates, at (4.9, 5) and (-4.9, -5) cm from their centroid
    ** (I_p = 2 (4.9² + 5²) = 98.02 cm²), with s shear planes. N = s, V = 0.98 s and
    ** M_v,d = 0.001 I_p s kNm give each per shear plane N / 2 / s = 0.5 along and
    ** V / 2 / s = 0.49 kN across the grain, and from the moment, which turns clockwise as a
    ** positive V_d's does, 0.1 I_p s / I_p / s (dy, -dx) = (0.5, -0.49) kN and its opposite: the first takes 1 kN along the grain (0 degrees), the
    ** second 0.98 kN across it (90 degrees). R_d falls by a factor of about 1.4 from 0 to 90
    ** degrees, so the second, with the smaller force, governs. */
    for (bool annex : {true, false}) {
        Inner_Plate_Dowel_Splice();
        Use_Annex(annex);
        Splice_Input.splice_kind = SPLICE_BENDING;
        Set_Layout(1, 2);
        Fastener_Pattern.count = 2;
        Fastener_Pattern.recs[0] = Fastener_Rec{};
        Fastener_Pattern.recs[1] = Fastener_Rec{};
        Fastener_Pattern.recs[0].x = 10.0 + 4.9;
        Fastener_Pattern.recs[0].y = 5.0;
        Fastener_Pattern.recs[1].x = 10.0 - 4.9;
        Fastener_Pattern.recs[1].y = -5.0;
        Fastener_Pattern.recs[0].weight = Fastener_Pattern.recs[1].weight = 1.0;
        Calc_Pattern_Centroid(&Fastener_Pattern.x_c, &Fastener_Pattern.y_c, &Fastener_Pattern.I_p,
                              2, Fastener_Pattern.recs);
        ASSERT_NEAR(Fastener_Pattern.I_p, 98.02, 1e-9);
        const double s = Splice_Input.shear_planes > 0 ? Splice_Input.shear_planes : 1;
        Lkom_Entry *c = Set_Lkom(0, 0, 0.001 * 98.02 * s, s, 0.98 * s);
        c->M_distr = c->M_d;
        Splice_Input.lkom.groups[0].kmod_source = 0;
        Splice_Input.lkom.groups[0].kmod = 0.8;
        /* every fastener designed: two designs, one per angle; the search: the designs at the
        ** 19 angles of the bounds, then the second fastener, whose bound 0.98 / R_d(90) is the
        ** largest, and not the first, whose bound 1 / R_d(0) ~ 0.71 / R_d(90) stays below it */
        const long before = Vbm_Designs_Made(nullptr);
        const Vbm_Outcome all = Check(0, 0, 1);
        EXPECT_EQ(Vbm_Designs_Made(nullptr) - before, 2) << annex;
        const Vbm_Outcome one = Check(0, 0, 0);
        EXPECT_EQ(Vbm_Designs_Made(nullptr) - before, 2 + 19 + 1) << annex;
        EXPECT_EQ(all.governing, 1) << annex;
        EXPECT_EQ(one.governing, 1) << annex;
        EXPECT_EQ(std::memcmp(&one.u, &all.u, sizeof one.u), 0) << one.u << " " << all.u;
        EXPECT_TRUE(Same_Row(one.row, all.row));
        EXPECT_GT(one.u, 0.0);
    }
}
