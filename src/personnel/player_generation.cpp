#include "personnel/player_generation.h"

#include <algorithm>

#include "app/diagnostics.h"
#include "database/historical_norms.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/safe_strings.h"
#include "database/season_lines.h"
#include "database/string_table.h"
#include "database/team_record_layout.h"
#include "database/universe.h"
#include "frontoffice/player_potential.h"
#include "frontoffice/salaries.h"
#include "personnel/college_history.h"
#include "personnel/contract_length.h"
#include "personnel/fantasy_marks.h"
#include "personnel/personnel_settings.h"
#include "personnel/player_development.h"
#include "personnel/player_dimensions.h"
#include "personnel/player_identity.h"
#include "personnel/player_names.h"
#include "personnel/random_ratings.h"
#include "personnel/rating_adjustment.h"

namespace {
constexpr int32_t MOST_ATTEMPTS = 10000;
constexpr int32_t REPLACEMENT_TRIES = 501;
constexpr int32_t TRIES_BEFORE_WEAKER = 50;
constexpr int32_t WINDOW_YEAR = 2022;
constexpr int32_t MONTH_LENGTHS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int32_t DAYS_IN_YEAR = 365;

bool Is_Pool_Team(int32_t team) {
    return team >= FIRST_COLLEGE_POOL_TEAM && team < TOTAL_NUMBER_OF_TEAMS;
}

// In 2022 a generated prospect must land in a window of evaluation and potential.
bool Is_Outside_Rookie_Window(int32_t team, int32_t slot) {
    const int32_t talent = Get_Draft_Talent_Factor();
    int32_t lo = 58;
    int32_t hi = 71;
    if (talent > 0) {
        lo += talent / 20;
        hi += talent / 10;
    } else if (talent < 0) {
        lo += talent / 10;
        hi += talent / 20;
    }
    const int32_t now = static_cast<int32_t>(Ensure_Player_Minimum_Rating(team, slot));
    const int32_t peak = static_cast<int32_t>(Get_Player_Potential(team, slot));
    return now < lo || now > hi || peak < lo + 6 || peak > hi + 10;
}

// One attempt at the slot, rebuilt from scratch; false when it must be made again.
bool Try_Fabricate_Player(int32_t team, int32_t slot, int32_t code, int32_t history) {
    Set_Player_Byte_Field(team, slot, PLAYER_BYTE_EXPANDED_POSITION, code);
    const int32_t position = Translate_Expanded_Position(code);
    Set_Player_Vital_Stat(team, slot, VITAL_POSITION, position);
    Generate_Prospect_Profile(team, slot);
    Randomize_Player_Ratings(team, slot);
    Clear_Player_Season_Line_Links(team, slot);
    if (Is_Prospect_Too_Strong(team, slot)) return false;
    if (Get_Current_Year() == WINDOW_YEAR && Is_Pool_Team(team) && Is_Outside_Rookie_Window(team, slot))
        return false;
    const int32_t growth = Get_Player_Vital_Stat(team, slot, VITAL_GROWTH_RATE);
    const int32_t boosted = growth + Get_Draft_Talent(POTENTIAL_BONUS, position);
    Set_Player_Vital_Stat(team, slot, VITAL_GROWTH_RATE, boosted > growth / 2 ? boosted : growth / 2);
    Set_Lineman_Predicted_Stats(team, slot);
    Set_Random_Player_Name(team, slot);
    Set_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS, -1);
    Roll_Prospect_Class(team, slot);
    const PLAYER_RECORD* player = Get_Player_Record_Pointer(team, slot);
    if (player->First_Name[0] == 0 && player->Last_Name[0] == 0) return false;
    if (history != 0) Generate_College_Stat_History(team, slot, history);
    return true;
}

// What decides whether a prospect of a position is acceptable. Once every
// attempt at a position failed, later prospects of that position under the
// same settings are given one attempt each: with talent settings no prospect
// can meet, 10,000 attempts for every one of them would never end in practice.
struct ACCEPTANCE_SETTINGS {
    int32_t Mean;
    int32_t Spread;
    int32_t Bonus;
    int32_t Factor;
    int32_t Windowed;
    int32_t Rookie_Year;
    bool operator==(const ACCEPTANCE_SETTINGS&) const = default;
};

