/*
** Tests of the reuse within a design run: a design split into the part without the angles and
** the part at one angle gives the whole design, the kept forces of a combination follow every
** change of what they were computed from, and the kept intermediate values of the embedment and
** the yield moment follow their arguments.
*/
#include "results_test_util.h"

#include <vector>

/* ---------------------------------------------------------------- comparison of results */

/* Every field of two results, bitwise (a NaN equals the same NaN); the spacing fields only
** when `spacings`. Writes the first differing field to *what. */
static bool Same_Result(const Connection_Result &a, const Connection_Result &b, bool spacings,
                        const char **what)
{
#define SAME(f)                                     \
    if (std::memcmp(&a.f, &b.f, sizeof a.f) != 0) { \
        *what = #f;                                 \
        return false;                               \
    }
    // clang-format off
    SAME(rk_lateral) SAME(rk_connector) SAME(rd_connector) SAME(rd_lateral) SAME(gamma_lateral)
    SAME(gamma_connector) SAME(k_red) SAME(fu_used) SAME(beta) SAME(l_ef) SAME(rk_total)
    SAME(rd_total) SAME(f_head) SAME(f_ax_thread_1) SAME(f_ax_point) SAME(f_ax_head)
    SAME(l_thread_1) SAME(l_thread_2) SAME(r_ax_copy) SAME(r_ax) SAME(r_ax_d) SAME(f_ax_param)
    SAME(f_head_param) SAME(rope_share) SAME(k_d) SAME(f_ax_k) SAME(f_ax_k_2) SAME(f_ax_unit)
    SAME(panel_factor) SAME(k_p) SAME(rho_1) SAME(rho_2) SAME(k_n) SAME(k_alpha) SAME(k_3)
    SAME(k_1) SAME(k_2) SAME(a3t_min) SAME(k_90) SAME(fh0_k) SAME(my_rk) SAME(fh1_k) SAME(fh2_k)
    SAME(my_d) SAME(fh1_d) SAME(fh2_d) SAME(t_req_1) SAME(t_req_2) SAME(c_p) SAME(kmod_1)
    SAME(kmod_2) SAME(rule_design) SAME(rule_char) SAME(point_member) SAME(steel_governs)
    SAME(k_ser) SAME(compression) SAME(t_ef) SAME(buckling_char) SAME(buckling_design)
    SAME(plate_class) SAME(alu_fu) SAME(alu_gamma) SAME(alu_k1) SAME(alu_alpha_b) SAME(alu_fb_rk)
    SAME(alu_fb_rd) SAME(msg_code) SAME(washer_fc90) SAME(washer_outer) SAME(washer_hole)
    SAME(washer_plate)
    if (spacings) {
        SAME(spacing_rule_1) SAME(spacing_rule_2) SAME(spacing_1) SAME(spacing_2)
    }
    // clang-format on
#undef SAME
    return true;
}

/* The counts and the codes in use of both message lists. */
static bool Same_Messages(const Msg_Code_Block &a, const Msg_Code_Block &b)
{
    if (a.count != b.count || a.count2 != b.count2) return false;
    for (int k = 0; k < a.count; k++)
        if (a.codes[k] != b.codes[k]) return false;
    for (int k = 0; k < a.count2; k++)
        if (a.codes[MSG_LIST_SIZE + k] != b.codes[MSG_LIST_SIZE + k]) return false;
    return true;
}

/* Message lists as an earlier design may leave them. */
static Msg_Code_Block Leftover_Messages(void)
{
    Msg_Code_Block m{};
    m.count = 3;
    m.count2 = 2;
    for (int k = 0; k < 2 * MSG_LIST_SIZE; k++) m.codes[k] = 700 + k % 50;
    return m;
}

/* ---------------------------------------------------------------- reference splices */

/* Two inner plates 1 x 20 cm in a 16 x 24 cm C24 member, 12 mm dowels, 2 x 3 per half. */
static void Inner_Plate_Dowels(double N)
{
    Inner_Plate_Dowel_Splice();
    Tension_Splice(N);
}

/* Outer plates 1 x 24 cm on a 12 x 24 cm member, M12 bolts, 2 x 2 per half. */
static void Outer_Plate_Bolts(double N)
{
    Outer_Plate_Bolt_Splice();
    Tension_Splice(N);
}

