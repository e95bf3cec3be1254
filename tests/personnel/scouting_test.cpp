#include <gtest/gtest.h>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/playoff_bracket.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "personnel/scouting.h"
#include "support/test_league.h"

namespace {

constexpr int32_t TEAM = 9;
constexpr int32_t SCOUTING_BUDGET = 2;

// A player of id 123 with two credited seasons and five starts last season, seen
// in September of the first season: his hash is |12^3 + 10 x 3^3 + 8^2 + 0| mod
// 100 = 62 and his divisor 15 x 2 + 12 + 2 x 5 + 62 = 114.
int32_t Scouted_Player() {
    Set_User_Preference(CURRENT_WEEK, 0);
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    const int32_t slot = Test_League_Slot(POSITION_WR, 0);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_PLAYER_ID, 123);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_CREDITED_SEASONS, 2);
    Set_Player_Stat(TEAM, slot, SEASON_LAST, 1, 5);
    return slot;
}

} // namespace

TEST(Scouting, ErrorFollowsTheSpreadAndThePlayersExperience) {
    Build_Test_League();
    const int32_t slot = Scouted_Player();
    ASSERT_EQ(Get_Current_Month(), 8) << "week 0 falls in September";

    Set_User_Preference(SCOUTING_SPREAD_CACHE, 1000);
    EXPECT_EQ(Get_Scouting_Error(TEAM, slot, 123), 4) << "1000 / 114 = 8, even: half of it";
    Set_User_Preference(SCOUTING_SPREAD_CACHE, 1026);
    EXPECT_EQ(Get_Scouting_Error(TEAM, slot, 123), -5) << "1026 / 114 = 9, odd: minus half rounded up";
    Set_User_Preference(SCOUTING_SPREAD_CACHE, 100000);
    EXPECT_EQ(Get_Scouting_Error(TEAM, slot, 123), -12) << "clamped";
    Set_Player_Vital_Stat(TEAM, slot, VITAL_CREDITED_SEASONS, 9);
    Set_User_Preference(SCOUTING_SPREAD_CACHE, 1000);
    EXPECT_EQ(Get_Scouting_Error(TEAM, slot, 123), 3) << "four seasons count at most: 1000 / 144 = 6";
    Set_Player_Vital_Stat(TEAM, slot, VITAL_CREDITED_SEASONS, -2);
    EXPECT_EQ(Get_Scouting_Error(TEAM, slot, 123), -6) << "a college prospect counts none: 1000 / 84 = 11";

    Set_User_Preference(COMMISSIONER_MODE, 1);
    EXPECT_EQ(Get_Scouting_Error(TEAM, slot, 123), 0);
    Set_User_Preference(COMMISSIONER_MODE, 0);
    Set_User_Preference(PERFECT_SCOUTING, 1);
    EXPECT_EQ(Get_Scouting_Error(TEAM, slot, 123), 0);
    Set_User_Preference(PERFECT_SCOUTING, 0);

    Set_Player_Stat(TEAM, slot, SEASON_LAST, 1, -100);
    const int32_t error = Get_Scouting_Error(TEAM, slot, 123);
    EXPECT_GE(error, -12) << "negative starts must not leave a zero divisor";
    EXPECT_LE(error, 12);
    EXPECT_EQ(Get_Scouting_Error(TEAM, NO_PLAYER, -1), -8) << "no player: 1000 / (12 + |-10 + 64|) = 15, odd";
}

TEST(Scouting, ShownValuesLeanTowardSeventy) {
    Build_Test_League();
    const int32_t slot = Scouted_Player();
    Set_User_Preference(SCOUTING_SPREAD_CACHE, 1000); // error +4
    EXPECT_EQ(Apply_Scouting_Error(TEAM, slot, 80), 76);
    EXPECT_EQ(Apply_Scouting_Error(TEAM, slot, 60), 64);
    EXPECT_EQ(Apply_Scouting_Error(TEAM, slot, 70), 74) << "an even 70 takes the signed error";
    EXPECT_EQ(Apply_Scouting_Error(TEAM, slot, 71), 75);
    Set_User_Preference(SCOUTING_SPREAD_CACHE, 1026); // error -5
    EXPECT_EQ(Apply_Scouting_Error(TEAM, slot, 80), 75);
    EXPECT_EQ(Apply_Scouting_Error(TEAM, slot, 60), 65);
    EXPECT_EQ(Apply_Scouting_Error(TEAM, slot, 70), 65);
    EXPECT_EQ(Apply_Scouting_Error(TEAM, slot, 71), 66);
    Set_User_Preference(PERFECT_SCOUTING, 1);
    EXPECT_EQ(Apply_Scouting_Error(TEAM, slot, 80), 80);
}

