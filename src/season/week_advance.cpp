#include "season/week_advance.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "app/diagnostics.h"
#include "app/main_menu.h"
#include "app/main_window_title.h"
#include "app/modal_dialogs.h"
#include "app/news_ticker.h"
#include "app/status_bars.h"
#include "app/window_graphics.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_stat_cache.h"
#include "database/playoff_bracket.h"
#include "database/saved_game.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_balance.h"
#include "database/universe.h"
#include "dialogs/saved_game_names.h"
#include "engine/defensive_play_calling.h"
#include "engine/game_driver.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "engine/offensive_play_calling.h"
#include "frontoffice/computer_trades.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/game_finances.h"
#include "frontoffice/league_revenue.h"
#include "frontoffice/roster_moves.h"
#include "personnel/college_draft_flow.h"
#include "personnel/draft_order.h"
#include "personnel/draft_pool.h"
#include "personnel/draft_state.h"
#include "personnel/injuries.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "season/all_time_leaders.h"
#include "season/league_rates.h"
#include "season/off_season.h"
#include "season/playoff_seeding.h"
#include "season/score_ticker.h"
#include "season/season_calendar.h"
#include "tools/season_simulator.h"
#include "tools/timestamp_log.h"
#include "views/current_view.h"
#include "views/season_outcome.h"

