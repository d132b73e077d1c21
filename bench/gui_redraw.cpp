/*
** Redraw of a property sheet on the headless screen: a sheet whose scrollable area paints 500
** texts and 200 lines on every repaint, as a full page of the program does.
*/
#include <benchmark/benchmark.h>

#include <cstdio>

#include "platform/zelkwin.h"

namespace {

void Paint_Page(int first, int sx, int sy, int x1, int y1, int x2, int y2, void *user)
{
    (void)first;
    (void)user;
    pxFgc(WHITE_CI);
    pxRect(x1, y1, x2, y2);
    pxFgc(BLACK_CI);
    char text[64];
    for (int i = 0; i < 500; i++) {
        snprintf(text, sizeof text, "Kombination %d: M = %.2f kNm", i + 1, 0.37 * i);
        pxText(x1 + 10 + (i % 4) * 240 - sx, y1 + 16 + (i / 4) * 7 - sy, text, -1);
    }
    for (int i = 0; i < 200; i++) pxLine(x1 + 5, y1 + 4 * i - sy, x2 - 5, y1 + 4 * i + 20 - sy);
}

void BM_Sheet_Redraw(benchmark::State &state)
{
    ZW_Test_Reset();
    Define_Prop_Sheet(20, 20, 1020, 920, 1, 0, "Ausnutzungen", 40, 1);
    int area = Add_Scrollable_Area_to_PS(PS_Scrollable_Area{.x1 = 30,
                                                            .y1 = 60,
                                                            .x2 = 1000,
                                                            .y2 = 880,
                                                            .frame = 1,
                                                            .code = 0,
                                                            .step_x = 10,
                                                            .step_y = 18,
                                                            .draw = Paint_Page,
                                                            .user = nullptr,
                                                            .active = 1});
    Add_VSlider_to_Scrollable_Area(area, 5, 10, -1, 0);
    Resize_Origin_of_Scrollable_Area_PS(area, 971, 1200);
    Add_Single_Button_to_PS(40, 890, SYMBOLIC_BREAK_RASTER, nullptr, 1);
    Add_Single_Button_to_PS(960, 890, SYMBOLIC_OK_RASTER, nullptr, 2);
    Activate_Prop_Sheet();
    int y = 0;
    for (auto _ : state) {
        y = (y + 18) % 300;
        Set_Scrollable_Area_PS(area, 0, y); /* repaints the area and its slider */
        pxFlsh();
        ZW_Test_Clear_Log();
    }
    Undefine_Prop_Sheet();
}
BENCHMARK(BM_Sheet_Redraw)->Unit(benchmark::kMillisecond);

} // namespace
