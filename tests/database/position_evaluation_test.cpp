#include <gtest/gtest.h>

#include "database/player_record.h"
#include "database/position_evaluation.h"
#include "database/universe.h"
#include "support/test_league.h"

namespace {
void Set_All(int team, int slot, float value) {
    for (int rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        Set_Player_Rating(team, slot, rating, value);
}
} // namespace

TEST(PositionEvaluation, QuarterbackAndPunterValuesAreSqueezed) {
    Build_Test_League();
    Set_All(0, 0, 80.0f);
    EXPECT_NEAR(Get_Player_Position_Rating(0, 0, POSITION_QB), 83.8f, 1e-4);
    Set_All(0, 0, 100.0f);
    EXPECT_NEAR(Get_Player_Position_Rating(0, 0, POSITION_QB), 99.5f, 1e-4);
    Set_Player_Rating(0, 0, RATING_PUNT_DISTANCE, 40.0f);
    Set_Player_Rating(0, 0, RATING_PUNT_ACCURACY, 40.0f);
    EXPECT_NEAR(Get_Player_Position_Rating(0, 0, POSITION_P), 52.0f, 1e-4);
    Set_All(0, 0, 70.0f);
    EXPECT_NEAR(Get_Player_Position_Rating(0, 0, POSITION_DE), 73.144f, 1e-3);
}

TEST(PositionEvaluation, RunningBackReceivingAndFullbackFloor) {
    Build_Test_League();
    Set_All(1, 0, 20.0f);
    // t = 0.15*20*3 + 0.24*20 + 0.22*20 + 0.21*20 + 0.05*20*2 - 10 = 14.4; Receiving 99 > t.
    Set_Player_Rating(1, 0, RATING_RECEIVING, 99.0f);
    float expected = Squeeze_Position_Rating(0.87f * 14.4f + 0.13f * 99.0f);
    EXPECT_NEAR(Get_Player_Position_Rating(1, 0, POSITION_RB), expected, 1e-3);
    for (int slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
        EXPECT_GE(Get_Player_Position_Rating(1, slot, POSITION_FB),
                  Get_Player_Position_Rating(1, slot, POSITION_RB))
            << slot;
}

TEST(PositionEvaluation, UnknownPositionsAndSpecialTeamsRoles) {
    Build_Test_League();
    EXPECT_FLOAT_EQ(Get_Player_Position_Rating(2, 0, 15), 35.0f);
    Set_Player_Byte_Field(2, 0, PLAYER_BYTE_EXPANDED_POSITION, EXPANDED_LONG_SNAPPER);
    EXPECT_FLOAT_EQ(Get_Player_Position_Rating(2, 0, 15), 60.0f);
    EXPECT_FLOAT_EQ(Get_Player_Position_Rating(41, 0, 15), 35.0f) << "no record, no special role";
}

TEST(PositionEvaluation, EvaluationRepairsLowRatings) {
    Build_Test_League();
    Universe.Teams[3].Players[10].Ratings[RATING_SPEED] = 12.0f;
    Get_Player_Position_Rating(3, 10, POSITION_WR);
    EXPECT_FLOAT_EQ(Universe.Teams[3].Players[10].Ratings[RATING_SPEED], 20.0f);
}
