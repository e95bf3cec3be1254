// The season's text reports on small hand-made leagues.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/playoff_bracket.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/position_fitness.h"
#include "reports/season_reports.h"
#include "season/playoff_seeding.h"
#include "support/test_league.h"
#include "views/timeline_strip.h"

namespace {
using LINES = std::vector<std::string>;

LINES Read_Lines(const char* name) {
    LINES lines;
    std::ifstream file(name);
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

bool Contains(const LINES& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The test league in its 2021 season with named leagues and divisions.
void Build_Report_League() {
    Build_Test_League();
    Set_User_Preference(CURRENT_SEASON_INDEX, 1);
    Set_League_Abbreviation(0, "north");
    Set_League_Abbreviation(1, "south");
    for (int32_t division = 0; division < 8; ++division)
        Set_Division_Name(division, division == 0 ? "lakes" : "plains");
    Clear_Playoff_Bracket();
    for (const char* name : {"Output/Money-21.txt", "Output/Stndng21.txt", "Output/Awards21.txt"})
        std::filesystem::remove(name);
}

// Only teams 0 and 1 stay in the league.
void Keep_Two_Teams() {
    for (int32_t team = 2; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_EMPTY);
    Count_Active_Teams();
}
} // namespace

TEST(SeasonReports, MoneyReportListsEachTeamsBooks) {
    Build_Report_League();
    Keep_Two_Teams();
    Set_User_Preference(OWNER_MODE, 1);
    // Team 0: in debt, one paid player; team 1 human-run under a lower-case name.
    for (int32_t team = 0; team < 2; ++team)
        for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot) {
            Set_Player_Vital_Stat(team, slot, VITAL_SALARY, 0);
            Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, 0);
        }
    Set_Player_Vital_Stat(0, 0, VITAL_SALARY, 12345);
    Set_Team_Financial_Stat(0, FINANCE_CASH, -5000000);
    Set_Team_Financial_Stat(0, FINANCE_TICKET_PRICE, 6550);
    Set_Team_Financial_Stat(0, FINANCE_TICKET_REVENUE, 87654321);
    Set_Team_Financial_Stat(0, FINANCE_HOME_ATTENDANCE, 1200000);
    Set_Team_Financial_Stat(0, FINANCE_HOME_GAMES, 8);
    Set_Team_Financial_Stat(0, FINANCE_ROAD_ATTENDANCE, 480000);
    Set_Team_Financial_Stat(0, FINANCE_GAMES, 16);
    Set_Team_Stat(1, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_Team_Location("east bay", 1);
    Set_Team_Financial_Stat(1, FINANCE_CASH, 123456789);
    Set_Team_Financial_Stat(1, FINANCE_TICKET_PRICE, 900);

    Write_Money_Report();
    EXPECT_FALSE(std::filesystem::exists("Output/Money-21.txt")) << "the option is off";
    Set_User_Preference(AUTO_OUTPUT_FINANCES, 1);
    Write_Money_Report();
    const LINES lines = Read_Lines("Output/Money-21.txt");
    const LINES expected = {
        "",
        "                                             TICKETS        ATTENDANCE",
        "End Of 2021                Cash  Payroll  Price  Revenue   Home    Road",
        "Akron Comets                0.0M  12.3M    $65    87.6M   150,000  60,000",
        "East bay Rams             123.4M   0.0M    $ 9     0.0M        0       0",
    };
    EXPECT_EQ(lines, expected);
    Write_Money_Report();
    EXPECT_EQ(Read_Lines("Output/Money-21.txt"), expected) << "written anew, not appended";
}

TEST(SeasonReports, StandingsReportListsDivisionsAndPlayoffRounds) {
    Build_Report_League();
    Set_User_Preference(AUTO_OUTPUT_STANDINGS, 1);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        Set_Team_Record_Char(team, RECORD_CHAR_WINS, 4 + team % 4);
        Set_Team_Record_Char(team, RECORD_CHAR_LOSSES, 12 - team % 4);
    }
    // Team 3 (the division's best): 24 points in its one recorded game, 1200
    // rushing yards on 300 carries, ten takeaways.
    Set_Team_Record_Char(3, RECORD_CHAR_TIES, 1);
    GAME_RECORD& game = Universe.Games[0];
    game.Team[0] = 3;
    game.Team[1] = 2;
    game.Score[0] = 24;
    game.Score[1] = 17;
    Set_Team_Totals_Stat(3, 0, 0, 8, 1200);
    Set_Team_Totals_Stat(3, 0, 0, 7, 300);
    Set_Team_Totals_Stat(3, 7, 0, 4, 10);
    Update_Standings();
    Set_Team_Nickname("Football Team", 17);
    Set_Playoff_Team(0, 3);
    Set_Playoff_Team(1, 5);
    Set_Playoff_Score(0, 27);
    Set_Playoff_Score(1, 20);
    Set_Playoff_Team(2, 6);
    Set_Playoff_Team(3, 7);
    Set_Playoff_Team(24, 3);
    Set_Playoff_Team(25, 10);
    Set_Playoff_Score(24, 10);
    Set_Playoff_Score(25, 13);
    Set_Playoff_Team(28, 10);
    Set_Playoff_Team(29, 17);
    Set_Playoff_Score(28, 9);
    Set_Playoff_Score(29, 31);

