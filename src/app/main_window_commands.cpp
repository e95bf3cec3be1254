#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "app/context_help.h"
#include "app/diagnostics.h"
#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/modal_dialogs.h"
#include "app/sounds_and_cursors.h"
#include "app/web_addresses.h"
#include "app/welcome_dialog.h"
#include "app/window_graphics.h"
#include "database/game_names.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/universe.h"
#include "dialogs/college_draft_pick.h"
#include "dialogs/save_prompts.h"
#include "engine/game_driver.h"
#include "engine/game_files.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "personnel/college_draft_flow.h"
#include "personnel/draft_commands.h"
#include "personnel/draft_state.h"
#include "personnel/fantasy_draft.h"
#include "personnel/roster_text.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"
#include "platform/windows.h"
#include "reports/shell_open.h"
#include "season/week_advance.h"
#include "tools/season_simulator.h"
#include "views/current_view.h"
#include "views/games_view_commands.h"
#include "views/owner_hall_of_fame_file.h"

namespace {
constexpr int32_t TRADING_DEADLINE_WEEK = 12;
constexpr int32_t QUARTER_SETTING = 54; // Simulate_To_Quarter
constexpr int32_t CHAMPIONS_VIEW = 40074;

struct DIALOG_COMMAND {
    int32_t Command;
    int32_t Dialog;
};

// Commands that only open a dialog over the main window.
constexpr DIALOG_COMMAND DIALOG_COMMANDS[] = {
    {ID_ABOUT, 103}, {40020, 128}, {40038, 130}, {40040, 131}, {40042, 139}, {40055, 146},
    {40056, 140},    {40061, 147}, {40065, 155}, {40078, 160}, {40083, 119}, {40084, 162},
    {40087, 164},    {40091, 174}, {40094, 175}, {40096, 114}, {40112, 182}, {40115, 185}};

struct TIMED_COMMAND {
    int32_t Command;
    const char* Name;
};

constexpr TIMED_COMMAND TIMED_COMMANDS[] = {
    {ID_PLAY_ONE_WEEK, "ID_PLAY_ONE_WEEK"},       {ID_PLAY_ONE_MONTH, "ID_PLAY_ONE_MONTH"},
    {ID_PLAY_HALF_SEASON, "ID_PLAY_HALF_SEASON"}, {ID_PLAY_REST_OF_SEASON, "ID_PLAY_REST_OF_SEASON"},
    {ID_PLAY_END_DRAFT, "ID_PLAY_END_DRAFT"},     {ID_PLAY_START_DRAFT, "ID_PLAY_START_DRAFT"},
    {40077, "ID_PLAY_INJURY_CONTINGENCY"},        {ID_PLAY_SEASONS, "ID_PLAY_SEASONS"}};

const char* Timed_Command_Name(int32_t command) {
    for (const TIMED_COMMAND& timed : TIMED_COMMANDS)
        if (timed.Command == command) return timed.Name;
    return nullptr;
}

bool Is_Simulating_Unwatched() {
    return Get_User_Preference(SIMULATION_RUNNING) != 0 && Is_Current_Game_Play_By_Play() == 0;
}

// The game on screen, when it is watched play by play.
GAME_RECORD* Watched_Game() {
    return Is_Current_Game_Play_By_Play() != 0 ? Current_Game : nullptr;
}

void Do_Resume_Game(WINDOW_HANDLE window) {
    if (Is_Simulating_Unwatched()) {
        Stop_Day_With_Message("Resume Game", "Can't load a file while simulating games.");
        return;
    }
    if (Check_Save_Changes(window) == 0) return;
    Stop_Simulation();
    if (Do_Dialog(window, RESUME_GAME_DIALOG, 0) != 1) Do_Splash_Screen();
}

// Set while a New Game waits for the advance running below it to unwind.
bool new_game_after_advance = false;

bool Is_Advance_Below() {
    return Get_User_Preference(SIMULATION_RUNNING) != 0 || Universe.Header.Advance_In_Progress != 0;
}

void Do_New_Game(WINDOW_HANDLE window) {
    if (!new_game_after_advance && Is_Simulating_Unwatched()) {
        Stop_Day_With_Message("New Game", "Can't start a new game while simulating games.");
        return;
    }
    if (!new_game_after_advance) {
        // A league in the first week of its first season is left without
        // asking only while it holds nothing the user did since New Game
        // started it or it was saved or loaded: a fantasy draft made there,
        // or any other change, is asked about as Exit asks.
        const bool untouched = Get_User_Preference(CURRENT_WEEK) == 0 &&
                               Get_User_Preference(CURRENT_SEASON_INDEX) == 0 &&
                               Is_Game_Unchanged_Since_Start_Or_Save();
        if (!untouched && Check_Save_Changes(window) == 0) return;
    }
    if (Is_Advance_Below()) {
        // A watched game's loop runs below this command: a league replaced
        // now would be played on by it. Its loop ends first, and the dialog
        // opens once the command that started the advance has returned.
        new_game_after_advance = true;
        End_Advance_At_Once();
        return;
    }
    new_game_after_advance = false;
    if (Do_Dialog(window, NEW_GAME_DIALOG, 0) == ID_CANCEL) Do_Splash_Screen();
}

void Do_Retire(WINDOW_HANDLE window) {
    if (Get_User_Preference(SIMULATION_RUNNING) != 0) {
        Show_Formatted_Message("Retiring",
                               "Can't retire while simulations are in progress.\n\nPlease try again once "
                               "this week's games are completed.");
        Stop_Simulation();
        return;
    }
    if (Retire_Owner() == 0) return;
    Save_Window_Placement(window);
    Destroy_Window(window);
}

void Do_Trade_Command(WINDOW_HANDLE window, int32_t dialog) {
    if (!Is_Trading_Allowed()) {
        Show_Formatted_Message("Trading Deadline", "No trades are allowed after week %d of the season.",
                               TRADING_DEADLINE_WEEK);
        return;
    }
    if (Is_Advancing()) {
        Show_Formatted_Message("Game In Progress", "No trades are allowed during game simulation.");
        return;
    }
    Refresh_Bars_And_Do_Dialog(window, dialog);
}

void Do_Budget_Command(WINDOW_HANDLE window, int32_t dialog) {
    if (Get_User_Preference(OWNER_MODE) != 1) {
        const int answer = User_Message_Dialog("General Manager Mode",
                                               "You are currently in 'General Manager Mode'; all budget "
                                               "items are controlled automatically.\n\nTo "
                                               "access the Budget Menu, turn on Owner Mode.",
                                               "&OK", "&Read About Owner Mode", "&Turn On Owner Mode");
        if (answer == ID_BOX_YES) return;
        if (answer == ID_BOX_NO) {
            Open_Context_Help(1010);
            return;
        }
        Set_User_Preference(OWNER_MODE, 1);
    }
    Refresh_Bars_And_Do_Dialog(window, dialog);
}

void Do_View_Command(int32_t view) {
    if (Get_Current_View() == view) return;
    GAME_RECORD* watched = Watched_Game();
    if (watched != nullptr && !Is_Game_Over(watched)) {
        if (Show_Message_Box(
                "Can't leave this screen during play-by-play mode. Simulate the remainder of this week?",
                "Exit Game", BOX_YES_NO | BOX_INFORMATION | BOX_TASK_MODAL) != ID_BOX_YES)
            return;
        Stop_Simulation();
    }
    Set_Current_View(view);
}

void Do_Timeout(GAME_RECORD* game) {
    if (game == nullptr) return;
    if (Is_Clock_Stopped(game)) {
        Show_Formatted_Message("No Timeout Needed", "The clock is already stopped.");
        return;
    }
    const int32_t side = Get_Timeout_Team(game);
    if (side < 0 || side > 1) return;
    char nickname[64] = "";
    Get_Team_Nickname(game->Team[side], nickname);
    const int32_t left = game->Timeouts[side];
    if (left <= 0) {
        Show_Formatted_Message("No Timeouts", "The %s do not have any more timeouts remaining in this half.",
                               nickname);
        return;
    }
    Stop_Game_Clock(game);
    game->Timeouts[side] = left - 1;
    if (left == 1)
        Show_Formatted_Message("Timeout Called", "The %s have called their final timeout.", nickname);
    else if (left == 2)
        Show_Formatted_Message("Timeout Called", "The %s call timeout. They have one timeout remaining.",
                               nickname);
    else
        Show_Formatted_Message("Timeout Called", "The %s call timeout. They have %d timeouts remaining.",
                               nickname, left - 1);
}

void Open_Game_Page(bool recap) {
    char name[512] = "";
    if (recap) {
        Write_Recap_File(0);
        Get_Recap_File_Name(name);
    } else {
        Write_Box_Score_File(0);
        Get_Box_File_Name(name);
    }
    Shell_Open(Main_Window, name);
}

// Ctrl+F1 .. Ctrl+F12: adjustments of the game being played, for testing the engine.
void Adjust_Current_Game(int32_t key) {
    GAME_RECORD* game = Current_Game;
    if (game == nullptr) return;
    const int32_t step = (key % 2 == 0) ? -1 : 1; // odd keys of each pair add
    switch (key / 2) {
    case 0:
        game->Score[0] = std::clamp(game->Score[0] + step, 0, 99);
        break;
    case 1:
        game->Score[1] = std::clamp(game->Score[1] + step, 0, 99);
        break;
    case 2: {
        const int32_t toward = Is_Home_Team_On_Offense(game) ? -10 : 10;
        game->Yards_To_Goal =
            static_cast<int8_t>(std::clamp(game->Yards_To_Goal + (step < 0 ? toward : -toward), 1, 99));
        break;
    }
    case 3:
        game->Clock = static_cast<int16_t>(std::clamp(game->Clock + (step < 0 ? 10 : -10), 0, 3600));
        break;
    case 4:
        game->Yards_To_Go = static_cast<int8_t>(
            std::clamp<int32_t>(game->Yards_To_Go + step, 1, std::max<int32_t>(1, game->Yards_To_Goal)));
        break;
    default:
        Set_Game_Down(game, static_cast<uint32_t>(
                                std::clamp<int32_t>(static_cast<int32_t>(Get_Game_Down(game)) + step, 0, 3)));
        break;
    }
    Auto_Select_Play_Calls();
}

bool Do_Play_Command(int32_t command) {
    switch (command) {
    case ID_PLAY_TRADING_DEADLINE:
        Advance_Weeks(11 - Get_User_Preference(CURRENT_WEEK));
        return true;
    case ID_PLAY_ONE_WEEK:
        Advance_Weeks(1);
        return true;
    case ID_PLAY_ONE_MONTH:
        Advance_Weeks(4);
        return true;
    case ID_PLAY_HALF_SEASON:
        Advance_Weeks(8);
        return true;
    case ID_PLAY_REST_OF_SEASON:
        Advance_Weeks(22);
        return true;
    case ID_PLAY_END_DRAFT:
        End_College_Draft_Command();
        return true;
    case ID_PLAY_START_DRAFT:
        Finish_Off_Season();
        return true;
    case 40077:
        Refresh_Bars_And_Do_Dialog(Main_Window, 158);
        return true;
    case ID_PLAY_SEASONS: {
        const int32_t seasons = Refresh_Bars_And_Do_Dialog(Main_Window, PLAY_MULTIPLE_SEASONS_DIALOG);
        if (seasons >= 1) Simulate_Seasons(seasons);
        return true;
    }
    default:
        return false;
    }
}
} // namespace