/* Nails 4.2 x 110 mm, side timbers 6 cm, middle 12 cm, height 20 cm, 4 x 3 nails per half. */
static void Side_Timber_Nails(double N)
{
    Side_Timber_Nail_Splice();
    Tension_Splice(N);
}

/* The connection input of combination (0, 0) of the prepared splice. */
static Connection_Input Input_Of_First(void)
{
    Connection_Input in;
    const Lkom_Group *g = &Splice_Input.lkom.groups[0];
    Fill_Vbm_Design_Input(&in, g->kled, 0.0, 0.0, Fastener_Pattern.count, 1, 0, g->kmod_source,
                          g->kmod);
    return in;
}

/* Designs of one base at the angles in turn against Design_Connection at each. */
static void Expect_Base_Gives_Whole_Design(Connection_Input in, const char *name)
{
    static const double angles[] = {0.0, 90.0, 17.5, 45.0, 0.0, 3.25, 89.999, 17.5, 60.0};
    Connection_Base base;
    in.alpha_1 = in.alpha_2 = 33.0; /* the base does not read them */
    const int base_code = Design_Connection_Base(&in, &base);
    for (double a : angles) {
        for (int spacings = 0; spacings < 2; spacings++) {
            Connection_Input whole = in;
            whole.alpha_1 = whole.alpha_2 = a;
            Connection_Result r_whole{}, r_base{};
            /* both start from the same leftover messages: a refused input leaves them, an
            ** accepted one starts the lists again */
            Msg_Codes = Leftover_Messages();
            const int c_whole = Design_Connection(whole, &r_whole);
            const Msg_Code_Block msg_whole = Msg_Codes;
            Msg_Codes = Leftover_Messages();
            const int c_base = Design_Connection_At(&base, a, a, spacings, &r_base);
            EXPECT_EQ(c_whole, c_base) << name << " at " << a;
            if (c_whole == 0) { EXPECT_EQ(base_code, 0) << name; }
            const char *what = "";
            EXPECT_TRUE(Same_Result(r_whole, r_base, spacings != 0, &what))
                << name << " at " << a << ": " << what;
            EXPECT_TRUE(Same_Messages(msg_whole, Msg_Codes)) << name << " at " << a;
            if (!spacings) {
                for (int k = 0; k < 6; k++) {
                    EXPECT_EQ(r_base.spacing_1[k], 0.0) << name;
                    EXPECT_EQ(r_base.spacing_2[k], 0.0) << name;
                }
            }
        }
    }
}

/* ---------------------------------------------------------------- design base */