    Write_Standings_Report();
    LINES lines = Read_Lines("Output/Stndng21.txt");
    ASSERT_GE(lines.size(), 10u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "North (2021)");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], " Lakes                  W   L   T   PCT    PF    PA   Yds   +/-");
    EXPECT_EQ(lines[4], " Boise                  7   9   1  .441   1.4   1.0  4.00   +10");
    EXPECT_EQ(lines[5], " Austin                 6  10   0  .375   1.1   1.5  0.00     0");
    EXPECT_EQ(lines[8], "");
    EXPECT_TRUE(Contains(lines, "South (2021)"));
    // Four divisions a league: no wild-card or division-round headings.
    EXPECT_FALSE(Contains(lines, "WILD CARD GAMES"));
    EXPECT_FALSE(Contains(lines, "DIVISION PLAYOFFS"));
    const LINES results = {"",
                           " Hawks defeat Rams, 27-20",
                           "",
                           "CONFERENCE CHAMPIONSHIPS",
                           " Bears defeat Hawks, 13-10",
                           "",
                           "SUPER BOWL",
                           " Lincoln defeat Bears, 31-9",
                           ""};
    ASSERT_GE(lines.size(), results.size());
    EXPECT_EQ(LINES(lines.end() - static_cast<std::ptrdiff_t>(results.size()), lines.end()), results)
        << "equal scores (a game not played) give no line; a Football Team goes by its city";

    // One league of three divisions in 1965.
    Universe.Header.Universe_Stats[BASE_YEAR] = 1964;
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        if (team >= 12) Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_EMPTY);
    Count_Active_Teams();
    Update_Standings();
    std::filesystem::remove("Output/Stndng65.txt");
    Write_Standings_Report();
    lines = Read_Lines("Output/Stndng65.txt");
    EXPECT_TRUE(Contains(lines, "North (1965)"));
    EXPECT_FALSE(Contains(lines, "South (1965)"));
    EXPECT_TRUE(Contains(lines, "WILD CARD GAMES"));
    EXPECT_TRUE(Contains(lines, "DIVISION PLAYOFFS"));
    EXPECT_TRUE(Contains(lines, "LEAGUE CHAMPIONSHIPS"));
    EXPECT_FALSE(Contains(lines, "SUPER BOWL")) << "one league: no title game between leagues";
}

