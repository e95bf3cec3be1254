#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "database/league_structure.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "season/historic_schedules.h"
#include "season/league_rules.h"
#include "season/schedule_generation.h"
#include "support/debug_log.h"
#include "support/history_test_league.h"
#include "support/test_league.h"

namespace {
void Write_File(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

void Remove_Schedule_Files() {
    std::filesystem::remove_all("Input/Schedules");
}

std::string Name(int32_t team) {
    char text[FORMATTED_TEXT_SIZE];
    Get_Team_Full_Name(team, text);
    return text;
}

constexpr int32_t ANY_LEAGUE = -1;

// One week in which the teams of a league (or of both) meet in slot order, as
// schedule lines.
std::string Week_Of_League(int32_t league, int32_t week, const std::string& left_out = "") {
    std::vector<int32_t> teams;
    for (int32_t team = 0; team < Count_Active_Teams(); ++team)
        if ((league == ANY_LEAGUE || Get_Team_Conference(team) == league) && Name(team) != left_out)
            teams.push_back(team);
    std::string text;
    for (size_t n = 0; n + 1 < teams.size(); n += 2)
        text += std::to_string(week) + "," + Name(teams[n]) + "," + Name(teams[n + 1]) + ",Sun,Sept 12\n";
    return text;
}

// The weeks first..last of a league, each as Week_Of_League writes it.
std::string Weeks_Of_League(int32_t league, int32_t first, int32_t last, const std::string& left_out = "") {
    std::string text;
    for (int32_t week = first; week <= last; ++week)
        text += Week_Of_League(league, week, left_out);
    return text;
}

int32_t Count_Games() {
    int32_t games = 0;
    for (int32_t team = 0; team < Count_Active_Teams(); ++team)
        games += Count_First_Listed_Games(team);
    return games;
}

const char* const HEADER = "Week,Away_Team,Home_Team,Day,Date\n";
} // namespace

TEST(HistoricSchedules, BothLeaguesOfTheYearAreEnteredAndCheckedApart) {
    Build_1951_League();
    Apply_History_Through(1965);
    Enter_Off_Season_Before(1966); // the season of 1965
    Remove_Schedule_Files();
    Set_Games_Per_Season_For_Year(0);
    ASSERT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 14);
    const int32_t browns = Find_Test_Team("Cleveland Browns");
    const int32_t giants = Find_Test_Team("New York Giants");
    // Each league plays its own fourteen weeks, the NFL from week 1 and the
    // AFL from week 3: each league is whole on its own.
    std::string nfl = Weeks_Of_League(0, 1, 14);
    nfl.pop_back(); // the last line ends without a line break
    Write_File("Input/Schedules/1965-NFL.csv", std::string(HEADER) +
                                                   "19,Cleveland Browns,New York Giants,Sun,Jan 2\n"
                                                   "Wildcard,Cleveland Browns,New York Giants,Sun,Jan 2\n"
                                                   "15,Cleveland Browns,Gotham Knights,Sun,Sept 19\n" +
                                                   nfl);
    Write_File("Input/Schedules/1965-AFL.csv", std::string(HEADER) + Weeks_Of_League(1, 3, 16));
    Clear_Debug_Log();
    EXPECT_EQ(Load_Historic_Schedule(), 1);
    EXPECT_EQ(Count_Games(), 14 * 7 + 14 * 4) << "playoff, text-week and unknown-team rows are skipped";
    EXPECT_NE(Get_Team_Schedule_Stat(browns, 0, 0), 0);
    EXPECT_EQ(Get_Team_Schedule_Stat(giants, 18, 0), 0);
    for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
        EXPECT_EQ(Count_First_Listed_Games(team) + Count_Second_Listed_Games(team), 14) << Name(team);
        const int32_t last_week = Get_Team_Conference(team) == 0 ? 13 : 15;
        EXPECT_NE(Get_Team_Schedule_Stat(team, last_week, 0), 0) << Name(team) << ", the last line included";
    }
    EXPECT_EQ(Count_Debug_Lines("Load_Historic_Schedule"), 0) << "the year's files fit";
}

