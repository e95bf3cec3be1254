// Trade offer items.
#include "frontoffice/trade_items.h"

#include "database/league_structure.h"
#include "database/roster_slots.h"
#include "database/universe.h"

int32_t Count_Team_Owned_Draft_Picks_In_Year(int32_t team, int32_t year) {
    if (year < 0 || year >= DRAFT_YEARS) return 0;
    const int32_t active = Count_Active_Teams();
    int32_t picks = 0;
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

int32_t Count_Team_Owned_Draft_Picks(int32_t team) {
    int32_t picks = 0;
    for (int32_t year = 0; year < DRAFT_YEARS; ++year)
        picks += Count_Team_Owned_Draft_Picks_In_Year(team, year);
    return picks;
}

int32_t Find_Pick_Code_By_First_Owner(int32_t team, int32_t first_owner, int32_t n) {
    if (n < 0) return -1;
    const int32_t players = Get_First_Empty_Player_Slot(team);
    int32_t year = 0, round = 0, issuer = 0;
    for (int32_t k = 0; Find_Team_Draft_Pick(team, k, &year, &round, &issuer); ++k) {
        if (issuer != first_owner || n-- > 0) continue;
        const int32_t code = players + k;
        return Is_Trade_Item_Present(code) ? code : -1;
    }
    return -1;
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
