#pragma once
// What players are worth in trades: the value of one player, its change with
// age, his value to his own team net of salary, and the whole roster's worth
// that the franchise value counts.
#include <cstdint>

// Trade value of one player, at least 0; 0 for a potential below 65.
int32_t Get_Player_Trade_Value(int32_t team, int32_t slot);
// The amount scaled by the player's age: 150 % at 20 or younger, falling to
// 10 % at 44.
int32_t Apply_Trade_Age_Factor(int32_t team, int32_t slot, int32_t amount);
// Value of the player to his own team net of his salary; `base` 0 means his
// trade value.
int32_t Get_Player_Net_Trade_Value(int32_t team, int32_t slot, int32_t base);
// Value of (team, slot)'s player to the receiving team, net of what his salary
// would cost it; `weight` scales that cost in per mille.
int32_t Get_Player_Trade_Value_For_Team(int32_t receiving_team, int32_t team, int32_t slot, int32_t weight);
// 2000 x the sum of the net trade values of the team's players.
int64_t Get_Roster_Trade_Value(int32_t team);