TEST(HistoricSchedules, AYearThatLeavesATeamOutFallsBackToTheYearBefore) {
    Build_1951_League();
    Apply_History_Through(1975);
    Enter_Off_Season_Before(1976);
    Remove_Schedule_Files();
    Set_Games_Per_Season_For_Year(0);
    ASSERT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 14);
    const std::string left_out = Name(Count_Active_Teams() - 1); // Washington, the last slot
    ASSERT_EQ(left_out, "Washington Redskins");
    Write_File("Input/Schedules/1975-NFL.csv",
               std::string(HEADER) + Weeks_Of_League(ANY_LEAGUE, 1, 14, left_out));
    Write_File("Input/Schedules/1974-NFL.csv", std::string(HEADER) + Weeks_Of_League(ANY_LEAGUE, 1, 14));
    Clear_Debug_Log();
    EXPECT_EQ(Load_Historic_Schedule(), 1);
    EXPECT_EQ(Count_Games(), 14 * 13) << "the 1974 schedule, fourteen weeks of thirteen games";
    EXPECT_NE(Get_Team_Schedule_Stat(Count_Active_Teams() - 1, 0, 0), 0);
    EXPECT_EQ(Count_Debug_Lines("Load_Historic_Schedule: the schedule files of 1975 do not fit the season of "
                                "1975: the "),
              1);
    EXPECT_EQ(Count_Debug_Lines(" play 0 of the season's 14 games"), 1) << "a team the file misses";
}

// A year is taken only when every team of the league has the season's
// games: a league whose file is empty (or missing, or unreadable) would
// play no game while the other league plays its season, and a file cut
// short a season of a few games. Such a year falls back to the year before,
// and says why; with no year that fits, the season goes to the templates or
// the generator.
TEST(HistoricSchedules, AYearWhoseFilesGiveATeamLessThanItsSeasonFallsBack) {
    Build_1951_League();
    Apply_History_Through(1962);
    Enter_Off_Season_Before(1963); // the season of 1962
    Remove_Schedule_Files();
    Set_Games_Per_Season_For_Year(0);
    ASSERT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 14);
    ASSERT_EQ(Count_Leagues(), 2);
    const std::string first_nfl = Name(0);
    ASSERT_EQ(Get_Team_Conference(0), 0);
    Write_File("Input/Schedules/1962-AFL.csv", std::string(HEADER) + Weeks_Of_League(1, 1, 14));
    Write_File("Input/Schedules/1961-NFL.csv", std::string(HEADER) + Weeks_Of_League(0, 2, 15));
    Write_File("Input/Schedules/1961-AFL.csv", std::string(HEADER) + Weeks_Of_League(1, 2, 15));
    struct CASE {
        const char* Name;
        std::string Nfl_Text;
        int32_t Played;
    };
    const CASE cases[] = {{"an empty NFL file", HEADER, 0},
                          {"no NFL file", "", 0},
                          {"an NFL file cut after seven weeks", HEADER + Weeks_Of_League(0, 1, 7), 7},
                          {"an NFL file with a week too many", HEADER + Weeks_Of_League(0, 1, 15), 15}};
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.Name);
        std::filesystem::remove("Input/Schedules/1962-NFL.csv");
        if (!c.Nfl_Text.empty()) Write_File("Input/Schedules/1962-NFL.csv", c.Nfl_Text);
        Clear_All_Team_Schedules();
        Clear_Debug_Log();
        EXPECT_EQ(Load_Historic_Schedule(), 1);
        for (int32_t team = 0; team < Count_Active_Teams(); ++team) {
            EXPECT_EQ(Count_First_Listed_Games(team) + Count_Second_Listed_Games(team), 14) << Name(team);
            EXPECT_EQ(Get_Team_Schedule_Stat(team, 0, 0), 0) << Name(team) << ": the 1961 weeks 2-15";
        }
        EXPECT_EQ(
            Count_Debug_Lines("Load_Historic_Schedule: the schedule files of 1962 do not fit the season "
                              "of 1962: the " +
                              first_nfl + " play " + std::to_string(c.Played) + " of the season's 14 games"),
            1)
            << Read_Debug_Log_Text();
    }
    // Without the year before, nothing fits: no game is left behind.
    std::filesystem::remove("Input/Schedules/1961-NFL.csv");
    Clear_All_Team_Schedules();
    Clear_Debug_Log();
    EXPECT_EQ(Load_Historic_Schedule(), 0);
    EXPECT_EQ(Count_Games(), 0);
    EXPECT_EQ(Count_Debug_Lines("the schedule files of 1961 do not fit the season of 1962"), 1);
    Remove_Schedule_Files();
}

