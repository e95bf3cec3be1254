#include "dialogs/new_team.h"

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/team_finances.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "dialogs/stadium_value.h"
#include "engine/playbook_records.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/league_finances.h"
#include "frontoffice/team_budgets.h"
#include "personnel/draft_picks.h"
#include "personnel/fantasy_draft.h"
#include "personnel/player_generation.h"
#include "season/league_rules.h"

namespace {
constexpr int32_t NEW_TEAM_COUNTS[NUMBER_OF_POSITIONS] = {3, 4, 2, 4, 6, 4, 4, 2, 5, 4, 7, 5, 5, 1, 1};
constexpr int32_t NEW_STADIUM_CAPACITY = 55000;
constexpr int32_t STANDARD_GRADE = 1000;
constexpr int32_t TICKET_PRICE = 1;
constexpr int32_t LEAGUE_AVERAGE_BALANCE = 10;
// Quality asked of created players: the creator's default.
constexpr int32_t DEFAULT_QUALITY = 0;
} // namespace

int32_t Get_New_Team_Position_Count(int32_t position) {
    return position >= 0 && position < NUMBER_OF_POSITIONS ? NEW_TEAM_COUNTS[position] : 0;
}

bool Has_Room_For_New_Team(int32_t games) {
    const int32_t n = Count_Active_Teams();
    return n < MAX_FRANCHISES && (games <= 0 || n < Get_Most_Teams_For_Season_Games(games));
}

int32_t Add_New_Team(int32_t fill_roster) {
    Sort_Teams_By_Name();
    if (!Has_Room_For_New_Team(Get_Universe_Stat(GAMES_PER_SEASON))) return -1;
    int32_t n = Count_Active_Teams();
    // The league's teams are slots 0 .. n - 1; a gap would put the new team on a used slot.
    if (Is_Used_Franchise_Slot(n)) {
        Compact_Team_Slots();
        n = Count_Active_Teams();
    }
    // A running fantasy draft's order has no place for the new team: it ends
    // before the team and its players are made.
    End_Fantasy_Draft_For_Team_Change(NO_TEAM);
    Set_Team_Abbreviation("XXX", n);
    Set_Team_Location("[Empty", n);
    Set_Team_Nickname("Team]", n);
    Set_Team_Stadium_Name("Generic Stadium", n);
    Set_Team_Stat(n, TEAM_STAT_CONTROL, TEAM_CONTROL_COMPUTER);
    Count_Active_Teams();
    Set_Team_Stadium_Stat(n, STADIUM_CAPACITY, NEW_STADIUM_CAPACITY);
    Set_Team_Stadium_Stat(n, STADIUM_STRUCTURE, 0);
    Set_Team_Stadium_Stat(n, STADIUM_SURFACE, STADIUM_CARPET);
    Set_Team_Stadium_Stat(n, STADIUM_YEAR_BUILT, Get_Current_Year());
    // The seating grades are set before the value that depends on them.
    Set_Team_Stadium_Stat(n, STADIUM_CONVENIENCE, STANDARD_GRADE);
    Set_Team_Stadium_Stat(n, STADIUM_COMFORT, STANDARD_GRADE);
    Set_Team_Stadium_Stat(n, STADIUM_SIGHT_LINES, STANDARD_GRADE);
    Set_Team_Stadium_Stat(n, STADIUM_VALUE, Compute_Stadium_Value(n));
    const int64_t ticket = (static_cast<int64_t>(Get_Universe_Stat(INFLATION_FACTOR)) * 5000 + 500) / 1000;
    Set_Team_Financial_Stat(n, TICKET_PRICE, static_cast<int32_t>(ticket));
    Set_Team_Stat(n, TEAM_STAT_OFFENSIVE_BALANCE, LEAGUE_AVERAGE_BALANCE);
    Reset_Team_Cash(n);
    Set_Automatic_Team_Budgets(n);
    if (fill_roster) Fill_New_Team_Roster(n);
    Set_Default_Playbooks(n);
    Reset_Team_Draft_Picks(n);
    return n;
}

void Fill_New_Team_Roster(int32_t team) {
    if (!Is_Valid_Team_Code(team)) return;
    // Players already on the roster (an expansion team's draft picks) count
    // toward the numbers; new players go into empty slots only.
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
        for (int32_t count = Count_Team_Position_Players(team, position); count < NEW_TEAM_COUNTS[position];
             ++count) {
            const int32_t slot = Get_First_Empty_Player_Slot(team);
            if (slot >= PLAYERS_PER_TEAM) return;
            Create_Player_For_Team(team, slot, position, DEFAULT_QUALITY);
            if (!Is_Player_Slot_Used(team, slot)) break;
        }
    }
    Auto_Set_Team_Depth_Chart(team);
}
