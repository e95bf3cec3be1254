#pragma once
// Trade offers and needs tables written out for tests.
#include <cstdint>
#include <vector>

#include "frontoffice/team_needs.h"
#include "frontoffice/trade_offer.h"

// Team A gives the items of side_a, team B those of side_b, team A pays cash.
TRADE_OFFER Make_Trade_Offer(int32_t team_a, int32_t team_b, const std::vector<int32_t>& side_a = {},
                             const std::vector<int32_t>& side_b = {}, int32_t cash = 0);
// The team's needs as Build_Team_Strength_Table gives them.
TEAM_STRENGTH_TABLE Build_Needs(int32_t team);
// A table with one need everywhere.
TEAM_STRENGTH_TABLE Uniform_Needs(int32_t need);