TEST(RunCache, BaseAndAngleGiveTheWholeDesign)
{
    Inner_Plate_Dowels(100.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    const Connection_Input dowels = Input_Of_First();
    Expect_Base_Gives_Whole_Design(dowels, "dowels, inner plates");
    /* the same input under the DIN rules, and in the simplified proof */
    Use_Annex(false);
    Expect_Base_Gives_Whole_Design(dowels, "dowels, inner plates, DIN");
    Use_Annex(true);
    Connection_Input simplified = dowels;
    simplified.proof_method = 0;
    Expect_Base_Gives_Whole_Design(simplified, "dowels, simplified");

    Outer_Plate_Bolts(60.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Expect_Base_Gives_Whole_Design(Input_Of_First(), "bolts, outer plates");

    Side_Timber_Nails(30.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    const Connection_Input nails = Input_Of_First();
    Expect_Base_Gives_Whole_Design(nails, "nails, side timbers");
    /* a screw (DIN 571) and a special nail in the same members: their own lateral rules, which
    ** change their input on the way, and their penetration messages */
    Connection_Input screw = nails;
    screw.vbm_type = 3;
    screw.d = 6.0;
    screw.length = 100.0;
    Expect_Base_Gives_Whole_Design(screw, "screw, side timbers");
    Connection_Input special = nails;
    special.vbm_type = 17;
    special.length = 90.0;
    Expect_Base_Gives_Whole_Design(special, "special nail, side timbers");
}

TEST(RunCache, BaseWithTooManyMessagesRunsTheWholeDesign)
{
    Side_Timber_Nails(30.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Connection_Input in = Input_Of_First();
    Connection_Base base;
    ASSERT_EQ(Design_Connection_Base(&in, &base), 0);
    base.repeatable = 0; /* as after more messages than a base keeps */
    for (double a : {0.0, 30.0, 90.0}) {
        in.alpha_1 = in.alpha_2 = a;
        Connection_Result r_whole{}, r_base{};
        Msg_Codes = Leftover_Messages();
        const int c_whole = Design_Connection(in, &r_whole);
        const Msg_Code_Block msg_whole = Msg_Codes;
        Msg_Codes = Leftover_Messages();
        EXPECT_EQ(Design_Connection_At(&base, a, a, 1, &r_base), c_whole);
        const char *what = "";
        EXPECT_TRUE(Same_Result(r_whole, r_base, true, &what)) << a << ": " << what;
        EXPECT_TRUE(Same_Messages(msg_whole, Msg_Codes)) << a;
    }
}

TEST(RunCache, RefusedInputLeavesTheResult)
{
    /* Under DIN 1052 a timber member thinner than 24 mm is refused (code 21) before anything
    ** is written. */
    Side_Timber_Nails(30.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Connection_Input in = Input_Of_First();
    Use_Annex(false);
    in.t1 = 20.0;
    Connection_Result whole;
    std::memset(&whole, 0x5A, sizeof whole);
    ASSERT_EQ(Design_Connection(in, &whole), 21);
    Connection_Base base;
    EXPECT_EQ(Design_Connection_Base(&in, &base), 21);
    Connection_Result r;
    std::memset(&r, 0x5A, sizeof r);
    EXPECT_EQ(Design_Connection_At(&base, 45.0, 45.0, 1, &r), 21);
    EXPECT_EQ(std::memcmp(&r, &whole, sizeof r), 0);
}

TEST(RunCache, DowelBesideInnerPlateAtTwoAngles)
{
    /* 12 mm dowel beside an inner plate, t1 = (160 - 20) / 3 = 46.667 mm, C24 (rho_k 350),
    ** kmod 0.9, gamma_M 1.3; My = 0.3 * 360 * 12^2.6 = 69071 Nmm (EN 1995-1-1, (8.30)),
    ** fh,0 = 0.082 * 0.88 * 350 = 25.256 N/mm² (8.32).
    ** 0 deg: (f) 14143, (g) 25.256 * 46.667 * 12 (sqrt(2 + 4 * 69071 / (25.256 * 12 *
    ** 46.667²)) - 1) = 7852.2, (h) 10523 N: R_d = 0.9 * 7.8522 / 1.3 = 5.4361 kN.
    ** 90 deg: k90 = 1.35 + 0.015 * 12 = 1.53, fh = 16.507 (8.31): (f) 9244.0, (g) 5777.0,
    ** (h) 8507.5 N: R_d = 0.9 * 5.7770 / 1.3 = 3.9995 kN. */
    Inner_Plate_Dowels(100.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Connection_Input in = Input_Of_First();
    Connection_Base base;
    ASSERT_EQ(Design_Connection_Base(&in, &base), 0);
    Connection_Result r{};
    for (int pass = 0; pass < 2; pass++) {
        ASSERT_EQ(Design_Connection_At(&base, 90.0, 90.0, 0, &r), 0);
        EXPECT_NEAR(r.fh1_k, 16.507, 5e-4);
        EXPECT_NEAR(r.rk_lateral, 5.7770, 5e-4);
        EXPECT_NEAR(r.rd_total, 3.9995, 5e-4);
        ASSERT_EQ(Design_Connection_At(&base, 0.0, 0.0, 0, &r), 0);
        EXPECT_NEAR(r.fh1_k, 25.256, 5e-4);
        EXPECT_NEAR(r.rk_lateral, 7.8522, 5e-4);
        EXPECT_NEAR(r.rd_total, 5.4361, 5e-4);
        EXPECT_NEAR(r.my_rk, 69071.0, 0.5);
    }
}

/* ---------------------------------------------------------------- kept values of the rules */

TEST(RunCache, EmbedmentFollowsTheAngle)
{
    /* fh0 / (cos²a + k90 sin²a), EN 1995-1-1, (8.31), fh0 = 20, k90 = 1.5 */
    EXPECT_DOUBLE_EQ(Calc_Fh_Alpha(20.0, 0.0, 1.5), 20.0);
    EXPECT_NEAR(Calc_Fh_Alpha(20.0, M_PI / 2.0, 1.5), 13.333333, 1e-6);
    EXPECT_DOUBLE_EQ(Calc_Fh_Alpha(20.0, 0.0, 1.5), 20.0);
    EXPECT_NEAR(Calc_Fh_Alpha(20.0, M_PI / 2.0, 1.5), 13.333333, 1e-6);
    /* 60 deg: sin² 0.75, cos² 0.25: 20 / 1.375 = 14.545 */
    EXPECT_NEAR(Calc_Fh_Alpha(20.0, M_PI / 3.0, 1.5), 14.545455, 1e-6);
    EXPECT_NEAR(Calc_Fh_Alpha(20.0, M_PI / 3.0, 1.0), 20.0, 1e-12);
    EXPECT_DOUBLE_EQ(Calc_Fh_Alpha(20.0, -0.0, 1.5), 20.0);
    /* near angles: 0.3 rad: sin² 0.087332, cos² 0.912668: 20 / 1.043666 = 19.1632;
    ** 0.31 rad: sin² 0.093060, cos² 0.906940: 20 / 1.046530 = 19.1108 */
    EXPECT_NEAR(Calc_Fh_Alpha(20.0, 0.3, 1.5), 19.1632, 5e-5);
    EXPECT_NEAR(Calc_Fh_Alpha(20.0, 0.31, 1.5), 19.1108, 5e-5);
    EXPECT_NEAR(Calc_Fh_Alpha(20.0, 0.3, 1.5), 19.1632, 5e-5);
}

TEST(RunCache, EmbedmentOfDowelsFollowsEveryArgument)
{
    /* fh,0 = 0.082 (1 - 0.01 d) rho_k (EN 1995-1-1, (8.32)); k90 = 1.35 + 0.015 d for solid
    ** softwood (material 0), 0.90 + 0.015 d for material 1 (8.33); fh = fh,0 / (cos² + k90 sin²)
    ** (8.31). Calls alternate so that each argument alone changes the value. */
    Use_Annex(true);
    double fh = -1.0;
    const double deg90 = M_PI / 2.0;
    EXPECT_EQ(Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/0.0,
                      /*t=*/46.7, /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr),
              0);
    EXPECT_NEAR(fh, 25.256, 1e-9);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/46.7,
            /*rho_k=*/420.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 30.3072, 1e-9);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/16.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/46.7,
            /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 24.108, 1e-9);
    /* 90 deg: k90 = 1.53: 25.256 / 1.53 = 16.507; 45 deg: 25.256 / (0.5 + 0.765) = 19.965 */
    Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/deg90, /*t=*/46.7,
            /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 16.5072, 5e-5);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/M_PI / 4.0,
            /*t=*/46.7, /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 19.9652, 5e-5);
    /* material 1: k90 = 1.08: 25.256 / 1.08 = 23.385 */
    Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/deg90, /*t=*/46.7,
            /*rho_k=*/350.0, /*mat=*/1, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 23.3852, 5e-5);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/deg90, /*t=*/46.7,
            /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 16.5072, 5e-5);
    /* 8 mm: fh,0 = 26.404; under EN k90 = 1.47: 17.962; under DIN 1052 k90 = 1 up to 8 mm
    ** (note 1008) */
    EXPECT_EQ(Calc_Fh(/*out_fh=*/&fh, /*d=*/8.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/deg90,
                      /*t=*/46.7, /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr),
              0);
    EXPECT_NEAR(fh, 17.9619, 5e-5);
    Use_Annex(false);
    EXPECT_EQ(Calc_Fh(/*out_fh=*/&fh, /*d=*/8.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/deg90,
                      /*t=*/46.7, /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr),
              1008);
    EXPECT_NEAR(fh, 26.404, 1e-9);
    Use_Annex(true);
    EXPECT_EQ(Calc_Fh(/*out_fh=*/&fh, /*d=*/8.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/deg90,
                      /*t=*/46.7, /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr),
              0);
    EXPECT_NEAR(fh, 17.9619, 5e-5);
    /* a user-defined member with coefficients: fh = 2 * 12^1 * t^0 * rho^0 = 24 */
    Vbm_User_Embedment user{2.0, 1.0, 0.0, 0.0, 1};
    Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/46.7,
            /*rho_k=*/350.0, /*mat=*/0, /*grade=*/-999, /*user=*/nullptr);
    EXPECT_NEAR(fh, 25.256, 1e-9);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/46.7,
            /*rho_k=*/350.0, /*mat=*/0, /*grade=*/-999, /*user=*/&user);
    EXPECT_NEAR(fh, 24.0, 1e-12);
    user.c0 = 3.0;
    Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/46.7,
            /*rho_k=*/350.0, /*mat=*/0, /*grade=*/-999, /*user=*/&user);
    EXPECT_NEAR(fh, 36.0, 1e-12);
    Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/0.0, /*t=*/46.7,
            /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr);
    EXPECT_NEAR(fh, 25.256, 1e-9);
    /* no density: not determinable (169) */
    EXPECT_EQ(Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/0.0,
                      /*t=*/46.7, /*rho_k=*/0.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr),
              169);
    EXPECT_EQ(Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/0.0,
                      /*t=*/46.7, /*rho_k=*/0.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr),
              169);
    EXPECT_EQ(Calc_Fh(/*out_fh=*/&fh, /*d=*/12.0, /*type=*/29, /*predrilled=*/0, /*alpha=*/0.0,
                      /*t=*/46.7, /*rho_k=*/350.0, /*mat=*/0, /*grade=*/0, /*user=*/nullptr),
              0);
}

