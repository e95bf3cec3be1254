#include "database/load_repairs.h"

#include <climits>
#include <cstdint>
#include <cstdlib>

#include "app/main_menu.h"
#include "app/progress_window.h"
#include "database/historical_norms.h"
#include "database/league_derived_state.h"
#include "database/league_structure.h"
#include "database/loaded_league_bounds.h"
#include "database/old_file_repairs.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/playoff_bracket.h"
#include "database/rating_normalisation.h"
#include "database/roster_slots.h"
#include "database/saved_game.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_balance.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "dialogs/session_settings.h"
#include "engine/game_record.h"
#include "engine/playbook_records.h"
#include "frontoffice/contract_repairs.h"
#include "frontoffice/league_revenue.h"
#include "personnel/draft_order.h"
#include "personnel/draft_pool.h"
#include "personnel/draft_state.h"
#include "personnel/fantasy_draft.h"
#include "personnel/position_codes.h"
#include "platform/message_box.h"
#include "season/all_time_leaders.h"
#include "season/league_rules.h"
#include "season/off_season.h"
#include "tools/image_downloads.h"
#include "tools/old_player_conversion.h"
#include "tools/ratings_rebuild.h"

namespace {
constexpr int ALWAYS_FROM = INT_MIN;
constexpr int ALWAYS_BELOW = INT_MAX;
constexpr int YEAR_INDEX_BASE = 1998;
constexpr int LAST_HISTORY_SEASON = NUMBER_OF_HISTORY_SEASONS - 1;
constexpr int LAST_SCHEDULE_WEEK = NUMBER_OF_SCHEDULE_WEEKS - 1;
constexpr int SCHEDULE_OPPONENT = 0;
constexpr int SCHEDULE_GAME_INDEX = 3;
constexpr int OFF_SEASON_WEEK = 100;
constexpr int STATISTICS_SEASON_KIND = 2;
constexpr int STATISTICS_YEAR_STAT = 6;

// The calendar week as the file held it, before the load bounded it.
int32_t stored_week = 0;
// The version of the file the repairs last ran for.
int loaded_version = OWN_FILE_VERSION;

// One repair: runs when first_version <= v < below_version.
struct LOAD_REPAIR {
    int First_Version;
    int Below_Version;
    void (*Action)();
};

bool Is_Active_Franchise(int team) {
    return Universe.Teams[team].Team_Stats[2] != -1;
}

int Current_Week() {
    return Get_User_Preference(CURRENT_WEEK);
}

bool Is_Season_Over() {
    return Current_Week() >= Universe.Season_Length;
}

// A league this version wrote holds what the game made of it: repairs of
// what older versions left behind have nothing to mend there, and would take
// what the game wrote (a back slowed by age or injury, a leader list as the
// last week left it) for damage.
bool Is_Written_By_This_Version() {
    return loaded_version == OWN_FILE_VERSION;
}

void Create_Draft_Pool_After_Season() {
    if (Is_Season_Over() && !Is_College_Draft_Running()) Create_College_Draft_Pool();
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

// Old files stored game index 0 for weeks not yet scheduled into a record.
void Clear_Unplayed_Game_Indices() {
    int first_week = Current_Week();
    if (first_week < 0) first_week = 0;
    for (int team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Active_Franchise(team)) continue;
        for (int week = first_week; week <= LAST_SCHEDULE_WEEK; ++week) {
            SCHEDULE_ENTRY& entry = Universe.Teams[team].Schedule[week];
            if (entry.Values[SCHEDULE_GAME_INDEX] == 0) entry.Values[SCHEDULE_GAME_INDEX] = -1;
        }
    }
}

void Set_Draft_Order_After_Season() {
    if (Is_Season_Over()) Set_College_Draft_Order();
}

void Apply_Rules_And_Convert_Games() {
    Apply_League_Rules_For_Year();
    Convert_Old_Game_Records();
}

void Turn_On_Auto_Fill_Rosters() {
    Set_User_Preference(AUTO_FILL_ROSTERS, 1);
}

void Set_Overtime_Rules_And_Skin() {
    Set_Overtime_Rules_For_Year();
    Set_Skin_Name("earth");
}

void Set_Modern_Overtime_Rule() {
    if (Get_Current_Year() > 2013) Set_User_Preference(REGULAR_SEASON_OVERTIME_RULE, 1);
}

void Rebuild_Ratings_From_Stats() {
    Set_All_Ratings_From_Stats();
    Fill_Missing_Player_Ratings();
    Normalize_Player_Ratings();
}

void Update_League_Revenue() {
    Update_League_Wealth_Factor();
    Compute_Shared_Revenue_Per_Game();
}

void Download_Photos_And_Logos() {
    const bool opened = Open_Progress_Window("Downloading Player Photos and Team Logos", 75) != 0;
    Copy_All_Player_Photos();
    Copy_All_Team_Logos();
    if (opened) Close_Progress_Window();
}

void Set_Kickoff_And_Missed_Field_Goal_Rules() {
    Set_Kickoff_Spot_For_Year();
    Set_Missed_Field_Goal_Spot_For_Year();
}

// A test of the calendar whose purpose is lost: 7 x week + 249 (in wrapping
// 32-bit arithmetic) equals 100 for no week of the calendar, only for one
// corrupt value, which is looked for in the week the file held. Kept so such
// a file still gets its season rolled over.
void Repair_Old_Season() {
    const int32_t week = stored_week;
    const uint32_t day = 7u * static_cast<uint32_t>(week) + 249u;
    if (week == OFF_SEASON_WEEK || day != 100u) return;
    int64_t played = 0;
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot)) played += Get_Player_Stat(team, slot, 0, 1);
    if (played <= 0) return;
    Show_Formatted_Message("Converting Game From Previous Version",
                           "Incrementing Season in corrupted game file.");
    Start_Off_Season();
}

