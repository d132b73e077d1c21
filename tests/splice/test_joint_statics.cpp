/*
** The statics of the joint over every splice the project keeps: the examples, the golden splices
** of the print tests and the splices of tests/splice/data, with a few of them varied (alternately
** driven nails, tension with V_d, a lap in bending, a staggered pattern, three rows in pure
** bending, outer plates in bending, side members of OSB), each with a combination whose signs
** matter. The fastener forces of the designed half balance N_d, V_d and the designed moment at
** the joint, a splice whose pattern is symmetric gives the same utilisations whatever the signs
** of M_d and V_d, and no utilisation jumps where an action passes zero.
*/
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "design/design_texts.h"
#include "platform/zelkwin_test.h"
#include "tests/results/golden_splices.h"
#include "tests/splice/example_host.h"

namespace {

/* A splice by name: an example, a splice of tests/splice/data, or a golden splice, and what
** the row changes of it. */
struct Kept_Splice {
    const char *name;   /* the row's */
    const char *splice; /* the example's, the data splice's or the golden splice's */
    const char *folder; /* below the source folder, null for a golden splice */
    void (*vary)(void); /* null: as kept */
};

/* The nail example's middle member 7 cm thick: nails of 110 mm through side timbers of 60 mm
** pass t_s + b / 2 = 95 mm and are driven alternately; each combination with V_d = 5 kN. */
void Alternate_Nails_With_Shear(void)
{
    Splice_Input.b = 7.0;
    for (Lkom_Group &g : Splice_Input.lkom.groups)
        for (Lkom_Entry &c : g.entries)
            if (c.used) c.V_d = 5.0;
}

/* Inner plates with dowels in tension, N_d = 100 kN with V_d = 40 kN, and V_d = 60 kN alone, which
** a tension splice does not check */
void Tension_With_Shear(void)
{
    Get_Lkom_Entry(0, 0)->V_d = 40.0;
    Set_Lkom(0, 2, 0.0, 0.0, 60.0);
}

/* The lap as a bending splice: M_d = 4 kNm, N_d = 20 kN, V_d = 6 kN */
void Lap_In_Bending(void)
{
    Splice_Input.splice_kind = SPLICE_BENDING;
    Set_Lkom(0, 0, 4.0, 20.0, 6.0);
}

/* The bending splice's 4 x 3 dowels staggered, with its M_d and V_d */
void Staggered_Bending(void)
{
    Splice_Input.layout[VBM_TYPE_SLOT(Splice_Input.vbm_type)] = LAYOUT_STAGGERED;
}

/* The bending example with three rows: in pure bending its middle row neither pulls nor
** pushes, the least normal force makes it pull */
void Three_Rows_In_Bending(void) { Splice_Input.n_row[VBM_TYPE_SLOT(Splice_Input.vbm_type)] = 3; }

/* The outer plates with bolts M16 in a bending splice: M_d = 12 kNm, V_d = 10 kN, N_d = 0 */
void Outer_Plates_In_Bending(void)
{
    Splice_Input.splice_kind = SPLICE_BENDING;
    Splice_Input.vbm_row = 4;
    Splice_Input.d = 16.0;
    Splice_Input.washer = 0;
    Set_Lkom(0, 0, 12.0, 0.0, 10.0);
}

/* The nail example's side members of OSB/3 22 mm, N_d = 30 kN */
void Osb_Side_Members(void)
{
    Get_Lkom_Entry(0, 0)->N_d = 30.0;
    Splice_Input.mat_side = MAT_OSB;
    Splice_Input.grade_side = 1;
    Splice_Input.t_s = 2.2;
    Splice_Input.t_s_user = 1;
    Splice_Input.l = 90.0;
}

const Kept_Splice Kept_Splices[] = {
    {"zugstoss_nagel", "zugstoss_nagel", "examples", nullptr}, /* tension, side timbers, nails */
    {"biegestoss_stabduebel", "biegestoss_stabduebel", "examples", nullptr}, /* inner plates */
    {"druckstoss_bolzen", "druckstoss_bolzen", "examples", nullptr}, /* outer plates, bolts */
    {"dichtes_raster", "dichtes_raster", "tests/splice/data", nullptr},
    {"gold_nails", "gold_nails", nullptr, nullptr},
    {"gold_dowels", "gold_dowels", nullptr, nullptr},
    {"gold_bolts", "gold_bolts", nullptr, nullptr},
    {"gold_bending", "gold_bending", nullptr, nullptr},
    {"gold_compression", "gold_compression", nullptr, nullptr},
    {"gold_lap", "gold_lap", nullptr, nullptr},
    {"gold_generated", "gold_generated", nullptr, nullptr},
    {"wechselseitig_mit_querkraft", "zugstoss_nagel", "examples", Alternate_Nails_With_Shear},
    {"zugstoss_mit_querkraft", "gold_dowels", nullptr, Tension_With_Shear},
    {"blatt_biegestoss", "gold_lap", nullptr, Lap_In_Bending},
    {"versetzt_biegestoss", "gold_bending", nullptr, Staggered_Bending},
    {"biegestoss_drei_reihen", "biegestoss_stabduebel", "examples", Three_Rows_In_Bending},
    {"biegestoss_aussenbleche", "gold_bolts", nullptr, Outer_Plates_In_Bending},
    {"zugstoss_osb", "zugstoss_nagel", "examples", Osb_Side_Members},
};

bool Turnable_Added; /* the last splice loaded got the copy of Add_Turnable_Combination */

/* Where no valid combination carries what turning a sign could change (V_d, and M_d where the
** splice designs it), a copy of the first valid one with V_d = |N_d| / 2 beside it in its group,
** so that the signs matter in every splice of the set. */
void Add_Turnable_Combination(void)
{
    const bool bending = Splice_Input.splice_kind == SPLICE_BENDING;
    int first_g = -1, first_e = -1;
    for (int g = 0; g < LKOM_GROUPS; g++)
        for (int e = 0; e < LKOM_ENTRIES; e++) {
            if (!Is_Lkom_Valid(g, e)) continue;
            const Lkom_Entry *c = Get_Lkom_Entry(g, e);
            if (std::fabs(c->V_d) > 0.0 || (bending && std::fabs(c->M_d) > 0.0)) return;
            if (first_g < 0) {
                first_g = g;
                first_e = e;
            }
        }
    if (first_g < 0) return;
    int free_e = 0;
    while (free_e < LKOM_ENTRIES && Get_Lkom_Entry(first_g, free_e)->used) free_e++;
    ASSERT_LT(free_e, LKOM_ENTRIES);
    Lkom_Entry *copy = Get_Lkom_Entry(first_g, free_e);
    *copy = *Get_Lkom_Entry(first_g, first_e);
    copy->V_d = std::fabs(copy->N_d) / 2.0;
    Turnable_Added = true;
}

/* Set the splice up as the program (its combinations made from the characteristic actions
** where it says so) or the print test does, vary it as the row says, add the turnable
** combination where it is needed (unless turnable is false), and prepare it. */
void Load_Kept_Splice(const Kept_Splice &k, bool turnable = true)
{
    if (k.folder != nullptr) {
        Use_Example_Host();
        ZW_Test_Reset();
        Clear_NAD_State();
        const std::string dir = std::string(SPLICE_SOURCE_DIR) + "/" + k.folder + "/" + k.splice;
        ASSERT_EQ(Open_Input_As_Program(dir + "/" + k.splice + "_01.inp"), 1) << k.name;
        Regenerate_Lkoms_If_Generated(); /* as the utilisation page does */
    } else {
        bool found = false;
        for (const Golden_Splice &g : Golden_Splices)
            if (strcmp(g.id, k.splice) == 0) {
                g.build();
                found = true;
            }
        ASSERT_TRUE(found) << k.name;
        Refresh_Char_Actions();
    }
    if (k.vary != nullptr) k.vary();
    Turnable_Added = false;
    if (turnable) Add_Turnable_Combination();
    ASSERT_EQ(Prepare_Splice_Calc(), 0) << k.name;
}

class JointStatics : public ::testing::TestWithParam<Kept_Splice> {};

std::string Name_Of(const ::testing::TestParamInfo<Kept_Splice> &info) { return info.param.name; }

void PrintTo(const Kept_Splice &k, std::ostream *os) { *os << k.name; }

/* The moment about the joint (kNcm) that the designed half carries: the bending splice's M_d
** in the sense that makes the moment about the fasteners' centroid, x_c from the joint, the
** larger of both halves' (|M_d| + x_c |V_d|): against V_d's sense, as for a positive V_d where
** there is none; zero where the splice does not design M_d (V_d acts at the joint). */
double Joint_Moment(const Lkom_Entry *c)
{
    if (Splice_Input.splice_kind != SPLICE_BENDING) return 0.0;
    return (c->V_d < 0.0 ? 1.0 : -1.0) * std::fabs(c->M_d) * 100.0;
}

/* The columns' forces across the grain (kN, all shear planes), numbered from the joint (a lap:
** by x), from the fasteners' forces fy of one plane. */
std::vector<double> Column_Forces(const std::vector<double> &fy, double planes)
{
    std::vector<double> x;
    for (int i = 0; i < Fastener_Pattern.count; i++) x.push_back(Fastener_Pattern.recs[i].x);
    std::sort(x.begin(), x.end());
    x.erase(std::unique(x.begin(), x.end(), [](double a, double b) { return b - a <= 1e-4; }),
            x.end());
    std::vector<double> F(x.size(), 0.0);
    for (int i = 0; i < Fastener_Pattern.count; i++)
        for (size_t k = 0; k < x.size(); k++)
            if (std::fabs(Fastener_Pattern.recs[i].x - x[k]) <= 1e-4) {
                F[k] += planes * fy[(size_t)i];
                break;
            }
    return F;
}

} // namespace