TEST(RunCache, YieldMomentFollowsTheDiameter)
{
    /* My = 0.3 fu d^2.6 (EN 1995-1-1, (8.30)), fu 360: d 12: 69071, d 16: 145927 Nmm; beside
    ** an inner plate at 0 deg, C24, t1 = 60 mm */
    Use_Annex(true);
    const double expected[3] = {69071.0, 145927.0, 69071.0};
    const double d[3] = {12.0, 16.0, 12.0};
    for (int k = 0; k < 3; k++) {
        Connection_Result r{};
        Calc_Rk_Inner_Plate(/*proof_method=*/1, /*d=*/d[k], /*vbm_type=*/29, /*predrilled=*/0,
                            /*stainless=*/0, /*threaded_rod=*/0, /*fitted_bolt=*/0, /*alpha_1=*/0.0,
                            /*t1=*/60.0, /*rho_1=*/350.0, /*mat_1=*/0, /*grade_1=*/0, /*fu=*/360.0,
                            /*result=*/&r);
        EXPECT_NEAR(r.my_rk, expected[k], 0.5) << d[k];
    }
    Connection_Result r{};
    Calc_Rk_Inner_Plate(/*proof_method=*/1, /*d=*/12.0, /*vbm_type=*/29, /*predrilled=*/0,
                        /*stainless=*/0, /*threaded_rod=*/0, /*fitted_bolt=*/0, /*alpha_1=*/0.0,
                        /*t1=*/60.0, /*rho_1=*/350.0, /*mat_1=*/0, /*grade_1=*/0, /*fu=*/400.0,
                        /*result=*/&r);
    EXPECT_NEAR(r.my_rk, 69071.0 * 400.0 / 360.0, 0.5);
}

