/*
** Benchmark of the splice's print list: Write_Print_List with the checks of all 10 x 1000
** combinations (print setting "all combinations"), the system section, the spacing sketch and
** the three drawings with their plot files. Reports the time per list and its size in bytes.
** With SPLICE_BENCH_KEEP set the files stay in the working folder (to compare their bytes).
*/
#include <benchmark/benchmark.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "bench/bench_util.h"

static void Set_Up_Splice(void)
{
    Bench_Set_Up_Splice(LKOM_ENTRIES, 6);
    Bench_Print_Everything("benchprint", "Benchmark der Druckliste");
}

static void BM_Write_Print_List_All_Combinations(benchmark::State &state)
{
    Set_Up_Splice();
    int rc = 0;
    for (auto _ : state) {
        rc = Write_Print_List(1);
        benchmark::DoNotOptimize(rc);
    }
    struct stat st {};
    stat("benchprint_01.oli", &st);
    state.counters["code"] = rc;
    state.counters["bytes"] = (double)st.st_size;
    if (getenv("SPLICE_BENCH_KEEP") != nullptr) return;
    for (const char *name :
         {"benchprint_01.oli", "benchprint01.SPF", "benchprint02.SPF", "benchprint03.SPF"})
        unlink(name);
}
BENCHMARK(BM_Write_Print_List_All_Combinations)->Unit(benchmark::kMillisecond);

static void BM_Write_Print_List_Governing(benchmark::State &state)
{
    Set_Up_Splice();
    Splice_Input.print.combinations = 0;
    for (auto _ : state) benchmark::DoNotOptimize(Write_Print_List(1));
    struct stat st {};
    stat("benchprint_01.oli", &st);
    state.counters["bytes"] = (double)st.st_size;
    unlink("benchprint_01.oli");
}
BENCHMARK(BM_Write_Print_List_Governing)->Unit(benchmark::kMillisecond);
