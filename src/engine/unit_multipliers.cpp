#include "engine/unit_multipliers.h"

#include "season/league_rates.h"

#include <cmath>
#include <cstring>

#include "database/historical_norms.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "engine/game_record.h"
#include "engine/pass_outcome_weights.h"
#include "engine/play_matchups.h"
#include "engine/play_resolution_support.h"
#include "engine/running_plays.h"
#include "engine/snap_decisions.h"

namespace {

constexpr float LIMIT_166 = 1.66f;
constexpr float LIMIT_2 = 2.0f;
constexpr float LIMIT_3 = 3.0f;
constexpr uint8_t EMPTY_SLOT = 255;

float Rating(int32_t team, uint8_t slot, int32_t rating) {
    return Get_Player_Rating(team, slot, rating);
}

// The roster slots of the offence's and the defence's eleven, in field order.
const uint8_t* Offense_Slots(const GAME_RECORD* pGame) {
    return pGame->On_Field[Get_Offense_Side(pGame)];
}
const uint8_t* Defense_Slots(const GAME_RECORD* pGame) {
    return pGame->On_Field[Get_Defense_Side(pGame)];
}

// Sum over the defensive eleven of term(rating values); an empty slot reads
// every rating as 20.
template <typename Term> float Sum_Defense(const GAME_RECORD* pGame, Term term) {
    const int32_t team = Get_Defense_Team(pGame);
    const uint8_t* slots = Defense_Slots(pGame);
    float sum = 0.0f;
    for (int32_t i = 0; i < ON_FIELD_PLAYERS; ++i)
        sum += term(team, slots[i]);
    return sum;
}

// The terms of the pass-defence sums, one defender each.
float Pass_Rush_Term(int32_t team, uint8_t slot) {
    const float r = Rating(team, slot, RATING_PASS_RUSH);
    return r * r;
}
float Coverage_Term(int32_t team, uint8_t slot) {
    const float r = Rating(team, slot, RATING_PASS_COVERAGE);
    return r * r;
}
float Ball_Hawk_Term(int32_t team, uint8_t slot) {
    const float c = Rating(team, slot, RATING_PASS_COVERAGE) - 30.0f;
    const float t = Rating(team, slot, RATING_TURNOVERS) - 30.0f;
    return (c > 0.0f ? c : 0.0f) * (t > 0.0f ? t : 0.0f);
}

// The multipliers made from those sums.
float Pass_Rush_From_Sum(float sum) {
    return Soften_Multiplier(2.0f * sum / 53900.0f - 1.0f, LIMIT_2);
}
float Coverage_From_Sum(float sum) {
    return Soften_Multiplier(sum / 53900.0f, LIMIT_166);
}
float Ball_Hawk_From_Sum(float sum) {
    return Soften_Multiplier(sum / 17600.0f, LIMIT_2);
}

// The three pass-defence sums of the defensive eleven, added up in one pass;
// each sum takes the defenders in the same order as when summed alone.
struct PASS_DEFENSE_SUMS {
    float pass_rush = 0.0f;
    float coverage = 0.0f;
    float ball_hawk = 0.0f;
};
PASS_DEFENSE_SUMS Sum_Pass_Defense(const GAME_RECORD* pGame) {
    const int32_t team = Get_Defense_Team(pGame);
    const uint8_t* slots = Defense_Slots(pGame);
    PASS_DEFENSE_SUMS sums;
    for (int32_t i = 0; i < ON_FIELD_PLAYERS; ++i) {
        sums.pass_rush += Pass_Rush_Term(team, slots[i]);
        sums.coverage += Coverage_Term(team, slots[i]);
        sums.ball_hawk += Ball_Hawk_Term(team, slots[i]);
    }
    return sums;
}

int32_t Position_Of(int32_t team, uint8_t slot) {
    if (slot == EMPTY_SLOT) return -1;
    return Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
}

bool Is_Human_Franchise(int32_t team) {
    return team >= 0 && team < MAX_FRANCHISES && Get_Team_Stat(team, 2) == 1;
}

float Replay_Pull(const GAME_RECORD* pGame, float m, int32_t stat, float weight) {
    if (Get_Current_Week() < 3 || Get_Replay_Mode() == 0) return m;
    const float ratio = Get_Replay_Rate_Ratio(pGame, stat);
    return (ratio * weight + m) / (weight + 1.0f);
}

float Interception_From_Ball_Hawk(const GAME_RECORD* pGame, float ball_hawk) {
    const float weight = static_cast<float>(Get_Current_Week()) / 5.0f;
    return Replay_Pull(pGame, ball_hawk, 7, weight);
}
float Sack_From_Pass_Rush(const GAME_RECORD* pGame, float pass_rush) {
    const float weight = static_cast<float>(Get_Current_Week() - 2) / 5.0f;
    return Replay_Pull(pGame, pass_rush, 4, weight);
}

} // namespace

