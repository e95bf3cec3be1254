#pragma once
// The 20 statistics of a player's season taken whole: copied, added, tested,
// counted up, and the ranks and rates built on them.
#include <cstdint>

// Season `to` := season `from` of one player (Get_Player_Stat to Set_Player_Stat).
void Copy_Player_Season_Stats(int32_t team, int32_t slot, int32_t to, int32_t from);
// Season `to` += season `from` of one player.
void Add_Player_Season_Stats(int32_t team, int32_t slot, int32_t to, int32_t from);
// Season `to` += season `from` for every player of the league.
void Add_All_Player_Season_Stats(int32_t to, int32_t from);
// 1 when any of the season's 20 statistics is not 0.
int32_t Has_Player_Season_Stats(int32_t team, int32_t slot, int32_t season);
// Adds 1 to one statistic.
void Increment_Player_Season_Stat(int32_t team, int32_t slot, int32_t season, int32_t stat);

// 1 + the number of the league's players whose Get_Player_Stat for the same
// season and code is greater; equal values share the better rank.
int32_t Get_Player_Stat_Rank(int32_t team, int32_t slot, int32_t season, int32_t code);
// Games played per 17 games in per mille: last season's games early in the
// season (progress below 120), this season's afterwards.
int32_t Get_Player_Games_Per_17(int32_t team, int32_t slot);
