#include "engine/play_resolution_support.h"

#include <cmath>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/rating_normalisation.h"
#include "engine/announcer.h"
#include "engine/game_record.h"
#include "engine/kicking_plays.h"
#include "engine/play_loop.h"
#include "engine/pregame_setup.h"
#include "engine/statistics_credit.h"
#include "engine/unit_multipliers.h"

double Play_Random_Fraction() {
    return static_cast<double>(Random_Number()) * RANDOM_FRACTION;
}

int32_t Play_Random_Below(int32_t n) {
    return Random_Int(n);
}

int32_t Play_Player_Id(int32_t team, int32_t slot) {
    if (!Is_Player_Address(team, slot)) return -1;
    return Get_Player_ID(team, slot);
}

int32_t Play_Player_Position(int32_t team, int32_t slot) {
    if (!Is_Player_Address(team, slot)) return -1;
    return Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
}

void Credit_Defender(GAME_RECORD* pGame, int32_t slot, int32_t stat, int32_t amount) {
    const int32_t team = Get_Defense_Team(pGame);
    if (!Is_Player_Address(team, slot)) return;
    Credit_Game_Stat(pGame, team, slot, 2, stat, amount);
}

void Credit_Passer(GAME_RECORD* pGame, int32_t slot, int32_t stat, int32_t amount) {
    const GAME_STAT_CREDIT credit[] = {{stat, amount}};
    Credit_Passer(pGame, slot, credit);
}

void Credit_Receiver(GAME_RECORD* pGame, int32_t slot, int32_t stat, int32_t amount) {
    const GAME_STAT_CREDIT credit[] = {{stat, amount}};
    Credit_Receiver(pGame, slot, credit);
}

void Credit_Passer(GAME_RECORD* pGame, int32_t slot, std::span<const GAME_STAT_CREDIT> credits) {
    const int32_t team = Get_Offense_Team(pGame);
    const int32_t position = Play_Player_Position(team, slot);
    if (position < 0) return;
    // Another man's pass counts for his team, not in his own line.
    if (position != POSITION_QB) {
        Credit_Team_Passing(pGame, team, slot, credits);
        return;
    }
    Credit_Game_Stats(pGame, team, slot, 0, credits);
}

void Credit_Receiver(GAME_RECORD* pGame, int32_t slot, std::span<const GAME_STAT_CREDIT> credits) {
    const int32_t team = Get_Offense_Team(pGame);
    const int32_t position = Play_Player_Position(team, slot);
    if (position < 0 || position == POSITION_QB || Get_Position_Group(position) != 0) return;
    Credit_Game_Stats(pGame, team, slot, 0, credits);
}

namespace {
// Where a fumble lives in an offensive player's statistics.
constexpr int32_t PASSER_FUMBLES_STAT = 19;
constexpr int32_t OTHER_FUMBLES_STAT = 2;
} // namespace

void Credit_Carrier_Fumble(GAME_RECORD* pGame, int32_t slot, bool lost) {
    const int32_t team = Get_Offense_Team(pGame);
    const int32_t position = Play_Player_Position(team, slot);
    if (position < 0) return;
    if (lost) Credit_Game_Stat(pGame, team, slot, 0, 13, 1);
    if (Get_Position_Group(position) == 0)
        Credit_Game_Stat(pGame, team, slot, 0,
                         position == POSITION_QB ? PASSER_FUMBLES_STAT : OTHER_FUMBLES_STAT, 1);
}

void Record_Lost_Fumble(GAME_RECORD* pGame, int32_t carrier, int32_t forcer, int32_t recoverer) {
    const int32_t offense_side = Get_Offense_Side(pGame);
    Increment_Game_Team_Total(pGame, offense_side, GAME_TOTAL_TURNOVERS, 1);
    Increment_Game_Team_Stat(pGame, offense_side, GAME_STAT_FUMBLES);
    Increment_Game_Team_Stat(pGame, offense_side, GAME_STAT_FUMBLES_LOST);
    Credit_Defender(pGame, forcer, 5, 1);
    Credit_Defender(pGame, recoverer, 8, 1);
    Credit_Carrier_Fumble(pGame, carrier, true);
}

