#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/universe.h"
#include "frontoffice/money.h"
#include "frontoffice/salaries.h"
#include "personnel/player_development.h"
#include "platform/message_box.h"
#include "support/debug_log.h"
#include "support/test_league.h"

TEST(PlayerRecord, TestLeagueHasFullRostersWithPositionsAndNames) {
    Build_Test_League();
    char name[PLAYER_NAME_TEXT_SIZE];
    for (int team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        EXPECT_TRUE(Is_Player_Slot_Used(team, TEST_ROSTER_SIZE - 1)) << team;
        EXPECT_FALSE(Is_Player_Slot_Used(team, TEST_ROSTER_SIZE)) << team;
    }
    EXPECT_EQ(Get_Player_Vital_Stat(3, Test_League_Slot(POSITION_K, 0), VITAL_POSITION), POSITION_K);
    Get_Player_Full_Name(0, 0, name);
    EXPECT_STREQ(name, "Aaron Abbott");
    EXPECT_FALSE(Is_Player_Slot_Used(33, 0)) << "an empty franchise slot holds no players";
}

TEST(PlayerRecord, RatingReadsRepairNanAndLowValues) {
    Build_Test_League();
    PLAYER_RECORD* player = Get_Player_Record_Pointer(2, 5);
    player->Ratings[RATING_RUN_DEFENSE] = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FLOAT_EQ(Get_Player_Rating(2, 5, RATING_RUN_DEFENSE), 62.0f);
    EXPECT_FLOAT_EQ(player->Ratings[RATING_RUN_DEFENSE], 62.0f) << "the baseline is written back";

    player->Ratings[RATING_SPEED] = 12.5f;
    EXPECT_FLOAT_EQ(Get_Player_Rating(2, 5, RATING_SPEED), 20.0f);
    EXPECT_FLOAT_EQ(player->Ratings[RATING_SPEED], 20.0f);

    player->Ratings[RATING_HEALTH] = 130.0f;
    EXPECT_FLOAT_EQ(Get_Player_Rating(2, 5, RATING_HEALTH), 70.0f) << "re-derived, not stored";
    EXPECT_FLOAT_EQ(player->Ratings[RATING_HEALTH], 130.0f);

    EXPECT_FLOAT_EQ(Get_Player_Rating(2, 5, -1), 20.0f);
    EXPECT_FLOAT_EQ(Get_Player_Rating(41, 5, 3), 20.0f);
    Clear_Debug_Log();
    EXPECT_FLOAT_EQ(Get_Player_Rating(2, 5, 31), 0.0f);
    EXPECT_EQ(Count_Debug_Lines("Unrecognized nRating in Get_Player_Rating(2,5,[31])"), 1);
}

