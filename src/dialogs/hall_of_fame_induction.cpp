#include "dialogs/hall_of_fame_induction.h"

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/team_record_layout.h"

namespace {
constexpr int32_t VITAL_INDUCTION_YEAR = 19;
constexpr int32_t VITAL_VOTE_SHARE = 20;
} // namespace

int32_t Induct_Player_Into_Hall_Of_Fame(int32_t team, int32_t slot, int32_t vote_share) {
    if (!Is_Player_Address(team, slot) || team == HALL_OF_FAME_TEAM) return -1;
    int32_t members = Get_First_Empty_Player_Slot(HALL_OF_FAME_TEAM);
    int32_t place = 0;
    while (place < members && Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, place, VITAL_VOTE_SHARE) >= vote_share)
        ++place;
    if (place >= PLAYERS_PER_TEAM) return -1;
    Set_Player_Vital_Stat(team, slot, VITAL_INDUCTION_YEAR, Get_Current_Year());
    Set_Player_Vital_Stat(team, slot, VITAL_VOTE_SHARE, vote_share);
    if (members >= PLAYERS_PER_TEAM) {
        // The lowest share makes room. Only his Hall record refers to his
        // season lines, so they go with him.
        members = PLAYERS_PER_TEAM - 1;
        Delete_Player(HALL_OF_FAME_TEAM, members);
    }
    for (int32_t member = members; member > place; --member)
        Swap_Players(HALL_OF_FAME_TEAM, member, HALL_OF_FAME_TEAM, member - 1);
    Copy_Player(HALL_OF_FAME_TEAM, place, team, slot);
    return place;
}
