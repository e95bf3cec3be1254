#include <gtest/gtest.h>

#include <cstring>

#include "database/player_record.h"
#include "personnel/position_change.h"
#include "support/debug_log.h"
#include "support/test_league.h"

namespace {

constexpr int32_t TEAM = 7;

// Every stored rating set to `value`, so each change is easy to read.
void Set_All_Ratings(int32_t slot, float value) {
    for (int32_t rating = 0; rating < 27; ++rating)
        Set_Player_Rating(TEAM, slot, rating, value);
}

} // namespace

TEST(PositionChange, FamiliesGroupThePositionsThatCanTradePlaces) {
    const int32_t expected[NUMBER_OF_POSITIONS] = {0, 1, 1, 1, 1, 2, 2, 2, 3, 3, 3, 3, 3, 4, 4};
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position)
        EXPECT_EQ(Get_Position_Family(position), expected[position]) << "position " << position;
    EXPECT_EQ(Get_Position_Family(25), 2) << "a long snapper is a centre";
    EXPECT_EQ(Get_Position_Family(33), 3) << "a linebacker role";
    EXPECT_EQ(Get_Position_Family(-1), -1);
    EXPECT_EQ(Get_Position_Family(43), -1);
    EXPECT_EQ(Get_Position_Family_First(3), POSITION_DE);
    EXPECT_EQ(Get_Position_Family_Size(3), 5);
}

TEST(PositionChange, CornerToSafetyConvertsOnlyTheDefensiveRatings) {
    Build_Test_League();
    const int32_t slot = Test_League_Slot(POSITION_CB, 0);
    Set_All_Ratings(slot, 80.0f);
    EXPECT_FLOAT_EQ(Get_Projected_Position_Rating(TEAM, slot, POSITION_S, RATING_TACKLING), 76.0f);
    EXPECT_FLOAT_EQ(Get_Projected_Position_Rating(TEAM, slot, POSITION_LB, RATING_PASS_COVERAGE), 76.0f);
    EXPECT_FLOAT_EQ(Get_Projected_Position_Rating(TEAM, slot, POSITION_T, RATING_TACKLING), 80.0f)
        << "no projection outside the family";

    ASSERT_EQ(Change_Player_Position(TEAM, slot, POSITION_S), 1);
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, slot, VITAL_POSITION), POSITION_S);
    EXPECT_FLOAT_EQ(Get_Player_Rating(TEAM, slot, RATING_TACKLING), 76.0f);
    EXPECT_FLOAT_EQ(Get_Player_Rating(TEAM, slot, RATING_RUN_DEFENSE), 76.0f);
    EXPECT_FLOAT_EQ(Get_Player_Rating(TEAM, slot, RATING_SPEED), 80.0f);
    EXPECT_FLOAT_EQ(Get_Player_Rating(TEAM, slot, RATING_PASS_BLOCKING), 80.0f);

    // Back to corner: the safety's Tackling row keeps the value (1000).
    ASSERT_EQ(Change_Player_Position(TEAM, slot, POSITION_CB), 1);
    EXPECT_FLOAT_EQ(Get_Player_Rating(TEAM, slot, RATING_TACKLING), 76.0f);
    EXPECT_FLOAT_EQ(Get_Player_Rating(TEAM, slot, RATING_RUN_DEFENSE), 72.2f);
}

