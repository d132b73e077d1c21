/*
** Benchmark of the splice computation: the preparation run plus the design run over all 10
** groups of 1000 bending combinations on a pattern of 6 x 6 dowels (inner plates, C24,
** built-in annex). Reports the time per whole run and the passes of the angle loop.
**
** Every run finds the governing fastener of each combination among its 36 fasteners. Designing
** each of them took 360,000 designs of a fastener per run; the part of a design that does not
** depend on the angle runs once per distinct connection input (Design_Connection_Base) and the
** forces and angles of the preparation run are given back to the checks. Since the design
** resistance of these dowels falls with the force-to-grain angle, the resistances at 0, 5, .. 90
** degrees (designed once per group) bound every fastener's utilisation from above, and only the
** fasteners whose bound reaches the largest utilisation found are designed: a few per
** combination instead of 36. Results are bitwise the same. docs/performance.md has the figures.
*/
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>

#include "catalogue/catalogue.h"
#include "nad/nad.h"
#include "results/results.h"

static void Set_Up_Splice(void)
{
    Reset_NAD_Record(&Nad_Record);
    Nad_Params = &Nad_Record.ec5;
    Nad_EC3_Params_Ptr = &Nad_Record.ec3;
    Init_Dowel_Bolt_Diameters();
    Set_Splice_Input_Defaults(&Splice_Input);
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
    const int slot = VBM_TYPE_SLOT(29);
    si->n_col[slot] = 6.0;
    si->n_row[slot] = 6.0;
    /* 10 groups of 1000 combinations: moments, normal and shear forces that vary smoothly */
    for (int g = 0; g < LKOM_GROUPS; g++) {
        Lkom_Group *grp = &si->lkom.groups[g];
        grp->used = 1;
        grp->kled = g % 5;
        grp->kmod = 0.6 + 0.05 * (g % 5);
        grp->kmod_source = 0;
        for (int e = 0; e < LKOM_ENTRIES; e++) {
            Lkom_Entry *c = &grp->entries[e];
            c->used = 1;
            c->accidental = 0;
            c->M_d = 20.0 + 10.0 * std::sin(0.01 * e + g);
            c->N_d = 50.0 * std::cos(0.013 * e - g);
            c->V_d = 15.0 + 5.0 * std::sin(0.007 * e * (g + 1));
        }
    }
}

static void BM_Prepare_And_Design_Run(benchmark::State &state)
{
    Set_Up_Splice();
    int passes = 0, rc = 0;
    double u = 0.0;
    for (auto _ : state) {
        rc = Prepare_Splice_Calc();
        passes = Fastener_Pattern.passes;
        u = Run_Nachweise(nullptr, 0);
        benchmark::DoNotOptimize(u);
    }
    state.counters["passes"] = passes;
    state.counters["code"] = rc;
    state.counters["fasteners"] = Fastener_Pattern.count;
    state.counters["u_max"] = u;
}
BENCHMARK(BM_Prepare_And_Design_Run)->Unit(benchmark::kMillisecond);

static void BM_Prepare_Only(benchmark::State &state)
{
    Set_Up_Splice();
    for (auto _ : state) benchmark::DoNotOptimize(Prepare_Splice_Calc());
    state.counters["passes"] = Fastener_Pattern.passes;
}
BENCHMARK(BM_Prepare_Only)->Unit(benchmark::kMillisecond);
