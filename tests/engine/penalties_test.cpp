#include <gtest/gtest.h>

#include "engine/penalties.h"

TEST(Penalties, HalfTheDistanceLimitsGainsAndLosses) {
    EXPECT_EQ(Apply_Half_The_Distance(PENALTY_DEFENSIVE_UNNECESSARY_ROUGHNESS, 15, 10), 5)
        << "15 yards at the opponent's 10 move the ball 5";
    EXPECT_EQ(Apply_Half_The_Distance(PENALTY_ENCROACHMENT, 5, 60), 5);
    EXPECT_EQ(Apply_Half_The_Distance(PENALTY_PASS_INTERFERENCE, 30, 25), 24)
        << "interference in the end zone puts the ball on the 1";
    EXPECT_EQ(Apply_Half_The_Distance(PENALTY_PASS_INTERFERENCE, 20, 60), 20);
    EXPECT_EQ(Apply_Half_The_Distance(PENALTY_OFFENSIVE_HOLDING, -10, 92), -4)
        << "holding at the own 8 costs half the way back";
    EXPECT_EQ(Apply_Half_The_Distance(PENALTY_CLIPPING, -15, 40), -15);
}

TEST(Penalties, SidesFollowTheCodes) {
    EXPECT_EQ(Is_Defensive_Penalty(PENALTY_PASS_INTERFERENCE), 1);
    EXPECT_EQ(Is_Defensive_Penalty(PENALTY_OFFENSIVE_OFFSIDES), 0);
}
