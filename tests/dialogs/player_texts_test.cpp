#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/universe.h"
#include "dialogs/player_texts.h"
#include "dialogs/stat_headings.h"
#include "frontoffice/salaries.h"
#include "personnel/injuries.h"
#include "support/test_league.h"

namespace {
std::string Status(const char* name, int32_t team, int32_t slot) {
    char text[FORMATTED_TEXT_SIZE];
    safe_strncpy(text, name, sizeof text);
    Append_Player_Status_Suffix(text, team, slot);
    return text;
}
} // namespace

TEST(PlayerTexts, StatusIsAHoldoutTheWeeksOutOrTheSeason) {
    Build_Test_League();
    Set_User_Preference(CURRENT_WEEK, 10);
    Universe.Post_Season_Days[3] = 21;
    EXPECT_EQ(Status("Smith", 4, 2), "Smith") << "a player who plays carries nothing";
    Set_Player_Vital_Stat(4, 2, VITAL_WEEKS_OUT, 3);
    EXPECT_EQ(Status("Smith", 4, 2), "Smith [3]");
    // Twelve weeks to the final: eleven weeks out is still a number, twelve is the season.
    Set_Player_Vital_Stat(4, 2, VITAL_WEEKS_OUT, 11);
    EXPECT_EQ(Status("Smith", 4, 2), "Smith [11]");
    Set_Player_Vital_Stat(4, 2, VITAL_WEEKS_OUT, 12);
    EXPECT_EQ(Status("Smith", 4, 2), "Smith [out]");
    Set_Player_Vital_Stat(4, 2, VITAL_INJURY_TYPE, INJURY_HOLDOUT);
    EXPECT_EQ(Status("Smith", 4, 2), "Smith [holdout]");
    EXPECT_EQ(Status("Abercrombie-Smith, Bo", 4, 2), "Abercrombie-Smith, Bo [--]") << "no room for the word";
}

namespace {
// The player's last season cleared, then the given statistics.
std::string Summary(int32_t position, std::initializer_list<std::pair<int32_t, int32_t>> stats,
                    int32_t* key = nullptr) {
    Set_Player_Vital_Stat(4, 2, VITAL_POSITION, position);
    for (int32_t stat = 0; stat < 20; ++stat)
        Set_Player_Stat(4, 2, 1, stat, 0);
    for (const auto& [stat, value] : stats)
        Set_Player_Stat(4, 2, 1, stat, value);
    char text[FORMATTED_TEXT_SIZE];
    const int32_t value = Get_Player_Stat_Summary(4, 2, 1, text);
    if (key != nullptr) *key = value;
    return text;
}
} // namespace

TEST(PlayerTexts, StatisticsSummaryByPosition) {
    Build_Test_League();
    int32_t key = 0;
    EXPECT_EQ(Summary(POSITION_RB, {{0, 16}, {7, 250}, {8, 1100}, {9, 9}}, &key), "250 Rush, 1100 Yds, 9 TD");
    EXPECT_EQ(key, 1100);
    EXPECT_EQ(Summary(POSITION_FB, {{0, 16}, {7, 50}, {8, 200}, {9, 1}, {10, 12}}),
              "50 Rush, 200 Yds, 1 TD, 12 Rec");
    EXPECT_EQ(Summary(POSITION_G, {{7, 400}, {8, 1800}, {4, 3}}, &key), "4.50 Yards/Rush, 0.75 Sacks")
        << "a lineman's line needs no games, only rushes or sacks";
    EXPECT_EQ(key, 450);
    EXPECT_EQ(Summary(POSITION_LB, {{0, 16}, {2, 80}, {3, 20}, {4, 3}, {6, 7}, {7, 2}}, &key),
              "100 Tackles, 1.5 Sacks, 7 PD, 2 Int");
    EXPECT_EQ(key, 100);
    EXPECT_EQ(Summary(POSITION_P, {{0, 16}, {2, 70}, {3, 3150}}, &key), "70 Punts, Average: 45.0 Yards");
    EXPECT_EQ(key, 3150) << "a punter sorts by his yards";
    EXPECT_EQ(Summary(POSITION_WR, {{10, 80}, {11, 1100}}, &key), "") << "no games, no line";
    EXPECT_EQ(key, 0);
}

