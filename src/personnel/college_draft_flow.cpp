#include "personnel/college_draft_flow.h"

#include <cstdio>

#include "app/diagnostics.h"
#include "app/main_menu.h"
#include "app/main_window_dc.h"
#include "app/news_ticker.h"
#include "app/status_bars.h"
#include "app/window_graphics.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record_layout.h"
#include "dialogs/roster_moves.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/salaries.h"
#include "frontoffice/salary_value.h"
#include "frontoffice/trade_offer.h"
#include "personnel/computer_draft_choices.h"
#include "personnel/draft_order.h"
#include "personnel/draft_picks.h"
#include "personnel/draft_pool_players.h"
#include "personnel/draft_state.h"
#include "platform/message_box.h"
#include "tools/timestamp_log.h"
#include "views/current_view.h"

namespace {
constexpr int32_t DRAFT_BOARD_VIEW = 40070;
constexpr int32_t ROOKIE_CONTRACT_YEARS = 4;
constexpr int32_t LAST_POOL_TEAM = TOTAL_NUMBER_OF_TEAMS - 1;
constexpr int32_t FIRST_SEASONS_CLEARED = 3;

// The owner of a pick may be a franchise in use or one of the special slots 36-40.
bool Is_Drafting_Owner(int32_t owner) {
    return (owner < MAX_FRANCHISES && Is_Active_Team(owner)) ||
           (owner >= FREE_AGENT_TEAM && owner <= LAST_POOL_TEAM);
}

int32_t Find_Team_Slot_Of_ID(int32_t team, int32_t id) {
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(team, slot) && Get_Player_ID(team, slot) == id) return slot;
    return -1;
}
} // namespace

void Finish_Off_Season() {
    Log_Timestamp_Line("Off-Season Finished");
    Set_College_Draft_Order();
    Update_Play_Menu();
    Destroy_News_Ticker();
    Destroy_Status_Bar();
    Set_User_Preference(DRAFT_ROUND, 0);
    Set_User_Preference(DRAFT_PICK, 0);
    Start_College_Draft_Report();
    Load_Draft_Strategy();
    // A draft without players ends here, not in whatever looks at it next.
    if (Count_Draft_Pool_Players() == 0) Close_College_Draft(1);
    Update_Play_Menu();
    Run_College_Draft();
    Update_Play_Menu();
}

void College_Draft_Menu_Command() {
    Update_Play_Menu();
    Run_College_Draft();
    Update_Play_Menu();
}

void Run_College_Draft() {
    if (Run_Computer_Draft_Picks()) Prompt_User_Draft_Pick();
}

bool Run_Computer_Draft_Picks() {
    // The board comes up even when the last pick has just ended the draft, so
    // the user sees the pick he made.
    Set_Current_View(DRAFT_BOARD_VIEW);
    Init_Trade_Offer(&Current_Trade_Offer);
    while (Is_College_Draft_Running()) {
        const int32_t owner = Get_Draft_Pick_On_The_Clock_Owner();
        if (owner >= 0 && owner < MAX_FRANCHISES && Is_Human_Team(owner))
            return Is_College_Draft_Running() != 0;
        Make_Current_Draft_Pick();
    }
    return false;
}

void Make_Current_Draft_Pick() {
    if (Count_Draft_Pool_Players() == 0) {
        Close_College_Draft(1);
        return;
    }
    const int32_t owner = Get_Draft_Pick_On_The_Clock_Owner();
    if (Is_Drafting_Owner(owner)) {
        if (owner < MAX_FRANCHISES) Auto_Set_Team_Depth_Chart(owner);
        Make_Computer_Draft_Pick(owner);
    } else if (owner >= FORFEITED_PICK_OWNER && Is_Drafting_Owner(owner - FORFEITED_PICK_OWNER)) {
        const int32_t overall =
            Get_User_Preference(DRAFT_ROUND) * Count_Active_Teams() + Get_User_Preference(DRAFT_PICK) + 1;
        Log_Forfeited_Draft_Pick(Get_Current_Year(), overall, owner - FORFEITED_PICK_OWNER);
    } else {
        Report_System_Error(
            "No team owns pick %d of round %d in Make_Current_Draft_Pick(): nobody is drafted",
            Get_User_Preference(DRAFT_PICK) + 1, Get_User_Preference(DRAFT_ROUND) + 1);
    }
    Advance_Draft_Pick();
    Redraw_Main_Window();
}

