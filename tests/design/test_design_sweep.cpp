/*
** Sweeps of the design of one connection over the force-to-grain angle: at every angle the single
** design, the design into a result that held other bytes and the design from a prepared base give
** the same bytes, for several fastener kinds and member layouts under EN 1995-1-1 and DIN 1052.
*/
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "design_test_util.h"

namespace {

/* the shared 12 mm dowel between two members of C24 */
Connection_Input Dowel_Timber()
{
    Connection_Input in = Dowel_C24_Input();
    in.d_k = 24.0;
    return in;
}

struct Kind {
    const char *name;
    Connection_Input in;
};

/* Dowels and bolts between timbers, beside an inner and an outer steel plate, in the simplified
** proof and with the rope effect, and a nail in single shear. */
std::vector<Kind> Kinds()
{
    std::vector<Kind> k;
    k.push_back({"dowel, timber", Dowel_Timber()});
    Connection_Input in = Dowel_Timber();
    in.mat_2 = 12; /* inner steel plate */
    in.grade_2 = 0;
    in.t2 = 10.0;
    k.push_back({"dowel, inner plate", in});
    in.proof_method = 0;
    k.push_back({"dowel, inner plate, simplified", in});
    in = Dowel_Timber();
    in.mat_1 = 12; /* outer steel plate */
    in.grade_1 = 0;
    in.t1 = 10.0;
    k.push_back({"dowel, outer plate", in});
    in = Dowel_Timber();
    in.vbm_type = 30; /* bolt with washer, rope effect */
    in.rope_effect = 1;
    k.push_back({"bolt, timber, rope effect", in});
    in.fitted_bolt = 1;
    in.mat_2 = 12;
    in.grade_2 = 0;
    in.t2 = 10.0;
    k.push_back({"fitted bolt, inner plate, rope effect", in});
    in = Dowel_Timber();
    in.vbm_type = 0; /* nail 4 mm */
    in.d = 4.0;
    in.d_k = 10.0;
    in.length = 60.0;
    in.t1 = 30.0;
    in.t2 = 40.0;
    in.fu = 600.0;
    in.split_rule = 1;
    k.push_back({"nail, timber", in});
    return k;
}

} // namespace

TEST(DesignSweep, EveryAngleGivesTheSameBytesEveryWay)
{
    for (const bool en : {true, false}) {
        Standard_Scope standard(en);
        for (const Kind &kind : Kinds()) {
            Connection_Base base{};
            ASSERT_EQ(Design_Connection_Base(&kind.in, &base), 0) << kind.name;
            /* odd steps: angles on and off the bands of the spacing rules, and beyond 90 degrees
            ** where the rules fold the angle */
            for (int k = 0; k * 0.37 <= 360.0; k++) {
                const double a = k * 0.37;
                Connection_Input in = kind.in;
                in.alpha_1 = in.alpha_2 = a;
                Connection_Result clean{}, dirty, at;
                std::memset(&dirty, 0xA5, sizeof dirty);
                std::memset(&at, 0x5A, sizeof at);
                const int code = Design_Connection(in, &clean);
                ASSERT_EQ(Design_Connection(in, &dirty), code) << kind.name << " " << a;
                ASSERT_EQ(Design_Connection_At(&base, a, a, 1, &at), code) << kind.name << " " << a;
                EXPECT_EQ(std::memcmp(&dirty, &clean, sizeof clean), 0) << kind.name << " " << a;
                EXPECT_EQ(std::memcmp(&at, &clean, sizeof clean), 0) << kind.name << " " << a;
                EXPECT_GT(clean.rd_total, 0.0) << kind.name << " " << a;
            }
        }
    }
}
