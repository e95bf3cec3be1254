#pragma once
// Carrying out a trade: players change rosters, picks change owners, cash
// changes hands, and both rosters are put back in order.
#include <cstdint>

#include "frontoffice/trade_offer.h"

// Carries the offer out. Returns 1 when the trade happened; 0 when it was
// refused (illegal, or a destination has no free slot for an arriving
// player), in which case nothing has changed.
int32_t Implement_Trade(const TRADE_OFFER* offer);
// Hands every pick item of both sides to the other team (the player counts of
// team A and team B as they stood before the trade tell picks from players).
void Transfer_Traded_Draft_Picks(const TRADE_OFFER* offer, const int32_t players[2]);
