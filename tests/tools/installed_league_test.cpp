// The default league's files the league generator writes into the
// installation (the start-up league of 2019 and the league at the start of
// 2022, from which the 2022 season is built): each loads, holds the real
// league's franchises of its season (as do the league of 2020 and 2021 and
// the databases built of the seasons 2020-2022, each season's table with its
// stadiums), and its players have careers of every age, contracts under the
// cap, draft records, leaders and a Hall of Fame.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "database/cities.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/roster_slots.h"
#include "database/saved_game.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/stadium_value.h"
#include "frontoffice/salaries.h"
#include "personnel/typical_season.h"
#include "season/all_time_leaders.h"
#include "season/league_rules.h"
#include "support/league_checks.h"
#include "tools/league/league_franchises.h"

namespace {
struct SHIPPED_FILE {
    int32_t Year;
    const char* Name;
    int32_t Games;
};
const SHIPPED_FILE SHIPPED_FILES[] = {{2019, "Databases/Universe-2019.dat", 16},
                                      {2022, "League/Default-2022.dat", 17}};
// Every file of a season that starts on a franchise table of its own: the
// league generator's, and the databases built of the seasons it played.
const SHIPPED_FILE TABLE_SEASON_FILES[] = {
    {2019, "Databases/Universe-2019.dat", 16}, {2020, "League/Default-2020.dat", 16},
    {2021, "League/Default-2021.dat", 17},     {2022, "League/Default-2022.dat", 17},
    {2020, "Databases/universe-2020.dat", 16}, {2021, "Databases/universe-2021.dat", 17},
    {2022, "Databases/universe-2022.dat", 17}};

std::string Installation() {
    const char* data = std::getenv("KORVA_DATA_DIR");
    return data != nullptr ? data : KORVA_DATA_DIR;
}

// Loads a shipped file; the caller asserts on the result.
bool Load_Shipped(const SHIPPED_FILE& file) {
    const std::string path = Installation() + "/" + file.Name;
    return Load_Game(path.c_str()) == 1;
}

std::string Text(int32_t team, int32_t index) {
    char buffer[TEAM_STRING_LENGTH] = "";
    Get_Team_String(buffer, team, index);
    return buffer;
}

int32_t Find_Abbreviation(const std::string& abbreviation) {
    for (int32_t team = 0; team < Count_Active_Teams(); ++team)
        if (Text(team, 0) == abbreviation) return team;
    return -1;
}

// League seasons of a player before the file's season: the years he played
// in, a year with several teams counted once.
int32_t Count_Past_Seasons(int32_t team, int32_t slot, int32_t year) {
    std::set<int32_t> seasons;
    for (int32_t n = 0; n < 30; ++n) {
        const int32_t line = Get_Player_Season_Line(team, slot, n);
        if (line == NO_SEASON_LINE) continue;
        if (Get_Season_Line_Kind(line) >= 0 && Get_Season_Line_Year(line) < year &&
            Get_Season_Line_Stat(line, 0) > 0)
            seasons.insert(Get_Season_Line_Year(line));
    }
    return static_cast<int32_t>(seasons.size());
}
} // namespace

TEST(InstalledLeague, EachFileLoadsAtTheStartOfItsYearWithItsHistoryAndKeepsTheLeagueRules) {
    for (const SHIPPED_FILE& file : SHIPPED_FILES) {
        SCOPED_TRACE(file.Name);
        ASSERT_TRUE(Load_Shipped(file));
        EXPECT_EQ(Get_Current_Year(), file.Year);
        EXPECT_LE(Get_Universe_Stat(BASE_YEAR), 1951)
            << "the seasons the league played from 1951 are behind it";
        EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), 0);
        EXPECT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), file.Games);
        EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), Get_Season_Salary_Cap(file.Year));
        EXPECT_EQ(Find_League_Faults(), "");
    }
}

// A file holds the seasons its players played, and no league line of its own
// season or later: a game started on it opens those as its players play.
// As in a built database, only the college pool's prospects have college
// seasons; the league's players have their league seasons alone.
TEST(InstalledLeague, NoFileHoldsALeagueLineOfItsOwnSeason) {
    for (const SHIPPED_FILE& file : SHIPPED_FILES) {
        SCOPED_TRACE(file.Name);
        ASSERT_TRUE(Load_Shipped(file));
        int32_t own_season = 0, league_college = 0, pool_college = 0;
        for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
            for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
                if (!Is_Player_Slot_Used(team, slot)) continue;
                for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
                    const int32_t line = Get_Player_Season_Line(team, slot, n);
                    if (line == NO_SEASON_LINE) continue;
                    if (Get_Season_Line_Kind(line) >= 0) {
                        if (Get_Season_Line_Year(line) >= file.Year) ++own_season;
                    } else {
                        ++(team >= FIRST_COLLEGE_POOL_TEAM ? pool_college : league_college);
                    }
                }
            }
        EXPECT_EQ(own_season, 0);
        EXPECT_EQ(league_college, 0) << "college seasons of the league's players";
        EXPECT_GT(pool_college, 500) << "the prospects' college seasons stay";
    }
}

