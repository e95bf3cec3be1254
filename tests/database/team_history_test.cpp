#include <gtest/gtest.h>

#include <cstring>

#include "database/cities.h"
#include "database/league_structure.h"
#include "database/playoff_bracket.h"
#include "database/roster_queries.h"
#include "database/settings.h"
#include "database/team_history.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "support/debug_log.h"
#include "support/test_league.h"

TEST(TeamHistory, HistoryRatingOfOnePastSeason) {
    Build_Test_League();
    EXPECT_EQ(Get_Team_History_Stat(2, 0), 0) << "season index 0 has no history";
    Set_User_Preference(CURRENT_SEASON_INDEX, 1);
    Set_Team_Yearly_Char(2, 0, RECORD_CHAR_WINS, 10);
    Set_Team_Yearly_Char(2, 0, RECORD_CHAR_LOSSES, 6);
    Set_Team_Yearly_Char(2, 0, RECORD_CHAR_PLAYOFF_WINS, 2);
    Set_Team_Yearly_Int(2, 0, 3, 8);
    EXPECT_EQ(Get_Team_History_Stat(2, 0), 237);
    EXPECT_EQ(Get_Team_History_Stat(2, 1), 10);
    EXPECT_EQ(Get_Team_History_Stat(2, 8), 1);
    EXPECT_EQ(Get_Season_Finish_Team(28, 1, 1), 2) << "last season's champion";
    EXPECT_EQ(Get_Season_Finish_Team(28, 0, 1), NO_PLAYER);
    EXPECT_EQ(Get_Season_Finish_Team(20, 0, 1), NO_PLAYER);
}

TEST(TeamHistory, PastDivisionOrderByWinsThenTies) {
    Build_Test_League();
    Set_User_Preference(CURRENT_SEASON_INDEX, 2);
    for (int32_t k = 0; k < 4; ++k)
        Universe.Division_Standings[1][k] = static_cast<int8_t>(4 + k);
    int32_t wins[] = {5, 9, 9, 12};
    int32_t ties[] = {0, 0, 1, 0};
    for (int32_t k = 0; k < 4; ++k) {
        Set_Team_Yearly_Char(4 + k, 0, RECORD_CHAR_WINS, wins[k]);
        Set_Team_Yearly_Char(4 + k, 0, RECORD_CHAR_TIES, ties[k]);
    }
    EXPECT_EQ(Get_Division_Place_Team(1, 0, 0), 7);
    EXPECT_EQ(Get_Division_Place_Team(1, 1, 0), 6) << "ties break equal wins";
    EXPECT_EQ(Get_Division_Place_Team(1, 2, 0), 5);
    EXPECT_EQ(Get_Division_Place_Team(1, 3, 0), 4);
    EXPECT_EQ(Get_Division_Place_Team(1, 2, 2), 6) << "the current season reads the standings";
}

// A franchise of the division now that did not play a past season (one
// that joined since) has no place in it; the current season keeps the
// standings as they are.
TEST(TeamHistory, APastDivisionOrderHoldsOnlyTheTeamsThatPlayedIt) {
    Build_Test_League();
    Set_User_Preference(CURRENT_SEASON_INDEX, 2);
    for (int32_t k = 0; k < 4; ++k)
        Universe.Division_Standings[1][k] = static_cast<int8_t>(4 + k);
    const int32_t wins[] = {0, 9, 0, 12};
    for (int32_t k = 1; k < 4; ++k) {
        Set_Team_Yearly_Char(4 + k, 0, RECORD_CHAR_WINS, wins[k]);
        Set_Team_Yearly_Char(4 + k, 0, RECORD_CHAR_LOSSES, 16 - wins[k]);
    }
    EXPECT_EQ(Count_Division_Season_Teams(1, 0), 3) << "team 4 joined after season 0";
    EXPECT_EQ(Get_Division_Place_Team(1, 0, 0), 7);
    EXPECT_EQ(Get_Division_Place_Team(1, 1, 0), 5);
    EXPECT_EQ(Get_Division_Place_Team(1, 2, 0), 6) << "a team without a win that played";
    EXPECT_EQ(Get_Division_Place_Team(1, 3, 0), NO_TEAM);
    EXPECT_EQ(Count_Division_Season_Teams(1, 2), 4) << "the current season's standings";
    EXPECT_EQ(Get_Division_Place_Team(1, 0, 2), 4);
}

TEST(TeamHistory, WildCardBounds) {
    Build_Test_League();
    // 32 teams in two leagues of four divisions.
    EXPECT_EQ(Get_Max_Wild_Card_Teams(), 4);
    EXPECT_EQ(Get_Min_Wild_Card_Teams(), 0);
    // Two leagues of three divisions.
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        int32_t division = team % 16 < 8 ? team / 16 * 4 + team % 3 : team / 16 * 4 + (team + 1) % 3;
        Set_Team_Stat(team, TEAM_STAT_DIVISION, division);
    }
    EXPECT_EQ(Get_Max_Wild_Card_Teams(), 5);
    EXPECT_EQ(Get_Min_Wild_Card_Teams(), 1);
}

