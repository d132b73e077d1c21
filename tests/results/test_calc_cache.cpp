/*
** Tests of the computation as the pages ask for it: the input generation follows every change a
** computation reads and no other, the preparation and the design run are not repeated without a
** change, and every sequence of page visits, edits, fastener designs and prints leaves the globals
** byte for byte as running the computations every time does (the computations are idempotent).
*/
#include "results_test_util.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "dialogs/dialogs.h"
#include "platform/zelkwin.h"
#include "platform/zelkwin_test.h"

namespace {

/* ---------------------------------------------------------------- splices */

/* Three splices that write the kept results differently: inner plates with dowels (the plate
** bearing sets the partial factors in the preparation) with an accidental first combination;
** side timbers with nails and the thickness and length left to the program; outer plates with
** bolts in tension. */
void Plate_Dowel_Splice(void)
{
    Fresh_Splice(true);
    Splice_Input_Record *si = &Splice_Input;
    si->connection_kind = CONN_INNER_PLATES;
    si->splice_kind = SPLICE_BENDING;
    si->b = 20.0;
    si->h = 60.0;
    si->h_p = 56.0;
    si->plate_count = 2.0;
    si->t_p = 1.0;
    si->L_user = 0;
    si->vbm_type = 29;
    si->vbm_row = 3;
    si->d = 12.0;
    Set_Layout(4, 3);
    for (int g = 0; g < 3; g++) {
        Splice_Input.lkom.groups[g].kmod_source = g == 1 ? 1 : 0;
        Splice_Input.lkom.groups[g].kmod = 0.8;
        for (int e = 0; e < 7; e++)
            Set_Lkom(g, e, 20.0 + 3.0 * e - 2.0 * g, 40.0 * std::cos(e + g), 12.0 + e,
                     g == 0 && e == 0);
    }
}

void Nail_Splice(void)
{
    Fresh_Splice(true);
    Splice_Input_Record *si = &Splice_Input;
    si->connection_kind = CONN_SIDE_TIMBERS;
    si->splice_kind = SPLICE_TENSION;
    si->vbm_type = 0;
    si->vbm_row = 2;
    si->d = 4.2;
    si->l = 110.0;
    si->t_s_user = 0;
    si->L_user = 0;
    Set_Layout(6, 4);
    for (int e = 0; e < 9; e++) Set_Lkom(0, e, 0.0, 30.0 + 5.0 * e, 0.0, e == 4);
}

void Bolt_Splice(void)
{
    Fresh_Splice(false);
    Splice_Input_Record *si = &Splice_Input;
    si->connection_kind = CONN_OUTER_PLATES;
    si->splice_kind = SPLICE_TENSION;
    si->vbm_type = 30;
    si->d = 16.0;
    si->d_bolt = 16.0;
    si->t_p = 1.0;
    si->L_user = 0;
    Set_Layout(3, 2);
    for (int e = 0; e < 5; e++) Set_Lkom(1, e, 0.0, 60.0 + 20.0 * e, 0.0);
}

typedef void (*Splice_Fn)(void);
const Splice_Fn Splices[] = {Plate_Dowel_Splice, Nail_Splice, Bolt_Splice};

/* ---------------------------------------------------------------- the world's state */

/* Everything the computations leave that a page, a save or the print list may read. */
struct World {
    std::vector<unsigned char> input, pattern;
    Governing_Lkom_Rec governing;
};

World Take_World(void)
{
    World w;
    w.input.assign((const unsigned char *)&Splice_Input,
                   (const unsigned char *)&Splice_Input + sizeof Splice_Input);
    const size_t n = offsetof(Fastener_Pattern_Rec, recs)
                     + sizeof(Fastener_Rec) * (size_t)std::max(Fastener_Pattern.count, 0);
    w.pattern.assign((const unsigned char *)&Fastener_Pattern,
                     (const unsigned char *)&Fastener_Pattern + n);
    w.governing = Governing_Lkom;
    return w;
}

void Put_World(const World &w)
{
    memcpy(&Splice_Input, w.input.data(), sizeof Splice_Input);
    memset(&Fastener_Pattern, 0, sizeof Fastener_Pattern);
    memcpy(&Fastener_Pattern, w.pattern.data(), w.pattern.size());
    Governing_Lkom = w.governing;
}

/* First differing byte of the input record (as an offset), or -1. */
long First_Difference(const World &a, const World &b)
{
    for (size_t i = 0; i < a.input.size(); i++)
        if (a.input[i] != b.input[i]) return (long)i;
    return -1;
}

/* ---------------------------------------------------------------- page actions */

enum Action {
    PAGE_PREPARED,
    PAGE_CHECKED,
    FASTENER_DESIGN,
    PRINT_RUN,
    EDIT_FORCE,
    EDIT_COMMENT,
    ACTIONS
};

/* The fastener page's design after its preparation: what it writes beside the run. */
void Fastener_Design(void)
{
    Connection_Input in;
    memset(&in, 0, sizeof in);
    Fill_Vbm_Design_Input(&in, 2, 0.0, 0.0, 12, 1, 0, 1, 0.9);
    Connection_Result r;
    memset(&r, 0, sizeof r);
    Design_Connection(in, &r);
}

/* A print's computation: the preparation and the run with a file, told to the cache as the
** program's print does. */
void Print_Run(bool cached)
{
    FILE *f = tmpfile();
    ASSERT_NE(f, nullptr);
    const uint32_t g = cached ? Splice_Input_Generation() : 0;
    if (Prepare_Splice_Calc() == 0) Run_Nachweise(f, 0);
    fclose(f);
    if (cached) Splice_Calc_Written(g);
}

/* One action, by the pages (cached) or as the pages did before (computing every time). Writes
** what the page would show into *shown. */
void Do(Action a, bool cached, int step, double *shown)
{
    switch (a) {
    case PAGE_PREPARED: *shown = cached ? Splice_Calc_Prepared() : Prepare_Splice_Calc(); break;
    case PAGE_CHECKED:
        if (cached) {
            int code = 0;
            *shown = Splice_Calc_Checked(&code) + 1000.0 * code;
        } else {
            const int code = Prepare_Splice_Calc();
            *shown = (code == 0 ? Run_Nachweise(nullptr, 0) : 0.0) + 1000.0 * code;
        }
        break;
    case FASTENER_DESIGN:
        if (cached) Splice_Calc_Prepared();
        else Prepare_Splice_Calc();
        Fastener_Design();
        break;
    case PRINT_RUN: Print_Run(cached); break;
    case EDIT_FORCE:
        for (int g = 0; g < LKOM_GROUPS; g++)
            if (Splice_Input.lkom.groups[g].used) {
                Splice_Input.lkom.groups[g].entries[1].N_d += 7.5;
                break;
            }
        break;
    case EDIT_COMMENT:
        snprintf(Splice_Input.lkom.groups[0].entries[0].comment, LKOM_COMMENT_MAX + 1, "Schritt %d",
                 step);
        break;
    default: break;
    }
}

class CalcCache : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ZW_Test_Reset();
        Splice_Calc_Forget();
    }
    void TearDown() override { Splice_Calc_Forget(); }
};

} // namespace

