#include "tools/season_inputs/league_export.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <tuple>
#include <vector>

#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/saved_game.h"
#include "database/season_lines.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/stadium_value.h"
#include "platform/message_box.h"
#include "tools/league/league_franchises.h"
#include "tools/league/league_generation.h"
#include "tools/season_databases/played_lines.h"
#include "tools/season_inputs/input_rows.h"
#include "tools/season_inputs/stadiums.h"

std::vector<JOINED_SEASON_LINE> Join_Player_Season_Lines(int32_t team, int32_t slot, int32_t before_year,
                                                         int32_t first_year) {
    std::vector<JOINED_SEASON_LINE> joined;
    for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
        const int32_t line = Get_Player_Season_Line(team, slot, n);
        if (line == NO_SEASON_LINE) continue;
        const int32_t line_year = Get_Season_Line_Year(line), line_team = Get_Season_Line_Team(line);
        if (line_year >= before_year || line_year < first_year || Get_Season_Line_Kind(line) < 0 ||
            line_team < 0 || line_team >= MAX_FRANCHISES || !Is_Played_Season_Line(line))
            continue;
        auto same = std::find_if(joined.begin(), joined.end(), [&](const JOINED_SEASON_LINE& season) {
            return season.Year == line_year && season.Team == line_team;
        });
        if (same == joined.end())
            same = joined.insert(joined.end(), JOINED_SEASON_LINE{line_year, line_team, {}});
        // A kicker's longest punt and field goal are the longest of his stays.
        for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
            same->Stats[stat] =
                Join_Season_Figure(team, slot, stat, same->Stats[stat], Get_Season_Line_Stat(line, stat));
    }
    return joined;
}

namespace {
constexpr int32_t LAST_RECORDS_YEAR = 2021;
constexpr int32_t FIRST_CONTRACT_FILES_YEAR = 2017;
constexpr int32_t LEADERS_YEAR = 2022;
// Seasons that started on a franchise table of their own, which laid the
// league's stadiums: their team files name those stadiums.
constexpr int32_t TABLE_YEARS[] = {2019, 2020, 2021, 2022};

std::string Person(int32_t team, int32_t slot) {
    const PLAYER_RECORD* player = Get_Player_Record_Pointer(team, slot);
    return std::string(player->First_Name, strnlen(player->First_Name, sizeof player->First_Name)) + "|" +
           std::string(player->Last_Name, strnlen(player->Last_Name, sizeof player->Last_Name)) + "|" +
           std::to_string(player->Vital_Stats[VITAL_BIRTH_DATE]);
}

std::string Year_File(const char* form, int32_t year) {
    char name[96];
    snprintf(name, sizeof name, form, year);
    return name;
}

std::string Team_Text(int32_t team, int32_t index) {
    char text[TEAM_STRING_LENGTH] = "";
    Get_Team_String(text, team, index);
    return text;
}

struct EXPORT_RUN {
    INPUT_COLLECTION* Files;
    // Abbreviations and nicknames every exported season knows.
    std::set<std::string> Lasting_Abbreviations;
    std::set<std::string> Lasting_Nicknames;
    // Ids of the history, which the league's players must not share.
    std::set<int32_t> Taken;
    std::map<std::string, int32_t> Ids;
    // For each exported season, the franchise each team slot holds: its
    // number among the franchises of the first season. Slots move when a
    // relocation changes the order of the names; the franchise stays.
    std::vector<std::vector<int32_t>> Franchises;
    // Seasons written: player id, year, franchise.
    std::set<std::tuple<int32_t, int32_t, int32_t>> Season_Lines;
    // The first exported season: the lines of earlier seasons are the
    // history's, which wrote them when they were made.
    int32_t First_Year = 0;
    // The team records of the seasons the league played.
    const std::vector<PLAYED_TEAM_RECORD>* Played = nullptr;
    // The passes of players who are no quarterbacks, by year, team slot and
    // the player's id in the league, with whether a line took them.
    std::map<std::tuple<int32_t, int32_t, int32_t>, std::pair<NON_PASSER_PASSING, bool>> Passing;
};

// The league's franchises as rows of a franchise table, in slot order, with
// the slot of each row.
std::vector<FRANCHISE_ROW> Read_Franchise_Rows(std::vector<int32_t>* slots) {
    std::vector<FRANCHISE_ROW> rows;
    slots->clear();
    for (int32_t team = 0; team < Refresh_Active_Team_Count(); ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        FRANCHISE_ROW row{};
        row.Abbreviation = Team_Text(team, 0);
        row.Location = Team_Text(team, 1);
        row.Nickname = Team_Text(team, 2);
        row.Division = Get_Team_Stat(team, TEAM_STAT_DIVISION);
        rows.push_back(row);
        slots->push_back(team);
    }
    return rows;
}

// The franchise of every team slot of the loaded league (-1 for a slot that
// holds none), found as the league finds a franchise when it lays a later
// franchise table: by the nickname or abbreviation it had in the first
// season or last carried, else as its division's one franchise left. `known`
// holds the names each franchise last carried and takes the loaded ones.
bool Find_Slot_Franchises(const std::vector<FRANCHISE_ROW>& first, std::vector<FRANCHISE_ROW>* known,
                          std::vector<int32_t>* franchises, std::string* error) {
    std::vector<int32_t> slots;
    const std::vector<FRANCHISE_ROW> loaded = Read_Franchise_Rows(&slots);
    if (loaded.size() != first.size()) {
        *error = "the league has " + std::to_string(loaded.size()) + " franchises, its first season " +
                 std::to_string(first.size());
        return false;
    }
    std::vector<int32_t> teams;
    if (!Match_Franchise_Rows(*known, first, &teams, error)) return false;
    franchises->assign(MAX_FRANCHISES, -1);
    for (size_t franchise = 0; franchise < teams.size(); ++franchise) {
        const int32_t team = teams[franchise];
        (*franchises)[team] = static_cast<int32_t>(franchise);
        for (size_t n = 0; n < slots.size(); ++n)
            if (slots[n] == team) (*known)[franchise] = loaded[n];
    }
    return true;
}

// The id the player is known by in every file: his own unless another
// person carries it.
int32_t Settle_Id(EXPORT_RUN& run, int32_t team, int32_t slot) {
    const std::string person = Person(team, slot);
    const auto known = run.Ids.find(person);
    int32_t id = known != run.Ids.end() ? known->second : Get_Player_ID(team, slot);
    if (known == run.Ids.end()) {
        while (run.Taken.count(id) != 0 || id <= 0)
            id = static_cast<int32_t>((static_cast<uint32_t>(id) * 2654435761u + 97u) & 0x7FFFFFFFu);
        run.Ids[person] = id;
        run.Taken.insert(id);
    }
    Set_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID, id);
    return id;
}