struct EXHAUSTED_POSITION {
    bool Exhausted;
    ACCEPTANCE_SETTINGS Settings;
};

EXHAUSTED_POSITION Exhausted_Positions[NUMBER_OF_EXPANDED_POSITIONS];

ACCEPTANCE_SETTINGS Get_Acceptance_Settings(int32_t team, int32_t code) {
    const int32_t position = Translate_Expanded_Position(code);
    const bool rookie_year = Get_Current_Year() == WINDOW_YEAR;
    return ACCEPTANCE_SETTINGS{
        Get_Draft_Talent(TALENT_MEAN, position),     Get_Draft_Talent(TALENT_SPREAD, position),
        Get_Draft_Talent(POTENTIAL_BONUS, position), Get_Draft_Talent_Factor(),
        rookie_year && Is_Pool_Team(team),           rookie_year};
}

// A rating as a whole number, truncated toward zero; values a record cannot
// hold as a rating are limited first.
int32_t Get_Whole_Rating(int32_t team, int32_t slot, int32_t rating) {
    return static_cast<int32_t>(std::clamp(Get_Player_Rating(team, slot, rating), -1000.0f, 1000.0f));
}

void Log_Fabrication_Failure(int32_t code) {
    char name[RESOURCE_STRING_LIMIT] = "<Error>";
    if (code >= 0 && code < NUMBER_OF_POSITIONS)
        Load_Resource_String(STRING_POSITION_NAMES + code, name);
    else if (code == POSITION_ANY)
        safe_strncpy(name, "Any Position", sizeof name);
    Log_Debug_Line("Fabricate_Position_Player() unable to create %s after %d attempts.", name, MOST_ATTEMPTS);
}
} // namespace

void Forget_Exhausted_Positions() {
    for (EXHAUSTED_POSITION& position : Exhausted_Positions)
        position = EXHAUSTED_POSITION{};
}

void Fabricate_Position_Player(int32_t team, int32_t slot, int32_t position, int32_t history) {
    if (!Is_Player_Address(team, slot) || position < 0 || position >= NUMBER_OF_EXPANDED_POSITIONS) {
        Report_System_Error("Invalid argument in Fabricate_Position_Player(%d,%d,%d,%d)", team, slot,
                            position, history);
        return;
    }
    const ACCEPTANCE_SETTINGS settings = Get_Acceptance_Settings(team, position);
    EXHAUSTED_POSITION& exhausted = Exhausted_Positions[position];
    const bool hopeless = exhausted.Exhausted && exhausted.Settings == settings;
    const int32_t attempts = hopeless ? 1 : MOST_ATTEMPTS;
    const SLOT_REMAKE_SCOPE remaking(team, slot);
    UNIFORM_REMAKE_SCOPE numbering(team, slot);
    for (int32_t attempt = 0; attempt < attempts; ++attempt) {
        if (Try_Fabricate_Player(team, slot, position, history)) {
            exhausted.Exhausted = false;
            return;
        }
    }
    if (hopeless) return;
    exhausted = EXHAUSTED_POSITION{true, settings};
    Log_Fabrication_Failure(position);
}

void Create_Replacement_Player(int32_t team, int32_t slot, int32_t position, float weakness) {
    Fabricate_Position_Player(team, slot, position, 0);
    const int32_t age = 21 + Random_Below(12);
    Set_Random_Birth_Date(team, slot, age);
    float adjustment = static_cast<float>(age - 80) / 200.0f * weakness;
    if (adjustment < -0.7f) adjustment = -0.7f;
    Modify_Player_Ratings(team, slot, adjustment, false);
    Set_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS, 0);
    Set_Replacement_Contract(team, slot);
}

void Set_Replacement_Contract(int32_t team, int32_t slot) {
    Set_Player_Vital_Stat(team, slot, VITAL_SALARY, Get_League_Minimum_Salary(0));
    Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, 0);
    Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS, 1);
    Set_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS, 1);
}

