#pragma once
// The texts of the standings table: a division place's cells, a team's stat
// columns and the league-average row. Buffers take at least 32 bytes.
#include <cstdint>

// Team stat ids of the columns the standings report uses: points scored and
// allowed a game, turnover margin and yards a play.
constexpr int32_t TEAM_STAT_TEXT_POINTS_SCORED = 7;
constexpr int32_t TEAM_STAT_TEXT_POINTS_ALLOWED = 8;
constexpr int32_t TEAM_STAT_TEXT_TURNOVER_MARGIN = 17;
constexpr int32_t TEAM_STAT_TEXT_YARDS_PER_PLAY = 24;
// Ids 0-47 name a column's stat; 48 marks a column blank while it is chosen.
constexpr int32_t STANDINGS_STAT_IDS = 48;
constexpr int32_t STANDINGS_CHOOSING_MARKER = 48;
// Settings 100-104 hold the five chosen columns.
constexpr int32_t STANDINGS_COLUMN_SETTING = 100;

// The text of team stat `id` for the team; an id outside 0-47 leaves the text empty.
void Get_Team_Stat_Text(int32_t team, int32_t id, char* text);
// The league-average text of stat `id`; empty for ids above 38.
void Get_League_Stat_Text(int32_t id, char* text);
// Cell `column` of place `place` of the division: 0 the team's location (its
// first letter raised for a human-run team), 1-3 wins, losses and ties, 4 the
// winning percentage (".667", "1.000"), 5-9 the chosen stat columns (settings
// 100-104). 0 with an empty text when no active team holds the place.
int32_t Get_Standings_Cell_Text(int32_t division, int32_t place, int32_t column, char* text);
// The same cell of the team's line.
int32_t Get_Standings_Team_Cell_Text(int32_t team, int32_t column, char* text);
// The team on line `line` of the division's standings (NO_TEAM past the
// last): its places in order up to the first without an active team, but
// while the standings show last season's records (the college draft runs) a
// team that did not play that season, a franchise that joined since, has no
// line. Count_Standings_Lines gives their number.
int32_t Get_Standings_Line_Team(int32_t division, int32_t line);
int32_t Count_Standings_Lines(int32_t division);
// The team's blocking value from the run (rating 16) or pass (rating 15)
// blocking of roster slots 6-10, 500-2,000.
int32_t Get_Team_Blocking_Value(int32_t team, int32_t rating);
// The team's record against the point spread over the weeks played.
void Format_Team_Record_Against_Spread(int32_t team, char* text);
