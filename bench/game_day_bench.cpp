// The game-day screen: a full repaint of the view with a snap waiting for the
// user's call, a pointer moving between two play buttons (the partial repaint
// of the call area), and a whole watched game whose every call is made at
// once by keys, played back with the "Instant" text speed.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "app/bitmap_cache.h"
#include "app/main_window.h"
#include "app/main_window_dc.h"
#include "app/startup.h"
#include "app/status_bars.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/saved_game.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "engine/playbook_records.h"
#include "platform/backend.h"
#include "platform/clock.h"
#include "platform/message_queue.h"
#include "platform/windows.h"
#include "support/game_runner.h"
#include "support/test_league.h"
#include "views/current_view.h"
#include "views/game_day_screen.h"
#include "views/games_view.h"
#include "views/games_view_commands.h"
#include "views/play_calling.h"

namespace {
constexpr int32_t HOME = 0;
constexpr int32_t VISITOR = 1;
constexpr uint32_t USER_TIMER = 0x6B11;

// A frame in a folder of its own that sees the installation's pictures.
struct BENCH_FRAME {
    std::string Previous;
    std::string Folder;
};

bool Open_Frame(BENCH_FRAME* frame) {
    char previous[4096];
    if (getcwd(previous, sizeof previous) == nullptr) return false;
    frame->Previous = previous;
    std::string pattern = (std::filesystem::temp_directory_path() / "korva-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr || chdir(pattern.c_str()) != 0) return false;
    frame->Folder = pattern;
    for (const char* folder : {"skins", "logos"})
        std::filesystem::create_symlink(std::string(KORVA_DATA_DIR) + "/" + folder, folder);
    std::filesystem::create_directories("Databases");
    std::filesystem::create_directories("Output");
    Use_Virtual_Clock(1000);
    Set_Null_Surface_Size(1024, 696);
    Build_Test_League();
    Prepare_Game_Week(0, 2024);
    Set_Team_Stat(HOME, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_Default_Playbooks(HOME);
    Set_Default_Playbooks(VISITOR);
    Set_Skin_Name("earth");
    if (Save_Game("Databases/bench.dat", nullptr) != SAVE_OK || Load_Game("Databases/bench.dat") == 0)
        return false;
    Init_Image_Caches();
    Install_Frame_Services();
    if (!Register_Main_Window_Class() || Create_Main_Window() == NO_WINDOW) return false;
    Create_Status_Bar();
    return true;
}

void Close_Frame(const BENCH_FRAME& frame) {
    Current_Game = nullptr;
    Destroy_All_Windows();
    Reset_Message_Queue();
    Free_Image_Caches();
    Destroy_Main_Window_Back_Buffer();
    Main_Window = NO_WINDOW;
    Status_Bar_Window = NO_WINDOW;
    News_Ticker_Window = NO_WINDOW;
    if (chdir(frame.Previous.c_str()) == 0) std::filesystem::remove_all(frame.Folder);
}

// The user's team has the ball, first and 10, and its call is open.
void Set_Up_Live_Snap() {
    Schedule_Test_Game(HOME, VISITOR, 0);
    Set_Game_PBP_Flag(HOME, 0, 1);
    GAME_RECORD* game = Get_Game_Record(0);
    std::memset(game, 0, sizeof *game);
    game->Team[0] = VISITOR;
    game->Team[1] = HOME;
    game->Possession_Team = HOME;
    game->Season_Year = static_cast<uint16_t>(Get_Current_Year());
    game->Clock = 600;
    game->Yards_To_Goal = 60;
    game->Yards_To_Go = 10;
    game->Wind_Speed = 12;
    Clear_Current_Play(game);
    Set_User_Preference(SIMULATION_RUNNING, 1);
    Set_User_Preference(CURRENT_WEEK, 0);
    Current_Game = game;
    Set_Current_View(GAMES_VIEW_ID);
}

void BM_GameDayFullRepaint(benchmark::State& state) {
    BENCH_FRAME frame;
    if (!Open_Frame(&frame)) {
        state.SkipWithError("no frame");
        return;
    }
    Set_Up_Live_Snap();
    for (auto _ : state) {
        DEVICE_CONTEXT* dc = Acquire_Main_Window_DC();
        Paint_Games_View(dc);
        Release_Main_Window_DC();
    }
    state.SetItemsProcessed(state.iterations());
    Close_Frame(frame);
}
BENCHMARK(BM_GameDayFullRepaint)->Unit(benchmark::kMillisecond);

void BM_GameDayPointerMove(benchmark::State& state) {
    BENCH_FRAME frame;
    if (!Open_Frame(&frame)) {
        state.SkipWithError("no frame");
        return;
    }
    Set_Up_Live_Snap();
    const RECT_AREA first = Get_Play_Button_Cell(1), second = Get_Play_Button_Cell(7);
    bool toggle = false;
    for (auto _ : state) {
        const RECT_AREA& cell = toggle ? first : second;
        toggle = !toggle;
        benchmark::DoNotOptimize(Track_Games_View_Mouse(cell.Left + 10, cell.Top + 10));
    }
    state.SetItemsProcessed(state.iterations());
    Close_Frame(frame);
}
BENCHMARK(BM_GameDayPointerMove)->Unit(benchmark::kMillisecond);

// The user calls every open side with key "1", the instant it opens.
void Call_At_Once(WINDOW_HANDLE, uint32_t, uint32_t) {
    const int32_t state = Get_Play_Call_State();
    if (state >= 1 && state <= 3 && Is_Live_Game_Shown()) Do_Games_View_Command(40116);
}

void BM_WatchedGameWithInstantCalls(benchmark::State& state) {
    BENCH_FRAME frame;
    if (!Open_Frame(&frame)) {
        state.SkipWithError("no frame");
        return;
    }
    uint32_t seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        std::memset(Universe.Games, 0, sizeof Universe.Games);
        Prepare_Game_Week(0, seed++);
        Schedule_Test_Game(HOME, VISITOR, 0);
        Set_Game_PBP_Flag(HOME, 0, 1);
        Set_User_Preference(SIMULATE_ALL_GAMES, 1);
        Set_User_Preference(PLAY_ANIMATION_DELAY, 0);
        Universe.Header.Require_Click_After_Each_Play = 0;
        Set_Window_Timer(NO_WINDOW, USER_TIMER, 1, Call_At_Once);
        state.ResumeTiming();
        benchmark::DoNotOptimize(Play_Test_Game(HOME, VISITOR, 0));
        state.PauseTiming();
        Kill_Window_Timer(NO_WINDOW, USER_TIMER);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations());
    Close_Frame(frame);
}
BENCHMARK(BM_WatchedGameWithInstantCalls)->Unit(benchmark::kSecond)->Iterations(5);
} // namespace
