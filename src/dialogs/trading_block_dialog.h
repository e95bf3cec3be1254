#pragma once
// The Trading Block (173): players and picks of the user's team put on the
// block (with cash in Owner Mode), what the user wants for them, and the
// best offer of every other franchise, listed best for the user first. An
// offer opens in the Trades dialog.
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/handles.h"

constexpr int32_t TRADING_BLOCK_DIALOG = 173;

// Controls.
constexpr int32_t BLOCK_USER_CAPTION = 1121;
constexpr int32_t BLOCK_PLAYER_LIST = 1424;
constexpr int32_t BLOCK_SCOUTING = 1045;
constexpr int32_t BLOCK_ADD = 1370;
constexpr int32_t BLOCK_LIST = 1126;
constexpr int32_t BLOCK_CASH_EDIT = 1127;
constexpr int32_t BLOCK_CASH_SPIN = 1209;
constexpr int32_t BLOCK_CASH_LABEL = 1373;
constexpr int32_t BLOCK_REQUEST_COMBO = 1375;
constexpr int32_t BLOCK_GET_OFFERS = 1372;
constexpr int32_t BLOCK_OFFERS_LIST = 1371;
constexpr int32_t BLOCK_PROGRESS = 1083;
constexpr int32_t BLOCK_PROGRESS_TEXT = 1376;
constexpr int32_t BLOCK_SEASON_COMBO = 1223;

extern const DIALOG_TEMPLATE TRADING_BLOCK_DIALOG_TEMPLATE;

// "&Done" and cancel end it with 1 and 2.
intptr_t Trading_Block_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);
// The search with its progress bar, the dialog disabled meanwhile: 0 when no
// legal offer remains, -1 when the block itself is refused (the reason told),
// else the number of offers.
int32_t Get_Trading_Block_Offers(WINDOW_HANDLE dialog);
// The row id of list 1424 for a player (team x 100 + slot) and for the
// user's k-th pick (active teams x 100 + 1 + k); the item code of a row id
// (-1 for an id that names nothing of the team).
int32_t Get_Block_Player_Row_Id(int32_t team, int32_t slot);
int32_t Get_Block_Pick_Row_Id(int32_t k);
int32_t Get_Block_Row_Item(int32_t team, intptr_t row_id);
// The cash spin 1209 with its range 0..1, shown only in Owner Mode.
void Show_Block_Cash_Spin(WINDOW_HANDLE dialog);
// The user's team in the caption and as team A, the partner (Trade_Partner_
// Team, or team 1 or 0 when that is none or the user's own) as team B, the
// cash edit at "0" and, with its label, shown only in Owner Mode.
void Set_Block_Teams_And_Cash_Controls(WINDOW_HANDLE dialog);
// "&Add To List" while the chosen row's item can go on the block,
// "&Scouting" while it is a player.
void Update_Trading_Block_Buttons(WINDOW_HANDLE dialog);
// Set_Block_Teams_And_Cash_Controls, then Update_Trading_Block_Buttons.
void Update_Block_Teams_And_Buttons(WINDOW_HANDLE dialog);
