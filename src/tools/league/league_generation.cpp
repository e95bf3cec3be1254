#include "tools/league/league_generation.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "database/cities.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/playoff_bracket.h"
#include "database/random_numbers.h"
#include "database/rating_normalisation.h"
#include "database/roster_slots.h"
#include "database/saved_game.h"
#include "database/season_lines.h"
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
#include "personnel/player_development.h"
#include "personnel/player_retirement.h"
#include "personnel/typical_season.h"
#include "platform/message_box.h"
#include "season/game_start.h"
#include "season/league_rules.h"
#include "season/schedule_generation.h"
#include "season/season_calendar.h"
#include "season/week_advance.h"
#include "tools/contract_minimums.h"
#include "tools/draft_class_database.h"
#include "tools/payroll_balance.h"
#include "tools/season_database.h"

namespace {
constexpr const char* LEAGUE_NAMES[NUMBER_OF_LEAGUES] = {"AFC", "NFC"};
constexpr const char* DIVISION_NAMES[4] = {"East", "North", "South", "West"};
constexpr int32_t STANDARD_INFLATION = 1000;
constexpr int32_t LAST_SEASON_INDEX = 99;
constexpr int32_t OFF_SEASON_WEEK = 100;
// Weeks asked of each advance: the calendar stops at the end of the regular
// season and at every playoff round, as a multi-season simulation's do.
constexpr int32_t ADVANCE_WEEKS = 22;
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

// A person by name and birth date.
std::string Person_Key(const PLAYER_RECORD& player) {
    return std::string(player.First_Name, strnlen(player.First_Name, sizeof player.First_Name)) + "|" +
           std::string(player.Last_Name, strnlen(player.Last_Name, sizeof player.Last_Name)) + "|" +
           std::to_string(player.Vital_Stats[VITAL_BIRTH_DATE]);
}

// The people of the franchises and free agents.
std::set<std::string> League_People() {
    std::set<std::string> people;
    For_Each_League_Player(
        [&people](int32_t team, int32_t slot) {
            people.insert(Person_Key(*Get_Player_Record_Pointer(team, slot)));
        },
        0, FREE_AGENT_TEAM);
    return people;
}

// The draft class of the league in memory: its players who have not played
// a game and whom the league of the season before did not hold. The
// league's players were all made by the game, which the class files of
// built seasons know as players of the input files.
void Gather_Season_Class(PLAYER_RECORD* records, const std::set<std::string>& people_before) {
    For_Each_League_Player(
        [](int32_t team, int32_t slot) { Set_Player_Vital_Stat(team, slot, VITAL_GENERATED_PLAYER, 0); }, 0,
        MAX_FRANCHISES - 1);
    Gather_Draft_Class(records);
    int32_t kept = 0;
    for (int32_t n = 0; n < DRAFT_CLASS_RECORDS; ++n) {
        if (records[n].Vital_Stats[VITAL_PLAYER_ID] == 0 || people_before.count(Person_Key(records[n])) != 0)
            continue;
        if (kept != n) records[kept] = records[n];
        ++kept;
    }
    for (int32_t n = kept; n < DRAFT_CLASS_RECORDS; ++n)
        std::memset(&records[n], 0, sizeof records[n]);
}

// A franchise's yearly history rows.
struct TEAM_YEARLY_ROWS {
    decltype(TEAM_RECORD::Yearly_Chars) Chars;
    decltype(TEAM_RECORD::Yearly_Ints) Ints;
};

void Keep_Team_Yearly_Rows(TEAM_YEARLY_ROWS* rows) {
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        std::memcpy(rows[team].Chars, Universe.Teams[team].Yearly_Chars, sizeof rows[team].Chars);
        std::memcpy(rows[team].Ints, Universe.Teams[team].Yearly_Ints, sizeof rows[team].Ints);
    }
}

void Put_Back_Team_Yearly_Rows(const TEAM_YEARLY_ROWS* rows) {
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        std::memcpy(Universe.Teams[team].Yearly_Chars, rows[team].Chars, sizeof rows[team].Chars);
        std::memcpy(Universe.Teams[team].Yearly_Ints, rows[team].Ints, sizeof rows[team].Ints);
    }
}