/* ---------------------------------------------------------------- kept forces */

static void Two_By_Two_Bending(void)
{
    Fresh_Splice(false);
    Set_Layout(2, 2);
    Build_Regular_Pattern(5.0, -5.0, 10.0, 10.0, 2);
    Calc_Pattern_Centroid(&Fastener_Pattern.x_c, &Fastener_Pattern.y_c, &Fastener_Pattern.I_p, 4,
                          Fastener_Pattern.recs);
    Splice_Input.shear_planes = 2;
    Lkom_Entry *c = Set_Lkom(0, 0, 10.0, 0.0, 20.0);
    c->M_distr = 12.0;
}

/* F and the angle (degrees) of fasteners 0 and 2 as all-fastener requests give them. Every
** request, the first one after a change (computed) and the ones after it (kept), gives bit for
** bit what the force of the single fastener gives. */
static void Expect_Forces(int n, double F0, double a0, double F2, double a2, const char *when)
{
    double My1[4] = {}, Fx1[4] = {}, Fy1[4] = {}, F1[4] = {}, ang1[4] = {};
    Get_Fastener_Forces_All(0, 0, n, My1, Fx1, Fy1, F1, ang1);
    for (int i = 0; i < n; i++) {
        double my = -1, fx = -1, fy = -1, f = -1, a = -1;
        Get_Fastener_Force(/*group=*/0, /*entry=*/0, /*i=*/i, /*n=*/n, /*N_part=*/nullptr,
                           /*V_part=*/nullptr, /*M_part=*/nullptr, /*M_x=*/nullptr, /*M_y=*/&my,
                           /*F_x=*/&fx, /*F_y=*/&fy, /*F=*/&f, /*angle=*/&a);
        EXPECT_EQ(My1[i], my) << when << " " << i;
        EXPECT_EQ(Fx1[i], fx) << when << " " << i;
        EXPECT_EQ(Fy1[i], fy) << when << " " << i;
        EXPECT_EQ(F1[i], f) << when << " " << i;
        EXPECT_EQ(ang1[i], a) << when << " " << i;
    }
    double F[4] = {-1, -1, -1, -1}, ang[4] = {-1, -1, -1, -1};
    Get_Fastener_Forces_All(0, 0, n, nullptr, nullptr, nullptr, F, ang);
    EXPECT_NEAR(F[0], F0, 5e-4) << when;
    EXPECT_NEAR(ang[0] * 180.0 / M_PI, a0, 5e-3) << when;
    if (n > 2) {
        EXPECT_NEAR(F[2], F2, 5e-4) << when;
        EXPECT_NEAR(ang[2] * 180.0 / M_PI, a2, 5e-3) << when;
    }
    /* a request for one of them alone, and one with the components, agree */
    double F_only[4] = {}, ang_only[4] = {}, Fx[4] = {}, Fy[4] = {}, My[4] = {}, F_all[4] = {},
           ang_all[4] = {};
    Get_Fastener_Forces_All(0, 0, n, nullptr, nullptr, nullptr, F_only, nullptr);
    Get_Fastener_Forces_All(0, 0, n, nullptr, nullptr, nullptr, nullptr, ang_only);
    Get_Fastener_Forces_All(0, 0, n, My, Fx, Fy, F_all, ang_all);
    for (int i = 0; i < n; i++) {
        EXPECT_EQ(F_only[i], F[i]) << when << " " << i;
        EXPECT_EQ(ang_only[i], ang[i]) << when << " " << i;
        EXPECT_EQ(F_all[i], F[i]) << when << " " << i;
        EXPECT_EQ(ang_all[i], ang[i]) << when << " " << i;
        EXPECT_EQ(My[i], My1[i]) << when << " " << i;
        EXPECT_EQ(Fx[i], Fx1[i]) << when << " " << i;
        EXPECT_EQ(Fy[i], Fy1[i]) << when << " " << i;
        EXPECT_EQ(F[i], F1[i]) << when << " " << i;
        EXPECT_EQ(ang[i], ang1[i]) << when << " " << i;
    }
}

