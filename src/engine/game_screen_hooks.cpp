#include "engine/game_screen_hooks.h"

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "engine/defensive_play_calling.h"
#include "engine/game_record.h"
#include "engine/offensive_play_calling.h"
#include "engine/play_loop.h"
#include "engine/playbook_records.h"
#include "platform/message_box.h"

// The calls are the ones stored in the current play (255 while open); the
// two PBP settings only name the play under the pointer.
int32_t Get_Play_Call_State() {
    const GAME_RECORD* game = Current_Game;
    if (game == nullptr) return 0;
    const bool offense = game->Current_Play.Offensive_Play != NO_PLAY_CALL;
    const bool defense = game->Current_Play.Defensive_Play != NO_PLAY_CALL;
    const uint32_t down = Get_Game_Down(game);
    if (!offense) return (down == KICKOFF_DOWN || down == FREE_KICK_DOWN) ? 3 : 1;
    return defense ? 4 : 2;
}

// The main window is repainted by the game screen on its next paint; the
// headless build has nothing to repaint.
void Auto_Select_Play_Calls() {
    GAME_RECORD* game = Current_Game;
    if (game == nullptr) return;
    PLAY_LOG_ENTRY& play = game->Current_Play;
    const int off = Get_Offense_Side(game);
    const int32_t offense_call = Choose_Offensive_Play(game);
    if (Is_Team_User_Called(game->Team[off]) && Get_User_Preference(AUTO_CALL_OFFENSE) != 1)
        Set_User_Preference(OFFENSIVE_PLAY_PAGE, offense_call / 10);
    else
        play.Offensive_Play = static_cast<uint8_t>(offense_call);
    const int32_t defense_call = Choose_Defensive_Play(game);
    if (Is_Team_User_Called(game->Team[1 - off]) && Get_User_Preference(AUTO_CALL_DEFENSE) != 1) {
        const uint32_t down = Get_Game_Down(game);
        const int32_t type = offense_call < OFFENSIVE_PLAYS && down != KICKOFF_DOWN && down != FREE_KICK_DOWN
                                 ? Get_Offensive_Play_Type(game->Possession_Team, offense_call)
                                 : -1;
        if (down == KICKOFF_DOWN || down == FREE_KICK_DOWN || type == PLAY_TYPE_PUNT ||
            type == PLAY_TYPE_FIELD_GOAL)
            play.Defensive_Play = static_cast<uint8_t>(defense_call);
        else
            Set_User_Preference(DEFENSIVE_PLAY_PAGE, defense_call / 10);
    } else {
        play.Defensive_Play = static_cast<uint8_t>(defense_call);
    }
}

int32_t Get_Timeout_Team(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return -1;
    bool away = Is_Human_Team(pGame->Team[0]) != 0;
    bool home = Is_Human_Team(pGame->Team[1]) != 0;
    if (away && home && Get_User_Preference(MULTI_SEASON_SIMULATION) == 0) {
        char first[FORMATTED_TEXT_SIZE];
        char second[FORMATTED_TEXT_SIZE];
        Get_Team_Display_Name(pGame->Team[0], first);
        Get_Team_Display_Name(pGame->Team[1], second);
        int answer =
            User_Message_Dialog("Which team?", "Which team calls the timeout?", first, second, nullptr);
        return answer == 6 ? 0 : 1;
    }
    if (home) return 1;
    if (away) return 0;
    return -1;
}

int32_t Is_Game_Play_By_Play(const GAME_RECORD* pGame) {
    if (pGame == nullptr || Get_User_Preference(SIMULATION_RUNNING) == 0) return 0;
    int32_t week = Get_Current_Week();
    for (int side = 0; side < 2; ++side) {
        int32_t team = pGame->Team[side];
        if (team < MAX_FRANCHISES && Get_Team_Week_Schedule_Stat_1(team, week) != 0) return 1;
    }
    return 0;
}

int32_t Is_Current_Game_Play_By_Play() {
    return Is_Game_Play_By_Play(Current_Game);
}
GAME_RECORD* Get_Current_Game_Record() {
    return Current_Game;
}
int32_t Is_Game_In_Progress() {
    return Current_Game != nullptr ? 1 : 0;
}

// Left empty until the drawing layer (back buffer, skins, fonts) exists; the
// callers already call them where the scoreboard changes.
int32_t Draw_Scoreboard(const GAME_RECORD* pGame) {
    (void)pGame;
    return 0;
}
int32_t Draw_Game_Score_Panel(void* dc) {
    (void)dc;
    return 0;
}

int32_t Valid_Receiving_Route(int32_t nPassRoute) {
    if ((nPassRoute >= 0 && nPassRoute <= 36) || nPassRoute == 55) return 1;
    if ((nPassRoute >= 37 && nPassRoute <= 51) || nPassRoute == 54) return 0;
    Report_System_Error("Unhandled nPassRoute in Valid_Receiving_Route([%d])", nPassRoute);
    return 0;
}

// Segment flags live with the route geometry of the play diagrams.
int32_t Get_Pass_Route_Segment_Flag(int32_t route, int32_t segment) {
    (void)route;
    (void)segment;
    return 0;
}

int32_t Get_Pass_Route_Value(int32_t route) {
    switch (route) {
    case 0:
    case 6:
    case 55:
        return 40;
    case 1:
    case 3:
    case 5:
    case 7:
    case 13:
    case 16:
    case 17:
    case 19:
    case 23:
    case 25:
    case 29:
        return 70;
    case 2:
    case 4:
    case 8:
    case 14:
    case 20:
    case 28:
    case 30:
    case 31:
    case 33:
        return 5;
    case 10:
    case 24:
    case 26:
    case 36:
        return 15;
    case 11:
    case 15:
    case 21:
    case 27:
    case 32:
    case 34:
        return 55;
    default:
        return 25;
    }
}
