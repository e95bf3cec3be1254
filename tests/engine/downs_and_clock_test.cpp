#include <gtest/gtest.h>

#include <cstring>

#include "database/game_queries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/downs_and_clock.h"
#include "engine/game_driver.h"
#include "engine/game_record.h"
#include "engine/kicking_plays.h"
#include "engine/offensive_play_calling.h"
#include "game_test_support.h"

namespace {

void Play(GAME_RECORD* game, int32_t result, int32_t yards, int32_t seconds) {
    Set_Current_Play_Result(game, result);
    game->Snap_Yards = static_cast<int8_t>(yards);
    game->Snap_Seconds = static_cast<int8_t>(seconds);
    Update_Down_And_Distance(game);
    Run_Period_Events(game);
}

} // namespace

TEST(DownsAndClock, LongRunEndsQuarterAtBoundaryAndPossessionCountsOnlyUpToIt) {
    GAME_RECORD* game = Crafted_Game(890, 0, 10, 80);
    Play(game, RESULT_RUN_MIDDLE, 50, 40);
    EXPECT_EQ(game->Clock, 900) << "the quarter ends exactly at 900 seconds";
    EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_POSSESSION_SECONDS], 10);
    EXPECT_EQ(game->Yards_To_Goal, 30);
    EXPECT_EQ(Get_Game_Down(game), 0u);
    EXPECT_EQ(game->Yards_To_Go, 10);
    EXPECT_TRUE(Is_Clock_Stopped(game)) << "the clock stops at the end of the quarter";
}

TEST(DownsAndClock, ThirdDownGainOfExactlyTheDistanceConverts) {
    GAME_RECORD* game = Crafted_Game(100, 2, 5, 60);
    Play(game, RESULT_RUN_LEFT, 5, 30);
    EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_THIRD_DOWN_ATTEMPTS], 1);
    EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_THIRD_DOWN_CONVERSIONS], 1);
    EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_FIRST_DOWNS], 1);
    EXPECT_EQ(Get_Game_Down(game), 0u);
    EXPECT_EQ(game->Yards_To_Go, 10);

    game = Crafted_Game(100, 2, 5, 60);
    Play(game, RESULT_RUN_LEFT, 4, 30);
    EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_THIRD_DOWN_CONVERSIONS], 0);
    EXPECT_EQ(Get_Game_Down(game), 3u);
    EXPECT_EQ(game->Yards_To_Go, 1);
}

TEST(DownsAndClock, PenaltyShortOfTheLineDoesNotAdvanceTheDown) {
    GAME_RECORD* game = Crafted_Game(100, 1, 10, 60);
    Play(game, RESULT_PENALTY, 5, 0);
    EXPECT_EQ(Get_Game_Down(game), 1u);
    EXPECT_EQ(game->Yards_To_Go, 5);
    EXPECT_EQ(game->Yards_To_Goal, 55);
}

TEST(DownsAndClock, FailedFourthDownHandsTheBallOver) {
    GAME_RECORD* game = Crafted_Game(100, 3, 2, 40);
    Play(game, RESULT_RUN_RIGHT, 1, 30);
    EXPECT_EQ(game->Possession_Team, 2);
    EXPECT_EQ(game->Yards_To_Goal, 61);
    EXPECT_EQ(Get_Game_Down(game), 0u);
    EXPECT_EQ(game->Yards_To_Go, 10);
    EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_FOURTH_DOWN_ATTEMPTS], 1);
}

TEST(DownsAndClock, TouchdownScoresSixAndSetsUpTheTry) {
    GAME_RECORD* game = Crafted_Game(1000, 0, 10, 8);
    Set_Team_Stat(1, TEAM_STAT_RED_ZONE, 0);
    Check_Red_Zone(game);
    EXPECT_EQ(game->Team_Stats[0][GAME_STAT_RED_ZONE_TRIPS], 1);
    EXPECT_EQ(game->Team_Stats[0][GAME_STAT_RED_ZONE_START], 8);
    Play(game, RESULT_TOUCHDOWN_RUN, 8, 6);
    EXPECT_EQ(game->Score[0], 6);
    EXPECT_EQ(Get_Game_Down(game), CONVERSION_ATTEMPT);
    EXPECT_EQ(game->Yards_To_Goal, 2);
    EXPECT_EQ(game->Team_Stats[0][GAME_STAT_RED_ZONE_TOUCHDOWNS], 1)
        << "counted although the down is the try";
    EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_RED_ZONE), 0) << "the trip ends with the score";

    // A run across on the try scores two and records result 29.
    Clear_Current_Play(game);
    Play(game, RESULT_RUN_MIDDLE, 2, 5);
    EXPECT_EQ(game->Score[0], 8);
    EXPECT_EQ(Get_Current_Play_Result(game), RESULT_TWO_POINT_GOOD);
    EXPECT_EQ(Get_Game_Down(game), KICKOFF_DOWN);
    EXPECT_EQ(game->Clock, 1006) << "the try takes no time";
    EXPECT_EQ(game->Play_Log_Count, 2);
}

