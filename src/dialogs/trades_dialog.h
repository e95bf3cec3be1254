#pragma once
// The Trades dialog (111): both rosters with their draft picks, the offer
// built from them (and cash in Owner Mode), its cap lines and its legality
// as it grows, balancing and counter offers, and the offer submitted to the
// other team (forced in Commissioner Mode).
#include <cstdint>

#include "frontoffice/trade_offer.h"
#include "platform/dialogs.h"
#include "platform/handles.h"

constexpr int32_t TRADES_DIALOG = 111;

// Controls.
constexpr int32_t TRADE_USER_CAPTION = 1121;
constexpr int32_t TRADE_USER_ROSTER = 1124;
constexpr int32_t TRADE_USER_SCOUTING = 1084;
constexpr int32_t TRADE_USER_ADD = 1046;
constexpr int32_t TRADE_PARTNER_COMBO = 1123;
constexpr int32_t TRADE_PARTNER_ROSTER = 1125;
constexpr int32_t TRADE_PARTNER_SCOUTING = 1042;
constexpr int32_t TRADE_PARTNER_ADD = 1044;
constexpr int32_t TRADE_USER_OFFER = 1126;
constexpr int32_t TRADE_PARTNER_OFFER = 1032;
constexpr int32_t TRADE_USER_CASH_EDIT = 1127;
constexpr int32_t TRADE_USER_CASH_SPIN = 1209;
constexpr int32_t TRADE_PARTNER_CASH_EDIT = 1022;
constexpr int32_t TRADE_PARTNER_CASH_SPIN = 1138;
constexpr int32_t TRADE_SUBMIT = 1128;
constexpr int32_t TRADE_COUNTER = 1130;
constexpr int32_t TRADE_CLEAR = 1129;
constexpr int32_t TRADE_BALANCE_CASH = 1455;
constexpr int32_t TRADE_BALANCE_PICKS = 1132;
constexpr int32_t TRADE_USER_CAP_LINE = 1368;
constexpr int32_t TRADE_PARTNER_CAP_LINE = 1369;
constexpr int32_t TRADE_STATUS_TEXT = 1381;
constexpr int32_t TRADE_USER_CASH_LINE = 1452;
constexpr int32_t TRADE_PARTNER_CASH_LINE = 1453;
constexpr int32_t TRADE_USER_CASH_LABEL = 1461;
constexpr int32_t TRADE_PARTNER_CASH_LABEL = 1462;
constexpr int32_t TRADE_USER_COUNT = 1466;
constexpr int32_t TRADE_PARTNER_COUNT = 1467;
// The roster lists' column stops in dialog units (name, position, age, cap
// impact, years, rating): the stops 127, 165, 200, 262 and 291 scaled to the
// lists' width, as the column positions of every list are. The headings
// over the lists stand at the same stops.
constexpr int32_t TRADE_ROSTER_TAB_STOPS[] = {112, 145, 176, 231, 256};

extern const DIALOG_TEMPLATE TRADES_DIALOG_TEMPLATE;

// Ends with the command that closed it (1 "&Done", 2 cancel), or 1 when a
// trade made during the college draft lets the draft go on.
intptr_t Trades_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);

// The partner chosen in combo 1123 (the user's side is not listed); 0, with
// the error logged, when the dialog has no combo; NO_TRADE_TEAM when the
// combo lists no team.
int32_t Get_Trade_Team(WINDOW_HANDLE dialog);
// " " and the team's full name in capitals into the control (a blank for a
// team that is no franchise in use): the user's side of the trade screens.
void Set_User_Team_Caption(WINDOW_HANDLE dialog, int32_t control_id, int32_t team);
void Init_Trades_Dialog_Lists(WINDOW_HANDLE dialog);
void Fill_Trade_Team_List(WINDOW_HANDLE dialog);
// Side 0: the user's roster and picks; side 1: the partner's.
void Fill_Trade_Roster_List(WINDOW_HANDLE dialog, int32_t side);
void Fill_Trade_Offer_List(WINDOW_HANDLE dialog, int32_t side);
void Update_Trade_Player_Counts(WINDOW_HANDLE dialog);
void Update_Trade_Buttons(WINDOW_HANDLE dialog);
void Update_Trade_Cap_Lines(WINDOW_HANDLE dialog);
void Update_Trade_Status_Text(WINDOW_HANDLE dialog);
void Update_Trade_Cash_Lines(WINDOW_HANDLE dialog);
void Update_Trade_Cash_Edits(WINDOW_HANDLE dialog);
// The cap lines and the cash lines together.
void Update_Trade_Money_Lines(WINDOW_HANDLE dialog);
// Empties both offer lists (1126 and 1032).
void Reset_Trade_Offer_Lists(WINDOW_HANDLE dialog);
void Show_Owner_Mode_Trade_Controls(WINDOW_HANDLE dialog);
// The roster list of a side selects the item chosen in its offer list.
void Sync_Trade_List_Selection(WINDOW_HANDLE dialog, int32_t side);
void Add_Current_Trade_Item(WINDOW_HANDLE dialog, int32_t side, int32_t item);
void Remove_Trade_Item(WINDOW_HANDLE dialog, int32_t side, int32_t position);
// The item code of the selected roster row of a side, -1 for none.
int32_t Get_Selected_Trade_Item(WINDOW_HANDLE dialog, int32_t side);
// Carries the offer out and resets the dialog for the next one. A trade the
// rules refuse is told with its reason and changes nothing (the offer and
// Trade_Made_Flag stay). Returns whether the trade happened.
int32_t Carry_Out_User_Trade(TRADE_OFFER* offer, WINDOW_HANDLE dialog);
// The partner adds players until it takes the deal; "Nope" when no further
// player can be added first, what it added staying in the offer.
void Get_Counter_Offer(WINDOW_HANDLE dialog);
// Both teams' needs, then Current_Trade_Offer balanced with cash (the
// partner pays) or with the partner's picks; "Nope" when it is not changed.
// Returns whether it was.
int32_t Balance_Current_Trade(int32_t with_cash);