/*
** The forces of the designed half, per fastener and per column as printed, sum to N_d and V_d,
** and their moment about the joint (x = 0, on the member's axis) is the designed one, sign and
** all (Joint_Moment), within 0.1 %. The forces are those of one shear plane: every plane of a
** fastener carries the same. Each section between two columns splits the columns into the
** joint's side, which the middle member takes (free at the joint), and the other side, which the
** plates or side timbers take (free beyond the last column); a lap takes the larger side in both.
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
            const double M_designed = Joint_Moment(c);
            const std::string where =
                std::string(k.name) + " combination " + std::to_string(g) + "/" + std::to_string(e);
            EXPECT_NEAR(N, c->N_d, 1e-3 * force) << where;
            EXPECT_NEAR(V, c->V_d, 1e-3 * force) << where;
            EXPECT_NEAR(M, M_designed, 1e-3 * (std::fabs(M_designed) + force * reach)) << where;
            Joint_Shear js;
            ASSERT_EQ(Calc_Joint_Shear(g, e, &js), 1);
            if (!js.done || js.columns > PATTERN_COLUMNS_MAX) {
                checked++;
                continue;
            }
            const std::vector<double> F = Column_Forces(fy, s);
            ASSERT_EQ((size_t)js.columns, F.size()) << where;
            double columns = 0.0, timber = 0.0, plates = 0.0, before = 0.0;
            for (int col = 0; col < js.columns; col++) {
                EXPECT_NEAR(js.F[col], F[(size_t)col], 1e-3 * force) << where << " column " << col;
                columns += js.F[col];
            }
            for (size_t col = 0; col + 1 < F.size(); col++) {
                before += F[col];
                const double joint_side = std::fabs(before), far_side = std::fabs(V - before);
                timber = std::fmax(timber, js.lap ? std::fmax(joint_side, far_side) : joint_side);
                plates = std::fmax(plates, js.lap ? std::fmax(joint_side, far_side) : far_side);
            }
            EXPECT_NEAR(columns, c->V_d, 1e-3 * force) << where << " (columns)";
            EXPECT_NEAR(js.V_sections, timber, 1e-3 * force) << where << " (timber's side)";
            EXPECT_NEAR(js.V_plate_sections, plates, 1e-3 * force) << where << " (plates' side)";
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

/* An action moved by a hair (kN, kNm), and the largest step of a row that the hair may make:
** 1 % of the row plus 0.001. */
constexpr double HAIR = 0.01;
double Hair_Tolerance(double u) { return 0.01 * std::fabs(u) + 0.001; }