TEST(PlayerRecord, CompositesUseTheQuarterbackMobility) {
    Build_Test_League();
    for (int rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        Set_Player_Rating(0, 0, rating, 60.0f);
    Set_Player_Rating(0, 0, RATING_MOBILITY, 80.0f);
    EXPECT_FLOAT_EQ(Get_Player_Rating(0, 0, RATING_RUNNING_COMPOSITE), 70.0f) << "QB: (60 + 80) / 2";
    EXPECT_FLOAT_EQ(Get_Player_Rating(0, 0, RATING_BLOCKING_COMPOSITE), 60.0f);
    Set_Player_Vital_Stat(0, 0, VITAL_POSITION, POSITION_RB);
    EXPECT_NEAR(Get_Player_Rating(0, 0, RATING_RUNNING_COMPOSITE), 60.0f, 1e-4);
}

TEST(PlayerRecord, CompositeOfARatingNeedingRepairRepairsItFirst) {
    Build_Test_League();
    for (int rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        Set_Player_Rating(1, 2, rating, 50.0f);
    Set_Player_Vital_Stat(1, 2, VITAL_POSITION, POSITION_WR);
    const float sound = Get_Player_Rating(1, 2, RATING_RECEIVING_COMPOSITE);
    PLAYER_RECORD* player = Get_Player_Record_Pointer(1, 2);
    player->Ratings[RATING_RECEIVING] = 5.0f;
    player->Ratings[RATING_SPEED] = std::nanf("");
    const float repaired = Get_Player_Rating(1, 2, RATING_RECEIVING_COMPOSITE);
    EXPECT_FLOAT_EQ(player->Ratings[RATING_RECEIVING], 20.0f) << "written back at the minimum";
    EXPECT_FALSE(std::isnan(player->Ratings[RATING_SPEED])) << "written back at the baseline";
    const float again = Get_Player_Rating(1, 2, RATING_RECEIVING_COMPOSITE);
    EXPECT_EQ(repaired, again) << "the repaired ratings read the same";
    EXPECT_LT(repaired, sound);
    EXPECT_EQ(Get_Player_Rating(1, 2, RATING_BLOCKING_COMPOSITE), 50.0f);
}

TEST(PlayerRecord, SetRatingChecksItsIndexAndReportsHugeValues) {
    Build_Test_League();
    Clear_Debug_Log();
    PLAYER_RECORD before = *Get_Player_Record_Pointer(1, 1);
    Set_Player_Rating(1, 1, 27, 50.0f);
    Set_Player_Rating(1, 1, -1, 50.0f);
    Set_Player_Rating(41, 1, 3, 50.0f);
    EXPECT_EQ(memcmp(&before, Get_Player_Record_Pointer(1, 1), sizeof before), 0)
        << "nothing outside ratings 0-26";
    Set_Player_Rating(1, 1, 3, 1500.0f);
    EXPECT_EQ(Count_Debug_Lines("fValue out of bounds in Set_Player_Rating(1,1,3,"), 1);
    EXPECT_FLOAT_EQ(Get_Player_Record_Pointer(1, 1)->Ratings[3], 1500.0f) << "stored anyway";
}

TEST(PlayerRecord, VitalStatReadsRepairPeakAgeAndDevelopment) {
    Build_Test_League();
    PLAYER_RECORD* player = Get_Player_Record_Pointer(4, 4);
    player->Vital_Stats[VITAL_PEAK_AGE] = 33;
    player->Vital_Stats[VITAL_PEAK_AGE_LIMIT] = 35;
    EXPECT_EQ(Get_Player_Vital_Stat(4, 4, VITAL_PEAK_AGE), 30);
    EXPECT_EQ(player->Vital_Stats[VITAL_PEAK_AGE], 30);
    player->Vital_Stats[VITAL_PEAK_AGE] = 28;
    player->Vital_Stats[VITAL_PEAK_AGE_LIMIT] = 26;
    EXPECT_EQ(Get_Player_Vital_Stat(4, 4, VITAL_PEAK_AGE), 26);
    player->Vital_Stats[VITAL_DEVELOPMENT] = 300;
    int development = Get_Player_Vital_Stat(4, 4, VITAL_DEVELOPMENT);
    EXPECT_GE(development, 75);
    EXPECT_LT(development, 135);
    EXPECT_EQ(player->Vital_Stats[VITAL_DEVELOPMENT], development);

    // The bonus still to count over the years still to run, whatever the
    // contract's length at signing.
    player->Vital_Stats[VITAL_CONTRACT_YEARS] = 0;
    EXPECT_EQ(Get_Player_Vital_Stat(4, 4, VITAL_BONUS_PER_YEAR), 0) << "no division by zero";
    player->Vital_Stats[VITAL_SIGNING_BONUS] = 900;
    player->Vital_Stats[VITAL_CONTRACT_YEARS] = 4;
    player->Vital_Stats[VITAL_BONUS_YEARS] = 6;
    EXPECT_EQ(Get_Player_Vital_Stat(4, 4, VITAL_BONUS_PER_YEAR), 225);
    player->Vital_Stats[VITAL_CONTRACT_YEARS] = -2;
    EXPECT_EQ(Get_Player_Vital_Stat(4, 4, VITAL_BONUS_PER_YEAR), 0) << "no years left, nothing to count";
    Set_Player_Vital_Stat(4, 4, VITAL_CREDITED_SEASONS, 44);
    EXPECT_EQ(player->Vital_Stats[VITAL_CREDITED_SEASONS], 30);
}

TEST(PlayerRecord, BadVitalStatArgumentsAreNeutral) {
    Build_Test_League();
    Clear_Shown_Messages();
    EXPECT_EQ(Get_Player_Vital_Stat(NO_TEAM, 0, 0), 0);
    EXPECT_EQ(Get_Player_Vital_Stat(0, NO_PLAYER, 0), 0);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, -3), 0);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, 50), 0);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Text, "Unrecognized VITAL_STAT: 50");
    Clear_Debug_Log();
    EXPECT_EQ(Get_Player_Vital_Stat(0, 100, 0), 0);
    EXPECT_EQ(Get_Player_ID(0, NO_PLAYER), -1);
    PLAYER_RECORD before = *Get_Player_Record_Pointer(0, 1);
    Set_Player_Vital_Stat(0, 1, 30, 5);
    Set_Player_Vital_Stat(0, 100, 0, 5);
    EXPECT_EQ(memcmp(&before, Get_Player_Record_Pointer(0, 1), sizeof before), 0);
    EXPECT_EQ(Count_Error_Lines(), 3);
}

