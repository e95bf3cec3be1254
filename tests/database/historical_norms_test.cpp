#include <gtest/gtest.h>

#include <cstring>

#include "database/historical_norms.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/universe.h"
#include "support/test_league.h"

TEST(HistoricalNorms, AveragesBlendASeasonWithTheOneBefore) {
    EXPECT_EQ(Get_Historical_Average_Stat(101, 1950), 466) << "both indices clamp to 1950";
    EXPECT_EQ(Get_Historical_Average_Stat(101, 1951), 464);
    EXPECT_EQ(Get_Historical_Average_Stat(101, 2030), 652) << "later seasons use 2019";
    EXPECT_EQ(Get_Historical_Average_Stat(113, 1950), 146);
    EXPECT_EQ(Get_Historical_Average_Stat(123, 1980), (659 + 636) / 2);
    EXPECT_EQ(Get_Smoothed_Yearly_Norm(1950), 1105);
    EXPECT_EQ(Get_Smoothed_Yearly_Norm(2040), 2081);
}

TEST(HistoricalNorms, BenchmarksFollowTheSeasonNorm) {
    Build_Test_League();
    Universe.Header.Universe_Stats[BASE_YEAR] = 2022;
    EXPECT_EQ(Get_Position_Stat_Benchmark(0, 3), 230);
    Universe.Header.Universe_Stats[BASE_YEAR] = 1950;
    EXPECT_EQ(Get_Position_Stat_Benchmark(0, 3),
              Mul_Div_Round(230, 466, Get_Historical_Average_Stat(101, 2022)));
    EXPECT_EQ(Get_Position_Stat_Benchmark(0, 5), 2000) << "cells without a norm are unchanged";
    EXPECT_EQ(Get_Position_Stat_Benchmark(15, 0), 0);
}

TEST(HistoricalNorms, PasserRatingLimits) {
    EXPECT_EQ(Compute_Passer_Rating(0, 0, 0, 0, 0), 395) << "only the interception term counts";
    EXPECT_EQ(Compute_Passer_Rating(20, 16, 250, 3, 0), 1583) << "a perfect line";
    // 30 of 40, 300 yards, 2 touchdowns, 1 interception: terms 2250, 1125, 1000, 1750.
    EXPECT_EQ(Compute_Passer_Rating(40, 30, 300, 2, 1), (2250 + 1125 + 1000 + 1750) / 6);
    EXPECT_EQ(Compute_Passer_Rating(10, 0, -50, 0, 9), 0) << "every term at least 0";
    const int32_t damaged = Compute_Passer_Rating(1, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MIN);
    EXPECT_TRUE(damaged >= 0 && damaged <= 1583) << "a damaged line's rates overflow no term";
}

TEST(HistoricalNorms, BirthYearRepairKeepsMonthAndDay) {
    Build_Test_League();
    Universe.Header.Universe_Stats[BASE_YEAR] = 2020;
    Set_Player_Vital_Stat(2, 4, VITAL_BIRTH_DATE, 18500101);
    int32_t sound = Get_Player_Vital_Stat(2, 5, VITAL_BIRTH_DATE);
    Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VITAL_PLAYER_ID, 99999);
    Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VITAL_BIRTH_DATE, 18500101);
    Repair_Player_Birth_Years();
    EXPECT_EQ(Get_Player_Vital_Stat(2, 4, VITAL_BIRTH_DATE), 19980101);
    EXPECT_EQ(Get_Player_Vital_Stat(2, 5, VITAL_BIRTH_DATE), sound);
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VITAL_BIRTH_DATE), 18500101)
        << "the Hall of Fame is left";
}

TEST(HistoricalNorms, CollegeDisplayNamesAndExternalIdPointer) {
    Build_Test_League();
    char out[24];
    Set_Player_College(1, 1, "tennessee - chattanooga");
    Get_Player_College_Display_Name(1, 1, out);
    EXPECT_STREQ(out, "Chattanooga (TN)");
    Set_Player_College(1, 1, "Texas A+M");
    Get_Player_College_Display_Name(1, 1, out);
    EXPECT_STREQ(out, "Texas A+M");
    EXPECT_STREQ(Get_Player_External_ID_Pointer(41, 0), "");
    EXPECT_STREQ(Get_Player_External_ID_Pointer(0, 100), "");
}

TEST(HistoricalNorms, BirthDatesSetOneAtATime) {
    Build_Test_League();
    Universe.Header.Universe_Stats[BASE_YEAR] = 2020;
    Set_Player_Vital_Stat(3, 7, VITAL_BIRTH_DATE, 18500101);
    EXPECT_EQ(Repair_Player_Birth_Year(3, 7), 19980101) << "22 years before 2020, month and day kept";
    Set_Player_Vital_Stat(3, 8, VITAL_BIRTH_DATE, 19950614);
    const int32_t age = Get_Player_Age(3, 8);
    EXPECT_EQ(Set_Player_Age(3, 8, age + 4), 19910614) << "four years older, month and day kept";
    EXPECT_EQ(Get_Player_Age(3, 8), age + 4);
    EXPECT_EQ(Set_Player_Age(3, 8, INT32_MIN), 19910614) << "an age past the field leaves the date";
}

TEST(HistoricalNorms, LeagueFiguresOfTheModule) {
    Build_Test_League();
    const int32_t rb = Test_League_Slot(POSITION_RB, 0);
    Set_Player_Stat(4, rb, SEASON_LAST, 8, -15);
    Set_Player_Stat(20, rb, SEASON_LAST, 8, 1001);
    Scale_All_Player_Season_Stats(SEASON_LAST, 50);
    EXPECT_EQ(Get_Player_Stat(4, rb, SEASON_LAST, 8), -8) << "-7.5 rounds away from zero";
    EXPECT_EQ(Get_Player_Stat(20, rb, SEASON_LAST, 8), 501) << "every team";

    const int32_t tackle = Test_League_Slot(POSITION_T, 0);
    for (auto [vital, value] : {std::pair{8, 4}, {9, 10}, {23, 6}})
        Set_Player_Vital_Stat(5, tackle, vital, value);
    EXPECT_EQ(Get_Lineman_Vital_Rating(5, tackle), 76) << "([30 / 4] + 18) / 4 + 70";
    for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
        ASSERT_EQ(Is_Rating_Blend_High(5, slot), Compute_Player_Rating_Blend(5, slot) >= 70) << slot;
    EXPECT_EQ(Get_Tenth_Clamped(995), 99);
    EXPECT_EQ(Get_Tenth_Clamped(-25), 0);
}

TEST(HistoricalNorms, ScaleByRootCount) {
    // n = 4: q = root of 100 = 10, so a is scaled by 110 / 200, at most 55.
    EXPECT_EQ(Scale_By_Root_Count(50, 4), 28) << "(5500 + 100) / 200";
    EXPECT_EQ(Scale_By_Root_Count(-50, 4), -28) << "-27 truncated, one less below zero";
    EXPECT_EQ(Scale_By_Root_Count(200, 4), 55) << "capped at q / 2 + 50";
    EXPECT_EQ(Scale_By_Root_Count(7, 0), 4) << "n = 0: half of a";
    EXPECT_EQ(Scale_By_Root_Count(-100, -4), -45) << "q = -10: factor 90, signs differ";
    EXPECT_EQ(Scale_By_Root_Count(INT32_MIN, INT32_MAX), INT32_MIN) << "held to the range";
}
