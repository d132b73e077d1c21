/*
** Benchmarks of what a user waits on, with the scaling in the combinations and the fasteners:
** start-up to the first drawn page, a redraw of each of the five pages, the design run over all
** combinations, writing the print list of all combinations, and rendering that list to PDF.
** A splice of n x n dowels (inner plates, C24, built-in annex) with 10 groups of k combinations.
*/
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <climits>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

#include "bench/bench_util.h"
#include "catalogue/catalogue.h"
#include "dialogs/dialogs.h"
#include "nad/nad.h"
#include "platform/oliview.h"
#include "platform/oliview_internal.h"
#include "platform/zelkwin.h"
#include "platform/zelkwin_test.h"
#include "results/results.h"
#include "splice/splice_app.h"

namespace {

/* A bending splice of side x side dowels of 12 mm with 10 groups of per_group combinations. */
void Set_Up_Splice(int per_group, int side)
{
    Bench_Use_Environment();
    Bench_Set_Up_Splice(per_group, side);
    Bench_Print_Everything("bench", "Benchmark");
}

void Remove_Outputs(void)
{
    for (const char *name :
         {"bench_01.oli", "bench01.SPF", "bench02.SPF", "bench03.SPF", "bench_01.pdf"})
        unlink(name);
}

/* Arguments: combinations per group (10 groups), dowels per side. */
void Scaling(benchmark::internal::Benchmark *b)
{
    for (int k : {1, 10, 100, 1000}) b->Args({k, 6});
    for (int side : {2, 12}) b->Args({1000, side});
}

/* ---------------------------------------------------------------- the design run */

void BM_Design_Run(benchmark::State &state)
{
    Set_Up_Splice(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    int rc = 0;
    double u = 0;
    for (auto _ : state) {
        rc = Prepare_Splice_Calc();
        u = Run_Nachweise(nullptr, 0);
        benchmark::DoNotOptimize(u);
    }
    state.counters["code"] = rc;
    state.counters["fasteners"] = Fastener_Pattern.count;
    state.counters["combinations"] = 10.0 * state.range(0);
    state.counters["u_max"] = u;
}
BENCHMARK(BM_Design_Run)->Apply(Scaling)->Unit(benchmark::kMillisecond);

/* ---------------------------------------------------------------- print list and PDF */

void BM_Print_List_All_Combinations(benchmark::State &state)
{
    Set_Up_Splice(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    int rc = 0;
    for (auto _ : state) {
        rc = Write_Print_List(1);
        benchmark::DoNotOptimize(rc);
    }
    struct stat st {};
    stat("bench_01.oli", &st);
    state.counters["code"] = rc;
    state.counters["bytes"] = static_cast<double>(st.st_size);
    state.counters["fasteners"] = Fastener_Pattern.count;
    Remove_Outputs();
}
BENCHMARK(BM_Print_List_All_Combinations)->Apply(Scaling)->Unit(benchmark::kMillisecond);

/* Pages of a print list, laid out as it is read. */
void Count_Page(void *user, int index, Oli_Page &page)
{
    (void)page;
    *static_cast<int *>(user) = index + 1;
}

double Count_Pages(const char *path)
{
    int n = 0;
    Oli_Reader *r = Oli_Reader_Open(path);
    Oli_Layout layout;
    if (r != nullptr) Oli_Layout_Stream(r, &layout, Count_Page, &n);
    Oli_Reader_Close(r);
    return n;
}

/* A figure of the process's memory from /proc/self/status (VmRSS now, VmHWM its peak), in MB. */
double Memory_MB(const char *key)
{
    FILE *f = fopen("/proc/self/status", "r");
    if (f == nullptr) return 0;
    char line[256];
    double kb = 0;
    const size_t n = strlen(key);
    while (fgets(line, sizeof line, f))
        if (strncmp(line, key, n) == 0 && line[n] == ':') kb = atof(line + n + 1);
    fclose(f);
    return kb / 1024.0;
}

/* Let the peak start again from what the process holds now (Linux: clear_refs 5). */
void Reset_Peak(void)
{
    FILE *f = fopen("/proc/self/clear_refs", "w");
    if (f == nullptr) return;
    fputs("5", f);
    fclose(f);
}

/* What the print list of all combinations costs to show: the list written, then show() run in
** every iteration. Counters: pages, pages per second, the memory the process held before
** (held_MB: the splice, its results) and its peak while showing (peak_MB), whose difference is
** what showing costs. */
template <typename Show>
void Show_Print_List(benchmark::State &state, Show show)
{
    Set_Up_Splice(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    if (Write_Print_List(1) != 0) {
        state.SkipWithError("print list not written");
        return;
    }
    const double held = Memory_MB("VmRSS");
    Reset_Peak();
    for (auto _ : state)
        if (!show()) state.SkipWithError("not shown");
    const double peak = Memory_MB("VmHWM");
    const double pages = Count_Pages("bench_01.oli");
    state.counters["pages"] = pages;
    state.counters["pages_per_s"] =
        benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["held_MB"] = held;
    state.counters["peak_MB"] = peak;
    Remove_Outputs();
}

/* The print: read, laid out and written to PDF page by page, as the program prints. */
void BM_Print_List_To_Pdf(benchmark::State &state)
{
    Show_Print_List(state,
                    [] { return Oli_Print_File_To_Pdf("bench_01.oli", "bench_01.pdf") != 0; });
}
BENCHMARK(BM_Print_List_To_Pdf)->Apply(Scaling)->Unit(benchmark::kMillisecond)->Iterations(3);

/* The preview in the window: laid out into its temporary file, the first page drawn, then the
** last one (End), then closed. */
void BM_Preview_Print_List(benchmark::State &state)
{
    Show_Print_List(state, [] {
        ZW_Test_Reset();
        ZW_Test_Keep_Log(0);
        ZW_Test_Set_Script("key end\nkey esc\n");
        return Oli_View_File("bench_01.oli") != 0;
    });
}
BENCHMARK(BM_Preview_Print_List)
    ->Args({100, 6})
    ->Args({1000, 6})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

/* ---------------------------------------------------------------- pages */

/* The main sheet's view area as the program lays it out, and the drawing of one page into it
** (what a click on a register tab does). */
void BM_Page_Redraw(benchmark::State &state)
{
    const int page = static_cast<int>(state.range(0));
    Set_Up_Splice(static_cast<int>(state.range(1)), static_cast<int>(state.range(2)));
    ZW_Test_Reset();
    ZW_Test_Keep_Log(0); /* as the program: no log asked for */
    Set_Nad_Pointers();
    const int x2 = NPIXEL_X - 1, y2 = NPIXEL_Y - 1;
    Define_Prop_Sheet(0, 0, x2, y2, 0, 0, "Benchmark", 0, 1);
    const int ax1 = 10, ay1 = 80, ax2 = x2 - 10, ay2 = y2 - 10;
    const int area = SVA_Create(ax1, ay1, ax2, ay2, 0, 1);
    Activate_Prop_Sheet();
    for (auto _ : state) {
        SVA_Clear(area);
        Wdg_Select_Area(area);
        Wdg_Set_Font(4096);
        switch (page) {
        case 0: Page_System(area); break;
        case 1: Page_Verbindungsmittel(area); break;
        case 2: Page_Anordnung(area); break;
        case 3: Page_Schnittgroessen(area); break;
        default: Page_Ausnutzungen(area, 0, 0, ax2 - ax1 - 17, ay2 - ay1); break;
        }
        SVA_Set_Active(area, 1);
        SVA_Update(area);
        pxFlsh();
    }
    SVA_Delete(area);
    Undefine_Prop_Sheet();
    if (page == 4) state.counters["fasteners"] = Fastener_Pattern.count;
    state.counters["combinations"] = 10.0 * state.range(1);
}
/* Every page at 10 x 1 and 10 x 1000 combinations (the goal: the same cost), the two pages with
** a per-combination content at every size, and the fasteners of the utilisation page. */
void Page_Sizes(benchmark::internal::Benchmark *b)
{
    for (int page = 0; page < 5; page++)
        for (int k : {1, 1000}) b->Args({page, k, 6});
    for (int page : {3, 4})
        for (int k : {10, 100}) b->Args({page, k, 6});
    for (int side : {2, 12}) b->Args({4, 1000, side});
}
BENCHMARK(BM_Page_Redraw)
    ->ArgNames({"page", "per_group", "side"})
    ->Apply(Page_Sizes)
    ->Unit(benchmark::kMillisecond);

/* The first visit of a page after a change: the cache forgotten before every redraw, so that
** the page computes what it shows (the preparation; on "Ausnutzungen" the design run as well). */
void BM_Page_After_Change(benchmark::State &state)
{
    const int page = static_cast<int>(state.range(0));
    Set_Up_Splice(static_cast<int>(state.range(1)), 6);
    ZW_Test_Reset();
    ZW_Test_Keep_Log(0);
    Set_Nad_Pointers();
    const int x2 = NPIXEL_X - 1, y2 = NPIXEL_Y - 1;
    Define_Prop_Sheet(0, 0, x2, y2, 0, 0, "Benchmark", 0, 1);
    const int ax1 = 10, ay1 = 80, ax2 = x2 - 10, ay2 = y2 - 10;
    const int area = SVA_Create(ax1, ay1, ax2, ay2, 0, 1);
    Activate_Prop_Sheet();
    for (auto _ : state) {
        Splice_Calc_Forget();
        SVA_Clear(area);
        Wdg_Select_Area(area);
        Wdg_Set_Font(4096);
        if (page == 0) Page_System(area);
        else if (page == 2) Page_Anordnung(area);
        else Page_Ausnutzungen(area, 0, 0, ax2 - ax1 - 17, ay2 - ay1);
        SVA_Update(area);
        pxFlsh();
    }
    SVA_Delete(area);
    Undefine_Prop_Sheet();
    state.counters["combinations"] = 10.0 * state.range(1);
}
BENCHMARK(BM_Page_After_Change)
    ->ArgNames({"page", "per_group"})
    ->Args({0, 1})
    ->Args({0, 1000})
    ->Args({2, 1000})
    ->Args({4, 1})
    ->Args({4, 1000})
    ->Unit(benchmark::kMillisecond);

/* The first visit of "Ausnutzungen" after a change made on an input page: a combination changed
** and page "System" drawn with it (not timed), then "Ausnutzungen" drawn (timed). The page
** "System" left the preparation of the changed input; the visit runs the design on it. */
void BM_Utilisation_After_Input_Page(benchmark::State &state)
{
    Set_Up_Splice(static_cast<int>(state.range(0)), 6);
    ZW_Test_Reset();
    ZW_Test_Keep_Log(0);
    Set_Nad_Pointers();
    const int x2 = NPIXEL_X - 1, y2 = NPIXEL_Y - 1;
    Define_Prop_Sheet(0, 0, x2, y2, 0, 0, "Benchmark", 0, 1);
    const int ax1 = 10, ay1 = 80, ax2 = x2 - 10, ay2 = y2 - 10;
    const int area = SVA_Create(ax1, ay1, ax2, ay2, 0, 1);
    Activate_Prop_Sheet();
    Lkom_Entry *edited = &Splice_Input.lkom.groups[0].entries[0];
    const double M_d = edited->M_d;
    int step = 0;
    for (auto _ : state) {
        state.PauseTiming();
        edited->M_d = M_d + 0.5 * (++step % 2);
        SVA_Clear(area);
        Wdg_Select_Area(area);
        Wdg_Set_Font(4096);
        Page_System(area);
        SVA_Update(area);
        pxFlsh();
        state.ResumeTiming();
        SVA_Clear(area);
        Wdg_Select_Area(area);
        Wdg_Set_Font(4096);
        Page_Ausnutzungen(area, 0, 0, ax2 - ax1 - 17, ay2 - ay1);
        SVA_Update(area);
        pxFlsh();
    }
    edited->M_d = M_d;
    SVA_Delete(area);
    Undefine_Prop_Sheet();
    state.counters["combinations"] = 10.0 * state.range(0);
}
BENCHMARK(BM_Utilisation_After_Input_Page)->Arg(1)->Arg(1000)->Unit(benchmark::kMillisecond);

/* ---------------------------------------------------------------- start-up */

/* The whole program on an example component up to its first drawn page; the script then
** closes the window at once (headless). */
void BM_Start_Up_To_First_Page(benchmark::State &state)
{
    Bench_Use_Environment();
    const std::string src = std::string(SPLICE_SOURCE_DIR) + "/examples/biegestoss_stabduebel/";
    for (const char *ext : {".inp", ".txt"}) {
        FILE *in = fopen((src + "biegestoss_stabduebel_01" + ext).c_str(), "rb");
        FILE *out = fopen((std::string("biegestoss_stabduebel_01") + ext).c_str(), "wb");
        if (!in || !out) abort();
        char buf[4096];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, in)) > 0) fwrite(buf, 1, n, out);
        fclose(in);
        fclose(out);
    }
    int rc = 0;
    for (auto _ : state) {
        /* a cold start: catalogues, annex state and registry read again */
        Reset_Vbm_Catalogues();
        Clear_NAD_State();
        Clear_Application_NAD_Registry();
        Clear_Legacy_NAD_List();
        Current_Page = PAGE_SYSTEM;
        ZW_Test_Reset();
        ZW_Test_Set_Script("close\n");
        const char *argv[] = {"splice", "biegestoss_stabduebel", "17", "1", "4", nullptr};
        rc = Splice_Main(5, const_cast<char **>(argv));
    }
    /* the first page was drawn: its texts reached the log */
    int texts = 0;
    for (const std::string &l : ZW_Test_Log_Lines()) texts += l.rfind("TEXT", 0) == 0;
    state.counters["rc"] = rc;
    state.counters["texts"] = texts;
    if (texts == 0) state.SkipWithError("no page drawn");
}
BENCHMARK(BM_Start_Up_To_First_Page)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

/* Start-up with an input file of the benchmark splice with 10 groups of k combinations (its L
** left to the program: the first page shows it as the preparation chose it). */
/* The input file startup_01.inp of a splice with 10 groups of per_group combinations (6 x 6
** dowels) and its title file, in the working folder. */
void Write_Start_Up_Files(int per_group)
{
    Set_Up_Splice(per_group, 6);
    if (!Write_Splice_Input_File("startup_01.inp", &Splice_Input)) abort();
    FILE *title = fopen("startup_01.txt", "wb");
    if (!title) abort();
    fputs("Start mit vielen Kombinationen\n", title);
    fclose(title);
}

/* The CPU time of this thread, in seconds. */
double Thread_Cpu_Seconds(void)
{
    struct timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return (double)t.tv_sec + 1e-9 * (double)t.tv_nsec;
}

/* One start of the program on startup_01.inp, headless, with the script; its CPU time. */
double Run_Start(const std::string &script)
{
    Reset_Vbm_Catalogues();
    Clear_NAD_State();
    Clear_Application_NAD_Registry();
    Clear_Legacy_NAD_List();
    Splice_Calc_Forget();
    Current_Page = PAGE_SYSTEM;
    ZW_Test_Reset();
    ZW_Test_Keep_Log(0);
    ZW_Test_Set_Script(script.c_str());
    const char *argv[] = {"splice", "startup", "17", "1", "4", nullptr};
    const double t0 = Thread_Cpu_Seconds();
    if (Splice_Main(5, const_cast<char **>(argv)) != 1) abort();
    return Thread_Cpu_Seconds() - t0;
}

void BM_Start_Up_With_Combinations(benchmark::State &state)
{
    Write_Start_Up_Files(static_cast<int>(state.range(0)));
    ZW_Test_Reset();
    for (auto _ : state) Run_Start("close\n"); /* which ends with 1 */
    struct stat st {};
    stat("startup_01.inp", &st);
    state.counters["rc"] = 1;
    state.counters["bytes"] = static_cast<double>(st.st_size);
    state.counters["combinations"] = 10.0 * state.range(0);
}
BENCHMARK(BM_Start_Up_With_Combinations)->Arg(1)->Arg(1000)->Unit(benchmark::kMillisecond);

/* Page visits as the user makes them: the program started on the input file of 10 groups of k
** combinations, its five register tabs clicked once ("Verbindungsmittel", "Anordnung",
** "Schnittgrößen", "Ausnutzungen", "System": the computations of the input, the design run among
** them), then 100 times more in the same turn (20 rounds), and the script ended. The time of a
** visit is that run's less the run of the first round alone, divided by the 100 visits; the
** counters: start_ms, the start alone (its script ended at the first page); first_round_ms, the
** first round (five visits); with_first_round_ms, a visit of all 105 counted from the start, the
** first round's computations included. CPU time of the thread; the program's end without a change
** writes nothing. */
void BM_Page_Visits(benchmark::State &state)
{
    constexpr int VISITS = 100;
    Write_Start_Up_Files(static_cast<int>(state.range(0)));
    std::string round, visits;
    for (int i = 1; i <= PAGE_COUNT; i++)
        round += "click " + std::to_string(85 + 150 * (i % PAGE_COUNT)) + " 62\n";
    for (int i = 0; i < VISITS / PAGE_COUNT; i++) visits += round;
    double start_s = 0.0, first_s = 0.0, whole_s = 0.0;
    for (auto _ : state) {
        const double start = Run_Start("");
        const double first = Run_Start(round);
        const double with_visits = Run_Start(round + visits);
        start_s += start;
        first_s += first - start;
        whole_s += (with_visits - start) / (VISITS + PAGE_COUNT);
        state.SetIterationTime((with_visits - first) / VISITS);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["start_ms"] = 1e3 * start_s / n;
    state.counters["first_round_ms"] = 1e3 * first_s / n;
    state.counters["with_first_round_ms"] = 1e3 * whole_s / n;
    state.counters["combinations"] = 10.0 * state.range(0);
}
BENCHMARK(BM_Page_Visits)
    ->Arg(1)
    ->Arg(1000)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

/* The start-up as the user meets it: the executable started as a process of its own, headless,
** on the same input file and closed by a GUI script at its first page. The time is the child's
** CPU time (user and system, from wait4): the start of the process, its libraries and its first
** page faults count, which the benchmark above leaves out. */
void BM_Start_Up_Process(benchmark::State &state)
{
    Write_Start_Up_Files(static_cast<int>(state.range(0)));
    FILE *script = fopen("startup_close.scr", "wb");
    if (!script) abort();
    fputs("close\n", script);
    fclose(script);
    char cwd[PATH_MAX];
    if (!getcwd(cwd, sizeof cwd)) abort();
    /* the child's environment: ours, with the script and without a window */
    const std::vector<std::string> env = {
        std::string("SPLICE_GUI_SCRIPT=") + cwd + "/startup_close.scr", "SPLICE_GUI_HEADLESS=1"};
    const char *argv[] = {"splice", "startup", "17", "1", "4", nullptr};
    int status = 0;
    for (auto _ : state) {
        const Bench_Process_Cost cost = Bench_Run_Process(SPLICE_EXECUTABLE, argv, env);
        status = cost.status;
        if (status == -1) {
            state.SkipWithError("the executable could not be started");
            break;
        }
        if (!WIFEXITED(status)) {
            state.SkipWithError("the executable did not end normally");
            break;
        }
        state.SetIterationTime(cost.cpu_s);
    }
    state.counters["rc"] = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    state.counters["combinations"] = 10.0 * state.range(0);
}
BENCHMARK(BM_Start_Up_Process)->Arg(1)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