TEST(TeamHistory, FinishOfASeasonOutsideTheHistoryIsLoggedNotReported) {
    Build_Test_League();
    Set_User_Preference(CURRENT_SEASON_INDEX, 1);
    Clear_Debug_Log();
    EXPECT_EQ(Get_Season_Finish_Team(28, 1, 5), NO_PLAYER) << "season index -4 holds no finish";
    EXPECT_EQ(Count_Debug_Lines("Invalid nYear in Get_Team_Yearly_Int"), 1);
    EXPECT_EQ(Count_Error_Lines(), 0) << "a season outside the history is a logged line, not an error";
}

// Setting a statistic of a team's home city, with the city setter's checks;
// a team number of 41 or more names city 0, as the getter reads it.
TEST(TeamHistory, TeamCityStatisticIsSetInItsHomeCity) {
    Build_Test_League();
    Clear_Debug_Log();
    Set_Team_Stat(4, TEAM_STAT_HOME_CITY, 9);
    Set_Team_City_Stat(4, 3, 31000);
    EXPECT_EQ(Get_City_Stat(9, 3), 31000);
    EXPECT_EQ(Get_Team_City_Stat(4, 3), 31000);
    Set_Team_City_Stat(41, 2, 777);
    EXPECT_EQ(Get_City_Stat(0, 2), 777) << "team 41 names city 0";
    Set_Team_City_Stat(4, 10, 5);
    EXPECT_EQ(Count_Debug_Lines("Invalid nStat in Set_City_Stat()"), 1);
    Set_Team_Stat(4, TEAM_STAT_HOME_CITY, 100);
    Set_Team_City_Stat(4, 0, 5);
    EXPECT_EQ(Count_Debug_Lines("Invalid nCity in Set_City_Stat()"), 1);
}

// The two header words at block offsets 1,856 and 1,860.
TEST(TeamHistory, HeaderMarkerWordsAreStoredAtTheirOffsets) {
    Build_Test_League();
    Set_Header_Marker_Words();
    const uint8_t* block = Universe_Bytes();
    int32_t words[2];
    std::memcpy(words, block + 1856, sizeof words);
    EXPECT_EQ(words[0], 40960420);
    EXPECT_EQ(words[1], 154010720);
    const int32_t first_rate = Universe.Header.League_Rates[0];
    const int32_t last_rate = Universe.Header.League_Rates[3];
    EXPECT_EQ(first_rate, 420) << "the league rates read them as 16-bit pairs";
    EXPECT_EQ(last_rate, 2350);
}

// A team's place by a totals figure, 1 the best: the most gained, the
// fewest allowed, the fewest fumbles lost and the most taken away; equal
// teams share the offence's higher place and the defence's lower one, and
// so while nothing is played every offence is first and every defence last.
// A team's rushing figures hold its quarterbacks' runs.
TEST(TeamHistory, TeamsArePlacedBestFirstByTheirFiguresAndEveryPlayers) {
    Build_Test_League();
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams; ++team)
        Clear_Team_Totals(team);
    for (const int32_t stat : {8, 11, 13, 133})
        for (const int32_t team : {0, teams - 1}) {
            const bool fumbles = stat == 13;
            EXPECT_EQ(Get_Team_Stat_Place(team, 0, stat), fumbles ? teams : 1) << stat;
            EXPECT_EQ(Get_Team_Stat_Place(team, 4, stat), fumbles ? 1 : teams) << stat;
        }
    // Team 1 runs for 100 with its backs, team 2 for 60 and 50 with its
    // quarterback; team 3 allows the fewest and loses the most fumbles.
    Set_Team_Totals_Stat(1, 0, 0, 8, 100);
    Set_Team_Totals_Stat(2, 0, 0, 8, 60);
    Set_Team_Totals_Stat(2, 3, 0, 8, 50);
    EXPECT_EQ(Get_Team_Side_Totals_Stat(2, 0, 8), 110);
    EXPECT_EQ(Get_Team_Stat_Place(2, 0, 8), 1);
    EXPECT_EQ(Get_Team_Stat_Place(1, 0, 8), 2);
    EXPECT_EQ(Get_Team_Stat_Rank(1, 0, 8), 1);
    for (int32_t team = 0; team < teams; ++team)
        Set_Team_Totals_Stat(team, 4, 0, 11, team == 3 ? 10 : 20);
    EXPECT_EQ(Get_Team_Stat_Place(3, 4, 11), 1);
    EXPECT_EQ(Get_Team_Stat_Place(0, 4, 11), teams);
    Set_Team_Totals_Stat(3, 0, 0, 13, 4);
    Set_Team_Totals_Stat(3, 4, 0, 13, 4);
    EXPECT_EQ(Get_Team_Stat_Place(3, 0, 13), teams) << "the most fumbles lost";
    EXPECT_EQ(Get_Team_Stat_Place(3, 4, 13), 1) << "the most taken away";
    EXPECT_EQ(Get_Team_Stat_Place(0, 4, 13), 2) << "the others share the next place";
}