TEST(PlayerRecord, TextFieldsAreBoundedAndCollegeHasNoAmpersand) {
    Build_Test_League();
    char text[PLAYER_NAME_TEXT_SIZE];
    Set_Player_Last_Name(5, 0, "Abcdefghijklmnopqrstuvwxy");
    Get_Player_Last_Name(5, 0, text);
    EXPECT_STREQ(text, "Abcdefghijklmnopqrs");
    const char* college = "Texas A&M";
    Set_Player_College(5, 0, college);
    Get_Player_College(5, 0, text);
    EXPECT_STREQ(text, "Texas A+M");
    EXPECT_STREQ(college, "Texas A&M") << "the caller's text is left alone";
    PLAYER_RECORD* player = Get_Player_Record_Pointer(5, 0);
    memset(player->External_ID, 'X', sizeof player->External_ID);
    Get_Player_External_ID(5, 0, text);
    EXPECT_EQ(strlen(text), 11u) << "an unterminated field is still copied within its width";
    EXPECT_EQ(player->Import_Code, 0) << "the byte after the field is untouched";
}

TEST(PlayerRecord, EmptyNamesAreFilledAndInvalidPlayersNamedAsSuch) {
    Build_Test_League();
    char text[PLAYER_NAME_TEXT_SIZE];
    Set_Player_First_Name(6, 2, "");
    Set_Player_Last_Name(6, 2, "");
    Get_Player_Full_Name(6, 2, text);
    EXPECT_GT(strlen(text), 3u);
    EXPECT_NE(Get_Player_Record_Pointer(6, 2)->First_Name[0], 0) << "the drawn name is stored";
    Clear_Debug_Log();
    Get_Player_Full_Name(33, 0, text);
    EXPECT_STREQ(text, "INVALID-TEAM");
    Get_Player_Full_Name(6, 70, text);
    EXPECT_STREQ(text, "INVALID-PLAYER");
    EXPECT_EQ(Count_Debug_Lines("Invalid team in Get_Player_Full_Name(33,0,)"), 1);
    EXPECT_EQ(Count_Debug_Lines("Invalid player in Get_Player_Full_Name(6,70,)"), 1);
    Get_Player_Last_First_Name(0, 0, text);
    EXPECT_STREQ(text, "Abbott, Aaron");
}

TEST(PlayerRecord, PositionTranslationAndGroups) {
    Clear_Shown_Messages();
    EXPECT_EQ(Translate_Expanded_Position(7), 7);
    EXPECT_EQ(Translate_Expanded_Position(25), POSITION_C);
    EXPECT_EQ(Translate_Expanded_Position(42), POSITION_S);
    EXPECT_EQ(Translate_Expanded_Position(43), -1);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Unhandled Parameter");
    EXPECT_EQ(Get_Position_Group(POSITION_QB), 0);
    EXPECT_EQ(Get_Position_Group_Split_QB(POSITION_QB), 4);
    EXPECT_EQ(Get_Position_Unit(POSITION_P), 2);
    EXPECT_EQ(Get_Position_Group(15), -1);
    EXPECT_STREQ(Get_Position_Short_Name(15), "Any");
    EXPECT_STREQ(Get_Position_Short_Name(16), "");
}

