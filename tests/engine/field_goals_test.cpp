#include <gtest/gtest.h>

#include "database/settings.h"
#include "engine/field_goals.h"
#include "support/test_league.h"

TEST(FieldGoals, DistanceDependsOnWhereThePostsStood) {
    EXPECT_EQ(Get_Field_Goal_Distance(33, 1974), 50);
    EXPECT_EQ(Get_Field_Goal_Distance(33, 1973), 40);
    EXPECT_EQ(Get_Field_Goal_Attempt_Stat(50), 16);
    EXPECT_EQ(Get_Field_Goal_Attempt_Stat(40), 14);
    EXPECT_EQ(Get_Field_Goal_Attempt_Stat(39), 12);
    EXPECT_EQ(Get_Field_Goal_Attempt_Stat(29), 10);
}

TEST(FieldGoals, ChanceFallsWithDistanceAndPastTheRange) {
    EXPECT_NEAR(Get_Field_Goal_Base_Chance(15.0, 70.0, 53), 0.994, 1e-9);
    EXPECT_NEAR(Get_Field_Goal_Base_Chance(40.0, 70.0, 53), 0.88, 1e-9);
    EXPECT_NEAR(Get_Field_Goal_Base_Chance(53.0, 70.0, 53), 0.7, 1e-9);
    EXPECT_NEAR(Get_Field_Goal_Base_Chance(55.0, 70.0, 53), 0.5, 1e-9) << "0.7 less a tenth per yard beyond";
    const double at_range_40 = Get_Field_Goal_Base_Chance(40.0, 70.0, 40);
    EXPECT_NEAR(at_range_40, 0.88, 1e-9) << "a range of exactly 40 must not divide by zero";
}

TEST(FieldGoals, ConversionSpotFollowsTheSetting) {
    Build_Test_League();
    const int32_t spots[] = {2, 15, 20, 25, 30, 2};
    for (int32_t code = 0; code < 6; ++code) {
        Set_User_Preference(EXTRA_POINT_SPOT_CODE, code);
        EXPECT_EQ(Get_Conversion_Spot(), spots[code]) << "code " << code;
    }
    Set_User_Preference(EXTRA_POINT_SPOT_CODE, 0);
}