TEST(PositionChange, LossesAreNotUndoneByMovingBack) {
    Build_Test_League();
    const int32_t back = Test_League_Slot(POSITION_RB, 0);
    Set_All_Ratings(back, 80.0f);
    ASSERT_EQ(Change_Player_Position(TEAM, back, POSITION_WR), 1);
    EXPECT_FLOAT_EQ(Get_Player_Rating(TEAM, back, RATING_QUICKNESS), 72.0f);
    EXPECT_FLOAT_EQ(Get_Player_Rating(TEAM, back, RATING_KICK_RETURNS), 80.0f);
    ASSERT_EQ(Change_Player_Position(TEAM, back, POSITION_RB), 1);
    EXPECT_FLOAT_EQ(Get_Player_Rating(TEAM, back, RATING_QUICKNESS), 72.0f);

    const int32_t centre = Test_League_Slot(POSITION_C, 0);
    Set_All_Ratings(centre, 80.0f);
    ASSERT_EQ(Change_Player_Position(TEAM, centre, POSITION_T), 1);
    EXPECT_FLOAT_EQ(Get_Player_Rating(TEAM, centre, RATING_PASS_BLOCKING), 75.2f) << "6 % lost";
    EXPECT_FLOAT_EQ(Get_Player_Rating(TEAM, centre, RATING_RUN_BLOCKING), 80.0f);
}

TEST(PositionChange, RefusedChangesLeaveThePlayerAsHeWas) {
    Build_Test_League();
    Clear_Debug_Log();
    const int32_t slot = Test_League_Slot(POSITION_G, 1);
    Set_All_Ratings(slot, 70.0f);
    const PLAYER_RECORD before = *Get_Player_Record_Pointer(TEAM, slot);

    EXPECT_EQ(Change_Player_Position(TEAM, slot, POSITION_G), 0) << "the current position";
    EXPECT_EQ(Count_Error_Lines(), 0);
    EXPECT_EQ(Change_Player_Position(TEAM, slot, POSITION_DT), 0) << "another family";
    EXPECT_EQ(Change_Player_Position(TEAM, slot, 40), 0) << "an expanded code is no new position";
    EXPECT_EQ(Count_Error_Lines(), 2);
    EXPECT_EQ(std::memcmp(&before, Get_Player_Record_Pointer(TEAM, slot), sizeof before), 0);

    EXPECT_EQ(Change_Player_Position(TEAM, 99, POSITION_C), 0) << "an empty slot";
    EXPECT_EQ(Change_Player_Position(45, 0, POSITION_C), 0) << "no such team";
    EXPECT_EQ(Count_Error_Lines(), 2);
}

// A player known by a finer role (vital 1 or his expanded position) converts
// from his basic position, and a role that no longer fits is dropped.
TEST(PositionChange, ExpandedRolesConvertFromTheirBasicPosition) {
    Build_Test_League();
    const int32_t backer = Test_League_Slot(POSITION_LB, 2);
    Set_All_Ratings(backer, 90.0f);
    Set_Player_Vital_Stat(TEAM, backer, VITAL_POSITION, 33);
    Set_Player_Byte_Field(TEAM, backer, PLAYER_BYTE_EXPANDED_POSITION, 33);
    ASSERT_EQ(Change_Player_Position(TEAM, backer, POSITION_S), 1);
    EXPECT_FLOAT_EQ(Get_Player_Rating(TEAM, backer, RATING_PASS_RUSH), 81.0f) << "LB to S, 900";
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, backer, VITAL_POSITION), POSITION_S);
    EXPECT_EQ(Get_Player_Byte_Field(TEAM, backer, PLAYER_BYTE_EXPANDED_POSITION), POSITION_S);

    const int32_t snapper = Test_League_Slot(POSITION_C, 1);
    Set_Player_Byte_Field(TEAM, snapper, PLAYER_BYTE_EXPANDED_POSITION, 25);
    ASSERT_EQ(Change_Player_Position(TEAM, snapper, POSITION_G), 1);
    EXPECT_EQ(Get_Player_Byte_Field(TEAM, snapper, PLAYER_BYTE_EXPANDED_POSITION), POSITION_G);

    const int32_t receiver = Test_League_Slot(POSITION_WR, 3);
    Set_Player_Byte_Field(TEAM, receiver, PLAYER_BYTE_EXPANDED_POSITION, 17);
    ASSERT_EQ(Change_Player_Position(TEAM, receiver, POSITION_TE), 1);
    EXPECT_EQ(Get_Player_Byte_Field(TEAM, receiver, PLAYER_BYTE_EXPANDED_POSITION), POSITION_TE);
}
