#pragma once
// What a player is worth in a trade, to his own league and to a receiving team.
#include <cstdint>

// Trade value of a player, 0 for a player of low potential.
int32_t Get_Player_Trade_Value(int32_t team, int32_t slot);
// An amount scaled by the player's age: 150 % at 20 or younger down to 10 % at 44.
int32_t Apply_Trade_Age_Factor(int32_t team, int32_t slot, int32_t amount);
// Value of (team, slot)'s player to the receiving team, net of what his
// salary would cost it; `weight` scales that cost in per mille.
int32_t Get_Player_Trade_Value_For_Team(int32_t receiving_team, int32_t team, int32_t slot, int32_t weight);