bool Dispatch_Main_Window_Command(WINDOW_HANDLE window, int32_t command);

bool Do_Main_Window_Command(WINDOW_HANDLE window, int32_t command) {
    const bool handled = Dispatch_Main_Window_Command(window, command);
    if (new_game_after_advance && !Is_Advance_Below()) Do_New_Game(window);
    return handled;
}

bool Dispatch_Main_Window_Command(WINDOW_HANDLE window, int32_t command) {
    switch (command) {
    case ID_SAVE_GAME:
        Do_Save_Game(window);
        return true;
    case 1222:
        Shell_Open(window, FREE_UPDATE_PAGE);
        return true;
    case 1451:
        Shell_Open(window, STORE_SEARCH_PAGE);
        return true;
    default:
        break;
    }
    if (command < ID_RESUME_GAME || command > 40151) return false;
    for (const DIALOG_COMMAND& entry : DIALOG_COMMANDS) {
        if (entry.Command == command) {
            Refresh_Bars_And_Do_Dialog(window, entry.Dialog);
            return true;
        }
    }
    if (const char* timed = Timed_Command_Name(command)) {
        Time_Debug_Section(timed, DEBUG_TIMER_START);
        Do_Play_Command(command);
        Time_Debug_Section(nullptr, DEBUG_TIMER_STOP);
        return true;
    }
    if (command >= 40140 && command <= 40151) {
        Adjust_Current_Game(command - 40140);
        return true;
    }
    // The view items of the News menu and the Korva Hall of Fame (the champions view has no item).
    if (command != CHAMPIONS_VIEW && Is_News_View_Id(command)) {
        Do_View_Command(command);
        return true;
    }
    if ((command >= 40116 && command <= 40131) || command == 40133 || command == 40134) {
        if (Watched_Game() != nullptr && Do_Games_View_Command(command) != 0) Play_Sound_Effect("button.wav");
        return true;
    }
    switch (command) {
    case ID_RESUME_GAME:
        Do_Resume_Game(window);
        return true;
    case ID_NEW_GAME:
        Do_New_Game(window);
        return true;
    case ID_EXIT:
        Close_Main_Window(window);
        return true;
    case ID_RETIRE:
        Do_Retire(window);
        return true;
    case ID_TRADES:
        Do_Trade_Command(window, 111);
        return true;
    case 40089:
        Do_Trade_Command(window, 173);
        return true;
    case 40023:
        Do_Budget_Command(window, 133);
        return true;
    case 40024:
        Do_Budget_Command(window, 116);
        return true;
    case 40039:
        Do_Budget_Command(window, 135);
        return true;
    case 40041:
        Do_Budget_Command(window, 136);
        return true;
    case ID_PLAY_TRADING_DEADLINE:
        Do_Play_Command(command);
        return true;
    case ID_CONTINUE_DRAFT:
        College_Draft_Menu_Command();
        return true;
    case ID_HELP_CONTENTS:
        Open_Context_Help(0);
        return true;
    case ID_HELP_ON_VIEW:
        Open_Context_Help(Get_Current_View());
        return true;
    case ID_STOP_SIMULATION:
        Stop_Simulation();
        return true;
    case ID_FINISH_QUARTER:
        if (Current_Game != nullptr) Set_User_Preference(QUARTER_SETTING, Get_Game_Quarter(Current_Game) + 1);
        return true;
    case ID_FINISH_GAME:
        if (Watched_Game() != nullptr &&
            Show_Message_Box("Simulate the remainder of this game?", "Finish Game",
                             BOX_OK_CANCEL | BOX_INFORMATION | BOX_TASK_MODAL) == ID_BOX_OK)
            Set_User_Preference(QUARTER_SETTING, Get_Game_Quarter(Current_Game) + 10);
        return true;
    case ID_VIEW_RECAP:
        Open_Game_Page(true);
        return true;
    case ID_VIEW_BOX_SCORE:
        Open_Game_Page(false);
        return true;
    case ID_CALL_TIMEOUT:
    case ID_TIMEOUT_KEY:
        Do_Timeout(Watched_Game());
        return true;
    case 40073:
        Shell_Open(window, PRODUCT_PAGE);
        return true;
    case 40075:
        Rebuild_Owner_Hall_Of_Fame_File();
        return true;
    case 40079:
        if (Is_College_Draft_Running()) {
            Show_Formatted_Message("College Draft",
                                   "The League Editor is disabled during the College Draft.");
            return true;
        }
        Refresh_Bars_And_Do_Dialog(window, 159);
        if (Get_User_Preference(COMMISSIONER_MODE) != 0 &&
            (Get_Current_View() == 40030 || Get_Current_View() == 40069)) {
            Update_Standings_And_Seeding();
            Redraw_Main_Window();
        }
        return true;
    case 40081:
        Show_Formatted_Message(
            "Output Rosters",
            "This will create a ROSTERS.TXT file in your 'Output' directory. After you have edited "
            "this file (such as for a draft league), move the file to your 'Input' directory and "
            "then check 'Roster File' in the New Game dialog.");
        Output_Rosters();
        return true;
    case ID_COLLEGE_DRAFT:
        if (Get_Universe_Stat(FANTASY_DRAFT_FLAG) >= 1)
            Refresh_Bars_And_Do_Dialog(window, 169);
        else if (Get_User_Preference(CURRENT_WEEK) < Universe.Season_Length)
            Show_Formatted_Message("College Draft",
                                   "College players are not available to be viewed until after the "
                                   "end of the regular season.");
        else
            Open_College_Draft_List(window);
        return true;
    case ID_FANTASY_DRAFT:
        // A draft the computer is finishing is still running: starting a new
        // one would deal every pick again.
        if (Get_Universe_Stat(FANTASY_DRAFT_FLAG) == FANTASY_DRAFT_NONE)
            Refresh_Bars_And_Do_Dialog(window, 165);
        else
            End_Fantasy_Draft_Command();
        return true;
    case ID_SHOW_DEBUG_TIMER:
        Time_Debug_Section(nullptr, DEBUG_TIMER_SHOW);
        return true;
    case 40113:
        Shell_Open(window, "debug.txt");
        return true;
    case 40135: {
        const int32_t result = Refresh_Bars_And_Do_Dialog(window, SIMULATION_TOOL_DIALOG);
        if (result != -1) Run_Season_Simulator(result);
        Update_Play_Menu();
        return true;
    }
    case 40136: {
        std::error_code error;
        const std::string folder = Text_From_File_Name(std::filesystem::current_path(error).string());
        Shell_Open_In_Folder(window, folder.c_str(), folder.c_str());
        return true;
    }
    case 40019:
        return true;
    default:
        return false;
    }
}