void Export_Career_Lines(EXPORT_RUN& run, size_t season, int32_t team, int32_t slot, int32_t id,
                         int32_t league_id, int32_t year) {
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    const std::string name = Person(team, slot).substr(0, Person(team, slot).rfind('|'));
    std::string full_name = name;
    std::replace(full_name.begin(), full_name.end(), '|', ' ');
    for (const JOINED_SEASON_LINE& line : Join_Player_Season_Lines(team, slot, year, run.First_Year)) {
        // A season is written once, by the first exported season that holds it.
        const int32_t franchise = run.Franchises[season][line.Team];
        if (!run.Season_Lines.insert({id, line.Year, franchise >= 0 ? franchise : -1 - line.Team}).second)
            continue;
        // The passes he threw for the team, when he is no quarterback.
        int32_t passing[SEASON_LINE_PASSING_FIGURES] = {};
        const int32_t* threw = nullptr;
        const auto kept = run.Passing.find({line.Year, line.Team, league_id});
        if (kept != run.Passing.end() && position != POSITION_QB) {
            const NON_PASSER_PASSING& p = kept->second.first;
            const int32_t figures[] = {p.Attempts, p.Completions, p.Yards, p.Touchdowns, p.Interceptions};
            std::copy(std::begin(figures), std::end(figures), passing);
            threw = passing;
            kept->second.second = true;
        }
        // A text every season's build knows the franchise by: its abbreviation
        // when it never changed, else its nickname.
        std::string team_text = Team_Text(line.Team, 0);
        if (run.Lasting_Abbreviations.count(team_text) == 0) team_text = Team_Text(line.Team, 2);
        run.Files->Shared.Seasons.emplace_back(
            id,
            Make_Season_Line(id, line.Year, team_text, Get_Player_Byte_Field(team, slot, PLAYER_BYTE_UNIFORM),
                             full_name, position, line.Stats,
                             Get_Played_Season_Value(line.Stats[0], line.Stats[1]), threw, true));
        // The whole line, for the figures the seasons file has no column for.
        run.Files->Files[PLAYED_LINES_FILE] += Make_Played_Line(id, line.Year, team_text, line.Stats) + "\n";
    }
}

