// Painting a full 1,024 x 676 view into the back buffer as a view painter
// does: the skin's background, a title, 32 lines of team names and figures,
// text boxes, logos decoded again at each draw (images without the flag L),
// and anti-aliased paths (the timeline's five cell frames and a dotted,
// squiggled route). Frames per second are the "items_per_second" figure.
// Set KORVA_SAVE_FRAME to a file name to keep the last frame as a PNG.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "app/app_fonts.h"
#include "app/bitmap_cache.h"
#include "app/dib_sections.h"
#include "app/drawing_services.h"
#include "app/main_window_dc.h"
#include "app/main_window_geometry.h"
#include "app/vector_paths.h"

namespace {
void Paint_Sample_View(DEVICE_CONTEXT* dc) {
    snprintf(Current_Background_Name, sizeof Current_Background_Name, "skins\\earth\\news\\standing.jpg");
    Draw_Screen_Background(dc);
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    DRAWING_FONT* title = Get_App_Font(12);
    Select_Font(dc, title);
    Set_Text_Colour(dc, Make_Colour(255, 249, 69));
    Draw_Text_In_Scaled_Rect(dc, "National League Standings", {100, 19, 426, 59}, 37, 1);
    Release_App_Font(title);
    DRAWING_FONT* lines = Get_App_Font(5);
    Select_Font(dc, lines);
    Set_Text_Colour(dc, Make_Colour(255, 255, 255));
    char text[64];
    for (int row = 0; row < 32; ++row) {
        const int32_t top = 101 + row * 11 + (row / 4) * 6;
        snprintf(text, sizeof text, "Team %c%c%c", 'A' + row % 26, 'a' + row % 7, 'n' + row % 5);
        Draw_Text_In_Scaled_Rect(dc, text, {15, top, 130, top + 11}, TEXT_SINGLE_LINE | TEXT_VERTICAL_CENTRE,
                                 1);
        for (int column = 0; column < 5; ++column) {
            snprintf(text, sizeof text, "%d", (row * 7 + column * 3) % 17);
            Draw_Text_In_Scaled_Rect(dc, text, {300 + 84 * column, top, 384 + 84 * column, top + 11},
                                     TEXT_CENTRE | TEXT_SINGLE_LINE | TEXT_VERTICAL_CENTRE, 1);
        }
    }
    Release_App_Font(lines);
    Select_Font(dc, nullptr);
    for (int column = 0; column < 5; ++column) {
        RECT_AREA heading{300 + 84 * column + 3, 75, 300 + 84 * column + 81, 94};
        Draw_Scaled_Text_Box(dc, &heading, column % 2 ? "Points Against" : "Win Pct", 5);
    }
    const char* const logos[8] = {"logos\\Arizona.png", "logos\\Atlanta.png",  "logos\\Baltimore.png",
                                  "logos\\Buffalo.png", "logos\\Carolina.png", "logos\\Chicago.png",
                                  "logos\\Dallas.png",  "logos\\Denver.png"};
    for (int i = 0; i < 8; ++i)
        Draw_Cached_Image_In_Rect(dc, logos[i], 640 + (i % 2) * 60, 110 + (i / 2) * 80, 50, 50, 1);

    for (int cell = 0; cell < 5; ++cell) {
        PATH_COLLECTION frame;
        start_new_path(&frame, 0);
        frame.Vertices.move_to(13, 0);
        frame.Vertices.line_to(134, 0);
        frame.Vertices.line_to(121, 26);
        frame.Vertices.line_to(0, 26);
        frame.Vertices.close_polygon();
        Set_Path_Colour(&frame, Make_Path_Colour(255, 255, 0));
        Set_Path_Width(&frame, 3);
        Set_Path_Flags(&frame, PATH_STROKE);
        frame.Window_Left = frame.Window_Top = -2;
        frame.Window_Right = 136;
        frame.Window_Bottom = 28;
        Render_Paths(dc, &frame, 300 + cell * 140, 630, 138, 29, 0);
        Free_Path_Collection(&frame);
    }
    PATH_COLLECTION route;
    start_new_path(&route, 0);
    route.Vertices.move_to(0, 0);
    route.Vertices.curve4(80, 0, 120, 120, 260, 100);
    Set_Path_Colour(&route, Make_Path_Colour(255, 255, 255));
    Set_Path_Width(&route, 4);
    Set_Path_Flags(&route, PATH_STROKE);
    Dot_Current_Path(&route, 1.2, 2.5);
    start_new_path(&route, 0);
    route.Vertices.move_to(0, 120);
    route.Vertices.line_to(260, 20);
    Set_Path_Colour(&route, Make_Path_Colour(255, 220, 60));
    Set_Path_Width(&route, 3);
    Set_Path_Flags(&route, PATH_STROKE);
    Squiggle_Current_Path(&route, 12, 5, 1);
    route.Shadow_Size = 6;
    Render_Paths(dc, &route, 360, 470, 300, 140, 0);
    Free_Path_Collection(&route);
}

void BM_Paint_Full_View(benchmark::State& state) {
    char previous[4096];
    if (getcwd(previous, sizeof previous) == nullptr || chdir(KORVA_DATA_DIR) != 0) {
        state.SkipWithError("no installation folder");
        return;
    }
    Set_Main_Window_Geometry({0, 0, 1024, 676}, {0, 0, 1024, 676});
    Init_Image_Caches();
    Create_Main_Window_Back_Buffer_For_Window();
    Load_App_Fonts();
    for (auto _ : state) {
        DEVICE_CONTEXT* dc = Acquire_Main_Window_DC();
        Paint_Sample_View(dc);
        Release_Main_Window_DC();
        Clear_Drawn_Texts();
    }
    state.SetItemsProcessed(state.iterations());
    if (const char* keep = getenv("KORVA_SAVE_FRAME"); keep != nullptr) {
        DEVICE_CONTEXT* dc = Acquire_Main_Window_DC();
        Save_DC_Area_To_PNG(dc, 0, 0, 1024, 676, keep);
        Release_Main_Window_DC();
    }
    Free_App_Fonts(true);
    Free_Image_Caches();
    Destroy_Main_Window_Back_Buffer();
    if (chdir(previous) != 0) state.SkipWithError("cannot go back");
}
BENCHMARK(BM_Paint_Full_View)->Unit(benchmark::kMillisecond);
} // namespace
