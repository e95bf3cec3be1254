#include "database/game_queries.h"

#include <cstring>

#include "app/diagnostics.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "database/universe.h"
#include "engine/downs_and_clock.h"
#include "engine/game_driver.h"
#include "engine/game_record.h"

namespace {
// Short values 0-9 are the named 16-bit fields from the season year to the wind
// direction; the 32-bit value 0 is the attendance. Indices beyond them would
// reach into the reserved bytes and the game statistics, so they are refused.
constexpr int NAMED_SHORT_VALUES = 10;
constexpr int NAMED_INT_VALUES = 1;
constexpr int LEADER_SLOTS = 51;

bool Is_In_Group(int32_t position, int32_t group) {
    switch (group) {
    case 0:
        return position == 0;
    case 1:
    case 2:
    case 3:
    case 4:
        return position >= 1 && position <= 4;
    case 8:
    case 9:
    case 10:
    case 11:
    case 12:
        return position >= 8 && position <= 12;
    case 13:
        return position == 13;
    default:
        return true;
    }
}

// The position of the player with this id, wherever he is now; -1 for one
// who has left the league (retired outside the Hall of Fame or deleted),
// whom only the search of every position can name.
int32_t Listed_Player_Position(int32_t id) {
    int32_t team = NO_TEAM, slot = NO_PLAYER;
    if (Find_Player_By_ID(&team, &slot, id) == 0) return -1;
    return Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
}
} // namespace

int32_t Get_Game_Team_Byte(const GAME_RECORD* game, int32_t side) {
    return game->Team[side == 0 ? 0 : 1];
}

int32_t Get_Game_Score(const GAME_RECORD* game, int32_t side) {
    return game->Score[side == 0 ? 0 : 1];
}

int32_t Get_Game_Season_Year(const GAME_RECORD* game) {
    return game->Season_Year;
}

int32_t Get_Game_Week(const GAME_RECORD* game) {
    return game->Week;
}

int32_t Get_Game_Clock(const GAME_RECORD* game) {
    return game->Clock;
}

int32_t Get_Game_Team_Total(const GAME_RECORD* game, int32_t side, int32_t n) {
    if (n < 0 || n >= GAME_TEAM_TOTALS) return 0;
    return game->Team_Totals[side == 0 ? 0 : 1][n];
}

GAME_RECORD* Get_Game_Record(int32_t n) {
    if (n == -1) return nullptr;
    if (n < 0 || n >= MAX_GAME_RECORDS) {
        Report_System_Error("Invalid game index in Get_Game_Record(%d)", n);
        return nullptr;
    }
    return &Universe.Games[n];
}

int32_t Clear_Game_Record(GAME_RECORD* game) {
    if (game == nullptr) return 0;
    std::memset(game, 0, sizeof *game);
    return 1;
}

void Clear_All_Game_Records() {
    std::memset(Universe.Games, 0, sizeof Universe.Games);
    // The Games view's shown game names a record: it goes with them, so the
    // view does not show an emptied record as a game of a team against itself.
    Set_User_Preference(SHOWN_GAME_INDEX, -1);
}

int32_t Count_Completed_Games() {
    int32_t count = 0;
    while (count < MAX_GAME_RECORDS && Is_Game_Over(&Universe.Games[count]))
        ++count;
    return count;
}

int32_t Is_Game_Record_Final(int32_t n) {
    if (n < 0 || n >= MAX_GAME_RECORDS) return 0;
    return Is_Game_Over(&Universe.Games[n]) ? 1 : 0;
}

int32_t Is_Game_Record_Used(int32_t n) {
    if (n < 0 || n >= MAX_GAME_RECORDS) return 0;
    return Get_Game_Season_Year(&Universe.Games[n]) > 0 ? 1 : 0;
}

int32_t Get_Record_Side1_Team(int32_t n) {
    if (n < 0 || n >= MAX_GAME_RECORDS) {
        Report_System_Error("Invalid game index in Get_Record_Side1_Team(%d)", n);
        return NO_TEAM;
    }
    return Get_Game_Team_Byte(&Universe.Games[n], 1);
}

int32_t Is_Real_Game(const GAME_RECORD* game) {
    if (game == nullptr) return 0;
    int32_t away = Get_Game_Team_Byte(game, 0);
    int32_t home = Get_Game_Team_Byte(game, 1);
    return away < MAX_FRANCHISES && home < MAX_FRANCHISES && away != home ? 1 : 0;
}

int32_t Get_Game_Side(const GAME_RECORD* game, int32_t team) {
    if (game == nullptr) return -128;
    if (Get_Game_Team_Byte(game, 0) == team) return 0;
    if (Get_Game_Team_Byte(game, 1) == team) return 1;
    return -128;
}

int32_t Is_Side0_Ahead(const GAME_RECORD* game) {
    return Get_Game_Score(game, 1) < Get_Game_Score(game, 0) ? 1 : 0;
}

int32_t Is_Side1_Ahead(const GAME_RECORD* game) {
    return Get_Game_Score(game, 1) > Get_Game_Score(game, 0) ? 1 : 0;
}

