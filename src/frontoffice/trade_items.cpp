// Trade offer items.
#include "frontoffice/trade_items.h"

#include "database/league_structure.h"
#include "database/universe.h"

int32_t Count_Team_Owned_Draft_Picks(int32_t team) {
    const int32_t active = Count_Active_Teams();
    int32_t picks = 0;
    for (int32_t year = 0; year < DRAFT_YEARS; ++year)
        for (int32_t round = 0; round < DRAFT_ROUNDS; ++round)
            for (int32_t place = 0; place < active; ++place) {
                const int32_t issuer = Get_Draft_Order_Team(place);
                if (issuer < 0 || issuer >= MAX_FRANCHISES) continue;
                if (Get_Draft_Pick_Owner(year, round, issuer) == team &&
                    !Is_Draft_Pick_Spent(year, round, issuer))
                    ++picks;
            }
    return picks;
}

int32_t Can_Add_Trade_Item(const TRADE_OFFER* offer, int32_t side, int32_t item) {
    if (offer == nullptr || side < 0 || side > 1 || !Is_Trade_Item_Present(item)) return 0;
    if (Is_Trade_Item_Present(offer->Items[side][TRADE_ITEMS_PER_SIDE - 1])) return 0;
    for (int32_t present : offer->Items[side])
        if (present == item) return 0;
    return 1;
}

void Add_Trade_Item(TRADE_OFFER* offer, int32_t side, int32_t item) {
    if (!Can_Add_Trade_Item(offer, side, item)) return;
    offer->Items[side][Get_Trade_Item_Count(offer, side)] = static_cast<uint8_t>(item);
}

int32_t Get_Trade_Item_Count(const TRADE_OFFER* offer, int32_t side) {
    if (offer == nullptr || side < 0 || side > 1) return 0;
    for (int32_t n = 0; n < TRADE_ITEMS_PER_SIDE; ++n)
        if (offer->Items[side][n] == EMPTY_TRADE_ITEM) return n;
    return TRADE_ITEMS_PER_SIDE;
}

void Remove_Trade_Item_At(TRADE_OFFER* offer, int32_t side, int32_t place) {
    if (offer == nullptr || side < 0 || side > 1 || place < 0 || place >= TRADE_ITEMS_PER_SIDE) return;
    for (int32_t n = place; n + 1 < TRADE_ITEMS_PER_SIDE; ++n)
        offer->Items[side][n] = offer->Items[side][n + 1];
    offer->Items[side][TRADE_ITEMS_PER_SIDE - 1] = EMPTY_TRADE_ITEM;
}