TEST(RunCache, KeptForcesFollowTheCombinationAndThePattern)
{
    /* M = 12 kNm = 1200 kNcm, I_p = 200, s = 2, V = 20 / 4 / 2 = 2.5; the moment turns against
    ** V_d at the far column (M_c = -1200 kNcm): fastener 0 (5, -5), next to the joint: F_x = -15,
    ** F_y = 2.5 + 15 = 17.5: F = 23.049 kN at 49.40 deg; fastener 2 (15, -5): F_x = -15, F_y =
    ** -12.5: F = 19.526 kN at 39.81 deg. */
    Two_By_Two_Bending();
    Expect_Forces(4, 23.049, 49.40, 19.526, 39.81, "first");
    Expect_Forces(4, 23.049, 49.40, 19.526, 39.81, "again");

    /* M_d = 20: M = 20 + 2 = 22 kNm: 2200 * 5 / 200 / 2 = 27.5: F_x = -27.5, F_y = 30 and -25:
    ** 40.697 kN at 47.49 deg, 37.165 kN at 42.27 deg */
    Lkom_Entry *c = Get_Lkom_Entry(0, 0);
    c->M_d = 20.0;
    c->M_distr = 22.0;
    Expect_Forces(4, 40.697, 47.49, 37.165, 42.27, "larger moment");
    c->M_d = 10.0;
    c->M_distr = 12.0;
    Expect_Forces(4, 23.049, 49.40, 19.526, 39.81, "moment back");
    /* the moment for distribution alone (the preparation run sets it from M_d, V_d and x_c) */
    c->M_distr = 22.0;
    Expect_Forces(4, 40.697, 47.49, 37.165, 42.27, "moment for distribution");
    c->M_distr = 12.0;
    Expect_Forces(4, 23.049, 49.40, 19.526, 39.81, "moment for distribution back");
    /* a tension splice distributes V_d and the stored moment for distribution (which the
    ** preparation sets from V_d alone) as a bending splice does */
    Splice_Input.splice_kind = SPLICE_TENSION;
    Expect_Forces(4, 23.049, 49.40, 19.526, 39.81, "tension with shear");
    Splice_Input.splice_kind = SPLICE_BENDING;
    Expect_Forces(4, 23.049, 49.40, 19.526, 39.81, "bending again");

    /* N = 40: 40 / 4 / 2 = 5 more along the grain: F_x = -10, F_y = 17.5: 20.156 kN at 60.255
    ** deg; F_x = -10, F_y = -12.5: 16.008 kN at 51.34 deg */
    c->N_d = 40.0;
    Expect_Forces(4, 20.156, 60.255, 16.008, 51.34, "normal force");
    c->N_d = 0.0;
    Expect_Forces(4, 23.049, 49.40, 19.526, 39.81, "normal force back");
    /* V = 40: 5 across: F_y = 20 and -10: 25.0 kN at 53.13 deg, 18.028 kN at 33.69 deg */
    c->V_d = 40.0;
    Expect_Forces(4, 25.0, 53.13, 18.028, 33.69, "shear force");
    c->V_d = 20.0;
    Expect_Forces(4, 23.049, 49.40, 19.526, 39.81, "shear force back");
    /* a negative moment changes nothing: the half that governs is drawn by V_d */
    c->M_d = -10.0;
    Expect_Forces(4, 23.049, 49.40, 19.526, 39.81, "negative moment");
    c->M_d = 10.0;
    Expect_Forces(4, 23.049, 49.40, 19.526, 39.81, "negative moment back");

    /* four shear planes: 1200 * 5 / 200 / 4 = 7.5, V = 1.25: F_x = -7.5, F_y = 8.75: 11.524 kN
    ** at 49.40 deg */
    Splice_Input.shear_planes = 4;
    Expect_Forces(4, 11.524, 49.40, 9.763, 39.81, "shear planes");
    Splice_Input.shear_planes = 2;
    Expect_Forces(4, 23.049, 49.40, 19.526, 39.81, "shear planes back");

    /* two of the fasteners only: V = 20 / 2 / 2 = 5: F_x = -15, F_y = 20: 25.0 kN at 53.13 */
    Expect_Forces(2, 25.0, 53.13, 0.0, 0.0, "two fasteners");
    Expect_Forces(4, 23.049, 49.40, 19.526, 39.81, "four fasteners");

    /* a fastener moved (the centroid kept): fastener 0 at (5, -10): dy = -10: F_x = -30,
    ** F_y = 17.5: 34.731 kN at 30.26 deg */
    Fastener_Pattern.recs[0].y = -10.0;
    Expect_Forces(4, 34.731, 30.26, 19.526, 39.81, "moved fastener");
    Fastener_Pattern.recs[0].y = -5.0;
    Expect_Forces(4, 23.049, 49.40, 19.526, 39.81, "fastener back");
    /* I_p doubled: half the moment parts: F_x = -7.5, F_y = 2.5 + 7.5 = 10: 12.5 at 53.13 */
    Fastener_Pattern.I_p = 400.0;
    Expect_Forces(4, 12.5, 53.13, 9.014, 33.69, "polar moment");
    Fastener_Pattern.I_p = 200.0;
    Expect_Forces(4, 23.049, 49.40, 19.526, 39.81, "polar moment back");
    /* the centroid moved to x_c = 5: fastener 0 dx = 0: F_x = -15, F_y = 2.5: 15.207 kN at
    ** 9.46 deg; fastener 2 dx = 10: F_y = 2.5 - 30 = -27.5: 31.325 kN at 61.39 deg */
    Fastener_Pattern.x_c = 5.0;
    Expect_Forces(4, 15.207, 9.46, 31.325, 61.39, "centroid");
    Fastener_Pattern.x_c = 10.0;
    Expect_Forces(4, 23.049, 49.40, 19.526, 39.81, "centroid back");
    /* the centroid moved across: y_c = 5: dy = -10: fastener 0 as the moved fastener;
    ** fastener 2: F_x = -30, F_y = -12.5: 32.5 kN at 22.62 deg */
    Fastener_Pattern.y_c = 5.0;
    Expect_Forces(4, 34.731, 30.26, 32.5, 22.62, "centroid across");
    Fastener_Pattern.y_c = 0.0;
    Expect_Forces(4, 23.049, 49.40, 19.526, 39.81, "centroid across back");
    /* a moved fastener x: fastener 0 at x = 0: dx = -10: F_y = 2.5 + 30 = 32.5, F_x = -15:
    ** 35.795 kN at 65.22 deg */
    Fastener_Pattern.recs[0].x = 0.0;
    Expect_Forces(4, 35.795, 65.22, 19.526, 39.81, "fastener along");
    Fastener_Pattern.recs[0].x = 5.0;
    Expect_Forces(4, 23.049, 49.40, 19.526, 39.81, "fastener along back");
    /* a pattern of three fasteners (centroid and I_p kept): V = 20 / 3 / 2 = 3.3333:
    ** fastener 0: F_y = 18.333: 23.688 kN at 50.71 deg; fastener 2: F_y = -11.667: 19.003 kN
    ** at 37.87 deg */
    Fastener_Pattern.count = 3;
    Expect_Forces(3, 23.688, 50.71, 19.003, 37.87, "three fasteners");
    Fastener_Pattern.count = 4;
    Expect_Forces(4, 23.049, 49.40, 19.526, 39.81, "four again");
    /* tension splice without shear: no moment for distribution, N alone */
    Splice_Input.splice_kind = SPLICE_TENSION;
    c->N_d = 40.0;
    c->V_d = 0.0;
    c->M_distr = 0.0;
    Expect_Forces(4, 5.0, 0.0, 5.0, 0.0, "tension");
}