namespace {
constexpr int32_t OFF_SEASON_WEEK = 100;
constexpr int32_t LAST_GAME_WEEK = 21;
constexpr int32_t TRADING_DEADLINE_WEEK = 12;
constexpr int32_t COMPUTER_TRADES_A_WEEK = 3;
constexpr int32_t SEASON_ADVANCE_WEEKS = 22;
constexpr int32_t SMALL_DRAFT_POOL = 100;
constexpr int32_t SCOUTING_SPREAD_CACHE = 16;
constexpr int32_t VIEW_PLAYOFFS = 40069;
constexpr int32_t VIEW_CHAMPIONS = 40074;
// The schedule's game index of a game played while every record held a
// finished game of the season (see Take_Game_Record).
constexpr int32_t PLAYED_WITHOUT_RECORD = -2;

// The game of a week when all 300 records already hold finished games. It is
// played and booked (standings, bracket) but not kept, so no record outside
// the 300 is ever written.
GAME_RECORD Unkept_Game;

// Touchdowns scored on interception and fumble returns in the games of the
// running advance, written to the diagnostics log when it ends.
int32_t Interception_Return_Touchdowns = 0;
int32_t Fumble_Return_Touchdowns = 0;

int32_t Week() {
    return Get_User_Preference(CURRENT_WEEK);
}

// The target week is a signed 16-bit field of the block's header.
int32_t Target() {
    return static_cast<int16_t>(Universe.Header.Target_Week);
}

void Set_Target(int32_t week) {
    Universe.Header.Target_Week = static_cast<uint16_t>(week);
}

bool Is_Running() {
    return Get_User_Preference(SIMULATION_RUNNING) != 0;
}

bool Is_Saved_Midway() {
    return Get_User_Preference(GAME_SAVED_MIDWAY) != 0;
}

int32_t Last_Playoff_Mark() {
    return Universe.Post_Season_Days[4];
}

void Next_Week() {
    Set_Current_Week(Week() + 1);
}

bool Is_Watched(const GAME_RECORD* game, int32_t week) {
    return game != nullptr && (Get_Team_Week_Schedule_Stat_1(game->Team[0], week) != 0 ||
                               Get_Team_Week_Schedule_Stat_1(game->Team[1], week) != 0);
}

// The record a game is played in: the one of a game resumed from a save, else
// the first that holds no finished game. With every record full the game is
// played in the unkept record.
GAME_RECORD* Take_Game_Record(int32_t home, int32_t visitor, int32_t week) {
    int32_t index = Is_Saved_Midway() ? Get_User_Preference(CURRENT_GAME_NUMBER) : Count_Completed_Games();
    if (index >= 0 && index < MAX_GAME_RECORDS) {
        Set_Team_Schedule_Stat(home, week, SCHEDULE_GAME_INDEX, index);
        Set_Team_Schedule_Stat(visitor, week, SCHEDULE_GAME_INDEX, index);
        Set_User_Preference(CURRENT_GAME_NUMBER, index);
        return &Universe.Games[index];
    }
    Log_Debug_Line("All %d game records hold finished games: week %d, %d at %d is played without one",
                   MAX_GAME_RECORDS, week, visitor, home);
    Set_User_Preference(GAME_SAVED_MIDWAY, 0);
    Set_User_Preference(CURRENT_GAME_NUMBER, MAX_GAME_RECORDS);
    return &Unkept_Game;
}

void Count_Return_Touchdowns(const GAME_RECORD* game) {
    int32_t logged = game->Play_Log_Count;
    if (logged < 0) logged = 0;
    if (logged > MAX_PLAY_LOG_ENTRIES) logged = MAX_PLAY_LOG_ENTRIES;
    for (int32_t n = 0; n < logged; ++n) {
        const int32_t result = Get_Play_Result(game->Play_Log[n].Play_Word);
        if (result == RESULT_INTERCEPTION_TOUCHDOWN) ++Interception_Return_Touchdowns;
        if (result == RESULT_FUMBLE_TOUCHDOWN) ++Fumble_Return_Touchdowns;
    }
}

bool Is_Already_Played(int32_t team, int32_t week) {
    const int32_t index = Get_Team_Schedule_Stat(team, week, SCHEDULE_GAME_INDEX);
    if (index == PLAYED_WITHOUT_RECORD) return true;
    return index >= 0 && index < MAX_GAME_RECORDS && Is_Game_Over(&Universe.Games[index]);
}

// Plays the week's game of `home` when its entry lists it first; k counts
// the week's finished games for the ticker.
void Play_Scheduled_Game(int32_t home, int32_t week, int32_t* k) {
    if (week > LAST_GAME_WEEK) return;
    const int32_t code = Get_Team_Schedule_Stat(home, week, SCHEDULE_OPPONENT);
    if (code <= 0 || Is_Already_Played(home, week)) return;
    const int32_t visitor = std::abs(code) - 1;
    GAME_RECORD* game = Take_Game_Record(home, visitor, week);
    if (Play_Game(home, visitor, week, game) == 0) return;
    Finish_Game(game, week);
    Count_Return_Touchdowns(game);
    if (game == &Unkept_Game) {
        Set_Team_Schedule_Stat(home, week, SCHEDULE_GAME_INDEX, PLAYED_WITHOUT_RECORD);
        Set_Team_Schedule_Stat(visitor, week, SCHEDULE_GAME_INDEX, PLAYED_WITHOUT_RECORD);
    }
    if (week >= Get_Playoff_Start_Week()) Record_Playoff_Result(game);
    Compute_Game_Finances(game);
    {
        // The seeding reads the scores the standings have just worked out.
        STANDINGS_SCOPE standings;
        Update_Standings();
        if (Week() < Get_Playoff_Start_Week()) Seed_Playoffs();
    }
    Format_Score_Ticker_Text(game, (*k)++);
    Redraw_Main_Window();
    if (Status_Bar_Exists()) {
        Repaint_Status_Bar();
        if (News_Ticker_Exists()) Repaint_News_Ticker();
    }
    Draw_Scoreboard(game);
    Pump_Messages();
}

void Run_Weekly_Steps() {
    Pay_Shared_Revenue();
    Refresh_All_Time_Leaders();
    Heal_All_Players_For_Weeks(Week() == Universe.Post_Season_Days[2] ? 2 : 1);
    Auto_Set_Computer_Depth_Charts(0);
    Do_Computer_Roster_Moves();
    if (Week() < TRADING_DEADLINE_WEEK) {
        Rank_League_Teams();
        for (int32_t n = 0; n < COMPUTER_TRADES_A_WEEK; ++n)
            Try_Computer_Trade();
    }
}

// Moves past the regular season's end: the bracket is seeded there, and each
// playoff week enters its round; a week without games is passed over.
void Enter_Playoff_Week() {
    if (Week() == Get_Playoff_Start_Week()) {
        Seed_Playoffs();
        if (Get_Current_View() == VIEW_STANDINGS) Set_Current_View(VIEW_PLAYOFFS);
    }
    if (Schedule_Playoff_Week() > 0 || Week() > Last_Playoff_Mark()) return;
    Next_Week();
    Schedule_Playoff_Week();
}

void Play_Weeks() {
    Interception_Return_Touchdowns = 0;
    Fumble_Return_Touchdowns = 0;
    Set_User_Preference(SIMULATION_RUNNING, 1);
    Update_Main_Window_Title();
    if (!Is_Saved_Midway()) Auto_Set_Computer_Depth_Charts(0);
    while (Is_Running() && Week() < Target() && !Is_Quit_Requested()) {
        if (!Is_Saved_Midway()) {
            Update_League_Wealth_Factor();
            Compute_Shared_Revenue_Per_Game();
            Do_Automatic_Signings();
            Update_Team_Strength_Levels();
            Update_ATL_Career_Totals(1);
        }
        Play_Week();
        if (!Is_Running() || Week() >= Target() || Is_Quit_Requested()) break;
        Run_Weekly_Steps();
        Next_Week();
        if (Week() >= Get_Playoff_Start_Week()) Enter_Playoff_Week();
    }
    Log_Debug_Line("Return TDs (Interception):     %3d\nReturn TDs (Fumble Receovery): %3d",
                   Interception_Return_Touchdowns, Fumble_Return_Touchdowns);
    Set_User_Preference(GAME_SAVED_MIDWAY, 0);
    Set_User_Preference(SIMULATION_RUNNING, 0);
    Update_Main_Window_Title();
}

void Show_Queued_Injuries() {
    const int32_t first = Get_User_Preference(FIRST_INJURY_ALERT);
    if (first != 0 && Lookup_Player_ID_Hash(nullptr, first) != 0) Show_Injury_Messages();
    for (int32_t n = 0; n < NUMBER_OF_INJURY_ALERTS; ++n)
        Set_User_Preference(FIRST_INJURY_ALERT + n, 0);
}

void Finish_Advance() {
    Auto_Set_Computer_Depth_Charts(0);
    Show_Queued_Injuries();
    Update_Play_Menu();
    if (Week() >= Universe.Season_Length) {
        Update_All_Time_Leaders(3);
        if (Count_Draft_Pool_Players() <= SMALL_DRAFT_POOL) Create_College_Draft_Pool();
        Set_College_Draft_Order();
        Set_User_Preference(DRAFT_BOARD_YEAR, Get_Current_Year() + 1);
        Write_Down_And_Distance_File();
    }
    if (Is_Champion_Decided()) {
        if (Get_Best_Finishing_User_Team() != NO_TEAM) Set_Current_View(VIEW_CHAMPIONS);
        Clear_Suspensions();
    }
    Set_User_Preference(SIMULATE_ALL_GAMES, 0);
    Refresh_Main_Window_And_Ticker();
    Universe.Header.Advance_In_Progress = 0;
    Set_Target(0);
    Set_User_Preference(SCOUTING_SPREAD_CACHE, 0);
    if (Status_Bar_Exists()) {
        Repaint_Status_Bar();
        if (News_Ticker_Exists()) Repaint_News_Ticker();
    }
}

void Auto_Save_Before_Advance(int32_t weeks) {
    if (Get_User_Preference(AUTO_SAVE) == 0 || Week() % 4 >= weeks) return;
    if (Save_Game("[Auto Save].kor", nullptr) != SAVE_OK)
        Show_Formatted_Message("Auto Save", "Football Korva could not auto-save the game file!");
}
} // namespace

