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
#include "frontoffice/rating_bounds.h"
#include "frontoffice/rating_value.h"
#include "personnel/contract_length.h"
#include "personnel/personnel_settings.h"

namespace {
constexpr int32_t YEARS_PAST_PEAK_TO_NOTHING = 12;

// Everything a value reads besides fixed tables: the player's vital
// statistics, role, ratings and last season's statistics, the year and the
// league's reversion to the mean. Of the vital statistics, those a season
// changes every week and no value reads are left out: the weeks he has been
// on the books, his injury and the games' mark of who is playing.
struct VALUE_INPUT {
    int32_t Year;
    int32_t Reversion;
    int8_t Expanded_Position;
    int32_t Vital_Stats[NUMBER_OF_VITAL_STATS];
    int32_t Last_Season[NUMBER_OF_SEASON_STATS];
    float Ratings[NUMBER_OF_PLAYER_RATINGS];
};

// Values are asked for far more often than those inputs change (every roster
// move measures a team's needs, every home game its franchise value): each
// slot's last value is kept with its inputs and given again while they match.
struct KEPT_VALUE {
    bool Known;
    int32_t Value;
    VALUE_INPUT Input;
};
KEPT_VALUE Kept_Values[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM];

constexpr int32_t VITAL_IN_GAME = 27;

// The vital statistics a value reads, the others cleared.
void Read_Vitals(int32_t* read, const int32_t* vitals) {
    memcpy(read, vitals, NUMBER_OF_VITAL_STATS * sizeof *read);
    read[VITAL_LOADED_MARKER] = 0;
    read[VITAL_INJURY_TYPE] = 0;
    read[VITAL_WEEKS_OUT] = 0;
    read[VITAL_IN_GAME] = 0;
}

bool Matches_Read_Vitals(const int32_t* kept, const int32_t* vitals) {
    int32_t read[NUMBER_OF_VITAL_STATS];
    Read_Vitals(read, vitals);
    return memcmp(read, kept, sizeof read) == 0;
}

bool Matches_Value_Input(const VALUE_INPUT& input, const PLAYER_RECORD& player) {
    return input.Year == Get_Current_Year() && input.Reversion == Get_Reversion_To_Mean() &&
           input.Expanded_Position == player.Expanded_Position &&
           Matches_Read_Vitals(input.Vital_Stats, player.Vital_Stats) &&
           memcmp(input.Last_Season, player.Season_Stats[SEASON_LAST], sizeof input.Last_Season) == 0 &&
           memcmp(input.Ratings, player.Ratings, sizeof input.Ratings) == 0;
}

void Read_Value_Input(VALUE_INPUT& input, const PLAYER_RECORD& player) {
    input.Year = Get_Current_Year();
    input.Reversion = Get_Reversion_To_Mean();
    input.Expanded_Position = player.Expanded_Position;
    Read_Vitals(input.Vital_Stats, player.Vital_Stats);
    memcpy(input.Last_Season, player.Season_Stats[SEASON_LAST], sizeof input.Last_Season);
    memcpy(input.Ratings, player.Ratings, sizeof input.Ratings);
}

// Ratings that every read gives as stored: none missing or below 20, and
// Health and Durability (read from statistics when out of range) in range.
bool Ratings_Read_As_Stored(const PLAYER_RECORD& player) {
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating) {
        const float value = player.Ratings[rating];
        if (std::isnan(value) || value < MINIMUM_RATING) return false;
        if ((rating == RATING_HEALTH || rating == RATING_DURABILITY) && value > 120.0f) return false;
    }
    return true;
}

// Return men among the skill players and defensive backs.
bool Counts_Return_Value(int32_t position) {
    return (position >= POSITION_RB && position <= POSITION_WR) || position == POSITION_CB ||
           position == POSITION_S;
}

int32_t Take_Player_Value(int32_t team, int32_t slot);
} // namespace

int32_t Get_Production_Plus_Receiving_Value(int32_t team, int32_t slot, int32_t season) {
    int32_t production = Get_Player_Production_Value(team, slot, season);
    if (!Is_Player_Slot_Used(team, slot) ||
        !Counts_Return_Value(Get_Player_Vital_Stat(team, slot, VITAL_POSITION)))
        return production;
    const int32_t returns =
        Get_Player_Stat(team, slot, season, 302) + Get_Player_Stat(team, slot, season, 303);
    return production + (returns < 101 ? returns / 2 : returns - 50);
}

bool Is_Player_Value_Kept(int32_t team, int32_t slot) {
    return Is_Player_Address(team, slot) && Kept_Values[team][slot].Known;
}

int32_t Get_Player_Value(int32_t team, int32_t slot) {
    if (!Is_Player_Address(team, slot) || !Is_Player_Slot_Used(team, slot))
        return Take_Player_Value(team, slot);
    const PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
    KEPT_VALUE& kept = Kept_Values[team][slot];
    if (kept.Known && Matches_Value_Input(kept.Input, player)) return kept.Value;
    const PLAYER_RECORD before = player;
    const uint64_t draws = Get_Random_Draw_Count();
    const int32_t value = Take_Player_Value(team, slot);
    // A value that drew, or repaired his record on reading, had effects of its
    // own that a kept value would skip: it is taken anew next time.
    kept.Known = Get_Random_Draw_Count() == draws && memcmp(&before, &player, sizeof player) == 0 &&
                 Ratings_Read_As_Stored(player);
    if (kept.Known) {
        Read_Value_Input(kept.Input, player);
        kept.Value = value;
    }
    return value;
}

namespace {
int32_t Take_Player_Value(int32_t team, int32_t slot) {
    if (!Is_Player_Address(team, slot) || !Is_Player_Slot_Used(team, slot)) return 0;
    const int32_t seasons = Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS);
    const int32_t age = Get_Player_Calendar_Age(team, slot);
    const int32_t current = Get_Evaluation_Rating_Value(team, slot);
    const float potential = Get_Player_Potential(team, slot);
    const int32_t rating_value =
        (Get_Rating_Value(team, slot, static_cast<float>(Truncate_Rating(potential))) + current) / 2;
    // A rookie is judged 88 % on his ratings, a veteran 70 %.
    const int32_t weight = 88 - 12 * seasons > 70 ? 88 - 12 * seasons : 70;
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    const int32_t production = Get_Production_Plus_Receiving_Value(team, slot, SEASON_LAST);
    int32_t value = Mul_Div_Round(weight, rating_value, 100) + Mul_Div_Round(100 - weight, production, 100);
    const int32_t peak = Get_Position_Peak_Age(position);
    if (age > peak)
        value = Mul_Div_Round(value, peak + YEARS_PAST_PEAK_TO_NOTHING - age, YEARS_PAST_PEAK_TO_NOTHING);
    return value;
}
} // namespace
