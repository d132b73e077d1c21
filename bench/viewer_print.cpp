/*
** Benchmark of the printer: a print list holding the design combinations of all ten groups
** with 1000 combinations each (written by the table writer) is read, laid out and printed to
** PDF page by page, as the program prints. Counters: pages of the PDF, pages per second and rows
** printed.
*/
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/oliview.h"
#include "platform/zelkgrft.h"
#include "printlist/printlist.h"

namespace {

/* The list of 10 x 1000 combinations: per group a heading and a table of M, N, V, kmod and
** the utilisation. */
const char *write_list()
{
    static std::string path;
    if (!path.empty()) return path.c_str();
    path = "/tmp/bench_viewer_" + std::to_string((long)getpid()) + "_01.oli";
    FILE *f = fopen(path.c_str(), "w");
    if (f == nullptr) return nullptr;
    OLI_setFlags(f, 896);
    OLI_setLayout(f, 4115);
    Oli_Init_Writer(3, 2, 1);
    Oli_Write_Contents(f, "Biegesto\xE1 mit 10 x 1000 Kombinationen");
    Oli_Write_Heading(f, 1,
                      "Bemessungsschnittgr\x94\xE1"
                      "en");
    static std::vector<double> M(1000), N(1000), V(1000), kmod(1000), eta(1000);
    const double kmods[10] = {0.6, 0.7, 0.8, 0.9, 1.1, 0.5, 0.55, 0.65, 0.7, 0.9};
    for (int g = 0; g < 10; g++) {
        for (int i = 0; i < 1000; i++) {
            M[i] = 20.0 * std::sin(0.013 * i + g);
            N[i] = -150.0 + 0.3 * i;
            V[i] = 5.0 + std::fmod(0.7 * i, 9.0);
            kmod[i] = kmods[g];
            eta[i] = std::fabs(M[i]) / 25.0 + std::fabs(N[i]) / 400.0;
        }
        Oli_Write_Heading(f, 2, "Gruppe %d, k\xCE\\mod\xCEr = %.2f", g + 1, kmods[g]);
        Oli_Table_Column *cols = nullptr;
        Oli_Alloc_Table_Columns(6, &cols);
        strcpy(cols[0].unit, "ZZ");
        cols[0].width = 4;
        cols[0].decimals = 1;
        const char *titles[5] = {"M\xCE\\"
                                 "d",
                                 "N\xCE\\"
                                 "d",
                                 "V\xCE\\"
                                 "d",
                                 "k\xCE\\"
                                 "mod",
                                 "\xCE\\"
                                 "eta"};
        const char *units[5] = {"kNm", "kN", "kN", "-", "-"};
        double *values[5] = {M.data(), N.data(), V.data(), kmod.data(), eta.data()};
        for (int c = 0; c < 5; c++) {
            strcpy(cols[c + 1].title, titles[c]);
            strcpy(cols[c + 1].unit, units[c]);
            cols[c + 1].width = 9;
            cols[c + 1].decimals = c == 4 ? 3 : 2;
            cols[c + 1].values = values[c];
        }
        cols[5].underline_mark = 1;
        OliTabelle(/*file=*/f, /*ncols=*/6, /*nrows=*/1000, /*columns=*/cols, /*row_mask=*/nullptr,
                   /*row_rules=*/nullptr, /*highlight=*/0, /*flags=*/0x40, /*title_counts=*/nullptr,
                   /*title_texts=*/nullptr, /*extra_count=*/0, /*extra_texts=*/nullptr);
        free(cols);
    }
    Oli_Close_Bookmarks(f);
    fclose(f);
    return path.c_str();
}

void BM_PrintAllCombinations(benchmark::State &state)
{
    const char *list = write_list();
    if (list == nullptr) {
        state.SkipWithError("print list not written");
        return;
    }
    std::string pdf = std::string(list) + ".pdf";
    int pages = 0;
    for (auto _ : state) {
        if (!Oli_Print_File_To_Pdf_Report(list, pdf.c_str(), nullptr, &pages))
            state.SkipWithError("PDF not written");
    }
    state.counters["pages"] = (double)pages;
    state.counters["pages_per_s"] =
        benchmark::Counter((double)pages, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["rows"] = 10000;
    remove(pdf.c_str());
}
BENCHMARK(BM_PrintAllCombinations)->Unit(benchmark::kMillisecond)->Iterations(3);

} /* namespace */
