// Roster cuts.
#include "frontoffice/roster_limits.h"

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "engine/snap_decisions.h"
#include "personnel/fantasy_marks.h"
#include "personnel/player_retirement.h"

int32_t Cut_One_Player_If_Over_Limit(int32_t team) {
    // While a fantasy draft runs, a drafted player belongs to the team that
    // took him, wherever he waits: only players nobody drafted may go.
    return Cut_One_Eligible_Player_If_Over_Limit(team, Is_Fantasy_Draft_Under_Way() ? Is_Fantasy_Undrafted
                                                                                    : nullptr);
}

int32_t Cut_One_Eligible_Player_If_Over_Limit(int32_t team, PLAYER_FILTER eligible) {
    if (!Is_Team_Record_Slot(team) || Get_First_Empty_Player_Slot(team) < ROSTER_CUT_SIZE) return 0;
    const int32_t slot = eligible == nullptr ? Find_Surplus_Position_Player(team)
                                             : Find_Surplus_Eligible_Player(team, eligible);
    if (slot < 0) return 0;
    // A franchise's release into a pool that may let nobody go leaves him
    // where he is: nothing was cut.
    if (team < FREE_AGENT_TEAM) return Release_Player_To_Free_Agents(team, slot);
    Retire_Player(team, slot);
    return 1;
}

void Cut_Roster_To_Limit(int32_t team) {
    if (!Is_Team_Record_Slot(team) || Is_Human_Team(team)) return;
    for (int32_t players = Get_First_Empty_Player_Slot(team); players > ROSTER_ROOM_LIMIT;) {
        if (!Cut_One_Player_If_Over_Limit(team)) return;
        const int32_t left = Get_First_Empty_Player_Slot(team);
        // A cut that freed nothing would repeat for ever.
        if (left >= players) return;
        players = left;
    }
}
