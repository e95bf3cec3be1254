#pragma once
// The depth charts' tables: how well a player of one position does at
// another, and the starter positions of each unit by the team's system.
#include <cstdint>

constexpr int32_t DEPTH_CHART_POSITIONS = 15;
constexpr int32_t OFFENSIVE_SYSTEMS = 4;
constexpr int32_t DEFENSIVE_SYSTEMS = 2;
constexpr int32_t UNIT_STARTER_SLOTS = 11;

// Percent of a player of the row's position when used at the column's.
extern const int8_t POSITION_FITNESS[DEPTH_CHART_POSITIONS][DEPTH_CHART_POSITIONS];
// Starter positions of the offence by system, of the defence by system, and
// of the special teams.
extern const int8_t OFFENSE_STARTER_POSITIONS[OFFENSIVE_SYSTEMS][UNIT_STARTER_SLOTS];
extern const int8_t DEFENSE_STARTER_POSITIONS[DEFENSIVE_SYSTEMS][UNIT_STARTER_SLOTS];
extern const int8_t SPECIAL_TEAMS_STARTER_POSITIONS[2];