int32_t Get_League_Yards_Per_Rush() {
    return Get_League_Rate(LEAGUE_RATE_YARDS_PER_RUSH);
}
int32_t Get_League_Completion_Rate() {
    return Get_League_Rate(LEAGUE_RATE_COMPLETION);
}
int32_t Get_League_Yards_Per_Completion() {
    return Get_League_Rate(LEAGUE_RATE_YARDS_PER_COMPLETION);
}

float Soften_Multiplier(float x, float limit) {
    const float inverse = 1.0f / limit;
    const float hi = static_cast<float>(std::sqrt(static_cast<double>(limit)));
    const float lo = static_cast<float>(std::sqrt(static_cast<double>(inverse)));
    if (x > hi)
        x = (hi + x) / 2.0f;
    else if (x < lo)
        x = (lo + x) / 2.0f;
    if (x > limit) x = limit;
    if (x < inverse) x = inverse;
    return x;
}

int32_t Get_Offense_Team(const GAME_RECORD* pGame) {
    return pGame->Possession_Team;
}
int32_t Get_Defense_Team(const GAME_RECORD* pGame) {
    return pGame->Team[1 - Get_Offense_Side(pGame)];
}
int32_t Get_Offense_Field_Slot(const GAME_RECORD* pGame, int32_t index) {
    if (index < 0 || index >= ON_FIELD_PLAYERS) return EMPTY_SLOT;
    return Offense_Slots(pGame)[index];
}
int32_t Get_Defense_Field_Slot(const GAME_RECORD* pGame, int32_t index) {
    if (index < 0 || index >= ON_FIELD_PLAYERS) return EMPTY_SLOT;
    return Defense_Slots(pGame)[index];
}

namespace {
// One offensive player's share of the receiving multiplier.
void Add_Receiving_Term(int32_t team, uint8_t slot, float& m) {
    if (slot == EMPTY_SLOT) return;
    const float r = Rating(team, slot, RATING_RECEIVING) - 60.0f;
    if (r > 0.0f) m += 0.0005f * r;
}

// One offensive player's share of the ball-carrier multiplier: the passer
// and the backs only.
void Add_Ball_Carrier_Term(int32_t team, uint8_t slot, float& m) {
    const int32_t position = Position_Of(team, slot);
    if (position != POSITION_QB && position != POSITION_RB && position != POSITION_FB) return;
    const float v = Rating(team, slot, RATING_RUNNING_COMPOSITE) - 60.0f;
    if (v > 0.0f) m += 0.0005f * v;
}

constexpr float RECEIVING_BASE = 0.96f;
constexpr float BALL_CARRIER_BASE = 0.98f;
} // namespace

float Get_Receiving_Multiplier(const GAME_RECORD* pGame) {
    const int32_t team = Get_Offense_Team(pGame);
    const uint8_t* slots = Offense_Slots(pGame);
    float m = RECEIVING_BASE;
    for (int32_t i = 0; i < ON_FIELD_PLAYERS; ++i)
        Add_Receiving_Term(team, slots[i], m);
    return Soften_Multiplier(m, LIMIT_166);
}

float Get_Ball_Carrier_Multiplier(const GAME_RECORD* pGame) {
    const int32_t team = Get_Offense_Team(pGame);
    const uint8_t* slots = Offense_Slots(pGame);
    float m = BALL_CARRIER_BASE;
    for (int32_t i = 0; i < ON_FIELD_PLAYERS; ++i)
        Add_Ball_Carrier_Term(team, slots[i], m);
    return Soften_Multiplier(m, LIMIT_166);
}

