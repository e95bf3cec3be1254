#include "season/calendar_advance.h"

#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/main_window_title.h"
#include "app/news_ticker.h"
#include "app/status_bars.h"
#include "app/window_graphics.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/universe.h"
#include "engine/defensive_play_calling.h"
#include "engine/game_driver.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "engine/offensive_play_calling.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/windows.h"
#include "season/league_rates.h"
#include "season/score_ticker.h"
#include "tools/season_simulator.h"
#include "views/current_view.h"

namespace {
constexpr int32_t OFF_SEASON_WEEK = 100;
constexpr int32_t LAST_GAME_WEEK = 21;
constexpr int32_t CALENDAR_VIEW = 40036;
constexpr int32_t WHOLE_SEASON_WEEKS = 22;

bool Is_Advance_Stopped() {
    return Get_User_Preference(SIMULATION_RUNNING) == 0 ||
           Get_User_Preference(CURRENT_WEEK) >= static_cast<int32_t>(Universe.Header.Target_Week) ||
           Is_Quit_Requested();
}

void Repaint_After_Game(const GAME_RECORD* game) {
    Redraw_Main_Window();
    Repaint_Window(Status_Bar_Window);
    Repaint_Window(News_Ticker_Window);
    Draw_Scoreboard(game);
}
} // namespace

void Play_Week() {
    const int32_t teams = Count_Active_Teams();
    const int32_t week = Get_User_Preference(CURRENT_WEEK);
    int32_t finished = 0;
    Clear_Score_Ticker();
    Update_League_Average_Rates();
    for (int32_t team = 0; team < teams && week <= LAST_GAME_WEEK; ++team) {
        const int32_t opponent_code = Get_Team_Schedule_Stat(team, week, SCHEDULE_OPPONENT);
        if (opponent_code > 0) {
            const int32_t index = Get_Team_Schedule_Stat(team, week, 3);
            GAME_RECORD* played = index >= 0 ? Get_Game_Record(index) : nullptr;
            if (played == nullptr || !Is_Game_Over(played) || played->Season_Year == 0) {
                const int32_t record = Count_Completed_Games();
                GAME_RECORD* game = Get_Game_Record(record);
                const int32_t opponent = opponent_code - 1;
                if (game != nullptr) {
                    Set_Team_Schedule_Stat(team, week, 3, record);
                    Set_Team_Schedule_Stat(opponent, week, 3, record);
                    Set_User_Preference(CURRENT_GAME_NUMBER, record);
                    if (Play_Game(team, opponent, week, game) != 0) {
                        Finish_Game(game, week);
                        Format_Score_Ticker_Text(game, finished++);
                        Repaint_After_Game(game);
                    }
                }
                // Every message waiting now; the main loop's translator offers it to the accelerators.
                Pump_Messages();
            }
        }
        if (Is_Advance_Stopped()) break;
    }
}

void Advance_Weeks(int32_t weeks) {
    if (Universe.Header.Advance_In_Progress != 0) return;
    Universe.Header.Advance_In_Progress = 1;
    if (Get_Universe_Stat(FANTASY_DRAFT_FLAG) >= 1) {
        Show_Formatted_Message(
            "Fantasy Draft",
            "Football Korva can't play games during the Fantasy Draft.\n\nTo abort the Fantasy "
            "Draft (or finish it automatically), choose \"End Fantasy Draft...\" from the Tools Menu.");
        Universe.Header.Advance_In_Progress = 0;
        return;
    }
    if (Get_User_Preference(COMMISSIONER_MODE) != 0 &&
        Show_Message_Box("Would you like to turn Commissioner Mode off before proceeding?",
                         "Commissioner Mode", BOX_YES_NO | BOX_TASK_MODAL) == ID_BOX_YES)
        Set_User_Preference(COMMISSIONER_MODE, 0);
    const int32_t week = Get_User_Preference(CURRENT_WEEK);
    int32_t target = static_cast<int16_t>(week + weeks);
    Set_Play_Menu_Mode(0);
    Stop_News_Ticker();
    if (Is_Window(News_Ticker_Window)) Invalidate_Window(News_Ticker_Window, nullptr);
    if (Is_Window(Status_Bar_Window)) Invalidate_Window(Status_Bar_Window, nullptr);
    const int32_t length = Universe.Season_Length;
    if (target > length && week < length) target = length;
    if (target > Universe.Post_Season_Days[4] + 1) target = Universe.Post_Season_Days[4] + 1;
    Universe.Header.Target_Week = static_cast<uint16_t>(target);
    if (week != OFF_SEASON_WEEK) {
        Set_User_Preference(SIMULATION_RUNNING, 1);
        Update_Main_Window_Title();
        while (!Is_Advance_Stopped()) {
            Play_Week();
            if (Is_Advance_Stopped()) break;
            Set_User_Preference(CURRENT_WEEK, Get_User_Preference(CURRENT_WEEK) + 1);
            Update_Main_Window_Title();
        }
        Set_User_Preference(SIMULATION_RUNNING, 0);
        Update_Main_Window_Title();
    }
    Set_User_Preference(SIMULATE_ALL_GAMES, 0);
    Refresh_Main_Window_And_Ticker();
    Universe.Header.Advance_In_Progress = 0;
    Universe.Header.Target_Week = 0;
    if (Is_Window(Status_Bar_Window)) Invalidate_Window(Status_Bar_Window, nullptr);
}

