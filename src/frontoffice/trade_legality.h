#pragma once
// Whether a trade may happen at all, whatever the teams think of it: the offer
// must name two franchises in use and existing players and picks, and the
// rosters and payrolls after it must stay within the league's rules.
#include <cstdint>

#include "frontoffice/trade_offer.h"

constexpr int32_t MIN_TRADE_ROSTER = 51;
constexpr int32_t MAX_TRADE_ROSTER = 100;

// 1 when the two teams are different franchises in use, every player item names a player
// of the giving team (none twice on a side) and every pick item a pick the
// giving team owns; else 0.
int32_t Is_Trade_Offer_Well_Formed(const TRADE_OFFER* offer);
// The fewest players a trade may leave the team with: 51, less the picks it
// has still to make while the college draft runs.
int32_t Get_Trade_Roster_Minimum(int32_t team);
// 1 when the offer is legal. Otherwise 0 and, when `reason` is given (2,048
// bytes), the refusal text.
int32_t Check_Trade_Legality(const TRADE_OFFER* offer, char* reason);
