// Trade execution.
#include "frontoffice/trade_execution.h"

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_record_layout.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/player_value.h"
#include "frontoffice/trade_legality.h"
#include "platform/message_box.h"

namespace {
constexpr int32_t TEAM_STAT_PICKS_TRADED = 8;
constexpr int32_t TRADE_BUFFER_PLAYERS = 2 * TRADE_ITEMS_PER_SIDE;

int32_t Count_Side_Players(const TRADE_OFFER& offer, int32_t side, int32_t players) {
    int32_t count = 0;
    for (int32_t item : offer.Items[side])
        if (Is_Trade_Item_Present(item) && item < players) ++count;
    return count;
}

int32_t Count_Free_Slots(int32_t team) {
    int32_t free = 0;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (!Is_Player_Slot_Used(team, slot)) ++free;
    return free;
}

// True when every arriving player finds a free slot once the departing ones
// have left (a roster with gaps can hold fewer than its count suggests).
bool Destinations_Have_Room(const TRADE_OFFER& offer, const int32_t players[2]) {
    for (int32_t side = 0; side < 2; ++side) {
        const int32_t destination = Get_Trade_Side_Team(offer, 1 - side);
        const int32_t leaving = Count_Side_Players(offer, 1 - side, players[1 - side]);
        const int32_t arriving = Count_Side_Players(offer, side, players[side]);
        if (arriving > Count_Free_Slots(destination) + leaving) return false;
    }
    return true;
}

// A human team's newcomer who is better than its last starter at his
// position takes that starter's slot.
void Promote_Arriving_Starter(int32_t team, int32_t slot) {
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    const int32_t last = Get_Last_Starter_At_Position(team, position);
    if (last < 0 || last == slot) return;
    // One value a statement: either may draw (a rating repair), and the order
    // of an operator's operands is open.
    const int32_t value = Get_Player_Value(team, slot);
    if (value > Get_Player_Value(team, last)) Swap_Players(team, slot, team, last);
}

// The player takes the first free slot of his new team, with a season line
// for it; a human team starts him when he is better than its last starter.
void Place_Traded_Player(int32_t team, const PLAYER_RECORD& player) {
    const int32_t slot = Find_Empty_Player_Slot(team);
    if (slot < 0) {
        Show_Formatted_Message("ERROR", "Unable to fit traded player onto team.");
        return;
    }
    Copy_Player_From_Memory(team, slot, &player);
    if (team == FREE_AGENT_TEAM) return;
    const int32_t line = Add_Player_Season_Line(team, slot, Get_Current_Year(), team);
    if (line != NO_SEASON_LINE) Set_Player_Latest_Season_Line(team, slot, line);
    if (Is_Human_Team(team)) Promote_Arriving_Starter(team, slot);
}

void Pay_Trade_Cash(int32_t team, int32_t cash_before, int64_t change) {
    if (!Is_Team_Record_Slot(team)) return;
    int64_t cash = static_cast<int64_t>(cash_before) + change;
    if (cash < MIN_TEAM_CASH) cash = MIN_TEAM_CASH;
    if (cash > MAX_TEAM_CASH) cash = MAX_TEAM_CASH;
    Set_Team_Financial_Stat(team, FINANCE_CASH, static_cast<int32_t>(cash));
}

void Reorder_Traded_Roster(int32_t team) {
    if (team == Get_User_Team() || Get_User_Preference(COMMISSIONER_MODE) != 0) {
        Sort_Roster_By_Position(team);
        return;
    }
    if (team < MAX_FRANCHISES) Auto_Set_Team_Depth_Chart(team);
}
} // namespace

