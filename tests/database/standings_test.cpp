#include <gtest/gtest.h>

#include <cstring>

#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/playoff_bracket.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "support/debug_log.h"
#include "support/hand_built_results.h"

namespace {
// `teams` franchises, four to a division, a 17-game season in week 10.
void Reset_Standings_League(int teams) {
    Reset_Hand_Built_League(teams, 10);
    Universe.Header.Universe_Stats[WILD_CARD_TEAMS] = 3;
}

void Set_Record(int team, int wins, int losses) {
    Set_Team_Record_Char(team, RECORD_CHAR_WINS, wins);
    Set_Team_Record_Char(team, RECORD_CHAR_LOSSES, losses);
}

int next_game = 0;
void Add_Final(int away, int home, int away_score, int home_score) {
    Put_Final_Game(next_game++, away, home, away_score, home_score);
}

// Two leagues of three divisions of four teams: divisions 0-2 and 4-6.
void Use_Three_Division_Leagues() {
    Reset_Standings_League(24);
    for (int team = 0; team < 24; ++team)
        Universe.Teams[team].Team_Stats[TEAM_STAT_DIVISION] = team < 12 ? team / 4 : 4 + (team - 12) / 4;
}

int League_Rank(int team) {
    return Get_Team_Yearly_Int(team, Get_User_Preference(CURRENT_SEASON_INDEX), 2);
}
} // namespace

TEST(Standings, HeadToHeadWinnerAmongEqualRecordsGetsTheBonus) {
    Reset_Standings_League(32);
    next_game = 0;
    Set_Record(0, 10, 4);
    Set_Record(5, 10, 4);
    Add_Final(5, 0, 10, 17);
    EXPECT_EQ(Get_Team_Standings_Score(0), 6 * 10000 + 4000 + 100);
    EXPECT_EQ(Get_Team_Standings_Score(5), 6 * 10000 - 100);

    Add_Final(0, 5, 3, 24);
    EXPECT_EQ(Get_Team_Standings_Score(0), 60000) << "a split series gives no bonus";
    EXPECT_EQ(Get_Team_Standings_Score(5), 60000);

    EXPECT_EQ(Get_Team_Standings_Score(1), 0) << "a team without a game";
    EXPECT_EQ(Get_Team_Standings_Score(33), INVALID_STANDINGS_SCORE);
}

TEST(Standings, EqualKeysRankTheHighestSlotFirst) {
    Reset_Standings_League(8);
    Set_Record(2, 5, 1);
    Rank_League_Teams();
    EXPECT_EQ(League_Rank(2), 0);
    EXPECT_EQ(League_Rank(7), 1);
    EXPECT_EQ(League_Rank(6), 2);
    EXPECT_EQ(League_Rank(0), 7);
}

// While the off-season turns the league over, the season's ranks stay as it
// left them; a team that joined since has no season and still gets a rank.
TEST(Standings, ASettledSeasonKeepsTheRanksOfTheTeamsThatPlayedIt) {
    Reset_Standings_League(8);
    for (int team = 0; team < 7; ++team)
        Set_Record(team, 13 - team, team);
    Rank_League_Teams();
    for (int team = 0; team < 7; ++team)
        ASSERT_EQ(League_Rank(team), team);
    ASSERT_EQ(League_Rank(7), 7) << "no game ranks below every winning record";
    // The season's last team, as if its games had been won.
    Set_Record(6, 19, 0);
    {
        SETTLED_SEASON_SCOPE settled;
        EXPECT_TRUE(Is_Current_Season_Settled());
        Set_Team_Yearly_Int(7, Get_User_Preference(CURRENT_SEASON_INDEX), 2, 0);
        Rank_League_Teams();
        for (int team = 0; team < 7; ++team)
            EXPECT_EQ(League_Rank(team), team) << "team " << team;
        EXPECT_EQ(League_Rank(7), 7) << "the team without a season is ranked";
    }
    EXPECT_FALSE(Is_Current_Season_Settled());
    Rank_League_Teams();
    EXPECT_EQ(League_Rank(6), 0) << "an open season is ranked again";
}