TEST(DownsAndClock, KickedTryKeepsTheKickResult) {
    GAME_RECORD* game = Crafted_Game(1000, CONVERSION_ATTEMPT, 2, 2);
    game->Score[0] = 7;
    Play(game, RESULT_EXTRA_POINT_GOOD, 0, 0);
    EXPECT_EQ(game->Score[0], 7) << "the kick scores itself";
    EXPECT_EQ(Get_Current_Play_Result(game), RESULT_EXTRA_POINT_GOOD);
    EXPECT_EQ(Get_Game_Down(game), KICKOFF_DOWN);
}

TEST(DownsAndClock, RedZoneFieldGoalCountsOnceAndClearsTheTrip) {
    GAME_RECORD* game = Crafted_Game(1000, 0, 10, 15);
    Check_Red_Zone(game);
    Check_Red_Zone(game);
    EXPECT_EQ(game->Team_Stats[0][GAME_STAT_RED_ZONE_TRIPS], 1) << "one trip per possession";
    Play(game, RESULT_FIELD_GOAL_GOOD, 0, 5);
    EXPECT_EQ(game->Team_Stats[0][GAME_STAT_RED_ZONE_FIELD_GOALS], 1);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_RED_ZONE), 0);
    EXPECT_EQ(Get_Game_Down(game), KICKOFF_DOWN);
    game->Down_Word = 0;
    game->Yards_To_Goal = 12;
    Check_Red_Zone(game);
    EXPECT_EQ(game->Team_Stats[0][GAME_STAT_RED_ZONE_TRIPS], 2) << "a new possession counts a new trip";
}

TEST(DownsAndClock, TwoMinuteWarningStopsTheClockInTheFourthQuarter) {
    GAME_RECORD* game = Crafted_Game(3440, 0, 10, 70);
    Play(game, RESULT_RUN_MIDDLE, 3, 40);
    EXPECT_EQ(game->Clock, 3480);
    EXPECT_TRUE(Is_Clock_Stopped(game));
    EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_POSSESSION_SECONDS], 40);
}

TEST(DownsAndClock, TurnoverPastTheTwoMinuteMarkCreditsAndReturnsTheExcessOfTheSideNowInPossession) {
    GAME_RECORD* game = Crafted_Game(3440, 0, 10, 70);
    // An interception: the defence (side 1) has the ball when the down update runs.
    game->Possession_Team = game->Team[1];
    game->Yards_To_Goal = 30;
    game->Down_Word |= 1u << 12;
    Play(game, RESULT_INTERCEPTION, 0, 50);
    EXPECT_EQ(game->Clock, 3480);
    EXPECT_EQ(game->Team_Totals[1][GAME_TOTAL_POSSESSION_SECONDS], 40)
        << "the snap's seconds up to the mark go to the side holding the ball after the play";
    EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_POSSESSION_SECONDS], 0)
        << "the side that threw the ball loses no time it was never given";

    // A failed fourth down past the mark: the seconds go to the side that ran
    // the play, and the excess comes back from it after the ball went over.
    game = Crafted_Game(3440, 3, 10, 40);
    Play(game, RESULT_RUN_MIDDLE, 2, 50);
    EXPECT_EQ(game->Possession_Team, game->Team[1]) << "the ball went over on downs";
    EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_POSSESSION_SECONDS], 40);
    EXPECT_EQ(game->Team_Totals[1][GAME_TOTAL_POSSESSION_SECONDS], 0);
}

TEST(DownsAndClock, TryAfterAScoreOnTheQuarterMarkDoesNotEndTheQuarterAgain) {
    GAME_RECORD* game = Crafted_Game(890, 0, 10, 8);
    game->Wind_Direction = 90;
    Play(game, RESULT_TOUCHDOWN_RUN, 8, 20);
    EXPECT_EQ(game->Clock, 900);
    EXPECT_EQ(game->Wind_Direction, 270) << "the teams change ends once";
    EXPECT_EQ(Get_Game_Down(game), CONVERSION_ATTEMPT);
    // A two-point try from scrimmage formation.
    game->Snap_Yards = 0;
    Play(game, RESULT_TWO_POINT_FAILED, 0, 0);
    EXPECT_EQ(game->Clock, 900);
    EXPECT_EQ(game->Wind_Direction, 270) << "the try does not turn the wind back";
    EXPECT_EQ(Get_Game_Down(game), KICKOFF_DOWN);
}