void Transfer_Traded_Draft_Picks(const TRADE_OFFER* offer, const int32_t players[2]) {
    if (offer == nullptr) return;
    struct PICK {
        int32_t Year, Round, Issuer, New_Owner;
    };
    PICK picks[TRADE_BUFFER_PLAYERS];
    int32_t count = 0;
    // Every pick is resolved before any changes hands: a team's pick numbers
    // shift as soon as it loses one.
    for (int32_t side = 0; side < 2; ++side) {
        const int32_t team = Get_Trade_Side_Team(*offer, side);
        int32_t given = 0;
        for (int32_t item : offer->Items[side]) {
            if (!Is_Trade_Item_Present(item) || item < players[side]) continue;
            PICK& pick = picks[count];
            if (!Find_Team_Draft_Pick(team, item - players[side], &pick.Year, &pick.Round, &pick.Issuer))
                continue;
            pick.New_Owner = Get_Trade_Side_Team(*offer, 1 - side);
            ++count;
            ++given;
        }
        if (given > 0 && Is_Human_Team(team))
            Set_Team_Stat(team, TEAM_STAT_PICKS_TRADED, Get_Team_Stat(team, TEAM_STAT_PICKS_TRADED) + given);
    }
    for (int32_t n = 0; n < count; ++n)
        Set_Draft_Pick_Owner(picks[n].Year, picks[n].Round, picks[n].Issuer, picks[n].New_Owner);
}

int32_t Implement_Trade(const TRADE_OFFER* offer) {
    if (offer == nullptr || !Check_Trade_Legality(offer, nullptr)) {
        Report_System_Error("Invalid TRADE_OFFER passed to Implement_Trade()");
        return 0;
    }
    int32_t cash[2], players[2];
    for (int32_t side = 0; side < 2; ++side) {
        const int32_t team = Get_Trade_Side_Team(*offer, side);
        cash[side] = Get_Team_Financial_Stat(team, FINANCE_CASH);
        players[side] = Get_First_Empty_Player_Slot(team);
    }
    if (!Destinations_Have_Room(*offer, players)) {
        Show_Formatted_Message("ERROR", "Unable to fit traded player onto team.");
        return 0;
    }
    Transfer_Traded_Draft_Picks(offer, players);

    // Every departing player is held first and then cleared from his team,
    // so each arriving player can take the first free slot of his new team:
    // in a trade of one starter for another the newcomer stands where the
    // departed starter stood.
    PLAYER_RECORD held[TRADE_BUFFER_PLAYERS];
    bool is_held[TRADE_BUFFER_PLAYERS] = {};
    for (int32_t side = 0; side < 2; ++side)
        for (int32_t place = 0; place < TRADE_ITEMS_PER_SIDE; ++place) {
            const int32_t item = offer->Items[side][place];
            if (!Is_Trade_Item_Present(item) || item >= players[side]) continue;
            const int32_t n = side * TRADE_ITEMS_PER_SIDE + place;
            Copy_Player_To_Memory(&held[n], Get_Trade_Side_Team(*offer, side), item);
            is_held[n] = true;
        }
    for (int32_t side = 0; side < 2; ++side)
        for (int32_t place = 0; place < TRADE_ITEMS_PER_SIDE; ++place)
            if (is_held[side * TRADE_ITEMS_PER_SIDE + place])
                Clear_Player(Get_Trade_Side_Team(*offer, side), offer->Items[side][place]);
    for (int32_t n = 0; n < TRADE_BUFFER_PLAYERS; ++n)
        if (is_held[n])
            Place_Traded_Player(Get_Trade_Side_Team(*offer, 1 - n / TRADE_ITEMS_PER_SIDE), held[n]);

    const int32_t team_a = Get_Trade_Side_Team(*offer, 0), team_b = Get_Trade_Side_Team(*offer, 1);
    Compact_Team_Roster(team_a);
    Compact_Team_Roster(team_b);
    Pay_Trade_Cash(team_a, cash[0], -static_cast<int64_t>(offer->Cash));
    Pay_Trade_Cash(team_b, cash[1], offer->Cash);
    Reorder_Traded_Roster(team_a);
    Reorder_Traded_Roster(team_b);
    return 1;
}
