#include "engine/game_driver.h"

#include <cstdio>
#include <cstring>

#include "app/diagnostics.h"
#include "app/main_menu.h"
#include "app/modal_dialogs.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "engine/defensive_play_calling.h"
#include "engine/downs_and_clock.h"
#include "engine/game_files.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "engine/kicking_plays.h"
#include "engine/offensive_play_calling.h"
#include "engine/play_loop.h"
#include "engine/pregame_setup.h"
#include "engine/snap_decisions.h"
#include "engine/statistics_credit.h"
#include "engine/team_unit_ratings.h"
#include "frontoffice/returners.h"
#include "reports/box_score_tables.h"
#include "views/point_spreads.h"

int32_t Game_Screen_Mode = 0;

namespace {

constexpr int32_t POINT_SPREAD_BASE = 1000;
constexpr int32_t LAST_SCHEDULE_WEEK = 21;
constexpr int32_t PLAYED_IN_GAME_STAT = 27;
// Mode 1 and 3: a lead of 1 to 5 points (a field goal, or a safety) does not
// end overtime while the trailing side has not had the ball.
bool Is_Short_Lead_Without_Answer(const GAME_RECORD* pGame) {
    int32_t lead = pGame->Score[1] - pGame->Score[0];
    if (lead >= 1 && lead <= 5 && (pGame->Overtime_Possessions & 1) == 0) return true;
    if (-lead >= 1 && -lead <= 5 && (pGame->Overtime_Possessions & 2) == 0) return true;
    return false;
}

void Fold_Wind_For_Kickoff(GAME_RECORD* pGame, int kicking_side) {
    uint16_t direction = pGame->Wind_Direction;
    if ((kicking_side == 0 && direction > 180) || (kicking_side == 1 && direction < 180))
        pGame->Wind_Direction = static_cast<uint16_t>(360 - direction);
}

void Start_New_Game(GAME_RECORD* pGame) {
    int32_t toss = Random_Int(2);
    if (toss)
        pGame->Down_Word |= COIN_TOSS_BIT;
    else
        pGame->Down_Word &= ~COIN_TOSS_BIT;
    int kicking_side = 1 - toss;
    Fold_Wind_For_Kickoff(pGame, kicking_side);
    Reset_Play_Use_Counts();
    Build_Play_Matchup_Table(pGame);
    Start_Game_Period(pGame);
    Write_Scoring_Plays_Header(pGame);
}

} // namespace

namespace {
char Play_By_Play_Work_Buffer[PBP_WORK_BUFFER_SIZE];
char Play_By_Play_Second_Work_Buffer[PBP_SECOND_WORK_BUFFER_SIZE];
bool Work_Buffers_Handed_Out = false;
} // namespace

char* Get_Play_By_Play_Work_Buffer(int32_t which) {
    Work_Buffers_Handed_Out = true;
    return which == 0 ? Play_By_Play_Work_Buffer : Play_By_Play_Second_Work_Buffer;
}

namespace {
void Zero_Play_By_Play_Work_Buffers() {
    std::memset(Play_By_Play_Work_Buffer, 0, sizeof(Play_By_Play_Work_Buffer));
    std::memset(Play_By_Play_Second_Work_Buffer, 0, sizeof(Play_By_Play_Second_Work_Buffer));
    Work_Buffers_Handed_Out = false;
}
} // namespace

void Clear_Play_By_Play_Work_Buffers() {
    if (Work_Buffers_Handed_Out) Zero_Play_By_Play_Work_Buffers();
}

int32_t Work_Tables_Flag = 0;

void Clear_Work_Tables_Flag() {
    Work_Tables_Flag = 0;
    Zero_Play_By_Play_Work_Buffers();
}

void Set_Work_Tables_Flag() {
    Work_Tables_Flag = 1;
    Zero_Play_By_Play_Work_Buffers();
}

int Play_Game(int32_t home, int32_t visitor, int32_t week, GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    bool resuming = Get_User_Preference(GAME_SAVED_MIDWAY) != 0;
    if (resuming) {
        if (Is_Game_Over(pGame)) return 0;
    } else {
        std::memset(pGame, 0, sizeof(*pGame));
        pGame->Game_Day = static_cast<uint16_t>(Get_Team_Schedule_Stat(home, week, SCHEDULE_KICKOFF));
        pGame->Team[1] = static_cast<uint8_t>(home);
        pGame->Team[0] = static_cast<uint8_t>(visitor);
        // Both spreads read every team's strength from one look at the league.
        TEAM_RATINGS_SCOPE ratings;
        pGame->Rating_Spread =
            static_cast<uint16_t>(Get_Point_Spread_By_Rating(visitor, home) + POINT_SPREAD_BASE);
        pGame->Rank_Spread =
            static_cast<uint16_t>(Get_Point_Spread_By_Rank(visitor, home) + POINT_SPREAD_BASE);
    }
    if (!Is_Valid_Team_Code(home) || !Is_Valid_Team_Code(visitor)) {
        Report_System_Error("Invalid TNUM parameter to Play_Game(%d,%d,%d,)", home, visitor, week);
        return 0;
    }
    Check_Team_Returners(home);
    Check_Team_Returners(visitor);
    if (!resuming) {
        if ((Is_Human_Team(home) || Is_Human_Team(visitor)) && Get_User_Preference(SIMULATE_ALL_GAMES) != 1)
            Do_Dialog(NO_WINDOW, PRE_GAME_MATCHUP_DIALOG, 0);
        for (int side = 0; side < 2; ++side)
            for (int slot = 0; slot < GAME_LISTED_PLAYERS; ++slot)
                pGame->Player_Ids[side][slot] = Get_Player_Vital_Stat(pGame->Team[side], slot, 0);
        Setup_Game(pGame);
        // The pages of a game left unfinished wait in the buffers for it to
        // be resumed; a new game starts its own.
        Clear_Game_Text_Buffers();
        Write_Game_Start_Text(pGame);
    }
    Begin_Game(pGame);
    return Is_Game_Over(pGame) ? 1 : 0;
}

