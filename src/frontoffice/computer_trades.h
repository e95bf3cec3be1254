#pragma once
// Trades the computer general managers make with each other, and the offer
// builders the trade screens share: weighted random choice of players, adding
// players or picks to one side, the quality of a side, and balancing an offer
// with picks or cash.
#include <cstdint>

#include "frontoffice/team_needs.h"
#include "frontoffice/trade_offer.h"

// Scores of an offer the builders cannot use.
constexpr int32_t INVALID_OFFER_SCORE = -2147483647;
constexpr int32_t ILLEGAL_OFFER_SCORE = -1073741823;
// Both computer teams must score a trade above this.
constexpr int32_t COMPUTER_TRADE_SCORE = 1200;

// Candidate weights, one per roster slot; 0 = never offered.
struct TRADE_CANDIDATE_WEIGHTS {
    int32_t Weight[100];
};

// Draws two computer-run teams and carries out a trade between them when both
// score it above 1200. Returns 1 when a trade was made.
int32_t Try_Computer_Trade();
// Grows an offer (both teams set, no items) one player at a time.
void Build_Computer_Trade_Offer(TRADE_OFFER* offer, const TEAM_STRENGTH_TABLE& table_a,
                                const TEAM_STRENGTH_TABLE& table_b);
// rnd(sA x sB / 1000) of the two teams' scores; `lower_b` is set to 1 when team
// B's score is below team A's, else 0.
int32_t Score_Trade_Product(TRADE_OFFER* offer, int32_t* lower_b, const TEAM_STRENGTH_TABLE& table_a,
                            const TEAM_STRENGTH_TABLE& table_b);
// -|sA - sB|, with the same flag.
int32_t Score_Trade_Balance(TRADE_OFFER* offer, int32_t* lower_b, const TEAM_STRENGTH_TABLE& table_a,
                            const TEAM_STRENGTH_TABLE& table_b);
// Equivalent overall rating of the players a side gives.
int32_t Get_Offer_Side_Quality(const TRADE_OFFER* offer, int32_t side);
// How much team T would want each of team P's players (P's own needs and a
// yardstick rating of what comes back weigh against).
void Build_Trade_Candidate_Weights(int32_t team_p, int32_t team_t, const TEAM_STRENGTH_TABLE& table_p,
                                   const TEAM_STRENGTH_TABLE& table_t, int32_t yardstick,
                                   TRADE_CANDIDATE_WEIGHTS* weights);
// A slot drawn with probability in proportion to its weight; -1 when all are 0.
int32_t Pick_Weighted_Random_Slot(const TRADE_CANDIDATE_WEIGHTS& weights);
// Adds a drawn player of the team of side 1 - flag to that side; 1 on success.
int32_t Add_Random_Player_To_Offer(TRADE_OFFER* offer, int32_t flag, TRADE_CANDIDATE_WEIGHTS* weights);
// Adds one of team B's tradeable picks to side 1; 1 on success.
int32_t Add_Random_Draft_Pick_To_Offer(TRADE_OFFER* offer);
// Current_Trade_Offer: team B adds up to two picks and stays just above even;
// 1 when the offer changed.
int32_t Balance_Offer_With_Draft_Picks(const TEAM_STRENGTH_TABLE& table_b);
// Current_Trade_Offer: team B pays the cash that keeps it just above even; 1
// when the offer changed.
int32_t Balance_Offer_With_Cash(const TEAM_STRENGTH_TABLE& table_b);
