#include "tools/season_database.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/diagnostics.h"
#include "app/main_window_dc.h"
#include "app/progress_window.h"
#include "app/window_graphics.h"
#include "database/city_record_layout.h"
#include "database/historical_norms.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_entries.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/rating_normalisation.h"
#include "database/roster_slots.h"
#include "database/saved_game.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_balance.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "database/text_files.h"
#include "database/universe.h"
#include "dialogs/session_settings.h"
#include "frontoffice/contract_repairs.h"
#include "frontoffice/depth_charts.h"
#include "personnel/draft_order.h"
#include "personnel/draft_picks.h"
#include "personnel/predicted_stats.h"
#include "platform/message_box.h"
#include "reports/ratings_export.h"
#include "season/all_time_leaders.h"
#include "season/game_start.h"
#include "season/league_rules.h"
#include "season/new_universe.h"
#include "season/schedule_generation.h"
#include "tools/all_time_leaders_file.h"
#include "tools/contract_minimums.h"
#include "tools/draft_class_database.h"
#include "tools/league_history_totals.h"
#include "tools/league_input_files.h"
#include "tools/offensive_line_stats.h"
#include "tools/old_player_conversion.h"
#include "tools/playbook_import.h"
#include "tools/player_ratings_file.h"
#include "tools/ratings_rebuild.h"
#include "tools/roster_import.h"
#include "tools/season_contracts.h"
#include "tools/season_line_checks.h"
#include "tools/season_ratings.h"
#include "tools/seasons_csv.h"
#include "tools/stats_input.h"
#include "tools/team_records_csv.h"

namespace {
constexpr int32_t FIRST_SALARY_FILE_YEAR = 2015;
constexpr int32_t MODERN_SEASON = 2022;
constexpr int32_t FIRST_OVERTIME_SEASON = 1974;
constexpr int32_t FIRST_THIRD_PLAYOFF_OVERTIME_SEASON = 2010;
constexpr int32_t FIRST_REGULAR_OVERTIME_RULE_SEASON = 2013;
constexpr int32_t FIRST_CHAMPIONSHIP_ROUND_SEASON = 1966;
constexpr int32_t LAST_PRE_1990_SEASON = 1989;
constexpr int32_t YOUNGEST_PLAYER_AGE = 17;
constexpr int32_t OLDEST_PLAYER_AGE = 50;
constexpr int32_t MOST_CREDITED_SEASONS = 30;
constexpr int32_t STANDINGS_VIEW = 40030;
constexpr int32_t PROGRESS_RANGE = 100;
constexpr int32_t SETTING_DIFFICULTY_VIEW = 24;
constexpr int32_t SETTING_35 = 35;
constexpr int32_t SETTING_40 = 40;
constexpr int32_t SETTING_PERFECT_SCOUTING = 53;
constexpr int32_t SETTING_64 = 64;
constexpr int32_t SETTING_70 = 70;
constexpr int32_t SETTING_SECOND_COLOURS = 201;
constexpr int32_t UNIVERSE_STAT_5 = 5;
constexpr const char* SHIPPED_LEAGUE = "Databases/Universe-2019.dat";
constexpr const char* DOUBLE_NAMES_REPORT = "output/roster-doubles.txt";
constexpr const char* UNKNOWN_NAMES_REPORT = "output/roster-unknowns.txt";
constexpr const char* CLASS_COUNTS_FILE = "Draft-Class-Rookies.csv";

// What the starts of the built leagues would have told of their draft
// classes, told once the builds are over.
std::vector<std::string> Class_Messages;

int32_t Build_Year() {
    return Get_Universe_Stat(BASE_YEAR);
}

void Step() {
    Step_Progress(1);
}

void Start_Name_Report(const char* name, const char* heading) {
    Delete_File(name);
    Create_File_Folder(name);
    Append_Line_To_File(name, heading);
}

// The league loaded before the build, put back when the build stops.
struct KEPT_LEAGUE {
    std::unique_ptr<uint8_t[]> Block;