TEST(PlayerRecord, MissingBirthDateComesFromSeasonsPlayed) {
    Build_Test_League();
    PLAYER_RECORD* player = Get_Player_Record_Pointer(7, 3);
    player->Vital_Stats[VITAL_BIRTH_DATE] = 0;
    int line = Add_Player_Season_Line(7, 3, TEST_BASE_YEAR, 7);
    Set_Season_Line_Stat(line, 0, 1);
    ASSERT_EQ(Count_NFL_Seasons(7, 3), 3);
    EXPECT_EQ(Get_Player_Age(7, 3), 24);
    EXPECT_EQ(player->Vital_Stats[VITAL_BIRTH_DATE], 19960101);
}

TEST(PlayerRecord, ChecksumFollowsTheRecord) {
    Build_Test_League();
    int id = Get_Player_ID(8, 8);
    uint32_t before = Get_Player_Checksum_By_ID(id);
    EXPECT_NE(before, 0u);
    Set_Player_Vital_Stat(8, 8, VITAL_SALARY, 12345);
    EXPECT_NE(Get_Player_Checksum_By_ID(id), before);
    EXPECT_EQ(Get_Player_Checksum_By_ID(999999), 0u);
}

TEST(PlayerRecord, CapChargeOfAMinimumContractIsHeldToTheVeteranMinimum) {
    Build_Test_League();
    const int32_t slot = 5;
    Set_Player_Vital_Stat(0, slot, VITAL_CREDITED_SEASONS, 8);
    const int32_t minimum = Get_Player_Minimum_Salary(0, slot);
    const int32_t limit = Get_League_Minimum_Salary(2);
    ASSERT_GT(minimum, limit);
    const int32_t bonus = Apply_Inflation(65);
    struct CASE {
        int32_t Salary;
        int32_t Bonus;
        int32_t Bonus_Years;
        int32_t Charge;
    };
    // Held only when all three hold: a minimum salary, a one-year bonus and a
    // small one.
    for (const CASE& c : {CASE{minimum, bonus, 1, limit}, CASE{minimum + 1, bonus, 1, minimum + 1 + bonus},
                          CASE{minimum, bonus, 2, minimum + bonus / 2},
                          CASE{minimum, bonus + 1, 1, minimum + bonus + 1}, CASE{minimum, 0, 0, minimum}}) {
        Set_Player_Vital_Stat(0, slot, VITAL_SALARY, c.Salary);
        Set_Player_Vital_Stat(0, slot, VITAL_SIGNING_BONUS, c.Bonus);
        Set_Player_Vital_Stat(0, slot, VITAL_BONUS_YEARS, c.Bonus_Years);
        Set_Player_Vital_Stat(0, slot, VITAL_CONTRACT_YEARS, c.Bonus_Years);
        EXPECT_EQ(Get_Player_Vital_Stat(0, slot, VITAL_CAP_CHARGE), c.Charge)
            << c.Salary << " " << c.Bonus << " over " << c.Bonus_Years;
    }
    Set_Player_Vital_Stat(0, slot, VITAL_SALARY, std::numeric_limits<int32_t>::max());
    Set_Player_Vital_Stat(0, slot, VITAL_SIGNING_BONUS, 10);
    EXPECT_EQ(Get_Player_Vital_Stat(0, slot, VITAL_CAP_CHARGE), std::numeric_limits<int32_t>::max())
        << "a damaged salary saturates";
}

TEST(PlayerRecord, ByteFieldsReadInPlaceAndBadArgumentsAreReported) {
    Build_Test_League();
    Set_Player_Byte_Field(3, 7, PLAYER_BYTE_UNIFORM, 88);
    Set_Player_Byte_Field(3, 7, PLAYER_BYTE_RINGS, 2);
    Set_Player_Byte_Field(3, 7, PLAYER_BYTE_IMPORT_CODE, -5);
    EXPECT_EQ(Get_Player_Byte_Field(3, 7, PLAYER_BYTE_UNIFORM), 88);
    EXPECT_EQ(Get_Player_Byte_Field(3, 7, PLAYER_BYTE_RINGS), 2);
    EXPECT_EQ(Get_Player_Byte_Field(3, 7, PLAYER_BYTE_IMPORT_CODE), -5) << "a signed byte";
    EXPECT_EQ(Universe.Teams[3].Players[7].Uniform_Number, 88);
    Clear_Debug_Log();
    EXPECT_EQ(Get_Player_Byte_Field(3, 7, PLAYER_BYTE_IMPORT_CODE + 1), 0);
    EXPECT_EQ(Get_Player_Byte_Field(3, PLAYERS_PER_TEAM, PLAYER_BYTE_UNIFORM), 0);
    EXPECT_EQ(Get_Player_Byte_Field(TOTAL_NUMBER_OF_TEAMS, 0, PLAYER_BYTE_UNIFORM), 0);
    EXPECT_EQ(Count_Debug_Lines("Invalid argument in Get_Player_Byte_Field"), 3);
}

