// Position fitness and starter positions.
#include "frontoffice/position_fitness.h"

#include <cmath>

#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/team_record.h"
#include "frontoffice/depth_chart_tables.h"
#include "frontoffice/rating_bounds.h"
#include "personnel/injuries.h"

namespace {
constexpr int32_t EXPANDED_RETURN_SPECIALIST = 18;
constexpr int32_t OWN_POSITION_BONUS = 5000;

bool Is_Depth_Chart_Position(int32_t position) {
    return static_cast<uint32_t>(position) < DEPTH_CHART_POSITIONS;
}

bool Is_Special_Teams_Role(int32_t expanded) {
    return expanded == EXPANDED_RETURN_SPECIALIST || expanded == EXPANDED_SPECIAL_TEAMS_PLAYER ||
           expanded == EXPANDED_LONG_SNAPPER;
}

// A player of one depth-chart position at another: nothing across units, and
// a special-teams role 85 % of the rest.
int32_t Compute_Fitness_Across(int32_t own, bool special, int32_t position) {
    if (Get_Position_Unit(own) != Get_Position_Unit(position)) return 0;
    const int32_t fitness = POSITION_FITNESS[own][position] * 10;
    return special ? Mul_Div_Round(fitness, 85, 100) : fitness;
}

// Every pair's fitness, worked out once: the depth charts ask for millions a season.
struct FITNESS_ACROSS_TABLE {
    int32_t Value[2][DEPTH_CHART_POSITIONS][DEPTH_CHART_POSITIONS];
};

FITNESS_ACROSS_TABLE Make_Fitness_Across_Table() {
    FITNESS_ACROSS_TABLE table{};
    for (int32_t special = 0; special < 2; ++special)
        for (int32_t own = 0; own < DEPTH_CHART_POSITIONS; ++own)
            for (int32_t position = 0; position < DEPTH_CHART_POSITIONS; ++position)
                table.Value[special][own][position] = Compute_Fitness_Across(own, special != 0, position);
    return table;
}

// Made at start-up from constant tables.
const FITNESS_ACROSS_TABLE FITNESS_ACROSS = Make_Fitness_Across_Table();

int32_t Fitness_Across(int32_t own, int32_t expanded, int32_t position) {
    if (!Is_Depth_Chart_Position(own) || !Is_Depth_Chart_Position(position)) return 0;
    return FITNESS_ACROSS.Value[Is_Special_Teams_Role(expanded) ? 1 : 0][own][position];
}
} // namespace

int32_t Get_Position_Fitness(int32_t team, int32_t slot, int32_t position) {
    return Fitness_Across(Get_Player_Vital_Stat(team, slot, VITAL_POSITION),
                          Get_Player_Byte_Field(team, slot, PLAYER_BYTE_EXPANDED_POSITION), position);
}

PLAYER_FITNESS Read_Player_Fitness(int32_t team, int32_t slot, int32_t keep_injured) {
    PLAYER_FITNESS player{};
    player.Used = Is_Player_Slot_Used(team, slot) != 0;
    if (!player.Used) return player;
    const float rating = Ensure_Player_Minimum_Rating(team, slot);
    player.Worth = Get_Bounded_Rating_Value(team, slot, rating);
    player.Worth_Root = Rounded_Signed_Sqrt(player.Worth);
    player.Own_Position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    player.Expanded_Position = Get_Player_Byte_Field(team, slot, PLAYER_BYTE_EXPANDED_POSITION);
    player.Out_For_Season = keep_injured == 0 && Is_Player_Out_For_Season(team, slot);
    return player;
}

int32_t Get_Fitness_At_Position(const PLAYER_FITNESS& player, int32_t position) {
    if (!player.Used) return NO_FITNESS;
    int32_t fitness;
    if (position == player.Own_Position)
        fitness = player.Worth + OWN_POSITION_BONUS;
    else
        fitness = Fitness_Across(player.Own_Position, player.Expanded_Position, position) + player.Worth_Root;
    if (player.Out_For_Season) fitness = Mul_Div_Round(fitness, 1, 10);
    return fitness;
}

int32_t Get_Player_Fitness_At_Position(int32_t team, int32_t slot, int32_t position, int32_t keep_injured) {
    return Get_Fitness_At_Position(Read_Player_Fitness(team, slot, keep_injured), position);
}

int32_t Get_Starter_Slot_Position(int32_t team, int32_t unit, int32_t k) {
    const bool franchise = Is_Team_Record_Slot(team);
    switch (unit) {
    case 0: {
        if (k < 0 || k >= UNIT_STARTER_SLOTS) return -1;
        int32_t system = franchise ? Get_Team_Stat(team, TEAM_STAT_OFFENSIVE_SYSTEM) : 0;
        if (system < 0 || system >= OFFENSIVE_SYSTEMS) system = 0;
        return OFFENSE_STARTER_POSITIONS[system][k];
    }
    case 1: {
        if (k < 0 || k >= UNIT_STARTER_SLOTS) return -1;
        int32_t system = franchise ? Get_Team_Stat(team, TEAM_STAT_DEFENSIVE_SYSTEM) : 0;
        if (system < 0 || system >= DEFENSIVE_SYSTEMS) system = 0;
        return DEFENSE_STARTER_POSITIONS[system][k];
    }
    case 2:
        return k == 0 || k == 1 ? SPECIAL_TEAMS_STARTER_POSITIONS[k] : -1;
    default:
        return -1;
    }
}

int32_t Find_Best_Tight_End(int32_t team) {
    int32_t best = NO_PLAYER;
    float best_rating = 0.0f;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!Is_Player_Slot_Used(team, slot) ||
            Get_Player_Vital_Stat(team, slot, VITAL_POSITION) != POSITION_TE)
            continue;
        const float rating = Ensure_Player_Minimum_Rating(team, slot);
        if (best == NO_PLAYER || rating > best_rating) {
            best = slot;
            best_rating = rating;
        }
    }
    return best;
}