    void Keep() {
        Block.reset(new uint8_t[UNIVERSE_SIZE]);
        memcpy(Block.get(), Universe_Bytes(), UNIVERSE_SIZE);
    }
    void Put_Back() const {
        memcpy(Universe_Bytes(), Block.get(), UNIVERSE_SIZE);
        Reset_Season_Line_Hint();
        Refresh_Active_Team_Count();
        Build_All_Player_Hashes();
    }
};

// Writes the database and the class under staging names, then gives both
// their names; on any failure neither old file is touched.
bool Save_Database_And_Class(int32_t year, const PLAYER_RECORD* records) {
    char database[64], class_file[64];
    snprintf(database, sizeof database, "databases/universe-%d.dat", year);
    snprintf(class_file, sizeof class_file, "databases/rookies-%d.dat", year);
    Create_File_Folder(database);
    const std::string database_path = Resolve_File_Path(database);
    const std::string class_path = Resolve_File_Path(class_file);
    const std::string staged_database = database_path + ".new";
    const std::string staged_class = class_path + ".new";
    // The system's reason for the first step that failed (a full disk, a
    // folder without write permission), for the log.
    std::error_code failure;
    errno = 0;
    bool saved = Save_Game(staged_database.c_str(), nullptr) == SAVE_OK;
    if (saved) saved = Write_Draft_Class_File(staged_class.c_str(), records) == 0;
    if (!saved) failure.assign(errno, std::generic_category());
    if (saved) {
        std::filesystem::rename(staged_class, class_path, failure);
        saved = !failure;
    }
    if (saved) {
        std::filesystem::rename(staged_database, database_path, failure);
        saved = !failure;
    }
    const std::string reason = failure ? failure.message() : "no reason given";
    std::error_code ignored;
    std::filesystem::remove(staged_database, ignored);
    std::filesystem::remove(staged_class, ignored);
    if (!saved)
        Report_System_Error("Unable to save the %d season database and its draft class: %s", year,
                            reason.c_str());
    return saved;
}
} // namespace

void Remove_Unplayable_Players() {
    const int32_t year = Get_Current_Year();
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const PLAYER_RECORD* player = Get_Player_Record_Pointer(team, slot);
            const int32_t age = year - player->Vital_Stats[VITAL_BIRTH_DATE] / 10000;
            const bool unplayable =
                team < MAX_FRANCHISES && (age > OLDEST_PLAYER_AGE || age < YOUNGEST_PLAYER_AGE);
            const bool nameless = player->First_Name[0] == '\0' && player->Last_Name[0] == '\0';
            if (!unplayable && !nameless) continue;
            Erase_Player(team, slot);
        }
        if (Is_Valid_Team_Code(team)) Compact_Team_Roster(team);
    }
}

void Set_Credited_Seasons_From_Lines() {
    // The free agents and the Hall of Fame too: a veteran without a team has
    // played his seasons all the same.
    For_Each_League_Player(
        [](int32_t team, int32_t slot) {
            Set_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS,
                                  std::min(Count_NFL_Seasons(team, slot), MOST_CREDITED_SEASONS));
        },
        0, HALL_OF_FAME_TEAM);
}

void Delete_Future_Season_Lines() {
    const int32_t year = Build_Year();
    For_Each_League_Player([year](int32_t team, int32_t slot) {
        for (int32_t n = NUMBER_OF_SEASON_LINE_LINKS - 1; n >= 0; --n) {
            const int32_t line = Get_Player_Season_Line(team, slot, n);
            if (line != NO_SEASON_LINE && Get_Season_Line_Year(line) >= year)
                Delete_Player_Season_Line(team, slot, n);
        }
    });
}

