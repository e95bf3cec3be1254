// Roster minimums: the fewest available players a team keeps at a position.
#include "frontoffice/roster_minimums.h"

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "dialogs/roster_moves.h"
#include "frontoffice/contract_demand.h"
#include "frontoffice/roster_limits.h"
#include "personnel/player_generation.h"

namespace {
constexpr int32_t MINIMUM_PLAYERS[NUMBER_OF_POSITIONS] = {2, 2, 1, 3, 5, 3, 3, 2, 3, 2, 5, 3, 3, 1, 1};
// A roster this full first lets its surplus player go.
constexpr int32_t CROWDED_ROSTER = 93;

// The available free agent of the position in the highest pool slot whom
// the team can sign within the salary cap (anyone for NO_TEAM), -1 when none.
int32_t Find_Top_Free_Agent(int32_t position, int32_t team) {
    for (int32_t slot = PLAYERS_PER_TEAM - 1; slot >= 0; --slot)
        if (Is_Player_Available(FREE_AGENT_TEAM, slot) &&
            Get_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_POSITION) == position &&
            (team == NO_TEAM || Can_Sign_Within_Salary_Cap(team, FREE_AGENT_TEAM, slot)))
            return slot;
    return -1;
}

// One more available player at the position: a free agent the team can pay
// within the cap, else a new player. Those the market has left in the pool
// are often stars no team could pay, and one of them would take the team
// far past the cap.
bool Add_Position_Player(int32_t team, int32_t position) {
    if (Get_First_Empty_Player_Slot(team) > CROWDED_ROSTER) Cut_One_Player_If_Over_Limit(team);
    const int32_t free_agent = Find_Top_Free_Agent(position, team);
    if (free_agent >= 0 && Move_Player_To_Team(team, FREE_AGENT_TEAM, free_agent) >= 0) return true;
    const int32_t slot = Find_Empty_Player_Slot(team);
    if (slot < 0) return false;
    Create_Player_For_Team(team, slot, position, REPLACEMENT_PLAYER_WEAKNESS);
    return Is_Player_Slot_Used(team, slot) != 0;
}
} // namespace

int32_t Get_Position_Roster_Minimum(int32_t position) {
    if (position < 0 || position >= NUMBER_OF_POSITIONS) return 0;
    return MINIMUM_PLAYERS[position];
}

int32_t Find_Available_Free_Agent(int32_t position) {
    return Find_Top_Free_Agent(position, NO_TEAM);
}

int32_t Fill_Roster_Minimums(int32_t team) {
    if (!Is_Team_Record_Slot(team) || Is_Human_Team(team) || Get_User_Preference(COMMISSIONER_MODE) != 0)
        return 0;
    int32_t complete = 1;
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position)
        for (int32_t added = 0;
             Count_Team_Available_Position_Players(team, position) < MINIMUM_PLAYERS[position]; ++added) {
            complete = 0;
            // A full roster that cannot let anybody go keeps its gap.
            if (added >= PLAYERS_PER_TEAM || !Add_Position_Player(team, position)) break;
        }
    return complete;
}