TEST(Standings, DivisionTiesAlternateBySeason) {
    for (int season : {0, 1, 2}) {
        Reset_Standings_League(8);
        next_game = 0;
        Set_User_Preference(CURRENT_SEASON_INDEX, season);
        Set_Record(0, 8, 2);
        Set_Record(1, 8, 2);
        Set_Record(2, 2, 8);
        Set_Record(3, 4, 6);
        Update_Standings();
        int expected = season % 2 == 0 ? 0 : 1;
        EXPECT_EQ(Get_Division_Standing_Team(0, 0), expected) << "season " << season;
        EXPECT_EQ(Get_Division_Standing_Team(0, 1), 1 - expected) << "season " << season;
        EXPECT_EQ(Get_Division_Standing_Team(0, 2), 3);
        EXPECT_EQ(Get_Division_Standing_Team(0, 3), 2);
        for (int place = 4; place < DIVISION_STANDING_PLACES; ++place)
            EXPECT_EQ(Get_Division_Standing_Team(0, place), NO_TEAM) << "place " << place;
        for (int place = 0; place < DIVISION_STANDING_PLACES; ++place)
            EXPECT_EQ(Get_Division_Standing_Team(5, place), NO_TEAM) << "an empty division";
        EXPECT_EQ(Get_Team_Division_Standing(3), 2);
    }
}

TEST(Standings, DivisionHeadToHeadBreaksTheTie) {
    Reset_Standings_League(8);
    next_game = 0;
    Set_Record(0, 8, 2);
    Set_Record(1, 8, 2);
    Add_Final(0, 1, 10, 3);
    EXPECT_EQ(Get_Team_Division_Score(0), 60000 + 1000 + 100 + 1);
    EXPECT_EQ(Get_Team_Division_Score(1), 60000 - 1000 - 100 - 1);
    Set_User_Preference(CURRENT_SEASON_INDEX, 1);
    Set_Record(0, 8, 2);
    Set_Record(1, 8, 2);
    Update_Standings();
    EXPECT_EQ(Get_Division_Standing_Team(0, 0), 0) << "head to head outweighs the season parity";
}

TEST(Standings, MissingTeamIsReported) {
    Reset_Standings_League(8);
    Update_Standings();
    EXPECT_EQ(Get_Team_Division_Standing(20), -128);
    EXPECT_EQ(Count_Debug_Lines("Team not found in Get_Team_Division_Standing()"), 1);
    EXPECT_EQ(Get_Division_Standing_Team(8, 0), NO_TEAM) << "rows beyond the table read as empty";
    Set_Division_Standing(0, 13, 2);
    EXPECT_EQ(Count_Error_Lines(), 2);
}

TEST(Standings, TwoDivisionLeagueHasNoWildCardRunnerUp) {
    Reset_Standings_League(8);
    Set_Record(0, 10, 2);
    Set_Record(1, 7, 5);
    Set_Record(2, 5, 7);
    Set_Record(3, 3, 9);
    Update_Standings();
    EXPECT_EQ(Get_Wild_Card_Runner_Up(0, 0), NO_TEAM);
    EXPECT_EQ(Get_Team_Magic_Number(2), -1) << "17 - 7 - 10 + 1, with no wild-card term";
    EXPECT_EQ(Get_Team_Magic_Number(3), MAGIC_NUMBER_ELIMINATED);
    EXPECT_EQ(Is_Team_Eliminated(3), 1);
    EXPECT_EQ(Get_Team_Magic_Number(0), 17 - 10 - 5 + 1) << "the leader races the second place";
    EXPECT_EQ(Has_Clinched_Playoff_Spot(0), 0);
    EXPECT_EQ(Has_Clinched_Playoff_Spot(2), 0);
    Set_Record(0, 14, 0);
    Set_Record(1, 3, 11);
    EXPECT_EQ(Get_Team_Magic_Number(0), 0);
    EXPECT_EQ(Has_Clinched_Playoff_Spot(0), 1);
    EXPECT_EQ(Is_In_Playoff_Race(0), 0) << "a clinched team is out of the race";
    EXPECT_EQ(Is_In_Playoff_Race(3), 0) << "below 450 per mille";
    Set_User_Preference(CURRENT_WEEK, 17);
    EXPECT_EQ(Is_In_Playoff_Race(3), 1) << "everyone counts once the season is over";
}

