#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "database/player_record.h"
#include "database/rating_normalisation.h"
#include "database/team_history.h"
#include "database/universe.h"
#include "support/test_league.h"

TEST(RatingNormalisation, PositionGroupsOfRatings) {
    EXPECT_EQ(Is_Rating_Used_By_Position(POSITION_QB, RATING_POWER), 0) << "power is a skill-position rating";
    EXPECT_EQ(Is_Rating_Used_By_Position(POSITION_CB, RATING_PUNT_RETURNS), 1);
    EXPECT_EQ(Is_Rating_Used_By_Position(POSITION_TE, RATING_RECEIVING), 0) << "receiving counts for WR only";
    EXPECT_EQ(Is_Rating_Used_By_Position(POSITION_K, RATING_PUNT_DISTANCE), 0);
    EXPECT_EQ(Is_Rating_Used_By_Position(POSITION_P, RATING_PUNT_DISTANCE), 1);
    EXPECT_EQ(Is_Rating_Used_By_Position(POSITION_QB, RATING_ACCURACY), 1);
    EXPECT_EQ(Is_Rating_Used_By_Position(POSITION_G, RATING_SPEED), 1);
    EXPECT_EQ(Get_Rating_Position_Group(RATING_DISCIPLINE), 1);
}

TEST(RatingNormalisation, StartersMeetTheTargetMeanAndSpread) {
    Build_Test_League();
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
            Set_Player_Rating(team, slot, RATING_ACCURACY,
                              60.0f + static_cast<float>((team * 7 + slot) % 21));
    Normalize_Player_Ratings();
    for (int32_t rating : {RATING_ACCURACY, RATING_SPEED, RATING_PASS_COVERAGE, RATING_FG_DISTANCE}) {
        float mean = Get_League_Rating_Mean(rating);
        float spread = Get_League_Rating_Spread(rating);
        // The end squeeze above 95 and the 20-99 limits move the figures a little.
        EXPECT_NEAR(mean, Get_Rating_Baseline(rating), 1.5) << "rating " << rating;
        EXPECT_NEAR(spread, std::min(Get_Rating_Target_Spread(rating), spread), 0.01) << "rating " << rating;
        EXPECT_GT(spread, 0.5f * Get_Rating_Target_Spread(rating)) << "rating " << rating;
    }
    for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot) {
        float value = Universe.Teams[4].Players[slot].Ratings[RATING_ACCURACY];
        EXPECT_GE(value, 1.0f);
        EXPECT_LE(value, 99.0f);
    }
}

// Starters at 68.5 and 71.5 in Accuracy: mean 70, mean deviation 1.5. The
// shift adds 5 (baseline 75); the stretch factor 12 / 1.5 = 8 is softened to
// sqrt(8) x sqrt(2) = 4 about the new mean 75, then limited to 20-99.
TEST(RatingNormalisation, ShiftToTheBaselineThenStretchBySoftenedFactor) {
    Build_Test_League();
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
            Set_Player_Rating(team, slot, RATING_ACCURACY, team % 2 == 0 ? 68.5f : 71.5f);
    const float free_agent_values[] = {70.0f, 80.0f, 60.0f};
    const float expected[] = {75.0f, 97.0f, 35.0f}; // 80 -> 85 -> 115, limited to 99, softened to 97
    for (int32_t n = 0; n < 3; ++n) {
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, n, VITAL_PLAYER_ID, 900200 + n);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, n, VITAL_POSITION, POSITION_QB);
        Universe.Teams[FREE_AGENT_TEAM].Players[n].Ratings[RATING_ACCURACY] = free_agent_values[n];
    }
    ASSERT_FLOAT_EQ(Get_League_Rating_Mean(RATING_ACCURACY), 70.0f);
    ASSERT_FLOAT_EQ(Get_League_Rating_Spread(RATING_ACCURACY), 1.5f);
    Normalize_Player_Ratings();
    EXPECT_FLOAT_EQ(Universe.Teams[0].Players[0].Ratings[RATING_ACCURACY], 69.0f) << "73.5 stretched down";
    EXPECT_FLOAT_EQ(Universe.Teams[1].Players[0].Ratings[RATING_ACCURACY], 81.0f) << "76.5 stretched up";
    for (int32_t n = 0; n < 3; ++n)
        EXPECT_FLOAT_EQ(Universe.Teams[FREE_AGENT_TEAM].Players[n].Ratings[RATING_ACCURACY], expected[n])
            << "free agent rated " << free_agent_values[n];
    EXPECT_FLOAT_EQ(Get_League_Rating_Spread(RATING_ACCURACY), 6.0f);
}

