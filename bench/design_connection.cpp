/*
** Benchmarks of the design of one connection: a 12 mm dowel through a 120 mm C24 member with an
** inner steel plate of 10 mm, EN 1995-1-1 with the built-in annex block. Reports the time of one
** full design, and of one design at a new force-to-grain angle from a prepared base (the step
** the design run over the combinations repeats for every fastener).
*/
#include <benchmark/benchmark.h>
#include <cstring>

#include "catalogue/catalogue.h"
#include "design/design.h"
#include "nad/nad.h"

static int Grade_Of(int group, const char *name)
{
    const int n = Get_Timber_Grade_Count(group);
    for (int i = 0; i < n; i++) {
        const Timber_Grade *g = Get_Timber_Grade(group, i);
        if (g != nullptr && g->name != nullptr && strcmp(g->name, name) == 0) return i;
    }
    return 0;
}

/* The benchmark connection. */
static Connection_Input Dowel_Inner_Plate(void)
{
    Connection_Input in{};
    in.vbm_type = 29; /* dowel */
    in.steel_grade = -1;
    in.fu = 360.0; /* N/mm2 */
    in.d = 12.0;   /* mm */
    in.d_k = 24.0;
    in.length = 120.0;
    in.shear_planes = 1;
    in.proof_method = 1;
    in.mat_1 = 0;
    in.grade_1 = Grade_Of(0, "C24");
    in.mat_2 = 12; /* steel plate */
    in.grade_2 = 0;
    in.t1 = 60.0;
    in.t2 = 10.0;
    in.kmod_given = 0.8;
    in.gamma_m_1 = in.gamma_m_2 = 1.3;
    in.gamma_steel = 1.1;
    in.axis_angle = 90.0;
    in.washer_d = -1.0;
    in.service_class_1 = in.service_class_2 = 1;
    return in;
}

static void BM_Design_Connection_Dowel_Inner_Plate(benchmark::State &state)
{
    NAD_EC5_Params block{};
    Init_NAD_EC5_Defaults(&block);
    NAD_EC5_Params *saved = Nad_Params;
    Nad_Params = &block;
    const Connection_Input in = Dowel_Inner_Plate();
    /* Design_Connection fills the whole result: the caller need not clear it */
    Connection_Result r;
    for (auto _ : state) {
        const int code = Design_Connection(in, &r);
        benchmark::DoNotOptimize(code);
        benchmark::DoNotOptimize(r.rd_lateral);
    }
    Nad_Params = saved;
}
BENCHMARK(BM_Design_Connection_Dowel_Inner_Plate);

static void BM_Design_Connection_At_Angle(benchmark::State &state)
{
    NAD_EC5_Params block{};
    Init_NAD_EC5_Defaults(&block);
    NAD_EC5_Params *saved = Nad_Params;
    Nad_Params = &block;
    const Connection_Input in = Dowel_Inner_Plate();
    static Connection_Base base;
    Design_Connection_Base(&in, &base);
    Connection_Result r;
    double alpha = 0.0;
    for (auto _ : state) {
        alpha = alpha < 89.0 ? alpha + 0.731 : 0.0; /* a new angle every time */
        const int code = Design_Connection_At(&base, alpha, alpha, 0, &r);
        benchmark::DoNotOptimize(code);
        benchmark::DoNotOptimize(r.rd_total);
    }
    Nad_Params = saved;
}
BENCHMARK(BM_Design_Connection_At_Angle);

/* The full design with a new force-to-grain angle every time (no angle value is reused). */
static void BM_Design_Connection_New_Angle(benchmark::State &state)
{
    NAD_EC5_Params block{};
    Init_NAD_EC5_Defaults(&block);
    NAD_EC5_Params *saved = Nad_Params;
    Nad_Params = &block;
    Connection_Input in = Dowel_Inner_Plate();
    Connection_Result r;
    for (auto _ : state) {
        in.alpha_1 = in.alpha_1 < 89.0 ? in.alpha_1 + 0.731 : 0.0;
        const int code = Design_Connection(in, &r);
        benchmark::DoNotOptimize(code);
        benchmark::DoNotOptimize(r.rd_lateral);
    }
    Nad_Params = saved;
}
BENCHMARK(BM_Design_Connection_New_Angle);
