// One step of the news ticker as the display shows it, on a 1,280 x 800
// screen: the 24-pixel strip paints itself, and the display composes what
// changed. The first benchmark composes only the changed rectangles, as the
// display does; the second composes the whole screen, as it would if every
// change were taken for a change of everything.
#include <benchmark/benchmark.h>

#include "platform/windows.h"

namespace {
constexpr int32_t SCREEN_WIDTH = 1280, SCREEN_HEIGHT = 800, STRIP_HEIGHT = 24;

intptr_t Plain_Procedure(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    return Default_Window_Procedure(window, code, wparam, lparam);
}

WINDOW_HANDLE Make_Screen() {
    Destroy_All_Windows();
    Register_Window_Class("#bench-view", Plain_Procedure, Make_Colour(40, 90, 50));
    Register_Window_Class("#bench-strip", Plain_Procedure, Make_Colour(0, 0, 0));
    const WINDOW_HANDLE top = Create_Window("#bench-view", "", WINDOW_VISIBLE,
                                            {0, 0, SCREEN_WIDTH, SCREEN_HEIGHT}, NO_WINDOW, 0, 0);
    const WINDOW_HANDLE strip =
        Create_Window("#bench-strip", "", WINDOW_CHILD | WINDOW_VISIBLE,
                      {0, SCREEN_HEIGHT - STRIP_HEIGHT, SCREEN_WIDTH, SCREEN_HEIGHT}, top, 0, 0);
    Update_Window(top);
    Update_Window(strip);
    Take_Screen_Changes(nullptr);
    return strip;
}

void BM_TickerStepComposesWhatChanged(benchmark::State& state) {
    const WINDOW_HANDLE strip = Make_Screen();
    DRAWING_SURFACE picture{};
    SCREEN_CHANGES changes;
    for (auto _ : state) {
        Invalidate_Window(strip, nullptr);
        Update_Window(strip);
        Take_Screen_Changes(&changes);
        for (const RECT_AREA& area : changes.Areas)
            Render_Screen_Area(&picture, area);
        benchmark::DoNotOptimize(picture.Pixels.data());
    }
    Free_Drawing_Surface(&picture);
    Destroy_All_Windows();
}
BENCHMARK(BM_TickerStepComposesWhatChanged)->Unit(benchmark::kMicrosecond);

void BM_TickerStepComposesTheWholeScreen(benchmark::State& state) {
    const WINDOW_HANDLE strip = Make_Screen();
    DRAWING_SURFACE picture{};
    for (auto _ : state) {
        Invalidate_Window(strip, nullptr);
        Update_Window(strip);
        Take_Screen_Changes(nullptr);
        Render_Screen(&picture, SCREEN_WIDTH, SCREEN_HEIGHT);
        benchmark::DoNotOptimize(picture.Pixels.data());
    }
    Free_Drawing_Surface(&picture);
    Destroy_All_Windows();
}
BENCHMARK(BM_TickerStepComposesTheWholeScreen)->Unit(benchmark::kMicrosecond);
} // namespace