// The player's id, his season lines before `before_year` and, the first
// time he is met, his line of the players file.
int32_t Export_Player(EXPORT_RUN& run, size_t season, int32_t team, int32_t slot, int32_t before_year) {
    const int32_t league_id = Get_Player_ID(team, slot);
    const int32_t id = Settle_Id(run, team, slot);
    Export_Career_Lines(run, season, team, slot, id, league_id, before_year);
    if (run.Files->Shared.Players.count(id) == 0) {
        const int32_t drafted_by = Get_Player_Drafted_By_Team(team, slot);
        run.Files->Shared.Players[id] = Make_Player_Line(
            team, slot, id, Is_Used_Franchise_Slot(drafted_by) ? Team_Text(drafted_by, 0) : "");
    }
    return id;
}

// The team records lines of a season as the league played it.
bool Export_Played_Team_Records(EXPORT_RUN& run, int32_t year, std::string* error) {
    int32_t written = 0;
    for (const PLAYED_TEAM_RECORD& played : *run.Played) {
        if (played.Year != year) continue;
        if (!Is_Used_Franchise_Slot(played.Team)) {
            *error = "the team records of " + std::to_string(year) + " name a team slot the league has not";
            return false;
        }
        const TEAM_RECORD_FIGURES record{played.Wins,           played.Losses,         played.Ties,
                                         played.Place,          played.Division_Teams, played.Points_For,
                                         played.Points_Against, played.Playoffs};
        run.Files->Shared.Team_Records.push_back(Make_Team_Record_Line(played.Team, year, record));
        ++written;
    }
    if (written == 0) {
        *error = "the league kept no team records of " + std::to_string(year);
        return false;
    }
    return true;
}

bool Export_Season(EXPORT_RUN& run, size_t index, const EXPORTED_SEASON& season, std::string* error) {
    if (Load_Game(season.Database.c_str()) != 1) {
        *error = "cannot load " + season.Database;
        return false;
    }
    const int32_t year = season.Year;
    if (Get_Current_Year() != year) {
        *error = season.Database + " is not a database of " + std::to_string(year);
        return false;
    }
    INPUT_COLLECTION& files = *run.Files;
    if (season.Ended) {
        // The franchises, the free agents and those who left during the season.
        for (int32_t team = 0; team <= ENDED_SEASON_LEFT_TEAM; ++team) {
            if (team < MAX_FRANCHISES && !Is_Used_Franchise_Slot(team)) continue;
            if (team > FREE_AGENT_TEAM && team != ENDED_SEASON_LEFT_TEAM) continue;
            for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
                if (Is_Player_Slot_Used(team, slot)) Export_Player(run, index, team, slot, year + 1);
        }
        Clear_Shown_Messages();
        return true;
    }
    const int32_t teams = Refresh_Active_Team_Count();
    const bool table_year =
        std::find(std::begin(TABLE_YEARS), std::end(TABLE_YEARS), year) != std::end(TABLE_YEARS);
    files.Files[Year_File("Input/Stats/leagues/%d_league.csv", year)] =
        std::string(LEAGUE_FILE_HEADER) + "\n" + Make_League_Lines();
    std::string team_lines = std::string(TEAMS_FILE_HEADER) + "\n";
    std::string cap_room_lines;
    for (int32_t team = 0; team < teams; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        STADIUM_FIGURES stadium = Get_Model_Stadium(team, year);
        if (table_year)
            stadium = STADIUM_FIGURES{Team_Text(team, 3), Get_Team_Stadium_Stat(team, STADIUM_CAPACITY),
                                      Get_Team_Stadium_Stat(team, STADIUM_STRUCTURE),
                                      Get_Team_Stadium_Stat(team, STADIUM_SURFACE)};
        team_lines += Make_Team_Line(team, stadium) + "\n";
        files.Shared.Personnel.push_back(Make_Personnel_Line(team, year));
        cap_room_lines += Make_Cap_Room_Line(team) + "\n";
    }
    std::string roster_lines = std::string(ROSTERS_FILE_HEADER) + "\n";
    std::string salary_lines = std::string(SALARIES_FILE_HEADER) + "\n";
    std::string rating_lines = std::string(RATINGS_FILE_HEADER) + "\n";
    for (int32_t team = 0; team <= FREE_AGENT_TEAM; ++team) {
        if (team < MAX_FRANCHISES && !Is_Used_Franchise_Slot(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const int32_t id = Export_Player(run, index, team, slot, year);
            roster_lines += Make_Roster_Line(team, slot, id) + "\n";
            salary_lines += Make_Salary_Line(team, slot, id) + "\n";
            rating_lines += Make_Ratings_Line(team, slot, id) + "\n";
        }
    }
    files.Files[Year_File("Input/Stats/%d_teams.csv", year)] = team_lines;
    files.Files[Year_File("Input/Stats/%d_rosters.csv", year)] = roster_lines;
    files.Files[Year_File("Input/Ratings/Simulation/%d_Player_Ratings.csv", year)] = rating_lines;
    if (year >= FIRST_CONTRACT_FILES_YEAR) {
        files.Files[Year_File("Input/Stats/%d_salaries.csv", year)] = salary_lines;
        files.Files[Year_File("Input/Stats/%d_caproom.csv", year)] = cap_room_lines;
    }
    if (year == LEADERS_YEAR) files.Files["Input/Stats/atl.txt"] = Make_All_Time_Leaders_File();
    if (year <= LAST_RECORDS_YEAR && !Export_Played_Team_Records(run, year, error)) return false;
    Clear_Shown_Messages();
    return true;
}
} // namespace