TEST(DownsAndClock, PreSnapRunOffFollowsTempoAndTimeouts) {
    GAME_RECORD* game = Crafted_Game(100, 0, 10, 70);
    Run_Pre_Snap_Clock(game);
    EXPECT_EQ(game->Snap_Seconds, 37);
    game->Down_Word |= OUT_OF_BOUNDS_BIT;
    Run_Pre_Snap_Clock(game);
    EXPECT_EQ(game->Snap_Seconds, 14);
    game->Down_Word = CLOCK_STOPPED_BIT;
    Run_Pre_Snap_Clock(game);
    EXPECT_EQ(game->Snap_Seconds, 0);

    // A trailing computer offence with 30 seconds left in the half calls a timeout.
    game = Crafted_Game(1770, 0, 10, 70);
    Run_Pre_Snap_Clock(game);
    EXPECT_EQ(game->Timeouts[0], 2);
    EXPECT_EQ(game->Snap_Seconds, 0);
}

// A touchdown whose snap runs past the two-minute warning is cut back to the
// warning like any other snap: the seconds past the mark come off the
// scoring side's time of possession although the try is still to come, so
// the two sides' time of possession never exceeds the clock.
TEST(DownsAndClock, TouchdownPastTheTwoMinuteWarningKeepsPossessionWithinTheClock) {
    GAME_RECORD* game = Crafted_Game(3470, 0, 10, 5);
    game->Team_Totals[0][GAME_TOTAL_POSSESSION_SECONDS] = 1700;
    game->Team_Totals[1][GAME_TOTAL_POSSESSION_SECONDS] = 1770;
    Play(game, RESULT_TOUCHDOWN_RUN, 5, 30);
    EXPECT_EQ(game->Clock, 3480) << "the clock stands on the warning";
    EXPECT_EQ(Get_Game_Down(game), CONVERSION_ATTEMPT);
    EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_POSSESSION_SECONDS], 1710);
    EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_POSSESSION_SECONDS] +
                  game->Team_Totals[1][GAME_TOTAL_POSSESSION_SECONDS],
              game->Clock);

    // An interception returned for a touchdown across the warning: the
    // seconds belong to the side holding the ball after the play, the one
    // that returned it.
    game = Crafted_Game(1670, 1, 10, 40);
    game->Team_Totals[0][GAME_TOTAL_POSSESSION_SECONDS] = 800;
    game->Team_Totals[1][GAME_TOTAL_POSSESSION_SECONDS] = 870;
    game->Possession_Team = 2;
    game->Down_Word |= 1u << 12;
    game->Yards_To_Goal = 60;
    Play(game, RESULT_INTERCEPTION_TOUCHDOWN, 60, 20);
    EXPECT_EQ(game->Clock, 1680);
    EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_POSSESSION_SECONDS], 800);
    EXPECT_EQ(game->Team_Totals[1][GAME_TOTAL_POSSESSION_SECONDS], 880);
}

// Overtime is worked out once for every part of the game: the game's own week
// says whether it is a regular-season game, and one period length serves the
// quarter, the clock and the end of the game, also in a league that holds no
// overtime length.
TEST(DownsAndClock, OvertimeRulesFollowTheGamesWeekAndOnePeriodLength) {
    GAME_RECORD* game = Crafted_Game(4200, 0, 10, 70);
    game->Score[0] = game->Score[1] = 17;
    Set_User_Preference(REGULAR_SEASON_OVERTIME_FLAG, 1);
    Set_User_Preference(REGULAR_SEASON_OVERTIME_RULE, 1);
    Set_User_Preference(OVERTIME_MINUTES, 0);
    EXPECT_EQ(Get_Period_Length(game), 900);
    EXPECT_EQ(Get_Game_Quarter(game), 5);
    EXPECT_EQ(Get_Period_Time_Left(game), 300);
    EXPECT_EQ(Is_Game_Over(game), 0) << "the period the clock counts has not run out";
    game->Clock = 4500;
    EXPECT_EQ(Get_Game_Quarter(game), 6);
    EXPECT_EQ(Is_Game_Over(game), 1);

    // A regular-season game played while the calendar stands in the playoffs
    // (or the other way round) keeps its own rules.
    Set_User_Preference(OVERTIME_MINUTES, 10);
    Set_User_Preference(CURRENT_WEEK, 19);
    Set_User_Preference(REGULAR_SEASON_OVERTIME_RULE, 0);
    Set_User_Preference(PLAYOFF_OVERTIME_RULE, 1);
    game->Clock = 3700;
    game->Overtime_Possessions = 0;
    EXPECT_EQ(Is_Overtime_Possession_Rule_Over(game), 1) << "sudden death of the regular season";
    EXPECT_EQ(Get_Game_Quarter(game), 5);
    game->Clock = 4200;
    EXPECT_EQ(Get_Game_Quarter(game), 6) << "ten-minute regular-season periods";
    Start_Game_Period(game);
    EXPECT_EQ(game->Timeouts[0], 2);
    EXPECT_EQ(game->Timeouts[1], 2);
    game->Week = 19;
    Set_User_Preference(CURRENT_WEEK, 3);
    EXPECT_EQ(Get_Game_Quarter(game), 5) << "fifteen-minute playoff periods";
    EXPECT_EQ(Is_Overtime_Possession_Rule_Over(game), 0) << "the playoffs' first-possession rule";
    Start_Game_Period(game);
    EXPECT_EQ(game->Timeouts[0], 3);
}