float Get_Offensive_Skill_Multiplier(const GAME_RECORD* pGame) {
    // Both multipliers of the offence added up in one pass over the eleven.
    const int32_t team = Get_Offense_Team(pGame);
    const uint8_t* slots = Offense_Slots(pGame);
    float carrying = BALL_CARRIER_BASE;
    float receiving = RECEIVING_BASE;
    for (int32_t i = 0; i < ON_FIELD_PLAYERS; ++i) {
        Add_Ball_Carrier_Term(team, slots[i], carrying);
        Add_Receiving_Term(team, slots[i], receiving);
    }
    float m = (Soften_Multiplier(carrying, LIMIT_166) + Soften_Multiplier(receiving, LIMIT_166)) * 0.5f;
    const int32_t week = Get_Current_Week();
    const int32_t season_length = Universe.Season_Length > 2 ? Universe.Season_Length : 2;
    const float edge = week >= season_length ? 0.1f : 0.05f;
    if (Get_Offense_Side(pGame) == 1)
        m += edge;
    else
        m -= edge;
    if (Get_User_Preference(MULTI_SEASON_SIMULATION) == 0) {
        const float difficulty = 0.05f * static_cast<float>(Get_User_Preference(DIFFICULTY_LEVEL));
        if (Is_Human_Franchise(Get_Offense_Team(pGame))) m -= difficulty;
        if (Is_Human_Franchise(Get_Defense_Team(pGame))) m += difficulty;
    }
    return Soften_Multiplier(m, LIMIT_166);
}

float Get_Pass_Blocking_Multiplier(const GAME_RECORD* pGame) {
    const int32_t team = Get_Offense_Team(pGame);
    const uint8_t* slots = Offense_Slots(pGame);
    float sum = 0.0f;
    for (int32_t i = 6; i <= 10; ++i) {
        const float b = Rating(team, slots[i], RATING_PASS_BLOCKING);
        sum += (i == 6 || i == 10) ? 1.4f * b - 32.0f : b;
    }
    sum += 0.5f * Rating(team, slots[2], RATING_PASS_BLOCKING);
    return Soften_Multiplier(sum / 375.0f, LIMIT_166);
}

float Get_Run_Blocking_Multiplier(const GAME_RECORD* pGame) {
    const int32_t team = Get_Offense_Team(pGame);
    const uint8_t* slots = Offense_Slots(pGame);
    float sum = 0.0f;
    for (int32_t i = 6; i <= 10; ++i) {
        const float b = Rating(team, slots[i], RATING_RUN_BLOCKING);
        sum += (i >= 7 && i <= 9) ? 1.3f * b - 24.0f : b;
    }
    sum += 0.5f * (Rating(team, slots[2], RATING_RUN_BLOCKING) + Rating(team, slots[3], RATING_RUN_BLOCKING));
    return Soften_Multiplier(sum / 430.0f, LIMIT_166);
}

float Get_Line_Discipline_Multiplier(const GAME_RECORD* pGame) {
    const int32_t team = Get_Offense_Team(pGame);
    const uint8_t* slots = Offense_Slots(pGame);
    float sum = 0.0f;
    for (int32_t i = 6; i <= 10; ++i)
        sum += Rating(team, slots[i], RATING_DISCIPLINE);
    float m = sum / 350.0f;
    if (m < 0.5f) m = 0.5f;
    if (m > 2.0f) m = 2.0f;
    return Soften_Multiplier(m, LIMIT_2);
}

float Get_Pass_Rush_Unit_Multiplier(const GAME_RECORD* pGame) {
    return Pass_Rush_From_Sum(Sum_Defense(pGame, Pass_Rush_Term));
}

float Get_Coverage_Unit_Multiplier(const GAME_RECORD* pGame) {
    return Coverage_From_Sum(Sum_Defense(pGame, Coverage_Term));
}

float Get_Ball_Hawk_Multiplier(const GAME_RECORD* pGame) {
    return Ball_Hawk_From_Sum(Sum_Defense(pGame, Ball_Hawk_Term));
}

