#include "personnel/predicted_stats.h"

#include <algorithm>
#include <cstdlib>

#include "app/diagnostics.h"
#include "database/historical_norms.h"
#include "database/league_structure.h"
#include "database/loaded_league_bounds.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "personnel/predicted_consistency.h"
#include "personnel/predicted_stats_tables.h"

namespace {

constexpr int32_t LARGEST_USUAL_MODIFIER = 950;
constexpr int32_t ROOKIE_CAREER_GAMES = 18;
constexpr int32_t ROOKIE_CHANGE_YEAR = 2022;

// 4 for a quarterback, else the position group (0 skill, 1 line, 2 defence, 3 kickers).
int32_t Prediction_Group(int32_t position) {
    return position == POSITION_QB ? 4 : Get_Position_Group(position);
}

// A drafted rookie's prediction moves with his draft round (and, in the first
// round, his pick).
void Apply_Rookie_Change(int32_t team, int32_t slot, int32_t position, int32_t per_mille) {
    const int32_t draft_slot = Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_SLOT);
    int32_t round = Get_Draft_Code_Round(draft_slot);
    if (round == 0) return;
    if (position == POSITION_K || position == POSITION_P) round = round - 2 < 1 ? 1 : round - 2;
    int32_t strength = (10 - round) * 10;
    if (round == 1) strength += 40 - Get_Draft_Code_Pick(draft_slot);
    Modify_All_Predicted_Stats(team, slot, Mul_Div_Round(strength, per_mille, 1000),
                               PREDICTION_CHANGE_DRAFT_POSITION);
}

void Modify_Predicted_Line(int32_t team, int32_t slot, int32_t modifier, int32_t kind,
                           int32_t random_rounding, bool reconcile) {
    for (int32_t stat = 0; stat < NUMBER_OF_PREDICTED_STATS; ++stat)
        Modify_Predicted_Player_Stats(team, slot, SEASON_PREDICTED, stat, modifier, kind, random_rounding);
    if (reconcile) Reconcile_Predicted_Player_Stats(team, slot);
}

} // namespace

int32_t Get_Draft_Code_Round(int32_t code) {
    return code / 100000;
}

int32_t Get_Draft_Code_Pick(int32_t code) {
    return code % 1000;
}

void Modify_All_Predicted_Stats(int32_t team, int32_t slot, int32_t modifier, int32_t kind) {
    Modify_Predicted_Line(team, slot, modifier, kind, 0, false);
}

void Modify_All_Predicted_Stats_Randomly(int32_t team, int32_t slot, int32_t modifier, int32_t kind) {
    Modify_Predicted_Line(team, slot, modifier, kind, 1, false);
}

void Modify_And_Reconcile_Predicted_Stats(int32_t team, int32_t slot, int32_t modifier, int32_t kind) {
    Modify_Predicted_Line(team, slot, modifier, kind, 0, true);
}

void Modify_Randomly_And_Reconcile_Predicted_Stats(int32_t team, int32_t slot, int32_t modifier,
                                                   int32_t kind) {
    Modify_Predicted_Line(team, slot, modifier, kind, 1, true);
}

void Add_Typical_Season_Share(int32_t team, int32_t slot, int32_t season, int32_t per_mille) {
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    for (int32_t stat = 0; stat < NUMBER_OF_PREDICTED_STATS; ++stat)
        Set_Player_Stat(team, slot, season, stat,
                        Get_Player_Stat(team, slot, season, stat) +
                            Mul_Div_Round(Get_Typical_Season_Stat(position, stat), per_mille, 1000));
}

bool Is_Predicted_Stat_Protected(int32_t position, int32_t stat) {
    const int32_t group = Get_Position_Group(position);
    if (group == 1) return stat == 5 || stat == 6;
    if (group == 3) return stat == 5 || stat == 18;
    return false;
}

int32_t Get_Typical_Season_Stat(int32_t position, int32_t stat) {
    if (static_cast<uint32_t>(position) >= NUMBER_OF_TYPICAL_POSITIONS ||
        static_cast<uint32_t>(stat) >= NUMBER_OF_PREDICTED_STATS)
        return 0;
    return TYPICAL_SEASON[position][stat];
}

