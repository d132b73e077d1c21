/*
** Benchmark of one design run: a 12 mm dowel through a 120 mm C24 member with an inner steel
** plate of 10 mm, EN 1995-1-1 with the built-in annex block. Reports the time per call.
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

static void BM_Design_Connection_Dowel_Inner_Plate(benchmark::State &state)
{
    NAD_EC5_Params block{};
    Init_NAD_EC5_Defaults(&block);
    NAD_EC5_Params *saved = Nad_Params;
    Nad_Params = &block;

    Connection_Input in{};
    in.vbm_type = 29;                 /* dowel */
    in.steel_grade = -1;
    in.fu = 360.0;                    /* N/mm2 */
    in.d = 12.0;                      /* mm */
    in.d_k = 24.0;
    in.length = 120.0;
    in.shear_planes = 1;
    in.proof_method = 1;
    in.mat_1 = 0;
    in.grade_1 = Grade_Of(0, "C24");
    in.mat_2 = 12;                    /* steel plate */
    in.grade_2 = 0;
    in.t1 = 60.0;
    in.t2 = 10.0;
    in.kmod_given = 0.8;
    in.gamma_m_1 = in.gamma_m_2 = 1.3;
    in.gamma_steel = 1.1;
    in.axis_angle = 90.0;
    in.washer_d = -1.0;
    in.service_class_1 = in.service_class_2 = 1;

    for (auto _ : state) {
        Connection_Result r{};
        const int code = Design_Connection(in, &r);
        benchmark::DoNotOptimize(code);
        benchmark::DoNotOptimize(r.rd_lateral);
    }
    Nad_Params = saved;
}
BENCHMARK(BM_Design_Connection_Dowel_Inner_Plate);