// The finished game's pages: the scoring plays are closed and followed by the
// team, offence and defence tables, the page head gets the box-score top with
// the score by period, and both pages get their closing tags.
static void Close_Game_Pages(const GAME_RECORD* pGame) {
    Close_Scoring_Plays_Table();
    Write_Box_Score_Team_Stats(pGame);
    Write_Box_Score_Player_Tables(pGame);
    Close_Box_Score_Page();
    Write_Box_Score_Top(pGame);
    Close_Play_By_Play_Tables();
}

int Begin_Game(GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    Current_Game = pGame;
    if (Get_User_Preference(GAME_SAVED_MIDWAY) == 0)
        Start_New_Game(pGame);
    else
        Set_User_Preference(GAME_SAVED_MIDWAY, 0);
    Run_Game_Play_Loop(pGame);
    if (Get_User_Preference(SIMULATION_RUNNING) == 0 ||
        Get_User_Preference(CURRENT_WEEK) >= Universe.Header.Target_Week || !Is_Game_Over(pGame))
        return 0;
    Set_User_Preference(SIM_TO_QUARTER, 0);
    Clear_Play_By_Play_Work_Buffers();
    Game_Screen_Mode = 1;
    Close_Game_Pages(pGame);
    Draw_Scoreboard(pGame);
    Current_Game = nullptr;
    Set_Play_Menu_Mode(0);
    return 1;
}

int Is_Game_Over(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    int32_t clock = pGame->Clock;
    if (clock < REGULATION_SECONDS) return 0;
    bool try_pending = Get_Game_Down(pGame) == CONVERSION_ATTEMPT;
    bool level = pGame->Score[0] == pGame->Score[1];
    bool regular = Is_Regular_Season_Game(pGame);
    if (clock == REGULATION_SECONDS && !try_pending && !level) return 1;
    if (regular && !try_pending && Get_User_Preference(REGULAR_SEASON_OVERTIME_FLAG) == 0) return 1;
    // A try pending at 3,600 is kept by the overtime rules below, which never
    // end a game at exactly 3,600; an overtime touchdown ends the game
    // without its try.
    int32_t length = Get_Overtime_Period_Length(pGame);
    bool period_left = clock < REGULATION_SECONDS + length;
    // A tie stands at the end of a regular-season overtime; a playoff game
    // plays on until a side leads.
    bool tie_stands = regular;
    switch (Get_Game_Overtime_Rule(pGame)) {
    case 0:
        if (clock > REGULATION_SECONDS && !level) return 1;
        if (period_left) return 0;
        return tie_stands || !level ? 1 : 0;
    case 1:
        // The first-possession tests hold only while the period runs: a
        // short lead whose answer ran out of time wins.
        if (period_left) {
            if (Is_Short_Lead_Without_Answer(pGame) || clock == REGULATION_SECONDS) return 0;
            return level ? 0 : 1;
        }
        return tie_stands || !level ? 1 : 0;
    case 2:
        if (clock == REGULATION_SECONDS) return 0;
        return level ? 0 : 1;
    case 3:
        if (Is_Short_Lead_Without_Answer(pGame)) return 0;
        if (clock == REGULATION_SECONDS || level) return 0;
        return 1;
    default:
        return 0;
    }
}

void Finish_Game(GAME_RECORD* pGame, int32_t week) {
    if (pGame == nullptr) return;
    Write_Box_Score_File(1);
    Write_Recap_File(1);
    for (int side = 0; side < 2; ++side) {
        int32_t team = pGame->Team[side];
        if (team >= TOTAL_NUMBER_OF_TEAMS) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            if (Get_Player_Vital_Stat(team, slot, PLAYED_IN_GAME_STAT) > 0)
                Credit_Game_Played(pGame, team, slot);
        }
    }
    int32_t home = pGame->Team[1];
    int32_t visitor = pGame->Team[0];
    if (pGame->Score[1] > pGame->Score[0]) {
        Add_Team_Win(home, 1);
        Add_Team_Loss(visitor, 0);
    } else if (pGame->Score[1] == pGame->Score[0]) {
        Add_Team_Tie(home, 1);
        Add_Team_Tie(visitor, 0);
    } else {
        Add_Team_Win(visitor, 0);
        Add_Team_Loss(home, 1);
    }
    // The watch flag lives in the first-listed team's entry of the week.
    for (int side = 0; side < 2; ++side)
        if (week >= 0 && week <= LAST_SCHEDULE_WEEK && pGame->Team[side] <= FREE_AGENT_TEAM)
            Set_Game_PBP_Flag(pGame->Team[side], week, 0);
}

void Write_Down_And_Distance_File() {
    FILE* file = std::fopen("DownAndDistance.csv", "w");
    if (file == nullptr) {
        Log_Debug_Line("Unable to write DownAndDistance.csv");
        return;
    }
    std::fprintf(file, "Distance,1st,2nd,3rd,4th\n");
    for (int32_t distance = 0; distance < DOWN_DISTANCE_ROWS; ++distance)
        std::fprintf(file, "%d,%d,%d,%d,%d\n", distance, Down_Distance_Counts[0][distance],
                     Down_Distance_Counts[1][distance], Down_Distance_Counts[2][distance],
                     Down_Distance_Counts[3][distance]);
    std::fclose(file);
}
