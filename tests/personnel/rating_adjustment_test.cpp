#include <gtest/gtest.h>

#include "database/player_record.h"
#include "personnel/rating_adjustment.h"
#include "support/debug_log.h"
#include "support/test_league.h"

namespace {

constexpr int32_t TEAM = 5;

// Every stored rating set to `value`, so each change is easy to read.
void Set_All_Ratings(int32_t slot, float value) {
    for (int32_t rating = 0; rating < 27; ++rating)
        Set_Player_Rating(TEAM, slot, rating, value);
}

} // namespace

TEST(RatingAdjustment, ZeroAdjustmentLeavesRatingsAsRead) {
    Build_Test_League();
    const int32_t slot = Test_League_Slot(POSITION_CB, 0);
    Set_All_Ratings(slot, 64.0f);
    Get_Player_Record_Pointer(TEAM, slot)->Ratings[RATING_TACKLING] = 12.0f;
    Modify_Player_Ratings(TEAM, slot, 0.0f, false);
    Modify_Player_Ratings(TEAM, slot, 0.0f, true);
    for (int32_t rating = 0; rating < 27; ++rating) {
        const float expected = rating == RATING_TACKLING ? 20.0f : 64.0f;
        EXPECT_FLOAT_EQ(Get_Player_Record_Pointer(TEAM, slot)->Ratings[rating], expected)
            << "rating " << rating;
    }
}

TEST(RatingAdjustment, AgingCutsEachRelevantRatingByItsOwnFactor) {
    Build_Test_League();
    const int32_t slot = Test_League_Slot(POSITION_RB, 0);
    Set_All_Ratings(slot, 80.0f);
    Modify_Player_Ratings(TEAM, slot, -0.05f, true);
    EXPECT_NEAR(Get_Player_Rating(TEAM, slot, RATING_HEALTH), 72.0f, 1e-4) << "10 %";
    EXPECT_NEAR(Get_Player_Rating(TEAM, slot, RATING_DURABILITY), 72.0f, 1e-4) << "10 %";
    EXPECT_NEAR(Get_Player_Rating(TEAM, slot, RATING_VISION), 79.2f, 1e-4) << "1 %";
    EXPECT_NEAR(Get_Player_Rating(TEAM, slot, RATING_KICK_RETURNS), 74.0f, 1e-4) << "7.5 %";
    EXPECT_FLOAT_EQ(Get_Player_Rating(TEAM, slot, RATING_PASS_RUSH), 80.0f) << "not a back's rating";
    EXPECT_FLOAT_EQ(Get_Player_Rating(TEAM, slot, RATING_ACCURACY), 80.0f) << "a quarterback's rating";

    Set_All_Ratings(slot, 80.0f);
    Modify_Player_Ratings(TEAM, slot, -0.05f, false);
    EXPECT_NEAR(Get_Player_Rating(TEAM, slot, RATING_HEALTH), 76.0f, 1e-4) << "one cut for all without aging";
    EXPECT_NEAR(Get_Player_Rating(TEAM, slot, RATING_VISION), 76.0f, 1e-4);
}

TEST(RatingAdjustment, GainsCloseTheGapToNinetyNineButAgingNeverAddsSpeed) {
    Build_Test_League();
    const int32_t slot = Test_League_Slot(POSITION_WR, 0);
    Set_All_Ratings(slot, 70.0f);
    Modify_Player_Ratings(TEAM, slot, 0.1f, true);
    EXPECT_NEAR(Get_Player_Rating(TEAM, slot, RATING_RECEIVING), 77.0f, 1e-4) << "29 / 29 * 7 closer";
    EXPECT_FLOAT_EQ(Get_Player_Rating(TEAM, slot, RATING_SPEED), 70.0f) << "speed does not grow with age";
    EXPECT_FLOAT_EQ(Get_Player_Rating(TEAM, slot, RATING_ACCURACY), 70.0f)
        << "a receiver's accuracy never moves";
    Modify_Player_Ratings(TEAM, slot, 0.1f, false);
    EXPECT_NEAR(Get_Player_Rating(TEAM, slot, RATING_SPEED), 77.0f, 1e-4);

    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    Set_All_Ratings(qb, 70.0f);
    Modify_Player_Ratings(TEAM, qb, 0.2f, false);
    EXPECT_FLOAT_EQ(Get_Player_Rating(TEAM, qb, RATING_RECEIVING), 70.0f)
        << "a quarterback's receiving never moves";
    EXPECT_NEAR(Get_Player_Rating(TEAM, qb, RATING_ACCURACY), 84.0f, 1e-4);
}

TEST(RatingAdjustment, OversizedAdjustmentIsReportedAndApplied) {
    Build_Test_League();
    const int32_t slot = Test_League_Slot(POSITION_K, 0);
    Set_All_Ratings(slot, 60.0f);
    Clear_Debug_Log();
    Modify_Player_Ratings(TEAM, slot, -1.5f, false);
    EXPECT_EQ(Count_Debug_Lines("fAdjustment too large in Modify_Player_Ratings(5, " + std::to_string(slot) +
                                ", [-1.500000], FALSE)"),
              1);
    EXPECT_FLOAT_EQ(Get_Player_Record_Pointer(TEAM, slot)->Ratings[RATING_FG_ACCURACY], -30.0f)
        << "applied all the same";
    EXPECT_FLOAT_EQ(Get_Player_Rating(TEAM, slot, RATING_FG_ACCURACY), 20.0f) << "read back at the floor";
}