void Stop_Watching_Current_Game() {
    GAME_RECORD* game = Is_Current_Game_Play_By_Play() != 0 ? Current_Game : nullptr;
    if (game == nullptr) {
        const int32_t shown = Get_User_Preference(SHOWN_GAME_INDEX);
        game = shown >= 0 ? Get_Game_Record(shown) : nullptr;
    }
    Set_User_Preference(WAITING_FOR_CLICK, 0);
    if (Get_User_Preference(SIMULATION_RUNNING) == 0 || game == nullptr || Is_Game_Play_By_Play(game) == 0)
        return;
    const int32_t week = Get_User_Preference(CURRENT_WEEK);
    // The flag lives in the entry of the game's first-listed team.
    const int32_t second = game->Team[1];
    const int32_t holder =
        Get_Team_Schedule_Stat(second, week, SCHEDULE_OPPONENT) > 0 ? second : game->Team[0];
    Set_Team_Schedule_Stat(holder, week, 1, 0);
    game->Current_Play.Offensive_Play = static_cast<uint8_t>(Choose_Offensive_Play(game));
    game->Current_Play.Defensive_Play = static_cast<uint8_t>(Choose_Defensive_Play(game));
    Set_Current_View(CALENDAR_VIEW);
}

void Stop_Simulation() {
    Stop_Watching_Current_Game();
    Universe.Header.Target_Week = static_cast<uint16_t>(Get_User_Preference(CURRENT_WEEK) + 1);
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
    Set_User_Preference(DAY_RUNNING, 0);
    Simulator_Seasons = 0;
}

int32_t Is_Advancing() {
    return Get_User_Preference(SIMULATION_RUNNING) != 0 &&
                   Get_User_Preference(CURRENT_WEEK) < static_cast<int32_t>(Universe.Header.Target_Week)
               ? 1
               : 0;
}

void Simulate_Seasons(int32_t count) {
    if (count <= 0) return;
    const int32_t last = Get_User_Preference(CURRENT_SEASON_INDEX) + count;
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    // Each call ends at a phase boundary; one that moves nothing ends the run.
    while (Get_User_Preference(CURRENT_SEASON_INDEX) < last &&
           Get_User_Preference(MULTI_SEASON_SIMULATION) == 1 && !Is_Quit_Requested()) {
        const int32_t week_before = Get_User_Preference(CURRENT_WEEK);
        const int32_t season_before = Get_User_Preference(CURRENT_SEASON_INDEX);
        Advance_Weeks(WHOLE_SEASON_WEEKS);
        if (Get_User_Preference(CURRENT_WEEK) == week_before &&
            Get_User_Preference(CURRENT_SEASON_INDEX) == season_before)
            break;
    }
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
}

void Refresh_Main_Window_And_Ticker() {
    Redraw_Main_Window();
    Update_Play_Menu();
    Build_News_Ticker_Items();
    Take_News_Ticker_DC();
    Start_Ticker_Item_Scroll(News_Ticker_Window);
}