/* The utilisation list of one run and the reasons the program names for what it leaves out or
** refuses: the combinations a tension or compression splice does not check for the sign of N_d,
** the splice refused by its preparation, the design's errors. */
struct Listed_Rows {
    std::vector<std::string> name, governs;
    std::vector<double> value;
    int refused_combinations = 0;
    std::vector<int> codes; /* the preparation's refusal, then the run's errors */
    std::string reasons;    /* their texts, as the page shows them */
};

/* The list with the block checks on for every splice of plates, the action (0 N_d, 1 V_d, 2 M_d)
** of combination (group, entry) moved by hair, without the turnable combination unless asked. */
Listed_Rows Run_With_Hair(const Kept_Splice &k, bool turnable, int group, int entry, int action,
                          double hair)
{
    Listed_Rows r;
    Load_Kept_Splice(k, turnable);
    Splice_Input.block_shear = 1;
    if (group >= 0) {
        Lkom_Entry *c = Get_Lkom_Entry(group, entry);
        (action == 0 ? c->N_d : action == 1 ? c->V_d : c->M_d) += hair;
    }
    const int rc = Prepare_Splice_Calc();
    if (rc != 0) {
        r.codes.push_back(rc);
        r.reasons = Get_Error_Text(rc);
        return r;
    }
    Run_Nachweise(nullptr, 0);
    const Utilisation_List &u = Splice_Input.utilisation;
    for (int i = 0; i < u.count; i++) {
        r.name.push_back(u.name[i]);
        r.governs.push_back(u.governs[i]);
        r.value.push_back(u.value[i]);
    }
    Unchecked_Loads left_out;
    Get_Unchecked_Loads(&left_out);
    r.refused_combinations = left_out.other_count;
    char line[256];
    if (Unchecked_Load_Line(&left_out, UNCHECKED_OTHER_SIGN, 0, line, sizeof line))
        r.reasons = line;
    for (int i = 0; i < Run_Error_Count(); i++) {
        r.codes.push_back(Run_Error_Codes()[i]);
        r.reasons += std::string(r.reasons.empty() ? "" : "; ") + Get_Error_Text(r.codes.back());
    }
    return r;
}

