#include "season/contract_renewals.h"

#include <optional>
#include <vector>

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/player_potential.h"
#include "frontoffice/salary_value.h"
#include "personnel/player_development.h"
#include "platform/message_box.h"
#include "season/cap_room_average.h"
#include "season/season_calendar.h"

namespace {
// Franchises in use and the free-agent, Hall of Fame and draft-pool slots.
bool Has_Roster(int32_t team) {
    return Is_Used_Franchise_Slot(team) || (team >= FREE_AGENT_TEAM && team < TOTAL_NUMBER_OF_TEAMS);
}

// Rating at his own position (new ratings first when it is below 25), truncated,
// plus his potential, the sum truncated.
int32_t Get_Player_Roster_Value(int32_t team, int32_t slot) {
    const int32_t rating = static_cast<int32_t>(Ensure_Player_Minimum_Rating(team, slot));
    return static_cast<int32_t>(static_cast<float>(rating) + Get_Player_Potential(team, slot));
}

// The ids of the players from `slot` on, in slot order.
std::vector<int32_t> Get_Ids_From(int32_t team, int32_t slot) {
    std::vector<int32_t> ids;
    for (; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(team, slot)) ids.push_back(Get_Player_ID(team, slot));
    return ids;
}

// Where the pass goes on after the player first in `ids` was stepped at
// `slot`. A talk with the user may have released, signed or traded players
// anywhere on the roster, which closes up behind them, so the players are
// followed by id: after him when he stays, else at the first of those who
// stood after him still on the team. A player who left, or could not, is
// never stepped twice, and nobody who stood after him is skipped.
int32_t Find_Next_Renewal_Slot(int32_t team, int32_t slot, const std::vector<int32_t>& ids) {
    int32_t now_slot = slot;
    if (Find_Player_On_Team(ids[0], team, &now_slot)) return now_slot + 1;
    for (size_t n = 1; n < ids.size(); ++n) {
        // With only him gone, the n-th player after him stands n - 1 slots on.
        now_slot = slot + static_cast<int32_t>(n) - 1;
        if (Find_Player_On_Team(ids[n], team, &now_slot)) return now_slot;
    }
    return PLAYERS_PER_TEAM;
}
} // namespace

void Sort_Roster_By_Value_And_Potential(int32_t team) {
    if (!Is_Team_Record_Slot(team)) return;
    // A player's value, once taken without a draw, is what it will be at every
    // later comparison: nothing else in the sort changes his record, and it
    // follows him when he moves. A value that drew new ratings is taken anew
    // at each comparison, as every draw must be.
    struct KNOWN_VALUE {
        bool Known;
        int32_t Value;
    };
    KNOWN_VALUE known[PLAYERS_PER_TEAM] = {};
    const auto value_of = [&](int32_t slot) {
        if (known[slot].Known) return known[slot].Value;
        const uint64_t draws = Get_Random_Draw_Count();
        const int32_t value = Get_Player_Roster_Value(team, slot);
        known[slot] = KNOWN_VALUE{Get_Random_Draw_Count() == draws, value};
        return value;
    };
    for (int32_t i = 0; i < PLAYERS_PER_TEAM - 1; ++i)
        for (int32_t j = i + 1; j < PLAYERS_PER_TEAM; ++j) {
            if (!Is_Player_Slot_Used(team, j)) continue;
            bool lower = !Is_Player_Slot_Used(team, i);
            if (!lower) {
                // The earlier slot's value is taken first.
                const int32_t value_i = value_of(i);
                lower = value_i < value_of(j);
            }
            if (lower) {
                Swap_Players(team, i, team, j);
                const KNOWN_VALUE held = known[i];
                known[i] = known[j];
                known[j] = held;
            }
        }
}

void Renew_Team_Contracts(int32_t team) {
    const bool human = Is_Human_Team(team) != 0;
    if (!human) Sort_Roster_By_Value_And_Potential(team);
    if (human && Count_Team_Expiring_Contracts(team) == 0) {
        char name[FORMATTED_TEXT_SIZE];
        Get_Team_Full_Name(team, name);
        Show_Formatted_Message("Renew Contracts", "The %s do not have any expiring contracts.", name);
    }
    if (Has_Roster(team)) {
        // A computer team's steps renew, release and develop its own players
        // (the released to the free agents): no other franchise's cap room
        // moves and no other franchise's roster. A human owner's talks are
        // left out of that promise.
        std::optional<CAP_ROOM_TEAM_SCOPE> rooms;
        std::optional<COMPARABLE_PLAYERS_SCOPE> comparables;
        if (!human) {
            rooms.emplace(team);
            comparables.emplace(team);
        }
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM;) {
            if (!Is_Player_Slot_Used(team, slot)) {
                ++slot;
                continue;
            }
            const std::vector<int32_t> ids = Get_Ids_From(team, slot);
            Advance_Player_Year(team, slot);
            slot = Find_Next_Renewal_Slot(team, slot, ids);
        }
    }
    if (Is_Used_Franchise_Slot(team) && !human) Auto_Set_Team_Depth_Chart(team);
}

int32_t Count_Team_Expiring_Contracts(int32_t team) {
    if (!Is_Franchise_Slot(team) || !Is_Champion_Decided()) return 0;
    const int32_t players = Get_First_Empty_Player_Slot(team);
    int32_t count = 0;
    for (int32_t slot = 0; slot < players; ++slot)
        if (Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS) <= 1) ++count;
    return count;
}

int32_t Human_Team_Has_Expiring_Contracts() {
    if (Get_User_Preference(MULTI_SEASON_SIMULATION) != 0) return 0;
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams; ++team)
        if (Is_Human_Team(team) && Count_Team_Expiring_Contracts(team) > 0) return 1;
    return 0;
}