void Fix_Old_Rookie_Contracts() {
    Fix_Rookie_Contracts(0);
}

void Repair_Draft_Pool_And_Birth_Years() {
    if (Get_User_Preference(CURRENT_SEASON_INDEX) == 0 && Get_Universe_Stat(BASE_YEAR) == 2021 &&
        !Is_College_Draft_Running())
        Create_College_Draft_Pool();
    Repair_Player_Birth_Years();
}

void Set_Settings_65_To_69() {
    for (int n = 65; n <= 69; ++n)
        Set_User_Preference(n, 20);
}

// Older files had no such option. This version's own files carry the one the
// user chose, which a resume keeps.
void Require_Click_After_Each_Play() {
    if (Is_Written_By_This_Version()) return;
    Universe.Header.Require_Click_After_Each_Play = 1;
}

// Some files stored a year in the season index: counted from 1900 (120 is
// 2020) or, rarely, in full. It becomes an index from 1998 again before any
// repair reads the teams' history with it.
void Convert_Year_In_Season_Index() {
    const int season_index = Get_User_Preference(CURRENT_SEASON_INDEX);
    if (season_index < 100) return;
    const int year = season_index >= YEAR_INDEX_BASE ? season_index : season_index + 1900;
    Set_User_Preference(CURRENT_SEASON_INDEX, year - YEAR_INDEX_BASE);
    Universe.Header.Universe_Stats[BASE_YEAR] = YEAR_INDEX_BASE;
    // The index counts the teams' history of 100 seasons: a year more than 99
    // seasons after 1998 is the history's last season, the calendar year kept.
    if (year - YEAR_INDEX_BASE > LAST_HISTORY_SEASON) {
        Set_User_Preference(CURRENT_SEASON_INDEX, LAST_HISTORY_SEASON);
        Universe.Header.Universe_Stats[BASE_YEAR] = year - LAST_HISTORY_SEASON;
    }
}

// The season's record comes from the games it played. In the off-season the
// games held are those of the season that ended, whose record stands in its
// own row: the next season's row stays as it is until that season plays.
void Rebuild_Season_Records() {
    if (Current_Week() == OFF_SEASON_WEEK) return;
    Rebuild_Team_Records_From_Games();
}

// A league in its season without a draft pool gets next year's class now;
// the season's end keeps a pool it finds. (Asking whether a draft runs ends
// a round left open without a pool.)
void Create_Missing_Draft_Pool() {
    if (Count_Draft_Pool_Players() == 0 && !Is_College_Draft_Running() && !Is_Season_Over())
        Create_College_Draft_Pool();
}

// Statistics of season kind 2 belong to the year in setting 237; when hardly
// any receiver has any, they are taken as this league's base year.
void Repair_Statistics_Year() {
    int32_t receivers = 0;
    int32_t with_statistics = 0;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            if (Universe.Teams[team].Players[slot].Vital_Stats[VITAL_POSITION] != POSITION_WR) continue;
            ++receivers;
            if (Get_Player_Stat(team, slot, STATISTICS_SEASON_KIND, STATISTICS_YEAR_STAT) > 0)
                ++with_statistics;
        }
    }
    if (with_statistics * 10 < receivers) Set_User_Preference(STATISTICS_YEAR, Get_Universe_Stat(BASE_YEAR));
}

void Clamp_Wild_Cards() {
    Clamp_Wild_Card_Teams();
}

void Clear_Multi_Season_Simulation() {
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
}