// Plays the season in memory up to its champion as a multi-season
// simulation does, week by week; the off-season is left for the next
// advance. Where the playoffs start, `at_regular_season_end` is asked once,
// and the season stops when it answers false (with its reason in `error`).
// False when the calendar stops moving first, or then.
bool Play_Until_Champion(std::string* error, const std::function<bool()>& at_regular_season_end) {
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    bool moving = true, regular_season = Get_User_Preference(CURRENT_WEEK) < Get_Playoff_Start_Week();
    bool sound = true;
    while (moving && sound && !Is_Champion_Decided()) {
        const int32_t week = Get_User_Preference(CURRENT_WEEK);
        Advance_Weeks(ADVANCE_WEEKS);
        Clear_Shown_Messages();
        moving = Get_User_Preference(CURRENT_WEEK) != week;
        if (regular_season && Get_User_Preference(CURRENT_WEEK) >= Get_Playoff_Start_Week()) {
            regular_season = false;
            sound = at_regular_season_end();
        }
    }
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
    if (!moving) *error = "the calendar stopped moving in " + std::to_string(Get_Current_Year());
    return moving && sound;
}

// The automatic save at each season's end names the league; the files
// written from it carry no saved-game name, as before any game was saved.
void Clear_Saved_Game_Name() {
    std::memset(Universe.Header.Saved_Game_Name, 0, sizeof Universe.Header.Saved_Game_Name);
}

void Clear_Team_Yearly_History() {
    for (TEAM_RECORD& team : Universe.Teams) {
        std::memset(team.Yearly_Chars, 0, sizeof team.Yearly_Chars);
        std::memset(team.Yearly_Ints, 0, sizeof team.Yearly_Ints);
    }
}
} // namespace

bool Is_Value_Kept_In_Line(int32_t position) {
    if (position < 0 || position >= NUMBER_OF_POSITIONS) return false;
    const int32_t group = Get_Position_Group(position);
    return group == 1 || group == 2;
}

int32_t Get_Played_Line_Value(int32_t line) {
    return Get_Played_Season_Value(Get_Season_Line_Stat(line, 0), Get_Season_Line_Stat(line, 1));
}

int32_t Get_Played_Season_Value(int32_t games, int32_t starts) {
    return std::max(1, (2 * starts + games) / 4);
}

bool Is_Played_Season_Line(int32_t line) {
    return Get_Season_Line_Stat(line, 0) > 0;
}

void Drop_Unplayed_Season_Lines(int32_t year) {
    For_Each_League_Player([year](int32_t team, int32_t slot) {
        for (int32_t n = NUMBER_OF_SEASON_LINE_LINKS - 1; n >= 0; --n) {
            const int32_t line = Get_Player_Season_Line(team, slot, n);
            if (line == NO_SEASON_LINE || Get_Season_Line_Kind(line) < 0) continue;
            // A line of the database's own season (or later) is one the game
            // opened for a player who joined a team since the last season
            // ended; a game started on the file opens his line of the season
            // as he plays, and would show this one, empty, above it.
            if (Get_Season_Line_Year(line) < year && Is_Played_Season_Line(line)) continue;
            // His totals stay the sums of his lines should a stray figure stand in it.
            for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat) {
                const int32_t value = Get_Season_Line_Stat(line, stat);
                if (value == 0 || Is_Longest_Kick_Stat(team, slot, stat)) continue;
                for (const int32_t season : {SEASON_CAREER, SEASON_LAST}) {
                    if (season == SEASON_LAST && Get_Season_Line_Year(line) != year - 1) continue;
                    Set_Player_Stat(team, slot, season, stat,
                                    Get_Player_Stat(team, slot, season, stat) - value);
                }
            }
            Delete_Player_Season_Line(team, slot, n);
        }
    });
}

