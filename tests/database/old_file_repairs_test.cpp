#include <gtest/gtest.h>

#include <limits>

#include "database/old_file_repairs.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/rating_normalisation.h"
#include "database/universe.h"
#include "personnel/player_dimensions.h"
#include "support/test_league.h"

TEST(OldFileRepairs, ShortHeightsAreRebuiltFromWeight) {
    Build_Test_League();
    int32_t position = Get_Player_Vital_Stat(0, 0, VITAL_POSITION);
    Set_Player_Vital_Stat(0, 0, VITAL_HEIGHT, 12);
    Set_Player_Vital_Stat(0, 0, VITAL_WEIGHT, Get_Position_Average_Weight(position) + 10);
    Set_Player_Vital_Stat(0, 1, VITAL_HEIGHT, 48);
    // The average height takes a draw: the repair's draw is the first after the seed.
    Seed_Random_Numbers(77);
    Repair_Old_Player_Heights();
    Seed_Random_Numbers(77);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_HEIGHT), Get_Position_Average_Height(position) + 1);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 1, VITAL_HEIGHT), 48);
}

TEST(OldFileRepairs, RedZoneBlendAndItsInputRepairs) {
    Build_Test_League();
    PLAYER_RECORD& te = Universe.Teams[2].Players[0];
    te.Vital_Stats[VITAL_POSITION] = POSITION_TE;
    te.Ratings[RATING_RECEIVING] = 60.0f;
    te.Ratings[RATING_QUICKNESS] = 50.0f;
    PLAYER_RECORD& rb = Universe.Teams[2].Players[1];
    rb.Vital_Stats[VITAL_POSITION] = POSITION_RB;
    for (int32_t rating : {RATING_SPEED, RATING_POWER, RATING_RECEIVING, RATING_QUICKNESS})
        rb.Ratings[rating] = 5.0f;
    rb.Ratings[RATING_HANDS] = 90.0f;
    rb.Ratings[RATING_VISION] = std::numeric_limits<float>::quiet_NaN();
    rb.Ratings[RATING_RED_ZONE] = 44.0f;
    PLAYER_RECORD& wr = Universe.Teams[2].Players[2];
    wr.Vital_Stats[VITAL_POSITION] = POSITION_WR;
    wr.Ratings[RATING_RECEIVING] = std::numeric_limits<float>::quiet_NaN();
    wr.Ratings[RATING_QUICKNESS] = 80.0f;
    wr.Ratings[RATING_VISION] = 80.0f;
    Repair_Old_Red_Zone_Ratings();
    EXPECT_FLOAT_EQ(te.Ratings[RATING_RED_ZONE], 56.5f);
    EXPECT_FLOAT_EQ(rb.Ratings[RATING_RED_ZONE], 44.0f) << "a blend below 20 keeps the old rating";
    EXPECT_FLOAT_EQ(rb.Ratings[RATING_SPEED], 20.0f) << "inputs are repaired all the same";
    EXPECT_FLOAT_EQ(rb.Ratings[RATING_VISION], Get_Rating_Baseline(RATING_VISION));
    EXPECT_FLOAT_EQ(wr.Ratings[RATING_RECEIVING], 70.0f) << "a missing rating enters as its baseline";
    EXPECT_FLOAT_EQ(wr.Ratings[RATING_RED_ZONE], 0.6f * 70.0f + 0.2f * 80.0f + 0.2f * 80.0f);
}

// Running backs' ratings 8-12 rise by a fifth of their distance to 115;
// other ratings and other players keep theirs.
TEST(OldFileRepairs, RunningBackRatingsRiseTowardOneHundredFifteen) {
    Build_Test_League();
    PLAYER_RECORD& back = Universe.Teams[4].Players[0];
    back.Vital_Stats[VITAL_POSITION] = POSITION_RB;
    PLAYER_RECORD& receiver = Universe.Teams[4].Players[1];
    receiver.Vital_Stats[VITAL_POSITION] = POSITION_WR;
    for (int32_t rating = RATING_SPEED; rating <= RATING_KICK_RETURNS; ++rating) {
        back.Ratings[rating] = 60.0f;
        receiver.Ratings[rating] = 60.0f;
    }
    back.Ratings[RATING_HANDS] = 95.0f;
    Raise_Running_Back_Ratings();
    for (int32_t rating = RATING_POWER; rating <= RATING_RECEIVING; ++rating)
        EXPECT_FLOAT_EQ(back.Ratings[rating], 71.0f) << "rating " << rating;
    EXPECT_FLOAT_EQ(back.Ratings[RATING_HANDS], 99.0f) << "95 + 20 / 5";
    EXPECT_FLOAT_EQ(back.Ratings[RATING_SPEED], 60.0f) << "speed is no part of it";
    EXPECT_FLOAT_EQ(back.Ratings[RATING_KICK_RETURNS], 60.0f);
    EXPECT_FLOAT_EQ(receiver.Ratings[RATING_POWER], 60.0f) << "a receiver keeps his";
}
