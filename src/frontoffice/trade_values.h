#pragma once
// What players, draft picks and cash are worth in trades: the value of one
// player, its change with age, his value to his own team net of salary and to
// another team, the role he would have there, the value of picks, and the
// whole roster's worth that the franchise value counts.
#include <cstdint>

#include "frontoffice/trade_offer.h"

// Trade value of one player, at least 0; 0 for a potential below 65.
int32_t Get_Player_Trade_Value(int32_t team, int32_t slot);
// The amount scaled by the player's age: 150 % at 20 or younger, falling to
// 10 % at 44.
int32_t Apply_Trade_Age_Factor(int32_t team, int32_t slot, int32_t amount);
// Value of the player to his own team net of his salary; `base` 0 means his
// trade value.
int32_t Get_Player_Net_Trade_Value(int32_t team, int32_t slot, int32_t base);
// The role team P's player would have on team T: 0 starter (better than T's
// last starter at his position), 2 young backup (still developing), 1 veteran
// backup.
int32_t Get_Player_Role_For_Team(int32_t team_t, int32_t team_p, int32_t slot);
// Value of one pick: draft year index 0-2, round 0-6, place in the draft order.
int32_t Get_Draft_Pick_Trade_Value(int32_t year, int32_t round, int32_t place);
// Value of the picks one side of the offer gives.
int32_t Get_Offer_Picks_Value(const TRADE_OFFER* offer, int32_t side);
// Value of team P's player to team T, his salary weighed by `weight` per mille
// and by T's cash, payroll and franchise value.
int32_t Get_Player_Trade_Value_For_Team(int32_t team_t, int32_t team_p, int32_t slot, int32_t weight);
// 2000 x the sum of the net trade values of the team's players.
int64_t Get_Roster_Trade_Value(int32_t team);
