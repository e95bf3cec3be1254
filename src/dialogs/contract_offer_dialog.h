#pragma once
// The Contract Offer dialog (132): the years and, in Owner Mode, the bonus
// offered to one player, with his terms and the team's cap room and cash
// drawn over the negotiation picture. Open_Contract_Offer opens it.
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/handles.h"

constexpr int32_t CONTRACT_SCOUTING_BUTTON = 1045;
constexpr int32_t FEWER_YEARS_BUTTON = 1136;
constexpr int32_t MORE_YEARS_BUTTON = 1209;
constexpr int32_t DECLINE_BUTTON = 1208;
constexpr int32_t ACCEPT_BUTTON = 1135;
constexpr int32_t SMALLER_BONUS_BUTTON = 1137;
constexpr int32_t BIGGER_BONUS_BUTTON = 1210;
constexpr int32_t SKIP_BUTTON = 1211;
constexpr int32_t CONTRACT_LEFT_PANEL = 1362;
constexpr int32_t CONTRACT_RIGHT_PANEL = 1361;
constexpr int32_t CONTRACT_NAME_TEXT = 1254;
constexpr int32_t CONTRACT_CAP_TEXT = 1256;
constexpr int32_t CONTRACT_CASH_TEXT = 1086;
constexpr int32_t CONTRACT_RATINGS_TEXT = 1359;
constexpr int32_t CONTRACT_TERMS_TEXT = 1360;

extern const DIALOG_TEMPLATE CONTRACT_OFFER_DIALOG_TEMPLATE;

// Ends with CONTRACT_ACCEPTED, CONTRACT_DECLINED, CONTRACT_TO_TRADING_BLOCK or
// CONTRACT_PLAYER_LEFT.
intptr_t Contract_Offer_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);
// Sets the buttons for the player's terms now; 1 when the user can pay the
// minimum bonus (or Commissioner Mode is on), else 0.
int32_t Update_Contract_Offer_Controls(WINDOW_HANDLE dialog);
