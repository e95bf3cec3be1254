// Player value.
#include "frontoffice/player_value.h"

#include <cmath>
#include <cstring>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/position_evaluation.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/universe.h"
#include "frontoffice/player_potential.h"
#include "frontoffice/player_production.h"
#include "frontoffice/rating_value.h"
#include "personnel/contract_length.h"

namespace {
constexpr int32_t YEARS_PAST_PEAK_TO_NOTHING = 12;

// Values kept while a hold lasts, each with the record it was taken from; an
// entry belongs to the hold whose number it carries.
struct KEPT_VALUE {
    uint64_t Hold;
    PLAYER_RECORD Record;
    int32_t Value;
};
KEPT_VALUE Kept_Values[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM];
int32_t Hold_Depth = 0;
uint64_t Hold_Number = 0;

// Return men among the skill players and defensive backs.
bool Counts_Return_Value(int32_t position) {
    return (position >= POSITION_RB && position <= POSITION_WR) || position == POSITION_CB ||
           position == POSITION_S;
}

int32_t Take_Player_Value(int32_t team, int32_t slot);
} // namespace

PLAYER_VALUE_HOLD::PLAYER_VALUE_HOLD() {
    if (Hold_Depth++ == 0) ++Hold_Number;
}

PLAYER_VALUE_HOLD::~PLAYER_VALUE_HOLD() {
    --Hold_Depth;
}

int32_t Get_Player_Value(int32_t team, int32_t slot) {
    if (Hold_Depth == 0 || !Is_Player_Address(team, slot)) return Take_Player_Value(team, slot);
    const PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
    KEPT_VALUE& kept = Kept_Values[team][slot];
    if (kept.Hold == Hold_Number && memcmp(&kept.Record, &player, sizeof player) == 0) return kept.Value;
    const PLAYER_RECORD before = player;
    const uint64_t draws = Get_Random_Draw_Count();
    const int32_t value = Take_Player_Value(team, slot);
    // A value that drew, or repaired his record on reading, is taken anew.
    if (Get_Random_Draw_Count() == draws && memcmp(&before, &player, sizeof player) == 0) {
        kept.Hold = Hold_Number;
        kept.Record = before;
        kept.Value = value;
    }
    return value;
}

namespace {
int32_t Take_Player_Value(int32_t team, int32_t slot) {
    if (!Is_Player_Address(team, slot) || !Is_Player_Slot_Used(team, slot)) return 0;
    const int32_t seasons = Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS);
    const int32_t age = Get_Player_Calendar_Age(team, slot);
    const float current = Ensure_Player_Minimum_Rating(team, slot);
    const float potential = Get_Player_Potential(team, slot);
    const int32_t rating_value =
        (Get_Rating_Value(team, slot, static_cast<float>(static_cast<int32_t>(potential))) +
         Get_Rating_Value(team, slot, static_cast<float>(static_cast<int32_t>(current)))) /
        2;
    // A rookie is judged 88 % on his ratings, a veteran 70 %.
    const int32_t weight = 88 - 12 * seasons > 70 ? 88 - 12 * seasons : 70;
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    int32_t production = Get_Player_Production_Value(team, slot, SEASON_LAST);
    if (Counts_Return_Value(position)) {
        const int32_t returns =
            Get_Player_Stat(team, slot, SEASON_LAST, 302) + Get_Player_Stat(team, slot, SEASON_LAST, 303);
        production += returns < 101 ? returns / 2 : returns - 50;
    }
    int32_t value = Mul_Div_Round(weight, rating_value, 100) + Mul_Div_Round(100 - weight, production, 100);
    const int32_t peak = Get_Position_Peak_Age(position);
    if (age > peak)
        value = Mul_Div_Round(value, peak + YEARS_PAST_PEAK_TO_NOTHING - age, YEARS_PAST_PEAK_TO_NOTHING);
    return value;
}
} // namespace
