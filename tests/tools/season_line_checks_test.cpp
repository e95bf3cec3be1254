// The checks a season's build makes of its seasons: a line of more games than
// its year's schedule, a second line of a player's year with the same team
// (whatever text names the team) and a career that is not the sum of its
// season lines each fail the build, named; so does a team whose passers
// (a receiver who threw counted among them) completed other passes than its
// receivers caught, by even one yard; a sound file passes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "personnel/team_lookup.h"
#include "support/test_league.h"
#include "tools/league_history_totals.h"
#include "tools/season_database.h"
#include "tools/season_line_checks.h"
#include "tools/seasons_csv.h"
#include "tools/stats_input.h"
#include "tools/web_import.h"

namespace {
namespace fs = std::filesystem;

std::string Team_Text(int32_t team, int32_t index) {
    char text[TEAM_STRING_LENGTH] = "";
    Get_Team_String(text, team, index);
    return text;
}

class SeasonLineChecks : public testing::Test {
  protected:
    void SetUp() override {
        Build_Test_League();
        slot = Test_League_Slot(POSITION_QB, 0);
        char name[PLAYER_NAME_TEXT_SIZE];
        Get_Player_Full_Name(3, slot, name);
        player = name;
        Reset_Diagnostics();
    }
    void TearDown() override {
        std::error_code left;
        fs::remove_all("Input/Stats", left);
    }
    std::string Line(int32_t year, const std::string& team, int32_t games) const {
        return "K," + std::to_string(Get_Player_ID(3, slot)) + ",," + std::to_string(year) + "," + team +
               ",12," + player + ",QB,," + std::to_string(games) + ",0";
    }
    // A line of the player at `slot` of team 3 with the given columns filled.
    static std::string Full_Line(int32_t line_slot, int32_t year, const std::string& team,
                                 const std::vector<std::pair<int32_t, int32_t>>& columns) {
        std::vector<std::string> fields(SEASONS_CSV_COLUMNS + 1);
        char name[PLAYER_NAME_TEXT_SIZE];
        Get_Player_Full_Name(3, line_slot, name);
        fields[2] = std::to_string(Get_Player_ID(3, line_slot));
        fields[4] = std::to_string(year);
        fields[5] = team;
        fields[7] = name;
        fields[8] = Get_Player_Vital_Stat(3, line_slot, VITAL_POSITION) == POSITION_QB ? "QB" : "WR";
        fields[10] = "16";
        for (const auto& [column, value] : columns)
            fields[column] = std::to_string(value);
        std::string line;
        for (int32_t column = 1; column <= SEASONS_CSV_COLUMNS; ++column)
            line += (column > 1 ? "," : "") + fields[column];
        return line;
    }
    // Reads the lines as the build reads its seasons file; true when the
    // build would go on.
    bool Read(const std::vector<std::string>& lines) {
        fs::create_directories("Input/Stats");
        std::ofstream out("Input/Stats/Seasons.csv", std::ios::binary);
        out << SEASONS_CSV_HEADER << "\n";
        for (const std::string& line : lines)
            out << line << "\n";
        out.close();
        Reset_Diagnostics();
        Begin_Stats_Input_Checks();
        EXPECT_EQ(Load_Seasons_CSV(0), 1);
        const bool sound = !Have_Stats_Inputs_Failed();
        End_Stats_Input_Checks();
        return sound;
    }
    int32_t slot = 0;
    std::string player;
};
} // namespace

// 16 games a season until 2020, 17 from 2021; a player's two teams of a
// year are two lines, one team named twice (by abbreviation and full name)
// is a repeat. Each read is an account of its own.
TEST_F(SeasonLineChecks, TheSeasonsFileIsReadOnlyWhenSound) {
    const std::string team = Team_Text(5, 0), other = Team_Text(6, 0);
    const std::string full_name = Team_Text(5, 1) + " " + Team_Text(5, 2);
    EXPECT_TRUE(
        Read({Line(2005, team, 15), Line(2005, other, 1), Line(2020, team, 16), Line(2021, team, 17)}))
        << Last_Error_Text;
    const std::string id = " (player " + std::to_string(Get_Player_ID(3, slot)) + ")";
    EXPECT_FALSE(Read({Line(2005, team, 16), Line(2020, team, 17)}));
    EXPECT_NE(std::string(Last_Error_Text)
                  .find("seasons.csv, line 3, field 10: " + player + id +
                        " has 17 games in 2020, more than the 16 of its schedule"),
              std::string::npos)
        << Last_Error_Text;
    EXPECT_FALSE(Read({Line(2005, team, 8), Line(2006, team, 8), Line(2005, full_name, 8)}));
    EXPECT_NE(std::string(Last_Error_Text)
                  .find("seasons.csv, line 4, field 5: " + player + id + " already has a line of 2005 with " +
                        full_name + ", line 2"),
              std::string::npos)
        << Last_Error_Text;
}

