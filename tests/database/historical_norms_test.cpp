#include <gtest/gtest.h>

#include <cstring>

#include "database/historical_norms.h"
#include "database/league_structure.h"
#include "database/player_record.h"
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
