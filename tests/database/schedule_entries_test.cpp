#include <gtest/gtest.h>

#include <cstring>

#include "database/league_structure.h"
#include "database/playoff_bracket.h"
#include "database/schedule_entries.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "season/schedule_templates.h"
#include "season/season_calendar.h"
#include "support/debug_log.h"

namespace {
void Reset_Scheduled_League(int teams) {
    memset(&Universe, 0, sizeof Universe);
    for (int team = 0; team < MAX_FRANCHISES; ++team) {
        Universe.Teams[team].Team_Stats[TEAM_STAT_CONTROL] = team < teams ? TEAM_CONTROL_COMPUTER : -1;
        Clear_Scheduled_Games(team);
    }
    Universe.Season_Length = 17;
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = 16;
    Clear_Debug_Log();
}
} // namespace

TEST(ScheduleEntries, ScheduledGameIsWrittenIntoBothEntries) {
    Reset_Scheduled_League(32);
    ASSERT_EQ(Schedule_Game(3, 7, 5, -1, 0), 1);
    EXPECT_EQ(Get_Team_Schedule_Stat(3, 5, SCHEDULE_OPPONENT), 8);
    EXPECT_EQ(Get_Team_Schedule_Stat(7, 5, SCHEDULE_OPPONENT), -4);
    EXPECT_EQ(Get_Team_Week_Opponent(7, 5), 3);
    EXPECT_EQ(Get_Team_Week_Opponent(3, 5), 7);
    EXPECT_EQ(Get_Team_Week_Game_Side(3, 5), 1);
    EXPECT_EQ(Get_Team_Week_Game_Side(7, 5), 2);
    EXPECT_EQ(Get_Team_Week_Opponent(3, 6), -128) << "no game that week";
    int32_t weekday = Get_Team_Schedule_Stat(3, 5, SCHEDULE_WEEKDAY);
    EXPECT_GE(weekday, 0);
    EXPECT_LE(weekday, 6);
    EXPECT_EQ(weekday, Get_Team_Schedule_Stat(7, 5, SCHEDULE_WEEKDAY));
    EXPECT_NE(Get_Team_Schedule_Stat(3, 5, SCHEDULE_KICKOFF), 0);
    EXPECT_EQ(Get_Team_Schedule_Stat(3, 5, SCHEDULE_GAME_INDEX), -1) << "not played yet";
    EXPECT_TRUE(Game_Scheduled_Today(7, 5));

    EXPECT_EQ(Schedule_Game(3, 9, 5, 6, 1300), 0) << "team 3 already plays in week 5";
    EXPECT_EQ(Get_Team_Schedule_Stat(9, 5, SCHEDULE_OPPONENT), 0);
    EXPECT_EQ(Get_Team_Schedule_Stat(3, 5, SCHEDULE_OPPONENT), 8);
    EXPECT_EQ(Count_Error_Lines(), 0);
}

TEST(ScheduleEntries, WeekdayAndKickoffDefaults) {
    Reset_Scheduled_League(32);
    ASSERT_EQ(Schedule_Game(1, 2, 0, 9, 0), 1);
    EXPECT_EQ(Get_Team_Schedule_Stat(1, 0, SCHEDULE_WEEKDAY), 6);
    EXPECT_EQ(Get_Team_Schedule_Stat(2, 0, SCHEDULE_KICKOFF), 1300);

    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = 18;
    ASSERT_EQ(Schedule_Game(4, 5, 0, -1, -1), 1);
    EXPECT_EQ(Universe.Header.Universe_Stats[GAMES_PER_SEASON], 17);
}