TEST(PlayerRecord, VitalStatsAtTheRepairBoundsReadAsStored) {
    Build_Test_League();
    PLAYER_RECORD* player = Get_Player_Record_Pointer(4, 6);
    player->Vital_Stats[VITAL_PEAK_AGE_LIMIT] = 30;
    player->Vital_Stats[VITAL_PEAK_AGE] = 30;
    player->Vital_Stats[VITAL_DEVELOPMENT] = 250;
    const uint64_t draws = Get_Random_Draw_Count();
    EXPECT_EQ(Get_Player_Vital_Stat(4, 6, VITAL_PEAK_AGE), 30) << "at its limit and 30";
    EXPECT_EQ(Get_Player_Vital_Stat(4, 6, VITAL_DEVELOPMENT), 250);
    EXPECT_EQ(Get_Random_Draw_Count(), draws) << "no repair, no draw";
    player->Vital_Stats[VITAL_PEAK_AGE_LIMIT] = 35;
    player->Vital_Stats[VITAL_PEAK_AGE] = 31;
    EXPECT_EQ(Get_Player_Vital_Stat(4, 6, VITAL_PEAK_AGE), 30) << "31 is past any peak";
    EXPECT_EQ(player->Vital_Stats[VITAL_PEAK_AGE], 30);
    player->Vital_Stats[VITAL_PEAK_AGE] = 29;
    player->Vital_Stats[VITAL_PEAK_AGE_LIMIT] = 28;
    EXPECT_EQ(Get_Player_Vital_Stat(4, 6, VITAL_PEAK_AGE), 28) << "one past the limit";
    player->Vital_Stats[VITAL_DEVELOPMENT] = 251;
    const int32_t development = Get_Player_Vital_Stat(4, 6, VITAL_DEVELOPMENT);
    EXPECT_GE(development, 75);
    EXPECT_LT(development, 135);
    EXPECT_EQ(Get_Random_Draw_Count(), draws + 1);
}

// A $300,000 bonus over four years charges a quarter of it every year as the
// roll-overs cut what is still to count, and the four charges add up to it.
TEST(PlayerRecord, ASigningBonusCountsInEqualSharesThatAddUpToIt) {
    Build_Test_League();
    const int32_t slot = 7;
    Set_Player_Vital_Stat(2, slot, VITAL_SALARY, 2000);
    Set_Player_Vital_Stat(2, slot, VITAL_SIGNING_BONUS, 300);
    Set_Player_Vital_Stat(2, slot, VITAL_CONTRACT_YEARS, 4);
    Set_Player_Vital_Stat(2, slot, VITAL_BONUS_YEARS, 4);
    const int32_t id = Get_Player_ID(2, slot);
    int32_t counted = 0;
    for (int32_t year = 0; year < 4; ++year) {
        ASSERT_EQ(Get_Player_ID(2, slot), id);
        const int32_t charge = Get_Player_Vital_Stat(2, slot, VITAL_CAP_CHARGE);
        EXPECT_EQ(charge, 2000 + 75) << "year " << year + 1;
        counted += charge - Get_Player_Vital_Stat(2, slot, VITAL_SALARY);
        if (year < 3) {
            ASSERT_EQ(Advance_Player_Year(2, slot), 1);
        }
    }
    EXPECT_EQ(counted, 300) << "the whole bonus counts";
    EXPECT_EQ(Get_Player_Vital_Stat(2, slot, VITAL_BONUS_YEARS), 4) << "the length at signing is kept";
}
