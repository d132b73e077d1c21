/*
** The statics of the joint over every splice the project keeps: the examples, the golden splices
** of the print tests and the splices of tests/splice/data. The fastener forces of the designed
** half balance N_d, V_d and the designed moment at the joint, and a splice whose pattern is
** symmetric gives the same utilisations whatever the signs of M_d and V_d.
*/
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "platform/zelkwin_test.h"
#include "tests/results/golden_splices.h"
#include "tests/splice/example_host.h"

namespace {

/* A splice by name: an example, a splice of tests/splice/data, or a golden splice. */
struct Kept_Splice {
    const char *name;
    const char *folder; /* below the source folder, null for a golden splice */
};

const Kept_Splice Kept_Splices[] = {
    {"zugstoss_nagel", "examples"},        /* tension, side timbers, nails */
    {"biegestoss_stabduebel", "examples"}, /* bending, inner plates, dowels */
    {"druckstoss_bolzen", "examples"},     /* compression, outer plates, bolts */
    {"dichtes_raster", "tests/splice/data"},
    {"gold_nails", nullptr},
    {"gold_dowels", nullptr},
    {"gold_bolts", nullptr},
    {"gold_bending", nullptr},
    {"gold_compression", nullptr},
    {"gold_lap", nullptr},
    {"gold_generated", nullptr},
};

/* Set the splice up as the program (its combinations made from the characteristic actions
** where it says so) or the print test does, and prepare it. */
void Load_Kept_Splice(const Kept_Splice &k)
{
    if (k.folder != nullptr) {
        Use_Example_Host();
        ZW_Test_Reset();
        Clear_NAD_State();
        const std::string dir = std::string(SPLICE_SOURCE_DIR) + "/" + k.folder + "/" + k.name;
        ASSERT_EQ(Open_Input_As_Program(dir + "/" + k.name + "_01.inp"), 1) << k.name;
        Regenerate_Lkoms_If_Generated(); /* as the utilisation page does */
    } else {
        bool found = false;
        for (const Golden_Splice &g : Golden_Splices)
            if (strcmp(g.id, k.name) == 0) {
                g.build();
                found = true;
            }
        ASSERT_TRUE(found) << k.name;
        Refresh_Char_Actions();
    }
    ASSERT_EQ(Prepare_Splice_Calc(), 0) << k.name;
}

class JointStatics : public ::testing::TestWithParam<Kept_Splice> {};

std::string Name_Of(const ::testing::TestParamInfo<Kept_Splice> &info) { return info.param.name; }

void PrintTo(const Kept_Splice &k, std::ostream *os) { *os << k.name; }

} // namespace

/*
** The forces of the designed half, per fastener and per column as printed, sum to N_d and V_d,
** and their moment about the joint (x = 0, on the member's axis) is M_d where the splice designs
** it (a bending splice) and zero where it does not, within 0.1 %. The forces are those of one
** shear plane: every plane of a fastener carries the same.
*/
TEST_P(JointStatics, TheDesignedHalfBalancesTheJoint)
{
    const Kept_Splice &k = GetParam();
    Load_Kept_Splice(k);
    const int n = Fastener_Pattern.count;
    ASSERT_GT(n, 0);
    const double s = Splice_Input.shear_planes > 0 ? Splice_Input.shear_planes : 1;
    double reach = 0.0; /* cm, the farthest fastener from the joint's point */
    for (int i = 0; i < n; i++)
        reach =
            std::fmax(reach, std::hypot(Fastener_Pattern.recs[i].x, Fastener_Pattern.recs[i].y));
    std::vector<double> fx((size_t)n), fy((size_t)n);
    int checked = 0;
    for (int g = 0; g < LKOM_GROUPS; g++)
        for (int e = 0; e < LKOM_ENTRIES; e++) {
            if (!Is_Lkom_Valid(g, e)) continue;
            const Lkom_Entry *c = Get_Lkom_Entry(g, e);
            Get_Fastener_Forces_All(g, e, n, nullptr, fx.data(), fy.data(), nullptr, nullptr);
            double N = 0.0, V = 0.0, M = 0.0; /* kN, kN, kNcm */
            for (int i = 0; i < n; i++) {
                const Fastener_Rec *r = &Fastener_Pattern.recs[i];
                N += s * fx[(size_t)i];
                V += s * fy[(size_t)i];
                M += s * (r->x * fy[(size_t)i] - r->y * fx[(size_t)i]);
            }
            const double force = std::fabs(c->N_d) + std::fabs(c->V_d);
            const double M_designed =
                Splice_Input.splice_kind == SPLICE_BENDING ? std::fabs(c->M_d) * 100.0 : 0.0;
            const std::string where =
                std::string(k.name) + " combination " + std::to_string(g) + "/" + std::to_string(e);
            EXPECT_NEAR(N, c->N_d, 1e-3 * force) << where;
            EXPECT_NEAR(V, c->V_d, 1e-3 * force) << where;
            EXPECT_NEAR(std::fabs(M), M_designed, 1e-3 * (M_designed + force * reach)) << where;
            Joint_Shear js;
            ASSERT_EQ(Calc_Joint_Shear(g, e, &js), 1);
            if (js.done && js.columns <= PATTERN_COLUMNS_MAX) {
                double columns = 0.0;
                for (int col = 0; col < js.columns; col++) columns += js.F[col];
                EXPECT_NEAR(columns, c->V_d, 1e-3 * force) << where << " (columns)";
            }
            checked++;
        }
    EXPECT_GT(checked, 0) << k.name;
}