TEST(ScheduleEntries, BadTeamsAndWeeksAreRefused) {
    Reset_Scheduled_League(32);
    EXPECT_EQ(Schedule_Game(NO_TEAM, 3, 1, 6, 1300), 0);
    EXPECT_EQ(Count_All_Debug_Lines(), 0) << "NO_TEAM is refused silently";
    EXPECT_EQ(Schedule_Game(33, 3, 1, 6, 1300), 0);
    EXPECT_EQ(Count_Debug_Lines("Invalid TNUM in Schedule_Game([33],3,1,6)"), 1);
    EXPECT_EQ(Schedule_Game(3, 36, 1, 6, 1300), 0);
    EXPECT_EQ(Count_Debug_Lines("Invalid TNUM in Schedule_Game(3,[36],1,6)"), 1);
    EXPECT_EQ(Schedule_Game(3, 4, 22, 6, 1300), 0);
    EXPECT_EQ(Count_Debug_Lines("Invalid nWeek in Schedule_Game(3,4,22,6)"), 1);
    EXPECT_EQ(Schedule_Game(3, 3, 1, 6, 1300), 0);
    EXPECT_EQ(Count_Debug_Lines("Team plays itself in Schedule_Game(3,3,1,6)"), 1);
    EXPECT_EQ(Get_Team_Schedule_Stat(3, 1, SCHEDULE_OPPONENT), 0);

    Clear_Debug_Log();
    EXPECT_EQ(Get_Team_Schedule_Stat(3, 22, 0), 0);
    EXPECT_EQ(Get_Team_Schedule_Stat(41, 0, 0), 0);
    EXPECT_EQ(Get_Team_Schedule_Stat(3, 0, 5), 0);
    Set_Team_Schedule_Stat(3, 22, 0, 1);
    Set_Team_Schedule_Stat(3, 0, 5, 1);
    EXPECT_EQ(Count_All_Debug_Lines(), 5);
    EXPECT_EQ(Count_Error_Lines(), 0) << "the schedule stat accessors only log";
    EXPECT_EQ(Get_Team_Schedule_Stat(3, 1, 0), 0) << "field 5 of week 0 must not reach week 1";

    EXPECT_EQ(Get_Team_Week_Opponent(3, 22), 128);
    EXPECT_EQ(Get_Team_Week_Game_Side(3, 22), 0);
    EXPECT_EQ(Get_Team_Week_Schedule_Stat_1(3, 22), 0);
    EXPECT_FALSE(Game_Scheduled_Today(3, 22));
    EXPECT_EQ(Count_Debug_Lines("Invalid date in Game_Scheduled_Today(3,22)"), 1);
    Toggle_Calendar_PBP_Flag(3, 22);
    EXPECT_EQ(Count_Debug_Lines("Invalid nWeek in Toggle_Calendar_PBP_Flag(3,22)"), 1);
    EXPECT_EQ(Clear_Scheduled_Game(3, 4, 22), 0);
    Clear_Scheduled_Games(37);
    EXPECT_EQ(Count_Debug_Lines("nTeam out of bounds in Clear_Scheduled_Games(37,0,22)"), 1);
}

// A game counts as watched through either franchise's entry, and a team code
// past the franchises never counts, whatever its entry holds.
TEST(ScheduleEntries, WeekGameIsWatchedThroughEitherFranchise) {
    Reset_Scheduled_League(32);
    ASSERT_EQ(Schedule_Game(3, 7, 5, 6, 1300), 1);
    EXPECT_FALSE(Is_Franchise_Week_Game_Watched(7, 3, 5));
    Set_Game_PBP_Flag(3, 5, 1);
    EXPECT_TRUE(Is_Franchise_Week_Game_Watched(7, 3, 5));
    EXPECT_TRUE(Is_Franchise_Week_Game_Watched(7, 9, 5)) << "the second-listed team finds the flag";
    EXPECT_TRUE(Is_Franchise_Week_Game_Watched(9, 3, 5));
    EXPECT_FALSE(Is_Franchise_Week_Game_Watched(9, 10, 5)) << "neither team plays that game";
    EXPECT_FALSE(Is_Franchise_Week_Game_Watched(7, 3, 6)) << "another week";
    EXPECT_FALSE(Is_Franchise_Week_Game_Watched(7, 3, 22)) << "past the schedule";

    Set_Team_Schedule_Stat(MAX_FRANCHISES, 5, SCHEDULE_OPPONENT, 1);
    Set_Team_Schedule_Stat(MAX_FRANCHISES, 5, SCHEDULE_WATCH_FLAG, 1);
    ASSERT_EQ(Get_Team_Week_Schedule_Stat_1(MAX_FRANCHISES, 5), 1);
    EXPECT_FALSE(Is_Franchise_Week_Game_Watched(MAX_FRANCHISES, 9, 5)) << "not a franchise";
    EXPECT_FALSE(Is_Franchise_Week_Game_Watched(-1, 9, 5));
}