TEST(HistoricSchedules, WithoutAScheduleFileTheSeasonFallsBackToTheGenerator) {
    Build_1951_League();
    Apply_History_Through(1975);
    Enter_Off_Season_Before(1976);
    Remove_Schedule_Files();
    EXPECT_EQ(Load_Historic_Schedule(), 0) << "no file at all";
    Write_File("Input/Schedules/1975-NFL.csv", HEADER);
    Write_File("Input/Schedules/1974-AFL.csv", "");
    EXPECT_EQ(Load_Historic_Schedule(), 0) << "files without games";
    // An unbalanced year with nothing better before it leaves no game behind.
    Write_File("Input/Schedules/1975-NFL.csv",
               std::string(HEADER) + "1,Dallas Cowboys,New York Giants,Sun,x\n");
    EXPECT_EQ(Load_Historic_Schedule(), 0);
    EXPECT_EQ(Count_Games(), 0);
}

// The files end with the two leagues: a season after the last year with
// files is not played on that year's schedule, which would keep the merged
// conferences apart; it goes to the templates or the generator.
TEST(HistoricSchedules, ASeasonAfterTheLastYearWithFilesIsNotPlayedOnItsSchedule) {
    Build_1951_League();
    Apply_History_Through(1970);
    Enter_Off_Season_Before(1971); // the season of 1970
    Remove_Schedule_Files();
    Write_File("Input/Schedules/1969-NFL.csv",
               std::string(HEADER) + Week_Of_League(ANY_LEAGUE, 1) + Week_Of_League(ANY_LEAGUE, 2));
    EXPECT_EQ(Load_Historic_Schedule(), 0);
    EXPECT_EQ(Count_Games(), 0);
    Remove_Schedule_Files();
}

// A row of a team against itself is no game. However many a hand-made file
// holds, they are told in one line, as unknown names are.
TEST(HistoricSchedules, ALineWithOneTeamOnBothSidesIsNoGame) {
    Build_Test_League();
    Remove_Schedule_Files();
    const std::string first = Name(0);
    std::string text =
        std::string(HEADER) + "1," + first + "," + first + ",Sun,x\n2," + first + "," + Name(1) + ",Sun,x\n";
    for (int32_t row = 0; row < 20000; ++row)
        text += std::to_string(3 + row % 15) + "," + Name(2) + "," + Name(2) + ",Sun,x\n";
    Write_File("Input/Schedules/list.csv", text);
    Clear_Debug_Log();
    EXPECT_EQ(Read_Schedule_File("Input/Schedules/list.csv"), 1);
    EXPECT_EQ(Get_Team_Schedule_Stat(0, 0, SCHEDULE_OPPONENT), 0) << "a team never plays itself";
    EXPECT_EQ(Get_Team_Week_Opponent(1, 1), 0) << "the next line is read as before";
    EXPECT_EQ(Get_Team_Schedule_Stat(2, 2, SCHEDULE_OPPONENT), 0);
    const std::vector<std::string> lines = Read_Debug_Log();
    ASSERT_EQ(lines.size(), 1u) << Read_Debug_Log_Text();
    EXPECT_EQ(lines[0], "Read_Schedule_File: 20001 games of a team against itself skipped in "
                        "\"Input/Schedules/list.csv\", the first of the " +
                            first + " in week 1");
    Remove_Schedule_Files();
}

