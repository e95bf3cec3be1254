#pragma once
// The texts of the standings table: a division place's cells and a team's
// stat columns. Buffers take at least 32 bytes.
#include <cstdint>

// Team stat ids of the columns: points scored and allowed a game, turnover
// margin and yards a play.
constexpr int32_t TEAM_STAT_TEXT_POINTS_SCORED = 7;
constexpr int32_t TEAM_STAT_TEXT_POINTS_ALLOWED = 8;
constexpr int32_t TEAM_STAT_TEXT_TURNOVER_MARGIN = 17;
constexpr int32_t TEAM_STAT_TEXT_YARDS_PER_PLAY = 24;

// The text of team stat `id` for the team. The points a game, the turnover
// margin and the yards a play are given; any other id leaves the text empty.
void Get_Team_Stat_Text(int32_t team, int32_t id, char* text);
// Cell `column` of place `place` of the division: 0 the team's location (its
// first letter raised for a human-run team), 1-3 wins, losses and ties, 4 the
// winning percentage (".667", "1.000"), 5-9 the chosen stat columns (settings
// 100-104). 0 with an empty text when no active team holds the place.
int32_t Get_Standings_Cell_Text(int32_t division, int32_t place, int32_t column, char* text);