TEST(RunCache, RunFollowsAChangedCombination)
{
    /* The inner-plate splice of 100 kN gives u = 1.1583 for the dowels (see the design-run
    ** tests); at 50 kN the force halves and so does u: 0.57915. Back at 100 kN: 1.1583. */
    Inner_Plate_Dowels(100.0);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    const double u_100 = Run_Nachweise(nullptr, 0);
    ASSERT_GE(Splice_Input.utilisation.count, 1);
    EXPECT_NEAR(Splice_Input.utilisation.value[0], 1.1583, 5e-5);
    EXPECT_NEAR(u_100, 1.1583, 5e-5);
    Get_Lkom_Entry(0, 0)->N_d = 50.0;
    Run_Nachweise(nullptr, 0);
    EXPECT_NEAR(Splice_Input.utilisation.value[0], 0.57915, 5e-5);
    Get_Lkom_Entry(0, 0)->N_d = 100.0;
    Run_Nachweise(nullptr, 0);
    EXPECT_NEAR(Splice_Input.utilisation.value[0], 1.1583, 5e-5);
    /* kmod 0.6 instead of 0.9: R_d two thirds: u = 1.1583 * 1.5 = 1.7375 */
    Splice_Input.lkom.groups[0].kmod = 0.6;
    Run_Nachweise(nullptr, 0);
    EXPECT_NEAR(Splice_Input.utilisation.value[0], 1.7375, 5e-4);
}