TEST(Standings, WildCardRunnerUpComparesTheSecondPlaces) {
    Reset_Standings_League(16);
    const int records[16][2] = {{9, 1}, {6, 4}, {1, 9}, {0, 10}, {9, 1}, {8, 2}, {1, 9}, {0, 10},
                                {9, 1}, {8, 2}, {1, 9}, {0, 10}, {9, 1}, {2, 8}, {1, 9}, {0, 10}};
    for (int team = 0; team < 16; ++team)
        Set_Record(team, records[team][0], records[team][1]);
    Update_Standings();
    EXPECT_EQ(Get_Wild_Card_Runner_Up(0, 0), 5) << "the earlier division wins a tie";
    EXPECT_EQ(Get_Wild_Card_Runner_Up(0, 1), 9);
    EXPECT_EQ(Get_Team_Magic_Number(5), 17 - 8 - 2 + 1) << "the runner-up races the next one";
    EXPECT_EQ(Get_Team_Magic_Number(1), -(17 - 4 - 8 + 1))
        << "the larger of the division and wild-card targets";
}

TEST(Standings, WildCardBoundsFollowTheLeagueShape) {
    Reset_Standings_League(32);
    EXPECT_EQ(Get_Max_Wild_Card_Teams(), 4);
    EXPECT_EQ(Get_Min_Wild_Card_Teams(), 0);
    Reset_Standings_League(34);
    Universe.Teams[32].Team_Stats[TEAM_STAT_DIVISION] = 0;
    Universe.Teams[33].Team_Stats[TEAM_STAT_DIVISION] = 4;
    EXPECT_EQ(Get_Max_Wild_Card_Teams(), 2) << "34 teams playing 17 games";
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = 16;
    EXPECT_EQ(Get_Max_Wild_Card_Teams(), 4);
    Use_Three_Division_Leagues();
    EXPECT_EQ(Get_Max_Wild_Card_Teams(), 5) << "three divisions a league";
    EXPECT_EQ(Get_Min_Wild_Card_Teams(), 1);
    Reset_Standings_League(0);
    EXPECT_EQ(Get_Max_Wild_Card_Teams(), 0);
    EXPECT_EQ(Get_Min_Wild_Card_Teams(), 1000);
}

TEST(Standings, ClampingWildCardsStoresAndReseeds) {
    Reset_Standings_League(32);
    Universe.Header.Universe_Stats[WILD_CARD_TEAMS] = 6;
    EXPECT_EQ(Clamp_Wild_Card_Teams(), 4);
    EXPECT_EQ(Get_Universe_Stat(WILD_CARD_TEAMS), 4);
    EXPECT_NE(Get_Playoff_Team(0), NO_TEAM) << "the bracket is seeded again";
    EXPECT_EQ(Clamp_Wild_Card_Teams(), 4);

    Use_Three_Division_Leagues();
    Universe.Header.Universe_Stats[WILD_CARD_TEAMS] = 0;
    EXPECT_EQ(Clamp_Wild_Card_Teams(), 1);

    Reset_Standings_League(0);
    Universe.Header.Universe_Stats[WILD_CARD_TEAMS] = 2;
    EXPECT_EQ(Clamp_Wild_Card_Teams(), 2) << "an empty league keeps its setting";
    EXPECT_EQ(Get_Universe_Stat(WILD_CARD_TEAMS), 2);
}