/* ---------------------------------------------------------------- idempotence */

TEST_F(CalcCache, BothComputationsGiveTheirOwnResultAgain)
{
    for (Splice_Fn splice : Splices) {
        splice();
        ASSERT_EQ(Prepare_Splice_Calc(), 0);
        const World once = Take_World();
        ASSERT_EQ(Prepare_Splice_Calc(), 0);
        EXPECT_EQ(First_Difference(once, Take_World()), -1);
        EXPECT_EQ(once.pattern, Take_World().pattern);

        Run_Nachweise(nullptr, 0);
        const World checked = Take_World();
        ASSERT_EQ(Prepare_Splice_Calc(), 0);
        Run_Nachweise(nullptr, 0);
        const World again = Take_World();
        EXPECT_EQ(First_Difference(checked, again), -1);
        EXPECT_EQ(checked.pattern, again.pattern);
        EXPECT_EQ(checked.governing.group, again.governing.group);
        EXPECT_EQ(checked.governing.entry, again.governing.entry);
    }
}

/* ---------------------------------------------------------------- the generation */

TEST_F(CalcCache, TheGenerationFollowsWhatTheComputationsRead)
{
    Plate_Dowel_Splice();
    const uint32_t g0 = Splice_Input_Generation();
    EXPECT_EQ(Splice_Input_Generation(), g0);
    /* texts that no computation reads */
    snprintf(Splice_Input.lkom.groups[0].entries[3].comment, LKOM_COMMENT_MAX + 1, "%-70s", "Wind");
    snprintf(Splice_Input.Char_Actions[2].remark, sizeof Splice_Input.Char_Actions[2].remark,
             "Schnee");
    EXPECT_EQ(Splice_Input_Generation(), g0);
    /* a force, a flag after the comment, a kmod, an action, a print setting */
    uint32_t g = g0;
    auto changed = [&g]() {
        const uint32_t now = Splice_Input_Generation();
        const bool c = now != g;
        g = now;
        return c;
    };
    Splice_Input.lkom.groups[2].entries[6].M_d += 0.001;
    EXPECT_TRUE(changed());
    Splice_Input.lkom.groups[0].entries[999].kled = 3;
    EXPECT_TRUE(changed());
    Splice_Input.lkom.groups[1].kmod = 0.7;
    EXPECT_TRUE(changed());
    Splice_Input.Char_Actions[5].gamma_inf = 0.5;
    EXPECT_TRUE(changed());
    Splice_Input.print.combinations = 1;
    EXPECT_TRUE(changed());
    EXPECT_FALSE(changed());
    /* the annex: another block, a value in the block, no block */
    Nad_Record.ec5.gamma_m_accidental += 0.01;
    EXPECT_TRUE(changed());
    Nad_Record.ec3.ec3_1.gamma_m2 = 1.3;
    EXPECT_TRUE(changed());
    Use_Annex(false);
    EXPECT_TRUE(changed());
    /* the catalogues */
    Init_Dowel_Bolt_Diameters();
    EXPECT_TRUE(changed());
    EXPECT_FALSE(changed());
}