int32_t Get_Game_Winner(GAME_RECORD* game) {
    if (Is_Side1_Ahead(game)) return Get_Game_Team_Byte(game, 1);
    if (Is_Side0_Ahead(game)) return Get_Game_Team_Byte(game, 0);
    // A tie only stands once the game is over; until then the home side is named.
    return Is_Game_Over(game) ? NO_TEAM : Get_Game_Team_Byte(game, 1);
}

int32_t Get_Game_Loser(GAME_RECORD* game) {
    if (Is_Side1_Ahead(game)) return Get_Game_Team_Byte(game, 0);
    if (Is_Side0_Ahead(game)) return Get_Game_Team_Byte(game, 1);
    return Is_Game_Over(game) ? NO_TEAM : Get_Game_Team_Byte(game, 0);
}

int32_t Get_Game_Result_Team(GAME_RECORD* game, int32_t winner) {
    return winner != 0 ? Get_Game_Winner(game) : Get_Game_Loser(game);
}

int32_t Get_Game_Offense_Team(const GAME_RECORD* game) {
    if (game == nullptr) return 0;
    return game->Possession_Team;
}

int32_t Get_Game_Defense_Team(const GAME_RECORD* game) {
    if (game == nullptr) return 0;
    int32_t home = Get_Game_Team_Byte(game, 1);
    return Get_Game_Offense_Team(game) == home ? Get_Game_Team_Byte(game, 0) : home;
}

int32_t Is_Away_Team_On_Offense(const GAME_RECORD* game) {
    if (game == nullptr) return 0;
    return Get_Game_Offense_Team(game) != Get_Game_Team_Byte(game, 1) ? 1 : 0;
}

int32_t Is_Home_Team_On_Offense(const GAME_RECORD* game) {
    if (game == nullptr) return 0;
    return Get_Game_Offense_Team(game) == Get_Game_Team_Byte(game, 1) ? 1 : 0;
}

int32_t Get_Game_Quarter_By_Rule(const GAME_RECORD* game) {
    if (game == nullptr) return 0;
    int32_t seconds = Get_Game_Clock(game);
    int32_t quarter = seconds / 900 + 1;
    // The try after a score at the end of a half still belongs to that half.
    if ((seconds == 1800 || seconds == 3600) && Get_Game_Down(game) == CONVERSION_ATTEMPT) return quarter - 1;
    if (seconds <= 3600) return quarter;
    return 5 + (seconds - 3600) / Get_Overtime_Period_Length(game);
}

// The 16-bit values are the named fields from the season year to the wind
// direction, read as plain 16-bit words.
int32_t Get_Game_Short_Value(const GAME_RECORD* game, int32_t i) {
    if (game == nullptr || i < 0 || i >= NAMED_SHORT_VALUES) return 0;
    int16_t value;
    std::memcpy(&value, reinterpret_cast<const uint8_t*>(&game->Season_Year) + 2 * i, sizeof value);
    return value;
}

void Set_Game_Short_Value(GAME_RECORD* game, int32_t i, int32_t value) {
    if (game == nullptr || i < 0 || i >= NAMED_SHORT_VALUES) return;
    int16_t stored = static_cast<int16_t>(value);
    std::memcpy(reinterpret_cast<uint8_t*>(&game->Season_Year) + 2 * i, &stored, sizeof stored);
}

int32_t Get_Game_Int_Value(const GAME_RECORD* game, int32_t i) {
    if (game == nullptr || i < 0 || i >= NAMED_INT_VALUES) return 0;
    return game->Attendance;
}

void Set_Game_Int_Value(GAME_RECORD* game, int32_t i, int32_t value) {
    if (game == nullptr || i < 0 || i >= NAMED_INT_VALUES) return;
    game->Attendance = value;
}

int32_t Get_Game_Player_Counter(const GAME_RECORD* game, int32_t side, int32_t slot, int32_t counter) {
    if (!Is_Real_Game(game)) return 0;
    if (side < 0 || side > 1 || slot < 0 || slot >= LEADER_SLOTS || counter < 0 ||
        counter >= GAME_PLAYER_COUNTERS)
        return 0;
    return game->Player_Counters[side][slot][counter];
}

int32_t Find_Game_Position_Leader(const GAME_RECORD* game, int32_t counter, int32_t group, int32_t side) {
    // The offensive line and the punter have no per-game leader.
    if (group == 5 || group == 6 || group == 7 || group == 14) return -1;
    if (game == nullptr || side < 0 || side > 1) return -1;
    int32_t best_value = 0;
    int32_t best_id = -1;
    for (int32_t listed = 0; listed < LEADER_SLOTS; ++listed) {
        const int32_t value = Get_Game_Player_Counter(game, side, listed, counter);
        if (value <= best_value) continue;
        // Judged by the listed player's own position, not by whoever holds
        // his roster slot now: rosters move on after the game.
        const int32_t id = game->Player_Ids[side][listed];
        if (id <= 0 || !Is_In_Group(Listed_Player_Position(id), group)) continue;
        best_value = value;
        best_id = id;
    }
    return best_id;
}
