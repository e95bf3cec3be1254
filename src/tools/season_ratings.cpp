#include "tools/season_ratings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "app/progress_window.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/position_evaluation.h"
#include "database/rating_normalisation.h"
#include "database/roster_slots.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/team_unit_ratings.h"
#include "frontoffice/player_potential.h"
#include "personnel/player_development.h"
#include "personnel/random_ratings.h"
#include "personnel/rating_adjustment.h"
#include "platform/message_box.h"
#include "tools/league_input_files.h"
#include "tools/player_overall_adjustment.h"
#include "tools/stats_input.h"

namespace {
constexpr const char* COMBINE_FILE = "Input/Stats/Combine_Results.csv";
constexpr int32_t PEAK_AGE[NUMBER_OF_POSITIONS] = {32, 27, 29, 29, 29, 28, 30, 29,
                                                   29, 30, 29, 28, 28, 35, 35};
constexpr int32_t RATED_SEASON = 2022;
constexpr int32_t YOUNG_BELOW_AGE = 25;
constexpr float UNRATED_BELOW = 25.0f;
constexpr int32_t COMBINE_LINES_PER_STEP = 1000;
constexpr int32_t COMBINE_STEPPED_LINES = 3000;
constexpr int32_t TEAM_STAT_TEAM_SCORE = 11;
constexpr int32_t MOST_CALIBRATION_STEPS = 2000;
constexpr int32_t CALIBRATION_STEP_TEAMS = 25;
constexpr int32_t DEFENCE_GROUP = 2;

int32_t Season_Year() {
    return Get_Current_Year();
}

int32_t Birth_Year(int32_t team, int32_t slot) {
    return Get_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE) / 10000;
}

// His rating at his own position; an unrated player gets random ratings first.
float Rated_Evaluation(int32_t team, int32_t slot) {
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    float rating = Get_Player_Position_Rating(team, slot, position);
    if (rating < UNRATED_BELOW) {
        Randomize_Player_Ratings(team, slot);
        rating = Get_Player_Position_Rating(team, slot, position);
    }
    return rating;
}

bool Find_Combine_Player(const STATS_LINE& line, int32_t* team, int32_t* slot) {
    int32_t id = 0;
    if (!Read_Int_Field(line, 2, &id)) return false;
    if (id > 0 && Find_Listed_Player_By_ID(team, slot, id) != 0) return true;
    const PLAYER_LOCATION where = Find_Player_By_External_Key(line.Field(1));
    if (where.Team == NO_TEAM) return false;
    *team = where.Team;
    *slot = where.Slot;
    return true;
}
} // namespace

int32_t Get_Peak_Age(int32_t position, int32_t year) {
    const int32_t row = std::clamp(position, 0, NUMBER_OF_POSITIONS - 1);
    return PEAK_AGE[row] + (row == POSITION_QB ? std::max(0, (year - 1950) / 20) : 0);
}

float Get_Combine_Speed(double forty_time, int32_t age) {
    double speed = 381.0 - 66.6 * forty_time;
    if (age > YOUNG_BELOW_AGE) speed -= 2.0 * (age - YOUNG_BELOW_AGE);
    if (speed < 40.0) speed = (speed + 40.0) * 0.5;
    if (speed < 20.0) speed = (speed + 60.0) * 0.25;
    return static_cast<float>(speed);
}

void Read_Combine_Line(const STATS_LINE& line) {
    double forty_time = 0.0;
    if (!Read_Decimal_Field(line, 8, &forty_time)) return;
    int32_t team = NO_TEAM, slot = NO_PLAYER;
    // In hundredths of a second, as the record keeps it.
    const int64_t hundredths = forty_time < 1e9 ? static_cast<int64_t>(forty_time * 100) : INT64_MAX;
    if (forty_time > 4.0 &&
        !Check_Vital_Field(line, 8, VITAL_FORTY_TIME, hundredths, "a forty time in hundredths"))
        return;
    if (!Find_Combine_Player(line, &team, &slot) || forty_time <= 4.0) return;
    const int32_t age = Season_Year() - Birth_Year(team, slot);
    if (Is_Player_Slot_Used(team, slot))
        Set_Player_Rating(team, slot, RATING_SPEED, Get_Combine_Speed(forty_time, age));
    Set_Player_Vital_Stat(team, slot, VITAL_FORTY_TIME, static_cast<int32_t>(forty_time * 100));
}

void Load_Combine_Results_CSV() {
    STATS_FILE file;
    if (!Open_Stats_File(&file, COMBINE_FILE)) {
        Show_Formatted_Message("Read Error", "Unable to open %s.", COMBINE_FILE);
        return;
    }
    Build_Player_ID_Hash();
    Build_Player_Lookup_Index();
    Read_Stats_Header(&file);
    STATS_LINE line;
    int32_t lines = 0;
    for (int32_t read = 0; (read = Read_Stats_Line(&file, &line)) != 0 && !Should_Stop_Stats_Reading();) {
        if (read > 0) Read_Combine_Line(line);
        if (++lines % COMBINE_LINES_PER_STEP == 0 && lines < COMBINE_STEPPED_LINES) Step_Progress(1);
    }
    Close_Stats_File(&file);
    Drop_Player_Lookup_Index();
}

