#include "frontoffice/player_potential.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/universe.h"
#include "personnel/personnel_settings.h"
#include "personnel/player_development.h"

namespace {
// Everything a projection reads. Two equal inputs give the same projection, so
// the result of one is remembered per slot and reused while nothing changed.
struct PROJECTION_INPUT {
    float Ratings[NUMBER_OF_PLAYER_RATINGS];
    int32_t Position;
    int32_t Growth_Rate;
    int32_t Last_Growth_Age;
    int32_t Age;
    // The calendar age is the year less the birth year: the two are compared
    // instead of working the age out again.
    int32_t Birth_Date;
    int32_t Year;
    int32_t Reversion;
    int8_t Expanded_Position;
};

struct REMEMBERED_PROJECTION {
    bool Valid;
    PROJECTION_INPUT Input;
    float Potential;
};

// No one grows for longer: a growth age decades away is a damaged record, and
// replaying it year by year would never end.
constexpr int32_t MOST_YEARS_PROJECTED = 30;

REMEMBERED_PROJECTION Remembered[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM];

PROJECTION_INPUT Read_Projection_Input(int32_t team, int32_t slot) {
    const PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
    PROJECTION_INPUT input;
    memset(&input, 0, sizeof input);
    memcpy(input.Ratings, player.Ratings, sizeof input.Ratings);
    input.Position = player.Vital_Stats[VITAL_POSITION];
    input.Growth_Rate = player.Vital_Stats[VITAL_GROWTH_RATE];
    // Read through the accessor, which holds it to the first age of decline.
    input.Last_Growth_Age = Get_Player_Vital_Stat(team, slot, VITAL_LAST_GROWTH_AGE);
    input.Age = Get_Player_Calendar_Age(team, slot);
    input.Birth_Date = player.Vital_Stats[VITAL_BIRTH_DATE];
    input.Year = Get_Current_Year();
    input.Reversion = Get_Reversion_To_Mean();
    input.Expanded_Position = player.Expanded_Position;
    return input;
}

// Whether the player's record and the settings give exactly `input`, read as
// Read_Projection_Input reads them (its one repair, of the last growth age,
// made as there) without building a new input.
bool Matches_Record(const PROJECTION_INPUT& input, int32_t team, int32_t slot) {
    const PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
    // The fields that differ most often between two players go first.
    if (input.Growth_Rate != player.Vital_Stats[VITAL_GROWTH_RATE] ||
        input.Birth_Date != player.Vital_Stats[VITAL_BIRTH_DATE] ||
        input.Position != player.Vital_Stats[VITAL_POSITION] ||
        input.Expanded_Position != player.Expanded_Position || input.Year != Get_Current_Year() ||
        input.Reversion != Get_Reversion_To_Mean())
        return false;
    if (memcmp(input.Ratings, player.Ratings, sizeof input.Ratings) != 0) return false;
    const int32_t stored_growth_age = player.Vital_Stats[VITAL_LAST_GROWTH_AGE];
    // The accessor's bound on the last growth age, checked in place; a value
    // beyond it goes through the accessor, which repairs it.
    const int32_t last_growth_age =
        stored_growth_age <= player.Vital_Stats[VITAL_FIRST_DECLINE_AGE] && stored_growth_age < 31
            ? stored_growth_age
            : Get_Player_Vital_Stat(team, slot, VITAL_LAST_GROWTH_AGE);
    return input.Last_Growth_Age == last_growth_age;
}

// A growth rate above this reads as damaged and is drawn anew when read.
constexpr int32_t HIGHEST_GROWTH_RATE_READ = 250;

// Ratings whose reads change nothing: not missing, not below 20, and Health and
// Durability within the range read as stored.
bool Ratings_Read_As_Stored(const PROJECTION_INPUT& input) {
    bool sound = input.Ratings[RATING_HEALTH] <= 120.0f && input.Ratings[RATING_DURABILITY] <= 120.0f;
    // Not at least the minimum covers a missing rating (not a number).
    for (const float value : input.Ratings)
        sound &= value >= MINIMUM_RATING;
    return sound;
}

// The evaluation through the minimum-rating check; `drew` tells whether the
// check drew new ratings, which it does exactly when the evaluation is below
// 25: an evaluation takes no draws, so the draws tell without a second one.
float Check_Minimum_Rating(int32_t team, int32_t slot, bool* drew) {
    const uint64_t draws = Get_Random_Draw_Count();
    const float potential = Ensure_Passing_Minimum_Rating(team, slot);
    *drew = Get_Random_Draw_Count() != draws;
    return potential;
}

// The evaluation after `years` steps of development without chance, through
// the minimum-rating check; `drew` tells whether that check drew new ratings.
// `sound` tells that the steps were worked out on a copy, whose checks found
// every rating read as stored.
float Project_Potential(int32_t team, int32_t slot, int32_t years, bool* drew, bool* sound) {
    float saved[NUMBER_OF_PLAYER_RATINGS];
    float developed[NUMBER_OF_PLAYER_RATINGS];
    // The steps worked out on a copy, when they need none of the accessors'
    // repairs, come to the same ratings without a write per rating.
    if (years > 0 && Project_Development(team, slot, years, developed)) {
        float* ratings = Universe.Teams[team].Players[slot].Ratings;
        memcpy(saved, ratings, sizeof saved);
        memcpy(ratings, developed, sizeof developed);
        const float potential = Check_Minimum_Rating(team, slot, drew);
        memcpy(ratings, saved, sizeof saved);
        *sound = true;
        return potential;
    }
    *sound = false;
    if (years > 0) {
        for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
            saved[rating] = Get_Player_Rating(team, slot, rating);
        for (int32_t year = 0; year < years; ++year)
            Develop_Player(team, slot, 0);
    }
    const float potential = Check_Minimum_Rating(team, slot, drew);
    if (years > 0)
        for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
            Set_Player_Rating(team, slot, rating, saved[rating]);
    return potential;
}

// A projection not remembered in the slot: one remembered next door, or a new
// one. Kept out of the call that finds a remembered one, which is most calls.
[[gnu::noinline]] float Project_Unremembered_Potential(int32_t team, int32_t slot) {
    REMEMBERED_PROJECTION& remembered = Remembered[team][slot];
    // A roster closing up or opening a slot moves players by one: the
    // projection remembered next door may be his, and serves as well.
    for (const int32_t next_door : {slot + 1, slot - 1}) {
        if (next_door < 0 || next_door >= PLAYERS_PER_TEAM) continue;
        const REMEMBERED_PROJECTION& moved = Remembered[team][next_door];
        if (moved.Valid && Matches_Record(moved.Input, team, slot)) {
            remembered = moved;
            return remembered.Potential;
        }
    }
    const PROJECTION_INPUT input = Read_Projection_Input(team, slot);
    const int64_t years_left = static_cast<int64_t>(input.Last_Growth_Age) - input.Age;
    const int32_t years =
        static_cast<int32_t>(years_left < MOST_YEARS_PROJECTED ? years_left : MOST_YEARS_PROJECTED);
    bool drew = false;
    bool sound = false;
    const float potential = Project_Potential(team, slot, years, &drew, &sound);
    // A projection that drew new ratings (an evaluation below 25), repaired a
    // rating on reading or redrew a damaged growth rate had effects of its
    // own: it is not remembered.
    remembered.Valid = !drew && (sound || Ratings_Read_As_Stored(input)) &&
                       (years <= 0 || input.Growth_Rate <= HIGHEST_GROWTH_RATE_READ);
    remembered.Input = input;
    remembered.Potential = potential;
    return potential;
}
} // namespace

float Get_Player_Potential(int32_t team, int32_t slot) {
    if (!Is_Player_Address(team, slot) || !Is_Player_Slot_Used(team, slot)) return 0.0f;
    const REMEMBERED_PROJECTION& remembered = Remembered[team][slot];
    if (remembered.Valid && Matches_Record(remembered.Input, team, slot)) return remembered.Potential;
    return Project_Unremembered_Potential(team, slot);
}

void Forget_Player_Potentials() {
    memset(Remembered, 0, sizeof Remembered);
}