void Drop_League_College_Lines() {
    For_Each_League_Player(
        [](int32_t team, int32_t slot) {
            bool dropped = false;
            for (int32_t n = NUMBER_OF_SEASON_LINE_LINKS - 1; n >= 0; --n) {
                const int32_t line = Get_Player_Season_Line(team, slot, n);
                if (line == NO_SEASON_LINE || Get_Season_Line_Kind(line) >= 0) continue;
                Delete_Player_Season_Line(team, slot, n);
                dropped = true;
            }
            if (!dropped) return;
            // Reading a kicker's career long stores the longest of the
            // seasons he has left.
            for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
                if (Is_Longest_Kick_Stat(team, slot, stat)) Get_Player_Stat(team, slot, SEASON_CAREER, stat);
        },
        0, HALL_OF_FAME_TEAM);
}

void Keep_Played_Line_Values(int32_t year) {
    For_Each_League_Player([year](int32_t team, int32_t slot) {
        if (!Is_Value_Kept_In_Line(Get_Player_Vital_Stat(team, slot, VITAL_POSITION))) return;
        for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
            const int32_t line = Get_Player_Season_Line(team, slot, n);
            if (line == NO_SEASON_LINE || Get_Season_Line_Year(line) != year ||
                Get_Season_Line_Kind(line) < 0 || Get_Season_Line_Stat(line, 0) <= 0 ||
                Get_Season_Line_Stat(line, SEASON_LINE_VALUE_STAT) != 0)
                continue;
            const int32_t value = Get_Played_Line_Value(line);
            Set_Season_Line_Stat(line, SEASON_LINE_VALUE_STAT, value);
            for (const int32_t season : {SEASON_CAREER, SEASON_LAST}) {
                if (season == SEASON_LAST && year != Get_Current_Year() - 1) continue;
                Set_Player_Stat(team, slot, season, SEASON_LINE_VALUE_STAT,
                                Get_Player_Stat(team, slot, season, SEASON_LINE_VALUE_STAT) + value);
            }
        }
    });
}

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

bool Continue_History_League(const std::string& file, int32_t year, std::string* error) {
    if (Load_Game(file.c_str()) != 1) {
        *error = "cannot load " + file;
        return false;
    }
    if (Get_Current_Year() > year || Get_User_Preference(CURRENT_WEEK) != 0) {
        *error = file + " is not a league at the start of a season up to " + std::to_string(year);
        return false;
    }
    // The history drew its college classes itself; the league from here
    // drafts as a league of the installation does.
    Universe.Header.Fictional_Players_Flag = 0;
    Set_All_Teams_Computer_Controlled();
    Clear_Shown_Messages();
    return true;
}

namespace {
// A player who left the league while the season was under way (a pool too
// full for him retires him): his record and his lines of the season, which
// leaving deleted, though his teams' figures still count what he did.
struct LEFT_PLAYER {
    PLAYER_RECORD Record;
    std::vector<SEASON_LINE> Lines;
};
std::vector<LEFT_PLAYER> Left_During_Season;

void Keep_Leaving_Player(int32_t id) {
    PLAYER_LOCATION at{};
    if (Lookup_Player_ID_Hash(&at, id) == 0) return;
    const int32_t year = Get_Current_Year();
    LEFT_PLAYER left{*Get_Player_Record_Pointer(at.Team, at.Slot), {}};
    for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
        const int32_t line = Get_Player_Season_Line(at.Team, at.Slot, n);
        if (line != NO_SEASON_LINE && Get_Season_Line_Year(line) == year && Get_Season_Line_Kind(line) >= 0)
            left.Lines.push_back(Universe.Season_Lines[line]);
    }
    if (!left.Lines.empty()) Left_During_Season.push_back(left);
}

