#include "dialogs/college_draft_pick.h"

#include "app/main_menu.h"
#include "app/modal_dialogs.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "dialogs/roster_moves.h"
#include "frontoffice/contract_offer.h"
#include "personnel/college_draft_flow.h"
#include "personnel/draft_picks.h"
#include "personnel/draft_pool_players.h"
#include "personnel/draft_state.h"
#include "platform/message_box.h"

int32_t Check_User_Draft_Pick(int32_t pool_team, int32_t pool_slot) {
    if (!Is_College_Draft_Running()) {
        Show_Formatted_Message("College Draft", "The College Draft is not running.");
        return -1;
    }
    const int32_t team = Get_Draft_Pick_On_The_Clock_Owner();
    if (team < 0 || team >= MAX_FRANCHISES || !Is_Human_Team(team)) {
        Show_Formatted_Message("College Draft", "None of your teams is on the clock.");
        return -1;
    }
    if (!Is_Draft_Pool_Place(pool_team, pool_slot)) {
        Show_Formatted_Message("College Draft",
                               "That player is not in the draft pool, so nobody was drafted.");
        return -1;
    }
    return team;
}

bool Check_Draft_Roster_Room(int32_t team, int32_t pool_team, int32_t pool_slot) {
    if (Get_First_Empty_Player_Slot(team) < PLAYERS_PER_TEAM) return true;
    Show_Team_Full_Message(pool_team, pool_slot);
    return false;
}

int32_t Make_User_Draft_Pick(int32_t team, int32_t pool_team, int32_t pool_slot,
                             const std::function<void()>& before_prompt) {
    if (Draft_Player(team, pool_team, pool_slot) < 0) return 0;
    Advance_Draft_Pick();
    const bool user_on_the_clock = Run_Computer_Draft_Picks();
    if (before_prompt) before_prompt();
    if (user_on_the_clock) Prompt_User_Draft_Pick();
    Update_Play_Menu();
    return 1;
}

int32_t Draft_Pool_Player_For_User(int32_t pool_team, int32_t pool_slot) {
    const int32_t team = Check_User_Draft_Pick(pool_team, pool_slot);
    if (team < 0) return 0;
    Sign_Drafted_Player(pool_team, pool_slot);
    if (!Check_Draft_Roster_Room(team, pool_team, pool_slot)) return 0;
    return Make_User_Draft_Pick(team, pool_team, pool_slot);
}

int32_t Open_College_Draft_List(WINDOW_HANDLE owner) {
    const int32_t result = Refresh_Bars_And_Do_Dialog(owner, COLLEGE_DRAFT_LIST_DIALOG);
    if (result == CONTRACT_TO_TRADING_BLOCK) Open_Empty_Trading_Block(owner);
    return result;
}
