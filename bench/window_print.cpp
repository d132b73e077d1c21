/*
** Benchmark of a print in the window against the same print without one: the executable started
** on a bending splice with side timbers and 6 bolts M16 (2 groups of 1,000 combinations, every
** combination and every fastener printed: more than 2,000 pages), driven by one script that
** clicks "Drucken", confirms the box of the finished print and ends the program. Each iteration
** runs it headless and then in an SDL window on a virtual display (Xvfb, started and ended here),
** start to end, in turns. Counters: the wall and CPU seconds of both, their ratio, the pages,
** and whether both runs left the same print list and PDF. With SPLICE_BENCH_KEEP set the files
** of the print stay in the working folder.
*/
#include <benchmark/benchmark.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "bench/bench_util.h"
#include "catalogue/catalogue.h"
#include "dialogs/dialogs.h"
#include "platform/oliview.h"
#include "platform/oliview_internal.h"
#include "platform/runtime.h"
#include "platform/zelkwin.h"
#include "results/results.h"
#include "splice/splice_app.h"
#include "tests/virtual_display.h"

namespace {

const char *const Id = "fenster";

/* The input and title files of the splice: side timbers 2 x 8/24 cm of C24 on a member 14/24 cm,
** 3 x 2 bolts M16 a half, groups 1 and 2 of 1,000 smoothly varying combinations each, every
** section, every combination and every fastener printed. */
void Write_Splice_Files(void)
{
    Bench_Activate_Annex();
    Fill_Long_Print_Splice(&Splice_Input);
    const std::string inp = std::string(Id) + "_01.inp";
    if (!Write_Splice_Input_File(inp.c_str(), &Splice_Input)) abort();
    std::ofstream(std::string(Id) + "_01.txt", std::ios::binary)
        << "Biegestoss mit Seitenhoelzern, 2 x 1000 Kombinationen\n";
}

/* The script of both runs: "Drucken" in the icon menu, the box of the finished print confirmed,
** then the window's close and, in the finish question, "do not save" and OK. */
void Write_Script(void)
{
    const Icon_Menu_Entry &print = Main_Icon_Menu.entries[MENU_PRINT - 1];
    const int mx = NPIXEL_X - 346 + print.x + 19, my = Main_Icon_Menu.y + 6 + 18;
    const int cx = NPIXEL_X / 2, cy = NPIXEL_Y / 2;
    std::ofstream script("print.scr", std::ios::binary);
    script << "move " << mx << " " << my << "\nclick " << mx << " " << my << "\n"
           << "answer yes\nclose\n"
           << "click " << cx + 60 << " " << cy + 10 << "\nclick " << cx + 78 << " " << cy + 37
           << "\n";
}

std::string Slurp(const std::string &path)
{
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void Count_Page(void *user, int index, Oli_Page &page)
{
    (void)page;
    *static_cast<int *>(user) = index + 1;
}

/* The print in the window against the print without one, in turns, each a process of its own. */
void BM_Print_In_Window(benchmark::State &state)
{
    const std::string xvfb = Find_Program("Xvfb");
    if (xvfb.empty()) {
        state.SkipWithError("skipped: Xvfb is not installed (Debian package xvfb)");
        return;
    }
    Bench_Use_Environment();
    Write_Splice_Files();
    Write_Script();
    Virtual_Display display;
    if (!Start_Xvfb(xvfb, &display)) {
        state.SkipWithError("skipped: Xvfb did not start");
        return;
    }
    char cwd[4096];
    if (!getcwd(cwd, sizeof cwd)) abort();
    const std::string script = std::string("SPLICE_GUI_SCRIPT=") + cwd + "/print.scr";
    /* the same screen in both runs, and the same date in both PDFs */
    const std::vector<std::string> headless = {script, "SPLICE_GUI_HEADLESS=1",
                                               "SPLICE_SCREEN=1280x960", "SOURCE_DATE_EPOCH=0"};
    std::vector<std::string> window = {script,
                                       "SPLICE_GUI_WINDOW=1",
                                       "SPLICE_SCREEN=1280x960",
                                       "SOURCE_DATE_EPOCH=0",
                                       "DISPLAY=" + display.name,
                                       "SDL_VIDEODRIVER=x11"};
    const char *argv[] = {"splice", Id, "17", "1", "4", nullptr};
    const std::string list = std::string(Id) + "_01.oli", pdf = list + ".pdf";
    double wall[2] = {0, 0}, cpu[2] = {0, 0};
    int same = 1;
    for (auto _ : state) {
        Bench_Process_Cost cost[2];
        std::string bytes[2];
        for (int w = 0; w < 2; w++) {
            unlink(pdf.c_str());
            cost[w] = Bench_Run_Process(SPLICE_EXECUTABLE, argv, w ? window : headless);
            if (cost[w].status == -1 || !WIFEXITED(cost[w].status)
                || WEXITSTATUS(cost[w].status) != 1) {
                state.SkipWithError("the executable did not end normally");
                break;
            }
            bytes[w] = Slurp(list) + Slurp(pdf);
            wall[w] += cost[w].wall_s;
            cpu[w] += cost[w].cpu_s;
        }
        if (state.error_occurred()) break;
        same &= !bytes[0].empty() && bytes[0] == bytes[1];
        state.SetIterationTime(cost[1].wall_s);
    }
    Stop_Xvfb(&display);
    if (state.error_occurred()) return;
    int pages = 0;
    Oli_Reader *r = Oli_Reader_Open(list.c_str());
    Oli_Layout layout;
    if (r != nullptr) Oli_Layout_Stream(r, &layout, Count_Page, &pages);
    Oli_Reader_Close(r);
    const double n = (double)state.iterations();
    state.counters["headless_s"] = wall[0] / n;
    state.counters["window_s"] = wall[1] / n;
    state.counters["ratio"] = wall[1] / wall[0];
    state.counters["headless_cpu_s"] = cpu[0] / n;
    state.counters["window_cpu_s"] = cpu[1] / n;
    state.counters["pages"] = pages;
    state.counters["list_MB"] = (double)Rt_File_Size(list.c_str()) / (1 << 20);
    state.counters["same_files"] = same;
    /* the files of the print go, unless asked to stay (to compare their bytes) */
    if (getenv("SPLICE_BENCH_KEEP") != nullptr) return;
    for (const std::string &f : {list, pdf, std::string(Id) + "01.SPF", std::string(Id) + "02.SPF",
                                 std::string(Id) + "03.SPF"})
        unlink(f.c_str());
}
BENCHMARK(BM_Print_In_Window)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