// The players who left during the season, with their lines of it, put in
// the pool ENDED_SEASON_LEFT_TEAM of the league in memory (its own players
// dropped), so the season's file holds every line of the season.
void Put_Back_Left_Players() {
    const int32_t team = ENDED_SEASON_LEFT_TEAM;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        Clear_Player(team, slot);
    const size_t count = std::min<size_t>(Left_During_Season.size(), PLAYERS_PER_TEAM);
    for (size_t n = 0; n < count; ++n) {
        const int32_t slot = static_cast<int32_t>(n);
        Copy_Player_From_Memory(team, slot, &Left_During_Season[n].Record);
        for (int32_t link = 0; link < NUMBER_OF_SEASON_LINE_LINKS; ++link)
            Set_Player_Season_Line_Link(team, slot, link, NO_SEASON_LINE);
        for (const SEASON_LINE& kept : Left_During_Season[n].Lines) {
            const int32_t line = Find_Free_Season_Line();
            const int32_t link = Find_Free_Season_Line_Link(team, slot);
            if (line == NO_SEASON_LINE || link < 0) break;
            Universe.Season_Lines[line] = kept;
            Set_Player_Season_Line_Link(team, slot, link, line);
        }
    }
    Left_During_Season.clear();
}

// Runs `work` (which changes the league to save it) and then goes on from
// the league as it was before; what `work` returns.
int Work_On_League_Copy(const std::function<int()>& work) {
    static UNIVERSE_STATE kept;
    std::memcpy(&kept, &Universe, sizeof kept);
    const int result = work();
    std::memcpy(&Universe, &kept, sizeof kept);
    Refresh_Active_Team_Count();
    Build_All_Player_Hashes();
    return result;
}

// Saves the league of the season that has just ended, its lines carrying
// the values a season database keeps, and goes on from the league as it was.
bool Save_Ended_Season(const std::string& installation, std::string* error) {
    const int32_t year = Get_Current_Year();
    char name[64];
    std::snprintf(name, sizeof name, ENDED_SEASON_FILE_FORM, year);
    const std::string path = installation + "/" + name;
    const int saved = Work_On_League_Copy([&] {
        Put_Back_Left_Players();
        Keep_Played_Line_Values(year);
        Clear_Saved_Game_Name();
        return Save_Game(path.c_str(), nullptr);
    });
    if (saved != SAVE_OK) *error = "cannot write " + path;
    return saved == SAVE_OK;
}
} // namespace