void Age_Adjust_Player_Ratings(int32_t team, int32_t slot) {
    const int32_t year = Season_Year();
    const int32_t age = year - Birth_Year(team, slot);
    const int32_t peak = Get_Peak_Age(Get_Player_Vital_Stat(team, slot, VITAL_POSITION), year);
    Modify_Player_Ratings(team, slot, 0.03f, false);
    if (age < YOUNG_BELOW_AGE) {
        const int32_t to_come = RATED_SEASON - year;
        const int32_t years = std::min(YOUNG_BELOW_AGE - age, to_come);
        float rating = Rated_Evaluation(team, slot);
        if (to_come + age < YOUNG_BELOW_AGE) rating += static_cast<float>(YOUNG_BELOW_AGE - to_come - age);
        Rescale_Player_Ratings(team, slot, rating - 2.0f * static_cast<float>(years));
        Adjust_Player_To_Overall(team, slot, static_cast<int32_t>(rating));
    } else if (age > peak) {
        const int32_t past = age - peak;
        const int32_t triangle = past * (past + 1) / 2;
        const float adjustment =
            static_cast<float>(2.5 / (past + 4.0) * (-(static_cast<double>(triangle)) / 100.0));
        Modify_Player_Ratings(team, slot, adjustment, true);
    }
}

void Age_Adjust_All_Ratings() {
    For_Each_League_Player(Age_Adjust_Player_Ratings);
}

void Set_Rookie_Ratings_By_Pick() {
    const int32_t base_year = Get_Universe_Stat(BASE_YEAR);
    const int32_t teams = Refresh_Active_Team_Count();
    for (int32_t team = 0; team < teams; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const int32_t draft_slot = Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_SLOT);
            if (draft_slot / 100000 <= 0 ||
                Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_RECORD) % 10000 != base_year)
                continue;
            const int32_t pick = draft_slot % 1000;
            float target = 80.0f - static_cast<float>(pick / 10);
            if (pick < 3) target += static_cast<float>((4 - pick) / 2);
            Rescale_Player_Ratings(team, slot, target);
            Adjust_Player_To_Overall(team, slot, static_cast<int32_t>(target + 7.0f));
        }
}

void Rescale_Prospect_Ratings() {
    For_Each_League_Player([](int32_t team, int32_t slot) {
        if (Get_Player_Vital_Stat(team, slot, VITAL_GENERATED_PLAYER) == 0) return;
        float rating = Rated_Evaluation(team, slot);
        if (rating > 60.0f) rating = (rating + 120.0f) / 3.0f;
        Rescale_Player_Ratings(team, slot, rating);
    });
}

void Calibrate_Team_Step(int32_t team, float delta) {
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!Is_Player_Slot_Used(team, slot)) continue;
        const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
        const int32_t group = Get_Position_Group(position);
        if (group == DEFENCE_GROUP) {
            // The read repairs a missing or low tackling rating in place.
            const float tackling = Get_Player_Rating(team, slot, RATING_TACKLING);
            const float lift = std::max(0.0f, 25.0f - std::fabs(70.0f - tackling)) * delta / 25.0f;
            if (lift > 0.01f) Set_Player_Rating(team, slot, RATING_TACKLING, tackling + lift);
        }
        const float rating = Get_Player_Position_Rating(team, slot, position);
        float adjustment = std::max(0.0f, 20.0f - std::fabs(72.0f - rating)) * delta / 20.0f;
        if (position == POSITION_QB)
            adjustment *= 0.2f;
        else if (group == 0)
            adjustment *= 0.7f;
        if (std::fabs(adjustment) > 0.001f) Rescale_Player_Ratings(team, slot, rating + adjustment);
    }
}

void Calibrate_Team_Ratings() {
    const int32_t teams = Refresh_Active_Team_Count();
    int64_t sum = 0;
    int32_t counted = 0;
    for (int32_t team = 0; team < teams; ++team)
        if (Is_Used_Franchise_Slot(team)) {
            sum += Get_Team_Overall_Rating(team);
            ++counted;
        }
    const int32_t mean = counted > 0 ? static_cast<int32_t>(sum / counted) : 0;
    for (int32_t team = 0; team < teams; ++team) {
        int32_t score = Get_Team_Stat(team, TEAM_STAT_TEAM_SCORE);
        if (Is_Used_Franchise_Slot(team) && score > 0) {
            int32_t now = Get_Team_Overall_Rating(team);
            if (Season_Year() < RATED_SEASON) {
                const int32_t relative =
                    mean == 0 ? 0
                              : static_cast<int32_t>((static_cast<int64_t>(now) * 1000 + mean / 2) / mean);
                const int32_t other = (3 * score - 1000) / 2;
                const int32_t low = std::min(score, other), high = std::max(score, other);
                score = (relative + 4 * std::clamp(relative, low, high)) / 5;
            }
            const int32_t target = static_cast<int32_t>((static_cast<int64_t>(score) * mean + 500) / 1000);
            const int32_t tolerance = mean / 1000;
            for (int32_t step = 0; step < MOST_CALIBRATION_STEPS && std::abs(target - now) >= tolerance;
                 ++step) {
                Calibrate_Team_Step(team, static_cast<float>(target - now) / 150.0f);
                now = Get_Team_Overall_Rating(team);
            }
        }
        if (team % 5 == 2 && team < CALIBRATION_STEP_TEAMS) Step_Progress(1);
    }
}