int Row_Of(const Listed_Rows &r, const std::string &name)
{
    for (size_t i = 0; i < r.name.size(); i++)
        if (r.name[i] == name) return (int)i;
    return -1;
}

/* Compare the rows of a moved run with those of the kept one: each row stays within a hair's
** tolerance and names the same check; a row that appears or vanishes, or jumps, does so only
** where the combinations that are checked changed for a named reason; so does a row that loses
** or gains its value (a block that nothing pulled may take the hair's small force, a rule may
** forbid a case), and it names why it has none. Return what moved, with its reason, one line
** each. */
std::vector<std::string> Compare_Rows(const Listed_Rows &base, const Listed_Rows &moved,
                                      const std::string &where)
{
    std::vector<std::string> seen;
    const bool checked_moved =
        base.refused_combinations != moved.refused_combinations || base.codes != moved.codes;
    const std::string why = !moved.reasons.empty() ? moved.reasons : base.reasons;
    std::vector<std::string> names = base.name;
    for (const std::string &n : moved.name)
        if (Row_Of(base, n) < 0) names.push_back(n);
    for (const std::string &n : names) {
        const int b = Row_Of(base, n), m = Row_Of(moved, n);
        if (b < 0 || m < 0) {
            EXPECT_TRUE(checked_moved && !why.empty())
                << where << ": row \"" << n << (b < 0 ? "\" appears" : "\" vanishes")
                << " without a named reason";
            if (checked_moved && !why.empty())
                seen.push_back(where + ": \"" + n + (b < 0 ? "\" appears: " : "\" vanishes: ")
                               + why);
            continue;
        }
        const double vb = base.value[(size_t)b], vm = moved.value[(size_t)m];
        if (vb < 0.0 || vm < 0.0) { /* no number: the row says why it has none */
            if (vb == vm) continue;
            const std::string &own = vm < 0.0 ? moved.governs[(size_t)m] : base.governs[(size_t)b];
            /* a block that nothing pulled takes the hair's own small force, and a case that a
            ** rule of the standard forbids under the smallest force says so with the rule; any
            ** other change between a number and none is a jump */
            const double v = vm < 0.0 ? vb : vm;
            const bool fades = ((vb == UTIL_NOT_APPLICABLE || vm == UTIL_NOT_APPLICABLE) && v >= 0.0
                                && v <= Hair_Tolerance(0.0))
                               || vb == UTIL_NOT_ALLOWED || vm == UTIL_NOT_ALLOWED;
            const bool named = !own.empty() && (fades || (checked_moved && !why.empty()));
            EXPECT_TRUE(named) << where << ": row \"" << n << "\" " << vb << " -> " << vm
                               << " without a named reason (" << own << ")";
            if (named)
                seen.push_back(where + ": \"" + n + "\" " + (vm < 0.0 ? "loses" : "gains")
                               + " its value: " + own + (fades ? "" : "; " + why));
            continue;
        }
        const std::string &gb = base.governs[(size_t)b], &gm = moved.governs[(size_t)m];
        EXPECT_TRUE(gb == gm || checked_moved)
            << where << ": row \"" << n << "\" names \"" << gb << "\", then \"" << gm << "\"";
        if (std::fabs(vm - vb) <= Hair_Tolerance(vb)) continue;
        EXPECT_TRUE(checked_moved && !why.empty())
            << where << ": row \"" << n << "\" jumps from " << vb << " to " << vm;
        if (checked_moved && !why.empty())
            seen.push_back(where + ": \"" + n + "\" " + std::to_string(vb) + " -> "
                           + std::to_string(vm) + ": " + why);
    }
    return seen;
}

