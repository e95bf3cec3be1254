#pragma once
// The one record every trade is described by: two teams, up to fifteen items
// each team gives (roster slots or future draft picks) and the cash that
// passes between them; its small operations and the starter lookups the
// valuation and the roster logic share.
#include <cstddef>
#include <cstdint>

constexpr int32_t TRADE_ITEMS_PER_SIDE = 15;
constexpr int32_t EMPTY_TRADE_ITEM = 255;
constexpr int32_t NO_TRADE_TEAM = 128;

#pragma pack(push, 1)
struct TRADE_OFFER {
    // Team A (in the trade screens the user's team) and team B (whose answer is scored).
    uint8_t Team[2];
    // What team A gives (side 0) and what team B gives (side 1). A code below
    // the giving team's player count is a roster slot; from the player count
    // up it is that team's (code - count)-th future draft pick; 255 is empty.
    uint8_t Items[2][TRADE_ITEMS_PER_SIDE];
    // Dollars paid by team A to team B; negative when team B pays.
    int32_t Cash;
    // Zero in every offer; the trade screens mark a carried-out offer with 1.
    int32_t Reserved;
};
#pragma pack(pop)
static_assert(sizeof(TRADE_OFFER) == 40);
static_assert(offsetof(TRADE_OFFER, Items) == 2);
static_assert(offsetof(TRADE_OFFER, Cash) == 32);
static_assert(offsetof(TRADE_OFFER, Reserved) == 36);

// The offer the trade screens build and answer.
extern TRADE_OFFER Current_Trade_Offer;

void Init_Trade_Offer(TRADE_OFFER* offer);
void Clear_Trade_Offer_Items(TRADE_OFFER* offer);
void Clear_Trade_Offer_Side(TRADE_OFFER* offer, int32_t side);
// Exchanges the teams and the items of the two sides and negates the cash.
void Swap_Trade_Offer_Sides(TRADE_OFFER* offer);

// The team byte of a side as a team code (NO_TRADE_TEAM when none).
inline int32_t Get_Trade_Side_Team(const TRADE_OFFER& offer, int32_t side) {
    return offer.Team[side];
}
// True for an item code that names something (codes compare as signed bytes,
// so 128 and above are empty).
inline bool Is_Trade_Item_Present(int32_t item) {
    return item >= 0 && item < 128;
}
// True when `item` of the side names one of the giving team's players (it is
// below the team's player count).
bool Is_Trade_Player_Item(const TRADE_OFFER& offer, int32_t side, int32_t item);

// What an offer's items stand for, kept apart from the roster slots and pick
// codes that name them: the player's id, or the index of the team's pick.
// A dialog that lets the roster change under an open offer keeps them and
// puts the offer back by them.
struct TRADE_OFFER_KEYS {
    int32_t Player_Id[2][TRADE_ITEMS_PER_SIDE];
    int32_t Pick[2][TRADE_ITEMS_PER_SIDE];
};
TRADE_OFFER_KEYS Get_Trade_Offer_Keys(const TRADE_OFFER& offer);
// Names each kept item again by its player's slot on the same team now (a
// player who has left it drops out of the offer) or its pick by the team's
// player count now; later items move up over those dropped.
void Restore_Trade_Offer_Keys(TRADE_OFFER* offer, const TRADE_OFFER_KEYS& keys);

// Starters the depth chart fields at a position 0-14 (0 for other codes).
int32_t Get_Position_Starter_Count(int32_t position);
// Slot of the team's last starter at a position (the s-th player of the
// position in slot order, s its starters), -1 when it has fewer players.
int32_t Get_Last_Starter_At_Position(int32_t team, int32_t position);
// Slot of the first player behind the starters at a position, -1 when none.
int32_t Get_First_Backup_At_Position(int32_t team, int32_t position);
// 1 when a salary cap exists and the two payrolls together reach twice it.
int32_t Trade_Teams_Exceed_Double_Cap(int32_t team1, int32_t team2);

// Sets Commissioner Mode for the length of a computer scoring of a trade and
// returns the value to restore.
int32_t Begin_Trade_Scoring();
// Restores Commissioner Mode (clamped to 0..1).
void End_Trade_Scoring(int32_t saved);
