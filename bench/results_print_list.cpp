/*
** Benchmark of the splice's print list: Write_Print_List with the checks of all 10 x 1000
** combinations (print setting "all combinations"), the system section, the spacing sketch and
** the three drawings with their plot files. Reports the time per list and its size in bytes.
*/
#include <benchmark/benchmark.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>

#include "catalogue/catalogue.h"
#include "nad/nad.h"
#include "results/results.h"
#include "results/print_list.h"

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
    for (int g = 0; g < LKOM_GROUPS; g++) {
        Lkom_Group *grp = &si->lkom.groups[g];
        grp->used = 1;
        grp->kled = g % 5;
        grp->kmod = 0.6 + 0.05 * (g % 5);
        grp->kmod_source = 0;
        for (int e = 0; e < LKOM_ENTRIES; e++) {
            Lkom_Entry *c = &grp->entries[e];
            c->used = 1;
            c->M_d = 20.0 + 10.0 * std::sin(0.01 * e + g);
            c->N_d = 50.0 * std::cos(0.013 * e - g);
            c->V_d = 15.0 + 5.0 * std::sin(0.007 * e * (g + 1));
        }
    }
    si->print.combinations = 1;
    si->print.sections = PRINT_SEC_COORDINATES | PRINT_SEC_PLOT_VIEW | PRINT_SEC_PLOT_LONG
                         | PRINT_SEC_PLOT_CROSS | PRINT_SEC_SKETCHES;
    snprintf(Bauteilkennung, sizeof Bauteilkennung, "%s", "benchprint");
    Set_Print_List_Names("benchprint_01.oli", "Benchmark der Druckliste");
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
    for (const char *name : {"benchprint_01.oli", "benchprint01.SPF", "benchprint02.SPF",
                             "benchprint03.SPF"})
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
