#pragma once
// The fifty statistics of the finances page: money, franchise history, staff
// and fan grades, and the strength of twelve position units against the league.
#include <cstdint>

constexpr int32_t FINANCE_STATS = 50;
constexpr int32_t FINANCE_UNITS = 12;
// The league-average row's team code.
constexpr int32_t FINANCE_LEAGUE_ROW = 255;

// The text of statistic `stat` (0-49) for a team or the league row (255);
// empty for other statistics. `out` holds at least 32 bytes.
void Get_Finance_Stat_Text(int32_t team, int32_t stat, char* out);
// The unit's rating: 1,000 for a unit exactly at the position norms. Cached
// until Clear_Unit_Rating_Cache.
int32_t Get_Team_Unit_Rating(int32_t team, int32_t unit);
// The unit against the league: 1,100 for a league-average unit.
int32_t Get_Team_Unit_Against_League(int32_t team, int32_t unit);
void Clear_Unit_Rating_Cache();
// The offense and defense grade indices (2-12) of a team.
int32_t Get_Team_Offense_Grade(int32_t team);
int32_t Get_Team_Defense_Grade(int32_t team);
