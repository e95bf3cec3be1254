#include "dialogs/roster_moves.h"

#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "frontoffice/contract_demand.h"
#include "frontoffice/trade_offer.h"
#include "personnel/player_identity.h"
#include "personnel/player_retirement.h"
#include "platform/message_box.h"

namespace {
constexpr int32_t RETIRED_DESTINATION = 41;
constexpr int32_t TRADE_TARGET_SETTING = 31;
constexpr int32_t TRADE_FOR_CHOSEN_PLAYER = -128;

// The slot after the team's last player of the unit or of a unit before it
// (offence, then defence, then kickers), so the roster stays grouped by unit
// even when the unit has no player yet; only the slots below `count` count.
int32_t Find_Unit_Place(int32_t team, int32_t unit, int32_t count) {
    if (unit < 0) return count;
    for (int32_t slot = count - 1; slot >= 0; --slot) {
        const int32_t other = Get_Player_Unit(team, slot);
        if (Is_Player_Slot_Used(team, slot) && other >= 0 && other <= unit) return slot + 1;
    }
    return 0;
}

// True when another player of the team wears the number.
bool Is_Number_Worn_By_Another(int32_t team, int32_t slot, int32_t number) {
    for (int32_t other = 0; other < PLAYERS_PER_TEAM; ++other)
        if (other != slot && Is_Player_Slot_Used(team, other) &&
            Get_Player_Byte_Field(team, other, PLAYER_BYTE_UNIFORM) == number)
            return true;
    return false;
}
// Puts the record into the team after its last player of his unit, the
// later players moving down one slot; the team has a free slot below 100.
int32_t Place_Player_Record(int32_t team, const PLAYER_RECORD& record) {
    const int32_t count = Get_First_Empty_Player_Slot(team);
    const int32_t unit = Get_Position_Unit(record.Vital_Stats[VITAL_POSITION]);
    const int32_t place = Find_Unit_Place(team, unit, count);
    for (int32_t s = count; s > place; --s)
        Swap_Players(team, s, team, s - 1);
    Copy_Player_From_Memory(team, place, &record);
    if (Get_Header_Flag(HEADER_FLAG_SEASON_LINE_RECORDING) != 0)
        Add_Player_Current_Year_Season_Line(team, place, 1);
    // A newcomer whose number a team-mate already wears is given another.
    if (Is_Number_Worn_By_Another(team, place, Get_Player_Byte_Field(team, place, PLAYER_BYTE_UNIFORM)))
        Assign_Uniform_Number(team, place);
    return place;
}
} // namespace

int32_t Move_Player_To_Team(int32_t destination, int32_t team, int32_t slot) {
    if (destination == team) return slot;
    if (!Is_Player_Slot_Used(team, slot)) return -1;
    if (destination == RETIRED_DESTINATION) {
        Retire_Player(team, slot);
        return -1;
    }
    if (destination == FREE_AGENT_TEAM) return Release_Player_To_Free_Agents(team, slot) != 0 ? 0 : -1;
    if (!Is_Valid_Team_Code(destination)) return -1;
    if (Get_First_Empty_Player_Slot(destination) >= PLAYERS_PER_TEAM) return -1;
    // A free agent without a contract (an undrafted prospect) signs for the
    // terms he asks as a free agent: a franchise never carries a contract
    // that has run out.
    if (team == FREE_AGENT_TEAM && destination < MAX_FRANCHISES &&
        Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS) < 1)
        Set_Desired_Contract_Demand(team, slot);
    PLAYER_RECORD held;
    Copy_Player_To_Memory(&held, team, slot);
    Remove_Player(team, slot);
    return Place_Player_Record(destination, held);
}

int32_t Exchange_Players_Between_Teams(int32_t team_a, int32_t slot_a, int32_t team_b, int32_t slot_b) {
    if (team_a == team_b || !Is_Player_Slot_Used(team_a, slot_a) || !Is_Player_Slot_Used(team_b, slot_b))
        return 0;
    for (int32_t team : {team_a, team_b})
        if (team == FREE_AGENT_TEAM || !Is_Valid_Team_Code(team)) return 0;
    PLAYER_RECORD from_a, from_b;
    Copy_Player_To_Memory(&from_a, team_a, slot_a);
    Copy_Player_To_Memory(&from_b, team_b, slot_b);
    Remove_Player(team_a, slot_a);
    Remove_Player(team_b, slot_b);
    Place_Player_Record(team_a, from_b);
    Place_Player_Record(team_b, from_a);
    return 1;
}

void Show_Team_Full_Message(int32_t team, int32_t slot) {
    char name[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(team, slot, name);
    Show_Formatted_Message("Too Many Players",
                           "Your team is currently full. You must release a player before you add %s.", name);
}

void Prepare_Trade_For_Player(int32_t team, int32_t slot) {
    int32_t user = Get_User_Preference(USER_TEAM);
    const bool listed =
        Is_Used_Franchise_Slot(user) || (user >= FREE_AGENT_TEAM && user < TOTAL_NUMBER_OF_TEAMS);
    if (!listed) user = 0;
    Init_Trade_Offer(&Current_Trade_Offer);
    Current_Trade_Offer.Team[0] = static_cast<uint8_t>(user);
    Current_Trade_Offer.Team[1] = static_cast<uint8_t>(team);
    Current_Trade_Offer.Items[1][0] = static_cast<uint8_t>(slot);
    Set_User_Preference(TRADE_TARGET_SETTING, TRADE_FOR_CHOSEN_PLAYER);
}