// A season after the league's own names its teams by their later
// abbreviations: a city's abbreviation that a franchise of the league carried
// before it moved is a later franchise's there, not a second line with the
// one that moved; a later abbreviation of a moved franchise is still its own.
TEST_F(SeasonLineChecks, ALaterSeasonsOldAbbreviationIsALaterFranchise) {
    const int32_t year = Get_Universe_Stat(BASE_YEAR) + 5;
    Set_Team_String("TEN", 5, 0);
    Set_Team_String("SD", 6, 0);
    EXPECT_EQ(Get_Team_From_Abbreviation("HOU", 0), 5) << "an earlier season's Houston moved";
    EXPECT_EQ(Get_Team_From_Later_Abbreviation("HOU"), NO_TEAM);
    EXPECT_EQ(Get_Team_From_Later_Abbreviation("TEN"), 5);
    EXPECT_EQ(Get_Team_From_Later_Abbreviation("LAC"), 6);
    EXPECT_EQ(Get_Team_From_Later_Abbreviation("FA"), FREE_AGENT_TEAM);
    EXPECT_TRUE(Read({Line(year, "TEN", 4), Line(year, "HOU", 3)})) << Last_Error_Text;
    EXPECT_FALSE(Read({Line(year, "SD", 4), Line(year, "LAC", 3)}))
        << "the moved franchise's two names are one team";
    // Two clubs of that season's teams file that the built year knows as one
    // franchise (one moved away, the other was founded in its old city
    // since) are two lines of the player, added together.
    Set_Team_String("CLE", 7, 0);
    fs::create_directories("Input/Stats");
    std::ofstream teams("Input/Stats/" + std::to_string(year) + "_teams.csv", std::ios::binary);
    teams << "Abbreviation,Location,Nickname\nBAL,Baltimore,Ravens\nCLE,Cleveland,Browns\nSD,San "
             "Diego,Chargers\n";
    teams.close();
    ASSERT_EQ(Get_Team_From_Later_Abbreviation("BAL"), 7);
    EXPECT_TRUE(Read({Line(year, "BAL", 4), Line(year, "CLE", 3)})) << Last_Error_Text;
    EXPECT_FALSE(Read({Line(year, "CLE", 4), Line(year, "CLE", 3)})) << "one club named twice";
    EXPECT_FALSE(Read({Line(year, "SD", 4), Line(year, "LAC", 3)}))
        << "a club the season's teams file does not list is no second club";
}

TEST_F(SeasonLineChecks, ACareerThatIsNotTheSumOfItsLinesIsRefused) {
    const int32_t year = Get_Current_Year() + 1;
    Universe.Header.Universe_Stats[BASE_YEAR] = year;
    Clear_League_History_Totals(year - 1);
    Rebuild_All_Season_Totals();
    EXPECT_TRUE(Check_Career_Totals(SEASONS_CSV_NAME)) << Last_Error_Text;
    // A kicker's longest kick is the longest of his lines, which the sum is not.
    const int32_t kicker = Test_League_Slot(POSITION_K, 0);
    ASSERT_GE(Count_Player_Season_Lines(2, kicker), 2);
    Set_Season_Line_Stat(Get_Player_Season_Line(2, kicker, 0), 18, 50);
    Set_Season_Line_Stat(Get_Player_Season_Line(2, kicker, 1), 18, 45);
    EXPECT_TRUE(Check_Career_Totals(SEASONS_CSV_NAME)) << Last_Error_Text;

    const int32_t line = Get_Player_Season_Line(3, slot, 0);
    Set_Season_Line_Stat(line, 0, Get_Season_Line_Stat(line, 0) + 1);
    EXPECT_FALSE(Check_Career_Totals(SEASONS_CSV_NAME));
    const std::string error = Last_Error_Text;
    EXPECT_NE(error.find("career statistic 0 of " + player), std::string::npos) << error;
    EXPECT_NE(error.find(SEASONS_CSV_NAME), std::string::npos) << error;
    EXPECT_NE(error.find("The " + std::to_string(year) + " season"), std::string::npos) << error;
}