TEST(ScheduleEntries, WatchFlagLivesInTheFirstListedTeamsEntry) {
    Reset_Scheduled_League(32);
    ASSERT_EQ(Schedule_Game(3, 7, 5, 6, 1300), 1);
    Toggle_Calendar_PBP_Flag(7, 5);
    EXPECT_EQ(Get_Team_Schedule_Stat(3, 5, SCHEDULE_WATCH_FLAG), 1);
    EXPECT_EQ(Get_Team_Schedule_Stat(7, 5, SCHEDULE_WATCH_FLAG), 0);
    EXPECT_EQ(Get_Team_Week_Schedule_Stat_1(3, 5), 1);
    EXPECT_EQ(Get_Team_Week_Schedule_Stat_1(7, 5), 1);
    Set_Game_PBP_Flag(3, 5, 0);
    EXPECT_EQ(Get_Team_Week_Schedule_Stat_1(7, 5), 0);

    Toggle_Calendar_PBP_Flag(9, 5);
    EXPECT_EQ(Get_Team_Schedule_Stat(9, 5, SCHEDULE_WATCH_FLAG), 0) << "no game, nothing toggled";

    // A corrupt opponent code must not reach past the team records.
    Set_Team_Schedule_Stat(9, 6, SCHEDULE_OPPONENT, -200);
    EXPECT_EQ(Get_Team_Week_Schedule_Stat_1(9, 6), 0);
    Set_Game_PBP_Flag(9, 6, 1);

    EXPECT_EQ(Clear_Scheduled_Game(3, 7, 5), 1);
    EXPECT_EQ(Get_Team_Week_Opponent(3, 5), -128);
    EXPECT_EQ(Get_Team_Week_Opponent(7, 5), -128);
}

TEST(ScheduleEntries, WeekWideQueriesAndPairingCounts) {
    Reset_Scheduled_League(32);
    for (int game = 0; game < 16; ++game) {
        ASSERT_EQ(Schedule_Game(2 * game, 2 * game + 1, 0, 6, 1300), 1);
        ASSERT_EQ(Schedule_Game(2 * game + 1, 2 * game, 1, 6, 1300), 1);
        for (int team : {2 * game, 2 * game + 1}) {
            Set_Team_Schedule_Stat(team, 0, SCHEDULE_GAME_INDEX, game);
            Set_Team_Schedule_Stat(team, 1, SCHEDULE_GAME_INDEX, 16 + game);
        }
        GAME_RECORD& record = Universe.Games[16 + game];
        record.Team[0] = static_cast<uint8_t>(2 * game);
        record.Team[1] = static_cast<uint8_t>(2 * game + 1);
    }
    ASSERT_EQ(Schedule_Game(0, 1, 2, 6, 1300), 1);

    EXPECT_EQ(Get_Week_Game_Count(0), 16);
    EXPECT_EQ(Get_Week_Game_Count(2), 1);
    EXPECT_EQ(Get_Week_First_Game_Index(0), 0);
    EXPECT_EQ(Get_Week_First_Game_Index(1), 16);
    EXPECT_EQ(Get_Week_First_Game_Index(3), 301) << "no game index stored";
    // A playoff week holds the games its round entered, as many as the
    // bracket pairs: none in a first week that no conference plays, two here
    // in the second, in the records after the regular season's.
    EXPECT_EQ(Get_Week_Game_Count(17), 0) << "the first playoff week counts the games its entries hold";
    ASSERT_EQ(Schedule_Game(4, 6, 18, 6, 1630), 1);
    ASSERT_EQ(Schedule_Game(8, 10, 18, 6, 1305), 1);
    for (int game = 0; game < 2; ++game) {
        for (int team : {4 + 4 * game, 6 + 4 * game})
            Set_Team_Schedule_Stat(team, 18, SCHEDULE_GAME_INDEX, 41 - game);
        Universe.Games[41 - game].Team[0] = static_cast<uint8_t>(6 + 4 * game);
        Universe.Games[41 - game].Team[1] = static_cast<uint8_t>(4 + 4 * game);
    }
    EXPECT_EQ(Get_Week_Game_Count(18), 2);
    EXPECT_EQ(Get_Week_First_Game_Index(18), 40);
    EXPECT_EQ(Get_Week_Game_Count(20), 0);
    EXPECT_EQ(Get_Week_First_Game_Index(20), 301);
    EXPECT_EQ(Find_Team_Week_Game(18, 8), &Universe.Games[40]);
    int32_t weeks[NUMBER_OF_SCHEDULE_WEEKS] = {};
    EXPECT_EQ(Get_Team_Playoff_Weeks(4, NUMBER_OF_SCHEDULE_WEEKS, weeks), 1);
    EXPECT_EQ(weeks[0], 18);
    EXPECT_EQ(Get_Team_Playoff_Weeks(4, 18, weeks), 0) << "a week the calendar has not passed";
    EXPECT_EQ(Get_Team_Playoff_Weeks(5, NUMBER_OF_SCHEDULE_WEEKS, weeks), 0);
    // The round is where the bracket paired the week's teams, whatever the
    // week; a bracket that no longer holds them leaves the calendar's round.
    for (int slot = 0; slot < PLAYOFF_BRACKET_SLOTS; ++slot)
        Set_Playoff_Team(slot, NO_TEAM);
    Set_Playoff_Team(25, 4);
    Set_Playoff_Team(24, 6);
    EXPECT_EQ(Get_Playoff_Week_Round(18), 2);
    Set_Playoff_Team(24, NO_TEAM);
    EXPECT_EQ(Get_Playoff_Week_Round(18), 1);
    EXPECT_EQ(Get_Playoff_Week_Round(17), -1) << "no games";
    EXPECT_EQ(Get_Playoff_Week_Round(1), -1) << "the regular season";

    EXPECT_EQ(Find_Team_Week_Game(1, 7), &Universe.Games[19]);
    EXPECT_EQ(Find_Team_Week_Game_Index(1, 7), 19);
    EXPECT_EQ(Find_Team_Week_Game(1, 33), nullptr);

    EXPECT_EQ(Count_First_Listed_Games(0), 2);
    EXPECT_EQ(Count_Second_Listed_Games(0), 1);
    EXPECT_EQ(Count_First_Listed_Games_Against(0, 1), 2);
    EXPECT_EQ(Count_Second_Listed_Games_Against(0, 1), 1);
    EXPECT_EQ(Count_Games_Against(0, 1), 3);
    EXPECT_EQ(Count_Weeks_With_Games(0, 2), 2);
    EXPECT_EQ(Count_Weeks_With_Games(0, 99), 3);

    Clear_Scheduled_Games(0);
    EXPECT_EQ(Get_Team_Schedule_Stat(0, 0, SCHEDULE_GAME_INDEX), -1);
    EXPECT_EQ(Get_Team_Schedule_Stat(0, 2, SCHEDULE_OPPONENT), 0);
}

