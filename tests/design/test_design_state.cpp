/*
** Tests of the run record of the design: two designs interleaved in one thread, each with its
** own record, and two designs in two threads give exactly what each gives alone: the same result
** bytes, message lists and texts.
*/
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "design/design_state.h"
#include "design_test_util.h"

namespace {

/* A 4 mm nail through 30 mm into 40 mm of C24 that ends after 20 mm in member 2: the
** penetration leaves its notes in the message lists. */
Connection_Input Short_Nail(void)
{
    Connection_Input in{};
    in.vbm_type = 0;
    in.steel_grade = -1;
    in.d = 4.0;
    in.d_k = 10.0;
    in.length = 50.0;
    in.shear_planes = 1;
    in.proof_method = 1;
    in.mat_1 = in.mat_2 = 0;
    in.grade_1 = in.grade_2 = Grade_Index(0, "C24");
    in.t1 = 30.0;
    in.t2 = 40.0;
    in.fu = 600.0;
    in.kmod_given = 0.8;
    in.gamma_m_1 = in.gamma_m_2 = 1.3;
    in.gamma_steel = 1.1;
    in.service_class_1 = in.service_class_2 = 1;
    in.split_rule = 1;
    in.washer_d = -1.0;
    return in;
}

/* A 12 mm dowel in 60 mm of C24 beside a 10 mm steel plate. */
Connection_Input Dowel_Beside_Plate(void)
{
    Connection_Input in = Short_Nail();
    in.vbm_type = 29;
    in.d = 12.0;
    in.d_k = 24.0;
    in.length = 120.0;
    in.fu = 360.0;
    in.mat_2 = 12;
    in.grade_2 = 0;
    in.t1 = 60.0;
    in.t2 = 10.0;
    in.axis_angle = 90.0;
    return in;
}

/* What one design leaves: the result's bytes, the message lists and the hint text. */
struct Outcome {
    int code = 0;
    Connection_Result result;
    Msg_Code_Block messages;
    std::string hint;
};

bool Same(const Outcome &a, const Outcome &b)
{
    return a.code == b.code && std::memcmp(&a.result, &b.result, sizeof a.result) == 0
           && std::memcmp(&a.messages, &b.messages, sizeof a.messages) == 0 && a.hint == b.hint;
}

/* Design `in` at the force-to-grain angle of step k. */
Outcome Design_Step(Connection_Input in, int k)
{
    in.alpha_1 = in.alpha_2 = 7.5 * k;
    Outcome o;
    std::memset(&o.result, 0, sizeof o.result);
    o.code = Design_Connection(in, &o.result);
    o.messages = Msg_Codes;
    const char *hint = Get_Hint_Text(o.result.msg_code != 0 ? o.result.msg_code : 161);
    o.hint = hint != nullptr ? hint : "";
    return o;
}

/* The steps of one design alone, in a fresh record. */
std::vector<Outcome> Alone(const Connection_Input &in, int steps)
{
    Design_Run_Rec run;
    Design_Run_Scope scope(&run);
    std::vector<Outcome> out;
    for (int k = 0; k < steps; k++) out.push_back(Design_Step(in, k));
    return out;
}

TEST(DesignRunRecord, TwoDesignsInterleavedInOneThread)
{
    Standard_Scope en(true);
    const int steps = 12;
    const std::vector<Outcome> nail = Alone(Short_Nail(), steps);
    const std::vector<Outcome> dowel = Alone(Dowel_Beside_Plate(), steps);
    ASSERT_GT(nail[0].messages.count + nail[0].messages.count2, 0); /* the nail leaves notes */

    Design_Run_Rec a, b;
    for (int k = 0; k < steps; k++) {
        Outcome x, y;
        {
            Design_Run_Scope scope(&a);
            x = Design_Step(Short_Nail(), k);
        }
        const char *error_a = nullptr;
        {
            Design_Run_Scope scope(&a);
            error_a = Get_Error_Text(4);
        }
        {
            Design_Run_Scope scope(&b);
            y = Design_Step(Dowel_Beside_Plate(), k);
            Get_Error_Text(5);
        }
        EXPECT_TRUE(Same(x, nail[(size_t)k])) << "nail, step " << k;
        EXPECT_TRUE(Same(y, dowel[(size_t)k])) << "dowel, step " << k;
        /* the first design's lists and texts are still its own after the second one ran */
        Design_Run_Scope scope(&a);
        EXPECT_EQ(std::memcmp(&Msg_Codes, &nail[(size_t)k].messages, sizeof(Msg_Code_Block)), 0);
        EXPECT_STREQ(error_a, Get_Error_Text(4));
    }
    /* without a record of their own the two would share one: the dowel clears the nail's notes */
    Design_Step(Short_Nail(), 0);
    EXPECT_GT(Msg_Count + Msg_Count2, 0);
    Design_Step(Dowel_Beside_Plate(), 0);
    EXPECT_EQ(Msg_Count + Msg_Count2, 0);
}

TEST(DesignRunRecord, TwoDesignsInTwoThreads)
{
    Standard_Scope en(true);
    const int steps = 12, rounds = 200;
    const std::vector<Outcome> nail = Alone(Short_Nail(), steps);
    const std::vector<Outcome> dowel = Alone(Dowel_Beside_Plate(), steps);
    int bad[2] = {0, 0};
    auto work = [&](int which) {
        const Connection_Input in = which == 0 ? Short_Nail() : Dowel_Beside_Plate();
        const std::vector<Outcome> &alone = which == 0 ? nail : dowel;
        for (int r = 0; r < rounds; r++)
            for (int k = 0; k < steps; k++)
                if (!Same(Design_Step(in, k), alone[(size_t)k])) bad[which]++;
    };
    std::thread t0(work, 0), t1(work, 1);
    t0.join();
    t1.join();
    EXPECT_EQ(bad[0], 0);
    EXPECT_EQ(bad[1], 0);
}

} // namespace