// Columns 13-15 of the passers against 26-28 of the receivers, team by team:
// a team's account is its own, whoever's lines it holds.
TEST_F(SeasonLineChecks, ATeamWhosePassesAreNotCaughtIsRefused) {
    const int32_t receiver = Test_League_Slot(POSITION_WR, 0),
                  other_receiver = Test_League_Slot(POSITION_WR, 1);
    const std::string team = Team_Text(5, 0), other = Team_Text(6, 0);
    auto passer_line = [&](const std::string& with, int32_t completions, int32_t yards, int32_t scores) {
        return Full_Line(slot, 2000, with, {{13, completions}, {14, yards}, {15, scores}});
    };
    auto catcher_line = [&](int32_t catcher, const std::string& with, int32_t caught, int32_t yards,
                            int32_t scores) {
        return Full_Line(catcher, 2000, with, {{26, caught}, {27, yards}, {28, scores}});
    };
    EXPECT_TRUE(Read({passer_line(team, 20, 250, 2), catcher_line(receiver, team, 12, 150, 1),
                      catcher_line(other_receiver, team, 8, 100, 1)}))
        << Last_Error_Text;
    EXPECT_TRUE(
        Read({passer_line(team, 5, 60, 0), passer_line(other, 15, 190, 2),
              catcher_line(receiver, team, 5, 60, 0), catcher_line(other_receiver, other, 15, 190, 2)}))
        << "a passer traded in the season counts for each team apart: " << Last_Error_Text;

    // A receiver who threw a pass keeps it in his line's passing columns,
    // which count for his team though the build credits them to no one.
    const std::string thrower_line =
        Full_Line(receiver, 2000, team, {{12, 2}, {13, 1}, {14, 4}, {26, 12}, {27, 150}, {28, 1}});
    const int32_t fumbles = Get_Player_Stat(3, receiver, SEASON_PREDICTED, 2);
    const int32_t unused = Get_Player_Stat(3, receiver, SEASON_PREDICTED, 3);
    EXPECT_TRUE(
        Read({passer_line(team, 20, 250, 2), thrower_line, catcher_line(other_receiver, team, 9, 104, 1)}))
        << Last_Error_Text;
    EXPECT_EQ(Get_Player_Stat(3, receiver, SEASON_PREDICTED, 2), fumbles) << "his passes are not his fumbles";
    EXPECT_EQ(Get_Player_Stat(3, receiver, SEASON_PREDICTED, 3), unused);
    EXPECT_FALSE(Read({passer_line(team, 20, 250, 2), catcher_line(receiver, team, 12, 150, 1),
                       catcher_line(other_receiver, team, 8, 104, 1)}))
        << "a pass no line threw is never made up by a tolerance";
    EXPECT_FALSE(Read({passer_line(team, 20, 250, 2), catcher_line(receiver, team, 12, 150, 1),
                       catcher_line(other_receiver, team, 8, 90, 1)}));
    std::string error = Last_Error_Text;
    EXPECT_NE(error.find("the 2000 season of " + team +
                         " does not add up: its passers have 250 passing yards, "
                         "its receivers 240"),
              std::string::npos)
        << error;
    EXPECT_NE(error.find(SEASONS_CSV_NAME), std::string::npos) << error;

    // The receiver's catches credited to the other team leave both short.
    EXPECT_FALSE(Read({passer_line(team, 20, 250, 2), catcher_line(receiver, team, 12, 150, 1),
                       catcher_line(other_receiver, other, 8, 100, 1)}));
    error = Last_Error_Text;
    EXPECT_NE(error.find("2000 season of "), std::string::npos) << error;
    EXPECT_NE(error.find(" does not add up: its passers have "), std::string::npos) << error;
    EXPECT_NE(error.find(" completions, its receivers "), std::string::npos) << error;
}

// The build of 2040 reads lines of the years after it: an unknown team of a
// later year that its own season's teams file holds was founded after 2040
// and its lines are rightly dropped; a text no season knows, a team of the
// built year or before, or any other error is a failure.
TEST(LaterFranchiseReports, OnlyATeamOfItsOwnLaterSeasonIsNoFailure) {
    fs::create_directories("Input/Stats");
    std::ofstream("Input/Stats/2043_teams.csv")
        << "Abbreviation,Location,Nickname\nAAA,Here,Ones\nBBB,There,Twos\n";
    EXPECT_TRUE(Is_Later_Franchise_Report("Unrecognized team abbreviation: BBB (2043)", 2040));
    EXPECT_FALSE(Is_Later_Franchise_Report("Unrecognized team abbreviation: BBQ (2043)", 2040))
        << "no team of its season";
    EXPECT_FALSE(Is_Later_Franchise_Report("Unrecognized team abbreviation: BBB (2043)", 2043))
        << "the built season's own year";
    EXPECT_FALSE(Is_Later_Franchise_Report("Unrecognized team abbreviation: AAA (2044)", 2040))
        << "a season without a teams file";
    EXPECT_FALSE(Is_Later_Franchise_Report("Unrecognized team abbreviation: Abbreviation (2043)", 2040))
        << "the header is no team";
    EXPECT_FALSE(Is_Later_Franchise_Report("Unrecognized Team Abbreviation: BBB", 2040));
    EXPECT_FALSE(Is_Later_Franchise_Report("Unable to open BBB (2043)", 2040));
    fs::remove("Input/Stats/2043_teams.csv");
}