TEST(RatingNormalisation, PoolRatingsAreBroughtIntoRange) {
    Build_Test_League();
    Set_Player_Vital_Stat(39, 0, VITAL_PLAYER_ID, 900001);
    Set_Player_Vital_Stat(39, 0, VITAL_POSITION, POSITION_QB);
    Universe.Teams[39].Players[0].Ratings[RATING_ACCURACY] = 1500.0f;
    Universe.Teams[39].Players[0].Ratings[RATING_DISTANCE] = 97.0f;
    Universe.Teams[39].Players[0].Ratings[RATING_CONTROL] = 10.0f;
    Normalize_Player_Ratings();
    EXPECT_FLOAT_EQ(Universe.Teams[39].Players[0].Ratings[RATING_ACCURACY], 60.0f);
    EXPECT_FLOAT_EQ(Universe.Teams[39].Players[0].Ratings[RATING_DISTANCE], 96.0f);
    EXPECT_FLOAT_EQ(Universe.Teams[39].Players[0].Ratings[RATING_CONTROL], 15.0f);
}

// A rating that no starter carries (the league has no punter) is neither
// shifted nor stretched, but still softened in every record.
TEST(RatingNormalisation, RatingNoStarterCarriesIsOnlySoftened) {
    Build_Test_League();
    const int32_t punter = Test_League_Slot(POSITION_P, 0);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        Set_Player_Vital_Stat(team, punter, VITAL_POSITION, POSITION_K);
    ASSERT_EQ(Get_League_Rating_Mean(RATING_PUNT_DISTANCE), 0.0f) << "no starter carries the rating";
    Universe.Teams[2].Players[punter].Ratings[RATING_PUNT_DISTANCE] = 50.0f;
    const float free_agent_values[] = {97.0f, 10.0f, 1500.0f, -300.0f};
    const float softened[] = {96.0f, 15.0f, 60.0f, 60.0f};
    for (int32_t n = 0; n < 4; ++n) {
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, n, VITAL_PLAYER_ID, 900100 + n);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, n, VITAL_POSITION, POSITION_P);
        Universe.Teams[FREE_AGENT_TEAM].Players[n].Ratings[RATING_PUNT_DISTANCE] = free_agent_values[n];
    }
    Normalize_Player_Ratings();
    EXPECT_FLOAT_EQ(Universe.Teams[2].Players[punter].Ratings[RATING_PUNT_DISTANCE], 50.0f)
        << "not moved by the baseline of 75";
    for (int32_t n = 0; n < 4; ++n)
        EXPECT_FLOAT_EQ(Universe.Teams[FREE_AGENT_TEAM].Players[n].Ratings[RATING_PUNT_DISTANCE], softened[n])
            << "free agent " << n << " rated " << free_agent_values[n];
}

TEST(RatingNormalisation, SkillPositionSpeedIsRaised) {
    Build_Test_League();
    struct CASE {
        int32_t position;
        float speed;
        float expected;
    } cases[] = {{POSITION_WR, 35.6f, 75.0f},
                 {POSITION_QB, 35.6f, 65.0f},
                 {POSITION_QB, 40.2f, 40.2f},
                 {POSITION_K, 10.0f, 10.0f},
                 {POSITION_RB, std::numeric_limits<float>::quiet_NaN(), 70.0f}};
    int32_t slot = 0;
    for (const CASE& c : cases) {
        Set_Player_Vital_Stat(1, slot, VITAL_POSITION, c.position);
        Universe.Teams[1].Players[slot].Ratings[RATING_SPEED] = c.speed;
        ++slot;
    }
    Raise_Skill_Position_Speed();
    slot = 0;
    for (const CASE& c : cases) {
        EXPECT_FLOAT_EQ(Universe.Teams[1].Players[slot].Ratings[RATING_SPEED], c.expected) << "case " << slot;
        ++slot;
    }
}
