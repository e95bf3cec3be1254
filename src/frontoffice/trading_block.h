#pragma once
// The Trading Block's search: the user's block (side 0 of Current_Trade_Offer)
// offered to every other franchise, each answering with its best acceptable
// offer for what the user asks in return.
#include <cstdint>

#include "frontoffice/team_needs.h"
#include "frontoffice/trade_offer.h"

// What the user asks for: positions 0-14, then these.
constexpr int32_t BLOCK_REQUEST_ANY_PLAYERS = 15;
constexpr int32_t BLOCK_REQUEST_PROSPECTS = 16;
constexpr int32_t BLOCK_REQUEST_VETERANS = 17;
constexpr int32_t BLOCK_REQUEST_DRAFT_PICKS = 18;
constexpr int32_t BLOCK_REQUEST_CASH = 19;
// One offer per answering franchise and an empty record that closes the list.
constexpr int32_t TRADING_BLOCK_OFFERS = 37;

extern TRADE_OFFER Trading_Block_Offers[TRADING_BLOCK_OFFERS];

// Keeps only the needs the request is about, raised by a third.
void Shape_Strength_For_Request(TEAM_STRENGTH_TABLE* table, int32_t request);
// Each side's items from the most valuable down.
void Sort_Offer_Items_By_Value(TRADE_OFFER* offer);
// Team B's answer to the block (cash it pays, picks or players it adds); 1
// when it found an offer it accepts and the user scores above 250.
int32_t Build_Team_Offer_For_Block(TRADE_OFFER* offer, const TEAM_STRENGTH_TABLE& user_table,
                                   int32_t request);
// Empties every record identical to one before it.
void Remove_Duplicate_Block_Offers();
// Empties illegal records and sorts the rest by how much the other team likes
// them (for cash, by the payment), least first. Returns the legal records.
int32_t Sort_Trading_Block_Offers(int32_t user_team, int32_t request);
// 0, with the reason, when a request that brings back no players would leave
// the user's roster below its minimum; else 1.
int32_t Check_Block_Roster_Minimum(char* reason, int32_t request);
// Records holding an offer.
int32_t Count_Block_Offers();
// Size of the Trading Block's row texts.
constexpr int32_t BLOCK_ROW_TEXT_SIZE = 512;
// The row of the user's k-th tradeable draft pick in the block's player list:
// "  3rd Round Pick (2024) (Nickname)"; 0 and an empty row when there is none.
int32_t Format_Block_Pick_Row(int32_t team, int32_t k, char* buffer);
// The warning a roster of fewer than 54 players shows; empty otherwise.
void Get_Trading_Block_Roster_Warning(int32_t team, char* buffer);
// A row of the offers list: "ABC offers" then up to three of what team B
// gives (players with status, position and rating, picks by their label; the
// third followed by " ..." when more follow), or the cash it pays when it
// gives nothing else. For a position request answered by one player, his
// statistics summary of the season kind follows.
void Format_Block_Offer_Row(const TRADE_OFFER* offer, int32_t request, int32_t season, char* buffer);
// Called for each franchise asked, with the number of offers so far.
using BLOCK_SEARCH_STEP = void (*)(int32_t team, int32_t offers);
// The whole search for the block in Current_Trade_Offer: -1 when the block is
// refused by the roster rule (the reason written), else the legal offers.
// Once the program is asked to end, no further team is asked.
int32_t Collect_Trading_Block_Offers(int32_t request, char* reason, BLOCK_SEARCH_STEP step);