bool Export_League_Seasons(const std::vector<EXPORTED_SEASON>& seasons,
                           const std::vector<PLAYED_TEAM_RECORD>& played,
                           const std::vector<NON_PASSER_PASSING>& passing, INPUT_COLLECTION* files,
                           std::string* error) {
    EXPORT_RUN run{files, {}, {}, {}, {}, {}, {}, seasons.empty() ? 0 : seasons.front().Year, &played, {}};
    for (const NON_PASSER_PASSING& p : passing)
        run.Passing[{p.Year, p.Team, p.Player_Id}].first = p;
    files->Files[PLAYED_LINES_FILE] = std::string(PLAYED_LINES_HEADER) + "\n";
    for (const auto& [id, line] : files->Shared.Players)
        run.Taken.insert(id);
    // A player the history made keeps its id.
    for (const auto& [id, person] : files->Shared.People) {
        run.Taken.insert(id);
        run.Ids.emplace(person, id);
    }
    // The franchises under the names of the first season and under those they last carried.
    std::vector<FRANCHISE_ROW> first, known;
    for (size_t n = 0; n < seasons.size(); ++n) {
        if (Load_Game(seasons[n].Database.c_str()) != 1) {
            *error = "cannot load " + seasons[n].Database;
            return false;
        }
        std::vector<int32_t> slots;
        if (n == 0) first = known = Read_Franchise_Rows(&slots);
        std::vector<int32_t> franchises;
        if (!Find_Slot_Franchises(first, &known, &franchises, error)) {
            *error = seasons[n].Database + ": " + *error;
            return false;
        }
        run.Franchises.push_back(franchises);
        std::set<std::string> abbreviations, nicknames;
        for (int32_t team = 0; team < Refresh_Active_Team_Count(); ++team)
            if (Is_Used_Franchise_Slot(team)) {
                abbreviations.insert(Team_Text(team, 0));
                nicknames.insert(Team_Text(team, 2));
            }
        if (n == 0) {
            run.Lasting_Abbreviations = abbreviations;
            run.Lasting_Nicknames = nicknames;
        }
        std::erase_if(run.Lasting_Abbreviations,
                      [&](const std::string& a) { return abbreviations.count(a) == 0; });
        std::erase_if(run.Lasting_Nicknames, [&](const std::string& a) { return nicknames.count(a) == 0; });
    }
    for (size_t n = 0; n < seasons.size(); ++n)
        if (!Export_Season(run, n, seasons[n], error)) return false;
    // Every pass a player threw lands in his line of the season and team.
    for (const auto& [key, kept] : run.Passing) {
        if (kept.second) continue;
        const auto [year, team, id] = key;
        *error = "player " + std::to_string(id) + " threw passes for team slot " + std::to_string(team) +
                 " in " + std::to_string(year) + " but has no line of that season that can hold them";
        return false;
    }
    return true;
}