TEST(PlayoffBracket, SlotsOutsideTheBracketAreReported) {
    Reset_Standings_League(8);
    Set_Playoff_Team(30, 4);
    Set_Playoff_Score(30, 27);
    EXPECT_EQ(Get_Playoff_Team(30), 4);
    EXPECT_EQ(Get_Playoff_Score(30), 27);
    EXPECT_EQ(Get_Playoff_Score(31), -128);
    EXPECT_EQ(Count_Debug_Lines("Invalid playoff slot in Get_Playoff_Score(31)"), 1);
    EXPECT_EQ(Get_Playoff_Team(-1), NO_TEAM);
    EXPECT_EQ(Count_Debug_Lines("Invalid playoff slot in Get_Playoff_Team(-1)"), 1);
    EXPECT_EQ(Get_Playoff_Team(31), NO_TEAM);
    Set_Playoff_Score(31, 5);
    EXPECT_EQ(Universe.Season_Length, 17) << "a store past the scores must not reach the season length";
}

TEST(PlayoffBracket, CalendarQueries) {
    Reset_Standings_League(8);
    Universe.Header.Universe_Stats[BASE_YEAR] = 2019;
    Set_User_Preference(CURRENT_SEASON_INDEX, 2);
    for (int i = 1; i <= 5; ++i)
        Set_Season_Calendar_Entry(i, 17 + i);
    EXPECT_EQ(Get_Season_Calendar_Entry(0), 17);
    EXPECT_EQ(Get_Season_Calendar_Entry(4), 21);
    EXPECT_EQ(Get_Playoff_Start_Week(), 17);
    Set_User_Preference(CURRENT_WEEK, 0);
    EXPECT_EQ(Get_Current_Day_Number(), 249);
    EXPECT_EQ(Get_Current_Month(), 8) << "day 249 falls in September";
    EXPECT_EQ(Get_Current_Day_Of_Month(), 6) << "7 September, counted from 0";
    Set_User_Preference(CURRENT_WEEK, 18);
    EXPECT_EQ(Get_Current_Month(), 0) << "day 375 is in January";
    EXPECT_EQ(Get_Current_Calendar_Year(), 2022);
    EXPECT_EQ(Get_Weeks_To_Final(), 4);
    EXPECT_EQ(Get_Season_Year(), 2021);
    Set_User_Preference(CURRENT_WEEK, 100);
    EXPECT_EQ(Get_Current_Day_Number(), 104);
    EXPECT_EQ(Get_Season_Year(), 2020);
    EXPECT_EQ(Get_Last_Season_Index(), 1);
    EXPECT_EQ(Get_Draft_Season_Year(), 2021) << "day 104 is past the last playoff mark";
    Universe.Season_Length = 1;
    EXPECT_EQ(Get_Playoff_Start_Week(), 2);
}

TEST(Standings, EachUpdateReadsTheRecordsAfresh) {
    Reset_Standings_League(8);
    next_game = 0;
    const int first[4][2] = {{8, 2}, {6, 4}, {4, 6}, {2, 8}};
    for (int team = 0; team < 4; ++team)
        Set_Record(team, first[team][0], first[team][1]);
    Update_Standings();
    for (int place = 0; place < 4; ++place)
        EXPECT_EQ(Get_Division_Standing_Team(0, place), place);
    // A week later the order is turned round, with a tie head to head breaks.
    Set_Record(0, 3, 8);
    Set_Record(1, 6, 5);
    Set_Record(2, 6, 5);
    Set_Record(3, 9, 2);
    Add_Final(1, 2, 13, 10);
    Update_Standings();
    const int expected[4] = {3, 1, 2, 0};
    int placed[4];
    for (int place = 0; place < 4; ++place) {
        placed[place] = Get_Division_Standing_Team(0, place);
        EXPECT_EQ(placed[place], expected[place]) << "place " << place;
    }
    // Place by place, each score worked out on its own, gives the same.
    for (int place = 0; place < DIVISION_STANDING_PLACES; ++place)
        Set_Division_Standing(0, place, NO_TEAM);
    for (int place = 0; place < DIVISION_STANDING_PLACES; ++place)
        Fill_Division_Standing_Place(0, place);
    for (int place = 0; place < 4; ++place)
        EXPECT_EQ(Get_Division_Standing_Team(0, place), placed[place]) << "place " << place;
}