void Rebuild_All_Season_Totals() {
    const int32_t year = Build_Year();
    For_Each_League_Player([year](int32_t team, int32_t slot) {
        for (int32_t season : {SEASON_CAREER, SEASON_THIS, SEASON_LAST})
            Clear_Player_Season_Stats(team, slot, season);
        for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
            const int32_t line = Get_Player_Season_Line(team, slot, n);
            if (line == NO_SEASON_LINE) break;
            const int32_t line_year = Get_Season_Line_Year(line);
            for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat) {
                const int32_t value = Get_Season_Line_Stat(line, stat);
                // A kicker's longest kicks are the longest of his lines.
                auto add = [&](int32_t season) {
                    Set_Player_Stat(team, slot, season, stat,
                                    Join_Season_Figure(team, slot, stat,
                                                       Get_Player_Stat(team, slot, season, stat), value));
                };
                add(SEASON_CAREER);
                Accumulate_League_History_Totals(team, slot, line_year, stat, value);
                if (line_year == year) add(SEASON_THIS);
                if (line_year == year - 1) add(SEASON_LAST);
            }
        }
    });
}

void Init_Built_Season_Settings() {
    const int32_t year = Build_Year();
    Refresh_Active_Team_Count();
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Set_User_Preference(CURRENT_WEEK, 0);
    Set_User_Preference(SHOWN_GAME_INDEX, -1);
    Set_User_Preference(SETTING_35, 0);
    Set_User_Preference(SETTING_40, 3);
    Reset_Listview_Column_Sets();
    Set_User_Preference(DRAFT_ROUND, 7);
    Set_User_Preference(DRAFT_PICK, Count_Active_Teams());
    Set_User_Preference(REGULAR_SEASON_OVERTIME_FLAG, year >= FIRST_OVERTIME_SEASON ? 1 : 0);
    Set_User_Preference(PLAYOFF_OVERTIME_RULE, year >= FIRST_THIRD_PLAYOFF_OVERTIME_SEASON ? 3 : 2);
    Set_User_Preference(REGULAR_SEASON_OVERTIME_RULE, year >= FIRST_REGULAR_OVERTIME_RULE_SEASON ? 1 : 0);
    Reset_Draft_Pick_Ownership();
    Set_User_Preference(SIMULATION_RUNNING, 0);
    Set_User_Preference(GAME_SAVED_MIDWAY, 0);
    Set_User_Preference(SETTING_64, 50);
    Set_User_Preference(SETTING_70, 20000);
    for (int32_t n = SETTING_64 + 1; n < SETTING_70; ++n)
        Set_User_Preference(n, 20);
    Set_User_Preference(COMMISSIONER_MODE, 1);
    Set_User_Preference(FIRST_NAME_LINE_COUNT, Count_File_Lines("names\\first.txt"));
    Set_User_Preference(LAST_NAME_LINE_COUNT, Count_File_Lines("names\\last.txt"));
    Universe.Header.Universe_Stats[FANTASY_DRAFT_FLAG] = 0;
    Universe.Header.Universe_Stats[UNIVERSE_STAT_5] = 0;
    Universe.Header.Universe_Stats[DATABASE_BUILD_FLAG] = 0;
    Store_Universe_Stat(SALARY_CAP, Get_Season_Salary_Cap(year));
    Universe.Header.Championship_Round_Flag = year >= FIRST_CHAMPIONSHIP_ROUND_SEASON ? 1 : 0;
    Universe.Header.Pre_1990_Playoff_Flag = year <= LAST_PRE_1990_SEASON ? 1 : 0;
    Apply_League_Rules_For_Year();
    for (int32_t setting :
         {SETTING_SECOND_COLOURS, static_cast<int32_t>(AUTO_OUTPUT_STANDINGS),
          static_cast<int32_t>(AUTO_OUTPUT_AWARDS), static_cast<int32_t>(AUTO_OUTPUT_FINANCES)})
        Set_User_Preference(setting, 1);
    Update_Standings();
    Set_Projected_Draft_Order();
    Reset_Player_Vital_Stat_6();
}

