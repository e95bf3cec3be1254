#include <gtest/gtest.h>

#include <vector>

#include <cstring>
#include <string>

#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/playoff_bracket.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "support/debug_log.h"
#include "support/hand_built_results.h"

namespace {
void Reset_Results_League(int teams) {
    Reset_Hand_Built_League(teams, 5);
    Set_User_Preference(CURRENT_SEASON_INDEX, 3);
}

void Set_Record(int team, int wins, int losses, int ties) {
    Set_Team_Record_Char(team, RECORD_CHAR_WINS, wins);
    Set_Team_Record_Char(team, RECORD_CHAR_LOSSES, losses);
    Set_Team_Record_Char(team, RECORD_CHAR_TIES, ties);
}

void Make_Final(int index, int away, int home, int away_score, int home_score) {
    Put_Final_Game(index, away, home, away_score, home_score);
}

std::string Record_Text(int team) {
    char buffer[32];
    Format_Team_Record(buffer, team);
    return buffer;
}
} // namespace

TEST(TeamResults, PlayoffWinsCountApartAndTiesCountEverywhere) {
    Reset_Results_League(8);
    Add_Team_Win(2, 1);
    Add_Team_Loss(3, 0);
    EXPECT_EQ(Get_Team_Wins(2), 1);
    EXPECT_EQ(Get_Team_Record_Char(2, RECORD_CHAR_HOME_WINS), 1);
    EXPECT_EQ(Get_Team_Losses(3), 1);
    EXPECT_EQ(Get_Team_Away_Losses(3), 1);

    Set_User_Preference(CURRENT_WEEK, 17);
    Add_Team_Win(2, 1);
    Add_Team_Loss(3, 1);
    Add_Team_Tie(4, 1);
    EXPECT_EQ(Get_Team_Wins(2), 1) << "a playoff win is no regular-season win";
    EXPECT_EQ(Get_Team_Record_Char(2, RECORD_CHAR_PLAYOFF_WINS), 1);
    EXPECT_EQ(Get_Team_Record_Char(2, RECORD_CHAR_HOME_WINS), 1);
    EXPECT_EQ(Get_Team_Losses(3), 1);
    EXPECT_EQ(Get_Team_Record_Char(3, RECORD_CHAR_PLAYOFF_LOSSES), 1);
    EXPECT_EQ(Get_Team_Ties(4), 1);
    EXPECT_EQ(Get_Team_Record_Char(4, RECORD_CHAR_HOME_TIES), 1);
    EXPECT_EQ(Get_Team_Games_Played_With_Playoffs(2), 2);
}

TEST(TeamResults, CountersStopAt127AndBadTeamsAreReported) {
    Reset_Results_League(8);
    Set_Team_Record_Char(1, RECORD_CHAR_WINS, 127);
    Add_Team_Win(1, 0);
    EXPECT_EQ(Get_Team_Wins(1), 127);
    EXPECT_EQ(Count_Debug_Lines("cValue out of bounds in Set_Team_Yearly_Char()"), 1);

    Add_Team_Win(36, 0);
    EXPECT_EQ(Count_Debug_Lines("nTeam out of bounds in Add_Team_Win()"), 1);
    Add_Team_Loss(36, 0);
    EXPECT_EQ(Count_Debug_Lines("nTeam out of bounds in Set_Team_Record_Char()"), 1);
    Add_Team_Tie(37, 0);
    EXPECT_EQ(Count_Debug_Lines("nTeam out of bounds in Add_Team_Tie()"), 1);
}

TEST(TeamResults, RecordTextsAndWinningPercentage) {
    Reset_Results_League(8);
    Set_Record(0, 10, 6, 0);
    char buffer[32];
    EXPECT_EQ(Format_Team_Record(buffer, 0), 1);
    EXPECT_STREQ(buffer, "10-6");
    EXPECT_EQ(Format_Team_Record_Spaced(buffer, 0), 1);
    EXPECT_STREQ(buffer, "10 - 6");
    EXPECT_EQ(Format_Team_Record(buffer, 1), 0);
    EXPECT_STREQ(buffer, "0-0");
    Set_Record(2, 9, 7, 1);
    EXPECT_EQ(Record_Text(2), "9-7-1");
    EXPECT_EQ(Get_Team_Winning_Percentage(2), 559);
    EXPECT_EQ(Get_Team_Winning_Percentage(1), 0);
    EXPECT_EQ(Get_Team_Games_Played(2), 17);

    Set_User_Preference(CURRENT_SEASON_INDEX, 2);
    Set_Record(2, 4, 12, 0);
    Set_User_Preference(CURRENT_SEASON_INDEX, 3);
    Format_Team_Season_Record(buffer, 2, 1);
    EXPECT_STREQ(buffer, "4-12");
    Format_Team_Season_Record(buffer, 2, 0);
    EXPECT_STREQ(buffer, "9-7-1");
    Format_Team_Season_Record(buffer, 20, 0);
    EXPECT_STREQ(buffer, "0-0") << "an unused slot";
}

