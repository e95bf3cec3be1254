// The stadiums of the seasons that start on a franchise table of their own
// (2019-2022): New Game shows the two Los Angeles teams of 2020-2022 in one
// stadium, as their tables hold them; and every table agrees with the
// stadiums the league's history gives its franchises from 2019 on (a new
// stadium is another building, franchises given one stadium share it, the
// others keep theirs).
// One building carries one name, in every season the installation holds:
// two teams whose stadiums have one name play in one building (the same
// seats, roof and surface), and from 2002, where each franchise has a
// building of its own, two teams of one city in one building (New York's,
// and Los Angeles's from 2020) call it by one name. So do the franchise
// tables, and the New Game seasons and start-up league written from them.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/startup.h"
#include "database/league_structure.h"
#include "database/team_record.h"
#include "database/team_record_layout.h"
#include "dialogs/stadium_value.h"
#include "personnel/team_lookup.h"
#include "season/league_history.h"
#include "season/new_game_choices.h"
#include "support/file_lines.h"
#include "support/installed_seasons.h"
#include "support/season_build_folder.h"
#include "tools/league/league_franchises.h"

namespace {
constexpr int32_t FIRST_TABLE_YEAR = 2019;
constexpr int32_t LAST_TABLE_YEAR = 2022;
// The team files reach back to the founding of the league.
constexpr int32_t FIRST_TEAM_FILE_YEAR = 1938;
constexpr int32_t FIRST_OWN_BUILDING_YEAR = 2002;

std::vector<FRANCHISE_ROW> Table_Of(int32_t year) {
    std::vector<FRANCHISE_ROW> rows;
    std::string error;
    EXPECT_TRUE(
        Read_Franchise_Table(Get_Installation_Folder() + "/" + Get_Franchise_Table_Name(year), &rows, &error))
        << error;
    return rows;
}

std::string Name_Of(const FRANCHISE_ROW& row) {
    return row.Location + "," + row.Nickname;
}

const FRANCHISE_ROW* Row_Named(const std::vector<FRANCHISE_ROW>& rows, const std::string& name) {
    for (const FRANCHISE_ROW& row : rows)
        if (Name_Of(row) == name) return &row;
    return nullptr;
}

bool Same_Building(const FRANCHISE_ROW& a, const FRANCHISE_ROW& b) {
    return a.Capacity == b.Capacity && a.Roof == b.Roof && a.Surface == b.Surface;
}

bool Is_New_Stadium(const HISTORY_EVENT& event) {
    return event.Type == HISTORY_NEW_STADIUM || event.Type == HISTORY_STADIUM_CHANGE;
}

// Whether the history gives the franchise of `name` (as of `since`) a new
// stadium after `since`, up to `year`.
bool Gets_New_Stadium(const std::string& name, int32_t since, int32_t year) {
    for (const HISTORY_EVENT& event : League_History_Events)
        if (Is_New_Stadium(event) && event.Year > since && event.Year <= year &&
            Get_Franchise_Name_In_Year(name, since, event.Year) == event.Team)
            return true;
    return false;
}

// The faults of one season's stadiums: one name for two buildings and, where
// the figures tell buildings apart, one building of a city under two names.
// Counts the pairs of teams found sharing a named building in `shared`.
std::vector<std::string> Find_Stadium_Name_Faults(const std::vector<FRANCHISE_ROW>& teams, bool by_figures,
                                                  int32_t* shared) {
    std::vector<std::string> faults;
    for (size_t i = 0; i < teams.size(); ++i)
        for (size_t j = i + 1; j < teams.size(); ++j) {
            const FRANCHISE_ROW &a = teams[i], &b = teams[j];
            const std::string pair = a.Abbreviation + " and " + b.Abbreviation + ": ";
            if (a.Stadium == b.Stadium && !Same_Building(a, b))
                faults.push_back(pair + "two buildings named " + a.Stadium);
            if (!by_figures || a.Home_City != b.Home_City || !Same_Building(a, b)) continue;
            if (a.Stadium != b.Stadium)
                faults.push_back(pair + "one building named " + a.Stadium + " and " + b.Stadium);
            else
                ++*shared;
        }
    return faults;
}

void Expect_No_Faults(const std::vector<std::string>& faults) {
    for (const std::string& fault : faults)
        ADD_FAILURE() << fault;
}

// The teams of the installed team file of `year`, in the table's columns.
std::vector<FRANCHISE_ROW> Team_File_Of(int32_t year) {
    std::vector<FRANCHISE_ROW> teams;
    const std::vector<std::string> lines =
        Read_File_Lines(Get_Installation_Folder() + "/Input/Stats/" + std::to_string(year) + "_teams.csv");
    for (size_t n = 1; n < lines.size(); ++n) {
        std::vector<std::string> fields;
        std::istringstream line(lines[n]);
        for (std::string field; std::getline(line, field, ',');)
            fields.push_back(field);
        if (fields.size() < 16) continue;
        const int32_t roof = fields[5] == "CONVERTIBLE" ? 2 : fields[5] == "DOMED" ? 1 : 0;
        teams.push_back({fields[0], fields[1], fields[2], 0, fields[15], fields[3], std::stoi(fields[4]),
                         roof, fields[6] == "GRASS"});
    }
    return teams;
}

// The franchises of the league in memory, in the table's columns (the home
// city by its number).
std::vector<FRANCHISE_ROW> Loaded_Teams() {
    std::vector<FRANCHISE_ROW> teams;
    for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
        char text[4][TEAM_STRING_LENGTH] = {};
        for (int32_t index = 0; index < 4; ++index)
            Get_Team_String(text[index], team, index);
        teams.push_back({text[0], text[1], text[2], Get_Team_Stat(team, TEAM_STAT_DIVISION),
                         std::to_string(Get_Team_Stat(team, TEAM_STAT_HOME_CITY)), text[3],
                         Get_Team_Stadium_Stat(team, STADIUM_CAPACITY),
                         Get_Team_Stadium_Stat(team, STADIUM_STRUCTURE),
                         Get_Team_Stadium_Stat(team, STADIUM_SURFACE)});
    }
    return teams;
}

