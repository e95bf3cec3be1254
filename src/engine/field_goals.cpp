#include "engine/field_goals.h"

#include <initializer_list>

#include "database/historical_norms.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "engine/announcer.h"
#include "engine/downs_and_clock.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "engine/play_loop.h"
#include "engine/play_resolution_support.h"
#include "engine/play_roles.h"
#include "engine/pregame_setup.h"
#include "engine/snap_decisions.h"
#include "engine/statistics_credit.h"

namespace {

constexpr int32_t GOAL_POSTS_MOVED_YEAR = 1974;
constexpr int32_t KICKING_GROUP = 3;
constexpr int32_t STAT_LONGEST_FIELD_GOAL = 18;
// Historical league field-goal accuracy and the season it is measured against.
constexpr int32_t HISTORICAL_FIELD_GOAL_ACCURACY = 123;
constexpr int32_t ACCURACY_BASE_YEAR = 2016;
constexpr double LONGEST_POSSIBLE_KICK = 70.0;
// Where a missed field goal is placed, by era.
constexpr int32_t ERA_KICK_SPOT = 0;
constexpr int32_t ERA_LINE_OF_SCRIMMAGE = 1;
constexpr int32_t ERA_TWENTY = 2;
constexpr int32_t MISS_SPOT_LIMIT = 80;

int32_t Game_Year(const GAME_RECORD* pGame) {
    return pGame->Season_Year != 0 ? pGame->Season_Year : Get_Current_Year();
}

// The season's league accuracy against that of the base season; 1 when either
// is unknown.
double Accuracy_Scale(int32_t year) {
    const int32_t base = Get_Historical_Average_Stat(HISTORICAL_FIELD_GOAL_ACCURACY, ACCURACY_BASE_YEAR);
    const int32_t season = Get_Historical_Average_Stat(HISTORICAL_FIELD_GOAL_ACCURACY, year);
    if (base <= 0 || season <= 0) return 1.0;
    return static_cast<double>(season) / base;
}

// The kicker's longest field goal of his line, this season and his career.
void Raise_Longest_Field_Goal(int32_t team, int32_t slot, int32_t distance) {
    Keep_Longest_Kick(team, slot, STAT_LONGEST_FIELD_GOAL, distance, true);
}

// Yards to goal of the new offence after a miss.
int32_t Missed_Field_Goal_Spot(int32_t new_yards_to_goal) {
    int32_t spot = new_yards_to_goal;
    switch (Get_User_Preference(MISSED_FIELD_GOAL_SPOT)) {
    case ERA_KICK_SPOT:
        spot = new_yards_to_goal - 7;
        break;
    case ERA_TWENTY:
        spot = MISS_SPOT_LIMIT;
        break;
    case ERA_LINE_OF_SCRIMMAGE:
    default:
        break;
    }
    return spot < MISS_SPOT_LIMIT ? spot : MISS_SPOT_LIMIT;
}

} // namespace

int32_t Get_Field_Goal_Distance(int32_t yards_to_goal, int32_t year) {
    return year < GOAL_POSTS_MOVED_YEAR ? yards_to_goal + 7 : yards_to_goal + 17;
}

double Get_Field_Goal_Base_Chance(double effective, double accuracy, int32_t range) {
    const double short_chance = accuracy / 5000.0 + 0.98;
    const double middle_chance = (accuracy - 70.0) / 300.0 + 0.88;
    if (effective < 20.0) return short_chance;
    if (effective < 40.0) {
        const double t = (effective - 20.0) / 40.0;
        return (1.0 - t) * short_chance + t * middle_chance;
    }
    if (effective <= range) {
        // A kicker whose range is 40 has no middle stretch to interpolate over.
        if (range <= 40) return middle_chance;
        const double t = (effective - 40.0) / (range - 40.0);
        return (1.0 - t) * middle_chance + 0.7 * t;
    }
    return 0.7 - (effective - range) / 10.0;
}

int32_t Get_Field_Goal_Attempt_Stat(int32_t distance) {
    if (distance < 30) return 10;
    if (distance < 40) return 12;
    if (distance < 50) return 14;
    return 16;
}

double Get_Field_Goal_Chance(GAME_RECORD* pGame, int32_t team, int32_t slot, int32_t distance) {
    const float factor = Get_Kick_Distance_Factor(pGame);
    if (factor <= 0.0f) return 0.0;
    const double effective = distance / static_cast<double>(factor);
    if (effective > LONGEST_POSSIBLE_KICK) return 0.0;
    const double accuracy = Get_Player_Rating(team, slot, RATING_FG_ACCURACY);
    const double chance = Get_Field_Goal_Base_Chance(effective, accuracy, Get_Kicker_Range(team, slot));
    return chance * Accuracy_Scale(Game_Year(pGame));
}

