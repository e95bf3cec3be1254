// Roster moves between teams.
#include "dialogs/player_moves.h"

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "personnel/player_retirement.h"

int32_t Move_Player_To_Team(int32_t destination, int32_t team, int32_t slot) {
    if (destination == team) return slot;
    if (!Is_Player_Slot_Used(team, slot)) return -1;
    if (destination == RETIRED_LIST_TEAM) {
        Retire_Player(team, slot);
        return -1;
    }
    if (destination == FREE_AGENT_TEAM) {
        Release_Player_To_Free_Agents(team, slot);
        return 0;
    }
    if (!Is_Team_Record_Slot(destination)) return -1;
    const int32_t players = Get_First_Empty_Player_Slot(destination);
    if (players >= PLAYERS_PER_TEAM) return -1;
    int32_t place = Find_Last_Unit_Player(destination, Get_Player_Unit(team, slot)) + 1;
    if (place > players) place = players;
    // The empty slot at the end moves up to the new player's place.
    for (int32_t k = players - 1; k >= place; --k)
        Swap_Players(destination, k, destination, k + 1);
    Copy_Player(destination, place, team, slot);
    Remove_Player(team, slot);
    if (Get_Header_Flag(HEADER_FLAG_SEASON_LINE_RECORDING) != 0) {
        const int32_t line = Add_Player_Season_Line(destination, place, Get_Current_Year(), destination);
        if (line != NO_SEASON_LINE) Set_Player_Latest_Season_Line(destination, place, line);
    }
    return place;
}
