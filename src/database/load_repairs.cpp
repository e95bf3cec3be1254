#include "database/load_repairs.h"

#include <climits>
#include <cstdlib>

#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/universe.h"

namespace {
constexpr int ALWAYS_FROM = INT_MIN;
constexpr int ALWAYS_BELOW = INT_MAX;
constexpr int YEAR_INDEX_BASE = 1998;
constexpr int BASE_YEAR_STAT = 3;
constexpr int LAST_SCHEDULE_WEEK = NUMBER_OF_SCHEDULE_WEEKS - 1;
constexpr int SCHEDULE_OPPONENT = 0;
constexpr int SCHEDULE_GAME_INDEX = 3;

// One repair: runs when first_version <= v < below_version.
struct LOAD_REPAIR {
    int First_Version;
    int Below_Version;
    void (*Action)();
};

bool Is_Active_Franchise(int team) {
    return Universe.Teams[team].Team_Stats[2] != -1;
}

void Set_Season_Line_Recording() {
    Set_Header_Flag(HEADER_FLAG_SEASON_LINE_RECORDING, 1);
    Erase_Orphan_Season_Lines();
}

void End_College_Draft() {
    Set_User_Preference(DRAFT_ROUND, 7);
}

void Stop_Computer_Trade_Offers() {
    Set_User_Preference(COMPUTER_OFFERS_TRADES, 0);
}

void Reset_Player_Vital_Six() {
    for (int team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        if (team < MAX_FRANCHISES && !Is_Active_Franchise(team)) continue;
        for (PLAYER_RECORD& player : Universe.Teams[team].Players)
            if (player.Vital_Stats[0] != 0) player.Vital_Stats[6] = 22;
    }
}

// Old files stored game index 0 for weeks not yet scheduled into a record.
void Clear_Unplayed_Game_Indices() {
    int first_week = Get_User_Preference(CURRENT_WEEK);
    if (first_week < 0) first_week = 0;
    for (int team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Active_Franchise(team)) continue;
        for (int week = first_week; week <= LAST_SCHEDULE_WEEK; ++week) {
            SCHEDULE_ENTRY& entry = Universe.Teams[team].Schedule[week];
            if (entry.Values[SCHEDULE_GAME_INDEX] == 0) entry.Values[SCHEDULE_GAME_INDEX] = -1;
        }
    }
}

void Turn_On_Auto_Fill_Rosters() {
    Set_User_Preference(AUTO_FILL_ROSTERS, 1);
}

void Reset_Skin_Name() {
    Set_Skin_Name("earth");
}

void Set_Modern_Overtime_Rule() {
    const int year =
        Universe.Header.Universe_Stats[BASE_YEAR_STAT] + Get_User_Preference(CURRENT_SEASON_INDEX);
    if (year > 2013) Set_User_Preference(REGULAR_SEASON_OVERTIME_RULE, 1);
}

void Set_Settings_65_To_69() {
    for (int n = 65; n <= 69; ++n)
        Set_User_Preference(n, 20);
}

void Require_Click_After_Each_Play() {
    Universe.Header.Require_Click_After_Each_Play = 1;
}

void Clear_Multi_Season_Simulation() {
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
}

// The fixed order of the repairs. Rows from 2180 on and rows below 2180 never
// meet in one file, so each file runs the rows of its own branch and the
// "always" rows. Repairs of other subsystems take their place here as those
// subsystems are built.
const LOAD_REPAIR LOAD_REPAIRS[] = {
    {ALWAYS_FROM, ALWAYS_BELOW, Build_All_Player_Hashes},
    {ALWAYS_FROM, ALWAYS_BELOW, Set_Season_Line_Recording},
    {2180, 2502, Clear_All_Time_Leaders},
    {2180, 5050, End_College_Draft},
    {2180, 5140, Stop_Computer_Trade_Offers},
    {2180, 6010, Reset_Player_Vital_Six},
    {2180, 6700, Clear_Unplayed_Game_Indices},
    {2180, 8030, Turn_On_Auto_Fill_Rosters},
    {2180, 8510, Reset_Skin_Name},
    {2180, ALWAYS_BELOW, Fill_Missing_Player_Ratings},
    {ALWAYS_FROM, 1101, Set_Modern_Overtime_Rule},
    {ALWAYS_FROM, 2001, Set_Settings_65_To_69},
    {ALWAYS_FROM, 2002, Require_Click_After_Each_Play},
    {ALWAYS_FROM, ALWAYS_BELOW, Rebuild_Game_Teams_From_Schedules},
    {ALWAYS_FROM, ALWAYS_BELOW, Clear_Multi_Season_Simulation},
};
} // namespace

void Run_Post_Load_Repairs(int version) {
    // The block was replaced whole: the free-row hint of the season lines no
    // longer describes it.
    Reset_Season_Line_Hint();
    for (const LOAD_REPAIR& repair : LOAD_REPAIRS)
        if (version >= repair.First_Version && version < repair.Below_Version) repair.Action();
}

void Rebuild_Game_Teams_From_Schedules() {
    for (int team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Active_Franchise(team)) continue;
        for (const SCHEDULE_ENTRY& entry : Universe.Teams[team].Schedule) {
            const int opponent_code = entry.Values[SCHEDULE_OPPONENT];
            const int game = entry.Values[SCHEDULE_GAME_INDEX];
            // Unplayed weeks hold -1; anything outside the records is skipped.
            if (opponent_code == 0 || game < 0 || game >= MAX_GAME_RECORDS) continue;
            if (opponent_code < -TOTAL_NUMBER_OF_TEAMS || opponent_code > TOTAL_NUMBER_OF_TEAMS) continue;
            const int opponent = std::abs(opponent_code) - 1;
            uint8_t* bytes = Universe.Games[game].Team;
            if (opponent_code < 0) {
                bytes[0] = static_cast<uint8_t>(team);
                bytes[1] = static_cast<uint8_t>(opponent);
            } else {
                bytes[0] = static_cast<uint8_t>(opponent);
                bytes[1] = static_cast<uint8_t>(team);
            }
        }
    }
}

void Finish_Loaded_Game() {
    // Some files stored a year in the season index: counted from 1900 (120 is
    // 2020) or, rarely, in full. It becomes an index from 1998 again.
    const int season_index = Get_User_Preference(CURRENT_SEASON_INDEX);
    if (season_index >= 100) {
        const int year = season_index >= YEAR_INDEX_BASE ? season_index : season_index + 1900;
        Set_User_Preference(CURRENT_SEASON_INDEX, year - YEAR_INDEX_BASE);
        Universe.Header.Universe_Stats[BASE_YEAR_STAT] = YEAR_INDEX_BASE;
    }
    Set_User_Preference(DAY_RUNNING, 0);
    Set_User_Preference(SIM_TO_QUARTER, 0);
    Refresh_Active_Team_Count();
    Build_All_Player_Hashes();
    Fill_Missing_Player_Ratings();
    Sanity_Check_Player_IDs();
}