TEST(Standings, AScopeRemembersScoresUntilTheLastOneEnds) {
    Reset_Standings_League(8);
    next_game = 0;
    Set_Record(0, 8, 2);
    Set_Record(1, 6, 4);
    const int32_t first = Get_Team_Standings_Score(0);
    const int32_t first_division = Get_Team_Division_Score(0);
    {
        STANDINGS_SCOPE outer;
        EXPECT_EQ(Get_Team_Standings_Score(0), first);
        EXPECT_EQ(Get_Team_Division_Score(0), first_division);
        {
            STANDINGS_SCOPE inner;
            Set_Record(0, 2, 8);
            EXPECT_EQ(Get_Team_Standings_Score(0), first) << "remembered within the scope";
        }
        EXPECT_EQ(Get_Team_Division_Score(0), first_division) << "an inner scope's end forgets nothing";
        EXPECT_EQ(Get_Team_Standings_Score(33), INVALID_STANDINGS_SCORE);
    }
    EXPECT_EQ(Get_Team_Standings_Score(0), -6 * 10000) << "read afresh once the scopes end";
    EXPECT_LT(Get_Team_Division_Score(0), first_division);
    {
        STANDINGS_SCOPE next;
        EXPECT_EQ(Get_Team_Standings_Score(0), -6 * 10000) << "a new scope starts empty";
        // The margins of the others are remembered too, and the games: team
        // 1's record and results stand as team 0's score first read them.
        Set_Record(1, 2, 8);
        Add_Final(1, 0, 3, 10);
        EXPECT_EQ(Get_Team_Standings_Score(1), 2 * 10000);
    }
    EXPECT_EQ(Get_Team_Standings_Score(0), -6 * 10000 + 4000 + 100) << "equal records, head to head won";
}

// The games two teams played each other are counted once for both scores
// within a scope, and counted again in the next scope.
TEST(Standings, HeadToHeadGamesAreReadAgainInEachScope) {
    Reset_Standings_League(8);
    next_game = 0;
    Set_Record(0, 6, 4);
    Set_Record(1, 6, 4);
    int32_t before = 0;
    int32_t before_division = 0;
    {
        STANDINGS_SCOPE scope;
        before = Get_Team_Standings_Score(0);
        before_division = Get_Team_Division_Score(0);
        EXPECT_EQ(before, 2 * 10000);
    }
    Add_Final(1, 0, 3, 10);
    STANDINGS_SCOPE scope;
    EXPECT_EQ(Get_Team_Standings_Score(0), before + 4000 + 100) << "head to head won";
    EXPECT_EQ(Get_Team_Division_Score(0), before_division + 1000 + 100 + 1);
    EXPECT_EQ(Get_Team_Division_Score(1), before_division - 1000 - 100 - 1);
    EXPECT_EQ(Get_Team_Standings_Score(1), before - 100);
}

TEST(Standings, ATeamMovedBetweenUpdatesIsPlacedInItsNewDivision) {
    Reset_Standings_League(8);
    Set_Record(3, 9, 1);
    Update_Standings();
    EXPECT_EQ(Get_Division_Standing_Team(0, 0), 3);
    Universe.Teams[3].Team_Stats[TEAM_STAT_DIVISION] = 1;
    Update_Standings();
    EXPECT_EQ(Get_Division_Standing_Team(1, 0), 3);
    EXPECT_EQ(Get_Division_Standing_Team(0, 3), NO_TEAM) << "three teams left in division 0";
    EXPECT_EQ(Get_Team_Division_Standing(3), 0);
}
