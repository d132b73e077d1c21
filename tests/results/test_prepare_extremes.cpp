/*
** The extremes the preparation run keeps of every fastener and combination (largest force,
** smallest and largest force-to-grain angle with the combination each came from, the column and
** moment sums) against the forces of every combination taken one by one.
*/
#include "results_test_util.h"

#include <vector>

namespace {

/* A bending splice of `cols` x `rows` dowels of 12 mm on two inner steel plates, 60 cm high. */
void Plate_Dowel_Splice(int cols, int rows)
{
    Inner_Plate_Dowel_Splice();
    Splice_Input.splice_kind = SPLICE_BENDING;
    Splice_Input.h = 60.0;
    Splice_Input.h_p = 56.0;
    Splice_Input.L_user = 0;
    Set_Layout(cols, rows);
}

/* Combinations that vary smoothly, with the cases an order of the angles must keep apart:
** a repeated combination, one scaled by 2 and by 1/2 (forces scaled exactly, so angles equal to
** the last bit), a negative moment, a normal force alone (every angle 0), one whose forces stay
** below 1e-5 kN (at nearly 90 degrees, which would be the largest angles), and ones that differ
** from another in the 13th digit only. */
void Varied_Combinations(int per_group)
{
    for (int g = 0; g < 3; g++)
        for (int e = 0; e < per_group; e++)
            Set_Lkom(g, e, 20.0 + 10.0 * std::sin(0.3 * e + g), 50.0 * std::cos(0.13 * e - g),
                     15.0 + 5.0 * std::sin(0.07 * e * (g + 1)));
    const Lkom_Entry *a = Get_Lkom_Entry(0, 3);
    Set_Lkom(3, 0, a->M_d, a->N_d, a->V_d);
    Set_Lkom(3, 1, 2.0 * a->M_d, 2.0 * a->N_d, 2.0 * a->V_d);
    Set_Lkom(3, 2, 0.5 * a->M_d, 0.5 * a->N_d, 0.5 * a->V_d);
    Set_Lkom(3, 3, -a->M_d, a->N_d, a->V_d);
    Set_Lkom(3, 4, 0.0, 30.0, 0.0);
    Set_Lkom(3, 5, 0.0, 0.0, 1e-3); /* 1e-3 / 36 / 4 kN a fastener: left out */
    Set_Lkom(3, 6, a->M_d * (1.0 + 1e-13), a->N_d, a->V_d);
    Set_Lkom(3, 7, a->M_d, a->N_d * (1.0 - 1e-13), a->V_d);
    const Lkom_Entry *b = Get_Lkom_Entry(1, 5);
    Set_Lkom(4, 0, b->M_d, b->N_d, b->V_d * (1.0 + 1e-13));
    Set_Lkom(4, 1, b->M_d, b->N_d, b->V_d);
}

struct Fastener_Extremes {
    double angle_max = 0.0, angle_min = M_PI / 2.0, force_max = 0.0;
    int g_max = 0, e_max = 0, g_min = 0, e_min = 0, g_force = 0, e_force = 0;
};

/* Every combination's forces in turn, as the checks ask for them, and each extreme kept where
** it is first reached; compared bit for bit with what the preparation run left. */
void Expect_Extremes_Of_Every_Combination(const char *what)
{
    const Fastener_Pattern_Rec *fp = &Fastener_Pattern;
    const int n = fp->count;
    ASSERT_GT(n, 1) << what;
    std::vector<Fastener_Extremes> x((size_t)n);
    std::vector<double> my((size_t)n), fx((size_t)n), fy((size_t)n), F((size_t)n), ang((size_t)n);
    double alpha_min = M_PI / 2.0, alpha_max = 0.0, max_My = 0.0, max_sum = 0.0;
    int i_min = 0, i_max = 0, computed = 0;
    for (int g = 0; g < LKOM_GROUPS; g++) {
        for (int e = 0; e < LKOM_ENTRIES; e++) {
            if (!Is_Lkom_Valid(g, e)) continue;
            computed++;
            const Lkom_Entry *c = Get_Lkom_Entry(g, e);
            Get_Fastener_Forces_All(g, e, n, my.data(), fx.data(), fy.data(), F.data(), ang.data());
            /* F_y summed per column (positions within 1e-4 cm, in the order they first come),
            ** the columns of the input counted */
            std::vector<double> col_x, col_sum;
            for (int i = 0; i < n; i++) {
                size_t k = 0;
                while (k < col_x.size() && std::fabs(col_x[k] - fp->recs[i].x) > 1e-4) k++;
                if (k == col_x.size()) col_x.push_back(fp->recs[i].x), col_sum.push_back(0.0);
                col_sum[k] += fy[(size_t)i];
            }
            double max_col = 0.0;
            for (size_t k = 0; k < col_sum.size() && k < (size_t)Splice_N_Col(&Splice_Input); k++)
                max_col = std::max(max_col, std::fabs(col_sum[k]));
            EXPECT_EQ(c->max_col_Fy, max_col) << what << " " << g << "/" << e;
            double max_Fy = 0.0, sum_pos = 0.0;
            for (int i = 0; i < n; i++) {
                if (F[i] < 1e-5) continue;
                Fastener_Extremes &r = x[(size_t)i];
                if (F[i] > r.force_max) r.force_max = F[i], r.g_force = g, r.e_force = e;
                if (ang[i] > r.angle_max) r.angle_max = ang[i], r.g_max = g, r.e_max = e;
                if (ang[i] < r.angle_min) r.angle_min = ang[i], r.g_min = g, r.e_min = e;
                if (ang[i] < alpha_min) alpha_min = ang[i], i_min = i;
                if (ang[i] > alpha_max) alpha_max = ang[i], i_max = i;
                max_Fy = std::max(max_Fy, std::fabs(fy[i]));
                max_My = std::max(max_My, std::fabs(my[i]));
                if (my[i] > 0.0) sum_pos += my[i];
            }
            EXPECT_EQ(c->max_Fy, max_Fy) << what << " " << g << "/" << e;
            EXPECT_EQ(c->sum_My_pos, sum_pos) << what << " " << g << "/" << e;
            max_sum = std::max(max_sum, sum_pos);
        }
    }
    EXPECT_GT(computed, 1) << what;
    for (int i = 0; i < n; i++) {
        const Fastener_Rec &r = fp->recs[i];
        const Fastener_Extremes &e = x[(size_t)i];
        EXPECT_EQ(r.force_max, e.force_max) << what << " " << i;
        EXPECT_EQ(r.group_of_force_max, e.g_force) << what << " " << i;
        EXPECT_EQ(r.entry_of_force_max, e.e_force) << what << " " << i;
        EXPECT_EQ(r.angle_max, e.angle_max) << what << " " << i;
        EXPECT_EQ(r.group_of_angle_max, e.g_max) << what << " " << i;
        EXPECT_EQ(r.entry_of_angle_max, e.e_max) << what << " " << i;
        EXPECT_EQ(r.angle_min, e.angle_min) << what << " " << i;
        EXPECT_EQ(r.group_of_angle_min, e.g_min) << what << " " << i;
        EXPECT_EQ(r.entry_of_angle_min, e.e_min) << what << " " << i;
    }
    EXPECT_EQ(fp->alpha_min, alpha_min) << what;
    EXPECT_EQ(fp->alpha_max, alpha_max) << what;
    EXPECT_EQ(fp->index_of_angle_min, i_min) << what;
    EXPECT_EQ(fp->index_of_angle_max, i_max) << what;
    EXPECT_EQ(fp->max_My, max_My) << what;
    EXPECT_EQ(fp->max_sum_My_pos, max_sum) << what;
}

} // namespace