// A game scheduled without a weekday or kickoff is dated from the reference
// season's table: week mod 17, game ((second x first) mod 37) mod 16, moved
// on by 2 in a league of fewer than 32 teams; an open date is Sunday at 1300.
TEST(ScheduleEntries, DefaultTimeDatesTheGameFromTheReferenceSeason) {
    Reset_Scheduled_League(32);
    ASSERT_EQ(Schedule_Game_Default_Time(3, 7, 20), 1);
    const int32_t cell = ((7 * 3) % 37) % 16;
    const int32_t day = Get_2017_NFL_Schedule_Opponent(20 % 17, cell, 2);
    ASSERT_GT(day, 0);
    for (int team : {3, 7}) {
        EXPECT_EQ(Get_Team_Schedule_Stat(team, 20, SCHEDULE_WEEKDAY), Get_Weekday(day)) << "team " << team;
        EXPECT_EQ(Get_Team_Schedule_Stat(team, 20, SCHEDULE_KICKOFF),
                  Get_2017_NFL_Schedule_Opponent(20 % 17, cell, 3))
            << "team " << team;
    }
    EXPECT_EQ(Schedule_Game_Default_Time(3, 9, 20), 0) << "team 3 already plays that week";
    Reset_Scheduled_League(30);
    ASSERT_EQ(Schedule_Game_Default_Time(3, 7, 4), 1);
    const int32_t moved = (cell + 2) % 16;
    const int32_t moved_day = Get_2017_NFL_Schedule_Opponent(4, moved, 2);
    EXPECT_EQ(Get_Team_Schedule_Stat(3, 4, SCHEDULE_WEEKDAY), moved_day > 0 ? Get_Weekday(moved_day) : 6);
}

// The place of a team's game among the week's game records.
TEST(ScheduleEntries, TeamWeekGamePositionAmongTheWeeksRecords) {
    Reset_Scheduled_League(8);
    for (int game = 0; game < 4; ++game) {
        ASSERT_EQ(Schedule_Game(2 * game, 2 * game + 1, 1, 6, 1300), 1);
        for (int team : {2 * game, 2 * game + 1})
            Set_Team_Schedule_Stat(team, 1, SCHEDULE_GAME_INDEX, 10 + game);
        Universe.Games[10 + game].Team[0] = static_cast<uint8_t>(2 * game + 1);
        Universe.Games[10 + game].Team[1] = static_cast<uint8_t>(2 * game);
    }
    EXPECT_EQ(Find_Team_Week_Game_Position(1, 0), 0);
    EXPECT_EQ(Find_Team_Week_Game_Position(1, 5), 2);
    EXPECT_EQ(Find_Team_Week_Game_Index(1, 5), 12);
    EXPECT_EQ(Find_Team_Week_Game_Position(1, 9), -1) << "a team without a game that week";
    Universe.Games[13].Team[1] = 7;
    EXPECT_EQ(Find_Team_Week_Game_Position(1, 7), -1) << "a record of a team against itself is no game";
}