TEST(Scouting, TeamRatingAndTheWeeklySpread) {
    Build_Test_League();
    EXPECT_EQ(Get_Team_Scouting_Rating(TEAM), 1500 - 16 * (1000 / 31))
        << "a general manager's budgets are all alike: every team ranks in the middle";
    Set_User_Preference(OWNER_MODE, 1);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Team_Financial_Stat(team, SCOUTING_BUDGET, 1000);
    Set_Team_Financial_Stat(TEAM, SCOUTING_BUDGET, 5000);
    Set_Team_Financial_Stat(TEAM + 1, SCOUTING_BUDGET, 300);
    EXPECT_EQ(Get_Team_Scouting_Rating(NO_TEAM), 1000);
    EXPECT_EQ(Get_Team_Scouting_Rating(TEAM), 1500) << "the largest budget";
    EXPECT_EQ(Get_Team_Scouting_Rating(TEAM + 1), 300) << "a small budget is its own rating";

    Set_User_Team(TEAM);
    Set_User_Preference(DIFFICULTY_LEVEL, 2);
    Set_User_Preference(SCOUTING_SPREAD_CACHE, 0);
    EXPECT_EQ(Get_Scouting_Spread(), 50) << "(17 x 100 - 1500) / 4";
    EXPECT_EQ(Get_User_Preference(SCOUTING_SPREAD_CACHE), 50) << "kept for the week";
    Set_User_Preference(DIFFICULTY_LEVEL, 5);
    EXPECT_EQ(Get_Scouting_Spread(), 50) << "until the calendar clears it";
    Set_User_Preference(SCOUTING_SPREAD_CACHE, 0);
    Set_User_Preference(DIFFICULTY_LEVEL, -15);
    EXPECT_EQ(Get_Scouting_Spread(), 1) << "never below 1";
}

TEST(Scouting, LetterGradesClampTheirIndex) {
    char grade[LETTER_GRADE_SIZE];
    Get_Letter_Grade(-3, grade);
    EXPECT_STREQ(grade, "F ");
    Get_Letter_Grade(1, grade);
    EXPECT_STREQ(grade, "F");
    Get_Letter_Grade(7, grade);
    EXPECT_STREQ(grade, "C+");
    Get_Letter_Grade(13, grade);
    EXPECT_STREQ(grade, "A+");
    Get_Letter_Grade(400, grade);
    EXPECT_STREQ(grade, "A+");
}

TEST(Scouting, PlayerMonthHashHoldsThroughAMonthAndTakesItsBound) {
    Build_Test_League();
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Set_User_Preference(CURRENT_WEEK, 0);
    // |12^3 + 10 x 3^3 + 8^2 + 0^2| = 2,062 in September of the first season.
    EXPECT_EQ(Get_Player_Month_Hash(123, 100), 62);
    EXPECT_EQ(Get_Player_Month_Hash(123, 10000), 2062);
    EXPECT_EQ(Get_Player_Month_Hash(123, 7), 4);
    Set_User_Preference(CURRENT_WEEK, 1);
    EXPECT_EQ(Get_Player_Month_Hash(123, 100), 62) << "the same month, the same number";
    Set_User_Preference(CURRENT_SEASON_INDEX, 3);
    EXPECT_EQ(Get_Player_Month_Hash(123, 100), 71) << "the season index adds its square";
    EXPECT_EQ(Get_Player_Month_Hash(-1, 100), 63) << "a = 0, b = -1: |-10 + 64 + 9|";
    EXPECT_EQ(Get_Player_Month_Hash(123, 0), 0) << "no bound, no number";
    const int32_t wrapped = Get_Player_Month_Hash(2000000000, 100);
    EXPECT_GE(wrapped, 0) << "a sum that wraps still gives a number within the bound";
    EXPECT_LT(wrapped, 100);
}