TEST(SeasonReports, AwardsGoToTheBestSeasonsAndEveryStarterSlotIsFilled) {
    Build_Report_League();
    Set_User_Preference(AUTO_OUTPUT_AWARDS, 1);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
            Clear_Player_Season_Stats(team, slot, SEASON_THIS);
    // A quarterback's big season in the north, a linebacker's in the south,
    // a rookie receiver's and a second receiver's in the north.
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    const int32_t lb = Test_League_Slot(POSITION_LB, 0);
    const int32_t wr = Test_League_Slot(POSITION_WR, 0);
    const int32_t quarterback_stats[] = {16, 16, 550, 380, 8, 4800, 40};
    for (int32_t stat = 0; stat < 7; ++stat)
        Set_Player_Stat(2, qb, SEASON_THIS, stat, quarterback_stats[stat]);
    const int32_t linebacker_stats[] = {16, 16, 120, 40, 30, 4, 10, 5};
    for (int32_t stat = 0; stat < 8; ++stat)
        Set_Player_Stat(20, lb, SEASON_THIS, stat, linebacker_stats[stat]);
    const int32_t receiver_stats[][3] = {{100, 1500, 12}, {60, 800, 5}};
    for (int32_t n = 0; n < 2; ++n) {
        const int32_t team = n == 0 ? 6 : 9;
        Set_Player_Stat(team, wr, SEASON_THIS, 0, 16);
        for (int32_t k = 0; k < 3; ++k)
            Set_Player_Stat(team, wr, SEASON_THIS, 10 + k, receiver_stats[n][k]);
    }
    Set_Player_Vital_Stat(6, wr, VITAL_CREDITED_SEASONS, 0);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
            if (Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS) == 0 && !(team == 6 && slot == wr))
                Set_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS, 3);

    Write_Awards_Report();
    const LINES lines = Read_Lines("Output/Awards21.txt");
    auto name_of = [](int32_t team, int32_t slot) {
        char name[FORMATTED_TEXT_SIZE];
        char abbreviation[FORMATTED_TEXT_SIZE];
        Get_Player_Full_Name(team, slot, name);
        Get_Team_String(abbreviation, team, 0);
        return std::string(name) + " (" + abbreviation + ")";
    };
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "            MOST VALUABLE PLAYER: " + name_of(2, qb));
    EXPECT_EQ(lines[1], "    DEFENSIVE PLAYER OF THE YEAR: " + name_of(20, lb));
    EXPECT_EQ(lines[2], "              ROOKIE OF THE YEAR: " + name_of(6, wr));
    EXPECT_EQ(lines[3], "");
    // Each league: its heading, three units of starters (11, 11 and 2) with an
    // empty line before each, and an empty line after.
    ASSERT_EQ(lines.size(), 4u + 2 * (1 + 3 + 24 + 1));
    EXPECT_EQ(lines[4], "North PRO BOWL STARTERS (2021)");
    EXPECT_EQ(lines[4 + 29], "South PRO BOWL STARTERS (2021)");
    EXPECT_EQ(lines[6], " QB: " + name_of(2, qb));
    // The two receiver rows of the offence: the better season first, then the
    // second best, never the same player twice while another has a season.
    std::vector<std::string> receivers;
    for (int32_t k = 0; k < 11; ++k)
        if (Get_Starter_Slot_Position(255, 0, k) == POSITION_WR) receivers.push_back(lines[6 + k]);
    ASSERT_EQ(receivers.size(), 2u);
    EXPECT_EQ(receivers[0], " WR: " + name_of(6, wr));
    EXPECT_EQ(receivers[1], " WR: " + name_of(9, wr));
    EXPECT_EQ(lines.back(), "");
}

TEST(SeasonReports, AStarterAlreadyChosenIsChosenAgainWhenNobodyElseScores) {
    Build_Report_League();
    Set_User_Preference(AUTO_OUTPUT_AWARDS, 1);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
            Clear_Player_Season_Stats(team, slot, SEASON_THIS);
    // Only one receiver of the north has a season: he fills the first receiver
    // row; in the second he scores 0 like every other, and the first found wins.
    const int32_t wr = Test_League_Slot(POSITION_WR, 0);
    Set_Player_Stat(0, wr, SEASON_THIS, 0, 16);
    Set_Player_Stat(0, wr, SEASON_THIS, 10, 90);
    Set_Player_Stat(0, wr, SEASON_THIS, 11, 1200);
    Write_Awards_Report();
    const LINES lines = Read_Lines("Output/Awards21.txt");
    std::vector<std::string> receivers;
    for (int32_t k = 0; k < 11; ++k)
        if (Get_Starter_Slot_Position(255, 0, k) == POSITION_WR) receivers.push_back(lines[6 + k]);
    ASSERT_EQ(receivers.size(), 2u);
    EXPECT_EQ(receivers[0], receivers[1]);

    // With no defender scoring, the first defender found is the defensive
    // player of the year, an expanded position counted as its own position.
    int32_t first = 0;
    while (Get_Position_Group(Get_Player_Vital_Stat(0, first, VITAL_POSITION)) != 2)
        ++first;
    const int32_t position = Get_Player_Vital_Stat(0, first, VITAL_POSITION);
    int32_t expanded = NUMBER_OF_POSITIONS;
    while (Translate_Expanded_Position(expanded) != position)
        ++expanded;
    Set_Player_Vital_Stat(0, first, VITAL_POSITION, expanded);
    Write_Awards_Report();
    char name[FORMATTED_TEXT_SIZE];
    Get_Player_Name_With_Team(0, first, name);
    EXPECT_EQ(Read_Lines("Output/Awards21.txt")[1], std::string("    DEFENSIVE PLAYER OF THE YEAR: ") + name);
}
