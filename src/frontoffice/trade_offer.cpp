// Trade offers and the starter lookups of the trade logic.
#include "frontoffice/trade_offer.h"

#include <cstring>
#include <utility>

#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "frontoffice/finance_stats.h"

TRADE_OFFER Current_Trade_Offer;

namespace {
constexpr int32_t STARTERS[NUMBER_OF_POSITIONS] = {1, 1, 1, 1, 2, 2, 2, 1, 2, 2, 3, 2, 2, 1, 1};
} // namespace

void Init_Trade_Offer(TRADE_OFFER* offer) {
    if (offer == nullptr) return;
    std::memset(offer, 0, sizeof *offer);
    offer->Team[0] = offer->Team[1] = NO_TRADE_TEAM;
    Clear_Trade_Offer_Items(offer);
}

void Clear_Trade_Offer_Items(TRADE_OFFER* offer) {
    if (offer == nullptr) return;
    Clear_Trade_Offer_Side(offer, 0);
    Clear_Trade_Offer_Side(offer, 1);
    offer->Cash = 0;
}

void Clear_Trade_Offer_Side(TRADE_OFFER* offer, int32_t side) {
    if (offer == nullptr || side < 0 || side > 1) return;
    std::memset(offer->Items[side], EMPTY_TRADE_ITEM, TRADE_ITEMS_PER_SIDE);
}

void Swap_Trade_Offer_Sides(TRADE_OFFER* offer) {
    if (offer == nullptr) return;
    std::swap(offer->Team[0], offer->Team[1]);
    for (int32_t n = 0; n < TRADE_ITEMS_PER_SIDE; ++n)
        std::swap(offer->Items[0][n], offer->Items[1][n]);
    // Negated without overflow, so that two swaps always restore the amount.
    offer->Cash = static_cast<int32_t>(0u - static_cast<uint32_t>(offer->Cash));
}

bool Is_Trade_Player_Item(const TRADE_OFFER& offer, int32_t side, int32_t item) {
    if (side < 0 || side > 1 || !Is_Trade_Item_Present(item)) return false;
    return item < Get_First_Empty_Player_Slot(Get_Trade_Side_Team(offer, side));
}

TRADE_OFFER_KEYS Get_Trade_Offer_Keys(const TRADE_OFFER& offer) {
    TRADE_OFFER_KEYS keys{};
    for (int32_t side = 0; side < 2; ++side) {
        const int32_t team = Get_Trade_Side_Team(offer, side);
        for (int32_t place = 0; place < TRADE_ITEMS_PER_SIDE; ++place) {
            const int32_t item = offer.Items[side][place];
            keys.Player_Id[side][place] = -1;
            keys.Pick[side][place] = -1;
            if (!Is_Trade_Item_Present(item)) continue;
            if (Is_Trade_Player_Item(offer, side, item))
                keys.Player_Id[side][place] = Get_Player_ID(team, item);
            else
                keys.Pick[side][place] = item - Get_First_Empty_Player_Slot(team);
        }
    }
    return keys;
}

void Restore_Trade_Offer_Keys(TRADE_OFFER* offer, const TRADE_OFFER_KEYS& keys) {
    if (offer == nullptr) return;
    for (int32_t side = 0; side < 2; ++side) {
        const int32_t team = Get_Trade_Side_Team(*offer, side);
        const int32_t players = Get_First_Empty_Player_Slot(team);
        int32_t filled = 0;
        for (int32_t place = 0; place < TRADE_ITEMS_PER_SIDE; ++place) {
            int32_t item = -1;
            int32_t found_team = -1, found_slot = -1;
            if (keys.Player_Id[side][place] > 0 &&
                Find_Player_By_ID(&found_team, &found_slot, keys.Player_Id[side][place]) &&
                found_team == team)
                item = found_slot;
            else if (keys.Pick[side][place] >= 0 && Is_Trade_Item_Present(players + keys.Pick[side][place]))
                item = players + keys.Pick[side][place];
            if (item >= 0) offer->Items[side][filled++] = static_cast<uint8_t>(item);
        }
        for (; filled < TRADE_ITEMS_PER_SIDE; ++filled)
            offer->Items[side][filled] = EMPTY_TRADE_ITEM;
    }
}

int32_t Get_Position_Starter_Count(int32_t position) {
    return static_cast<uint32_t>(position) < NUMBER_OF_POSITIONS ? STARTERS[position] : 0;
}

int32_t Get_Last_Starter_At_Position(int32_t team, int32_t position) {
    const int32_t starters = Get_Position_Starter_Count(position);
    if (starters == 0 || Count_Team_Position_Players(team, position) < starters) return -1;
    return Get_Team_Position_Player(team, position, starters - 1);
}

int32_t Get_First_Backup_At_Position(int32_t team, int32_t position) {
    const int32_t starters = Get_Position_Starter_Count(position);
    if (starters == 0 || Count_Team_Position_Players(team, position) <= starters) return -1;
    return Get_Team_Position_Player(team, position, starters);
}

int32_t Trade_Teams_Exceed_Double_Cap(int32_t team1, int32_t team2) {
    const int64_t cap = Get_Universe_Stat(SALARY_CAP);
    if (cap == 0) return 0;
    const int64_t payrolls = static_cast<int64_t>(Get_Team_Financial_Stat(team1, FINANCE_PAYROLL)) +
                             Get_Team_Financial_Stat(team2, FINANCE_PAYROLL);
    return payrolls * 1000 >= 2 * cap ? 1 : 0;
}

int32_t Begin_Trade_Scoring() {
    const int32_t saved = Get_User_Preference(COMMISSIONER_MODE);
    Set_User_Preference(COMMISSIONER_MODE, 1);
    return saved;
}

void End_Trade_Scoring(int32_t saved) {
    Set_User_Preference(COMMISSIONER_MODE, saved <= 0 ? 0 : 1);
}