// Names of teams the league does not have are logged once a file, with their
// count, however many rows name them.
TEST(HistoricSchedules, UnknownTeamsOfAFileAreLoggedOnceWithTheirCount) {
    Build_Test_League();
    Remove_Schedule_Files();
    const int32_t year = Get_Current_Year();
    std::string text = std::string(HEADER) + "1," + Name(0) + "," + Name(1) + ",Sun,x\n";
    for (int32_t row = 0; row < 20000; ++row)
        text += "2,Gotham Knights,Metropolis Meteors,Sun,x\n";
    Write_File("Input/Schedules/many.csv", text);
    Write_File("Input/Schedules/one.csv", std::string(HEADER) + "3,Gotham Knights," + Name(1) + ",Sun,x\n");
    Clear_Debug_Log();
    EXPECT_EQ(Read_Schedule_File("Input/Schedules/many.csv"), 1) << "the known teams' game is entered";
    EXPECT_EQ(Read_Schedule_File("Input/Schedules/one.csv"), 0);
    const std::vector<std::string> lines = Read_Debug_Log();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0],
              "Unrecognized Team Name: Metropolis Meteors (" + std::to_string(year) +
                  "), and 39999 more names of teams not in the league in \"Input/Schedules/many.csv\"");
    EXPECT_EQ(lines[1], "Unrecognized Team Name: Gotham Knights (" + std::to_string(year) + ")");
    Remove_Schedule_Files();
}

TEST(HistoricSchedules, ConverterOrdersVisitorAndHome) {
    Remove_Schedule_Files();
    EXPECT_EQ(Write_Schedule_File("1999-NFL"), 0) << "no export to read";
    Write_File("Input/Schedules/1999-NFL.txt",
               "Week,Day,Date,Time,Team,At,Team\n"
               "1,Sun,September 12,1:00PM,Dallas Cowboys,@,Washington Redskins\n"
               "1,Sun,September 12,4:15PM,Chicago Bears,,Green Bay Packers\n"
               "Week,Day,Date,Time,Team,At,Team\n"
               "WildCard,Sat,January 8,4:30PM,Buffalo Bills,@,Tennessee Titans\n"
               "0,Sun,August 1,1:00PM,Tennessee Titans,@,Buffalo Bills\n"
               "2,Mon,September 20,9:00PM,Atlanta Falcons,@,Dallas Cowboys");
    EXPECT_EQ(Write_Schedule_File("1999-NFL"), 1);
    std::ifstream in("Input/Schedules/1999-NFL.csv");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{"Week,Away_Team,Home_Team,Day,Date",
                                               "1,Dallas Cowboys,Washington Redskins,Sun,September 12",
                                               "1,Green Bay Packers,Chicago Bears,Sun,September 12",
                                               "2,Atlanta Falcons,Dallas Cowboys,Mon,September 20"}));

    // A file that cannot be written is no schedule written.
    std::filesystem::remove("Input/Schedules/1999-NFL.csv");
    std::filesystem::create_directories("Input/Schedules/1999-NFL.csv/taken");
    EXPECT_EQ(Write_Schedule_File("1999-NFL"), 0);
    EXPECT_TRUE(std::filesystem::is_directory("Input/Schedules/1999-NFL.csv/taken"));
    Remove_Schedule_Files();
}

TEST(HistoricSchedules, ShapeAndYearRules) {
    Build_Test_League();
    EXPECT_EQ(Has_Eight_Divisions_Of_Four(), 1);
    Set_Team_Stat(0, TEAM_STAT_DIVISION, 1);
    EXPECT_EQ(Has_Eight_Divisions_Of_Four(), 0);
    struct CASE {
        int32_t Year, Games, Skip;
    };
    for (const CASE& c : {CASE{2000, 16, 0}, CASE{1975, 16, 1}, CASE{1959, 13, 0}, CASE{1959, 14, 1},
                          CASE{1980, 11, 1}, CASE{1977, 14, 0}, CASE{1990, 18, 0}}) {
        Universe.Header.Universe_Stats[BASE_YEAR] = c.Year;
        Set_User_Preference(CURRENT_SEASON_INDEX, 0);
        Universe.Header.Universe_Stats[GAMES_PER_SEASON] = c.Games;
        EXPECT_EQ(Skip_Historic_Schedule(), c.Skip) << c.Year << " " << c.Games;
    }
    EXPECT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 17) << "18 games are stored as 17";
    EXPECT_EQ(Get_1959_Schedule_Slot(0), 6);
    EXPECT_EQ(Get_1959_Schedule_Slot(11), 3);
    EXPECT_EQ(Get_1959_Schedule_Slot(12), -128);
}
