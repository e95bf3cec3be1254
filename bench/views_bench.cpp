// Painting each view of the main window over the 32-team test league after a
// whole season (272 regular-season games and the playoffs), into a back
// buffer of 1,024 x 676 pixels with the earth skin's pictures. Each iteration
// runs the view's painter from scratch, as a switch to the view does.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "app/bitmap_cache.h"
#include "app/main_window_dc.h"
#include "database/league_structure.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "support/played_season.h"
#include "views/owner_hall_of_fame_file.h"
#include "views/view_painting.h"

namespace {
constexpr int32_t WIDTH = 1024, HEIGHT = 676;
std::string Scratch_Folder;

void Remove_Scratch_Folder() {
    std::error_code error;
    std::filesystem::remove_all(Scratch_Folder, error);
}

// A scratch folder with the installation's skins, the season loaded as a game.
void Open_Season_Once() {
    static bool opened = false;
    if (opened) return;
    opened = true;
    std::string folder = (std::filesystem::temp_directory_path() / "korva-bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr || chdir(folder.c_str()) != 0) std::abort();
    Scratch_Folder = folder;
    std::atexit(Remove_Scratch_Folder);
    std::filesystem::create_symlink(std::string(KORVA_DATA_DIR) + "/skins", "skins");
    std::filesystem::create_symlink(std::string(KORVA_DATA_DIR) + "/logos", "logos");
    Build_Played_Season(17);
    const int32_t champion = Get_Played_Season_Champion();
    Set_Team_Stat(champion, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Preference(USER_TEAM, champion);
    Set_User_Preference(VIEWED_TEAM, champion);
    Set_User_Preference(SHOW_NEWS_TICKER, 0);
    Set_Skin_Name("earth");
    Save_Game("season.kor", nullptr);
    Load_Game("season.kor");
    Ensure_Owner_Hall_Of_Fame_File();
    Init_Image_Caches();
    Create_Main_Window_Back_Buffer(WIDTH, HEIGHT);
}

void BM_PaintView(benchmark::State& state) {
    Open_Season_Once();
    const int32_t view = static_cast<int32_t>(state.range(0));
    Set_Current_View_Setting(view);
    DRAWING_SURFACE window{};
    Resize_Drawing_Surface(&window, WIDTH, HEIGHT);
    DEVICE_CONTEXT dc{};
    Attach_Device_Context(&dc, &window);
    for (auto _ : state) {
        Set_Last_Painted_View(-1);
        Paint_Main_Window_View(&dc, {0, 0, WIDTH, HEIGHT});
        benchmark::DoNotOptimize(window.Pixels.data());
    }
    Free_Drawing_Surface(&window);
}
// Standings, leaders, finances, calendar, Hall of Fame, playoffs, draft board, champions.
BENCHMARK(BM_PaintView)
    ->Arg(40030)
    ->Arg(40032)
    ->Arg(40034)
    ->Arg(40036)
    ->Arg(40037)
    ->Arg(40069)
    ->Arg(40070)
    ->Arg(40074)
    ->Unit(benchmark::kMillisecond);
} // namespace