bool Simulate_Until_Season(int32_t year, std::string* error, std::vector<PLAYED_TEAM_RECORD>* played,
                           const std::string& installation) {
    while (Get_Current_Year() < year || Get_User_Preference(CURRENT_WEEK) != 0) {
        const int32_t before = Get_User_Preference(CURRENT_SEASON_INDEX);
        const int32_t week = Get_User_Preference(CURRENT_WEEK);
        if (before >= LAST_SEASON_INDEX) {
            *error = "the league ran out of season indices";
            return false;
        }
        if (played != nullptr && week != OFF_SEASON_WEEK && !Is_Champion_Decided()) {
            // The season's leavers are kept for its passing check and the file of its end.
            Left_During_Season.clear();
            Set_Retirement_Listener(Keep_Leaving_Player);
            Keep_Non_Passer_Passing(true);
            // Every pass of the regular season is in a passer's line or kept.
            const bool champion = Play_Until_Champion(error, [error] {
                std::vector<SEASON_LINE> left_lines;
                for (const LEFT_PLAYER& left : Left_During_Season)
                    if (left.Record.Vital_Stats[VITAL_POSITION] == POSITION_QB)
                        left_lines.insert(left_lines.end(), left.Lines.begin(), left.Lines.end());
                return Check_Regular_Season_Passing(left_lines, error);
            });
            Keep_Non_Passer_Passing(false);
            Set_Retirement_Listener(nullptr);
            if (!champion) return false;
            const std::vector<PLAYED_TEAM_RECORD> records = Get_Played_Team_Records();
            played->insert(played->end(), records.begin(), records.end());
            if (!installation.empty() && !Save_Ended_Season(installation, error)) return false;
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
    // The database is made as a league in its first season; it keeps the
    // seasons the league played before, which Team History shows, and a game
    // started on it begins in its year.
    const int32_t base_year = Universe.Header.Universe_Stats[BASE_YEAR];
    const int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
    static TEAM_YEARLY_ROWS rows[MAX_FRANCHISES];
    Keep_Team_Yearly_Rows(rows);
    Universe.Header.Universe_Stats[BASE_YEAR] = year;
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Set_User_Preference(CURRENT_WEEK, 0);
    Clear_Team_Yearly_History();
    Clear_Saved_Game_Name();
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
    Set_User_Preference(SIMULATION_RUNNING, 0);
    Set_User_Preference(SHOWN_GAME_INDEX, -1);
    Universe.Header.Universe_Stats[FANTASY_DRAFT_FLAG] = 0;
    Apply_League_Rules_For_Year();
    Store_Universe_Stat(SALARY_CAP, Get_Season_Salary_Cap(year));
    // Its lines are the seasons played, as a built database's are, and its
    // players' careers, their career longs among them, are their league
    // seasons only.
    Drop_Unplayed_Season_Lines(year);
    Drop_League_College_Lines();
    // Each player is credited with the seasons he played, as a built
    // database credits him (the league's own count goes on for every year
    // on a roster, played or not); his minimum salary follows from it.
    Set_Credited_Seasons_From_Lines();
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
    Put_Back_Team_Yearly_Rows(rows);
    Universe.Header.Universe_Stats[BASE_YEAR] = base_year;
    Set_User_Preference(CURRENT_SEASON_INDEX, season);
}

bool Generate_Default_League(const std::vector<LEAGUE_FILE>& files, const std::string& installation,
                             const std::string& history, int32_t years_before, uint32_t seed,
                             std::string* error, void (*log)(const char* line)) {
    if (files.empty()) return true;
    // The franchise tables of the seasons that have one; renamed and moved
    // franchises are matched against the first of them.
    std::vector<std::vector<FRANCHISE_ROW>> tables(files.size());
    size_t first_table = files.size();
    for (size_t f = 0; f < files.size(); ++f) {
        if (!(f == 0 && history.empty()) && !files[f].Has_Table) continue;
        if (!Read_Franchise_Table(Get_Franchise_Table_Name(files[f].Year), &tables[f], error)) return false;
        if (first_table == files.size()) first_table = f;
    }

    Seed_Random_Numbers(seed);
    if (history.empty()) {
        if (!Found_League(files[0].Year - years_before, tables[0], error)) return false;
    } else if (!Continue_History_League(history, files[0].Year, error)) {
        return false;
    }
    // The people of the league at the start of the file before.
    std::set<std::string> people_before;
    std::vector<PLAYED_TEAM_RECORD> played;
    Clear_Kept_Non_Passer_Passing();
    for (size_t f = 0; f < files.size(); ++f) {
        for (int32_t year = Get_Current_Year() + 1; year <= files[f].Year; ++year) {
            if (!Simulate_Until_Season(year, error, &played, installation)) return false;
            Keep_Played_Line_Values(year - 1);
            if (log != nullptr) {
                char line[128];
                std::snprintf(line, sizeof line, "season %d set up", year);
                log(line);
            }
        }
        if (files[f].Has_Table && !Lay_Franchise_Table(tables[f], tables[first_table], error)) return false;
        // The season goes on from here for the next file, so the league is
        // saved from a copy.
        const std::set<std::string> people = League_People();
        const std::string path = installation + "/" + files[f].File_Name;
        const int saved = Work_On_League_Copy([&] {
            Make_Season_Database();
            int written = Save_Game(path.c_str(), nullptr);
            if (written == SAVE_OK && files[f].Class_File_Name != nullptr) {
                static PLAYER_RECORD records[DRAFT_CLASS_RECORDS];
                Gather_Season_Class(records, f > 0 && files[f - 1].Year == files[f].Year - 1
                                                 ? people_before
                                                 : std::set<std::string>());
                const std::string class_path = installation + "/" + files[f].Class_File_Name;
                if (Write_Draft_Class_File(class_path.c_str(), records) != 0) written = SAVE_WRITE_FAILED;
            }
            return written;
        });
        people_before = people;
        if (saved != SAVE_OK) {
            *error = "cannot write " + path;
            return false;
        }
    }
    return Write_Played_Team_Records(installation + "/" + PLAYED_TEAM_RECORDS_FILE, played, error) &&
           Write_Non_Passer_Passing(installation + "/" + PLAYED_NON_PASSER_PASSING_FILE,
                                    Get_Kept_Non_Passer_Passing(), error);
}