bool Build_Season_Database() {
    const int32_t year = Build_Year();
    char caption[64];
    snprintf(caption, sizeof caption, "Building %d Database...", year);
    const bool opened = Open_Progress_Window(caption, PROGRESS_RANGE) != 0;
    auto stop = [opened]() {
        if (opened) Close_Progress_Window();
        return false;
    };

    static CITY_RECORD cities[MAX_CITIES];
    memcpy(cities, Universe.Cities, sizeof cities);
    Clear_Universe();
    Universe.Header.Universe_Stats[BASE_YEAR] = year;
    memcpy(Universe.Cities, cities, sizeof cities);
    Step();
    if (!Load_League_Names_CSV() || Have_Stats_Inputs_Failed()) return stop();
    Step();
    if (!Load_Teams_CSV() || Have_Stats_Inputs_Failed()) return stop();
    Sort_Teams_By_Name();
    Step();
    Init_Built_Season_Settings();
    Step_Progress(10);
    if (!Read_Rosters_CSV(year) || Have_Stats_Inputs_Failed()) {
        Fail_Stats_Inputs();
        return stop();
    }
    if (!Load_Players_CSV() || Have_Stats_Inputs_Failed()) return stop();
    Remove_Unplayable_Players();
    Step();
    Fix_Joined_First_Names();
    Step();
    if (Load_Seasons_CSV(0) == 0 || Have_Stats_Inputs_Failed()) return stop();
    if (year >= FIRST_SALARY_FILE_YEAR)
        Load_Salaries_CSV();
    else
        Step_Progress(7);
    if (Have_Stats_Inputs_Failed()) return stop();
    Raise_Salaries_To_Minimum();
    Step();
    Reset_Player_Default_Fields();
    Complete_All_Predicted_Stats(year == MODERN_SEASON ? 25 : 51);
    Step();
    Set_All_Ratings_From_Stats();
    Age_Adjust_All_Ratings();
    Step();
    if (year == MODERN_SEASON) Set_Rookie_Ratings_By_Pick();
    Rescale_Prospect_Ratings();
    Step();
    char ratings_file[64];
    snprintf(ratings_file, sizeof ratings_file,
             Get_Replay_Mode() != 0 && year < MODERN_SEASON
                 ? "Input/Ratings/Replay/%d_Player_Ratings.csv"
                 : "Input/Ratings/Simulation/%d_Player_Ratings.csv",
             year);
    const bool ratings_read = Load_Player_Ratings_File(0, ratings_file) != 0;
    Step();
    Load_Combine_Results_CSV();
    Step_Progress(5);
    if (Have_Stats_Inputs_Failed()) return stop();
    Delete_Future_Season_Lines();
    Rebuild_All_Season_Totals();
    Complete_All_Kicker_Stats();
    Step();
    Fill_Offensive_Line_Stats();
    Set_Credited_Seasons_From_Lines();
    Fix_Contract_Minimums();
    Step();
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            Clear_Player_Season_Stats(team, slot, SEASON_THIS);
    Step();
    Sort_All_Season_Lines();
    Reset_Current_Season_Line_Links();
    Load_Team_Records_CSV();
    if (Have_Stats_Inputs_Failed()) return stop();
    Step();
    if (!ratings_read) {
        Normalize_Player_Ratings();
        if (year == MODERN_SEASON) Set_Rookie_Ratings_By_Pick();
    }
    Step();
    Auto_Set_All_Depth_Charts(0);
    Calibrate_Team_Ratings();
    Reset_Game_Session_Settings();
    Generate_Season_Schedule();
    Step();
    Set_User_Preference(AUTO_SAVE, 1);
    Set_User_Preference(VIEWED_TEAM, 0);
    Set_User_Preference(AUTO_FILL_ROSTERS, 1);
    Set_User_Preference(COMMISSIONER_MODE, 1);
    Set_User_Preference(SHOWN_LEAGUE, 1);
    Set_Team_Stat(0, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Team(0);
    Set_User_Preference(DIFFICULTY_LEVEL, 0);
    Set_User_Preference(SETTING_DIFFICULTY_VIEW, 0);
    Step();
    Reset_Player_Vital_Stat_6();
    Assign_Team_Playbooks();
    Assign_Historic_Defensive_Systems();
    Reset_Team_Strength_Levels();
    Fix_Rookie_Contracts(1);
    Step();
    if (year < FIRST_SALARY_FILE_YEAR) Set_Pre_Cap_Salaries();
    Load_Cap_Room_CSV();
    if (Have_Stats_Inputs_Failed()) return stop();
    if (opened) Close_Progress_Window();

    int32_t& building = Universe.Header.Universe_Stats[DATABASE_BUILD_FLAG];
    const int32_t kept = building;
    building = 1;
    // The league starts with the class of its coming draft; what its start
    // would tell of a missing class is told when the build is over.
    Set_Draft_Class_Message_Sink(&Class_Messages);
    Start_Game(0);
    Set_Draft_Class_Message_Sink(nullptr);
    building = kept;
    Set_User_Preference(CURRENT_VIEW, STANDINGS_VIEW);
    Set_Last_Painted_View(-1);
    Redraw_Main_Window();
    return true;
}

namespace {
void Tell_Class_Messages() {
    if (Class_Messages.empty()) return;
    std::string text;
    for (const std::string& line : Class_Messages)
        text += (text.empty() ? "" : "\n") + line;
    Class_Messages.clear();
    Show_Formatted_Message(GENERATING_ROOKIES_CAPTION, "%s", text.c_str());
}

// One season as Create_Season_Database builds it, its class messages kept
// for the caller to tell; a build that stops keeps none.
bool Build_And_Save_Season(int32_t year) {
    year = std::clamp(year, FIRST_DATABASE_YEAR, LAST_DATABASE_YEAR);
    KEPT_LEAGUE kept;
    kept.Keep();
    Begin_Stats_Input_Checks();
    Clear_League_History_Totals(year - 1);
    Start_Name_Report(DOUBLE_NAMES_REPORT, "Names found twice in game database:\n\n");
    Start_Name_Report(UNKNOWN_NAMES_REPORT, "Names not found in game database:\n\n");
    const size_t told_before = Class_Messages.size();
    auto fail = [&kept, told_before]() {
        End_Stats_Input_Checks();
        kept.Put_Back();
        Class_Messages.resize(told_before);
        return false;
    };
    if (Load_Game(SHIPPED_LEAGUE) != 1) return fail();
    Universe.Header.Universe_Stats[BASE_YEAR] = year;
    if (!Build_Season_Database()) return fail();
    Remove_Invalid_Position_Players();
    Fill_Missing_Heights_And_Weights();
    Load_All_Time_Leaders_File();
    Update_All_Time_Leaders(ATL_RESET_SLOT_CACHE | ATL_UPDATE_CAREER);
    Read_Personnel_CSV();
    Auto_Set_All_Depth_Charts(0);
    Update_Team_Strength_Levels();
    if (!Check_Career_Totals(SEASONS_CSV_NAME) || Have_Stats_Inputs_Failed()) return fail();
    Balance_Built_Season_Payrolls();
    std::unique_ptr<PLAYER_RECORD[]> records(new PLAYER_RECORD[DRAFT_CLASS_RECORDS]);
    const int32_t rookies = Gather_Draft_Class(records.get());
    Set_User_Preference(SETTING_PERFECT_SCOUTING, 1);
    Set_User_Preference(COMMISSIONER_MODE, 1);
    if (!Save_Database_And_Class(year, records.get())) return fail();
    End_Stats_Input_Checks();
    Append_Formatted_Line_To_File(CLASS_COUNTS_FILE, "%d,%d", year, rookies);
    Export_Player_Ratings_CSV(RATINGS_ALL_POSITIONS, Get_Current_Year());
    return true;
}
} // namespace

bool Create_Season_Database(int32_t year) {
    const bool saved = Build_And_Save_Season(year);
    Tell_Class_Messages();
    return saved;
}

bool Create_Historical_Databases(int32_t first_year, int32_t last_year) {
    bool all = true;
    for (int32_t year = first_year; year <= last_year; ++year)
        all = Build_And_Save_Season(year) && all;
    Write_Historical_Stats_Report();
    Tell_Class_Messages();
    return all;
}

bool Create_All_Historical_Databases() {
    return Create_Historical_Databases(FIRST_DATABASE_YEAR, MODERN_SEASON - 1);
}
