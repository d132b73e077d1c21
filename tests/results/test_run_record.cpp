/*
** Tests of the record a design run over the combinations owns: the run starts from nothing an
** earlier design or run left in the caller's record and leaves that record as it found it, so
** runs interleaved with each other and with single designs, or beside designs in another thread,
** give the bytes each gives alone.
*/
#include "results_test_util.h"

#include <atomic>
#include <thread>
#include <vector>

#include "design/design_state.h"

namespace {

/* The three reference splices of the design-run tests. */
void Splice_Of(int k)
{
    if (k == 0) {
        Side_Timber_Nail_Splice();
        Tension_Splice(30.0);
    } else if (k == 1) {
        Inner_Plate_Dowel_Splice();
        Tension_Splice(100.0);
    } else {
        Outer_Plate_Bolt_Splice();
        Tension_Splice(60.0);
    }
}

/* What a run leaves for its readers: the print list's bytes, the largest utilisation, and the
** utilisation list and the governing combination of a run without print list. */
struct Run_Bytes {
    std::string print;
    double u_print = 0.0, u_page = 0.0;
    Utilisation_List list{};
    Governing_Lkom_Rec governing{-1, -1};
};

bool operator==(const Run_Bytes &a, const Run_Bytes &b)
{
    return a.print == b.print && std::memcmp(&a.u_print, &b.u_print, sizeof a.u_print) == 0
           && std::memcmp(&a.u_page, &b.u_page, sizeof a.u_page) == 0
           && std::memcmp(&a.list, &b.list, sizeof a.list) == 0
           && a.governing.group == b.governing.group && a.governing.entry == b.governing.entry;
}

/* Run the splice set up twice: without print list (the page's run), then into a print list. */
Run_Bytes Run_Set_Up(void)
{
    Run_Bytes r;
    if (Prepare_Splice_Calc() != 0) {
        ADD_FAILURE() << "the splice does not prepare";
        return r;
    }
    r.u_page = Run_Nachweise(nullptr, 0);
    std::memcpy(&r.list, &Splice_Input.utilisation, sizeof r.list);
    r.governing = Governing_Lkom;
    FILE *f = tmpfile();
    if (f == nullptr) {
        ADD_FAILURE() << "no scratch file";
        return r;
    }
    Oli_Init_Writer(3, 2, 1); /* headings numbered from 1, as in a new print list */
    r.u_print = Run_Nachweise(f, 0);
    r.print = Slurp_Print(f);
    fclose(f);
    return r;
}

/* Set up splice k and run it. */
Run_Bytes Run_Splice(int k)
{
    Splice_Of(k);
    return Run_Set_Up();
}

/* A design such as the fastener page makes in the caller's record between runs: a 4 mm nail
** through 30 mm into 40 mm of C24 that ends after 20 mm, which leaves notes in the message lists. */
Connection_Input Page_Nail(void)
{
    Connection_Input in{};
    in.vbm_type = VBM_NAGEL;
    in.steel_grade = -1;
    in.d = 4.0;
    in.d_k = 10.0;
    in.length = 50.0;
    in.shear_planes = 1;
    in.proof_method = 1;
    in.mat_1 = in.mat_2 = 0;
    in.grade_1 = in.grade_2 = 0;
    in.t1 = 30.0;
    in.t2 = 40.0;
    in.fu = 600.0;
    in.kmod_given = 0.8;
    in.gamma_m_1 = in.gamma_m_2 = 1.3;
    in.gamma_steel = 1.1;
    in.service_class_1 = in.service_class_2 = 1;
    in.split_rule = 1;
    in.washer_d = -1.0;
    in.alpha_1 = in.alpha_2 = 30.0;
    return in;
}

/* The page design's result bytes, message lists and hint text. */
struct Page_Design {
    int code = 0;
    Connection_Result result;
    Msg_Code_Block messages;
    std::string hint;
};

Page_Design Design_On_Page(void)
{
    Page_Design p;
    std::memset(&p.result, 0, sizeof p.result);
    p.code = Design_Connection(Page_Nail(), &p.result);
    p.messages = Msg_Codes;
    const char *hint = Get_Hint_Text(p.result.msg_code);
    p.hint = hint != nullptr ? hint : "";
    return p;
}

bool Same(const Page_Design &a, const Page_Design &b)
{
    return a.code == b.code && std::memcmp(&a.result, &b.result, sizeof a.result) == 0
           && std::memcmp(&a.messages, &b.messages, sizeof a.messages) == 0 && a.hint == b.hint;
}

} // namespace