int32_t Get_Prediction_Change_Weight(int32_t group, int32_t stat, int32_t kind) {
    if (static_cast<uint32_t>(group) >= NUMBER_OF_PREDICTION_GROUPS ||
        static_cast<uint32_t>(stat) >= NUMBER_OF_PREDICTED_STATS ||
        static_cast<uint32_t>(kind) >= NUMBER_OF_CHANGE_KINDS)
        return 0;
    return PREDICTION_CHANGE_WEIGHT[group][stat][kind];
}

void Modify_Predicted_Player_Stats(int32_t team, int32_t slot, int32_t season, int32_t stat, int32_t modifier,
                                   int32_t kind, int32_t random_rounding) {
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    if (position > POSITION_P) return;
    if (modifier < -LARGEST_USUAL_MODIFIER || modifier > LARGEST_USUAL_MODIFIER)
        Log_Debug_Line("Modifier too large in Modify_Predicted_Player_Stats(%d,%d,%d,%d,%d)", team, slot,
                       season, modifier, kind);
    if (static_cast<uint32_t>(kind) >= NUMBER_OF_CHANGE_KINDS ||
        static_cast<uint32_t>(stat) >= NUMBER_OF_PREDICTED_STATS || position < 0) {
        Report_System_Error("Invalid change in Modify_Predicted_Player_Stats(%d,%d,%d,%d,%d,%d)", team, slot,
                            season, stat, modifier, kind);
        return;
    }
    const int32_t threshold = random_rounding ? Random_Int(1000) : 500;
    const int32_t weighted =
        Mul_Div_Round(modifier, Get_Prediction_Change_Weight(Prediction_Group(position), stat, kind), 100);
    // The change in thousandths of a statistic; the fraction rounds against the threshold.
    const int64_t change = static_cast<int64_t>(Get_Typical_Season_Stat(position, stat)) * weighted;
    int64_t whole = change / 1000;
    if (change >= 1) {
        if (threshold < change - 1000 * whole) ++whole;
    } else if (threshold < std::llabs(change) % 1000) {
        --whole;
    }
    const int32_t old_value = Get_Player_Stat(team, slot, season, stat);
    int64_t new_value = old_value + whole;
    // A large cut never takes more than half in one step: it scales instead, and
    // a scale of more than half (or past zero) stops at half.
    if (new_value < old_value / 2) {
        new_value = Mul_Div_Round(old_value, 1000 + weighted, 1000);
        if (new_value < old_value / 2) new_value = old_value / 2;
    }
    // Held where a saved game keeps the season's figures.
    const FIELD_RANGE kept = Get_Player_Figure_Range(season);
    Set_Player_Stat(team, slot, season, stat,
                    static_cast<int32_t>(std::clamp<int64_t>(new_value, kept.Lowest, kept.Highest)));
}

void Add_Predicted_Benchmark_Share(int32_t team, int32_t slot, int32_t per_mille) {
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    if (static_cast<uint32_t>(position) >= NUMBER_OF_TYPICAL_POSITIONS) return;
    for (int32_t stat = 0; stat < NUMBER_OF_PREDICTED_STATS; ++stat) {
        if (Is_Predicted_Stat_Protected(position, stat)) continue;
        const int32_t share = Mul_Div_Round(Get_Position_Stat_Benchmark(position, stat), per_mille, 1000);
        Set_Player_Stat(
            team, slot, SEASON_PREDICTED, stat,
            Hold_Season_Figure(static_cast<int64_t>(Get_Player_Stat(team, slot, SEASON_PREDICTED, stat)) +
                               share));
    }
    if (Get_Current_Year() == ROOKIE_CHANGE_YEAR &&
        Get_Player_Stat(team, slot, SEASON_CAREER, 0) < ROOKIE_CAREER_GAMES)
        Apply_Rookie_Change(team, slot, position, per_mille);
}
