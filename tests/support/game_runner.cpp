#include "support/game_runner.h"

#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/universe.h"
#include "engine/game_driver.h"
#include "engine/game_record.h"
#include "platform/message_queue.h"
#include "season/league_rates.h"

namespace {
constexpr int32_t TEST_SEASON_LENGTH = 17;
constexpr int32_t WEEK_TEAMS = 32;
} // namespace

void Prepare_Game_Week(int32_t week, uint32_t seed) {
    Universe.Season_Length = TEST_SEASON_LENGTH;
    Set_User_Preference(CURRENT_WEEK, week);
    Set_User_Preference(SIMULATION_RUNNING, 1);
    Set_User_Preference(GAME_SAVED_MIDWAY, 0);
    Set_User_Preference(SIMULATE_ALL_GAMES, 1);
    Set_User_Preference(SIM_TO_QUARTER, 0);
    Set_User_Preference(OVERTIME_MINUTES, 10);
    Set_User_Preference(REGULAR_SEASON_OVERTIME_FLAG, 1);
    Set_User_Preference(REGULAR_SEASON_OVERTIME_RULE, 1);
    Set_User_Preference(PLAYOFF_OVERTIME_RULE, 3);
    Universe.Header.Target_Week = static_cast<uint16_t>(week + 1);
    // As the weekly game loop does before a game day.
    Update_League_Average_Rates();
    Seed_Random_Numbers(seed);
}

void Schedule_Test_Game(int32_t home, int32_t visitor, int32_t week) {
    if (Get_Team_Schedule_Stat(home, week, SCHEDULE_OPPONENT) != 0) return;
    Schedule_Game(home, visitor, week, 6, 1300);
}

int32_t Find_Free_Game_Record() {
    for (int32_t n = 0; n < MAX_GAME_RECORDS; ++n)
        if (Universe.Games[n].Season_Year == 0) return n;
    return -1;
}

GAME_RECORD* Play_Test_Game(int32_t home, int32_t visitor, int32_t week) {
    Schedule_Test_Game(home, visitor, week);
    int32_t index = Find_Free_Game_Record();
    if (index < 0) return nullptr;
    GAME_RECORD* game = &Universe.Games[index];
    // As the weekly game loop does: both schedule entries name the record.
    Set_Team_Schedule_Stat(home, week, 3, index);
    Set_Team_Schedule_Stat(visitor, week, 3, index);
    Set_User_Preference(CURRENT_GAME_NUMBER, index);
    if (Play_Game(home, visitor, week, game) != 0) Finish_Game(game, week);
    return game;
}

int32_t Play_Test_Week(int32_t week) {
    int32_t finished = 0;
    for (int32_t k = 0; k < WEEK_TEAMS / 2; ++k) {
        int32_t home = (2 * k + week) % WEEK_TEAMS;
        int32_t visitor = (2 * k + 1 + week) % WEEK_TEAMS;
        GAME_RECORD* game = Play_Test_Game(home, visitor, week);
        if (game != nullptr && Is_Game_Over(game)) ++finished;
    }
    return finished;
}

void Add_Logged_Points(const PLAY_LOG_ENTRY& entry, int32_t points[2]) {
    const int off = (entry.Play_Word >> PLAY_WORD_SIDE_1_BALL_BIT) & 1;
    switch (Get_Play_Result(entry.Play_Word)) {
    case RESULT_TOUCHDOWN_PASS:
    case RESULT_TOUCHDOWN_RUN:
        points[off] += 6;
        break;
    case RESULT_INTERCEPTION_TOUCHDOWN:
    case RESULT_FUMBLE_TOUCHDOWN:
    case RESULT_PUNT_RETURN_TOUCHDOWN:
    case RESULT_KICKOFF_RETURN_TOUCHDOWN:
        points[1 - off] += 6;
        break;
    case RESULT_FIELD_GOAL_GOOD:
        points[off] += 3;
        break;
    case RESULT_SAFETY:
        points[1 - off] += 2;
        break;
    case RESULT_TWO_POINT_GOOD:
        points[off] += 2;
        break;
    case RESULT_EXTRA_POINT_GOOD:
        points[off] += 1;
        break;
    default:
        break;
    }
}

namespace {
int32_t Snaps_Before_Action = 0;
void (*Snap_Action)() = nullptr;
constexpr uint32_t MSG_STOP_AFTER_SNAPS = MSG_FIRST_APP + 78;
constexpr WINDOW_HANDLE STOPPER_WINDOW = 78;

intptr_t Stopper_Procedure(WINDOW_HANDLE window, uint32_t code, uintptr_t, intptr_t) {
    if (code != MSG_STOP_AFTER_SNAPS) return 0;
    if (--Snaps_Before_Action <= 0)
        Snap_Action();
    else
        Post_Window_Message(window, MSG_STOP_AFTER_SNAPS, 0, 0);
    return 0;
}
} // namespace

void Run_After_Snaps(int32_t snaps, void (*action)()) {
    Reset_Message_Queue();
    Set_Window_Procedure(STOPPER_WINDOW, Stopper_Procedure);
    Snaps_Before_Action = snaps;
    Snap_Action = action;
    Post_Window_Message(STOPPER_WINDOW, MSG_STOP_AFTER_SNAPS, 0, 0);
}

void Stop_Advance_After_Snaps(int32_t snaps) {
    Run_After_Snaps(snaps, [] { Set_User_Preference(SIMULATION_RUNNING, 0); });
}

std::vector<SEASON_ROW> Season_Rows(int32_t team) {
    std::vector<SEASON_ROW> rows;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        const auto& stats = Universe.Teams[team].Players[slot].Season_Stats[SEASON_THIS];
        rows.emplace_back(std::begin(stats), std::end(stats));
    }
    return rows;
}