/* ---------------------------------------------------------------- once per change */

TEST_F(CalcCache, APageWithoutAChangeComputesNothing)
{
    Plate_Dowel_Splice();
    ASSERT_EQ(Splice_Calc_Prepared(), 0);
    uint32_t serial = Splice_Calc_Serial;
    EXPECT_EQ(Splice_Calc_Prepared(), 0);
    EXPECT_EQ(Splice_Calc_Serial, serial);

    int code = -1;
    const double total = Splice_Calc_Checked(&code);
    EXPECT_EQ(code, 0);
    EXPECT_GT(total, 0.0);
    EXPECT_EQ(Splice_Calc_Serial, serial + 1); /* the run alone: the preparation stands */
    serial = Splice_Calc_Serial;
    /* the utilisation page again, after the first page and after a print: the run is not
    ** repeated, its results are back */
    EXPECT_EQ(Splice_Calc_Checked(&code), total);
    EXPECT_EQ(Splice_Calc_Serial, serial);
    Splice_Input.utilisation.count = 0;
    EXPECT_EQ(Splice_Calc_Checked(&code), total); /* a change of a result is a change */
    /* fastener, timber, plate, its buckling at the compressed edge, hole, both block checks
    ** (switched off) */
    EXPECT_EQ(Splice_Input.utilisation.count, 7);
    serial = Splice_Calc_Serial;
    EXPECT_EQ(Splice_Calc_Prepared(), 0); /* the preparation runs: the run wrote since */
    EXPECT_EQ(Splice_Calc_Serial, serial + 1);
    /* the utilisation page and a page of the preparation again, in turn: neither computes; the
    ** preparation's state on the run's is put back */
    const World prepared_on_checked = Take_World();
    for (int visit = 0; visit < 2; visit++) {
        EXPECT_EQ(Splice_Calc_Checked(&code), total);
        EXPECT_EQ(Splice_Calc_Prepared(), 0);
        EXPECT_EQ(First_Difference(prepared_on_checked, Take_World()), -1);
        EXPECT_EQ(prepared_on_checked.pattern, Take_World().pattern);
    }
    EXPECT_EQ(Splice_Calc_Serial, serial + 1);
    Print_Run(true); /* empties the list: a print fills none */
    EXPECT_EQ(Splice_Input.utilisation.count, 0);
    serial = Splice_Calc_Serial;
    EXPECT_EQ(Splice_Calc_Checked(&code), total);
    EXPECT_EQ(Splice_Calc_Serial, serial);
    EXPECT_EQ(Splice_Input.utilisation.count, 7);

    /* a change computes again: the preparation and the run */
    Splice_Input.lkom.groups[0].entries[2].M_d = 80.0;
    const double changed = Splice_Calc_Checked(&code);
    EXPECT_NE(changed, total);
    EXPECT_EQ(Splice_Calc_Serial, serial + 2);
    /* the preparation's state of the present input is taken when nothing ran since it... */
    Splice_Input.lkom.groups[0].entries[2].M_d = 70.0;
    ASSERT_EQ(Splice_Calc_Prepared(), 0);
    serial = Splice_Calc_Serial;
    const double after_page = Splice_Calc_Checked(&code);
    EXPECT_EQ(Splice_Calc_Serial, serial + 1);
    /* ...not when something computed since (a print ran both) */
    Splice_Input.lkom.groups[0].entries[2].M_d = 80.0;
    ASSERT_EQ(Splice_Calc_Prepared(), 0);
    Print_Run(true);
    serial = Splice_Calc_Serial;
    EXPECT_EQ(Splice_Calc_Checked(&code), changed);
    EXPECT_EQ(Splice_Calc_Serial, serial + 2);
    EXPECT_NE(after_page, changed);
}

