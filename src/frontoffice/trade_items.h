#pragma once
// The items of a trade offer as the trade screens handle them: adding and
// removing players and picks, the picks a team can trade, and their labels.
#include <cstdint>

#include "frontoffice/trade_offer.h"

// Future draft picks the team owns and can still trade (those of the running
// college draft already made excluded).
int32_t Count_Team_Owned_Draft_Picks(int32_t team);
// The same count for one draft (year index 0-2).
int32_t Count_Team_Owned_Draft_Picks_In_Year(int32_t team, int32_t year);
// The item code of the n-th (from 0) of the team's tradeable picks that first
// belonged to `first_owner`, in the order of its picks; -1 when none.
int32_t Find_Pick_Code_By_First_Owner(int32_t team, int32_t first_owner, int32_t n);
// 1 when the item names something, is not on that side yet and the side has room.
int32_t Can_Add_Trade_Item(const TRADE_OFFER* offer, int32_t side, int32_t item);
// Puts the item in the side's first empty place.
void Add_Trade_Item(TRADE_OFFER* offer, int32_t side, int32_t item);
// Filled places of a side before the first empty one.
int32_t Get_Trade_Item_Count(const TRADE_OFFER* offer, int32_t side);
// Removes the item at a place; later items move up and the last place empties.
void Remove_Trade_Item_At(TRADE_OFFER* offer, int32_t side, int32_t place);
