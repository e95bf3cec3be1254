#pragma once
// The fantasy draft's two dialogs: "Start Fantasy Draft" (165), which chooses
// the order of the first round and of the rounds after it, and "Fantasy
// Draft Order" (169), which lists every pick of the draft.
#include <cstdint>
#include <vector>

#include "platform/dialogs.h"
#include "platform/handles.h"

constexpr int32_t START_FANTASY_DRAFT_DIALOG = 165;
constexpr int32_t FANTASY_DRAFT_ORDER_DIALOG = 169;

// Dialog 165: the first round's orders, the later rounds' orders and the
// announcements.
constexpr int32_t FIRST_ROUND_RANDOM = 1501;
constexpr int32_t FIRST_ROUND_ALPHABETICAL = 1502;
constexpr int32_t FIRST_ROUND_CASH = 1503;
constexpr int32_t FIRST_ROUND_REVENUE = 1504;
constexpr int32_t LATER_ROUNDS_REVERSE = 1505;
constexpr int32_t LATER_ROUNDS_REPEAT = 1506;
constexpr int32_t LATER_ROUNDS_SNAKE = 1507;
constexpr int32_t LATER_ROUNDS_RANDOM = 1508;
constexpr int32_t ANNOUNCE_PICKS_BOX = 1509;

// Dialog 169.
constexpr int32_t DRAFT_ORDER_LIST = 1550;
constexpr int32_t DRAFT_ORDER_TEAM_COMBO = 1551;
constexpr int32_t DRAFT_ORDER_POSITION_COMBO = 1552;
constexpr int32_t DRAFT_ORDER_ROUND_BUTTON = 1553;
constexpr int32_t DRAFT_ORDER_POSITION_BUTTON = 1554;
constexpr int32_t DRAFT_ORDER_PLAYER_BUTTON = 1555;
constexpr int32_t DRAFT_ORDER_SCOUTING_BUTTON = 1556;

extern const DIALOG_TEMPLATE START_FANTASY_DRAFT_DIALOG_TEMPLATE;
extern const DIALOG_TEMPLATE FANTASY_DRAFT_ORDER_DIALOG_TEMPLATE;

// OK starts the draft with the orders chosen (and closes first); Cancel
// closes.
intptr_t Start_Fantasy_Draft_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam,
                                         intptr_t lparam);
intptr_t Fantasy_Draft_Order_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam,
                                         intptr_t lparam);

// How dialog 169 orders its rows: the draft order, the position of the
// player taken, or his name (picks to come last, in draft order).
enum FANTASY_ORDER_SORT : int32_t {
    FANTASY_SORT_BY_DRAFT_ORDER,
    FANTASY_SORT_BY_POSITION,
    FANTASY_SORT_BY_NAME,
};
struct FANTASY_ORDER_ROW {
    int32_t Round;
    int32_t Pick;
};
// The rows of the first 65 rounds the filters show (settings 86 and 87, kept
// within their ranges first), in the order asked for.
std::vector<FANTASY_ORDER_ROW> Get_Fantasy_Draft_Order_Rows(int32_t sort);
// Keeps the team filter (setting 86) within the teams and "all teams", and
// the position filter (setting 87) within the positions and "all".
void Clamp_Fantasy_Draft_Filters();
// Fills the list of dialog 169 in its current order, keeping its top row.
void Refill_Fantasy_Draft_Order_List(WINDOW_HANDLE dialog);
