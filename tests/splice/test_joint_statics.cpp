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

/* An action moved by a hair (kN, kNm). A row moves in proportion to it: its step under the hair
** is ten times its step under a tenth of the hair within HAIR_PROPORTION, which is what the rows'
** arithmetic leaves (their terms of second order stay below 1e-6 in every splice of the set)
** and lies far below the last digit the page (0.1 %) and the print list (0.01) show; a jump J
** leaves 9 J, so that no step a reader could see passes. */
constexpr double HAIR = 0.01;
constexpr double HAIR_PROPORTION = 1e-5;

/* The utilisation list of one run and the reasons the program names for what it leaves out or
** refuses: the combinations a tension or compression splice does not check for the sign of N_d,
** the splice refused by its preparation, the design's errors. */
struct Listed_Rows {
    std::vector<std::string> name, governs;
    std::vector<double> value;
    std::vector<std::pair<int, int>> combination; /* (group, entry) that gives the row, or -1 */
    bool moved_checked = false; /* the moved combination is one of the checked ones */
    std::vector<int> codes;     /* the preparation's refusal, then the run's errors */
    std::string reasons;        /* their texts, as the page shows them */
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
        r.moved_checked = Is_Lkom_Valid(group, entry) != 0;
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
        int g = -1, e = -1;
        if (!Lkom_Of_Row_Number(u.lkom_row[i], &g, &e)) g = e = -1;
        r.combination.emplace_back(g, e);
    }
    Unchecked_Loads left_out;
    Get_Unchecked_Loads(&left_out);
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

/* A row's value as a number that moves: a row that does not apply (a block that nothing pulls)
** is 0, as the hair's own small force starts from it; other rows without a number are none. */
bool Moving_Value(double v, double *out)
{
    if (v == UTIL_NOT_APPLICABLE) v = 0.0;
    *out = v;
    return v >= 0.0;
}

/* Compare the rows of a run whose combination moved (group, entry) by the hair (moved) and by a
** tenth of it (tenth) with those of the kept one: each row moves in proportion to the hair,
** names the same check and is given by the same combination, but where the moved combination
** overtakes another or falls behind it. A row that does otherwise (appears, vanishes, jumps,
** passes between a number and none, changes its check or its combination) is excused only where
** the combinations that are checked changed (the moved one passed into or out of them) or the
** splice was refused, for the reason the page names; those are returned, one line each, and
** the test names each of them. Any other is a failure. */
std::vector<std::string> Compare_Rows(const Listed_Rows &base, const Listed_Rows &moved,
                                      const Listed_Rows &tenth, std::pair<int, int> combination,
                                      const std::string &where)
{
    std::vector<std::string> excused;
    const bool checked_moved =
        base.moved_checked != moved.moved_checked || base.codes != moved.codes;
    const std::string why = !moved.reasons.empty() ? moved.reasons : base.reasons;
    const bool named = checked_moved && !why.empty();
    auto excuse = [&](const std::string &row, const std::string &what,
                      const std::string &numbers = "") {
        EXPECT_TRUE(named) << where << ": row \"" << row << "\" " << what << numbers
                           << " without a named reason";
        if (named) excused.push_back(where + ": \"" + row + "\" " + what + ": " + why);
    };
    std::vector<std::string> names = base.name;
    for (const std::string &n : moved.name)
        if (Row_Of(base, n) < 0) names.push_back(n);
    for (const std::string &n : names) {
        const int b = Row_Of(base, n), m = Row_Of(moved, n), t = Row_Of(tenth, n);
        if (b < 0 || m < 0) {
            excuse(n, b < 0 ? "appears" : "vanishes");
            continue;
        }
        const double vb = base.value[(size_t)b], vm = moved.value[(size_t)m];
        double nb = 0.0, nm = 0.0, nt = 0.0;
        if (!Moving_Value(vb, &nb) || !Moving_Value(vm, &nm)) {
            /* no number: the row says why it has none, and keeps it */
            if (vb != vm) excuse(n, vm < 0.0 ? "loses its number" : "gains a number");
            continue;
        }
        /* a row that applies names its check (one that does not says why) */
        const bool applies = vb != UTIL_NOT_APPLICABLE && vm != UTIL_NOT_APPLICABLE;
        if (applies && base.governs[(size_t)b] != moved.governs[(size_t)m]) {
            excuse(n, "names \"" + moved.governs[(size_t)m] + "\" where it named \""
                          + base.governs[(size_t)b] + "\"");
            continue;
        }
        const auto cb = base.combination[(size_t)b], cm = moved.combination[(size_t)m];
        if (cb != cm && cb != combination && cm != combination) {
            excuse(n, "is given by another combination");
            continue;
        }
        const bool proportional = t >= 0 && Moving_Value(tenth.value[(size_t)t], &nt)
                                  && std::fabs((nm - nb) - 10.0 * (nt - nb)) <= HAIR_PROPORTION;
        if (!proportional)
            excuse(n, "jumps", " from " + std::to_string(vb) + " to " + std::to_string(vm));
    }
    return excused;
}