/*
** No rule switches on where an action merely passes zero: raising or lowering N_d, V_d or M_d
** of any one combination by a hair moves no row of the utilisation list by more than 1 % of the
** row plus 0.001 nor changes the check a row names (the block checks on for every splice of
** plates), each splice with its own combinations and again with the turnable one where that was
** added. A row appears, vanishes or jumps only where a combination passes out of or into the
** checked ones (a tension splice checks N_d > 0 only) or the splice is refused, and then for the
** reason the page names; so does a row that passes between a number and none ("nicht
** nachweisbar" is a jump too), but for a block that nothing pulled, which takes the hair's own
** small force, and a case that a rule forbids ("unzul\x84ssig" with the rule). What moved is
** written with its reason.
*/
TEST_P(JointStatics, AHairOfAnActionMovesNoRowWithoutANamedReason)
{
    const Kept_Splice &k = GetParam();
    for (const bool turnable : {false, true}) {
        const Listed_Rows base = Run_With_Hair(k, turnable, -1, 0, 0, 0.0);
        if (turnable && !Turnable_Added) break;
        ASSERT_TRUE(base.codes.empty()) << k.name << ": " << base.reasons;
        ASSERT_FALSE(base.name.empty()) << k.name;
        std::vector<std::pair<int, int>> combinations;
        for (int g = 0; g < LKOM_GROUPS; g++)
            for (int e = 0; e < LKOM_ENTRIES; e++)
                if (Get_Lkom_Entry(g, e)->used) combinations.emplace_back(g, e);
        for (const auto &[g, e] : combinations)
            for (int action = 0; action < 3; action++)
                for (const double hair : {HAIR, -HAIR}) {
                    char where[160];
                    const char *name[3] = {"N_d", "V_d", "M_d"}, *unit[3] = {"kN", "kN", "kNm"};
                    snprintf(where, sizeof where, "%s%s, %s %+.2lf %s in group %d, entry %d",
                             k.name, turnable ? " (with the turnable combination)" : "",
                             name[action], hair, unit[action], g, e);
                    for (const std::string &line :
                         Compare_Rows(base, Run_With_Hair(k, turnable, g, e, action, hair), where))
                        std::printf("%s\n", line.c_str());
                }
    }
}

INSTANTIATE_TEST_SUITE_P(KeptSplices, JointStatics, ::testing::ValuesIn(Kept_Splices), Name_Of);
