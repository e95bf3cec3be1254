#pragma once
// The trade screens' work apart from drawing: the partner list's index, the
// debt rule, pick years and labels, cap lines, the counter offer and carrying
// out a user's trade.
#include <cstdint>

#include "frontoffice/team_needs.h"
#include "frontoffice/trade_offer.h"

// The team whose side the user builds: in Commissioner Mode the viewed team
// (when it is a franchise in use), else the user's team. NO_TRADE_TEAM when
// that is no franchise in use.
int32_t Get_Trade_User_Team();
// A partner list index clamped to the active teams and moved past the user's
// side (Get_Trade_User_Team).
int32_t Get_Trade_Team_Index(int32_t index);
// 1 when the user's team (team A) is in debt and would receive more salary
// than it sends.
int32_t Trade_Increases_Payroll_In_Debt(const TRADE_OFFER* offer);
// Calendar year of the draft a pick of draft year index 0-2 belongs to.
int32_t Get_Draft_Pick_Year(int32_t year_index);
// "2024 - 1st Round (ABC)" for a pick item of a team; a pick the team no
// longer owns reads as one of seven joke items.
void Get_Draft_Pick_Label(int32_t team, int32_t item, char* buffer);
// The team's payroll against the cap (or its budget without one).
void Get_Trade_Cap_Line(int32_t team, char* buffer);
// Current_Trade_Offer: team B adds its players, drawn by how much the user
// would want them, until it scores the offer at 1000 or more. Returns 1 then;
// 0 when no further player can be added first, the players added so far
// staying in the offer.
int32_t Build_Counter_Offer(const TEAM_STRENGTH_TABLE& user_table, const TEAM_STRENGTH_TABLE& partner_table);
// Copies the offer into Current_Trade_Offer, the offer the trade screens
// hand each other.
void Set_Current_Trade_Offer(const TRADE_OFFER* offer);
// Implement_Trade, then the offer's items and cash cleared, its carried-out
// word and Trade_Made_Flag set. Returns whether the trade happened; a refused
// trade leaves the offer, the word and the flag as they were.
int32_t Carry_Out_Trade_Offer(TRADE_OFFER* offer);
// The reason a trade was refused: the legality reason, or a plain line when
// the rules allow it but it still could not be carried out.
void Get_Refused_Trade_Reason(const TRADE_OFFER* offer, char* reason);

// The most a team can put into a trade: its cash floored to the step, at most
// 100,000,000 and at least 0.
int32_t Get_Trade_Cash_Limit(int32_t team);
// One spin step of the amount an edit holds, then held to what the paying
// team can put in (an amount typed past that limit steps down to the limit).
int32_t Step_Trade_Cash(int64_t amount, int32_t up, int32_t paying_team);
// Reads the text of a cash edit ("$", "," and blanks are ignored; an empty
// text is 0). False, with `amount` untouched, when the text is no whole
// number of dollars or lies past any amount a team can hold.
bool Read_Trade_Cash_Text(const char* text, int64_t* amount);
// A typed amount held to what the paying team can put in.
int32_t Hold_Trade_Cash(int64_t amount, int32_t paying_team);
// The cash of an offer typed by the user: taken as it stands, so a team may
// pay more than it holds and end in debt, but never more than separates the
// debt floor from the cash ceiling (1,100,000,000 either way), which keeps
// the offer's figure whole.
int32_t Hold_Typed_Offer_Cash(int64_t amount);

// Size of the row texts below.
constexpr int32_t TRADE_ROW_TEXT_SIZE = 256;
// A player's row of the trade screens' roster lists, six tab-separated
// columns padded on the left: name (in parentheses when his contract expires
// after the final), position, age, cap impact (at least the league minimum for
// a player within his position's quota), contract years and rating
// ("overall/peak" while he has room to grow).
void Format_Trade_Roster_Row(int32_t team, int32_t slot, char* buffer);
// The row of the team's n-th draft pick that can still be traded, below its
// players: "  3rd Round Pick\t (2024)\t(Nickname)" of the team the pick first
// belonged to. 0 (an empty row) when the team has no such pick.
int32_t Format_Trade_Pick_Row(int32_t team, int32_t n, char* buffer);
// An item of an offer list: a player as "Full Name [status] (POS)", a pick
// by its label.
void Format_Trade_Offer_Item(int32_t team, int32_t item, char* buffer);