int32_t Random_Offense_Field_Player(const GAME_RECORD* pGame, int32_t first, int32_t last) {
    return Get_Offense_Field_Slot(pGame, first + Play_Random_Below(last - first + 1));
}

float Get_Play_Condition_Factor(const GAME_RECORD* pGame) {
    return Get_Weather_Condition_Factor(pGame);
}

float Get_Play_Kick_Factor(const GAME_RECORD* pGame) {
    return Get_Kick_Factor(pGame);
}

int32_t Get_Carrier_Fumble_Chance(const GAME_RECORD* pGame, int32_t slot) {
    return Get_Weather_Rating_Factor(pGame, slot, Get_Fumble_Forcing_Multiplier(pGame));
}

bool Snap_Uses_Up_Half(GAME_RECORD* pGame) {
    return pGame->Snap_Seconds >= Get_Half_Time_Left(pGame);
}

namespace {
// Universe statistic counting the league's fumble-return touchdowns.
constexpr int32_t DEFENSIVE_TOUCHDOWN_STAT = 13;
} // namespace

int32_t Draw_Fumble_Return_Yards(int32_t team, int32_t slot) {
    const int32_t c = static_cast<int32_t>(Get_Player_Rating(team, slot, RATING_SPEED)) / 6;
    const int32_t a = static_cast<int32_t>(Play_Random_Fraction() * c);
    const int32_t b = static_cast<int32_t>(Play_Random_Fraction() * c);
    return Clamp_Int(0, 110, a * b - Play_Random_Below(50));
}

bool Hand_Over_Recovered_Fumble(GAME_RECORD* pGame, int32_t team, int32_t slot, int32_t yards) {
    Change_Possession(pGame);
    pGame->Down_Word = (pGame->Down_Word | (1u << 12)) & ~(1u << 13);
    yards = Clamp_Int(-120, 120, yards);
    bool touchdown = false;
    if (yards >= pGame->Yards_To_Goal) {
        yards = pGame->Yards_To_Goal;
        Credit_Game_Stat(pGame, team, slot, 2, 9, 1);
        Increment_Universe_Stat(DEFENSIVE_TOUCHDOWN_STAT);
        Stop_Game_Clock(pGame);
        Set_Current_Play_Result(pGame, RESULT_FUMBLE_TOUCHDOWN);
        touchdown = true;
    }
    pGame->Snap_Yards = static_cast<int8_t>(yards);
    return touchdown;
}

int32_t Offense_Id(const GAME_RECORD* pGame, int32_t slot) {
    return Play_Player_Id(Get_Offense_Team(pGame), slot);
}

int32_t Defense_Id(const GAME_RECORD* pGame, int32_t slot) {
    return Play_Player_Id(Get_Defense_Team(pGame), slot);
}

float Offense_Rating(const GAME_RECORD* pGame, int32_t slot, int32_t rating) {
    return Get_Player_Rating(Get_Offense_Team(pGame), slot, rating);
}

float Read_Repaired_Rating(int32_t team, int32_t slot, int32_t rating) {
    const float value = Get_Player_Rating(team, slot, rating);
    float repaired = std::isnan(value) ? Get_Rating_Baseline(rating) : value;
    if (repaired < MINIMUM_RATING) repaired = MINIMUM_RATING;
    if (repaired != value) Set_Player_Rating(team, slot, rating, repaired);
    return repaired;
}

bool Is_Conversion(const GAME_RECORD* pGame) {
    return Get_Game_Down(pGame) == CONVERSION_ATTEMPT;
}

void Say(GAME_RECORD* pGame, int32_t event, int32_t a, int32_t b, int32_t player0, int32_t player1) {
    Queue_Commentary(pGame, event, a, b, 0, player0, player1);
}

int32_t Clamp_Yards(int32_t yards) {
    return Clamp_Int(-120, 120, yards);
}