void Create_Player_For_Team(int32_t team, int32_t slot, int32_t position, float weakness) {
    const float target = 70.0f - 11.0f * weakness;
    const SLOT_REMAKE_SCOPE remaking(team, slot);
    UNIFORM_REMAKE_SCOPE numbering(team, slot);
    for (int32_t attempt = 0; attempt < REPLACEMENT_TRIES; ++attempt) {
        // Later tries ask for ever weaker players.
        if (attempt > TRIES_BEFORE_WEAKER) weakness += 0.05f;
        Create_Replacement_Player(team, slot, position, weakness);
        if (Ensure_Player_Minimum_Rating(team, slot) <= target) return;
    }
    Rescale_Player_Ratings(team, slot, target);
}

void Init_Imported_Player_Fields(int32_t team, int32_t slot) {
    if (Is_Player_Slot_Used(team, slot)) return;
    Set_Player_Vital_Stat(team, slot, VITAL_SALARY, 0);
    Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS, 0);
    Set_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS, 0);
    Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, 0);
    Set_Player_Vital_Stat(team, slot, VITAL_LOADED_MARKER, 22);
}

void Init_New_Player_Fields(int32_t team, int32_t slot) {
    Init_Imported_Player_Fields(team, slot);
    Set_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT, 0);
    Set_Player_Vital_Stat(team, slot, VITAL_INJURY_TYPE, -1);
    Set_Player_Vital_Stat(team, slot, VITAL_DRAFT_RECORD, 0);
    Set_Player_Vital_Stat(team, slot, VITAL_DRAFT_SLOT, 0);
    Assign_New_Player_ID(team, slot);
    Set_Development_Fields(team, slot);
    // His cleared record would read as drafted by team 0.
    Mark_New_Player_For_Fantasy_Draft(team, slot);
}

void Set_Development_Fields(int32_t team, int32_t slot) {
    int32_t peak = Get_Position_Peak_Age(Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
    if (Is_Rating_Variation_Suppressed()) {
        Set_Player_Vital_Stat(team, slot, VITAL_LAST_GROWTH_AGE, 25);
        Set_Player_Vital_Stat(team, slot, VITAL_FIRST_DECLINE_AGE, peak);
        Set_Player_Vital_Stat(team, slot, VITAL_DECLINE_DIVISOR, 100);
        Set_Player_Vital_Stat(team, slot, VITAL_GROWTH_RATE, 100);
        return;
    }
    int32_t growth_age = 25 + Random_Below(5);
    growth_age -= Random_Below(5);
    peak += Random_Below(5);
    peak -= Random_Below(5);
    int32_t growth_divisor = 10 + Random_Below(7);
    growth_divisor -= Random_Below(7);
    Set_Player_Vital_Stat(team, slot, VITAL_GROWTH_RATE, 1000 / growth_divisor);
    int32_t decline_divisor = 10 + Random_Below(7);
    decline_divisor -= Random_Below(7);
    Set_Player_Vital_Stat(team, slot, VITAL_DECLINE_DIVISOR, 1000 / decline_divisor);
    Set_Player_Vital_Stat(team, slot, VITAL_LAST_GROWTH_AGE, growth_age > 23 ? growth_age : 23);
    Set_Player_Vital_Stat(team, slot, VITAL_FIRST_DECLINE_AGE, peak);
}

void Set_Random_Birth_Date(int32_t team, int32_t slot, int32_t age) {
    const int32_t day = Random_Below(DAYS_IN_YEAR) % DAYS_IN_YEAR;
    Set_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE, Get_Date_Of_Year_Day(Get_Current_Year() - age, day));
}

int32_t Get_Date_Of_Year_Day(int32_t year, int32_t day) {
    day = Clamp_Int(0, DAYS_IN_YEAR - 1, day);
    int32_t month = 0;
    while (day >= MONTH_LENGTHS[month]) {
        day -= MONTH_LENGTHS[month];
        ++month;
    }
    return (year * 100 + month + 1) * 100 + day + 1;
}