TEST(TeamResults, HomeFilterCountsOnlyGamesAsTheSecondTeam) {
    Reset_Results_League(8);
    Make_Final(0, 0, 1, 10, 20);
    Make_Final(1, 1, 2, 14, 7);
    Make_Final(2, 5, 1, 3, 0);
    Make_Final(3, 1, 4, 9, 9);
    EXPECT_EQ(Count_Team_Results(1, RESULT_KIND_WINS, RESULTS_ANY_OPPONENT), 2);
    EXPECT_EQ(Count_Team_Results(1, RESULT_KIND_WINS, RESULTS_ANY_OPPONENT | RESULTS_HOME_ONLY), 1);
    EXPECT_EQ(Count_Team_Results(1, RESULT_KIND_LOSSES, RESULTS_ANY_OPPONENT), 1);
    EXPECT_EQ(Count_Team_Results(1, RESULT_KIND_TIES, RESULTS_ANY_OPPONENT), 1);
    EXPECT_EQ(Count_Team_Results(1, RESULT_KIND_WINS, 2), 1) << "only games against slot 2";
    EXPECT_EQ(Count_Team_Results(1, RESULT_KIND_WINS, RESULTS_DIVISION_ONLY), 2)
        << "teams 0-3 share a division";
    EXPECT_EQ(Count_Team_Results(1, RESULT_KIND_LOSSES, RESULTS_DIVISION_ONLY), 0);
    EXPECT_EQ(Count_Team_Results(1, 3, RESULTS_ANY_OPPONENT), 0) << "an unknown kind counts nothing";

    Rebuild_Team_Records_From_Games();
    EXPECT_EQ(Record_Text(1), "2-1-1");
    EXPECT_EQ(Get_Team_Home_Wins(1), 1);
    EXPECT_EQ(Get_Team_Home_Losses(1), 1);
    EXPECT_EQ(Get_Team_Away_Ties(1), 1);
    EXPECT_EQ(Count_League_Games_Played(), 8);
}

TEST(TeamResults, ResultsLookOnlyAtTheSeasonsCompletedGames) {
    Reset_Results_League(2);
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = 2;
    Make_Final(0, 0, 1, 10, 20);
    Make_Final(1, 0, 1, 10, 20);
    Make_Final(2, 0, 1, 10, 20);
    EXPECT_EQ(Count_Team_Results(1, RESULT_KIND_WINS, RESULTS_ANY_OPPONENT), 2) << "two teams of two games";
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = 16;
    Get_Game_Record(1)->Clock = 100;
    EXPECT_EQ(Count_Team_Results(1, RESULT_KIND_WINS, RESULTS_ANY_OPPONENT), 1)
        << "stops at an unfinished game";
}

TEST(TeamResults, StreaksAndRecentForm) {
    Reset_Results_League(8);
    Make_Final(0, 0, 1, 10, 20);
    Make_Final(1, 2, 0, 7, 7);
    Make_Final(2, 0, 3, 3, 6);
    Make_Final(3, 4, 0, 24, 10);
    EXPECT_EQ(Get_Team_Losing_Streak(0), 2) << "the tie ends the losing streak";
    EXPECT_EQ(Get_Team_Winning_Streak(0), 0);
    EXPECT_EQ(Get_Team_Winning_Streak(4), 1);
    EXPECT_EQ(Get_Team_Streak(0), -2) << "losses count below zero";
    EXPECT_EQ(Get_Team_Streak(4), 1);
    EXPECT_EQ(Get_Team_Streak(2), 0) << "a tie is no streak";
    EXPECT_EQ(Get_Team_Streak(7), 0) << "nor are no games";
    EXPECT_EQ(Count_Team_Recent_Results(0, 3, RECENT_LOSSES), 2);
    EXPECT_EQ(Count_Team_Recent_Results(0, 3, RECENT_TIES), 1);
    EXPECT_EQ(Count_Team_Recent_Results(0, 3, RECENT_WINS), 0);
    char buffer[32];
    Format_Team_Recent_Record(buffer, 0, 4);
    EXPECT_STREQ(buffer, "0-3-1");
    Format_Team_Recent_Record(buffer, 1, 4);
    EXPECT_STREQ(buffer, "1-0");

    Make_Final(4, 1, 4, 0, 0);
    Get_Game_Record(4)->Clock = 0;
    EXPECT_EQ(Get_Team_Winning_Streak(4), 0) << "a game not yet played ends the streak";
    EXPECT_EQ(Get_Team_Streak(4), 0);
    EXPECT_EQ(Get_Team_Last_Game_Index(4), 4);
    EXPECT_EQ(Get_Team_Last_Game_Index(7), 4) << "a team without games gets the latest game";
    EXPECT_EQ(Get_Team_Last_Finished_Game_Index(4), 3);
}

