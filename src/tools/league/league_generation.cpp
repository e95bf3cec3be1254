#include "tools/league/league_generation.h"

#include <cstdio>
#include <cstring>

#include "database/cities.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/rating_normalisation.h"
#include "database/roster_slots.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/initial_contracts.h"
#include "personnel/draft_input_files.h"
#include "personnel/draft_order.h"
#include "personnel/typical_season.h"
#include "platform/message_box.h"
#include "season/game_start.h"
#include "season/league_rules.h"
#include "season/schedule_generation.h"
#include "season/week_advance.h"
#include "tools/contract_minimums.h"
#include "tools/draft_class_database.h"
#include "tools/payroll_balance.h"

namespace {
constexpr const char* LEAGUE_NAMES[NUMBER_OF_LEAGUES] = {"AFC", "NFC"};
constexpr const char* DIVISION_NAMES[4] = {"East", "North", "South", "West"};
constexpr int32_t STANDARD_INFLATION = 1000;
constexpr int32_t LAST_SEASON_INDEX = 99;
// Settings a built league database carries (besides the named ones).
constexpr int32_t SETTING_HALL_OF_FAME_VIEW_LEVEL = 24;
constexpr int32_t SETTING_PERFECT_SCOUTING = 53;
constexpr int32_t STANDINGS_VIEW = 40030;

void Name_Conferences_And_Divisions() {
    for (int32_t league = 0; league < NUMBER_OF_LEAGUES; ++league) {
        Set_League_Abbreviation(league, LEAGUE_NAMES[league]);
        for (int32_t division = 0; division < 4; ++division)
            Set_Division_Name(4 * league + division, DIVISION_NAMES[division]);
    }
}

// Payroll a team over the cap is scaled down to.
constexpr int32_t CAP_SHARE_PERCENT = 99;

void Keep_Payrolls_Under_Cap() {
    const int64_t cap = Get_Universe_Stat(SALARY_CAP);
    for (int32_t team = 0; team < Count_Active_Teams(); ++team)
        if (static_cast<int64_t>(Get_Team_Financial_Stat(team, FINANCE_PAYROLL)) * 1000 > cap)
            Scale_Team_Payroll(team, cap * CAP_SHARE_PERCENT / 100);
}

void Clear_Team_Yearly_History() {
    for (TEAM_RECORD& team : Universe.Teams) {
        std::memset(team.Yearly_Chars, 0, sizeof team.Yearly_Chars);
        std::memset(team.Yearly_Ints, 0, sizeof team.Yearly_Ints);
    }
}
} // namespace

bool Read_Installed_Cities(std::string* error) {
    FILE* file = Open_Resolved_File(CITIES_FILE_NAME, "r");
    if (file == nullptr) {
        *error = std::string("cannot open ") + CITIES_FILE_NAME;
        return false;
    }
    static CITY_RECORD cities[MAX_CITIES];
    char reason[512] = "";
    const int32_t count = Read_Cities_File(file, cities, reason, sizeof reason);
    fclose(file);
    if (count <= 0) {
        *error = std::string(CITIES_FILE_NAME) + ": " + (count < 0 ? reason : "no cities");
        return false;
    }
    for (int32_t n = 0; n < MAX_CITIES; ++n)
        Universe.Cities[n] = cities[n];
    Compact_Cities();
    Sort_Cities();
    return true;
}

bool Found_League(int32_t year, const std::vector<FRANCHISE_ROW>& rows, std::string* error) {
    Clear_Universe();
    if (!Read_Installed_Cities(error)) return false;
    Universe.Header.Universe_Stats[BASE_YEAR] = year;
    Universe.Header.Universe_Stats[INFLATION_FACTOR] = STANDARD_INFLATION;
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Set_User_Preference(CURRENT_WEEK, 0);
    Name_Conferences_And_Divisions();
    Apply_League_Rules_For_Year();
    Load_Draft_Talent();
    Load_Draft_Strategy();
    if (!Add_Table_Franchises(rows, error)) return false;
    Set_All_Teams_Computer_Controlled();
    Build_All_Player_Hashes();
    Calculate_Player_Contracts();
    Set_All_Typical_Seasons();
    Set_Projected_Draft_Order();
    Start_Game(0);
    return true;
}

bool Simulate_Until_Season(int32_t year, std::string* error) {
    while (Get_Current_Year() < year || Get_User_Preference(CURRENT_WEEK) != 0) {
        const int32_t before = Get_User_Preference(CURRENT_SEASON_INDEX);
        const int32_t week = Get_User_Preference(CURRENT_WEEK);
        if (before >= LAST_SEASON_INDEX) {
            *error = "the league ran out of season indices";
            return false;
        }
        Simulate_Seasons(1);
        Clear_Shown_Messages();
        if (Get_User_Preference(CURRENT_SEASON_INDEX) == before &&
            Get_User_Preference(CURRENT_WEEK) == week) {
            *error = "the calendar stopped moving in " + std::to_string(Get_Current_Year());
            return false;
        }
    }
    return true;
}