// The kickoff's spots by the league's rules, whether the game's overtime runs
// on the clock, and whether a snap uses up its period (never a try).
TEST(DownsAndClock, KickoffSpotsTimedOvertimeAndSnapsThatEndTheirPeriod) {
    GAME_RECORD* game = Crafted_Game(880, 0, 10, 70);
    const int32_t spots[][3] = {{0, 0, 70}, {1, 0, 65}, {2, 0, 60}, {3, 1, 65}};
    for (const auto& spot : spots) {
        Set_User_Preference(KICKOFF_SPOT_CODE, spot[0]);
        Set_User_Preference(KICKOFF_TOUCHBACK_RULE, spot[1]);
        EXPECT_EQ(Get_Kickoff_Spot(), spot[2]) << "spot code " << spot[0];
        EXPECT_EQ(Get_Kickoff_Touchback_Spot(), spot[1] == 1 ? 75 : 80) << "touchback rule " << spot[1];
    }

    for (int32_t rule = 0; rule <= 4; ++rule) {
        Set_User_Preference(REGULAR_SEASON_OVERTIME_RULE, rule);
        Set_User_Preference(PLAYOFF_OVERTIME_RULE, 2);
        EXPECT_EQ(Is_Overtime_Timed(game), rule != 2 && rule != 3) << "regular-season rule " << rule;
    }
    game->Week = 18; // a playoff game plays the playoff rule
    EXPECT_FALSE(Is_Overtime_Timed(game));

    game->Week = 3;
    game->Snap_Seconds = 19;
    EXPECT_FALSE(Does_Snap_End_Period(game)) << "20 seconds are left in the quarter";
    game->Snap_Seconds = 20;
    EXPECT_TRUE(Does_Snap_End_Period(game));
    Set_Game_Down(game, CONVERSION_ATTEMPT);
    EXPECT_FALSE(Does_Snap_End_Period(game)) << "a try runs no clock";
    Set_Game_Down(game, 2);
    game->Clock = 3600 + 590;
    Set_User_Preference(REGULAR_SEASON_OVERTIME_RULE, 1);
    game->Snap_Seconds = 10;
    EXPECT_TRUE(Does_Snap_End_Period(game)) << "ten seconds left of a ten-minute overtime";
}

// A timed overtime period of a quarter's length (every playoff period) ends
// on its own mark, as the quarters do: the clock stays there and the teams
// change ends; it does not go back into the fourth quarter.
TEST(DownsAndClock, AQuarterLongOvertimePeriodEndsOnItsMark) {
    for (const int32_t week : {18, 3}) {
        GAME_RECORD* game = Crafted_Game(4490, 0, 10, 70);
        game->Week = static_cast<int16_t>(week);
        game->Score[0] = game->Score[1] = 10;
        game->Wind_Direction = 90;
        game->Team_Totals[0][GAME_TOTAL_POSSESSION_SECONDS] = 2000;
        game->Team_Totals[1][GAME_TOTAL_POSSESSION_SECONDS] = 2490;
        Set_User_Preference(PLAYOFF_OVERTIME_RULE, 1);
        Set_User_Preference(REGULAR_SEASON_OVERTIME_RULE, 1);
        Set_User_Preference(REGULAR_SEASON_OVERTIME_FLAG, 1);
        Set_User_Preference(OVERTIME_MINUTES, 15);
        Play(game, RESULT_RUN_MIDDLE, 2, 20);
        EXPECT_EQ(game->Clock, 4500) << "week " << week;
        EXPECT_EQ(game->Wind_Direction, 270) << "the teams change ends, week " << week;
        EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_POSSESSION_SECONDS] +
                      game->Team_Totals[1][GAME_TOTAL_POSSESSION_SECONDS],
                  game->Clock)
            << "week " << week;
        EXPECT_EQ(Get_Game_Quarter(game), 6) << "the second overtime period, week " << week;
        EXPECT_EQ(Is_Game_Over(game), week == 3 ? 1 : 0)
            << (week == 3 ? "a regular-season tie stands" : "a playoff game plays on");
    }
}