void Advance_Weeks(int32_t weeks) {
    if (Universe.Header.Advance_In_Progress != 0) return;
    Universe.Header.Advance_In_Progress = 1;
    if (Get_Universe_Stat(FANTASY_DRAFT_FLAG) >= 1) {
        Show_Formatted_Message(
            "Fantasy Draft",
            "Football Korva can't play games during the Fantasy Draft.\n\nTo abort the Fantasy "
            "Draft (or finish it automatically), choose \"End Fantasy Draft...\" from the Tools "
            "Menu.");
        Universe.Header.Advance_In_Progress = 0;
        return;
    }
    if (Is_Champion_Decided()) Set_College_Draft_Order();
    if (Get_User_Preference(COMMISSIONER_MODE) != 0 &&
        Show_Message_Box("Would you like to turn Commissioner Mode off before proceeding?",
                         "Commissioner Mode", BOX_YES_NO | BOX_TASK_MODAL) == ID_BOX_YES)
        Set_User_Preference(COMMISSIONER_MODE, 0);
    Set_Target(Week() + weeks);
    Set_Play_Menu_Mode(0);
    Stop_News_Ticker();
    Repaint_News_Ticker();
    Repaint_Status_Bar();
    Auto_Save_Before_Advance(weeks);
    const int32_t end_of_season = Get_Playoff_Start_Week();
    if (Target() > end_of_season && Week() < end_of_season) Set_Target(end_of_season);
    if (Target() > Last_Playoff_Mark() + 1) Set_Target(Last_Playoff_Mark() + 1);
    // A season whose playoff weeks are all behind it ends, even when its
    // bracket names no champion: it has no games left to decide one.
    if (Is_Champion_Decided() || (Week() > Last_Playoff_Mark() && Week() != OFF_SEASON_WEEK)) {
        Set_College_Draft_Order();
        Log_Timestamp_Line("Off-Season Started");
        Start_Off_Season();
        // The season just ended is kept under the game's own name. The Season
        // Simulator's runs get here with every team computer-run and are
        // thrown away: saving one would write it over the user's game.
        if (Simulator_Seasons <= 0) Auto_Save_Game();
    } else if (Week() != OFF_SEASON_WEEK) {
        Play_Weeks();
    }
    Finish_Advance();
}