class InstalledStadiums : public InstalledDatabasesTest {};
} // namespace

TEST_F(InstalledStadiums, NewGameShowsTheLosAngelesTeamsInOneStadiumFrom2020) {
    for (int32_t year = FIRST_TABLE_YEAR + 1; year <= LAST_TABLE_YEAR; ++year) {
        SCOPED_TRACE(year);
        ASSERT_GE(Load_New_Game_Season(year, nullptr), 0);
        const int32_t chargers = Get_Team_From_Abbreviation("LAC", 0),
                      rams = Get_Team_From_Abbreviation("LA", 0);
        ASSERT_LT(chargers, MAX_FRANCHISES);
        ASSERT_LT(rams, MAX_FRANCHISES);
        for (const int32_t team : {chargers, rams}) {
            char facts[FRANCHISE_FACT_LINES][NEW_GAME_TEXT_SIZE] = {};
            Format_Franchise_Facts(team, facts);
            EXPECT_STREQ(facts[4], "Stadium Capacity: 70,240") << team;
        }
        for (const int32_t stat : {STADIUM_STRUCTURE, STADIUM_SURFACE})
            EXPECT_EQ(Get_Team_Stadium_Stat(chargers, stat), Get_Team_Stadium_Stat(rams, stat));
    }
}

TEST(InstalledStadiumTables, EveryTableAgreesWithTheStadiumsTheHistoryGivesItsFranchises) {
    const std::vector<FRANCHISE_ROW> first = Table_Of(FIRST_TABLE_YEAR);
    ASSERT_EQ(first.size(), 32u);
    int32_t new_stadiums = 0, shared = 0;
    for (int32_t year = FIRST_TABLE_YEAR; year <= LAST_TABLE_YEAR; ++year) {
        SCOPED_TRACE(year);
        const std::vector<FRANCHISE_ROW> rows = Table_Of(year);
        ASSERT_EQ(rows.size(), 32u);
        // Each franchise of the first table, under the name the history
        // carries it on to, in its new stadium or in its old one.
        for (const FRANCHISE_ROW& earlier : first) {
            const std::string name = Get_Franchise_Name_In_Year(Name_Of(earlier), FIRST_TABLE_YEAR, year);
            SCOPED_TRACE(name);
            const FRANCHISE_ROW* row = Row_Named(rows, name);
            ASSERT_NE(row, nullptr) << "the history's name is the table's";
            if (Gets_New_Stadium(Name_Of(earlier), FIRST_TABLE_YEAR, year)) {
                ++new_stadiums;
                EXPECT_FALSE(Same_Building(*row, earlier)) << "a new stadium is another building";
            } else {
                EXPECT_EQ(row->Stadium, earlier.Stadium);
                EXPECT_EQ(row->Roof, earlier.Roof);
                EXPECT_EQ(row->Surface, earlier.Surface);
            }
        }
        // Franchises the history gives one stadium, and no other since,
        // share its building.
        for (const HISTORY_EVENT& one : League_History_Events)
            for (const HISTORY_EVENT& other : League_History_Events) {
                if (&one >= &other || !Is_New_Stadium(one) || !Is_New_Stadium(other) || one.Year > year ||
                    other.Year > year || std::string(one.Text) != other.Text ||
                    std::string(one.Team) == other.Team || Gets_New_Stadium(one.Team, one.Year, year) ||
                    Gets_New_Stadium(other.Team, other.Year, year))
                    continue;
                const FRANCHISE_ROW* a =
                    Row_Named(rows, Get_Franchise_Name_In_Year(one.Team, one.Year, year));
                const FRANCHISE_ROW* b =
                    Row_Named(rows, Get_Franchise_Name_In_Year(other.Team, other.Year, year));
                ASSERT_NE(a, nullptr) << one.Team;
                ASSERT_NE(b, nullptr) << other.Team;
                ++shared;
                EXPECT_TRUE(Same_Building(*a, *b))
                    << one.Text << ": " << a->Nickname << " and " << b->Nickname;
            }
    }
    // The Raiders' and Los Angeles's moves of 2020, in three tables; the New
    // York stadium in four, and Los Angeles's in three.
    EXPECT_EQ(new_stadiums, 9);
    EXPECT_EQ(shared, 7);
}