TEST(PlayerTexts, StatisticsSummaryKeepsTheMinusOfARateBetweenMinusOneAndZero) {
    Build_Test_League();
    int32_t key = 0;
    EXPECT_EQ(Summary(POSITION_C, {{7, 2}, {8, -1}}, &key), "-0.50 Yards/Rush, 0.00 Sacks")
        << "two rushes behind him lost a yard";
    EXPECT_EQ(key, -50);
    EXPECT_EQ(Summary(POSITION_T, {{7, 2}, {8, -3}}), "-1.50 Yards/Rush, 0.00 Sacks");
    EXPECT_EQ(Summary(POSITION_P, {{0, 1}, {2, 2}, {3, -1}}), "2 Punts, Average: -0.5 Yards");
    EXPECT_EQ(Summary(POSITION_K, {{0, 16}, {10, 3}, {11, 2}}), "2 FGs, 66.7% Success");
    EXPECT_EQ(Summary(POSITION_QB, {{0, 16}, {2, 3}, {3, 2}, {5, 30}, {6, 1}}), "66.7%, 30 Yds, 1 TD, 0 Int");
}

TEST(PlayerTexts, SalaryIsNeverBelowTheMinimumAndFortyTimesFollowSpeed) {
    Build_Test_League();
    char text[FORMATTED_TEXT_SIZE];
    Set_Player_Vital_Stat(4, 2, VITAL_CREDITED_SEASONS, 0);
    const int32_t minimum = Get_League_Minimum_Salary(0);
    ASSERT_GT(minimum, 1);
    Set_Player_Vital_Stat(4, 2, VITAL_SALARY, minimum - 1);
    Format_Player_Salary(4, 2, text);
    char expected[FORMATTED_TEXT_SIZE];
    if (minimum < 1000)
        snprintf(expected, sizeof expected, "$%d,000", minimum);
    else
        snprintf(expected, sizeof expected, "$%d,%03d,000", minimum / 1000, minimum % 1000);
    EXPECT_STREQ(text, expected) << "the league minimum for his seasons";
    Set_Player_Vital_Stat(4, 2, VITAL_SALARY, 1250);
    Format_Player_Salary(4, 2, text);
    EXPECT_STREQ(text, "$1,250,000");
    Set_Player_Vital_Stat(4, 2, VITAL_SALARY, 12005);
    Format_Player_Salary(4, 2, text);
    EXPECT_STREQ(text, "$12,005,000");
    Set_Player_Vital_Stat(4, 2, VITAL_CONTRACT_YEARS, 3);
    Format_Contract_End_Year(4, 2, text);
    EXPECT_EQ(std::string(text), std::to_string(Get_Current_Year() + 2));
    // Speed 10 is raised to 20: 5.88 - 20 x 0.0166 = 5.548 seconds.
    Set_Player_Rating(4, 2, RATING_SPEED, 10.0f);
    Get_Player_Record_Pointer(4, 2)->Ratings[RATING_SPEED] = 10.0f;
    Set_Player_Forty_Time(4, 2);
    EXPECT_EQ(Get_Player_Vital_Stat(4, 2, VITAL_FORTY_TIME), 554);
    EXPECT_EQ(Get_Player_Record_Pointer(4, 2)->Ratings[RATING_SPEED], 20.0f) << "stored back";
    Set_Player_Vital_Stat(4, 2, VITAL_FORTY_TIME, 390);
    EXPECT_FLOAT_EQ(Get_Player_Forty_Time(4, 2), 3.9f) << "3.90 is used as it stands";
    for (int32_t stored : {389, 701}) {
        Set_Player_Vital_Stat(4, 2, VITAL_FORTY_TIME, stored);
        EXPECT_NEAR(Get_Player_Forty_Time(4, 2), 5.548f, 0.0001f) << stored << " is recomputed";
        EXPECT_EQ(Get_Player_Vital_Stat(4, 2, VITAL_FORTY_TIME), 554);
    }
    EXPECT_NEAR(Get_Player_Forty_Time(50, 2), 5.548f, 0.0001f) << "no player: speed 20, nothing written";
    EXPECT_EQ(Get_Stat_Season_Year(SEASON_LAST), Get_Current_Year() - 1);
    EXPECT_EQ(Get_Stat_Season_Year(9), 0);
    EXPECT_EQ(Get_Player_Stat_Row_Year(4, 2, 4 + 29), 0) << "a link without a line";
}

TEST(PlayerTexts, LeagueTitlesHeadingWithoutAShownLeagueReadsNoName) {
    Build_Test_League();
    char heading[64];
    Set_User_Preference(SHOWN_LEAGUE, -1);
    Get_Finance_Stat_Heading(2, heading, sizeof heading);
    EXPECT_STREQ(heading, " Titles");
    Set_User_Preference(SHOWN_LEAGUE, 2);
    Get_Finance_Stat_Heading(2, heading, sizeof heading);
    EXPECT_STREQ(heading, " Titles") << "a league index past the two";
}