TEST(RunRecord, RunTakesNothingFromTheCallersRecordAndLeavesIt)
{
    /* The dowel splice alone, from a fresh record of the caller. */
    const Run_Bytes alone = [] {
        Design_Run_Rec fresh;
        Design_Run_Scope scope(&fresh);
        return Run_Splice(1);
    }();
    ASSERT_EQ(alone.list.count, 6);
    EXPECT_NEAR(alone.list.value[0], 1.1583, 5e-5); /* the dowels (see the design-run tests) */

    /* A caller's record full of what earlier designs leave: message lists, texts and kept
    ** values (the sine and cosine of an angle, a yield moment of 1 Nmm for 12 mm dowels of fu 360
    ** N/mm², which a design that found it would take). */
    auto stale = std::make_unique<Design_Run_Rec>();
    stale->sin_cos_alpha = 0.0;
    stale->sin_alpha = 1.0;
    stale->cos_alpha = 0.0;
    stale->yield.valid = true;
    stale->yield.type = VBM_STABDUEBEL;
    stale->yield.threaded_rod = 0;
    stale->yield.d = 12.0;
    stale->yield.fu = 360.0;
    stale->yield.my = 1.0;
    stale->messages.count = 3;
    stale->messages.count2 = 2;
    for (int k = 0; k < 2 * MSG_LIST_SIZE; k++) stale->messages.codes[k] = 700 + k % 50;
    snprintf(stale->error_text, sizeof stale->error_text, "%s", "left over");
    snprintf(stale->hint_text, sizeof stale->hint_text, "%s", "left over");
    std::vector<unsigned char> before(sizeof(Design_Run_Rec));
    std::memcpy(before.data(), stale.get(), before.size());

    Design_Run_Scope scope(stale.get());
    EXPECT_TRUE(Run_Splice(1) == alone);
    /* nothing of the run is left in the caller's record: not a message, kept value or text */
    EXPECT_EQ(std::memcmp(before.data(), stale.get(), before.size()), 0);
}

TEST(RunRecord, InterleavedRunsAndPageDesignsGiveTheBytesOfSingleOnes)
{
    /* Each splice run alone and the page's design alone, each from a fresh record. */
    std::vector<Run_Bytes> alone;
    for (int k = 0; k < 3; k++) {
        Design_Run_Rec fresh;
        Design_Run_Scope scope(&fresh);
        alone.push_back(Run_Splice(k));
    }
    Page_Design page_alone;
    {
        Design_Run_Rec fresh;
        Design_Run_Scope scope(&fresh);
        page_alone = Design_On_Page();
    }
    ASSERT_GT(page_alone.messages.count + page_alone.messages.count2, 0);
    EXPECT_FALSE(alone[0] == alone[1]);

    /* Runs of the three splices in turn in one record of the caller, a page design between
    ** them: every run gives its bytes alone, and the page design's lists and texts are still
    ** there after the runs. */
    Design_Run_Rec caller;
    Design_Run_Scope scope(&caller);
    const int order[] = {1, 0, 2, 1, 2, 0, 0, 1};
    for (int i = 0; i < 8; i++) {
        const int k = order[i];
        const Page_Design page = Design_On_Page();
        EXPECT_TRUE(Same(page, page_alone)) << "page design before run " << i;
        EXPECT_TRUE(Run_Splice(k) == alone[(size_t)k]) << "run " << i << " of splice " << k;
        EXPECT_EQ(std::memcmp(&Msg_Codes, &page_alone.messages, sizeof(Msg_Code_Block)), 0)
            << "messages after run " << i;
        EXPECT_EQ(page_alone.hint, Get_Hint_Text(page_alone.result.msg_code)) << i;
    }
}

TEST(RunRecord, RunBesideDesignsInAnotherThread)
{
    /* The dowel splice run again and again while another thread designs the page's nail: each
    ** side gives its bytes alone. The splice is set up (and its catalogues loaded) before the
    ** other thread starts: the runs then only read what the designs read. */
    const Run_Bytes alone = Run_Splice(1);
    const Page_Design page_alone = [] {
        Design_Run_Rec fresh;
        Design_Run_Scope scope(&fresh);
        return Design_On_Page();
    }();
    std::atomic<bool> running{true};
    std::atomic<int> designs{0}, wrong{0};
    std::thread other([&] {
        while (running.load() || designs.load() < 50) {
            if (!Same(Design_On_Page(), page_alone)) wrong++;
            designs++;
        }
    });
    int runs_wrong = 0;
    for (int round = 0; round < 6; round++)
        if (!(Run_Set_Up() == alone)) runs_wrong++;
    running = false;
    other.join();
    EXPECT_EQ(runs_wrong, 0);
    EXPECT_EQ(wrong.load(), 0) << "of " << designs.load() << " designs";
}