TEST(TeamResults, PointsAndGameStatTotals) {
    Reset_Results_League(8);
    Make_Final(0, 0, 1, 10, 20);
    Make_Final(1, 2, 0, 7, 14);
    Get_Game_Record(0)->Team_Totals[0][6] = 120;
    Get_Game_Record(0)->Team_Totals[1][6] = 80;
    Get_Game_Record(1)->Team_Totals[1][6] = 50;
    EXPECT_EQ(Get_League_Points_Total(), 51);
    EXPECT_EQ(Get_Team_Points_Total(0, 1), 24);
    EXPECT_EQ(Get_Team_Points_Total(0, 0), 27);
    EXPECT_EQ(Get_League_Game_Stat_Total(6), 250);
    EXPECT_EQ(Get_Team_Game_Stat_Total(0, 6), 170);
    EXPECT_EQ(Get_League_Game_Stat_Total(20), 0);
}

TEST(TeamResults, PlayoffSlotAndRound) {
    Reset_Results_League(8);
    Set_Playoff_Team(3, 6);
    Set_Playoff_Team(17, 6);
    EXPECT_EQ(Get_Team_Playoff_Slot(6), 17);
    EXPECT_EQ(Get_Team_Playoff_Round_Code(6), 2);
    Set_Playoff_Team(25, 6);
    EXPECT_EQ(Get_Team_Playoff_Round_Code(6), 3);
    Set_Playoff_Team(30, 6);
    EXPECT_EQ(Get_Team_Playoff_Round_Code(6), 4);
    EXPECT_EQ(Get_Team_Playoff_Slot(5), -1);
    EXPECT_EQ(Get_Team_Playoff_Round_Code(5), 0);
}

// Inside a results scope every count is read off the games kept at the
// scope's first question; it is the count a walk of the records gives, for
// every team, kind and filter, a tie and an unfinished game included.
TEST(TeamResults, CountsInAScopeMatchTheWalkOfTheRecords) {
    Reset_Hand_Built_League(16, 5);
    int index = 0;
    for (int round = 0; round < 4; ++round)
        for (int away = 0; away < 16; away += 2) {
            const int home = (away + 2 * round + 1) % 16;
            Put_Final_Game(index, away, home, (away * 7 + round) % 31, (home * 5 + 3 * round) % 29);
            ++index;
        }
    Put_Final_Game(index++, 3, 12, 17, 17);
    const int filters[] = {RESULTS_ANY_OPPONENT,
                           RESULTS_DIVISION_ONLY,
                           RESULTS_CONFERENCE_ONLY,
                           RESULTS_HOME_ONLY,
                           RESULTS_DIVISION_ONLY | RESULTS_HOME_ONLY,
                           0,
                           5,
                           12};
    const int kinds[] = {RESULT_KIND_WINS, RESULT_KIND_LOSSES, RESULT_KIND_TIES, 3};
    std::vector<int> walked;
    for (int team = -1; team <= 16; ++team)
        for (int kind : kinds)
            for (int filter : filters)
                walked.push_back(Count_Team_Results(team, kind, filter));
    std::vector<int> kept;
    {
        TEAM_RESULTS_SCOPE scope;
        for (int team = -1; team <= 16; ++team)
            for (int kind : kinds)
                for (int filter : filters)
                    kept.push_back(Count_Team_Results(team, kind, filter));
    }
    EXPECT_EQ(kept, walked);
    EXPECT_GT(Count_Team_Results(3, RESULT_KIND_TIES, RESULTS_ANY_OPPONENT), 0) << "the tie is counted";
}

// A game record is in use once its season year is set.
TEST(TeamResults, GameRecordInUseByItsSeasonYear) {
    Reset_Results_League(4);
    GAME_RECORD* game = Get_Game_Record(40);
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(Is_Game_In_Use(game), 0);
    game->Season_Year = 2021;
    EXPECT_EQ(Is_Game_In_Use(game), 1);
    game->Season_Year = 0;
    EXPECT_EQ(Is_Game_In_Use(game), 0) << "a cleared year";
    EXPECT_EQ(Is_Game_In_Use(nullptr), 0);
}
