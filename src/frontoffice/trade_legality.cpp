// The legality of a trade offer: form, roster sizes, salary cap.
#include "frontoffice/trade_legality.h"

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "frontoffice/finance_stats.h"
#include "personnel/draft_state.h"

namespace {
// What one side of a legal-form offer moves: players leaving the giver and
// their cap impact ($K).
struct SIDE_COUNT {
    int32_t Players;
    int64_t Cap_Out;
};

SIDE_COUNT Count_Side(const TRADE_OFFER& offer, int32_t side) {
    SIDE_COUNT count{0, 0};
    const int32_t team = Get_Trade_Side_Team(offer, side);
    for (int32_t item : offer.Items[side]) {
        if (!Is_Trade_Player_Item(offer, side, item)) continue;
        ++count.Players;
        count.Cap_Out += Get_Player_Vital_Stat(team, item, VITAL_CAP_CHARGE);
    }
    return count;
}

bool Side_Is_Well_Formed(const TRADE_OFFER& offer, int32_t side) {
    const int32_t team = Get_Trade_Side_Team(offer, side);
    const int32_t players = Get_First_Empty_Player_Slot(team);
    for (int32_t n = 0; n < TRADE_ITEMS_PER_SIDE; ++n) {
        const int32_t item = offer.Items[side][n];
        if (!Is_Trade_Item_Present(item)) continue;
        if (item < players) {
            for (int32_t k = 0; k < n; ++k)
                if (offer.Items[side][k] == item) return false;
            continue;
        }
        int32_t year = 0, round = 0, issuer = 0;
        if (!Find_Team_Draft_Pick(team, item - players, &year, &round, &issuer)) return false;
    }
    return true;
}

void Write_Reason(char* reason, const char* format, const char* name, int32_t number) {
    safe_sprintf(reason, TEXT_BUFFER_SIZE, format, name, number);
}
} // namespace

int32_t Is_Trade_Offer_Well_Formed(const TRADE_OFFER* offer) {
    if (offer == nullptr) return 0;
    for (int32_t side = 0; side < 2; ++side)
        if (!Is_Used_Franchise_Slot(Get_Trade_Side_Team(*offer, side))) return 0;
    // A team trading with itself would list one player on both sides.
    if (offer->Team[0] == offer->Team[1]) return 0;
    return Side_Is_Well_Formed(*offer, 0) && Side_Is_Well_Formed(*offer, 1) ? 1 : 0;
}

int32_t Get_Trade_Roster_Minimum(int32_t team) {
    if (Is_College_Draft_Underway() && Is_Valid_Team_Code(team))
        return MIN_TRADE_ROSTER - Count_Team_Draft_Picks(team);
    return MIN_TRADE_ROSTER;
}

int32_t Check_Trade_Legality(const TRADE_OFFER* offer, char* reason) {
    char own_reason[TEXT_BUFFER_SIZE];
    if (reason == nullptr) reason = own_reason;
    reason[0] = '\0';
    if (!Is_Trade_Offer_Well_Formed(offer)) return 0;
    const SIDE_COUNT counts[2] = {Count_Side(*offer, 0), Count_Side(*offer, 1)};
    char name[FORMATTED_TEXT_SIZE];
    for (int32_t side = 0; side < 2; ++side) {
        const int32_t team = Get_Trade_Side_Team(*offer, side);
        const int32_t change = counts[1 - side].Players - counts[side].Players;
        const int32_t players = Get_First_Empty_Player_Slot(team) + change;
        if (players > MAX_TRADE_ROSTER) {
            Get_Team_Nickname(team, name);
            Write_Reason(reason, "The %s do not have room for %d more players.", name, change);
            return 0;
        }
        const int32_t minimum = Get_Trade_Roster_Minimum(team);
        if (players < minimum && change < 0) {
            Get_Team_Display_Name(team, name);
            Write_Reason(reason, "%s would have less than %d players.", name, minimum);
            return 0;
        }
    }
    const int64_t cap = Get_Universe_Stat(SALARY_CAP) / 1000;
    if (cap <= 0) return 1;
    for (int32_t side = 0; side < 2; ++side) {
        const int32_t team = Get_Trade_Side_Team(*offer, side);
        const int64_t in = counts[1 - side].Cap_Out;
        const int64_t out = counts[side].Cap_Out;
        if (in > out && Get_Team_Financial_Stat(team, FINANCE_PAYROLL) + in - out > cap) {
            Get_Team_Nickname(team, name);
            safe_sprintf(reason, TEXT_BUFFER_SIZE, "%s would exceed league salary cap.", name);
            return 0;
        }
    }
    return 1;
}
