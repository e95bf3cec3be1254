#pragma once
// What a team needs at each position against the league's norms: how badly it
// needs a starter, depth and young talent, each as per mille of the league
// average, squeezed into 400..2000 (1000 = as needy as the average team).
#include <cstdint>

constexpr int32_t NEED_ROLES = 3;
constexpr int32_t NEED_POSITIONS = 15;
// Rows: the role a player would have on the team.
constexpr int32_t ROLE_STARTER = 0;
constexpr int32_t ROLE_VETERAN_BACKUP = 1;
constexpr int32_t ROLE_YOUNG_BACKUP = 2;
// The preferences that keep the league norms, by row (0 = not computed yet).
constexpr int32_t STARTER_NEED_NORM_PREFERENCE = 125;
constexpr int32_t DEPTH_NEED_NORM_PREFERENCE = 140;
constexpr int32_t YOUTH_NEED_NORM_PREFERENCE = 155;

struct TEAM_STRENGTH_TABLE {
    int32_t Need[NEED_ROLES][NEED_POSITIONS];
};

void Build_Team_Strength_Table(int32_t team, TEAM_STRENGTH_TABLE* table);
// The raw measures of a team at a position.
int32_t Get_Position_Need_Metric(int32_t team, int32_t position);
int32_t Get_Position_Depth_Metric(int32_t team, int32_t position);
int32_t Get_Position_Strength_Metric(int32_t team, int32_t position);
// League means of the measures over the active teams, stored as the norms.
int32_t Compute_League_Position_Need_Norm(int32_t position);
int32_t Compute_League_Position_Depth_Norm(int32_t position);
int32_t Compute_League_Position_Strength_Norm(int32_t position);