/*
** Every combination with its M_d, its V_d or both turned round gives the same utilisation in
** every row of the list, and the same largest one: the half that governs is found by statics,
** not by a sign. (Every pattern of the program is symmetric about the member's axis.)
*/
TEST_P(JointStatics, TheSignsOfMAndVChangeNoUtilisation)
{
    const Kept_Splice &k = GetParam();
    Load_Kept_Splice(k);
    Utilisation_List first{};
    double first_total = 0.0;
    const double turns[4][2] = {{1, 1}, {-1, 1}, {1, -1}, {-1, -1}};
    for (int t = 0; t < 4; t++) {
        for (int g = 0; g < LKOM_GROUPS; g++)
            for (int e = 0; e < LKOM_ENTRIES; e++) {
                Lkom_Entry *c = &Splice_Input.lkom.groups[g].entries[e];
                c->M_d = std::fabs(c->M_d) * turns[t][0];
                c->V_d = std::fabs(c->V_d) * turns[t][1];
            }
        ASSERT_EQ(Prepare_Splice_Calc(), 0) << k.name << " turn " << t;
        const double total = Run_Nachweise(nullptr, 0);
        const Utilisation_List &u = Splice_Input.utilisation;
        if (t == 0) {
            first = u;
            first_total = total;
            EXPECT_GT(u.count, 0) << k.name;
            continue;
        }
        EXPECT_NEAR(total, first_total, 1e-9 * std::fmax(1.0, first_total))
            << k.name << " turn " << t;
        ASSERT_EQ(u.count, first.count) << k.name << " turn " << t;
        for (int i = 0; i < u.count; i++) {
            EXPECT_STREQ(u.name[i], first.name[i]) << k.name << " turn " << t;
            EXPECT_NEAR(u.value[i], first.value[i], 1e-9 * std::fmax(1.0, first.value[i]))
                << k.name << " turn " << t << " row " << u.name[i];
        }
    }
}

/*
** The blocks that may tear are one set whatever the actions: raising N_d or V_d of every
** combination by 0.1 kN moves neither block row of the list by more than a point of a percent
** (the block-shear switch on for every splice of plates).
*/
TEST_P(JointStatics, AHairOfAnActionMovesNoBlockRow)
{
    const Kept_Splice &k = GetParam();
    auto block_rows = [&](int raise) {
        Load_Kept_Splice(k);
        Splice_Input.block_shear = 1;
        for (int g = 0; g < LKOM_GROUPS; g++)
            for (int e = 0; e < LKOM_ENTRIES; e++) {
                Lkom_Entry *c = &Splice_Input.lkom.groups[g].entries[e];
                if (raise == 1) c->N_d += 0.1;
                if (raise == 2) c->V_d += 0.1;
            }
        EXPECT_EQ(Prepare_Splice_Calc(), 0) << k.name;
        Run_Nachweise(nullptr, 0);
        std::vector<double> rows;
        const Utilisation_List &u = Splice_Input.utilisation;
        for (int i = 0; i < u.count; i++)
            if (strstr(u.name[i], "Block") != nullptr) rows.push_back(u.value[i]);
        return rows;
    };
    const std::vector<double> base = block_rows(0);
    for (int raise : {1, 2}) {
        const std::vector<double> moved = block_rows(raise);
        ASSERT_EQ(moved.size(), base.size()) << k.name;
        for (size_t i = 0; i < base.size(); i++)
            EXPECT_NEAR(moved[i], base[i], 0.01)
                << k.name << (raise == 1 ? " N_d" : " V_d") << " + 0.1 kN, block row " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(KeptSplices, JointStatics, ::testing::ValuesIn(Kept_Splices), Name_Of);
