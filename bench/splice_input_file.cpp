/*
** Benchmarks of the splice input file with a full combination table (10 groups of 1000
** combinations) and of the generation of the combinations from six characteristic actions.
*/
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "platform/zelkwin.h"
#include "splice/splice_app.h"

static Splice_Input_Record *Full_Record(void)
{
    Splice_Input_Record *s = (Splice_Input_Record *)calloc(1, sizeof(Splice_Input_Record));
    Set_Splice_Input_Defaults(s);
    for (int g = 0; g < LKOM_GROUPS; g++) {
        s->lkom.groups[g].used = 1;
        for (int e = 0; e < LKOM_ENTRIES; e++) {
            Lkom_Entry *en = &s->lkom.groups[g].entries[e];
            en->used = 1;
            en->M_d = e * 0.37;
            en->N_d = -e * 1.13;
            en->V_d = g + e / 7.0;
            snprintf(en->comment, sizeof en->comment, "Kombination %d", e);
        }
    }
    return s;
}

static void BM_Write_Read_Full_Table(benchmark::State &state)
{
    ZW_Test_Reset();
    Splice_Input_Record *s = Full_Record();
    Splice_Input_Record *r = (Splice_Input_Record *)calloc(1, sizeof(Splice_Input_Record));
    for (auto _ : state) {
        Write_Splice_Input_File("bench_splice_01.inp", s);
        Set_Splice_Input_Defaults(r);
        Read_Splice_Input_File("bench_splice_01.inp", r, 0);
        benchmark::DoNotOptimize(r->lkom.groups[9].entries[999].V_d);
    }
    remove("bench_splice_01.inp");
    free(r->Vorbemerkungen_Text);
    free(r);
    free(s);
}
BENCHMARK(BM_Write_Read_Full_Table)->Unit(benchmark::kMillisecond);

static void BM_Generate_Six_Actions(benchmark::State &state)
{
    Char_Action_Rec act[CHAR_ACTION_COUNT] = {};
    for (int i = 0; i < CHAR_ACTION_COUNT; i++) {
        act[i].used = 1;
        act[i].kled = i < 2 ? 0 : (i < 5 ? i - 1 : 4);
        act[i].M_k = 1.0 + i;
        act[i].N_k = 2.0 * i;
        act[i].V_k = 0.5 * i;
        act[i].gamma_sup = i < 2 ? 1.35 : 1.5;
        act[i].gamma_inf = i < 2 ? 1.0 : 0.0;
        act[i].psi_dom = 1.0;
        act[i].psi_sub = 0.6;
    }
    Lkom_Table *t = (Lkom_Table *)calloc(1, sizeof(Lkom_Table));
    for (auto _ : state) benchmark::DoNotOptimize(Do_Generate_Lkoms(act, t, nullptr));
    free(t);
}
BENCHMARK(BM_Generate_Six_Actions)->Unit(benchmark::kMicrosecond);