void Set_All_Typical_Seasons() {
    For_Each_League_Player(Calculate_Typical_Season_From_Ratings);
}

void Make_Season_Database() {
    const int32_t year = Get_Current_Year();
    Universe.Header.Universe_Stats[BASE_YEAR] = year;
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Set_User_Preference(CURRENT_WEEK, 0);
    Clear_Team_Yearly_History();
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
    Set_User_Preference(SIMULATION_RUNNING, 0);
    Set_User_Preference(SHOWN_GAME_INDEX, -1);
    Universe.Header.Universe_Stats[FANTASY_DRAFT_FLAG] = 0;
    Apply_League_Rules_For_Year();
    Store_Universe_Stat(SALARY_CAP, Get_Season_Salary_Cap(year));
    // Contracts signed in earlier seasons are brought up to this season's
    // minimums, as a built database's are, without breaking the cap.
    Raise_Salaries_To_Minimum();
    Fix_Contract_Minimums();
    Keep_Payrolls_Under_Cap();

    // What a built database holds: team 0 under the user's control, the
    // commissioner on, the standings shown.
    Set_All_Teams_Computer_Controlled();
    Set_Team_Stat(0, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Team(0);
    Set_User_Preference(VIEWED_TEAM, 0);
    Set_User_Preference(AUTO_SAVE, 1);
    Set_User_Preference(AUTO_FILL_ROSTERS, 1);
    Set_User_Preference(COMMISSIONER_MODE, 1);
    Set_User_Preference(SETTING_PERFECT_SCOUTING, 1);
    Set_User_Preference(SHOWN_LEAGUE, 1);
    Set_User_Preference(DIFFICULTY_LEVEL, 0);
    Set_User_Preference(SETTING_HALL_OF_FAME_VIEW_LEVEL, 0);
    Set_User_Preference(CURRENT_VIEW, STANDINGS_VIEW);

    Update_Standings();
    Set_Projected_Draft_Order();
    Auto_Set_All_Depth_Charts(0);
    Generate_Season_Schedule();
    Build_All_Player_Hashes();
    // Loading the file makes these repairs; made now, they leave nothing to
    // change the ratings the typical seasons come from.
    Fill_Missing_Player_Ratings();
    Raise_Skill_Position_Speed();
    Set_All_Typical_Seasons();
}

bool Generate_Default_League(const std::vector<LEAGUE_FILE>& files, const std::string& installation,
                             int32_t years_before, uint32_t seed, std::string* error,
                             void (*log)(const char* line)) {
    if (files.empty()) return true;
    std::vector<std::vector<FRANCHISE_ROW>> tables(files.size());
    for (size_t f = 0; f < files.size(); ++f)
        if ((f == 0 || files[f].Has_Table) &&
            !Read_Franchise_Table(Get_Franchise_Table_Name(files[f].Year), &tables[f], error))
            return false;

    Seed_Random_Numbers(seed);
    if (!Found_League(files[0].Year - years_before, tables[0], error)) return false;
    for (size_t f = 0; f < files.size(); ++f) {
        for (int32_t year = Get_Current_Year() + 1; year <= files[f].Year; ++year) {
            if (!Simulate_Until_Season(year, error)) return false;
            if (log != nullptr) {
                char line[128];
                std::snprintf(line, sizeof line, "season %d set up", year);
                log(line);
            }
        }
        if (files[f].Has_Table && !Lay_Franchise_Table(tables[f], tables[0], error)) return false;
        // The season goes on from here for the next file, so the league is
        // saved from a copy.
        static UNIVERSE_STATE kept;
        std::memcpy(&kept, &Universe, sizeof kept);
        Make_Season_Database();
        const std::string path = installation + "/" + files[f].File_Name;
        int saved = Save_Game(path.c_str(), nullptr);
        if (saved == SAVE_OK && files[f].Class_File_Name != nullptr) {
            static PLAYER_RECORD records[DRAFT_CLASS_RECORDS];
            Gather_Draft_Class(records);
            const std::string class_path = installation + "/" + files[f].Class_File_Name;
            if (Write_Draft_Class_File(class_path.c_str(), records) != 0) saved = SAVE_WRITE_FAILED;
        }
        std::memcpy(&Universe, &kept, sizeof kept);
        Refresh_Active_Team_Count();
        Build_All_Player_Hashes();
        if (saved != SAVE_OK) {
            *error = "cannot write " + path;
            return false;
        }
    }
    return true;
}