TEST(RunCache, RunTakesNoBaseOverFromADifferentInput)
{
    /* The inner-plate splice of 100 kN in two groups, kmod 0.9 and 0.6: the dowels' u is
    ** 1.1583 at 0.9 and 1.1583 * 0.9 / 0.6 = 1.7375 at 0.6; the list keeps the larger,
    ** whichever group comes first. An accidental combination (gamma_M 1.0 instead of 1.3 for
    ** the connection's timber, kmod 0.9) in the same group as the first: 1.1583 at most. */
    for (int order = 0; order < 2; order++) {
        Inner_Plate_Dowels(100.0);
        Splice_Input.lkom.groups[1] = Splice_Input.lkom.groups[0];
        Splice_Input.lkom.groups[order].kmod = 0.6;
        ASSERT_EQ(Prepare_Splice_Calc(), 0);
        Run_Nachweise(nullptr, 0);
        EXPECT_NEAR(Splice_Input.utilisation.value[0], 1.7375, 5e-4) << order;
        EXPECT_EQ(Governing_Lkom.group, order);
    }
    Inner_Plate_Dowels(100.0);
    Set_Lkom(0, 1, 0.0, 100.0, 0.0, 1);
    ASSERT_EQ(Prepare_Splice_Calc(), 0);
    Run_Nachweise(nullptr, 0);
    EXPECT_NEAR(Splice_Input.utilisation.value[0], 1.1583, 5e-5);
    EXPECT_EQ(Governing_Lkom.entry, 0);
}