TEST(InstalledStadiumTables, EachBuildingOfTheTeamFilesAndTablesHasOneName) {
    int32_t shared = 0;
    for (int32_t year = FIRST_TEAM_FILE_YEAR; year <= LAST_TABLE_YEAR; ++year) {
        SCOPED_TRACE("team file of " + std::to_string(year));
        const std::vector<FRANCHISE_ROW> teams = Team_File_Of(year);
        ASSERT_GE(teams.size(), 12u);
        Expect_No_Faults(Find_Stadium_Name_Faults(teams, year >= FIRST_OWN_BUILDING_YEAR, &shared));
    }
    // New York's two teams 2002-2022, Los Angeles's 2020-2022.
    EXPECT_EQ(shared, 21 + 3);

    shared = 0;
    for (int32_t year = FIRST_TABLE_YEAR; year <= LAST_TABLE_YEAR; ++year) {
        SCOPED_TRACE("franchise table of " + std::to_string(year));
        const std::vector<FRANCHISE_ROW> rows = Table_Of(year);
        ASSERT_EQ(rows.size(), 32u);
        Expect_No_Faults(Find_Stadium_Name_Faults(rows, true, &shared));
    }
    EXPECT_EQ(shared, 4 + 3);
}

TEST_F(InstalledStadiums, NewGameSeasonsAndTheStartUpLeagueGiveEachBuildingOneName) {
    int32_t shared = 0;
    for (int32_t year = FIRST_TABLE_YEAR; year <= LAST_TABLE_YEAR; ++year) {
        SCOPED_TRACE("New Game of " + std::to_string(year));
        ASSERT_GE(Load_New_Game_Season(year, nullptr), 0);
        Expect_No_Faults(Find_Stadium_Name_Faults(Loaded_Teams(), true, &shared));
    }
    EXPECT_EQ(shared, 4 + 3);

    shared = 0;
    ASSERT_EQ(Load_Startup_League(), 1);
    Expect_No_Faults(Find_Stadium_Name_Faults(Loaded_Teams(), true, &shared));
    EXPECT_EQ(shared, 1) << "New York's building";
}