int32_t Draft_Player(int32_t drafting_team, int32_t pool_team, int32_t pool_slot) {
    if (!Is_Draft_Pool_Place(pool_team, pool_slot)) {
        Report_System_Error("No pool player in Draft_Player(%d,%d,%d): nobody is drafted", drafting_team,
                            pool_team, pool_slot);
        return -1;
    }
    const int32_t id = Get_Player_ID(pool_team, pool_slot);
    int32_t slot = Move_Player_To_Team(drafting_team, pool_team, pool_slot);
    // The free agents are sorted after a release, so he is found by his id.
    if (drafting_team == FREE_AGENT_TEAM) slot = Find_Team_Slot_Of_ID(FREE_AGENT_TEAM, id);
    if (slot < 0 || Get_Player_ID(drafting_team, slot) != id) {
        Report_System_Error("No room on team %d in Draft_Player(%d,%d,%d): nobody is drafted", drafting_team,
                            drafting_team, pool_team, pool_slot);
        return -1;
    }
    Write_Draft_Pick_Report_Line(drafting_team, drafting_team, slot);
    const int32_t year = Get_Current_Year();
    if (drafting_team != FREE_AGENT_TEAM) {
        const int32_t line = Add_Player_Season_Line(drafting_team, slot, year, drafting_team);
        if (line >= 0) Set_Player_Latest_Season_Line(drafting_team, slot, line);
    }
    const int32_t round = Get_User_Preference(DRAFT_ROUND);
    const int32_t pick = Get_User_Preference(DRAFT_PICK);
    Set_Player_Vital_Stat(drafting_team, slot, VITAL_DRAFT_SLOT,
                          (round + 1) * 100000 + (pick + 1) * 1000 + round * Count_Active_Teams() + pick + 1);
    Set_Player_Vital_Stat(drafting_team, slot, VITAL_DRAFT_RECORD, (drafting_team + 1) * 10000 + year);
    for (int32_t season = 0; season < FIRST_SEASONS_CLEARED; ++season)
        Clear_Player_Season_Stats(drafting_team, slot, season);
    return slot;
}

void Sign_Drafted_Player(int32_t pool_team, int32_t pool_slot) {
    if (!Is_Draft_Pool_Place(pool_team, pool_slot)) return;
    Set_Player_Vital_Stat(pool_team, pool_slot, VITAL_CONTRACT_YEARS, ROOKIE_CONTRACT_YEARS);
    Set_Player_Vital_Stat(pool_team, pool_slot, VITAL_BONUS_YEARS, ROOKIE_CONTRACT_YEARS);
    Set_Player_Vital_Stat(pool_team, pool_slot, VITAL_SIGNING_BONUS,
                          Get_Rookie_Draft_Bonus(pool_team, pool_slot));
}

int32_t Get_Rookie_Draft_Bonus(int32_t pool_team, int32_t pool_slot) {
    const int32_t best = Update_Draft_Pool_Values();
    return Mul_Div_Round(
        Get_Draft_Pick_Value(Get_User_Preference(DRAFT_ROUND), Get_User_Preference(DRAFT_PICK)),
        Get_Player_Vital_Stat(pool_team, pool_slot, VITAL_DRAFT_POOL_VALUE), best);
}

void Advance_Draft_Pick() {
    int32_t round = Get_User_Preference(DRAFT_ROUND);
    int32_t pick = Get_User_Preference(DRAFT_PICK) + 1;
    if (pick >= Count_Active_Teams()) {
        pick = 0;
        ++round;
        if (round < NO_COLLEGE_DRAFT_ROUND) {
            Write_Draft_Round_Header(round);
            if (Get_Current_View() == DRAFT_BOARD_VIEW) Set_User_Preference(DRAFT_BOARD_ROUND, round + 1);
        }
    }
    Set_User_Preference(DRAFT_PICK, pick);
    Set_User_Preference(DRAFT_ROUND, round);
    // The pick that empties the pool ends the draft at once, so a running
    // draft always has players and no query (a repaint, the menu, the
    // window title) is ever the one to end it and set up a season.
    if (round >= NO_COLLEGE_DRAFT_ROUND)
        Close_College_Draft(0);
    else if (Count_Draft_Pool_Players() == 0)
        Close_College_Draft(1);
}

void Format_Draft_Clock_Text(char* buffer, int32_t size, int32_t overall) {
    const int32_t round = Get_User_Preference(DRAFT_ROUND);
    const int32_t pick = Get_User_Preference(DRAFT_PICK);
    if (overall)
        snprintf(buffer, static_cast<size_t>(size), "Round %d: Overall Pick #%d", round + 1,
                 round * Count_Active_Teams() + pick + 1);
    else
        snprintf(buffer, static_cast<size_t>(size), "Round %d: Pick #%d", round + 1, pick + 1);
}

void Prompt_User_Draft_Pick() {
    const int32_t team = Get_Draft_Pick_On_The_Clock_Owner();
    if (team < 0 || team >= MAX_FRANCHISES) return;
    Set_User_Team(team);
    // The first round brings the board up; once it is up it is painted afresh.
    if (Get_User_Preference(DRAFT_ROUND) == 0 && Get_Current_View() != DRAFT_BOARD_VIEW) {
        Set_Current_View(DRAFT_BOARD_VIEW);
    } else if (Get_Current_View() == DRAFT_BOARD_VIEW) {
        Set_Last_Painted_View(-1);
        Redraw_Main_Window();
    }
    char caption[FORMATTED_TEXT_SIZE];
    Format_Draft_Clock_Text(caption, sizeof caption, 0);
    char name[FORMATTED_TEXT_SIZE];
    Get_Team_Full_Name(team, name);
    Show_Formatted_Message(
        caption, "%s: Make your draft pick.\n\n(Choose 'College Draft' from 'Players' menu.)", name);
}

void Clear_Negative_Experience() {
    for (int32_t team = 0; team <= FREE_AGENT_TEAM; ++team) {
        if (team < MAX_FRANCHISES && !Is_Active_Team(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot) &&
                Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS) < 0)
                Set_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS, 0);
    }
}