void Generate_Prospect_Profile(int32_t team, int32_t slot) {
    Init_New_Player_Fields(team, slot);
    Set_Player_Vital_Stat(team, slot, VITAL_HEIGHT,
                          Get_Random_Player_Height(Get_Player_Vital_Stat(team, slot, VITAL_POSITION)));
    Set_Player_Vital_Stat(team, slot, VITAL_WEIGHT, Get_Random_Player_Weight(team, slot));
    const int32_t r = Random_Below(100);
    const int32_t age = r < 2 ? 24 : (r < 15 ? 23 : (r < 35 ? 22 : 21));
    Set_Random_Birth_Date(team, slot, age);
    Set_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS, -1);
    Set_Random_College(team, slot);
    Assign_Uniform_Number(team, slot);
    Set_Player_Vital_Stat(team, slot, VITAL_GENERATED_PLAYER, 1);
}

void Roll_Prospect_Class(int32_t team, int32_t slot) {
    const int32_t age = Get_Player_Calendar_Age(team, slot);
    const int32_t weight = age > 20 ? (age - 20) * (age - 20) * 40 : 0;
    const int32_t value = Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_POOL_VALUE);
    const int32_t merit = value / 5 > value - 50 ? value / 5 : value - 50;
    const int32_t chance = Mul_Div_Round(merit, weight, 100);
    const int32_t r = Random_Below(100);
    int32_t years_younger = 0;
    if (r < chance / 12)
        years_younger = 2;
    else if (r < chance)
        years_younger = 1;
    if (years_younger == 0) return;
    Set_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS, -1 - years_younger);
    Set_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE,
                          Get_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE) + 10000 * years_younger);
    Set_Player_Vital_Stat(team, slot, VITAL_LAST_GROWTH_AGE,
                          Get_Player_Vital_Stat(team, slot, VITAL_LAST_GROWTH_AGE) - years_younger);
}

bool Is_Prospect_Too_Strong(int32_t team, int32_t slot) {
    if (!Is_Player_Slot_Used(team, slot)) return false;
    const int32_t position =
        Clamp_Int(0, NUMBER_OF_POSITIONS - 1, Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
    const int32_t mean = Get_Draft_Talent(TALENT_MEAN, position);
    const int32_t bonus = Get_Draft_Talent(POTENTIAL_BONUS, position);
    int32_t cap = mean / 20 + Get_Draft_Talent_Factor() / 20 + (Get_Current_Year() == WINDOW_YEAR ? 82 : 85);
    if (position == POSITION_QB) cap += 1;
    if (position == POSITION_TE || position == POSITION_DT) cap -= 1;
    if (position == POSITION_FB) cap -= 3;
    if (Ensure_Player_Minimum_Rating(team, slot) > static_cast<float>(cap)) return true;
    return Get_Player_Potential(team, slot) > static_cast<float>(cap + 6 + bonus / 20);
}

void Set_Lineman_Predicted_Stats(int32_t team, int32_t slot) {
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    if (Get_Position_Group(position) != 1) return;
    // His blocking grades are his blocking ratings: the rebuild of ratings from
    // statistics reads them back as such, and the slot may still hold another
    // player's season.
    Set_Player_Stat(team, slot, SEASON_PREDICTED, 5, Get_Whole_Rating(team, slot, RATING_RUN_BLOCKING));
    Set_Player_Stat(team, slot, SEASON_PREDICTED, 6, Get_Whole_Rating(team, slot, RATING_PASS_BLOCKING));
    auto s = [&](int32_t stat) { return Get_Player_Stat(team, slot, SEASON_PREDICTED, stat); };
    const int32_t sacks = Mul_Div_Round(100 - s(6), Get_Position_Stat_Benchmark(position, 4), 30);
    const int32_t rushing_yards = Mul_Div_Round(s(5), Get_Position_Stat_Benchmark(position, 8), 70);
    Set_Player_Stat(team, slot, SEASON_PREDICTED, 4, sacks);
    Set_Player_Stat(team, slot, SEASON_PREDICTED, 7, Get_Position_Stat_Benchmark(position, 7));
    Set_Player_Stat(team, slot, SEASON_PREDICTED, 8, rushing_yards);
}