TEST(PrepareExtremes, EveryCombinationInTurnGivesTheSameExtremes)
{
    Plate_Dowel_Splice(6, 6);
    Varied_Combinations(200);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Expect_Extremes_Of_Every_Combination("6 x 6 dowels");

    /* a normal force alone makes every angle 0: the first fastener of that combination holds
    ** the smallest angle of the pattern */
    EXPECT_EQ(Fastener_Pattern.alpha_min, 0.0);
    EXPECT_EQ(Fastener_Pattern.index_of_angle_min, 0);
    EXPECT_EQ(Fastener_Pattern.recs[5].group_of_angle_min, 3);
    EXPECT_EQ(Fastener_Pattern.recs[5].entry_of_angle_min, 4);

    /* combinations that only rise or only fall, and a negative moment throughout */
    Plate_Dowel_Splice(4, 3);
    for (int e = 0; e < 300; e++) {
        Set_Lkom(0, e, 5.0 + 0.1 * e, 40.0, 10.0);
        Set_Lkom(1, e, 35.0 - 0.1 * e, -20.0, 12.0 - 0.02 * e);
        Set_Lkom(2, e, -10.0 - 0.05 * e, 10.0, 0.5 * e);
    }
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Expect_Extremes_Of_Every_Combination("4 x 3 dowels, monotonic");

    /* combinations apart in the 12th digit only: their angles differ in the last digits; a
    ** normal force alone first, whose angles lie far below */
    Plate_Dowel_Splice(3, 3);
    const double up = 1.0 + 1e-12, down = 1.0 - 1e-12;
    Set_Lkom(0, 0, 0.0, 30.0, 0.0);
    Set_Lkom(1, 0, 20.0, 10.0, 15.0);
    Set_Lkom(1, 1, 20.0, 10.0, 15.0 * up);
    Set_Lkom(1, 2, 20.0, 10.0, 15.0 * down);
    Set_Lkom(1, 3, 20.0 * up, 10.0, 15.0);
    Set_Lkom(1, 4, 20.0 * down, 10.0, 15.0);
    Set_Lkom(1, 5, 20.0, 10.0 * up, 15.0);
    Set_Lkom(1, 6, 20.0, 10.0 * down, 15.0);
    /* smaller forces whose angles pass those above by a few 1e-12 */
    Set_Lkom(1, 7, 18.0, 9.0, 13.5 * (1.0 + 3e-12));
    Set_Lkom(1, 8, 18.0, 9.0, 13.5 * (1.0 - 3e-12));
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Expect_Extremes_Of_Every_Combination("3 x 3 dowels, near ties");

    /* forces below 1e-5 kN take no part: a small shear force alone would give the largest
    ** angles of every fastener */
    Plate_Dowel_Splice(2, 2);
    Set_Lkom(0, 0, 1.0, 50.0, 1.0);
    Set_Lkom(0, 1, 0.0, 0.0, 1e-4); /* 1e-4 / 4 / 4 kN a fastener */
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Expect_Extremes_Of_Every_Combination("2 x 2 dowels, a small shear force");

    /* a staggered layout: the rows of neighbouring columns lie apart */
    Plate_Dowel_Splice(5, 5);
    Set_Layout(5, 5, LAYOUT_STAGGERED);
    Varied_Combinations(60);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Expect_Extremes_Of_Every_Combination("5 x 5 dowels staggered");

    /* a tension splice has no moment parts: every force lies along the grain */
    Plate_Dowel_Splice(3, 2);
    Splice_Input.splice_kind = SPLICE_TENSION;
    for (int e = 0; e < 40; e++) Set_Lkom(0, e, 0.0, 10.0 + e, 0.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Expect_Extremes_Of_Every_Combination("3 x 2 dowels, tension");
    EXPECT_EQ(Fastener_Pattern.alpha_max, 0.0);
}

/* Two combinations, the second the first scaled by 2: M_distr = |M_d| + |x_c V_d / 100| and
** every share and moment part double exactly (a product or quotient of a value scaled by 2 is
** the value's scaled by 2), so F doubles and the angle is the same to the last bit. The first
** combination keeps the extreme angles, the second the largest force, twice the first's. */
TEST(PrepareExtremes, AnEqualAngleKeepsTheFirstCombination)
{
    Plate_Dowel_Splice(2, 2);
    Set_Lkom(0, 0, 10.0, 5.0, 20.0);
    Set_Lkom(0, 1, 20.0, 10.0, 40.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    const int n = Fastener_Pattern.count;
    ASSERT_EQ(n, 4);
    double F0[4], a0[4], F1[4], a1[4];
    Get_Fastener_Forces_All(0, 0, n, nullptr, nullptr, nullptr, F0, a0);
    Get_Fastener_Forces_All(0, 1, n, nullptr, nullptr, nullptr, F1, a1);
    for (int i = 0; i < n; i++) {
        const Fastener_Rec &r = Fastener_Pattern.recs[i];
        EXPECT_EQ(a1[i], a0[i]) << i;
        EXPECT_EQ(F1[i], 2.0 * F0[i]) << i;
        EXPECT_EQ(r.angle_max, a0[i]) << i;
        EXPECT_EQ(r.angle_min, a0[i]) << i;
        EXPECT_EQ(r.entry_of_angle_max, 0) << i;
        EXPECT_EQ(r.entry_of_angle_min, 0) << i;
        EXPECT_EQ(r.force_max, 2.0 * F0[i]) << i;
        EXPECT_EQ(r.entry_of_force_max, 1) << i;
    }
}