void Play_Week() {
    const int32_t teams = Count_Active_Teams();
    const int32_t week = Week();
    int32_t k = 0;
    Clear_Score_Ticker();
    Begin_Player_Stat_Cache();
    Update_League_Average_Rates();
    for (int32_t team = 0; team < teams; ++team) {
        Play_Scheduled_Game(team, week, &k);
        // The program asked to end (its window closed, a signal) stops between games.
        if (!Is_Running() || Week() >= Target() || Is_Quit_Requested()) break;
    }
    End_Player_Stat_Cache();
    Sanity_Check_Player_IDs();
    Set_College_Draft_Order();
}

void Stop_Simulation() {
    Stop_Watching_Current_Game();
    Set_Target(Week() + 1);
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
    Simulator_Seasons = 0;
}

void End_Advance_At_Once() {
    Stop_Watching_Current_Game();
    Set_Target(Week());
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
    Simulator_Seasons = 0;
}

// Every advance must move the calendar; in the off-season the draft is what
// moves it, so it is started (or continued) here. The loop ends when a step
// moves nothing (an advance refused, a league without playoffs). The seasons
// are counted by the calendar year, which moves on with the season index and
// goes on past the last history row, where the index stays.
void Simulate_Seasons(int32_t seasons) {
    if (seasons <= 0) return;
    // The year stops at the largest one (the roll-over holds it there), so
    // the seasons are played up to that year and no further.
    const int32_t last = static_cast<int32_t>(
        std::min<int64_t>(static_cast<int64_t>(Get_Current_Year()) + seasons, MAX_CALENDAR_YEAR));
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    while (Get_Current_Year() < last && Get_User_Preference(MULTI_SEASON_SIMULATION) == 1) {
        const int32_t week = Week();
        const int32_t season = Get_Current_Year();
        if (week == OFF_SEASON_WEEK && Universe.Header.Advance_In_Progress == 0) {
            if (Is_College_Draft_Running())
                College_Draft_Menu_Command();
            else
                Finish_Off_Season();
        } else {
            Advance_Weeks(SEASON_ADVANCE_WEEKS);
        }
        if (Week() == week && Get_Current_Year() == season) break;
    }
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
}

namespace {
// Set while the multi-season flag stands only for one computer draft.
bool one_season_draft = false;
} // namespace

void Advance_Weeks_With_Computer_Draft(int32_t weeks) {
    const int32_t multi_season = Get_User_Preference(MULTI_SEASON_SIMULATION);
    const bool outer = one_season_draft;
    // Inside a run of several seasons the step is a part of that run.
    one_season_draft = multi_season == 0;
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    Advance_Weeks(weeks);
    Set_User_Preference(MULTI_SEASON_SIMULATION, multi_season);
    one_season_draft = outer;
}

bool Is_Several_Seasons_Run() {
    return Get_User_Preference(MULTI_SEASON_SIMULATION) != 0 && !one_season_draft;
}

int32_t Is_Advancing() {
    return Is_Running() && Week() < Target() ? 1 : 0;
}

void Stop_Watching_Current_Game() {
    const int32_t week = Week();
    GAME_RECORD* game = nullptr;
    if (Is_Running() && Is_Watched(Current_Game, week)) {
        game = Current_Game;
    } else {
        const int32_t shown = Get_User_Preference(SHOWN_GAME_INDEX);
        if (shown >= 0 && shown < MAX_GAME_RECORDS) game = &Universe.Games[shown];
    }
    Set_User_Preference(WAITING_FOR_CLICK, 0);
    if (!Is_Running() || !Is_Watched(game, week)) return;
    Set_Game_PBP_Flag(game->Team[1], week, 0);
    game->Current_Play.Offensive_Play = static_cast<uint8_t>(Choose_Offensive_Play(game));
    game->Current_Play.Defensive_Play = static_cast<uint8_t>(Choose_Defensive_Play(game));
    Set_Current_View(VIEW_CALENDAR);
}

void Refresh_Main_Window_And_Ticker() {
    Redraw_Main_Window();
    Update_Play_Menu();
    Build_News_Ticker_Items();
    Take_News_Ticker_DC();
    Start_Ticker_Item_Scroll(News_Ticker_Window);
}

int32_t Get_Target_Week() {
    return Target();
}

int32_t Is_Multi_Season_Simulation() {
    return Get_User_Preference(MULTI_SEASON_SIMULATION) != 0 ? 1 : 0;
}

int32_t Is_Regular_Season_Over() {
    return Week() >= Universe.Season_Length ? 1 : 0;
}

int32_t Is_Post_Season_Over() {
    return Week() > Last_Playoff_Mark() ? 1 : 0;
}
