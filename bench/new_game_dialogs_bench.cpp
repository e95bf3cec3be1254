// The New Game dialog's season change (the league file loaded, the team list
// refilled, the franchise's figures and notable players found) and a refill
// of the fantasy draft order list (65 rounds of 32 picks, every pick made).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/fantasy_draft_dialogs.h"
#include "dialogs/new_game_dialog.h"
#include "personnel/fantasy_draft.h"
#include "platform/combo_box.h"
#include "platform/dialogs.h"
#include "platform/list_box.h"
#include "platform/message_box.h"
#include "platform/windows.h"
#include "support/test_league.h"

namespace {
// Runs a benchmark in a folder of its own, removed afterwards.
class BENCH_FOLDER {
  public:
    BENCH_FOLDER() {
        previous_ = std::filesystem::current_path();
        folder_ =
            std::filesystem::temp_directory_path() / ("korva_new_game_bench_" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_ / "databases");
        std::filesystem::current_path(folder_);
    }
    ~BENCH_FOLDER() {
        std::filesystem::current_path(previous_);
        std::error_code error;
        std::filesystem::remove_all(folder_, error);
    }

  private:
    std::filesystem::path previous_;
    std::filesystem::path folder_;
};

void Choose_Season(WINDOW_HANDLE dialog, int32_t year) {
    Combo_Box_Set_Current_Selection(Get_Dialog_Item(dialog, NEW_GAME_SEASON_COMBO), year - 1951);
    Notify_Selection_Change(dialog, NEW_GAME_SEASON_COMBO);
}

void BM_New_Game_Season_Change(benchmark::State& state) {
    BENCH_FOLDER folder;
    for (const int32_t year : {2022, 1990}) {
        Build_Test_League();
        Universe.Header.Universe_Stats[BASE_YEAR] = year;
        Save_Game(("databases/universe-" + std::to_string(year) + ".dat").c_str(), nullptr);
    }
    const WINDOW_HANDLE dialog =
        Create_Modeless_Dialog(NO_WINDOW, NEW_GAME_DIALOG_TEMPLATE, New_Game_Dialog_Proc, 0);
    int32_t year = 1990;
    for (auto _ : state) {
        Choose_Season(dialog, year);
        year = year == 1990 ? 2022 : 1990;
    }
    Destroy_Window(dialog);
    Clear_Shown_Messages();
}
BENCHMARK(BM_New_Game_Season_Change)->Unit(benchmark::kMillisecond);

// A draft of the test league's 32 teams with every pick of its 65 rounds made.
void Make_Whole_Fantasy_Draft() {
    Build_Test_League();
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Begin_Fantasy_Draft(FANTASY_ORDER_RANDOM, FANTASY_ORDER_SNAKE);
    Set_Fantasy_Announce_Picks(0);
    for (int32_t n = 0; n < FANTASY_DRAFT_LAST_ROUND * TEST_LEAGUE_TEAMS; ++n)
        Announce_Fantasy_Draft_Pick(n % TEST_LEAGUE_TEAMS, n / TEST_LEAGUE_TEAMS % TEST_ROSTER_SIZE,
                                    Get_Fantasy_Draft_Team());
    Clear_Shown_Messages();
}

void BM_Fantasy_Draft_Order_Refill(benchmark::State& state) {
    BENCH_FOLDER folder;
    Make_Whole_Fantasy_Draft();
    const WINDOW_HANDLE dialog = Create_Modeless_Dialog(NO_WINDOW, FANTASY_DRAFT_ORDER_DIALOG_TEMPLATE,
                                                        Fantasy_Draft_Order_Dialog_Proc, 0);
    // The sort button asked for: draft order, position or name.
    const int32_t buttons[] = {DRAFT_ORDER_ROUND_BUTTON, DRAFT_ORDER_POSITION_BUTTON,
                               DRAFT_ORDER_PLAYER_BUTTON};
    const int32_t button = buttons[state.range(0)];
    for (auto _ : state)
        Send_Window_Message(dialog, MSG_COMMAND, Pack_Command(button, 0), 0);
    state.counters["rows"] =
        static_cast<double>(List_Box_Get_Count(Get_Dialog_Item(dialog, DRAFT_ORDER_LIST)));
    Destroy_Window(dialog);
    End_Fantasy_Draft_State();
}
BENCHMARK(BM_Fantasy_Draft_Order_Refill)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
} // namespace
