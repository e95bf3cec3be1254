#pragma once
// How a computer general manager scores a trade: what his team receives
// (players weighed by its needs, picks, cash) against what it gives. About
// 1000 is even for that team; more is good for it.
#include <cstdint>

#include "frontoffice/team_needs.h"
#include "frontoffice/trade_offer.h"

// The score of an offer in which the user gives nothing at all.
constexpr int32_t TRADE_REFUSED_SCORE = -2147483647;

// What team B's players on side 1 are worth to B.
int32_t Get_Offer_Players_Loss(const TRADE_OFFER* offer, const TEAM_STRENGTH_TABLE& table);
// What team A's players on side 0 are worth to B.
int32_t Get_Offer_Players_Gain(const TRADE_OFFER* offer, const TEAM_STRENGTH_TABLE& table);
// Cash as the difficulty level makes the computer see it.
int32_t Adjust_Cash_For_Difficulty(int32_t amount, int32_t level);
// Team B's score of the offer with B's needs table.
int32_t Score_Trade_Side(const TRADE_OFFER* offer, const TEAM_STRENGTH_TABLE& table);
// Score_Trade_Side with Commissioner Mode on for the call.
int32_t Score_Trade_Offer(const TRADE_OFFER* offer, const TEAM_STRENGTH_TABLE& table);
// Team A's score: the sides swapped, scored with A's table, swapped back.
int32_t Score_Trade_Offer_For_Team_A(TRADE_OFFER* offer, const TEAM_STRENGTH_TABLE& table);