void Resolve_Field_Goal(GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    const int32_t side = Get_Offense_Side(pGame);
    const int32_t team = pGame->Team[side];
    const int32_t kicker = pGame->On_Field[side][1];
    const int32_t kicker_id = Play_Player_Id(team, kicker);
    Stop_Game_Clock(pGame);
    pGame->Snap_Seconds = static_cast<int8_t>(5 + Play_Random_Below(3));
    const int32_t distance = Get_Field_Goal_Distance(pGame->Yards_To_Goal, Game_Year(pGame));
    const double chance = Get_Field_Goal_Chance(pGame, team, kicker, distance);
    const int32_t attempt_stat = Get_Field_Goal_Attempt_Stat(distance);
    Credit_Game_Stat(pGame, team, kicker, KICKING_GROUP, attempt_stat, 1);
    pGame->Current_Play.Yard1 = static_cast<int8_t>(Clamp_Int(-128, 127, distance));
    if (Play_Random_Fraction() < chance) {
        Add_Game_Points(pGame, side, 3);
        Set_Current_Play_Result(pGame, RESULT_FIELD_GOAL_GOOD);
        Credit_Game_Stat(pGame, team, kicker, KICKING_GROUP, attempt_stat + 1, 1);
        Raise_Longest_Field_Goal(team, kicker, distance);
    } else {
        Set_Current_Play_Result(pGame, RESULT_FIELD_GOAL_MISSED);
        Change_Possession(pGame);
        pGame->Yards_To_Goal = static_cast<int8_t>(Missed_Field_Goal_Spot(pGame->Yards_To_Goal));
        Set_Game_Down(pGame, 10);
    }
    Set_Play_Role_Ids(&pGame->Current_Play, ROLE_KICKER, kicker_id);
    Draw_Scoreboard(pGame);
    for (int32_t event = 42; event <= 45; ++event)
        Queue_Commentary(pGame, event, distance, 0, 0, kicker_id, -1);
}

int32_t Get_Conversion_Spot() {
    switch (Get_User_Preference(EXTRA_POINT_SPOT_CODE)) {
    case 1:
        return 15;
    case 2:
        return 20;
    case 3:
        return 25;
    case 4:
        return 30;
    default:
        return 2;
    }
}

double Get_Conversion_Kick_Chance(int32_t team, int32_t slot) {
    int32_t accuracy = static_cast<int32_t>(Get_Player_Rating(team, slot, RATING_FG_ACCURACY));
    if (accuracy > 95) accuracy = 95;
    // Ratings are at least 20, so the division is safe.
    if (accuracy < 1) accuracy = 1;
    static const double made_rates[5] = {0.996, 0.96, 0.9, 0.84, 0.77};
    const int32_t code = Get_User_Preference(EXTRA_POINT_SPOT_CODE);
    double miss = 1.0 - made_rates[code >= 0 && code < 5 ? code : 0];
    const float factor = Current_Game != nullptr ? Get_Kick_Distance_Factor(Current_Game) : 1.0f;
    if (factor > 0.0f) miss /= factor;
    return 1.0 - (70.0 / accuracy) * miss;
}

void Resolve_Conversion_Kick(GAME_RECORD* pGame) {
    if (pGame == nullptr) return;
    const int32_t side = Get_Offense_Side(pGame);
    const int32_t team = pGame->Team[side];
    const int32_t kicker = pGame->On_Field[side][1];
    pGame->Yards_To_Goal = static_cast<int8_t>(Get_Conversion_Spot());
    Credit_Game_Stat(pGame, team, kicker, KICKING_GROUP, 8, 1);
    GAME_RECORD* const previous = Current_Game;
    Current_Game = pGame;
    const double chance = Get_Conversion_Kick_Chance(team, kicker);
    Current_Game = previous;
    if (Play_Random_Fraction() < chance) {
        Set_Current_Play_Result(pGame, RESULT_EXTRA_POINT_GOOD);
        Add_Game_Points(pGame, side, 1);
        Credit_Game_Stat(pGame, team, kicker, KICKING_GROUP, 9, 1);
    } else {
        Set_Current_Play_Result(pGame, RESULT_EXTRA_POINT_MISSED);
    }
    Set_Play_Role_Ids(&pGame->Current_Play, ROLE_KICKER, Play_Player_Id(team, kicker));
    Draw_Scoreboard(pGame);
    Stop_Game_Clock(pGame);
}
