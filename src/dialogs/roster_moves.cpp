#include "dialogs/roster_moves.h"

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "personnel/player_retirement.h"

namespace {
constexpr int32_t RETIRED_DESTINATION = 41;
} // namespace

int32_t Move_Player_To_Team(int32_t destination, int32_t team, int32_t slot) {
    if (destination == team) return slot;
    if (!Is_Player_Slot_Used(team, slot)) return -1;
    if (destination == RETIRED_DESTINATION) {
        Retire_Player(team, slot);
        return -1;
    }
    if (destination == FREE_AGENT_TEAM) {
        Release_Player_To_Free_Agents(team, slot);
        return 0;
    }
    if (!Is_Valid_Team_Code(destination)) return -1;
    const int32_t count = Get_First_Empty_Player_Slot(destination);
    if (count >= PLAYERS_PER_TEAM) return -1;
    int32_t place = Find_Last_Unit_Player(destination, Get_Player_Unit(team, slot)) + 1;
    // A roster with gaps may hold its unit's last player past its count.
    if (place > count) place = count;
    for (int32_t s = count; s > place; --s)
        Swap_Players(destination, s, destination, s - 1);
    Copy_Player(destination, place, team, slot);
    Remove_Player(team, slot);
    if (Get_Header_Flag(HEADER_FLAG_SEASON_LINE_RECORDING) != 0)
        Add_Player_Current_Year_Season_Line(destination, place, 1);
    return place;
}