float Get_Fumble_Forcing_Multiplier(const GAME_RECORD* pGame) {
    const float sum = Sum_Defense(pGame, [](int32_t team, uint8_t slot) {
        const float t = Rating(team, slot, RATING_TURNOVERS) - 50.0f;
        const float d = Rating(team, slot, RATING_RUN_DEFENSE) - 50.0f;
        const float k = Rating(team, slot, RATING_TACKLING) - 50.0f;
        return (t > 0.0f ? t : 0.0f) * ((d > 0.0f ? d : 0.0f) + (k > 0.0f ? k : 0.0f));
    });
    return Soften_Multiplier(sum / 8800.0f, LIMIT_3);
}

float Get_Tackling_Multiplier(const GAME_RECORD* pGame) {
    const float sum = Sum_Defense(pGame, [](int32_t team, uint8_t slot) {
        const float r = Rating(team, slot, RATING_TACKLING);
        return r * r + 4900.0f;
    });
    return Soften_Multiplier(sum / 107800.0f, LIMIT_166);
}

float Get_Run_Defense_Multiplier(const GAME_RECORD* pGame) {
    const float sum = Sum_Defense(pGame, [](int32_t team, uint8_t slot) {
        const float r = Rating(team, slot, RATING_RUN_DEFENSE);
        return r * r + 4900.0f;
    });
    return Soften_Multiplier(3.0f * sum / 107800.0f - 2.0f, LIMIT_166);
}

float Get_Replay_Rate_Ratio(const GAME_RECORD* pGame, int32_t stat) {
    const int32_t team = Get_Defense_Team(pGame);
    float predicted = 0.0f, predicted_games = 0.0f, actual = 0.0f, actual_games = 0.0f;
    for (int32_t i = 0; i < ON_FIELD_PLAYERS; ++i) {
        const int32_t slot = Get_Defense_Field_Slot(pGame, i);
        if (!Is_Player_Address(team, slot)) continue;
        predicted += static_cast<float>(Get_Player_Stat(team, slot, 3, stat));
        predicted_games += static_cast<float>(Get_Player_Stat(team, slot, 3, 0));
        actual += static_cast<float>(Get_Player_Stat(team, slot, 0, stat));
        actual_games += static_cast<float>(Get_Player_Stat(team, slot, 0, 0));
    }
    if (predicted_games < 1.0f || actual_games < 1.0f || actual < 1.0f) return 1.0f;
    return Soften_Multiplier((predicted / predicted_games) / (actual / actual_games), LIMIT_2);
}

float Get_Interception_Multiplier(const GAME_RECORD* pGame) {
    return Interception_From_Ball_Hawk(pGame, Get_Ball_Hawk_Multiplier(pGame));
}

float Get_Sack_Multiplier(const GAME_RECORD* pGame) {
    return Sack_From_Pass_Rush(pGame, Get_Pass_Rush_Unit_Multiplier(pGame));
}

int32_t Spread_Receiver_Weight(int32_t team, int32_t slot, int32_t weight) {
    const int32_t yards = Get_Player_Stat(team, slot, 0, 11);
    const int32_t limit = 50 * (Get_Team_Games_Played(team) + 1);
    if (yards > limit) return Mul_Div_Round(weight, limit, yards);
    return weight;
}

float Apply_Red_Zone_Factor(const GAME_RECORD* pGame, float x) {
    const int32_t to_goal = pGame->Yards_To_Goal;
    if (to_goal < 20) return x * (0.5f + 0.025f * static_cast<float>(to_goal));
    return x;
}

float Apply_Goal_Line_Factor(const GAME_RECORD* pGame, float x) {
    const int32_t to_goal = pGame->Yards_To_Goal;
    if (to_goal < 3) return x * (0.55f + 0.15f * static_cast<float>(to_goal));
    return x;
}