TEST(InstalledLeague, FranchisesAreTheSeasonsTable) {
    for (const SHIPPED_FILE& file : TABLE_SEASON_FILES) {
        SCOPED_TRACE(file.Name);
        std::vector<FRANCHISE_ROW> rows;
        std::string error;
        ASSERT_TRUE(
            Read_Franchise_Table(Installation() + "/" + Get_Franchise_Table_Name(file.Year), &rows, &error))
            << error;
        ASSERT_TRUE(Load_Shipped(file));
        char name[LEAGUE_NAME_LENGTH] = "";
        Get_League_Name(0, name);
        EXPECT_STREQ(name, "AFC");
        Get_League_Name(1, name);
        EXPECT_STREQ(name, "NFC");
        for (const FRANCHISE_ROW& row : rows) {
            SCOPED_TRACE(row.Abbreviation);
            const int32_t team = Find_Abbreviation(row.Abbreviation);
            ASSERT_GE(team, 0);
            EXPECT_EQ(Text(team, 1), row.Location);
            EXPECT_EQ(Text(team, 2), row.Nickname);
            EXPECT_EQ(Text(team, 3), row.Stadium);
            EXPECT_EQ(Get_Team_Stat(team, TEAM_STAT_DIVISION), row.Division);
            EXPECT_EQ(Get_Team_Stadium_Stat(team, STADIUM_CAPACITY), row.Capacity);
            EXPECT_EQ(Get_Team_Stadium_Stat(team, STADIUM_STRUCTURE), row.Roof);
            EXPECT_EQ(Get_Team_Stadium_Stat(team, STADIUM_SURFACE), row.Surface);
            char city[32] = "";
            Get_City_Name(Get_Team_Stat(team, TEAM_STAT_HOME_CITY), city);
            EXPECT_EQ(std::string(city), row.Home_City);
            EXPECT_GT(Get_City_Stat(Get_Team_Stat(team, TEAM_STAT_HOME_CITY), 1), 0) << "a market of its own";
        }
    }
}

// Rookies to late-career veterans at every position, the older players with
// the past seasons their age promises, drafted in past drafts and paid at
// least the league minimum.
TEST(InstalledLeague, PlayersHaveCareersOfEveryAge) {
    // A position's oldest player is at least this old: kickers, punters and
    // quarterbacks last longest (how long the oldest quarterbacks of a
    // league last is a season's draw: those of 2019 are 45 and 42, the
    // oldest of 2022 34).
    const int32_t veteran_age[15] = {34, 30, 30, 31, 31, 32, 32, 32, 31, 31, 31, 30, 31, 35, 35};
    for (const SHIPPED_FILE& file : SHIPPED_FILES) {
        SCOPED_TRACE(file.Name);
        ASSERT_TRUE(Load_Shipped(file));
        for (int32_t position = 0; position < 15; ++position) {
            const POSITION_AGES ages = Get_Position_Ages(position);
            EXPECT_LE(ages.Youngest, 22) << Get_Position_Short_Name(position);
            EXPECT_GE(ages.Oldest, veteran_age[position]) << Get_Position_Short_Name(position);
        }
        int32_t veterans = 0, veterans_with_careers = 0, drafted = 0, players = 0, too_early = 0,
                underpaid = 0;
        for (int32_t team = 0; team < Count_Active_Teams(); ++team)
            for (int32_t slot = 0; slot < Get_First_Empty_Player_Slot(team); ++slot) {
                ++players;
                const int32_t age = Get_Player_Age(team, slot);
                const int32_t seasons = Count_Past_Seasons(team, slot, file.Year);
                if (age >= 28) {
                    ++veterans;
                    if (seasons >= 3) ++veterans_with_careers;
                }
                if (seasons > age - 19) ++too_early;
                const int32_t draft_year = Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_RECORD) % 10000;
                if (draft_year > 0 && draft_year <= file.Year) ++drafted;
                if (Get_Player_Vital_Stat(team, slot, VITAL_SALARY) <
                        Get_League_Minimum_Salary(
                            Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS)) ||
                    Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS) < 1)
                    ++underpaid;
            }
        EXPECT_EQ(too_early, 0) << "players with league seasons before the age of 20";
        EXPECT_EQ(underpaid, 0) << "players under the league minimum or without a contract";
        EXPECT_GT(veterans_with_careers * 10, veterans * 8) << "most veterans played seasons before";
        EXPECT_GT(drafted * 3, players * 2) << "most players were drafted, the rest signed undrafted";
        EXPECT_GT(Get_First_Empty_Player_Slot(HALL_OF_FAME_TEAM), 0) << "the Hall of Fame has members";
        for (int32_t kind : {0, 1}) {
            ALL_TIME_LEADER_ENTRY leader{};
            ASSERT_TRUE(Get_All_Time_Leader(kind, 0, 0, &leader));
            EXPECT_GT(leader.Value, 0) << "leaders of kind " << kind;
            EXPECT_LT(leader.Year, file.Year);
        }
    }
}

// The ratings survive a new game only when the predicted season is the
// typical season of the ratings, which Start_Game rebuilds them from.
TEST(InstalledLeague, PredictedSeasonIsTheTypicalSeasonOfTheRatings) {
    for (const SHIPPED_FILE& file : SHIPPED_FILES) {
        SCOPED_TRACE(file.Name);
        ASSERT_TRUE(Load_Shipped(file));
        int32_t differing = 0;
        // The college pool is made afresh when a game starts.
        For_Each_League_Player(
            [&differing](int32_t team, int32_t slot) {
                int32_t predicted[20];
                for (int32_t stat = 0; stat < 20; ++stat)
                    predicted[stat] = Get_Player_Stat(team, slot, 3, stat);
                Calculate_Typical_Season_From_Ratings(team, slot);
                for (int32_t stat = 0; stat < 20; ++stat)
                    if (predicted[stat] != Get_Player_Stat(team, slot, 3, stat)) {
                        ++differing;
                        break;
                    }
            },
            0, HALL_OF_FAME_TEAM);
        EXPECT_EQ(differing, 0);
    }
}