// The fixed order of the repairs. Rows from 2180 on and rows below 2180 never
// meet in one file, so each file runs the rows of its own branch and the
// "always" rows.
const LOAD_REPAIR LOAD_REPAIRS[] = {
    {2180, 3601, Reset_Game_Session_Settings},
    {ALWAYS_FROM, ALWAYS_BELOW, Build_All_Player_Hashes},
    {ALWAYS_FROM, ALWAYS_BELOW, Remove_Invalid_Position_Players},
    {ALWAYS_FROM, 1400, Repair_Player_Ratings},
    {2180, 2502, Create_Draft_Pool_After_Season},
    {ALWAYS_FROM, ALWAYS_BELOW, Set_Season_Line_Recording},
    {2180, 2502, Clear_All_Time_Leaders},
    {2180, 5050, End_College_Draft},
    {2180, 5140, Stop_Computer_Trade_Offers},
    {2180, 6010, Reset_Player_Vital_Stat_6},
    {2180, 6501, Reset_All_Team_Playbooks},
    {2180, 6520, Assign_Historic_Systems_And_Reset_Levels},
    {2180, 6540, Convert_Old_Position_Codes},
    {2180, 6700, Clear_Unplayed_Game_Indices},
    {2180, 7050, Set_Draft_Order_After_Season},
    {2180, 7700, Apply_Rules_And_Convert_Games},
    {2180, 8020, Set_Two_Point_Rule_For_Year},
    {2180, 8030, Turn_On_Auto_Fill_Rosters},
    {2180, 8050, Fix_Corrupt_Salary_Data},
    {2180, 8510, Set_Overtime_Rules_And_Skin},
    // Only converted layouts hold the old player fields; on a later file the
    // draft codes would be multiplied again at every load.
    {2180, 7800, Convert_Old_Player_Fields},
    {2180, ALWAYS_BELOW, Rebuild_Ratings_From_Stats},
    {ALWAYS_FROM, 1101, Set_Modern_Overtime_Rule},
    {ALWAYS_FROM, 1163, Rebuild_Ratings_From_Stats},
    {ALWAYS_FROM, 1210, Repair_Old_Player_Heights},
    {ALWAYS_FROM, 1287, Update_League_Revenue},
    {ALWAYS_FROM, 1306, Load_Fantasy_Draft_State_If_Drafting},
    {ALWAYS_FROM, 1311, Normalize_Player_Ratings},
    {ALWAYS_FROM, 1410, Set_Overtime_Length_For_Year},
    {ALWAYS_FROM, 1491, Reset_Listview_Column_Sets},
    {ALWAYS_FROM, 1507, Repair_Old_Red_Zone_Ratings},
    {ALWAYS_FROM, 1560, Convert_Old_Player_Positions},
    {ALWAYS_FROM, 1600, Download_Photos_And_Logos},
    {ALWAYS_FROM, 1605, Set_Kickoff_And_Missed_Field_Goal_Rules},
    {ALWAYS_FROM, 1691, Reset_League_Abbreviations},
    {ALWAYS_FROM, 1803, Repair_Old_Season},
    {ALWAYS_FROM, 1901, Fix_Old_Rookie_Contracts},
    {ALWAYS_FROM, 1904, Repair_Draft_Pool_And_Birth_Years},
    {ALWAYS_FROM, 1905, Fill_Missing_Heights_And_Weights},
    {ALWAYS_FROM, 2001, Set_Settings_65_To_69},
    {ALWAYS_FROM, 2002, Require_Click_After_Each_Play},
    {ALWAYS_FROM, ALWAYS_BELOW, Clamp_Wild_Cards},
    {ALWAYS_FROM, ALWAYS_BELOW, Create_Missing_Draft_Pool},
    {ALWAYS_FROM, ALWAYS_BELOW, Rebuild_Game_Teams_From_Schedules},
    {ALWAYS_FROM, ALWAYS_BELOW, Rebuild_Season_Records},
    {ALWAYS_FROM, ALWAYS_BELOW, Set_College_Draft_Order},
    {ALWAYS_FROM, ALWAYS_BELOW, Repair_Statistics_Year},
    {ALWAYS_FROM, ALWAYS_BELOW, Clear_Multi_Season_Simulation},
    {ALWAYS_FROM, ALWAYS_BELOW, Rebuild_Season_Records},
    // The marks a file holds count only as the picks it records; settled
    // last, so a player a repair created is marked as the rest.
    {ALWAYS_FROM, ALWAYS_BELOW, Settle_Fantasy_Draft_Marks},
};
} // namespace

void Run_Post_Load_Repairs(int version) {
    // The block was replaced whole: what was derived from the old one no longer
    // describes it.
    Reset_League_Derived_State();
    Forget_Logged_History_Seasons();
    loaded_version = version;
    stored_week = Current_Week();
    // Every repair below, and everything after the load, computes with values
    // in their ranges.
    Bound_Loaded_League();
    Convert_Year_In_Season_Index();
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
    Current_Game = nullptr;
    Set_User_Preference(DAY_RUNNING, 0);
    Set_User_Preference(SIM_TO_QUARTER, 0);
    // The repairs ranked the teams and fixed the draft order in the slots the
    // file had; teams that change slots here are ranked again in theirs, or a
    // second load would rank tied teams otherwise than the first.
    if (Sort_Teams_By_Name() > 0) Set_College_Draft_Order();
    Refresh_Active_Team_Count();
    Build_All_Player_Hashes();
    Set_Draft_Menu_Texts(Get_Universe_Stat(FANTASY_DRAFT_FLAG) >= 1 ? 1 : 0);
    const bool older_file = !Is_Written_By_This_Version();
    // The leaders of another league may be in the slot cache.
    if (older_file) Update_All_Time_Leaders(ATL_RESET_SLOT_CACHE | ATL_UPDATE_CAREER);
    if (older_file) Fill_Missing_Player_Ratings();
    Sanity_Check_Player_IDs();
    if (older_file) Raise_Skill_Position_Speed();
}