TEST_F(CalcCache, ADesignItsRulesRefuseIsRefusedOnceBeforeTheRun)
{
    Define_Prop_Sheet(0, 0, 900, 700, 1, 0, "Test", 40, 1);
    Activate_Prop_Sheet();
    const int area = SVA_Create(10, 10, 600, 400, 0, 0);
    Set_Utilisation_Page_Area(area, 0, 0, 580, 380);
    /* screws without a tensile strength: the rules of their design refuse them (code 87), for
    ** every combination alike, so the preparation refuses the splice before the run: no check
    ** shows the screws without a capacity */
    Nail_Splice();
    Splice_Input.vbm_type = 3;
    Splice_Input.d = 2.5;
    Splice_Input.l = 200.0;
    Splice_Input.fu_k = 0.0;
    int code = -1;
    auto texts = [area]() {
        std::vector<std::string> t;
        for (const SVA_Item *it = SVA_Get(area)->first; it; it = it->next)
            if (it->kind == SVA_TEXT) t.push_back(it->text);
        return t;
    };
    /* the computation shows nothing itself and runs no check; the page shows the refusal */
    Set_Run_Errors(nullptr, 0);
    EXPECT_EQ(Splice_Calc_Checked(&code), 0.0);
    EXPECT_EQ(code, DERR_FUK_ZERO);
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(Run_Error_Count(), 0);
    Show_Error_Code(-1, -1, -1, -1, -1, code);
    const std::vector<std::string> first = texts();
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0], Get_Refusal_Text(DERR_FUK_ZERO));
    /* the same input is not computed again, and gives the same refusal */
    const uint32_t serial = Splice_Calc_Serial;
    code = -1;
    Splice_Calc_Checked(&code);
    EXPECT_EQ(Splice_Calc_Serial, serial);
    EXPECT_EQ(code, DERR_FUK_ZERO);
    /* with a tensile strength the same screws are designed */
    Splice_Input.fu_k = 400.0;
    EXPECT_GT(Splice_Calc_Checked(&code), 0.0);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(Run_Error_Count(), 0);
    SVA_Delete(area);
    Set_Utilisation_Page_Area(-1, 0, 0, 0, 0);
    Undefine_Prop_Sheet();
}

/* ---------------------------------------------------------------- the same as computing always */

TEST_F(CalcCache, EverySequenceLeavesWhatComputingEveryTimeLeaves)
{
    unsigned seed = 20240611u;
    for (Splice_Fn splice : Splices) {
        for (int round = 0; round < 5; round++) {
            splice();
            const World start = Take_World();
            std::vector<Action> steps;
            for (int i = 0; i < 14; i++) {
                seed = seed * 1103515245u + 12345u;
                steps.push_back((Action)((seed >> 16) % ACTIONS));
            }
            /* before: every page computed */
            std::vector<World> expected;
            std::vector<double> expected_shown;
            for (size_t i = 0; i < steps.size(); i++) {
                double shown = 0.0;
                Do(steps[i], false, (int)i, &shown);
                expected.push_back(Take_World());
                expected_shown.push_back(shown);
            }
            /* now: the pages through the cache */
            Put_World(start);
            Splice_Calc_Forget();
            for (size_t i = 0; i < steps.size(); i++) {
                double shown = 0.0;
                Do(steps[i], true, (int)i, &shown);
                const World now = Take_World();
                ASSERT_EQ(First_Difference(expected[i], now), -1)
                    << "round " << round << " step " << i << " action " << steps[i];
                ASSERT_EQ(expected[i].pattern, now.pattern) << "round " << round << " step " << i;
                ASSERT_EQ(expected[i].governing.group, now.governing.group);
                ASSERT_EQ(expected[i].governing.entry, now.governing.entry);
                if (steps[i] == PAGE_PREPARED || steps[i] == PAGE_CHECKED) {
                    ASSERT_EQ(expected_shown[i], shown) << "round " << round << " step " << i;
                }
            }
        }
    }
}