/* The rows whose step a changed set of checked combinations excuses, each with its reason: a
** tension splice checks N_d > 0 only, so that the combination of V_d = 60 kN alone passes into
** the checked ones with the least tension; with its angle of 90 degrees the least spacings and
** the layout change, and every row of the splice with them. */
struct Excused_Rows {
    const char *where; /* the splice, the action and the combination moved */
    const char *rows;  /* the rows, each "name" what, one a line */
    const char *why;   /* what the page names */
};
const Excused_Rows Excused[] = {
    {"zugstoss_mit_querkraft, N_d +0.01 kN in group 0, entry 2",
     "\"Verbindungsmittel\" jumps\n\"Holz\" jumps\n\"Stahlblech\" jumps\n"
     "\"Stahlblech, Knicken\" jumps\n\"Lochleibung\" jumps\n\"Blockscherversagen\" jumps\n"
     "\"Blockversagen Bleche\" jumps",
     "Wichtig! 1 Lastkombination mit N_d \xF3 0 wird beim Zugsto\xE1 nicht nachgewiesen, max "
     "|N_d| = 0.00 kN, max |V_d| = 60.00 kN. Diese Kombination mit der Sto\xE1"
     "art Biegesto\xE1 nachweisen"},
};

/* The excused lines that the table names for a splice, in the form Compare_Rows writes them. */
std::vector<std::string> Excused_Of(const std::string &splice)
{
    std::vector<std::string> out;
    for (const Excused_Rows &x : Excused) {
        if (std::string(x.where).rfind(splice + ",", 0) != 0) continue;
        std::string rows = x.rows;
        for (size_t at = 0; at <= rows.size();) {
            size_t end = rows.find('\n', at);
            if (end == std::string::npos) end = rows.size();
            out.push_back(std::string(x.where) + ": " + rows.substr(at, end - at) + ": " + x.why);
            at = end + 1;
        }
    }
    return out;
}

/*
** No rule switches on where an action merely passes zero: raising or lowering N_d, V_d or M_d
** of any one combination by a hair moves every row of the utilisation list in proportion to the
** hair and leaves the check a row names and the combination that gives it (but where the moved
** combination overtakes another or falls behind it), the block checks on for every splice of
** plates, each splice with its own combinations and again with the turnable one where that was
** added. A row that does otherwise does so only where the moved combination passes out of or
** into the checked ones (a tension splice checks N_d > 0 only) or the splice is refused, for the
** reason the page names; the table Excused names each such row with that reason.
*/
TEST_P(JointStatics, AHairOfAnActionMovesNoRowWithoutANamedReason)
{
    const Kept_Splice &k = GetParam();
    std::vector<std::string> excused;
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
                    const Listed_Rows moved = Run_With_Hair(k, turnable, g, e, action, hair);
                    const Listed_Rows tenth = Run_With_Hair(k, turnable, g, e, action, hair / 10);
                    for (const std::string &line : Compare_Rows(base, moved, tenth, {g, e}, where))
                        excused.push_back(line);
                }
    }
    const std::vector<std::string> named = Excused_Of(k.name);
    EXPECT_EQ(excused, named) << k.name << ": the rows excused differ from those the table names";
}

INSTANTIATE_TEST_SUITE_P(KeptSplices, JointStatics, ::testing::ValuesIn(Kept_Splices), Name_Of);