int32_t Choose_Pass_Outcome(GAME_RECORD* pGame, int32_t receiver, int32_t primary, float catch_depth,
                            float end_depth) {
    PASS_OUTCOME_INPUTS in{};
    const int32_t oteam = Get_Offense_Team(pGame);
    const int32_t dteam = Get_Defense_Team(pGame);
    const int32_t oplay = pGame->Current_Play.Offensive_Play;
    const int32_t dplay = pGame->Current_Play.Defensive_Play;
    const int32_t passer = Get_Offense_Field_Slot(pGame, 0);
    const int32_t year = Get_Current_Year();

    const float o = static_cast<float>(Get_Offensive_Play_Redundancy_Multiplier(pGame, oplay));
    const float d = static_cast<float>(Get_Defensive_Play_Redundancy_Multiplier(pGame, dplay));
    const PASS_MATCHUP matchup = Get_Pass_Matchup(oteam, oplay, dteam, dplay);
    in.coverage = matchup.Coverage * (d + 3000.0f) / (o + 3000.0f) / 1.22f;
    in.rush = matchup.Rush * (d + 2000.0f) / (o + 2000.0f);
    in.weather = Get_Play_Kick_Factor(pGame);
    in.pass_share = Get_Game_Pass_Share_Factor(pGame);
    in.completion_norm = static_cast<float>(Get_Historical_Average_Stat(101, year)) / 1000.0f;
    in.interception_norm = static_cast<float>(Get_Historical_Average_Stat(107, year)) / 1000.0f;
    in.yards_per_completion_norm = static_cast<float>(Get_Historical_Average_Stat(109, year)) / 100.0f;
    in.league_completion_rate = static_cast<float>(Get_League_Completion_Rate()) / 1000.0f;
    in.league_yards_per_completion = static_cast<float>(Get_League_Yards_Per_Completion()) / 100.0f;
    in.week = Get_Current_Week();
    in.down = static_cast<int32_t>(pGame->Down_Word & 0xFF);
    in.yards_to_goal = pGame->Yards_To_Goal;
    in.primary = primary;
    in.catch_depth = catch_depth;
    in.end_depth = end_depth;
    in.passer_is_quarterback = Is_Player_Address(oteam, passer) &&
                               Get_Player_Vital_Stat(oteam, passer, VITAL_POSITION) == POSITION_QB;
    in.accuracy = Get_Player_Rating(oteam, passer, RATING_ACCURACY);
    in.control = Get_Player_Rating(oteam, passer, RATING_CONTROL);
    in.distance = Get_Player_Rating(oteam, passer, RATING_DISTANCE);
    in.passer_red_zone = Get_Player_Rating(oteam, passer, RATING_RED_ZONE);
    in.mobility = Get_Player_Rating(oteam, passer, RATING_MOBILITY);
    in.speed = Get_Player_Rating(oteam, receiver, RATING_SPEED);
    in.power = Get_Player_Rating(oteam, receiver, RATING_POWER);
    in.receiver_red_zone = Get_Player_Rating(oteam, receiver, RATING_RED_ZONE);
    in.quickness = Get_Player_Rating(oteam, receiver, RATING_QUICKNESS);
    in.receiving = Get_Player_Rating(oteam, receiver, RATING_RECEIVING);
    in.hands = Get_Player_Rating(oteam, receiver, RATING_HANDS);
    // A rating's read repair touches that rating alone, so the defence's
    // three sums can share one pass over the eleven.
    const PASS_DEFENSE_SUMS sums = Sum_Pass_Defense(pGame);
    in.coverage_unit = Coverage_From_Sum(sums.coverage);
    in.interception_unit = Interception_From_Ball_Hawk(pGame, Ball_Hawk_From_Sum(sums.ball_hawk));
    in.offensive_skill = Get_Offensive_Skill_Multiplier(pGame);
    in.sack_unit = Sack_From_Pass_Rush(pGame, Pass_Rush_From_Sum(sums.pass_rush));
    in.pass_blocking = Get_Pass_Blocking_Multiplier(pGame);
    in.replay_mode = Get_Replay_Mode() != 0;
    in.replay_factor = in.replay_mode ? Get_Replay_Rushing_Factor(pGame) : 1.0f;

    PASS_OUTCOME_WEIGHTS w = Compute_Pass_Outcome_Weights(in);
    const double u = static_cast<double>(Random_Number()) * RANDOM_FRACTION;
    int32_t outcome = Pick_Pass_Outcome(w, u);
    if (outcome == PASS_OUTCOME_SACKED) {
        const int32_t chance = Get_Carrier_Fumble_Chance(pGame, passer);
        const int32_t draw =
            static_cast<int32_t>(static_cast<double>(Random_Number()) * RANDOM_FRACTION * 1000.0);
        if (draw < chance) outcome = PASS_OUTCOME_SACK_FUMBLE;
    }
    return outcome;
}
